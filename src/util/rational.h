#pragma once
// An exact fraction n/d of 64-bit integers, always reduced with d > 0, for
// the working of exercises whose numbers stay far below the 64-bit limits
// (the function values and parabolas of the roots window: numerators and
// denominators of at most a few million).
#include <QtGlobal>
#include <cstdlib>
#include <numeric>

namespace cifrala {

struct Rational {
    qint64 n = 0;
    qint64 d = 1;

    Rational() = default;
    Rational(qint64 whole) : n(whole) {}  // NOLINT: a whole number is a fraction
    Rational(qint64 num, qint64 den) : n(num), d(den) { normalise(); }

    void normalise() {
        if (d == 0) {  // no value: kept as 0 rather than dividing by zero
            n = 0;
            d = 1;
            return;
        }
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const qint64 g = std::gcd(n < 0 ? -n : n, d);
        if (g > 1) {
            n /= g;
            d /= g;
        }
    }
    bool whole() const { return d == 1; }
    bool negative() const { return n < 0; }
    // |n| > d: written as a mixed number when it is not whole.
    bool improper() const { return (n < 0 ? -n : n) > d; }
    Rational abs() const { return Rational(n < 0 ? -n : n, d); }
    double value() const { return static_cast<double>(n) / static_cast<double>(d); }

    friend Rational operator+(Rational a, Rational b) {
        const qint64 g = std::gcd(a.d, b.d);
        return Rational(a.n * (b.d / g) + b.n * (a.d / g), a.d / g * b.d);
    }
    friend Rational operator-(Rational a) { return Rational(-a.n, a.d); }
    friend Rational operator-(Rational a, Rational b) { return a + (-b); }
    friend Rational operator*(Rational a, Rational b) {
        const qint64 g1 = std::gcd(a.n < 0 ? -a.n : a.n, b.d);
        const qint64 g2 = std::gcd(b.n < 0 ? -b.n : b.n, a.d);
        const qint64 s1 = g1 == 0 ? 1 : g1, s2 = g2 == 0 ? 1 : g2;
        return Rational((a.n / s1) * (b.n / s2), (a.d / s2) * (b.d / s1));
    }
    friend Rational operator/(Rational a, Rational b) { return a * Rational(b.d, b.n); }
    friend bool operator==(Rational a, Rational b) { return a.n == b.n && a.d == b.d; }
    friend bool operator!=(Rational a, Rational b) { return !(a == b); }
};

}  // namespace cifrala
