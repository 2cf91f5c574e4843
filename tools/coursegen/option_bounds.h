#pragma once
// Wrong options a question could have: a family lists more slips than it needs, in the order it
// prefers them, and keeps the first three whose values the question allows (a part no larger
// than its whole, a whole no smaller than its part, a sale price below the old price). Options
// shown as decimals must be exact decimals; options shown as fractions need not.

#include "question.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

inline std::vector<Slip> slipsWithin(const Frac& answer, const std::vector<Slip>& candidates,
                                     const std::function<bool(const Frac&)>& allowed,
                                     bool asDecimals = true) {
    std::vector<Slip> kept;
    for (const Slip& s : candidates) {
        if (kept.size() == 3) break;
        bool repeat = false;
        for (const Slip& k : kept) repeat = repeat || k.value == s.value;
        if (repeat || s.value == answer || s.value <= Frac(0) ||
            (asDecimals && !exactDecimal(s.value)) ||
            !allowed(s.value))
            continue;
        kept.push_back(s);
    }
    if (kept.size() < 3) throw std::logic_error("fewer than three sensible wrong options");
    return kept;
}

// The same slips with each value the question could not have replaced by the next allowed
// fallback, so that the list keeps its length and the options are drawn as before. Slips the
// options leave out either way (the answer, money that is not whole cents) stay. A list that
// runs out of fallbacks repeats an allowed slip, which the options show once.
inline std::vector<Slip> slipsAllowed(const Frac& answer, std::vector<Slip> slips,
                                      const std::vector<Slip>& fallbacks,
                                      const std::function<bool(const Frac&)>& allowed,
                                      bool money = false) {
    auto wholeCents = [](const Frac& v) { return (v * Frac(100)).isInt(); };
    auto stands = [&](const Frac& v) {
        return v != answer && v > Frac(0) && exactDecimal(v) && allowed(v) &&
               (!money || wholeCents(v));
    };
    auto listed = [&](const Frac& v) {
        for (const Slip& s : slips)
            if (s.value == v) return true;
        return false;
    };
    std::size_t next = 0;
    std::vector<std::size_t> replaced;
    for (std::size_t i = 0; i < slips.size(); ++i) {
        // Only a value the options would show and the question could not have is replaced;
        // one the options leave out anyway (the answer itself, a repeat) stays.
        const Frac& v = slips[i].value;
        if (allowed(v) || v == answer || v <= Frac(0) || !exactDecimal(v) ||
            (money && !wholeCents(v)))
            continue;
        while (next < fallbacks.size() &&
               (!stands(fallbacks[next].value) || listed(fallbacks[next].value)))
            ++next;
        if (next < fallbacks.size())
            slips[i] = fallbacks[next++];
        else
            replaced.push_back(i);
    }
    std::vector<Slip> distinct;
    for (const Slip& s : slips) {
        bool seen = false;
        for (const Slip& d : distinct) seen = seen || d.value == s.value;
        if (!seen && stands(s.value)) distinct.push_back(s);
    }
    // Too few left: answerNumber refuses a choice question, and a typed one shows no options.
    if (!distinct.empty())
        for (std::size_t i : replaced) slips[i] = distinct.front();
    return slips;
}

// Whether at least three of the candidates stand as options the question could have: a
// family with a choice shape draws again until they do.
inline bool enoughWithin(const Frac& answer, const std::vector<Slip>& candidates,
                         const std::function<bool(const Frac&)>& allowed, bool money = false) {
    std::vector<Frac> kept;
    for (const Slip& s : candidates) {
        const Frac& v = s.value;
        if (v == answer || v <= Frac(0) || !exactDecimal(v) || !allowed(v) ||
            (money && !(v * Frac(100)).isInt()) ||
            std::find(kept.begin(), kept.end(), v) != kept.end())
            continue;
        kept.push_back(v);
    }
    return kept.size() >= 3;
}
