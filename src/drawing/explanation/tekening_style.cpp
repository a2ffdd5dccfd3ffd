#include "drawing/explanation/tekening_style.h"

namespace cifrala {

FractionStyleB tekening_fraction_style() {
    return FractionStyleB{3, -12, 16, 16, -1, 1, 0, 0};
}

SurfaceStyle tekening_style() {
    SurfaceStyle s;
    s.font = FontSpec{QStringLiteral("verdana"), 18, false};
    s.frame.start_x = 3;
    s.frame.start_y = 5;
    s.frame.left_margin = 3;
    s.frame.pen_after = 1;
    s.frame.own_background = true;
    s.frame.background = Qt::white;
    s.line_unit = LineUnit{LineUnit::Stored, 1};
    s.fraction_b = tekening_fraction_style();
    s.superscript = SuperscriptStyle{6, -6};
    s.superscript_small = SuperscriptStyle{8, -4};
    return s;
}

}  // namespace cifrala
