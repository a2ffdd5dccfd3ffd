#include "practice/fractions/fractions_exercise.h"

#include <climits>
#include <cstdlib>
#include <numeric>
#include <utility>

#include "util/integer_math.h"
#include "util/random.h"

namespace cifrala {

using namespace fraction_kind;

namespace {

bool fits(long long v) {
    return v >= -INT_MAX && v <= INT_MAX;
}

long long gcd_ll(long long a, long long b) {
    return std::gcd(a < 0 ? -a : a, b < 0 ? -b : b);
}

ExactFraction reduced(long long p, long long q) {
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const long long g = gcd_ll(p, q);
    if (g > 1) {
        p /= g;
        q /= g;
    }
    if (p == 0) q = 1;
    return ExactFraction{p, q};
}

void coprime_pair(int r, int& a, int& b) {
    do {
        a = random(r) + 2;
        b = random(r) + 2;
    } while (gcd(a, b) != 1);
}

}  // namespace

QString operator_text(int kind) {
    switch (kind) {
        case kAdd:
            return QStringLiteral(" + ");
        case kSubtract:
            return QStringLiteral(" - ");
        case kMultiply:
            return QStringLiteral(" × ");
        case kDivide:
            return QStringLiteral(" : ");
        default:
            return QString();
    }
}

int choose_kind(QChar first, bool preset_mode) {
    switch (first.unicode()) {
        case '1':
            return kAdd;
        case '2':
            return preset_mode ? kSubtract : random(2);
        case '3':
            return kMultiply;
        case '4':
            return kDivide;
        case '5':
            return random(4);
        case '6':
            return kSimplify;
        default:
            return kAdd;
    }
}

int addition_range(int level) {
    return level == 2 ? 50 : level == 1 ? 10 : 5;
}

FractionExercise generate_fraction_exercise(int kind, int level) {
    FractionExercise e;
    e.kind = kind;
    const int r = addition_range(level);
    if (kind == kAdd || kind == kSubtract) {
        coprime_pair(r, e.a1, e.b1);
        coprime_pair(r, e.a2, e.b2);
    } else if (kind == kSimplify) {
        int p = 0, q = 0;
        do {
            p = random(r) + 2;
            q = random(r) + 2;
        } while (gcd(p, q) != 1 || p >= q);
        const int f = (random(5) + 2) * (random(5) + 2);
        e.a1 = p * f;
        e.a2 = q * f;
        e.b1 = f;
        e.b2 = 0;
        if (random(3) == 0) std::swap(e.a1, e.a2);
    } else {
        const int primes = level == 0 ? 4 : 7;
        const int u = level == 0 ? 10 : 30;
        const int w = level == 0 ? 7 : 15;
        do {
            int p = 0, q = 0;
            do {
                p = kFractionPrimes[random(primes)];
                q = kFractionPrimes[random(primes)];
            } while (p == q);
            e.a1 = (random(u) + 2) * p;
            e.b1 = (random(w) + 2) * q;
            e.a2 = (random(u) + 2) * q;
            e.b2 = (random(w) + 2) * p;
        } while (gcd(e.a1, e.b1) != 1 || e.b1 <= 1 || gcd(e.a2, e.b2) != 1 || e.b2 <= 1);
        if (kind == kDivide) std::swap(e.a2, e.b2);
    }
    return e;
}

ExactFraction exact_value(const FractionExercise& e) {
    const long long a1 = e.a1, b1 = e.b1, a2 = e.a2, b2 = e.b2;
    switch (e.kind) {
        case kAdd:
            return reduced(a1 * b2 + a2 * b1, b1 * b2);
        case kSubtract:
            return reduced(a1 * b2 - a2 * b1, b1 * b2);
        case kMultiply:
            return reduced(a1 * a2, b1 * b2);
        case kDivide:
            return reduced(a1 * b2, b1 * a2);
        case kSimplify:
            return reduced(a1, a2);
        default:
            return {};
    }
}

bool mixed_to_numerator(long long whole, long long numerator, long long denominator, int& out) {
    long long v = numerator;
    if (whole > 0) v = whole * denominator + numerator;
    if (whole < 0) v = whole * denominator - numerator;
    if (!fits(v)) return false;
    out = static_cast<int>(v);
    return true;
}

void normalise_sign(int& numerator, int& denominator) {
    if (denominator < 0 && denominator != INT_MIN && numerator != INT_MIN) {
        numerator = -numerator;
        denominator = -denominator;
    }
}

int own_exercise_refusal(const FractionExercise& e) {
    using namespace own_refusal;
    const long long a1 = e.a1, b1 = e.b1, a2 = e.a2, b2 = e.b2;
    if (e.kind == kSimplify) {
        if (a1 == 0 || a2 == 0) return kZeroInSimplification;
        return fits(a1) && fits(a2) ? 0 : kTooLarge;
    }
    if (b1 == 0 || b2 == 0) return kZeroDenominator;
    if (e.kind == kDivide && a2 == 0) return kDivisionByZero;
    for (long long v : {a1, b1, a2, b2})
        if (!fits(v)) return kTooLarge;
    if (e.kind == kAdd || e.kind == kSubtract) {
        // lcm, both numerators over it, their sum or difference.
        const long long m = std::llabs(b1 / gcd_ll(b1, b2) * b2);
        if (!fits(m)) return kTooLarge;
        const long long n1 = a1 * (m / b1);
        const long long n2 = a2 * (m / b2);
        if (!fits(n1) || !fits(n2) || !fits(n1 + n2) || !fits(n1 - n2)) return kTooLarge;
        return 0;
    }
    // Multiplication (a division becomes one): products after cross-cancelling.
    long long p1 = a1, q1 = b1, p2 = a2, q2 = b2;
    if (e.kind == kDivide) std::swap(p2, q2);
    const long long c1 = gcd_ll(p1, q2);
    const long long c2 = gcd_ll(q1, p2);
    if (c1 > 1) {
        p1 /= c1;
        q2 /= c1;
    }
    if (c2 > 1) {
        q1 /= c2;
        p2 /= c2;
    }
    return fits(p1 * p2) && fits(q1 * q2) ? 0 : kTooLarge;
}

}  // namespace cifrala
