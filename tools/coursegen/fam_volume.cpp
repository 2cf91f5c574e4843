// Volume: cuboids and cubes, capacity in litres, tanks, packing cubes, nets.
// More families in fam_volume_2.cpp.

#include "drawing.h"
#include "families.h"

namespace {

const char* kCm3 = "cm&sup3;";

Question cuboidVolume(Rng& r, const std::string& k) {
    int l, w, h;
    std::vector<Frac> wrong;
    do {
        l = r.range(4, 20);
        w = r.range(2, std::min(l, 12));
        h = r.range(2, 12);
        wrong = {l + w + h /* added the edges */, l * w + w * h + l * h /* one face of each size */,
                 2 * (l * w + w * h + l * h) /* the surface area */};
    } while (!distinctWrong(l * w * h, wrong));
    QB q("cuboid_volume", 1);
    q.param("l", l).param("w", w).param("h", h);
    q.p("Find the volume of the cuboid.");
    drawCuboid(q.figure(300, 200, "cuboid " + S(l) + " cm by " + S(w) + " cm by " + S(h) + " cm"),
               l, w, h, "cm");
    return q.number(r, k[0], l * w * h, kCm3, wrong).done();
}

Question cubeVolume(Rng& r, const std::string& k) {
    const int e = r.range(2, 15);
    QB q("cube_volume", 1);
    q.param("edge", e);
    q.p("A cube has edges " + qty(e, "cm") + " long. What is its volume?");
    return q
        .number(r, k[0], e * e * e, kCm3,
                {e * e /* the area of one face */, 6 * e * e /* the surface area */,
                 3 * e /* cubing taken as times 3 */, 12 * e /* the edges added */})
        .done();
}

Question cubeEdge(Rng& r, const std::string& k) {
    (void)k;
    const int e = r.range(2, 12);
    QB q("cube_edge", 2);
    q.param("volume", e * e * e);
    q.p("A cube has a volume of " + qty(e * e * e, kCm3) + ". How long is each edge?");
    q.answer("cm");
    return q.part('N', S(e)).done();
}

Question cuboidHeight(Rng& r, const std::string& k) {
    int l, w, h;
    std::vector<Frac> wrong;
    do {
        l = r.range(4, 20);
        w = r.range(2, std::min(l, 12));
        h = r.range(2, 15);
        wrong = {l * w /* the area of the base */, w * h /* divided by one edge only */,
                 l * w * h - l - w /* subtracted the edges */};
    } while (!distinctWrong(h, wrong));
    QB q("cuboid_height", 2);
    q.param("volume", l * w * h).param("l", l).param("w", w);
    q.p("A cuboid has a volume of " + qty(l * w * h, kCm3) + ". Its length is " + qty(l, "cm") +
        " and its width is " + qty(w, "cm") + ".");
    q.p("What is its height?");
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
    return q
        .number(r, k[0], Frac(ml, 1000), "litres",
                {Frac(ml, 100) /* 100 ml in a litre */, Frac(ml, 10) /* 10 ml in a litre */,
                 Frac(ml, 10000) /* one zero too many */})
        .done();
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
    return q
        .number(r, k[0], litres * 1000, kCm3,
                {litres * 100 /* 100 cm3 in a litre */, litres * 10 /* 10 cm3 in a litre */,
                 litres * 10000 /* one zero too many */})
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
    return q
        .number(
            r, k[0], ans, "litres",
            {Frac(l * w * h, 1000) /* the full tank */, Frac(l * w * d, 100) /* divided by 100 */,
             l * w * d /* not changed into litres */})
        .done();
}

Question cubesInBox(Rng& r, const std::string& k) {
    int e, a, b, c, ans;
    std::vector<Frac> wrong;
    do {
        e = r.range(2, 5);
        a = r.range(2, 8) * e;
        b = r.range(2, std::min(6, a / e)) * e;
        c = r.range(1, 5) * e;
        ans = (a / e) * (b / e) * (c / e);
        wrong = {a * b * c /* the volume of the box */,
                 Frac(a * b * c, e) /* divided by the edge */, a / e + b / e + c / e /* added */};
    } while (!distinctWrong(ans, wrong));
    QB q("cubes_in_box", 2);
    q.param("a", a).param("b", b).param("c", c).param("edge", e);
    q.p("A box is " + qty(a, "cm") + " long, " + qty(b, "cm") + " wide and " + qty(c, "cm") +
        " high. How many cubes with edges of " + qty(e, "cm") + " fit exactly inside it?");
    return q.number(r, k[0], ans, "cubes", wrong).done();
}

Question netArea(Rng& r, const std::string& k) {
    int l, w, h, ans;
    std::vector<Frac> wrong;
    do {
        l = r.range(4, 12);
        w = r.range(2, std::min(l, 8));
        h = r.range(2, 8);
        ans = 2 * (l * w + l * h + w * h);
        wrong = {l * w * h /* the volume */, l * w + l * h + w * h /* three faces only */,
                 ans - 2 * l * w /* the top and bottom left out */};
    } while (!distinctWrong(ans, wrong));
    QB q("net_area", 2);
    q.param("l", l).param("w", w).param("h", h);
    q.p("This is the net of a cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " +
        qty(h, "cm") + " high. What is the total area of the net?");
    drawCuboidNet(q.figure(300, 200, "net of a cuboid"), l, w, h, "cm");
    return q.number(r, k[0], ans, "cm&sup2;", wrong).done();
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
    return q.part('T', a * b * c > d * e * f ? x : y).done();
}

Question fillTime(Rng& r, const std::string& k) {
    int rate, mins;
    std::vector<Frac> wrong;
    do {
        rate = r.range(4, 25);
        mins = r.range(6, 40);
        wrong = {rate * mins - rate /* subtracted */, rate * mins * rate /* multiplied */,
                 mins * 60 /* gave seconds */};
    } while (!distinctWrong(mins, wrong));
    QB q("fill_time", 2);
    q.param("litres", rate * mins).param("rate", rate);
    q.p("A water tank holds " + qty(rate * mins, "litres") + ". A tap fills it at " +
        qty(rate, "litres") + " a minute.");
    q.p("How many minutes does it take to fill the empty tank?");
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
    drawCuboid(q.figure(300, 200, "cuboid " + S(l) + " cm by " + S(w) + " cm by " + S(h) + " cm"),
               l, w, h, "cm");
    q.subparts({{"What is the area of its base (" + qty(l, "cm") + " by " + qty(w, "cm") + ")?",
                 "cm&sup2;"},
                {"What is its volume?", kCm3}});
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
    return q.part('N', S(l * w * h))
        .part('N', S(l * w * h / 1000))
        .part('N', S(l * w * h / 1000 / rate))
        .done();
}

Question stackCubes(Rng& r, const std::string& k) {
    int a, b, c, e, ans;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 6);
        b = r.range(2, std::min(a, 5));
        c = r.range(2, 5);
        e = r.range(2, 4);
        ans = a * b * c * e * e * e;
        wrong = {a * b * c /* counted the cubes */, a * b * c * e /* the edge not cubed */,
                 a * b * c * e * e /* the edge squared */};
    } while (!distinctWrong(ans, wrong));
    QB q("stack_cubes", 2);
    q.param("a", a).param("b", b).param("c", c).param("edge", e);
    q.p("A cuboid is built from cubes with edges of " + qty(e, "cm") + ". It is " + S(a) +
        " cubes long, " + S(b) + " cubes wide and " + S(c) + " cubes high.");
    q.p("What is the volume of the cuboid?");
    return q.number(r, k[0], ans, kCm3, wrong).done();
}

Question cubeSurface(Rng& r, const std::string& k) {
    const int e = r.range(2, 12);
    QB q("cube_surface", 2);
    q.param("edge", e);
    q.p("A cube has edges " + qty(e, "cm") + " long. What is the total area of its six faces?");
    return q
        .number(r, k[0], 6 * e * e, "cm&sup2;",
                {e * e * e /* the volume */, 4 * e * e /* four faces only */,
                 12 * e /* the edges added */, e * e /* one face */})
        .done();
}

}  // namespace

Question litresToCm3(int litres, bool keyWithTrailingSpace) {
    QB q("litres_to_cm3", 1);
    q.param("litres", litres);
    q.p("A water butt holds " + S(litres) +
        " litres. How many cubic centimetres is that? (1 litre = 1000 cm&sup3;)");
    q.answer(kCm3);
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
