// Percentage read from pictures and tables: shaded grids, bar and pie charts, a number line,
// a family budget, food labels and test results.

#include "drawing.h"
#include "families.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <tuple>

namespace {

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
    drawGrid(q.figure(300, 200, S(shaded) + " of " + S(cells) + " squares shaded"), rows, cols,
             shadeSome(r, cells, shaded));
    return answerNumber(q, r, k[0], ans, "%", wrong).done();
}

Question pctShadeMore(Rng& r, const std::string& k) {
    const std::vector<std::pair<int, int>> grids = {{2, 10}, {5, 5}, {4, 5}, {5, 10}, {4, 10}};
    int rows, cols, shaded, p, target;
    std::vector<Frac> wrong;
    do {
        std::tie(rows, cols) = r.pick(grids);
        p = r.range(4, 18) * 5;
        shaded = r.range(2, rows * cols / 2);
        target = p * rows * cols / 100;
        wrong = {Frac(target) /* all the squares to be shaded, not the extra ones */,
                 Frac(p - shaded) /* the percentage taken as squares */,
                 Frac(rows * cols - target) /* the squares left white */};
    } while ((p * rows * cols) % 100 || target <= shaded || !enoughWrong(target - shaded, wrong));
    const int cells = rows * cols;
    QB q("pct_shade_more", 2);
    q.param("rows", rows).param("cols", cols).param("shaded", shaded).param("p", p);
    q.p("The shape is divided into equal squares and some of them are shaded.");
    drawGrid(q.figure(300, 200, S(shaded) + " of " + S(cells) + " squares shaded"), rows, cols,
             shadeSome(r, cells, shaded));
    q.p("How many more squares must be shaded so that <b>" + qty(p, "%") +
        "</b> of the shape is shaded?");
    return answerNumber(q, r, k[0], target - shaded, "squares", wrong).done();
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
    drawBarChart(q.figure(300, 200, "bar chart of how the pupils travel to school"), bars, step,
                 "pupils");
    std::string how = ways[static_cast<std::size_t>(ask)];
    how = how == "Walk" ? "walk to school" : "come to school by " + lowerCase(how);
    if (k == "NN") {
        q.subparts({{"How many pupils are in the class?", "pupils"},
                    {"What percentage of the pupils " + how + "?", "%"}});
        return q.part('N', S(total)).part('N', S(pct)).done();
    }
    q.p("What percentage of the pupils " + how + "?");
    return answerNumber(q, r, k[0], pct, "%", wrong).done();
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
    drawPieChart(q.figure(300, 200, "pie chart of how people travel to work"), ways, pcts, shown);
    auto by = [&](int i) {
        const std::string& w = ways[static_cast<std::size_t>(i)];
        return w == "Walk" ? std::string("walk to work") : "travel by " + lowerCase(w);
    };
    const int askCount = people * pcts[static_cast<std::size_t>(ask)] / 100;
    if (!withMissing) {
        q.param("ask", ways[static_cast<std::size_t>(ask)]);
        q.p("How many people " + by(ask) + "?");
        const int p = pcts[static_cast<std::size_t>(ask)];
        return answerNumber(q, r, k[0], askCount, "people",
                            {Frac(p) /* the percentage taken as people */,
                             Frac(people * p, 10) /* divided by 10, not 100 */,
                             Frac(people - askCount) /* those who do not */})
            .done();
    }
    q.param("missing", ways[static_cast<std::size_t>(missing)]);
    const int missingCount = people * pcts[static_cast<std::size_t>(missing)] / 100;
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
    drawNumberLine(q.figure(300, 160, "number line from 0 km to " + S(km) + " km"), n, "0 km",
                   S(km) + " km", at);
    q.p("What percentage of the ride has " + who + " cycled?");
    return answerNumber(q, r, k[0], ans, "%", wrong).done();
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
        std::vector<std::string> wrong;
        for (std::size_t i = 0; i < rows; ++i) {
            table.push_back({subjects[i], S(got[i]), S(outOf[i])});
            list += (list.empty() ? "" : ",") + S(got[i]) + "/" + S(outOf[i]);
            if (i != best) wrong.push_back(subjects[i]);  // the other subjects
        }
        QB q("pct_table_best", 2);
        q.param("marks", list).param("who", who);
        q.p("The table shows " + who + "'s marks in some tests.");
        q.raw(tableHtml({"Subject", "Mark", "Out of"}, table));
        q.p("In which subject did " + who + " score the highest percentage?");
        if (k == "Q") return q.choice(r, subjects[best], wrong).done();
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
    return answerNumber(q, r, k[0], grams[static_cast<std::size_t>(ask)] * 100 / serving, "%",
                        wrong)
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
    q.raw(tableHtml({"Spent on", "Part of the income"}, rows));
    const std::string howMuch = "How much money a month goes to " + lowerCase(name) + "?";
    if (k == "NN") {
        q.subparts({{"What percentage of the income goes to " + lowerCase(name) + "?", "%"},
                    {howMuch, "dollars"}});
        return q.part('N', S(m)).part('N', S(income * m / 100)).done();
    }
    q.p(howMuch);
    return answerNumber(q, r, k[0], income * m / 100, "dollars", wrong).done();
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
    if (k == "NN") {
        q.subparts({{"How many marks did " + who + " score altogether?", "marks"}, {ask, "%"}});
        return q.part('N', S(sumGot)).part('N', S(sumGot * 100 / sumOf)).done();
    }
    q.p(ask);
    return answerNumber(q, r, k[0], sumGot * 100 / sumOf, "%", wrong).done();
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
