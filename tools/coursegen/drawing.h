#pragma once
// Pictures the families share. Every picture fits in 300 x 200 pixels.

#include "question.h"

#include <string>
#include <utility>
#include <vector>

// A rectangle with its width labelled below and its height on the right.
void drawRectangle(Figure& f, int w, int h, const std::string& wLabel, const std::string& hLabel);
// An L-shape: a w x h rectangle with a cw x ch notch cut from its top-right corner.
void drawLShape(Figure& f, int w, int h, int cw, int ch, const std::string& unit);
// A triangle with base b and perpendicular height h, apex at fraction `apex` of the base.
void drawTriangle(Figure& f, int b, int h, const std::string& unit);
// A cuboid drawn in oblique projection with its three edges labelled.
void drawCuboid(Figure& f, int l, int w, int h, const std::string& unit);
// The same cuboid with any labels on its length, width and height ("? cm", "x", "" for none).
void drawCuboidLabelled(Figure& f, int l, int w, int h, const std::string& lLabel,
                        const std::string& wLabel, const std::string& hLabel);
// A straight line with rays from one point; angles in degrees between the rays (sum 180),
// labels for each angle in order from the right; an angle labelled "" gets no arc.
void drawAnglesOnLine(Figure& f, const std::vector<int>& angles,
                      const std::vector<std::string>& labels);
// Rays from one point, angles in degrees summing to 360, labelled in order anticlockwise; an
// angle labelled "" gets no arc.
void drawAnglesAtPoint(Figure& f, const std::vector<int>& angles,
                       const std::vector<std::string>& labels);
// The eight-point compass rose.
void drawCompass(Figure& f);
// The net of an l x w x h cuboid (cross shape) with its lengths labelled.
void drawCuboidNet(Figure& f, int l, int w, int h, const std::string& unit);

// A parallelogram with base b, perpendicular height h and slanted side labelled `side`.
void drawParallelogram(Figure& f, int b, int h, int side, const std::string& unit);
// A square of side s with a c x c square cut from each corner.
void drawCutCorners(Figure& f, int s, int c, const std::string& unit);
// A right angle split by a ray: angle a (labelled la) from the horizontal arm, the rest lb.
void drawRightAngleSplit(Figure& f, int a, const std::string& la, const std::string& lb);

// A rows x cols grid of equal squares; cells listed row by row, true where shaded.
void drawGrid(Figure& f, int rows, int cols, const std::vector<bool>& shaded);
// `cells` squares with `shaded` of them shaded at random places, for drawGrid.
std::vector<bool> shadeSome(Rng& r, int cells, int shaded);

// A square grid (7 x 6 crossing points) with two labelled places at crossing points, given
// with x to the east and y to the north, and a north arrow.
void drawMapGrid(Figure& f, int ax, int ay, const std::string& a, int bx, int by,
                 const std::string& b);

// A number line of `intervals` equal steps with the two end ticks labelled and an arrow
// pointing at tick `arrowAt`.
void drawNumberLine(Figure& f, int intervals, const std::string& first, const std::string& last,
                    int arrowAt);

// A clock face with minute marks and the numbers 1 to 12, its hands showing hour:minute. The
// face fills the smaller side of the figure (at least 160 x 160 px); the hands stop short of
// the numbers.
void drawClock(Figure& f, int hour, int minute);

// One thing on a pan of a balance: a box (an unknown, labelled "x" or "?"), a weight (labelled
// "10 kg") or a bag (labelled with its contents).
struct PanItem {
    enum Shape { Box, Weight, Bag } shape = Box;
    std::string label;
};
// A level pan balance with things on each pan, in the order given, in at most two rows a pan (a
// row holds five boxes, or two weights and a box; boxes are 24 px, weights and bags 48 px, 4 px
// apart, 136 px a row). Throws when a pan holds more. Figure 300 px wide, 160 to 200 px high.
void drawBalance(Figure& f, const std::vector<PanItem>& left, const std::vector<PanItem>& right);

// A bar chart: one bar a category, the scale up the left in steps of `step` (gridlines at each
// step), the unit of the scale above it. Draw values that are whole steps or half steps so they
// can be read; at most eight bars. Figure 300 x 200 px.
void drawBarChart(Figure& f, const std::vector<std::pair<std::string, int>>& bars, int step,
                  const std::string& scaleUnit);

// An HTML table (for QB::raw): a heading row, then the rows; cells are HTML.
std::string tableHtml(const std::vector<std::string>& head,
                      const std::vector<std::vector<std::string>>& rows);

// Marks an angle at (cx, cy): an arc from direction `fromDeg` turning `spanDeg` anticlockwise
// (degrees from 3 o'clock, as Figure::arc) and its letter or size on the bisector, clear of the
// arc and, for an angle under 180 degrees, of both arms.
// The arc moves out from `radius` where it would come within a few pixels of an arc already
// drawn, so two neighbouring angles never read as one; angle diagrams stagger theirs 10 px.
void markAngle(Figure& f, int cx, int cy, int fromDeg, int spanDeg, const std::string& label,
               int radius = 24);
// Marks a right angle at (cx, cy) between direction `fromDeg` and the one 90 degrees on.
void markRightAngle(Figure& f, int cx, int cy, int fromDeg, int size = 12);

std::string deg(int d);  // "65°" in the file's UTF-8

// The corners of a regular n-sided polygon round (cx, cy), the first at `startDeg` (degrees
// anticlockwise from 3 o'clock), going anticlockwise.
std::vector<std::pair<int, int>> regularCorners(int n, int cx, int cy, int radius, double startDeg);
// Small strokes across the middle of a side, the mark of sides of equal length.
void equalSideMarks(Figure& f, int x1, int y1, int x2, int y2, int strokes = 1);
// A label beside the middle of a side, pushed away from the point (cx, cy) inside the shape.
void sideLabel(Figure& f, int x1, int y1, int x2, int y2, int cx, int cy, const std::string& text,
               int gap = 14);
// A regular polygon with a bottom side level, every side marked equal, the bottom side labelled.
void drawRegularPolygon(Figure& f, int n, const std::string& bottomLabel);

// A square grid with numbered axes from 0 to maxX across and 0 to maxY up; gives the pixel of a
// grid point.
struct CoordGrid {
    int x0 = 0;
    int y0 = 0;
    int step = 0;
    int px(int gx) const { return x0 + gx * step; }
    int py(int gy) const { return y0 - gy * step; }
};
CoordGrid drawCoordGrid(Figure& f, int maxX, int maxY);
// A point of the grid shown as a dot with its letter above and to the right.
void plotPoint(Figure& f, const CoordGrid& g, int gx, int gy, const std::string& name);

// A triangle with angle a at A (bottom left) and b at B (bottom right) on a level base and C at
// the top. Every angle given a label is marked with its arc and label (markAngle). exteriorA /
// exteriorB, when not empty, draw the base on past A / B and mark the angle outside the
// triangle there.
struct TriangleCorners {
    int ax = 0, ay = 0, bx = 0, by = 0, cx = 0, cy = 0;
};
TriangleCorners drawMarkedTriangle(Figure& f, int a, int b, const std::string& la,
                                   const std::string& lb, const std::string& lc,
                                   const std::string& exteriorA = "",
                                   const std::string& exteriorB = "");

// A line graph: axes from 0 to xMax and 0 to yMax with gridlines and numbers every step, the
// axis titles, and straight segments joining the points (in the units of the axes).
void drawLineGraph(Figure& f, int xMax, int xStep, int yMax, int yStep, const std::string& xTitle,
                   const std::string& yTitle, const std::vector<std::pair<int, int>>& points);
