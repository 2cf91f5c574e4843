#pragma once
// Reads the committed course source for the tests, on its own terms: it shares no code with the
// generator or the package builder, so a fault in either cannot hide itself here.

#include <map>
#include <string>
#include <vector>

namespace course {

struct Part {
    char kind = 0;
    int marks = 0;
    std::string key;
};

struct Figure {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<std::string> ops;
};

struct Question {
    int id = 0;
    int line = 0;
    std::string family;
    std::map<std::string, std::string> params;
    std::string html;
    std::vector<Figure> figures;
    std::vector<Part> parts;
    std::string solution;  // empty when the question has none
};

struct Paper {
    int number = 0;
    std::string file;
    std::vector<Question> questions;
};

struct Catalogue {
    std::string title;
    std::string code;
    std::map<int, std::string> modules;
    std::vector<std::string> topics;
};

// The committed course, or the one HM_TEST_COURSE names (samples of new families).
std::string courseDir();
bool isCommittedCourse();
// Reads every paper file 101 to 150 (or those a smaller course has, in fives); a line it cannot
// read is added to `errors`.
std::vector<Paper> readPapers(std::vector<std::string>& errors);
Catalogue readCatalogue(std::vector<std::string>& errors);

}  // namespace course
