#pragma once
// Plans the whole course (question ids, parts, kinds and marks of every paper), generates every
// question from its family and checks the course against the figures it must hold.

#include "question.h"

#include <string>
#include <vector>

struct PaperOut {
    int number = 0;
    std::vector<int> ids;
    std::vector<Question> questions;
};

struct Course {
    std::vector<std::string> topics;
    std::vector<PaperOut> papers;  // 101 to 150 in order
};

struct Family;

// The course from every family of the generator.
Course generateCourse();
// The course from the given families (all ten topics); throws std::logic_error when the families
// of a topic cannot fill its papers under the planner's rules.
Course generateCourse(const std::vector<Family>& families);

// Empty when every figure holds, otherwise one line per failure.
std::vector<std::string> checkFigures(const Course& course);
