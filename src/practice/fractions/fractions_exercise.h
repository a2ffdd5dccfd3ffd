#pragma once
// The exercises of the fractions window: the kinds, the generated numbers of
// each level, and the rules for exercises the pupil types.
#include <QChar>
#include <QString>

namespace cifrala {

namespace fraction_kind {
constexpr int kAdd = 0;
constexpr int kSubtract = 1;
constexpr int kMultiply = 2;
constexpr int kDivide = 3;
constexpr int kSimplify = 6;
}  // namespace fraction_kind

// Two fractions a1/b1 and a2/b2; for simplification the fraction a1/a2 with
// b1 the common factor still to be divided out.
struct FractionExercise {
    int kind = fraction_kind::kAdd;
    int a1 = 1, b1 = 2, a2 = 1, b2 = 2;
    bool operator==(const FractionExercise&) const = default;
};

// " + ", " - ", " × ", " : " by kind.
QString operator_text(int kind);

// The kind from the first character of the kind list's text ("1" .. "6");
// "2" is subtraction in preset mode and addition or subtraction at random
// otherwise, "5" any of the four operations at random.
int choose_kind(QChar first, bool preset_mode);

// The ranges of the levels 0 "Eenvoudig", 1 "Gevorderd", 2 "Expert".
int addition_range(int level);  // r: numbers 2 .. r + 1

// The prime factors that make multiplication and division cancel crosswise.
inline constexpr int kFractionPrimes[7] = {2, 3, 5, 7, 11, 2, 3};

FractionExercise generate_fraction_exercise(int kind, int level);

// The exact value of an exercise as a reduced fraction p/q with q > 0 (for
// simplification the fraction itself).
struct ExactFraction {
    long long p = 0, q = 1;
};
ExactFraction exact_value(const FractionExercise& e);

// Why a typed exercise cannot be worked (a message number), or 0. Checks a
// denominator of 0, division by 0, a 0 in a simplification, and numbers so
// large that a step of the worked solution would not fit in 32 bits.
int own_exercise_refusal(const FractionExercise& e);

// Messages of the refusals.
namespace own_refusal {
constexpr int kZeroDenominator = 1352;
constexpr int kDivisionByZero = 1353;
constexpr int kTooLarge = 1354;
constexpr int kZeroInSimplification = 1355;
}  // namespace own_refusal

// A typed mixed number: whole part w (may be 0) and fraction n/d gives the
// numerator over d; a negative whole part makes the whole number negative
// (-1 and 3/4 is -7/4). False when it does not fit in 32 bits.
bool mixed_to_numerator(long long whole, long long numerator, long long denominator, int& out);

// A typed fraction with its sign moved to the numerator (3/-4 becomes -3/4).
void normalise_sign(int& numerator, int& denominator);

}  // namespace cifrala
