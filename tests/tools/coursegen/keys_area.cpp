// Independent key checks of the Area and Perimeter families: each recomputes the keys from the
// family parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>

namespace keycheck {

namespace {

// The squares of a grid picture filled with the shading colour, as (column, row) of their
// top-left corners in squares, and the number of shaded half squares (triangles).
struct GridPicture {
    std::set<std::pair<int, int>> shaded;
    int halves = 0;
};
GridPicture readGrid(const course::Question& q) {
    GridPicture g;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            const bool dark = op.find("fill=#3b82f6") != std::string::npos;
            std::istringstream in(op);
            std::string kind;
            in >> kind;
            if (kind == "rect" && dark) {
                int x, y, w, h;
                in >> x >> y >> w >> h;
                g.shaded.insert({x / w, y / h});
            } else if (kind == "poly" && dark)
                ++g.halves;
        }
    return g;
}

// The perimeter of shaded squares: four sides each, less the two hidden where squares meet.
long long gridPerimeter(const GridPicture& g) {
    long long meets = 0;
    for (const auto& [x, y] : g.shaded)
        meets += g.shaded.count({x + 1, y}) + g.shaded.count({x, y + 1});
    return 4 * static_cast<long long>(g.shaded.size()) - 2 * meets;
}

// The rows of the question's table, cells as text.
std::vector<std::vector<std::string>> tableRows(const std::string& html) {
    std::vector<std::vector<std::string>> rows;
    static const std::regex row(R"(<tr>(.*?)</tr>)");
    static const std::regex cell(R"(<td[^>]*>([^<]*)</td>)");
    for (std::sregex_iterator it(html.begin(), html.end(), row), e; it != e; ++it) {
        const std::string inside = (*it)[1];
        std::vector<std::string> cells;
        for (std::sregex_iterator c(inside.begin(), inside.end(), cell); c != e; ++c)
            cells.push_back((*c)[1]);
        if (!cells.empty()) rows.push_back(cells);
    }
    return rows;
}

// Whole-number side pairs (short, long) of rectangles of a given area.
std::vector<std::pair<long long, long long>> sidePairs(long long area) {
    std::vector<std::pair<long long, long long>> v;
    for (long long s = 1; s * s <= area; ++s)
        if (area % s == 0) v.emplace_back(s, area / s);
    return v;
}

// Square units of area in square millimetres.
Rat squareMm(const std::string& u) {
    const Rat mm = u == "m2" ? Rat(1000) : u == "cm2" ? Rat(10) : u == "mm2" ? Rat(1) : Rat(0);
    if (mm == Rat(0)) throw std::runtime_error("unknown unit " + u);
    return mm * mm;
}

// The key of a one-part or two-part question: all wanted values, or only the last.
std::vector<Want> lastOr(const course::Question& q, std::vector<Want> all) {
    if (q.parts.size() == 1) return {all.back()};
    return all;
}

// The key of a one-part question that asks only the first of the values.
std::vector<Want> firstOr(const course::Question& q, std::vector<Want> all) {
    if (q.parts.size() == 1) return {all.front()};
    return all;
}

}  // namespace

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
        {"grid_area",
         [](const P& p) {
             const Rat side = p.r("side");
             return std::vector{N(Rat(countSquares(p.q).second) * side * side)};
         }},
        {"grid_perimeter",
         [](const P& p) {
             return std::vector{N(Rat(gridPerimeter(readGrid(p.q))) * p.r("side"))};
         }},
        {"grid_half_squares",
         [](const P& p) {
             const GridPicture g = readGrid(p.q);
             return std::vector{N(Rat(static_cast<long long>(g.shaded.size())) + Rat(g.halves, 2))};
         }},
        {"area_units",
         [](const P& p) {
             return std::vector{N(p.r("value") * squareMm(p.s("from")) / squareMm(p.s("to")))};
         }},
        {"scale_area",
         [](const P& p) {
             const Rat l = p.r("l") * p.r("factor"), w = p.r("w") * p.r("factor");
             if (p.s("ask") == "perimeter") return std::vector{N(l + w + l + w)};
             if (p.s("ask") == "times") return std::vector{N(l * w / (p.r("l") * p.r("w")))};
             return std::vector{N(l * w)};
         }},
        {"area_mistake",
         [](const P& p) {
             const Rat l = p.r("l"), w = p.r("w"), said = p.r("claimed");
             std::vector<std::string> right;
             for (const auto& o : options(p.q.html)) {
                 const bool truth = o.find("is right") != std::string::npos ? said == l * w
                                    : o.find("perimeter") != std::string::npos
                                        ? said == l + w + l + w
                                    : o.find("added") != std::string::npos ? said == l + w
                                    : o.find("doubled") != std::string::npos
                                        ? said == l * w + l * w
                                        : throw std::runtime_error("unknown option " + o);
                 if (truth) right.push_back(o);
             }
             if (right.size() != 1) throw std::runtime_error("not one true sentence");
             return std::vector{T(right[0])};
         }},
        {"best_rectangle",
         [](const P& p) {
             if (p.s("ask") == "area") {
                 const long long half = p.i("perimeter") / 2;
                 long long best = 0;
                 for (long long s = 1; s < half; ++s) best = std::max(best, s * (half - s));
                 return std::vector{N(best)};
             }
             long long best = -1;
             for (const auto& [a, b] : sidePairs(p.i("area")))
                 if (best < 0 || 2 * (a + b) < best) best = 2 * (a + b);
             return std::vector{N(best)};
         }},
        {"rect_count_area",
         [](const P& p) {
             return std::vector{N(static_cast<long long>(sidePairs(p.i("area")).size()))};
         }},
        {"rect_from_area_perimeter",
         [](const P& p) {
             std::vector<std::pair<long long, long long>> fit;
             for (const auto& [a, b] : sidePairs(p.i("area")))
                 if (2 * (a + b) == p.i("perimeter")) fit.emplace_back(a, b);
             if (fit.size() != 1 || fit[0].first == fit[0].second)
                 throw std::runtime_error("not one rectangle with a longer side");
             return firstOr(p.q, {N(fit[0].second), N(fit[0].first)});
         }},
        {"triangle_missing_side",
         [](const P& p) {
             const auto known = p.list("known");
             const Rat x = p.r("perimeter") - sumOf(known);
             if (!(known[0] < x + known[1] && known[1] < x + known[0] && x < known[0] + known[1]))
                 throw std::runtime_error("no such triangle");
             return std::vector{N(x)};
         }},
        {"regular_polygon_perimeter",
         [](const P& p) {
             if (p.s("ask") == "side") return std::vector{N(p.r("perimeter") / p.r("n"))};
             Rat round;
             for (long long i = 0; i < p.i("n"); ++i) round = round + p.r("side");
             return std::vector{N(round)};
         }},
        {"triangle_height",
         [](const P& p) { return std::vector{N(p.r("area") * Rat(2) / p.r("b"))}; }},
        {"right_triangle_area",
         [](const P& p) {
             const Rat a = p.r("a"), b = p.r("b"), c = p.r("c");
             if (!(a * a + b * b == c * c)) throw std::runtime_error("not right-angled");
             return std::vector{N(a * b / Rat(2))};
         }},
        {"trapezium_area",
         [](const P& p) {
             // a rectangle on the shorter side and the two end triangles pushed together
             const Rat a = p.r("a"), b = p.r("b"), h = p.r("h");
             return std::vector{N(a * h + (b - a) * h / Rat(2))};
         }},
        {"house_area",
         [](const P& p) {
             const Rat wall = p.r("w") * p.r("h");
             return lastOr(p.q, {N(wall), N(wall + p.r("w") / Rat(2) * p.r("roof"))});
         }},
        {"shaded_area",
         [](const P& p) {
             const Rat whole = p.r("W") * p.r("H");
             return lastOr(p.q, {N(whole), N(whole - p.r("w") * p.r("h"))});
         }},
        {"triangle_in_rect",
         [](const P& p) {
             const Rat W = p.r("W"), H = p.r("H"), a = p.r("a");
             const Rat corners = a * H / Rat(2) + (W - a) * H / Rat(2);
             const Rat shaded = p.s("shaded") == "corners" ? corners : W * H - corners;
             return lastOr(p.q, {N(W * H), N(shaded)});
         }},
        {"lshape_missing_sides",
         [](const P& p) {
             return firstOr(p.q, {N(p.r("w") - p.r("top")), N(p.r("h") - p.r("notch"))});
         }},
        {"rect_perimeter_from_area",
         [](const P& p) {
             const Rat l = p.r("l"), w = p.r("area") / l;
             return lastOr(p.q, {N(w), N(l + w + l + w)});
         }},
        {"square_from_rect",
         [](const P& p) {
             const Rat side = (p.r("l") + p.r("w") + p.r("l") + p.r("w")) / Rat(4);
             return lastOr(p.q, {N(side), N(side * side)});
         }},
        {"mixed_units_area",
         [](const P& p) {
             const Rat cm2 = p.r("length_m") * Rat(100) * p.r("width_cm");
             return std::vector{N(p.s("in") == "cm2" ? cm2 : cm2 / Rat(10000))};
         }},
        {"paint_tins",
         [](const P& p) {
             const Rat area = p.r("len") * p.r("high") - Rat(2);
             long long tins = 0;
             while (Rat(tins) * p.r("cover") < area) ++tins;
             return lastOr(p.q, {N(area), N(tins)});
         }},
        {"rooms_table",
         [](const P& p) {
             const auto rows = tableRows(p.q.html);
             std::vector<Rat> areas;
             for (const auto& row : rows)
                 areas.push_back(parseRat(row.at(1)) * parseRat(row.at(2)));
             const Rat total = sumOf(areas);
             if (p.s("ask") == "total") return std::vector{N(total)};
             if (!(areas.at(0) < areas.at(1)))
                 throw std::runtime_error("the second room is not larger");
             if (p.s("ask") == "difference")
                 return std::vector{N(areas[0]), N(areas[1] - areas[0])};
             return std::vector{N(areas[0]), N(total), N(total * p.r("price"))};
         }},
        {"skirting_board",
         [](const P& p) {
             return std::vector{N(p.r("l") + p.r("w") + p.r("l") + p.r("w") - p.r("gap"))};
         }},
        {"field_laps",
         [](const P& p) {
             const Rat once = p.r("l") + p.r("w") + p.r("l") + p.r("w");
             return lastOr(p.q, {N(once), N(once * p.r("laps") / Rat(1000))});
         }},
        {"perimeter_compare",
         [](const P& p) {
             const Rat sq = p.r("s") * Rat(4), rect = (p.r("l") + p.r("w")) * Rat(2);
             const bool aIsSquare = p.s("square") == "A";
             return std::vector{T(bigger("A", aIsSquare ? sq : rect, "B", aIsSquare ? rect : sq))};
         }},
        {"squares_row_perimeter",
         [](const P& p) {
             const Rat long_ = p.r("n") * p.r("s");
             return std::vector{N(long_ + p.r("s") + long_ + p.r("s"))};
         }},
        {"square_cut",
         [](const P& p) {
             return std::vector{N(p.r("s") * p.r("s") - Rat(4) * p.r("c") * p.r("c"))};
         }},
    };
}

}  // namespace keycheck
