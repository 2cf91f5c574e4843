#pragma once
// Whole numbers below a million in words, British style ("three hundred and four"), for the
// families that show a number in words.

#include <string>

namespace numberwords {

inline std::string below100(int n) {
    static const char* ones[] = {"",        "one",     "two",       "three",    "four",
                                 "five",    "six",     "seven",     "eight",    "nine",
                                 "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                 "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    static const char* tens[] = {"",      "",      "twenty",  "thirty", "forty",
                                 "fifty", "sixty", "seventy", "eighty", "ninety"};
    if (n < 20) return ones[n];
    return std::string(tens[n / 10]) + (n % 10 ? std::string("-") + ones[n % 10] : "");
}

inline std::string below1000(int n) {
    std::string s;
    if (n >= 100) {
        s = below100(n / 100) + " hundred";
        if (n % 100) s += " and ";
    }
    if (n % 100) s += below100(n % 100);
    return s;
}

// 1 to 999 999; "and" joins a last group below a hundred: "forty thousand and six".
inline std::string words(int n) {
    const int th = n / 1000;
    const int rest = n % 1000;
    std::string s;
    if (th) s = below1000(th) + " thousand";
    if (rest) {
        if (th) s += rest < 100 ? " and " : " ";
        s += below1000(rest);
    }
    return s;
}

}  // namespace numberwords
