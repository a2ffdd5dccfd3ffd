#pragma once
// The explanation window's typesetting: "verdana" 18 on white from (3, 5),
// the stored line unit, its own fraction and superscript offsets.
#include "formula/style_rows.h"

namespace cifrala {

FractionStyleB tekening_fraction_style();
SurfaceStyle tekening_style();

}  // namespace cifrala
