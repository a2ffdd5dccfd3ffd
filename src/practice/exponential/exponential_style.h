#pragma once
// The exponential equations window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_expvergl();
// Phases of the solution up to 6 (early) and above 6 (late).
FractionStyleB expvergl_fraction_style(bool late);
SuperscriptStyle expvergl_superscript();

}  // namespace cifrala
