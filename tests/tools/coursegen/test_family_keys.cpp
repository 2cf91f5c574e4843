// Every key of the committed course re-checked from its family parameters by a computation of
// its own (and, for "Work out" questions, by evaluating the expression the learner sees), and
// marked the way the program marks it: numbers by value, fractions, mixed numbers and ratios by
// their exact text, words and times without regard to case, multiple choice by the option that
// holds the right answer.

#include "course_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace {

long long gcdOf(long long a, long long b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b) {
        const long long t = a % b;
        a = b;
        b = t;
    }
    return a;
}

struct Rat {
    long long n = 0;
    long long d = 1;
    Rat(long long v = 0) : n(v) {}  // NOLINT
    Rat(long long a, long long b) : n(a), d(b) {
        if (d == 0) throw std::runtime_error("division by zero");
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const long long g = gcdOf(n, d);
        if (g > 1) {
            n /= g;
            d /= g;
        }
    }
    friend Rat operator+(Rat a, Rat b) { return Rat(a.n * b.d + b.n * a.d, a.d * b.d); }
    friend Rat operator-(Rat a, Rat b) { return Rat(a.n * b.d - b.n * a.d, a.d * b.d); }
    friend Rat operator*(Rat a, Rat b) { return Rat(a.n * b.n, a.d * b.d); }
    friend Rat operator/(Rat a, Rat b) { return Rat(a.n * b.d, a.d * b.n); }
    friend bool operator==(Rat a, Rat b) { return a.n == b.n && a.d == b.d; }
    friend bool operator<(Rat a, Rat b) { return a.n * b.d < b.n * a.d; }
    bool whole() const { return d == 1; }
};

// "12", "-3", "4.25", "3/4", "2 3/4"; throws on anything else.
Rat parseRat(const std::string& sIn) {
    std::string s = sIn;
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    static const std::regex dec(R"(^(-?)(\d+)(?:\.(\d+))?$)");
    static const std::regex frac(R"(^(-?\d+)/(\d+)$)");
    static const std::regex mixed(R"(^(\d+) (\d+)/(\d+)$)");
    std::smatch m;
    if (std::regex_match(s, m, dec)) {
        long long scale = 1;
        const std::string f = m[3];
        for (std::size_t i = 0; i < f.size(); ++i) scale *= 10;
        const long long v = std::stoll(m[2]) * scale + (f.empty() ? 0 : std::stoll(f));
        return Rat(m[1] == "-" ? -v : v, scale);
    }
    if (std::regex_match(s, m, frac)) return Rat(std::stoll(m[1]), std::stoll(m[2]));
    if (std::regex_match(s, m, mixed))
        return Rat(std::stoll(m[1])) + Rat(std::stoll(m[2]), std::stoll(m[3]));
    throw std::runtime_error("not a number: '" + sIn + "'");
}

bool isNumber(const std::string& s) {
    try {
        parseRat(s);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

// Evaluates an expression written in the question: + &minus; &times; &divide; ( ), decimals,
// fractions such as 3/4 and mixed numbers such as 2 3/4.
class Expr {
  public:
    explicit Expr(std::string text) {
        auto swap = [&](const std::string& from, const std::string& to) {
            for (auto at = text.find(from); at != std::string::npos;
                 at = text.find(from, at + to.size()))
                text.replace(at, from.size(), to);
        };
        swap("&minus;", "-");
        swap("&times;", "*");
        swap("&divide;", ":");
        s_ = text;
    }
    Rat value() {
        const Rat v = sum();
        skip();
        if (i_ != s_.size()) throw std::runtime_error("unread expression text: " + s_.substr(i_));
        return v;
    }

  private:
    void skip() {
        while (i_ < s_.size() && s_[i_] == ' ') ++i_;
    }
    Rat sum() {
        Rat v = product();
        for (;;) {
            skip();
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) {
                const char op = s_[i_++];
                const Rat w = product();
                v = op == '+' ? v + w : v - w;
            } else
                return v;
        }
    }
    Rat product() {
        Rat v = atom();
        for (;;) {
            skip();
            if (i_ < s_.size() && (s_[i_] == '*' || s_[i_] == ':')) {
                const char op = s_[i_++];
                const Rat w = atom();
                v = op == '*' ? v * w : v / w;
            } else
                return v;
        }
    }
    long long digits(std::string& raw) {
        const std::size_t start = i_;
        while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
        raw = s_.substr(start, i_ - start);
        if (raw.empty()) throw std::runtime_error("number expected in " + s_);
        return std::stoll(raw);
    }
    Rat atom() {
        skip();
        if (i_ < s_.size() && s_[i_] == '(') {
            ++i_;
            const Rat v = sum();
            skip();
            if (i_ >= s_.size() || s_[i_] != ')') throw std::runtime_error("missing ) in " + s_);
            ++i_;
            return v;
        }
        std::string raw;
        long long whole = digits(raw);
        if (i_ < s_.size() && s_[i_] == '.') {
            ++i_;
            std::string f;
            const long long frac = digits(f);
            long long scale = 1;
            for (std::size_t k = 0; k < f.size(); ++k) scale *= 10;
            return Rat(whole * scale + frac, scale);
        }
        if (i_ < s_.size() && s_[i_] == '/') {
            ++i_;
            std::string d;
            return Rat(whole, digits(d));
        }
        // a mixed number: whole, one space, a fraction
        if (i_ + 1 < s_.size() && s_[i_] == ' ' &&
            std::isdigit(static_cast<unsigned char>(s_[i_ + 1]))) {
            const std::size_t back = i_;
            ++i_;
            std::string a;
            const long long num = digits(a);
            if (i_ < s_.size() && s_[i_] == '/') {
                ++i_;
                std::string d;
                return Rat(whole) + Rat(num, digits(d));
            }
            i_ = back;
        }
        return Rat(whole);
    }
    std::string s_;
    std::size_t i_ = 0;
};

// The expression in bold after "Work out".
Rat workedOut(const course::Question& q) {
    static const std::regex bold(R"(Work out <b>([^<]+)</b>)");
    std::smatch m;
    if (!std::regex_search(q.html, m, bold)) throw std::runtime_error("no expression to work out");
    return Expr(m[1]).value();
}

struct Want {
    bool number = false;
    Rat value;
    std::string text;
};
Want N(Rat v) {
    return Want{true, v, ""};
}
Want T(std::string s) {
    return Want{false, Rat(), std::move(s)};
}

struct P {
    const course::Question& q;
    std::string s(const std::string& k) const {
        const auto it = q.params.find(k);
        if (it == q.params.end()) throw std::runtime_error("missing parameter " + k);
        return it->second;
    }
    Rat r(const std::string& k) const { return parseRat(s(k)); }
    long long i(const std::string& k) const {
        const Rat v = r(k);
        if (!v.whole()) throw std::runtime_error("parameter " + k + " is not whole");
        return v.n;
    }
    std::vector<Rat> list(const std::string& k) const {
        std::vector<Rat> out;
        std::stringstream in(s(k));
        std::string v;
        while (std::getline(in, v, ',')) out.push_back(parseRat(v));
        return out;
    }
};

Rat sumOf(const std::vector<Rat>& v) {
    Rat t;
    for (const Rat& x : v) t = t + x;
    return t;
}

std::string ratioText(std::vector<long long> v) {
    long long g = 0;
    for (long long x : v) g = gcdOf(g, x);
    std::string s;
    for (long long x : v) s += (s.empty() ? "" : ":") + std::to_string(x / g);
    return s;
}

// Bearings of the eight compass points, clockwise from north.
int bearing(const std::string& p) {
    static const std::map<std::string, int> b = {{"N", 0},   {"NE", 45},  {"E", 90},  {"SE", 135},
                                                 {"S", 180}, {"SW", 225}, {"W", 270}, {"NW", 315}};
    return b.at(p);
}
std::string pointAt(int deg) {
    static const char* names[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    deg = ((deg % 360) + 360) % 360;
    if (deg % 45) throw std::runtime_error("not a compass point");
    return names[deg / 45];
}

// "15:58" as minutes after midnight.
int minutesOf(const std::string& hhmm) {
    const auto colon = hhmm.find(':');
    return std::stoi(hhmm.substr(0, colon)) * 60 + std::stoi(hhmm.substr(colon + 1));
}

std::string timeText(int minutes, const std::string& style) {
    const int h24 = minutes / 60 % 24;
    const int m = minutes % 60;
    const bool afternoon = h24 >= 12;
    int h = h24 > 12 ? h24 - 12 : h24;
    if (h == 0) h = 12;
    char mm[3] = {static_cast<char>('0' + m / 10), static_cast<char>('0' + m % 10), 0};
    if (style == "colon") return std::to_string(h) + ":" + mm + (afternoon ? "pm" : "am");
    if (style == "caps") return std::to_string(h) + "." + mm + (afternoon ? " PM" : " AM");
    if (style == "dot") return std::to_string(h) + "." + mm + (afternoon ? " pm" : " am");
    throw std::runtime_error("unknown time style " + style);
}

bool prime(long long n) {
    if (n < 2) return false;
    for (long long d = 2; d < n; ++d)
        if (n % d == 0) return false;
    return true;
}

// Reads number words such as "forty-five thousand and six".
long long fromWords(std::string text) {
    static const std::map<std::string, int> small = {
        {"one", 1},      {"two", 2},        {"three", 3},     {"four", 4},      {"five", 5},
        {"six", 6},      {"seven", 7},      {"eight", 8},     {"nine", 9},      {"ten", 10},
        {"eleven", 11},  {"twelve", 12},    {"thirteen", 13}, {"fourteen", 14}, {"fifteen", 15},
        {"sixteen", 16}, {"seventeen", 17}, {"eighteen", 18}, {"nineteen", 19}, {"twenty", 20},
        {"thirty", 30},  {"forty", 40},     {"fifty", 50},    {"sixty", 60},    {"seventy", 70},
        {"eighty", 80},  {"ninety", 90}};
    std::replace(text.begin(), text.end(), '-', ' ');
    std::istringstream in(text);
    std::string w;
    long long total = 0;
    long long group = 0;
    while (in >> w) {
        if (w == "and") continue;
        if (w == "hundred")
            group *= 100;
        else if (w == "thousand") {
            total += group * 1000;
            group = 0;
        } else
            group += small.at(w);
    }
    return total + group;
}

std::string bigger(const std::string& x, Rat a, const std::string& y, Rat b) {
    if (a == b) throw std::runtime_error("a tie has no right answer");
    return b < a ? x : y;
}

std::vector<std::string> options(const std::string& html);

// Squares on a grid picture: all of them, and those filled with the shading colour.
std::pair<int, int> countSquares(const course::Question& q) {
    int cells = 0;
    int dark = 0;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops)
            if (op.rfind("rect ", 0) == 0) {
                ++cells;
                dark += op.find("fill=#3b82f6") != std::string::npos;
            }
    return {cells, dark};
}

using Checker = std::function<std::vector<Want>(const P&)>;

const std::map<std::string, Checker>& checkers() {
    static const std::map<std::string, Checker> c = {
        // Whole Numbers
        {"add_whole", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"sub_whole", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"mul_whole", [](const P& p) { return std::vector{N(p.r("a") * p.r("b"))}; }},
        {"div_whole", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"order_ops", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"place_value",
         [](const P& p) {
             const std::string n = p.s("n");
             const char d = static_cast<char>('0' + p.i("digit"));
             if (std::count(n.begin(), n.end(), d) != 1)
                 throw std::runtime_error("the digit is not unique");
             long long v = d - '0';
             for (std::size_t k = n.find(d) + 1; k < n.size(); ++k)
                 v *= 10;
             return std::vector{N(v)};
         }},
        {"round_whole",
         [](const P& p) {
             const long long n = p.i("n");
             const long long to = p.i("to");
             const long long below = n / to * to;
             if ((n - below) * 2 == to)
                 throw std::runtime_error("halfway");
             return std::vector{N((n - below) * 2 > to ? below + to : below)};
         }},
        {"hcf",
         [](const P& p) {
             long long best = 1;
             for (long long k = 1; k <= p.i("a"); ++k)
                 if (p.i("a") % k == 0 && p.i("b") % k == 0)
                     best = k;
             return std::vector{N(best)};
         }},
        {"lcm",
         [](const P& p) {
             long long m = p.i("a");
             while (m % p.i("b"))
                 m += p.i("a");
             return std::vector{N(m)};
         }},
        {"shop_change", [](const P& p) { return std::vector{N(p.r("note") - p.r("n") * p.r("price"))}; }},
        {"numerals",
         [](const P& p) {
             static const std::regex w(R"(numerals: <b>([^<]+)</b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, w))
                 throw std::runtime_error("no number words");
             if (fromWords(m[1]) != p.i("n"))
                 throw std::runtime_error("the words do not say " + p.s("n"));
             return std::vector{N(fromWords(m[1]))};
         }},
        {"who_more", [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("a") - p.r("give"), p.s("y"), p.r("b") + p.r("give")))}; }},
        {"remainder", [](const P& p) { return std::vector{N(p.r("n") - p.r("d") * Rat(p.i("n") / p.i("d")))}; }},
        {"which_multiple",
         [](const P& p) {
             int multiples = 0;
             for (const auto& o : options(p.q.html))
                 multiples += std::stoll(o) % p.i("m") == 0;
             if (multiples != 1)
                 throw std::runtime_error(std::to_string(multiples) + " options are multiples");
             return std::vector{N(p.r("right"))};
         }},
        {"number_line",
         [](const P& p) {
             // the ends are the numbers printed under the end ticks
             const Rat step = (p.r("end") - p.r("start")) / p.r("intervals");
             int labelled = 0;
             for (const auto& f : p.q.figures)
                 for (const auto& op : f.ops)
                     labelled += op.find("\"" + p.s("start") + "\"") != std::string::npos || op.find("\"" + p.s("end") + "\"") != std::string::npos;
             if (labelled != 2)
                 throw std::runtime_error("the end labels are not on the picture");
             return std::vector{N(p.r("start") + step * p.r("at"))};
         }},
        {"attendance", [](const P& p) { return std::vector{N(p.r("classes") * p.r("size") - p.r("absent"))}; }},
        {"primes_between",
         [](const P& p) {
             long long count = 0;
             for (long long n = p.i("lo") + 1; n < p.i("hi"); ++n)
                 count += prime(n);
             if (prime(p.i("lo")) || prime(p.i("hi")))
                 throw std::runtime_error("'between' is unclear at a prime end");
             return std::vector{N(count)};
         }},
        // Decimals
        {"dec_add", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_sub", [](const P& p) { return std::vector{N(p.r("a") - p.r("b"))}; }},
        {"dec_mul_int", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_div_int", [](const P& p) { return std::vector{N(p.r("a") / p.r("m"))}; }},
        {"dec_shift", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_to_mixed", [](const P& p) { return std::vector{N(p.r("d"))}; }},
        {"dec_round",
         [](const P& p) {
             long long scale = 1;
             for (long long k = 0; k < p.i("places"); ++k)
                 scale *= 10;
             const Rat scaled = p.r("v") * Rat(scale);
             const long long down = scaled.n / scaled.d;
             const Rat rest = scaled - Rat(down);
             if (rest == Rat(1, 2))
                 throw std::runtime_error("halfway");
             const long long r = Rat(1, 2) < rest ? down + 1 : down;
             std::string digits = std::to_string(r);
             while (static_cast<long long>(digits.size()) <= p.i("places"))
                 digits.insert(digits.begin(), '0');
             digits.insert(digits.end() - p.i("places"), '.');
             return std::vector{T(digits)};
         }},
        {"dec_order",
         [](const P& p) {
             const auto v = p.list("vals");
             return std::vector{N(p.s("which") == "largest" ? *std::max_element(v.begin(), v.end()) : *std::min_element(v.begin(), v.end()))};
         }},
        {"dec_place_value",
         [](const P& p) {
             // digits after the point: the first is tenths, then hundredths, thousandths
             const std::string n = p.s("n");
             const char d = static_cast<char>('0' + p.i("digit"));
             if (std::count(n.begin(), n.end(), d) != 1)
                 throw std::runtime_error("the digit is not unique");
             const auto point = n.find('.');
             const auto at = n.find(d);
             if (point == std::string::npos || at < point)
                 throw std::runtime_error("the digit is not a decimal place");
             long long den = 1;
             for (auto k = point; k < at; ++k)
                 den *= 10;
             return std::vector{N(Rat(p.i("digit"), den))};
         }},
        {"frac_to_dec", [](const P& p) { return std::vector{N(p.r("n") / p.r("d"))}; }},
        {"money_change",
         [](const P& p) {
             const Rat change = p.r("note") - p.r("a") - p.r("b");
             if (p.q.parts.size() == 2)
                 return std::vector{N(p.r("a") + p.r("b")), N(change)};
             return std::vector{N(change)};
         }},
        {"dec_farthest",
         [](const P& p) {
             std::vector<std::pair<Rat, std::string>> v = {{p.r("dx"), p.s("x")}, {p.r("dy"), p.s("y")}, {p.r("dz"), p.s("z")}};
             std::sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
             if (v[2].first == v[1].first)
                 throw std::runtime_error("tie");
             return std::vector{T(v[2].second)};
         }},
        {"dec_mass",
         [](const P& p) {
             if (p.q.parts.size() == 2)
                 return std::vector{N(p.r("a") + p.r("b")), N(p.r("a") - p.r("b"))};
             return std::vector{N(p.r("a") - p.r("b"))};
         }},
        {"share_money", [](const P& p) { return std::vector{N(p.r("total") / p.r("people"))}; }},
        // Fractions
        {"frac_add", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_sub", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_mul", [](const P& p) { return std::vector{N(p.r("a") * p.r("b"))}; }},
        {"frac_simplify", [](const P& p) { return std::vector{N(Rat(p.i("n"), p.i("d")))}; }},
        {"shaded_fraction",
         [](const P& p) {
             // counted from the picture itself: filled squares against all squares
             const auto [cells, dark] = countSquares(p.q);
             if (cells != p.i("rows") * p.i("cols") || dark != p.i("shaded"))
                 throw std::runtime_error("the picture does not match the parameters");
             return std::vector{N(Rat(dark, cells))};
         }},
        {"improper_to_mixed", [](const P& p) { return std::vector{N(Rat(p.i("n"), p.i("d")))}; }},
        {"mixed_to_improper", [](const P& p) { return std::vector{N(p.r("w") + p.r("f"))}; }},
        {"mixed_add", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"mixed_sub", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_of_qty", [](const P& p) { return std::vector{N(p.r("n") / Rat(p.r("f").d) * Rat(p.r("f").n))}; }},
        {"frac_left_money", [](const P& p) { return std::vector{N(p.r("n") * (Rat(1) - p.r("f")))}; }},
        {"frac_more", [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("a"), p.s("y"), p.r("b")))}; }},
        {"equiv_missing", [](const P& p) { return std::vector{N(p.r("d") / Rat(p.r("f").d) * Rat(p.r("f").n))}; }},
        {"frac_div_whole", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"whole_div_frac", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_of_unit", [](const P& p) { return std::vector{N(p.r("f") * p.r("factor"))}; }},
        {"whole_from_part", [](const P& p) { return std::vector{N(p.r("part") / p.r("f"))}; }},
        {"frac_order",
         [](const P& p) {
             const auto v = p.list("vals");
             return std::vector{N(p.s("which") == "largest" ? *std::max_element(v.begin(), v.end()) : *std::min_element(v.begin(), v.end()))};
         }},
        {"frac_of_then_mixed", [](const P& p) { return std::vector{N(p.r("f") * p.r("n")), N(p.r("g"))}; }},
        {"frac_class", [](const P& p) { return std::vector{N(p.r("f") * p.r("n")), N((p.r("n") - p.r("f") * p.r("n")) / p.r("n"))}; }},
        {"frac_spend",
         [](const P& p) {
             const Rat n = p.r("n");
             const Rat first = n * p.r("a");
             const Rat second = (n - first) * p.r("b");
             return std::vector{N(first), N(second), N((n - first - second) / n)};
         }},
        // Area and Perimeter
        {"rect_area", [](const P& p) { return std::vector{N(p.r("w") * p.r("h"))}; }},
        {"rect_perimeter", [](const P& p) { return std::vector{N(p.r("w") + p.r("h") + p.r("w") + p.r("h"))}; }},
        {"square_side",
         [](const P& p) {
             if (p.s("given") == "area") {
                 long long s = 1;
                 while (s * s < p.i("value"))
                     ++s;
                 if (s * s != p.i("value"))
                     throw std::runtime_error("not a square area");
                 return std::vector{N(4 * s)};
             }
             const Rat s = p.r("value") / Rat(4);
             return std::vector{N(s * s)};
         }},
        {"rect_missing_side",
         [](const P& p) {
             if (p.s("given") == "area")
                 return std::vector{N(p.r("value") / p.r("w"))};
             return std::vector{N((p.r("value") - p.r("w") * Rat(2)) / Rat(2))};
         }},
        {"lshape_area", [](const P& p) { return std::vector{N(p.r("w") * (p.r("h") - p.r("ch")) + (p.r("w") - p.r("cw")) * p.r("ch"))}; }},
        {"lshape_perimeter",
         [](const P& p) {
             // the six edges, walking round from the top-left corner
             const Rat w = p.r("w"), h = p.r("h"), cw = p.r("cw"), ch = p.r("ch");
             return std::vector{N((w - cw) + ch + cw + (h - ch) + w + h)};
         }},
        {"triangle_area", [](const P& p) { return std::vector{N(p.r("b") * p.r("h") / Rat(2))}; }},
        {"path_area",
         [](const P& p) {
             const Rat w = p.r("w"), h = p.r("h"), k = p.r("path");
             // two long strips and two short ones, corners in the long strips
             return std::vector{N(Rat(2) * (w + k + k) * k + Rat(2) * h * k)};
         }},
        {"tiles", [](const P& p) { return std::vector{N((p.r("a") * p.r("b")) / (p.r("tile") * p.r("tile")))}; }},
        {"bigger_garden", [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("a") * p.r("b"), p.s("y"), p.r("c") * p.r("d")))}; }},
        {"fence_cost", [](const P& p) { return std::vector{N((p.r("w") + p.r("h")) * Rat(2) * p.r("price"))}; }},
        {"rect_area_perimeter", [](const P& p) { return std::vector{N(p.r("w") * p.r("h")), N(Rat(2) * p.r("w") + Rat(2) * p.r("h"))}; }},
        {"lshape_carpet",
         [](const P& p) {
             const Rat w = p.r("w"), h = p.r("h"), cw = p.r("cw"), ch = p.r("ch");
             const Rat area = (w - cw) * h + cw * (h - ch);
             return std::vector{N(area), N(Rat(2) * (w + h)), N(area * p.r("price"))};
         }},
        {"parallelogram_area", [](const P& p) { return std::vector{N(p.r("b") * p.r("h"))}; }},
        {"square_cut", [](const P& p) { return std::vector{N(p.r("s") * p.r("s") - Rat(4) * p.r("c") * p.r("c"))}; }},
        // Volume
        {"cuboid_volume", [](const P& p) { return std::vector{N(p.r("l") * p.r("w") * p.r("h"))}; }},
        {"cube_volume", [](const P& p) { return std::vector{N(p.r("edge") * p.r("edge") * p.r("edge"))}; }},
        {"cube_edge",
         [](const P& p) {
             long long e = 1;
             while (e * e * e < p.i("volume"))
                 ++e;
             if (e * e * e != p.i("volume"))
                 throw std::runtime_error("not a cube");
             return std::vector{N(e)};
         }},
        {"cuboid_height", [](const P& p) { return std::vector{N(p.r("volume") / p.r("l") / p.r("w"))}; }},
        {"ml_to_litres", [](const P& p) { return std::vector{N(p.r("ml") / Rat(1000))}; }},
        {"litres_to_cm3", [](const P& p) { return std::vector{N(p.r("litres") * Rat(1000))}; }},
        {"tank_water", [](const P& p) { return std::vector{N(p.r("l") * p.r("w") * p.r("depth") / Rat(1000))}; }},
        {"cubes_in_box",
         [](const P& p) {
             const Rat e = p.r("edge");
             const Rat a = p.r("a") / e, b = p.r("b") / e, c = p.r("c") / e;
             if (!a.whole() || !b.whole() || !c.whole())
                 throw std::runtime_error("cubes do not fit exactly");
             return std::vector{N(a * b * c)};
         }},
        {"net_area",
         [](const P& p) {
             const Rat l = p.r("l"), w = p.r("w"), h = p.r("h");
             return std::vector{N(l * w + l * w + l * h + l * h + w * h + w * h)};
         }},
        {"bigger_box", [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("a") * p.r("b") * p.r("c"), p.s("y"), p.r("d") * p.r("e") * p.r("f")))}; }},
        {"fill_time", [](const P& p) { return std::vector{N(p.r("litres") / p.r("rate"))}; }},
        {"tank_two",
         [](const P& p) {
             const Rat base = p.r("l") * p.r("w") / Rat(1000);
             return std::vector{N(base * p.r("h")), N(base * p.r("h") - base * p.r("depth"))};
         }},
        {"cuboid_two", [](const P& p) { return std::vector{N(p.r("l") * p.r("w")), N(p.r("l") * p.r("w") * p.r("h"))}; }},
        {"tank_three",
         [](const P& p) {
             const Rat v = p.r("l") * p.r("w") * p.r("h");
             return std::vector{N(v), N(v / Rat(1000)), N(v / Rat(1000) / p.r("rate"))};
         }},
        {"cube_surface", [](const P& p) { return std::vector{N(Rat(6) * p.r("edge") * p.r("edge"))}; }},
        {"stack_cubes",
         [](const P& p) {
             const Rat e = p.r("edge");
             return std::vector{N(p.r("a") * e * p.r("b") * e * p.r("c") * e)};
         }},
        // Geometry
        {"angle_line", [](const P& p) { return std::vector{N(Rat(180) - sumOf(p.list("known")))}; }},
        {"angle_point", [](const P& p) { return std::vector{N(Rat(360) - sumOf(p.list("known")))}; }},
        {"triangle_angle", [](const P& p) { return std::vector{N(Rat(180) - sumOf(p.list("known")))}; }},
        {"isosceles",
         [](const P& p) {
             if (p.s("given") == "apex")
                 return std::vector{N((Rat(180) - p.r("angle")) / Rat(2))};
             return std::vector{N(Rat(180) - p.r("angle") - p.r("angle"))};
         }},
        {"quad_angle", [](const P& p) { return std::vector{N(Rat(360) - sumOf(p.list("known")))}; }},
        {"compass_turn",
         [](const P& p) {
             const int turn = static_cast<int>(p.i("turn"));
             return std::vector{T(pointAt(bearing(p.s("from")) + (p.s("dir") == "cw" ? turn : -turn)))};
         }},
        {"compass_map",
         [](const P& p) {
             const long long east = p.i("bx") - p.i("ax");
             const long long north = p.i("by") - p.i("ay");
             if ((east == 0 && north == 0) || (east != 0 && north != 0 && std::abs(east) != std::abs(north)))
                 throw std::runtime_error("not one of the eight directions");
             std::string dir = north > 0 ? "N" : north < 0 ? "S" : "";
             dir += east > 0 ? "E" : east < 0 ? "W" : "";
             return std::vector{T(dir)};
         }},
        {"compass_angle",
         [](const P& p) {
             const int d = std::abs(bearing(p.s("a")) - bearing(p.s("b")));
             return std::vector{N(std::min(d, 360 - d))};
         }},
        {"clock_angle",
         [](const P& p) {
             // the minute hand is at 12; the hour hand has moved 30 degrees an hour
             const long long d = 30 * p.i("hour");
             return std::vector{N(d > 180 ? 360 - d : d)};
         }},
        {"polygon_angle",
         [](const P& p) {
             const Rat n = p.r("n");
             if (p.s("ask") == "sum")
                 return std::vector{N((n - Rat(2)) * Rat(180))};
             return std::vector{N(Rat(180) - Rat(360) / n)};
         }},
        {"angle_type",
         [](const P& p) {
             const long long a = p.i("angle");
             return std::vector{T(a < 90 ? "an acute angle" : a == 90 ? "a right angle" : a < 180 ? "an obtuse angle" : "a reflex angle")};
         }},
        {"right_angle_split", [](const P& p) { return std::vector{N(Rat(90) - p.r("a"))}; }},
        {"crossing_lines", [](const P& p) { return std::vector{N(p.r("a")), N(Rat(180) - p.r("a"))}; }},
        {"triangle_exterior",
         [](const P& p) {
             const Rat c = Rat(180) - p.r("a") - p.r("b");
             return std::vector{N(c), N(p.r("a") + c)}; // the exterior angle is the sum of the two opposite angles
         }},
        {"isosceles_two", [](const P& p) { return std::vector{N(p.r("base")), N(Rat(180) - Rat(2) * p.r("base"))}; }},
        {"isosceles_three",
         [](const P& p) { return std::vector{N(p.r("base")), N(Rat(180) - Rat(2) * p.r("base")), N(p.r("base") + (Rat(180) - Rat(2) * p.r("base")))}; }},
        {"compass_two",
         [](const P& p) {
             const int turned = ((bearing(p.s("to")) - bearing(p.s("from"))) % 360 + 360) % 360;
             return std::vector{N(turned), T(pointAt(bearing(p.s("to")) - static_cast<int>(p.i("then"))))};
         }},
        // Percentage
        {"pct_of", [](const P& p) { return std::vector{N(p.r("n") / Rat(100) * p.r("p"))}; }},
        {"pct_to_fraction", [](const P& p) { return std::vector{N(Rat(p.i("p"), 100))}; }},
        {"frac_to_pct", [](const P& p) { return std::vector{N(Rat(100) * p.r("n") / p.r("d"))}; }},
        {"pct_change",
         [](const P& p) {
             const Rat change = p.r("price") * p.r("p") / Rat(100);
             return std::vector{N(p.s("dir") == "up" ? p.r("price") + change : p.r("price") - change)};
         }},
        {"pct_part", [](const P& p) { return std::vector{N(p.r("part") / p.r("total") * Rat(100))}; }},
        {"pct_left", [](const P& p) { return std::vector{N(Rat(100) - p.r("a") - p.r("b"))}; }},
        {"dec_pct", [](const P& p) { return std::vector{N(p.s("to") == "decimal" ? p.r("h") / Rat(100) : p.r("h"))}; }},
        {"better_score", [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("a") / p.r("b"), p.s("y"), p.r("c") / p.r("d")))}; }},
        {"discount_two",
         [](const P& p) { return std::vector{N(p.r("price") * p.r("p") / Rat(100)), N(p.r("price") * (Rat(100) - p.r("p")) / Rat(100))}; }},
        {"class_two", [](const P& p) { return std::vector{N(p.r("n") * p.r("p") / Rat(100)), N(p.r("n") * (Rat(100) - p.r("p")) / Rat(100))}; }},
        {"savings_three",
         [](const P& p) {
             const Rat saved = p.r("n") * p.r("p") / Rat(100);
             const Rat spent = (p.r("n") - saved) * p.r("s") / Rat(100);
             return std::vector{N(saved), N(spent), N((p.r("n") - saved) * (Rat(100) - p.r("s")) / Rat(100))};
         }},
        {"reverse_pct", [](const P& p) { return std::vector{N(p.r("part") * Rat(100) / p.r("p"))}; }},
        {"pct_order",
         [](const P& p) {
             std::stringstream in(p.s("vals"));
             std::string v;
             std::vector<std::pair<Rat, std::string>> all;
             while (std::getline(in, v, ','))
                 all.emplace_back(v.back() == '%' ? parseRat(v.substr(0, v.size() - 1)) / Rat(100) : parseRat(v), v);
             std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
             const auto& pick = p.s("which") == "largest" ? all.back() : all.front();
             return std::vector{T(pick.second)};
         }},
        {"pct_shaded",
         [](const P& p) {
             const auto [cells, dark] = countSquares(p.q);
             if (cells != p.i("rows") * p.i("cols") || dark != p.i("shaded"))
                 throw std::runtime_error("the picture does not match the parameters");
             return std::vector{N(Rat(100 * dark, cells))};
         }},
        {"pct_fraction_left", [](const P& p) { return std::vector{N(Rat(1) - p.r("p") / Rat(100))}; }},
        // Ratio and Proportions
        {"ratio_simplify", [](const P& p) { return std::vector{T(ratioText({p.i("a"), p.i("b")}))}; }},
        {"ratio_shaded",
         [](const P& p) {
             const auto [cells, dark] = countSquares(p.q);
             if (cells != p.i("rows") * p.i("cols") || dark != p.i("shaded"))
                 throw std::runtime_error("the picture does not match the parameters");
             return std::vector{T(p.s("order") == "shaded:white" ? ratioText({dark, cells - dark}) : ratioText({cells - dark, dark}))};
         }},
        {"ratio_three", [](const P& p) { return std::vector{T(ratioText({p.i("a"), p.i("b"), p.i("c")}))}; }},
        {"ratio_count",
         [](const P& p) {
             const long long b = p.i("boys"), g = p.i("girls");
             const std::string ask = p.s("ask");
             return std::vector{T(ask == "boys:girls" ? ratioText({b, g}) : ask == "girls:boys" ? ratioText({g, b}) : ratioText({b, b + g}))};
         }},
        {"ratio_share",
         [](const P& p) {
             const Rat share = p.r("total") / (p.r("a") + p.r("b"));
             return std::vector{N(share * (p.s("ask") == "first" ? p.r("a") : p.r("b")))};
         }},
        {"ratio_fraction", [](const P& p) { return std::vector{N(p.r("a") / (p.r("a") + p.r("b")))}; }},
        {"unitary", [](const P& p) { return std::vector{N(p.r("cost") * p.r("m") / p.r("n"))}; }},
        {"ratio_missing", [](const P& p) { return std::vector{N(p.r("first") * p.r("b") / p.r("a"))}; }},
        {"recipe", [](const P& p) { return std::vector{N(p.r("grams") * p.r("want") / p.r("people"))}; }},
        {"stronger_drink",
         [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("a") / (p.r("a") + p.r("b")), p.s("y"), p.r("c") / (p.r("c") + p.r("d"))))}; }},
        {"ratio_difference", [](const P& p) { return std::vector{N(p.r("diff") / (p.r("a") - p.r("b")) * (p.r("a") + p.r("b")))}; }},
        {"ratio_money", [](const P& p) { return std::vector{T(ratioText({p.i("a") * 100, p.i("b") * 100}))}; }},
        {"ratio_three_share",
         [](const P& p) {
             const std::map<std::string, std::string> key = {{"red", "a"}, {"blue", "b"}, {"green", "c"}};
             return std::vector{N(p.r("total") * p.r(key.at(p.s("ask"))) / (p.r("a") + p.r("b") + p.r("c")))};
         }},
        {"map_scale",
         [](const P& p) {
             const Rat cm = p.r("cm") * p.r("scale");
             return std::vector{N(p.s("to") == "km" ? cm / Rat(100000) : cm / Rat(100))};
         }},
        // Rate and Speed
        {"speed", [](const P& p) { return std::vector{N(p.r("d") / (p.s("tunit") == "h" ? p.r("t") : p.r("t") / Rat(60)))}; }},
        {"distance", [](const P& p) { return std::vector{N(p.r("s") * p.r("mins") / Rat(60))}; }},
        {"time_taken", [](const P& p) { return std::vector{N(p.r("d") / p.r("s") * Rat(60))}; }},
        {"arrival_time", [](const P& p) { return std::vector{T(timeText(minutesOf(p.s("start")) + static_cast<int>(p.i("mins")), p.s("style")))}; }},
        {"duration", [](const P& p) { return std::vector{N(minutesOf(p.s("end")) - minutesOf(p.s("start")))}; }},
        {"work_rate", [](const P& p) { return std::vector{N(p.s("ask") == "time" ? p.r("t") : p.r("rate") * p.r("t"))}; }},
        {"best_buy",
         [](const P& p) {
             std::stringstream in(p.s("packs"));
             std::string pack;
             std::vector<std::pair<Rat, std::string>> v;
             while (std::getline(in, pack, ',')) {
                 const auto at = pack.find('@');
                 const Rat n = parseRat(pack.substr(0, at));
                 v.emplace_back(parseRat(pack.substr(at + 1)) / n, pack.substr(0, at) + " rolls for $" + pack.substr(at + 1));
             }
             std::sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
             if (v[0].first == v[1].first)
                 throw std::runtime_error("two packs are as cheap");
             return std::vector{T(v[0].second)};
         }},
        {"faster", [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("d1") / p.r("t1"), p.s("y"), p.r("d2") / p.r("t2")))}; }},
        {"speed_convert",
         [](const P& p) {
             const Rat metresPerHour = p.r("kmh") * Rat(1000);
             return std::vector{N(p.s("to") == "m/s" ? metresPerHour / Rat(3600) : metresPerHour / Rat(60))};
         }},
        {"average_speed", [](const P& p) { return std::vector{N((p.r("d1") + p.r("d2")) / (p.r("t1") + p.r("t2")))}; }},
        {"fuel_rate", [](const P& p) { return std::vector{N(p.r("km") / Rat(100) * p.r("per100"))}; }},
        {"pay_rate", [](const P& p) { return std::vector{N(p.r("rate") * p.r("hours"))}; }},
        {"journey_two",
         [](const P& p) {
             const Rat mins = p.r("d") * Rat(60) / p.r("s");
             return std::vector{N(mins), T(timeText(minutesOf(p.s("start")) + static_cast<int>(mins.n), p.s("style")))};
         }},
        {"speed_two", [](const P& p) { return std::vector{N(p.r("s") * p.r("h")), N(p.r("d") * Rat(60) / p.r("s"))}; }},
        {"journey_three",
         [](const P& p) {
             const Rat mins = p.r("h1") * Rat(60) + p.r("d2") * Rat(60) / p.r("s2");
             return std::vector{N(p.r("s1") * p.r("h1")), N(mins), T(timeText(minutesOf(p.s("start")) + static_cast<int>(mins.n), p.s("style")))};
         }},
        {"journey_four",
         [](const P& p) {
             const Rat a = p.r("s1") * p.r("m1") / Rat(60);
             const Rat b = p.r("s2") * p.r("m2") / Rat(60);
             const int end = minutesOf(p.s("start")) + static_cast<int>(p.i("m1") + p.i("m2")) + 15;
             return std::vector{N(a), N(b), N(a + b), T(timeText(end, p.s("style")))};
         }},
        // Algebra
        {"alg_eval", [](const P& p) { return std::vector{N(p.r("a") * p.r("n") + p.r("b"))}; }},
        {"alg_solve", [](const P& p) { return std::vector{N((p.r("c") - p.r("b")) / p.r("a"))}; }},
        {"number_machine", [](const P& p) { return std::vector{N((p.r("out") - p.r("add")) / p.r("m"))}; }},
        {"sequence_term", [](const P& p) { return std::vector{N(p.r("first") + (p.r("n") - Rat(1)) * p.r("step"))}; }},
        {"age_problem",
         [](const P& p) {
             const Rat later = p.r("later");
             return std::vector{N((p.r("age") + later) + (p.r("age") * p.r("times") + later))};
         }},
        {"perimeter_algebra", [](const P& p) { return std::vector{N((p.r("p") / Rat(2) - p.r("a")) / Rat(2))}; }},
        {"bigger_number",
         [](const P& p) {
             return std::vector{T(bigger(p.s("x"), (p.r("out1") - p.r("a1")) / p.r("m1"), p.s("y"), (p.r("out2") - p.r("a2")) / p.r("m2")))};
         }},
        {"alg_puzzle", [](const P& p) { return std::vector{N((p.r("total") - p.r("more") + p.r("fewer")) / Rat(4))}; }},
        {"balance", [](const P& p) { return std::vector{N((p.r("right") - p.r("extra")) / (p.r("a") - p.r("b")))}; }},
        {"formula_cost",
         [](const P& p) {
             if (p.q.params.count("cost"))
                 return std::vector{N((p.r("cost") - p.r("fixed")) / p.r("per"))};
             return std::vector{N(p.r("per") * p.r("h") + p.r("fixed"))};
         }},
        {"two_variable", [](const P& p) { return std::vector{N(p.r("a") * p.r("a") + p.r("c") * p.r("b"))}; }},
    };
    return c;
}

std::string lowerTrim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string fracText(Rat v) {
    return std::to_string(v.n) + "/" + std::to_string(v.d);
}
std::string mixedText(Rat v) {
    return std::to_string(v.n / v.d) + " " + std::to_string(v.n % v.d) + "/" + std::to_string(v.d);
}

std::vector<std::string> options(const std::string& html) {
    std::vector<std::string> out;
    const auto start = html.find("<ol class=\"options\">");
    if (start == std::string::npos) return out;
    const auto end = html.find("</ol>", start);
    static const std::regex li(R"(<li>([^<]*)</li>)");
    const std::string list = html.substr(start, end - start);
    for (std::sregex_iterator it(list.begin(), list.end(), li), e; it != e; ++it)
        out.push_back((*it)[1]);
    return out;
}

// Whether an option shows the wanted answer: a number by its value (units after it are fine),
// anything else by its whole text.
bool optionShows(const std::string& option, const Want& w) {
    if (!w.number) return option == w.text;
    const auto end = option.find_first_not_of("0123456789./-");
    const std::string lead = option.substr(0, end);
    return isNumber(lead) && parseRat(lead) == w.value;
}

// Returns an empty text when the key is right, otherwise what is wrong.
std::string judge(const course::Question& q, std::size_t i, const Want& w) {
    const course::Part& part = q.parts[i];
    switch (part.kind) {
        case 'N':
            if (!w.number) return "expected a word, key is numeric";
            return parseRat(part.key) == w.value ? "" : "key " + part.key;
        case 'F':
            return part.key == fracText(w.value)
                       ? ""
                       : "key " + part.key + ", expected " + fracText(w.value);
        case 'X':
            return part.key == mixedText(w.value)
                       ? ""
                       : "key " + part.key + ", expected " + mixedText(w.value);
        case 'R':
            return part.key == w.text ? "" : "key " + part.key + ", expected " + w.text;
        case 'T':
            return lowerTrim(part.key) == lowerTrim(w.text) && !w.text.empty()
                       ? ""
                       : "key " + part.key + ", expected " + w.text;
        case 'Q': {
            const auto opts = options(q.html);
            int shows = 0;
            int at = 0;
            for (std::size_t k = 0; k < opts.size(); ++k)
                if (optionShows(opts[k], w)) {
                    ++shows;
                    at = static_cast<int>(k) + 1;
                }
            if (shows != 1) return std::to_string(shows) + " options show the answer";
            return part.key == std::to_string(at)
                       ? ""
                       : "key " + part.key + ", the answer is option " + std::to_string(at);
        }
        default:
            return "unknown kind";
    }
}

TEST(FamilyKeys, EveryKeyAgreesWithAnIndependentComputation) {
    std::vector<std::string> errors;
    const auto papers = course::readPapers(errors);
    ASSERT_TRUE(errors.empty()) << errors.front();
    std::map<std::string, int> checked;
    for (const auto& paper : papers)
        for (const auto& q : paper.questions) {
            const std::string where = "question " + std::to_string(q.id) + " (" + q.family + ")";
            const auto it = checkers().find(q.family);
            if (it == checkers().end()) {
                ADD_FAILURE() << where << ": no independent check for this family";
                continue;
            }
            try {
                const auto want = it->second(P{q});
                ASSERT_EQ(want.size(), q.parts.size()) << where;
                for (std::size_t i = 0; i < want.size(); ++i) {
                    const std::string problem = judge(q, i, want[i]);
                    EXPECT_TRUE(problem.empty()) << where << " part " << i + 1 << ": " << problem;
                }
                ++checked[q.family];
            } catch (const std::exception& e) {
                ADD_FAILURE() << where << ": " << e.what();
            }
        }
    EXPECT_GE(checked.size(), 100u) << "families checked";
    int total = 0;
    for (const auto& [name, n] : checked) total += n;
    EXPECT_EQ(total, 1410);
}

// The checks themselves: a wrong key must be caught, whatever its kind.
TEST(FamilyKeys, TheCheckerCatchesWrongKeys) {
    course::Question q;
    q.family = "frac_add";
    q.html = "<p>Work out <b>2 1/3 + 3/4</b>.</p>";
    q.parts = {{'X', 2, "3 1/12"}};
    const Want w = N(workedOut(q));
    EXPECT_EQ(judge(q, 0, w), "");
    q.parts[0].key = "37/12";
    EXPECT_NE(judge(q, 0, w), "");
    q.parts = {{'F', 2, "37/12"}};
    EXPECT_EQ(judge(q, 0, w), "");
    q.parts[0].key = "74/24";
    EXPECT_NE(judge(q, 0, w), "");

    q.html =
        "<ol class=\"options\">\n<li>12 cm</li>\n<li>14 cm</li>\n<li>7 cm</li>\n<li>8 "
        "cm</li>\n</ol>";
    q.parts = {{'Q', 1, "3"}};
    EXPECT_EQ(judge(q, 0, N(7)), "");
    EXPECT_NE(judge(q, 0, N(8)), "");
    EXPECT_NE(judge(q, 0, N(9)), "") << "no option shows 9";

    q.parts = {{'N', 1, "36000 "}};
    EXPECT_EQ(judge(q, 0, N(36000)), "");
    q.parts = {{'T', 1, "12:16pm"}};
    EXPECT_EQ(judge(q, 0, T(timeText(12 * 60 + 16, "colon"))), "");
    EXPECT_EQ(timeText(13 * 60 + 30, "caps"), "1.30 PM");
    EXPECT_EQ(timeText(0 * 60 + 5, "dot"), "12.05 am");
    EXPECT_EQ(fromWords("forty-five thousand and six"), 45006);
    EXPECT_EQ(fromWords("three hundred and twelve thousand four hundred"), 312400);
    EXPECT_EQ(Expr("(4 + 3) &times; 2 &minus; 10 &divide; 4").value(), Rat(23, 2));
}

}  // namespace
