#include "practice/multitopic/worksheet_expressions.h"

#include <QRegularExpression>

#include "expr/expression.h"
#include "formula/display_reader.h"

namespace cifrala::testing {

namespace {

// The position of the bracket that closes the one at `open`, or -1.
qsizetype closing_bracket(const QString& t, qsizetype open) {
    int depth = 0;
    for (qsizetype i = open; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('(')) ++depth;
        if (t[i] == QLatin1Char(')') && --depth == 0) return i;
    }
    return -1;
}

// "V3(a)" -> "((a)^(1/3))", "V(a)" -> "((a)^(1/2))".
QString roots_as_powers(QString t) {
    static const QRegularExpression root(QStringLiteral("V(\\d*)\\("));
    for (;;) {
        const QRegularExpressionMatch m = root.match(t);
        if (!m.hasMatch()) return t;
        const qsizetype open = m.capturedEnd() - 1;
        const qsizetype close = closing_bracket(t, open);
        if (close < 0) return t;
        const QString index = m.captured(1).isEmpty() ? QStringLiteral("2") : m.captured(1);
        const QString inside = t.mid(open + 1, close - open - 1);
        t = t.left(m.capturedStart()) + QStringLiteral("((") + inside + QStringLiteral(")^(1/") +
            index + QStringLiteral("))") + t.mid(close + 1);
    }
}

// "cos^2(a)" -> "(cos(a))^2".
QString powers_of_functions(QString t) {
    static const QRegularExpression f(QStringLiteral("(sin|cos|tan)\\^(\\d+)\\("));
    for (;;) {
        const QRegularExpressionMatch m = f.match(t);
        if (!m.hasMatch()) return t;
        const qsizetype open = m.capturedEnd() - 1;
        const qsizetype close = closing_bracket(t, open);
        if (close < 0) return t;
        t = t.left(m.capturedStart()) + QStringLiteral("(") + m.captured(1) +
            t.mid(open, close - open + 1) + QStringLiteral(")^") + m.captured(2) + t.mid(close + 1);
    }
}

// "^2 log(a)" (the base written before log) -> "log(2;a)".
QString logarithm_bases(QString t) {
    static const QRegularExpression base(QStringLiteral("\\^\\(?(\\d+)\\)?\\s*log\\("));
    return t.replace(base, QStringLiteral("log(\\1;"));
}

}  // namespace

QString engine_text(const QString& reading) {
    QString t = reading;
    t.replace(QStringLiteral("·"), QStringLiteral("*"));
    t = logarithm_bases(t);
    t = roots_as_powers(t);
    t = powers_of_functions(t);
    t.remove(QLatin1Char(' '));
    return t;
}

std::optional<double> value_at(const QString& text, double x) {
    QString t = text;
    normalise_expression(t, QLatin1Char('x'));
    const Evaluation e = evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), t, x, x);
    if (!e.ok()) return std::nullopt;
    return e.value;
}

std::vector<StatedExpression> stated_expressions(const DisplayList& display) {
    std::vector<StatedExpression> out;
    bool derivative = false;
    int number = 0;
    for (const ReadLine& line : read_lines(display)) {
        // Fractions keep their pieces in brackets, so a reading is one
        // expression text between the "=" signs.
        QString reading;
        for (const ReadToken& token : line.tokens) {
            switch (token.kind) {
                case ReadToken::Text:
                    reading += token.text;
                    break;
                case ReadToken::Fraction:
                    reading += QStringLiteral("((") + token.top + QStringLiteral(")/(") +
                               token.bottom + QStringLiteral("))");
                    break;
                case ReadToken::Superscript:
                    reading += QStringLiteral("^(") + token.text + QStringLiteral(")");
                    break;
                case ReadToken::Root:
                    reading += QStringLiteral("V") + token.index + QStringLiteral("(") +
                               token.text + QStringLiteral(")");
                    break;
            }
        }
        QString rest = reading.trimmed();
        if (rest.startsWith(QLatin1String("f'(x)"))) {
            derivative = true;
            rest = rest.mid(5);
        } else if (rest.startsWith(QLatin1String("f(x)"))) {
            derivative = false;
            rest = rest.mid(4);
        }
        const QStringList pieces = rest.split(QLatin1Char('='), Qt::SkipEmptyParts);
        for (const QString& piece : pieces) {
            if (piece.contains(QLatin1Char('[')) || piece.trimmed().isEmpty()) continue;
            out.push_back({derivative, engine_text(piece), line.text(), number});
        }
        ++number;
    }
    return out;
}

}  // namespace cifrala::testing
