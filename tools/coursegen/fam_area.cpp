// Area and Perimeter: rectangles, squares, triangles, composite shapes, paths, tiles, fences.
// More families in fam_area_2.cpp.

#include "drawing.h"
#include "families.h"
#include "measure_solutions.h"

namespace {

const char* kCm2 = "cm&sup2;";
const char* kM2 = "m&sup2;";

std::string squareUnit(const std::string& u) {
    return u == "cm" ? kCm2 : kM2;
}

// "A rectangle 13 m long and 3 m wide, ..." for the picture drawRectangle makes.
std::string rectangleDescription(int w, int h, const std::string& u) {
    return "A rectangle " + qty(w, u) + " long and " + qty(h, u) +
           " wide, with its length marked along the bottom and its width up the side.";
}

// "13 m + 3 m + 13 m + 3 m": the way round a rectangle.
std::string roundRectangle(int w, int h, const std::string& u) {
    return qty(w, u) + " + " + qty(h, u) + " + " + qty(w, u) + " + " + qty(h, u);
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
    drawRectangle(q.figure(300, 200, rectangleDescription(w, h, u)), w, h, qty(w, u), qty(h, u));
    step(q, "Area of a rectangle = length &times; width.");
    step(q,
         "Area = " + qty(w, u) + " &times; " + qty(h, u) + " = " + qty(w * h, squareUnit(u)) + ".");
    return q.number(r, k[0], w * h, squareUnit(u), wrong).done();
}

Question rectPerimeter(Rng& r, const std::string& k) {
    const std::string u = r.chance(60) ? "cm" : "m";
    int w, h;
    std::vector<Slip> wrong;
    do {
        w = r.range(6, 30);
        h = r.range(3, std::min(w - 1, 18));
        wrong = {{w * h, "is the area, not the distance round the edge"},
                 {w + h, "adds only one length and one width, half the way round"},
                 {2 * w + h, "leaves out one of the widths"}};
    } while (!distinctWrong(2 * (w + h), wrong));
    QB q("rect_perimeter", 1);
    q.param("w", w).param("h", h).param("unit", u);
    q.p("Find the perimeter of the rectangle.");
    drawRectangle(q.figure(300, 200, rectangleDescription(w, h, u)), w, h, qty(w, u), qty(h, u));
    step(q, "The perimeter is the distance all the way round: two lengths and two widths.");
    step(q, "Perimeter = " + roundRectangle(w, h, u) + " = " + qty(2 * (w + h), u) + ".");
    return q.number(r, k[0], 2 * (w + h), u, wrong).done();
}

Question squareFromPerimeter(Rng& r, const std::string& k) {
    int s;
    bool fromArea;
    std::vector<Slip> wrong;
    do {
        s = r.range(3, 20);
        fromArea = r.chance(50);
        if (fromArea)
            wrong = {{s, "is the length of one side, not the perimeter"},
                     {2 * s, "adds only two of the four sides"},
                     {Frac(s * s, 4), "divides the area by 4 instead of finding the side"}};
        else
            wrong = {{s, "is the length of one side, not the area"},
                     {4 * s * s,
                      "halves the perimeter instead of dividing it by 4, then multiplies that by "
                      "itself"},
                     {2 * s, "doubles the side instead of multiplying it by itself"}};
    } while (!distinctWrong(fromArea ? Frac(4 * s) : Frac(s * s), wrong));
    QB q("square_side", 2);
    q.param("given", fromArea ? "area" : "perimeter").param("value", fromArea ? s * s : 4 * s);
    if (fromArea) {
        q.p("A square has an area of " + qty(s * s, kCm2) + ". What is its perimeter?");
        step(q,
             "The sides of a square are equal, and side &times; side = area. Which number times "
             "itself makes " +
                 num(s * s) + "? " + S(s) + " &times; " + S(s) + " = " + num(s * s) + ".");
        step(q, "So each side is " + qty(s, "cm") + ".");
        step(q, "Perimeter = 4 &times; " + qty(s, "cm") + " = " + qty(4 * s, "cm") + ".");
        return q.number(r, k[0], 4 * s, "cm", wrong).done();
    }
    q.p("A square has a perimeter of " + qty(4 * s, "cm") + ". What is its area?");
    step(q, "A square has four equal sides, so each side is the perimeter divided by 4.");
    step(q, "Side = " + qty(4 * s, "cm") + " &divide; 4 = " + qty(s, "cm") + ".");
    step(q, "Area = " + qty(s, "cm") + " &times; " + qty(s, "cm") + " = " + qty(s * s, kCm2) + ".");
    return q.number(r, k[0], s * s, kCm2, wrong).done();
}

Question rectMissingSide(Rng& r, const std::string& k) {
    int w, h;
    bool fromArea;
    std::vector<Slip> wrong;
    do {
        w = r.range(5, 20);
        h = r.range(3, std::min(w - 1, 15));  // the width is the shorter side
        fromArea = r.chance(50);
        if (fromArea)
            wrong = {{w * h - w, "subtracts the length from the area instead of dividing"},
                     {Frac(w * h - 2 * w, 2),
                      "uses the rule for the perimeter: takes away two lengths and halves"},
                     {Frac(w * h, 2), "halves the area instead of dividing it by the length"}};
        else
            wrong = {{w + h, "is half the perimeter, the length and the width together"},
                     {2 * h, "is both widths together: it still has to be halved"},
                     {w + 2 * h, "takes away only one length and does not halve"}};
    } while (!distinctWrong(h, wrong));
    QB q("rect_missing_side", 2);
    q.param("given", fromArea ? "area" : "perimeter")
        .param("value", fromArea ? w * h : 2 * (w + h))
        .param("w", w);
    if (fromArea) {
        q.p("A rectangle has an area of " + qty(w * h, kCm2) + ". Its length is " + qty(w, "cm") +
            ". What is its width?");
        step(q, "Area = length &times; width, so the width is the area divided by the length.");
        step(q, "Width = " + qty(w * h, kCm2) + " &divide; " + qty(w, "cm") + " = " + qty(h, "cm") +
                    ".");
        step(q, "Check: " + qty(w, "cm") + " &times; " + qty(h, "cm") + " = " + qty(w * h, kCm2) +
                    ".");
    } else {
        q.p("A rectangle has a perimeter of " + qty(2 * (w + h), "cm") + ". Its length is " +
            qty(w, "cm") + ". What is its width?");
        step(q, "The perimeter is two lengths and two widths.");
        step(q, "Two lengths = 2 &times; " + qty(w, "cm") + " = " + qty(2 * w, "cm") + ".");
        step(q, "Two widths = " + qty(2 * (w + h), "cm") + " &minus; " + qty(2 * w, "cm") + " = " +
                    qty(2 * h, "cm") + ".");
        step(q, "Width = " + qty(2 * h, "cm") + " &divide; 2 = " + qty(h, "cm") + ".");
    }
    return q.number(r, k[0], h, "cm", wrong).done();
}

void lShapeParams(Rng& r, int& w, int& h, int& cw, int& ch) {
    w = r.range(8, 20);
    h = r.range(7, 16);
    cw = r.range(2, w - 3);
    ch = r.range(2, h - 3);
}

// The L-shape of drawLShape: a w by h rectangle with a cw by ch corner cut from its top right.
std::string lShapeDescription(int w, int h, int cw, int ch, const std::string& u,
                              const std::string& what) {
    return what +
           ", all its corners right angles, with a corner cut away at the top right. "
           "The bottom side is " +
           qty(w, u) + " and the left side " + qty(h, u) + ". The top side is " + qty(w - cw, u) +
           " and the lower part of the right side is " + qty(h - ch, u) +
           ". The two sides of the cut-away corner are not marked.";
}

// Steps that split the L-shape into a tall rectangle on the left and one on the right.
void lShapeAreaSteps(QB& q, int w, int h, int cw, int ch, const std::string& u,
                     const std::string& label) {
    const std::string sq = squareUnit(u);
    step(q, label + "Split the shape into two rectangles: a tall one on the left, " +
                qty(w - cw, u) + " wide and " + qty(h, u) + " high, and one on the right, " +
                qty(h - ch, u) + " high, whose width is " + qty(w, u) + " &minus; " +
                qty(w - cw, u) + " = " + qty(cw, u) + ".");
    step(q, "Left rectangle = " + qty(w - cw, u) + " &times; " + qty(h, u) + " = " +
                qty((w - cw) * h, sq) + "; right rectangle = " + qty(cw, u) + " &times; " +
                qty(h - ch, u) + " = " + qty(cw * (h - ch), sq) + ".");
    step(q, "Area = " + qty((w - cw) * h, sq) + " + " + qty(cw * (h - ch), sq) + " = " +
                qty(w * h - cw * ch, sq) + ".");
}

// Walking round the L-shape: the two unmarked sides are found from the sides opposite them.
void lShapePerimeterSteps(QB& q, int w, int h, int cw, int ch, const std::string& u,
                          const std::string& label) {
    step(q, label + "The two unmarked sides: across the cut-away corner " + qty(w, u) +
                " &minus; " + qty(w - cw, u) + " = " + qty(cw, u) + ", and down it " + qty(h, u) +
                " &minus; " + qty(h - ch, u) + " = " + qty(ch, u) + ".");
    step(q, "Perimeter = " + qty(w, u) + " + " + qty(h, u) + " + " + qty(w - cw, u) + " + " +
                qty(ch, u) + " + " + qty(cw, u) + " + " + qty(h - ch, u) + " = " +
                qty(2 * (w + h), u) + ".");
}

Question lShapeArea(Rng& r, const std::string& k) {
    int w, h, cw, ch;
    std::vector<Slip> wrong;
    do {
        lShapeParams(r, w, h, cw, ch);
        wrong = {{w * h, "is the whole rectangle round the shape, the cut-away corner left in"},
                 {(w - cw) * h, "is the left rectangle only"},
                 {2 * (w + h), "is the perimeter, not the area"}};
        // Draws stand as they always have: the corner's area added on, once an option but larger
        // than the shape allows, still takes part in choosing them.
    } while (
        !distinctWrong(w * h - cw * ch, std::vector<Frac>{w * h, w * h + cw * ch, 2 * (w + h)}) ||
        (k[0] == 'Q' && !distinctWrong(w * h - cw * ch, wrong)));
    QB q("lshape_area", 2);
    q.param("w", w).param("h", h).param("cw", cw).param("ch", ch);
    q.p("The shape is made from rectangles. All the corners are right angles. Find its area.");
    drawLShape(q.figure(300, 200, lShapeDescription(w, h, cw, ch, "cm", "An L-shaped figure")), w,
               h, cw, ch, "cm");
    lShapeAreaSteps(q, w, h, cw, ch, "cm", "");
    return q.number(r, k[0], w * h - cw * ch, kCm2, wrong).done();
}

Question lShapePerimeter(Rng& r, const std::string& k) {
    int w, h, cw, ch;
    std::vector<Slip> wrong;
    do {
        lShapeParams(r, w, h, cw, ch);
        wrong = {{w + h + (w - cw) + (h - ch), "adds only the four sides that are marked"},
                 {w * h - cw * ch, "is the area, not the perimeter"},
                 {w + h, "adds only the two longest sides"}};
    } while (!distinctWrong(2 * (w + h), wrong));
    QB q("lshape_perimeter", 2);
    q.param("w", w).param("h", h).param("cw", cw).param("ch", ch);
    q.p("The shape is made from rectangles. All the corners are right angles. Find its perimeter.");
    drawLShape(q.figure(300, 200, lShapeDescription(w, h, cw, ch, "cm", "An L-shaped figure")), w,
               h, cw, ch, "cm");
    step(q, "The perimeter is the distance all the way round: six sides.");
    lShapePerimeterSteps(q, w, h, cw, ch, "cm", "");
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
    drawTriangle(q.figure(300, 200,
                          "A triangle with a base of " + qty(b, "cm") + " and a dashed height of " +
                              qty(h, "cm") +
                              " drawn from its top corner down to the base, at a right angle."),
                 b, h, "cm");
    step(q,
         "Area of a triangle = 1/2 &times; base &times; height: half of the rectangle round it.");
    step(q, "Base &times; height = " + qty(b, "cm") + " &times; " + qty(h, "cm") + " = " +
                qty(b * h, kCm2) + ".");
    step(q, "Area = " + qty(b * h, kCm2) + " &divide; 2 = " + qty(b * h / 2, kCm2) + ".");
    return q
        .number(r, k[0], b * h / 2, kCm2,
                {{b * h, "does not halve: it is the rectangle round the triangle"},
                 {2 * b * h, "doubles instead of halving"},
                 {b + h, "adds the base and the height instead of multiplying them"}})
        .done();
}

Question pathArea(Rng& r, const std::string& k) {
    int w, h, p, ans;
    std::vector<Slip> wrong;
    do {
        w = r.range(6, 20);
        h = r.range(4, std::min(w, 14));
        p = r.range(1, 3);
        ans = (w + 2 * p) * (h + 2 * p) - w * h;
        wrong = {{(w + 2 * p) * (h + 2 * p),
                  "is the lawn and the path together: the lawn is not taken away"},
                 {(w + p) * (h + p) - w * h, "adds the path's width at one end of each side only"},
                 {2 * p * (w + h), "leaves out the four corners of the path"}};
    } while (!distinctWrong(ans, wrong));
    QB q("path_area", 3);
    q.param("w", w).param("h", h).param("path", p);
    q.p("A rectangular lawn measures " + qty(w, "m") + " by " + qty(h, "m") + ". A path " +
        qty(p, "m") + " wide runs all the way round the outside of the lawn.");
    q.p("What is the area of the path?");
    const int ow = w + 2 * p, oh = h + 2 * p;
    step(q, "The lawn and the path together make a larger rectangle. The path adds " + qty(p, "m") +
                " at both ends of each side. Length: " + qty(w, "m") + " + " + qty(2 * p, "m") +
                " = " + qty(ow, "m") + "; width: " + qty(h, "m") + " + " + qty(2 * p, "m") + " = " +
                qty(oh, "m") + ".");
    step(q, "Lawn and path = " + qty(ow, "m") + " &times; " + qty(oh, "m") + " = " +
                qty(ow * oh, kM2) + ".");
    step(q, "Lawn = " + qty(w, "m") + " &times; " + qty(h, "m") + " = " + qty(w * h, kM2) + ".");
    step(q, "Path = " + qty(ow * oh, kM2) + " &minus; " + qty(w * h, kM2) + " = " + qty(ans, kM2) +
                ".");
    return q.number(r, k[0], ans, kM2, wrong).done();
}

Question tiles(Rng& r, const std::string& k) {
    int t, a, b, ans;
    std::vector<Slip> wrong;
    do {
        t = r.pick(std::vector<int>{10, 20, 25, 50});
        a = r.range(2, 8) * 100;
        b = r.range(2, a / 100) * 100;  // the width is not longer than the length
        ans = (a / t) * (b / t);
        wrong = {{a / t + b / t,
                  "adds the tiles along the length and the width instead of "
                  "multiplying"},
                 {2 * (a / t + b / t),
                  "adds the tiles along all four sides instead of "
                  "multiplying"},
                 {a * b / (100 * t),
                  "multiplies the length in metres, not in tiles, by the tiles along the width"}};
    } while (!distinctWrong(ans, wrong));
    QB q("tiles", 2);
    q.param("a", a).param("b", b).param("tile", t);
    q.p("A floor is a rectangle " + qty(a / 100, "m") + " long and " + qty(b / 100, "m") +
        " wide. It is covered exactly with square tiles of side " + qty(t, "cm") + ".");
    q.p("How many tiles are needed?");
    step(q, "Change the metres into centimetres (1&nbsp;m = 100&nbsp;cm): " + qty(a / 100, "m") +
                " = " + S(a / 100) + " &times; " + qty(100, "cm") + " = " + qty(a, "cm") + "; " +
                qty(b / 100, "m") + " = " + S(b / 100) + " &times; " + qty(100, "cm") + " = " +
                qty(b, "cm") + ".");
    step(q, "Tiles along the length = " + num(a) + " &divide; " + num(t) + " = " + num(a / t) +
                "; tiles along the width = " + num(b) + " &divide; " + num(t) + " = " + num(b / t) +
                ".");
    step(q, "Tiles needed = " + num(a / t) + " rows of " + num(b / t) + ": " + num(a / t) +
                " &times; " + num(b / t) + " = " + plural(ans, "tile", "tiles") + ".");
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
    const std::string winner = a * b > c * d ? x : y;
    step(q, "Area of " + x + "'s garden = " + qty(a, "m") + " &times; " + qty(b, "m") + " = " +
                qty(a * b, kM2) + ".");
    step(q, "Area of " + y + "'s garden = " + qty(c, "m") + " &times; " + qty(d, "m") + " = " +
                qty(c * d, kM2) + ".");
    step(q, qty(std::max(a * b, c * d), kM2) + " is more than " + qty(std::min(a * b, c * d), kM2) +
                ", so " + winner + "'s garden has the larger area.");
    return q.part('T', winner).done();
}

Question fenceCost(Rng& r, const std::string& k) {
    int w, h, price;
    std::vector<Slip> wrong;
    do {
        w = r.range(8, 30);
        h = r.range(5, std::min(w, 20));
        price = r.range(6, 25);
        wrong = {{w * h * price, "prices the area instead of the distance round"},
                 {(w + h) * price, "prices only half the way round, one length and one width"},
                 {(2 * w + h) * price, "leaves out one of the widths"}};
    } while (!distinctWrong(2 * (w + h) * price, wrong));
    QB q("fence_cost", 2);
    q.param("w", w).param("h", h).param("price", price);
    q.p("A rectangular field is " + qty(w, "m") + " long and " + qty(h, "m") +
        " wide. Fencing costs " + money(price) + " per metre.");
    q.p("How much does it cost to put a fence all the way round the field?");
    step(q, "The fence goes all the way round: the perimeter.");
    step(q, "Perimeter = " + roundRectangle(w, h, "m") + " = " + qty(2 * (w + h), "m") + ".");
    step(q, "Cost = " + num(2 * (w + h)) + " &times; " + money(price) + " = " +
                money(2 * (w + h) * price) + ".");
    return q.number(r, k[0], 2 * (w + h) * price, "dollars", wrong).done();
}

Question rectAreaPerimeter(Rng& r, const std::string& k) {
    (void)k;
    const int w = r.range(5, 24);
    const int h = r.range(3, std::min(w, 14));
    QB q("rect_area_perimeter", 2);
    q.param("w", w).param("h", h);
    q.p("Look at the rectangle.");
    drawRectangle(q.figure(300, 200, rectangleDescription(w, h, "cm")), w, h, qty(w, "cm"),
                  qty(h, "cm"));
    q.subparts({{"Find its area.", kCm2}, {"Find its perimeter.", "cm"}});
    step(q, "(a) Area = length &times; width: " + qty(w, "cm") + " &times; " + qty(h, "cm") +
                " = " + qty(w * h, kCm2) + ".");
    step(q, "(b) Perimeter = two lengths and two widths: " + roundRectangle(w, h, "cm") + " = " +
                qty(2 * (w + h), "cm") + ".");
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
    drawLShape(
        q.figure(300, 200, lShapeDescription(w, h, cw, ch, "m", "The plan of an L-shaped room")), w,
        h, cw, ch, "m");
    q.subparts({{"Find the area of the floor.", kM2},
                {"Find the perimeter of the room.", "m"},
                {"Carpet costs " + money(price) +
                     " per square metre. How much does it cost to carpet the whole floor?",
                 "dollars"}});
    const int area = w * h - cw * ch;
    lShapeAreaSteps(q, w, h, cw, ch, "m", "(a) ");
    lShapePerimeterSteps(q, w, h, cw, ch, "m", "(b) ");
    step(q, "(c) Cost = " + num(area) + " &times; " + money(price) + " = " + money(area * price) +
                ".");
    return q.part('N', S(area)).part('N', S(2 * (w + h))).part('N', S(area * price)).done();
}

Question squareCut(Rng& r, const std::string& k) {
    int s, c;
    std::vector<Slip> wrong;
    do {
        s = r.range(8, 20);
        c = r.range(2, (s - 1) / 2);
        wrong = {{s * s - c * c, "takes away only one corner square"},
                 {s * s, "is the whole card: nothing is taken away"},
                 {s * s - 4 * c,
                  "takes away 4 &times; the side of a corner square, not their "
                  "areas"}};
    } while (!distinctWrong(s * s - 4 * c * c, wrong));
    QB q("square_cut", 2);
    q.param("s", s).param("c", c);
    q.p("A square card has sides of " + qty(s, "cm") + ". A square of side " + qty(c, "cm") +
        " is cut from each of its four corners.");
    drawCutCorners(q.figure(300, 200,
                            "A square card with sides of " + qty(s, "cm") +
                                ", its outline before cutting dashed, with a small square of "
                                "side " +
                                qty(c, "cm") + " cut away at each of its four corners."),
                   s, c, "cm");
    q.p("What is the area of the card that is left?");
    step(q, "Card before cutting = " + qty(s, "cm") + " &times; " + qty(s, "cm") + " = " +
                qty(s * s, kCm2) + ".");
    step(q, "One corner square = " + qty(c, "cm") + " &times; " + qty(c, "cm") + " = " +
                qty(c * c, kCm2) + "; four of them = 4 &times; " + qty(c * c, kCm2) + " = " +
                qty(4 * c * c, kCm2) + ".");
    step(q, "Card left = " + qty(s * s, kCm2) + " &minus; " + qty(4 * c * c, kCm2) + " = " +
                qty(s * s - 4 * c * c, kCm2) + ".");
    return q.number(r, k[0], s * s - 4 * c * c, kCm2, wrong).done();
}

Question parallelogramArea(Rng& r, const std::string& k) {
    int b, h, slant;
    std::vector<Slip> wrong;
    do {
        b = r.range(5, 20);
        h = r.range(3, 12);
        slant = r.range(2, 6);
        wrong = {{b * (h + slant), "uses the slanting side instead of the height"},
                 {Frac(b * h, 2), "halves, as for a triangle"},
                 {2 * (b + h + slant), "is the perimeter, not the area"}};
    } while (!distinctWrong(b * h, wrong));
    QB q("parallelogram_area", 2);
    q.param("b", b).param("h", h).param("side", h + slant);
    q.p("Find the area of the parallelogram.");
    drawParallelogram(
        q.figure(300, 200,
                 "A parallelogram with a base of " + qty(b, "cm") + ", a slanting side of " +
                     qty(h + slant, "cm") + " and a dashed height of " + qty(h, "cm") +
                     " drawn at a right angle to the base."),
        b, h, h + slant, "cm");
    step(q,
         "Cut the triangle off one end along the dashed height and move it to the other end: "
         "the parallelogram becomes a rectangle as long as the base and as high as the height.");
    step(q,
         "So area = base &times; height, using the height at a right angle to the base, not the "
         "slanting side of " +
             qty(h + slant, "cm") + ".");
    step(q, "Area = " + qty(b, "cm") + " &times; " + qty(h, "cm") + " = " + qty(b * h, kCm2) + ".");
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
