// Independent key checks of the Decimals families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"
#include "keys_read.h"

#include <algorithm>
#include <regex>
#include <stdexcept>

namespace keycheck {

namespace {

// Rounds half up to a whole number; a value exactly halfway is refused (no single answer).
long long nearestWhole(Rat v) {
    const Rat twice = v * Rat(2);
    if (twice.whole() && twice.n % 2 != 0) throw std::runtime_error("halfway");
    return (v.n * 2 + v.d) / (2 * v.d);
}

Rat money(const std::string& shown) {
    std::string s = plainNumbers(shown);
    if (s.rfind('$', 0) == 0) s.erase(0, 1);
    return parseRat(s);
}

// Sizes of the units in the smallest of their kind.
Rat unitSize(const std::string& unit) {
    static const std::map<std::string, long long> sizes = {
        {"mm", 1}, {"cm", 10},   {"m", 1000}, {"km", 1000000},
        {"g", 1},  {"kg", 1000}, {"ml", 1},   {"l", 1000}};
    return Rat(sizes.at(unit));
}

// The runners of a race table, fastest first.
std::vector<std::pair<Rat, std::string>> finishingOrder(const course::Question& q) {
    const auto rows = tableRowsWithHead(q.html);
    std::vector<std::pair<Rat, std::string>> out;
    for (std::size_t i = 1; i < rows.size(); ++i)
        out.emplace_back(parseRat(rows[i].at(1)), rows[i].at(0));
    std::sort(out.begin(), out.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < out.size(); ++i)
        if (out[i].first == out[i - 1].first) throw std::runtime_error("a tie in the race");
    return out;
}

// The thermometer read off its picture: the numbered whole degrees and the top of the liquid.
Rat thermometerReading(const course::Question& q) {
    static const std::regex label(R"re(^text \d+ (\d+) l "(\d+)"$)re");
    static const std::regex liquid(R"(^rect \d+ (\d+) \d+ \d+ fill=#dc2626$)");
    std::smatch m;
    std::vector<std::pair<long long, long long>> marks;  // degrees, y
    long long top = -1;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            if (std::regex_match(op, m, label))
                marks.emplace_back(std::stoll(m[2]), std::stoll(m[1]));
            if (std::regex_match(op, m, liquid)) top = std::stoll(m[1]);
        }
    if (marks.size() < 2 || top < 0) throw std::runtime_error("no thermometer");
    std::sort(marks.begin(), marks.end());
    const Rat perDegree =
        Rat(marks.front().second - marks.back().second, marks.back().first - marks.front().first);
    const Rat above = Rat(marks.front().second - top) / perDegree;
    // to the nearest tick of 0.2 degrees
    const long long ticks = nearestWhole(above * Rat(5));
    return Rat(marks.front().first) + Rat(ticks, 5);
}

// "Multiply <b>67.069</b> by <b>1000</b>." or "Divide ... by ...", as the learner reads it.
Rat instruction(const course::Question& q) {
    static const std::regex said(R"((Multiply|Divide) <b>([^<]+)</b> by(?: |&nbsp;)<b>([^<]+)</b>)");
    std::smatch m;
    if (!std::regex_search(q.html, m, said)) throw std::runtime_error("no instruction");
    const Rat a = Expr(m[2]).value();
    const Rat b = Expr(m[3]).value();
    return m[1] == "Multiply" ? a * b : a / b;
}

// The expression in bold after "What is".
Rat askedFor(const course::Question& q) {
    static const std::regex asked(R"(What is <b>([^<]+)</b>\?)");
    std::smatch m;
    if (!std::regex_search(q.html, m, asked)) throw std::runtime_error("no expression asked for");
    return Expr(m[1]).value();
}

}  // namespace

KeyCheckers decimalKeys() {
    return {
        {"dec_add", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_sub", [](const P& p) { return std::vector{N(p.r("a") - p.r("b"))}; }},
        {"dec_mul_int", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_div_int", [](const P& p) { return std::vector{N(p.r("a") / p.r("m"))}; }},
        {"dec_shift", [](const P& p) { return std::vector{N(instruction(p.q))}; }},
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
        {"number_line_dec", [](const P& p) { return std::vector{N(numberLineArrow(p))}; }},
        {"dec_mul_dec", [](const P& p) { return std::vector{N(askedFor(p.q))}; }},
        {"dec_div_dec", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_make_whole",
         [](const P& p) {
             const auto b = bolds(p.q.html);
             return std::vector{N(parseRat(b.at(1)) - parseRat(b.at(0)))};
         }},
        {"dec_compare",
         [](const P& p) {
             const Rat x = p.r("x");
             const Rat y = p.r("y");
             if (x == y) throw std::runtime_error("equal");
             const bool xFirst = p.s("which") == "greater" ? y < x : x < y;
             return std::vector{N(xFirst ? x : y)};
         }},
        {"dec_order_list", [](const P& p) { return std::vector{T(onlyOption(p.q, ascending))}; }},
        {"dec_receipt",
         [](const P& p) {
             const auto rows = tableRowsWithHead(p.q.html);
             Rat total = 0;
             for (std::size_t i = 1; i < rows.size(); ++i)
                 total = total + parseRat(rows[i].at(1)) * money(rows[i].at(2));
             if (p.q.parts.size() == 1) return std::vector{N(total)};
             static const std::regex note(R"(with an? \$(\d+) note)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, note)) throw std::runtime_error("no note");
             return std::vector{N(total), N(Rat(std::stoll(m[1])) - total)};
         }},
        {"dec_convert",
         [](const P& p) {
             std::vector<Want> out{N(p.r("v") * unitSize(p.s("from")) / unitSize(p.s("to")))};
             if (p.q.parts.size() == 2)
                 out.push_back(N(p.r("v2") * unitSize(p.s("from2")) / unitSize(p.s("to2"))));
             return out;
         }},
        {"dec_expanded",
         [](const P& p) { return std::vector{N(Expr(bolds(p.q.html).at(0)).value())}; }},
        {"dec_round_whole", [](const P& p) { return std::vector{N(nearestWhole(p.r("v")))}; }},
        {"dec_estimate",
         [](const P& p) {
             return std::vector{N(Rat(nearestWhole(p.r("a")) * nearestWhole(p.r("b"))))};
         }},
        {"dec_mistake",
         [](const P& p) { return std::vector{N(Expr(bolds(p.q.html).at(0)).value())}; }},
        {"dec_race",
         [](const P& p) {
             const auto order = finishingOrder(p.q);
             if (p.q.parts.size() == 2)
                 return std::vector{N(order.back().first - order.front().first),
                                    T(order[1].second)};
             return std::vector{T(order.front().second)};
         }},
        {"dec_sequence",
         [](const P& p) { return std::vector{N(sequenceGap(bolds(p.q.html).at(0)))}; }},
        {"dec_glasses",
         [](const P& p) {
             long long glasses = 0;
             Rat left = p.r("jug");
             while (!(left < p.r("glass"))) {
                 left = left - p.r("glass");
                 ++glasses;
             }
             if (p.q.parts.size() == 2) return std::vector{N(glasses), N(left)};
             if (!(left == Rat(0))) throw std::runtime_error("juice left over");
             return std::vector{N(glasses)};
         }},
        {"dec_place_name",
         [](const P& p) {
             static const std::vector<std::string> places = {"tenths", "hundredths", "thousandths"};
             const std::string v = p.s("v");
             const char d = static_cast<char>('0' + p.i("digit"));
             if (std::count(v.begin(), v.end(), d) != 1) throw std::runtime_error("digit twice");
             const auto at = v.find(d);
             const auto point = v.find('.');
             if (at < point) throw std::runtime_error("a whole-number place");
             return std::vector{T(places.at(at - point - 1))};
         }},
        {"dec_between",
         [](const P& p) { return std::vector{T(onlyOptionBetweenBolds(p.q))}; }},
        {"dec_buy_several",
         [](const P& p) {
             static const std::regex buy(
                 R"(has \$(\d+) and buys (\d+) [a-z ]+ at \$(\d+(?:\.\d\d)?) each)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, buy)) throw std::runtime_error("no purchase");
             return std::vector{N(parseRat(m[1]) - parseRat(m[2]) * parseRat(m[3]))};
         }},
        {"dec_thermometer",
         [](const P& p) {
             const Rat seen = thermometerReading(p.q);
             if (!(seen == p.r("v"))) throw std::runtime_error("the picture shows another value");
             return std::vector{N(seen)};
         }},
        {"dec_shaded_hundredths",
         [](const P& p) {
             const auto [cells, dark] = countSquares(p.q);
             if (cells != 100) throw std::runtime_error("not a hundred square");
             return std::vector{N(Rat(dark, cells))};
         }},
        {"dec_table_diff",
         [](const P& p) {
             const auto rows = tableRowsWithHead(p.q.html);
             std::vector<Rat> h;
             for (std::size_t i = 1; i < rows.size(); ++i) h.push_back(parseRat(rows[i].at(1)));
             std::sort(h.begin(), h.end());
             if (h[0] == h[1] || h[h.size() - 1] == h[h.size() - 2])
                 throw std::runtime_error("two plants share the tallest or shortest height");
             return std::vector{N(h.back() - h.front())};
         }},
        {"dec_mean",
         [](const P& p) {
             // the first paragraph names the parcels; the options come later
             const auto masses = numbersBefore(p.q.html.substr(0, p.q.html.find("</p>")), "kg");
             if (masses.size() != 4) throw std::runtime_error("not four masses");
             return std::vector{N(sumOf(masses) / Rat(4))};
         }},
        {"dec_words",
         [](const P& p) {
             static const std::regex said(
                 R"(<b>([a-z -]+) and ([a-z -]+) (hundredth|thousandth)s?</b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, said)) throw std::runtime_error("no words");
             const Rat v =
                 Rat(fromWords(m[1])) + Rat(fromWords(m[2]), m[3] == "hundredth" ? 100 : 1000);
             return std::vector{N(v)};
         }},
        {"dec_shift_missing",
         [](const P& p) { return std::vector{N(solveMissing(bolds(p.q.html).at(0)))}; }},
        {"dec_weeks_to_save",
         [](const P& p) {
             long long weeks = 0;
             for (Rat saved = 0; saved < p.r("goal"); saved = saved + p.r("per_week")) ++weeks;
             return std::vector{N(weeks)};
         }},
        {"dec_more_less",
         [](const P& p) {
             return std::vector{
                 N(p.s("way") == "more" ? p.r("n") + p.r("p") : p.r("n") - p.r("p"))};
         }},
        {"dec_order_ops", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"dec_price_per_kg",
         [](const P& p) { return std::vector{N(p.r("per_kg") / Rat(1000) * p.r("grams"))}; }},
        {"dec_halfway",
         [](const P& p) {
             const auto b = bolds(p.q.html);
             const Rat lo = parseRat(b.at(0));
             const Rat hi = parseRat(b.at(1));
             return std::vector{N(lo + (hi - lo) / Rat(2))};
         }},
        {"dec_mixed_sum", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
    };
}

}  // namespace keycheck
