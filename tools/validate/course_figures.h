#pragma once
// The figures the full course is known by, in one place: the generator plans the course to them
// and the course check holds the built package to them.

#include <array>

namespace coursefigures {

constexpr int kFirstPaper = 101;
constexpr int kLastPaper = 150;
constexpr int kQuestions = 1410;

constexpr int questionsOf(int paper) {
    return paper <= 145 ? 30 : 12;
}

// The questions of a paper with two, three and four answer parts; all others have one.
struct MultiPart {
    int paper = 0;
    int two = 0;
    int three = 0;
    int four = 0;
};
constexpr std::array<MultiPart, 13> kMultiPart = {{
    {110, 4, 0, 0},
    {115, 4, 1, 0},
    {120, 8, 1, 0},
    {122, 6, 0, 0},
    {124, 5, 1, 0},
    {125, 3, 0, 0},
    {126, 2, 0, 0},
    {128, 14, 1, 0},
    {129, 9, 1, 0},
    {131, 3, 0, 0},
    {135, 14, 1, 0},
    {141, 5, 1, 0},
    {145, 15, 1, 1},
}};

constexpr MultiPart multiPartOf(int paper) {
    for (const MultiPart& m : kMultiPart)
        if (m.paper == paper) return m;
    return MultiPart{paper, 0, 0, 0};
}

// Answer parts of a paper: one a question, plus the extra parts of its multi-part questions.
constexpr int partsOf(int paper) {
    const MultiPart m = multiPartOf(paper);
    return questionsOf(paper) + m.two + 2 * m.three + 3 * m.four;
}

// Questions of the whole course by their number of parts.
constexpr int kOnePart = 1309;
constexpr int kTwoParts = 92;
constexpr int kThreeParts = 8;
constexpr int kFourParts = 1;

// Parts of each answer kind in the whole course.
struct KindCount {
    char kind;
    int count;
};
constexpr std::array<KindCount, 6> kKinds = {
    {{'N', 1137}, {'Q', 241}, {'T', 49}, {'F', 36}, {'R', 35}, {'X', 23}}};

// Paper totals the course is known by; every paper totals 12 to 79 marks.
constexpr int kMinTotal = 12;
constexpr int kMaxTotal = 79;
struct FixedTotal {
    int paper;
    int total;
};
constexpr std::array<FixedTotal, 3> kFixedTotals = {{{101, 66}, {145, 79}, {146, 24}}};

}  // namespace coursefigures
