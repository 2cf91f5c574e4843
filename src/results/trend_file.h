#pragma once
// The trend file (trend<m><code>.txt): the one record TRD, the first-attempt scores in the order
// they were marked, oldest first ("#TRD#>66.7>45>100").

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "records/record_file.h"
#include "results/results_issues.h"

// The most entries the record holds: one per paper of a module. A marking that would add one
// more drops the oldest, so the record stays one the start accepts even when its papers were
// marked again after only the marks file was reset.
inline constexpr int kTrendCapacity = kPaperCapacity;

struct TrendRecord {
    QStringList scores;  // as stored, oldest first
};

// The fields of the first line that holds "#TRD#"; none when there is no such line.
TrendRecord ParseTrendFile(const QByteArray& bytes);
TrendRecord ReadTrendFile(const QString& path);

// The record line followed by CR LF.
QByteArray TrendFileBytes(const TrendRecord& trend);

// A first attempt marked: its score becomes the newest entry, and only the newest
// kTrendCapacity entries are kept.
void AppendTrendScore(TrendRecord& trend, const QString& score);

// The template: the record with no entry, no line end.
QByteArray TrendTemplateBytes();

// The bytes against the template: at most kTrendCapacity entries, each a score.
QList<ResultsFileIssue> InspectTrendFile(const QByteArray& bytes, const QByteArray& templateBytes);
