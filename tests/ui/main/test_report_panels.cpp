// The Report view's three panels, built once and filled from a module's marks at every opening.
#include "../../reports/report_test_inputs.h"
#include "reports/trend_plot.h"
#include "ui/main/report/summary_view.h"
#include "ui/main/report/topical_view.h"
#include "ui/main/report/trend_view.h"
#include "ui/main/report_view.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

namespace {

// Body_Report as the main window lays it out, with an empty graphics folder.
struct ReportBody {
    QTemporaryDir graphics;
    std::unique_ptr<ReportView> body = std::make_unique<ReportView>(graphics.path(), nullptr);
    QWidget* summary = body->panel(1);
    QWidget* topical = body->panel(2);
    QWidget* trend = body->panel(3);

    ReportBody() { body->show(); }

    void open(int page) { body->layoutSubViews(page); }
    template <typename T>
    T* child(const QString& name) const {
        return body->findChild<T*>(name);
    }
    QString text(const char* name) const {
        return child<QLabel>(QString::fromLatin1(name))->text();
    }
};

// Saves a panel picture when a folder for them is given, to look at by eye.
void MaybeSaveShot(QWidget* panel, const char* name) {
    const QString folder = qEnvironmentVariable("HM_REPORT_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    panel->raise();
    panel->grab().save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

bool IsBlue(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80;
}

}  // namespace

TEST(ReportPanels, SummaryAndTopicalRowsFromTheMarks) {
    QTemporaryDir dir;
    const QString trend = dir.filePath(QStringLiteral("trend1HM.txt"));
    ASSERT_TRUE(WriteTrend(trend, TwentyFiveEntries()));
    ReportBody report;
    report.body->fill(SampleModule(trend));

    EXPECT_EQ(report.child<QLabel>(QStringLiteral("SumyL1"))->text(),
              QStringLiteral("First Attempt Average Score:"));
    EXPECT_EQ(report.child<QLabel>(QStringLiteral("SumyL5"))->text(),
              QStringLiteral("Number of Papers Completed:"));
    // (60+70+70+45.5+88.8+92+33.3+100+58) / 9 = 68.6222...
    EXPECT_EQ(report.text("OScore1"), QStringLiteral("68.6%"));
    // (90+72.7+100+66.7+81) / 5 = 82.08
    EXPECT_EQ(report.text("OScore2"), QStringLiteral("82.1%"));
    EXPECT_EQ(report.text("PCNum"), QStringLiteral("9 / 50"));
    // Mock Examination is not attempted; Percentage (33.3, 66.7) is weakest, Ratio strongest.
    EXPECT_EQ(report.text("WT"), QStringLiteral(" Percentage"));
    EXPECT_EQ(report.text("ST"), QStringLiteral(" Ratio"));

    // Topic 1: 60, 70, 70 first: 66.7% with the bar at the exact two thirds of the track.
    auto* back = report.child<QFrame>(QStringLiteral("TBack1A"));
    auto* bar = report.child<QWidget>(QStringLiteral("TBar1A"));
    ASSERT_TRUE(back && bar);
    const double inner = back->contentsRect().width();
    EXPECT_DOUBLE_EQ(bar->property("exactWidth").toDouble(), inner * 200.0 / 3 / 100);
    EXPECT_EQ(bar->width(), qRound(inner * 2 / 3));
    EXPECT_EQ(bar->x(), back->contentsRect().x());
    EXPECT_EQ(report.text("TMark1A"), QStringLiteral("66.7%"));
    EXPECT_EQ(report.text("TMark1B"), QStringLiteral("90%"));
    EXPECT_EQ(report.text("TopLab1"), QStringLiteral("Whole Numbers"));
    // A screen reader reads the figures with what they are.
    EXPECT_EQ(report.child<QLabel>(QStringLiteral("TMark1A"))->accessibleName(),
              QStringLiteral("Whole Numbers, first attempt, 66.7%"));
    EXPECT_EQ(report.child<QLabel>(QStringLiteral("TMark7A"))->accessibleName(),
              QStringLiteral("Geometry, first attempt, no attempts"));
    EXPECT_EQ(report.child<QLabel>(QStringLiteral("OScore1"))->accessibleName(),
              QStringLiteral("First Attempt Average Score: 68.6%"));
    // Ratio's one paper scored 100: a full track.
    EXPECT_EQ(report.child<QWidget>(QStringLiteral("TBar5A"))->width(), inner);
    // Geometry has no attempts: empty texts, empty bars, but the row is shown.
    EXPECT_EQ(report.text("TMark7A"), QString());
    EXPECT_EQ(report.child<QWidget>(QStringLiteral("TBar7A"))->width(), 0);
    EXPECT_TRUE(report.child<QWidget>(QStringLiteral("TopLab7"))->isVisibleTo(report.topical));
    // The percentage is painted over the bar.
    auto* mark = report.child<QLabel>(QStringLiteral("TMark1A"));
    EXPECT_EQ(mark->parentWidget(), back);
    EXPECT_GT(back->children().indexOf(mark), back->children().indexOf(bar));
    EXPECT_EQ(back->geometry().topLeft(), QPoint(208, 48));  // x 3120, y 720 twips
    EXPECT_EQ(report.child<QFrame>(QStringLiteral("TBack10B"))->geometry(),
              QRect(304, 264, 81, 18));

    report.open(1);
    MaybeSaveShot(report.summary, "report_summary");
    report.open(2);
    MaybeSaveShot(report.topical, "report_topical");

    // A second fill with six topics: the controls are reused, rows 7-10 hide.
    report.body->fill(SampleModule(trend, 6));
    EXPECT_EQ(report.body->findChildren<QLabel*>(QStringLiteral("OScore1")).size(), 1);
    EXPECT_EQ(report.body->findChildren<QWidget*>(QStringLiteral("TBar1A")).size(), 1);
    for (int t = 1; t <= 10; ++t) {
        for (const QString& name :
             {QStringLiteral("TopLab%1").arg(t), QStringLiteral("TBack%1A").arg(t),
              QStringLiteral("TBack%1B").arg(t)})
            EXPECT_EQ(report.child<QWidget>(name)->isVisibleTo(report.topical), t <= 6)
                << qPrintable(name);
    }
}

TEST(ReportPanels, TrendPlotPaintsTheLatestTwenty) {
    QTemporaryDir dir;
    const QString trend = dir.filePath(QStringLiteral("trend1HM.txt"));
    ASSERT_TRUE(WriteTrend(trend, TwentyFiveEntries()));
    ReportBody report;
    report.body->fill(SampleModule(trend));
    report.open(3);

    auto* plot = report.child<TrendPlotWidget>(QStringLiteral("RC3TrendPlot"));
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->size(), QSize(337, 265));  // 5055 x 3975 twips
    ASSERT_EQ(plot->plot().items.size(), 60);
    // Entry 6 (58) is the first point shown.
    EXPECT_EQ(plot->plot().items.at(1).disc.centre,
              QPointF(kTrendPlotWidth / 21, (100 - 58) * kTrendPlotHeight / 100));
    auto* caption = report.child<QLabel>(QStringLiteral("RC3TrendCaption"));
    EXPECT_EQ(caption->text(), QStringLiteral("Recent Papers Attempted"));
    EXPECT_GE(caption->y(), plot->geometry().bottom());

    const QImage image = plot->grab().toImage();
    const double sx = plot->width() / kTrendPlotWidth, sy = plot->height() / kTrendPlotHeight;
    auto pixel = [&](double x, double y) { return image.pixel(qRound(x * sx), qRound(y * sy)); };
    // Each dot is blue, the space between far points white, the 50% grid line light grey.
    for (int j = 0; j < 20; ++j) {
        const QPointF c = plot->plot().items.at(3 * j + 1).disc.centre;
        EXPECT_TRUE(IsBlue(pixel(c.x(), std::min(c.y(), kTrendPlotHeight - 16)))) << j;
    }
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    const int gridY = static_cast<int>(50 * kTrendPlotHeight / 100 * sy);
    const QRgb grid = image.pixel(1, gridY);
    EXPECT_TRUE(qRed(grid) < 250 && qRed(grid) > 180 && qRed(grid) == qBlue(grid)) << qRed(grid);
    MaybeSaveShot(report.trend, "report_trend");

    // Erased results: the grid alone.
    ASSERT_TRUE(WriteTrend(trend, "#TRD#"));
    report.body->fill(SampleModule(trend));
    EXPECT_TRUE(plot->plot().items.isEmpty());
    const QImage empty = plot->grab().toImage();
    int blue = 0;
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x) blue += IsBlue(empty.pixel(x, y));
    EXPECT_EQ(blue, 0);
}
