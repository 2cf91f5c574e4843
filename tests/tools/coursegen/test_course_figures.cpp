// The committed course holds the figures the program's tables and results templates rely on,
// and every question is well formed for the learner and the package builder.

#include "course_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <regex>
#include <set>
#include <sstream>

namespace {

struct Loaded {
    std::vector<course::Paper> papers;
    std::vector<std::string> errors;
};

const Loaded& loaded() {
    static const Loaded l = [] {
        Loaded x;
        x.papers = course::readPapers(x.errors);
        return x;
    }();
    return l;
}

int partCount(const course::Paper& p) {
    int n = 0;
    for (const auto& q : p.questions) n += static_cast<int>(q.parts.size());
    return n;
}

int totalMarks(const course::Paper& p) {
    int n = 0;
    for (const auto& q : p.questions)
        for (const auto& pt : q.parts) n += pt.marks;
    return n;
}

long long gcdOf(long long a, long long b) {
    return b == 0 ? a : gcdOf(b, a % b);
}

TEST(CourseFigures, CatalogueNamesTheCourseAndItsTenTopics) {
    std::vector<std::string> errors;
    const auto c = course::readCatalogue(errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(c.title, "Home Maths Quiz");
    EXPECT_EQ(c.code, "HM");
    ASSERT_EQ(c.modules.size(), 1u);
    EXPECT_EQ(c.modules.begin()->first, 2);
    EXPECT_EQ(c.modules.begin()->second, "Practice");
    const std::vector<std::string> topics = {
        "Whole Numbers",  "Decimals", "Fractions",  "Area and Perimeter",
        "Volume",         "Geometry", "Percentage", "Ratio and Proportions",
        "Rate and Speed", "Algebra"};
    EXPECT_EQ(c.topics, topics);
}

TEST(CourseFigures, PapersReadWithoutError) {
    for (const auto& e : loaded().errors) ADD_FAILURE() << e;
    EXPECT_EQ(loaded().papers.size(), 50u);
}

TEST(CourseFigures, QuestionIdsAndCounts) {
    std::vector<int> ids;
    for (const auto& p : loaded().papers) {
        EXPECT_EQ(p.questions.size(), p.number <= 145 ? 30u : 12u) << p.number;
        for (const auto& q : p.questions) ids.push_back(q.id);
    }
    ASSERT_EQ(ids.size(), 1410u);
    std::vector<int> sorted = ids;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end())
        << "a question id is used twice";
    EXPECT_GE(sorted.front(), 20011);
    EXPECT_LE(sorted.back(), 22841);
    EXPECT_LT(sorted.back() - sorted.front() + 1, 2831 + 1);
    EXPECT_GT(sorted.back() - sorted.front() + 1, 1410) << "the ids should leave gaps";
    const auto& p101 = loaded().papers.front();
    EXPECT_EQ(p101.questions.front().id, 22032);
    EXPECT_EQ(p101.questions.back().id, 22091);
}

TEST(CourseFigures, PartsPerPaperAndPerQuestion) {
    const std::map<int, int> special = {{110, 34}, {115, 36}, {120, 40}, {122, 36}, {124, 37},
                                        {125, 33}, {126, 32}, {128, 46}, {129, 41}, {131, 33},
                                        {135, 46}, {141, 37}, {145, 50}};
    std::map<std::size_t, int> byParts;
    for (const auto& p : loaded().papers) {
        const int want =
            special.count(p.number) ? special.at(p.number) : (p.number <= 145 ? 30 : 12);
        EXPECT_EQ(partCount(p), want) << "paper " << p.number;
        for (const auto& q : p.questions) ++byParts[q.parts.size()];
    }
    EXPECT_EQ(byParts[1], 1309);
    EXPECT_EQ(byParts[2], 92);
    EXPECT_EQ(byParts[3], 8);
    EXPECT_EQ(byParts[4], 1);
    EXPECT_EQ(byParts.size(), 4u);
}

TEST(CourseFigures, KindsAndMarks) {
    std::map<char, int> kinds;
    std::map<int, int> marks;
    int minTotal = 1000;
    int maxTotal = 0;
    for (const auto& p : loaded().papers) {
        for (const auto& q : p.questions)
            for (const auto& pt : q.parts) {
                ++kinds[pt.kind];
                ++marks[pt.marks];
            }
        const int t = totalMarks(p);
        minTotal = std::min(minTotal, t);
        maxTotal = std::max(maxTotal, t);
        EXPECT_GE(t, 12) << p.number;
        EXPECT_LE(t, 79) << p.number;
    }
    const std::map<char, int> wantKinds = {{'N', 1137}, {'Q', 241}, {'T', 49},
                                           {'F', 36},   {'R', 35},  {'X', 23}};
    EXPECT_EQ(kinds, wantKinds);
    EXPECT_EQ(marks[12], 1);
    EXPECT_EQ(marks.size(), 4u) << "marks are 1, 2, 3 and one 12";
    EXPECT_GT(marks[1], 0);
    EXPECT_GT(marks[2], 0);
    EXPECT_GT(marks[3], 0);
    EXPECT_EQ(minTotal, 12);
    EXPECT_EQ(maxTotal, 79);
}

TEST(CourseFigures, NamedPapersAndQuestions) {
    const auto& papers = loaded().papers;
    ASSERT_EQ(papers.size(), 50u);
    EXPECT_EQ(partCount(papers[0]), 30);
    EXPECT_EQ(totalMarks(papers[0]), 66);
    EXPECT_EQ(papers[44].questions.size(), 30u);
    EXPECT_EQ(partCount(papers[44]), 50);
    EXPECT_EQ(totalMarks(papers[44]), 79);
    EXPECT_EQ(papers[45].questions.size(), 12u);
    EXPECT_EQ(totalMarks(papers[45]), 24);

    int found = 0;
    bool trailing = false;
    for (const auto& p : papers)
        for (const auto& q : p.questions) {
            if (q.id == 20134) {
                ++found;
                ASSERT_EQ(q.parts.size(), 2u);
                EXPECT_EQ(q.parts[0].key, "25");
                EXPECT_EQ(q.parts[0].kind, 'N');
                EXPECT_EQ(q.parts[1].key, "1 1/3");
                EXPECT_EQ(q.parts[1].kind, 'X');
            }
            for (const auto& pt : q.parts)
                if (pt.key == "36000 " && pt.kind == 'N') trailing = true;
        }
    EXPECT_EQ(found, 1);
    EXPECT_TRUE(trailing) << "no key stored as '36000 '";
}

// Keys in the form their kind is marked by, so a right answer typed the asked way matches.
TEST(CourseFigures, KeysHaveTheFormOfTheirKind) {
    const std::regex number(R"(^-?\d+(\.\d+)?$)");
    const std::regex fraction(R"(^(\d+)/(\d+)$)");
    const std::regex mixed(R"(^(\d+) (\d+)/(\d+)$)");
    const std::regex ratio(R"(^\d+(:\d+){1,2}$)");
    for (const auto& p : loaded().papers)
        for (const auto& q : p.questions)
            for (const auto& pt : q.parts) {
                const std::string where = std::to_string(q.id) + " key '" + pt.key + "'";
                std::smatch m;
                switch (pt.kind) {
                    case 'N': {
                        std::string k = pt.key;
                        while (!k.empty() && k.back() == ' ') k.pop_back();
                        EXPECT_TRUE(std::regex_match(k, number)) << where;
                        EXPECT_TRUE(k.front() != '-' &&
                                    k.find_first_not_of("0.") != std::string::npos)
                            << where << ": answers are positive";
                        if (k.find('.') != std::string::npos) {
                            EXPECT_NE(k.back(), '0') << where;
                        }
                        break;
                    }
                    case 'Q':
                        EXPECT_TRUE(pt.key.size() == 1 && pt.key[0] >= '1' && pt.key[0] <= '4')
                            << where;
                        break;
                    case 'F':
                        ASSERT_TRUE(std::regex_match(pt.key, m, fraction)) << where;
                        EXPECT_EQ(gcdOf(std::stoll(m[1]), std::stoll(m[2])), 1) << where;
                        EXPECT_GT(std::stoll(m[2]), 1) << where;
                        break;
                    case 'X':
                        ASSERT_TRUE(std::regex_match(pt.key, m, mixed)) << where;
                        EXPECT_GT(std::stoll(m[1]), 0) << where;
                        EXPECT_LT(std::stoll(m[2]), std::stoll(m[3])) << where;
                        EXPECT_EQ(gcdOf(std::stoll(m[2]), std::stoll(m[3])), 1) << where;
                        break;
                    case 'R': {
                        ASSERT_TRUE(std::regex_match(pt.key, ratio)) << where;
                        long long g = 0;
                        std::stringstream s(pt.key);
                        std::string v;
                        while (std::getline(s, v, ':')) g = gcdOf(g, std::stoll(v));
                        EXPECT_EQ(g, 1) << where << " is not in its simplest form";
                        break;
                    }
                    case 'T':
                        EXPECT_FALSE(pt.key.empty() || pt.key.front() == ' ' ||
                                     pt.key.back() == ' ')
                            << where;
                        break;
                    default:
                        ADD_FAILURE() << where << " has unknown kind " << pt.kind;
                }
                EXPECT_GE(pt.marks, 1) << where;
            }
}

// What the learner sees: how to answer, four numbered choices, pictures that exist and fit.
TEST(CourseFigures, QuestionsTellHowToAnswerAndTheirPicturesFit) {
    const std::regex img(R"re(<img src="([^"]+)")re");
    const std::regex op(R"(^(line|poly|rect|circle|arc|text|colour)\b)");
    for (const auto& p : loaded().papers)
        for (const auto& q : p.questions) {
            const std::string where = "question " + std::to_string(q.id);
            EXPECT_FALSE(q.family.empty()) << where;
            ASSERT_FALSE(q.parts.empty()) << where;
            EXPECT_LE(q.parts.size(), 20u) << where;
            const auto options = q.html.find("<ol class=\"options\">");
            if (q.parts.size() == 1 && q.parts[0].kind == 'Q') {
                ASSERT_NE(options, std::string::npos) << where;
                const auto end = q.html.find("</ol>", options);
                int items = 0;
                for (auto at = q.html.find("<li>", options); at != std::string::npos && at < end;
                     at = q.html.find("<li>", at + 1))
                    ++items;
                EXPECT_EQ(items, 4) << where;
            } else if (q.parts.size() == 1) {
                EXPECT_EQ(options, std::string::npos) << where;
                EXPECT_NE(q.html.find("<p class=\"answer\">"), std::string::npos) << where;
            } else {
                EXPECT_NE(q.html.find("<div class=\"parts\">"), std::string::npos) << where;
                for (std::size_t i = 0; i < q.parts.size(); ++i)
                    EXPECT_NE(q.html.find(std::string("(") + static_cast<char>('a' + i) + ")"),
                              std::string::npos)
                        << where;
            }
            for (const auto& pt : q.parts) {
                std::string asks;
                switch (pt.kind) {
                    case 'F':
                    case 'R':
                        asks = "simplest form";
                        break;
                    case 'X':
                        asks = "mixed number";
                        break;
                    case 'T':
                        asks = "Write ";
                        break;
                    default:
                        break;
                }
                EXPECT_NE(q.html.find(asks), std::string::npos)
                    << where << " does not say how to write the answer";
                EXPECT_EQ(q.html.find("for example " + pt.key + "."), std::string::npos)
                    << where << ": the example gives the answer away";
            }
            for (unsigned char c : q.html)
                EXPECT_LT(c, 0x80) << where << ": the HTML should use entities";

            std::set<std::string> referenced;
            for (std::sregex_iterator it(q.html.begin(), q.html.end(), img), end; it != end; ++it)
                referenced.insert((*it)[1]);
            std::set<std::string> drawn;
            for (const auto& f : q.figures) {
                drawn.insert(f.name);
                EXPECT_LE(f.width, 300) << where;
                EXPECT_LE(f.height, 200) << where;
                EXPECT_FALSE(f.ops.empty()) << where;
                for (const auto& o : f.ops) {
                    EXPECT_TRUE(std::regex_search(o, op)) << where << ": " << o;
                    std::istringstream nums(o.substr(o.find(' ') + 1));
                    std::vector<int> v;
                    for (int n = 0; nums >> n;) v.push_back(n);
                    auto inside = [&](int x, int y) {
                        return x >= 0 && x <= f.width && y >= 0 && y <= f.height;
                    };
                    if (o.rfind("line ", 0) == 0 || o.rfind("poly ", 0) == 0) {
                        for (std::size_t k = 0; k + 1 < v.size(); k += 2)
                            EXPECT_TRUE(inside(v[k], v[k + 1])) << where << ": " << o;
                    } else if (o.rfind("rect ", 0) == 0 && v.size() >= 4) {
                        EXPECT_TRUE(inside(v[0], v[1]) && inside(v[0] + v[2], v[1] + v[3]))
                            << where << ": " << o;
                    } else if (o.rfind("circle ", 0) == 0 && v.size() >= 3) {
                        EXPECT_TRUE(inside(v[0] - v[2], v[1] - v[2]) &&
                                    inside(v[0] + v[2], v[1] + v[2]))
                            << where << ": " << o;
                    } else if (o.rfind("arc ", 0) == 0 && v.size() >= 5) {
                        for (int a = v[3]; a <= v[3] + v[4];
                             a += 5) {  // points along the arc, anticlockwise from 3 o'clock
                            const double t = a * 3.14159265358979 / 180.0;
                            EXPECT_TRUE(inside(static_cast<int>(v[0] + v[2] * std::cos(t)),
                                               static_cast<int>(v[1] - v[2] * std::sin(t))))
                                << where << ": " << o;
                        }
                    }
                    if (o.rfind("text ", 0) == 0) {
                        std::istringstream in(o.substr(5));
                        int x = 0;
                        int y = 0;
                        in >> x >> y;
                        EXPECT_TRUE(x >= 0 && x <= f.width && y >= 0 && y <= f.height)
                            << where << ": " << o;
                    }
                }
            }
            EXPECT_EQ(referenced, drawn) << where;
        }
}

// Whether the segment from (x1, y1) to (x2, y2) enters the box (clipped as Liang and Barsky do).
bool segmentMeetsBox(double x1, double y1, double x2, double y2, double left, double top,
                     double right, double bottom) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// No label of a picture is struck through by a line or an arc drawn in a dark pen: an arm over
// a protractor's 0, a clock hand over its 8, an angle's size on its own arc. Labels are boxes of
// 7.5 px a character and the height of a digit; faint grid lines may pass behind them.
TEST(CourseFigures, NoLabelIsStruckThroughByALine) {
    struct Label {
        double left, top, right, bottom;
        std::string text;
    };
    const std::regex textOp(R"re(^text (-?\d+) (-?\d+) ([lcr]) "(.*)"$)re");
    for (const auto& p : loaded().papers)
        for (const auto& q : p.questions)
            for (const auto& f : q.figures) {
                std::vector<Label> labels;
                for (const auto& o : f.ops) {
                    std::smatch m;
                    if (!std::regex_match(o, m, textOp)) continue;
                    int chars = 0;
                    for (unsigned char c : m[4].str()) chars += (c & 0xC0) != 0x80;
                    const double w = chars * 7.5;
                    const double x = std::stod(m[1]);
                    const double y = std::stod(m[2]);
                    const double left = m[3] == "l" ? x : m[3] == "c" ? x - w / 2 : x - w;
                    labels.push_back({left + 1, y - 5, left + w - 1, y + 5, m[4]});
                }
                bool dark = true;
                for (const auto& o : f.ops) {
                    std::istringstream in(o);
                    std::string kind;
                    in >> kind;
                    if (kind == "colour") {
                        std::string hex;
                        in >> hex;
                        const long rgb = std::stol(hex.substr(1), nullptr, 16);
                        const double light =
                            0.299 * (rgb >> 16) + 0.587 * ((rgb >> 8) & 255) + 0.114 * (rgb & 255);
                        dark = light < 0.55 * 255;
                        continue;
                    }
                    if (!dark || (kind != "line" && kind != "arc")) continue;
                    std::vector<double> v;
                    for (double n; in >> n;) v.push_back(n);
                    for (const auto& l : labels) {
                        bool struck = false;
                        if (kind == "line" && v.size() >= 4) {
                            struck = segmentMeetsBox(v[0], v[1], v[2], v[3], l.left, l.top, l.right,
                                                     l.bottom);
                        } else if (kind == "arc" && v.size() >= 5) {
                            for (double a = v[3]; a <= v[3] + v[4] && !struck; a += 1) {
                                const double t = a * 3.14159265358979 / 180.0;
                                const double x = v[0] + v[2] * std::cos(t);
                                const double y = v[1] - v[2] * std::sin(t);
                                struck = x >= l.left && x <= l.right && y >= l.top && y <= l.bottom;
                            }
                        }
                        EXPECT_FALSE(struck) << "question " << q.id << " (" << q.family << "): \""
                                             << l.text << "\" under " << o;
                    }
                }
            }
}


// No two labels of a picture overlap: "77°" printed over the "x" beside it reads as neither.
// Labels are boxes of 7.5 px a character and the height of a digit, as above.
TEST(CourseFigures, NoTwoLabelsOfAPictureOverlap) {
    const std::regex textOp(R"re(^text (-?\d+) (-?\d+) ([lcr]) "(.*)"$)re");
    struct Box {
        double left, top, right, bottom;
        std::string text;
    };
    for (const auto& p : loaded().papers)
        for (const auto& q : p.questions)
            for (const auto& f : q.figures) {
                std::vector<Box> boxes;
                for (const auto& o : f.ops) {
                    std::smatch m;
                    if (!std::regex_match(o, m, textOp)) continue;
                    int chars = 0;
                    for (unsigned char c : m[4].str()) chars += (c & 0xC0) != 0x80;
                    const double w = chars * 7.5;
                    const double x = std::stod(m[1]);
                    const double y = std::stod(m[2]);
                    const double left = m[3] == "l" ? x : m[3] == "c" ? x - w / 2 : x - w;
                    const Box b{left + 1, y - 5, left + w - 1, y + 5, m[4]};
                    for (const Box& o : boxes)
                        EXPECT_FALSE(b.left < o.right && o.left < b.right && b.top < o.bottom &&
                                     o.top < b.bottom)
                            << "question " << q.id << " (" << q.family << ") " << f.name << ": \""
                            << b.text << "\" over \"" << o.text << "\"";
                    boxes.push_back(b);
                }
            }
}

// Two arcs of one picture never touch: an angle's arc running into its neighbour's reads as one
// angle, and so do two arcs only a few pixels apart where they meet a shared arm. Arcs are
// sampled every quarter degree; their nearest points stay 7 px apart.
TEST(CourseFigures, NoTwoArcsOfAPictureTouch) {
    struct Arc {
        double cx, cy, r, from, span;
    };
    auto points = [](const Arc& a) {
        std::vector<std::pair<double, double>> pts;
        const int steps = std::max(1, static_cast<int>(std::ceil(a.span * 4)));
        for (int k = 0; k <= steps; ++k) {
            const double t = (a.from + a.span * k / steps) * 3.14159265358979 / 180.0;
            pts.emplace_back(a.cx + a.r * std::cos(t), a.cy - a.r * std::sin(t));
        }
        return pts;
    };
    int pairs = 0;
    for (const auto& p : loaded().papers)
        for (const auto& q : p.questions)
            for (const auto& f : q.figures) {
                std::vector<Arc> arcs;
                for (const auto& o : f.ops) {
                    if (o.rfind("arc ", 0) != 0) continue;
                    std::istringstream in(o.substr(4));
                    Arc a{};
                    if (in >> a.cx >> a.cy >> a.r >> a.from >> a.span) arcs.push_back(a);
                }
                for (std::size_t i = 0; i < arcs.size(); ++i)
                    for (std::size_t j = 0; j < i; ++j) {
                        ++pairs;
                        const auto a = points(arcs[i]), b = points(arcs[j]);
                        double nearest = 1e9;
                        for (const auto& [ax, ay] : a)
                            for (const auto& [bx, by] : b)
                                nearest = std::min(nearest, std::hypot(ax - bx, ay - by));
                        EXPECT_GE(nearest, 7.0)
                            << "question " << q.id << " (" << q.family << ") " << f.name
                            << ": two arcs " << nearest << " px apart";
                    }
            }
    EXPECT_GT(pairs, 0);
}

}  // namespace
