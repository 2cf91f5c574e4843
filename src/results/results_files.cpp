#include "results/results_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <optional>
#include <vector>

#include "content/catalogue.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"
#include "results/results_log.h"

namespace {

const char* Stem(ResultsFile file) {
    switch (file) {
        case ResultsFile::Marks:
            return "marks";
        case ResultsFile::First:
            return "first";
        case ResultsFile::Second:
            return "second";
        case ResultsFile::FirstResults:
            return "fresults";
        case ResultsFile::SecondResults:
            return "sresults";
        case ResultsFile::Trend:
            return "trend";
    }
    return "";
}

int TemplateId(ResultsFile file, int module) {
    return ResultsTemplateId(module, static_cast<int>(file));
}

// Whatever stands at the path counts: a folder or FIFO in a file's place is not "missing".
bool IsPresent(const QString& path) {
    return FileKindAt(path) != FileKind::Missing;
}

QByteArray FileBytes(const QString& path) {
    return ReadRegularFile(path).value_or(QByteArray());
}

// Copies a template and reads it back: a copy that reports success yet differs is no copy.
bool CopyTemplate(ResultsFile file, int module, const QString& path) {
    const int id = TemplateId(file, module);
    if (ExtractResource(id, QStringLiteral("Custom"), path) != ExtractResult::Ok) return false;
    if (FileBytes(path) == ResourceBytes(id)) return true;
    qCWarning(lcResults) << path << "does not hold its template after the copy";
    return false;
}

struct TemplateCopy {
    ResultsFile file;
    int module;
    QString path;
};

// Whether each template reached its file. One after another: the start runs no more threads
// than the machine has cores, and this runs on one of them.
QList<bool> CopyTemplates(const QList<TemplateCopy>& copies) {
    QList<bool> copied;
    for (const TemplateCopy& copy : copies)
        copied.append(CopyTemplate(copy.file, copy.module, copy.path));
    return copied;
}

// The key of a line of the form "#KEY#" or "#KEY#>...", or nothing.
std::optional<QString> LeadingKey(const QString& line) {
    if (!line.startsWith('#')) return std::nullopt;
    const qsizetype close = line.indexOf('#', 1);
    if (close <= 1) return std::nullopt;
    if (close + 1 < line.size() && line[close + 1] != '>') return std::nullopt;
    const QString key = line.mid(1, close - 1);
    if (key.contains('>')) return std::nullopt;
    return key;
}

struct TemplateRecord {
    QString key;
    int fields = 0;
};

QList<TemplateRecord> TemplateRecords(const QByteArray& bytes) {
    QList<TemplateRecord> records;
    for (const QString& line : RecordFileLines(bytes)) {
        if (const auto key = LeadingKey(line))
            records.append({*key, static_cast<int>(line.count('>'))});
    }
    return records;
}

bool IsScore(const QString& text) {
    static const QRegularExpression score(QStringLiteral("^\\d{1,3}(\\.\\d)?$"));
    return score.match(text).hasMatch() && text.toDouble() <= 100.0;
}

bool IsTimeTaken(const QString& text) {
    static const QRegularExpression time(QStringLiteral("^\\d+:\\d+:\\d+$"));
    return time.match(text).hasMatch();
}

// Whether every field of a record holds a value the program itself writes there.
bool ValuesFit(ResultsFile file, const QString& key, const QStringList& fields) {
    auto all = [&fields](auto fits) {
        for (const QString& field : fields) {
            if (!fits(field)) return false;
        }
        return true;
    };
    switch (file) {
        case ResultsFile::Marks:
            if (key == "FSE" || key == "SSE")
                return all([](const QString& f) { return f.isEmpty() || IsScore(f); });
            if (key == "FST" || key == "SST")
                return all([](const QString& f) { return f == "0" || f == "1"; });
            if (key == "LTM")
                return all([](const QString& f) { return f.isEmpty() || IsTimeTaken(f); });
            return true;
        case ResultsFile::FirstResults:
        case ResultsFile::SecondResults:
            return all([](const QString& f) { return f.isEmpty() || f == "Y" || f == "N"; });
        case ResultsFile::Trend:
            return all(IsScore);
        case ResultsFile::First:
        case ResultsFile::Second:
            return true;
    }
    return true;
}

// Texts the learner reads, ready for a translation.
QString Tr(const char* text) {
    return QCoreApplication::translate("ResultsFiles", text);
}

QString KindText(FileKind kind) {
    switch (kind) {
        case FileKind::Directory:
            return Tr("a folder");
        case FileKind::Fifo:
            return Tr("a named pipe (FIFO)");
        case FileKind::Socket:
            return Tr("a socket");
        case FileKind::CharDevice:
        case FileKind::BlockDevice:
            return Tr("a device");
        case FileKind::Missing:
        case FileKind::Regular:
        case FileKind::Other:
            break;
    }
    return Tr("something other than a plain file");
}

ResultsFileIssue Issue(ResultsProblem problem, const QString& key = {}, int line = 0, int found = 0,
                       int expected = 0) {
    ResultsFileIssue issue{problem, key, line, found, expected};
    return issue;
}

}  // namespace

QString ResultsFileName(ResultsFile file, int module, const QString& code) {
    return QString::fromLatin1(Stem(file)) + QString::number(module) + code + ".txt";
}

QString ResultsFilePath(const QString& programFolder, ResultsFile file, int module,
                        const QString& code) {
    return programFolder + '/' + ResultsFileName(file, module, code);
}

bool IsResultsFileName(const QString& name) {
    static const QRegularExpression form(
        QStringLiteral("^(marks|first|second|fresults|sresults|trend)[1-3][^/]*\\.txt$"));
    return form.match(name).hasMatch();
}

QStringList ReadPerPaperRecords(const QString& path, ResultsFile file, int module, int n) {
    QStringList lines = ReadPaperRecordLines(path, n);
    bool complete = true;
    for (const QString& line : lines) complete = complete && !line.isEmpty();
    if (complete) return lines;
    QHash<QString, QString> empty;
    for (const QString& line : RecordFileLines(ResourceBytes(TemplateId(file, module)))) {
        if (const auto key = LeadingKey(line)) empty.insert(*key, line);
    }
    QStringList missing;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].isEmpty()) continue;
        const QString key = QString::number(101 + i);
        missing += key;
        lines[i] = empty.value(key);
    }
    qCWarning(lcResults) << path << "lacks the records of papers" << missing.join(QLatin1Char(' '))
                         << "; they are written back empty";
    return lines;
}

QStringList CreateModuleResultsFiles(const QString& programFolder, int module,
                                     const QString& code) {
    QStringList failed;
    for (ResultsFile file : kAllResultsFiles) {
        const QString path = ResultsFilePath(programFolder, file, module, code);
        if (!CopyTemplate(file, module, path)) failed += path;
    }
    return failed;
}

void CreateResultsFiles(const QString& programFolder, const Catalogue& catalogue) {
    for (int m = 1; m <= 3; ++m) {
        if (catalogue.module(m).exists())
            CreateModuleResultsFiles(programFolder, m, catalogue.code);
    }
}

bool ResultsFilesPresent(const QString& programFolder, int module, const QString& code) {
    for (ResultsFile file : kAllResultsFiles) {
        if (!IsPresent(ResultsFilePath(programFolder, file, module, code))) return false;
    }
    return true;
}

QList<ResultsFileIssue> InspectResultsFile(const QString& path, ResultsFile file,
                                           const QByteArray& templateBytes) {
    QList<ResultsFileIssue> issues;
    const FileKind kind = FileKindAt(path);
    if (kind == FileKind::Missing) return issues;
    if (kind != FileKind::Regular) {
        ResultsFileIssue issue = Issue(ResultsProblem::NotRegularFile);
        issue.kind = kind;
        return {issue};
    }
    const QByteArray bytes = FileBytes(path);
    if (bytes.isEmpty()) return {Issue(ResultsProblem::EmptyFile)};

    const QList<TemplateRecord> expected = TemplateRecords(templateBytes);
    QList<bool> seen(expected.size(), false);
    qsizetype lastOrder = -1;
    const QStringList lines = RecordFileLines(bytes);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int lineNumber = i + 1;
        if (line == "...") continue;
        const auto key = LeadingKey(line);
        qsizetype order = -1;
        for (qsizetype k = 0; key && k < expected.size(); ++k) {
            if (expected[k].key == *key) order = k;
        }
        if (order < 0 || seen[order]) {
            issues.append(Issue(ResultsProblem::StrayText, {}, lineNumber));
            continue;
        }
        seen[order] = true;
        const TemplateRecord& record = expected[order];
        if (order < lastOrder)
            issues.append(Issue(ResultsProblem::OutOfOrder, record.key, lineNumber));
        lastOrder = std::max(lastOrder, order);
        // A '#' after the key means two records ran together: a line break was lost.
        if (line.indexOf('#', record.key.size() + 2) >= 0)
            issues.append(Issue(ResultsProblem::StrayText, record.key, lineNumber));

        const int fields = static_cast<int>(line.count('>'));
        const bool trend = file == ResultsFile::Trend;
        const int allowed = trend ? kPaperCapacity : record.fields;
        if (trend ? fields > allowed : fields != allowed) {
            issues.append(
                Issue(ResultsProblem::WrongFieldCount, record.key, lineNumber, fields, allowed));
        } else if (!ValuesFit(file, record.key, SplitRecordFields(line, fields, fields))) {
            issues.append(Issue(ResultsProblem::BadValue, record.key, lineNumber));
        }
    }
    for (qsizetype k = 0; k < expected.size(); ++k) {
        if (!seen[k]) issues.append(Issue(ResultsProblem::MissingRecord, expected[k].key));
    }
    return issues;
}

ResultsCheckReport EnsureResultsFiles(const QString& programFolder, const Catalogue& catalogue) {
    ResultsCheckReport report;
    QList<TemplateCopy> copies;
    for (int m = 1; m <= 3; ++m) {
        if (!catalogue.module(m).exists()) continue;
        const QString& code = catalogue.code;
        bool anyPresent = false;
        for (ResultsFile file : kAllResultsFiles)
            anyPresent = anyPresent || IsPresent(ResultsFilePath(programFolder, file, m, code));

        for (ResultsFile file : kAllResultsFiles) {
            const QString path = ResultsFilePath(programFolder, file, m, code);
            if (!anyPresent || !IsPresent(path)) {
                copies.append({file, m, path});
                continue;
            }
            const QByteArray templateBytes = ResourceBytes(TemplateId(file, m));
            if (templateBytes.isEmpty()) continue;
            const QList<ResultsFileIssue> issues = InspectResultsFile(path, file, templateBytes);
            if (!issues.isEmpty()) report.damaged.append({m, file, path, issues});
        }
    }
    const QList<bool> copied = CopyTemplates(copies);
    for (qsizetype i = 0; i < copies.size(); ++i)
        (copied[i] ? report.created : report.failed) += copies[i].path;
    return report;
}

bool RestoreResultsFile(const QString& programFolder, ResultsFile file, int module,
                        const QString& code) {
    const QString path = ResultsFilePath(programFolder, file, module, code);
    const FileKind kind = FileKindAt(path);
    if (kind != FileKind::Missing && kind != FileKind::Regular && kind != FileKind::Directory &&
        !QFile::remove(path))
        qCWarning(lcResults) << "cannot remove the special file" << path;
    return CopyTemplate(file, module, path);
}

QString DescribeResultsIssue(const QString& fileName, const ResultsFileIssue& issue) {
    switch (issue.problem) {
        case ResultsProblem::NotRegularFile:
            return Tr("%1 is %2, not a file").arg(fileName, KindText(issue.kind));
        case ResultsProblem::EmptyFile:
            return Tr("%1 is empty").arg(fileName);
        case ResultsProblem::MissingRecord:
            return Tr("%1: record %2 is missing").arg(fileName, issue.key);
        case ResultsProblem::WrongFieldCount:
            return Tr(issue.key == QLatin1String("TRD")
                          ? "%1: record %2 has %3 entries, more than %4"
                          : "%1: record %2 has %3 entries instead of %4")
                .arg(fileName, issue.key)
                .arg(issue.found)
                .arg(issue.expected);
        case ResultsProblem::OutOfOrder:
            return Tr("%1: record %2 is out of order").arg(fileName, issue.key);
        case ResultsProblem::StrayText:
            return Tr("%1: line %2 is not a record").arg(fileName).arg(issue.line);
        case ResultsProblem::BadValue:
            return Tr("%1: record %2 holds a value the program never writes")
                .arg(fileName, issue.key);
    }
    return fileName;
}

QString KeepDamagedCopy(const QString& path, const QDateTime& now) {
    const std::optional<QByteArray> bytes = ReadRegularFile(path);
    if (!bytes) {
        qCWarning(lcResults) << "no copy of" << path << "could be kept: it cannot be read";
        return {};
    }
    const QString stem = path + QStringLiteral(".damaged-") + now.toString("yyyy-MM-dd-HHmmss");
    QString copy = stem;
    for (int n = 2; FileKindAt(copy) != FileKind::Missing; ++n)
        copy = stem + QLatin1Char('-') + QString::number(n);
    if (!WriteFileAtomically(copy, *bytes)) {
        qCWarning(lcResults) << "no copy of" << path << "could be written to" << copy;
        return {};
    }
    return copy;
}
