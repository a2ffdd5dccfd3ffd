#include "expr/expression.h"

#include <cmath>

#include "util/format.h"
#include "util/text_utils.h"

namespace cifrala {
namespace {

int g_last_error = 0;
int g_function_message = 0;
CurveProvider* g_curves = nullptr;

// First cut: plain arithmetic only.
struct Reader {
    QString t;
    qsizetype i = 0;
    int error = 0;
    double number() {
        qsizetype start = i;
        while (i < t.size() && (t[i].isDigit() || t[i] == ',' || t[i] == '.')) ++i;
        if (start == i) {
            error = expr_error::kNotANumber;
            return 0;
        }
        return parse_real(t.mid(start, i - start));
    }
    double primary() {
        if (i < t.size() && t[i] == '(') {
            ++i;
            const double v = sum();
            if (i < t.size() && t[i] == ')') ++i;
            else error = expr_error::kOpenWithoutClose;
            return v;
        }
        if (i < t.size() && t[i] == '-') {
            ++i;
            return -primary();
        }
        return number();
    }
    double power() {
        double v = primary();
        while (i < t.size() && t[i] == '^') {
            ++i;
            v = std::pow(v, primary());
        }
        return v;
    }
    double product() {
        double v = power();
        while (i < t.size() && (t[i] == '*' || t[i] == '/')) {
            const QChar op = t[i++];
            const double r = power();
            if (op == '/' && std::fabs(r) < 1e-5) error = expr_error::kDivisionByZero;
            else v = op == '*' ? v * r : v / r;
        }
        return v;
    }
    double sum() {
        double v = product();
        while (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            const QChar op = t[i++];
            const double r = product();
            v = op == '+' ? v + r : v - r;
        }
        return v;
    }
};

}  // namespace

void normalise_expression(QString& text, QChar, QChar) {
    remove_spaces(text);
    text = to_lower_ascii(text);
}

Evaluation evaluate_expression(QChar, QChar, const QString& text, double, double) {
    Reader r{text};
    const double v = r.sum();
    if (r.error == 0 && r.i != text.size()) r.error = expr_error::kNotANumber;
    g_last_error = r.error;
    return {r.error, r.error ? 0 : round_to_15_digits(v)};
}

int error_message_number(int code) { return code == 0 ? 0 : 383; }
int last_error_code() { return g_last_error; }
int function_message_number() { return g_function_message; }
CurveProvider* set_curve_provider(CurveProvider* provider) {
    CurveProvider* old = g_curves;
    g_curves = provider;
    return old;
}

}  // namespace cifrala
