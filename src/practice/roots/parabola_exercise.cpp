#include "practice/roots/parabola_exercise.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

#include "util/integer_math.h"
#include "util/random.h"

namespace cifrala {

namespace {

// x in lo..hi.
int draw(int lo, int hi) {
    return lo + random(hi - lo + 1);
}

// The whole square root of n, or -1 when n is no square.
qint64 whole_sqrt(qint64 n) {
    if (n < 0) return -1;
    qint64 r = static_cast<qint64>(std::llround(std::sqrt(static_cast<double>(n))));
    while (r > 0 && r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r * r == n ? r : -1;
}

bool easy_enough(int a, int b, int c) {
    return !(b == 0 && c == 0) && (b / a) % 2 == 0;
}

}  // namespace

ParabolaExercise generate_parabola(int level) {
    ParabolaExercise e;
    const bool easy = level <= 0;
    if (random(3) == 1) {
        // Factored: a (x - r1)(x - r2).
        int a = random(2) == 0 ? 1 : 2;
        if (random(2) == 1) a = -a;
        e.a = a;
        do {
            const int r1 = draw(-3, 3), r2 = draw(-3, 3);
            e.b = a * (-r1 - r2);
            e.c = a * r1 * r2;
        } while (easy && !easy_enough(e.a, e.b, e.c));
    } else {
        do {
            e.a = draw(1, 3);
            if (random(2) == 1) e.a = -e.a;
            do {
                e.b = draw(-6, 6);
            } while (e.b % e.a != 0);
            e.c = draw(-8, 8);
        } while (easy && !easy_enough(e.a, e.b, e.c));
    }
    find_whole_roots(e);
    return e;
}

void find_whole_roots(ParabolaExercise& e) {
    e.whole_roots = false;
    e.r1 = e.r2 = 0;
    if (e.a == 0 || (e.b == 0 && e.c == 0)) return;
    const qint64 a = e.a, b = e.b, c = e.c;
    const qint64 root = whole_sqrt(b * b - 4 * a * c);
    if (root < 0) return;
    if ((root - b) % (2 * a) != 0) return;
    qint64 r1 = (root - b) / (2 * a);
    qint64 r2 = (-b - root) / (2 * a);
    if ((-b - root) % (2 * a) != 0) return;
    if (r2 == 0) std::swap(r1, r2);
    e.r1 = static_cast<int>(r1);
    e.r2 = static_cast<int>(r2);
    e.whole_roots = true;
}

OwnParabolaFault check_own_parabola(qint64 a, qint64 b, qint64 c) {
    if (a == 0) return OwnParabolaFault::ZeroA;
    if (std::llabs(a) > kLargestTableValue || std::llabs(b) > kLargestTableValue ||
        std::llabs(c) > kLargestTableValue)
        return OwnParabolaFault::TooLarge;
    if (b == 0 && c == 0) return OwnParabolaFault::BothZero;
    if (b % a != 0) return OwnParabolaFault::NotDivisible;
    ParabolaExercise e{static_cast<int>(a), static_cast<int>(b), static_cast<int>(c)};
    const Rational y = vertex_y(e);
    if (std::llabs(y.n) > kLargestTableValue * y.d) return OwnParabolaFault::TooLarge;
    for (int x : table_xs(parabola_vertex(e)))
        if (std::llabs(parabola_value(e, x)) > kLargestTableValue)
            return OwnParabolaFault::TooLarge;
    return OwnParabolaFault::None;
}

qint64 parabola_value(const ParabolaExercise& e, qint64 x) {
    return e.a * x * x + e.b * x + e.c;
}

ParabolaVertex parabola_vertex(const ParabolaExercise& e) {
    ParabolaVertex v;
    if (e.a == 0) return v;
    const int g = std::gcd(std::abs(2 * e.a), std::abs(e.b));
    v.den = std::abs(2 * e.a / g);
    v.num = std::abs(e.b / g);
    v.negative = static_cast<qint64>(e.a) * e.b > 0;
    return v;
}

Rational vertex_y(const ParabolaExercise& e) {
    if (e.a == 0) return Rational(e.c);
    const qint64 a = e.a, b = e.b, c = e.c;
    return Rational(4 * a * c - b * b, 4 * a);
}

int table_start(const ParabolaVertex& v) {
    const Rational x = v.x();
    if (x.whole()) return static_cast<int>(x.n) - 3;
    // A half n/2 (n odd): x - 2.5 = (n - 5)/2 is whole.
    return static_cast<int>((x.n - 5) / 2);
}

std::array<int, 6> table_xs(const ParabolaVertex& v) {
    const int t0 = table_start(v);
    const int shift = v.x().whole() ? 0 : 1;
    return {t0, t0 + 1, t0 + 2, t0 + 4 - shift, t0 + 5 - shift, t0 + 6 - shift};
}

int table_range_end(const ParabolaVertex& v) {
    return table_start(v) + (v.x().whole() ? 7 : 6);
}

}  // namespace cifrala
