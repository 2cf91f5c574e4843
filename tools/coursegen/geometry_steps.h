#pragma once
// What the Geometry families share when they explain: sizes in degrees, the sums that take
// angles away from a whole, lists read aloud, and the options an angle question may show.

#include "step_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace geometry {

// "65&deg;"
inline std::string dg(const Frac& v) {
    return qty(v, "&deg;");
}

// "a, b and c"
inline std::string listed(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? " and " : ", ";
        out += items[i];
    }
    return out;
}

// "180&deg; &minus; 65&deg; &minus; 40&deg;"
inline std::string takeAway(int whole, const std::vector<int>& parts) {
    std::string s = dg(whole);
    for (int p : parts) s += " &minus; " + dg(p);
    return s;
}

// "65&deg; + 40&deg;"
inline std::string added(const std::vector<int>& parts) {
    std::string s;
    for (int p : parts) s += (s.empty() ? "" : " + ") + dg(p);
    return s;
}

inline int sumOf(const std::vector<int>& v) {
    int s = 0;
    for (int x : v) s += x;
    return s;
}

// A label of an angle diagram read aloud: "65&deg;" for a size, "the angle marked x".
inline std::string spoken(const std::string& label) {
    if (label.empty()) return "an angle with no mark";
    const auto degree = label.find("\xC2\xB0");
    if (degree != std::string::npos) return label.substr(0, degree) + "&deg;";
    return "the angle marked " + label;
}

// "Triangle ABC: angle A is 65&deg;, angle B is marked x and angle C is 50&deg;."
inline std::string triangleDescription(const std::string labels[3]) {
    std::vector<std::string> parts;
    for (int i = 0; i < 3; ++i) {
        const std::string corner = std::string("angle ") + "ABC"[i];
        if (labels[i].empty())
            parts.push_back(corner + " has no mark");
        else if (labels[i].find("\xC2\xB0") != std::string::npos)
            parts.push_back(corner + " is " + spoken(labels[i]));
        else
            parts.push_back(corner + " is marked " + labels[i]);
    }
    return "Triangle ABC with A at the bottom left, B at the bottom right and C at the top: " +
           listed(parts) + ".";
}

// Whether a triangle with base angles a and b (drawn by drawMarkedTriangle, at most 132 px
// high) has a base wide enough for the labels at its two base corners to stand apart.
inline bool roomForLabels(int a, int b) {
    const double pi = 3.14159265358979323846;
    return 1 / std::tan(a * pi / 180) + 1 / std::tan(b * pi / 180) >= 0.7;
}

// Whether two labels of a picture overlap, each taken as a box 7.5 px a character wide and the
// height of a digit (as the course check takes them).
inline bool labelsOverlap(const Figure& f) {
    struct Box {
        double left, top, right, bottom;
    };
    std::vector<Box> boxes;
    for (const std::string& op : f.ops) {
        if (op.rfind("text ", 0) != 0) continue;
        int x = 0, y = 0;
        char align = 'c';
        if (std::sscanf(op.c_str(), "text %d %d %c", &x, &y, &align) != 3) continue;
        const auto open = op.find('"'), close = op.rfind('"');
        if (open == std::string::npos || close <= open) continue;
        int chars = 0;
        for (std::size_t i = open + 1; i < close; ++i)
            chars += (static_cast<unsigned char>(op[i]) & 0xC0) != 0x80;
        const double w = chars * 7.5;
        const double left = align == 'l' ? x : align == 'c' ? x - w / 2 : x - w;
        const Box b{left + 1, y - 5.0, left + w - 1, y + 5.0};
        for (const Box& o : boxes)
            if (b.left < o.right && o.left < b.right && b.top < o.bottom && o.top < b.bottom)
                return true;
        boxes.push_back(b);
    }
    return false;
}

// What a pupil writes for a - b taking the smaller digit from the larger in every column
// instead of exchanging: 180 - 65 gives 125. Equal to a - b when no column needs an exchange.
inline int noExchange(int a, int b) {
    int out = 0, place = 1;
    while (a > 0 || b > 0) {
        out += std::abs(a % 10 - b % 10) * place;
        a /= 10;
        b /= 10;
        place *= 10;
    }
    return out;
}

// The slip of a subtraction from a whole (180&deg;, 90&deg;) done column by column without
// exchanging, added when it differs from the right answer.
inline void addNoExchange(std::vector<Slip>& slips, int whole, int part) {
    const int slip = noExchange(whole, part);
    if (slip != whole - part)
        slips.push_back({slip, "takes the smaller digit from the larger in each column instead "
                               "of exchanging"});
}

inline const char* const kCompassDescription =
    "A compass rose with its eight points: N at the top, then clockwise NE, E, SE, S, SW, W "
    "and NW.";

// The slips whose values an angle of the question could have: above `low`, below `high`.
inline std::vector<Slip> within(const std::vector<Slip>& slips, const Frac& low,
                                const Frac& high) {
    std::vector<Slip> out;
    for (const Slip& s : slips)
        if (low < s.value && s.value < high) out.push_back(s);
    return out;
}
inline std::vector<Slip> below(const Frac& high, const std::vector<Slip>& slips) {
    return within(slips, Frac(0), high);
}

// Whole values only, at least `least`: a count of sides or of lines is a whole number.
inline std::vector<Slip> wholeFrom(int least, const std::vector<Slip>& slips) {
    std::vector<Slip> out;
    for (const Slip& s : slips)
        if (s.value.isInt() && !(s.value < Frac(least))) out.push_back(s);
    return out;
}

}  // namespace geometry
