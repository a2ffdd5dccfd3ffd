#include "practice/quadratic_equations/quadratic_style.h"

namespace cifrala {

FrameRow frame_kwadratisch() {
    return style_rows::plain_row(5, 5, 5, LineUnit{LineUnit::HeightOfWPlus, 5});
}

FractionStyleA kwadratisch_fraction_style() {
    FractionStyleA s;
    s.shrink = 5;
    s.top_offset = s.top_offset_narrow = -7;
    s.bottom_offset = s.bottom_offset_narrow = 21;
    s.bar_offset = 23;
    s.sign_gap = 3;
    s.sign_y = 1;
    s.wide_bar = false;
    return s;
}

}  // namespace cifrala
