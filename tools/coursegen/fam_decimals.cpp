// Decimals: the four operations, powers of ten, rounding, ordering, money and measures.

#include "column_slips.h"
#include "drawing.h"
#include "families.h"

#include <algorithm>

namespace {

Frac hundredths(Rng& r, int lo, int hi) {
    return Frac(r.range(lo, hi), 100);
}

// A value with at most two decimal places as a whole number of hundredths.
long long inHundredths(const Frac& v) {
    const Frac h = v * Frac(100);
    if (!h.isInt()) throw std::logic_error("more than two decimal places: " + v.dec());
    return h.n;
}

std::string decList(const std::vector<Frac>& v) {
    std::string s;
    for (const Frac& x : v) s += (s.empty() ? "" : ",") + x.dec();
    return s;
}

std::string joinShown(const std::vector<Frac>& v) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i) s += (i ? ", " : "") + num(v[i]);
    return s;
}

Question decAdd(Rng& r, const std::string& k) {
    Frac a;
    Frac b;
    std::vector<Frac> wrong;
    do {
        a = hundredths(r, 105, 9999);
        b = Frac(r.range(11, 999), 10);
        const long long ha = inHundredths(a);
        const long long hb = inHundredths(b);
        wrong = {a + b / Frac(10) /* lined up on the right, not at the point */,
                 Frac(slips::addNoCarry(ha, hb), 100) /* carries dropped */,
                 a > b ? a - b : b - a /* subtracted instead */};
    } while (slips::carryPlaces(inHundredths(a), inHundredths(b)).empty() ||
             !distinctWrong(a + b, {wrong[0], wrong[1], wrong[2]}));
    QB q("dec_add", 1);
    q.paramDec("a", a).paramDec("b", b);
    q.p("Work out <b>" + num(a) + " + " + num(b) + "</b>.");
    return q.number(r, k[0], a + b, "", wrong).done();
}

Question decSub(Rng& r, const std::string& k) {
    Frac a;
    Frac b;
    std::vector<Frac> wrong;
    do {
        a = Frac(r.range(201, 9999), 100);
        b = Frac(r.range(11, 999), r.chance(50) ? 10 : 100);
        if (!(b < a)) continue;
        wrong = {Frac(slips::subSmallerFromLarger(inHundredths(a), inHundredths(b)),
                      100) /* smaller digit from the larger */,
                 Frac(slips::subNoPayBack(inHundredths(a), inHundredths(b)),
                      100) /* borrowed without paying back */,
                 a + b /* added instead */};
    } while (!(b < a) || !slips::borrows(inHundredths(a), inHundredths(b)) ||
             !distinctWrong(a - b, {wrong[0], wrong[1], wrong[2]}));
    QB q("dec_sub", 1);
    q.paramDec("a", a).paramDec("b", b);
    q.p("Work out <b>" + num(a) + " &minus; " + num(b) + "</b>.");
    return q.number(r, k[0], a - b, "", wrong).done();
}

Question decMulInt(Rng& r, const std::string& k) {
    const Frac a = hundredths(r, 105, 999);
    const int m = r.range(3, 9);
    QB q("dec_mul_int", 2);
    q.paramDec("a", a).param("m", m);
    q.p("Work out <b>" + num(a) + " &times; " + S(m) + "</b>.");
    const Frac ans = a * Frac(m);
    return q
        .number(r, k[0], ans, "",
                {ans * Frac(10) /* the point one place too far right */,
                 ans / Frac(10) /* one place too far left */, a + Frac(m) /* added */})
        .done();
}

Question decDivInt(Rng& r, const std::string& k) {
    const Frac c = hundredths(r, 12, 999);
    const int m = r.range(3, 9);
    QB q("dec_div_int", 2);
    q.paramDec("a", c * Frac(m)).param("m", m);
    q.p("Work out <b>" + num(c * Frac(m)) + " &divide; " + S(m) + "</b>.");
    return q
        .number(r, k[0], c, "",
                {c * Frac(10) /* the point one place too far right */,
                 c / Frac(10) /* one place too far left */,
                 c * Frac(m * m) /* multiplied instead of dividing */})
        .done();
}

Question decShift(Rng& r, const std::string& k) {
    const Frac a(r.range(1, 99999), 1000);
    const int p = r.pick(std::vector<int>{10, 100, 1000});
    const bool mul = r.chance(50);
    QB q("dec_shift", 1);
    q.paramDec("a", a).param("op", mul ? "times" : "divide").param("p", p);
    q.p("Work out <b>" + num(a) + (mul ? " &times; " : " &divide; ") + num(p) + "</b>.");
    const Frac ans = mul ? a * Frac(p) : a / Frac(p);
    return q
        .number(r, k[0], ans, "",
                {ans * Frac(10) /* the point moved one place too many to the right */,
                 ans / Frac(10) /* one place too many to the left */,
                 mul ? a / Frac(p) : a * Frac(p) /* moved the wrong way */})
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
    // x.y looks smaller than x.0z or (x-1).w beside longer numbers: the usual traps
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
    for (;;) {
        const int d = r.pick(dens);
        const int n = r.range(1, d - 1);
        if (gcdInt(n, d) != 1) continue;
        const Frac f(n, d);
        auto afterPoint = [](const std::string& digits) {
            long long scale = 1;
            for (std::size_t i = 0; i < digits.size(); ++i) scale *= 10;
            return Frac(std::stoll(digits), scale);
        };
        const std::vector<Frac> wrong = {afterPoint(S(n)) /* the top number after the point */,
                                         afterPoint(S(n) + S(d)) /* top and bottom after the
                                                                    point */
                                         ,
                                         f * Frac(10) /* the point one place out */};
        if (!distinctWrong(f, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("frac_to_dec", 1);
        q.param("n", n).param("d", d);
        q.p("Write <b>" + f.text() + "</b> as a decimal.");
        return q.number(r, k[0], f, "", wrong).done();
    }
}

Question moneyChange(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    Frac a;
    Frac b;
    int note = 0;
    do {
        a = Frac(r.range(105, 1495), 100);
        b = Frac(r.range(105, 995), 100);
        note = (a + b) < Frac(20) ? 20 : 50;
    } while (!distinctWrong(Frac(note) - a - b, {a + b, Frac(note) - a, Frac(note) - b}));
    QB q("money_change", 2);
    q.paramDec("a", a).paramDec("b", b).param("note", note).param("who", who);
    const std::string shop = who + " buys a book for " + money(a) + " and a pen for " + money(b) +
                             ", and pays with " + withArticle(money(note)) + " note.";
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
                {a + b /* the cost, not the change */, Frac(note) - a /* the pen left out */,
                 Frac(note) - b /* the book left out */})
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
    q.p("In a sponsored walk " + x + " walked " + qty(d[0], "km") + ", " + y + " walked " +
        qty(d[1], "km") + " and " + z + " walked " + qty(d[2], "km") + ".");
    q.p("Who walked the farthest?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', who[best]).done();
}

Question decMass(Rng& r, const std::string& k) {
    Frac a;
    Frac b;
    do {
        a = Frac(r.range(105, 595), 100);
        b = Frac(r.range(11, 49), 10);
    } while (b == a || a < b ||
             !distinctWrong(a - b, {a + b, a - b / Frac(10), Frac(slips::subSmallerFromLarger(inHundredths(a), inHundredths(b)), 100)}));
    QB q("dec_mass", 2);
    q.paramDec("a", a).paramDec("b", b);
    q.p("A bag of rice has a mass of " + qty(a, "kg") + ". A bag of flour has a mass of " +
        qty(b, "kg") + ".");
    if (k == "NN") {
        q.subparts({{"What is the total mass of the two bags?", "kg"},
                    {"How much heavier is the rice than the flour?", "kg"}});
        return q.part('N', (a + b).dec()).part('N', (a - b).dec()).done();
    }
    q.p("How much heavier is the rice than the flour?");
    return q
        .number(r, k[0], a - b, "kg",
                {a + b /* added */, a - b / Frac(10) /* lined up on the right */,
                 Frac(slips::subSmallerFromLarger(inHundredths(a), inHundredths(b)),
                      100) /* smaller digit from the larger */})
        .done();
}

Question shareMoney(Rng& r, const std::string& k) {
    const int m = r.range(3, 8);
    const Frac each = Frac(r.range(125, 1995), 100);
    QB q("share_money", 2);
    q.paramDec("total", each * Frac(m)).param("people", m);
    q.p(money(each * Frac(m)) + " is shared equally among " + S(m) +
        " friends. How much does each friend get?");
    return q
        .number(r, k[0], each, "dollars",
                {each * Frac(10) /* the point one place out */,
                 each * Frac(m) /* the total, not shared */,
                 each * Frac(m * m) /* multiplied instead of dividing */})
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
        return q
            .number(
                r, k[0], ans, "",
                {ans * Frac(10) /* one place too far left */,
                 ans / Frac(10) /* one place too far right */,
                 ans * Frac(10) == Frac(d - '0') ? ans / Frac(100) /* two places too far right */
                                                 : Frac(d - '0') /* the digit itself */})
            .done();
    }
}

Question numberLineDecimal(Rng& r, const std::string& k) {
    const int intervals = 10;
    for (;;) {
        const Frac step =
            r.pick(std::vector<Frac>{Frac(1, 10), Frac(2, 10), Frac(1, 100), Frac(5, 100)});
        const Frac start = step * Frac(intervals) * Frac(r.range(0, 40));
        const int at = r.range(1, intervals - 1);
        const Frac ans = start + step * Frac(at);
        // each mark read as a tenth, or as a hundredth when the marks are tenths
        const Frac misread = start + Frac(at, step == Frac(1, 10) ? 100 : 10);
        const std::vector<Frac> wrong = {misread /* each mark read as a tenth or hundredth */,
                                         ans + step /* one mark too many */,
                                         ans + step + step /* two marks too many */};
        if (at == intervals / 2 || !distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        const Frac end = start + step * Frac(intervals);
        QB q("number_line_dec", 1);
        q.paramDec("start", start)
            .paramDec("end", end)
            .param("intervals", intervals)
            .param("at", at);
        q.p("The marks on the number line are equally spaced. What number is the arrow pointing "
            "to?");
        drawNumberLine(q.figure(300, 150, "number line from " + num(start) + " to " + num(end)),
                       intervals, num(start), num(end), at);
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

// --- Operations with two decimals ---

Question decMulDec(Rng& r, const std::string& k) {
    Frac a;
    Frac b;
    do {
        a = Frac(r.range(2, 99), 10);
        b = Frac(r.chance(50) ? r.range(2, 9) : r.range(11, 49), 10);
    } while (a.isInt() || b.isInt());
    const Frac ans = a * b;
    QB q("dec_mul_dec", 2);
    q.paramDec("a", a).paramDec("b", b);
    q.p("Work out <b>" + num(a) + " &times; " + num(b) + "</b>.");
    return q
        .number(r, k[0], ans, "",
                {ans * Frac(10) /* one decimal place given, not two */,
                 ans / Frac(10) /* three decimal places given */,
                 ans * Frac(100) /* the points left out */})
        .done();
}

Question decDivDec(Rng& r, const std::string& k) {
    Frac b;
    Frac c;
    do {
        b = Frac(r.chance(60) ? r.range(2, 9) : r.range(12, 25), 10);
        c = Frac(r.range(3, 60));
    } while (b.isInt());
    const Frac a = b * c;
    QB q("dec_div_dec", 2);
    q.paramDec("a", a).paramDec("b", b);
    q.p("Work out <b>" + num(a) + " &divide; " + num(b) + "</b>.");
    return q
        .number(r, k[0], c, "",
                {c * Frac(10) /* the point moved in one number only */,
                 c / Frac(10) /* moved the wrong way */, a * b /* multiplied instead */})
        .done();
}

Question decMakeWhole(Rng& r, const std::string& k) {
    for (;;) {
        const int target = r.chance(50) ? 1 : 10;
        const int digits = r.range(1, target == 1 ? 99 : 999);
        const Frac a(digits, 100);
        if (digits % 10 == 0 || (digits / 10) % 10 == 0) continue;
        // every digit made up to ten, the whole ones included: 3.46 -> 7.64
        Frac eachToTen;
        int rest = digits;
        for (Frac place(1, 100); rest > 0; rest /= 10, place = place * Frac(10))
            eachToTen = eachToTen + Frac(10 - rest % 10) * place;
        const std::vector<Frac> wrong = {
            Frac(target) - Frac(1, 100) - a /* every digit made up to nine */,
            eachToTen /* every digit made up to ten */,
            Frac(target * 10) - a /* made up to the wrong whole number */};
        if (!distinctWrong(Frac(target) - a, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_make_whole", 1);
        q.paramDec("a", a).param("target", target);
        q.p("What must be added to <b>" + num(a) + "</b> to make <b>" + S(target) + "</b>?");
        return q.number(r, k[0], Frac(target) - a, "", wrong).done();
    }
}

Question decCompare(Rng& r, const std::string& k) {
    (void)k;
    // The shorter decimal is the greater one: 0.7 and 0.65.
    const int w = r.range(0, 9);
    const int a = r.range(2, 9);
    const int b = r.range(0, a - 1);
    const int c = r.range(1, 9);
    const Frac shortOne = Frac(w) + Frac(a, 10);
    const Frac longOne = Frac(w) + Frac(10 * b + c, 100);
    const bool greater = r.chance(60);
    std::vector<Frac> shown = {shortOne, longOne};
    r.shuffle(shown);
    QB q("dec_compare", 1);
    q.paramDec("x", shown[0])
        .paramDec("y", shown[1])
        .param("which", greater ? "greater" : "smaller");
    q.p(std::string("Which is ") + (greater ? "greater" : "smaller") + ", <b>" + num(shown[0]) +
        "</b> or <b>" + num(shown[1]) + "</b>?");
    q.note(std::string("Write the ") + (greater ? "greater" : "smaller") + " number.");
    q.answer();
    return q.part('N', (greater ? shortOne : longOne).dec()).done();
}

Question decOrderList(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        // one, two, three and two decimal places, none ending in zero
        auto noZeroEnd = [&](int lo, int hi) {
            int x = 0;
            do x = r.range(lo, hi);
            while (x % 10 == 0);
            return x;
        };
        const int w = r.range(0, 5);
        std::vector<Frac> v = {
            Frac(w) + Frac(r.range(1, 9), 10), Frac(w) + Frac(noZeroEnd(11, 99), 100),
            Frac(w) + Frac(noZeroEnd(101, 999), 1000), Frac(w) + Frac(noZeroEnd(11, 99), 100)};
        std::vector<Frac> up = v;
        std::sort(up.begin(), up.end());
        if (std::adjacent_find(up.begin(), up.end()) != up.end()) continue;
        // Slips: shorter decimals taken as smaller (the digits after the point read as a whole
        // number), or longer ones taken as smaller (thousandths are small).
        auto byLength = [&](bool shortFirst) {
            std::vector<Frac> out = v;
            std::sort(out.begin(), out.end(), [&](const Frac& x, const Frac& y) {
                const auto lx = x.dec().size();
                const auto ly = y.dec().size();
                return lx != ly ? (lx < ly) == shortFirst : x < y;
            });
            return out;
        };
        std::vector<Frac> down(up.rbegin(), up.rend());
        const std::string right = joinShown(up);
        const std::vector<std::string> wrong = {joinShown(byLength(true)),
                                                joinShown(byLength(false)), joinShown(down)};
        if (std::find(wrong.begin(), wrong.end(), right) != wrong.end() || wrong[0] == wrong[1] ||
            wrong[0] == wrong[2] || wrong[1] == wrong[2])
            continue;
        QB q("dec_order_list", 2);
        q.param("vals", decList(v));
        q.p("Which list is in order from the <b>smallest</b> to the <b>largest</b>?");
        return q.choice(r, right, wrong).done();
    }
}

struct ShopItem {
    const char* name;
    int lo;  // cents
    int hi;
};

Question decReceipt(Rng& r, const std::string& k) {
    const std::vector<ShopItem> items = {
        {"Milk (1 litre)", 95, 145},          {"Loaf of bread", 180, 320},
        {"Eggs (box of 6)", 210, 350},        {"Apples (1 kg)", 250, 420},
        {"Orange juice (1 litre)", 150, 260}, {"Yoghurt", 55, 95},
        {"Bananas (1 kg)", 150, 260},         {"Cheese (200 g)", 280, 450}};
    for (;;) {
        std::vector<std::size_t> pick = {0, 1, 2, 3, 4, 5, 6, 7};
        r.shuffle(pick);
        std::vector<int> n;
        std::vector<Frac> price;
        Frac total;
        Frac unitSum;
        for (int i = 0; i < 3; ++i) {
            const ShopItem& it = items[pick[static_cast<std::size_t>(i)]];
            n.push_back(r.range(1, 4));
            price.emplace_back(r.range(it.lo / 5, it.hi / 5) * 5, 100);
            total = total + Frac(n.back()) * price.back();
            unitSum = unitSum + price.back();
        }
        if (n[0] == 1 && n[1] == 1 && n[2] == 1) continue;
        const int note = total < Frac(20) ? 20 : 50;
        const std::vector<Frac> wrong = {unitSum /* the numbers bought ignored */,
                                         total - Frac(n[2]) * price[2] /* the last line left out */,
                                         total - Frac(n[0] - 1) * price[0] /* the first line
                                                                               counted once */};
        if (!distinctWrong(total, {wrong[0], wrong[1], wrong[2]})) continue;
        std::vector<std::vector<std::string>> rows;
        QB q("dec_receipt", 2);
        std::string ns;
        std::string ps;
        for (std::size_t i = 0; i < 3; ++i) {
            rows.push_back({items[pick[i]].name, S(n[i]), moneyCents(price[i])});
            ns += (ns.empty() ? "" : ",") + S(n[i]);
            ps += (ps.empty() ? "" : ",") + price[i].dec();
        }
        q.param("n", ns).param("price", ps).param("note", note);
        q.p("Mia's shopping list shows what she buys and the price of each item.");
        q.raw(tableHtml({"Item", "Number bought", "Price each"}, rows));
        if (k == "NN") {
            q.subparts({{"What is the total cost?", "dollars"},
                        {"Mia pays with " + withArticle(money(note)) +
                             " note. How much change does she get?",
                         "dollars"}});
            return q.part('N', total.dec()).part('N', (Frac(note) - total).dec()).done();
        }
        q.p("What is the total cost?");
        return q.number(r, k[0], total, "dollars", wrong).done();
    }
}

struct Measure {
    const char* unit;   // as written after a number
    const char* words;  // its name in a sentence
    int size;           // in the smallest unit of its kind (mm, g or ml)
    int kind;           // 0 length, 1 mass, 2 capacity
};

const std::vector<Measure>& measures() {
    static const std::vector<Measure> list = {
        {"mm", "millimetres", 1, 0}, {"cm", "centimetres", 10, 0},
        {"m", "metres", 1000, 0},    {"km", "kilometres", 1000000, 0},
        {"g", "grams", 1, 1},        {"kg", "kilograms", 1000, 1},
        {"ml", "millilitres", 1, 2}, {"l", "litres", 1000, 2}};
    return list;
}

struct Conversion {
    Frac value;
    const Measure* from = nullptr;
    const Measure* to = nullptr;
};

// A conversion between two units of one kind whose factor is 10, 100 or 1000, with a value a
// learner meets (2.35 m, 450 g, 0.75 l).
Conversion drawConversion(Rng& r) {
    const auto& m = measures();
    for (;;) {
        const Measure& from = r.pick(m);
        const Measure& to = r.pick(m);
        if (&from == &to || from.kind != to.kind) continue;
        const int ratio = from.size > to.size ? from.size / to.size : to.size / from.size;
        if (ratio > 1000) continue;
        Frac v;
        if (from.size > to.size)  // big to small: 2.35 m in cm
            v = Frac(r.range(11, 999), r.pick(std::vector<int>{10, 100}));
        else  // small to big: 450 g in kg
            v = Frac(r.range(2, 99) * (ratio == 10 ? 1 : ratio / 100) * 5);
        if (v.isInt() && from.size > to.size) continue;
        return {v, &from, &to};
    }
}

Question decConvert(Rng& r, const std::string& k) {
    for (;;) {
        const Conversion a = drawConversion(r);
        const Conversion b = drawConversion(r);
        if (a.from->kind == b.from->kind) continue;  // two parts, two kinds of measure
        const Frac ans = a.value * Frac(a.from->size, a.to->size);
        const std::vector<Frac> wrong = {
            ans * Frac(10) /* the point moved one place too many */,
            ans / Frac(10) /* one place too few */,
            a.value * Frac(a.to->size, a.from->size) /* moved the wrong way */};
        if (k == "Q" && !distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_convert", 1);
        q.paramDec("v", a.value).param("from", a.from->unit).param("to", a.to->unit);
        auto ask = [](const Conversion& c) {
            return "Write " + qty(c.value, c.from->unit) + " in " + c.to->words + ".";
        };
        if (k == "NN") {
            q.paramDec("v2", b.value).param("from2", b.from->unit).param("to2", b.to->unit);
            q.p("Write each measurement in the unit given.");
            q.subparts({{ask(a), a.to->unit}, {ask(b), b.to->unit}});
            return q.part('N', ans.dec())
                .part('N', (b.value * Frac(b.from->size, b.to->size)).dec())
                .done();
        }
        q.p(ask(a));
        return q.number(r, k[0], ans, a.to->unit, wrong).done();
    }
}

Question decExpanded(Rng& r, const std::string& k) {
    for (;;) {
        const int w = r.range(1, 30);
        const int a = r.range(1, 9);
        const int c = r.range(1, 9);
        const bool emptyTenths = r.chance(40);
        // w + a/10 + c/1000 (no hundredths), or w + a/100 + c/1000 (no tenths)
        const Frac v = Frac(w) + Frac(a, emptyTenths ? 100 : 10) + Frac(c, 1000);
        const Frac packed = Frac(w) + Frac(10 * a + c, 100);
        const std::vector<Frac> wrong = {packed /* the empty place left out */,
                                         v * Frac(10) /* the point one place too far left */,
                                         v / Frac(10) /* one place too far right */};
        if (!distinctWrong(v, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_expanded", 1);
        q.paramDec("v", v);
        q.p("Write as a decimal: <b>" + S(w) + " + " + S(a) + "/" + (emptyTenths ? "100" : "10") +
            " + " + S(c) + "/1000</b>");
        return q.number(r, k[0], v, "", wrong).done();
    }
}

Question decRoundWhole(Rng& r, const std::string& k) {
    for (;;) {
        const int hundredthsValue = r.range(101, 49999);
        const Frac v(hundredthsValue, 100);
        if (hundredthsValue % 100 == 50 || hundredthsValue % 100 == 0 || hundredthsValue % 10 == 0)
            continue;
        const long long down = hundredthsValue / 100;
        const long long ans = hundredthsValue % 100 > 50 ? down + 1 : down;
        const long long otherWay = ans == down ? down + 1 : down;
        const int tenths = hundredthsValue / 10 + (hundredthsValue % 10 >= 5 ? 1 : 0);
        const long long tens = (ans + 5) / 10 * 10;
        const std::vector<Frac> wrong = {Frac(otherWay) /* rounded the wrong way */,
                                         Frac(tenths, 10) /* rounded to one decimal place */,
                                         Frac(tens) /* rounded to the nearest ten */};
        if (!distinctWrong(Frac(ans), {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_round_whole", 1);
        q.paramDec("v", v);
        q.p("Round <b>" + num(v) + "</b> to the nearest whole number.");
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

Question decEstimate(Rng& r, const std::string& k) {
    for (;;) {
        const int a = r.range(21, 199);
        const int b = r.range(21, 99);
        if (a % 10 == 5 || b % 10 == 5 || a % 10 == 0 || b % 10 == 0) continue;
        const long long ra = (a + 5) / 10;
        const long long rb = (b + 5) / 10;
        const Frac exact = Frac(a, 10) * Frac(b, 10);
        const std::vector<Frac> wrong = {exact /* worked out exactly */,
                                         Frac((a / 10) * (b / 10)) /* both cut down */,
                                         Frac(ra + rb) /* added the rounded numbers */};
        if (!distinctWrong(Frac(ra * rb), {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_estimate", 2);
        q.paramDec("a", Frac(a, 10)).paramDec("b", Frac(b, 10));
        q.p("Estimate <b>" + num(Frac(a, 10)) + " &times; " + num(Frac(b, 10)) +
            "</b> by first rounding each number to the nearest whole number.");
        q.p("What is your estimate?");
        return q.number(r, k[0], ra * rb, "", wrong).done();
    }
}

Question decMistake(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const int form = r.range(1, 3);
    Frac ans;
    Frac written;
    std::string expr;
    if (form == 1) {  // 0.3 x 0.2 = 0.6: the decimal places not counted
        const Frac a(r.range(2, 9), 10);
        const Frac b(r.range(2, 9), 10);
        expr = num(a) + " &times; " + num(b);
        ans = a * b;
        written = ans * Frac(10);
    } else if (form == 2) {  // 4.5 + 2.35 = 2.80: lined up on the right
        Frac a;
        Frac b;
        do {
            a = Frac(r.range(11, 99), 10);
            b = Frac(r.range(101, 999), 100);
        } while (a.isInt() || (b * Frac(10)).isInt());
        expr = num(a) + " + " + num(b);
        ans = a + b;
        written = a / Frac(10) + b;
    } else {  // 10 x 3.45 = 3.450: a zero put on the end
        const Frac a(r.range(101, 999), 100);
        expr = "10 &times; " + num(a);
        ans = a * Frac(10);
        written = a;
    }
    QB q("dec_mistake", 2);
    q.param("form", form);
    q.p(who + " worked out <b>" + expr + "</b> and wrote <b>" +
        (form == 3   ? written.fixed(3)
         : form == 2 ? written.fixed(2)
                     : num(written)) +
        "</b>.");
    q.p(who + "'s answer is wrong. What is the correct answer?");
    return q
        .number(r, k[0], ans, "",
                {written /* the mistake itself */, ans * Frac(100) /* the points left out */,
                 written == ans / Frac(10) ? ans * Frac(10)
                                           : ans / Frac(10) /* the point one place out */})
        .done();
}

Question decRace(Rng& r, const std::string& k) {
    for (;;) {
        std::vector<std::string> who = names();
        r.shuffle(who);
        who.resize(4);
        const int base = r.range(12, 16);
        std::vector<Frac> t;
        // whole seconds alike, so the decimals decide; one or two decimal places mixed
        for (int i = 0; i < 4; ++i)
            t.push_back(Frac(base) +
                        (r.chance(40) ? Frac(r.range(1, 9), 10) : Frac(r.range(1, 99), 100)));
        std::vector<Frac> sorted = t;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) continue;
        auto nameOf = [&](const Frac& v) {
            return who[static_cast<std::size_t>(std::find(t.begin(), t.end(), v) - t.begin())];
        };
        QB q("dec_race", 2);
        std::vector<std::vector<std::string>> rows;
        for (std::size_t i = 0; i < 4; ++i) {
            rows.push_back({who[i], num(t[i])});
            q.paramDec(who[i], t[i]);
        }
        q.p("Four friends ran a 100&nbsp;m race. The table shows their times.");
        q.raw(tableHtml({"Name", "Time (seconds)"}, rows));
        if (k == "NT") {
            q.subparts({{"How many seconds faster was the winner than the runner who came last?",
                         "seconds"},
                        {"Who came second? Write the name.", ""}});
            return q.part('N', (sorted[3] - sorted[0]).dec()).part('T', nameOf(sorted[1])).done();
        }
        q.p("Who won the race?");
        if (k == "Q") {
            std::vector<std::string> wrong;  // the slowest is the usual slip: the largest time
            for (const auto& n : who)
                if (n != nameOf(sorted[0])) wrong.push_back(n);
            return q.choice(r, nameOf(sorted[0]), wrong).done();
        }
        q.note("Write the name.");
        q.answer();
        return q.part('T', nameOf(sorted[0])).done();
    }
}

Question decSequence(Rng& r, const std::string& k) {
    for (;;) {
        const Frac step = r.pick(std::vector<Frac>{Frac(2, 10), Frac(3, 10), Frac(4, 10),
                                                   Frac(25, 100), Frac(5, 100), Frac(15, 100)}) *
                          Frac(r.chance(25) ? -1 : 1);
        const Frac first = Frac(r.range(1, 60), step.d == 10 || step.d == 5 ? 10 : 100);
        std::vector<Frac> t;
        for (int i = 0; i < 6; ++i) t.push_back(first + step * Frac(i));
        if (!(t.back() > Frac(0))) continue;
        const Frac ans = t.back();
        const Frac last = t[4];
        const std::vector<Frac> wrong = {ans + step /* a term skipped */,
                                         last + step / Frac(10) /* the step one place too far
                                                                   right */
                                         ,
                                         last + step * Frac(10) /* one place too far left */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        std::string shown;
        for (std::size_t i = 0; i < 5; ++i) shown += num(t[i]) + ", ";
        QB q("dec_sequence", 1);
        q.param("shown", decList({t.begin(), t.begin() + 5}));
        q.p("The numbers in this sequence go up or down by the same amount each time.");
        q.p("<b>" + shown + "?</b>");
        q.p("What is the next number?");
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

Question decGlasses(Rng& r, const std::string& k) {
    for (;;) {
        const Frac glass = r.pick(
            std::vector<Frac>{Frac(2, 10), Frac(25, 100), Frac(3, 10), Frac(15, 100), Frac(4, 10)});
        const int full = r.range(4, 16);
        const Frac extra = k == "NN" ? Frac(r.range(1, 9), 20) : Frac(0);
        const Frac jug = glass * Frac(full) + extra;
        if (!(extra < glass) || !(jug * Frac(100)).isInt()) continue;
        QB q("dec_glasses", 2);
        q.paramDec("jug", jug).paramDec("glass", glass);
        q.p("A jug holds " + qty(jug, "litres") + " of juice. Each glass holds " +
            qty(glass, "litres") + ".");
        if (k == "NN") {
            q.subparts({{"How many glasses can be filled?", "glasses"},
                        {"How much juice is left in the jug?", "litres"}});
            return q.part('N', S(full)).part('N', extra.dec()).done();
        }
        const std::vector<Frac> wrong = {Frac(full * 10) /* the point moved in one number
                                                              only */
                                         ,
                                         jug * glass /* multiplied instead */,
                                         Frac(full - 1) /* one glass too few */};
        if (!distinctWrong(Frac(full), {wrong[0], wrong[1], wrong[2]})) continue;
        q.p("How many glasses can be filled?");
        return q.number(r, k[0], full, "glasses", wrong).done();
    }
}

Question decPlaceName(Rng& r, const std::string& k) {
    static const std::vector<std::string> placeNames = {"tenths", "hundredths", "thousandths"};
    for (;;) {
        const int w = r.range(0, 40);
        const int d = r.range(101, 999);
        const std::string after = S(d);
        if (after.back() == '0') continue;
        const int at = r.range(0, 2);
        const char digit = after[static_cast<std::size_t>(at)];
        if (digit == '0' || std::count(after.begin(), after.end(), digit) != 1 ||
            S(w).find(digit) != std::string::npos)
            continue;
        const Frac v = Frac(w) + Frac(d, 1000);
        QB q("dec_place_name", 1);
        q.paramDec("v", v).param("digit", digit - '0');
        q.p("In the number <b>" + num(v) + "</b>, which place is the digit <b>" +
            std::string(1, digit) + "</b> in?");
        const std::string right = placeNames[static_cast<std::size_t>(at)];
        if (k == "Q") {
            std::vector<std::string> wrong = {"tens"};  // whole-number place names read back
            for (const auto& n : placeNames)
                if (n != right) wrong.push_back(n);
            return q.choice(r, right, wrong).done();
        }
        q.note("Write tenths, hundredths or thousandths.");
        q.answer();
        return q.part('T', right).done();
    }
}

Question decBetween(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int w = r.range(0, 9);
        const int a = r.range(1, 8);
        const int b = r.range(1, 9);
        if (b == a) continue;
        const Frac lo = Frac(w) + Frac(a, 10);
        const Frac hi = lo + Frac(1, 10);
        const Frac right = lo + Frac(b, 100);
        const std::vector<Frac> wrong = {Frac(w) + Frac(10 * b + a, 100) /* digits swapped */,
                                         Frac(w) + Frac(b, 100) /* the tenths digit left out */,
                                         hi + Frac(b, 100) /* past the larger number */};
        std::vector<std::string> texts;
        for (const Frac& x : wrong) texts.push_back(num(x));
        QB q("dec_between", 1);
        q.paramDec("lo", lo).paramDec("hi", hi);
        q.p("Which number lies between <b>" + num(lo) + "</b> and <b>" + num(hi) + "</b>?");
        return q.choice(r, num(right), texts).done();
    }
}

Question decBuySeveral(Rng& r, const std::string& k) {
    const std::vector<ShopItem> items = {{"notebooks", 120, 350},
                                         {"pens", 45, 195},
                                         {"bottles of water", 85, 160},
                                         {"bus tickets", 150, 280}};
    for (;;) {
        const std::string who = r.pick(names());
        const ShopItem& it = r.pick(items);
        const int n = r.range(3, 7);
        const Frac price(r.range(it.lo / 5, it.hi / 5) * 5, 100);
        const int note = Frac(n) * price < Frac(10) ? 10 : 20;
        const Frac ans = Frac(note) - Frac(n) * price;
        const std::vector<Frac> wrong = {Frac(n) * price /* the cost, not what is left */,
                                         Frac(note) - price /* only one item paid for */,
                                         Frac(note) - Frac(n - 1) * price /* one item too few */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_buy_several", 2);
        q.param("who", who).param("n", n).paramDec("price", price).param("note", note);
        q.p(who + " has " + money(note) + " and buys " + S(n) + " " + it.name + " at " +
            money(price) + " each.");
        q.p("How much money does " + who + " have left?");
        return q.number(r, k[0], ans, "dollars", wrong).done();
    }
}

// A thermometer in degrees Celsius from `lo` to `lo + 4`, a tick every 0.2 degrees and a number
// at every whole degree, its liquid reaching `value`.
void drawThermometer(Figure& f, int lo, const Frac& value) {
    const int x = 130;
    const int top = 25;
    const int bottom = 165;  // lo degrees
    auto Y = [&](const Frac& v) {
        const Frac up = (v - Frac(lo)) * Frac(bottom - top, 4);
        return bottom - static_cast<int>(up.n / up.d);
    };
    f.rect(x - 8, top - 10, 16, bottom - top + 22, "#ffffff");
    f.circle(x, bottom + 20, 14, "#dc2626");
    f.rect(x - 4, Y(value), 8, bottom + 8 - Y(value), "#dc2626");
    for (int k = 0; k <= 20; ++k) {
        const Frac v = Frac(lo) + Frac(k, 5);
        const bool whole = k % 5 == 0;
        f.line(x + 8, Y(v), x + (whole ? 22 : 15), Y(v), false, whole);
        if (whole) f.text(x + 28, Y(v), 'l', S(v.n));
    }
    f.text(x + 28, top - 14, 'l', "°C");
}

Question decThermometer(Rng& r, const std::string& k) {
    for (;;) {
        const int lo = r.pick(std::vector<int>{35, 16, 20, 8});
        const int ticks = r.range(1, 19);
        if (ticks % 5 == 0) continue;
        const Frac v = Frac(lo) + Frac(ticks, 5);
        const Frac wholeBelow = Frac(lo + ticks / 5);
        const std::vector<Frac> wrong = {wholeBelow + Frac(ticks % 5, 10) /* ticks read as
                                                                             tenths */
                                         ,
                                         v + Frac(1, 5) /* one tick too many */,
                                         v - Frac(1, 5) /* one tick too few */};
        if (!distinctWrong(v, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_thermometer", 1);
        q.paramDec("v", v).param("lo", lo);
        q.p(lo == 35 ? "The thermometer shows a child's temperature."
                     : "The thermometer shows the temperature of the air in a garden.");
        drawThermometer(q.figure(300, 200, "thermometer"), lo, v);
        q.p("What temperature does it show?");
        return q.number(r, k[0], v, "&deg;C", wrong).done();
    }
}

Question decShadedHundredths(Rng& r, const std::string& k) {
    int shaded = 0;
    do shaded = r.range(3, 97);
    while (shaded % 10 == 0);
    // Whole columns first, then part of the next, as a hundred square is shaded.
    std::vector<bool> cells(100, false);
    for (int i = 0; i < shaded; ++i) cells[static_cast<std::size_t>(i % 10 * 10 + i / 10)] = true;
    QB q("dec_shaded_hundredths", 1);
    q.param("shaded", shaded);
    q.p("The large square is divided into 100 equal small squares.");
    drawGrid(q.figure(300, 200, S(shaded) + " of 100 squares shaded"), 10, 10, cells);
    q.p("What decimal of the large square is shaded?");
    const Frac ans(shaded, 100);
    return q
        .number(r, k[0], ans, "",
                {Frac(shaded, 10) /* the squares read as tenths */,
                 Frac(100 - shaded, 100) /* the part not shaded */,
                 Frac(shaded, 1000) /* read as thousandths */})
        .done();
}

Question decTableDiff(Rng& r, const std::string& k) {
    const std::vector<std::string> plants = {"Sunflower", "Bean", "Tomato", "Maize"};
    for (;;) {
        std::vector<Frac> h;
        for (int i = 0; i < 4; ++i)
            h.push_back(r.chance(40) ? Frac(r.range(11, 29), 10) : Frac(r.range(101, 299), 100));
        std::vector<Frac> sorted = h;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) continue;
        const Frac ans = sorted[3] - sorted[0];
        const std::vector<Frac> wrong = {sorted[3] + sorted[0] /* added */,
                                         sorted[3] - sorted[1] /* not the shortest plant */,
                                         sorted[2] - sorted[0] /* not the tallest plant */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        std::vector<std::vector<std::string>> rows;
        QB q("dec_table_diff", 2);
        for (std::size_t i = 0; i < 4; ++i) {
            rows.push_back({plants[i], num(h[i])});
            q.paramDec(plants[i], h[i]);
        }
        q.p("The table shows the heights of four plants in a school garden.");
        q.raw(tableHtml({"Plant", "Height (m)"}, rows));
        q.p("What is the difference in height between the tallest and the shortest plant?");
        return q.number(r, k[0], ans, "m", wrong).done();
    }
}

Question decMean(Rng& r, const std::string& k) {
    for (;;) {
        const Frac mean(r.range(150, 450), 100);
        std::vector<Frac> v;
        Frac sum;
        for (int i = 0; i < 3; ++i) {
            v.push_back(Frac(r.range(10, 60), r.chance(50) ? 10 : 20));
            sum = sum + v.back();
        }
        v.push_back(mean * Frac(4) - sum);
        if (!(v.back() > Frac(1, 2)) || v.back() > Frac(6) || !(v.back() * Frac(100)).isInt())
            continue;
        std::vector<Frac> sorted = v;
        std::sort(sorted.begin(), sorted.end());
        const std::vector<Frac> wrong = {mean * Frac(4) /* the total, not divided */,
                                         sorted[3] - sorted[0] /* the range */,
                                         (sorted[1] + sorted[2]) / Frac(2) /* the middle value */};
        if (!distinctWrong(mean, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_mean", 2);
        q.param("masses", decList(v));
        q.p("Four parcels have masses of " + qty(v[0], "kg") + ", " + qty(v[1], "kg") + ", " +
            qty(v[2], "kg") + " and " + qty(v[3], "kg") + ".");
        q.p("What is the mean mass of the parcels?");
        return q.number(r, k[0], mean, "kg", wrong).done();
    }
}

Question decWords(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int w = r.range(2, 20);
        const bool thousandths = r.chance(40);
        const int f = thousandths ? r.range(11, 99) : r.range(1, 9);
        if (f % 10 == 0 || f == w) continue;
        const int den = thousandths ? 1000 : 100;
        const Frac right = Frac(w) + Frac(f, den);
        const std::vector<Frac> wrong = {Frac(w) + Frac(f, den / 10) /* one place too few */,
                                         Frac(w) + Frac(f, den * 10) /* one place too many */,
                                         Frac(f) + Frac(w, den) /* the two numbers swapped */};
        std::vector<std::string> texts;
        for (const Frac& x : wrong) texts.push_back(num(x));
        const std::string said = numberWords(w) + " and " + numberWords(f) +
                                 (thousandths ? " thousandth" : " hundredth") + (f > 1 ? "s" : "");
        QB q("dec_words", 1);
        q.paramDec("v", right);
        q.p("Which number is <b>" + said + "</b>?");
        return q.choice(r, num(right), texts).done();
    }
}

Question decShiftMissing(Rng& r, const std::string& k) {
    const long long p = r.pick(std::vector<long long>{10, 100, 1000});
    const bool times = r.chance(50);
    Frac a;
    do a = Frac(r.range(11, 999), r.pick(std::vector<int>{10, 100}));
    while (a.isInt());
    const Frac b = times ? a * Frac(p) : a / Frac(p);
    QB q("dec_shift_missing", 1);
    q.paramDec("a", a).paramDec("b", b).param("op", times ? "times" : "divide");
    q.p("What is the missing number?");
    q.p("<b>" + num(a) + (times ? " &times; " : " &divide; ") + "? = " + num(b) + "</b>");
    return q
        .number(r, k[0], p, "",
                {Frac(p * 10) /* one place too many */, Frac(p / 10) /* one place too few */,
                 Frac(1, p) /* the inverse */})
        .done();
}

Question decWeeksToSave(Rng& r, const std::string& k) {
    for (;;) {
        const std::string who = r.pick(names());
        const Frac perWeek(r.range(30, 95) * 5, 100);
        const int goal = r.range(3, 12) * 5;
        const Frac weeks = Frac(goal) / perWeek;
        if (weeks.isInt()) continue;
        const long long ans = weeks.n / weeks.d + 1;
        if (ans < 4 || ans > 30) continue;
        const std::string thing = goal < 25   ? "a book"
                                  : goal < 45 ? "a board game"
                                              : "a pair of trainers";
        QB q("dec_weeks_to_save", 2);
        q.param("who", who).paramDec("per_week", perWeek).param("goal", goal);
        q.p(who + " saves " + money(perWeek) + " every week to buy " + thing + " that costs " +
            money(goal) + ".");
        q.p("How many weeks must " + who + " save to have enough money?");
        return q.number(r, k[0], ans, "weeks", std::vector<Frac>{}).done();
    }
}

Question decMoreLess(Rng& r, const std::string& k) {
    const Frac p = r.pick(std::vector<Frac>{Frac(1, 10), Frac(1, 100), Frac(1, 1000)});
    const bool more = r.chance(50);
    const Frac sign = more ? Frac(1) : Frac(-1);
    Frac n;
    do {
        const int digits = r.range(1001, 99999);
        n = Frac(digits, 1000);
        if (r.chance(60)) {  // make the change cross into the next place: 3.49 + 0.01
            const Frac scaled = n / p;
            const long long digit = scaled.n / scaled.d % 10;
            n = n + Frac((more ? 9 : 0) - digit) * p;
        }
    } while (!(n - p * Frac(10) > Frac(0)) || n.isInt());
    QB q("dec_more_less", 1);
    q.paramDec("n", n).paramDec("p", p).param("way", more ? "more" : "less");
    q.p("What number is <b>" + num(p) + (more ? " more" : " less") + "</b> than <b>" + num(n) +
        "</b>?");
    return q
        .number(r, k[0], n + sign * p, "",
                {n + sign * p * Frac(10) /* changed the place to the left */,
                 n + sign * p / Frac(10) /* changed the place to the right */,
                 n - sign * p /* the other way */})
        .done();
}

Question decOrderOps(Rng& r, const std::string& k) {
    for (;;) {
        const int form = r.range(1, 2);
        const Frac a(r.range(11, 99), 10);
        const Frac b(r.range(2, 9), 10);
        const int c = r.range(2, 9);
        Frac ans;
        std::vector<Frac> wrong;
        std::string expr;
        if (form == 1) {
            expr = num(a) + " + " + num(b) + " &times; " + S(c);
            ans = a + b * Frac(c);
            wrong = {(a + b) * Frac(c) /* worked left to right */,
                     a * b + Frac(c) /* multiplied the wrong pair */,
                     a + b + Frac(c) /* read the times sign as plus */};
        } else {
            expr = num(a) + " &minus; " + num(b) + " &times; " + S(c);
            ans = a - b * Frac(c);
            wrong = {(a - b) * Frac(c) /* worked left to right */,
                     a + b * Frac(c) /* added the product */,
                     a - b /* the multiplication left out */};
        }
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_order_ops", 2);
        q.param("form", form).paramDec("a", a).paramDec("b", b).param("c", c);
        q.p("Work out <b>" + expr + "</b>.");
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

Question decPricePerKg(Rng& r, const std::string& k) {
    const std::vector<ShopItem> foods = {{"Cheese costs", 800, 2400},
                                         {"Grapes cost", 300, 800},
                                         {"Ham costs", 1200, 3000},
                                         {"Tomatoes cost", 200, 600},
                                         {"Mixed nuts cost", 1000, 2500}};
    for (;;) {
        const ShopItem& food = r.pick(foods);
        const Frac perKg(r.range(food.lo / 10, food.hi / 10) * 10, 100);
        const int grams = r.pick(std::vector<int>{200, 250, 300, 400, 500, 600, 750, 1500});
        const Frac cost = perKg * Frac(grams, 1000);
        if (!(cost * Frac(100)).isInt()) continue;
        const std::vector<Frac> wrong = {cost * Frac(10) /* 1 kg taken as 100 g */,
                                         perKg - cost /* the rest of the kilogram */,
                                         perKg /* the price of a whole kilogram */};
        if (!distinctWrong(cost, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_price_per_kg", 2);
        q.paramDec("per_kg", perKg).param("grams", grams);
        q.p(std::string(food.name) + " " + money(perKg) + " per kilogram.");
        q.p("How much does " + qty(grams, "g") + " cost?");
        return q.number(r, k[0], cost, "dollars", wrong).done();
    }
}

Question decHalfway(Rng& r, const std::string& k) {
    for (;;) {
        const bool close = r.chance(50);
        const Frac a(r.range(11, 199), 10);
        const Frac b = close ? a + Frac(1, 10) : a + Frac(2 * r.range(2, 9), 10);
        const Frac ans = (a + b) / Frac(2);
        const std::vector<Frac> wrong = {a + b /* added, not halved */,
                                         (b - a) / Frac(2) /* half the gap, not added on */,
                                         b - a /* the gap */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("dec_halfway", 2);
        q.paramDec("a", a).paramDec("b", b);
        q.p("What number is exactly halfway between <b>" + num(a) + "</b> and <b>" + num(b) +
            "</b>?");
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

Question decMixedSum(Rng& r, const std::string& k) {
    for (;;) {
        const Frac a =
            Frac(r.range(1, 9)) + r.pick(std::vector<Frac>{Frac(1, 2), Frac(1, 4), Frac(3, 4),
                                                           Frac(1, 5), Frac(2, 5), Frac(3, 10)});
        const Frac b =
            Frac(r.range(1, 5)) + r.pick(std::vector<Frac>{Frac(1, 2), Frac(1, 4), Frac(3, 4),
                                                           Frac(1, 5), Frac(3, 5), Frac(1, 8)});
        const Frac sum = a + b;
        if (sum.isInt()) continue;
        QB q("dec_mixed_sum", 2);
        q.paramDec("a", a).paramFrac("b", b);
        q.p("Work out <b>" + num(a) + " + " + b.mixed() + "</b>.");
        if (k == "X") {
            q.note("Give your answer as a mixed number in its simplest form, for example 5 2/3.");
            q.answer();
            return q.part('X', sum.mixed()).done();
        }
        q.note("Give your answer as a decimal.");
        q.answer();
        return q.part('N', sum.dec()).done();
    }
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
    out.push_back({"money_change", 2, {"N", "Q", "NN"}, moneyChange});
    out.push_back({"dec_farthest", 2, {"T"}, decFarthest});
    out.push_back({"dec_mass", 2, {"N", "Q", "NN"}, decMass});
    out.push_back({"share_money", 2, {"N", "Q"}, shareMoney});
    out.push_back({"dec_place_value", 2, {"N", "Q"}, decPlaceValue});
    out.push_back({"number_line_dec", 2, {"N", "Q"}, numberLineDecimal});
    out.push_back({"dec_mul_dec", 2, {"N", "Q"}, decMulDec});
    out.push_back({"dec_div_dec", 2, {"N", "Q"}, decDivDec});
    out.push_back({"dec_make_whole", 2, {"N", "Q"}, decMakeWhole});
    out.push_back({"dec_compare", 2, {"N"}, decCompare});
    out.push_back({"dec_order_list", 2, {"Q"}, decOrderList});
    out.push_back({"dec_receipt", 2, {"N", "Q", "NN"}, decReceipt});
    out.push_back({"dec_convert", 2, {"N", "Q", "NN"}, decConvert});
    out.push_back({"dec_expanded", 2, {"N", "Q"}, decExpanded});
    out.push_back({"dec_round_whole", 2, {"N", "Q"}, decRoundWhole});
    out.push_back({"dec_estimate", 2, {"N", "Q"}, decEstimate});
    out.push_back({"dec_mistake", 2, {"N", "Q"}, decMistake});
    out.push_back({"dec_race", 2, {"T", "Q", "NT"}, decRace});
    out.push_back({"dec_sequence", 2, {"N", "Q"}, decSequence});
    out.push_back({"dec_glasses", 2, {"N", "Q", "NN"}, decGlasses});
    out.push_back({"dec_place_name", 2, {"T", "Q"}, decPlaceName});
    out.push_back({"dec_between", 2, {"Q"}, decBetween});
    out.push_back({"dec_buy_several", 2, {"N", "Q"}, decBuySeveral});
    out.push_back({"dec_thermometer", 2, {"N", "Q"}, decThermometer});
    out.push_back({"dec_shaded_hundredths", 2, {"N", "Q"}, decShadedHundredths});
    out.push_back({"dec_table_diff", 2, {"N", "Q"}, decTableDiff});
    out.push_back({"dec_mean", 2, {"N", "Q"}, decMean});
    out.push_back({"dec_words", 2, {"Q"}, decWords});
    out.push_back({"dec_shift_missing", 2, {"N", "Q"}, decShiftMissing});
    out.push_back({"dec_weeks_to_save", 2, {"N"}, decWeeksToSave});
    out.push_back({"dec_more_less", 2, {"N", "Q"}, decMoreLess});
    out.push_back({"dec_order_ops", 2, {"N", "Q"}, decOrderOps});
    out.push_back({"dec_price_per_kg", 2, {"N", "Q"}, decPricePerKg});
    out.push_back({"dec_halfway", 2, {"N", "Q"}, decHalfway});
    out.push_back({"dec_mixed_sum", 2, {"X", "N"}, decMixedSum});
}
