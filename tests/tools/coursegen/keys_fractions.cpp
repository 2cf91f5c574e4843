// Independent key checks of the Fractions families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"
#include "keys_read.h"

#include <algorithm>
#include <regex>
#include <stdexcept>

namespace keycheck {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A number line read off its picture: the numbered wholes, the ticks between them and the
// arrow (the first line drawn in red).
Rat arrowOnLine(const course::Question& q) {
    static const std::regex label(R"re(^text (\d+) \d+ c "(\d+)"$)re");
    static const std::regex line(R"(^line (\d+) (\d+) (\d+) (\d+)( .*)?$)");
    std::smatch m;
    std::vector<std::pair<long long, long long>> wholes;  // value, x
    long long ticks = 0;
    long long arrow = -1;
    bool red = false;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            if (std::regex_match(op, m, label))
                wholes.emplace_back(std::stoll(m[2]), std::stoll(m[1]));
            if (op == "colour #dc2626") red = true;
            if (std::regex_match(op, m, line) && m[1] == m[3]) {
                if (red && arrow < 0) arrow = std::stoll(m[1]);
                if (!red) ++ticks;  // the vertical marks on the line
            }
        }
    std::sort(wholes.begin(), wholes.end());
    if (wholes.size() < 2 || arrow < 0) throw std::runtime_error("no number line");
    const long long steps = ticks - 1;
    const long long x0 = wholes.front().second;
    const long long x1 = wholes.back().second;
    const Rat at = Rat((arrow - x0) * steps, x1 - x0);
    // the arrow sits on the nearest tick
    const long long tick = (at.n * 2 + at.d) / (2 * at.d);
    return Rat(wholes.front().first) +
           Rat(tick * (wholes.back().first - wholes.front().first), steps);
}

// Circles cut into equal sectors, some shaded: the shaded amount in wholes.
Rat shadedCircles(const course::Question& q) {
    long long circles = 0;
    long long sectors = 0;
    long long dark = 0;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            circles += op.rfind("circle ", 0) == 0;
            if (op.rfind("poly ", 0) == 0) {
                ++sectors;
                dark += op.find("fill=#3b82f6") != std::string::npos;
            }
        }
    if (circles == 0 || sectors % circles) throw std::runtime_error("circles cut unevenly");
    return Rat(dark, sectors / circles);
}

// Bars of a chart with the names printed under them, in order.
std::vector<std::pair<std::string, Rat>> namedBars(const course::Question& q) {
    static const std::regex name(R"re(^text \d+ \d+ c "([A-Za-z]+)"$)re");
    std::smatch m;
    std::vector<std::string> names;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops)
            if (std::regex_match(op, m, name)) names.push_back(m[1]);
    const auto values = barValues(q, 1);
    if (names.size() != values.size()) throw std::runtime_error("bars and names differ");
    std::vector<std::pair<std::string, Rat>> out;
    for (std::size_t i = 0; i < names.size(); ++i) out.emplace_back(names[i], values[i]);
    return out;
}

Rat barOf(const std::vector<std::pair<std::string, Rat>>& bars, const std::string& name) {
    for (const auto& [n, v] : bars)
        if (lower(n) == lower(name)) return v;
    throw std::runtime_error("no bar " + name);
}

// A one-litre jug read off its picture: the water's level against the scale from "0" to
// "1 litre", to the nearest step of the scale.
Rat jugMillilitres(const course::Question& q) {
    static const std::regex label(R"re(^text \d+ (\d+) r "(0|1 litre)"$)re");
    static const std::regex water(R"(^rect \d+ (\d+) \d+ \d+ fill=#93c5fd$)");
    static const std::regex tick(R"(^line (\d+) (\d+) (\d+) (\d+)( thick)?$)");
    std::smatch m;
    long long zero = -1;
    long long full = -1;
    long long level = -1;
    long long steps = 0;
    long long leftWall = -1;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops) {
            if (std::regex_match(op, m, label)) (m[2] == "0" ? zero : full) = std::stoll(m[1]);
            if (std::regex_match(op, m, water)) {
                level = std::stoll(m[1]);
                const auto parts = splitText(op, ' ');
                leftWall = std::stoll(parts.at(1));
            }
        }
    for (const auto& f : q.figures)
        for (const auto& op : f.ops)
            if (std::regex_match(op, m, tick) && m[2] == m[4] && std::stoll(m[3]) == leftWall &&
                std::stoll(m[1]) < leftWall)
                ++steps;  // the scale marks left of the jug
    if (zero < 0 || full < 0 || level < 0 || steps == 0) throw std::runtime_error("no jug");
    const Rat filled = Rat((zero - level) * steps, zero - full);
    const long long step = (filled.n * 2 + filled.d) / (2 * filled.d);
    return Rat(step * 1000, steps);
}

}  // namespace

KeyCheckers fractionKeys() {
    return {
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
        {"frac_of_qty",
         [](const P& p) { return std::vector{N(p.r("n") / Rat(p.r("f").d) * Rat(p.r("f").n))}; }},
        {"frac_left_money",
         [](const P& p) { return std::vector{N(p.r("n") * (Rat(1) - p.r("f")))}; }},
        {"frac_more",
         [](const P& p) { return std::vector{T(bigger(p.s("x"), p.r("a"), p.s("y"), p.r("b")))}; }},
        {"equiv_missing",
         [](const P& p) { return std::vector{N(p.r("d") / Rat(p.r("f").d) * Rat(p.r("f").n))}; }},
        {"frac_div_whole", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"whole_div_frac", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_of_unit", [](const P& p) { return std::vector{N(p.r("f") * p.r("factor"))}; }},
        {"whole_from_part", [](const P& p) { return std::vector{N(p.r("part") / p.r("f"))}; }},
        {"frac_order",
         [](const P& p) {
             const auto v = p.list("vals");
             return std::vector{N(p.s("which") == "largest"
                                      ? *std::max_element(v.begin(), v.end())
                                      : *std::min_element(v.begin(), v.end()))};
         }},
        {"frac_of_then_mixed",
         [](const P& p) {
             return std::vector{N(p.r("f") * p.r("n")), N(p.r("g"))};
         }},
        {"frac_class",
         [](const P& p) {
             const Rat girls = p.r("n") - p.r("f") * p.r("n");
             if (p.q.parts.size() == 1) return std::vector{N(girls)};
             return std::vector{N(p.r("f") * p.r("n")), N(girls / p.r("n"))};
         }},
        {"frac_div_frac", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"mixed_mul", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"mixed_div", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_compare",
         [](const P& p) {
             const auto b = bolds(p.q.html);
             const Rat x = parseRat(b.at(0));
             const Rat y = parseRat(b.at(1));
             if (x == y) throw std::runtime_error("equal");
             const bool greater = p.q.html.find("Which is greater") != std::string::npos;
             return std::vector{N((y < x) == greater ? x : y)};
         }},
        {"frac_between",
         [](const P& p) { return std::vector{T(onlyOptionBetweenBolds(p.q))}; }},
        {"frac_number_line",
         [](const P& p) {
             const Rat seen = arrowOnLine(p.q);
             if (!(seen == Rat(p.i("at"), p.i("per_unit"))))
                 throw std::runtime_error("the picture shows another number");
             return std::vector{N(seen)};
         }},
        {"frac_bar_model",
         [](const P& p) {
             const auto [parts, shaded] = countSquares(p.q);
             const auto labels = figureLabels(p.q);
             if (std::find(labels.begin(), labels.end(), p.s("known")) == labels.end())
                 throw std::runtime_error("the shaded parts are not labelled");
             const Rat one = p.r("known") / Rat(shaded);
             const bool whole = p.q.html.find("whole bar worth") != std::string::npos;
             return std::vector{N(one * Rat(whole ? parts : parts - shaded))};
         }},
        {"shade_more",
         [](const P& p) {
             const auto [cells, dark] = countSquares(p.q);
             const Rat target = parseRat(bolds(p.q.html).at(0));
             const Rat more = target - Rat(dark, cells);
             if (!(Rat(0) < more)) throw std::runtime_error("already shaded enough");
             if (p.q.parts.at(0).kind == 'N') return std::vector{N(more * Rat(cells))};
             return std::vector{N(more)};
         }},
        {"frac_left_eaten",
         [](const P& p) {
             static const std::regex slices(
                 R"(cut into (\d+) equal slices\. \w+ eats (\d+/\d+) of the cake and \w+ eats (\d+/\d+) of it)");
             static const std::regex ate(R"(ate (\d+/\d+) of a cake and \w+ ate (\d+/\d+) of)");
             std::smatch m;
             if (std::regex_search(p.q.html, m, slices))
                 return std::vector{
                     N(Rat(std::stoll(m[1])) * (Rat(1) - parseRat(m[2]) - parseRat(m[3])))};
             if (!std::regex_search(p.q.html, m, ate)) throw std::runtime_error("no shares");
             return std::vector{N(Rat(1) - parseRat(m[1]) - parseRat(m[2]))};
         }},
        {"frac_what_fraction",
         [](const P& p) {
             static const std::map<std::string, long long> inBig = {
                 {"1 metre cm", 100}, {"an hour minutes", 60}, {"1 kilogram g", 1000},
                 {"a day hours", 24}, {"1 litre ml", 1000},    {"a year months", 12}};
             static const std::regex ask(
                 R"(What fraction of ((?:[a-z0-9 ]|&nbsp;)+) is (\d+)&nbsp;(\w+)\?)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, ask)) throw std::runtime_error("no question");
             std::string whole = m[1];
             for (auto at = whole.find("&nbsp;"); at != std::string::npos;
                  at = whole.find("&nbsp;"))
                 whole.replace(at, 6, " ");
             return std::vector{
                 N(Rat(std::stoll(m[2]), inBig.at(whole + " " + std::string(m[3]))))};
         }},
        {"frac_equiv_which",
         [](const P& p) {
             const Rat target = parseRat(bolds(p.q.html).at(0));
             return std::vector{
                 T(onlyOption(p.q, [&](const std::string& o) { return parseRat(o) == target; }))};
         }},
        {"frac_missing_addend",
         [](const P& p) { return std::vector{N(solveMissing(bolds(p.q.html).at(0)))}; }},
        {"frac_recipe", [](const P& p) { return std::vector{N(p.r("each") * p.r("n"))}; }},
        {"frac_share", [](const P& p) { return std::vector{N(p.r("n") / p.r("people"))}; }},
        {"frac_table",
         [](const P& p) {
             const auto rows = tableRowsWithHead(p.q.html);
             static const std::regex chose(R"(chose (?:an? )?(\w+)\?)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, chose)) throw std::runtime_error("no fruit asked");
             Rat total = 0;
             Rat asked = -1;
             for (std::size_t i = 1; i < rows.size(); ++i) {
                 total = total + parseRat(rows[i].at(1));
                 if (lower(rows[i].at(0)) == lower(m[1])) asked = parseRat(rows[i].at(1));
             }
             if (asked < Rat(0)) throw std::runtime_error("no row for " + std::string(m[1]));
             if (p.q.parts.size() == 2) return std::vector{N(total), N(asked / total)};
             return std::vector{N(asked / total)};
         }},
        {"frac_chart",
         [](const P& p) {
             const auto bars = namedBars(p.q);
             if (p.list("counts") != [&] {
                     std::vector<Rat> v;
                     for (const auto& b : bars) v.push_back(b.second);
                     return v;
                 }())
                 throw std::runtime_error("the bars do not show the counts");
             Rat total = 0;
             for (const auto& b : bars) total = total + b.second;
             if (p.q.parts.at(0).kind == 'T') {
                 const Rat share = parseRat(bolds(p.q.html).at(0));
                 std::vector<std::string> fit;
                 for (const auto& [n, v] : bars)
                     if (v / total == share) fit.push_back(n);
                 if (fit.size() != 1) throw std::runtime_error("not one pet fits");
                 return std::vector{T(fit[0])};
             }
             static const std::regex chose(R"(chose an? (\w+)\?)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, chose)) throw std::runtime_error("no pet asked");
             const Want share = N(barOf(bars, m[1]) / total);
             if (p.q.parts.size() == 1) return std::vector{share};
             static const std::regex more(
                 R"(How many more pupils chose an? (\w+) than an? (\w+)\?)");
             if (!std::regex_search(p.q.html, m, more)) throw std::runtime_error("no comparison");
             return std::vector{N(barOf(bars, m[1]) - barOf(bars, m[2])), share};
         }},
        {"frac_sequence",
         [](const P& p) { return std::vector{N(sequenceGap(bolds(p.q.html).at(0)))}; }},
        {"minutes_mixed",
         [](const P& p) {
             static const std::map<std::string, long long> factor = {{"minutes hours", 60},
                                                                     {"g kilograms", 1000},
                                                                     {"cm metres", 100},
                                                                     {"months years", 12},
                                                                     {"ml litres", 1000}};
             static const std::regex ask(R"(Write <b>(\d+)&nbsp;(\w+)</b> in (\w+)\.)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, ask)) throw std::runtime_error("no amount");
             return std::vector{
                 N(Rat(std::stoll(m[1]), factor.at(std::string(m[2]) + " " + std::string(m[3]))))};
         }},
        {"frac_pieces",
         [](const P& p) {
             long long pieces = 0;
             Rat left = p.r("length");
             while (!(left < p.r("piece"))) {
                 left = left - p.r("piece");
                 ++pieces;
             }
             if (p.q.parts.size() == 2) return std::vector{N(pieces), N(left)};
             return std::vector{N(pieces)};
         }},
        {"frac_mistake",
         [](const P& p) { return std::vector{N(Expr(bolds(p.q.html).at(0)).value())}; }},
        {"frac_order_list", [](const P& p) { return std::vector{T(onlyOption(p.q, ascending))}; }},
        {"frac_walk_total",
         [](const P& p) {
             static const std::regex walked(
                 R"(walked (\d+ \d+/\d+)&nbsp;km on Monday and (\d+ \d+/\d+)&nbsp;km)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, walked)) throw std::runtime_error("no walks");
             const Rat a = parseRat(m[1]);
             const Rat b = parseRat(m[2]);
             if (p.q.parts.size() == 2) return std::vector{N(a + b), N(b - a)};
             return std::vector{N(a + b)};
         }},
        {"frac_mixed_picture", [](const P& p) { return std::vector{N(shadedCircles(p.q))}; }},
        {"frac_how_many_parts",
         [](const P& p) {
             static const std::map<std::string, long long> per = {
                 {"halves", 2}, {"thirds", 3},  {"quarters", 4}, {"fifths", 5},
                 {"sixths", 6}, {"eighths", 8}, {"tenths", 10}};
             static const std::regex ask(R"(How many (\w+) are there in <b>([^<]+)</b>)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, ask)) throw std::runtime_error("no question");
             return std::vector{N(parseRat(m[2]) * Rat(per.at(m[1])))};
         }},
        {"frac_journey",
         [](const P& p) {
             const Rat km = p.r("km");
             const Rat carShare = Rat(1) - p.r("a") - p.r("b");
             if (p.q.parts.size() == 1) return std::vector{N(km * carShare)};
             return std::vector{N(km * p.r("a")), N(km * carShare), N(carShare)};
         }},
        {"frac_sale_price",
         [](const P& p) {
             static const std::regex sale(
                 R"(costs \$(\d+)\. In a sale the price is cut by (\d+/\d+)\.)");
             std::smatch m;
             if (!std::regex_search(p.q.html, m, sale)) throw std::runtime_error("no price");
             return std::vector{N(parseRat(m[1]) * (Rat(1) - parseRat(m[2])))};
         }},
        {"frac_extra_free",
         [](const P& p) { return std::vector{N(p.r("size") * (Rat(1) + p.r("extra")))}; }},
        {"frac_part_to_part",
         [](const P& p) {
             const auto b = bolds(p.q.html);
             return std::vector{N(parseRat(b.at(1)) / parseRat(b.at(0)) * parseRat(b.at(2)))};
         }},
        {"frac_of_frac_amount",
         [](const P& p) {
             Rat v = 1;
             for (const auto& t : splitText(
                      std::regex_replace(bolds(p.q.html).at(0), std::regex(" of( |&nbsp;)"), ","), ','))
                 v = v * parseRat(t);
             return std::vector{N(v)};
         }},
        {"frac_time_minutes",
         [](const P& p) { return std::vector{N(p.r("f") * Rat(60) * p.r("hours"))}; }},
        {"frac_mixed_to_dec",
         [](const P& p) { return std::vector{N(parseRat(bolds(p.q.html).at(0)))}; }},
        {"frac_pages_left",
         [](const P& p) {
             const Rat book = p.r("read") / p.r("f");
             return std::vector{N(book - p.r("read"))};
         }},
        {"frac_grams_left",
         [](const P& p) {
             const Rat grams = p.r("kg") * Rat(1000);
             return std::vector{N(grams - grams * p.r("used"))};
         }},
        {"frac_plus_decimal", [](const P& p) { return std::vector{N(workedOut(p.q))}; }},
        {"frac_jug_ml",
         [](const P& p) {
             const Rat seen = jugMillilitres(p.q);
             if (!(seen == Rat(1000 * p.i("filled"), p.i("parts"))))
                 throw std::runtime_error("the jug shows another amount");
             return std::vector{N(seen)};
         }},
        {"frac_spend",
         [](const P& p) {
             const Rat n = p.r("n");
             const Rat first = n * p.r("a");
             const Rat second = (n - first) * p.r("b");
             if (p.q.parts.size() == 1) return std::vector{N(n - first - second)};
             return std::vector{N(first), N(second), N((n - first - second) / n)};
         }},
    };
}

}  // namespace keycheck
