#include "fam_kit.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace kit {

const std::vector<std::string>& timeStyles() {
    static const std::vector<std::string> styles = {"dot", "colon", "caps"};
    return styles;
}

std::string clock12(int minutes, const std::string& style) {
    const int t = ((minutes % 1440) + 1440) % 1440;
    const int h24 = t / 60;
    const int m = t % 60;
    const int h = h24 % 12 == 0 ? 12 : h24 % 12;
    const std::string mm = (m < 10 ? "0" : "") + S(m);
    const bool pm = h24 >= 12;
    if (style == "colon") return S(h) + ":" + mm + (pm ? "pm" : "am");
    if (style == "caps") return S(h) + "." + mm + (pm ? " PM" : " AM");
    return S(h) + "." + mm + (pm ? " pm" : " am");
}

std::string timeNote(const std::string& style) {
    if (style == "colon") return "Write the time in the form 3:15pm, for example 9:05am.";
    if (style == "caps") return "Write the time in the form 3.15 PM, for example 9.05 AM.";
    return "Write the time in the form 3.15 pm, for example 9.05 am.";
}

std::string hhmm(int minutes) {
    return S(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") + S(minutes % 60);
}

std::string count(long long n, const std::string& one, const std::string& many) {
    return qty(Frac(n), n == 1 ? one : many);
}

std::string duration(int minutes) {
    const int h = minutes / 60;
    const int m = minutes % 60;
    std::string s;
    if (h) s = count(h, "hour", "hours");
    if (m) s += (s.empty() ? "" : " ") + count(m, "minute", "minutes");
    return s;
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

bool enoughWrong(const Frac& answer, const std::vector<Frac>& wrong) {
    std::vector<Frac> kept;
    for (const Frac& w : wrong) {
        if (w == answer || w <= Frac(0)) continue;
        try {
            (void)w.dec();
        } catch (const std::logic_error&) {
            continue;
        }
        if (std::find(kept.begin(), kept.end(), w) == kept.end()) kept.push_back(w);
    }
    return kept.size() >= 3;
}

QB& answerNumber(QB& q, Rng& r, char kind, const Frac& answer, const std::string& units,
                 const std::vector<Frac>& wrong) {
    if (kind == 'Q' && !enoughWrong(answer, wrong))
        throw std::logic_error("fewer than three distinct wrong answers for " + answer.text());
    return q.number(r, kind, answer, units, wrong);
}

std::vector<bool> shadeSome(Rng& r, int cells, int shaded) {
    std::vector<int> order(static_cast<std::size_t>(cells));
    for (int i = 0; i < cells; ++i) order[static_cast<std::size_t>(i)] = i;
    r.shuffle(order);
    std::vector<bool> on(static_cast<std::size_t>(cells), false);
    for (int i = 0; i < shaded; ++i)
        on[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    return on;
}

int pickInt(Rng& r, const std::vector<int>& v) {
    return r.pick(v);
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace kit
