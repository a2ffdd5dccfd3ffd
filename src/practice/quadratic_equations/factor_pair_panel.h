#pragma once
// The side panel's surface of the quadratic-equations window: the search
// for two numbers whose product is C and whose sum is B (x² + Bx + C), one
// pair a line under the header "C =", the pair found in red; a search that
// finds none ends with the red advice to use the abc formula. A listing that
// would run past the bottom or the right edge is written again a point
// smaller.
#include "practice/quadratic_equations/quadratic_exercise.h"

namespace cifrala {

class Surface;

inline constexpr int kFactorPanelFontSize = 16;
// The listing is not written smaller than this; what does not fit then is
// left out.
inline constexpr int kFactorPanelSmallestFont = 6;

void write_factor_pairs(Surface& panel, const FactorPairSearch& search, long long B, long long C);

}  // namespace cifrala
