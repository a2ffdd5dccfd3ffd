#pragma once
// Reads the lines of a multi-topic worksheet back as expressions of the
// program's expression engine: every line is cut at its "=" signs into the
// expressions it states, each marked as a form of f(x) or of f'(x).
#include <QString>
#include <optional>
#include <vector>

#include "formula/display_list.h"

namespace cifrala::testing {

struct StatedExpression {
    bool derivative = false;  // f'(x) = ... (else f(x) = ...)
    QString text;             // for normalise_expression with the variable x
    QString shown;            // the line as the reader reads it
    int line = 0;             // 0 is the top line
};

// Every expression the worksheet states, top to bottom. A line that
// continues with "=" states the same function as the line above it. Pieces
// that are rules rather than expressions ("[g]' · h") are left out.
std::vector<StatedExpression> stated_expressions(const DisplayList& display);

// The value of an expression text at x; nothing where the engine fails.
std::optional<double> value_at(const QString& text, double x);

// Turns a line's reading into the engine's syntax (exposed for its test).
QString engine_text(const QString& reading);

}  // namespace cifrala::testing
