// Independent key checks of the Volume families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <stdexcept>

namespace keycheck {

KeyCheckers volumeKeys() {
    return {
        {"cuboid_volume",
         [](const P& p) { return std::vector{N(p.r("l") * p.r("w") * p.r("h"))}; }},
        {"cube_volume",
         [](const P& p) { return std::vector{N(p.r("edge") * p.r("edge") * p.r("edge"))}; }},
        {"cube_edge",
         [](const P& p) {
             long long e = 1;
             while (e * e * e < p.i("volume")) ++e;
             if (e * e * e != p.i("volume")) throw std::runtime_error("not a cube");
             return std::vector{N(e)};
         }},
        {"cuboid_height",
         [](const P& p) { return std::vector{N(p.r("volume") / p.r("l") / p.r("w"))}; }},
        {"ml_to_litres", [](const P& p) { return std::vector{N(p.r("ml") / Rat(1000))}; }},
        {"litres_to_cm3", [](const P& p) { return std::vector{N(p.r("litres") * Rat(1000))}; }},
        {"tank_water",
         [](const P& p) { return std::vector{N(p.r("l") * p.r("w") * p.r("depth") / Rat(1000))}; }},
        {"cubes_in_box",
         [](const P& p) {
             const Rat e = p.r("edge");
             const Rat a = p.r("a") / e, b = p.r("b") / e, c = p.r("c") / e;
             if (!a.whole() || !b.whole() || !c.whole())
                 throw std::runtime_error("cubes do not fit exactly");
             return std::vector{N(a * b * c)};
         }},
        {"net_area",
         [](const P& p) {
             const Rat l = p.r("l"), w = p.r("w"), h = p.r("h");
             return std::vector{N(l * w + l * w + l * h + l * h + w * h + w * h)};
         }},
        {"bigger_box",
         [](const P& p) {
             return std::vector{T(bigger(p.s("x"), p.r("a") * p.r("b") * p.r("c"), p.s("y"),
                                         p.r("d") * p.r("e") * p.r("f")))};
         }},
        {"fill_time", [](const P& p) { return std::vector{N(p.r("litres") / p.r("rate"))}; }},
        {"tank_two",
         [](const P& p) {
             const Rat base = p.r("l") * p.r("w") / Rat(1000);
             return std::vector{N(base * p.r("h")), N(base * p.r("h") - base * p.r("depth"))};
         }},
        {"cuboid_two",
         [](const P& p) {
             return std::vector{N(p.r("l") * p.r("w")), N(p.r("l") * p.r("w") * p.r("h"))};
         }},
        {"tank_three",
         [](const P& p) {
             const Rat v = p.r("l") * p.r("w") * p.r("h");
             return std::vector{N(v), N(v / Rat(1000)), N(v / Rat(1000) / p.r("rate"))};
         }},
        {"cube_surface",
         [](const P& p) { return std::vector{N(Rat(6) * p.r("edge") * p.r("edge"))}; }},
        {"stack_cubes",
         [](const P& p) {
             const Rat e = p.r("edge");
             return std::vector{N(p.r("a") * e * p.r("b") * e * p.r("c") * e)};
         }},
    };
}

}  // namespace keycheck
