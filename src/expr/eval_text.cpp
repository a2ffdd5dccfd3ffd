#include "expr/eval_text.h"

#include <cmath>
#include <limits>

#include "expr/expression.h"
#include "util/text_utils.h"

namespace cifrala {
namespace {
int g_last_reader_error = 0;
}

bool eval_text(const QString& text, double& value) {
    value = 0;
    QString t = text;
    remove_spaces(t);
    if (t == QLatin1String("-")) {
        g_last_reader_error = 0;
        return true;
    }
    if (t.isEmpty()) {
        g_last_reader_error = expr_error::kNotANumber;
        return false;
    }
    normalise_expression(t);
    const Evaluation e = evaluate_expression(QChar(), QChar(), t, 0, 0);
    g_last_reader_error = e.error;
    if (!e.ok()) return false;
    value = e.value;
    return true;
}

bool eval_text_int(const QString& text, int& value) {
    value = 0;
    double v;
    if (!eval_text(text, v)) return false;
    const double r = std::nearbyint(v);
    if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max())) {
        g_last_reader_error = expr_error::kOutOfRange;
        return false;
    }
    value = static_cast<int>(r);
    return true;
}

bool is_valid_expression(const QString& text) {
    double v;
    return eval_text(text, v);
}

int last_evaluation_error() {
    return g_last_reader_error;
}

}  // namespace cifrala
