// Independent key checks of the Fractions families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
#include <stdexcept>

namespace keycheck {

KeyCheckers fractionKeys() {
    return {
        {"frac_add", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_sub", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_mul", [](const P& p) { return std::vector{N(p.r("a") * p.r("b"))}; }},
        {"frac_simplify", [](const P& p) { return std::vector{N(Rat(p.i("n"), p.i("d")))}; }},
        {"shaded_fraction",
         [](const P& p) {
             // counted from the picture itself: filled squares against all squares
             const auto [cells, dark] = countSquares(p.q);
             if (cells != p.i("rows") * p.i("cols") || dark != p.i("shaded"))
                 throw std::runtime_error("the picture does not match the parameters");
             return std::vector{N(Rat(dark, cells))};
         }},
        {"improper_to_mixed", [](const P& p) { return std::vector{N(Rat(p.i("n"), p.i("d")))}; }},
        {"mixed_to_improper", [](const P& p) { return std::vector{N(p.r("w") + p.r("f"))}; }},
        {"mixed_add", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"mixed_sub", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_of_qty",
         [](const P& p) { return std::vector{N(p.r("n") / Rat(p.r("f").d) * Rat(p.r("f").n))}; }},
        {"frac_left_money",
         [](const P& p) { return std::vector{N(p.r("n") * (Rat(1) - p.r("f")))}; }},
        {"frac_more",
         [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("a"), p.s("y"), p.r("b")))}; }},
        {"equiv_missing",
         [](const P& p) { return std::vector{N(p.r("d") / Rat(p.r("f").d) * Rat(p.r("f").n))}; }},
        {"frac_div_whole", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"whole_div_frac", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_of_unit", [](const P& p) { return std::vector{N(p.r("f") * p.r("factor"))}; }},
        {"whole_from_part", [](const P& p) { return std::vector{N(p.r("part") / p.r("f"))}; }},
        {"frac_order",
         [](const P& p) {
             const auto v = p.list("vals");
             return std::vector{N(p.s("which") == "largest"
                                      ? *std::max_element(v.begin(), v.end())
                                      : *std::min_element(v.begin(), v.end()))};
         }},
        {"frac_of_then_mixed",
         [](const P& p) {
             return std::vector{N(p.r("f") * p.r("n")), N(p.r("g"))};
         }},
        {"frac_class",
         [](const P& p) {
             return std::vector{N(p.r("f") * p.r("n")),
                                N((p.r("n") - p.r("f") * p.r("n")) / p.r("n"))};
         }},
        {"frac_spend",
         [](const P& p) {
             const Rat n = p.r("n");
             const Rat first = n * p.r("a");
             const Rat second = (n - first) * p.r("b");
             return std::vector{N(first), N(second), N((n - first - second) / n)};
         }},
    };
}

}  // namespace keycheck
