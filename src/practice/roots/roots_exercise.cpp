#include "practice/roots/roots_exercise.h"

#include <cmath>

#include "util/integer_math.h"
#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala {

namespace {

// A uniform integer from a to b inclusive.
int draw(int a, int b) {
    return a + random(b - a + 1);
}

// a^2 * b with a in a_min..50 or 2..11 and b in 2..11.
int square_times_small(int a_min, int a_max) {
    const int a = draw(a_min, a_max);
    return a * a * draw(2, 11);
}

RootsExercise mixed_of_squares() {
    const int u = draw(3, 18);
    RootsExercise e{3, u * u, 4};
    do {
        const int v = draw(2, 13);
        e.Q = v * v;
    } while (!(e.Q < e.P && e.P % e.Q != 0));
    reduce_fraction(e.P, e.Q);
    return e;
}

RootsExercise decimal_number() {
    for (;;) {
        int n = square_times_small(1, 50);
        int d = int_power(10, draw(1, 5));
        while (n % 10 == 0 && d % 10 == 0) {
            n /= 10;
            d /= 10;
        }
        if (d != 1) return RootsExercise{5, n, d};
    }
}

RootsExercise unreduced_mixed() {
    int p = draw(3, 22);
    int i = 2;
    do {
        i = draw(2, 21);
    } while (!(i < p && p % i != 0));
    reduce_fraction(p, i);
    const int m = draw(2, 6);
    return RootsExercise{6, p * m, i * m};
}

}  // namespace

RootsExercise generate_roots_exercise(int level) {
    if (level <= 0) return RootsExercise{1, square_times_small(2, 11), 1};
    if (level == 1) {
        if (random(2) == 1) return RootsExercise{2, square_times_small(1, 50), 1};
        return mixed_of_squares();
    }
    switch (random(3)) {
        case 0:
            return RootsExercise{4, square_times_small(1, 50), 1};
        case 1:
            return decimal_number();
        default:
            return unreduced_mixed();
    }
}

int whole_root(int n) {
    if (n <= 0) return 0;
    long long k = static_cast<long long>(std::sqrt(static_cast<double>(n)));
    while (k * k > n)
        --k;
    while ((k + 1) * (k + 1) <= n)
        ++k;
    return static_cast<int>(k);
}

bool is_perfect_square(int n) {
    if (n < 0) return false;
    const long long k = whole_root(n);
    return k * k == n;
}

SquarePart square_part(int n) {
    if (n <= 0) return {};
    int square = 1, rest = 1;
    split_square(n, square, rest);
    return SquarePart{whole_root(square), rest};
}

std::vector<int> prime_factors(int n) {
    std::vector<int> out;
    for (int p = 2; n > 1 && static_cast<long long>(p) * p <= n; ++p) {
        while (n % p == 0) {
            out.push_back(p);
            n /= p;
        }
    }
    if (n > 1) out.push_back(n);
    return out;
}

std::vector<PrimePower> prime_powers(int n) {
    std::vector<PrimePower> out;
    for (int p : prime_factors(n)) {
        if (!out.empty() && out.back().prime == p) {
            ++out.back().exponent;
        } else {
            out.push_back({p, 1});
        }
    }
    return out;
}

SquareFactors square_factors(int n) {
    SquareFactors out;
    out.rest = n;
    for (long long t = 2; t * t <= out.rest; ++t) {
        const int square = static_cast<int>(t * t);
        while (out.rest % square == 0) {
            out.squares.push_back(square);
            out.rest /= square;
        }
    }
    return out;
}

int decimals_of(int Q) {
    return Q <= 1 ? 0 : static_cast<int>(std::lround(std::log10(static_cast<double>(Q))));
}

QString decimal_text(int P, int Q) {
    const int k = decimals_of(Q);
    QString text = QString::number(P / Q);
    if (k == 0) return text;
    return text + number_settings.decimal_separator +
           QStringLiteral("%1").arg(P % Q, k, 10, QLatin1Char('0'));
}

}  // namespace cifrala
