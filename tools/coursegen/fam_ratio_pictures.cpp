// Ratio and Proportions read from pictures and tables: shaded grids, a table and a bar chart,
// squares, a triangle, a line cut in a ratio, an enlarged photo, a conversion graph, a price
// table and a recipe.

#include "drawing.h"
#include "families.h"
#include "ratio_working.h"

#include <algorithm>
#include <tuple>

namespace {

using heldsteps::addStep;
using ratiowork::ratioHtml;
using ratiowork::simplifyStep;

const char* kRatioNote = "Give the ratio in its simplest form, for example 2:3.";

std::string parts(int n) {
    return plural(n, "part", "parts");
}

Question ratioShaded(Rng& r, const std::string& k) {
    (void)k;
    const int rows = r.range(2, 4);
    const int cols = r.range(4, 6);
    const int cells = rows * cols;
    int shaded = 0;
    do shaded = r.range(2, cells - 2);
    while ((gcdInt(shaded, cells - shaded) == 1 && r.chance(70)) || 2 * shaded == cells);
    const bool shadedFirst = r.chance(50);
    QB q("ratio_shaded", 2);
    q.param("rows", rows)
        .param("cols", cols)
        .param("shaded", shaded)
        .param("order", shadedFirst ? "shaded:white" : "white:shaded");
    q.p(std::string("What is the ratio of ") +
        (shadedFirst ? "shaded squares to white squares" : "white squares to shaded squares") +
        " in the shape?");
    drawGrid(q.figure(300, 200,
                      "A grid of " + S(rows) + " rows of " + S(cols) + " squares, " + S(cells) +
                          " squares in all, with " + S(shaded) + " of them shaded and the other " +
                          S(cells - shaded) + " white."),
             rows, cols, shadeSome(r, cells, shaded));
    q.note(kRatioNote);
    q.answer();
    const std::vector<int> terms = shadedFirst ? std::vector<int>{shaded, cells - shaded}
                                               : std::vector<int>{cells - shaded, shaded};
    addStep(q, "Count the squares: " + S(shaded) + " shaded, and " + S(cells) + " &minus; " +
           S(shaded) + " = " + S(cells - shaded) + " white.");
    addStep(q, std::string("The ratio of ") +
           (shadedFirst ? "shaded squares to white squares" : "white squares to shaded squares") +
           " is " + ratioHtml(terms) + ".");
    addStep(q, simplifyStep(terms));
    return q
        .part('R', shadedFirst ? simplestRatio({shaded, cells - shaded})
                               : simplestRatio({cells - shaded, shaded}))
        .done();
}

Question ratioTable(Rng& r, const std::string& k) {
    (void)k;
    const std::vector<std::string> colours = {"Brown", "Blue", "Green", "Grey"};
    std::vector<int> n(4);
    int first, second;
    do {
        for (int& v : n) v = r.range(2, 16);
        first = r.range(0, 3);
        second = r.range(0, 3);
    } while (first == second ||
             n[static_cast<std::size_t>(first)] == n[static_cast<std::size_t>(second)] ||
             gcdInt(n[static_cast<std::size_t>(first)], n[static_cast<std::size_t>(second)]) == 1);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < 4; ++i) rows.push_back({colours[i], S(n[i])});
    const std::string a = colours[static_cast<std::size_t>(first)];
    const std::string b = colours[static_cast<std::size_t>(second)];
    const int na = n[static_cast<std::size_t>(first)];
    const int nb = n[static_cast<std::size_t>(second)];
    QB q("ratio_table", 1);
    q.param("first", a).param("second", b);
    q.p("The table shows the eye colours of the pupils in a class.");
    q.raw(tableHtml({"Eye colour", "Number of pupils"}, rows));
    q.p("What is the ratio of pupils with " + lowerCase(a) + " eyes to pupils with " +
        lowerCase(b) + " eyes?");
    q.note(kRatioNote);
    q.answer();
    addStep(q, "From the table: " + S(na) + " pupils have " + lowerCase(a) + " eyes and " + S(nb) +
           " have " + lowerCase(b) + " eyes, so the ratio is " + ratioHtml({na, nb}) + ".");
    addStep(q, simplifyStep({na, nb}));
    return q.part('R', simplestRatio({na, nb})).done();
}

Question ratioBarChart(Rng& r, const std::string& k) {
    (void)k;
    const std::vector<std::string> pets = {"Dogs", "Cats", "Fish", "Rabbits"};
    std::vector<int> n(4);
    int first, second;
    do {
        for (int& v : n) v = r.range(1, 10) * 2;
        first = r.range(0, 3);
        second = r.range(0, 3);
    } while (first == second ||
             n[static_cast<std::size_t>(first)] == n[static_cast<std::size_t>(second)]);
    std::vector<std::pair<std::string, int>> bars;
    std::string read;
    for (std::size_t i = 0; i < 4; ++i) {
        bars.emplace_back(pets[i], n[i]);
        read += (read.empty() ? "" : ", ") + pets[i] + " " + S(n[i]);
    }
    const int top = *std::max_element(n.begin(), n.end());
    const int scaleTop = (top + 3) / 4 * 4;
    const std::string a = pets[static_cast<std::size_t>(first)];
    const std::string b = pets[static_cast<std::size_t>(second)];
    const int na = n[static_cast<std::size_t>(first)];
    const int nb = n[static_cast<std::size_t>(second)];
    QB q("ratio_bar_chart", 2);
    q.param("first", a).param("second", b);
    q.p("The bar chart shows the pets kept by the families of a class.");
    drawBarChart(q.figure(300, 200,
                          "A bar chart of the number of pets, on a scale from 0 to " +
                              S(scaleTop) + " in steps of 4: " + read + "."),
                 bars, 4, "pets");
    q.p("What is the ratio of " + lowerCase(a) + " to " + lowerCase(b) + "?");
    q.note(kRatioNote);
    q.answer();
    addStep(q, "Read the bars: " + lowerCase(a) + " " + S(na) + ", " + lowerCase(b) + " " + S(nb) +
           ". The ratio of " + lowerCase(a) + " to " + lowerCase(b) + " is " +
           ratioHtml({na, nb}) + ".");
    addStep(q, simplifyStep({na, nb}));
    return q.part('R', simplestRatio({na, nb})).done();
}

Question ratioSquares(Rng& r, const std::string& k) {
    const int small = r.range(2, 6);
    const int times = k == "N" ? r.range(2, 4) : 0;
    int large = small * times;
    if (k != "N") {
        do large = r.range(small + 1, 12);
        while (gcdInt(small, large) != 1 && r.chance(50));
    }
    QB q("ratio_squares", 3);
    q.param("a", small).param("b", large);
    q.p("Square A has sides of " + qty(small, "cm") + ". Square B has sides of " +
        qty(large, "cm") + ".");
    Figure& f = q.figure(300, 170,
                         "Two squares side by side: square A with sides of " + qty(small, "cm") +
                             " and the larger square B with sides of " + qty(large, "cm") + ".");
    const int unit = 130 / large;
    const int sa = small * unit;
    const int sb = large * unit;
    const int gap = 30;
    const int x0 = (300 - sa - gap - sb) / 2;
    const int base = 140;
    f.rect(x0, base - sa, sa, sa, "#fde68a");
    f.rect(x0 + sa + gap, base - sb, sb, sb, "#bfdbfe");
    f.text(x0 + sa / 2, base - sa / 2, 'c', "A");
    f.text(x0 + sa + gap + sb / 2, base - sb / 2, 'c', "B");
    f.text(x0 + sa / 2, base + 14, 'c', qty(small, "cm"));
    f.text(x0 + sa + gap + sb / 2, base + 14, 'c', qty(large, "cm"));
    const std::string cm2 = "cm&sup2;";
    addStep(q, "Area of square A = " + qty(small, "cm") + " &times; " + qty(small, "cm") + " = " +
           qty(small * small, cm2) + ".");
    addStep(q, "Area of square B = " + qty(large, "cm") + " &times; " + qty(large, "cm") + " = " +
           qty(large * large, cm2) + ".");
    if (k == "N") {
        q.p("The area of square B is how many times the area of square A?");
        addStep(q, "Divide the areas: " + S(large * large) + " &divide; " + S(small * small) + " = " +
               S(times * times) + ". The sides are " + S(times) + " times as long, and the area "
               "is " + S(times) + " &times; " + S(times) + " = " + S(times * times) +
               " times as large.");
        return answerNumber(q, r, k[0], times * times, "",
                            std::vector<Slip>{
                                {Frac(times), "compares the sides, not the areas"},
                                {Frac(times * 2), "doubles instead of multiplying by " + S(times)},
                                {Frac(large * large - small * small),
                                 "is the difference of the areas"}})
            .done();
    }
    q.p("What is the ratio of the area of square A to the area of square B?");
    q.note(kRatioNote);
    q.answer();
    addStep(q, "The ratio of the areas is " + ratioHtml({small * small, large * large}) + ".");
    addStep(q, simplifyStep({small * small, large * large}));
    return q.part('R', simplestRatio({small * small, large * large})).done();
}

Question ratioAngles(Rng& r, const std::string& k) {
    int p[3];
    int sum, ask;
    std::vector<Slip> wrong;
    do {
        for (int& v : p) v = r.range(1, 9);
        sum = p[0] + p[1] + p[2];
        ask = r.range(0, 2);
        // Sharing 360° can give an angle no triangle has; then the slip is another angle's share.
        const Frac round(360 * p[ask], sum);
        wrong = {round < Frac(180)
                     ? Slip{round, "shares 360&deg;, the angles round a point, not 180&deg;"}
                     : Slip{Frac(180 * p[(ask + 1) % 3], sum),
                            "is the size of another angle of the triangle"},
                 {Frac(180 - 180 * p[ask] / sum), "is the other two angles together"},
                 {Frac(180, sum), "is one part only"}};
    } while (180 % sum || p[0] == p[1] || p[1] == p[2] || p[0] == p[2] ||
             180 * std::min({p[0], p[1], p[2]}) / sum < 25 ||
             // the two base angles are the smaller ones and stay acute
             180 * std::max(p[0], p[1]) / sum >= 90 || p[2] < std::max(p[0], p[1]) ||
             !enoughWrong(180 * p[ask] / sum, wrong));
    const std::vector<std::string> letters = {"x", "y", "z"};
    const std::string letter = letters[static_cast<std::size_t>(ask)];
    QB q("ratio_angles", 2);
    q.param("parts", S(p[0]) + ":" + S(p[1]) + ":" + S(p[2])).param("ask", letter);
    q.p("The angles <i>x</i>, <i>y</i> and <i>z</i> of the triangle are in the ratio " +
        ratioHtml({p[0], p[1], p[2]}) + ".");
    drawMarkedTriangle(q.figure(300, 200,
                                "A triangle ABC with A and B at the ends of its base and C at "
                                "the top; its angles are marked x at A, y at B and z at C, and "
                                "the question asks for angle " + letter + "."),
                       180 * p[0] / sum, 180 * p[1] / sum, "x", "y", "z");
    q.p("What is the size of angle <i>" + letter + "</i>?");
    addStep(q, "The angles of a triangle add up to 180&deg;.");
    addStep(q, "Total number of parts = " + S(p[0]) + " + " + S(p[1]) + " + " + S(p[2]) + " = " +
           S(sum) + ", so one part = 180&deg; &divide; " + S(sum) + " = " +
           qty(180 / sum, "&deg;") + ".");
    addStep(q, "Angle <i>" + letter + "</i> is " + parts(p[ask]) + ": " + S(p[ask]) + " &times; " +
           qty(180 / sum, "&deg;") + " = " + qty(180 * p[ask] / sum, "&deg;") + ".");
    return answerNumber(q, r, k[0], 180 * p[ask] / sum, "&deg;", wrong).done();
}

Question ratioSegment(Rng& r, const std::string& k) {
    int a, b, unit;
    bool askFirst;
    std::vector<Slip> wrong;
    do {
        a = r.range(1, 7);
        b = r.range(1, 7);
        unit = r.range(2, 9);
        askFirst = r.chance(50);
        const int total = (a + b) * unit;
        wrong = {{Frac((askFirst ? b : a) * unit),
                  std::string("is the length of ") + (askFirst ? "PB" : "AP") + ", the other piece"},
                 {Frac(unit), "is one part only"},
                 {Frac(total * (askFirst ? a : b), askFirst ? b : a),
                  std::string("divides the whole line by ") + (askFirst ? "PB" : "AP") + "'s " +
                      parts(askFirst ? b : a) + " instead of by all " + S(a + b) + " parts"}};
    } while (a == b || gcdInt(a, b) != 1 || !enoughWrong((askFirst ? a : b) * unit, wrong));
    const int total = (a + b) * unit;
    const std::string piece = askFirst ? "AP" : "PB";
    const int own = askFirst ? a : b;
    QB q("ratio_segment", 2);
    q.param("a", a).param("b", b).param("total", total).param("ask", piece);
    q.p("The line <i>AB</i> is " + qty(total, "cm") +
        " long. The point <i>P</i> divides it so that <i>AP</i>&nbsp;:&nbsp;<i>PB</i> = " +
        ratioHtml({a, b}) + ".");
    Figure& f = q.figure(300, 90,
                         "A straight line AB, " + qty(total, "cm") +
                             " long, with its ends marked A and B and the point P marked on the "
                             "line between them.");
    const int x0 = 30;
    const int x1 = 270;
    const int px = x0 + (x1 - x0) * a / (a + b);
    f.line(x0, 40, x1, 40, false, true);
    for (int x : {x0, px, x1}) f.line(x, 33, x, 47, false, true);
    f.text(x0, 22, 'c', "A");
    f.text(px, 22, 'c', "P");
    f.text(x1, 22, 'c', "B");
    f.line(x0, 62, x1, 62);
    f.line(x0, 57, x0, 67);
    f.line(x1, 57, x1, 67);
    f.text((x0 + x1) / 2, 77, 'c', qty(total, "cm"));
    q.p("How long is <i>" + piece + "</i>?");
    addStep(q, std::string("Total number of parts = ") + S(a) + " + " + S(b) + " = " + S(a + b) +
           ", so one part = " + S(total) + " &divide; " + S(a + b) + " = " + qty(unit, "cm") +
           ".");
    addStep(q, "<i>" + piece + "</i> is " + parts(own) + ": " + S(own) + " &times; " +
           qty(unit, "cm") + " = " + qty(own * unit, "cm") + ".");
    return answerNumber(q, r, k[0], (askFirst ? a : b) * unit, "cm", wrong).done();
}

Question ratioEnlarge(Rng& r, const std::string& k) {
    int len, wid, newLen;
    Frac ans;
    std::vector<Slip> wrong;
    do {
        wid = r.range(4, 12);
        len = r.range(wid + 2, 18);
        const int halves = pickInt(r, {3, 4, 5});  // enlarged 1.5, 2 or 2.5 times
        newLen = (len * halves) % 2 ? 0 : len * halves / 2;
        ans = Frac(wid * newLen, len);
        wrong = {{Frac(wid + newLen - len), "adds to the width what was added to the length"},
                 {Frac(wid * len, std::max(newLen, 1)), "scales the wrong way, making the width "
                                                        "smaller"},
                 {Frac(newLen), "copies the new length"}};
    } while (newLen == 0 || !ans.isInt() || !enoughWrong(ans, wrong));
    const int newWid = static_cast<int>(ans.n);
    QB q("ratio_enlarge", 2);
    q.param("len", len).param("wid", wid).param("newlen", newLen);
    q.p("A photo " + qty(len, "cm") + " long and " + qty(wid, "cm") +
        " wide is enlarged so that its length is " + qty(newLen, "cm") + ".");
    Figure& f = q.figure(300, 170,
                         "Two rectangles drawn to the same scale: the photo, " + qty(len, "cm") +
                             " long and " + qty(wid, "cm") + " wide, and the enlarged photo, " +
                             qty(newLen, "cm") + " long, with its width marked with a question mark.");
    const double scale = 180.0 / (len + newLen);  // both photos side by side, to one scale
    auto px = [&](int v) { return static_cast<int>(v * scale); };
    const int base = 140;
    const int x0 = 12;
    const int x1 = x0 + px(len) + 56;  // room for the width's label between the photos
    f.rect(x0, base - px(wid), px(len), px(wid), "#fde68a");
    f.rect(x1, base - px(newWid), px(newLen), px(newWid), "#bfdbfe");
    f.text(x0 + px(len) / 2, base + 14, 'c', qty(len, "cm"));
    f.text(x0 + px(len) + 4, base - px(wid) / 2, 'l', qty(wid, "cm"));
    f.text(x1 + px(newLen) / 2, base + 14, 'c', qty(newLen, "cm"));
    f.text(x1 + px(newLen) + 4, base - px(newWid) / 2, 'l', "?");
    q.p("How wide is the enlarged photo?");
    const Frac factor(newLen, len);
    addStep(q, "An enlargement multiplies every length by the same number. The length goes from " +
           qty(len, "cm") + " to " + qty(newLen, "cm") + ": " + S(newLen) + " &divide; " +
           S(len) + " = " + num(factor) + ".");
    addStep(q, "Width of the enlarged photo = " + qty(wid, "cm") + " &times; " + num(factor) + " = " +
           qty(ans, "cm") + ".");
    return answerNumber(q, r, k[0], ans, "cm", wrong).done();
}

Question ratioLineGraph(Rng& r, const std::string& k) {
    const bool petrol = r.chance(50);
    // petrol: litres to dollars at $1.50 or $2 a litre; distance: miles to km, 5 miles = 8 km
    const int xMax = petrol ? 40 : 25;
    const int xStep = petrol ? 10 : 5;
    const int yStep = 10;
    int ask, yMax;
    Frac ans;
    std::vector<Slip> wrong;
    do {
        yMax = petrol ? pickInt(r, {60, 80}) : 40;
        ask = petrol ? r.range(5, 9) * 10 : r.range(6, 20) * 5;
        ans = Frac(ask * yMax, xMax);
        wrong = {{Frac(yMax), "is the last value on the graph"},
                 {Frac(ask * xMax, yMax), "reads the two axes the wrong way round"},
                 {Frac(ask), "is the amount asked, unchanged"}};
    } while (ask <= xMax || !ans.isInt() || !enoughWrong(ans, wrong));
    QB q("ratio_line_graph", 3);
    q.param("xmax", xMax).param("ymax", yMax).param("ask", ask);
    const Frac perOne(yMax, xMax);
    if (petrol) {
        q.p("The graph shows the cost of petrol at a filling station.");
        drawLineGraph(q.figure(300, 200,
                               "A line graph of the cost of petrol. Across: petrol in litres, "
                               "from 0 to " + S(xMax) + " in steps of " + S(xStep) +
                                   ". Up: cost in dollars, from 0 to " + S(yMax) +
                                   " in steps of " + S(yStep) +
                                   ". A straight line rises from 0 to the point for " +
                                   S(xMax) + " litres and " + money(yMax) + "."),
                      xMax, xStep, yMax, yStep, "Petrol (litres)", "Cost ($)",
                      {{0, 0}, {xMax, yMax}});
        q.p("How much do " + qty(ask, "litres") + " of petrol cost?");
        addStep(q, "The graph goes only to " + qty(xMax, "litres") + ", which cost " + money(yMax) +
               ". The cost is in direct proportion to the petrol, so find the cost of one litre.");
        addStep(q, "One litre costs " + money(yMax) + " &divide; " + S(xMax) + " = " + money(perOne) +
               ".");
        addStep(q, "For " + qty(ask, "litres") + ": " + S(ask) + " &times; " + money(perOne) + " = " +
               money(ans) + ".");
        return answerNumber(q, r, k[0], ans, "dollars", wrong).done();
    }
    q.p("The graph changes distances in miles into kilometres.");
    drawLineGraph(q.figure(300, 200,
                           "A line graph for changing miles into kilometres. Across: distance "
                           "in miles, from 0 to " + S(xMax) + " in steps of " + S(xStep) +
                               ". Up: distance in km, from 0 to " + S(yMax) + " in steps of " +
                               S(yStep) + ". A straight line rises from 0 to the point for " +
                               S(xMax) + " miles and " + S(yMax) + " km."),
                  xMax, xStep, yMax, yStep, "Distance (miles)", "Distance (km)",
                  {{0, 0}, {xMax, yMax}});
    q.p("How many kilometres are " + S(ask) + " miles?");
    addStep(q, "The graph goes only to " + S(xMax) + " miles, which are " + qty(yMax, "km") +
           ". Kilometres are in direct proportion to miles, so find one mile in kilometres.");
    addStep(q, "One mile = " + qty(yMax, "km") + " &divide; " + S(xMax) + " = " + qty(perOne, "km") +
           ".");
    addStep(q, "For " + S(ask) + " miles: " + S(ask) + " &times; " + qty(perOne, "km") + " = " +
           qty(ans, "km") + ".");
    return answerNumber(q, r, k[0], ans, "km", wrong).done();
}

Question proportionTable(Rng& r, const std::string& k) {
    int price, x1, x2, x3, missing;
    Frac ans;
    std::vector<Slip> wrong;
    do {
        price = r.range(3, 16) * 50;  // cents a ticket, $1.50-8
        x1 = r.range(1, 4);
        x2 = r.range(x1 + 1, 8);
        x3 = r.range(x2 + 1, 14);
        missing = r.chance(60) ? 3 : 2;  // the third cost, or the number of tickets for it
        const Frac c1(x1 * price, 100), c2(x2 * price, 100), c3(x3 * price, 100);
        if (missing == 3) {
            ans = c3;
            wrong = {{c2 + c2 - c1, "adds the same step in cost again, though the tickets do not "
                                    "go up evenly"},
                     {c1 * Frac(x3), "multiplies the cost of the first column by the tickets"},
                     {c3 + Frac(price, 100), "counts one ticket too many"}};
        } else {
            ans = x3;
            // No one buys part of a ticket: a slip that gives one counts a ticket too few.
            const Slip firstCost = (c3 / c1).isInt()
                                       ? Slip{c3 / c1, "divides by the first cost instead of by "
                                                       "the price of one ticket"}
                                       : Slip{Frac(x3 - 1), "counts one ticket too few"};
            wrong = {{Frac(x2 + x2 - x1), "adds the same step in tickets again, though the costs "
                                          "do not go up evenly"},
                     firstCost,
                     {Frac(x3 + 1), "counts one ticket too many"}};
        }
    } while (x2 - x1 == x3 - x2 || !enoughWrong(ans, wrong));
    const auto cost = [&](int x) { return moneyCents(Frac(x * price, 100)); };
    const Frac each(price, 100);
    QB q("proportion_table", 2);
    q.paramDec("price", each).param("missing", missing == 3 ? "cost" : "tickets");
    q.p("The cost of train tickets is in direct proportion to the number of tickets.");
    q.raw(tableHtml({"Number of tickets", S(x1), S(x2), missing == 3 ? S(x3) : "?"},
                    {{"Cost", cost(x1), cost(x2), missing == 3 ? "?" : cost(x3)}}));
    if (x1 == 1)
        addStep(q, "The table shows that one ticket costs " + moneyCents(each) + ".");
    else
        addStep(q, "One ticket costs " + cost(x1) + " &divide; " + S(x1) + " = " + moneyCents(each) +
               ".");
    if (missing == 3) {
        q.p("What is the missing cost?");
        addStep(q, "Cost of " + plural(x3, "ticket", "tickets") + ": " + S(x3) + " &times; " +
               moneyCents(each) + " = " + moneyCents(ans) + ".");
        return answerNumber(q, r, k[0], ans, "dollars", wrong).done();
    }
    q.p("What is the missing number of tickets?");
    addStep(q, "Number of tickets = " + cost(x3) + " &divide; " + moneyCents(each) + " = " +
           qty(x3 * price, "cents") + " &divide; " + qty(price, "cents") + " = " + S(x3) + ".");
    addStep(q, "So " + cost(x3) + " buys " + qty(x3, "tickets") + ".");
    return answerNumber(q, r, k[0], ans, "tickets", wrong).done();
}

Question recipeLimit(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const std::vector<std::string> what = {"Butter", "Flour", "Sugar"};
    int batch, limit;
    std::vector<int> need(3), have(3);
    std::vector<Frac> times(3);
    Frac ans;
    std::vector<Slip> wrong;
    do {
        batch = pickInt(r, {8, 10, 12, 16, 20});
        need = {r.range(2, 6) * 25, r.range(2, 6) * 50, r.range(2, 6) * 25};
        limit = r.range(0, 2);
        for (std::size_t i = 0; i < 3; ++i) {
            // the limiting ingredient makes a whole number of half batches; the others more
            const int halves = static_cast<int>(i) == limit ? r.range(3, 8) : r.range(9, 16);
            have[i] = need[i] * halves / 2;
            times[i] = Frac(halves, 2);
        }
        ans = Frac(batch) * times[static_cast<std::size_t>(limit)];
        const std::size_t o1 = static_cast<std::size_t>((limit + 1) % 3);
        const std::size_t o2 = static_cast<std::size_t>((limit + 2) % 3);
        wrong = {{Frac(batch) * times[o1], "goes by the " + lowerCase(what[o1]) +
                                               ", which is not the first to run out"},
                 {Frac(batch) * times[o2], "goes by the " + lowerCase(what[o2]) +
                                               ", which is not the first to run out"},
                 {Frac(batch), "is one batch of the recipe only"}};
    } while (!ans.isInt() || (have[0] % 25) || (have[1] % 25) || (have[2] % 25) ||
             *std::max_element(have.begin(), have.end()) > 1000 || !enoughWrong(ans, wrong));
    QB q("recipe_limit", 3);
    q.param("batch", batch)
        .param("need", S(need[0]) + "," + S(need[1]) + "," + S(need[2]))
        .param("have", S(have[0]) + "," + S(have[1]) + "," + S(have[2]));
    q.p("The table shows what a recipe for " + S(batch) + " biscuits needs, and what " + who +
        " has.");
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < 3; ++i)
        rows.push_back({what[i], qty(need[i], "g"), qty(have[i], "g")});
    q.raw(tableHtml({"Ingredient", "For " + S(batch) + " biscuits", who + " has"}, rows));
    q.p("What is the greatest number of biscuits " + who + " can make?");
    std::string each;
    for (std::size_t i = 0; i < 3; ++i)
        each += (each.empty() ? "" : "; ") + lowerCase(what[i]) + " " + S(have[i]) + " &divide; " +
                S(need[i]) + " = " + num(times[i]);
    const std::size_t lim = static_cast<std::size_t>(limit);
    addStep(q, "Divide what " + who + " has by what the recipe needs: " + each + ".");
    addStep(q, "The " + lowerCase(what[lim]) + " runs out first, so " + who +
           " can make the recipe only " + num(times[lim]) + " times.");
    addStep(q, who + " can make " + num(times[lim]) + " &times; " + S(batch) + " = " +
           qty(ans, "biscuits") + ".");
    return answerNumber(q, r, k[0], ans, "biscuits", wrong).done();
}

}  // namespace

void addRatioPictures(std::vector<Family>& out) {
    out.push_back({"ratio_shaded", 8, {"R"}, ratioShaded});
    out.push_back({"ratio_table", 8, {"R"}, ratioTable});
    out.push_back({"ratio_bar_chart", 8, {"R"}, ratioBarChart});
    out.push_back({"ratio_squares", 8, {"R", "N"}, ratioSquares});
    out.push_back({"ratio_angles", 8, {"N", "Q"}, ratioAngles});
    out.push_back({"ratio_segment", 8, {"N", "Q"}, ratioSegment});
    out.push_back({"ratio_enlarge", 8, {"N", "Q"}, ratioEnlarge});
    out.push_back({"ratio_line_graph", 8, {"N", "Q"}, ratioLineGraph});
    out.push_back({"proportion_table", 8, {"N", "Q"}, proportionTable});
    out.push_back({"recipe_limit", 8, {"N", "Q"}, recipeLimit});
}
