#pragma once
// A normalised expression read once and evaluated at many values of its
// variables, as a curve of a figure is. Each evaluation gives exactly what
// evaluate_expression gives for the same text and values (the same value,
// the same first error, the same engine state afterwards), without looking
// the text up again.
#include <QChar>
#include <QString>
#include <cstddef>
#include <memory>

#include "expr/expression.h"

namespace cifrala {

namespace expr {
struct Program;
}

class CompiledExpression {
public:
    CompiledExpression() = default;
    // `text` as normalise_expression leaves it; var1 and var2 as for
    // evaluate_expression.
    CompiledExpression(const QString& text, QChar var1, QChar var2);

    bool empty() const { return !program_; }
    const QString& text() const { return text_; }
    QChar var1() const { return var1_; }
    QChar var2() const { return var2_; }
    // Whether this was read from `text` with these variables.
    bool reads(const QString& text, QChar var1, QChar var2) const;

    // evaluate_expression(var1, var2, text, value1, value2). An empty
    // expression fails with kNotANumber.
    Evaluation evaluate(double value1, double value2) const;
    Evaluation evaluate(double value) const { return evaluate(value, value); }
    // out[i] = evaluate(values[i]) for i < n, in that order, the values
    // worked on side by side where the expression allows it.
    void evaluate_many(const double* values, size_t n, Evaluation* out) const;

private:
    QString text_;
    QChar var1_, var2_;
    std::shared_ptr<const expr::Program> program_;
};

namespace expr {
// The one evaluation that evaluate_expression and CompiledExpression share:
// the engine's nesting guard and error bookkeeping around running `program`.
Evaluation evaluate_program(const Program& program, double value1, double value2);
void evaluate_program_many(const Program& program, const double* values, size_t n, Evaluation* out);
QChar lower_variable(QChar c);
}  // namespace expr

}  // namespace cifrala
