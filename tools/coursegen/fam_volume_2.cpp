// Volume, continued: cubes counted in pictures, capacity and its units, tanks and pouring, nets,
// solids and their faces, tables of boxes, measuring jugs, reasoning about cubes.

#include "drawing.h"
#include "families.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <set>

namespace {

const char* kCm3 = "cm&sup3;";
const char* kCm2 = "cm&sup2;";
const char* kM3 = "m&sup3;";

int ri(double v) {
    return static_cast<int>(std::lround(v));
}

// "1 litre", "1.5 litres".
std::string litres(const Frac& v) {
    return qty(v, v == Frac(1) ? "litre" : "litres");
}

// ---- pictures ----

// A cuboid a cubes across, b deep and c high, drawn with the lines between its cubes.
void drawUnitCubes(Figure& f, int a, int b, int c) {
    const double u = std::min(170.0 / (a + 0.5 * b), 150.0 / (c + 0.4 * b));
    const double dx = 0.5 * u;
    const double dy = 0.4 * u;
    const double x0 = 150 - (a + 0.5 * b) * u / 2;
    const double yb = 185;
    auto P = [&](double x, double y, double z) {  // across, up, back
        return std::pair<int, int>{ri(x0 + x * u + z * dx), ri(yb - y * u - z * dy)};
    };
    f.poly({P(0, 0, 0), P(a, 0, 0), P(a, c, 0), P(0, c, 0)}, "#dbeafe");
    f.poly({P(0, c, 0), P(a, c, 0), P(a, c, b), P(0, c, b)}, "#bfdbfe");
    f.poly({P(a, 0, 0), P(a, 0, b), P(a, c, b), P(a, c, 0)}, "#93c5fd");
    auto seg = [&](std::pair<int, int> p, std::pair<int, int> q) {
        f.line(p.first, p.second, q.first, q.second);
    };
    for (int i = 1; i < a; ++i) {
        seg(P(i, 0, 0), P(i, c, 0));
        seg(P(i, c, 0), P(i, c, b));
    }
    for (int j = 1; j < c; ++j) {
        seg(P(0, j, 0), P(a, j, 0));
        seg(P(a, j, 0), P(a, j, b));
    }
    for (int k = 1; k < b; ++k) {
        seg(P(0, c, k), P(a, c, k));
        seg(P(a, 0, k), P(a, c, k));
    }
}

// A box with no lid: its open top shows the inside of the far walls.
void drawOpenBox(Figure& f, int l, int w, int h) {
    const double s = std::min(180 / (l + w * 0.5), 130 / (h + w * 0.4));
    const int pl = std::max(30, ri(l * s));
    const int ph = std::max(25, ri(h * s));
    const int dx = std::max(15, ri(w * s * 0.5));
    const int dy = std::max(10, ri(w * s * 0.4));
    const int x = 50;
    const int y = 20 + dy;
    f.poly({{x, y}, {x + dx, y - dy}, {x + pl + dx, y - dy}, {x + pl, y}}, "#e5e7eb");
    f.poly({{x, y}, {x + dx, y - dy}, {x + dx, y}}, "#93c5fd");  // inside of the left wall
    f.line(x + dx, y - dy, x + dx, y);                           // the far inside corner
    f.poly({{x + pl, y}, {x + pl + dx, y - dy}, {x + pl + dx, y + ph - dy}, {x + pl, y + ph}},
           "#93c5fd");
    f.rect(x, y, pl, ph, "#dbeafe");
    f.text(x + pl / 2, y + ph + 14, 'c', qty(l, "cm"));
    f.text(x - 6, y + ph / 2, 'r', qty(h, "cm"));
    f.text(x + pl + dx / 2 + 8, y + ph - dy / 2 + 4, 'l', qty(w, "cm"));
}

// A convex solid seen from above and to the right: faces turned towards the eye are filled,
// edges only back faces share are dashed.
struct Solid {
    std::vector<std::array<double, 3>> v;
    std::vector<std::vector<int>> faces;  // corners anticlockwise seen from outside
};

void drawSolid(Figure& f, const Solid& s) {
    const double yaw = 28 * 3.14159265358979 / 180;
    const double pitch = 22 * 3.14159265358979 / 180;
    std::vector<std::array<double, 3>> w;  // turned so the eye looks along -z
    for (const auto& p : s.v) {
        const double x1 = p[0] * std::cos(yaw) - p[2] * std::sin(yaw);
        const double z1 = p[0] * std::sin(yaw) + p[2] * std::cos(yaw);
        const double y2 = p[1] * std::cos(pitch) - z1 * std::sin(pitch);
        const double z2 = p[1] * std::sin(pitch) + z1 * std::cos(pitch);
        w.push_back({x1, y2, z2});
    }
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const auto& p : w) {
        minX = std::min(minX, p[0]);
        maxX = std::max(maxX, p[0]);
        minY = std::min(minY, p[1]);
        maxY = std::max(maxY, p[1]);
    }
    const double sc = std::min(200 / (maxX - minX), 160 / (maxY - minY));
    auto px = [&](int i) {
        return std::pair<int, int>{ri(150 + (w[i][0] - (minX + maxX) / 2) * sc),
                                   ri(100 - (w[i][1] - (minY + maxY) / 2) * sc)};
    };
    std::vector<bool> front;
    for (const auto& face : s.faces) {
        const auto& a = w[face[0]];
        const auto& b = w[face[1]];
        const auto& c = w[face[2]];
        const double nz = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
        front.push_back(nz > 0);
    }
    for (std::size_t i = 0; i < s.faces.size(); ++i)
        if (front[i]) {
            std::vector<std::pair<int, int>> pts;
            for (int k : s.faces[i]) pts.push_back(px(k));
            f.poly(pts, "#dbeafe");
        }
    std::set<std::pair<int, int>> seen;
    for (std::size_t i = 0; i < s.faces.size(); ++i)
        for (std::size_t k = 0; k < s.faces[i].size(); ++k) {
            int a = s.faces[i][k], b = s.faces[i][(k + 1) % s.faces[i].size()];
            if (a > b) std::swap(a, b);
            if (!seen.insert({a, b}).second) continue;
            bool visible = false;  // a face on either side of the edge faces the eye
            for (std::size_t j = 0; j < s.faces.size(); ++j) {
                const auto& fc = s.faces[j];
                for (std::size_t m = 0; m < fc.size(); ++m) {
                    const int p = fc[m], q = fc[(m + 1) % fc.size()];
                    if (((p == a && q == b) || (p == b && q == a)) && front[j]) visible = true;
                }
            }
            const auto pa = px(a), pb = px(b);
            f.line(pa.first, pa.second, pb.first, pb.second, !visible);
        }
}

// A prism on an n-sided end, lying along z; or a pyramid on an n-sided base.
Solid prism(int n) {
    Solid s;
    const double len = n == 4 ? 2.2 : 2.6;
    for (int end = 0; end < 2; ++end)
        for (int i = 0; i < n; ++i) {
            const double t = (-90 + 180.0 / n + 360.0 * i / n) * 3.14159265358979 / 180;
            s.v.push_back({std::cos(t), std::sin(t), end ? -len / 2 : len / 2});
        }
    std::vector<int> frontEnd, backEnd;
    for (int i = 0; i < n; ++i) {
        frontEnd.push_back(i);
        backEnd.push_back(2 * n - 1 - i);
        s.faces.push_back({(i + 1) % n, i, n + i, n + (i + 1) % n});
    }
    s.faces.push_back(frontEnd);
    s.faces.push_back(backEnd);
    return s;
}

Solid pyramid(int n) {
    Solid s;
    for (int i = 0; i < n; ++i) {
        const double t = (45.0 + 360.0 * i / n) * 3.14159265358979 / 180;
        s.v.push_back({1.2 * std::cos(t), 0, 1.2 * std::sin(t)});
    }
    s.v.push_back({0, 1.5, 0});
    std::vector<int> base;
    for (int i = 0; i < n; ++i) {
        base.push_back(i);
        s.faces.push_back({(i + 1) % n, i, n});
    }
    s.faces.push_back(base);
    return s;
}

// ---- counting cubes ----

Question countCubes(Rng& r, const std::string& k) {
    int a, b, c;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 6);
        b = r.range(2, 4);
        c = r.range(2, 4);
        wrong = {a * b * c - (a - 1) * (b - 1) * (c - 1) /* only the cubes that can be seen */,
                 a * b /* one layer */, a * c + a * b + b * c /* the squares on three faces */};
    } while (!distinctWrong(a * b * c, wrong));
    QB q("count_cubes", 1);
    q.param("a", a).param("b", b).param("c", c);
    q.p("The cuboid is built from centimetre cubes. There are no gaps inside it.");
    drawUnitCubes(q.figure(300, 200, "cuboid built from cubes"), a, b, c);
    q.p("What is the volume of the cuboid?");
    return q.number(r, k[0], a * b * c, kCm3, wrong).done();
}

Question cubesToCube(Rng& r, const std::string& k) {
    int a, b, c, n;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 5);
        b = r.range(2, 4);
        c = r.range(1, 4);
        n = std::max({a, b, c});
        wrong = {n * n * n /* the cubes of the whole big cube */, a * b * c /* the cubes there */,
                 n * n * n + a * b * c /* added */, n * n - a * b /* one layer only */};
    } while ((a == b && b == c) || !enoughWrong(n * n * n - a * b * c, wrong));
    QB q("cubes_to_cube", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("The cuboid is built from centimetre cubes.");
    drawUnitCubes(q.figure(300, 200, "cuboid built from cubes"), a, b, c);
    q.p("How many more centimetre cubes are needed to make it into a cube with edges of " +
        qty(n, "cm") + "?");
    return q.number(r, k[0], n * n * n - a * b * c, "cubes", wrong).done();
}

Question scaleCube(Rng& r, const std::string& k) {
    const int f = r.pick(std::vector<int>{2, 4, 5, 10});
    const int e = r.range(1, 4);
    QB q("scale_cube", 2);
    q.param("factor", f);
    q.p("A small cube has edges " + qty(e, "cm") + " long. A large cube has edges " + S(f) +
        " times as long.");
    q.p("How many of the small cubes would fit exactly inside the large cube?");
    return q
        .number(r, k[0], f * f * f, "cubes",
                {f /* as many as the edge grows */, f * f /* squared, as for an area */,
                 3 * f /* cubing taken as times 3 */})
        .done();
}

// ---- faces and surfaces ----

Question cubeFromSurface(Rng& r, const std::string& k) {
    int e;
    std::vector<Frac> wrong;
    do {
        e = r.range(2, 10);
        wrong = {e * e /* the area of one face */, e /* stopped at the edge */,
                 3 * e /* cubing taken as times 3 */, 6 * e * e /* the area given back */};
    } while (!enoughWrong(e * e * e, wrong));
    QB q("cube_from_surface", 3);
    q.param("surface", 6 * e * e);
    q.p("The six faces of a cube have a total area of " + qty(6 * e * e, kCm2) + ".");
    if (k == "NN") {
        q.subparts({{"How long is each edge of the cube?", "cm"},
                    {"What is the volume of the cube?", kCm3}});
        return q.part('N', S(e)).part('N', S(e * e * e)).done();
    }
    q.p("What is the volume of the cube?");
    return q.number(r, k[0], e * e * e, kCm3, wrong).done();
}

Question openBoxArea(Rng& r, const std::string& k) {
    int l, w, h, ans;
    std::vector<Frac> wrong;
    do {
        l = r.range(5, 20);
        w = r.range(3, l);
        h = r.range(2, 12);
        ans = l * w + 2 * l * h + 2 * w * h;
        wrong = {2 * (l * w + l * h + w * h) /* with a lid */, l * w * h /* the volume */,
                 l * w + l * h + w * h /* one face of each size */};
    } while (!distinctWrong(ans, wrong));
    QB q("open_box_area", 3);
    q.param("l", l).param("w", w).param("h", h);
    q.p("A box with no lid is " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " +
        qty(h, "cm") + " high. It is made of card, with no overlaps.");
    drawOpenBox(q.figure(300, 200, "a box with no lid"), l, w, h);
    q.p("What area of card is needed to make it?");
    return q.number(r, k[0], ans, kCm2, wrong).done();
}

Question netVolume(Rng& r, const std::string& k) {
    int l, w, h;
    std::vector<Frac> wrong;
    do {
        l = r.range(4, 12);
        w = r.range(2, std::min(l, 8));
        h = r.range(2, 8);
        wrong = {2 * (l * w + l * h + w * h) /* the area of the net */, l * w /* one face */,
                 l + w + h /* added */};
    } while (!distinctWrong(l * w * h, wrong));
    QB q("net_volume", 2);
    q.param("l", l).param("w", w).param("h", h);
    q.p("The net is folded to make a cuboid.");
    drawCuboidNet(q.figure(300, 200, "net of a cuboid"), l, w, h, "cm");
    q.p("What is the volume of the cuboid?");
    return q.number(r, k[0], l * w * h, kCm3, wrong).done();
}

Question solidCounts(Rng& r, const std::string& k) {
    struct Kind {
        const char* name;
        bool isPrism;
        int n;
    };
    static const std::vector<Kind> kinds = {{"cuboid", true, 4},
                                            {"triangular prism", true, 3},
                                            {"pentagonal prism", true, 5},
                                            {"hexagonal prism", true, 6},
                                            {"square-based pyramid", false, 4},
                                            {"triangle-based pyramid", false, 3},
                                            {"pentagon-based pyramid", false, 5}};
    const Kind* kd;
    std::string ask;
    int ans;
    std::vector<Frac> wrong;
    do {
        kd = &r.pick(kinds);
        const int n = kd->n;
        const int F = kd->isPrism ? n + 2 : n + 1;
        const int E = kd->isPrism ? 3 * n : 2 * n;
        const int V = kd->isPrism ? 2 * n : n + 1;
        // the count for the other kind of solid on the same shape: prism and pyramid mixed up
        const int otherF = kd->isPrism ? n + 1 : n + 2;
        const int otherE = kd->isPrism ? 2 * n : 3 * n;
        const int otherV = kd->isPrism ? n + 1 : 2 * n;
        // a pyramid has as many faces as corners: asking for its corners has too few slips
        ask = kd->isPrism ? r.pick(std::vector<std::string>{"faces", "edges", "vertices"})
                          : r.pick(std::vector<std::string>{"faces", "edges"});
        if (ask == "faces") {
            ans = F;
            wrong = {E, V, F - (kd->isPrism ? 2 : 1) /* the ends or the base left out */, otherF};
        } else if (ask == "edges") {
            ans = E;
            wrong = {F, V, F + V /* faces and vertices added */, otherE};
        } else {
            ans = V;
            wrong = {F, E, n /* one end only */, otherV};
        }
    } while (!enoughWrong(ans, wrong));
    QB q("solid_counts", 1);
    q.param("solid", kd->isPrism ? "prism" : "pyramid").param("n", kd->n).param("ask", ask);
    const std::string word = ask == "vertices" ? "vertices (corners)" : ask;
    q.p("The picture shows " + withArticle(kd->name) + ". How many " + word + " does it have?");
    Figure& f = q.figure(300, 200, kd->name);
    drawSolid(f, kd->isPrism ? prism(kd->n) : pyramid(kd->n));
    return q.number(r, k[0], ans, "", wrong).done();
}

// Cells (column, row) of six squares; whether they fold into a cube, by rolling a cube over
// them and noting which face lies on each square.
using Cells6 = std::vector<std::pair<int, int>>;
bool foldsToCube(const Cells6& cells) {
    using V3 = std::array<int, 3>;
    auto neg = [](V3 a) { return V3{-a[0], -a[1], -a[2]}; };
    struct State {
        V3 down, north, east;
    };
    std::vector<std::pair<std::pair<int, int>, State>> todo = {
        {cells[0], State{{0, 0, -1}, {0, 1, 0}, {1, 0, 0}}}};
    std::set<std::pair<int, int>> done;
    std::set<V3> faces;
    while (!todo.empty()) {
        const auto [at, st] = todo.back();
        todo.pop_back();
        if (!done.insert(at).second) continue;
        faces.insert(st.down);
        const auto has = [&](int x, int y) {
            return std::find(cells.begin(), cells.end(), std::pair<int, int>{x, y}) != cells.end();
        };
        if (has(at.first + 1, at.second))
            todo.push_back({{at.first + 1, at.second}, {st.east, st.north, neg(st.down)}});
        if (has(at.first - 1, at.second))
            todo.push_back({{at.first - 1, at.second}, {neg(st.east), st.north, st.down}});
        if (has(at.first, at.second - 1))
            todo.push_back({{at.first, at.second - 1}, {st.north, neg(st.down), st.east}});
        if (has(at.first, at.second + 1))
            todo.push_back({{at.first, at.second + 1}, {neg(st.north), st.down, st.east}});
    }
    return done.size() == 6 && faces.size() == 6;
}

// The cells moved to the top-left corner, in order.
Cells6 normalised(Cells6 c) {
    int mx = 100, my = 100;
    for (const auto& [x, y] : c) {
        mx = std::min(mx, x);
        my = std::min(my, y);
    }
    for (auto& [x, y] : c) {
        x -= mx;
        y -= my;
    }
    std::sort(c.begin(), c.end());
    return c;
}

// One form for a shape and all its turns and reflections.
Cells6 canonical(const Cells6& c) {
    Cells6 best;
    for (int t = 0; t < 8; ++t) {
        Cells6 m;
        for (const auto& [x, y] : c) {
            int a = (t & 1) ? -x : x, b = y;
            if (t & 2) b = -b;
            if (t & 4) std::swap(a, b);
            m.emplace_back(a, b);
        }
        m = normalised(m);
        if (best.empty() || m < best) best = m;
    }
    return best;
}

// Every shape of six joined squares that fits in four columns and three rows, each once.
const std::vector<Cells6>& hexominoes() {
    static const std::vector<Cells6> all = [] {
        std::vector<Cells6> out;
        std::set<Cells6> seenShapes;
        for (int mask = 0; mask < (1 << 12); ++mask) {
            if (std::bitset<12>(static_cast<unsigned>(mask)).count() != 6) continue;
            Cells6 c;
            for (int i = 0; i < 12; ++i)
                if (mask & (1 << i)) c.emplace_back(i % 4, i / 4);
            // joined: every square reached from the first
            std::set<std::pair<int, int>> seen = {c[0]};
            std::vector<std::pair<int, int>> todo = {c[0]};
            while (!todo.empty()) {
                const auto p = todo.back();
                todo.pop_back();
                for (const auto& q : c)
                    if (std::abs(q.first - p.first) + std::abs(q.second - p.second) == 1 &&
                        seen.insert(q).second)
                        todo.push_back(q);
            }
            if (seen.size() == 6 && seenShapes.insert(normalised(c)).second)
                out.push_back(normalised(c));
        }
        return out;
    }();
    return all;
}

std::string cellsText(const Cells6& c) {
    std::string s;
    for (const auto& [x, y] : c) s += (s.empty() ? "" : ";") + S(x) + ":" + S(y);
    return s;
}

Question whichNet(Rng& r, const std::string& k) {
    (void)k;
    std::vector<Cells6> nets, others;
    for (const auto& c : hexominoes()) (foldsToCube(c) ? nets : others).push_back(c);
    std::vector<Cells6> shown = {r.pick(nets)};
    std::set<Cells6> forms;
    while (shown.size() < 4) {
        const Cells6& o = r.pick(others);
        if (forms.insert(canonical(o)).second) shown.push_back(o);  // no shape twice, turned
    }
    r.shuffle(shown);
    const std::string letters = "ABCD";
    QB q("which_net", 2);
    std::string right;
    for (std::size_t i = 0; i < 4; ++i) {
        q.param(std::string(1, letters[i]), cellsText(shown[i]));
        if (foldsToCube(shown[i])) right = std::string(1, letters[i]);
    }
    q.p("Only one of these shapes can be folded to make a cube.");
    Figure& f = q.figure(300, 200, "four shapes made of six squares");
    const int cell = 18;
    for (std::size_t i = 0; i < 4; ++i) {
        const int ox = 20 + static_cast<int>(i % 2) * 150;
        const int oy = 14 + static_cast<int>(i / 2) * 96;
        f.text(ox, oy + cell, 'l', std::string(1, letters[i]));
        for (const auto& [x, y] : shown[i])
            f.rect(ox + 20 + x * cell, oy + y * cell, cell, cell, "#dbeafe");
    }
    q.p("Which one is the net of a cube?");
    q.note("Write the letter.");
    q.answer();
    return q.part('T', right).done();
}

// ---- capacity ----

Question capacityTable(Rng& r, const std::string& k) {
    struct Item {
        const char* name;
        int ml;
    };
    static const std::vector<Item> items = {{"Bottle of water", 1500},
                                            {"Carton of juice", 1000},
                                            {"Can of lemonade", 330},
                                            {"Bottle of milk", 2000},
                                            {"Glass bottle", 750},
                                            {"Cup of tea", 250},
                                            {"Jug", 1200},
                                            {"Mug", 350},
                                            {"Flask", 500}};
    std::vector<Item> pick;
    bool hasMl, hasLitres;
    do {  // both units in the table: changing one into the other is the task
        pick = items;
        r.shuffle(pick);
        pick.resize(3);
        hasMl = hasLitres = false;
        for (const Item& it : pick) (it.ml >= 1000 ? hasLitres : hasMl) = true;
    } while (!hasMl || !hasLitres);
    std::vector<std::vector<std::string>> rows;
    int total = 0;
    Frac shownSum = 0;  // the numbers as the table shows them, units ignored
    for (const Item& it : pick) {
        const bool inLitres = it.ml >= 1000;
        const Frac shown = inLitres ? Frac(it.ml, 1000) : Frac(it.ml);
        rows.push_back({it.name, inLitres ? litres(shown) : qty(shown, "ml")});
        total += it.ml;
        shownSum = shownSum + shown;
    }
    QB q("capacity_table", 2);
    q.p("The table shows how much some containers hold.");
    q.raw(tableHtml({"Container", "Capacity"}, rows));
    q.p("What is their total capacity in litres?");
    return q
        .number(
            r, k[0], Frac(total, 1000), "litres",
            {shownSum /* added the numbers as they stand */,
             Frac(total, 100) /* 100 ml in a litre */, Frac(total, 10000) /* a zero too many */})
        .done();
}

Question glassesFromJug(Rng& r, const std::string& k) {
    int jug, glass, full, left;
    std::vector<Frac> wrong;
    do {
        jug = r.pick(std::vector<int>{1000, 1500, 2000, 2500, 3000});
        glass = r.pick(std::vector<int>{150, 200, 250, 300, 330, 400});
        full = jug / glass;
        left = jug % glass;
        wrong = {full + 1 /* rounded up */, left /* the juice left over */,
                 jug * 10 / glass /* a zero too many in the millilitres of the jug */};
    } while (left == 0 || !enoughWrong(full, wrong));
    QB q("glasses_from_jug", 2);
    q.param("jug_ml", jug).param("glass_ml", glass);
    q.p("A jug holds " + litres(Frac(jug, 1000)) +
        " of juice. It is poured into glasses "
        "that each hold " +
        qty(glass, "ml") + ".");
    if (k == "NN") {
        q.subparts({{"How many glasses can be filled right to the top?", "glasses"},
                    {"How much juice is left in the jug after that?", "ml"}});
        return q.part('N', S(full)).part('N', S(left)).done();
    }
    q.p("How many glasses can be filled right to the top?");
    return q.number(r, k[0], full, "glasses", wrong).done();
}

Question fractionFull(Rng& r, const std::string& k) {
    static const std::vector<std::pair<int, int>> fracs = {
        {1, 2}, {1, 4}, {3, 4}, {1, 3}, {2, 3}, {2, 5}, {3, 5}, {4, 5}, {3, 8}, {5, 8}, {7, 10}};
    int num, den, cap;
    std::vector<Frac> wrong;
    Frac in, more;
    do {
        const auto& f = r.pick(fracs);
        num = f.first;
        den = f.second;
        cap = den * r.range(3, 15);
        in = Frac(cap * num, den);
        more = Frac(cap) - in;
        wrong = {in /* what is in it now */, Frac(cap - num) /* took away the top number */,
                 Frac(cap, den) /* one part only */, Frac(cap, num) /* divided by the top */};
    } while (cap > 120 || !enoughWrong(more, wrong));
    QB q("fraction_full", 2);
    q.param("capacity", cap).paramFrac("full", Frac(num, den));
    q.p("A water tank holds " + qty(cap, "litres") + " when it is full. At the moment it is " +
        fracHtml(Frac(num, den)) + " full.");
    if (k == "NN") {
        q.subparts({{"How many litres of water are in the tank?", "litres"},
                    {"How many more litres are needed to fill it?", "litres"}});
        return q.part('N', in.dec()).part('N', more.dec()).done();
    }
    q.p("How many more litres are needed to fill it?");
    return q.number(r, k[0], more, "litres", wrong).done();
}

// A measuring jug: a scale in ml up its side and water up to one of the small marks.
Question jugReading(Rng& r, const std::string& k) {
    struct Scale {
        int top, step, labelEvery;
    };
    static const std::vector<Scale> scales = {
        {500, 50, 2}, {1000, 100, 2}, {2000, 250, 2}, {1000, 50, 4}};
    const Scale& sc = r.pick(scales);
    const int ticks = sc.top / sc.step;
    const int px = 160 / ticks;
    int at, level;
    bool askMore;
    std::vector<Frac> wrong;
    Frac ans;
    do {
        do at = r.range(1, ticks - 1);
        while (at % sc.labelEvery == 0);  // the water stops at an unnumbered mark
        level = at * sc.step;
        askMore = r.chance(35);
        const int below = at / sc.labelEvery * sc.labelEvery * sc.step;
        const int above = below + sc.labelEvery * sc.step;
        const int misread = below + (at % sc.labelEvery) * 10;  // each mark read as 10 ml
        if (askMore) {
            ans = sc.top - level;
            wrong = {level /* what is in the jug */, sc.top - below /* from the number below */,
                     sc.top - above /* from the number above */, sc.top - misread};
        } else {
            ans = level;
            wrong = {misread, below /* the number below */, above /* the number above */};
        }
    } while (!enoughWrong(ans, wrong));
    QB q("jug_reading", 2);
    q.param("ask", askMore ? "more" : "level");
    q.p("The picture shows the water in a measuring jug.");
    Figure& f = q.figure(300, 200, "measuring jug with a scale in millilitres");
    const int x0 = 110, x1 = 200, yb = 186, yt = yb - ticks * px;
    f.rect(x0, yb - at * px, x1 - x0, at * px, "#93c5fd");
    f.line(x0, yt - 10, x0, yb, false, true);
    f.line(x1, yt - 10, x1, yb, false, true);
    f.line(x0, yb, x1, yb, false, true);
    f.line(x1, yt + 10, x1 + 26, yt + 30, false, true);  // the handle
    f.line(x1 + 26, yt + 30, x1 + 26, yt + 90, false, true);
    f.line(x1 + 26, yt + 90, x1, yt + 110, false, true);
    for (int t = 1; t <= ticks; ++t) {
        const bool big = t % sc.labelEvery == 0;
        f.line(x0, yb - t * px, x0 + (big ? 18 : 10), yb - t * px);
        if (big) f.text(x0 - 6, yb - t * px, 'r', S(t * sc.step));
    }
    f.text(x0 - 6, yt - 16, 'r', "ml");
    if (askMore) {
        q.p("How much more water is needed to fill the jug to the " + qty(sc.top, "ml") + " mark?");
    } else {
        q.p("How much water is in the jug?");
    }
    return q.number(r, k[0], ans, "ml", wrong).done();
}

Question medicineDoses(Rng& r, const std::string& k) {
    int dose, times, days, total;
    std::vector<Frac> wrong;
    do {
        dose = r.pick(std::vector<int>{5, 10});
        times = r.range(2, 4);
        days = r.range(4, 14);
        total = dose * times * days;
        wrong = {total / dose /* counted the doses, not the days */, dose * times /* one day */,
                 Frac(total, times) /* left out the size of a dose */};
    } while (total > 300 || total < 100 || !distinctWrong(days, wrong));
    QB q("medicine_doses", 2);
    q.param("total", total).param("dose", dose).param("times", times);
    q.p("A bottle holds " + qty(total, "ml") + " of medicine. The dose is " + qty(dose, "ml") +
        ", " +
        (times == 2   ? "twice"
         : times == 3 ? "three times"
                      : "four times") +
        " a day.");
    q.p("For how many days does the bottle last?");
    return q.number(r, k[0], days, "days", wrong).done();
}

// ---- tanks ----

Question displacement(Rng& r, const std::string& k) {
    int l, w, h, rise;
    std::vector<Frac> wrong;
    do {
        l = r.range(3, 8) * 10;
        w = r.range(2, std::min(5, l / 10)) * 10;
        h = r.range(3, 5) * 10;
        rise = r.range(1, 4);
        wrong = {l * w /* the area of the base */, Frac(l * w * rise, 1000) /* in litres */,
                 (l + w) * rise /* added the sides */};
    } while (!distinctWrong(l * w * rise, wrong));
    QB q("displacement", 3);
    q.param("l", l).param("w", w).param("rise", rise);
    q.p("A fish tank is " + qty(l, "cm") + " long and " + qty(w, "cm") +
        " wide. A stone is put into the water and sinks to the bottom. The water rises by " +
        qty(rise, "cm") + ".");
    drawCuboidLabelled(q.figure(300, 200, "fish tank"), l, w, h, qty(l, "cm"), qty(w, "cm"), "");
    q.p("What is the volume of the stone?");
    return q.number(r, k[0], l * w * rise, kCm3, wrong).done();
}

Question tankDepth(Rng& r, const std::string& k) {
    int l, w, d;
    std::vector<Frac> wrong;
    do {
        l = r.range(3, 8) * 10;
        w = r.range(2, l / 10) * 10;
        d = r.range(5, 40);
        wrong = {w * d /* divided by one edge only */, Frac(d, 10) /* litres not made cm3 */,
                 d * 10 /* a zero too many */};
    } while ((l * w * d) % 500 || !distinctWrong(d, wrong));
    const Frac litres(l * w * d, 1000);
    QB q("tank_depth", 3);
    q.param("l", l).param("w", w).paramDec("litres", litres);
    q.p("An empty fish tank has a base " + qty(l, "cm") + " long and " + qty(w, "cm") + " wide. " +
        qty(litres, "litres") + " of water are poured in. (1 litre = 1000 cm&sup3;)");
    q.p("How deep is the water?");
    return q.number(r, k[0], d, "cm", wrong).done();
}

Question pourTanks(Rng& r, const std::string& k) {
    int la, wa, da, lb, wb, db;
    std::vector<Frac> wrong;
    do {
        la = r.range(2, 6) * 10;
        wa = r.range(1, la / 10) * 10;
        da = r.range(2, 12) * 2;
        lb = r.range(2, 8) * 10;
        wb = r.range(1, lb / 10) * 10;
        const int v = la * wa * da;
        db = v / (lb * wb);
        wrong = {da /* the depth stays the same */, Frac(v, lb) /* divided by one edge */,
                 Frac(v, lb * wb * 10) /* a zero too many */, Frac(v, lb + wb) /* by the sum */};
    } while ((la * wa * da) % (lb * wb) || la * wa == lb * wb || db < 2 || db > 60 ||
             !enoughWrong(db, wrong));
    const int v = la * wa * da;
    QB q("pour_tanks", 3);
    q.param("la", la).param("wa", wa).param("da", da).param("lb", lb).param("wb", wb);
    q.p("Tank A has a base " + qty(la, "cm") + " by " + qty(wa, "cm") + ". It holds water " +
        qty(da, "cm") + " deep. All the water is poured into the empty tank B, whose base is " +
        qty(lb, "cm") + " by " + qty(wb, "cm") + ".");
    if (k == "NN") {
        q.subparts({{"What is the volume of the water?", kCm3},
                    {"How deep is the water in tank B?", "cm"}});
        return q.part('N', S(v)).part('N', S(db)).done();
    }
    q.p("How deep is the water in tank B?");
    return q.number(r, k[0], db, "cm", wrong).done();
}

Question poolVolume(Rng& r, const std::string& k) {
    const int l = r.pick(std::vector<int>{10, 12, 15, 20, 25});
    const int w = r.range(4, std::min(12, l - 2));
    const Frac d = r.pick(std::vector<Frac>{Frac(1), Frac(6, 5), Frac(3, 2), Frac(2)});
    const Frac m3 = Frac(l * w) * d;
    QB q("pool_volume", 2);
    q.param("l", l).param("w", w).paramDec("depth", d);
    q.p("A swimming pool is a cuboid " + qty(l, "m") + " long, " + qty(w, "m") + " wide and " +
        qty(d, "m") + " deep. It is full of water. (1&nbsp;m&sup3; = 1000 litres)");
    if (k == "NN") {
        q.subparts({{"What is the volume of the water?", kM3},
                    {"How many litres of water does the pool hold?", "litres"}});
        return q.part('N', m3.dec()).part('N', (m3 * Frac(1000)).dec()).done();
    }
    q.p("How many litres of water does the pool hold?");
    return q
        .number(r, k[0], m3 * Frac(1000), "litres",
                {m3 /* not changed into litres */, m3 * Frac(100) /* a zero short */,
                 m3 * Frac(1000000) /* as if cm3 */})
        .done();
}

// ---- units, mistakes and reasoning ----

Question volumeUnits(Rng& r, const std::string& k) {
    const int kind = r.range(0, 2);
    QB q("volume_units", 2);
    Frac value, ans;
    std::vector<Frac> wrong;
    std::string from, to, text;
    if (kind == 0) {
        from = "m3";
        to = "litres";
        value = r.chance(60) ? Frac(r.range(2, 12)) : Frac(r.range(2, 9) * 2 + 1, 2);
        ans = value * Frac(1000);
        text = "A water tank holds " + qty(value, kM3) +
               ". How many litres is that? (1&nbsp;m&sup3; "
               "= 1000 litres)";
        wrong = {value * Frac(100), value * Frac(10000), value * Frac(1000000) /* as cm3 */};
    } else if (kind == 1) {
        from = "litres";
        to = "m3";
        value = Frac(r.range(3, 40) * 500);
        ans = value / Frac(1000);
        text = "A skip holds " + qty(value, "litres") +
               " of rubbish. How many m&sup3; is that? (1&nbsp;m&sup3; = 1000 litres)";
        wrong = {value / Frac(100), value / Frac(10000), value * Frac(1000) /* multiplied */};
    } else {
        from = "m3";
        to = "cm3";
        value = Frac(r.range(2, 9));
        ans = value * Frac(1000000);
        text = "A crate has a volume of " + qty(value, kM3) + ". How many cm&sup3; is that?";
        wrong = {value * Frac(100) /* 100 cm in a metre, not cubed */,
                 value * Frac(10000) /* squared, not cubed */, value * Frac(1000) /* as litres */};
    }
    q.param("from", from).param("to", to).paramDec("value", value);
    q.p(text);
    return q.number(r, k[0], ans,
                    to == "litres" ? "litres"
                    : to == "m3"   ? kM3
                                   : kCm3,
                    wrong)
        .done();
}

Question volumeMixedUnits(Rng& r, const std::string& k) {
    const Frac l = r.pick(std::vector<Frac>{Frac(1), Frac(6, 5), Frac(3, 2), Frac(2)});
    const int w = r.range(3, 8) * 10;
    const int h = r.range(2, 6) * 10;
    const Frac plain = l * Frac(w * h);
    QB q("volume_mixed_units", 2);
    q.paramDec("length_m", l).param("w", w).param("h", h);
    q.p("A storage box is " + qty(l, "m") + " long, " + qty(w, "cm") + " wide and " + qty(h, "cm") +
        " high.");
    q.p("What is its volume in cm&sup3;?");
    return q
        .number(r, k[0], plain * Frac(100), kCm3,
                {plain /* the metres not changed */, plain * Frac(10) /* 10 cm in a metre */,
                 plain * Frac(1000) /* a zero too many */})
        .done();
}

Question volumeMistake(Rng& r, const std::string& k) {
    (void)k;
    int l, w, h;
    std::vector<int> vals;
    do {
        l = r.range(3, 12);
        w = r.range(2, l);
        h = r.range(2, 10);
        vals = {l * w * h, l + w + h, l * w, 2 * (l * w + l * h + w * h)};
        std::sort(vals.begin(), vals.end());
    } while (std::adjacent_find(vals.begin(), vals.end()) != vals.end());
    const std::string who = r.pick(names());
    const std::vector<std::pair<std::string, int>> claims = {
        {who + " is right.", l * w * h},
        {who + " added the length, the width and the height.", l + w + h},
        {who + " found the area of the bottom face only.", l * w},
        {who + " found the total area of the six faces.", 2 * (l * w + l * h + w * h)}};
    const std::size_t pick = r.chance(25) ? 0 : static_cast<std::size_t>(r.range(1, 3));
    QB q("volume_mistake", 2);
    q.param("who", who)
        .param("l", l)
        .param("w", w)
        .param("h", h)
        .param("claimed", claims[pick].second);
    q.p(who + " is asked for the volume of a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") +
        " wide and " + qty(h, "cm") + " high, and writes <b>" + qty(claims[pick].second, kCm3) +
        "</b>.");
    q.p("Which of these is true?");
    std::vector<std::string> wrong;
    for (std::size_t i = 0; i < claims.size(); ++i)
        if (i != pick) wrong.push_back(claims[i].first);
    return q.choice(r, claims[pick].first, wrong).done();
}

Question equalVolumes(Rng& r, const std::string& k) {
    int l1, w1, h1, l2, w2, h2;
    std::vector<Frac> wrong;
    do {
        l1 = r.range(4, 15);
        w1 = r.range(2, l1);
        h1 = r.range(2, 12);
        l2 = r.range(3, 15);
        w2 = r.range(2, l2);
        const int v = l1 * w1 * h1;
        h2 = v / (l2 * w2);
        wrong = {h1 /* the same height */, Frac(v, l2) /* divided by one edge */,
                 v - l2 * w2 /* subtracted the base */};
    } while ((l1 * w1 * h1) % (l2 * w2) || l1 * w1 == l2 * w2 || h2 < 2 ||
             !distinctWrong(h2, wrong));
    QB q("equal_volumes", 3);
    q.param("l1", l1).param("w1", w1).param("h1", h1).param("l2", l2).param("w2", w2);
    q.p("Box A is " + qty(l1, "cm") + " long, " + qty(w1, "cm") + " wide and " + qty(h1, "cm") +
        " high. Box B has the same volume. Its base is " + qty(l2, "cm") + " long and " +
        qty(w2, "cm") + " wide.");
    q.p("How high is box B?");
    return q.number(r, k[0], h2, "cm", wrong).done();
}

Question frameEdges(Rng& r, const std::string& k) {
    const bool cube = r.chance(50);
    QB q("frame_edges", 2);
    if (cube) {
        const int e = r.range(2, 12) * 2;
        q.param("shape", "cube").param("wire", 12 * e);
        q.p("The frame of a cube is made from " + qty(12 * e, "cm") +
            " of wire, which makes all twelve edges with none left over.");
        q.p("What is the volume of the cube?");
        return q
            .number(r, k[0], e * e * e, kCm3,
                    {e /* stopped at the edge */, 8 * e * e * e /* the wire shared among 6 faces */,
                     Frac(27 * e * e * e, 8) /* shared among the 8 corners */})
            .done();
    }
    int l, w, h;
    do {
        l = r.range(5, 25);
        w = r.range(3, l);
        h = r.range(2, 15);
    } while (l * w * h == 2 * (l + w + h));
    q.param("shape", "cuboid").param("l", l).param("w", w).param("h", h);
    q.p("A model of a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " +
        qty(h, "cm") + " high is made from straws, one straw along each edge.");
    q.p("What is the total length of the straws?");
    return q
        .number(r, k[0], 4 * (l + w + h), "cm",
                {l + w + h /* each length once */, 2 * (l + w + h) /* each length twice */,
                 l * w * h /* the volume */})
        .done();
}

Question baseArea(Rng& r, const std::string& k) {
    int a, h;
    std::vector<Frac> wrong;
    do {
        a = r.range(6, 60);
        h = r.range(2, 12);
        wrong = {a * h - h /* subtracted */, a * h * h /* multiplied */,
                 Frac(a, 2) /* halved as well */};
    } while (!distinctWrong(a, wrong));
    QB q("base_area", 2);
    q.param("volume", a * h).param("h", h);
    q.p("A cuboid has a volume of " + qty(a * h, kCm3) + " and a height of " + qty(h, "cm") + ".");
    q.p("What is the area of its base?");
    return q.number(r, k[0], a, kCm2, wrong).done();
}

Question crateLayers(Rng& r, const std::string& k) {
    int bl, bw, bh, nl, nw, nh;
    do {
        bl = r.pick(std::vector<int>{10, 15, 20, 25, 30});
        bw = r.pick(std::vector<int>{5, 10, 15, 20});
        bh = r.pick(std::vector<int>{5, 10, 15});
        nl = r.range(2, 5);
        nw = r.range(2, 5);
        nh = r.range(2, 4);
    } while (bw > bl || bl * nl < bw * nw);
    const int L = bl * nl, W = bw * nw, H = bh * nh;
    QB q("crate_layers", 3);
    q.param("L", L).param("W", W).param("H", H).param("bl", bl).param("bw", bw).param("bh", bh);
    q.p("A crate is " + qty(L, "cm") + " long, " + qty(W, "cm") + " wide and " + qty(H, "cm") +
        " high. It is packed with boxes " + qty(bl, "cm") + " long, " + qty(bw, "cm") +
        " wide and " + qty(bh, "cm") + " high, all standing the same way as the crate, in layers.");
    if (k == "NNN") {
        q.subparts({{"How many boxes fit in the bottom layer?", "boxes"},
                    {"How many layers fit in the crate?", "layers"},
                    {"How many boxes fit in the crate altogether?", "boxes"}});
        return q.part('N', S(nl * nw)).part('N', S(nh)).part('N', S(nl * nw * nh)).done();
    }
    if (k == "NN") {
        q.subparts({{"How many boxes fit in the bottom layer?", "boxes"},
                    {"How many boxes fit in the crate altogether?", "boxes"}});
        return q.part('N', S(nl * nw)).part('N', S(nl * nw * nh)).done();
    }
    q.p("How many boxes fit in the crate altogether?");
    q.answer("boxes");
    return q.part('N', S(nl * nw * nh)).done();
}

Question boxesTable(Rng& r, const std::string& k) {
    std::vector<std::array<int, 3>> boxes;
    std::vector<int> vols;
    for (;;) {
        boxes.clear();
        vols.clear();
        for (int i = 0; i < 4; ++i) {
            const int l = r.range(6, 20), w = r.range(3, l), h = r.range(2, 12);
            boxes.push_back({l, w, h});
            vols.push_back(l * w * h);
        }
        std::vector<int> sorted = vols;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) continue;
        // the largest box is not the one with the longest side
        const auto big = std::max_element(vols.begin(), vols.end()) - vols.begin();
        int longest = 0;
        for (int i = 1; i < 4; ++i)
            if (boxes[static_cast<std::size_t>(i)][0] > boxes[static_cast<std::size_t>(longest)][0])
                longest = i;
        if (big != longest) break;
    }
    // not A to D: a table cell "A" before a number would read as an article
    const std::string letters = "PQRS";
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < 4; ++i)
        rows.push_back(
            {std::string(1, letters[i]), S(boxes[i][0]), S(boxes[i][1]), S(boxes[i][2])});
    QB q("boxes_table", 2);
    q.p("The table shows the sizes of four boxes, in centimetres.");
    q.raw(tableHtml({"Box", "Length", "Width", "Height"}, rows));
    if (k == "T") {
        q.param("ask", "largest");
        q.p("Which box has the largest volume?");
        q.note("Write the letter.");
        q.answer();
        const auto big = std::max_element(vols.begin(), vols.end()) - vols.begin();
        return q.part('T', std::string(1, letters[static_cast<std::size_t>(big)])).done();
    }
    std::size_t x = 0, y = 1;
    if (vols[0] < vols[1]) std::swap(x, y);
    const std::string bx(1, letters[x]), by(1, letters[y]);
    if (k == "NN") {
        q.param("ask", "both").param("x", bx).param("y", by);
        q.subparts(
            {{"What is the volume of box " + by + "?", kCm3},
             {"How much greater is the volume of box " + bx + " than that of box " + by + "?",
              kCm3}});
        return q.part('N', S(vols[y])).part('N', S(vols[x] - vols[y])).done();
    }
    q.param("ask", "difference").param("x", bx).param("y", by);
    q.p("How much greater is the volume of box " + bx + " than that of box " + by + "?");
    q.answer(kCm3);
    return q.part('N', S(vols[x] - vols[y])).done();
}

// Two cuboids, one standing on the other at the back-left: a step.
Question stepSolid(Rng& r, const std::string& k) {
    int L, h1, L2, h2, D;
    std::vector<Frac> wrong;
    do {
        L = r.range(8, 20);
        h1 = r.range(2, 8);
        L2 = r.range(3, L - 3);
        h2 = r.range(2, 8);
        D = r.range(3, 10);
        wrong = {L * (h1 + h2) * D /* the whole cuboid round it */,
                 L * h1 * D /* the bottom only */, L2 * h2 * D /* the top only */};
    } while (!distinctWrong(L * h1 * D + L2 * h2 * D, wrong));
    QB q("step_solid", 3);
    q.param("L", L).param("h1", h1).param("L2", L2).param("h2", h2).param("D", D);
    q.p("The solid is made of two cuboids, one on top of the other. All its corners are right "
        "angles.");
    Figure& f = q.figure(300, 200, "step made of two cuboids");
    const double u = std::min(170.0 / (L + 0.5 * D), 150.0 / (h1 + h2 + 0.4 * D));
    const double x0 = 150 - (L + 0.5 * D) * u / 2, yb = 178;
    auto P = [&](double x, double y, double z) {
        return std::pair<int, int>{ri(x0 + x * u + z * 0.5 * u), ri(yb - y * u - z * 0.4 * u)};
    };
    const int H = h1 + h2;
    f.poly({P(0, 0, 0), P(L, 0, 0), P(L, h1, 0), P(L2, h1, 0), P(L2, H, 0), P(0, H, 0)}, "#dbeafe");
    f.poly({P(0, H, 0), P(L2, H, 0), P(L2, H, D), P(0, H, D)}, "#bfdbfe");
    f.poly({P(L2, h1, 0), P(L2, H, 0), P(L2, H, D), P(L2, h1, D)}, "#93c5fd");
    f.poly({P(L2, h1, 0), P(L, h1, 0), P(L, h1, D), P(L2, h1, D)}, "#bfdbfe");
    f.poly({P(L, 0, 0), P(L, 0, D), P(L, h1, D), P(L, h1, 0)}, "#93c5fd");
    auto text = [&](std::pair<int, int> at, int dx, int dy, char align, const std::string& s) {
        f.text(at.first + dx, at.second + dy, align, s);
    };
    text(P(L / 2.0, 0, 0), 0, 12, 'c', qty(L, "cm"));
    // a mark on the left edge where the bottom cuboid ends, between the two heights
    f.line(P(0, h1, 0).first - 6, P(0, h1, 0).second, P(0, h1, 0).first, P(0, h1, 0).second);
    text(P(0, h1 / 2.0, 0), -6, 0, 'r', qty(h1, "cm"));
    text(P(0, h1 + h2 / 2.0, 0), -6, 0, 'r', qty(h2, "cm"));
    text(P(L2 / 2.0, H, D), 0, -10, 'c', qty(L2, "cm"));
    text(P(L, 0, D / 2.0), 8, 4, 'l', qty(D, "cm"));
    const int total = L * h1 * D + L2 * h2 * D;
    if (k == "NN") {
        q.subparts({{"What is the volume of the bottom cuboid?", kCm3},
                    {"What is the volume of the whole solid?", kCm3}});
        return q.part('N', S(L * h1 * D)).part('N', S(total)).done();
    }
    q.p("What is the volume of the whole solid?");
    return q.number(r, k[0], total, kCm3, wrong).done();
}

}  // namespace

void addVolumeMore(std::vector<Family>& out) {
    out.push_back({"count_cubes", 5, {"N", "Q"}, countCubes});
    out.push_back({"cubes_to_cube", 5, {"N", "Q"}, cubesToCube});
    out.push_back({"scale_cube", 5, {"N", "Q"}, scaleCube});
    out.push_back({"cube_from_surface", 5, {"N", "Q", "NN"}, cubeFromSurface});
    out.push_back({"open_box_area", 5, {"N", "Q"}, openBoxArea});
    out.push_back({"net_volume", 5, {"N", "Q"}, netVolume});
    out.push_back({"solid_counts", 5, {"N", "Q"}, solidCounts});
    out.push_back({"which_net", 5, {"T"}, whichNet});
    out.push_back({"capacity_table", 5, {"N", "Q"}, capacityTable});
    out.push_back({"glasses_from_jug", 5, {"N", "Q", "NN"}, glassesFromJug});
    out.push_back({"fraction_full", 5, {"N", "Q", "NN"}, fractionFull});
    out.push_back({"jug_reading", 5, {"N", "Q"}, jugReading});
    out.push_back({"medicine_doses", 5, {"N", "Q"}, medicineDoses});
    out.push_back({"displacement", 5, {"N", "Q"}, displacement});
    out.push_back({"tank_depth", 5, {"N", "Q"}, tankDepth});
    out.push_back({"pour_tanks", 5, {"N", "Q", "NN"}, pourTanks});
    out.push_back({"pool_volume", 5, {"N", "Q", "NN"}, poolVolume});
    out.push_back({"volume_units", 5, {"N", "Q"}, volumeUnits});
    out.push_back({"volume_mixed_units", 5, {"N", "Q"}, volumeMixedUnits});
    out.push_back({"volume_mistake", 5, {"Q"}, volumeMistake});
    out.push_back({"equal_volumes", 5, {"N", "Q"}, equalVolumes});
    out.push_back({"frame_edges", 5, {"N", "Q"}, frameEdges});
    out.push_back({"base_area", 5, {"N", "Q"}, baseArea});
    out.push_back({"crate_layers", 5, {"N", "NN", "NNN"}, crateLayers});
    out.push_back({"boxes_table", 5, {"T", "N", "NN"}, boxesTable});
    out.push_back({"step_solid", 5, {"N", "Q", "NN"}, stepSolid});
}
