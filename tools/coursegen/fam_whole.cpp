// Whole Numbers: the four operations, place value, rounding, factors and word problems.

#include "column_slips.h"
#include "column_working.h"
#include "drawing.h"
#include "families.h"
#include "possible_options.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using slips::addNoCarry;
using slips::borrows;
using slips::carryPlaces;
using slips::subNoPayBack;
using slips::subSmallerFromLarger;
using working::placeName;

long long pow10(int k) {
    long long p = 1;
    while (k-- > 0) p *= 10;
    return p;
}

// The place of a power of ten: 1000 is place 3.
int placeOf(long long power) {
    int p = 0;
    while (power >= 10) {
        power /= 10;
        ++p;
    }
    return p;
}

long long swapDigits(long long n, std::size_t i, std::size_t j) {
    std::string s = std::to_string(n);
    std::swap(s[i], s[j]);
    return std::stoll(s);
}

std::string joined(const std::vector<long long>& v, const std::string& sep = ", ") {
    std::string s;
    for (long long x : v) s += (s.empty() ? "" : sep) + num(x);
    return s;
}

std::string listedNums(const std::vector<long long>& v) {
    std::vector<std::string> items;
    for (long long x : v) items.push_back(num(x));
    return working::listed(items);
}

std::vector<long long> factorsOf(long long n) {
    std::vector<long long> out;
    for (long long d = 1; d <= n; ++d)
        if (n % d == 0) out.push_back(d);
    return out;
}

std::vector<long long> multiplesUpTo(long long m, long long last) {
    std::vector<long long> out;
    for (long long x = m; x <= last; x += m) out.push_back(x);
    return out;
}

// A step of the worked solution, its last word kept on the line before.
void say(QB& q, const std::string& html) {
    q.step(working::steadyEnd(html));
}

// Column subtraction written out: the exchange, then each column.
void subtractionSteps(QB& q, long long a, long long b) {
    if (working::needsExchange(a, b)) say(q, working::exchangeLine(a, b, 0, num(a)));
    say(q, "Take away column by column, starting with the ones:<br>" +
           working::columnSubtraction(a, b, 0));
}

const char* kNoExchange = "takes the smaller digit from the larger in each column instead of "
                          "exchanging";
const char* kNoPayBack = "exchanges but does not take the 1 from the next column";

Question addWhole(Rng& r, const std::string& k) {
    int a = 0;
    int b = 0;
    std::vector<Slip> wrong;
    do {
        a = r.range(1200, 8999);
        b = r.range(1100, 8999);
        const auto carries = carryPlaces(a, b);
        if (carries.size() < 2) continue;
        wrong = {{addNoCarry(a, b), "writes down each column total without carrying"},
                 {a + b - carries.front(),
                  "forgets to carry 1 to the " + placeName(placeOf(carries.front()))},
                 {std::abs(a - b), "subtracts instead of adding"}};
    } while (wrong.empty() || !distinctWrong(a + b, wrong));
    QB q("add_whole", 1);
    q.param("a", a).param("b", b);
    q.p("Work out <b>" + S(a) + " + " + S(b) + "</b>.");
    say(q, "Add in columns, ones under ones, starting with the ones:<br>" +
           working::columnAddition(a, b, 0));
    say(q, "So " + S(a) + " + " + S(b) + " = " + num(a + b) + ".");
    return q.number(r, k[0], a + b, "", wrong).done();
}

Question subWhole(Rng& r, const std::string& k) {
    int a = 0;
    int b = 0;
    do {
        a = r.range(3000, 9999);
        b = r.range(1000, a - 500);
    } while (!borrows(a, b) ||
             !distinctWrong(a - b, {subSmallerFromLarger(a, b), subNoPayBack(a, b), a + b}));
    QB q("sub_whole", 1);
    q.param("a", a).param("b", b);
    q.p("Work out <b>" + S(a) + " &minus; " + S(b) + "</b>.");
    subtractionSteps(q, a, b);
    say(q, "So " + S(a) + " &minus; " + S(b) + " = " + num(a - b) + ". Check: " + num(a - b) +
           " + " + S(b) + " = " + S(a) + ".");
    return q
        .number(r, k[0], a - b, "",
                std::vector<Slip>{{subSmallerFromLarger(a, b), kNoExchange},
                                  {subNoPayBack(a, b), kNoPayBack},
                                  {a + b, "adds instead of subtracting"}})
        .done();
}

// "347 &times; 26": the ones row, the tens row moved one place left, and their sum.
void longMultiplicationSteps(QB& q, long long a, long long b) {
    const long long tens = b / 10;
    const long long ones = b % 10;
    say(q, "Split " + num(b) + " into " + num(tens * 10) + " + " + num(ones) + ": " + num(a) +
           " &times; " + num(b) + " = " + num(a) + " &times; " + num(tens * 10) + " + " + num(a) +
           " &times; " + num(ones) + ".");
    say(q, "The ones row: " + working::splitProduct(a, ones) + ".");
    say(q, "The tens row, one place to the left: " + num(a) + " &times; " + num(tens * 10) +
           (tens > 1 ? " = " + num(a) + " &times; " + num(tens) + " &times; 10 = " +
                           num(a * tens) + " &times; 10"
                     : "") +
           " = " + num(a * tens * 10) + ".");
    say(q, "Add the rows: " + num(a * tens * 10) + " + " + num(a * ones) + " = " + num(a * b) +
           ".");
}

Question mulWhole(Rng& r, const std::string& k) {
    int a = 0;
    int b = 0;
    do {
        a = r.range(102, 899);
        b = r.range(12, 79);
    } while (b % 10 == 0 ||
             !distinctWrong(a * b, {a * (b % 10) + a * (b / 10), a * (b / 10) * 10, a * (b % 10)}));
    QB q("mul_whole", 2);
    q.param("a", a).param("b", b);
    q.p("Work out <b>" + S(a) + " &times; " + S(b) + "</b>.");
    longMultiplicationSteps(q, a, b);
    return q
        .number(r, k[0], a * b, "",
                std::vector<Slip>{
                    {a * (b % 10) + a * (b / 10), "does not move the tens row one place to the left"},
                    {a * (b / 10) * 10, "leaves out the ones row"},
                    {a * (b % 10), "leaves out the tens row"}})
        .done();
}

Question divWhole(Rng& r, const std::string& k) {
    const int b = r.chance(50) ? r.range(3, 9) : r.range(11, 25);
    const int c = r.range(b < 10 ? 112 : 21, b < 10 ? 999 : 199);
    QB q("div_whole", 2);
    q.param("a", b * c).param("b", b);
    q.p("Work out <b>" + S(b * c) + " &divide; " + S(b) + "</b>.");
    say(q, "Divide digit by digit from the left, carrying what is left over to the next digit:<br>" +
           working::shortDivision(b * c, b));
    say(q, "So " + S(b * c) + " &divide; " + S(b) + " = " + num(c) + ". Check: " + num(c) +
           " &times; " + S(b) + " = " + num(b * c) + ".");
    return q
        .number(r, k[0], c, "",
                std::vector<Slip>{
                    {c * 10, "puts a zero too many in the answer"},
                    {c + 1, "is one too many: " + num(c + 1) + " &times; " + S(b) + " = " +
                                num((c + 1) * b) + ", more than " + num(b * c)},
                    {c - 1, "is one too few: " + num(c - 1) + " &times; " + S(b) + " = " +
                                num((c - 1) * b) + ", less than " + num(b * c)}})
        .done();
}

Question placeValue(Rng& r, const std::string& k) {
    for (;;) {
        const int n = r.range(10000, 999999);
        const std::string s = std::to_string(n);
        const int pos = r.range(0, static_cast<int>(s.size()) - 2);  // never the ones digit
        const char d = s[static_cast<std::size_t>(pos)];
        if (d == '0' || s.find(d) != s.rfind(d)) continue;  // the digit must be unmistakable
        const int place = static_cast<int>(s.size()) - 1 - pos;
        const long long value = (d - '0') * pow10(place);
        QB q("place_value", 1);
        q.param("n", n).param("digit", d - '0');
        q.p("What is the value of the digit <b>" + std::string(1, d) + "</b> in the number <b>" +
            num(n) + "</b>?");
        say(q, "In " + num(n) + " the digit " + std::string(1, d) + " is in the " +
               placeName(place) + " place.");
        say(q, "So its value is " + std::string(1, d) + " &times; " + num(pow10(place)) + " = " +
               num(value) + ".");
        const bool digitIsTenth = value / 10 == d - '0';
        return q
            .number(r, k[0], value, "",
                    std::vector<Slip>{
                        {value / 10, "is its value one place to the right, in the " +
                                         placeName(place - 1) + " place"},
                        {value * 10, "is its value one place to the left, in the " +
                                         placeName(place + 1) + " place"},
                        digitIsTenth ? Slip{value * 100, "is its value two places to the left, in "
                                                         "the " + placeName(place + 2) + " place"}
                                     : Slip{d - '0', "is the digit itself, not its value"}})
            .done();
    }
}

long long roundTo(long long n, long long to) {
    const long long down = n - n % to;
    return n % to * 2 >= to ? down + to : down;
}

Question roundWhole(Rng& r, const std::string& k) {
    const int to = r.pick(std::vector<int>{10, 100, 1000});
    const int place = placeOf(to);
    int n = 0;
    int answer = 0;
    int otherWay = 0;
    std::vector<Slip> wrong;
    for (;;) {
        n = r.range(10000, 99999);
        const int down = n - n % to;
        answer = (n % to) > to / 2 ? down + to : down;
        otherWay = answer == down ? down + to : down;
        if (n % to == 0 || n % to == to / 2 ||
            !distinctWrong(answer, {otherWay, n - n % (to * 10), n - n % (to / 10)}))
            continue;
        // Every option could be a number rounded to the nearest `to`: each a multiple of it.
        const int cut = n - n % (to * 10);
        wrong = possibleSlips(
            answer,
            {{otherWay, std::string("rounds ") + (answer == down ? "up" : "down") +
                            " instead of " + (answer == down ? "down" : "up")},
             {static_cast<long long>(roundTo(n, to * 10)),
              "rounds to the nearest " + num(to * 10) + " instead"},
             {cut, "cuts off every digit below the " + placeName(place + 1) + " place"},
             {cut + to * 10, "rounds up at the " + placeName(place + 1) + " place"}},
            0, 1000000);
        if (wrong.size() == 3) break;
    }
    QB q("round_whole", 1);
    q.param("n", n).param("to", to);
    q.p("Round <b>" + num(n) + "</b> to the nearest " + num(to) + ".");
    const int down = n - n % to;
    const int decider = n % to / (to / 10);
    const bool up = answer != down;
    say(q, "The number " + num(n) + " lies between " + num(down) + " and " + num(down + to) + ".");
    say(q, "Look at the " + placeName(place - 1) + " digit: it is " + S(decider) + ", " +
               (up ? "5 or more, so round up" : "less than 5, so round down") + ".");
    say(q, "So " + num(n) + " rounded to the nearest " + num(to) + " is " + num(answer) + ".");
    return q.number(r, k[0], answer, "", wrong).done();
}

Question orderOps(Rng& r, const std::string& k) {
    for (;;) {
        const int form = r.range(1, 3);
        const int a = r.range(4, 60);
        const int b = r.range(3, 12);
        const int c = r.range(3, 12);
        const int d = r.range(2, 9);
        long long ans = 0;
        std::vector<Slip> wrong;
        std::string expr;
        int e = 0;
        if (form == 1) {
            expr = S(a) + " + " + S(b) + " &times; " + S(c);
            ans = a + b * c;
            wrong = {{(a + b) * c, "works from left to right, adding before multiplying"},
                     {a * b + c, "multiplies the first two numbers instead of the last two"},
                     {a + b + c, "reads the times sign as a plus"}};
        } else if (form == 2) {
            expr = "(" + S(a) + " + " + S(b) + ") &times; " + S(c);
            ans = (a + b) * c;
            wrong = {{a + b * c, "ignores the brackets"},
                     {a * c + b, "multiplies only the first number in the brackets"},
                     {a + b + c, "reads the times sign as a plus"}};
        } else {
            e = std::min(d, (b * c - 1) / d);  // keeps the answer positive
            if (e < 2) continue;
            expr = S(b) + " &times; " + S(c) + " &minus; " + S(d) + " &times; " + S(e);
            ans = b * c - d * e;
            wrong = {{(b * c - d) * e, "works from left to right, subtracting before the second "
                                       "multiplication"},
                     {b * c + d * e, "adds the second product instead of taking it away"},
                     {b * c - d, "leaves out the second multiplication"}};
        }
        if (!distinctWrong(ans, wrong)) continue;
        QB q("order_ops", 2);
        q.param("form", form).param("a", a).param("b", b).param("c", c).param("d", d);
        q.p("Work out <b>" + expr + "</b>.");
        if (form == 1) {
            say(q, "Multiply before adding: " + S(b) + " &times; " + S(c) + " = " + S(b * c) + ".");
            say(q, "Then add: " + S(a) + " + " + S(b * c) + " = " + S(ans) + ".");
        } else if (form == 2) {
            say(q, "Brackets first: " + S(a) + " + " + S(b) + " = " + S(a + b) + ".");
            say(q, "Then multiply: " + S(a + b) + " &times; " + S(c) + " = " + S(ans) + ".");
        } else {
            say(q, "Both multiplications come before the subtraction: " + S(b) + " &times; " +
                   S(c) + " = " + S(b * c) + ", and " + S(d) + " &times; " + S(e) + " = " +
                   S(d * e) + ".");
            say(q, "Then subtract: " + S(b * c) + " &minus; " + S(d * e) + " = " + S(ans) + ".");
        }
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

int smallestPrimeFactor(int n) {
    for (int p = 2; p * p <= n; ++p)
        if (n % p == 0) return p;
    return n;
}

Question hcf(Rng& r, const std::string& k) {
    int a = 0;
    int b = 0;
    int g = 0;
    std::vector<Slip> wrong;
    do {
        a = r.range(12, 96);
        b = r.range(12, 96);
        g = gcdInt(a, b);
        if (a == b || g == a || g == b || smallestPrimeFactor(g) == g) continue;
        // Every option could be a highest common factor: none above the smaller number.
        wrong = possibleSlips(
            g,
            {{smallestPrimeFactor(g), "is the smallest common factor above 1, not the highest"},
             {g / smallestPrimeFactor(g), "is a common factor, but not the highest"},
             {std::min(a, b),
              "is the smaller number, but it is not a factor of " + S(std::max(a, b))},
             {1, "is the lowest common factor, not the highest"}},
            0, std::min(a, b));
    } while (a == b || g == a || g == b || smallestPrimeFactor(g) == g ||
             !distinctWrong(g, {a / g * b, g / smallestPrimeFactor(g), std::min(a, b)}) ||
             wrong.size() < 3);
    QB q("hcf", 2);
    q.param("a", a).param("b", b);
    q.p("What is the highest common factor of <b>" + S(a) + "</b> and <b>" + S(b) + "</b>?");
    std::vector<long long> common;
    for (long long f : factorsOf(a))
        if (b % f == 0) common.push_back(f);
    say(q, "Factors of " + S(a) + ": " + joined(factorsOf(a)) + ".");
    say(q, "Factors of " + S(b) + ": " + joined(factorsOf(b)) + ".");
    say(q, "The factors in both lists are " + listedNums(common) + ". The highest is " + S(g) +
           ".");
    return q.number(r, k[0], g, "", wrong).done();
}

// The multiples of a and b up to their lowest common multiple, as lists.
void multiplesSteps(QB& q, int a, int b, const std::string& unit) {
    const long long l = static_cast<long long>(a) / gcdInt(a, b) * b;
    const std::string u = unit.empty() ? "" : " " + unit;
    say(q, "Multiples of " + S(a) + ": " + joined(multiplesUpTo(a, l)) + u + ".");
    say(q, "Multiples of " + S(b) + ": " + joined(multiplesUpTo(b, l)) + u + ".");
}

Question lcm(Rng& r, const std::string& k) {
    int a = 0;
    int b = 0;
    int g = 0;
    // Every option could be a lowest common multiple: none below the larger number.
    do {
        a = r.range(4, 15);
        b = r.range(4, 15);
        g = gcdInt(a, b);
    } while (a == b || g == 1 || g == a || g == b ||
             !distinctWrong(a / g * b, {a * b, std::max(a, b), a + b}));
    QB q("lcm", 2);
    q.param("a", a).param("b", b);
    q.p("What is the lowest common multiple of <b>" + S(a) + "</b> and <b>" + S(b) + "</b>?");
    multiplesSteps(q, a, b, "");
    say(q, "The first number in both lists is " + S(a / g * b) + ".");
    return q
        .number(r, k[0], a / g * b, "",
                std::vector<Slip>{
                    {a * b, "is the product: a common multiple, but not the lowest"},
                    {std::max(a, b), "is the larger number, but " + S(std::min(a, b)) +
                                         " does not divide it"},
                    {a + b, "adds the numbers"}})
        .done();
}

Question shopChange(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const std::vector<std::string> items = {"notebooks", "pencil cases",  "story books",
                                            "rulers",    "water bottles", "puzzles"};
    const std::string item = r.pick(items);
    int n = 0;
    int price = 0;
    int note = 0;
    do {
        n = r.range(3, 9);
        price = r.range(4, 11);
        note = n * price < 50 ? 50 : 100;
    } while (!distinctWrong(note - n * price, {n * price, note - (n - 1) * price, note - price}));
    QB q("shop_change", 2);
    q.param("n", n).param("price", price).param("note", note).param("who", who);
    q.p(who + " buys " + S(n) + " " + item + " at " + money(price) + " each and pays with " +
        withArticle(money(note)) + " note.");
    q.p("How much change does " + who + " get?");
    say(q, "The " + item + " cost " + S(n) + " &times; " + money(price) + " = " +
           money(n * price) + ".");
    say(q, "Change = " + money(note) + " &minus; " + money(n * price) + " = " +
           money(note - n * price) + ".");
    return q
        .number(r, k[0], note - n * price, "dollars",
                std::vector<Slip>{
                    {n * price, "is the cost of the " + item + ", not the change"},
                    {note - (n - 1) * price, "takes away the cost of " + S(n - 1) + " " + item +
                                                 ", not " + S(n)},
                    {note - price, "takes away the price of only one"}})
        .done();
}

Question numerals(Rng& r, const std::string& k) {
    int n = r.range(10000, 999999);
    if (r.chance(50)) n -= n % 1000 - r.range(0, 99);  // a gap of zeros in the middle
    QB q("numerals", 1);
    q.param("n", n);
    q.p("Write in numerals: <b>" + numberWords(n) + "</b>.");
    const int th = n / 1000;
    const int rest = n % 1000;
    say(q, capitalised(numberWords(th)) + " thousand is " + num(th) + " thousands: " + num(th) +
           " &times; 1000 = " + num(th * 1000) + ".");
    if (rest == 0)
        say(q, "Nothing follows the thousands, so the hundreds, tens and ones digits are all 0.");
    else
        say(q, "The rest, " + numberWords(rest) + ", is " + S(rest) +
               (rest < 10    ? ": no hundreds and no tens, so write 0 in both places"
                : rest < 100 ? ": no hundreds, so write 0 in the hundreds place"
                             : "") +
               ".");
    say(q, "So the number is " + num(th * 1000) + " + " + S(rest) + " = " + num(n) + ".");
    return q.number(r, k[0], n, "", {n + 1000, n - n % 1000 + (n % 1000) * 10 % 1000, n + 100})
        .done();
}

Question whoMore(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int a = 0;
    int b = 0;
    int g = 0;
    const bool overtakes = r.chance(50);  // half the time the gift changes who has more
    do {
        a = r.range(120, 480);
        b = r.range(80, 420);
        g = r.range(20, 150);
    } while (g >= a || a - g == b + g || a < b || (a - g < b + g) != overtakes);
    const std::string thing =
        r.pick(std::vector<std::string>{"stickers", "marbles", "stamps", "cards"});
    QB q("who_more", 2);
    q.param("a", a).param("b", b).param("give", g).param("x", x).param("y", y);
    q.p(x + " has " + S(a) + " " + thing + " and " + y + " has " + S(b) + " " + thing + ". " + x +
        " gives " + S(g) + " " + thing + " to " + y + ".");
    q.p("Who has more " + thing + " now?");
    q.note("Write the name.");
    q.answer();
    const std::string winner = (a - g > b + g) ? x : y;
    say(q, x + " gives " + S(g) + " away: " + S(a) + " &minus; " + S(g) + " = " + S(a - g) + " " +
           thing + ".");
    say(q, y + " gets " + S(g) + " more: " + S(b) + " + " + S(g) + " = " + S(b + g) + " " + thing +
           ".");
    say(q, "As " + S(std::max(a - g, b + g)) + " is more than " + S(std::min(a - g, b + g)) +
                ", " + winner + " has more " + thing + " now.");
    return q.part('T', winner).done();
}

Question attendance(Rng& r, const std::string& k) {
    const int classes = r.range(4, 9);
    const int size = r.range(24, 36);
    const int absent = r.range(5, 19);
    QB q("attendance", 2);
    q.param("classes", classes).param("size", size).param("absent", absent);
    q.p("A school has " + S(classes) + " classes with " + S(size) +
        " pupils in each class. On Monday " + S(absent) + " pupils were absent.");
    q.p("How many pupils were at school on Monday?");
    say(q, "Pupils in the school = " + S(classes) + " &times; " + S(size) + " = " +
           S(classes * size) + ".");
    say(q, "Pupils at school on Monday = " + S(classes * size) + " &minus; " + S(absent) + " = " +
           S(classes * size - absent) + " pupils.");
    return q
        .number(r, k[0], classes * size - absent, "pupils",
                std::vector<Slip>{
                    {classes * size, "forgets to take away the absent pupils"},
                    {classes * size + absent, "adds the absent pupils instead of taking them away"},
                    {classes * (size - absent), "takes " + S(absent) +
                                                    " pupils away from every class, not from the "
                                                    "whole school"}})
        .done();
}

bool isPrime(int n) {
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return n > 1;
}

Question primesBetween(Rng& r, const std::string& k) {
    int lo = 0;
    int hi = 0;
    do {
        lo = r.range(10, 60);
        hi = lo + r.range(12, 25);
    } while (isPrime(lo) || isPrime(hi));  // "between" then reads the same either way
    int count = 0;
    std::vector<long long> primes;
    std::vector<int> oddOthers;  // odd numbers that are not prime
    for (int n = lo + 1; n < hi; ++n) {
        count += isPrime(n);
        if (isPrime(n)) primes.push_back(n);
        else if (n % 2) oddOthers.push_back(n);
    }
    QB q("primes_between", 2);
    q.param("lo", lo).param("hi", hi);
    q.p("How many prime numbers are there between <b>" + S(lo) + "</b> and <b>" + S(hi) + "</b>?");
    say(q, "No even number here is prime, as each divides by 2, so check only the odd numbers.");
    auto factorised = [](int n) {
        const int p = smallestPrimeFactor(n);
        return S(n) + " = " + S(p) + " &times; " + S(n / p);
    };
    if (!oddOthers.empty()) {
        std::string others;
        for (int n : oddOthers) others += (others.empty() ? "" : ", ") + factorised(n);
        say(q, "These odd numbers are not prime: " + others + ".");
    }
    say(q, "The primes are " + listedNums(primes) + ": there " + (count == 1 ? "is " : "are ") +
           S(count) + " of them.");
    const std::string oneOther =
        oddOthers.empty() ? "" : "counts " + S(oddOthers[0]) + " as a prime, but " +
                                     factorised(oddOthers[0]);
    return q
        .number(r, k[0], count, "",
                std::vector<Slip>{
                    {count + 1, oneOther.empty() ? "counts an odd number that is not prime"
                                                 : oneOther},
                    {count + 2, oddOthers.size() < 2
                                    ? std::string("counts two numbers that are not prime")
                                    : "counts two odd numbers that are not prime, such as " +
                                          S(oddOthers[0]) + " and " + S(oddOthers[1])},
                    count > 1 ? Slip{count - 1, "misses one of the primes"}
                              : Slip{7, "counts the odd numbers, not the primes"}})
        .done();
}

// The remainders short division leaves after each digit, the last one included.
std::vector<long long> stepRemainders(long long n, long long d) {
    const std::string s = std::to_string(n);
    std::vector<long long> out;
    long long rem = 0;
    bool started = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const long long cur = rem * 10 + (s[i] - '0');
        rem = cur;
        if (!started && cur < d && i + 1 < s.size()) continue;
        started = true;
        rem = cur % d;
        out.push_back(rem);
    }
    return out;
}

Question remainder(Rng& r, const std::string& k) {
    int d = 0;
    int n = 0;
    std::vector<Slip> wrong;
    for (;;) {
        d = r.range(3, 12);
        n = r.range(100, 2000);
        if (n % d == 0 || !distinctWrong(n % d, {n / d, d - n % d, n % d + d})) continue;
        if (k == "N") break;
        // Every option could be a remainder: each is less than the divisor.
        const auto steps = stepRemainders(n, d);
        std::vector<Slip> candidates = {
            {d - n % d, "is what must be added to make another group of " + S(d) +
                            ", not what is left over"},
            {steps.front(), "is what is left over after the first digit, carried on, not the "
                            "remainder at the end"}};
        if (steps.size() > 2)
            candidates.push_back({steps[steps.size() - 2], "is what is left over before the last "
                                                           "digit is divided"});
        candidates.push_back({n % 10 % d, "divides only the ones digit"});
        wrong = possibleSlips(n % d, candidates, 0, d - 1);
        if (wrong.size() == 3) break;
    }
    QB q("remainder", 2);
    q.param("n", n).param("d", d);
    q.p("What is the remainder when <b>" + S(n) + "</b> is divided by <b>" + S(d) + "</b>?");
    say(q, "Divide digit by digit from the left:<br>" + working::shortDivision(n, d));
    say(q, "So " + S(n) + " &divide; " + S(d) + " is " + S(n / d) + " with " + S(n % d) +
           " left over. Check: " + S(d) + " &times; " + S(n / d) + " = " + S(d * (n / d)) +
           ", and " + S(n) + " &minus; " + S(d * (n / d)) + " = " + S(n % d) + ".");
    if (k == "N") return q.number(r, k[0], n % d, "", {n / d, d - n % d, n % d + d}).done();
    return q.number(r, k[0], n % d, "", wrong).done();
}

Question whichMultiple(Rng& r, const std::string& k) {
    (void)k;
    const int m = r.range(6, 13);
    const int right = m * r.range(12, 90);
    std::vector<TextSlip> wrong;
    while (wrong.size() < 3) {
        // Near misses: numbers a multiple or two away, so only dividing tells them apart.
        const int w = right + r.range(-40, 40);
        if (w > 0 && w % m && std::none_of(wrong.begin(), wrong.end(), [&](const TextSlip& s) {
                return s.text == S(w);
            }))
            wrong.push_back({S(w), "is not a multiple: " + S(w) + " &divide; " + S(m) + " is " +
                                       S(w / m) + " with " + S(w % m) + " left over"});
    }
    QB q("which_multiple", 1);
    q.param("m", m).param("right", right);
    q.p("Which of these numbers is a multiple of <b>" + S(m) + "</b>?");
    say(q, "A multiple of " + S(m) + " divides by " + S(m) + " with nothing left over.");
    say(q, S(right) + " &divide; " + S(m) + " = " + S(right / m) + " exactly, so " + S(right) +
           " is a multiple of " + S(m) + ": " + S(m) + " &times; " + S(right / m) + " = " +
           S(right) + ".");
    return q.choice(r, S(right), wrong).done();
}

Question numberLineWhole(Rng& r, const std::string& k) {
    const int step = r.pick(std::vector<int>{2, 5, 10, 20, 25, 50, 100});
    const int start = r.range(1, 90) * step * 2;
    const int intervals = 10;
    int at = 0;
    do at = r.range(1, intervals - 1);
    while (at == intervals / 2 ||
           !distinctWrong(start + at * step,
                          {start + at, start + (at + 1) * step, start + (at - 1) * step}));
    QB q("number_line", 1);
    const int end = start + intervals * step;
    q.param("start", start).param("end", end).param("intervals", intervals).param("at", at);
    q.p("The marks on the number line are equally spaced. What number is the arrow pointing to?");
    drawNumberLine(q.figure(300, 150,
                            "A number line from " + num(start) + " at the left end to " +
                                num(end) + " at the right end, cut into ten equal spaces by "
                                "marks. An arrow points to the mark " +
                                plural(at, "space", "spaces") + " to the right of " +
                                num(start) + "."),
                   intervals, num(start), num(end), at);
    const int ans = start + at * step;
    say(q, "The whole line: " + num(end) + " &minus; " + num(start) + " = " + num(end - start) +
           ", in 10 equal spaces.");
    say(q, "Each space: " + num(end - start) + " &divide; 10 = " + num(step) + ".");
    say(q, "The arrow is " + plural(at, "space", "spaces") + " after " + num(start) + ": " +
                num(start) + " + " +
           S(at) + " &times; " + num(step) + " = " + num(ans) + ".");
    return q
        .number(r, k[0], ans, "",
                std::vector<Slip>{{start + at, "counts each space as 1"},
                                  {ans + step, "counts one space too many"},
                                  {ans - step, "counts one space too few"}})
        .done();
}

// --- Missing numbers, digits and place value ---

Question missingAddend(Rng& r, const std::string& k) {
    for (;;) {
        const bool add = r.chance(50);
        const int a = r.range(2000, 9999);
        const int b = r.range(1000, a - 300);
        // add: ? + b = a, answer a - b.   take: a - ? = b, answer a - b.
        const long long ans = a - b;
        const std::vector<Slip> wrong = {{a + b, "adds instead of subtracting"},
                                         {subSmallerFromLarger(a, b), kNoExchange},
                                         {subNoPayBack(a, b), kNoPayBack}};
        if (!borrows(a, b) || !distinctWrong(ans, wrong)) continue;
        QB q("missing_addend", 1);
        q.param("form", add ? "add" : "take").param("a", a).param("b", b);
        q.p("What is the missing number?");
        q.p(add ? "<b>? + " + S(b) + " = " + S(a) + "</b>"
                : "<b>" + S(a) + " &minus; ? = " + S(b) + "</b>");
        say(q, add ? "The missing number and " + S(b) + " make " + S(a) + ", so it is " + S(a) +
                         " &minus; " + S(b) + "."
                   : "Taking the missing number from " + S(a) + " leaves " + S(b) +
                         ", so it is " + S(a) + " &minus; " + S(b) + ".");
        subtractionSteps(q, a, b);
        say(q, S(a) + " &minus; " + S(b) + " = " + S(ans) + ". Check: " +
               (add ? S(ans) + " + " + S(b) + " = " + S(a)
                    : S(a) + " &minus; " + S(ans) + " = " + S(b)) +
               ".");
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

Question missingFactor(Rng& r, const std::string& k) {
    const bool times = r.chance(50);
    const int m = r.range(3, 12);
    const int ans = r.range(12, 99);
    QB q("missing_factor", 2);
    const int p = ans * m;
    if (times) {
        // ? x m = p
        q.param("form", "times").param("m", m).param("p", p);
        q.p("What is the missing number?");
        q.p("<b>? &times; " + S(m) + " = " + S(p) + "</b>");
        say(q, "The missing number times " + S(m) + " makes " + S(p) + ", so it is " + S(p) +
               " &divide; " + S(m) + ".");
    } else {
        // p / ? = m
        q.param("form", "divide").param("m", m).param("p", p);
        q.p("What is the missing number?");
        q.p("<b>" + S(p) + " &divide; ? = " + S(m) + "</b>");
        say(q, "Dividing " + S(p) + " by the missing number gives " + S(m) + ", so " + S(m) +
               " times the missing number makes " + S(p) + ": the missing number is " + S(p) +
               " &divide; " + S(m) + ".");
    }
    say(q, working::shortDivision(p, m));
    say(q, S(p) + " &divide; " + S(m) + " = " + S(ans) + ". Check: " +
           (times ? S(ans) + " &times; " + S(m) + " = " + S(p)
                  : S(p) + " &divide; " + S(ans) + " = " + S(m)) +
           ".");
    return q
        .number(r, k[0], ans, "",
                std::vector<Slip>{{p * m, "multiplies instead of dividing"},
                                  {p - m, "subtracts instead of dividing"},
                                  {ans * 10, "puts a zero too many in the answer"}})
        .done();
}

Question numberToWords(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int n = r.range(10000, 99999);
        const std::string s = std::to_string(n);
        const auto zero = s.find('0', 1);
        if (zero == std::string::npos || zero == s.size() - 1 || s[zero + 1] == '0') continue;
        std::string dropped = s;
        dropped.erase(zero, 1);
        std::string extra = s;
        extra.insert(zero, "0");
        const long long swapped = swapDigits(n, zero, zero + 1);
        const std::string emptyPlace = placeName(static_cast<int>(s.size() - 1 - zero));
        QB q("number_words", 1);
        q.param("n", n);
        q.p("Which of these is <b>" + num(n) + "</b> written in words?");
        say(q, "Split " + num(n) + " at the thousands: " + S(n / 1000) + " thousands and " +
               S(n % 1000) + ".");
        say(q, "Read each part: " + S(n / 1000) + " thousands is " + numberWords(n / 1000) +
                    " thousand, and " +
               S(n % 1000) + " is " + numberWords(n % 1000) + ". " +
               (emptyPlace == "thousands"
                    ? "The 0 in the thousands place is part of " + numberWords(n / 1000) +
                          " thousand: there are no thousands beyond it."
                    : "The 0 means there are no " + emptyPlace + "."));
        say(q, "So " + num(n) + " is " + numberWords(n) + ".");
        return q
            .choice(r, numberWords(n),
                    std::vector<TextSlip>{
                        {numberWords(std::stoi(dropped)),
                         "leaves out the empty " + emptyPlace + " place, so it is the number " +
                             num(std::stoi(dropped))},
                        {numberWords(static_cast<int>(swapped)),
                         "reads the 0 in the wrong place, so it is the number " + num(swapped)},
                        {numberWords(std::stoi(extra)),
                         "puts in a zero too many, so it is the number " +
                             num(std::stoi(extra))}})
            .done();
    }
}

Question largestFromDigits(Rng& r, const std::string& k) {
    for (;;) {
        std::vector<int> digits;
        const bool withZero = r.chance(60);
        if (withZero) digits.push_back(0);
        while (digits.size() < 5) {
            const int d = r.range(1, 9);
            if (std::find(digits.begin(), digits.end(), d) == digits.end()) digits.push_back(d);
        }
        r.shuffle(digits);
        const bool largest = r.chance(50);
        auto join = [](const std::vector<int>& v) {
            long long x = 0;
            for (int d : v) x = x * 10 + d;
            return x;
        };
        std::vector<int> up = digits;
        std::sort(up.begin(), up.end());
        std::vector<int> down(up.rbegin(), up.rend());
        // A five-digit number cannot start with 0: the slip that keeps the zero out of the
        // front by putting it last still makes one.
        const long long zeroLast = join({up.begin() + 1, up.end()}) * 10;
        std::vector<int> smallest = up;
        if (smallest[0] == 0) std::swap(smallest[0], smallest[1]);
        std::vector<int> nextDown = down;
        std::swap(nextDown[3], nextDown[4]);
        std::vector<int> nextUp = smallest;
        std::swap(nextUp[3], nextUp[4]);
        const long long ans = largest ? join(down) : join(smallest);
        std::vector<int> firstTwo = down;
        std::swap(firstTwo[0], firstTwo[1]);
        const std::vector<Slip> wrong =
            largest ? std::vector<Slip>{{join(smallest), "is the smallest number, not the largest"},
                                        {join(nextDown), "has the last two digits the wrong way "
                                                         "round"},
                                        {join(firstTwo), "has the first two digits the wrong way "
                                                         "round"}}
                    : std::vector<Slip>{withZero ? Slip{zeroLast, "puts the 0 last instead of "
                                                                  "second"}
                                                 : Slip{join(nextDown), "is the second largest "
                                                                        "number, not the "
                                                                        "smallest"},
                                        {join(down), "is the largest number, not the smallest"},
                                        {join(nextUp), "has the last two digits the wrong way "
                                                       "round"}};
        const long long zeroFirst = join(up);  // the slip this family used to offer
        if (!distinctWrong(ans, {withZero && !largest ? zeroFirst : wrong[0].value,
                                 wrong[1].value, wrong[2].value}) ||
            !distinctWrong(ans, wrong))
            continue;
        std::string list;
        for (int d : digits) list += (list.empty() ? "" : ",") + S(d);
        QB q("largest_from_digits", 2);
        q.param("digits", list).param("which", largest ? "largest" : "smallest");
        std::string shown;
        for (std::size_t i = 0; i < digits.size(); ++i)
            shown += (i ? (i + 1 == digits.size() ? " and " : ", ") : "") + S(digits[i]);
        q.p("Use each of the digits <b>" + shown + "</b> once to make a five-digit number.");
        q.p(std::string("What is the <b>") + (largest ? "largest" : "smallest") +
            "</b> number you can make?");
        std::string ordered;
        for (int d : largest ? down : up) ordered += (ordered.empty() ? "" : ", ") + S(d);
        if (largest) {
            say(q, "The largest digit goes in the highest place, the ten thousands, then the "
                   "next largest, and so on: " + ordered + ".");
        } else {
            say(q, "The smallest digit goes in the highest place, the ten thousands, then the "
                   "next smallest, and so on: " + ordered + ".");
            if (withZero)
                say(q, "A five-digit number cannot start with 0, so the smallest of the other "
                       "digits, " + S(up[1]) + ", comes first and the 0 second.");
        }
        say(q, std::string("The ") + (largest ? "largest" : "smallest") + " number is " +
               num(ans) + ".");
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

// Why a number is not the greatest (or the smallest) of a list: the first place it differs.
std::string comparedWith(long long x, long long right, bool greatest) {
    if (x < 10000 || right < 10000) {
        return x < 10000 ? "has only four digits, so it is less than any five-digit number"
                         : "has five digits, so it is greater than the four-digit " + num(right);
    }
    const std::string sx = std::to_string(x);
    const std::string sr = std::to_string(right);
    std::size_t i = 0;
    while (sx[i] == sr[i]) ++i;
    return std::string("is ") + (greatest ? "smaller" : "greater") + ": its " +
           placeName(static_cast<int>(sx.size() - 1 - i)) + " digit is " + sx.substr(i, 1) +
           ", against " + sr.substr(i, 1) + " in " + num(right);
}

Question compareNumbers(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const bool greatest = r.chance(50);
        std::vector<long long> v;
        if (greatest) {
            // A five-digit number beats a four-digit one with a bigger first digit.
            const long long base = r.range(2, 7) * 10000LL + r.range(0, 9999);
            v = {base, swapDigits(base, 1, 2), swapDigits(base, 3, 4),
                 r.range(8, 9) * 1000LL + r.range(0, 999)};
        } else {
            // A four-digit number is smaller than a five-digit one that starts with 1.
            const long long base = 10000 + r.range(0, 9999);
            v = {r.range(8, 9) * 1000LL + r.range(0, 999), base, swapDigits(base, 1, 2),
                 swapDigits(base, 2, 4)};
        }
        if (std::set<long long>(v.begin(), v.end()).size() != v.size()) continue;
        const long long right = greatest ? *std::max_element(v.begin(), v.end())
                                         : *std::min_element(v.begin(), v.end());
        std::vector<TextSlip> wrong;
        std::string list;
        for (long long x : v) {
            list += (list.empty() ? "" : ",") + S(x);
            if (x != right) wrong.push_back({num(x), comparedWith(x, right, greatest)});
        }
        QB q("compare_numbers", 1);
        q.param("vals", list).param("which", greatest ? "greatest" : "smallest");
        q.p(std::string("Which of these numbers is the <b>") +
            (greatest ? "greatest" : "smallest") + "</b>?");
        std::vector<long long> up = v;
        std::sort(up.begin(), up.end());
        say(q, "A four-digit number is less than any five-digit number. Five-digit numbers are "
               "compared digit by digit from the left: the first digit that differs decides.");
        say(q, "In order from the smallest: " + joined(up) + ".");
        say(q, std::string("So the ") + (greatest ? "greatest" : "smallest") + " is " + num(right) +
               ".");
        return q.choice(r, num(right), wrong).done();
    }
}

Question wholeEstimate(Rng& r, const std::string& k) {
    for (;;) {
        const int form = r.range(1, 3);  // 1 add, 2 subtract (nearest hundred), 3 multiply (ten)
        const int to = form == 3 ? 10 : 100;
        const int a = form == 3 ? r.range(21, 98) : r.range(2100, 9899);
        const int b = form == 3 ? r.range(12, 89) : r.range(1100, a - 600);
        if (a % to * 2 == to || b % to * 2 == to || a % to == 0 || b % to == 0) continue;
        const long long ra = roundTo(a, to);
        const long long rb = roundTo(b, to);
        const long long ta = a - a % to;
        const long long tb = b - b % to;
        long long ans = 0;
        std::vector<Slip> wrong;
        std::string op;
        // The exact answer is the slip this family used to offer; an estimate made from
        // rounded numbers is a multiple of what they were rounded to, and so is every option.
        // One number rounded the wrong way: one that should round down, so the slip is not the
        // same as cutting both down.
        const bool firstUp = ra > a && rb < b;
        const long long otherA = ra > a ? ra - to : ra + to;
        const long long otherB = rb > b ? rb - to : rb + to;
        const std::string wrongWay = "rounds " + (firstUp ? num(b) : num(a)) +
                                     " the wrong way, to " + (firstUp ? num(otherB) : num(otherA));
        const long long slipA = firstUp ? ra : otherA;
        const long long slipB = firstUp ? otherB : rb;
        const std::string cut = "cuts both numbers down instead of rounding them";
        long long exact = 0;
        if (form == 1) {
            ans = ra + rb;
            op = " + ";
            exact = a + b;
            wrong = {{slipA + slipB, wrongWay}, {ta + tb, cut},
                     {roundTo(a, 1000) + roundTo(b, 1000), "rounds to the nearest 1000, not 100"}};
        } else if (form == 2) {
            ans = ra - rb;
            op = " &minus; ";
            exact = a - b;
            wrong = {{slipA - slipB, wrongWay}, {ta - tb, cut},
                     {ra + rb, "adds the rounded numbers instead of subtracting"}};
        } else {
            ans = ra * rb;
            op = " &times; ";
            exact = static_cast<long long>(a) * b;
            wrong = {{slipA * slipB, wrongWay}, {ta * tb, cut},
                     {ra + rb, "adds the rounded numbers instead of multiplying"}};
        }
        if (!distinctWrong(ans, {exact, wrong[1].value, wrong[2].value}) ||
            !distinctWrong(ans, wrong))
            continue;
        QB q("whole_estimate", 2);
        q.param("a", a)
            .param("b", b)
            .param("op", form == 1   ? "add"
                         : form == 2 ? "sub"
                                     : "mul")
            .param("to", to);
        q.p("Estimate <b>" + S(a) + op + S(b) +
            "</b> by first rounding each number to the nearest " + S(to) + ".");
        q.p("What is your estimate?");
        auto rounding = [&](long long n, long long rn) {
            const long long digit = n % to / (to / 10);
            return num(n) + " rounds " + (rn > n ? "up" : "down") + " to " + num(rn) + ", as its " +
                   placeName(placeOf(to) - 1) + " digit is " + S(digit);
        };
        say(q, "Round each number to the nearest " + S(to) + ": " + rounding(a, ra) + "; " +
               rounding(b, rb) + ".");
        say(q, "Estimate: " + num(ra) + op + num(rb) + " = " + num(ans) + ".");
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

Question whichCorrect(Rng& r, const std::string& k) {
    (void)k;
    // Four sums or differences; three carry a real column slip in their result.
    const bool add = r.chance(50);
    std::string right;
    std::vector<TextSlip> wrong;
    std::vector<std::string> worked;
    const int rightAt = r.range(0, 3);
    for (int i = 0; i < 4; ++i) {
        int a = 0;
        int b = 0;
        long long shown = 0;
        long long truth = 0;
        std::string why;
        for (;;) {
            a = r.range(2100, 9899);
            b = r.range(1100, add ? 9899 : a - 300);
            truth = add ? a + b : a - b;
            if (i == rightAt) {
                if (add ? carryPlaces(a, b).empty() : !borrows(a, b)) continue;
                shown = truth;
                break;
            }
            // add: a carry dropped or the first one forgotten; take: a borrow slip
            const auto carries = carryPlaces(a, b);
            const long long slip = add ? (i % 2             ? addNoCarry(a, b)
                                          : carries.empty() ? truth
                                                            : truth - carries[0])
                                       : (i % 2 ? subSmallerFromLarger(a, b) : subNoPayBack(a, b));
            if (slip != truth && slip > 0) {
                shown = slip;
                why = add ? (i % 2 ? "drops every carry"
                                   : "forgets to carry 1 to the " +
                                         placeName(placeOf(carries[0])))
                          : (i % 2 ? kNoExchange : kNoPayBack);
                break;
            }
        }
        const std::string sign = add ? " + " : " &minus; ";
        const std::string text = S(a) + sign + S(b) + " = " + num(shown);
        if (text == right || std::any_of(wrong.begin(), wrong.end(),
                                         [&](const TextSlip& w) { return w.text == text; })) {
            --i;  // the same calculation twice: draw again
            continue;
        }
        worked.push_back(S(a) + sign + S(b) + " = " + num(truth));
        if (i == rightAt)
            right = text;
        else
            wrong.push_back({text, why + ": the answer is " + num(truth)});
    }
    QB q("which_correct", 2);
    q.param("op", add ? "add" : "sub");
    q.p("Only one of these calculations is correct. Which one?");
    std::string lines;
    for (const auto& w : worked) lines += (lines.empty() ? "" : "<br>") + w;
    say(q, std::string("Work each one out in columns, ") +
           (add ? "carrying" : "exchanging") + " where needed:<br>" + lines);
    say(q, "Only one calculation shows its right answer: " + right + ".");
    return q.choice(r, right, wrong).done();
}

Question squaresCubes(Rng& r, const std::string& k) {
    const bool square = r.chance(60);
    const int n = square ? r.range(11, 25) : r.range(4, 10);
    const int p = square ? 2 : 3;
    const long long ans = square ? n * n : n * n * n;
    QB q("squares_cubes", 1);
    q.param("n", n).param("power", p);
    const std::string power = S(n) + "<sup>" + S(p) + "</sup>";
    q.p("Work out <b>" + power + "</b>.");
    if (square) {
        say(q, power + " means " + S(n) + " &times; " + S(n) + ", the number times itself.");
        const int tens = n / 10 * 10;
        const int ones = n % 10;
        say(q, power + " = " + S(n) + " &times; " + S(n) +
               (ones ? " = " + S(n) + " &times; " + S(tens) + " + " + S(n) + " &times; " +
                           S(ones) + " = " + S(n * tens) + " + " + S(n * ones)
                     : "") +
               " = " + S(ans) + ".");
    } else {
        say(q, power + " means " + S(n) + " &times; " + S(n) + " &times; " + S(n) +
               ", three of the number multiplied together.");
        say(q, power + " = " + S(n) + " &times; " + S(n) + " &times; " + S(n) + " = " +
               S(n * n) + " &times; " + S(n) + " = " + S(ans) + ".");
    }
    return q
        .number(r, k[0], ans, "",
                std::vector<Slip>{
                    {n * p, "multiplies " + S(n) + " by " + S(p) + " instead of by itself"},
                    {square ? n * n * n : n * n,
                     square ? "works out the cube, not the square" : "works out the square, "
                                                                     "not the cube"},
                    {ans - n, square ? "works out " + S(n) + " &times; " + S(n - 1) +
                                           ", one " + S(n) + " too few"
                                     : "is one lot of " + S(n) + " short of the answer"}})
        .done();
}

Question squareRoot(Rng& r, const std::string& k) {
    const int n = r.pick(std::vector<int>{12, 14, 16, 18, 22, 24, 30, 40, 50, 60, 70, 80, 90});
    QB q("square_root", 1);
    q.param("square", n * n);
    q.p("What is the square root of <b>" + num(n * n) + "</b>?");
    say(q, "The square root of " + num(n * n) + " is the number that, multiplied by itself, "
           "makes " + num(n * n) + ".");
    if (n % 10) {
        const int lo = n / 10 * 10;
        say(q, S(lo) + " &times; " + S(lo) + " = " + num(lo * lo) + ", and " + S(lo + 10) +
               " &times; " + S(lo + 10) + " = " + num((lo + 10) * (lo + 10)) +
               ", so it lies between " + S(lo) + " and " + S(lo + 10) + ".");
    }
    say(q, S(n) + " &times; " + S(n) + " = " + num(n * n) + ", so the square root is " + S(n) +
           ".");
    return q
        .number(r, k[0], n, "",
                std::vector<Slip>{{n * n / 2, "halves the number instead"},
                                  {n + 1, "is the square root of " + num((n + 1) * (n + 1))},
                                  {n - 1, "is the square root of " + num((n - 1) * (n - 1))}})
        .done();
}

// "2 &times; 3 &times; 7 &times; 11".
std::string productOf(const std::vector<int>& factors) {
    std::string s;
    for (int f : factors) s += (s.empty() ? "" : " &times; ") + S(f);
    return s;
}

Question largestPrimeFactor(Rng& r, const std::string& k) {
    const std::vector<int> primes = {2, 3, 5, 7, 11, 13, 17, 19};
    for (;;) {
        std::vector<int> chosen;
        int n = 1;
        const int count = r.range(3, 4);
        for (int i = 0; i < count; ++i) {
            const int p = r.pick(primes);
            chosen.push_back(p);
            n *= p;
        }
        std::vector<int> all = chosen;  // with repeats, smallest first
        std::sort(all.begin(), all.end());
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        if (chosen.size() < 3 || n > 999 || n < 60) continue;
        const int big = chosen.back();
        const std::vector<Slip> wrong = {
            {n / chosen.front(), "is a factor, but not a prime: " + S(n / chosen.front()) + " = " +
                                     productOf({all.begin() + 1, all.end()})},
            {chosen[chosen.size() - 2], "is a prime factor, but not the largest"},
            {chosen.front(), "is the smallest prime factor"}};
        if (!distinctWrong(big, wrong)) continue;
        QB q("largest_prime_factor", 2);
        q.param("n", n);
        q.p("What is the largest prime factor of <b>" + S(n) + "</b>?");
        std::string ladder;
        int left = n;
        for (std::size_t i = 0; i + 1 < all.size(); ++i) {
            ladder += (ladder.empty() ? "" : ", ") + S(left) + " &divide; " + S(all[i]) + " = " +
                      S(left / all[i]);
            left /= all[i];
        }
        say(q, "Divide by primes, the smallest first: " + ladder + ", and " + S(left) +
               " is prime.");
        say(q, "So " + S(n) + " = " + productOf(all) + ".");
        std::vector<long long> distinct(chosen.begin(), chosen.end());
        say(q, "The prime factors are " + listedNums(distinct) + ". The largest is " + S(big) +
               ".");
        return q.number(r, k[0], big, "", wrong).done();
    }
}

Question factorCount(Rng& r, const std::string& k) {
    for (;;) {
        const int n = r.range(12, 100);
        int count = 0;
        bool square = false;
        int root = 0;
        for (int d = 1; d <= n; ++d) {
            count += n % d == 0;
            if (d * d == n) {
                square = true;
                root = d;
            }
        }
        if (count < 6) continue;
        QB q("factor_count", 2);
        q.param("n", n);
        q.p("How many factors does <b>" + S(n) + "</b> have?");
        std::string pairs;
        for (int d = 1; d * d <= n; ++d)
            if (n % d == 0) pairs += (pairs.empty() ? "" : ", ") + S(d) + " and " + S(n / d);
        say(q, "Find the factors in pairs that multiply to make " + S(n) + ": " + pairs + ".");
        say(q, "The factors are " + joined(factorsOf(n)) +
               (square ? ", with " + S(root) + " counted once as it pairs with itself" : "") + ".");
        say(q, "So " + S(n) + " has " + S(count) + " factors.");
        return q
            .number(r, k[0], count, "",
                    std::vector<Slip>{
                        {count - 1, "leaves out 1 or " + S(n) + " itself"},
                        {count / 2, "counts the pairs, not the factors"},
                        square ? Slip{count + 1, "counts " + S(root) + " twice"}
                               : Slip{count - 2, "leaves out both 1 and " + S(n)}})
            .done();
    }
}

// --- Charts and tables ---

Question wholeBarChart(Rng& r, const std::string& k) {
    const std::vector<std::string> days = {"Mon", "Tue", "Wed", "Thu", "Fri"};
    const std::vector<std::string> full = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    const int step = r.pick(std::vector<int>{10, 20, 50});
    for (;;) {
        std::vector<int> v;
        for (int i = 0; i < 5; ++i) v.push_back(r.range(1, 12) * step / 2);
        const bool total = r.chance(40);
        const int i = r.range(0, 4);
        int j = r.range(0, 4);
        if (i == j || v[static_cast<std::size_t>(i)] <= v[static_cast<std::size_t>(j)]) continue;
        const int a = v[static_cast<std::size_t>(i)];
        const int b = v[static_cast<std::size_t>(j)];
        const std::string dayI = full[static_cast<std::size_t>(i)];
        const std::string dayJ = full[static_cast<std::size_t>(j)];
        int sum = 0;
        for (int x : v) sum += x;
        const long long ans = total ? sum : a - b;
        const std::string misread = "reads one bar half a step, " + S(step / 2) + " books, too ";
        const std::vector<Slip> wrong =
            total ? std::vector<Slip>{{sum - v[4], "leaves out Friday"},
                                      {sum + step / 2, misread + "high"},
                                      {sum - step / 2, misread + "low"}}
                  : std::vector<Slip>{{a + b, "adds the two days instead of finding the "
                                              "difference"},
                                      {a - b + step / 2, "reads one of the bars half a step, " +
                                                             S(step / 2) + " books, out"},
                                      {a, "reads only the " + dayI + " bar"}};
        if (!distinctWrong(ans, wrong)) continue;
        std::string list;
        std::string read;
        std::string seen;  // what the picture shows: a bar on a gridline or halfway between two
        std::vector<std::pair<std::string, int>> bars;
        for (std::size_t d = 0; d < 5; ++d) {
            list += (list.empty() ? "" : ",") + S(v[d]);
            read += (read.empty() ? "" : ", ") + full[d] + " " + S(v[d]);
            const int below = v[d] / step * step;
            seen += (seen.empty() ? "" : ", ") + days[d] +
                    (v[d] == below ? " " + S(v[d])
                                   : " halfway between " + S(below) + " and " + S(below + step));
            bars.emplace_back(days[d], v[d]);
        }
        const int top = (*std::max_element(v.begin(), v.end()) + step - 1) / step * step;
        QB q("whole_bar_chart", 2);
        q.param("vals", list).param("step", step);
        q.p("The bar chart shows the number of books borrowed from a library each day.");
        drawBarChart(q.figure(300, 200,
                              "A bar chart of books borrowed each day, with bars for Mon, Tue, "
                              "Wed, Thu and Fri on a scale of books from 0 to " + S(top) +
                                  " in steps of " + S(step) + ". The bars reach: " + seen + "."),
                     bars, step, "books");
        say(q, "Read each bar against the scale, which goes up in steps of " + S(step) +
               "; a bar that stops halfway between two lines is " + S(step / 2) + " more than "
               "the lower one: " + read + ".");
        if (total) {
            q.param("ask", "total");
            q.p("How many books were borrowed from Monday to Friday altogether?");
            std::string sumText;
            for (int x : v) sumText += (sumText.empty() ? "" : " + ") + S(x);
            say(q, "Books altogether = " + sumText + " = " + S(sum) + " books.");
        } else {
            q.param("ask", "more").param("i", i).param("j", j);
            q.p("How many more books were borrowed on " + dayI + " than on " + dayJ + "?");
            say(q, dayI + " &minus; " + dayJ + " = " + S(a) + " &minus; " + S(b) + " = " +
                   S(a - b) + " books.");
        }
        return q.number(r, k[0], ans, "books", wrong).done();
    }
}

std::string sumText(const std::vector<int>& v) {
    std::string s;
    for (int x : v) s += (s.empty() ? "" : " + ") + S(x);
    return s;
}

Question wholeTableTotal(Rng& r, const std::string& k) {
    const std::vector<std::string> classes = {"4A", "4B", "5A", "5B"};
    for (;;) {
        std::vector<int> fri;
        std::vector<int> sat;
        int tf = 0;
        int ts = 0;
        for (int i = 0; i < 4; ++i) {
            fri.push_back(r.range(18, 95));
            sat.push_back(r.range(25, 140));
            tf += fri.back();
            ts += sat.back();
        }
        const bool total = r.chance(50);
        if (!total && ts <= tf) continue;
        const long long ans = total ? tf + ts : ts - tf;
        const std::vector<Slip> wrong =
            total ? std::vector<Slip>{{ts, "counts Saturday only"},
                                      {tf, "counts Friday only"},
                                      {tf + ts - sat[3], "leaves out class 5B on Saturday"}}
                  : std::vector<Slip>{{ts, "is Saturday's total, with Friday's not taken away"},
                                      {tf + ts, "adds the two days instead of finding the "
                                                "difference"},
                                      {ts - tf - (sat[3] - fri[3]), "leaves out class 5B"}};
        if (!distinctWrong(ans, wrong)) continue;
        std::vector<std::vector<std::string>> rows;
        std::string f;
        std::string s;
        for (std::size_t i = 0; i < 4; ++i) {
            rows.push_back({classes[i], S(fri[i]), S(sat[i])});
            f += (f.empty() ? "" : ",") + S(fri[i]);
            s += (s.empty() ? "" : ",") + S(sat[i]);
        }
        QB q("whole_table_total", 2);
        q.param("fri", f).param("sat", s).param("ask", total ? "total" : "more");
        q.p("Four classes sold tickets for the school concert. The table shows how many tickets "
            "each class sold.");
        q.raw(tableHtml({"Class", "Friday", "Saturday"}, rows));
        q.p(total ? "How many tickets were sold altogether?"
                  : "How many more tickets were sold on Saturday than on Friday?");
        say(q, "Tickets sold on Friday = " + sumText(fri) + " = " + S(tf) + ".");
        say(q, "Tickets sold on Saturday = " + sumText(sat) + " = " + S(ts) + ".");
        say(q, total ? "Altogether = " + S(tf) + " + " + S(ts) + " = " + S(ans) + " tickets."
                     : "More on Saturday = " + S(ts) + " &minus; " + S(tf) + " = " + S(ans) +
                           " tickets.");
        return q.number(r, k[0], ans, "tickets", wrong).done();
    }
}

Question wholeTableMost(Rng& r, const std::string& k) {
    const std::vector<std::string> teams = {"Red", "Blue", "Green", "Yellow"};
    for (;;) {
        std::vector<std::vector<int>> pts(4);
        std::vector<int> sum(4, 0);
        for (std::size_t t = 0; t < 4; ++t)
            for (int g = 0; g < 3; ++g) {
                pts[t].push_back(r.range(12, 48));
                sum[t] += pts[t].back();
            }
        const auto best = std::max_element(sum.begin(), sum.end()) - sum.begin();
        if (std::count(sum.begin(), sum.end(), sum[static_cast<std::size_t>(best)]) != 1) continue;
        // The best single game belongs to another team, so reading one column is not enough.
        int topGame = 0;
        std::size_t topTeam = 0;
        for (std::size_t t = 0; t < 4; ++t)
            for (int x : pts[t])
                if (x > topGame) {
                    topGame = x;
                    topTeam = t;
                }
        if (topTeam == static_cast<std::size_t>(best)) continue;
        std::vector<std::vector<std::string>> rows;
        QB q("whole_table_most", 2);
        for (std::size_t t = 0; t < 4; ++t) {
            rows.push_back({teams[t], S(pts[t][0]), S(pts[t][1]), S(pts[t][2])});
            q.param(teams[t], S(pts[t][0]) + "," + S(pts[t][1]) + "," + S(pts[t][2]));
        }
        q.p("Four teams played three games in a quiz. The table shows the points each team "
            "scored.");
        q.raw(tableHtml({"Team", "Game 1", "Game 2", "Game 3"}, rows));
        q.p("Which team scored the most points altogether?");
        const std::string right = teams[static_cast<std::size_t>(best)];
        const int most = sum[static_cast<std::size_t>(best)];
        std::string lines;
        for (std::size_t t = 0; t < 4; ++t)
            lines += (lines.empty() ? "" : "<br>") + teams[t] + ": " + sumText(pts[t]) + " = " +
                     S(sum[t]);
        say(q, "Add each team's points over the three games:<br>" + lines);
        say(q, right + " has the most points altogether, " + S(most) + ".");
        if (k == "Q") {
            std::vector<TextSlip> wrong;
            for (std::size_t t = 0; t < 4; ++t) {
                if (teams[t] == right) continue;  // includes the team with the best game
                wrong.push_back(
                    {teams[t], t == topTeam ? "scores " + S(topGame) + " points in one game, but only " +
                                                  S(sum[t]) +
                                                  " altogether, fewer than " + S(most)
                                            : "scored " + S(sum[t]) + " points altogether, fewer "
                                                                      "than " + S(most)});
            }
            return q.choice(r, right, wrong).done();
        }
        q.note("Write the name of the team.");
        q.answer();
        return q.part('T', right).done();
    }
}

// --- Word problems ---

Question busesNeeded(Rng& r, const std::string& k) {
    for (;;) {
        const int pupils = r.range(120, 400);
        const int adults = r.range(6, 15);
        const int seats = r.pick(std::vector<int>{40, 45, 48, 52, 55});
        const int all = pupils + adults;
        const int ans = (all + seats - 1) / seats;
        // The adults need one more bus than the pupils alone would.
        const std::vector<Slip> wrong = {
            {(pupils + seats - 1) / seats, "forgets the adults, so it is one bus short"},
            {pupils / seats, "forgets the adults and leaves out the part-filled bus"},
            {all % seats, "is the number of people left over, not a number of buses"}};
        if (all % seats == 0 || pupils % seats == 0 || wrong[0].value != Frac(ans - 1) ||
            !distinctWrong(ans, wrong))
            continue;
        QB q("buses_needed", 2);
        q.param("pupils", pupils).param("adults", adults).param("seats", seats);
        q.p("There are " + S(pupils) + " pupils and " + S(adults) +
            " adults going on a school trip. Each bus has " + S(seats) + " seats.");
        q.p("How many buses are needed so that everyone has a seat?");
        const int full = all / seats;
        say(q, "People going = " + S(pupils) + " + " + S(adults) + " = " + S(all) + ".");
        say(q, "The " + S(full) + " full buses seat " + S(full) + " &times; " + S(seats) +
                    " = " + S(full * seats) + " people, which leaves " + S(all) + " &minus; " +
                    S(full * seats) + " = " +
                    plural(all % seats, "person", "people") + " without a seat.");
        say(q, "They need one more bus: " + S(full) + " + 1 = " + S(ans) + " buses.");
        return q.number(r, k[0], ans, "buses", wrong).done();
    }
}

Question fullBoxes(Rng& r, const std::string& k) {
    for (;;) {
        const int box = r.pick(std::vector<int>{6, 12, 15, 24, 30});
        const int eggs = r.range(100, 999);
        const int ans = eggs / box;
        const std::vector<Slip> wrong = {
            {(eggs + box - 1) / box, "counts the part-filled box as full"},
            {eggs % box, "is the number of eggs left over, not of boxes"},
            {static_cast<long long>(ans) * box, "is the number of eggs packed, not of boxes"}};
        if (eggs % box == 0 || !distinctWrong(ans, wrong)) continue;
        QB q("full_boxes", 2);
        q.param("eggs", eggs).param("box", box);
        q.p("A farm collected " + S(eggs) + " eggs. The eggs are packed in boxes of " + S(box) +
            ".");
        q.p("How many boxes can be filled?");
        say(q, "Divide the eggs into boxes of " + S(box) + ":<br>" +
               working::shortDivision(eggs, box));
        const std::string left = plural(eggs % box, "egg", "eggs");
        say(q, "The " + S(ans) + " full boxes hold " + S(ans) + " &times; " + S(box) + " = " +
                    S(ans * box) + " eggs, and " + S(eggs) + " &minus; " + S(ans * box) + " = " +
                    left + (eggs % box == 1 ? " is" : " are") + " left over.");
        say(q, "The " + left + " left over " + (eggs % box == 1 ? "does" : "do") +
                    " not fill a box, so " + S(ans) + " boxes can be filled.");
        return q.number(r, k[0], ans, "boxes", wrong).done();
    }
}

Question wholeSequence(Rng& r, const std::string& k) {
    for (;;) {
        const int step = r.range(3, 25) * (r.chance(30) ? -1 : 1);
        const int first = step > 0 ? r.range(2, 150) : r.range(120, 300);
        std::vector<int> t;
        for (int i = 0; i < 6; ++i) t.push_back(first + i * step);
        if (t.back() <= 0) continue;
        const int gap = r.chance(50) ? 5 : r.range(1, 4);  // 5: the next number
        const long long ans = t[static_cast<std::size_t>(gap)];
        const std::vector<Slip> wrong = {{ans + step, "skips a number of the sequence"},
                                         {ans + 1, "counts on one too many"},
                                         {ans - 1, "counts on one too few"}};
        if (!distinctWrong(ans, wrong)) continue;
        std::string shown;
        std::string list;
        for (std::size_t i = 0; i < t.size(); ++i) {
            shown += (i ? ", " : "") + (static_cast<int>(i) == gap ? std::string("?") : S(t[i]));
            if (static_cast<int>(i) != gap) list += (list.empty() ? "" : ",") + S(t[i]);
        }
        QB q("whole_sequence", 1);
        q.param("shown", list).param("gap", gap);
        q.p("The numbers in this sequence go up or down by the same amount each time.");
        q.p("<b>" + shown + "</b>");
        q.p(gap == 5 ? "What is the next number?" : "What is the missing number?");
        const std::size_t j = gap == 1 ? 2 : 0;  // two neighbours both shown
        const int size = std::abs(step);
        const std::string move = step > 0 ? " + " : " &minus; ";
        if (step > 0)
            say(q, "The numbers go up by " + S(t[j + 1]) + " &minus; " + S(t[j]) + " = " +
                   S(size) + " each time.");
        else
            say(q, "The numbers go down by " + S(t[j]) + " &minus; " + S(t[j + 1]) + " = " +
                   S(size) + " each time.");
        const std::size_t before = static_cast<std::size_t>(gap - 1);
        say(q, std::string(gap == 5 ? "The next number" : "The missing number") + " is " +
               S(t[before]) + move + S(size) + " = " + S(ans) + "." +
               (gap < 5 ? " Check: " + S(ans) + move + S(size) + " = " +
                              S(t[static_cast<std::size_t>(gap + 1)]) + "."
                        : std::string()));
        return q.number(r, k[0], ans, "", wrong).done();
    }
}

Question roundingRange(Rng& r, const std::string& k) {
    const int to = r.pick(std::vector<int>{10, 100, 1000});
    const long long rounded = static_cast<long long>(r.range(3, 95)) * to + (to == 10 ? 1000 : 0);
    const bool smallest = r.chance(50);
    const long long ans = smallest ? rounded - to / 2 : rounded + to / 2 - 1;
    const long long low = rounded - to / 2;
    const long long high = rounded + to / 2 - 1;
    // Every option rounds to the number given: only which of them is asked for can be wrong.
    const std::string roundsTo = " still rounds to " + num(rounded);
    const std::vector<Slip> wrong =
        smallest ? std::vector<Slip>{{low + 1, "takes halfway as rounding down, so starts one "
                                               "above it"},
                                     {rounded, "is the rounded number itself: smaller numbers "
                                               "round to it too"},
                                     {high, "is the largest number that rounds to " +
                                                num(rounded) + ", not the smallest"}}
                 : std::vector<Slip>{{rounded, "is the rounded number itself: larger numbers "
                                               "round to it too"},
                                     {low, "is the smallest number that rounds to " +
                                               num(rounded) + ", not the largest"},
                                     {high - to / 10, "is not the largest: " + num(high) +
                                                          roundsTo}};
    QB q("rounding_range", 2);
    q.param("rounded", S(rounded))
        .param("to", to)
        .param("which", smallest ? "smallest" : "largest");
    q.p("A whole number rounded to the nearest " + num(to) + " is <b>" + num(rounded) + "</b>.");
    q.p(std::string("What is the <b>") + (smallest ? "smallest" : "largest") +
        "</b> whole number it could be?");
    say(q, "The numbers that round to " + num(rounded) + " go from halfway below it, " +
           num(low) + ", up to just before halfway above it, " + num(high) + ".");
    if (smallest)
        say(q, "Halfway between " + num(rounded - to) + " and " + num(rounded) + " is " +
                    num(low) + ", and halfway rounds up, so " + num(low) + " rounds to " +
                    num(rounded) + "; but " + num(low - 1) + " rounds down to " +
                    num(rounded - to) + ".");
    else
        say(q, "Halfway between " + num(rounded) + " and " + num(rounded + to) + " is " +
                    num(high + 1) + ", which rounds up to " + num(rounded + to) + "; but " +
                    num(high) + ", just below it, rounds down to " + num(rounded) + ".");
    say(q, std::string("So the ") + (smallest ? "smallest" : "largest") + " is " + num(ans) + ".");
    return q.number(r, k[0], ans, "", wrong).done();
}

Question moreLess(Rng& r, const std::string& k) {
    const long long p = r.pick(std::vector<long long>{10, 100, 1000, 10000});
    const bool more = r.chance(50);
    const long long sign = more ? 1 : -1;
    long long n = 0;
    do {
        n = r.range(20000, 899999);
        if (r.chance(60)) {  // make the change cross into the next place
            const long long digit = n / p % 10;
            n += ((more ? 9 : 0) - digit) * p;
        }
    } while (n < 10000 || n - p * 10 <= 0);
    QB q("more_less", 1);
    q.param("n", S(n)).param("p", S(p)).param("way", more ? "more" : "less");
    q.p("What number is <b>" + num(p) + (more ? " more" : " less") + "</b> than <b>" + num(n) +
        "</b>?");
    const int place = placeOf(p);
    const long long digit = n / p % 10;
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
                    {n + sign * p * 10, "changes the " + placeName(place + 1) + " digit instead"},
                    {n + sign * p / 10, "changes the " + placeName(place - 1) + " digit instead"},
                    {n - sign * p, more ? "takes away instead of adding" : "adds instead of "
                                                                           "taking away"}})
        .done();
}

Question expandedForm(Rng& r, const std::string& k) {
    for (;;) {
        const int n = r.range(10000, 99999);
        const std::string s = std::to_string(n);
        if (std::count(s.begin(), s.end(), '0') != 1 || s.back() == '0') continue;
        std::string parts;
        std::string packed;
        std::string emptyPlace;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '0') {
                emptyPlace = placeName(static_cast<int>(s.size() - 1 - i));
                continue;
            }
            packed += s[i];
            parts += (parts.empty() ? "" : " + ") +
                     num((s[i] - '0') * pow10(static_cast<int>(s.size() - 1 - i)));
        }
        QB q("expanded_form", 1);
        q.param("n", n);
        q.p("Write as one number: <b>" + parts + "</b>");
        say(q, "Each part gives one digit in its place. There are no " + emptyPlace +
               ", so write 0 in the " + emptyPlace + " place.");
        say(q, parts + " = " + num(n) + ".");
        return q
            .number(r, k[0], n, "",
                    std::vector<Slip>{
                        {std::stoll(packed), "leaves out the empty " + emptyPlace + " place"},
                        {std::stoll(packed) * 10, "puts the 0 at the end"},
                        {n * 10LL, "writes a zero too many"}})
            .done();
    }
}

Question costTotal(Rng& r, const std::string& k) {
    struct Buy {
        const char* first;
        int lo1, hi1;
        const char* second;
        int lo2, hi2;
    };
    const std::vector<Buy> buys = {{"chairs", 25, 60, "tables", 80, 200},
                                   {"footballs", 12, 25, "goal nets", 40, 90},
                                   {"paint sets", 8, 15, "easels", 30, 60}};
    for (;;) {
        const Buy& b = r.pick(buys);
        const int n1 = r.range(12, 36);
        const int p1 = r.range(b.lo1, b.hi1);
        const int n2 = r.range(2, 8);
        const int p2 = r.range(b.lo2, b.hi2);
        const long long ans = n1 * p1 + n2 * p2;
        const std::string second = b.second;
        const std::vector<Slip> wrong = {
            {n1 * p1 + p2, "pays for only one of the " + second},
            {(n1 + n2) * p1, "prices everything at " + money(p1)},
            {n1 * p1, "leaves out the " + second}};
        if (!distinctWrong(ans, wrong)) continue;
        QB q("cost_total", 2);
        q.param("n1", n1).param("p1", p1).param("n2", n2).param("p2", p2);
        q.p("A school buys " + S(n1) + " " + b.first + " at " + money(p1) + " each and " + S(n2) +
            " " + b.second + " at " + money(p2) + " each.");
        q.p("What is the total cost?");
        const int tens = n1 / 10 * 10;
        say(q, capitalised(b.first) + ": " + S(n1) + " &times; " + money(p1) + " = " +
               (n1 == tens ? std::string()
                           : S(tens) + " &times; " + money(p1) + " + " + S(n1 - tens) +
                                 " &times; " + money(p1) + " = " + money(tens * p1) + " + " +
                                 money((n1 - tens) * p1) + " = ") +
               money(n1 * p1) + ".");
        say(q, capitalised(second) + ": " + S(n2) + " &times; " + money(p2) + " = " +
               money(n2 * p2) + ".");
        say(q, "Total cost = " + money(n1 * p1) + " + " + money(n2 * p2) + " = " + money(ans) +
               ".");
        return q.number(r, k[0], ans, "dollars", wrong).done();
    }
}

Question stadiumSeats(Rng& r, const std::string& k) {
    for (;;) {
        const int stands = r.range(3, 6);
        const int each = r.range(40, 160) * 50;
        const long long cap = static_cast<long long>(stands) * each;
        const long long sold = r.range(static_cast<int>(cap * 6 / 10), static_cast<int>(cap - 500));
        const long long ans = cap - sold;
        const std::vector<Slip> wrong = {{subSmallerFromLarger(cap, sold), kNoExchange},
                                         {subNoPayBack(cap, sold), kNoPayBack},
                                         {cap, "is the number of seats, with the tickets sold "
                                               "not taken away"}};
        if (!borrows(cap, sold) || !distinctWrong(ans, wrong)) continue;
        QB q("stadium_seats", 3);
        q.param("stands", stands).param("each", each).param("sold", S(sold));
        q.p("A stadium has " + S(stands) + " stands with " + num(each) +
            " seats in each stand. For a match, " + num(sold) +
            " tickets were sold, one for each seat.");
        q.p("How many seats were empty?");
        say(q, "Seats in the stadium = " + S(stands) + " &times; " + num(each) + " = " + num(cap) +
               ".");
        say(q, "Empty seats = " + num(cap) + " &minus; " + num(sold) + ", worked in columns.");
        subtractionSteps(q, cap, sold);
        say(q, "So " + num(cap) + " &minus; " + num(sold) + " = " + num(ans) + " seats were empty.");
        return q.number(r, k[0], ans, "seats", wrong).done();
    }
}

Question loavesWeeks(Rng& r, const std::string& k) {
    const int perDay = r.range(120, 480);
    const int weeks = r.range(2, 6);
    QB q("loaves_weeks", 2);
    q.param("per_day", perDay).param("weeks", weeks);
    q.p("A bakery bakes " + S(perDay) + " loaves of bread every day of the week.");
    q.p("How many loaves does it bake in " + S(weeks) + " weeks?");
    say(q, "A week has 7 days: " + S(weeks) + " weeks = " + S(weeks) + " &times; 7 days = " +
           S(7 * weeks) + " days.");
    say(q, "Loaves = " + working::splitProduct(7 * weeks, perDay) + " loaves.");
    return q
        .number(r, k[0], perDay * 7 * weeks, "loaves",
                std::vector<Slip>{
                    {perDay * weeks, "multiplies by the weeks as if they were days"},
                    {perDay * 7, "works out one week only"},
                    {perDay * 5 * weeks, "counts five days in a week, not seven"}})
        .done();
}

Question divisibleDigit(Rng& r, const std::string& k) {
    for (;;) {
        const int a = r.range(1, 9);
        const int b = r.range(0, 9);
        const int c = r.range(0, 9);
        const int at = r.range(1, 3);  // which place is hidden (never the first)
        const int rest = a + b + c;
        const int d = (9 - rest % 9) % 9;
        if (d == 0) continue;  // 0 and 9 would both do
        std::string shown = S(a);
        std::string whole = S(a);
        std::vector<int> others = {b, c};
        for (int i = 1, o = 0; i <= 3; ++i) {
            const std::string digit = i == at ? "?" : S(others[static_cast<std::size_t>(o)]);
            shown += digit;
            whole += i == at ? S(d) : digit;
            if (i != at) ++o;
        }
        QB q("divisible_digit", 2);
        q.param("shown", shown);
        q.p("The four-digit number <b>" + shown + "</b> is divisible by 9.");
        q.p("What is the missing digit?");
        say(q, "A number divides exactly by 9 when the sum of its digits is a multiple of 9.");
        say(q, "The digits shown add up to " + S(a) + " + " + S(b) + " + " + S(c) + " = " +
               S(rest) + ".");
        say(q, "The next multiple of 9 is " + S(rest + d) + ", so the missing digit is " +
               S(rest + d) + " &minus; " + S(rest) + " = " + S(d) + ".");
        say(q, "Check: " + whole + " &divide; 9 = " + S(std::stoi(whole) / 9) + ".");
        return q.number(r, k[0], d, "", std::vector<Frac>{}).done();
    }
}

Question lcmContext(Rng& r, const std::string& k) {
    for (;;) {
        const int a = r.range(4, 20);
        const int b = r.range(4, 20);
        const int g = gcdInt(a, b);
        // Every option could be the first time together: none before the longer wait.
        if (a >= b || g == 1 || g == a || !distinctWrong(a / g * b, {a * b, b, a + b})) continue;
        const bool buses = r.chance(50);
        const int together = a / g * b;
        QB q("lcm_context", 2);
        q.param("a", a).param("b", b);
        const std::string start = clock12(8 * 60, "dot");
        if (buses)
            q.p("A bus leaves the station every " + S(a) + " minutes and a tram leaves every " +
                S(b) + " minutes. A bus and a tram both leave at " + start + ".");
        else
            q.p("One lighthouse flashes every " + S(a) + " seconds and another every " + S(b) +
                " seconds. They flash together at midnight.");
        q.p(buses ? "After how many minutes do a bus and a tram next leave together?"
                  : "After how many seconds do they next flash together?");
        const std::string unit = buses ? "minutes" : "seconds";
        say(q, std::string(buses ? "Buses leave" : "The first lighthouse flashes") + " after " +
               joined(multiplesUpTo(a, together)) + " " + unit + ", the multiples of " + S(a) + ".");
        say(q, std::string(buses ? "Trams leave" : "The second flashes") + " after " +
               joined(multiplesUpTo(b, together)) + " " + unit + ", the multiples of " + S(b) + ".");
        say(q, "The first number in both lists is " + S(together) + ", the lowest common multiple "
               "of " + S(a) + " and " + S(b) +
               (buses ? ": they next leave together " + S(together) + " minutes after " + start +
                            ", at " + clock12(8 * 60 + together, "dot")
                      : ": they next flash together after " + S(together) + " seconds") +
               ".");
        return q
            .number(r, k[0], together, unit,
                    std::vector<Slip>{
                        {a * b, "multiplies the two times: they are together then too, but not "
                                "for the first time"},
                        {b, buses ? std::string("is when the next tram leaves, but no bus "
                                                "leaves then")
                                  : std::string("is when the second lighthouse next flashes, but "
                                                "the first does not")},
                        {a + b, "adds the two times"}})
            .done();
    }
}

Question hcfContext(Rng& r, const std::string& k) {
    for (;;) {
        const int g = r.pick(std::vector<int>{4, 6, 8, 9, 10, 12, 15, 18});
        const int a = g * r.range(2, 9);
        const int b = g * r.range(2, 9);
        if (a >= b || gcdInt(a, b) != g) continue;
        const int part = g / smallestPrimeFactor(g);
        if (!distinctWrong(g, {part, a / g + b / g, b - a})) continue;
        // Every option could be the length of a piece: none longer than the shorter ribbon.
        const std::vector<Slip> wrong = possibleSlips(
            g,
            {{part, "is a common factor, but not the highest, so the pieces are not the longest "
                    "they can be"},
             {a / g + b / g, "is the number of pieces, not their length"},
             {b - a, "is the difference of the two lengths"},
             {a, "is the length of the shorter ribbon, but it does not divide " + qty(b, "cm")},
             {smallestPrimeFactor(g), "is the smallest common factor above 1, not the highest"}},
            0, a);
        if (wrong.size() < 3) continue;
        QB q("hcf_context", 2);
        q.param("a", a).param("b", b);
        q.p("Two ribbons are " + qty(a, "cm") + " and " + qty(b, "cm") +
            " long. Both are cut into pieces that are all the same length, with nothing left "
            "over.");
        q.p("What is the <b>longest</b> the pieces can be?");
        std::vector<long long> common;
        for (long long f : factorsOf(a))
            if (b % f == 0) common.push_back(f);
        say(q, "The length of a piece must divide both " + qty(a, "cm") + " and " + qty(b, "cm") +
               " exactly, so it is a common factor of " + S(a) + " and " + S(b) + ".");
        say(q, "Factors of " + S(a) + ": " + joined(factorsOf(a)) + ".");
        say(q, "Factors of " + S(b) + ": " + joined(factorsOf(b)) + ".");
        say(q, "The common factors are " + listedNums(common) + ". The highest is " + S(g) +
               ", so the longest pieces are " + qty(g, "cm") + ".");
        return q.number(r, k[0], g, "cm", wrong).done();
    }
}

std::string roman(int n) {
    static const std::vector<std::pair<int, const char*>> table = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    std::string s;
    for (const auto& [v, t] : table)
        while (n >= v) {
            s += t;
            n -= v;
        }
    return s;
}

// Numbers such as 49 (XLIX) test the rule that a smaller numeral before a larger one subtracts.
bool hasSubtractivePair(const std::string& s) {
    for (const char* pair : {"IV", "IX", "XL", "XC", "CD", "CM"})
        if (s.find(pair) != std::string::npos) return true;
    return false;
}

// The thousands, hundreds, tens and ones of n that are not zero, largest first.
std::vector<int> placeParts(int n) {
    std::vector<int> parts;
    for (int p = 1000; p >= 1; p /= 10)
        if (n / p % 10) parts.push_back(n / p % 10 * p);
    return parts;
}

// "40 is XL, 10 taken from 50".
std::string romanPart(int v) {
    const std::string s = roman(v);
    static const std::vector<std::pair<char, int>> value = {{'I', 1},   {'V', 5},   {'X', 10},
                                                            {'L', 50},  {'C', 100}, {'D', 500},
                                                            {'M', 1000}};
    auto of = [&](char c) {
        for (const auto& [ch, v2] : value)
            if (ch == c) return v2;
        return 0;
    };
    std::string out = S(v) + " is " + s;
    if (hasSubtractivePair(s)) out += ", " + S(of(s[0])) + " taken from " + S(of(s[1]));
    return out;
}

Question romanNumerals(Rng& r, const std::string& k) {
    int n = 0;
    do n = k == "T" ? r.range(14, 399) : r.range(40, 2099);
    while (!hasSubtractivePair(roman(n)));
    QB q("roman_numerals", 2);
    q.param("n", n);
    const auto parts = placeParts(n);
    std::string plus;
    std::string each;
    for (int v : parts) {
        plus += (plus.empty() ? "" : " + ") + S(v);
        each += (each.empty() ? "" : "; ") + romanPart(v);
    }
    if (k == "T") {
        q.p("Write <b>" + S(n) + "</b> in Roman numerals.");
        q.note(std::string("Write the Roman numeral, for example ") +
               (roman(n) == "XXIV" ? "XVII" : "XXIV") + " for " +
               (roman(n) == "XXIV" ? "17" : "24") + ".");
        q.answer();
        say(q, "Split the number into its places: " + S(n) + " = " + plus + ".");
        say(q, "Write each place as a numeral: " + each + ".");
        say(q, "Put them together, largest first: " + S(n) + " is " + roman(n) + ".");
        return q.part('T', roman(n)).done();
    }
    q.p("What number is written <b>" + roman(n) + "</b> in Roman numerals?");
    say(q, "Read " + roman(n) + " in groups, largest first; a smaller numeral before a larger one "
           "is taken away from it.");
    say(q, "The groups: " + each + ".");
    say(q, "So " + roman(n) + " is " + plus + " = " + S(n) + ".");
    return q.number(r, k[0], n, "", std::vector<Frac>{}).done();
}

}  // namespace

void addWholeNumbers(std::vector<Family>& out) {
    out.push_back({"add_whole", 1, {"N", "Q"}, addWhole});
    out.push_back({"sub_whole", 1, {"N", "Q"}, subWhole});
    out.push_back({"mul_whole", 1, {"N", "Q"}, mulWhole});
    out.push_back({"div_whole", 1, {"N", "Q"}, divWhole});
    out.push_back({"place_value", 1, {"N", "Q"}, placeValue});
    out.push_back({"round_whole", 1, {"N", "Q"}, roundWhole});
    out.push_back({"order_ops", 1, {"N", "Q"}, orderOps});
    out.push_back({"hcf", 1, {"N", "Q"}, hcf});
    out.push_back({"lcm", 1, {"N", "Q"}, lcm});
    out.push_back({"shop_change", 1, {"N", "Q"}, shopChange});
    out.push_back({"numerals", 1, {"N"}, numerals});
    out.push_back({"who_more", 1, {"T"}, whoMore});
    out.push_back({"attendance", 1, {"N", "Q"}, attendance});
    out.push_back({"primes_between", 1, {"N", "Q"}, primesBetween});
    out.push_back({"remainder", 1, {"N", "Q"}, remainder});
    out.push_back({"number_line", 1, {"N", "Q"}, numberLineWhole});
    out.push_back({"which_multiple", 1, {"Q"}, whichMultiple});
    out.push_back({"missing_addend", 1, {"N", "Q"}, missingAddend});
    out.push_back({"missing_factor", 1, {"N", "Q"}, missingFactor});
    out.push_back({"number_words", 1, {"Q"}, numberToWords});
    out.push_back({"largest_from_digits", 1, {"N", "Q"}, largestFromDigits});
    out.push_back({"compare_numbers", 1, {"Q"}, compareNumbers});
    out.push_back({"whole_estimate", 1, {"N", "Q"}, wholeEstimate});
    out.push_back({"which_correct", 1, {"Q"}, whichCorrect});
    out.push_back({"squares_cubes", 1, {"N", "Q"}, squaresCubes});
    out.push_back({"square_root", 1, {"N", "Q"}, squareRoot});
    out.push_back({"largest_prime_factor", 1, {"N", "Q"}, largestPrimeFactor});
    out.push_back({"factor_count", 1, {"N", "Q"}, factorCount});
    out.push_back({"whole_bar_chart", 1, {"N", "Q"}, wholeBarChart});
    out.push_back({"whole_table_total", 1, {"N", "Q"}, wholeTableTotal});
    out.push_back({"whole_table_most", 1, {"T", "Q"}, wholeTableMost});
    out.push_back({"buses_needed", 1, {"N", "Q"}, busesNeeded});
    out.push_back({"full_boxes", 1, {"N", "Q"}, fullBoxes});
    out.push_back({"whole_sequence", 1, {"N", "Q"}, wholeSequence});
    out.push_back({"rounding_range", 1, {"N", "Q"}, roundingRange});
    out.push_back({"more_less", 1, {"N", "Q"}, moreLess});
    out.push_back({"expanded_form", 1, {"N", "Q"}, expandedForm});
    out.push_back({"cost_total", 1, {"N", "Q"}, costTotal});
    out.push_back({"stadium_seats", 1, {"N", "Q"}, stadiumSeats});
    out.push_back({"loaves_weeks", 1, {"N", "Q"}, loavesWeeks});
    out.push_back({"divisible_digit", 1, {"N"}, divisibleDigit});
    out.push_back({"lcm_context", 1, {"N", "Q"}, lcmContext});
    out.push_back({"hcf_context", 1, {"N", "Q"}, hcfContext});
    out.push_back({"roman_numerals", 1, {"T", "N"}, romanNumerals});
}
