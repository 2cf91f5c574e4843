// Algebra read from pictures and tables: pan balances, matchstick patterns, shapes standing for
// numbers, a triangle's angles and sides, rectangles, a function table and a magic square.

#include "algebra_steps.h"
#include "drawing.h"
#include "families.h"

#include <algorithm>
#include <functional>

namespace {

// "x", "x + 20", "3x - 10" for a picture (plain text, ASCII minus).
// The same in HTML, for the question's words and the solution: "3x &minus; 10".
std::string linearHtml(int a, int b) {
    return term(a, "x") + (b == 0 ? "" : algebra::signedPart(b));
}

std::string linearText(int a, int b, const std::string& unit = "") {
    std::string s = term(a, "x");
    if (b > 0) s += " + " + S(b) + unit;
    if (b < 0) s += " - " + S(-b) + unit;
    return s;
}

Question balance(Rng& r, const std::string& k) {
    int box, a, b, extra, right;
    std::vector<Slip> wrong;
    do {
        box = r.range(2, 10);
        a = r.range(3, 8);
        b = r.range(1, a - 1);
        extra = r.range(1, 12);
        right = (a - b) * box + extra;
        wrong = {{Frac(right - extra), "forgets to share among the boxes"},
                 {Frac(right + extra, a + b), "adds everything on both pans and shares it among "
                                              "all the boxes"},
                 {Frac(right - extra, a), "leaves the boxes on the right pan out"}};
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
    drawBalance(q.figure(300, 180,
                         "A level pan balance. The left pan holds " + numberWords(a) +
                             " boxes marked ? and " + withArticle(qty(extra, "kg") + " weight") +
                             "; the right pan holds " + numberWords(b) +
                             (b == 1 ? " box" : " boxes") + " marked ? and " +
                             withArticle(qty(right, "kg") + " weight") + "."),
                left, rightPan);
    q.p("What is the mass of one box?");
    say(q, "Take " + plural(b, "box", "boxes") + " off each pan: the balance stays level, with " +
           plural(a - b, "box", "boxes") + " and " + qty(extra, "kg") + " on the left and " +
           qty(right, "kg") + " on the right.");
    say(q, "Take " + qty(extra, "kg") + " off each pan: the " + plural(a - b, "box", "boxes") +
           " weigh " + qty(right, "kg") + " &minus; " + qty(extra, "kg") + " = " +
           qty(right - extra, "kg") + ".");
    say(q, "One box: " + S(right - extra) + " &divide; " + S(a - b) + " = " + qty(box, "kg") + ".");
    return answerNumber(q, r, k[0], box, "kg", wrong).done();
}

Question matchstickPattern(Rng& r, const std::string& k) {
    const bool squares = r.chance(50);
    const int per = squares ? 3 : 2;  // new sticks for each new square or triangle
    int n;
    std::vector<Slip> wrong;
    const std::string shape = squares ? "square" : "triangle";
    do {
        n = r.range(4, 12) * 3;
        wrong = {{Frac((per + 1) * n), "counts every " + shape + " with all its own sticks"},
                 {Frac(per * n), "forgets the first matchstick"},
                 {Frac((3 * per + 1) * n, 3), "scales pattern 3 up, counting shared sticks "
                                              "twice"}};
    } while (!enoughWrong(per * n + 1, wrong));
    QB q("matchstick_pattern", 2);
    q.param("shape", squares ? "squares" : "triangles").param("n", n);
    q.p(std::string("Here are the first three patterns of matchstick ") +
        (squares ? "squares" : "triangles") + " in a row.");
    std::string patterns;
    for (int p = 1; p <= 3; ++p)
        patterns += std::string(p == 1 ? "" : p == 2 ? "; " : "; and ") + "pattern " + S(p) +
                    " is " + plural(p, shape, shape + "s") + " made of " +
                    plural(per * p + 1, "matchstick", "matchsticks");
    Figure& f = q.figure(300, 120,
                         "Three patterns of matchstick " + shape +
                             "s side by side, labelled Pattern 1, Pattern 2 and Pattern 3, each " +
                             shape + " sharing a side with the one before: " + patterns + ".");
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
    say(q, "The patterns use " + S(per + 1) + ", " + S(2 * per + 1) + " and " + S(3 * per + 1) +
           " matchsticks: each new " + shape + " adds " + S(per) + ".");
    say(q, "So a pattern is 1 matchstick and " + S(per) + " for each " + shape + ".");
    say(q, "Pattern " + S(n) + ": " + S(per) + " &times; " + S(n) + " + 1 = " + S(per * n + 1) +
           " matchsticks.");
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
    std::vector<Slip> wrong;
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
        wrong = {{Frac(360 - bSum, aSum), "uses 360&deg;, as for angles at a point"},
                 {Frac(180, aSum), "leaves out the numbers added to the x's"},
                 {Frac(*std::max_element(values.begin(), values.end())), "is the largest angle, "
                                                                          "not x"}};
        if (enoughWrong(x, wrong)) break;
    }
    // the largest angle at the top, so the base angles are the acute ones
    std::vector<std::size_t> order = {0, 1, 2};
    std::sort(order.begin(), order.end(),
              [&](std::size_t i, std::size_t j) { return values[i] < values[j]; });
    std::swap(order[1], order[r.range(0, 1)]);
    // no degree sign: "2x + 25°" would read as 2x + 25 degrees; the text says the unit
    auto text = [&](std::size_t i) { return linearText(labels[i].a, labels[i].b); };
    auto html = [&](std::size_t i) { return linearHtml(labels[i].a, labels[i].b); };
    QB q("angle_equation", 3);
    q.param("labels", S(labels[0].a) + ":" + S(labels[0].b) + "," + S(labels[1].a) + ":" +
                          S(labels[1].b) + "," + S(labels[2].a) + ":" + S(labels[2].b));
    q.p("The sizes of the angles of the triangle are given in degrees.");
    drawMarkedTriangle(q.figure(300, 200,
                                "Triangle ABC with its angles given in degrees: angle A at the "
                                "bottom left is " +
                                    html(order[0]) + ", angle B at the bottom right is " +
                                    html(order[1]) + " and angle C at the top is " +
                                    html(order[2]) + "."),
                       values[order[0]], values[order[1]], text(order[0]), text(order[1]),
                       text(order[2]));
    q.p("What is the value of <i>x</i>?");
    const int aSum = labels[0].a + labels[1].a + labels[2].a;
    const int bSum = labels[0].b + labels[1].b + labels[2].b;
    std::string xs, numbers;
    for (const auto& l : labels) {
        xs += (xs.empty() ? "" : " + ") + S(l.a);
        if (l.b != 0)
            numbers += (numbers.empty() ? (l.b < 0 ? "&minus;" : "") : (l.b < 0 ? " &minus; " : " + ")) +
                       S(std::abs(l.b));
    }
    say(q, "The angles of a triangle add up to 180&deg;.");
    say(q, "Together the three angles have " + xs + " = " + S(aSum) + " lots of x" +
           (bSum == 0 ? (numbers.empty() ? ", and no numbers added." : ", and the numbers cancel out: " + numbers + " = 0.")
            : bSum > 0 ? ", and " + numbers + " = " + S(bSum) + " more."
                       : ", and " + S(-bSum) + " less."));
    say(q, "So " + S(aSum) + " lots of x make " +
           (bSum >= 0 ? S(180) + " &minus; " + S(bSum) : S(180) + " + " + S(-bSum)) + " = " +
           S(aSum * x) + ".");
    say(q, "x = " + S(aSum * x) + " &divide; " + S(aSum) + " = " + S(x) + ".");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question areaAlgebra(Rng& r, const std::string& k) {
    int x, a, w;
    std::vector<Slip> wrong;
    do {
        x = r.range(2, 15);
        a = r.range(1, 9);
        w = r.range(2, 9);
        const int area = (x + a) * w;
        wrong = {{Frac(area, w), "is the length, x + " + S(a) + ", not x"},
                 {Frac(area, w) + Frac(a), "adds " + S(a) + " instead of taking it away"},
                 {Frac(area - a, w), "takes " + S(a) + " from the area before dividing"}};
    } while (x + a < w || !enoughWrong(x, wrong));
    QB q("area_algebra", 2);
    q.param("a", a).param("w", w).param("area", (x + a) * w);
    q.p("The area of the rectangle is " + qty((x + a) * w, "cm&sup2;") + ".");
    drawRectangle(q.figure(300, 190,
                           "A rectangle with its length marked (x + " + S(a) +
                               ") cm along the bottom and its width marked " + qty(w, "cm") +
                               " up the side."),
                  x + a, w, "(x + " + S(a) + ") cm", qty(w, "cm"));
    q.p("What is the value of <i>x</i>?");
    say(q, "Area = length &times; width, so the length is the area divided by the width: " +
           S((x + a) * w) + " &divide; " + S(w) + " = " + qty(x + a, "cm") + ".");
    say(q, "The length is x + " + S(a) + ", so x = " + S(x + a) + " &minus; " + S(a) + " = " +
           S(x) + ".");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question perimeterExpression(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int a = r.range(2, 4), b = r.range(1, 9), c = 1, d = r.range(1, 9);
        const std::string right = term(2 * (a + c), "x") + " + " + S(2 * (b + d));
        const std::vector<TextSlip> wrong = {
            {term(a + c, "x") + " + " + S(b + d), "adds one length and one width only"},
            {term(2 * (a + c), "x") + " + " + S(b + d), "counts the x's twice but the numbers "
                                                         "once"},
            {term(2 * a, "x") + " + " + S(2 * b), "adds the two lengths only"}};
        std::vector<std::string> all;
        for (const auto& w : wrong) all.push_back(w.text);
        all.push_back(right);
        std::sort(all.begin(), all.end());
        if (std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("perimeter_expression", 2);
        q.param("a", a).param("b", b).param("c", c).param("d", d);
        q.p("The sides of the rectangle are given in centimetres.");
        drawRectangle(q.figure(300, 190,
                               "A rectangle with its length marked " + linearHtml(a, b) +
                                   " along the bottom and its width marked " +
                                   linearHtml(c, d) + " up the side."),
                      3 * a + b, 3 + d, linearText(a, b), linearText(c, d));
        q.p("Which expression gives the perimeter of the rectangle, in centimetres?");
        say(q, "The perimeter is two lengths and two widths: (" + linearHtml(a, b) + ") + (" +
               linearHtml(a, b) + ") + (" + linearHtml(c, d) + ") + (" + linearHtml(c, d) + ").");
        say(q, "The x's: " + S(a) + " + " + S(a) + " + 1 + 1 = " + S(2 * (a + c)) +
               " lots of x. The numbers: " + S(b) + " + " + S(b) + " + " + S(d) + " + " + S(d) +
               " = " + S(2 * (b + d)) + ".");
        say(q, "So the perimeter is " + right + ".");
        return q.choice(r, right, wrong).done();
    }
}

Question triangleSidesAlgebra(Rng& r, const std::string& k) {
    std::vector<AngleLabel> sides(3);
    int x, perimeter;
    std::vector<Slip> wrong;
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
        wrong = {{Frac(perimeter, 4), "leaves out the numbers added to the x's"},
                 {Frac(perimeter + bSum, 4), "adds the numbers instead of taking them away"},
                 {Frac(perimeter - bSum, 3), "takes 2x to be x"}};
        if (enoughWrong(x, wrong)) break;
    }
    QB q("triangle_sides_algebra", 2);
    q.param("b1", sides[1].b).param("b2", sides[2].b).param("perimeter", perimeter);
    q.p("The sides of the triangle are given in centimetres. Its perimeter is " +
        qty(perimeter, "cm") + ".");
    Figure& f = q.figure(300, 180,
                         "A triangle with its sides given in centimetres: the left side is " +
                             linearHtml(sides[0].a, sides[0].b) + ", the right side " +
                             linearHtml(sides[1].a, sides[1].b) + " and the base " +
                             linearHtml(sides[2].a, sides[2].b) +
                             ". The words Not drawn to scale are written above it.");
    f.poly({{40, 150}, {250, 150}, {110, 30}}, "#dbeafe");
    f.text(145, 166, 'c', linearText(sides[2].a, sides[2].b));  // the base
    f.text(66, 86, 'r', linearText(sides[0].a, sides[0].b));    // the left side
    f.text(188, 86, 'l', linearText(sides[1].a, sides[1].b));   // the right side
    // one shape serves every x, so its sides are not in proportion to the labels
    f.text(292, 12, 'r', "Not drawn to scale");
    q.p("What is the value of <i>x</i>?");
    const int bSum = sides[1].b + sides[2].b;
    const int b2 = sides[2].b;
    std::string numbers = "The numbers: " + S(sides[1].b) + " more";
    if (b2 != 0) numbers += std::string(" and ") + S(std::abs(b2)) + (b2 > 0 ? " more" : " less");
    numbers += bSum > 0 ? " make " + S(bSum) + " more."
               : bSum < 0 ? " make " + S(-bSum) + " less."
                          : " cancel out.";
    say(q, "The perimeter is x + (" + linearHtml(sides[1].a, sides[1].b) + ") + (" +
           linearHtml(sides[2].a, sides[2].b) + "): the x's make 1 + 1 + 2 = 4 lots of x.");
    say(q, numbers);
    say(q, "So 4 lots of x make " +
           (bSum >= 0 ? S(perimeter) + " &minus; " + S(bSum) : S(perimeter) + " + " + S(-bSum)) +
           " = " + S(4 * x) + ", and x = " + S(4 * x) + " &divide; 4 = " + S(x) + ".");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question functionTable(Rng& r, const std::string& k) {
    int a, b, big;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(-5, 12);
        big = r.range(10, 50);
        wrong = {{Frac(a * big), "leaves out the " + std::string(b > 0 ? "number added" : "number "
                                                                                       "taken away")},
                 {Frac(a * 4 + b + (big - 4)), "makes the output go up by 1 for each step of the "
                                               "input"},
                 {Frac((a + b) * big), "multiplies the first output by the input"}};
    } while (b == 0 || a + b <= 0 || !enoughWrong(a * big + b, wrong));
    QB q("function_table", 2);
    q.param("a", a).param("b", b).param("big", big);
    q.p("The table shows the outputs of a rule for some inputs. The rule is the same for every "
        "input.");
    q.raw(tableHtml({"Input", "1", "2", "3", "4", num(big)},
                    {{"Output", S(a + b), S(2 * a + b), S(3 * a + b), S(4 * a + b), "?"}}));
    q.p("What is the output when the input is " + num(big) + "?");
    say(q, "Each time the input goes up by 1, the output goes up by " + S(2 * a + b) +
           " &minus; " + S(a + b) + " = " + S(a) + ": the rule multiplies the input by " + S(a) +
           ".");
    say(q, "For input 1: 1 &times; " + S(a) + " = " + S(a) + ", and the output is " + S(a + b) +
           ", so the rule then " + (b > 0 ? "adds " : "takes away ") + S(std::abs(b)) + ".");
    say(q, "Output for " + num(big) + ": " + num(big) + " &times; " + S(a) +
           algebra::signedPart(b) + " = " + S(a * big) + algebra::signedPart(b) + " = " +
           S(a * big + b) + ".");
    return answerNumber(q, r, k[0], a * big + b, "", wrong).done();
}

Question magicSquare(Rng& r, const std::string& k) {
    static const int kLoShu[3][3] = {{2, 7, 6}, {9, 5, 1}, {4, 3, 8}};
    int base, step, xr, xc, br, bc, v[3][3];
    bool flip;
    std::vector<Slip> wrong;
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
        wrong = {{Frac(3 * (base + 5 * step)), "is the total of a line, not the missing number"},
                 {Frac(v[xr][(xc + 1) % 3]), "is a number beside x in its row"},
                 {Frac(base + 5 * step), "is the number in the middle"}};
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
    // A line with all three numbers shown gives the total; a line through x with its other two
    // numbers shown gives x.
    std::vector<std::vector<std::pair<int, int>>> lines;
    for (int i = 0; i < 3; ++i) {
        lines.push_back({{i, 0}, {i, 1}, {i, 2}});
        lines.push_back({{0, i}, {1, i}, {2, i}});
    }
    lines.push_back({{0, 0}, {1, 1}, {2, 2}});
    lines.push_back({{0, 2}, {1, 1}, {2, 0}});
    auto shown = [&](const std::pair<int, int>& c) {
        return !(c.first == xr && c.second == xc) && !(c.first == br && c.second == bc);
    };
    auto name = [](const std::vector<std::pair<int, int>>& line) {
        if (line[0].first == line[2].first) return std::string("row");
        if (line[0].second == line[2].second) return std::string("column");
        return std::string("diagonal");
    };
    const std::vector<std::pair<int, int>>* full = nullptr;
    const std::vector<std::pair<int, int>>* through = nullptr;
    for (const auto& line : lines) {
        const int known = static_cast<int>(std::count_if(line.begin(), line.end(), shown));
        const bool hasX = std::any_of(line.begin(), line.end(), [&](const auto& c) {
            return c.first == xr && c.second == xc;
        });
        if (known == 3 && !full) full = &line;
        if (hasX && known == 2 && !through) through = &line;
    }
    const int total = 3 * (base + 5 * step);
    std::vector<int> others;
    for (const auto& c : *through)
        if (shown(c)) others.push_back(v[c.first][c.second]);
    say(q, "A " + name(*full) + " with all three numbers shown gives the total: " +
           S(v[(*full)[0].first][(*full)[0].second]) + " + " +
           S(v[(*full)[1].first][(*full)[1].second]) + " + " +
           S(v[(*full)[2].first][(*full)[2].second]) + " = " + S(total) + ".");
    say(q, "The " + name(*through) + " through x has " + S(others[0]) + " and " + S(others[1]) +
           ": x = " + S(total) + " &minus; " + S(others[0]) + " &minus; " + S(others[1]) + " = " +
           S(ans) + ".");
    return answerNumber(q, r, k[0], ans, "", wrong).done();
}

// ---- shapes and balances standing for numbers, rules from tables ----

// Two sentences of shapes: p triangles and a circle make s1, a triangle and a circle make s2.
Question shapeSymbols(Rng& r, const std::string& k) {
    int p, t, c;
    bool askTriangle;
    std::vector<Slip> wrong;
    do {
        p = r.range(2, 3);
        t = r.range(2, 20);
        c = r.range(2, 20);
        askTriangle = r.chance(50);
        const int s1 = p * t + c, s2 = t + c;
        if (askTriangle) {
            wrong = {{Frac(c), "is the number the circle stands for"},
                     {Frac(s2, 2), "shares the bottom total equally, as if both shapes stood for "
                                   "the same number"},
                     {Frac(s1, p + 1), "shares the top total equally among its shapes"}};
            if (p == 3)
                wrong.push_back({Frac(s1 - s2), "does not share the difference between the two "
                                                "extra triangles"});
        } else {
            wrong = {{Frac(t), "is the number the triangle stands for"},
                     {Frac(s1 - s2), "is the difference of the two totals"},
                     {Frac(s2, 2), "shares the bottom total equally, as if both shapes stood for "
                                   "the same number"}};
            if (p == 3)
                wrong.push_back({Frac(s2 - (s1 - s2)), "takes away the difference without "
                                                       "halving it"});
        }
    } while (t == c || !enoughWrong(askTriangle ? t : c, wrong));
    const int s1 = p * t + c, s2 = t + c;
    QB q("shape_symbols", 2);
    q.param("p", p).param("top", s1).param("bottom", s2).param("ask",
                                                                 askTriangle ? "triangle" : "circle");
    q.p("In these number sentences every triangle stands for the same number, and every circle "
        "stands for the same number.");
    std::string top;
    for (int i = 0; i < p; ++i) top += "triangle + ";
    Figure& f = q.figure(300, 130,
                         "Two number sentences made of shapes. Top: " + top + "circle = " + S(s1) +
                             ". Bottom: triangle + circle = " + S(s2) + ".");
    auto row = [&](int triangles, int total, int y) {
        int x = 30;
        for (int i = 0; i < triangles; ++i) {
            f.poly({{x - 13, y + 11}, {x + 13, y + 11}, {x, y - 13}}, "#fde68a");
            f.text(x + 22, y, 'c', "+");
            x += 44;
        }
        f.circle(x, y, 12, "#bfdbfe");
        f.text(x + 24, y, 'c', "=");
        f.text(x + 38, y, 'l', S(total));
    };
    row(p, s1, 36);
    row(1, s2, 96);
    q.p(std::string("What number does the ") + (askTriangle ? "triangle" : "circle") +
        " stand for?");
    const int extra = p - 1;
    say(q, "The top sentence has everything the bottom one has, and " +
           plural(extra, "triangle", "triangles") + " more.");
    say(q, "So the extra " + std::string(extra == 1 ? "triangle stands for " : "triangles make ") +
           S(s1) + " &minus; " + S(s2) + " = " + S(s1 - s2) + "." +
           (extra == 1 ? "" : " One triangle: " + S(s1 - s2) + " &divide; 2 = " + S(t) + "."));
    if (!askTriangle)
        say(q, "The bottom sentence: the circle is " + S(s2) + " &minus; " + S(t) + " = " + S(c) +
               ".");
    else
        say(q, "Check with the bottom sentence: the circle is " + S(s2) + " &minus; " + S(t) +
               " = " + S(c) + ", and " + S(p) + " &times; " + S(t) + " + " + S(c) + " = " + S(s1) +
               ".");
    return answerNumber(q, r, k[0], askTriangle ? t : c, "", wrong).done();
}

// Two level balances: box B against p boxes A, then box B and q boxes A against a weight.
Question balanceTwoKinds(Rng& r, const std::string& k) {
    int p, qa, a, w;
    bool askA;
    std::vector<Slip> wrong;
    do {
        p = r.range(2, 4);
        qa = r.range(1, 3);
        a = r.range(2, 12);
        askA = r.chance(55);
        w = (p + qa) * a;
        if (askA)
            wrong = {{Frac(w, 1 + qa), "counts box B as one box A"},
                     {Frac(w, qa), "leaves box B out"},
                     {Frac(p * a), "is box B, not box A"}};
        else
            wrong = {{Frac(a), "is box A, not box B"},
                     {Frac(w - qa), "takes away the number of boxes A, not their mass"},
                     {Frac(w, 1 + qa), "counts box B as one box A"}};
    } while (!enoughWrong(askA ? a : p * a, wrong));
    QB q("balance_two_kinds", 2);
    q.param("p", p).param("q", qa).param("w", w).param("ask", askA ? "A" : "B");
    q.p("Both pan balances are level. All the boxes marked A have the same mass.");
    std::vector<PanItem> as(static_cast<std::size_t>(p), PanItem{PanItem::Box, "A"});
    drawBalance(q.figure(300, 150,
                         "The first balance, level: one box B on the left pan and " +
                             numberWords(p) + " boxes A on the right pan."),
                {{PanItem::Box, "B"}}, as);
    std::vector<PanItem> left = {{PanItem::Box, "B"}};
    for (int i = 0; i < qa; ++i) left.push_back({PanItem::Box, "A"});
    drawBalance(q.figure(300, 150,
                         "The second balance, level: one box B and " + numberWords(qa) +
                             (qa == 1 ? " box A" : " boxes A") + " on the left pan, " +
                             withArticle(qty(w, "kg") + " weight") + " on the right pan."),
                left, {{PanItem::Weight, qty(w, "kg")}});
    q.p(std::string("What is the mass of box ") + (askA ? "A" : "B") + "?");
    say(q, "The first balance shows that box B weighs the same as " + numberWords(p) +
           " boxes A.");
    say(q, "On the second balance put " + numberWords(p) + " boxes A in place of box B: then " +
           S(p) + " + " + S(qa) + " = " + S(p + qa) + " boxes A balance " + qty(w, "kg") + ".");
    say(q, "One box A: " + S(w) + " &divide; " + S(p + qa) + " = " + qty(a, "kg") + ".");
    if (!askA) say(q, "Box B: " + S(p) + " &times; " + S(a) + " = " + qty(p * a, "kg") + ".");
    return answerNumber(q, r, k[0], askA ? a : p * a, "kg", wrong).done();
}

// Which rule in words gives every output of a table: the first column fits several.
Question ruleFromTable(Rng& r, const std::string& k) {
    (void)k;
    int m, c;
    std::vector<int> in;
    do {
        m = r.range(2, 5);
        c = r.range(1, 9);
        in = {1};
        while (in.size() < 4) {
            const int x = r.range(2, 10);
            if (std::find(in.begin(), in.end(), x) == in.end()) in.push_back(x);
        }
        std::sort(in.begin(), in.end());
    } while (m + c - 1 == m * c);  // "add" and "multiply" rules would share a number
    auto text = [](const std::string& a, int x, const std::string& b, int y) {
        return a + " " + S(x) + (b.empty() ? "" : ", then " + b + " " + S(y));
    };
    const std::string right = text("multiply by", m, "add", c);
    // where a wrong rule first parts from the table
    auto fails = [&](const std::function<int(int)>& rule) {
        for (int x : in)
            if (rule(x) != m * x + c)
                return "gives " + S(rule(x)) + " for the input " + S(x) + ", not " +
                       S(m * x + c);
        return std::string();
    };
    const std::vector<TextSlip> wrong = {
        {text("multiply by", m + c, "", 0), fails([&](int x) { return (m + c) * x; })},
        {text("add", m + c - 1, "", 0), fails([&](int x) { return x + m + c - 1; })},
        {text("add", c, "multiply by", m), fails([&](int x) { return (x + c) * m; })}};
    QB q("rule_from_table", 2);
    std::string list;
    for (int x : in) list += (list.empty() ? "" : ",") + S(x);
    q.param("m", m).param("c", c).param("inputs", list);
    q.p("The table shows the outputs a rule gives for some inputs.");
    std::vector<std::string> head = {"Input"}, outs = {"Output"};
    for (int x : in) {
        head.push_back(S(x));
        outs.push_back(S(m * x + c));
    }
    q.raw(tableHtml(head, {outs}));
    q.p("Which rule gives every output from its input?");
    say(q, "A rule must work for every input, not only the first: test each one on the whole "
           "table.");
    std::string checks;
    for (std::size_t i = 0; i < in.size(); ++i)
        checks += std::string(i == 0 ? "" : i + 1 == in.size() ? " and " : ", ") + S(in[i]) +
                  " &times; " + S(m) + " + " + S(c) + " = " + S(m * in[i] + c);
    say(q, capitalised(right) + ": " + checks + ", the outputs in the table.");
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
    out.push_back({"shape_symbols", 10, {"N", "Q"}, shapeSymbols});
    out.push_back({"balance_two_kinds", 10, {"N", "Q"}, balanceTwoKinds});
    out.push_back({"rule_from_table", 10, {"Q"}, ruleFromTable});
}
