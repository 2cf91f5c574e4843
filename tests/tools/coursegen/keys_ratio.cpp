// Independent key checks of the Ratio and Proportions families: each recomputes the keys from the
// family parameters (or from what the question shows: its tables, charts and pictures) by a
// route of its own.

#include "key_check.h"
#include "keys_reading.h"

#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace keycheck {

namespace {

long long whole(const Rat& v) {
    if (!v.whole())
        throw std::runtime_error("not a whole number: " + std::to_string(v.n) + "/" +
                                 std::to_string(v.d));
    return v.n;
}

// Two or three terms "3:5" or "2:3:4".
std::vector<long long> terms(const std::string& text) {
    std::vector<long long> out;
    std::stringstream in(text);
    std::string t;
    while (std::getline(in, t, ':')) out.push_back(std::stoll(t));
    return out;
}

// A ratio of rational terms as whole numbers in their simplest form.
std::string ratioOfRats(const std::vector<Rat>& v) {
    long long den = 1;
    for (const Rat& x : v) den = den / gcdOf(den, x.d) * x.d;
    std::vector<long long> ints;
    for (const Rat& x : v) ints.push_back(whole(x * Rat(den)));
    return ratioText(ints);
}

long long smallUnitsIn(const std::string& large, const std::string& small) {
    static const std::map<std::string, long long> per = {
        {"m>cm", 100}, {"kg>g", 1000}, {"hours>minutes", 60}, {"litres>ml", 1000}};
    return per.at(large + ">" + small);
}

bool numberPart(const P& p) {
    return p.q.parts[0].kind != 'R';
}

}  // namespace

KeyCheckers ratioKeys() {
    return {
        {"ratio_simplify",
         [](const P& p) {
             return std::vector{T(ratioText({p.i("a"), p.i("b")}))};
         }},
        {"ratio_shaded",
         [](const P& p) {
             const auto [cells, dark] = countSquares(p.q);
             if (cells != p.i("rows") * p.i("cols") || dark != p.i("shaded"))
                 throw std::runtime_error("the picture does not match the parameters");
             return std::vector{T(p.s("order") == "shaded:white"
                                      ? ratioText({dark, cells - dark})
                                      : ratioText({cells - dark, dark}))};
         }},
        {"ratio_three",
         [](const P& p) {
             return std::vector{T(ratioText({p.i("a"), p.i("b"), p.i("c")}))};
         }},
        {"ratio_count",
         [](const P& p) {
             const long long b = p.i("boys"), g = p.i("girls");
             const std::string ask = p.s("ask");
             return std::vector{T(ask == "boys:girls"   ? ratioText({b, g})
                                  : ask == "girls:boys" ? ratioText({g, b})
                                                        : ratioText({b, b + g}))};
         }},
        {"ratio_share",
         [](const P& p) {
             const Rat share = p.r("total") / (p.r("a") + p.r("b"));
             return std::vector{N(share * (p.s("ask") == "first" ? p.r("a") : p.r("b")))};
         }},
        {"ratio_fraction",
         [](const P& p) { return std::vector{N(p.r("a") / (p.r("a") + p.r("b")))}; }},
        {"unitary", [](const P& p) { return std::vector{N(p.r("cost") * p.r("m") / p.r("n"))}; }},
        {"ratio_missing",
         [](const P& p) { return std::vector{N(p.r("first") * p.r("b") / p.r("a"))}; }},
        {"recipe",
         [](const P& p) { return std::vector{N(p.r("grams") * p.r("want") / p.r("people"))}; }},
        {"stronger_drink",
         [](const P& p) {
             return std::vector{T(bigger(p.s("x"), p.r("a") / (p.r("a") + p.r("b")), p.s("y"),
                                         p.r("c") / (p.r("c") + p.r("d"))))};
         }},
        {"ratio_difference",
         [](const P& p) {
             return std::vector{N(p.r("diff") / (p.r("a") - p.r("b")) * (p.r("a") + p.r("b")))};
         }},
        {"ratio_money",
         [](const P& p) {
             const long long cents = p.s("units") == "cents" ? p.i("b") : p.i("b") * 100;
             return std::vector{T(ratioText({p.i("a") * 100, cents}))};
         }},
        {"ratio_three_share",
         [](const P& p) {
             const std::map<std::string, std::string> key = {
                 {"red", "a"}, {"blue", "b"}, {"green", "c"}};
             return std::vector{
                 N(p.r("total") * p.r(key.at(p.s("ask"))) / (p.r("a") + p.r("b") + p.r("c")))};
         }},
        {"map_scale",
         [](const P& p) {
             const Rat cm = p.r("cm") * p.r("scale");
             return std::vector{N(p.s("to") == "km" ? cm / Rat(100000) : cm / Rat(100))};
         }},
        {"ratio_units",
         [](const P& p) {
             return std::vector{
                 T(ratioText({p.i("small"), p.i("large") * smallUnitsIn(p.s("of"), p.s("unit"))}))};
         }},
        {"ratio_decimals",
         [](const P& p) {
             return std::vector{T(ratioOfRats({p.r("x"), p.r("y")}))};
         }},
        {"ratio_of_fractions",
         [](const P& p) {
             return std::vector{T(ratioOfRats({p.r("x"), p.r("y")}))};
         }},
        {"ratio_from_fraction",
         [](const P& p) {
             const Rat red = p.r("n") / p.r("d");
             const Rat yellow = Rat(1) - red;
             return std::vector{T(p.s("order") == "red:yellow" ? ratioOfRats({red, yellow})
                                                               : ratioOfRats({yellow, red}))};
         }},
        {"ratio_from_percent",
         [](const P& p) {
             const Rat boys = p.r("p") / Rat(100);
             const Rat girls = Rat(1) - boys;
             return std::vector{T(p.s("order") == "boys:girls" ? ratioOfRats({boys, girls})
                                                               : ratioOfRats({girls, boys}))};
         }},
        {"ratio_after_change",
         [](const P& p) {
             const Rat girls = p.r("boys") / p.r("a") * p.r("b");
             return std::vector{T(ratioOfRats({p.r("boys") + p.r("join"), girls}))};
         }},
        {"ratio_fix_mistake",
         [](const P& p) {
             const std::string right = ratioText({p.i("a"), p.i("b")});
             if (p.s("wrote") == right) throw std::runtime_error("the answer shown is right");
             return std::vector{T(right)};
         }},
        {"ratio_combine",
         [](const P& p) {
             // Give b the same number of parts in both ratios.
             const auto ab = terms(p.s("ab"));
             const auto bc = terms(p.s("bc"));
             const long long b = ab[1] / gcdOf(ab[1], bc[0]) * bc[0];
             return std::vector{T(ratioText({ab[0] * (b / ab[1]), b, bc[1] * (b / bc[0])}))};
         }},
        {"map_scale_ratio",
         [](const P& p) {
             const Rat n = p.r("metres") * Rat(100) / p.r("cm");
             if (numberPart(p)) return std::vector{N(n)};
             return std::vector{T("1:" + std::to_string(whole(n)))};
         }},
        {"ratio_share_total",
         [](const P& p) {
             const Rat part = p.r("smaller") / (p.r("a") < p.r("b") ? p.r("a") : p.r("b"));
             return std::vector{N(part * (p.r("a") + p.r("b")))};
         }},
        {"inverse_proportion",
         [](const P& p) { return std::vector{N(p.r("d1") * p.r("n1") / p.r("n2"))}; }},
        {"scale_model",
         [](const P& p) { return std::vector{N(p.r("metres") * Rat(100) / p.r("scale"))}; }},
        {"scale_find",
         [](const P& p) { return std::vector{N(p.r("metres") * Rat(100) / p.r("cm"))}; }},
        {"ratio_equivalent_missing",
         [](const P& p) {
             // The two ratios as the question prints them, one term "?": cross-multiply. The
             // colon sits between non-breaking spaces, so the ratio stays on one line.
             static const std::regex eq(
                 R"(<b>([^\s&]+)&nbsp;:&nbsp;([^\s&]+) = ([^\s&]+)&nbsp;:&nbsp;([^\s&]+)</b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, eq)) throw std::runtime_error("no ratios");
             std::vector<std::string> t = {m[1], m[2], m[3], m[4]};
             int blank = -1;
             for (int i = 0; i < 4; ++i)
                 if (t[static_cast<std::size_t>(i)] == "?") blank = i;
             auto v = [&](int i) { return parseRat(t[static_cast<std::size_t>(i)]); };
             // a/b = c/d; the blank term is (its diagonal partners' product) / (its opposite)
             const Rat x = blank == 0   ? v(1) * v(2) / v(3)
                           : blank == 1 ? v(0) * v(3) / v(2)
                           : blank == 2 ? v(0) * v(3) / v(1)
                                        : v(1) * v(2) / v(0);
             return std::vector{N(x)};
         }},
        {"ratio_which_equivalent",
         [](const P& p) {
             std::vector<std::string> same;
             for (const auto& o : options(p.q.html)) {
                 const auto t = terms(std::regex_replace(o, std::regex(" "), ""));
                 if (t.size() == 2 && t[0] * p.i("b") == t[1] * p.i("a")) same.push_back(o);
             }
             if (same.size() != 1) throw std::runtime_error("not one equal ratio");
             return std::vector{T(same[0])};
         }},
        {"ratio_one_to_n", [](const P& p) { return std::vector{N(p.r("b") / p.r("a"))}; }},
        {"ratio_equalise",
         [](const P& p) {
             // After the gift they are level, so at first they differed by twice the gift.
             const Rat gap = Rat(2) * p.r("give");
             return std::vector{N(gap / (p.r("a") - p.r("b")) * p.r("a"))};
         }},
        {"ratio_share_contribution",
         [](const P& p) {
             const auto paid = p.list("p");
             return std::vector{
                 N(p.r("prize") * paid.at(static_cast<std::size_t>(p.i("ask"))) / sumOf(paid))};
         }},
        {"unitary_count",
         [](const P& p) { return std::vector{N(p.r("budget") / (p.r("cost") / p.r("n")))}; }},
        {"ratio_three_given_one",
         [](const P& p) {
             const Rat part = p.r("sand") / p.r("b");
             if (p.s("ask") == "total")
                 return std::vector{N(part * (p.r("a") + p.r("b") + p.r("c")))};
             return std::vector{N(part * p.r("c"))};
         }},
        {"ratio_fraction_three",
         [](const P& p) {
             const std::map<std::string, std::string> key = {
                 {"red", "a"}, {"blue", "b"}, {"green", "c"}};
             return std::vector{N(p.r(key.at(p.s("ask"))) / (p.r("a") + p.r("b") + p.r("c")))};
         }},
        {"ratio_compare_groups",
         [](const P& p) {
             const Rat girlsA = p.r("totalA") * p.r("b") / (p.r("a") + p.r("b"));
             const Rat girlsB = p.r("totalB") * p.r("d") / (p.r("c") + p.r("d"));
             return std::vector{T(bigger("A", girlsA, "B", girlsB))};
         }},
        {"proportion_which",
         [](const P& p) {
             static const std::regex pair(R"((\d+) &rarr; (\d+))");
             std::vector<std::string> proportional;
             for (const auto& o : options(p.q.html)) {
                 std::vector<Rat> rates;
                 for (std::sregex_iterator it(o.begin(), o.end(), pair), e; it != e; ++it)
                     rates.push_back(parseRat((*it)[2]) / parseRat((*it)[1]));
                 bool same = rates.size() == 3;
                 for (const Rat& r : rates) same = same && r == rates[0];
                 if (same) proportional.push_back(o);
             }
             if (proportional.size() != 1) throw std::runtime_error("not one proportional list");
             return std::vector{T(proportional[0])};
         }},
        {"gear_turns",
         [](const P& p) { return std::vector{N(p.r("turns") * p.r("big") / p.r("small"))}; }},
        {"coins_ratio",
         [](const P& p) {
             const Rat each = p.r("coins") / (p.r("a") + p.r("b"));
             return std::vector{N(each * p.r("a") * Rat(1, 5) + each * p.r("b") * Rat(1, 2))};
         }},
        {"ratio_rect_perimeter",
         [](const P& p) {
             return std::vector{N(p.r("perimeter") / Rat(2) * p.r("a") / (p.r("a") + p.r("b")))};
         }},
        {"ratio_table",
         [](const P& p) {
             std::map<std::string, long long> count;
             for (const auto& row : tableRows(p.q.html)) count[row.at(0)] = std::stoll(row.at(1));
             return std::vector{T(ratioText({count.at(p.s("first")), count.at(p.s("second"))}))};
         }},
        {"ratio_bar_chart",
         [](const P& p) {
             std::map<std::string, long long> count;
             for (const auto& [name, value] : readBarChart(p.q)) count[name] = whole(value);
             return std::vector{T(ratioText({count.at(p.s("first")), count.at(p.s("second"))}))};
         }},
        {"ratio_squares",
         [](const P& p) {
             // The side lengths written under the squares, left (A) to right (B).
             std::vector<std::pair<int, Rat>> sides;
             for (const auto& t : figureTexts(p.q))
                 if (t.text.find(" cm") != std::string::npos)
                     sides.emplace_back(t.x, leadingNumber(t.text));
             if (sides.size() != 2) throw std::runtime_error("not two sides labelled");
             std::sort(sides.begin(), sides.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
             const Rat a = sides[0].second * sides[0].second;
             const Rat b = sides[1].second * sides[1].second;
             if (numberPart(p)) return std::vector{N(b / a)};
             return std::vector{T(ratioOfRats({a, b}))};
         }},
        {"ratio_angles",
         [](const P& p) {
             const auto parts = terms(p.s("parts"));
             const std::map<std::string, std::size_t> at = {{"x", 0}, {"y", 1}, {"z", 2}};
             if (primitives(p.q, "arc").size() != 3)
                 throw std::runtime_error("the angles are not all marked");
             return std::vector{
                 N(Rat(180 * parts.at(at.at(p.s("ask"))), parts[0] + parts[1] + parts[2]))};
         }},
        {"ratio_segment",
         [](const P& p) {
             const Rat part = p.s("ask") == "AP" ? p.r("a") : p.r("b");
             return std::vector{N(p.r("total") * part / (p.r("a") + p.r("b")))};
         }},
        {"ratio_enlarge",
         [](const P& p) { return std::vector{N(p.r("newlen") / p.r("len") * p.r("wid"))}; }},
        {"ratio_line_graph",
         [](const P& p) {
             // The line joins the origin to the far corner; read its end off the axes.
             long long xEnd = 0, yEnd = 0;
             for (const auto& t : figureTexts(p.q)) {
                 if (t.text.find_first_not_of("0123456789") != std::string::npos) continue;
                 if (t.align == 'c') xEnd = std::max(xEnd, std::stoll(t.text));
                 if (t.align == 'r') yEnd = std::max(yEnd, std::stoll(t.text));
             }
             if (xEnd != p.i("xmax") || yEnd != p.i("ymax"))
                 throw std::runtime_error("the axes do not match the parameters");
             return std::vector{N(p.r("ask") * Rat(yEnd, xEnd))};
         }},
        {"proportion_table",
         [](const P& p) {
             const auto head = tableHead(p.q.html);
             const auto cost = tableRows(p.q.html).at(0);
             // The price of one ticket from a column with both numbers, then the missing one.
             Rat each;
             for (std::size_t i = 1; i < head.size(); ++i)
                 if (head[i] != "?" && cost.at(i) != "?")
                     each = leadingNumber(cost[i]) / parseRat(head[i]);
             for (std::size_t i = 1; i < head.size(); ++i) {
                 if (head[i] == "?") return std::vector{N(leadingNumber(cost.at(i)) / each)};
                 if (cost.at(i) == "?") return std::vector{N(parseRat(head[i]) * each)};
             }
             throw std::runtime_error("nothing missing");
         }},
        {"recipe_limit",
         [](const P& p) {
             static const std::regex batch(R"(recipe for (\d+) biscuits)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, batch)) throw std::runtime_error("no batch");
             std::vector<Rat> times;
             for (const auto& row : tableRows(p.q.html))
                 times.push_back(leadingNumber(row.at(2)) / leadingNumber(row.at(1)));
             std::sort(times.begin(), times.end());
             if (times.size() > 1 && times[0] == times[1])
                 throw std::runtime_error("two ingredients run out together");
             return std::vector{N(parseRat(m[1]) * times.at(0))};
         }},
    };
}

}  // namespace keycheck
