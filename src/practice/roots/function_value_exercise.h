#pragma once
// The exercise of "Bereken functiewaarde": f(x) = a x² + b x + c with whole
// or fractional coefficients and a whole or fractional value to put in for
// x, drawn by level and by the two choices of the options panel, and the
// fractions of its working: x², the two products reduced, the common
// denominator with the three numerators over it, and the value.
#include <QtGlobal>

#include "util/rational.h"

namespace cifrala {

// The three choices of both groups of the options panel.
enum class NumberKind {
    WholeNotNegative = 0,    // "Geheel, niet negatief"
    WholeMaybeNegative = 1,  // "Geheel, eventueel negatief"
    MaybeFraction = 2,       // "Eventueel (een) breuk"
};

struct FunctionValueExercise {
    Rational a{1}, b{0}, c{0};
    Rational x{0};
};

// L = 6, 10 or 20 for the levels 0, 1, 2: the numbers lie below L.
int function_value_limit(int level);
FunctionValueExercise generate_function_value(int level, NumberKind value, NumberKind coefficients);

struct FunctionValueWorking {
    Rational square;                // x²
    Rational first, second;         // a·x² and b·x, reduced
    qint64 common = 1;              // N = lcm(their denominators, that of c)
    qint64 n1 = 0, n2 = 0, n3 = 0;  // the three numerators over N
    qint64 sum = 0;                 // n1 + n2 + n3
    Rational value;                 // the function value, reduced
};
FunctionValueWorking work_function_value(const FunctionValueExercise& e);

// Some fraction among a, b, c and x is improper and not whole: the working
// turns mixed numbers into fractions.
bool has_mixed_numbers(const FunctionValueExercise& e);
// The kind of the value put in, for the explanation card: 0 whole and not
// negative, 1 negative and whole, 2 a fraction.
int value_kind(const Rational& x);

}  // namespace cifrala
