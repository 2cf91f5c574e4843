// Independent key checks of the Whole Numbers families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"
#include "keys_read.h"

#include <algorithm>
#include <numeric>
#include <regex>
#include <stdexcept>

namespace keycheck {

namespace {

bool prime(long long n) {
    if (n < 2) return false;
    for (long long d = 2; d < n; ++d)
        if (n % d == 0) return false;
    return true;
}

// Rounds half up, as the course teaches.
long long nearest(long long n, long long to) {
    return (n * 2 + to) / (2 * to) * to;
}

// Roman numerals written digit by digit: each place has its own pattern.
std::string romanOf(long long n) {
    static const char* ones[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    static const char* tens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    static const char* hundreds[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
    return std::string(static_cast<std::size_t>(n / 1000), 'M') + hundreds[n / 100 % 10] +
           tens[n / 10 % 10] + ones[n % 10];
}

// Reads a Roman numeral: a letter worth less than the one after it is taken away.
long long fromRoman(const std::string& s) {
    auto value = [](char c) -> long long {
        switch (c) {
            case 'I':
                return 1;
            case 'V':
                return 5;
            case 'X':
                return 10;
            case 'L':
                return 50;
            case 'C':
                return 100;
            case 'D':
                return 500;
            case 'M':
                return 1000;
            default:
                throw std::runtime_error("not a Roman numeral");
        }
    };
    long long total = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const long long v = value(s[i]);
        total += i + 1 < s.size() && v < value(s[i + 1]) ? -v : v;
    }
    return total;
}

// The one option for which `holds` is true.
std::string theOption(const course::Question& q,
                      const std::function<bool(const std::string&)>& holds) {
    std::vector<std::string> hits;
    for (const auto& o : options(q.html))
        if (holds(o)) hits.push_back(o);
    if (hits.size() != 1)
        throw std::runtime_error(std::to_string(hits.size()) + " options fit the question");
    return hits[0];
}

long long dayIndex(const std::string& day) {
    static const std::vector<std::string> days = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                                  "Friday"};
    const auto it = std::find(days.begin(), days.end(), day);
    if (it == days.end()) throw std::runtime_error("no day " + day);
    return it - days.begin();
}

}  // namespace

KeyCheckers wholeNumberKeys() {
    return {
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
             for (std::size_t k = n.find(d) + 1; k < n.size(); ++k) v *= 10;
             return std::vector{N(v)};
         }},
        {"round_whole",
         [](const P& p) {
             const long long n = p.i("n");
             const long long to = p.i("to");
             const long long below = n / to * to;
             if ((n - below) * 2 == to) throw std::runtime_error("halfway");
             return std::vector{N((n - below) * 2 > to ? below + to : below)};
         }},
        {"hcf",
         [](const P& p) {
             long long best = 1;
             for (long long k = 1; k <= p.i("a"); ++k)
                 if (p.i("a") % k == 0 && p.i("b") % k == 0) best = k;
             return std::vector{N(best)};
         }},
        {"lcm",
         [](const P& p) {
             long long m = p.i("a");
             while (m % p.i("b")) m += p.i("a");
             return std::vector{N(m)};
         }},
        {"shop_change",
         [](const P& p) { return std::vector{N(p.r("note") - p.r("n") * p.r("price"))}; }},
        {"numerals",
         [](const P& p) {
             static const std::regex w(R"(numerals: <b>([^<]+)</b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, w)) throw std::runtime_error("no number words");
             if (fromWords(m[1]) != p.i("n"))
                 throw std::runtime_error("the words do not say " + p.s("n"));
             return std::vector{N(fromWords(m[1]))};
         }},
        {"who_more",
         [](const P& p) {
             return std::vector{
                 T(bigger(p.s("x"), p.r("a") - p.r("give"), p.s("y"), p.r("b") + p.r("give")))};
         }},
        {"remainder",
         [](const P& p) { return std::vector{N(p.r("n") - p.r("d") * Rat(p.i("n") / p.i("d")))}; }},
        {"which_multiple",
         [](const P& p) {
             int multiples = 0;
             for (const auto& o : options(p.q.html)) multiples += std::stoll(o) % p.i("m") == 0;
             if (multiples != 1)
                 throw std::runtime_error(std::to_string(multiples) + " options are multiples");
             return std::vector{N(p.r("right"))};
         }},
        {"number_line", [](const P& p) { return std::vector{N(numberLineArrow(p))}; }},
        {"attendance",
         [](const P& p) { return std::vector{N(p.r("classes") * p.r("size") - p.r("absent"))}; }},
        {"primes_between",
         [](const P& p) {
             long long count = 0;
             for (long long n = p.i("lo") + 1; n < p.i("hi"); ++n) count += prime(n);
             if (prime(p.i("lo")) || prime(p.i("hi")))
                 throw std::runtime_error("'between' is unclear at a prime end");
             return std::vector{N(count)};
         }},
        {"missing_addend",
         [](const P& p) { return std::vector{N(solveMissing(bolds(p.q.html).at(0)))}; }},
        {"missing_factor",
         [](const P& p) { return std::vector{N(solveMissing(bolds(p.q.html).at(0)))}; }},
        {"number_words",
         [](const P& p) {
             const long long n = parseRat(plainNumbers(bolds(p.q.html).at(0))).n;
             return std::vector{
                 T(theOption(p.q, [&](const std::string& o) { return fromWords(o) == n; }))};
         }},
        {"largest_from_digits",
         [](const P& p) {
             std::vector<long long> d;
             for (const Rat& x : p.list("digits")) d.push_back(x.n);
             std::sort(d.begin(), d.end());
             std::vector<long long> made;
             do {
                 if (d[0] == 0) continue;  // a number does not start with 0
                 made.push_back(std::accumulate(
                     d.begin(), d.end(), 0LL, [](long long a, long long x) { return a * 10 + x; }));
             } while (std::next_permutation(d.begin(), d.end()));
             return std::vector{N(p.s("which") == "largest"
                                      ? *std::max_element(made.begin(), made.end())
                                      : *std::min_element(made.begin(), made.end()))};
         }},
        {"compare_numbers",
         [](const P& p) {
             std::vector<Rat> v;
             for (const auto& o : options(p.q.html)) v.push_back(parseRat(plainNumbers(o)));
             const Rat pick = p.s("which") == "greatest" ? *std::max_element(v.begin(), v.end())
                                                         : *std::min_element(v.begin(), v.end());
             if (std::count(v.begin(), v.end(), pick) != 1) throw std::runtime_error("tie");
             return std::vector{N(pick)};
         }},
        {"whole_estimate",
         [](const P& p) {
             const long long a = nearest(p.i("a"), p.i("to"));
             const long long b = nearest(p.i("b"), p.i("to"));
             if ((p.i("a") * 2) % (2 * p.i("to")) == p.i("to") ||
                 (p.i("b") * 2) % (2 * p.i("to")) == p.i("to"))
                 throw std::runtime_error("halfway");
             const std::string op = p.s("op");
             return std::vector{N(op == "add" ? a + b : op == "sub" ? a - b : a * b)};
         }},
        {"which_correct",
         [](const P& p) {
             return std::vector{T(theOption(p.q, [](const std::string& o) {
                 const auto eq = o.find(" = ");
                 return Expr(o.substr(0, eq)).value() == Expr(o.substr(eq + 3)).value();
             }))};
         }},
        {"squares_cubes",
         [](const P& p) {
             static const std::regex power(R"(<b>(\d+)<sup>(\d)</sup></b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, power)) throw std::runtime_error("no power");
             long long v = 1;
             for (int k = 0; k < std::stoi(m[2]); ++k) v *= std::stoll(m[1]);
             return std::vector{N(v)};
         }},
        {"square_root",
         [](const P& p) {
             long long k = 1;
             while (k * k < p.i("square")) ++k;
             if (k * k != p.i("square")) throw std::runtime_error("not a square");
             return std::vector{N(k)};
         }},
        {"largest_prime_factor",
         [](const P& p) {
             long long n = p.i("n");
             long long biggest = 1;
             for (long long d = 2; n > 1; ++d)
                 while (n % d == 0) {
                     biggest = d;
                     n /= d;
                 }
             return std::vector{N(biggest)};
         }},
        {"factor_count",
         [](const P& p) {
             long long count = 0;
             for (long long d = 1; d <= p.i("n"); ++d) count += p.i("n") % d == 0;
             return std::vector{N(count)};
         }},
        {"whole_bar_chart",
         [](const P& p) {
             const auto bars = barValues(p.q, p.i("step") / 2);
             const auto vals = p.list("vals");
             if (bars != vals) throw std::runtime_error("the bars do not show the values");
             if (p.s("ask") == "total") return std::vector{N(sumOf(bars))};
             static const std::regex days(R"(borrowed on (\w+) than on (\w+)\?)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, days)) throw std::runtime_error("no days");
             const auto i = static_cast<std::size_t>(dayIndex(m[1]));
             const auto j = static_cast<std::size_t>(dayIndex(m[2]));
             if (!(bars[j] < bars[i])) throw std::runtime_error("not more");
             return std::vector{N(bars[i] - bars[j])};
         }},
        {"whole_table_total",
         [](const P& p) {
             const auto rows = tableRowsWithHead(p.q.html);
             Rat fri = 0;
             Rat sat = 0;
             for (std::size_t i = 1; i < rows.size(); ++i) {
                 fri = fri + parseRat(rows[i].at(1));
                 sat = sat + parseRat(rows[i].at(2));
             }
             if (p.q.html.find("altogether") != std::string::npos) return std::vector{N(fri + sat)};
             if (!(fri < sat)) throw std::runtime_error("not more on Saturday");
             return std::vector{N(sat - fri)};
         }},
        {"whole_table_most",
         [](const P& p) {
             const auto rows = tableRowsWithHead(p.q.html);
             std::string best;
             Rat top = -1;
             int ties = 0;
             for (std::size_t i = 1; i < rows.size(); ++i) {
                 Rat sum = 0;
                 for (std::size_t c = 1; c < rows[i].size(); ++c) sum = sum + parseRat(rows[i][c]);
                 if (top < sum) {
                     top = sum;
                     best = rows[i][0];
                     ties = 0;
                 } else if (sum == top) {
                     ++ties;
                 }
             }
             if (ties) throw std::runtime_error("a tie for the most points");
             return std::vector{T(best)};
         }},
        {"buses_needed",
         [](const P& p) {
             long long buses = 0;
             for (long long seated = 0; seated < p.i("pupils") + p.i("adults");
                  seated += p.i("seats"))
                 ++buses;
             return std::vector{N(buses)};
         }},
        {"full_boxes",
         [](const P& p) {
             long long boxes = 0;
             for (long long left = p.i("eggs"); left >= p.i("box"); left -= p.i("box")) ++boxes;
             return std::vector{N(boxes)};
         }},
        {"whole_sequence",
         [](const P& p) { return std::vector{N(sequenceGap(bolds(p.q.html).at(0)))}; }},
        {"rounding_range",
         [](const P& p) {
             const long long to = p.i("to");
             const long long target = p.i("rounded");
             std::vector<long long> fit;
             for (long long x = target - to; x <= target + to; ++x)
                 if (nearest(x, to) == target) fit.push_back(x);
             return std::vector{N(p.s("which") == "smallest" ? fit.front() : fit.back())};
         }},
        {"more_less",
         [](const P& p) {
             return std::vector{
                 N(p.s("way") == "more" ? p.r("n") + p.r("p") : p.r("n") - p.r("p"))};
         }},
        {"expanded_form",
         [](const P& p) { return std::vector{N(Expr(bolds(p.q.html).at(0)).value())}; }},
        {"cost_total",
         [](const P& p) {
             // read from the sentence the learner reads
             static const std::regex buys(
                 R"(buys (\d+) [a-z ]+ at \$(\d+) each and (\d+) [a-z ]+ at \$(\d+) each)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, buys)) throw std::runtime_error("no purchase");
             return std::vector{N(Rat(std::stoll(m[1])) * Rat(std::stoll(m[2])) +
                                  Rat(std::stoll(m[3])) * Rat(std::stoll(m[4])))};
         }},
        {"stadium_seats",
         [](const P& p) {
             Rat seats = 0;
             for (long long s = 0; s < p.i("stands"); ++s) seats = seats + p.r("each");
             return std::vector{N(seats - p.r("sold"))};
         }},
        {"loaves_weeks",
         [](const P& p) { return std::vector{N(p.r("per_day") * Rat(7 * p.i("weeks")))}; }},
        {"divisible_digit",
         [](const P& p) {
             std::vector<long long> fit;
             for (char d = '0'; d <= '9'; ++d) {
                 std::string n = p.s("shown");
                 n[n.find('?')] = d;
                 if (std::stoll(n) % 9 == 0) fit.push_back(d - '0');
             }
             if (fit.size() != 1) throw std::runtime_error("not one digit fits");
             return std::vector{N(fit[0])};
         }},
        {"lcm_context",
         [](const P& p) {
             long long t = p.i("b");
             while (t % p.i("a")) t += p.i("b");
             return std::vector{N(t)};
         }},
        {"hcf_context",
         [](const P& p) {
             long long g = std::min(p.i("a"), p.i("b"));
             while (p.i("a") % g || p.i("b") % g) --g;
             return std::vector{N(g)};
         }},
        {"roman_numerals",
         [](const P& p) {
             if (p.q.parts.at(0).kind == 'T') return std::vector{T(romanOf(p.i("n")))};
             const long long read = fromRoman(bolds(p.q.html).at(0));
             if (read != p.i("n") || romanOf(read) != bolds(p.q.html).at(0))
                 throw std::runtime_error("the numeral does not say " + p.s("n"));
             return std::vector{N(read)};
         }},
    };
}

}  // namespace keycheck
