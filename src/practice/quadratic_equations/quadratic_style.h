#pragma once
// The quadratic equations window's typesetting rows: the worksheet (the
// cursor at (4, 10) after a clear, lines the height of "w" plus 5 apart,
// the hint line in its bottom 50 pixels), the equation strip above it and
// the factor-pair panel.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_kwadratisch();
FractionStyleA kwadratisch_fraction_style();

SurfaceStyle kwadratisch_worksheet_style();
SurfaceStyle kwadratisch_strip_style();
SurfaceStyle kwadratisch_panel_style();

}  // namespace cifrala
