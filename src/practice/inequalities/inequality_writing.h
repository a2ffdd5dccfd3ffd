#pragma once
// How the quadratic-inequalities window writes at a surface's Formula
// cursor: terms by the term rule, the parabola and the line, the
// inequality, a name with a subscript ("y" with "1"), and the signs of the
// interval notation (angle brackets and arrows, drawn as lines).
#include <QString>

#include "practice/inequalities/inequality_exercise.h"

namespace cifrala {

class Surface;

// A term after an earlier one: " + k" or " - |k|", nothing for 0; an
// x-term writes " + x" / " - x" for ±1 and appends "x" to other numbers.
void write_term(Surface& s, int k, bool x_term);
// "x²" (for a = 1), then the b-term and the c-term.
void write_parabola(Surface& s, const InequalityExercise& e);
// The line as a leading expression: its x-term, then the intercept by the
// term rule; without an x-term the intercept alone ("0" for 0).
void write_line(Surface& s, int slope, int intercept);
// parabola, " < " / " > " (" = " for the equation), line.
void write_inequality(Surface& s, const InequalityExercise& e, bool equation = false);

// `name` with `sub` below it, `shrink` points smaller and `drop` pixels
// lower; the subscript reads with its line.
void write_with_index(Surface& s, const QString& name, const QString& sub, int shrink, int drop);

// The signs of the interval notation, each 3 pixels after the cursor, pen
// width 2, in the height of "w".
void open_bracket(Surface& s);
void closing_bracket(Surface& s);
void left_arrow(Surface& s);
void right_arrow(Surface& s);

// A whole value as the worksheet writes numbers.
QString number_text(double v);

}  // namespace cifrala
