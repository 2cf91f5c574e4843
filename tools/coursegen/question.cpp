#include "question.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {
const std::string kNbsp = "&nbsp;";

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
    if (!steps_.empty()) q_.solution = tidyHtml(steps_ + slips_) + finalLines();
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
    return answerUnits(units);
}

namespace {
std::string imageTag(const Figure& f, const std::string& description) {
    if (description.find('"') != std::string::npos)
        throw std::logic_error("quote in the description of " + f.name);
    return "<p><img src=\"" + f.name + "\" width=\"" + std::to_string(f.width) + "\" height=\"" +
           std::to_string(f.height) + "\" alt=\"" + description + "\"></p>\n";
}

int countNamed(const std::vector<Figure>& figures, const std::string& prefix) {
    return static_cast<int>(std::count_if(figures.begin(), figures.end(), [&](const Figure& f) {
        return f.name.compare(0, prefix.size(), prefix) == 0;
    }));
}
}  // namespace

Figure& QB::figure(int width, int height, const std::string& description) {
    Figure f;
    f.name = "fig" + std::to_string(countNamed(q_.figures, "fig") + 1) + ".gif";
    f.width = width;
    f.height = height;
    q_.html += imageTag(f, description);
    q_.figures.push_back(std::move(f));
    return q_.figures.back();
}

Figure& QB::solutionFigure(int width, int height, const std::string& description) {
    Figure f;
    f.name = "sol" + std::to_string(countNamed(q_.figures, "sol") + 1) + ".gif";
    f.width = width;
    f.height = height;
    steps_ += imageTag(f, description);
    q_.figures.push_back(std::move(f));
    return q_.figures.back();
}

QB& QB::part(char kind, const std::string& key) {
    Part p{kind, key, 1, "", ""};
    if (!pendingUnits_.empty()) {
        p.units = pendingUnits_.front();
        pendingUnits_.erase(pendingUnits_.begin());
    }
    q_.parts.push_back(std::move(p));
    return *this;
}

QB& QB::answerUnits(const std::string& units) {
    pendingUnits_.push_back(units);
    return *this;
}

QB& QB::step(const std::string& html) {
    steps_ += "<p>" + html + "</p>\n";
    return *this;
}

QB& QB::working(const std::string& html) {
    steps_ += html + "\n";
    return *this;
}

namespace {
// A long whole number in an answer line grouped as the course writes numbers, "45&nbsp;000":
// still what a learner types (a space between the groups), and the marking accepts it.
std::string answerValue(const Part& p) {
    // A sum of money shows its cents as money does ("15.40", not "15.4"); marking reads both
    // by value.
    const auto point = p.key.find('.');
    if (isMoneyUnit(p.units) && point != std::string::npos && p.key.size() - point == 2)
        return p.key + "0";
    if (p.kind != 'N') return p.key;
    std::string key = p.key;
    while (!key.empty() && key.back() == ' ') key.pop_back();
    const auto dot = key.find('.');
    std::string whole = key.substr(0, dot);
    if (whole.size() < 5 || whole.find_first_not_of("0123456789") != std::string::npos)
        return p.key;
    for (auto at = whole.size() - 3; at > 0 && at < whole.size(); at -= 3) whole.insert(at, kNbsp);
    return whole + (dot == std::string::npos ? std::string() : key.substr(dot));
}
}  // namespace

namespace {
// "boxes" for one is "box": a count of one takes the singular of a plural word unit.
std::string unitsFor(const Frac& v, const std::string& units) {
    const bool word = units.size() > 3 && std::all_of(units.begin(), units.end(),
                                                      [](char c) { return c >= 'a' && c <= 'z'; });
    if (!(v == Frac(1)) || !word || units.back() != 's') return units;
    auto endsWith = [&](const std::string& tail) {
        return units.size() > tail.size() &&
               units.compare(units.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith("ies")) return units.substr(0, units.size() - 3) + "y";
    if (endsWith("ves")) return units.substr(0, units.size() - 3) + "f";
    for (const char* sibilant : {"xes", "ses", "ches", "shes"})
        if (endsWith(sibilant)) return units.substr(0, units.size() - 2);
    return units.substr(0, units.size() - 1);
}

}  // namespace

std::string QB::finalLines() const {
    std::string s;
    const bool several = q_.parts.size() > 1;
    for (std::size_t i = 0; i < q_.parts.size(); ++i) {
        const Part& p = q_.parts[i];
        const std::string label =
            several ? std::string("Answer (") + static_cast<char>('a' + i) + "): " : "Answer: ";
        const std::string value = "<span class=\"value\">" + answerValue(p) + "</span>";
        s += "<p class=\"final\">" + label;
        if (!p.chosen.empty()) {
            s += value + " (" + p.chosen + ")";
        } else if (isMoneyUnit(p.units)) {
            s += "$" + value;
        } else {
            // Per cent and degrees close up to the number, as qty() writes them.
            // "1 square", never "1 squares".
            const std::string units = p.key == "1" ? unitsFor(Frac(1), p.units) : p.units;
            s += value + (units.empty() ? std::string()
                          : units == "%" || units == "&deg;" ? units
                                                             : kNbsp + units);
        }
        s += "</p>\n";
    }
    return s;
}

QB& QB::subparts(const std::vector<std::pair<std::string, std::string>>& items) {
    // Labelled by hand rather than by list numbering, so "(a)" reads the same in every viewer.
    q_.html += "<div class=\"parts\">\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string label = std::string("(") + static_cast<char>('a' + i) + ")";
        q_.html += "<p>" + label + " " + items[i].first + "<br><span class=\"answer\">Answer " +
                   label + ": " + answerBlank(items[i].second) + "</span></p>\n";
        answerUnits(items[i].second);
    }
    q_.html += "</div>\n";
    return *this;
}

namespace {
std::string optionText(const Frac& v, const std::string& units) {
    return units.empty() ? num(v) : qty(v, unitsFor(v, units));
}

const char* kChooseNote = "Write the number of the correct answer: 1, 2, 3 or 4.";
}  // namespace

QB& QB::number(Rng& r, char kind, const Frac& answer, const std::string& units,
               std::vector<Frac> wrong) {
    std::vector<Slip> slips;
    for (const Frac& w : wrong) slips.push_back({w, ""});
    return number(r, kind, answer, units, std::move(slips));
}

QB& QB::number(Rng& r, char kind, const Frac& answer, const std::string& units,
               std::vector<Slip> wrong) {
    if (kind == 'N') {
        this->answer(units);
        return part('N', answer.dec());
    }
    if (kind != 'Q') throw std::logic_error("number answer of kind " + std::string(1, kind));
    std::vector<Slip> picked;
    auto usable = [&](const Frac& w) {
        if (w == answer || w <= Frac(0)) return false;
        try {
            (void)w.dec();
        } catch (const std::logic_error&) {
            return false;
        }
        return std::none_of(picked.begin(), picked.end(),
                            [&](const Slip& p) { return p.value == w; });
    };
    r.shuffle(wrong);
    for (const Slip& w : wrong)
        if (picked.size() < 3 && usable(w.value)) picked.push_back(w);
    const Frac step = answer.isInt() ? Frac(answer.n >= 100 ? 10 : 1)
                                     : Frac(answer.d == 2 ? 1 : 1, answer.d == 2 ? 2 : 10);
    for (int k = 1; picked.size() < 3; ++k) {
        const Frac c = (k % 2) ? answer + step * Frac((k + 1) / 2) : answer - step * Frac(k / 2);
        if (usable(c)) picked.push_back({c, ""});
        if (k > 50) throw std::logic_error("no distractors");
    }
    std::vector<Frac> opts;
    for (const Slip& p : picked) opts.push_back(p.value);
    opts.push_back(answer);
    r.shuffle(opts);
    // Sums of money in one list all show cents once one of them has any.
    const bool cents = isMoneyUnit(units) && std::any_of(opts.begin(), opts.end(),
                                                         [](const Frac& v) { return !v.isInt(); });
    std::vector<std::string> texts, whys;
    std::size_t right = 0;
    for (std::size_t i = 0; i < opts.size(); ++i) {
        texts.push_back(cents ? moneyCents(opts[i]) : optionText(opts[i], units));
        std::string why;
        for (const Slip& p : picked)
            if (p.value == opts[i]) why = p.why;
        whys.push_back(why);
        if (opts[i] == answer) right = i;
    }
    addOptions(texts, whys, right);
    return *this;
}

QB& QB::choice(Rng& r, const std::string& right, std::vector<std::string> wrong) {
    return choiceOf(r, right, wrong, std::vector<std::string>(wrong.size()));
}

QB& QB::choice(Rng& r, const std::string& right, std::vector<TextSlip> wrong) {
    std::vector<std::string> texts, whys;
    for (const TextSlip& w : wrong) {
        texts.push_back(w.text);
        whys.push_back(w.why);
    }
    return choiceOf(r, right, texts, whys);
}

QB& QB::choiceOf(Rng& r, const std::string& right, const std::vector<std::string>& wrong,
                 const std::vector<std::string>& whys) {
    std::vector<std::string> opts;
    std::vector<std::string> optWhys;
    for (std::size_t i = 0; i < wrong.size(); ++i)
        if (wrong[i] != right && std::find(opts.begin(), opts.end(), wrong[i]) == opts.end() &&
            opts.size() < 3) {
            opts.push_back(wrong[i]);
            optWhys.push_back(whys[i]);
        }
    if (opts.size() != 3) throw std::logic_error("choice needs three different wrong answers");
    const std::vector<std::string> picked = opts;
    opts.push_back(right);
    r.shuffle(opts);
    std::vector<std::string> shownWhys;
    std::size_t idx = 0;
    for (std::size_t i = 0; i < opts.size(); ++i) {
        std::string why;
        for (std::size_t j = 0; j < picked.size(); ++j)
            if (picked[j] == opts[i]) why = optWhys[j];
        shownWhys.push_back(why);
        if (opts[i] == right) idx = i;
    }
    addOptions(opts, shownWhys, idx);
    return *this;
}

void QB::addOptions(const std::vector<std::string>& texts, const std::vector<std::string>& whys,
                    std::size_t right) {
    q_.html += "<ol class=\"options\">\n";
    for (const std::string& t : texts) q_.html += "<li>" + t + "</li>\n";
    q_.html += "</ol>\n";
    note(kChooseNote);
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (i != right && !whys[i].empty())
            slips_ += "<p class=\"slip\">Option " + std::to_string(i + 1) + " (" + texts[i] + ") " +
                      whys[i] + ".</p>\n";
    part('Q', std::to_string(right + 1));
    q_.parts.back().chosen = texts[right];
}

namespace {
// A value that can stand as an option beside `answer`.
bool standsBeside(const Frac& answer, const Frac& w) {
    return w != answer && w > Frac(0) && exactDecimal(w);
}
}  // namespace

bool exactDecimal(const Frac& v) {
    std::int64_t d = v.d;
    while (d % 2 == 0) d /= 2;
    while (d % 5 == 0) d /= 5;
    return d == 1;
}

bool distinctWrong(const Frac& answer, const std::vector<Frac>& wrong) {
    if (answer <= Frac(0) || !exactDecimal(answer) || wrong.size() < 3) return false;
    for (std::size_t i = 0; i < wrong.size(); ++i) {
        if (!standsBeside(answer, wrong[i])) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (wrong[j] == wrong[i]) return false;
    }
    return true;
}

std::vector<Frac> slipValues(const std::vector<Slip>& slips) {
    std::vector<Frac> values;
    for (const Slip& s : slips) values.push_back(s.value);
    return values;
}

bool distinctWrong(const Frac& answer, const std::vector<Slip>& wrong) {
    return distinctWrong(answer, slipValues(wrong));
}

bool enoughWrong(const Frac& answer, const std::vector<Slip>& candidates, bool money) {
    return enoughWrong(answer, slipValues(candidates), money);
}

bool enoughWrong(const Frac& answer, const std::vector<Frac>& candidates, bool money) {
    std::vector<Frac> kept;
    for (const Frac& w : candidates)
        if (standsBeside(answer, w) && (!money || (w * Frac(100)).isInt()) &&
            std::find(kept.begin(), kept.end(), w) == kept.end())
            kept.push_back(w);
    return kept.size() >= 3;
}

QB& answerNumber(QB& q, Rng& r, char kind, const Frac& answer, const std::string& units,
                 const std::vector<Frac>& wrong) {
    const bool money = isMoneyUnit(units);
    std::vector<Frac> usable;
    for (const Frac& w : wrong)
        if (!money || (w * Frac(100)).isInt()) usable.push_back(w);
    if (kind == 'Q' && !enoughWrong(answer, usable))
        throw std::logic_error("fewer than three distinct wrong answers for " + answer.text());
    return q.number(r, kind, answer, units, usable);
}

QB& answerNumber(QB& q, Rng& r, char kind, const Frac& answer, const std::string& units,
                 const std::vector<Slip>& wrong) {
    const bool money = isMoneyUnit(units);
    std::vector<Slip> usable;
    for (const Slip& w : wrong)
        if (!money || (w.value * Frac(100)).isInt()) usable.push_back(w);
    if (kind == 'Q' && !enoughWrong(answer, usable))
        throw std::logic_error("fewer than three distinct wrong answers for " + answer.text());
    return q.number(r, kind, answer, units, usable);
}

bool isMoneyUnit(const std::string& units) {
    return units == "$" || units == "dollars";
}
