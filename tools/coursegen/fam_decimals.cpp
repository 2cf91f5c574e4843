// Decimals: the four operations, powers of ten, rounding, ordering, money and measures.

#include "drawing.h"
#include "families.h"

#include <algorithm>

namespace {

Frac hundredths(Rng& r, int lo, int hi) {
    return Frac(r.range(lo, hi), 100);
}

Question decAdd(Rng& r, const std::string& k) {
    const Frac a = hundredths(r, 105, 9999);
    const Frac b = Frac(r.range(11, 999), 10);
    QB q("dec_add", 1);
    q.paramDec("a", a).paramDec("b", b);
    q.p("Work out <b>" + num(a) + " + " + num(b) + "</b>.");
    return q
        .number(r, k[0], a + b, "",
                {a + b + Frac(1, 10), a + b - Frac(1), a + Frac(b.n, 100), a + b + Frac(1, 100)})
        .done();
}

Question decSub(Rng& r, const std::string& k) {
    Frac a;
    Frac b;
    do {
        a = Frac(r.range(201, 9999), 100);
        b = Frac(r.range(11, 999), r.chance(50) ? 10 : 100);
    } while (!(b < a));
    QB q("dec_sub", 1);
    q.paramDec("a", a).paramDec("b", b);
    q.p("Work out <b>" + num(a) + " &minus; " + num(b) + "</b>.");
    return q
        .number(r, k[0], a - b, "",
                {a - b + Frac(1, 10), a - b - Frac(1, 10), a - b + Frac(1), a + b})
        .done();
}

Question decMulInt(Rng& r, const std::string& k) {
    const Frac a = hundredths(r, 105, 999);
    const int m = r.range(3, 9);
    QB q("dec_mul_int", 2);
    q.paramDec("a", a).param("m", m);
    q.p("Work out <b>" + num(a) + " &times; " + S(m) + "</b>.");
    return q
        .number(r, k[0], a * Frac(m), "",
                {a * Frac(m) * Frac(10), a * Frac(m) / Frac(10), a * Frac(m) + Frac(1)})
        .done();
}

Question decDivInt(Rng& r, const std::string& k) {
    const Frac c = hundredths(r, 12, 999);
    const int m = r.range(3, 9);
    QB q("dec_div_int", 2);
    q.paramDec("a", c * Frac(m)).param("m", m);
    q.p("Work out <b>" + num(c * Frac(m)) + " &divide; " + S(m) + "</b>.");
    return q.number(r, k[0], c, "", {c * Frac(10), c / Frac(10), c + Frac(1, 10)}).done();
}

Question decShift(Rng& r, const std::string& k) {
    const Frac a(r.range(1, 99999), 1000);
    const int p = r.pick(std::vector<int>{10, 100, 1000});
    const bool mul = r.chance(50);
    QB q("dec_shift", 1);
    q.paramDec("a", a).param("op", mul ? "times" : "divide").param("p", p);
    q.p("Work out <b>" + num(a) + (mul ? " &times; " : " &divide; ") + S(p) + "</b>.");
    const Frac ans = mul ? a * Frac(p) : a / Frac(p);
    return q
        .number(r, k[0], ans, "", {ans * Frac(10), ans / Frac(10), mul ? a / Frac(p) : a * Frac(p)})
        .done();
}

Question decToMixed(Rng& r, const std::string& k) {
    (void)k;
    const std::vector<Frac> parts = {Frac(1, 2),  Frac(1, 4),  Frac(3, 4),  Frac(1, 5),
                                     Frac(2, 5),  Frac(3, 5),  Frac(4, 5),  Frac(1, 8),
                                     Frac(3, 8),  Frac(5, 8),  Frac(7, 8),  Frac(3, 20),
                                     Frac(7, 20), Frac(9, 25), Frac(12, 25)};
    const Frac v = Frac(r.range(1, 12)) + r.pick(parts);
    QB q("dec_to_mixed", 2);
    q.paramDec("d", v);
    q.p("Write <b>" + num(v) + "</b> as a mixed number.");
    q.note("Give the fraction part in its simplest form, for example 5 2/3.");
    q.answer();
    return q.part('X', v.mixed()).done();
}

Question decRound(Rng& r, const std::string& k) {
    (void)k;
    const int places = r.chance(60) ? 2 : 1;
    const int scale = places == 2 ? 1000 : 100;
    int n = 0;
    do {
        n = r.range(scale + 1, 30 * scale);
        if (r.chance(40))
            n = n - n % 100 + r.range(96, 99);  // rounds up to a final zero, such as 9.10
    } while (n % 10 == 5 || n % 10 == 0);
    const Frac v(n, scale);
    const int rem = n % 10;
    const Frac rounded(rem > 5 ? n - rem + 10 : n - rem, scale);
    QB q("dec_round", 1);
    q.paramDec("v", v).param("places", places);
    q.p("Round <b>" + num(v) + "</b> to " +
        (places == 2 ? "two decimal places" : "one decimal place") + ".");
    q.note(places == 2 ? "Write exactly two digits after the decimal point, for example 4.50."
                       : "Write exactly one digit after the decimal point, for example 7.0.");
    q.answer();
    return q.part('T', rounded.fixed(places)).done();
}

Question decOrder(Rng& r, const std::string& k) {
    (void)k;
    const int x = r.range(2, 8);
    const int y = r.range(1, 9);
    const int z = r.range(1, 9);
    const int w = r.range(1, 9);
    std::vector<Frac> vals = {Frac(x, 10), Frac(10 * x + y, 100), Frac(100 * x + z, 1000),
                              Frac(10 * (x - 1) + w, 100)};
    const bool largest = r.chance(50);
    const Frac right = largest ? *std::max_element(vals.begin(), vals.end())
                               : *std::min_element(vals.begin(), vals.end());
    std::string list;
    std::vector<std::string> wrong;
    for (const Frac& v : vals) {
        list += (list.empty() ? "" : ",") + num(v);
        if (!(v == right)) wrong.push_back(num(v));
    }
    QB q("dec_order", 1);
    q.param("vals", list).param("which", largest ? "largest" : "smallest");
    q.p(std::string("Which of these numbers is the <b>") + (largest ? "largest" : "smallest") +
        "</b>?");
    return q.choice(r, num(right), wrong).done();
}

Question fracToDec(Rng& r, const std::string& k) {
    const std::vector<int> dens = {2, 4, 5, 8, 20, 25, 50};
    const int d = r.pick(dens);
    int n = 0;
    do n = r.range(1, d - 1);
    while (gcdInt(n, d) != 1);
    const Frac f(n, d);
    QB q("frac_to_dec", 1);
    q.param("n", n).param("d", d);
    q.p("Write <b>" + f.text() + "</b> as a decimal.");
    return q
        .number(r, k[0], f, "",
                {Frac(n, 10), Frac(d, 100) + Frac(n, 10), f * Frac(10), f + Frac(1, 10)})
        .done();
}

Question moneyChange(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const Frac a = Frac(r.range(105, 1495), 100);
    const Frac b = Frac(r.range(105, 995), 100);
    const int note = (a + b) < Frac(20) ? 20 : 50;
    QB q("money_change", 2);
    q.paramDec("a", a).paramDec("b", b).param("note", note).param("who", who);
    const std::string shop = who + " buys a book for " + money(a) + " and a pen for " + money(b) +
                             ", and pays with a $" + S(note) + " note.";
    if (k == "NN") {
        q.p(shop);
        q.subparts({{"How much does " + who + " spend altogether?", "dollars"},
                    {"How much change does " + who + " get?", "dollars"}});
        return q.part('N', (a + b).dec()).part('N', (Frac(note) - a - b).dec()).done();
    }
    q.p(shop);
    q.p("How much change does " + who + " get?");
    return q
        .number(r, k[0], Frac(note) - a - b, "dollars",
                {a + b, Frac(note) - a, Frac(note) - a - b + Frac(1)})
        .done();
}

Question decFarthest(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    std::string z;
    do z = r.pick(names());
    while (z == x || z == y);
    const int a = r.range(2, 6);
    const int b = r.range(1, 8);
    std::vector<Frac> d = {Frac(10 * a + b, 10),
                           Frac(100 * a + 10 * b + r.range(1, 9), 100) - Frac(1, 10),
                           Frac(1000 * a + 100 * b + r.range(1, 9), 1000)};
    r.shuffle(d);  // three close distances a.b, a.(b-1)c and a.b0c, in any order
    const std::vector<std::string> who = {x, y, z};
    std::size_t best = 0;
    for (std::size_t i = 1; i < 3; ++i)
        if (d[i] > d[best]) best = i;
    QB q("dec_farthest", 1);
    q.param("x", x)
        .paramDec("dx", d[0])
        .param("y", y)
        .paramDec("dy", d[1])
        .param("z", z)
        .paramDec("dz", d[2]);
    q.p("In a sponsored walk " + x + " walked " + num(d[0]) + " km, " + y + " walked " + num(d[1]) +
        " km and " + z + " walked " + num(d[2]) + " km.");
    q.p("Who walked the farthest?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', who[best]).done();
}

Question decMass(Rng& r, const std::string& k) {
    const Frac a = Frac(r.range(105, 595), 100);
    Frac b;
    do b = Frac(r.range(11, 49), 10);
    while (b == a || a < b);
    QB q("dec_mass", 2);
    q.paramDec("a", a).paramDec("b", b);
    q.p("A bag of rice has a mass of " + num(a) + " kg. A bag of flour has a mass of " + num(b) +
        " kg.");
    if (k == "NN") {
        q.subparts({{"What is the total mass of the two bags?", "kg"},
                    {"How much heavier is the rice than the flour?", "kg"}});
        return q.part('N', (a + b).dec()).part('N', (a - b).dec()).done();
    }
    q.p("How much heavier is the rice than the flour?");
    return q.number(r, k[0], a - b, "kg", {a + b, a - b + Frac(1, 10), a - b - Frac(1, 10)}).done();
}

Question shareMoney(Rng& r, const std::string& k) {
    const int m = r.range(3, 8);
    const Frac each = Frac(r.range(125, 1995), 100);
    QB q("share_money", 2);
    q.paramDec("total", each * Frac(m)).param("people", m);
    q.p(money(each * Frac(m)) + " is shared equally among " + S(m) +
        " friends. How much does each friend get?");
    return q.number(r, k[0], each, "dollars", {each * Frac(10), each + Frac(1), each - Frac(1, 10)})
        .done();
}

Question decPlaceValue(Rng& r, const std::string& k) {
    for (;;) {
        const int n = r.range(1001, 99999);
        const std::string digits = std::to_string(n);
        const Frac v(n, 1000);  // three decimal places
        const std::string shown = num(v);
        if (shown.size() < digits.size() + 1) continue;  // a final zero would hide a place
        const int pos =
            r.range(static_cast<int>(digits.size()) - 3, static_cast<int>(digits.size()) - 1);
        const char d = digits[static_cast<std::size_t>(pos)];
        if (d == '0' || digits.find(d) != digits.rfind(d)) continue;
        long long scale = 1;  // the digit's place value in the whole number n
        for (std::size_t i = static_cast<std::size_t>(pos) + 1; i < digits.size(); ++i) scale *= 10;
        const Frac ans(static_cast<long long>(d - '0') * scale, 1000);
        QB q("dec_place_value", 1);
        q.paramDec("n", v).param("digit", d - '0');
        q.p("What is the value of the digit <b>" + std::string(1, d) + "</b> in the number <b>" +
            shown + "</b>?");
        q.note("Give your answer as a decimal, for example 0.4.");
        return q.number(r, k[0], ans, "", {ans * Frac(10), ans / Frac(10), Frac(d - '0')}).done();
    }
}

Question numberLineDecimal(Rng& r, const std::string& k) {
    const Frac step =
        r.pick(std::vector<Frac>{Frac(1, 10), Frac(2, 10), Frac(1, 100), Frac(5, 100)});
    const int intervals = 10;
    const Frac start = step * Frac(intervals) * Frac(r.range(0, 40));
    int at = 0;
    do at = r.range(1, intervals - 1);
    while (at == intervals / 2);
    const Frac end = start + step * Frac(intervals);
    QB q("number_line", 1);
    q.paramDec("start", start).paramDec("end", end).param("intervals", intervals).param("at", at);
    q.p("The marks on the number line are equally spaced. What number is the arrow pointing to?");
    drawNumberLine(q.figure(300, 150, "number line from " + num(start) + " to " + num(end)),
                   intervals, num(start), num(end), at);
    const Frac ans = start + step * Frac(at);
    return q
        .number(r, k[0], ans, "",
                {start + Frac(at, 10), ans + step,
                 ans - step > Frac(0) ? ans - step : ans + step + step})
        .done();
}

}  // namespace

void addDecimals(std::vector<Family>& out) {
    out.push_back({"dec_add", 2, {"N", "Q"}, decAdd});
    out.push_back({"dec_sub", 2, {"N", "Q"}, decSub});
    out.push_back({"dec_mul_int", 2, {"N", "Q"}, decMulInt});
    out.push_back({"dec_div_int", 2, {"N", "Q"}, decDivInt});
    out.push_back({"dec_shift", 2, {"N", "Q"}, decShift});
    out.push_back({"dec_to_mixed", 2, {"X"}, decToMixed});
    out.push_back({"dec_round", 2, {"T"}, decRound});
    out.push_back({"dec_order", 2, {"Q"}, decOrder});
    out.push_back({"frac_to_dec", 2, {"N", "Q"}, fracToDec});
    out.push_back({"money_change", 2, {"N", "NN"}, moneyChange});
    out.push_back({"dec_farthest", 2, {"T"}, decFarthest});
    out.push_back({"dec_mass", 2, {"N", "NN"}, decMass});
    out.push_back({"share_money", 2, {"N", "Q"}, shareMoney});
    out.push_back({"dec_place_value", 2, {"N", "Q"}, decPlaceValue});
    out.push_back({"number_line_dec", 2, {"N", "Q"}, numberLineDecimal});
}
