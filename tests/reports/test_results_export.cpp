// The export's CSV and the parent's overview, from the same inputs as the Report view.
#include <gtest/gtest.h>

#include "report_test_inputs.h"
#include "reports/learner_overview.h"
#include "reports/results_export.h"
#include "reports/stored_date.h"

TEST(ResultsExport, RowsAreRfc4180WithBareNumbersIsoDatesAndQuotedText) {
    ReportInputs in = SampleModule(QString(), 2);
    in.topicNames[1] = QStringLiteral("Fractions, \"proper\"");
    const QList<ExportRow> rows =
        ExportRows(QStringLiteral("Zoë"), in, QLocale(QLocale::English, QLocale::UnitedKingdom));
    ASSERT_EQ(rows.size(), 10);
    const QByteArray csv = CsvBytes(rows);
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), 12);  // header, ten rows, nothing after the last CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) EXPECT_TRUE(lines[i].endsWith('\r')) << i;
    EXPECT_EQ(lines[0],
              "\"Learner\",\"Topic\",\"Paper\",\"First attempt score\",\"Time taken\","
              "\"Date completed\",\"Second attempt score\"\r");
    EXPECT_EQ(lines[1], "\"Zo\xc3\xab\",\"Whole Numbers\",1,60,0:21:07,2005-12-02,90\r");
    EXPECT_EQ(lines[2], "\"Zo\xc3\xab\",\"Whole Numbers\",2,70,0:18:40,2005-12-03,\r");
    EXPECT_EQ(lines[5], "\"Zo\xc3\xab\",\"Whole Numbers\",5,,,,\r");
    EXPECT_EQ(lines[8],
              "\"Zo\xc3\xab\",\"Fractions, \"\"proper\"\"\",3,88.8,0:12:05,2005-12-30,100\r");

    // What the program never writes is kept, as text.
    in.fse[0] = QStringLiteral("abc");
    in.cdd[0] = QStringLiteral("someday");
    in.ltm[0] = QStringLiteral("1:99:0");
    EXPECT_TRUE(CsvBytes(ExportRows(QStringLiteral("A"), in))
                    .contains("\"A\",\"Whole Numbers\",1,\"abc\",\"1:99:0\",\"someday\",90\r\n"));
}

TEST(ResultsExport, StoredDatesAreReadInTheComputersShortFormThenTheProgramsOwn) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ParseStoredDate(QStringLiteral("3/4/26"), us), QDate(2026, 3, 4));
    EXPECT_EQ(ParseStoredDate(QStringLiteral("30/12/2005"), us), QDate(2005, 12, 30));
    EXPECT_EQ(ParseStoredDate(QStringLiteral("2026-01-31"), us), QDate(2026, 1, 31));
    EXPECT_FALSE(ParseStoredDate(QStringLiteral("31/31/2026"), us).has_value());
    EXPECT_FALSE(ParseStoredDate(QString(), us).has_value());
}

TEST(LearnerOverview, AColumnHoldsTheReportsFiguresTheLatestDayAndTheLastTenScores) {
    ReportInputs in = SampleModule(QString());
    for (int i = 1; i <= 14; ++i) in.trendScores << QString::number(i * 5);
    in.trendScores << QString();  // a '>' at the very end
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    const LearnerOverview o = ComputeLearnerOverview(QStringLiteral("Anna"), in, uk);
    EXPECT_EQ(o.name, QStringLiteral("Anna"));
    EXPECT_EQ(o.papersMarked, QStringLiteral("9 / 50"));
    EXPECT_EQ(o.firstAverage, QStringLiteral("68.6%"));
    EXPECT_EQ(o.secondAverage, QStringLiteral("82.1%"));
    EXPECT_EQ(o.strongestTopic, QStringLiteral("Ratio"));
    EXPECT_EQ(o.weakestTopic, QStringLiteral("Percentage"));
    EXPECT_EQ(o.lastPractised, uk.toString(QDate(2005, 12, 30), QLocale::ShortFormat));
    ASSERT_EQ(o.recentScores.size(), kOverviewTrendPoints);
    EXPECT_EQ(o.recentScores.first(), 25);
    EXPECT_EQ(o.recentScores.last(), 70);

    const LearnerOverview none = ComputeLearnerOverview(QStringLiteral("New"), ReportInputs{}, uk);
    EXPECT_EQ(none.firstAverage, QStringLiteral("-"));
    EXPECT_EQ(none.lastPractised, QStringLiteral("-"));
    EXPECT_TRUE(none.recentScores.isEmpty());
}
