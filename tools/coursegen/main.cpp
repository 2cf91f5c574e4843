// hmcoursegen <course folder>: writes the whole course from the question families. Run once by
// hand; the output is committed and edited question by question from then on.

#include "course_writer.h"
#include "planner.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hmcoursegen <course folder>\n");
        return 2;
    }
    try {
        const Course course = generateCourse();
        const auto bad = checkFigures(course);
        if (!bad.empty()) {
            for (const auto& b : bad) std::fprintf(stderr, "figure not met: %s\n", b.c_str());
            return 1;
        }
        std::string error;
        if (!writeCourse(course, argv[1], error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hmcoursegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
