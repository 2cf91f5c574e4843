// Area and Perimeter: rectangles, squares, triangles, composite shapes, paths, tiles, fences.

#include "drawing.h"
#include "families.h"

namespace {

const char* kCm2 = "cm&sup2;";
const char* kM2 = "m&sup2;";

std::string unitHtml(const std::string& u) {
    return u == "cm" ? kCm2 : kM2;
}

Question rectArea(Rng& r, const std::string& k) {
    const std::string u = r.chance(60) ? "cm" : "m";
    const int w = r.range(6, 25);
    const int h = r.range(3, 15);
    QB q("rect_area", 1);
    q.param("w", w).param("h", h).param("unit", u);
    q.p("Find the area of the rectangle.");
    drawRectangle(q.figure(300, 200, "rectangle " + S(w) + " " + u + " by " + S(h) + " " + u), w, h,
                  S(w) + " " + u, S(h) + " " + u);
    return q.number(r, k[0], w * h, unitHtml(u), {2 * (w + h), w + h, w * h + w}).done();
}

Question rectPerimeter(Rng& r, const std::string& k) {
    const std::string u = r.chance(60) ? "cm" : "m";
    const int w = r.range(6, 30);
    const int h = r.range(3, 18);
    QB q("rect_perimeter", 1);
    q.param("w", w).param("h", h).param("unit", u);
    q.p("Find the perimeter of the rectangle.");
    drawRectangle(q.figure(300, 200, "rectangle " + S(w) + " " + u + " by " + S(h) + " " + u), w, h,
                  S(w) + " " + u, S(h) + " " + u);
    return q.number(r, k[0], 2 * (w + h), u, {w * h, w + h, 2 * w + h}).done();
}

Question squareFromPerimeter(Rng& r, const std::string& k) {
    const int s = r.range(3, 20);
    const bool fromArea = r.chance(50);
    QB q("square_side", 2);
    q.param("given", fromArea ? "area" : "perimeter").param("value", fromArea ? s * s : 4 * s);
    if (fromArea) {
        q.p("A square has an area of " + S(s * s) + " cm&sup2;. What is its perimeter?");
        return q.number(r, k[0], 4 * s, "cm", {s, s * s / 2, 2 * s}).done();
    }
    q.p("A square has a perimeter of " + S(4 * s) + " cm. What is its area?");
    return q.number(r, k[0], s * s, kCm2, {4 * s, 16 * s, 2 * s}).done();
}

Question rectMissingSide(Rng& r, const std::string& k) {
    const int w = r.range(4, 20);
    const int h = r.range(3, 15);
    const bool fromArea = r.chance(50);
    QB q("rect_missing_side", 2);
    q.param("given", fromArea ? "area" : "perimeter")
        .param("value", fromArea ? w * h : 2 * (w + h))
        .param("w", w);
    if (fromArea)
        q.p("A rectangle has an area of " + S(w * h) + " cm&sup2;. Its length is " + S(w) +
            " cm. What is its width?");
    else
        q.p("A rectangle has a perimeter of " + S(2 * (w + h)) + " cm. Its length is " + S(w) +
            " cm. What is its width?");
    return q.number(r, k[0], h, "cm", {h + 1, h * 2, fromArea ? w * h - w : 2 * (w + h) - w})
        .done();
}

void lShapeParams(Rng& r, int& w, int& h, int& cw, int& ch) {
    w = r.range(8, 20);
    h = r.range(7, 16);
    cw = r.range(2, w - 3);
    ch = r.range(2, h - 3);
}

Question lShapeArea(Rng& r, const std::string& k) {
    int w, h, cw, ch;
    lShapeParams(r, w, h, cw, ch);
    QB q("lshape_area", 2);
    q.param("w", w).param("h", h).param("cw", cw).param("ch", ch);
    q.p("The shape is made from rectangles. All the corners are right angles. Find its area.");
    drawLShape(q.figure(300, 200, "L-shaped figure"), w, h, cw, ch, "cm");
    return q.number(r, k[0], w * h - cw * ch, kCm2, {w * h, 2 * (w + h), w * h - cw}).done();
}

Question lShapePerimeter(Rng& r, const std::string& k) {
    int w, h, cw, ch;
    lShapeParams(r, w, h, cw, ch);
    QB q("lshape_perimeter", 2);
    q.param("w", w).param("h", h).param("cw", cw).param("ch", ch);
    q.p("The shape is made from rectangles. All the corners are right angles. Find its perimeter.");
    drawLShape(q.figure(300, 200, "L-shaped figure"), w, h, cw, ch, "cm");
    return q
        .number(r, k[0], 2 * (w + h), "cm",
                {w + h + (w - cw) + (h - ch), w * h - cw * ch, 2 * (w + h) - cw})
        .done();
}

Question triangleArea(Rng& r, const std::string& k) {
    int b = 0;
    int h = 0;
    do {
        b = r.range(4, 24);
        h = r.range(3, 16);
    } while ((b * h) % 2);
    QB q("triangle_area", 2);
    q.param("b", b).param("h", h);
    q.p("Find the area of the triangle.");
    drawTriangle(
        q.figure(300, 200, "triangle with base " + S(b) + " cm and height " + S(h) + " cm"), b, h,
        "cm");
    return q.number(r, k[0], b * h / 2, kCm2, {b * h, b + h, b * h / 2 + b}).done();
}

Question pathArea(Rng& r, const std::string& k) {
    const int w = r.range(6, 20);
    const int h = r.range(4, 14);
    const int p = r.range(1, 3);
    QB q("path_area", 3);
    q.param("w", w).param("h", h).param("path", p);
    q.p("A rectangular lawn measures " + S(w) + " m by " + S(h) + " m. A path " + S(p) +
        " m wide runs all the way round the outside of the lawn.");
    q.p("What is the area of the path?");
    const int ans = (w + 2 * p) * (h + 2 * p) - w * h;
    return q
        .number(r, k[0], ans, kM2,
                {(w + 2 * p) * (h + 2 * p), (w + p) * (h + p) - w * h, 2 * p * (w + h)})
        .done();
}

Question tiles(Rng& r, const std::string& k) {
    const int t = r.pick(std::vector<int>{10, 20, 25, 50});
    const int a = r.range(2, 8) * 100;
    const int b = r.range(2, 6) * 100;
    QB q("tiles", 2);
    q.param("a", a).param("b", b).param("tile", t);
    q.p("A floor is a rectangle " + S(a / 100) + " m long and " + S(b / 100) +
        " m wide. It is covered exactly with square tiles of side " + S(t) + " cm.");
    q.p("How many tiles are needed?");
    const int ans = (a / t) * (b / t);
    return q.number(r, k[0], ans, "tiles", {ans / 2, (a / t) + (b / t), a * b / 100}).done();
}

Question biggerGarden(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int a, b, c, d;
    do {
        a = r.range(5, 20);
        b = r.range(3, 12);
        c = r.range(5, 20);
        d = r.range(3, 12);
    } while (a * b == c * d ||
             (a + b > c + d) != (a * b < c * d));  // the larger area has the smaller perimeter
    QB q("bigger_garden", 1);
    q.param("x", x).param("a", a).param("b", b).param("y", y).param("c", c).param("d", d);
    q.p(x + "'s garden is a rectangle " + S(a) + " m by " + S(b) + " m. " + y +
        "'s garden is a rectangle " + S(c) + " m by " + S(d) + " m.");
    q.p("Whose garden has the larger area?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', a * b > c * d ? x : y).done();
}

Question fenceCost(Rng& r, const std::string& k) {
    const int w = r.range(8, 30);
    const int h = r.range(5, 20);
    const int price = r.range(3, 12);
    QB q("fence_cost", 2);
    q.param("w", w).param("h", h).param("price", price);
    q.p("A rectangular field is " + S(w) + " m long and " + S(h) + " m wide. Fencing costs $" +
        S(price) + " per metre.");
    q.p("How much does it cost to put a fence all the way round the field?");
    return q
        .number(r, k[0], 2 * (w + h) * price, "dollars",
                {w * h * price, (w + h) * price, 2 * (w + h)})
        .done();
}

Question rectAreaPerimeter(Rng& r, const std::string& k) {
    (void)k;
    const int w = r.range(5, 24);
    const int h = r.range(3, 14);
    QB q("rect_area_perimeter", 2);
    q.param("w", w).param("h", h);
    q.p("Look at the rectangle.");
    drawRectangle(q.figure(300, 200, "rectangle " + S(w) + " cm by " + S(h) + " cm"), w, h,
                  S(w) + " cm", S(h) + " cm");
    q.subparts({{"Find its area.", kCm2}, {"Find its perimeter.", "cm"}});
    return q.part('N', S(w * h)).part('N', S(2 * (w + h))).done();
}

Question lShapeCarpet(Rng& r, const std::string& k) {
    (void)k;
    int w, h, cw, ch;
    lShapeParams(r, w, h, cw, ch);
    const int price = r.range(4, 15);
    QB q("lshape_carpet", 3);
    q.param("w", w).param("h", h).param("cw", cw).param("ch", ch).param("price", price);
    q.p("The plan shows an L-shaped room. All the corners are right angles.");
    drawLShape(q.figure(300, 200, "L-shaped room"), w, h, cw, ch, "m");
    q.subparts({{"Find the area of the floor.", kM2},
                {"Find the perimeter of the room.", "m"},
                {"Carpet costs $" + S(price) +
                     " per square metre. How much does it cost to carpet the whole floor?",
                 "dollars"}});
    const int area = w * h - cw * ch;
    return q.part('N', S(area)).part('N', S(2 * (w + h))).part('N', S(area * price)).done();
}

Question squareCut(Rng& r, const std::string& k) {
    const int s = r.range(8, 20);
    const int c = r.range(2, (s - 1) / 2);
    QB q("square_cut", 2);
    q.param("s", s).param("c", c);
    q.p("A square card has sides of " + S(s) + " cm. A square of side " + S(c) +
        " cm is cut from each of its four corners.");
    drawCutCorners(q.figure(300, 200, "square card with its corners cut away"), s, c, "cm");
    q.p("What is the area of the card that is left?");
    return q.number(r, k[0], s * s - 4 * c * c, kCm2, {s * s - c * c, s * s, 4 * s - 8 * c}).done();
}

Question parallelogramArea(Rng& r, const std::string& k) {
    const int b = r.range(5, 20);
    const int h = r.range(3, 12);
    const int slant = r.range(2, 6);
    QB q("parallelogram_area", 2);
    q.param("b", b).param("h", h).param("side", h + slant);
    q.p("Find the area of the parallelogram.");
    drawParallelogram(
        q.figure(300, 200, "parallelogram with base " + S(b) + " cm and height " + S(h) + " cm"), b,
        h, h + slant, "cm");
    return q
        .number(r, k[0], b * h, kCm2,
                {b * (h + slant), b * h / 2 > 0 ? b * h / 2 : b + h, 2 * (b + h + slant)})
        .done();
}

}  // namespace

void addArea(std::vector<Family>& out) {
    out.push_back({"rect_area", 4, {"N", "Q"}, rectArea});
    out.push_back({"rect_perimeter", 4, {"N", "Q"}, rectPerimeter});
    out.push_back({"square_side", 4, {"N", "Q"}, squareFromPerimeter});
    out.push_back({"rect_missing_side", 4, {"N", "Q"}, rectMissingSide});
    out.push_back({"lshape_area", 4, {"N", "Q"}, lShapeArea});
    out.push_back({"lshape_perimeter", 4, {"N"}, lShapePerimeter});
    out.push_back({"triangle_area", 4, {"N", "Q"}, triangleArea});
    out.push_back({"path_area", 4, {"N"}, pathArea});
    out.push_back({"tiles", 4, {"N", "Q"}, tiles});
    out.push_back({"bigger_garden", 4, {"T"}, biggerGarden});
    out.push_back({"fence_cost", 4, {"N"}, fenceCost});
    out.push_back({"rect_area_perimeter", 4, {"NN"}, rectAreaPerimeter});
    out.push_back({"lshape_carpet", 4, {"NNN"}, lShapeCarpet});
    out.push_back({"square_cut", 4, {"N", "Q"}, squareCut});
    out.push_back({"parallelogram_area", 4, {"N", "Q"}, parallelogramArea});
}
