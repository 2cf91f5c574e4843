#pragma once
// Readers the number topics' checkers share: the cells of a question's table, its bold texts,
// the bars of a bar chart measured off the picture, and the labels a figure prints. They read
// what the learner sees, so a checker built on them does not repeat the generator's arithmetic.

#include "key_check.h"

#include <algorithm>
#include <functional>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace keycheck {

// The rows of the first table, heading row first; each cell's text as written.
inline std::vector<std::vector<std::string>> tableRowsWithHead(const std::string& html) {
    std::vector<std::vector<std::string>> rows;
    static const std::regex row(R"(<tr>(.*?)</tr>)");
    static const std::regex cell(R"(<t[hd][^>]*>(.*?)</t[hd]>)");
    for (std::sregex_iterator it(html.begin(), html.end(), row), e; it != e; ++it) {
        const std::string inner = (*it)[1];
        std::vector<std::string> cells;
        for (std::sregex_iterator c(inner.begin(), inner.end(), cell); c != e; ++c)
            cells.push_back((*c)[1]);
        rows.push_back(cells);
    }
    if (rows.empty()) throw std::runtime_error("no table");
    return rows;
}

// Every <b>...</b> text, in order.
inline std::vector<std::string> bolds(const std::string& html) {
    std::vector<std::string> out;
    static const std::regex bold(R"(<b>([^<]*)</b>)");
    for (std::sregex_iterator it(html.begin(), html.end(), bold), e; it != e; ++it)
        out.push_back((*it)[1]);
    return out;
}

inline std::vector<std::string> splitText(const std::string& s, char by) {
    std::vector<std::string> out;
    std::stringstream in(s);
    std::string part;
    while (std::getline(in, part, by)) {
        while (!part.empty() && part.front() == ' ') part.erase(part.begin());
        while (!part.empty() && part.back() == ' ') part.pop_back();
        out.push_back(part);
    }
    return out;
}

// Whether a listed order ("0.3, 0.45, 1.2") goes up strictly.
inline bool ascending(const std::string& list) {
    std::vector<Rat> v;
    for (const auto& t : splitText(list, ',')) v.push_back(parseRat(t));
    for (std::size_t i = 1; i < v.size(); ++i)
        if (!(v[i - 1] < v[i])) return false;
    return true;
}

// The one option that fits; a question where none or several fit is itself a fault.
inline std::string onlyOption(const course::Question& q,
                              const std::function<bool(const std::string&)>& fits) {
    std::vector<std::string> hits;
    for (const auto& o : options(q.html))
        if (fits(o)) hits.push_back(o);
    if (hits.size() != 1) throw std::runtime_error(std::to_string(hits.size()) + " options fit");
    return hits[0];
}

// The one option strictly between the question's two bold numbers.
inline std::string onlyOptionBetweenBolds(const course::Question& q) {
    const auto b = bolds(q.html);
    const Rat lo = parseRat(b.at(0));
    const Rat hi = parseRat(b.at(1));
    return onlyOption(q, [&](const std::string& o) {
        const Rat v = parseRat(o);
        return lo < v && v < hi;
    });
}

// The strings a figure prints, in drawing order.
inline std::vector<std::string> figureLabels(const course::Question& q) {
    std::vector<std::string> out;
    static const std::regex text(R"re(^text -?\d+ -?\d+ [lcr] "(.*)"$)re");
    std::smatch m;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops)
            if (std::regex_match(op, m, text)) out.push_back(m[1]);
    return out;
}

// A bar chart read as a learner reads it: each bar's height against the numbered scale (the
// labels up the left, "0" at the axis), to the nearest `resolution`.
inline std::vector<Rat> barValues(const course::Question& q, long long resolution) {
    static const std::regex label(R"re(^text (\d+) (\d+) r "(\d+)"$)re");
    static const std::regex bar(R"(^rect \d+ (\d+) \d+ (\d+) fill=#60a5fa$)");
    std::smatch m;
    long long zeroY = -1;
    long long topY = 0;
    long long topValue = 0;
    std::vector<long long> heights;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            if (std::regex_match(op, m, label)) {
                const long long v = std::stoll(m[3]);
                if (v == 0) zeroY = std::stoll(m[2]);
                if (v > topValue) {
                    topValue = v;
                    topY = std::stoll(m[2]);
                }
            } else if (std::regex_match(op, m, bar)) {
                heights.push_back(std::stoll(m[2]));
            }
        }
    if (zeroY < 0 || topValue == 0) throw std::runtime_error("no scale on the bar chart");
    std::vector<Rat> out;
    const long long span = zeroY - topY;
    for (long long h : heights) {
        // nearest multiple of the resolution to h * topValue / span
        const long long scaled = h * topValue;
        const long long unit = span * resolution;
        out.push_back(Rat((scaled * 2 + unit) / (2 * unit) * resolution));
    }
    return out;
}

// The options as written (text options compared by their exact text).
inline std::string optionWith(const course::Question& q, const std::string& text) {
    for (const auto& o : options(q.html))
        if (o == text) return o;
    throw std::runtime_error("no option reads " + text);
}

// The number that makes "left = right" true when it stands for the "?": read as a straight line
// through two trial values, or searched for among whole numbers when "?" divides.
inline Rat solveMissing(const std::string& equation) {
    const auto eq = equation.find(" = ");
    if (eq == std::string::npos) throw std::runtime_error("no equation: " + equation);
    auto side = [&](Rat x, bool left) {
        std::string t = left ? equation.substr(0, eq) : equation.substr(eq + 3);
        const std::string shown =
            x.whole() ? std::to_string(x.n) : std::to_string(x.n) + "/" + std::to_string(x.d);
        for (auto at = t.find('?'); at != std::string::npos; at = t.find('?'))
            t.replace(at, 1, "(" + shown + ")");
        return Expr(t).value();
    };
    auto gap = [&](Rat x) { return side(x, true) - side(x, false); };
    std::vector<Rat> found;
    if (equation.find("&divide; ?") == std::string::npos) {
        const Rat f0 = gap(0);
        const Rat slope = gap(1) - f0;
        if (slope == Rat(0)) throw std::runtime_error("no single missing number");
        found.push_back(Rat(0) - f0 / slope);
    } else {
        for (long long x = 1; x <= 10000; ++x)
            if (gap(x) == Rat(0)) found.push_back(x);
    }
    if (found.size() != 1) throw std::runtime_error("not one missing number");
    return found[0];
}

// The "?" of a sequence shown as "a, b, c, ?" (or with the "?" inside), from the step the
// shown terms keep.
inline Rat sequenceGap(const std::string& shown) {
    const auto terms = splitText(shown, ',');
    std::vector<std::pair<long long, Rat>> known;
    long long gap = -1;
    for (std::size_t i = 0; i < terms.size(); ++i)
        if (terms[i] == "?")
            gap = static_cast<long long>(i);
        else
            known.emplace_back(static_cast<long long>(i), parseRat(plainNumbers(terms[i])));
    if (gap < 0 || known.size() < 3) throw std::runtime_error("no sequence with a gap");
    const Rat step = (known[1].second - known[0].second) / Rat(known[1].first - known[0].first);
    for (const auto& [i, v] : known)
        if (!(v == known[0].second + step * Rat(i - known[0].first)))
            throw std::runtime_error("not the same step each time");
    return known[0].second + step * Rat(gap - known[0].first);
}

// A number line's arrow: the ends are the numbers printed under the end ticks (grouped as the
// page shows them), the marks equally spaced.
inline Rat numberLineArrow(const P& p) {
    const Rat step = (p.r("end") - p.r("start")) / p.r("intervals");
    int labelled = 0;
    for (std::string label : figureLabels(p.q)) {
        label.erase(std::remove(label.begin(), label.end(), ' '), label.end());
        labelled += label == p.s("start") || label == p.s("end");
    }
    if (labelled != 2) throw std::runtime_error("the end labels are not on the picture");
    return p.r("start") + step * p.r("at");
}

// Every number in the text followed by the unit, in order: "2.4&nbsp;kg, 3.15&nbsp;kg".
inline std::vector<Rat> numbersBefore(const std::string& html, const std::string& unit) {
    std::vector<Rat> out;
    const std::regex number("(\\d+(?:\\.\\d+)?)&nbsp;" + unit + "(?![a-z])");
    const std::string text = plainNumbers(html);
    for (std::sregex_iterator it(text.begin(), text.end(), number), e; it != e; ++it)
        out.push_back(parseRat((*it)[1]));
    return out;
}

}  // namespace keycheck
