#include "practice/roots/function_value_exercise.h"

#include <numeric>

#include "util/random.h"

namespace cifrala {

namespace {

int draw(int lo, int hi) {
    return lo + random(hi - lo + 1);
}

// p/q with p, q in 1..L-1 drawn until they are coprime, negated on a draw.
Rational drawn_fraction(int limit) {
    int p = 1, q = 1;
    do {
        p = draw(1, limit - 1);
        q = draw(1, limit - 1);
    } while (std::gcd(p, q) != 1);
    if (random(2) == 1) p = -p;
    return Rational(p, q);
}

qint64 lcm64(qint64 a, qint64 b) {
    return a / std::gcd(a, b) * b;
}

}  // namespace

int function_value_limit(int level) {
    return level <= 0 ? 6 : level == 1 ? 10 : 20;
}

FunctionValueExercise generate_function_value(int level, NumberKind value,
                                              NumberKind coefficients) {
    const int L = function_value_limit(level);
    FunctionValueExercise e;
    if (coefficients == NumberKind::MaybeFraction) {
        e.a = drawn_fraction(L);
        do {
            e.b = drawn_fraction(L);
            e.c = drawn_fraction(L);
        } while (e.b.n == 0 && e.c.n == 0);
    } else {
        e.a = Rational(draw(1, L - 1));
        int b = 0, c = 0;
        do {
            b = draw(0, L - 1);
            c = draw(0, L - 1);
        } while (b == 0 && c == 0);
        e.b = Rational(b);
        e.c = Rational(c);
        if (coefficients == NumberKind::WholeMaybeNegative) {
            if (random(2) == 1) e.a = -e.a;
            if (random(2) == 1) e.b = -e.b;
            if (random(2) == 1) e.c = -e.c;
        }
    }
    switch (value) {
        case NumberKind::WholeNotNegative:
            e.x = Rational(draw(0, L - 1));
            break;
        case NumberKind::WholeMaybeNegative:
            e.x = Rational(draw(1, L - 1));
            if (random(2) == 1) e.x = -e.x;
            break;
        case NumberKind::MaybeFraction:
            e.x = drawn_fraction(L);
            break;
    }
    return e;
}

FunctionValueWorking work_function_value(const FunctionValueExercise& e) {
    FunctionValueWorking w;
    w.square = e.x * e.x;
    w.first = e.a * w.square;
    w.second = e.b * e.x;
    w.common = lcm64(lcm64(w.first.d, w.second.d), e.c.d);
    w.n1 = w.first.n * (w.common / w.first.d);
    w.n2 = w.second.n * (w.common / w.second.d);
    w.n3 = e.c.n * (w.common / e.c.d);
    w.sum = w.n1 + w.n2 + w.n3;
    w.value = Rational(w.sum, w.common);
    return w;
}

bool has_mixed_numbers(const FunctionValueExercise& e) {
    for (const Rational& r : {e.a, e.b, e.c, e.x})
        if (!r.whole() && r.improper()) return true;
    return false;
}

int value_kind(const Rational& x) {
    if (!x.whole()) return 2;
    return x.negative() ? 1 : 0;
}

}  // namespace cifrala
