// Independent key checks of the Area and Perimeter families: each recomputes the keys from the
// family parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <stdexcept>

namespace keycheck {

KeyCheckers areaKeys() {
    return {
        {"rect_area", [](const P& p) { return std::vector{N(p.r("w") * p.r("h"))}; }},
        {"rect_perimeter",
         [](const P& p) { return std::vector{N(p.r("w") + p.r("h") + p.r("w") + p.r("h"))}; }},
        {"square_side",
         [](const P& p) {
             if (p.s("given") == "area") {
                 long long s = 1;
                 while (s * s < p.i("value")) ++s;
                 if (s * s != p.i("value")) throw std::runtime_error("not a square area");
                 return std::vector{N(4 * s)};
             }
             const Rat s = p.r("value") / Rat(4);
             return std::vector{N(s * s)};
         }},
        {"rect_missing_side",
         [](const P& p) {
             if (p.s("given") == "area") return std::vector{N(p.r("value") / p.r("w"))};
             return std::vector{N((p.r("value") - p.r("w") * Rat(2)) / Rat(2))};
         }},
        {"lshape_area",
         [](const P& p) {
             return std::vector{
                 N(p.r("w") * (p.r("h") - p.r("ch")) + (p.r("w") - p.r("cw")) * p.r("ch"))};
         }},
        {"lshape_perimeter",
         [](const P& p) {
             // the six edges, walking round from the top-left corner
             const Rat w = p.r("w"), h = p.r("h"), cw = p.r("cw"), ch = p.r("ch");
             return std::vector{N((w - cw) + ch + cw + (h - ch) + w + h)};
         }},
        {"triangle_area", [](const P& p) { return std::vector{N(p.r("b") * p.r("h") / Rat(2))}; }},
        {"path_area",
         [](const P& p) {
             const Rat w = p.r("w"), h = p.r("h"), k = p.r("path");
             // two long strips and two short ones, corners in the long strips
             return std::vector{N(Rat(2) * (w + k + k) * k + Rat(2) * h * k)};
         }},
        {"tiles",
         [](const P& p) {
             return std::vector{N((p.r("a") * p.r("b")) / (p.r("tile") * p.r("tile")))};
         }},
        {"bigger_garden",
         [](const P& p) {
             return std::vector{
                 T(bigger(p.s("x"), p.r("a") * p.r("b"), p.s("y"), p.r("c") * p.r("d")))};
         }},
        {"fence_cost",
         [](const P& p) { return std::vector{N((p.r("w") + p.r("h")) * Rat(2) * p.r("price"))}; }},
        {"rect_area_perimeter",
         [](const P& p) {
             return std::vector{N(p.r("w") * p.r("h")), N(Rat(2) * p.r("w") + Rat(2) * p.r("h"))};
         }},
        {"lshape_carpet",
         [](const P& p) {
             const Rat w = p.r("w"), h = p.r("h"), cw = p.r("cw"), ch = p.r("ch");
             const Rat area = (w - cw) * h + cw * (h - ch);
             return std::vector{N(area), N(Rat(2) * (w + h)), N(area * p.r("price"))};
         }},
        {"parallelogram_area", [](const P& p) { return std::vector{N(p.r("b") * p.r("h"))}; }},
        {"square_cut",
         [](const P& p) {
             return std::vector{N(p.r("s") * p.r("s") - Rat(4) * p.r("c") * p.r("c"))};
         }},
    };
}

}  // namespace keycheck
