#pragma once
// Writes the course as the text files of course/FORMAT.md.

#include "planner.h"

#include <string>

std::string catalogueText(const Course& course);
std::string paperText(const PaperOut& paper);

// Writes catalogue.txt and papers/<n>.txt under `dir`; false with `error` set on failure.
bool writeCourse(const Course& course, const std::string& dir, std::string& error);
