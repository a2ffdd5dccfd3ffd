#pragma once
// Exact display of reals as fractions, roots and multiples of pi, and the
// round values of axis ranges.
#include <QString>

namespace cifrala {

// The sign the label writer draws as pi, used by pi_multiple_text.
inline constexpr char16_t kPiSign = u'\u03C0';

// x as a fraction, mixed number or square-root form, depending on
// number_settings (exact_roots, root_coefficients, exact_fractions,
// mixed_numbers); otherwise format_real(x). The letter V is the root sign.
QString format_exact(double x);
// The plain text of sqrt(square) * sqrt(rest): (4, 3) -> "2V3", (1, 5) ->
// "V5", (9, 1) -> "3".
QString root_text(int square, int rest);
// x (radians) as a rational multiple of pi with a denominator up to 100
// ("pi/2", "3pi/4", "2pi"); the pi sign is "pi" with_letters, else kPiSign.
// No such multiple: format_real(|x|). Negative x gets "-".
QString pi_multiple_text(double x, bool with_letters);

// A fraction p/q with |p/q - |x|| < tol: the first q = 2, 3, ... for which
// some p fits (q = 1 when the fractional part is below tol), reduced. The
// sign of x is not kept. The search gives up after q = 2,000,001.
void approximate_fraction(double x, double tol, qint64& p, qint64& q);

// Rounds the end of an axis range to a round value, keeping the sign:
// 37 -> 40, 20 -> 30, 3.2 -> 4, 0.37 -> 0.4, 0.034 -> 0.03.
void round_leading_digit(double& x);
// The next multiple of the leading power of ten above x: 37 -> 40, 40 -> 50.
double round_up_leading(double x);

}  // namespace cifrala
