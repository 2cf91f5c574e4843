// Independent key checks of the Algebra families: each recomputes the keys from the family
// parameters (or from what the question shows) by a route of its own.

#include "key_check.h"

#include <stdexcept>

namespace keycheck {

KeyCheckers algebraKeys() {
    return {
        {"alg_eval", [](const P& p) { return std::vector{N(p.r("a") * p.r("n") + p.r("b"))}; }},
        {"alg_solve", [](const P& p) { return std::vector{N((p.r("c") - p.r("b")) / p.r("a"))}; }},
        {"number_machine",
         [](const P& p) { return std::vector{N((p.r("out") - p.r("add")) / p.r("m"))}; }},
        {"sequence_term",
         [](const P& p) {
             return std::vector{N(p.r("first") + (p.r("n") - Rat(1)) * p.r("step"))};
         }},
        {"age_problem",
         [](const P& p) {
             const Rat later = p.r("later");
             return std::vector{N((p.r("age") + later) + (p.r("age") * p.r("times") + later))};
         }},
        {"perimeter_algebra",
         [](const P& p) { return std::vector{N((p.r("p") / Rat(2) - p.r("a")) / Rat(2))}; }},
        {"bigger_number",
         [](const P& p) {
             return std::vector{T(bigger(p.s("x"), (p.r("out1") - p.r("a1")) / p.r("m1"), p.s("y"),
                                         (p.r("out2") - p.r("a2")) / p.r("m2")))};
         }},
        {"alg_puzzle",
         [](const P& p) {
             return std::vector{N((p.r("total") - p.r("more") + p.r("fewer")) / Rat(4))};
         }},
        {"balance",
         [](const P& p) {
             return std::vector{N((p.r("right") - p.r("extra")) / (p.r("a") - p.r("b")))};
         }},
        {"formula_cost",
         [](const P& p) {
             if (p.q.params.count("cost"))
                 return std::vector{N((p.r("cost") - p.r("fixed")) / p.r("per"))};
             return std::vector{N(p.r("per") * p.r("h") + p.r("fixed"))};
         }},
        {"two_variable",
         [](const P& p) { return std::vector{N(p.r("a") * p.r("a") + p.r("c") * p.r("b"))}; }},
    };
}

}  // namespace keycheck
