// Whole Numbers: the four operations, place value, rounding, factors and word problems.

#include "column_slips.h"
#include "drawing.h"
#include "families.h"

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

std::vector<Frac> fr(const std::vector<long long>& v) {
    return {v.begin(), v.end()};
}

long long pow10(int k) {
    long long p = 1;
    while (k-- > 0) p *= 10;
    return p;
}

long long swapDigits(long long n, std::size_t i, std::size_t j) {
    std::string s = std::to_string(n);
    std::swap(s[i], s[j]);
    return std::stoll(s);
}

Question addWhole(Rng& r, const std::string& k) {
    int a = 0;
    int b = 0;
    std::vector<long long> wrong;
    do {
        a = r.range(1200, 8999);
        b = r.range(1100, 8999);
        const auto carries = carryPlaces(a, b);
        if (carries.size() < 2) continue;
        wrong = {addNoCarry(a, b) /* every carry dropped */,
                 a + b - carries.front() /* the first carry forgotten */,
                 std::abs(a - b) /* subtracted instead */};
    } while (wrong.empty() || !distinctWrong(a + b, {wrong[0], wrong[1], wrong[2]}));
    QB q("add_whole", 1);
    q.param("a", a).param("b", b);
    q.p("Work out <b>" + S(a) + " + " + S(b) + "</b>.");
    return q.number(r, k[0], a + b, "", fr(wrong)).done();
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
    return q
        .number(
            r, k[0], a - b, "",
            fr({subSmallerFromLarger(a, b) /* smaller digit from the larger */,
                subNoPayBack(a, b) /* borrowed without paying back */, a + b /* added instead */}))
        .done();
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
    return q
        .number(r, k[0], a * b, "",
                fr({a * (b % 10) + a * (b / 10) /* tens row not moved a place left */,
                    a * (b / 10) * 10 /* the ones row left out */,
                    a * (b % 10) /* the tens row left out */}))
        .done();
}

Question divWhole(Rng& r, const std::string& k) {
    const int b = r.chance(50) ? r.range(3, 9) : r.range(11, 25);
    const int c = r.range(b < 10 ? 112 : 21, b < 10 ? 999 : 199);
    QB q("div_whole", 2);
    q.param("a", b * c).param("b", b);
    q.p("Work out <b>" + S(b * c) + " &divide; " + S(b) + "</b>.");
    return q
        .number(r, k[0], c, "",
                {c * 10 /* a zero too many in the answer */, c + 1 /* one group too many */,
                 c - 1 /* one group too few */})
        .done();
}

Question placeValue(Rng& r, const std::string& k) {
    for (;;) {
        const int n = r.range(10000, 999999);
        const std::string s = std::to_string(n);
        const int pos = r.range(0, static_cast<int>(s.size()) - 2);  // never the ones digit
        const char d = s[static_cast<std::size_t>(pos)];
        if (d == '0' || s.find(d) != s.rfind(d)) continue;  // the digit must be unmistakable
        const long long value = (d - '0') * pow10(static_cast<int>(s.size()) - 1 - pos);
        QB q("place_value", 1);
        q.param("n", n).param("digit", d - '0');
        q.p("What is the value of the digit <b>" + std::string(1, d) + "</b> in the number <b>" +
            num(n) + "</b>?");
        return q
            .number(
                r, k[0], value, "",
                {value / 10 /* one place too far right */, value * 10 /* one place too far left */,
                 value / 10 == d - '0' ? value * 100 /* two places too far left */
                                       : d - '0' /* the digit itself */})
            .done();
    }
}

Question roundWhole(Rng& r, const std::string& k) {
    const int to = r.pick(std::vector<int>{10, 100, 1000});
    int n = 0;
    int answer = 0;
    int otherWay = 0;
    do {
        n = r.range(10000, 99999);
        const int down = n - n % to;
        answer = (n % to) > to / 2 ? down + to : down;
        otherWay = answer == down ? down + to : down;
    } while (n % to == 0 || n % to == to / 2 ||
             !distinctWrong(answer, {otherWay, n - n % (to * 10), n - n % (to / 10)}));
    QB q("round_whole", 1);
    q.param("n", n).param("to", to);
    q.p("Round <b>" + num(n) + "</b> to the nearest " + num(to) + ".");
    return q
        .number(r, k[0], answer, "",
                {otherWay /* rounded the wrong way */,
                 n - n % (to * 10) /* cut off at the place above */,
                 n - n % (to / 10) /* cut off at the place below */})
        .done();
}

Question orderOps(Rng& r, const std::string& k) {
    for (;;) {
        const int form = r.range(1, 3);
        const int a = r.range(4, 60);
        const int b = r.range(3, 12);
        const int c = r.range(3, 12);
        const int d = r.range(2, 9);
        long long ans = 0;
        std::vector<long long> wrong;
        std::string expr;
        if (form == 1) {
            expr = S(a) + " + " + S(b) + " &times; " + S(c);
            ans = a + b * c;
            wrong = {(a + b) * c /* worked left to right */,
                     a * b + c /* multiplied the wrong pair */,
                     a + b + c /* read the times sign as plus */};
        } else if (form == 2) {
            expr = "(" + S(a) + " + " + S(b) + ") &times; " + S(c);
            ans = (a + b) * c;
            wrong = {a + b * c /* brackets ignored */,
                     a * c + b /* only the first number multiplied */,
                     a + b + c /* read the times sign as plus */};
        } else {
            const int e = std::min(d, (b * c - 1) / d);  // keeps the answer positive
            if (e < 2) continue;
            expr = S(b) + " &times; " + S(c) + " &minus; " + S(d) + " &times; " + S(e);
            ans = b * c - d * e;
            wrong = {(b * c - d) * e /* worked left to right */,
                     b * c + d * e /* added the second product */,
                     b * c - d /* the second multiplication left out */};
        }
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("order_ops", 2);
        q.param("form", form).param("a", a).param("b", b).param("c", c).param("d", d);
        q.p("Work out <b>" + expr + "</b>.");
        return q.number(r, k[0], ans, "", fr(wrong)).done();
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
    do {
        a = r.range(12, 96);
        b = r.range(12, 96);
        g = gcdInt(a, b);
    } while (a == b || g == a || g == b || smallestPrimeFactor(g) == g ||
             !distinctWrong(g, {a / g * b, g / smallestPrimeFactor(g), std::min(a, b)}));
    QB q("hcf", 2);
    q.param("a", a).param("b", b);
    q.p("What is the highest common factor of <b>" + S(a) + "</b> and <b>" + S(b) + "</b>?");
    return q
        .number(r, k[0], g, "",
                {a / g * b /* the lowest common multiple instead */,
                 g / smallestPrimeFactor(g) /* a common factor, not the highest */,
                 std::min(a, b) /* the smaller number, which is not a factor of the other */})
        .done();
}

Question lcm(Rng& r, const std::string& k) {
    int a = 0;
    int b = 0;
    int g = 0;
    do {
        a = r.range(4, 15);
        b = r.range(4, 15);
        g = gcdInt(a, b);
    } while (a == b || g == 1 || g == a || g == b || !distinctWrong(a / g * b, {a * b, g, a + b}));
    QB q("lcm", 2);
    q.param("a", a).param("b", b);
    q.p("What is the lowest common multiple of <b>" + S(a) + "</b> and <b>" + S(b) + "</b>?");
    return q
        .number(r, k[0], a / g * b, "",
                {a * b /* the product: a common multiple, not the lowest */,
                 g /* the highest common factor instead */, a + b /* added */})
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
    return q
        .number(r, k[0], note - n * price, "dollars",
                {n * price /* the cost, not the change */,
                 note - (n - 1) * price /* one item left out */,
                 note - price /* only one item paid for */})
        .done();
}

Question numerals(Rng& r, const std::string& k) {
    int n = r.range(10000, 999999);
    if (r.chance(50)) n -= n % 1000 - r.range(0, 99);  // a gap of zeros in the middle
    QB q("numerals", 1);
    q.param("n", n);
    q.p("Write in numerals: <b>" + numberWords(n) + "</b>.");
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
    return q.part('T', (a - g > b + g) ? x : y).done();
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
    return q
        .number(r, k[0], classes * size - absent, "pupils",
                {classes * size /* the absent pupils not taken away */,
                 classes * size + absent /* the absent pupils added */,
                 classes * (size - absent) /* taken away from every class */})
        .done();
}

Question primesBetween(Rng& r, const std::string& k) {
    auto isPrime = [](int n) {
        for (int d = 2; d * d <= n; ++d)
            if (n % d == 0) return false;
        return n > 1;
    };
    int lo = 0;
    int hi = 0;
    do {
        lo = r.range(10, 60);
        hi = lo + r.range(12, 25);
    } while (isPrime(lo) || isPrime(hi));  // "between" then reads the same either way
    int count = 0;
    for (int n = lo + 1; n < hi; ++n) count += isPrime(n);
    QB q("primes_between", 2);
    q.param("lo", lo).param("hi", hi);
    q.p("How many prime numbers are there between <b>" + S(lo) + "</b> and <b>" + S(hi) + "</b>?");
    return q
        .number(r, k[0], count, "",
                {count + 1 /* an odd number such as 51 or 57 taken for a prime */,
                 count + 2 /* two odd non-primes taken for primes */,
                 count > 1 ? count - 1 : 7 /* a prime missed (or every odd number counted) */})
        .done();
}

Question remainder(Rng& r, const std::string& k) {
    int d = 0;
    int n = 0;
    do {
        d = r.range(3, 12);
        n = r.range(100, 2000);
    } while (n % d == 0 || !distinctWrong(n % d, {n / d, d - n % d, n % d + d}));
    QB q("remainder", 2);
    q.param("n", n).param("d", d);
    q.p("What is the remainder when <b>" + S(n) + "</b> is divided by <b>" + S(d) + "</b>?");
    return q
        .number(r, k[0], n % d, "",
                {n / d /* the quotient, not the remainder */,
                 d - n % d /* what is still needed for the next multiple */,
                 n % d + d /* one group too few taken away */})
        .done();
}

Question whichMultiple(Rng& r, const std::string& k) {
    (void)k;
    const int m = r.range(6, 13);
    const int right = m * r.range(12, 90);
    std::vector<std::string> wrong;
    while (wrong.size() < 3) {
        // Near misses: numbers a multiple or two away, so only dividing tells them apart.
        const int w = right + r.range(-40, 40);
        if (w > 0 && w % m && std::find(wrong.begin(), wrong.end(), S(w)) == wrong.end())
            wrong.push_back(S(w));
    }
    QB q("which_multiple", 1);
    q.param("m", m).param("right", right);
    q.p("Which of these numbers is a multiple of <b>" + S(m) + "</b>?");
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
    q.param("start", start)
        .param("end", start + intervals * step)
        .param("intervals", intervals)
        .param("at", at);
    q.p("The marks on the number line are equally spaced. What number is the arrow pointing to?");
    drawNumberLine(
        q.figure(300, 150,
                 "number line from " + num(start) + " to " + num(start + intervals * step)),
        intervals, num(start), num(start + intervals * step), at);
    const int ans = start + at * step;
    return q
        .number(r, k[0], ans, "",
                {start + at /* each mark taken as one */, ans + step /* one mark too many */,
                 ans - step /* one mark too few */})
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
        const std::vector<long long> wrong = {a + b /* added instead of subtracting */,
                                              subSmallerFromLarger(a, b) /* column slip */,
                                              subNoPayBack(a, b) /* borrow not paid back */};
        if (!borrows(a, b) || !distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("missing_addend", 1);
        q.param("form", add ? "add" : "take").param("a", a).param("b", b);
        q.p("What is the missing number?");
        q.p(add ? "<b>? + " + S(b) + " = " + S(a) + "</b>"
                : "<b>" + S(a) + " &minus; ? = " + S(b) + "</b>");
        return q.number(r, k[0], ans, "", fr(wrong)).done();
    }
}

Question missingFactor(Rng& r, const std::string& k) {
    const bool times = r.chance(50);
    const int m = r.range(3, 12);
    const int ans = r.range(12, 99);
    QB q("missing_factor", 2);
    if (times) {
        // ? x m = p
        const int p = ans * m;
        q.param("form", "times").param("m", m).param("p", p);
        q.p("What is the missing number?");
        q.p("<b>? &times; " + S(m) + " = " + S(p) + "</b>");
        return q
            .number(r, k[0], ans, "",
                    {p * m /* multiplied instead of dividing */, p - m /* subtracted */,
                     ans * 10 /* a zero too many */})
            .done();
    }
    // p / ? = m
    const int p = ans * m;
    q.param("form", "divide").param("m", m).param("p", p);
    q.p("What is the missing number?");
    q.p("<b>" + S(p) + " &divide; ? = " + S(m) + "</b>");
    return q
        .number(r, k[0], ans, "",
                {p * m /* multiplied */, p - m /* subtracted */, ans * 10 /* a zero too many */})
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
        QB q("number_words", 1);
        q.param("n", n);
        q.p("Which of these is <b>" + num(n) + "</b> written in words?");
        return q
            .choice(r, numberWords(n),
                    {numberWords(std::stoi(dropped)) /* the empty place left out */,
                     numberWords(static_cast<int>(swapped)) /* the zero read in the next place */,
                     numberWords(std::stoi(extra)) /* a zero too many */})
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
        const long long zeroFirst = join(up);  // a "five-digit" number starting with 0
        std::vector<int> smallest = up;
        if (smallest[0] == 0) std::swap(smallest[0], smallest[1]);
        std::vector<int> nextDown = down;
        std::swap(nextDown[3], nextDown[4]);
        std::vector<int> nextUp = smallest;
        std::swap(nextUp[3], nextUp[4]);
        const long long ans = largest ? join(down) : join(smallest);
        std::vector<int> firstTwo = down;
        std::swap(firstTwo[0], firstTwo[1]);
        const std::vector<long long> wrong =
            largest ? std::vector<long long>{join(smallest) /* the smallest instead */,
                                             join(nextDown) /* the last two the wrong way */,
                                             join(firstTwo) /* the first two the wrong way */}
                    : std::vector<long long>{withZero ? zeroFirst /* the zero put first */
                                                      : join(nextDown) /* second largest */,
                                             join(down) /* the largest instead */,
                                             join(nextUp) /* the last two the wrong way */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
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
        return q.number(r, k[0], ans, "", fr(wrong)).done();
    }
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
        std::vector<std::string> wrong;
        std::string list;
        for (long long x : v) {
            list += (list.empty() ? "" : ",") + S(x);
            if (x != right) wrong.push_back(num(x));
        }
        QB q("compare_numbers", 1);
        q.param("vals", list).param("which", greatest ? "greatest" : "smallest");
        q.p(std::string("Which of these numbers is the <b>") +
            (greatest ? "greatest" : "smallest") + "</b>?");
        return q.choice(r, num(right), wrong).done();
    }
}

long long roundTo(long long n, long long to) {
    const long long down = n - n % to;
    return n % to * 2 >= to ? down + to : down;
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
        std::vector<long long> wrong;
        std::string op;
        if (form == 1) {
            ans = ra + rb;
            op = " + ";
            wrong = {a + b /* worked out exactly */, ta + tb /* both cut down, not rounded */,
                     roundTo(a, 1000) + roundTo(b, 1000) /* rounded to thousands */};
        } else if (form == 2) {
            ans = ra - rb;
            op = " &minus; ";
            wrong = {a - b /* worked out exactly */, ta - tb /* both cut down, not rounded */,
                     ra + rb /* added the rounded numbers */};
        } else {
            ans = ra * rb;
            op = " &times; ";
            wrong = {static_cast<long long>(a) * b /* worked out exactly */,
                     ta * tb /* both cut down, not rounded */, ra + rb /* added */};
        }
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
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
        return q.number(r, k[0], ans, "", fr(wrong)).done();
    }
}

Question whichCorrect(Rng& r, const std::string& k) {
    (void)k;
    // Four sums or differences; three carry a real column slip in their result.
    const bool add = r.chance(50);
    std::vector<std::string> calcs;
    std::string right;
    std::vector<std::string> wrong;
    const int rightAt = r.range(0, 3);
    for (int i = 0; i < 4; ++i) {
        int a = 0;
        int b = 0;
        long long shown = 0;
        for (;;) {
            a = r.range(2100, 9899);
            b = r.range(1100, add ? 9899 : a - 300);
            const long long truth = add ? a + b : a - b;
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
                break;
            }
        }
        const std::string text = S(a) + (add ? " + " : " &minus; ") + S(b) + " = " + num(shown);
        if (text == right || std::find(wrong.begin(), wrong.end(), text) != wrong.end()) {
            --i;  // the same calculation twice: draw again
            continue;
        }
        if (i == rightAt)
            right = text;
        else
            wrong.push_back(text);
    }
    QB q("which_correct", 2);
    q.param("op", add ? "add" : "sub");
    q.p("Only one of these calculations is correct. Which one?");
    return q.choice(r, right, wrong).done();
}

Question squaresCubes(Rng& r, const std::string& k) {
    const bool square = r.chance(60);
    const int n = square ? r.range(11, 25) : r.range(4, 10);
    const int p = square ? 2 : 3;
    const long long ans = square ? n * n : n * n * n;
    QB q("squares_cubes", 1);
    q.param("n", n).param("power", p);
    q.p("Work out <b>" + S(n) + "<sup>" + S(p) + "</sup></b>.");
    return q
        .number(
            r, k[0], ans, "",
            {n * p /* multiplied by the power */, square ? n * n * n : n * n /* the wrong power */,
             ans - n /* one lot of the number too few */})
        .done();
}

Question squareRoot(Rng& r, const std::string& k) {
    const int n = r.pick(std::vector<int>{12, 14, 16, 18, 22, 24, 30, 40, 50, 60, 70, 80, 90});
    QB q("square_root", 1);
    q.param("square", n * n);
    q.p("What is the square root of <b>" + num(n * n) + "</b>?");
    return q
        .number(r, k[0], n, "",
                {n * n / 2 /* halved */, n + 1 /* the root of the next square */,
                 n - 1 /* the root of the square below */})
        .done();
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
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        if (chosen.size() < 3 || n > 999 || n < 60) continue;
        const int big = chosen.back();
        const std::vector<long long> wrong = {
            n / chosen.front() /* the largest factor, which is not prime */,
            chosen[chosen.size() - 2] /* the next prime down */,
            chosen.front() /* the smallest prime factor */};
        if (!distinctWrong(big, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("largest_prime_factor", 2);
        q.param("n", n);
        q.p("What is the largest prime factor of <b>" + S(n) + "</b>?");
        return q.number(r, k[0], big, "", fr(wrong)).done();
    }
}

Question factorCount(Rng& r, const std::string& k) {
    for (;;) {
        const int n = r.range(12, 100);
        int count = 0;
        bool square = false;
        for (int d = 1; d <= n; ++d) {
            count += n % d == 0;
            square = square || d * d == n;
        }
        if (count < 6) continue;
        QB q("factor_count", 2);
        q.param("n", n);
        q.p("How many factors does <b>" + S(n) + "</b> have?");
        return q
            .number(r, k[0], count, "",
                    {count - 1 /* 1 or the number itself left out */,
                     count / 2 /* factor pairs counted, not factors */,
                     square ? count + 1 /* the square root counted twice */
                            : count - 2 /* both 1 and the number left out */})
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
        int sum = 0;
        for (int x : v) sum += x;
        const long long ans = total ? sum : a - b;
        const std::vector<long long> wrong =
            total ? std::vector<long long>{sum - v[4] /* Friday left out */,
                                           sum + step / 2 /* a bar misread by half a step */,
                                           sum - step / 2 /* a bar misread by half a step */}
                  : std::vector<long long>{a + b /* added the two days */,
                                           a - b + step / 2 /* a bar misread by half a step */,
                                           a /* only one bar read */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        std::string list;
        std::vector<std::pair<std::string, int>> bars;
        for (std::size_t d = 0; d < 5; ++d) {
            list += (list.empty() ? "" : ",") + S(v[d]);
            bars.emplace_back(days[d], v[d]);
        }
        QB q("whole_bar_chart", 2);
        q.param("vals", list).param("step", step);
        q.p("The bar chart shows the number of books borrowed from a library each day.");
        drawBarChart(q.figure(300, 200, "bar chart of books borrowed each day"), bars, step,
                     "books");
        if (total) {
            q.param("ask", "total");
            q.p("How many books were borrowed from Monday to Friday altogether?");
        } else {
            q.param("ask", "more").param("i", i).param("j", j);
            q.p("How many more books were borrowed on " + full[static_cast<std::size_t>(i)] +
                " than on " + full[static_cast<std::size_t>(j)] + "?");
        }
        return q.number(r, k[0], ans, "books", fr(wrong)).done();
    }
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
        const std::vector<long long> wrong =
            total ? std::vector<long long>{ts /* Saturday only */, tf /* Friday only */,
                                           tf + ts - sat[3] /* the last row left out */}
                  : std::vector<long long>{ts /* Saturday's total, nothing taken away */,
                                           tf + ts /* added the two days */,
                                           ts - tf - (sat[3] - fri[3]) /* the last row left out */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
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
        return q.number(r, k[0], ans, "tickets", fr(wrong)).done();
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
        if (k == "Q") {
            std::vector<std::string> wrong;
            for (const auto& t : teams)
                if (t != right) wrong.push_back(t);  // includes the team with the best game
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
        const std::vector<long long> wrong = {
            (pupils + seats - 1) / seats /* adults forgotten, or the part-filled bus left out */,
            pupils / seats /* adults forgotten and the part-filled bus left out */,
            all % seats /* the people left over */};
        if (all % seats == 0 || pupils % seats == 0 || wrong[0] != ans - 1 ||
            !distinctWrong(ans, {wrong[0], wrong[1], wrong[2]}))
            continue;
        QB q("buses_needed", 2);
        q.param("pupils", pupils).param("adults", adults).param("seats", seats);
        q.p("There are " + S(pupils) + " pupils and " + S(adults) +
            " adults going on a school trip. Each bus has " + S(seats) + " seats.");
        q.p("How many buses are needed so that everyone has a seat?");
        return q.number(r, k[0], ans, "buses", fr(wrong)).done();
    }
}

Question fullBoxes(Rng& r, const std::string& k) {
    for (;;) {
        const int box = r.pick(std::vector<int>{6, 12, 15, 24, 30});
        const int eggs = r.range(100, 999);
        const int ans = eggs / box;
        const std::vector<long long> wrong = {
            (eggs + box - 1) / box /* the part-filled box counted */,
            eggs % box /* the eggs left over */,
            static_cast<long long>(ans) * box /* the eggs packed, not the boxes */};
        if (eggs % box == 0 || !distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("full_boxes", 2);
        q.param("eggs", eggs).param("box", box);
        q.p("A farm collected " + S(eggs) + " eggs. The eggs are packed in boxes of " + S(box) +
            ".");
        q.p("How many boxes can be filled?");
        return q.number(r, k[0], ans, "boxes", fr(wrong)).done();
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
        const std::vector<long long> wrong = {ans + step /* a term skipped */,
                                              ans + 1 /* counted on one too many */,
                                              ans - 1 /* counted on one too few */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
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
        return q.number(r, k[0], ans, "", fr(wrong)).done();
    }
}

Question roundingRange(Rng& r, const std::string& k) {
    const int to = r.pick(std::vector<int>{10, 100, 1000});
    const long long rounded = static_cast<long long>(r.range(3, 95)) * to + (to == 10 ? 1000 : 0);
    const bool smallest = r.chance(50);
    const long long ans = smallest ? rounded - to / 2 : rounded + to / 2 - 1;
    const std::vector<long long> wrong =
        smallest ? std::vector<long long>{rounded - to / 2 + 1 /* thought halfway rounds down */,
                                          rounded - to /* the multiple below */,
                                          rounded - to + 1 /* just after the multiple below */}
                 : std::vector<long long>{rounded + to / 2 /* thought halfway rounds down */,
                                          rounded + to - 1 /* just before the next multiple */,
                                          rounded + to /* the next multiple */};
    QB q("rounding_range", 2);
    q.param("rounded", S(rounded))
        .param("to", to)
        .param("which", smallest ? "smallest" : "largest");
    q.p("A whole number rounded to the nearest " + num(to) + " is <b>" + num(rounded) + "</b>.");
    q.p(std::string("What is the <b>") + (smallest ? "smallest" : "largest") +
        "</b> whole number it could be?");
    return q.number(r, k[0], ans, "", fr(wrong)).done();
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
    return q
        .number(r, k[0], n + sign * p, "",
                {n + sign * p * 10 /* changed the place above */,
                 n + sign * p / 10 /* changed the place below */, n - sign * p /* the other way */})
        .done();
}

Question expandedForm(Rng& r, const std::string& k) {
    for (;;) {
        const int n = r.range(10000, 99999);
        const std::string s = std::to_string(n);
        if (std::count(s.begin(), s.end(), '0') != 1 || s.back() == '0') continue;
        std::string parts;
        std::string packed;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '0') continue;
            packed += s[i];
            parts += (parts.empty() ? "" : " + ") +
                     num((s[i] - '0') * pow10(static_cast<int>(s.size() - 1 - i)));
        }
        QB q("expanded_form", 1);
        q.param("n", n);
        q.p("Write as one number: <b>" + parts + "</b>");
        return q
            .number(r, k[0], n, "",
                    {std::stoll(packed) /* the empty place left out */,
                     std::stoll(packed) * 10 /* the zero put at the end */,
                     n * 10LL /* a zero too many */})
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
        const std::vector<long long> wrong = {n1 * p1 + p2 /* the second price not multiplied */,
                                              (n1 + n2) * p1 /* everything at the first price */,
                                              n1 * p1 /* the second item left out */};
        if (!distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("cost_total", 2);
        q.param("n1", n1).param("p1", p1).param("n2", n2).param("p2", p2);
        q.p("A school buys " + S(n1) + " " + b.first + " at " + money(p1) + " each and " + S(n2) +
            " " + b.second + " at " + money(p2) + " each.");
        q.p("What is the total cost?");
        return q.number(r, k[0], ans, "dollars", fr(wrong)).done();
    }
}

Question stadiumSeats(Rng& r, const std::string& k) {
    for (;;) {
        const int stands = r.range(3, 6);
        const int each = r.range(40, 160) * 50;
        const long long cap = static_cast<long long>(stands) * each;
        const long long sold = r.range(static_cast<int>(cap * 6 / 10), static_cast<int>(cap - 500));
        const long long ans = cap - sold;
        const std::vector<long long> wrong = {subSmallerFromLarger(cap, sold) /* column slip */,
                                              subNoPayBack(cap, sold) /* borrow not paid back */,
                                              cap /* the seats, nothing taken away */};
        if (!borrows(cap, sold) || !distinctWrong(ans, {wrong[0], wrong[1], wrong[2]})) continue;
        QB q("stadium_seats", 3);
        q.param("stands", stands).param("each", each).param("sold", S(sold));
        q.p("A stadium has " + S(stands) + " stands with " + num(each) +
            " seats in each stand. For a match, " + num(sold) +
            " tickets were sold, one for each seat.");
        q.p("How many seats were empty?");
        return q.number(r, k[0], ans, "seats", fr(wrong)).done();
    }
}

Question loavesWeeks(Rng& r, const std::string& k) {
    const int perDay = r.range(120, 480);
    const int weeks = r.range(2, 6);
    QB q("loaves_weeks", 2);
    q.param("per_day", perDay).param("weeks", weeks);
    q.p("A bakery bakes " + S(perDay) + " loaves of bread every day of the week.");
    q.p("How many loaves does it bake in " + S(weeks) + " weeks?");
    return q
        .number(r, k[0], perDay * 7 * weeks, "loaves",
                {perDay * weeks /* the weeks taken as days */, perDay * 7 /* one week only */,
                 perDay * 5 * weeks /* five-day weeks */})
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
        std::vector<int> others = {b, c};
        for (int i = 1, o = 0; i <= 3; ++i) shown += i == at ? "?" : S(others[o++]);
        QB q("divisible_digit", 2);
        q.param("shown", shown);
        q.p("The four-digit number <b>" + shown + "</b> is divisible by 9.");
        q.p("What is the missing digit?");
        return q.number(r, k[0], d, "", std::vector<Frac>{}).done();
    }
}

Question lcmContext(Rng& r, const std::string& k) {
    for (;;) {
        const int a = r.range(4, 20);
        const int b = r.range(4, 20);
        const int g = gcdInt(a, b);
        if (a >= b || g == 1 || g == a || !distinctWrong(a / g * b, {a * b, g, a + b})) continue;
        const bool buses = r.chance(50);
        QB q("lcm_context", 2);
        q.param("a", a).param("b", b);
        if (buses)
            q.p("A bus leaves the station every " + S(a) + " minutes and a tram leaves every " +
                S(b) + " minutes. A bus and a tram both leave at 8:00am.");
        else
            q.p("One lighthouse flashes every " + S(a) + " seconds and another every " + S(b) +
                " seconds. They flash together at midnight.");
        q.p(buses ? "After how many minutes do a bus and a tram next leave together?"
                  : "After how many seconds do they next flash together?");
        return q
            .number(r, k[0], a / g * b, buses ? "minutes" : "seconds",
                    {a * b /* the product: a common multiple, not the first */,
                     g /* the highest common factor */, a + b /* added */})
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
        QB q("hcf_context", 2);
        q.param("a", a).param("b", b);
        q.p("Two ribbons are " + qty(a, "cm") + " and " + qty(b, "cm") +
            " long. Both are cut into pieces that are all the same length, with nothing left "
            "over.");
        q.p("What is the <b>longest</b> the pieces can be?");
        return q
            .number(r, k[0], g, "cm",
                    {part /* a common factor, not the highest */,
                     a / g + b / g /* the number of pieces */,
                     b - a /* the difference of the lengths */})
            .done();
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

Question romanNumerals(Rng& r, const std::string& k) {
    int n = 0;
    do n = k == "T" ? r.range(14, 399) : r.range(40, 2099);
    while (!hasSubtractivePair(roman(n)));
    QB q("roman_numerals", 2);
    q.param("n", n);
    if (k == "T") {
        q.p("Write <b>" + S(n) + "</b> in Roman numerals.");
        q.note(std::string("Write the Roman numeral, for example ") +
               (roman(n) == "XXIV" ? "XVII" : "XXIV") + " for " +
               (roman(n) == "XXIV" ? "17" : "24") + ".");
        q.answer();
        return q.part('T', roman(n)).done();
    }
    q.p("What number is written <b>" + roman(n) + "</b> in Roman numerals?");
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
