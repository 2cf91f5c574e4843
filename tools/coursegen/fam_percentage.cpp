// Percentage: percentages of amounts, conversions, increase and discount, reverse percentages,
// interest, commission and comparisons, told in words. Tables, charts and pictures are in
// fam_percentage_pictures.cpp.

#include "drawing.h"
#include "families.h"
#include "option_bounds.h"
#include "worked_steps.h"

#include <algorithm>
#include <numeric>

namespace {

const char* kSimplest = "Give your answer as a fraction in its simplest form, for example 3/4.";


// An amount as the question writes it: money, a number, or a number and its unit.
std::string shown(const Frac& v, const std::string& unit) {
    if (isMoneyUnit(unit)) return (v * Frac(100)).isInt() ? money(v) : num(v);
    return unit.empty() ? num(v) : qty(v, unit);
}

// p% of x worked out: 1% first (x divided by 100), then p of them; or p/100 times x when 1% of
// a sum of money is not a whole number of cents.
Frac percentOf(QB& q, const Frac& p, const Frac& x, const std::string& unit,
               const std::string& label = "") {
    const Frac one = x / Frac(100);
    const Frac result = p * one;
    const bool cents = (one * Frac(100)).isInt() && (result * Frac(100)).isInt();
    if (cents || !isMoneyUnit(unit)) {
        step(q, label + "1% of " + shown(x, unit) + " = " + shown(x, unit) + " &divide; 100 = " +
                    shown(one, unit) + ".");
        if (!(p == Frac(1)))
            step(q, qty(p, "%") + " of " + shown(x, unit) + " = " + num(p) + " &times; " +
                        shown(one, unit) + " = " + shown(result, unit) + ".");
    } else {
        step(q, label + qty(p, "%") + " of " + shown(x, unit) + " = " + num(p) + "/100 &times; " +
                    shown(x, unit) + " = " + shown(result, unit) + ".");
    }
    return result;
}

// "a out of b as a percentage: a/b × 100 = c%", simplifying the fraction on the way when that
// makes the multiplication easy.
void asPercentage(QB& q, const Frac& part, const Frac& whole, const std::string& label = "") {
    const Frac f = part / whole;
    step(q, label + (label.empty() ? "As" : "as") + " a fraction of " + num(whole) + ": " +
                num(part) + "/" + num(whole) +
                (f.text() != num(part) + "/" + num(whole) ? " = " + f.text() : std::string()) +
                ".");
    step(q, "As a percentage: " + f.text() + " &times; 100 = " + qty(f * Frac(100), "%") + ".");
}

Question pctOf(Rng& r, const std::string& k) {
    int p = 0;
    int n = 0;
    int ans = 0;
    std::vector<Slip> slips;
    // A percentage below 100 of n is less than n: so is every option.
    auto below = [&](const Frac& v) { return v < Frac(n); };
    do {
        p = pickInt(r, {5, 10, 15, 20, 25, 30, 35, 40, 45, 60, 75, 12, 8, 80, 90});
        n = r.range(2, 60) * 10;
        ans = p * n / 100;
        slips = {{n - ans, "is the rest, " + qty(100 - p, "%") + " of " + num(n)},
                 {ans * 10, "divides by 10 instead of 100"},
                 {p * n, "does not divide by 100"},
                 {Frac(p * n, 1000), "divides by 1000 instead of 100"},
                 {Frac(n, 10), "finds 10% and stops there"},
                 {Frac(n - p), "takes " + S(p) + " away from " + num(n)},
                 {Frac(n, p), "divides " + num(n) + " by " + S(p)}};
    } while ((p * n) % 100 || (k[0] == 'Q' && !enoughWithin(ans, slips, below)));
    QB q("pct_of", 1);
    q.param("p", p).param("n", n);
    q.p("Find <b>" + qty(p, "%") + " of " + num(n) + "</b>.");
    percentOf(q, p, n, "");
    return answerNumber(q, r, k[0], ans, "",
                        slipsAllowed(ans, {slips.begin(), slips.begin() + 3},
                                     {slips.begin() + 3, slips.end()}, below))
        .done();
}

Question pctToFraction(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    do p = r.range(2, 98);
    while (p % 10 == 0 || Frac(p, 100).d == 100);
    QB q("pct_to_fraction", 1);
    q.param("p", p);
    q.p("Write <b>" + qty(p, "%") + "</b> as a fraction.");
    q.note(kSimplest);
    q.answer();
    const int g = std::gcd(p, 100);
    step(q, qty(p, "%") + " means " + S(p) + " out of 100: " + S(p) + "/100.");
    step(q, "Simplify: divide the numerator and the denominator by " + S(g) + ", so " + S(p) +
                "/100 = " + Frac(p, 100).text() + ".");
    return q.part('F', Frac(p, 100).text()).done();
}

Question fracToPct(Rng& r, const std::string& k) {
    int n = 0;
    int d = 0;
    int ans = 0;
    std::vector<Frac> wrong;
    do {
        d = pickInt(r, {4, 5, 10, 20, 25, 50});
        do n = r.range(1, d - 1);
        while (gcdInt(n, d) != 1);
        ans = n * 100 / d;
        wrong = {Frac(100 - ans) /* the complement */, Frac(n + d) /* added top and bottom */,
                 Frac(n) /* the numerator read as the percentage */,
                 Frac(n * 10) /* the numerator times ten */};
    } while (!enoughWrong(ans, wrong));
    QB q("frac_to_pct", 1);
    q.param("n", n).param("d", d);
    q.p("Write <b>" + S(n) + "/" + S(d) + "</b> as a percentage.");
    step(q, "Make the denominator 100: multiply the numerator and the denominator by " +
                S(100 / d) + ", so " + S(n) + "/" + S(d) + " = " + S(ans) + "/100.");
    step(q, "Hundredths are per cent, so " + S(n) + "/" + S(d) + " &times; 100 = " +
                qty(ans, "%") + ".");
    // A proper fraction is less than 100%: so is every option.
    return answerNumber(q, r, k[0], ans, "%",
                        slipsAllowed(ans,
                                     {{wrong[0], "is the rest, 1 &minus; " + S(n) + "/" + S(d)},
                                      {wrong[1], "adds the numerator and the denominator"},
                                      {wrong[2], "reads the numerator as the percentage"},
                                      {wrong[3], "multiplies the numerator by 10"}},
                                     {{Frac(100, d), "is one part only, 1/" + S(d)},
                                      {Frac(d), "reads the denominator as the percentage"},
                                      {Frac(ans, 10), "multiplies by 10 instead of 100"}},
                                     [](const Frac& v) { return v < Frac(100); }))
        .done();
}

Question pctIncrease(Rng& r, const std::string& k) {
    const bool up = r.chance(50);
    int p = 0;
    int n = 0;
    std::vector<Frac> wrong;
    do {
        p = pickInt(r, {5, 10, 15, 20, 25, 30, 40, 50});
        n = up ? r.range(15, 60) * 10 : r.range(8, 40) * 5;  // a bicycle $150-600, a coat $40-200
        const int change = p * n / 100;
        wrong = {Frac(change) /* the change alone */,
                 Frac(up ? n - change : n + change) /* changed the wrong way */,
                 Frac(up ? n + p : n - p) /* the percentage taken as dollars */};
    } while ((p * n) % 100 || !enoughWrong(up ? n + p * n / 100 : n - p * n / 100, wrong, true));
    QB q("pct_change", 2);
    q.param("price", n).param("p", p).param("dir", up ? "up" : "down");
    if (up)
        q.p("A bicycle cost " + money(n) + ". Its price goes up by " + qty(p, "%") +
            ". What is the new price?");
    else
        q.p("A coat costs " + money(n) + ". In a sale its price is reduced by " + qty(p, "%") +
            ". What is the sale price?");
    const int change = p * n / 100;
    const int now = up ? n + change : n - change;
    percentOf(q, p, n, "dollars");
    step(q, std::string(up ? "New price: " : "Sale price: ") + money(n) +
                (up ? " + " : " &minus; ") + money(change) + " = " + money(now) + ".");
    // A rise ends above the old price and a cut below it: so does every option.
    const std::vector<Slip> slips =
        up ? slipsAllowed(now,
                          {{wrong[0], "is the rise alone, not the new price"},
                           {wrong[1], "takes the rise off instead of adding it"},
                           {wrong[2], "adds the percentage as if it were dollars"}},
                          {{Frac(n + 2 * change), "adds the rise twice"},
                           {Frac(n) + Frac(p * n, 1000), "divides by 1000 instead of 100"},
                           {Frac(n + p * n / 10), "divides by 10 instead of 100"}},
                          [&](const Frac& v) { return v > Frac(n); }, true)
           : slipsAllowed(now,
                          {{wrong[0], "is the amount taken off, not the sale price"},
                           {wrong[1], "adds the cut instead of taking it off"},
                           {wrong[2], "takes off the percentage as if it were dollars"}},
                          {{Frac(n - 2 * change), "takes the cut off twice"},
                           {Frac(n) - Frac(p * n, 1000), "divides by 1000 instead of 100"},
                           {Frac(n, 2), "halves the price"}},
                          [&](const Frac& v) { return v < Frac(n); }, true);
    return answerNumber(q, r, k[0], now, "dollars", slips).done();
}

Question pctPart(Rng& r, const std::string& k) {
    int total = 0;
    int part = 0;
    int ans = 0;
    std::vector<Frac> wrong;
    do {
        total = pickInt(r, {20, 25, 40, 50, 200, 300, 400, 500});
        do part = r.range(2, total - 1);  // never "1 of the pupils wear"
        while ((part * 100) % total);
        ans = part * 100 / total;
        wrong = {Frac(100 - ans) /* the others */, Frac(part) /* the count read as a percentage */,
                 Frac(total - part) /* counted the others */};
    } while (!enoughWrong(ans, wrong));
    const std::vector<std::string> what = {"wear glasses", "walk to school", "play the piano",
                                           "have a pet cat"};
    QB q("pct_part", 2);
    q.param("part", part).param("total", total);
    asPercentage(q, part, total);
    q.p("Of the " + S(total) + " pupils in a " +
        (total <= 25   ? "class, "
         : total <= 50 ? "year group, "
                       : "school, ") +
        S(part) + " " + r.pick(what) + ". What percentage of the pupils is that?");
    // A part of the pupils is less than 100% of them: so is every option.
    return answerNumber(
               q, r, k[0], ans, "%",
               slipsAllowed(ans,
                            {{wrong[0], "is the pupils who do not"},
                             {wrong[1], "reads the number of pupils as the percentage"},
                             {wrong[2], "reads the number of the other pupils as the "
                                        "percentage"}},
                            {{Frac(ans, 10), "multiplies by 10 instead of 100"},
                             {Frac(part * 100, total + part), "adds the " + S(part) +
                                                                   " to the " + S(total) +
                                                                   " before dividing"},
                             {Frac(ans, 100), "gives the decimal, not the percentage"}},
                            [](const Frac& v) { return v < Frac(100); }))
        .done();
}

Question pctLeft(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int a, b;
    do {
        a = r.range(2, 14) * 5;
        b = r.range(1, 12) * 5;
    } while (a + b >= 95 || !enoughWrong(100 - a - b, {a + b, 100 - a, 100 - b}));
    QB q("pct_left", 1);
    q.param("a", a).param("b", b).param("who", who);
    q.p(who + " spends " + qty(a, "%") + " of a week's pocket money on comics and " + qty(b, "%") +
        " on sweets, and saves the rest.");
    q.p("What percentage of the pocket money is saved?");
    step(q, "All of the pocket money is 100%. Spent: " + qty(a, "%") + " + " + qty(b, "%") +
                " = " + qty(a + b, "%") + ".");
    step(q, "Saved: 100% &minus; " + qty(a + b, "%") + " = " + qty(100 - a - b, "%") + ".");
    return answerNumber(q, r, k[0], 100 - a - b, "%",
                        std::vector<Slip>{{a + b, "is what is spent, not what is saved"},
                                          {100 - a, "takes away the comics only"},
                                          {100 - b, "takes away the sweets only"}})
        .done();
}

Question decToPct(Rng& r, const std::string& k) {
    int h = 0;
    // 0.1 as a percentage reads 10, the same digits as the tenths slip; 50% leaves a choice
    // question one slip short (its rest is itself).
    do h = r.range(1, 99);
    while (h == 10 || (k[0] == 'Q' && h == 50));
    const bool toDecimal = r.chance(40);
    QB q("dec_pct", 1);
    q.param("h", h).param("to", toDecimal ? "decimal" : "percent");
    if (toDecimal) {
        q.p("Write <b>" + qty(h, "%") + "</b> as a decimal.");
        step(q, qty(h, "%") + " means " + S(h) + " hundredths: " + S(h) + "/100.");
        step(q, "Divide by 100, moving each digit two places to the right: " + S(h) +
                    " &divide; 100 = " + num(Frac(h, 100)) + ".");
        // A percentage below 100 is a decimal below 1: so is every option.
        return answerNumber(
                   q, r, k[0], Frac(h, 100), "",
                   slipsAllowed(Frac(h, 100),
                                {{Frac(h, 10), "divides by 10 instead of 100"},
                                 {Frac(h), "leaves the number as it is"},
                                 {Frac(h, 1000), "divides by 1000 instead of 100"}},
                                {{Frac(100 - h, 100), "is the rest, 100% &minus; " + qty(h, "%")},
                                 {Frac(h, 10000), "moves the point four places instead of two"}},
                                [](const Frac& v) { return v < Frac(1); }))
            .done();
    }
    q.p("Write <b>" + Frac(h, 100).dec() + "</b> as a percentage.");
    step(q, "A percentage is a number of hundredths, so multiply by 100.");
    step(q, num(Frac(h, 100)) + " &times; 100 = " + S(h) + ", so " + num(Frac(h, 100)) + " = " +
                qty(h, "%") + ".");
    // A decimal below 1 is a percentage below 100: so is every option.
    return answerNumber(
               q, r, k[0], h, "%",
               slipsAllowed(h,
                            {{Frac(h, 10), "multiplies by 10 instead of 100"},
                             {Frac(h * 10), "multiplies by 1000 instead of 100"},
                             {Frac(h, 100), "leaves the decimal as it is"}},
                            {{Frac(100 - h), "is the rest, 1 &minus; " + num(Frac(h, 100))}},
                            [](const Frac& v) { return v < Frac(100); }))
        .done();
}

Question betterScore(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int a, b, c, d;
    do {
        b = pickInt(r, {20, 25, 40, 50});
        d = pickInt(r, {20, 25, 40, 50});
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
    asPercentage(q, a, b, x + "'s score ");
    asPercentage(q, c, d, y + "'s score ");
    const bool first = a * d > b * c;
    step(q, qty(first ? Frac(a * 100, b) : Frac(c * 100, d), "%") + " is more than " +
                qty(first ? Frac(c * 100, d) : Frac(a * 100, b), "%") + ", so " +
                (first ? x : y) + " scored the higher percentage.");
    return q.part('T', a * d > b * c ? x : y).done();
}

Question discountTwo(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    int n = 0;
    do {
        p = pickInt(r, {10, 15, 20, 25, 30, 35, 40});
        n = r.range(8, 24) * 5;  // trainers $40-120
    } while ((p * n) % 100);
    QB q("discount_two", 2);
    q.param("price", n).param("p", p);
    q.p("A pair of trainers costs " + money(n) + ". The shop gives " + qty(p, "%") +
        " off in a sale.");
    q.subparts({{"How much money is taken off the price?", "dollars"},
                {"What is the sale price?", "dollars"}});
    percentOf(q, p, n, "dollars", "(a) ");
    step(q, "(b) " + money(n) + " &minus; " + money(p * n / 100) + " = " +
                money(n - p * n / 100) + ".");
    return q.part('N', S(p * n / 100)).part('N', S(n - p * n / 100)).done();
}

Question classTwo(Rng& r, const std::string& k) {
    (void)k;
    int n = 0;
    int p = 0;
    do {
        n = pickInt(r, {20, 25, 30, 32, 36, 40, 48, 50, 60});
        p = r.range(2, 18) * 5;
    } while ((n * p) % 100 || p == 50);
    QB q("class_two", 2);
    q.param("n", n).param("p", p);
    q.p("There are " + S(n) + " children in a club. " + qty(p, "%") + " of them are girls.");
    q.subparts(
        {{"How many girls are in the club?", "girls"}, {"How many boys are in the club?", "boys"}});
    percentOf(q, p, n, "", "(a) ");
    step(q, "(b) The boys are the rest: " + S(n) + " &minus; " + S(n * p / 100) + " = " +
                plural(n - n * p / 100, "boy", "boys") + ".");
    return q.part('N', S(n * p / 100)).part('N', S(n - n * p / 100)).done();
}

Question savingsThree(Rng& r, const std::string& k) {
    (void)k;
    const std::string who = r.pick(names());
    int n, p, s;
    do {
        n = r.range(4, 40) * 50;
        p = pickInt(r, {10, 20, 25, 30, 40});
        s = pickInt(r, {10, 20, 25, 50});
    } while ((n * p) % 100 || ((n - n * p / 100) * s) % 100);
    const int saved = n * p / 100;
    const int spent = (n - saved) * s / 100;
    QB q("savings_three", 3);
    q.param("n", n).param("p", p).param("s", s).param("who", who);
    q.p(who + " earned " + money(n) + " in a summer job. " + who + " saved " + qty(p, "%") +
        " of it and then spent " + qty(s, "%") + " of the rest on clothes.");
    q.subparts({{"How much did " + who + " save?", "dollars"},
                {"How much did " + who + " spend on clothes?", "dollars"},
                {"How much of the " + money(n) + " was left after saving and buying clothes?",
                 "dollars"}});
    step(q, "(a) Saved: " + qty(p, "%") + " of " + money(n) + " = " + S(p) + "/100 &times; " +
                money(n) + " = " + money(saved) + ".");
    step(q, "(b) The rest: " + money(n) + " &minus; " + money(saved) + " = " +
                money(n - saved) + ".");
    step(q, "(b) Clothes: " + qty(s, "%") + " of " + money(n - saved) + " = " + S(s) +
                "/100 &times; " + money(n - saved) + " = " + money(spent) + ".");
    step(q, "(c) Left: " + money(n - saved) + " &minus; " + money(spent) + " = " +
                money(n - saved - spent) + ".");
    return q.part('N', S(saved)).part('N', S(spent)).part('N', S(n - saved - spent)).done();
}

Question reversePct(Rng& r, const std::string& k) {
    int p = 0;
    int whole = 0;
    std::vector<Frac> wrong;
    do {
        p = pickInt(r, {10, 20, 25, 40, 50, 60, 75});
        whole = r.range(2, 40) * 10;
        const Frac part(p * whole / 100);
        wrong = {part * Frac(p, 100) /* took the percentage of the part */,
                 part * Frac(100 + p, 100) /* increased the part by the percentage */,
                 part / Frac(p) /* divided by the percentage, not by its hundredths */,
                 part * Frac(100, 100 - p) /* took the part for the rest */};
    } while ((p * whole) % 100 || !enoughWrong(whole, wrong));
    QB q("reverse_pct", 3);
    q.param("p", p).param("part", p * whole / 100);
    q.p("<b>" + qty(p, "%") + "</b> of a number is <b>" + num(p * whole / 100) +
        "</b>. What is the number?");
    const Frac part(p * whole / 100);
    step(q, qty(p, "%") + " of the number is " + num(part) + ", so 1% of it is " + num(part) +
                " &divide; " + S(p) + " = " + num(part / Frac(p)) + ".");
    step(q, "The whole number is 100%: 100 &times; " + num(part / Frac(p)) + " = " + num(whole) +
                ".");
    // The number is larger than the part of it that is given: so is every option.
    return answerNumber(
               q, r, k[0], whole, "",
               slipsAllowed(whole,
                            {{wrong[0], "takes " + qty(p, "%") + " of " + num(part) +
                                            " instead of finding the whole"},
                             {wrong[1], "increases " + num(part) + " by " + qty(p, "%")},
                             {wrong[2], "divides by " + S(p) + " but does not multiply by 100"},
                             {wrong[3], "takes " + num(part) + " as the other " +
                                            qty(100 - p, "%")}},
                            {{part * Frac(100), "multiplies by 100 but does not divide by " +
                                                    S(p)},
                             {part + Frac(100 - p), "adds the missing " + S(100 - p) +
                                                        " as a number"},
                             {part * Frac(p), "multiplies by " + S(p) + " instead of dividing"}},
                            [&](const Frac& v) { return v > part; }))
        .done();
}

Question pctFractionLeft(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    do p = r.range(2, 19) * 5;
    while (p % 10 == 0 && r.chance(50));
    QB q("pct_fraction_left", 2);
    q.param("p", p);
    q.p("In a survey " + qty(p, "%") +
        " of the people asked chose football. What fraction of the people did <b>not</b> choose "
        "football?");
    q.note(kSimplest);
    q.answer();
    step(q, "Everyone asked is 100%, so 100% &minus; " + qty(p, "%") + " = " +
                qty(100 - p, "%") + " did not choose football.");
    step(q, qty(100 - p, "%") + " = " + S(100 - p) + "/100. Divide the numerator and the "
                "denominator by " + S(std::gcd(100 - p, 100)) + ": " + S(100 - p) + "/100 = " +
                Frac(100 - p, 100).text() + ".");
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
        // The wrong options are the other three values, each in a different form, so the
        // learner has to bring them to one form to compare.
        std::vector<TextSlip> wrong;
        std::string list;
        for (std::size_t i = 0; i < 4; ++i) {
            list += (list.empty() ? "" : ",") + shown[i];
            if (i != best)
                wrong.push_back({shown[i], "is " + qty(v[i] * Frac(100), "%") + ", " +
                                               (largest ? "less" : "more") + " than " +
                                               qty(v[best] * Frac(100), "%")});
        }
        QB q("pct_order", 2);
        q.param("vals", list).param("which", largest ? "largest" : "smallest");
        q.p(std::string("Which of these is the <b>") + (largest ? "largest" : "smallest") +
            "</b>?");
        step(q, "Write each one as a percentage: " + shown[1] + " &times; 100 = " +
                    qty(dec * Frac(100), "%") + ", " + shown[2] + " &times; 100 = " +
                    qty(fr * Frac(100), "%") + " and " + shown[3] + " &times; 100 = " +
                    qty(f5 * Frac(100), "%") + ".");
        std::vector<Frac> sorted = v;
        std::sort(sorted.begin(), sorted.end());
        std::string order;
        for (const Frac& x : sorted) order += (order.empty() ? "" : ", ") + qty(x * Frac(100), "%");
        step(q, "From the smallest: " + order + ". The " + (largest ? "largest" : "smallest") +
                    " is " + qty(v[best] * Frac(100), "%") +
                    (best == 0 ? std::string() : ", which is " + shown[best]) + ".");
        return q.choice(r, shown[best], wrong).done();
    }
}

// ---- Finding the percentage, the original amount, and chains of percentages ----

Question pctChangeFind(Rng& r, const std::string& k) {
    const int context = r.range(0, 2);  // a ticket price rises, a jacket is reduced, a club
    const std::string who = r.pick(names());
    int from = 0;
    int to = 0;
    int p = 0;
    bool up = true;
    std::vector<Frac> wrong;
    do {
        p = pickInt(r, {5, 10, 15, 20, 25, 30, 40, 50, 60, 75});
        up = context == 0 || (context == 2 && r.chance(50));
        from = context == 0   ? r.range(4, 16) * 5    // a concert ticket $20-80
               : context == 1 ? r.range(8, 30) * 5    // a jacket $40-150
                              : r.range(4, 40) * 10;  // members of a club
        if ((from * p) % 100) continue;
        to = up ? from + from * p / 100 : from - from * p / 100;
        const int change = up ? to - from : from - to;
        wrong = {Frac(change) /* the change read as a percentage */,
                 Frac(change * 100, to) /* the change as a part of the new amount */,
                 Frac(to * 100, from) /* the new amount as a percentage of the old */};
    } while ((from * p) % 100 || (p > 50 && context != 1) || !enoughWrong(p, wrong));
    QB q("pct_change_find", 2);
    q.param("from", from).param("to", to);
    if (context == 0)
        q.p("The price of a concert ticket went up from " + money(from) + " to " + money(to) + ".");
    else if (context == 1)
        q.p("In a sale the price of a jacket fell from " + money(from) + " to " + money(to) + ".");
    else
        q.p("A swimming club had " + S(from) + " members last year. This year it has " + S(to) +
            " members.");
    q.p(std::string("What is the percentage ") + (up ? "increase" : "decrease") + "?");
    const std::string unit = context == 2 ? "" : "dollars";
    const int change = up ? to - from : from - to;
    step(q, std::string(up ? "Increase: " : "Decrease: ") + shown(up ? to : from, unit) +
                " &minus; " + shown(up ? from : to, unit) + " = " + shown(change, unit) + ".");
    step(q, "Compare it with the amount before the change, " + shown(from, unit) + ": " +
                S(change) + "/" + S(from) +
                (Frac(change, from).d != from ? " = " + Frac(change, from).text() : std::string()) +
                ".");
    step(q, "As a percentage: " + Frac(change, from).text() + " &times; 100 = " + qty(p, "%") +
                ".");
    // A decrease takes less than the whole amount, so it is below 100%: so is every option.
    return answerNumber(
               q, r, k[0], p, "%",
               slipsAllowed(p,
                            {{wrong[0], "reads the " + std::string(up ? "increase" : "decrease") +
                                            " as the percentage"},
                             {wrong[1], "compares the change with the new amount, not the old"},
                             {wrong[2], "gives the new amount as a percentage of the old"}},
                            {{Frac(p, 10), "multiplies by 10 instead of 100"},
                             {Frac(change * 100, from + to), "compares the change with both "
                                                             "amounts added together"},
                             {Frac(p * 2), "doubles the percentage"}},
                            [&](const Frac& v) { return up || v < Frac(100); }))
        .done();
}

Question pctReverseSale(Rng& r, const std::string& k) {
    const bool sale = r.chance(60);
    int p = 0;
    int before = 0;
    int after = 0;
    std::vector<Frac> wrong;
    std::vector<Slip> slips;
    // A price before a cut is above the sale price, and before a rise below the new one: so is
    // every option.
    auto fits = [&](const Frac& v) { return sale ? v > Frac(after) : v < Frac(after); };
    do {
        p = pickInt(r, {10, 20, 25, 30, 40, 50});
        before = sale ? r.range(8, 30) * 5 : r.range(6, 20) * 5;  // a jacket, a monthly bus pass
        if ((before * p) % 100) continue;
        after = sale ? before - before * p / 100 : before + before * p / 100;
        const Frac a(after);
        wrong = {sale ? a * Frac(100 + p, 100) : a * Frac(100 - p, 100) /* p% of the new price */,
                 sale ? a + Frac(p) : a - Frac(p) /* the percentage taken as dollars */,
                 a * Frac(100, p) /* took the new price for p% */};
        if (sale)
            slips = {{wrong[0], "adds " + qty(p, "%") + " of the sale price, not of the old price"},
                     {wrong[1], "adds the percentage as if it were dollars"},
                     {wrong[2], "takes the sale price as " + qty(p, "%")}};
        else
            slips = {{wrong[0], "takes " + qty(p, "%") + " of the new price off, not of the old "
                                "price"},
                     {wrong[1], "takes off the percentage as if it were dollars"},
                     {wrong[2], "takes the new price as " + qty(p, "%")},
                     {a * Frac(p, 100), "is " + qty(p, "%") + " of the new price"},
                     {a - a * Frac(p, 50), "takes " + qty(p, "%") + " off twice"},
                     {a / Frac(2), "halves the new price"}};
    } while ((before * p) % 100 || !enoughWrong(before, wrong, true) ||
             (k[0] == 'Q' && !enoughWithin(before, slips, fits, true)));
    QB q("pct_reverse_sale", 3);
    q.param("after", after).param("p", p).param("dir", sale ? "down" : "up");
    if (sale)
        q.p("In a sale everything is " + qty(p, "%") + " off. A jacket costs " + money(after) +
            " in the sale. What was its price before the sale?");
    else
        q.p("The price of a monthly bus pass went up by " + qty(p, "%") + ". It now costs " +
            money(after) + ". What did it cost before the rise?");
    const int share = sale ? 100 - p : 100 + p;
    step(q, std::string("The old price is 100%. ") + (sale ? "After " : "After a rise of ") +
                qty(p, "%") + (sale ? " off" : "") + ", the price is 100% " +
                (sale ? "&minus; " : "+ ") + qty(p, "%") + " = " + qty(share, "%") +
                " of the old price.");
    step(q, qty(share, "%") + " is " + money(after) + ", so 1% is " + money(after) +
                " &divide; " + S(share) + " = " + money(Frac(after, share)) + ".");
    step(q, "The old price, 100%: 100 &times; " + money(Frac(after, share)) + " = " +
                money(before) + ".");
    return answerNumber(q, r, k[0], before, "dollars",
                        slipsAllowed(before, {slips.begin(), slips.begin() + 3},
                                     {slips.begin() + 3, slips.end()}, fits, true))
        .done();
}

Question pctCompareOffers(Rng& r, const std::string& k) {
    int a, p, b, c;
    do {
        a = r.range(6, 14) * 5;  // a computer game $30-70
        p = pickInt(r, {10, 15, 20, 25, 30});
        b = a + r.range(-3, 3) * 5;
        c = r.range(1, 6) * 2 + (r.chance(30) ? 5 : 0);
    } while ((a * p) % 100 || b < 25 || a * p / 100 == c || a - a * p / 100 == b - c ||
             (a < b) == (a - a * p / 100 < b - c));  // the lower price before the offers loses
    const int priceA = a - a * p / 100;
    const int priceB = b - c;
    QB q("pct_compare_offers", 2);
    q.param("a", a).param("p", p).param("b", b).param("c", c);
    q.p("Two shops sell the same computer game.");
    q.raw("<ul><li>Shop A: " + money(a) + ", now " + qty(p, "%") +
          " off</li><li>Shop B: " + money(b) + ", now " + money(c) + " off</li></ul>");
    step(q, std::string(k == "NN" ? "(a) " : "") + "Shop A takes off " + qty(p, "%") + " of " +
                money(a) + ": " + S(p) + "/100 &times; " + money(a) + " = " + money(a * p / 100) +
                ".");
    step(q, "Shop A now: " + money(a) + " &minus; " + money(a * p / 100) + " = " +
                money(priceA) + ".");
    step(q, std::string(k == "NN" ? "(b) " : "") + "Shop B now: " + money(b) + " &minus; " +
                money(c) + " = " + money(priceB) + ".");
    if (k == "NN")
        step(q, "(b) The difference: " + money(std::max(priceA, priceB)) + " &minus; " +
                    money(std::min(priceA, priceB)) + " = " +
                    money(std::max(priceA, priceB) - std::min(priceA, priceB)) + ".");
    else
        step(q, money(std::min(priceA, priceB)) + " is less than " +
                    money(std::max(priceA, priceB)) + ", so Shop " +
                    (priceA < priceB ? "A" : "B") + " sells the game for less.");
    if (k == "NN") {
        q.subparts({{"What is the price of the game at Shop A now?", "dollars"},
                    {"How much cheaper is the game at the cheaper shop?", "dollars"}});
        return q.part('N', S(priceA))
            .part('N', S(priceA > priceB ? priceA - priceB : priceB - priceA))
            .done();
    }
    q.p("Which shop sells the game for less?");
    q.note("Write A or B.");
    q.answer();
    return q.part('T', priceA < priceB ? "A" : "B").done();
}

Question pctSuccessive(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int price, up, down;
    Frac mid, end;
    std::vector<Frac> wrong;
    do {
        price = r.range(3, 12) * 20;  // a lamp $60-240
        up = pickInt(r, {10, 20, 25, 50});
        down = r.chance(50) ? up : pickInt(r, {10, 20, 25});
        mid = Frac(price) * Frac(100 + up, 100);
        end = mid * Frac(100 - down, 100);
        wrong = {Frac(price) /* the rise and the fall taken to cancel */,
                 Frac(price) * Frac(100 + up - down, 100) /* the percentages added */,
                 mid /* the rise only */,
                 Frac(price) * Frac(100 - down, 100) /* the fall taken off the old price */};
    } while (!(end * Frac(100)).isInt() || end == Frac(price) || !enoughWrong(end, wrong, true));
    QB q("pct_successive", 3);
    q.param("price", price).param("up", up).param("down", down);
    q.p("A lamp cost " + money(price) + ". A shop raised its price by " + qty(up, "%") +
        ", and later lowered the new price by " + qty(down, "%") + ".");
    if (up == down) q.p(who + " says the lamp is back to " + money(price) + ".");
    const Frac rise = Frac(price) * Frac(up, 100);
    const Frac fall = mid - end;
    step(q, std::string(k == "NN" ? "(a) " : "") + "The rise: " + S(up) + "/100 &times; " +
                money(price) + " = " + money(rise) + ", so the price went up to " + money(price) +
                " + " + money(rise) + " = " + money(mid) + ".");
    step(q, std::string(k == "NN" ? "(b) " : "") + "The fall is " + qty(down, "%") +
                " of the new price: " + S(down) + "/100 &times; " + money(mid) + " = " +
                money(fall) + ".");
    step(q, "The price now: " + money(mid) + " &minus; " + money(fall) + " = " + money(end) +
                ".");
    if (up == down)
        step(q, "The fall is " + qty(down, "%") + " of a larger price than the rise, so it takes "
                "off more than the rise added: the lamp is not back to " + money(price) + ".");
    if (k == "NN") {
        q.subparts({{"What was the price after the rise?", "dollars"},
                    {"What is the price now?", "dollars"}});
        return q.part('N', mid.dec()).part('N', end.dec()).done();
    }
    q.p("What does the lamp cost now?");
    return answerNumber(q, r, k[0], end, "dollars",
                        std::vector<Slip>{
                            {wrong[0], "takes the rise and the fall to cancel out"},
                            {wrong[1], "takes the " + qty(down, "%") + " from the " +
                                           qty(up, "%") + " first, as if both were of the same "
                                           "price"},
                            {wrong[2], "stops after the rise"},
                            {wrong[3], "takes the fall off the old price"}})
        .done();
}

Question pctInterest(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const int principal = r.range(4, 50) * 100;
    const int rate = r.range(2, 6);
    const int years = r.range(2, 5);
    const int perYear = principal * rate / 100;
    QB q("pct_interest", 2);
    q.param("principal", principal).param("rate", rate).param("years", years);
    q.p(who + " puts " + money(principal) + " in a savings account that pays " + qty(rate, "%") +
        " simple interest a year, and leaves it there for " + S(years) + " years.");
    percentOf(q, rate, principal, "dollars", k == "NN" ? "(a) " : "");
    if (k == "NN")
        step(q, "(b) Interest for " + S(years) + " years: " + S(years) + " &times; " +
                    money(perYear) + " = " + money(perYear * years) + ", so the account holds " +
                    money(principal) + " + " + money(perYear * years) + " = " +
                    money(principal + perYear * years) + ".");
    else
        step(q, "The interest is paid every year: " + S(years) + " &times; " + money(perYear) +
                    " = " + money(perYear * years) + ".");
    if (k == "NN") {
        q.subparts({{"How much interest is paid in one year?", "dollars"},
                    {"How much is in the account after " + S(years) + " years?", "dollars"}});
        return q.part('N', S(perYear)).part('N', S(principal + perYear * years)).done();
    }
    q.p("How much interest is paid altogether?");
    // The interest of a few years at a few per cent is less than the money put in: so is
    // every option.
    return answerNumber(
               q, r, k[0], perYear * years, "dollars",
               slipsAllowed(perYear * years,
                            {{perYear, "is the interest of one year only"},
                             {principal + perYear * years, "is the money in the account, not "
                                                           "the interest"},
                             {Frac(perYear * years * 10), "reads the rate as tenths, not "
                                                          "hundredths"}},
                            {{Frac(perYear * (years + 1)), "counts one year too many"},
                             {Frac(perYear * (years - 1)), "counts one year too few"},
                             {Frac(perYear * years, 10), "divides by 1000 instead of 100"}},
                            [&](const Frac& v) { return v < Frac(principal); }, true))
        .done();
}

Question pctWageCommission(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const int basic = r.range(12, 25) * 100;
    const int c = r.range(1, 5);
    const int sales = r.range(20, 120) * 500;
    const int commission = sales * c / 100;
    QB q("pct_wage_commission", 2);
    q.param("basic", basic).param("c", c).param("sales", sales);
    q.p(who + " sells kitchens and is paid " + money(basic) + " a month plus " + qty(c, "%") +
        " of the value of the kitchens sold that month.");
    q.p("In March " + who + " sold kitchens worth " + money(sales) + ".");
    percentOf(q, c, sales, "dollars", k == "NN" ? "(a) Commission: " : "Commission: ");
    step(q, std::string(k == "NN" ? "(b) " : "") + "Total pay: " + money(basic) + " + " +
                money(commission) + " = " + money(basic + commission) + ".");
    if (k == "NN") {
        q.subparts({{"How much commission was " + who + " paid in March?", "dollars"},
                    {"What was " + who + "'s total pay for March?", "dollars"}});
        return q.part('N', S(commission)).part('N', S(basic + commission)).done();
    }
    q.p("What was " + who + "'s total pay for March?");
    // The total pay is more than the pay for the month without commission: so is every
    // option.
    return answerNumber(
               q, r, k[0], basic + commission, "dollars",
               slipsAllowed(basic + commission,
                            {{commission, "is the commission alone, without the pay of " +
                                              money(basic)},
                             {basic + sales * c / 10, "divides by 10 instead of 100"},
                             {Frac(basic * (100 + c), 100), "takes " + qty(c, "%") +
                                                                " of the pay, not of the sales"}},
                            {{Frac(basic + c), "adds the percentage as if it were dollars"},
                             {Frac(basic) + Frac(sales * c, 1000),
                              "divides by 1000 instead of 100"}},
                            [&](const Frac& v) { return v > Frac(basic); }, true))
        .done();
}

Question pctOfPct(Rng& r, const std::string& k) {
    int a, b;
    std::vector<Frac> wrong;
    std::vector<Slip> slips;
    // The girls who play hockey are fewer than the girls: every option is below their a%.
    auto fits = [&](const Frac& v) { return v < Frac(a); };
    do {
        a = pickInt(r, {20, 25, 30, 40, 50, 60, 70, 75, 80});
        b = pickInt(r, {10, 20, 25, 40, 50, 60, 75});
        wrong = {Frac(b) /* the second percentage alone */, Frac(a - b) /* subtracted */,
                 Frac(a + b) /* added */, Frac(a * b, 10) /* divided by 10, not 100 */};
        slips = {{wrong[0], "is the share of the girls, not of all the pupils"},
                 {wrong[1], "takes " + S(b) + " away from " + S(a)},
                 {wrong[2], "adds the two percentages"},
                 {wrong[3], "divides by 10 instead of 100"},
                 {Frac(a * (100 - b), 100), "is the girls who do not play hockey"},
                 {Frac(a * b, 1000), "divides by 1000 instead of 100"},
                 {Frac(a, 2), "takes half of the girls"}};
    } while ((a * b) % 100 || a == b || a == 50 ||
             (k[0] != 'F' && !enoughWrong(Frac(a * b, 100), wrong)) ||
             (k[0] == 'Q' && !enoughWithin(Frac(a * b, 100), slips, fits)));
    QB q("pct_of_pct", 3);
    q.param("a", a).param("b", b);
    q.p("In a school " + qty(a, "%") + " of the pupils are girls. " + qty(b, "%") +
        " of the girls play hockey.");
    step(q, "The girls who play hockey are " + qty(b, "%") + " of the " + qty(a, "%") +
                " of the pupils who are girls.");
    const Frac both(a * b, 100);
    step(q, qty(b, "%") + " of " + qty(a, "%") + ": " + S(b) + "/100 &times; " + S(a) + " = " +
                num(both) + ", so " + qty(both, "%") + " of all the pupils.");
    if (k == "F") {
        q.p("What fraction of all the pupils are girls who play hockey?");
        q.note(kSimplest);
        q.answer();
        step(q, "As a fraction: " + qty(both, "%") + " = " + num(both) + "/100" +
                    (Frac(a * b, 10000).d != 100 ? " = " + Frac(a * b, 10000).text()
                                                 : std::string()) +
                    ".");
        return q.part('F', Frac(a * b, 10000).text()).done();
    }
    q.p("What percentage of all the pupils are girls who play hockey?");
    return answerNumber(q, r, k[0], both, "%",
                        slipsAllowed(both, {slips.begin(), slips.begin() + 4},
                                     {slips.begin() + 4, slips.end()}, fits))
        .done();
}

Question pctPassMark(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int total, p, got;
    std::vector<Frac> wrong;
    do {
        total = pickInt(r, {20, 25, 40, 50, 60, 80});
        p = r.range(8, 16) * 5;
        got = r.range(total / 3, total - 1);
        wrong = {Frac(p) /* the percentage taken as marks */,
                 Frac(total - total * p / 100) /* the marks one may drop */,
                 Frac(total * p / 10) /* divided by 10, not 100 */};
    } while ((total * p) % 100 || got >= total * p / 100 || !enoughWrong(total * p / 100, wrong));
    const int need = total * p / 100;
    QB q("pct_pass_mark", 2);
    q.param("total", total).param("p", p).param("got", got);
    q.p("A test has " + S(total) +
        " questions, each worth one mark. To pass, a pupil needs at "
        "least " +
        qty(p, "%") + " of the marks.");
    percentOf(q, p, total, "", k == "NN" ? "(a) " : "");
    if (k == "NN") {
        q.p(who + " got " + S(got) + " questions right.");
        q.subparts({{"How many marks are needed to pass?", "marks"},
                    {"How many more marks did " + who + " need to pass?", "marks"}});
        step(q, "(b) " + who + " got " + S(got) + ": " + S(need) + " &minus; " + S(got) + " = " +
                    plural(need - got, "mark", "marks") + " more.");
        return q.part('N', S(need)).part('N', S(need - got)).done();
    }
    q.p("How many marks are needed to pass?");
    step(q, "So " + plural(need, "mark is", "marks are") + " needed to pass.");
    // Marks are whole numbers and no more than the test holds: so is every option.
    return answerNumber(
               q, r, k[0], need, "marks",
               slipsAllowed(need,
                            {{wrong[0], "takes the percentage as marks"},
                             {wrong[1], "is the marks a pupil may lose and still pass"},
                             {wrong[2], "divides by 10 instead of 100"}},
                            {{Frac(need + 1), "takes at least " + qty(p, "%") + " to mean more "
                                              "than " + qty(p, "%")},
                             {Frac(total, 2), "takes half the marks as a pass"},
                             {Frac(need - 1), "takes one mark fewer than " + qty(p, "%")}},
                            [&](const Frac& v) { return v.isInt() && v < Frac(total); }))
        .done();
}

Question pctThreeForms(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    do p = r.range(2, 98);
    while (p % 10 == 0 || Frac(p, 100).d == 100 || p == 75);
    QB q("pct_three_forms", 2);
    q.param("p", p);
    q.p("Write <b>" + qty(p, "%") + "</b>");
    q.subparts(
        {{"as a decimal,", ""}, {"as a fraction in its simplest form, for example 3/4.", ""}});
    step(q, "(a) " + qty(p, "%") + " means " + S(p) + " hundredths: " + S(p) + " &divide; 100 = " +
                Frac(p, 100).dec() + ".");
    step(q, "(b) " + S(p) + "/100: divide the numerator and the denominator by " +
                S(std::gcd(p, 100)) + ", so " + S(p) + "/100 = " + Frac(p, 100).text() + ".");
    return q.part('N', Frac(p, 100).dec()).part('F', Frac(p, 100).text()).done();
}

Question pctVote(Rng& r, const std::string& k) {
    int voters, blue, green;
    std::vector<Frac> wrong;
    do {
        voters = r.range(10, 40) * 20;
        blue = r.range(3, 10) * 5;
        green = r.range(3, 10) * 5;
        const int red = 100 - blue - green;
        wrong = {Frac(voters * blue / 100) /* those who chose blue */,
                 Frac(red) /* the percentage taken as pupils */,
                 Frac(voters * (blue + green) / 100) /* those who chose blue or green */};
    } while (blue == green || blue + green > 85 || 100 - blue - green == blue ||
             100 - blue - green == green ||
             !enoughWrong(voters * (100 - blue - green) / 100, wrong));
    const int red = 100 - blue - green;
    QB q("pct_vote", 2);
    q.param("voters", voters).param("blue", blue).param("green", green);
    step(q, std::string(k == "NN" ? "(a) " : "") + "Red: 100% &minus; " + qty(blue, "%") +
                " &minus; " + qty(green, "%") + " = " + qty(red, "%") + ".");
    percentOf(q, red, voters, "");
    q.p("A school asked " + S(voters) +
        " pupils to vote for the colour of a new sweatshirt: " + qty(blue, "%") + " chose blue, " +
        qty(green, "%") + " chose green and the rest chose red.");
    if (k == "NN") {
        const bool blueMore = blue > green;
        const int gap = blueMore ? blue - green : green - blue;
        step(q, "(b) " + qty(blueMore ? blue : green, "%") + " &minus; " +
                    qty(blueMore ? green : blue, "%") + " = " + qty(gap, "%") + ", and " +
                    S(gap) + "/100 &times; " + S(voters) + " = " +
                    plural(voters * gap / 100, "pupil", "pupils") + ".");
        q.subparts({{"How many pupils chose red?", "pupils"},
                    {std::string("How many more pupils chose ") + (blueMore ? "blue" : "green") +
                         " than " + (blueMore ? "green" : "blue") + "?",
                     "pupils"}});
        return q.part('N', S(voters * red / 100))
            .part('N', S(voters * (blueMore ? blue - green : green - blue) / 100))
            .done();
    }
    q.p("How many pupils chose red?");
    step(q, "So " + plural(voters * red / 100, "pupil", "pupils") + " chose red.");
    return answerNumber(q, r, k[0], voters * red / 100, "pupils",
                        std::vector<Slip>{
                            {wrong[0], "is the pupils who chose blue"},
                            {wrong[1], "takes the percentage as the number of pupils"},
                            {wrong[2], "is the pupils who chose blue or green"}})
        .done();
}

Question pctTwoYears(Rng& r, const std::string& k) {
    const bool loss = r.chance(50);
    int start, p;
    Frac one, two;
    std::vector<Frac> wrong;
    do {
        p = pickInt(r, {5, 10, 20, 25});
        start = loss ? r.range(8, 30) * 1000 : r.range(4, 40) * 1000;  // a car; a town
        const Frac f(loss ? 100 - p : 100 + p, 100);
        one = Frac(start) * f;
        two = one * f;
        wrong = {Frac(start) * Frac(loss ? 100 - 2 * p : 100 + 2 * p, 100) /* twice the change
                                                                                of the first year */
                 ,
                 one /* one year only */,
                 Frac(start) * Frac(p * 2, 100) /* the change of two years alone */};
    } while (!two.isInt() || !enoughWrong(two, wrong));
    QB q("pct_two_years", 3);
    q.param("start", start).param("p", p).param("dir", loss ? "down" : "up");
    if (loss)
        q.p("A car was bought for " + money(start) + ". Its value falls by " + qty(p, "%") +
            " each year.");
    else
        q.p("A town has " + num(start) + " people. Its population grows by " + qty(p, "%") +
            " each year.");
    const std::string unit = loss ? "dollars" : "people";
    const std::string what = loss ? "What is the car worth" : "How many people live in the town";
    auto amount = [&](const Frac& v) { return loss ? money(v) : num(v); };
    const std::string sign = loss ? " &minus; " : " + ";
    const Frac first = one - Frac(start);
    const Frac second = two - one;
    step(q, std::string(k == "NN" ? "(a) " : "") + "First year: " + S(p) + "/100 &times; " +
                amount(start) + " = " + amount(loss ? Frac(0) - first : first) + ", and " +
                amount(start) + sign + amount(loss ? Frac(0) - first : first) + " = " +
                amount(one) + ".");
    step(q, std::string(k == "NN" ? "(b) " : "") + "Second year: the " + qty(p, "%") +
                " is of the new " + (loss ? "value" : "population") + ": " + S(p) +
                "/100 &times; " + amount(one) + " = " +
                amount(loss ? Frac(0) - second : second) + ".");
    step(q, "After two years: " + amount(one) + sign + amount(loss ? Frac(0) - second : second) +
                " = " + (loss ? money(two) : qty(two, "people")) + ".");
    if (k == "NN") {
        q.subparts({{what + " after one year?", unit}, {what + " after two years?", unit}});
        return q.part('N', one.dec()).part('N', two.dec()).done();
    }
    q.p(what + " after two years?");
    // A growing town has more people than at the start: so does every option.
    return answerNumber(
               q, r, k[0], two, unit,
               slipsAllowed(two,
                            {{wrong[0], "takes " + qty(2 * p, "%") + " of the first " +
                                            (loss ? "value" : "population") +
                                            " instead of " + qty(p, "%") + " twice"},
                             {wrong[1], "stops after one year"},
                             {wrong[2], "is the change over the two years alone"}},
                            {{Frac(start) + second, "adds only the second year's growth to the "
                                                    "first population"}},
                            [&](const Frac& v) { return loss || v > Frac(start); }, loss))
        .done();
}

Question pctFromPart(Rng& r, const std::string& k) {
    int a, part, b, total;
    std::vector<Frac> wrong;
    do {
        a = pickInt(r, {5, 10, 15, 20, 25, 30, 40});
        total = r.range(4, 40) * 20;
        b = pickInt(r, {10, 20, 25, 35, 40, 45, 60});
        part = total * a / 100;
        wrong = {Frac(total) /* stopped at the number asked */,
                 Frac(part * b, 100) /* the second percentage of the first group */,
                 Frac(part + b - a) /* added the difference of the percentages */};
    } while ((total * a) % 100 || (total * b) % 100 || a == b ||
             !enoughWrong(total * b / 100, wrong));
    QB q("pct_from_part", 3);
    q.param("a", a).param("part", part).param("b", b);
    step(q, std::string(k == "NN" ? "(a) " : "") + qty(a, "%") + " of the people asked is " +
                S(part) + ", so 1% is " + S(part) + " &divide; " + S(a) + " = " +
                num(Frac(part, a)) + ".");
    step(q, "Everyone asked is 100%: 100 &times; " + num(Frac(part, a)) + " = " +
                plural(total, "person", "people") + ".");
    step(q, std::string(k == "NN" ? "(b) " : "") + "Swimming: " + S(b) + " &times; " +
                num(Frac(part, a)) + " = " + plural(total * b / 100, "person", "people") + ".");
    q.p("In a survey " + qty(a, "%") + " of the people asked, " + S(part) +
        " people, chose tennis as their favourite sport. " + qty(b, "%") + " chose swimming.");
    if (k == "NN") {
        q.subparts({{"How many people were asked?", "people"},
                    {"How many people chose swimming?", "people"}});
        return q.part('N', S(total)).part('N', S(total * b / 100)).done();
    }
    q.p("How many people chose swimming?");
    // Fewer people chose swimming than were asked, and people are counted in whole numbers:
    // so is every option.
    return answerNumber(
               q, r, k[0], total * b / 100, "people",
               slipsAllowed(total * b / 100,
                            {{wrong[0], "stops at the number of people asked"},
                             {wrong[1], "takes " + qty(b, "%") + " of the " + S(part) +
                                            " who chose tennis"},
                             {wrong[2], "adds the difference of the percentages to " + S(part)}},
                            {{Frac(part), "is the people who chose tennis"},
                             {Frac(total - total * b / 100), "is the people who did not choose "
                                                             "swimming"},
                             {Frac(b), "takes the percentage as the number of people"}},
                            [&](const Frac& v) { return v.isInt() && v < Frac(total); }))
        .done();
}

Question pctEstimateSchool(Rng& r, const std::string& k) {
    int sample, yes, school, pct;
    std::vector<Frac> wrong;
    do {
        sample = pickInt(r, {20, 25, 40, 50});
        yes = r.range(2, sample - 2);
        school = r.range(3, 12) * 100;
        pct = yes * 100 / sample;
        wrong = {Frac(pct) /* the percentage of the survey */,
                 Frac(school - school * pct / 100) /* those who do not walk */,
                 Frac(school * yes, 100) /* the count in the survey taken as a percentage */};
    } while ((yes * 100) % sample || (school * yes) % sample || yes * 2 == sample ||
             !enoughWrong(school * pct / 100, wrong));
    QB q("pct_estimate_school", 2);
    q.param("sample", sample).param("yes", yes).param("school", school);
    q.p("In a survey of " + S(sample) + " pupils, " + S(yes) +
        " said they walk to school. The whole school has " + S(school) + " pupils.");
    asPercentage(q, yes, sample, k == "NN" ? "(a) In the survey, " : "In the survey, ");
    step(q, std::string(k == "NN" ? "(b) " : "") + "Take the same share of the whole school: " +
                S(pct) + "/100 &times; " + S(school) + " = " +
                plural(school * pct / 100, "pupil", "pupils") + ".");
    if (k == "NN") {
        q.subparts({{"What percentage of the pupils in the survey walk to school?", "%"},
                    {"Use your answer to estimate how many pupils in the whole school walk to "
                     "school.",
                     "pupils"}});
        return q.part('N', S(pct)).part('N', S(school * pct / 100)).done();
    }
    q.p("Estimate how many pupils in the whole school walk to school.");
    return answerNumber(q, r, k[0], school * pct / 100, "pupils",
                        std::vector<Slip>{
                            {wrong[0], "is the percentage of the survey, not a number of pupils"},
                            {wrong[1], "is the pupils who do not walk"},
                            {wrong[2], "takes the " + S(yes) + " pupils of the survey as a "
                                       "percentage"}})
        .done();
}

Question pctBillShare(Rng& r, const std::string& k) {
    int bill, tip, people;
    Frac total, each;
    std::vector<Frac> wrong;
    std::vector<Slip> slips;
    // Each friend pays at least a share of the meal: so does every option.
    auto fits = [&](const Frac& v) { return v >= Frac(bill, people); };
    do {
        people = r.range(3, 6);
        bill = r.range(30, 150) * 2;  // a meal for the group, $60-300
        tip = pickInt(r, {10, 15, 20});
        total = Frac(bill) * Frac(100 + tip, 100);
        each = total / Frac(people);
        wrong = {Frac(bill, people) /* left the tip out */,
                 Frac(bill, people) + Frac(bill * tip, 100) /* each paid the whole tip */,
                 Frac(bill * tip, 100 * people) /* the share of the tip alone */};
        slips = {{wrong[0], "leaves out the tip"},
                 {wrong[1], "makes every friend pay the whole tip"},
                 {wrong[2], "is each friend's share of the tip alone"},
                 {Frac(bill + tip, people), "adds the percentage to the bill as if it were "
                                            "dollars"},
                 {Frac(bill, people) + Frac(tip), "adds the percentage to each share as if it "
                                                  "were dollars"}};
    } while (!(each * Frac(100)).isInt() || !(total * Frac(100)).isInt() ||
             !enoughWrong(each, wrong, true) ||
             (k[0] == 'Q' && !enoughWithin(each, slips, fits, true)));
    QB q("pct_bill_share", 2);
    q.param("bill", bill).param("tip", tip).param("people", people);
    q.p(capitalised(numberWords(people)) + " friends have a meal that costs " + money(bill) +
        ". They add a " + qty(tip, "%") + " tip and share the total equally.");
    const Frac tipAmount = percentOf(q, tip, bill, "dollars", k == "NN" ? "(a) The tip: " : "The tip: ");
    step(q, "With the tip: " + money(bill) + " + " + money(tipAmount) + " = " + money(total) +
                ".");
    step(q, std::string(k == "NN" ? "(b) " : "") + "Each friend: " + money(total) +
                " &divide; " + S(people) + " = " + money(each) + ".");
    if (k == "NN") {
        q.subparts({{"What is the total with the tip?", "dollars"},
                    {"How much does each friend pay?", "dollars"}});
        return q.part('N', total.dec()).part('N', each.dec()).done();
    }
    q.p("How much does each friend pay?");
    return answerNumber(q, r, k[0], each, "dollars",
                        slipsAllowed(each, {slips.begin(), slips.begin() + 3},
                                     {slips.begin() + 3, slips.end()}, fits, true))
        .done();
}

Question pctFractionalRate(Rng& r, const std::string& k) {
    Frac p, ans;
    int n = 0;
    std::vector<Frac> wrong;
    do {
        p = Frac(pickInt(r, {5, 15, 25, 35, 45, 75}), 2);  // 2.5%, 7.5%, 12.5%, ...
        n = r.range(2, 40) * 20;
        ans = p * Frac(n) / Frac(100);
        wrong = {ans * Frac(10) /* divided by 10, not 100 */,
                 Frac(p.n / 2 * n, 100) /* left the half per cent out */,
                 Frac(n) - ans /* the rest instead of the part */};
    } while (!enoughWrong(ans, wrong));
    QB q("pct_fractional_rate", 2);
    q.param("p", p.dec()).param("n", n);
    q.p("Find <b>" + qty(p, "%") + " of " + num(n) + "</b>.");
    percentOf(q, p, n, "");
    // A percentage below 100 of n is less than n: so is every option.
    return answerNumber(
               q, r, k[0], ans, "",
               slipsAllowed(ans,
                            {{wrong[0], "divides by 10 instead of 100"},
                             {wrong[1], "leaves out the half per cent"},
                             {wrong[2], "is the rest, not the part"}},
                            {{ans / Frac(10), "divides by 1000 instead of 100"},
                             {Frac(n, 10), "finds 10% and stops there"}},
                            [&](const Frac& v) { return v < Frac(n); }))
        .done();
}

Question pctOverHundred(Rng& r, const std::string& k) {
    int p, h;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        p = pickInt(r, {110, 120, 125, 130, 150, 175, 200, 250});
        h = r.range(4, 30) * 5;  // a sunflower 20-150 cm tall
        ans = Frac(h * p, 100);
        wrong = {Frac(h * (p - 100), 100) /* the growth alone */,
                 Frac(h + p - 100) /* the extra percentage taken as centimetres */,
                 Frac(h * 100, p) /* divided by the percentage */};
    } while (!ans.isInt() || !enoughWrong(ans, wrong));
    QB q("pct_over_hundred", 2);
    q.param("h", h).param("p", p);
    q.p("A sunflower was " + qty(h, "cm") +
        " tall at the start of June. By the end of August it "
        "was " +
        qty(p, "%") + " of that height.");
    q.p("How tall was it at the end of August?");
    percentOf(q, p, h, "cm");
    // The sunflower grew, so every option is taller than it was in June.
    return answerNumber(
               q, r, k[0], ans, "cm",
               slipsAllowed(ans,
                            {{wrong[0], "is the growth alone, not the height"},
                             {wrong[1], "adds the extra " + S(p - 100) + " as centimetres"},
                             {wrong[2], "divides by the percentage instead of multiplying"}},
                            {{Frac(h + p), "adds the percentage as centimetres"},
                             {Frac(h * 2), "doubles the height"},
                             {Frac(h * p, 10), "divides by 10 instead of 100"}},
                            [&](const Frac& v) { return v > Frac(h); }))
        .done();
}

// Measures in a small and a large unit, and how many small units make the large one.
struct UnitPair {
    const char* small;
    const char* large;
    int factor;
    const char* smallWord;
    const char* one;  // one large unit: "1 kg = 1000 g"
};
const std::vector<UnitPair>& unitPairs() {
    static const std::vector<UnitPair> pairs = {{"g", "kg", 1000, "grams", "kg"},
                                                {"cm", "m", 100, "centimetres", "m"},
                                                {"ml", "litres", 1000, "millilitres", "litre"},
                                                {"minutes", "hours", 60, "minutes", "hour"}};
    return pairs;
}

// "In grams: 3 kg = 3 × 1000 g = 3000 g."
std::string inSmallUnits(const UnitPair& u, int whole) {
    return std::string("In ") + u.smallWord + ": " + qty(whole, u.large) + " = " + S(whole) +
           " &times; " + qty(u.factor, u.small) + " = " + qty(whole * u.factor, u.small) + ".";
}

Question pctPartUnits(Rng& r, const std::string& k) {
    int which, whole, part;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        which = r.range(0, 3);
        const UnitPair& u = unitPairs()[static_cast<std::size_t>(which)];
        whole = r.range(2, 5);
        part = r.range(1, whole * u.factor / 10 - 1) * (u.factor == 60 ? 5 : 10);
        ans = Frac(part * 100, whole * u.factor);
        const int slip = u.factor == 100 ? 1000 : 100;  // the wrong number of small units
        wrong = {Frac(part * 100, whole * slip) /* the wrong number of small units */,
                 Frac(100) - ans /* the rest */, Frac(part) /* the part read as a percentage */};
    } while (!ans.isInt() || part >= whole * unitPairs()[static_cast<std::size_t>(which)].factor ||
             !enoughWrong(ans, wrong));
    const UnitPair& u = unitPairs()[static_cast<std::size_t>(which)];
    QB q("pct_part_units", 2);
    q.param("part", part).param("small", u.small).param("whole", whole).param("large", u.large);
    q.p("What percentage of <b>" + qty(whole, u.large) + "</b> is <b>" + qty(part, u.small) +
        "</b>?");
    step(q, inSmallUnits(u, whole));
    asPercentage(q, part, whole * u.factor);
    // A part of the measure is less than 100% of it: so is every option.
    return answerNumber(
               q, r, k[0], ans, "%",
               slipsAllowed(ans,
                            {{wrong[0], std::string("takes 1 ") + u.one + " as " +
                                            S(u.factor == 100 ? 1000 : 100) + " " + u.small},
                             {wrong[1], "is the rest, not the part"},
                             {wrong[2], "reads the " + qty(part, u.small) + " as the percentage"}},
                            {{ans / Frac(10), "multiplies by 10 instead of 100"},
                             {ans / Frac(100), "gives the decimal, not the percentage"}},
                            [](const Frac& v) { return v < Frac(100); }))
        .done();
}

Question pctOfMeasure(Rng& r, const std::string& k) {
    int which, p, whole;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        which = r.range(0, 3);
        const UnitPair& u = unitPairs()[static_cast<std::size_t>(which)];
        p = pickInt(r, {5, 10, 15, 20, 25, 30, 40, 60, 75});
        whole = r.range(2, 9);
        ans = Frac(p * whole * u.factor, 100);
        wrong = {Frac(p * whole, 100) /* left in the large unit */,
                 ans * Frac(10) /* divided by 10, not 100 */,
                 Frac(whole * u.factor) - ans /* the rest instead of the part */};
    } while (!ans.isInt() || !enoughWrong(ans, wrong));
    const UnitPair& u = unitPairs()[static_cast<std::size_t>(which)];
    QB q("pct_of_measure", 2);
    q.param("p", p).param("whole", whole).param("large", u.large).param("small", u.small);
    q.p("Find <b>" + qty(p, "%") + " of " + qty(whole, u.large) + "</b>. Give your answer in " +
        u.smallWord + ".");
    step(q, inSmallUnits(u, whole));
    percentOf(q, p, whole * u.factor, u.small);
    // A percentage below 100 of the measure is less than all of it: so is every option.
    return answerNumber(
               q, r, k[0], ans, u.small,
               slipsAllowed(ans,
                            {{wrong[0], std::string("leaves the answer in ") + u.large},
                             {wrong[1], "divides by 10 instead of 100"},
                             {wrong[2], "is the rest, not the part"}},
                            {{ans / Frac(10), "divides by 1000 instead of 100"},
                             {Frac(whole * u.factor, 10), "finds 10% and stops there"}},
                            [&](const Frac& v) { return v < Frac(whole * u.factor); }))
        .done();
}

Question pctNotEqual(Rng& r, const std::string& k) {
    (void)k;
    int p = 0;
    do p = r.range(11, 95);
    while (p % 10 == 0 || Frac(p, 100).d == 100 || p % 11 == 0);
    const Frac v(p, 100);
    // Three forms that are equal to the percentage...
    const std::vector<std::string> equal = {v.dec(), v.text(), S(p) + "/100"};
    // ...and one that is not, made by a real slip.
    const int slip = r.range(0, 2);
    const std::string odd = slip == 0   ? Frac(p, 10).dec()             // point moved one place
                            : slip == 1 ? Frac(p, 1000).dec()           // point moved too far
                                        : S(p / 10) + "/" + S(p % 10);  // the digits as a fraction
    QB q("pct_not_equal", 2);
    q.param("p", p).param("odd", odd);
    q.p("Which of these is <b>not</b> equal to <b>" + qty(p, "%") + "</b>?");
    const int g = std::gcd(p, 100);
    step(q, qty(p, "%") + " means " + S(p) + " hundredths: " + S(p) + "/100, and " + S(p) +
                " &divide; 100 = " + v.dec() + ".");
    step(q, "Simplify " + S(p) + "/100: divide the numerator and the denominator by " + S(g) +
                ", so " + S(p) + "/100 = " + v.text() + ".");
    step(q, "So " + v.dec() + ", " + v.text() + " and " + S(p) + "/100 are all equal to " +
                qty(p, "%") + ", but " + odd + " is not.");
    return q
        .choice(r, odd,
                std::vector<TextSlip>{{equal[0], "is " + S(p) + " &divide; 100, equal to " +
                                                     qty(p, "%")},
                                      {equal[1], "is " + S(p) + "/100 simplified, equal to " +
                                                     qty(p, "%")},
                                      {equal[2], "is " + S(p) + " hundredths, equal to " +
                                                     qty(p, "%")}})
        .done();
}

Question pctOfLargest(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        std::vector<std::pair<int, int>> items;  // percentage, amount
        std::vector<Frac> values;
        while (items.size() < 4) {
            const int p = pickInt(r, {5, 10, 15, 20, 25, 30, 40, 50, 60, 75});
            const int n = r.range(4, 50) * 10;
            if ((p * n) % 100) continue;
            bool used = false;
            for (const auto& [ip, in] : items) used = used || ip == p || in == n;
            if (used) continue;
            items.emplace_back(p, n);
            values.push_back(Frac(p * n, 100));
        }
        bool tie = false;
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = i + 1; j < 4; ++j) tie = tie || values[i] == values[j];
        if (tie) continue;
        const bool largest = r.chance(60);
        std::size_t best = 0;
        for (std::size_t i = 1; i < 4; ++i)
            if (largest ? values[i] > values[best] : values[i] < values[best]) best = i;
        // The options with the largest percentage or the largest amount must not be the answer
        // by themselves, so that comparing one number is not enough.
        std::size_t topP = 0;
        std::size_t topN = 0;
        for (std::size_t i = 1; i < 4; ++i) {
            if (largest ? items[i].first > items[topP].first : items[i].first < items[topP].first)
                topP = i;
            if (largest ? items[i].second > items[topN].second
                        : items[i].second < items[topN].second)
                topN = i;
        }
        if (topP == best || topN == best) continue;
        std::vector<std::string> texts;
        std::string list;
        for (const auto& [p, n] : items) {
            texts.push_back(qty(p, "%") + " of " + num(n));
            list += (list.empty() ? "" : ",") + S(p) + "x" + S(n);
        }
        const std::string more = largest ? "largest" : "smallest";
        std::vector<TextSlip> wrong;
        for (std::size_t i = 0; i < 4; ++i) {
            if (i == best) continue;
            const std::string lure = i == topP   ? "has the " + more + " percentage, but it "
                                     : i == topN ? "has the " + more + " amount, but it "
                                                 : "";
            wrong.push_back({texts[i], lure + "is " + num(values[i]) + ", " +
                                           (largest ? "less" : "more") + " than " +
                                           num(values[best])});
        }
        QB q("pct_of_largest", 2);
        q.param("items", list).param("which", largest ? "largest" : "smallest");
        q.p(std::string("Which of these amounts is the <b>") + (largest ? "largest" : "smallest") +
            "</b>?");
        step(q, "Work out each amount: the percentage over 100, times the number.");
        std::string sums;
        for (std::size_t i = 0; i < 4; ++i)
            sums += (i == 0 ? "" : i == 3 ? " and " : ", ") + S(items[i].first) + "/100 &times; " +
                    num(items[i].second) + " = " + num(values[i]);
        step(q, sums + ".");
        step(q, "The " + more + " is " + num(values[best]) + ", which is " + texts[best] + ".");
        return q.choice(r, texts[best], wrong).done();
    }
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
    out.push_back({"reverse_pct", 7, {"N", "Q"}, reversePct});
    out.push_back({"pct_fraction_left", 7, {"F"}, pctFractionLeft});
    out.push_back({"pct_order", 7, {"Q"}, pctOrder});
    out.push_back({"pct_change_find", 7, {"N", "Q"}, pctChangeFind});
    out.push_back({"pct_reverse_sale", 7, {"N", "Q"}, pctReverseSale});
    out.push_back({"pct_compare_offers", 7, {"T", "NN"}, pctCompareOffers});
    out.push_back({"pct_successive", 7, {"N", "Q", "NN"}, pctSuccessive});
    out.push_back({"pct_interest", 7, {"N", "Q", "NN"}, pctInterest});
    out.push_back({"pct_wage_commission", 7, {"N", "Q", "NN"}, pctWageCommission});
    out.push_back({"pct_of_pct", 7, {"N", "Q", "F"}, pctOfPct});
    out.push_back({"pct_pass_mark", 7, {"N", "Q", "NN"}, pctPassMark});
    out.push_back({"pct_three_forms", 7, {"NF"}, pctThreeForms});
    out.push_back({"pct_vote", 7, {"N", "Q", "NN"}, pctVote});
    out.push_back({"pct_two_years", 7, {"N", "Q", "NN"}, pctTwoYears});
    out.push_back({"pct_from_part", 7, {"N", "Q", "NN"}, pctFromPart});
    out.push_back({"pct_estimate_school", 7, {"N", "Q", "NN"}, pctEstimateSchool});
    out.push_back({"pct_bill_share", 7, {"N", "Q", "NN"}, pctBillShare});
    out.push_back({"pct_fractional_rate", 7, {"N", "Q"}, pctFractionalRate});
    out.push_back({"pct_over_hundred", 7, {"N", "Q"}, pctOverHundred});
    out.push_back({"pct_part_units", 7, {"N", "Q"}, pctPartUnits});
    out.push_back({"pct_of_measure", 7, {"N", "Q"}, pctOfMeasure});
    out.push_back({"pct_not_equal", 7, {"Q"}, pctNotEqual});
    out.push_back({"pct_of_largest", 7, {"Q"}, pctOfLargest});
    addPercentagePictures(out);
}
