#include "reports/learner_overview.h"

#include "reports/stored_date.h"
#include "reports/summary_figures.h"
#include "reports/topic_tallies.h"
#include "reports/trend_plot.h"

LearnerOverview ComputeLearnerOverview(const QString& name, const ReportInputs& inputs,
                                       const QLocale& locale) {
    LearnerOverview overview;
    overview.name = name;
    const SummaryTexts summary = ComputeSummary(inputs, ComputeTopicTallies(inputs));
    overview.papersMarked = summary.papersCompleted;
    overview.firstAverage = summary.firstAverage;
    overview.secondAverage = summary.secondAverage;
    overview.strongestTopic = summary.strongestTopic.trimmed();
    overview.weakestTopic = summary.weakestTopic.trimmed();

    std::optional<QDate> latest;
    for (const QString& stored : inputs.cdd) {
        const std::optional<QDate> date = ParseStoredDate(stored, locale);
        if (date && (!latest || *date > *latest)) latest = date;
    }
    overview.lastPractised =
        latest ? locale.toString(*latest, QLocale::ShortFormat) : QStringLiteral("-");

    const QList<double> values = SelectTrendValues(inputs.trendScores);
    overview.recentScores = values.mid(qMax<qsizetype>(0, values.size() - kOverviewTrendPoints));
    return overview;
}
