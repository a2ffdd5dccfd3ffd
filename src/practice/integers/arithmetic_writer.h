#pragma once
// Writing an expression of the integer arithmetic on the worksheet, one line
// per step: the operators with their spacing ("×" for "*", ":" for "/"),
// powers as superscripts, and every decimal value as a fraction or a mixed
// number.
#include <QString>

namespace cifrala {

class Surface;

struct ExpressionLayout {
    bool mixed_numbers = true;  // "a   b / c" rather than "a / b"
    bool primary = false;       // "Basisschoolniveau": "×" also before a bracket
};

struct WrittenLine {
    bool finished = false;      // one number is left
    bool had_fraction = false;  // a decimal value was written as a fraction
    bool failed = false;        // a decimal value has no fraction; writing stopped
    int right = 0;              // the x where the line ends
};

// Writes `expression` at the surface's cursor, followed by " =" while more
// is to be worked out.
WrittenLine write_expression(Surface& surface, const QString& expression,
                             const ExpressionLayout& layout);

}  // namespace cifrala
