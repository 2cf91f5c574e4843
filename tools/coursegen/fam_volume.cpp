// Volume: cuboids and cubes, capacity in litres, tanks, packing cubes, nets.
// More families in fam_volume_2.cpp.

#include "drawing.h"
#include "families.h"
#include "measure_solutions.h"

namespace {

const char* kCm3 = "cm&sup3;";
const char* kCm2 = "cm&sup2;";

Question cuboidVolume(Rng& r, const std::string& k) {
    int l, w, h;
    std::vector<Slip> wrong;
    do {
        l = r.range(4, 20);
        w = r.range(2, std::min(l, 12));
        h = r.range(2, 12);
        wrong = {{l + w + h, "adds the three edges instead of multiplying them"},
                 {l * w + w * h + l * h, "adds the areas of three faces"},
                 {2 * (l * w + w * h + l * h),
                  "is the total area of the six faces, not the "
                  "volume"}};
    } while (!distinctWrong(l * w * h, wrong));
    QB q("cuboid_volume", 1);
    q.param("l", l).param("w", w).param("h", h);
    q.p("Find the volume of the cuboid.");
    drawCuboid(q.figure(300, 200, cuboidDescription(l, w, h)), l, w, h, "cm");
    step(q, "Volume of a cuboid = length &times; width &times; height.");
    step(q, "Volume = " + volumeChain(l, w, h) + ".");
    return q.number(r, k[0], l * w * h, kCm3, wrong).done();
}

Question cubeVolume(Rng& r, const std::string& k) {
    const int e = r.range(2, 15);
    QB q("cube_volume", 1);
    q.param("edge", e);
    q.p("A cube has edges " + qty(e, "cm") + " long. What is its volume?");
    step(q, "A cube is a cuboid whose length, width and height are all the same edge.");
    step(q, "Volume = " + volumeChain(e, e, e) + ".");
    return q
        .number(r, k[0], e * e * e, kCm3,
                {{e * e, "is the area of one face"},
                 {6 * e * e, "is the total area of the six faces"},
                 {3 * e, "multiplies the edge by 3 instead of by itself twice"},
                 {12 * e, "adds the twelve edges"}})
        .done();
}

Question cubeEdge(Rng& r, const std::string& k) {
    (void)k;
    const int e = r.range(2, 12);
    QB q("cube_edge", 2);
    q.param("volume", e * e * e);
    q.p("A cube has a volume of " + qty(e * e * e, kCm3) + ". How long is each edge?");
    q.answer("cm");
    step(q,
         "Volume of a cube = edge &times; edge &times; edge, so look for the number that, "
         "multiplied by itself and by itself again, makes " +
             num(e * e * e) + ".");
    step(q, "Try " + S(e - 1) + ": " + S(e - 1) + " &times; " + S(e - 1) + " &times; " + S(e - 1) +
                " = " + num((e - 1) * (e - 1) * (e - 1)) + ", too small. Try " + S(e) + ": " +
                S(e) + " &times; " + S(e) + " &times; " + S(e) + " = " + num(e * e * e) + ".");
    step(q, "So each edge is " + qty(e, "cm") + ".");
    return q.part('N', S(e)).done();
}

Question cuboidHeight(Rng& r, const std::string& k) {
    int l, w, h;
    std::vector<Slip> wrong;
    do {
        l = r.range(4, 20);
        w = r.range(2, std::min(l, 12));
        h = r.range(2, 15);
        wrong = {{l * w, "is the area of the base, not the height"},
                 {w * h, "divides by the length only, not by the length and the width"},
                 {l * w * h - l - w, "takes away the length and the width instead of dividing"}};
    } while (!distinctWrong(h, wrong));
    QB q("cuboid_height", 2);
    q.param("volume", l * w * h).param("l", l).param("w", w);
    q.p("A cuboid has a volume of " + qty(l * w * h, kCm3) + ". Its length is " + qty(l, "cm") +
        " and its width is " + qty(w, "cm") + ".");
    q.p("What is its height?");
    step(q,
         "Volume = length &times; width &times; height, so the height is the volume divided by "
         "the area of the base, length &times; width.");
    step(q, "Base = " + qty(l, "cm") + " &times; " + qty(w, "cm") + " = " + qty(l * w, kCm2) + ".");
    step(q, "Height = " + qty(l * w * h, kCm3) + " &divide; " + qty(l * w, kCm2) + " = " +
                qty(h, "cm") + ".");
    return q.number(r, k[0], h, "cm", wrong).done();
}

Question mlToLitres(Rng& r, const std::string& k) {
    struct Holder {
        const char* what;
        const char* of;
        int lo, hi, step;
    };
    static const std::vector<Holder> holders = {{"jug", "juice", 10, 50, 50},
                                                {"bottle", "water", 2, 8, 250},
                                                {"bucket", "water", 8, 24, 500},
                                                {"saucepan", "soup", 15, 60, 50}};
    const Holder& hd = r.pick(holders);
    const int ml = r.range(hd.lo, hd.hi) * hd.step;
    QB q("ml_to_litres", 1);
    q.param("ml", ml);
    q.p("A " + std::string(hd.what) + " holds " + qty(ml, "ml") + " of " + hd.of +
        ". How many litres is that?");
    step(q, "1&nbsp;litre = 1000&nbsp;ml, so divide the millilitres by 1000.");
    step(q, qty(ml, "ml") + " = " + num(ml) +
                " &divide; 1000&nbsp;litres = " + qty(Frac(ml, 1000), "litres") + ".");
    return q
        .number(r, k[0], Frac(ml, 1000), "litres",
                {{Frac(ml, 100), "divides by 100, as if a litre were 100&nbsp;ml"},
                 {Frac(ml, 10), "divides by 10, as if a litre were 10&nbsp;ml"},
                 {Frac(ml, 10000), "divides by 10&nbsp;000: one zero too many"}})
        .done();
}

// Litres to cubic centimetres, the steps of both forms of the task.
void litresSteps(QB& q, int litres) {
    step(q, "1&nbsp;litre = 1000&nbsp;cm&sup3;, so multiply the litres by 1000.");
    step(q, qty(litres, "litres") + " = " + num(litres) +
                " &times; 1000&nbsp;cm&sup3; = " + qty(litres * 1000, kCm3) + ".");
}

// The same task as the course's fixed litres question, with a container of any size.
Question litresToCm3Drawn(Rng& r, const std::string& k) {
    struct Holder {
        const char* what;
        int lo, hi;
    };
    static const std::vector<Holder> holders = {
        {"fish tank", 20, 90}, {"water butt", 100, 250}, {"paint tin", 2, 10}, {"sink", 12, 30}};
    const Holder& hd = r.pick(holders);
    const int litres = r.range(hd.lo, hd.hi);
    QB q("litres_to_cm3", 1);
    q.param("litres", litres);
    q.p("A " + std::string(hd.what) + " holds " + qty(litres, "litres") +
        ". How many cubic centimetres is that? (1 litre = 1000 cm&sup3;)");
    litresSteps(q, litres);
    return q
        .number(r, k[0], litres * 1000, kCm3,
                {{litres * 100, "multiplies by 100, as if a litre were 100&nbsp;cm&sup3;"},
                 {litres * 10, "multiplies by 10, as if a litre were 10&nbsp;cm&sup3;"},
                 {litres * 10000, "multiplies by 10&nbsp;000: one zero too many"}})
        .done();
}

Question tankWater(Rng& r, const std::string& k) {
    const int l = r.range(3, 12) * 10;
    const int w = r.range(2, std::min(8, l / 10)) * 10;
    const int h = r.range(3, 8) * 10;
    const int d = r.range(1, h / 10 - 1) * 10 + (r.chance(50) ? 5 : 0);
    QB q("tank_water", 2);
    q.param("l", l).param("w", w).param("h", h).param("depth", d);
    q.p("A fish tank is a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " +
        qty(h, "cm") + " high. It holds water " + qty(d, "cm") + " deep.");
    q.p("How many litres of water are in the tank? (1 litre = 1000 cm&sup3;)");
    const Frac ans = Frac(l * w * d, 1000);
    step(q, "The water is a cuboid as long and as wide as the tank, and " + qty(d, "cm") +
                " deep: the height of the tank is not needed.");
    step(q, "Volume of water = " + volumeChain(l, w, d) + ".");
    step(q, "1&nbsp;litre = 1000&nbsp;cm&sup3;: " + num(l * w * d) +
                " &divide; 1000 = " + qty(ans, "litres") + ".");
    return q
        .number(r, k[0], ans, "litres",
                {{Frac(l * w * h, 1000),
                  "is the full tank: it uses the height, not the depth of "
                  "the water"},
                 {Frac(l * w * d, 100), "divides by 100 instead of 1000"},
                 {l * w * d, "is the volume in cm&sup3;, not changed into litres"}})
        .done();
}

Question cubesInBox(Rng& r, const std::string& k) {
    int e, a, b, c, ans;
    std::vector<Slip> wrong;
    do {
        e = r.range(2, 5);
        a = r.range(2, 8) * e;
        b = r.range(2, std::min(6, a / e)) * e;
        c = r.range(1, 5) * e;
        ans = (a / e) * (b / e) * (c / e);
        wrong = {{a * b * c, "is the volume of the box in cm&sup3;, not a number of cubes"},
                 {Frac(a * b * c, e),
                  "divides the volume by the edge of a cube, not by its "
                  "volume"},
                 {a / e + b / e + c / e,
                  "adds the cubes along the three edges instead of "
                  "multiplying"}};
    } while (!distinctWrong(ans, wrong));
    QB q("cubes_in_box", 2);
    q.param("a", a).param("b", b).param("c", c).param("edge", e);
    q.p("A box is " + qty(a, "cm") + " long, " + qty(b, "cm") + " wide and " + qty(c, "cm") +
        " high. How many cubes with edges of " + qty(e, "cm") + " fit exactly inside it?");
    step(q, "Along the length: " + num(a) + " &divide; " + num(e) + " = " +
                plural(a / e, "cube", "cubes") + "; along the width: " + num(b) + " &divide; " +
                num(e) + " = " + plural(b / e, "cube", "cubes") + "; up the height: " + num(c) +
                " &divide; " + num(e) + " = " + plural(c / e, "cube", "cubes") + ".");
    step(q, "One layer on the bottom = " + S(a / e) + " &times; " + S(b / e) + " = " +
                plural((a / e) * (b / e), "cube", "cubes") + ", and there " +
                (c / e == 1 ? std::string("is 1 layer") : "are " + S(c / e) + " layers") + ".");
    step(q, "Cubes = " + S((a / e) * (b / e)) + " &times; " + S(c / e) + " = " +
                plural(ans, "cube", "cubes") + ".");
    return q.number(r, k[0], ans, "cubes", wrong).done();
}

// The area of a cuboid's net: its six faces in three pairs.
void netAreaSteps(QB& q, int l, int w, int h) {
    step(q, "The net is the six faces of the cuboid: three pairs of equal rectangles.");
    step(q, "Top and bottom = 2 &times; " + qty(l, "cm") + " &times; " + qty(w, "cm") + " = " +
                qty(2 * l * w, kCm2) + ".");
    step(q, "Front and back = 2 &times; " + qty(l, "cm") + " &times; " + qty(h, "cm") + " = " +
                qty(2 * l * h, kCm2) + ".");
    step(q, "The two ends = 2 &times; " + qty(w, "cm") + " &times; " + qty(h, "cm") + " = " +
                qty(2 * w * h, kCm2) + ".");
    step(q, "Total = " + qty(2 * l * w, kCm2) + " + " + qty(2 * l * h, kCm2) + " + " +
                qty(2 * w * h, kCm2) + " = " + qty(2 * (l * w + l * h + w * h), kCm2) + ".");
}

Question netArea(Rng& r, const std::string& k) {
    int l, w, h, ans;
    std::vector<Slip> wrong;
    do {
        l = r.range(4, 12);
        w = r.range(2, std::min(l, 8));
        h = r.range(2, 8);
        ans = 2 * (l * w + l * h + w * h);
        wrong = {{l * w * h, "is the volume, not an area"},
                 {l * w + l * h + w * h, "counts only one face of each pair"},
                 {ans - 2 * l * w, "leaves out the top and the bottom"}};
    } while (!distinctWrong(ans, wrong));
    QB q("net_area", 2);
    q.param("l", l).param("w", w).param("h", h);
    q.p("This is the net of a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " +
        qty(h, "cm") + " high. What is the total area of the net?");
    drawCuboidNet(q.figure(300, 200, netDescription(l, w, h)), l, w, h, "cm");
    netAreaSteps(q, l, w, h);
    return q.number(r, k[0], ans, kCm2, wrong).done();
}

Question biggerBox(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int a, b, c, d, e, f;
    do {
        a = r.range(3, 12);
        b = r.range(3, 12);
        c = r.range(2, 10);
        d = r.range(3, 12);
        e = r.range(3, 12);
        f = r.range(2, 10);
    } while (a * b * c == d * e * f || (a + b + c > d + e + f) == (a * b * c > d * e * f));
    QB q("bigger_box", 1);
    q.param("x", x)
        .param("a", a)
        .param("b", b)
        .param("c", c)
        .param("y", y)
        .param("d", d)
        .param("e", e)
        .param("f", f);
    q.p(x + " has a box " + qty(a, "cm") + " by " + qty(b, "cm") + " by " + qty(c, "cm") + ". " +
        y + " has a box " + qty(d, "cm") + " by " + qty(e, "cm") + " by " + qty(f, "cm") + ".");
    q.p("Whose box has the larger volume?");
    q.note("Write the name.");
    q.answer();
    const std::string winner = a * b * c > d * e * f ? x : y;
    step(q, "Volume of " + x + "'s box = " + volumeChain(a, b, c) + ".");
    step(q, "Volume of " + y + "'s box = " + volumeChain(d, e, f) + ".");
    step(q, qty(std::max(a * b * c, d * e * f), kCm3) + " is more than " +
                qty(std::min(a * b * c, d * e * f), kCm3) + ", so " + winner +
                "'s box has the larger volume, though its edges do not add up to more.");
    return q.part('T', winner).done();
}

Question fillTime(Rng& r, const std::string& k) {
    int rate, mins;
    std::vector<Slip> wrong;
    do {
        rate = r.range(4, 25);
        mins = r.range(6, 40);
        wrong = {{rate * mins - rate, "takes the litres a minute away instead of dividing"},
                 {rate * mins * rate, "multiplies instead of dividing"},
                 {mins * 60, "is the time in seconds, not minutes"}};
    } while (!distinctWrong(mins, wrong));
    QB q("fill_time", 2);
    q.param("litres", rate * mins).param("rate", rate);
    q.p("A water tank holds " + qty(rate * mins, "litres") + ". A tap fills it at " +
        qty(rate, "litres") + " a minute.");
    q.p("How many minutes does it take to fill the empty tank?");
    step(q, "Each minute puts " + qty(rate, "litres") +
                " into the tank, so the minutes are the "
                "litres the tank holds divided by " +
                S(rate) + ".");
    step(q, "Time = " + num(rate * mins) + " &divide; " + S(rate) + " = " +
                plural(mins, "minute", "minutes") + ".");
    step(q, "Check: " + plural(mins, "minute", "minutes") + " &times; " + qty(rate, "litres") +
                " = " + qty(rate * mins, "litres") + ".");
    return q.number(r, k[0], mins, "minutes", wrong).done();
}

Question tankTwo(Rng& r, const std::string& k) {
    (void)k;
    const int l = r.range(3, 10) * 10;
    const int w = r.range(2, std::min(6, l / 10)) * 10;
    const int h = r.range(3, 8) * 10;
    const int d = r.range(1, h / 10 - 1) * 10;
    QB q("tank_two", 2);
    q.param("l", l).param("w", w).param("h", h).param("depth", d);
    q.p("A tank is a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " +
        qty(h, "cm") + " high. It has water " + qty(d, "cm") +
        " deep in it. (1 litre = 1000 cm&sup3;)");
    q.subparts({{"How many litres does the tank hold when it is full?", "litres"},
                {"How many more litres are needed to fill it?", "litres"}});
    step(q, "(a) Full tank = " + volumeChain(l, w, h) + ".");
    step(q, "In litres: " + num(l * w * h) +
                " &divide; 1000 = " + qty(Frac(l * w * h, 1000), "litres") + ".");
    step(q, "(b) Above the water the tank is empty for " + qty(h, "cm") + " &minus; " +
                qty(d, "cm") + " = " + qty(h - d, "cm") +
                ". Empty part = " + volumeChain(l, w, h - d) + ".");
    step(q, "In litres: " + num(l * w * (h - d)) +
                " &divide; 1000 = " + qty(Frac(l * w * (h - d), 1000), "litres") + ".");
    return q.part('N', Frac(l * w * h, 1000).dec())
        .part('N', Frac(l * w * (h - d), 1000).dec())
        .done();
}

Question cuboidTwo(Rng& r, const std::string& k) {
    (void)k;
    const int l = r.range(4, 15);
    const int w = r.range(2, std::min(l, 10));
    const int h = r.range(2, 10);
    QB q("cuboid_two", 2);
    q.param("l", l).param("w", w).param("h", h);
    q.p("Look at the cuboid.");
    drawCuboid(q.figure(300, 200, cuboidDescription(l, w, h)), l, w, h, "cm");
    q.subparts({{"What is the area of its base (" + qty(l, "cm") + " by " + qty(w, "cm") + ")?",
                 "cm&sup2;"},
                {"What is its volume?", kCm3}});
    step(q, "(a) Base = length &times; width: " + qty(l, "cm") + " &times; " + qty(w, "cm") +
                " = " + qty(l * w, kCm2) + ".");
    step(q, "(b) Volume = base &times; height: " + qty(l * w, kCm2) + " &times; " + qty(h, "cm") +
                " = " + qty(l * w * h, kCm3) + ".");
    return q.part('N', S(l * w)).part('N', S(l * w * h)).done();
}

Question tankThree(Rng& r, const std::string& k) {
    (void)k;
    const int rate = r.pick(std::vector<int>{2, 4, 5, 8, 10});
    int l, w, h;
    do {
        l = r.range(3, 10) * 10;
        w = r.range(2, std::min(6, l / 10)) * 10;
        h = r.range(2, 6) * 10;
    } while ((l * w * h / 1000) % rate);
    QB q("tank_three", 2);
    q.param("l", l).param("w", w).param("h", h).param("rate", rate);
    q.p("An empty tank is a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " +
        qty(h, "cm") + " high. (1 litre = 1000 cm&sup3;)");
    q.subparts({{"What is the volume of the tank?", kCm3},
                {"How many litres does it hold when full?", "litres"},
                {"Water flows in at " + qty(rate, "litres") +
                     " a minute. How many minutes does it take to fill the tank?",
                 "minutes"}});
    const int litres = l * w * h / 1000;
    step(q, "(a) Volume = " + volumeChain(l, w, h) + ".");
    step(q, "(b) 1&nbsp;litre = 1000&nbsp;cm&sup3;: " + num(l * w * h) +
                " &divide; 1000 = " + qty(litres, "litres") + ".");
    step(q, "(c) Time = " + num(litres) + " &divide; " + S(rate) + " = " +
                plural(litres / rate, "minute", "minutes") + ".");
    return q.part('N', S(l * w * h)).part('N', S(litres)).part('N', S(litres / rate)).done();
}

Question stackCubes(Rng& r, const std::string& k) {
    int a, b, c, e, ans;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 6);
        b = r.range(2, std::min(a, 5));
        c = r.range(2, 5);
        e = r.range(2, 4);
        ans = a * b * c * e * e * e;
        wrong = {
            {a * b * c, "counts the cubes but forgets that each is bigger than 1&nbsp;cm&sup3;"},
            {a * b * c * e, "multiplies by the edge of a cube, not by its volume"},
            {a * b * c * e * e,
             "multiplies by the area of a face of a cube, not by its "
             "volume"}};
    } while (!distinctWrong(ans, wrong));
    QB q("stack_cubes", 2);
    q.param("a", a).param("b", b).param("c", c).param("edge", e);
    q.p("A cuboid is built from cubes with edges of " + qty(e, "cm") + ". It is " + S(a) +
        " cubes long, " + S(b) + " cubes wide and " + S(c) + " cubes high.");
    q.p("What is the volume of the cuboid?");
    step(q, "Number of cubes = " + S(a) + " &times; " + S(b) + " &times; " + S(c) + " = " +
                plural(a * b * c, "cube", "cubes") + ".");
    step(q, "Each cube = " + volumeChain(e, e, e) + ".");
    step(q, "Volume = " + S(a * b * c) + " &times; " + qty(e * e * e, kCm3) + " = " +
                qty(ans, kCm3) + ".");
    return q.number(r, k[0], ans, kCm3, wrong).done();
}

Question cubeSurface(Rng& r, const std::string& k) {
    const int e = r.range(2, 12);
    QB q("cube_surface", 2);
    q.param("edge", e);
    q.p("A cube has edges " + qty(e, "cm") + " long. What is the total area of its six faces?");
    step(q, "Each face of a cube is a square: " + qty(e, "cm") + " &times; " + qty(e, "cm") +
                " = " + qty(e * e, kCm2) + ".");
    step(q, "Six faces = 6 &times; " + qty(e * e, kCm2) + " = " + qty(6 * e * e, kCm2) + ".");
    return q
        .number(r, k[0], 6 * e * e, kCm2,
                {{e * e * e, "is the volume, not the area of the faces"},
                 {4 * e * e, "counts only four faces"},
                 {12 * e, "adds the twelve edges"},
                 {e * e, "is one face only"}})
        .done();
}

}  // namespace

Question litresToCm3(int litres, bool keyWithTrailingSpace) {
    QB q("litres_to_cm3", 1);
    q.param("litres", litres);
    q.p("A water butt holds " + S(litres) +
        " litres. How many cubic centimetres is that? (1 litre = 1000 cm&sup3;)");
    q.answer(kCm3);
    litresSteps(q, litres);
    return q.part('N', S(litres * 1000) + (keyWithTrailingSpace ? " " : "")).done();
}

void addVolume(std::vector<Family>& out) {
    out.push_back({"cuboid_volume", 5, {"N", "Q"}, cuboidVolume});
    out.push_back({"cube_volume", 5, {"N", "Q"}, cubeVolume});
    out.push_back({"cube_edge", 5, {"N"}, cubeEdge});
    out.push_back({"cuboid_height", 5, {"N", "Q"}, cuboidHeight});
    out.push_back({"ml_to_litres", 5, {"N", "Q"}, mlToLitres});
    out.push_back({"litres_to_cm3", 5, {"N", "Q"}, litresToCm3Drawn});
    out.push_back({"tank_water", 5, {"N", "Q"}, tankWater});
    out.push_back({"cubes_in_box", 5, {"N", "Q"}, cubesInBox});
    out.push_back({"net_area", 5, {"N", "Q"}, netArea});
    out.push_back({"bigger_box", 5, {"T"}, biggerBox});
    out.push_back({"fill_time", 5, {"N", "Q"}, fillTime});
    out.push_back({"tank_two", 5, {"NN"}, tankTwo});
    out.push_back({"cuboid_two", 5, {"NN"}, cuboidTwo});
    out.push_back({"tank_three", 5, {"NNN"}, tankThree});
    out.push_back({"stack_cubes", 5, {"N", "Q"}, stackCubes});
    out.push_back({"cube_surface", 5, {"N", "Q"}, cubeSurface});
    addVolumeMore(out);
}
