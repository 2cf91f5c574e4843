// Independent key checks of the Rate and Speed families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"
#include "keys_reading.h"

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace keycheck {

namespace {

bool twoParts(const P& p) {
    return p.q.parts.size() == 2;
}

// "12&nbsp;km/h", "5&nbsp;m/s", "300&nbsp;m/min" as metres a minute.
Rat metresPerMinute(const std::string& option) {
    static const std::regex re(R"(^(\d+)&nbsp;(km/h|m/s|m/min)$)");
    std::smatch m;
    if (!std::regex_match(option, m, re)) throw std::runtime_error("speed " + option);
    const Rat v = parseRat(m[1]);
    if (m[2] == "km/h") return v * Rat(1000) / Rat(60);
    if (m[2] == "m/s") return v * Rat(60);
    return v;
}

// The clock's time as the question places it in the day (morning or afternoon).
int clockTime(const P& p) {
    const int shown = readClock(p.q);
    return p.q.html.find("afternoon") != std::string::npos ? shown + 12 * 60 : shown;
}

}  // namespace

KeyCheckers rateKeys() {
    return {
        {"speed",
         [](const P& p) {
             return std::vector{
                 N(p.r("d") / (p.s("tunit") == "h" ? p.r("t") : p.r("t") / Rat(60)))};
         }},
        {"distance", [](const P& p) { return std::vector{N(p.r("s") * p.r("mins") / Rat(60))}; }},
        {"time_taken", [](const P& p) { return std::vector{N(p.r("d") / p.r("s") * Rat(60))}; }},
        {"arrival_time",
         [](const P& p) {
             return std::vector{T(
                 timeText(minutesOf(p.s("start")) + static_cast<int>(p.i("mins")), p.s("style")))};
         }},
        {"duration",
         [](const P& p) {
             return std::vector{N(minutesOf(p.s("end")) - minutesOf(p.s("start")))};
         }},
        {"work_rate",
         [](const P& p) {
             return std::vector{N(p.s("ask") == "time" ? p.r("t") : p.r("rate") * p.r("t"))};
         }},
        {"best_buy",
         [](const P& p) {
             std::stringstream in(p.s("packs"));
             std::string pack;
             std::vector<std::pair<Rat, std::string>> v;
             while (std::getline(in, pack, ',')) {
                 const auto at = pack.find('@');
                 const Rat n = parseRat(pack.substr(0, at));
                 v.emplace_back(parseRat(pack.substr(at + 1)) / n,
                                pack.substr(0, at) + " rolls for $" + pack.substr(at + 1));
             }
             std::sort(v.begin(), v.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
             if (v[0].first == v[1].first) throw std::runtime_error("two packs are as cheap");
             return std::vector{T(v[0].second)};
         }},
        {"faster",
         [](const P& p) {
             return std::vector{
                 T(bigger(p.s("x"), p.r("d1") / p.r("t1"), p.s("y"), p.r("d2") / p.r("t2")))};
         }},
        {"speed_convert",
         [](const P& p) {
             const Rat metresPerHour = p.r("kmh") * Rat(1000);
             return std::vector{
                 N(p.s("to") == "m/s" ? metresPerHour / Rat(3600) : metresPerHour / Rat(60))};
         }},
        {"average_speed",
         [](const P& p) {
             return std::vector{N((p.r("d1") + p.r("d2")) / (p.r("t1") + p.r("t2")))};
         }},
        {"fuel_rate",
         [](const P& p) { return std::vector{N(p.r("km") / Rat(100) * p.r("per100"))}; }},
        {"pay_rate", [](const P& p) { return std::vector{N(p.r("rate") * p.r("hours"))}; }},
        {"journey_two",
         [](const P& p) {
             const Rat mins = p.r("d") * Rat(60) / p.r("s");
             return std::vector{
                 N(mins),
                 T(timeText(minutesOf(p.s("start")) + static_cast<int>(mins.n), p.s("style")))};
         }},
        {"speed_two",
         [](const P& p) {
             return std::vector{N(p.r("s") * p.r("h")), N(p.r("d") * Rat(60) / p.r("s"))};
         }},
        {"journey_three",
         [](const P& p) {
             const Rat mins = p.r("h1") * Rat(60) + p.r("d2") * Rat(60) / p.r("s2");
             const Want arrive =
                 T(timeText(minutesOf(p.s("start")) + static_cast<int>(mins.n), p.s("style")));
             if (twoParts(p)) return std::vector{N(mins), arrive};
             return std::vector{N(p.r("s1") * p.r("h1")), N(mins), arrive};
         }},
        {"journey_four",
         [](const P& p) {
             const Rat a = p.r("s1") * p.r("m1") / Rat(60);
             const Rat b = p.r("s2") * p.r("m2") / Rat(60);
             const int end = minutesOf(p.s("start")) + static_cast<int>(p.i("m1") + p.i("m2")) + 15;
             return std::vector{N(a), N(b), N(a + b), T(timeText(end, p.s("style")))};
         }},
        {"tank_fill",
         [](const P& p) {
             const Rat empty = p.r("capacity") / p.r("rate");
             if (twoParts(p))
                 return std::vector{N(empty), N((p.r("capacity") - p.r("already")) / p.r("rate"))};
             return std::vector{N(empty)};
         }},
        {"pay_overtime",
         [](const P& p) {
             const Rat overtime = p.r("rate") + p.r("rate") / Rat(2);
             const Rat total = p.r("rate") * p.r("hours") + overtime * p.r("extra");
             if (twoParts(p)) return std::vector{N(overtime), N(total)};
             return std::vector{N(total)};
         }},
        {"meet_towards",
         [](const P& p) {
             const Rat closing = p.r("s1") + p.r("s2");
             const Rat minutes = p.r("d") / closing * Rat(60);
             if (twoParts(p)) return std::vector{N(closing), N(minutes)};
             return std::vector{N(minutes)};
         }},
        {"catch_up",
         [](const P& p) {
             // The van drives t minutes while the lorry drives t + late: v2 t = v1 (t + late).
             const Rat t = p.r("v1") * p.r("late") / (p.r("v2") - p.r("v1"));
             if (twoParts(p)) return std::vector{N(p.r("v1") * p.r("late") / Rat(60)), N(t)};
             return std::vector{N(t)};
         }},
        {"leak_per_day",
         [](const P& p) {
             const Rat hour = p.r("ml") * Rat(60);
             if (twoParts(p)) return std::vector{N(hour), N(hour * Rat(24) / Rat(1000))};
             return std::vector{N(hour * Rat(24) / Rat(1000))};
         }},
        {"saving_weeks",
         [](const P& p) {
             long long weeks = 0;
             Rat saved = p.r("has");
             while (saved < p.r("price")) {
                 saved = saved + p.r("weekly");
                 ++weeks;
             }
             if (!(saved == p.r("price"))) throw std::runtime_error("the weeks do not come out");
             if (twoParts(p)) return std::vector{N(p.r("price") - p.r("has")), N(weeks)};
             return std::vector{N(weeks)};
         }},
        {"hire_share",
         [](const P& p) {
             const Rat total = p.r("rate") * p.r("hours");
             if (twoParts(p)) return std::vector{N(total), N(total / p.r("people"))};
             return std::vector{N(total / p.r("people"))};
         }},
        {"laps_time",
         [](const P& p) {
             const Rat laps = p.r("km") * Rat(1000) / p.r("lap");
             if (twoParts(p)) return std::vector{N(laps), N(laps * p.r("secs") / Rat(60))};
             return std::vector{N(laps * p.r("secs") / Rat(60))};
         }},
        {"taxi_fare",
         [](const P& p) {
             const Rat fare = p.r("fixed") + p.r("perkm") * p.r("km");
             if (!twoParts(p)) return std::vector{N(fare)};
             static const std::regex other(R"(Another ride costs \$(\d+(?:\.\d\d)?))");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, other)) throw std::runtime_error("no ride");
             return std::vector{N(fare), N((parseRat(m[1]) - p.r("fixed")) / p.r("perkm"))};
         }},
        {"unit_price",
         [](const P& p) { return std::vector{N(p.r("price") / p.r("size") * p.r("per"))}; }},
        {"rate_scale_time",
         [](const P& p) { return std::vector{N(p.r("count") / p.r("secs") * Rat(60))}; }},
        {"two_taps",
         [](const P& p) { return std::vector{N(p.r("capacity") / (p.r("a") + p.r("b")))}; }},
        {"thunder_distance",
         [](const P& p) { return std::vector{N(Rat(340) * p.r("secs") / Rat(1000))}; }},
        {"overnight_arrival",
         [](const P& p) {
             return std::vector{T(
                 timeText(minutesOf(p.s("start")) + static_cast<int>(p.i("mins")), p.s("style")))};
         }},
        {"speed_compare_units",
         [](const P& p) {
             std::vector<std::pair<Rat, std::string>> v;
             for (const auto& o : options(p.q.html)) v.emplace_back(metresPerMinute(o), o);
             std::sort(v.begin(), v.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
             if (v.size() < 2 || v[v.size() - 1].first == v[v.size() - 2].first)
                 throw std::runtime_error("two speeds are as fast");
             return std::vector{T(v.back().second)};
         }},
        {"speed_mistake",
         [](const P& p) { return std::vector{N(p.r("d") / p.r("mins") * Rat(60))}; }},
        {"sprint_speed", [](const P& p) { return std::vector{N(p.r("d") / p.r("t"))}; }},
        {"pay_compare",
         [](const P& p) {
             return std::vector{
                 T(bigger(p.s("x"), p.r("pay1") / p.r("h1"), p.s("y"), p.r("pay2") / p.r("h2")))};
         }},
        {"clock_walk",
         [](const P& p) {
             const int start = clockTime(p);
             if (start != minutesOf(p.s("start"))) throw std::runtime_error("the clock is wrong");
             const Rat walk = p.r("d") / p.r("s") * Rat(60);
             const auto arrive = T(timeText(start + static_cast<int>(walk.n), p.s("style")));
             if (p.q.parts.size() == 2) return std::vector{N(walk), arrive};
             return std::vector{arrive};
         }},
        {"clock_speed",
         [](const P& p) {
             const int start = clockTime(p);
             if (start != minutesOf(p.s("start"))) throw std::runtime_error("the clock is wrong");
             const Rat minutes(minutesOf(p.s("end")) - start);
             const Rat speed = p.r("d") / minutes * Rat(60);
             if (twoParts(p)) return std::vector{N(minutes), N(speed)};
             return std::vector{N(speed)};
         }},
        {"bus_timetable",
         [](const P& p) {
             std::vector<int> times;
             for (const auto& row : tableRows(p.q.html)) times.push_back(readTime(row.at(1)));
             const Rat mins(times.at(static_cast<std::size_t>(p.i("to"))) -
                            times.at(static_cast<std::size_t>(p.i("from"))));
             if (!twoParts(p)) return std::vector{N(mins)};
             // the style of the answer is the style of the table
             const std::string shown = tableRows(p.q.html).at(0).at(1);
             const std::string style = shown.find(':') != std::string::npos   ? "colon"
                                       : shown.find('M') != std::string::npos ? "caps"
                                                                              : "dot";
             return std::vector{N(mins),
                                T(timeText(times.back() + static_cast<int>(p.i("late")), style))};
         }},
        {"train_choice",
         [](const P& p) {
             const int by = minutesOf(p.s("by"));
             int best = -1;
             std::string shown;
             for (const auto& row : tableRows(p.q.html)) {
                 const int leave = readTime(row.at(0));
                 if (readTime(row.at(1)) <= by && leave > best) {
                     best = leave;
                     shown = row.at(0);
                 }
             }
             if (best < 0) throw std::runtime_error("no train arrives in time");
             if (p.q.parts[0].kind == 'Q') return std::vector{T(shown)};  // as the table shows it
             return std::vector{T(timeText(best, p.s("style")))};
         }},
        {"travel_graph",
         [](const P& p) {
             const auto pts = readLineGraph(p.q);
             if (pts.size() != 4) throw std::runtime_error("the ride has not three stages");
             auto speed = [&](std::size_t i) {
                 return (pts[i + 1].second - pts[i].second) / (pts[i + 1].first - pts[i].first) *
                        Rat(60);
             };
             const Rat rest = pts[2].first - pts[1].first;
             if (!(pts[2].second == pts[1].second)) throw std::runtime_error("no rest");
             switch (p.q.parts.size()) {
                 case 2:
                     return std::vector{N(speed(0)), N(rest)};
                 case 3:
                     return std::vector{N(speed(0)), N(rest), N(speed(2))};
                 default:
                     return std::vector{N(p.s("ask") == "first" ? speed(0) : speed(2))};
             }
         }},
        {"sdt_table",
         [](const P& p) {
             std::vector<Want> want;
             for (const auto& row : tableRows(p.q.html)) {
                 const std::string &d = row.at(1), &t = row.at(2), &v = row.at(3);
                 if (d == "?") want.push_back(N(parseRat(t) * parseRat(v)));
                 if (t == "?") want.push_back(N(parseRat(d) / parseRat(v)));
                 if (v == "?") want.push_back(N(parseRat(d) / parseRat(t)));
             }
             return want;
         }},
        {"speed_chart",
         [](const P& p) {
             std::map<std::string, Rat> speed;
             for (const auto& [name, value] : readBarChart(p.q)) speed[name] = value;
             const Rat fast = speed.at(p.s("fast"));
             const Rat gap = fast - speed.at(p.s("slow"));
             if (twoParts(p)) return std::vector{N(gap), N(fast * p.r("minutes") / Rat(60))};
             return std::vector{N(gap)};
         }},
        {"fuel_table",
         [](const P& p) {
             std::vector<std::pair<Rat, std::string>> v;
             for (const auto& row : tableRows(p.q.html))
                 v.emplace_back(leadingNumber(row.at(2)) / leadingNumber(row.at(1)), row.at(0));
             std::sort(v.begin(), v.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
             if (v.size() < 2 || v[0].first == v[1].first)
                 throw std::runtime_error("two cars are as good");
             const std::string car = v[0].second;
             // the option names the car; the typed answer is its colour
             return std::vector{T(p.q.parts[0].kind == 'Q' ? car : car.substr(0, car.find(' ')))};
         }},
    };
}

}  // namespace keycheck
