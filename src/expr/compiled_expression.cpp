#include "expr/compiled_expression.h"

#include <algorithm>

#include "expr/program.h"

namespace cifrala {

CompiledExpression::CompiledExpression(const QString& text, QChar var1, QChar var2)
    : text_(text), var1_(var1), var2_(var2) {
    program_ = expr::compile(text, expr::lower_variable(var1), expr::lower_variable(var2));
}

bool CompiledExpression::reads(const QString& text, QChar var1, QChar var2) const {
    return program_ && var1 == var1_ && var2 == var2_ && text == text_;
}

Evaluation CompiledExpression::evaluate(double value1, double value2) const {
    if (!program_) return {expr_error::kNotANumber, 0};
    return expr::evaluate_program(*program_, value1, value2);
}

void CompiledExpression::evaluate_many(const double* values, size_t n, Evaluation* out) const {
    if (!program_) {
        std::fill_n(out, n, Evaluation{expr_error::kNotANumber, 0});
        return;
    }
    expr::evaluate_program_many(*program_, values, n, out);
}

}  // namespace cifrala
