#pragma once
// Turning numbers into text. Reals are written with the locale's decimal
// separator (number_settings.decimal_separator) and never in exponent
// notation.
#include <QString>

namespace cifrala {

// The standard display of a real under number_settings: fixed mode with
// `decimals` decimals or general mode with `significant_digits` digits,
// trailing zeros removed, "0" below the zero limit (10^-14, or 10^-30 with
// tiny_mode). Non-finite values give "0".
QString format_real(double x);
// The text the expression engine writes back for an intermediate value:
// general mode with 15 significant digits.
QString format_real_full(double x);
// x with 15 decimals, trailing zeros and a trailing separator removed.
QString format_fixed15(double x);
// With the locale's separator in the text: trailing "0"s removed, then the
// separator when it is last. Texts without a separator are unchanged.
QString strip_trailing_zeros(const QString& text);
// n characters "0" (empty for n <= 0).
QString zeros_text(int n);
// Decimal text of n, "-" for negatives, no grouping.
QString int_to_text(int n);
QString int_to_text(qint64 n);

// Large numbers with a magnitude word: x >= 10^12 as x/10^12 with the word
// of message 1992, 10^9 with 1991, 10^6 with 1990; below 10^6 the digits
// before the separator grouped by three with single spaces and no word.
// The word is given as its message number (0: none); show it with msg().
struct MagnitudeText {
    QString text;
    int unit_message = 0;
    int exponent = 0;
};
MagnitudeText format_with_magnitude(double x);

// x rounded to 15 significant digits: the value format_real_full(x) reads
// back as (without the zero limit). Exact: equal to the nearest double of the
// rounded decimal.
double round_to_15_digits(double x);

}  // namespace cifrala
