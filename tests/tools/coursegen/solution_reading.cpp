#include "solution_reading.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace solution {
namespace {

using Int = __int128;

std::optional<Exact> make(Int n, Int d) {
    if (d == 0) return std::nullopt;
    if (d < 0) n = -n, d = -d;
    Int a = n < 0 ? -n : n, b = d;
    while (b != 0) {
        const Int t = a % b;
        a = b;
        b = t;
    }
    if (a > 1) n /= a, d /= a;
    constexpr Int limit = static_cast<Int>(INT64_MAX);
    if (n > limit || n < -limit || d > limit) return std::nullopt;
    return Exact{static_cast<std::int64_t>(n), static_cast<std::int64_t>(d)};
}

std::optional<Exact> apply(const Exact& a, char32_t op, const Exact& b) {
    const Int an = a.n, ad = a.d, bn = b.n, bd = b.d;
    switch (op) {
        case U'+': return make(an * bd + bn * ad, ad * bd);
        case U'−': return make(an * bd - bn * ad, ad * bd);
        case U'×': return make(an * bn, ad * bd);
        case U'÷': return bn == 0 ? std::nullopt : make(an * bd, ad * bn);
        case U'^': {
            if (b.d != 1 || b.n < 0 || b.n > 12) return std::nullopt;
            std::optional<Exact> r = Exact{1, 1};
            for (int i = 0; i < b.n && r; ++i) r = make(Int(r->n) * an, Int(r->d) * ad);
            return r;
        }
        default: return std::nullopt;
    }
}

std::u32string decode(const std::string& s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp = c;
        int len = 1;
        if (c >= 0xF0) cp = c & 0x07, len = 4;
        else if (c >= 0xE0) cp = c & 0x0F, len = 3;
        else if (c >= 0xC0) cp = c & 0x1F, len = 2;
        for (int k = 1; k < len && i + k < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += cp;
        i += len;
    }
    return out;
}

std::string encode(const std::u32string& s) {
    std::string out;
    for (char32_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

const std::map<std::string, std::string>& entities() {
    static const std::map<std::string, std::string> e = {
        {"nbsp", "\u00a0"},  {"times", "×"},  {"divide", "÷"}, {"minus", "−"},  {"deg", "°"},
        {"sup2", "²"},       {"sup3", "³"},   {"frac12", "½"}, {"frac14", "¼"}, {"frac34", "¾"},
        {"amp", "&"},        {"lt", "<"},     {"gt", ">"},     {"quot", "\""},  {"pi", "π"},
        {"hellip", "…"},     {"ndash", "–"},  {"mdash", "—"},  {"rarr", "→"},   {"asymp", "≈"},
        {"le", "≤"},         {"ge", "≥"},     {"middot", "·"}, {"pound", "£"},  {"rsquo", "’"},
        {"lsquo", "‘"},      {"ldquo", "“"},  {"rdquo", "”"},  {"cent", "¢"}};
    return e;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
bool isLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}
bool isSpace(char32_t c) {
    return c == U' ' || c == U'\u00a0' || c == U'\t' || c == U'\n' || c == U'\r';
}

enum class Kind { Num, Op, Eq, LP, RP, Text, Break };

struct Tok {
    Tok(Kind k = Kind::Break, Exact v = {}, char32_t o = 0) : kind(k), value(v), op(o) {}
    Kind kind;
    Exact value;
    char32_t op;
    std::u32string unit;  // words written after a number: "cm", "cm²", "$" for money
    bool money = false;
    bool hasUnit = false;
};

// A separator at `i` followed by exactly three digits; a plain space counts only when `anySpace`.
bool groupFollows(const std::u32string& s, std::size_t i, bool anySpace) {
    if (i + 3 >= s.size()) return false;
    const bool separator = s[i] == U'\u00a0' || (anySpace && s[i] == U' ');
    return separator && isDigit(s[i + 1]) && isDigit(s[i + 2]) && isDigit(s[i + 3]) &&
           (i + 4 >= s.size() || !isDigit(s[i + 4]));
}

std::int64_t digitsValue(const std::u32string& d) {
    std::int64_t v = 0;
    for (char32_t c : d) v = v * 10 + static_cast<int>(c - U'0');
    return v;
}

// Reads a number at `i`: grouped digits, decimals, a fraction, a mixed number.
std::optional<Exact> readNumber(const std::u32string& s, std::size_t& i) {
    std::u32string whole;
    while (i < s.size() && isDigit(s[i])) whole += s[i++];
    // Thousands grouped with a non-breaking space: "24 118".
    while (groupFollows(s, i, false)) whole += s.substr(i + 1, 3), i += 4;
    if (whole.size() > 15) return std::nullopt;
    if (i + 1 < s.size() && s[i] == U'.' && isDigit(s[i + 1])) {
        ++i;
        std::u32string frac;
        while (i < s.size() && isDigit(s[i])) frac += s[i++];
        if (frac.size() > 12) return std::nullopt;
        std::int64_t den = 1;
        for (std::size_t k = 0; k < frac.size(); ++k) den *= 10;
        return make(Int(digitsValue(whole)) * den + digitsValue(frac), den);
    }
    if (i + 1 < s.size() && s[i] == U'/' && isDigit(s[i + 1])) {
        ++i;
        std::u32string den;
        while (i < s.size() && isDigit(s[i])) den += s[i++];
        return make(digitsValue(whole), digitsValue(den));
    }
    // A mixed number: "2 1/3".
    std::size_t j = i;
    if (j < s.size() && isSpace(s[j])) {
        ++j;
        std::u32string num, den;
        while (j < s.size() && isDigit(s[j])) num += s[j++];
        if (!num.empty() && j + 1 < s.size() && s[j] == U'/' && isDigit(s[j + 1])) {
            ++j;
            while (j < s.size() && isDigit(s[j])) den += s[j++];
            const std::int64_t n = digitsValue(num), d = digitsValue(den);
            if (d > 0 && n < d && (j >= s.size() || !isDigit(s[j]))) {
                i = j;
                return make(Int(digitsValue(whole)) * d + n, d);
            }
        }
    }
    return make(digitsValue(whole), 1);
}

std::vector<Tok> tokens(const std::u32string& s) {
    std::vector<Tok> out;
    auto pushBreak = [&] { out.push_back(Tok{}); };
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = s[i];
        if (isSpace(c)) {
            ++i;
            continue;
        }
        const bool money = c == U'$' && i + 1 < s.size() && isDigit(s[i + 1]);
        if (isDigit(c) || money) {
            if (money) ++i;
            auto v = readNumber(s, i);
            if (!v) {
                pushBreak();
                continue;
            }
            Tok t(Kind::Num, *v);
            t.money = money;
            if (money) t.unit = U"$", t.hasUnit = true;
            if (i < s.size() && isLetter(s[i])) {  // "2x", "3rd": not a number a sum works with
                while (i < s.size() && isLetter(s[i])) ++i;
                out.push_back(Tok(Kind::Text));
                continue;
            }
            out.push_back(t);
            if (i < s.size() && (s[i] == U'²' || s[i] == U'³')) {
                out.push_back(Tok(Kind::Op, {}, U'^'));
                out.push_back(Tok(Kind::Num, {s[i] == U'²' ? 2 : 3, 1}));
                ++i;
            } else if (i < s.size() && s[i] == U'%') {
                out.back().unit = U"%", out.back().hasUnit = true;
                ++i;
            }
            continue;
        }
        if (c == U'^' && i + 1 < s.size() && isDigit(s[i + 1]) && !out.empty() &&
            out.back().kind == Kind::Num) {
            ++i;
            out.push_back(Tok(Kind::Op, {}, U'^'));
            auto v = readNumber(s, i);
            out.push_back(Tok(Kind::Num, v.value_or(Exact{})));
            continue;
        }
        if (c == U'+' || c == U'×' || c == U'÷' || c == U'−' || c == U'*') {
            out.push_back(Tok(Kind::Op, {}, c == U'*' ? U'×' : c));
            ++i;
            continue;
        }
        if (c == U'-') {  // a hyphen is a minus only between spaces
            const bool spaced = i > 0 && isSpace(s[i - 1]) && i + 1 < s.size() && isSpace(s[i + 1]);
            out.push_back(spaced ? Tok(Kind::Op, {}, U'−') : Tok(Kind::Text));
            ++i;
            continue;
        }
        if (c == U'=') {
            out.push_back(Tok(Kind::Eq));
            ++i;
            continue;
        }
        if (c == U'(' || c == U')') {
            out.push_back(Tok(c == U'(' ? Kind::LP : Kind::RP));
            ++i;
            continue;
        }
        if (isLetter(c) || c == U'°' || c == U'¢' || c == U'£') {
            std::u32string word;
            while (i < s.size() && (isLetter(s[i]) || s[i] == U'°' || s[i] == U'²' || s[i] == U'³' ||
                                    s[i] == U'/' || s[i] == U'\'' || s[i] == U'’' || s[i] == U'¢')) {
                // "km/h" keeps its slash; "3 ÷ 4/5" does not start a word.
                if (s[i] == U'/' && (i + 1 >= s.size() || !isLetter(s[i + 1]))) break;
                word += s[i++];
            }
            if (i < s.size() && s[i] == U'^') {  // "cm^2"
                word += s[i++];
                while (i < s.size() && isDigit(s[i])) word += s[i++];
            }
            if (word.empty()) word += s[i++];
            std::u32string lower = word;
            for (char32_t& ch : lower)
                if (ch >= U'A' && ch <= U'Z') ch = ch - U'A' + U'a';
            // A clock time is not a number to add: "10.45 am".
            if ((lower == U"am" || lower == U"pm") && !out.empty() && out.back().kind == Kind::Num) {
                out.back() = Tok(Kind::Text);
                continue;
            }
            Tok t(Kind::Text);
            t.unit = word;
            out.push_back(t);
            continue;
        }
        pushBreak();
        ++i;
    }
    return out;
}

// Words right after a number are its units ("12 cm", "5 boxes"); other words are text.
std::vector<Tok> withUnits(const std::vector<Tok>& in) {
    std::vector<Tok> out;
    for (const Tok& t : in) {
        if (t.kind == Kind::Text && !out.empty() && out.back().kind == Kind::Num && !t.unit.empty()) {
            Tok& n = out.back();
            if (!n.unit.empty() && n.unit != U"%") n.unit += U' ';
            if (n.unit == U"%") n.unit.clear();
            n.unit += t.unit;
            n.hasUnit = true;
            continue;
        }
        out.push_back(t);
    }
    return out;
}

bool isExprItem(const Tok& t) {
    return t.kind == Kind::Num || t.kind == Kind::Op || t.kind == Kind::LP || t.kind == Kind::RP;
}

// An expression: + − over × ÷ over powers, brackets, a leading minus.
class Parser {
  public:
    explicit Parser(const std::vector<Tok>& t) : t_(t) {}
    std::optional<Exact> parse() {
        auto v = sum();
        if (pos_ != t_.size()) return std::nullopt;
        return v;
    }

  private:
    std::optional<Exact> sum() {
        bool negate = false;
        if (pos_ < t_.size() && t_[pos_].kind == Kind::Op && t_[pos_].op == U'−') negate = true, ++pos_;
        auto v = product();
        if (v && negate) v = apply(Exact{0, 1}, U'−', *v);
        while (v && pos_ < t_.size() && t_[pos_].kind == Kind::Op &&
               (t_[pos_].op == U'+' || t_[pos_].op == U'−')) {
            const char32_t op = t_[pos_++].op;
            auto r = product();
            v = r ? apply(*v, op, *r) : std::nullopt;
        }
        return v;
    }
    std::optional<Exact> product() {
        auto v = power();
        while (v && pos_ < t_.size() && t_[pos_].kind == Kind::Op &&
               (t_[pos_].op == U'×' || t_[pos_].op == U'÷')) {
            const char32_t op = t_[pos_++].op;
            auto r = power();
            v = r ? apply(*v, op, *r) : std::nullopt;
        }
        return v;
    }
    std::optional<Exact> power() {
        auto v = primary();
        if (v && pos_ < t_.size() && t_[pos_].kind == Kind::Op && t_[pos_].op == U'^') {
            ++pos_;
            auto e = primary();
            v = e ? apply(*v, U'^', *e) : std::nullopt;
        }
        return v;
    }
    std::optional<Exact> primary() {
        if (pos_ >= t_.size()) return std::nullopt;
        if (t_[pos_].kind == Kind::Num) return t_[pos_++].value;
        if (t_[pos_].kind == Kind::LP) {
            ++pos_;
            auto v = sum();
            if (pos_ >= t_.size() || t_[pos_].kind != Kind::RP) return std::nullopt;
            ++pos_;
            return v;
        }
        return std::nullopt;
    }
    const std::vector<Tok>& t_;
    std::size_t pos_ = 0;
};

bool hasOperator(const std::vector<Tok>& side) {
    return std::any_of(side.begin(), side.end(), [](const Tok& t) { return t.kind == Kind::Op; });
}

// The units of a side, as its last number writes them, without powers: "cm²" is "cm".
std::u32string baseUnit(const std::vector<Tok>& side) {
    for (auto it = side.rbegin(); it != side.rend(); ++it)
        if (it->kind == Kind::Num && it->hasUnit) {
            std::u32string u;
            for (char32_t c : it->unit)
                if (c != U'²' && c != U'³' && c != U'^' && !isDigit(c)) u += c;
            return u == U"%" ? std::u32string() : u;
        }
    return {};
}

// Two numbers side by side with no sign between ("1 h 30 min") make a side no sum can read.
bool adjacentNumbers(const std::vector<Tok>& side) {
    for (std::size_t k = 1; k < side.size(); ++k) {
        const bool leftEnds = side[k - 1].kind == Kind::Num || side[k - 1].kind == Kind::RP;
        const bool rightStarts = side[k].kind == Kind::Num || side[k].kind == Kind::LP;
        if (leftEnds && rightStarts) return true;
    }
    return false;
}

void chainsOfClause(const std::vector<Tok>& clause, const std::u32string& source,
                    std::vector<Equation>& out) {
    std::vector<std::vector<Tok>> segments(1);
    for (const Tok& t : clause) {
        if (t.kind == Kind::Eq)
            segments.emplace_back();
        else
            segments.back().push_back(t);
    }
    if (segments.size() < 2) return;
    // The first side: the end of the first segment that reads as a sum.
    std::vector<std::vector<Tok>> sides;
    {
        const auto& seg = segments.front();
        std::size_t start = seg.size();
        while (start > 0 && isExprItem(seg[start - 1])) --start;
        sides.emplace_back(seg.begin() + static_cast<long>(start), seg.end());
        if (start > 0 && seg[start - 1].kind == Kind::Num) return;
    }
    for (std::size_t k = 1; k < segments.size(); ++k) {
        const auto& seg = segments[k];
        std::size_t end = 0;
        while (end < seg.size() && isExprItem(seg[end])) ++end;
        sides.emplace_back(seg.begin(), seg.begin() + static_cast<long>(end));
        if (end < seg.size() || k + 1 == segments.size()) {
            if (end < seg.size() && seg[end].kind == Kind::Num) sides.pop_back();
            break;
        }
    }
    Equation e;
    e.written = encode(source);
    bool any = false;
    for (const auto& side : sides) {
        if (side.empty() || adjacentNumbers(side)) {
            e.sides.push_back(std::nullopt);
            continue;
        }
        e.sides.push_back(Parser(side).parse());
    }
    for (std::size_t k = 0; k + 1 < sides.size(); ++k) {
        if (!hasOperator(sides[k]) && !hasOperator(sides[k + 1])) continue;
        const auto a = baseUnit(sides[k]), b = baseUnit(sides[k + 1]);
        if (!a.empty() && !b.empty() && a != b) continue;  // "2 kg = 2 × 1000 g": a conversion
        if (!e.sides[k] || !e.sides[k + 1]) continue;
        e.checked.push_back(static_cast<int>(k));
        any = true;
    }
    if (any) out.push_back(e);
}

}  // namespace

bool operator==(const Exact& a, const Exact& b) {
    return a.n == b.n && a.d == b.d;
}

std::string text(const Exact& v) {
    return v.d == 1 ? std::to_string(v.n) : std::to_string(v.n) + "/" + std::to_string(v.d);
}

bool Equation::holds() const {
    for (int k : checked)
        if (!(*sides[static_cast<std::size_t>(k)] == *sides[static_cast<std::size_t>(k) + 1]))
            return false;
    return true;
}

std::string plainText(const std::string& html) {
    std::string out;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const auto close = html.find('>', i);
            if (close == std::string::npos) break;
            const std::string tag = html.substr(i, close - i + 1);
            if (tag.rfind("<sup", 0) == 0) out += "^";
            else if (tag.rfind("</sup", 0) != 0) out += " ";
            i = close + 1;
            continue;
        }
        if (html[i] == '&') {
            const auto semi = html.find(';', i);
            if (semi != std::string::npos && semi - i < 10) {
                const std::string name = html.substr(i + 1, semi - i - 1);
                if (!name.empty() && name[0] == '#') {
                    const long cp = std::stol(name.substr(1));
                    out += encode(std::u32string(1, static_cast<char32_t>(cp)));
                } else {
                    const auto it = entities().find(name);
                    out += it == entities().end() ? " " : it->second;
                }
                i = semi + 1;
                continue;
            }
        }
        out += html[i++];
    }
    return out;
}

std::vector<std::string> blocks(const std::string& html) {
    std::vector<std::string> out;
    std::string current;
    auto flush = [&] {
        const std::string plain = plainText(current);
        if (plain.find_first_not_of(" \n\t") != std::string::npos) out.push_back(plain);
        current.clear();
    };
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const auto close = html.find('>', i);
            std::string name;
            for (std::size_t k = i + 1; k < html.size() && (std::isalpha(static_cast<unsigned char>(html[k])) || html[k] == '/'); ++k)
                name += static_cast<char>(std::tolower(static_cast<unsigned char>(html[k])));
            if (!name.empty() && name[0] == '/') name.erase(0, 1);
            if (name == "p" || name == "br" || name == "tr" || name == "li" || name == "div" ||
                name == "table" || name == "ol" || name == "ul") {
                flush();
                i = close == std::string::npos ? html.size() : close + 1;
                continue;
            }
        }
        current += html[i++];
    }
    flush();
    return out;
}

std::vector<Equation> equations(const std::string& block) {
    const std::u32string s = decode(block);
    const std::vector<Tok> all = withUnits(tokens(s));
    std::vector<Equation> out;
    std::vector<Tok> clause;
    for (std::size_t k = 0; k <= all.size(); ++k) {
        if (k == all.size() || all[k].kind == Kind::Break) {
            chainsOfClause(clause, s, out);
            clause.clear();
        } else {
            clause.push_back(all[k]);
        }
    }
    return out;
}

std::vector<std::string> numbersIn(const std::string& plain) {
    const std::u32string s = decode(plain);
    std::vector<std::string> out;
    std::vector<std::pair<Exact, std::size_t>> found;  // value and where it ends
    for (std::size_t i = 0; i < s.size();) {
        if (!isDigit(s[i])) {
            ++i;
            continue;
        }
        std::u32string digits;
        while (i < s.size() && isDigit(s[i])) digits += s[i++];
        // Thousands grouped with a space: "10 769" on a picture.
        const bool groupable = digits.size() <= 3;
        while (groupable && groupFollows(s, i, true)) digits += s.substr(i + 1, 3), i += 4;
        Exact v{digitsValue(digits.substr(0, 15)), 1};
        if (i + 1 < s.size() && s[i] == U'.' && isDigit(s[i + 1])) {
            ++i;
            std::u32string frac;
            while (i < s.size() && isDigit(s[i])) frac += s[i++];
            std::int64_t den = 1;
            for (std::size_t k = 0; k < frac.size() && k < 12; ++k) den *= 10;
            v = make(Int(v.n) * den + digitsValue(frac.substr(0, 12)), den).value_or(v);
        }
        found.push_back({v, i});
        out.push_back(text(v));
    }
    // "0 to 300 in steps of 50", "1 to 12".
    for (std::size_t k = 0; k + 1 < found.size(); ++k) {
        const std::u32string between =
            s.substr(found[k].second, found[k + 1].second - found[k].second);
        const std::string b = encode(between);
        if (b.find(" to ") == std::string::npos || b.find(" to ") > 1) continue;
        const Exact lo = found[k].first, hi = found[k + 1].first;
        if (lo.d != 1 || hi.d != 1 || hi.n <= lo.n || hi.n - lo.n > 10000) continue;
        std::int64_t step = 1;
        if (k + 2 < found.size()) {
            const std::string after =
                encode(s.substr(found[k + 1].second, found[k + 2].second - found[k + 1].second));
            if (after.find("in steps of") != std::string::npos && after.size() < 20 &&
                found[k + 2].first.d == 1 && found[k + 2].first.n > 0)
                step = found[k + 2].first.n;
        }
        for (std::int64_t x = lo.n; x <= hi.n; x += step) out.push_back(std::to_string(x));
    }
    return out;
}

int wordCount(const std::string& plain) {
    int n = 0;
    bool inWord = false;
    for (const char32_t c : decode(plain)) {
        const bool space = isSpace(c);
        if (!space && !inWord) ++n;
        inWord = !space;
    }
    return n;
}

}  // namespace solution
