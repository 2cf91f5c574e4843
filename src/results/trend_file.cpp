#include "results/trend_file.h"

#include <algorithm>

#include "results/marks_file.h"

namespace {

const QString kTrendKey = QStringLiteral("TRD");
const QString kPrefix = QStringLiteral("#TRD#");

bool ScoresFit(const QString&, const QStringList& fields) {
    return std::all_of(fields.begin(), fields.end(), IsStoredScore);
}

}  // namespace

TrendRecord ParseTrendFile(const QByteArray& bytes) {
    const QString line = FindRecordLineIn(bytes, kTrendKey);
    const QString fields = line.mid(line.indexOf(kPrefix) + kPrefix.size());
    TrendRecord trend;
    // Every field as it stands, empty ones too, so a rewrite changes only what marking adds.
    if (fields.startsWith(QLatin1Char('>'))) trend.scores = fields.mid(1).split(QLatin1Char('>'));
    return trend;
}

TrendRecord ReadTrendFile(const QString& path) {
    return ParseTrendFile(ReadRecordFileBytes(path));
}

QByteArray TrendFileBytes(const TrendRecord& trend) {
    QString line = kPrefix;
    for (const QString& score : trend.scores) line += QLatin1Char('>') + score;
    return SingleRecordFileBytes(line);
}

void AppendTrendScore(TrendRecord& trend, const QString& score) {
    trend.scores.append(score);
    if (trend.scores.size() > kTrendCapacity)
        trend.scores.remove(0, trend.scores.size() - kTrendCapacity);
}

QByteArray TrendTemplateBytes() {
    return kPrefix.toLatin1();
}

QList<ResultsFileIssue> InspectTrendFile(const QByteArray& bytes, const QByteArray& templateBytes) {
    return InspectRecords(bytes, templateBytes, {kTrendCapacity, ScoresFit});
}
