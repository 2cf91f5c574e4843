#pragma once
// What the Area, Volume and Geometry families share beyond the common helpers: a test of a
// draw's wrong options, and the pictures of regular polygons, coordinate grids and side marks.

#include "question.h"

#include <string>
#include <utility>
#include <vector>

// Whether wrong options stand as they are: every one positive, an exact decimal, not the answer
// and not another wrong one. A family draws again until they do, so number() never has to make
// up an option no mistake explains.
bool distinctWrong(const Frac& answer, const std::vector<Frac>& wrong);
// Whether at least three of the candidate wrong options are usable (positive, exact decimals,
// not the answer, distinct): for slips that may meet on some draws, when a family lists more.
bool enoughWrong(const Frac& answer, const std::vector<Frac>& candidates);

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
// the top. Every angle given a label is marked with its arc and label. exteriorA / exteriorB,
// when not empty, draw the base on past A / B and mark the angle outside the triangle there.
struct TriangleCorners {
    int ax = 0, ay = 0, bx = 0, by = 0, cx = 0, cy = 0;
};
TriangleCorners drawMarkedTriangle(Figure& f, int a, int b, const std::string& la,
                                   const std::string& lb, const std::string& lc,
                                   const std::string& exteriorA = "",
                                   const std::string& exteriorB = "");

// The families of the second file of each of the three topics (fam_<topic>_2.cpp).
struct Family;
void addAreaMore(std::vector<Family>& out);
void addVolumeMore(std::vector<Family>& out);
void addGeometryMore(std::vector<Family>& out);
