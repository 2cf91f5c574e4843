// Generated and mutated record files fed to every reader, and writer output read back.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "file_bytes.h"
#include "records/record_file.h"
#include "records/storable_text.h"

namespace {

class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // Latin-1 text without the signs and line breaks; control characters included, which the
    // writers drop.
    QByteArray field() {
        QByteArray bytes;
        const int length = uniform(0, 3) == 0 ? 0 : uniform(1, 12);
        while (bytes.size() < length) {
            const char c = static_cast<char>(uniform(0, 255));
            if (c != '>' && c != '#' && c != '\r' && c != '\n') bytes += c;
        }
        return bytes;
    }

    QByteArray key() {
        static const char* fixed[] = {"FSE", "SSE", "LTM", "CDD", "FST",
                                      "SST", "TRD", "COD", "TN2"};
        switch (uniform(0, 2)) {
            case 0:
                return fixed[uniform(0, 8)];
            case 1:
                return QByteArray::number(uniform(101, 150));
            default:
                return QByteArray::number(uniform(20011, 22841));
        }
    }

    QByteArray line() {
        if (uniform(0, 5) == 0) return uniform(0, 1) ? "..." : "-----";
        QByteArray line = '#' + key() + '#';
        const int fields = uniform(0, 60);
        for (int i = 0; i < fields; ++i) line += '>' + field();
        return line;
    }

    QByteArray file() {
        QByteArray bytes;
        const int lines = uniform(0, 12);
        static const char* ends[] = {"\r\n", "\r", "\n", "\r\n"};
        for (int i = 0; i < lines; ++i)
            bytes += line() + (i + 1 < lines ? ends[uniform(0, 3)] : "");
        // Damage: flipped, dropped and inserted bytes, including signs and line breaks.
        const int mutations = uniform(0, 6);
        for (int i = 0; i < mutations && !bytes.isEmpty(); ++i) {
            const int at = uniform(0, static_cast<int>(bytes.size()) - 1);
            static const char specials[] = {'#', '>', '\r', '\n', '\0'};
            switch (uniform(0, 2)) {
                case 0:
                    bytes[at] = static_cast<char>(uniform(0, 255));
                    break;
                case 1:
                    bytes.remove(at, uniform(1, 8));
                    break;
                default:
                    bytes.insert(at, specials[uniform(0, 4)]);
            }
        }
        return bytes;
    }

  private:
    std::mt19937 rng_;
};

TEST(RecordFileRandomTest, ReadersStayBoundedOnDamagedFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("random.txt");
    Generator gen(20061230);
    for (int round = 0; round < 3000; ++round) {
        const QByteArray bytes = gen.file();
        WriteBytes(path, bytes);
        const QString key = QString::fromLatin1(gen.key());
        const int n = gen.uniform(-2, 90);
        const int expected = std::max(n, 0);

        const QString line = FindRecordLine(path, key);
        EXPECT_TRUE(line.isEmpty() || QString::fromLatin1(bytes).contains(line));
        EXPECT_LE(ReadRecordText(path, key).size(), line.size());
        EXPECT_EQ(ReadRecordFields(path, key, n).size(), expected);
        const QStringList split = SplitRecordFields(line, n, kPaperCapacity);
        ASSERT_EQ(split.size(), expected);
        for (int i = kPaperCapacity; i < split.size(); ++i) EXPECT_TRUE(split[i].isEmpty());
        EXPECT_EQ(ReadAllRecordFields(path, key).size(), line.count('>'));

        const QStringList papers = ReadPaperRecordLines(path, n);
        ASSERT_EQ(papers.size(), expected);
        for (int i = 0; i < papers.size(); ++i) {
            EXPECT_LE(papers[i].size(), bytes.size());
            EXPECT_TRUE(papers[i].isEmpty() || papers[i].startsWith(QString("#%1#").arg(101 + i)));
        }
        const QString byKey = FindRecordLineByKey(bytes, key);
        EXPECT_TRUE(byKey.isEmpty() || byKey.startsWith('#' + key + '#'));
        EXPECT_EQ(SplitRecordFields(byKey, n, kPaperCapacity).size(), expected);

        QStringList keys;
        for (int i = gen.uniform(0, 6); i > 0; --i) keys += QString::fromLatin1(gen.key());
        const QList<int> counts = CountFieldsOfKeys(path, keys);
        ASSERT_EQ(counts.size(), keys.size());
        int total = 0;
        for (int count : counts) total += count;
        EXPECT_EQ(ReadFieldsOfKeys(path, keys).size(), total);
        EXPECT_LE(total, bytes.count('>'));
    }
}

TEST(RecordFileRandomTest, WrittenRecordsReadBackExactly) {
    QTemporaryDir dir;
    const QString paperPath = dir.filePath("first2HM.txt");
    const QString trendPath = dir.filePath("trend2HM.txt");
    Generator gen(4711);
    const int count = kPaperCapacity;
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines += QString("#%1#").arg(100 + i);
    ASSERT_TRUE(ReplaceRecordAndSave(lines, {}, 1, "101", count, paperPath));
    for (int round = 0; round < 1000; ++round) {
        const int index = gen.uniform(1, count);
        QStringList fields;
        for (int i = gen.uniform(0, kPartCapacity); i > 0; --i)
            fields += QString::fromLatin1(gen.field());
        const QString key = QString::number(100 + index);
        lines = ReadPaperRecordLines(paperPath, count);
        ASSERT_TRUE(ReplaceRecordAndSave(lines, fields, index, key, count, paperPath));
        const QByteArray written = ReadBytes(paperPath);
        QByteArray expected;
        for (const QString& line : lines) expected += line.toLatin1() + "\r\n";
        ASSERT_EQ(written, expected);
        const QStringList reread = ReadPaperRecordLines(paperPath, count);
        ASSERT_EQ(reread, lines);
        const QStringList back =
            SplitRecordFields(reread[index - 1], static_cast<int>(fields.size()));
        QStringList stored;
        for (const QString& field : fields) stored += StorableFieldText(field);
        if (!fields.isEmpty()) {
            EXPECT_EQ(back, stored);
        }

        QString trend = "#TRD#";
        for (int i = gen.uniform(0, kPaperCapacity); i > 0; --i)
            trend += '>' + StorableFieldText(QString::fromLatin1(gen.field()));
        ASSERT_TRUE(WriteSingleRecordFile(trendPath, trend));
        EXPECT_EQ(ReadBytes(trendPath), trend.toLatin1() + "\r\n");
        EXPECT_EQ(FindRecordLine(trendPath, "TRD"), trend);
    }
}

}  // namespace
