#include "planner.h"

#include "families.h"

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

struct MultiPlan {
    int two = 0;
    int three = 0;
    int four = 0;
};

// Multi-part questions per paper: their extra parts give the part counts the results templates
// list (30 for most papers).
const std::map<int, MultiPlan> kMulti = {
    {110, {4, 0, 0}},  {115, {4, 1, 0}}, {120, {8, 1, 0}},  {122, {6, 0, 0}}, {124, {5, 1, 0}},
    {125, {3, 0, 0}},  {126, {2, 0, 0}}, {128, {14, 1, 0}}, {129, {9, 1, 0}}, {131, {3, 0, 0}},
    {135, {14, 1, 0}}, {141, {5, 1, 0}}, {145, {15, 1, 1}},
};

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

struct Slot {
    std::string kinds;
    const Family* family = nullptr;
    enum Pin { None, FractionPair, Litres, TwelveMarks } pin = None;
};

int questionsOf(int paper) {
    return paper <= 145 ? 30 : 12;
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

}  // namespace

Course generateCourse() {
    const std::vector<Family> families = allFamilies();
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

        // Families by shape, in a shuffled order each, used in turn so all get their share.
        std::map<std::string, std::vector<std::pair<const Family*, std::string>>> byLength;
        std::map<std::string, std::size_t> turn;
        auto shapesOfLength = [&](std::size_t n) {
            std::vector<std::pair<const Family*, std::string>> v;
            for (const Family* f : topicFamilies)
                for (const auto& s : f->shapes)
                    if (s.size() == n) v.emplace_back(f, s);
            r.shuffle(v);
            return v;
        };

        std::vector<std::vector<Slot>> papers;
        for (int p = firstPaper; p < firstPaper + 5; ++p) {
            std::vector<int> counts(static_cast<std::size_t>(questionsOf(p)), 1);
            if (auto it = kMulti.find(p); it != kMulti.end()) {
                std::size_t i = 0;
                for (int k = 0; k < it->second.four; ++k) counts[i++] = 4;
                for (int k = 0; k < it->second.three; ++k) counts[i++] = 3;
                for (int k = 0; k < it->second.two; ++k) counts[i++] = 2;
            }
            r.shuffle(counts);
            std::vector<Slot> slots(counts.size());
            if (p == kPinnedPaper) {
                auto two = std::find(counts.begin(), counts.end(), 2);
                std::swap(*two, counts[kPinnedIndex]);
                slots[kPinnedIndex].pin = Slot::FractionPair;
                slots[kPinnedIndex].kinds = "NX";
            }
            for (std::size_t i = 0; i < counts.size(); ++i) {
                if (counts[i] == 1 || slots[i].pin != Slot::None) continue;
                const std::string len = std::to_string(counts[i]);
                if (!byLength.count(len))
                    byLength[len] = shapesOfLength(static_cast<std::size_t>(counts[i]));
                auto& list = byLength[len];
                if (list.empty())
                    throw std::logic_error("topic " + std::to_string(t) + " has no family with " +
                                           len + " parts");
                const auto& [fam, shape] = list[turn[len]++ % list.size()];
                slots[i].family = fam;
                slots[i].kinds = shape;
            }
            for (std::size_t i = 0; i < counts.size(); ++i)
                if (counts[i] > 1)
                    for (char k : slots[i].kinds)
                        if (--budget[k] < 0)
                            throw std::logic_error("topic " + std::to_string(t) +
                                                   " runs out of kind " + std::string(1, k));
            papers.push_back(std::move(slots));
        }

        // One-part questions share out what is left of the kind budget.
        std::vector<char> kinds;
        for (char k : kKindOrder)
            for (int i = 0; i < budget[k]; ++i) kinds.push_back(k);
        r.shuffle(kinds);
        std::size_t next = 0;
        for (auto& slots : papers)
            for (auto& s : slots)
                if (s.kinds.empty()) s.kinds = std::string(1, kinds.at(next++));
        if (next != kinds.size())
            throw std::logic_error("topic " + std::to_string(t) +
                                   " kind budget does not match its one-part questions");

        std::map<char, std::vector<const Family*>> singles;
        std::map<char, std::size_t> singleTurn;
        for (char k : kKindOrder) {
            for (const Family* f : topicFamilies)
                if (std::find(f->shapes.begin(), f->shapes.end(), std::string(1, k)) !=
                    f->shapes.end())
                    singles[k].push_back(f);
            r.shuffle(singles[k]);
        }
        for (std::size_t pi = 0; pi < papers.size(); ++pi) {
            const int p = firstPaper + static_cast<int>(pi);
            auto& slots = papers[pi];
            for (std::size_t i = 0; i < slots.size(); ++i) {
                Slot& s = slots[i];
                if (s.kinds.size() != 1 || s.family || s.pin != Slot::None) continue;
                const char k = s.kinds[0];
                if (k == 'N' && p == kTrailingSpacePaper && i >= 8 &&
                    std::none_of(slots.begin(), slots.end(),
                                 [](const Slot& o) { return o.pin == Slot::Litres; })) {
                    s.pin = Slot::Litres;
                    continue;
                }
                if (k == 'N' && p == kTwelveMarkPaper && i >= 5 &&
                    std::none_of(slots.begin(), slots.end(),
                                 [](const Slot& o) { return o.pin == Slot::TwelveMarks; })) {
                    s.pin = Slot::TwelveMarks;
                    s.family =
                        &*std::find_if(families.begin(), families.end(),
                                       [](const Family& f) { return f.name == "alg_puzzle"; });
                    continue;
                }
                auto& list = singles[k];
                if (list.empty())
                    throw std::logic_error("topic " + std::to_string(t) +
                                           " has no one-part family of kind " + std::string(1, k));
                s.family = list[singleTurn[k]++ % list.size()];
            }
        }

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
    std::vector<std::string> bad;
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) bad.push_back(what);
    };
    expect(c.topics == kTopics, "topic names");
    expect(c.papers.size() == 50, "50 papers");
    std::map<int, int> partsExpected = {{110, 34}, {115, 36}, {120, 40}, {122, 36}, {124, 37},
                                        {125, 33}, {126, 32}, {128, 46}, {129, 41}, {131, 33},
                                        {135, 46}, {141, 37}, {145, 50}};
    std::vector<int> allIds;
    std::map<std::size_t, int> byPartCount;
    std::map<char, int> kinds;
    std::map<int, int> markValues;
    bool trailing = false;
    for (std::size_t i = 0; i < c.papers.size(); ++i) {
        const PaperOut& p = c.papers[i];
        const int n = 101 + static_cast<int>(i);
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
        const int wantParts = partsExpected.count(n) ? partsExpected[n] : (n <= 145 ? 30 : 12);
        expect(parts == wantParts, "parts of " + std::to_string(n) + ": " + std::to_string(parts));
        expect(total >= 12 && total <= 79, "total of " + std::to_string(n));
        if (n == 101)
            expect(p.ids.front() == 22032 && p.ids.back() == 22091 && total == 66, "paper 101");
        if (n == 145) expect(total == 79, "paper 145 total");
        if (n == 146) expect(total == 24, "paper 146 total");
    }
    std::vector<int> sorted = allIds;
    std::sort(sorted.begin(), sorted.end());
    expect(
        sorted.size() == 1410 && std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end(),
        "1410 distinct ids");
    expect(!sorted.empty() && sorted.front() >= 20011 && sorted.back() <= 22841, "id range");
    expect(std::find(sorted.begin(), sorted.end(), 20134) != sorted.end(),
           "question 20134 present");
    expect(byPartCount[1] == 1309 && byPartCount[2] == 92 && byPartCount[3] == 8 &&
               byPartCount[4] == 1 && byPartCount.size() == 4,
           "questions by part count");
    expect(kinds['N'] == 1137 && kinds['Q'] == 241 && kinds['T'] == 49 && kinds['F'] == 36 &&
               kinds['R'] == 35 && kinds['X'] == 23 && kinds.size() == 6,
           "kinds");
    expect(markValues[12] == 1 && markValues.size() == 4 && markValues.count(1) &&
               markValues.count(2) && markValues.count(3),
           "marks values");
    expect(trailing, "a key with a trailing space");
    return bad;
}
