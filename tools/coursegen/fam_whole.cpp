// Whole Numbers: the four operations, place value, rounding, factors and word problems.

#include "drawing.h"
#include "families.h"

#include <algorithm>
#include <string>

namespace {

const char* kOnes[] = {"",        "one",     "two",       "three",    "four",
                       "five",    "six",     "seven",     "eight",    "nine",
                       "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                       "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
const char* kTens[] = {"",      "",      "twenty",  "thirty", "forty",
                       "fifty", "sixty", "seventy", "eighty", "ninety"};

std::string below100(int n) {
    if (n < 20) return kOnes[n];
    return std::string(kTens[n / 10]) + (n % 10 ? std::string("-") + kOnes[n % 10] : "");
}

// British style: "three hundred and four", used for numbers below 1000.
std::string below1000(int n) {
    std::string s;
    if (n >= 100) {
        s = std::string(kOnes[n / 100]) + " hundred";
        if (n % 100) s += " and ";
    }
    if (n % 100) s += below100(n % 100);
    return s;
}

std::string words(int n) {
    const int th = n / 1000;
    const int rest = n % 1000;
    std::string s;
    if (th) s = below1000(th) + " thousand";
    if (rest) {
        if (th) s += rest < 100 ? " and " : " ";
        s += below1000(rest);
    }
    return s;
}

Question addWhole(Rng& r, const std::string& k) {
    const int a = r.range(1200, 8999);
    const int b = r.range(1100, 8999);
    QB q("add_whole", 1);
    q.param("a", a).param("b", b);
    q.p("Work out <b>" + S(a) + " + " + S(b) + "</b>.");
    return q
        .number(r, k[0], a + b, "",
                {a + b + 10, a + b - 10, a + b + 100, a + b - 100, a + b + 1000})
        .done();
}

Question subWhole(Rng& r, const std::string& k) {
    const int a = r.range(3000, 9999);
    const int b = r.range(1000, a - 500);
    QB q("sub_whole", 1);
    q.param("a", a).param("b", b);
    q.p("Work out <b>" + S(a) + " &minus; " + S(b) + "</b>.");
    return q.number(r, k[0], a - b, "", {a - b + 10, a - b - 10, a - b + 100, a - b - 100, a + b})
        .done();
}

Question mulWhole(Rng& r, const std::string& k) {
    const int a = r.range(102, 899);
    const int b = r.range(12, 79);
    QB q("mul_whole", 2);
    q.param("a", a).param("b", b);
    q.p("Work out <b>" + S(a) + " &times; " + S(b) + "</b>.");
    return q
        .number(r, k[0], a * b, "", {a * b + 10, a * b - a, a * b + a, a * (b % 10) + a * (b / 10)})
        .done();
}

Question divWhole(Rng& r, const std::string& k) {
    const int b = r.chance(50) ? r.range(3, 9) : r.range(11, 25);
    const int c = r.range(b < 10 ? 112 : 21, b < 10 ? 999 : 199);
    QB q("div_whole", 2);
    q.param("a", b * c).param("b", b);
    q.p("Work out <b>" + S(b * c) + " &divide; " + S(b) + "</b>.");
    return q.number(r, k[0], c, "", {c + 1, c - 1, c + 10, c * 10}).done();
}

Question placeValue(Rng& r, const std::string& k) {
    for (;;) {
        const int n = r.range(10000, 999999);
        const std::string s = std::to_string(n);
        const int pos = r.range(0, static_cast<int>(s.size()) - 2);  // never the ones digit
        const char d = s[static_cast<std::size_t>(pos)];
        if (d == '0' || s.find(d) != s.rfind(d)) continue;  // the digit must be unmistakable
        long long value = d - '0';
        for (std::size_t i = static_cast<std::size_t>(pos) + 1; i < s.size(); ++i) value *= 10;
        QB q("place_value", 1);
        q.param("n", n).param("digit", d - '0');
        q.p("What is the value of the digit <b>" + std::string(1, d) + "</b> in the number <b>" +
            s + "</b>?");
        return q.number(r, k[0], value, "", {value / 10, value * 10, d - '0', value / 100}).done();
    }
}

Question roundWhole(Rng& r, const std::string& k) {
    const int to = r.pick(std::vector<int>{10, 100, 1000});
    int n = 0;
    do n = r.range(10000, 99999);
    while (n % to == 0 || n % to == to / 2);
    const int down = n - n % to;
    const int answer = (n % to) > to / 2 ? down + to : down;
    QB q("round_whole", 1);
    q.param("n", n).param("to", to);
    q.p("Round <b>" + S(n) + "</b> to the nearest " + S(to) + ".");
    return q
        .number(r, k[0], answer, "",
                {answer == down ? down + to : down, n - n % (to * 10), answer + to * 10,
                 n - n % (to / 10 ? to / 10 : 1)})
        .done();
}

Question orderOps(Rng& r, const std::string& k) {
    const int form = r.range(1, 3);
    const int a = r.range(4, 60);
    const int b = r.range(3, 12);
    const int c = r.range(3, 12);
    const int d = r.range(2, 9);
    QB q("order_ops", 2);
    q.param("form", form).param("a", a).param("b", b).param("c", c).param("d", d);
    long long ans = 0;
    long long slip = 0;
    std::string expr;
    if (form == 1) {
        expr = S(a) + " + " + S(b) + " &times; " + S(c);
        ans = a + b * c;
        slip = (a + b) * c;
    } else if (form == 2) {
        expr = "(" + S(a) + " + " + S(b) + ") &times; " + S(c);
        ans = (a + b) * c;
        slip = a + b * c;
    } else {
        const int e = std::min(d, (b * c - 1) / d);  // keeps the answer positive
        expr = S(b) + " &times; " + S(c) + " &minus; " + S(d) + " &times; " + S(e);
        ans = b * c - d * e;
        slip = (b * c - d) * e;
    }
    q.p("Work out <b>" + expr + "</b>.");
    return q.number(r, k[0], ans, "", {slip, ans + 10, ans + c, ans - 2}).done();
}

Question factorsCommon(Rng& r, const std::string& k) {
    const bool hcf = r.chance(50);
    int a = 0;
    int b = 0;
    int g = 0;
    do {
        a = r.range(hcf ? 12 : 4, hcf ? 96 : 15);
        b = r.range(hcf ? 12 : 4, hcf ? 96 : 15);
        g = gcdInt(a, b);
    } while (a == b || g == 1 || g == a || g == b);
    const int answer = hcf ? g : a / g * b;
    QB q(hcf ? "hcf" : "lcm", 2);
    q.param("a", a).param("b", b);
    if (hcf)
        q.p("What is the highest common factor of <b>" + S(a) + "</b> and <b>" + S(b) + "</b>?");
    else
        q.p("What is the lowest common multiple of <b>" + S(a) + "</b> and <b>" + S(b) + "</b>?");
    return q.number(r, k[0], answer, "", {a * b, g, answer * 2, a + b}).done();
}

Question shopChange(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const std::vector<std::string> items = {"notebooks", "pencil cases",  "story books",
                                            "rulers",    "water bottles", "puzzles"};
    const std::string item = r.pick(items);
    const int n = r.range(3, 9);
    const int price = r.range(4, 11);
    const int note = n * price < 50 ? 50 : 100;
    QB q("shop_change", 2);
    q.param("n", n).param("price", price).param("note", note).param("who", who);
    q.p(who + " buys " + S(n) + " " + item + " at $" + S(price) + " each and pays with a $" +
        S(note) + " note.");
    q.p("How much change does " + who + " get?");
    return q
        .number(r, k[0], note - n * price, "dollars",
                {n * price, note - n * price + price, note - n * price - price})
        .done();
}

Question numerals(Rng& r, const std::string& k) {
    int n = r.range(10000, 999999);
    if (r.chance(50)) n -= n % 1000 - r.range(0, 99);  // a gap of zeros in the middle
    QB q("numerals", 1);
    q.param("n", n);
    q.p("Write in numerals: <b>" + words(n) + "</b>.");
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
                {classes * size, classes * size + absent, classes * (size - absent)})
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
    return q.number(r, k[0], count, "", {count + 1, count + 2, count > 1 ? count - 1 : 7}).done();
}

Question remainder(Rng& r, const std::string& k) {
    const int d = r.range(3, 12);
    int n = 0;
    do n = r.range(100, 2000);
    while (n % d == 0);
    QB q("remainder", 2);
    q.param("n", n).param("d", d);
    q.p("What is the remainder when <b>" + S(n) + "</b> is divided by <b>" + S(d) + "</b>?");
    return q.number(r, k[0], n % d, "", {n / d, d - n % d, n % d + 1}).done();
}

Question whichMultiple(Rng& r, const std::string& k) {
    (void)k;
    const int m = r.range(6, 13);
    const int right = m * r.range(12, 90);
    std::vector<std::string> wrong;
    while (wrong.size() < 3) {
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
    while (at == intervals / 2);
    QB q("number_line", 1);
    q.param("start", start)
        .param("end", start + intervals * step)
        .param("intervals", intervals)
        .param("at", at);
    q.p("The marks on the number line are equally spaced. What number is the arrow pointing to?");
    drawNumberLine(
        q.figure(300, 150, "number line from " + S(start) + " to " + S(start + intervals * step)),
        intervals, S(start), S(start + intervals * step), at);
    const int ans = start + at * step;
    return q.number(r, k[0], ans, "", {start + at, ans + step, ans - step}).done();
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
    out.push_back({"hcf_lcm", 1, {"N", "Q"}, factorsCommon});
    out.push_back({"shop_change", 1, {"N"}, shopChange});
    out.push_back({"numerals", 1, {"N"}, numerals});
    out.push_back({"who_more", 1, {"T"}, whoMore});
    out.push_back({"attendance", 1, {"N", "Q"}, attendance});
    out.push_back({"primes_between", 1, {"N", "Q"}, primesBetween});
    out.push_back({"remainder", 1, {"N", "Q"}, remainder});
    out.push_back({"number_line", 1, {"N", "Q"}, numberLineWhole});
    out.push_back({"which_multiple", 1, {"Q"}, whichMultiple});
}
