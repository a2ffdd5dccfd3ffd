#include "util/random.h"

#include <QDateTime>
#include <random>

namespace cifrala {
namespace {

// Mersenne twister: its output sequence is fixed by the standard, and the
// mapping to ranges below is our own, so a seed gives the same numbers with
// every compiler.
std::mt19937& source() {
    static std::mt19937 generator(5489u);
    return generator;
}

quint64 next64() {
    const quint64 hi = source()();
    return (hi << 32) | source()();
}

}  // namespace

int random(int n) {
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<quint64>(source()()) * static_cast<quint64>(n)) >> 32);
}

qint64 random64(qint64 n) {
    if (n <= 0) return 0;
    if (n <= 0x7FFFFFFF) return random(static_cast<int>(n));
    // Rejection sampling keeps the draw uniform for any bound.
    const quint64 bound = static_cast<quint64>(n);
    const quint64 limit = ~quint64{0} - (~quint64{0} % bound);
    for (;;) {
        const quint64 v = next64();
        if (v < limit) return static_cast<qint64>(v % bound);
    }
}

double random_real() {
    return static_cast<double>(next64() >> 11) * 0x1.0p-53;
}

void seed_random(quint32 seed) {
    source().seed(seed);
}

void seed_random_from_clock() {
    seed_random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() * 2654435761u));
}

}  // namespace cifrala
