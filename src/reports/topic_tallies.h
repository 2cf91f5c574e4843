#pragma once
// Per-topic counts and sums of the first and second attempts, the first step of every report.
// Sums are kept in tenths of a percent so averages and comparisons stay exact.

#include "content/course_shape.h"
#include "reports/report_inputs.h"

#include <array>
#include <cstdint>

// One slot per topic a module can have; slots past the module's topics stay zero.
inline constexpr int kTopicSlots = kTopicCapacity;

struct AttemptTally {
    int count = 0;               // papers with a score
    std::int64_t sumTenths = 0;  // sum of those scores, in tenths
};

struct TopicTally {
    AttemptTally first, second;
};

// Slot t-1 holds topic t; topics above T stay zero. A score that is not a decimal number is not
// counted, as if the paper had not been attempted.
std::array<TopicTally, kTopicSlots> ComputeTopicTallies(const ReportInputs& inputs);

// Topic count clamped to the ten slots.
int TopicSlotsUsed(const ReportInputs& inputs);

// Entry `index` of a list, or empty text past its end.
QString EntryOrEmpty(const QStringList& list, int index);
