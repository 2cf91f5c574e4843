// Ratio and Proportions told in words: simplest form (with units, decimals and fractions),
// sharing, the unitary method, direct and inverse proportion, scales, recipes, and reasoning
// about ratios. Tables, charts and pictures are in fam_ratio_pictures.cpp.

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

std::string parts(int n) {
    return plural(n, "part", "parts");
}

// "The total number of parts is 3 + 5 + 2 = 10."
std::string totalParts(const std::vector<int>& terms) {
    std::string sum;
    int total = 0;
    for (int t : terms) {
        sum += (sum.empty() ? "" : " + ") + S(t);
        total += t;
    }
    return "Total number of parts = " + sum + " = " + S(total) + ".";
}

Question ratioSimplify(Rng& r, const std::string& k) {
    (void)k;
    const auto [a, b] = coprimePair(r, 1, 12);
    const int m = r.range(2, 12);
    QB q("ratio_simplify", 1);
    q.param("a", a * m).param("b", b * m);
    q.p("Write the ratio <b>" + ratioHtml({a * m, b * m}) + "</b> in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    addStep(q, "A ratio keeps its value when every term is divided by the same number.");
    addStep(q, simplifyStep({a * m, b * m}));
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
    q.p("Write the ratio <b>" + ratioHtml({a * m, b * m, c * m}) + "</b> in its simplest form.");
    q.note(kRatioNote3);
    q.answer();
    addStep(q, "A ratio keeps its value when every term is divided by the same number, so divide all "
           "three terms by their highest common factor.");
    addStep(q, simplifyStep({a * m, b * m, c * m}));
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
    std::vector<int> terms;
    if (ask == 0) {
        terms = {boys, girls};
        addStep(q, "The ratio of boys to girls is " + ratioHtml(terms) + ".");
    } else if (ask == 1) {
        terms = {girls, boys};
        addStep(q, "The ratio of girls to boys is " + ratioHtml(terms) + ", girls first as the "
               "question asks.");
    } else {
        terms = {boys, boys + girls};
        addStep(q, "Children in the choir: " + S(boys) + " + " + S(girls) + " = " +
               S(boys + girls) + ", so the ratio of boys to children is " + ratioHtml(terms) +
               ".");
    }
    addStep(q, simplifyStep(terms));
    const std::string key = ask == 0   ? simplestRatio({boys, girls})
                            : ask == 1 ? simplestRatio({girls, boys})
                                       : simplestRatio({boys, boys + girls});
    return q.part('R', key).done();
}

Question ratioShare(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int a, b, unit, total;
    bool askFirst;
    std::vector<Slip> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        unit = r.range(2, 40);
        total = (a + b) * unit;
        askFirst = r.chance(50);
        const std::string& who = askFirst ? x : y;
        const std::string& other = askFirst ? y : x;
        const int own = askFirst ? a : b;
        wrong = {{Frac((askFirst ? b : a) * unit), "is " + other + "'s share, not " + who + "'s"},
                 {Frac(total, own), "divides the total by " + who + "'s part of the ratio "
                                    "instead of by all " + S(a + b) + " parts"},
                 {Frac(unit), "is one part only, not " + who + "'s " + parts(own)}};
    } while (!enoughWrong((askFirst ? a : b) * unit, wrong, true));
    QB q("ratio_share", 2);
    q.param("total", total).param("a", a).param("b", b).param("ask", askFirst ? "first" : "second");
    q.p(x + " and " + y + " share " + money(total) + " in the ratio " + ratioHtml({a, b}) + ".");
    q.p("How much does " + (askFirst ? x : y) + " get?");
    const int own = askFirst ? a : b;
    const int ans = own * unit;
    addStep(q, totalParts({a, b}));
    addStep(q, "One part = " + money(total) + " &divide; " + S(a + b) + " = " + money(unit) + ".");
    addStep(q, (askFirst ? x : y) + " gets " + parts(own) + ": " + S(own) + " &times; " + money(unit) +
           " = " + money(ans) + ".");
    return answerNumber(q, r, k[0], ans, "dollars", wrong).done();
}

Question ratioFraction(Rng& r, const std::string& k) {
    (void)k;
    const auto [a, b] = coprimePair(r, 1, 9);
    QB q("ratio_fraction", 2);
    q.param("a", a).param("b", b);
    q.p("The ratio of red beads to blue beads in a bag is " + ratioHtml({a, b}) +
        ". There are no other beads.");
    q.p("What fraction of the beads are red?");
    q.note("Give your answer as a fraction in its simplest form, for example 3/4.");
    q.answer();
    addStep(q, "For every " + plural(a, "red bead", "red beads") + " there " +
           (b == 1 ? "is " : "are ") + plural(b, "blue bead", "blue beads") + ": " + S(a) + " + " +
           S(b) + " = " + S(a + b) + " beads in each group.");
    addStep(q, "So " + S(a) + " of every " + S(a + b) + " beads " + (a == 1 ? "is" : "are") +
           " red, and the fraction of red beads is " + fracHtml(Frac(a, a + b)) + ".");
    addStep(q, "The only common factor of " + S(a) + " and " + S(a + b) +
           " is 1, so the fraction is in its simplest form.");
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
    const std::string many = item.many;
    const std::string one = many.substr(0, many.size() - 1);
    QB q("unitary", 2);
    q.param("n", n).paramDec("cost", each * Frac(n)).param("m", m);
    q.p(capitalised(numberWords(n)) + " " + item.many + " cost " + money(each * Frac(n)) +
        ". How much do " + S(m) + " " + item.many + " cost?");
    const Frac ans = each * Frac(m);
    addStep(q, "Find the cost of one first: one " + one + " costs " + money(each * Frac(n)) +
           " &divide; " + S(n) + " = " + money(each) + ".");
    addStep(q, "For " + S(m) + " " + many + ": " + S(m) + " &times; " + money(each) + " = " +
           money(ans) + ".");
    return answerNumber(
               q, r, k[0], ans, "dollars",
               std::vector<Slip>{
                   {each * Frac(n) * Frac(m), "multiplies the cost of all " + numberWords(n) +
                                                  " " + many + " by " + S(m) +
                                                  " instead of the cost of one"},
                   {ans + each, "is the cost of one " + one + " too many"},
                   {each, "is the cost of one " + one + " only"}})
        .done();
}

Question ratioMissing(Rng& r, const std::string& k) {
    int a, b, m;
    std::vector<Slip> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        m = r.range(2, 12);
        wrong = {{Frac(a * m + b), "adds the dogs' part of the ratio to the number of cats "
                                   "instead of multiplying"},
                 {Frac((a + b) * m), "is the number of cats and dogs together"},
                 {Frac(b * m + b), "takes each part as " + S(m + 1) + " animals instead of " +
                                       S(m)}};
    } while (!enoughWrong(b * m, wrong));
    QB q("ratio_missing", 1);
    q.param("a", a).param("b", b).param("first", a * m);
    q.p("The ratio of cats to dogs at a rescue centre is " + ratioHtml({a, b}) +
        ". There are " + S(a * m) + " cats.");
    q.p("How many dogs are there?");
    if (a == 1)
        addStep(q, "The cats are 1 part of the ratio, so one part is " + S(m) + " animals.");
    else
        addStep(q, "The cats are " + parts(a) + " of the ratio, so one part = " + S(a * m) +
               " &divide; " + S(a) + " = " + S(m) + " animals.");
    addStep(q, "The dogs are " + parts(b) + ": " + S(b) + " &times; " + S(m) + " = " +
           qty(b * m, "dogs") + ".");
    return answerNumber(q, r, k[0], b * m, "dogs", wrong).done();
}

Question recipe(Rng& r, const std::string& k) {
    const int people = pickInt(r, {2, 4, 6, 8});
    int want = 0;
    do want = pickInt(r, {3, 5, 6, 9, 10, 12, 15, 16, 20});
    while (want == people);
    int grams = 0;
    std::vector<Slip> wrong;
    do {
        grams = r.range(2, 30) * 25;
        wrong = {{Frac(grams * want), "multiplies by the " + S(want) + " people without first "
                                      "dividing by the " + S(people) + " people of the recipe"},
                 {Frac(grams + want - people), "adds the extra people as grams"},
                 {Frac(grams * people, want), "multiplies by " + S(people) + " and divides by " +
                                                  S(want) + ", the wrong way round"},
                 {Frac(grams * (want - people)), "multiplies by the " + S(want - people) +
                                                     " extra people only"}};
    } while ((grams * want) % people || !enoughWrong(grams * want / people, wrong));
    QB q("recipe", 2);
    q.param("people", people).param("grams", grams).param("want", want);
    q.p("A recipe for " + S(people) + " people uses " + qty(grams, "g") + " of flour.");
    q.p("How much flour is needed for " + S(want) + " people?");
    const int ans = grams * want / people;
    // Through the flour for a group that both numbers of people are made of.
    const int group = gcdInt(people, want);
    const Frac perGroup(grams * group, people);
    const std::string groupPeople = plural(group, "person", "people");
    if (!exactDecimal(perGroup)) {
        addStep(q, "Multiply by the new number of people, then divide by the old one.");
        addStep(q, "Flour = " + qty(grams, "g") + " &times; " + S(want) + " &divide; " + S(people) +
               " = " + qty(ans, "g") + ".");
    } else if (group == people) {
        addStep(q, "The " + S(want) + " people are " + S(want / people) + " groups of " +
               S(people) + ", the people of the recipe.");
        addStep(q, "Flour = " + S(want / people) + " &times; " + qty(grams, "g") + " = " +
               qty(ans, "g") + ".");
    } else if (group == 1) {
        addStep(q, "Flour for 1 person = " + qty(grams, "g") + " &divide; " + S(people) + " = " +
               qty(perGroup, "g") + ".");
        addStep(q, "Flour for " + S(want) + " people = " + S(want) + " &times; " +
               qty(perGroup, "g") + " = " + qty(ans, "g") + ".");
    } else {
        addStep(q, "Find the flour for " + groupPeople + " first. The recipe's " + S(people) +
               " people are " + plural(people / group, "group", "groups") + " of " + S(group) + ", so flour for " + groupPeople + " = " + qty(grams, "g") +
               " &divide; " + S(people / group) + " = " + qty(perGroup, "g") + ".");
        addStep(q, "The " + S(want) + " people are " + plural(want / group, "group", "groups") +
               " of " + S(group) + ": " + S(want / group) + " &times; " + qty(perGroup, "g") +
               " = " + qty(ans, "g") + ".");
    }
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
    q.p(x + " mixes orange squash and water in the ratio " + ratioHtml({a, b}) + ". " + y +
        " mixes them in the ratio " + ratioHtml({c, d}) + ".");
    q.p("Whose drink has the greater fraction of squash?");
    q.note("Write the name.");
    q.answer();
    const int n1 = a + b;
    const int n2 = c + d;
    auto drink = [&](const std::string& who, int squash, int water) {
        return who + "'s drink has " + S(squash) + " + " + S(water) + " = " + S(squash + water) +
               " parts, and " + S(squash) + (squash == 1 ? " of them is" : " of them are") +
               " squash: " + S(squash) + "/" + S(squash + water) + " of the drink.";
    };
    addStep(q, drink(x, a, b));
    addStep(q, drink(y, c, d));
    const int common = n1 / gcdInt(n1, n2) * n2;
    const int sx = a * common / n1;
    const int sy = c * common / n2;
    if (n1 != n2) {
        std::string same = "With the same denominator " + S(common) + ": ";
        if (n1 != common) same += S(a) + "/" + S(n1) + " = " + S(sx) + "/" + S(common);
        if (n2 != common)
            same += std::string(n1 != common ? "; " : "") + S(c) + "/" + S(n2) + " = " + S(sy) +
                    "/" + S(common);
        addStep(q, same + ".");
    }
    const bool xWins = a * (c + d) > c * (a + b);
    addStep(q, "Since " + S(xWins ? sx : sy) + "/" + S(common) + " is more than " +
           S(xWins ? sy : sx) + "/" + S(common) + ", " + (xWins ? x : y) +
           "'s drink has the greater fraction of squash.");
    return q.part('T', xWins ? x : y).done();
}

Question ratioDifference(Rng& r, const std::string& k) {
    int a, b, unit;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(1, 8);
        unit = r.range(2, 15);
        wrong = {{Frac(a * unit), "is the number of adults only"},
                 {Frac((a - b) * unit * (a + b)), "takes the difference of " +
                                                      S((a - b) * unit) + " as one part"},
                 {Frac(b * unit), "is the number of children only"}};
    } while (a <= b || gcdInt(a, b) != 1 || !enoughWrong((a + b) * unit, wrong));
    QB q("ratio_difference", 3);
    q.param("a", a).param("b", b).param("diff", (a - b) * unit);
    q.p("The ratio of adults to children at a concert is " + ratioHtml({a, b}) +
        ". There are " + S((a - b) * unit) + " more adults than children.");
    q.p("How many people are at the concert altogether?");
    const int diff = (a - b) * unit;
    addStep(q, "The adults are " + S(a) + " &minus; " + S(b) + " = " + parts(a - b) +
           " more than the children.");
    if (a - b == 1)
        addStep(q, "So one part is " + S(diff) + " people.");
    else
        addStep(q, "So " + parts(a - b) + " are " + S(diff) + " people, and one part = " + S(diff) +
               " &divide; " + S(a - b) + " = " + S(unit) + " people.");
    addStep(q, "Altogether there are " + S(a) + " + " + S(b) + " = " + parts(a + b) + ": " +
           S(a + b) + " &times; " + S(unit) + " = " + qty((a + b) * unit, "people") + ".");
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
    if (cents) {
        addStep(q, "Both amounts must be in the same units, so write " + x + "'s money in cents: " +
               money(a) + " = " + S(a) + " &times; 100&nbsp;cents = " + qty(a * 100, "cents") +
               ".");
        addStep(q, "The ratio is " + ratioHtml({a * 100, b}) + ".");
        addStep(q, simplifyStep({a * 100, b}));
    } else {
        addStep(q, "Both amounts are in dollars, so the ratio is " + ratioHtml({a, b}) + ".");
        addStep(q, simplifyStep({a, b}));
    }
    return q.part('R', cents ? simplestRatio({a * 100, b}) : simplestRatio({a, b})).done();
}

Question ratioThreeShare(Rng& r, const std::string& k) {
    const std::vector<std::string> colours = {"red", "blue", "green"};
    int a, b, c, unit, ask;
    std::vector<Slip> wrong;
    do {
        a = r.range(1, 7);
        b = r.range(1, 7);
        c = r.range(1, 7);
        unit = r.range(2, 20);
        ask = r.range(0, 2);
        const int parts[3] = {a, b, c};
        wrong = {{Frac(unit), "is one part only"},
                 {Frac(parts[(ask + 1) % 3] * unit),
                  "is the number of " + colours[static_cast<std::size_t>((ask + 1) % 3)] +
                      " pencils"},
                 {Frac(parts[ask] * unit + unit), "counts one part too many"}};
    } while (a == b || b == c || a == c ||
             !enoughWrong(std::vector<int>{a, b, c}[static_cast<std::size_t>(ask)] * unit, wrong));
    const std::string colour = colours[static_cast<std::size_t>(ask)];
    QB q("ratio_three_share", 2);
    q.param("a", a)
        .param("b", b)
        .param("c", c)
        .param("total", (a + b + c) * unit)
        .param("ask", colour);
    q.p("A box holds " + S((a + b + c) * unit) + " red, blue and green pencils in the ratio " +
        ratioHtml({a, b, c}) + ".");
    q.p("How many " + colour + " pencils are there?");
    const int share[3] = {a, b, c};
    addStep(q, totalParts({a, b, c}));
    addStep(q, "One part = " + S((a + b + c) * unit) + " &divide; " + S(a + b + c) + " = " +
           S(unit) + " pencils.");
    addStep(q, "The " + colour + " pencils are " + parts(share[ask]) + ": " + S(share[ask]) +
           " &times; " + S(unit) + " = " + qty(share[ask] * unit, "pencils") + ".");
    return answerNumber(q, r, k[0], share[ask] * unit, "pencils", wrong).done();
}

Question mapScale(Rng& r, const std::string& k) {
    const int scale = pickInt(r, {10000, 20000, 25000, 50000, 100000});
    const int cm = r.range(2, 15);
    const bool toKm = r.chance(60);
    QB q("map_scale", 2);
    q.param("scale", scale).param("cm", cm).param("to", toKm ? "km" : "m");
    q.p("The scale of a map is <b>" + ratioHtml({"1", num(scale)}) + "</b>. Two towns are " +
        qty(cm, "cm") + " apart on the map.");
    q.p(std::string("How far apart are they in real life, in ") + (toKm ? "kilometres" : "metres") +
        "?");
    const Frac metres = Frac(cm) * Frac(scale) / Frac(100);
    const Frac ans = toKm ? metres / Frac(1000) : metres;
    addStep(q, "On the map, " + qty(1, "cm") + " stands for " + qty(scale, "cm") + " in real life.");
    addStep(q, "Real distance = " + S(cm) + " &times; " + qty(scale, "cm") + " = " +
           qty(cm * scale, "cm") + ".");
    addStep(q, "In metres: " + qty(cm * scale, "cm") + " = " + num(cm * scale) + " &divide; 100&nbsp;m = " +
           qty(metres, "m") + ".");
    if (toKm)
        addStep(q, "In kilometres: " + qty(metres, "m") + " = " + num(metres) +
               " &divide; 1000&nbsp;km = " + qty(ans, "km") + ".");
    const std::vector<Slip> wrong =
        toKm ? std::vector<Slip>{{ans * Frac(10), "divides the centimetres by " + num(10000) +
                                                      " instead of by " + num(100000)},
                                 {ans / Frac(10), "divides the centimetres by " + num(1000000) +
                                                      " instead of by " + num(100000)},
                                 {ans * Frac(100), "changes the centimetres into kilometres by "
                                                   "dividing by 1000 only"}}
             : std::vector<Slip>{{ans * Frac(10), "divides the centimetres by 10 instead of by 100"},
                                 {ans / Frac(10), "divides the centimetres by 1000 instead of by 100"},
                                 {ans * Frac(100), "leaves the distance in centimetres"}};
    return answerNumber(q, r, k[0], ans, toKm ? "km" : "m", wrong).done();
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
    const std::string largeUnit = large == 1 ? u.largeOne : u.large;
    q.p("Write the ratio <b>" + ratioHtml({qty(small, u.small), qty(large, largeUnit)}) +
        "</b> in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    addStep(q, "A ratio compares amounts in the same units, so write both in " +
           std::string(u.small) + ": " + qty(large, largeUnit) + " = " + S(large) + " &times; " +
           qty(u.factor, u.small) + " = " + qty(large * u.factor, u.small) + ".");
    addStep(q, "The ratio is " + ratioHtml({small, large * u.factor}) + ".");
    addStep(q, simplifyStep({small, large * u.factor}));
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
    q.p("Write the ratio <b>" + ratioHtml({num(x), num(y)}) + "</b> in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    const int by = (x * Frac(10)).isInt() && (y * Frac(10)).isInt() ? 10 : 100;
    const int wx = static_cast<int>((x * Frac(by)).n);
    const int wy = static_cast<int>((y * Frac(by)).n);
    addStep(q, "Multiply both terms by " + S(by) + " to make whole numbers: " + num(x) + " &times; " +
           S(by) + " = " + S(wx) + "; " + num(y) + " &times; " + S(by) + " = " + S(wy) + ".");
    addStep(q, "So " + ratioHtml({num(x), num(y)}) + " = " + ratioHtml({wx, wy}) + ".");
    addStep(q, simplifyStep({wx, wy}));
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
    q.p("Write the ratio <b>" + ratioHtml({fracHtml(x), fracHtml(y)}) +
        "</b> as a ratio of whole numbers in its simplest form.");
    q.note(kRatioNote);
    q.answer();
    const int dx = static_cast<int>(x.d);
    const int dy = static_cast<int>(y.d);
    const int common = dx / gcdInt(dx, dy) * dy;
    const int wx = static_cast<int>((x * Frac(common)).n);
    const int wy = static_cast<int>((y * Frac(common)).n);
    addStep(q, "Multiply both terms by " + S(common) + ", the lowest common multiple of the "
           "denominators " + S(dx) + " and " + S(dy) + ": " + fracHtml(x) + " &times; " +
           S(common) + " = " + S(wx) + "; " + fracHtml(y) + " &times; " + S(common) + " = " +
           S(wy) + ".");
    addStep(q, "So " + ratioHtml({fracHtml(x), fracHtml(y)}) + " = " + ratioHtml({wx, wy}) + ".");
    addStep(q, simplifyStep({wx, wy}));
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
    addStep(q, "The yellow sweets are the rest: 1 &minus; " + fracHtml(Frac(n, d)) + " = " +
           fracHtml(Frac(d - n, d)) + ".");
    addStep(q, "So in every " + S(d) + " sweets, " + S(n) + (n == 1 ? " is" : " are") + " red and " +
           S(d - n) + (d - n == 1 ? " is" : " are") + " yellow.");
    const std::vector<int> terms = redFirst ? std::vector<int>{n, d - n} : std::vector<int>{d - n, n};
    addStep(q, std::string("The ratio of ") +
           (redFirst ? "red sweets to yellow sweets" : "yellow sweets to red sweets") + " is " +
           ratioHtml(terms) + ".");
    addStep(q, simplifyStep(terms));
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
    addStep(q, "The girls are the rest: 100% &minus; " + qty(p, "%") + " = " + qty(100 - p, "%") + ".");
    const std::vector<int> terms =
        boysFirst ? std::vector<int>{p, 100 - p} : std::vector<int>{100 - p, p};
    addStep(q, std::string("So for every 100 members there are ") + S(p) + " boys and " +
           S(100 - p) + " girls, and the ratio of " +
           (boysFirst ? "boys to girls" : "girls to boys") + " is " + ratioHtml(terms) + ".");
    addStep(q, simplifyStep(terms));
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
    q.p("In a choir the ratio of boys to girls is " + ratioHtml({a, b}) + ". There are " +
        S(a * unit) + " boys.");
    q.p("Then " + plural(join, "more boy joins", "more boys join") +
        " the choir. What is the ratio of boys to girls now?");
    q.note(kRatioNote);
    q.answer();
    if (a == 1)
        addStep(q, "The boys are 1 part of the ratio, so one part is " + S(unit) + " children.");
    else
        addStep(q, "The boys are " + parts(a) + " of the ratio, so one part = " + S(a * unit) +
               " &divide; " + S(a) + " = " + S(unit) + " children.");
    addStep(q, "Number of girls = " + S(b) + " &times; " + S(unit) + " = " + S(b * unit) + ".");
    addStep(q, "Number of boys now = " + S(a * unit) + " + " + S(join) + " = " +
           S(a * unit + join) + ".");
    addStep(q, "The ratio of boys to girls is now " + ratioHtml({a * unit + join, b * unit}) + ".");
    addStep(q, simplifyStep({a * unit + join, b * unit}));
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
    q.p(who + " was asked to write <b>" + ratioHtml({a * m, b * m}) +
        "</b> in its simplest form, and wrote <b>" + ratioHtml({shownA, shownB}) + "</b>.");
    q.p(who + "'s answer is not right. What is the correct answer?");
    q.note(kRatioNote);
    q.answer();
    if (early)
        addStep(q, who + " divided both terms by " + S(g) + ", but " + S(g) +
               " is not their highest common factor, so " + ratioHtml({shownA, shownB}) +
               " can still be simplified.");
    else
        addStep(q, who + " divided " + S(a * m) + " by " + S(m) + " but " + S(b * m) + " by " + S(g) +
               " only. Both terms must be divided by the same number.");
    addStep(q, simplifyStep({a * m, b * m}));
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
    q.p("The ratio <i>a</i>&nbsp;:&nbsp;<i>b</i> is " + ratioHtml({p, qq}) +
        " and the ratio <i>b</i>&nbsp;:&nbsp;<i>c</i> is " + ratioHtml({s, t}) + ".");
    q.p("What is the ratio <i>a</i>&nbsp;:&nbsp;<i>b</i>&nbsp;:&nbsp;<i>c</i>?");
    q.note(kRatioNote3);
    q.answer();
    const int common = qq / gcdInt(qq, s) * s;
    const int k1 = common / qq;
    const int k2 = common / s;
    const std::string ab = "<i>a</i>&nbsp;:&nbsp;<i>b</i>";
    const std::string bc = "<i>b</i>&nbsp;:&nbsp;<i>c</i>";
    addStep(q, "Make the two terms for <i>b</i> the same: the lowest common multiple of " + S(qq) +
           " and " + S(s) + " is " + S(common) + ".");
    addStep(q, "Multiply both terms of " + ab + " by " + S(k1) + ": " + S(p) + " &times; " + S(k1) +
           " = " + S(p * k1) + "; " + S(qq) + " &times; " + S(k1) + " = " + S(common) +
           ". So " + ab + " is " + ratioHtml({p * k1, common}) + ".");
    addStep(q, "Multiply both terms of " + bc + " by " + S(k2) + ": " + S(s) + " &times; " + S(k2) +
           " = " + S(common) + "; " + S(t) + " &times; " + S(k2) + " = " + S(t * k2) +
           ". So " + bc + " is " + ratioHtml({common, t * k2}) + ".");
    addStep(q, "Now <i>b</i> is " + S(common) + " in both, so <i>a</i>&nbsp;:&nbsp;<i>b</i>&nbsp;:&nbsp;<i>c</i> is " +
           ratioHtml({p * k1, common, t * k2}) + ".");
    addStep(q, simplifyStep({p * k1, common, t * k2}));
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
    const int realCm = map.metres * 100;
    if (map.metres >= 1000)
        addStep(q, "Both lengths must be in the same units, so change the real distance into "
               "centimetres: " + real + " = " + S(map.metres / 1000) + " &times; 1000&nbsp;m = " +
               qty(map.metres, "m") + " = " + num(map.metres) + " &times; 100&nbsp;cm = " +
               qty(realCm, "cm") + ".");
    else
        addStep(q, "Both lengths must be in the same units, so change the real distance into "
               "centimetres: " + real + " = " + num(map.metres) + " &times; 100&nbsp;cm = " +
               qty(realCm, "cm") + ".");
    addStep(q, "So " + qty(map.cm, "cm") + " on the map stands for " + qty(realCm, "cm") +
           ", and the ratio is " + ratioHtml({map.cm, realCm}) + ".");
    const std::string named = k == "R" ? "." : ", and <i>n</i> is " + num(n) + ".";
    if (map.cm > 1)
        addStep(q, "To make the first term 1, divide both terms by " + S(map.cm) + ": " + S(map.cm) +
               " &divide; " + S(map.cm) + " = 1; " + num(realCm) + " &divide; " + S(map.cm) +
               " = " + num(n) + ". The scale is " + ratioHtml({1, n}) + named);
    else
        addStep(q, "The first term is already 1, so the scale is " + ratioHtml({1, n}) + named);
    if (k == "R") {
        q.p("Write the scale of the map as a ratio in its simplest form.");
        q.note("Give the ratio in its simplest form, for example 1:200.");
        q.answer();
        return q.part('R', "1:" + S(n)).done();
    }
    q.p("The scale of the map is 1&nbsp;:&nbsp;<i>n</i>. What is <i>n</i>?");
    return answerNumber(q, r, k[0], n, "",
                        std::vector<Slip>{
                            {Frac(map.metres, map.cm), "leaves the real distance in metres"},
                            {Frac(map.metres * 100), "does not divide by the length on the map"},
                            {Frac(n * 10), "multiplies the metres by 1000 instead of 100"}})
        .done();
}

// ---- Sharing, proportion and scales ----

Question ratioShareTotal(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int a, b, unit;
    std::vector<Slip> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        unit = r.range(2, 30);
        const int given = std::min(a, b) * unit;
        wrong = {{Frac(given * (a + b)), "multiplies the smaller share by all the parts "
                                         "without first finding one part"},
                 {Frac(std::max(a, b) * unit), "is the larger share only"},
                 {Frac(given + a + b), "adds the numbers of the ratio to the share"}};
    } while (!enoughWrong((a + b) * unit, wrong));
    QB q("ratio_share_total", 2);
    q.param("a", a).param("b", b).param("smaller", std::min(a, b) * unit);
    q.p(x + " and " + y + " share some money in the ratio " + ratioHtml({a, b}) +
        ". The smaller share is " + money(std::min(a, b) * unit) + ".");
    q.p("How much money did they share?");
    const int lo = std::min(a, b);
    if (lo == 1)
        addStep(q, "The smaller share is 1 part of the ratio, so one part is " + money(unit) + ".");
    else
        addStep(q, "The smaller share is " + parts(lo) + " of the ratio, so one part = " +
               money(lo * unit) + " &divide; " + S(lo) + " = " + money(unit) + ".");
    addStep(q, totalParts({a, b}));
    addStep(q, "Money shared = " + S(a + b) + " &times; " + money(unit) + " = " +
           money((a + b) * unit) + ".");
    return answerNumber(q, r, k[0], (a + b) * unit, "dollars", wrong).done();
}

Question inverseProportion(Rng& r, const std::string& k) {
    const int context = r.range(0, 2);
    static const char* many[] = {"painters", "rabbits", "campers"};
    int n1, d1, n2;
    std::vector<Slip> wrong;
    do {
        n1 = r.range(2, 12);
        d1 = r.range(3, 24);
        n2 = r.range(2, 12);
        const std::string who = many[context];
        wrong = {{Frac(d1 * n2, n1), "treats it as direct proportion, as if the days changed "
                                     "the same way as the number of " + who},
                 {Frac(n1 * d1), "is the time for one of the " + who + " alone"},
                 {Frac(d1 + n1 - n2), "changes the days by the change in the number of " + who}};
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
    const int all = n1 * d1;
    const int ans = all / n2;
    const std::string days = plural(ans, "day", "days");
    const std::string fewer = n2 > n1 ? "More" : "Fewer";
    if (context == 0) {
        addStep(q, fewer + " painters take " + (n2 > n1 ? "fewer" : "more") +
               " days: the work is the same, shared out differently.");
        addStep(q, "One painter alone would take " + S(n1) + " &times; " + S(d1) + " = " +
               plural(all, "day", "days") + ".");
        addStep(q, "Shared by " + S(n2) + " painters, the work takes " + S(all) + " &divide; " +
               S(n2) + " = " + days + ".");
    } else if (context == 1) {
        addStep(q, fewer + " rabbits eat the same food in " + (n2 > n1 ? "fewer" : "more") +
               " days.");
        addStep(q, "The sack would feed one rabbit for " + S(n1) + " &times; " + S(d1) + " = " +
               plural(all, "day", "days") + ".");
        addStep(q, "Shared by " + S(n2) + " rabbits, the sack lasts " + S(all) + " &divide; " +
               S(n2) + " = " + days + ".");
    } else {
        addStep(q, fewer + " campers use up the same water in " + (n2 > n1 ? "fewer" : "more") +
               " days.");
        addStep(q, "The water would last one camper " + S(n1) + " &times; " + S(d1) + " = " +
               plural(all, "day", "days") + ".");
        addStep(q, "Shared by " + S(n2) + " campers, the water lasts " + S(all) + " &divide; " +
               S(n2) + " = " + days + ".");
    }
    return answerNumber(q, r, k[0], ans, "days", wrong).done();
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
    std::vector<Slip> wrong;
    do {
        scale = pickInt(r, {20, 25, 40, 50, 100});
        dm = r.range(t.lowDm, t.highDm);
        cm = Frac(dm * 10, scale);
        wrong = {{Frac(dm, 10 * scale), "divides the length in metres without changing it into "
                                        "centimetres"},
                 {Frac(dm * 10 * scale), "multiplies by the scale instead of dividing"},
                 {cm * Frac(10), "multiplies the metres by 1000 instead of 100"}};
    } while (!(cm * Frac(10)).isInt() || !enoughWrong(cm, wrong));
    const std::string what = std::string(t.what).substr(std::string(t.what).find(' ') + 1);
    QB q("scale_model", 2);
    q.param("scale", scale).paramDec("metres", Frac(dm, 10));
    q.p("A model of " + std::string(t.what) + " is made to a scale of <b>" +
        ratioHtml({1, scale}) + "</b>. The real " + what + " is " + qty(Frac(dm, 10), "m") +
        " long.");
    q.p("How long is the model, in centimetres?");
    addStep(q, "Change the real length into centimetres: " + qty(Frac(dm, 10), "m") + " = " +
           num(Frac(dm, 10)) + " &times; 100&nbsp;cm = " + qty(dm * 10, "cm") + ".");
    addStep(q, "A scale of " + ratioHtml({1, scale}) + " means the real " + what + " is " + S(scale) +
           " times as long as the model: " + qty(dm * 10, "cm") + " &divide; " + S(scale) +
           " = " + qty(cm, "cm") + ".");
    return answerNumber(q, r, k[0], cm, "cm", wrong).done();
}

Question scaleFind(Rng& r, const std::string& k) {
    int scale, cm;
    std::vector<Slip> wrong;
    do {
        scale = pickInt(r, {10, 20, 25, 40, 50, 60, 75, 100, 200});
        cm = r.range(8, 60);
        // (Dividing the metres by the centimetres would give a scale below 1 : 1, which no
        // model smaller than its boat has.)
        wrong = {{Frac(cm * scale - cm), "subtracts the model's length from the real length "
                                         "instead of dividing"},
                 {Frac(scale * 10), "multiplies the metres by 1000 instead of 100"},
                 {Frac(cm * scale, 100), "is the real length in metres"}};
    } while ((cm * scale) % 10 || cm * scale < 300 || cm * scale > 4000 ||
             !enoughWrong(scale, wrong));
    const Frac real(cm * scale, 100);
    QB q("scale_find", 3);
    q.param("cm", cm).paramDec("metres", real);
    q.p("A model of a sailing boat is " + qty(cm, "cm") + " long. The real boat is " +
        qty(real, "m") + " long.");
    q.p("The model is made to a scale of 1&nbsp;:&nbsp;<i>n</i>. What is <i>n</i>?");
    addStep(q, "Change the real length into centimetres: " + qty(real, "m") + " = " + num(real) +
           " &times; 100&nbsp;cm = " + qty(cm * scale, "cm") + ".");
    addStep(q, "The real boat is " + qty(cm * scale, "cm") + " &divide; " + qty(cm, "cm") + " = " +
           S(scale) + " times as long as the model.");
    addStep(q, "So the scale is " + ratioHtml({1, scale}) + ", and <i>n</i> is " + S(scale) + ".");
    return answerNumber(q, r, k[0], scale, "", wrong).done();
}

Question ratioEquivalentMissing(Rng& r, const std::string& k) {
    int a, b, m, blank;
    Frac ans;
    std::vector<Slip> wrong;
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
        wrong = {{Frac(partner + across - acrossPartner),
                  "keeps the difference between the terms the same instead of the ratio"},
                 {Frac(across), "copies the number from the other ratio"},
                 blank < 2 ? Slip{Frac(acrossPartner * m), "multiplies the wrong term by " + S(m)}
                           : Slip{Frac(partner), "copies the other term of its own ratio"}};
        cells.clear();
        for (int i = 0; i < 4; ++i) cells.push_back(i == blank ? "?" : S(v[i]));
    } while (!enoughWrong(ans, wrong));
    QB q("ratio_equivalent_missing", 1);
    q.param("a", a).param("b", b).param("m", m).param("blank", blank);
    q.p("The two ratios are equal. Find the missing number.");
    q.p("<b>" + ratioHtml({cells[0], cells[1]}) + " = " + ratioHtml({cells[2], cells[3]}) +
        "</b>");
    // The pair of terms both ratios show gives the number the first ratio is multiplied by.
    const bool firstKnown = blank % 2 == 1;
    const int small = firstKnown ? a : b;
    addStep(q, std::string("Compare the ") + (firstKnown ? "first" : "second") + " terms, " + S(small) +
           " and " + S(small * m) + ": " + S(small * m) + " &divide; " + S(small) + " = " + S(m) +
           ", so the second ratio is the first with both terms multiplied by " + S(m) + ".");
    const int other = firstKnown ? b : a;
    if (blank >= 2)
        addStep(q, "Missing number = " + S(other) + " &times; " + S(m) + " = " + S(other * m) + ".");
    else
        addStep(q, "Missing number = " + S(other * m) + " &divide; " + S(m) + " = " + S(other) + ".");
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
        const std::vector<TextSlip> wrong = {
            {shownRatio(S(y), S(x)), "swaps the two terms round"},
            {shownRatio(S(x + n), S(y + n)),
             "adds " + S(n) + " to both terms; a ratio keeps its value only when both terms are "
             "multiplied or divided by the same number"},
            {shownRatio(S(a), S(y)), "divides the first term only"}};
        std::vector<std::string> all;
        for (const TextSlip& w : wrong) all.push_back(w.text);
        all.push_back(right);
        std::sort(all.begin(), all.end());
        if (m == n || std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("ratio_which_equivalent", 2);
        q.param("a", x).param("b", y);
        q.p("Which ratio is equal to <b>" + ratioHtml({x, y}) + "</b>?");
        addStep(q, simplifyStep({x, y}));
        addStep(q, "Multiply both terms of " + ratioHtml({a, b}) + " by " + S(n) + ": " + S(a) +
               " &times; " + S(n) + " = " + S(a * n) + "; " + S(b) + " &times; " + S(n) + " = " +
               S(b * n) + ". So " + ratioHtml({x, y}) + " = " + ratioHtml({a * n, b * n}) + ".");
        return q.choice(r, right, wrong).done();
    }
}

Question ratioOneToN(Rng& r, const std::string& k) {
    int a, b;
    Frac n;
    std::vector<Slip> wrong;
    do {
        a = pickInt(r, {2, 4, 5, 8, 10, 20, 25});
        b = r.range(a + 1, a * 6);
        n = Frac(b, a);
        wrong = {{Frac(a, b), "divides the first term by the second, the wrong way round"},
                 {Frac(b - a), "subtracts instead of dividing"},
                 {Frac(b), "leaves the second term as it was"}};
    } while (b % a == 0 || !enoughWrong(n, wrong));
    QB q("ratio_one_to_n", 2);
    q.param("a", a).param("b", b);
    q.p("Write the ratio <b>" + ratioHtml({a, b}) + "</b> in the form <b>1&nbsp;:&nbsp;<i>n</i></b>.");
    q.p("What is <i>n</i>?");
    addStep(q, "To make the first term 1, divide both terms by " + S(a) + ": " + S(a) +
           " &divide; " + S(a) + " = 1; " + S(b) + " &divide; " + S(a) + " = " + num(n) + ".");
    addStep(q, "So " + ratioHtml({a, b}) + " = " + ratioHtml({"1", num(n)}) + ", and <i>n</i> is " +
           num(n) + ".");
    return answerNumber(q, r, k[0], n, "", wrong).done();
}

Question ratioEqualise(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int a, b, give;
    std::vector<Slip> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 7);
        give = r.range(2, 20);
        if (a < b) std::swap(a, b);
        const int unit = a > b && (2 * give) % (a - b) == 0 ? 2 * give / (a - b) : 0;
        wrong = {{Frac(b * unit), "is " + y + "'s money at first, not " + x + "'s"},
                 {Frac(a * unit - give), "is " + x + "'s money after giving"},
                 {Frac((a + b) * unit), "is their money together"}};
    } while ((2 * give) % (a - b) || !enoughWrong(a * 2 * give / (a - b), wrong));
    const int unit = 2 * give / (a - b);
    QB q("ratio_equalise", 3);
    q.param("a", a).param("b", b).param("give", give);
    q.p("The ratio of " + x + "'s money to " + y + "'s money is " + ratioHtml({a, b}) + ". " + x +
        " gives " + y + " " + money(give) + ", and now they both have the same amount.");
    q.p("How much money did " + x + " have at first?");
    addStep(q, x + " has " + S(a) + " &minus; " + S(b) + " = " + parts(a - b) + " more than " + y +
           ".");
    addStep(q, "After the gift " + x + " has " + money(give) + " less and " + y + " has " +
           money(give) + " more, so the gap closes by 2 &times; " + money(give) + " = " +
           money(2 * give) + ".");
    if (a - b == 1)
        addStep(q, "So one part is " + money(2 * give) + ".");
    else
        addStep(q, "So " + parts(a - b) + " are " + money(2 * give) + ", and one part = " +
               money(2 * give) + " &divide; " + S(a - b) + " = " + money(unit) + ".");
    addStep(q, x + " had " + parts(a) + " at first: " + S(a) + " &times; " + money(unit) + " = " +
           money(a * unit) + ".");
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
    std::vector<Slip> wrong;
    do {
        for (int& v : p) v = r.range(1, 8);
        prize = (p[0] + p[1] + p[2]) * r.range(5, 30);
        ask = r.range(0, 2);
        wrong = {{Frac(prize, 3), "shares the prize equally"},
                 {Frac(prize - prize / (p[0] + p[1] + p[2]) * p[ask]),
                  "is the other two friends' shares together"},
                 {Frac(prize * p[ask], 10), "takes each dollar paid as a tenth of the prize"}};
    } while (p[0] == p[1] || p[1] == p[2] || p[0] == p[2] ||
             !enoughWrong(prize / (p[0] + p[1] + p[2]) * p[ask], wrong));
    QB q("ratio_share_contribution", 3);
    q.param("p", S(p[0]) + "," + S(p[1]) + "," + S(p[2])).param("prize", prize).param("ask", ask);
    q.p(who[0] + ", " + who[1] + " and " + who[2] + " buy a raffle ticket together. " + who[0] +
        " pays " + money(p[0]) + ", " + who[1] + " pays " + money(p[1]) + " and " + who[2] +
        " pays " + money(p[2]) + ".");
    const std::string& asked = who[static_cast<std::size_t>(ask)];
    q.p("The ticket wins " + money(prize) +
        ", which they share in the ratio of what they paid. How much does " + asked + " get?");
    const int total = p[0] + p[1] + p[2];
    const int unit = prize / total;
    addStep(q, "They paid " + money(p[0]) + " + " + money(p[1]) + " + " + money(p[2]) + " = " +
           money(total) + ", so the prize is shared in the ratio " +
           ratioHtml({p[0], p[1], p[2]}) + ", " + S(total) + " parts in all.");
    addStep(q, "One part = " + money(prize) + " &divide; " + S(total) + " = " + money(unit) + ".");
    addStep(q, asked + " paid " + money(p[ask]) + ", so gets " + S(p[ask]) + " &times; " +
           money(unit) + " = " + money(unit * p[ask]) + ".");
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
    std::vector<Slip> wrong;
    do {
        perMetre = r.range(c.lowCents / 10, c.highCents / 10) * 10;
        n = r.range(2, 12);
        m = r.range(2, 20);
        const Frac cost(perMetre * n, 100), budget(perMetre * m, 100);
        wrong = {{Frac(n) * cost / budget, "divides the wrong way round, the cost by the money "
                                           "to spend"},
                 {Frac(n) + budget - cost, "takes the extra dollars as extra metres"},
                 {budget / Frac(n), "divides the money by the metres"}};
    } while (m == n || !(Frac(perMetre * n, 100) * Frac(10)).isInt() || !enoughWrong(m, wrong));
    const Frac cost(perMetre * n, 100), budget(perMetre * m, 100), per(perMetre, 100);
    QB q("unitary_count", 2);
    q.param("n", n).paramDec("cost", cost).paramDec("budget", budget);
    q.p(qty(n, "m") + " of " + c.what + " costs " + money(cost) + ".");
    q.p("How many metres of the same " + std::string(c.what) + " can be bought for " +
        money(budget) + "?");
    addStep(q, "One metre costs " + money(cost) + " &divide; " + S(n) + " = " + money(per) + ".");
    addStep(q, "Number of metres = " + money(budget) + " &divide; " + money(per) + " = " +
           qty(perMetre * m, "cents") + " &divide; " + qty(perMetre, "cents") + " = " + S(m) + ".");
    addStep(q, "So " + money(budget) + " buys " + qty(m, "m") + " of " + c.what + ".");
    return answerNumber(q, r, k[0], m, "m", wrong).done();
}

Question ratioThreeGivenOne(Rng& r, const std::string& k) {
    int a, b, c, unit;
    bool askTotal;
    std::vector<Slip> wrong;
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
                    ? std::vector<Slip>{{Frac(given * (a + b + c)),
                                         "multiplies the sand by all the parts without first "
                                         "finding one part"},
                                        {Frac(given + a + c), "adds the other numbers of the "
                                                              "ratio to the sand"},
                                        {Frac(c * unit), "is the gravel only, not the whole mix"}}
                    : std::vector<Slip>{{Frac(given * c), "multiplies the sand by the gravel's "
                                                          "part without first finding one part"},
                                        {Frac(given + c - b), "keeps the difference between the "
                                                              "parts instead of the ratio"},
                                        {Frac((a + b + c) * unit), "is the whole mix, not the "
                                                                   "gravel"}};
    } while (!enoughWrong(ans, wrong));
    QB q("ratio_three_given_one", 2);
    q.param("a", a)
        .param("b", b)
        .param("c", c)
        .param("sand", b * unit)
        .param("ask", askTotal ? "total" : "gravel");
    q.p("A builder mixes cement, sand and gravel in the ratio " + ratioHtml({a, b, c}) +
        ". He uses " + S(b * unit) + " buckets of sand.");
    q.p(askTotal ? "How many buckets of the mix does he make altogether?"
                 : "How many buckets of gravel does he use?");
    addStep(q, "The sand is " + parts(b) + " of the ratio, so one part = " + S(b * unit) +
           " &divide; " + S(b) + " = " + plural(unit, "bucket", "buckets") + ".");
    if (askTotal) {
        addStep(q, totalParts({a, b, c}));
        addStep(q, "The whole mix = " + S(a + b + c) + " &times; " + S(unit) + " = " +
               qty((a + b + c) * unit, "buckets") + ".");
    } else {
        addStep(q, "The gravel is " + parts(c) + ": " + S(c) + " &times; " + S(unit) + " = " +
               qty(c * unit, "buckets") + ".");
    }
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
    const std::string colour = colours[static_cast<std::size_t>(ask)];
    QB q("ratio_fraction_three", 2);
    q.param("a", a).param("b", b).param("c", c).param("ask", colour);
    q.p("A bag holds red, blue and green counters in the ratio " + ratioHtml({a, b, c}) + ".");
    q.p("What fraction of the counters are " + colour + "?");
    q.note("Give your answer as a fraction in its simplest form, for example 3/4.");
    q.answer();
    const int part = std::vector<int>{a, b, c}[static_cast<std::size_t>(ask)];
    const int total = a + b + c;
    addStep(q, totalParts({a, b, c}));
    addStep(q, "The " + colour + " counters are " + S(part) + " of every " + S(total) +
           ", so they are " + S(part) + "/" + S(total) + " of the counters.");
    const int g = gcdInt(part, total);
    if (g > 1)
        addStep(q, "Simplify by dividing the numerator and the denominator by " + S(g) + ": " +
               S(part) + "/" + S(total) + " = " + fracHtml(Frac(part, total)) + ".");
    else
        addStep(q, "The only common factor of " + S(part) + " and " + S(total) +
               " is 1, so the fraction is in its simplest form.");
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
    q.p("In class A the ratio of boys to girls is " + ratioHtml({a, b}) + ", and there are " +
        S((a + b) * ua) + " pupils.");
    q.p("In class B the ratio of boys to girls is " + ratioHtml({c, d}) + ", and there are " +
        S((c + d) * uc) + " pupils.");
    q.p("Which class has more girls?");
    q.note("Write A or B.");
    q.answer();
    auto girls = [&](const std::string& name, int boys, int g, int unit) {
        return "Class " + name + ": " + S(boys) + " + " + S(g) + " = " + parts(boys + g) +
               ", so one part = " + S((boys + g) * unit) + " &divide; " + S(boys + g) + " = " +
               S(unit) + " pupils, and the girls are " + S(g) + " &times; " + S(unit) + " = " +
               S(g * unit) + ".";
    };
    addStep(q, girls("A", a, b, ua));
    addStep(q, girls("B", c, d, uc));
    const bool aWins = b * ua > d * uc;
    addStep(q, "Class " + std::string(aWins ? "A" : "B") + " has more girls: " +
           S(aWins ? b * ua : d * uc) + " against " + S(aWins ? d * uc : b * ua) + ".");
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
    const std::vector<int> ys = {x0 * m, (x0 + step) * m, (x0 + 2 * step) * m};
    const std::string right = row(xs, ys);
    const std::vector<TextSlip> wrong = {
        {row(xs, {x0 + m, x0 + step + m, x0 + 2 * step + m}),
         "adds the same number to the tickets each time, so one ticket does not always cost the "
         "same"},
        {row(xs, {x0 * m, (x0 + step) * m + 1, (x0 + 2 * step) * m + 2}),
         "grows, but the cost of one ticket changes from pair to pair"},
        {row(xs, {(x0 + 2 * step) * m, (x0 + step) * m, x0 * m}),
         "costs less as the number of tickets goes up"}};
    QB q("proportion_which", 2);
    q.param("m", m).param("x0", x0).param("step", step);
    q.p("Each list pairs a number of tickets with its cost in dollars. In which list is the cost "
        "in <b>direct proportion</b> to the number of tickets?");
    addStep(q, "In direct proportion one ticket always costs the same, so the cost &divide; the "
           "number of tickets is the same in every pair.");
    std::string divisions;
    for (std::size_t i = 0; i < xs.size(); ++i)
        divisions += (divisions.empty() ? "" : "; ") + S(ys[i]) + " &divide; " + S(xs[i]) +
                     " = " + S(m);
    addStep(q, "In the list " + right + ": " + divisions + ". Every ticket costs " + money(m) + ".");
    return q.choice(r, right, wrong).done();
}

Question gearTurns(Rng& r, const std::string& k) {
    int big, small, turns;
    std::vector<Slip> wrong;
    do {
        big = r.range(6, 12) * 4;
        small = r.range(3, 9) * 2;
        turns = r.range(2, 12);
        wrong = {{Frac(turns * small, big), "scales the wrong way, as if the small wheel turned "
                                            "less"},
                 {Frac(turns + big - small), "adds the difference in teeth to the turns"},
                 {Frac(big * turns), "is the number of teeth that pass, not the turns"}};
    } while (small >= big || (big * turns) % small || !enoughWrong(big * turns / small, wrong));
    QB q("gear_turns", 3);
    q.param("big", big).param("small", small).param("turns", turns);
    q.p("A large gear wheel with " + S(big) + " teeth turns a small gear wheel with " + S(small) +
        " teeth.");
    q.p("How many times does the small wheel turn when the large wheel turns " +
        plural(turns, "time", "times") + "?");
    addStep(q, "When the large wheel turns " + plural(turns, "time", "times") + ", " + S(big) +
           " &times; " + S(turns) + " = " + S(big * turns) + " teeth pass.");
    addStep(q, "The small wheel turns once for every " + S(small) + " teeth: " + S(big * turns) +
           " &divide; " + S(small) + " = " + qty(big * turns / small, "times") + ".");
    return answerNumber(q, r, k[0], big * turns / small, "times", wrong).done();
}

Question coinsRatio(Rng& r, const std::string& k) {
    int a, b, unit;
    Frac value;
    std::vector<Slip> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 6);
        unit = r.range(2, 8);
        value = Frac(a * unit * 20 + b * unit * 50, 100);
        wrong = {{Frac((a + b) * unit * 50, 100), "takes every coin as a 50-cent coin"},
                 {Frac(a * 20 + b * 50, 100), "counts one coin for each part of the ratio only"},
                 {Frac(b * unit * 20 + a * unit * 50, 100),
                  "swaps the numbers of 20-cent and 50-cent coins"}};
    } while (!enoughWrong(value, wrong));
    QB q("coins_ratio", 3);
    q.param("a", a).param("b", b).param("coins", (a + b) * unit);
    q.p("A money box holds only 20-cent and 50-cent coins, " + S((a + b) * unit) +
        " coins in all. The ratio of the number of 20-cent coins to the number of 50-cent coins "
        "is " +
        ratioHtml({a, b}) + ".");
    q.p("How much money is in the box?");
    const int coins = (a + b) * unit;
    const int cents = a * unit * 20 + b * unit * 50;
    addStep(q, "Total number of parts = " + S(a) + " + " + S(b) + " = " + S(a + b) +
           ", so one part = " + S(coins) + " &divide; " + S(a + b) + " = " + S(unit) + " coins.");
    addStep(q, "Number of 20-cent coins = " + S(a) + " &times; " + S(unit) + " = " + S(a * unit) +
           ".");
    addStep(q, "Number of 50-cent coins = " + S(b) + " &times; " + S(unit) + " = " + S(b * unit) +
           ".");
    addStep(q, "Value = " + S(a * unit) + " &times; 20&nbsp;cents + " + S(b * unit) +
           " &times; 50&nbsp;cents = " + qty(a * unit * 20, "cents") + " + " +
           qty(b * unit * 50, "cents") + " = " + qty(cents, "cents") + ".");
    addStep(q, "In dollars, " + qty(cents, "cents") + " = " + money(value) + ".");
    return answerNumber(q, r, k[0], value, "dollars", wrong).done();
}

Question ratioRectPerimeter(Rng& r, const std::string& k) {
    int a, b, unit;
    std::vector<Slip> wrong;
    do {
        std::tie(a, b) = coprimePair(r, 1, 9);
        if (a < b) std::swap(a, b);
        unit = r.range(2, 8);
        const int perimeter = 2 * (a + b) * unit;
        wrong = {{Frac(perimeter * a, a + b), "shares the whole perimeter instead of half of it"},
                 {Frac(b * unit), "is the width, not the length"},
                 {Frac(perimeter, 4), "is the side of a square with the same perimeter"}};
    } while (!enoughWrong(a * unit, wrong));
    QB q("ratio_rect_perimeter", 3);
    const int perimeter = 2 * (a + b) * unit;
    q.param("a", a).param("b", b).param("perimeter", perimeter);
    q.p("The length and the width of a rectangle are in the ratio " + ratioHtml({a, b}) +
        ". Its perimeter is " + qty(perimeter, "cm") + ".");
    q.p("How long is the rectangle?");
    addStep(q, "The perimeter goes round two lengths and two widths, so one length and one width "
           "make half of it: " + S(perimeter) + " &divide; 2 = " + qty(perimeter / 2, "cm") + ".");
    addStep(q, "Total number of parts = " + S(a) + " + " + S(b) + " = " + S(a + b) +
           ", so one part = " + S(perimeter / 2) + " &divide; " + S(a + b) + " = " +
           qty(unit, "cm") + ".");
    addStep(q, "Length = " + S(a) + " &times; " + qty(unit, "cm") + " = " + qty(a * unit, "cm") + ".");
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
