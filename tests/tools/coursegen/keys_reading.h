#pragma once
// Reading what a question shows, for the key checks of the Percentage, Ratio, Rate and Algebra
// families: the texts of its pictures, the rows of its tables, the bars of a bar chart and the
// ticks of a number line. The checks work from these rather than from the generator's numbers
// wherever the learner works from them too.

#include "key_check.h"

#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace keycheck {

struct FigureText {
    int x = 0;
    int y = 0;
    char align = 'l';
    std::string text;
};

// Every `text` primitive of the question's pictures, in drawing order.
inline std::vector<FigureText> figureTexts(const course::Question& q) {
    static const std::regex re(R"re(^text (-?\d+) (-?\d+) ([lcr]) "(.*)"$)re");
    std::vector<FigureText> out;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            std::smatch m;
            if (std::regex_match(op, m, re))
                out.push_back({std::stoi(m[1]), std::stoi(m[2]), m[3].str()[0], m[4]});
        }
    return out;
}

// The numbers of each primitive `verb` ("line", "rect", ...) of the pictures, and whether it is
// drawn after a given colour was set.
struct Primitive {
    std::vector<int> v;
    std::string colour;
    std::string fill;
};
inline std::vector<Primitive> primitives(const course::Question& q, const std::string& verb) {
    std::vector<Primitive> out;
    for (const auto& f : q.figures) {
        std::string colour = "#000000";
        for (const auto& op : f.ops) {
            std::istringstream in(op);
            std::string word;
            in >> word;
            if (word == "colour") {
                in >> colour;
                continue;
            }
            if (word != verb) continue;
            Primitive p;
            p.colour = colour;
            while (in >> word) {
                if (word.rfind("fill=", 0) == 0)
                    p.fill = word.substr(5);
                else if (!word.empty() &&
                         (std::isdigit(static_cast<unsigned char>(word[0])) || word[0] == '-'))
                    p.v.push_back(std::stoi(word));
            }
            out.push_back(p);
        }
    }
    return out;
}

// The cells of each body row of the question's tables (the heading row left out), tags removed.
inline std::vector<std::vector<std::string>> tableRows(const std::string& html) {
    static const std::regex row(R"(<tr>(.*?)</tr>)");
    static const std::regex cell(R"(<td[^>]*>(.*?)</td>)");
    std::vector<std::vector<std::string>> out;
    for (std::sregex_iterator r(html.begin(), html.end(), row), e; r != e; ++r) {
        const std::string inner = (*r)[1];
        std::vector<std::string> cells;
        for (std::sregex_iterator c(inner.begin(), inner.end(), cell); c != e; ++c)
            cells.push_back(plainNumbers((*c)[1]));
        if (!cells.empty()) out.push_back(cells);
    }
    return out;
}

// The heading cells of the question's first table, tags removed.
inline std::vector<std::string> tableHead(const std::string& html) {
    static const std::regex cell(R"(<th[^>]*>(.*?)</th>)");
    std::vector<std::string> out;
    const auto end = html.find("</tr>");
    const std::string first = html.substr(0, end);
    for (std::sregex_iterator c(first.begin(), first.end(), cell), e; c != e; ++c)
        out.push_back(plainNumbers((*c)[1]));
    return out;
}

// The number a text starts with: "6&nbsp;g" is 6, "$1&nbsp;250" is 1250, "35%" is 35.
inline Rat leadingNumber(std::string text) {
    text = plainNumbers(text);
    if (!text.empty() && text[0] == '$') text.erase(0, 1);
    const auto end = text.find_first_not_of("0123456789./");
    return parseRat(text.substr(0, end));
}

// A bar chart read the way a learner reads it: each bar's height against the scale's numbers.
inline std::vector<std::pair<std::string, Rat>> readBarChart(const course::Question& q) {
    const auto texts = figureTexts(q);
    // The scale: numbers written right-aligned at the left of the chart.
    std::vector<std::pair<int, int>> scale;  // y, value
    for (const auto& t : texts)
        if (t.align == 'r' && !t.text.empty() &&
            t.text.find_first_not_of("0123456789") == std::string::npos)
            scale.emplace_back(t.y, std::stoi(t.text));
    if (scale.size() < 2) throw std::runtime_error("no scale on the chart");
    std::sort(scale.begin(), scale.end());
    const auto [topY, topValue] = scale.front();
    const auto [axisY, zero] = scale.back();
    if (zero != 0) throw std::runtime_error("the scale does not start at 0");
    const double perUnit = static_cast<double>(axisY - topY) / topValue;
    // A bar ends on a gridline or halfway between two.
    const double half = (scale[scale.size() - 2].second - zero) / 2.0;
    // The bars, left to right, and the names under them.
    std::vector<std::pair<int, Rat>> bars;
    for (const auto& r : primitives(q, "rect")) {
        if (r.v.size() < 4) continue;
        const double value = r.v[3] / perUnit;
        const long long halves = std::llround(value / half);
        if (std::abs(value / half - static_cast<double>(halves)) > 0.2)
            throw std::runtime_error("a bar ends between the marks of the scale");
        bars.emplace_back(r.v[0] + r.v[2] / 2,
                          Rat(halves * (scale[scale.size() - 2].second - zero), 2));
    }
    std::vector<std::pair<std::string, Rat>> out;
    for (const auto& t : texts)
        if (t.align == 'c' && t.y > axisY) {
            Rat value;  // a bar of nothing is not drawn
            for (const auto& [mid, v] : bars)
                if (std::abs(mid - t.x) <= 2) value = v;
            out.emplace_back(t.text, value);
        }
    return out;
}

// A number line: how many equal steps it has, and at which step its arrow points.
inline std::pair<long long, long long> readNumberLine(const course::Question& q) {
    std::vector<int> ticks;
    int arrow = -1;
    for (const auto& l : primitives(q, "line")) {
        if (l.v.size() < 4 || l.v[0] != l.v[2]) continue;
        if (l.colour != "#000000") {
            arrow = l.v[0];
            continue;
        }
        ticks.push_back(l.v[0]);
    }
    std::sort(ticks.begin(), ticks.end());
    const auto at = std::find(ticks.begin(), ticks.end(), arrow);
    if (ticks.size() < 3 || at == ticks.end()) throw std::runtime_error("no arrow on a tick");
    return {static_cast<long long>(ticks.size()) - 1, at - ticks.begin()};
}

// A time of day as a question prints it ("9.05 am", "9:05am", "9.05 PM"), as minutes after
// midnight.
inline int readTime(std::string text) {
    static const std::regex re(R"(^(\d{1,2})[.:](\d\d) ?([AaPp])[Mm]$)");
    const std::string nbsp = "&nbsp;";
    if (const auto at = text.find(nbsp); at != std::string::npos)
        text.replace(at, nbsp.size(), " ");
    std::smatch m;
    if (!std::regex_match(text, m, re)) throw std::runtime_error("not a time: " + text);
    const int h = std::stoi(m[1]) % 12;
    const bool pm = m[3] == "p" || m[3] == "P";
    return (pm ? 12 * 60 : 0) + h * 60 + std::stoi(m[2]);
}

// The time a clock face shows, read from its hands (minutes after 12 o'clock, 0 to 719): the
// longer hand from the centre gives the minutes, the shorter one the hour it has passed.
inline int readClock(const course::Question& q) {
    const auto circles = primitives(q, "circle");
    if (circles.empty()) throw std::runtime_error("no clock");
    const int cx = circles.back().v.at(0);
    const int cy = circles.back().v.at(1);
    std::vector<std::pair<double, double>> hands;  // length, clockwise angle from twelve
    for (const auto& l : primitives(q, "line")) {
        if (l.v.size() < 4 || l.v[0] != cx || l.v[1] != cy) continue;
        const double dx = l.v[2] - cx;
        const double dy = cy - l.v[3];
        double angle = std::atan2(dx, dy) * 180.0 / 3.14159265358979323846;
        if (angle < 0) angle += 360;
        hands.emplace_back(std::hypot(dx, dy), angle);
    }
    if (hands.size() != 2) throw std::runtime_error("a clock needs two hands");
    std::sort(hands.begin(), hands.end());
    const int minute = static_cast<int>(std::lround(hands[1].second / 6)) % 60;
    // The hour hand has moved on by the minutes; take that back before reading the hour.
    double hourAngle = hands[0].second - minute / 2.0;
    if (hourAngle < -3) hourAngle += 360;
    const int hour = static_cast<int>(std::lround(hourAngle / 30)) % 12;
    return hour * 60 + minute;
}

// A line graph read as its numbers say: the corners of the plotted line in the units of the
// axes (the numbers under the horizontal axis and left of the vertical one).
inline std::vector<std::pair<Rat, Rat>> readLineGraph(const course::Question& q) {
    std::vector<std::pair<int, int>> xs, ys;  // pixel, value
    for (const auto& t : figureTexts(q)) {
        if (t.text.empty() || t.text.find_first_not_of("0123456789") != std::string::npos) continue;
        if (t.align == 'c') xs.emplace_back(t.x, std::stoi(t.text));
        if (t.align == 'r') ys.emplace_back(t.y, std::stoi(t.text));
    }
    if (xs.size() < 2 || ys.size() < 2) throw std::runtime_error("no scales on the graph");
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    const auto [x0, vx0] = xs.front();
    const auto [x1, vx1] = xs.back();
    const auto [yTop, vyTop] = ys.front();
    const auto [yBottom, vyBottom] = ys.back();
    // The corners of the line lie on the gridlines, one step of the numbers apart.
    const int xStep = xs[1].second - xs[0].second;
    const int yStep = ys[ys.size() - 2].second - ys.back().second;
    auto value = [](int px, int p0, int v0, int p1, int v1, int step) {
        const double v = v0 + static_cast<double>(px - p0) * (v1 - v0) / (p1 - p0);
        const long long snapped = std::llround(v / step) * step;
        if (std::abs(v - static_cast<double>(snapped)) > step / 4.0)
            throw std::runtime_error("a corner of the line is off the grid");
        return Rat(snapped);
    };
    std::vector<std::pair<Rat, Rat>> points;
    for (const auto& l : primitives(q, "line")) {
        if (l.colour == "#000000" || l.colour == "#cbd5e1" || l.v.size() < 4) continue;
        const std::pair<Rat, Rat> a = {value(l.v[0], x0, vx0, x1, vx1, xStep),
                                       value(l.v[1], yBottom, vyBottom, yTop, vyTop, yStep)};
        const std::pair<Rat, Rat> b = {value(l.v[2], x0, vx0, x1, vx1, xStep),
                                       value(l.v[3], yBottom, vyBottom, yTop, vyTop, yStep)};
        if (points.empty()) points.push_back(a);
        points.push_back(b);
    }
    return points;
}

}  // namespace keycheck
