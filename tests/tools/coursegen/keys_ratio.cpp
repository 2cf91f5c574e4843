// Independent key checks of the Ratio and Proportions families: each recomputes the keys from the
// family parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <map>
#include <stdexcept>

namespace keycheck {

KeyCheckers ratioKeys() {
    return {
        {"ratio_simplify",
         [](const P& p) {
             return std::vector{T(ratioText({p.i("a"), p.i("b")}))};
         }},
        {"ratio_shaded",
         [](const P& p) {
             const auto [cells, dark] = countSquares(p.q);
             if (cells != p.i("rows") * p.i("cols") || dark != p.i("shaded"))
                 throw std::runtime_error("the picture does not match the parameters");
             return std::vector{T(p.s("order") == "shaded:white"
                                      ? ratioText({dark, cells - dark})
                                      : ratioText({cells - dark, dark}))};
         }},
        {"ratio_three",
         [](const P& p) {
             return std::vector{T(ratioText({p.i("a"), p.i("b"), p.i("c")}))};
         }},
        {"ratio_count",
         [](const P& p) {
             const long long b = p.i("boys"), g = p.i("girls");
             const std::string ask = p.s("ask");
             return std::vector{T(ask == "boys:girls"   ? ratioText({b, g})
                                  : ask == "girls:boys" ? ratioText({g, b})
                                                        : ratioText({b, b + g}))};
         }},
        {"ratio_share",
         [](const P& p) {
             const Rat share = p.r("total") / (p.r("a") + p.r("b"));
             return std::vector{N(share * (p.s("ask") == "first" ? p.r("a") : p.r("b")))};
         }},
        {"ratio_fraction",
         [](const P& p) { return std::vector{N(p.r("a") / (p.r("a") + p.r("b")))}; }},
        {"unitary", [](const P& p) { return std::vector{N(p.r("cost") * p.r("m") / p.r("n"))}; }},
        {"ratio_missing",
         [](const P& p) { return std::vector{N(p.r("first") * p.r("b") / p.r("a"))}; }},
        {"recipe",
         [](const P& p) { return std::vector{N(p.r("grams") * p.r("want") / p.r("people"))}; }},
        {"stronger_drink",
         [](const P& p) {
             return std::vector{T(bigger(p.s("x"), p.r("a") / (p.r("a") + p.r("b")), p.s("y"),
                                         p.r("c") / (p.r("c") + p.r("d"))))};
         }},
        {"ratio_difference",
         [](const P& p) {
             return std::vector{N(p.r("diff") / (p.r("a") - p.r("b")) * (p.r("a") + p.r("b")))};
         }},
        {"ratio_money",
         [](const P& p) {
             return std::vector{T(ratioText({p.i("a") * 100, p.i("b") * 100}))};
         }},
        {"ratio_three_share",
         [](const P& p) {
             const std::map<std::string, std::string> key = {
                 {"red", "a"}, {"blue", "b"}, {"green", "c"}};
             return std::vector{
                 N(p.r("total") * p.r(key.at(p.s("ask"))) / (p.r("a") + p.r("b") + p.r("c")))};
         }},
        {"map_scale",
         [](const P& p) {
             const Rat cm = p.r("cm") * p.r("scale");
             return std::vector{N(p.s("to") == "km" ? cm / Rat(100000) : cm / Rat(100))};
         }},
    };
}

}  // namespace keycheck
