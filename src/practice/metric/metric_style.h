#pragma once
// The metric system window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_metriek();
// in_de_machttxt on a given canvas at a given position.
SuperscriptStyle metriek_superscript();

}  // namespace cifrala
