#pragma once
// The lens formula window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_lenzen();
FractionStyleB lenzen_fraction_style();
// Size 20, margin 3 (also the multi-topic window's toonhint).
HintStyle lenzen_hint();

// The worksheet: verdana 24, cursor (10, 5), newline(f) round(50 f) down.
SurfaceStyle lenzen_worksheet_style();
inline constexpr int kLenzenLineUnit = 50;
// The ray diagram's surface: verdana 14 on white.
SurfaceStyle lenzen_diagram_style();

}  // namespace cifrala
