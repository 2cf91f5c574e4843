// Ratio and Proportions: simplest form, sharing, unitary method, recipes, ratio and fractions.

#include "drawing.h"
#include "families.h"

namespace {

const char* kRatioNote = "Give the ratio in its simplest form, for example 2:3.";

std::string ratio(std::vector<int> v) {
    int g = 0;
    for (int x : v) g = gcdInt(g, x);
    std::string s;
    for (int x : v) s += (s.empty() ? "" : ":") + S(x / g);
    return s;
}

Question ratioSimplify(Rng& r, const std::string& k) {
    (void)k;
    int a, b;
    do {
        a = r.range(1, 12);
        b = r.range(1, 12);
    } while (a == b || gcdInt(a, b) != 1);
    const int m = r.range(2, 12);
    QB q("ratio_simplify", 1);
    q.param("a", a * m).param("b", b * m);
    q.p("Write the ratio <b>" + S(a * m) + " : " + S(b * m) + "</b> in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', ratio({a * m, b * m})).done();
}

Question ratioThree(Rng& r, const std::string& k) {
    (void)k;
    int a, b, c;
    do {
        a = r.range(1, 9);
        b = r.range(1, 9);
        c = r.range(1, 9);
    } while (gcdInt(gcdInt(a, b), c) != 1 || (a == b && b == c));
    const int m = r.range(2, 10);
    QB q("ratio_three", 2);
    q.param("a", a * m).param("b", b * m).param("c", c * m);
    q.p("Write the ratio <b>" + S(a * m) + " : " + S(b * m) + " : " + S(c * m) +
        "</b> in its simplest form.");
    q.note("Give the ratio in its simplest form, for example 5:3:2.");
    q.answer();
    return q.part('R', ratio({a * m, b * m, c * m})).done();
}

Question ratioCount(Rng& r, const std::string& k) {
    (void)k;
    int boys, girls;
    do {
        boys = r.range(6, 30);
        girls = r.range(6, 30);
    } while (boys == girls || gcdInt(boys, girls) == 1);
    const int ask = r.range(0, 2);
    QB q("ratio_count", 2);
    q.param("boys", boys)
        .param("girls", girls)
        .param("ask", ask == 0   ? "boys:girls"
                      : ask == 1 ? "girls:boys"
                                 : "boys:all");
    q.p("In a choir there are " + S(boys) + " boys and " + S(girls) + " girls.");
    if (ask == 0)
        q.p("What is the ratio of the number of boys to the number of girls?");
    else if (ask == 1)
        q.p("What is the ratio of the number of girls to the number of boys?");
    else
        q.p("What is the ratio of the number of boys to the number of children in the choir?");
    q.note(kRatioNote);
    q.answer();
    const std::string key = ask == 0   ? ratio({boys, girls})
                            : ask == 1 ? ratio({girls, boys})
                                       : ratio({boys, boys + girls});
    return q.part('R', key).done();
}

Question ratioShare(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int a, b;
    do {
        a = r.range(1, 9);
        b = r.range(1, 9);
    } while (a == b || gcdInt(a, b) != 1);
    const int unit = r.range(2, 40);
    const int total = (a + b) * unit;
    const bool askFirst = r.chance(50);
    QB q("ratio_share", 2);
    q.param("total", total).param("a", a).param("b", b).param("ask", askFirst ? "first" : "second");
    q.p(x + " and " + y + " share $" + S(total) + " in the ratio " + S(a) + " : " + S(b) + ".");
    q.p("How much does " + (askFirst ? x : y) + " get?");
    const int ans = (askFirst ? a : b) * unit;
    return q
        .number(r, k[0], ans, "dollars",
                {(askFirst ? b : a) * unit, total / (askFirst ? a : b), unit})
        .done();
}

Question ratioFraction(Rng& r, const std::string& k) {
    (void)k;
    int a, b;
    do {
        a = r.range(1, 9);
        b = r.range(1, 9);
    } while (a == b || gcdInt(a, b) != 1);
    QB q("ratio_fraction", 2);
    q.param("a", a).param("b", b);
    q.p("The ratio of red beads to blue beads in a bag is " + S(a) + " : " + S(b) +
        ". There are no other beads.");
    q.p("What fraction of the beads are red?");
    q.note("Give your answer as a fraction in its simplest form, for example 3/4.");
    q.answer();
    return q.part('F', Frac(a, a + b).text()).done();
}

Question unitary(Rng& r, const std::string& k) {
    const int n = r.range(2, 8);
    const Frac each(r.range(15, 240), 20);
    int m = 0;
    do m = r.range(3, 15);
    while (m == n);
    const std::vector<std::string> things = {"pens", "apples", "bus tickets", "notebooks",
                                             "cupcakes"};
    const std::string thing = r.pick(things);
    QB q("unitary", 2);
    q.param("n", n).paramDec("cost", each * Frac(n)).param("m", m);
    q.p(S(n) + " " + thing + " cost " + money(each * Frac(n)) + ". How much do " + S(m) + " " +
        thing + " cost?");
    const Frac ans = each * Frac(m);
    return q.number(r, k[0], ans, "dollars", {each * Frac(n) * Frac(m), ans + each, each}).done();
}

Question ratioMissing(Rng& r, const std::string& k) {
    int a, b;
    do {
        a = r.range(1, 9);
        b = r.range(1, 9);
    } while (a == b || gcdInt(a, b) != 1);
    const int m = r.range(2, 12);
    QB q("ratio_missing", 1);
    q.param("a", a).param("b", b).param("first", a * m);
    q.p("The ratio of cats to dogs at a rescue centre is " + S(a) + " : " + S(b) + ". There are " +
        S(a * m) + " cats.");
    q.p("How many dogs are there?");
    return q.number(r, k[0], b * m, "dogs", {a * m + b, (a + b) * m, b * m + b}).done();
}

Question recipe(Rng& r, const std::string& k) {
    const int people = r.pick(std::vector<int>{2, 4, 6, 8});
    int want = 0;
    do want = r.pick(std::vector<int>{3, 5, 6, 9, 10, 12, 15, 16, 20});
    while (want == people);
    int grams = 0;
    do grams = r.range(2, 30) * 25;
    while ((grams * want) % people);
    QB q("recipe", 2);
    q.param("people", people).param("grams", grams).param("want", want);
    q.p("A recipe for " + S(people) + " people uses " + S(grams) + " g of flour.");
    q.p("How much flour is needed for " + S(want) + " people?");
    const int ans = grams * want / people;
    return q.number(r, k[0], ans, "g", {grams * want, grams + want - people, ans + 25}).done();
}

Question strongerDrink(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int a, b, c, d;
    do {
        a = r.range(1, 6);
        b = r.range(2, 9);
        c = r.range(1, 6);
        d = r.range(2, 9);
    } while (a * (c + d) == c * (a + b) || (a > c) == (a * (c + d) > c * (a + b)));
    QB q("stronger_drink", 2);
    q.param("x", x).param("a", a).param("b", b).param("y", y).param("c", c).param("d", d);
    q.p(x + " mixes orange squash and water in the ratio " + S(a) + " : " + S(b) + ". " + y +
        " mixes them in the ratio " + S(c) + " : " + S(d) + ".");
    q.p("Whose drink has the greater fraction of squash?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', a * (c + d) > c * (a + b) ? x : y).done();
}

Question ratioDifference(Rng& r, const std::string& k) {
    int a, b;
    do {
        a = r.range(2, 9);
        b = r.range(1, 8);
    } while (a <= b || gcdInt(a, b) != 1);
    const int unit = r.range(2, 15);
    QB q("ratio_difference", 3);
    q.param("a", a).param("b", b).param("diff", (a - b) * unit);
    q.p("The ratio of adults to children at a concert is " + S(a) + " : " + S(b) + ". There are " +
        S((a - b) * unit) + " more adults than children.");
    q.p("How many people are at the concert altogether?");
    return q
        .number(r, k[0], (a + b) * unit, "people", {a * unit, (a - b) * unit * (a + b), b * unit})
        .done();
}

Question ratioMoney(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int a, b;
    do {
        a = r.range(4, 60);
        b = r.range(4, 60);
    } while (a == b || gcdInt(a, b) == 1);
    const bool cents = r.chance(40);
    QB q("ratio_money", 2);
    q.param("x", x).param("a", a).param("y", y).param("b", b).param("units",
                                                                    cents ? "mixed" : "dollars");
    if (cents)
        q.p(x + " has $" + S(a) + " and " + y + " has " + S(b * 100) +
            " cents. What is the ratio of " + x + "'s money to " + y + "'s money?");
    else
        q.p(x + " has $" + S(a) + " and " + y + " has $" + S(b) + ". What is the ratio of " + x +
            "'s money to " + y + "'s money?");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', ratio({a, b})).done();
}

Question ratioThreeShare(Rng& r, const std::string& k) {
    int a, b, c;
    do {
        a = r.range(1, 7);
        b = r.range(1, 7);
        c = r.range(1, 7);
    } while (a == b || b == c || a == c);
    const int unit = r.range(2, 20);
    const std::vector<std::string> colours = {"red", "blue", "green"};
    const int ask = r.range(0, 2);
    QB q("ratio_three_share", 2);
    q.param("a", a)
        .param("b", b)
        .param("c", c)
        .param("total", (a + b + c) * unit)
        .param("ask", colours[static_cast<std::size_t>(ask)]);
    q.p("A box holds " + S((a + b + c) * unit) + " red, blue and green pencils in the ratio " +
        S(a) + " : " + S(b) + " : " + S(c) + ".");
    q.p("How many " + colours[static_cast<std::size_t>(ask)] + " pencils are there?");
    const int parts[3] = {a, b, c};
    return q
        .number(r, k[0], parts[ask] * unit, "pencils",
                {unit, parts[(ask + 1) % 3] * unit, parts[ask] * unit + unit})
        .done();
}

Question mapScale(Rng& r, const std::string& k) {
    const int scale = r.pick(std::vector<int>{10000, 20000, 25000, 50000, 100000});
    const int cm = r.range(2, 15);
    const bool toKm = r.chance(60);
    QB q("map_scale", 2);
    q.param("scale", scale).param("cm", cm).param("to", toKm ? "km" : "m");
    q.p("The scale of a map is <b>1 : " + S(scale) + "</b>. Two towns are " + S(cm) +
        " cm apart on the map.");
    q.p(std::string("How far apart are they in real life, in ") + (toKm ? "kilometres" : "metres") +
        "?");
    const Frac metres = Frac(cm) * Frac(scale) / Frac(100);
    const Frac ans = toKm ? metres / Frac(1000) : metres;
    return q
        .number(r, k[0], ans, toKm ? "km" : "m", {ans * Frac(10), ans / Frac(10), ans * Frac(100)})
        .done();
}

Question ratioShaded(Rng& r, const std::string& k) {
    (void)k;
    const int rows = r.range(2, 4);
    const int cols = r.range(4, 6);
    const int cells = rows * cols;
    int shaded = 0;
    do shaded = r.range(2, cells - 2);
    while ((gcdInt(shaded, cells - shaded) == 1 && r.chance(70)) || 2 * shaded == cells);
    std::vector<int> order(static_cast<std::size_t>(cells));
    for (int i = 0; i < cells; ++i) order[static_cast<std::size_t>(i)] = i;
    r.shuffle(order);
    std::vector<bool> on(static_cast<std::size_t>(cells), false);
    for (int i = 0; i < shaded; ++i)
        on[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    const bool shadedFirst = r.chance(50);
    QB q("ratio_shaded", 2);
    q.param("rows", rows)
        .param("cols", cols)
        .param("shaded", shaded)
        .param("order", shadedFirst ? "shaded:white" : "white:shaded");
    q.p(std::string("What is the ratio of ") +
        (shadedFirst ? "shaded squares to white squares" : "white squares to shaded squares") +
        " in the shape?");
    drawGrid(q.figure(300, 200, S(shaded) + " of " + S(cells) + " squares shaded"), rows, cols, on);
    q.note(kRatioNote);
    q.answer();
    return q
        .part('R', shadedFirst ? ratio({shaded, cells - shaded}) : ratio({cells - shaded, shaded}))
        .done();
}

}  // namespace

void addRatio(std::vector<Family>& out) {
    out.push_back({"ratio_simplify", 8, {"R"}, ratioSimplify});
    out.push_back({"ratio_three", 8, {"R"}, ratioThree});
    out.push_back({"ratio_count", 8, {"R"}, ratioCount});
    out.push_back({"ratio_share", 8, {"N", "Q"}, ratioShare});
    out.push_back({"ratio_fraction", 8, {"F"}, ratioFraction});
    out.push_back({"unitary", 8, {"N", "Q"}, unitary});
    out.push_back({"ratio_missing", 8, {"N", "Q"}, ratioMissing});
    out.push_back({"recipe", 8, {"N", "Q"}, recipe});
    out.push_back({"stronger_drink", 8, {"T"}, strongerDrink});
    out.push_back({"ratio_difference", 8, {"N", "Q"}, ratioDifference});
    out.push_back({"ratio_money", 8, {"R"}, ratioMoney});
    out.push_back({"ratio_three_share", 8, {"N", "Q"}, ratioThreeShare});
    out.push_back({"map_scale", 8, {"N", "Q"}, mapScale});
    out.push_back({"ratio_shaded", 8, {"R"}, ratioShaded});
}
