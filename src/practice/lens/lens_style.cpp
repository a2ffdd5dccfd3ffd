#include "practice/lens/lens_style.h"

namespace cifrala {

FrameRow frame_lenzen() {
    return style_rows::plain_row(10, 5, 10, LineUnit{LineUnit::Stored, 1});
}

FractionStyleB lenzen_fraction_style() {
    return FractionStyleB{8, -5, 22, 22, 0, 2, 3, 2};
}

HintStyle lenzen_hint() {
    return HintStyle{20, 3, 40, 40, false};
}

SurfaceStyle lenzen_worksheet_style() {
    SurfaceStyle s;
    apply_frame(s, frame_lenzen());
    s.fraction_b = lenzen_fraction_style();
    s.hint = lenzen_hint();
    // The given distances of an own exercise may be long numbers.
    s.shrink_to_fit = true;
    return s;
}

SurfaceStyle lenzen_diagram_style() {
    SurfaceStyle s;
    apply_frame(s, style_rows::plain_row(3, 3, 3, LineUnit{LineUnit::Fixed, 20},
                                         FontSpec{QStringLiteral("verdana"), 14}));
    s.frame.own_background = true;
    s.frame.background = Qt::white;
    return s;
}

}  // namespace cifrala
