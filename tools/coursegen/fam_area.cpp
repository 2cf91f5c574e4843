// Area and Perimeter: rectangles, squares, triangles, composite shapes, paths, tiles, fences.
// More families in fam_area_2.cpp.

#include "drawing.h"
#include "families.h"

namespace {

const char* kCm2 = "cm&sup2;";
const char* kM2 = "m&sup2;";

std::string squareUnit(const std::string& u) {
    return u == "cm" ? kCm2 : kM2;
}

Question rectArea(Rng& r, const std::string& k) {
    const std::string u = r.chance(60) ? "cm" : "m";
    int w, h;
    std::vector<Slip> wrong;
    do {
        w = r.range(6, 25);
        h = r.range(3, w - 1);
        wrong = {{2 * (w + h), "is the perimeter, the distance round the edge, not the area"},
                 {w + h, "adds the two sides instead of multiplying them"},
                 {Frac(w * h, 2), "halves the product, as for a triangle"}};
    } while (!distinctWrong(w * h, wrong));
    QB q("rect_area", 1);
    q.param("w", w).param("h", h).param("unit", u);
    q.p("Find the area of the rectangle.");
    drawRectangle(q.figure(300, 200,
                           "A rectangle " + qty(w, u) + " long and " + qty(h, u) +
                               " wide, with its length marked along the bottom and its width "
                               "up the side."),
                  w, h, qty(w, u), qty(h, u));
    q.step("Area of a rectangle = length &times; width.");
    q.step("Area = " + qty(w, u) + " &times; " + qty(h, u) + " = " + qty(w * h, squareUnit(u)) +
           ".");
    return q.number(r, k[0], w * h, squareUnit(u), wrong).done();
}

Question rectPerimeter(Rng& r, const std::string& k) {
    const std::string u = r.chance(60) ? "cm" : "m";
    int w, h;
    std::vector<Frac> wrong;
    do {
        w = r.range(6, 30);
        h = r.range(3, std::min(w - 1, 18));
        wrong = {w * h /* the area */, w + h /* only two sides */,
                 2 * w + h /* one side left out */};
    } while (!distinctWrong(2 * (w + h), wrong));
    QB q("rect_perimeter", 1);
    q.param("w", w).param("h", h).param("unit", u);
    q.p("Find the perimeter of the rectangle.");
    drawRectangle(q.figure(300, 200, "rectangle " + S(w) + " " + u + " by " + S(h) + " " + u), w, h,
                  qty(w, u), qty(h, u));
    return q.number(r, k[0], 2 * (w + h), u, wrong).done();
}

Question squareFromPerimeter(Rng& r, const std::string& k) {
    int s;
    bool fromArea;
    std::vector<Frac> wrong;
    do {
        s = r.range(3, 20);
        fromArea = r.chance(50);
        if (fromArea)
            wrong = {s /* stopped at the side */, 2 * s /* two sides only */,
                     Frac(s * s, 4) /* divided the area by 4 */};
        else
            wrong = {s /* stopped at the side */,
                     4 * s * s /* halved the perimeter, not quartered */,
                     2 * s /* doubled the side */};
    } while (!distinctWrong(fromArea ? Frac(4 * s) : Frac(s * s), wrong));
    QB q("square_side", 2);
    q.param("given", fromArea ? "area" : "perimeter").param("value", fromArea ? s * s : 4 * s);
    if (fromArea) {
        q.p("A square has an area of " + qty(s * s, kCm2) + ". What is its perimeter?");
        return q.number(r, k[0], 4 * s, "cm", wrong).done();
    }
    q.p("A square has a perimeter of " + qty(4 * s, "cm") + ". What is its area?");
    return q.number(r, k[0], s * s, kCm2, wrong).done();
}

Question rectMissingSide(Rng& r, const std::string& k) {
    int w, h;
    bool fromArea;
    std::vector<Frac> wrong;
    do {
        w = r.range(5, 20);
        h = r.range(3, std::min(w - 1, 15));  // the width is the shorter side
        fromArea = r.chance(50);
        if (fromArea)
            wrong = {w * h - w /* subtracted the length */,
                     Frac(w * h - 2 * w, 2) /* used the perimeter rule */,
                     Frac(w * h, 2) /* halved the area */};
        else
            wrong = {w + h /* stopped at half the perimeter */, 2 * h /* did not halve */,
                     w + 2 * h /* took the length off once */};
    } while (!distinctWrong(h, wrong));
    QB q("rect_missing_side", 2);
    q.param("given", fromArea ? "area" : "perimeter")
        .param("value", fromArea ? w * h : 2 * (w + h))
        .param("w", w);
    if (fromArea)
        q.p("A rectangle has an area of " + qty(w * h, kCm2) + ". Its length is " + qty(w, "cm") +
            ". What is its width?");
    else
        q.p("A rectangle has a perimeter of " + qty(2 * (w + h), "cm") + ". Its length is " +
            qty(w, "cm") + ". What is its width?");
    return q.number(r, k[0], h, "cm", wrong).done();
}

void lShapeParams(Rng& r, int& w, int& h, int& cw, int& ch) {
    w = r.range(8, 20);
    h = r.range(7, 16);
    cw = r.range(2, w - 3);
    ch = r.range(2, h - 3);
}

Question lShapeArea(Rng& r, const std::string& k) {
    int w, h, cw, ch;
    std::vector<Frac> wrong;
    do {
        lShapeParams(r, w, h, cw, ch);
        wrong = {w * h /* the notch left in */, w * h + cw * ch /* the notch added */,
                 2 * (w + h) /* the perimeter */};
    } while (!distinctWrong(w * h - cw * ch, wrong));
    QB q("lshape_area", 2);
    q.param("w", w).param("h", h).param("cw", cw).param("ch", ch);
    q.p("The shape is made from rectangles. All the corners are right angles. Find its area.");
    drawLShape(q.figure(300, 200, "L-shaped figure"), w, h, cw, ch, "cm");
    return q.number(r, k[0], w * h - cw * ch, kCm2, wrong).done();
}

Question lShapePerimeter(Rng& r, const std::string& k) {
    int w, h, cw, ch;
    std::vector<Frac> wrong;
    do {
        lShapeParams(r, w, h, cw, ch);
        wrong = {w + h + (w - cw) + (h - ch) /* only the four labelled sides */,
                 w * h - cw * ch /* the area */, w + h /* the two longest sides */};
    } while (!distinctWrong(2 * (w + h), wrong));
    QB q("lshape_perimeter", 2);
    q.param("w", w).param("h", h).param("cw", cw).param("ch", ch);
    q.p("The shape is made from rectangles. All the corners are right angles. Find its perimeter.");
    drawLShape(q.figure(300, 200, "L-shaped figure"), w, h, cw, ch, "cm");
    return q.number(r, k[0], 2 * (w + h), "cm", wrong).done();
}

Question triangleArea(Rng& r, const std::string& k) {
    int b = 0;
    int h = 0;
    do {
        b = r.range(4, 24);
        h = r.range(3, 16);
    } while ((b * h) % 2 || b + h == b * h / 2);
    QB q("triangle_area", 2);
    q.param("b", b).param("h", h);
    q.p("Find the area of the triangle.");
    drawTriangle(
        q.figure(300, 200, "triangle with base " + S(b) + " cm and height " + S(h) + " cm"), b, h,
        "cm");
    return q
        .number(
            r, k[0], b * h / 2, kCm2,
            {b * h /* not halved */, 2 * b * h /* doubled instead of halved */, b + h /* added */})
        .done();
}

Question pathArea(Rng& r, const std::string& k) {
    int w, h, p, ans;
    std::vector<Frac> wrong;
    do {
        w = r.range(6, 20);
        h = r.range(4, std::min(w, 14));
        p = r.range(1, 3);
        ans = (w + 2 * p) * (h + 2 * p) - w * h;
        wrong = {(w + 2 * p) * (h + 2 * p) /* the lawn and path together */,
                 (w + p) * (h + p) - w * h /* the path added to one end only */,
                 2 * p * (w + h) /* the corners left out */};
    } while (!distinctWrong(ans, wrong));
    QB q("path_area", 3);
    q.param("w", w).param("h", h).param("path", p);
    q.p("A rectangular lawn measures " + qty(w, "m") + " by " + qty(h, "m") + ". A path " +
        qty(p, "m") + " wide runs all the way round the outside of the lawn.");
    q.p("What is the area of the path?");
    return q.number(r, k[0], ans, kM2, wrong).done();
}

Question tiles(Rng& r, const std::string& k) {
    int t, a, b, ans;
    std::vector<Frac> wrong;
    do {
        t = r.pick(std::vector<int>{10, 20, 25, 50});
        a = r.range(2, 8) * 100;
        b = r.range(2, a / 100) * 100;  // the width is not longer than the length
        ans = (a / t) * (b / t);
        wrong = {a / t + b / t /* added the rows and columns */,
                 2 * (a / t + b / t) /* only the tiles round the edge */,
                 a * b / (100 * t) /* divided the area by the side of a tile */};
    } while (!distinctWrong(ans, wrong));
    QB q("tiles", 2);
    q.param("a", a).param("b", b).param("tile", t);
    q.p("A floor is a rectangle " + qty(a / 100, "m") + " long and " + qty(b / 100, "m") +
        " wide. It is covered exactly with square tiles of side " + qty(t, "cm") + ".");
    q.p("How many tiles are needed?");
    return q.number(r, k[0], ans, "tiles", wrong).done();
}

Question biggerGarden(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int a, b, c, d;
    do {
        a = r.range(5, 20);
        b = r.range(3, a);
        c = r.range(5, 20);
        d = r.range(3, c);
    } while (a * b == c * d ||
             (a + b > c + d) != (a * b < c * d));  // the larger area has the smaller perimeter
    QB q("bigger_garden", 1);
    q.param("x", x).param("a", a).param("b", b).param("y", y).param("c", c).param("d", d);
    q.p(x + "'s garden is a rectangle " + qty(a, "m") + " by " + qty(b, "m") + ". " + y +
        "'s garden is a rectangle " + qty(c, "m") + " by " + qty(d, "m") + ".");
    q.p("Whose garden has the larger area?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', a * b > c * d ? x : y).done();
}

Question fenceCost(Rng& r, const std::string& k) {
    int w, h, price;
    std::vector<Frac> wrong;
    do {
        w = r.range(8, 30);
        h = r.range(5, std::min(w, 20));
        price = r.range(6, 25);
        wrong = {w * h * price /* priced the area */, (w + h) * price /* half the perimeter */,
                 (2 * w + h) * price /* one side left out */};
    } while (!distinctWrong(2 * (w + h) * price, wrong));
    QB q("fence_cost", 2);
    q.param("w", w).param("h", h).param("price", price);
    q.p("A rectangular field is " + qty(w, "m") + " long and " + qty(h, "m") +
        " wide. Fencing costs " + money(price) + " per metre.");
    q.p("How much does it cost to put a fence all the way round the field?");
    return q.number(r, k[0], 2 * (w + h) * price, "dollars", wrong).done();
}

Question rectAreaPerimeter(Rng& r, const std::string& k) {
    (void)k;
    const int w = r.range(5, 24);
    const int h = r.range(3, std::min(w, 14));
    QB q("rect_area_perimeter", 2);
    q.param("w", w).param("h", h);
    q.p("Look at the rectangle.");
    drawRectangle(q.figure(300, 200, "rectangle " + S(w) + " cm by " + S(h) + " cm"), w, h,
                  qty(w, "cm"), qty(h, "cm"));
    q.subparts({{"Find its area.", kCm2}, {"Find its perimeter.", "cm"}});
    return q.part('N', S(w * h)).part('N', S(2 * (w + h))).done();
}

Question lShapeCarpet(Rng& r, const std::string& k) {
    (void)k;
    int w, h, cw, ch;
    lShapeParams(r, w, h, cw, ch);
    const int price = r.range(12, 30);
    QB q("lshape_carpet", 3);
    q.param("w", w).param("h", h).param("cw", cw).param("ch", ch).param("price", price);
    q.p("The plan shows an L-shaped room. All the corners are right angles.");
    drawLShape(q.figure(300, 200, "L-shaped room"), w, h, cw, ch, "m");
    q.subparts({{"Find the area of the floor.", kM2},
                {"Find the perimeter of the room.", "m"},
                {"Carpet costs " + money(price) +
                     " per square metre. How much does it cost to carpet the whole floor?",
                 "dollars"}});
    const int area = w * h - cw * ch;
    return q.part('N', S(area)).part('N', S(2 * (w + h))).part('N', S(area * price)).done();
}

Question squareCut(Rng& r, const std::string& k) {
    int s, c;
    std::vector<Frac> wrong;
    do {
        s = r.range(8, 20);
        c = r.range(2, (s - 1) / 2);
        wrong = {s * s - c * c /* one corner only */, s * s /* nothing taken away */,
                 s * s - 4 * c /* the corners not squared */};
    } while (!distinctWrong(s * s - 4 * c * c, wrong));
    QB q("square_cut", 2);
    q.param("s", s).param("c", c);
    q.p("A square card has sides of " + qty(s, "cm") + ". A square of side " + qty(c, "cm") +
        " is cut from each of its four corners.");
    drawCutCorners(q.figure(300, 200, "square card with its corners cut away"), s, c, "cm");
    q.p("What is the area of the card that is left?");
    return q.number(r, k[0], s * s - 4 * c * c, kCm2, wrong).done();
}

Question parallelogramArea(Rng& r, const std::string& k) {
    int b, h, slant;
    std::vector<Frac> wrong;
    do {
        b = r.range(5, 20);
        h = r.range(3, 12);
        slant = r.range(2, 6);
        wrong = {b * (h + slant) /* used the slanting side */, Frac(b * h, 2) /* halved */,
                 2 * (b + h + slant) /* the perimeter */};
    } while (!distinctWrong(b * h, wrong));
    QB q("parallelogram_area", 2);
    q.param("b", b).param("h", h).param("side", h + slant);
    q.p("Find the area of the parallelogram.");
    drawParallelogram(
        q.figure(300, 200, "parallelogram with base " + S(b) + " cm and height " + S(h) + " cm"), b,
        h, h + slant, "cm");
    return q.number(r, k[0], b * h, kCm2, wrong).done();
}

}  // namespace

void addArea(std::vector<Family>& out) {
    out.push_back({"rect_area", 4, {"N", "Q"}, rectArea});
    out.push_back({"rect_perimeter", 4, {"N", "Q"}, rectPerimeter});
    out.push_back({"square_side", 4, {"N", "Q"}, squareFromPerimeter});
    out.push_back({"rect_missing_side", 4, {"N", "Q"}, rectMissingSide});
    out.push_back({"lshape_area", 4, {"N", "Q"}, lShapeArea});
    out.push_back({"lshape_perimeter", 4, {"N", "Q"}, lShapePerimeter});
    out.push_back({"triangle_area", 4, {"N", "Q"}, triangleArea});
    out.push_back({"path_area", 4, {"N", "Q"}, pathArea});
    out.push_back({"tiles", 4, {"N", "Q"}, tiles});
    out.push_back({"bigger_garden", 4, {"T"}, biggerGarden});
    out.push_back({"fence_cost", 4, {"N", "Q"}, fenceCost});
    out.push_back({"rect_area_perimeter", 4, {"NN"}, rectAreaPerimeter});
    out.push_back({"lshape_carpet", 4, {"NNN"}, lShapeCarpet});
    out.push_back({"square_cut", 4, {"N", "Q"}, squareCut});
    out.push_back({"parallelogram_area", 4, {"N", "Q"}, parallelogramArea});
    addAreaMore(out);
}
