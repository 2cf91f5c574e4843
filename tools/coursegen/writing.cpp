// The writing helpers of question.h: numbers, money, units, articles and the tidy of a
// question's HTML, times of day, counts, and the texts of terms and ratios.

#include "question.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <stdexcept>

namespace {
const std::string kNbsp = "&nbsp;";
}  // namespace

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

namespace {
// A line never starts with an ellipsis, nor with a number cut from the end of its paragraph
// ("... to the nearest" / "100."): the space before either does not break.
std::string keepLineEndsTogether(std::string html) {
    for (const std::string dots : {" ...", " &hellip;"})
        for (auto at = html.find(dots); at != std::string::npos; at = html.find(dots, at + 1))
            html.replace(at, 1, kNbsp);
    for (auto end = html.find("</p>"); end != std::string::npos; end = html.find("</p>", end + 4)) {
        // The visible text of the paragraph's last word, skipping tags such as </b>.
        std::string word;
        std::size_t k = end;
        while (k > 0) {
            if (html[k - 1] == '>') {
                const auto open = html.rfind('<', k - 1);
                if (open == std::string::npos) break;
                k = open;
                continue;
            }
            if (html[k - 1] == ' ' || html[k - 1] == ';') break;
            word.insert(word.begin(), html[--k]);
        }
        const bool number = !word.empty() && isDigit(word.front()) &&
                            std::all_of(word.begin(), word.end(), [](char c) {
                                return isDigit(c) || c == '.' || c == ',' || c == '?' || c == '!';
                            });
        // Only after a word ("to the nearest 100."): a sum or a ratio keeps its own spacing.
        const bool afterWord = k >= 2 && std::isalpha(static_cast<unsigned char>(html[k - 2]));
        if (number && afterWord && html[k - 1] == ' ') {
            html.replace(k - 1, 1, kNbsp);
            end += kNbsp.size() - 1;
        }
    }
    return html;
}
}  // namespace

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
    return keepLineEndsTogether(mended);
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

const std::vector<std::string>& timeStyles() {
    // One way of writing times throughout the course (a family still draws its style, so the
    // questions drawn after it stay as they were).
    static const std::vector<std::string> styles = {"dot"};
    return styles;
}

std::string clock12(int minutes, const std::string& style) {
    const int t = ((minutes % 1440) + 1440) % 1440;
    const int h24 = t / 60;
    const int m = t % 60;
    const int h = h24 % 12 == 0 ? 12 : h24 % 12;
    const std::string hour = std::to_string(h);
    const std::string mm = (m < 10 ? "0" : "") + std::to_string(m);
    const bool pm = h24 >= 12;
    if (style == "colon") return hour + ":" + mm + (pm ? "pm" : "am");
    if (style == "caps") return hour + "." + mm + (pm ? " PM" : " AM");
    return hour + "." + mm + (pm ? " pm" : " am");
}

std::string timeNote(const std::string& style, int answer) {
    const int example = answer % 1440 == 9 * 60 + 5 ? 10 * 60 + 5 : 9 * 60 + 5;
    const std::string form = style == "colon" ? "3:15pm" : style == "caps" ? "3.15 PM" : "3.15 pm";
    return "Write the time in the form " + form + ", for example " + clock12(example, style) + ".";
}

std::string hhmm(int minutes) {
    return std::to_string(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") +
           std::to_string(minutes % 60);
}

int dayTime(Rng& r) {
    int t = 0;
    do t = r.range(6 * 12, 21 * 12) * 5 + r.range(0, 4);
    while (!clearOfNoonAndMidnight(t));
    return t;
}

bool clearOfNoonAndMidnight(int minutes) {
    return minutes % 720 != 0;
}

std::string plural(long long n, const std::string& one, const std::string& many) {
    return qty(Frac(n), n == 1 ? one : many);
}

std::string duration(int minutes) {
    const int h = minutes / 60;
    const int m = minutes % 60;
    std::string s;
    if (h) s = plural(h, "hour", "hours");
    if (m) s += (s.empty() ? "" : " ") + plural(m, "minute", "minutes");
    return s;
}

namespace {

std::string wordsBelow100(int n) {
    static const char* ones[] = {"",        "one",     "two",       "three",    "four",
                                 "five",    "six",     "seven",     "eight",    "nine",
                                 "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                 "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    static const char* tens[] = {"",      "",      "twenty",  "thirty", "forty",
                                 "fifty", "sixty", "seventy", "eighty", "ninety"};
    if (n < 20) return ones[n];
    return std::string(tens[n / 10]) + (n % 10 ? std::string("-") + ones[n % 10] : "");
}

std::string wordsBelow1000(int n) {
    std::string s;
    if (n >= 100) {
        s = wordsBelow100(n / 100) + " hundred";
        if (n % 100) s += " and ";
    }
    if (n % 100) s += wordsBelow100(n % 100);
    return s;
}

}  // namespace

std::string numberWords(int n) {
    const int th = n / 1000;
    const int rest = n % 1000;
    std::string s;
    if (th) s = wordsBelow1000(th) + " thousand";
    if (rest) {
        // "and" joins a last group below a hundred: "forty thousand and six"
        if (th) s += rest < 100 ? " and " : " ";
        s += wordsBelow1000(rest);
    }
    return s;
}

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string capitalised(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string term(int coefficient, const std::string& letter) {
    return coefficient == 1 ? letter : std::to_string(coefficient) + letter;
}

std::string simplestRatio(const std::vector<int>& terms) {
    int g = 0;
    for (int x : terms) g = std::gcd(g, x);
    std::string s;
    for (int x : terms) s += (s.empty() ? "" : ":") + std::to_string(x / g);
    return s;
}

std::string shownRatio(const std::string& a, const std::string& b) {
    return a + " : " + b;
}
