#pragma once
// The lens formula window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_lenzen();
FractionStyleB lenzen_fraction_style();
// Size 20, margin 3 (also the multi-topic window's toonhint).
HintStyle lenzen_hint();

}  // namespace cifrala
