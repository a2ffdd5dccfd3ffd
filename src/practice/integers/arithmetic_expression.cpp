#include "practice/integers/arithmetic_expression.h"

#include <cmath>

#include "tools/calc_result.h"
#include "util/format.h"
#include "util/number_settings.h"

namespace cifrala {

using namespace arithmetic_hints;

namespace {

// Results above this are not worked out.
constexpr double kLargestPower = 1e30;
// exponent * ln(base) above this is too large.
constexpr double kLargestExponentLog = 226;
// A divisor closer to 0 than this is 0.
constexpr double kZeroDivisor = 0.00001;
// Longer integer exponents are raised at once (the loop would only take time).
constexpr long long kLongestLoop = 10000;

// Larger denominators are not written.
constexpr qint64 kLargestDenominator = 1000000000;
constexpr qint64 kLargestNumerator = 1000000000000000000;
// p/q stands for v when they differ by less than this, relative to v.
constexpr double kFractionTolerance = 1e-12;

bool close_enough(double v, qint64 p, qint64 q) {
    return std::fabs(static_cast<double>(p) / static_cast<double>(q) - v) <=
           kFractionTolerance * std::max(1.0, v);
}

// The continued fraction of v, up to the first convergent that stands for v.
bool convergent(double v, qint64& p, qint64& q) {
    qint64 h0 = 0, h1 = 1, k0 = 1, k1 = 0;
    double x = v;
    for (int i = 0; i < 64; ++i) {
        const double a = std::floor(x);
        if (a > 1e15) return false;
        const auto ai = static_cast<qint64>(a);
        if (k1 > 0 && ai > (kLargestDenominator - k0) / k1) return false;
        if (h1 > 0 && ai > (kLargestNumerator - h0) / h1) return false;
        const qint64 h2 = ai * h1 + h0;
        const qint64 k2 = ai * k1 + k0;
        h0 = h1;
        h1 = h2;
        k0 = k1;
        k1 = k2;
        if (close_enough(v, h1, k1)) {
            p = h1;
            q = k1;
            return true;
        }
        const double rest = x - a;
        if (rest <= 0) return false;
        x = 1 / rest;
    }
    return false;
}

bool is_point(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

// An operand in a text: [begin, end) and its value.
struct Operand {
    bool ok = false;
    double value = 0;
    qsizetype begin = 0;
    qsizetype end = 0;
};

// The digits (with at most one decimal point) of `text`; the point may not
// come first.
bool number_value(QString digits, double& value) {
    if (digits.isEmpty() || is_point(digits.front())) return false;
    digits.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = digits.toDouble(&ok);
    return ok && std::isfinite(value);
}

// An optional "-" right at `at`, then digits with at most one decimal point.
Operand read_right(const QString& s, qsizetype at) {
    Operand o;
    o.begin = at;
    qsizetype i = at;
    const bool negative = i < s.size() && s[i] == QLatin1Char('-');
    if (negative) ++i;
    const qsizetype digits_from = i;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (is_digit(s[i])) continue;
        if (!is_point(s[i])) break;
        if (point) return o;  // a second decimal point
        point = true;
    }
    if (!number_value(s.mid(digits_from, i - digits_from), o.value)) return o;
    if (negative) o.value = -o.value;
    o.end = i;
    o.ok = true;
    return o;
}

// Digits with at most one decimal point, going back from `op`.
Operand read_left(const QString& s, qsizetype op) {
    Operand o;
    o.end = op;
    qsizetype i = op;
    int points = 0;
    while (i > 0 && (is_digit(s[i - 1]) || is_point(s[i - 1]))) {
        if (is_point(s[i - 1])) ++points;
        --i;
    }
    if (points > 1 || !number_value(s.mid(i, op - i), o.value)) return o;
    o.begin = i;
    o.ok = true;
    return o;
}

Operation replaced(const QString& s, qsizetype begin, qsizetype end, double value) {
    return {Operation::Done, s.left(begin) + expression_number(value) + s.mid(end)};
}

Operation error() {
    return {Operation::Error, QString()};
}

bool integer_power(double base, double exponent, double& out) {
    const long long n = std::llabs(static_cast<long long>(exponent));
    double r = 1;
    if (n > kLongestLoop) {
        r = std::pow(std::fabs(base), static_cast<double>(n));
        if (base < 0 && n % 2 == 1) r = -r;
    } else {
        for (long long k = 0; k < n && r != 0; ++k) {
            r *= base;
            if (std::fabs(r) > kLargestPower) return false;
        }
    }
    if (exponent < 0) {
        if (r == 0) return false;  // the reciprocal of 0
        r = 1 / r;
    }
    out = r;
    return std::isfinite(r) && std::fabs(r) <= kLargestPower;
}

bool power_value(double base, double exponent, double& out) {
    if (std::fabs(exponent) < 9e18 && std::trunc(exponent) == exponent)
        return integer_power(base, exponent, out);
    if (base <= 0) return false;
    const double t = exponent * std::log(base);
    if (t > kLargestExponentLog) return false;
    out = std::exp(t);
    return std::isfinite(out);
}

// The earlier of the first occurrences of two characters (-1: neither).
qsizetype first_of(const QString& s, QChar a, QChar b, qsizetype from = 0) {
    const qsizetype i = s.indexOf(a, from);
    const qsizetype j = s.indexOf(b, from);
    if (i < 0) return j;
    if (j < 0) return i;
    return std::min(i, j);
}

bool has_sum_operator(const QString& s) {
    return s.contains(QLatin1Char('+')) || s.indexOf(QLatin1Char('-'), 1) >= 0;
}

bool has_product_operator(const QString& s) {
    return s.contains(QLatin1Char('*')) || s.contains(QLatin1Char('/'));
}

Rewriting from_operation(const QString& before, const Operation& op, int hint) {
    Rewriting r;
    r.expression = before;
    if (op.result == Operation::DivisionByZero) {
        r.division_by_zero = true;
        r.hint = kDivisionByZero;
    } else if (op.result == Operation::Done) {
        r.expression = op.text;
        r.hint = hint;
        r.changed = true;
    }
    return r;
}

Rewriting replaced_signs(const QString& before, QString after, int hint) {
    Rewriting r;
    r.expression = std::move(after);
    r.hint = hint;
    r.changed = r.expression != before;
    return r;
}

// The rules inside the innermost bracket.
Rewriting rewrite_bracket_part(const QString& m) {
    const QString minus_minus = QStringLiteral("--");
    const QString plus_plus = QStringLiteral("++");
    const QString plus_minus = QStringLiteral("+-");
    if (m.contains(minus_minus)) {
        QString t = m;
        t.replace(minus_minus, QStringLiteral("+"));
        t.replace(plus_plus, QStringLiteral("+"));
        return replaced_signs(m, t, kBracketSigns);
    }
    if (m.contains(plus_minus))
        return replaced_signs(m, QString(m).replace(plus_minus, QStringLiteral("-")), kPlusMinus);
    if (m.contains(QLatin1Char('^'))) return from_operation(m, work_power(m), kBracketPower);
    if (has_product_operator(m)) return from_operation(m, work_product(m), kBracketProduct);
    if (has_sum_operator(m)) return from_operation(m, work_sum(m), kBracketSum);
    return {m, 0, false, false};
}

// M is one number: digits, possibly after a sign or the negative-base marker.
bool single_number(const QString& m) {
    if (m.isEmpty()) return false;
    const qsizetype from = m.front() == QLatin1Char('-') || m.front() == kNegativeBase ? 1 : 0;
    if (from >= m.size()) return false;
    for (qsizetype i = from; i < m.size(); ++i)
        if (!is_digit(m[i]) && !is_point(m[i])) return false;
    return true;
}

// The innermost bracket, from the first ")" back to the nearest "(".
Rewriting rewrite_innermost_bracket(const QString& e, qsizetype close) {
    Rewriting r;
    r.expression = e;
    const qsizetype open = e.lastIndexOf(QLatin1Char('('), close);
    if (open < 0) return r;
    const QString m = e.mid(open + 1, close - open - 1);
    const Rewriting inner = rewrite_bracket_part(m);
    if (inner.division_by_zero) {
        r.division_by_zero = true;
        r.hint = inner.hint;
        return r;
    }
    if (inner.changed) {
        r.expression = e.left(open + 1) + inner.expression + e.mid(close);
        r.hint = inner.hint;
        r.changed = true;
        return r;
    }
    if (!single_number(m)) return r;
    const bool power_follows = close + 1 < e.size() && e[close + 1] == QLatin1Char('^');
    const bool negative = m.front() == QLatin1Char('-') || m.front() == kNegativeBase;
    if (power_follows && negative) {
        // The sign stays with the base: (-3)^2 is worked out at once.
        const QString digits = m.mid(1);
        const QString t = e.left(open) + kNegativeBase + digits + e.mid(close + 1);
        const Operation op = work_power_at(t, open + 1 + digits.size());
        return from_operation(e, op, kNegativeBasePower);
    }
    QString number = m;
    if (number.front() == kNegativeBase) number.front() = QLatin1Char('-');
    r.expression = e.left(open) + number + e.mid(close + 1);
    r.hint = kBracketsRemoved;
    r.changed = true;
    return r;
}

Rewriting rewrite_whole(const QString& e) {
    const QString minus_minus = QStringLiteral("--");
    const QString plus_plus = QStringLiteral("++");
    const QString plus_minus = QStringLiteral("+-");
    const QString plus = QStringLiteral("+");
    if (e.contains(minus_minus))
        return replaced_signs(e, QString(e).replace(minus_minus, plus), kMinusMinus);
    if (e.contains(plus_plus))
        return replaced_signs(e, QString(e).replace(plus_plus, plus), kPlusPlus);
    if (e.contains(plus_minus))
        return replaced_signs(e, QString(e).replace(plus_minus, QStringLiteral("-")), kPlusMinus);
    if (e.contains(QLatin1Char('^'))) return from_operation(e, work_power(e), kPower);
    if (has_product_operator(e)) return from_operation(e, work_product(e), kProduct);
    if (has_sum_operator(e)) return from_operation(e, work_sum(e), 0);
    return {e, 0, false, false};
}

}  // namespace

QString expression_number(double value) {
    QString t = format_real_full(value);
    t.replace(number_settings.decimal_separator, QLatin1Char('.'));
    return t;
}

QString engine_text(const QString& expression) {
    return QString(expression).replace(kNegativeBase, QLatin1Char('-'));
}

Operation work_power(const QString& text) {
    return work_power_at(text, text.indexOf(QLatin1Char('^')));
}

Operation work_power_at(const QString& s, qsizetype op) {
    if (op <= 0 || op >= s.size() - 1 || s[op] != QLatin1Char('^')) return error();
    Operand base = read_left(s, op);
    const Operand exponent = read_right(s, op + 1);
    if (!base.ok || !exponent.ok) return error();
    if (base.begin > 0 && s[base.begin - 1] == kNegativeBase) {
        base.value = -base.value;
        --base.begin;
    }
    double value = 0;
    if (!power_value(base.value, exponent.value, value)) return error();
    return replaced(s, base.begin, exponent.end, value);
}

Operation work_product(const QString& s) {
    const qsizetype op = first_of(s, QLatin1Char('*'), QLatin1Char('/'));
    if (op <= 0 || op >= s.size() - 1) return error();
    Operand left = read_left(s, op);
    const Operand right = read_right(s, op + 1);
    if (!left.ok || !right.ok) return error();
    if (left.begin == 1 && s[0] == QLatin1Char('-')) {
        left.value = -left.value;
        left.begin = 0;
    }
    if (s[op] == QLatin1Char('/')) {
        if (std::fabs(right.value) < kZeroDivisor) return {Operation::DivisionByZero, QString()};
        return replaced(s, left.begin, right.end, left.value / right.value);
    }
    return replaced(s, left.begin, right.end, left.value * right.value);
}

Operation work_sum(const QString& s) {
    // A sign in front of the whole text belongs to the first number.
    const bool signed_first =
        !s.isEmpty() && (s[0] == QLatin1Char('-') || s[0] == QLatin1Char('+'));
    const QString rest = signed_first ? s.mid(1) : s;
    const qsizetype op = first_of(rest, QLatin1Char('+'), QLatin1Char('-'));
    if (op <= 0 || op >= rest.size() - 1) return error();
    Operand left = read_left(rest, op);
    const Operand right = read_right(rest, op + 1);
    if (!left.ok || left.begin != 0 || !right.ok) return error();
    if (signed_first && s[0] == QLatin1Char('-')) left.value = -left.value;
    const double value =
        rest[op] == QLatin1Char('+') ? left.value + right.value : left.value - right.value;
    return {Operation::Done, expression_number(value) + rest.mid(right.end)};
}

Rewriting rewrite_once(const QString& expression) {
    const qsizetype close = expression.indexOf(QLatin1Char(')'));
    Rewriting r =
        close >= 0 ? rewrite_innermost_bracket(expression, close) : rewrite_whole(expression);
    // The marker only lives between a bracket and its power; should one be
    // left, the power is worked out in the same step.
    if (r.changed && r.expression.contains(kNegativeBase) &&
        r.expression.indexOf(QLatin1Char(')')) < 0) {
        const Rewriting next = rewrite_whole(r.expression);
        if (next.changed) r.expression = next.expression;
    }
    return r;
}

bool decimal_fraction(double v, qint64& p, qint64& q) {
    p = 0;
    q = 1;
    if (!std::isfinite(v) || v < 0) return false;
    // The calculator's conversion, where it stands for the value; its
    // rounding to 8 decimals does not hold for small values such as 1/21924.
    if (const auto f = calculator_fraction(v); f && close_enough(v, f->p, f->q)) {
        p = f->p;
        q = f->q;
        return true;
    }
    return convergent(v, p, q);
}

bool is_one_number(const QString& e) {
    if (e.isEmpty()) return false;
    for (QChar c : {QLatin1Char('+'), QLatin1Char('*'), QLatin1Char('/'), QLatin1Char('^'),
                    QLatin1Char('('), QLatin1Char(')')})
        if (e.contains(c)) return false;
    return e.indexOf(QLatin1Char('-'), 1) < 0;
}

}  // namespace cifrala
