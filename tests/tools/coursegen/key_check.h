#pragma once
// What the independent key checks share: exact rational arithmetic, the readers of numbers and
// of the expression a question shows, and the comparison of a key with the wanted answer as the
// program marks it. Each topic registers its own family checkers in keys_<topic>.cpp, so two
// topics never edit the same file.

#include "course_reader.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace keycheck {

long long gcdOf(long long a, long long b);

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
Rat parseRat(const std::string& s);
bool isNumber(const std::string& s);

// The text with the thousands groups of its numbers closed up: "24&nbsp;118 cm" reads
// "24118 cm"; other non-breaking spaces stay.
std::string plainNumbers(std::string text);

// Evaluates an expression written in the question: + &minus; &times; &divide; ( ), decimals,
// fractions such as 3/4 and mixed numbers such as 2 3/4.
class Expr {
  public:
    explicit Expr(std::string text);
    Rat value();

  private:
    void skip();
    Rat sum();
    Rat product();
    long long digits(std::string& raw);
    Rat atom();
    std::string s_;
    std::size_t i_ = 0;
};

// The expression in bold after "Work out".
Rat workedOut(const course::Question& q);

// The answer a part should have: a number compared by value, or a text.
struct Want {
    bool number = false;
    Rat value;
    std::string text;
};
Want N(Rat v);
Want T(std::string s);

// The parameters of a question's family line, read as text, number, whole number or list.
struct P {
    const course::Question& q;
    std::string s(const std::string& k) const;
    Rat r(const std::string& k) const;
    long long i(const std::string& k) const;
    std::vector<Rat> list(const std::string& k) const;
};

Rat sumOf(const std::vector<Rat>& v);
// "6:4" as "3:2"; any number of terms.
std::string ratioText(std::vector<long long> v);
// "15:58" as minutes after midnight.
int minutesOf(const std::string& hhmm);
// A time of day in the style a question names: "colon" 3:05pm, "caps" 3.05 PM, "dot" 3.05 pm.
std::string timeText(int minutes, const std::string& style);
// Reads number words such as "forty-five thousand and six".
long long fromWords(std::string text);
// The name of the larger of two values; a tie has no right answer and throws.
std::string bigger(const std::string& x, Rat a, const std::string& y, Rat b);
// The texts of the four numbered options, in order.
std::vector<std::string> options(const std::string& html);
// Squares on a grid picture: all of them, and those filled with the shading colour.
std::pair<int, int> countSquares(const course::Question& q);

// Empty when part i's key marks as the wanted answer would, otherwise what is wrong.
std::string judge(const course::Question& q, std::size_t i, const Want& w);

// Family name to its checker: the wanted answers of every part, in order. A checker throws when
// the question is ambiguous or its parameters and text disagree.
using Checker = std::function<std::vector<Want>(const P&)>;
using KeyCheckers = std::map<std::string, Checker>;

// One registry per topic, in catalogue order.
KeyCheckers wholeNumberKeys();
KeyCheckers decimalKeys();
KeyCheckers fractionKeys();
KeyCheckers areaKeys();
KeyCheckers volumeKeys();
KeyCheckers geometryKeys();
KeyCheckers percentageKeys();
KeyCheckers ratioKeys();
KeyCheckers rateKeys();
KeyCheckers algebraKeys();

// All topics together; a family registered by two topics is named in `duplicates`.
KeyCheckers allKeyCheckers(std::vector<std::string>& duplicates);

}  // namespace keycheck
