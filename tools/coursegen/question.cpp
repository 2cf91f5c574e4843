#include "question.h"

#include <algorithm>
#include <stdexcept>

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
    ops.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " +
                  std::string(1, align) + " \"" + s + "\"");
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
    q_.html += "<p class=\"answer\">Answer: ________" +
               (units.empty() ? std::string() : " " + units) + "</p>\n";
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
                   label + ": ________" +
                   (items[i].second.empty() ? std::string() : " " + items[i].second) +
                   "</span></p>\n";
    }
    q_.html += "</div>\n";
    return *this;
}

namespace {
std::string optionText(const Frac& v, const std::string& units) {
    if (units == "%" || units == "&deg;")
        return num(v) + units;  // written close up, as in 45% and 60°
    return num(v) + (units.empty() ? std::string() : " " + units);
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
    q_.html += "<ol class=\"options\">\n";
    int right = 0;
    for (std::size_t i = 0; i < opts.size(); ++i) {
        q_.html += "<li>" + optionText(opts[i], units) + "</li>\n";
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

std::string num(const Frac& v) {
    return v.dec();
}

std::string money(const Frac& v) {
    return "$" + v.fixed(2);
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
