#pragma once
// A normalised expression compiled into a list of steps.
//
// The compiler follows the reduction of the text step by step: list
// functions first, then curve references, then every parenthesised group
// (innermost first, in the order of their closing parentheses) and finally
// the whole text, each with the passes prefix functions, powers, products and
// quotients, sums and differences, comparisons. Each operation it meets
// becomes one step, in the order in which the reduction meets it, and a
// syntax error becomes a step that fails. Running the steps therefore gives
// the same value and the same first error as reducing the text, while the
// text is read only once: the drawing engine evaluates one formula at many
// points.
#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

#include "expr/expression.h"

namespace cifrala::expr {

enum class Step : std::uint8_t {
    kPrefix,         // dst = f(±a), fn the function code
    kPower,          // dst = a ^ ±b
    kMultiply,       // dst = a * ±b
    kDivide,         // dst = a / ±b
    kAdd,            // dst = a + ±b
    kSubtract,       // dst = a - ±b
    kNegate,         // dst = 0 - ±b (a leading "-")
    kRoundVariable,  // dst = a written out as text (a variable left at the end)
    kLess,
    kGreater,
    kEqual,
    kList,      // dst = list call fn
    kCurve,     // dst = curve reference fn
    kFail,      // the evaluation ends with error code a
    kFailList,  // a list function fails with message a
};

struct Instruction {
    Step step;
    bool negate_b = false;
    std::int16_t fn = 0;
    std::int32_t a = 0, b = 0, dst = 0;
};

struct Program;

struct ListCall {
    int code = 0;
    bool defaulted_first = false;  // log(x) and prt(x)
    double default_first = 0;
    std::vector<std::unique_ptr<Program>> args;
};

struct CurveReference {
    int curve = 0;
    bool with_argument = false;
    QString argument;  // the expression of [k(expression)]
};

struct Program {
    std::vector<double> slots;  // initial values; 0 and 1 hold the variables
    std::vector<Instruction> steps;
    std::vector<ListCall> calls;
    std::vector<CurveReference> curves;
    int result = -1;  // slot of the value, when the steps all succeed
};

inline constexpr int kMaxNesting = 64;

std::unique_ptr<Program> compile(QStringView text, QChar var1, QChar var2, int depth = 0);
Evaluation run(const Program& program, double value1, double value2);
// Whether the program can run at many values side by side: each step reads
// only its operands (no list function, curve, random number or message).
bool runs_side_by_side(const Program& program);
// Runs a program that runs_side_by_side at n values (value1 = value2 =
// values[i]); out[i] is exactly what run gives for values[i].
void run_many(const Program& program, const double* values, size_t n, Evaluation* out);

}  // namespace cifrala::expr
