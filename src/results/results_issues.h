#pragma once
// What can be wrong with a results file that exists, how a file's records are compared with its
// template, and the line the learner reads about it. Each file's codec adds its own value rule.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "records/file_io.h"

enum class ResultsProblem {
    NotRegularFile,   // a folder, FIFO, socket or device stands where the file should be
    EmptyFile,        // no bytes at all
    MissingRecord,    // a record of the template is absent
    WrongFieldCount,  // a record no longer fits the content's part counts
    OutOfOrder,       // a record after a later one: one-pass readers would lose it and the rest
    StrayText,        // a line that is neither a record of the template nor a "..." line
    BadValue,         // a status, score or verdict that is not one the program writes
};

struct ResultsFileIssue {
    ResultsProblem problem;
    QString key;       // the record concerned; empty for the whole file or a stray line
    int line = 0;      // 1-based line of the file; 0 when the issue has no line
    int found = 0;     // WrongFieldCount: fields in the file
    int expected = 0;  // WrongFieldCount: fields the template gives (the trend: at most)
    FileKind kind = FileKind::Regular;  // NotRegularFile: what stands there
};

// What a file's records must be beyond the template's keys and order.
struct RecordRules {
    // 0: every record has its template's field count; otherwise at most this many fields.
    int mostFields = 0;
    // Whether the fields of a record hold values the program itself writes there.
    bool (*valuesFit)(const QString& key, const QStringList& fields) = nullptr;
};

// The records of a file's bytes against its template: missing, repeated or stray lines, order,
// field counts and values. No bytes at all is the one issue EmptyFile.
QList<ResultsFileIssue> InspectRecords(const QByteArray& bytes, const QByteArray& templateBytes,
                                       const RecordRules& rules);

// One line for the learner, e.g. "marks2HM.txt: record FSE has 48 entries instead of 50".
QString DescribeResultsIssue(const QString& fileName, const ResultsFileIssue& issue);
