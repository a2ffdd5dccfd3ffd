#include "practice/integers/arithmetic_generator.h"

#include <cmath>

#include "expr/eval_text.h"
#include "expr/expression.h"
#include "practice/integers/arithmetic_expression.h"
#include "util/random.h"

namespace cifrala {

using namespace own_expression_messages;

namespace {

// Redraws before the primary-school level falls back to additions only.
constexpr int kAttempts = 1000;
// No generated exercise takes more lines than this.
constexpr int kMostGeneratedLines = 40;
// An own expression: at most this many characters and lines.
constexpr int kLongestOwn = 60;
constexpr int kMostOwnLines = 40;
// Exponents of own expressions: at most two digits.
constexpr int kLongestExponent = 2;
// Numbers of own expressions and their worked lines stay below this.
constexpr double kLargestOwnNumber = 1e12;
// Two values of one exercise agree to this, relative to their size.
constexpr double kSameValue = 1e-9;

const QChar kOperatorChars[] = {QLatin1Char('+'), QLatin1Char('-'), QLatin1Char('*'),
                                QLatin1Char('/')};

// A number as it stands in an operation; with "Ook machten" a negative one
// is squared one time in ten, its sign in the base.
QString operand(int n, bool powers) {
    if (n < 0 && powers && random(10) == 0)
        return QStringLiteral("(") + kNegativeBase + QString::number(-n) + QStringLiteral(")^2");
    return QString::number(n);
}

int signed_number(int range) {
    const int x = random(2 * range) - range;
    return x == 0 ? 2 : x;
}

QString draw(const ArithmeticOptions& o, bool additions_only) {
    const bool powers = o.operators == ArithmeticOptions::Powers;
    const int kinds = o.operators == ArithmeticOptions::AddSubtract ? 2
                      : o.operators == ArithmeticOptions::Multiply  ? 3
                                                                    : 4;
    const int range = o.larger ? 30 : 10;
    const int n = random(3);
    // The bracket opens before operand `open` (counted from 0 after the first
    // number) and closes after operand `close`.
    int open = -1, close = -1;
    if (random(2) == 1 && o.brackets) {
        open = random(n);
        close = open + 1 + random(n - open + 1);
    }
    int previous = o.primary ? random(range) + 6 : signed_number(range);
    QString e;
    if (powers && random(10) == 0) {
        e = previous < 0 ? QStringLiteral("(") + kNegativeBase + QString::number(-previous) +
                               QStringLiteral(")^2")
                         : QString::number(previous) + QStringLiteral("^2");
    } else {
        e = QString::number(previous);
    }
    for (int i = 0; i < n + 2; ++i) {
        int op = additions_only ? 0 : random(kinds);
        int number = 0;
        if (o.primary) {
            // Only smaller numbers are subtracted, and never a bracket.
            if (op == 1 && (i == open || previous == 1)) op = 0;
            do {
                number = random(range) + 1;
            } while (op == 1 && number >= previous);
        } else {
            number = signed_number(range);
        }
        e += kOperatorChars[op];
        if (i == open) e += QLatin1Char('(');
        e += operand(number, powers);
        if (i == close) {
            e += QLatin1Char(')');
            if (powers && random(10) == 0) e += QStringLiteral("^2");
        }
        previous = number;
    }
    return e;
}

// A number of the expression is negative.
bool has_negative_number(const QString& e) {
    if (e.contains(kNegativeBase)) return true;
    for (qsizetype i = 0; i < e.size(); ++i) {
        if (e[i] != QLatin1Char('-')) continue;
        if (i == 0 || QStringView(u"+-*/(^").contains(e[i - 1])) return true;
    }
    return false;
}

bool stays_positive(const QString& e) {
    const WorkedLines w = work_out(e, kMostGeneratedLines);
    if (w.stuck) return false;
    for (const QString& line : w.lines)
        if (has_negative_number(line)) return false;
    return true;
}

bool same_value(double a, double b) {
    return std::fabs(a - b) <= kSameValue * std::max(1.0, std::fabs(a));
}

// Every number of a line fits and every decimal one has its fraction.
int line_numbers_message(const QString& line) {
    qsizetype i = 0;
    while (i < line.size()) {
        if (!is_number_char(line[i])) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < line.size() && is_number_char(line[j]))
            ++j;
        const QString digits = line.mid(i, j - i);
        bool ok = false;
        const double v = digits.toDouble(&ok);
        if (!ok) return kCannotWork;
        if (v >= kLargestOwnNumber) return kTooLarge;
        qint64 p = 0, q = 1;
        if (digits.contains(QLatin1Char('.')) && !decimal_fraction(v, p, q)) return kNoFraction;
        i = j;
    }
    return 0;
}

// 2(3 + 4) and (1 + 2)(3 + 4) get their "*".
QString with_products(const QString& t) {
    QString out;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (i > 0) {
            const QChar before = t[i - 1];
            const bool bracket_after_factor =
                c == QLatin1Char('(') &&
                (is_digit(before) || before == QLatin1Char(')') || before == QLatin1Char('.'));
            const bool number_after_bracket = before == QLatin1Char(')') && is_digit(c);
            if (bracket_after_factor || number_after_bracket) out += QLatin1Char('*');
        }
        out += c;
    }
    return out;
}

int bracket_message(const QString& t) {
    int depth = 0;
    for (QChar c : t) {
        if (c == QLatin1Char('(')) ++depth;
        if (c == QLatin1Char(')') && --depth < 0) return kBrackets;
    }
    return depth == 0 ? 0 : kBrackets;
}

// Each "^" stands after a number or a bracket and before a whole number of at
// most two digits (possibly negative), which no further "^" follows.
int exponent_message(const QString& t) {
    for (qsizetype i = t.indexOf(QLatin1Char('^')); i >= 0;
         i = t.indexOf(QLatin1Char('^'), i + 1)) {
        if (i == 0 || !(is_digit(t[i - 1]) || t[i - 1] == QLatin1Char(')'))) return kNotReadable;
        qsizetype j = i + 1;
        if (j < t.size() && t[j] == QLatin1Char('-')) ++j;
        const qsizetype digits_from = j;
        while (j < t.size() && is_digit(t[j]))
            ++j;
        if (j == digits_from || j - digits_from > kLongestExponent) return kExponent;
        if (j < t.size() && (t[j] == QLatin1Char('.') || t[j] == QLatin1Char('^')))
            return kExponent;
    }
    return 0;
}

OwnExpression refused(int message) {
    return {QString(), message};
}

}  // namespace

QString generate_expression(const ArithmeticOptions& options) {
    ArithmeticOptions o = options;
    // There are no powers at primary-school level.
    if (o.primary && o.operators == ArithmeticOptions::Powers)
        o.operators = ArithmeticOptions::Multiply;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QString e = draw(o, false);
        if (!o.primary || stays_positive(e)) return e;
    }
    return draw(o, true);
}

WorkedLines work_out(const QString& expression, int most) {
    WorkedLines w;
    w.lines.push_back(expression);
    while (!is_one_number(w.lines.back()) && static_cast<int>(w.lines.size()) < most) {
        const Rewriting r = rewrite_once(w.lines.back());
        if (r.division_by_zero) {
            w.division_by_zero = true;
            return w;
        }
        if (!r.changed) {
            w.stuck = true;
            return w;
        }
        w.lines.push_back(r.expression);
    }
    w.stuck = !is_one_number(w.lines.back());
    return w;
}

OwnExpression check_own_expression(const QString& typed) {
    QString t;
    for (QChar c : typed)
        if (!c.isSpace()) t += c;
    if (t.isEmpty()) return refused(kNotReadable);
    t.replace(QLatin1Char(':'), QLatin1Char('/'));
    t.replace(QChar(0xD7), QLatin1Char('*'));  // ×
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.size() > kLongestOwn) return refused(kTooLong);
    for (QChar c : t)
        if (!is_digit(c) && !QStringView(u".+-*/^()").contains(c)) return refused(kOnlyNumbers);
    if (const int m = bracket_message(t)) return refused(m);
    t = with_products(t);
    if (const int m = exponent_message(t)) return refused(m);
    double value = 0;
    if (!eval_text(t, value)) {
        return refused(last_evaluation_error() == expr_error::kDivisionByZero ? kDivisionByZero
                                                                              : kNotReadable);
    }
    if (std::fabs(value) >= kLargestOwnNumber) return refused(kTooLarge);
    const WorkedLines w = work_out(t, kMostOwnLines);
    if (w.stuck && !w.division_by_zero) {
        return refused(static_cast<int>(w.lines.size()) >= kMostOwnLines ? kTooLong : kCannotWork);
    }
    for (const QString& line : w.lines) {
        if (const int m = line_numbers_message(line)) return refused(m);
        double v = 0;
        if (!eval_text(engine_text(line), v) || !same_value(v, value)) return refused(kCannotWork);
    }
    return {t, 0};
}

}  // namespace cifrala
