#pragma once
// An exponential equation m · L · (g^e)^(k·x + d) = m · g^c3 · R in one
// base g, where L and R are factors made of powers and roots of g, and the
// exponent arithmetic of its worked solution: the left constant P/Q, the
// right exponent F/I and the solution A/D (all reduced).
#include <QString>

namespace cifrala {

// The r0-th root of g^a0 divided by the r1-th root of g^a1; root index 1
// is no root, a1 = 0 no denominator.
struct ExponentRecord {
    int a0 = 2, r0 = 1, a1 = 0, r1 = 1;
    bool has_denominator() const { return a1 != 0; }
    bool has_root() const { return r0 > 1 || (a1 != 0 && r1 > 1); }
};

// A reduced fraction p/q with q > 0.
struct Ratio {
    long long p = 0, q = 1;
};
Ratio reduced(long long p, long long q);

struct ExpExercise {
    int g = 2;
    int k = 1;   // -3, -2, -1, 1, 2
    int d = 0;   // -5 .. 4
    int e = 1;   // 1 .. 4
    int m = 1;   // the common factor
    int c3 = 0;  // g^c3 on the right
    ExponentRecord L, R;
    bool roots = false;
    int first_phase = 2;  // 1 with a common factor, else 2

    // "x", "-x" or "kx", then " - |d|" or " + d".
    QString exponent_text() const;
    // The left exponent's constant a0/r0 - a1/r1 + e·d, reduced.
    Ratio left_constant() const;
    // The right exponent c3 + b0/q0 - b1/q1, reduced.
    Ratio right_exponent() const;
    // The solution x = (F/I - P/Q) / (e·k), reduced.
    Ratio solution() const;
};

// 0 "Eenvoudig", 1 "Gevorderd", 2 "Expert".
ExpExercise generate_exponential(int level);
ExponentRecord init_expbreuk(int level);

// g^n as a whole number (n >= 0).
long long power_of(int g, int n);

}  // namespace cifrala
