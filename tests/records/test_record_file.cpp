#include "records/record_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <csignal>

#include "file_bytes.h"
#include "records/storable_text.h"

namespace {

class RecordFileTest : public ::testing::Test {
  protected:
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        WriteBytes(path, bytes);
        return path;
    }
    QTemporaryDir dir_;
};

QByteArray Utf16(const char16_t* text) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return encoder.encode(QString::fromUtf16(text));
}

QByteArray MarksTemplate() {
    QByteArray bytes = "...\r\n";
    for (const char* key : {"FSE", "SSE", "LTM", "CDD"})
        bytes += QByteArray("#") + key + "#" + QByteArray(50, '>') + "\r\n";
    for (const char* key : {"FST", "SST"})
        bytes += QByteArray("#") + key + "#" + QByteArray(">0").repeated(50) + "\r\n";
    return bytes + "...";
}

TEST_F(RecordFileTest, LinesEndAtCrLfLoneCrOrEndOfFileAndOnlyRecordsAreFound) {
    const QString framed = file("framed.txt", "...\r\n#COD#>HM\r\n-----\r\n#101#>a>b\r\n...");
    const QString bare = file("bare.txt", "#COD#>HM\r#101#>a>b");
    for (const QString& path : {framed, bare}) {
        EXPECT_EQ(FindRecordLine(path, "COD"), "#COD#>HM");
        EXPECT_EQ(FindRecordLine(path, "101"), "#101#>a>b");
        EXPECT_EQ(ReadAllRecordFields(path, "101"), QStringList({"a", "b"}));
        EXPECT_EQ(ReadPaperRecordLines(path, 1), QStringList{"#101#>a>b"});
    }
    // "#10#" is not part of "#101#": both signs belong to the search text.
    EXPECT_EQ(FindRecordLine(framed, "10"), "");
    EXPECT_EQ(FindRecordLine(framed, "..."), "");
    EXPECT_EQ(FindRecordLine(dir_.filePath("absent.txt"), "COD"), "");

    const QString trend = file("trend.txt", "#TRD#");
    EXPECT_EQ(FindRecordLine(trend, "TRD"), "#TRD#");
    EXPECT_TRUE(SplitRecordFields(FindRecordLine(trend, "TRD"), 0).isEmpty());
    EXPECT_EQ(CountFieldsOfKeys(trend, {"TRD"}), QList<int>{0});

    // Saved by an editor with a byte-order mark: the first record is found like the others,
    // and text re-encoded with the mark ("\xA3" as UTF-8) is read back as its single byte.
    const QByteArray price = QByteArray("\xA3") + '5';
    const std::pair<QByteArray, QByteArray> marked[] = {
        {"\xEF\xBB\xBF#COD#>\xC2" + price + "\r\n#101#>a>b", price},
        {"\xEF\xBB\xBF#COD#>" + price + "\r#101#>a>b", price},  // not UTF-8: only the mark goes
        {"\xFF\xFE" + Utf16(u"#COD#>\u00A35\r#101#>a>b"), price}};
    for (const auto& [bytes, value] : marked) {
        const QString path = file("marked.txt", bytes);
        EXPECT_EQ(ReadRecordText(path, "COD"), QString::fromLatin1(value));
        EXPECT_EQ(ReadPaperRecordLines(path, 1), QStringList{"#101#>a>b"});
    }
    // UTF-16 holding a character no single byte can: no record is read out of it.
    const QString wide = file("wide.txt", "\xFF\xFE" + Utf16(u"#COD#>\u20AC"));
    EXPECT_EQ(FindRecordLine(wide, "COD"), "");
}

TEST_F(RecordFileTest, FieldsAreSplitByPositionWithTheTailInTheLastField) {
    const QString catalogue = file(
        "cat.txt",
        "...\r\n#NME#>Home Maths>Quiz\r\n#TN2#>Whole Numbers>Decimals>Fractions>Area and "
        "Perimeter>Volume>Geometry>Percentage>Ratio and Proportions>Rate and Speed>Algebra\r\n...");
    const QStringList ten = ReadRecordFields(catalogue, "TN2", 10, kTopicNameCapacity);
    ASSERT_EQ(ten.size(), 10);
    EXPECT_EQ(ten[0], "Whole Numbers");
    EXPECT_EQ(ten[9], "Algebra");
    const QStringList nine = ReadRecordFields(catalogue, "TN2", 9, kTopicNameCapacity);
    ASSERT_EQ(nine.size(), 9);
    EXPECT_EQ(nine[8], "Rate and Speed>Algebra");
    EXPECT_EQ(ReadRecordText(catalogue, "NME"), "Home Maths>Quiz");
    EXPECT_EQ(ReadRecordText(catalogue, "COD"), "");

    // More fields than the line holds, past a capacity, or of an absent record: empty entries.
    EXPECT_EQ(ReadRecordFields(catalogue, "TN2", 12, kTopicNameCapacity).mid(9),
              QStringList({"Algebra", "", ""}));
    EXPECT_EQ(ReadRecordFields(catalogue, "TN3", 3), QStringList(3));
    EXPECT_TRUE(ReadRecordFields(catalogue, "TN2", -1).isEmpty());
    EXPECT_EQ(SplitRecordFields("#101#>a>b>c", 5, 2), QStringList({"a", "b", "", "", ""}));
    EXPECT_EQ(SplitRecordFields("#101#>>>", 3), QStringList(3));
    EXPECT_EQ(SplitRecordFields("#10", 2), QStringList(2));
    EXPECT_TRUE(ReadAllRecordFields(catalogue, "TN3").isEmpty());

    const QString marks = file("marks.txt", MarksTemplate());
    EXPECT_EQ(ReadRecordFields(marks, "FSE", 50), QStringList(50));
    EXPECT_EQ(ReadRecordFields(marks, "FST", 50), QStringList(50, "0"));
    EXPECT_EQ(ReadRecordFields(marks, "SST", 50).size(), 50);
}

TEST_F(RecordFileTest, TableReadersFollowFileOrderWhilePaperRecordsAreFoundByKey) {
    const QString table =
        file("key.txt", "...\r\n#20011#>7\r\n#20012#>25>1 1/3\r\n#20013#>x \r\n...");
    EXPECT_EQ(ReadFieldsOfKeys(table, {"20011", "20012", "20013"}),
              QStringList({"7", "25", "1 1/3", "x "}));
    EXPECT_EQ(CountFieldsOfKeys(table, {"20011", "20012", "20013"}), QList<int>({1, 2, 1}));
    EXPECT_EQ(ReadFieldsOfKeys(table, {"20012", "20011", "20013"}), QStringList({"25", "1 1/3"}));
    EXPECT_EQ(CountFieldsOfKeys(table, {"20012", "20011", "20013"}), QList<int>({2, 0, 0}));
    EXPECT_EQ(CountFieldsOfKeys(table, {"20099", "20011"}), QList<int>({0, 0}));

    // Paper records out of order, after a gap, repeated (the first counts), or run into
    // another line (not a record of that key) are read by their key.
    const QString paper = file("first.txt",
                               "...\r\n#103#>c\r\n#101#>a\r\n#105#>e>#102#>x\r\n#102#>b\r\n"
                               "#103#>late\r\n...");
    EXPECT_EQ(ReadPaperRecordLines(paper, 5),
              QStringList({"#101#>a", "#102#>b", "#103#>c", "", "#105#>e>#102#>x"}));
    const QStringList many = ReadPaperRecordLines(paper, 60);
    EXPECT_EQ(many.size(), 60);
    EXPECT_EQ(many[0], "#101#>a");
    // A record by its key is the line that starts with it, never one that only holds it.
    const QByteArray bytes = ReadBytes(paper);
    EXPECT_EQ(FindRecordLineByKey(bytes, "102"), "#102#>b");
    EXPECT_EQ(FindRecordLineIn(bytes, "102"), "#105#>e>#102#>x");
    EXPECT_EQ(FindRecordLineByKey(bytes, "104"), "");
}

TEST_F(RecordFileTest, ReplaceRecordRewritesOnlyRecordsWithCrLf) {
    QByteArray fresh = "...\r\n";
    for (int paper = 101; paper <= 103; ++paper)
        fresh += "#" + QByteArray::number(paper) + "#" + QByteArray(paper - 100, '>') + "\r\n";
    const QString path = file("first2HM.txt", fresh + "...");
    QStringList lines = ReadPaperRecordLines(path, 3);

    ASSERT_TRUE(ReplaceRecordAndSave(lines, {"12", "", "3.5"}, 2, "102", 3, path));
    EXPECT_EQ(ReadBytes(path), "#101#>\r\n#102#>12>>3.5\r\n#103#>>>\r\n");
    EXPECT_EQ(lines[1], "#102#>12>>3.5");

    // Characters a field cannot hold are dropped so the record stays whole.
    ASSERT_TRUE(ReplaceRecordAndSave(lines, {"a>b", "c#\r\nd"}, 1, "101", 3, path));
    EXPECT_EQ(FindRecordLine(path, "101"), "#101#>ab>cd");

    // A record missing from the list is written as its bare key, never as a blank line.
    QStringList gap = {"#101#>x", "", "#103#>z"};
    ASSERT_TRUE(ReplaceRecordAndSave(gap, {"y"}, 1, "101", 3, path));
    EXPECT_EQ(ReadBytes(path), "#101#>y\r\n#102#\r\n#103#>z\r\n");

    // An index outside the list writes nothing.
    const QByteArray before = ReadBytes(path);
    EXPECT_FALSE(ReplaceRecordAndSave(lines, {"x"}, 4, "104", 3, path));
    EXPECT_FALSE(ReplaceRecordAndSave(lines, {"x"}, 0, "100", 3, path));
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(RecordFileTest, SingleRecordWriterProducesExactBytes) {
    const QString trend = dir_.filePath("trend2HM.txt");
    ASSERT_TRUE(WriteSingleRecordFile(trend, "#TRD#>90.9"));
    EXPECT_EQ(ReadBytes(trend), "#TRD#>90.9\r\n");
}

TEST_F(RecordFileTest, EveryStorableCharacterSurvivesARoundTripAndNothingElseIsStored) {
    QString storable, refused;
    for (int c = 0; c < 0x180; ++c)
        (IsStorableFieldChar(QChar(c)) ? storable : refused) += QChar(c);
    // Printable Latin-1 only: the signs, every C0 and C1 control and DEL, and all beyond 0xFF
    // are refused, as one rule for the answer boxes and the writers.
    EXPECT_EQ(storable.size(), 0x5F - 2 + 0x60);
    for (QChar c : QStringLiteral("\x01\t\x1B\x7F\x85\r\n>#€"))
        EXPECT_FALSE(IsStorableFieldChar(c)) << int(c.unicode());
    for (QChar c : QStringLiteral(" az09.:/;é\xA0ÿ")) EXPECT_TRUE(IsStorableFieldChar(c));
    EXPECT_TRUE(IsStorableFieldText(storable));
    EXPECT_FALSE(IsStorableFieldText("5\t2"));
    EXPECT_EQ(StorableFieldText("5\t2\x01>#\x7F 3€"), "52 3");

    const QString path = dir_.filePath("first.txt");
    QStringList lines;
    ASSERT_TRUE(ReplaceRecordAndSave(lines, {storable + refused, "é"}, 1, "101", 1, path));
    EXPECT_EQ(ReadBytes(path), "#101#>" + storable.toLatin1() + ">\xE9\r\n");
    EXPECT_EQ(SplitRecordFields(ReadPaperRecordLines(path, 1)[0], 2), QStringList({storable, "é"}));
}

TEST_F(RecordFileTest, AFailedWriteReportsFailureAndLeavesTheOldFileWhole) {
    const QByteArray old = MarksTemplate();
    const QString path = file("marks2HM.txt", old);
    QStringList lines(50);

    // A file size limit stands in for a full disk; it holds for root too.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool recordWritten =
        ReplaceRecordAndSave(lines, QStringList(80, "12345"), 1, "101", 50, path);
    const bool trendWritten = WriteSingleRecordFile(path, "#TRD#>" + QString(200, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(recordWritten);
    EXPECT_FALSE(trendWritten);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"marks2HM.txt"});

    // A folder where the file should be, or a parent that is a plain file.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("trend2HM.txt"));
    EXPECT_FALSE(WriteSingleRecordFile(dir_.filePath("trend2HM.txt"), "#TRD#"));
    EXPECT_FALSE(WriteSingleRecordFile(path + "/trend2HM.txt", "#TRD#"));
    EXPECT_EQ(ReadBytes(path), old);
}

}  // namespace
