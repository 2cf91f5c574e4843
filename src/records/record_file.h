#pragma once
// The record file: single-byte (Latin-1) text, one record per line:
//   #KEY#>field1>field2...
// Lines without a record are ignored by every lookup. Lists in this API are 0-based:
// entry i-1 holds field i (or, for record line lists, the line of paper number 100 + i).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Limits of the data model. Asking for more never reads or writes out of bounds: entries past a
// capacity come back empty.
inline constexpr int kTopicNameCapacity = 10;  // topic names of one module
inline constexpr int kPaperCapacity = 50;      // marks records, paper record lists, trend entries
inline constexpr int kPartCapacity = 80;       // answer and result records of one paper

// The lines of a record file's bytes as every reader sees them: ended by CR LF, a lone CR or a
// lone LF, the last one with or without terminator.
QStringList RecordFileLines(const QByteArray& bytes);

// The whole line of the first record whose line contains "#KEY#", or empty text.
QString FindRecordLine(const QString& path, const QString& key);

// Everything after "#KEY#>" of a three-character key, or empty text.
QString ReadRecordText(const QString& path, const QString& key);

// Fields 1..n of a record (three-character key); field n is the rest of the line. Always n
// entries (none for n < 1); fields the line lacks come back empty. Two capacities: kTopicNameCapacity for topic names, kPaperCapacity for marks records.
QStringList ReadRecordFields(const QString& path, const QString& key, int n,
                             int capacity = kPaperCapacity);

// Fields 1..n of a line already read (three-character key); field n is the rest of the line.
// Two capacities: kPaperCapacity for the trend line, kPartCapacity for answer and result records.
QStringList SplitRecordFields(const QString& line, int n, int capacity = kPartCapacity);

// Every field of a record: as many as the line has '>' characters.
QStringList ReadAllRecordFields(const QString& path, const QString& key);

// One pass: the lines of records 101 .. 100+n, in file order; a key not found consumes the rest
// of the file, so it and every later key give empty text.
QStringList ReadPaperRecordLines(const QString& path, int n);

// One pass over five- (or any-) character keys in file order: the '>' count of each key's line.
QList<int> CountFieldsOfKeys(const QString& path, const QStringList& keys);

// One pass over five-character keys in file order: all fields of every key, flattened.
QStringList ReadFieldsOfKeys(const QString& path, const QStringList& keys);

// Entry `index` (1-based paper index) of `lines` becomes "#KEY#>f1>...>fn" and the file is
// rewritten from entries 1..count, each with CR LF. Atomic: on failure the old file stays whole
// and false is returned (the in-memory list is updated either way). An index outside 1..count or
// a count above kPaperCapacity writes nothing and returns false. Writers drop from a field the
// characters no field can hold ('>', '#', CR, LF) so a record can never break; a character
// outside Latin-1 is written as '?'.
bool ReplaceRecordAndSave(QStringList& lines, const QStringList& fields, int index,
                          const QString& key, int count, const QString& path);

// The six records of a marks file, each a list of n field values.
struct MarksRecords {
    QStringList fse, sse, ltm, cdd, fst, sst;
};

// Rewrites the marks file with #FSE#, #SSE#, #LTM#, #CDD#, #FST#, #SST#, n fields each (missing
// values are empty). Atomic; n outside 0..kPaperCapacity writes nothing and returns false.
bool WriteMarksFile(const MarksRecords& marks, int n, const QString& path);

// Replaces the whole file by one record line followed by CR LF (the trend file). Atomic.
bool WriteSingleRecordFile(const QString& path, const QString& recordLine);
