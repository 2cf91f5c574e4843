// Geometry: angles on a line, at a point, in triangles and quadrilaterals, polygons, clocks and
// the compass. More families in fam_geometry_2.cpp.

#include "drawing.h"
#include "families.h"

#include <cstdlib>

namespace {

const std::vector<std::string> kPoints = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
const char* kDirNote = "Write the direction in short form, for example N, NE or SW.";

Question angleLine(Rng& r, const std::string& k) {
    std::vector<int> a;
    int x;
    std::vector<Frac> wrong;
    do {
        if (r.chance(50))
            a = {r.range(25, 155)};
        else
            a = {r.range(25, 80), r.range(25, 70)};
        int sum = 0;
        for (int v : a) sum += v;
        x = 180 - sum;
        if (a.size() == 1)
            wrong = {360 - sum /* angles at a point */,
                     std::abs(90 - sum) /* as if a right angle */, sum /* taken as equal */};
        else
            wrong = {360 - sum /* angles at a point */, 180 - a[0] /* one angle left out */,
                     180 - a[1] /* the other left out */};
    } while (x < 20 || !distinctWrong(x, wrong));
    std::vector<int> angles = a;
    std::vector<std::string> labels;
    for (int v : a) labels.push_back(deg(v));
    const int at = r.range(0, static_cast<int>(a.size()));
    angles.insert(angles.begin() + at, x);
    labels.insert(labels.begin() + at, "x");
    QB q("angle_line", 1);
    std::string list;
    for (int v : a) list += (list.empty() ? "" : ",") + S(v);
    q.param("known", list);
    q.p("The angles lie on a straight line. Find the size of angle <i>x</i>.");
    drawAnglesOnLine(q.figure(300, 200, "angles on a straight line"), angles, labels);
    return q.number(r, k[0], x, "&deg;", wrong).done();
}

Question anglePoint(Rng& r, const std::string& k) {
    std::vector<int> a;
    int sum = 0;
    std::vector<Frac> wrong;
    do {
        a = {r.range(40, 150), r.range(40, 120), r.range(30, 100)};
        sum = a[0] + a[1] + a[2];
        wrong = {360 - a[0] - a[1] /* one angle left out */, 360 - a[1] - a[2], 360 - a[0] - a[2]};
    } while (sum > 320 || sum < 200 || !distinctWrong(360 - sum, wrong));
    const int x = 360 - sum;
    std::vector<int> angles = a;
    std::vector<std::string> labels = {deg(a[0]), deg(a[1]), deg(a[2])};
    angles.push_back(x);
    labels.push_back("x");
    QB q("angle_point", 2);
    q.param("known", S(a[0]) + "," + S(a[1]) + "," + S(a[2]));
    q.p("The angles meet at a point. Find the size of angle <i>x</i>.");
    drawAnglesAtPoint(q.figure(300, 200, "angles at a point"), angles, labels);
    return q.number(r, k[0], x, "&deg;", wrong).done();
}

void triangleAngles(Rng& r, int& a, int& b) {
    do {
        a = r.range(30, 85);
        b = r.range(30, 85);
    } while (a + b > 160);
}

Question triangleAngle(Rng& r, const std::string& k) {
    int a, b, which;
    std::vector<Frac> wrong;
    int vals[3];
    do {
        triangleAngles(r, a, b);
        vals[0] = a;
        vals[1] = b;
        vals[2] = 180 - a - b;
        which = r.range(0, 2);  // the unknown angle: 0 at A, 1 at B, 2 at C
        const int k1 = vals[(which + 1) % 3], k2 = vals[(which + 2) % 3];
        wrong = {360 - k1 - k2 /* angles at a point */, k1 + k2 /* stopped after adding */,
                 180 - k1 /* one angle left out */, 180 - k2};
    } while (!enoughWrong(vals[which], wrong));
    QB q("triangle_angle", 1);
    std::string known;
    for (int i = 0; i < 3; ++i)
        if (i != which) known += (known.empty() ? "" : ",") + S(vals[i]);
    q.param("known", known);
    q.p("Find the size of angle <i>x</i> in the triangle.");
    std::string l[3];
    for (int i = 0; i < 3; ++i) l[i] = i == which ? "x" : deg(vals[i]);
    drawMarkedTriangle(q.figure(300, 200, "triangle ABC"), a, b, l[0], l[1], l[2]);
    return q.number(r, k[0], vals[which], "&deg;", wrong).done();
}

Question isosceles(Rng& r, const std::string& k) {
    const bool apexGiven = r.chance(50);
    int apex = 0;
    do apex = r.range(20, 140);
    while (apex % 2 || apex == 60 || apex == 90);
    const int base = (180 - apex) / 2;
    QB q("isosceles", 2);
    q.param("given", apexGiven ? "apex" : "base").param("angle", apexGiven ? apex : base);
    Figure& f = q.figure(300, 200, "isosceles triangle");
    TriangleCorners t;
    if (apexGiven) {
        q.p("In triangle ABC, AC = BC and angle ACB is " + qty(apex, "&deg;") +
            ". Find angle CAB, marked <i>x</i>.");
        t = drawMarkedTriangle(f, base, base, "x", "", deg(apex));
    } else {
        q.p("In triangle ABC, AC = BC and angle CAB is " + qty(base, "&deg;") +
            ". Find angle ACB, marked <i>x</i>.");
        t = drawMarkedTriangle(f, base, base, deg(base), "", "x");
    }
    equalSideMarks(f, t.ax, t.ay, t.cx, t.cy);
    equalSideMarks(f, t.bx, t.by, t.cx, t.cy);
    if (apexGiven)
        return q
            .number(r, k[0], base, "&deg;",
                    {180 - apex /* not halved */, apex /* taken as equal */,
                     apex / 2 /* halved the top angle */})
            .done();
    return q
        .number(r, k[0], apex, "&deg;",
                {180 - base /* one base angle only */, base /* taken as equal */,
                 90 - base /* halved */})
        .done();
}

Question quadAngle(Rng& r, const std::string& k) {
    int a, b, c, d;
    std::vector<Frac> wrong;
    do {
        a = r.range(55, 140);
        b = r.range(55, 140);
        c = r.range(55, 140);
        d = 360 - a - b - c;
        wrong = {a + b + c - 180 /* the triangle's 180 */, 360 - a - b /* one angle left out */,
                 360 - b - c /* another left out */};
    } while (d < 40 || d > 170 || !distinctWrong(d, wrong));
    QB q("quad_angle", 2);
    q.param("known", S(a) + "," + S(b) + "," + S(c));
    q.p("Three angles of a quadrilateral are " + qty(a, "&deg;") + ", " + qty(b, "&deg;") +
        " and " + qty(c, "&deg;") + ". What is the size of the fourth angle?");
    return q.number(r, k[0], d, "&deg;", wrong).done();
}

Question compassTurn(Rng& r, const std::string& k) {
    (void)k;
    const std::string who = r.pick(names());
    const int from = r.range(0, 7);
    int steps = 0;
    do steps = r.range(1, 7);
    while (steps == 4);
    const bool clockwise = r.chance(50);
    const int to = ((from + (clockwise ? steps : -steps)) % 8 + 8) % 8;
    QB q("compass_turn", 2);
    q.param("from", kPoints[static_cast<std::size_t>(from)])
        .param("turn", steps * 45)
        .param("dir", clockwise ? "cw" : "acw");
    q.p(who + " is facing " + kPoints[static_cast<std::size_t>(from)] + ". " + who + " turns " +
        S(steps * 45) + "&deg; " + (clockwise ? "clockwise" : "anticlockwise") + ".");
    q.p("Which direction is " + who + " facing now?");
    drawCompass(q.figure(300, 200, "compass rose"));
    q.note(kDirNote);
    q.answer();
    return q.part('T', kPoints[static_cast<std::size_t>(to)]).done();
}

Question compassAngle(Rng& r, const std::string& k) {
    const int a = r.range(0, 7);
    int step;
    do step = r.range(1, 7);
    while (step == 4);  // opposite directions make two equal angles: no smaller one
    const int b = (a + step) % 8;
    const int d = (b - a + 8) % 8;
    const int ans = 45 * (d > 4 ? 8 - d : d);
    QB q("compass_angle", 1);
    q.param("a", kPoints[static_cast<std::size_t>(a)])
        .param("b", kPoints[static_cast<std::size_t>(b)]);
    q.p("What is the smaller angle between the directions <b>" +
        kPoints[static_cast<std::size_t>(a)] + "</b> and <b>" +
        kPoints[static_cast<std::size_t>(b)] + "</b>?");
    drawCompass(q.figure(300, 200, "compass rose"));
    return q
        .number(r, k[0], ans, "&deg;",
                {360 - ans /* the larger angle */, ans + 45 /* a point too many */,
                 ans - 45 /* a point too few */, 180 - ans /* taken from a straight line */})
        .done();
}

Question clockAngle(Rng& r, const std::string& k) {
    int h = 0;
    do h = r.range(1, 11);
    while (h == 6);
    const int ans = 30 * (h > 6 ? 12 - h : h);
    QB q("clock_angle", 1);
    q.param("hour", h);
    q.p("The clock shows " + S(h) +
        " o'clock. What is the size of angle <i>x</i>, the smaller "
        "angle between its hands?");
    Figure& f = q.figure(200, 200, "clock at " + S(h) + " o'clock");
    drawClock(f, h, 0);
    // from whichever hand is behind, anticlockwise to the other (12 is at 90 degrees)
    if (h < 6)
        markAngle(f, 100, 100, 90 - 30 * h, 30 * h, "x", 22);
    else
        markAngle(f, 100, 100, 90, 30 * (12 - h), "x", 22);
    return q
        .number(r, k[0], ans, "&deg;",
                {360 - ans /* the larger angle */, 6 * h /* 6 degrees a number, as for minutes */,
                 ans + 30 /* one number too many */, ans - 30 /* one number too few */})
        .done();
}

Question polygonAngle(Rng& r, const std::string& k) {
    const std::vector<int> sides = {5, 6, 8, 9, 10, 12};
    const std::vector<std::string> names_ = {"pentagon", "hexagon", "octagon",
                                             "nonagon",  "decagon", "dodecagon"};
    const int i = r.range(0, static_cast<int>(sides.size()) - 1);
    const int n = sides[static_cast<std::size_t>(i)];
    const std::string shape = names_[static_cast<std::size_t>(i)] + " (" + S(n) + " sides)";
    if (k == "NN") {
        QB q("polygon_angle", 2);
        q.param("n", n).param("ask", "both");
        q.p("A regular " + shape + " has all its sides and all its angles equal.");
        q.subparts({{"What is the sum of its interior angles?", "&deg;"},
                    {"What is the size of each interior angle?", "&deg;"}});
        return q.part('N', S(180 * (n - 2))).part('N', S(180 * (n - 2) / n)).done();
    }
    const bool sum = r.chance(40);
    QB q("polygon_angle", 2);
    q.param("n", n).param("ask", sum ? "sum" : "each");
    if (sum) {
        q.p("What is the sum of the interior angles of " + withArticle(shape) + "?");
        return q
            .number(r, k[0], 180 * (n - 2), "&deg;",
                    {180 * n /* n triangles */, 360 * (n - 2) /* 360 for each triangle */,
                     180 * (n - 1) /* one triangle too many */})
            .done();
    }
    q.p("What is the size of each interior angle of a regular " + shape + "?");
    return q
        .number(r, k[0], 180 * (n - 2) / n, "&deg;",
                {360 / n /* the exterior angle */, 180 * (n - 2) /* the sum, not divided */,
                 360 * (n - 2) / n /* 360 for each triangle */})
        .done();
}

Question angleType(Rng& r, const std::string& k) {
    const int t = r.range(0, 3);
    int v = 0;
    switch (t) {
        case 0:
            v = r.range(10, 85);
            break;
        case 1:
            v = 90;
            break;
        case 2:
            v = r.range(95, 175);
            break;
        default:
            v = r.range(185, 350);
            break;
    }
    const std::vector<std::string> kinds = {"an acute angle", "a right angle", "an obtuse angle",
                                            "a reflex angle"};
    QB q("angle_type", 1);
    q.param("angle", v);
    q.p("An angle measures <b>" + S(v) + "&deg;</b>. What kind of angle is it?");
    if (k == "T") {
        static const std::vector<std::string> words = {"acute", "right", "obtuse", "reflex"};
        q.note("Write acute, right, obtuse or reflex.");
        q.answer();
        return q.part('T', words[static_cast<std::size_t>(t)]).done();
    }
    std::vector<std::string> wrong;
    for (int i = 0; i < 4; ++i)
        if (i != t) wrong.push_back(kinds[static_cast<std::size_t>(i)]);
    return q.choice(r, kinds[static_cast<std::size_t>(t)], wrong).done();
}

Question crossingLines(Rng& r, const std::string& k) {
    int a;
    do a = r.range(35, 145);
    while (a > 80 && a < 100);  // two angles that look alike are hard to tell apart
    QB q("crossing_lines", 2);
    q.param("a", a);
    q.p("Two straight lines cross. One of the angles is " + qty(a, "&deg;") + ".");
    Figure& f = q.figure(300, 200, "two crossing lines");
    if (k == "NN") {
        drawAnglesAtPoint(f, {a, 180 - a, a, 180 - a}, {deg(a), "y", "x", ""});
        q.subparts({{"Find angle <i>x</i>.", "&deg;"}, {"Find angle <i>y</i>.", "&deg;"}});
        return q.part('N', S(a)).part('N', S(180 - a)).done();
    }
    const bool opposite = r.chance(50);
    q.param("ask", opposite ? "opposite" : "beside");
    drawAnglesAtPoint(f, {a, 180 - a, a, 180 - a},
                      {deg(a), opposite ? "" : "x", opposite ? "x" : "", ""});
    q.p("Find angle <i>x</i>.");
    const int x = opposite ? a : 180 - a;
    return q
        .number(r, k[0], x, "&deg;",
                {180 - x /* opposite and beside mixed up */, 360 - x /* angles at a point */,
                 std::abs(90 - x) /* as if a right angle */})
        .done();
}

Question triangleExterior(Rng& r, const std::string& k) {
    int a, b;
    std::vector<Frac> wrong;
    do {
        triangleAngles(r, a, b);
        const int c = 180 - a - b;
        wrong = {b /* the angle inside at B */, 360 - a - c /* angles at a point */,
                 std::abs(a - c) /* one taken from the other */, 180 - a /* a line at A */};
    } while (!enoughWrong(180 - b, wrong));
    const int c = 180 - a - b;
    QB q("triangle_exterior", 2);
    if (k == "NN") {
        q.param("a", a).param("b", b);
        q.p("In triangle ABC, angle A is " + qty(a, "&deg;") + " and angle B is " +
            qty(b, "&deg;") + ". The side AB is drawn on past B.");
        drawMarkedTriangle(q.figure(300, 200, "triangle ABC with side AB drawn on past B"), a, b,
                           deg(a), deg(b), "x", "", "y");
        q.subparts({{"Find angle <i>x</i>.", "&deg;"}, {"Find angle <i>y</i>.", "&deg;"}});
        return q.part('N', S(c)).part('N', S(180 - b)).done();
    }
    // one step: the angle outside is the sum of the two inside angles opposite it
    q.param("a", a).param("c", c);
    q.p("In triangle ABC, angle A is " + qty(a, "&deg;") + " and angle C is " + qty(c, "&deg;") +
        ". The side AB is drawn on past B. Find angle <i>x</i>.");
    drawMarkedTriangle(q.figure(300, 200, "triangle ABC with side AB drawn on past B"), a, b,
                       deg(a), "", deg(c), "", "x");
    return q.number(r, k[0], 180 - b, "&deg;", wrong).done();
}

Question isoscelesTwo(Rng& r, const std::string& k) {
    (void)k;
    int base = 0;
    do base = r.range(25, 80);
    while (base == 60);
    QB q("isosceles_two", 2);
    q.param("base", base);
    q.p("Triangle ABC is isosceles with AC = BC. Angle CAB is " + qty(base, "&deg;") + ".");
    Figure& f = q.figure(300, 200, "isosceles triangle");
    const TriangleCorners t = drawMarkedTriangle(f, base, base, deg(base), "x", "y");
    equalSideMarks(f, t.ax, t.ay, t.cx, t.cy);
    equalSideMarks(f, t.bx, t.by, t.cx, t.cy);
    q.subparts({{"Find angle <i>x</i>.", "&deg;"}, {"Find angle <i>y</i>.", "&deg;"}});
    return q.part('N', S(base)).part('N', S(180 - 2 * base)).done();
}

Question compassTwo(Rng& r, const std::string& k) {
    (void)k;
    const std::string who = r.pick(names());
    const int from = r.range(0, 7);
    const int steps = r.range(1, 7);
    const int to = (from + steps) % 8;
    const int back = r.range(1, 3) * 2;  // quarter turns, in compass points
    const int last = ((to - back) % 8 + 8) % 8;
    QB q("compass_two", 2);
    q.param("from", kPoints[static_cast<std::size_t>(from)])
        .param("to", kPoints[static_cast<std::size_t>(to)])
        .param("then", back * 45);
    q.p(who + " faces " + kPoints[static_cast<std::size_t>(from)] +
        " and turns clockwise until facing " + kPoints[static_cast<std::size_t>(to)] + ".");
    drawCompass(q.figure(300, 200, "compass rose"));
    q.subparts({{"Through how many degrees did " + who + " turn?", "&deg;"},
                {who + " then turns " + S(back * 45) + "&deg; anticlockwise. Which direction is " +
                     who + " facing now? " + kDirNote,
                 ""}});
    return q.part('N', S(steps * 45)).part('T', kPoints[static_cast<std::size_t>(last)]).done();
}

Question isoscelesThree(Rng& r, const std::string& k) {
    (void)k;
    int base = 0;
    do base = r.range(25, 80);
    while (base == 60);
    QB q("isosceles_three", 2);
    q.param("base", base);
    q.p("Triangle ABC is isosceles with AC = BC and angle CAB = " + qty(base, "&deg;") +
        ". The side AB is drawn on past B.");
    Figure& f = q.figure(300, 200, "isosceles triangle with side AB drawn on past B");
    const TriangleCorners t = drawMarkedTriangle(f, base, base, deg(base), "x", "y", "", "z");
    equalSideMarks(f, t.ax, t.ay, t.cx, t.cy);
    equalSideMarks(f, t.bx, t.by, t.cx, t.cy);
    q.subparts({{"Find angle <i>x</i>.", "&deg;"},
                {"Find angle <i>y</i>.", "&deg;"},
                {"Find angle <i>z</i>.", "&deg;"}});
    return q.part('N', S(base)).part('N', S(180 - 2 * base)).part('N', S(180 - base)).done();
}

Question rightAngleSplit(Rng& r, const std::string& k) {
    int a;
    do a = r.range(15, 75);
    while (a == 45);  // two equal parts: the angle given would be the answer
    QB q("right_angle_split", 1);
    q.param("a", a);
    q.p("A line divides a right angle into two parts. Find the size of angle <i>x</i>.");
    drawRightAngleSplit(q.figure(300, 200, "a right angle split in two"), a, deg(a), "x");
    return q
        .number(r, k[0], 90 - a, "&deg;",
                {180 - a /* as if a straight line */, a /* taken as equal */, 90 + a /* added */})
        .done();
}

Question compassMap(Rng& r, const std::string& k) {
    (void)k;
    const std::vector<std::string> places = {"school", "park",   "library", "pool",
                                             "farm",   "church", "shop",    "station"};
    int ax, ay, bx, by;
    do {
        ax = r.range(0, 6);
        ay = r.range(0, 5);
        const int dir = r.range(0, 7);
        const int len = r.range(1, 4);
        const int dx[] = {0, 1, 1, 1, 0, -1, -1, -1};
        const int dy[] = {1,  1,  0, -1,
                          -1, -1, 0, 1};  // north is up the page: +1 is one square north
        bx = ax + dx[dir] * len;
        by = ay + dy[dir] * len;
    } while (bx < 0 || bx > 6 || by < 0 || by > 5);
    std::string from = r.pick(places);
    std::string to;
    do to = r.pick(places);
    while (to == from);
    QB q("compass_map", 2);
    q.param("from", from)
        .param("ax", ax)
        .param("ay", ay)
        .param("to", to)
        .param("bx", bx)
        .param("by", by);
    q.p("The map shows the " + from + " and the " + to + ". North is straight up the page.");
    drawMapGrid(q.figure(300, 200, "map of the " + from + " and the " + to), ax, ay, from, bx, by,
                to);
    q.p("In which direction is the " + to + " from the " + from + "?");
    q.note(kDirNote);
    q.answer();
    const int sx = (bx > ax) - (bx < ax);
    const int sy = (by > ay) - (by < ay);
    const char* names8[3][3] = {{"SW", "W", "NW"}, {"S", "", "N"}, {"SE", "E", "NE"}};
    return q.part('T', names8[sx + 1][sy + 1]).done();
}

}  // namespace

void addGeometry(std::vector<Family>& out) {
    out.push_back({"angle_line", 6, {"N", "Q"}, angleLine});
    out.push_back({"angle_point", 6, {"N", "Q"}, anglePoint});
    out.push_back({"triangle_angle", 6, {"N", "Q"}, triangleAngle});
    out.push_back({"isosceles", 6, {"N", "Q"}, isosceles});
    out.push_back({"quad_angle", 6, {"N", "Q"}, quadAngle});
    out.push_back({"compass_turn", 6, {"T"}, compassTurn});
    out.push_back({"compass_map", 6, {"T"}, compassMap});
    out.push_back({"compass_angle", 6, {"N", "Q"}, compassAngle});
    out.push_back({"clock_angle", 6, {"N", "Q"}, clockAngle});
    out.push_back({"polygon_angle", 6, {"N", "Q", "NN"}, polygonAngle});
    out.push_back({"angle_type", 6, {"Q", "T"}, angleType});
    out.push_back({"right_angle_split", 6, {"N", "Q"}, rightAngleSplit});
    out.push_back({"crossing_lines", 6, {"NN", "N", "Q"}, crossingLines});
    out.push_back({"triangle_exterior", 6, {"NN", "N", "Q"}, triangleExterior});
    out.push_back({"isosceles_two", 6, {"NN"}, isoscelesTwo});
    out.push_back({"compass_two", 6, {"NT"}, compassTwo});
    out.push_back({"isosceles_three", 6, {"NNN"}, isoscelesThree});
    addGeometryMore(out);
}
