// Area and Perimeter, continued: shapes on grids, units of area, triangles by their sides,
// regular polygons, plans and tables, shaded parts, reasoning about rectangles.

#include "drawing.h"
#include "families.h"
#include "measure_solutions.h"

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

// The decimal places of an exact decimal: 2.75 has 2.
int decimalPlaces(const Frac& v) {
    const std::string d = v.dec();
    const auto dot = d.find('.');
    return dot == std::string::npos ? 0 : static_cast<int>(d.size() - dot - 1);
}

Frac power10(int n) {
    Frac p(1);
    for (int i = 0; i < n; ++i) p = p * Frac(10);
    return p;
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

// The shaded squares of a grid row by row, for a learner who cannot see it: "row 2, squares 3
// to 5; row 3, square 4". Rows count from the top, squares from the left.
std::string shadedRows(const Cells& g) {
    std::string out;
    for (int y = 0; y < g.rows; ++y) {
        std::string runs;
        int inRow = 0;
        for (int x = 0; x < g.cols;) {
            if (!g.at(y, x)) {
                ++x;
                continue;
            }
            int e = x;
            while (e + 1 < g.cols && g.at(y, e + 1)) ++e;
            runs += (runs.empty() ? "" : ", ") + S(x + 1) +
                    (e == x + 1 ? " and " + S(e + 1)
                     : e > x    ? " to " + S(e + 1)
                                : "");
            inRow += e - x + 1;
            x = e + 1;
        }
        if (runs.empty()) continue;
        out += (out.empty() ? "" : "; ") + std::string("row ") + S(y + 1) +
               (inRow == 1 ? ", square " : ", squares ") + runs;
    }
    return out;
}

std::string gridDescription(const Cells& g, const std::string& what) {
    return "A grid of " + S(g.rows) + " rows of " + S(g.cols) +
           " squares, rows counted from the top and squares from the left, with " + what +
           " shaded: " + shadedRows(g) + ".";
}

// "3 + 5 + 4 = 12": the shaded squares of each row added up.
std::string rowCountSum(const Cells& g) {
    std::string terms;
    for (int y = 0; y < g.rows; ++y) {
        int n = 0;
        for (int x = 0; x < g.cols; ++x) n += g.at(y, x);
        if (n > 0) terms += (terms.empty() ? "" : " + ") + S(n);
    }
    return terms + " = " + S(g.count());
}

Question gridArea(Rng& r, const std::string& k) {
    const int side = r.chance(65) ? 1 : 2;
    Cells g;
    Frac ans;
    std::vector<Slip> wrong;
    do {
        g = gridShape(r, 6, 8, 8, 24);
        const int n = g.count();
        ans = n * side * side;
        const auto [bw, bh] = g.box();
        if (side == 1)
            wrong = {{g.perimeter(), "counts the edges round the shape, its perimeter"},
                     {g.rows * g.cols - n, "counts the squares that are not shaded"},
                     {bw * bh, "counts the whole rectangle round the shape, empty squares too"}};
        else
            wrong = {{n, "counts the squares but forgets that each is 2&nbsp;cm by 2&nbsp;cm"},
                     {2 * n, "doubles the number of squares, but each square is 4&nbsp;cm&sup2;"},
                     {g.perimeter() * side, "is the perimeter, not the area"}};
    } while (!distinctWrong(ans, wrong));
    QB q("grid_area", 1);
    q.param("side", side);
    q.p("The shaded shape is drawn on a grid of squares. " + squaresNote(side));
    drawGrid(q.figure(300, 200, gridDescription(g, "a shape")), g.rows, g.cols, g.on);
    q.p("What is the area of the shaded shape?");
    step(q, "Count the shaded squares row by row: " + rowCountSum(g) + " squares.");
    if (side == 1) {
        step(q,
             "Each square is 1&nbsp;cm by 1&nbsp;cm, an area of 1&nbsp;cm&sup2;, so the area is " +
                 qty(ans, kCm2) + ".");
    } else {
        step(q,
             "Each square is 2&nbsp;cm by 2&nbsp;cm: 2&nbsp;cm &times; 2&nbsp;cm = "
             "4&nbsp;cm&sup2;.");
        step(q, "Area = " + S(g.count()) + " &times; 4&nbsp;cm&sup2; = " + qty(ans, kCm2) + ".");
    }
    return q.number(r, k[0], ans, kCm2, wrong).done();
}

Question gridPerimeter(Rng& r, const std::string& k) {
    const int side = r.chance(65) ? 1 : 2;
    Cells g;
    Frac ans;
    std::vector<Slip> wrong;
    do {
        g = gridShape(r, 6, 8, 8, 24);
        const auto [bw, bh] = g.box();
        // a shape with a dent, so the rectangle round it has a shorter perimeter
        if (g.perimeter() == 2 * (bw + bh)) continue;
        ans = g.perimeter() * side;
        if (side == 1)
            wrong = {{g.count(), "is the area, the number of squares"},
                     {g.edgeSquares(), "counts the squares along the edge, not their sides"},
                     {2 * (bw + bh),
                      "goes straight across the dents, round the rectangle that "
                      "holds the shape"}};
        else
            wrong = {
                {g.perimeter(), "counts the sides of squares but forgets that each is 2&nbsp;cm"},
                {g.count() * 4, "is the area, not the perimeter"},
                {2 * (bw + bh) * side,
                 "goes straight across the dents, round the rectangle "
                 "that holds the shape"}};
    } while (!distinctWrong(ans, wrong));
    QB q("grid_perimeter", 2);
    q.param("side", side);
    q.p("The shaded shape is drawn on a grid of squares. " + squaresNote(side));
    drawGrid(q.figure(300, 200, gridDescription(g, "a shape")), g.rows, g.cols, g.on);
    q.p("What is the perimeter of the shaded shape?");
    int across = 0, upDown = 0;  // sides of squares on the edge, level and upright
    for (int y = 0; y < g.rows; ++y)
        for (int x = 0; x < g.cols; ++x)
            if (g.at(y, x)) {
                across += !g.at(y - 1, x) + !g.at(y + 1, x);
                upDown += !g.at(y, x - 1) + !g.at(y, x + 1);
            }
    step(q,
         "Go all the way round the edge of the shape, counting the sides of squares, into every "
         "dent.");
    step(q, "Sides that run across, on the top and underneath: " + S(across) +
                "; sides that run up and down, at the left and right: " + S(upDown) + ".");
    step(q,
         "Sides on the edge = " + S(across) + " + " + S(upDown) + " = " + S(g.perimeter()) + ".");
    if (side == 1)
        step(q, "Each side is 1&nbsp;cm long, so the perimeter is " + qty(ans, "cm") + ".");
    else
        step(q, "Each side is 2&nbsp;cm long: perimeter = " + S(g.perimeter()) +
                    " &times; 2&nbsp;cm = " + qty(ans, "cm") + ".");
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
    std::vector<int> halfCells;
    for (const auto& h : halves) halfCells.push_back(h.first);
    std::sort(halfCells.begin(), halfCells.end());
    std::string halfText;
    for (int cell : halfCells)
        halfText += (halfText.empty() ? "" : "; ") + std::string("row ") + S(cell / cols + 1) +
                    ", square " + S(cell % cols + 1);
    Figure& f =
        q.figure(300, 200,
                 gridDescription(g, "whole squares") +
                     " Half of a square is shaded, cut along its diagonal, at " + halfText + ".");
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
    step(q, "Whole shaded squares, row by row: " + rowCountSum(g) + ". Each is 1&nbsp;cm&sup2;.");
    step(q, "Half squares: " + S(half) + ". Two halves make one whole square: " + S(half) +
                " &divide; 2 = " + num(Frac(half, 2)) + " squares.");
    step(q, "Area = " + num(whole) + " + " + num(Frac(half, 2)) + " = " + qty(ans, kCm2) + ".");
    return q
        .number(r, k[0], ans, kCm2,
                {{whole + half, "counts each half square as a whole one"},
                 {whole, "leaves the half squares out"},
                 {2 * whole + half, "counts in half squares, each whole square as two"}})
        .done();
}

// ---- units and reasoning ----

Question areaUnits(Rng& r, const std::string& k) {
    const int kind = r.range(0, 3);
    const std::vector<std::string> things = {"table top", "rug", "poster", "window", "carpet tile"};
    const std::string thing = r.pick(things);
    QB q("area_units", 2);
    Frac value, ans;
    std::vector<Slip> wrong;
    std::string from, to;
    switch (kind) {
        case 0:  // m2 to cm2
            from = "m2";
            to = "cm2";
            value = r.chance(70) ? Frac(r.range(2, 9)) : Frac(r.range(1, 4) * 2 + 1, 2);
            ans = value * Frac(10000);
            wrong = {{value * Frac(100),
                      "multiplies by 100, the centimetres in a metre, but a "
                      "square metre is 100 by 100 centimetres"},
                     {value * Frac(1000), "multiplies by 1000: one zero short"},
                     {value * Frac(100000), "multiplies by 100&nbsp;000: one zero too many"}};
            break;
        case 1:  // cm2 to m2
            from = "cm2";
            to = "m2";
            value = Frac(r.range(3, 45) * 1000);
            ans = value / Frac(10000);
            wrong = {{value / Frac(100),
                      "divides by 100, the centimetres in a metre, but a square "
                      "metre is 100 by 100 centimetres"},
                     {value / Frac(1000), "divides by 1000: one zero short"},
                     {value / Frac(100000), "divides by 100&nbsp;000: one zero too many"}};
            break;
        case 2:  // cm2 to mm2
            from = "cm2";
            to = "mm2";
            value = Frac(r.range(3, 60));
            ans = value * Frac(100);
            wrong = {{value * Frac(10),
                      "multiplies by 10, the millimetres in a centimetre, but a "
                      "square centimetre is 10 by 10 millimetres"},
                     {value * Frac(1000), "multiplies by 1000: one zero too many"},
                     {value * Frac(10000),
                      "multiplies by 10&nbsp;000, as for square metres to "
                      "square centimetres"}};
            break;
        default:  // mm2 to cm2
            from = "mm2";
            to = "cm2";
            value = Frac(r.range(12, 95) * 10);
            ans = value / Frac(100);
            wrong = {{value / Frac(10),
                      "divides by 10, the millimetres in a centimetre, but a "
                      "square centimetre is 10 by 10 millimetres"},
                     {value / Frac(1000), "divides by 1000: one zero too many"},
                     {value * Frac(100), "multiplies instead of dividing"}};
            break;
    }
    auto unitHtml = [](const std::string& u) {
        return u == "m2" ? std::string(kM2) : u == "cm2" ? std::string(kCm2) : "mm&sup2;";
    };
    q.param("from", from).param("to", to).paramDec("value", value);
    const std::string what = kind >= 2 ? "sticker" : thing;
    q.p("A " + what + " has an area of " + qty(value, unitHtml(from)) + ".");
    q.p("What is its area in " + unitHtml(to) + "?");
    const bool metres = kind <= 1;
    const std::string big = metres ? "m" : "cm", small = metres ? "cm" : "mm";
    const int per = metres ? 100 : 10;
    const Frac factor = Frac(per * per);
    step(q, "1&nbsp;" + big + " = " + qty(per, small) + ", so a square of side 1&nbsp;" + big +
                " is " + qty(per, small) + " by " + qty(per, small) + ": 1&nbsp;" + big +
                "&sup2; = " + qty(per, small) + " &times; " + qty(per, small) + " = " +
                qty(factor, small + "&sup2;") + ".");
    if (kind == 0 || kind == 2)
        step(q, "Change to the smaller unit by multiplying: " + qty(value, unitHtml(from)) + " = " +
                    num(value) + " &times; " + qty(factor, unitHtml(to)) + " = " +
                    qty(ans, unitHtml(to)) + ".");
    else
        step(q, "Change to the larger unit by dividing: " + qty(value, unitHtml(from)) + " = " +
                    num(value) + " &divide; " + num(factor) + "&nbsp;" + unitHtml(to) + " = " +
                    qty(ans, unitHtml(to)) + ".");
    return q.number(r, k[0], ans, unitHtml(to), wrong).done();
}

Question scaleArea(Rng& r, const std::string& k) {
    const std::vector<std::string> asks = {"area", "times", "perimeter"};
    int l, w, f;
    std::string ask;
    Frac ans;
    std::vector<Slip> wrong;
    do {
        l = r.range(3, 12);
        w = r.range(2, l - 1);
        ask = r.pick(asks);
        if (ask == "times") {
            f = r.pick(std::vector<int>{3, 4, 5, 10});
            ans = f * f;
            wrong = {{f, "thinks the area grows as many times as the sides do"},
                     {2 * f, "doubles the number the sides are multiplied by"},
                     {f * f * f, "multiplies by " + S(f) + " three times, as for a volume"}};
        } else {
            f = r.range(2, 5);
            if (ask == "area") {
                ans = f * l * f * w;
                wrong = {{f * l * w, "multiplies the old area by " + S(f) + " only once"},
                         {2 * (f * l + f * w), "is the new perimeter, not the area"},
                         {(l + f) * (w + f), "adds " + S(f) +
                                                 " to each side instead of "
                                                 "multiplying"}};
            } else {
                ans = 2 * (f * l + f * w);
                wrong = {{f * f * 2 * (l + w), "multiplies the perimeter by " + S(f) +
                                                   " twice, "
                                                   "as for an area"},
                         {2 * (l + f + w + f), "adds " + S(f) +
                                                   " to each side instead of "
                                                   "multiplying"},
                         {f * l * f * w, "is the new area, not the perimeter"}};
            }
        }
    } while (!distinctWrong(ans, wrong));
    QB q("scale_area", 2);
    q.param("ask", ask).param("l", l).param("w", w).param("factor", f);
    const std::string times = f == 2 ? "doubled" : f == 3 ? "tripled" : "multiplied by " + S(f);
    q.p("A rectangle is " + qty(l, "cm") + " long and " + qty(w, "cm") +
        " wide. Its length and its width are both " + times + ".");
    step(q, "New length = " + qty(l, "cm") + " &times; " + S(f) + " = " + qty(f * l, "cm") +
                "; new width = " + qty(w, "cm") + " &times; " + S(f) + " = " + qty(f * w, "cm") +
                ".");
    if (ask == "times") {
        q.p("How many times larger is the area of the new rectangle than the area of the first?");
        step(q, "First area = " + qty(l, "cm") + " &times; " + qty(w, "cm") + " = " +
                    qty(l * w, kCm2) + "; new area = " + qty(f * l, "cm") + " &times; " +
                    qty(f * w, "cm") + " = " + qty(f * l * f * w, kCm2) + ".");
        step(q, num(f * l * f * w) + " &divide; " + num(l * w) + " = " + num(f * f) +
                    ": the area grows " + S(f) + " times for the length and " + S(f) +
                    " times again for the width, " + S(f) + " &times; " + S(f) + " = " + S(f * f) +
                    ".");
        return q.number(r, k[0], ans, "", wrong).done();
    }
    q.p("What is the " + ask + " of the new rectangle?");
    if (ask == "area")
        step(q, "New area = " + qty(f * l, "cm") + " &times; " + qty(f * w, "cm") + " = " +
                    qty(ans, kCm2) + ".");
    else
        step(q, "New perimeter = " + qty(f * l, "cm") + " + " + qty(f * w, "cm") + " + " +
                    qty(f * l, "cm") + " + " + qty(f * w, "cm") + " = " + qty(ans, "cm") + ".");
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
    // What each sentence's working gives, to set beside what was written.
    const std::vector<std::string> working = {
        "the area is " + qty(l, "cm") + " &times; " + qty(w, "cm") + " = " + qty(l * w, kCm2),
        "the perimeter is " + qty(l, "cm") + " + " + qty(w, "cm") + " + " + qty(l, "cm") + " + " +
            qty(w, "cm") + " = " + qty(2 * (l + w), "cm"),
        "the length and the width added make " + qty(l, "cm") + " + " + qty(w, "cm") + " = " +
            qty(l + w, "cm"),
        "the length times the width, doubled, is 2 &times; " + S(l) + " &times; " + S(w) + " = " +
            num(2 * l * w),
    };
    std::string right;
    std::vector<TextSlip> wrong;
    std::size_t rightIndex = 0;
    for (std::size_t i = 0; i < claims.size(); ++i) {
        if (claims[i].first == slip) {
            right = sentences[i];
            rightIndex = i;
        } else {
            wrong.push_back(
                {sentences[i], "is not what happened: " + working[i] + ", not " + num(claimed)});
        }
    }
    step(q, "The area of a rectangle is length &times; width: " + qty(l, "cm") + " &times; " +
                qty(w, "cm") + " = " + qty(l * w, kCm2) + ".");
    if (rightIndex == 0)
        step(q, who + " wrote " + qty(claimed, kCm2) + ", which is the area.");
    else
        step(q, who + " wrote " + num(claimed) + ", and " + working[rightIndex] + ".");
    step(q, "So the true sentence is: " + right);
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
        const int half = 2 * m + 1;
        step(q, "Length + width is half the perimeter: " + qty(p, "cm") +
                    " &divide; 2 = " + qty(half, "cm") + ".");
        std::vector<std::vector<std::string>> rows;
        for (int wd = 1; wd <= m; ++wd)
            rows.push_back({S(half - wd), S(wd), num((half - wd) * wd)});
        q.working(tableHtml({"Length (cm)", "Width (cm)", "Area (cm&sup2;)"}, rows));
        step(q,
             "The closer the length and the width, the larger the area. They cannot be equal, "
             "because " +
                 S(half) + " is odd, so the largest area is " + qty(m + 1, "cm") + " &times; " +
                 qty(m, "cm") + " = " + qty(m * (m + 1), kCm2) + ".");
        return q
            .number(r, k[0], m * (m + 1), kCm2,
                    {{2 * m, "is the smallest area, of the rectangle 1&nbsp;cm wide"},
                     {(m + 1) * (m + 1), "is a square of side " + qty(m + 1, "cm") +
                                             ", whose perimeter is " + qty(4 * m + 4, "cm")},
                     {p, "is the perimeter, not an area"}})
            .done();
    }
    int a = 0, best = 0, worst = 0, next = 0;
    std::vector<Slip> wrong;
    do {
        a = r.pick(std::vector<int>{12, 18, 20, 24, 30, 32, 40, 45, 48, 54, 60, 72, 80, 90});
        std::vector<int> perims;
        for (int s = 1; s * s < a; ++s)
            if (a % s == 0) perims.push_back(2 * (s + a / s));
        std::sort(perims.begin(), perims.end());
        best = perims[0];
        next = perims.size() > 1 ? perims[1] : perims[0];
        worst = perims.back();
        wrong = {{worst, "is the longest perimeter, of the rectangle 1&nbsp;cm wide"},
                 {a, "is the area, not a perimeter"},
                 {next, "is the next shortest perimeter, not the shortest"}};
    } while (!distinctWrong(best, wrong));
    q.param("ask", "perimeter").param("area", a);
    q.p("A rectangle has an area of " + qty(a, kCm2) +
        ". Its length and width are whole numbers of centimetres.");
    q.p("What is the shortest perimeter it can have?");
    step(q, "Length &times; width = " + S(a) +
                ". List the pairs of whole numbers that multiply to " + S(a) +
                ", and the perimeter of each rectangle:");
    std::vector<std::vector<std::string>> rows;
    int closest = 1;
    for (int s = 1; s * s < a; ++s)
        if (a % s == 0) {
            rows.push_back({S(a / s), S(s), S(2 * (s + a / s))});
            closest = s;
        }
    q.working(tableHtml({"Length (cm)", "Width (cm)", "Perimeter (cm)"}, rows));
    step(q, "The closer the length and the width, the shorter the perimeter: " +
                qty(a / closest, "cm") + " + " + qty(closest, "cm") + " + " +
                qty(a / closest, "cm") + " + " + qty(closest, "cm") + " = " + qty(best, "cm") +
                ".");
    return q.number(r, k[0], best, "cm", wrong).done();
}

Question rectCountArea(Rng& r, const std::string& k) {
    int a, pairs;
    std::vector<Slip> wrong;
    do {
        a = r.pick(std::vector<int>{12, 18, 20, 24, 28, 30, 32, 40, 42, 44, 45, 48,
                                    50, 54, 56, 60, 63, 66, 70, 72, 80, 84, 90, 96});
        pairs = 0;
        for (int s = 1; s * s < a; ++s) pairs += a % s == 0;
        wrong = {{2 * pairs, "counts each rectangle twice, once turned round"},
                 {pairs - 1, "leaves out the rectangle 1&nbsp;cm wide"},
                 {pairs + 1, "counts one rectangle too many"}};
    } while (!distinctWrong(pairs, wrong));
    QB q("rect_count_area", 3);
    q.param("area", a);
    q.p("How many different rectangles with an area of " + qty(a, kCm2) +
        " have sides that are whole numbers of centimetres?");
    q.p("Turning a rectangle round does not make a new one.");
    std::string chain;
    int last = 1;
    for (int s = 1; s * s < a; ++s)
        if (a % s == 0) {
            chain += S(s) + " &times; " + S(a / s) + " = ";
            last = s;
        }
    step(q, "Width &times; length = " + S(a) +
                ". Find the pairs of whole numbers that multiply to " + S(a) +
                ", the shorter side first:");
    step(q, chain + S(a) + ".");
    step(q, "The next pair would be " + S(a / last) + " &times; " + S(last) +
                ", a rectangle already counted, turned round. Each pair is one rectangle, so there "
                "are " +
                plural(pairs, "rectangle", "rectangles") + ".");
    return q.number(r, k[0], pairs, "rectangles", wrong).done();
}

Question rectFromAreaPerimeter(Rng& r, const std::string& k) {
    const int l = r.range(4, 15);
    const int w = r.range(2, l - 1);
    QB q("rect_from_area_perimeter", 3);
    q.param("area", l * w).param("perimeter", 2 * (l + w));
    q.p("A rectangle has an area of " + qty(l * w, kCm2) + " and a perimeter of " +
        qty(2 * (l + w), "cm") + ". Its sides are whole numbers of centimetres.");
    step(q, "Length + width is half the perimeter: " + qty(2 * (l + w), "cm") +
                " &divide; 2 = " + qty(l + w, "cm") + ".");
    step(q, "Find two whole numbers that add up to " + S(l + w) + " and multiply to " + S(l * w) +
                ": " + S(l) + " + " + S(w) + " = " + S(l + w) + "; " + S(l) + " &times; " + S(w) +
                " = " + S(l * w) + ".");
    if (k == "NN") {
        q.subparts(
            {{"How long is its longer side?", "cm"}, {"How long is its shorter side?", "cm"}});
        step(q, "(a) The longer side is " + qty(l, "cm") + ". (b) The shorter side is " +
                    qty(w, "cm") + ".");
        return q.part('N', S(l)).part('N', S(w)).done();
    }
    q.p("How long is its longer side?");
    q.answer("cm");
    step(q, "So the sides are " + qty(l, "cm") + " and " + qty(w, "cm") + "; the longer side is " +
                qty(l, "cm") + ".");
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
    std::vector<Slip> wrong;
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
        // Only sides this triangle could have: shorter than the two known sides together and
        // longer than their difference (the sum of the two sides is not one of them).
        auto fits = [&](const Frac& v) {
            return v > Frac(std::abs(k1 - k2)) && v < Frac(k1 + k2) && v != Frac(s[u]) &&
                   exactDecimal(v);
        };
        std::vector<Slip> oneSide, other;
        for (const Slip& c :
             std::vector<Slip>{{p - k1, "takes away only the side of " + qty(k1, "cm")},
                               {p - k2, "takes away only the side of " + qty(k2, "cm")}})
            if (fits(c.value)) oneSide.push_back(c);
        for (const Slip& c : std::vector<Slip>{
                 {Frac(p - k1, 2), "takes away the side of " + qty(k1, "cm") +
                                       " and halves the rest, as if the other two were equal"},
                 {Frac(p - k2, 2), "takes away the side of " + qty(k2, "cm") +
                                       " and halves the rest, as if the other two were equal"},
                 {Frac(p, 3), "shares the perimeter equally, as if all three sides were equal"}})
            if (fits(c.value) && std::none_of(oneSide.begin(), oneSide.end(),
                                              [&](const Slip& o) { return o.value == c.value; }))
                other.push_back(c);
        // the other slips first, where the sum of the two known sides (no side of a triangle)
        // once stood, so the one-side slips keep their places among the options
        wrong.assign(other.begin(),
                     other.begin() + static_cast<long>(std::min(other.size(), 3 - oneSide.size())));
        wrong.insert(wrong.end(), oneSide.begin(), oneSide.end());
        if (k[0] != 'Q' || distinctWrong(s[u], wrong)) break;
    }
    const int p = s[0] + s[1] + s[2];
    const int k1 = s[(u + 1) % 3], k2 = s[(u + 2) % 3];
    std::string known;
    for (int i = 1; i <= 2; ++i) known += (known.empty() ? "" : ",") + S(s[(u + i) % 3]);
    QB q("triangle_missing_side", 1);
    q.param("perimeter", p).param("known", known);
    q.p("The perimeter of the triangle is " + qty(p, "cm") +
        ". Find the length of the side "
        "marked <b>?</b>.");
    std::string l[3];
    for (int i = 0; i < 3; ++i) l[i] = i == u ? "?" : qty(s[i], "cm");
    drawSidesTriangle(
        q.figure(300, 200,
                 "A triangle with two sides marked " + qty(k1, "cm") + " and " + qty(k2, "cm") +
                     "; its third side is marked with a question "
                     "mark."),
        s[0], s[1], s[2], l[0], l[1], l[2]);
    step(q,
         "The perimeter is the three sides added together, so the missing side is the perimeter "
         "take away the two sides we know.");
    step(q, "The two known sides: " + qty(k1, "cm") + " + " + qty(k2, "cm") + " = " +
                qty(k1 + k2, "cm") + ".");
    step(q, "Missing side = " + qty(p, "cm") + " &minus; " + qty(k1 + k2, "cm") + " = " +
                qty(s[u], "cm") + ".");
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
    std::vector<Slip> wrong;
    do {
        s = r.range(3, 15);
        if (findSide)
            wrong = {{Frac(n * s, 4), "divides by 4, as if the shape had four sides"},
                     {n * s - n, "takes away " + S(n) + " instead of dividing by it"},
                     {Frac(n * s, n - 1), "divides by one side too few"},
                     {Frac(n * s, 2), "halves the perimeter"}};
        else
            wrong = {{(n - 1) * s, "counts one side too few"},
                     {(n + 1) * s, "counts one side too many"},
                     {4 * s, "counts four sides, as for a square"},
                     {s * s, "multiplies the side by itself, as for the area of a square"}};
    } while (!enoughWrong(findSide ? Frac(s) : Frac(n * s), wrong));
    QB q("regular_polygon_perimeter", 1);
    q.param("n", n).param("ask", findSide ? "side" : "perimeter");
    const std::string sides = numberWords(n) + " equal sides";
    if (findSide) {
        q.param("perimeter", n * s);
        q.p("The shape is " + withArticle(name) + ". Its perimeter is " + qty(n * s, "cm") +
            ". How long is each side?");
        drawRegularPolygon(q.figure(300, 200,
                                    capitalised(withArticle(name)) + " with its " + sides +
                                        " marked equal; its bottom side is marked with a "
                                        "question mark."),
                           n, "?");
        step(q, capitalised(withArticle(name)) + " has " + sides +
                    ", so each side is the "
                    "perimeter divided by " +
                    S(n) + ".");
        step(q, "Side = " + qty(n * s, "cm") + " &divide; " + S(n) + " = " + qty(s, "cm") + ".");
        return q.number(r, k[0], s, "cm", wrong).done();
    }
    q.param("side", s);
    q.p("The shape is " + withArticle(name) + ". Find its perimeter.");
    drawRegularPolygon(
        q.figure(300, 200,
                 capitalised(withArticle(name)) + " with its " + sides +
                     " marked equal; its bottom side is labelled " + qty(s, "cm") + "."),
        n, qty(s, "cm"));
    step(q, capitalised(withArticle(name)) + " has " + sides + ", each " + qty(s, "cm") + " long.");
    step(q, "Perimeter = " + S(n) + " &times; " + qty(s, "cm") + " = " + qty(n * s, "cm") + ".");
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
    std::vector<Slip> wrong;
    do {
        b = r.range(4, 20);
        h = r.range(3, 15);
        a = b * h / 2;
        wrong = {{Frac(a, b), "divides the area by the base without doubling it first"},
                 {a - b, "takes the base away from the area instead of dividing"},
                 {2 * a, "doubles the area but does not divide by the base"}};
    } while ((b * h) % 2 || !distinctWrong(h, wrong));
    QB q("triangle_height", 2);
    q.param("area", a).param("b", b);
    q.p("The triangle has an area of " + qty(a, kCm2) + ". Its base is " + qty(b, "cm") +
        ". Find its height <i>h</i>.");
    drawBaseHeightTriangle(q.figure(300, 200,
                                    "A triangle with a base of " + qty(b, "cm") +
                                        " and a dashed height marked h, drawn from its top "
                                        "corner down to the base at a right angle."),
                           b, h, qty(b, "cm"), "h");
    step(q,
         "Area of a triangle = 1/2 &times; base &times; height, so base &times; height is twice "
         "the area.");
    step(q, "Base &times; height = 2 &times; " + qty(a, kCm2) + " = " + qty(2 * a, kCm2) + ".");
    step(q,
         "Height = " + qty(2 * a, kCm2) + " &divide; " + qty(b, "cm") + " = " + qty(h, "cm") + ".");
    return q.number(r, k[0], h, "cm", wrong).done();
}

Question rightTriangleArea(Rng& r, const std::string& k) {
    static const std::vector<std::vector<int>> triples = {
        {4, 3, 5},   {3, 4, 5},    {12, 5, 13}, {8, 6, 10},   {6, 8, 10},   {15, 8, 17},
        {12, 9, 15}, {16, 12, 20}, {24, 7, 25}, {20, 15, 25}, {10, 24, 26}, {8, 15, 17}};
    int a, b, c;
    std::vector<Slip> wrong;
    do {
        const auto& t = r.pick(triples);
        a = t[0];
        b = t[1];
        c = t[2];
        wrong = {{a * b, "does not halve: it is the rectangle round the triangle"},
                 {Frac(a * c, 2), "uses the sloping side as the height"},
                 {Frac(b * c, 2), "uses the sloping side as the base"},
                 {a + b + c, "is the perimeter, not the area"}};
    } while (!enoughWrong(Frac(a * b, 2), wrong));
    QB q("right_triangle_area", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("Find the area of the right-angled triangle.");
    Figure& f = q.figure(300, 200,
                         "A right-angled triangle with the right angle at the bottom left: the "
                         "bottom side is " +
                             qty(a, "cm") + ", the upright side " + qty(b, "cm") +
                             " and the sloping side " + qty(c, "cm") + ".");
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
    step(q, "The two sides at the right angle are the base and the height: " + qty(a, "cm") +
                " and " + qty(b, "cm") + ". The sloping side, " + qty(c, "cm") +
                ", is not needed.");
    step(q, "Area = 1/2 &times; base &times; height: " + qty(a, "cm") + " &times; " + qty(b, "cm") +
                " = " + qty(a * b, kCm2) + ", and half of that is " + qty(a * b, kCm2) +
                " &divide; 2 = " + qty(Frac(a * b, 2), kCm2) + ".");
    return q.number(r, k[0], Frac(a * b, 2), kCm2, wrong).done();
}

Question trapeziumArea(Rng& r, const std::string& k) {
    int a, b, h;
    std::vector<Slip> wrong;
    do {
        a = r.range(4, 14);
        b = r.range(a + 2, a + 12);
        h = r.range(3, 10);
        wrong = {{(a + b) * h, "does not halve"},
                 {b * h, "uses only the longer of the parallel sides"},
                 {a * b, "multiplies the two parallel sides together"}};
    } while (((a + b) * h) % 2 || !distinctWrong((a + b) * h / 2, wrong));
    QB q("trapezium_area", 2);
    q.param("a", a).param("b", b).param("h", h);
    q.p("The shape is a trapezium: its top and bottom sides are parallel. Find its area.");
    Figure& f = q.figure(300, 200,
                         "A trapezium whose bottom side is " + qty(b, "cm") +
                             " and whose top side, parallel to it, is " + qty(a, "cm") +
                             ". A dashed height of " + qty(h, "cm") +
                             " is drawn between them at a right angle.");
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
    step(q, "Cut the trapezium along a diagonal into two triangles. Both are " + qty(h, "cm") +
                " high: one has the bottom side as its base, the other the top side.");
    step(q, "Bottom triangle = 1/2 &times; " + qty(b, "cm") + " &times; " + qty(h, "cm") + " = " +
                qty(Frac(b * h, 2), kCm2) + ".");
    step(q, "Top triangle = 1/2 &times; " + qty(a, "cm") + " &times; " + qty(h, "cm") + " = " +
                qty(Frac(a * h, 2), kCm2) + ".");
    step(q, "Area = " + qty(Frac(b * h, 2), kCm2) + " + " + qty(Frac(a * h, 2), kCm2) + " = " +
                qty((a + b) * h / 2, kCm2) + ".");
    return q.number(r, k[0], (a + b) * h / 2, kCm2, wrong).done();
}

Question houseArea(Rng& r, const std::string& k) {
    int w, h, t;
    std::vector<Slip> wrong;
    do {
        w = r.range(3, 7) * 2;
        h = r.range(4, 10);
        t = r.range(2, 6);
        wrong = {{w * h + w * t, "does not halve the triangle"},
                 {w * h, "leaves the triangle out"},
                 {Frac(w * (h + t), 2), "halves the whole shape, not only the triangle"}};
    } while (!distinctWrong(w * h + w * t / 2, wrong));
    QB q("house_area", 2);
    q.param("w", w).param("h", h).param("roof", t);
    q.p("The front of a toy house is a rectangle with a triangle on top.");
    Figure& f = q.figure(300, 200,
                         "The front of a toy house: a rectangle " + qty(w, "cm") + " wide and " +
                             qty(h, "cm") +
                             " high with a triangle on top. The triangle's base "
                             "is the top of the rectangle and its height, from there to its top "
                             "corner, is marked " +
                             qty(t, "cm") + ".");
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
    const std::string label = k == "NN" ? "(a) " : "";
    step(q, label + "Rectangle = " + qty(w, "cm") + " &times; " + qty(h, "cm") + " = " +
                qty(w * h, kCm2) + ".");
    step(q, std::string(k == "NN" ? "(b) " : "") +
                "Triangle = 1/2 &times; base &times; height: "
                "1/2 &times; " +
                qty(w, "cm") + " &times; " + qty(t, "cm") + " = " + qty(w * t / 2, kCm2) + ".");
    step(q, "Whole shape = " + qty(w * h, kCm2) + " + " + qty(w * t / 2, kCm2) + " = " +
                qty(total, kCm2) + ".");
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
    std::vector<Slip> wrong;
    double s;
    const std::string outer = sc.outer, inner = sc.inner;
    do {
        W = r.range(8, 20);
        H = r.range(5, W);
        w = r.range(2, W - 3);
        h = r.range(2, H - 3);
        s = std::min(190.0 / W, 145.0 / H);
        wrong = {{W * H, "is the whole " + outer + ", with the " + inner + " left in"},
                 {(W - w) * (H - h), "takes the " + inner + "'s sides from the " + outer +
                                         "'s sides, then multiplies"},
                 {w * h, "is the " + inner + " itself, not the shaded part"}};
        // Draws stand as they always have: the two areas added, once an option but larger than
        // the whole, still takes part in choosing them. And room inside the inner rectangle for
        // its two labels.
    } while (!distinctWrong(W * H - w * h, std::vector<Frac>{W * H, W * H + w * h, w * h}) ||
             (k[0] == 'Q' && !distinctWrong(W * H - w * h, wrong)) || w * s < 48 || h * s < 34);
    QB q("shaded_area", 2);
    q.param("W", W).param("H", H).param("w", w).param("h", h);
    q.p(std::string("The picture shows a rectangular ") + sc.outer + " with a rectangular " +
        sc.inner + " on it. The shaded part is " + sc.shaded + ".");
    Figure& f =
        q.figure(300, 200,
                 "A shaded rectangular " + outer + " " + qty(W, sc.unit) + " wide and " +
                     qty(H, sc.unit) + " high, with an unshaded rectangular " + inner +
                     " inside it, " + qty(w, sc.unit) + " wide and " + qty(h, sc.unit) + " high.");
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
    const bool two = k == "NN";
    step(q, std::string(two ? "(a) " : "") + "Whole " + outer + " = " + qty(W, sc.unit) +
                " &times; " + qty(H, sc.unit) + " = " + qty(W * H, sq) + ".");
    step(q, std::string(two ? "(b) " : "") + capitalised(inner) + " = " + qty(w, sc.unit) +
                " &times; " + qty(h, sc.unit) + " = " + qty(w * h, sq) + ".");
    step(q, "Shaded part = whole " + outer + " take away the " + inner + ": " + qty(W * H, sq) +
                " &minus; " + qty(w * h, sq) + " = " + qty(W * H - w * h, sq) + ".");
    if (two) {
        q.subparts({{std::string("Find the area of the whole ") + sc.outer + ".", sq},
                    {"Find the area of the shaded part.", sq}});
        return q.part('N', S(W * H)).part('N', S(W * H - w * h)).done();
    }
    q.p("Find the area of the shaded part.");
    return q.number(r, k[0], W * H - w * h, sq, wrong).done();
}

Question triangleInRect(Rng& r, const std::string& k) {
    int W, H, a;
    std::vector<Slip> wrong;
    do {
        W = r.range(6, 20);
        H = r.range(4, std::min(W, 14));
        a = r.range(3, W - 3);
        wrong = {{W * H, "is the whole rectangle, not half of it"},
                 {Frac(a * H, 2), "uses a part of the top side as the base"},
                 {Frac(W * H, 4), "halves twice"}};
    } while (!distinctWrong(Frac(W * H, 2), wrong));
    const bool cornersShaded = r.chance(40);
    QB q("triangle_in_rect", 2);
    q.param("W", W).param("H", H).param("a", a).param("shaded",
                                                      cornersShaded ? "corners" : "triangle");
    q.p("A triangle is drawn inside a rectangle. Its base is the bottom of the rectangle and its "
        "top corner is on the top side.");
    Figure& f = q.figure(
        300, 200,
        "A rectangle " + qty(W, "cm") + " wide and " + qty(H, "cm") +
            " high with a triangle inside it. The triangle's base is the bottom of the rectangle "
            "and its top corner is on the top side, splitting the top into " +
            qty(a, "cm") + " and " + qty(W - a, "cm") + ". " +
            (cornersShaded ? "The two corners of the rectangle beside the triangle are shaded."
                           : "The triangle is shaded."));
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
    const bool two = k == "NN";
    step(q, std::string(two ? "(a) " : "") + "Rectangle = " + qty(W, "cm") + " &times; " +
                qty(H, "cm") + " = " + qty(W * H, kCm2) + ".");
    step(q, std::string(two ? "(b) " : "") + "The triangle's base is " + qty(W, "cm") +
                " and its height is the height of the rectangle, " + qty(H, "cm") +
                ", wherever its top corner is: triangle = 1/2 &times; " + qty(W, "cm") +
                " &times; " + qty(H, "cm") + " = " + qty(Frac(W * H, 2), kCm2) +
                ", half the rectangle.");
    if (cornersShaded)
        step(q, "The two corners are the rest of the rectangle: " + qty(W * H, kCm2) + " &minus; " +
                    qty(Frac(W * H, 2), kCm2) + " = " + qty(Frac(W * H, 2), kCm2) + ".");
    if (two) {
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
    std::vector<Slip> wrong;
    do {
        w = r.range(8, 20);
        h = r.range(6, 16);
        top = r.range(3, w - 2);
        notch = r.range(2, h - 2);
        // every option shorter than the bottom side that x is a part of
        wrong.clear();
        for (const Slip& c : std::vector<Slip>{
                 {w - notch, "takes the height of the step from the bottom side, not the top side"},
                 {top, "takes x to be as long as the top side"},
                 {h - notch, "is the length y, not x"},
                 {Frac(w, 2), "takes the step to be halfway along"}})
            if (c.value < Frac(w) && wrong.size() < 3 &&
                std::none_of(wrong.begin(), wrong.end(),
                             [&](const Slip& s) { return s.value == c.value; }))
                wrong.push_back(c);
    } while (w == 2 * top || w - top == h - notch || (k == "Q" && !distinctWrong(w - top, wrong)));
    QB q("lshape_missing_sides", 2);
    q.param("w", w).param("h", h).param("top", top).param("notch", notch);
    q.p("The shape is made from rectangles. All its corners are right angles and its lengths are "
        "in centimetres.");
    Figure& f = q.figure(300, 200,
                         "An L-shape with its lengths in centimetres. The bottom side is " + S(w) +
                             " and the left side " + S(h) + ". The top side is " + S(top) +
                             "; from its right end the side goes down " + S(notch) +
                             ", then across to the right by a length marked x, then down the "
                             "right side by a length marked y.");
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
    const bool two = k == "NN";
    step(q, std::string(two ? "(a) " : "") +
                "Across the shape, the top side and x together are as "
                "long as the bottom side: x = " +
                qty(w, "cm") + " &minus; " + qty(top, "cm") + " = " + qty(w - top, "cm") + ".");
    if (two) {
        step(q, "(b) Down the shape, the step and y together are as long as the left side: y = " +
                    qty(h, "cm") + " &minus; " + qty(notch, "cm") + " = " + qty(h - notch, "cm") +
                    ".");
        q.subparts({{"Find the length <i>x</i>.", "cm"}, {"Find the length <i>y</i>.", "cm"}});
        return q.part('N', S(w - top)).part('N', S(h - notch)).done();
    }
    step(q, "Check: " + qty(top, "cm") + " + " + qty(w - top, "cm") + " = " + qty(w, "cm") + ".");
    q.p("Find the length <i>x</i>.");
    return q.number(r, k[0], w - top, "cm", wrong).done();
}

Question rectPerimeterFromArea(Rng& r, const std::string& k) {
    int l, w;
    std::vector<Slip> wrong;
    do {
        l = r.range(5, 16);
        w = r.range(2, l - 1);
        wrong = {{w, "stops at the width"},
                 {l + w, "adds only one length and one width, half the way round"},
                 {2 * l + w, "leaves out one of the widths"}};
    } while (!distinctWrong(2 * (l + w), wrong));
    QB q("rect_perimeter_from_area", 3);
    q.param("area", l * w).param("l", l);
    q.p("A rectangle has an area of " + qty(l * w, kCm2) + ". Its length is " + qty(l, "cm") + ".");
    const bool two = k == "NN";
    step(q, std::string(two ? "(a) " : "") +
                "Area = length &times; width, so width = area "
                "&divide; length: " +
                qty(l * w, kCm2) + " &divide; " + qty(l, "cm") + " = " + qty(w, "cm") + ".");
    step(q, std::string(two ? "(b) " : "") +
                "Perimeter = two lengths and two widths: " + qty(l, "cm") + " + " + qty(w, "cm") +
                " + " + qty(l, "cm") + " + " + qty(w, "cm") + " = " + qty(2 * (l + w), "cm") + ".");
    if (two) {
        q.subparts({{"What is its width?", "cm"}, {"What is its perimeter?", "cm"}});
        return q.part('N', S(w)).part('N', S(2 * (l + w))).done();
    }
    q.p("What is its perimeter?");
    return q.number(r, k[0], 2 * (l + w), "cm", wrong).done();
}

Question squareFromRect(Rng& r, const std::string& k) {
    int l, w;
    std::vector<Slip> wrong;
    do {
        l = r.range(5, 18);
        w = r.range(2, l - 1);
        const int s = (l + w) / 2;
        wrong = {{l * w, "is the area of the rectangle, not of the square"},
                 {s, "is the side of the square, not its area"},
                 {2 * (l + w), "is the perimeter the two shapes share"}};
    } while ((l + w) % 2 || !distinctWrong((l + w) * (l + w) / 4, wrong));
    const int s = (l + w) / 2;
    QB q("square_from_rect", 3);
    q.param("l", l).param("w", w);
    q.p("A square has the same perimeter as a rectangle " + qty(l, "cm") + " long and " +
        qty(w, "cm") + " wide.");
    const bool two = k == "NN";
    step(q, "Perimeter of the rectangle = " + qty(l, "cm") + " + " + qty(w, "cm") + " + " +
                qty(l, "cm") + " + " + qty(w, "cm") + " = " + qty(2 * (l + w), "cm") + ".");
    step(q, std::string(two ? "(a) " : "") + "The square has four equal sides: side = " +
                qty(2 * (l + w), "cm") + " &divide; 4 = " + qty(s, "cm") + ".");
    step(q, std::string(two ? "(b) " : "") + "Area of the square = " + qty(s, "cm") + " &times; " +
                qty(s, "cm") + " = " + qty(s * s, kCm2) + ".");
    if (two) {
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
    step(q, "Both lengths must be in the same unit before multiplying (1&nbsp;m = 100&nbsp;cm).");
    if (inCm) {
        step(q, "Length = " + qty(len, "m") + " = " + num(len) + " &times; " + qty(100, "cm") +
                    " = " + qty(len * Frac(100), "cm") + ".");
        step(q, "Area = " + qty(len * Frac(100), "cm") + " &times; " + qty(wid, "cm") + " = " +
                    qty(plain * Frac(100), kCm2) + ".");
        return q
            .number(r, k[0], plain * Frac(100), kCm2,
                    {{plain, "multiplies the metres by the centimetres without changing them"},
                     {plain * Frac(10), "uses 10&nbsp;cm in a metre instead of 100"},
                     {Frac(2) * (len * Frac(100) + Frac(wid)), "is the perimeter, not the area"},
                     {plain / Frac(100), "is the area in square metres, not square centimetres"}})
            .done();
    }
    const Frac widM = Frac(wid, 100);
    step(q, "Width = " + qty(wid, "cm") + " = " + S(wid) +
                " &divide; 100&nbsp;m = " + qty(widM, "m") + ".");
    step(q, "Area = " + qty(len, "m") + " &times; " + qty(widM, "m") + " = " +
                qty(plain / Frac(100), kM2) + ".");
    if (!len.isInt()) {
        // multiply as whole numbers, then put back the decimal places of both lengths
        const int dl = decimalPlaces(len), dw = decimalPlaces(widM);
        step(q, "Work it out as " + num(len * Frac(10)) + " &times; " + num(widM * power10(dw)) +
                    " = " + num(len * Frac(10) * widM * power10(dw)) + ". " + num(len) + " has " +
                    plural(dl, "decimal place", "decimal places") + " and " + num(widM) + " has " +
                    S(dw) + ", so the answer has " + S(dl + dw) + ": " + num(plain / Frac(100)) +
                    ".");
    }
    return q
        .number(r, k[0], plain / Frac(100), kM2,
                {{plain, "multiplies the metres by the centimetres without changing them"},
                 {plain * Frac(100), "is the area in square centimetres, not square metres"},
                 {plain / Frac(10), "uses 10&nbsp;cm in a metre instead of 100"}})
        .done();
}

Question paintTins(Rng& r, const std::string& k) {
    int len, cover;
    Frac high, area, whole;
    int tins;
    std::vector<Slip> wrong;
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
        wrong = {{tins - 1, "rounds down, so part of the wall is left unpainted"},
                 {tinsFor(whole), "forgets to take away the door"},
                 {area, "is the area to paint, not the number of tins"},
                 {tins + 1, "buys a tin more than is needed"}};
        // a draw that divides exactly has no rounding to get wrong
    } while ((area / Frac(cover)).isInt() || !enoughWrong(tins, wrong));
    QB q("paint_tins", 3);
    q.param("len", len).paramDec("high", high).param("cover", cover);
    q.p("A wall is " + qty(len, "m") + " long and " + qty(high, "m") +
        " high. It has a door 2&nbsp;m high and 1&nbsp;m wide, which is not painted.");
    q.p("One tin of paint covers " + qty(cover, kM2) + ".");
    const bool two = k == "NN";
    step(q, std::string(two ? "(a) " : "") + "Wall = " + qty(len, "m") + " &times; " +
                qty(high, "m") + " = " + qty(whole, kM2) +
                "; door = 2&nbsp;m &times; 1&nbsp;m = "
                "2&nbsp;m&sup2;.");
    step(q, "Area to paint = " + qty(whole, kM2) + " &minus; 2&nbsp;m&sup2; = " + qty(area, kM2) +
                ".");
    auto cover_ = [&](int n) {
        return plural(n, "tin", "tins") + ": " + S(n) + " &times; " + qty(cover, kM2) + " = " +
               qty(n * cover, kM2);
    };
    step(q, std::string(two ? "(b) " : "") + "Whole tins are bought. " +
                (tins > 1 ? cover_(tins - 1) + ", not enough; " : std::string()) + cover_(tins) +
                ", enough. So " + plural(tins, "tin is", "tins are") + " needed.");
    if (two) {
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
    std::vector<Slip> wrong;
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
        wrong = {{sumSides, "adds the lengths and widths instead of multiplying them"},
                 {2 * sumSides, "adds the perimeters of the rooms, not their areas"},
                 {largest, "is the largest room only"}};
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
    auto area = [&](std::size_t i) {
        return std::string(rooms[i].name) + ": " + qty(ls[i], "m") + " &times; " + qty(ws[i], "m") +
               " = " + qty(ls[i] * ws[i], kM2);
    };
    auto sum = [&] {
        std::string terms;
        for (std::size_t i = 0; i < rooms.size(); ++i)
            terms += (i ? " + " : "") + qty(ls[i] * ws[i], kM2);
        return terms + " = " + qty(total, kM2);
    };
    if (oneAnswer) {
        q.param("ask", "total");
        q.p("What is the total floor area of these rooms?");
        step(q, "The area of each room is its length &times; its width.");
        step(q, area(0) + "; " + area(1) + ".");
        step(q, area(2) + "; " + area(3) + ".");
        step(q, "Total = " + sum() + ".");
        return q.number(r, k[0], total, kM2, wrong).done();
    }
    auto lower = [](std::string s) {
        s[0] = static_cast<char>(s[0] - 'A' + 'a');
        return s;
    };
    const std::string nx = lower(rooms[0].name), ny = lower(rooms[1].name);
    const int ax = ls[0] * ws[0], ay = ls[1] * ws[1];
    step(q, "(a) " + area(0) + ".");
    if (k == "NN") {
        q.param("ask", "difference");
        q.subparts(
            {{"What is the floor area of the " + nx + "?", kM2},
             {"How much larger is the floor area of the " + ny + " than that of the " + nx + "?",
              kM2}});
        step(q, "(b) " + area(1) + ".");
        step(q, "Difference = " + qty(ay, kM2) + " &minus; " + qty(ax, kM2) + " = " +
                    qty(ay - ax, kM2) + ".");
        return q.part('N', S(ax)).part('N', S(ay - ax)).done();
    }
    const int price = r.range(15, 40);
    q.param("ask", "cost").param("price", price);
    q.subparts({{"What is the floor area of the " + nx + "?", kM2},
                {"What is the total floor area of the three rooms?", kM2},
                {"New flooring costs " + money(price) +
                     " per square metre. How much does it cost to lay it in all three rooms?",
                 "dollars"}});
    step(q, "(b) " + area(1) + "; " + area(2) + ".");
    step(q, "Total = " + sum() + ".");
    step(q, "(c) Cost = " + num(total) + " &times; " + money(price) + " = " + money(total * price) +
                ".");
    return q.part('N', S(ax)).part('N', S(total)).part('N', S(total * price)).done();
}

Question skirtingBoard(Rng& r, const std::string& k) {
    const bool room = r.chance(55);
    int l, w, gap;
    std::vector<Slip> wrong;
    do {
        l = room ? r.range(3, 8) : r.range(8, 25);
        w = room ? r.range(3, l) : r.range(5, l);
        gap = room ? 1 : r.range(2, 3);
        const std::string opening = room ? "doorway" : "gateway";
        wrong = {{2 * (l + w), "forgets to leave out the " + opening},
                 {l + w - gap, "goes only half the way round"},
                 {l * w - gap, "starts from the area instead of the distance round"},
                 {2 * (l + w) - 2 * gap, "takes the " + opening + " away twice"}};
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
    step(q, "All the way round: perimeter = " + qty(l, "m") + " + " + qty(w, "m") + " + " +
                qty(l, "m") + " + " + qty(w, "m") + " = " + qty(2 * (l + w), "m") + ".");
    step(q, std::string("Leave out the ") + (room ? "doorway" : "gateway") + ": " +
                qty(2 * (l + w), "m") + " &minus; " + qty(gap, "m") + " = " +
                qty(2 * (l + w) - gap, "m") + ".");
    return q.number(r, k[0], 2 * (l + w) - gap, "m", wrong).done();
}

Question fieldLaps(Rng& r, const std::string& k) {
    int l, w, laps;
    std::vector<Slip> wrong;
    do {
        l = r.range(8, 12) * 10;
        w = r.range(5, l / 10 - 1) * 10;
        laps = r.range(2, 6);
        const int p = 2 * (l + w);
        wrong = {{Frac(laps * (l + w), 1000), "goes only half the way round on each lap"},
                 {Frac(p, 1000), "is one lap only"},
                 {Frac(laps * p, 100), "divides by 100 instead of 1000"}};
    } while (!distinctWrong(Frac(laps * 2 * (l + w), 1000), wrong));
    const std::string who = r.pick(names());
    const int p = 2 * (l + w);
    QB q("field_laps", 2);
    q.param("l", l).param("w", w).param("laps", laps);
    q.p("A rectangular playing field is " + qty(l, "m") + " long and " + qty(w, "m") + " wide. " +
        who + " runs " + (laps == 2 ? "twice" : S(laps) + " times") +
        " round the edge of the field.");
    const bool two = k == "NN";
    step(q, std::string(two ? "(a) " : "") + "Once round = " + qty(l, "m") + " + " + qty(w, "m") +
                " + " + qty(l, "m") + " + " + qty(w, "m") + " = " + qty(p, "m") + ".");
    step(q, std::string(two ? "(b) " : "") + "Distance run = " + S(laps) + " &times; " +
                qty(p, "m") + " = " + qty(laps * p, "m") + ".");
    step(q, "1&nbsp;km = 1000&nbsp;m, so " + qty(laps * p, "m") + " = " + num(laps * p) +
                " &divide; 1000&nbsp;km = " + qty(Frac(laps * p, 1000), "km") + ".");
    if (two) {
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
    const std::string square = "a square with sides of " + qty(s, "cm") + " (marked " +
                               qty(s, "cm") + " along the bottom and " + qty(s, "cm") +
                               " up the side)";
    const std::string rectangle =
        "a rectangle " + qty(l, "cm") + " long and " + qty(w, "cm") + " wide";
    Figure& f = q.figure(300, 200,
                         "Two shapes side by side. Shape A, on the left, is " +
                             (squareIsA ? square : rectangle) + ". Shape B, on the right, is " +
                             (squareIsA ? rectangle : square) + ".");
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
    const std::string answer = squareLonger == squareIsA ? "A" : "B";
    const std::string sq = squareIsA ? "A" : "B", re = squareIsA ? "B" : "A";
    step(q, "Perimeter of the square, shape " + sq + " = 4 &times; " + qty(s, "cm") + " = " +
                qty(4 * s, "cm") + ".");
    step(q, "Perimeter of the rectangle, shape " + re + " = " + qty(l, "cm") + " + " +
                qty(w, "cm") + " + " + qty(l, "cm") + " + " + qty(w, "cm") + " = " +
                qty(2 * (l + w), "cm") + ".");
    step(q, qty(std::max(4 * s, 2 * (l + w)), "cm") + " is longer than " +
                qty(std::min(4 * s, 2 * (l + w)), "cm") + ", so shape " + answer +
                " has the longer perimeter, even though its area is the smaller.");
    return q.part('T', answer).done();
}

Question squaresRowPerimeter(Rng& r, const std::string& k) {
    int n, s;
    std::vector<Slip> wrong;
    do {
        n = r.range(3, 7);
        s = r.range(2, 9);
        wrong = {{4 * n * s, "adds the perimeters of all the squares, the sides inside too"},
                 {n * s * s, "is the area, not the perimeter"},
                 {2 * n * s + s, "leaves out one end of the rectangle"}};
    } while (!distinctWrong(2 * (n * s + s), wrong));
    QB q("squares_row_perimeter", 2);
    q.param("n", n).param("s", s);
    q.p(capitalised(numberWords(n)) + " squares, each with sides of " + qty(s, "cm") +
        ", are put side by side in a row to make a rectangle.");
    Figure& f = q.figure(300, 200,
                         capitalised(numberWords(n)) +
                             " equal squares side by side in a row, "
                             "making a rectangle; the bottom side of the first square is marked " +
                             qty(s, "cm") + ".");
    const int side = std::min(48, 260 / n);
    const int x0 = 150 - side * n / 2;
    const int y0 = 80;
    for (int i = 0; i < n; ++i) f.rect(x0 + i * side, y0, side, side, kFill);
    f.text(x0 + side / 2, y0 + side + 14, 'c', qty(s, "cm"));
    q.p("What is the perimeter of the rectangle?");
    step(q, "The rectangle is " + S(n) + " squares long and one square wide. Length = " + S(n) +
                " &times; " + qty(s, "cm") + " = " + qty(n * s, "cm") +
                "; width = " + qty(s, "cm") + ".");
    step(q, "Perimeter = " + qty(n * s, "cm") + " + " + qty(s, "cm") + " + " + qty(n * s, "cm") +
                " + " + qty(s, "cm") + " = " + qty(2 * (n * s + s), "cm") + ".");
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
