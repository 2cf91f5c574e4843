#include "fam_kit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace kit {

const std::vector<std::string>& timeStyles() {
    static const std::vector<std::string> styles = {"dot", "colon", "caps"};
    return styles;
}

std::string clock12(int minutes, const std::string& style) {
    const int t = ((minutes % 1440) + 1440) % 1440;
    const int h24 = t / 60;
    const int m = t % 60;
    const int h = h24 % 12 == 0 ? 12 : h24 % 12;
    const std::string mm = (m < 10 ? "0" : "") + S(m);
    const bool pm = h24 >= 12;
    if (style == "colon") return S(h) + ":" + mm + (pm ? "pm" : "am");
    if (style == "caps") return S(h) + "." + mm + (pm ? " PM" : " AM");
    return S(h) + "." + mm + (pm ? " pm" : " am");
}

std::string timeNote(const std::string& style, int answer) {
    const int example = answer % 1440 == 9 * 60 + 5 ? 10 * 60 + 5 : 9 * 60 + 5;
    const std::string form = style == "colon" ? "3:15pm" : style == "caps" ? "3.15 PM" : "3.15 pm";
    return "Write the time in the form " + form + ", for example " + clock12(example, style) + ".";
}

std::string hhmm(int minutes) {
    return S(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") + S(minutes % 60);
}

std::string count(long long n, const std::string& one, const std::string& many) {
    return qty(Frac(n), n == 1 ? one : many);
}

std::string duration(int minutes) {
    const int h = minutes / 60;
    const int m = minutes % 60;
    std::string s;
    if (h) s = count(h, "hour", "hours");
    if (m) s += (s.empty() ? "" : " ") + count(m, "minute", "minutes");
    return s;
}

int dayTime(Rng& r) {
    int t = 0;
    do t = r.range(6 * 12, 21 * 12) * 5 + r.range(0, 4);
    while (!clearOfNoonAndMidnight(t));
    return t;
}

bool clearOfNoonAndMidnight(int minutes) {
    return minutes % 720 != 0;
}

bool enoughWrong(const Frac& answer, const std::vector<Frac>& wrong, bool money) {
    std::vector<Frac> kept;
    for (const Frac& w : wrong) {
        if (w == answer || w <= Frac(0) || (money && !(w * Frac(100)).isInt())) continue;
        try {
            (void)w.dec();
        } catch (const std::logic_error&) {
            continue;
        }
        if (std::find(kept.begin(), kept.end(), w) == kept.end()) kept.push_back(w);
    }
    return kept.size() >= 3;
}

QB& answerNumber(QB& q, Rng& r, char kind, const Frac& answer, const std::string& units,
                 const std::vector<Frac>& wrong) {
    // A sum of money is shown to the cent, so a slip that gives fractions of a cent is no option.
    std::vector<Frac> usable;
    for (const Frac& w : wrong)
        if (!(units == "dollars" || units == "$") || (w * Frac(100)).isInt()) usable.push_back(w);
    if (kind == 'Q' && !enoughWrong(answer, usable, false))
        throw std::logic_error("fewer than three distinct wrong answers for " + answer.text());
    return q.number(r, kind, answer, units, usable);
}

bool exactDecimal(const Frac& v) {
    std::int64_t d = v.d;
    while (d % 2 == 0) d /= 2;
    while (d % 5 == 0) d /= 5;
    return d == 1;
}

std::vector<bool> shadeSome(Rng& r, int cells, int shaded) {
    std::vector<int> order(static_cast<std::size_t>(cells));
    for (int i = 0; i < cells; ++i) order[static_cast<std::size_t>(i)] = i;
    r.shuffle(order);
    std::vector<bool> on(static_cast<std::size_t>(cells), false);
    for (int i = 0; i < shaded; ++i)
        on[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    return on;
}

int pickInt(Rng& r, const std::vector<int>& v) {
    return r.pick(v);
}

namespace {

// An arc at a corner and its label on the bisector, far enough out that the label's box stays
// inside the angle however long the label is ("2x + 10°").
void markCorner(Figure& f, int cx, int cy, double fromDeg, double spanDeg, const std::string& label,
                int radius) {
    constexpr double kPi = 3.14159265358979323846;
    f.arc(cx, cy, radius, static_cast<int>(std::lround(fromDeg)),
          static_cast<int>(std::lround(spanDeg)));
    const double d1 = fromDeg * kPi / 180.0;
    const double d2 = (fromDeg + spanDeg) * kPi / 180.0;
    const double mid = (fromDeg + spanDeg / 2) * kPi / 180.0;
    int chars = 0;  // the degree sign is one character of two bytes
    for (unsigned char c : label) chars += (c & 0xC0) != 0x80;
    const double halfW = chars * 3.3 + 2;
    const double halfH = 8;
    double r = radius + 12;
    for (; r < 140; r += 2) {
        const double px = r * std::cos(mid);
        const double py = r * std::sin(mid);  // y up
        bool inside = true;
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0}) {
                const double x = px + sx * halfW;
                const double y = py + sy * halfH;
                // distance from each arm, positive on the inner side
                inside = inside && std::cos(d1) * y - std::sin(d1) * x >= 2 &&
                         x * std::sin(d2) - y * std::cos(d2) >= 2;
            }
        if (inside) break;
    }
    f.text(static_cast<int>(std::lround(cx + r * std::cos(mid))),
           static_cast<int>(std::lround(cy - r * std::sin(mid))), 'c', label);
}

}  // namespace

void drawTriangleMarked(Figure& f, int a, int b, const std::string& la, const std::string& lb,
                        const std::string& lc) {
    constexpr double kPi = 3.14159265358979323846;
    const double ta = std::tan(a * kPi / 180.0);
    const double tb = std::tan(b * kPi / 180.0);
    double base = 250;
    double px = base * tb / (ta + tb);
    double py = px * ta;
    if (py > 150) {  // a tall triangle is drawn smaller, so its top stays in the picture
        base *= 150 / py;
        px = base * tb / (ta + tb);
        py = px * ta;
    }
    const int x0 = static_cast<int>(std::lround(150 - base / 2));
    const int x1 = static_cast<int>(std::lround(150 + base / 2));
    const int yb = 185;
    const int ax = x0 + static_cast<int>(std::lround(px));
    const int ay = yb - static_cast<int>(std::lround(py));
    f.poly({{x0, yb}, {x1, yb}, {ax, ay}}, "#dbeafe");
    markCorner(f, x0, yb, 0, a, la, 22);
    markCorner(f, x1, yb, 180 - b, b, lb, 22);
    markCorner(f, ax, ay, 180 + a, 180 - a - b, lc, 18);
}

void drawLineGraph(Figure& f, int xMax, int xStep, int yMax, int yStep, const std::string& xTitle,
                   const std::string& yTitle, const std::vector<std::pair<int, int>>& points) {
    const int left = 48;
    const int right = f.width - 14;
    const int bottom = f.height - 34;
    const int top = 22;
    auto X = [&](double v) {
        return left + static_cast<int>(std::lround((right - left) * v / xMax));
    };
    auto Y = [&](double v) {
        return bottom - static_cast<int>(std::lround((bottom - top) * v / yMax));
    };
    f.colour("#cbd5e1");
    for (int v = xStep; v <= xMax; v += xStep) f.line(X(v), bottom, X(v), top);
    for (int v = yStep; v <= yMax; v += yStep) f.line(left, Y(v), right, Y(v));
    f.colour("#000000");
    f.line(left, bottom, right, bottom, false, true);
    f.line(left, bottom, left, top, false, true);
    for (int v = 0; v <= xMax; v += xStep) f.text(X(v), bottom + 10, 'c', S(v));
    for (int v = 0; v <= yMax; v += yStep) f.text(left - 5, Y(v), 'r', S(v));
    f.text((left + right) / 2, f.height - 8, 'c', xTitle);
    f.text(4, 9, 'l', yTitle);
    f.colour("#2563eb");
    for (std::size_t i = 1; i < points.size(); ++i)
        f.line(X(points[i - 1].first), Y(points[i - 1].second), X(points[i].first),
               Y(points[i].second), false, true);
    f.colour("#000000");
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace kit
