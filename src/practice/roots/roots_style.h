#pragma once
// The roots window's typesetting rows.
#include "formula/style_rows.h"

namespace cifrala {

// Surface 1, 2 or 3 (the third is cleared in yellow).
FrameRow frame_wortels(int surface);
// The sign comes from the top text.
FractionStyleA wortels_fraction_style();
// in_de_macht
SuperscriptStyle wortels_superscript();

}  // namespace cifrala
