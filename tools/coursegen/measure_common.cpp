#include "measure_common.h"

#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
constexpr double kPi = 3.14159265358979323846;

int ri(double v) {
    return static_cast<int>(std::lround(v));
}
}  // namespace

bool distinctWrong(const Frac& answer, const std::vector<Frac>& wrong) {
    for (std::size_t i = 0; i < wrong.size(); ++i) {
        if (wrong[i] <= Frac(0) || wrong[i] == answer) return false;
        try {
            (void)wrong[i].dec();
        } catch (const std::logic_error&) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j)
            if (wrong[j] == wrong[i]) return false;
    }
    return wrong.size() >= 3;
}

bool enoughWrong(const Frac& answer, const std::vector<Frac>& candidates) {
    std::vector<Frac> usable;
    for (const Frac& c : candidates) {
        if (c <= Frac(0) || c == answer) continue;
        try {
            (void)c.dec();
        } catch (const std::logic_error&) {
            continue;
        }
        if (std::find(usable.begin(), usable.end(), c) == usable.end()) usable.push_back(c);
    }
    return usable.size() >= 3;
}

std::vector<std::pair<int, int>> regularCorners(int n, int cx, int cy, int radius,
                                                double startDeg) {
    std::vector<std::pair<int, int>> pts;
    for (int i = 0; i < n; ++i) {
        const double t = (startDeg + 360.0 * i / n) * kPi / 180.0;
        pts.emplace_back(ri(cx + radius * std::cos(t)), ri(cy - radius * std::sin(t)));
    }
    return pts;
}

void equalSideMarks(Figure& f, int x1, int y1, int x2, int y2, int strokes) {
    const double len = std::hypot(x2 - x1, y2 - y1);
    if (len < 1) return;
    const double ux = (x2 - x1) / len;
    const double uy = (y2 - y1) / len;
    const double mx = (x1 + x2) / 2.0;
    const double my = (y1 + y2) / 2.0;
    for (int k = 0; k < strokes; ++k) {
        const double off = (k - (strokes - 1) / 2.0) * 4;
        const double cx = mx + ux * off;
        const double cy = my + uy * off;
        f.line(ri(cx - uy * 5), ri(cy + ux * 5), ri(cx + uy * 5), ri(cy - ux * 5));
    }
}

void sideLabel(Figure& f, int x1, int y1, int x2, int y2, int cx, int cy, const std::string& text,
               int gap) {
    const double mx = (x1 + x2) / 2.0;
    const double my = (y1 + y2) / 2.0;
    // the normal of the side that points away from the inside
    double nx = -(y2 - y1);
    double ny = x2 - x1;
    const double len = std::hypot(nx, ny);
    if (len < 1) return;
    nx /= len;
    ny /= len;
    if (nx * (mx - cx) + ny * (my - cy) < 0) {
        nx = -nx;
        ny = -ny;
    }
    // text is anchored by its side that faces the shape, so it never runs back over it
    const char align = nx > 0.5 ? 'l' : nx < -0.5 ? 'r' : 'c';
    const double push = align == 'c' ? gap : gap - 6;
    f.text(ri(mx + nx * push), ri(my + ny * push), align, text);
}

void drawRegularPolygon(Figure& f, int n, const std::string& bottomLabel) {
    const int cx = 150;
    const int radius = n <= 4 ? 78 : 74;
    // the bottom side level: corners start half a step past straight down
    const double start = 270.0 - 180.0 / n;
    int cy = 100;
    auto pts = regularCorners(n, cx, cy, radius, start);
    int top = 1000;
    int bottom = 0;
    for (const auto& [x, y] : pts) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    const int shift = (200 - 22 - bottom - top) / 2;  // leave room for the label below
    for (auto& p : pts) p.second += shift;
    cy += shift;
    f.poly(pts, "#dbeafe");
    for (int i = 0; i < n; ++i) {
        const auto& a = pts[static_cast<std::size_t>(i)];
        const auto& b = pts[static_cast<std::size_t>((i + 1) % n)];
        equalSideMarks(f, a.first, a.second, b.first, b.second);
    }
    const auto& a = pts[0];
    const auto& b = pts[1];
    sideLabel(f, a.first, a.second, b.first, b.second, cx, cy, bottomLabel);
}

CoordGrid drawCoordGrid(Figure& f, int maxX, int maxY) {
    CoordGrid g;
    g.x0 = 34;
    g.step = std::min((f.width - 20 - g.x0) / maxX, (f.height - 24 - 16) / maxY);
    g.y0 = f.height - 24;
    f.colour("#cbd5e1");
    for (int i = 1; i <= maxX; ++i) f.line(g.px(i), g.py(0), g.px(i), g.py(maxY));
    for (int j = 1; j <= maxY; ++j) f.line(g.px(0), g.py(j), g.px(maxX), g.py(j));
    f.colour("#000000");
    f.line(g.px(0), g.py(0), g.px(maxX) + 8, g.py(0), false, true);
    f.line(g.px(0), g.py(0), g.px(0), g.py(maxY) - 8, false, true);
    for (int i = 0; i <= maxX; ++i) f.text(g.px(i), g.py(0) + 12, 'c', std::to_string(i));
    for (int j = 1; j <= maxY; ++j) f.text(g.px(0) - 6, g.py(j), 'r', std::to_string(j));
    f.text(g.px(maxX) + 12, g.py(0), 'l', "x");
    f.text(g.px(0), g.py(maxY) - 14, 'c', "y");
    return g;
}

void plotPoint(Figure& f, const CoordGrid& g, int gx, int gy, const std::string& name) {
    f.circle(g.px(gx), g.py(gy), 4, "#dc2626");
    f.text(g.px(gx) + 8, g.py(gy) - 10, 'l', name);
}

TriangleCorners drawMarkedTriangle(Figure& f, int a, int b, const std::string& la,
                                   const std::string& lb, const std::string& lc,
                                   const std::string& exteriorA, const std::string& exteriorB) {
    // the top corner of a triangle on a base of 1: cotangents keep a right angle finite
    const double ca = 1 / std::tan(a * kPi / 180.0);
    const double cb = 1 / std::tan(b * kPi / 180.0);
    const double ux = ca / (ca + cb);
    const double uy = 1 / (ca + cb);
    const int room = 62;  // for a side drawn on past a corner
    const int left = exteriorA.empty() ? 30 : 10 + room;
    const int right = exteriorB.empty() ? 270 : 290 - room;
    // an obtuse angle at the base puts the top corner beyond the base
    const double lo = std::min(0.0, ux), hi = std::max(1.0, ux);
    const double scale = std::min((right - left) / (hi - lo), 132 / uy);
    TriangleCorners t;
    t.ay = t.by = 172;
    t.ax = ri((left + right) / 2.0 - (lo + hi) / 2 * scale);
    t.bx = t.ax + ri(scale);
    t.cx = t.ax + ri(ux * scale);
    t.cy = t.ay - ri(uy * scale);
    f.poly({{t.ax, t.ay}, {t.bx, t.by}, {t.cx, t.cy}}, "#dbeafe");
    if (!exteriorA.empty()) f.line(t.ax - room + 4, t.ay, t.ax, t.ay);
    if (!exteriorB.empty()) f.line(t.bx, t.by, t.bx + room - 4, t.by);
    f.text(t.ax - 6, t.ay + 12, 'r', "A");
    f.text(t.bx + 6, t.by + 12, 'l', "B");
    f.text(t.cx, t.cy - 10, 'c', "C");
    const int c = 180 - a - b;
    if (!la.empty()) markAngle(f, t.ax, t.ay, 0, a, la);
    if (!lb.empty()) markAngle(f, t.bx, t.by, 180 - b, b, lb);
    if (!lc.empty()) markAngle(f, t.cx, t.cy, 180 + a, c, lc, 20);
    if (!exteriorA.empty()) markAngle(f, t.ax, t.ay, a, 180 - a, exteriorA, 18);
    if (!exteriorB.empty()) markAngle(f, t.bx, t.by, 0, 180 - b, exteriorB, 18);
    return t;
}
