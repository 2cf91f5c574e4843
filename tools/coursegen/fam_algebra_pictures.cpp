// Algebra read from pictures and tables: a pan balance, matchstick patterns, a triangle's angles
// and sides, rectangles, a function table, a magic square and an inequality on a number line.

#include "drawing.h"
#include "families.h"

#include <algorithm>

namespace {

// "x", "x + 20", "3x - 10" for a picture (plain text, ASCII minus).
std::string linearText(int a, int b, const std::string& unit = "") {
    std::string s = term(a, "x");
    if (b > 0) s += " + " + S(b) + unit;
    if (b < 0) s += " - " + S(-b) + unit;
    return s;
}

Question balance(Rng& r, const std::string& k) {
    int box, a, b, extra, right;
    std::vector<Frac> wrong;
    do {
        box = r.range(2, 10);
        a = r.range(3, 8);
        b = r.range(1, a - 1);
        extra = r.range(1, 12);
        right = (a - b) * box + extra;
        wrong = {Frac(right - extra) /* forgot to divide by the boxes */,
                 Frac(right + extra, a + b) /* added both sides */,
                 Frac(right - extra, a) /* the boxes on the right left out */};
    } while (!enoughWrong(box, wrong));
    QB q("balance", 2);
    q.param("a", a).param("extra", extra).param("b", b).param("right", right);
    q.p("The pan balance is level. The left pan holds " + S(a) + " identical boxes and " +
        withArticle(qty(extra, "kg") + " weight") + ". The right pan holds " +
        plural(b, "box", "boxes") + " like them and " + withArticle(qty(right, "kg") + " weight") +
        ".");
    std::vector<PanItem> left(static_cast<std::size_t>(a), PanItem{PanItem::Box, "?"});
    left.push_back({PanItem::Weight, qty(extra, "kg")});
    std::vector<PanItem> rightPan(static_cast<std::size_t>(b), PanItem{PanItem::Box, "?"});
    rightPan.push_back({PanItem::Weight, qty(right, "kg")});
    drawBalance(q.figure(300, 180, "a level pan balance with boxes and weights"), left, rightPan);
    q.p("What is the mass of one box?");
    return answerNumber(q, r, k[0], box, "kg", wrong).done();
}

Question matchstickPattern(Rng& r, const std::string& k) {
    const bool squares = r.chance(50);
    const int per = squares ? 3 : 2;  // new sticks for each new square or triangle
    int n;
    std::vector<Frac> wrong;
    do {
        n = r.range(4, 12) * 3;
        wrong = {Frac((per + 1) * n) /* every shape with all its own sticks */,
                 Frac(per * n) /* the first stick forgotten */,
                 Frac((3 * per + 1) * n, 3) /* pattern 3 scaled up */};
    } while (!enoughWrong(per * n + 1, wrong));
    QB q("matchstick_pattern", 2);
    q.param("shape", squares ? "squares" : "triangles").param("n", n);
    q.p(std::string("Here are the first three patterns of matchstick ") +
        (squares ? "squares" : "triangles") + " in a row.");
    Figure& f = q.figure(300, 120, "three matchstick patterns");
    f.colour("#92400e");
    const int side = 32;
    const int rise = 28;  // the height of a triangle of side 32
    int x0 = 20;
    for (int p = 1; p <= 3; ++p) {
        const int y = 74;
        if (squares) {
            for (int i = 0; i <= p; ++i)
                f.line(x0 + i * side, y - side, x0 + i * side, y, false, true);
            for (int i = 0; i < p; ++i) {
                f.line(x0 + i * side, y - side, x0 + (i + 1) * side, y - side, false, true);
                f.line(x0 + i * side, y, x0 + (i + 1) * side, y, false, true);
            }
        } else {
            // triangles pointing up and down in turn, sharing sides
            for (int i = 0; i < p; ++i) {
                const int bx = x0 + (i / 2) * side;
                if (i % 2 == 0) {  // up: its base and its two sloping sides
                    f.line(bx, y, bx + side, y, false, true);
                    if (i == 0) f.line(bx, y, bx + side / 2, y - rise, false, true);
                    f.line(bx + side / 2, y - rise, bx + side, y, false, true);
                } else {  // down: its top and its right side
                    f.line(bx + side / 2, y - rise, bx + side / 2 + side, y - rise, false, true);
                    f.line(bx + side, y, bx + side / 2 + side, y - rise, false, true);
                }
            }
        }
        f.colour("#000000");
        const int width = squares ? p * side : (p + 1) / 2 * side + (p % 2 == 0 ? side / 2 : 0);
        f.text(x0 + width / 2, y + 18, 'c', "Pattern " + S(p));
        f.colour("#92400e");
        x0 += std::max(width, 56) + 24;
    }
    f.colour("#000000");
    q.p("How many matchsticks are needed for pattern " + S(n) + "?");
    return answerNumber(q, r, k[0], per * n + 1, "matchsticks", wrong).done();
}

// Three angles a x + b (in degrees) that make a triangle.
struct AngleLabel {
    int a;
    int b;
};

Question angleEquation(Rng& r, const std::string& k) {
    std::vector<AngleLabel> labels(3);
    std::vector<int> values(3);
    int x;
    std::vector<Frac> wrong;
    for (;;) {
        x = r.range(4, 16) * 5;
        int sum = 0;
        for (std::size_t i = 0; i < 2; ++i) {
            labels[i] = {r.range(1, 3), r.chance(50) ? 0 : r.range(-4, 8) * 5};
            values[i] = labels[i].a * x + labels[i].b;
            sum += values[i];
        }
        labels[2].a = r.range(1, 3);
        labels[2].b = 180 - sum - labels[2].a * x;
        values[2] = 180 - sum;
        if (std::abs(labels[2].b) > 60) continue;
        if (*std::min_element(values.begin(), values.end()) < 30) continue;  // room for labels
        std::vector<int> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) continue;
        if (sorted[1] >= 90) continue;  // the two base angles stay acute
        const int aSum = labels[0].a + labels[1].a + labels[2].a;
        const int bSum = labels[0].b + labels[1].b + labels[2].b;
        wrong = {Frac(360 - bSum, aSum) /* the angles taken to make 360 degrees */,
                 Frac(180, aSum) /* the numbers added left out */,
                 Frac(*std::max_element(values.begin(), values.end())) /* the largest angle */};
        if (enoughWrong(x, wrong)) break;
    }
    // the largest angle at the top, so the base angles are the acute ones
    std::vector<std::size_t> order = {0, 1, 2};
    std::sort(order.begin(), order.end(),
              [&](std::size_t i, std::size_t j) { return values[i] < values[j]; });
    std::swap(order[1], order[r.range(0, 1)]);
    // no degree sign: "2x + 25°" would read as 2x + 25 degrees; the text says the unit
    auto text = [&](std::size_t i) { return linearText(labels[i].a, labels[i].b); };
    QB q("angle_equation", 3);
    q.param("labels", S(labels[0].a) + ":" + S(labels[0].b) + "," + S(labels[1].a) + ":" +
                          S(labels[1].b) + "," + S(labels[2].a) + ":" + S(labels[2].b));
    q.p("The sizes of the angles of the triangle are given in degrees.");
    drawMarkedTriangle(q.figure(300, 200, "triangle with its angles in terms of x"),
                       values[order[0]], values[order[1]], text(order[0]), text(order[1]),
                       text(order[2]));
    q.p("What is the value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question areaAlgebra(Rng& r, const std::string& k) {
    int x, a, w;
    std::vector<Frac> wrong;
    do {
        x = r.range(2, 15);
        a = r.range(1, 9);
        w = r.range(2, 9);
        const int area = (x + a) * w;
        wrong = {Frac(area, w) /* the length, not x */, Frac(area, w) + Frac(a) /* added a */,
                 Frac(area - a, w) /* took a from the area */};
    } while (x + a < w || !enoughWrong(x, wrong));
    QB q("area_algebra", 2);
    q.param("a", a).param("w", w).param("area", (x + a) * w);
    q.p("The area of the rectangle is " + qty((x + a) * w, "cm&sup2;") + ".");
    drawRectangle(q.figure(300, 190, "rectangle with sides in terms of x"), x + a, w,
                  "(x + " + S(a) + ") cm", qty(w, "cm"));
    q.p("What is the value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question perimeterExpression(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int a = r.range(2, 4), b = r.range(1, 9), c = 1, d = r.range(1, 9);
        const std::string right = term(2 * (a + c), "x") + " + " + S(2 * (b + d));
        const std::vector<std::string> wrong = {
            term(a + c, "x") + " + " + S(b + d),        // one length and one width only
            term(2 * (a + c), "x") + " + " + S(b + d),  // the numbers counted once
            term(2 * a, "x") + " + " + S(2 * b)};       // the two lengths only
        std::vector<std::string> all = wrong;
        all.push_back(right);
        std::sort(all.begin(), all.end());
        if (std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("perimeter_expression", 2);
        q.param("a", a).param("b", b).param("c", c).param("d", d);
        q.p("The sides of the rectangle are given in centimetres.");
        drawRectangle(q.figure(300, 190, "rectangle with sides in terms of x"), 3 * a + b, 3 + d,
                      linearText(a, b), linearText(c, d));
        q.p("Which expression gives the perimeter of the rectangle, in centimetres?");
        return q.choice(r, right, wrong).done();
    }
}

Question triangleSidesAlgebra(Rng& r, const std::string& k) {
    std::vector<AngleLabel> sides(3);
    int x, perimeter;
    std::vector<Frac> wrong;
    for (;;) {
        x = r.range(3, 15);
        sides[0] = {1, 0};
        sides[1] = {1, r.range(1, 6)};
        sides[2] = {2, r.range(-3, 5)};
        std::vector<int> v;
        for (const auto& s : sides) v.push_back(s.a * x + s.b);
        std::sort(v.begin(), v.end());
        if (v[0] <= 0 || v[0] + v[1] <= v[2] || std::adjacent_find(v.begin(), v.end()) != v.end())
            continue;
        perimeter = v[0] + v[1] + v[2];
        const int bSum = sides[1].b + sides[2].b;
        wrong = {Frac(perimeter, 4) /* the numbers added left out */,
                 Frac(perimeter + bSum, 4) /* the numbers moved with their signs */,
                 Frac(perimeter - bSum, 3) /* the 2x taken as x */};
        if (enoughWrong(x, wrong)) break;
    }
    QB q("triangle_sides_algebra", 2);
    q.param("b1", sides[1].b).param("b2", sides[2].b).param("perimeter", perimeter);
    q.p("The sides of the triangle are given in centimetres. Its perimeter is " +
        qty(perimeter, "cm") + ".");
    Figure& f = q.figure(300, 180, "triangle with sides in terms of x");
    f.poly({{40, 150}, {250, 150}, {110, 30}}, "#dbeafe");
    f.text(145, 166, 'c', linearText(sides[2].a, sides[2].b));  // the base
    f.text(66, 86, 'r', linearText(sides[0].a, sides[0].b));    // the left side
    f.text(188, 86, 'l', linearText(sides[1].a, sides[1].b));   // the right side
    // one shape serves every x, so its sides are not in proportion to the labels
    f.text(292, 12, 'r', "Not drawn to scale");
    q.p("What is the value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question functionTable(Rng& r, const std::string& k) {
    int a, b, big;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(-5, 12);
        big = r.range(10, 50);
        wrong = {Frac(a * big) /* the number added left out */,
                 Frac(a * 4 + b + (big - 4)) /* went up by one each time */,
                 Frac((a + b) * big) /* the first output times the input */};
    } while (b == 0 || a + b <= 0 || !enoughWrong(a * big + b, wrong));
    QB q("function_table", 2);
    q.param("a", a).param("b", b).param("big", big);
    q.p("The table shows the outputs of a rule for some inputs. The rule is the same for every "
        "input.");
    q.raw(tableHtml({"Input", "1", "2", "3", "4", num(big)},
                    {{"Output", S(a + b), S(2 * a + b), S(3 * a + b), S(4 * a + b), "?"}}));
    q.p("What is the output when the input is " + num(big) + "?");
    return answerNumber(q, r, k[0], a * big + b, "", wrong).done();
}

Question magicSquare(Rng& r, const std::string& k) {
    static const int kLoShu[3][3] = {{2, 7, 6}, {9, 5, 1}, {4, 3, 8}};
    int base, step, xr, xc, br, bc, v[3][3];
    bool flip;
    std::vector<Frac> wrong;
    do {
        base = r.range(0, 10);
        step = r.range(1, 4);
        flip = r.chance(50);
        xr = r.range(0, 2);
        xc = r.range(0, 2);
        do {  // a second blank, in another row and column
            br = r.range(0, 2);
            bc = r.range(0, 2);
        } while (br == xr || bc == xc);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) v[i][j] = base + step * kLoShu[i][flip ? 2 - j : j];
        wrong = {Frac(3 * (base + 5 * step)) /* the total, not the missing number */,
                 Frac(v[xr][(xc + 1) % 3]) /* a neighbour's number */,
                 Frac(base + 5 * step) /* the middle number */};
    } while (!enoughWrong(v[xr][xc], wrong));
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\">\n";
    for (int i = 0; i < 3; ++i) {
        html += "<tr>";
        for (int j = 0; j < 3; ++j) {
            const std::string cell = i == xr && j == xc   ? "<i>x</i>"
                                     : i == br && j == bc ? "&nbsp;"
                                                          : S(v[i][j]);
            // spaces either side keep the cells wide enough for two digits
            html += "<td align=\"center\">&nbsp;&nbsp;" + cell + "&nbsp;&nbsp;</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>";
    QB q("magic_square", 2);
    q.param("x", xr * 3 + xc).param("blank", br * 3 + bc);
    q.p("In this magic square every row, every column and both diagonals add up to the same "
        "total.");
    q.raw(html);
    q.p("What is the value of <i>x</i>?");
    const int ans = v[xr][xc];
    return answerNumber(q, r, k[0], ans, "", wrong).done();
}

Question inequalityLine(Rng& r, const std::string& k) {
    (void)k;
    const int v = r.range(3, 12);
    const bool filled = r.chance(50);
    const bool toRight = r.chance(50);
    const std::string signs[2][2] = {{"&lt;", "&gt;"}, {"&le;", "&ge;"}};
    const std::string right = "x " + signs[filled][toRight] + " " + S(v);
    // the other three: the circle read the wrong way, the direction, or both
    const std::vector<std::string> wrong = {"x " + signs[!filled][toRight] + " " + S(v),
                                            "x " + signs[filled][!toRight] + " " + S(v),
                                            "x " + signs[!filled][!toRight] + " " + S(v)};
    QB q("inequality_line", 2);
    q.param("v", v)
        .param("circle", filled ? "filled" : "open")
        .param("way", toRight ? "right" : "left");
    q.p("Which inequality does the number line show?");
    Figure& f = q.figure(300, 80, "an inequality on a number line");
    const int y = 40;
    f.line(10, y, 290, y, false, true);
    for (int i = -3; i <= 3; ++i) {
        const int x = 150 + i * 38;
        f.line(x, y - 6, x, y + 6);
        f.text(x, y + 20, 'c', S(v + i));
    }
    f.colour("#2563eb");
    const int end = toRight ? 282 : 18;
    f.line(150, y - 14, end, y - 14, false, true);
    f.line(end, y - 14, end + (toRight ? -8 : 8), y - 20, false, true);
    f.line(end, y - 14, end + (toRight ? -8 : 8), y - 8, false, true);
    f.circle(150, y - 14, 6, filled ? "#2563eb" : "#ffffff");
    f.colour("#000000");
    return q.choice(r, right, wrong).done();
}

}  // namespace

void addAlgebraPictures(std::vector<Family>& out) {
    out.push_back({"balance", 10, {"N", "Q"}, balance});
    out.push_back({"matchstick_pattern", 10, {"N", "Q"}, matchstickPattern});
    out.push_back({"angle_equation", 10, {"N", "Q"}, angleEquation});
    out.push_back({"area_algebra", 10, {"N", "Q"}, areaAlgebra});
    out.push_back({"perimeter_expression", 10, {"Q"}, perimeterExpression});
    out.push_back({"triangle_sides_algebra", 10, {"N", "Q"}, triangleSidesAlgebra});
    out.push_back({"function_table", 10, {"N", "Q"}, functionTable});
    out.push_back({"magic_square", 10, {"N", "Q"}, magicSquare});
    out.push_back({"inequality_line", 10, {"Q"}, inequalityLine});
}
