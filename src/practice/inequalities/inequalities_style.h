#pragma once
// The quadratic inequalities window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

// Surface 2 or 3.
FrameRow frame_ongelijkheden(int surface);
// breuk3 with texts.
FractionStyleA ongelijkheden_fraction_style();

}  // namespace cifrala
