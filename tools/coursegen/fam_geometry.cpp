// Geometry: angles on a line, at a point, in triangles and quadrilaterals, polygons, clocks and
// the compass. More families in fam_geometry_2.cpp.

#include "drawing.h"
#include "families.h"
#include "geometry_steps.h"

#include <cstdlib>

namespace {

using geometry::added;
using geometry::addNoExchange;
using geometry::kCompassDescription;
using geometry::below;
using geometry::dg;
using geometry::listed;
using geometry::noExchange;
using geometry::spoken;
using geometry::sumOf;
using geometry::takeAway;
using geometry::triangleDescription;

const std::vector<std::string> kPoints = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
const char* kDirNote = "Write the direction in short form, for example N, NE or SW.";

// The labels of an angle diagram, read in the order they are drawn.
std::vector<std::string> spokenLabels(const std::vector<std::string>& labels) {
    std::vector<std::string> out;
    for (const auto& l : labels) out.push_back(spoken(l));
    return out;
}


Question angleLine(Rng& r, const std::string& k) {
    std::vector<int> a;
    int x;
    std::vector<Slip> wrong;
    do {
        if (r.chance(50))
            a = {r.range(25, 155)};
        else
            a = {r.range(25, 80), r.range(25, 70)};
        const int sum = sumOf(a);
        x = 180 - sum;
        wrong = {{360 - sum, "uses 360&deg;, the angles at a point, instead of 180&deg;"}};
        if (a.size() == 1) {
            wrong.push_back({std::abs(90 - sum), sum > 90 ? "takes 90&deg; from the angle given"
                                                          : "takes the angle given from 90&deg;, "
                                                            "as if the angles made a right angle"});
            wrong.push_back({sum, "takes angle x to be the same size as the angle given"});
            addNoExchange(wrong, 180, sum);
        } else {
            wrong.push_back({180 - a[0], "leaves out the " + dg(a[1]) + " angle"});
            wrong.push_back({180 - a[1], "leaves out the " + dg(a[0]) + " angle"});
            wrong.push_back({sum, "adds the two angles given and stops there"});
        }
        wrong = below(180, wrong);  // an angle on a straight line is less than 180 degrees
    } while (x < 20 || !enoughWrong(x, wrong));
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
    drawAnglesOnLine(q.figure(300, 200,
                              "A straight line with " +
                                  numberWords(static_cast<int>(angles.size()) - 1) +
                                  (angles.size() == 2 ? " line" : " lines") +
                                  " drawn up from one point on it, making " +
                                  numberWords(static_cast<int>(angles.size())) +
                                  " angles side by side along the line, from the right: " +
                                  listed(spokenLabels(labels)) + "."),
                     angles, labels);
    say(q, "Angles on a straight line add up to 180&deg;.");
    say(q, "x = " + takeAway(180, a) + " = " + dg(x) + ".");
    return q.number(r, k[0], x, "&deg;", wrong).done();
}

Question anglePoint(Rng& r, const std::string& k) {
    std::vector<int> a;
    int sum = 0;
    std::vector<Slip> wrong;
    do {
        a = {r.range(40, 150), r.range(40, 120), r.range(30, 100)};
        sum = a[0] + a[1] + a[2];
        wrong = {{360 - a[0] - a[1], "leaves out the " + dg(a[2]) + " angle"},
                 {360 - a[1] - a[2], "leaves out the " + dg(a[0]) + " angle"},
                 {360 - a[0] - a[2], "leaves out the " + dg(a[1]) + " angle"}};
    } while (sum > 320 || sum < 200 || !distinctWrong(360 - sum, wrong));
    const int x = 360 - sum;
    std::vector<int> angles = a;
    std::vector<std::string> labels = {deg(a[0]), deg(a[1]), deg(a[2])};
    angles.push_back(x);
    labels.push_back("x");
    QB q("angle_point", 2);
    q.param("known", S(a[0]) + "," + S(a[1]) + "," + S(a[2]));
    q.p("The angles meet at a point. Find the size of angle <i>x</i>.");
    drawAnglesAtPoint(q.figure(300, 200,
                               "Four lines from one point make four angles round it, going "
                               "anticlockwise: " +
                                   listed(spokenLabels(labels)) + "."),
                      angles, labels);
    say(q, "Angles at a point add up to 360&deg;.");
    say(q, "The angles given: " + added(a) + " = " + dg(sum) + ".");
    say(q, "x = " + dg(360) + " &minus; " + dg(sum) + " = " + dg(x) + ".");
    return q.number(r, k[0], x, "&deg;", wrong).done();
}

void triangleAngles(Rng& r, int& a, int& b) {
    do {
        a = r.range(30, 85);
        b = r.range(30, 85);
    } while (a + b > 160 || !geometry::roomForLabels(a, b));
}

Question triangleAngle(Rng& r, const std::string& k) {
    int a, b, which;
    std::vector<Slip> wrong;
    int vals[3];
    do {
        triangleAngles(r, a, b);
        vals[0] = a;
        vals[1] = b;
        vals[2] = 180 - a - b;
        which = r.range(0, 2);  // the unknown angle: 0 at A, 1 at B, 2 at C
        const int k1 = vals[(which + 1) % 3], k2 = vals[(which + 2) % 3];
        wrong = below(180, {{360 - k1 - k2, "uses 360&deg;, the angles at a point"},
                            {k1 + k2, "adds the two angles given and stops there"},
                            {180 - k1, "takes only the " + dg(k1) + " angle from 180&deg;"},
                            {180 - k2, "takes only the " + dg(k2) + " angle from 180&deg;"}});
    } while (!enoughWrong(vals[which], wrong));
    QB q("triangle_angle", 1);
    std::string known;
    std::vector<int> given;
    for (int i = 0; i < 3; ++i)
        if (i != which) {
            known += (known.empty() ? "" : ",") + S(vals[i]);
            given.push_back(vals[i]);
        }
    q.param("known", known);
    q.p("Find the size of angle <i>x</i> in the triangle.");
    std::string l[3];
    for (int i = 0; i < 3; ++i) l[i] = i == which ? "x" : deg(vals[i]);
    drawMarkedTriangle(q.figure(300, 200, triangleDescription(l)), a, b, l[0], l[1], l[2]);
    say(q, "The angles of a triangle add up to 180&deg;.");
    say(q, "The two angles given: " + added(given) + " = " + dg(given[0] + given[1]) + ".");
    say(q, "x = " + dg(180) + " &minus; " + dg(given[0] + given[1]) + " = " + dg(vals[which]) +
           ".");
    return q.number(r, k[0], vals[which], "&deg;", wrong).done();
}

Question isosceles(Rng& r, const std::string& k) {
    const bool apexGiven = r.chance(50);
    int apex = 0;
    std::vector<Slip> wrong;
    for (;;) {
        apex = r.range(20, 140);
        if (apex % 2 || apex == 60 || apex == 90 || apex < 40) continue;  // apex < 40: too narrow
        const int base = (180 - apex) / 2;
        if (apexGiven)
            wrong = {{180 - apex, "takes the top angle from 180&deg; but does not halve what is "
                                  "left for the two equal angles"},
                     {apex, "takes x to be the same as the top angle"},
                     {apex / 2, "halves the top angle"}};
        else
            wrong = {{180 - base, "takes away only one of the two equal angles"},
                     {base, "takes x to be the same as the angle at A"},
                     {90 - base, "halves what is left after one equal angle"}};
        // a choice needs three different slips
        if (k != "Q" || distinctWrong(apexGiven ? base : apex, wrong)) break;
    }
    const int base = (180 - apex) / 2;
    QB q("isosceles", 2);
    q.param("given", apexGiven ? "apex" : "base").param("angle", apexGiven ? apex : base);
    const std::string sides = "Triangle ABC with sides AC and BC marked equal; A and B are at the "
                              "ends of the base and C at the top. ";
    Figure& f = q.figure(300, 200,
                         sides + (apexGiven ? "Angle C is " + dg(apex) +
                                                  ", angle A is marked x and angle B has no mark."
                                            : "Angle A is " + dg(base) +
                                                  ", angle C is marked x and angle B has no mark."));
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
    say(q, "AC = BC, so the triangle is isosceles: the angles at A and B, at the ends of the "
           "base, are equal.");
    if (apexGiven) {
        say(q, "The angles of a triangle add up to 180&deg;, so the two equal angles together "
               "are " +
               dg(180) + " &minus; " + dg(apex) + " = " + dg(180 - apex) + ".");
        say(q, "x = " + dg(180 - apex) + " &divide; 2 = " + dg(base) + ".");
        return q.number(r, k[0], base, "&deg;", wrong).done();
    }
    say(q, "So angle B is " + dg(base) + " too.");
    say(q, "The angles of a triangle add up to 180&deg;: x = " + takeAway(180, {base, base}) +
           " = " + dg(apex) + ".");
    return q.number(r, k[0], apex, "&deg;", wrong).done();
}

Question quadAngle(Rng& r, const std::string& k) {
    int a, b, c, d;
    std::vector<Slip> wrong;
    do {
        a = r.range(55, 140);
        b = r.range(55, 140);
        c = r.range(55, 140);
        d = 360 - a - b - c;
        wrong = {{a + b + c - 180, "uses 180&deg;, the angles of a triangle, instead of 360&deg;"},
                 {360 - a - b, "leaves out the " + dg(c) + " angle"},
                 {360 - b - c, "leaves out the " + dg(a) + " angle"}};
    } while (d < 40 || d > 170 || !distinctWrong(d, wrong));
    QB q("quad_angle", 2);
    q.param("known", S(a) + "," + S(b) + "," + S(c));
    q.p("Three angles of a quadrilateral are " + qty(a, "&deg;") + ", " + qty(b, "&deg;") +
        " and " + qty(c, "&deg;") + ". What is the size of the fourth angle?");
    say(q, "The angles of a quadrilateral add up to 360&deg;.");
    say(q, "The three angles given: " + added({a, b, c}) + " = " + dg(a + b + c) + ".");
    say(q, "Fourth angle = " + dg(360) + " &minus; " + dg(a + b + c) + " = " + dg(d) + ".");
    return q.number(r, k[0], d, "&deg;", wrong).done();
}

// The points passed turning `steps` points from `from`: "NE, E and SE".
std::string pointsPassed(int from, int steps, bool clockwise) {
    std::vector<std::string> passed;
    for (int i = 1; i <= steps; ++i)
        passed.push_back(
            kPoints[static_cast<std::size_t>(((from + (clockwise ? i : -i)) % 8 + 8) % 8)]);
    return listed(passed);
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
    drawCompass(q.figure(300, 200, kCompassDescription));
    q.note(kDirNote);
    q.answer();
    say(q, "The eight points of the compass share a full turn of 360&deg;, so from one point to "
           "the next is 360&deg; &divide; 8 = 45&deg;.");
    say(q, "A turn of " + dg(steps * 45) + " is " + S(steps * 45) + " &divide; 45 = " +
           plural(steps, "point", "points") + ".");
    say(q, std::string("Turning ") + (clockwise ? "clockwise" : "anticlockwise") + " from " +
           kPoints[static_cast<std::size_t>(from)] + ": " + pointsPassed(from, steps, clockwise) +
           ". " + who + " faces " + kPoints[static_cast<std::size_t>(to)] + ".");
    return q.part('T', kPoints[static_cast<std::size_t>(to)]).done();
}

Question compassAngle(Rng& r, const std::string& k) {
    int a, b, d, ans;
    std::vector<Slip> wrong;
    do {
        a = r.range(0, 7);
        int step;
        do step = r.range(1, 7);
        while (step == 4);  // opposite directions make two equal angles: no smaller one
        b = (a + step) % 8;
        d = (b - a + 8) % 8;
        const int points = d > 4 ? 8 - d : d;
        ans = 45 * points;
        // the smaller angle is at most a half turn
        wrong = geometry::within({{360 - ans, "is the larger angle, the long way round"},
                                  {ans + 45, "counts one point too many"},
                                  {ans - 45, "counts one point too few"},
                                  {180 - ans, "takes the angle from 180&deg;"},
                                  {30 * points, "takes 30&deg; a point, as between the numbers "
                                                "of a clock"}},
                                 0, 181);
    } while (k == "Q" && !enoughWrong(ans, wrong));
    const int points = d > 4 ? 8 - d : d;
    QB q("compass_angle", 1);
    q.param("a", kPoints[static_cast<std::size_t>(a)])
        .param("b", kPoints[static_cast<std::size_t>(b)]);
    q.p("What is the smaller angle between the directions <b>" +
        kPoints[static_cast<std::size_t>(a)] + "</b> and <b>" +
        kPoints[static_cast<std::size_t>(b)] + "</b>?");
    drawCompass(q.figure(300, 200, kCompassDescription));
    const bool clockwise = d <= 4;
    say(q, "From one point of the compass to the next is 360&deg; &divide; 8 = 45&deg;.");
    say(q, "The shorter way from " + kPoints[static_cast<std::size_t>(a)] + " to " +
           kPoints[static_cast<std::size_t>(b)] + " passes " +
           pointsPassed(a, points, clockwise) + ": " + plural(points, "point", "points") + ".");
    say(q, "Smaller angle = " + S(points) + " &times; 45&deg; = " + dg(ans) + ".");
    return q.number(r, k[0], ans, "&deg;", wrong).done();
}

Question clockAngle(Rng& r, const std::string& k) {
    int h = 0;
    std::vector<Slip> wrong;
    do {
        do h = r.range(1, 11);
        while (h == 6);
        const int ans = 30 * (h > 6 ? 12 - h : h);
        // the smaller angle between the hands is at most a half turn
        wrong = geometry::within(
            {{360 - ans, "is the larger angle, the long way round"},
             {6 * h, "takes 6&deg; a number, as the minute hand turns in a minute"},
             {ans + 30, "counts one number too many"},
             {ans - 30, "counts one number too few"},
             {180 - ans, "takes the angle from 180&deg;"}},
            0, 181);
    } while (k == "Q" && !enoughWrong(30 * (h > 6 ? 12 - h : h), wrong));
    const int gaps = h > 6 ? 12 - h : h;
    const int ans = 30 * gaps;
    QB q("clock_angle", 1);
    q.param("hour", h);
    q.p("The clock shows " + S(h) +
        " o'clock. What is the size of angle <i>x</i>, the smaller "
        "angle between its hands?");
    Figure& f = q.figure(200, 200,
                         "A clock face numbered 1 to 12 showing " + S(h) +
                             " o'clock: the minute hand points to 12 and the hour hand to " +
                             S(h) + ". The smaller angle between the hands is marked x.");
    drawClock(f, h, 0);
    // from whichever hand is behind, anticlockwise to the other (12 is at 90 degrees)
    if (h < 6)
        markAngle(f, 100, 100, 90 - 30 * h, 30 * h, "x", 22);
    else
        markAngle(f, 100, 100, 90, 30 * (12 - h), "x", 22);
    say(q, "The 12 numbers share a full turn of 360&deg;: from one number to the next is "
           "360&deg; &divide; 12 = 30&deg;.");
    say(q, "The shorter way from 12 to " + S(h) + " passes " + plural(gaps, "number", "numbers") +
           " of the clock.");
    say(q, "x = " + S(gaps) + " &times; 30&deg; = " + dg(ans) + ".");
    return q.number(r, k[0], ans, "&deg;", wrong).done();
}

Question polygonAngle(Rng& r, const std::string& k) {
    const std::vector<int> sides = {5, 6, 8, 9, 10, 12};
    const std::vector<std::string> names_ = {"pentagon", "hexagon", "octagon",
                                             "nonagon",  "decagon", "dodecagon"};
    int i = r.range(0, static_cast<int>(sides.size()) - 1);
    int n = sides[static_cast<std::size_t>(i)];
    std::string shape = names_[static_cast<std::size_t>(i)] + " (" + S(n) + " sides)";
    // the angles of n - 2 triangles, from one corner to every corner not beside it
    auto triangles = [&](QB& q) {
        say(q, "From one corner, lines to the other corners cut " + withArticle(shape) + " into " +
               S(n) + " &minus; 2 = " + S(n - 2) + " triangles.");
        say(q, "Sum of the interior angles = " + S(n - 2) + " &times; 180&deg; = " +
               dg(180 * (n - 2)) + ".");
    };
    if (k == "NN") {
        QB q("polygon_angle", 2);
        q.param("n", n).param("ask", "both");
        q.p("A regular " + shape + " has all its sides and all its angles equal.");
        q.subparts({{"What is the sum of its interior angles?", "&deg;"},
                    {"What is the size of each interior angle?", "&deg;"}});
        say(q, "(a) From one corner, lines to the other corners cut the " + names_[i] + " into " +
               S(n) + " &minus; 2 = " + S(n - 2) + " triangles: " + S(n - 2) +
               " &times; 180&deg; = " + dg(180 * (n - 2)) + ".");
        say(q, "(b) The " + S(n) + " angles are equal: " + dg(180 * (n - 2)) + " &divide; " +
               S(n) + " = " + dg(180 * (n - 2) / n) + ".");
        return q.part('N', S(180 * (n - 2))).part('N', S(180 * (n - 2) / n)).done();
    }
    const bool sum = r.chance(40);
    QB q("polygon_angle", 2);
    if (sum) {
        q.param("n", n).param("ask", "sum");
        q.p("What is the sum of the interior angles of " + withArticle(shape) + "?");
        triangles(q);
        return q
            .number(r, k[0], 180 * (n - 2), "&deg;",
                    std::vector<Slip>{{180 * n, "counts a triangle for every side"},
                                      {360 * (n - 2), "takes 360&deg; for each triangle"},
                                      {180 * (n - 1), "counts one triangle too many"}})
            .done();
    }
    // an interior angle of a regular polygon is less than 180 degrees
    auto eachSlips = [&] {
        return below(180, {{Frac(360, n), "is the exterior angle, the turn at each corner"},
                           {180 * (n - 2), "is the sum of the angles, not shared among the " +
                                               S(n) + " corners"},
                           {Frac(360 * (n - 2), n), "takes 360&deg; for each triangle"},
                           {Frac(180 * (n - 1), n), "counts one triangle too many"},
                           {Frac(180 * (n - 3), n), "counts one triangle too few"}});
    };
    while (k == "Q" && !enoughWrong(180 * (n - 2) / n, eachSlips())) {
        i = r.range(0, static_cast<int>(sides.size()) - 1);
        n = sides[static_cast<std::size_t>(i)];
        shape = names_[static_cast<std::size_t>(i)] + " (" + S(n) + " sides)";
    }
    q.param("n", n).param("ask", "each");
    q.p("What is the size of each interior angle of a regular " + shape + "?");
    triangles(q);
    say(q, "The " + S(n) + " angles of a regular " + names_[i] + " are equal: " +
           dg(180 * (n - 2)) + " &divide; " + S(n) + " = " + dg(180 * (n - 2) / n) + ".");
    return q.number(r, k[0], 180 * (n - 2) / n, "&deg;", eachSlips()).done();
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
    const std::vector<std::string> meaning = {"is less than 90&deg;", "is exactly 90&deg;",
                                              "is between 90&deg; and 180&deg;",
                                              "is between 180&deg; and 360&deg;"};
    QB q("angle_type", 1);
    q.param("angle", v);
    q.p("An angle measures <b>" + S(v) + "&deg;</b>. What kind of angle is it?");
    say(q, "An acute angle is less than 90&deg;, a right angle is exactly 90&deg;, an obtuse angle "
           "is between 90&deg; and 180&deg;, and a reflex angle is between 180&deg; and "
           "360&deg;.");
    say(q, dg(v) + " " + meaning[static_cast<std::size_t>(t)] + ", so it is " +
           kinds[static_cast<std::size_t>(t)] + ".");
    if (k == "T") {
        static const std::vector<std::string> words = {"acute", "right", "obtuse", "reflex"};
        q.note("Write acute, right, obtuse or reflex.");
        q.answer();
        return q.part('T', words[static_cast<std::size_t>(t)]).done();
    }
    std::vector<TextSlip> wrong;
    for (int i = 0; i < 4; ++i)
        if (i != t)
            wrong.push_back({kinds[static_cast<std::size_t>(i)],
                             "is an angle that " + meaning[static_cast<std::size_t>(i)]});
    return q.choice(r, kinds[static_cast<std::size_t>(t)], wrong).done();
}

// Two crossing lines drawn with the angles round the point, read anticlockwise.
std::string crossingDescription(const std::vector<std::string>& labels) {
    return "Two straight lines cross, making four angles round the point where they meet. Going "
           "round: " +
           listed(spokenLabels(labels)) +
           ". The first and third angles are opposite each other, and so are the second and "
           "fourth.";
}

Question crossingLines(Rng& r, const std::string& k) {
    int a;
    bool opposite = false;
    std::vector<Slip> wrong;
    for (;;) {
        do a = r.range(35, 145);
        while (a > 80 && a < 100);  // two angles that look alike are hard to tell apart
        if (k == "NN") break;
        opposite = r.chance(50);
        const int x = opposite ? a : 180 - a;
        wrong = {{180 - x, opposite ? "is the angle beside the " + dg(a) + " angle, not opposite it"
                                    : "is the angle opposite the " + dg(a) +
                                          " angle, not beside it"},
                 {360 - x, "uses 360&deg;, the angles at a point"},
                 {std::abs(90 - x), "takes 90&deg; away, as if the lines crossed at a right angle"},
                 {90, "shares 360&deg; equally among the four angles"}};
        if (!opposite) addNoExchange(wrong, 180, a);
        wrong = below(180, wrong);  // an angle between two straight lines is less than 180
        if (k != "Q" || enoughWrong(x, wrong)) break;
    }
    QB q("crossing_lines", 2);
    q.param("a", a);
    q.p("Two straight lines cross. One of the angles is " + qty(a, "&deg;") + ".");
    const std::vector<int> sizes = {a, 180 - a, a, 180 - a};
    const auto opposite_step = [&](const std::string& letter) {
        return "Angle " + letter + " is opposite the " + dg(a) +
               " angle, and vertically opposite angles are equal: " + letter + " = " + dg(a) + ".";
    };
    const auto beside_step = [&](const std::string& letter) {
        return "Angle " + letter + " and the " + dg(a) +
               " angle lie side by side on a straight line, so they add up to 180&deg;: " +
               letter + " = " + dg(180) + " &minus; " + dg(a) + " = " + dg(180 - a) + ".";
    };
    if (k == "NN") {
        const std::vector<std::string> labels = {deg(a), "y", "x", ""};
        drawAnglesAtPoint(q.figure(300, 200, crossingDescription(labels)), sizes, labels);
        q.subparts({{"Find angle <i>x</i>.", "&deg;"}, {"Find angle <i>y</i>.", "&deg;"}});
        say(q, "(a) " + opposite_step("x"));
        say(q, "(b) " + beside_step("y"));
        return q.part('N', S(a)).part('N', S(180 - a)).done();
    }
    q.param("ask", opposite ? "opposite" : "beside");
    const std::vector<std::string> labels = {deg(a), opposite ? "" : "x", opposite ? "x" : "", ""};
    drawAnglesAtPoint(q.figure(300, 200, crossingDescription(labels)), sizes, labels);
    q.p("Find angle <i>x</i>.");
    const int x = opposite ? a : 180 - a;
    say(q, opposite ? opposite_step("x") : beside_step("x"));
    say(q, "Check: the four angles round the point add up to " + added(sizes) + " = 360&deg;.");
    return q.number(r, k[0], x, "&deg;", wrong).done();
}

Question triangleExterior(Rng& r, const std::string& k) {
    int a, b;
    std::vector<Slip> wrong;
    do {
        triangleAngles(r, a, b);
        const int c = 180 - a - b;
        // an angle outside a triangle, on a straight line, is less than 180 degrees
        wrong = below(180, {{b, "is angle B inside the triangle, not the angle outside it"},
                            {360 - a - c, "uses 360&deg;, the angles at a point"},
                            {std::abs(a - c), "takes one inside angle from the other"},
                            {180 - a, "uses the straight line at corner A, not the one at B"}});
    } while (!enoughWrong(180 - b, wrong));
    const int c = 180 - a - b;
    QB q("triangle_exterior", 2);
    const std::string lineOn = "The base AB is drawn on past B. ";
    if (k == "NN") {
        q.param("a", a).param("b", b);
        q.p("In triangle ABC, angle A is " + qty(a, "&deg;") + " and angle B is " +
            qty(b, "&deg;") + ". The side AB is drawn on past B.");
        const std::string l[3] = {deg(a), deg(b), "x"};
        drawMarkedTriangle(q.figure(300, 200,
                                    triangleDescription(l) + " " + lineOn +
                                        "The angle outside the triangle at B, between BC and the "
                                        "line drawn on, is marked y."),
                           a, b, deg(a), deg(b), "x", "", "y");
        q.subparts({{"Find angle <i>x</i>.", "&deg;"}, {"Find angle <i>y</i>.", "&deg;"}});
        say(q, "(a) The angles of a triangle add up to 180&deg;: x = " + takeAway(180, {a, b}) +
               " = " + dg(c) + ".");
        say(q, "(b) Angle y and the " + dg(b) +
               " angle at B lie on a straight line: y = " + takeAway(180, {b}) + " = " +
               dg(180 - b) + ".");
        return q.part('N', S(c)).part('N', S(180 - b)).done();
    }
    // one step: the angle outside is the sum of the two inside angles opposite it
    q.param("a", a).param("c", c);
    q.p("In triangle ABC, angle A is " + qty(a, "&deg;") + " and angle C is " + qty(c, "&deg;") +
        ". The side AB is drawn on past B. Find angle <i>x</i>.");
    const std::string l[3] = {deg(a), "", deg(c)};
    drawMarkedTriangle(q.figure(300, 200,
                                triangleDescription(l) + " " + lineOn +
                                    "The angle outside the triangle at B, between BC and the line "
                                    "drawn on, is marked x."),
                       a, b, deg(a), "", deg(c), "", "x");
    say(q, "The angles of a triangle add up to 180&deg;: angle B = " + takeAway(180, {a, c}) +
           " = " + dg(b) + ".");
    say(q, "Angle x and angle B lie on a straight line: x = " + takeAway(180, {b}) + " = " +
           dg(180 - b) + ".");
    return q.number(r, k[0], 180 - b, "&deg;", wrong).done();
}

Question isoscelesTwo(Rng& r, const std::string& k) {
    (void)k;
    int base = 0;
    do base = r.range(25, 80);
    while (base == 60 || !geometry::roomForLabels(base, base));
    QB q("isosceles_two", 2);
    q.param("base", base);
    q.p("Triangle ABC is isosceles with AC = BC. Angle CAB is " + qty(base, "&deg;") + ".");
    const std::string l[3] = {deg(base), "x", "y"};
    Figure& f = q.figure(300, 200, triangleDescription(l) + " Sides AC and BC are marked equal.");
    const TriangleCorners t = drawMarkedTriangle(f, base, base, deg(base), "x", "y");
    equalSideMarks(f, t.ax, t.ay, t.cx, t.cy);
    equalSideMarks(f, t.bx, t.by, t.cx, t.cy);
    q.subparts({{"Find angle <i>x</i>.", "&deg;"}, {"Find angle <i>y</i>.", "&deg;"}});
    say(q, "(a) AC = BC, so the angles at A and B, at the ends of the base, are equal: x = " +
           dg(base) + ".");
    say(q, "(b) The angles of a triangle add up to 180&deg;: y = " + takeAway(180, {base, base}) +
           " = " + dg(180 - 2 * base) + ".");
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
    drawCompass(q.figure(300, 200, kCompassDescription));
    q.subparts({{"Through how many degrees did " + who + " turn?", "&deg;"},
                {who + " then turns " + S(back * 45) + "&deg; anticlockwise. Which direction is " +
                     who + " facing now? " + kDirNote,
                 ""}});
    say(q, "(a) Clockwise from " + kPoints[static_cast<std::size_t>(from)] + " to " +
           kPoints[static_cast<std::size_t>(to)] + " passes " + pointsPassed(from, steps, true) +
           ": " + plural(steps, "point", "points") + " of 45&deg; each, " + S(steps) +
           " &times; 45&deg; = " + dg(steps * 45) + ".");
    say(q, "(b) " + dg(back * 45) + " is " + S(back * 45) + " &divide; 45 = " +
           plural(back, "point", "points") + ". Anticlockwise from " +
           kPoints[static_cast<std::size_t>(to)] + ": " + pointsPassed(to, back, false) + ". " +
           who + " faces " + kPoints[static_cast<std::size_t>(last)] + ".");
    return q.part('N', S(steps * 45)).part('T', kPoints[static_cast<std::size_t>(last)]).done();
}

Question isoscelesThree(Rng& r, const std::string& k) {
    (void)k;
    int base = 0;
    do base = r.range(25, 80);
    while (base == 60 || !geometry::roomForLabels(base, base));
    QB q("isosceles_three", 2);
    q.param("base", base);
    q.p("Triangle ABC is isosceles with AC = BC and angle CAB = " + qty(base, "&deg;") +
        ". The side AB is drawn on past B.");
    const std::string l[3] = {deg(base), "x", "y"};
    Figure& f = q.figure(300, 200,
                         triangleDescription(l) +
                             " Sides AC and BC are marked equal. The base AB is drawn on past B, "
                             "and the angle outside the triangle at B is marked z.");
    const TriangleCorners t = drawMarkedTriangle(f, base, base, deg(base), "x", "y", "", "z");
    equalSideMarks(f, t.ax, t.ay, t.cx, t.cy);
    equalSideMarks(f, t.bx, t.by, t.cx, t.cy);
    q.subparts({{"Find angle <i>x</i>.", "&deg;"},
                {"Find angle <i>y</i>.", "&deg;"},
                {"Find angle <i>z</i>.", "&deg;"}});
    say(q, "(a) AC = BC, so the angles at A and B are equal: x = " + dg(base) + ".");
    say(q, "(b) The angles of a triangle add up to 180&deg;: y = " + takeAway(180, {base, base}) +
           " = " + dg(180 - 2 * base) + ".");
    say(q, "(c) Angle z and angle x lie on a straight line: z = " + takeAway(180, {base}) + " = " +
           dg(180 - base) + ".");
    return q.part('N', S(base)).part('N', S(180 - 2 * base)).part('N', S(180 - base)).done();
}

Question rightAngleSplit(Rng& r, const std::string& k) {
    int a;
    std::vector<Slip> wrong;
    for (;;) {
        do a = r.range(15, 75);
        while (a == 45);  // two equal parts: the angle given would be the answer
        // a part of a right angle is less than 90 degrees
        wrong = below(90, {{180 - a, "takes the angle from 180&deg;, as if on a straight line"},
                           {a, "takes x to be the same as the angle given"},
                           {90 + a, "adds instead of taking away"},
                           {45, "takes the line to cut the right angle in half"}});
        addNoExchange(wrong, 90, a);
        if (k != "Q" || enoughWrong(90 - a, wrong)) break;
    }
    QB q("right_angle_split", 1);
    q.param("a", a);
    q.p("A line divides a right angle into two parts. Find the size of angle <i>x</i>.");
    drawRightAngleSplit(q.figure(300, 200,
                                 "A right angle, marked with a small square, between a level arm "
                                 "and an upright arm, split in two by a line from its corner: the "
                                 "part next to the level arm is " +
                                     dg(a) + " and the part next to the upright arm is marked x."),
                        a, deg(a), "x");
    say(q, "A right angle is 90&deg;, and the two parts make the whole right angle.");
    say(q, "x = " + takeAway(90, {a}) + " = " + dg(90 - a) + ".");
    return q.number(r, k[0], 90 - a, "&deg;", wrong).done();
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
    auto where = [](const std::string& place, int x, int y) {
        return "the " + place + " is at the crossing " + plural(x, "square", "squares") +
               " from the left edge and " + plural(y, "square", "squares") + " up from the bottom";
    };
    drawMapGrid(q.figure(300, 200,
                         "A map drawn on a grid of 6 by 5 squares, with an arrow marked N pointing "
                         "straight up. On it " +
                             where(from, ax, ay) + ", and " + where(to, bx, by) + "."),
                ax, ay, from, bx, by, to);
    q.p("In which direction is the " + to + " from the " + from + "?");
    q.note(kDirNote);
    q.answer();
    const int sx = (bx > ax) - (bx < ax);
    const int sy = (by > ay) - (by < ay);
    const char* names8[3][3] = {{"SW", "W", "NW"}, {"S", "", "N"}, {"SE", "E", "NE"}};
    const std::string answer = names8[sx + 1][sy + 1];
    std::vector<std::string> moves;
    if (sx != 0)
        moves.push_back(plural(std::abs(bx - ax), "square", "squares") +
                        (sx > 0 ? " east (to the right)" : " west (to the left)"));
    if (sy != 0)
        moves.push_back(plural(std::abs(by - ay), "square", "squares") +
                        (sy > 0 ? " north (up)" : " south (down)"));
    say(q, "From the " + from + " to the " + to + " is " + listed(moves) + ".");
    if (sx != 0 && sy != 0)
        say(q, "Equal steps " + std::string(sy > 0 ? "north" : "south") + " and " +
               (sx > 0 ? "east" : "west") + " make the direction half way between them: " +
               answer + ".");
    else
        say(q, "That is straight " + std::string(sx > 0 ? "east" : sx < 0 ? "west" : sy > 0 ? "north" : "south") +
               ": " + answer + ".");
    return q.part('T', answer).done();
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
