#pragma once
// The record file: single-byte (Latin-1) text, one record per line:
//   #KEY#>field1>field2...
// Lines without a record are ignored by every lookup. Lists in this API are 0-based:
// entry i-1 holds field i (or, for record line lists, the line of paper number 100 + i).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Limits of the data model. Asking for more never reads or writes out of bounds: entries past a
// capacity come back empty.
inline constexpr int kTopicNameCapacity = 10;  // topic names of one module
inline constexpr int kPaperCapacity = 50;      // marks records, paper record lists, trend entries
inline constexpr int kPartCapacity = 80;       // answer and result records of one paper

// The bytes every reader below takes from a file. A file an editor saved with a byte-order mark
// is read as the single-byte text it holds: UTF-8 or UTF-16 after the mark is decoded when it
// is well formed and every character has a single byte (an editor that adds the mark re-encodes
// the whole file); otherwise a UTF-8 mark is only dropped, and UTF-16 stays as it is (no record
// is found in it, so it reads as damaged). Any other file is taken as it is, without a copy.
QByteArray SingleByteText(const QByteArray& bytes);

// The lines of a record file's bytes as every reader sees them: ended by CR LF, a lone CR or a
// lone LF, the last one with or without terminator.
QStringList RecordFileLines(const QByteArray& bytes);

// The whole file, or nothing when it cannot be read (then every record reads as absent). The
// readers below that take bytes read a file held in memory exactly as their path forms read it
// from disk, so a table can be read once however many keys are asked of it.
QByteArray ReadRecordFileBytes(const QString& path);

// The key of a line of the form "#KEY#" or "#KEY#>...", or nothing for any other line.
std::optional<QString> RecordKeyOfLine(const QString& line);

// "#KEY#>f1>...>fn": n fields, those `fields` lacks empty; what a field may not hold is dropped.
QString RecordLineOf(const QString& key, const QStringList& fields, int n);

// The first line that starts with "#KEY#" (a record of that key wherever it stands), or empty
// text.
QString FindRecordLineByKey(const QByteArray& bytes, const QString& key);

// The whole line of the first record whose line contains "#KEY#", or empty text.
QString FindRecordLine(const QString& path, const QString& key);
QString FindRecordLineIn(const QByteArray& bytes, const QString& key);

// Everything after "#KEY#>" of a three-character key, or empty text.
QString ReadRecordText(const QString& path, const QString& key);
QString ReadRecordTextIn(const QByteArray& bytes, const QString& key);

// Fields 1..n of a record (three-character key); field n is the rest of the line. Always n
// entries (none for n < 1); fields the line lacks come back empty. Two capacities:
// kTopicNameCapacity for topic names, kPaperCapacity for marks records.
QStringList ReadRecordFields(const QString& path, const QString& key, int n,
                             int capacity = kPaperCapacity);
QStringList ReadRecordFieldsIn(const QByteArray& bytes, const QString& key, int n,
                               int capacity = kPaperCapacity);

// Fields 1..n of a line already read (three-character key); field n is the rest of the line.
// Two capacities: kPaperCapacity for the trend line, kPartCapacity for answer and result records.
QStringList SplitRecordFields(const QString& line, int n, int capacity = kPartCapacity);

// Every field of a record: as many as the line has '>' characters.
QStringList ReadAllRecordFields(const QString& path, const QString& key);
QStringList ReadAllRecordFieldsIn(const QByteArray& bytes, const QString& key);

// The lines of records 101 .. 100+n, each found by its key wherever it stands (the first line
// that starts with "#KEY#"), so a record out of order or after a missing one is never lost; a
// missing record gives empty text.
QStringList ReadPaperRecordLines(const QString& path, int n);
QStringList PaperRecordLinesIn(const QByteArray& bytes, int n);

// One pass over five- (or any-) character keys in file order: the '>' count of each key's line.
QList<int> CountFieldsOfKeys(const QString& path, const QStringList& keys);

// One pass over five-character keys in file order: all fields of every key, flattened.
QStringList ReadFieldsOfKeys(const QString& path, const QStringList& keys);

// Both at once, from one pass: the flattened fields and each key's '>' count.
struct FieldsOfKeys {
    QStringList fields;
    QList<int> counts;
};
FieldsOfKeys ReadFieldsOfKeysIn(const QByteArray& bytes, const QStringList& keys);

// Entry `index` (1-based paper index) of `lines` becomes "#KEY#>f1>...>fn". False, and nothing
// changed, for an index outside 1..count or a count outside 1..kPaperCapacity. Writers drop from
// a field what no field may hold (StorableFieldText) so a record can never break.
bool ReplaceRecord(QStringList& lines, const QStringList& fields, int index, const QString& key,
                   int count);

// The bytes of a per-paper file: entries 1..count, each with CR LF; an empty entry is written
// as its bare key "#1NN#" rather than a blank line.
QByteArray PaperFileBytes(const QStringList& lines, int count);

// ReplaceRecord, then the file is rewritten from entries 1..count. Atomic and synced: on failure
// the old file stays whole and false is returned (the in-memory list is updated either way).
bool ReplaceRecordAndSave(QStringList& lines, const QStringList& fields, int index,
                          const QString& key, int count, const QString& path);

// Records between a first line "..." and a last line "..." without a line end, as the content's
// tables and the results templates carry them; `records` ends each of its lines with CR LF.
QByteArray FencedRecords(const QByteArray& records);

// One record line followed by CR LF (the trend file).
QByteArray SingleRecordFileBytes(const QString& recordLine);
// Replaces the whole file by SingleRecordFileBytes. Atomic.
bool WriteSingleRecordFile(const QString& path, const QString& recordLine);
