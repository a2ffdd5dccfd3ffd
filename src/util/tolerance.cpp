#include "util/tolerance.h"

#include <limits>

namespace cifrala {

bool near_integer(double x, int& n) {
    n = 0;
    if (!std::isfinite(x)) return false;
    if (std::fabs(x) < 1e-6) return true;
    const double r = std::nearbyint(x);
    if (std::fabs((x - r) / x) >= 1e-6) return false;
    if (r > std::numeric_limits<int>::max() || r < std::numeric_limits<int>::min()) return false;
    n = static_cast<int>(r);
    return true;
}

bool near_integer(double x) {
    int n;
    return near_integer(x, n);
}

}  // namespace cifrala
