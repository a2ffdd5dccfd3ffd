#pragma once
// The functions that apply to the operand right after their name.

namespace cifrala::expr {

struct PrefixResult {
    int error = 0;  // 0 or an engine error code
    double value = 0;
};

// Applies the prefix function with the given code to x; the angle unit is
// number_settings.radians. Results outside the range of reals give -120.
PrefixResult apply_prefix_function(int code, double x);

}  // namespace cifrala::expr
