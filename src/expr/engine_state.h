#pragma once
// What the engine remembers between and during evaluations.
#include "expr/expression.h"

namespace cifrala::expr {

struct EngineState {
    int last_error = 0;
    int function_message = 0;
    int depth = 0;  // nesting of evaluate_expression calls
    CurveProvider* curves = nullptr;
};

EngineState& engine_state();

}  // namespace cifrala::expr
