#pragma once
// The marks file (marks<m><code>.txt): six records, one field per paper of the module, in the
// order FSE, SSE, LTM, CDD, FST, SST. Reading, writing, checking and marking a paper in it all
// live here.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "results/results_issues.h"

// The state of one attempt at a paper: the file writes "0" and "1".
enum class AttemptStatus { NotMarked, Marked };

struct MarksRecords {
    QStringList fse, sse;           // first and second score, percentage text; empty: none
    QStringList ltm, cdd;           // first attempt: time taken and date completed
    QList<AttemptStatus> fst, sst;  // first and second attempt's state
};

// The six records, n fields each (capacity kPaperCapacity), each found by its key wherever it
// stands; a missing record or field comes back empty, and a state that is not "1" is not marked.
MarksRecords ParseMarksFile(const QByteArray& bytes, int n);
MarksRecords ReadMarksFile(const QString& path, int n);

// #FSE#, #SSE#, #LTM#, #CDD#, #FST#, #SST#, n fields each, CR LF; missing values are empty, a
// missing state "0".
QByteArray MarksFileBytes(const MarksRecords& marks, int n);
// Rewrites the file with MarksFileBytes. Atomic; n outside 0..kPaperCapacity writes nothing and
// returns false.
bool WriteMarksFile(const MarksRecords& marks, int n, const QString& path);

// The template: n empty scores, times and dates, n states "0", between "..." lines.
QByteArray MarksTemplateBytes(int n);

// The first attempt at paper index i (1-based, of n papers) marked: its score, time taken,
// date and state.
void MarkFirstAttempt(MarksRecords& marks, int paperIndex, int n, const QString& percentage,
                      const QString& timeTaken, const QString& dateCompleted);
// The second attempt marked: its score and state only.
void MarkSecondAttempt(MarksRecords& marks, int paperIndex, int n, const QString& percentage);

// A score as the program writes it: 0 to 100, at most one decimal ("88.8", "100").
bool IsStoredScore(const QString& text);

// The file's bytes against its template: records, order, field counts, and scores, times and
// states the program would write.
QList<ResultsFileIssue> InspectMarksFile(const QByteArray& bytes, const QByteArray& templateBytes);
