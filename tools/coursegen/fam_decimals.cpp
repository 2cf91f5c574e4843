// Decimals: the four operations, powers of ten, rounding, ordering, money and measures.

#include "column_slips.h"
#include "column_working.h"
#include "drawing.h"
#include "families.h"
#include "possible_options.h"

#include <algorithm>

namespace {

using working::placeName;

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

// A step of the worked solution, its last word kept on the line before.
void say(QB& q, const std::string& html) {
    q.step(working::steadyEnd(html));
}

// How many decimal places a value is written with.
int placesOf(const Frac& v) {
    const std::string s = v.dec();
    const auto point = s.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(s.size() - point - 1);
}

long long power10(int k) {
    long long p = 1;
    while (k-- > 0) p *= 10;
    return p;
}

std::string placesWord(int n) {
    return S(n) + (n == 1 ? " decimal place" : " decimal places");
}

// Column addition of two decimals lined up at the point, in hundredths.
void decimalAdditionSteps(QB& q, const Frac& a, const Frac& b) {
    const bool padded = a.fixed(2) != num(a) || b.fixed(2) != num(b);
    say(q, "Line up the decimal points" +
               std::string(padded ? ", filling the empty places with zeros" : "") + ": " +
               a.fixed(2) + "&nbsp;+ " + b.fixed(2) + ".");
    say(q, "Add the columns, starting with the hundredths:<br>" +
               working::columnAddition(inHundredths(a), inHundredths(b), -2));
}

// Column subtraction of two decimals lined up at the point, in hundredths.
void decimalSubtractionSteps(QB& q, const Frac& a, const Frac& b) {
    const bool padded = a.fixed(2) != num(a) || b.fixed(2) != num(b);
    const long long ha = inHundredths(a);
    const long long hb = inHundredths(b);
    say(q, "Line up the decimal points" +
               std::string(padded ? ", filling the empty places with zeros" : "") + ": " +
               a.fixed(2) + "&nbsp;&minus; " + b.fixed(2) + ".");
    if (working::needsExchange(ha, hb)) say(q, working::exchangeLine(ha, hb, -2, a.fixed(2)));
    say(q, "Take away column by column, starting with the hundredths:<br>" +
               working::columnSubtraction(ha, hb, -2));
}

const char* kNoExchange = "takes the smaller digit from the larger in each column instead of "
                          "exchanging";

Question decAdd(Rng& r, const std::string& k) {
    Frac a;
    Frac b;
    std::vector<Slip> wrong;
    do {
        a = hundredths(r, 105, 9999);
        b = Frac(r.range(11, 999), 10);
        const long long ha = inHundredths(a);
        const long long hb = inHundredths(b);
        wrong = {{a + b / Frac(10), "lines up the last digits instead of the decimal points"},
                 {Frac(slips::addNoCarry(ha, hb), 100), "writes down each column total without "
                                                        "carrying"},
                 {a > b ? a - b : b - a, "subtracts instead of adding"}};
    } while (slips::carryPlaces(inHundredths(a), inHundredths(b)).empty() ||
             !distinctWrong(a + b, wrong));
    QB q("dec_add", 1);
    q.paramDec("a", a).paramDec("b", b);
    q.p("Work out <b>" + num(a) + " + " + num(b) + "</b>.");
    decimalAdditionSteps(q, a, b);
    say(q, "So " + num(a) + " + " + num(b) + " = " + num(a + b) + ".");
    return q.number(r, k[0], a + b, "", wrong).done();
}

Question decSub(Rng& r, const std::string& k) {
    Frac a;
    Frac b;
    std::vector<Slip> wrong;
    do {
        a = Frac(r.range(201, 9999), 100);
        b = Frac(r.range(11, 999), r.chance(50) ? 10 : 100);
        if (!(b < a)) continue;
        wrong = {{Frac(slips::subSmallerFromLarger(inHundredths(a), inHundredths(b)), 100),
                  kNoExchange},
                 {Frac(slips::subNoPayBack(inHundredths(a), inHundredths(b)), 100),
                  "exchanges but does not take the 1 from the next column"},
                 {a + b, "adds instead of subtracting"}};
    } while (!(b < a) || !slips::borrows(inHundredths(a), inHundredths(b)) ||
             !distinctWrong(a - b, wrong));
    QB q("dec_sub", 1);
    q.paramDec("a", a).paramDec("b", b);
    q.p("Work out <b>" + num(a) + " &minus; " + num(b) + "</b>.");
    decimalSubtractionSteps(q, a, b);
    say(q, "So " + num(a) + " &minus; " + num(b) + " = " + num(a - b) + ". Check: " +
               num(a - b) + " + " + num(b) + " = " + num(a) + ".");
    return q.number(r, k[0], a - b, "", wrong).done();
}

// "7.58 &times; 9": the digits multiplied as a whole number, then the decimal places put back.
void decimalTimesWholeSteps(QB& q, const Frac& a, int m) {
    const int places = placesOf(a);
    const long long digits = (a * Frac(power10(places))).n;
    const Frac ans = a * Frac(m);
    say(q, "Multiply without the point first: " + working::splitProduct(digits, m) + ".");
    say(q, "There " + std::string(places == 1 ? "is " : "are ") + placesWord(places) + " in " +
               num(a) + ", so the answer has " + S(places) + " too: " + num(a) + " &times; " +
               S(m) + " = " + ans.fixed(places) +
               (ans.fixed(places) != num(ans) ? ", which is " + num(ans) : std::string()) + ".");
}

Question decMulInt(Rng& r, const std::string& k) {
    const Frac a = hundredths(r, 105, 999);
    const int m = r.range(3, 9);
    QB q("dec_mul_int", 2);
    q.paramDec("a", a).param("m", m);
    q.p("Work out <b>" + num(a) + " &times; " + S(m) + "</b>.");
    const Frac ans = a * Frac(m);
    decimalTimesWholeSteps(q, a, m);
    const long long about = (inHundredths(a) + 50) / 100;  // to the nearest whole number
    say(q, "Check by estimating: " + num(a) + " is about " + S(about) + ", and " + S(about) +
               " &times; " + S(m) + " = " + S(about * m) + ", close to " + num(ans) + ".");
    return q
        .number(r, k[0], ans, "",
                std::vector<Slip>{{ans * Frac(10), "puts the point one place too far right"},
                                  {ans / Frac(10), "puts the point one place too far left"},
                                  {a + Frac(m), "adds instead of multiplying"}})
        .done();
}

Question decDivInt(Rng& r, const std::string& k) {
    const Frac c = hundredths(r, 12, 999);
    const int m = r.range(3, 9);
    QB q("dec_div_int", 2);
    const Frac a = c * Frac(m);
    q.paramDec("a", a).param("m", m);
    q.p("Work out <b>" + num(a) + " &divide; " + S(m) + "</b>.");
    // Work in the smallest place the answer needs: 20.8 as 208 tenths.
    const int place = std::max(1, placesOf(c));
    const long long scale = power10(place);
    const std::string unit = placeName(-place);
    say(q, "Work in " + unit + ": " + num(a) + " is " + num((a * Frac(scale)).n) + " " + unit + ".");
    say(q, "Divide digit by digit:<br>" + working::shortDivision((a * Frac(scale)).n, m));
    say(q, "That is " + num((c * Frac(scale)).n) + " " + unit + ", so " + num(a) + " &divide; " + S(m) +
               " = " + num(c) + ". Check: " + num(c) + " &times; " + S(m) + " = " + num(a) + ".");
    return q
        .number(r, k[0], c, "",
                std::vector<Slip>{{c * Frac(10), "puts the point one place too far right"},
                                  {c / Frac(10), "puts the point one place too far left"},
                                  {c * Frac(m * m), "multiplies by " + S(m) +
                                                        " instead of dividing"}})
        .done();
}

Question decShift(Rng& r, const std::string& k) {
    const Frac a(r.range(1, 99999), 1000);
    const int p = r.pick(std::vector<int>{10, 100, 1000});
    const bool mul = r.chance(50);
    QB q("dec_shift", 1);
    q.paramDec("a", a).param("op", mul ? "times" : "divide").param("p", p);
    // Worded as an instruction, so a paper's several products do not all read "Work out".
    q.p(std::string(mul ? "Multiply" : "Divide") + " <b>" + num(a) + "</b> by <b>" + num(p) +
        "</b>.");
    const Frac ans = mul ? a * Frac(p) : a / Frac(p);
    const int places = p == 10 ? 1 : p == 100 ? 2 : 3;
    say(q, std::string(mul ? "Multiplying" : "Dividing") + " by " + num(p) + " moves every digit " +
               S(places) + (places == 1 ? " place" : " places") + " to the " +
               (mul ? "left" : "right") + "; the decimal point stays where it is, and empty "
               "places before the point are filled with zeros.");
    say(q, "So " + num(a) + (mul ? " &times; " : " &divide; ") + num(p) + " = " + num(ans) + ".");
    return q
        .number(r, k[0], ans, "",
                std::vector<Slip>{{ans * Frac(10), "moves the digits one place too far left"},
                                  {ans / Frac(10), "moves the digits one place too far right"},
                                  {mul ? a / Frac(p) : a * Frac(p),
                                   "moves the digits the wrong way"}})
        .done();
}

// "0.375 = 375/1000 = 3/8".
std::string decimalAsFraction(const Frac& f) {
    const long long scale = power10(placesOf(f));
    const long long top = (f * Frac(scale)).n;
    return num(f) + " = " + S(top) + "/" + S(scale) +
           (f.d != scale ? " = " + f.text() : std::string());
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
    const Frac whole(v.whole());
    const Frac part = v - whole;
    const long long scale = power10(placesOf(part));
    const long long top = (part * Frac(scale)).n;
    say(q, "The whole number part is " + num(whole) + ": " + num(v) + " = " + num(whole) + " + " +
               num(part) + ".");
    say(q, "The decimal part as a fraction: " + decimalAsFraction(part) +
               (part.d != scale ? ", dividing the top and bottom by " + S(top / part.n) : "") +
               ".");
    say(q, "So " + num(v) + " = " + v.mixed() + ".");
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
    const Frac down(n - rem, scale);
    const Frac unit(1, places == 2 ? 100 : 10);
    say(q, "Look at the digit after the place you keep, the " + placeName(-places - 1) +
               " digit: it is " + S(rem) + ", " +
               (rem > 5 ? "5 or more, so round up" : "less than 5, so round down") + ".");
    if (rem > 5)
        say(q, "Rounding up adds 1 to the last digit kept: " + down.fixed(places) + " + " +
                   unit.fixed(places) + " = " + rounded.fixed(places) + ".");
    const std::string kept = rounded.fixed(places);
    say(q, "So " + num(v) + " is " + kept + " to " + placesWord(places) +
               (kept.back() == '0' ? ", keeping the final 0 to show the " +
                                         std::string(places == 2 ? "two places" : "one place")
                                   : std::string()) +
               ".");
    return q.part('T', kept).done();
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
    std::vector<TextSlip> wrong;
    for (const Frac& v : vals) {
        list += (list.empty() ? "" : ",") + num(v);
        if (!(v == right))
            wrong.push_back({num(v), std::string("is ") + (largest ? "smaller" : "larger") +
                                         ": with three decimal places it is " + v.fixed(3) +
                                         ", against " + right.fixed(3)});
    }
    QB q("dec_order", 1);
    q.param("vals", list).param("which", largest ? "largest" : "smallest");
    q.p(std::string("Which of these numbers is the <b>") + (largest ? "largest" : "smallest") +
        "</b>?");
    std::string padded;
    for (const Frac& v : vals) padded += (padded.empty() ? "" : ", ") + v.fixed(3);
    std::vector<Frac> up = vals;
    std::sort(up.begin(), up.end());
    say(q, "Write every number with three decimal places, so that they can be compared digit by "
           "digit: " + padded + ".");
    say(q, "In order from the smallest: " + joinShown(up) + ".");
    say(q, std::string("So the ") + (largest ? "largest" : "smallest") + " is " + num(right) + ".");
    return q.choice(r, num(right), wrong).done();
}

// "3/8 = 375/1000 = 0.375": the bottom number made 10, 100 or 1000.
std::string fractionAsDecimal(const Frac& f) {
    long long p = 10;
    while (p % f.d) p *= 10;
    return f.text() + " = " + S(f.n * (p / f.d)) + "/" + S(p) + " = " + num(f);
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
        // A fraction less than 1 is a decimal less than 1, and so is every option.
        const std::vector<Slip> wrong = {
            {afterPoint(S(n)), "writes the top number after the point"},
            {afterPoint(S(n) + S(d)), "writes the top and bottom numbers after the point"},
            {f / Frac(10), "puts the point one place too far left"}};
        if (!distinctWrong(f, {wrong[0].value, wrong[1].value, f * Frac(10)}) ||
            !distinctWrong(f, wrong))
            continue;
        QB q("frac_to_dec", 1);
        q.param("n", n).param("d", d);
        q.p("Write <b>" + f.text() + "</b> as a decimal.");
        long long p = 10;
        while (p % d) p *= 10;
        say(q, "Make the bottom number " + S(p) + ": multiply the top and the bottom by " +
                   S(p / d) + ".");
        say(q, fractionAsDecimal(f) + ".");
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
    const Frac cost = a + b;
    const Frac change = Frac(note) - cost;
    const std::string spent = "Cost = " + money(a) + " + " + money(b) + " = " + money(cost) + ".";
    const std::string back = "Change = " + money(note) + " &minus; " + money(cost) + " = " +
                             money(change) + ". Check by counting on: " + money(cost) + " + " +
                             money(change) + " = " + money(note) + ".";
    if (k == "NN") {
        q.p(shop);
        q.subparts({{"How much does " + who + " spend altogether?", "dollars"},
                    {"How much change does " + who + " get?", "dollars"}});
        say(q, "(a) " + spent);
        say(q, "(b) " + back);
        return q.part('N', cost.dec()).part('N', change.dec()).done();
    }
    q.p(shop);
    q.p("How much change does " + who + " get?");
    say(q, spent);
    say(q, back);
    return q
        .number(r, k[0], change, "dollars",
                std::vector<Slip>{{cost, "is the cost, not the change"},
                                  {Frac(note) - a, "leaves out the pen"},
                                  {Frac(note) - b, "leaves out the book"}})
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
    say(q, "Write each distance with three decimal places so the places line up: " + x + " " +
               d[0].fixed(3) + "&nbsp;km, " + y + " " + d[1].fixed(3) + "&nbsp;km, " + z + " " +
               d[2].fixed(3) + "&nbsp;km.");
    say(q, "Compare digit by digit from the left: the greatest is " + qty(d[best], "km") + ", so " +
               who[best] + " walked the farthest.");
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
    const std::string difference = "Difference = " + qty(a, "kg") + " &minus; " + qty(b, "kg") +
                                   " = " + qty(a - b, "kg") + ".";
    if (k == "NN") {
        q.subparts({{"What is the total mass of the two bags?", "kg"},
                    {"How much heavier is the rice than the flour?", "kg"}});
        say(q, "(a) Line up the points: " + a.fixed(2) + " + " + b.fixed(2) + ". Total = " +
                   qty(a, "kg") + " + " + qty(b, "kg") + " = " + qty(a + b, "kg") + ".");
        say(q, "(b) Line up the points: " + a.fixed(2) + " &minus; " + b.fixed(2) + ". " +
                   difference);
        return q.part('N', (a + b).dec()).part('N', (a - b).dec()).done();
    }
    q.p("How much heavier is the rice than the flour?");
    decimalSubtractionSteps(q, a, b);
    say(q, difference);
    return q
        .number(r, k[0], a - b, "kg",
                std::vector<Slip>{
                    {a + b, "adds the masses instead of finding the difference"},
                    {a - b / Frac(10), "lines up the last digits instead of the points, taking "
                                       "away " + num(b / Frac(10)) + " instead of " + num(b)},
                    {Frac(slips::subSmallerFromLarger(inHundredths(a), inHundredths(b)), 100),
                     kNoExchange}})
        .done();
}

Question shareMoney(Rng& r, const std::string& k) {
    const int m = r.range(3, 8);
    const Frac each = Frac(r.range(125, 1995), 100);
    QB q("share_money", 2);
    const Frac total = each * Frac(m);
    q.paramDec("total", total).param("people", m);
    q.p(money(total) + " is shared equally among " + S(m) +
        " friends. How much does each friend get?");
    say(q, "Work in cents: " + money(total) + " is " + num(inHundredths(total)) + " cents.");
    say(q, "Share them out, digit by digit:<br>" +
               working::shortDivision(inHundredths(total), m));
    say(q, "Each friend gets " + num(inHundredths(each)) + " cents, which is " + money(each) +
               ". Check: " + S(m) + " &times; " + money(each) + " = " + money(total) + ".");
    return q
        .number(r, k[0], each, "dollars",
                std::vector<Slip>{{each * Frac(10), "puts the point one place too far right"},
                                  {total, "is the whole amount, not one share"},
                                  {each * Frac(m * m), "multiplies by " + S(m) +
                                                           " instead of dividing"}})
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
        const int place = placesOf(Frac(scale, 1000)) == 0 ? 0 : -placesOf(Frac(scale, 1000));
        QB q("dec_place_value", 1);
        q.paramDec("n", v).param("digit", d - '0');
        q.p("What is the value of the digit <b>" + std::string(1, d) + "</b> in the number <b>" +
            shown + "</b>?");
        q.note("Give your answer as a decimal, for example 0.4.");
        const std::string digit(1, d);
        say(q, "In " + shown + " the digit " + digit + " is in the " + placeName(place) +
                   " place, the " + (place == -1 ? "first" : place == -2 ? "second" : "third") +
                   " place after the point.");
        say(q, "So its value is " + digit + " " +
                   (d == '1' ? working::placeOne(place) : placeName(place)) + ": " + digit +
                   " &divide; " + S(power10(-place)) + " = " + num(ans) + ".");
        const bool tenthsDigit = ans * Frac(10) == Frac(d - '0');
        return q
            .number(r, k[0], ans, "",
                    std::vector<Slip>{
                        {ans * Frac(10), "is its value one place to the left, in the " +
                                             placeName(place + 1) + " place"},
                        {ans / Frac(10), "is its value one place to the right, in the " +
                                             placeName(place - 1) + " place"},
                        tenthsDigit ? Slip{ans / Frac(100), "is its value two places to the "
                                                            "right, in the " +
                                                                placeName(place - 2) + " place"}
                                    : Slip{Frac(d - '0'), "is the digit itself, not its value"}})
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
        if (at == intervals / 2 || !distinctWrong(ans, {misread, ans + step, ans + step + step}))
            continue;
        const Frac end = start + step * Frac(intervals);
        // Every option is a number the arrow could point to, on the line between its ends.
        const std::vector<Slip> wrong = possibleSlips(
            ans,
            {{misread, "reads each space as " + num(Frac(1, step == Frac(1, 10) ? 100 : 10)) +
                           ", not " + num(step)},
             {ans + step, "counts one space too many"},
             {ans + step + step, "counts two spaces too many"},
             {end - step * Frac(at), "counts the spaces from the right-hand end"},
             {ans - step, "counts one space too few"}},
            start, end);
        if (wrong.size() < 3) continue;
        QB q("number_line_dec", 1);
        q.paramDec("start", start)
            .paramDec("end", end)
            .param("intervals", intervals)
            .param("at", at);
        q.p("The marks on the number line are equally spaced. What number is the arrow pointing "
            "to?");
        drawNumberLine(q.figure(300, 150,
                                "A number line from " + num(start) + " at the left end to " +
                                    num(end) + " at the right end, cut into ten equal spaces by "
                                    "marks. An arrow points to the mark " +
                                    plural(at, "space", "spaces") + " to the right of " +
                                    num(start) + "."),
                       intervals, num(start), num(end), at);
        say(q, "The whole line: " + num(end) + " &minus; " + num(start) + " = " +
                   num(end - start) + ", in 10 equal spaces.");
        say(q, "Each space: " + num(end - start) + " &divide; 10 = " + num(step) + ".");
        say(q, "The arrow is " + plural(at, "space", "spaces") + " after " + num(start) + ": " +
                   num(start) + " + " +
                   S(at) + " &times; " + num(step) + " = " + num(ans) + ".");
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
    // Asked as a question, so a paper's several products do not all read "Work out".
    q.p("What is <b>" + num(a) + " &times; " + num(b) + "</b>?");
    const long long da = (a * Frac(10)).n;
    const long long db = (b * Frac(10)).n;
    std::string product;
    if (db < 10) {
        product = working::splitProduct(da, db);
    } else {
        const long long tens = db / 10 * 10;
        product = num(da) + " &times; " + num(db) + " = " + num(da) + " &times; " + num(tens) +
                  (db % 10 ? " + " + num(da) + " &times; " + num(db % 10) + " = " +
                                 num(da * tens) + " + " + num(da * (db % 10))
                           : std::string()) +
                  " = " + num(da * db);
    }
    say(q, "Multiply without the points first: " + product + ".");
    say(q, "There is 1 decimal place in each number, 1 + 1 = 2 in all, so the answer has 2 "
           "decimal places: " + num(a) + " &times; " + num(b) + " = " + ans.fixed(2) +
               (ans.fixed(2) != num(ans) ? ", which is " + num(ans) : std::string()) + ".");
    return q
        .number(r, k[0], ans, "",
                std::vector<Slip>{{ans * Frac(10), "gives the answer 1 decimal place, not 2"},
                                  {ans / Frac(10), "gives the answer 3 decimal places, not 2"},
                                  {ans * Frac(100), "leaves the points out"}})
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
    const Frac a10 = a * Frac(10);
    const Frac b10 = b * Frac(10);
    say(q, "Multiply both numbers by 10, so that the number you divide by is whole: " + num(a) +
               " &divide; " + num(b) + " = " + num(a10) + " &divide; " + num(b10) + ".");
    say(q, "Divide digit by digit:<br>" + working::shortDivision(a10.n, b10.n));
    say(q, "So " + num(a) + " &divide; " + num(b) + " = " + num(c) + ". Check: " + num(c) +
               " &times; " + num(b) + " = " + num(a) + ".");
    return q
        .number(r, k[0], c, "",
                std::vector<Slip>{{c * Frac(10), "moves the point in one number only"},
                                  {c / Frac(10), "moves the point the wrong way"},
                                  {a * b, "multiplies instead of dividing"}})
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
        const Frac ans = Frac(target) - a;
        const Frac tenths(digits / 10, 10);
        // Every option is less than the whole number it makes up to.
        const std::vector<Slip> wrong = {
            {Frac(target) - Frac(1, 100) - a, "makes every digit up to 9, forgetting that the "
                                              "last one makes 10"},
            {eachToTen, "makes every digit up to 10, without carrying"},
            {Frac(target) - tenths, "leaves out the hundredths"}};
        if (!distinctWrong(ans, {wrong[0].value, wrong[1].value, Frac(target * 10) - a}) ||
            !distinctWrong(ans, wrong))
            continue;
        QB q("dec_make_whole", 1);
        q.paramDec("a", a).param("target", target);
        q.p("What must be added to <b>" + num(a) + "</b> to make <b>" + S(target) + "</b>?");
        // Count on: to the next tenth, to the next whole number, then to the target.
        std::vector<std::string> hops;
        std::vector<Frac> added;
        Frac at = a;
        const Frac nextTenth(digits / 10 + 1, 10);
        hops.push_back(num(at) + " + " + num(nextTenth - at) + " = " + num(nextTenth));
        added.push_back(nextTenth - at);
        at = nextTenth;
        if (!at.isInt()) {
            const Frac nextWhole(at.whole() + 1);
            hops.push_back(num(at) + " + " + num(nextWhole - at) + " = " + num(nextWhole));
            added.push_back(nextWhole - at);
            at = nextWhole;
        }
        if (at < Frac(target)) {
            hops.push_back(num(at) + " + " + num(Frac(target) - at) + " = " + S(target));
            added.push_back(Frac(target) - at);
        }
        std::string route;
        for (std::size_t i = 0; i < hops.size(); ++i)
            route += (i ? ", then " : "") + hops[i];
        std::string sum;
        for (const Frac& x : added) sum += (sum.empty() ? "" : " + ") + num(x);
        say(q, "Count on from " + num(a) + ": " + route + ".");
        say(q, "Add the steps: " + sum + " = " + num(ans) + ". Check: " + num(a) + " + " +
                   num(ans) + " = " + S(target) + ".");
        return q.number(r, k[0], ans, "", wrong).done();
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
    say(q, "Write both with two decimal places: " + shortOne.fixed(2) + " and " +
               longOne.fixed(2) + ".");
    say(q, "The ones are the same, so compare the tenths: " + working::countOf(a, -1) +
               " against " + working::countOf(b, -1) + ". So " + num(shortOne) + " is the greater and " + num(longOne) +
               " the smaller, however many digits each has.");
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
        const std::vector<TextSlip> wrong = {
            {joinShown(byLength(true)), "puts the numbers with fewer decimal places first, as "
                                        "if a shorter decimal were smaller"},
            {joinShown(byLength(false)), "puts the numbers with more decimal places first, as "
                                         "if a longer decimal were smaller"},
            {joinShown(down), "goes from the largest to the smallest"}};
        if (std::any_of(wrong.begin(), wrong.end(),
                        [&](const TextSlip& w) { return w.text == right; }) ||
            wrong[0].text == wrong[1].text || wrong[0].text == wrong[2].text ||
            wrong[1].text == wrong[2].text)
            continue;
        QB q("dec_order_list", 2);
        q.param("vals", decList(v));
        q.p("Which list is in order from the <b>smallest</b> to the <b>largest</b>?");
        std::string padded;
        for (const Frac& x : v) padded += (padded.empty() ? "" : ", ") + x.fixed(3);
        say(q, "Write each number with three decimal places, so they can be compared digit by "
               "digit: " + padded + ".");
        say(q, "From the smallest to the largest: " + right + ".");
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
        const std::string first = lowerCase(items[pick[0]].name);
        const std::string last = lowerCase(items[pick[2]].name);
        const std::vector<Slip> wrong = {
            {unitSum, "adds one of each item, leaving out the numbers bought"},
            {total - Frac(n[2]) * price[2], "leaves out the last line, the " + last},
            {total - Frac(n[0] - 1) * price[0],
             "counts the " + first + " once, not " + S(n[0]) + " times"}};
        if (!distinctWrong(total, wrong)) continue;
        std::vector<std::vector<std::string>> rows;
        QB q("dec_receipt", 2);
        std::string ns;
        std::string ps;
        std::string lines;
        std::string sum;
        for (std::size_t i = 0; i < 3; ++i) {
            rows.push_back({items[pick[i]].name, S(n[i]), moneyCents(price[i])});
            ns += (ns.empty() ? "" : ",") + S(n[i]);
            ps += (ps.empty() ? "" : ",") + price[i].dec();
            lines += (lines.empty() ? "" : "<br>") + std::string(items[pick[i]].name) + ": " +
                     S(n[i]) + " &times; " + moneyCents(price[i]) + " = " +
                     moneyCents(Frac(n[i]) * price[i]);
            sum += (sum.empty() ? "" : " + ") + moneyCents(Frac(n[i]) * price[i]);
        }
        q.param("n", ns).param("price", ps).param("note", note);
        q.p("Mia's shopping list shows what she buys and the price of each item.");
        q.raw(tableHtml({"Item", "Number bought", "Price each"}, rows));
        const std::string each = "Work out each line, the number bought times the price:<br>" +
                                 lines;
        const std::string totalStep = "Total cost = " + sum + " = " + moneyCents(total) + ".";
        if (k == "NN") {
            q.subparts({{"What is the total cost?", "dollars"},
                        {"Mia pays with " + withArticle(money(note)) +
                             " note. How much change does she get?",
                         "dollars"}});
            say(q, "(a) " + each);
            say(q, totalStep);
            say(q, "(b) Change = " + money(note) + " &minus; " + moneyCents(total) + " = " +
                       moneyCents(Frac(note) - total) + ".");
            return q.part('N', total.dec()).part('N', (Frac(note) - total).dec()).done();
        }
        q.p("What is the total cost?");
        say(q, each);
        say(q, totalStep);
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

// "There are 100 cm in 1 m, so multiply by 100: 2.35 m = 2.35 &times; 100 cm = 235 cm."
std::string conversionStep(const Conversion& c) {
    const bool bigger = c.from->size > c.to->size;
    const long long factor = bigger ? c.from->size / c.to->size : c.to->size / c.from->size;
    const Measure& big = bigger ? *c.from : *c.to;
    const Measure& small = bigger ? *c.to : *c.from;
    const Frac ans = c.value * Frac(c.from->size, c.to->size);
    return "There are " + qty(factor, small.unit) + " in 1&nbsp;" + big.unit + ", so " +
           (bigger ? "multiply" : "divide") + " by " + num(factor) + ": " +
           qty(c.value, c.from->unit) + " = " + num(c.value) +
           (bigger ? " &times; " : " &divide; ") + qty(factor, c.to->unit) + " = " +
           qty(ans, c.to->unit) + ".";
}

Question decConvert(Rng& r, const std::string& k) {
    for (;;) {
        const Conversion a = drawConversion(r);
        const Conversion b = drawConversion(r);
        if (a.from->kind == b.from->kind) continue;  // two parts, two kinds of measure
        const Frac ans = a.value * Frac(a.from->size, a.to->size);
        const bool bigger = a.from->size > a.to->size;
        const std::vector<Slip> wrong = {
            {ans * Frac(10), "moves the point one place too many"},
            {ans / Frac(10), "moves the point one place too few"},
            {a.value * Frac(a.to->size, a.from->size),
             bigger ? "divides instead of multiplying" : "multiplies instead of dividing"}};
        if (k == "Q" && !distinctWrong(ans, wrong)) continue;
        QB q("dec_convert", 1);
        q.paramDec("v", a.value).param("from", a.from->unit).param("to", a.to->unit);
        auto ask = [](const Conversion& c) {
            return "Write " + qty(c.value, c.from->unit) + " in " + c.to->words + ".";
        };
        if (k == "NN") {
            q.paramDec("v2", b.value).param("from2", b.from->unit).param("to2", b.to->unit);
            q.p("Write each measurement in the unit given.");
            q.subparts({{ask(a), a.to->unit}, {ask(b), b.to->unit}});
            say(q, "(a) " + conversionStep(a));
            say(q, "(b) " + conversionStep(b));
            return q.part('N', ans.dec())
                .part('N', (b.value * Frac(b.from->size, b.to->size)).dec())
                .done();
        }
        q.p(ask(a));
        say(q, std::string(bigger ? "A larger unit is being changed to a smaller one, so there "
                                    "will be more of them."
                                  : "A smaller unit is being changed to a larger one, so there "
                                    "will be fewer of them."));
        say(q, conversionStep(a));
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
        const std::string empty = emptyTenths ? "tenths" : "hundredths";
        const std::vector<Slip> wrong = {
            {packed, "leaves out the empty " + empty + " place"},
            {v * Frac(10), "has every digit one place too far to the left"},
            {v / Frac(10), "has every digit one place too far to the right"}};
        if (!distinctWrong(v, wrong)) continue;
        QB q("dec_expanded", 1);
        q.paramDec("v", v);
        const std::string parts = S(w) + " + " + S(a) + "/" + (emptyTenths ? "100" : "10") +
                                  " + " + S(c) + "/1000";
        q.p("Write as a decimal: <b>" + parts + "</b>");
        say(q, "Write each fraction as a decimal: " + parts + " = " + S(w) + " + " +
                   num(Frac(a, emptyTenths ? 100 : 10)) + " + " + num(Frac(c, 1000)) + ".");
        say(q, "There are no " + empty + ", so write 0 in the " + empty + " place: " + parts +
                   " = " + num(v) + ".");
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
        if (!distinctWrong(Frac(ans), {Frac(otherWay), Frac(tenths, 10), Frac(tens)})) continue;
        // Every option is a whole number: rounding to one decimal place and stopping there is
        // the slip this family used to offer.
        const long long twice = (tenths + 5) / 10;  // rounded to tenths, then to a whole number
        const long long hundreds = (ans + 50) / 100 * 100;
        const std::vector<Slip> wrong = possibleSlips(
            Frac(ans),
            {{Frac(otherWay), std::string("rounds ") + (ans == down ? "up" : "down") +
                                  " instead of " + (ans == down ? "down" : "up")},
             {Frac(tens), "rounds to the nearest ten"},
             {Frac(twice), "rounds to one decimal place first, then rounds that again"},
             {Frac(hundreds), "rounds to the nearest hundred"},
             {Frac(hundredthsValue), "leaves out the decimal point"}},
            0, Frac(hundredthsValue));
        QB q("dec_round_whole", 1);
        q.paramDec("v", v);
        q.p("Round <b>" + num(v) + "</b> to the nearest whole number.");
        const int tenthsDigit = hundredthsValue / 10 % 10;
        say(q, "The number " + num(v) + " lies between " + S(down) + " and " + S(down + 1) + ".");
        say(q, "Look at the tenths digit: it is " + S(tenthsDigit) + ", " +
                   (ans > down ? "5 or more, so round up" : "less than 5, so round down") + ".");
        say(q, "So " + num(v) + " rounded to the nearest whole number is " + S(ans) + ".");
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
        if (!distinctWrong(Frac(ra * rb), {exact, Frac((a / 10) * (b / 10)), Frac(ra + rb)}))
            continue;
        // An estimate from whole numbers is a whole number, and so is every option: one number
        // rounded the wrong way replaces the exact product this family used to offer.
        const bool firstUp = ra * 10 > a && rb * 10 < b;
        const long long slipA = firstUp ? ra : (ra * 10 > a ? ra - 1 : ra + 1);
        const long long slipB = firstUp ? rb + 1 : rb;
        const std::vector<Slip> wrong = {
            {Frac(slipA * slipB), "rounds " + num(Frac(firstUp ? b : a, 10)) +
                                      " the wrong way, to " + S(firstUp ? slipB : slipA)},
            {Frac((a / 10) * (b / 10)), "cuts both numbers down instead of rounding them"},
            {Frac(ra + rb), "adds the rounded numbers instead of multiplying"}};
        if (!distinctWrong(Frac(ra * rb), wrong)) continue;
        QB q("dec_estimate", 2);
        q.paramDec("a", Frac(a, 10)).paramDec("b", Frac(b, 10));
        q.p("Estimate <b>" + num(Frac(a, 10)) + " &times; " + num(Frac(b, 10)) +
            "</b> by first rounding each number to the nearest whole number.");
        q.p("What is your estimate?");
        say(q, "Round each number to the nearest whole number, looking at its tenths digit: " +
                   num(Frac(a, 10)) + " rounds to " + S(ra) + ", and " + num(Frac(b, 10)) +
                   " rounds to " + S(rb) + ".");
        say(q, "Estimate: " + S(ra) + " &times; " + S(rb) + " = " + S(ra * rb) + ".");
        return q.number(r, k[0], ra * rb, "", wrong).done();
    }
}

Question decMistake(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const int form = r.range(1, 3);
    Frac ans;
    Frac written;
    std::string expr;
    Frac a;
    Frac b;
    if (form == 1) {  // 0.3 x 0.2 = 0.6: the decimal places not counted
        a = Frac(r.range(2, 9), 10);
        b = Frac(r.range(2, 9), 10);
        expr = num(a) + " &times; " + num(b);
        ans = a * b;
        written = ans * Frac(10);
    } else if (form == 2) {  // 4.5 + 2.35 = 2.80: lined up on the right
        do {
            a = Frac(r.range(11, 99), 10);
            b = Frac(r.range(101, 999), 100);
        } while (a.isInt() || (b * Frac(10)).isInt());
        expr = num(a) + " + " + num(b);
        ans = a + b;
        written = a / Frac(10) + b;
    } else {  // 10 x 3.45 = 3.450: a zero put on the end
        a = Frac(r.range(101, 999), 100);
        expr = "10 &times; " + num(a);
        ans = a * Frac(10);
        written = a;
    }
    const std::string shownWrong = form == 3   ? written.fixed(3)
                                   : form == 2 ? written.fixed(2)
                                               : num(written);
    QB q("dec_mistake", 2);
    q.param("form", form);
    q.p(who + " worked out <b>" + expr + "</b> and wrote <b>" + shownWrong + "</b>.");
    q.p(who + "'s answer is wrong. What is the correct answer?");
    if (form == 1) {
        say(q, "Multiply without the points: " + S((a * Frac(10)).n) + " &times; " +
                   S((b * Frac(10)).n) + " = " + S((ans * Frac(100)).n) + ".");
        say(q, "Tenths times tenths make hundredths, so the answer has 2 decimal places: " +
                   expr + " = " + num(ans) + ".");
        say(q, who + " gave only 1 decimal place.");
    } else if (form == 2) {
        say(q, "Line up the decimal points, writing " + num(a) + " as " + a.fixed(2) + ": " +
                   a.fixed(2) + " + " + b.fixed(2) + " = " + num(ans) + ".");
        say(q, who + " lined up the last digits instead, and so added " + num(a / Frac(10)) +
                   ", not " + num(a) + ".");
    } else {
        say(q, "Multiplying by 10 moves every digit one place to the left: " + expr + " = " +
                   num(ans) + ".");
        say(q, "Putting a 0 on the end of a decimal does not change it: " + who +
                   "'s answer is still " + num(a) + ".");
    }
    return q
        .number(r, k[0], ans, "",
                std::vector<Slip>{{written, "is " + who + "'s wrong answer"},
                                  {ans * Frac(100), "leaves the points out"},
                                  written == ans / Frac(10)
                                      ? Slip{ans * Frac(10), "puts the point one place too far "
                                                             "right"}
                                      : Slip{ans / Frac(10), "puts the point one place too far "
                                                             "left"}})
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
        std::string padded;
        std::string order;
        for (std::size_t i = 0; i < 4; ++i) {
            padded += (padded.empty() ? "" : ", ") + who[i] + " " + t[i].fixed(2);
            order += (order.empty() ? "" : ", ") + nameOf(sorted[i]);
        }
        const std::string fastest = nameOf(sorted[0]);
        say(q, "The fastest runner takes the least time. With two decimal places the times are " +
                   padded + ".");
        say(q, "From the fastest to the slowest: " + order + ".");
        if (k == "NT") {
            q.subparts({{"How many seconds faster was the winner than the runner who came last?",
                         "seconds"},
                        {"Who came second? Write the name.", ""}});
            say(q, "(a) The winner took " + qty(sorted[0], "seconds") + " and the last runner " +
                       qty(sorted[3], "seconds") + ": " + sorted[3].fixed(2) + " &minus; " +
                       sorted[0].fixed(2) + " = " + num(sorted[3] - sorted[0]) + ".");
            say(q, "(b) The second smallest time is " + qty(sorted[1], "seconds") + ", so " +
                       nameOf(sorted[1]) + " came second.");
            return q.part('N', (sorted[3] - sorted[0]).dec()).part('T', nameOf(sorted[1])).done();
        }
        q.p("Who won the race?");
        say(q, fastest + " has the smallest time, " + qty(sorted[0], "seconds") + ", so " +
                   fastest + " won.");
        if (k == "Q") {
            std::vector<TextSlip> wrong;  // the slowest is the usual slip: the largest time
            for (std::size_t i = 0; i < 4; ++i) {
                if (who[i] == fastest) continue;
                wrong.push_back(
                    {who[i], t[i] == sorted[3]
                                 ? "took the longest, " + qty(t[i], "seconds") +
                                       ": the largest time is the slowest runner, not the winner"
                                 : "took " + qty(t[i], "seconds") + ", longer than " +
                                       qty(sorted[0], "seconds")});
            }
            return q.choice(r, fastest, wrong).done();
        }
        q.note("Write the name.");
        q.answer();
        return q.part('T', fastest).done();
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
        const Frac size = step < Frac(0) ? Frac(0) - step : step;
        const std::vector<Slip> wrong = {
            {ans + step, "skips a number of the sequence"},
            {last + step / Frac(10), "uses " + num(size / Frac(10)) + " for the step, its point "
                                     "one place out"},
            {last + step * Frac(10), "uses " + num(size * Frac(10)) + " for the step, its point "
                                     "one place out"}};
        if (!distinctWrong(ans, wrong)) continue;
        std::string shown;
        for (std::size_t i = 0; i < 5; ++i) shown += num(t[i]) + ", ";
        QB q("dec_sequence", 1);
        q.param("shown", decList({t.begin(), t.begin() + 5}));
        q.p("The numbers in this sequence go up or down by the same amount each time.");
        q.p("<b>" + shown + "?</b>");
        q.p("What is the next number?");
        const bool upward = step > Frac(0);
        say(q, std::string("The numbers go ") + (upward ? "up" : "down") + " by " +
                   (upward ? num(t[1]) + " &minus; " + num(t[0]) : num(t[0]) + " &minus; " + num(t[1])) +
                   " = " + num(size) + " each time.");
        say(q, "The next number is " + num(last) + (upward ? " + " : " &minus; ") + num(size) +
                   " = " + num(ans) + ".");
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

// "1 litre", "0.75 litres".
std::string litres(const Frac& v) {
    return qty(v, v == Frac(1) ? "litre" : "litres");
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
        q.p("A jug holds " + litres(jug) + " of juice. Each glass holds " +
            litres(glass) + ".");
        if (k == "NN") {
            q.subparts({{"How many glasses can be filled?", "glasses"},
                        {"How much juice is left in the jug?", "litres"}});
            const Frac used = glass * Frac(full);
            say(q, "(a) " + capitalised(numberWords(full)) + " glasses hold " + S(full) +
                       " &times; " + num(glass) + " = " + litres(used) + ", and one more "
                       "would need " + S(full + 1) + " &times; " + num(glass) + " = " +
                       litres(used + glass) + ", more than " + litres(jug) + ".");
            say(q, "So " + S(full) + " glasses can be filled.");
            say(q, "(b) Juice left = " + litres(jug) + " &minus; " + litres(used) +
                       " = " + litres(extra) + ".");
            return q.part('N', S(full)).part('N', extra.dec()).done();
        }
        // Every option is a whole number of glasses (the product of the two amounts, which
        // this family used to offer, is not).
        if (!distinctWrong(Frac(full), {Frac(full * 10), jug * glass, Frac(full - 1)})) continue;
        const std::vector<Slip> wrong = {{Frac(full * 10), "moves the point in one number only"},
                                         {Frac(full - 1), "counts one glass too few"},
                                         {Frac(full + 1), "counts one glass too many"}};
        q.p("How many glasses can be filled?");
        const long long scale = (glass * Frac(10)).isInt() ? 10 : 100;
        say(q, "Glasses = " + num(jug) + " &divide; " + num(glass) + ". Multiply both numbers by " +
                   S(scale) + " so that the glass is a whole number: " + num(jug) + " &divide; " +
                   num(glass) + " = " + num(jug * Frac(scale)) + " &divide; " +
                   num(glass * Frac(scale)) + " = " + S(full) + ".");
        say(q, "So " + S(full) + " glasses can be filled. Check: " + S(full) + " &times; " +
                   num(glass) + " = " + num(jug) + ".");
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
        say(q, "The places after the decimal point are, in order, tenths, hundredths and "
               "thousandths.");
        say(q, "In " + num(v) + " the digit " + std::string(1, digit) + " is the " +
                   (at == 0 ? "first" : at == 1 ? "second" : "third") +
                   " digit after the point, so it is in the " + right + " place.");
        if (k == "Q") {
            std::vector<TextSlip> wrong = {
                {"tens", "is a place to the left of the point, where whole numbers go"}};
            for (std::size_t i = 0; i < placeNames.size(); ++i)
                if (placeNames[i] != right)
                    wrong.push_back({placeNames[i], std::string("is the place of the digit ") +
                                                        after[i] + ", not of the " + digit});
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
        std::vector<TextSlip> texts;
        for (const Frac& x : wrong)
            texts.push_back({num(x), x > hi ? "is more than " + num(hi) : "is less than " + num(lo)});
        QB q("dec_between", 1);
        q.paramDec("lo", lo).paramDec("hi", hi);
        q.p("Which number lies between <b>" + num(lo) + "</b> and <b>" + num(hi) + "</b>?");
        say(q, "Write both with two decimal places: " + lo.fixed(2) + " and " + hi.fixed(2) +
                   ". The numbers between them have " + S(w) + (w == 1 ? " one" : " ones") +
                   " and " + S(a) + (a == 1 ? " tenth" : " tenths") + ", then more hundredths.");
        say(q, "Only " + num(right) + " is like that: " + lo.fixed(2) + " &lt; " + num(right) +
                   " &lt; " + hi.fixed(2) + ".");
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
        const std::string thing = it.name;
        const std::vector<Slip> wrong = {
            {Frac(n) * price, "is what the " + thing + " cost, not what is left"},
            {Frac(note) - price, "takes away the price of only one"},
            {Frac(note) - Frac(n - 1) * price, "takes away the cost of " + S(n - 1) + ", not " +
                                                   S(n)}};
        if (!distinctWrong(ans, wrong)) continue;
        QB q("dec_buy_several", 2);
        q.param("who", who).param("n", n).paramDec("price", price).param("note", note);
        q.p(who + " has " + money(note) + " and buys " + S(n) + " " + it.name + " at " +
            money(price) + " each.");
        q.p("How much money does " + who + " have left?");
        say(q, "Cost = " + S(n) + " &times; " + money(price) + " = " + money(Frac(n) * price) + ".");
        say(q, "Money left = " + money(note) + " &minus; " + money(Frac(n) * price) + " = " +
                   money(ans) + ".");
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

std::string ordinal(int n) {
    static const char* words[] = {"", "first", "second", "third", "fourth"};
    return words[n];
}

Question decThermometer(Rng& r, const std::string& k) {
    for (;;) {
        const int lo = r.pick(std::vector<int>{35, 16, 20, 8});
        const int ticks = r.range(1, 19);
        if (ticks % 5 == 0) continue;
        const Frac v = Frac(lo) + Frac(ticks, 5);
        const Frac wholeBelow = Frac(lo + ticks / 5);
        const std::vector<Slip> wrong = {
            {wholeBelow + Frac(ticks % 5, 10), "reads each small mark as 0.1 of a degree"},
            {v + Frac(1, 5), "counts one mark too many"},
            {v - Frac(1, 5), "counts one mark too few"}};
        if (!distinctWrong(v, wrong)) continue;
        QB q("dec_thermometer", 1);
        q.paramDec("v", v).param("lo", lo);
        q.p(lo == 35 ? "The thermometer shows a child's temperature."
                     : "The thermometer shows the temperature of the air in a garden.");
        drawThermometer(
            q.figure(300, 200,
                     "A thermometer marked in degrees Celsius, &deg;C, numbered " + S(lo) + " to " +
                         S(lo + 4) + " with a long mark at each whole degree and four small "
                         "marks between each two numbers. The red liquid reaches the " +
                         ordinal(ticks % 5) + " small mark above " + num(wholeBelow) + "."),
            lo, v);
        q.p("What temperature does it show?");
        say(q, "Between two numbers there are 5 equal spaces, so each small mark is "
               "1&nbsp;&divide;&nbsp;5 = 0.2 of a degree.");
        say(q, "The liquid reaches " + S(ticks % 5) + (ticks % 5 == 1 ? " mark" : " marks") +
                   " above " + num(wholeBelow) + ": " + num(wholeBelow) + " + " +
                   S(ticks % 5) + " &times; 0.2 = " + qty(v, "&deg;C") + ".");
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
    const int columns = shaded / 10;
    const int rest = shaded % 10;
    QB q("dec_shaded_hundredths", 1);
    q.param("shaded", shaded);
    q.p("The large square is divided into 100 equal small squares.");
    const std::string columnsText =
        columns == 0 ? std::string("no full column")
                     : S(columns) + (columns == 1 ? " full column" : " full columns") + " of 10";
    drawGrid(q.figure(300, 200,
                      "A large square divided into 100 equal small squares, 10 rows of 10. The "
                      "shaded squares fill " + columnsText + " and " + S(rest) +
                          (rest == 1 ? " square" : " squares") +
                          " of the next column, counting from the top."),
             10, 10, cells);
    q.p("What decimal of the large square is shaded?");
    const Frac ans(shaded, 100);
    say(q, "Each small square is 1/100 = 0.01 of the large square.");
    say(q, "Count the shaded squares: " + (columns ? S(columns) + " &times; 10 + " : std::string()) +
               S(rest) + " = " + S(shaded) + ".");
    say(q, "So " + S(shaded) + "/100 = " + num(ans) + " of the square is shaded.");
    // Every option is a part of the square, no more than the whole of it.
    return q
        .number(r, k[0], ans, "",
                possibleSlips(ans,
                              {{Frac(shaded, 10), "reads the squares as tenths"},
                               {Frac(100 - shaded, 100), "is the part not shaded"},
                               {Frac(shaded, 1000), "reads the squares as thousandths"},
                               {Frac(columns, 10), "counts only the full columns"},
                               {Frac(rest, 100), "counts only the squares of the last column"}},
                              0, 1))
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
        const std::vector<Slip> wrong = {
            {sorted[3] + sorted[0], "adds the two heights instead of finding the difference"},
            {sorted[3] - sorted[1], "takes away the second shortest height, not the shortest"},
            {sorted[2] - sorted[0], "starts from the second tallest height, not the tallest"}};
        if (!distinctWrong(ans, wrong)) continue;
        std::vector<std::vector<std::string>> rows;
        QB q("dec_table_diff", 2);
        auto plantOf = [&](const Frac& v) {
            return lowerCase(
                plants[static_cast<std::size_t>(std::find(h.begin(), h.end(), v) - h.begin())]);
        };
        for (std::size_t i = 0; i < 4; ++i) {
            rows.push_back({plants[i], num(h[i])});
            q.paramDec(plants[i], h[i]);
        }
        q.p("The table shows the heights of four plants in a school garden.");
        q.raw(tableHtml({"Plant", "Height (m)"}, rows));
        q.p("What is the difference in height between the tallest and the shortest plant?");
        say(q, "Compare the heights with two decimal places: the tallest is the " +
                   plantOf(sorted[3]) + ", " + sorted[3].fixed(2) + "&nbsp;m, and the shortest is "
                   "the " + plantOf(sorted[0]) + ", " + sorted[0].fixed(2) + "&nbsp;m.");
        say(q, "Difference = " + sorted[3].fixed(2) + "&nbsp;m &minus; " + sorted[0].fixed(2) +
                   "&nbsp;m = " + qty(ans, "m") + ".");
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
        if (!distinctWrong(mean, {mean * Frac(4), sorted[3] - sorted[0],
                                  (sorted[1] + sorted[2]) / Frac(2)}))
            continue;
        const Frac total = mean * Frac(4);
        // Every option lies between the lightest and the heaviest parcel, as a mean does, and
        // has no more than three decimal places.
        std::vector<Slip> candidates = {
             {(sorted[1] + sorted[2]) / Frac(2), "is the middle value, not the mean"},
             {(sorted[0] + sorted[3]) / Frac(2), "is halfway between the lightest and the "
                                                 "heaviest, not the mean"},
             {total / Frac(3), "divides the total by 3 instead of 4"},
             {(total - v[3]) / Frac(4), "leaves out the last parcel but still divides by 4"},
             {(total - v[3]) / Frac(3), "finds the mean of the first three parcels only"},
             {total / Frac(5), "divides the total by 5 instead of 4"}};
        candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                        [](const Slip& c) { return !(c.value * Frac(1000)).isInt(); }),
                         candidates.end());
        const std::vector<Slip> wrong = possibleSlips(mean, candidates, sorted[0], sorted[3]);
        if (wrong.size() < 3) continue;
        QB q("dec_mean", 2);
        q.param("masses", decList(v));
        q.p("Four parcels have masses of " + qty(v[0], "kg") + ", " + qty(v[1], "kg") + ", " +
            qty(v[2], "kg") + " and " + qty(v[3], "kg") + ".");
        q.p("What is the mean mass of the parcels?");
        say(q, "Mean = total mass &divide; number of parcels.");
        say(q, "Total mass = " + qty(v[0], "kg") + " + " + qty(v[1], "kg") + " + " +
                   qty(v[2], "kg") + " + " + qty(v[3], "kg") + " = " + qty(total, "kg") + ".");
        say(q, "Mean = " + qty(total, "kg") + " &divide; 4 = " + qty(mean, "kg") + ".");
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
        const std::string placeWord = thousandths ? "thousandths" : "hundredths";
        const std::vector<TextSlip> wrong = {
            {num(Frac(w) + Frac(f, den / 10)),
             "shows " + working::countOf(f, thousandths ? -2 : -1) +
                 ", one place too few after the point"},
            {num(Frac(w) + Frac(f, den * 10)),
             "shows " + working::countOf(f, thousandths ? -4 : -3) +
                 ", one place too many after the point"},
            {num(Frac(f) + Frac(w, den)), "swaps the whole number and the " + placeWord}};
        const std::string said = numberWords(w) + " and " + numberWords(f) +
                                 (thousandths ? " thousandth" : " hundredth") + (f > 1 ? "s" : "");
        QB q("dec_words", 1);
        q.paramDec("v", right);
        q.p("Which number is <b>" + said + "</b>?");
        const int needed = thousandths ? 3 : 2;
        say(q, "The whole number is " + S(w) + ". The part after the point is " +
                   numberWords(f) + " " + placeWord + ": " + S(f) + "/" + S(den) + " = " +
                   num(Frac(f, den)) + ", which needs " + S(needed) +
                   " places after the point.");
        say(q, "So the number is " + S(w) + " + " + num(Frac(f, den)) + " = " + num(right) + ".");
        return q.choice(r, num(right), wrong).done();
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
    const int places = p == 10 ? 1 : p == 100 ? 2 : 3;
    say(q, "The digits of " + num(a) + " have moved " + S(places) +
               (places == 1 ? " place" : " places") + " to the " + (times ? "left" : "right") +
               " to make " + num(b) + ".");
    say(q, std::string("Each place is a factor of 10, so the number ") +
               (times ? "multiplied by" : "divided by") + " is " + num(Frac(p)) + ". Check: " +
               num(a) + (times ? " &times; " : " &divide; ") + num(Frac(p)) + " = " + num(b) + ".");
    return q
        .number(r, k[0], p, "",
                std::vector<Slip>{
                    {Frac(p * 10), "moves the digits one place too many"},
                    {Frac(p / 10), p == 10 ? std::string("would leave the number as it is")
                                           : std::string("moves the digits one place too few")},
                    {Frac(1, p), times ? "would make the number smaller, not larger"
                                       : "would make the number larger, not smaller"}})
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
        say(q, "After " + S(ans - 1) + " weeks: " + S(ans - 1) + " &times; " + money(perWeek) +
                   " = " + money(Frac(ans - 1) * perWeek) + ", not yet " + money(goal) + ".");
        say(q, "After " + S(ans) + " weeks: " + S(ans) + " &times; " + money(perWeek) + " = " +
                   money(Frac(ans) * perWeek) + ", enough.");
        say(q, "So " + who + " must save for " + S(ans) + " weeks: a part of a week is not "
               "enough, so the answer is the next whole number.");
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
    const int place = p == Frac(1, 10) ? -1 : p == Frac(1, 100) ? -2 : -3;
    const Frac scaled = n / p;
    const long long digit = scaled.n / scaled.d % 10;
    if (more)
        say(q, "Adding " + num(p) + " adds 1 to the " + placeName(place) + " digit, " + S(digit) +
                   (digit == 9 ? ": 9 + 1 = 10, so write 0 there and carry 1 to the " +
                                     placeName(place + 1) + " place"
                               : ": " + S(digit) + " + 1 = " + S(digit + 1)) +
                   ".");
    else
        say(q, "Taking away " + num(p) + " takes 1 from the " + placeName(place) + " digit, " +
                   S(digit) +
                   (digit == 0 ? ": there is nothing to take, so exchange 1 from the " +
                                     placeName(place + 1) + " place, making 10, and 10 &minus; 1 = 9"
                               : ": " + S(digit) + " &minus; 1 = " + S(digit - 1)) +
                   ".");
    say(q, "So " + num(n) + (more ? " + " : " &minus; ") + num(p) + " = " + num(n + sign * p) +
               ".");
    return q
        .number(r, k[0], n + sign * p, "",
                std::vector<Slip>{
                    {n + sign * p * Frac(10), "changes the " + placeName(place + 1) +
                                                  " digit instead"},
                    {n + sign * p / Frac(10), "changes the " + placeName(place - 1) +
                                                  " digit instead"},
                    {n - sign * p, more ? "takes away instead of adding"
                                        : "adds instead of taking away"}})
        .done();
}

Question decOrderOps(Rng& r, const std::string& k) {
    for (;;) {
        const int form = r.range(1, 2);
        const Frac a(r.range(11, 99), 10);
        const Frac b(r.range(2, 9), 10);
        const int c = r.range(2, 9);
        Frac ans;
        std::vector<Slip> wrong;
        std::string expr;
        if (form == 1) {
            expr = num(a) + " + " + num(b) + " &times; " + S(c);
            ans = a + b * Frac(c);
            wrong = {{(a + b) * Frac(c), "works from left to right, adding before multiplying"},
                     {a * b + Frac(c), "multiplies the first two numbers instead of the last two"},
                     {a + b + Frac(c), "reads the times sign as a plus"}};
        } else {
            expr = num(a) + " &minus; " + num(b) + " &times; " + S(c);
            ans = a - b * Frac(c);
            wrong = {{(a - b) * Frac(c), "works from left to right, subtracting before "
                                         "multiplying"},
                     {a + b * Frac(c), "adds the product instead of taking it away"},
                     {a - b, "leaves out the multiplication"}};
        }
        if (!distinctWrong(ans, wrong)) continue;
        QB q("dec_order_ops", 2);
        q.param("form", form).paramDec("a", a).paramDec("b", b).param("c", c);
        q.p("Work out <b>" + expr + "</b>.");
        say(q, std::string("Multiply before ") + (form == 1 ? "adding" : "subtracting") + ": " +
                   num(b) + " &times; " + S(c) + " = " + num(b * Frac(c)) + ".");
        say(q, std::string("Then ") + (form == 1 ? "add: " : "subtract: ") + num(a) +
                   (form == 1 ? " + " : " &minus; ") + num(b * Frac(c)) + " = " + num(ans) + ".");
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
        const std::vector<Slip> wrong = {
            {cost * Frac(10), "takes 1&nbsp;kg as 100&nbsp;g"},
            {perKg - cost, "is the price of the rest of the kilogram"},
            {perKg, "is the price of a whole kilogram"}};
        if (!distinctWrong(cost, wrong)) continue;
        QB q("dec_price_per_kg", 2);
        q.paramDec("per_kg", perKg).param("grams", grams);
        q.p(std::string(food.name) + " " + money(perKg) + " per kilogram.");
        q.p("How much does " + qty(grams, "g") + " cost?");
        const Frac kg(grams, 1000);
        say(q, "There are 1000&nbsp;g in 1&nbsp;kg: " + qty(grams, "g") + " = " + num(grams) +
                   " &divide; 1000&nbsp;kg = " + qty(kg, "kg") + ".");
        say(q, "Cost = " + num(kg) + " &times; " + money(perKg) + " = " + money(cost) + ".");
        return q.number(r, k[0], cost, "dollars", wrong).done();
    }
}

Question decHalfway(Rng& r, const std::string& k) {
    for (;;) {
        const bool close = r.chance(50);
        const Frac a(r.range(11, 199), 10);
        const Frac b = close ? a + Frac(1, 10) : a + Frac(2 * r.range(2, 9), 10);
        const Frac ans = (a + b) / Frac(2);
        const Frac gap = b - a;
        if (!distinctWrong(ans, {a + b, gap / Frac(2), gap})) continue;
        // Every option lies between the two numbers, as the halfway number does.
        const std::vector<Slip> wrong = {
            {a + gap / Frac(20), "halves the gap with the point one place out, adding " +
                                     num(gap / Frac(20)) + " instead of " + num(gap / Frac(2))},
            {a + gap / Frac(4), "halves the gap twice, stopping a quarter of the way"},
            {b - gap / Frac(20), "counts back from " + num(b) + " by " + num(gap / Frac(20)) +
                                     ", half the gap with the point one place out"}};
        if (!distinctWrong(ans, wrong)) continue;
        QB q("dec_halfway", 2);
        q.paramDec("a", a).paramDec("b", b);
        q.p("What number is exactly halfway between <b>" + num(a) + "</b> and <b>" + num(b) +
            "</b>?");
        say(q, "Halfway = (" + num(a) + " + " + num(b) + ") &divide; 2 = " + num(a + b) +
                   " &divide; 2 = " + num(ans) + ".");
        say(q, "Check: the gap is " + num(b) + " &minus; " + num(a) + " = " + num(gap) +
                   ", and " + num(a) + " + " + num(gap) + " &divide; 2 = " + num(ans) + ".");
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
        const Frac fa = a - Frac(a.whole());
        const Frac fb = b - Frac(b.whole());
        if (k == "X") {
            q.note("Give your answer as a mixed number in its simplest form, for example 5 2/3.");
            q.answer();
            const long long den = fa.d / std::gcd(fa.d, fb.d) * fb.d;
            const long long top = fa.n * (den / fa.d) + fb.n * (den / fb.d);
            const long long wholes = a.whole() + b.whole();
            say(q, "Write the decimal part of " + num(a) + " as a fraction: " +
                       decimalAsFraction(fa) + ", so " + num(a) + " is " + a.mixed() + ".");
            say(q, "Add the whole numbers: " + S(a.whole()) + " + " + S(b.whole()) + " = " +
                       S(wholes) + ".");
            say(q, "Add the fractions over a common denominator: " + fa.text() + " + " + fb.text() +
                       (fa.d == den && fb.d == den
                            ? std::string()
                            : " = " + S(fa.n * (den / fa.d)) + "/" + S(den) + " + " +
                                  S(fb.n * (den / fb.d)) + "/" + S(den)) +
                       " = " + S(top) + "/" + S(den) + ".");
            say(q, "So the sum is " + S(wholes) + " + " + S(top) + "/" + S(den) + " = " +
                       sum.mixed() + ".");
            return q.part('X', sum.mixed()).done();
        }
        q.note("Give your answer as a decimal.");
        q.answer();
        say(q, "Write the fraction part of " + b.mixed() + " as a decimal: " +
                   fractionAsDecimal(fb) + ", so " + b.mixed() + " is " + num(b) + ".");
        const int places = std::max(placesOf(a), placesOf(b));
        say(q, "Then add the decimals, lining up the points: " + a.fixed(places) + " + " +
                   b.fixed(places) + " = " + num(sum) + ".");
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
