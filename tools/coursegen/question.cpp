#include "question.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {
const std::string kNbsp = "&nbsp;";

bool isMoneyUnit(const std::string& units) {
    return units == "$" || units == "dollars";
}

// The text of an answer line after "Answer:" or "Answer (a):".
std::string answerBlank(const std::string& units) {
    if (isMoneyUnit(units)) return "$________";
    return "________" + (units.empty() ? std::string() : kNbsp + units);
}
}  // namespace

void Figure::line(int x1, int y1, int x2, int y2, bool dash, bool thick) {
    std::string s = "line " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                    std::to_string(x2) + " " + std::to_string(y2);
    if (dash) s += " dash";
    if (thick) s += " thick";
    ops.push_back(s);
}

void Figure::poly(const std::vector<std::pair<int, int>>& pts, const std::string& fill, bool dash) {
    std::string s = "poly";
    for (const auto& [x, y] : pts) s += " " + std::to_string(x) + " " + std::to_string(y);
    if (!fill.empty()) s += " fill=" + fill;
    if (dash) s += " dash";
    ops.push_back(s);
}

void Figure::rect(int x, int y, int w, int h, const std::string& fill) {
    std::string s = "rect " + std::to_string(x) + " " + std::to_string(y) + " " +
                    std::to_string(w) + " " + std::to_string(h);
    if (!fill.empty()) s += " fill=" + fill;
    ops.push_back(s);
}

void Figure::circle(int cx, int cy, int r, const std::string& fill) {
    std::string s =
        "circle " + std::to_string(cx) + " " + std::to_string(cy) + " " + std::to_string(r);
    if (!fill.empty()) s += " fill=" + fill;
    ops.push_back(s);
}

void Figure::arc(int cx, int cy, int r, int startDeg, int spanDeg) {
    ops.push_back("arc " + std::to_string(cx) + " " + std::to_string(cy) + " " + std::to_string(r) +
                  " " + std::to_string(startDeg) + " " + std::to_string(spanDeg));
}

void Figure::text(int x, int y, char align, const std::string& s) {
    if (s.find('"') != std::string::npos) throw std::logic_error("quote in figure text");
    // A picture never wraps, so the non-breaking space of num() and qty() is a plain one there.
    std::string plain = s;
    for (auto at = plain.find(kNbsp); at != std::string::npos; at = plain.find(kNbsp, at))
        plain.replace(at, kNbsp.size(), " ");
    ops.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " +
                  std::string(1, align) + " \"" + plain + "\"");
}

void Figure::colour(const std::string& rgb) {
    ops.push_back("colour " + rgb);
}

QB::QB(std::string family, int level) {
    q_.family = std::move(family);
    q_.level = level;
}

QB& QB::param(const std::string& name, const std::string& value) {
    if (value.empty() || value.find(' ') != std::string::npos)
        throw std::logic_error("bad parameter value for " + name);
    q_.params.emplace_back(name, value);
    return *this;
}

Question QB::done() {
    // A note's example must never be the answer itself.
    static const std::vector<std::pair<std::string, std::string>> other = {
        {"3/4", "2/5"}, {"5 2/3", "4 1/2"}, {"2:3", "3:5"}, {"5:3:2", "4:3:1"}};
    for (const Part& p : q_.parts)
        for (const auto& [example, instead] : other)
            if (p.key == example) {
                const std::string from = "for example " + example + ".";
                for (auto at = q_.html.find(from); at != std::string::npos;
                     at = q_.html.find(from, at + 1))
                    q_.html.replace(at, from.size(), "for example " + instead + ".");
            }
    q_.html = tidyHtml(q_.html);
    return std::move(q_);
}

QB& QB::p(const std::string& html) {
    q_.html += "<p>" + html + "</p>\n";
    return *this;
}

QB& QB::raw(const std::string& html) {
    q_.html += html + "\n";
    return *this;
}

QB& QB::note(const std::string& html) {
    q_.html += "<p class=\"note\">" + html + "</p>\n";
    return *this;
}

QB& QB::answer(const std::string& units) {
    q_.html += "<p class=\"answer\">Answer: " + answerBlank(units) + "</p>\n";
    return *this;
}

Figure& QB::figure(int width, int height, const std::string& alt) {
    Figure f;
    f.name = "fig" + std::to_string(q_.figures.size() + 1) + ".gif";
    f.width = width;
    f.height = height;
    q_.html += "<p><img src=\"" + f.name + "\" width=\"" + std::to_string(width) + "\" height=\"" +
               std::to_string(height) + "\" alt=\"" + alt + "\"></p>\n";
    q_.figures.push_back(std::move(f));
    return q_.figures.back();
}

QB& QB::part(char kind, const std::string& key) {
    q_.parts.push_back(Part{kind, key, 1});
    return *this;
}

QB& QB::subparts(const std::vector<std::pair<std::string, std::string>>& items) {
    // Labelled by hand rather than by list numbering, so "(a)" reads the same in every viewer.
    q_.html += "<div class=\"parts\">\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string label = std::string("(") + static_cast<char>('a' + i) + ")";
        q_.html += "<p>" + label + " " + items[i].first + "<br><span class=\"answer\">Answer " +
                   label + ": " + answerBlank(items[i].second) + "</span></p>\n";
    }
    q_.html += "</div>\n";
    return *this;
}

namespace {
std::string optionText(const Frac& v, const std::string& units) {
    return units.empty() ? num(v) : qty(v, units);
}

const char* kChooseNote = "Write the number of the correct answer: 1, 2, 3 or 4.";
}  // namespace

QB& QB::number(Rng& r, char kind, const Frac& answer, const std::string& units,
               std::vector<Frac> wrong) {
    if (kind == 'N') {
        this->answer(units);
        return part('N', answer.dec());
    }
    if (kind != 'Q') throw std::logic_error("number answer of kind " + std::string(1, kind));
    std::vector<Frac> picked;
    auto usable = [&](const Frac& w) {
        if (w == answer || w <= Frac(0)) return false;
        try {
            (void)w.dec();
        } catch (const std::logic_error&) {
            return false;
        }
        return std::find(picked.begin(), picked.end(), w) == picked.end();
    };
    r.shuffle(wrong);
    for (const Frac& w : wrong)
        if (picked.size() < 3 && usable(w)) picked.push_back(w);
    const Frac step = answer.isInt() ? Frac(answer.n >= 100 ? 10 : 1)
                                     : Frac(answer.d == 2 ? 1 : 1, answer.d == 2 ? 2 : 10);
    for (int k = 1; picked.size() < 3; ++k) {
        const Frac c = (k % 2) ? answer + step * Frac((k + 1) / 2) : answer - step * Frac(k / 2);
        if (usable(c)) picked.push_back(c);
        if (k > 50) throw std::logic_error("no distractors");
    }
    std::vector<Frac> opts = picked;
    opts.push_back(answer);
    r.shuffle(opts);
    // Sums of money in one list all show cents once one of them has any.
    const bool cents = isMoneyUnit(units) && std::any_of(opts.begin(), opts.end(),
                                                         [](const Frac& v) { return !v.isInt(); });
    q_.html += "<ol class=\"options\">\n";
    int right = 0;
    for (std::size_t i = 0; i < opts.size(); ++i) {
        q_.html += "<li>" + (cents ? moneyCents(opts[i]) : optionText(opts[i], units)) + "</li>\n";
        if (opts[i] == answer) right = static_cast<int>(i) + 1;
    }
    q_.html += "</ol>\n";
    note(kChooseNote);
    return part('Q', std::to_string(right));
}

QB& QB::choice(Rng& r, const std::string& right, std::vector<std::string> wrong) {
    std::vector<std::string> opts;
    for (const auto& w : wrong)
        if (w != right && std::find(opts.begin(), opts.end(), w) == opts.end() && opts.size() < 3)
            opts.push_back(w);
    if (opts.size() != 3) throw std::logic_error("choice needs three different wrong answers");
    opts.push_back(right);
    r.shuffle(opts);
    q_.html += "<ol class=\"options\">\n";
    int idx = 0;
    for (std::size_t i = 0; i < opts.size(); ++i) {
        q_.html += "<li>" + opts[i] + "</li>\n";
        if (opts[i] == right) idx = static_cast<int>(i) + 1;
    }
    q_.html += "</ol>\n";
    note(kChooseNote);
    return part('Q', std::to_string(idx));
}

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// "-1234567.5" with its whole part grouped: "-1&nbsp;234&nbsp;567.5".
std::string groupDecimal(const std::string& plain) {
    const std::size_t sign = !plain.empty() && plain[0] == '-' ? 1 : 0;
    const std::size_t point = std::min(plain.find('.'), plain.size());
    const std::string whole = plain.substr(sign, point - sign);
    if (whole.size() < 5) return plain;
    std::string out = plain.substr(0, sign);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += kNbsp;
        out += whole[i];
    }
    return out + plain.substr(point);
}

// Units that follow a number in the questions; a line must not start with one of them.
const std::vector<std::string>& unitWords() {
    static const std::vector<std::string> units = {
        "mm",        "cm",      "m",           "km",         "g",           "kg",
        "mg",        "t",       "ml",          "l",          "litres",      "litre",
        "km/h",      "m/s",     "cm&sup2;",    "m&sup2;",    "km&sup2;",    "mm&sup2;",
        "cm&sup3;",  "m&sup3;", "mm&sup3;",    "h",          "hours",       "hour",
        "min",       "minutes", "minute",      "s",          "seconds",     "second",
        "days",      "day",     "weeks",       "years",      "tonnes",      "grams",
        "kilograms", "metres",  "centimetres", "kilometres", "millimetres", "millilitres",
        "cents",     "pm",      "am",          "PM",         "AM",          "p.m.",
        "a.m."};
    return units;
}

// Length of the unit at `at` when a unit word starts there and ends at a word boundary.
std::size_t unitAt(const std::string& text, std::size_t at) {
    std::size_t best = 0;
    for (const auto& u : unitWords())
        if (u.size() > best && text.compare(at, u.size(), u) == 0) {
            const std::size_t end = at + u.size();
            if (end == text.size() || !(isLetter(text[end]) || isDigit(text[end]) ||
                                        (text[end] == '&' && u.back() != ';')))
                best = u.size();
        }
    return best;
}

// The spoken number starts with a vowel sound: eight..., eleven..., eighteen...
bool numberSaysVowel(const std::string& digits) {
    if (digits.empty()) return false;
    const std::size_t lead = (digits.size() - 1) % 3 + 1;
    const std::string group = digits.substr(0, lead);
    return group[0] == '8' || group == "11" || group == "18";
}

// The length of "a " or "an " (either case) at `k` when it stands before a number, else 0.
std::size_t articleBeforeNumber(const std::string& text, std::size_t k) {
    if (k > 0 && text[k - 1] != ' ' && text[k - 1] != '>' && text[k - 1] != '(') return 0;
    if (text[k] != 'a' && text[k] != 'A') return 0;
    std::size_t length = 0;
    if (text.compare(k + 1, 1, " ") == 0)
        length = 2;
    else if (text.compare(k + 1, 2, "n ") == 0)
        length = 3;
    else
        return 0;
    std::size_t probe = k + length;
    while (probe < text.size() && text[probe] == '<') {
        const std::size_t close = text.find('>', probe);
        if (close == std::string::npos) return 0;
        probe = close + 1;
    }
    return probe < text.size() && isDigit(text[probe]) ? length : 0;
}

}  // namespace

std::string num(const Frac& v) {
    return groupDecimal(v.dec());
}

std::string moneyCents(const Frac& v) {
    const std::string fixed = v.fixed(2);
    if (!fixed.empty() && fixed[0] == '-') return "&minus;$" + groupDecimal(fixed.substr(1));
    return "$" + groupDecimal(fixed);
}

std::string money(const Frac& v) {
    if (!v.isInt()) return moneyCents(v);
    return v.n < 0 ? "&minus;$" + num(Frac(0) - v) : "$" + num(v);
}

std::string qty(const Frac& v, const std::string& unit) {
    if (isMoneyUnit(unit)) return money(v);
    if (unit == "%" || unit == "&deg;") return num(v) + unit;
    return num(v) + kNbsp + unit;
}

std::string article(const std::string& next) {
    std::size_t at = 0;
    while (at < next.size() && (next[at] == '<' || next[at] == ' ')) {  // skip tags such as <b>
        if (next[at] == '<') at = next.find('>', at);
        if (at == std::string::npos) return "a";
        ++at;
    }
    if (at >= next.size()) return "a";
    if (isDigit(next[at])) {
        std::string digits;
        for (std::size_t i = at; i < next.size();) {
            if (isDigit(next[i]))
                digits += next[i++];
            else if (next.compare(i, kNbsp.size(), kNbsp) == 0 && i + kNbsp.size() < next.size() &&
                     isDigit(next[i + kNbsp.size()]))
                i += kNbsp.size();  // a thousands group
            else if (next[i] == ',' && i + 3 < next.size() && isDigit(next[i + 1]) &&
                     isDigit(next[i + 2]) && isDigit(next[i + 3]))
                ++i;
            else
                break;
        }
        return numberSaysVowel(digits) ? "an" : "a";
    }
    std::string word;
    for (std::size_t i = at; i < next.size() && isLetter(next[i]); ++i) word += next[i];
    if (word.empty()) return "a";
    // A capital letter on its own or in an abbreviation is read by its name: "an L-shape".
    if (std::isupper(static_cast<unsigned char>(word[0])) &&
        (word.size() == 1 || std::isupper(static_cast<unsigned char>(word[1]))))
        return std::string("AEFHILMNORSX").find(word[0]) != std::string::npos ? "an" : "a";
    std::string lower;
    for (char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto starts = [&](const char* p) { return lower.rfind(p, 0) == 0; };
    for (const char* silentH : {"hour", "honest", "honour", "heir"})
        if (starts(silentH)) return "an";
    for (const char* yooOrWa : {"uni", "use", "usu", "uti", "ura", "eu", "ewe", "one", "once"})
        if (starts(yooOrWa)) return "a";
    return std::string("aeiou").find(lower[0]) != std::string::npos ? "an" : "a";
}

std::string withArticle(const std::string& text) {
    return article(text) + " " + text;
}

std::string tidyHtml(const std::string& html) {
    std::string out;
    out.reserve(html.size() + 64);
    std::size_t i = 0;
    while (i < html.size()) {
        const char c = html[i];
        if (c == '<') {  // a tag is copied as it is
            const std::size_t end = html.find('>', i);
            const std::size_t stop = end == std::string::npos ? html.size() : end + 1;
            out.append(html, i, stop - i);
            i = stop;
            continue;
        }
        if (c == '&') {  // so is an entity, even a numeric one
            const std::size_t end = html.find(';', i);
            const std::size_t stop = end == std::string::npos || end - i > 10 ? i + 1 : end + 1;
            out.append(html, i, stop - i);
            i = stop;
            continue;
        }
        if (!isDigit(c)) {
            out += c;
            ++i;
            continue;
        }
        // A number: its whole digits grouped (decimal places never are), then the unit after it.
        const bool decimals = !out.empty() && out.back() == '.';
        std::size_t end = i;
        while (end < html.size() && isDigit(html[end])) ++end;
        std::string digits = html.substr(i, end - i);
        if (decimals || digits.size() < 5 ||
            (!out.empty() && (isLetter(out.back()) || out.back() == '#')))
            out += digits;
        else
            out += groupDecimal(digits);
        i = end;
        // Its decimal places or the rest of a fraction ("12.5", "3/4") come before the unit.
        std::size_t look = i;
        if (look + 1 < html.size() && (html[look] == '.' || html[look] == '/') &&
            isDigit(html[look + 1])) {
            ++look;
            while (look < html.size() && isDigit(html[look])) ++look;
        }
        out.append(html, i, look - i);
        i = look;
        if (i + 1 < html.size() && html[i] == ' ' && unitAt(html, i + 1) > 0) {
            out += kNbsp;
            ++i;
        }
    }
    // "a 8" and "an 7": the article before a number follows the number's sound.
    std::string mended;
    mended.reserve(out.size());
    for (std::size_t k = 0; k < out.size();) {
        const std::size_t length = articleBeforeNumber(out, k);
        if (length == 0) {
            mended += out[k++];
            continue;
        }
        std::string right = article(out.substr(k + length, 40));
        if (std::isupper(static_cast<unsigned char>(out[k]))) right[0] = 'A';
        mended += right + " ";
        k += length;
    }
    return mended;
}

std::string fracHtml(const Frac& v) {
    return v.text();
}

std::string mixedHtml(const Frac& v) {
    return v.mixed();
}

const std::vector<std::string>& names() {
    static const std::vector<std::string> list = {
        "Derrick", "Aisha", "Ben",   "Priya",  "Tom",    "Farah", "Kofi",  "Lucy",
        "Ravi",    "Sofia", "Jamal", "Hannah", "Wei",    "Omar",  "Grace", "Nadia",
        "Sam",     "Chloe", "Arjun", "Mei",    "Daniel", "Zara",  "Lena",  "Marcus"};
    return list;
}

std::pair<std::string, std::string> twoNames(Rng& r) {
    const auto& n = names();
    const int a = r.range(0, static_cast<int>(n.size()) - 1);
    int b = r.range(0, static_cast<int>(n.size()) - 2);
    if (b >= a) ++b;
    return {n[static_cast<std::size_t>(a)], n[static_cast<std::size_t>(b)]};
}
