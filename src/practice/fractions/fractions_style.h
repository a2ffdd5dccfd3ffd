#pragma once
// The fractions window's typesetting: "verdana" 24 from (150, 20) with a line
// unit of 68, the blue frame left of the exercise and above the hint line,
// stacked fractions with a wide bar, the hint in size 20 at the bottom.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_breuken();
SurfaceStyle breuken_surface_style();

}  // namespace cifrala
