#pragma once
// Writing quadratic functions and exact numbers on the roots window's
// worksheet for the parabola and function-value modes: a x² + b x + c with
// its coefficients written as a pupil writes them (1 left out, -1 as "-",
// terms with 0 left out), whole numbers, stacked fractions and mixed
// numbers, and the terms of a sum with " + " and " - " between them. Each
// writes at the Formula cursor and moves it on.
#include <QColor>
#include <QString>

#include "util/rational.h"

namespace cifrala {

class Surface;

// a x² + b x + c (integers).
void write_quadratic(Surface& s, int a, int b, int c);
// The same with `x` written for every x: after "·" when the coefficient is
// not ±1 ("2·0² - 3·0 + 1").
void write_quadratic_filled_in(Surface& s, int a, int b, int c, const QString& x);
// a x + b with the sign rule of the terms ("2x - 6").
void write_linear(Surface& s, int a, int b);

// A number: whole, or a stacked fraction with its sign in front; `mixed`
// writes an improper fraction as a mixed number.
void write_number(Surface& s, Rational v, bool mixed);
// A term of a sum: " + " or " - " and |v| (the first term only its "-").
void write_term(Surface& s, Rational v, bool first, bool mixed);
// A stacked fraction of two texts (its sign in front when `top` starts with
// "-").
void write_fraction_text(Surface& s, const QString& top, const QString& bottom);
// A stacked fraction whose top is a sum ("-1 - 1", "6 - 4 + 9"): a leading
// "-" stays with the first term of the top.
void write_sum_over(Surface& s, const QString& top, const QString& bottom);
// A coefficient in front of a factor: "", "-", "3", a fraction; with
// " + "/" - " in front when it is not the first term.
void write_coefficient(Surface& s, Rational v, bool first, bool mixed);
// A remark of the working on the worksheet, smaller and in blue.
void write_remark(Surface& s, const QString& text);
// The plain text "2x^2 - 3x + 1" of a x² + b x + c, for message boxes.
QString quadratic_text(int a, int b, int c);

inline const QColor kRemarkColour{0, 0, 160};

}  // namespace cifrala
