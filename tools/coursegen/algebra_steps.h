#pragma once
// What the Algebra families share when they explain: a number added or taken away, written as
// the question writes it, and the step that undoes it on both sides of an equation.

#include "step_text.h"

#include <string>
#include <vector>

namespace algebra {

// " + 7" or " &minus; 7", to follow a term.
inline std::string signedPart(int v) {
    return v < 0 ? " &minus; " + std::to_string(-v) : " + " + std::to_string(v);
}

// "+ 7" or "&minus; 7", as a step names it: "undo the + 7".
inline std::string signedText(int v) {
    return v < 0 ? "&minus; " + std::to_string(-v) : "+ " + std::to_string(v);
}

// Undoing a number added (or taken away) on one side of an equation whose other side is
// `total`: "Undo the + 7: take 7 from both sides: 4x = 31 &minus; 7 = 24."
inline std::string undoStep(int added, int total, const std::string& left) {
    const std::string n = std::to_string(added < 0 ? -added : added);
    if (added < 0)
        return "Undo the " + signedText(added) + ": add " + n + " to both sides: " + left + " = " +
               std::to_string(total) + " + " + n + " = " + std::to_string(total - added) + ".";
    return "Undo the " + signedText(added) + ": take " + n + " from both sides: " + left + " = " +
           std::to_string(total) + " &minus; " + n + " = " + std::to_string(total - added) + ".";
}

// The slips that are whole numbers: a count of coins, marbles or terms has no fraction.
inline std::vector<Slip> wholeOnly(const std::vector<Slip>& slips) {
    std::vector<Slip> out;
    for (const Slip& s : slips)
        if (s.value.isInt()) out.push_back(s);
    return out;
}

}  // namespace algebra
