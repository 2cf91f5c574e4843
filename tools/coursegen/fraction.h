#pragma once
// Exact rational arithmetic for answer keys: no key ever passes through floating point.

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <stdexcept>
#include <string>

struct Frac {
    std::int64_t n = 0;
    std::int64_t d = 1;

    Frac() = default;
    Frac(std::int64_t whole) : n(whole), d(1) {}  // NOLINT: integers read naturally as fractions
    Frac(std::int64_t num, std::int64_t den) : n(num), d(den) {
        if (d == 0) throw std::logic_error("zero denominator");
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const std::int64_t g = std::gcd(n < 0 ? -n : n, d);
        if (g > 1) {
            n /= g;
            d /= g;
        }
    }

    bool isInt() const { return d == 1; }
    std::int64_t whole() const { return n / d; }

    friend Frac operator+(Frac a, Frac b) { return Frac(a.n * b.d + b.n * a.d, a.d * b.d); }
    friend Frac operator-(Frac a, Frac b) { return Frac(a.n * b.d - b.n * a.d, a.d * b.d); }
    friend Frac operator*(Frac a, Frac b) { return Frac(a.n * b.n, a.d * b.d); }
    friend Frac operator/(Frac a, Frac b) { return Frac(a.n * b.d, a.d * b.n); }
    friend bool operator==(Frac a, Frac b) { return a.n == b.n && a.d == b.d; }
    friend bool operator<(Frac a, Frac b) { return a.n * b.d < b.n * a.d; }
    friend bool operator>(Frac a, Frac b) { return b < a; }
    friend bool operator<=(Frac a, Frac b) { return !(b < a); }
    friend bool operator>=(Frac a, Frac b) { return !(a < b); }

    // "7/8", or "3" for a whole number.
    std::string text() const {
        return d == 1 ? std::to_string(n) : std::to_string(n) + "/" + std::to_string(d);
    }

    // "5 2/3" for a positive value with a fractional part.
    std::string mixed() const {
        if (n < 0) throw std::logic_error("negative mixed number");
        if (d == 1) return std::to_string(n);
        if (n < d) return text();
        return std::to_string(n / d) + " " + std::to_string(n % d) + "/" + std::to_string(d);
    }

    // Exact decimal text without trailing zeros; the denominator must only hold factors 2 and 5.
    std::string dec() const {
        std::int64_t den = d;
        int places = 0;
        std::int64_t scale = 1;
        while (den % 2 == 0 || den % 5 == 0) {
            if (den % 2 == 0)
                den /= 2;
            else
                den /= 5;
            ++places;
            scale *= 10;
        }
        if (den != 1) throw std::logic_error("no exact decimal for " + text());
        std::int64_t scaled = n * (scale / d);
        const bool neg = scaled < 0;
        if (neg) scaled = -scaled;
        std::string digits = std::to_string(scaled);
        if (places > 0) {
            while (static_cast<int>(digits.size()) <= places) digits.insert(digits.begin(), '0');
            digits.insert(digits.end() - places, '.');
            while (digits.back() == '0') digits.pop_back();
            if (digits.back() == '.') digits.pop_back();
        }
        return neg ? "-" + digits : digits;
    }

    // Decimal text with exactly `places` decimals (the value must be exact at that precision).
    std::string fixed(int places) const {
        std::int64_t scale = 1;
        for (int i = 0; i < places; ++i) scale *= 10;
        const Frac s = *this * Frac(scale);
        if (!s.isInt()) throw std::logic_error("not exact at that precision: " + text());
        std::int64_t v = s.n;
        const bool neg = v < 0;
        if (neg) v = -v;
        std::string digits = std::to_string(v);
        if (places > 0) {
            while (static_cast<int>(digits.size()) <= places) digits.insert(digits.begin(), '0');
            digits.insert(digits.end() - places, '.');
        }
        return neg ? "-" + digits : digits;
    }
};
