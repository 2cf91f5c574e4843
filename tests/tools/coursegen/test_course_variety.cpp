// Every question of a paper a different task: the families of the committed course, read from
// its `family` lines.
//
// DISABLED until the course is regenerated from at least 40 families a topic: the course of the
// first generator repeats families within papers, and the planner (which refuses such a course,
// see test_planner.cpp) cannot write a new one before the topics have their families. Run them
// on samples or a new course with --gtest_also_run_disabled_tests.

#include "course_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const std::vector<course::Paper>& papers() {
    static const std::vector<course::Paper> all = [] {
        std::vector<std::string> errors;
        auto read = course::readPapers(errors);
        for (const auto& e : errors) ADD_FAILURE() << e;
        return read;
    }();
    return all;
}

// The topic of a paper: five papers a topic, in order.
int topicOf(int paper) {
    return (paper - 101) / 5 + 1;
}

TEST(CourseVariety, NoFamilyTwiceInAPaperNorOverFourTimesInItsTopic) {
    ASSERT_FALSE(papers().empty());
    std::map<int, std::map<std::string, int>> usesInTopic;
    for (const auto& paper : papers()) {
        std::set<std::string> seen;
        for (const auto& q : paper.questions) {
            EXPECT_TRUE(seen.insert(q.family).second)
                << "paper " << paper.number << " has " << q.family << " twice (question " << q.id
                << ")";
            ++usesInTopic[topicOf(paper.number)][q.family];
        }
    }
    for (const auto& [topic, uses] : usesInTopic)
        for (const auto& [family, n] : uses)
            EXPECT_LE(n, 4) << "topic " << topic << " uses " << family << " " << n << " times";
}

TEST(CourseVariety, EachTopicDrawsOnFortyFamilies) {
    ASSERT_FALSE(papers().empty());
    std::map<int, std::set<std::string>> families;
    for (const auto& paper : papers())
        for (const auto& q : paper.questions) families[topicOf(paper.number)].insert(q.family);
    for (const auto& [topic, names] : families) EXPECT_GE(names.size(), 40u) << "topic " << topic;
}

}  // namespace
