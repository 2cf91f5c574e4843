// Fractions: simplest form, mixed numbers, the four operations, fractions of amounts.

#include "drawing.h"
#include "families.h"

#include <algorithm>

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
    const Frac f = proper(r, 3, 12);
    const int n = static_cast<int>(f.d) * r.range(2, 12);
    QB q("frac_of_qty", 1);
    q.param("f", f.text()).param("n", n);
    q.p("Find <b>" + f.text() + " of " + S(n) + "</b>.");
    const Frac ans = f * Frac(n);
    return q
        .number(r, k[0], ans, "", {Frac(n / f.d), ans + Frac(f.n), Frac(n) - ans, ans * Frac(2)})
        .done();
}

Question fracLeftMoney(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const Frac f = proper(r, 3, 10);
    const int n = static_cast<int>(f.d) * r.range(3, 15);
    QB q("frac_left_money", 2);
    q.param("f", f.text()).param("n", n).param("who", who);
    q.p(who + " had $" + S(n) + " and spent " + f.text() + " of it on a present.");
    q.p("How much money did " + who + " have left?");
    return q.number(r, k[0], Frac(n) - f * Frac(n), "dollars", {f * Frac(n), Frac(n) - Frac(f.n)})
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
    const Frac f = proper(r, 2, 12);
    const int m = r.range(2, 9);
    QB q("equiv_missing", 1);
    q.param("f", f.text()).param("d", f.d * m);
    q.p("Find the missing number: <b>" + f.text() + " = ?/" + S(f.d * m) + "</b>");
    return q.number(r, k[0], f.n * m, "", {f.n + m, f.d * m - f.n, f.n * m + 1}).done();
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
    } while ((Frac(n) / f).n > 120);
    QB q("whole_div_frac", 2);
    q.param("n", n).param("f", f.text());
    q.p("Work out <b>" + S(n) + " &divide; " + f.text() + "</b>.");
    const Frac ans = Frac(n) / f;
    return q
        .number(r, k[0], ans, "",
                {Frac(n) * f + Frac(1), ans + Frac(f.d), Frac(n * f.n), ans * Frac(2)})
        .done();
}

Question fracOfUnit(Rng& r, const std::string& k) {
    struct Unit {
        const char* big;
        const char* small;
        int factor;
    };
    const std::vector<Unit> units = {{"an hour", "minutes", 60},
                                     {"a kilogram", "grams", 1000},
                                     {"a metre", "centimetres", 100},
                                     {"a litre", "millilitres", 1000},
                                     {"a day", "hours", 24}};
    const int u = r.range(0, static_cast<int>(units.size()) - 1);
    Frac f;
    do f = proper(r, 2, 10);
    while (!(f * Frac(units[static_cast<std::size_t>(u)].factor)).isInt());
    const Unit& un = units[static_cast<std::size_t>(u)];
    QB q("frac_of_unit", 1);
    q.param("f", f.text()).param("factor", un.factor);
    q.p(std::string("How many ") + un.small + " are there in <b>" + f.text() + " of " + un.big +
        "</b>?");
    const Frac ans = f * Frac(un.factor);
    return q
        .number(r, k[0], ans, un.small,
                {Frac(un.factor) - ans, ans + Frac(un.factor / 10), ans * Frac(2)})
        .done();
}

Question wholeFromPart(Rng& r, const std::string& k) {
    const Frac f = proper(r, 3, 9);
    const int whole = static_cast<int>(f.d) * r.range(2, 12);
    const Frac part = f * Frac(whole);
    QB q("whole_from_part", 3);
    q.param("f", f.text()).param("part", part.text());
    q.p("<b>" + f.text() + "</b> of a number is <b>" + part.text() + "</b>. What is the number?");
    return q.number(r, k[0], whole, "", {part * f, part + Frac(f.d), Frac(whole) + Frac(f.d)})
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
    (void)k;
    const Frac f = proper(r, 3, 8);
    const int n = static_cast<int>(f.d) * r.range(4, 40 / static_cast<int>(f.d) + 4);
    QB q("frac_class", 2);
    q.param("f", f.text()).param("n", n);
    q.p("There are " + S(n) + " pupils in a year group. " + f.text() + " of them are boys.");
    q.subparts(
        {{"How many boys are there?", "boys"},
         {"What fraction of the pupils are girls? Give the fraction in its simplest form.", ""}});
    return q.part('N', (f * Frac(n)).text()).part('F', (Frac(1) - f).text()).done();
}

Question fracSpend(Rng& r, const std::string& k) {
    (void)k;
    const std::string who = r.pick(names());
    Frac a;
    Frac b;
    int n = 0;
    do {
        a = proper(r, 3, 6);
        b = proper(r, 2, 5);
        n = static_cast<int>(a.d * b.d) * r.range(2, 6);
    } while (n > 400);
    const Frac first = a * Frac(n);
    const Frac second = b * (Frac(n) - first);
    QB q("frac_spend", 3);
    q.param("n", n).param("a", a.text()).param("b", b.text()).param("who", who);
    q.p(who + " had $" + S(n) + ". " + who + " spent " + a.text() +
        " of the money on a bicycle helmet and then " + b.text() +
        " of the money that was left on a book.");
    q.subparts({{"How much did the helmet cost?", "dollars"},
                {"How much did the book cost?", "dollars"},
                {"What fraction of the $" + S(n) +
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
    out.push_back({"frac_left_money", 3, {"N"}, fracLeftMoney});
    out.push_back({"frac_more", 3, {"T"}, fracMore});
    out.push_back({"equiv_missing", 3, {"N", "Q"}, equivMissing});
    out.push_back({"frac_div_whole", 3, {"F"}, fracDivWhole});
    out.push_back({"whole_div_frac", 3, {"N", "Q"}, wholeDivFrac});
    out.push_back({"frac_of_unit", 3, {"N", "Q"}, fracOfUnit});
    out.push_back({"whole_from_part", 3, {"N"}, wholeFromPart});
    out.push_back({"frac_order", 3, {"Q"}, fracLargest});
    out.push_back({"frac_of_then_mixed", 3, {"NX"}, fracOfThenMixedRandom});
    out.push_back({"frac_class", 3, {"NF"}, fracClass});
    out.push_back({"frac_spend", 3, {"NNF"}, fracSpend});
}
