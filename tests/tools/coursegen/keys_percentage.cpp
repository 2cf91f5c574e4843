// Independent key checks of the Percentage families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace keycheck {

KeyCheckers percentageKeys() {
    return {
        {"pct_of", [](const P& p) { return std::vector{N(p.r("n") / Rat(100) * p.r("p"))}; }},
        {"pct_to_fraction", [](const P& p) { return std::vector{N(Rat(p.i("p"), 100))}; }},
        {"frac_to_pct", [](const P& p) { return std::vector{N(Rat(100) * p.r("n") / p.r("d"))}; }},
        {"pct_change",
         [](const P& p) {
             const Rat change = p.r("price") * p.r("p") / Rat(100);
             return std::vector{
                 N(p.s("dir") == "up" ? p.r("price") + change : p.r("price") - change)};
         }},
        {"pct_part",
         [](const P& p) { return std::vector{N(p.r("part") / p.r("total") * Rat(100))}; }},
        {"pct_left", [](const P& p) { return std::vector{N(Rat(100) - p.r("a") - p.r("b"))}; }},
        {"dec_pct",
         [](const P& p) {
             return std::vector{N(p.s("to") == "decimal" ? p.r("h") / Rat(100) : p.r("h"))};
         }},
        {"better_score",
         [](const P& p) {
             return std::vector{
                 T(bigger(p.s("x"), p.r("a") / p.r("b"), p.s("y"), p.r("c") / p.r("d")))};
         }},
        {"discount_two",
         [](const P& p) {
             return std::vector{N(p.r("price") * p.r("p") / Rat(100)),
                                N(p.r("price") * (Rat(100) - p.r("p")) / Rat(100))};
         }},
        {"class_two",
         [](const P& p) {
             return std::vector{N(p.r("n") * p.r("p") / Rat(100)),
                                N(p.r("n") * (Rat(100) - p.r("p")) / Rat(100))};
         }},
        {"savings_three",
         [](const P& p) {
             const Rat saved = p.r("n") * p.r("p") / Rat(100);
             const Rat spent = (p.r("n") - saved) * p.r("s") / Rat(100);
             return std::vector{N(saved), N(spent),
                                N((p.r("n") - saved) * (Rat(100) - p.r("s")) / Rat(100))};
         }},
        {"reverse_pct",
         [](const P& p) { return std::vector{N(p.r("part") * Rat(100) / p.r("p"))}; }},
        {"pct_order",
         [](const P& p) {
             std::stringstream in(p.s("vals"));
             std::string v;
             std::vector<std::pair<Rat, std::string>> all;
             while (std::getline(in, v, ','))
                 all.emplace_back(
                     v.back() == '%' ? parseRat(v.substr(0, v.size() - 1)) / Rat(100) : parseRat(v),
                     v);
             std::sort(all.begin(), all.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
             const auto& pick = p.s("which") == "largest" ? all.back() : all.front();
             return std::vector{T(pick.second)};
         }},
        {"pct_shaded",
         [](const P& p) {
             const auto [cells, dark] = countSquares(p.q);
             if (cells != p.i("rows") * p.i("cols") || dark != p.i("shaded"))
                 throw std::runtime_error("the picture does not match the parameters");
             return std::vector{N(Rat(100 * dark, cells))};
         }},
        {"pct_fraction_left",
         [](const P& p) { return std::vector{N(Rat(1) - p.r("p") / Rat(100))}; }},
    };
}

}  // namespace keycheck
