#pragma once
// The one random source of the program. A fixed seed always gives the same
// sequence, so an exercise can be reproduced.
#include <QtGlobal>

namespace cifrala {

// A uniform integer r with 0 <= r < n (0 for n <= 0).
int random(int n);
// The same for 64-bit bounds.
qint64 random64(qint64 n);
// A uniform real in [0, 1).
double random_real();
void seed_random(quint32 seed);
void seed_random_from_clock();

}  // namespace cifrala
