#pragma once
// The texts of the Overall Results sub-view.

#include "reports/topic_tallies.h"

#include <QString>

struct SummaryTexts {
    QString firstAverage;     // OScore1: "78.3%" or "-"
    QString secondAverage;    // OScore2
    QString papersCompleted;  // PCNum: "F / N"
    QString weakestTopic;     // WT: " name" or "-"
    QString strongestTopic;   // ST
};

// The topic that never counts as strongest or weakest.
inline const QString kMockExaminationName = QStringLiteral("Mock Examination");

SummaryTexts ComputeSummary(const ReportInputs& inputs,
                            const std::array<TopicTally, kTopicSlots>& tallies);

// Average of a tally as the report shows it: one decimal and "%", or "-" with no attempts.
QString AverageText(const AttemptTally& tally);
