// Every key of the committed course re-checked from its family parameters by a computation of
// its own (and, for "Work out" questions, by evaluating the expression the learner sees), and
// marked the way the program marks it: numbers by value, fractions, mixed numbers and ratios by
// their exact text, words and times without regard to case, multiple choice by the option that
// holds the right answer.
// The checks of each topic's families live in keys_<topic>.cpp.

#include "key_check.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace keycheck;

TEST(FamilyKeys, EveryKeyAgreesWithAnIndependentComputation) {
    std::vector<std::string> errors;
    const auto papers = course::readPapers(errors);
    ASSERT_TRUE(errors.empty()) << errors.front();
    std::vector<std::string> duplicates;
    const KeyCheckers checkers = allKeyCheckers(duplicates);
    for (const auto& name : duplicates) ADD_FAILURE() << name << ": checked by two topics";
    std::map<std::string, int> checked;
    for (const auto& paper : papers)
        for (const auto& q : paper.questions) {
            const std::string where = "question " + std::to_string(q.id) + " (" + q.family + ")";
            const auto it = checkers.find(q.family);
            if (it == checkers.end()) {
                ADD_FAILURE() << where << ": no independent check for this family";
                continue;
            }
            try {
                const auto want = it->second(P{q});
                ASSERT_EQ(want.size(), q.parts.size()) << where;
                for (std::size_t i = 0; i < want.size(); ++i) {
                    const std::string problem = judge(q, i, want[i]);
                    EXPECT_TRUE(problem.empty()) << where << " part " << i + 1 << ": " << problem;
                }
                ++checked[q.family];
            } catch (const std::exception& e) {
                ADD_FAILURE() << where << ": " << e.what();
            }
        }
    if (!course::isCommittedCourse()) return;  // samples: the questions are what counts
    EXPECT_GE(checked.size(), 100u) << "families checked";
    int total = 0;
    for (const auto& [name, n] : checked) total += n;
    EXPECT_EQ(total, 1410);
}

// The checks themselves: a wrong key must be caught, whatever its kind.
TEST(FamilyKeys, TheCheckerCatchesWrongKeys) {
    course::Question q;
    q.family = "frac_add";
    q.html = "<p>Work out <b>2 1/3 + 3/4</b>.</p>";
    q.parts = {{'X', 2, "3 1/12"}};
    const Want w = N(workedOut(q));
    EXPECT_EQ(judge(q, 0, w), "");
    q.parts[0].key = "37/12";
    EXPECT_NE(judge(q, 0, w), "");
    q.parts = {{'F', 2, "37/12"}};
    EXPECT_EQ(judge(q, 0, w), "");
    q.parts[0].key = "74/24";
    EXPECT_NE(judge(q, 0, w), "");

    q.html =
        "<ol class=\"options\">\n<li>12 cm</li>\n<li>14 cm</li>\n<li>7 cm</li>\n<li>8 "
        "cm</li>\n</ol>";
    q.parts = {{'Q', 1, "3"}};
    EXPECT_EQ(judge(q, 0, N(7)), "");
    EXPECT_NE(judge(q, 0, N(8)), "");
    EXPECT_NE(judge(q, 0, N(9)), "") << "no option shows 9";

    q.parts = {{'N', 1, "36000 "}};
    EXPECT_EQ(judge(q, 0, N(36000)), "");
    q.parts = {{'T', 1, "12:16pm"}};
    EXPECT_EQ(judge(q, 0, T(timeText(12 * 60 + 16, "colon"))), "");
    EXPECT_EQ(timeText(13 * 60 + 30, "caps"), "1.30 PM");
    EXPECT_EQ(timeText(0 * 60 + 5, "dot"), "12.05 am");
    EXPECT_EQ(fromWords("forty-five thousand and six"), 45006);
    EXPECT_EQ(fromWords("three hundred and twelve thousand four hundred"), 312400);
    EXPECT_EQ(Expr("(4 + 3) &times; 2 &minus; 10 &divide; 4").value(), Rat(23, 2));
}

}  // namespace
