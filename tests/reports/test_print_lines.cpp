#include "reports/print_lines.h"

#include <gtest/gtest.h>

#include "empty_module.h"

namespace {

constexpr int kHeaderLines = 5;     // two empty, title, two empty
constexpr int kLinesPerTopic = 12;  // two empty, name, rule, two headings, rule, five papers

}  // namespace

TEST(PrintLines, TableLayoutOfAModule) {
    ReportInputs in = EmptyModule(10);
    const QList<PrintLine> lines = BuildPrintLines(in);
    ASSERT_EQ(lines.size(), kHeaderLines + 10 * kLinesPerTopic);
    EXPECT_EQ(PlainText(lines[0]), QString());
    EXPECT_EQ(PlainText(lines[2]), QStringLiteral("              Home Maths Quiz"));

    const int block = kHeaderLines + kLinesPerTopic;  // topic 2
    EXPECT_EQ(PlainText(lines[block + 2]), QStringLiteral("              Topic 2"));
    EXPECT_EQ(PlainText(lines[block + 3]), QString(14, ' ') + QString(128, '-'));
    EXPECT_EQ(PlaceZones(lines[block + 4]), (QList<PlacedItem>{{14, "Papers"},
                                                               {42, "First take"},
                                                               {56, "Time taken"},
                                                               {70, "Date"},
                                                               {98, "Second take"}}));
    EXPECT_EQ(PlaceZones(lines[block + 5]), (QList<PlacedItem>{{42, "score"}, {98, "score"}}));
    // Without results every paper line shows a lone "%" in zones 4 and 8.
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(
            PlaceZones(lines[block + 6 + p]),
            (QList<PlacedItem>{{14, QStringLiteral("Paper %1").arg(p)}, {42, "%"}, {98, "%"}}));

    // Topics above T are not printed.
    EXPECT_EQ(BuildPrintLines(EmptyModule(3)).size(), kHeaderLines + 3 * kLinesPerTopic);
}

TEST(PrintLines, PaperLineZones) {
    ReportInputs in = EmptyModule(10);
    const int i = 5 * (2 - 1) + 3 - 1;  // paper 3 of topic 2
    in.fse[i] = QStringLiteral("88.8");
    in.ltm[i] = QStringLiteral("0:12:5");
    in.cdd[i] = QStringLiteral("30/12/2005");
    in.sse[i] = QStringLiteral("100");
    const PrintLine line = BuildPrintLines(in).at(kHeaderLines + kLinesPerTopic + 6 + 3);
    EXPECT_EQ(line.zones[1], QStringLiteral("Paper 3"));
    EXPECT_EQ(line.zones[3], QStringLiteral("88.8%"));
    EXPECT_EQ(line.zones[4], QStringLiteral("0:12:5"));
    EXPECT_EQ(line.zones[5], QStringLiteral("30/12/2005"));
    EXPECT_EQ(line.zones[7], QStringLiteral("100%"));
    EXPECT_TRUE(line.zones[0].isEmpty() && line.zones[2].isEmpty() && line.zones[6].isEmpty());
    EXPECT_EQ(PlainText(line),
              QStringLiteral("              Paper 3                     88.8%         "
                             "0:12:5        30/12/2005                  100%"));
}

TEST(PrintLines, LongItemsPushLaterOnesToTheNextBoundary) {
    PrintLine line;
    line.zones[1] = QString(20, 'x');  // runs from column 14 into zone 3
    line.zones[2] = QStringLiteral("a");
    line.zones[3] = QStringLiteral("b");
    EXPECT_EQ(PlaceZones(line), (QList<PlacedItem>{{14, QString(20, 'x')}, {42, "a"}, {56, "b"}}));

    // An item filling its zone exactly never touches the next one.
    PrintLine exact;
    exact.zones[0] = QString(14, 'y');
    exact.zones[1] = QStringLiteral("z");
    EXPECT_EQ(PlaceZones(exact), (QList<PlacedItem>{{0, QString(14, 'y')}, {28, "z"}}));
}
