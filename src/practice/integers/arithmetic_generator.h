#pragma once
// The exercises of integer arithmetic: generated from the window's options,
// or typed by the pupil and checked before they are worked out.
#include <QString>
#include <vector>

namespace cifrala {

struct ArithmeticOptions {
    enum Operators { AddSubtract, Multiply, Divide, Powers };
    Operators operators = AddSubtract;
    bool brackets = false;  // "Ook haakjes"
    bool larger = false;    // "Grotere getallen": numbers up to 30 instead of 10
    bool primary = false;   // "Basisschoolniveau": no negative numbers or results
};

// A new expression: two to four operations, at most one pair of brackets,
// squares with "Ook machten". At primary-school level no number of the worked
// solution is negative.
QString generate_expression(const ArithmeticOptions& options);

// Every line of the worked solution, from the expression itself to its last
// line; `division_by_zero` tells that it ends on a division by 0 and
// `stuck` that a step could not be taken. At most `most` lines.
struct WorkedLines {
    std::vector<QString> lines;
    bool division_by_zero = false;
    bool stuck = false;
};
WorkedLines work_out(const QString& expression, int most);

// An expression typed by the pupil, ready to be worked out, or the message
// that says why it cannot be.
struct OwnExpression {
    QString expression;
    int message = 0;  // 0: accepted
};
OwnExpression check_own_expression(const QString& typed);

// The messages of an own expression that is refused.
namespace own_expression_messages {
inline constexpr int kNotReadable = 603;
inline constexpr int kTooLarge = 1354;
inline constexpr int kOnlyNumbers = 1811;
inline constexpr int kBrackets = 1812;
inline constexpr int kTooLong = 1813;
inline constexpr int kExponent = 1814;
inline constexpr int kCannotWork = 1815;
inline constexpr int kNoFraction = 1816;
inline constexpr int kDivisionByZero = 1548;
}  // namespace own_expression_messages

}  // namespace cifrala
