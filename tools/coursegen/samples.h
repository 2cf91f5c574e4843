#pragma once
// Sample questions of one family or one topic, written as a small course of one topic so the
// package builder and the preview can show them while the families are being written.

#include "planner.h"

#include <string>

// `what` is a family name or a topic number (1 to 10, every family of it); `perFamily` questions
// of each family, its shapes in turn. Throws std::invalid_argument for an unknown family.
Course sampleCourse(const std::string& what, int perFamily);
