// The shared part of the independent key checks (see key_check.h).

#include "key_check.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <sstream>

namespace keycheck {

namespace {

std::string lowerTrim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string fracText(Rat v) {
    return std::to_string(v.n) + "/" + std::to_string(v.d);
}
std::string mixedText(Rat v) {
    return std::to_string(v.n / v.d) + " " + std::to_string(v.n % v.d) + "/" + std::to_string(v.d);
}

// Whether an option shows the wanted answer: a number by its value (units after it are fine),
// anything else by its whole text.
bool optionShows(const std::string& option, const Want& w) {
    if (!w.number) return option == w.text;
    std::string shown = plainNumbers(option);
    if (shown.rfind('$', 0) == 0) shown.erase(0, 1);  // money reads by its value
    const auto end = shown.find_first_not_of("0123456789./-");
    const std::string lead = shown.substr(0, end);
    return isNumber(lead) && parseRat(lead) == w.value;
}

}  // namespace

std::string plainNumbers(std::string text) {
    static const std::string nbsp = "&nbsp;";
    auto digit = [&](std::size_t i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    for (auto at = text.find(nbsp); at != std::string::npos; at = text.find(nbsp, at)) {
        const std::size_t after = at + nbsp.size();
        if (at > 0 && digit(at - 1) && digit(after) && digit(after + 1) && digit(after + 2) &&
            !digit(after + 3))
            text.erase(at, nbsp.size());
        else
            ++at;
    }
    return text;
}

long long gcdOf(long long a, long long b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b) {
        const long long t = a % b;
        a = b;
        b = t;
    }
    return a;
}

Rat parseRat(const std::string& sIn) {
    std::string s = sIn;
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    static const std::regex dec(R"(^(-?)(\d+)(?:\.(\d+))?$)");
    static const std::regex frac(R"(^(-?\d+)/(\d+)$)");
    static const std::regex mixed(R"(^(\d+) (\d+)/(\d+)$)");
    std::smatch m;
    if (std::regex_match(s, m, dec)) {
        long long scale = 1;
        const std::string f = m[3];
        for (std::size_t i = 0; i < f.size(); ++i) scale *= 10;
        const long long v = std::stoll(m[2]) * scale + (f.empty() ? 0 : std::stoll(f));
        return Rat(m[1] == "-" ? -v : v, scale);
    }
    if (std::regex_match(s, m, frac)) return Rat(std::stoll(m[1]), std::stoll(m[2]));
    if (std::regex_match(s, m, mixed))
        return Rat(std::stoll(m[1])) + Rat(std::stoll(m[2]), std::stoll(m[3]));
    throw std::runtime_error("not a number: '" + sIn + "'");
}

bool isNumber(const std::string& s) {
    try {
        parseRat(s);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

Expr::Expr(std::string text) {
    auto swap = [&](const std::string& from, const std::string& to) {
        for (auto at = text.find(from); at != std::string::npos;
             at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    };
    swap("&minus;", "-");
    swap("&times;", "*");
    swap("&divide;", ":");
    s_ = plainNumbers(text);
}

Rat Expr::value() {
    const Rat v = sum();
    skip();
    if (i_ != s_.size()) throw std::runtime_error("unread expression text: " + s_.substr(i_));
    return v;
}

void Expr::skip() {
    while (i_ < s_.size() && s_[i_] == ' ') ++i_;
}

Rat Expr::sum() {
    Rat v = product();
    for (;;) {
        skip();
        if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) {
            const char op = s_[i_++];
            const Rat w = product();
            v = op == '+' ? v + w : v - w;
        } else
            return v;
    }
}

Rat Expr::product() {
    Rat v = atom();
    for (;;) {
        skip();
        if (i_ < s_.size() && (s_[i_] == '*' || s_[i_] == ':')) {
            const char op = s_[i_++];
            const Rat w = atom();
            v = op == '*' ? v * w : v / w;
        } else
            return v;
    }
}

long long Expr::digits(std::string& raw) {
    const std::size_t start = i_;
    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    raw = s_.substr(start, i_ - start);
    if (raw.empty()) throw std::runtime_error("number expected in " + s_);
    return std::stoll(raw);
}

Rat Expr::atom() {
    skip();
    if (i_ < s_.size() && s_[i_] == '(') {
        ++i_;
        const Rat v = sum();
        skip();
        if (i_ >= s_.size() || s_[i_] != ')') throw std::runtime_error("missing ) in " + s_);
        ++i_;
        return v;
    }
    std::string raw;
    long long whole = digits(raw);
    if (i_ < s_.size() && s_[i_] == '.') {
        ++i_;
        std::string f;
        const long long frac = digits(f);
        long long scale = 1;
        for (std::size_t k = 0; k < f.size(); ++k) scale *= 10;
        return Rat(whole * scale + frac, scale);
    }
    if (i_ < s_.size() && s_[i_] == '/') {
        ++i_;
        std::string d;
        return Rat(whole, digits(d));
    }
    // a mixed number: whole, one space, a fraction
    if (i_ + 1 < s_.size() && s_[i_] == ' ' &&
        std::isdigit(static_cast<unsigned char>(s_[i_ + 1]))) {
        const std::size_t back = i_;
        ++i_;
        std::string a;
        const long long num = digits(a);
        if (i_ < s_.size() && s_[i_] == '/') {
            ++i_;
            std::string d;
            return Rat(whole) + Rat(num, digits(d));
        }
        i_ = back;
    }
    return Rat(whole);
}

// The expression in bold after "Work out".
Rat workedOut(const course::Question& q) {
    static const std::regex bold(R"(Work out <b>([^<]+)</b>)");
    std::smatch m;
    if (!std::regex_search(q.html, m, bold)) throw std::runtime_error("no expression to work out");
    return Expr(m[1]).value();
}

Want N(Rat v) {
    return Want{true, v, ""};
}
Want T(std::string s) {
    return Want{false, Rat(), std::move(s)};
}

std::string P::s(const std::string& k) const {
    const auto it = q.params.find(k);
    if (it == q.params.end()) throw std::runtime_error("missing parameter " + k);
    return it->second;
}
Rat P::r(const std::string& k) const {
    return parseRat(s(k));
}
long long P::i(const std::string& k) const {
    const Rat v = r(k);
    if (!v.whole()) throw std::runtime_error("parameter " + k + " is not whole");
    return v.n;
}
std::vector<Rat> P::list(const std::string& k) const {
    std::vector<Rat> out;
    std::stringstream in(s(k));
    std::string v;
    while (std::getline(in, v, ',')) out.push_back(parseRat(v));
    return out;
}

Rat sumOf(const std::vector<Rat>& v) {
    Rat t;
    for (const Rat& x : v) t = t + x;
    return t;
}

std::string ratioText(std::vector<long long> v) {
    long long g = 0;
    for (long long x : v) g = gcdOf(g, x);
    std::string s;
    for (long long x : v) s += (s.empty() ? "" : ":") + std::to_string(x / g);
    return s;
}

// "15:58" as minutes after midnight.
int minutesOf(const std::string& hhmm) {
    const auto colon = hhmm.find(':');
    return std::stoi(hhmm.substr(0, colon)) * 60 + std::stoi(hhmm.substr(colon + 1));
}

std::string timeText(int minutes, const std::string& style) {
    const int h24 = minutes / 60 % 24;
    const int m = minutes % 60;
    const bool afternoon = h24 >= 12;
    int h = h24 > 12 ? h24 - 12 : h24;
    if (h == 0) h = 12;
    char mm[3] = {static_cast<char>('0' + m / 10), static_cast<char>('0' + m % 10), 0};
    if (style == "colon") return std::to_string(h) + ":" + mm + (afternoon ? "pm" : "am");
    if (style == "caps") return std::to_string(h) + "." + mm + (afternoon ? " PM" : " AM");
    if (style == "dot") return std::to_string(h) + "." + mm + (afternoon ? " pm" : " am");
    throw std::runtime_error("unknown time style " + style);
}

// Reads number words such as "forty-five thousand and six".
long long fromWords(std::string text) {
    static const std::map<std::string, int> small = {
        {"one", 1},      {"two", 2},        {"three", 3},     {"four", 4},      {"five", 5},
        {"six", 6},      {"seven", 7},      {"eight", 8},     {"nine", 9},      {"ten", 10},
        {"eleven", 11},  {"twelve", 12},    {"thirteen", 13}, {"fourteen", 14}, {"fifteen", 15},
        {"sixteen", 16}, {"seventeen", 17}, {"eighteen", 18}, {"nineteen", 19}, {"twenty", 20},
        {"thirty", 30},  {"forty", 40},     {"fifty", 50},    {"sixty", 60},    {"seventy", 70},
        {"eighty", 80},  {"ninety", 90}};
    std::replace(text.begin(), text.end(), '-', ' ');
    std::istringstream in(text);
    std::string w;
    long long total = 0;
    long long group = 0;
    while (in >> w) {
        if (w == "and") continue;
        if (w == "hundred")
            group *= 100;
        else if (w == "thousand") {
            total += group * 1000;
            group = 0;
        } else
            group += small.at(w);
    }
    return total + group;
}

std::string bigger(const std::string& x, Rat a, const std::string& y, Rat b) {
    if (a == b) throw std::runtime_error("a tie has no right answer");
    return b < a ? x : y;
}

std::vector<std::string> options(const std::string& html) {
    std::vector<std::string> out;
    const auto start = html.find("<ol class=\"options\">");
    if (start == std::string::npos) return out;
    const auto end = html.find("</ol>", start);
    static const std::regex li(R"(<li>([^<]*)</li>)");
    const std::string list = html.substr(start, end - start);
    for (std::sregex_iterator it(list.begin(), list.end(), li), e; it != e; ++it)
        out.push_back((*it)[1]);
    return out;
}

// Squares on a grid picture: all of them, and those filled with the shading colour.
std::pair<int, int> countSquares(const course::Question& q) {
    int cells = 0;
    int dark = 0;
    for (const auto& f : q.figures)
        for (const auto& op : f.ops)
            if (op.rfind("rect ", 0) == 0) {
                ++cells;
                dark += op.find("fill=#3b82f6") != std::string::npos;
            }
    return {cells, dark};
}

// Returns an empty text when the key is right, otherwise what is wrong.
std::string judge(const course::Question& q, std::size_t i, const Want& w) {
    const course::Part& part = q.parts[i];
    switch (part.kind) {
        case 'N':
            if (!w.number) return "expected a word, key is numeric";
            return parseRat(part.key) == w.value ? "" : "key " + part.key;
        case 'F':
            return part.key == fracText(w.value)
                       ? ""
                       : "key " + part.key + ", expected " + fracText(w.value);
        case 'X':
            return part.key == mixedText(w.value)
                       ? ""
                       : "key " + part.key + ", expected " + mixedText(w.value);
        case 'R':
            return part.key == w.text ? "" : "key " + part.key + ", expected " + w.text;
        case 'T':
            return lowerTrim(part.key) == lowerTrim(w.text) && !w.text.empty()
                       ? ""
                       : "key " + part.key + ", expected " + w.text;
        case 'Q': {
            const auto opts = options(q.html);
            int shows = 0;
            int at = 0;
            for (std::size_t k = 0; k < opts.size(); ++k)
                if (optionShows(opts[k], w)) {
                    ++shows;
                    at = static_cast<int>(k) + 1;
                }
            if (shows != 1) return std::to_string(shows) + " options show the answer";
            return part.key == std::to_string(at)
                       ? ""
                       : "key " + part.key + ", the answer is option " + std::to_string(at);
        }
        default:
            return "unknown kind";
    }
}

KeyCheckers allKeyCheckers(std::vector<std::string>& duplicates) {
    KeyCheckers all;
    for (auto topic : {wholeNumberKeys, decimalKeys, fractionKeys, areaKeys, volumeKeys,
                       geometryKeys, percentageKeys, ratioKeys, rateKeys, algebraKeys})
        for (auto& [name, check] : topic())
            if (!all.emplace(name, std::move(check)).second) duplicates.push_back(name);
    return all;
}

}  // namespace keycheck
