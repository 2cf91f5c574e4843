#include "reports/summary_figures.h"
#include "reports/topical_rows.h"

#include <gtest/gtest.h>

#include "empty_module.h"

namespace {

// Paper p (1..5) of topic t (1..10) as a list index.
int Paper(int t, int p) {
    return 5 * (t - 1) + p - 1;
}

SummaryTexts Summary(const ReportInputs& in) {
    return ComputeSummary(in, ComputeTopicTallies(in));
}

}  // namespace

TEST(ReportSummary, AveragesCountsAndWeakestStrongest) {
    ReportInputs in = EmptyModule(10);
    in.fse[Paper(1, 1)] = QStringLiteral("80");
    in.fse[Paper(1, 2)] = QStringLiteral("65");
    in.fse[Paper(2, 1)] = QStringLiteral("90");
    const SummaryTexts s = Summary(in);
    EXPECT_EQ(s.firstAverage, QStringLiteral("78.3%"));
    EXPECT_EQ(s.secondAverage, QStringLiteral("-"));
    EXPECT_EQ(s.papersCompleted, QStringLiteral("3 / 50"));
    EXPECT_EQ(s.weakestTopic, QStringLiteral(" Topic 1"));
    EXPECT_EQ(s.strongestTopic, QStringLiteral(" Topic 2"));

    // A second attempt counts in OScore2 and the combined average, never in PCNum.
    in.sse[Paper(1, 2)] = QStringLiteral("100");
    const SummaryTexts again = Summary(in);
    EXPECT_EQ(again.secondAverage, QStringLiteral("100%"));
    EXPECT_EQ(again.papersCompleted, QStringLiteral("3 / 50"));
    // Topic 1 combined: (80 + 65 + 100) / 3 = 81.67 < 90.
    EXPECT_EQ(again.weakestTopic, QStringLiteral(" Topic 1"));
}

TEST(ReportSummary, EmptyModuleShowsDashes) {
    const SummaryTexts s = Summary(EmptyModule(10));
    EXPECT_EQ(s.firstAverage, QStringLiteral("-"));
    EXPECT_EQ(s.secondAverage, QStringLiteral("-"));
    EXPECT_EQ(s.papersCompleted, QStringLiteral("0 / 50"));
    EXPECT_EQ(s.weakestTopic, QStringLiteral("-"));
    EXPECT_EQ(s.strongestTopic, QStringLiteral("-"));
}

TEST(ReportSummary, TiesGoToTheLaterTopic) {
    ReportInputs in = EmptyModule(10);
    in.fse[Paper(1, 1)] = QStringLiteral("60");
    in.sse[Paper(1, 1)] = QStringLiteral("80");
    in.fse[Paper(2, 1)] = QStringLiteral("70");
    const SummaryTexts s = Summary(in);
    EXPECT_EQ(s.weakestTopic, QStringLiteral(" Topic 2"));
    EXPECT_EQ(s.strongestTopic, QStringLiteral(" Topic 2"));

    // Averages that only tie exactly (1/3 sums) must still compare as equal.
    ReportInputs thirds = EmptyModule(10);
    thirds.fse[Paper(3, 1)] = QStringLiteral("10.1");
    thirds.fse[Paper(3, 2)] = QStringLiteral("10.1");
    thirds.fse[Paper(3, 3)] = QStringLiteral("10.2");
    thirds.fse[Paper(5, 1)] = QStringLiteral("10.1");
    thirds.fse[Paper(5, 2)] = QStringLiteral("10.2");
    thirds.fse[Paper(5, 3)] = QStringLiteral("10.1");
    EXPECT_EQ(Summary(thirds).weakestTopic, QStringLiteral(" Topic 5"));
    EXPECT_EQ(Summary(thirds).strongestTopic, QStringLiteral(" Topic 5"));
}

TEST(ReportSummary, TopicsThatAreNeverNamed) {
    // One attempted topic: no weakest or strongest, although the average shows.
    ReportInputs one = EmptyModule(10);
    one.fse[Paper(4, 1)] = QStringLiteral("55");
    EXPECT_EQ(Summary(one).firstAverage, QStringLiteral("55%"));
    EXPECT_EQ(Summary(one).weakestTopic, QStringLiteral("-"));
    EXPECT_EQ(Summary(one).strongestTopic, QStringLiteral("-"));

    // Mock Examination counts in the averages and in m, but is never named.
    ReportInputs mock = EmptyModule(10);
    mock.topicNames[9] = QStringLiteral("Mock Examination");
    mock.fse[Paper(2, 1)] = QStringLiteral("50");
    mock.fse[Paper(3, 1)] = QStringLiteral("60");
    mock.fse[Paper(10, 1)] = QStringLiteral("100");
    mock.fse[Paper(10, 2)] = QStringLiteral("10");
    SummaryTexts s = Summary(mock);
    EXPECT_EQ(s.firstAverage, QStringLiteral("55%"));
    EXPECT_EQ(s.weakestTopic, QStringLiteral(" Topic 2"));
    EXPECT_EQ(s.strongestTopic, QStringLiteral(" Topic 3"));

    // Mock Examination and one other topic: one topic is no comparison, so neither is named
    // (the same topic was named both weakest and strongest).
    mock.fse[Paper(3, 1)].clear();
    s = Summary(mock);
    EXPECT_EQ(s.firstAverage, QStringLiteral("53.3%"));
    EXPECT_EQ(s.weakestTopic, QStringLiteral("-"));
    EXPECT_EQ(s.strongestTopic, QStringLiteral("-"));

    // Topics above T are not counted even when the lists hold scores for them.
    ReportInputs small = EmptyModule(2);
    small.fse[Paper(1, 1)] = QStringLiteral("40");
    small.fse[Paper(3, 1)] = QStringLiteral("90");
    EXPECT_EQ(Summary(small).papersCompleted, QStringLiteral("1 / 50"));
    EXPECT_EQ(Summary(small).strongestTopic, QStringLiteral("-"));
}

TEST(ReportSummary, RoundsOnExactTenths) {
    ReportInputs in = EmptyModule(10);
    // 72.25 and 72.75 are exact halves: ties go to the even digit.
    in.fse[Paper(1, 1)] = QStringLiteral("72.2");
    in.fse[Paper(1, 2)] = QStringLiteral("72.3");
    EXPECT_EQ(Summary(in).firstAverage, QStringLiteral("72.2%"));
    in.fse[Paper(1, 1)] = QStringLiteral("72.7");
    in.fse[Paper(1, 2)] = QStringLiteral("72.8");
    EXPECT_EQ(Summary(in).firstAverage, QStringLiteral("72.8%"));
    // A damaged field is not a score and does not count.
    in.fse[Paper(1, 3)] = QStringLiteral("abc");
    EXPECT_EQ(Summary(in).papersCompleted, QStringLiteral("2 / 50"));
}

TEST(TopicalRows, PercentagesAndExactBars) {
    ReportInputs in = EmptyModule(6);
    in.fse[Paper(1, 1)] = QStringLiteral("60");
    in.fse[Paper(1, 2)] = QStringLiteral("70");
    in.fse[Paper(1, 3)] = QStringLiteral("70");
    in.sse[Paper(1, 1)] = QStringLiteral("100");
    in.fse[Paper(2, 4)] = QStringLiteral("70");
    in.fse[Paper(2, 5)] = QStringLiteral("85");
    const auto tallies = ComputeTopicTallies(in);
    const auto rows = ComputeTopicalRows(in, tallies);

    EXPECT_EQ(rows[0].first.percentText, QStringLiteral("66.7%"));
    EXPECT_DOUBLE_EQ(BarWidth(1215, tallies[0].first), 1215 * 200.0 / 3 / 100);
    EXPECT_DOUBLE_EQ(rows[0].first.fraction, 200.0 / 3 / 100);
    EXPECT_EQ(rows[0].second.percentText, QStringLiteral("100%"));
    EXPECT_DOUBLE_EQ(rows[0].second.fraction, 1.0);

    EXPECT_EQ(rows[1].first.percentText, QStringLiteral("77.5%"));
    EXPECT_DOUBLE_EQ(rows[1].first.fraction, 0.775);
    EXPECT_EQ(rows[1].second.percentText, QString());
    EXPECT_EQ(rows[1].second.fraction, 0.0);

    // T = 6: rows 1-6 named and shown even without attempts, rows 7-10 hidden and empty.
    for (int t = 0; t < 6; ++t) {
        EXPECT_TRUE(rows[t].visible) << t + 1;
        EXPECT_EQ(rows[t].name, QStringLiteral("Topic %1").arg(t + 1));
    }
    EXPECT_EQ(rows[5].first.percentText, QString());
    for (int t = 6; t < 10; ++t) {
        EXPECT_FALSE(rows[t].visible) << t + 1;
        EXPECT_TRUE(rows[t].name.isEmpty());
    }
}
