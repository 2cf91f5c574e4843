#pragma once
// Wrong options that could still be the answer to their question: a remainder below the
// divisor, a mean between the smallest and the largest value, a share of a square no more than
// the whole square. A family lists its slips in the order it prefers them and keeps the first
// three that stand.

#include "question.h"

#include <algorithm>
#include <vector>

// The first three candidates from `least` to `most` (both included), above zero, exact decimals,
// different from the answer and from each other. Fewer than three means the draw cannot be
// posed as a choice.
inline std::vector<Slip> possibleSlips(const Frac& answer, const std::vector<Slip>& candidates,
                                       const Frac& least, const Frac& most) {
    std::vector<Slip> out;
    for (const Slip& c : candidates) {
        if (out.size() == 3) break;
        if (c.value <= Frac(0) || c.value < least || c.value > most || c.value == answer ||
            !exactDecimal(c.value))
            continue;
        if (std::any_of(out.begin(), out.end(), [&](const Slip& o) { return o.value == c.value; }))
            continue;
        out.push_back(c);
    }
    return out;
}
