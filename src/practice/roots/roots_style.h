#pragma once
// The roots window's typesetting rows: the worksheet in "verdana" 20 and the
// hint area below it in "verdana" 16, both starting at (10, 10); fractions
// that take their sign from the top text; superscripts 6 points smaller and
// 5 pixels up; and the place and size of the root signs.
#include "formula/style_rows.h"

namespace cifrala {

// Surface 1 (the worksheet), 2 (the hint area) or 3 (cleared in yellow).
FrameRow frame_wortels(int surface);
// The sign comes from the top text.
FractionStyleA wortels_fraction_style();
// in_de_macht
SuperscriptStyle wortels_superscript();

// The worksheet.
SurfaceStyle wortels_worksheet_style();
// The hint area of `height` pixels: the factorization from the top, the hint
// written at (10, 70) in the area's own size, made smaller until it fits.
SurfaceStyle wortels_hint_area_style(int height);
// The top of the hint in the hint area.
inline constexpr int kWortelsHintY = 70;

// Where a root sign's corner lies below the top of its text and how large
// the sign is drawn.
struct RootSignPlace {
    double scale = 1.0;
    int corner_dy = 0;
};
// Over a number in the line's own size.
inline constexpr RootSignPlace kRootOverNumber{0.7, -3};
// Over a whole fraction or mixed number.
inline constexpr RootSignPlace kRootOverFraction{1.1, -12};
// Over the numerator or denominator of a fraction (the fraction's size).
inline constexpr RootSignPlace kRootInFraction{0.5, -2};

}  // namespace cifrala
