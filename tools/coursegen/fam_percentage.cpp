// Percentage: percentages of amounts, conversions, increase and discount, comparisons.

#include "drawing.h"
#include "families.h"

namespace {

const char* kSimplest = "Give your answer as a fraction in its simplest form, for example 3/4.";

Question pctOf(Rng& r, const std::string& k) {
    int p = 0;
    int n = 0;
    do {
        p = r.pick(std::vector<int>{5, 10, 15, 20, 25, 30, 35, 40, 45, 60, 75, 12, 8, 80, 90});
        n = r.range(2, 60) * 10;
    } while ((p * n) % 100);
    QB q("pct_of", 1);
    q.param("p", p).param("n", n);
    q.p("Find <b>" + S(p) + "% of " + S(n) + "</b>.");
    const int ans = p * n / 100;
    return q.number(r, k[0], ans, "", {n - ans, ans * 10, ans + p}).done();
}

Question pctToFraction(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    do p = r.range(2, 98);
    while (p % 10 == 0 || Frac(p, 100).d == 100);
    QB q("pct_to_fraction", 1);
    q.param("p", p);
    q.p("Write <b>" + S(p) + "%</b> as a fraction.");
    q.note(kSimplest);
    q.answer();
    return q.part('F', Frac(p, 100).text()).done();
}

Question fracToPct(Rng& r, const std::string& k) {
    const int d = r.pick(std::vector<int>{2, 4, 5, 10, 20, 25, 50});
    int n = 0;
    do n = r.range(1, d - 1);
    while (gcdInt(n, d) != 1);
    QB q("frac_to_pct", 1);
    q.param("n", n).param("d", d);
    q.p("Write <b>" + S(n) + "/" + S(d) + "</b> as a percentage.");
    const int ans = n * 100 / d;
    return q.number(r, k[0], ans, "%", {n * 10, 100 - ans, n + d}).done();
}

Question pctIncrease(Rng& r, const std::string& k) {
    int p = 0;
    int n = 0;
    do {
        p = r.pick(std::vector<int>{5, 10, 15, 20, 25, 30, 40, 50});
        n = r.range(4, 90) * 5;
    } while ((p * n) % 100);
    const bool up = r.chance(50);
    QB q("pct_change", 2);
    q.param("price", n).param("p", p).param("dir", up ? "up" : "down");
    if (up)
        q.p("A bicycle cost $" + S(n) + ". Its price goes up by " + S(p) +
            "%. What is the new price?");
    else
        q.p("A coat costs $" + S(n) + ". In a sale its price is reduced by " + S(p) +
            "%. What is the sale price?");
    const int change = p * n / 100;
    const int ans = up ? n + change : n - change;
    return q.number(r, k[0], ans, "dollars", {change, up ? n - change : n + change, n + p}).done();
}

Question pctPart(Rng& r, const std::string& k) {
    const int total = r.pick(std::vector<int>{20, 25, 40, 50, 200, 300, 400, 500});
    int part = 0;
    do part = r.range(2, total - 1);  // never "1 of the pupils wear"
    while ((part * 100) % total);
    const std::vector<std::string> what = {"wear glasses", "walk to school", "play the piano",
                                           "have a pet cat"};
    QB q("pct_part", 2);
    q.param("part", part).param("total", total);
    q.p(S(part) + " of the " + S(total) + " pupils in a " + (total <= 50 ? "class " : "school ") +
        r.pick(what) + ". What percentage of the pupils is that?");
    const int ans = part * 100 / total;
    return q.number(r, k[0], ans, "%", {100 - ans, part, ans + 5}).done();
}

Question pctLeft(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int a, b;
    do {
        a = r.range(2, 14) * 5;
        b = r.range(1, 12) * 5;
    } while (a + b >= 95);
    QB q("pct_left", 1);
    q.param("a", a).param("b", b).param("who", who);
    q.p(who + " spends " + S(a) + "% of a week's pocket money on comics and " + S(b) +
        "% on sweets, and saves the rest.");
    q.p("What percentage of the pocket money is saved?");
    return q.number(r, k[0], 100 - a - b, "%", {a + b, 100 - a, 100 - b}).done();
}

Question decToPct(Rng& r, const std::string& k) {
    const int h = r.range(1, 99);
    const bool toDecimal = r.chance(40);
    QB q("dec_pct", 1);
    q.param("h", h).param("to", toDecimal ? "decimal" : "percent");
    if (toDecimal) {
        q.p("Write <b>" + S(h) + "%</b> as a decimal.");
        return q.number(r, k[0], Frac(h, 100), "", {Frac(h, 10), Frac(h), Frac(h, 1000)}).done();
    }
    q.p("Write <b>" + Frac(h, 100).dec() + "</b> as a percentage.");
    return q.number(r, k[0], h, "%", {Frac(h, 10), Frac(h * 10), Frac(h, 100)}).done();
}

Question betterScore(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int a, b, c, d;
    do {
        b = r.pick(std::vector<int>{20, 25, 40, 50});
        d = r.pick(std::vector<int>{20, 25, 40, 50});
        a = r.range(b / 2, b - 1);
        c = r.range(d / 2, d - 1);
    } while (b == d || a * 100 % b || c * 100 % d || a * d == b * c || (a > c) == (a * d > b * c));
    QB q("better_score", 2);
    q.param("x", x).param("a", a).param("b", b).param("y", y).param("c", c).param("d", d);
    q.p("In a spelling test " + x + " scored " + S(a) + " out of " + S(b) + ". In a harder test " +
        y + " scored " + S(c) + " out of " + S(d) + ".");
    q.p("Who scored the higher percentage?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', a * d > b * c ? x : y).done();
}

Question discountTwo(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    int n = 0;
    do {
        p = r.pick(std::vector<int>{10, 15, 20, 25, 30, 35, 40});
        n = r.range(6, 90) * 5;
    } while ((p * n) % 100);
    QB q("discount_two", 2);
    q.param("price", n).param("p", p);
    q.p("A pair of trainers costs $" + S(n) + ". The shop gives " + S(p) + "% off in a sale.");
    q.subparts({{"How much money is taken off the price?", "dollars"},
                {"What is the sale price?", "dollars"}});
    return q.part('N', S(p * n / 100)).part('N', S(n - p * n / 100)).done();
}

Question classTwo(Rng& r, const std::string& k) {
    (void)k;
    int n = 0;
    int p = 0;
    do {
        n = r.pick(std::vector<int>{20, 25, 30, 32, 36, 40, 48, 50, 60});
        p = r.range(2, 18) * 5;
    } while ((n * p) % 100);
    QB q("class_two", 2);
    q.param("n", n).param("p", p);
    q.p("There are " + S(n) + " children in a club. " + S(p) + "% of them are girls.");
    q.subparts(
        {{"How many girls are in the club?", "girls"}, {"How many boys are in the club?", "boys"}});
    return q.part('N', S(n * p / 100)).part('N', S(n - n * p / 100)).done();
}

Question savingsThree(Rng& r, const std::string& k) {
    (void)k;
    const std::string who = r.pick(names());
    int n, p, s;
    do {
        n = r.range(4, 40) * 50;
        p = r.pick(std::vector<int>{10, 20, 25, 30, 40});
        s = r.pick(std::vector<int>{10, 20, 25, 50});
    } while ((n * p) % 100 || ((n - n * p / 100) * s) % 100);
    const int saved = n * p / 100;
    const int spent = (n - saved) * s / 100;
    QB q("savings_three", 3);
    q.param("n", n).param("p", p).param("s", s).param("who", who);
    q.p(who + " earned $" + S(n) + ". " + who + " saved " + S(p) + "% of it and then spent " +
        S(s) + "% of the rest on clothes.");
    q.subparts(
        {{"How much did " + who + " save?", "dollars"},
         {"How much did " + who + " spend on clothes?", "dollars"},
         {"How much of the $" + S(n) + " was left after saving and buying clothes?", "dollars"}});
    return q.part('N', S(saved)).part('N', S(spent)).part('N', S(n - saved - spent)).done();
}

Question reversePct(Rng& r, const std::string& k) {
    int p = 0;
    int whole = 0;
    do {
        p = r.pick(std::vector<int>{10, 20, 25, 40, 50, 60, 75});
        whole = r.range(2, 40) * 10;
    } while ((p * whole) % 100);
    QB q("reverse_pct", 3);
    q.param("p", p).param("part", p * whole / 100);
    q.p("<b>" + S(p) + "%</b> of a number is <b>" + S(p * whole / 100) +
        "</b>. What is the number?");
    return q.number(r, k[0], whole, "", {p * whole / 100 * p / 10, whole / 2, whole + 10}).done();
}

Question pctFractionLeft(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    do p = r.range(2, 19) * 5;
    while (p % 10 == 0 && r.chance(50));
    QB q("pct_fraction_left", 2);
    q.param("p", p);
    q.p("In a survey " + S(p) +
        "% of the people asked chose football. What fraction of the people did <b>not</b> choose "
        "football?");
    q.note(kSimplest);
    q.answer();
    return q.part('F', Frac(100 - p, 100).text()).done();
}

Question pctOrder(Rng& r, const std::string& k) {
    (void)k;
    // one value in each form; all four different
    for (;;) {
        const Frac pct(r.range(11, 89), 100);
        const Frac dec(r.range(11, 89), 100);
        const Frac fr(r.range(1, 7), 8);
        const int fifths = r.range(1, 4);
        const Frac f5(fifths, 5);
        std::vector<Frac> v = {pct, dec, fr, f5};
        bool close = false;
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = i + 1; j < 4; ++j)
                if (v[i] == v[j] || (v[i] - v[j] < Frac(2, 100) && v[j] - v[i] < Frac(2, 100)))
                    close = true;
        if (close) continue;
        const std::vector<std::string> shown = {S(pct.n * (100 / pct.d)) + "%", dec.dec(),
                                                fr.text(), f5.text()};
        const bool largest = r.chance(50);
        std::size_t best = 0;
        for (std::size_t i = 1; i < 4; ++i)
            if (largest ? v[i] > v[best] : v[i] < v[best]) best = i;
        std::vector<std::string> wrong;
        std::string list;
        for (std::size_t i = 0; i < 4; ++i) {
            list += (list.empty() ? "" : ",") + shown[i];
            if (i != best) wrong.push_back(shown[i]);
        }
        QB q("pct_order", 2);
        q.param("vals", list).param("which", largest ? "largest" : "smallest");
        q.p(std::string("Which of these is the <b>") + (largest ? "largest" : "smallest") +
            "</b>?");
        return q.choice(r, shown[best], wrong).done();
    }
}

// Shaded squares on a grid of 10, 20, 25 or 50; the learner turns them into a percentage.
std::vector<bool> shadeSome(Rng& r, int cells, int shaded) {
    std::vector<int> order(static_cast<std::size_t>(cells));
    for (int i = 0; i < cells; ++i) order[static_cast<std::size_t>(i)] = i;
    r.shuffle(order);
    std::vector<bool> on(static_cast<std::size_t>(cells), false);
    for (int i = 0; i < shaded; ++i)
        on[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    return on;
}

Question pctShaded(Rng& r, const std::string& k) {
    const std::vector<std::pair<int, int>> grids = {{1, 10}, {2, 10}, {5, 5}, {5, 10}, {4, 5}};
    const auto [rows, cols] = r.pick(grids);
    const int cells = rows * cols;
    const int shaded = r.range(1, cells - 1);
    QB q("pct_shaded", 1);
    q.param("rows", rows).param("cols", cols).param("shaded", shaded);
    q.p("The shape is divided into equal squares. What percentage of the shape is shaded?");
    drawGrid(q.figure(300, 200, S(shaded) + " of " + S(cells) + " squares shaded"), rows, cols,
             shadeSome(r, cells, shaded));
    const Frac ans = Frac(shaded * 100, cells);
    return q.number(r, k[0], ans, "%", {Frac(shaded), Frac(100) - ans, ans + Frac(5)}).done();
}

}  // namespace

void addPercentage(std::vector<Family>& out) {
    out.push_back({"pct_of", 7, {"N", "Q"}, pctOf});
    out.push_back({"pct_to_fraction", 7, {"F"}, pctToFraction});
    out.push_back({"frac_to_pct", 7, {"N", "Q"}, fracToPct});
    out.push_back({"pct_change", 7, {"N", "Q"}, pctIncrease});
    out.push_back({"pct_part", 7, {"N", "Q"}, pctPart});
    out.push_back({"pct_left", 7, {"N", "Q"}, pctLeft});
    out.push_back({"dec_pct", 7, {"N", "Q"}, decToPct});
    out.push_back({"better_score", 7, {"T"}, betterScore});
    out.push_back({"discount_two", 7, {"NN"}, discountTwo});
    out.push_back({"class_two", 7, {"NN"}, classTwo});
    out.push_back({"savings_three", 7, {"NNN"}, savingsThree});
    out.push_back({"reverse_pct", 7, {"N"}, reversePct});
    out.push_back({"pct_fraction_left", 7, {"F"}, pctFractionLeft});
    out.push_back({"pct_order", 7, {"Q"}, pctOrder});
    out.push_back({"pct_shaded", 7, {"N", "Q"}, pctShaded});
}
