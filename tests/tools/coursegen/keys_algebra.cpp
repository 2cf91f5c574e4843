// Independent key checks of the Algebra families: each recomputes the keys from the family
// parameters, or from what the question shows (its expressions, pictures and tables), by a
// route of its own. Options that are expressions are told apart by their values: the right
// one agrees with the question's expression for several values of the letters.

#include "key_check.h"
#include "keys_reading.h"

#include <cctype>
#include <map>
#include <regex>
#include <stdexcept>

namespace keycheck {

namespace {

// The value of an expression such as "3a + 4b", "7ab", "3(2x + 9)" or "2n + 3" with the letters
// given values: the letters become bracketed numbers with the products written out, then the
// arithmetic is done by the shared expression reader.
Rat valueOf(const std::string& text, const std::map<char, Rat>& letters) {
    std::string out;
    bool lastWasFactor = false;  // a digit, a letter or ')' just written
    auto times = [&] {
        if (lastWasFactor) out += " &times; ";
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&') {  // an entity is copied whole (&minus; has letters in it)
            const auto end = text.find(';', i);
            out += text.substr(i, end - i + 1);
            i = end;
            lastWasFactor = false;
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            const auto it = letters.find(c);
            if (it == letters.end()) throw std::runtime_error("unknown letter in " + text);
            times();
            const Rat v = it->second;
            out += "(" + std::to_string(v.n) + (v.d == 1 ? "" : "/" + std::to_string(v.d)) + ")";
            lastWasFactor = true;
        } else if (c == '(') {
            times();
            out += c;
            lastWasFactor = false;
        } else {
            out += c;
            if (c != ' ') lastWasFactor = std::isdigit(static_cast<unsigned char>(c)) || c == ')';
        }
    }
    return Expr(out).value();
}

// The one option that agrees with `expected` for every set of letter values tried.
std::string agreeingOption(const course::Question& q,
                           const std::function<Rat(const std::map<char, Rat>&)>& expected) {
    const std::vector<std::map<char, Rat>> tries = {
        {{'a', 2}, {'b', 3}, {'x', 5}, {'n', 1}},
        {{'a', 7}, {'b', 4}, {'x', 11}, {'n', 4}},
        {{'a', Rat(1, 2)}, {'b', 13}, {'x', 3}, {'n', 9}}};
    std::vector<std::string> agree;
    for (const auto& o : options(q.html)) {
        bool all = true;
        for (const auto& t : tries) all = all && valueOf(o, t) == expected(t);
        if (all) agree.push_back(o);
    }
    if (agree.size() != 1)
        throw std::runtime_error(std::to_string(agree.size()) + " options agree");
    return agree[0];
}

// "2x + 20°", "x", "3x - 10" from a picture as the pair (2, 20).
std::pair<long long, long long> linearLabel(std::string text) {
    static const std::regex re(R"(^(\d*)x(?: ([+-]) (\d+))?(?:\xC2\xB0)?$)");
    std::smatch m;
    if (!std::regex_match(text, m, re)) throw std::runtime_error("label " + text);
    const long long a = m[1].str().empty() ? 1 : std::stoll(m[1]);
    long long b = m[3].matched ? std::stoll(m[3]) : 0;
    if (m[2] == "-") b = -b;
    return {a, b};
}

// The labels of a picture that are expressions in x.
std::vector<std::pair<long long, long long>> linearLabels(const course::Question& q) {
    std::vector<std::pair<long long, long long>> out;
    for (const auto& t : figureTexts(q))
        if (t.text.find('x') != std::string::npos) out.push_back(linearLabel(t.text));
    return out;
}

Rat solveSum(const std::vector<std::pair<long long, long long>>& terms, const Rat& total) {
    long long a = 0, b = 0;
    for (const auto& [ta, tb] : terms) {
        a += ta;
        b += tb;
    }
    return (total - Rat(b)) / Rat(a);
}

}  // namespace

KeyCheckers algebraKeys() {
    return {
        {"alg_eval", [](const P& p) { return std::vector{N(p.r("a") * p.r("n") + p.r("b"))}; }},
        {"alg_solve", [](const P& p) { return std::vector{N((p.r("c") - p.r("b")) / p.r("a"))}; }},
        {"number_machine",
         [](const P& p) { return std::vector{N((p.r("out") - p.r("add")) / p.r("m"))}; }},
        {"sequence_term",
         [](const P& p) {
             return std::vector{N(p.r("first") + (p.r("n") - Rat(1)) * p.r("step"))};
         }},
        {"age_problem",
         [](const P& p) {
             const Rat later = p.r("later");
             return std::vector{N((p.r("age") + later) + (p.r("age") * p.r("times") + later))};
         }},
        {"perimeter_algebra",
         [](const P& p) { return std::vector{N((p.r("p") / Rat(2) - p.r("a")) / Rat(2))}; }},
        {"bigger_number",
         [](const P& p) {
             return std::vector{T(bigger(p.s("x"), (p.r("out1") - p.r("a1")) / p.r("m1"), p.s("y"),
                                         (p.r("out2") - p.r("a2")) / p.r("m2")))};
         }},
        {"alg_puzzle",
         [](const P& p) {
             return std::vector{N((p.r("total") - p.r("more") + p.r("fewer")) / Rat(4))};
         }},
        {"balance",
         [](const P& p) {
             if (p.q.figures.empty())  // told in words only, as the first course did
                 return std::vector{N((p.r("right") - p.r("extra")) / (p.r("a") - p.r("b")))};
             // Boxes and weights on each pan as the picture shows them.
             Rat weight[2];
             long long boxes[2] = {0, 0};
             for (const auto& t : figureTexts(p.q)) {
                 const int side = t.x < 150 ? 0 : 1;
                 if (t.text == "?")
                     ++boxes[side];
                 else
                     weight[side] = weight[side] + leadingNumber(t.text);
             }
             if (boxes[0] != p.i("a") || boxes[1] != p.i("b"))
                 throw std::runtime_error("the picture does not match the parameters");
             return std::vector{N((weight[1] - weight[0]) / Rat(boxes[0] - boxes[1]))};
         }},
        {"formula_cost",
         [](const P& p) {
             if (p.q.params.count("cost"))
                 return std::vector{N((p.r("cost") - p.r("fixed")) / p.r("per"))};
             return std::vector{N(p.r("per") * p.r("h") + p.r("fixed"))};
         }},
        {"two_variable",
         [](const P& p) { return std::vector{N(p.r("a") * p.r("a") + p.r("c") * p.r("b"))}; }},
        {"write_expression",
         [](const P& p) {
             return std::vector{T(agreeingOption(
                 p.q, [&](const auto& v) { return p.r("times") * v.at('n') + p.r("more"); }))};
         }},
        {"eval_brackets",
         [](const P& p) {
             static const std::regex shown(R"(value of <b>([^<]+)</b> when <b>n = (\d+)</b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, shown)) throw std::runtime_error("no expression");
             return std::vector{N(valueOf(m[1], {{'n', parseRat(m[2])}}))};
         }},
        {"powers_eval",
         [](const P& p) {
             Rat cube = 1;
             for (int i = 0; i < 3; ++i) cube = cube * p.r("n");
             return std::vector{N(cube + p.r("c"))};
         }},
        {"fraction_expression",
         [](const P& p) { return std::vector{N((p.r("a") + p.r("b")) / p.r("c"))}; }},
        {"formula_substitute",
         [](const P& p) { return std::vector{N(p.r("u") + p.r("a") * p.r("t"))}; }},
        {"temp_formula",
         [](const P& p) {
             if (p.s("to") == "F") return std::vector{N(p.r("c") * Rat(9, 5) + Rat(32))};
             static const std::regex shown(R"(What is (\d+) degrees Fahrenheit)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, shown)) throw std::runtime_error("no F");
             return std::vector{N((parseRat(m[1]) - Rat(32)) * Rat(5, 9))};
         }},
        {"solve_brackets",
         [](const P& p) { return std::vector{N(p.r("rhs") / p.r("m") - p.r("a"))}; }},
        {"solve_divide",
         [](const P& p) { return std::vector{N((p.r("c") - p.r("b")) * p.r("d"))}; }},
        {"solve_mistake",
         [](const P& p) {
             const Rat x = (p.r("c") - p.r("b")) / p.r("a");
             if (p.q.html.find("x = " + std::to_string(x.n) + "</p>") != std::string::npos)
                 throw std::runtime_error("the working shown is right");
             return std::vector{N(x)};
         }},
        {"consecutive_sum",
         [](const P& p) {
             const long long count = p.i("count");
             for (long long first = 1;; ++first) {
                 const long long sum = count * first + count * (count - 1) / 2;
                 if (sum == p.i("sum")) return std::vector{N(first + count - 1)};
                 if (sum > p.i("sum")) throw std::runtime_error("no whole numbers add up");
             }
         }},
        {"sum_difference",
         [](const P& p) { return std::vector{N((p.r("sum") + p.r("diff")) / Rat(2))}; }},
        {"age_equation",
         [](const P& p) {
             for (long long x = p.i("q") + 1; x < 150; ++x)
                 if (Rat(x) + p.r("p") == p.r("m") * (Rat(x) - p.r("q"))) return std::vector{N(x)};
             throw std::runtime_error("no age fits");
         }},
        {"pens_and_rulers",
         [](const P& p) {
             return std::vector{N((p.r("big") - p.r("small")) / (p.r("n") - Rat(1)))};
         }},
        {"coins_equation",
         [](const P& p) {
             // one 50-cent coin comes with `times` 20-cent coins
             const Rat group = Rat(1, 2) + p.r("times") * Rat(1, 5);
             return std::vector{N(p.r("value") / group)};
         }},
        {"square_mistake",
         [](const P& p) {
             const Rat right = p.r("a") * p.r("n") * p.r("n");
             return std::vector{T(p.r("xsays") == right ? p.s("x") : p.s("y"))};
         }},
        {"cooking_time",
         [](const P& p) {
             const Rat mins = p.r("perkg") * p.r("kg") + p.r("extra");
             if (p.q.parts[0].kind == 'N') return std::vector{N(mins)};
             return std::vector{
                 T(timeText(minutesOf(p.s("ready")) - static_cast<int>(mins.n), p.s("style")))};
         }},
        {"sequence_position",
         [](const P& p) {
             return std::vector{N((p.r("value") - p.r("first")) / p.r("step") + Rat(1))};
         }},
        {"missing_number_sentence",
         [](const P& p) {
             // the sentence as the question shows it: a op b = c op ?
             static const std::regex shown(
                 R"(<b>(\d+) (\+|&times;|&minus;) (\d+) = (\d+) (\+|&times;|&minus;) \?</b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, shown) || m[2] != m[5])
                 throw std::runtime_error("no number sentence");
             const Rat left = Expr(m[1].str() + " " + m[2].str() + " " + m[3].str()).value();
             for (long long v = 1; v < 10000; ++v)
                 if (Expr(m[4].str() + " " + m[5].str() + " " + std::to_string(v)).value() == left)
                     return std::vector{N(v)};
             throw std::runtime_error("no whole number balances the sentence");
         }},
        {"pattern_rule_words",
         [](const P& p) {
             static const std::regex rule(
                 R"(starts at (\d+)\. The rule for the next number is: multiply by (\d+), then (add|take away)(?: |&nbsp;)(\d+)\.)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, rule)) throw std::runtime_error("no rule");
             Rat v = parseRat(m[1]);
             const Rat add = m[3] == "add" ? parseRat(m[4]) : Rat(0) - parseRat(m[4]);
             for (long long i = 1; i < p.i("t"); ++i) v = v * parseRat(m[2]) + add;
             return std::vector{N(v)};
         }},
        {"equal_groups_story",
         [](const P& p) {
             for (long long each = 1; each <= p.i("total"); ++each)
                 if (each * p.i("groups") + p.i("loose") == p.i("total")) return std::vector{N(each)};
             throw std::runtime_error("the groups are not equal");
         }},
        {"ticket_prices",
         [](const P& p) {
             // in cents, so a price with cents is found too
             const long long rest = (p.i("total") - p.i("adults") * p.i("adult")) * 100;
             for (long long c = 1; c <= rest; ++c)
                 if (c * p.i("children") == rest) return std::vector{N(Rat(c, 100))};
             throw std::runtime_error("no child price fits");
         }},
        {"sequence_gaps",
         [](const P& p) {
             // the step that reaches the last number in three equal steps
             for (long long step = 1; step <= p.i("last"); ++step)
                 if (p.i("first") + 3 * step == p.i("last"))
                     return std::vector{N(p.i("first") + (p.s("ask") == "A" ? 1 : 2) * step)};
             throw std::runtime_error("no even step");
         }},
        {"shape_symbols",
         [](const P& p) {
             // every pair of whole numbers the two sentences allow; there must be one
             std::vector<std::pair<long long, long long>> fits;
             for (long long t = 0; t <= p.i("bottom"); ++t) {
                 const long long c = p.i("bottom") - t;
                 if (p.i("p") * t + c == p.i("top")) fits.emplace_back(t, c);
             }
             if (fits.size() != 1) throw std::runtime_error("not one answer");
             return std::vector{N(p.s("ask") == "triangle" ? fits[0].first : fits[0].second)};
         }},
        {"balance_two_kinds",
         [](const P& p) {
             // boxes and weights as the two pictures show them
             if (p.q.figures.size() != 2) throw std::runtime_error("not two balances");
             std::vector<std::map<std::string, long long>> pans;
             Rat weight;
             for (const auto& f : p.q.figures) {
                 std::map<std::string, long long> onLeft;
                 static const std::regex t(R"re(^text (\d+) \d+ \w "(.*)"$)re");
                 for (const auto& op : f.ops) {
                     std::smatch m;
                     if (!std::regex_match(op, m, t)) continue;
                     const bool left = std::stoi(m[1]) < 150;
                     if (m[2] == "A" || m[2] == "B")
                         onLeft[m[2]] += left ? 1 : -1;
                     else
                         weight = leadingNumber(m[2]);
                 }
                 pans.push_back(onLeft);
             }
             // first: B = p A; second: B + q A = weight
             const long long pa = -pans[0]["A"], b1 = pans[0]["B"];
             const long long qa = pans[1]["A"], b2 = pans[1]["B"];
             if (b1 != 1 || b2 != 1 || pa != p.i("p") || qa != p.i("q"))
                 throw std::runtime_error("the pictures do not match the parameters");
             const Rat a = weight / Rat(pa + qa);
             return std::vector{N(p.s("ask") == "A" ? a : a * Rat(pa))};
         }},
        {"rule_from_table",
         [](const P& p) {
             const auto head = tableHead(p.q.html);
             const auto out = tableRows(p.q.html).at(0);
             static const std::regex rule(
                 R"(^(multiply by|add) (\d+)(?:, then (multiply by|add) (\d+))?$)");
             auto apply = [](const std::string& op, long long n, Rat x) {
                 return op == "add" ? x + Rat(n) : x * Rat(n);
             };
             std::vector<std::string> fit;
             for (const auto& o : options(p.q.html)) {
                 std::smatch m;
                 if (!std::regex_match(o, m, rule)) throw std::runtime_error("rule " + o);
                 bool all = true;
                 for (std::size_t i = 1; i < head.size(); ++i) {
                     Rat v = apply(m[1], std::stoll(m[2]), parseRat(head[i]));
                     if (m[3].matched) v = apply(m[3], std::stoll(m[4]), v);
                     all = all && v == parseRat(out.at(i));
                 }
                 if (all) fit.push_back(o);
             }
             if (fit.size() != 1) throw std::runtime_error(std::to_string(fit.size()) + " rules fit");
             return std::vector{T(fit[0])};
         }},
        {"matchstick_pattern",
         [](const P& p) {
             // Count the sticks of each pattern, nearest the name under it.
             std::vector<int> centres;
             for (const auto& t : figureTexts(p.q))
                 if (t.text.rfind("Pattern ", 0) == 0) centres.push_back(t.x);
             std::vector<long long> sticks(centres.size(), 0);
             for (const auto& l : primitives(p.q, "line")) {
                 const int mid = (l.v.at(0) + l.v.at(2)) / 2;
                 std::size_t best = 0;
                 for (std::size_t i = 1; i < centres.size(); ++i)
                     if (std::abs(centres[i] - mid) < std::abs(centres[best] - mid)) best = i;
                 ++sticks.at(best);
             }
             if (sticks.size() != 3 || sticks[1] - sticks[0] != sticks[2] - sticks[1])
                 throw std::runtime_error("the patterns do not grow evenly");
             const long long step = sticks[1] - sticks[0];
             return std::vector{N(sticks[0] + (p.i("n") - 1) * step)};
         }},
        {"angle_equation",
         [](const P& p) {
             const auto labels = linearLabels(p.q);
             if (labels.size() != 3 || primitives(p.q, "arc").size() != 3)
                 throw std::runtime_error("not three marked angles");
             return std::vector{N(solveSum(labels, 180))};
         }},
        {"area_algebra",
         [](const P& p) { return std::vector{N(p.r("area") / p.r("w") - p.r("a"))}; }},
        {"perimeter_expression",
         [](const P& p) {
             const auto sides = linearLabels(p.q);
             if (sides.size() != 2) throw std::runtime_error("not two sides labelled");
             return std::vector{T(agreeingOption(p.q, [&](const auto& v) {
                 Rat total;
                 for (const auto& [a, b] : sides)
                     total = total + Rat(2) * (Rat(a) * v.at('x') + Rat(b));
                 return total;
             }))};
         }},
        {"triangle_sides_algebra",
         [](const P& p) {
             const auto sides = linearLabels(p.q);
             if (sides.size() != 3) throw std::runtime_error("not three sides labelled");
             return std::vector{N(solveSum(sides, p.r("perimeter")))};
         }},
        {"function_table",
         [](const P& p) {
             const auto head = tableHead(p.q.html);
             const auto out = tableRows(p.q.html).at(0);
             const Rat x1 = parseRat(head.at(1)), x2 = parseRat(head.at(2));
             const Rat y1 = parseRat(out.at(1)), y2 = parseRat(out.at(2));
             const Rat slope = (y2 - y1) / (x2 - x1);
             for (std::size_t i = 3; i + 1 < head.size(); ++i)
                 if (!(y1 + slope * (parseRat(head[i]) - x1) == parseRat(out.at(i))))
                     throw std::runtime_error("the rule is not the same for every input");
             return std::vector{N(y1 + slope * (parseRat(head.back()) - x1))};
         }},
        {"magic_square",
         [](const P& p) {
             auto rows = tableRows(p.q.html);
             const std::string pad = "&nbsp;&nbsp;";
             for (auto& row : rows)
                 for (auto& c : row)
                     if (c.size() >= 2 * pad.size() && c.rfind(pad, 0) == 0)
                         c = c.substr(pad.size(), c.size() - 2 * pad.size());
             auto cell = [&](int i) {
                 return rows.at(static_cast<std::size_t>(i / 3))
                     .at(static_cast<std::size_t>(i % 3));
             };
             const std::vector<std::vector<int>> lines = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8},
                                                          {0, 3, 6}, {1, 4, 7}, {2, 5, 8},
                                                          {0, 4, 8}, {2, 4, 6}};
             // the total from a line with every number shown
             Rat total = -1;
             for (const auto& line : lines) {
                 Rat s;
                 bool full = true;
                 for (int i : line) {
                     if (!isNumber(cell(i)))
                         full = false;
                     else
                         s = s + parseRat(cell(i));
                 }
                 if (full) total = s;
             }
             if (total < Rat(0)) throw std::runtime_error("no complete line");
             for (const auto& line : lines) {
                 int unknown = 0;
                 bool hasX = false;
                 Rat s;
                 for (int i : line) {
                     if (cell(i) == "<i>x</i>") hasX = true;
                     if (!isNumber(cell(i)))
                         ++unknown;
                     else
                         s = s + parseRat(cell(i));
                 }
                 if (hasX && unknown == 1) return std::vector{N(total - s)};
             }
             throw std::runtime_error("x cannot be found");
         }},
    };
}

}  // namespace keycheck
