#include "reports/topical_rows.h"

#include "marking/scoring.h"

namespace {

TopicalBar MakeBar(const AttemptTally& tally) {
    TopicalBar bar;
    if (tally.count > 0) {
        bar.percentText =
            OneDecimalText(tally.sumTenths, std::int64_t{10} * tally.count) + QLatin1Char('%');
        bar.fraction = BarWidth(1.0, tally);
    }
    return bar;
}

}  // namespace

double BarWidth(double innerWidth, const AttemptTally& tally) {
    if (tally.count <= 0) return 0;
    const double sum = static_cast<double>(tally.sumTenths) / 10.0;
    return innerWidth * sum / tally.count / 100.0;
}

std::array<TopicalRow, kTopicSlots> ComputeTopicalRows(
    const ReportInputs& inputs, const std::array<TopicTally, kTopicSlots>& tallies) {
    std::array<TopicalRow, kTopicSlots> rows{};
    const int topics = TopicSlotsUsed(inputs);
    for (int t = 0; t < kTopicSlots; ++t) {
        TopicalRow& row = rows[t];
        row.visible = t < topics;
        if (!row.visible) continue;
        row.name = EntryOrEmpty(inputs.topicNames, t);
        row.first = MakeBar(tallies[t].first);
        row.second = MakeBar(tallies[t].second);
    }
    return rows;
}
