#include "practice/roots/roots_style.h"

namespace cifrala {

using namespace style_rows;

FrameRow frame_wortels(int surface) {
    if (surface == 1) return plain_row(10, 10, 10, LineUnit{LineUnit::HeightOfW, 1.6});
    FrameRow r = plain_row(10, 10, 10, LineUnit{LineUnit::HeightOfW, 1.2});
    if (surface == 3) {
        r.frame.own_background = true;
        r.frame.background = QColor(255, 255, 0);
    }
    return r;
}

FractionStyleA wortels_fraction_style() {
    FractionStyleA s;
    s.top_offset = -7;
    s.top_offset_narrow = -9;
    s.bottom_offset = 21;
    s.bottom_offset_narrow = 20;
    s.bar_offset = 18;
    s.sign = FractionStyleA::FromTopText;
    s.sign_gap = 3;
    return s;
}

SuperscriptStyle wortels_superscript() {
    return {6, -5};
}

}  // namespace cifrala
