#include "practice/multitopic/multitopic_style.h"

namespace cifrala {

using namespace style_rows;

FrameRow frame_diffketting(int topic, int category) {
    const LineUnit unit{LineUnit::Stored, 1};
    if (topic == 35 || topic == 43) {
        FrameRow r = plain_row(100, 10, 100, unit);
        r.frame.lines = {horizontal(from_end(48), from_start(10), from_end(10)),
                         horizontal(from_start(80), from_start(10), from_end(10)),
                         vertical(80, from_start(10), from_end(50))};
        return r;
    }
    if (topic == 44) return plain_row(100, 20, 3, unit);
    const bool lower = topic == 23 || topic == 65 || category == 4 || category == 7 ||
                       category == 15 || category == 16;
    return plain_row(3, lower ? 20 : 15, 3, unit);
}

FractionStyleB diffketting_fraction_style() {
    return FractionStyleB{8, -5, 22, 25, 0, 2, 3, 0};
}

SuperscriptStyle diffketting_superscript_small() {
    return {8, -2};
}

HintStyle diffketting_hint_row() {
    return HintStyle{0, 10, 43, 40, false};
}

HintStyle diffketting_hint_text() {
    return HintStyle{0, 10, 39, 39, false};
}

HintStyle diffketting_hint() {
    return HintStyle{20, 3, 40, 40, false};
}

SurfaceStyle diffketting_style(int topic, int category, int font_size, bool courier) {
    FrameRow row = frame_diffketting(topic, category);
    row.font = courier ? FontSpec{QStringLiteral("Courier new"), font_size, true}
                       : FontSpec{QStringLiteral("verdana"), font_size, false};
    SurfaceStyle s;
    apply_frame(s, row);
    s.fraction_b = diffketting_fraction_style();
    s.superscript = SuperscriptStyle{5, -9};
    s.superscript_small = diffketting_superscript_small();
    s.hint = diffketting_hint();
    s.exponent_fraction.unit = 0;  // the worksheet's line unit
    s.root_sign.pen_width = 3;
    return s;
}

}  // namespace cifrala
