#include "results/results_issues.h"

#include <QCoreApplication>

#include <algorithm>

#include "records/record_file.h"

namespace {

struct TemplateRecord {
    QString key;
    int fields = 0;
};

QList<TemplateRecord> TemplateRecords(const QByteArray& bytes) {
    QList<TemplateRecord> records;
    for (const QString& line : RecordFileLines(bytes)) {
        if (const auto key = RecordKeyOfLine(line))
            records.append({*key, static_cast<int>(line.count('>'))});
    }
    return records;
}

ResultsFileIssue Issue(ResultsProblem problem, const QString& key = {}, int line = 0, int found = 0,
                       int expected = 0) {
    ResultsFileIssue issue{problem, key, line, found, expected};
    return issue;
}

// The position of a key in the template, or -1.
qsizetype OrderOf(const QList<TemplateRecord>& expected, const std::optional<QString>& key) {
    for (qsizetype k = 0; key && k < expected.size(); ++k) {
        if (expected[k].key == *key) return k;
    }
    return -1;
}

// The field count and values of one record line.
void InspectFields(const QString& line, int lineNumber, const TemplateRecord& record,
                   const RecordRules& rules, QList<ResultsFileIssue>& issues) {
    const int fields = static_cast<int>(line.count('>'));
    const int allowed = rules.mostFields > 0 ? rules.mostFields : record.fields;
    if (rules.mostFields > 0 ? fields > allowed : fields != allowed) {
        issues.append(
            Issue(ResultsProblem::WrongFieldCount, record.key, lineNumber, fields, allowed));
    } else if (rules.valuesFit &&
               !rules.valuesFit(record.key, SplitRecordFields(line, fields, fields))) {
        issues.append(Issue(ResultsProblem::BadValue, record.key, lineNumber));
    }
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

}  // namespace

QList<ResultsFileIssue> InspectRecords(const QByteArray& bytes, const QByteArray& templateBytes,
                                       const RecordRules& rules) {
    if (bytes.isEmpty()) return {Issue(ResultsProblem::EmptyFile)};
    QList<ResultsFileIssue> issues;
    const QList<TemplateRecord> expected = TemplateRecords(templateBytes);
    QList<bool> seen(expected.size(), false);
    qsizetype lastOrder = -1;
    const QStringList lines = RecordFileLines(bytes);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int lineNumber = i + 1;
        if (line == "...") continue;
        const qsizetype order = OrderOf(expected, RecordKeyOfLine(line));
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
        InspectFields(line, lineNumber, record, rules, issues);
    }
    for (qsizetype k = 0; k < expected.size(); ++k) {
        if (!seen[k]) issues.append(Issue(ResultsProblem::MissingRecord, expected[k].key));
    }
    return issues;
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
