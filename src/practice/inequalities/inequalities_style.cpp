#include "practice/inequalities/inequalities_style.h"

namespace cifrala {

using namespace style_rows;

FrameRow frame_ongelijkheden(int surface) {
    if (surface == 3) return plain_row(0, 5, 10, LineUnit{LineUnit::HeightOfW, 1.6});
    return plain_row(10, 10, 10, LineUnit{LineUnit::HeightOfW, 1.6});
}

FractionStyleA ongelijkheden_fraction_style() {
    FractionStyleA s;
    s.shrink = 5;
    s.top_offset = s.top_offset_narrow = -7;
    s.bottom_offset = s.bottom_offset_narrow = 21;
    s.bar_offset = 20;
    s.sign = FractionStyleA::NoSign;
    s.sign_gap = 0;
    s.wide_bar = false;
    return s;
}

}  // namespace cifrala
