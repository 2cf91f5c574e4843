// Percentage read from pictures and tables: shaded grids, bar and pie charts, a number line,
// a family budget, food labels and test results.

#include "drawing.h"
#include "families.h"
#include "option_bounds.h"
#include "worked_steps.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <tuple>

namespace {

// "As a fraction of 20: 7/20. As a percentage: 7/20 × 100 = 35%."
void asPercentage(QB& q, long long part, long long whole, const std::string& label = "") {
    const Frac f(part, whole);
    const std::string written = S(part) + "/" + S(whole);
    step(q, label + (label.empty() ? "As" : "as") + " a fraction of " + S(whole) + ": " + written +
                (f.text() != written ? " = " + f.text() : std::string()) + ".");
    step(q, "As a percentage: " + f.text() + " &times; 100 = " + qty(f * Frac(100), "%") + ".");
}

// p% of x, 1% first: "1% of 400 = 400 ÷ 100 = 4" and "35% of 400 = 35 × 4 = 140".
void percentOf(QB& q, int p, int x, const std::string& label = "", bool inDollars = false) {
    const Frac one(x, 100);
    auto shown = [&](const Frac& v) { return inDollars ? money(v) : num(v); };
    step(q, label + "1% of " + shown(x) + " = " + shown(x) + " &divide; 100 = " + shown(one) +
                ".");
    step(q, qty(p, "%") + " of " + shown(x) + " = " + S(p) + " &times; " + shown(one) + " = " +
                shown(one * Frac(p)) + ".");
}

// A grid of equal squares as a listener hears it: the counts in words, which no answer can be
// mistaken for.
std::string gridDescription(int rows, int cols, int shaded) {
    return "A rectangle divided into " + numberWords(rows) + " " +
           (rows == 1 ? "row" : "rows") + " of " + numberWords(cols) + " equal squares, " +
           numberWords(shaded) + " of the " + numberWords(rows * cols) + " squares shaded.";
}

Question pctShaded(Rng& r, const std::string& k) {
    const std::vector<std::pair<int, int>> grids = {{1, 10}, {2, 10}, {5, 5}, {5, 10}, {4, 5}};
    int rows, cols, shaded;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        std::tie(rows, cols) = r.pick(grids);
        shaded = r.range(1, rows * cols - 1);
        ans = Frac(shaded * 100, rows * cols);
        wrong = {Frac(shaded) /* the count of shaded squares */,
                 Frac(100) - ans /* the white part */,
                 Frac(rows * cols - shaded) /* the count of white squares */};
    } while (!enoughWrong(ans, wrong));
    const int cells = rows * cols;
    QB q("pct_shaded", 1);
    q.param("rows", rows).param("cols", cols).param("shaded", shaded);
    q.p("The shape is divided into equal squares. What percentage of the shape is shaded?");
    drawGrid(q.figure(300, 200, gridDescription(rows, cols, shaded)), rows, cols,
             shadeSome(r, cells, shaded));
    step(q, "The shape has " + S(rows) + " &times; " + S(cols) + " = " + S(cells) +
                " squares, and " + S(shaded) + " of them are shaded.");
    asPercentage(q, shaded, cells);
    return answerNumber(q, r, k[0], ans, "%",
                        std::vector<Slip>{{wrong[0], "reads the number of shaded squares as the "
                                                     "percentage"},
                                          {wrong[1], "is the white part"},
                                          {wrong[2], "reads the number of white squares as the "
                                                     "percentage"}})
        .done();
}

Question pctShadeMore(Rng& r, const std::string& k) {
    const std::vector<std::pair<int, int>> grids = {{2, 10}, {5, 5}, {4, 5}, {5, 10}, {4, 10}};
    int rows, cols, shaded, p, target;
    std::vector<Frac> wrong;
    std::vector<Slip> slips;
    // No more squares can be shaded than are white: every option is within that.
    auto fits = [&](const Frac& v) { return v <= Frac(rows * cols - shaded); };
    do {
        std::tie(rows, cols) = r.pick(grids);
        p = r.range(4, 18) * 5;
        shaded = r.range(2, rows * cols / 2);
        target = p * rows * cols / 100;
        wrong = {Frac(target) /* all the squares to be shaded, not the extra ones */,
                 Frac(p - shaded) /* the percentage taken as squares */,
                 Frac(rows * cols - target) /* the squares left white */};
        slips = {{wrong[0], "is all the squares to be shaded, not the extra ones"},
                 {wrong[1], "takes the percentage as a number of squares"},
                 {wrong[2], "is the squares left white"},
                 {Frac(target + shaded), "adds the shaded squares instead of taking them away"},
                 {Frac(rows * cols - shaded), "is all the white squares"}};
    } while ((p * rows * cols) % 100 || target <= shaded || !enoughWrong(target - shaded, wrong) ||
             (k[0] == 'Q' && !enoughWithin(target - shaded, slips, fits)));
    const int cells = rows * cols;
    QB q("pct_shade_more", 2);
    q.param("rows", rows).param("cols", cols).param("shaded", shaded).param("p", p);
    q.p("The shape is divided into equal squares and some of them are shaded.");
    drawGrid(q.figure(300, 200, gridDescription(rows, cols, shaded)), rows, cols,
             shadeSome(r, cells, shaded));
    q.p("How many more squares must be shaded so that <b>" + qty(p, "%") +
        "</b> of the shape is shaded?");
    step(q, "The shape has " + S(rows) + " &times; " + S(cols) + " = " + S(cells) + " squares.");
    percentOf(q, p, cells);
    step(q, "Shaded already: " + S(shaded) + ". More to shade: " + S(target) + " &minus; " +
                S(shaded) + " = " + plural(target - shaded, "square", "squares") + ".");
    return answerNumber(q, r, k[0], target - shaded, "squares",
                        slipsAllowed(target - shaded, {slips.begin(), slips.begin() + 3},
                                     {slips.begin() + 3, slips.end()}, fits))
        .done();
}

Question pctBarChart(Rng& r, const std::string& k) {
    const std::vector<std::string> ways = {"Walk", "Bus", "Car", "Bike"};
    int total, ask, step;
    std::vector<int> values;
    std::vector<Frac> wrong;
    for (;;) {
        total = pickInt(r, {20, 25, 40, 50});
        step = total <= 25 ? 2 : 4;  // bars end on whole or half steps
        const int unit = total <= 25 ? 1 : 2;
        values.assign(4, 0);
        int left = total / unit;
        bool ok = true;
        for (std::size_t i = 0; i < 3; ++i) {
            const int most = left - static_cast<int>(3 - i);
            if (most < 1) ok = false;
            values[i] = ok ? r.range(1, std::min(most, 12 / unit + 4)) : 0;
            left -= values[i];
        }
        values[3] = left;
        for (int& v : values) v *= unit;
        if (!ok || values[3] < unit || *std::max_element(values.begin(), values.end()) > 20)
            continue;
        ask = r.range(0, 3);
        const int v = values[static_cast<std::size_t>(ask)];
        if ((v * 100) % total) continue;
        const int pct = v * 100 / total;
        wrong = {Frac(v) /* the count read as a percentage */, Frac(100 - pct) /* the others */,
                 Frac(v * 100, total - v) /* compared with the others, not with everyone */};
        if (pct == 50 || !enoughWrong(pct, wrong)) continue;
        break;
    }
    const int pct = values[static_cast<std::size_t>(ask)] * 100 / total;
    std::string list;
    std::vector<std::pair<std::string, int>> bars;
    for (std::size_t i = 0; i < 4; ++i) {
        list += (list.empty() ? "" : ",") + S(values[i]);
        bars.emplace_back(ways[i], values[i]);
    }
    QB q("pct_bar_chart", 2);
    q.param("vals", list).param("ask", ways[static_cast<std::size_t>(ask)]);
    q.p("The bar chart shows how the pupils of a class travel to school. Every pupil is in the "
        "chart.");
    const int top = (*std::max_element(values.begin(), values.end()) + step - 1) / step * step;
    std::string data;
    for (std::size_t i = 0; i < 4; ++i)
        data += (i == 0 ? "" : i == 3 ? " and " : ", ") + ways[i] + " " + S(values[i]);
    drawBarChart(q.figure(300, 200,
                          "A bar chart of how the pupils travel to school, with a scale of "
                          "pupils from 0 to " + S(top) + " in steps of " + S(step) +
                              ". The bars read: " + data + "."),
                 bars, step, "pupils");
    std::string how = ways[static_cast<std::size_t>(ask)];
    const std::string asked = ways[static_cast<std::size_t>(ask)];
    how = how == "Walk" ? "walk to school" : "come to school by " + lowerCase(how);
    const int v = values[static_cast<std::size_t>(ask)];
    ::step(q, std::string(k == "NN" ? "(a) " : "") + "Pupils in the class: " + S(values[0]) +
                  " + " + S(values[1]) + " + " + S(values[2]) + " + " + S(values[3]) + " = " +
                  S(total) + ".");
    asPercentage(q, v, total, std::string(k == "NN" ? "(b) " : "") + asked + ": ");
    if (k == "NN") {
        q.subparts({{"How many pupils are in the class?", "pupils"},
                    {"What percentage of the pupils " + how + "?", "%"}});
        return q.part('N', S(total)).part('N', S(pct)).done();
    }
    q.p("What percentage of the pupils " + how + "?");
    // A part of the class is less than 100% of it: so is every option.
    return answerNumber(
               q, r, k[0], pct, "%",
               slipsAllowed(pct,
                            {{wrong[0], "reads the number of pupils as the percentage"},
                             {wrong[1], "is the other pupils"},
                             {wrong[2], "compares with the other pupils, not with the whole "
                                        "class"}},
                            {{Frac(pct, 10), "multiplies by 10 instead of 100"},
                             {Frac(pct, 100), "gives the decimal, not the percentage"}},
                            [](const Frac& x) { return x < Frac(100); }))
        .done();
}

// A pie chart: sectors clockwise from twelve o'clock, each with its name and its percentage
// (or "?") written inside.
void drawPieChart(Figure& f, const std::vector<std::string>& names,
                  const std::vector<int>& percents, const std::vector<std::string>& shown) {
    static const std::vector<std::string> fills = {"#bfdbfe", "#fde68a", "#bbf7d0", "#fecaca",
                                                   "#e9d5ff"};
    const int cx = f.width / 2;
    const int cy = f.height / 2;
    const int radius = std::min(cx, cy) - 10;
    auto at = [&](double r, double clockwiseFromTop) {
        const double t = (90.0 - clockwiseFromTop) * 3.14159265358979323846 / 180.0;
        return std::pair<int, int>{static_cast<int>(std::lround(cx + r * std::cos(t))),
                                   static_cast<int>(std::lround(cy - r * std::sin(t)))};
    };
    double start = 0;
    for (std::size_t i = 0; i < percents.size(); ++i) {
        const double span = 3.6 * percents[i];
        std::vector<std::pair<int, int>> pts = {{cx, cy}};
        for (double a = start; a < start + span; a += 4) pts.push_back(at(radius, a));
        pts.push_back(at(radius, start + span));
        f.poly(pts, fills[i % fills.size()]);
        start += span;
    }
    start = 0;
    for (std::size_t i = 0; i < percents.size(); ++i) {
        const double span = 3.6 * percents[i];
        const auto mid = at(radius * 0.58, start + span / 2);
        f.text(mid.first, mid.second - 8, 'c', names[i]);
        f.text(mid.first, mid.second + 8, 'c', shown[i]);
        start += span;
    }
}

Question pctPieChart(Rng& r, const std::string& k) {
    const std::vector<std::string> ways = {"Car", "Bus", "Train", "Walk"};
    std::vector<int> pcts(4);
    int people = 0;
    int missing = 0;
    for (;;) {
        int left = 20;  // fives; every sector at least three of them
        for (std::size_t i = 0; i < 3; ++i) {
            pcts[i] = r.range(3, std::min(9, left - 3 * static_cast<int>(3 - i))) * 5;
            left -= pcts[i] / 5;
        }
        pcts[3] = left * 5;
        std::vector<int> sorted = pcts;
        std::sort(sorted.begin(), sorted.end());
        if (pcts[3] < 15 || std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
            continue;
        break;
    }
    people = r.range(6, 40) * 20;
    missing = r.range(0, 3);
    const bool withMissing = k.size() > 1;
    std::vector<std::string> shown;
    std::string list;
    for (std::size_t i = 0; i < 4; ++i) {
        shown.push_back(withMissing && static_cast<int>(i) == missing ? "?" : S(pcts[i]) + "%");
        list += (list.empty() ? "" : ",") + S(pcts[i]);
    }
    // The question asks about a sector whose percentage is shown.
    int ask = r.range(0, 3);
    if (withMissing && ask == missing) ask = (ask + 1) % 4;
    QB q("pct_pie_chart", 2);
    q.param("people", people).param("pcts", list);
    q.p("The pie chart shows how the " + num(people) +
        " people who work in an office travel to "
        "work.");
    std::string sectors;
    for (std::size_t i = 0; i < 4; ++i)
        sectors += (i == 0 ? "" : i == 3 ? " and " : ", ") + ways[i] + " " +
                   (shown[i] == "?" ? std::string("marked with a question mark") : shown[i]);
    drawPieChart(q.figure(300, 200,
                          "A pie chart of how the people travel to work, in four sectors "
                          "going clockwise from the top: " + sectors + "."),
                 ways, pcts, shown);
    auto by = [&](int i) {
        const std::string& w = ways[static_cast<std::size_t>(i)];
        return w == "Walk" ? std::string("walk to work") : "travel by " + lowerCase(w);
    };
    const int askCount = people * pcts[static_cast<std::size_t>(ask)] / 100;
    if (!withMissing) {
        q.param("ask", ways[static_cast<std::size_t>(ask)]);
        q.p("How many people " + by(ask) + "?");
        const int p = pcts[static_cast<std::size_t>(ask)];
        step(q, "The chart shows " + ways[static_cast<std::size_t>(ask)] + " " + qty(p, "%") +
                    ", so find " + qty(p, "%") + " of " + num(people) + ".");
        percentOf(q, p, people);
        step(q, "So " + plural(askCount, "person", "people") + " " + by(ask) + ".");
        // Part of the people is fewer than all of them: so is every option.
        return answerNumber(
                   q, r, k[0], askCount, "people",
                   slipsAllowed(askCount,
                                {{Frac(p), "takes the percentage as the number of people"},
                                 {Frac(people * p, 10), "divides by 10 instead of 100"},
                                 {Frac(people - askCount), "is the people who do not " + by(ask)}},
                                {{Frac(people, 10), "finds 10% and stops there"},
                                 {Frac(askCount * 2), "doubles the right number"}},
                                [&](const Frac& v) { return v.isInt() && v < Frac(people); }))
            .done();
    }
    q.param("missing", ways[static_cast<std::size_t>(missing)]);
    const int missingCount = people * pcts[static_cast<std::size_t>(missing)] / 100;
    const int mp = pcts[static_cast<std::size_t>(missing)];
    std::string others;
    for (std::size_t i = 0; i < 4; ++i)
        if (static_cast<int>(i) != missing) others += " &minus; " + qty(pcts[i], "%");
    step(q, "(a) The sectors make 100%: 100%" + others + " = " + qty(mp, "%") + ".");
    percentOf(q, mp, people, "(b) ");
    std::vector<std::pair<std::string, std::string>> items = {
        {"What percentage of the people " + by(missing) + "?", "%"},
        {"How many people " + by(missing) + "?", "people"}};
    if (k == "NN")
        return q.subparts(items)
            .part('N', S(pcts[static_cast<std::size_t>(missing)]))
            .part('N', S(missingCount))
            .done();
    // (c) compares the largest and the smallest of the sectors whose percentage is shown
    int hi = -1;
    int lo = -1;
    for (int i = 0; i < 4; ++i) {
        if (i == missing) continue;
        if (hi < 0 || pcts[static_cast<std::size_t>(i)] > pcts[static_cast<std::size_t>(hi)])
            hi = i;
        if (lo < 0 || pcts[static_cast<std::size_t>(i)] < pcts[static_cast<std::size_t>(lo)])
            lo = i;
    }
    q.param("more", ways[static_cast<std::size_t>(hi)])
        .param("fewer", ways[static_cast<std::size_t>(lo)]);
    items.push_back({"How many more people " + by(hi) + " than " + by(lo) + "?", "people"});
    const int gap = pcts[static_cast<std::size_t>(hi)] - pcts[static_cast<std::size_t>(lo)];
    step(q, "(c) " + qty(pcts[static_cast<std::size_t>(hi)], "%") + " &minus; " +
                qty(pcts[static_cast<std::size_t>(lo)], "%") + " = " + qty(gap, "%") + ", and " +
                S(gap) + " &times; " + num(Frac(people, 100)) + " = " +
                plural(people * gap / 100, "person", "people") + ".");
    return q.subparts(items)
        .part('N', S(pcts[static_cast<std::size_t>(missing)]))
        .part('N', S(missingCount))
        .part('N',
              S(people * (pcts[static_cast<std::size_t>(hi)] - pcts[static_cast<std::size_t>(lo)]) /
                100))
        .done();
}

Question pctNumberLine(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int n, at, km;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        n = pickInt(r, {4, 5, 8, 10});
        at = r.range(1, n - 1);
        km = n * pickInt(r, {2, 3, 4, 5, 6});
        ans = Frac(at * 100, n);
        wrong = {Frac(at) /* the number of steps */, Frac(100) - ans /* the part still to go */,
                 Frac(km * at, n) /* the distance instead of the percentage */};
    } while (2 * at == n || !enoughWrong(ans, wrong));
    QB q("pct_number_line", 1);
    q.param("n", n).param("at", at).param("km", km);
    q.p("The number line shows a cycle ride of " + qty(km, "km") +
        " from home to the lake, in equal steps. The arrow shows how far " + who +
        " has cycled so far.");
    drawNumberLine(q.figure(300, 160,
                            "A number line from 0&nbsp;km at home to " + qty(km, "km") +
                                " at the lake, cut into " + numberWords(n) + " equal steps. An "
                                "arrow points to the mark " + numberWords(at) +
                                (at == 1 ? " step" : " steps") + " from 0&nbsp;km."),
                   n, "0 km", S(km) + " km", at);
    q.p("What percentage of the ride has " + who + " cycled?");
    step(q, "The whole ride is " + S(n) + " equal steps, and " + who + " has cycled " +
                plural(at, "step", "steps") + " of them.");
    asPercentage(q, at, n);
    return answerNumber(q, r, k[0], ans, "%",
                        std::vector<Slip>{
                            {wrong[0], "reads the number of steps as the percentage"},
                            {wrong[1], "is the part of the ride still to go"},
                            {wrong[2], "is the distance cycled in kilometres, not the "
                                       "percentage"}})
        .done();
}

Question pctTableBest(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const std::vector<std::string> subjects = {"Maths", "English", "Science", "History"};
    const std::size_t rows = k == "Q" ? 4 : 3;
    std::vector<int> got(rows), outOf(rows);
    for (;;) {
        for (std::size_t i = 0; i < rows; ++i) {
            outOf[i] = pickInt(r, {20, 25, 40, 50});
            do got[i] = r.range(outOf[i] / 2, outOf[i] - 1);
            while ((got[i] * 100) % outOf[i]);
        }
        std::vector<Frac> pct;
        for (std::size_t i = 0; i < rows; ++i) pct.push_back(Frac(got[i], outOf[i]));
        std::vector<Frac> sorted = pct;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) continue;
        const auto best =
            static_cast<std::size_t>(std::max_element(pct.begin(), pct.end()) - pct.begin());
        const auto mostMarks =
            static_cast<std::size_t>(std::max_element(got.begin(), got.end()) - got.begin());
        if (best == mostMarks) continue;  // the highest mark alone must not give it away
        std::string list;
        std::vector<std::vector<std::string>> table;
        for (std::size_t i = 0; i < rows; ++i) {
            table.push_back({subjects[i], S(got[i]), S(outOf[i])});
            list += (list.empty() ? "" : ",") + S(got[i]) + "/" + S(outOf[i]);
        }
        QB q("pct_table_best", 2);
        q.param("marks", list).param("who", who);
        q.p("The table shows " + who + "'s marks in some tests.");
        q.raw(tableHtml({"Subject", "Mark", "Out of"}, table));
        q.p("In which subject did " + who + " score the highest percentage?");
        step(q, "Tests out of different totals are compared as percentages: the mark over the "
                  "total, times 100.");
        std::string each;
        for (std::size_t i = 0; i < rows; ++i)
            each += (i == 0 ? "" : i + 1 == rows ? " and " : ", ") + subjects[i] + " " +
                    S(got[i]) + "/" + S(outOf[i]) + " &times; 100 = " +
                    qty(pct[i] * Frac(100), "%");
        step(q, each + ".");
        step(q, "The highest is " + qty(pct[best] * Frac(100), "%") + ", in " + subjects[best] +
                      ".");
        if (k == "Q") {
            std::vector<TextSlip> slips;
            for (std::size_t i = 0; i < rows; ++i)
                if (i != best)
                    slips.push_back({subjects[i], (i == mostMarks ? std::string(
                                                                        "has the highest mark, "
                                                                        "but it is only ")
                                                                  : std::string("is only ")) +
                                                      qty(pct[i] * Frac(100), "%")});
            return q.choice(r, subjects[best], slips).done();
        }
        q.note("Write the name of the subject.");
        q.answer();
        return q.part('T', subjects[best]).done();
    }
}

Question pctNutrition(Rng& r, const std::string& k) {
    const std::vector<std::string> what = {"Protein", "Fat", "Sugar", "Fibre"};
    int serving, ask;
    std::vector<int> grams(4);
    std::vector<Frac> wrong;
    for (;;) {
        serving = pickInt(r, {20, 25, 40, 50});
        int sum = 0;
        for (int& g : grams) {
            g = r.range(1, serving / 5);
            sum += g;
        }
        if (sum >= serving * 3 / 4) continue;
        ask = r.range(0, 3);
        const int g = grams[static_cast<std::size_t>(ask)];
        if ((g * 100) % serving) continue;
        const int ans = g * 100 / serving;
        wrong = {Frac(g) /* the grams read as a percentage */, Frac(100 - ans) /* the rest */,
                 Frac(g * 100, sum) /* a part of the listed masses, not of the serving */};
        if (enoughWrong(ans, wrong)) break;
    }
    std::vector<std::vector<std::string>> rows;
    std::string list;
    for (std::size_t i = 0; i < 4; ++i) {
        rows.push_back({what[i], qty(grams[i], "g")});
        list += (list.empty() ? "" : ",") + S(grams[i]);
    }
    const std::string asked = what[static_cast<std::size_t>(ask)];
    QB q("pct_nutrition", 2);
    q.param("serving", serving).param("grams", list).param("ask", asked);
    q.p("The label on a box of breakfast cereal shows what is in one " + qty(serving, "g") +
        " serving.");
    q.raw(tableHtml({"In one serving", "Mass"}, rows));
    q.p("What percentage of a serving is " + lowerCase(asked) + "?");
    step(q, asked + " is " + qty(grams[static_cast<std::size_t>(ask)], "g") + " of the " +
                qty(serving, "g") + " serving.");
    asPercentage(q, grams[static_cast<std::size_t>(ask)], serving);
    return answerNumber(q, r, k[0], grams[static_cast<std::size_t>(ask)] * 100 / serving, "%",
                        std::vector<Slip>{
                            {wrong[0], "reads the grams as the percentage"},
                            {wrong[1], "is the rest of the serving"},
                            {wrong[2], "compares with the masses in the table added up, not "
                                       "with the whole serving"}})
        .done();
}

Question pctBudget(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const std::vector<std::string> items = {"Rent", "Food", "Transport", "Savings", "Other"};
    std::vector<int> pcts(5);
    int income, missing;
    std::vector<Frac> wrong;
    for (;;) {
        // rent the largest share, then food; transport, savings and the rest smaller
        pcts = {r.range(5, 8) * 5, r.range(3, 6) * 5, r.range(1, 3) * 5, r.range(1, 4) * 5, 0};
        pcts[4] = 100 - pcts[0] - pcts[1] - pcts[2] - pcts[3];
        if (pcts[4] < 5 || pcts[4] >= pcts[1] || pcts[1] >= pcts[0]) continue;
        income = r.range(18, 48) * 100;
        missing = r.range(0, 4);
        const int m = pcts[static_cast<std::size_t>(missing)];
        wrong = {Frac(m) /* the percentage taken as dollars */,
                 Frac(income * (100 - m), 100) /* the rest of the income */,
                 Frac(income * m, 10) /* divided by 10, not 100 */};
        if (enoughWrong(income * m / 100, wrong)) break;
    }
    std::vector<std::vector<std::string>> rows;
    std::string list;
    for (std::size_t i = 0; i < 5; ++i) {
        const bool hidden = static_cast<int>(i) == missing;
        rows.push_back({items[i], hidden ? "?" : qty(pcts[i], "%")});
        list += (list.empty() ? "" : ",") + S(pcts[i]);
    }
    const std::string name = items[static_cast<std::size_t>(missing)];
    const int m = pcts[static_cast<std::size_t>(missing)];
    QB q("pct_budget", 2);
    q.param("income", income).param("pcts", list).param("missing", name);
    q.p(who + "'s family has an income of " + money(income) +
        " a month. The table shows how the income is shared out.");
    // Savings is not spending: the heading fits every row.
    q.raw(tableHtml({"Where the money goes", "Part of the income"}, rows));
    const std::string howMuch = "How much money a month goes to " + lowerCase(name) + "?";
    std::string others;
    for (std::size_t i = 0; i < 5; ++i)
        if (static_cast<int>(i) != missing) others += " &minus; " + qty(pcts[i], "%");
    step(q, std::string(k == "NN" ? "(a) " : "") + "The parts of the income make 100%: 100%" +
                others + " = " + qty(m, "%") + ".");
    percentOf(q, m, income, k == "NN" ? "(b) " : "", true);
    if (k == "NN") {
        q.subparts({{"What percentage of the income goes to " + lowerCase(name) + "?", "%"},
                    {howMuch, "dollars"}});
        return q.part('N', S(m)).part('N', S(income * m / 100)).done();
    }
    q.p(howMuch);
    // A part of the income is less than all of it: so is every option.
    return answerNumber(
               q, r, k[0], income * m / 100, "dollars",
               slipsAllowed(income * m / 100,
                            {{wrong[0], "takes the percentage as dollars"},
                             {wrong[1], "is the rest of the income"},
                             {wrong[2], "divides by 10 instead of 100"}},
                            {{Frac(income * m, 1000), "divides by 1000 instead of 100"},
                             {Frac(income, 10), "finds 10% and stops there"}},
                            [&](const Frac& v) { return v < Frac(income); }, true))
        .done();
}

Question pctTestTotal(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const std::vector<std::string> sections = {"Reading", "Writing", "Listening"};
    std::vector<int> got(3), outOf(3);
    int sumGot, sumOf;
    std::vector<Frac> wrong;
    for (;;) {
        for (std::size_t i = 0; i < 3; ++i) {
            outOf[i] = r.range(2, 8) * 5;
            got[i] = r.range(outOf[i] / 3, outOf[i]);
        }
        sumGot = std::accumulate(got.begin(), got.end(), 0);
        sumOf = std::accumulate(outOf.begin(), outOf.end(), 0);
        if ((sumGot * 100) % sumOf || outOf[0] == outOf[1] || outOf[1] == outOf[2]) continue;
        const Frac meanOfPercents = (Frac(got[0] * 100, outOf[0]) + Frac(got[1] * 100, outOf[1]) +
                                     Frac(got[2] * 100, outOf[2])) /
                                    Frac(3);
        const int ans = sumGot * 100 / sumOf;
        wrong = {Frac(sumGot) /* the marks read as a percentage */,
                 meanOfPercents /* the mean of the three percentages */,
                 Frac(100 - ans) /* the marks lost */};
        if (ans < 100 && enoughWrong(ans, wrong)) break;
    }
    std::vector<std::vector<std::string>> rows;
    std::string a, b;
    for (std::size_t i = 0; i < 3; ++i) {
        rows.push_back({sections[i], S(got[i]), S(outOf[i])});
        a += (a.empty() ? "" : ",") + S(got[i]);
        b += (b.empty() ? "" : ",") + S(outOf[i]);
    }
    QB q("pct_test_total", 2);
    q.param("got", a).param("of", b).param("who", who);
    q.p("A language test has three sections. The table shows " + who + "'s marks.");
    q.raw(tableHtml({"Section", "Marks scored", "Marks available"}, rows));
    const std::string ask = "What percentage of all the marks available did " + who + " score?";
    step(q, std::string(k == "NN" ? "(a) " : "") + "Marks scored: " + S(got[0]) + " + " +
                S(got[1]) + " + " + S(got[2]) + " = " + S(sumGot) + ".");
    step(q, std::string(k == "NN" ? "(b) " : "") + "Marks available: " + S(outOf[0]) + " + " +
                S(outOf[1]) + " + " + S(outOf[2]) + " = " + S(sumOf) + ".");
    asPercentage(q, sumGot, sumOf);
    if (k == "NN") {
        q.subparts({{"How many marks did " + who + " score altogether?", "marks"}, {ask, "%"}});
        return q.part('N', S(sumGot)).part('N', S(sumGot * 100 / sumOf)).done();
    }
    q.p(ask);
    // A part of the marks is less than 100% of them: so is every option.
    return answerNumber(
               q, r, k[0], sumGot * 100 / sumOf, "%",
               slipsAllowed(sumGot * 100 / sumOf,
                            {{wrong[0], "reads the marks scored as the percentage"},
                             {wrong[1], "takes the mean of the three sections' percentages"},
                             {wrong[2], "is the marks lost"}},
                            {{Frac(sumGot * 10, sumOf), "multiplies by 10 instead of 100"},
                             {Frac(sumGot, sumOf), "gives the decimal, not the percentage"}},
                            [](const Frac& v) { return v < Frac(100); }))
        .done();
}

}  // namespace

void addPercentagePictures(std::vector<Family>& out) {
    out.push_back({"pct_shaded", 7, {"N", "Q"}, pctShaded});
    out.push_back({"pct_shade_more", 7, {"N", "Q"}, pctShadeMore});
    out.push_back({"pct_bar_chart", 7, {"N", "Q", "NN"}, pctBarChart});
    out.push_back({"pct_pie_chart", 7, {"N", "Q", "NN", "NNN"}, pctPieChart});
    out.push_back({"pct_number_line", 7, {"N", "Q"}, pctNumberLine});
    out.push_back({"pct_table_best", 7, {"T", "Q"}, pctTableBest});
    out.push_back({"pct_nutrition", 7, {"N", "Q"}, pctNutrition});
    out.push_back({"pct_budget", 7, {"N", "Q", "NN"}, pctBudget});
    out.push_back({"pct_test_total", 7, {"N", "Q", "NN"}, pctTestTotal});
}
