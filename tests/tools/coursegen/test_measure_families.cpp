// The Area, Volume and Geometry families over many draws: each writes the shape it is asked
// for under its own name, its pictures stay inside their frames, its choices are four different
// options, and a typed word says how to write it. Draw-dependent faults (a square drawn as a
// rhombus, a loop that never finds its slips) show here before the course is regenerated.

#include "drawing.h"
#include "figure_bounds.h"
#include "families.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

namespace {

// The first primitive that leaves its figure, or an empty text.
std::string firstOutside(const Figure& f) {
    const std::vector<std::string> bad = figurecheck::outside(f);
    return bad.empty() ? std::string() : bad.front();
}

std::vector<std::string> optionTexts(const std::string& html) {
    std::vector<std::string> out;
    for (auto at = html.find("<li>"); at != std::string::npos; at = html.find("<li>", at + 1))
        out.push_back(html.substr(at + 4, html.find("</li>", at) - at - 4));
    return out;
}

TEST(MeasureFamilies, EveryShapeIsWrittenAsAskedWithPicturesInsideAndFourChoices) {
    int families = 0;
    for (const Family& fam : allFamilies()) {
        if (fam.topic < 4 || fam.topic > 6) continue;
        ++families;
        Rng r(0x4D65617375ull + static_cast<std::uint64_t>(families));
        for (const std::string& shape : fam.shapes)
            for (int draw = 0; draw < 60; ++draw) {
                const Question q = fam.gen(r, shape);
                const std::string where = fam.name + " " + shape + " draw " + std::to_string(draw);
                ASSERT_EQ(q.family, fam.name) << where;
                std::string kinds;
                for (const Part& p : q.parts) kinds += p.kind;
                ASSERT_EQ(kinds, shape) << where;
                for (const Figure& f : q.figures) {
                    EXPECT_LE(f.width, 300) << where;
                    EXPECT_LE(f.height, 200) << where;
                    EXPECT_EQ(firstOutside(f), "") << where;
                }
                if (shape == "Q") {
                    const auto opts = optionTexts(q.html);
                    ASSERT_EQ(opts.size(), 4u) << where;
                    EXPECT_EQ(std::set<std::string>(opts.begin(), opts.end()).size(), 4u)
                        << where << ": two options read the same";
                }
                if (shape.find('T') != std::string::npos) {
                    EXPECT_NE(q.html.find("Write "), std::string::npos) << where;
                }
                for (const Part& p : q.parts)
                    if (p.kind == 'N') {
                        EXPECT_TRUE(p.key.find_first_not_of("0123456789.") == std::string::npos &&
                                    p.key.find_first_not_of("0.") != std::string::npos)
                            << where << ": key " << p.key;
                    }
            }
    }
    EXPECT_GE(families, 3 * 42);
}

TEST(MeasureFamilies, WrongOptionsMustBeUsableAsTheyStand) {
    EXPECT_TRUE(distinctWrong(10, {Frac(5), Frac(20), Frac(15, 2)}));
    EXPECT_FALSE(distinctWrong(10, {Frac(5), Frac(10), Frac(15)})) << "the answer itself";
    EXPECT_FALSE(distinctWrong(10, {Frac(5), Frac(5), Frac(15)})) << "twice the same";
    EXPECT_FALSE(distinctWrong(10, {Frac(5), Frac(0), Frac(15)})) << "not positive";
    EXPECT_FALSE(distinctWrong(10, {Frac(5), Frac(1, 3), Frac(15)})) << "no exact decimal";
    EXPECT_FALSE(distinctWrong(10, {Frac(5), Frac(15)})) << "too few";
    // enough: three usable among more, whatever the others are
    EXPECT_TRUE(enoughWrong(10, {Frac(10), Frac(5), Frac(5), Frac(15), Frac(20)}));
    EXPECT_FALSE(enoughWrong(10, {Frac(10), Frac(5), Frac(5), Frac(-15), Frac(1, 3)}));
}

TEST(MeasureFamilies, MarkedTrianglesStayInsideAtTheirExtremes) {
    for (int a = 20; a <= 100; a += 5)
        for (int b = 20; a + b <= 165; b += 5)
            for (int outside = 0; outside < 4; ++outside) {
                Figure f;
                f.width = 300;
                f.height = 200;
                const TriangleCorners t = drawMarkedTriangle(
                    f, a, b, "x", "y", "z", outside & 1 ? "p" : "", outside & 2 ? "q" : "");
                EXPECT_EQ(firstOutside(f), "") << a << " " << b << " " << outside;
                // drawn to its angles: the slope of AC is angle a
                const double slope = std::atan2(t.ay - t.cy, t.cx - t.ax) * 180 / M_PI;
                EXPECT_NEAR(slope, a, 1.5) << a << " " << b;
            }
}

}  // namespace
