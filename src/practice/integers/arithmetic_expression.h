#pragma once
// Integer arithmetic as the pupil works it: an expression string of numbers,
// "+", "-", "*", "/", "^" and brackets is rewritten one step at a time (one
// operation, or one simplification of signs or brackets), each step with the
// hint that says what was done, until one number is left.
//
// Numbers are written with "." as the decimal point; a "-" that belongs to
// the base of a power stands as kNegativeBase, so that (-3)^2 keeps its
// sign in the base until the power is worked out.
#include <QChar>
#include <QString>

namespace cifrala {

inline constexpr QChar kNegativeBase = QChar(200);

// The hints of the rewriting steps.
namespace arithmetic_hints {
inline constexpr int kBracketPower = 1533;
inline constexpr int kBracketProduct = 1534;
inline constexpr int kBracketSigns = 1535;
inline constexpr int kBracketSum = 1536;
inline constexpr int kPower = 1537;
inline constexpr int kProduct = 1538;
inline constexpr int kMinusMinus = 1539;
inline constexpr int kBracketsRemoved = 1544;
inline constexpr int kPlusMinus = 1547;
inline constexpr int kDivisionByZero = 1548;
inline constexpr int kNegativeBasePower = 1650;
inline constexpr int kPlusPlus = 1972;
}  // namespace arithmetic_hints

// The characters of a number in an expression.
inline bool is_digit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
inline bool is_number_char(QChar c) {
    return is_digit(c) || c == QLatin1Char('.');
}

// One operation worked out in a text without brackets.
struct Operation {
    enum Result { Done, DivisionByZero, Error };
    Result result = Error;
    QString text;  // the text with the operation replaced by its value
};

// The first power ("^"): an integer exponent by repeated multiplication, a
// fractional one for a positive base only; kNegativeBase before the base
// makes it negative.
Operation work_power(const QString& text);
// The power whose "^" stands at `at`.
Operation work_power_at(const QString& text, qsizetype at);
// The first multiplication or division.
Operation work_product(const QString& text);
// The first addition or subtraction; a sign in front of the text belongs to
// the first number.
Operation work_sum(const QString& text);

struct Rewriting {
    QString expression;  // after the step (unchanged when nothing could be done)
    int hint = 0;        // what was done (0: no hint)
    bool changed = false;
    bool division_by_zero = false;
};

// The next step of the worked solution.
Rewriting rewrite_once(const QString& expression);

// Nothing is left to work out: one number, possibly negative.
bool is_one_number(const QString& expression);

// The value of a result as the expression writes it: 15 significant
// digits, "." as the decimal point, never an exponent.
QString expression_number(double value);

// The fraction p/q (q >= 1, reduced) that stands for a decimal value
// v >= 0 on the worksheet; false when there is none.
bool decimal_fraction(double v, qint64& p, qint64& q);

// The expression in the expression engine's language ((-3)^2 for the
// negative base), to evaluate it as a whole.
QString engine_text(const QString& expression);

}  // namespace cifrala
