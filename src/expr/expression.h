#pragma once
// The expression engine: reading a typed expression such as
// 2,5*sin(30)+binompdf(10;0,5;3) or x^2-3*x and reducing it to a number.
//
// A text is first normalised (names become internal function codes, implicit
// multiplications get an explicit "*") and then evaluated. Every
// intermediate result is rounded to 15 significant digits, magnitudes below
// 10^-14 become 0 (10^-30 for products, quotients and powers), comparisons
// use the tolerance 10^-5, and an error is reported as the negative code of
// the first error the reduction meets.
#include <QChar>
#include <QString>

namespace cifrala {

// Error codes of evaluate_expression (0 is success).
namespace expr_error {
inline constexpr int kNone = 0;
inline constexpr int kDivisionByZero = -1;  // divisor below 10^-5 in magnitude
inline constexpr int kNegativeBase = -2;    // non-whole power of a base <= 0
inline constexpr int kNoLeftOperand = -5;   // operator without a left operand
inline constexpr int kBadExponent = -7;     // "^" at the end or before an invalid character
inline constexpr int kBadFunctionOperand =
    -8;                                      // function at the end or before an invalid character
inline constexpr int kTwoSeparators = -101;  // number with two decimal separators
inline constexpr int kMisplacedSeparator = -102;  // separator after a minus sign or at the start
inline constexpr int kTangentUndefined = -103;
inline constexpr int kLogOfNonPositive = -104;  // log of a number below 10^-5
inline constexpr int kLnOfNonPositive = -105;   // ln of a number below 10^-5
inline constexpr int kRootOfNegative = -106;
inline constexpr int kArcsinDomain = -107;
inline constexpr int kArccosDomain = -108;
inline constexpr int kFactorialOfNegative = -110;
inline constexpr int kRandomNegative = -111;
inline constexpr int kOutOfRange = -120;         // a result outside the range of reals
inline constexpr int kBadProductOperand = -304;  // "*", "/" or a comparison misplaced
inline constexpr int kBadSumOperand = -404;      // "+" or "-" misplaced
inline constexpr int kCloseWithoutOpen = -501;
inline constexpr int kOpenWithoutClose = -502;
inline constexpr int kBracketWithoutOpen = -503;  // "]" without "["
inline constexpr int kBadCurveReference = -504;
inline constexpr int kCurveRefersToItself = -599;
inline constexpr int kPowerTooLarge = -632;        // also zero to a negative power
inline constexpr int kListFunctionFailed = -1234;  // see function_message_number()
inline constexpr int kNotANumber = -999;           // text not convertible to a number
}  // namespace expr_error

// Normalises a typed text in place: bars become abs( ), names become
// function codes, pi and e their values, V the root sign, implicit
// multiplications an explicit "*", spaces are removed and "--" becomes "+".
// var1 and var2 are the variable letters (a null QChar for none). A single
// unpaired "|" is reported with message 566 and the text is left to fail.
void normalise_expression(QString& text, QChar var1 = QChar(), QChar var2 = QChar());

struct Evaluation {
    int error = 0;  // 0 or a negative code of expr_error
    double value = 0;
    bool ok() const { return error == 0; }
};

// Evaluates a normalised text with the variables var1 = value1 and
// var2 = value2 (callers with one variable pass it twice). The angle unit is
// number_settings.radians.
Evaluation evaluate_expression(QChar var1, QChar var2, const QString& text, double value1,
                               double value2);

// The message number for an error code (msg(n) is the text shown).
int error_message_number(int code);

// The code of the last evaluate_expression call made from outside the
// engine, and the message number left by the first failing list function of
// that call (0 when none failed).
int last_error_code();
int function_message_number();

// What the drawing engine provides so that an expression can refer to the
// curves of the current figure: "[k]" is curve k at the current value of the
// variable, "[k(expr)]" curve k at the value of expr, read with curve k's
// variable letter.
class CurveProvider {
public:
    virtual ~CurveProvider() = default;
    // The number (1..6) of the curve being evaluated, 0 when none.
    virtual int current_curve() const = 0;
    // The variable letter of curve k.
    virtual QChar curve_variable(int k) const = 0;
    // Curve k at t; false when it cannot be evaluated there.
    virtual bool evaluate_curve(int k, double t, double& value) = 0;
};

// Installs the provider (nullptr: curve references fail with -504) and
// returns the previous one.
CurveProvider* set_curve_provider(CurveProvider* provider);

}  // namespace cifrala
