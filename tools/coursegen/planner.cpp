#include "planner.h"

#include "course_figures.h"
#include "families.h"
#include "family_assignment.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <stdexcept>

namespace {

const std::vector<std::string> kTopics = {
    "Whole Numbers",  "Decimals", "Fractions",  "Area and Perimeter",
    "Volume",         "Geometry", "Percentage", "Ratio and Proportions",
    "Rate and Speed", "Algebra"};

constexpr std::uint64_t kSeed = 0x486D51756973ull;  // fixed, so the course regenerates identically

// Parts of each kind per topic: N, Q, T, F, R, X.
const char kKindOrder[] = {'N', 'Q', 'T', 'F', 'R', 'X'};
const std::vector<std::vector<int>> kBudget = {
    {120, 26, 4, 0, 0, 0},   // Whole Numbers
    {120, 25, 5, 0, 0, 4},   // Decimals
    {85, 24, 2, 26, 0, 19},  // Fractions
    {132, 26, 2, 0, 0, 0},   // Area and Perimeter
    {138, 26, 2, 0, 0, 0},   // Volume
    {139, 30, 10, 0, 0, 0},  // Geometry
    {134, 26, 3, 6, 0, 0},   // Percentage
    {84, 24, 3, 4, 35, 0},   // Ratio and Proportions
    {137, 24, 16, 0, 0, 0},  // Rate and Speed
    {48, 10, 2, 0, 0, 0},    // Algebra
};

// Paper totals the course must show; other papers keep the sum of their natural marks.
const std::map<int, int> kFixedTotals = {{101, 66}, {145, 79}, {146, 24}, {147, 12}};
constexpr int kTwelveMarkPaper = 148;
constexpr int kMaxOtherTotal = 76;

constexpr int kPinnedPaper = 115;  // holds question 20134
constexpr int kPinnedIndex = 4;
constexpr int kTrailingSpacePaper = 123;
// Different shuffles of a topic's shapes and kinds tried before the planner gives up.
constexpr int kPlanAttempts = 30;

int questionsOf(int paper) {
    return coursefigures::questionsOf(paper);
}

// Strictly increasing ids from `first` to `last` inclusive, gaps of at least one.
std::vector<int> spreadIds(Rng& r, int first, int last, int count) {
    std::vector<int> gaps(static_cast<std::size_t>(count - 1), 1);
    int spare = (last - first) - (count - 1);
    if (spare < 0) throw std::logic_error("id range too small");
    while (spare > 0) {
        auto& g = gaps[static_cast<std::size_t>(r.range(0, count - 2))];
        if (g < 4) {
            ++g;
            --spare;
        }
    }
    std::vector<int> ids{first};
    for (int g : gaps) ids.push_back(ids.back() + g);
    return ids;
}

// Question ids: papers 113..150 then 101..112 run up through the range; paper 101 sits at
// 22032..22091 and question 20134 is the fifth of paper 115.
std::map<int, std::vector<int>> assignIds(Rng& r) {
    std::vector<int> order;
    for (int p = 113; p <= 150; ++p) order.push_back(p);
    std::vector<int> before;  // all ids before paper 101
    int countBefore = 0;
    for (int p : order) countBefore += questionsOf(p);
    const int pinnedAt = 30 + 30 + kPinnedIndex;  // papers 113 and 114 come first
    std::vector<int> a = spreadIds(r, 20011, 20134, pinnedAt + 1);
    std::vector<int> b = spreadIds(r, 20134, 22029, countBefore - pinnedAt);
    before = a;
    before.insert(before.end(), b.begin() + 1, b.end());
    std::vector<int> p101 = spreadIds(r, 22032, 22091, 30);
    std::vector<int> after = spreadIds(r, 22093, 22841, 11 * 30);

    std::map<int, std::vector<int>> ids;
    std::size_t at = 0;
    for (int p : order) {
        ids[p].assign(before.begin() + static_cast<long>(at),
                      before.begin() + static_cast<long>(at + questionsOf(p)));
        at += static_cast<std::size_t>(questionsOf(p));
    }
    ids[101] = p101;
    for (int p = 102; p <= 112; ++p)
        ids[p].assign(after.begin() + (p - 102) * 30, after.begin() + (p - 101) * 30);
    return ids;
}

int naturalMarks(const Question& q, std::size_t part) {
    const Part& pt = q.parts[part];
    if (q.parts.size() == 1) return pt.kind == 'Q' ? 1 : std::clamp(q.level, 1, 3);
    return std::clamp(q.level, 1, 2);
}

void assignMarks(Rng& r, PaperOut& paper) {
    std::vector<Part*> adjustable;
    int total = 0;
    for (auto& q : paper.questions)
        for (std::size_t i = 0; i < q.parts.size(); ++i) {
            Part& p = q.parts[i];
            if (p.marks == 12) {
                total += 12;
                continue;
            }
            p.marks = naturalMarks(q, i);
            total += p.marks;
            adjustable.push_back(&p);
        }
    int target = std::clamp(total, 12, kMaxOtherTotal);
    if (auto it = kFixedTotals.find(paper.number); it != kFixedTotals.end()) target = it->second;
    while (total != target) {
        Part* p = adjustable[static_cast<std::size_t>(
            r.range(0, static_cast<int>(adjustable.size()) - 1))];
        if (total < target && p->marks < 3) {
            ++p->marks;
            ++total;
        } else if (total > target && p->marks > 1) {
            --p->marks;
            --total;
        }
    }
}

// The question counts of a topic's papers, shuffled: how many parts each question has.
std::vector<std::vector<Slot>> layoutPapers(int firstPaper, Rng& r) {
    std::vector<std::vector<Slot>> papers;
    for (int p = firstPaper; p < firstPaper + 5; ++p) {
        std::vector<int> counts(static_cast<std::size_t>(questionsOf(p)), 1);
        const coursefigures::MultiPart multi = coursefigures::multiPartOf(p);
        std::size_t i = 0;
        for (int k = 0; k < multi.four; ++k) counts[i++] = 4;
        for (int k = 0; k < multi.three; ++k) counts[i++] = 3;
        for (int k = 0; k < multi.two; ++k) counts[i++] = 2;
        r.shuffle(counts);
        std::vector<Slot> slots(counts.size());
        if (p == kPinnedPaper) {
            auto two = std::find(counts.begin(), counts.end(), 2);
            std::swap(*two, counts[kPinnedIndex]);
            slots[kPinnedIndex].pin = Slot::FractionPair;
            slots[kPinnedIndex].pinnedFamily = "frac_of_then_mixed";
            slots[kPinnedIndex].kinds = "NX";
        }
        for (std::size_t k = 0; k < counts.size(); ++k)
            if (slots[k].pin == Slot::None)
                slots[k].kinds =
                    std::string(counts[k] == 1 ? 0 : static_cast<std::size_t>(counts[k]), '?');
        papers.push_back(std::move(slots));
    }
    return papers;
}

// One attempt at a topic's plan: shapes for the multi-part questions within the kind budget,
// the rest of the budget as one-part kinds, the fixed questions, then a family for each.
bool tryPlanTopic(int firstPaper, const std::vector<const Family*>& families,
                  std::map<char, int> budget, Rng& r, std::vector<std::vector<Slot>>& papers) {
    papers = layoutPapers(firstPaper, r);
    // Multi-part shapes in turn over the families offering them, so a shape many families
    // offer comes up more often.
    std::map<std::size_t, std::vector<std::string>> shapesOfLength;
    std::map<std::size_t, std::size_t> turn;
    for (auto& slots : papers)
        for (Slot& s : slots) {
            if (s.pin != Slot::None || s.kinds.empty()) {
                for (char k : s.kinds) --budget[k];
                continue;
            }
            const std::size_t length = s.kinds.size();
            auto& list = shapesOfLength[length];
            if (list.empty()) {
                for (const Family* f : families)
                    for (const auto& shape : f->shapes)
                        if (shape.size() == length) list.push_back(shape);
                r.shuffle(list);
                if (list.empty())
                    throw std::logic_error("no family offers a shape of " + std::to_string(length) +
                                           " parts");
            }
            bool placed = false;
            for (std::size_t tries = 0; tries < list.size() && !placed; ++tries) {
                const std::string& shape = list[turn[length]++ % list.size()];
                std::map<char, int> need;
                for (char k : shape) ++need[k];
                if (std::all_of(need.begin(), need.end(),
                                [&](const auto& n) { return budget[n.first] >= n.second; })) {
                    s.kinds = shape;
                    for (char k : shape) --budget[k];
                    placed = true;
                }
            }
            if (!placed) return false;
        }
    for (const auto& [kind, left] : budget)
        if (left < 0) return false;

    std::vector<char> kinds;
    for (char k : kKindOrder)
        for (int i = 0; i < budget[k]; ++i) kinds.push_back(k);
    r.shuffle(kinds);
    std::size_t next = 0;
    for (auto& slots : papers)
        for (auto& s : slots)
            if (s.kinds.empty()) {
                if (next == kinds.size()) throw std::logic_error("kind budget too small");
                s.kinds = std::string(1, kinds[next++]);
            }
    if (next != kinds.size())
        throw std::logic_error("kind budget does not match the one-part questions");

    // The fixed questions take one-part N places: the litres question in paper 123, the
    // twelve-mark puzzle in paper 148.
    for (std::size_t pi = 0; pi < papers.size(); ++pi) {
        const int p = firstPaper + static_cast<int>(pi);
        if (p != kTrailingSpacePaper && p != kTwelveMarkPaper) continue;
        const std::size_t from = p == kTrailingSpacePaper ? 8 : 5;
        auto& slots = papers[pi];
        auto it = std::find_if(slots.begin() + static_cast<long>(from), slots.end(),
                               [](const Slot& s) { return s.kinds == "N"; });
        if (it == slots.end()) return false;
        if (p == kTrailingSpacePaper) {
            it->pin = Slot::Litres;
            it->pinnedFamily = "litres_to_cm3";
        } else {
            const auto puzzle = std::find_if(families.begin(), families.end(), [](const Family* f) {
                return f->name == "alg_puzzle";
            });
            if (puzzle == families.end()) throw std::logic_error("no alg_puzzle family");
            it->pin = Slot::TwelveMarks;
            it->pinnedFamily = "alg_puzzle";
            it->family = *puzzle;
        }
    }
    return assignFamilies(papers, families, r);
}

std::vector<std::vector<Slot>> planTopic(int t, const std::vector<const Family*>& families,
                                         const std::map<char, int>& budget, Rng& r) {
    std::vector<std::vector<Slot>> papers;
    for (int attempt = 0; attempt < kPlanAttempts; ++attempt)
        if (tryPlanTopic(100 + 5 * t - 4, families, budget, r, papers)) return papers;
    throw std::logic_error("topic " + std::to_string(t) + " (" +
                           kTopics[static_cast<std::size_t>(t - 1)] +
                           "): its families cannot fill its papers with no family twice in a "
                           "paper and none more than " +
                           std::to_string(kMaxUsesInTopic) +
                           " times in the topic: " + shortageReport(papers, families));
}

}  // namespace

Course generateCourse() {
    return generateCourse(allFamilies());
}

Course generateCourse(const std::vector<Family>& families) {
    Course course;
    course.topics = kTopics;
    Rng idRng(kSeed);
    const auto ids = assignIds(idRng);

    for (int t = 1; t <= 10; ++t) {
        Rng r(kSeed ^ (0x9E37ull * static_cast<std::uint64_t>(t)));
        const int firstPaper = 100 + 5 * t - 4;
        std::map<char, int> budget;
        for (int k = 0; k < 6; ++k)
            budget[kKindOrder[k]] =
                kBudget[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(k)];

        std::vector<const Family*> topicFamilies;
        for (const auto& f : families)
            if (f.topic == t) topicFamilies.push_back(&f);
        std::vector<std::vector<Slot>> papers = planTopic(t, topicFamilies, budget, r);
        for (std::size_t pi = 0; pi < papers.size(); ++pi) {
            PaperOut out;
            out.number = firstPaper + static_cast<int>(pi);
            out.ids = ids.at(out.number);
            Rng qr(kSeed + 7919ull * static_cast<std::uint64_t>(out.number));
            for (const Slot& s : papers[pi]) {
                Question q;
                switch (s.pin) {
                    case Slot::FractionPair:
                        q = fractionOfThenMixed(5, 8, 40, 4, 3);
                        break;
                    case Slot::Litres:
                        q = litresToCm3(36, true);
                        break;
                    default:
                        q = s.family->gen(qr, s.kinds);
                        break;
                }
                if (s.pin == Slot::None && q.family != s.family->name)
                    throw std::logic_error("family " + s.family->name + " wrote a question of " +
                                           q.family + "; one family writes one name");
                std::string got;
                for (const auto& part : q.parts) got += part.kind;
                if (got != s.kinds)
                    throw std::logic_error("family " + q.family + " gave kinds " + got + " for " +
                                           s.kinds);
                if (s.pin == Slot::TwelveMarks) q.parts[0].marks = 12;
                out.questions.push_back(std::move(q));
            }
            assignMarks(qr, out);
            course.papers.push_back(std::move(out));
        }
    }
    return course;
}

std::vector<std::string> checkFigures(const Course& c) {
    namespace fig = coursefigures;
    std::vector<std::string> bad;
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) bad.push_back(what);
    };
    expect(c.topics == kTopics, "topic names");
    expect(c.papers.size() == fig::kLastPaper - fig::kFirstPaper + 1, "50 papers");
    std::vector<int> allIds;
    std::map<std::size_t, int> byPartCount;
    std::map<char, int> kinds;
    std::map<int, int> markValues;
    bool trailing = false;
    for (std::size_t i = 0; i < c.papers.size(); ++i) {
        const PaperOut& p = c.papers[i];
        const int n = fig::kFirstPaper + static_cast<int>(i);
        expect(p.number == n, "paper order at " + std::to_string(n));
        expect(static_cast<int>(p.questions.size()) == questionsOf(n) &&
                   p.ids.size() == p.questions.size(),
               "question count of " + std::to_string(n));
        int parts = 0;
        int total = 0;
        for (std::size_t qi = 0; qi < p.questions.size(); ++qi) {
            const Question& q = p.questions[qi];
            allIds.push_back(p.ids[qi]);
            ++byPartCount[q.parts.size()];
            for (const Part& pt : q.parts) {
                ++parts;
                total += pt.marks;
                ++kinds[pt.kind];
                ++markValues[pt.marks];
                if (!pt.key.empty() && pt.key.back() == ' ') trailing = true;
                expect(!pt.key.empty() && pt.key.find('"') == std::string::npos,
                       "key of " + std::to_string(p.ids[qi]));
            }
            if (p.ids[qi] == 20134)
                expect(q.parts.size() == 2 && q.parts[0].key == "25" && q.parts[0].kind == 'N' &&
                           q.parts[1].key == "1 1/3" && q.parts[1].kind == 'X',
                       "question 20134");
        }
        expect(parts == fig::partsOf(n),
               "parts of " + std::to_string(n) + ": " + std::to_string(parts));
        expect(total >= fig::kMinTotal && total <= fig::kMaxTotal, "total of " + std::to_string(n));
        for (const auto& fixed : fig::kFixedTotals)
            if (fixed.paper == n)
                expect(total == fixed.total, "total of paper " + std::to_string(n));
        if (n == 101) expect(p.ids.front() == 22032 && p.ids.back() == 22091, "paper 101 ids");
    }
    std::vector<int> sorted = allIds;
    std::sort(sorted.begin(), sorted.end());
    expect(static_cast<int>(sorted.size()) == fig::kQuestions &&
               std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end(),
           "1410 distinct ids");
    expect(!sorted.empty() && sorted.front() >= 20011 && sorted.back() <= 22841, "id range");
    expect(std::find(sorted.begin(), sorted.end(), 20134) != sorted.end(),
           "question 20134 present");
    expect(byPartCount[1] == fig::kOnePart && byPartCount[2] == fig::kTwoParts &&
               byPartCount[3] == fig::kThreeParts && byPartCount[4] == fig::kFourParts &&
               byPartCount.size() == 4,
           "questions by part count");
    bool kindsMatch = kinds.size() == fig::kKinds.size();
    for (const auto& k : fig::kKinds) kindsMatch = kindsMatch && kinds[k.kind] == k.count;
    expect(kindsMatch, "kinds");
    expect(markValues[12] == 1 && markValues.size() == 4 && markValues.count(1) &&
               markValues.count(2) && markValues.count(3),
           "marks values");
    expect(trailing, "a key with a trailing space");
    return bad;
}
