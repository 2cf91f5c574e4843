#pragma once
// How a course is laid out: modules, their topics and the papers of each topic. Every count and
// every paper-to-topic sum in the program comes from here.

#include "records/record_file.h"

inline constexpr int kModuleCount = 3;                     // modules 1 to 3; a course defines some
inline constexpr int kTopicCapacity = kTopicNameCapacity;  // topics of one module, at most
inline constexpr int kPapersPerTopic = 5;  // each topic owns this many papers in a row

// Paper index (1-based) of topic t's first paper: 1, 6, 11, ...
constexpr int FirstPaperOfTopic(int topic) {
    return kPapersPerTopic * (topic - 1) + 1;
}

// The topic (1-based) a paper index belongs to.
constexpr int TopicOfPaper(int paperIndex) {
    return (paperIndex - 1) / kPapersPerTopic + 1;
}

constexpr bool IsModuleNumber(int module) {
    return module >= 1 && module <= kModuleCount;
}
