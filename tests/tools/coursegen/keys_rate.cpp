// Independent key checks of the Rate and Speed families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace keycheck {

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
             return std::vector{
                 N(p.r("s1") * p.r("h1")), N(mins),
                 T(timeText(minutesOf(p.s("start")) + static_cast<int>(mins.n), p.s("style")))};
         }},
        {"journey_four",
         [](const P& p) {
             const Rat a = p.r("s1") * p.r("m1") / Rat(60);
             const Rat b = p.r("s2") * p.r("m2") / Rat(60);
             const int end = minutesOf(p.s("start")) + static_cast<int>(p.i("m1") + p.i("m2")) + 15;
             return std::vector{N(a), N(b), N(a + b), T(timeText(end, p.s("style")))};
         }},
    };
}

}  // namespace keycheck
