#pragma once
// The draws of the equation topics: ±v flips the sign of a drawn value with
// probability 1/2, by a draw of its own.
#include <algorithm>

#include "util/random.h"

namespace cifrala {

inline int signed_draw(int v) {
    return random(2) == 1 ? -v : v;
}

// The level limit L of the topics with limits 6, 10 and 20.
inline int level_limit(int level) {
    constexpr int kLimits[3] = {6, 10, 20};
    return kLimits[std::clamp(level, 0, 2)];
}

}  // namespace cifrala
