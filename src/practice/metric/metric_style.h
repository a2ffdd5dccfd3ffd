#pragma once
// The metric system window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_metriek();
// in_de_machttxt on a given canvas at a given position.
SuperscriptStyle metriek_superscript();

// The worksheet: "verdana" 28, the cursor at (10, 20), no frame lines.
SurfaceStyle metriek_surface_style();
// The ladders and the unit names: "verdana" 28 on the aqua of the box.
SurfaceStyle metriek_ladder_style();
// The answer in standard form: "verdana" 24 on aqua, the power 10 points
// smaller at the top of the box.
SurfaceStyle metriek_standard_form_style();
SuperscriptStyle standard_form_superscript();
// The top of the standard-form box on the worksheet, below the exercise.
int metriek_standard_form_top();

}  // namespace cifrala
