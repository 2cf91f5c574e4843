// Ratio and Proportions told in words: simplest form (with units, decimals and fractions),
// sharing, the unitary method, direct and inverse proportion, scales, recipes, and reasoning
// about ratios. Tables, charts and pictures are in fam_ratio_pictures.cpp.

#include "drawing.h"
#include "families.h"

#include <algorithm>
#include <tuple>

namespace {

const char* kRatioNote = "Give the ratio in its simplest form, for example 2:3.";
const char* kRatioNote3 = "Give the ratio in its simplest form, for example 5:3:2.";

// Two different whole numbers from lo to hi with no common factor.
std::pair<int, int> coprimePair(Rng& r, int lo, int hi) {
    int a, b;
    do {
        a = r.range(lo, hi);
        b = r.range(lo, hi);
    } while (a == b || gcdInt(a, b) != 1);
    return {a, b};
}

Question ratioSimplify(Rng& r, const std::string& k) {
    (void)k;
    const auto [a, b] = coprimePair(r, 1, 12);
    const int m = r.range(2, 12);
    QB q("ratio_simplify", 1);
    q.param("a", a * m).param("b", b * m);
    q.p("Write the ratio <b>" + shownRatio(S(a * m), S(b * m)) + "</b> in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', simplestRatio({a * m, b * m})).done();
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
    q.note(kRatioNote3);
    q.answer();
    return q.part('R', simplestRatio({a * m, b * m, c * m})).done();
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
    const std::string key = ask == 0   ? simplestRatio({boys, girls})
                            : ask == 1 ? simplestRatio({girls, boys})
                                       : simplestRatio({boys, boys + girls});
    return q.part('R', key).done();
}

Question ratioShare(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int a, b, unit, total;
    bool askFirst;
    std::vector<Frac> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        unit = r.range(2, 40);
        total = (a + b) * unit;
        askFirst = r.chance(50);
        wrong = {Frac((askFirst ? b : a) * unit) /* the other share */,
                 Frac(total, askFirst ? a : b) /* divided by the share's own part */,
                 Frac(unit) /* one part only */};
    } while (!enoughWrong((askFirst ? a : b) * unit, wrong, true));
    QB q("ratio_share", 2);
    q.param("total", total).param("a", a).param("b", b).param("ask", askFirst ? "first" : "second");
    q.p(x + " and " + y + " share " + money(total) + " in the ratio " + shownRatio(S(a), S(b)) +
        ".");
    q.p("How much does " + (askFirst ? x : y) + " get?");
    const int ans = (askFirst ? a : b) * unit;
    return answerNumber(q, r, k[0], ans, "dollars", wrong).done();
}

Question ratioFraction(Rng& r, const std::string& k) {
    (void)k;
    const auto [a, b] = coprimePair(r, 1, 9);
    QB q("ratio_fraction", 2);
    q.param("a", a).param("b", b);
    q.p("The ratio of red beads to blue beads in a bag is " + shownRatio(S(a), S(b)) +
        ". There are no other beads.");
    q.p("What fraction of the beads are red?");
    q.note("Give your answer as a fraction in its simplest form, for example 3/4.");
    q.answer();
    return q.part('F', Frac(a, a + b).text()).done();
}

// Things sold singly, with a price a learner knows from the shops (in cents, dearest last).
struct Item {
    const char* many;
    int lowCents;
    int highCents;
};

Question unitary(Rng& r, const std::string& k) {
    static const std::vector<Item> items = {{"pens", 50, 250},
                                            {"apples", 30, 80},
                                            {"bus tickets", 150, 350},
                                            {"notebooks", 120, 400},
                                            {"cupcakes", 100, 300}};
    const Item& item = r.pick(items);
    const int n = r.range(2, 8);
    const Frac each(r.range(item.lowCents / 5, item.highCents / 5) * 5, 100);
    int m = 0;
    do m = r.range(3, 15);
    while (m == n);
    QB q("unitary", 2);
    q.param("n", n).paramDec("cost", each * Frac(n)).param("m", m);
    q.p(capitalised(numberWords(n)) + " " + item.many + " cost " + money(each * Frac(n)) +
        ". How much do " + S(m) + " " + item.many + " cost?");
    const Frac ans = each * Frac(m);
    return answerNumber(
               q, r, k[0], ans, "dollars",
               {each * Frac(n) * Frac(m) /* multiplied by the count, not the price of one */,
                ans + each /* one too many */, each /* the price of one */})
        .done();
}

Question ratioMissing(Rng& r, const std::string& k) {
    int a, b, m;
    std::vector<Frac> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        m = r.range(2, 12);
        wrong = {Frac(a * m + b) /* added instead of multiplied */,
                 Frac((a + b) * m) /* the cats and dogs together */,
                 Frac(b * m + b) /* one part too many */};
    } while (!enoughWrong(b * m, wrong));
    QB q("ratio_missing", 1);
    q.param("a", a).param("b", b).param("first", a * m);
    q.p("The ratio of cats to dogs at a rescue centre is " + shownRatio(S(a), S(b)) +
        ". There are " + S(a * m) + " cats.");
    q.p("How many dogs are there?");
    return answerNumber(q, r, k[0], b * m, "dogs", wrong).done();
}

Question recipe(Rng& r, const std::string& k) {
    const int people = pickInt(r, {2, 4, 6, 8});
    int want = 0;
    do want = pickInt(r, {3, 5, 6, 9, 10, 12, 15, 16, 20});
    while (want == people);
    int grams = 0;
    std::vector<Frac> wrong;
    do {
        grams = r.range(2, 30) * 25;
        wrong = {Frac(grams * want) /* multiplied without dividing by the people of the recipe */,
                 Frac(grams + want - people) /* added the extra people as grams */,
                 Frac(grams * people, want) /* scaled the wrong way */,
                 Frac(grams * (want - people)) /* multiplied by the extra people */};
    } while ((grams * want) % people || !enoughWrong(grams * want / people, wrong));
    QB q("recipe", 2);
    q.param("people", people).param("grams", grams).param("want", want);
    q.p("A recipe for " + S(people) + " people uses " + qty(grams, "g") + " of flour.");
    q.p("How much flour is needed for " + S(want) + " people?");
    const int ans = grams * want / people;
    return answerNumber(q, r, k[0], ans, "g", wrong).done();
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
    q.p(x + " mixes orange squash and water in the ratio " + shownRatio(S(a), S(b)) + ". " + y +
        " mixes them in the ratio " + shownRatio(S(c), S(d)) + ".");
    q.p("Whose drink has the greater fraction of squash?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', a * (c + d) > c * (a + b) ? x : y).done();
}

Question ratioDifference(Rng& r, const std::string& k) {
    int a, b, unit;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(1, 8);
        unit = r.range(2, 15);
        wrong = {Frac(a * unit) /* the adults only */,
                 Frac((a - b) * unit * (a + b)) /* the difference taken as one part */,
                 Frac(b * unit) /* the children only */};
    } while (a <= b || gcdInt(a, b) != 1 || !enoughWrong((a + b) * unit, wrong));
    QB q("ratio_difference", 3);
    q.param("a", a).param("b", b).param("diff", (a - b) * unit);
    q.p("The ratio of adults to children at a concert is " + shownRatio(S(a), S(b)) +
        ". There are " + S((a - b) * unit) + " more adults than children.");
    q.p("How many people are at the concert altogether?");
    return answerNumber(q, r, k[0], (a + b) * unit, "people", wrong).done();
}

Question ratioMoney(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    const bool cents = r.chance(40);
    int a, b;  // dollars, and dollars or cents
    do {
        a = r.range(2, 40);
        b = cents ? r.range(3, 19) * 25 : r.range(2, 40);
    } while (cents ? b % 100 == 0 : a == b || gcdInt(a, b) == 1);
    QB q("ratio_money", 2);
    q.param("x", x).param("a", a).param("y", y).param("b", b).param("units",
                                                                    cents ? "cents" : "dollars");
    const std::string yMoney = cents ? qty(b, "cents") : money(b);
    q.p(x + " has " + money(a) + " and " + y + " has " + yMoney + ". What is the ratio of " + x +
        "'s money to " + y + "'s money?");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', cents ? simplestRatio({a * 100, b}) : simplestRatio({a, b})).done();
}

Question ratioThreeShare(Rng& r, const std::string& k) {
    int a, b, c, unit, ask;
    std::vector<Frac> wrong;
    do {
        a = r.range(1, 7);
        b = r.range(1, 7);
        c = r.range(1, 7);
        unit = r.range(2, 20);
        ask = r.range(0, 2);
        const int parts[3] = {a, b, c};
        wrong = {Frac(unit) /* one part only */,
                 Frac(parts[(ask + 1) % 3] * unit) /* the next colour's share */,
                 Frac(parts[ask] * unit + unit) /* one part too many */};
    } while (a == b || b == c || a == c ||
             !enoughWrong(std::vector<int>{a, b, c}[static_cast<std::size_t>(ask)] * unit, wrong));
    const std::vector<std::string> colours = {"red", "blue", "green"};
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
    return answerNumber(q, r, k[0], parts[ask] * unit, "pencils", wrong).done();
}

Question mapScale(Rng& r, const std::string& k) {
    const int scale = pickInt(r, {10000, 20000, 25000, 50000, 100000});
    const int cm = r.range(2, 15);
    const bool toKm = r.chance(60);
    QB q("map_scale", 2);
    q.param("scale", scale).param("cm", cm).param("to", toKm ? "km" : "m");
    q.p("The scale of a map is <b>1 : " + num(scale) + "</b>. Two towns are " + qty(cm, "cm") +
        " apart on the map.");
    q.p(std::string("How far apart are they in real life, in ") + (toKm ? "kilometres" : "metres") +
        "?");
    const Frac metres = Frac(cm) * Frac(scale) / Frac(100);
    const Frac ans = toKm ? metres / Frac(1000) : metres;
    return answerNumber(q, r, k[0], ans, toKm ? "km" : "m",
                        {ans * Frac(10) /* a place-value slip in the units */,
                         ans / Frac(10) /* the other way */,
                         ans * Frac(100) /* centimetres taken as metres */})
        .done();
}

// ---- Simplest form in harder dress ----

struct UnitPair {
    const char* small;
    const char* large;
    const char* largeOne;  // the large unit after 1
    int factor;
};
const std::vector<UnitPair>& unitPairs() {
    static const std::vector<UnitPair> pairs = {{"cm", "m", "m", 100},
                                                {"g", "kg", "kg", 1000},
                                                {"minutes", "hours", "hour", 60},
                                                {"ml", "litres", "litre", 1000}};
    return pairs;
}

Question ratioUnits(Rng& r, const std::string& k) {
    (void)k;
    const int which = r.range(0, 3);
    const UnitPair& u = unitPairs()[static_cast<std::size_t>(which)];
    int small, large;
    do {
        large = r.range(1, 4);
        small = r.range(1, u.factor * 3 / 20) * (u.factor == 60 ? 5 : 10);
    } while (small >= large * u.factor || gcdInt(small, large * u.factor) == small);
    QB q("ratio_units", 2);
    q.param("small", small).param("unit", u.small).param("large", large).param("of", u.large);
    q.p("Write the ratio <b>" +
        shownRatio(qty(small, u.small), qty(large, large == 1 ? u.largeOne : u.large)) +
        "</b> in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', simplestRatio({small, large * u.factor})).done();
}

Question ratioDecimals(Rng& r, const std::string& k) {
    (void)k;
    Frac x, y;
    int a, b;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        const Frac scale(r.range(1, 9), pickInt(r, {2, 4, 10}));
        x = Frac(a) * scale;
        y = Frac(b) * scale;
    } while (x.isInt() && y.isInt());
    QB q("ratio_decimals", 2);
    q.paramDec("x", x).paramDec("y", y);
    q.p("Write the ratio <b>" + shownRatio(num(x), num(y)) + "</b> in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', simplestRatio({a, b})).done();
}

Question ratioOfFractions(Rng& r, const std::string& k) {
    (void)k;
    Frac x, y;
    do {
        const int d1 = r.range(2, 9);
        const int d2 = r.range(2, 9);
        x = Frac(r.range(1, d1 - 1), d1);
        y = Frac(r.range(1, d2 - 1), d2);
    } while (x == y || x.d == y.d || x.isInt() || y.isInt());
    QB q("ratio_of_fractions", 3);
    q.paramFrac("x", x).paramFrac("y", y);
    q.p("Write the ratio <b>" + shownRatio(fracHtml(x), fracHtml(y)) +
        "</b> as a ratio of whole numbers in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', simplestRatio({static_cast<int>(x.n * y.d), static_cast<int>(y.n * x.d)}))
        .done();
}

Question ratioFromFraction(Rng& r, const std::string& k) {
    (void)k;
    int n, d;
    do {
        d = r.range(3, 12);
        n = r.range(1, d - 1);
    } while (gcdInt(n, d) != 1 || 2 * n == d);
    const bool redFirst = r.chance(50);
    QB q("ratio_from_fraction", 2);
    q.param("n", n).param("d", d).param("order", redFirst ? "red:yellow" : "yellow:red");
    q.p(fracHtml(Frac(n, d)) + " of the sweets in a bag are red and all the others are yellow.");
    q.p(std::string("What is the ratio of ") +
        (redFirst ? "red sweets to yellow sweets" : "yellow sweets to red sweets") + "?");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', redFirst ? simplestRatio({n, d - n}) : simplestRatio({d - n, n})).done();
}

Question ratioFromPercent(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    do p = r.range(1, 19) * 5;
    while (p == 50);
    const bool boysFirst = r.chance(50);
    QB q("ratio_from_percent", 2);
    q.param("p", p).param("order", boysFirst ? "boys:girls" : "girls:boys");
    q.p(qty(p, "%") + " of the members of a chess club are boys and the rest are girls.");
    q.p(std::string("What is the ratio of ") + (boysFirst ? "boys to girls" : "girls to boys") +
        " in the club?");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', boysFirst ? simplestRatio({p, 100 - p}) : simplestRatio({100 - p, p}))
        .done();
}

Question ratioAfterChange(Rng& r, const std::string& k) {
    (void)k;
    int a, b, unit, join;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        unit = r.range(2, 8);
        join = r.range(1, 12);
    } while (simplestRatio({a * unit + join, b * unit}) == simplestRatio({a, b}) ||
             simplestRatio({a * unit + join, b * unit}) == "1:1");
    QB q("ratio_after_change", 3);
    q.param("a", a).param("b", b).param("boys", a * unit).param("join", join);
    q.p("In a choir the ratio of boys to girls is " + shownRatio(S(a), S(b)) + ". There are " +
        S(a * unit) + " boys.");
    q.p("Then " + plural(join, "more boy joins", "more boys join") +
        " the choir. What is the ratio of boys to girls now?");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', simplestRatio({a * unit + join, b * unit})).done();
}

Question ratioFixMistake(Rng& r, const std::string& k) {
    (void)k;
    const std::string who = r.pick(names());
    const auto [a, b] = coprimePair(r, 1, 9);
    const int m = pickInt(r, {4, 6, 8, 9, 10, 12});
    int g = 0;  // a factor of the common factor m, not all of it
    do g = r.range(2, m - 1);
    while (m % g);
    const bool early = r.chance(50);
    // Stopped early (divided both by g only), or divided the first by m and the second by g.
    const int shownA = early ? a * m / g : a;
    const int shownB = b * m / g;
    QB q("ratio_fix_mistake", 3);
    q.param("a", a * m).param("b", b * m).param("wrote", S(shownA) + ":" + S(shownB));
    q.p(who + " was asked to write <b>" + shownRatio(S(a * m), S(b * m)) +
        "</b> in its simplest form, and wrote <b>" + shownRatio(S(shownA), S(shownB)) + "</b>.");
    q.p(who + "'s answer is not right. What is the correct answer?");
    q.note(kRatioNote);
    q.answer();
    return q.part('R', simplestRatio({a, b})).done();
}

Question ratioCombine(Rng& r, const std::string& k) {
    (void)k;
    int p, qq, s, t;
    do {
        std::tie(p, qq) = coprimePair(r, 1, 9);
        std::tie(s, t) = coprimePair(r, 1, 9);
    } while (qq == s || gcdInt(qq, s) == std::min(qq, s));
    QB q("ratio_combine", 3);
    q.param("ab", S(p) + ":" + S(qq)).param("bc", S(s) + ":" + S(t));
    q.p("The ratio <i>a</i> : <i>b</i> is " + shownRatio(S(p), S(qq)) +
        " and the ratio <i>b</i> : "
        "<i>c</i> is " +
        shownRatio(S(s), S(t)) + ".");
    q.p("What is the ratio <i>a</i> : <i>b</i> : <i>c</i>?");
    q.note(kRatioNote3);
    q.answer();
    return q.part('R', simplestRatio({p * s, qq * s, qq * t})).done();
}

Question mapScaleRatio(Rng& r, const std::string& k) {
    struct Map {
        int cm;
        int metres;
    };
    static const std::vector<Map> maps = {{1, 500},  {2, 1000}, {4, 1000}, {5, 1000},
                                          {1, 2000}, {2, 5000}, {1, 250},  {4, 500}};
    const Map map = r.pick(maps);
    const int n = map.metres * 100 / map.cm;
    const std::string real =
        map.metres >= 1000 ? qty(map.metres / 1000, "km") : qty(map.metres, "m");
    QB q("map_scale_ratio", 2);
    q.param("cm", map.cm).param("metres", map.metres);
    q.p("On a map, " + qty(map.cm, "cm") + " stands for " + real + " in real life.");
    if (k == "R") {
        q.p("Write the scale of the map as a ratio in its simplest form.");
        q.note("Give the ratio in its simplest form, for example 1:200.");
        q.answer();
        return q.part('R', "1:" + S(n)).done();
    }
    q.p("The scale of the map is 1 : <i>n</i>. What is <i>n</i>?");
    return answerNumber(q, r, k[0], n, "",
                        {Frac(map.metres, map.cm) /* left the metres unchanged */,
                         Frac(map.metres * 100) /* did not divide by the map length */,
                         Frac(n * 10) /* a place-value slip in the units */})
        .done();
}

// ---- Sharing, proportion and scales ----

Question ratioShareTotal(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int a, b, unit;
    std::vector<Frac> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        unit = r.range(2, 30);
        const int given = std::min(a, b) * unit;
        wrong = {Frac(given * (a + b)) /* multiplied by all the parts */,
                 Frac(std::max(a, b) * unit) /* the larger share only */,
                 Frac(given + a + b) /* added the parts */};
    } while (!enoughWrong((a + b) * unit, wrong));
    QB q("ratio_share_total", 2);
    q.param("a", a).param("b", b).param("smaller", std::min(a, b) * unit);
    q.p(x + " and " + y + " share some money in the ratio " + shownRatio(S(a), S(b)) +
        ". The smaller "
        "share is " +
        money(std::min(a, b) * unit) + ".");
    q.p("How much money did they share?");
    return answerNumber(q, r, k[0], (a + b) * unit, "dollars", wrong).done();
}

Question inverseProportion(Rng& r, const std::string& k) {
    const int context = r.range(0, 2);
    int n1, d1, n2;
    std::vector<Frac> wrong;
    do {
        n1 = r.range(2, 12);
        d1 = r.range(3, 24);
        n2 = r.range(2, 12);
        wrong = {Frac(d1 * n2, n1) /* treated as direct proportion */,
                 Frac(n1 * d1) /* the work of one, not shared */,
                 Frac(d1 + n1 - n2) /* changed the days by the change in number */};
    } while (n1 == n2 || (n1 * d1) % n2 || !enoughWrong(n1 * d1 / n2, wrong));
    QB q("inverse_proportion", 3);
    q.param("n1", n1).param("d1", d1).param("n2", n2);
    if (context == 0)
        q.p(capitalised(numberWords(n1)) + " painters take " + plural(d1, "day", "days") +
            " to paint a school. How many days would " + S(n2) +
            " painters take, working at the same rate?");
    else if (context == 1)
        q.p("A sack of food feeds " + S(n1) + " rabbits for " + plural(d1, "day", "days") +
            ". How many days would the same sack feed " + S(n2) + " rabbits?");
    else
        q.p("A water tank holds enough water for " + S(n1) + " campers for " +
            plural(d1, "day", "days") + ". How many days would it last " + S(n2) +
            " campers, each using the same amount a day?");
    return answerNumber(q, r, k[0], n1 * d1 / n2, "days", wrong).done();
}

Question scaleModel(Rng& r, const std::string& k) {
    struct Thing {
        const char* what;
        int lowDm;  // real length in tenths of a metre
        int highDm;
    };
    static const std::vector<Thing> things = {{"a bus", 100, 130},
                                              {"a railway carriage", 180, 240},
                                              {"a sailing boat", 80, 150},
                                              {"a lorry", 120, 180}};
    const Thing& t = r.pick(things);
    int scale, dm;
    Frac cm;
    std::vector<Frac> wrong;
    do {
        scale = pickInt(r, {20, 25, 40, 50, 100});
        dm = r.range(t.lowDm, t.highDm);
        cm = Frac(dm * 10, scale);
        wrong = {Frac(dm, 10 * scale) /* left in metres */, Frac(dm * 10 * scale) /* multiplied */,
                 cm * Frac(10) /* a place-value slip in the units */};
    } while (!(cm * Frac(10)).isInt() || !enoughWrong(cm, wrong));
    QB q("scale_model", 2);
    q.param("scale", scale).paramDec("metres", Frac(dm, 10));
    q.p("A model of " + std::string(t.what) + " is made to a scale of <b>1 : " + S(scale) +
        "</b>. The real " + std::string(t.what).substr(std::string(t.what).find(' ') + 1) + " is " +
        qty(Frac(dm, 10), "m") + " long.");
    q.p("How long is the model, in centimetres?");
    return answerNumber(q, r, k[0], cm, "cm", wrong).done();
}

Question scaleFind(Rng& r, const std::string& k) {
    int scale, cm;
    std::vector<Frac> wrong;
    do {
        scale = pickInt(r, {10, 20, 25, 40, 50, 60, 75, 100, 200});
        cm = r.range(8, 60);
        wrong = {Frac(scale, 100) /* metres divided by centimetres, units not changed */,
                 Frac(scale * 10) /* a place-value slip in the units */,
                 Frac(cm * scale, 100) /* the real length in metres */};
    } while ((cm * scale) % 10 || cm * scale < 300 || cm * scale > 4000 ||
             !enoughWrong(scale, wrong));
    const Frac real(cm * scale, 100);
    QB q("scale_find", 3);
    q.param("cm", cm).paramDec("metres", real);
    q.p("A model of a sailing boat is " + qty(cm, "cm") + " long. The real boat is " +
        qty(real, "m") + " long.");
    q.p("The model is made to a scale of 1 : <i>n</i>. What is <i>n</i>?");
    return answerNumber(q, r, k[0], scale, "", wrong).done();
}

Question ratioEquivalentMissing(Rng& r, const std::string& k) {
    int a, b, m, blank;
    Frac ans;
    std::vector<Frac> wrong;
    std::vector<std::string> cells;
    do {
        std::tie(a, b) = coprimePair(r, 1, 12);
        m = r.range(2, 9);
        blank = r.range(0, 3);  // which of a : b = am : bm is hidden
        const int v[4] = {a, b, a * m, b * m};
        ans = v[blank];
        // the term beside the blank in its own pair, and the terms of the other pair
        const int partner = v[blank ^ 1];
        const int across = v[blank ^ 2];
        const int acrossPartner = v[blank ^ 3];
        wrong = {Frac(partner + across - acrossPartner) /* kept the difference, not the ratio */,
                 Frac(across) /* copied the term across */,
                 blank < 2 ? Frac(acrossPartner * m) : Frac(partner) /* scaled the wrong term */};
        cells.clear();
        for (int i = 0; i < 4; ++i) cells.push_back(i == blank ? "?" : S(v[i]));
    } while (!enoughWrong(ans, wrong));
    QB q("ratio_equivalent_missing", 1);
    q.param("a", a).param("b", b).param("m", m).param("blank", blank);
    q.p("The two ratios are equal. Find the missing number.");
    q.p("<b>" + shownRatio(cells[0], cells[1]) + " = " + shownRatio(cells[2], cells[3]) + "</b>");
    return answerNumber(q, r, k[0], ans, "", wrong).done();
}

Question ratioWhichEquivalent(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const auto [a, b] = coprimePair(r, 1, 9);
        const int m = r.range(2, 6);
        const int n = r.range(2, 6);
        const int x = a * m;
        const int y = b * m;
        const std::string right = shownRatio(S(a * n), S(b * n));
        const std::vector<std::string> wrong = {
            shownRatio(S(y), S(x)),          // the terms swapped
            shownRatio(S(x + n), S(y + n)),  // the same number added to both terms
            shownRatio(S(a), S(y))};         // only the first term divided
        std::vector<std::string> all = wrong;
        all.push_back(right);
        std::sort(all.begin(), all.end());
        if (m == n || std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("ratio_which_equivalent", 2);
        q.param("a", x).param("b", y);
        q.p("Which ratio is equal to <b>" + shownRatio(S(x), S(y)) + "</b>?");
        return q.choice(r, right, wrong).done();
    }
}

Question ratioOneToN(Rng& r, const std::string& k) {
    int a, b;
    Frac n;
    std::vector<Frac> wrong;
    do {
        a = pickInt(r, {2, 4, 5, 8, 10, 20, 25});
        b = r.range(a + 1, a * 6);
        n = Frac(b, a);
        wrong = {Frac(a, b) /* the reciprocal */, Frac(b - a) /* subtracted */,
                 Frac(b) /* left the second term as it was */};
    } while (b % a == 0 || !enoughWrong(n, wrong));
    QB q("ratio_one_to_n", 2);
    q.param("a", a).param("b", b);
    q.p("Write the ratio <b>" + shownRatio(S(a), S(b)) + "</b> in the form <b>1 : <i>n</i></b>.");
    q.p("What is <i>n</i>?");
    return answerNumber(q, r, k[0], n, "", wrong).done();
}

Question ratioEqualise(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int a, b, give;
    std::vector<Frac> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 7);
        give = r.range(2, 20);
        if (a < b) std::swap(a, b);
        const int unit = a > b && (2 * give) % (a - b) == 0 ? 2 * give / (a - b) : 0;
        wrong = {Frac(b * unit) /* the other person's money */,
                 Frac(a * unit - give) /* the money after giving */,
                 Frac((a + b) * unit) /* both together */};
    } while ((2 * give) % (a - b) || !enoughWrong(a * 2 * give / (a - b), wrong));
    const int unit = 2 * give / (a - b);
    QB q("ratio_equalise", 3);
    q.param("a", a).param("b", b).param("give", give);
    q.p("The ratio of " + x + "'s money to " + y + "'s money is " + shownRatio(S(a), S(b)) + ". " +
        x + " gives " + y + " " + money(give) + ", and now they both have the same amount.");
    q.p("How much money did " + x + " have at first?");
    return answerNumber(q, r, k[0], a * unit, "dollars", wrong).done();
}

Question ratioShareContribution(Rng& r, const std::string& k) {
    std::vector<std::string> who;
    while (who.size() < 3) {
        const std::string n = r.pick(names());
        if (std::find(who.begin(), who.end(), n) == who.end()) who.push_back(n);
    }
    int p[3];
    int prize, ask;
    std::vector<Frac> wrong;
    do {
        for (int& v : p) v = r.range(1, 8);
        prize = (p[0] + p[1] + p[2]) * r.range(5, 30);
        ask = r.range(0, 2);
        wrong = {Frac(prize, 3) /* shared equally */,
                 Frac(prize - prize / (p[0] + p[1] + p[2]) * p[ask]) /* the others' shares */,
                 Frac(prize * p[ask], 10) /* the payment taken as a tenth of the prize */};
    } while (p[0] == p[1] || p[1] == p[2] || p[0] == p[2] ||
             !enoughWrong(prize / (p[0] + p[1] + p[2]) * p[ask], wrong));
    QB q("ratio_share_contribution", 3);
    q.param("p", S(p[0]) + "," + S(p[1]) + "," + S(p[2])).param("prize", prize).param("ask", ask);
    q.p(who[0] + ", " + who[1] + " and " + who[2] + " buy a raffle ticket together. " + who[0] +
        " pays " + money(p[0]) + ", " + who[1] + " pays " + money(p[1]) + " and " + who[2] +
        " pays " + money(p[2]) + ".");
    q.p("The ticket wins " + money(prize) +
        ", which they share in the ratio of what they paid. How much does " +
        who[static_cast<std::size_t>(ask)] + " get?");
    return answerNumber(q, r, k[0], prize / (p[0] + p[1] + p[2]) * p[ask], "dollars", wrong).done();
}

Question unitaryCount(Rng& r, const std::string& k) {
    struct Cloth {
        const char* what;
        int lowCents;  // a metre
        int highCents;
    };
    static const std::vector<Cloth> cloths = {
        {"rope", 100, 300}, {"ribbon", 50, 150}, {"curtain fabric", 400, 1200}};
    const Cloth& c = r.pick(cloths);
    int perMetre, n, m;
    std::vector<Frac> wrong;
    do {
        perMetre = r.range(c.lowCents / 10, c.highCents / 10) * 10;
        n = r.range(2, 12);
        m = r.range(2, 20);
        const Frac cost(perMetre * n, 100), budget(perMetre * m, 100);
        wrong = {Frac(n) * cost / budget /* the rate turned upside down */,
                 Frac(n) + budget - cost /* the extra dollars taken as metres */,
                 budget / Frac(n) /* divided the money by the metres */};
    } while (m == n || !(Frac(perMetre * n, 100) * Frac(10)).isInt() || !enoughWrong(m, wrong));
    QB q("unitary_count", 2);
    q.param("n", n)
        .paramDec("cost", Frac(perMetre * n, 100))
        .paramDec("budget", Frac(perMetre * m, 100));
    q.p(qty(n, "m") + " of " + c.what + " costs " + money(Frac(perMetre * n, 100)) + ".");
    q.p("How many metres of the same " + std::string(c.what) + " can be bought for " +
        money(Frac(perMetre * m, 100)) + "?");
    return answerNumber(q, r, k[0], m, "m", wrong).done();
}

Question ratioThreeGivenOne(Rng& r, const std::string& k) {
    int a, b, c, unit;
    bool askTotal;
    std::vector<Frac> wrong;
    Frac ans;
    do {
        a = 1;
        b = r.range(2, 3);
        c = r.range(b + 1, 6);
        unit = r.range(2, 9);
        askTotal = r.chance(50);
        const int given = b * unit;
        ans = askTotal ? Frac((a + b + c) * unit) : Frac(c * unit);
        wrong = askTotal
                    ? std::vector<Frac>{Frac(given * (a + b + c)) /* all parts times the sand */,
                                        Frac(given + a + c) /* added the other parts */,
                                        Frac(c * unit) /* the gravel only */}
                    : std::vector<Frac>{Frac(given * c) /* multiplied by the gravel's part */,
                                        Frac(given + c - b) /* kept the difference */,
                                        Frac((a + b + c) * unit) /* the whole mix */};
    } while (!enoughWrong(ans, wrong));
    QB q("ratio_three_given_one", 2);
    q.param("a", a)
        .param("b", b)
        .param("c", c)
        .param("sand", b * unit)
        .param("ask", askTotal ? "total" : "gravel");
    q.p("A builder mixes cement, sand and gravel in the ratio " + S(a) + " : " + S(b) + " : " +
        S(c) + ". He uses " + S(b * unit) + " buckets of sand.");
    q.p(askTotal ? "How many buckets of the mix does he make altogether?"
                 : "How many buckets of gravel does he use?");
    return answerNumber(q, r, k[0], ans, "buckets", wrong).done();
}

Question ratioFractionThree(Rng& r, const std::string& k) {
    (void)k;
    int a, b, c, ask;
    do {
        a = r.range(1, 7);
        b = r.range(1, 7);
        c = r.range(1, 7);
        ask = r.range(0, 2);
    } while (a == b || b == c || a == c ||
             Frac(std::vector<int>{a, b, c}[static_cast<std::size_t>(ask)], a + b + c).d == 1);
    const std::vector<std::string> colours = {"red", "blue", "green"};
    QB q("ratio_fraction_three", 2);
    q.param("a", a).param("b", b).param("c", c).param("ask",
                                                      colours[static_cast<std::size_t>(ask)]);
    q.p("A bag holds red, blue and green counters in the ratio " + S(a) + " : " + S(b) + " : " +
        S(c) + ".");
    q.p("What fraction of the counters are " + colours[static_cast<std::size_t>(ask)] + "?");
    q.note("Give your answer as a fraction in its simplest form, for example 3/4.");
    q.answer();
    const int part = std::vector<int>{a, b, c}[static_cast<std::size_t>(ask)];
    return q.part('F', Frac(part, a + b + c).text()).done();
}

Question ratioCompareGroups(Rng& r, const std::string& k) {
    (void)k;
    int a, b, c, d, ua, uc;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        std::tie(c, d) = coprimePair(r, 1, 9);
        ua = r.range(2, 6);
        uc = r.range(2, 6);
    } while ((a + b) * ua < 15 || (c + d) * uc < 15 || (a + b) * ua > 40 || (c + d) * uc > 40 ||
             b * ua == d * uc ||
             // the class with the greater share of girls must not also have more girls
             (Frac(b, a + b) > Frac(d, c + d)) == (b * ua > d * uc) ||
             Frac(b, a + b) == Frac(d, c + d));
    QB q("ratio_compare_groups", 2);
    q.param("a", a)
        .param("b", b)
        .param("totalA", (a + b) * ua)
        .param("c", c)
        .param("d", d)
        .param("totalB", (c + d) * uc);
    q.p("In class A the ratio of boys to girls is " + shownRatio(S(a), S(b)) + ", and there are " +
        S((a + b) * ua) + " pupils.");
    q.p("In class B the ratio of boys to girls is " + shownRatio(S(c), S(d)) + ", and there are " +
        S((c + d) * uc) + " pupils.");
    q.p("Which class has more girls?");
    q.note("Write A or B.");
    q.answer();
    return q.part('T', b * ua > d * uc ? "A" : "B").done();
}

Question proportionWhich(Rng& r, const std::string& k) {
    (void)k;
    const int m = r.range(2, 9);
    const int x0 = r.range(1, 4);
    const int step = r.range(1, 3);
    auto row = [&](const std::vector<int>& xs, const std::vector<int>& ys) {
        std::string s;
        for (std::size_t i = 0; i < xs.size(); ++i)
            s += (s.empty() ? "" : ", ") + S(xs[i]) + " &rarr; " + S(ys[i]);
        return s;
    };
    const std::vector<int> xs = {x0, x0 + step, x0 + 2 * step};
    const std::string right = row(xs, {x0 * m, (x0 + step) * m, (x0 + 2 * step) * m});
    const std::vector<std::string> wrong = {
        row(xs, {x0 + m, x0 + step + m, x0 + 2 * step + m}),  // the same number added each time
        row(xs, {x0 * m, (x0 + step) * m + 1, (x0 + 2 * step) * m + 2}),  // grows, but not in step
        row(xs, {(x0 + 2 * step) * m, (x0 + step) * m, x0 * m})};         // goes the other way
    QB q("proportion_which", 2);
    q.param("m", m).param("x0", x0).param("step", step);
    q.p("Each list pairs a number of tickets with its cost in dollars. In which list is the cost "
        "in <b>direct proportion</b> to the number of tickets?");
    return q.choice(r, right, wrong).done();
}

Question gearTurns(Rng& r, const std::string& k) {
    int big, small, turns;
    std::vector<Frac> wrong;
    do {
        big = r.range(6, 12) * 4;
        small = r.range(3, 9) * 2;
        turns = r.range(2, 12);
        wrong = {Frac(turns * small, big) /* scaled the wrong way */,
                 Frac(turns + big - small) /* added the difference in teeth */,
                 Frac(big * turns) /* the teeth that pass, not the turns */};
    } while (small >= big || (big * turns) % small || !enoughWrong(big * turns / small, wrong));
    QB q("gear_turns", 3);
    q.param("big", big).param("small", small).param("turns", turns);
    q.p("A large gear wheel with " + S(big) + " teeth turns a small gear wheel with " + S(small) +
        " teeth.");
    q.p("How many times does the small wheel turn when the large wheel turns " +
        plural(turns, "time", "times") + "?");
    return answerNumber(q, r, k[0], big * turns / small, "times", wrong).done();
}

Question coinsRatio(Rng& r, const std::string& k) {
    int a, b, unit;
    Frac value;
    std::vector<Frac> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 6);
        unit = r.range(2, 8);
        value = Frac(a * unit * 20 + b * unit * 50, 100);
        wrong = {Frac((a + b) * unit * 50, 100) /* every coin taken as 50 cents */,
                 Frac(a * 20 + b * 50, 100) /* one coin of each part only */,
                 Frac(b * unit * 20 + a * unit * 50, 100) /* the numbers of coins swapped */};
    } while (!enoughWrong(value, wrong));
    QB q("coins_ratio", 3);
    q.param("a", a).param("b", b).param("coins", (a + b) * unit);
    q.p("A money box holds only 20-cent and 50-cent coins, " + S((a + b) * unit) +
        " coins in all. The ratio of the number of 20-cent coins to the number of 50-cent coins "
        "is " +
        shownRatio(S(a), S(b)) + ".");
    q.p("How much money is in the box?");
    return answerNumber(q, r, k[0], value, "dollars", wrong).done();
}

Question ratioRectPerimeter(Rng& r, const std::string& k) {
    int a, b, unit;
    std::vector<Frac> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        if (a < b) std::swap(a, b);
        unit = r.range(2, 8);
        const int perimeter = 2 * (a + b) * unit;
        wrong = {Frac(perimeter * a, a + b) /* shared the whole perimeter */,
                 Frac(b * unit) /* the width */, Frac(perimeter, 4) /* a side of a square */};
    } while (!enoughWrong(a * unit, wrong));
    QB q("ratio_rect_perimeter", 3);
    q.param("a", a).param("b", b).param("perimeter", 2 * (a + b) * unit);
    q.p("The length and the width of a rectangle are in the ratio " + shownRatio(S(a), S(b)) +
        ". Its perimeter is " + qty(2 * (a + b) * unit, "cm") + ".");
    q.p("How long is the rectangle?");
    return answerNumber(q, r, k[0], a * unit, "cm", wrong).done();
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
    out.push_back({"ratio_units", 8, {"R"}, ratioUnits});
    out.push_back({"ratio_decimals", 8, {"R"}, ratioDecimals});
    out.push_back({"ratio_of_fractions", 8, {"R"}, ratioOfFractions});
    out.push_back({"ratio_from_fraction", 8, {"R"}, ratioFromFraction});
    out.push_back({"ratio_from_percent", 8, {"R"}, ratioFromPercent});
    out.push_back({"ratio_after_change", 8, {"R"}, ratioAfterChange});
    out.push_back({"ratio_fix_mistake", 8, {"R"}, ratioFixMistake});
    out.push_back({"ratio_combine", 8, {"R"}, ratioCombine});
    out.push_back({"map_scale_ratio", 8, {"R", "N"}, mapScaleRatio});
    out.push_back({"ratio_share_total", 8, {"N", "Q"}, ratioShareTotal});
    out.push_back({"inverse_proportion", 8, {"N", "Q"}, inverseProportion});
    out.push_back({"scale_model", 8, {"N", "Q"}, scaleModel});
    out.push_back({"scale_find", 8, {"N", "Q"}, scaleFind});
    out.push_back({"ratio_equivalent_missing", 8, {"N", "Q"}, ratioEquivalentMissing});
    out.push_back({"ratio_which_equivalent", 8, {"Q"}, ratioWhichEquivalent});
    out.push_back({"ratio_one_to_n", 8, {"N", "Q"}, ratioOneToN});
    out.push_back({"ratio_equalise", 8, {"N", "Q"}, ratioEqualise});
    out.push_back({"ratio_share_contribution", 8, {"N", "Q"}, ratioShareContribution});
    out.push_back({"unitary_count", 8, {"N", "Q"}, unitaryCount});
    out.push_back({"ratio_three_given_one", 8, {"N", "Q"}, ratioThreeGivenOne});
    out.push_back({"ratio_fraction_three", 8, {"F"}, ratioFractionThree});
    out.push_back({"ratio_compare_groups", 8, {"T"}, ratioCompareGroups});
    out.push_back({"proportion_which", 8, {"Q"}, proportionWhich});
    out.push_back({"gear_turns", 8, {"N", "Q"}, gearTurns});
    out.push_back({"coins_ratio", 8, {"N", "Q"}, coinsRatio});
    out.push_back({"ratio_rect_perimeter", 8, {"N", "Q"}, ratioRectPerimeter});
    addRatioPictures(out);
}
