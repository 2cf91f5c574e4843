#pragma once
// The column slips learners make in written addition and subtraction, worked out exactly so a
// multiple-choice question can offer the answer each slip gives. Whole numbers; decimals pass
// their hundredths (or thousandths) as whole numbers.

#include <cstdlib>
#include <vector>

namespace slips {

// The place values of the columns that carry in a column addition (10 for a carry out of the
// ones, 100 out of the tens...).
inline std::vector<long long> carryPlaces(long long a, long long b) {
    std::vector<long long> out;
    int carry = 0;
    for (long long place = 10; a || b; a /= 10, b /= 10, place *= 10) {
        carry = (a % 10 + b % 10 + carry) >= 10;
        if (carry) out.push_back(place);
    }
    return out;
}

// Column addition with every carry dropped: 478 + 356 gives 724.
inline long long addNoCarry(long long a, long long b) {
    long long out = 0;
    for (long long place = 1; a || b; a /= 10, b /= 10, place *= 10)
        out += (a % 10 + b % 10) % 10 * place;
    return out;
}

// Column subtraction taking the smaller digit from the larger in every column: 503 - 268
// gives 365.
inline long long subSmallerFromLarger(long long a, long long b) {
    long long out = 0;
    for (long long place = 1; a || b; a /= 10, b /= 10, place *= 10)
        out += std::abs(a % 10 - b % 10) * place;
    return out;
}

// Column subtraction that borrows ten but never takes the one from the next column: 503 - 268
// gives 345.
inline long long subNoPayBack(long long a, long long b) {
    long long out = 0;
    for (long long place = 1; a || b; a /= 10, b /= 10, place *= 10) {
        const long long da = a % 10;
        const long long db = b % 10;
        out += (da < db ? da + 10 - db : da - db) * place;
    }
    return out;
}

inline bool borrows(long long a, long long b) {
    return subNoPayBack(a, b) != a - b;
}

}  // namespace slips
