// The shared pictures stay inside their figures at the extremes the families may ask of them,
// and draw what they are asked to (hands at the time, bars at their values).

#include "drawing.h"
#include "figure_bounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using figurecheck::outside;

Figure sized(int w, int h) {
    Figure f;
    f.width = w;
    f.height = h;
    return f;
}

TEST(Drawing, NewPicturesStayInsideTheirFigures) {
    for (int hour = 0; hour < 12; ++hour)
        for (int minute = 0; minute < 60; minute += 5) {
            Figure clock = sized(200, 200);
            drawClock(clock, hour, minute);
            EXPECT_EQ(outside(clock), std::vector<std::string>()) << hour << ":" << minute;
        }

    // Two full rows: two weights and a box, then five boxes.
    const std::vector<PanItem> full = {{PanItem::Weight, "20 kg"}, {PanItem::Weight, "10 kg"},
                                       {PanItem::Box, "x"},        {PanItem::Box, "x"},
                                       {PanItem::Box, "x"},        {PanItem::Box, "x"},
                                       {PanItem::Box, "x"},        {PanItem::Box, "x"}};
    for (int height : {160, 200}) {
        Figure balance = sized(300, height);
        drawBalance(balance, full, full);
        EXPECT_EQ(outside(balance), std::vector<std::string>()) << height;
    }
    Figure tooMany = sized(300, 200);
    std::vector<PanItem> eleven(11, {PanItem::Box, "x"});
    EXPECT_THROW(drawBalance(tooMany, eleven, {}), std::logic_error);

    Figure chart = sized(300, 200);
    drawBarChart(chart,
                 {{"Mon", 5},
                  {"Tue", 80},
                  {"Wed", 0},
                  {"Thu", 35},
                  {"Fri", 75},
                  {"Sat", 10},
                  {"Sun", 45},
                  {"Extra", 60}},
                 10, "cars");
    EXPECT_EQ(outside(chart), std::vector<std::string>());

    for (int from : {0, 45, 90, 180, 300})
        for (int span : {10, 60, 130}) {
            Figure angle = sized(300, 200);
            angle.line(100, 100, 200, 100);
            markAngle(angle, 150, 100, from, span, "x");
            markRightAngle(angle, 150, 100, from);
            EXPECT_EQ(outside(angle), std::vector<std::string>()) << from << " " << span;
        }
}

TEST(Drawing, ClockHandsAndBarsShowTheirValues) {
    // The minute hand of 3:40 points at 8, the hour hand two thirds of the way from 3 to 4.
    Figure clock = sized(200, 200);
    drawClock(clock, 3, 40);
    std::vector<double> hands;
    for (const std::string& op : clock.ops)
        if (op.rfind("line 100 100 ", 0) == 0 && op.find("thick") != std::string::npos) {
            std::istringstream in(op.substr(5));
            int x1, y1, x2, y2;
            in >> x1 >> y1 >> x2 >> y2;
            // clockwise from twelve, in degrees
            hands.push_back(std::fmod(std::atan2(x2 - x1, y1 - y2) * 180 / M_PI + 360, 360));
        }
    ASSERT_EQ(hands.size(), 2u);
    EXPECT_NEAR(hands[0], 110, 3);  // hour hand: 3 h 40 min = 110 degrees
    EXPECT_NEAR(hands[1], 240, 3);  // minute hand

    // Bars rise to the gridline of their value: 40 of a 0-40 scale is the top gridline.
    Figure chart = sized(300, 200);
    drawBarChart(chart, {{"A", 40}, {"B", 20}}, 10, "");
    std::vector<int> tops;
    for (const std::string& op : chart.ops)
        if (op.rfind("rect ", 0) == 0) {
            std::istringstream in(op.substr(5));
            int x, y, w, h;
            in >> x >> y >> w >> h;
            tops.push_back(h);
        }
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_NEAR(tops[0], 2 * tops[1], 1);
}

}  // namespace
