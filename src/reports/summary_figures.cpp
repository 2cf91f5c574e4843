#include "reports/summary_figures.h"

#include "marking/scoring.h"

namespace {

// A combined topic average as an exact fraction: tenths / count.
struct Average {
    std::int64_t tenths = 0;
    std::int64_t count = 1;
};

bool LessOrEqual(const Average& a, const Average& b) {
    return a.tenths * b.count <= b.tenths * a.count;
}

Average CombinedAverage(const TopicTally& tally) {
    if (tally.second.count > 0)
        return {tally.first.sumTenths + tally.second.sumTenths,
                tally.first.count + tally.second.count};
    return {tally.first.sumTenths, tally.first.count};
}

}  // namespace

QString AverageText(const AttemptTally& tally) {
    if (tally.count < 1) return QStringLiteral("-");
    return OneDecimalText(tally.sumTenths, std::int64_t{10} * tally.count) + QLatin1Char('%');
}

SummaryTexts ComputeSummary(const ReportInputs& inputs,
                            const std::array<TopicTally, kTopicSlots>& tallies) {
    AttemptTally first, second;
    for (const TopicTally& t : tallies) {
        first.count += t.first.count;
        first.sumTenths += t.first.sumTenths;
        second.count += t.second.count;
        second.sumTenths += t.second.sumTenths;
    }

    SummaryTexts texts;
    texts.firstAverage = AverageText(first);
    texts.secondAverage = AverageText(second);
    texts.papersCompleted = QStringLiteral("%1 / %2").arg(first.count).arg(inputs.paperCount);
    texts.weakestTopic = texts.strongestTopic = QStringLiteral("-");

    // Strongest and weakest compare topics: with fewer than two attempted topics that may be
    // named (the mock examination never is), neither is named.
    const int topics = TopicSlotsUsed(inputs);
    QList<int> candidates;
    for (int t = 0; t < topics; ++t) {
        if (tallies[t].first.count > 0 &&
            EntryOrEmpty(inputs.topicNames, t) != kMockExaminationName)
            candidates.append(t);
    }
    if (candidates.size() < 2) return texts;

    // Later topics win ties: each walk takes a candidate that is at least as good as the choice so
    // far.
    int weakest = -1, strongest = -1;
    Average weakestAverage, strongestAverage;
    for (int t : candidates) {
        const Average a = CombinedAverage(tallies[t]);
        if (weakest < 0 || LessOrEqual(a, weakestAverage)) {
            weakest = t;
            weakestAverage = a;
        }
        if (strongest < 0 || LessOrEqual(strongestAverage, a)) {
            strongest = t;
            strongestAverage = a;
        }
    }
    texts.weakestTopic = QLatin1Char(' ') + EntryOrEmpty(inputs.topicNames, weakest);
    texts.strongestTopic = QLatin1Char(' ') + EntryOrEmpty(inputs.topicNames, strongest);
    return texts;
}
