#include "practice/exponential/exp_exercise.h"

#include <cstdlib>
#include <numeric>

#include "util/random.h"

namespace cifrala {

namespace {

constexpr int kBases[3] = {2, 3, 5};

long long gcd_ll(long long a, long long b) {
    return std::gcd(std::llabs(a), std::llabs(b));
}

// A root index and a power of g for one side of a record on "Expert": the
// index 2 .. 5 one time in four, and a power 2 .. 5 without a common
// factor with it.
void expert_part(int& a, int& r) {
    r = random(4) > 2 ? random(4) + 2 : 1;
    do {
        a = random(4) + 2;
    } while (std::gcd(a, r) != 1);
}

}  // namespace

Ratio reduced(long long p, long long q) {
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const long long t = gcd_ll(p, q);
    if (t > 1) {
        p /= t;
        q /= t;
    }
    if (p == 0) q = 1;
    return {p, q};
}

long long power_of(int g, int n) {
    long long v = 1;
    for (int i = 0; i < n; ++i)
        v *= g;
    return v;
}

QString ExpExercise::exponent_text() const {
    QString t;
    if (k == 1) {
        t = QStringLiteral("x");
    } else if (k == -1) {
        t = QStringLiteral("-x");
    } else {
        t = QString::number(k) + QStringLiteral("x");
    }
    if (d < 0) t += QStringLiteral(" - ") + QString::number(-d);
    if (d > 0) t += QStringLiteral(" + ") + QString::number(d);
    return t;
}

Ratio ExpExercise::left_constant() const {
    const long long r0 = L.r0, r1 = L.r1;
    return reduced(r1 * L.a0 + r0 * r1 * d * e - r0 * L.a1, r0 * r1);
}

Ratio ExpExercise::right_exponent() const {
    const long long q0 = R.r0, q1 = R.r1;
    if (q0 == 1 && R.a1 == 0) return reduced(R.a0 + c3, 1);
    return reduced(R.a0 * q1 + q0 * q1 * c3 - q0 * R.a1, q0 * q1);
}

Ratio ExpExercise::solution() const {
    const Ratio pq = left_constant(), fi = right_exponent();
    return reduced(fi.p * pq.q - fi.q * pq.p, fi.q * pq.q * e * k);
}

ExponentRecord init_expbreuk(int level) {
    ExponentRecord r;
    do {
        if (level <= 0) {
            r.r0 = 1;
            r.a0 = random(4) + 2;
            r.r1 = 1;
            r.a1 = 0;
        } else if (level == 1) {
            // One of the two is a square root.
            r.r0 = random(2) + 1;
            do {
                r.a0 = random(3) + 1;
            } while (r.a0 == r.r0);
            r.r1 = 3 - r.r0;
            do {
                r.a1 = random(3) + 1;
            } while (r.a1 == r.r1);
        } else {
            expert_part(r.a0, r.r0);
            expert_part(r.a1, r.r1);
        }
    } while (r.a0 == r.a1);
    return r;
}

ExpExercise generate_exponential(int level) {
    ExpExercise x;
    x.c3 = random(3) + 1;
    x.g = kBases[random(3)];
    do {
        x.k = random(6) - 3;
    } while (x.k == 0);
    x.d = random(10) - 5;
    x.e = random(4) + 1;
    if (level <= 0) {
        x.m = 1;
    } else if (random(3) == 2) {
        x.m = x.g + 1;
    } else if (level >= 2) {
        do {
            x.m = random(3) + 1;
        } while (x.m == x.g);
    } else {
        x.m = 1;
    }
    x.L = init_expbreuk(level);
    do {
        x.R = init_expbreuk(level);
    } while (x.R.a0 == x.L.a0);
    x.roots = x.L.r0 > 1 || x.L.r1 > 1 || x.R.r0 > 1 || x.R.r1 > 1;
    if (x.m == 1) {
        x.c3 = 0;
        x.first_phase = 2;
    } else {
        x.first_phase = 1;
    }
    return x;
}

}  // namespace cifrala
