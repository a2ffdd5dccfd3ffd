#pragma once
// The exercises of "Wortels herleiden": a square root of a whole number, of
// a mixed number or of a decimal, drawn by level, and the arithmetic of
// simplifying it (the largest square factor, the prime factors, the square factors).
#include <QString>
#include <vector>

namespace cifrala {

// Kind 1 ("Eenvoudig"), 2 and 3 ("Gevorderd"), 4, 5 and 6 ("Expert"):
//   1, 2, 4  the root of a whole number P;
//   3        the root of the mixed number of P/Q, a ratio of two squares;
//   5        the root of the decimal number P/Q, Q a power of ten;
//   6        the root of the mixed number of P/Q, not in lowest terms.
struct RootsExercise {
    int kind = 1;
    int P = 4;
    int Q = 1;
};

// Draws an exercise of level 0 ("Eenvoudig"), 1 ("Gevorderd") or 2
// ("Expert") with the shared random source.
RootsExercise generate_roots_exercise(int level);

// n = s^2 * r with the largest such s (n > 0).
struct SquarePart {
    int s = 1;
    int r = 1;
    int S() const { return s * s; }
};
SquarePart square_part(int n);
bool is_perfect_square(int n);
// The root of a perfect square (the truncated root otherwise).
int whole_root(int n);

// The prime factors of n > 1 in ascending order, each as often as it occurs.
std::vector<int> prime_factors(int n);
// A prime with its exponent.
struct PrimePower {
    int prime = 2;
    int exponent = 1;
};
std::vector<PrimePower> prime_powers(int n);

// The squares found by trying t = 2, 3, 4, ... while t^2 does not exceed
// what is left of n, dividing t^2 out as often as it goes, and what is left.
struct SquareFactors {
    std::vector<int> squares;  // F1, F2, ...
    int rest = 1;              // R
};
SquareFactors square_factors(int n);

// The decimal notation of P/Q for Q a power of ten, with the decimal
// separator of the number settings ("0,8" for 8/10).
QString decimal_text(int P, int Q);
// The number of decimals of a power of ten (10 -> 1, 1000 -> 3).
int decimals_of(int Q);

}  // namespace cifrala
