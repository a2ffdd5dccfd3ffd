#pragma once
// The quadratic equation of the quadratic-equations window: the standard
// form A·x² + B·x + C = 0 or one of three product forms, how it is drawn
// by level and options, and the arithmetic the worked solution needs
// (discriminant, square factors, the roots of a linear equation in stages,
// the search for the factor pair of the product-sum method).
#include <QString>
#include <vector>

namespace cifrala {

// The forms of an equation.
namespace quadratic_form {
constexpr int kStandard = 0;     // A·x² + B·x + C = 0
constexpr int kProduct = 1;      // (p·x + q)(r·x + s) = t
constexpr int kSquare = 2;       // (p·x + q)² = r²
constexpr int kProductZero = 3;  // (p·x + q)(r·x + s) = 0
}  // namespace quadratic_form

struct QuadraticExercise {
    int form = quadratic_form::kStandard;
    int p = 0, q = 0, r = 0, s = 0, t = 0;
    int A = 1, B = 0, C = 0;
    // A, B, C as they stood after generation or expansion.
    int A0 = 1, B0 = 0, C0 = 0;
    // The form the exercise was generated in.
    int generated_form = quadratic_form::kStandard;
};

// What the pupil chose: the level (0 "Eenvoudig" .. 2 "Expert"), "Ook abc
// formule" and "Ook grote getallen".
struct QuadraticChoice {
    int level = 0;
    bool abc = false;
    bool big = false;
};

// A new standard-form exercise from the shared random source.
QuadraticExercise generate_standard(const QuadraticChoice& choice);
// A new product-form exercise.
QuadraticExercise generate_product(const QuadraticChoice& choice);
// A standard-form exercise with these coefficients (an exercise file's).
QuadraticExercise standard_exercise(int A, int B, int C);

// The largest coefficient a typed or read equation may have: beyond it the
// discriminant would not fit the arithmetic.
inline constexpr long long kLargestCoefficient = 1000000;

// (p·x + q)(r·x + s) - t expanded: A = p·r, B = p·s + q·r, C = q·s - t.
void expand(QuadraticExercise& e);

long long discriminant(long long A, long long B, long long C);
// n = root² for a whole root >= 0.
bool perfect_square(long long n, long long& root);
// n = k²·m with k as large as it can be (n >= 0; m = 0 for n = 0).
void split_square(long long n, long long& k, long long& m);
long long gcd_ll(long long a, long long b);
// The greatest common divisor of the nonzero ones of A, B, C, with the sign
// of A (1 when all are 0).
int common_factor(int A, int B, int C);

// A root n/d of a linear equation in the stages in which it is written:
// the fraction as it comes, reduced, with its sign in front, as a whole
// number, as a mixed number. Only the stages that change the writing are
// kept; the first is always there.
struct RootStage {
    enum Kind { Fraction, Whole, Mixed };
    Kind kind = Fraction;
    bool negative = false;                     // a "-" in front
    long long whole = 0;                       // Whole, Mixed
    long long numerator = 0, denominator = 1;  // Fraction (signed when !negative), Mixed
};
std::vector<RootStage> root_stages(long long n, long long d);

// The product-sum method for x² + B·x + C (A = 1): the pairs written while
// the factor pair is searched, and the pair found.
struct FactorPairLine {
    long long first = 0, second = 0;
    bool red = false;  // the pair found, written as "first + second = B"
};
struct FactorPairSearch {
    std::vector<FactorPairLine> lines;
    bool found = false;
    long long b = 0, c = 0;  // x² + Bx + C = (x + b)(x + c)
    bool double_root = false;
};
// Whole and distinct roots, a double root, or no whole roots (then the
// listing of every pair, and `found` stays false).
FactorPairSearch search_factor_pair(long long B, long long C);

}  // namespace cifrala
