// The codecs of the marks, per-paper and trend files: exact bytes, typed states and verdicts, and
// the trend's cap.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "records/file_bytes.h"
#include "records/record_file.h"
#include "records/storable_text.h"
#include "results/attempt_file.h"
#include "results/marks_file.h"
#include "results/trend_file.h"

namespace {

using enum AttemptStatus;

TEST(MarksFile, ReadsRecordsByKeyAndWritesExactBytes) {
    // The six records in any order, one missing: every one that is there is read.
    const QByteArray file =
        "#SST#>0>1\r\n#FSE#>50>100\r\n#FST#>1>1\r\n#CDD#>a>b\r\n#LTM#>0:1:2>\r\n";
    const MarksRecords read = ParseMarksFile(file, 2);
    EXPECT_EQ(read.fse, QStringList({"50", "100"}));
    EXPECT_EQ(read.sse, QStringList(2));
    EXPECT_EQ(read.ltm, QStringList({"0:1:2", ""}));
    EXPECT_EQ(read.cdd, QStringList({"a", "b"}));
    EXPECT_EQ(read.fst, QList<AttemptStatus>({Marked, Marked}));
    EXPECT_EQ(read.sst, QList<AttemptStatus>({NotMarked, Marked}));
    EXPECT_EQ(ParseMarksFile(file, 60).fse.size(), 60);

    QTemporaryDir dir;
    const QString path = dir.filePath("marks2HM.txt");
    MarksRecords marks;
    marks.fse = {"90.9", "", "100"};
    marks.ltm = {"0:12:5"};
    marks.cdd = {"30/12/2005"};
    marks.fst = {Marked, NotMarked, Marked};
    marks.sst = {NotMarked, NotMarked, NotMarked};
    ASSERT_TRUE(WriteMarksFile(marks, 3, path));
    EXPECT_EQ(ReadBytes(path),
              "#FSE#>90.9>>100\r\n#SSE#>>>\r\n#LTM#>0:12:5>>\r\n#CDD#>30/12/2005>>\r\n"
              "#FST#>1>0>1\r\n#SST#>0>0>0\r\n");
    // A parent that is a file, or more papers than a module holds: nothing is written.
    EXPECT_FALSE(WriteMarksFile(marks, 3, path + "/marks2HM.txt"));
    EXPECT_FALSE(WriteMarksFile(marks, kPaperCapacity + 1, path));
    // States missing from what was read are written in their valid empty form "0".
    marks.fst = {Marked};
    marks.sst = {};
    EXPECT_EQ(ParseMarksFile(MarksFileBytes(marks, 3), 3).fst,
              QList<AttemptStatus>({Marked, NotMarked, NotMarked}));
    EXPECT_TRUE(MarksFileBytes(marks, 3).contains("#SST#>0>0>0\r\n"));

    // Marking sets the attempt's fields at the paper's place only.
    MarkFirstAttempt(marks, 2, 3, "45", "0:7:5", "9/3/2026");
    MarkSecondAttempt(marks, 3, 3, "100");
    EXPECT_EQ(MarksFileBytes(marks, 3),
              "#FSE#>90.9>45>100\r\n#SSE#>>>100\r\n#LTM#>0:12:5>0:7:5>\r\n"
              "#CDD#>30/12/2005>9/3/2026>\r\n#FST#>1>1>0\r\n#SST#>0>0>1\r\n");
}

TEST(MarksFile, RandomValuesRoundTripAsStorableText) {
    std::mt19937 random(4711);
    auto field = [&random] {
        QString text;
        for (int i = std::uniform_int_distribution<int>(0, 8)(random); i > 0; --i)
            text += QChar(std::uniform_int_distribution<int>(1, 255)(random));
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        const int n = std::uniform_int_distribution<int>(1, kPaperCapacity)(random);
        MarksRecords marks;
        for (int i = 0; i < n; ++i) {
            marks.fse += field();
            marks.ltm += field();
            marks.sst += i % 3 ? NotMarked : Marked;
        }
        const QByteArray bytes = MarksFileBytes(marks, n);
        EXPECT_EQ(bytes.count("\r\n"), 6);
        const MarksRecords back = ParseMarksFile(bytes, n);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(back.fse[i], StorableFieldText(marks.fse[i]));
            ASSERT_EQ(back.ltm[i], StorableFieldText(marks.ltm[i]));
        }
        ASSERT_EQ(back.sst, marks.sst);
    }
}

TEST(PerPaperFile, VerdictsAndAnswersOfOnePaperWithTheFilesLetters) {
    const QByteArray templateBytes = "...\r\n#101#>>>\r\n#102#>>\r\n...";
    // Paper 102 is missing: the template's empty record stands in for it.
    QStringList lines = ParsePerPaperRecords("#101#>Y>N>\r\n", templateBytes, 2);
    EXPECT_EQ(lines, QStringList({"#101#>Y>N>", "#102#>>"}));
    EXPECT_EQ(PaperVerdicts(lines, 1, 3),
              QList<Verdict>({Verdict::Right, Verdict::Wrong, Verdict::None}));
    ASSERT_TRUE(SetPaperVerdicts(lines, 2, 2, {Verdict::Wrong, Verdict::Right}));
    ASSERT_TRUE(SetPaperAnswers(lines, 1, 2, {"a", "", "c"}));
    EXPECT_FALSE(SetPaperAnswers(lines, 3, 2, {"x"}));
    EXPECT_EQ(PerPaperFileBytes(lines, 2), "#101#>a>>c\r\n#102#>N>Y\r\n");
    EXPECT_EQ(PaperAnswers(lines, 1, 3), QStringList({"a", "", "c"}));
    // Only the letters marking writes are verdicts.
    EXPECT_TRUE(InspectVerdictsFile("#101#>Y>N>\r\n#102#>>\r\n", templateBytes).isEmpty());
    EXPECT_EQ(InspectVerdictsFile("#101#>Y>y>\r\n#102#>>\r\n", templateBytes).size(), 1);
    EXPECT_TRUE(InspectAnswersFile("#101#>Y>y>\r\n#102#>>\r\n", templateBytes).isEmpty());
}

TEST(TrendFile, KeepsItsFieldsAsStoredAndAtMostFiftyEntries) {
    EXPECT_TRUE(ParseTrendFile("#TRD#").scores.isEmpty());
    EXPECT_TRUE(ParseTrendFile("garbage").scores.isEmpty());
    EXPECT_EQ(ParseTrendFile("#TRD#>66.7>45>100\r\n").scores, QStringList({"66.7", "45", "100"}));
    TrendRecord trend = ParseTrendFile("#TRD#>>66.7");
    AppendTrendScore(trend, "45");
    EXPECT_EQ(TrendFileBytes(trend), "#TRD#>>66.7>45\r\n");

    // Fifty entries and one more marking: the oldest goes, and the start accepts the file.
    TrendRecord full;
    for (int i = 1; i <= kTrendCapacity; ++i) AppendTrendScore(full, QString::number(i));
    AppendTrendScore(full, "99.5");
    ASSERT_EQ(full.scores.size(), kTrendCapacity);
    EXPECT_EQ(full.scores.first(), "2");
    EXPECT_EQ(full.scores.last(), "99.5");
    EXPECT_TRUE(InspectTrendFile(TrendFileBytes(full), "#TRD#").isEmpty());
    full.scores.append("1");
    EXPECT_EQ(InspectTrendFile(TrendFileBytes(full), "#TRD#").size(), 1);
}

}  // namespace
