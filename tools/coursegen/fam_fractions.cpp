// Fractions: simplest form, mixed numbers, the four operations, fractions of amounts.

#include "drawing.h"
#include "families.h"

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
    return q
        .number(r, k[0], ans, "",
                {Frac(n / f.d) /* divided by the bottom only */,
                 Frac(n) - ans /* the part left, not the part taken */,
                 Frac(n * f.n) /* multiplied by the top only */})
        .done();
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
    return q
        .number(r, k[0], Frac(n) - f * Frac(n), "dollars",
                {f * Frac(n) /* what was spent, not what is left */,
                 Frac(n) - Frac(n / f.d) /* one part taken away, not the fraction */,
                 Frac(n / f.d) /* one part only */})
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
        return q.number(r, k[0], ans, "", std::vector<Frac>(wrong.begin(), wrong.end())).done();
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
    return q
        .number(r, k[0], ans, "",
                {Frac(n * f.d) /* multiplied by the bottom only */,
                 Frac(n / f.n) /* divided by the top only */,
                 Frac(n * f.n) /* multiplied by the top */})
        .done();
}

Question fracOfUnit(Rng& r, const std::string& k) {
    struct Unit {
        const char* big;
        const char* small;
        int factor;
        int slip;  // the number of small units a learner wrongly puts in the big one
    };
    const std::vector<Unit> units = {{"an hour", "minutes", 60, 100},
                                     {"a kilogram", "grams", 1000, 100},
                                     {"a metre", "centimetres", 100, 1000},
                                     {"a litre", "millilitres", 1000, 100},
                                     {"a day", "hours", 24, 12}};
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
    return q
        .number(r, k[0], ans, un.small,
                {Frac(un.factor) - ans /* the rest of the unit */,
                 Frac(un.factor) / Frac(f.d) /* one part only */,
                 f * Frac(un.slip) /* an hour taken as 100 minutes, a day as 12 hours... */})
        .done();
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
    return q
        .number(
            r, k[0], whole, "",
            {part * Frac(f.d) /* multiplied by the bottom only */,
             part / Frac(f.n) /* one part only */, Frac(whole) - part /* the rest of the number */})
        .done();
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
    std::vector<std::string> wrong;
    for (const Frac& f : v) {
        list += (list.empty() ? "" : ",") + f.text();
        if (!(f == right)) wrong.push_back(f.text());
    }
    QB q("frac_order", 1);
    q.param("vals", list).param("which", largest ? "largest" : "smallest");
    q.p(std::string("Which of these fractions is the <b>") + (largest ? "largest" : "smallest") +
        "</b>?");
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
    if (k == "N") {
        q.p("How many girls are there?");
        return q.number(r, 'N', Frac(n) - f * Frac(n), "girls", std::vector<Frac>{}).done();
    }
    q.subparts(
        {{"How many boys are there?", "boys"},
         {"What fraction of the pupils are girls? Give the fraction in its simplest form.", ""}});
    return q.part('N', (f * Frac(n)).text()).part('F', (Frac(1) - f).text()).done();
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
    if (k == "N") {
        q.p("How much money did " + who + " have left at the end?");
        return q.number(r, 'N', Frac(n) - first - second, "dollars", std::vector<Frac>{}).done();
    }
    q.subparts({{"How much did the helmet cost?", "dollars"},
                {"How much did the book cost?", "dollars"},
                {"What fraction of the " + money(n) +
                     " was left at the end? Give the fraction in its simplest form.",
                 ""}});
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
    drawGrid(q.figure(300, 200, S(shaded) + " of " + S(cells) + " squares shaded"), rows, cols,
             isShaded);
    q.note(kSimplest);
    q.answer();
    return q.part('F', Frac(shaded, cells).text()).done();
}

// --- More operations ---

// Text of the simplest form of a fraction, mixed when it is more than one.
std::string shownAnswer(const Frac& v, char kind) {
    return kind == 'X' ? v.mixed() : v.text();
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
        std::vector<std::string> texts;
        for (const Frac& w : wrong) texts.push_back(w.text());
        QB q("frac_between", 2);
        q.param("lo", lo.text()).param("hi", hi.text());
        q.p("Which fraction lies between <b>" + lo.text() + "</b> and <b>" + hi.text() + "</b>?");
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
        drawFractionLine(q.figure(300, 150, "number line from 0 to " + S(wholes)), wholes, perUnit,
                         at);
        q.note(kind == 'X' ? kMixed : kSimplest);
        q.answer();
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
        drawBarModel(q.figure(300, 160, "bar of " + S(parts) + " equal parts"), parts, shaded,
                     S(known), whole ? 0 : shaded, parts, "?");
        q.p(whole ? "What is the whole bar worth?"
                  : "What are the parts that are not shaded worth altogether?");
        return q.number(r, k[0], ans, "", std::vector<Frac>(wrong.begin(), wrong.end())).done();
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
        drawGrid(q.figure(300, 200, S(shaded) + " of " + S(cells) + " squares shaded"), rows, cols,
                 isShaded);
        if (k == "N") {
            q.p("How many more squares must be shaded so that <b>" + target.text() +
                "</b> of the shape is shaded?");
            return q.number(r, 'N', want - shaded, "squares", std::vector<Frac>{}).done();
        }
        q.p("What fraction of the whole shape must still be shaded so that <b>" + target.text() +
            "</b> of it is shaded?");
        q.note(kSimplest);
        q.answer();
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
        if (k == "N") {
            const long long lcm = a.d / gcdInt(static_cast<int>(a.d), static_cast<int>(b.d)) * b.d;
            if (lcm > 24) continue;
            const long long slices = lcm * (24 / lcm);  // as many slices as a cake takes
            q.param("slices", S(slices));
            q.p("A cake is cut into " + S(slices) + " equal slices. " + x + " eats " + a.text() +
                " of the cake and " + y + " eats " + b.text() + " of it.");
            q.p("How many slices are left?");
            return q.number(r, 'N', left * Frac(slices), "slices", std::vector<Frac>{}).done();
        }
        q.p(x + " ate " + a.text() + " of a cake and " + y + " ate " + b.text() +
            " of the same cake.");
        q.p("What fraction of the cake is left?");
        if (k == "Q") return q.choice(r, left.text(), texts).done();
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
    };
    const std::vector<Whole> wholes = {
        {"1 metre", "cm", 100, 1000},   {"an hour", "minutes", 60, 100},
        {"1 kilogram", "g", 1000, 100}, {"a day", "hours", 24, 12},
        {"1 litre", "ml", 1000, 100},   {"a year", "months", 12, 10}};
    for (;;) {
        const Whole& w = r.pick(wholes);
        const int step = w.factor >= 100 ? 5 : 1;
        const int part = r.range(1, w.factor / step - 1) * step;
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
        if (k == "Q") return q.choice(r, ans.text(), texts).done();
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
        return q.choice(r, right, wrong).done();
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
        // the scale's unit stands left of the axis: a short word fits there
        drawBarChart(q.figure(300, 200, "bar chart of favourite pets"), bars, 2, "pupils");
        const std::string name = lowerCase(pets[ask]);
        if (k == "T") {
            q.param("fraction", ans.text());
            q.p("Which pet was chosen by <b>" + ans.text() + "</b> of the pupils?");
            q.note("Write the name of the pet.");
            q.answer();
            return q.part('T', pets[ask]).done();
        }
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
        if (k == "Q" && (!(product * Frac(100)).isInt() || product == Frac(whole) ||
                         product == Frac(whole + 1) || Frac(length * piece.d) == Frac(whole)))
            continue;
        QB q("frac_pieces", 2);
        q.param("length", length).param("piece", piece.text());
        q.p("A ribbon is " + qty(length, "m") + " long. It is cut into pieces that are each " +
            piece.text() + "&nbsp;m long.");
        if (k == "NF") {
            q.subparts({{"How many pieces can be cut?", "pieces"},
                        {"How much ribbon is left over? Give your answer as a fraction of a "
                         "metre in its simplest form.",
                         "m"}});
            return q.part('N', S(whole)).part('F', left.text()).done();
        }
        q.p("How many whole pieces can be cut?");
        return q
            .number(r, k[0], whole, "pieces",
                    {product /* multiplied instead of dividing */,
                     Frac(length * piece.d) /* the top number left out */,
                     Frac(whole + 1) /* the piece left over counted */})
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
        if (form == 1) {  // 1/3 + 1/4 = 2/7: tops and bottoms added
            const Frac a = proper(r, 2, 8);
            const Frac b = proper(r, 2, 8);
            if (a.d == b.d) continue;
            expr = a.text() + " + " + b.text();
            ans = a + b;
            wrote = Frac(a.n + b.n, a.d + b.d).text();
        } else if (form == 2) {  // 2/3 / 3/4 = 9/8: the first fraction turned over
            const Frac a = proper(r, 2, 8);
            const Frac b = proper(r, 2, 8);
            if (a == b) continue;
            expr = a.text() + " &divide; " + b.text();
            ans = a / b;
            wrote = (Frac(a.d, a.n) * b).text();
            if (Frac(a.d, a.n) * b == ans) continue;
        } else {  // 3 x 2/5 = 6/15: the bottom multiplied too
            const Frac a = proper(r, 2, 9);
            const int m = r.range(2, 6);
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
        return q.choice(r, right, wrong).done();
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
                             S(full) + " whole circles and " + S(shaded) + " of " + S(sectors) +
                                 " parts of another shaded"),
                    full, sectors, shaded);
        if (kind == 'X') {
            q.p("What mixed number is shaded?");
            q.note(kMixed);
        } else {
            q.p("Write the shaded amount as an improper fraction.");
            q.note("Give your answer in its simplest form, for example 7/4.");
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
        return q
            .number(r, k[0], ans, "",
                    {Frac(w * u.d) /* the fraction part left out */,
                     Frac(w * u.d + n) /* the top number added as it stands */,
                     Frac((w + 1) * u.d) /* the fraction part counted as a whole */})
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
        if (k == "N") {
            q.p("How far do they travel by car?");
            return q.number(r, 'N', car, "km", std::vector<Frac>{}).done();
        }
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
            saving /* the saving, not the new price */, Frac(price) + saving /* added */,
            off.n > 1 ? Frac(price) - Frac(price) / Frac(off.d) /* one part taken off */
                      : Frac(price - off.d) /* the bottom number taken off */};
        if (wrong[2] == sale || wrong[0] == wrong[2]) continue;
        QB q("frac_sale_price", 2);
        q.param("price", price).param("off", off.text());
        q.p(capitalised(withArticle(it.name)) + " costs " + money(price) +
            ". In a sale the price is cut by " + off.text() + ".");
        q.p(std::string("What is the sale price of the ") + it.name + "?");
        return q.number(r, k[0], sale, "dollars", wrong).done();
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
        return q
            .number(r, k[0], Frac(p.size) + more, p.unit,
                    {more /* the extra only */, Frac(p.size) - more /* taken away */,
                     Frac(p.size) + more * Frac(2) /* the extra counted twice */})
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
        return q.number(r, k[0], ans, "", std::vector<Frac>(wrong.begin(), wrong.end())).done();
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
        return q.number(r, k[0], ans, "", wrong).done();
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
        return q.number(r, k[0], ans, "minutes", wrong).done();
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
        return q.number(r, k[0], v, "", wrong).done();
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
        return q.number(r, k[0], left, "pages", wrong).done();
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
        return q.number(r, k[0], left, "g", wrong).done();
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
        return q.number(r, k[0], ans, "", wrong).done();
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
        drawJug(q.figure(300, 200, "measuring jug"), parts, filled);
        q.p("How many millilitres of water are in the jug?");
        return q.number(r, k[0], ans, "ml", wrong).done();
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
