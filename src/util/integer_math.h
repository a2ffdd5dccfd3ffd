#pragma once
// Integer and fraction arithmetic, and the real powers the exercises use.
// Nothing here overflows silently into undefined behaviour: results that do
// not fit in 32 bits saturate at the 32-bit limits.
#include <QtGlobal>

namespace cifrala {

// Greatest common divisor of |a| and |b|; gcd(a, 0) = |a|, gcd(0, 0) = 0.
// Exact for all operands; the one result that does not fit in an int, 2^31,
// saturates to INT_MAX.
int gcd(int a, int b);
qint64 gcd64(qint64 a, qint64 b);
// a*b / gcd(a, b) with the sign of a*b; 0 when either is 0. Saturates.
int lcm(int a, int b);
// Divides p and q by gcd(p, q) (nothing happens for 0/0).
void reduce_fraction(int& p, int& q);
// p/q = a/b + c/d and a/b - c/d, reduced, denominator positive, a zero result
// is 0/1. False (and 0/1) when a denominator is 0 or the reduced result does
// not fit in 32 bits.
bool add_fractions(int a, int b, int c, int d, int& p, int& q);
bool subtract_fractions(int a, int b, int c, int d, int& p, int& q);
// True when |a| has a prime factor that b does not have (a = 12, b = 2: 3).
bool has_other_factor(int a, int b);
// a^n for n >= 0 (1 for n <= 0), saturated to 32 bits.
int int_power(int a, int n);
// base^exponent for base > 0. For base <= 0 only whole exponents are
// defined; otherwise, and for results outside the range of doubles, 0.
double power(double base, double exponent);
double pow10(double x);
// round(sqrt(n)), 0 for n < 0.
int round_sqrt(int n);
// n = square * rest with the largest square dividing n (12 -> 4, 3;
// 50 -> 25, 2; 7 -> 1, 7). A perfect square or 0 gives (n, 1). For negative n
// the rest carries the sign.
void split_square(int n, int& square, int& rest);
// Rounds to the nearest integer, ties to even, saturated to the int range
// (NaN gives 0).
int round_to_int(double x);

}  // namespace cifrala
