// Algebra told in words and symbols: substituting into expressions and formulae, equations solved
// by undoing each step, number puzzles and word problems, patterns continued by a rule. Balances,
// matchsticks, shapes, figures and tables are in fam_algebra_pictures.cpp.

#include "algebra_steps.h"
#include "drawing.h"
#include "families.h"

#include <algorithm>

namespace {

using algebra::signedText;
using algebra::undoStep;

std::string withSign(int v) {
    return algebra::signedPart(v);
}

// "a + 3", "a &minus; 3"
std::string plusOrMinus(int v) {
    return v < 0 ? " &minus; " + S(-v) : " + " + S(v);
}

Question evaluate(Rng& r, const std::string& k) {
    int a, b, v, ans;
    bool minus;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(1, 30);
        v = r.range(2, 12);
        minus = r.chance(40) && a * v > b;
        ans = a * v + (minus ? -b : b);
        wrong = {{Frac(a * 10 + v + (minus ? -b : b)),
                  "reads " + S(a) + "n with n = " + S(v) + " as the number " + S(a) + S(v)},
                 {Frac(a + v + (minus ? -b : b)), "adds " + S(a) + " and n instead of multiplying"},
                 {Frac(a * (v + (minus ? -b : b))), "works out the " + std::string(minus ? "&minus; " : "+ ") + S(b) +
                                                        " before multiplying"}};
    } while (!enoughWrong(ans, wrong));
    QB q("alg_eval", 1);
    q.param("a", a).param("b", minus ? -b : b).param("n", v);
    q.p("Find the value of <b>" + S(a) + "n " + (minus ? "&minus; " : "+ ") + S(b) +
        "</b> when <b>n = " + S(v) + "</b>.");
    say(q, S(a) + "n means " + S(a) + " &times; n. Multiply first, then " +
           (minus ? "take away." : "add."));
    say(q, S(a) + " &times; " + S(v) + withSign(minus ? -b : b) + " = " + S(a * v) +
           withSign(minus ? -b : b) + " = " + S(ans) + ".");
    return answerNumber(q, r, k[0], ans, "", wrong).done();
}

Question solveLinear(Rng& r, const std::string& k) {
    int a, x, b, c;
    bool minus;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 9);
        x = r.range(2, 15);
        b = r.range(1, 40);
        minus = r.chance(40) && a * x > b;
        c = a * x + (minus ? -b : b);
        const int bb = minus ? -b : b;
        wrong = {{Frac(c - bb), "undoes the " + signedText(bb) + " but forgets to divide by " + S(a)},
                 {Frac(c + bb, a), std::string(minus ? "takes " : "adds ") + S(b) + " instead of " +
                                       (minus ? "adding it" : "taking it away")},
                 {Frac(c, a) - Frac(bb), "divides by " + S(a) + " before undoing the " +
                                             signedText(bb)}};
    } while (!enoughWrong(x, wrong));
    QB q("alg_solve", 2);
    q.param("a", a).param("b", minus ? -b : b).param("c", c);
    q.p("Solve the equation <b>" + S(a) + "x " + (minus ? "&minus; " : "+ ") + S(b) + " = " + S(c) +
        "</b>.");
    q.p("What is the value of <i>x</i>?");
    const int bb = minus ? -b : b;
    say(q, undoStep(bb, c, S(a) + "x"));
    say(q, "Undo the &times; " + S(a) + ": divide both sides by " + S(a) + ": x = " + S(a * x) +
           " &divide; " + S(a) + " = " + S(x) + ".");
    say(q, "Check: " + S(a) + " &times; " + S(x) + withSign(bb) + " = " + S(c) + ".");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question numberMachine(Rng& r, const std::string& k) {
    int m, add, in, outv;
    bool subtract;
    std::vector<Slip> wrong;
    do {
        m = r.range(2, 9);
        add = r.range(1, 25);
        in = r.range(2, 20);
        subtract = r.chance(40) && in * m > add;
        const int signedAdd = subtract ? -add : add;
        outv = in * m + signedAdd;
        wrong = {{Frac(outv * m + signedAdd), "runs the machine forwards on the output"},
                 {Frac(outv, m) - Frac(signedAdd), "undoes the two steps in the wrong order"},
                 {Frac(outv - signedAdd), "forgets to undo the multiplying"}};
    } while (!enoughWrong(in, wrong));
    QB q("number_machine", 2);
    q.param("m", m).param("add", subtract ? -add : add).param("out", outv);
    q.p("A number machine multiplies a number by " + S(m) + " and then " +
        (subtract ? "subtracts " : "adds ") + S(add) + ".");
    q.p("The output is <b>" + S(outv) + "</b>. What was the input?");
    say(q, "Work backwards from the output, undoing the last step first.");
    say(q, std::string("Undo ") + (subtract ? "subtracting " : "adding ") + S(add) + ": " +
           S(outv) + (subtract ? " + " : " &minus; ") + S(add) + " = " + S(in * m) + ".");
    say(q, "Undo multiplying by " + S(m) + ": " + S(in * m) + " &divide; " + S(m) + " = " + S(in) +
           ".");
    return answerNumber(q, r, k[0], in, "", wrong).done();
}

Question sequenceTerm(Rng& r, const std::string& k) {
    int first, step, n;
    std::vector<Slip> wrong;
    do {
        first = r.range(1, 20);
        step = r.range(2, 9);
        n = r.range(10, 30);
        wrong = {{Frac(first + n * step), "counts " + S(n) + " steps instead of " + S(n - 1)},
                 {Frac(n * step), "multiplies the term number by " + S(step) + " and stops there"},
                 {Frac((n - 1) * step), "finds the steps but forgets to start from the first "
                                        "term"}};
    } while (!enoughWrong(first + (n - 1) * step, wrong));
    QB q("sequence_term", 2);
    q.param("first", first).param("step", step).param("n", n);
    q.p("The sequence goes up by the same amount each time: <b>" + S(first) + ", " +
        S(first + step) + ", " + S(first + 2 * step) + ", " + S(first + 3 * step) + ", ...</b>");
    q.p("What is term number " + S(n) + " of the sequence?");
    say(q, "The sequence goes up by " + S(first + step) + " &minus; " + S(first) + " = " + S(step) +
           " each time.");
    say(q, "From term 1 to term " + S(n) + " there are " + S(n) + " &minus; 1 = " + S(n - 1) +
           " steps: " + S(n - 1) + " &times; " + S(step) + " = " + S((n - 1) * step) + ".");
    say(q, "Term " + S(n) + " is the first term and those steps: " + S(first) + " + " +
           S((n - 1) * step) + " = " + S(first + (n - 1) * step) + ".");
    return answerNumber(q, r, k[0], first + (n - 1) * step, "", wrong).done();
}

Question ageProblem(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int age, times, later;
    std::vector<Slip> wrong;
    do {
        age = r.range(6, 12);
        times = r.range(3, 5);
        later = r.range(2, 10);
        wrong = {{Frac(age * (times + 1) + later), "adds the " + S(later) + " years once, not to "
                                                   "both ages"},
                 {Frac(age * times + later), "is the grandmother's age then, not the sum"},
                 {Frac(age * (times + 1)), "is the sum of their ages now"}};
    } while (!enoughWrong(age * (times + 1) + 2 * later, wrong));
    QB q("age_problem", 3);
    q.param("age", age).param("times", times).param("later", later).param("who", who);
    q.p(who + " is " + S(age) + " years old. " + who + "'s grandmother is " + S(times) +
        " times as old as " + who + ".");
    q.p("What will the sum of their ages be in " + S(later) + " years' time?");
    const int ans = age * (times + 1) + 2 * later;
    say(q, "The grandmother is now " + S(times) + " &times; " + S(age) + " = " +
           qty(age * times, "years") + " old.");
    say(q, "In " + S(later) + " years " + who + " will be " + S(age) + " + " + S(later) + " = " +
           S(age + later) + " and the grandmother " + S(age * times) + " + " + S(later) + " = " +
           S(age * times + later) + ".");
    say(q, "Sum of their ages: " + S(age + later) + " + " + S(age * times + later) + " = " +
           qty(ans, "years") + ".");
    return answerNumber(q, r, k[0], ans, "years", wrong).done();
}

Question perimeterAlgebra(Rng& r, const std::string& k) {
    int x, a;
    std::vector<Slip> wrong;
    do {
        x = r.range(3, 20);
        a = r.range(2, 12);
        wrong = {{Frac(x + a), "is the length, x + " + S(a) + ", not x"},
                 {Frac(2 * (2 * x + a), 4), "shares the perimeter by 4, as for a square"},
                 {Frac(2 * x), "stops at the two widths together"}};
    } while (!enoughWrong(x, wrong));
    QB q("perimeter_algebra", 2);
    q.param("a", a).param("p", 2 * (2 * x + a));
    q.p("A rectangle has length <b>(x + " + S(a) +
        ") cm</b> and width <b>x cm</b>. Its perimeter "
        "is " +
        qty(2 * (2 * x + a), "cm") + ".");
    q.p("What is the value of <i>x</i>?");
    const int per = 2 * (2 * x + a);
    say(q, "The perimeter is two lengths and two widths: (x + " + S(a) + ") + (x + " + S(a) +
           ") + x + x. That is 4 lots of x and " + S(a) + " + " + S(a) + " = " + S(2 * a) +
           " more.");
    say(q, "So 4 lots of x make " + S(per) + " &minus; " + S(2 * a) + " = " + S(4 * x) + ".");
    say(q, "x = " + S(4 * x) + " &divide; 4 = " + S(x) + ".");
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
    say(q, "Work each number out backwards: take away the number added, then divide.");
    say(q, x + "'s number: (" + S(n1 * m1 + a1) + " &minus; " + S(a1) + ") &divide; " + S(m1) +
           " = " + S(n1) + ". " + y + "'s number: (" + S(n2 * m2 + a2) + " &minus; " + S(a2) +
           ") &divide; " + S(m2) + " = " + S(n2) + ".");
    const bool first = n1 > n2;
    say(q, "The numbers are " + S(n1) + " and " + S(n2) + ": " + (first ? x : y) +
               " thought of the bigger number, even though the answers compare the other way.");
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
    say(q, "Think of " + x + "'s shells as one group. " + y + " has two groups and " + S(more) +
           " more; " + z + " has one group and " + S(fewer) + " fewer.");
    say(q, "Together that is 4 groups, " + S(more) + " more and " + S(fewer) +
           " fewer. So the 4 groups hold " + S(total) + " &minus; " + S(more) + " + " + S(fewer) +
           " = " + S(4 * n) + " shells.");
    say(q, "One group: " + S(4 * n) + " &divide; 4 = " + S(n) + ". " + x + " has " +
           plural(n, "shell", "shells") + ".");
    return q.number(r, k[0], n, "shells", {total / 3, n + more, 2 * n + more}).done();
}

Question twoVariable(Rng& r, const std::string& k) {
    int a, b, c;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(2, 9);
        c = r.range(2, 6);
        wrong = {{Frac(2 * a + c * b), "reads a&sup2; as 2 &times; a"},
                 {Frac(a * a + c + b), "reads " + S(c) + "b as " + S(c) + " + b"},
                 {Frac((a * a + c) * b), "multiplies everything by b"}};
    } while (!enoughWrong(a * a + c * b, wrong));
    QB q("two_variable", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("Find the value of <b>a&sup2; + " + S(c) + "b</b> when <b>a = " + S(a) +
        "</b> and <b>b = " + S(b) + "</b>.");
    say(q, "a&sup2; means a &times; a: " + S(a) + " &times; " + S(a) + " = " + S(a * a) + ".");
    say(q, S(c) + "b means " + S(c) + " &times; b: " + S(c) + " &times; " + S(b) + " = " +
           S(c * b) + ".");
    say(q, S(a * a) + " + " + S(c * b) + " = " + S(a * a + c * b) + ".");
    return answerNumber(q, r, k[0], a * a + c * b, "", wrong).done();
}

Question formulaCost(Rng& r, const std::string& k) {
    const bool inverse = r.chance(50);
    int per, fixed, h;
    std::vector<Slip> wrong;
    do {
        per = r.range(3, 12);
        fixed = r.range(2, 20);
        h = r.range(2, 9);
        const int cost = per * h + fixed;
        wrong = inverse
                    ? std::vector<Slip>{{Frac(cost, per), "divides without taking the " +
                                                              money(fixed) + " away first"},
                                        {Frac(cost + fixed, per), "adds the " + money(fixed) +
                                                                      " instead of taking it away"},
                                        {Frac(cost - fixed), "takes the " + money(fixed) +
                                                                 " away but forgets to divide"}}
                    : std::vector<Slip>{{Frac(per * (h + fixed)), "adds before multiplying, as "
                                                                  "if there were brackets"},
                                        {Frac(per + h + fixed), "adds the three numbers"},
                                        {Frac(per * h), "leaves out the " + money(fixed)}};
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
        say(q, "C = " + S(per * h + fixed) + ", so " + S(per) + "h + " + S(fixed) + " = " +
               S(per * h + fixed) + ".");
        say(q, "Undo the + " + S(fixed) + ": " + S(per) + "h = " + S(per * h + fixed) +
               " &minus; " + S(fixed) + " = " + S(per * h) + ".");
        say(q, "Undo the &times; " + S(per) + ": h = " + S(per * h) + " &divide; " + S(per) +
               " = " + S(h) + ". The canoe was hired for " + plural(h, "hour", "hours") + ".");
        return answerNumber(q, r, k[0], h, "hours", wrong).done();
    }
    q.p("Find the cost of hiring the canoe for " + S(h) + " hours.");
    say(q, "Put h = " + S(h) + " into the formula; " + S(per) + "h means " + S(per) +
           " &times; h.");
    say(q, "C = " + S(per) + " &times; " + S(h) + " + " + S(fixed) + " = " + S(per * h) + " + " +
           S(fixed) + " = " + S(per * h + fixed) + ", so the cost is " +
           money(per * h + fixed) + ".");
    return answerNumber(q, r, k[0], per * h + fixed, "dollars", wrong).done();
}

Question writeExpression(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    for (;;) {
        const int times = r.range(2, 5), more = r.range(1, 9);
        const std::string right = S(times) + "n + " + S(more);
        const std::vector<TextSlip> wrong = {
            {S(more) + "n + " + S(times), "swaps the two numbers"},
            {S(times) + "(n + " + S(more) + ")", "adds " + S(more) + " before multiplying"},
            {"n + " + S(times + more), "adds both numbers to n"}};
        if (times == more) continue;
        QB q("write_expression", 2);
        q.param("times", times).param("more", more);
        q.p(x + " has <i>n</i> stickers. " + y + " has " + S(more) + " more than " +
            (times == 2 ? "twice" : S(times) + " times") + " as many stickers as " + x + ".");
        q.p("Which expression gives the number of stickers " + y + " has?");
        say(q, std::string(times == 2 ? "Twice" : capitalised(numberWords(times)) + " times") +
                   " as many as n is " + S(times) + " &times; n, written " + S(times) + "n.");
        say(q, capitalised(numberWords(more)) + " more than that is " + right + ".");
        return q.choice(r, right, wrong).done();
    }
}

Question evalBrackets(Rng& r, const std::string& k) {
    int m, a, n;
    std::vector<Slip> wrong;
    do {
        m = r.range(2, 9);
        a = r.range(1, 12);
        n = r.range(2, 12);
        wrong = {{Frac(m * n + a), "multiplies only n, as if there were no bracket"},
                 {Frac(m + n + a), "adds all three numbers"},
                 {Frac(m * n * a), "multiplies all three numbers"}};
    } while (!enoughWrong(m * (n + a), wrong));
    QB q("eval_brackets", 1);
    q.param("m", m).param("a", a).param("n", n);
    q.p("Find the value of <b>" + S(m) + "(n + " + S(a) + ")</b> when <b>n = " + S(n) + "</b>.");
    say(q, S(m) + "(n + " + S(a) + ") means " + S(m) + " &times; (n + " + S(a) +
           "): work out the bracket first.");
    say(q, "n + " + S(a) + " = " + S(n) + " + " + S(a) + " = " + S(n + a) + ".");
    say(q, S(m) + " &times; " + S(n + a) + " = " + S(m * (n + a)) + ".");
    return answerNumber(q, r, k[0], m * (n + a), "", wrong).done();
}

Question powersEval(Rng& r, const std::string& k) {
    int n, c;
    std::vector<Slip> wrong;
    do {
        n = r.range(2, 6);
        c = r.range(1, 9);
        wrong = {{Frac(3 * n + c), "reads n&sup3; as 3 &times; n"},
                 {Frac(n * n + c), "squares n instead of cubing it"},
                 {Frac(n * n * n), "leaves out the + " + S(c)}};
    } while (!enoughWrong(n * n * n + c, wrong));
    QB q("powers_eval", 2);
    q.param("n", n).param("c", c);
    q.p("Find the value of <b>n&sup3; + " + S(c) + "</b> when <b>n = " + S(n) + "</b>.");
    say(q, "n&sup3; means n &times; n &times; n: " + S(n) + " &times; " + S(n) + " &times; " +
           S(n) + " = " + S(n * n * n) + ".");
    say(q, S(n * n * n) + " + " + S(c) + " = " + S(n * n * n + c) + ".");
    return answerNumber(q, r, k[0], n * n * n + c, "", wrong).done();
}

Question fractionExpression(Rng& r, const std::string& k) {
    int a, b, c;
    std::vector<Slip> wrong;
    do {
        c = r.range(2, 9);
        a = r.range(2, 30);
        b = r.range(2, 30);
        wrong = {{Frac(a) + Frac(b, c), "divides only b, as if there were no bracket"},
                 {Frac((a + b) * c), "multiplies by c instead of dividing"},
                 {Frac(a + b), "forgets to divide by c"}};
    } while ((a + b) % c || a == b || !enoughWrong((a + b) / c, wrong));
    QB q("fraction_expression", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p("Find the value of <b>(a + b) &divide; c</b> when <b>a = " + S(a) + "</b>, <b>b = " + S(b) +
        "</b> and <b>c = " + S(c) + "</b>.");
    say(q, "Work out the bracket first: a + b = " + S(a) + " + " + S(b) + " = " + S(a + b) + ".");
    say(q, "Then divide by c: " + S(a + b) + " &divide; " + S(c) + " = " + S((a + b) / c) + ".");
    return answerNumber(q, r, k[0], (a + b) / c, "", wrong).done();
}

Question formulaSubstitute(Rng& r, const std::string& k) {
    int u, a, t;
    std::vector<Slip> wrong;
    do {
        u = r.range(2, 20);
        a = r.range(2, 9);
        t = r.range(2, 10);
        wrong = {{Frac((u + a) * t), "adds u and a before multiplying"},
                 {Frac(u + a + t), "adds all three numbers"},
                 {Frac(a * t), "leaves out u"}};
    } while (!enoughWrong(u + a * t, wrong));
    QB q("formula_substitute", 1);
    q.param("u", u).param("a", a).param("t", t);
    q.p("The speed of a toy car, <i>v</i> centimetres per second, after <i>t</i> seconds is "
        "given by <b>v = u + at</b>.");
    q.p("Find <i>v</i> when <b>u = " + S(u) + "</b>, <b>a = " + S(a) + "</b> and <b>t = " + S(t) +
        "</b>.");
    say(q, "at means a &times; t: " + S(a) + " &times; " + S(t) + " = " + S(a * t) +
           ". Multiply before adding.");
    say(q, "v = " + S(u) + " + " + S(a * t) + " = " + S(u + a * t) + ".");
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
        say(q, "Put C = " + S(c) + " into the formula and work from left to right: 9 &times; " +
               S(c) + " = " + S(9 * c) + ".");
        say(q, S(9 * c) + " &divide; 5 = " + S(9 * c / 5) + ", and " + S(9 * c / 5) +
               " + 32 = " + S(f) + ".");
        return answerNumber(q, r, k[0], f, "",
                            std::vector<Slip>{{Frac(9 * c, 5), "leaves out the + 32"},
                                              {Frac((c + 32) * 9, 5), "adds 32 first"},
                                              {Frac(2 * c + 30), "uses the rough rule, double "
                                                                 "and add 30"}})
            .done();
    }
    q.p("What is " + S(f) + " degrees Fahrenheit in degrees Celsius?");
    say(q, "Work backwards, undoing the last step first. Undo the + 32: " + S(f) +
           " &minus; 32 = " + S(f - 32) + ".");
    say(q, "Undo the &divide; 5: " + S(f - 32) + " &times; 5 = " + S((f - 32) * 5) + ".");
    say(q, "Undo the &times; 9: " + S((f - 32) * 5) + " &divide; 9 = " + S(c) + ".");
    return answerNumber(q, r, k[0], c, "",
                        std::vector<Slip>{{Frac(f - 30, 2), "uses the rough rule backwards"},
                                          {Frac(f - 32), "takes 32 away and stops"},
                                          {Frac((f - 32) * 9, 5), "multiplies by 9 and divides "
                                                                  "by 5 again instead of undoing "
                                                                  "them"}})
        .done();
}

Question solveBrackets(Rng& r, const std::string& k) {
    int m, a, x;
    bool minus;
    std::vector<Slip> wrong;
    do {
        m = r.range(2, 9);
        a = r.range(1, 9);
        x = r.range(2, 15);
        minus = r.chance(50) && x > a;
        const int rhs = m * (x + (minus ? -a : a));
        wrong = {{Frac(rhs, m), "divides by " + S(m) + " and stops"},
                 {Frac(rhs, m) + Frac(minus ? -a : a), std::string(minus ? "takes " : "adds ") +
                                                           S(a) + " instead of " +
                                                           (minus ? "adding it" : "taking it away")},
                 {Frac(rhs - (minus ? -a : a), m), "undoes the " + signedText(minus ? -a : a) +
                                                       " before dividing"}};
    } while (!enoughWrong(x, wrong));
    const int rhs = m * (x + (minus ? -a : a));
    QB q("solve_brackets", 2);
    q.param("m", m).param("a", minus ? -a : a).param("rhs", rhs);
    q.p("Solve <b>" + S(m) + "(x" + plusOrMinus(minus ? -a : a) + ") = " + S(rhs) + "</b>.");
    q.p("What is the value of <i>x</i>?");
    const int inner = rhs / m;
    say(q, S(m) + "(x" + plusOrMinus(minus ? -a : a) + ") means " + S(m) + " times the bracket. "
           "Undo the &times; " + S(m) + " first: the bracket is " + S(rhs) + " &divide; " + S(m) +
           " = " + S(inner) + ".");
    say(q, undoStep(minus ? -a : a, inner, "x"));
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question solveDivide(Rng& r, const std::string& k) {
    int d, b, x;
    std::vector<Slip> wrong;
    do {
        d = r.range(2, 8);
        x = d * r.range(2, 12);
        b = r.range(1, 15);
        const int c = x / d + b;
        wrong = {{Frac(c - b, d), "divides by " + S(d) + " instead of multiplying"},
                 {Frac(c * d - b), "multiplies by " + S(d) + " before taking " + S(b) + " away"},
                 {Frac((c + b) * d), "adds " + S(b) + " instead of taking it away"}};
    } while (!enoughWrong(x, wrong));
    QB q("solve_divide", 2);
    q.param("d", d).param("b", b).param("c", x / d + b);
    q.p("Solve <b>x &divide; " + S(d) + " + " + S(b) + " = " + S(x / d + b) + "</b>.");
    q.p("What is the value of <i>x</i>?");
    say(q, "Undo the + " + S(b) + ": take " + S(b) + " from both sides: x &divide; " + S(d) +
           " = " + S(x / d + b) + " &minus; " + S(b) + " = " + S(x / d) + ".");
    say(q, "Undo the &divide; " + S(d) + ": multiply both sides by " + S(d) + ": x = " +
           S(x / d) + " &times; " + S(d) + " = " + S(x) + ".");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question solveMistake(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int a, b, x;
    std::vector<Slip> wrong;
    do {
        a = r.range(2, 9);
        b = r.range(1, 20);
        x = r.range(2, 12);
        wrong = {{Frac(a * x + 2 * b, a), "is " + who + "'s answer, with the mistake"},
                 {Frac(a * x + b), "is the number on the right of the equation, with nothing "
                                   "undone"},
                 {Frac(a * x, a) + Frac(b), "adds " + S(b) + " back on after dividing"}};
    } while ((a * x + 2 * b) % a || !enoughWrong(x, wrong));
    const int c = a * x + b;
    QB q("solve_mistake", 2);
    q.param("a", a).param("b", b).param("c", c);
    q.p(who + " solved <b>" + S(a) + "x + " + S(b) + " = " + S(c) + "</b> like this:");
    q.raw("<p>" + S(a) + "x = " + S(c + b) + "<br>x = " + S((c + b) / a) + "</p>");
    q.p(who + " made a mistake. What is the correct value of <i>x</i>?");
    say(q, who + " added " + S(b) + " to " + S(c) + " instead of taking it away.");
    say(q, "Undo the + " + S(b) + ": " + S(a) + "x = " + S(c) + " &minus; " + S(b) + " = " +
           S(a * x) + ".");
    say(q, "Undo the &times; " + S(a) + ": x = " + S(a * x) + " &divide; " + S(a) + " = " + S(x) +
           ".");
    return answerNumber(q, r, k[0], x, "", wrong).done();
}

Question consecutiveSum(Rng& r, const std::string& k) {
    const int count = r.range(3, 4);
    const int first = r.range(5, 60);
    const int sum = count * first + count * (count - 1) / 2;
    QB q("consecutive_sum", 2);
    q.param("count", count).param("sum", sum);
    q.p(std::string(count == 3 ? "Three" : "Four") + " consecutive whole numbers add up to <b>" +
        S(sum) + "</b>. What is the largest of them?");
    const int extra = count * (count - 1) / 2;
    say(q, "Each number is 1 more than the one before: the others are the smallest with " +
           std::string(count == 3 ? "1 and 2" : "1, 2 and 3") + " added.");
    say(q, "Take those extras away: " + S(sum) + " &minus; " + S(extra) + " = " +
           S(count * first) + ", which is " + numberWords(count) + " times the smallest.");
    say(q, "Smallest: " + S(count * first) + " &divide; " + S(count) + " = " + S(first) +
           ". Largest: " + S(first) + " + " + S(count - 1) + " = " + S(first + count - 1) + ".");
    // the numbers are whole: a halfway mean is no option
    std::vector<Slip> wrong = {{Frac(first), "is the smallest of the numbers"},
                               {Frac(sum, count), "is the sum shared equally, the middle value"},
                               {Frac(first + count), "goes one number too far"},
                               {Frac(first + count - 2), "is the second largest"}};
    std::vector<Slip> whole;
    for (const Slip& s : wrong)
        if (s.value.isInt()) whole.push_back(s);
    return answerNumber(q, r, k[0], first + count - 1, "", whole).done();
}

Question sumDifference(Rng& r, const std::string& k) {
    int big, small;
    std::vector<Slip> wrong;
    do {
        big = r.range(10, 60);
        small = r.range(2, big - 2);
        wrong = {{Frac(small), "is the smaller number"},
                 {Frac(big + small, 2), "halves the sum, as if the numbers were equal"},
                 {Frac(big + small - (big - small)), "takes the difference off but forgets to "
                                                     "halve"}};
    } while (!enoughWrong(big, wrong));
    QB q("sum_difference", 2);
    q.param("sum", big + small).param("diff", big - small);
    q.p("Two numbers add up to <b>" + S(big + small) + "</b>. One is <b>" + S(big - small) +
        "</b> more than the other. What is the larger number?");
    say(q, "Take the difference off the total: " + S(big + small) + " &minus; " +
           S(big - small) + " = " + S(2 * small) + ". That is two smaller numbers.");
    say(q, "Smaller number: " + S(2 * small) + " &divide; 2 = " + S(small) + ".");
    say(q, "Larger number: " + S(small) + " + " + S(big - small) + " = " + S(big) + ".");
    return answerNumber(q, r, k[0], big, "", wrong).done();
}

Question ageEquation(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int p, q1, m, x;
    std::vector<Slip> wrong;
    do {
        m = r.range(2, 3);
        p = r.range(2, 10);
        q1 = r.range(2, 10);
        x = (p + m * q1) / (m - 1);
        wrong = {{Frac(p + q1), "adds the two numbers of years"},
                 {Frac(x - q1), "is the age " + S(q1) + " years ago"},
                 {Frac(x + p), "is the age in " + S(p) + " years' time"}};
    } while ((p + m * q1) % (m - 1) || x > 60 || !enoughWrong(x, wrong));
    QB q("age_equation", 3);
    q.param("p", p).param("q", q1).param("m", m);
    q.p("In " + S(p) + " years' time " + who + " will be " + (m == 2 ? "twice" : "three times") +
        " as old as " + who + " was " + S(q1) + " years ago.");
    q.p("How old is " + who + " now?");
    const int then = x - q1;
    say(q, "From " + S(q1) + " years ago to " + S(p) + " years' time is " + S(q1) + " + " + S(p) +
           " = " + qty(q1 + p, "years") + ".");
    say(q, "In those years the age grows from the age then to " +
               std::string(m == 2 ? "twice" : "three times") + " it, so the " + S(q1 + p) +
               " years make " + (m == 2 ? "one lot" : "two lots") +
               " of the age then: the age then was " + S(q1 + p) + " &divide; " + S(m - 1) +
               " = " + S(then) + ".");
    say(q, who + "'s age now: " + S(then) + " + " + S(q1) + " = " + qty(x, "years") +
           ". Check: " + S(x) + " + " + S(p) + " = " + S(x + p) + " = " + S(m) + " &times; " +
           S(then) + ".");
    return answerNumber(q, r, k[0], x, "years", wrong).done();
}

Question pensAndRulers(Rng& r, const std::string& k) {
    int pen, ruler, n;
    std::vector<Slip> wrong;
    do {
        pen = r.range(8, 30) * 10;  // cents
        ruler = r.range(5, 25) * 10;
        n = r.range(2, 4);
        const Frac big(n * pen + ruler, 100), small(pen + ruler, 100);
        wrong = {{big / Frac(n), "shares the whole cost, ruler too, among the pens"},
                 {Frac(ruler, 100), "is the price of the ruler"},
                 {big - small, "is the price of the extra pens, not shared between them"}};
    } while (pen == ruler || !enoughWrong(Frac(pen, 100), wrong, true));
    QB q("pens_and_rulers", 3);
    q.param("n", n)
        .paramDec("big", Frac(n * pen + ruler, 100))
        .paramDec("small", Frac(pen + ruler, 100));
    q.p(capitalised(numberWords(n)) + " pens and a ruler cost " +
        money(Frac(n * pen + ruler, 100)) + ". One pen and a ruler cost " +
        money(Frac(pen + ruler, 100)) + ".");
    q.p("How much does one pen cost?");
    const Frac big(n * pen + ruler, 100), small(pen + ruler, 100);
    say(q, "The two purchases differ only by " + plural(n - 1, "pen", "pens") +
           ": the ruler is in both.");
    say(q, "So " + plural(n - 1, "pen costs", "pens cost") + " " + money(big) + " &minus; " +
           money(small) + " = " + money(big - small) + ".");
    if (n > 2)
        say(q, "One pen costs " + money(big - small) + " &divide; " + S(n - 1) + " = " +
               money(Frac(pen, 100)) + ".");
    else
        say(q, "That is the price of one pen, " + money(Frac(pen, 100)) + ".");
    return answerNumber(q, r, k[0], Frac(pen, 100), "dollars", wrong).done();
}

Question coinsEquation(Rng& r, const std::string& k) {
    int times, n;
    std::vector<Slip> wrong;
    do {
        times = r.range(2, 4);
        n = r.range(2, 12);
        const int cents = n * 50 + times * n * 20;
        wrong = {{Frac(cents, 70), "takes one coin of each kind together"},
                 {Frac(times * n), "is the number of 20-cent coins"},
                 {Frac(cents, 50), "takes every coin to be a 50-cent coin"},
                 {Frac(n * (times + 1)), "counts all the coins, not only the 50-cent ones"},
                 {Frac(cents, 20), "takes every coin to be a 20-cent coin"}};
        if (k == "Q") wrong = algebra::wholeOnly(wrong);  // a count is a whole number
    } while (!enoughWrong(n, wrong));
    const int cents = n * 50 + times * n * 20;
    QB q("coins_equation", 3);
    q.param("times", times).paramDec("value", Frac(cents, 100));
    q.p("A purse holds only 20-cent and 50-cent coins. There are " +
        (times == 2 ? std::string("twice") : S(times) + " times") +
        " as many 20-cent coins as 50-cent coins, and the coins are worth " +
        money(Frac(cents, 100)) + " altogether.");
    q.p("How many 50-cent coins are in the purse?");
    say(q, "Each 50-cent coin comes with " + S(times) + " twenty-cent coins: a group worth 50 + " +
           S(times) + " &times; 20 = " + qty(50 + 20 * times, "cents") + ".");
    say(q, "The coins are worth " + money(Frac(cents, 100)) + ", which is " +
           qty(cents, "cents") + ".");
    say(q, "Number of groups: " + S(cents) + " &divide; " + S(50 + 20 * times) + " = " + S(n) +
           ", one 50-cent coin in each: " + qty(n, "coins") + ".");
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
    say(q, S(a) + "n&sup2; means " + S(a) + " &times; n&sup2;: only n is squared.");
    say(q, S(a) + " &times; " + S(n) + " &times; " + S(n) + " = " + S(right) + ". Squaring " +
           S(a) + " &times; " + S(n) + " = " + S(a * n) + " as well gives " + S(a * n) + " &times; " +
           S(a * n) + " = " + S(wrongValue) + ", which is wrong.");
    say(q, "So " + std::string(firstRight ? x : y) + " is right.");
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
    say(q, "Minutes for the kilograms: " + S(perKg) + " &times; " + num(Frac(halves, 2)) + " = " +
           qty(perKg * halves / 2, "minutes") + ".");
    say(q, "Add the extra minutes: " + S(perKg * halves / 2) + " + " + S(extra) + " = " +
           qty(mins, "minutes") + ".");
    if (k == "T") {
        q.param("ready", hhmm(ready)).param("style", style);
        q.p("It must be ready at " + clock12(ready, style) +
            ". At what time must it go into the oven?");
        q.note(timeNote(style, ready - mins));
        q.answer();
        say(q, "That is " + duration(mins) + ". Counting back " + duration(mins) +
               " from " + clock12(ready, style) + " gives " + clock12(ready - mins, style) + ".");
        return q.part('T', clock12(ready - mins, style)).done();
    }
    q.p("How many minutes does it need?");
    return answerNumber(q, r, k[0], mins, "minutes",
                        std::vector<Slip>{{Frac(perKg * halves / 2), "leaves out the extra " +
                                                                         S(extra) + " minutes"},
                                          {Frac((perKg + extra) * halves, 2),
                                           "adds the extra minutes for every kilogram"},
                                          {Frac(perKg + extra), "works out one kilogram only"}})
        .done();
}

Question sequencePosition(Rng& r, const std::string& k) {
    int first, step, n;
    std::vector<Slip> wrong;
    do {
        first = r.range(1, 20);
        step = r.range(2, 9);
        n = r.range(10, 40);
        const int value = first + (n - 1) * step;
        wrong = {{Frac(n - 1), "counts the steps, not the position"},
                 {Frac(value, step), "divides the number by the step"},
                 {Frac(value - first), "does not divide by the step"}};
        if (k == "Q") wrong = algebra::wholeOnly(wrong);  // a count is a whole number
    } while (!enoughWrong(n, wrong));
    const int value = first + (n - 1) * step;
    QB q("sequence_position", 2);
    q.param("first", first).param("step", step).param("value", value);
    q.p("The sequence <b>" + S(first) + ", " + S(first + step) + ", " + S(first + 2 * step) + ", " +
        S(first + 3 * step) + ", ...</b> goes up by the same amount each time.");
    q.p("Which term of the sequence is " + S(value) + "?");
    say(q, "The sequence starts at " + S(first) + " and goes up by " + S(step) + " each time.");
    say(q, "From " + S(first) + " to " + S(value) + " is " + S(value) + " &minus; " + S(first) +
           " = " + S(value - first) + ", which is " + S(value - first) + " &divide; " + S(step) +
           " = " + S(n - 1) + " steps.");
    say(q, "Term 1 and " + S(n - 1) + " steps after it: term " + S(n - 1) + " + 1 = " + S(n) +
           ".");
    return answerNumber(q, r, k[0], n, "", wrong).done();
}

// ---- number sentences, patterns and stories ----

// A number sentence with a number missing on its right: 36 + 47 = 40 + ?, 6 &times; 8 = 12 &times; ?,
// 65 &minus; 28 = 70 &minus; ?. Both sides must balance.
Question missingNumberSentence(Rng& r, const std::string& k) {
    const int kind = r.range(0, 2);
    int a, b, c, ans, left;
    std::vector<Slip> wrong;
    do {
        if (kind == 0) {
            a = r.range(21, 89);
            b = r.range(21, 89);
            const int shift = r.range(1, 9) * (r.chance(50) ? 1 : -1);
            c = a + shift;
            left = a + b;
            ans = left - c;
            wrong = {{left, "is the value of the left side, not the missing number"},
                     {b + shift, "changes " + S(b) + " the wrong way"},
                     {left + c, "adds " + S(c) + " to the total instead of taking it away"}};
        } else if (kind == 1) {
            a = r.range(2, 9);
            const int f = r.range(2, 4);
            b = f * r.range(2, 6);
            c = a * f;
            left = a * b;
            ans = b / f;
            wrong = {{left, "is the value of the left side, not the missing number"},
                     {b * f, "multiplies " + S(b) + " by " + S(f) + " instead of dividing"},
                     {left * c, "multiplies by " + S(c) + " instead of dividing"}};
        } else {
            a = r.range(40, 99);
            b = r.range(11, a - 20);
            const int shift = r.range(1, 9) * (r.chance(50) ? 1 : -1);
            c = a + shift;
            left = a - b;
            ans = c - left;
            wrong = {{left, "is the value of the left side, not the missing number"},
                     {b - shift, "changes " + S(b) + " the wrong way"},
                     {c + left, "adds " + S(left) + " to " + S(c) + " instead of taking it away"}};
        }
    } while (ans <= 0 || ans == b || !enoughWrong(ans, wrong));
    static const char* ops[] = {" + ", " &times; ", " &minus; "};
    QB q("missing_number_sentence", 1);
    q.param("kind", kind == 0 ? "add" : kind == 1 ? "times" : "take").param("a", a).param("b", b)
        .param("c", c);
    q.p("What is the missing number <b>?</b> that makes this number sentence true?");
    q.p("<b>" + S(a) + ops[kind] + S(b) + " = " + S(c) + ops[kind] + "?</b>");
    say(q, "The two sides of = must have the same value, as the two pans of a balance hold the "
           "same mass.");
    say(q, "The left side: " + S(a) + ops[kind] + S(b) + " = " + S(left) + ".");
    if (kind == 0)
        say(q, "The right side, " + S(c) + " and the missing number, must make " + S(left) +
               " too: the missing number is " +
               S(left) + " &minus; " + S(c) + " = " + S(ans) + ".");
    else if (kind == 1)
        say(q, "The right side, " + S(c) + " times the missing number, must make " + S(left) +
               " too: the missing number is " + S(left) + " &divide; " + S(c) + " = " + S(ans) + ".");
    else
        say(q, "The right side, " + S(c) + " take away the missing number, must leave " +
               S(left) + " too: the missing number is " + S(c) + " &minus; " + S(left) + " = " + S(ans) + ".");
    return answerNumber(q, r, k[0], ans, "", wrong).done();
}

const char* ordinal(int n) {
    static const char* words[] = {"", "first", "second", "third", "fourth", "fifth", "sixth"};
    return words[n];
}

// A pattern continued by a rule in words: start at 3; multiply by 2, then add 1.
Question patternRuleWords(Rng& r, const std::string& k) {
    int start, m, c, t;
    bool minus;
    std::vector<int> terms;
    std::vector<Slip> wrong;
    for (;;) {
        start = r.range(1, 9);
        m = r.range(2, 3);
        c = r.range(1, 9);
        minus = r.chance(40);
        t = m == 2 ? r.range(4, 5) : 4;
        const int add = minus ? -c : c;
        terms = {start};
        for (int i = 1; i <= t; ++i) terms.push_back(terms.back() * m + add);
        int before = start;  // the rule done in the wrong order
        for (int i = 1; i < t; ++i) before = (before + add) * m;
        wrong = {{terms[static_cast<std::size_t>(t - 2)], "stops one number too soon"},
                 {terms[static_cast<std::size_t>(t)], "goes one number too far"},
                 {before, std::string(minus ? "takes away" : "adds") + " before multiplying"}};
        if (terms[1] <= start || terms[static_cast<std::size_t>(t - 1)] > 400) continue;
        if (enoughWrong(terms[static_cast<std::size_t>(t - 1)], wrong)) break;
    }
    const int add = minus ? -c : c;
    QB q("pattern_rule_words", 2);
    q.param("start", start).param("m", m).param("add", add).param("t", t);
    const std::string rule = "multiply by " + S(m) + ", then " + (minus ? "take away " : "add ") +
                             S(c);
    q.p("A number pattern starts at " + S(start) + ". The rule for the next number is: " + rule +
        ".");
    q.p(std::string("What is the ") + ordinal(t) + " number in the pattern?");
    say(q, "Start at " + S(start) + " and use the rule again for each next number.");
    for (int i = 2; i <= t; ++i)
        say(q, capitalised(ordinal(i)) + " number: " + S(terms[static_cast<std::size_t>(i - 2)]) +
               " &times; " + S(m) + withSign(add) + " = " +
               S(terms[static_cast<std::size_t>(i - 1)]) + ".");
    return answerNumber(q, r, k[0], terms[static_cast<std::size_t>(t - 1)], "", wrong).done();
}

// Equal groups and some left over, told as a story: 4 bags of marbles and 7 loose make 55.
Question equalGroupsStory(Rng& r, const std::string& k) {
    struct Things {
        const char* things;
        const char* group;
        const char* groups;
    };
    static const std::vector<Things> kinds = {{"marbles", "bag", "bags"},
                                              {"stickers", "packet", "packets"},
                                              {"pencils", "box", "boxes"},
                                              {"cards", "pack", "packs"},
                                              {"beads", "jar", "jars"}};
    const Things& t = r.pick(kinds);
    const std::string who = r.pick(names());
    int groups, each, loose;
    std::vector<Slip> wrong;
    do {
        groups = r.range(3, 8);
        each = r.range(6, 25);
        loose = r.range(2, 15);
        const int total = groups * each + loose;
        wrong = {{Frac(total, groups), std::string("shares all the ") + t.things +
                                           ", loose ones too, among the " + t.groups},
                 {Frac(total - loose), "forgets to share among the " + std::string(t.groups)},
                 {Frac(total + loose, groups), "adds the loose " + std::string(t.things) +
                                                   " instead of taking them away"},
                 {Frac(loose), "is the number of loose " + std::string(t.things)}};
        if (k == "Q") wrong = algebra::wholeOnly(wrong);  // a count is a whole number
    } while (loose == each || !enoughWrong(each, wrong));
    const int total = groups * each + loose;
    QB q("equal_groups_story", 2);
    q.param("groups", groups).param("loose", loose).param("total", total).param("things", t.things);
    q.p(who + " has " + plural(groups, t.group, t.groups) + " with the same number of " +
        t.things + " in each, and " + S(loose) + " more " + t.things + " loose. " + who + " has " +
        S(total) + " " + t.things + " altogether.");
    q.p(std::string("How many ") + t.things + " are in each " + t.group + "?");
    say(q, "Take away the loose " + std::string(t.things) + ": " + S(total) + " &minus; " +
           S(loose) + " = " + S(total - loose) + " " + t.things + " are in the " + t.groups + ".");
    say(q, "Share them equally among the " + plural(groups, t.group, t.groups) + ": " +
           S(total - loose) + " &divide; " + S(groups) + " = " + qty(each, t.things) + ".");
    say(q, "Check: " + S(groups) + " &times; " + S(each) + " + " + S(loose) + " = " + S(total) +
           ".");
    return answerNumber(q, r, k[0], each, t.things, wrong).done();
}

// Tickets for adults and children: the price of a child's ticket from the total.
Question ticketPrices(Rng& r, const std::string& k) {
    int adults, children, adult, child;
    std::vector<Slip> wrong;
    do {
        adults = r.range(2, 3);
        children = r.range(2, 5);
        adult = r.range(9, 24);
        child = r.range(4, adult - 2);
        const int total = adults * adult + children * child;
        wrong = {{Frac(total - adult, children), "takes only one adult ticket away"},
                 {Frac(total, adults + children), "shares the total among all the tickets"},
                 {Frac(total - adults * adult), "forgets to share among the children's tickets"},
                 {Frac(adult - child), "is the difference between an adult ticket and a child "
                                       "ticket"}};
    } while (!enoughWrong(child, wrong, true));
    const int total = adults * adult + children * child;
    QB q("ticket_prices", 2);
    q.param("adults", adults).param("children", children).param("adult", adult)
        .param("total", total);
    q.p("Tickets for " + numberWords(adults) + " adults and " + numberWords(children) +
        " children cost " + money(total) + " altogether. An adult ticket costs " + money(adult) +
        ".");
    q.p("How much does one child ticket cost?");
    say(q, "The adult tickets cost " + S(adults) + " &times; " + money(adult) + " = " +
           money(adults * adult) + ".");
    say(q, "The children's tickets cost " + money(total) + " &minus; " + money(adults * adult) +
           " = " + money(total - adults * adult) + ".");
    say(q, "One child ticket: " + money(total - adults * adult) + " &divide; " + S(children) +
           " = " + money(child) + ".");
    return answerNumber(q, r, k[0], child, "dollars", wrong).done();
}

// Two missing numbers between the first and the fourth of a pattern that goes up evenly.
Question sequenceGaps(Rng& r, const std::string& k) {
    int first, step;
    bool askA;
    std::vector<Slip> wrong;
    do {
        first = r.range(1, 30);
        step = r.range(2, 12);
        askA = r.chance(50);
        const int gap = 3 * step;
        wrong = {{Frac(first) + Frac(gap, 2), "shares the gap into 2 steps instead of 3"},
                 {Frac(gap), "is the whole gap from the first number to the last"},
                 {Frac(step), "is one step, not the missing number"},
                 {Frac(askA ? first + 2 * step : first + step),
                  askA ? "is B, the second missing number" : "is A, the first missing number"}};
    } while (!enoughWrong(first + (askA ? 1 : 2) * step, wrong));
    const int last = first + 3 * step;
    QB q("sequence_gaps", 2);
    q.param("first", first).param("last", last).param("ask", askA ? "A" : "B");
    q.p("These numbers go up by the same amount each time. Two of them, A and B, are missing.");
    q.p("<b>" + S(first) + ", A, B, " + S(last) + "</b>");
    q.p(std::string("What number is ") + (askA ? "A" : "B") + "?");
    say(q, "From " + S(first) + " to " + S(last) + " there are 3 equal steps: " + S(first) +
           " to A, A to B and B to " + S(last) + ".");
    say(q, "The 3 steps make " + S(last) + " &minus; " + S(first) + " = " + S(3 * step) +
           ", so one step is " + S(3 * step) + " &divide; 3 = " + S(step) + ".");
    say(q, "A = " + S(first) + " + " + S(step) + " = " + S(first + step) +
           (askA ? "." : ", and B = " + S(first + step) + " + " + S(step) + " = " +
                             S(first + 2 * step) + "."));
    return answerNumber(q, r, k[0], first + (askA ? 1 : 2) * step, "", wrong).done();
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
    out.push_back({"write_expression", 10, {"Q"}, writeExpression});
    out.push_back({"eval_brackets", 10, {"N", "Q"}, evalBrackets});
    out.push_back({"powers_eval", 10, {"N", "Q"}, powersEval});
    out.push_back({"fraction_expression", 10, {"N", "Q"}, fractionExpression});
    out.push_back({"formula_substitute", 10, {"N", "Q"}, formulaSubstitute});
    out.push_back({"temp_formula", 10, {"N", "Q"}, tempFormula});
    out.push_back({"solve_brackets", 10, {"N", "Q"}, solveBrackets});
    out.push_back({"solve_divide", 10, {"N", "Q"}, solveDivide});
    out.push_back({"solve_mistake", 10, {"N", "Q"}, solveMistake});
    out.push_back({"consecutive_sum", 10, {"N", "Q"}, consecutiveSum});
    out.push_back({"sum_difference", 10, {"N", "Q"}, sumDifference});
    out.push_back({"age_equation", 10, {"N", "Q"}, ageEquation});
    out.push_back({"pens_and_rulers", 10, {"N", "Q"}, pensAndRulers});
    out.push_back({"coins_equation", 10, {"N", "Q"}, coinsEquation});
    out.push_back({"square_mistake", 10, {"T"}, squareMistake});
    out.push_back({"cooking_time", 10, {"N", "T"}, cookingTime});
    out.push_back({"sequence_position", 10, {"N", "Q"}, sequencePosition});
    out.push_back({"missing_number_sentence", 10, {"N", "Q"}, missingNumberSentence});
    out.push_back({"pattern_rule_words", 10, {"N", "Q"}, patternRuleWords});
    out.push_back({"equal_groups_story", 10, {"N", "Q"}, equalGroupsStory});
    out.push_back({"ticket_prices", 10, {"N", "Q"}, ticketPrices});
    out.push_back({"sequence_gaps", 10, {"N", "Q"}, sequenceGaps});
    addAlgebraPictures(out);
}
