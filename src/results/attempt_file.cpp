#include "results/attempt_file.h"

#include <QHash>

#include <algorithm>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"
#include "results/results_log.h"

namespace {

QString PaperKey(int paperIndex) {
    return QString::number(100 + paperIndex);
}

QStringList PaperFields(const QStringList& lines, int paperIndex, int parts) {
    return SplitRecordFields(lines.value(paperIndex - 1), parts);
}

bool VerdictsFit(const QString&, const QStringList& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString& f) { return VerdictOfLetter(f).has_value(); });
}

}  // namespace

QStringList ParsePerPaperRecords(const QByteArray& bytes, const QByteArray& templateBytes, int n,
                                 const QString& pathForLog) {
    QStringList lines = PaperRecordLinesIn(bytes, n);
    if (std::none_of(lines.begin(), lines.end(), [](const QString& l) { return l.isEmpty(); }))
        return lines;
    QHash<QString, QString> empty;
    for (const QString& line : RecordFileLines(templateBytes)) {
        if (const auto key = RecordKeyOfLine(line)) empty.insert(*key, line);
    }
    QStringList missing;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].isEmpty()) continue;
        missing += PaperKey(i + 1);
        lines[i] = empty.value(PaperKey(i + 1));
    }
    qCWarning(lcResults) << pathForLog << "lacks the records of papers"
                         << missing.join(QLatin1Char(' ')) << "; they are written back empty";
    return lines;
}

QStringList ReadPerPaperRecords(const QString& path, ResultsFile file, int module, int n) {
    return ParsePerPaperRecords(ReadRecordFileBytes(path),
                                ResourceBytes(ResultsTemplateId(module, static_cast<int>(file))), n,
                                path);
}

QStringList PaperAnswers(const QStringList& lines, int paperIndex, int parts) {
    return PaperFields(lines, paperIndex, parts);
}

QList<Verdict> PaperVerdicts(const QStringList& lines, int paperIndex, int parts) {
    QList<Verdict> verdicts;
    for (const QString& letter : PaperFields(lines, paperIndex, parts))
        verdicts.append(VerdictOfLetter(letter).value_or(Verdict::None));
    return verdicts;
}

bool SetPaperAnswers(QStringList& lines, int paperIndex, int n, const QStringList& answers) {
    return ReplaceRecord(lines, answers, paperIndex, PaperKey(paperIndex), n);
}

bool SetPaperVerdicts(QStringList& lines, int paperIndex, int n, const QList<Verdict>& verdicts) {
    QStringList letters;
    for (Verdict verdict : verdicts) letters.append(VerdictLetter(verdict));
    return ReplaceRecord(lines, letters, paperIndex, PaperKey(paperIndex), n);
}

QByteArray PerPaperFileBytes(const QStringList& lines, int n) {
    return PaperFileBytes(lines, n);
}

QByteArray PerPaperTemplateBytes(const QList<int>& partsPerPaper) {
    QByteArray records;
    for (qsizetype i = 0; i < partsPerPaper.size(); ++i)
        records += '#' + PaperKey(static_cast<int>(i + 1)).toLatin1() + '#' +
                   QByteArray(partsPerPaper.at(i), '>') + "\r\n";
    return FencedRecords(records);
}

QList<ResultsFileIssue> InspectAnswersFile(const QByteArray& bytes,
                                           const QByteArray& templateBytes) {
    return InspectRecords(bytes, templateBytes, {});
}

QList<ResultsFileIssue> InspectVerdictsFile(const QByteArray& bytes,
                                            const QByteArray& templateBytes) {
    return InspectRecords(bytes, templateBytes, {0, VerdictsFit});
}
