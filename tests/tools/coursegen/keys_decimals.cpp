// Independent key checks of the Decimals families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <algorithm>
#include <stdexcept>

namespace keycheck {

KeyCheckers decimalKeys() {
    return {
        {"dec_add", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_sub", [](const P& p) { return std::vector{N(p.r("a") - p.r("b"))}; }},
        {"dec_mul_int", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_div_int", [](const P& p) { return std::vector{N(p.r("a") / p.r("m"))}; }},
        {"dec_shift", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_to_mixed", [](const P& p) { return std::vector{N(p.r("d"))}; }},
        {"dec_round",
         [](const P& p) {
             long long scale = 1;
             for (long long k = 0; k < p.i("places"); ++k) scale *= 10;
             const Rat scaled = p.r("v") * Rat(scale);
             const long long down = scaled.n / scaled.d;
             const Rat rest = scaled - Rat(down);
             if (rest == Rat(1, 2)) throw std::runtime_error("halfway");
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
             return std::vector{N(p.s("which") == "largest"
                                      ? *std::max_element(v.begin(), v.end())
                                      : *std::min_element(v.begin(), v.end()))};
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
             for (auto k = point; k < at; ++k) den *= 10;
             return std::vector{N(Rat(p.i("digit"), den))};
         }},
        {"frac_to_dec", [](const P& p) { return std::vector{N(p.r("n") / p.r("d"))}; }},
        {"money_change",
         [](const P& p) {
             const Rat change = p.r("note") - p.r("a") - p.r("b");
             if (p.q.parts.size() == 2) return std::vector{N(p.r("a") + p.r("b")), N(change)};
             return std::vector{N(change)};
         }},
        {"dec_farthest",
         [](const P& p) {
             std::vector<std::pair<Rat, std::string>> v = {
                 {p.r("dx"), p.s("x")}, {p.r("dy"), p.s("y")}, {p.r("dz"), p.s("z")}};
             std::sort(v.begin(), v.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
             if (v[2].first == v[1].first) throw std::runtime_error("tie");
             return std::vector{T(v[2].second)};
         }},
        {"dec_mass",
         [](const P& p) {
             if (p.q.parts.size() == 2)
                 return std::vector{N(p.r("a") + p.r("b")), N(p.r("a") - p.r("b"))};
             return std::vector{N(p.r("a") - p.r("b"))};
         }},
        {"share_money", [](const P& p) { return std::vector{N(p.r("total") / p.r("people"))}; }},
    };
}

}  // namespace keycheck
