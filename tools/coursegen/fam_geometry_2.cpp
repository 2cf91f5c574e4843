// Geometry, continued: parallel lines, quadrilaterals, clocks and protractors, turns, symmetry,
// polygons drawn to scale, coordinates and moves on a grid, naming and sorting shapes.

#include "drawing.h"
#include "families.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const char* kDeg = "&deg;";
const std::vector<std::string> kPoints = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
const char* kDirNote = "Write the direction in short form, for example N, NE or SW.";
constexpr double kPi = 3.14159265358979323846;

int ri(double v) {
    return static_cast<int>(std::lround(v));
}

int norm360(int d) {
    return ((d % 360) + 360) % 360;
}

std::string letterAt(const std::string& letters, std::size_t i) {
    return std::string(1, letters[i]);
}

// ---- parallel lines and quadrilaterals ----

// The angles where a line crosses two parallel lines, at each crossing numbered anticlockwise
// from the one between the right-hand part of the parallel line and the upper part of the line
// across: 0 and 2 are the size of the slope t, 1 and 3 are 180 - t.
Question parallelLines(Rng& r, const std::string& k) {
    int t;
    do t = r.range(35, 145);
    while (t > 75 && t < 105);
    auto size = [&](int pos) { return pos % 2 == 0 ? t : 180 - t; };
    auto from = [&](int pos) { return pos == 0 ? 0 : pos == 1 ? t : pos == 2 ? 180 : 180 + t; };
    const int given = r.range(0, 3);  // at the upper crossing
    // the unknowns: the first at the lower crossing, the others anywhere else
    std::vector<std::pair<int, int>> asked = {{1, r.range(0, 3)}};
    while (asked.size() < k.size()) {
        const std::pair<int, int> m = {r.range(0, 1), r.range(0, 3)};
        if (m != std::pair<int, int>{0, given} &&
            std::find(asked.begin(), asked.end(), m) == asked.end())
            asked.push_back(m);
    }
    QB q("parallel_lines", 2);
    std::string list;
    for (const auto& [at, pos] : asked) list += (list.empty() ? "" : ",") + S(at) + ":" + S(pos);
    q.param("given", size(given)).param("gpos", given).param("asked", list);
    q.p("The two lines marked with arrows are parallel. A straight line crosses them.");
    Figure& f = q.figure(300, 200, "a line crossing two parallel lines");
    const int y1 = 62, y2 = 142;
    const double run = 40 / std::tan(t * kPi / 180);
    const int x1 = ri(150 + run), x2 = ri(150 - run);
    for (int y : {y1, y2}) {
        f.line(20, y, 280, y, false, true);
        f.line(36, y - 5, 44, y);  // the arrow of parallel lines
        f.line(36, y + 5, 44, y);
    }
    const double c = std::cos(t * kPi / 180), s = std::sin(t * kPi / 180);
    f.line(ri(x2 - 55 * c), ri(y2 + 55 * s), ri(x1 + 55 * c), ri(y1 - 55 * s), false, true);
    const std::vector<std::string> letters = {"x", "y", "z"};
    auto mark = [&](int at, int pos, const std::string& label) {
        markAngle(f, at == 0 ? x1 : x2, at == 0 ? y1 : y2, from(pos), size(pos), label, 16);
    };
    mark(0, given, deg(size(given)));
    for (std::size_t i = 0; i < asked.size(); ++i)
        mark(asked[i].first, asked[i].second, letters[i]);
    if (k.size() > 1) {
        std::vector<std::pair<std::string, std::string>> items;
        for (std::size_t i = 0; i < asked.size(); ++i)
            items.push_back({"Find angle <i>" + letters[i] + "</i>.", kDeg});
        q.subparts(items);
        for (const auto& [at, pos] : asked) q.part('N', S(size(pos)));
        return q.done();
    }
    q.p("Find angle <i>x</i>.");
    const int x = size(asked[0].second);
    return q
        .number(r, k[0], x, kDeg,
                {180 - x /* the other angle of the crossing */, 360 - x /* angles at a point */,
                 std::abs(90 - x) /* as if a right angle */})
        .done();
}

Question parallelogramAngles(Rng& r, const std::string& k) {
    int a;
    do a = r.range(50, 130);
    while ((a > 78 && a < 102) || a == 60 || a == 120);
    auto size = [&](int v) { return v % 2 == 0 ? a : 180 - a; };  // A and C, B and D
    const int given = r.range(0, 3);
    std::vector<int> asked;
    while (asked.size() < k.size()) {
        const int v = r.range(0, 3);
        if (v != given && std::find(asked.begin(), asked.end(), v) == asked.end())
            asked.push_back(v);
    }
    const std::string names = "ABCD";
    QB q("parallelogram_angles", 2);
    std::string list;
    for (int v : asked) list += letterAt(names, static_cast<std::size_t>(v));
    q.param("given", size(given))
        .param("at", letterAt(names, static_cast<std::size_t>(given)))
        .param("asked", list);
    q.p("ABCD is a parallelogram.");
    Figure& f = q.figure(300, 200, "parallelogram ABCD");
    const double h = 100, bw = 150;
    const double off = h / std::tan(a * kPi / 180);
    const double minX = std::min(0.0, off), maxX = std::max(bw, bw + off);
    const double x0 = 150 - (minX + maxX) / 2;
    const int yb = 160;
    const int P[4][2] = {{ri(x0), yb},
                         {ri(x0 + bw), yb},
                         {ri(x0 + bw + off), ri(yb - h)},
                         {ri(x0 + off), ri(yb - h)}};
    f.poly({{P[0][0], P[0][1]}, {P[1][0], P[1][1]}, {P[2][0], P[2][1]}, {P[3][0], P[3][1]}},
           "#dbeafe");
    const int from[4] = {0, a, 180, 180 + a};
    const int dx[4] = {-8, 8, 8, -8}, dy[4] = {10, 10, -10, -10};
    const char al[4] = {'r', 'l', 'l', 'r'};
    for (int v = 0; v < 4; ++v)
        f.text(P[v][0] + dx[v], P[v][1] + dy[v], al[v],
               letterAt(names, static_cast<std::size_t>(v)));
    markAngle(f, P[given][0], P[given][1], from[given], size(given), deg(size(given)));
    const std::vector<std::string> letters = {"x", "y"};
    for (std::size_t i = 0; i < asked.size(); ++i)
        markAngle(f, P[asked[i]][0], P[asked[i]][1], from[asked[i]], size(asked[i]), letters[i]);
    if (k == "NN") {
        q.subparts({{"Find angle <i>x</i>.", kDeg}, {"Find angle <i>y</i>.", kDeg}});
        return q.part('N', S(size(asked[0]))).part('N', S(size(asked[1]))).done();
    }
    q.p("Find angle <i>x</i>.");
    const int x = size(asked[0]), g = size(given);
    return q
        .number(r, k[0], x, kDeg,
                {180 - x /* opposite and neighbouring angles mixed up */,
                 360 - x /* angles at a point */, 360 - 2 * g /* the other two together */})
        .done();
}

// A kite with corners A (top), B (right), C (bottom), D (left): AB = AD and CB = CD.
Question kiteAngles(Rng& r, const std::string& k) {
    int al, ga, be;
    std::vector<Frac> wrong;
    const bool twoParts = k == "NN";
    do {
        al = r.range(20, 55) * 2;
        ga = r.range(20, 55) * 2;
        be = (360 - al - ga) / 2;
        wrong = {2 * be /* not halved */, 180 - be /* as if on a line */, al /* equal to A */,
                 ga /* equal to C */};
    } while (be >= 170 || al == ga || !enoughWrong(be, wrong));
    QB q("kite_angles", 2);
    q.param("a", al);
    if (twoParts)
        q.param("b", be);
    else
        q.param("c", ga);
    q.p("ABCD is a kite: AB = AD and CB = CD.");
    Figure& f = q.figure(300, 200, "kite ABCD");
    const double ha = al * kPi / 360, hg = ga * kPi / 360;  // half angles, in radians
    const double L = 1.0;
    const double s = L / (std::sin(ha) / std::tan(hg) + std::cos(ha));
    const double bx = s * std::sin(ha), by = -s * std::cos(ha);
    const double scale = std::min(150.0 / L, 95.0 / bx);
    const int cx = 150, top = 22;
    const int A[2] = {cx, top}, C[2] = {cx, ri(top + L * scale)};
    const int B[2] = {ri(cx + bx * scale), ri(top - by * scale)};
    const int D[2] = {ri(cx - bx * scale), B[1]};
    f.poly({{A[0], A[1]}, {B[0], B[1]}, {C[0], C[1]}, {D[0], D[1]}}, "#dbeafe");
    equalSideMarks(f, A[0], A[1], B[0], B[1]);
    equalSideMarks(f, A[0], A[1], D[0], D[1]);
    equalSideMarks(f, C[0], C[1], B[0], B[1], 2);
    equalSideMarks(f, C[0], C[1], D[0], D[1], 2);
    f.text(A[0] + 10, A[1], 'l', "A");
    f.text(B[0] + 8, B[1], 'l', "B");
    f.text(C[0] + 10, C[1], 'l', "C");
    f.text(D[0] - 8, D[1], 'r', "D");
    auto atA = [&](const std::string& l) { markAngle(f, A[0], A[1], 270 - al / 2, al, l, 20); };
    auto atB = [&](const std::string& l) { markAngle(f, B[0], B[1], 90 + al / 2, be, l, 18); };
    auto atC = [&](const std::string& l) { markAngle(f, C[0], C[1], 90 - ga / 2, ga, l, 20); };
    auto atD = [&](const std::string& l) { markAngle(f, D[0], D[1], 270 + ga / 2, be, l, 18); };
    atA(deg(al));
    if (twoParts) {
        atB(deg(be));
        atD("x");
        atC("y");
        q.subparts({{"Find angle <i>x</i>.", kDeg}, {"Find angle <i>y</i>.", kDeg}});
        return q.part('N', S(be)).part('N', S(ga)).done();
    }
    atC(deg(ga));
    atB("x");
    q.p("Find angle <i>x</i>.");
    return q.number(r, k[0], be, kDeg, wrong).done();
}

// A quadrilateral or pentagon drawn to scale from its angles: sides turn left by each outside
// angle, the last two sides' lengths found so the shape closes.
Question polygonMissingAngle(Rng& r, const std::string& k) {
    const int n = r.chance(50) ? 4 : 5;
    const int total = 180 * (n - 2);
    std::vector<int> ang;
    std::vector<double> len;
    std::vector<double> dir;
    for (;;) {
        ang.clear();
        int sum = 0;
        for (int i = 0; i < n - 1; ++i) {
            ang.push_back(n == 4 ? r.range(60, 140) : r.range(85, 140));
            sum += ang.back();
        }
        ang.push_back(total - sum);
        if (ang.back() < (n == 4 ? 60 : 85) || ang.back() > 160) continue;
        dir.assign(static_cast<std::size_t>(n), 0);
        for (int i = 1; i < n; ++i) dir[i] = dir[i - 1] + 180 - ang[i];
        len.assign(static_cast<std::size_t>(n), 0);
        double sx = 0, sy = 0;
        for (int i = 0; i < n - 2; ++i) {
            len[i] = r.range(60, 140) / 100.0;
            sx += len[i] * std::cos(dir[i] * kPi / 180);
            sy += len[i] * std::sin(dir[i] * kPi / 180);
        }
        const double ax = std::cos(dir[n - 2] * kPi / 180), ay = std::sin(dir[n - 2] * kPi / 180);
        const double bx = std::cos(dir[n - 1] * kPi / 180), by = std::sin(dir[n - 1] * kPi / 180);
        const double det = ax * by - ay * bx;
        if (std::abs(det) < 1e-6) continue;
        len[n - 2] = (-sx * by + sy * bx) / det;
        len[n - 1] = (-ax * sy + ay * sx) / det;
        if (len[n - 2] < 0.55 || len[n - 2] > 1.6 || len[n - 1] < 0.55 || len[n - 1] > 1.6)
            continue;
        break;
    }
    std::vector<double> vx = {0}, vy = {0};
    for (int i = 0; i < n - 1; ++i) {
        vx.push_back(vx.back() + len[i] * std::cos(dir[i] * kPi / 180));
        vy.push_back(vy.back() + len[i] * std::sin(dir[i] * kPi / 180));
    }
    const double minX = *std::min_element(vx.begin(), vx.end());
    const double maxX = *std::max_element(vx.begin(), vx.end());
    const double minY = *std::min_element(vy.begin(), vy.end());
    const double maxY = *std::max_element(vy.begin(), vy.end());
    const double sc = std::min(220 / (maxX - minX), 150 / (maxY - minY));
    std::vector<std::pair<int, int>> pts;
    for (int i = 0; i < n; ++i)
        pts.emplace_back(ri(150 + (vx[i] - (minX + maxX) / 2) * sc),
                         ri(100 - (vy[i] - (minY + maxY) / 2) * sc));
    int u, knownSum;
    std::vector<int> known;
    std::vector<Frac> wrong;
    do {
        u = r.range(0, n - 1);
        known.clear();
        knownSum = 0;
        for (int i = 0; i < n; ++i)
            if (i != u) {
                known.push_back(ang[i]);
                knownSum += ang[i];
            }
        wrong = {180 * (n - 1) - knownSum /* the sum for one side more */,
                 180 * n - knownSum /* 180 for every side */, 180 - ang[u] /* the angle outside */,
                 knownSum /* stopped after adding */};
    } while (!enoughWrong(ang[u], wrong));
    const int x = ang[u];
    QB q("polygon_missing_angle", 2);
    std::string list;
    for (int v : known) list += (list.empty() ? "" : ",") + S(v);
    q.param("n", n).param("known", list);
    const std::string shape = n == 4 ? "quadrilateral" : "pentagon";
    q.p("Find the size of angle <i>x</i> in the " + shape + ".");
    Figure& f = q.figure(300, 200, shape);
    f.poly(pts, "#dbeafe");
    // each angle runs anticlockwise from the side leaving its corner to the side arriving
    for (int i = 0; i < n; ++i)
        markAngle(f, pts[i].first, pts[i].second, norm360(ri(dir[i])), ang[i],
                  i == u ? "x" : deg(ang[i]), 18);
    return q.number(r, k[0], x, kDeg, wrong).done();
}

// ---- clocks, protractors and turns ----

Question clockHandsAngle(Rng& r, const std::string& k) {
    int h, m, ans;
    std::vector<Frac> wrong;
    do {
        h = r.range(1, 11);
        m = r.range(1, 5) * 10;
        const int d = std::abs(30 * h + m / 2 - 6 * m);
        ans = std::min(d, 360 - d);
        const int onNumber = std::abs(30 * h - 6 * m);
        wrong = {std::min(onNumber, 360 - onNumber) /* the hour hand left on its number */,
                 360 - ans /* the larger angle */, 6 * m /* the minute hand from 12 */,
                 30 * h /* the hour number times 30 */};
    } while (ans < 20 || !enoughWrong(ans, wrong));
    QB q("clock_hands_angle", 3);
    const std::string time = S(h) + ":" + (m < 10 ? "0" : "") + S(m);
    q.param("time", time);
    q.p("The clock shows " + time +
        ". What is the size of angle <i>x</i>, the smaller angle "
        "between its hands?");
    Figure& f = q.figure(200, 200, "clock showing " + time);
    drawClock(f, h, m);
    const int hourDir = norm360(90 - (30 * h + m / 2));
    const int minuteDir = norm360(90 - 6 * m);
    if (norm360(minuteDir - hourDir) == ans)
        markAngle(f, 100, 100, hourDir, ans, "x", 22);
    else
        markAngle(f, 100, 100, minuteDir, ans, "x", 22);
    return q.number(r, k[0], ans, kDeg, wrong).done();
}

Question minuteHandTurn(Rng& r, const std::string& k) {
    const bool both = k == "NN";
    const bool hourHand = !both && r.chance(40);
    int h, m, mins;
    std::vector<Frac> wrong;
    Frac ans;
    do {
        h = r.range(1, 9);
        m = hourHand ? 0 : r.range(0, 6) * 5;
        if (hourHand) {
            const int hours = r.range(1, 5);
            mins = 60 * hours;
            ans = 30 * hours;
            wrong = {360 * hours /* as the minute hand turns */, hours /* the hours themselves */,
                     6 * hours /* 6 degrees a number, as for minutes */,
                     360 - 30 * hours /* the rest of the turn */};
        } else {
            mins = r.range(1, 6) * 10 - (both ? 0 : r.range(0, 1) * 5);
            ans = 6 * mins;
            wrong = {mins /* the minutes themselves */, 30 * mins /* 30 degrees a minute */,
                     360 - 6 * mins /* the rest of the turn */,
                     Frac(mins, 2) /* as the hour hand */};
        }
    } while (!enoughWrong(ans, wrong));
    const int end = h * 60 + m + mins;
    auto text = [](int t) {
        const int hh = (t / 60 - 1) % 12 + 1, mm = t % 60;
        return S(hh) + ":" + (mm < 10 ? "0" : "") + S(mm);
    };
    QB q("minute_hand_turn", 2);
    q.param("start", text(h * 60 + m))
        .param("end", text(end))
        .param("ask", both       ? "both"
                      : hourHand ? "hour"
                                 : "minute");
    q.p("The time on a clock changes from " + text(h * 60 + m) + " to " + text(end) + ".");
    if (both) {
        q.subparts({{"Through how many degrees does the minute hand turn?", kDeg},
                    {"Through how many degrees does the hour hand turn?", kDeg}});
        return q.part('N', S(6 * mins)).part('N', S(mins / 2)).done();
    }
    q.p(std::string("Through how many degrees does the ") + (hourHand ? "hour" : "minute") +
        " hand turn?");
    return q.number(r, k[0], ans, kDeg, wrong).done();
}

// A protractor with an outer scale from 0 on the right and an inner scale from 0 on the left.
Question protractorRead(Rng& r, const std::string& k) {
    const int a = r.pick(std::vector<int>{30, 50, 70, 110, 130, 150});
    const bool baseRight = r.chance(50);
    const int arm = baseRight ? a : 180 - a;  // the direction of the second arm
    QB q("protractor_read", 1);
    q.param("base", baseRight ? "right" : "left").param("arm", arm);
    q.p("Use the protractor to find the size of angle <i>x</i>.");
    Figure& f = q.figure(300, 200, "protractor measuring angle x");
    const int cx = 150, cy = 172, R = 114;
    f.colour("#64748b");
    f.line(cx - R, cy, cx + R, cy);
    f.arc(cx, cy, R, 0, 180);
    f.arc(cx, cy, R - 36, 0, 180);  // the inner scale's numbers stand outside it
    for (int d = 0; d <= 180; d += 5) {
        const double t = d * kPi / 180;
        const int len = d % 10 == 0 ? 9 : 5;
        f.line(ri(cx + R * std::cos(t)), ri(cy - R * std::sin(t)), ri(cx + (R - len) * std::cos(t)),
               ri(cy - (R - len) * std::sin(t)));
    }
    f.colour("#000000");
    for (int d = 0; d <= 180; d += 20) {
        const double t = d * kPi / 180;
        // The numbers at the ends stand above the base line, where an arm cannot cross them,
        // and clear of the scales' arcs, which meet the base line there.
        const bool end = d == 0 || d == 180;
        const int lift = end ? 10 : 0;
        const int outer = end ? R + 14 : R + 12;
        const int inner = R - 20;
        f.text(ri(cx + outer * std::cos(t)), ri(cy - outer * std::sin(t)) - lift, 'c', S(d));
        f.text(ri(cx + inner * std::cos(t)), ri(cy - inner * std::sin(t)) + 2 - lift, 'c',
               S(180 - d));
    }
    const int armLen = R + 18;
    f.line(cx, cy, baseRight ? cx + armLen : cx - armLen, cy, false, true);
    const double t = arm * kPi / 180;
    f.line(cx, cy, ri(cx + armLen * std::cos(t)), ri(cy - armLen * std::sin(t)), false, true);
    markAngle(f, cx, cy, baseRight ? 0 : arm, a, "x", 16);
    return q
        .number(r, k[0], a, kDeg,
                {180 - a /* read from the other scale */, a - 10 /* one mark short */,
                 a + 10 /* one mark over */})
        .done();
}

Question reflexAngle(Rng& r, const std::string& k) {
    int a;
    do a = r.range(6, 32) * 5;
    while (a == 90);
    const int start = r.range(0, 71) * 5;
    QB q("reflex_angle", 1);
    q.param("a", a);
    q.p("Two lines start from the same point. Find the size of the reflex angle <i>x</i>.");
    Figure& f = q.figure(300, 200, "two lines from a point, with the reflex angle x");
    const int cx = 150, cy = 100;
    for (int d : {start, start + a}) {
        const double t = d * kPi / 180;
        f.line(cx, cy, ri(cx + 85 * std::cos(t)), ri(cy - 85 * std::sin(t)), false, true);
    }
    markAngle(f, cx, cy, start, a, deg(a), 20);
    markAngle(f, cx, cy, norm360(start + a), 360 - a, "x", 30);
    return q
        .number(r, k[0], 360 - a, kDeg,
                {180 - a /* as if on a straight line */, 180 + a /* 180 added */,
                 a /* the angle given */})
        .done();
}

Question equalAnglesPoint(Rng& r, const std::string& k) {
    int n, g, x;
    std::vector<Frac> wrong;
    do {
        n = r.range(2, 5);
        g = r.range(6, 30) * 5;
        x = (360 - g) / n;
        wrong = {Frac(180 - g, n) /* a straight line's 180 */, 360 - g /* not divided */,
                 Frac(360, n + 1) /* the given angle counted as one of them */,
                 Frac(360 - g, n - 1) /* one of them left out */};
    } while ((360 - g) % n || x < 30 || x == g || !enoughWrong(x, wrong));
    QB q("equal_angles_point", 2);
    q.param("n", n).param("g", g);
    std::vector<int> angles(static_cast<std::size_t>(n), x);
    std::vector<std::string> labels(static_cast<std::size_t>(n), "x");
    const int at = r.range(0, n);
    angles.insert(angles.begin() + at, g);
    labels.insert(labels.begin() + at, deg(g));
    q.p("The angles meet at a point. The angles marked <i>x</i> are all the same size. Find "
        "<i>x</i>.");
    drawAnglesAtPoint(q.figure(300, 200, "angles at a point"), angles, labels);
    return q.number(r, k[0], x, kDeg, wrong).done();
}

Question turnFraction(Rng& r, const std::string& k) {
    QB q("turn_fraction", 1);
    if (r.chance(55)) {
        static const std::vector<Frac> fr = {Frac(1, 4), Frac(1, 2), Frac(3, 4), Frac(1, 3),
                                             Frac(2, 3), Frac(1, 6), Frac(1, 8), Frac(3, 8),
                                             Frac(5, 6), Frac(1, 5), Frac(2, 5), Frac(1, 10)};
        Frac f;
        std::vector<Frac> wrong;
        do {
            f = r.pick(fr);
            wrong = {f * Frac(180) /* of a half turn */, f * Frac(100) /* as a percentage */,
                     f * Frac(90) /* of a right angle */};
        } while (!enoughWrong(f * Frac(360), wrong));
        q.param("ask", "degrees").paramFrac("turn", f);
        q.p("How many degrees are there in " + fracHtml(f) + " of a full turn?");
        return q.number(r, k[0], f * Frac(360), kDeg, wrong).done();
    }
    const int d = r.range(2, 8) * 90;
    q.param("ask", "right_angles").param("degrees", d);
    q.p("How many right angles make a turn of " + qty(d, kDeg) + "?");
    return q
        .number(r, k[0], d / 90, "right angles",
                {Frac(d, 180) /* counted half turns */, Frac(d, 45) /* 45 degrees each */,
                 Frac(d, 60) /* 60 degrees each */, Frac(d, 100) /* 100 degrees each */})
        .done();
}

// ---- directions ----

Question compassBack(Rng& r, const std::string& k) {
    static const std::vector<std::pair<std::string, std::string>> trips = {{"school", "park"},
                                                                           {"farm", "river"},
                                                                           {"station", "library"},
                                                                           {"camp", "lake"},
                                                                           {"shop", "church"}};
    const auto& [from, to] = r.pick(trips);
    const std::string who = r.pick(names());
    const int d = r.range(0, 7);
    auto point = [&](int i) { return kPoints[static_cast<std::size_t>(((i % 8) + 8) % 8)]; };
    QB q("compass_back", 1);
    q.param("dir", point(d));
    q.p(who + " walks in a straight line from the " + from + " to the " + to + ", heading " +
        point(d) + ".");
    q.p("In which direction must " + who + " walk to go straight back to the " + from + "?");
    drawCompass(q.figure(300, 200, "compass rose"));
    if (k == "Q")
        return q
            .choice(r, point(d + 4),
                    {point(d) /* the way there */, point(d + 2) /* a quarter turn */,
                     point(d - 2) /* the other quarter turn */})
            .done();
    q.note(kDirNote);
    q.answer();
    return q.part('T', point(d + 4)).done();
}

// ---- naming shapes, symmetry ----

Question quadProperties(Rng& r, const std::string& k) {
    struct Clues {
        const char* name;
        const char* sides;
        const char* angles;
        const char* parallel;
    };
    static const std::vector<Clues> shapes = {
        {"square", "all", "right", "two"}, {"rectangle", "opposite", "right", "two"},
        {"rhombus", "all", "none", "two"}, {"parallelogram", "opposite", "none", "two"},
        {"kite", "adjacent", "-", "none"}, {"trapezium", "-", "-", "one"}};
    const Clues& c = r.pick(shapes);
    QB q("quad_properties", 1);
    q.param("sides", c.sides).param("angles", c.angles).param("parallel", c.parallel);
    std::string text = "I am a quadrilateral.";
    const std::string sides = c.sides;
    if (sides == "all") text += " All four of my sides are the same length.";
    if (sides == "opposite")
        text +=
            " My opposite sides are the same length, but my four sides are not all the same "
            "length.";
    if (sides == "adjacent")
        text +=
            " I have two pairs of sides of the same length. The two sides of each pair meet at "
            "a corner, and my four sides are not all the same length.";
    const std::string angles = c.angles;
    if (angles == "right") text += " All four of my angles are right angles.";
    if (angles == "none") text += " None of my angles is a right angle.";
    const std::string parallel = c.parallel;
    if (parallel == "two") text += " Both pairs of my opposite sides are parallel.";
    if (parallel == "one") text += " Exactly one pair of my sides is parallel.";
    if (parallel == "none") text += " None of my sides is parallel to another.";
    q.p(text);
    q.p("What am I?");
    if (k == "Q") {
        std::vector<std::string> wrong;
        for (const Clues& o : shapes)
            if (o.name != c.name) wrong.push_back(o.name);
        r.shuffle(wrong);
        return q.choice(r, c.name, wrong).done();
    }
    q.note("Write the name of the shape.");
    q.answer();
    return q.part('T', c.name).done();
}

Question linesOfSymmetry(Rng& r, const std::string& k) {
    struct Shape {
        const char* name;
        std::vector<std::pair<int, int>> pts;
        int lines;
    };
    static const std::vector<Shape> shapes = {
        {"equilateral triangle", regularCorners(3, 150, 112, 84, 90), 3},
        {"isosceles triangle", {{100, 170}, {200, 170}, {150, 22}}, 1},
        {"square", regularCorners(4, 150, 100, 92, 45), 4},
        {"rectangle", {{60, 55}, {240, 55}, {240, 145}, {60, 145}}, 2},
        {"rhombus", {{150, 34}, {245, 100}, {150, 166}, {55, 100}}, 2},
        {"kite", {{150, 20}, {205, 70}, {150, 182}, {95, 70}}, 1},
        {"regular pentagon", regularCorners(5, 150, 106, 86, 90), 5},
        {"regular hexagon", regularCorners(6, 150, 100, 88, 0), 6},
        {"regular octagon", regularCorners(8, 150, 100, 88, 22.5), 8}};
    const Shape* s;
    std::vector<Frac> wrong;
    do {
        s = &r.pick(shapes);
        const int n = static_cast<int>(s->pts.size());
        wrong = {n /* one line for each side */, 2 * s->lines /* each line counted twice */,
                 Frac(s->lines, 2) /* only the lines through corners */,
                 s->lines + 2 /* the diagonals as well */};
    } while (k == "Q" && !enoughWrong(s->lines, wrong));
    QB q("lines_of_symmetry", 1);
    std::string param = s->name;
    std::replace(param.begin(), param.end(), ' ', '_');
    q.param("shape", param);
    q.p("How many lines of symmetry does this " + std::string(s->name) + " have?");
    q.figure(300, 200, s->name).poly(s->pts, "#dbeafe");
    if (k == "Q") return q.number(r, 'Q', s->lines, "", wrong).done();
    q.answer();
    return q.part('N', S(s->lines)).done();
}

Question possibleTriangle(Rng& r, const std::string& k) {
    (void)k;
    auto triple = [&](int sum) {
        int a, b;
        const int most = sum > 200 ? 34 : 20;  // every angle less than a straight line
        do {
            a = r.range(4, most) * 5;
            b = r.range(4, most) * 5;
        } while (sum - a - b < 20 || sum - a - b >= 180 || a == b || sum - a - b == a ||
                 sum - a - b == b);
        return std::vector<int>{a, b, sum - a - b};
    };
    auto text = [](const std::vector<int>& t) {
        return qty(t[0], kDeg) + ", " + qty(t[1], kDeg) + " and " + qty(t[2], kDeg);
    };
    QB q("possible_triangle", 1);
    q.p("Which set of angles could be the three angles of a triangle?");
    return q
        .choice(r, text(triple(180)),
                {text(triple(360)) /* the angles of a quadrilateral */,
                 text(triple(190)) /* ten degrees over */, text(triple(170)) /* ten short */})
        .done();
}

Question polygonSidesFromSum(Rng& r, const std::string& k) {
    int n;
    std::vector<Frac> wrong;
    do {
        // as a choice, a polygon with an even number of sides, so no option has half a side
        n = k == "Q" ? r.range(3, 6) * 2 : r.range(5, 12);
        wrong = {n - 2 /* did not add 2 */, n - 4 /* took 2 away instead */,
                 Frac(n - 2, 2) /* divided by 360 */, Frac(n + 2, 2) /* by 360, then added 2 */};
    } while (!enoughWrong(n, wrong));
    QB q("polygon_sides_from_sum", 2);
    q.param("sum", 180 * (n - 2));
    q.p("The interior angles of a polygon add up to " + qty(180 * (n - 2), kDeg) +
        ". How many sides does the polygon have?");
    return q.number(r, k[0], n, "sides", wrong).done();
}

const std::string& polygonName(int n) {
    static const std::vector<std::string> names_ = {
        "", "",        "",        "triangle", "", "pentagon", "hexagon",
        "", "octagon", "nonagon", "decagon",  "", "dodecagon"};
    return names_[static_cast<std::size_t>(n)];
}

Question polygonExterior(Rng& r, const std::string& k) {
    QB q("polygon_exterior", 2);
    if (k == "NN" || r.chance(50)) {
        const int n = r.pick(std::vector<int>{5, 6, 8, 9, 10, 12});
        q.param("ask", k == "NN" ? "both" : "exterior").param("n", n);
        q.p("The shape is a regular " + polygonName(n) + " (" + S(n) +
            " sides). One side is drawn "
            "on past a corner.");
        Figure& f = q.figure(300, 200, "regular " + polygonName(n) + " with one side drawn on");
        const double start = 270.0 - 180.0 / n;
        auto pts = regularCorners(n, 130, 96, 78, start);
        f.poly(pts, "#dbeafe");
        const auto [bx, by] = pts[1];
        f.line(bx, by, bx + 60, by);
        const int e = 360 / n;
        markAngle(f, bx, by, 0, e, "x", 20);
        if (k == "NN") {
            markAngle(f, bx, by, e, 180 - e, "y", 16);
            q.subparts({{"Find the exterior angle <i>x</i>.", kDeg},
                        {"Find the interior angle <i>y</i>.", kDeg}});
            return q.part('N', S(e)).part('N', S(180 - e)).done();
        }
        q.p("Find the exterior angle <i>x</i>.");
        return q
            .number(r, k[0], e, kDeg,
                    {180 - e /* the interior angle */, Frac(180, n) /* 180 shared out */,
                     180 * (n - 2) /* the sum of the interior angles */})
            .done();
    }
    int n;
    std::vector<Frac> wrong;
    do {
        n = r.pick(std::vector<int>{5, 6, 8, 9, 10, 12, 15, 18, 20, 24, 30, 36});
        const int e = 360 / n;
        wrong.clear();
        // numbers of sides are whole: only whole slips make options
        for (const Frac& w :
             {Frac(180, e) /* 180 divided */, Frac(180 - e) /* the interior angle */,
              Frac(e) /* the angle read as the sides */,
              Frac(360, 180 - e) /* divided by the interior angle */})
            if (w.isInt()) wrong.push_back(w);
    } while (!enoughWrong(n, wrong));
    q.param("ask", "sides").param("exterior", 360 / n);
    q.p("Each exterior angle of a regular polygon is " + qty(360 / n, kDeg) +
        ". How many sides does the polygon have?");
    return q.number(r, k[0], n, "sides", wrong).done();
}

// ---- angles in triangles and on lines ----

Question angleLineAlgebra(Rng& r, const std::string& k) {
    static const std::vector<std::vector<int>> sets = {
        {1, 2}, {1, 3}, {2, 3}, {1, 4}, {1, 1, 2}, {1, 2, 3}, {3, 2, 1}, {1, 5}, {2, 1}, {4, 1}};
    std::vector<int> c;
    int g, x, total;
    std::vector<Frac> wrong;
    do {
        c = r.pick(sets);
        g = r.chance(40) ? r.range(4, 12) * 5 : 0;
        total = 0;
        for (int v : c) total += v;
        x = (180 - g) / total;
        wrong = {180 - g /* not divided */, Frac(360 - g, total) /* as if at a point */,
                 Frac(180 - g, total + 1) /* counted the x's wrongly */};
        if (g > 0) wrong.push_back(Frac(180, total) /* the given angle left out */);
    } while ((180 - g) % total || x < 20 || !enoughWrong(x, wrong));
    const int biggest = *std::max_element(c.begin(), c.end());
    std::vector<int> angles;
    std::vector<std::string> labels;
    for (int v : c) {
        angles.push_back(v * x);
        labels.push_back(v == 1 ? "x" : S(v) + "x");
    }
    if (g > 0) {
        const int at = r.range(0, static_cast<int>(c.size()));
        angles.insert(angles.begin() + at, g);
        labels.insert(labels.begin() + at, deg(g));
    }
    QB q("angle_line_algebra", 2);
    std::string list;
    for (int v : c) list += (list.empty() ? "" : ",") + S(v);
    q.param("coeffs", list).param("known", g);
    q.p("The angles lie on a straight line. Find the value of <i>x</i>.");
    drawAnglesOnLine(q.figure(300, 200, "angles on a straight line"), angles, labels);
    if (k == "NN") {
        // the largest of the angles in x, which one coefficient holds
        q.subparts({{"Find the value of <i>x</i>.", kDeg},
                    {"Find the size of the angle marked " + S(biggest) + "<i>x</i>.", kDeg}});
        return q.part('N', S(x)).part('N', S(biggest * x)).done();
    }
    return q.number(r, k[0], x, kDeg, wrong).done();
}

Question rightTriangleAngles(Rng& r, const std::string& k) {
    const int a = r.range(25, 65);
    const int b = 90 - a;
    QB q("right_triangle_angles", 2);
    q.param("a", a);
    q.p("Triangle ABC has a right angle at C. Angle A is " + qty(a, kDeg) +
        ", and the side AB is drawn on past B.");
    Figure& f = q.figure(300, 200, "right-angled triangle with side AB drawn on past B");
    if (k == "NN") {
        const TriangleCorners t = drawMarkedTriangle(f, a, b, deg(a), "x", "", "", "y");
        markRightAngle(f, t.cx, t.cy, 180 + a, 12);
        q.subparts({{"Find angle <i>x</i>.", kDeg}, {"Find angle <i>y</i>.", kDeg}});
        return q.part('N', S(b)).part('N', S(180 - b)).done();
    }
    const TriangleCorners t = drawMarkedTriangle(f, a, b, deg(a), "", "", "", "x");
    markRightAngle(f, t.cx, t.cy, 180 + a, 12);
    q.p("Find angle <i>x</i>.");
    return q
        .number(r, k[0], 180 - b, kDeg,
                {b /* the angle inside at B */, 180 - a /* from 180 at A */,
                 90 /* the right angle itself */, 270 - a /* the other way round B */})
        .done();
}

Question triangleOnLine(Rng& r, const std::string& k) {
    int a, b;
    std::vector<Frac> wrong;
    do {
        a = r.range(35, 80);
        b = r.range(35, 80);
        const int p = 180 - a, q = 180 - b;
        wrong = {a + b /* the two angles at the base together */, p + q /* the outside angles */,
                 360 - p /* at a point */};
        if (std::abs(p - q) >= 20) wrong.push_back(std::abs(p - q)); /* one taken from the other */
    } while (a + b > 150 || !enoughWrong(180 - a - b, wrong));
    const int p = 180 - a, qq = 180 - b;
    QB q("triangle_on_line", 3);
    q.param("p", p).param("q", qq);
    q.p("The base AB of triangle ABC lies on a straight line.");
    Figure& f = q.figure(300, 200, "triangle on a straight line");
    if (k == "NNN") {
        drawMarkedTriangle(f, a, b, "x", "y", "z", deg(p), deg(qq));
        q.subparts({{"Find angle <i>x</i>.", kDeg},
                    {"Find angle <i>y</i>.", kDeg},
                    {"Find angle <i>z</i>.", kDeg}});
        return q.part('N', S(a)).part('N', S(b)).part('N', S(180 - a - b)).done();
    }
    if (k == "NN") {
        drawMarkedTriangle(f, a, b, "x", "", "y", deg(p), deg(qq));
        q.subparts({{"Find angle <i>x</i>.", kDeg}, {"Find angle <i>y</i>.", kDeg}});
        return q.part('N', S(a)).part('N', S(180 - a - b)).done();
    }
    drawMarkedTriangle(f, a, b, "", "", "x", deg(p), deg(qq));
    q.p("Find angle <i>x</i>.");
    return q.number(r, k[0], 180 - a - b, kDeg, wrong).done();
}

Question triangleClassify(Rng& r, const std::string& k) {
    QB q("triangle_classify", 1);
    if (k == "Q") {
        // sorting by sides: no right angle and no equilateral, so one word fits
        int a, b, c;
        do {
            a = r.range(4, 28) * 5;
            b = r.chance(40) ? a : r.range(4, 28) * 5;
            c = 180 - a - b;
        } while (c < 20 || a == 90 || b == 90 || c == 90 || (a == b && b == c));
        std::vector<int> t = {a, b, c};
        r.shuffle(t);
        q.param("angles", S(t[0]) + "," + S(t[1]) + "," + S(t[2]));
        q.p("The angles of a triangle are " + qty(t[0], kDeg) + ", " + qty(t[1], kDeg) + " and " +
            qty(t[2], kDeg) + ". Which word describes the triangle?");
        const bool iso = a == b || b == c || a == c;
        std::vector<std::string> kinds = {"equilateral", "isosceles", "scalene", "right-angled"};
        const std::string right = iso ? "isosceles" : "scalene";
        std::vector<std::string> wrong;
        for (const auto& w : kinds)
            if (w != right) wrong.push_back(w);
        return q.choice(r, right, wrong).done();
    }
    int a, b, c;
    do {
        a = r.range(20, 100);
        b = r.chance(30) ? 90 - a : r.range(15, 100);
        c = 180 - a - b;
    } while (c < 15 || b < 15 || a == 90 || b == 90);
    const int big = std::max({a, b, c});
    const std::string kind = big < 90 ? "acute" : big == 90 ? "right" : "obtuse";
    q.param("known", S(a) + "," + S(b));
    q.p("Two of the angles of a triangle are " + qty(a, kDeg) + " and " + qty(b, kDeg) + ".");
    const std::string ask =
        "Is the triangle acute-angled, right-angled or obtuse-angled? Write acute, right or "
        "obtuse.";
    if (k == "NT") {
        q.subparts({{"Find the third angle.", kDeg}, {ask, ""}});
        return q.part('N', S(c)).part('T', kind).done();
    }
    q.p(ask);
    q.answer();
    return q.part('T', kind).done();
}

Question whichAngleKind(Rng& r, const std::string& k) {
    std::vector<int> sizes = {r.range(5, 13) * 5, 90, r.range(23, 32) * 5, r.range(40, 64) * 5};
    const std::vector<std::string> kinds = {"acute", "right", "obtuse", "reflex"};
    const int ask = r.pick(std::vector<int>{0, 2, 3});  // a right angle shows its square
    std::vector<int> order = {0, 1, 2, 3};
    r.shuffle(order);
    const std::string letters = "PQRS";
    QB q("which_angle_kind", 1);
    q.param("ask", kinds[static_cast<std::size_t>(ask)]);
    for (std::size_t i = 0; i < 4; ++i)
        q.param(letterAt(letters, i), sizes[static_cast<std::size_t>(order[i])]);
    q.p("Look at the four angles.");
    Figure& f = q.figure(300, 200, "four angles P, Q, R and S");
    std::string right;
    for (std::size_t i = 0; i < 4; ++i) {
        const int ox = static_cast<int>(i % 2) * 150, oy = static_cast<int>(i / 2) * 100;
        const int size = sizes[static_cast<std::size_t>(order[i])];
        const int cx = ox + 80, cy = oy + 54;
        const int from = r.range(0, 5) * 10 - 20;
        for (int d : {from, from + size}) {
            const double t = d * kPi / 180;
            f.line(cx, cy, ri(cx + 40 * std::cos(t)), ri(cy - 40 * std::sin(t)), false, true);
        }
        if (size == 90)
            markRightAngle(f, cx, cy, norm360(from), 10);
        else
            f.arc(cx, cy, 12, norm360(from), size);
        f.text(ox + 14, oy + 16, 'c', letterAt(letters, i));
        if (order[i] == ask) right = letterAt(letters, i);
    }
    q.p("Which angle is " + withArticle(kinds[static_cast<std::size_t>(ask)]) + " angle?");
    if (k == "Q") {
        std::vector<std::string> wrong;
        for (std::size_t i = 0; i < 4; ++i)
            if (letterAt(letters, i) != right) wrong.push_back("angle " + letterAt(letters, i));
        return q.choice(r, "angle " + right, wrong).done();
    }
    q.note("Write the letter.");
    q.answer();
    return q.part('T', right).done();
}

Question compassTurnAngle(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const int from = r.range(0, 7);
    int steps;
    do steps = r.range(1, 7);
    while (steps == 4);
    const bool clockwise = r.chance(50);
    const int to = ((from + (clockwise ? steps : -steps)) % 8 + 8) % 8;
    QB q("compass_turn_angle", 1);
    q.param("from", kPoints[static_cast<std::size_t>(from)])
        .param("to", kPoints[static_cast<std::size_t>(to)])
        .param("dir", clockwise ? "cw" : "acw");
    q.p(who + " is facing " + kPoints[static_cast<std::size_t>(from)] + " and turns " +
        (clockwise ? "clockwise" : "anticlockwise") + " until facing " +
        kPoints[static_cast<std::size_t>(to)] + ".");
    drawCompass(q.figure(300, 200, "compass rose"));
    q.p("Through how many degrees does " + who + " turn?");
    const int ans = 45 * steps;
    return q
        .number(r, k[0], ans, kDeg,
                {360 - ans /* turned the other way */, ans + 45 /* a point too many */,
                 ans - 45 /* a point too few */, 90 * steps /* 90 degrees a point */})
        .done();
}

Question angleComplement(Rng& r, const std::string& k) {
    static const std::vector<std::pair<int, std::string>> targets = {
        {90, "a right angle"}, {180, "a straight line"}, {360, "a full turn"}};
    const auto& [total, what] = r.pick(targets);
    int a;
    std::vector<Frac> wrong;
    do {
        a = r.range(5, total / 5 - 2) * 5 + (r.chance(50) ? r.range(1, 4) : 0);
        wrong.clear();
        for (const auto& [other, name] : targets)
            if (other != total && other > a) wrong.push_back(other - a);  // the wrong whole
        wrong.push_back(a);                                               // taken as equal
        wrong.push_back(total + a);                                       // added
    } while (!enoughWrong(total - a, wrong));
    QB q("angle_complement", 1);
    q.param("a", a).param("total", total);
    q.p("What angle must be added to " + qty(a, kDeg) + " to make " + what + "?");
    return q.number(r, k[0], total - a, kDeg, wrong).done();
}

// ---- coordinates ----

Question coordinatesRead(Rng& r, const std::string& k) {
    int tx, ty;
    do {
        tx = r.range(1, 6);
        ty = r.range(1, 6);
    } while (tx == ty);
    std::vector<std::pair<int, int>> pts = {{tx, ty}, {ty, tx}};  // the second: x and y swapped
    while (pts.size() < 4) {
        const std::pair<int, int> p = {r.range(1, 8), r.range(1, 6)};
        if (std::find(pts.begin(), pts.end(), p) == pts.end()) pts.push_back(p);
    }
    std::vector<int> order = {0, 1, 2, 3};
    r.shuffle(order);
    const std::string letters = "PQRS";
    QB q("coordinates_read", 1);
    std::string target;
    q.p("The grid shows four points.");
    Figure& f = q.figure(300, 200, "points P, Q, R and S on a grid");
    const CoordGrid g = drawCoordGrid(f, 8, 6);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& p = pts[static_cast<std::size_t>(order[i])];
        plotPoint(f, g, p.first, p.second, letterAt(letters, i));
        if (order[i] == 0) target = letterAt(letters, i);
    }
    if (k == "NN") {
        q.param("ask", "coordinates").param("point", target);
        q.subparts({{"What is the <i>x</i>-coordinate of point " + target + "?", ""},
                    {"What is the <i>y</i>-coordinate of point " + target + "?", ""}});
        return q.part('N', S(tx)).part('N', S(ty)).done();
    }
    q.param("ask", "point").param("x", tx).param("y", ty);
    q.p("Which point has the coordinates (" + S(tx) + ", " + S(ty) + ")?");
    q.note("Write the letter.");
    q.answer();
    return q.part('T', target).done();
}

Question fourthVertex(Rng& r, const std::string& k) {
    (void)k;
    const int x1 = r.range(1, 6);
    const int x2 = r.range(x1 + 2, 8);
    const int y1 = r.range(1, 4);
    const int y2 = r.range(y1 + 2, 6);
    // corners in order round the rectangle; D is the one left to find
    std::vector<std::pair<int, int>> corners = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    std::rotate(corners.begin(), corners.begin() + r.range(0, 3), corners.end());
    if (r.chance(50)) std::reverse(corners.begin(), corners.end());
    QB q("fourth_vertex", 2);
    auto xy = [](const std::pair<int, int>& p) { return S(p.first) + ":" + S(p.second); };
    q.param("A", xy(corners[0])).param("B", xy(corners[1])).param("C", xy(corners[2]));
    q.p("A, B and C are three corners of the rectangle ABCD.");
    Figure& f = q.figure(300, 200, "three corners of rectangle ABCD on a grid");
    const CoordGrid g = drawCoordGrid(f, 8, 6);
    f.colour("#2563eb");
    f.line(g.px(corners[0].first), g.py(corners[0].second), g.px(corners[1].first),
           g.py(corners[1].second), true);
    f.line(g.px(corners[1].first), g.py(corners[1].second), g.px(corners[2].first),
           g.py(corners[2].second), true);
    f.colour("#000000");
    for (int i = 0; i < 3; ++i)
        plotPoint(f, g, corners[static_cast<std::size_t>(i)].first,
                  corners[static_cast<std::size_t>(i)].second, std::string(1, "ABC"[i]));
    q.subparts({{"What is the <i>x</i>-coordinate of D?", ""},
                {"What is the <i>y</i>-coordinate of D?", ""}});
    return q.part('N', S(corners[3].first)).part('N', S(corners[3].second)).done();
}

Question translatePoint(Rng& r, const std::string& k) {
    (void)k;
    int x, y, dx, dy;
    do {
        x = r.range(1, 7);
        y = r.range(1, 5);
        dx = r.range(1, 5) * (r.chance(50) ? 1 : -1);
        dy = r.range(1, 4) * (r.chance(50) ? 1 : -1);
    } while (x + dx < 1 || x + dx > 8 || y + dy < 1 || y + dy > 6);
    QB q("translate_point", 2);
    q.param("x", x).param("y", y).param("dx", dx).param("dy", dy);
    const auto squares = [](int n) {
        return S(std::abs(n)) + (std::abs(n) == 1 ? " square" : " squares");
    };
    q.p("Point P is moved " + squares(dx) + (dx > 0 ? " to the right" : " to the left") + " and " +
        squares(dy) + (dy > 0 ? " up" : " down") + ". It lands on point Q.");
    Figure& f = q.figure(300, 200, "point P on a grid");
    const CoordGrid g = drawCoordGrid(f, 8, 6);
    plotPoint(f, g, x, y, "P");
    q.subparts({{"What is the <i>x</i>-coordinate of Q?", ""},
                {"What is the <i>y</i>-coordinate of Q?", ""}});
    return q.part('N', S(x + dx)).part('N', S(y + dy)).done();
}

Question reflectPoint(Rng& r, const std::string& k) {
    (void)k;
    const bool vertical = r.chance(60);
    int m, x, y, rx, ry;
    do {
        m = vertical ? r.range(2, 6) : r.range(2, 4);
        x = r.range(1, 8);
        y = r.range(1, 6);
        rx = vertical ? 2 * m - x : x;
        ry = vertical ? y : 2 * m - y;
    } while ((vertical ? x == m : y == m) || rx < 1 || rx > 8 || ry < 1 || ry > 6);
    QB q("reflect_point", 2);
    q.param("axis", vertical ? "x" : "y").param("at", m).param("x", x).param("y", y);
    q.p("Point P is reflected in the dashed mirror line. Its image is point Q.");
    Figure& f = q.figure(300, 200, "point P and a mirror line on a grid");
    const CoordGrid g = drawCoordGrid(f, 8, 6);
    f.colour("#dc2626");
    if (vertical)
        f.line(g.px(m), g.py(0), g.px(m), g.py(6), true, true);
    else
        f.line(g.px(0), g.py(m), g.px(8), g.py(m), true, true);
    f.colour("#000000");
    plotPoint(f, g, x, y, "P");
    q.subparts({{"What is the <i>x</i>-coordinate of Q?", ""},
                {"What is the <i>y</i>-coordinate of Q?", ""}});
    return q.part('N', S(rx)).part('N', S(ry)).done();
}

}  // namespace

void addGeometryMore(std::vector<Family>& out) {
    out.push_back({"parallel_lines", 6, {"N", "Q", "NN", "NNN"}, parallelLines});
    out.push_back({"parallelogram_angles", 6, {"N", "Q", "NN"}, parallelogramAngles});
    out.push_back({"kite_angles", 6, {"N", "Q", "NN"}, kiteAngles});
    out.push_back({"polygon_missing_angle", 6, {"N", "Q"}, polygonMissingAngle});
    out.push_back({"clock_hands_angle", 6, {"N", "Q"}, clockHandsAngle});
    out.push_back({"minute_hand_turn", 6, {"N", "Q", "NN"}, minuteHandTurn});
    out.push_back({"protractor_read", 6, {"N", "Q"}, protractorRead});
    out.push_back({"reflex_angle", 6, {"N", "Q"}, reflexAngle});
    out.push_back({"equal_angles_point", 6, {"N", "Q"}, equalAnglesPoint});
    out.push_back({"turn_fraction", 6, {"N", "Q"}, turnFraction});
    out.push_back({"compass_back", 6, {"T", "Q"}, compassBack});
    out.push_back({"quad_properties", 6, {"T", "Q"}, quadProperties});
    out.push_back({"lines_of_symmetry", 6, {"N", "Q"}, linesOfSymmetry});
    out.push_back({"possible_triangle", 6, {"Q"}, possibleTriangle});
    out.push_back({"polygon_sides_from_sum", 6, {"N", "Q"}, polygonSidesFromSum});
    out.push_back({"polygon_exterior", 6, {"N", "Q", "NN"}, polygonExterior});
    out.push_back({"angle_line_algebra", 6, {"N", "Q", "NN"}, angleLineAlgebra});
    out.push_back({"right_triangle_angles", 6, {"NN", "N", "Q"}, rightTriangleAngles});
    out.push_back({"compass_turn_angle", 6, {"N", "Q"}, compassTurnAngle});
    out.push_back({"angle_complement", 6, {"N", "Q"}, angleComplement});
    out.push_back({"triangle_on_line", 6, {"N", "Q", "NN", "NNN"}, triangleOnLine});
    out.push_back({"triangle_classify", 6, {"T", "Q", "NT"}, triangleClassify});
    out.push_back({"which_angle_kind", 6, {"T", "Q"}, whichAngleKind});
    out.push_back({"coordinates_read", 6, {"T", "NN"}, coordinatesRead});
    out.push_back({"fourth_vertex", 6, {"NN"}, fourthVertex});
    out.push_back({"translate_point", 6, {"NN"}, translatePoint});
    out.push_back({"reflect_point", 6, {"NN"}, reflectPoint});
}
