#pragma once
// Reading a worked solution and a picture's description as plain words and numbers, for the
// course checks: the text of each paragraph, its answer lines, and every equation it writes
// ("12 cm × 5 cm = 60 cm²") with the value of each side, computed exactly.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace solution {

// An exact rational number; nullopt from arithmetic that overflows or divides by zero.
struct Exact {
    std::int64_t n = 0;
    std::int64_t d = 1;
};
bool operator==(const Exact& a, const Exact& b);
std::string text(const Exact& v);

// HTML to the words a reader sees: tags dropped, entities decoded (&nbsp; becomes U+00A0,
// &times; ×, &sup2; ²), in UTF-8.
std::string plainText(const std::string& html);

// The blocks of a fragment (paragraphs, table rows, list items), each as plain text.
std::vector<std::string> blocks(const std::string& html);

struct Equation {
    std::string written;             // the equation as the solution writes it
    std::vector<std::optional<Exact>> sides;  // the value of each side; nullopt: not a number
    std::vector<int> checked;  // sides k and k + 1 are compared (one has a sign, same units)
    bool holds() const;
};

// Every equation of the form "a op b = c" (with ×, ÷, +, −, brackets, powers ² and ³, fractions
// 3/4, mixed numbers 2 1/3, money $4.50, percentages 25%, units after numbers) in one block of
// plain text. A chain "a + b = c − d = e" is one equation of three sides. Sides that mix units
// ("1 h 30 min") or clock times are not read as numbers, so no equation is made of them.
std::vector<Equation> equations(const std::string& block);

// The numbers a text writes, in order: "24 118" (grouped with U+00A0 or a space) is 24118,
// "3/4" gives 3 and 4, "2.5" stays 2.5. Phrases "0 to 300 in steps of 50" and "1 to 12" add
// every number of the range.
std::vector<std::string> numbersIn(const std::string& plain);

// Words of a plain text, split at spaces.
int wordCount(const std::string& plain);

}  // namespace solution
