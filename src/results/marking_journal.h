#pragma once
// Files written together as one change (a marking: answers, results, marks and trend; an
// erase: every results file) are all written or none. Before the first write, a journal in the
// program folder records the new bytes of every file and a digest of each file's old bytes; it
// is written atomically and removed after the last write. A run ended in between leaves the
// journal, and the next start finishes the change from it (RecoverInterruptedMarking). While a
// journal stands unfinished no other change is begun and no file is saved: either would make
// the journal out of date, and the next start would then have to discard it.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "records/file_io.h"

struct FileWrite {
    QString path;  // a results file directly in the program folder
    QByteArray bytes;
};

struct AllOrNothingResult {
    int failedIndex = -1;       // -1: all written; otherwise the write that failed (0-based),
                                // or the number of writes when the journal could not be written
    bool filesAsBefore = true;  // after a failure: every file holds its old bytes again; when
                                // false, the journal stays and the next start finishes the change
    bool earlierChangePending = false;  // refused: an earlier change's journal is unfinished
    WriteError error;                   // after a failure: which file and why
    bool ok() const { return failedIndex < 0; }
};

// The journal's path in a program folder.
QString MarkingJournalPath(const QString& programFolder);

// Writes every file of `writes` (each atomically, synced) or none. On a failure the files
// already written get their old bytes back. Refuses (nothing written) a target that is not a
// results file of the folder or that stands there as anything but a regular file, and any change
// while an earlier one's journal is unfinished (one whose files all hold their new bytes is only
// removed).
AllOrNothingResult WriteAllOrNothing(const QString& programFolder, const QList<FileWrite>& writes);

// True while something stands at the journal's path: an earlier change is unfinished, and
// saving any results file would make its journal out of date.
bool UnfinishedChangePending(const QString& programFolder);

// For the learner: which file could not be written and why, or that an earlier change is not
// finished yet.
QString DescribeChangeFailure(const AllOrNothingResult& result);

enum class RecoveryOutcome {
    NothingToDo,  // no journal: the last run ended between changes
    Finished,     // an interrupted change was completed
    Discarded,    // the journal was unreadable or out of date (its files changed since); removed
    Failed,       // a file could not be written; the journal stays for the next start
};

struct RecoveryReport {
    RecoveryOutcome outcome = RecoveryOutcome::NothingToDo;
    QStringList written;  // files the recovery wrote
    WriteError error;     // Failed: the file that could not be written or read, and why
};

// Start-up: finishes or discards a change the last run did not complete. Call it once the
// single-instance lock is held and before anything reads the results files.
RecoveryReport RecoverInterruptedMarking(const QString& programFolder);

// For the learner, after a Failed recovery: what could not be finished, which file and why, and
// that nothing can be saved until it is.
QString DescribeFailedRecovery(const RecoveryReport& report);
