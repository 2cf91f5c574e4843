// Algebra: substitution, simple equations, number machines, sequences and word problems.

#include "families.h"

namespace {

Question evaluate(Rng& r, const std::string& k) {
    const int a = r.range(2, 9);
    const int b = r.range(1, 30);
    const int v = r.range(2, 12);
    const bool minus = r.chance(40) && a * v > b;
    QB q("alg_eval", 1);
    q.param("a", a).param("b", minus ? -b : b).param("n", v);
    q.p("Find the value of <b>" + S(a) + "n " + (minus ? "&minus; " : "+ ") + S(b) +
        "</b> when <b>n = " + S(v) + "</b>.");
    const int ans = a * v + (minus ? -b : b);
    return q.number(r, k[0], ans, "", {a * 10 + v + (minus ? -b : b), a + v + b, ans + a}).done();
}

Question solveLinear(Rng& r, const std::string& k) {
    const int a = r.range(2, 9);
    const int x = r.range(2, 15);
    const int b = r.range(1, 40);
    const bool minus = r.chance(40) && a * x > b;
    const int c = a * x + (minus ? -b : b);
    QB q("alg_solve", 2);
    q.param("a", a).param("b", minus ? -b : b).param("c", c);
    q.p("Solve the equation <b>" + S(a) + "x " + (minus ? "&minus; " : "+ ") + S(b) + " = " + S(c) +
        "</b>.");
    q.p("What is the value of <i>x</i>?");
    return q
        .number(r, k[0], x, "",
                {c - b, x + 1, (c + b) / a > 0 && (c + b) / a != x ? (c + b) / a : x + 2})
        .done();
}

Question numberMachine(Rng& r, const std::string& k) {
    const int m = r.range(2, 9);
    const int add = r.range(1, 25);
    const int in = r.range(2, 20);
    const bool subtract = r.chance(40) && in * m > add;
    const int outv = in * m + (subtract ? -add : add);
    QB q("number_machine", 2);
    q.param("m", m).param("add", subtract ? -add : add).param("out", outv);
    q.p("A number machine multiplies a number by " + S(m) + " and then " +
        (subtract ? "subtracts " : "adds ") + S(add) + ".");
    q.p("The output is <b>" + S(outv) + "</b>. What was the input?");
    return q.number(r, k[0], in, "", {outv * m + add, outv / m, in + 1}).done();
}

Question sequenceTerm(Rng& r, const std::string& k) {
    const int first = r.range(1, 20);
    const int step = r.range(2, 9);
    const int n = r.range(10, 30);
    QB q("sequence_term", 2);
    q.param("first", first).param("step", step).param("n", n);
    q.p("The sequence goes up by the same amount each time: <b>" + S(first) + ", " +
        S(first + step) + ", " + S(first + 2 * step) + ", " + S(first + 3 * step) + ", ...</b>");
    q.p("What is term number " + S(n) + " of the sequence?");
    const int ans = first + (n - 1) * step;
    return q.number(r, k[0], ans, "", {first + n * step, n * step, ans - step + 1}).done();
}

Question ageProblem(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const int age = r.range(6, 12);
    const int times = r.range(3, 5);
    const int later = r.range(2, 10);
    QB q("age_problem", 3);
    q.param("age", age).param("times", times).param("later", later).param("who", who);
    q.p(who + " is " + S(age) + " years old. " + who + "'s grandmother is " + S(times) +
        " times as old as " + who + ".");
    q.p("What will the sum of their ages be in " + S(later) + " years' time?");
    const int ans = age * (times + 1) + 2 * later;
    return q
        .number(r, k[0], ans, "years",
                {age * (times + 1) + later, age * times + later, ans + later})
        .done();
}

Question perimeterAlgebra(Rng& r, const std::string& k) {
    const int x = r.range(3, 20);
    const int a = r.range(2, 12);
    QB q("perimeter_algebra", 2);
    q.param("a", a).param("p", 2 * (2 * x + a));
    q.p("A rectangle has length <b>(x + " + S(a) +
        ") cm</b> and width <b>x cm</b>. Its perimeter is " + S(2 * (2 * x + a)) + " cm.");
    q.p("What is the value of <i>x</i>?");
    return q.number(r, k[0], x, "", {x + a, (2 * (2 * x + a)) / 4, x * 2}).done();
}

Question biggerNumber(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int m1, a1, n1, m2, a2, n2;
    do {
        m1 = r.range(2, 6);
        a1 = r.range(1, 20);
        n1 = r.range(3, 20);
        m2 = r.range(2, 6);
        a2 = r.range(1, 20);
        n2 = r.range(3, 20);
    } while (n1 == n2 || m1 == m2 || (n1 * m1 + a1 > n2 * m2 + a2) == (n1 > n2));
    QB q("bigger_number", 2);
    q.param("x", x)
        .param("m1", m1)
        .param("a1", a1)
        .param("out1", n1 * m1 + a1)
        .param("y", y)
        .param("m2", m2)
        .param("a2", a2)
        .param("out2", n2 * m2 + a2);
    q.p(x + " thinks of a number, multiplies it by " + S(m1) + " and adds " + S(a1) +
        ". The answer is " + S(n1 * m1 + a1) + ".");
    q.p(y + " thinks of a number, multiplies it by " + S(m2) + " and adds " + S(a2) +
        ". The answer is " + S(n2 * m2 + a2) + ".");
    q.p("Who thought of the bigger number?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', n1 > n2 ? x : y).done();
}

Question puzzle(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    std::string z;
    do z = r.pick(names());
    while (z == x || z == y);
    const int n = r.range(8, 40);
    const int more = r.range(2, 15);
    const int fewer = r.range(1, n - 2);
    const int total = n + (2 * n + more) + (n - fewer);
    QB q("alg_puzzle", 3);
    q.param("more", more).param("fewer", fewer).param("total", total);
    q.p(x + ", " + y + " and " + z + " collect shells. " + y + " has " + S(more) +
        " more than twice as many shells as " + x + ". " + z + " has " + S(fewer) +
        (fewer == 1 ? " shell" : " shells") + " fewer than " + x + ".");
    q.p("Together they have " + S(total) + " shells. How many shells does " + x + " have?");
    return q.number(r, k[0], n, "shells", {total / 3, n + more, 2 * n + more}).done();
}

Question balance(Rng& r, const std::string& k) {
    const int box = r.range(2, 15);
    const int a = r.range(3, 8);
    const int b = r.range(1, a - 1);
    const int extra = r.range(1, 20);
    const int right = (a - b) * box + extra;
    QB q("balance", 2);
    q.param("a", a).param("extra", extra).param("b", b).param("right", right);
    q.p("On a balance, " + S(a) + " identical boxes and a " + S(extra) + " kg weight balance " +
        S(b) + (b == 1 ? " box" : " boxes") + " and a " + S(right) +
        " kg weight. The scales are level.");
    q.p("What is the mass of one box?");
    return q
        .number(r, k[0], box, "kg",
                {right - extra, box + 1,
                 (right + extra) / (a + b) != box ? (right + extra) / (a + b) + 1 : box + 3})
        .done();
}

Question twoVariable(Rng& r, const std::string& k) {
    const int a = r.range(2, 9);
    const int b = r.range(2, 9);
    const int c = r.range(2, 6);
    QB q("two_variable", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("Find the value of <b>a&sup2; + " + S(c) + "b</b> when <b>a = " + S(a) +
        "</b> and <b>b = " + S(b) + "</b>.");
    const int ans = a * a + c * b;
    return q.number(r, k[0], ans, "", {2 * a + c * b, a * a + c + b, (a + c * b) * a}).done();
}

Question formulaCost(Rng& r, const std::string& k) {
    const int per = r.range(3, 12);
    const int fixed = r.range(2, 20);
    const int h = r.range(2, 9);
    const bool inverse = r.chance(50);
    QB q("formula_cost", 2);
    q.param("per", per)
        .param("fixed", fixed)
        .param(inverse ? "cost" : "h", inverse ? per * h + fixed : h);
    q.p("The cost, <i>C</i> dollars, of hiring a canoe for <i>h</i> hours is given by the formula "
        "<b>C = " +
        S(per) + "h + " + S(fixed) + "</b>.");
    if (inverse) {
        const std::string who = r.pick(names());
        q.p(who + " paid $" + S(per * h + fixed) + ". For how many hours did " + who +
            " hire the canoe?");
        return q.number(r, k[0], h, "hours", {h + 1, h > 2 ? h - 1 : h + 3, per + h}).done();
    }
    q.p("Find the cost of hiring the canoe for " + S(h) + " hours.");
    return q
        .number(r, k[0], per * h + fixed, "dollars", {per * (h + fixed), per + h + fixed, per * h})
        .done();
}

}  // namespace

void addAlgebra(std::vector<Family>& out) {
    out.push_back({"alg_eval", 10, {"N", "Q"}, evaluate});
    out.push_back({"alg_solve", 10, {"N", "Q"}, solveLinear});
    out.push_back({"number_machine", 10, {"N", "Q"}, numberMachine});
    out.push_back({"sequence_term", 10, {"N", "Q"}, sequenceTerm});
    out.push_back({"age_problem", 10, {"N"}, ageProblem});
    out.push_back({"perimeter_algebra", 10, {"N", "Q"}, perimeterAlgebra});
    out.push_back({"bigger_number", 10, {"T"}, biggerNumber});
    out.push_back({"alg_puzzle", 10, {"N"}, puzzle});
    out.push_back({"balance", 10, {"N", "Q"}, balance});
    out.push_back({"two_variable", 10, {"N", "Q"}, twoVariable});
    out.push_back({"formula_cost", 10, {"N", "Q"}, formulaCost});
}
