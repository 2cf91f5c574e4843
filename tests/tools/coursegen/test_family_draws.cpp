// Many draws of every family of the Percentage, Ratio, Rate and Algebra topics, in every shape
// they offer: a rare draw must not throw, loop for ever or write a question the course would
// refuse. The course itself holds only a few draws of each family, so a fault in an unlucky
// corner would otherwise show only when the course is next regenerated.

#include "families.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

constexpr int kDraws = 250;

bool ownTopic(const Family& f) {
    return f.topic >= 7 && f.topic <= 10;
}

// What the course check asks of every key, by kind.
std::string badKey(const Part& p) {
    static const std::regex number(R"(^\d+(\.\d*[1-9])?$)");
    static const std::regex fraction(R"(^[1-9]\d*/[1-9]\d*$)");
    static const std::regex ratio(R"(^[1-9]\d*(:[1-9]\d*){1,2}$)");
    switch (p.kind) {
        case 'N':
            if (!std::regex_match(p.key, number) ||
                p.key.find_first_not_of("0.") == std::string::npos)
                return "number key '" + p.key + "'";
            return "";
        case 'Q':
            return p.key.size() == 1 && p.key[0] >= '1' && p.key[0] <= '4' ? "" : "choice key";
        case 'F':
            return std::regex_match(p.key, fraction) ? "" : "fraction key '" + p.key + "'";
        case 'R':
            return std::regex_match(p.key, ratio) ? "" : "ratio key '" + p.key + "'";
        case 'T':
            return !p.key.empty() && p.key.front() != ' ' && p.key.back() != ' ' ? "" : "text key";
        default:
            return std::string("kind ") + p.kind;
    }
}

// The first primitive of a picture that reaches outside it, or "".
std::string outside(const Figure& f) {
    for (const std::string& op : f.ops) {
        std::istringstream in(op);
        std::string verb;
        in >> verb;
        std::vector<int> v;
        for (int n = 0; in >> n;) v.push_back(n);
        auto in_ = [&](int x, int y) { return x >= 0 && x <= f.width && y >= 0 && y <= f.height; };
        bool ok = true;
        if (verb == "line" || verb == "poly")
            for (std::size_t k = 0; k + 1 < v.size(); k += 2) ok = ok && in_(v[k], v[k + 1]);
        else if (verb == "rect" && v.size() >= 4)
            ok = in_(v[0], v[1]) && in_(v[0] + v[2], v[1] + v[3]);
        else if (verb == "circle" && v.size() >= 3)
            ok = in_(v[0] - v[2], v[1] - v[2]) && in_(v[0] + v[2], v[1] + v[2]);
        else if (verb == "text" && v.size() >= 2)
            ok = in_(v[0], v[1]);
        if (!ok) return op;
    }
    return "";
}

// The four options of a multiple-choice question, which must all differ.
std::vector<std::string> optionsOf(const std::string& html) {
    static const std::regex li(R"(<li>([^<]*)</li>)");
    std::vector<std::string> out;
    for (std::sregex_iterator it(html.begin(), html.end(), li), e; it != e; ++it)
        out.push_back((*it)[1]);
    return out;
}

TEST(FamilyDraws, EveryShapeDrawsSoundQuestionsAgainAndAgain) {
    std::map<int, int> families;
    for (const Family& f : allFamilies()) {
        if (!ownTopic(f)) continue;
        ++families[f.topic];
        for (const std::string& shape : f.shapes) {
            Rng r(0xD4A3ull + static_cast<std::uint64_t>(f.name.size()) * 977 + shape.size());
            for (int i = 0; i < kDraws; ++i) {
                const std::string where = f.name + " " + shape + " draw " + std::to_string(i);
                Question q;
                try {
                    q = f.gen(r, shape);
                } catch (const std::exception& e) {
                    ADD_FAILURE() << where << ": " << e.what();
                    break;
                }
                ASSERT_EQ(q.family, f.name) << where;
                std::string kinds;
                for (const Part& p : q.parts) {
                    kinds += p.kind;
                    const std::string bad = badKey(p);
                    EXPECT_TRUE(bad.empty()) << where << ": " << bad;
                }
                ASSERT_EQ(kinds, shape) << where;
                if (shape == "Q") {
                    const auto opts = optionsOf(q.html);
                    EXPECT_EQ(opts.size(), 4u) << where;
                    EXPECT_EQ(std::set<std::string>(opts.begin(), opts.end()).size(), opts.size())
                        << where << ": two options alike";
                }
                if (shape.find('T') != std::string::npos) {
                    EXPECT_NE(q.html.find("Write "), std::string::npos)
                        << where << ": says not how to write the answer";
                }
                for (const char c : q.html) EXPECT_GT(static_cast<signed char>(c), 0) << where;
                for (const Figure& fig : q.figures) {
                    EXPECT_LE(fig.width, 300) << where;
                    EXPECT_LE(fig.height, 200) << where;
                    EXPECT_EQ(outside(fig), "") << where;
                }
            }
        }
    }
    // Each topic needs enough families that none comes twice in a paper nor over four times in it.
    for (int topic = 7; topic <= 10; ++topic) EXPECT_GE(families[topic], 42) << "topic " << topic;
}

}  // namespace
