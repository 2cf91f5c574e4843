// Independent key checks of the Geometry families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
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

// The key of a question that asks one value, or all of them in parts.
std::vector<Want> lastOr(const course::Question& q, std::vector<Want> all) {
    if (q.parts.size() == 1) return {all.back()};
    return all;
}

// Angles of a parallelogram, numbered round it: those whose numbers differ by an even step are
// opposite and equal; the others make 180 with them.
Rat crossingAngle(Rat given, long long givenPos, long long pos) {
    return (givenPos + pos) % 2 == 0 ? given : Rat(180) - given;
}

struct TextOp {
    int x = 0, y = 0;
    char align = 0;
    std::string s;
};
std::vector<TextOp> texts(const course::Question& q) {
    std::vector<TextOp> out;
    static const std::regex t(R"re(^text (\d+) (\d+) (\w) "(.*)"$)re");
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            std::smatch m;
            if (std::regex_match(op, m, t))
                out.push_back({std::stoi(m[1]), std::stoi(m[2]), m.str(3)[0], m[4]});
        }
    return out;
}

// The points of a coordinate grid picture, read as a learner reads them: each dot against the
// numbers along the axes, with the letter written beside it.
std::map<std::string, std::pair<Rat, Rat>> gridPoints(const course::Question& q) {
    std::map<long long, int> across, up;  // value -> pixel
    std::vector<TextOp> ts = texts(q);
    for (const auto& t : ts) {
        if (!isNumber(t.s)) continue;
        if (t.align == 'c') across[std::stoll(t.s)] = t.x;
        if (t.align == 'r') up[std::stoll(t.s)] = t.y;
    }
    if (across.size() < 2 || up.size() < 2) throw std::runtime_error("no numbered axes");
    const Rat x0 = across.at(0), xStep = Rat(across.at(1)) - Rat(across.at(0));
    const Rat yStep = Rat(up.at(1)) - Rat(up.at(2));
    const Rat y0 = Rat(up.at(1)) + yStep;
    std::map<std::string, std::pair<Rat, Rat>> points;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            if (op.rfind("circle ", 0) != 0) continue;
            std::istringstream in(op.substr(7));
            int cx, cy;
            in >> cx >> cy;
            for (const auto& t : ts)
                if (t.align == 'l' && t.x == cx + 8 && t.y == cy - 10)
                    points[t.s] = {(Rat(cx) - x0) / xStep, (y0 - Rat(cy)) / yStep};
        }
    return points;
}

// Lines of symmetry of the first polygon of the picture: lines through its centre and a corner
// or the middle of a side that carry every corner onto a corner.
long long symmetryLines(const course::Question& q) {
    std::vector<std::pair<double, double>> v;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops)
            if (op.rfind("poly ", 0) == 0 && v.empty()) {
                std::istringstream in(op.substr(5));
                double x, y;
                while (in >> x >> y) v.emplace_back(x, y);
            }
    if (v.size() < 3) throw std::runtime_error("no shape");
    double cx = 0, cy = 0;
    for (const auto& [x, y] : v) {
        cx += x / v.size();
        cy += y / v.size();
    }
    std::vector<std::pair<double, double>> through = v;
    for (std::size_t i = 0; i < v.size(); ++i)
        through.emplace_back((v[i].first + v[(i + 1) % v.size()].first) / 2,
                             (v[i].second + v[(i + 1) % v.size()].second) / 2);
    std::vector<double> found;  // directions in degrees, 0 to 180
    for (const auto& [px, py] : through) {
        double ux = px - cx, uy = py - cy;
        const double len = std::hypot(ux, uy);
        ux /= len;
        uy /= len;
        bool maps = true;
        for (const auto& [x, y] : v) {
            const double dx = x - cx, dy = y - cy, d = dx * ux + dy * uy;
            const double rx = cx + 2 * d * ux - dx, ry = cy + 2 * d * uy - dy;
            bool hit = false;
            for (const auto& [ox, oy] : v) hit = hit || std::hypot(ox - rx, oy - ry) < 3;
            maps = maps && hit;
        }
        if (!maps) continue;
        double a = std::atan2(uy, ux) * 180 / 3.14159265358979;
        a = std::fmod(a + 360, 180);
        bool seen = false;
        for (double b : found) seen = seen || std::abs(a - b) < 2 || std::abs(a - b) > 178;
        if (!seen) found.push_back(a);
    }
    return static_cast<long long>(found.size());
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
             if (p.s("ask") == "both")
                 return std::vector{N((n - Rat(2)) * Rat(180)), N(Rat(180) - Rat(360) / n)};
             return std::vector{N(Rat(180) - Rat(360) / n)};
         }},
        {"angle_type",
         [](const P& p) {
             const long long a = p.i("angle");
             if (p.q.parts[0].kind == 'T')
                 return std::vector{T(a < 90    ? "acute"
                                      : a == 90 ? "right"
                                      : a < 180 ? "obtuse"
                                                : "reflex")};
             return std::vector{T(a < 90    ? "an acute angle"
                                  : a == 90 ? "a right angle"
                                  : a < 180 ? "an obtuse angle"
                                            : "a reflex angle")};
         }},
        {"right_angle_split", [](const P& p) { return std::vector{N(Rat(90) - p.r("a"))}; }},
        {"crossing_lines",
         [](const P& p) {
             if (p.q.parts.size() == 1)
                 return std::vector{N(p.s("ask") == "opposite" ? p.r("a") : Rat(180) - p.r("a"))};
             return std::vector{N(p.r("a")), N(Rat(180) - p.r("a"))};
         }},
        {"triangle_exterior",
         [](const P& p) {
             if (p.q.parts.size() == 1) return std::vector{N(p.r("a") + p.r("c"))};
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
        {"parallelogram_angles",
         [](const P& p) {
             // opposite angles are equal, neighbouring ones make 180
             const std::string corners = "ABCD";
             const long long at = static_cast<long long>(corners.find(p.s("at")));
             std::vector<Want> out;
             for (char c : p.s("asked"))
                 out.push_back(
                     N(crossingAngle(p.r("given"), at, static_cast<long long>(corners.find(c)))));
             return out;
         }},
        {"kite_angles",
         [](const P& p) {
             if (p.q.parts.size() == 2)
                 return std::vector{N(p.r("b")), N(Rat(360) - p.r("a") - p.r("b") - p.r("b"))};
             return std::vector{N((Rat(360) - p.r("a") - p.r("c")) / Rat(2))};
         }},
        {"polygon_missing_angle",
         [](const P& p) {
             // a polygon of n sides cuts into n - 2 triangles
             return std::vector{N(Rat(180) * (p.r("n") - Rat(2)) - sumOf(p.list("known")))};
         }},
        {"clock_hands_angle",
         [](const P& p) {
             const int t = minutesOf(p.s("time"));
             const Rat hour = Rat(t % 720, 2);  // half a degree a minute from 12
             const Rat minute = Rat(6 * (t % 60));
             Rat d = hour < minute ? minute - hour : hour - minute;
             if (d == Rat(180)) throw std::runtime_error("no smaller angle");
             if (Rat(180) < d) d = Rat(360) - d;
             return std::vector{N(d)};
         }},
        {"minute_hand_turn",
         [](const P& p) {
             int mins = minutesOf(p.s("end")) - minutesOf(p.s("start"));
             if (mins <= 0) mins += 12 * 60;
             if (p.s("ask") == "both") return std::vector{N(6 * mins), N(Rat(mins, 2))};
             return std::vector{N(p.s("ask") == "hour" ? Rat(mins, 2) : Rat(6 * mins))};
         }},
        {"protractor_read",
         [](const P& p) {
             return std::vector{N(p.s("base") == "right" ? p.r("arm") : Rat(180) - p.r("arm"))};
         }},
        {"reflex_angle", [](const P& p) { return std::vector{N(Rat(360) - p.r("a"))}; }},
        {"equal_angles_point",
         [](const P& p) { return std::vector{N((Rat(360) - p.r("g")) / p.r("n"))}; }},
        {"turn_fraction",
         [](const P& p) {
             if (p.s("ask") == "degrees") return std::vector{N(p.r("turn") * Rat(360))};
             return std::vector{N(p.r("degrees") / Rat(90))};
         }},
        {"compass_back",
         [](const P& p) { return std::vector{T(pointAt(bearing(p.s("dir")) + 180))}; }},
        {"quad_properties",
         [](const P& p) {
             struct Props {
                 const char *name, *sides, *angles, *parallel;
             };
             // what each shape always has; "varies" fits any clue
             static const std::vector<Props> table = {{"square", "all", "right", "two"},
                                                      {"rectangle", "opposite", "right", "two"},
                                                      {"rhombus", "all", "none", "two"},
                                                      {"parallelogram", "opposite", "none", "two"},
                                                      {"kite", "adjacent", "varies", "none"},
                                                      {"trapezium", "other", "varies", "one"}};
             auto fits = [](const std::string& has, const std::string& clue) {
                 return clue == "-" || has == "varies" || has == clue;
             };
             std::vector<std::string> match;
             for (const auto& t : table)
                 if (fits(t.sides, p.s("sides")) && fits(t.angles, p.s("angles")) &&
                     fits(t.parallel, p.s("parallel")))
                     match.push_back(t.name);
             if (match.size() != 1) throw std::runtime_error("the clues fit more than one shape");
             return std::vector{T(match[0])};
         }},
        {"lines_of_symmetry", [](const P& p) { return std::vector{N(symmetryLines(p.q))}; }},
        {"possible_triangle",
         [](const P& p) {
             std::vector<std::string> right;
             static const std::regex number(R"(\d+)");
             for (const auto& o : options(p.q.html)) {
                 long long sum = 0, count = 0;
                 for (std::sregex_iterator it(o.begin(), o.end(), number), e; it != e; ++it) {
                     sum += std::stoll(it->str());
                     ++count;
                 }
                 if (count == 3 && sum == 180) right.push_back(o);
             }
             if (right.size() != 1) throw std::runtime_error("not one set of a triangle's angles");
             return std::vector{T(right[0])};
         }},
        {"polygon_sides_from_sum",
         [](const P& p) {
             long long n = 3;
             while (180 * (n - 2) < p.i("sum")) ++n;
             if (180 * (n - 2) != p.i("sum")) throw std::runtime_error("no such polygon");
             return std::vector{N(n)};
         }},
        {"polygon_exterior",
         [](const P& p) {
             if (p.s("ask") == "sides") return std::vector{N(Rat(360) / p.r("exterior"))};
             const Rat e = Rat(360) / p.r("n");
             if (p.s("ask") == "both") return std::vector{N(e), N(Rat(180) - e)};
             return std::vector{N(e)};
         }},
        {"angle_line_algebra",
         [](const P& p) {
             const auto c = p.list("coeffs");
             const Rat x = (Rat(180) - p.r("known")) / sumOf(c);
             Rat most = c[0];
             for (const Rat& v : c)
                 if (most < v) most = v;
             if (p.q.parts.size() == 1) return std::vector{N(x)};
             return std::vector{N(x), N(most * x)};
         }},
        {"right_triangle_angles",
         [](const P& p) {
             // the outside angle at B is the sum of the angles at A and C
             return lastOr(p.q, {N(Rat(90) - p.r("a")), N(p.r("a") + Rat(90))});
         }},
        {"compass_turn_angle",
         [](const P& p) {
             const int d = bearing(p.s("to")) - bearing(p.s("from"));
             return std::vector{N(((p.s("dir") == "cw" ? d : -d) % 360 + 360) % 360)};
         }},
        {"angle_complement", [](const P& p) { return std::vector{N(p.r("total") - p.r("a"))}; }},
        {"triangle_on_line",
         [](const P& p) {
             const Rat a = Rat(180) - p.r("p"), b = Rat(180) - p.r("q");
             const Rat c = Rat(180) - a - b;
             if (p.q.parts.size() == 3) return std::vector{N(a), N(b), N(c)};
             return lastOr(p.q, {N(a), N(c)});
         }},
        {"triangle_classify",
         [](const P& p) {
             if (p.q.parts.size() == 1 && p.q.parts[0].kind == 'Q') {
                 const auto a = p.list("angles");
                 if (!(sumOf(a) == Rat(180))) throw std::runtime_error("not a triangle");
                 for (const Rat& v : a)
                     if (v == Rat(90)) throw std::runtime_error("right-angled as well");
                 if (a[0] == a[1] && a[1] == a[2]) throw std::runtime_error("equilateral as well");
                 const bool twoEqual = a[0] == a[1] || a[1] == a[2] || a[0] == a[2];
                 return std::vector{T(twoEqual ? "isosceles" : "scalene")};
             }
             const auto k = p.list("known");
             const Rat c = Rat(180) - k[0] - k[1];
             Rat big = c;
             for (const Rat& v : k)
                 if (big < v) big = v;
             const std::string kind = big < Rat(90) ? "acute" : big == Rat(90) ? "right" : "obtuse";
             if (p.q.parts.size() == 2) return std::vector{N(c), T(kind)};
             return std::vector{T(kind)};
         }},
        {"which_angle_kind",
         [](const P& p) {
             std::vector<std::string> match;
             for (const std::string letter : {"P", "Q", "R", "S"}) {
                 const Rat a = p.r(letter);
                 const std::string kind = a < Rat(90)    ? "acute"
                                          : a == Rat(90) ? "right"
                                          : a < Rat(180) ? "obtuse"
                                                         : "reflex";
                 if (kind == p.s("ask")) match.push_back(letter);
             }
             if (match.size() != 1) throw std::runtime_error("not one angle of that kind");
             if (p.q.parts[0].kind == 'Q') return std::vector{T("angle " + match[0])};
             return std::vector{T(match[0])};
         }},
        {"coordinates_read",
         [](const P& p) {
             const auto points = gridPoints(p.q);
             if (points.size() != 4) throw std::runtime_error("four points expected");
             if (p.s("ask") == "coordinates") {
                 const auto& xy = points.at(p.s("point"));
                 return std::vector{N(xy.first), N(xy.second)};
             }
             std::vector<std::string> at;
             for (const auto& [name, xy] : points)
                 if (xy.first == p.r("x") && xy.second == p.r("y")) at.push_back(name);
             if (at.size() != 1) throw std::runtime_error("not one point there");
             return std::vector{T(at[0])};
         }},
        {"fourth_vertex",
         [](const P& p) {
             auto xy = [&](const std::string& k) {
                 const std::string v = p.s(k);
                 return std::pair<Rat, Rat>{parseRat(v.substr(0, v.find(':'))),
                                            parseRat(v.substr(v.find(':') + 1))};
             };
             // D is as far from A as C is from B
             const auto a = xy("A"), b = xy("B"), c = xy("C");
             return std::vector{N(a.first + (c.first - b.first)),
                                N(a.second + (c.second - b.second))};
         }},
        {"translate_point",
         [](const P& p) {
             return std::vector{N(p.r("x") + p.r("dx")), N(p.r("y") + p.r("dy"))};
         }},
        {"reflect_point",
         [](const P& p) {
             // as far beyond the mirror as the point is in front of it
             const Rat m = p.r("at");
             if (p.s("axis") == "x") return std::vector{N(m + (m - p.r("x"))), N(p.r("y"))};
             return std::vector{N(p.r("x")), N(m + (m - p.r("y")))};
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
