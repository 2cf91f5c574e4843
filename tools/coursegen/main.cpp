// hmcoursegen <course folder>: writes the whole course from the question families. Run once by
// hand; the output is committed and edited question by question from then on.
// hmcoursegen --samples <folder> <family | topic number> [per family]: sample questions only,
// as a small course of one topic for hmpack and hmpreview.

#include "course_writer.h"
#include "planner.h"
#include "samples.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: hmcoursegen <course folder>\n"
                 "       hmcoursegen --samples <folder> <family | topic number> [per family]\n");
    return 2;
}

int write(const Course& course, const char* dir) {
    std::string error;
    if (!writeCourse(course, dir, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc >= 4 && argc <= 5 && std::string(argv[1]) == "--samples") {
            const int perFamily = argc == 5 ? std::stoi(argv[4]) : 6;
            if (perFamily < 1) return usage();
            return write(sampleCourse(argv[3], perFamily), argv[2]);
        }
        if (argc != 2) return usage();
        const Course course = generateCourse();
        const auto bad = checkFigures(course);
        if (!bad.empty()) {
            for (const auto& b : bad) std::fprintf(stderr, "figure not met: %s\n", b.c_str());
            return 1;
        }
        return write(course, argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hmcoursegen: %s\n", e.what());
        return 1;
    }
}
