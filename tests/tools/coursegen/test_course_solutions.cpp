// The worked solutions and the picture descriptions of the committed course, topic by topic:
// every question is worked through to its key by arithmetic that is true, every multiple-choice
// slip is explained, and every picture can be heard with the numbers written on it.

#include "course_reader.h"
#include "solution_reading.h"

#include "marking/answer_kind.h"
#include "marking/scoring.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace {

const std::vector<course::Paper>& papers() {
    static const std::vector<course::Paper> all = [] {
        std::vector<std::string> errors;
        auto p = course::readPapers(errors);
        for (const auto& e : errors) ADD_FAILURE() << e;
        return p;
    }();
    return all;
}

// The questions of topic t (1 to 10): papers 100 + 5t - 4 to 100 + 5t.
std::vector<const course::Question*> questionsOfTopic(int topic) {
    std::vector<const course::Question*> out;
    for (const auto& paper : papers())
        if ((paper.number - 101) / 5 + 1 == topic)
            for (const auto& q : paper.questions) out.push_back(&q);
    return out;
}

std::string where(const course::Question& q) {
    return "question " + std::to_string(q.id) + " (" + q.family + ")";
}

// Lists the first faults and how many there were, so one run shows the size of the work left.
class Faults {
  public:
    void add(const std::string& fault) {
        if (list_.size() < 25) list_.push_back(fault);
        ++count_;
    }
    void report(const std::string& what) const {
        if (count_ == 0) return;
        std::ostringstream s;
        s << count_ << " " << what << ":\n";
        for (const auto& f : list_) s << "  " << f << "\n";
        ADD_FAILURE() << s.str();
    }

  private:
    std::vector<std::string> list_;
    int count_ = 0;
};

std::vector<std::string> matchesOf(const std::string& html, const std::regex& re, int group = 1) {
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), re); it != std::sregex_iterator();
         ++it)
        out.push_back((*it)[group]);
    return out;
}

const std::regex& finalLine() {
    static const std::regex re(R"re(<p class="final">(Answer(?: \(([a-t])\))?: )(.*?)</p>)re");
    return re;
}

// The steps: the solution without its answer lines and slips.
std::string stepsOf(const std::string& solution) {
    static const std::regex tail(R"re(<p class="(final|slip)">.*?</p>\n?)re");
    return std::regex_replace(solution, tail, "");
}

int stepCount(const std::string& steps) {
    static const std::regex step(R"re(<p>(?!<img)|<table|<pre|<div class="working")re");
    return static_cast<int>(
        std::distance(std::sregex_iterator(steps.begin(), steps.end(), step), std::sregex_iterator()));
}

std::string squeezed(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\u00a0") == 0) {
            out += ' ';
            ++i;
            continue;
        }
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    // A step groups the thousands of a long number ("1 : 25 000"); the key does not ("1:25000").
    auto thousandsGroup = [&](std::size_t i) {
        auto digit = [&](std::size_t k) { return k < out.size() && std::isdigit(static_cast<unsigned char>(out[k])); };
        return i > 0 && digit(i - 1) && digit(i + 1) && digit(i + 2) && digit(i + 3) && !digit(i + 4);
    };
    std::string noColonSpaces;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == ' ' && ((i + 1 < out.size() && out[i + 1] == ':') ||
                              (!noColonSpaces.empty() && noColonSpaces.back() == ':') ||
                              thousandsGroup(i)))
            continue;
        noColonSpaces += out[i];
    }
    return noColonSpaces;
}

bool numberAppears(const std::string& plainSteps, const std::string& key) {
    const auto inSteps = solution::numbersIn(plainSteps);
    const auto inKey = solution::numbersIn(key);
    if (inKey.empty()) return false;
    return std::all_of(inKey.begin(), inKey.end(), [&](const std::string& n) {
        return std::find(inSteps.begin(), inSteps.end(), n) != inSteps.end();
    });
}

void checkWorkedThrough(const course::Question& q, Faults& faults) {
    if (q.solution.empty()) return faults.add(where(q) + ": no solution");
    const std::string steps = stepsOf(q.solution);
    const int count = stepCount(steps);
    if (count < 2 || count > 6)
        faults.add(where(q) + ": " + std::to_string(count) + " steps, not two to six");
    static const std::regex valueSpan(R"re(<span class="value">(.*?)</span>)re");
    std::smatch m;
    std::vector<std::string> finals = matchesOf(q.solution, finalLine(), 0);
    if (finals.size() != q.parts.size())
        return faults.add(where(q) + ": " + std::to_string(finals.size()) + " answer lines for " +
                          std::to_string(q.parts.size()) + " parts");
    QStringList values, keys, kinds, marks;
    const std::string plainSteps = solution::plainText(steps);
    for (std::size_t i = 0; i < finals.size(); ++i) {
        const course::Part& part = q.parts[i];
        std::regex_search(finals[i], m, finalLine());
        const std::string label = m[2];
        const std::string expected = q.parts.size() > 1 ? std::string(1, static_cast<char>('a' + i)) : "";
        if (label != expected) faults.add(where(q) + ": answer line " + m[1].str() + " out of order");
        const std::string line = m[3];
        std::smatch v;
        if (!std::regex_search(line, v, valueSpan)) {
            faults.add(where(q) + ": an answer line without its value");
            continue;
        }
        // What the learner would type: the value as shown, its grouping spaces plain.
        values << QString::fromStdString(solution::plainText(v[1])).replace(QChar(0xa0), QChar(' '));
        keys << QString::fromStdString(part.key);
        kinds << QString(QChar(part.kind));
        marks << QString::number(part.marks);
        // The steps must reach what the answer line says, not only state it.
        std::string reached = part.key;
        if (part.kind == 'Q') {
            static const std::regex chosen(R"re(</span> \((.*)\)$)re");
            std::smatch c;
            reached = std::regex_search(line, c, chosen) ? solution::plainText(c[1]) : "";
        }
        const bool numeric = part.kind == 'N' || (part.kind == 'Q' && !solution::numbersIn(reached).empty() &&
                                                  reached.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos);
        const bool reachedInSteps = numeric ? numberAppears(plainSteps, reached)
                                            : squeezed(plainSteps).find(squeezed(reached)) != std::string::npos;
        if (reached.empty() || !reachedInSteps)
            faults.add(where(q) + ": the steps never reach " + (reached.empty() ? part.key : reached));
    }
    if (values.size() == static_cast<int>(q.parts.size())) {
        QList<AnswerPart> parts;
        for (qsizetype i = 0; i < values.size(); ++i) {
            AnswerPart part;
            part.key = keys[i];
            part.kind = AnswerKindOfLetter(kinds[i]).value_or(AnswerKind::Number);
            part.marks = marks[i].toDouble();
            part.answer = values[i];
            parts.append(part);
        }
        const PaperMarking marked = MarkParts(parts);
        for (qsizetype i = 0; i < marked.verdicts.size(); ++i)
            if (marked.verdicts[i] != Verdict::Right)
                faults.add(where(q) + ": the marking refuses the answer line's value '" +
                           values[i].toStdString() + "' against the key '" + keys[i].toStdString() + "'");
    }
    // A multiple-choice question explains each wrong option, and only those.
    static const std::regex slip(R"re(<p class="slip">Option ([1-4]) )re");
    for (std::size_t i = 0; i < q.parts.size(); ++i) {
        if (q.parts[i].kind != 'Q') continue;
        std::set<std::string> explained;
        for (const auto& n : matchesOf(q.solution, slip)) explained.insert(n);
        std::set<std::string> wrong = {"1", "2", "3", "4"};
        wrong.erase(q.parts[i].key);
        if (explained != wrong) faults.add(where(q) + ": the wrong options are not each explained once");
    }
}

class TopicCheck : public ::testing::TestWithParam<int> {};

TEST_P(TopicCheck, EveryQuestionIsWorkedThroughToItsKey) {
    const auto questions = questionsOfTopic(GetParam());
    ASSERT_FALSE(questions.empty());
    Faults faults;
    for (const auto* q : questions) checkWorkedThrough(*q, faults);
    faults.report("questions not worked through to their keys");
}

TEST_P(TopicCheck, EveryEquationASolutionWritesIsTrue) {
    Faults faults;
    int read = 0;
    static const std::regex timesAsX(R"re(\d\s+x\s+\d)re");
    for (const auto* q : questionsOfTopic(GetParam())) {
        for (const std::string& block : solution::blocks(q->solution)) {
            if (std::regex_search(block, timesAsX))
                faults.add(where(*q) + ": 'x' written for times in \"" + block + "\"");
            for (const auto& e : solution::equations(block)) {
                ++read;
                if (!e.holds()) faults.add(where(*q) + ": \"" + block + "\" is false");
            }
        }
    }
    faults.report("false equations");
    if (!questionsOfTopic(GetParam()).front()->solution.empty()) {
        EXPECT_GT(read, 0);
    }
}

// The words and numbers a picture's description must carry.
struct Described {
    const course::Figure* figure = nullptr;
    std::string description;
    bool inSolution = false;
};

std::vector<Described> describedFigures(const course::Question& q, Faults& faults) {
    std::vector<Described> out;
    for (const auto& f : q.figures) {
        const std::regex img("<img src=\"" + f.name + "\"[^>]*alt=\"([^\"]*)\"");
        std::smatch m;
        if (std::regex_search(q.html, m, img))
            out.push_back({&f, solution::plainText(m[1]), false});
        else if (std::regex_search(q.solution, m, img))
            out.push_back({&f, solution::plainText(m[1]), true});
        else
            faults.add(where(q) + ": " + f.name + " is shown without a description");
    }
    return out;
}

std::vector<std::string> numbersOnFigure(const course::Figure& f) {
    static const std::regex text(R"re(^text -?\d+ -?\d+ [lcr] "(.*)"$)re");
    std::vector<std::string> out;
    for (const auto& op : f.ops) {
        std::smatch m;
        if (!std::regex_match(op, m, text)) continue;
        for (const auto& n : solution::numbersIn(m[1])) out.push_back(n);
    }
    return out;
}

TEST_P(TopicCheck, EveryPictureCanBeHeardWithTheNumbersWrittenOnIt) {
    Faults faults;
    for (const auto* q : questionsOfTopic(GetParam())) {
        const std::string questionText = solution::plainText(q->html);
        for (const Described& d : describedFigures(*q, faults)) {
            const std::string name = where(*q) + " " + d.figure->name;
            if (solution::wordCount(d.description) < 8)
                faults.add(name + ": \"" + d.description + "\" is shorter than eight words");
            const auto said = solution::numbersIn(d.description);
            std::set<std::string> missing;
            for (const auto& n : numbersOnFigure(*d.figure))
                if (std::find(said.begin(), said.end(), n) == said.end()) missing.insert(n);
            for (const auto& n : missing) faults.add(name + ": the description leaves out " + n);
            if (d.inSolution) continue;
            // A picture that does not show the answer must not be described with it.
            const auto onFigure = numbersOnFigure(*d.figure);
            const auto inText = solution::numbersIn(questionText);
            for (const auto& part : q->parts) {
                if (part.kind != 'N') continue;
                const auto key = solution::numbersIn(part.key);
                if (key.size() != 1 || key[0].size() < 2) continue;
                const bool shown = std::find(onFigure.begin(), onFigure.end(), key[0]) != onFigure.end() ||
                                   std::find(inText.begin(), inText.end(), key[0]) != inText.end();
                if (!shown && std::find(said.begin(), said.end(), key[0]) != said.end())
                    faults.add(name + ": the description gives away the answer " + part.key);
            }
        }
    }
    faults.report("pictures that cannot be heard");
}

std::string topicName(const ::testing::TestParamInfo<int>& info) {
    static const char* names[] = {"WholeNumbers", "Decimals",  "Fractions", "AreaAndPerimeter",
                                  "Volume",       "Geometry",  "Percentage", "Ratio",
                                  "Rate",         "Algebra"};
    return names[info.param - 1];
}

INSTANTIATE_TEST_SUITE_P(Topic, TopicCheck, ::testing::Range(1, 11), topicName);

std::optional<double> optionValue(const std::string& option) {
    const auto n = solution::numbersIn(option);
    if (n.size() != 1) return std::nullopt;
    const auto slash = n[0].find('/');
    return slash == std::string::npos ? std::stod(n[0])
                                      : std::stod(n[0].substr(0, slash)) / std::stod(n[0].substr(slash + 1));
}

// A multiple-choice option must be a value the question could have: no angle of a triangle of
// 180° or more, no probability outside 0 to 1, no length, area, volume or sum of money that is
// not positive.
TEST(CourseTeaching, EveryOptionIsAValueTheQuestionCouldHave) {
    static const std::regex option(R"re(<li>(.*?)</li>)re");
    Faults faults;
    for (const auto& paper : papers())
        for (const auto& q : paper.questions) {
            if (q.parts.size() != 1 || q.parts[0].kind != 'Q') continue;
            const std::string text = solution::plainText(q.html);
            auto mentions = [&](const char* w) { return text.find(w) != std::string::npos; };
            for (const std::string& o : matchesOf(q.html, option)) {
                const std::string plain = solution::plainText(o);
                const auto v = optionValue(plain);
                if (!v) continue;
                const bool degrees = plain.find("°") != std::string::npos;
                if (plain.find("−") != std::string::npos || plain.find('-') == 0)
                    faults.add(where(q) + ": a negative option " + plain);
                if (degrees && (mentions("triangle") || mentions("straight line")) && *v >= 180)
                    faults.add(where(q) + ": " + plain + " cannot be an angle here");
                if (degrees && *v >= 360 && !mentions("sum") && !mentions("add up") && !mentions("total"))
                    faults.add(where(q) + ": " + plain + " is a whole turn or more");
                if (mentions("probability") && !degrees && (*v < 0 || *v > 1) &&
                    plain.find('%') == std::string::npos)
                    faults.add(where(q) + ": " + plain + " cannot be a probability");
                if (*v <= 0 && !degrees) faults.add(where(q) + ": " + plain + " is not positive");
            }
        }
    faults.report("options no answer could be");
}

// Times of day are written one way, in texts, solutions and keys: "3.05 pm".
TEST(CourseTeaching, TimesOfDayAreWrittenOneWay) {
    static const std::regex anyTime(
        R"re(\b\d{1,2}(?:[.:]\d{2})?\s?(?:am|pm|AM|PM|a\.m\.|p\.m\.|noon|midnight)\b)re");
    static const std::regex houseStyle(R"re(^\d{1,2}\.\d{2} (am|pm)$)re");
    Faults faults;
    int seen = 0;
    for (const auto& paper : papers())
        for (const auto& q : paper.questions) {
            std::string all = solution::plainText(q.html + " " + q.solution);
            for (const auto& p : q.parts) all += " " + p.key + " ";
            std::string spaced;
            for (std::size_t i = 0; i < all.size(); ++i) {
                if (all.compare(i, 2, "\u00a0") == 0) {
                    spaced += ' ';
                    ++i;
                } else {
                    spaced += all[i];
                }
            }
            for (const auto& t : matchesOf(spaced, anyTime, 0)) {
                ++seen;
                if (!std::regex_match(t, houseStyle)) faults.add(where(q) + ": \"" + t + "\"");
            }
        }
    faults.report("times written another way");
    EXPECT_GT(seen, 0);
}

// A question's wording with its numbers and names taken out: two questions worded alike differ
// only in those.
std::string wording(const course::Question& q) {
    std::string text = solution::plainText(q.html);
    static const std::regex img(R"re(<img[^>]*>)re");
    text = std::regex_replace(text, std::regex(R"re([0-9][0-9.,/\xc2\xa0]*)re"), "#");
    text = std::regex_replace(text, std::regex(R"re(([a-z,;] )[A-Z][a-z]+)re"), "$1N");
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A paper never asks the same thing in the same words more than twice.
TEST(CourseTeaching, NoWordingMoreThanTwiceInAPaper) {
    Faults faults;
    for (const auto& paper : papers()) {
        std::map<std::string, std::vector<int>> seen;
        for (const auto& q : paper.questions) seen[wording(q)].push_back(q.id);
        for (const auto& [text, ids] : seen)
            if (ids.size() > 2) {
                std::string list;
                for (int id : ids) list += " " + std::to_string(id);
                faults.add("paper " + std::to_string(paper.number) + ":" + list + " are worded alike");
            }
    }
    faults.report("papers with a wording more than twice");
}

// The equation reader itself: it must find what is false, and leave alone what is not a sum.
TEST(SolutionReading, TheEquationCheckTellsTrueFromFalse) {
    auto verdicts = [](const std::string& html) {
        std::vector<bool> out;
        for (const auto& block : solution::blocks(html))
            for (const auto& e : solution::equations(block)) out.push_back(e.holds());
        return out;
    };
    using V = std::vector<bool>;
    EXPECT_EQ(verdicts("<p>Area = 12&nbsp;cm &times; 5&nbsp;cm = 60&nbsp;cm&sup2;</p>"), V{true});
    EXPECT_EQ(verdicts("<p>12 &times; 5 = 61</p>"), V{false});
    EXPECT_EQ(verdicts("<p>3/4 + 1/8 = 6/8 + 1/8 = 7/8</p>"), V{true});
    EXPECT_EQ(verdicts("<p>3/4 + 1/8 = 6/8 + 1/8 = 5/8</p>"), V{false});
    EXPECT_EQ(verdicts("<p>2 1/3 + 1 1/2 = 3 5/6</p>"), V{true});
    EXPECT_EQ(verdicts("<p>Cost = 3 &times; $4.50 = $13.50</p>"), V{true});
    EXPECT_EQ(verdicts("<p>(12 + 8) &times; 2 = 40, and 40 &minus; 1 = 38</p>"), (V{true, false}));
    EXPECT_EQ(verdicts("<p>5&sup3; = 5 &times; 5 &times; 5 = 125</p>"), V{true});
    EXPECT_EQ(verdicts("<p>24&nbsp;118 + 1 = 24&nbsp;119</p>"), V{true});
    EXPECT_EQ(verdicts("<p>7/20 &times; 100 = 35%</p>"), V{true});
    EXPECT_EQ(verdicts("<p>12 &divide; 4 + 2 &times; 3 = 9</p>"), V{true});
    EXPECT_EQ(verdicts("<p>2&nbsp;kg = 2 &times; 1000&nbsp;g = 2000&nbsp;g</p>"), V{true});
    EXPECT_EQ(verdicts("<p>4.5 &minus; 1.75 = 2.75</p><p>0.3 &times; 0.2 = 0.6</p>"), (V{true, false}));
    // Not sums: mixed units, clock times, algebra, a percentage of an amount.
    EXPECT_EQ(verdicts("<p>1 h 30 min + 45 min = 2 h 15 min</p>"), V{});
    EXPECT_EQ(verdicts("<p>10.45 am + 30 minutes = 11.15 am</p>"), V{});
    EXPECT_EQ(verdicts("<p>2x + 5 = 17</p>"), V{});
    EXPECT_EQ(verdicts("<p>25% of 80 = 20</p>"), V{});
}

TEST(SolutionReading, NumbersAreReadAsAPictureWritesThem) {
    using S = std::vector<std::string>;
    EXPECT_EQ(solution::numbersIn("10 769 seats, 2.50 m and 3/4"), (S{"10769", "5/2", "3", "4"}));
    const auto scale = solution::numbersIn("a scale from 0 to 300 in steps of 50");
    for (const char* n : {"0", "50", "150", "300"})
        EXPECT_NE(std::find(scale.begin(), scale.end(), n), scale.end()) << n;
    EXPECT_EQ(solution::wordCount("bar chart of books borrowed each day"), 7);
}

}  // namespace
