// The printed results on every page size the print system knows, both ways round: never below
// the smallest readable size, never past the printable area, and a topic's heading on the page
// of its table. Laid out on a PDF writer with the page layout a print uses.
#include "report_test_inputs.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QMap>
#include <QPdfWriter>

#include "platform/print_target.h"
#include "reports/learner_overview.h"
#include "ui/main/report/print_overview.h"
#include "ui/main/report/print_results.h"

namespace {

struct Checked {
    PrintPlan plan;
    QSizeF area;
};

Checked PlanOn(const QPageSize& size, QPageLayout::Orientation orientation) {
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    PrintTarget target;
    target.pageSize = size;
    target.orientation = orientation;
    writer.setPageLayout(TargetPageLayout(target, size));
    const QList<PrintLine> lines = BuildPrintLines(SampleModule(QString()));
    return {PlanPrintLines(lines, writer), QSizeF(writer.width(), writer.height())};
}

}  // namespace

TEST(PrintLayout, EveryPageSizeIsReadableInsideItsPrintableAreaWithHeadingsByTheirTables) {
    int zones = 0, stacked = 0, sizes = 0;
    for (int id = 0; id < QPageSize::LastPageSize; ++id) {
        const QPageSize size{QPageSize::PageSizeId(id)};
        if (size.id() == QPageSize::Custom || !size.isValid()) continue;
        // Pages whose printable area (15 mm margins all round) is smaller than a playing card
        // are no pages for a table.
        const QSizeF mm = size.size(QPageSize::Millimeter);
        if (std::min(mm.width(), mm.height()) < 80) continue;
        for (auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
            ++sizes;
            const Checked c = PlanOn(size, orientation);
            const QString what =
                size.name() + (orientation == QPageLayout::Landscape ? QStringLiteral(" landscape")
                                                                     : QStringLiteral(" portrait"));
            ASSERT_GE(c.plan.pointSize, kSmallestPrintPointSize) << qPrintable(what);
            ASSERT_FALSE(c.plan.texts.isEmpty());
            zones += c.plan.form == PrintPlan::Form::Zones;
            stacked += c.plan.form == PrintPlan::Form::Stacked;
            QMap<QString, int> topicPage;
            QString topic;
            for (const PrintPlan::Text& t : c.plan.texts) {
                ASSERT_GE(t.rect.left(), 0) << qPrintable(what + t.text);
                ASSERT_GE(t.rect.top(), 0) << qPrintable(what + t.text);
                ASSERT_LE(t.rect.right(), c.area.width() + 0.5) << qPrintable(what + t.text);
                ASSERT_LE(t.rect.bottom(), c.area.height() + 0.5) << qPrintable(what + t.text);
                if (t.text == QStringLiteral("Fractions") || t.text == QStringLiteral("Geometry")) {
                    topic = t.text;
                    topicPage[topic] = t.page;
                }
                // Each topic's name is on the page of its first paper, and of its last one when
                // the page holds a whole topic (all the usual sizes).
                const bool big = std::min(mm.width(), mm.height()) >= 140;
                if (!topic.isEmpty() && (t.text.startsWith(QStringLiteral("Paper 1")) ||
                                         (big && t.text.startsWith(QStringLiteral("Paper 5"))))) {
                    EXPECT_EQ(t.page, topicPage[topic])
                        << qPrintable(what + QLatin1Char(' ') + topic);
                }
                if (t.text.startsWith(QStringLiteral("Paper 5"))) topic.clear();
            }
        }
    }
    EXPECT_GT(sizes, 60);
    // A landscape page keeps the print zones; the usual portrait pages keep the size, in
    // columns; only the narrowest pages stack a paper's figures.
    EXPECT_EQ(PlanOn(QPageSize(QPageSize::A4), QPageLayout::Landscape).plan.form,
              PrintPlan::Form::Zones);
    for (auto id : {QPageSize::A4, QPageSize::Letter, QPageSize::A5}) {
        const PrintPlan plan = PlanOn(QPageSize(id), QPageLayout::Portrait).plan;
        EXPECT_EQ(plan.form, PrintPlan::Form::Columns) << id;
        EXPECT_EQ(plan.pointSize, kPrintPointSize) << id;
    }
    EXPECT_GT(zones, 0);
    EXPECT_GT(stacked, 0);

    // HM_PRINT_SHOTS=folder keeps the narrow pages' PDFs for a look.
    const QString shots = qEnvironmentVariable("HM_PRINT_SHOTS");
    if (shots.isEmpty() || !QDir().mkpath(shots)) return;
    for (auto id : {QPageSize::A5, QPageSize::A6}) {
        QPdfWriter writer(QDir(shots).filePath(QPageSize::key(id) + QStringLiteral(".pdf")));
        PrintTarget target;
        target.pageSize = QPageSize(id);
        writer.setPageLayout(TargetPageLayout(target, target.pageSize));
        EXPECT_TRUE(DrawPrintLines(writer, BuildPrintLines(SampleModule(QString()))));
    }
    QPdfWriter writer(QDir(shots).filePath(QStringLiteral("overview.pdf")));
    PrintTarget target;
    writer.setPageLayout(TargetPageLayout(target, QPageSize(QPageSize::A4)));
    ReportInputs sample = SampleModule(QString());
    sample.trendScores = {QStringLiteral("60"), QStringLiteral("75"), QStringLiteral("90")};
    QList<LearnerOverview> learners;
    for (const char* name : {"Anna", "Bob", "Cara Williamson-Smythe", "Dev", "Eve"})
        learners << ComputeLearnerOverview(QString::fromUtf8(name), sample);
    EXPECT_TRUE(DrawOverview(writer, QStringLiteral("Home Maths Quiz - overview"), learners));
}
