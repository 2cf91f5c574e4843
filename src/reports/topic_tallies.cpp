#include "reports/topic_tallies.h"

#include "marking/scoring.h"

#include <algorithm>

QString EntryOrEmpty(const QStringList& list, int index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

int TopicSlotsUsed(const ReportInputs& inputs) {
    return std::clamp(inputs.numberOfTopics, 0, kTopicSlots);
}

namespace {

void Tally(const QString& score, AttemptTally& tally) {
    if (score.isEmpty()) return;
    std::int64_t tenths = 0;
    if (!ParseScoreTenths(score, &tenths)) return;
    ++tally.count;
    tally.sumTenths += tenths;
}

}  // namespace

std::array<TopicTally, kTopicSlots> ComputeTopicTallies(const ReportInputs& inputs) {
    std::array<TopicTally, kTopicSlots> tallies{};
    const int topics = TopicSlotsUsed(inputs);
    for (int t = 0; t < topics; ++t) {
        for (int p = 0; p < kPapersPerTopic; ++p) {
            const int i = kPapersPerTopic * t + p;
            Tally(EntryOrEmpty(inputs.fse, i), tallies[t].first);
            Tally(EntryOrEmpty(inputs.sse, i), tallies[t].second);
        }
    }
    return tallies;
}
