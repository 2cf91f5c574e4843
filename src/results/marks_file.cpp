#include "results/marks_file.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

#include "records/file_io.h"
#include "records/record_file.h"

namespace {

const QString kMarked = QStringLiteral("1");
const QString kNotMarked = QStringLiteral("0");

QList<AttemptStatus> StatesOf(const QStringList& fields) {
    QList<AttemptStatus> states;
    states.reserve(fields.size());
    for (const QString& field : fields)
        states.append(field == kMarked ? AttemptStatus::Marked : AttemptStatus::NotMarked);
    return states;
}

// A state is "0" or "1", never empty: a missing value is the valid "not marked".
QStringList StateFields(const QList<AttemptStatus>& states, int n) {
    QStringList fields;
    for (qsizetype i = 0; i < std::max<qsizetype>(states.size(), n); ++i)
        fields.append(states.value(i) == AttemptStatus::Marked ? kMarked : kNotMarked);
    return fields;
}

template <typename T>
T& FieldOf(QList<T>& record, int paperIndex, int n) {
    if (record.size() < n) record.resize(n);
    return record[paperIndex - 1];
}

bool IsTimeTaken(const QString& text) {
    static const QRegularExpression time(QStringLiteral("^\\d+:\\d+:\\d+$"));
    return time.match(text).hasMatch();
}

bool MarksValuesFit(const QString& key, const QStringList& fields) {
    auto all = [&fields](auto fits) { return std::all_of(fields.begin(), fields.end(), fits); };
    if (key == "FSE" || key == "SSE")
        return all([](const QString& f) { return f.isEmpty() || IsStoredScore(f); });
    if (key == "FST" || key == "SST")
        return all([](const QString& f) { return f == kNotMarked || f == kMarked; });
    if (key == "LTM") return all([](const QString& f) { return f.isEmpty() || IsTimeTaken(f); });
    return true;
}

}  // namespace

MarksRecords ParseMarksFile(const QByteArray& bytes, int n) {
    const int count = std::clamp(n, 0, kPaperCapacity);
    auto fields = [&](const char* key) {
        return SplitRecordFields(FindRecordLineByKey(bytes, QLatin1String(key)), n, count);
    };
    return {fields("FSE"), fields("SSE"),           fields("LTM"),
            fields("CDD"), StatesOf(fields("FST")), StatesOf(fields("SST"))};
}

MarksRecords ReadMarksFile(const QString& path, int n) {
    return ParseMarksFile(ReadRecordFileBytes(path), n);
}

QByteArray MarksFileBytes(const MarksRecords& marks, int n) {
    const QStringList fst = StateFields(marks.fst, n);
    const QStringList sst = StateFields(marks.sst, n);
    const std::pair<const char*, const QStringList*> records[] = {
        {"FSE", &marks.fse}, {"SSE", &marks.sse}, {"LTM", &marks.ltm},
        {"CDD", &marks.cdd}, {"FST", &fst},       {"SST", &sst}};
    QByteArray bytes;
    for (const auto& [key, values] : records)
        bytes += RecordLineOf(QLatin1String(key), *values, n).toLatin1() + "\r\n";
    return bytes;
}

bool WriteMarksFile(const MarksRecords& marks, int n, const QString& path) {
    if (n < 0 || n > kPaperCapacity) return false;
    return WriteFileAtomically(path, MarksFileBytes(marks, n));
}

QByteArray MarksTemplateBytes(int n) {
    return FencedRecords(MarksFileBytes(MarksRecords(), n));
}

void MarkFirstAttempt(MarksRecords& marks, int paperIndex, int n, const QString& percentage,
                      const QString& timeTaken, const QString& dateCompleted) {
    FieldOf(marks.fse, paperIndex, n) = percentage;
    FieldOf(marks.ltm, paperIndex, n) = timeTaken;
    FieldOf(marks.cdd, paperIndex, n) = dateCompleted;
    FieldOf(marks.fst, paperIndex, n) = AttemptStatus::Marked;
}

void MarkSecondAttempt(MarksRecords& marks, int paperIndex, int n, const QString& percentage) {
    FieldOf(marks.sse, paperIndex, n) = percentage;
    FieldOf(marks.sst, paperIndex, n) = AttemptStatus::Marked;
}

bool IsStoredScore(const QString& text) {
    static const QRegularExpression score(QStringLiteral("^\\d{1,3}(\\.\\d)?$"));
    return score.match(text).hasMatch() && text.toDouble() <= 100.0;
}

QList<ResultsFileIssue> InspectMarksFile(const QByteArray& bytes, const QByteArray& templateBytes) {
    return InspectRecords(bytes, templateBytes, {0, MarksValuesFit});
}
