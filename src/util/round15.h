#pragma once
// Rounding to 15 significant digits the quick way, exactly as
// round_to_15_digits (format.h) does; inline for the loops that round many
// values, as the expression engine's blocks do.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace cifrala {

// The whole number nearest to x, ties to even: nearbyint in the default
// rounding mode, without the call (and the saving of the floating-point
// state) that nearbyint costs where the processor has no rounding
// instruction. Infinities, NaN and values already whole pass unchanged.
[[gnu::always_inline]] inline double nearest_whole(double x) {
    constexpr double kTwo52 = 4503599627370496.0;
    const double a = std::fabs(x);
    if (!(a < kTwo52)) return x;  // whole already, or not finite
    // Adding 2^52 leaves no fraction bits, so the sum is rounded to a whole.
    return std::copysign((a + kTwo52) - kTwo52, x);
}

namespace round15_detail {

// By way of the decimal text: for magnitudes the quick way does not cover.
double round_15_slow(double x);

inline constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Rounds y = a * 10^k (a > 0) to an integer, given y's nearest double;
// `residual` gives the sign of the exact residual (exact value - y), asked
// only when y lies halfway between two integers.
template <typename Residual>
[[gnu::always_inline]] inline double round_with_residual(double y, Residual residual) {
    const double r = nearest_whole(y);  // y < 2^52
    const double frac = y - r;          // exact: y and r are close and y < 2^53
    if (frac == 0.5 || frac == -0.5) {
        // The residual decides; a true tie stays with the even choice.
        const double rest = residual();
        if (rest > 0) return std::floor(y) + 1;
        if (rest < 0) return std::floor(y);
    }
    return r;
}

// For each binade [2^(e-1), 2^e) of the values that are rounded the quick
// way (10^-8 to 10^37): floor(log10) of its lower end, and the power of ten
// that lies inside it (infinity when none does), so that floor(log10(a))
// of an a in it is found with one comparison.
struct DecimalExponents {
    static constexpr int kFirst = -30, kLast = 130;
    int low[kLast - kFirst + 1] = {};
    double next_power[kLast - kFirst + 1] = {};

    constexpr DecimalExponents() {
        for (int e = kFirst; e <= kLast; ++e) {
            double lower = 1;  // 2^(e-1)
            for (int i = 0; i < e - 1; ++i)
                lower *= 2;
            for (int i = 0; i > e - 1; --i)
                lower /= 2;
            int d = 0;
            double p = 1;  // 10^d <= lower < 10^(d+1)
            while (p * 10 <= lower) {
                p *= 10;
                ++d;
            }
            while (p > lower) {
                p /= 10;
                --d;
            }
            const size_t i = static_cast<size_t>(e - kFirst);
            low[i] = d;
            next_power[i] = p * 10 < 2 * lower ? p * 10 : __builtin_inf();
        }
    }
};

inline constexpr DecimalExponents kDecimalExponents;

// floor(log10(a)) for 10^-8 <= a < 10^37, give or take one where a lies
// within rounding of a power of ten; the caller's check settles that.
inline int floor_log10(double a) {
    const int e = static_cast<int>((std::bit_cast<std::uint64_t>(a) >> 52) & 0x7FF) - 1022;
    const size_t i = static_cast<size_t>(e - DecimalExponents::kFirst);
    return kDecimalExponents.low[i] + (a >= kDecimalExponents.next_power[i] ? 1 : 0);
}

}  // namespace round15_detail

// round_to_15_digits, inline for the loops that round many values.
[[gnu::always_inline]] inline double round_to_15_digits_inline(double x) {
    using namespace round15_detail;
    if (x == 0 || !std::isfinite(x)) return x;
    const double a = std::fabs(x);
    if (a < 1e-8 || a >= 1e37) return round_15_slow(x);
    // k such that a * 10^k lies in [10^14, 10^15).
    int k = std::min(22, 14 - floor_log10(a));
    auto scaled = [&](int kk) { return kk >= 0 ? a * kPow10[kk] : a / kPow10[-kk]; };
    double y = scaled(k);
    if (y < 1e14) {
        ++k;
        y = scaled(k);
    } else if (y >= 1e15) {
        --k;
        y = scaled(k);
    }
    if (k > 22 || k < -22) return round_15_slow(x);
    double result;
    if (k >= 0) {
        const double p = kPow10[k];
        // a*p - y, exactly
        result = round_with_residual(y, [&] { return std::fma(a, p, -y); }) / p;
    } else {
        const double p = kPow10[-k];
        // a - y*p, exactly
        result = round_with_residual(y, [&] { return std::fma(-y, p, a); }) * p;
    }
    return x < 0 ? -result : result;
}

}  // namespace cifrala
