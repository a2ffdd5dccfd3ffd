#include "practice/quadratic_equations/quadratic_style.h"

namespace cifrala {

using namespace style_rows;

namespace {

// The worksheet's bottom band holds the hint.
constexpr int kHintBand = 50;
constexpr int kHintSize = 20;
constexpr int kHintMargin = 5;
// The strip writes its one line a little lower than the worksheet's first.
constexpr int kStripX = 10, kStripY = 14;
constexpr int kPanelFontSize = 16;

}  // namespace

FrameRow frame_kwadratisch() {
    return plain_row(4, 10, 5, LineUnit{LineUnit::HeightOfWPlus, 5});
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

SurfaceStyle kwadratisch_worksheet_style() {
    SurfaceStyle s;
    apply_frame(s, frame_kwadratisch());
    s.fraction = kwadratisch_fraction_style();
    s.hint = HintStyle{kHintSize, kHintMargin, kHintBand, kHintBand, false};
    // Long numbers from an exercise file stay on the sheet.
    s.shrink_to_fit = true;
    return s;
}

SurfaceStyle kwadratisch_strip_style() {
    SurfaceStyle s = kwadratisch_worksheet_style();
    s.frame.start_x = s.frame.left_margin = kStripX;
    s.frame.start_y = kStripY;
    return s;
}

SurfaceStyle kwadratisch_panel_style() {
    SurfaceStyle s;
    apply_frame(s, plain_row(10, 1, 10, LineUnit{LineUnit::HeightOfWPlus, 0},
                             FontSpec{QStringLiteral("verdana"), kPanelFontSize}));
    s.frame.own_background = true;
    s.frame.background = Qt::white;
    return s;
}

}  // namespace cifrala
