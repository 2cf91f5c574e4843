#include "samples.h"

#include "families.h"

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int kFirstId = 20011;
constexpr int kPapers = 5;  // one topic owns five papers
}  // namespace

Course sampleCourse(const std::string& what, int perFamily) {
    const std::vector<Family> all = allFamilies();
    std::vector<const Family*> chosen;
    for (const Family& f : all)
        if (f.name == what || std::to_string(f.topic) == what) chosen.push_back(&f);
    if (chosen.empty()) throw std::invalid_argument("no family or topic '" + what + "'");

    std::vector<Question> questions;
    for (const Family* f : chosen) {
        // A seed of its own per family, so adding a family elsewhere leaves these samples alone.
        std::uint64_t seed = 0x53616D706C65ull;
        for (char c : f->name) seed = seed * 131 + static_cast<unsigned char>(c);
        Rng r(seed);
        for (int i = 0; i < perFamily; ++i) {
            Question q = f->gen(r, f->shapes[static_cast<std::size_t>(i) % f->shapes.size()]);
            for (Part& p : q.parts) p.marks = q.parts.size() == 1 ? std::clamp(q.level, 1, 3) : 1;
            questions.push_back(std::move(q));
        }
    }
    Course course;
    course.topics = {"Samples of " + what};
    const std::size_t perPaper = (questions.size() + kPapers - 1) / kPapers;
    int id = kFirstId;
    for (int p = 0; p < kPapers; ++p) {
        PaperOut paper;
        paper.number = 101 + p;
        for (std::size_t i = static_cast<std::size_t>(p) * perPaper;
             i < questions.size() && i < (static_cast<std::size_t>(p) + 1) * perPaper; ++i) {
            paper.ids.push_back(id++);
            paper.questions.push_back(questions[i]);
        }
        if (paper.questions.empty()) {  // every paper needs a question: repeat the first
            paper.ids.push_back(id++);
            paper.questions.push_back(questions.front());
        }
        course.papers.push_back(std::move(paper));
    }
    return course;
}
