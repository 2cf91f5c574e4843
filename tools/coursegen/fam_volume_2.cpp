// Volume, continued: cubes counted in pictures, capacity and its units, tanks and pouring, nets,
// solids and their faces, tables of boxes, measuring jugs, reasoning about cubes.

#include "drawing.h"
#include "families.h"
#include "measure_solutions.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <map>
#include <optional>
#include <set>

namespace {

const char* kCm3 = "cm&sup3;";
const char* kCm2 = "cm&sup2;";
const char* kM2 = "m&sup2;";
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

// The picture drawUnitCubes makes.
std::string unitCubesDescription(int a, int b, int c) {
    return "A cuboid built from centimetre cubes, with the lines between the cubes drawn: " +
           plural(a, "cube", "cubes") + " along the front, " + plural(b, "cube", "cubes") +
           " going back and " + plural(c, "cube", "cubes") + " high.";
}

Question countCubes(Rng& r, const std::string& k) {
    int a, b, c;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 6);
        b = r.range(2, 4);
        c = r.range(2, 4);
        wrong = {
            {a * b * c - (a - 1) * (b - 1) * (c - 1), "counts only the cubes that can be seen"},
            {a * b, "counts one layer only"},
            {a * c + a * b + b * c, "counts the squares on the three faces that can be seen"}};
    } while (!distinctWrong(a * b * c, wrong));
    QB q("count_cubes", 1);
    q.param("a", a).param("b", b).param("c", c);
    q.p("The cuboid is built from centimetre cubes. There are no gaps inside it.");
    drawUnitCubes(q.figure(300, 200, unitCubesDescription(a, b, c)), a, b, c);
    q.p("What is the volume of the cuboid?");
    step(q, "Each layer is " + S(a) + " cubes along the front and " + S(b) + " going back: " +
                S(a) + " &times; " + S(b) + " = " + plural(a * b, "cube", "cubes") + ".");
    step(q, "There are " + S(c) + " layers: " + S(a * b) + " &times; " + S(c) + " = " +
                plural(a * b * c, "cube", "cubes") + ", the cubes hidden inside too.");
    step(q,
         "Each centimetre cube is 1&nbsp;cm&sup3;, so the volume is " + qty(a * b * c, kCm3) + ".");
    return q.number(r, k[0], a * b * c, kCm3, wrong).done();
}

Question cubesToCube(Rng& r, const std::string& k) {
    int a, b, c, n;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 5);
        b = r.range(2, 4);
        c = r.range(1, 4);
        n = std::max({a, b, c});
        wrong = {{n * n * n,
                  "is all the cubes of the big cube, without taking away those "
                  "already there"},
                 {a * b * c, "is the cubes already there"},
                 {n * n * n - (a + b + c), "takes away the edges of the cuboid, not its cubes"},
                 {n * n - a * b, "works with one layer only"}};
        // Draws stand as they always have: the two counts added, once an option but more than
        // the big cube holds, still takes part in choosing them.
    } while ((a == b && b == c) ||
             !enoughWrong(
                 n * n * n - a * b * c,
                 std::vector<Frac>{n * n * n, a * b * c, n * n * n + a * b * c, n * n - a * b}) ||
             (k[0] == 'Q' && !enoughWrong(n * n * n - a * b * c, wrong)));
    QB q("cubes_to_cube", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("The cuboid is built from centimetre cubes.");
    drawUnitCubes(q.figure(300, 200, unitCubesDescription(a, b, c)), a, b, c);
    q.p("How many more centimetre cubes are needed to make it into a cube with edges of " +
        qty(n, "cm") + "?");
    step(q, "The cube needs " + S(n) + " &times; " + S(n) + " &times; " + S(n) + " = " +
                plural(n * n * n, "cube", "cubes") + ".");
    step(q, "The cuboid has " + S(a) + " &times; " + S(b) + " &times; " + S(c) + " = " +
                plural(a * b * c, "cube", "cubes") + ".");
    step(q, "More needed = " + S(n * n * n) + " &minus; " + S(a * b * c) + " = " +
                plural(n * n * n - a * b * c, "cube", "cubes") + ".");
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
    step(q, "The large cube's edges are " + qty(e, "cm") + " &times; " + S(f) + " = " +
                qty(e * f, "cm") + ", so " + S(f) + " small cubes fit along each edge.");
    step(q, "One layer holds " + S(f) + " &times; " + S(f) + " = " +
                plural(f * f, "cube", "cubes") + ", and there are " + S(f) + " layers: " +
                S(f * f) + " &times; " + S(f) + " = " + plural(f * f * f, "cube", "cubes") + ".");
    return q
        .number(r, k[0], f * f * f, "cubes",
                {{f, "counts only the cubes along one edge"},
                 {f * f, "counts one layer only, as for an area"},
                 {3 * f,
                  "multiplies by 3 instead of " + S(f) + " &times; " + S(f) + " &times; " + S(f)}})
        .done();
}

// ---- faces and surfaces ----

Question cubeFromSurface(Rng& r, const std::string& k) {
    int e;
    std::vector<Slip> wrong;
    do {
        e = r.range(2, 10);
        wrong = {{e * e, "is the area of one face"},
                 {e, "is the length of an edge, not the volume"},
                 {3 * e, "multiplies the edge by 3 instead of by itself twice"},
                 {6 * e * e, "is the area of the six faces, given in the question"}};
    } while (!enoughWrong(e * e * e, wrong));
    QB q("cube_from_surface", 3);
    q.param("surface", 6 * e * e);
    q.p("The six faces of a cube have a total area of " + qty(6 * e * e, kCm2) + ".");
    const bool two = k == "NN";
    step(q, "The six faces are equal squares: one face = " + qty(6 * e * e, kCm2) +
                " &divide; 6 = " + qty(e * e, kCm2) + ".");
    step(q, std::string(two ? "(a) " : "") + "A square of " + qty(e * e, kCm2) + " has sides of " +
                qty(e, "cm") + ", because " + S(e) + " &times; " + S(e) + " = " + S(e * e) +
                ". So each edge is " + qty(e, "cm") + ".");
    step(q, std::string(two ? "(b) " : "") + "Volume = " + volumeChain(e, e, e) + ".");
    if (two) {
        q.subparts({{"How long is each edge of the cube?", "cm"},
                    {"What is the volume of the cube?", kCm3}});
        return q.part('N', S(e)).part('N', S(e * e * e)).done();
    }
    q.p("What is the volume of the cube?");
    return q.number(r, k[0], e * e * e, kCm3, wrong).done();
}

Question openBoxArea(Rng& r, const std::string& k) {
    int l, w, h, ans;
    std::vector<Slip> wrong;
    do {
        l = r.range(5, 20);
        w = r.range(3, l);
        h = r.range(2, 12);
        ans = l * w + 2 * l * h + 2 * w * h;
        wrong = {{2 * (l * w + l * h + w * h), "includes a lid: six faces instead of five"},
                 {l * w * h, "is the volume, not an area of card"},
                 {l * w + l * h + w * h, "takes only one face of each size"}};
    } while (!distinctWrong(ans, wrong));
    QB q("open_box_area", 3);
    q.param("l", l).param("w", w).param("h", h);
    q.p("A box with no lid is " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " +
        qty(h, "cm") + " high. It is made of card, with no overlaps.");
    drawOpenBox(q.figure(300, 200,
                         "A box with no lid, open at the top: " + qty(l, "cm") +
                             " long along the front, " + qty(h, "cm") +
                             " high up its left side "
                             "and " +
                             qty(w, "cm") + " wide along the side going back."),
                l, w, h);
    q.p("What area of card is needed to make it?");
    step(q, "With no lid the box has five faces: the bottom, the front and back, and two ends.");
    step(q, "Bottom = " + qty(l, "cm") + " &times; " + qty(w, "cm") + " = " + qty(l * w, kCm2) +
                "; front and back = 2 &times; " + qty(l, "cm") + " &times; " + qty(h, "cm") +
                " = " + qty(2 * l * h, kCm2) + ".");
    step(q, "The two ends = 2 &times; " + qty(w, "cm") + " &times; " + qty(h, "cm") + " = " +
                qty(2 * w * h, kCm2) + ".");
    step(q, "Card = " + qty(l * w, kCm2) + " + " + qty(2 * l * h, kCm2) + " + " +
                qty(2 * w * h, kCm2) + " = " + qty(ans, kCm2) + ".");
    return q.number(r, k[0], ans, kCm2, wrong).done();
}

Question netVolume(Rng& r, const std::string& k) {
    int l, w, h;
    std::vector<Slip> wrong;
    do {
        l = r.range(4, 12);
        w = r.range(2, std::min(l, 8));
        h = r.range(2, 8);
        wrong = {{2 * (l * w + l * h + w * h), "is the area of the net, not the volume"},
                 {l * w, "is the area of one face"},
                 {l + w + h, "adds the three lengths instead of multiplying them"}};
    } while (!distinctWrong(l * w * h, wrong));
    QB q("net_volume", 2);
    q.param("l", l).param("w", w).param("h", h);
    q.p("The net is folded to make a cuboid.");
    drawCuboidNet(q.figure(300, 200, netDescription(l, w, h)), l, w, h, "cm");
    q.p("What is the volume of the cuboid?");
    step(q, "Folded up, the net makes a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") +
                " wide and " + qty(h, "cm") + " high: the three lengths marked on it.");
    step(q, "Volume = " + volumeChain(l, w, h) + ".");
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
    std::vector<Slip> wrong;
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
        const std::string other = kd->isPrism ? "a pyramid" : "a prism";
        // a pyramid has as many faces as corners: asking for its corners has too few slips
        ask = kd->isPrism ? r.pick(std::vector<std::string>{"faces", "edges", "vertices"})
                          : r.pick(std::vector<std::string>{"faces", "edges"});
        if (ask == "faces") {
            ans = F;
            wrong = {{E, "is the number of edges"},
                     {V, "is the number of vertices"},
                     {F - (kd->isPrism ? 2 : 1),
                      kd->isPrism ? "leaves out the two ends" : "leaves out the base"},
                     {otherF, "is the number of faces of " + other + " on the same shape"}};
        } else if (ask == "edges") {
            ans = E;
            wrong = {{F, "is the number of faces"},
                     {V, "is the number of vertices"},
                     {F + V, "adds the faces and the vertices"},
                     {otherE, "is the number of edges of " + other + " on the same shape"}};
        } else {
            ans = V;
            wrong = {{F, "is the number of faces"},
                     {E, "is the number of edges"},
                     {n, "counts the corners of one end only"},
                     {otherV, "is the number of vertices of " + other + " on the same shape"}};
        }
    } while (!enoughWrong(ans, wrong));
    QB q("solid_counts", 1);
    q.param("solid", kd->isPrism ? "prism" : "pyramid").param("n", kd->n).param("ask", ask);
    const std::string word = ask == "vertices" ? "vertices (corners)" : ask;
    q.p("The picture shows " + withArticle(kd->name) + ". How many " + word + " does it have?");
    Figure& f = q.figure(300, 200,
                         "A picture of " + withArticle(kd->name) +
                             ", seen from above and to one side, with its hidden edges dashed.");
    drawSolid(f, kd->isPrism ? prism(kd->n) : pyramid(kd->n));
    const int n = kd->n;
    static const char* shapes[] = {"", "", "", "triangle", "rectangle", "pentagon", "hexagon"};
    const std::string end = kd->isPrism ? shapes[n] : n == 4 ? "square" : shapes[n];
    if (kd->isPrism) {
        step(q, capitalised(withArticle(kd->name)) + " is a prism: two equal ends, each " +
                    withArticle(end) + " with " + S(n) +
                    " sides, joined by a rectangle along "
                    "each side.");
        if (ask == "faces")
            step(q, "Faces = the 2 ends + " + S(n) + " rectangles: 2 + " + S(n) + " = " +
                        plural(ans, "face", "faces") + ".");
        else if (ask == "edges")
            step(q, "Edges = " + S(n) + " round each end and " + S(n) +
                        " joining the ends: " + S(n) + " + " + S(n) + " + " + S(n) + " = " +
                        plural(ans, "edge", "edges") + ".");
        else
            step(q, "Vertices = " + S(n) + " corners at each end: " + S(n) + " + " + S(n) + " = " +
                        plural(ans, "vertex", "vertices") + ".");
    } else {
        step(q, capitalised(withArticle(kd->name)) + " has " + withArticle(end) +
                    " for its base "
                    "and a triangle on each of the base's " +
                    S(n) +
                    " sides, the triangles "
                    "meeting at the top.");
        if (ask == "faces")
            step(q, "Faces = the base + " + S(n) + " triangles: 1 + " + S(n) + " = " +
                        plural(ans, "face", "faces") + ".");
        else
            step(q, "Edges = " + S(n) + " round the base and " + S(n) + " up to the top: " + S(n) +
                        " + " + S(n) + " = " + plural(ans, "edge", "edges") + ".");
    }
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

// Two squares of a shape that land on the same face of a cube when it is folded, as indices
// into the cells; {-1, -1} when every square has a face of its own. Meant for a shape with no
// 2 by 2 block: its squares then join as a tree, so each square's face is the same whichever
// way it is reached.
std::pair<int, int> sameFace(const Cells6& cells) {
    using V3 = std::array<int, 3>;
    auto neg = [](V3 a) { return V3{-a[0], -a[1], -a[2]}; };
    struct State {
        V3 down, north, east;
    };
    std::vector<std::pair<std::pair<int, int>, State>> todo = {
        {cells[0], State{{0, 0, -1}, {0, 1, 0}, {1, 0, 0}}}};
    std::map<std::pair<int, int>, V3> faceOf;
    while (!todo.empty()) {
        const auto [at, st] = todo.back();
        todo.pop_back();
        if (!faceOf.emplace(at, st.down).second) continue;
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
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = i + 1; j < cells.size(); ++j)
            if (faceOf[cells[i]] == faceOf[cells[j]])
                return {static_cast<int>(i), static_cast<int>(j)};
    return {-1, -1};
}

// "row 1, squares 1 to 3; row 2, square 2": a shape of squares for a learner who cannot see it.
std::string cellRows(const Cells6& c) {
    std::string out;
    for (int y = 0; y < 3; ++y) {
        std::vector<int> xs;
        for (const auto& [x, yy] : c)
            if (yy == y) xs.push_back(x + 1);
        if (xs.empty()) continue;
        std::sort(xs.begin(), xs.end());
        std::string list;
        for (std::size_t i = 0; i < xs.size(); ++i)
            list += (i == 0 ? "" : i + 1 == xs.size() ? " and " : ", ") + S(xs[i]);
        out += (out.empty() ? "" : "; ") + std::string("row ") + S(y + 1) +
               (xs.size() == 1 ? ", square " : ", squares ") + list;
    }
    return out;
}

std::string cellName(const std::pair<int, int>& cell) {
    return "row " + S(cell.second + 1) + ", square " + S(cell.first + 1);
}

// The top left square of a 2 by 2 block in the shape, if it has one.
std::optional<std::pair<int, int>> blockOfFour(const Cells6& c) {
    const auto has = [&](int x, int y) {
        return std::find(c.begin(), c.end(), std::pair<int, int>{x, y}) != c.end();
    };
    for (const auto& [x, y] : c)
        if (has(x + 1, y) && has(x, y + 1) && has(x + 1, y + 1)) return std::pair<int, int>{x, y};
    return std::nullopt;
}

// Why shape `name`, of six squares, does not fold into a cube.
std::string whyNoNet(const std::string& name, const Cells6& c) {
    if (const auto block = blockOfFour(c))
        return "Shape " + name + " has four squares in a 2 by 2 block (rows " +
               S(block->second + 1) + " and " + S(block->second + 2) + ", squares " +
               S(block->first + 1) + " and " + S(block->first + 2) +
               "). Only three faces of a cube meet at a corner, so four "
               "squares round one point cannot fold round it.";
    const auto [a, b] = sameFace(c);
    return "Shape " + name + ": folded up, the squares at " +
           cellName(c[static_cast<std::size_t>(a)]) + " and " +
           cellName(c[static_cast<std::size_t>(b)]) +
           " land on the same face, so one face of the cube is left open.";
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
    std::string description =
        "Four shapes, each made of six squares and labelled A, B, C and D, their rows counted "
        "from the top and squares from the left.";
    for (std::size_t i = 0; i < 4; ++i) {
        q.param(std::string(1, letters[i]), cellsText(shown[i]));
        if (foldsToCube(shown[i])) right = std::string(1, letters[i]);
        description += std::string(" ") + letters[i] + ": " + cellRows(shown[i]) + ".";
    }
    q.p("Only one of these shapes can be folded to make a cube.");
    Figure& f = q.figure(300, 200, description);
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
    step(q,
         "A net of a cube folds up so that its six squares cover the six faces of the cube, "
         "each face once. Fold each shape in your mind, keeping one square as the bottom.");
    for (std::size_t i = 0; i < 4; ++i)
        if (std::string(1, letters[i]) != right)
            step(q, whyNoNet(std::string(1, letters[i]), shown[i]));
    step(q, "Shape " + right + " folds with every square on a face of its own, so shape " + right +
                " is the net of a cube.");
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
    std::string changed, terms;
    for (const Item& it : pick) {
        const bool inLitres = it.ml >= 1000;
        const Frac shown = inLitres ? Frac(it.ml, 1000) : Frac(it.ml);
        rows.push_back({it.name, inLitres ? litres(shown) : qty(shown, "ml")});
        total += it.ml;
        shownSum = shownSum + shown;
        if (inLitres)
            changed += (changed.empty() ? "" : "; ") + litres(shown) + " = " + num(shown) +
                       " &times; 1000&nbsp;ml = " + qty(it.ml, "ml");
        terms += (terms.empty() ? "" : " + ") + qty(it.ml, "ml");
    }
    QB q("capacity_table", 2);
    q.p("The table shows how much some containers hold.");
    q.raw(tableHtml({"Container", "Capacity"}, rows));
    q.p("What is their total capacity in litres?");
    step(q,
         "The table mixes litres and millilitres: change the litres into millilitres first "
         "(1&nbsp;litre = 1000&nbsp;ml). " +
             changed + ".");
    step(q, "Total = " + terms + " = " + qty(total, "ml") + ".");
    step(q, "In litres: " + qty(total, "ml") + " = " + num(total) +
                " &divide; 1000&nbsp;litres = " + litres(Frac(total, 1000)) + ".");
    return q
        .number(r, k[0], Frac(total, 1000), "litres",
                {{shownSum, "adds the numbers as they stand, litres and millilitres mixed"},
                 {Frac(total, 100), "divides by 100, as if a litre were 100&nbsp;ml"},
                 {Frac(total, 10000), "divides by 10&nbsp;000: one zero too many"}})
        .done();
}

Question glassesFromJug(Rng& r, const std::string& k) {
    int jug, glass, full, left;
    std::vector<Slip> wrong;
    do {
        jug = r.pick(std::vector<int>{1000, 1500, 2000, 2500, 3000});
        glass = r.pick(std::vector<int>{150, 200, 250, 300, 330, 400});
        full = jug / glass;
        left = jug % glass;
        wrong = {{full + 1, "rounds up, but the last glass cannot be filled to the top"},
                 {left, "is the juice left over in millilitres, not a number of glasses"},
                 {jug * 10 / glass, "puts a zero too many into the millilitres of the jug"}};
    } while (left == 0 || !enoughWrong(full, wrong));
    QB q("glasses_from_jug", 2);
    q.param("jug_ml", jug).param("glass_ml", glass);
    q.p("A jug holds " + litres(Frac(jug, 1000)) +
        " of juice. It is poured into glasses "
        "that each hold " +
        qty(glass, "ml") + ".");
    const bool two = k == "NN";
    step(q, "Change the litres into millilitres: " + litres(Frac(jug, 1000)) + " = " +
                num(Frac(jug, 1000)) + " &times; 1000&nbsp;ml = " + qty(jug, "ml") + ".");
    step(q, std::string(two ? "(a) " : "") + "How many lots of " + qty(glass, "ml") + " are in " +
                qty(jug, "ml") + "? " + S(full) + " &times; " + qty(glass, "ml") + " = " +
                qty(full * glass, "ml") + ", and " + S(full + 1) + " &times; " + qty(glass, "ml") +
                " = " + qty((full + 1) * glass, "ml") + " is too much. So " +
                plural(full, "glass is", "glasses are") + " filled.");
    step(q, std::string(two ? "(b) " : "") + "Juice left = " + qty(jug, "ml") + " &minus; " +
                qty(full * glass, "ml") + " = " + qty(left, "ml") +
                ", not enough for another "
                "glass.");
    if (two) {
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
    int num_, den, cap;
    std::vector<Slip> wrong;
    Frac in, more;
    do {
        const auto& f = r.pick(fracs);
        num_ = f.first;
        den = f.second;
        cap = den * r.range(3, 15);
        in = Frac(cap * num_, den);
        more = Frac(cap) - in;
        wrong = {{in, "is the water in the tank now, not what is needed"},
                 {Frac(cap - num_), "takes away the top number of the fraction"},
                 {Frac(cap, den), "is one part only"},
                 {Frac(cap, num_), "divides by the top number of the fraction"}};
    } while (cap > 120 || !enoughWrong(more, wrong));
    QB q("fraction_full", 2);
    q.param("capacity", cap).paramFrac("full", Frac(num_, den));
    q.p("A water tank holds " + qty(cap, "litres") + " when it is full. At the moment it is " +
        fracHtml(Frac(num_, den)) + " full.");
    const bool two = k == "NN";
    const int part = cap / den;
    step(q, "One part: " + num(cap) + " &divide; " + S(den) + " = " + qty(part, "litres") + ".");
    step(q, std::string(two ? "(a) " : "") + "Water in the tank = " + fracHtml(Frac(num_, den)) +
                " of " + qty(cap, "litres") + ": " + S(num_) + " &times; " + qty(part, "litres") +
                " = " + qty(in, "litres") + ".");
    step(q, std::string(two ? "(b) " : "") + "More needed = " + qty(cap, "litres") + " &minus; " +
                qty(in, "litres") + " = " + qty(more, "litres") + ".");
    if (two) {
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
    std::vector<Slip> wrong;
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
            wrong = {{level, "is the water in the jug, not how much more is needed"},
                     {sc.top - below, "counts from the number below the water"},
                     {sc.top - above, "counts from the number above the water"},
                     {sc.top - misread, "reads each small mark as 10&nbsp;ml"}};
        } else {
            ans = level;
            wrong = {{misread, "reads each small mark as 10&nbsp;ml"},
                     {below, "reads the number below the water"},
                     {above, "reads the number above the water"}};
        }
    } while (!enoughWrong(ans, wrong));
    const int gap = sc.labelEvery * sc.step;  // between two numbers
    const int below = at / sc.labelEvery * gap;
    const int marks = at % sc.labelEvery;  // small marks above the number below
    static const char* ordinals[] = {"", "first", "second", "third"};
    const std::string where =
        std::string(ordinals[marks]) + " small mark above " +
        (below == 0 ? std::string("the bottom of the jug") : "the " + S(below) + " mark");
    QB q("jug_reading", 2);
    q.param("ask", askMore ? "more" : "level");
    q.p("The picture shows the water in a measuring jug.");
    Figure& f =
        q.figure(300, 200,
                 "A measuring jug with a scale in ml up its side, numbered " + S(gap) + " to " +
                     S(sc.top) + " in steps of " + S(gap) + ", with " +
                     (sc.labelEvery == 2 ? std::string("one small unnumbered mark")
                                         : S(sc.labelEvery - 1) + " small unnumbered marks") +
                     " between each two numbers and below the first. The water comes up to the " +
                     where + ".");
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
    step(q, "The numbers go up in " + qty(gap, "ml") +
                " steps, and the marks split each step into " + S(sc.labelEvery) +
                " equal parts: each mark is " + num(gap) + " &divide; " + S(sc.labelEvery) + " = " +
                qty(sc.step, "ml") + ".");
    step(q, "The water is at the " + where + ": " + num(below) + " + " +
                (marks == 1 ? num(sc.step) : S(marks) + " &times; " + num(sc.step)) + " = " +
                qty(level, "ml") + ".");
    if (askMore)
        step(q, "More needed = " + num(sc.top) + " &minus; " + num(level) + " = " +
                    qty(sc.top - level, "ml") + ".");
    return q.number(r, k[0], ans, "ml", wrong).done();
}

Question medicineDoses(Rng& r, const std::string& k) {
    int dose, times, days, total;
    std::vector<Slip> wrong;
    do {
        dose = r.pick(std::vector<int>{5, 10});
        times = r.range(2, 4);
        days = r.range(4, 14);
        total = dose * times * days;
        wrong = {{total / dose, "counts the doses, not the days"},
                 {dose * times, "is the medicine for one day, not the number of days"},
                 {Frac(total, times), "leaves out the size of a dose"}};
    } while (total > 300 || total < 100 || !distinctWrong(days, wrong));
    QB q("medicine_doses", 2);
    q.param("total", total).param("dose", dose).param("times", times);
    const std::string often = times == 2 ? "twice" : times == 3 ? "three times" : "four times";
    q.p("A bottle holds " + qty(total, "ml") + " of medicine. The dose is " + qty(dose, "ml") +
        ", " + often + " a day.");
    q.p("For how many days does the bottle last?");
    step(q, "Medicine each day = " + S(times) + " &times; " + qty(dose, "ml") + " = " +
                qty(dose * times, "ml") + ".");
    step(q, "Days = " + num(total) + " &divide; " + num(dose * times) + " = " +
                plural(days, "day", "days") + ".");
    return q.number(r, k[0], days, "days", wrong).done();
}

// ---- tanks ----

Question displacement(Rng& r, const std::string& k) {
    int l, w, h, rise;
    std::vector<Slip> wrong;
    do {
        l = r.range(3, 8) * 10;
        w = r.range(2, std::min(5, l / 10)) * 10;
        h = r.range(3, 5) * 10;
        rise = r.range(1, 4);
        wrong = {{l * w, "is the area of the base of the tank"},
                 {Frac(l * w * rise, 1000), "is in litres, not cm&sup3;"},
                 {(l + w) * rise, "adds the length and the width instead of multiplying"}};
    } while (!distinctWrong(l * w * rise, wrong));
    QB q("displacement", 3);
    q.param("l", l).param("w", w).param("rise", rise);
    q.p("A fish tank is " + qty(l, "cm") + " long and " + qty(w, "cm") +
        " wide. A stone is put into the water and sinks to the bottom. The water rises by " +
        qty(rise, "cm") + ".");
    drawCuboidLabelled(
        q.figure(300, 200,
                 "A fish tank drawn as a cuboid, " + qty(l, "cm") + " long along the bottom and " +
                     qty(w, "cm") + " wide along the side going back; its height is not marked."),
        l, w, h, qty(l, "cm"), qty(w, "cm"), "");
    q.p("What is the volume of the stone?");
    step(q,
         "The stone pushes the water up: the volume of the stone is the volume of the water "
         "that rose, a layer " +
             qty(rise, "cm") + " deep over the whole base.");
    step(q, "Volume of the stone = " + volumeChain(l, w, rise) + ".");
    return q.number(r, k[0], l * w * rise, kCm3, wrong).done();
}

Question tankDepth(Rng& r, const std::string& k) {
    int l, w, d;
    std::vector<Slip> wrong;
    do {
        l = r.range(3, 8) * 10;
        w = r.range(2, l / 10) * 10;
        d = r.range(5, 40);
        wrong = {{w * d, "divides by the length only, not by the area of the base"},
                 {Frac(d, 10), "changes litres to cm&sup3; with 100, not 1000"},
                 {d * 10, "changes litres to cm&sup3; with 10&nbsp;000, not 1000"}};
    } while ((l * w * d) % 500 || !distinctWrong(d, wrong));
    const Frac litres(l * w * d, 1000);
    QB q("tank_depth", 3);
    q.param("l", l).param("w", w).paramDec("litres", litres);
    q.p("An empty fish tank has a base " + qty(l, "cm") + " long and " + qty(w, "cm") + " wide. " +
        qty(litres, "litres") + " of water are poured in. (1 litre = 1000 cm&sup3;)");
    q.p("How deep is the water?");
    step(q, "Change the litres into cm&sup3;: " + qty(litres, "litres") + " = " + num(litres) +
                " &times; 1000&nbsp;cm&sup3; = " + qty(l * w * d, kCm3) + ".");
    step(q, "Area of the base = " + qty(l, "cm") + " &times; " + qty(w, "cm") + " = " +
                qty(l * w, kCm2) + ".");
    step(q, "Depth = volume &divide; area of the base: " + qty(l * w * d, kCm3) + " &divide; " +
                qty(l * w, kCm2) + " = " + qty(d, "cm") + ".");
    return q.number(r, k[0], d, "cm", wrong).done();
}

Question pourTanks(Rng& r, const std::string& k) {
    int la, wa, da, lb, wb, db;
    std::vector<Slip> wrong;
    do {
        la = r.range(2, 6) * 10;
        wa = r.range(1, la / 10) * 10;
        da = r.range(2, 12) * 2;
        lb = r.range(2, 8) * 10;
        wb = r.range(1, lb / 10) * 10;
        const int v = la * wa * da;
        db = v / (lb * wb);
        wrong = {{da, "keeps the same depth, but tank B has a different base"},
                 {Frac(v, lb), "divides by the length of tank B only"},
                 {Frac(v, lb * wb * 10), "divides by 10 times the base: a zero too many"},
                 {Frac(v, lb + wb), "divides by the length plus the width instead of the area"}};
    } while ((la * wa * da) % (lb * wb) || la * wa == lb * wb || db < 2 || db > 60 ||
             !enoughWrong(db, wrong));
    const int v = la * wa * da;
    QB q("pour_tanks", 3);
    q.param("la", la).param("wa", wa).param("da", da).param("lb", lb).param("wb", wb);
    q.p("Tank A has a base " + qty(la, "cm") + " by " + qty(wa, "cm") + ". It holds water " +
        qty(da, "cm") + " deep. All the water is poured into the empty tank B, whose base is " +
        qty(lb, "cm") + " by " + qty(wb, "cm") + ".");
    const bool two = k == "NN";
    step(q,
         std::string(two ? "(a) " : "") + "Volume of the water = " + volumeChain(la, wa, da) + ".");
    step(q, std::string(two ? "(b) " : "") + "The same water in tank B: base of B = " +
                qty(lb, "cm") + " &times; " + qty(wb, "cm") + " = " + qty(lb * wb, kCm2) + ".");
    step(q, "Depth in B = " + qty(v, kCm3) + " &divide; " + qty(lb * wb, kCm2) + " = " +
                qty(db, "cm") + ".");
    if (two) {
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
    const bool two = k == "NN";
    step(q, std::string(two ? "(a) " : "") + "Volume = " + qty(l, "m") + " &times; " + qty(w, "m") +
                " &times; " + qty(d, "m") + " = " + qty(l * w, kM2) + " &times; " + qty(d, "m") +
                " = " + qty(m3, kM3) + ".");
    if (!d.isInt())
        step(q, "Working: " + num(l * w) + " &times; " + num(d * Frac(10)) + " = " +
                    num(Frac(l * w) * d * Frac(10)) + ", and " + num(d) +
                    " has one decimal place, so " + num(l * w) + " &times; " + num(d) + " = " +
                    num(m3) + ".");
    step(q, std::string(two ? "(b) " : "") + "1&nbsp;m&sup3; = 1000&nbsp;litres: " + num(m3) +
                " &times; 1000 = " + qty(m3 * Frac(1000), "litres") + ".");
    if (two) {
        q.subparts({{"What is the volume of the water?", kM3},
                    {"How many litres of water does the pool hold?", "litres"}});
        return q.part('N', m3.dec()).part('N', (m3 * Frac(1000)).dec()).done();
    }
    q.p("How many litres of water does the pool hold?");
    return q
        .number(r, k[0], m3 * Frac(1000), "litres",
                {{m3, "is the volume in m&sup3;, not changed into litres"},
                 {m3 * Frac(100), "multiplies by 100: one zero short"},
                 {m3 * Frac(1000000),
                  "multiplies by 1&nbsp;000&nbsp;000, the cm&sup3; in a "
                  "m&sup3;, not the litres"}})
        .done();
}

// ---- units, mistakes and reasoning ----

Question volumeUnits(Rng& r, const std::string& k) {
    const int kind = r.range(0, 2);
    QB q("volume_units", 2);
    Frac value, ans;
    std::vector<Slip> wrong;
    std::string from, to, text;
    if (kind == 0) {
        from = "m3";
        to = "litres";
        value = r.chance(60) ? Frac(r.range(2, 12)) : Frac(r.range(2, 9) * 2 + 1, 2);
        ans = value * Frac(1000);
        text = "A water tank holds " + qty(value, kM3) +
               ". How many litres is that? (1&nbsp;m&sup3; "
               "= 1000 litres)";
        wrong = {{value * Frac(100), "multiplies by 100: one zero short"},
                 {value * Frac(10000), "multiplies by 10&nbsp;000: one zero too many"},
                 {value * Frac(1000000),
                  "is in cm&sup3; (1&nbsp;m&sup3; = "
                  "1&nbsp;000&nbsp;000&nbsp;cm&sup3;), not litres"}};
    } else if (kind == 1) {
        from = "litres";
        to = "m3";
        value = Frac(r.range(3, 40) * 500);
        ans = value / Frac(1000);
        text = "A skip holds " + qty(value, "litres") +
               " of rubbish. How many m&sup3; is that? (1&nbsp;m&sup3; = 1000 litres)";
        wrong = {{value / Frac(100), "divides by 100: one zero short"},
                 {value / Frac(10000), "divides by 10&nbsp;000: one zero too many"},
                 {value * Frac(1000), "multiplies instead of dividing"}};
    } else {
        from = "m3";
        to = "cm3";
        value = Frac(r.range(2, 9));
        ans = value * Frac(1000000);
        text = "A crate has a volume of " + qty(value, kM3) + ". How many cm&sup3; is that?";
        wrong = {{value * Frac(100),
                  "multiplies by 100, the centimetres in a metre, without "
                  "cubing"},
                 {value * Frac(10000), "multiplies by 100 &times; 100, as for square metres"},
                 {value * Frac(1000), "multiplies by 1000, as for litres"}};
    }
    q.param("from", from).param("to", to).paramDec("value", value);
    q.p(text);
    if (kind == 0) {
        step(q, "1&nbsp;m&sup3; = 1000&nbsp;litres, so multiply by 1000.");
        step(q, qty(value, kM3) + " = " + num(value) +
                    " &times; 1000&nbsp;litres = " + qty(ans, "litres") + ".");
    } else if (kind == 1) {
        step(q, "1&nbsp;m&sup3; = 1000&nbsp;litres, so divide by 1000.");
        step(q, qty(value, "litres") + " = " + num(value) +
                    " &divide; 1000&nbsp;m&sup3; = " + qty(ans, kM3) + ".");
    } else {
        step(q,
             "1&nbsp;m = 100&nbsp;cm, so a cube of edge 1&nbsp;m is 100&nbsp;cm on every edge: "
             "1&nbsp;m&sup3; = 100&nbsp;cm &times; 100&nbsp;cm &times; 100&nbsp;cm = " +
                 qty(1000000, kCm3) + ".");
        step(q, qty(value, kM3) + " = " + num(value) + " &times; " + qty(1000000, kCm3) + " = " +
                    qty(ans, kCm3) + ".");
    }
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
    const int lc = static_cast<int>((l * Frac(100)).whole());
    step(q, "All three lengths must be in centimetres: " + qty(l, "m") + " = " + num(l) +
                " &times; " + qty(100, "cm") + " = " + qty(lc, "cm") + ".");
    step(q, "Volume = " + volumeChain(lc, w, h) + ".");
    return q
        .number(r, k[0], plain * Frac(100), kCm3,
                {{plain, "multiplies the metres by the centimetres without changing them"},
                 {plain * Frac(10), "uses 10&nbsp;cm in a metre instead of 100"},
                 {plain * Frac(1000), "uses 1000&nbsp;cm in a metre instead of 100"}})
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
    // What each sentence's working gives, to set beside what was written.
    const std::vector<std::string> working = {
        "the volume is " + volumeChain(l, w, h),
        "the three lengths added make " + qty(l, "cm") + " + " + qty(w, "cm") + " + " +
            qty(h, "cm") + " = " + qty(l + w + h, "cm"),
        "the bottom face is " + qty(l, "cm") + " &times; " + qty(w, "cm") + " = " +
            qty(l * w, kCm2),
        "the six faces are 2 &times; (" + S(l * w) + " + " + S(l * h) + " + " + S(w * h) +
            ") = " + qty(2 * (l * w + l * h + w * h), kCm2)};
    const std::size_t pick = r.chance(25) ? 0 : static_cast<std::size_t>(r.range(1, 3));
    QB q("volume_mistake", 2);
    q.param("who", who)
        .param("l", l)
        .param("w", w)
        .param("h", h)
        .param("claimed", claims[pick].second);
    const int claimed = claims[pick].second;
    q.p(who + " is asked for the volume of a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") +
        " wide and " + qty(h, "cm") + " high, and writes <b>" + qty(claimed, kCm3) + "</b>.");
    q.p("Which of these is true?");
    std::vector<TextSlip> wrong;
    for (std::size_t i = 0; i < claims.size(); ++i)
        if (i != pick)
            wrong.push_back(
                {claims[i].first, "is not what happened: " + working[i] + ", not " + num(claimed)});
    step(q,
         "Volume of a cuboid = length &times; width &times; height: " + volumeChain(l, w, h) + ".");
    if (pick == 0)
        step(q, who + " wrote " + qty(claimed, kCm3) + ", which is the volume.");
    else
        step(q, who + " wrote " + num(claimed) + ", and " + working[pick] + ".");
    step(q, "So the true sentence is: " + claims[pick].first);
    return q.choice(r, claims[pick].first, wrong).done();
}

Question equalVolumes(Rng& r, const std::string& k) {
    int l1, w1, h1, l2, w2, h2;
    std::vector<Slip> wrong;
    do {
        l1 = r.range(4, 15);
        w1 = r.range(2, l1);
        h1 = r.range(2, 12);
        l2 = r.range(3, 15);
        w2 = r.range(2, l2);
        const int v = l1 * w1 * h1;
        h2 = v / (l2 * w2);
        wrong = {{h1, "keeps the height of box A, though box B has a different base"},
                 {Frac(v, l2), "divides by the length of box B only"},
                 {v - l2 * w2, "takes the base away from the volume instead of dividing"}};
    } while ((l1 * w1 * h1) % (l2 * w2) || l1 * w1 == l2 * w2 || h2 < 2 ||
             !distinctWrong(h2, wrong));
    QB q("equal_volumes", 3);
    q.param("l1", l1).param("w1", w1).param("h1", h1).param("l2", l2).param("w2", w2);
    q.p("Box A is " + qty(l1, "cm") + " long, " + qty(w1, "cm") + " wide and " + qty(h1, "cm") +
        " high. Box B has the same volume. Its base is " + qty(l2, "cm") + " long and " +
        qty(w2, "cm") + " wide.");
    q.p("How high is box B?");
    const int v = l1 * w1 * h1;
    step(q, "Volume of box A = " + volumeChain(l1, w1, h1) + ".");
    step(q, "Base of box B = " + qty(l2, "cm") + " &times; " + qty(w2, "cm") + " = " +
                qty(l2 * w2, kCm2) + ".");
    step(q, "Height of box B = volume &divide; base: " + qty(v, kCm3) + " &divide; " +
                qty(l2 * w2, kCm2) + " = " + qty(h2, "cm") + ".");
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
        step(q, "A cube has 12 equal edges: each edge = " + qty(12 * e, "cm") +
                    " &divide; 12 = " + qty(e, "cm") + ".");
        step(q, "Volume = " + volumeChain(e, e, e) + ".");
        return q
            .number(r, k[0], e * e * e, kCm3,
                    {{e, "is the length of an edge, not the volume"},
                     {8 * e * e * e, "shares the wire among 6 edges instead of 12"},
                     {Frac(27 * e * e * e, 8), "shares the wire among 8 edges instead of 12"}})
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
    step(q,
         "A cuboid has 12 edges: 4 as long as its length, 4 as long as its width and 4 as long "
         "as its height.");
    step(q, "Straws = 4 &times; " + qty(l, "cm") + " + 4 &times; " + qty(w, "cm") +
                " + 4 &times; " + qty(h, "cm") + " = " + qty(4 * l, "cm") + " + " +
                qty(4 * w, "cm") + " + " + qty(4 * h, "cm") + " = " + qty(4 * (l + w + h), "cm") +
                ".");
    return q
        .number(r, k[0], 4 * (l + w + h), "cm",
                {{l + w + h, "counts each length once, not four times"},
                 {2 * (l + w + h), "counts each length twice, not four times"},
                 {l * w * h, "is the volume, not a length"}})
        .done();
}

Question baseArea(Rng& r, const std::string& k) {
    int a, h;
    std::vector<Slip> wrong;
    do {
        a = r.range(6, 60);
        h = r.range(2, 12);
        wrong = {{a * h - h, "takes the height away instead of dividing"},
                 {a * h * h, "multiplies by the height instead of dividing"},
                 {Frac(a, 2), "halves the answer as well"}};
    } while (!distinctWrong(a, wrong));
    QB q("base_area", 2);
    q.param("volume", a * h).param("h", h);
    q.p("A cuboid has a volume of " + qty(a * h, kCm3) + " and a height of " + qty(h, "cm") + ".");
    q.p("What is the area of its base?");
    step(q,
         "Volume = area of the base &times; height, so the area of the base is the volume "
         "divided by the height.");
    step(q, "Area of the base = " + qty(a * h, kCm3) + " &divide; " + qty(h, "cm") + " = " +
                qty(a, kCm2) + ".");
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
    const std::string a = k.size() > 1 ? "(a) " : "";
    const std::string layersLabel = k == "NNN" ? "(b) " : "";
    const std::string totalLabel = k == "NNN" ? "(c) " : k == "NN" ? "(b) " : "";
    step(q, a + "Along the length: " + num(L) + " &divide; " + num(bl) + " = " + S(nl) +
                "; along the width: " + num(W) + " &divide; " + num(bw) + " = " + S(nw) +
                ". Bottom layer = " + S(nl) + " &times; " + S(nw) + " = " +
                plural(nl * nw, "box", "boxes") + ".");
    step(q, layersLabel + "Layers = " + num(H) + " &divide; " + num(bh) + " = " +
                plural(nh, "layer", "layers") + ".");
    step(q, totalLabel + "Boxes altogether = " + S(nl * nw) + " &times; " + S(nh) + " = " +
                plural(nl * nw * nh, "box", "boxes") + ".");
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
    auto volume = [&](std::size_t i) {
        return std::string("Box ") + letters[i] + ": " +
               volumeChain(boxes[i][0], boxes[i][1], boxes[i][2]);
    };
    if (k == "T") {
        q.param("ask", "largest");
        q.p("Which box has the largest volume?");
        q.note("Write the letter.");
        q.answer();
        const auto big =
            static_cast<std::size_t>(std::max_element(vols.begin(), vols.end()) - vols.begin());
        step(q, "Volume = length &times; width &times; height. " + volume(0) + ".");
        for (std::size_t i = 1; i < 4; ++i) step(q, volume(i) + ".");
        step(q, "The largest is " + qty(vols[big], kCm3) + ", so box " + letters[big] +
                    " has the largest volume.");
        return q.part('T', std::string(1, letters[big])).done();
    }
    std::size_t x = 0, y = 1;
    if (vols[0] < vols[1]) std::swap(x, y);
    const std::string bx(1, letters[x]), by(1, letters[y]);
    const bool two = k == "NN";
    step(q, std::string(two ? "(a) " : "") + volume(y) + ".");
    step(q, volume(x) + ".");
    step(q, std::string(two ? "(b) " : "") + "Difference = " + qty(vols[x], kCm3) + " &minus; " +
                qty(vols[y], kCm3) + " = " + qty(vols[x] - vols[y], kCm3) + ".");
    if (two) {
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
    std::vector<Slip> wrong;
    do {
        L = r.range(8, 20);
        h1 = r.range(2, 8);
        L2 = r.range(3, L - 3);
        h2 = r.range(2, 8);
        D = r.range(3, 10);
        wrong = {{L * (h1 + h2) * D,
                  "is the whole cuboid round the solid, the empty corner "
                  "counted in"},
                 {L * h1 * D, "is the bottom cuboid only"},
                 {L2 * h2 * D, "is the top cuboid only"}};
    } while (!distinctWrong(L * h1 * D + L2 * h2 * D, wrong));
    QB q("step_solid", 3);
    q.param("L", L).param("h1", h1).param("L2", L2).param("h2", h2).param("D", D);
    q.p("The solid is made of two cuboids, one on top of the other. All its corners are right "
        "angles.");
    Figure& f =
        q.figure(300, 200,
                 "A solid made of two cuboids, one on top of the other, both " + qty(D, "cm") +
                     " deep (marked along the side going back). The "
                     "bottom cuboid is " +
                     qty(L, "cm") + " long and " + qty(h1, "cm") +
                     " high. The top cuboid stands at its left end, " + qty(L2, "cm") +
                     " long and " + qty(h2, "cm") + " high.");
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
    const bool two = k == "NN";
    step(q, "Split the solid into its two cuboids, both " + qty(D, "cm") + " deep.");
    step(q, std::string(two ? "(a) " : "") + "Bottom cuboid = " + volumeChain(L, D, h1) + ".");
    step(q, "Top cuboid = " + volumeChain(L2, D, h2) + ".");
    step(q, std::string(two ? "(b) " : "") + "Whole solid = " + qty(L * h1 * D, kCm3) + " + " +
                qty(L2 * h2 * D, kCm3) + " = " + qty(total, kCm3) + ".");
    if (two) {
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
