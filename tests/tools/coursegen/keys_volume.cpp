// Independent key checks of the Volume families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>

namespace keycheck {

namespace {

// The rows of the question's table, cells as text with the thousands groups closed up.
std::vector<std::vector<std::string>> tableRows(const std::string& html) {
    std::vector<std::vector<std::string>> rows;
    static const std::regex row(R"(<tr>(.*?)</tr>)");
    static const std::regex cell(R"(<td[^>]*>([^<]*)</td>)");
    for (std::sregex_iterator it(html.begin(), html.end(), row), e; it != e; ++it) {
        const std::string inside = (*it)[1];
        std::vector<std::string> cells;
        for (std::sregex_iterator c(inside.begin(), inside.end(), cell); c != e; ++c)
            cells.push_back(plainNumbers((*c)[1]));
        if (!cells.empty()) rows.push_back(cells);
    }
    return rows;
}

// "1.5&nbsp;litres" or "330&nbsp;ml" in millilitres.
Rat millilitres(const std::string& cell) {
    const auto space = cell.find("&nbsp;");
    const Rat v = parseRat(cell.substr(0, space));
    const std::string unit = cell.substr(space + 6);
    if (unit == "ml") return v;
    if (unit == "litre" || unit == "litres") return v * Rat(1000);
    throw std::runtime_error("unknown capacity " + cell);
}

// The key of a question that asks one value, or all of them in parts.
std::vector<Want> lastOr(const course::Question& q, std::vector<Want> all) {
    if (q.parts.size() == 1) return {all.back()};
    return all;
}

// Whether six squares fold into a cube: roll a die over them, each face named by a letter, and
// see that every square gets a different face underneath.
bool cubeNet(const std::vector<std::pair<long long, long long>>& cells) {
    // the die: bottom, top, and the faces towards +x, -x, +y, -y
    struct Die {
        char b, t, px, nx, py, ny;
    };
    std::map<std::pair<long long, long long>, Die> placed;
    std::vector<std::pair<std::pair<long long, long long>, Die>> todo = {
        {cells[0], Die{'1', '6', '2', '5', '3', '4'}}};
    while (!todo.empty()) {
        auto [at, d] = todo.back();
        todo.pop_back();
        if (placed.count(at)) continue;
        placed[at] = d;
        for (const auto& c : cells) {
            const long long dx = c.first - at.first, dy = c.second - at.second;
            if (std::abs(dx) + std::abs(dy) != 1) continue;
            Die n = d;
            if (dx == 1) n = Die{d.px, d.nx, d.t, d.b, d.py, d.ny};
            if (dx == -1) n = Die{d.nx, d.px, d.b, d.t, d.py, d.ny};
            if (dy == 1) n = Die{d.py, d.ny, d.px, d.nx, d.t, d.b};
            if (dy == -1) n = Die{d.ny, d.py, d.px, d.nx, d.b, d.t};
            todo.push_back({c, n});
        }
    }
    std::set<char> under;
    for (const auto& [at, d] : placed) under.insert(d.b);
    return placed.size() == 6 && under.size() == 6;
}

}  // namespace

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
        {"count_cubes",
         [](const P& p) {
             Rat total;  // layer by layer
             for (long long layer = 0; layer < p.i("c"); ++layer)
                 total = total + p.r("a") * p.r("b");
             return std::vector{N(total)};
         }},
        {"cubes_to_cube",
         [](const P& p) {
             const Rat n = std::max({p.i("a"), p.i("b"), p.i("c")});
             return std::vector{N(n * n * n - p.r("a") * p.r("b") * p.r("c"))};
         }},
        {"scale_cube",
         [](const P& p) {
             const Rat f = p.r("factor");
             return std::vector{N(f * f * f)};
         }},
        {"cube_from_surface",
         [](const P& p) {
             long long e = 1;
             while (6 * e * e < p.i("surface")) ++e;
             if (6 * e * e != p.i("surface")) throw std::runtime_error("no such cube");
             return lastOr(p.q, {N(e), N(e * e * e)});
         }},
        {"open_box_area",
         [](const P& p) {
             const Rat l = p.r("l"), w = p.r("w"), h = p.r("h");
             return std::vector{N(l * w + l * h + l * h + w * h + w * h)};
         }},
        {"net_volume", [](const P& p) { return std::vector{N(p.r("h") * p.r("w") * p.r("l"))}; }},
        {"solid_counts",
         [](const P& p) {
             const long long n = p.i("n");
             const bool prism = p.s("solid") == "prism";
             const long long v = prism ? 2 * n : n + 1;
             const long long e = prism ? 3 * n : 2 * n;
             const long long f = e - v + 2;  // Euler
             const std::string ask = p.s("ask");
             return std::vector{N(ask == "faces" ? f : ask == "edges" ? e : v)};
         }},
        {"which_net",
         [](const P& p) {
             std::vector<std::string> nets;
             for (const std::string letter : {"A", "B", "C", "D"}) {
                 std::vector<std::pair<long long, long long>> cells;
                 std::stringstream in(p.s(letter));
                 std::string c;
                 while (std::getline(in, c, ';')) {
                     const auto colon = c.find(':');
                     cells.emplace_back(std::stoll(c.substr(0, colon)),
                                        std::stoll(c.substr(colon + 1)));
                 }
                 if (cells.size() != 6)
                     throw std::runtime_error("a shape of other than six squares");
                 if (cubeNet(cells)) nets.push_back(letter);
             }
             if (nets.size() != 1) throw std::runtime_error("not one net of a cube");
             return std::vector{T(nets[0])};
         }},
        {"capacity_table",
         [](const P& p) {
             Rat ml;
             for (const auto& row : tableRows(p.q.html)) ml = ml + millilitres(row.at(1));
             return std::vector{N(ml / Rat(1000))};
         }},
        {"glasses_from_jug",
         [](const P& p) {
             long long n = 0;
             while ((n + 1) * p.i("glass_ml") <= p.i("jug_ml")) ++n;
             const long long left = p.i("jug_ml") - n * p.i("glass_ml");
             if (p.q.parts.size() == 1) return std::vector{N(n)};
             return std::vector{N(n), N(left)};
         }},
        {"fraction_full",
         [](const P& p) {
             const Rat in = p.r("capacity") * p.r("full");
             return lastOr(p.q, {N(in), N(p.r("capacity") - in)});
         }},
        {"jug_reading",
         [](const P& p) {
             // read the jug as a learner does: the numbered marks and the top of the water
             std::vector<std::pair<int, long long>> marks;  // y, value
             int water = -1;
             long long top = 0;
             for (const auto& f : p.q.figures)
                 for (const auto& op : f.ops) {
                     std::istringstream in(op);
                     std::string kind;
                     int x, y;
                     in >> kind >> x >> y;
                     if (kind == "rect" && op.find("fill=#93c5fd") != std::string::npos) water = y;
                     static const std::regex label(R"re(^text \d+ (\d+) r "(\d+)"$)re");
                     std::smatch m;
                     if (std::regex_match(op, m, label)) {
                         marks.emplace_back(std::stoi(m[1]), std::stoll(m[2]));
                         top = std::max(top, std::stoll(m[2]));
                     }
                 }
             if (marks.size() < 2 || water < 0) throw std::runtime_error("no scale or no water");
             const auto [y1, v1] = marks[0];
             const auto [y2, v2] = marks[1];
             const Rat level = Rat(v1) + Rat(v2 - v1) * Rat(y1 - water, y1 - y2);
             if (p.s("ask") == "more") return std::vector{N(Rat(top) - level)};
             return std::vector{N(level)};
         }},
        {"medicine_doses",
         [](const P& p) { return std::vector{N(p.r("total") / p.r("dose") / p.r("times"))}; }},
        {"displacement",
         [](const P& p) { return std::vector{N(p.r("rise") * p.r("w") * p.r("l"))}; }},
        {"tank_depth",
         [](const P& p) {
             return std::vector{N(p.r("litres") * Rat(1000) / (p.r("l") * p.r("w")))};
         }},
        {"pour_tanks",
         [](const P& p) {
             const Rat v = p.r("la") * p.r("wa") * p.r("da");
             return lastOr(p.q, {N(v), N(v / p.r("lb") / p.r("wb"))});
         }},
        {"pool_volume",
         [](const P& p) {
             const Rat m3 = p.r("l") * p.r("w") * p.r("depth");
             return lastOr(p.q, {N(m3), N(m3 * Rat(1000))});
         }},
        {"volume_units",
         [](const P& p) {
             static const std::map<std::string, Rat> cm3 = {
                 {"m3", Rat(1000000)}, {"litres", Rat(1000)}, {"cm3", Rat(1)}};
             return std::vector{N(p.r("value") * cm3.at(p.s("from")) / cm3.at(p.s("to")))};
         }},
        {"volume_mixed_units",
         [](const P& p) {
             return std::vector{N(p.r("length_m") * Rat(100) * p.r("w") * p.r("h"))};
         }},
        {"volume_mistake",
         [](const P& p) {
             const Rat l = p.r("l"), w = p.r("w"), h = p.r("h"), said = p.r("claimed");
             std::vector<std::string> right;
             for (const auto& o : options(p.q.html)) {
                 const bool truth = o.find("is right") != std::string::npos ? said == l * w * h
                                    : o.find("added") != std::string::npos  ? said == l + w + h
                                    : o.find("bottom") != std::string::npos ? said == l * w
                                    : o.find("six faces") != std::string::npos
                                        ? said == Rat(2) * l * w + Rat(2) * l * h + Rat(2) * w * h
                                        : throw std::runtime_error("unknown option " + o);
                 if (truth) right.push_back(o);
             }
             if (right.size() != 1) throw std::runtime_error("not one true sentence");
             return std::vector{T(right[0])};
         }},
        {"equal_volumes",
         [](const P& p) {
             return std::vector{N(p.r("l1") * p.r("w1") * p.r("h1") / (p.r("l2") * p.r("w2")))};
         }},
        {"frame_edges",
         [](const P& p) {
             if (p.s("shape") == "cube") {
                 const Rat e = p.r("wire") / Rat(12);
                 return std::vector{N(e * e * e)};
             }
             Rat edges;  // four edges of each length
             for (const char* k : {"l", "w", "h"})
                 for (int i = 0; i < 4; ++i) edges = edges + p.r(k);
             return std::vector{N(edges)};
         }},
        {"base_area", [](const P& p) { return std::vector{N(p.r("volume") / p.r("h"))}; }},
        {"crate_layers",
         [](const P& p) {
             const Rat a = p.r("L") / p.r("bl"), b = p.r("W") / p.r("bw"), c = p.r("H") / p.r("bh");
             if (!a.whole() || !b.whole() || !c.whole())
                 throw std::runtime_error("the boxes do not fill the crate");
             if (p.q.parts.size() == 3) return std::vector{N(a * b), N(c), N(a * b * c)};
             return lastOr(p.q, {N(a * b), N(a * b * c)});
         }},
        {"boxes_table",
         [](const P& p) {
             std::map<std::string, Rat> vol;
             for (const auto& row : tableRows(p.q.html))
                 vol[row.at(0)] = parseRat(row.at(1)) * parseRat(row.at(2)) * parseRat(row.at(3));
             if (p.s("ask") == "largest") {
                 std::string best;
                 bool tie = false;
                 for (const auto& [box, v] : vol) {
                     if (best.empty() || vol[best] < v) {
                         best = box;
                         tie = false;
                     } else if (v == vol[best])
                         tie = true;
                 }
                 if (tie) throw std::runtime_error("two boxes are largest");
                 return std::vector{T(best)};
             }
             const Rat diff = vol.at(p.s("x")) - vol.at(p.s("y"));
             return lastOr(p.q, {N(vol.at(p.s("y"))), N(diff)});
         }},
        {"step_solid",
         [](const P& p) {
             // the cuboid round it, less the empty corner above the step
             const Rat L = p.r("L"), D = p.r("D"), h1 = p.r("h1"), h2 = p.r("h2");
             const Rat whole = L * (h1 + h2) * D - (L - p.r("L2")) * h2 * D;
             return lastOr(p.q, {N(L * h1 * D), N(whole)});
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
