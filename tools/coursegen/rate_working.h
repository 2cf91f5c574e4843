#pragma once
// What the Rate and Speed solutions write alike: times of day counted on, the minutes between
// two times, a distance, a speed and a time worked out in equal chunks of an hour, and a
// multiplication split into tens and ones. Clock times are said in words around the sums, never
// inside them.

#include "families.h"
#include "held_steps.h"
#include "question.h"

#include <string>
#include <utility>
#include <vector>

namespace ratework {

// A time of day in the course's one way of writing it; noon and midnight in words, since
// "12.00 pm" reads either way.
inline std::string clockText(int minutes) {
    const int t = ((minutes % 1440) + 1440) % 1440;
    if (t == 0) return "midnight";
    if (t == 720) return "noon";
    return clock12(t, "dot");
}

// The time a clock face shows, as a learner says it: "twenty past seven", "quarter to nine".
inline std::string clockWords(int hour, int minute) {
    static const char* hours[] = {"twelve", "one", "two",   "three",  "four",   "five",
                                  "six",    "seven", "eight", "nine",  "ten",    "eleven"};
    static const char* fives[] = {"",           "five",       "ten",  "quarter",
                                  "twenty",     "twenty-five", "half"};
    const int m = minute - minute % 5;
    if (m == 0) return std::string(hours[hour % 12]) + " o'clock";
    if (m <= 30) return std::string(fives[m / 5]) + " past " + hours[hour % 12];
    return std::string(fives[(60 - m) / 5]) + " to " + hours[(hour + 1) % 12];
}

inline std::string minutesText(int n) {
    return plural(n, "minute", "minutes");
}

// Counting on from a time of day: "Count on from 10.45 am: 2 hours later it is 12.45 pm,
// 15 minutes after that it is 1.00 pm, and 7 minutes after that it is 1.07 pm."
// With `split`, the minutes are first written as hours and minutes: "208 minutes is 3 hours
// 28 minutes".
inline std::string countOn(int start, int mins, bool split = false) {
    std::string head;
    if (split && mins % 60 == 0) {
        head = "The " + minutesText(mins) + " make " + duration(mins) + ". ";
    } else if (split && mins > 60) {
        const int h = mins / 60;
        head = "Split the " + minutesText(mins) + " into hours and minutes: " + num(Frac(h)) +
               " &times; 60 = " + num(Frac(60 * h)) + "; " + num(Frac(mins)) + " &minus; " +
               num(Frac(60 * h)) + " = " + num(Frac(mins % 60)) + ", so " + minutesText(mins) +
               " is " + duration(mins) + ". ";
    }
    std::vector<std::string> items;
    int t = start;
    if (mins >= 60) {
        const int h = mins / 60;
        t += 60 * h;
        items.push_back(plural(h, "hour", "hours") + " later it is " + clockText(t));
    }
    const int m = mins % 60;
    if (m > 0) {
        const int toHour = 60 - t % 60;
        if (t % 60 != 0 && m > toHour) {
            items.push_back(minutesText(toHour) + (items.empty() ? " later" : " after that") +
                            " it is " + clockText(t + toHour));
            items.push_back(minutesText(m - toHour) + " after that it is " + clockText(t + m));
        } else {
            items.push_back(minutesText(m) + (items.empty() ? " later" : " after that") +
                            " it is " + clockText(t + m));
        }
    }
    std::string s = head + "Count on from " + clockText(start) + ": ";
    for (std::size_t i = 0; i < items.size(); ++i)
        s += (i == 0 ? "" : i + 1 == items.size() ? ", and " : ", ") + items[i];
    return s + ".";
}

// The minutes from one time of day to a later one, counted on to the next hour, through the
// whole hours and on to the end. The sentence of the pieces, and the pieces in minutes.
inline std::pair<std::string, std::vector<int>> countBetween(int a, int b) {
    std::vector<std::pair<int, int>> pieces;
    int t = a;
    const int nextHour = (a / 60 + 1) * 60;
    if (a % 60 != 0 && nextHour <= b) {
        pieces.push_back({a, nextHour});
        t = nextHour;
    }
    if ((b - t) / 60 > 0) {
        const int end = t + (b - t) / 60 * 60;
        pieces.push_back({t, end});
        t = end;
    }
    if (b > t) pieces.push_back({t, b});
    std::string s;
    std::vector<int> minutes;
    for (const auto& [from, to] : pieces) {
        const int n = to - from;
        std::string length = minutesText(n);
        if (n % 60 == 0)
            length = plural(n / 60, "hour", "hours") + ", which is " + minutesText(n);
        s += std::string(s.empty() ? "From " : "; from ") + clockText(from) + " to " +
             clockText(to) + " is " + length;
        minutes.push_back(n);
    }
    return {s + ".", minutes};
}

// "25 + 60 + 13 = 98": the pieces added up.
inline std::string sumOf(const std::vector<int>& pieces) {
    std::string s;
    int total = 0;
    for (int p : pieces) {
        s += (s.empty() ? "" : " + ") + num(Frac(p));
        total += p;
    }
    return s + " = " + num(Frac(total));
}

// The sentences of a working, one worked step each or joined into one.
inline std::string joined(const std::vector<std::string>& sentences) {
    std::string s;
    for (const std::string& t : sentences) s += (s.empty() ? "" : " ") + t;
    return s;
}

// Each sentence a step of its own, the first labelled with its part ("(a) ").
inline void addSteps(QB& q, const std::vector<std::string>& sentences,
                     const std::string& label = "") {
    for (std::size_t i = 0; i < sentences.size(); ++i)
        heldsteps::addStep(q, (i == 0 ? label : std::string()) + sentences[i]);
}

// The minutes a journey of d km takes at s km/h, in chunks of the hour both divide into:
// "At 16 km/h, 16 km take 60 minutes. Divide both by 4: ...", then "For 36 km: ...".
inline std::vector<std::string> minutesToGo(int d, int s) {
    const int g = gcdInt(s, 60);
    const int u = s / g;
    const int v = 60 / g;
    const int total = d * v / u;
    std::string first = "At " + qty(s, "km/h") + ", " + qty(s, "km") + " take 60 minutes.";
    if (d == s) return {first, "The journey is exactly " + qty(d, "km") + ", so it takes 60 minutes."};
    if (s == 60)
        return {first + " So 1&nbsp;km takes 1 minute.",
                "For " + qty(d, "km") + ": " + minutesText(d) + "."};
    if (d % s == 0)
        return {first, "For " + qty(d, "km") + ": " + qty(d, "km") + " &divide; " + qty(s, "km") +
                           " = " + num(Frac(d / s)) + ", and " + num(Frac(d / s)) +
                           " &times; 60 minutes = " + minutesText(total) + "."};
    if (g > 1)
        first += " Divide both by " + num(Frac(g)) + ": " + qty(s, "km") + " &divide; " +
                 num(Frac(g)) + " = " + qty(u, "km") + "; 60 minutes &divide; " + num(Frac(g)) +
                 " = " + minutesText(v) + ".";
    if (u == 1)
        return {first, "For " + qty(d, "km") + ": " + num(Frac(d)) + " &times; " +
                           minutesText(v) + " = " + minutesText(total) + "."};
    return {first, "For " + qty(d, "km") + ": " + qty(d, "km") + " &divide; " + qty(u, "km") +
                       " = " + num(Frac(d / u)) + ", and " + num(Frac(d / u)) + " &times; " +
                       minutesText(v) + " = " + minutesText(total) + "."};
}

// The distance covered in m minutes at s km/h, by way of a chunk of the hour.
inline std::vector<std::string> distanceIn(int s, int m) {
    const Frac total = Frac(s * m, 60);
    if (m % 60 == 0)
        return {"In " + plural(m / 60, "hour", "hours") + ": " + num(Frac(m / 60)) + " &times; " +
                qty(s, "km") + " = " + qty(total, "km") + "."};
    const int g = gcdInt(m, 60);
    const Frac chunk(s * g, 60);
    std::vector<std::string> out = {"An hour is 60 minutes, and 60 &divide; " + num(Frac(g)) +
                                    " = " + num(Frac(60 / g)) + ", so in " + minutesText(g) +
                                    " it goes " + qty(s, "km") + " &divide; " +
                                    num(Frac(60 / g)) + " = " + qty(chunk, "km") + "."};
    if (m > g)
        out.push_back("In " + minutesText(m) + ": " + num(Frac(m / g)) + " &times; " +
                      qty(chunk, "km") + " = " + qty(total, "km") + ".");
    return out;
}

// The speed in km/h of d km covered in m minutes: the distance in a chunk of the hour, then in
// the whole hour.
inline std::vector<std::string> speedOver(int d, int m) {
    const Frac speed = Frac(d * 60, m);
    if (m == 60) return {"It goes " + qty(d, "km") + " in 1 hour, so the speed is " +
                         qty(speed, "km/h") + "."};
    if (m % 60 == 0)
        return {"In 1 hour it goes " + qty(d, "km") + " &divide; " + num(Frac(m / 60)) + " = " +
                qty(speed, "km") + ", so the speed is " + qty(speed, "km/h") + "."};
    const int g = gcdInt(m, 60);
    const Frac chunk(d * g, m);
    std::vector<std::string> out;
    if (m > g)
        out.push_back("The time is " + minutesText(m) + ", and " + num(Frac(m)) + " &divide; " +
                      num(Frac(g)) + " = " + num(Frac(m / g)) + ", so in " + minutesText(g) +
                      " it goes " + qty(d, "km") + " &divide; " + num(Frac(m / g)) + " = " +
                      qty(chunk, "km") + ".");
    else
        out.push_back("In " + minutesText(g) + " it goes " + qty(d, "km") + ".");
    out.push_back("An hour is 60 minutes, and 60 &divide; " + num(Frac(g)) + " = " +
                  num(Frac(60 / g)) + ", so in an hour it goes " + num(Frac(60 / g)) +
                  " &times; " + qty(chunk, "km") + " = " + qty(speed, "km") +
                  ": the speed is " + qty(speed, "km/h") + ".");
    return out;
}

// a &times; b written out in tens and ones where the ones would be slipped over:
// "24 &times; 13 = 24 &times; 10 + 24 &times; 3 = 240 + 72 = 312".
inline std::string product(const Frac& a, int b, const std::string& unit = "") {
    auto shown = [&](const Frac& v) { return isMoneyUnit(unit) ? money(v) : num(v); };
    const std::string tail = unit.empty() || isMoneyUnit(unit) ? "" : "&nbsp;" + unit;
    const std::string head = shown(a) + " &times; " + num(Frac(b)) + " = ";
    if (b < 10 || b % 10 == 0 || b >= 100) return head + shown(a * Frac(b)) + tail;
    const int tens = b - b % 10;
    const int ones = b % 10;
    return head + shown(a) + " &times; " + num(Frac(tens)) + " + " + shown(a) + " &times; " +
           num(Frac(ones)) + " = " + shown(a * Frac(tens)) + " + " + shown(a * Frac(ones)) +
           " = " + shown(a * Frac(b)) + tail;
}

}  // namespace ratework
