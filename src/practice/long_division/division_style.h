#pragma once
// The division window's typesetting: the long division in bold "Courier new"
// 30, the chunk method with its frame lines, the word problems of topics 54
// and 55 in "Verdana" 24, the result box and the speech cloud.
#include "formula/style_rows.h"

namespace cifrala {

// With the frame lines of the chunk method, or plain.
FrameRow frame_staartdeel(bool chunk_lines);
// Topics 54 and 55 (large numbers).
FrameRow frame_staartdeel_topic(int topic);
// Real arguments, written without sign.
FractionStyleA staartdeel_fraction_style();
SuperscriptStyle staartdeel_superscript(bool small);
// Current size, margin 10, y = H - k * L - 44.
HintStyle staartdeel_hint();

SurfaceStyle division_style(bool chunk_lines);
SurfaceStyle word_problem_style(int topic);
SurfaceStyle result_box_style();
SurfaceStyle cloud_style();

}  // namespace cifrala
