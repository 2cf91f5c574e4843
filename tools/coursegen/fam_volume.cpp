// Volume: cuboids and cubes, capacity in litres, tanks, packing cubes, nets.

#include "drawing.h"
#include "families.h"

namespace {

const char* kCm3 = "cm&sup3;";

Question cuboidVolume(Rng& r, const std::string& k) {
    const int l = r.range(4, 20);
    const int w = r.range(2, 12);
    const int h = r.range(2, 12);
    QB q("cuboid_volume", 1);
    q.param("l", l).param("w", w).param("h", h);
    q.p("Find the volume of the cuboid.");
    drawCuboid(q.figure(300, 200, "cuboid " + S(l) + " cm by " + S(w) + " cm by " + S(h) + " cm"),
               l, w, h, "cm");
    return q
        .number(r, k[0], l * w * h, kCm3,
                {l + w + h, l * w + w * h + l * h, 2 * (l * w + w * h + l * h)})
        .done();
}

Question cubeVolume(Rng& r, const std::string& k) {
    const int e = r.range(2, 15);
    QB q("cube_volume", 1);
    q.param("edge", e);
    q.p("A cube has edges " + S(e) + " cm long. What is its volume?");
    return q.number(r, k[0], e * e * e, kCm3, {e * e, 6 * e * e, 3 * e, 12 * e}).done();
}

Question cubeEdge(Rng& r, const std::string& k) {
    const int e = r.range(2, 12);
    QB q("cube_edge", 2);
    q.param("volume", e * e * e);
    q.p("A cube has a volume of " + S(e * e * e) + " cm&sup3;. How long is each edge?");
    return q.number(r, k[0], e, "cm", {e * e, e * e * e / 3, e + 1}).done();
}

Question cuboidHeight(Rng& r, const std::string& k) {
    const int l = r.range(4, 20);
    const int w = r.range(2, 12);
    const int h = r.range(2, 15);
    QB q("cuboid_height", 2);
    q.param("volume", l * w * h).param("l", l).param("w", w);
    q.p("A cuboid has a volume of " + S(l * w * h) + " cm&sup3;. Its length is " + S(l) +
        " cm and its width is " + S(w) + " cm.");
    q.p("What is its height?");
    return q.number(r, k[0], h, "cm", {l * w, h * 2, l * w * h - l - w}).done();
}

Question litresToCm3Random(Rng& r, const std::string& k) {
    (void)k;
    if (r.chance(50)) {
        const int ml = r.range(1, 99) * 50 + (r.chance(30) ? r.range(1, 49) : 0);
        QB q("ml_to_litres", 1);
        q.param("ml", ml);
        q.p("A jug holds " + S(ml) + " ml of juice. How many litres is that?");
        q.answer("litres");
        return q.part('N', (Frac(ml, 1000)).dec()).done();
    }
    return litresToCm3(r.range(2, 80), false);
}

Question tankWater(Rng& r, const std::string& k) {
    const int l = r.range(3, 12) * 10;
    const int w = r.range(2, 8) * 10;
    const int h = r.range(3, 8) * 10;
    const int d = r.range(1, h / 10 - 1) * 10 + (r.chance(50) ? 5 : 0);
    QB q("tank_water", 2);
    q.param("l", l).param("w", w).param("h", h).param("depth", d);
    q.p("A fish tank is a cuboid " + S(l) + " cm long, " + S(w) + " cm wide and " + S(h) +
        " cm high. It holds water " + S(d) + " cm deep.");
    q.p("How many litres of water are in the tank? (1 litre = 1000 cm&sup3;)");
    const Frac ans = Frac(l * w * d, 1000);
    return q
        .number(r, k[0], ans, "litres",
                {Frac(l * w * h, 1000), Frac(l * w * d, 100), ans + Frac(1)})
        .done();
}

Question cubesInBox(Rng& r, const std::string& k) {
    const int e = r.range(2, 5);
    const int a = r.range(2, 8) * e;
    const int b = r.range(2, 6) * e;
    const int c = r.range(1, 5) * e;
    QB q("cubes_in_box", 2);
    q.param("a", a).param("b", b).param("c", c).param("edge", e);
    q.p("A box is " + S(a) + " cm long, " + S(b) + " cm wide and " + S(c) +
        " cm high. How many cubes with edges of " + S(e) + " cm fit exactly inside it?");
    const int ans = (a / e) * (b / e) * (c / e);
    return q.number(r, k[0], ans, "cubes", {a * b * c, a * b * c / e, ans * e}).done();
}

Question netArea(Rng& r, const std::string& k) {
    const int l = r.range(4, 12);
    const int w = r.range(2, 8);
    const int h = r.range(2, 8);
    QB q("net_area", 2);
    q.param("l", l).param("w", w).param("h", h);
    q.p("This is the net of a cuboid " + S(l) + " cm long, " + S(w) + " cm wide and " + S(h) +
        " cm high. What is the total area of the net?");
    drawCuboidNet(q.figure(300, 200, "net of a cuboid"), l, w, h, "cm");
    const int ans = 2 * (l * w + l * h + w * h);
    return q.number(r, k[0], ans, "cm&sup2;", {l * w * h, l * w + l * h + w * h, ans + 2 * l})
        .done();
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
    q.p(x + " has a box " + S(a) + " cm by " + S(b) + " cm by " + S(c) + " cm. " + y +
        " has a box " + S(d) + " cm by " + S(e) + " cm by " + S(f) + " cm.");
    q.p("Whose box has the larger volume?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', a * b * c > d * e * f ? x : y).done();
}

Question fillTime(Rng& r, const std::string& k) {
    const int rate = r.range(4, 25);
    const int mins = r.range(6, 40);
    QB q("fill_time", 2);
    q.param("litres", rate * mins).param("rate", rate);
    q.p("A water tank holds " + S(rate * mins) + " litres. A tap fills it at " + S(rate) +
        " litres per minute.");
    q.p("How many minutes does it take to fill the empty tank?");
    return q.number(r, k[0], mins, "minutes", {rate * mins - rate, mins + 5, mins * 2}).done();
}

Question tankTwo(Rng& r, const std::string& k) {
    (void)k;
    const int l = r.range(3, 10) * 10;
    const int w = r.range(2, 6) * 10;
    const int h = r.range(3, 8) * 10;
    const int d = r.range(1, h / 10 - 1) * 10;
    QB q("tank_two", 2);
    q.param("l", l).param("w", w).param("h", h).param("depth", d);
    q.p("A tank is a cuboid " + S(l) + " cm long, " + S(w) + " cm wide and " + S(h) +
        " cm high. It has water " + S(d) + " cm deep in it. (1 litre = 1000 cm&sup3;)");
    q.subparts({{"How many litres does the tank hold when it is full?", "litres"},
                {"How many more litres are needed to fill it?", "litres"}});
    return q.part('N', Frac(l * w * h, 1000).dec())
        .part('N', Frac(l * w * (h - d), 1000).dec())
        .done();
}

Question cuboidTwo(Rng& r, const std::string& k) {
    (void)k;
    const int l = r.range(4, 15);
    const int w = r.range(2, 10);
    const int h = r.range(2, 10);
    QB q("cuboid_two", 2);
    q.param("l", l).param("w", w).param("h", h);
    q.p("Look at the cuboid.");
    drawCuboid(q.figure(300, 200, "cuboid " + S(l) + " cm by " + S(w) + " cm by " + S(h) + " cm"),
               l, w, h, "cm");
    q.subparts({{"What is the area of its base (" + S(l) + " cm by " + S(w) + " cm)?", "cm&sup2;"},
                {"What is its volume?", kCm3}});
    return q.part('N', S(l * w)).part('N', S(l * w * h)).done();
}

Question tankThree(Rng& r, const std::string& k) {
    (void)k;
    const int rate = r.pick(std::vector<int>{2, 4, 5, 8, 10});
    int l, w, h;
    do {
        l = r.range(3, 10) * 10;
        w = r.range(2, 6) * 10;
        h = r.range(2, 6) * 10;
    } while ((l * w * h / 1000) % rate);
    QB q("tank_three", 2);
    q.param("l", l).param("w", w).param("h", h).param("rate", rate);
    q.p("An empty tank is a cuboid " + S(l) + " cm long, " + S(w) + " cm wide and " + S(h) +
        " cm high. (1 litre = 1000 cm&sup3;)");
    q.subparts({{"What is the volume of the tank?", kCm3},
                {"How many litres does it hold when full?", "litres"},
                {"Water flows in at " + S(rate) +
                     " litres per minute. How many minutes does it take to fill the tank?",
                 "minutes"}});
    return q.part('N', S(l * w * h))
        .part('N', S(l * w * h / 1000))
        .part('N', S(l * w * h / 1000 / rate))
        .done();
}

Question stackCubes(Rng& r, const std::string& k) {
    const int a = r.range(2, 6);
    const int b = r.range(2, 5);
    const int c = r.range(2, 5);
    const int e = r.range(1, 4);
    QB q("stack_cubes", 2);
    q.param("a", a).param("b", b).param("c", c).param("edge", e);
    q.p("A cuboid is built from cubes with edges of " + S(e) + " cm. It is " + S(a) +
        " cubes long, " + S(b) + " cubes wide and " + S(c) + " cubes high.");
    q.p("What is the volume of the cuboid?");
    const int ans = a * b * c * e * e * e;
    return q.number(r, k[0], ans, kCm3, {a * b * c, ans * 2, a * b * c * e}).done();
}

Question cubeSurface(Rng& r, const std::string& k) {
    const int e = r.range(2, 12);
    QB q("cube_surface", 2);
    q.param("edge", e);
    q.p("A cube has edges " + S(e) + " cm long. What is the total area of its six faces?");
    return q.number(r, k[0], 6 * e * e, "cm&sup2;", {e * e * e, 4 * e * e, 12 * e}).done();
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
    out.push_back({"cube_edge", 5, {"N", "Q"}, cubeEdge});
    out.push_back({"cuboid_height", 5, {"N", "Q"}, cuboidHeight});
    out.push_back({"capacity", 5, {"N"}, litresToCm3Random});
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
}
