// The planner's rules on made-up families: every question gets a family offering its shape, no
// family twice in one paper, none more than four times in its topic, and a course it cannot plan
// that way is refused.

#include "families.h"
#include "family_assignment.h"
#include "planner.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

namespace {

Question toyQuestion(const std::string& name, const std::string& kinds) {
    QB q(name, 1);
    q.p("A made-up question.");
    for (char k : kinds) q.part(k, "1");
    return q.done();
}

Family toy(const std::string& name, int topic, std::vector<std::string> shapes) {
    return {name, topic, std::move(shapes),
            [name](Rng&, const std::string& kinds) { return toyQuestion(name, kinds); }};
}

const std::vector<std::string> kEveryShape = {"N", "Q", "T", "F", "R", "X", "NN", "NNN", "NNNN"};

// `count` families a topic, each offering every shape; topic 10 holds the twelve-mark puzzle.
std::vector<Family> toyFamilies(int count, std::map<int, int> countOf = {}) {
    std::vector<Family> all;
    for (int t = 1; t <= 10; ++t) {
        const int n = countOf.count(t) ? countOf[t] : count;
        for (int i = 0; i < n; ++i)
            all.push_back(toy(t == 10 && i == 0 ? "alg_puzzle"
                                                : "t" + std::to_string(t) + "_" + std::to_string(i),
                              t, kEveryShape));
    }
    return all;
}

// The most uses of one family in a topic, after checking no paper holds a family twice.
int mostUsesInATopic(const Course& course) {
    int most = 0;
    for (int t = 0; t < 10; ++t) {
        std::map<std::string, int> uses;
        for (int p = 0; p < 5; ++p) {
            std::set<std::string> inPaper;
            for (const Question& q : course.papers[static_cast<std::size_t>(5 * t + p)].questions) {
                EXPECT_TRUE(inPaper.insert(q.family).second)
                    << q.family << " twice in paper " << 101 + 5 * t + p;
                most = std::max(most, ++uses[q.family]);
            }
        }
    }
    return most;
}

TEST(Planner, FillsEveryPaperWithinTheRulesAndTheCourseFigures) {
    const std::vector<Family> families = toyFamilies(38);  // the fewest 150 questions allow
    const Course course = generateCourse(families);
    EXPECT_EQ(checkFigures(course), std::vector<std::string>());
    EXPECT_EQ(mostUsesInATopic(course), 4);

    // The fixed questions are where they belong.
    EXPECT_EQ(course.papers[14].questions[4].family, "frac_of_then_mixed");
    EXPECT_EQ(course.papers[14].questions[4].parts[1].key, "1 1/3");
    int twelve = 0;
    for (const Question& q : course.papers[47].questions)
        twelve += q.family == "alg_puzzle" && q.parts[0].marks == 12;
    EXPECT_EQ(twelve, 1);

    // More families are used more evenly, and the same families give the same course.
    const std::vector<Family> more = toyFamilies(50);
    const Course spread = generateCourse(more);
    EXPECT_EQ(mostUsesInATopic(spread), 3);
    const Course again = generateCourse(more);
    for (std::size_t p = 0; p < spread.papers.size(); ++p)
        for (std::size_t q = 0; q < spread.papers[p].questions.size(); ++q)
            ASSERT_EQ(spread.papers[p].questions[q].family, again.papers[p].questions[q].family);
}

// With fewer slots than twice the families, the uses allowed leave room to reuse a family while
// another goes unused; every family is used once before any is used again.
TEST(Planner, UsesEveryFamilyOnceBeforeReusingOne) {
    auto distinctUsed = [](int families, int papers, int perPaper,
                           std::vector<std::string> shapes) {
        std::vector<Family> owned;
        for (int i = 0; i < families; ++i)
            owned.push_back(toy("f" + std::to_string(i), 10, shapes));
        std::vector<const Family*> offered;
        for (const Family& f : owned) offered.push_back(&f);
        std::vector<std::vector<Slot>> slots(static_cast<std::size_t>(papers),
                                             std::vector<Slot>(static_cast<std::size_t>(perPaper)));
        for (auto& paper : slots)
            for (std::size_t s = 0; s < paper.size(); ++s) paper[s].kinds = s % 3 ? "N" : "Q";
        Rng r(20134);
        EXPECT_TRUE(assignFamilies(slots, offered, r));
        std::set<std::string> used;
        for (const auto& paper : slots) {
            std::set<std::string> inPaper;
            for (const Slot& s : paper) {
                EXPECT_TRUE(s.family != nullptr);
                if (s.family == nullptr) continue;
                EXPECT_TRUE(inPaper.insert(s.family->name).second) << s.family->name;
                used.insert(s.family->name);
            }
        }
        return static_cast<int>(used.size());
    };
    // Algebra's layout: 60 questions, 43 families, two uses allowed.
    EXPECT_EQ(distinctUsed(43, 5, 12, {"N", "Q"}), 43);
    // Barely more slots than families, spread over more papers.
    EXPECT_EQ(distinctUsed(70, 6, 13, {"N", "Q"}), 70);
    // More families than slots: each slot gets a family of its own.
    EXPECT_EQ(distinctUsed(80, 5, 12, {"N", "Q"}), 60);
}

TEST(Planner, RefusesTopicsWithTooFewFamiliesForTheirShapes) {
    auto refusal = [](const std::vector<Family>& families) {
        try {
            generateCourse(families);
        } catch (const std::logic_error& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    // 37 families cannot hold 150 questions at four uses each.
    EXPECT_NE(refusal(toyFamilies(40, {{3, 37}})).find("topic 3 (Fractions)"), std::string::npos);

    // Paper 128 has 14 two-part questions and a three-part one: 14 families offering multi-part
    // shapes are too few however many one-part families the topic has.
    auto geometry = [](int twoPartFamilies) {
        std::vector<Family> families = toyFamilies(40, {{6, 30}});
        for (int i = 0; i < 20; ++i)
            families.push_back(
                toy("g" + std::to_string(i), 6,
                    i < twoPartFamilies ? kEveryShape : std::vector<std::string>{"N", "Q", "T"}));
        return families;
    };
    std::vector<Family> fourteen = geometry(14);
    for (Family& f : fourteen)
        if (f.topic == 6 && f.name[0] == 't') f.shapes = {"N", "Q", "T"};
    EXPECT_NE(refusal(fourteen).find("topic 6 (Geometry)"), std::string::npos);
    std::vector<Family> fifteen = geometry(15);
    for (Family& f : fifteen)
        if (f.topic == 6 && f.name[0] == 't') f.shapes = {"N", "Q", "T"};
    EXPECT_EQ(refusal(fifteen), "");

    // A family writing a question under another name would slip past the rules.
    std::vector<Family> renamed = toyFamilies(40);
    renamed[3].gen = [](Rng&, const std::string& kinds) { return toyQuestion("other", kinds); };
    EXPECT_NE(refusal(renamed).find("one family writes one name"), std::string::npos);
}

}  // namespace
