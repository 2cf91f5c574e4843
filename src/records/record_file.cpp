#include "records/record_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>

#include "records/file_io.h"
#include "records/storable_text.h"

namespace {

constexpr char kSeparator = '>';

// Walks the lines of a file held in memory. A line ends at CR LF, a lone CR, or a lone LF
// (fields never hold LF, so treating it as an end only keeps stray LFs out of the fields);
// the last line needs no terminator.
class LineCursor {
  public:
    explicit LineCursor(const QByteArray& bytes) : bytes_(SingleByteText(bytes)) {}

    bool next(QByteArrayView& line) {
        if (pos_ >= bytes_.size()) return false;
        takeLine(pos_, line);
        return true;
    }

    // Continues to the first line holding `pattern`; without one, the rest of the file is
    // consumed. Searching the bytes at once is much faster than testing line by line.
    bool seek(const QByteArray& pattern, QByteArrayView& line) {
        const qsizetype hit =
            pattern.contains('\r') || pattern.contains('\n') ? -1 : bytes_.indexOf(pattern, pos_);
        if (hit < 0) {
            pos_ = bytes_.size();
            return false;
        }
        const char* data = bytes_.constData();
        qsizetype start = hit;
        while (start > pos_ && data[start - 1] != '\r' && data[start - 1] != '\n') --start;
        takeLine(start, line);
        return true;
    }

  private:
    void takeLine(qsizetype start, QByteArrayView& line) {
        const qsizetype size = bytes_.size();
        const char* data = bytes_.constData();
        qsizetype end = start;
        while (end < size && data[end] != '\r' && data[end] != '\n') ++end;
        line = QByteArrayView(data + start, end - start);
        pos_ = end;
        if (pos_ < size && data[pos_] == '\r') ++pos_;
        if (pos_ < size && data[pos_] == '\n') ++pos_;
    }

    const QByteArray bytes_;
    qsizetype pos_ = 0;
};

// The text as single bytes when every character has one, else nothing.
std::optional<QByteArray> Latin1Of(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF) return std::nullopt;
    return text.toLatin1();
}

std::optional<QByteArray> Decoded(QByteArrayView bytes, QStringConverter::Encoding encoding) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return Latin1Of(text);
}

// The whole file, or nothing when it cannot be read; callers then see absent records. Never
// blocks on a FIFO or device put in the file's place.
QByteArray ReadWholeFile(const QString& path) {
    return ReadRegularFile(path).value_or(QByteArray());
}

// The lines that start with "#KEY#" (three-character keys), the first of each key, wherever they
// stand: a record out of order or after a gap is still found.
QHash<QByteArray, QByteArray> RecordLinesByKey(const QByteArray& bytes) {
    QHash<QByteArray, QByteArray> lines;
    LineCursor cursor(bytes);
    QByteArrayView line;
    while (cursor.next(line)) {
        if (line.size() < 5 || line[0] != '#' || line[4] != '#') continue;
        const QByteArray key = line.sliced(1, 3).toByteArray();
        if (!lines.contains(key)) lines.insert(key, line.toByteArray());
    }
    return lines;
}

QByteArray KeyPattern(const QString& key) {
    return '#' + key.toLatin1() + '#';
}

// Continues from the cursor to the first line holding the pattern; empty when none does, and
// then the cursor has consumed the rest of the file.
QByteArray NextRecordLine(LineCursor& cursor, const QByteArray& pattern) {
    QByteArrayView line;
    return cursor.seek(pattern, line) ? line.toByteArray() : QByteArray();
}

QByteArray FindLineBytes(const QByteArray& bytes, const QString& key) {
    LineCursor cursor(bytes);
    return NextRecordLine(cursor, KeyPattern(key));
}

qsizetype SeparatorCount(QByteArrayView line) {
    return line.count(kSeparator);
}

// Separator 1 sits by position right after "#KEY#"; each later one is the next '>' after it.
// Field i < n lies between separators i and i+1, field n is the rest of the line. Fields past
// the line's separators, or at or past `filled`, stay empty.
QStringList SplitByPosition(QByteArrayView line, int keyLength, int n, int filled) {
    if (n <= 0) return {};
    QStringList fields(n);
    const int limit = std::min(n, filled);
    qsizetype separator = keyLength + 2;  // 0-based index of separator 1
    for (int i = 0; i < limit && separator < line.size(); ++i) {
        const qsizetype start = separator + 1;
        qsizetype next = -1;
        if (i + 1 < n) next = line.indexOf(kSeparator, start);
        const qsizetype end = next < 0 ? line.size() : next;
        fields[i] = QString::fromLatin1(line.sliced(start, end - start));
        if (next < 0) break;
        separator = next;
    }
    return fields;
}

// A stored value can never break its record: what a field may not hold is dropped.
QByteArray FieldBytes(const QString& field) {
    return StorableFieldText(field).toLatin1();
}

QByteArray LineBytes(const QString& line) {
    QByteArray bytes = line.toLatin1();
    bytes.removeIf([](char c) { return c == '\r' || c == '\n'; });
    return bytes;
}

}  // namespace

QByteArray SingleByteText(const QByteArray& bytes) {
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    static const QByteArray utf16LeMark("\xFF\xFE");
    static const QByteArray utf16BeMark("\xFE\xFF");
    if (bytes.startsWith(utf8Mark)) {
        const QByteArrayView text = QByteArrayView(bytes).sliced(utf8Mark.size());
        return Decoded(text, QStringConverter::Utf8).value_or(text.toByteArray());
    }
    if (bytes.startsWith(utf16LeMark) || bytes.startsWith(utf16BeMark)) {
        const QByteArrayView text = QByteArrayView(bytes).sliced(2);
        return Decoded(text, bytes.startsWith(utf16LeMark) ? QStringConverter::Utf16LE
                                                           : QStringConverter::Utf16BE)
            .value_or(bytes);
    }
    return bytes;
}

std::optional<QString> RecordKeyOfLine(const QString& line) {
    if (!line.startsWith('#')) return std::nullopt;
    const qsizetype close = line.indexOf('#', 1);
    if (close <= 1) return std::nullopt;
    if (close + 1 < line.size() && line[close + 1] != '>') return std::nullopt;
    const QString key = line.mid(1, close - 1);
    if (key.contains('>')) return std::nullopt;
    return key;
}

QString RecordLineOf(const QString& key, const QStringList& fields, int n) {
    QByteArray line = KeyPattern(key);
    line += kSeparator;
    for (int i = 0; i < n; ++i) {
        if (i > 0) line += kSeparator;
        if (i < fields.size()) line += FieldBytes(fields[i]);
    }
    return QString::fromLatin1(line);
}

QString FindRecordLineByKey(const QByteArray& bytes, const QString& key) {
    const QByteArray pattern = KeyPattern(key);
    LineCursor cursor(bytes);
    QByteArrayView line;
    while (cursor.next(line))
        if (line.startsWith(pattern)) return QString::fromLatin1(line);
    return QString();
}

QStringList RecordFileLines(const QByteArray& bytes) {
    QStringList lines;
    LineCursor cursor(bytes);
    QByteArrayView line;
    while (cursor.next(line)) lines += QString::fromLatin1(line);
    return lines;
}

QByteArray ReadRecordFileBytes(const QString& path) {
    return ReadWholeFile(path);
}

QString FindRecordLineIn(const QByteArray& bytes, const QString& key) {
    return QString::fromLatin1(FindLineBytes(bytes, key));
}

QString FindRecordLine(const QString& path, const QString& key) {
    return FindRecordLineIn(ReadWholeFile(path), key);
}

QString ReadRecordTextIn(const QByteArray& bytes, const QString& key) {
    const QByteArray line = FindLineBytes(bytes, key);
    if (line.size() <= 6) return {};
    return QString::fromLatin1(line.sliced(6));
}

QString ReadRecordText(const QString& path, const QString& key) {
    return ReadRecordTextIn(ReadWholeFile(path), key);
}

QStringList ReadRecordFieldsIn(const QByteArray& bytes, const QString& key, int n, int capacity) {
    return SplitByPosition(FindLineBytes(bytes, key), 3, n, capacity);
}

QStringList ReadRecordFields(const QString& path, const QString& key, int n, int capacity) {
    return ReadRecordFieldsIn(ReadWholeFile(path), key, n, capacity);
}

QStringList SplitRecordFields(const QString& line, int n, int capacity) {
    return SplitByPosition(line.toLatin1(), 3, n, capacity);
}

QStringList ReadAllRecordFieldsIn(const QByteArray& bytes, const QString& key) {
    const QByteArray line = FindLineBytes(bytes, key);
    const int count = static_cast<int>(SeparatorCount(line));
    return SplitByPosition(line, 3, count, count);
}

QStringList ReadAllRecordFields(const QString& path, const QString& key) {
    return ReadAllRecordFieldsIn(ReadWholeFile(path), key);
}

QStringList ReadPaperRecordLines(const QString& path, int n) {
    return PaperRecordLinesIn(ReadWholeFile(path), n);
}

QStringList PaperRecordLinesIn(const QByteArray& bytes, int n) {
    if (n <= 0) return {};
    QStringList lines(n);
    const QHash<QByteArray, QByteArray> byKey = RecordLinesByKey(bytes);
    const int limit = std::min(n, kPaperCapacity);
    for (int i = 0; i < limit; ++i)
        lines[i] = QString::fromLatin1(byKey.value(QByteArray::number(101 + i)));
    return lines;
}

FieldsOfKeys ReadFieldsOfKeysIn(const QByteArray& bytes, const QStringList& keys) {
    FieldsOfKeys read;
    read.counts.reserve(keys.size());
    LineCursor cursor(bytes);
    for (const QString& key : keys) {
        const QByteArray line = NextRecordLine(cursor, KeyPattern(key));
        const int count = static_cast<int>(SeparatorCount(line));
        read.counts.append(count);
        read.fields += SplitByPosition(line, 5, count, count);
    }
    return read;
}

QList<int> CountFieldsOfKeys(const QString& path, const QStringList& keys) {
    return ReadFieldsOfKeysIn(ReadWholeFile(path), keys).counts;
}

QStringList ReadFieldsOfKeys(const QString& path, const QStringList& keys) {
    return ReadFieldsOfKeysIn(ReadWholeFile(path), keys).fields;
}

bool ReplaceRecord(QStringList& lines, const QStringList& fields, int index, const QString& key,
                   int count) {
    if (count < 1 || count > kPaperCapacity || index < 1 || index > count) return false;
    if (lines.size() < count) lines.resize(count);
    lines[index - 1] = RecordLineOf(key, fields, static_cast<int>(fields.size()));
    return true;
}

QByteArray PaperFileBytes(const QStringList& lines, int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        QByteArray line = i < lines.size() ? LineBytes(lines[i]) : QByteArray();
        // Never a blank line where a record belongs: the key at least stays.
        if (line.isEmpty()) line = KeyPattern(QString::number(101 + i));
        bytes += line + "\r\n";
    }
    return bytes;
}

bool ReplaceRecordAndSave(QStringList& lines, const QStringList& fields, int index,
                          const QString& key, int count, const QString& path) {
    if (!ReplaceRecord(lines, fields, index, key, count)) return false;
    return WriteFileAtomically(path, PaperFileBytes(lines, count));
}

QByteArray FencedRecords(const QByteArray& records) {
    return QByteArrayLiteral("...\r\n") + records + QByteArrayLiteral("...");
}

QByteArray SingleRecordFileBytes(const QString& recordLine) {
    return LineBytes(recordLine) + "\r\n";
}

bool WriteSingleRecordFile(const QString& path, const QString& recordLine) {
    return WriteFileAtomically(path, SingleRecordFileBytes(recordLine));
}
