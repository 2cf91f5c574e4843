#include "course_reader.h"

#include <cstdlib>

#include <fstream>
#include <sstream>

namespace course {

std::string courseDir() {
    // HM_TEST_COURSE points the tests at another course, such as the samples of new families.
    const char* other = std::getenv("HM_TEST_COURSE");
    return other != nullptr && *other != '\0' ? other : HM_COURSE_DIR;
}

bool isCommittedCourse() {
    return courseDir() == HM_COURSE_DIR;
}

namespace {

bool startsWith(const std::string& s, const std::string& p) {
    return s.compare(0, p.size(), p) == 0;
}

// Reads `part <kind> <marks> "<key>"`: the key runs from the first to the last quote.
bool readPart(const std::string& line, Part& part) {
    std::istringstream in(line.substr(5));
    std::string kind;
    in >> kind >> part.marks;
    const auto open = line.find('"');
    const auto close = line.rfind('"');
    if (!in || kind.size() != 1 || open == std::string::npos || close <= open) return false;
    part.kind = kind[0];
    part.key = line.substr(open + 1, close - open - 1);
    return true;
}

Paper readPaper(const std::string& path, int number, std::vector<std::string>& errors) {
    Paper paper;
    paper.file = path;
    std::ifstream in(path);
    if (!in) {
        errors.push_back("cannot open " + path);
        return paper;
    }
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& what) {
        errors.push_back(path + ":" + std::to_string(lineNo) + ": " + what);
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        if (startsWith(line, "paper ")) {
            paper.number = std::stoi(line.substr(6));
            if (paper.number != number) fail("paper number " + line.substr(6));
        } else if (startsWith(line, "question ")) {
            Question q;
            q.id = std::stoi(line.substr(9));
            q.line = lineNo;
            paper.questions.push_back(q);
        } else if (paper.questions.empty()) {
            fail("text before the first question");
        } else if (startsWith(line, "family ")) {
            std::istringstream words(line.substr(7));
            std::string w;
            words >> paper.questions.back().family;
            while (words >> w) {
                const auto eq = w.find('=');
                if (eq == std::string::npos)
                    fail("parameter without '=': " + w);
                else
                    paper.questions.back().params[w.substr(0, eq)] = w.substr(eq + 1);
            }
        } else if (line == "text") {
            std::string body;
            bool closed = false;
            while (std::getline(in, line)) {
                ++lineNo;
                if (line == "end text") {
                    closed = true;
                    break;
                }
                body += line + "\n";
            }
            if (!closed) fail("text without end");
            paper.questions.back().html = body;
        } else if (line == "solution") {
            std::string body;
            bool closed = false;
            while (std::getline(in, line)) {
                ++lineNo;
                if (line == "end solution") {
                    closed = true;
                    break;
                }
                body += line + "\n";
            }
            if (!closed) fail("solution without end");
            paper.questions.back().solution = body;
        } else if (startsWith(line, "figure ")) {
            Figure f;
            std::istringstream head(line.substr(7));
            head >> f.name >> f.width >> f.height;
            bool closed = false;
            while (std::getline(in, line)) {
                ++lineNo;
                if (line == "end figure") {
                    closed = true;
                    break;
                }
                f.ops.push_back(line);
            }
            if (!closed) fail("figure without end");
            paper.questions.back().figures.push_back(f);
        } else if (startsWith(line, "part ")) {
            Part p;
            if (!readPart(line, p)) fail("bad part line");
            paper.questions.back().parts.push_back(p);
        } else {
            fail("unknown line: " + line);
        }
    }
    return paper;
}

}  // namespace

std::vector<Paper> readPapers(std::vector<std::string>& errors) {
    std::vector<Paper> papers;
    for (int n = 101; n <= 150; ++n) {
        const std::string file = courseDir() + "/papers/" + std::to_string(n) + ".txt";
        if (n > 105 && !std::ifstream(file)) break;  // a smaller course, such as samples
        papers.push_back(readPaper(file, n, errors));
    }
    return papers;
}

Catalogue readCatalogue(std::vector<std::string>& errors) {
    Catalogue c;
    std::ifstream in(courseDir() + "/catalogue.txt");
    if (!in) errors.push_back("cannot open catalogue.txt");
    std::string line;
    int module = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (startsWith(line, "title "))
            c.title = line.substr(6);
        else if (startsWith(line, "code "))
            c.code = line.substr(5);
        else if (startsWith(line, "module ")) {
            module = line[7] - '0';
            c.modules[module] = line.substr(9);
        } else if (startsWith(line, "topic ") && module == 2)
            c.topics.push_back(line.substr(6));
        else
            errors.push_back("catalogue: " + line);
    }
    return c;
}

}  // namespace course
