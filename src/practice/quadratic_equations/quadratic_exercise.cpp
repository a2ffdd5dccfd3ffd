#include "practice/quadratic_equations/quadratic_exercise.h"

#include <cmath>
#include <cstdlib>

#include "util/random.h"

namespace cifrala {

using namespace quadratic_form;

namespace {

// A uniform whole number in a..b.
int uniform(int a, int b) {
    return a + static_cast<int>(random(b - a + 1));
}

// The same, drawn again while it is 0.
int nonzero(int a, int b) {
    int v = 0;
    while (v == 0)
        v = uniform(a, b);
    return v;
}

// Drawn again while it is -1, 0 or 1.
int beyond_one(int a, int b) {
    int v = 0;
    while (v >= -1 && v <= 1)
        v = uniform(a, b);
    return v;
}

// t for (p·x + q)(r·x + s) = t such that the equation has a whole root.
int root_test(int p, int q, int r, int s, int X, int H) {
    int t = 0;
    while (t == 0) {
        const int x0 = uniform(0, X - 1) - H;
        t = (p * x0 + q) * (r * x0 + s);
    }
    return t;
}

void keep_first_values(QuadraticExercise& e) {
    e.A0 = e.A;
    e.B0 = e.B;
    e.C0 = e.C;
}

}  // namespace

QuadraticExercise standard_exercise(int A, int B, int C) {
    QuadraticExercise e;
    e.form = e.generated_form = kStandard;
    e.A = A;
    e.B = B;
    e.C = C;
    keep_first_values(e);
    return e;
}

QuadraticExercise generate_standard(const QuadraticChoice& choice) {
    int A = 1, R = 10;
    switch (choice.level) {
        case 0:
            break;
        case 1:
            A = uniform(1, 6);
            R = 15;
            break;
        default:
            if (choice.big) {
                A = nonzero(-6, 5);
                R = 20;
            } else {
                A = nonzero(-3, 2);
            }
            break;
    }
    int B = 0, C = 0;
    if (choice.abc) {
        // (e·x + d)² = v: rational roots for a square v, none for a negative
        // v, irrational ones otherwise.
        do {
            int d = uniform(0, 2 * R - 1);
            int v = 0;
            if (choice.level == 0 || random(3) == 1) {
                const int u = uniform(0, R - 1);
                v = u * u;
            } else {
                v = uniform(-R, R - 1);
            }
            const int e = random(3) == 2 ? 1 : uniform(2, R + 1);
            d -= R;
            A = e * e;
            B = 2 * e * d;
            C = d * d - v;
        } while (B == 0 && C == 0);
    } else {
        const int h = R / 2;
        do {
            const int x1 = uniform(-h, R - 1 - h);
            const int x2 = uniform(-h, R - 1 - h);
            const int k = uniform(0, 9);
            B = k <= 8 ? A * (-x1 - x2) : 0;
            // Without B the roots are x1 and -x1, so that they stay whole.
            C = k == 8 ? 0 : k == 9 ? -A * x1 * x1 : A * x1 * x2;
        } while (B == 0 && C == 0);
    }
    return standard_exercise(A, B, C);
}

QuadraticExercise generate_product(const QuadraticChoice& choice) {
    QuadraticExercise e;
    e.form = kProduct;
    if (choice.level == 0 || !choice.abc) {
        e.p = e.r = 1;
        e.q = uniform(-5, 4);
        e.s = uniform(-5, 4);
        e.t = choice.abc && random(2) != 1 ? nonzero(-5, 4) : root_test(e.p, e.q, e.r, e.s, 8, 4);
    } else if (choice.level == 1) {
        e.p = nonzero(-5, 4);
        e.r = nonzero(-5, 4);
        e.q = uniform(-5, 4);
        e.s = uniform(-10, 9);
        e.t = random(2) == 1 ? root_test(e.p, e.q, e.r, e.s, 8, 4) : nonzero(-15, 14);
    } else {
        const int k = uniform(0, 2);
        if (k == 2) {
            e.form = kProductZero;
            e.p = beyond_one(-10, 9);
            e.q = beyond_one(-10, 9);
            e.r = beyond_one(-10, 9);
            e.s = beyond_one(-10, 9);
        } else if (k == 1) {
            e.form = kSquare;
            e.p = nonzero(-5, 4);
            e.q = nonzero(-5, 4);
            e.r = uniform(1, 12);
        } else {
            e.p = nonzero(-10, 9);
            e.r = nonzero(-10, 9);
            e.q = uniform(-10, 9);
            e.s = uniform(-15, 14);
            e.t = random(2) == 1 ? root_test(e.p, e.q, e.r, e.s, 16, 8) : nonzero(-25, 24);
        }
    }
    e.generated_form = e.form;
    // The standard coefficients of what the product stands for.
    if (e.form == kProduct) {
        expand(e);
    } else if (e.form == kSquare) {
        e.A = e.p * e.p;
        e.B = 2 * e.p * e.q;
        e.C = e.q * e.q - e.r * e.r;
    } else {
        e.A = e.p * e.r;
        e.B = e.p * e.s + e.q * e.r;
        e.C = e.q * e.s;
    }
    keep_first_values(e);
    return e;
}

void expand(QuadraticExercise& e) {
    e.A = e.p * e.r;
    e.B = e.p * e.s + e.q * e.r;
    e.C = e.q * e.s - e.t;
}

long long discriminant(long long A, long long B, long long C) {
    return B * B - 4 * A * C;
}

bool perfect_square(long long n, long long& root) {
    root = 0;
    if (n < 0) return false;
    long long k = static_cast<long long>(std::llround(std::sqrt(static_cast<double>(n))));
    while (k * k > n)
        --k;
    while ((k + 1) * (k + 1) <= n)
        ++k;
    if (k * k != n) return false;
    root = k;
    return true;
}

void split_square(long long n, long long& k, long long& m) {
    k = 1;
    m = n;
    if (n <= 0) {
        m = n < 0 ? n : 0;
        return;
    }
    for (long long f = 2; f * f <= m; ++f) {
        while (m % (f * f) == 0) {
            m /= f * f;
            k *= f;
        }
    }
}

long long gcd_ll(long long a, long long b) {
    a = std::llabs(a);
    b = std::llabs(b);
    while (b != 0) {
        const long long t = a % b;
        a = b;
        b = t;
    }
    return a;
}

int common_factor(int A, int B, int C) {
    long long g = 0;
    for (long long v :
         {static_cast<long long>(A), static_cast<long long>(B), static_cast<long long>(C)})
        if (v != 0) g = gcd_ll(g, v);
    if (g == 0) return 1;
    return static_cast<int>(A < 0 ? -g : g);
}

std::vector<RootStage> root_stages(long long n, long long d) {
    std::vector<RootStage> out;
    if (d == 0) return out;
    auto whole_stage = [](long long v) {
        RootStage w;
        w.kind = RootStage::Whole;
        w.negative = v < 0;
        w.whole = std::llabs(v);
        return w;
    };
    if (d == 1) {
        out.push_back(whole_stage(n));
        return out;
    }
    RootStage first;
    first.numerator = n;
    first.denominator = d;
    out.push_back(first);
    const long long g = gcd_ll(n, d);
    long long rn = n / (g == 0 ? 1 : g), rd = d / (g == 0 ? 1 : g);
    if (std::llabs(rd) == 1) {
        // A whole number at once, not the fraction over 1 first.
        out.push_back(whole_stage(rn * rd));
        return out;
    }
    if (g > 1) {
        RootStage reduced;
        reduced.numerator = rn;
        reduced.denominator = rd;
        out.push_back(reduced);
    }
    if (rn < 0 || rd < 0) {
        RootStage signed_stage;
        signed_stage.negative = (rn < 0) != (rd < 0);
        rn = std::llabs(rn);
        rd = std::llabs(rd);
        signed_stage.numerator = rn;
        signed_stage.denominator = rd;
        out.push_back(signed_stage);
    }
    const bool negative = out.back().negative;
    if (rn > rd) {
        RootStage mixed;
        mixed.kind = RootStage::Mixed;
        mixed.negative = negative;
        mixed.whole = rn / rd;
        mixed.numerator = rn % rd;
        mixed.denominator = rd;
        out.push_back(mixed);
    }
    return out;
}

FactorPairSearch search_factor_pair(long long B, long long C) {
    FactorPairSearch f;
    const long long D = discriminant(1, B, C);
    long long e = 0;
    const bool square = perfect_square(D, e);
    const bool whole_roots = square && ((B - e) % 2 == 0);
    f.double_root = whole_roots && D == 0;
    const long long limit = std::llabs(C);
    if (C == 0) return f;
    if (whole_roots) {
        long long b = -limit;
        long long c = C / b;
        f.lines.push_back({b, c, false});
        bool done = b + c == B;
        long long fb = b, fc = c;
        for (long long i = b + 1; !done && i <= limit; ++i) {
            if (i == 0) continue;
            if (C % i != 0) continue;
            const long long g = C / i;
            const bool written = f.double_root ||
                                 (C > 0 && ((i < 0 && std::llabs(g) < std::llabs(i)) ||
                                            (i > 0 && std::llabs(i) < std::llabs(g)))) ||
                                 (C < 0 && i < 0);
            if (!written) continue;
            f.lines.push_back({i, g, false});
            if (std::llabs(i + g) == std::llabs(B)) {
                done = true;
                fb = i;
                fc = g;
            }
        }
        if (!done) return f;  // cannot happen for whole roots
        if (fb + fc != B) {
            fb = -fb;
            fc = -fc;
            f.lines.push_back({fb, fc, false});
        }
        f.lines.push_back({fb, fc, true});
        f.found = true;
        f.b = fb;
        f.c = fc;
        return f;
    }
    // No whole roots: every pair, the listing ends without a find.
    if (C < 0) {
        for (long long i = C; i <= -1; ++i)
            if (C % i == 0) f.lines.push_back({C / i, i, false});
    } else {
        // Each pair once with both signs: the negative ones with the larger
        // number first, then the positive ones with the smaller first.
        for (long long i = -C; i <= C; ++i) {
            if (i == 0 || C % i != 0) continue;
            const long long co = C / i;
            if (i < 0 && std::llabs(i) >= std::llabs(co)) f.lines.push_back({co, i, false});
            if (i > 0 && i <= co) f.lines.push_back({i, co, false});
        }
    }
    return f;
}

}  // namespace cifrala
