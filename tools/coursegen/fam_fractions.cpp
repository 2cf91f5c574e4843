// Fractions: simplest form, mixed numbers, the four operations, fractions of amounts.

#include "drawing.h"
#include "families.h"
#include "option_bounds.h"
#include "worked_steps.h"

#include <algorithm>
#include <cmath>

namespace {

const char* kSimplest = "Give your answer as a fraction in its simplest form, for example 3/4.";
const char* kMixed = "Give your answer as a mixed number in its simplest form, for example 5 2/3.";

Frac proper(Rng& r, int dmin, int dmax) {
    for (;;) {
        const int d = r.range(dmin, dmax);
        const int n = r.range(1, d - 1);
        if (gcdInt(n, d) == 1) return Frac(n, d);
    }
}

std::string fp(const Frac& f) {
    return f.text();
}

// --- Writing the worked solutions: common denominators, simplifying, mixed numbers ---


long long lcmOf(long long a, long long b) {
    return a / std::gcd(a, b) * b;
}

// A fraction as it stands, unsimplified: "9/12".
std::string over(long long n, long long d) {
    return S(n) + "/" + S(d);
}

// A number in the form the questions show it: "3", "3/4" or "2 1/4".
std::string shown(const Frac& v) {
    return v.isInt() ? S(v.n) : v.mixed();
}

// The fractions of `list` whose denominator is not `common`, each rewritten over it:
// "1/3 = 4/12 and 3/4 = 9/12".
std::string rewritten(const std::vector<Frac>& list, long long common) {
    std::string out;
    for (const Frac& f : list) {
        if (f.d == common) continue;
        if (!out.empty()) out += " and ";
        out += f.text() + " = " + over(f.n * (common / f.d), common);
    }
    return out;
}

// Two fractions brought to one denominator: "over 12: 1/3 = 4/12 and 3/4 = 9/12", or "both
// are in 12ths" when they already share it.
std::string pairOver(const Frac& a, const Frac& b) {
    if (a.d == b.d) return "both have the denominator " + S(a.d);
    const long long c = lcmOf(a.d, b.d);
    return "over " + S(c) + ", " + rewritten({a, b}, c);
}

// Writes a + b or a - b over their common denominator; returns the result's numerator over
// that denominator, unsimplified.
std::pair<long long, long long> sumOver(QB& q, const Frac& a, const Frac& b, bool add,
                                        const std::string& label = "") {
    const long long common = lcmOf(a.d, b.d);
    const long long an = a.n * (common / a.d);
    const long long bn = b.n * (common / b.d);
    const long long rn = add ? an + bn : an - bn;
    const std::string sign = add ? " + " : " &minus; ";
    if (a.d != b.d)
        step(q, label + "The denominators differ, so write both fractions with the common "
               "denominator " + S(common) + ": " + rewritten({a, b}, common) + ".");
    step(q, (a.d != b.d ? std::string() : label) + a.text() + sign + b.text() + " = " +
           over(an, common) + sign + over(bn, common) + " = " + over(rn, common) + ".");
    return {rn, common};
}

// The steps that finish a result worked out as n/d: it is simplified, and written as a mixed
// number when `mixed` asks for one.
void finish(QB& q, long long n, long long d, bool mixed, const std::string& label = "") {
    const Frac v(n, d);
    const long long g = std::gcd(n, d);
    if (g > 1)
        step(q, label + "Simplify: divide the numerator and the denominator by " + S(g) + ", so " +
               over(n, d) + " = " + v.text() + ".");
    if (mixed && v.n > v.d && !v.isInt()) {
        const long long w = v.n / v.d;
        step(q, label + "As a mixed number: " + S(w) + " &times; " + S(v.d) + " = " +
               S(w * v.d) + ", " + S(v.n) + " &minus; " + S(w * v.d) + " = " +
               S(v.n - w * v.d) + " left over, so " + v.text() + " = " + v.mixed() + ".");
    }
}

// "n &divide; d = u, and u &times; m = v": a fraction m/d of an amount, one part first.
std::string partsOf(const Frac& f, const std::string& amount, const std::string& onePart,
                    const std::string& result) {
    return amount + " &divide; " + S(f.d) + " = " + onePart + ", and " + S(f.n) + " &times; " +
           onePart + " = " + result;
}

// "Add the fractions: 1/2 + 2/3 = 3/6 + 4/6 = 7/6 = 1 1/6": the sum of two fractions over their
// common denominator, written as a chain.
std::string fractionSum(const Frac& a, const Frac& b) {
    const long long common = lcmOf(a.d, b.d);
    const long long an = a.n * (common / a.d);
    const long long bn = b.n * (common / b.d);
    const Frac sum = a + b;
    std::string chain = a.text() + " + " + b.text();
    if (a.d != b.d) chain += " = " + over(an, common) + " + " + over(bn, common);
    chain += " = " + over(an + bn, common);
    if (shown(sum) != over(an + bn, common)) chain += " = " + shown(sum);
    return chain;
}

// Steps of a + b for mixed numbers: the wholes, the fractions, and the whole the fractions
// make when they come to more than one.
void mixedSumSteps(QB& q, const Frac& a, const Frac& b) {
    const long long wa = a.whole();
    const long long wb = b.whole();
    const Frac fa = a - Frac(wa);
    const Frac fb = b - Frac(wb);
    step(q, "Add the whole numbers: " + S(wa) + " + " + S(wb) + " = " + S(wa + wb) + ".");
    step(q, "Add the fractions" +
           (fa.d != fb.d ? " over the common denominator " + S(lcmOf(fa.d, fb.d)) : "") + ": " +
           fractionSum(fa, fb) + ".");
    if (fa + fb > Frac(1))
        step(q, "The fractions make 1 whole and " + (fa + fb - Frac(1)).text() +
               ", so carry the 1: " + S(wa + wb) + " + 1 = " + S(wa + wb + 1) + ".");
    step(q, "So " + a.mixed() + " + " + b.mixed() + " = " + (a + b).mixed() + ".");
}

// Steps of a - b for mixed numbers, exchanging a whole for a fraction when the first fraction
// is the smaller.
void mixedDifferenceSteps(QB& q, const Frac& a, const Frac& b) {
    long long wa = a.whole();
    const long long wb = b.whole();
    const Frac fa = a - Frac(wa);
    const Frac fb = b - Frac(wb);
    const long long common = lcmOf(fa.d, fb.d);
    long long an = fa.n * (common / fa.d);
    const long long bn = fb.n * (common / fb.d);
    if (fa.d != fb.d)
        step(q, "Write the fractions with the common denominator " + S(common) + ": " +
               rewritten({fa, fb}, common) + ".");
    if (an < bn) {
        step(q, over(an, common) + " is less than " + over(bn, common) + ", so change 1 of the " +
               S(wa) + " wholes into " + over(common, common) + ": " + over(common, common) +
               " + " + over(an, common) + " = " + over(common + an, common) + ", and " + S(wa) +
               " &minus; 1 = " + S(wa - 1) + ".");
        an += common;
        --wa;
    }
    const Frac rest(an - bn, common);
    step(q, "Take away the wholes: " + S(wa) + " &minus; " + S(wb) + " = " + S(wa - wb) +
           ". Take away the fractions: " + over(an, common) + " &minus; " + over(bn, common) +
           " = " + over(an - bn, common) +
           (rest.text() != over(an - bn, common) ? " = " + rest.text() : std::string()) + ".");
    step(q, "So " + a.mixed() + " &minus; " + b.mixed() + " = " + (a - b).mixed() + ".");
}

Question fracAdd(Rng& r, const std::string& k) {
    Frac a;
    Frac b;
    Frac s;
    const bool mixed = k == "X";
    do {
        a = proper(r, 2, 12);
        b = proper(r, 2, 12);
        s = a + b;
    } while (a.d == b.d || s.isInt() || (mixed ? s < Frac(1) : s > Frac(1)) || s.d > 60);
    QB q("frac_add", 2);
    q.param("a", a.text()).param("b", b.text());
    q.p("Work out <b>" + fp(a) + " + " + fp(b) + "</b>.");
    q.note(mixed ? kMixed : kSimplest);
    q.answer();
    const auto [n, d] = sumOver(q, a, b, true);
    finish(q, n, d, mixed);
    return q.part(mixed ? 'X' : 'F', mixed ? s.mixed() : s.text()).done();
}

Question fracSub(Rng& r, const std::string& k) {
    (void)k;
    Frac a;
    Frac b;
    do {
        a = proper(r, 2, 12);
        b = proper(r, 2, 12);
    } while (a.d == b.d || !(b < a) || (a - b).d > 60);
    QB q("frac_sub", 2);
    q.param("a", a.text()).param("b", b.text());
    q.p("Work out <b>" + fp(a) + " &minus; " + fp(b) + "</b>.");
    q.note(kSimplest);
    q.answer();
    const auto [n, d] = sumOver(q, a, b, false);
    finish(q, n, d, false);
    return q.part('F', (a - b).text()).done();
}

Question fracMul(Rng& r, const std::string& k) {
    (void)k;
    Frac a;
    Frac b;
    do {
        a = proper(r, 2, 10);
        b = proper(r, 2, 10);
    } while ((a * b).d == a.d * b.d && r.chance(60));  // prefer products that cancel
    QB q("frac_mul", 2);
    q.param("a", a.text()).param("b", b.text());
    q.p("Work out <b>" + fp(a) + " &times; " + fp(b) + "</b>.");
    q.note(kSimplest);
    q.answer();
    step(q, "Multiply the numerators: " + S(a.n) + " &times; " + S(b.n) + " = " + S(a.n * b.n) +
           ". Multiply the denominators: " + S(a.d) + " &times; " + S(b.d) + " = " +
           S(a.d * b.d) + ".");
    step(q, fp(a) + " &times; " + fp(b) + " = " + over(a.n * b.n, a.d * b.d) + ".");
    finish(q, a.n * b.n, a.d * b.d, false);
    return q.part('F', (a * b).text()).done();
}

Question fracSimplify(Rng& r, const std::string& k) {
    (void)k;
    const Frac f = proper(r, 3, 15);
    const int m = r.range(2, 9);
    QB q("frac_simplify", 1);
    q.param("n", f.n * m).param("d", f.d * m);
    q.p("Write <b>" + S(f.n * m) + "/" + S(f.d * m) + "</b> in its simplest form.");
    q.note(kSimplest);
    q.answer();
    step(q, "The largest number that divides both " + S(f.n * m) + " and " + S(f.d * m) +
           " is " + S(m) + ": " + S(f.n * m) + " &divide; " + S(m) + " = " + S(f.n) + ", " +
           S(f.d * m) + " &divide; " + S(m) + " = " + S(f.d) + ".");
    step(q, "So " + over(f.n * m, f.d * m) + " = " + f.text() + ", and " + S(f.n) + " and " +
           S(f.d) + " have no common factor other than 1.");
    return q.part('F', f.text()).done();
}

Question improperToMixed(Rng& r, const std::string& k) {
    (void)k;
    Frac f;
    do f = Frac(r.range(7, 60), r.range(2, 12));
    while (f.isInt() || f < Frac(1));
    QB q("improper_to_mixed", 1);
    q.param("n", f.n).param("d", f.d);
    q.p("Write <b>" + f.text() + "</b> as a mixed number.");
    q.note(kMixed);
    q.answer();
    const long long w = f.n / f.d;
    step(q, "Each whole is " + over(f.d, f.d) + ". Share " + S(f.n) + " into groups of " +
           S(f.d) + ": " + S(w) + " &times; " + S(f.d) + " = " + S(w * f.d) + ", " + S(f.n) +
           " &minus; " + S(w * f.d) + " = " + S(f.n - w * f.d) + " left over.");
    step(q, "So " + f.text() + " is " + plural(w, "whole", "wholes") + " and " + over(f.n - w * f.d, f.d) +
           ": " + f.text() + " = " + f.mixed() + ".");
    return q.part('X', f.mixed()).done();
}

Question mixedToImproper(Rng& r, const std::string& k) {
    (void)k;
    const Frac f = Frac(r.range(1, 9)) + proper(r, 2, 12);
    QB q("mixed_to_improper", 1);
    q.param("w", f.whole()).param("f", (f - Frac(f.whole())).text());
    q.p("Write <b>" + f.mixed() + "</b> as an improper fraction.");
    q.note(kSimplest);
    q.answer();
    const long long w = f.whole();
    const Frac rest = f - Frac(w);
    step(q, "Each whole is " + over(f.d, f.d) + ": " + S(w) + " &times; " + over(f.d, f.d) +
           " = " + over(w * f.d, f.d) + ".");
    step(q, "Add the fraction: " + over(w * f.d, f.d) + " + " + rest.text() + " = " +
           over(f.n, f.d) + ".");
    step(q, "So " + f.mixed() + " = " + f.text() + ".");
    return q.part('F', f.text()).done();
}

Question mixedAdd(Rng& r, const std::string& k) {
    (void)k;
    Frac a;
    Frac b;
    do {
        a = Frac(r.range(1, 6)) + proper(r, 2, 10);
        b = Frac(r.range(1, 6)) + proper(r, 2, 10);
    } while ((a + b).isInt() || (a + b).d > 40);
    QB q("mixed_add", 2);
    q.param("a", a.text()).param("b", b.text());
    q.p("Work out <b>" + a.mixed() + " + " + b.mixed() + "</b>.");
    q.note(kMixed);
    q.answer();
    mixedSumSteps(q, a, b);
    return q.part('X', (a + b).mixed()).done();
}

Question mixedSub(Rng& r, const std::string& k) {
    (void)k;
    Frac a;
    Frac b;
    do {
        a = Frac(r.range(3, 9)) + proper(r, 2, 10);
        b = Frac(r.range(1, 4)) + proper(r, 2, 10);
    } while (!(a - b > Frac(1)) || (a - b).isInt() || (a - b).d > 40);
    QB q("mixed_sub", 3);
    q.param("a", a.text()).param("b", b.text());
    q.p("Work out <b>" + a.mixed() + " &minus; " + b.mixed() + "</b>.");
    q.note(kMixed);
    q.answer();
    mixedDifferenceSteps(q, a, b);
    return q.part('X', (a - b).mixed()).done();
}

Question fracOfQty(Rng& r, const std::string& k) {
    Frac f;
    int n = 0;
    do {
        f = proper(r, 3, 12);
        n = static_cast<int>(f.d) * r.range(2, 12);
        // with a top of 1 "divide by the bottom" would be right
    } while (f.n < 2 ||
             !distinctWrong(f * Frac(n), {Frac(n / f.d), Frac(n) - f * Frac(n), Frac(n * f.n)}));
    QB q("frac_of_qty", 1);
    q.param("f", f.text()).param("n", n);
    q.p("Find <b>" + f.text() + " of " + S(n) + "</b>.");
    const Frac ans = f * Frac(n);
    const Frac part(n / f.d);
    step(q, "Split " + S(n) + " into " + S(f.d) + " equal parts and take " + S(f.n) +
           " of them.");
    step(q, partsOf(f, S(n), S(part.n), num(ans)) + ".");
    // A fraction of n lies between 0 and n: every option does too.
    const std::vector<Slip> wrong =
        k[0] != 'Q' ? std::vector<Slip>{}
                    : slipsWithin(ans,
                                  {{part, "is one part only, 1/" + S(f.d) + " of " + S(n)},
                                   {Frac(n) - ans, "is the part left, not the part taken"},
                                   {Frac(n, f.n), "divides by the numerator instead of the "
                                                  "denominator"},
                                   {part * Frac(f.n - 1), "takes one part too few"},
                                   {part * Frac(f.n + 1), "takes one part too many"}},
                                  [&](const Frac& v) { return v < Frac(n); });
    return q.number(r, k[0], ans, "", wrong).done();
}

Question fracLeftMoney(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    Frac f;
    int n = 0;
    do {
        f = proper(r, 3, 10);
        n = static_cast<int>(f.d) * r.range(3, 15);
    } while (f.n < 2 || !distinctWrong(Frac(n) - f * Frac(n),
                                       {f * Frac(n), Frac(n) - Frac(n / f.d), Frac(n / f.d)}));
    QB q("frac_left_money", 2);
    q.param("f", f.text()).param("n", n).param("who", who);
    q.p(who + " had " + money(n) + " and spent " + f.text() + " of it on a present.");
    q.p("How much money did " + who + " have left?");
    const Frac spent = f * Frac(n);
    step(q, "Spent: " + f.text() + " of " + money(n) + ". " +
           partsOf(f, money(n), money(Frac(n / f.d)), money(spent)) + ".");
    step(q, "Left: " + money(n) + " &minus; " + money(spent) + " = " + money(Frac(n) - spent) +
           ".");
    return q
        .number(r, k[0], Frac(n) - spent, "dollars",
                std::vector<Slip>{
                    {spent, "is what was spent, not what is left"},
                    {Frac(n) - Frac(n / f.d),
                     "takes away one part, 1/" + S(f.d) + ", instead of " + f.text()},
                    {Frac(n / f.d), "is one part only, 1/" + S(f.d) + " of " + money(n)}})
        .done();
}

Question fracMore(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    Frac a;
    Frac b;
    do {
        a = proper(r, 3, 12);
        b = proper(r, 3, 12);
    } while (a == b || a.d == b.d || (a - b > Frac(1, 6)) || (b - a > Frac(1, 6)));
    QB q("frac_more", 1);
    q.param("x", x).param("a", a.text()).param("y", y).param("b", b.text());
    q.p(x + " ate " + a.text() + " of a pizza. " + y + " ate " + b.text() +
        " of a pizza of the same size.");
    q.p("Who ate more pizza?");
    q.note("Write the name.");
    q.answer();
    const long long common = lcmOf(a.d, b.d);
    const long long an = a.n * (common / a.d);
    const long long bn = b.n * (common / b.d);
    step(q, "Compare the fractions with the common denominator " + S(common) + ": " +
           rewritten({a, b}, common) + ".");
    step(q, over(std::max(an, bn), common) + " is more than " + over(std::min(an, bn), common) +
           ", so " + (a > b ? x : y) + " ate more pizza.");
    return q.part('T', a > b ? x : y).done();
}

Question equivMissing(Rng& r, const std::string& k) {
    for (;;) {
        const Frac f = proper(r, 2, 12);
        const int m = r.range(2, 9);
        const long long ans = f.n * m;
        const std::vector<long long> wrong = {f.n + (f.d * m - f.d) /* added to the top what was
                                                                       added to the bottom */
                                              ,
                                              f.d * m - ans /* the other part of the bottom */,
                                              m /* the multiplier itself */};
        if (std::find(wrong.begin(), wrong.end(), ans) != wrong.end() || wrong[0] == wrong[1] ||
            wrong[0] == wrong[2] || wrong[1] == wrong[2])
            continue;
        QB q("equiv_missing", 1);
        q.param("f", f.text()).param("d", f.d * m);
        q.p("Find the missing number: <b>" + f.text() + " = ?/" + S(f.d * m) + "</b>");
        step(q, "The denominator " + S(f.d) + " became " + S(f.d * m) + ": " + S(f.d * m) +
               " &divide; " + S(f.d) + " = " + S(m) + ", so it was multiplied by " + S(m) + ".");
        step(q, "Multiply the numerator by the same number: " + S(f.n) + " &times; " + S(m) +
               " = " + S(ans) + ", so " + f.text() + " = " + over(ans, f.d * m) + ".");
        return q
            .number(r, k[0], ans, "",
                    std::vector<Slip>{
                        {Frac(wrong[0]), "adds to the numerator what was added to the "
                                         "denominator, instead of multiplying"},
                        {Frac(wrong[1]), "is the denominator minus the right numerator"},
                        {Frac(wrong[2]), "is the number the denominator was multiplied by, "
                                         "not the new numerator"}})
            .done();
    }
}

Question fracDivWhole(Rng& r, const std::string& k) {
    (void)k;
    const Frac f = proper(r, 2, 9);
    const int m = r.range(2, 6);
    QB q("frac_div_whole", 2);
    q.param("f", f.text()).param("m", m);
    q.p("Work out <b>" + f.text() + " &divide; " + S(m) + "</b>.");
    q.note(kSimplest);
    q.answer();
    step(q, "Dividing by " + S(m) + " is the same as taking 1/" + S(m) + " of it: " + f.text() +
           " &divide; " + S(m) + " = " + f.text() + " &times; 1/" + S(m) + ".");
    step(q, f.text() + " &times; 1/" + S(m) + " = " + over(f.n, f.d * m) +
           ": the numerator stays " + S(f.n) + " and the denominator is " + S(f.d) +
           " &times; " + S(m) + " = " + S(f.d * m) + ".");
    finish(q, f.n, f.d * m, false);
    return q.part('F', (f / Frac(m)).text()).done();
}

Question wholeDivFrac(Rng& r, const std::string& k) {
    Frac f;
    int n = 0;
    do {
        f = proper(r, 2, 8);
        n = r.range(2, 12) * static_cast<int>(f.n);
    } while ((Frac(n) / f).n > 120 || f.n < 2);
    QB q("whole_div_frac", 2);
    q.param("n", n).param("f", f.text());
    q.p("Work out <b>" + S(n) + " &divide; " + f.text() + "</b>.");
    const Frac ans = Frac(n) / f;
    step(q, "How many " + f.text() + "s are there in " + S(n) + "? Each whole holds " +
           S(f.d) + " pieces of 1/" + S(f.d) + ", so " + S(n) + " holds " + S(n) + " &times; " +
           S(f.d) + " = " + S(n * f.d) + " of them.");
    step(q, "Each " + f.text() + " takes " + S(f.n) + " of those pieces: " + S(n * f.d) +
           " &divide; " + S(f.n) + " = " + num(ans) + ".");
    return q
        .number(r, k[0], ans, "",
                std::vector<Slip>{
                    {Frac(n * f.d), "counts the pieces of 1/" + S(f.d) +
                                        " but does not put them in groups of " + S(f.n)},
                    {Frac(n / f.n), "divides by the numerator only"},
                    {Frac(n * f.n), "multiplies by the numerator"}})
        .done();
}

Question fracOfUnit(Rng& r, const std::string& k) {
    struct Unit {
        const char* big;
        const char* small;
        int factor;
        int slip;  // the number of small units a learner wrongly puts in the big one
        const char* one;  // the big unit in "1 hour = 60 minutes"
    };
    const std::vector<Unit> units = {{"an hour", "minutes", 60, 100, "hour"},
                                     {"a kilogram", "grams", 1000, 100, "kilogram"},
                                     {"a metre", "centimetres", 100, 1000, "metre"},
                                     {"a litre", "millilitres", 1000, 100, "litre"},
                                     {"a day", "hours", 24, 12, "day"}};
    const Unit* pickUnit = nullptr;
    Frac f;
    for (;;) {
        const Unit& un = r.pick(units);
        f = proper(r, 2, 12);
        const Frac ans = f * Frac(un.factor);
        // with a top of 1, "one part only" would be right
        if (ans.isInt() && (f * Frac(un.slip)).isInt() && f.n > 1 &&
            distinctWrong(
                ans, {Frac(un.factor) - ans, Frac(un.factor) / Frac(f.d), f * Frac(un.slip)})) {
            pickUnit = &un;
            break;
        }
    }
    const Unit& un = *pickUnit;
    QB q("frac_of_unit", 1);
    q.param("f", f.text()).param("factor", un.factor);
    q.p(std::string("How many ") + un.small + " are there in <b>" + f.text() + " of " + un.big +
        "</b>?");
    const Frac ans = f * Frac(un.factor);
    const Frac part = Frac(un.factor) / Frac(f.d);
    step(q, std::string("There are ") + qty(un.factor, un.small) + " in 1 " + un.one + ".");
    step(q, partsOf(f, num(un.factor), num(part), num(ans)) + ", so " + f.text() + " of " +
           un.big + " is " + qty(ans, un.small) + ".");
    // Part of the unit is less than the whole unit: every option is too.
    const std::vector<Slip> wrong =
        k[0] != 'Q'
            ? std::vector<Slip>{}
            : slipsWithin(
                  ans,
                  {{Frac(un.factor) - ans, std::string("is the rest of ") + un.big},
                   {part, "is one part only, 1/" + S(f.d) + " of " + un.big},
                   {f * Frac(un.slip), std::string("takes 1 ") + un.one + " as " +
                                           S(un.slip) + " " + un.small},
                   {Frac(un.factor, f.n), "divides by the numerator instead of the denominator"},
                   {part * Frac(f.n - 1), "takes one part too few"},
                   {part * Frac(f.n + 1), "takes one part too many"}},
                  [&](const Frac& v) { return v < Frac(un.factor); });
    return q.number(r, k[0], ans, un.small, wrong).done();
}

Question wholeFromPart(Rng& r, const std::string& k) {
    Frac f;
    int whole = 0;
    Frac part;
    do {
        f = proper(r, 3, 9);
        whole = static_cast<int>(f.d) * r.range(2, 12);
        part = f * Frac(whole);
    } while (f.n < 2 ||
             !distinctWrong(Frac(whole), {part * Frac(f.d), part / Frac(f.n), Frac(whole) - part}));
    QB q("whole_from_part", 3);
    q.param("f", f.text()).param("part", part.text());
    q.p("<b>" + f.text() + "</b> of a number is <b>" + part.text() + "</b>. What is the number?");
    const Frac one = part / Frac(f.n);
    step(q, "Think of the number as " + S(f.d) + " equal parts. " + f.text() + " of it, " +
           S(f.n) + " parts, is " + part.text() + ", so one part is " + part.text() +
           " &divide; " + S(f.n) + " = " + one.text() + ".");
    step(q, "The whole number is " + S(f.d) + " parts: " + S(f.d) + " &times; " + one.text() +
           " = " + S(whole) + ".");
    // The number is larger than the part of it that is given: so is every option.
    const std::vector<Slip> wrong =
        k[0] != 'Q'
            ? std::vector<Slip>{}
            : slipsWithin(Frac(whole),
                          {{part * Frac(f.d), "multiplies by the denominator without dividing "
                                              "by the numerator first"},
                           {Frac(whole) - part, "is the rest of the number, not the number"},
                           {part + one, "adds one more part instead of " + S(f.d - f.n)},
                           {part * Frac(f.n), "multiplies by the numerator instead of dividing"},
                           {part + Frac(f.d - f.n), "adds the number of missing parts, " +
                                                        S(f.d - f.n) + ", not their worth"}},
                          [&](const Frac& v) { return v > part; });
    return q.number(r, k[0], whole, "", wrong).done();
}

// Steps that find the largest (or smallest) of some fractions: all over one common
// denominator when it is small, otherwise the answer against each of the others.
void extremeSteps(QB& q, const std::vector<Frac>& v, const Frac& right, bool largest) {
    const std::string which = largest ? "largest" : "smallest";
    long long common = 1;
    for (const Frac& f : v) common = lcmOf(common, f.d);
    if (common <= 60) {
        std::string list;
        for (const Frac& f : v)
            list += (list.empty() ? "" : ", ") + f.text() + " = " + over(f.n * (common / f.d), common);
        step(q, "Write the fractions with the common denominator " + S(common) + ": " + list + ".");
        step(q, "The " + which + " numerator is " + S(right.n * (common / right.d)) +
               ", so the " + which + " fraction is " + right.text() + ".");
        return;
    }
    step(q, "Compare " + right.text() + " with each of the others over a common denominator.");
    for (const Frac& f : v) {
        if (f == right) continue;
        step(q, capitalised(pairOver(right, f)) + ", so " + right.text() +
                    " is " + (largest ? "larger than " : "smaller than ") + f.text() + ".");
    }
}

// Why a wrong fraction is not the largest (smallest): it is compared with the answer over a
// common denominator; a numerator or denominator that stands out is named as the lure.
std::string notExtreme(const std::vector<Frac>& v, const Frac& w, const Frac& right,
                       bool largest) {
    bool topNumerator = true;
    bool topDenominator = true;
    for (const Frac& f : v) {
        if (f == w) continue;
        if (largest ? f.n >= w.n : f.n <= w.n) topNumerator = false;
        if (f.d >= w.d) topDenominator = false;
    }
    const long long c = lcmOf(w.d, right.d);
    const std::string compared = largest ? "less" : "more";
    std::string lure;
    if (topNumerator)
        lure = std::string("has the ") + (largest ? "largest" : "smallest") + " numerator, but it ";
    else if (topDenominator)
        lure = "has the largest denominator, but it ";
    return lure + "is " + compared + " than " + right.text() + ": " + over(w.n * (c / w.d), c) +
           " is " + compared + " than " + over(right.n * (c / right.d), c);
}

Question fracLargest(Rng& r, const std::string& k) {
    (void)k;
    std::vector<Frac> v;
    while (v.size() < 4) {
        const Frac f = proper(r, 3, 12);
        bool near = false;
        for (const Frac& o : v)
            if (o == f || (o - f < Frac(1, 30) && f - o < Frac(1, 30))) near = true;
        if (!near) v.push_back(f);
    }
    const bool largest = r.chance(50);
    const Frac right =
        largest ? *std::max_element(v.begin(), v.end()) : *std::min_element(v.begin(), v.end());
    std::string list;
    std::vector<TextSlip> wrong;
    for (const Frac& f : v) {
        list += (list.empty() ? "" : ",") + f.text();
        if (!(f == right)) wrong.push_back({f.text(), notExtreme(v, f, right, largest)});
    }
    QB q("frac_order", 1);
    q.param("vals", list).param("which", largest ? "largest" : "smallest");
    q.p(std::string("Which of these fractions is the <b>") + (largest ? "largest" : "smallest") +
        "</b>?");
    extremeSteps(q, v, right, largest);
    return q.choice(r, right.text(), wrong).done();
}

Question fracOfThenMixedRandom(Rng& r, const std::string& k) {
    (void)k;
    const Frac f = proper(r, 3, 10);
    const int n = static_cast<int>(f.d) * r.range(2, 10);
    Frac g;
    do g = Frac(r.range(5, 40), r.range(2, 9));
    while (g.isInt() || g < Frac(1));
    return fractionOfThenMixed(static_cast<int>(f.n), static_cast<int>(f.d), n,
                               static_cast<int>(g.n), static_cast<int>(g.d));
}

Question fracClass(Rng& r, const std::string& k) {
    const Frac f = proper(r, 3, 8);
    const int n = static_cast<int>(f.d) * r.range(4, 40 / static_cast<int>(f.d) + 4);
    QB q("frac_class", 2);
    q.param("f", f.text()).param("n", n);
    q.p("There are " + S(n) + " pupils in a " + (n <= 36 ? "class" : "year group") + ". " +
        f.text() + " of them are boys.");
    const Frac boys = f * Frac(n);
    const std::string boysStep = "Boys: " + f.text() + " of " + S(n) + ". " +
                                 partsOf(f, S(n), S(n / f.d), boys.text()) + ".";
    if (k == "N") {
        q.p("How many girls are there?");
        step(q, boysStep);
        step(q, "Girls: everyone else, " + S(n) + " &minus; " + boys.text() + " = " +
               (Frac(n) - boys).text() + ".");
        return q.number(r, 'N', Frac(n) - boys, "girls", std::vector<Frac>{}).done();
    }
    q.subparts(
        {{"How many boys are there?", "boys"},
         {"What fraction of the pupils are girls? Give the fraction in its simplest form.", ""}});
    step(q, "(a) " + boysStep);
    step(q, "(b) The girls are the rest of the pupils: 1 &minus; " + f.text() + " = " +
           over(f.d, f.d) + " &minus; " + f.text() + " = " + (Frac(1) - f).text() + ".");
    return q.part('N', boys.text()).part('F', (Frac(1) - f).text()).done();
}

Question fracSpend(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    Frac a;
    Frac b;
    int n = 0;
    Frac first;
    Frac second;
    do {
        a = proper(r, 3, 6);
        b = proper(r, 2, 5);
        n = static_cast<int>(a.d * b.d) * r.range(1, 8);
        first = a * Frac(n);
        second = b * (Frac(n) - first);
        // a helmet and a book at prices a shop asks
    } while (n > 150 || first < Frac(15) || first > Frac(60) || second < Frac(4) ||
             second > Frac(25));
    QB q("frac_spend", 3);
    q.param("n", n).param("a", a.text()).param("b", b.text()).param("who", who);
    q.p(who + " had " + money(n) + ". " + who + " spent " + a.text() +
        " of the money on a bicycle helmet and then " + b.text() +
        " of the money that was left on a book.");
    const Frac afterHelmet = Frac(n) - first;
    const Frac end = afterHelmet - second;
    const std::string label = k == "N" ? "" : "(a) ";
    step(q, label + "Helmet: " + a.text() + " of " + money(n) + ". " +
           partsOf(a, money(n), money(Frac(n) / Frac(a.d)), money(first)) + ".");
    step(q, "Left after the helmet: " + money(n) + " &minus; " + money(first) + " = " +
           money(afterHelmet) + ".");
    step(q, (k == "N" ? "" : "(b) ") + std::string("Book: ") + b.text() + " of " +
           money(afterHelmet) + ". " +
           partsOf(b, money(afterHelmet), money(afterHelmet / Frac(b.d)), money(second)) + ".");
    step(q, (k == "N" ? "" : "(c) ") + std::string("Left at the end: ") + money(afterHelmet) +
           " &minus; " + money(second) + " = " + money(end) + ".");
    if (k == "N") {
        q.p("How much money did " + who + " have left at the end?");
        return q.number(r, 'N', Frac(n) - first - second, "dollars", std::vector<Frac>{}).done();
    }
    q.subparts({{"How much did the helmet cost?", "dollars"},
                {"How much did the book cost?", "dollars"},
                {"What fraction of the " + money(n) +
                     " was left at the end? Give the fraction in its simplest form.",
                 ""}});
    step(q, "As a fraction of " + money(n) + ": " + money(end) + " out of " + money(n) + " is " +
           over(end.n, n) + (Frac(end.n, n).text() != over(end.n, n)
                                 ? ", and " + over(end.n, n) + " = " + Frac(end.n, n).text()
                                 : std::string()) +
           ".");
    return q.part('N', first.text())
        .part('N', second.text())
        .part('F', ((Frac(n) - first - second) / Frac(n)).text())
        .done();
}

Question shadedFraction(Rng& r, const std::string& k) {
    (void)k;
    const int rows = r.range(2, 4);
    const int cols = r.range(3, 6);
    const int cells = rows * cols;
    int shaded = 0;
    do shaded = r.range(1, cells - 1);
    while (gcdInt(shaded, cells) == 1 && r.chance(60));  // mostly fractions that simplify
    std::vector<int> order(static_cast<std::size_t>(cells));
    for (int i = 0; i < cells; ++i) order[static_cast<std::size_t>(i)] = i;
    r.shuffle(order);
    std::vector<bool> isShaded(static_cast<std::size_t>(cells), false);
    for (int i = 0; i < shaded; ++i)
        isShaded[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    QB q("shaded_fraction", 1);
    q.param("rows", rows).param("cols", cols).param("shaded", shaded);
    q.p("The shape is divided into equal squares. What fraction of the shape is shaded?");
    drawGrid(q.figure(300, 200,
                      "A rectangle divided into " + S(rows) + " rows of " + S(cols) +
                          " equal squares, " + S(shaded) + " of the " + S(cells) +
                          " squares shaded."),
             rows, cols, isShaded);
    q.note(kSimplest);
    q.answer();
    step(q, "The shape has " + S(rows) + " &times; " + S(cols) + " = " + S(cells) +
           " equal squares, and " + S(shaded) + " of them are shaded.");
    step(q, "Fraction shaded: " + S(shaded) + " out of " + S(cells) + " is " +
           over(shaded, cells) + ".");
    finish(q, shaded, cells, false);
    return q.part('F', Frac(shaded, cells).text()).done();
}

// --- More operations ---

// Text of the simplest form of a fraction, mixed when it is more than one.
std::string shownAnswer(const Frac& v, char kind) {
    return kind == 'X' ? v.mixed() : v.text();
}

// "2 1/3 = 6/3 + 1/3 = 7/3": a mixed number written as an improper fraction.
std::string asImproper(const Frac& v) {
    const long long w = v.whole();
    const Frac rest = v - Frac(w);
    return v.mixed() + " = " + over(w * v.d, v.d) + " + " + rest.text() + " = " + over(v.n, v.d);
}

Question fracDivFrac(Rng& r, const std::string& k) {
    const char kind = k[0];
    for (;;) {
        const Frac a = proper(r, 2, 9);
        const Frac b = proper(r, 2, 9);
        const Frac ans = a / b;
        if (a == b || ans.isInt() || (kind == 'X') != (ans > Frac(1)) || ans.d > 40) continue;
        QB q("frac_div_frac", 3);
        q.param("a", a.text()).param("b", b.text());
        q.p("Work out <b>" + a.text() + " &divide; " + b.text() + "</b>.");
        q.note(kind == 'X' ? kMixed : kSimplest);
        q.answer();
        step(q, "Dividing by " + b.text() + " is the same as multiplying by " + over(b.d, b.n) +
               ", the fraction turned upside down.");
        step(q, a.text() + " &divide; " + b.text() + " = " + a.text() + " &times; " +
               over(b.d, b.n) + " = " + over(a.n * b.d, a.d * b.n) + ".");
        finish(q, a.n * b.d, a.d * b.n, kind == 'X');
        return q.part(kind, shownAnswer(ans, kind)).done();
    }
}

Question mixedMul(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const Frac a = Frac(r.range(1, 3)) + proper(r, 2, 6);
        const Frac b = Frac(r.range(1, 3)) + proper(r, 2, 6);
        const Frac ans = a * b;
        if (ans.isInt() || ans.d > 30) continue;
        QB q("mixed_mul", 3);
        q.param("a", a.text()).param("b", b.text());
        q.p("Work out <b>" + a.mixed() + " &times; " + b.mixed() + "</b>.");
        q.note(kMixed);
        q.answer();
        step(q, "Write the mixed numbers as improper fractions: " + asImproper(a) + ", and " +
               asImproper(b) + ".");
        step(q, "Multiply the numerators and the denominators: " + a.text() + " &times; " +
               b.text() + " = " + over(a.n * b.n, a.d * b.d) + ".");
        finish(q, a.n * b.n, a.d * b.d, true);
        return q.part('X', ans.mixed()).done();
    }
}

Question mixedDiv(Rng& r, const std::string& k) {
    const char kind = k[0];
    for (;;) {
        const Frac a = Frac(r.range(1, 5)) + proper(r, 2, 6);
        const Frac b = Frac(r.range(1, 3)) + proper(r, 2, 6);
        const Frac ans = a / b;
        if (a == b || ans.isInt() || (kind == 'X') != (ans > Frac(1)) || ans.d > 30) continue;
        QB q("mixed_div", 3);
        q.param("a", a.text()).param("b", b.text());
        q.p("Work out <b>" + a.mixed() + " &divide; " + b.mixed() + "</b>.");
        q.note(kind == 'X' ? kMixed : kSimplest);
        q.answer();
        step(q, "Write the mixed numbers as improper fractions: " + asImproper(a) + ", and " +
               asImproper(b) + ".");
        step(q, "Dividing by " + b.text() + " is the same as multiplying by " + over(b.d, b.n) +
               ": " + a.text() + " &divide; " + b.text() + " = " + a.text() + " &times; " +
               over(b.d, b.n) + " = " + over(a.n * b.d, a.d * b.n) + ".");
        finish(q, a.n * b.d, a.d * b.n, kind == 'X');
        return q.part(kind, shownAnswer(ans, kind)).done();
    }
}

Question fracCompare(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        // Close fractions where the larger bottom number belongs to the larger fraction or not.
        const Frac a = proper(r, 3, 12);
        const Frac b = proper(r, 3, 12);
        if (a == b || a.d == b.d || a.n == b.n) continue;
        const Frac gap = a > b ? a - b : b - a;
        if (gap > Frac(1, 6)) continue;
        const bool greater = r.chance(60);
        QB q("frac_compare", 2);
        q.param("a", a.text()).param("b", b.text()).param("which", greater ? "greater" : "smaller");
        q.p(std::string("Which is ") + (greater ? "greater" : "smaller") + ", <b>" + a.text() +
            "</b> or <b>" + b.text() + "</b>?");
        q.note(std::string("Write the ") + (greater ? "greater" : "smaller") +
               " fraction as it is written above, in its simplest form.");
        q.answer();
        const long long common = lcmOf(a.d, b.d);
        const Frac big = a > b ? a : b;
        const Frac small = a > b ? b : a;
        step(q, "Write both fractions with the common denominator " + S(common) + ": " +
               rewritten({a, b}, common) + ".");
        step(q, over(big.n * (common / big.d), common) + " is more than " +
               over(small.n * (common / small.d), common) + ", so " + big.text() +
               " is greater and " + small.text() + " is smaller.");
        return q.part('F', ((a > b) == greater ? a : b).text()).done();
    }
}

Question fracBetween(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const Frac lo = proper(r, 2, 8);
        const Frac hi = proper(r, 2, 8);
        if (!(lo < hi) || hi - lo < Frac(1, 12) || lo.d + 1 > 12) continue;
        // something strictly inside, with a bottom number up to 12
        std::vector<Frac> inside;
        for (int d = 2; d <= 12; ++d)
            for (int n = 1; n < d; ++n) {
                const Frac f(n, d);
                if (f.d == d && lo < f && f < hi && f.d != lo.d && f.d != hi.d) inside.push_back(f);
            }
        if (inside.empty()) continue;
        const Frac right = r.pick(inside);
        // A bigger bottom number taken for a bigger fraction, and a smaller one for a smaller.
        const Frac belowLo(lo.n, lo.d + 1);
        const Frac aboveHi(hi.n, hi.d - 1);
        // the right bottom number with a top just outside
        const long long under = (lo * Frac(right.d)).n / (lo * Frac(right.d)).d;
        const Frac sameBottom = under > 0 ? Frac(under, right.d) : Frac(right.d - 1, right.d);
        const std::vector<Frac> wrong = {belowLo, aboveHi, sameBottom};
        bool fine = hi.d > 2 && aboveHi < Frac(1);
        for (const Frac& w : wrong)
            fine = fine && !(lo < w && w < hi) && !(w == right) && w > Frac(0);
        if (!fine || belowLo == aboveHi || belowLo == sameBottom || aboveHi == sameBottom) continue;
        // Where a wrong option lies: below, at or above the ends, over a common denominator.
        auto outside = [&](const Frac& w) {
            const Frac& end = w < lo || w == lo ? lo : hi;
            if (w == end) return "is equal to " + end.text() + ", so it does not lie between them";
            const long long c = lcmOf(w.d, end.d);
            const std::string side = w < end ? "less" : "more";
            return "is " + side + " than " + end.text() + ": " + over(w.n * (c / w.d), c) +
                   " is " + side + " than " + over(end.n * (c / end.d), c);
        };
        const std::vector<TextSlip> texts = {
            {belowLo.text(), "adds 1 to the denominator of " + lo.text() +
                                 ", which makes the fraction smaller, and " + outside(belowLo)},
            {aboveHi.text(), "takes 1 from the denominator of " + hi.text() +
                                 ", which makes the fraction larger, and " + outside(aboveHi)},
            {sameBottom.text(), sameBottom.d == right.d
                                    ? "has the right denominator but " + outside(sameBottom)
                                    : outside(sameBottom)}};
        QB q("frac_between", 2);
        q.param("lo", lo.text()).param("hi", hi.text());
        q.p("Which fraction lies between <b>" + lo.text() + "</b> and <b>" + hi.text() + "</b>?");
        const long long cl = lcmOf(lo.d, right.d);
        const long long ch = lcmOf(hi.d, right.d);
        step(q, "Compare with " + lo.text() + " over " + S(cl) + ": " + rewritten({lo, right}, cl) +
                    ", so " + right.text() + " is more than " + lo.text() + ".");
        step(q, "Compare with " + hi.text() + " over " + S(ch) + ": " +
                    rewritten({right, hi}, ch) + ", so " + right.text() + " is less than " +
                    hi.text() + ".");
        step(q, "So " + right.text() + " lies between " + lo.text() + " and " + hi.text() + ".");
        return q.choice(r, right.text(), texts).done();
    }
}

// A number line from 0 to `wholes` with `perUnit` equal steps in each whole, every whole
// numbered, and an arrow at step `at`.
void drawFractionLine(Figure& f, int wholes, int perUnit, int at) {
    const int x0 = 30;
    const int x1 = 270;
    const int y = 100;
    const int steps = wholes * perUnit;
    f.line(x0 - 10, y, x1 + 10, y, false, true);
    for (int i = 0; i <= steps; ++i) {
        const int x = x0 + (x1 - x0) * i / steps;
        const bool whole = i % perUnit == 0;
        f.line(x, y - (whole ? 12 : 7), x, y + (whole ? 12 : 7), false, whole);
        if (whole) f.text(x, y + 26, 'c', S(i / perUnit));
    }
    const int ax = x0 + (x1 - x0) * at / steps;
    f.colour("#dc2626");
    f.line(ax, y - 55, ax, y - 14, false, true);
    f.line(ax, y - 14, ax - 6, y - 24, false, true);
    f.line(ax, y - 14, ax + 6, y - 24, false, true);
    f.colour("#000000");
}

Question fracNumberLine(Rng& r, const std::string& k) {
    const char kind = k[0];
    for (;;) {
        const int perUnit = r.pick(std::vector<int>{3, 4, 5, 6, 8, 10});
        const int wholes = kind == 'X' ? (perUnit > 5 ? 2 : r.range(2, 3)) : 1;
        const int at = r.range(kind == 'X' ? perUnit + 1 : 1, wholes * perUnit - 1);
        if (at % perUnit == 0) continue;
        const Frac ans(at, perUnit);
        QB q("frac_number_line", 2);
        q.param("wholes", wholes).param("per_unit", perUnit).param("at", at);
        q.p("The number line is divided into equal steps. What number is the arrow pointing to?");
        const int before = at / perUnit;
        const int past = at % perUnit;
        drawFractionLine(
            q.figure(300, 150,
                     "A number line from 0 to " + S(wholes) +
                         ", with the whole numbers written under it. Each whole is cut into " +
                         S(perUnit) + " equal steps by small marks. A red arrow points to the "
                         "mark " + plural(past, "step", "steps") + " after " + S(before) + "."),
            wholes, perUnit, at);
        q.note(kind == 'X' ? kMixed : kSimplest);
        q.answer();
        step(q, "Each whole is cut into " + S(perUnit) + " equal steps, so each step is 1/" +
               S(perUnit) + ".");
        if (kind == 'X') {
            std::string chain = S(before) + " + " + over(past, perUnit) + " = " + S(before) + " " +
                                over(past, perUnit);
            if (Frac(past, perUnit).d != perUnit) chain += " = " + ans.mixed();
            step(q, "The arrow is " + plural(past, "step", "steps") + " after " + S(before) + ": " +
                   chain + ".");
        } else {
            std::string chain = S(at) + " &times; 1/" + S(perUnit) + " = " + over(at, perUnit);
            if (ans.d != perUnit) chain += " = " + ans.text();
            step(q, "The arrow is " + plural(at, "step", "steps") + " after 0: " + chain + ".");
        }
        return q.part(kind, shownAnswer(ans, kind)).done();
    }
}

// A bar of `parts` equal parts, the first `shaded` of them shaded, with a brace under the
// shaded parts carrying `below` and one over `overFrom`..`overTo` parts carrying `above`.
void drawBarModel(Figure& f, int parts, int shaded, const std::string& below, int overFrom,
                  int overTo, const std::string& above) {
    const int x0 = 30;
    const int width = 240;
    const int y = 70;
    const int h = 44;
    const int w = width / parts;
    for (int i = 0; i < parts; ++i) f.rect(x0 + i * w, y, w, h, i < shaded ? "#3b82f6" : "#ffffff");
    auto brace = [&](int from, int to, int at, int tick, const std::string& label) {
        const int a = x0 + from * w + 2;
        const int b = x0 + to * w - 2;
        f.line(a, at, b, at);
        f.line(a, at, a, at - tick);
        f.line(b, at, b, at - tick);
        f.text((a + b) / 2, at + (tick > 0 ? 14 : -14), 'c', label);
    };
    brace(0, shaded, y + h + 12, 6, below);
    brace(overFrom, overTo, y - 12, -6, above);
}

Question fracBarModel(Rng& r, const std::string& k) {
    for (;;) {
        const int parts = r.range(3, 10);
        const int shaded = r.range(1, parts - 1);
        const int each = r.range(3, 25);
        const int known = shaded * each;
        const bool whole = r.chance(50);
        const long long ans = whole ? static_cast<long long>(parts) * each
                                    : static_cast<long long>(parts - shaded) * each;
        const std::vector<long long> wrong =
            whole ? std::vector<long long>{static_cast<long long>(known) * parts /* not shared first */,
                                           each /* one part only */,
                                           static_cast<long long>(parts - shaded) * each /* the
                                                                                   unshaded part */}
                  : std::vector<long long>{static_cast<long long>(parts) * each /* the whole bar */,
                                           each /* one part only */,
                                           static_cast<long long>(known) * (parts - shaded) /* not
                                                                                   shared first */};
        std::vector<long long> all = wrong;
        all.push_back(ans);
        std::sort(all.begin(), all.end());
        if (std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("frac_bar_model", 2);
        q.param("parts", parts)
            .param("shaded", shaded)
            .param("known", known)
            .param("ask", whole ? "whole" : "rest");
        q.p("The bar is divided into equal parts. The shaded parts together are worth <b>" +
            S(known) + "</b>.");
        drawBarModel(q.figure(300, 160,
                              "A bar cut into " + S(parts) + " equal parts, the first " +
                                  S(shaded) + " of them shaded. A bracket under the shaded "
                                  "parts is labelled " + S(known) + ", and a bracket over " +
                                  (whole ? "the whole bar" : "the parts not shaded") +
                                  " is labelled with a question mark."),
                     parts, shaded, S(known), whole ? 0 : shaded, parts, "?");
        q.p(whole ? "What is the whole bar worth?"
                  : "What are the parts that are not shaded worth altogether?");
        step(q, "The shaded parts, " + S(shaded) + " of them, are worth " + S(known) +
               ", so one part is worth " + S(known) + " &divide; " + S(shaded) + " = " + S(each) +
               ".");
        if (whole)
            step(q, "The whole bar is " + S(parts) + " parts: " + S(parts) + " &times; " + S(each) +
                   " = " + S(ans) + ".");
        else
            step(q, "Parts not shaded: " + S(parts) + " &minus; " + S(shaded) + " = " +
                   S(parts - shaded) + ". They are worth " + S(parts - shaded) + " &times; " +
                   S(each) + " = " + S(ans) + ".");
        std::vector<Slip> slips;
        if (k[0] == 'Q' && whole) {
            // The whole bar is worth more than its shaded parts: so is every option.
            slips = slipsWithin(
                ans,
                {{Frac(known) * Frac(parts), "multiplies the shaded amount by the number of "
                                             "parts without finding one part first"},
                 {Frac(parts - shaded) * Frac(each), "is the parts not shaded, not the whole bar"},
                 {Frac(known + each), "adds only one more part"},
                 {Frac(known + parts - shaded), "adds the number of parts not shaded, not "
                                                "what they are worth"},
                 {Frac(2 * known), "doubles the shaded amount"}},
                [&](const Frac& v) { return v > Frac(known); });
        } else if (k[0] == 'Q') {
            slips = {{Frac(wrong[0]), "is the whole bar, not the parts that are not shaded"},
                     {Frac(wrong[1]), "is one part only"},
                     {Frac(wrong[2]), "multiplies the shaded amount by the parts not shaded "
                                      "without finding one part first"}};
        }
        return q.number(r, k[0], ans, "", slips).done();
    }
}

Question shadeMore(Rng& r, const std::string& k) {
    for (;;) {
        const int rows = r.range(2, 4);
        const int cols = r.range(3, 6);
        const int cells = rows * cols;
        const Frac target = proper(r, 2, 6);
        if (!(target * Frac(cells)).isInt()) continue;
        const int want = static_cast<int>((target * Frac(cells)).n);
        if (want < 2) continue;
        const int shaded = r.range(1, want - 1);
        std::vector<int> order(static_cast<std::size_t>(cells));
        for (int i = 0; i < cells; ++i) order[static_cast<std::size_t>(i)] = i;
        r.shuffle(order);
        std::vector<bool> isShaded(static_cast<std::size_t>(cells), false);
        for (int i = 0; i < shaded; ++i)
            isShaded[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
        QB q("shade_more", 2);
        q.param("rows", rows)
            .param("cols", cols)
            .param("shaded", shaded)
            .param("target", target.text());
        q.p("The shape is divided into equal squares.");
        drawGrid(q.figure(300, 200,
                          "A rectangle divided into " + S(rows) + " rows of " + S(cols) +
                              " equal squares, " + S(shaded) + " of the " + S(cells) +
                              " squares shaded."),
                 rows, cols, isShaded);
        step(q, "The shape has " + S(rows) + " &times; " + S(cols) + " = " + S(cells) +
               " squares. " + target.text() + " of them: " +
               partsOf(target, S(cells), S(cells / target.d), S(want)) + ".");
        step(q, "Shaded already: " + S(shaded) + ". Still to shade: " + S(want) + " &minus; " +
               S(shaded) + " = " + plural(want - shaded, "square", "squares") + ".");
        if (k == "N") {
            q.p("How many more squares must be shaded so that <b>" + target.text() +
                "</b> of the shape is shaded?");
            return q.number(r, 'N', want - shaded, "squares", std::vector<Frac>{}).done();
        }
        q.p("What fraction of the whole shape must still be shaded so that <b>" + target.text() +
            "</b> of it is shaded?");
        q.note(kSimplest);
        q.answer();
        step(q, "As a fraction of the shape: " + S(want - shaded) + " out of " + S(cells) + " is " +
               over(want - shaded, cells) + ".");
        finish(q, want - shaded, cells, false);
        return q.part('F', Frac(want - shaded, cells).text()).done();
    }
}

Question fracLeftEaten(Rng& r, const std::string& k) {
    for (;;) {
        const auto [x, y] = twoNames(r);
        const Frac a = proper(r, 2, 8);
        const Frac b = proper(r, 2, 8);
        const Frac left = Frac(1) - a - b;
        if (a.d == b.d || !(left > Frac(0))) continue;
        const Frac topsAndBottoms = Frac(1) - Frac(a.n + b.n, a.d + b.d);
        const std::vector<Frac> wrong = {a + b /* what was eaten, not what is left */,
                                         topsAndBottoms /* tops and bottoms added */,
                                         Frac(1) - a /* the second share left out */};
        std::vector<std::string> texts;
        for (const Frac& w : wrong) texts.push_back(w.text());
        if (std::find(texts.begin(), texts.end(), left.text()) != texts.end() ||
            texts[0] == texts[1] || texts[0] == texts[2] || texts[1] == texts[2])
            continue;
        QB q("frac_left_eaten", 2);
        q.param("a", a.text()).param("b", b.text());
        const long long common = lcmOf(a.d, b.d);
        const long long eaten = a.n * (common / a.d) + b.n * (common / b.d);
        if (k == "N") {
            const long long lcm = a.d / gcdInt(static_cast<int>(a.d), static_cast<int>(b.d)) * b.d;
            if (lcm > 24) continue;
            const long long slices = lcm * (24 / lcm);  // as many slices as a cake takes
            q.param("slices", S(slices));
            q.p("A cake is cut into " + S(slices) + " equal slices. " + x + " eats " + a.text() +
                " of the cake and " + y + " eats " + b.text() + " of it.");
            q.p("How many slices are left?");
            const Frac ea = a * Frac(slices);
            const Frac eb = b * Frac(slices);
            step(q, x + ": " + a.text() + " of " + S(slices) + " slices. " +
                   partsOf(a, S(slices), S(slices / a.d), ea.text()) + " slices.");
            step(q, y + ": " + b.text() + " of " + S(slices) + " slices. " +
                   partsOf(b, S(slices), S(slices / b.d), eb.text()) + " slices.");
            step(q, "Left: " + S(slices) + " &minus; " + ea.text() + " &minus; " + eb.text() +
                   " = " + (left * Frac(slices)).text() + " slices.");
            return q.number(r, 'N', left * Frac(slices), "slices", std::vector<Frac>{}).done();
        }
        q.p(x + " ate " + a.text() + " of a cake and " + y + " ate " + b.text() +
            " of the same cake.");
        q.p("What fraction of the cake is left?");
        step(q, "Eaten altogether: " + fractionSum(a, b) + ".");
        step(q, "Left: the whole cake is " + over(common, common) + ", so " + over(common, common) +
               " &minus; " + over(eaten, common) + " = " + over(common - eaten, common) +
               (left.d != common ? " = " + left.text() : std::string()) + ".");
        if (k == "Q")
            return q
                .choice(r, left.text(),
                        std::vector<TextSlip>{
                            {texts[0], "is what was eaten, not what is left"},
                            {texts[1], "adds the numerators and adds the denominators, which is "
                                       "not how fractions are added"},
                            {texts[2], "leaves out what " + y + " ate"}})
                .done();
        q.note(kSimplest);
        q.answer();
        return q.part('F', left.text()).done();
    }
}

Question fracWhatFraction(Rng& r, const std::string& k) {
    struct Whole {
        const char* big;
        const char* small;
        int factor;
        int slip;  // the small units a learner wrongly puts in the big one
        const char* one;  // the big unit in "1 hour = 60 minutes"
    };
    const std::vector<Whole> wholes = {
        {"1 metre", "cm", 100, 1000, "metre"},   {"an hour", "minutes", 60, 100, "hour"},
        {"1 kilogram", "g", 1000, 100, "kilogram"}, {"a day", "hours", 24, 12, "day"},
        {"1 litre", "ml", 1000, 100, "litre"},   {"a year", "months", 12, 10, "year"}};
    for (;;) {
        const Whole& w = r.pick(wholes);
        const int stride = w.factor >= 100 ? 5 : 1;
        const int part = r.range(1, w.factor / stride - 1) * stride;
        const Frac ans(part, w.factor);
        if (ans.d > 20 || ans.d == w.factor) continue;  // a fraction that simplifies
        const std::vector<Frac> wrong = {Frac(part, w.slip) /* the wrong number of small units */,
                                         Frac(1) - ans /* the rest of the whole */,
                                         Frac(w.factor, part) /* upside down */};
        std::vector<std::string> texts;
        for (const Frac& x : wrong) texts.push_back(x.text());
        if (std::find(texts.begin(), texts.end(), ans.text()) != texts.end() ||
            texts[0] == texts[1] || texts[0] == texts[2] || texts[1] == texts[2])
            continue;
        QB q("frac_what_fraction", 2);
        q.param("part", part).param("factor", w.factor);
        q.p(std::string("What fraction of ") + w.big + " is " + qty(part, w.small) + "?");
        step(q, std::string("There are ") + qty(w.factor, w.small) + " in 1 " + w.one + ", so " +
               qty(part, w.small) + " is " + S(part) + " out of " + S(w.factor) + ": " +
               over(part, w.factor) + ".");
        finish(q, part, w.factor, false);
        if (k == "Q") {
            // A part of the whole is a fraction between 0 and 1: so is every option.
            std::vector<TextSlip> sensible;
            for (const Slip& s :
                 slipsWithin(ans,
                             {{Frac(part, w.slip), std::string("takes 1 ") + w.one + " as " +
                                                       S(w.slip) + " " + w.small},
                              {Frac(1) - ans, std::string("is the rest of ") + w.big},
                              {Frac(ans.n, w.factor), "divides only the numerator when "
                                                      "simplifying"},
                              {Frac(1, part), "puts 1 over " + S(part)},
                              {Frac(1, ans.d), "is one part only"}},
                             [](const Frac& v) { return v < Frac(1); }, false))
                sensible.push_back({s.value.text(), s.why});
            return q.choice(r, ans.text(), sensible).done();
        }
        q.note(kSimplest);
        q.answer();
        return q.part('F', ans.text()).done();
    }
}

Question fracEquivWhich(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const Frac f = proper(r, 2, 8);
        const int m = r.range(2, 5);
        const std::string right = S(f.n * m) + "/" + S(f.d * m);
        const std::vector<std::string> wrong = {
            S(f.n + m) + "/" + S(f.d + m) /* the same number added to top and bottom */,
            S(f.d * m) + "/" + S(f.n * m) /* turned upside down */,
            S(f.n) + "/" + S(f.d * m) /* only the bottom multiplied */};
        if (wrong[0] == right || f.n + m == f.d + m) continue;
        QB q("frac_equiv_which", 1);
        q.param("f", f.text());
        q.p("Which fraction is equal to <b>" + f.text() + "</b>?");
        step(q, "An equal fraction comes from multiplying the numerator and the denominator by the "
               "same number.");
        step(q, "Multiply both by " + S(m) + ": " + S(f.n) + " &times; " + S(m) + " = " +
               S(f.n * m) + ", " + S(f.d) + " &times; " + S(m) + " = " + S(f.d * m) + ", so " +
               f.text() + " = " + right + ".");
        return q
            .choice(r, right,
                    std::vector<TextSlip>{
                        {wrong[0], "adds " + S(m) + " to the numerator and the denominator "
                                   "instead of multiplying them"},
                        {wrong[1], "is an equal fraction turned upside down"},
                        {wrong[2], "multiplies only the denominator by " + S(m)}})
            .done();
    }
}

Question fracMissingAddend(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const Frac a = proper(r, 2, 10);
        const Frac c = r.chance(30) ? Frac(1) : proper(r, 2, 12);
        const Frac ans = c - a;
        if (!(ans > Frac(0)) || a.d == c.d || ans.d > 40 || ans == a) continue;
        QB q("frac_missing_addend", 2);
        q.param("a", a.text()).param("c", c.text());
        q.p("Find the missing fraction.");
        q.p("<b>" + a.text() + " + ? = " + c.text() + "</b>");
        q.note(kSimplest);
        q.answer();
        step(q, "The missing fraction is what must be added to " + a.text() + " to make " +
               c.text() + ", so take " + a.text() + " away from " + c.text() + ".");
        if (c == Frac(1)) {
            step(q, "1 = " + over(a.d, a.d) + ", so 1 &minus; " + a.text() + " = " +
                   over(a.d, a.d) + " &minus; " + a.text() + " = " + over(a.d - a.n, a.d) + ".");
            finish(q, a.d - a.n, a.d, false);
        } else {
            const auto [n, d] = sumOver(q, c, a, false);
            finish(q, n, d, false);
        }
        return q.part('F', ans.text()).done();
    }
}

Question fracRecipe(Rng& r, const std::string& k) {
    struct Use {
        const char* each;   // "A loaf of bread needs"
        const char* stuff;  // "of flour"
        const char* unit;
        const char* many;  // "loaves"
    };
    const std::vector<Use> uses = {{"A loaf of bread needs", "of flour", "kg", "loaves"},
                                   {"A jug of lemonade needs", "of lemon juice", "litres", "jugs"},
                                   {"One cake needs", "of butter", "kg", "cakes"},
                                   {"Each plant pot needs", "of compost", "kg", "pots"}};
    for (;;) {
        const Use& u = r.pick(uses);
        const Frac each = proper(r, 2, 8);
        const int n = r.range(3, 9);
        const Frac ans = each * Frac(n);
        if (ans.isInt() != (k == "N") || ans < Frac(1)) continue;
        QB q("frac_recipe", 2);
        q.param("each", each.text()).param("n", n);
        const std::string unitWord = std::string(u.unit) == "litres" ? "litre" : u.unit;
        q.p(std::string(u.each) + " " + each.text() + " " + unitWord + " " + u.stuff + ".");
        q.p("How much is needed for " + S(n) + " " + u.many + "?");
        step(q, "For " + S(n) + " " + u.many + ", " + S(n) + " times as much: " + S(n) + " &times; " +
               each.text() + " = " + over(n * each.n, each.d) + ".");
        finish(q, n * each.n, each.d, k != "N");
        if (k == "N") return q.number(r, 'N', ans, u.unit, std::vector<Frac>{}).done();
        q.note(kMixed);
        q.answer(u.unit);
        return q.part('X', ans.mixed()).done();
    }
}

Question fracShare(Rng& r, const std::string& k) {
    const char kind = k[0];
    struct Thing {
        const char* one;
        const char* many;
        const char* who;
    };
    const std::vector<Thing> things = {{"pizza", "pizzas", "children"},
                                       {"cake", "cakes", "friends"},
                                       {"bar of chocolate", "bars of chocolate", "children"}};
    for (;;) {
        const Thing& t = r.pick(things);
        const int n = r.range(2, 11);
        const int people = r.range(3, 8);
        const Frac each(n, people);
        if (each.isInt() || (kind == 'X') != (each > Frac(1))) continue;
        QB q("frac_share", 2);
        q.param("n", n).param("people", people);
        q.p(capitalised(numberWords(n)) + " " + t.many + " are shared equally among " + S(people) +
            " " + t.who + ".");
        q.p(std::string("How much ") +
            (std::string(t.one) == "pizza" ? "pizza" : "of a " + std::string(t.one)) +
            " does each get?");
        q.note(kind == 'X' ? kMixed : kSimplest);
        q.answer(kind == 'X' ? t.many : std::string("of a ") + t.one);
        step(q, std::string("One ") + t.one + " shared equally among " + S(people) + " " + t.who +
               " gives each 1/" + S(people) + " of it.");
        step(q, "There are " + S(n) + " " + t.many + ", so each gets " + S(n) + " &times; 1/" +
               S(people) + " = " + S(n) + " &divide; " + S(people) + " = " + over(n, people) +
               ".");
        finish(q, n, people, kind == 'X');
        return q.part(kind, shownAnswer(each, kind)).done();
    }
}

Question fracTable(Rng& r, const std::string& k) {
    const std::vector<std::string> fruit = {"Apple", "Banana", "Orange", "Grapes"};
    for (;;) {
        std::vector<int> n;
        int total = 0;
        for (int i = 0; i < 4; ++i) {
            n.push_back(r.range(2, 15));
            total += n.back();
        }
        const std::size_t ask = static_cast<std::size_t>(r.range(0, 3));
        const Frac ans(n[ask], total);
        if (ans.d == total || total < 16) continue;  // a fraction that simplifies
        std::vector<std::vector<std::string>> rows;
        std::string list;
        for (std::size_t i = 0; i < 4; ++i) {
            rows.push_back({fruit[i], S(n[i])});
            list += (list.empty() ? "" : ",") + S(n[i]);
        }
        QB q("frac_table", 2);
        q.param("counts", list).param("ask", fruit[ask]);
        q.p("Some children were asked to choose their favourite fruit. The table shows their "
            "choices.");
        q.raw(tableHtml({"Fruit", "Number of children"}, rows));
        const std::string name = lowerCase(fruit[ask]);
        const std::string what = "What fraction of the children chose " +
                                 (name == "grapes" ? name : withArticle(name)) + "?";
        const std::string label = k == "NF" ? "(b) " : "";
        step(q, std::string(k == "NF" ? "(a) " : "") + "Children asked: " + S(n[0]) + " + " +
               S(n[1]) + " + " + S(n[2]) + " + " + S(n[3]) + " = " + S(total) + ".");
        step(q, label + fruit[ask] + ": " + S(n[ask]) + " of the " + S(total) + " children, so " +
               over(n[ask], total) + ".");
        finish(q, n[ask], total, false, label);
        if (k == "NF") {
            q.subparts({{"How many children were asked?", "children"},
                        {what + " Give the fraction in its simplest form.", ""}});
            return q.part('N', S(total)).part('F', ans.text()).done();
        }
        q.p(what);
        q.note(kSimplest);
        q.answer();
        return q.part('F', ans.text()).done();
    }
}

Question fracChart(Rng& r, const std::string& k) {
    const std::vector<std::string> pets = {"Dog", "Cat", "Fish", "Rabbit"};
    for (;;) {
        std::vector<int> n;
        int total = 0;
        for (int i = 0; i < 4; ++i) {
            n.push_back(r.range(1, 12));
            total += n.back();
        }
        const std::size_t ask = static_cast<std::size_t>(r.range(0, 3));
        const Frac ans(n[ask], total);
        if (ans.d == total || total < 12) continue;
        // T: the one pet whose share is a given fraction
        if (k == "T" &&
            std::count_if(n.begin(), n.end(), [&](int x) { return Frac(x, total) == ans; }) != 1)
            continue;
        std::size_t a = 0;
        std::size_t b = 1;
        if (k == "NF") {
            a = static_cast<std::size_t>(r.range(0, 3));
            b = static_cast<std::size_t>(r.range(0, 3));
            if (a == b || n[a] <= n[b] || a == ask || b == ask) continue;
        }
        std::vector<std::pair<std::string, int>> bars;
        std::string list;
        for (std::size_t i = 0; i < 4; ++i) {
            bars.emplace_back(pets[i], n[i]);
            list += (list.empty() ? "" : ",") + S(n[i]);
        }
        QB q("frac_chart", 2);
        q.param("counts", list);
        q.p("The pupils in a class were asked which pet they would most like to have. The bar "
            "chart shows their answers.");
        const int top = (*std::max_element(n.begin(), n.end()) + 1) / 2 * 2;
        std::string data;
        for (std::size_t i = 0; i < 4; ++i)
            data += (i == 0 ? "" : i == 3 ? " and " : ", ") + pets[i] + " " + S(n[i]);
        // the scale's unit stands left of the axis: a short word fits there
        drawBarChart(q.figure(300, 200,
                              "A bar chart of the pets the pupils would most like to have, with "
                              "a scale of pupils from 0 to " + S(top) + " in steps of 2. The "
                              "bars read: " + data + "."),
                     bars, 2, "pupils");
        const std::string name = lowerCase(pets[ask]);
        const std::string sum = S(n[0]) + " + " + S(n[1]) + " + " + S(n[2]) + " + " + S(n[3]) +
                                " = " + S(total);
        if (k == "T") {
            q.param("fraction", ans.text());
            q.p("Which pet was chosen by <b>" + ans.text() + "</b> of the pupils?");
            q.note("Write the name of the pet.");
            q.answer();
            step(q, "Pupils in the class: " + sum + ".");
            step(q, ans.text() + " of " + S(total) + ": " +
                   partsOf(ans, S(total), S(total / ans.d), S(n[ask])) + " pupils.");
            step(q, "The bar at " + S(n[ask]) + " is " + pets[ask] + ", so the pet is " + pets[ask] +
                   ".");
            return q.part('T', pets[ask]).done();
        }
        if (k == "NF")
            step(q, "(a) " + pets[a] + " " + S(n[a]) + ", " + pets[b] + " " + S(n[b]) + ": " +
                   S(n[a]) + " &minus; " + S(n[b]) + " = " + plural(n[a] - n[b], "more pupil", "more pupils") + ".");
        const std::string label = k == "NF" ? "(b) " : "";
        step(q, label + "Pupils in the class: " + sum + ".");
        step(q, pets[ask] + ": " + S(n[ask]) + " of the " + S(total) + " pupils, so " +
               over(n[ask], total) + ".");
        finish(q, n[ask], total, false);
        q.param("ask", pets[ask]);
        const std::string what = "What fraction of the pupils chose " + withArticle(name) + "?";
        if (k == "NF") {
            const std::string na = lowerCase(pets[a]);
            const std::string nb = lowerCase(pets[b]);
            q.param("more", pets[a]).param("than", pets[b]);
            q.subparts({{"How many more pupils chose " + withArticle(na) + " than " +
                             withArticle(nb) + "?",
                         "pupils"},
                        {what + " Give the fraction in its simplest form.", ""}});
            return q.part('N', S(n[a] - n[b])).part('F', ans.text()).done();
        }
        q.p(what);
        q.note(kSimplest);
        q.answer();
        return q.part('F', ans.text()).done();
    }
}

Question fracSequence(Rng& r, const std::string& k) {
    const char kind = k[0];
    for (;;) {
        const int d = r.pick(std::vector<int>{3, 4, 5, 6, 8, 10, 12});
        const int startTop = r.range(1, d - 1);
        const int stepTop = r.range(1, 2);
        std::vector<Frac> t;
        for (int i = 0; i < 5; ++i) t.emplace_back(startTop + i * stepTop, d);
        const Frac ans = t.back();
        if (ans.isInt() || (kind == 'X') != (ans > Frac(1))) continue;
        std::string shown;
        std::string list;
        for (std::size_t i = 0; i < 4; ++i) {
            shown += (t[i].isInt() ? S(t[i].n) : t[i].mixed()) + ", ";
            list += (list.empty() ? "" : ",") + t[i].text();
        }
        QB q("frac_sequence", 2);
        q.param("shown", list);
        q.p("The numbers in this sequence go up by the same amount each time.");
        q.p("<b>" + shown + "?</b>");
        q.p("What is the next number?");
        q.note(kind == 'X' ? kMixed : kSimplest);
        q.answer();
        std::string tops;
        for (int i = 0; i < 4; ++i) tops += (i ? ", " : "") + over(startTop + i * stepTop, d);
        step(q, "Write each number over the denominator " + S(d) + ": " + tops + ".");
        const std::string next = over(startTop + 4 * stepTop, d);
        step(q, "The numerator goes up by " + S(stepTop) + " each time: " +
               over(startTop + 3 * stepTop, d) + " + " + over(stepTop, d) + " = " + next +
               (next != shownAnswer(ans, kind) ? " = " + shownAnswer(ans, kind) : std::string()) +
               ".");
        return q.part(kind, shownAnswer(ans, kind)).done();
    }
}

Question minutesMixed(Rng& r, const std::string& k) {
    (void)k;
    struct Change {
        const char* small;
        const char* bigUnit;  // on the answer line
        const char* bigWord;
        int factor;
    };
    const std::vector<Change> changes = {{"minutes", "hours", "hours", 60},
                                         {"g", "kg", "kilograms", 1000},
                                         {"cm", "m", "metres", 100},
                                         {"months", "years", "years", 12},
                                         {"ml", "litres", "litres", 1000}};
    for (;;) {
        const Change& c = r.pick(changes);
        const Frac v = Frac(r.range(1, 5)) +
                       r.pick(std::vector<Frac>{Frac(1, 2), Frac(1, 4), Frac(3, 4), Frac(1, 3),
                                                Frac(2, 3), Frac(1, 5), Frac(3, 10), Frac(1, 6)});
        const Frac small = v * Frac(c.factor);
        if (!small.isInt()) continue;
        QB q("minutes_mixed", 2);
        q.param("amount", small.n).param("factor", c.factor);
        q.p("Write <b>" + qty(small, c.small) + "</b> in " + c.bigWord + ".");
        q.note(kMixed);
        q.answer(c.bigUnit);
        const std::string one = std::string(c.bigWord).substr(0, std::string(c.bigWord).size() - 1);
        const long long w = v.whole();
        const long long rest = small.n - w * c.factor;
        step(q, "There are " + qty(c.factor, c.small) + " in 1 " + one + ".");
        step(q, std::string("Whole ") + c.bigWord + ": " + S(w) + " &times; " + S(c.factor) + " = " +
               qty(w * c.factor, c.small) + ", and " + S(small.n) + " &minus; " +
               S(w * c.factor) + " = " + qty(rest, c.small) + " left over.");
        step(q, "The " + qty(rest, c.small) + " left over are " + over(rest, c.factor) + " of " +
               withArticle(one) + (Frac(rest, c.factor).d != c.factor
                                       ? ", and " + over(rest, c.factor) + " = " +
                                             Frac(rest, c.factor).text()
                                       : std::string()) +
               ".");
        step(q, "So " + qty(small, c.small) + " = " + v.mixed() + " " + c.bigWord + ".");
        return q.part('X', v.mixed()).done();
    }
}

Question fracPieces(Rng& r, const std::string& k) {
    for (;;) {
        const Frac piece = proper(r, 2, 6);
        const int length = r.range(2, 9);
        const Frac count = Frac(length) / piece;
        const long long whole = count.n / count.d;
        const Frac left = Frac(length) - piece * Frac(whole);
        if (k == "NF" && left == Frac(0)) continue;
        if (whole < 3) continue;
        const Frac product = Frac(length) * piece;
        // a count of whole pieces is a whole number: so is every option
        if (k == "Q" && (!product.isInt() || product == Frac(whole) ||
                         product == Frac(whole + 1) || Frac(length * piece.d) == Frac(whole)))
            continue;
        QB q("frac_pieces", 2);
        q.param("length", length).param("piece", piece.text());
        q.p("A ribbon is " + qty(length, "m") + " long. It is cut into pieces that are each " +
            piece.text() + "&nbsp;m long.");
        const long long small = length * piece.d;
        const long long rest = small - whole * piece.n;
        step(q, std::string(k == "NF" ? "(a) " : "") + "Each metre holds " + S(piece.d) +
               " lengths of 1/" + S(piece.d) + "&nbsp;m. In " +
               qty(length, "m") + ": " + S(length) + " &times; " + S(piece.d) + " = " + S(small) +
               " of them.");
        if (piece.n > 1)
            step(q, "Each piece is " + S(piece.n) + " of those lengths: " + S(whole) + " &times; " +
                   S(piece.n) + " = " + S(whole * piece.n) +
                   (rest > 0 ? ", with " + S(small) + " &minus; " + S(whole * piece.n) + " = " +
                                   S(rest) + " left over"
                             : std::string()) +
                   ".");
        step(q, "So " + plural(whole, "piece", "pieces") + " can be cut.");
        if (k == "NF") {
            step(q, "(b) Left over: " + S(rest) + " &times; 1/" + S(piece.d) + "&nbsp;m = " +
                   over(rest, piece.d) + "&nbsp;m" +
                   (left.text() != over(rest, piece.d) ? " = " + left.text() + "&nbsp;m"
                                                       : std::string()) +
                   ".");
            q.subparts({{"How many pieces can be cut?", "pieces"},
                        {"How much ribbon is left over? Give your answer as a fraction of a "
                         "metre in its simplest form.",
                         "m"}});
            return q.part('N', S(whole)).part('F', left.text()).done();
        }
        q.p("How many whole pieces can be cut?");
        return q
            .number(r, k[0], whole, "pieces",
                    std::vector<Slip>{
                        {product, "multiplies the length by the piece instead of dividing"},
                        {Frac(length * piece.d), "counts the lengths of 1/" + S(piece.d) +
                                                     "&nbsp;m, but each piece is " +
                                                     S(piece.n) + " of them"},
                        {Frac(whole + 1), "counts the bit left over as a whole piece"}})
            .done();
    }
}

Question fracMistake(Rng& r, const std::string& k) {
    const char kind = k[0];
    const std::string who = r.pick(names());
    for (;;) {
        const int form = r.range(1, 3);
        Frac ans;
        std::string expr;
        std::string wrote;
        Frac x;  // the operands, for the worked solution
        Frac y;
        if (form == 1) {  // 1/3 + 1/4 = 2/7: tops and bottoms added
            const Frac a = proper(r, 2, 8);
            const Frac b = proper(r, 2, 8);
            if (a.d == b.d) continue;
            x = a;
            y = b;
            expr = a.text() + " + " + b.text();
            ans = a + b;
            wrote = Frac(a.n + b.n, a.d + b.d).text();
        } else if (form == 2) {  // 2/3 / 3/4 = 9/8: the first fraction turned over
            const Frac a = proper(r, 2, 8);
            const Frac b = proper(r, 2, 8);
            if (a == b) continue;
            x = a;
            y = b;
            expr = a.text() + " &divide; " + b.text();
            ans = a / b;
            wrote = (Frac(a.d, a.n) * b).text();
            if (Frac(a.d, a.n) * b == ans) continue;
        } else {  // 3 x 2/5 = 6/15: the bottom multiplied too
            const Frac a = proper(r, 2, 9);
            const int m = r.range(2, 6);
            x = a;
            y = Frac(m);
            expr = S(m) + " &times; " + a.text();
            ans = a * Frac(m);
            wrote = S(a.n * m) + "/" + S(a.d * m);
        }
        if (ans.isInt() || (kind == 'X') != (ans > Frac(1))) continue;
        QB q("frac_mistake", 2);
        q.param("form", form);
        q.p(who + " worked out <b>" + expr + "</b> and wrote <b>" + wrote + "</b>.");
        q.p(who + "'s answer is wrong. What is the correct answer?");
        q.note(kind == 'X' ? kMixed : kSimplest);
        q.answer();
        if (form == 1) {
            step(q, who + " added the numerators and added the denominators. Fractions are added "
                         "over a common denominator instead.");
            const auto [n, d] = sumOver(q, x, y, true);
            finish(q, n, d, kind == 'X');
        } else if (form == 2) {
            step(q, who + " turned the first fraction upside down. To divide, multiply by the "
                         "second fraction turned upside down, " + over(y.d, y.n) + ".");
            step(q, x.text() + " &divide; " + y.text() + " = " + x.text() + " &times; " +
                   over(y.d, y.n) + " = " + over(x.n * y.d, x.d * y.n) + ".");
            finish(q, x.n * y.d, x.d * y.n, kind == 'X');
        } else {
            step(q, who + " multiplied the denominator too. A whole number times a fraction "
                         "multiplies the numerator only.");
            step(q, expr + " = " + over(y.n * x.n, x.d) + ".");
            finish(q, y.n * x.n, x.d, kind == 'X');
        }
        return q.part(kind, shownAnswer(ans, kind)).done();
    }
}

Question fracOrderList(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        std::vector<Frac> v;
        while (v.size() < 4) {
            const Frac f = proper(r, 2, 12);
            if (std::find(v.begin(), v.end(), f) == v.end()) v.push_back(f);
        }
        auto shown = [](const std::vector<Frac>& list) {
            std::string s;
            for (std::size_t i = 0; i < list.size(); ++i) s += (i ? ", " : "") + list[i].text();
            return s;
        };
        std::vector<Frac> up = v;
        std::sort(up.begin(), up.end());
        std::vector<Frac> byBottom = v;  // a bigger bottom number taken for a bigger fraction
        std::sort(byBottom.begin(), byBottom.end(),
                  [](const Frac& a, const Frac& b) { return a.d != b.d ? a.d < b.d : a < b; });
        std::vector<Frac> byTop = v;  // only the tops compared
        std::sort(byTop.begin(), byTop.end(),
                  [](const Frac& a, const Frac& b) { return a.n != b.n ? a.n < b.n : a < b; });
        std::vector<Frac> down(up.rbegin(), up.rend());  // largest first
        const std::string right = shown(up);
        const std::vector<std::string> wrong = {shown(byBottom), shown(byTop), shown(down)};
        if (std::find(wrong.begin(), wrong.end(), right) != wrong.end() || wrong[0] == wrong[1] ||
            wrong[0] == wrong[2] || wrong[1] == wrong[2])
            continue;
        QB q("frac_order_list", 2);
        std::string list;
        for (const Frac& f : v) list += (list.empty() ? "" : ",") + f.text();
        q.param("vals", list);
        q.p("Which list is in order from the <b>smallest</b> to the <b>largest</b>?");
        long long common = 1;
        for (const Frac& f : v) common = lcmOf(common, f.d);
        if (common <= 60) {
            std::string over60;
            for (const Frac& f : up)
                over60 += (over60.empty() ? "" : ", ") + f.text() + " = " +
                          over(f.n * (common / f.d), common);
            step(q, "Write the fractions with the common denominator " + S(common) +
                   ", smallest numerator first: " + over60 + ".");
        } else {
            step(q, "Compare the fractions two at a time over a common denominator.");
            for (std::size_t i = 0; i + 1 < up.size(); ++i) {
                step(q, capitalised(pairOver(up[i], up[i + 1])) + ", so " +
                            up[i].text() + " is smaller than " + up[i + 1].text() + ".");
            }
        }
        step(q, "From the smallest to the largest: " + right + ".");
        return q
            .choice(r, right,
                    std::vector<TextSlip>{
                        {wrong[0], "puts the fractions in order of their denominators, but a "
                                   "larger denominator means smaller parts"},
                        {wrong[1], "puts the fractions in order of their numerators only"},
                        {wrong[2], "is in order from the largest to the smallest"}})
            .done();
    }
}

Question fracWalkTotal(Rng& r, const std::string& k) {
    for (;;) {
        const std::string who = r.pick(names());
        const Frac a = Frac(r.range(1, 3)) + proper(r, 2, 6);
        const Frac b = Frac(r.range(1, 3)) + proper(r, 2, 6);
        const Frac sum = a + b;
        if (a.d == b.d || sum.isInt() || !(a < b) || !(b - a < Frac(1)) || sum.d > 30) continue;
        QB q("frac_walk_total", 2);
        q.param("a", a.text()).param("b", b.text()).param("who", who);
        q.p(who + " walked " + a.mixed() + "&nbsp;km on Monday and " + b.mixed() +
            "&nbsp;km on Tuesday.");
        if (k == "XF") {
            const long long wa = a.whole();
            const long long wb = b.whole();
            const Frac fa = a - Frac(wa);
            const Frac fb = b - Frac(wb);
            step(q, "(a) Add the whole numbers: " + S(wa) + " + " + S(wb) + " = " + S(wa + wb) +
                   ". Add the fractions: " + fractionSum(fa, fb) + ".");
            step(q, std::string("(a) ") +
                   (fa + fb > Frac(1) ? "Carry the 1 whole: " + S(wa + wb) + " + 1 = " +
                                            S(wa + wb + 1) + ", so "
                                      : "So ") +
                   a.mixed() + " + " + b.mixed() + " = " + sum.mixed() + ".");
            const long long common = lcmOf(a.d, b.d);
            const long long an = a.n * (common / a.d);
            const long long bn = b.n * (common / b.d);
            step(q, "(b) Write both as improper fractions over " + S(common) + ": " + b.mixed() +
                   " = " + over(bn, common) + " and " + a.mixed() + " = " + over(an, common) +
                   ".");
            step(q, "(b) " + over(bn, common) + " &minus; " + over(an, common) + " = " +
                   over(bn - an, common) +
                   ((b - a).text() != over(bn - an, common) ? " = " + (b - a).text()
                                                            : std::string()) +
                   ", so " + (b - a).text() + "&nbsp;km further.");
            q.subparts({{"How far did " + who +
                             " walk altogether? Give your answer as a mixed number in its "
                             "simplest form.",
                         "km"},
                        {"How much further did " + who +
                             " walk on Tuesday than on Monday? Give your answer as a fraction in "
                             "its simplest form.",
                         "km"}});
            return q.part('X', sum.mixed()).part('F', (b - a).text()).done();
        }
        q.p("How far did " + who + " walk altogether?");
        q.note(kMixed);
        q.answer("km");
        mixedSumSteps(q, a, b);
        return q.part('X', sum.mixed()).done();
    }
}

// `full` whole circles and one more with `shaded` of its `sectors` equal sectors shaded; every
// circle is cut into the same sectors.
void drawCircles(Figure& f, int full, int sectors, int shaded) {
    const int count = full + 1;
    const int radius = 32;
    const int gap = 76;
    const int x0 = 150 - (count - 1) * gap / 2;
    const int cy = 90;
    const double pi = std::acos(-1.0);
    for (int c = 0; c < count; ++c) {
        const int cx = x0 + c * gap;
        for (int s = 0; s < sectors; ++s) {
            // from 12 o'clock, clockwise
            std::vector<std::pair<int, int>> pts = {{cx, cy}};
            const double from = 2 * pi * s / sectors;
            const double to = 2 * pi * (s + 1) / sectors;
            const int steps = std::max(2, 48 / sectors);
            for (int i = 0; i <= steps; ++i) {
                const double t = from + (to - from) * i / steps;
                pts.emplace_back(cx + static_cast<int>(std::lround(radius * std::sin(t))),
                                 cy - static_cast<int>(std::lround(radius * std::cos(t))));
            }
            f.poly(pts, c < full || s < shaded ? "#3b82f6" : "#ffffff");
        }
        f.circle(cx, cy, radius);
    }
}

Question fracMixedPicture(Rng& r, const std::string& k) {
    const char kind = k[0];
    for (;;) {
        const int full = r.range(1, 3);
        const int sectors = r.pick(std::vector<int>{2, 3, 4, 5, 6, 8});
        const int shaded = r.range(1, sectors - 1);
        const Frac v = Frac(full) + Frac(shaded, sectors);
        if (kind == 'F' && v.d == sectors && r.chance(50)) continue;  // mostly ones that simplify
        QB q("frac_mixed_picture", 2);
        q.param("full", full).param("sectors", sectors).param("shaded", shaded);
        q.p("Each circle is one whole, cut into equal parts.");
        drawCircles(q.figure(300, 180,
                             "A row of " + S(full + 1) + " circles, each cut into " + S(sectors) +
                                 " equal parts: " +
                                 (full == 1 ? "the first circle is"
                                            : "the first " + S(full) + " circles are") +
                                 " shaded all over, and the last circle has " + S(shaded) +
                                 " of its " + S(sectors) + " parts shaded."),
                    full, sectors, shaded);
        if (kind == 'X') {
            q.p("What mixed number is shaded?");
            q.note(kMixed);
            step(q, "Shaded all over: " + plural(full, "circle", "circles") + ", that is " +
                   plural(full, "whole", "wholes") + ".");
            step(q, "The last circle has " + S(shaded) + " of its " + S(sectors) +
                   " parts shaded: " + over(shaded, sectors) + ".");
            step(q, "Together: " + S(full) + " + " + over(shaded, sectors) + " = " + S(full) + " " +
                   over(shaded, sectors) +
                   (Frac(shaded, sectors).d != sectors ? " = " + v.mixed() : std::string()) + ".");
        } else {
            q.p("Write the shaded amount as an improper fraction.");
            q.note("Give your answer in its simplest form, for example 7/4.");
            step(q, "Each circle has " + S(sectors) + " parts. The whole circles give: " + S(full) +
                   " &times; " + S(sectors) + " = " + plural(full * sectors, "part", "parts") +
                   ".");
            step(q, "Add the " + S(shaded) + " shaded in the last circle: " + S(full * sectors) +
                   " + " + S(shaded) + " = " + S(full * sectors + shaded) + ", so " +
                   over(full * sectors + shaded, sectors) + ".");
            finish(q, full * sectors + shaded, sectors, false);
        }
        q.answer();
        return q.part(kind, shownAnswer(v, kind)).done();
    }
}

Question fracHowManyParts(Rng& r, const std::string& k) {
    struct Unit {
        const char* name;
        int d;
    };
    const std::vector<Unit> units = {{"halves", 2}, {"thirds", 3},  {"quarters", 4}, {"fifths", 5},
                                     {"sixths", 6}, {"eighths", 8}, {"tenths", 10}};
    for (;;) {
        const Unit& u = r.pick(units);
        const int w = r.range(1, 6);
        // the fraction part in halves, quarters... that the unit divides evenly
        std::vector<int> fits;
        for (int m = 2; m < u.d; ++m)
            if (u.d % m == 0) fits.push_back(m);
        if (fits.empty()) continue;
        const int m = r.pick(fits);
        const int n = r.range(1, m - 1);
        if (gcdInt(n, m) != 1) continue;
        const Frac amount = Frac(w) + Frac(n, m);
        const long long ans = (amount * Frac(u.d)).n;
        QB q("frac_how_many_parts", 2);
        q.param("amount", amount.text()).param("d", u.d);
        q.p(std::string("How many ") + u.name + " are there in <b>" + amount.mixed() + "</b>?");
        step(q, "Each whole has " + S(u.d) + " " + u.name + ": " + S(w) + " &times; " + S(u.d) +
               " = " + S(w * u.d) + ".");
        step(q, "The fraction part: " + over(n, m) + " = " + over(n * (u.d / m), u.d) + ", that is " +
               S(n * (u.d / m)) + " more.");
        step(q, "Altogether: " + S(w * u.d) + " + " + S(n * (u.d / m)) + " = " + S(ans) + " " +
               u.name + ".");
        return q
            .number(r, k[0], ans, "",
                    std::vector<Slip>{
                        {Frac(w * u.d), "leaves out the fraction part"},
                        {Frac(w * u.d + n), "adds the numerator " + S(n) + " without changing " +
                                                over(n, m) + " into " + u.name},
                        {Frac((w + 1) * u.d), "counts the fraction part as a whole"}})
            .done();
    }
}

Question fracJourney(Rng& r, const std::string& k) {
    for (;;) {
        const Frac a = proper(r, 2, 5);
        const Frac b = proper(r, 3, 8);
        if (a.d == b.d || !(a + b < Frac(1))) continue;
        const long long lcm = a.d / gcdInt(static_cast<int>(a.d), static_cast<int>(b.d)) * b.d;
        const long long km = lcm * r.range(2, 12);
        if (km < 40 || km > 400) continue;
        const Frac train = a * Frac(km);
        const Frac car = Frac(km) - train - b * Frac(km);
        QB q("frac_journey", 3);
        q.param("km", S(km)).param("a", a.text()).param("b", b.text());
        q.p("A family travels " + qty(km, "km") + " to visit their grandparents. They go " +
            a.text() + " of the way by train, " + b.text() +
            " of the way by bus and the rest of the way by car.");
        const Frac bus = b * Frac(km);
        const std::string trainStep = "Train: " + a.text() + " of " + qty(km, "km") + ". " +
                                      partsOf(a, S(km), S(km / a.d), train.text()) + ".";
        const std::string busStep = "Bus: " + b.text() + " of " + qty(km, "km") + ". " +
                                    partsOf(b, S(km), S(km / b.d), bus.text()) + ".";
        const std::string carStep = "Car: the rest, " + S(km) + " &minus; " + train.text() +
                                    " &minus; " + bus.text() + " = " + qty(car, "km") + ".";
        if (k == "N") {
            q.p("How far do they travel by car?");
            step(q, trainStep);
            step(q, busStep);
            step(q, carStep);
            return q.number(r, 'N', car, "km", std::vector<Frac>{}).done();
        }
        step(q, "(a) " + trainStep);
        step(q, "(b) " + busStep);
        step(q, "(b) " + carStep);
        step(q, "(c) " + qty(car, "km") + " out of " + qty(km, "km") + " is " + over(car.n, km) +
               ".");
        finish(q, car.n, km, false, "(c) ");
        q.subparts({{"How far do they travel by train?", "km"},
                    {"How far do they travel by car?", "km"},
                    {"What fraction of the journey is by car? Give the fraction in its simplest "
                     "form.",
                     ""}});
        return q.part('N', train.text())
            .part('N', car.text())
            .part('F', (car / Frac(km)).text())
            .done();
    }
}

// --- Fractions of amounts in context ---

Question fracSalePrice(Rng& r, const std::string& k) {
    struct Item {
        const char* name;
        int lo;
        int hi;
    };
    const std::vector<Item> items = {{"jacket", 40, 120},
                                     {"pair of trainers", 40, 120},
                                     {"bicycle", 150, 600},
                                     {"tent", 80, 300}};
    for (;;) {
        const Item& it = r.pick(items);
        const Frac off = r.pick(std::vector<Frac>{Frac(1, 4), Frac(1, 5), Frac(1, 3), Frac(2, 5),
                                                  Frac(1, 10), Frac(3, 10)});
        const int price = r.range(it.lo / 5, it.hi / 5) * 5;
        if (!(off * Frac(price)).isInt()) continue;
        const Frac saving = off * Frac(price);
        const Frac sale = Frac(price) - saving;
        const std::vector<Frac> wrong = {
            saving /* the saving, not the new price */,
            Frac(price - off.n) /* the top number taken off as dollars */,
            off.n > 1 ? Frac(price) - Frac(price) / Frac(off.d) /* one part taken off */
                      : Frac(price - off.d) /* the bottom number taken off */};
        if (wrong[2] == sale || wrong[0] == wrong[2]) continue;
        QB q("frac_sale_price", 2);
        q.param("price", price).param("off", off.text());
        q.p(capitalised(withArticle(it.name)) + " costs " + money(price) +
            ". In a sale the price is cut by " + off.text() + ".");
        q.p(std::string("What is the sale price of the ") + it.name + "?");
        step(q, "The cut: " + off.text() + " of " + money(price) + ". " +
               partsOf(off, money(price), money(Frac(price) / Frac(off.d)), money(saving)) + ".");
        step(q, "Sale price: " + money(price) + " &minus; " + money(saving) + " = " + money(sale) +
               ".");
        // A sale price is below the old price: every option is too.
        return q
            .number(r, k[0], sale, "dollars",
                    std::vector<Slip>{
                        {wrong[0], "is the amount taken off, not the sale price"},
                        {wrong[1], "takes off the numerator, " + S(off.n) +
                                                  ", as if it were dollars"},
                        {wrong[2], off.n > 1 ? "takes off one part, 1/" + S(off.d) +
                                                   ", instead of " + off.text()
                                             : "takes off the denominator, " + S(off.d) +
                                                   ", as if it were dollars"}})
            .done();
    }
}

Question fracExtraFree(Rng& r, const std::string& k) {
    struct Pack {
        const char* what;
        int size;
        const char* unit;
        const char* words;
    };
    const std::vector<Pack> packs = {{"packet of rice", 500, "g", "grams of rice"},
                                     {"box of cereal", 400, "g", "grams of cereal"},
                                     {"bottle of juice", 750, "ml", "millilitres of juice"},
                                     {"bag of pasta", 1000, "g", "grams of pasta"}};
    for (;;) {
        const Pack& p = r.pick(packs);
        const Frac extra =
            r.pick(std::vector<Frac>{Frac(1, 5), Frac(1, 4), Frac(1, 10), Frac(1, 2), Frac(2, 5)});
        const Frac more = extra * Frac(p.size);
        if (!more.isInt() || !distinctWrong(Frac(p.size) + more, {more, Frac(p.size) - more,
                                                                  Frac(p.size) + more * Frac(2)}))
            continue;
        QB q("frac_extra_free", 2);
        q.param("size", p.size).param("extra", extra.text());
        q.p(capitalised(withArticle(p.what)) + " usually holds " + qty(p.size, p.unit) +
            ". A special offer pack holds " + extra.text() + " extra free.");
        q.p(std::string("How many ") + p.words + " are in the special offer pack?");
        step(q, "The extra: " + extra.text() + " of " + qty(p.size, p.unit) + ". " +
               partsOf(extra, S(p.size), S(p.size / extra.d), more.text()) + ".");
        step(q, "The offer pack: " + qty(p.size, p.unit) + " + " + qty(more, p.unit) + " = " +
               qty(Frac(p.size) + more, p.unit) + ".");
        // The offer pack holds more than the usual pack: so does every option.
        return q
            .number(r, k[0], Frac(p.size) + more, p.unit,
                    std::vector<Slip>{
                        {Frac(p.size) + more * Frac(2), "adds the extra twice"},
                        {Frac(p.size + extra.d), "adds the denominator, " + S(extra.d) +
                                                     ", instead of " + extra.text() + " of " +
                                                     qty(p.size, p.unit)},
                        extra.n > 1 ? Slip{Frac(p.size) + Frac(p.size, extra.d),
                                           "adds one part, 1/" + S(extra.d) + ", instead of " +
                                               extra.text()}
                                    : Slip{Frac(p.size) + extra,
                                           "adds the fraction " + extra.text() +
                                               " itself instead of " + extra.text() + " of " +
                                               qty(p.size, p.unit)}})
            .done();
    }
}

Question fracPartToPart(Rng& r, const std::string& k) {
    for (;;) {
        const int d = r.range(3, 10);
        const int known = r.range(2, d - 1);
        const int asked = r.range(1, d - 1);
        if (asked == known || gcdInt(known, d) != 1 || gcdInt(asked, d) != 1) continue;
        const int one = r.range(2, 15);
        const long long value = static_cast<long long>(one) * known;
        const long long ans = static_cast<long long>(one) * asked;
        const std::vector<long long> wrong = {value * asked /* not shared first */,
                                              static_cast<long long>(one) * d /* the whole number */,
                                              value + (asked - known) /* the difference of the tops
                                                                         added */};
        std::vector<long long> all = wrong;
        all.push_back(ans);
        std::sort(all.begin(), all.end());
        if (all.front() <= 0 || std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("frac_part_to_part", 3);
        q.param("known", Frac(known, d).text())
            .param("value", S(value))
            .param("asked", Frac(asked, d).text());
        q.p("<b>" + Frac(known, d).text() + "</b> of a number is <b>" + S(value) + "</b>.");
        q.p("What is <b>" + Frac(asked, d).text() + "</b> of the number?");
        step(q, "Think of the number as " + S(d) + " equal parts. " + Frac(known, d).text() +
               " of it is " + plural(known, "part", "parts") + ", worth " + S(value) + ".");
        step(q, "One part: " + S(value) + " &divide; " + S(known) + " = " + S(one) + ".");
        step(q, Frac(asked, d).text() + " of the number is " + plural(asked, "part", "parts") +
               ": " + S(asked) + " &times; " + S(one) + " = " + S(ans) + ".");
        // A part of the number is less than the whole number: so is every option.
        const long long number = static_cast<long long>(one) * d;
        const std::vector<Slip> slips =
            k[0] != 'Q'
                ? std::vector<Slip>{}
                : slipsWithin(
                      Frac(ans),
                      {{Frac(wrong[0]), "multiplies by the new numerator without dividing by " +
                                            S(known) + " first"},
                       {Frac(wrong[2]), "adds the difference of the numerators to " + S(value)},
                       {Frac(value), "is the part that was given, " +
                                         Frac(known, d).text() + " of the number"},
                       {Frac(one), "is one part only, 1/" + S(d) + " of the number"},
                       {Frac(number - ans), "is the rest of the number"},
                       {Frac(number), "is the whole number"}},
                      [&](const Frac& v) { return v < Frac(number); });
        return q.number(r, k[0], ans, "", slips).done();
    }
}

Question fracOfFracAmount(Rng& r, const std::string& k) {
    for (;;) {
        const Frac a = proper(r, 2, 5);
        const Frac b = proper(r, 2, 6);
        const long long n = a.d * b.d * r.range(1, 6);
        if (n < 20 || n > 300) continue;
        const Frac ans = a * b * Frac(n);
        const std::vector<Frac> wrong = {b * Frac(n) /* the first fraction left out */,
                                         a * Frac(n) /* the second fraction left out */,
                                         Frac(n) - ans /* the rest */};
        if (wrong[0] == ans || wrong[1] == ans || wrong[2] == ans || wrong[0] == wrong[1] ||
            wrong[0] == wrong[2] || wrong[1] == wrong[2])
            continue;
        QB q("frac_of_frac_amount", 3);
        q.param("a", a.text()).param("b", b.text()).param("n", S(n));
        q.p("Work out <b>" + a.text() + " of " + b.text() + " of " + S(n) + "</b>.");
        const Frac first = b * Frac(n);
        step(q, "First " + b.text() + " of " + S(n) + ": " +
               partsOf(b, S(n), S(n / b.d), first.text()) + ".");
        step(q, "Then " + a.text() + " of " + first.text() + ": " +
               partsOf(a, first.text(), (first / Frac(a.d)).text(), ans.text()) + ".");
        return q
            .number(r, k[0], ans, "",
                    std::vector<Slip>{
                        {wrong[0], "stops after " + b.text() + " of " + S(n) + " and leaves out " +
                                       a.text()},
                        {wrong[1], "finds " + a.text() + " of " + S(n) + " and leaves out " +
                                       b.text()},
                        {wrong[2], "is the rest of " + S(n) + ", not the part asked for"}})
            .done();
    }
}

Question fracTimeMinutes(Rng& r, const std::string& k) {
    const std::vector<std::string> doing = {"reading", "doing homework", "practising the piano",
                                            "playing football"};
    for (;;) {
        const std::string who = r.pick(names());
        const int hours = r.range(2, 4);
        const Frac f = proper(r, 2, 6);
        const Frac ans = f * Frac(hours * 60);
        const std::vector<Frac> wrong = {f * Frac(60) /* one hour only */,
                                         Frac(hours * 60) - ans /* the rest of the time */,
                                         f * Frac(hours * 100) /* an hour taken as 100 minutes */};
        if (!ans.isInt() || !wrong[0].isInt() || !wrong[2].isInt() || wrong[1] == ans ||
            wrong[0] == wrong[1] || wrong[1] == wrong[2])
            continue;
        const std::string what = r.pick(doing);
        QB q("frac_time_minutes", 2);
        q.param("hours", hours).param("f", f.text());
        q.p(who + " had " + qty(hours, "hours") + " free on Saturday and spent " + f.text() +
            " of that time " + what + ".");
        q.p("How many minutes did " + who + " spend " + what + "?");
        const int minutes = hours * 60;
        step(q, "Free time in minutes: " + S(hours) + " &times; 60 = " + qty(minutes, "minutes") +
               ".");
        step(q, f.text() + " of " + qty(minutes, "minutes") + ": " +
               partsOf(f, S(minutes), S(minutes / f.d), qty(ans, "minutes")) + ".");
        // A part of the free time is less than all of it: so is every option.
        const std::vector<Slip> slips =
            k[0] != 'Q'
                ? std::vector<Slip>{}
                : slipsWithin(ans,
                              {{wrong[0], "finds " + f.text() + " of one hour only"},
                               {wrong[1], "is the rest of the time, not the time spent " + what},
                               {wrong[2], "takes an hour as 100 minutes"},
                               {Frac(minutes / f.d), "is one part only, 1/" + S(f.d) +
                                                         " of the time"},
                               {Frac(minutes, f.n), "divides by the numerator instead of the "
                                                    "denominator"}},
                              [&](const Frac& v) { return v < Frac(minutes); });
        return q.number(r, k[0], ans, "minutes", slips).done();
    }
}

Question fracMixedToDec(Rng& r, const std::string& k) {
    for (;;) {
        const int d = r.pick(std::vector<int>{2, 4, 5, 8, 20, 25});
        const int n = r.range(1, d - 1);
        if (gcdInt(n, d) != 1) continue;
        const int w = r.range(1, 9);
        const Frac v = Frac(w) + Frac(n, d);
        auto afterPoint = [&](const std::string& digits) {
            long long scale = 1;
            for (std::size_t i = 0; i < digits.size(); ++i) scale *= 10;
            return Frac(w) + Frac(std::stoll(digits), scale);
        };
        const std::vector<Frac> wrong = {afterPoint(S(n)) /* the top number after the point */,
                                         afterPoint(S(n) + S(d)) /* top and bottom after the
                                                                    point */
                                         ,
                                         Frac(n, d) /* the whole number left out */};
        if (wrong[0] == v || wrong[1] == v || wrong[0] == wrong[1]) continue;
        QB q("frac_mixed_to_dec", 1);
        q.param("v", v.text());
        q.p("Write <b>" + v.mixed() + "</b> as a decimal.");
        const int tens = 10 % d == 0 ? 10 : 100 % d == 0 ? 100 : 1000;
        step(q, "Make the denominator " + S(tens) + ": multiply the numerator and the denominator "
               "by " + S(tens / d) + ", so " + Frac(n, d).text() + " = " +
               over(n * (tens / d), tens) + " = " + num(Frac(n, d)) + ".");
        step(q, "Add the whole number: " + S(w) + " + " + num(Frac(n, d)) + " = " + num(v) + ".");
        return q
            .number(r, k[0], v, "",
                    std::vector<Slip>{
                        {wrong[0], "writes the numerator " + S(n) + " after the point"},
                        {wrong[1], "writes the numerator and the denominator after the point"},
                        {wrong[2], "leaves out the whole number " + S(w)}})
            .done();
    }
}

Question fracPagesLeft(Rng& r, const std::string& k) {
    for (;;) {
        const std::string who = r.pick(names());
        const Frac f = proper(r, 3, 8);
        const int pages = static_cast<int>(f.d) * r.range(8, 40);
        if (pages < 80 || pages > 400 || f.n < 2) continue;
        const Frac read = f * Frac(pages);
        const Frac left = Frac(pages) - read;
        const std::vector<Frac> wrong = {Frac(pages) /* the whole book */,
                                         read / Frac(f.n) /* one part only */,
                                         read * Frac(f.d) - read /* multiplied by the bottom
                                                                    only */};
        if (wrong[1] == left || wrong[2] == left || wrong[0] == wrong[2]) continue;
        QB q("frac_pages_left", 3);
        q.param("f", f.text()).param("read", read.text());
        q.p(who + " has read " + f.text() + " of a book. That is " + read.text() + " pages.");
        q.p("How many pages does " + who + " still have to read?");
        const Frac one = read / Frac(f.n);
        step(q, "Think of the book as " + S(f.d) + " equal parts. " + f.text() + " of it, " +
               S(f.n) + " parts, is " + read.text() + " pages, so one part is " + read.text() +
               " &divide; " + S(f.n) + " = " + one.text() + " pages.");
        step(q, "Still to read: " + S(f.d) + " &minus; " + S(f.n) + " = " +
               plural(f.d - f.n, "part", "parts") + ", and " + S(f.d - f.n) + " &times; " +
               one.text() + " = " + left.text() + " pages.");
        // The pages still to read are fewer than the whole book: so is every option.
        const std::vector<Slip> slips =
            k[0] != 'Q'
                ? std::vector<Slip>{}
                : slipsWithin(left,
                              {{wrong[1], "is one part only, 1/" + S(f.d) + " of the book"},
                               {wrong[2], "multiplies by the denominator without dividing by "
                                          "the numerator first, then takes away the pages read"},
                               {read, "is the pages already read"},
                               {Frac(pages) - one, "takes away one part only from the book"},
                               {Frac(pages), "is the whole book"}},
                              [&](const Frac& v) { return v < Frac(pages); });
        return q.number(r, k[0], left, "pages", slips).done();
    }
}

Question fracGramsLeft(Rng& r, const std::string& k) {
    for (;;) {
        const std::string who = r.pick(names());
        const int kg = r.range(1, 3);
        const Frac used = proper(r, 2, 8);
        const Frac left = (Frac(1) - used) * Frac(kg * 1000);
        if (!left.isInt()) continue;
        const std::vector<Frac> wrong = {used * Frac(kg * 1000) /* what was used */,
                                         left / Frac(1000) /* left in kilograms, not grams */,
                                         left / Frac(10) /* a kilogram taken as 100 g */};
        if (wrong[0] == left) continue;
        QB q("frac_grams_left", 2);
        q.param("kg", kg).param("used", used.text());
        q.p(who + " has " + withArticle(qty(kg, "kg")) + " bag of flour and uses " + used.text() +
            " of it to bake bread.");
        q.p("How many grams of flour are left?");
        const Frac grams(kg * 1000);
        step(q, "In grams: " + qty(kg, "kg") + " = " + S(kg) + " &times; 1000&nbsp;g = " +
               qty(grams, "g") + ".");
        step(q, "Left: 1 &minus; " + used.text() + " = " + over(used.d - used.n, used.d) +
               " of the bag.");
        step(q, over(used.d - used.n, used.d) + " of " + qty(grams, "g") + ": " +
               partsOf(Frac(used.d - used.n, used.d), num(grams), num(grams / Frac(used.d)),
                       qty(left, "g")) +
               ".");
        return q
            .number(r, k[0], left, "g",
                    std::vector<Slip>{
                        {wrong[0], "is the flour used, not the flour left"},
                        {wrong[1], "is the flour left in kilograms, not grams"},
                        {wrong[2], "takes 1&nbsp;kg as 100&nbsp;g"}})
            .done();
    }
}

Question fracPlusDecimal(Rng& r, const std::string& k) {
    for (;;) {
        const Frac a =
            r.pick(std::vector<Frac>{Frac(1, 2), Frac(1, 4), Frac(3, 4), Frac(1, 5), Frac(2, 5),
                                     Frac(3, 5), Frac(4, 5), Frac(3, 8), Frac(7, 10), Frac(1, 8)});
        const Frac b(r.range(1, 99), r.chance(50) ? 10 : 100);
        if (b.isInt()) continue;
        const Frac ans = a + b;
        const std::vector<Frac> wrong = {Frac(a.n, 10) + b /* the top number read as tenths */,
                                         a + b / Frac(10) /* the decimal one place out */,
                                         a * b /* multiplied */};
        if (wrong[0] == ans || wrong[1] == ans || wrong[2] == ans || wrong[0] == wrong[1] ||
            wrong[0] == wrong[2] || wrong[1] == wrong[2])
            continue;
        QB q("frac_plus_decimal", 2);
        q.param("a", a.text()).paramDec("b", b);
        q.p("Work out <b>" + a.text() + " + " + num(b) + "</b>.");
        q.note("Give your answer as a decimal.");
        const int tens = 10 % a.d == 0 ? 10 : 100 % a.d == 0 ? 100 : 1000;
        step(q, "Write " + a.text() + " as a decimal: " + a.text() + " = " +
               over(a.n * (tens / a.d), tens) + " = " + num(a) + ".");
        step(q, "Add, lining up the decimal points: " + num(a) + " + " + num(b) + " = " + num(ans) +
               ".");
        return q
            .number(r, k[0], ans, "",
                    std::vector<Slip>{
                        {wrong[0], "reads " + a.text() + " as " + num(Frac(a.n, 10))},
                        {wrong[1], "moves the decimal point of " + num(b) + " one place"},
                        {wrong[2], "multiplies instead of adding"}})
            .done();
    }
}

// A measuring jug of one litre, its scale cut into `parts` equal steps, filled to `filled`.
void drawJug(Figure& f, int parts, int filled) {
    const int x = 100;
    const int w = 90;
    const int top = 30;
    const int bottom = 180;
    const int level = bottom - (bottom - top) * filled / parts;
    f.rect(x, level, w, bottom - level, "#93c5fd");
    f.line(x, top - 10, x, bottom, false, true);
    f.line(x + w, top - 10, x + w, bottom, false, true);
    f.line(x, bottom, x + w, bottom, false, true);
    f.line(x + w, top + 10, x + w + 20, top + 10, false, true);  // the handle
    f.line(x + w + 20, top + 10, x + w + 20, top + 80, false, true);
    f.line(x + w + 20, top + 80, x + w, top + 80, false, true);
    for (int i = 1; i <= parts; ++i) {
        const int y = bottom - (bottom - top) * i / parts;
        f.line(x - 12, y, x, y, false, i == parts);
    }
    f.text(x - 16, top, 'r', "1 litre");
    f.text(x - 16, bottom, 'r', "0");
}

Question fracJugMl(Rng& r, const std::string& k) {
    for (;;) {
        const int parts = r.pick(std::vector<int>{4, 5, 8, 10});
        const int filled = r.range(1, parts - 1);
        const Frac ans = Frac(filled * 1000, parts);
        if (!ans.isInt()) continue;
        const std::vector<Frac> wrong = {Frac(filled * 100) /* each step taken as 100 ml */,
                                         Frac(1000) - ans /* the empty part */,
                                         ans + Frac(1000, parts) /* one step too many */};
        if (wrong[0] == ans || wrong[1] == ans || wrong[2] == ans || wrong[0] == wrong[1] ||
            wrong[0] == wrong[2] || wrong[1] == wrong[2])
            continue;
        QB q("frac_jug_ml", 2);
        q.param("parts", parts).param("filled", filled);
        q.p("The scale on this one-litre jug is divided into equal steps.");
        drawJug(q.figure(300, 200,
                         "A measuring jug with a scale marked 0 at the bottom and 1 litre at the "
                         "top, cut into " + S(parts) + " equal steps. The water comes up to the "
                         "mark " + plural(filled, "step", "steps") + " above 0."),
                parts, filled);
        q.p("How many millilitres of water are in the jug?");
        step(q, "1 litre = 1000&nbsp;ml, cut into " + S(parts) + " equal steps: 1000 &divide; " +
               S(parts) + " = " + qty(1000 / parts, "ml") + " a step.");
        step(q, "The water is " + plural(filled, "step", "steps") + " up: " + S(filled) +
               " &times; " + qty(1000 / parts, "ml") + " = " + qty(ans, "ml") + ".");
        return q
            .number(r, k[0], ans, "ml",
                    std::vector<Slip>{
                        {wrong[0], "takes each step as 100&nbsp;ml"},
                        {wrong[1], "is the empty part of the jug above the water"},
                        {wrong[2], "counts one step too many"}})
            .done();
    }
}

}  // namespace

Question fractionOfThenMixed(int num, int den, int whole, int impNum, int impDen) {
    const Frac f(num, den);
    const Frac g(impNum, impDen);
    QB q("frac_of_then_mixed", 2);
    q.param("f", f.text()).param("n", whole).param("g", g.text());
    q.p("Answer both parts.");
    q.subparts(
        {{"Find " + f.text() + " of " + S(whole) + ".", ""},
         {"Write " + g.text() + " as a mixed number in its simplest form, for example 5 2/3.",
          ""}});
    step(q, "(a) Split " + S(whole) + " into " + S(f.d) + " equal parts and take " + S(f.n) +
           " of them: " + partsOf(f, S(whole), (Frac(whole) / Frac(f.d)).text(),
                                  (f * Frac(whole)).text()) +
           ".");
    const long long w = g.n / g.d;
    step(q, "(b) Each whole is " + over(g.d, g.d) + ": " + S(w) + " &times; " + S(g.d) + " = " +
           S(w * g.d) + ", " + S(g.n) + " &minus; " + S(w * g.d) + " = " + S(g.n - w * g.d) +
           " left over, so " + g.text() + " = " + g.mixed() + ".");
    return q.part('N', (f * Frac(whole)).text()).part('X', g.mixed()).done();
}

void addFractions(std::vector<Family>& out) {
    out.push_back({"frac_add", 3, {"F", "X"}, fracAdd});
    out.push_back({"frac_sub", 3, {"F"}, fracSub});
    out.push_back({"frac_mul", 3, {"F"}, fracMul});
    out.push_back({"frac_simplify", 3, {"F"}, fracSimplify});
    out.push_back({"shaded_fraction", 3, {"F"}, shadedFraction});
    out.push_back({"improper_to_mixed", 3, {"X"}, improperToMixed});
    out.push_back({"mixed_to_improper", 3, {"F"}, mixedToImproper});
    out.push_back({"mixed_add", 3, {"X"}, mixedAdd});
    out.push_back({"mixed_sub", 3, {"X"}, mixedSub});
    out.push_back({"frac_of_qty", 3, {"N", "Q"}, fracOfQty});
    out.push_back({"frac_left_money", 3, {"N", "Q"}, fracLeftMoney});
    out.push_back({"frac_more", 3, {"T"}, fracMore});
    out.push_back({"equiv_missing", 3, {"N", "Q"}, equivMissing});
    out.push_back({"frac_div_whole", 3, {"F"}, fracDivWhole});
    out.push_back({"whole_div_frac", 3, {"N", "Q"}, wholeDivFrac});
    out.push_back({"frac_of_unit", 3, {"N", "Q"}, fracOfUnit});
    out.push_back({"whole_from_part", 3, {"N", "Q"}, wholeFromPart});
    out.push_back({"frac_order", 3, {"Q"}, fracLargest});
    out.push_back({"frac_of_then_mixed", 3, {"NX"}, fracOfThenMixedRandom});
    out.push_back({"frac_class", 3, {"NF", "N"}, fracClass});
    out.push_back({"frac_spend", 3, {"NNF", "N"}, fracSpend});
    out.push_back({"frac_div_frac", 3, {"F", "X"}, fracDivFrac});
    out.push_back({"mixed_mul", 3, {"X"}, mixedMul});
    out.push_back({"mixed_div", 3, {"X", "F"}, mixedDiv});
    out.push_back({"frac_compare", 3, {"F"}, fracCompare});
    out.push_back({"frac_between", 3, {"Q"}, fracBetween});
    out.push_back({"frac_number_line", 3, {"F", "X"}, fracNumberLine});
    out.push_back({"frac_bar_model", 3, {"N", "Q"}, fracBarModel});
    out.push_back({"shade_more", 3, {"F", "N"}, shadeMore});
    out.push_back({"frac_left_eaten", 3, {"F", "Q", "N"}, fracLeftEaten});
    out.push_back({"frac_what_fraction", 3, {"F", "Q"}, fracWhatFraction});
    out.push_back({"frac_equiv_which", 3, {"Q"}, fracEquivWhich});
    out.push_back({"frac_missing_addend", 3, {"F"}, fracMissingAddend});
    out.push_back({"frac_recipe", 3, {"X", "N"}, fracRecipe});
    out.push_back({"frac_share", 3, {"F", "X"}, fracShare});
    out.push_back({"frac_table", 3, {"F", "NF"}, fracTable});
    out.push_back({"frac_chart", 3, {"F", "T", "NF"}, fracChart});
    out.push_back({"frac_sequence", 3, {"X", "F"}, fracSequence});
    out.push_back({"minutes_mixed", 3, {"X"}, minutesMixed});
    out.push_back({"frac_pieces", 3, {"N", "Q", "NF"}, fracPieces});
    out.push_back({"frac_mistake", 3, {"F", "X"}, fracMistake});
    out.push_back({"frac_order_list", 3, {"Q"}, fracOrderList});
    out.push_back({"frac_walk_total", 3, {"X", "XF"}, fracWalkTotal});
    out.push_back({"frac_mixed_picture", 3, {"X", "F"}, fracMixedPicture});
    out.push_back({"frac_how_many_parts", 3, {"N", "Q"}, fracHowManyParts});
    out.push_back({"frac_journey", 3, {"NNF", "N"}, fracJourney});
    out.push_back({"frac_sale_price", 3, {"N", "Q"}, fracSalePrice});
    out.push_back({"frac_extra_free", 3, {"N", "Q"}, fracExtraFree});
    out.push_back({"frac_part_to_part", 3, {"N", "Q"}, fracPartToPart});
    out.push_back({"frac_of_frac_amount", 3, {"N", "Q"}, fracOfFracAmount});
    out.push_back({"frac_time_minutes", 3, {"N", "Q"}, fracTimeMinutes});
    out.push_back({"frac_mixed_to_dec", 3, {"N", "Q"}, fracMixedToDec});
    out.push_back({"frac_pages_left", 3, {"N", "Q"}, fracPagesLeft});
    out.push_back({"frac_grams_left", 3, {"N", "Q"}, fracGramsLeft});
    out.push_back({"frac_plus_decimal", 3, {"N", "Q"}, fracPlusDecimal});
    out.push_back({"frac_jug_ml", 3, {"N", "Q"}, fracJugMl});
}
