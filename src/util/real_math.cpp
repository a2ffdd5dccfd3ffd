#include "util/real_math.h"

#include <cmath>

namespace cifrala {

double tan_safe(double x) {
    const double c = std::cos(x);
    if (std::fabs(c) < 1e-5) return 1e10;
    return std::sin(x) / c;
}

}  // namespace cifrala
