#include "practice/roots/roots_style.h"

#include <algorithm>

namespace cifrala {

using namespace style_rows;

FrameRow frame_wortels(int surface) {
    if (surface == 1)
        return plain_row(10, 10, 10, LineUnit{LineUnit::HeightOfW, 1.6},
                         FontSpec{QStringLiteral("verdana"), 20});
    FrameRow r = plain_row(10, 10, 10, LineUnit{LineUnit::HeightOfW, 1.2},
                           FontSpec{QStringLiteral("verdana"), 16});
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

namespace {

SurfaceStyle wortels_style(int surface) {
    SurfaceStyle s;
    apply_frame(s, frame_wortels(surface));
    s.fraction = wortels_fraction_style();
    s.superscript = wortels_superscript();
    return s;
}

}  // namespace

SurfaceStyle wortels_worksheet_style() {
    return wortels_style(1);
}

SurfaceStyle wortels_hint_area_style(int height) {
    SurfaceStyle s = wortels_style(2);
    const int band = std::max(1, height - kWortelsHintY);
    s.hint = HintStyle{0, 10, band, band, false};
    return s;
}

}  // namespace cifrala
