// Independent key checks of the Whole Numbers families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
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
        {"number_line",
         [](const P& p) {
             // the ends are the numbers printed under the end ticks
             const Rat step = (p.r("end") - p.r("start")) / p.r("intervals");
             int labelled = 0;
             for (const auto& f : p.q.figures)
                 for (const auto& op : f.ops)
                     labelled += op.find("\"" + p.s("start") + "\"") != std::string::npos ||
                                 op.find("\"" + p.s("end") + "\"") != std::string::npos;
             if (labelled != 2) throw std::runtime_error("the end labels are not on the picture");
             return std::vector{N(p.r("start") + step * p.r("at"))};
         }},
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
    };
}

}  // namespace keycheck
