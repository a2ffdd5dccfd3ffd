#include "util/integer_math.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace cifrala {
namespace {

constexpr qint64 kIntMax = std::numeric_limits<int>::max();
constexpr qint64 kIntMin = std::numeric_limits<int>::min();

int saturate(qint64 v) {
    return static_cast<int>(std::clamp(v, kIntMin, kIntMax));
}

quint64 magnitude(qint64 v) {
    return v < 0 ? 0 - static_cast<quint64>(v) : static_cast<quint64>(v);
}

quint64 gcd_u(quint64 a, quint64 b) {
    while (b != 0) {
        const quint64 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// p/q reduced with q > 0; false when it does not fit in 32 bits.
bool store_fraction(qint64 num, qint64 den, int& p, int& q) {
    if (num == 0) {
        p = 0;
        q = 1;
        return true;
    }
    const qint64 g = static_cast<qint64>(gcd_u(magnitude(num), magnitude(den)));
    num /= g;
    den /= g;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    if (num < kIntMin || num > kIntMax || den > kIntMax) {
        p = 0;
        q = 1;
        return false;
    }
    p = static_cast<int>(num);
    q = static_cast<int>(den);
    return true;
}

}  // namespace

qint64 gcd64(qint64 a, qint64 b) {
    const quint64 g = gcd_u(magnitude(a), magnitude(b));
    return g > static_cast<quint64>(std::numeric_limits<qint64>::max())
               ? std::numeric_limits<qint64>::max()
               : static_cast<qint64>(g);
}

int gcd(int a, int b) {
    return saturate(gcd64(a, b));
}

int lcm(int a, int b) {
    if (a == 0 || b == 0) return 0;
    const double v = static_cast<double>(a) * b / static_cast<double>(gcd64(a, b));
    const double r = std::nearbyint(v);
    if (r >= static_cast<double>(kIntMax)) return static_cast<int>(kIntMax);
    if (r <= static_cast<double>(kIntMin)) return static_cast<int>(kIntMin);
    return static_cast<int>(r);
}

void reduce_fraction(int& p, int& q) {
    const qint64 g = gcd64(p, q);
    if (g <= 1) return;
    p = static_cast<int>(p / g);
    q = static_cast<int>(q / g);
}

bool add_fractions(int a, int b, int c, int d, int& p, int& q) {
    if (b == 0 || d == 0) {
        p = 0;
        q = 1;
        return false;
    }
    return store_fraction(qint64{a} * d + qint64{c} * b, qint64{b} * d, p, q);
}

bool subtract_fractions(int a, int b, int c, int d, int& p, int& q) {
    if (b == 0 || d == 0) {
        p = 0;
        q = 1;
        return false;
    }
    return store_fraction(qint64{a} * d - qint64{c} * b, qint64{b} * d, p, q);
}

bool has_other_factor(int a, int b) {
    quint64 rest = magnitude(a);
    const quint64 base = magnitude(b);
    if (rest == 0) return false;
    // Remove every prime factor that a shares with b.
    for (quint64 g = gcd_u(rest, base); g > 1; g = gcd_u(rest, base))
        rest /= g;
    return rest > 1;
}

int int_power(int a, int n) {
    if (n <= 0) return 1;
    if (a == 0 || a == 1) return a;
    if (a == -1) return n % 2 == 0 ? 1 : -1;
    qint64 r = 1;
    for (int i = 0; i < n; ++i) {
        r *= a;  // |a| >= 2: saturates within 32 steps
        if (r > kIntMax || r < kIntMin) return saturate(r);
    }
    return static_cast<int>(r);
}

double power(double base, double exponent) {
    double r = 0;
    if (base > 0) {
        r = std::pow(base, exponent);
    } else if (exponent == std::trunc(exponent)) {
        r = std::pow(base, exponent);
    }
    return std::isfinite(r) ? r : 0;
}

double pow10(double x) {
    return power(10, x);
}

int round_sqrt(int n) {
    return n <= 0 ? 0 : static_cast<int>(std::lround(std::sqrt(double(n))));
}

void split_square(int n, int& square, int& rest) {
    const qint64 m = n < 0 ? -qint64{n} : qint64{n};
    qint64 k = static_cast<qint64>(std::sqrt(static_cast<double>(m)));
    while (k * k > m)
        --k;
    while ((k + 1) * (k + 1) <= m)
        ++k;
    if (m == 0 || k * k == m) {
        square = n;
        rest = 1;
        if (n < 0) {  // -16 = 16 * -1
            square = static_cast<int>(m);
            rest = -1;
        }
        return;
    }
    while (k > 1 && m % (k * k) != 0)
        --k;
    square = static_cast<int>(k * k);
    rest = static_cast<int>(n / (k * k));
}

int round_to_int(double x) {
    if (std::isnan(x)) return 0;
    const double r = std::nearbyint(x);
    if (r >= static_cast<double>(kIntMax)) return static_cast<int>(kIntMax);
    if (r <= static_cast<double>(kIntMin)) return static_cast<int>(kIntMin);
    return static_cast<int>(r);
}

}  // namespace cifrala
