#include "results/results_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>
#include <vector>

#include "content/catalogue.h"
#include "content/course_shape.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"
#include "results/attempt_file.h"
#include "results/marks_file.h"
#include "results/results_log.h"
#include "results/trend_file.h"

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
// Returns why it failed; nothing failed when all went well.
WriteError CopyTemplate(ResultsFile file, int module, const QString& path) {
    const QByteArray bytes = ResourceBytes(TemplateId(file, module));
    WriteError error{path, WriteProblem::Other};
    if (bytes.isEmpty()) {
        qCWarning(lcResults) << "the package holds no template for" << path;
        return error;
    }
    if (FileBytes(path) != bytes && !WriteFileAtomically(path, bytes, FileSync::ToDisk, &error))
        return error;
    if (FileBytes(path) == bytes) return {};
    qCWarning(lcResults) << path << "does not hold its template after the copy";
    return {path, WriteProblem::Other};
}

struct TemplateCopy {
    ResultsFile file;
    int module;
    QString path;
};

// Why each template did not reach its file (nothing failed when it did). One after another:
// the start runs no more threads than the machine has cores, and this runs on one of them.
QList<WriteError> CopyTemplates(const QList<TemplateCopy>& copies) {
    QList<WriteError> copied;
    for (const TemplateCopy& copy : copies)
        copied.append(CopyTemplate(copy.file, copy.module, copy.path));
    return copied;
}

// Each file's own codec judges its records.
QList<ResultsFileIssue> InspectBytes(const QByteArray& bytes, ResultsFile file,
                                     const QByteArray& templateBytes) {
    switch (file) {
        case ResultsFile::Marks:
            return InspectMarksFile(bytes, templateBytes);
        case ResultsFile::First:
        case ResultsFile::Second:
            return InspectAnswersFile(bytes, templateBytes);
        case ResultsFile::FirstResults:
        case ResultsFile::SecondResults:
            return InspectVerdictsFile(bytes, templateBytes);
        case ResultsFile::Trend:
            return InspectTrendFile(bytes, templateBytes);
    }
    return {};
}

// A dated copy beside the file that holds exactly these bytes, or empty text. Only copies of the
// same size are read.
QString DamagedCopyHolding(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    const QDir folder = info.absoluteDir();
    const QStringList copies = folder.entryList({info.fileName() + QStringLiteral(".damaged-*")},
                                                QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : copies) {
        const QString copy = folder.filePath(name);
        if (QFileInfo(copy).size() != bytes.size()) continue;
        if (ReadRegularFile(copy) == bytes) return copy;
    }
    return {};
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

QByteArray ResultsTemplateBytes(ResultsFile file, const QList<int>& partsPerPaper) {
    switch (file) {
        case ResultsFile::Marks:
            return MarksTemplateBytes(static_cast<int>(partsPerPaper.size()));
        case ResultsFile::First:
        case ResultsFile::Second:
        case ResultsFile::FirstResults:
        case ResultsFile::SecondResults:
            return PerPaperTemplateBytes(partsPerPaper);
        case ResultsFile::Trend:
            return TrendTemplateBytes();
    }
    return {};
}

QStringList CreateModuleResultsFiles(const QString& programFolder, int module,
                                     const QString& code) {
    QStringList failed;
    for (ResultsFile file : kAllResultsFiles) {
        const QString path = ResultsFilePath(programFolder, file, module, code);
        if (CopyTemplate(file, module, path).failed()) failed += path;
    }
    return failed;
}

void CreateResultsFiles(const QString& programFolder, const Catalogue& catalogue) {
    for (int m = 1; m <= kModuleCount; ++m) {
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
        ResultsFileIssue issue{ResultsProblem::NotRegularFile, {}, 0, 0, 0, kind};
        return {issue};
    }
    return InspectBytes(FileBytes(path), file, templateBytes);
}

ResultsCheckReport EnsureResultsFiles(const QString& programFolder, const Catalogue& catalogue) {
    ResultsCheckReport report;
    QList<TemplateCopy> copies;
    for (int m = 1; m <= kModuleCount; ++m) {
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
    const QList<WriteError> copied = CopyTemplates(copies);
    for (qsizetype i = 0; i < copies.size(); ++i) {
        (copied[i].failed() ? report.failed : report.created) += copies[i].path;
        if (copied[i].failed() && !report.firstFailure.failed()) report.firstFailure = copied[i];
    }
    return report;
}

bool RestoreResultsFile(const QString& programFolder, ResultsFile file, int module,
                        const QString& code, WriteError* error) {
    const QString path = ResultsFilePath(programFolder, file, module, code);
    const FileKind kind = FileKindAt(path);
    if (kind != FileKind::Missing && kind != FileKind::Regular && kind != FileKind::Directory &&
        !QFile::remove(path))
        qCWarning(lcResults) << "cannot remove the special file" << path;
    const WriteError copied = CopyTemplate(file, module, path);
    if (error) *error = copied;
    return !copied.failed();
}

QString KeepDamagedCopy(const QString& path, const QDateTime& now, WriteError* error) {
    const std::optional<QByteArray> bytes = ReadRegularFile(path);
    if (!bytes) {
        qCWarning(lcResults) << "no copy of" << path << "could be kept: it cannot be read";
        if (error) *error = {path, WriteProblem::Other};
        return {};
    }
    // Damage kept at one start is found again at the next: one copy of each content is enough.
    const QString existing = DamagedCopyHolding(path, *bytes);
    if (!existing.isEmpty()) return existing;
    const QString stem = path + QStringLiteral(".damaged-") + now.toString("yyyy-MM-dd-HHmmss");
    QString copy = stem;
    for (int n = 2; FileKindAt(copy) != FileKind::Missing; ++n)
        copy = stem + QLatin1Char('-') + QString::number(n);
    if (!WriteFileAtomically(copy, *bytes, FileSync::ToDisk, error)) {
        qCWarning(lcResults) << "no copy of" << path << "could be written to" << copy;
        return {};
    }
    return copy;
}
