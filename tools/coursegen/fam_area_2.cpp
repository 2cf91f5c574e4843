// Area and Perimeter, continued: shapes on grids, units of area, triangles by their sides,
// regular polygons, plans and tables, shaded parts, reasoning about rectangles.

#include "drawing.h"
#include "families.h"

#include <algorithm>
#include <cmath>

namespace {

const char* kCm2 = "cm&sup2;";
const char* kM2 = "m&sup2;";
const char* kFill = "#dbeafe";
const char* kShade = "#93c5fd";

int ri(double v) {
    return static_cast<int>(std::lround(v));
}

// ---- shapes of squares on a grid ----

struct Cells {
    int rows = 0;
    int cols = 0;
    std::vector<bool> on;
    bool at(int r, int c) const {
        return r >= 0 && c >= 0 && r < rows && c < cols &&
               on[static_cast<std::size_t>(r * cols + c)];
    }
    int count() const { return static_cast<int>(std::count(on.begin(), on.end(), true)); }
    // Unit edges between a shaded square and an unshaded one or the outside.
    int perimeter() const {
        int p = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                if (at(r, c)) p += !at(r - 1, c) + !at(r + 1, c) + !at(r, c - 1) + !at(r, c + 1);
        return p;
    }
    // Shaded squares with at least one side on the edge of the shape.
    int edgeSquares() const {
        int n = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                n += at(r, c) && (!at(r - 1, c) || !at(r + 1, c) || !at(r, c - 1) || !at(r, c + 1));
        return n;
    }
    // The width and height of the smallest rectangle round the shape.
    std::pair<int, int> box() const {
        int r0 = rows, r1 = -1, c0 = cols, c1 = -1;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                if (at(r, c)) {
                    r0 = std::min(r0, r);
                    r1 = std::max(r1, r);
                    c0 = std::min(c0, c);
                    c1 = std::max(c1, c);
                }
        return {c1 - c0 + 1, r1 - r0 + 1};
    }
};

// Whether the cells that match `value` reachable from the seeds are all of them.
bool floodReaches(const Cells& g, std::vector<std::pair<int, int>> todo, bool value) {
    std::vector<bool> seen(g.on.size(), false);
    int reached = 0;
    int wanted = 0;
    for (bool v : g.on) wanted += v == value;
    while (!todo.empty()) {
        const auto [r, c] = todo.back();
        todo.pop_back();
        if (r < 0 || c < 0 || r >= g.rows || c >= g.cols) continue;
        const auto i = static_cast<std::size_t>(r * g.cols + c);
        if (seen[i] || g.on[i] != value) continue;
        seen[i] = true;
        ++reached;
        todo.insert(todo.end(), {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}});
    }
    return reached == wanted;
}

// A shape of two or three overlapping rectangles of squares: in one piece, without holes, not
// itself a rectangle.
Cells gridShape(Rng& r, int rows, int cols, int minCells, int maxCells) {
    Cells g;
    g.rows = rows;
    g.cols = cols;
    for (;;) {
        g.on.assign(static_cast<std::size_t>(rows * cols), false);
        const int pieces = r.range(2, 3);
        for (int k = 0; k < pieces; ++k) {
            const int h = r.range(1, 4);
            const int w = r.range(1, 5);
            const int top = r.range(0, rows - h);
            const int left = r.range(0, cols - w);
            for (int y = top; y < top + h; ++y)
                for (int x = left; x < left + w; ++x)
                    g.on[static_cast<std::size_t>(y * cols + x)] = true;
        }
        const int n = g.count();
        if (n < minCells || n > maxCells) continue;
        const auto [bw, bh] = g.box();
        if (bw * bh == n) continue;
        std::vector<std::pair<int, int>> first;
        for (int i = 0; i < rows * cols && first.empty(); ++i)
            if (g.on[static_cast<std::size_t>(i)]) first.emplace_back(i / cols, i % cols);
        if (!floodReaches(g, first, true)) continue;
        std::vector<std::pair<int, int>> border;
        for (int y = 0; y < rows; ++y) border.insert(border.end(), {{y, 0}, {y, cols - 1}});
        for (int x = 0; x < cols; ++x) border.insert(border.end(), {{0, x}, {rows - 1, x}});
        if (!floodReaches(g, border, false)) continue;
        return g;
    }
}

std::string squaresNote(int side) {
    return "Each square of the grid has sides of " + qty(side, "cm") + ".";
}

Question gridArea(Rng& r, const std::string& k) {
    const int side = r.chance(65) ? 1 : 2;
    Cells g;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        g = gridShape(r, 6, 8, 8, 24);
        const int n = g.count();
        ans = n * side * side;
        const auto [bw, bh] = g.box();
        if (side == 1)
            wrong = {g.perimeter() /* counted the edges round it */,
                     g.rows * g.cols - n /* counted the unshaded squares */,
                     bw * bh /* the rectangle round the shape */};
        else
            wrong = {n /* counted squares, forgot they are 2 cm */, 2 * n /* doubled, not x4 */,
                     g.perimeter() * side /* the perimeter */};
    } while (!distinctWrong(ans, wrong));
    QB q("grid_area", 1);
    q.param("side", side);
    q.p("The shaded shape is drawn on a grid of squares. " + squaresNote(side));
    drawGrid(q.figure(300, 200, "shaded shape on a grid of squares"), g.rows, g.cols, g.on);
    q.p("What is the area of the shaded shape?");
    return q.number(r, k[0], ans, kCm2, wrong).done();
}

Question gridPerimeter(Rng& r, const std::string& k) {
    const int side = r.chance(65) ? 1 : 2;
    Cells g;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        g = gridShape(r, 6, 8, 8, 24);
        const auto [bw, bh] = g.box();
        // a shape with a dent, so the rectangle round it has a shorter perimeter
        if (g.perimeter() == 2 * (bw + bh)) continue;
        ans = g.perimeter() * side;
        if (side == 1)
            wrong = {g.count() /* the area */, g.edgeSquares() /* squares along the edge */,
                     2 * (bw + bh) /* the rectangle round the shape */};
        else
            wrong = {g.perimeter() /* counted edges, forgot they are 2 cm */,
                     g.count() * 4 /* the area */, 2 * (bw + bh) * side /* the rectangle round */};
    } while (!distinctWrong(ans, wrong));
    QB q("grid_perimeter", 2);
    q.param("side", side);
    q.p("The shaded shape is drawn on a grid of squares. " + squaresNote(side));
    drawGrid(q.figure(300, 200, "shaded shape on a grid of squares"), g.rows, g.cols, g.on);
    q.p("What is the perimeter of the shaded shape?");
    return q.number(r, k[0], ans, "cm", wrong).done();
}

// Whole and half squares: the halves are triangles beside the shape.
Question gridHalfSquares(Rng& r, const std::string& k) {
    const int rows = 6;
    const int cols = 8;
    Cells g;
    std::vector<std::pair<int, int>> halves;  // (cell, which half)
    do {
        g = gridShape(r, rows, cols, 6, 16);
        halves.clear();
        std::vector<int> free;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < cols; ++x)
                if (!g.at(y, x) &&
                    (g.at(y - 1, x) || g.at(y + 1, x) || g.at(y, x - 1) || g.at(y, x + 1)))
                    free.push_back(y * cols + x);
        r.shuffle(free);
        const int want = r.range(2, 6);
        for (int i = 0; i < want && i < static_cast<int>(free.size()); ++i) {
            const int cell = free[static_cast<std::size_t>(i)];
            const int y = cell / cols, x = cell % cols;
            // the corner left out: the triangle keeps the two sides away from it, and one of
            // them must lie along the shape
            const bool top = g.at(y - 1, x), right = g.at(y, x + 1), bottom = g.at(y + 1, x),
                       left = g.at(y, x - 1);
            std::vector<int> ways;
            if (right || bottom) ways.push_back(0);
            if (bottom || left) ways.push_back(1);
            if (left || top) ways.push_back(2);
            if (top || right) ways.push_back(3);
            halves.emplace_back(cell, r.pick(ways));
        }
    } while (halves.size() < 2);
    const int whole = g.count();
    const int half = static_cast<int>(halves.size());
    const Frac ans = Frac(whole) + Frac(half, 2);
    QB q("grid_half_squares", 2);
    q.param("side", 1);
    q.p("The shaded shape is drawn on a grid of centimetre squares. Some squares are only half "
        "shaded.");
    Figure& f = q.figure(300, 200, "shape of whole and half squares on a grid");
    drawGrid(f, rows, cols, g.on);
    const int s = std::min(240 / cols, 160 / rows);
    const int x0 = (300 - s * cols) / 2;
    const int y0 = (200 - s * rows) / 2;
    for (const auto& [cell, which] : halves) {
        const int x = x0 + (cell % cols) * s;
        const int y = y0 + (cell / cols) * s;
        // each half is the triangle cut off by a diagonal: three of the four corners
        std::vector<std::pair<int, int>> corners = {{x, y}, {x + s, y}, {x + s, y + s}, {x, y + s}};
        // 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left
        corners.erase(corners.begin() + which);
        f.poly(corners, "#3b82f6");
    }
    q.p("What is the area of the shaded shape?");
    return q
        .number(r, k[0], ans, kCm2,
                {whole + half /* halves counted as whole squares */, whole /* halves left out */,
                 2 * whole + half /* counted in half squares */})
        .done();
}

// ---- units and reasoning ----

Question areaUnits(Rng& r, const std::string& k) {
    const int kind = r.range(0, 3);
    const std::vector<std::string> things = {"table top", "rug", "poster", "window", "carpet tile"};
    const std::string thing = r.pick(things);
    QB q("area_units", 2);
    Frac value, ans;
    std::vector<Frac> wrong;
    std::string from, to;
    switch (kind) {
        case 0:  // m2 to cm2
            from = "m2";
            to = "cm2";
            value = r.chance(70) ? Frac(r.range(2, 9)) : Frac(r.range(1, 4) * 2 + 1, 2);
            ans = value * Frac(10000);
            wrong = {value * Frac(100) /* 100 cm in a metre, not squared */,
                     value * Frac(1000) /* one zero short */,
                     value * Frac(100000) /* one zero too many */};
            break;
        case 1:  // cm2 to m2
            from = "cm2";
            to = "m2";
            value = Frac(r.range(3, 45) * 1000);
            ans = value / Frac(10000);
            wrong = {value / Frac(100) /* 100 cm in a metre, not squared */,
                     value / Frac(1000) /* one zero short */,
                     value / Frac(100000) /* one zero too many */};
            break;
        case 2:  // cm2 to mm2
            from = "cm2";
            to = "mm2";
            value = Frac(r.range(3, 60));
            ans = value * Frac(100);
            wrong = {value * Frac(10) /* 10 mm in a centimetre, not squared */,
                     value * Frac(1000) /* one zero too many */,
                     value * Frac(10000) /* as for square metres */};
            break;
        default:  // mm2 to cm2
            from = "mm2";
            to = "cm2";
            value = Frac(r.range(12, 95) * 10);
            ans = value / Frac(100);
            wrong = {value / Frac(10) /* 10 mm in a centimetre, not squared */,
                     value / Frac(1000) /* one zero too many */,
                     value * Frac(100) /* multiplied instead */};
            break;
    }
    auto unitHtml = [](const std::string& u) {
        return u == "m2" ? std::string(kM2) : u == "cm2" ? std::string(kCm2) : "mm&sup2;";
    };
    q.param("from", from).param("to", to).paramDec("value", value);
    const std::string what = kind >= 2 ? "sticker" : thing;
    q.p("A " + what + " has an area of " + qty(value, unitHtml(from)) + ".");
    q.p("What is its area in " + unitHtml(to) + "?");
    return q.number(r, k[0], ans, unitHtml(to), wrong).done();
}

Question scaleArea(Rng& r, const std::string& k) {
    const std::vector<std::string> asks = {"area", "times", "perimeter"};
    int l, w, f;
    std::string ask;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        l = r.range(3, 12);
        w = r.range(2, l - 1);
        ask = r.pick(asks);
        if (ask == "times") {
            f = r.pick(std::vector<int>{3, 4, 5, 10});
            ans = f * f;
            wrong = {f /* thought the area grows as the sides */, 2 * f /* doubled the factor */,
                     f * f * f /* cubed it */};
        } else {
            f = r.range(2, 5);
            if (ask == "area") {
                ans = f * l * f * w;
                wrong = {f * l * w /* multiplied the area once */,
                         2 * (f * l + f * w) /* the new perimeter */,
                         (l + f) * (w + f) /* added to the sides */};
            } else {
                ans = 2 * (f * l + f * w);
                wrong = {f * f * 2 * (l + w) /* squared the factor */,
                         2 * (l + f + w + f) /* added to the sides */,
                         f * l * f * w /* the new area */};
            }
        }
    } while (!distinctWrong(ans, wrong));
    QB q("scale_area", 2);
    q.param("ask", ask).param("l", l).param("w", w).param("factor", f);
    const std::string times = f == 2 ? "doubled" : f == 3 ? "tripled" : "multiplied by " + S(f);
    q.p("A rectangle is " + qty(l, "cm") + " long and " + qty(w, "cm") +
        " wide. Its length and its width are both " + times + ".");
    if (ask == "times") {
        q.p("How many times larger is the area of the new rectangle than the area of the first?");
        return q.number(r, k[0], ans, "", wrong).done();
    }
    q.p("What is the " + ask + " of the new rectangle?");
    return q.number(r, k[0], ans, ask == "area" ? kCm2 : "cm", wrong).done();
}

Question areaMistake(Rng& r, const std::string& k) {
    (void)k;
    int l, w;
    do {
        l = r.range(4, 15);
        w = r.range(2, l - 1);
    } while (l * w == 2 * (l + w) || l * w == l + w);
    const std::string who = r.pick(names());
    const std::vector<std::pair<std::string, int>> claims = {
        {"right", l * w},
        {"perimeter", 2 * (l + w)},
        {"added", l + w},
        {"doubled", 2 * l * w},
    };
    const auto& [slip, claimed] =
        claims[static_cast<std::size_t>(r.chance(25) ? 0 : r.range(1, 3))];
    QB q("area_mistake", 2);
    q.param("who", who).param("l", l).param("w", w).param("claimed", claimed);
    q.p(who + " is asked for the area of a rectangle " + qty(l, "cm") + " long and " +
        qty(w, "cm") + " wide, and writes: <b>Area = " + qty(claimed, kCm2) + "</b>.");
    q.p("Which of these is true?");
    const std::vector<std::string> sentences = {
        who + " is right.",
        who + " worked out the perimeter instead.",
        who + " added the length and the width.",
        who + " multiplied the length by the width, then doubled it.",
    };
    std::string right;
    std::vector<std::string> wrong;
    for (std::size_t i = 0; i < claims.size(); ++i) {
        if (claims[i].first == slip)
            right = sentences[i];
        else
            wrong.push_back(sentences[i]);
    }
    return q.choice(r, right, wrong).done();
}

Question bestRectangle(Rng& r, const std::string& k) {
    const bool largestArea = r.chance(50);
    QB q("best_rectangle", 3);
    if (largestArea) {
        const int m = r.range(3, 10);
        const int p = 4 * m + 2;  // half the perimeter is odd, so no square fits
        q.param("ask", "area").param("perimeter", p);
        q.p("A rectangle has a perimeter of " + qty(p, "cm") +
            ". Its length and width are whole numbers of centimetres.");
        q.p("What is the largest area it can have?");
        return q
            .number(r, k[0], m * (m + 1), kCm2,
                    {2 * m /* the smallest area, 1 cm wide */,
                     (m + 1) * (m + 1) /* a square, which does not fit */, p /* the perimeter */})
            .done();
    }
    int a = 0, best = 0, worst = 0, next = 0;
    std::vector<Frac> wrong;
    do {
        a = r.pick(std::vector<int>{12, 18, 20, 24, 30, 32, 40, 45, 48, 54, 60, 72, 80, 90});
        std::vector<int> perims;
        for (int s = 1; s * s < a; ++s)
            if (a % s == 0) perims.push_back(2 * (s + a / s));
        std::sort(perims.begin(), perims.end());
        best = perims[0];
        next = perims.size() > 1 ? perims[1] : perims[0];
        worst = perims.back();
        wrong = {worst /* the longest, 1 cm wide */, a /* the area */,
                 next /* not the closest sides */};
    } while (!distinctWrong(best, wrong));
    q.param("ask", "perimeter").param("area", a);
    q.p("A rectangle has an area of " + qty(a, kCm2) +
        ". Its length and width are whole numbers of centimetres.");
    q.p("What is the shortest perimeter it can have?");
    return q.number(r, k[0], best, "cm", wrong).done();
}

Question rectCountArea(Rng& r, const std::string& k) {
    int a, pairs;
    std::vector<Frac> wrong;
    do {
        a = r.pick(std::vector<int>{12, 18, 20, 24, 28, 30, 32, 40, 42, 44, 45, 48,
                                    50, 54, 56, 60, 63, 66, 70, 72, 80, 84, 90, 96});
        pairs = 0;
        for (int s = 1; s * s < a; ++s) pairs += a % s == 0;
        wrong = {2 * pairs /* each rectangle counted twice, turned round */,
                 pairs - 1 /* the one 1 cm wide left out */, pairs + 1 /* a square counted */};
    } while (!distinctWrong(pairs, wrong));
    QB q("rect_count_area", 3);
    q.param("area", a);
    q.p("How many different rectangles with an area of " + qty(a, kCm2) +
        " have sides that are whole numbers of centimetres?");
    q.p("Turning a rectangle round does not make a new one.");
    return q.number(r, k[0], pairs, "rectangles", wrong).done();
}

Question rectFromAreaPerimeter(Rng& r, const std::string& k) {
    const int l = r.range(4, 15);
    const int w = r.range(2, l - 1);
    QB q("rect_from_area_perimeter", 3);
    q.param("area", l * w).param("perimeter", 2 * (l + w));
    q.p("A rectangle has an area of " + qty(l * w, kCm2) + " and a perimeter of " +
        qty(2 * (l + w), "cm") + ". Its sides are whole numbers of centimetres.");
    if (k == "NN") {
        q.subparts(
            {{"How long is its longer side?", "cm"}, {"How long is its shorter side?", "cm"}});
        return q.part('N', S(l)).part('N', S(w)).done();
    }
    q.p("How long is its longer side?");
    q.answer("cm");
    return q.part('N', S(l)).done();
}

// ---- triangles, polygons and other shapes ----

// A triangle with sides a (BC), b (CA) and c (AB, along the bottom), drawn to scale.
void drawSidesTriangle(Figure& f, int a, int b, int c, const std::string& la, const std::string& lb,
                       const std::string& lc) {
    const double cx = (b * b + c * c - a * a) / (2.0 * c);
    const double cy = std::sqrt(std::max(0.0, b * b - cx * cx));
    const double left = std::min(0.0, cx);
    const double right = std::max<double>(c, cx);
    const double s = std::min(190 / (right - left), 130 / cy);
    const int ox = ri(150 - (right + left) / 2 * s);
    const int yb = 160;
    const int ax = ox, bx = ox + ri(c * s), px = ox + ri(cx * s), py = yb - ri(cy * s);
    f.poly({{ax, yb}, {bx, yb}, {px, py}}, kFill);
    const int mx = (ax + bx + px) / 3;
    const int my = (yb + yb + py) / 3;
    sideLabel(f, bx, yb, px, py, mx, my, la);
    sideLabel(f, px, py, ax, yb, mx, my, lb);
    sideLabel(f, ax, yb, bx, yb, mx, my, lc);
}

Question triangleMissingSide(Rng& r, const std::string& k) {
    int s[3];
    int u;
    std::vector<Frac> wrong;
    for (;;) {
        s[2] = r.range(8, 20);
        s[0] = r.range(5, 18);
        s[1] = r.range(5, 18);
        // no flat triangles: every side well short of the other two
        if (s[0] + s[1] < s[2] + 3 || s[0] + s[2] < s[1] + 3 || s[1] + s[2] < s[0] + 3) continue;
        if (s[0] == s[1] || s[1] == s[2] || s[0] == s[2]) continue;
        u = r.range(0, 2);
        const int p = s[0] + s[1] + s[2];
        const int k1 = s[(u + 1) % 3], k2 = s[(u + 2) % 3];
        wrong = {k1 + k2 /* added the two sides */, p - k1 /* took one side away */,
                 p - k2 /* took the other away */};
        if (distinctWrong(s[u], wrong)) break;
    }
    const int p = s[0] + s[1] + s[2];
    std::string known;
    for (int i = 1; i <= 2; ++i) known += (known.empty() ? "" : ",") + S(s[(u + i) % 3]);
    QB q("triangle_missing_side", 1);
    q.param("perimeter", p).param("known", known);
    q.p("The perimeter of the triangle is " + qty(p, "cm") +
        ". Find the length of the side "
        "marked <b>?</b>.");
    std::string l[3];
    for (int i = 0; i < 3; ++i) l[i] = i == u ? "?" : qty(s[i], "cm");
    drawSidesTriangle(q.figure(300, 200, "triangle with one side unknown"), s[0], s[1], s[2], l[0],
                      l[1], l[2]);
    return q.number(r, k[0], s[u], "cm", wrong).done();
}

const std::vector<std::pair<int, std::string>>& regularNames() {
    static const std::vector<std::pair<int, std::string>> n = {{3, "equilateral triangle"},
                                                               {5, "regular pentagon"},
                                                               {6, "regular hexagon"},
                                                               {8, "regular octagon"}};
    return n;
}

Question regularPolygonPerimeter(Rng& r, const std::string& k) {
    const auto& [n, name] = r.pick(regularNames());
    const bool findSide = r.chance(45);
    int s;
    std::vector<Frac> wrong;
    do {
        s = r.range(3, 15);
        if (findSide)
            wrong = {Frac(n * s, 4) /* as if it had four sides */, n * s - n /* subtracted */,
                     Frac(n * s, n - 1) /* one side too few */, Frac(n * s, 2) /* halved */};
        else
            wrong = {(n - 1) * s /* one side short */, (n + 1) * s /* one side too many */,
                     4 * s /* as if it had four sides */, s * s /* squared the side */};
    } while (!enoughWrong(findSide ? Frac(s) : Frac(n * s), wrong));
    QB q("regular_polygon_perimeter", 1);
    q.param("n", n).param("ask", findSide ? "side" : "perimeter");
    if (findSide) {
        q.param("perimeter", n * s);
        q.p("The shape is " + withArticle(name) + ". Its perimeter is " + qty(n * s, "cm") +
            ". How long is each side?");
        drawRegularPolygon(q.figure(300, 200, name), n, "?");
        return q.number(r, k[0], s, "cm", wrong).done();
    }
    q.param("side", s);
    q.p("The shape is " + withArticle(name) + ". Find its perimeter.");
    drawRegularPolygon(q.figure(300, 200, name), n, qty(s, "cm"));
    return q.number(r, k[0], n * s, "cm", wrong).done();
}

// A triangle with its base along the bottom and a dashed height from its top corner.
void drawBaseHeightTriangle(Figure& f, int b, int h, const std::string& bLabel,
                            const std::string& hLabel) {
    const double s = std::min(200.0 / b, 140.0 / h);
    const int pb = std::max(120, ri(b * s));
    const int ph = std::max(50, ri(h * s));
    const int x0 = 40 + (200 - pb) / 2;
    const int yb = 165;
    const int ax = x0 + pb * 3 / 5;
    const int ay = yb - ph;
    f.poly({{x0, yb}, {x0 + pb, yb}, {ax, ay}}, kFill);
    f.line(ax, ay, ax, yb, true);
    markRightAngle(f, ax, yb, 0, 10);
    f.text(x0 + pb / 2, yb + 14, 'c', bLabel);
    f.text(ax + 6, (ay + yb) / 2, 'l', hLabel);
}

Question triangleHeight(Rng& r, const std::string& k) {
    int b, h, a;
    std::vector<Frac> wrong;
    do {
        b = r.range(4, 20);
        h = r.range(3, 15);
        a = b * h / 2;
        wrong = {Frac(a, b) /* did not double the area */, a - b /* subtracted */,
                 2 * a /* doubled, did not divide */};
    } while ((b * h) % 2 || !distinctWrong(h, wrong));
    QB q("triangle_height", 2);
    q.param("area", a).param("b", b);
    q.p("The triangle has an area of " + qty(a, kCm2) + ". Its base is " + qty(b, "cm") +
        ". Find its height <i>h</i>.");
    drawBaseHeightTriangle(q.figure(300, 200, "triangle with base and height h"), b, h,
                           qty(b, "cm"), "h");
    return q.number(r, k[0], h, "cm", wrong).done();
}

Question rightTriangleArea(Rng& r, const std::string& k) {
    static const std::vector<std::vector<int>> triples = {
        {4, 3, 5},   {3, 4, 5},    {12, 5, 13}, {8, 6, 10},   {6, 8, 10},   {15, 8, 17},
        {12, 9, 15}, {16, 12, 20}, {24, 7, 25}, {20, 15, 25}, {10, 24, 26}, {8, 15, 17}};
    int a, b, c;
    std::vector<Frac> wrong;
    do {
        const auto& t = r.pick(triples);
        a = t[0];
        b = t[1];
        c = t[2];
        wrong = {a * b /* not halved */, Frac(a * c, 2) /* used the sloping side */,
                 Frac(b * c, 2) /* used the sloping side */, a + b + c /* the perimeter */};
    } while (!enoughWrong(Frac(a * b, 2), wrong));
    QB q("right_triangle_area", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("Find the area of the right-angled triangle.");
    Figure& f = q.figure(300, 200, "right-angled triangle");
    const double s = std::min(190.0 / a, 140.0 / b);
    const int x0 = 70;
    const int yb = 170;
    const int xr = x0 + ri(a * s);
    const int yt = yb - ri(b * s);
    f.poly({{x0, yb}, {xr, yb}, {x0, yt}}, kFill);
    markRightAngle(f, x0, yb, 0, 12);
    f.text((x0 + xr) / 2, yb + 14, 'c', qty(a, "cm"));
    f.text(x0 - 6, (yb + yt) / 2, 'r', qty(b, "cm"));
    sideLabel(f, xr, yb, x0, yt, (x0 * 2 + xr) / 3, (yb * 2 + yt) / 3, qty(c, "cm"));
    return q.number(r, k[0], Frac(a * b, 2), kCm2, wrong).done();
}

Question trapeziumArea(Rng& r, const std::string& k) {
    int a, b, h;
    std::vector<Frac> wrong;
    do {
        a = r.range(4, 14);
        b = r.range(a + 2, a + 12);
        h = r.range(3, 10);
        wrong = {(a + b) * h /* not halved */, b * h /* the longer side only */,
                 a * b /* the two parallel sides multiplied */};
    } while (((a + b) * h) % 2 || !distinctWrong((a + b) * h / 2, wrong));
    QB q("trapezium_area", 2);
    q.param("a", a).param("b", b).param("h", h);
    q.p("The shape is a trapezium: its top and bottom sides are parallel. Find its area.");
    Figure& f = q.figure(300, 200, "trapezium");
    const double s = std::min(200.0 / b, 130.0 / h);
    const int pb = ri(b * s), pa = ri(a * s), ph = std::max(40, ri(h * s));
    const int x0 = 150 - pb / 2;
    const int yb = 170;
    const int off = ri((b - a) * s * 0.35);
    f.poly({{x0, yb}, {x0 + pb, yb}, {x0 + off + pa, yb - ph}, {x0 + off, yb - ph}}, kFill);
    f.line(x0 + off, yb - ph, x0 + off, yb, true);
    markRightAngle(f, x0 + off, yb, 0, 10);
    f.text(x0 + pb / 2, yb + 14, 'c', qty(b, "cm"));
    f.text(x0 + off + pa / 2, yb - ph - 12, 'c', qty(a, "cm"));
    f.text(x0 + off + 6, yb - ph / 2, 'l', qty(h, "cm"));
    return q.number(r, k[0], (a + b) * h / 2, kCm2, wrong).done();
}

Question houseArea(Rng& r, const std::string& k) {
    int w, h, t;
    std::vector<Frac> wrong;
    do {
        w = r.range(3, 7) * 2;
        h = r.range(4, 10);
        t = r.range(2, 6);
        wrong = {w * h + w * t /* the roof not halved */, w * h /* the roof left out */,
                 Frac(w * (h + t), 2) /* everything halved */};
    } while (!distinctWrong(w * h + w * t / 2, wrong));
    QB q("house_area", 2);
    q.param("w", w).param("h", h).param("roof", t);
    q.p("The front of a toy house is a rectangle with a triangle on top.");
    Figure& f = q.figure(300, 200, "rectangle with a triangle on top");
    const double s = std::min(160.0 / w, 150.0 / (h + t));
    const int pw = ri(w * s), ph = ri(h * s), pt = std::max(24, ri(t * s));
    const int x0 = 150 - pw / 2;
    const int yb = 178;
    const int top = yb - ph;
    f.poly({{x0, yb}, {x0 + pw, yb}, {x0 + pw, top}, {x0, top}}, kFill);
    f.poly({{x0, top}, {x0 + pw, top}, {x0 + pw / 2, top - pt}}, "#fde68a");
    f.line(x0 + pw / 2, top - pt, x0 + pw / 2, top, true);
    // the height of the roof measured beside it, level with its top corner
    const int dim = x0 + pw + 12;
    f.line(x0 + pw / 2, top - pt, dim + 4, top - pt, true);
    f.line(dim, top - pt, dim, top);
    f.text(dim + 6, top - pt / 2, 'l', qty(t, "cm"));
    f.text(x0 + pw / 2, yb + 12, 'c', qty(w, "cm"));
    f.text(x0 + pw + 6, top + ph / 2, 'l', qty(h, "cm"));
    const Frac total = w * h + w * t / 2;
    if (k == "NN") {
        q.subparts({{"Find the area of the rectangle.", kCm2},
                    {"Find the area of the whole shape.", kCm2}});
        return q.part('N', S(w * h)).part('N', total.dec()).done();
    }
    q.p("Find the area of the whole shape.");
    return q.number(r, k[0], total, kCm2, wrong).done();
}

Question shadedArea(Rng& r, const std::string& k) {
    struct Scene {
        const char* outer;
        const char* inner;
        const char* unit;
        const char* shaded;
    };
    static const std::vector<Scene> scenes = {
        {"garden", "pond", "m", "the lawn round the pond"},
        {"card", "photo", "cm", "the card that shows round the photo"},
        {"floor", "rug", "m", "the floor that the rug does not cover"},
        {"wall", "window", "m", "the wall round the window"}};
    const Scene& sc = r.pick(scenes);
    int W, H, w, h;
    std::vector<Frac> wrong;
    double s;
    do {
        W = r.range(8, 20);
        H = r.range(5, W);
        w = r.range(2, W - 3);
        h = r.range(2, H - 3);
        s = std::min(190.0 / W, 145.0 / H);
        wrong = {W * H /* the inner part left in */, W * H + w * h /* added it */,
                 w * h /* the inner part itself */};
        // room inside the inner rectangle for its two labels
    } while (!distinctWrong(W * H - w * h, wrong) || w * s < 48 || h * s < 34);
    QB q("shaded_area", 2);
    q.param("W", W).param("H", H).param("w", w).param("h", h);
    q.p(std::string("The picture shows a rectangular ") + sc.outer + " with a rectangular " +
        sc.inner + " on it. The shaded part is " + sc.shaded + ".");
    Figure& f = q.figure(300, 200, std::string("a ") + sc.inner + " on a " + sc.outer);
    const int pw = ri(W * s), ph = ri(H * s), iw = ri(w * s), ih = ri(h * s);
    const int x0 = 40 + (190 - pw) / 2;
    const int y0 = 12;
    const int ix = x0 + (pw - iw) / 2 + ri(((W - w) % 3 - 1) * s / 2);
    const int iy = y0 + (ph - ih) / 2;
    f.rect(x0, y0, pw, ph, kShade);
    f.rect(ix, iy, iw, ih, "#ffffff");
    f.text(x0 + pw / 2, y0 + ph + 14, 'c', qty(W, sc.unit));
    f.text(x0 + pw + 6, y0 + ph / 2, 'l', qty(H, sc.unit));
    f.text(ix + iw / 2, iy + 10, 'c', qty(w, sc.unit));
    f.text(ix + 4, iy + ih / 2 + 8, 'l', qty(h, sc.unit));
    const std::string sq = std::string(sc.unit) == "m" ? kM2 : kCm2;
    if (k == "NN") {
        q.subparts({{std::string("Find the area of the whole ") + sc.outer + ".", sq},
                    {"Find the area of the shaded part.", sq}});
        return q.part('N', S(W * H)).part('N', S(W * H - w * h)).done();
    }
    q.p("Find the area of the shaded part.");
    return q.number(r, k[0], W * H - w * h, sq, wrong).done();
}

Question triangleInRect(Rng& r, const std::string& k) {
    int W, H, a;
    std::vector<Frac> wrong;
    do {
        W = r.range(6, 20);
        H = r.range(4, std::min(W, 14));
        a = r.range(3, W - 3);
        wrong = {W * H /* the whole rectangle */, Frac(a * H, 2) /* the top length as base */,
                 Frac(W * H, 4) /* halved twice */};
    } while (!distinctWrong(Frac(W * H, 2), wrong));
    const bool cornersShaded = r.chance(40);
    QB q("triangle_in_rect", 2);
    q.param("W", W).param("H", H).param("a", a).param("shaded",
                                                      cornersShaded ? "corners" : "triangle");
    q.p("A triangle is drawn inside a rectangle. Its base is the bottom of the rectangle and its "
        "top corner is on the top side.");
    Figure& f = q.figure(300, 200, "triangle inside a rectangle");
    const double s = std::min(190.0 / W, 140.0 / H);
    const int pw = ri(W * s), ph = ri(H * s), pa = ri(a * s);
    const int x0 = 150 - pw / 2;
    const int y0 = 24;
    f.rect(x0, y0, pw, ph, cornersShaded ? kShade : "#ffffff");
    f.poly({{x0, y0 + ph}, {x0 + pw, y0 + ph}, {x0 + pa, y0}}, cornersShaded ? "#ffffff" : kShade);
    f.text(x0 + pw / 2, y0 + ph + 14, 'c', qty(W, "cm"));
    f.text(x0 + pw + 6, y0 + ph / 2, 'l', qty(H, "cm"));
    f.text(x0 + pa / 2, y0 - 10, 'c', qty(a, "cm"));
    f.text(x0 + (pa + pw) / 2, y0 - 10, 'c', qty(W - a, "cm"));
    const std::string part =
        cornersShaded ? "the two shaded corners together" : "the shaded triangle";
    if (k == "NN") {
        q.subparts(
            {{"Find the area of the rectangle.", kCm2}, {"Find the area of " + part + ".", kCm2}});
        return q.part('N', S(W * H)).part('N', Frac(W * H, 2).dec()).done();
    }
    q.p("Find the area of " + part + ".");
    return q.number(r, k[0], Frac(W * H, 2), kCm2, wrong).done();
}

// An L-shape with two sides to be found: x across the notch, y down its right side.
Question lshapeMissingSides(Rng& r, const std::string& k) {
    int w, h, top, notch;
    std::vector<Frac> wrong;
    do {
        w = r.range(8, 20);
        h = r.range(6, 16);
        top = r.range(3, w - 2);
        notch = r.range(2, h - 2);
        wrong = {w + top /* added */, top /* same as the side opposite */, w /* the whole side */};
    } while (!distinctWrong(w - top, wrong) || w - top == h - notch);
    QB q("lshape_missing_sides", 2);
    q.param("w", w).param("h", h).param("top", top).param("notch", notch);
    q.p("The shape is made from rectangles. All its corners are right angles and its lengths are "
        "in centimetres.");
    Figure& f = q.figure(300, 200, "L-shape with two sides x and y");
    const double s = std::min(190.0 / w, 140.0 / h);
    auto X = [&](int v) { return 60 + ri(v * s); };
    auto Y = [&](int v) { return 24 + ri(v * s); };
    f.poly({{X(0), Y(0)},
            {X(top), Y(0)},
            {X(top), Y(notch)},
            {X(w), Y(notch)},
            {X(w), Y(h)},
            {X(0), Y(h)}},
           kFill);
    f.text((X(0) + X(top)) / 2, Y(0) - 10, 'c', S(top));
    f.text(X(top) + 6, (Y(0) + Y(notch)) / 2, 'l', S(notch));
    f.text((X(top) + X(w)) / 2, Y(notch) - 10, 'c', "x");
    f.text(X(w) + 6, (Y(notch) + Y(h)) / 2, 'l', "y");
    f.text((X(0) + X(w)) / 2, Y(h) + 12, 'c', S(w));
    f.text(X(0) - 6, (Y(0) + Y(h)) / 2, 'r', S(h));
    if (k == "NN") {
        q.subparts({{"Find the length <i>x</i>.", "cm"}, {"Find the length <i>y</i>.", "cm"}});
        return q.part('N', S(w - top)).part('N', S(h - notch)).done();
    }
    q.p("Find the length <i>x</i>.");
    return q.number(r, k[0], w - top, "cm", wrong).done();
}

Question rectPerimeterFromArea(Rng& r, const std::string& k) {
    int l, w;
    std::vector<Frac> wrong;
    do {
        l = r.range(5, 16);
        w = r.range(2, l - 1);
        wrong = {w /* stopped at the width */, l + w /* half the perimeter */,
                 2 * l + w /* one width left out */};
    } while (!distinctWrong(2 * (l + w), wrong));
    QB q("rect_perimeter_from_area", 3);
    q.param("area", l * w).param("l", l);
    q.p("A rectangle has an area of " + qty(l * w, kCm2) + ". Its length is " + qty(l, "cm") + ".");
    if (k == "NN") {
        q.subparts({{"What is its width?", "cm"}, {"What is its perimeter?", "cm"}});
        return q.part('N', S(w)).part('N', S(2 * (l + w))).done();
    }
    q.p("What is its perimeter?");
    return q.number(r, k[0], 2 * (l + w), "cm", wrong).done();
}

Question squareFromRect(Rng& r, const std::string& k) {
    int l, w;
    std::vector<Frac> wrong;
    do {
        l = r.range(5, 18);
        w = r.range(2, l - 1);
        const int s = (l + w) / 2;
        wrong = {l * w /* the area of the rectangle */, s /* stopped at the side */,
                 2 * (l + w) /* the perimeter */};
    } while ((l + w) % 2 || !distinctWrong((l + w) * (l + w) / 4, wrong));
    const int s = (l + w) / 2;
    QB q("square_from_rect", 3);
    q.param("l", l).param("w", w);
    q.p("A square has the same perimeter as a rectangle " + qty(l, "cm") + " long and " +
        qty(w, "cm") + " wide.");
    if (k == "NN") {
        q.subparts({{"How long is each side of the square?", "cm"},
                    {"What is the area of the square?", kCm2}});
        return q.part('N', S(s)).part('N', S(s * s)).done();
    }
    q.p("What is the area of the square?");
    return q.number(r, k[0], s * s, kCm2, wrong).done();
}

Question mixedUnitsArea(Rng& r, const std::string& k) {
    const std::vector<std::string> things = {"rug", "table top", "banner", "shelf", "mirror"};
    const std::string thing = r.pick(things);
    const Frac len = r.chance(70) ? Frac(r.range(1, 4)) : Frac(r.range(1, 3) * 2 + 1, 2);
    const int wid = r.range(3, 9) * 10 + (r.chance(30) ? 5 : 0);
    const bool inCm = r.chance(55);
    QB q("mixed_units_area", 2);
    q.paramDec("length_m", len).param("width_cm", wid).param("in", inCm ? "cm2" : "m2");
    q.p("A rectangular " + thing + " is " + qty(len, "m") + " long and " + qty(wid, "cm") +
        " wide.");
    q.p(std::string("What is its area in ") + (inCm ? kCm2 : kM2) + "?");
    const Frac plain = len * Frac(wid);
    if (inCm)
        return q
            .number(r, k[0], plain * Frac(100), kCm2,
                    {plain /* the metres not changed */, plain * Frac(10) /* 10 cm in a metre */,
                     Frac(2) * (len * Frac(100) + Frac(wid)) /* the perimeter */,
                     plain / Frac(100) /* the area in square metres */})
            .done();
    return q
        .number(r, k[0], plain / Frac(100), kM2,
                {plain /* the centimetres not changed */, plain * Frac(100) /* in cm2 */,
                 plain / Frac(10) /* 10 cm in a metre */})
        .done();
}

Question paintTins(Rng& r, const std::string& k) {
    int len, cover;
    Frac high, area, whole;
    int tins;
    std::vector<Frac> wrong;
    auto tinsFor = [&](const Frac& a) {
        const Frac t = a / Frac(cover);
        return static_cast<int>(t.whole()) + (t.isInt() ? 0 : 1);
    };
    do {
        len = r.range(4, 10);
        high = r.chance(50) ? Frac(3) : Frac(5, 2);
        cover = r.pick(std::vector<int>{5, 6, 8, 10, 12});
        whole = Frac(len) * high;
        area = whole - Frac(2);  // a door 2 m by 1 m
        tins = tinsFor(area);
        wrong = {tins - 1 /* rounded down */, tinsFor(whole) /* the door not taken away */,
                 area /* stopped at the area */, tins + 1 /* a spare tin for luck */};
        // a draw that divides exactly has no rounding to get wrong
    } while ((area / Frac(cover)).isInt() || !enoughWrong(tins, wrong));
    QB q("paint_tins", 3);
    q.param("len", len).paramDec("high", high).param("cover", cover);
    q.p("A wall is " + qty(len, "m") + " long and " + qty(high, "m") +
        " high. It has a door 2&nbsp;m high and 1&nbsp;m wide, which is not painted.");
    q.p("One tin of paint covers " + qty(cover, kM2) + ".");
    if (k == "NN") {
        q.subparts({{"What area of the wall is painted?", kM2},
                    {"How many tins of paint are needed?", "tins"}});
        return q.part('N', area.dec()).part('N', S(tins)).done();
    }
    q.p("How many tins of paint are needed?");
    return q.number(r, k[0], tins, "tins", wrong).done();
}

Question roomsTable(Rng& r, const std::string& k) {
    struct Room {
        const char* name;
        int lo, hi, wlo, whi;
    };
    static const std::vector<Room> all = {{"Kitchen", 3, 6, 2, 4},     {"Bedroom", 3, 5, 3, 4},
                                          {"Living room", 4, 7, 3, 5}, {"Bathroom", 2, 3, 2, 3},
                                          {"Study", 2, 4, 2, 3},       {"Dining room", 3, 5, 3, 4}};
    const bool oneAnswer = k == "N" || k == "Q";
    std::vector<Room> rooms;
    std::vector<int> ls, ws;
    int total, sumSides, largest;
    std::vector<Frac> wrong;
    for (;;) {
        rooms = all;
        r.shuffle(rooms);
        rooms.resize(oneAnswer ? 4 : 3);
        ls.clear();
        ws.clear();
        total = sumSides = largest = 0;
        for (const Room& room : rooms) {
            ls.push_back(r.range(room.lo, room.hi));
            ws.push_back(r.range(room.wlo, std::min(room.whi, ls.back())));
            total += ls.back() * ws.back();
            sumSides += ls.back() + ws.back();
            largest = std::max(largest, ls.back() * ws.back());
        }
        wrong = {sumSides /* added lengths and widths */, 2 * sumSides /* the perimeters */,
                 largest /* the largest room only */};
        // the first two rooms are asked about, the second the larger
        if (!oneAnswer && ls[0] * ws[0] >= ls[1] * ws[1]) continue;
        if (!oneAnswer || distinctWrong(total, wrong)) break;
    }
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < rooms.size(); ++i)
        rows.push_back({rooms[i].name, S(ls[i]), S(ws[i])});
    QB q("rooms_table", 2);
    q.p("The table shows the sizes of some rooms in a flat. Every room is a rectangle.");
    q.raw(tableHtml({"Room", "Length (m)", "Width (m)"}, rows));
    if (oneAnswer) {
        q.param("ask", "total");
        q.p("What is the total floor area of these rooms?");
        return q.number(r, k[0], total, kM2, wrong).done();
    }
    auto lower = [](std::string s) {
        s[0] = static_cast<char>(s[0] - 'A' + 'a');
        return s;
    };
    const std::string nx = lower(rooms[0].name), ny = lower(rooms[1].name);
    const int ax = ls[0] * ws[0], ay = ls[1] * ws[1];
    if (k == "NN") {
        q.param("ask", "difference");
        q.subparts(
            {{"What is the floor area of the " + nx + "?", kM2},
             {"How much larger is the floor area of the " + ny + " than that of the " + nx + "?",
              kM2}});
        return q.part('N', S(ax)).part('N', S(ay - ax)).done();
    }
    const int price = r.range(15, 40);
    q.param("ask", "cost").param("price", price);
    q.subparts({{"What is the floor area of the " + nx + "?", kM2},
                {"What is the total floor area of the three rooms?", kM2},
                {"New flooring costs " + money(price) +
                     " per square metre. How much does it cost to lay it in all three rooms?",
                 "dollars"}});
    return q.part('N', S(ax)).part('N', S(total)).part('N', S(total * price)).done();
}

Question skirtingBoard(Rng& r, const std::string& k) {
    const bool room = r.chance(55);
    int l, w, gap;
    std::vector<Frac> wrong;
    do {
        l = room ? r.range(3, 8) : r.range(8, 25);
        w = room ? r.range(3, l) : r.range(5, l);
        gap = room ? 1 : r.range(2, 3);
        wrong = {2 * (l + w) /* the gap not taken off */, l + w - gap /* half the perimeter */,
                 l * w - gap /* from the area */, 2 * (l + w) - 2 * gap /* the gap taken twice */};
    } while (!enoughWrong(2 * (l + w) - gap, wrong));
    QB q("skirting_board", 2);
    q.param("l", l).param("w", w).param("gap", gap);
    if (room) {
        q.p("A rectangular room is " + qty(l, "m") + " long and " + qty(w, "m") +
            " wide. Skirting board is fixed along the bottom of all four walls, except across the "
            "doorway, which is " +
            qty(gap, "m") + " wide.");
        q.p("How many metres of skirting board are needed?");
    } else {
        q.p("A rectangular garden is " + qty(l, "m") + " long and " + qty(w, "m") +
            " wide. A fence goes all the way round it, except for a gateway " + qty(gap, "m") +
            " wide.");
        q.p("How many metres of fence are needed?");
    }
    return q.number(r, k[0], 2 * (l + w) - gap, "m", wrong).done();
}

Question fieldLaps(Rng& r, const std::string& k) {
    int l, w, laps;
    std::vector<Frac> wrong;
    do {
        l = r.range(8, 12) * 10;
        w = r.range(5, l / 10 - 1) * 10;
        laps = r.range(2, 6);
        const int p = 2 * (l + w);
        wrong = {Frac(laps * (l + w), 1000) /* half the perimeter */, Frac(p, 1000) /* one lap */,
                 Frac(laps * p, 100) /* divided by 100 */};
    } while (!distinctWrong(Frac(laps * 2 * (l + w), 1000), wrong));
    const std::string who = r.pick(names());
    const int p = 2 * (l + w);
    QB q("field_laps", 2);
    q.param("l", l).param("w", w).param("laps", laps);
    q.p("A rectangular playing field is " + qty(l, "m") + " long and " + qty(w, "m") + " wide. " +
        who + " runs " + (laps == 2 ? "twice" : S(laps) + " times") +
        " round the edge of the field.");
    if (k == "NN") {
        q.subparts(
            {{"How far is it once round the field?", "m"},
             {"How far does " + who + " run altogether? Give your answer in kilometres.", "km"}});
        return q.part('N', S(p)).part('N', Frac(laps * p, 1000).dec()).done();
    }
    q.p("How far does " + who + " run altogether? Give your answer in kilometres.");
    return q.number(r, k[0], Frac(laps * p, 1000), "km", wrong).done();
}

Question perimeterCompare(Rng& r, const std::string& k) {
    (void)k;
    int s, l, w;
    do {
        s = r.range(4, 10);
        l = r.range(s + 2, 16);
        w = r.range(1, s - 1);
        // the shape with the larger area has the shorter perimeter
    } while (4 * s == 2 * (l + w) || s * s == l * w || (s * s > l * w) != (4 * s < 2 * (l + w)));
    const bool squareIsA = r.chance(50);
    QB q("perimeter_compare", 2);
    q.param("square", squareIsA ? "A" : "B").param("s", s).param("l", l).param("w", w);
    q.p(squareIsA ? "Shape A is a square and shape B is a rectangle."
                  : "Shape A is a rectangle and shape B is a square.");
    Figure& f = q.figure(300, 200, "a square and a rectangle");
    const double sc = 100.0 / l;
    auto drawOne = [&](int x, int pw, int ph, const std::string& name) {
        const int y = 34;
        const int W = ri(pw * sc), H = std::max(4, ri(ph * sc));
        f.text(x + W / 2, 16, 'c', name);
        f.rect(x, y, W, H, kFill);
        f.text(x + W / 2, y + H + 12, 'c', qty(pw, "cm"));
        f.text(x + W + 4, y + H / 2, 'l', qty(ph, "cm"));
    };
    if (squareIsA) {
        drawOne(12, s, s, "A");
        drawOne(150, l, w, "B");
    } else {
        drawOne(12, l, w, "A");
        drawOne(150, s, s, "B");
    }
    q.p("Which shape has the longer perimeter?");
    q.note("Write A or B.");
    q.answer();
    const bool squareLonger = 4 * s > 2 * (l + w);
    return q.part('T', squareLonger == squareIsA ? "A" : "B").done();
}

Question squaresRowPerimeter(Rng& r, const std::string& k) {
    int n, s;
    std::vector<Frac> wrong;
    do {
        n = r.range(3, 7);
        s = r.range(2, 9);
        wrong = {4 * n * s /* every square's perimeter added */, n * s * s /* the area */,
                 2 * n * s + s /* one end left out */};
    } while (!distinctWrong(2 * (n * s + s), wrong));
    QB q("squares_row_perimeter", 2);
    q.param("n", n).param("s", s);
    q.p(capitalised(numberWords(n)) + " squares, each with sides of " + qty(s, "cm") +
        ", are put side by side in a row to make a rectangle.");
    Figure& f = q.figure(300, 200, "squares in a row");
    const int side = std::min(48, 260 / n);
    const int x0 = 150 - side * n / 2;
    const int y0 = 80;
    for (int i = 0; i < n; ++i) f.rect(x0 + i * side, y0, side, side, kFill);
    f.text(x0 + side / 2, y0 + side + 14, 'c', qty(s, "cm"));
    q.p("What is the perimeter of the rectangle?");
    return q.number(r, k[0], 2 * (n * s + s), "cm", wrong).done();
}

}  // namespace

void addAreaMore(std::vector<Family>& out) {
    out.push_back({"grid_area", 4, {"N", "Q"}, gridArea});
    out.push_back({"grid_perimeter", 4, {"N", "Q"}, gridPerimeter});
    out.push_back({"grid_half_squares", 4, {"N", "Q"}, gridHalfSquares});
    out.push_back({"area_units", 4, {"N", "Q"}, areaUnits});
    out.push_back({"scale_area", 4, {"N", "Q"}, scaleArea});
    out.push_back({"area_mistake", 4, {"Q"}, areaMistake});
    out.push_back({"best_rectangle", 4, {"N", "Q"}, bestRectangle});
    out.push_back({"rect_count_area", 4, {"N", "Q"}, rectCountArea});
    out.push_back({"rect_from_area_perimeter", 4, {"NN", "N"}, rectFromAreaPerimeter});
    out.push_back({"triangle_missing_side", 4, {"N", "Q"}, triangleMissingSide});
    out.push_back({"regular_polygon_perimeter", 4, {"N", "Q"}, regularPolygonPerimeter});
    out.push_back({"triangle_height", 4, {"N", "Q"}, triangleHeight});
    out.push_back({"right_triangle_area", 4, {"N", "Q"}, rightTriangleArea});
    out.push_back({"trapezium_area", 4, {"N", "Q"}, trapeziumArea});
    out.push_back({"house_area", 4, {"N", "Q", "NN"}, houseArea});
    out.push_back({"shaded_area", 4, {"N", "Q", "NN"}, shadedArea});
    out.push_back({"triangle_in_rect", 4, {"N", "Q", "NN"}, triangleInRect});
    out.push_back({"lshape_missing_sides", 4, {"NN", "N", "Q"}, lshapeMissingSides});
    out.push_back({"rect_perimeter_from_area", 4, {"N", "Q", "NN"}, rectPerimeterFromArea});
    out.push_back({"square_from_rect", 4, {"N", "Q", "NN"}, squareFromRect});
    out.push_back({"mixed_units_area", 4, {"N", "Q"}, mixedUnitsArea});
    out.push_back({"paint_tins", 4, {"N", "Q", "NN"}, paintTins});
    out.push_back({"rooms_table", 4, {"N", "Q", "NN", "NNN"}, roomsTable});
    out.push_back({"skirting_board", 4, {"N", "Q"}, skirtingBoard});
    out.push_back({"field_laps", 4, {"N", "Q", "NN"}, fieldLaps});
    out.push_back({"perimeter_compare", 4, {"T"}, perimeterCompare});
    out.push_back({"squares_row_perimeter", 4, {"N", "Q"}, squaresRowPerimeter});
}
