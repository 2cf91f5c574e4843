#include "reports/trend_plot.h"
#include "results/trend_file.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace {

// The values the report plots for a trend file holding this record line.
QList<double> SelectTrendValuesOf(const QString& recordLine) {
    return SelectTrendValues(ParseTrendFile(recordLine.toLatin1()).scores);
}

QString TrendLine(int first, int last) {
    QString line = QStringLiteral("#TRD#");
    for (int v = first; v <= last; ++v) line += QStringLiteral(">%1").arg(v);
    return line;
}

// The stem, dot and connector of point j (1-based).
const PlotItem& Stem(const TrendPlot& p, int j) {
    return p.items.at(3 * (j - 1));
}
const PlotItem& Dot(const TrendPlot& p, int j) {
    return p.items.at(3 * (j - 1) + 1);
}
const PlotItem& Connector(const TrendPlot& p, int j) {
    return p.items.at(3 * (j - 1) + 2);
}

}  // namespace

TEST(TrendPlot, GridAloneWhenEmpty) {
    const TrendPlot plot = ComputeTrendPlot(SelectTrendValuesOf(QStringLiteral("#TRD#")));
    EXPECT_TRUE(plot.items.isEmpty());
    ASSERT_EQ(plot.grid.size(), 9);
    for (int g = 1; g <= 9; ++g) {
        const PlotLine& line = plot.grid.at(g - 1);
        EXPECT_DOUBLE_EQ(line.from.y(), kTrendPlotHeight * g / 10);
        EXPECT_DOUBLE_EQ(line.to.y(), line.from.y());
        EXPECT_EQ(line.from.x(), 0);
        EXPECT_EQ(line.to.x(), kTrendPlotWidth);
        EXPECT_EQ(line.ink, PlotInk::Grid);
    }
    // A trailing '>' in the last position is not an entry.
    EXPECT_TRUE(SelectTrendValuesOf(QStringLiteral("#TRD#>")).isEmpty());
    EXPECT_EQ(SelectTrendValuesOf(QStringLiteral("#TRD#>70>88.8>")), (QList<double>{70, 88.8}));
    EXPECT_TRUE(SelectTrendValuesOf(QString()).isEmpty());
}

TEST(TrendPlot, PointsStemsDotsAndConnectors) {
    const double w = kTrendPlotWidth, h = kTrendPlotHeight, dx = w / 21, dy = h / 100;

    // One entry of 100: full-height stem, dot on the top edge, joined to the bottom-left corner.
    TrendPlot top = ComputeTrendPlot(SelectTrendValuesOf(QStringLiteral("#TRD#>100")));
    ASSERT_EQ(top.items.size(), 3);
    EXPECT_EQ(Stem(top, 1).line.from, QPointF(dx, 0));
    EXPECT_EQ(Stem(top, 1).line.to, QPointF(dx, h));
    EXPECT_EQ(Stem(top, 1).line.ink, PlotInk::Stem);
    EXPECT_EQ(Dot(top, 1).kind, PlotItem::Kind::Disc);
    EXPECT_EQ(Dot(top, 1).disc.centre, QPointF(dx, 0));
    EXPECT_EQ(Dot(top, 1).disc.radius, 30);
    EXPECT_EQ(Dot(top, 1).disc.ink, PlotInk::Trend);
    EXPECT_EQ(Connector(top, 1).line.from, QPointF(0, h));
    EXPECT_EQ(Connector(top, 1).line.to, QPointF(dx, 0));

    // One entry of 0: the dot sits on the bottom edge and the connector lies along it.
    TrendPlot bottom = ComputeTrendPlot(SelectTrendValuesOf(QStringLiteral("#TRD#>0")));
    EXPECT_EQ(Dot(bottom, 1).disc.centre, QPointF(dx, h));
    EXPECT_EQ(Connector(bottom, 1).line.from.y(), h);
    EXPECT_EQ(Connector(bottom, 1).line.to.y(), h);

    // 88.8 then 45: the connector falls from the first point to y = 55 dy.
    TrendPlot two = ComputeTrendPlot(SelectTrendValuesOf(QStringLiteral("#TRD#>88.8>45")));
    ASSERT_EQ(two.items.size(), 6);
    EXPECT_NEAR(Dot(two, 1).disc.centre.y(), (100 - 88.8) * dy, 1e-9);
    EXPECT_EQ(Dot(two, 2).disc.centre, QPointF(2 * dx, 55 * dy));
    EXPECT_EQ(Connector(two, 2).line.from, Dot(two, 1).disc.centre);
    EXPECT_EQ(Connector(two, 2).line.to, Dot(two, 2).disc.centre);
    EXPECT_EQ(Connector(two, 2).line.ink, PlotInk::Trend);
}

TEST(TrendPlot, KeepsTheTwentyMostRecent) {
    // 25 entries (values 1..25): entries 6 to 25 are shown, entry 6 at x = dx from the corner.
    const QList<double> values = SelectTrendValuesOf(TrendLine(1, 25));
    ASSERT_EQ(values.size(), 20);
    EXPECT_EQ(values.first(), 6);
    EXPECT_EQ(values.last(), 25);
    const TrendPlot plot = ComputeTrendPlot(values);
    const double dx = kTrendPlotWidth / 21, dy = kTrendPlotHeight / 100;
    EXPECT_EQ(Dot(plot, 1).disc.centre, QPointF(dx, 94 * dy));
    EXPECT_EQ(Connector(plot, 1).line.from, QPointF(0, kTrendPlotHeight));
    EXPECT_EQ(Dot(plot, 20).disc.centre, QPointF(20 * dx, 75 * dy));

    // More entries than the data model holds still ends at the latest one.
    const QList<double> many = SelectTrendValuesOf(TrendLine(1, 60));
    ASSERT_EQ(many.size(), 20);
    EXPECT_EQ(many.first(), 41);
    EXPECT_EQ(many.last(), 60);

    // Damaged fields are skipped; out-of-range scores stay on the plot.
    const QList<double> odd = SelectTrendValuesOf(QStringLiteral("#TRD#>50>x>150>-5"));
    EXPECT_EQ(odd, (QList<double>{50, 100, 0}));
}

TEST(TrendPlot, ReadsTheTrendFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trend1HM.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#TRD#>88.8>45>100\r\n");
    file.close();
    EXPECT_EQ(SelectTrendValues(ReadTrendFile(path).scores), (QList<double>{88.8, 45, 100}));
    EXPECT_TRUE(ReadTrendFile(dir.filePath(QStringLiteral("missing.txt"))).scores.isEmpty());
}
