// Geometry, continued: parallel lines, quadrilaterals, clocks and protractors, turns, symmetry,
// polygons drawn to scale, coordinates and moves on a grid, naming and sorting shapes.

#include "drawing.h"
#include "families.h"
#include "geometry_steps.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

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

using geometry::added;
using geometry::addNoExchange;
using geometry::kCompassDescription;
using geometry::below;
using geometry::dg;
using geometry::listed;
using geometry::noExchange;
using geometry::spoken;
using geometry::takeAway;
using geometry::triangleDescription;



// ---- quadrilaterals ----

Question parallelogramAngles(Rng& r, const std::string& k) {
    const std::string names = "ABCD";
    int a, given;
    std::vector<int> asked;
    std::vector<Slip> wrong;
    auto size = [&](int v) { return v % 2 == 0 ? a : 180 - a; };  // A and C, B and D
    for (;;) {
        do a = r.range(50, 130);
        while ((a > 78 && a < 102) || a == 60 || a == 120);
        given = r.range(0, 3);
        asked.clear();
        while (asked.size() < k.size()) {
            const int v = r.range(0, 3);
            if (v != given && std::find(asked.begin(), asked.end(), v) == asked.end())
                asked.push_back(v);
        }
        if (k != "Q") break;
        const int x = size(asked[0]), g = size(given);
        const bool opposite = (asked[0] - given) % 2 == 0;
        wrong = {{180 - x, "mixes up opposite and neighbouring angles"},
                 {360 - x, "uses 360&deg;, the angles at a point"},
                 {360 - 2 * g, "is what the two angles beside the " + dg(g) + " angle add up to"},
                 {90, "takes the angles to be right angles, as in a rectangle"}};
        if (!opposite) addNoExchange(wrong, 180, g);
        wrong = below(180, wrong);  // every angle of a parallelogram is less than 180 degrees
        if (enoughWrong(x, wrong)) break;
    }
    QB q("parallelogram_angles", 2);
    std::string list;
    for (int v : asked) list += letterAt(names, static_cast<std::size_t>(v));
    q.param("given", size(given))
        .param("at", letterAt(names, static_cast<std::size_t>(given)))
        .param("asked", list);
    q.p("ABCD is a parallelogram.");
    const std::vector<std::string> letters = {"x", "y"};
    std::string description = "Parallelogram ABCD, with A and B along the bottom and C and D along "
                              "the top, C above B. Angle " +
                              letterAt(names, static_cast<std::size_t>(given)) + " is " +
                              dg(size(given));
    for (std::size_t i = 0; i < asked.size(); ++i)
        description += (i + 1 == asked.size() ? " and angle " : ", angle ") +
                       letterAt(names, static_cast<std::size_t>(asked[i])) + " is marked " +
                       letters[i];
    Figure& f = q.figure(300, 200, description + ".");
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
    for (std::size_t i = 0; i < asked.size(); ++i)
        markAngle(f, P[asked[i]][0], P[asked[i]][1], from[asked[i]], size(asked[i]), letters[i]);
    const int g = size(given);
    const std::string at = letterAt(names, static_cast<std::size_t>(given));
    auto reason = [&](std::size_t i) {
        const std::string corner = letterAt(names, static_cast<std::size_t>(asked[i]));
        if ((asked[i] - given) % 2 == 0)
            return "Angle " + corner + " is opposite angle " + at + ": " + letters[i] + " = " +
                   dg(g) + ".";
        return "Angle " + corner + " is next to angle " + at + ": " + letters[i] + " = " +
               takeAway(180, {g}) + " = " + dg(180 - g) + ".";
    };
    say(q, "A parallelogram's opposite angles are equal, and its four angles add up to 360&deg;. "
           "So two neighbouring angles, one from each equal pair, make half of 360&deg;, "
           "180&deg;.");
    if (k == "NN") {
        q.subparts({{"Find angle <i>x</i>.", kDeg}, {"Find angle <i>y</i>.", kDeg}});
        say(q, "(a) " + reason(0));
        say(q, "(b) " + reason(1));
        return q.part('N', S(size(asked[0]))).part('N', S(size(asked[1]))).done();
    }
    q.p("Find angle <i>x</i>.");
    say(q, reason(0));
    return q.number(r, k[0], size(asked[0]), kDeg, wrong).done();
}

// The kite ABCD drawn with its marks: labels at A, B, C and D, "" for no mark.
void drawKite(Figure& f, int al, int ga, const std::string labels[4]) {
    const int be = (360 - al - ga) / 2;
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
    // in the order the marks have always been drawn: A, then B and D, then C
    if (!labels[0].empty()) markAngle(f, A[0], A[1], 270 - al / 2, al, labels[0], 20);
    if (!labels[1].empty()) markAngle(f, B[0], B[1], 90 + al / 2, be, labels[1], 18);
    if (!labels[3].empty()) markAngle(f, D[0], D[1], 270 + ga / 2, be, labels[3], 18);
    if (!labels[2].empty()) markAngle(f, C[0], C[1], 90 - ga / 2, ga, labels[2], 20);
}

// A kite with corners A (top), B (right), C (bottom), D (left): AB = AD and CB = CD.
Question kiteAngles(Rng& r, const std::string& k) {
    int al, ga, be;
    std::vector<Slip> wrong;
    const bool twoParts = k == "NN";
    Figure drawn;
    std::string labels[4];
    for (;;) {
        al = r.range(20, 55) * 2;
        ga = r.range(20, 55) * 2;
        be = (360 - al - ga) / 2;
        // the kite is drawn with every angle less than 180 degrees
        wrong = below(180, {{2 * be, "does not halve what is left for the two equal angles"},
                            {180 - be, "takes the angle from 180&deg;, as if on a straight line"},
                            {al, "takes it to be the same as angle A"},
                            {ga, "takes it to be the same as angle C"}});
        // a kite with wide angles at B and D is too narrow to mark them both
        if (be > 125 || al == ga || !enoughWrong(be, wrong)) continue;
        if (twoParts) {
            labels[0] = deg(al), labels[1] = deg(be), labels[2] = "y", labels[3] = "x";
        } else {
            labels[0] = deg(al), labels[1] = "x", labels[2] = deg(ga), labels[3] = "";
        }
        drawn = Figure{};
        drawn.width = 300;
        drawn.height = 200;
        drawKite(drawn, al, ga, labels);
        if (!geometry::labelsOverlap(drawn)) break;
    }
    QB q("kite_angles", 2);
    q.param("a", al);
    if (twoParts)
        q.param("b", be);
    else
        q.param("c", ga);
    q.p("ABCD is a kite: AB = AD and CB = CD.");
    const std::string shape = "Kite ABCD with A at the top, B on the right, C at the bottom and D "
                              "on the left; sides AB and AD are marked equal, and so are CB and "
                              "CD. Angle A is " +
                              dg(al) + ", ";
    q.figure(300, 200,
             shape + (twoParts ? "angle B is " + dg(be) +
                                     ", angle D is marked x and angle C is marked y."
                               : "angle C is " + dg(ga) +
                                     ", angle B is marked x and angle D has no mark."))
        .ops = drawn.ops;
    const std::string symmetry = "A kite has a line of symmetry through A and C, so angle B = "
                                 "angle D.";
    if (twoParts) {
        q.subparts({{"Find angle <i>x</i>.", kDeg}, {"Find angle <i>y</i>.", kDeg}});
        say(q, "(a) " + symmetry + " x = " + dg(be) + ".");
        say(q, "(b) The angles of a quadrilateral add up to 360&deg;: y = " +
               takeAway(360, {al, be, be}) + " = " + dg(ga) + ".");
        return q.part('N', S(be)).part('N', S(ga)).done();
    }
    q.p("Find angle <i>x</i>.");
    say(q, symmetry);
    say(q, "The angles of a quadrilateral add up to 360&deg;, so B and D together are " +
           takeAway(360, {al, ga}) + " = " + dg(2 * be) + ".");
    say(q, "x = " + dg(2 * be) + " &divide; 2 = " + dg(be) + ".");
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
    std::vector<std::pair<int, int>> pts;
    int u = 0, knownSum = 0;
    std::vector<int> known;
    std::vector<Slip> wrong;
    // the whole shape is drawn again until no two of its labels overlap
    for (bool clear = false; !clear;) {
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
        pts.clear();
        for (int i = 0; i < n; ++i)
            pts.emplace_back(ri(150 + (vx[i] - (minX + maxX) / 2) * sc),
                             ri(100 - (vy[i] - (minY + maxY) / 2) * sc));
        do {
            u = r.range(0, n - 1);
            known.clear();
            knownSum = 0;
            for (int i = 0; i < n; ++i)
                if (i != u) {
                    known.push_back(ang[i]);
                    knownSum += ang[i];
                }
            // the shape is drawn with every angle less than 180 degrees
            wrong = below(180, {{180 * (n - 1) - knownSum, "uses the angle sum of a shape with one "
                                                           "side more"},
                                {180 * n - knownSum, "takes 180&deg; for every side"},
                                {180 - ang[u], "is the angle outside the shape at that corner"},
                                {knownSum, "adds the angles given and stops there"},
                                {Frac(total, n), "shares " + dg(total) +
                                                     " equally, as if the shape were regular"}});
            addNoExchange(wrong, total, knownSum);
            wrong = below(180, wrong);
        } while (!enoughWrong(ang[u], wrong));
        Figure drawn;
        drawn.width = 300;
        drawn.height = 200;
        for (int i = 0; i < n; ++i)
            markAngle(drawn, pts[i].first, pts[i].second, norm360(ri(dir[i])), ang[i],
                      i == u ? "x" : deg(ang[i]), 18);
        clear = !geometry::labelsOverlap(drawn);
    }
    const int x = ang[u];
    QB q("polygon_missing_angle", 2);
    std::string list;
    for (int v : known) list += (list.empty() ? "" : ",") + S(v);
    q.param("n", n).param("known", list);
    const std::string shape = n == 4 ? "quadrilateral" : "pentagon";
    q.p("Find the size of angle <i>x</i> in the " + shape + ".");
    std::vector<std::string> spokenAngles;
    for (int i = 0; i < n; ++i) spokenAngles.push_back(i == u ? "x" : dg(ang[i]));
    Figure& f = q.figure(300, 200,
                         capitalised(withArticle(shape)) + " with all " + numberWords(n) +
                             " of its angles marked; going round the shape they are " +
                             listed(spokenAngles) + ".");
    f.poly(pts, "#dbeafe");
    // each angle runs anticlockwise from the side leaving its corner to the side arriving
    for (int i = 0; i < n; ++i)
        markAngle(f, pts[i].first, pts[i].second, norm360(ri(dir[i])), ang[i],
                  i == u ? "x" : deg(ang[i]), 18);
    if (n == 4)
        say(q, "The angles of a quadrilateral add up to 360&deg;.");
    else
        say(q, "From one corner, lines to the other corners cut a pentagon into 3 triangles, so "
               "its angles add up to 3 &times; 180&deg; = 540&deg;.");
    say(q, "The angles given: " + added(known) + " = " + dg(knownSum) + ".");
    say(q, "x = " + dg(total) + " &minus; " + dg(knownSum) + " = " + dg(x) + ".");
    return q.number(r, k[0], x, kDeg, wrong).done();
}

// ---- clocks, protractors and turns ----

Question clockHandsAngle(Rng& r, const std::string& k) {
    int h, m, ans;
    std::vector<Slip> wrong;
    do {
        h = r.range(1, 11);
        m = r.range(1, 5) * 10;
        const int d = std::abs(30 * h + m / 2 - 6 * m);
        ans = std::min(d, 360 - d);
        const int onNumber = std::abs(30 * h - 6 * m);
        // the smaller angle between the hands is at most a half turn
        wrong = geometry::within(
            {{std::min(onNumber, 360 - onNumber), "leaves the hour hand on the " + S(h) +
                                                      ", forgetting that it moves on as the "
                                                      "minutes pass"},
             {360 - ans, "is the larger angle, the long way round"},
             {6 * m, "is the minute hand's turn from 12"},
             {30 * h, "is the hour hand's turn from 12 to the " + S(h)}},
            0, 181);
    } while (ans < 20 || !enoughWrong(ans, wrong));
    QB q("clock_hands_angle", 3);
    const std::string time = S(h) + ":" + (m < 10 ? "0" : "") + S(m);
    q.param("time", time);
    q.p("The clock shows " + time +
        ". What is the size of angle <i>x</i>, the smaller angle "
        "between its hands?");
    Figure& f = q.figure(200, 200,
                         "A clock face numbered 1 to 12 showing " + time +
                             ": the minute hand points to " + S(m / 5) +
                             " and the hour hand is part of the way from " + S(h) + " to " +
                             S(h % 12 + 1) + ". The smaller angle between the hands is marked x.");
    drawClock(f, h, m);
    const int hourDir = norm360(90 - (30 * h + m / 2));
    const int minuteDir = norm360(90 - 6 * m);
    if (norm360(minuteDir - hourDir) == ans)
        markAngle(f, 100, 100, hourDir, ans, "x", 22);
    else
        markAngle(f, 100, 100, minuteDir, ans, "x", 22);
    const int hourAt = 30 * h + m / 2, minuteAt = 6 * m;
    say(q, "The minute hand turns 360&deg; in 60 minutes, 6&deg; a minute: at " + S(m) +
           " minutes past it has turned " + S(m) + " &times; 6&deg; = " + dg(minuteAt) +
           " from 12.");
    say(q, "The hour hand turns 30&deg; an hour and half a degree a minute: " + S(h) +
           " &times; 30&deg; + " + S(m) + " &divide; 2 = " + dg(hourAt) + " from 12.");
    const int d = std::abs(hourAt - minuteAt);
    const std::vector<int> order = {std::max(hourAt, minuteAt), std::min(hourAt, minuteAt)};
    say(q, "Between the hands: " + takeAway(order[0], {order[1]}) + " = " + dg(d) + ".");
    if (d > 180)
        say(q, "That is the larger angle; the smaller one is " + takeAway(360, {d}) + " = " +
               dg(ans) + ".");
    return q.number(r, k[0], ans, kDeg, wrong).done();
}

Question minuteHandTurn(Rng& r, const std::string& k) {
    const bool both = k == "NN";
    const bool hourHand = !both && r.chance(40);
    int h, m, mins;
    std::vector<Slip> wrong;
    Frac ans;
    do {
        h = r.range(1, 9);
        m = hourHand ? 0 : r.range(0, 6) * 5;
        if (hourHand) {
            const int hours = r.range(1, 5);
            mins = 60 * hours;
            ans = 30 * hours;
            wrong = {{360 * hours, "is how far the minute hand turns"},
                     {hours, "is the number of hours, not degrees"},
                     {6 * hours, "takes 6&deg; an hour, as the minute hand turns in a minute"},
                     {360 - 30 * hours, "is the rest of the turn"}};
        } else {
            mins = r.range(1, 6) * 10 - (both ? 0 : r.range(0, 1) * 5);
            ans = 6 * mins;
            wrong = {{mins, "is the number of minutes, not degrees"},
                     {30 * mins, "takes 30&deg; a minute, as between the numbers of the clock"},
                     {360 - 6 * mins, "is the rest of the turn"},
                     {Frac(mins, 2), "is how far the hour hand turns"}};
        }
        // a choice shows turns of less than a whole turn
        if (k == "Q") wrong = below(360, wrong);
    } while (!enoughWrong(ans, wrong) || (k == "Q" && ans >= Frac(360)));
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
    const std::string elapsed = "From " + text(h * 60 + m) + " to " + text(end) + " is " +
                                (hourHand ? plural(mins / 60, "hour", "hours")
                                          : plural(mins, "minute", "minutes")) +
                                ".";
    const std::string minuteRule =
        "The minute hand turns a full turn, 360&deg;, in 60 minutes: 360&deg; &divide; 60 = 6&deg; "
        "a minute.";
    if (both) {
        q.subparts({{"Through how many degrees does the minute hand turn?", kDeg},
                    {"Through how many degrees does the hour hand turn?", kDeg}});
        say(q, elapsed);
        say(q, "(a) " + minuteRule + " " + S(mins) + " &times; 6&deg; = " + dg(6 * mins) + ".");
        say(q, "(b) The hour hand turns 30&deg; in an hour of 60 minutes, half a degree a minute: " +
               S(mins) + " &divide; 2 = " + dg(Frac(mins, 2)) + ".");
        return q.part('N', S(6 * mins)).part('N', S(mins / 2)).done();
    }
    q.p(std::string("Through how many degrees does the ") + (hourHand ? "hour" : "minute") +
        " hand turn?");
    say(q, elapsed);
    if (hourHand) {
        say(q, "The hour hand turns a full turn, 360&deg;, in 12 hours: 360&deg; &divide; 12 = "
               "30&deg; an hour.");
        say(q, S(mins / 60) + " &times; 30&deg; = " + dg(ans) + ".");
    } else {
        say(q, minuteRule);
        say(q, S(mins) + " &times; 6&deg; = " + dg(ans) + ".");
    }
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
    // the arm passes a mark between two numbers of each scale
    const int outerLow = arm - 10, outerHigh = arm + 10;
    const std::string outer = "halfway between " + S(outerLow) + " and " + S(outerHigh) +
                              " on the outer scale";
    const std::string inner = "halfway between " + S(180 - outerHigh) + " and " +
                              S(180 - outerLow) + " on the inner scale";
    Figure& f = q.figure(
        300, 200,
        "A protractor with two scales, each numbered 0 to 180 in steps of 20 and marked every "
        "10 degrees: the outer scale has its 0 on the right, the inner scale its 0 on the left. "
        "Angle x has its corner at the centre of the protractor; one arm lies along the base "
        "line to the " +
            std::string(baseRight ? "right" : "left") + ", through the 0 of the " +
            (baseRight ? "outer" : "inner") + " scale, and the other arm passes the mark " +
            (baseRight ? outer + ", which is " + inner : inner + ", which is " + outer) + ".");
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
        const int outerR = end ? R + 14 : R + 12;
        const int innerR = R - 20;
        f.text(ri(cx + outerR * std::cos(t)), ri(cy - outerR * std::sin(t)) - lift, 'c', S(d));
        f.text(ri(cx + innerR * std::cos(t)), ri(cy - innerR * std::sin(t)) + 2 - lift, 'c',
               S(180 - d));
    }
    const int armLen = R + 18;
    f.line(cx, cy, baseRight ? cx + armLen : cx - armLen, cy, false, true);
    const double t = arm * kPi / 180;
    f.line(cx, cy, ri(cx + armLen * std::cos(t)), ri(cy - armLen * std::sin(t)), false, true);
    markAngle(f, cx, cy, baseRight ? 0 : arm, a, "x", 16);
    const std::string scale = baseRight ? "outer" : "inner";
    const int low = baseRight ? outerLow : 180 - outerHigh;
    say(q, "The arm along the base line passes 0 on the " + scale +
           " scale, so read the angle on the " + scale + " scale.");
    say(q, "The other arm passes the mark halfway between " + S(low) + " and " + S(low + 20) +
           " on that scale: " + S(low) + "&deg; + 10&deg; = " + dg(a) + ".");
    return q
        .number(r, k[0], a, kDeg,
                std::vector<Slip>{{180 - a, "reads the other scale"},
                                  {a - 10, "is one mark short"},
                                  {a + 10, "is one mark over"}})
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
    Figure& f = q.figure(300, 200,
                         "Two lines start from one point. The angle between them is marked " +
                             dg(a) +
                             ", and the reflex angle x goes the other way round the point, from "
                             "one line to the other.");
    const int cx = 150, cy = 100;
    for (int d : {start, start + a}) {
        const double t = d * kPi / 180;
        f.line(cx, cy, ri(cx + 85 * std::cos(t)), ri(cy - 85 * std::sin(t)), false, true);
    }
    markAngle(f, cx, cy, start, a, deg(a), 20);
    markAngle(f, cx, cy, norm360(start + a), 360 - a, "x", 30);
    say(q, "The two angles go all the way round the point, and angles at a point add up to "
           "360&deg;.");
    say(q, "x = " + takeAway(360, {a}) + " = " + dg(360 - a) + ".");
    // a reflex angle is more than 180 degrees: the slips below it are no option, so the
    // question is only ever typed
    return q.number(r, k[0], 360 - a, kDeg, std::vector<Slip>{}).done();
}

Question equalAnglesPoint(Rng& r, const std::string& k) {
    int n, g, x;
    std::vector<Slip> wrong;
    do {
        n = r.range(2, 5);
        g = r.range(6, 30) * 5;
        x = (360 - g) / n;
        wrong = {{Frac(180 - g, n), "uses 180&deg;, as on a straight line"},
                 {360 - g, "does not share what is left among the " + S(n) + " equal angles"},
                 {Frac(360, n + 1), "counts the " + dg(g) + " angle as one of the equal angles"},
                 {Frac(360 - g, n - 1), "counts one angle marked x too few"}};
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
    drawAnglesAtPoint(q.figure(300, 200,
                               "Lines from one point make " + numberWords(n + 1) +
                                   " angles round it: one of " + dg(g) + " and " +
                                   numberWords(n) + " equal angles, each marked x."),
                      angles, labels);
    say(q, "Angles at a point add up to 360&deg;.");
    say(q, "The " + numberWords(n) + " angles marked x together: " + takeAway(360, {g}) + " = " +
           dg(360 - g) + ".");
    say(q, "x = " + dg(360 - g) + " &divide; " + S(n) + " = " + dg(x) + ".");
    return q.number(r, k[0], x, kDeg, wrong).done();
}

Question turnFraction(Rng& r, const std::string& k) {
    QB q("turn_fraction", 1);
    if (r.chance(55)) {
        static const std::vector<Frac> fr = {Frac(1, 4), Frac(1, 2), Frac(3, 4), Frac(1, 3),
                                             Frac(2, 3), Frac(1, 6), Frac(1, 8), Frac(3, 8),
                                             Frac(5, 6), Frac(1, 5), Frac(2, 5), Frac(1, 10)};
        Frac f;
        std::vector<Slip> wrong;
        do {
            f = r.pick(fr);
            wrong = {{f * Frac(180), "takes " + fracHtml(f) + " of a half turn, 180&deg;"},
                     {f * Frac(100), "takes " + fracHtml(f) + " of 100, as for a percentage"},
                     {f * Frac(90), "takes " + fracHtml(f) + " of a right angle, 90&deg;"}};
        } while (!enoughWrong(f * Frac(360), wrong));
        q.param("ask", "degrees").paramFrac("turn", f);
        q.p("How many degrees are there in " + fracHtml(f) + " of a full turn?");
        const Frac part = Frac(360, f.d);
        say(q, "A full turn is 360&deg;.");
        say(q, fracHtml(Frac(1, f.d)) + " of a full turn is 360&deg; &divide; " + S(f.d) + " = " +
               dg(part) + ".");
        if (f.n > 1)
            say(q, fracHtml(f) + " of a full turn is " + S(f.n) + " times as much: " + S(f.n) +
                   " &times; " + dg(part) + " = " + dg(f * Frac(360)) + ".");
        return q.number(r, k[0], f * Frac(360), kDeg, wrong).done();
    }
    const int d = r.range(2, 8) * 90;
    q.param("ask", "right_angles").param("degrees", d);
    q.p("How many right angles make a turn of " + qty(d, kDeg) + "?");
    say(q, "A right angle is 90&deg;.");
    say(q, S(d) + " &divide; 90 = " + S(d / 90) + ", so " + dg(d) + " is " +
           plural(d / 90, "right angle", "right angles") + ".");
    return q
        .number(r, k[0], d / 90, "right angles",
                std::vector<Slip>{{Frac(d, 180), "counts half turns, 180&deg; each"},
                                  {Frac(d, 45), "takes 45&deg; for a right angle"},
                                  {Frac(d, 60), "takes 60&deg; for a right angle"},
                                  {Frac(d, 100), "takes 100&deg; for a right angle"}})
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
    drawCompass(q.figure(300, 200, kCompassDescription));
    say(q, "Going straight back means facing the opposite way: a half turn, 180&deg;.");
    say(q, "A half turn is 4 points of the compass, 4 &times; 45&deg; = 180&deg;. Four points on "
           "from " +
           point(d) + " (" + point(d + 1) + ", " + point(d + 2) + ", " + point(d + 3) + ", " +
           point(d + 4) + ") is " + point(d + 4) + ".");
    if (k == "Q")
        return q
            .choice(r, point(d + 4),
                    std::vector<TextSlip>{
                        {point(d), "is the way there, not the way back"},
                        {point(d + 2), "is a quarter turn, 90&deg;, not a half turn"},
                        {point(d - 2), "is a quarter turn the other way"}})
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
    // What a shape has, told by the property in which it differs: parallel sides first, then
    // angles, then sides.
    static const std::map<std::string, std::string> says = {
        {"parallel:two", "has two pairs of parallel sides"},
        {"parallel:one", "has only one pair of parallel sides"},
        {"parallel:none", "has no parallel sides"},
        {"angles:right", "has four right angles"},
        {"angles:none", "has no right angles"},
        {"sides:all", "has all four sides the same length"},
        {"sides:opposite", "has only its opposite sides the same length"},
        {"sides:adjacent", "has two pairs of equal sides that meet at corners"}};
    auto differs = [&](const Clues& o) {
        if (std::string(o.parallel) != c.parallel) return says.at("parallel:" + std::string(o.parallel));
        if (std::string(o.angles) != c.angles) return says.at("angles:" + std::string(o.angles));
        return says.at("sides:" + std::string(o.sides));
    };
    std::vector<std::string> have;
    if (sides != "-") have.push_back(says.at("sides:" + sides).substr(4));
    if (angles != "-") have.push_back(says.at("angles:" + angles).substr(4));
    have.push_back(says.at("parallel:" + parallel).substr(4));
    say(q, "The clues say the shape has " + geometry::listed(have) + ".");
    say(q, std::string("Of the quadrilaterals, only a ") + c.name + " has all of these: it is a " +
           c.name + ".");
    if (k == "Q") {
        std::vector<TextSlip> wrong;
        for (const Clues& o : shapes)
            if (o.name != c.name) wrong.push_back({o.name, differs(o)});
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
        const char* looks;  // what the picture shows, for a learner who cannot see it
        const char* why;    // where the lines of symmetry run
    };
    static const std::vector<Shape> shapes = {
        {"equilateral triangle", regularCorners(3, 150, 112, 84, 90), 3,
         "three equal sides, standing on one side with a corner at the top",
         "Each line runs from a corner to the middle of the side opposite it: one for each of "
         "the 3 corners, 3 lines."},
        {"isosceles triangle", {{100, 170}, {200, 170}, {150, 22}}, 1,
         "two long equal sides meeting at the top and a shorter base at the bottom",
         "Only the upright line from the top corner, between the two equal sides, to the middle "
         "of the base folds it onto itself: 1 line."},
        {"square", regularCorners(4, 150, 100, 92, 45), 4,
         "four equal sides and four right angles, its sides level and upright",
         "The two diagonals and the two lines through the middles of opposite sides: 2 + 2 = 4 "
         "lines."},
        {"rectangle", {{60, 55}, {240, 55}, {240, 145}, {60, 145}}, 2,
         "two long level sides and two shorter upright sides",
         "The level line and the upright line through the middles of opposite sides: 2 lines. "
         "A diagonal does not fold a rectangle that is not a square onto itself."},
        {"rhombus", {{150, 34}, {245, 100}, {150, 166}, {55, 100}}, 2,
         "four equal sides, standing on a corner, with corners at the top, bottom, left and "
         "right",
         "The two diagonals, one upright and one level: 2 lines. A line through the middles of "
         "opposite sides does not fold a rhombus onto itself."},
        {"kite", {{150, 20}, {205, 70}, {150, 182}, {95, 70}}, 1,
         "two short equal sides meeting at the top corner and two long equal sides meeting at "
         "the bottom corner",
         "Only the upright diagonal through the top and bottom corners, where the equal sides "
         "meet, folds it onto itself: 1 line."},
        {"regular pentagon", regularCorners(5, 150, 106, 86, 90), 5,
         "five equal sides and five equal angles, with a corner at the top",
         "Each line runs from a corner to the middle of the side opposite it: one for each of "
         "the 5 corners, 5 lines."},
        {"regular hexagon", regularCorners(6, 150, 100, 88, 0), 6,
         "six equal sides and six equal angles, with corners on the left and right",
         "Three lines through opposite corners and three through the middles of opposite "
         "sides: 3 + 3 = 6 lines."},
        {"regular octagon", regularCorners(8, 150, 100, 88, 22.5), 8,
         "eight equal sides and eight equal angles, with a level side at the top and bottom",
         "Four lines through opposite corners and four through the middles of opposite "
         "sides: 4 + 4 = 8 lines."}};
    const Shape* s;
    std::vector<Slip> wrong;
    do {
        s = &r.pick(shapes);
        const int n = static_cast<int>(s->pts.size());
        wrong = {{n, "counts one line for each side"},
                 {2 * s->lines, "counts each line twice, once at each end"},
                 {Frac(s->lines, 2), "counts only the lines through corners"},
                 {s->lines + 2, "adds lines that do not fold the shape onto itself"}};
        // a number of lines is a whole number
        if (k == "Q") wrong = geometry::wholeFrom(1, wrong);
    } while (k == "Q" && !enoughWrong(s->lines, wrong));
    QB q("lines_of_symmetry", 1);
    std::string param = s->name;
    std::replace(param.begin(), param.end(), ' ', '_');
    q.param("shape", param);
    q.p("How many lines of symmetry does this " + std::string(s->name) + " have?");
    q.figure(300, 200, withArticle(std::string(s->name)) + " drawn on its own: " + s->looks + ".")
        .poly(s->pts, "#dbeafe");
    say(q, "A line of symmetry folds the shape exactly onto itself.");
    say(q, s->why);
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
    std::vector<int> right;
    auto rightText = [&](const std::vector<int>& t) {
        right = t;
        return text(t);
    };
    // the same calls in the same order as the draws have always been made
    q.choice(r, rightText(triple(180)),
             std::vector<TextSlip>{{text(triple(360)), "adds up to 360&deg;, like the angles of a "
                                                       "quadrilateral"},
                                   {text(triple(190)), "adds up to 190&deg;, 10&deg; too many"},
                                   {text(triple(170)), "adds up to 170&deg;, 10&deg; too few"}});
    say(q, "The three angles of a triangle add up to 180&deg;.");
    say(q, "Only " + text(right) + " do: " + added(right) + " = 180&deg;.");
    return q.done();
}

Question polygonSidesFromSum(Rng& r, const std::string& k) {
    int n;
    std::vector<Slip> wrong;
    do {
        // as a choice, a polygon with an even number of sides, so no option has half a side
        n = k == "Q" ? r.range(3, 6) * 2 : r.range(5, 12);
        wrong = {{n - 2, "is the number of triangles, not of sides"},
                 {n - 4, "takes 2 away instead of adding 2"},
                 {Frac(n - 2, 2), "divides by 360&deg; instead of 180&deg;"},
                 {Frac(n + 2, 2), "divides by 360&deg; instead of 180&deg;, then adds 2"}};
        // a polygon has a whole number of sides, at least 3
        if (k == "Q") wrong = geometry::wholeFrom(3, wrong);
    } while (!enoughWrong(n, wrong));
    QB q("polygon_sides_from_sum", 2);
    q.param("sum", 180 * (n - 2));
    q.p("The interior angles of a polygon add up to " + qty(180 * (n - 2), kDeg) +
        ". How many sides does the polygon have?");
    say(q, "From one corner, lines to the other corners cut a polygon into triangles, 2 fewer "
           "than its sides, and the angles of each triangle add up to 180&deg;.");
    say(q, "Number of triangles = " + S(180 * (n - 2)) + " &divide; 180 = " + S(n - 2) + ".");
    say(q, "Number of sides = " + S(n - 2) + " + 2 = " + S(n) + ": the polygon has " +
           qty(n, "sides") + ".");
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
        // an exterior angle of a regular polygon is less than 180 degrees
        auto slips = [](int sides) {
            const int e = 360 / sides;
            return below(180, {{180 - e, "is the interior angle, inside the shape"},
                               {Frac(180, sides), "shares 180&deg; among the corners instead of "
                                                  "360&deg;"},
                               {180 * (sides - 2), "is the sum of the interior angles"},
                               {Frac(360, sides - 2), "shares 360&deg; among the triangles "
                                                      "instead of the corners"}});
        };
        int n = r.pick(std::vector<int>{5, 6, 8, 9, 10, 12});
        while (k == "Q" && !enoughWrong(360 / n, slips(n)))
            n = r.pick(std::vector<int>{5, 6, 8, 9, 10, 12});
        q.param("ask", k == "NN" ? "both" : "exterior").param("n", n);
        q.p("The shape is a regular " + polygonName(n) + " (" + S(n) +
            " sides). One side is drawn "
            "on past a corner.");
        Figure& f =
            q.figure(300, 200,
                     "A regular " + polygonName(n) + " with " + S(n) +
                         " equal sides, one of them drawn on past a corner. At that corner the "
                         "angle outside the shape, between the side drawn on and the next side, "
                         "is marked x" +
                         (k == "NN" ? ", and the angle inside the shape is marked y." : "."));
        const double start = 270.0 - 180.0 / n;
        auto pts = regularCorners(n, 130, 96, 78, start);
        f.poly(pts, "#dbeafe");
        const auto [bx, by] = pts[1];
        f.line(bx, by, bx + 60, by);
        const int e = 360 / n;
        markAngle(f, bx, by, 0, e, "x", 20);
        const std::string triangles =
            "From one corner, lines to the other corners cut the " + polygonName(n) + " into " +
            S(n) + " &minus; 2 = " + S(n - 2) + " triangles, so its interior angles add up to " +
            S(n - 2) + " &times; 180&deg; = " + dg(180 * (n - 2)) + ".";
        const std::string each = "The " + S(n) + " interior angles are equal: " +
                                 dg(180 * (n - 2)) + " &divide; " + S(n) + " = " + dg(180 - e) +
                                 ".";
        const std::string line = "x and the interior angle lie on a straight line: x = " +
                                 takeAway(180, {180 - e}) + " = " + dg(e) + ".";
        if (k == "NN") {
            markAngle(f, bx, by, e, 180 - e, "y", 16);
            q.subparts({{"Find the exterior angle <i>x</i>.", kDeg},
                        {"Find the interior angle <i>y</i>.", kDeg}});
            say(q, triangles);
            say(q, "(a) " + each + " " + line);
            say(q, "(b) y is one of the interior angles: y = " + dg(180 - e) + ".");
            return q.part('N', S(e)).part('N', S(180 - e)).done();
        }
        q.p("Find the exterior angle <i>x</i>.");
        say(q, triangles);
        say(q, each);
        say(q, line);
        return q.number(r, k[0], e, kDeg, slips(n)).done();
    }
    int n;
    std::vector<Slip> wrong;
    do {
        n = r.pick(std::vector<int>{5, 6, 8, 9, 10, 12, 15, 18, 20, 24, 30, 36});
        const int e = 360 / n;
        wrong.clear();
        // numbers of sides are whole: only whole slips make options
        for (const Slip& w : std::vector<Slip>{
                 {Frac(180, e), "divides 180&deg; by the exterior angle instead of 360&deg;"},
                 {Frac(180 - e), "is the interior angle, not a number of sides"},
                 {Frac(e), "reads the angle as the number of sides"},
                 {Frac(360, 180 - e), "divides 360&deg; by the interior angle"}})
            if (w.value.isInt()) wrong.push_back(w);
        if (k == "Q") wrong = geometry::wholeFrom(3, wrong);
    } while (!enoughWrong(n, wrong));
    const int e = 360 / n;
    q.param("ask", "sides").param("exterior", e);
    q.p("Each exterior angle of a regular polygon is " + qty(e, kDeg) +
        ". How many sides does the polygon have?");
    say(q, "Walking once round a polygon you turn at every corner through its exterior angle, "
           "and all the turns together make a full turn, 360&deg;.");
    say(q, "The turns are equal, " + dg(e) + " each: 360 &divide; " + S(e) + " = " + S(n) +
           " corners, so the polygon has " + S(n) + " sides.");
    return q.number(r, k[0], n, "sides", wrong).done();
}

// ---- angles in triangles and on lines ----

Question angleLineAlgebra(Rng& r, const std::string& k) {
    static const std::vector<std::vector<int>> sets = {
        {1, 2}, {1, 3}, {2, 3}, {1, 4}, {1, 1, 2}, {1, 2, 3}, {3, 2, 1}, {1, 5}, {2, 1}, {4, 1}};
    std::vector<int> c;
    int g, x, total;
    std::vector<Slip> wrong;
    do {
        c = r.pick(sets);
        g = r.chance(40) ? r.range(4, 12) * 5 : 0;
        total = 0;
        for (int v : c) total += v;
        x = (180 - g) / total;
        wrong = {{180 - g, "does not share the angle among the x's"},
                 {Frac(360 - g, total), "uses 360&deg;, as at a point"},
                 {Frac(180 - g, total + 1), "counts one x too many"},
                 {Frac(180 - g, total - 1), "counts one x too few"}};
        if (g > 0) wrong.push_back({Frac(180, total), "leaves out the " + dg(g) + " angle"});
        wrong = below(180, wrong);  // an angle on a straight line is less than 180 degrees
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
    std::vector<std::string> said;
    for (const auto& l : labels) said.push_back(l.find('x') != std::string::npos ? l : spoken(l));
    drawAnglesOnLine(q.figure(300, 200,
                              std::string(labels.size() == 2 ? "A straight line with a line"
                                                             : "A straight line with lines") +
                                  " drawn up from one point on it, making " +
                                  numberWords(static_cast<int>(labels.size())) +
                                  " angles side by side along the line, from the right: " +
                                  listed(said) + "."),
                     angles, labels);
    std::string parts;
    for (int v : c) parts += (parts.empty() ? "" : " + ") + S(v);
    say(q, "Angles on a straight line add up to 180&deg;. An angle marked 2x is twice x, 3x three "
           "times x, and so on.");
    say(q, "The angles marked with x are " + parts + " = " + S(total) + " lots of x" +
           (g > 0 ? ", and they make " + takeAway(180, {g}) + " = " + dg(180 - g) + "."
                  : ", and they make 180&deg;."));
    say(q, "x = " + dg(180 - g) + " &divide; " + S(total) + " = " + dg(x) + ".");
    if (k == "NN") {
        // the largest of the angles in x, which one coefficient holds
        q.subparts({{"Find the value of <i>x</i>.", kDeg},
                    {"Find the size of the angle marked " + S(biggest) + "<i>x</i>.", kDeg}});
        say(q, "(b) The angle marked " + S(biggest) + "x = " + S(biggest) + " &times; " + dg(x) +
               " = " + dg(biggest * x) + ".");
        return q.part('N', S(x)).part('N', S(biggest * x)).done();
    }
    return q.number(r, k[0], x, kDeg, wrong).done();
}

Question rightTriangleAngles(Rng& r, const std::string& k) {
    int a = 0;
    std::vector<Slip> wrong;
    for (;;) {
        a = r.range(25, 65);
        const int b = 90 - a;
        // an angle outside a triangle, on a straight line, is less than 180 degrees
        wrong = below(180, {{b, "is angle B inside the triangle, not the angle outside it"},
                            {180 - a, "uses the straight line at corner A, not the one at B"},
                            {90, "is the right angle itself"},
                            {270 - a, "goes the other way round B"}});
        if (k != "Q" || enoughWrong(180 - b, wrong)) break;
    }
    const int b = 90 - a;
    QB q("right_triangle_angles", 2);
    q.param("a", a);
    q.p("Triangle ABC has a right angle at C. Angle A is " + qty(a, kDeg) +
        ", and the side AB is drawn on past B.");
    const std::string shape = "Triangle ABC with A at the bottom left, B at the bottom right and C "
                              "at the top, where a small square marks a right angle. The base AB "
                              "is drawn on past B. Angle A is " +
                              dg(a);
    const std::string bRule = "The angles of a triangle add up to 180&deg;: angle B = " +
                              takeAway(180, {90, a}) + " = " + dg(b) + ".";
    if (k == "NN") {
        Figure& f = q.figure(300, 200,
                             shape + ", angle B is marked x, and the angle outside the triangle at "
                                     "B, between BC and the line drawn on, is marked y.");
        const TriangleCorners t = drawMarkedTriangle(f, a, b, deg(a), "x", "", "", "y");
        markRightAngle(f, t.cx, t.cy, 180 + a, 12);
        q.subparts({{"Find angle <i>x</i>.", kDeg}, {"Find angle <i>y</i>.", kDeg}});
        say(q, "(a) The angles of a triangle add up to 180&deg;: x = " + takeAway(180, {90, a}) +
               " = " + dg(b) + ".");
        say(q, "(b) y and angle B lie on a straight line: y = " + takeAway(180, {b}) + " = " +
               dg(180 - b) + ".");
        return q.part('N', S(b)).part('N', S(180 - b)).done();
    }
    Figure& f = q.figure(300, 200,
                         shape + ", angle B has no mark, and the angle outside the triangle at B, "
                                 "between BC and the line drawn on, is marked x.");
    const TriangleCorners t = drawMarkedTriangle(f, a, b, deg(a), "", "", "", "x");
    markRightAngle(f, t.cx, t.cy, 180 + a, 12);
    q.p("Find angle <i>x</i>.");
    say(q, bRule);
    say(q, "x and angle B lie on a straight line: x = " + takeAway(180, {b}) + " = " +
           dg(180 - b) + ".");
    return q.number(r, k[0], 180 - b, kDeg, wrong).done();
}

Question triangleOnLine(Rng& r, const std::string& k) {
    int a, b;
    std::vector<Slip> wrong;
    do {
        a = r.range(35, 80);
        b = r.range(35, 80);
        const int p = 180 - a, q = 180 - b;
        wrong = {{a + b, "is the two angles inside the triangle at the base added together"},
                 {p + q, "adds the two angles outside the triangle"},
                 {360 - p, "uses 360&deg; at A"}};
        if (std::abs(p - q) >= 20)
            wrong.push_back({std::abs(p - q), "takes one angle outside from the other"});
        wrong.push_back({a, "is angle A, not angle C"});
        wrong.push_back({b, "is angle B, not angle C"});
        wrong = below(180, wrong);  // an angle of a triangle is less than 180 degrees
    } while (a + b > 150 || !geometry::roomForLabels(a, b) || !enoughWrong(180 - a - b, wrong));
    const int p = 180 - a, qq = 180 - b;
    QB q("triangle_on_line", 3);
    q.param("p", p).param("q", qq);
    q.p("The base AB of triangle ABC lies on a straight line.");
    auto describe = [&](const std::string labels[3]) {
        return triangleDescription(labels) +
               " The base AB lies on a straight line drawn on past A and past B. The angle "
               "outside the triangle at A is " +
               dg(p) + " and the angle outside at B is " + dg(qq) + ".";
    };
    const std::string atA = "Angle A and the " + dg(p) + " angle lie on a straight line: ";
    const std::string atB = "Angle B and the " + dg(qq) + " angle lie on a straight line: ";
    Figure& f = [&]() -> Figure& {
        if (k == "NNN") {
            const std::string l[3] = {"x", "y", "z"};
            return q.figure(300, 200, describe(l));
        }
        if (k == "NN") {
            const std::string l[3] = {"x", "", "y"};
            return q.figure(300, 200, describe(l));
        }
        const std::string l[3] = {"", "", "x"};
        return q.figure(300, 200, describe(l));
    }();
    if (k == "NNN") {
        drawMarkedTriangle(f, a, b, "x", "y", "z", deg(p), deg(qq));
        q.subparts({{"Find angle <i>x</i>.", kDeg},
                    {"Find angle <i>y</i>.", kDeg},
                    {"Find angle <i>z</i>.", kDeg}});
        say(q, "(a) " + atA + "x = " + takeAway(180, {p}) + " = " + dg(a) + ".");
        say(q, "(b) " + atB + "y = " + takeAway(180, {qq}) + " = " + dg(b) + ".");
        say(q, "(c) The angles of a triangle add up to 180&deg;: z = " + takeAway(180, {a, b}) +
               " = " + dg(180 - a - b) + ".");
        return q.part('N', S(a)).part('N', S(b)).part('N', S(180 - a - b)).done();
    }
    if (k == "NN") {
        drawMarkedTriangle(f, a, b, "x", "", "y", deg(p), deg(qq));
        q.subparts({{"Find angle <i>x</i>.", kDeg}, {"Find angle <i>y</i>.", kDeg}});
        say(q, "(a) " + atA + "x = " + takeAway(180, {p}) + " = " + dg(a) + ".");
        say(q, "(b) " + atB + "angle B = " + takeAway(180, {qq}) + " = " + dg(b) +
               ". The angles of a triangle add up to 180&deg;: y = " + takeAway(180, {a, b}) +
               " = " + dg(180 - a - b) + ".");
        return q.part('N', S(a)).part('N', S(180 - a - b)).done();
    }
    drawMarkedTriangle(f, a, b, "", "", "x", deg(p), deg(qq));
    q.p("Find angle <i>x</i>.");
    say(q, atA + "angle A = " + takeAway(180, {p}) + " = " + dg(a) + ".");
    say(q, atB + "angle B = " + takeAway(180, {qq}) + " = " + dg(b) + ".");
    say(q, "The angles of a triangle add up to 180&deg;: x = " + takeAway(180, {a, b}) + " = " +
           dg(180 - a - b) + ".");
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
        const std::string right = iso ? "isosceles" : "scalene";
        say(q, "A triangle with two equal angles has two equal sides, and is isosceles; a "
               "triangle whose angles are all different has three different sides, and is "
               "scalene.");
        const int same = a == b || a == c ? a : b;
        say(q, iso ? "Two of the angles are " + dg(same) + ", so the triangle is isosceles."
                   : "The angles " + listed({dg(t[0]), dg(t[1]), dg(t[2])}) +
                         " are all different, so the triangle is scalene.");
        std::vector<TextSlip> wrong = {
            {"equilateral", "needs all three angles equal, 60&deg; each"},
            {"right-angled", "needs an angle of 90&deg;"}};
        wrong.insert(wrong.begin() + 1,
                     iso ? TextSlip{"scalene", "needs three different angles"}
                         : TextSlip{"isosceles", "needs two equal angles"});
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
    const std::string third = "The third angle = " + takeAway(180, {a, b}) + " = " + dg(c) + ".";
    const std::string verdict =
        big < 90    ? "All three angles are less than 90&deg;, so the triangle is acute-angled."
        : big == 90 ? "One angle is 90&deg;, a right angle, so the triangle is right-angled."
                    : "The largest angle, " + dg(big) +
                          ", is more than 90&deg;, so the triangle is obtuse-angled.";
    if (k == "NT") {
        q.subparts({{"Find the third angle.", kDeg}, {ask, ""}});
        say(q, "(a) The angles of a triangle add up to 180&deg;. " + third);
        say(q, "(b) " + verdict);
        return q.part('N', S(c)).part('T', kind).done();
    }
    q.p(ask);
    q.answer();
    say(q, "The angles of a triangle add up to 180&deg;. " + third);
    say(q, verdict);
    return q.part('T', kind).done();
}

Question whichAngleKind(Rng& r, const std::string& k) {
    std::vector<int> sizes = {r.range(5, 13) * 5, 90, r.range(23, 32) * 5, r.range(40, 64) * 5};
    const std::vector<std::string> kinds = {"acute", "right", "obtuse", "reflex"};
    // what each looks like, and what each kind is
    const std::vector<std::string> looks = {
        "a narrow angle, less than a right angle", "a right angle, marked with a small square",
        "an angle wider than a right angle but less than a straight line",
        "an angle of more than a straight line, over half a turn"};
    const std::vector<std::string> meaning = {
        "is acute, less than a right angle", "is a right angle, 90&deg;",
        "is obtuse, between a right angle and a straight line",
        "is reflex, more than a straight line"};
    const int ask = r.pick(std::vector<int>{0, 2, 3});  // a right angle shows its square
    std::vector<int> order = {0, 1, 2, 3};
    r.shuffle(order);
    const std::string letters = "PQRS";
    QB q("which_angle_kind", 1);
    q.param("ask", kinds[static_cast<std::size_t>(ask)]);
    for (std::size_t i = 0; i < 4; ++i)
        q.param(letterAt(letters, i), sizes[static_cast<std::size_t>(order[i])]);
    q.p("Look at the four angles.");
    std::string described;
    for (std::size_t i = 0; i < 4; ++i)
        described += " Angle " + letterAt(letters, i) + " is " +
                     looks[static_cast<std::size_t>(order[i])] + ".";
    Figure& f = q.figure(300, 200,
                         "Four angles in two rows, P and Q above, R and S below, each drawn with "
                         "its two arms and a small arc." +
                             described);
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
    static const std::vector<std::string> rule = {
        "An acute angle is less than a right angle, 90&deg;.", "",
        "An obtuse angle is more than a right angle, 90&deg;, and less than a straight line, "
        "180&deg;.",
        "A reflex angle is more than a straight line, 180&deg;, and less than a full turn."};
    say(q, rule[static_cast<std::size_t>(ask)]);
    say(q, "Angle " + right + " " + meaning[static_cast<std::size_t>(ask)] + ", so the answer is " +
           "angle " + right + ".");
    if (k == "Q") {
        std::vector<TextSlip> wrong;
        for (std::size_t i = 0; i < 4; ++i)
            if (letterAt(letters, i) != right)
                wrong.push_back({"angle " + letterAt(letters, i),
                                 meaning[static_cast<std::size_t>(order[i])]});
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
    drawCompass(q.figure(300, 200, kCompassDescription));
    q.p("Through how many degrees does " + who + " turn?");
    const int ans = 45 * steps;
    std::vector<std::string> passed;
    for (int i = 1; i <= steps; ++i)
        passed.push_back(
            kPoints[static_cast<std::size_t>(((from + (clockwise ? i : -i)) % 8 + 8) % 8)]);
    say(q, std::string("Turning ") + (clockwise ? "clockwise" : "anticlockwise") + " from " +
           kPoints[static_cast<std::size_t>(from)] + " passes " + listed(passed) + ": " +
           plural(steps, "point", "points") + " of the compass.");
    say(q, "From one point to the next is 360&deg; &divide; 8 = 45&deg;, so the turn is " +
           S(steps) + " &times; 45&deg; = " + dg(ans) + ".");
    // a turn short of a whole turn
    std::vector<Slip> wrong =
        below(360, {{360 - ans, "turns the other way round"},
                    {ans + 45, "counts one point too many"},
                    {ans - 45, "counts one point too few"},
                    {90 * steps, "takes 90&deg; a point"},
                    {30 * steps, "takes 30&deg; a point, as between the numbers of a clock"}});
    return q.number(r, k[0], ans, kDeg, wrong).done();
}

Question angleComplement(Rng& r, const std::string& k) {
    static const std::vector<std::pair<int, std::string>> targets = {
        {90, "a right angle"}, {180, "a straight line"}, {360, "a full turn"}};
    const auto& [total, what] = r.pick(targets);
    int a;
    std::vector<Slip> wrong;
    do {
        a = r.range(5, total / 5 - 2) * 5 + (r.chance(50) ? r.range(1, 4) : 0);
        wrong.clear();
        for (const auto& [other, name] : targets)
            if (other != total && other > a)
                wrong.push_back({other - a, "makes " + name + ", not " + what});
        wrong.push_back({a, "takes the angle to add to be the same as the angle given"});
        wrong.push_back({total + a, "adds instead of taking away"});
        if (total == 90) wrong.push_back({100 - a, "takes the angle from 100, as for a "
                                                   "percentage"});
        geometry::addNoExchange(wrong, total, a);
        // the angle added is part of the whole: more than 0, less than the whole
        wrong = below(total, wrong);
    } while (!enoughWrong(total - a, wrong));
    QB q("angle_complement", 1);
    q.param("a", a).param("total", total);
    q.p("What angle must be added to " + qty(a, kDeg) + " to make " + what + "?");
    say(q, capitalised(what) + " is " + dg(total) + ".");
    say(q, "Angle to add = " + takeAway(total, {a}) + " = " + dg(total - a) + ".");
    return q.number(r, k[0], total - a, kDeg, wrong).done();
}

// ---- coordinates ----

// "3 across and 4 up": where a point of the grid stands, as the picture shows it.
std::string gridPlace(int x, int y) {
    return S(x) + " across and " + S(y) + " up";
}

const char* kGridDescription = "A grid with the x-axis numbered 0 to 8 across and the y-axis "
                               "numbered 0 to 6 up";

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
    std::vector<std::string> placed;
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& p = pts[static_cast<std::size_t>(order[i])];
        placed.push_back("point " + letterAt(letters, i) + " is " + gridPlace(p.first, p.second));
    }
    Figure& f = q.figure(300, 200, std::string(kGridDescription) + ". On it " + listed(placed) + ".");
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
        say(q, "(a) The x-coordinate is how far across from 0 along the x-axis: point " + target +
               " is " + S(tx) + " across, so its x-coordinate is " + S(tx) + ".");
        say(q, "(b) The y-coordinate is how far up the y-axis: point " + target + " is " + S(ty) +
               " up, so its y-coordinate is " + S(ty) + ".");
        return q.part('N', S(tx)).part('N', S(ty)).done();
    }
    q.param("ask", "point").param("x", tx).param("y", ty);
    q.p("Which point has the coordinates (" + S(tx) + ", " + S(ty) + ")?");
    q.note("Write the letter.");
    q.answer();
    say(q, "The coordinates (" + S(tx) + ", " + S(ty) + ") mean " + S(tx) +
           " across along the x-axis first, then " + S(ty) + " up.");
    say(q, "The point " + gridPlace(tx, ty) + " is point " + target + ". (The point " +
           gridPlace(ty, tx) + " has the two numbers the other way round.)");
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
    std::vector<std::string> placed;
    for (int i = 0; i < 3; ++i)
        placed.push_back(std::string(1, "ABC"[i]) + " is " +
                         gridPlace(corners[static_cast<std::size_t>(i)].first,
                                   corners[static_cast<std::size_t>(i)].second));
    Figure& f = q.figure(300, 200,
                         std::string(kGridDescription) + ". Three corners of rectangle ABCD are "
                                                         "plotted: " +
                             listed(placed) +
                             ". Dashed lines join A to B and B to C; D is not shown.");
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
    const auto& A = corners[0];
    const auto& C = corners[2];
    const auto& D = corners[3];
    const bool abLevel = corners[0].second == corners[1].second;
    say(q, std::string("The sides of the rectangle run along the grid lines. AB is ") +
           (abLevel ? "level" : "upright") + ", so BC and AD are " +
           (abLevel ? "upright" : "level") + ", and DC is " + (abLevel ? "level" : "upright") +
           " like AB.");
    if (abLevel) {
        say(q, "(a) AD is upright, so D is straight above or below A, with the same "
               "x-coordinate as A: " +
               S(D.first) + ".");
        say(q, "(b) DC is level, so D is level with C, with the same y-coordinate as C: " +
               S(D.second) + ".");
    } else {
        say(q, "(a) DC is upright, so D is straight above or below C, with the same "
               "x-coordinate as C: " +
               S(D.first) + ".");
        say(q, "(b) AD is level, so D is level with A, with the same y-coordinate as A: " +
               S(D.second) + ".");
    }
    (void)A;
    (void)C;
    return q.part('N', S(D.first)).part('N', S(D.second)).done();
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
    Figure& f = q.figure(300, 200,
                         std::string(kGridDescription) + ", with point P plotted " +
                             gridPlace(x, y) + ".");
    const CoordGrid g = drawCoordGrid(f, 8, 6);
    plotPoint(f, g, x, y, "P");
    q.subparts({{"What is the <i>x</i>-coordinate of Q?", ""},
                {"What is the <i>y</i>-coordinate of Q?", ""}});
    say(q, "P is at (" + S(x) + ", " + S(y) + ").");
    say(q, "(a) Moving " + squares(dx) + (dx > 0 ? " to the right adds " : " to the left takes ") +
           S(std::abs(dx)) + (dx > 0 ? " to" : " from") + " the x-coordinate: " + S(x) +
           (dx > 0 ? " + " : " &minus; ") + S(std::abs(dx)) + " = " + S(x + dx) + ".");
    say(q, "(b) Moving " + squares(dy) + (dy > 0 ? " up adds " : " down takes ") +
           S(std::abs(dy)) + (dy > 0 ? " to" : " from") + " the y-coordinate: " + S(y) +
           (dy > 0 ? " + " : " &minus; ") + S(std::abs(dy)) + " = " + S(y + dy) + ".");
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
    Figure& f = q.figure(300, 200,
                         std::string(kGridDescription) + ", with point P plotted " +
                             gridPlace(x, y) + " and a dashed mirror line " +
                             (vertical ? "going straight up through " + S(m) + " on the x-axis"
                                       : "going straight across through " + S(m) +
                                             " on the y-axis") +
                             ".");
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
    say(q, "The image is as far from the mirror line as P, on the other side of it.");
    const int from = vertical ? x : y;
    const int gap = std::abs(from - m);
    const std::string side = vertical ? (from < m ? "left" : "right") : (from < m ? "below" : "above");
    const std::string other = vertical ? (from < m ? "right" : "left") : (from < m ? "above" : "below");
    const std::string far = "P is " + plural(gap, "square", "squares") + " " +
                            (vertical ? "to the " + side + " of" : side) + " the mirror line (" +
                            (from < m ? S(m) + " &minus; " + S(from) : S(from) + " &minus; " + S(m)) +
                            " = " + S(gap) + "), so Q is " + plural(gap, "square", "squares") + " " +
                            (vertical ? "to the " + other + " of" : other) + " it: " +
                            (from < m ? S(m) + " + " + S(gap) : S(m) + " &minus; " + S(gap)) +
                            " = " + S(vertical ? rx : ry) + ".";
    const std::string same = "The mirror line is " + std::string(vertical ? "upright" : "level") +
                             ", so the " + (vertical ? "y" : "x") + "-coordinate stays " +
                             S(vertical ? y : x) + ".";
    if (vertical) {
        say(q, "(a) " + far);
        say(q, "(b) " + same);
    } else {
        say(q, "(a) " + same);
        say(q, "(b) " + far);
    }
    return q.part('N', S(rx)).part('N', S(ry)).done();
}

}  // namespace

void addGeometryMore(std::vector<Family>& out) {
    out.push_back({"parallelogram_angles", 6, {"N", "Q", "NN"}, parallelogramAngles});
    out.push_back({"kite_angles", 6, {"N", "Q", "NN"}, kiteAngles});
    out.push_back({"polygon_missing_angle", 6, {"N", "Q"}, polygonMissingAngle});
    out.push_back({"clock_hands_angle", 6, {"N", "Q"}, clockHandsAngle});
    out.push_back({"minute_hand_turn", 6, {"N", "Q", "NN"}, minuteHandTurn});
    out.push_back({"protractor_read", 6, {"N", "Q"}, protractorRead});
    out.push_back({"reflex_angle", 6, {"N"}, reflexAngle});
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
