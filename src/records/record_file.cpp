#include "records/record_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr char kSeparator = '>';

// Walks the lines of a file held in memory. A line ends at CR LF, a lone CR, or a lone LF
// (fields never hold LF, so treating it as an end only keeps stray LFs out of the fields);
// the last line needs no terminator.
class LineCursor {
  public:
    explicit LineCursor(const QByteArray& bytes) : bytes_(bytes) {}

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

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

// The whole file, or nothing when it cannot be read; callers then see absent records.
QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
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

QByteArray FindLineBytes(const QString& path, const QString& key) {
    const QByteArray bytes = ReadWholeFile(path);
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

// The bytes a field may hold: never a separator, a key sign or a line break, so a stored value
// can never break its record.
QByteArray FieldBytes(const QString& field) {
    QByteArray bytes = field.toLatin1();
    bytes.removeIf([](char c) { return c == '>' || c == '#' || c == '\r' || c == '\n'; });
    return bytes;
}

QByteArray LineBytes(const QString& line) {
    QByteArray bytes = line.toLatin1();
    bytes.removeIf([](char c) { return c == '\r' || c == '\n'; });
    return bytes;
}

QString RecordLine(const QString& key, const QStringList& fields, int n) {
    QByteArray line = KeyPattern(key);
    line += kSeparator;
    for (int i = 0; i < n; ++i) {
        if (i > 0) line += kSeparator;
        if (i < fields.size()) line += FieldBytes(fields[i]);
    }
    return QString::fromLatin1(line);
}

bool SaveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // commit() alone misses a short write left in the buffer (a full disk), so flush first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

QStringList RecordFileLines(const QByteArray& bytes) {
    QStringList lines;
    LineCursor cursor(bytes);
    QByteArrayView line;
    while (cursor.next(line)) lines += QString::fromLatin1(line);
    return lines;
}

QString FindRecordLine(const QString& path, const QString& key) {
    return QString::fromLatin1(FindLineBytes(path, key));
}

QString ReadRecordText(const QString& path, const QString& key) {
    const QByteArray line = FindLineBytes(path, key);
    if (line.size() <= 6) return {};
    return QString::fromLatin1(line.sliced(6));
}

QStringList ReadRecordFields(const QString& path, const QString& key, int n, int capacity) {
    const QByteArray line = FindLineBytes(path, key);
    return SplitByPosition(line, 3, n, capacity);
}

QStringList SplitRecordFields(const QString& line, int n, int capacity) {
    return SplitByPosition(line.toLatin1(), 3, n, capacity);
}

QStringList ReadAllRecordFields(const QString& path, const QString& key) {
    const QByteArray line = FindLineBytes(path, key);
    const int count = static_cast<int>(SeparatorCount(line));
    return SplitByPosition(line, 3, count, count);
}

QStringList ReadPaperRecordLines(const QString& path, int n) {
    if (n <= 0) return {};
    QStringList lines(n);
    const QByteArray bytes = ReadWholeFile(path);
    LineCursor cursor(bytes);
    const int limit = std::min(n, kPaperCapacity);
    for (int i = 0; i < limit; ++i) {
        lines[i] =
            QString::fromLatin1(NextRecordLine(cursor, KeyPattern(QString::number(101 + i))));
    }
    return lines;
}

QList<int> CountFieldsOfKeys(const QString& path, const QStringList& keys) {
    QList<int> counts;
    counts.reserve(keys.size());
    const QByteArray bytes = ReadWholeFile(path);
    LineCursor cursor(bytes);
    for (const QString& key : keys) {
        counts.append(static_cast<int>(SeparatorCount(NextRecordLine(cursor, KeyPattern(key)))));
    }
    return counts;
}

QStringList ReadFieldsOfKeys(const QString& path, const QStringList& keys) {
    QStringList fields;
    const QByteArray bytes = ReadWholeFile(path);
    LineCursor cursor(bytes);
    for (const QString& key : keys) {
        const QByteArray line = NextRecordLine(cursor, KeyPattern(key));
        const int count = static_cast<int>(SeparatorCount(line));
        fields += SplitByPosition(line, 5, count, count);
    }
    return fields;
}

bool ReplaceRecordAndSave(QStringList& lines, const QStringList& fields, int index,
                          const QString& key, int count, const QString& path) {
    if (count < 1 || count > kPaperCapacity || index < 1 || index > count) return false;
    if (lines.size() < count) lines.resize(count);
    lines[index - 1] = RecordLine(key, fields, static_cast<int>(fields.size()));
    QByteArray bytes;
    for (int i = 0; i < count; ++i) bytes += LineBytes(lines[i]) + "\r\n";
    return SaveWhole(path, bytes);
}

bool WriteMarksFile(const MarksRecords& marks, int n, const QString& path) {
    if (n < 0 || n > kPaperCapacity) return false;
    const std::pair<const char*, const QStringList*> records[] = {
        {"FSE", &marks.fse}, {"SSE", &marks.sse}, {"LTM", &marks.ltm},
        {"CDD", &marks.cdd}, {"FST", &marks.fst}, {"SST", &marks.sst}};
    QByteArray bytes;
    for (const auto& [key, values] : records) {
        bytes += RecordLine(QString::fromLatin1(key), *values, n).toLatin1() + "\r\n";
    }
    return SaveWhole(path, bytes);
}

bool WriteSingleRecordFile(const QString& path, const QString& recordLine) {
    return SaveWhole(path, LineBytes(recordLine) + "\r\n");
}
