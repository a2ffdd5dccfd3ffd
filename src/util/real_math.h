#pragma once
// Small real-valued helpers.

namespace cifrala {

// tan x = sin x / cos x for x in radians; 10^10 when |cos x| < 10^-5.
double tan_safe(double x);

}  // namespace cifrala
