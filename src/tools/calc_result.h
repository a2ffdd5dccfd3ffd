#pragma once
// What the calculator shows for a value: an exact fraction (or mixed number)
// when "Breuken exact" is ticked and the value is close to a fraction, the
// exact root form when number_settings.exact_roots is on, else format_real.
#include <QString>
#include <QtGlobal>

namespace cifrala {

// The calculator's real-to-fraction conversion for v >= 0: the value rounded
// to 8 decimals, then the first denominator q = 2, 3, ... up to 100,000,000
// for which v * q lies within a relative 10^-6 of a whole number p; p/q is
// returned reduced. With exact_roots on, p/q must also lie within 5 * 10^-7
// of v. False when v is negative, not finite, above 2147483647 or no
// denominator fits.
bool calculator_fraction(double v, qint64& p, qint64& q);

// The fraction text of p/q (p >= 0, q >= 1, reduced): "0", "p", "1", a mixed
// number "w  r/q" (two blanks) when q < p and mixed_numbers is on, else "p/q".
QString fraction_result_text(qint64 p, qint64 q);

// The complete result text of v, with "-" in front of negative values.
QString calculator_result_text(double v, bool exact_fractions);

}  // namespace cifrala
