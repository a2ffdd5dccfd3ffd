#pragma once
// The simplest fraction near a real: along the continued fraction of the
// real's exact binary value, so that denominators up to 10^8 are found in a
// few dozen steps and without rounding errors of its own.
#include <QtGlobal>

namespace cifrala {

// The fraction p/q with the smallest denominator 1 <= q <= max_q for which
// |x - p/q| <= tolerance (x >= 0 and finite, x <= 2^31, tolerance >= 0);
// reduced (of two whole numbers the nearer one). False when
// no such fraction exists or x is outside that range.
bool simplest_fraction_within(double x, double tolerance, qint64 max_q, qint64& p, qint64& q);

}  // namespace cifrala
