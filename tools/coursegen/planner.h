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

Course generateCourse();

// Empty when every figure holds, otherwise one line per failure.
std::vector<std::string> checkFigures(const Course& course);
