#include "practice/multitopic/topics/level_ranges.h"

#include "util/random.h"

namespace cifrala {

int level_limit(int level) {
    return level >= 2 ? 9 : level == 1 ? 6 : 3;
}

int draw_between(int lo, int hi) {
    return lo + random(hi - lo + 1);
}

int draw_signed(int limit) {
    const int n = draw_between(1, limit);
    return random(2) == 1 ? -n : n;
}

int draw_signed_or_zero(int limit) {
    const int n = draw_between(1, limit);
    switch (random(3)) {
        case 1:
            return -n;
        case 2:
            return 0;
        default:
            return n;
    }
}

}  // namespace cifrala
