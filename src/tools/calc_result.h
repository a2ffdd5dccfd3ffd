#pragma once
// What the calculator shows for a value: a fraction (or mixed number) when
// "Breuken exact" is ticked and one fits, the exact root form when
// number_settings.exact_roots is on, else format_real.
#include <QString>
#include <QtGlobal>
#include <optional>

namespace cifrala {

struct CalcFraction {
    qint64 p = 0;  // reduced, p >= 0
    qint64 q = 1;
    // False when the fraction only approximates the value (pi as 355/113).
    bool exact = true;
};

// The largest denominator the calculator writes.
inline constexpr qint64 kCalcMaxDenominator = 100000000;

// The calculator's real-to-fraction conversion for v >= 0:
// - exact: the fraction with the smallest denominator up to 10^8 that equals
//   v to the precision of the computation (some units in the last place),
//   provided that precision can tell it from the fractions around it: near 1
//   that holds for denominators up to about 2 * 10^5, near smaller values
//   for larger ones (1/300, 1/998, 10000000/7, 1/99999989 are exact);
// - else an approximation: the first fraction, by denominator up to 10^8,
//   within a relative 10^-6 of v (0,3333333 -> 1/3, pi -> 355/113), with
//   exact_roots on only when it also lies within 5 * 10^-7 of v.
// Nothing when v is negative, not finite, above 2147483647 or no fraction fits.
std::optional<CalcFraction> calculator_fraction(double v);

// The fraction text of p/q (p >= 0, q >= 1, reduced): "0", "p", "1", a mixed
// number "w  r/q" (two blanks) when q < p and mixed_numbers is on, else "p/q".
QString fraction_result_text(qint64 p, qint64 q);

// The sign that stands before a fraction that only approximates the value.
inline constexpr char16_t kApproximatelySign = u'\u2248';

// The complete result text of v, with "-" in front of negative values and
// "≈ " in front of an approximating fraction.
QString calculator_result_text(double v, bool exact_fractions);

}  // namespace cifrala
