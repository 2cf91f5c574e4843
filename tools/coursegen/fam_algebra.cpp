// Algebra told in words and symbols: substitution, simplifying, expanding and factorising,
// equations of several kinds, sequences, formulae, inequalities and word problems. Balances,
// patterns, figures, tables and number lines are in fam_algebra_pictures.cpp.

#include "drawing.h"
#include "families.h"

#include <algorithm>

namespace {

// "a + 3", "a &minus; 3"
std::string plusOrMinus(int v) {
    return v < 0 ? " &minus; " + S(-v) : " + " + S(v);
}

Question evaluate(Rng& r, const std::string& k) {
    int a, b, v, ans;
    bool minus;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(1, 30);
        v = r.range(2, 12);
        minus = r.chance(40) && a * v > b;
        ans = a * v + (minus ? -b : b);
        wrong = {Frac(a * 10 + v + (minus ? -b : b)) /* 3n with n = 5 read as 35 */,
                 Frac(a + v + (minus ? -b : b)) /* added a and n */,
                 Frac(a * (v + (minus ? -b : b))) /* the number multiplied after it was added */};
    } while (!enoughWrong(ans, wrong));
    QB q("alg_eval", 1);
    q.param("a", a).param("b", minus ? -b : b).param("n", v);
    q.p("Find the value of <b>" + S(a) + "n " + (minus ? "&minus; " : "+ ") + S(b) +
        "</b> when <b>n = " + S(v) + "</b>.");
    return answerNumber(q, r, k[0], ans, "", wrong).done();
}

Question solveLinear(Rng& r, const std::string& k) {
    int a, x, b, c;
    bool minus;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 9);
        x = r.range(2, 15);
        b = r.range(1, 40);
        minus = r.chance(40) && a * x > b;
        c = a * x + (minus ? -b : b);
        const int bb = minus ? -b : b;
        wrong = {Frac(c - bb) /* forgot to divide */, Frac(c + bb, a) /* b moved with its sign */,
                 Frac(c, a) - Frac(bb) /* divided before taking b away */};
    } while (!enoughWrong(x, wrong));
    QB q("alg_solve", 2);
    q.param("a", a).param("b", minus ? -b : b).param("c", c);
    q.p("Solve the equation <b>" + S(a) + "x " + (minus ? "&minus; " : "+ ") + S(b) + " = " + S(c) +
        "</b>.");
    q.p("What is the value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question numberMachine(Rng& r, const std::string& k) {
    int m, add, in, outv;
    bool subtract;
    std::vector<Frac> wrong;
    do {
        m = r.range(2, 9);
        add = r.range(1, 25);
        in = r.range(2, 20);
        subtract = r.chance(40) && in * m > add;
        const int signedAdd = subtract ? -add : add;
        outv = in * m + signedAdd;
        wrong = {Frac(outv * m + signedAdd) /* ran the machine forwards */,
                 Frac(outv, m) - Frac(signedAdd) /* undid the steps in the wrong order */,
                 Frac(outv - signedAdd) /* forgot to undo the multiplying */};
    } while (!enoughWrong(in, wrong));
    QB q("number_machine", 2);
    q.param("m", m).param("add", subtract ? -add : add).param("out", outv);
    q.p("A number machine multiplies a number by " + S(m) + " and then " +
        (subtract ? "subtracts " : "adds ") + S(add) + ".");
    q.p("The output is <b>" + S(outv) + "</b>. What was the input?");
    return answerNumber(q, r, k[0], in, "", wrong).done();
}

Question sequenceTerm(Rng& r, const std::string& k) {
    int first, step, n;
    std::vector<Frac> wrong;
    do {
        first = r.range(1, 20);
        step = r.range(2, 9);
        n = r.range(10, 30);
        wrong = {Frac(first + n * step) /* n steps instead of n - 1 */,
                 Frac(n * step) /* the start left out */,
                 Frac((n - 1) * step) /* only the steps added */};
    } while (!enoughWrong(first + (n - 1) * step, wrong));
    QB q("sequence_term", 2);
    q.param("first", first).param("step", step).param("n", n);
    q.p("The sequence goes up by the same amount each time: <b>" + S(first) + ", " +
        S(first + step) + ", " + S(first + 2 * step) + ", " + S(first + 3 * step) + ", ...</b>");
    q.p("What is term number " + S(n) + " of the sequence?");
    return answerNumber(q, r, k[0], first + (n - 1) * step, "", wrong).done();
}

Question ageProblem(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int age, times, later;
    std::vector<Frac> wrong;
    do {
        age = r.range(6, 12);
        times = r.range(3, 5);
        later = r.range(2, 10);
        wrong = {Frac(age * (times + 1) + later) /* added the years once only */,
                 Frac(age * times + later) /* the grandmother's age only */,
                 Frac(age * (times + 1)) /* their ages now */};
    } while (!enoughWrong(age * (times + 1) + 2 * later, wrong));
    QB q("age_problem", 3);
    q.param("age", age).param("times", times).param("later", later).param("who", who);
    q.p(who + " is " + S(age) + " years old. " + who + "'s grandmother is " + S(times) +
        " times as old as " + who + ".");
    q.p("What will the sum of their ages be in " + S(later) + " years' time?");
    const int ans = age * (times + 1) + 2 * later;
    return answerNumber(q, r, k[0], ans, "years", wrong).done();
}

Question perimeterAlgebra(Rng& r, const std::string& k) {
    int x, a;
    std::vector<Frac> wrong;
    do {
        x = r.range(3, 20);
        a = r.range(2, 12);
        wrong = {Frac(x + a) /* the length */, Frac(2 * (2 * x + a), 4) /* a square */,
                 Frac(2 * x) /* halved once only */};
    } while (!enoughWrong(x, wrong));
    QB q("perimeter_algebra", 2);
    q.param("a", a).param("p", 2 * (2 * x + a));
    q.p("A rectangle has length <b>(x + " + S(a) +
        ") cm</b> and width <b>x cm</b>. Its perimeter "
        "is " +
        qty(2 * (2 * x + a), "cm") + ".");
    q.p("What is the value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
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

// The twelve-mark question of the course is one of these; its wording stays as it was written.
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

Question twoVariable(Rng& r, const std::string& k) {
    int a, b, c;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(2, 9);
        c = r.range(2, 6);
        wrong = {Frac(2 * a + c * b) /* a squared taken as 2a */,
                 Frac(a * a + c + b) /* cb taken as c + b */,
                 Frac((a * a + c) * b) /* multiplied everything by b */};
    } while (!enoughWrong(a * a + c * b, wrong));
    QB q("two_variable", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("Find the value of <b>a&sup2; + " + S(c) + "b</b> when <b>a = " + S(a) +
        "</b> and <b>b = " + S(b) + "</b>.");
    return answerNumber(q, r, k[0], a * a + c * b, "", wrong).done();
}

Question formulaCost(Rng& r, const std::string& k) {
    const bool inverse = r.chance(50);
    int per, fixed, h;
    std::vector<Frac> wrong;
    do {
        per = r.range(3, 12);
        fixed = r.range(2, 20);
        h = r.range(2, 9);
        const int cost = per * h + fixed;
        wrong = inverse
                    ? std::vector<Frac>{Frac(cost, per) /* the fixed charge left in */,
                                        Frac(cost + fixed, per) /* the fixed charge added */,
                                        Frac(cost - fixed) /* forgot to divide */}
                    : std::vector<Frac>{Frac(per * (h + fixed)) /* brackets that are not there */,
                                        Frac(per + h + fixed) /* added */,
                                        Frac(per * h) /* the fixed charge left out */};
    } while (!enoughWrong(inverse ? h : per * h + fixed, wrong));
    QB q("formula_cost", 2);
    q.param("per", per)
        .param("fixed", fixed)
        .param(inverse ? "cost" : "h", inverse ? per * h + fixed : h);
    q.p("The cost, <i>C</i> dollars, of hiring a canoe for <i>h</i> hours is given by the formula "
        "<b>C = " +
        S(per) + "h + " + S(fixed) + "</b>.");
    if (inverse) {
        const std::string who = r.pick(names());
        q.p(who + " paid " + money(per * h + fixed) + ". For how many hours did " + who +
            " hire the canoe?");
        return answerNumber(q, r, k[0], h, "hours", wrong).done();
    }
    q.p("Find the cost of hiring the canoe for " + S(h) + " hours.");
    return answerNumber(q, r, k[0], per * h + fixed, "dollars", wrong).done();
}

// ---- Expressions ----

Question simplifyCollect(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int p = r.range(3, 9), t = r.range(1, p - 1);  // p a ... minus t a
        const int q1 = r.range(1, 8), s = r.range(1, 8);     // q b ... plus s b
        const std::string shownExpr = term(p, "a") + " + " + term(q1, "b") + " &minus; " +
                                      term(t, "a") + " + " + term(s, "b");
        const std::string right = term(p - t, "a") + " + " + term(q1 + s, "b");
        const std::vector<std::string> wrong = {
            term(p + t, "a") + " + " + term(q1 + s, "b"),  // the minus sign lost
            term(p - t, "a") + " + " + term(q1 * s, "b"),  // multiplied the b terms
            term(p - t + q1 + s, "ab")};                   // unlike terms added together
        std::vector<std::string> all = wrong;
        all.push_back(right);
        std::sort(all.begin(), all.end());
        if (std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("simplify_collect", 2);
        q.param("p", p).param("q", q1).param("t", t).param("s", s);
        q.p("Simplify <b>" + shownExpr + "</b>.");
        return q.choice(r, right, wrong).done();
    }
}

Question expandBrackets(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int m = r.range(2, 9), a = r.range(2, 6), b = r.range(1, 9);
        const std::string right = term(m * a, "x") + " + " + S(m * b);
        const std::vector<std::string> wrong = {
            term(m * a, "x") + " + " + S(b),       // only the first term multiplied
            term(a, "x") + " + " + S(m * b),       // only the second term multiplied
            term(m + a, "x") + " + " + S(m + b)};  // added instead of multiplied
        std::vector<std::string> all = wrong;
        all.push_back(right);
        std::sort(all.begin(), all.end());
        if (std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("expand", 2);
        q.param("m", m).param("a", a).param("b", b);
        q.p("Expand <b>" + S(m) + "(" + term(a, "x") + " + " + S(b) + ")</b>.");
        return q.choice(r, right, wrong).done();
    }
}

Question factorise(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int g = pickInt(r, {4, 6, 8, 9, 10, 12});  // the highest common factor
        int a, b;
        do {
            a = r.range(1, 5);
            b = r.range(1, 7);
        } while (gcdInt(a, b) != 1);
        int f = 0;  // a smaller common factor
        do f = r.range(2, g - 1);
        while (g % f);
        const std::string right = S(g) + "(" + term(a, "x") + " + " + S(b) + ")";
        const std::vector<std::string> wrong = {
            S(g) + "(" + term(a, "x") + " + " + S(g * b) + ")",  // only the first term divided
            S(f) + "(" + term(a * g / f, "x") + " + " + S(b * g / f) + ")",  // not fully
            S(g * a) + "(x + " + S(b) + ")"};  // the whole first coefficient taken out
        std::vector<std::string> all = wrong;
        all.push_back(right);
        std::sort(all.begin(), all.end());
        if (std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("factorise", 2);
        q.param("a", g * a).param("b", g * b);
        q.p("Factorise <b>" + term(g * a, "x") + " + " + S(g * b) + "</b> fully.");
        return q.choice(r, right, wrong).done();
    }
}

Question writeExpression(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    for (;;) {
        const int times = r.range(2, 5), more = r.range(1, 9);
        const std::string right = S(times) + "n + " + S(more);
        const std::vector<std::string> wrong = {
            S(more) + "n + " + S(times),         // the numbers swapped
            S(times) + "(n + " + S(more) + ")",  // added before multiplying
            "n + " + S(times + more)};           // added both numbers
        if (times == more) continue;
        QB q("write_expression", 2);
        q.param("times", times).param("more", more);
        q.p(x + " has <i>n</i> stickers. " + y + " has " + S(more) + " more than " +
            (times == 2 ? "twice" : S(times) + " times") + " as many stickers as " + x + ".");
        q.p("Which expression gives the number of stickers " + y + " has?");
        return q.choice(r, right, wrong).done();
    }
}

Question nthTermRule(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        const int step = r.range(2, 9), start = r.range(1, 12);  // term n = step n + (start - step)
        const int c = start - step;
        if (c <= 0) continue;
        const std::string right = S(step) + "n + " + S(c);
        const std::vector<std::string> wrong = {
            "n + " + S(step),             // the step added to n
            S(step) + "n + " + S(start),  // the first term added
            S(c) + "n + " + S(step)};     // the numbers swapped
        std::vector<std::string> all = wrong;
        all.push_back(right);
        std::sort(all.begin(), all.end());
        if (std::adjacent_find(all.begin(), all.end()) != all.end()) continue;
        QB q("nth_term_rule", 2);
        q.param("first", start).param("step", step);
        q.p("Which expression gives the <i>n</i>th term of the sequence <b>" + S(start) + ", " +
            S(start + step) + ", " + S(start + 2 * step) + ", " + S(start + 3 * step) +
            ", ...</b>?");
        return q.choice(r, right, wrong).done();
    }
}

Question evalBrackets(Rng& r, const std::string& k) {
    int m, a, n;
    std::vector<Frac> wrong;
    do {
        m = r.range(2, 9);
        a = r.range(1, 12);
        n = r.range(2, 12);
        wrong = {Frac(m * n + a) /* the bracket left out */, Frac(m + n + a) /* all added */,
                 Frac(m * n * a) /* all multiplied */};
    } while (!enoughWrong(m * (n + a), wrong));
    QB q("eval_brackets", 1);
    q.param("m", m).param("a", a).param("n", n);
    q.p("Find the value of <b>" + S(m) + "(n + " + S(a) + ")</b> when <b>n = " + S(n) + "</b>.");
    return answerNumber(q, r, k[0], m * (n + a), "", wrong).done();
}

Question powersEval(Rng& r, const std::string& k) {
    int n, c;
    std::vector<Frac> wrong;
    do {
        n = r.range(2, 6);
        c = r.range(1, 9);
        wrong = {Frac(3 * n + c) /* n cubed taken as 3n */,
                 Frac(n * n + c) /* squared, not cubed */,
                 Frac(n * n * n) /* the number added left out */};
    } while (!enoughWrong(n * n * n + c, wrong));
    QB q("powers_eval", 2);
    q.param("n", n).param("c", c);
    q.p("Find the value of <b>n&sup3; + " + S(c) + "</b> when <b>n = " + S(n) + "</b>.");
    return answerNumber(q, r, k[0], n * n * n + c, "", wrong).done();
}

Question fractionExpression(Rng& r, const std::string& k) {
    int a, b, c;
    std::vector<Frac> wrong;
    do {
        c = r.range(2, 9);
        a = r.range(2, 30);
        b = r.range(2, 30);
        wrong = {Frac(a) + Frac(b, c) /* divided b only */, Frac((a + b) * c) /* multiplied */,
                 Frac(a + b) /* did not divide */};
    } while ((a + b) % c || a == b || !enoughWrong((a + b) / c, wrong));
    QB q("fraction_expression", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("Find the value of <b>(a + b) &divide; c</b> when <b>a = " + S(a) + "</b>, <b>b = " + S(b) +
        "</b> and <b>c = " + S(c) + "</b>.");
    return answerNumber(q, r, k[0], (a + b) / c, "", wrong).done();
}

Question formulaSubstitute(Rng& r, const std::string& k) {
    int u, a, t;
    std::vector<Frac> wrong;
    do {
        u = r.range(2, 20);
        a = r.range(2, 9);
        t = r.range(2, 10);
        wrong = {Frac((u + a) * t) /* added before multiplying */, Frac(u + a + t) /* all added */,
                 Frac(a * t) /* u left out */};
    } while (!enoughWrong(u + a * t, wrong));
    QB q("formula_substitute", 1);
    q.param("u", u).param("a", a).param("t", t);
    q.p("The speed of a toy car, <i>v</i> centimetres per second, after <i>t</i> seconds is "
        "given by <b>v = u + at</b>.");
    q.p("Find <i>v</i> when <b>u = " + S(u) + "</b>, <b>a = " + S(a) + "</b> and <b>t = " + S(t) +
        "</b>.");
    return answerNumber(q, r, k[0], u + a * t, "", wrong).done();
}

Question tempFormula(Rng& r, const std::string& k) {
    const bool toF = r.chance(60);
    int c = 0;
    do c = r.range(1, 8) * 5;  // 5 to 40 degrees Celsius
    while (c == 10);           // where the rough rule happens to be exact
    const int f = c * 9 / 5 + 32;
    QB q("temp_formula", 2);
    q.param("c", c).param("to", toF ? "F" : "C");
    q.p("To change a temperature from degrees Celsius (<i>C</i>) to degrees Fahrenheit (<i>F</i>) "
        "you can use the formula <b>F = 9C &divide; 5 + 32</b>.");
    if (toF) {
        q.p("What is " + S(c) + " degrees Celsius in degrees Fahrenheit?");
        return answerNumber(q, r, k[0], f, "",
                            {Frac(9 * c, 5) /* the 32 left out */,
                             Frac((c + 32) * 9, 5) /* added 32 first */,
                             Frac(2 * c + 30) /* the rough rule, double and add 30 */})
            .done();
    }
    q.p("What is " + S(f) + " degrees Fahrenheit in degrees Celsius?");
    return answerNumber(q, r, k[0], c, "",
                        {Frac(f - 30, 2) /* the rough rule backwards */,
                         Frac(f - 32) /* forgot to divide by 9 and multiply by 5 */,
                         Frac((f - 32) * 9, 5) /* multiplied by 9/5 again */})
        .done();
}

// ---- Equations ----

Question solveBrackets(Rng& r, const std::string& k) {
    int m, a, x;
    bool minus;
    std::vector<Frac> wrong;
    do {
        m = r.range(2, 9);
        a = r.range(1, 9);
        x = r.range(2, 15);
        minus = r.chance(50) && x > a;
        const int rhs = m * (x + (minus ? -a : a));
        wrong = {Frac(rhs, m) /* divided and stopped */,
                 Frac(rhs, m) + Frac(minus ? -a : a) /* moved the number with its sign */,
                 Frac(rhs - (minus ? -a : a), m) /* took the number away before dividing */};
    } while (!enoughWrong(x, wrong));
    const int rhs = m * (x + (minus ? -a : a));
    QB q("solve_brackets", 2);
    q.param("m", m).param("a", minus ? -a : a).param("rhs", rhs);
    q.p("Solve <b>" + S(m) + "(x" + plusOrMinus(minus ? -a : a) + ") = " + S(rhs) + "</b>.");
    q.p("What is the value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question solveBothSides(Rng& r, const std::string& k) {
    int a, b, c, d, x;
    std::vector<Frac> wrong;
    do {
        a = r.range(3, 9);
        c = r.range(1, a - 1);
        x = r.range(2, 12);
        b = r.range(1, 20);
        d = (a - c) * x + b;
        wrong = {Frac(d + b, a - c) /* b moved across with its sign */,
                 Frac(d - b, a + c) /* the x terms added */, Frac(d - b, a) /* cx left out */};
    } while (!enoughWrong(x, wrong));
    QB q("solve_both_sides", 3);
    q.param("a", a).param("b", b).param("c", c).param("d", d);
    q.p("Solve <b>" + term(a, "x") + " + " + S(b) + " = " + term(c, "x") + " + " + S(d) + "</b>.");
    q.p("What is the value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question solveDivide(Rng& r, const std::string& k) {
    int d, b, x;
    std::vector<Frac> wrong;
    do {
        d = r.range(2, 8);
        x = d * r.range(2, 12);
        b = r.range(1, 15);
        const int c = x / d + b;
        wrong = {Frac(c - b, d) /* divided instead of multiplied */,
                 Frac(c * d - b) /* multiplied before taking b away */,
                 Frac((c + b) * d) /* b moved with its sign */};
    } while (!enoughWrong(x, wrong));
    QB q("solve_divide", 2);
    q.param("d", d).param("b", b).param("c", x / d + b);
    q.p("Solve <b>x &divide; " + S(d) + " + " + S(b) + " = " + S(x / d + b) + "</b>.");
    q.p("What is the value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question solveMistake(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int a, b, x;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(1, 20);
        x = r.range(2, 12);
        wrong = {Frac(a * x + 2 * b, a) /* the mistaken answer */,
                 Frac(a * x + b) /* forgot to divide */,
                 Frac(a * x, a) + Frac(b) /* added b back */};
    } while ((a * x + 2 * b) % a || !enoughWrong(x, wrong));
    const int c = a * x + b;
    QB q("solve_mistake", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p(who + " solved <b>" + S(a) + "x + " + S(b) + " = " + S(c) + "</b> like this:");
    q.raw("<p>" + S(a) + "x = " + S(c + b) + "<br>x = " + S((c + b) / a) + "</p>");
    q.p(who + " made a mistake. What is the correct value of <i>x</i>?");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question inequalityLargest(Rng& r, const std::string& k) {
    int a, b, c, ans;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(1, 20);
        c = r.range(b + a + 1, 80);
        ans = (c - b - 1) / a;  // a n + b < c
        wrong = {Frac(ans + 1) /* the first number that does not work */,
                 Frac(c, a) /* b left out */, Frac(c - b) /* did not divide */};
    } while ((c - b) % a == 0 || ans < 1 || !enoughWrong(ans, wrong));
    QB q("inequality_largest", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("What is the largest whole number <i>n</i> for which <b>" + S(a) + "n + " + S(b) +
        " &lt; " + S(c) + "</b>?");
    return answerNumber(q, r, k[0], ans, "", wrong).done();
}

Question consecutiveSum(Rng& r, const std::string& k) {
    const int count = r.range(3, 4);
    const int first = r.range(5, 60);
    const int sum = count * first + count * (count - 1) / 2;
    QB q("consecutive_sum", 2);
    q.param("count", count).param("sum", sum);
    q.p(std::string(count == 3 ? "Three" : "Four") + " consecutive whole numbers add up to <b>" +
        S(sum) + "</b>. What is the largest of them?");
    return answerNumber(q, r, k[0], first + count - 1, "",
                        {Frac(first) /* the smallest */, Frac(sum, count) /* the mean */,
                         Frac(first + count) /* one too far */})
        .done();
}

Question sumDifference(Rng& r, const std::string& k) {
    int big, small;
    std::vector<Frac> wrong;
    do {
        big = r.range(10, 60);
        small = r.range(2, big - 2);
        wrong = {Frac(small) /* the smaller number */, Frac(big + small, 2) /* half the sum */,
                 Frac(big + small - (big - small)) /* the sum less the difference, not halved */};
    } while (!enoughWrong(big, wrong));
    QB q("sum_difference", 2);
    q.param("sum", big + small).param("diff", big - small);
    q.p("Two numbers add up to <b>" + S(big + small) + "</b>. One is <b>" + S(big - small) +
        "</b> more than the other. What is the larger number?");
    return answerNumber(q, r, k[0], big, "", wrong).done();
}

Question ageEquation(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int p, q1, m, x;
    std::vector<Frac> wrong;
    do {
        m = r.range(2, 3);
        p = r.range(2, 10);
        q1 = r.range(2, 10);
        x = (p + m * q1) / (m - 1);
        wrong = {Frac(p + q1) /* added the two numbers of years */, Frac(x - q1) /* the age then */,
                 Frac(x + p) /* the age to come */};
    } while ((p + m * q1) % (m - 1) || x > 60 || !enoughWrong(x, wrong));
    QB q("age_equation", 3);
    q.param("p", p).param("q", q1).param("m", m);
    q.p("In " + S(p) + " years' time " + who + " will be " + (m == 2 ? "twice" : "three times") +
        " as old as " + who + " was " + S(q1) + " years ago.");
    q.p("How old is " + who + " now?");
    return answerNumber(q, r, k[0], x, "years", wrong).done();
}

Question pensAndRulers(Rng& r, const std::string& k) {
    int pen, ruler, n;
    std::vector<Frac> wrong;
    do {
        pen = r.range(8, 30) * 10;  // cents
        ruler = r.range(5, 25) * 10;
        n = r.range(2, 4);
        const Frac big(n * pen + ruler, 100), small(pen + ruler, 100);
        wrong = {big / Frac(n) /* the ruler shared out too */, Frac(ruler, 100) /* the ruler */,
                 big - small /* the difference, not shared between the extra pens */};
    } while (pen == ruler || !enoughWrong(Frac(pen, 100), wrong, true));
    QB q("pens_and_rulers", 3);
    q.param("n", n)
        .paramDec("big", Frac(n * pen + ruler, 100))
        .paramDec("small", Frac(pen + ruler, 100));
    q.p(capitalised(numberWords(n)) + " pens and a ruler cost " +
        money(Frac(n * pen + ruler, 100)) + ". One pen and a ruler cost " +
        money(Frac(pen + ruler, 100)) + ".");
    q.p("How much does one pen cost?");
    return answerNumber(q, r, k[0], Frac(pen, 100), "dollars", wrong).done();
}

Question coinsEquation(Rng& r, const std::string& k) {
    int times, n;
    std::vector<Frac> wrong;
    do {
        times = r.range(2, 4);
        n = r.range(2, 12);
        const int cents = n * 50 + times * n * 20;
        wrong = {Frac(cents, 70) /* the two coins taken as one of each */,
                 Frac(times * n) /* the 20-cent coins */, Frac(cents, 50) /* all 50-cent coins */};
    } while (!enoughWrong(n, wrong));
    const int cents = n * 50 + times * n * 20;
    QB q("coins_equation", 3);
    q.param("times", times).paramDec("value", Frac(cents, 100));
    q.p("A purse holds only 20-cent and 50-cent coins. There are " +
        (times == 2 ? std::string("twice") : S(times) + " times") +
        " as many 20-cent coins as 50-cent coins, and the coins are worth " +
        money(Frac(cents, 100)) + " altogether.");
    q.p("How many 50-cent coins are in the purse?");
    return answerNumber(q, r, k[0], n, "coins", wrong).done();
}

Question squareMistake(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    const int a = r.range(2, 5);
    const int n = r.range(2, 6);
    const bool firstRight = r.chance(50);
    const int right = a * n * n;
    const int wrongValue = a * a * n * n;  // squared a as well: (an) squared
    QB q("square_mistake", 2);
    q.param("a", a).param("n", n).param("x", x).param("y", y).param(
        "xsays", firstRight ? right : wrongValue);
    q.p(x + " and " + y + " work out <b>" + S(a) + "n&sup2;</b> when <b>n = " + S(n) + "</b>.");
    q.p(x + " says it is " + S(firstRight ? right : wrongValue) + ". " + y + " says it is " +
        S(firstRight ? wrongValue : right) + ".");
    q.p("Who is right?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', firstRight ? x : y).done();
}

Question cookingTime(Rng& r, const std::string& k) {
    const std::string style = r.pick(timeStyles());
    const int perKg = pickInt(r, {30, 40, 45});
    const int extra = pickInt(r, {15, 20, 25, 30});
    int halves, ready;
    do {
        halves = r.range(4, 12);                    // 2 to 6 kg
        ready = r.range(12 * 12 + 6, 20 * 12) * 5;  // ready in the afternoon or evening
    } while ((perKg * halves) % 2 || ready - perKg * halves / 2 - extra <= 12 * 60 ||
             !clearOfNoonAndMidnight(ready - perKg * halves / 2 - extra));
    const int mins = perKg * halves / 2 + extra;
    QB q("cooking_time", 2);
    q.param("perkg", perKg).param("extra", extra).paramDec("kg", Frac(halves, 2));
    q.p("A recipe says a turkey needs " + qty(perKg, "minutes") + " for each kilogram, plus " +
        qty(extra, "minutes") + ". The turkey weighs " + qty(Frac(halves, 2), "kg") + ".");
    if (k == "T") {
        q.param("ready", hhmm(ready)).param("style", style);
        q.p("It must be ready at " + clock12(ready, style) +
            ". At what time must it go into the oven?");
        q.note(timeNote(style, ready - mins));
        q.answer();
        return q.part('T', clock12(ready - mins, style)).done();
    }
    q.p("How many minutes does it need?");
    return answerNumber(q, r, k[0], mins, "minutes",
                        {Frac(perKg * halves / 2) /* the extra minutes left out */,
                         Frac((perKg + extra) * halves, 2) /* the extra added for every kilogram */,
                         Frac(perKg + extra) /* one kilogram only */})
        .done();
}

Question nthTermFormula(Rng& r, const std::string& k) {
    int a, b, n;
    bool minus;
    std::vector<Frac> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(1, 9);
        n = r.range(8, 30);
        minus = r.chance(50) && a > b;
        const int bb = minus ? -b : b;
        wrong = {Frac(a * n) /* the number added left out */, Frac(a + n + bb) /* added a and n */,
                 Frac(a * (n + bb)) /* brackets that are not there */};
    } while (!enoughWrong(a * n + (minus ? -b : b), wrong));
    QB q("nth_term_formula", 1);
    q.param("a", a).param("b", minus ? -b : b).param("n", n);
    q.p("The <i>n</i>th term of a sequence is <b>" + S(a) + "n" + plusOrMinus(minus ? -b : b) +
        "</b>. What is term number " + S(n) + "?");
    return answerNumber(q, r, k[0], a * n + (minus ? -b : b), "", wrong).done();
}

Question sequencePosition(Rng& r, const std::string& k) {
    int first, step, n;
    std::vector<Frac> wrong;
    do {
        first = r.range(1, 20);
        step = r.range(2, 9);
        n = r.range(10, 40);
        const int value = first + (n - 1) * step;
        wrong = {Frac(n - 1) /* the steps, not the position */, Frac(value, step) /* divided */,
                 Frac(value - first) /* did not divide by the step */};
    } while (!enoughWrong(n, wrong));
    const int value = first + (n - 1) * step;
    QB q("sequence_position", 2);
    q.param("first", first).param("step", step).param("value", value);
    q.p("The sequence <b>" + S(first) + ", " + S(first + step) + ", " + S(first + 2 * step) + ", " +
        S(first + 3 * step) + ", ...</b> goes up by the same amount each time.");
    q.p("Which term of the sequence is " + S(value) + "?");
    return answerNumber(q, r, k[0], n, "", wrong).done();
}

}  // namespace

void addAlgebra(std::vector<Family>& out) {
    out.push_back({"alg_eval", 10, {"N", "Q"}, evaluate});
    out.push_back({"alg_solve", 10, {"N", "Q"}, solveLinear});
    out.push_back({"number_machine", 10, {"N", "Q"}, numberMachine});
    out.push_back({"sequence_term", 10, {"N", "Q"}, sequenceTerm});
    out.push_back({"age_problem", 10, {"N", "Q"}, ageProblem});
    out.push_back({"perimeter_algebra", 10, {"N", "Q"}, perimeterAlgebra});
    out.push_back({"bigger_number", 10, {"T"}, biggerNumber});
    out.push_back({"alg_puzzle", 10, {"N"}, puzzle});
    out.push_back({"two_variable", 10, {"N", "Q"}, twoVariable});
    out.push_back({"formula_cost", 10, {"N", "Q"}, formulaCost});
    out.push_back({"simplify_collect", 10, {"Q"}, simplifyCollect});
    out.push_back({"expand", 10, {"Q"}, expandBrackets});
    out.push_back({"factorise", 10, {"Q"}, factorise});
    out.push_back({"write_expression", 10, {"Q"}, writeExpression});
    out.push_back({"nth_term_rule", 10, {"Q"}, nthTermRule});
    out.push_back({"eval_brackets", 10, {"N", "Q"}, evalBrackets});
    out.push_back({"powers_eval", 10, {"N", "Q"}, powersEval});
    out.push_back({"fraction_expression", 10, {"N", "Q"}, fractionExpression});
    out.push_back({"formula_substitute", 10, {"N", "Q"}, formulaSubstitute});
    out.push_back({"temp_formula", 10, {"N", "Q"}, tempFormula});
    out.push_back({"solve_brackets", 10, {"N", "Q"}, solveBrackets});
    out.push_back({"solve_both_sides", 10, {"N", "Q"}, solveBothSides});
    out.push_back({"solve_divide", 10, {"N", "Q"}, solveDivide});
    out.push_back({"solve_mistake", 10, {"N", "Q"}, solveMistake});
    out.push_back({"inequality_largest", 10, {"N", "Q"}, inequalityLargest});
    out.push_back({"consecutive_sum", 10, {"N", "Q"}, consecutiveSum});
    out.push_back({"sum_difference", 10, {"N", "Q"}, sumDifference});
    out.push_back({"age_equation", 10, {"N", "Q"}, ageEquation});
    out.push_back({"pens_and_rulers", 10, {"N", "Q"}, pensAndRulers});
    out.push_back({"coins_equation", 10, {"N", "Q"}, coinsEquation});
    out.push_back({"square_mistake", 10, {"T"}, squareMistake});
    out.push_back({"cooking_time", 10, {"N", "T"}, cookingTime});
    out.push_back({"nth_term_formula", 10, {"N", "Q"}, nthTermFormula});
    out.push_back({"sequence_position", 10, {"N", "Q"}, sequencePosition});
    addAlgebraPictures(out);
}
