#pragma once
// What the Ratio and Proportions families write alike: a ratio whose terms stay on one line, and
// the worked step that simplifies a ratio by the highest common factor of its terms.

#include "families.h"
#include "held_steps.h"
#include "question.h"

#include <string>
#include <vector>

namespace ratiowork {

// "12&nbsp;:&nbsp;18": a line never breaks inside a ratio, nor leaves its last term alone at the
// start of a line when the ratio ends a sentence.
inline std::string ratioHtml(const std::vector<std::string>& terms) {
    std::string s;
    for (const std::string& t : terms) s += (s.empty() ? "" : "&nbsp;:&nbsp;") + t;
    return s;
}

inline std::string ratioHtml(const std::vector<int>& terms) {
    std::vector<std::string> shown;
    for (int t : terms) shown.push_back(num(Frac(t)));
    return ratioHtml(shown);
}

inline int hcf(const std::vector<int>& terms) {
    int g = 0;
    for (int t : terms) g = gcdInt(g, t);
    return g;
}

// "12 and 18", "12, 18 and 24".
inline std::string listed(const std::vector<int>& terms) {
    std::string s;
    for (std::size_t i = 0; i < terms.size(); ++i)
        s += (i == 0 ? "" : i + 1 == terms.size() ? " and " : ", ") + num(Frac(terms[i]));
    return s;
}

// Each term divided by g, the divisions written out: "12 &divide; 6 = 2; 18 &divide; 6 = 3".
inline std::string divisions(const std::vector<int>& terms, int g) {
    std::string s;
    for (int t : terms)
        s += (s.empty() ? "" : "; ") + num(Frac(t)) + " &divide; " + num(Frac(g)) + " = " +
             num(Frac(t / g));
    return s;
}

inline std::vector<int> simplified(const std::vector<int>& terms) {
    const int g = hcf(terms);
    std::vector<int> out;
    for (int t : terms) out.push_back(t / g);
    return out;
}

// The step that brings a ratio of whole numbers to its simplest form.
inline std::string simplifyStep(const std::vector<int>& terms) {
    const int g = hcf(terms);
    if (g == 1)
        return "The only common factor of " + listed(terms) + " is 1, so " + ratioHtml(terms) +
               " is already in its simplest form.";
    return "The highest common factor of " + listed(terms) + " is " + num(Frac(g)) +
           ". Divide every term by it: " + divisions(terms, g) + ", so " + ratioHtml(terms) +
           " = " + ratioHtml(simplified(terms)) + ".";
}

}  // namespace ratiowork
