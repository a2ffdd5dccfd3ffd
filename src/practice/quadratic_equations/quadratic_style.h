#pragma once
// The quadratic equations window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_kwadratisch();
FractionStyleA kwadratisch_fraction_style();

}  // namespace cifrala
