#include "marking/scoring.h"

#include <gtest/gtest.h>

#include <climits>

#include "letters.h"

TEST(Percentage, RoundsExactlyWithTiesToEven) {
    EXPECT_EQ(PercentageText(1, 80), "1.2");    // 1.25
    EXPECT_EQ(PercentageText(3, 80), "3.8");    // 3.75
    EXPECT_EQ(PercentageText(5, 80), "6.2");    // 6.25
    EXPECT_EQ(PercentageText(15, 80), "18.8");  // 18.75
    EXPECT_EQ(PercentageText(2, 3), "66.7");
    EXPECT_EQ(PercentageText(1, 3), "33.3");
    EXPECT_EQ(PercentageText(60, 66), "90.9");
    EXPECT_EQ(PercentageText(66, 66), "100");
    EXPECT_EQ(PercentageText(33, 66), "50");
    EXPECT_EQ(PercentageText(0, 66), "0");
    EXPECT_EQ(PercentageText(1, 2000), "0");    // 0.05 goes to the even 0.0
    EXPECT_EQ(PercentageText(3, 2000), "0.2");  // 0.15 goes to 0.2
    EXPECT_EQ(PercentageText(199, 200), "99.5");
    EXPECT_EQ(PercentageText(1999, 2000), "100");  // 99.95 goes to 100.0
    // A paper without marks must not divide by zero.
    EXPECT_EQ(PercentageText(0, 0), "0");
    EXPECT_EQ(PercentageText(5, 0), "0");
}

TEST(Percentage, OneDecimalHandlesSignsAndExtremes) {
    EXPECT_EQ(OneDecimalText(-1, 8), "-0.1");  // -0.125
    EXPECT_EQ(OneDecimalText(-1, 40), "0");    // -0.025 rounds to zero, no "-0"
    EXPECT_EQ(OneDecimalText(3, -8), "-0.4");  // -0.375
    EXPECT_EQ(OneDecimalText(725, 10), "72.5");
    EXPECT_EQ(OneDecimalText(7225, 100), "72.2");
    EXPECT_EQ(OneDecimalText(7275, 100), "72.8");
    EXPECT_EQ(OneDecimalText(INT64_MAX, 1), "9223372036854775807");
    EXPECT_EQ(OneDecimalText(INT64_MIN, 1), "-9223372036854775808");
    EXPECT_EQ(OneDecimalText(INT64_MAX, INT64_MAX), "1");
    EXPECT_EQ(OneDecimalText(7, 0), "0");
}

TEST(Scoring, ScoreSumsMarksOfRightPartsOnly) {
    const QStringList keys{"2.77", "Derrick", ";red;blue", " ", "5 2/3", "1", "x"};
    const QStringList kinds{"N", "T", "G", "G", "X", "Q", "M"};
    const QStringList marks{"1", "2", "1", "1", "3", "2", "5"};
    const QStringList answers{"2.770", "derrick", "red", "red", "52/3", "1", "x"};
    const QList<AnswerPart> parts = Parts(answers, keys, kinds, marks);
    const PaperMarking marking = MarkParts(parts);
    // A list key without alternatives gives no verdict and counts nothing.
    EXPECT_EQ(Letters(marking.verdicts), (QStringList{"Y", "Y", "Y", "N", "N", "Y", ""}));
    EXPECT_EQ(marking.score, 1 + 2 + 1 + 2);
    EXPECT_EQ(TotalMarks(parts), 15);
    // Missing answers and marks are empty and count nothing.
    const PaperMarking shortLists =
        MarkParts(Parts({"2.77"}, keys, {"N", "T", "N", "N", "N", "N", "N"}, {"4"}));
    ASSERT_EQ(shortLists.verdicts.size(), keys.size());
    EXPECT_EQ(shortLists.verdicts.at(0), Verdict::Right);
    EXPECT_EQ(shortLists.verdicts.at(1), Verdict::Wrong);
    EXPECT_EQ(shortLists.score, 4);
}

namespace {
int TotalOf(const QStringList& marks) {
    return TotalMarks(Parts({}, QStringList(marks.size()), QStringList(marks.size(), "N"), marks));
}
}  // namespace

TEST(Scoring, MarksAreWholeNumbersAndBadMarksCountNothing) {
    // Each running sum is rounded to a whole number, halves to even: 0.5 -> 0, 1.5 -> 2.
    EXPECT_EQ(TotalOf({"0.5"}), 0);
    EXPECT_EQ(TotalOf({"1.5"}), 2);
    EXPECT_EQ(TotalOf({"1", "1.5"}), 2);
    EXPECT_EQ(TotalOf({" 3 ", "2"}), 5);
    EXPECT_EQ(TotalOf({"", "abc", "1e300", "inf", "2"}), 2);
    EXPECT_EQ(TotalOf({}), 0);
    EXPECT_EQ(TotalOf(QStringList(5000, "1000000")), INT_MAX);
}

TEST(Scoring, StoredScoresParseToExactTenths) {
    std::int64_t tenths = -1;
    ASSERT_TRUE(ParseScoreTenths("88.8", &tenths));
    EXPECT_EQ(tenths, 888);
    ASSERT_TRUE(ParseScoreTenths("100", &tenths));
    EXPECT_EQ(tenths, 1000);
    ASSERT_TRUE(ParseScoreTenths(" 0 ", &tenths));
    EXPECT_EQ(tenths, 0);
    ASSERT_TRUE(ParseScoreTenths(".5", &tenths));
    EXPECT_EQ(tenths, 5);
    ASSERT_TRUE(ParseScoreTenths("66.", &tenths));
    EXPECT_EQ(tenths, 660);
    ASSERT_TRUE(ParseScoreTenths("66.66", &tenths));
    EXPECT_EQ(tenths, 667);
    ASSERT_TRUE(ParseScoreTenths("72.25", &tenths));
    EXPECT_EQ(tenths, 722);
    ASSERT_TRUE(ParseScoreTenths("72.250001", &tenths));
    EXPECT_EQ(tenths, 723);
    ASSERT_TRUE(ParseScoreTenths("72.35", &tenths));
    EXPECT_EQ(tenths, 724);
    ASSERT_TRUE(ParseScoreTenths("-4.5", &tenths));
    EXPECT_EQ(tenths, -45);
    for (const char* bad :
         {"", " ", ".", "-", "abc", "5%", "1e2", "1,5", "12.3.4", "1234567890123456", "\xB2"})
        EXPECT_FALSE(ParseScoreTenths(QString::fromLatin1(bad), &tenths)) << bad;
}

TEST(Scoring, TimeTakenIsUnpaddedAndHoursDoNotWrap) {
    EXPECT_EQ(TimeTakenText(0), "0:0:0");
    EXPECT_EQ(TimeTakenText(7 * 60 + 5), "0:7:5");
    EXPECT_EQ(TimeTakenText(3600 + 23 * 60 + 40), "1:23:40");
    EXPECT_EQ(TimeTakenText(24 * 3600), "24:0:0");
    EXPECT_EQ(TimeTakenText(50 * 3600 + 59 * 60 + 59), "50:59:59");
    // A clock set back while the paper was open gives no negative time.
    EXPECT_EQ(TimeTakenText(-5), "0:0:0");
}
