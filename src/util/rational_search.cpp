#include "util/rational_search.h"

#include <cmath>

namespace cifrala {
namespace {

using Wide = __int128;

// x as the exact fraction m / 2^e.
struct Binary {
    Wide m = 0;
    int e = 0;
};

// The distance |x - p/q| compared with the tolerance, exactly: |m q - p 2^e|
// against tolerance * q * 2^e.
bool within(const Binary& x, Wide p, Wide q, double tolerance) {
    Wide diff = x.m * q - (p << x.e);
    if (diff < 0) diff = -diff;
    const long double allowed =
        std::ldexp(static_cast<long double>(tolerance), x.e) * static_cast<long double>(q);
    return static_cast<long double>(diff) <= allowed;
}

}  // namespace

bool simplest_fraction_within(double x, double tolerance, qint64 max_q, qint64& p, qint64& q) {
    p = 0;
    q = 1;
    if (!std::isfinite(x) || !std::isfinite(tolerance) || x < 0 || x > 2147483648.0 ||
        tolerance < 0 || max_q < 1) {
        return false;
    }
    // Below 2^-40 no fraction with a denominator of at most 10^12 but 0 lies
    // near; only 0 can be within the tolerance.
    if (x < std::ldexp(1.0, -40)) return x <= tolerance;
    int exponent = 0;
    const double mantissa = std::frexp(x, &exponent);  // x = mantissa * 2^exponent
    Binary b;
    b.m = static_cast<Wide>(std::ldexp(mantissa, 53));
    b.e = 53 - exponent;  // between 22 and 93 for the range above
    // Whole numbers first: the nearest one.
    const double whole = std::nearbyint(x);
    if (within(b, static_cast<Wide>(whole), 1, tolerance)) {
        p = static_cast<qint64>(whole);
        return true;
    }
    // Then the candidates in the order of growing denominators: for each term a
    // of the continued fraction, (h2 + j h1) / (k2 + j k1) for j = 1 .. a,
    // the last of which is the next convergent. Within one term the
    // distance to x shrinks as j grows.
    Wide h2 = 0, h1 = 1, k2 = 1, k1 = 0;
    Wide num = b.m, den = Wide(1) << b.e;
    while (den != 0) {
        const Wide a = num / den;
        const Wide rest = num - a * den;
        // The largest j whose denominator stays within max_q.
        Wide j_max = a;
        if (k1 > 0) j_max = std::min<Wide>(a, (static_cast<Wide>(max_q) - k2) / k1);
        if (j_max >= 1 && within(b, h2 + j_max * h1, k2 + j_max * k1, tolerance)) {
            Wide lo = 1, hi = j_max;  // the smallest j within the tolerance
            while (lo < hi) {
                const Wide mid = lo + (hi - lo) / 2;
                if (within(b, h2 + mid * h1, k2 + mid * k1, tolerance)) {
                    hi = mid;
                } else {
                    lo = mid + 1;
                }
            }
            p = static_cast<qint64>(h2 + lo * h1);
            q = static_cast<qint64>(k2 + lo * k1);
            return true;
        }
        if (j_max < a) return false;  // the next denominators pass max_q
        const Wide h = a * h1 + h2;
        const Wide k = a * k1 + k2;
        h2 = h1;
        h1 = h;
        k2 = k1;
        k1 = k;
        num = den;
        den = rest;
    }
    return false;
}

}  // namespace cifrala
