#pragma once
// How the quadratic-equations window writes its mathematics at a surface's
// Formula cursor: the terms of a polynomial with their signs, the equation
// in each of its forms, a root of a linear equation in its stages, the abc
// formula's fractions with a root in the numerator, and numbers that are
// put in brackets when they are negative. Each operation moves the cursor
// on and records what it wrote so that the surface reads as the pupil
// reads it ("x^2 - 5x + 6 = 0", "(-5 + V(13))/2").
#include <QString>
#include <vector>

#include "practice/quadratic_equations/quadratic_exercise.h"

namespace cifrala {

class Surface;

// "x", "-x" or "3x" (and "x^2" with the superscript for power 2); a
// coefficient 0 writes nothing.
void write_leading_term(Surface& s, long long coefficient, int power);
// A further term: " + " or " - " and the absolute value (left out before
// x when it is 1); a coefficient 0 writes nothing.
void write_further_term(Surface& s, long long coefficient, int power);
// A·x² + B·x + C without its zero terms ("0" when all are zero).
void write_polynomial(Surface& s, long long A, long long B, long long C);
// p·x ± |q| (p by the leading-term rule).
void write_linear(Surface& s, long long p, long long q);
// The equation as the strip shows it, in its form.
void write_equation(Surface& s, const QuadraticExercise& e);

// A whole number, in brackets when it is negative ("(-3)").
QString bracketed(long long n);

// The stages of root_stages(n, d) joined by " = "; without the first stage
// when `reduced_only`.
void write_root(Surface& s, long long n, long long d, bool reduced_only = false);
// One stage.
void write_stage(Surface& s, const RootStage& stage);

// A piece of the numerator of a fraction: a text, or a root over a radicand
// (with a coefficient in front when it is not empty).
struct FormulaPiece {
    QString text;
    QString radicand;  // not empty: a root sign over this
};
// A stacked fraction with these numerator pieces over `bottom` (an empty
// bottom writes only the numerator, without a bar).
void write_fraction_with_roots(Surface& s, const std::vector<FormulaPiece>& top,
                               const QString& bottom);

// √n in the line's size.
void write_root_sign(Surface& s, const QString& radicand);

}  // namespace cifrala
