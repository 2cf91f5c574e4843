#include "ui/main/report/report_fill.h"

#include "reports/summary_figures.h"
#include "reports/topical_rows.h"
#include "reports/trend_plot.h"
#include "ui/main/report/summary_view.h"
#include "ui/main/report/topical_view.h"
#include "ui/main/report/trend_view.h"

#include <QWidget>

void FillReport(QWidget* bodyReport, const ReportInputs& inputs) {
    if (!bodyReport) return;
    auto* summary = bodyReport->findChild<QWidget*>(QStringLiteral("RC1Summary"));
    auto* topical = bodyReport->findChild<QWidget*>(QStringLiteral("RC2Topical"));
    auto* trend = bodyReport->findChild<QWidget*>(QStringLiteral("RC3Trend"));
    BuildSummaryView(summary);
    BuildTopicalView(topical);
    BuildTrendView(trend);

    // Tallies, topical rows, summary, row visibility, trend: every figure recomputed each time.
    const auto tallies = ComputeTopicTallies(inputs);
    const auto rows = ComputeTopicalRows(inputs, tallies);
    for (int t = 1; t <= kTopicSlots; ++t) FillTopicalRow(topical, t, rows[t - 1]);
    FillSummaryView(summary, ComputeSummary(inputs, tallies));
    SetTopicalRowsVisible(topical, TopicSlotsUsed(inputs));
    FillTrendView(trend, ReadTrendValues(inputs.trendFilePath));
}
