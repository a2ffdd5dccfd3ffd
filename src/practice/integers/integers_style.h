#pragma once
// The integers window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

// `font_size` is 36, 32 or 24 by topic.
FrameRow frame_gehele_getallen(int topic, int font_size);
// The number-line surface (clearimage4).
FrameRow frame_gehele_getallen_number_line();
// Offsets from the top's height, no sign.
FractionStyleA gehele_getallen_fraction_style();
// macht
SuperscriptStyle gehele_getallen_superscript();
// toonhelp: size 24, margin 10, a band of 50 cleared always.
HintStyle gehele_getallen_hint();

// The worksheet (Image1) of a topic: its frame, "verdana" in `font_size`,
// fractions, powers and the hint band.
SurfaceStyle gehele_getallen_style(int topic, int font_size);

// The number line of the estimating topic (Image2) and the card with the
// number (Image3): yellow, "verdana", black pen 2.
SurfaceStyle number_line_style();
SurfaceStyle number_card_style();

}  // namespace cifrala
