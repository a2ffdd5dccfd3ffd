#pragma once
// The multi-topic window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

FrameRow frame_diffketting(int topic, int category);
FractionStyleB diffketting_fraction_style();
// in_de_machttxt with small = true (the large one is the long division's).
SuperscriptStyle diffketting_superscript_small();
// gg_toonhint: current size, margin 10, y = H - k * L - 43.
HintStyle diffketting_hint_row();
// gg_toonhinttxt: current size, margin 10, y = H - 39.
HintStyle diffketting_hint_text();
// toonhint: size 20, margin 3, y = H - 40.
HintStyle diffketting_hint();

// The worksheet of a topic: the frame and cursor of its topic and category,
// "verdana" (or "Courier new" bold) of the topic's size, the window's
// fractions, superscripts, hint line and root signs.
SurfaceStyle diffketting_style(int topic, int category, int font_size, bool courier);

}  // namespace cifrala
