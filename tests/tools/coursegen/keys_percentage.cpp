// Independent key checks of the Percentage families: each recomputes the keys from the family
// parameters (or from what the question shows: its tables, charts and pictures) by a route of
// its own.

#include "key_check.h"
#include "keys_reading.h"

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace keycheck {

namespace {

Rat pct(const Rat& v) {
    return v / Rat(100);
}

// The number of parts decides which of a family's shapes a question has.
bool twoParts(const P& p) {
    return p.q.parts.size() == 2;
}

// Small units in one large unit, by the names the question uses.
long long smallUnitsIn(const std::string& large, const std::string& small) {
    static const std::map<std::string, long long> per = {
        {"kg>g", 1000}, {"m>cm", 100}, {"litres>ml", 1000}, {"hours>minutes", 60}};
    return per.at(large + ">" + small);
}

// "45% of 120" in an option, worked out.
Rat percentOfText(const std::string& text) {
    static const std::regex re(R"(^([\d.]+)% of ([\d]+)$)");
    std::smatch m;
    const std::string plain = plainNumbers(text);
    if (!std::regex_match(plain, m, re)) throw std::runtime_error("option " + text);
    return pct(parseRat(m[1])) * parseRat(m[2]);
}

// The name of the option with the largest (or smallest) value; a tie throws.
std::string extreme(const std::vector<std::pair<Rat, std::string>>& v, bool largest) {
    auto sorted = v;
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    if (largest) std::reverse(sorted.begin(), sorted.end());
    if (sorted.size() > 1 && sorted[0].first == sorted[1].first)
        throw std::runtime_error("two options are as large");
    return sorted[0].second;
}

}  // namespace

KeyCheckers percentageKeys() {
    return {
        {"pct_of", [](const P& p) { return std::vector{N(p.r("n") / Rat(100) * p.r("p"))}; }},
        {"pct_to_fraction", [](const P& p) { return std::vector{N(Rat(p.i("p"), 100))}; }},
        {"frac_to_pct", [](const P& p) { return std::vector{N(Rat(100) * p.r("n") / p.r("d"))}; }},
        {"pct_change",
         [](const P& p) {
             const Rat change = p.r("price") * p.r("p") / Rat(100);
             return std::vector{
                 N(p.s("dir") == "up" ? p.r("price") + change : p.r("price") - change)};
         }},
        {"pct_part",
         [](const P& p) { return std::vector{N(p.r("part") / p.r("total") * Rat(100))}; }},
        {"pct_left", [](const P& p) { return std::vector{N(Rat(100) - p.r("a") - p.r("b"))}; }},
        {"dec_pct",
         [](const P& p) {
             return std::vector{N(p.s("to") == "decimal" ? p.r("h") / Rat(100) : p.r("h"))};
         }},
        {"better_score",
         [](const P& p) {
             return std::vector{
                 T(bigger(p.s("x"), p.r("a") / p.r("b"), p.s("y"), p.r("c") / p.r("d")))};
         }},
        {"discount_two",
         [](const P& p) {
             return std::vector{N(p.r("price") * p.r("p") / Rat(100)),
                                N(p.r("price") * (Rat(100) - p.r("p")) / Rat(100))};
         }},
        {"class_two",
         [](const P& p) {
             return std::vector{N(p.r("n") * p.r("p") / Rat(100)),
                                N(p.r("n") * (Rat(100) - p.r("p")) / Rat(100))};
         }},
        {"savings_three",
         [](const P& p) {
             const Rat saved = p.r("n") * p.r("p") / Rat(100);
             const Rat spent = (p.r("n") - saved) * p.r("s") / Rat(100);
             return std::vector{N(saved), N(spent),
                                N((p.r("n") - saved) * (Rat(100) - p.r("s")) / Rat(100))};
         }},
        {"reverse_pct",
         [](const P& p) { return std::vector{N(p.r("part") * Rat(100) / p.r("p"))}; }},
        {"pct_order",
         [](const P& p) {
             std::stringstream in(p.s("vals"));
             std::string v;
             std::vector<std::pair<Rat, std::string>> all;
             while (std::getline(in, v, ','))
                 all.emplace_back(
                     v.back() == '%' ? parseRat(v.substr(0, v.size() - 1)) / Rat(100) : parseRat(v),
                     v);
             std::sort(all.begin(), all.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
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
        {"pct_fraction_left",
         [](const P& p) { return std::vector{N(Rat(1) - p.r("p") / Rat(100))}; }},
        {"pct_change_find",
         [](const P& p) {
             const Rat from = p.r("from"), to = p.r("to");
             const bool rise = from < to;
             if (rise != (p.q.html.find("increase") != std::string::npos))
                 throw std::runtime_error("the question names the wrong kind of change");
             return std::vector{N((rise ? to - from : from - to) / from * Rat(100))};
         }},
        {"pct_reverse_sale",
         [](const P& p) {
             // The price now is (100 - p)% or (100 + p)% of the old one: find 1%, then 100%.
             const Rat share = p.s("dir") == "down" ? Rat(100) - p.r("p") : Rat(100) + p.r("p");
             return std::vector{N(p.r("after") / share * Rat(100))};
         }},
        {"pct_compare_offers",
         [](const P& p) {
             const Rat a = p.r("a") - p.r("a") * pct(p.r("p"));
             const Rat b = p.r("b") - p.r("c");
             if (a == b) throw std::runtime_error("the two prices are the same");
             if (twoParts(p)) return std::vector{N(a), N(b < a ? a - b : b - a)};
             return std::vector{T(a < b ? "A" : "B")};
         }},
        {"pct_successive",
         [](const P& p) {
             const Rat mid = p.r("price") + p.r("price") * pct(p.r("up"));
             const Rat end = mid - mid * pct(p.r("down"));
             if (twoParts(p)) return std::vector{N(mid), N(end)};
             return std::vector{N(end)};
         }},
        {"pct_interest",
         [](const P& p) {
             Rat balance = p.r("principal");
             const Rat yearly = p.r("principal") * pct(p.r("rate"));
             for (long long y = 0; y < p.i("years"); ++y) balance = balance + yearly;
             if (twoParts(p)) return std::vector{N(yearly), N(balance)};
             return std::vector{N(balance - p.r("principal"))};
         }},
        {"pct_wage_commission",
         [](const P& p) {
             const Rat commission = p.r("sales") * pct(p.r("c"));
             if (twoParts(p)) return std::vector{N(commission), N(p.r("basic") + commission)};
             return std::vector{N(p.r("basic") + commission)};
         }},
        {"pct_of_pct",
         [](const P& p) {
             const Rat share = pct(p.r("a")) * pct(p.r("b"));
             return std::vector{N(p.q.parts[0].kind == 'F' ? share : share * Rat(100))};
         }},
        {"pct_pass_mark",
         [](const P& p) {
             const Rat need = p.r("total") * pct(p.r("p"));
             if (!need.whole()) throw std::runtime_error("the pass mark is not a whole mark");
             if (twoParts(p)) return std::vector{N(need), N(need - p.r("got"))};
             return std::vector{N(need)};
         }},
        {"pct_three_forms",
         [](const P& p) {
             return std::vector{N(pct(p.r("p"))), N(pct(p.r("p")))};
         }},
        {"pct_vote",
         [](const P& p) {
             const Rat v = p.r("voters");
             const Rat red = v - v * pct(p.r("blue")) - v * pct(p.r("green"));
             if (!twoParts(p)) return std::vector{N(red)};
             const Rat gap = v * pct(p.r("blue")) - v * pct(p.r("green"));
             return std::vector{N(red), N(gap < Rat(0) ? Rat(0) - gap : gap)};
         }},
        {"pct_two_years",
         [](const P& p) {
             Rat value = p.r("start");
             std::vector<Rat> years;
             for (int y = 0; y < 2; ++y) {
                 const Rat change = value * pct(p.r("p"));
                 value = p.s("dir") == "down" ? value - change : value + change;
                 years.push_back(value);
             }
             if (twoParts(p)) return std::vector{N(years[0]), N(years[1])};
             return std::vector{N(years[1])};
         }},
        {"pct_from_part",
         [](const P& p) {
             // The swimmers are b/a times the tennis players.
             const Rat swim = p.r("part") * p.r("b") / p.r("a");
             if (twoParts(p)) return std::vector{N(p.r("part") / pct(p.r("a"))), N(swim)};
             return std::vector{N(swim)};
         }},
        {"pct_estimate_school",
         [](const P& p) {
             const Rat share = p.r("yes") / p.r("sample");
             if (twoParts(p)) return std::vector{N(share * Rat(100)), N(share * p.r("school"))};
             return std::vector{N(share * p.r("school"))};
         }},
        {"pct_bill_share",
         [](const P& p) {
             const Rat total = p.r("bill") + p.r("bill") * pct(p.r("tip"));
             if (twoParts(p)) return std::vector{N(total), N(total / p.r("people"))};
             return std::vector{N(total / p.r("people"))};
         }},
        {"pct_fractional_rate",
         [](const P& p) {
             static const std::regex shown(R"(Find <b>([\d.]+)% of(?: |&nbsp;)([\d&nbsp;]+)</b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, shown)) throw std::runtime_error("no task");
             return std::vector{N(pct(parseRat(m[1])) * parseRat(plainNumbers(m[2])))};
         }},
        {"pct_over_hundred", [](const P& p) { return std::vector{N(p.r("h") * pct(p.r("p")))}; }},
        {"pct_part_units",
         [](const P& p) {
             const Rat whole = p.r("whole") * Rat(smallUnitsIn(p.s("large"), p.s("small")));
             return std::vector{N(p.r("part") / whole * Rat(100))};
         }},
        {"pct_of_measure",
         [](const P& p) {
             return std::vector{
                 N(pct(p.r("p")) * p.r("whole") * Rat(smallUnitsIn(p.s("large"), p.s("small"))))};
         }},
        {"pct_not_equal",
         [](const P& p) {
             std::vector<std::string> odd;
             for (const auto& o : options(p.q.html))
                 if (!(parseRat(o) == pct(p.r("p")))) odd.push_back(o);
             if (odd.size() != 1) throw std::runtime_error("not exactly one option differs");
             return std::vector{T(odd[0])};
         }},
        {"pct_of_largest",
         [](const P& p) {
             std::vector<std::pair<Rat, std::string>> v;
             for (const auto& o : options(p.q.html)) v.emplace_back(percentOfText(o), o);
             return std::vector{T(extreme(v, p.s("which") == "largest"))};
         }},
        {"pct_shade_more",
         [](const P& p) {
             const auto [cells, dark] = countSquares(p.q);
             const Rat target = Rat(cells) * pct(p.r("p"));
             if (!target.whole() || !(Rat(dark) < target))
                 throw std::runtime_error("no whole number of squares to shade");
             return std::vector{N(target - Rat(dark))};
         }},
        {"pct_bar_chart",
         [](const P& p) {
             const auto bars = readBarChart(p.q);
             Rat total;
             Rat asked = -1;
             for (const auto& [name, value] : bars) {
                 total = total + value;
                 if (name == p.s("ask")) asked = value;
             }
             if (asked < Rat(0)) throw std::runtime_error("the chart has no bar " + p.s("ask"));
             if (twoParts(p)) return std::vector{N(total), N(asked / total * Rat(100))};
             return std::vector{N(asked / total * Rat(100))};
         }},
        {"pct_pie_chart",
         [](const P& p) {
             // Sector names and their percentages as the picture labels them, "?" for unknown.
             const auto texts = figureTexts(p.q);
             std::map<std::string, Rat> share;
             std::string unknown;
             Rat known;
             for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
                 const std::string& label = texts[i + 1].text;
                 if (label == "?") {
                     unknown = texts[i].text;
                     continue;
                 }
                 share[texts[i].text] = parseRat(label.substr(0, label.size() - 1));
                 known = known + share[texts[i].text];
             }
             const Rat people = p.r("people");
             if (unknown.empty()) return std::vector{N(people * pct(share.at(p.s("ask"))))};
             if (unknown != p.s("missing")) throw std::runtime_error("another sector is unknown");
             const Rat missing = Rat(100) - known;
             if (twoParts(p)) return std::vector{N(missing), N(people * pct(missing))};
             return std::vector{N(missing), N(people * pct(missing)),
                                N(people * pct(share.at(p.s("more")) - share.at(p.s("fewer"))))};
         }},
        {"pct_number_line",
         [](const P& p) {
             const auto [steps, arrow] = readNumberLine(p.q);
             if (steps != p.i("n") || arrow != p.i("at"))
                 throw std::runtime_error("the line does not match the parameters");
             return std::vector{N(Rat(arrow * 100, steps))};
         }},
        {"pct_table_best",
         [](const P& p) {
             std::vector<std::pair<Rat, std::string>> v;
             for (const auto& row : tableRows(p.q.html))
                 v.emplace_back(parseRat(row.at(1)) / parseRat(row.at(2)), row.at(0));
             return std::vector{T(extreme(v, true))};
         }},
        {"pct_nutrition",
         [](const P& p) {
             static const std::regex serving(R"(one (\d+)&nbsp;g serving)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, serving)) throw std::runtime_error("no serving");
             for (const auto& row : tableRows(p.q.html))
                 if (row.at(0) == p.s("ask"))
                     return std::vector{N(leadingNumber(row.at(1)) / parseRat(m[1]) * Rat(100))};
             throw std::runtime_error("no row for " + p.s("ask"));
         }},
        {"pct_budget",
         [](const P& p) {
             Rat shown;
             int unknown = 0;
             for (const auto& row : tableRows(p.q.html)) {
                 if (row.at(1) == "?")
                     ++unknown;
                 else
                     shown = shown + leadingNumber(row.at(1));
             }
             if (unknown != 1) throw std::runtime_error("not one unknown row");
             const Rat missing = Rat(100) - shown;
             const Rat money = p.r("income") * pct(missing);
             if (twoParts(p)) return std::vector{N(missing), N(money)};
             return std::vector{N(money)};
         }},
        {"pct_test_total",
         [](const P& p) {
             Rat got, of;
             for (const auto& row : tableRows(p.q.html)) {
                 got = got + parseRat(row.at(1));
                 of = of + parseRat(row.at(2));
             }
             if (twoParts(p)) return std::vector{N(got), N(got / of * Rat(100))};
             return std::vector{N(got / of * Rat(100))};
         }},
    };
}

}  // namespace keycheck
