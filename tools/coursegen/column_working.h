#pragma once
// The written methods of whole numbers and decimals as a worked solution shows them, column by
// column: addition with its carries, subtraction with its exchanges, short division digit by
// digit, a product split by place value. Decimals pass whole numbers of their smallest place
// (45.6 + 3.75 as 4560 + 375 hundredths, lowest place -2). Nothing here writes an equation that
// is not true, so the solution check can read every line.

#include "question.h"

#include <string>
#include <vector>

namespace working {

// The name of a place, 10 to the power `place`: "hundreds", "tenths"; one of it: "hundred".
inline std::string placeName(int place) {
    static const char* names[] = {"ten-thousandths", "thousandths", "hundredths", "tenths",   "ones",
                                  "tens",        "hundreds",   "thousands", "ten thousands",
                                  "hundred thousands", "millions", "ten millions"};
    return names[place + 4];
}
inline std::string placeOne(int place) {
    static const char* names[] = {"ten-thousandth", "thousandth", "hundredth", "tenth",   "one",
                                  "ten",        "hundred",   "thousand", "ten thousand",
                                  "hundred thousand", "million", "ten million"};
    return names[place + 4];
}
// "Hundreds", to start a line.
inline std::string capitalPlace(int place) {
    std::string s = placeName(place);
    s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}
// "3 hundreds", "1 ten".
inline std::string countOf(long long n, int place) {
    return std::to_string(n) + " " + (n == 1 ? placeOne(place) : placeName(place));
}

inline std::vector<int> digitsOf(long long n) {  // lowest place first
    std::vector<int> d;
    do {
        d.push_back(static_cast<int>(n % 10));
        n /= 10;
    } while (n > 0);
    return d;
}

// "4, 9, 9 and 13" style lists.
inline std::string listed(const std::vector<std::string>& items) {
    std::string s;
    for (std::size_t i = 0; i < items.size(); ++i)
        s += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return s;
}

// One line a column, from the lowest: "ones: 7 + 5 = 12, write 2 and carry 1 to the tens".
inline std::string columnAddition(long long a, long long b, int lowest) {
    const auto da = digitsOf(a);
    const auto db = digitsOf(b);
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(da.size(), db.size()) || carry; ++i) {
        const int place = lowest + static_cast<int>(i);
        std::vector<int> terms;
        if (i < da.size()) terms.push_back(da[i]);
        if (i < db.size()) terms.push_back(db[i]);
        if (carry) terms.push_back(carry);
        int sum = 0;
        std::string expr;
        for (int t : terms) {
            sum += t;
            expr += (expr.empty() ? "" : " + ") + std::to_string(t);
        }
        std::string line = capitalPlace(place) + ": ";
        if (terms.size() == 1)
            line += (i < da.size() || i < db.size() ? "write down the " : "write the carried ") +
                    std::to_string(sum);
        else
            line += expr + " = " + std::to_string(sum);
        if (sum >= 10)
            line += ", write " + std::to_string(sum % 10) + " and carry 1 to the " +
                    placeName(place + 1);
        out += (out.empty() ? "" : "<br>") + line;
        carry = sum / 10;
    }
    return out;
}

// The top number's digits after every exchange a column subtraction needs (lowest first).
inline std::vector<int> exchangedDigits(long long a, long long b) {
    auto da = digitsOf(a);
    const auto db = digitsOf(b);
    std::vector<int> top(da.begin(), da.end());
    int borrow = 0;
    for (std::size_t i = 0; i < top.size(); ++i) {
        int t = top[i] - borrow;
        const int s = i < db.size() ? db[i] : 0;
        borrow = t < s ? 1 : 0;
        top[i] = t + 10 * borrow;
    }
    return top;
}

inline bool needsExchange(long long a, long long b) {
    return exchangedDigits(a, b) != digitsOf(a);
}

// "5003 becomes 4 thousands, 9 hundreds, 9 tens and 13 ones" (the top number written as `shown`).
inline std::string exchangeLine(long long a, long long b, int lowest, const std::string& shown) {
    const auto top = exchangedDigits(a, b);
    std::vector<std::string> items;
    for (std::size_t i = top.size(); i-- > 0;) {
        if (i + 1 == top.size() && top[i] == 0 && top.size() > 1) continue;
        items.push_back(countOf(top[i], lowest + static_cast<int>(i)));
    }
    return "Exchange where a top digit is smaller than the one below it: " + shown + " becomes " +
           listed(items) + ".";
}

// One line a column after the exchanges: "ones: 13 − 8 = 5".
inline std::string columnSubtraction(long long a, long long b, int lowest) {
    const auto top = exchangedDigits(a, b);
    const auto db = digitsOf(b);
    std::string out;
    for (std::size_t i = 0; i < top.size(); ++i) {
        if (i + 1 == top.size() && top[i] == 0 && top.size() > 1) continue;
        const int place = lowest + static_cast<int>(i);
        std::string line = capitalPlace(place) + ": ";
        if (i < db.size())
            line += std::to_string(top[i]) + " &minus; " + std::to_string(db[i]) + " = " +
                    std::to_string(top[i] - db[i]);
        else
            line += "write down the " + std::to_string(top[i]);
        out += (out.empty() ? "" : "<br>") + line;
    }
    return out;
}

// Short division, one line a digit: "45 &divide; 7 is 6, with 3 left over". A divisor over 10
// shows the multiplication that finds each digit.
inline std::string shortDivision(long long a, long long b) {
    const std::string s = std::to_string(a);
    std::string out;
    long long rem = 0;
    bool started = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const long long cur = rem * 10 + (s[i] - '0');
        if (!started && cur < b && i + 1 < s.size()) {
            rem = cur;
            continue;
        }
        started = true;
        const long long q = cur / b;
        rem = cur % b;
        std::string line = num(cur) + " &divide; " + num(b) + " is " + std::to_string(q);
        line += rem == 0 ? " exactly" : ", with " + std::to_string(rem) + " left over";
        if (b > 10 && q > 0)
            line += ", as " + num(b) + " &times; " + std::to_string(q) + " = " + num(b * q);
        out += (out.empty() ? "" : "<br>") + line;
    }
    return out;
}

// "758 &times; 9 = 700 &times; 9 + 50 &times; 9 + 8 &times; 9 = 6300 + 450 + 72 = 6822".
inline std::string splitProduct(long long a, long long m) {
    const auto d = digitsOf(a);
    std::vector<long long> parts;
    long long place = 1;
    for (int digit : d) {
        if (digit) parts.insert(parts.begin(), digit * place);
        place *= 10;
    }
    std::string s = num(a) + " &times; " + num(m);
    if (parts.size() > 1) {
        std::string split;
        std::string products;
        for (long long p : parts) {
            split += (split.empty() ? "" : " + ") + num(p) + " &times; " + num(m);
            products += (products.empty() ? "" : " + ") + num(p * m);
        }
        s += " = " + split + " = " + products;
    }
    return s + " = " + num(a * m);
}

// A step's last word never starts a line by itself ("616." alone under a long sum): the last
// plain space outside a tag does not break when what follows it is short.
inline std::string steadyEnd(std::string html) {
    bool inTag = false;
    std::size_t visible = 0;
    for (std::size_t i = html.size(); i-- > 0;) {
        const char c = html[i];
        if (c == '>') inTag = true;
        else if (c == '<') inTag = false;
        else if (!inTag && c == ' ') {
            if (visible <= 16) html.replace(i, 1, "&nbsp;");
            break;
        } else if (!inTag) ++visible;
    }
    return html;
}

}  // namespace working
