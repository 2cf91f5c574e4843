#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {
const char* kFill = "#dbeafe";
const char* kShade = "#fde68a";
constexpr double kPi = 3.14159265358979323846;

int ri(double v) {
    return static_cast<int>(std::lround(v));
}

std::pair<int, int> polar(int cx, int cy, double r, double degrees) {
    const double t = degrees * kPi / 180.0;
    return {ri(cx + r * std::cos(t)), ri(cy - r * std::sin(t))};
}

// How far out along the bisector of an angle a centred label must stand for its box to clear
// the arc of the angle (radius `arc`) and, for an angle less than 180 degrees, both arms:
// `from` when it fits there, further out for a long label ("2x + 10°") up to 60 px more, `from`
// again when even that is not enough or the label would leave the figure.
double labelDistance(const Figure& f, int cx, int cy, const std::string& label, double fromDeg,
                     double spanDeg, double from, int arc) {
    int chars = 0;  // the degree sign is one character of two bytes
    for (unsigned char c : label) chars += (c & 0xC0) != 0x80;
    const double halfW = chars * 3.6 + 2;  // 14 px sans-serif labels
    const double halfH = 8;
    const double d1 = fromDeg * kPi / 180.0;
    const double d2 = (fromDeg + spanDeg) * kPi / 180.0;
    const double mid = (fromDeg + spanDeg / 2) * kPi / 180.0;
    for (double r = from; r <= from + 60; r += 2) {
        const double px = cx + r * std::cos(mid);
        const double py = cy - r * std::sin(mid);
        if (px - halfW < 0 || px + halfW > f.width || py - halfH < 0 || py + halfH > f.height)
            break;
        // the nearest point of the box to the corner stays off the arc
        const double nearX = std::max(std::abs(r * std::cos(mid)) - halfW, 0.0);
        const double nearY = std::max(std::abs(r * std::sin(mid)) - halfH, 0.0);
        bool clear = std::hypot(nearX, nearY) >= arc + 2;
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0}) {
                if (spanDeg >= 180) continue;
                const double x = r * std::cos(mid) + sx * halfW;
                const double y = r * std::sin(mid) + sy * halfH;  // y up
                // the distance from each arm, positive on the side inside the angle
                clear = clear && std::cos(d1) * y - std::sin(d1) * x >= 2 &&
                        x * std::sin(d2) - y * std::cos(d2) >= 2;
            }
        if (clear) return r;
    }
    return from;
}

double fitScale(double w, double h, double maxW, double maxH) {
    return std::min(maxW / w, maxH / h);
}

// Arcs of one picture keep at least this far apart, so two marked angles never read as one:
// arcs 5 px apart meeting at a shared arm look like one stepped arc.
constexpr double kArcGap = 7.5;

struct ArcShape {
    double cx, cy, r, from, span;
};

std::vector<ArcShape> arcsOf(const Figure& f) {
    std::vector<ArcShape> out;
    for (const std::string& op : f.ops) {
        if (op.rfind("arc ", 0) != 0) continue;
        ArcShape a{};
        if (std::sscanf(op.c_str(), "arc %lf %lf %lf %lf %lf", &a.cx, &a.cy, &a.r, &a.from,
                        &a.span) == 5)
            out.push_back(a);
    }
    return out;
}

// The nearest two points of two arcs come, sampled every quarter degree.
double arcDistance(const ArcShape& a, const ArcShape& b) {
    auto points = [](const ArcShape& s) {
        std::vector<std::pair<double, double>> pts;
        const int steps = std::max(1, static_cast<int>(std::ceil(s.span * 4)));
        for (int k = 0; k <= steps; ++k) {
            const double t = (s.from + s.span * k / steps) * kPi / 180.0;
            pts.emplace_back(s.cx + s.r * std::cos(t), s.cy - s.r * std::sin(t));
        }
        return pts;
    };
    const auto pa = points(a), pb = points(b);
    double best = 1e9;
    for (const auto& [ax, ay] : pa)
        for (const auto& [bx, by] : pb) best = std::min(best, std::hypot(ax - bx, ay - by));
    return best;
}

// The radius from `radius` outwards at which an arc keeps clear of the arcs already drawn.
int clearRadius(const Figure& f, int cx, int cy, int radius, int fromDeg, int spanDeg) {
    const std::vector<ArcShape> drawn = arcsOf(f);
    for (int r = radius; r < radius + 40; ++r) {
        const ArcShape mine{static_cast<double>(cx), static_cast<double>(cy),
                            static_cast<double>(r), static_cast<double>(fromDeg),
                            static_cast<double>(spanDeg)};
        if (std::all_of(drawn.begin(), drawn.end(),
                        [&](const ArcShape& o) { return arcDistance(mine, o) >= kArcGap; }))
            return r;
    }
    return radius;
}

// An angle's arc, moved out where it would touch an arc already drawn.
int angleArc(Figure& f, int cx, int cy, int radius, int fromDeg, int spanDeg) {
    const int r = clearRadius(f, cx, cy, radius, fromDeg, spanDeg);
    f.arc(cx, cy, r, fromDeg, spanDeg);
    return r;
}
}  // namespace

std::string deg(int d) {
    return std::to_string(d) + "\xC2\xB0";
}

void drawRectangle(Figure& f, int w, int h, const std::string& wLabel, const std::string& hLabel) {
    const double s = fitScale(w, h, 190, 140);
    const int pw = std::max(30, ri(w * s));
    const int ph = std::max(24, ri(h * s));
    const int x = 40 + (190 - pw) / 2;
    const int y = 15 + (140 - ph) / 2;
    f.rect(x, y, pw, ph, kFill);
    f.text(x + pw / 2, y + ph + 14, 'c', wLabel);
    f.text(x + pw + 8, y + ph / 2, 'l', hLabel);
}

void drawLShape(Figure& f, int w, int h, int cw, int ch, const std::string& unit) {
    const double s = fitScale(w, h, 190, 140);
    const int x0 = 50;
    const int y0 = 20;
    auto X = [&](int v) { return x0 + ri(v * s); };
    auto Y = [&](int v) { return y0 + ri(v * s); };
    f.poly({{X(0), Y(0)},
            {X(w - cw), Y(0)},
            {X(w - cw), Y(ch)},
            {X(w), Y(ch)},
            {X(w), Y(h)},
            {X(0), Y(h)}},
           kFill);
    f.text((X(0) + X(w)) / 2, Y(h) + 14, 'c', std::to_string(w) + " " + unit);
    f.text(X(0) - 6, (Y(0) + Y(h)) / 2, 'r', std::to_string(h) + " " + unit);
    f.text((X(0) + X(w - cw)) / 2, Y(0) - 10, 'c', std::to_string(w - cw) + " " + unit);
    f.text(X(w) + 6, (Y(ch) + Y(h)) / 2, 'l', std::to_string(h - ch) + " " + unit);
}

void drawTriangle(Figure& f, int b, int h, const std::string& unit) {
    const double s = fitScale(b, h, 200, 140);
    const int pb = std::max(120, ri(b * s));  // not to scale, but never too thin to label
    const int ph = std::max(50, ri(h * s));
    const int x0 = 40 + (200 - pb) / 2;
    const int yb = 165;
    const int ax = x0 + pb * 2 / 5;
    const int ay = yb - ph;
    f.poly({{x0, yb}, {x0 + pb, yb}, {ax, ay}}, kFill);
    f.line(ax, ay, ax, yb, true);
    f.line(ax, yb - 10, ax + 10, yb - 10);
    f.line(ax + 10, yb - 10, ax + 10, yb);
    f.text(x0 + pb / 2, yb + 14, 'c', std::to_string(b) + " " + unit);
    f.text(ax + 6, (ay + yb) / 2, 'l', std::to_string(h) + " " + unit);
}

void drawCuboid(Figure& f, int l, int w, int h, const std::string& unit) {
    drawCuboidLabelled(f, l, w, h, std::to_string(l) + " " + unit, std::to_string(w) + " " + unit,
                       std::to_string(h) + " " + unit);
}

void drawCuboidLabelled(Figure& f, int l, int w, int h, const std::string& lLabel,
                        const std::string& wLabel, const std::string& hLabel) {
    const double s = fitScale(l + w * 0.5, h + w * 0.4, 180, 130);
    const int pl = std::max(30, ri(l * s));
    const int ph = std::max(25, ri(h * s));
    const int dx = std::max(15, ri(w * s * 0.5));
    const int dy = std::max(10, ri(w * s * 0.4));
    const int x = 50;
    const int y = 20 + dy;
    f.poly({{x, y}, {x + dx, y - dy}, {x + pl + dx, y - dy}, {x + pl, y}}, "#bfdbfe");
    f.poly({{x + pl, y}, {x + pl + dx, y - dy}, {x + pl + dx, y + ph - dy}, {x + pl, y + ph}},
           "#93c5fd");
    f.rect(x, y, pl, ph, kFill);
    if (!lLabel.empty()) f.text(x + pl / 2, y + ph + 14, 'c', lLabel);
    if (!hLabel.empty()) f.text(x - 6, y + ph / 2, 'r', hLabel);
    if (!wLabel.empty()) f.text(x + pl + dx / 2 + 8, y + ph - dy / 2 + 4, 'l', wLabel);
}

void drawAnglesOnLine(Figure& f, const std::vector<int>& angles,
                      const std::vector<std::string>& labels) {
    const int cx = 150;
    const int cy = 150;
    f.line(20, cy, 280, cy, false, true);
    int at = 0;
    for (std::size_t i = 0; i < angles.size(); ++i) {
        if (i > 0) {
            const auto [x, y] = polar(cx, cy, 120, at);
            f.line(cx, cy, x, y, false, true);
        }
        // an angle without a label is not asked about or given: no arc draws the eye to it
        if (!labels[i].empty()) {
            const int r = angleArc(f, cx, cy, 22 + 10 * static_cast<int>(i % 2), at, angles[i]);
            const double mid = at + angles[i] / 2.0;
            const auto [lx, ly] = polar(cx, cy, std::max(angles[i] < 30 ? 70 : 50, r + 22), mid);
            f.text(lx, ly, 'c', labels[i]);
        }
        at += angles[i];
    }
}

void drawAnglesAtPoint(Figure& f, const std::vector<int>& angles,
                       const std::vector<std::string>& labels) {
    const int cx = 150;
    const int cy = 100;
    int at = 20;
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const auto [x, y] = polar(cx, cy, 90, at);
        f.line(cx, cy, x, y, false, true);
        if (!labels[i].empty()) {
            const int r = angleArc(f, cx, cy, 18 + 10 * static_cast<int>(i % 2), at, angles[i]);
            const auto [lx, ly] =
                polar(cx, cy, std::max(angles[i] < 40 ? 65 : 48, r + 22), at + angles[i] / 2.0);
            f.text(lx, ly, 'c', labels[i]);
        }
        at += angles[i];
    }
}

void drawCompass(Figure& f) {
    const int cx = 150;
    const int cy = 100;
    f.circle(cx, cy, 62, "#f1f5f9");
    f.line(cx, cy - 70, cx, cy + 70, false, true);
    f.line(cx - 70, cy, cx + 70, cy, false, true);
    const double d = 62 / std::sqrt(2.0);
    f.line(ri(cx - d), ri(cy - d), ri(cx + d), ri(cy + d), true);
    f.line(ri(cx - d), ri(cy + d), ri(cx + d), ri(cy - d), true);
    const char* points[] = {"E", "NE", "N", "NW", "W", "SW", "S", "SE"};
    for (int i = 0; i < 8; ++i) {
        const auto [x, y] = polar(cx, cy, 84, i * 45.0);
        f.text(x, y, 'c', points[i]);
    }
}

void drawCuboidNet(Figure& f, int l, int w, int h, const std::string& unit) {
    const double s = fitScale(2.0 * (l + w), w * 2.0 + h, 215, 150);
    const int L = std::max(20, ri(l * s));
    const int W = std::max(14, ri(w * s));
    const int H = std::max(14, ri(h * s));
    const int x = 25 + W;
    const int y = 25 + W;
    f.rect(x - W, y, W, H, kShade);
    f.rect(x, y, L, H, kFill);
    f.rect(x + L, y, W, H, kShade);
    f.rect(x + L + W, y, L, H, kFill);
    f.rect(x, y - W, L, W, "#bbf7d0");
    f.rect(x, y + H, L, W, "#bbf7d0");
    f.text(x + L / 2, y - W - 10, 'c', std::to_string(l) + " " + unit);
    f.text(x - 4, y - W / 2, 'r', std::to_string(w) + " " + unit);
    f.text(x + 2 * L + W + 5, y + H / 2, 'l', std::to_string(h) + " " + unit);
}

void drawParallelogram(Figure& f, int b, int h, int side, const std::string& unit) {
    const double off = std::sqrt(static_cast<double>(side * side - h * h));  // horizontal lean
    const double s = fitScale(b + off, h, 200, 130);
    const int pb = ri(b * s);
    const int ph = std::max(40, ri(h * s));
    const int po = std::max(20, ri(off * s));
    const int x = 40 + (200 - pb - po) / 2;
    const int yb = 160;
    f.poly({{x, yb}, {x + pb, yb}, {x + pb + po, yb - ph}, {x + po, yb - ph}}, kFill);
    f.line(x + po, yb - ph, x + po, yb, true);
    f.line(x + po, yb - 10, x + po + 10, yb - 10);
    f.line(x + po + 10, yb - 10, x + po + 10, yb);
    f.text(x + pb / 2, yb + 14, 'c', std::to_string(b) + " " + unit);
    f.text(x + po + 6, yb - ph / 2, 'l', std::to_string(h) + " " + unit);
    f.text(x + pb + po / 2 + 8, yb - ph / 2, 'l', std::to_string(side) + " " + unit);
}

void drawCutCorners(Figure& f, int s, int c, const std::string& unit) {
    const int side = 150;
    const int k = std::max(14, ri(side * static_cast<double>(c) / s));
    const int x = 75;
    const int y = 20;
    f.poly({{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}}, "",
           true);  // the card before cutting
    f.poly({{x + k, y},
            {x + side - k, y},
            {x + side - k, y + k},
            {x + side, y + k},
            {x + side, y + side - k},
            {x + side - k, y + side - k},
            {x + side - k, y + side},
            {x + k, y + side},
            {x + k, y + side - k},
            {x, y + side - k},
            {x, y + k},
            {x + k, y + k}},
           kFill);
    f.text(x + side / 2, y + side + 14, 'c', std::to_string(s) + " " + unit);
    f.text(x + side + 6, y + k / 2, 'l', std::to_string(c) + " " + unit);
}

void drawRightAngleSplit(Figure& f, int a, const std::string& la, const std::string& lb) {
    const int cx = 90;
    const int cy = 170;
    f.line(cx, cy, cx + 170, cy, false, true);
    f.line(cx, cy, cx, cy - 155, false, true);
    f.rect(cx, cy - 14, 14, 14);
    const auto [x, y] = polar(cx, cy, 150, a);
    f.line(cx, cy, x, y, false, true);
    angleArc(f, cx, cy, 40, 0, a);
    angleArc(f, cx, cy, 48, a, 90 - a);
    const auto pa = polar(cx, cy, 68, a / 2.0);
    const auto pb = polar(cx, cy, 75, a + (90 - a) / 2.0);
    f.text(pa.first, pa.second, 'c', la);
    f.text(pb.first, pb.second, 'c', lb);
}

void drawGrid(Figure& f, int rows, int cols, const std::vector<bool>& shaded) {
    const int side = std::min(240 / cols, 160 / rows);
    const int x0 = (300 - side * cols) / 2;
    const int y0 = (200 - side * rows) / 2;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            f.rect(x0 + c * side, y0 + r * side, side, side,
                   shaded[static_cast<std::size_t>(r * cols + c)] ? "#3b82f6" : "#ffffff");
}

void drawMapGrid(Figure& f, int ax, int ay, const std::string& a, int bx, int by,
                 const std::string& b) {
    const int step = 28;
    const int x0 = 70;
    const int y0 = 28;
    f.colour("#94a3b8");
    for (int i = 0; i <= 6; ++i) f.line(x0 + i * step, y0, x0 + i * step, y0 + 5 * step);
    for (int j = 0; j <= 5; ++j) f.line(x0, y0 + j * step, x0 + 6 * step, y0 + j * step);
    f.colour("#000000");
    auto X = [&](int gx) { return x0 + gx * step; };
    auto Y = [&](int gy) { return y0 + (5 - gy) * step; };
    f.circle(X(ax), Y(ay), 5, "#dc2626");
    f.circle(X(bx), Y(by), 5, "#2563eb");
    // names never fall between the two dots: outside them, east-west or north-south
    if (ay == by) {
        const bool aWest = ax < bx;
        f.text(X(ax) + (aWest ? -8 : 8), Y(ay) - 10, aWest ? 'r' : 'l', a);
        f.text(X(bx) + (aWest ? 8 : -8), Y(by) - 10, aWest ? 'l' : 'r', b);
    } else {
        const bool aNorth = ay > by;
        f.text(X(ax), Y(ay) + (aNorth ? -14 : 14), 'c', a);
        f.text(X(bx), Y(by) + (aNorth ? 14 : -14), 'c', b);
    }
    f.line(25, 80, 25, 40, false, true);  // north arrow
    f.line(25, 40, 19, 50, false, true);
    f.line(25, 40, 31, 50, false, true);
    f.text(25, 28, 'c', "N");
}

void drawNumberLine(Figure& f, int intervals, const std::string& first, const std::string& last,
                    int arrowAt) {
    const int x0 = 30;
    const int x1 = 270;
    const int y = 110;
    f.line(x0 - 10, y, x1 + 10, y, false, true);
    for (int i = 0; i <= intervals; ++i) {
        const int x = x0 + (x1 - x0) * i / intervals;
        const bool end = i == 0 || i == intervals;
        f.line(x, y - (end ? 12 : 8), x, y + (end ? 12 : 8), false, end);
    }
    f.text(x0, y + 26, 'c', first);
    f.text(x1, y + 26, 'c', last);
    const int ax = x0 + (x1 - x0) * arrowAt / intervals;
    f.colour("#dc2626");
    f.line(ax, y - 55, ax, y - 14, false, true);
    f.line(ax, y - 14, ax - 6, y - 24, false, true);
    f.line(ax, y - 14, ax + 6, y - 24, false, true);
    f.colour("#000000");
}

void drawClock(Figure& f, int hour, int minute) {
    const int cx = f.width / 2;
    const int cy = f.height / 2;
    const int r = std::min(f.width, f.height) / 2 - 6;
    f.circle(cx, cy, r, "#fffbeb");
    f.circle(cx, cy, r - 2);
    for (int m = 0; m < 60; ++m) {
        const bool five = m % 5 == 0;
        const auto outer = polar(cx, cy, r - 4, 90 - 6.0 * m);
        const auto inner = polar(cx, cy, r - (five ? 13 : 8), 90 - 6.0 * m);
        f.line(inner.first, inner.second, outer.first, outer.second, false, five);
    }
    for (int n = 1; n <= 12; ++n) {
        const auto at = polar(cx, cy, r - 25, 90 - 30.0 * n);
        f.text(at.first, at.second, 'c', std::to_string(n));
    }
    // The hour hand moves on between the hours: at 3:30 it is halfway from 3 to 4.
    // Both hands stop short of the numbers so that none is hidden under a hand.
    const double hourTurn = 30.0 * (hour % 12) + minute / 2.0;
    const double minuteLength = r - 37;
    const auto h = polar(cx, cy, minuteLength * 0.7, 90 - hourTurn);
    const auto m = polar(cx, cy, minuteLength, 90 - 6.0 * minute);
    f.line(cx, cy, h.first, h.second, false, true);
    f.line(cx, cy, m.first, m.second, false, true);
    f.circle(cx, cy, 4, "#000000");
}

namespace {
constexpr int kPanItemGap = 4;
constexpr int kPanWidth = 136;

int panItemWidth(const PanItem& item) {
    return item.shape == PanItem::Box ? 24 : 48;
}

void drawPanItem(Figure& f, const PanItem& item, int x, int bottom) {
    const int w = panItemWidth(item);
    switch (item.shape) {
        case PanItem::Box:
            f.rect(x, bottom - 24, w, 24, "#fde68a");
            break;
        case PanItem::Weight:  // the shape of a kitchen weight: narrower at the top
            f.poly({{x, bottom}, {x + w, bottom}, {x + w - 6, bottom - 24}, {x + 6, bottom - 24}},
                   "#cbd5e1");
            break;
        case PanItem::Bag:
            f.poly({{x, bottom},
                    {x + w, bottom},
                    {x + w - 3, bottom - 20},
                    {x + w / 2 + 6, bottom - 26},
                    {x + w / 2 - 6, bottom - 26},
                    {x + 3, bottom - 20}},
                   "#bbf7d0");
            break;
    }
    f.text(x + w / 2, bottom - 12, 'c', item.label);
}

// Things on one pan centred on `cx`, standing on the pan at `panY`: as many a row as the pan is
// wide, in the order given, two rows at most.
void drawPanLoad(Figure& f, const std::vector<PanItem>& items, int cx, int panY) {
    std::vector<std::vector<PanItem>> rows(1);
    int width = -kPanItemGap;
    for (const PanItem& item : items) {
        width += panItemWidth(item) + kPanItemGap;
        if (width > kPanWidth) {
            rows.emplace_back();
            width = panItemWidth(item);
        }
        rows.back().push_back(item);
    }
    if (rows.size() > 2) throw std::logic_error("more on a pan of the balance than two rows hold");
    for (std::size_t row = 0; row < rows.size(); ++row) {
        int rowWidth = -kPanItemGap;
        for (const PanItem& item : rows[row]) rowWidth += panItemWidth(item) + kPanItemGap;
        int x = cx - rowWidth / 2;
        for (const PanItem& item : rows[row]) {
            drawPanItem(f, item, x, panY - 2 - static_cast<int>(row) * 27);
            x += panItemWidth(item) + kPanItemGap;
        }
    }
}
}  // namespace

void drawBalance(Figure& f, const std::vector<PanItem>& left, const std::vector<PanItem>& right) {
    // Pans on posts above the beam, like kitchen scales, so nothing crosses what stands on them.
    const int cx = f.width / 2;
    const int arm = 76;
    const int beamY = f.height - 42;
    const int panY = beamY - 20;
    f.poly({{cx - 46, f.height - 4},
            {cx + 46, f.height - 4},
            {cx + 36, f.height - 14},
            {cx - 36, f.height - 14}},
           "#94a3b8");
    f.poly({{cx - 12, f.height - 14}, {cx + 12, f.height - 14}, {cx, beamY}}, "#94a3b8");
    f.line(cx - arm, beamY, cx + arm, beamY, false, true);
    f.circle(cx, beamY, 4, "#000000");
    for (int side : {-1, 1}) {
        const int px = cx + side * arm;
        f.line(px, beamY, px, panY + 6, false, true);
        f.poly({{px - kPanWidth / 2, panY},
                {px + kPanWidth / 2, panY},
                {px + kPanWidth / 2 - 10, panY + 7},
                {px - kPanWidth / 2 + 10, panY + 7}},
               "#e2e8f0");
    }
    drawPanLoad(f, left, cx - arm, panY);
    drawPanLoad(f, right, cx + arm, panY);
}

void drawBarChart(Figure& f, const std::vector<std::pair<std::string, int>>& bars, int step,
                  const std::string& scaleUnit) {
    if (bars.empty() || bars.size() > 8 || step <= 0) throw std::logic_error("bar chart shape");
    int top = 0;
    for (const auto& [name, value] : bars) top = std::max(top, value);
    const int steps = std::max(1, (top + step - 1) / step);
    const int x0 = 50;
    const int x1 = f.width - 10;
    const int y0 = f.height - 32;  // the axis
    const int y1 = 30;             // the top gridline
    auto Y = [&](double v) { return y0 - ri((y0 - y1) * v / (steps * step)); };
    f.colour("#cbd5e1");
    for (int k = 1; k <= steps; ++k) f.line(x0, Y(k * step), x1, Y(k * step));
    f.colour("#000000");
    for (int k = 0; k <= steps; ++k) f.text(x0 - 6, Y(k * step), 'r', std::to_string(k * step));
    // the unit over the axis, left-aligned so a long one ("children") is not cut at the edge
    if (!scaleUnit.empty()) f.text(4, 10, 'l', scaleUnit);
    const int slot = (x1 - x0) / static_cast<int>(bars.size());
    const int barW = std::min(40, slot * 3 / 5);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const int mid = x0 + slot * static_cast<int>(i) + slot / 2;
        const int y = Y(bars[i].second);
        if (bars[i].second > 0) f.rect(mid - barW / 2, y, barW, y0 - y, "#60a5fa");
        f.text(mid, y0 + 14, 'c', bars[i].first);
    }
    f.line(x0, y0, x1, y0, false, true);
    f.line(x0, y0, x0, y1 - 6, false, true);
}

std::string tableHtml(const std::vector<std::string>& head,
                      const std::vector<std::vector<std::string>>& rows) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr>";
    for (const auto& h : head) html += "<th>" + h + "</th>";
    html += "</tr>\n";
    for (const auto& row : rows) {
        html += "<tr>";
        for (const auto& cell : row) html += "<td align=\"center\">" + cell + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>";
}

void markAngle(Figure& f, int cx, int cy, int fromDeg, int spanDeg, const std::string& label,
               int radius) {
    radius = angleArc(f, cx, cy, radius, fromDeg, spanDeg);
    // narrow angles put their label further out, where the arms have room for it
    double out = radius + (spanDeg < 35 ? 26 : 14);
    out = labelDistance(f, cx, cy, label, fromDeg, spanDeg, out, radius);
    const auto at = polar(cx, cy, out, fromDeg + spanDeg / 2.0);
    f.text(at.first, at.second, 'c', label);
}

void markRightAngle(Figure& f, int cx, int cy, int fromDeg, int size) {
    const auto a = polar(cx, cy, size, fromDeg);
    const auto c = polar(cx, cy, size, fromDeg + 90);
    const auto b = polar(cx, cy, size * std::sqrt(2.0), fromDeg + 45);
    f.line(a.first, a.second, b.first, b.second);
    f.line(b.first, b.second, c.first, c.second);
}

std::vector<bool> shadeSome(Rng& r, int cells, int shaded) {
    std::vector<int> order(static_cast<std::size_t>(cells));
    for (int i = 0; i < cells; ++i) order[static_cast<std::size_t>(i)] = i;
    r.shuffle(order);
    std::vector<bool> on(static_cast<std::size_t>(cells), false);
    for (int i = 0; i < shaded; ++i)
        on[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    return on;
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
    f.text(g.px(0) + 6, g.py(maxY) - 10, 'l', "y");  // beside the axis, not on it
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

void drawLineGraph(Figure& f, int xMax, int xStep, int yMax, int yStep, const std::string& xTitle,
                   const std::string& yTitle, const std::vector<std::pair<int, int>>& points) {
    const int left = 48;
    const int right = f.width - 14;
    const int bottom = f.height - 34;
    const int top = 22;
    auto X = [&](double v) {
        return left + static_cast<int>(std::lround((right - left) * v / xMax));
    };
    auto Y = [&](double v) {
        return bottom - static_cast<int>(std::lround((bottom - top) * v / yMax));
    };
    f.colour("#cbd5e1");
    for (int v = xStep; v <= xMax; v += xStep) f.line(X(v), bottom, X(v), top);
    for (int v = yStep; v <= yMax; v += yStep) f.line(left, Y(v), right, Y(v));
    f.colour("#000000");
    f.line(left, bottom, right, bottom, false, true);
    f.line(left, bottom, left, top, false, true);
    for (int v = 0; v <= xMax; v += xStep) f.text(X(v), bottom + 10, 'c', std::to_string(v));
    for (int v = 0; v <= yMax; v += yStep) f.text(left - 5, Y(v), 'r', std::to_string(v));
    f.text((left + right) / 2, f.height - 8, 'c', xTitle);
    f.text(4, 9, 'l', yTitle);
    f.colour("#2563eb");
    for (std::size_t i = 1; i < points.size(); ++i)
        f.line(X(points[i - 1].first), Y(points[i - 1].second), X(points[i].first),
               Y(points[i].second), false, true);
    f.colour("#000000");
}
