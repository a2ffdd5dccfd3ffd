#pragma once
// The fixed tolerances with which the program compares reals. A magnitude
// below 10^-5 counts as zero everywhere (a divisor below it is a division by
// zero).
#include <cmath>

namespace cifrala {

// |x| < 9e-10
inline bool is_tiny(double x) {
    return std::fabs(x) < 9e-10;
}
// |x| < 1e-5
inline bool is_zero(double x) {
    return std::fabs(x) < 1e-5;
}
// x <= -1e-5 in effect
inline bool is_negative(double x) {
    return x < 4e-6 && !is_zero(x);
}
// x >= 1e-5 in effect
inline bool is_positive(double x) {
    return x > -4e-6 && !is_zero(x);
}
// c lies in [b, a] within the tolerance: neither b - c nor c - a is positive.
inline bool is_between(double a, double b, double c) {
    return !is_positive(b - c) && !is_positive(c - a);
}
// True when x is within a relative 10^-6 of an integer (or |x| < 10^-6,
// n = 0); n receives that integer (rounded half to even). False, with n = 0,
// when the integer does not fit in 32 bits or x is not finite.
bool near_integer(double x, int& n);
bool near_integer(double x);

}  // namespace cifrala
