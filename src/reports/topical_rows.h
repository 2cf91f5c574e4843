#pragma once
// The ten rows of the Topical Results sub-view: names, percentages and bar lengths.

#include "reports/topic_tallies.h"

#include <QString>

struct TopicalBar {
    QString percentText;  // "66.7%", or empty text with no attempts
    double fraction = 0;  // unrounded average / 100, on a fixed 0..1 scale (0 with no attempts)
};

struct TopicalRow {
    bool visible = false;  // rows above the topic count are hidden
    QString name;
    TopicalBar first, second;
};

std::array<TopicalRow, kTopicSlots> ComputeTopicalRows(
    const ReportInputs& inputs, const std::array<TopicTally, kTopicSlots>& tallies);

// Width of a bar in a track of `innerWidth`: innerWidth * sum / count / 100, evaluated in that
// order so the bar shows the exact average; 0 with no attempts.
double BarWidth(double innerWidth, const AttemptTally& tally);
