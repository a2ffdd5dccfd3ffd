#pragma once
// Writes formulas (formula_pieces.h) on a surface at its Formula cursor, in
// the multi-topic window's typesetting: superscripts 5 points smaller at
// y - 9, stacked fractions centred in their common width with the window's
// fraction offsets (the pieces themselves may hold superscripts and roots),
// small fractions inside an exponent, and root signs that reach over what
// stands under them. What is drawn is recorded on the surface's display
// list as the pupil reads it: one fraction, superscript or root item per
// composite written at the top level of the line.
#include "practice/multitopic/formula_pieces.h"

namespace cifrala {

class Surface;

class FormulaWriter {
public:
    explicit FormulaWriter(Surface& surface) : s_(surface) {}

    // The width of the formula in the surface's current font.
    int width(const Formula& f);
    // The formula fits between the cursor and the right edge.
    bool fits(const Formula& f);
    // Writes at the cursor; x advances by the formula's width.
    void write(const Formula& f);
    // The same; a formula that would pass the right edge is written in a
    // smaller font (the font size afterwards is what it was).
    void write_fitting(const Formula& f);

    // newline(f) on the surface, and further down when the formula would
    // otherwise come too close to what is written above it.
    void newline(double f, const Formula& next);

    // Room kept free at the right edge.
    static constexpr int kRightMargin = 8;

private:
    void formula(const Formula& f, int y, int depth, bool in_exponent);
    void piece(const Piece& p, int y, int depth, bool in_exponent);
    void power(const Piece& p, int y, int depth);
    void fraction(const Piece& p, int y, int depth);
    void exponent_fraction(const Piece& p, int y);
    void root(const Piece& p, int y, int depth);
    // Extra room before `next` after the piece written before it.
    int gap_between(const Piece* before, const Piece& next);
    // The width of a piece written at this depth, measured without drawing.
    int measure(const Formula& f, int depth, bool in_exponent);
    // How far above (negative) or below the top of its text line the ink of
    // a piece begins, and where the ink of a piece ends below that top, in the
    // current font.
    int ink_top(const Formula& f, bool in_exponent);
    int ink_bottom(const Formula& f);
    // The y of a root's overbar relative to the line's top.
    int overbar_offset(const Formula& radicand);

    Surface& s_;
};

}  // namespace cifrala
