// Independent key checks of the Geometry families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace keycheck {

namespace {

// Bearings of the eight compass points, clockwise from north.
int bearing(const std::string& p) {
    static const std::map<std::string, int> b = {{"N", 0},   {"NE", 45},  {"E", 90},  {"SE", 135},
                                                 {"S", 180}, {"SW", 225}, {"W", 270}, {"NW", 315}};
    return b.at(p);
}
std::string pointAt(int deg) {
    static const char* names[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    deg = ((deg % 360) + 360) % 360;
    if (deg % 45) throw std::runtime_error("not a compass point");
    return names[deg / 45];
}

}  // namespace

KeyCheckers geometryKeys() {
    return {
        {"angle_line",
         [](const P& p) { return std::vector{N(Rat(180) - sumOf(p.list("known")))}; }},
        {"angle_point",
         [](const P& p) { return std::vector{N(Rat(360) - sumOf(p.list("known")))}; }},
        {"triangle_angle",
         [](const P& p) { return std::vector{N(Rat(180) - sumOf(p.list("known")))}; }},
        {"isosceles",
         [](const P& p) {
             if (p.s("given") == "apex") return std::vector{N((Rat(180) - p.r("angle")) / Rat(2))};
             return std::vector{N(Rat(180) - p.r("angle") - p.r("angle"))};
         }},
        {"quad_angle",
         [](const P& p) { return std::vector{N(Rat(360) - sumOf(p.list("known")))}; }},
        {"compass_turn",
         [](const P& p) {
             const int turn = static_cast<int>(p.i("turn"));
             return std::vector{
                 T(pointAt(bearing(p.s("from")) + (p.s("dir") == "cw" ? turn : -turn)))};
         }},
        {"compass_map",
         [](const P& p) {
             const long long east = p.i("bx") - p.i("ax");
             const long long north = p.i("by") - p.i("ay");
             if ((east == 0 && north == 0) ||
                 (east != 0 && north != 0 && std::abs(east) != std::abs(north)))
                 throw std::runtime_error("not one of the eight directions");
             std::string dir = north > 0 ? "N" : north < 0 ? "S" : "";
             dir += east > 0 ? "E" : east < 0 ? "W" : "";
             return std::vector{T(dir)};
         }},
        {"compass_angle",
         [](const P& p) {
             const int d = std::abs(bearing(p.s("a")) - bearing(p.s("b")));
             return std::vector{N(std::min(d, 360 - d))};
         }},
        {"clock_angle",
         [](const P& p) {
             // the minute hand is at 12; the hour hand has moved 30 degrees an hour
             const long long d = 30 * p.i("hour");
             return std::vector{N(d > 180 ? 360 - d : d)};
         }},
        {"polygon_angle",
         [](const P& p) {
             const Rat n = p.r("n");
             if (p.s("ask") == "sum") return std::vector{N((n - Rat(2)) * Rat(180))};
             return std::vector{N(Rat(180) - Rat(360) / n)};
         }},
        {"angle_type",
         [](const P& p) {
             const long long a = p.i("angle");
             return std::vector{T(a < 90    ? "an acute angle"
                                  : a == 90 ? "a right angle"
                                  : a < 180 ? "an obtuse angle"
                                            : "a reflex angle")};
         }},
        {"right_angle_split", [](const P& p) { return std::vector{N(Rat(90) - p.r("a"))}; }},
        {"crossing_lines",
         [](const P& p) {
             return std::vector{N(p.r("a")), N(Rat(180) - p.r("a"))};
         }},
        {"triangle_exterior",
         [](const P& p) {
             const Rat c = Rat(180) - p.r("a") - p.r("b");
             return std::vector{
                 N(c),
                 N(p.r("a") + c)};  // the exterior angle is the sum of the two opposite angles
         }},
        {"isosceles_two",
         [](const P& p) {
             return std::vector{N(p.r("base")), N(Rat(180) - Rat(2) * p.r("base"))};
         }},
        {"isosceles_three",
         [](const P& p) {
             return std::vector{N(p.r("base")), N(Rat(180) - Rat(2) * p.r("base")),
                                N(p.r("base") + (Rat(180) - Rat(2) * p.r("base")))};
         }},
        {"compass_two",
         [](const P& p) {
             const int turned = ((bearing(p.s("to")) - bearing(p.s("from"))) % 360 + 360) % 360;
             return std::vector{N(turned),
                                T(pointAt(bearing(p.s("to")) - static_cast<int>(p.i("then"))))};
         }},
    };
}

}  // namespace keycheck
