#include "expr/expression.h"

#include <algorithm>
#include <array>
#include <memory>

#include "expr/compiled_expression.h"
#include "expr/engine_state.h"
#include "expr/function_table.h"
#include "expr/program.h"

namespace cifrala {
namespace expr {

EngineState& engine_state() {
    static EngineState state;
    return state;
}

namespace {

// The programs of the last texts evaluated: the drawing engine evaluates one
// formula at many points, the calculator a few texts again and again.
class ProgramCache {
public:
    std::shared_ptr<const Program> get(const QString& text, QChar var1, QChar var2) {
        ++clock_;
        for (Entry& e : entries_) {
            if (e.program && e.var1 == var1 && e.var2 == var2 && e.text == text) {
                e.used = clock_;
                return e.program;
            }
        }
        Entry* oldest = &entries_[0];
        for (Entry& e : entries_) {
            if (e.used < oldest->used) oldest = &e;
        }
        std::shared_ptr<const Program> program = compile(text, var1, var2);
        *oldest = {text, var1, var2, program, clock_};
        return program;
    }

private:
    struct Entry {
        QString text;
        QChar var1, var2;
        std::shared_ptr<const Program> program;
        quint64 used = 0;
    };
    std::array<Entry, 16> entries_;
    quint64 clock_ = 0;
};

ProgramCache& cache() {
    static ProgramCache c;
    return c;
}

// Curve evaluations may call back into the engine; this deep it must be a
// curve that refers to itself through others.
constexpr int kMaxDepth = 24;

}  // namespace

QChar lower_variable(QChar c) {
    const char16_t u = c.unicode();
    return u >= 'A' && u <= 'Z' ? QChar(char16_t(u + 32)) : c;
}

Evaluation evaluate_program(const Program& program, double value1, double value2) {
    EngineState& state = engine_state();
    if (state.depth >= kMaxDepth) return {expr_error::kBadCurveReference, 0};
    const bool outermost = state.depth == 0;
    if (outermost) state.function_message = 0;
    ++state.depth;
    Evaluation e = run(program, value1, value2);
    --state.depth;
    if (!e.ok()) e.value = 0;
    if (outermost) state.last_error = e.error;
    return e;
}

void evaluate_program_many(const Program& program, const double* values, size_t n,
                           Evaluation* out) {
    EngineState& state = engine_state();
    if (!runs_side_by_side(program)) {
        for (size_t i = 0; i < n; ++i)
            out[i] = evaluate_program(program, values[i], values[i]);
        return;
    }
    if (state.depth >= kMaxDepth) {
        std::fill_n(out, n, Evaluation{expr_error::kBadCurveReference, 0});
        return;
    }
    if (n == 0) return;
    const bool outermost = state.depth == 0;
    if (outermost) state.function_message = 0;
    ++state.depth;
    run_many(program, values, n, out);
    --state.depth;
    for (size_t i = 0; i < n; ++i)
        if (!out[i].ok()) out[i].value = 0;
    if (outermost) state.last_error = out[n - 1].error;
}

}  // namespace expr

Evaluation evaluate_expression(QChar var1, QChar var2, const QString& text, double value1,
                               double value2) {
    expr::EngineState& state = expr::engine_state();
    if (state.depth >= expr::kMaxDepth) return {expr_error::kBadCurveReference, 0};
    const std::shared_ptr<const expr::Program> program =
        expr::cache().get(text, expr::lower_variable(var1), expr::lower_variable(var2));
    return expr::evaluate_program(*program, value1, value2);
}

int error_message_number(int code) {
    using namespace expr_error;
    switch (code) {
        case kNone:
            return 0;
        case kDivisionByZero:
            return 370;
        case kNegativeBase:
            return 371;
        case -3:
            return 372;
        case -4:
            return 373;
        case kNoLeftOperand:
            return 374;
        case kBadExponent:
            return 375;
        case kBadFunctionOperand:
            return 376;
        case kTwoSeparators:
            return 361;
        case kMisplacedSeparator:
            return 362;
        case kTangentUndefined:
            return 363;
        case kLogOfNonPositive:
            return 364;
        case kLnOfNonPositive:
            return 365;
        case kRootOfNegative:
            return 366;
        case kArcsinDomain:
            return 367;
        case kArccosDomain:
            return 368;
        case -109:
            return 369;
        case kFactorialOfNegative:
            return 631;
        case kRandomNegative:
            return 1411;
        case kOutOfRange:
            return 1400;
        case -302:
            return 377;
        case -303:
            return 378;
        case kBadProductOperand:
            return 379;
        case kBadSumOperand:
            return 380;
        case kCloseWithoutOpen:
            return 381;
        case kOpenWithoutClose:
            return 382;
        case kBracketWithoutOpen:
            return 648;
        case kBadCurveReference:
            return 649;
        case kCurveRefersToItself:
            return 1050;
        case kPowerTooLarge:
            return 632;
        case kListFunctionFailed:
            return 630;
        default:
            return 383;
    }
}

int last_error_code() {
    return expr::engine_state().last_error;
}
int function_message_number() {
    return expr::engine_state().function_message;
}

CurveProvider* set_curve_provider(CurveProvider* provider) {
    CurveProvider* old = expr::engine_state().curves;
    expr::engine_state().curves = provider;
    return old;
}

}  // namespace cifrala
