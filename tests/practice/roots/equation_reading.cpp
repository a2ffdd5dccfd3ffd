#include "practice/roots/equation_reading.h"

#include <QRegularExpression>
#include <cmath>

#include "formula/display_reader.h"
#include "practice/multitopic/worksheet_expressions.h"
#include "text/messages.h"

namespace cifrala::testing {

namespace {

bool all_digits(const QString& t) {
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    return digits.match(t).hasMatch();
}

// "1 1/4" -> "(1+1/4)", "-9/4" -> "-(9/4)" and the rest as it is.
QString radicand_text(QString r) {
    static const QRegularExpression mixed(QStringLiteral("(\\d+) (\\d+)/(\\d+)"));
    r.replace(mixed, QStringLiteral("(\\1+\\2/\\3)"));
    return r;
}

QString root_text(const ReadToken& t) {
    QString radicand = radicand_text(t.text.trimmed());
    const QString index = t.index.isEmpty() ? QStringLiteral("2") : t.index;
    bool negative = false;
    if (radicand.startsWith(QLatin1Char('-'))) {
        negative = true;
        radicand = radicand.mid(1);
    }
    // The square root by the engine's own function, which also takes 0.
    const QString power = index == QLatin1String("2")
                              ? QStringLiteral("sqr(") + radicand + QStringLiteral(")")
                              : QStringLiteral("((") + radicand + QStringLiteral(")^(1/") + index +
                                    QStringLiteral("))");
    return negative ? QStringLiteral("(-") + power + QStringLiteral(")") : power;
}

QString reading_of(const ReadLine& line) {
    QString out;
    QString pending_whole;  // a whole number that may be a mixed number's
    // Tokens stand apart, as the reader sees them.
    const auto flush = [&] {
        out += QLatin1Char(' ') + pending_whole + QLatin1Char(' ');
        pending_whole.clear();
    };
    for (const ReadToken& token : line.tokens) {
        switch (token.kind) {
            case ReadToken::Text:
                flush();
                if (all_digits(token.text.trimmed())) {
                    pending_whole = token.text.trimmed();
                } else {
                    out += token.text;
                }
                break;
            case ReadToken::Fraction: {
                const QString fraction = QStringLiteral("((") + token.top + QStringLiteral(")/(") +
                                         token.bottom + QStringLiteral("))");
                if (!pending_whole.isEmpty()) {
                    out += QStringLiteral(" (") + pending_whole + QStringLiteral("+") + fraction +
                           QStringLiteral(")");
                    pending_whole.clear();
                } else {
                    out += QLatin1Char(' ') + fraction;
                }
                break;
            }
            case ReadToken::Superscript:
                flush();
                out += QStringLiteral("^(") + token.text + QStringLiteral(")");
                break;
            case ReadToken::Root:
                flush();
                out += root_text(token);
                break;
        }
    }
    flush();
    return out;
}

QString engine(QString side) {
    // "x^2 ( + 0x ) - 4": the missing x-term written as 0x.
    side.replace(QStringLiteral("( + 0x )"), QStringLiteral("+ 0x"));
    side.replace(QStringLiteral("×"), QStringLiteral("*"));
    side = engine_text(side);
    // A coefficient before a bracket or x, and a bracket before a bracket or
    // x, multiply.
    static const QRegularExpression implicit(QStringLiteral("([0-9x)])(?=[(x])"));
    side.replace(implicit, QStringLiteral("\\1*"));
    return side;
}

}  // namespace

std::vector<EquationLine> equation_lines(const DisplayList& display) {
    std::vector<EquationLine> lines;
    const QString word = QLatin1Char(' ') + msg(-57) + QLatin1Char(' ');
    for (const ReadLine& read : read_lines(display)) {
        EquationLine line;
        line.shown = read.text();
        const QString reading = reading_of(read);
        for (const QString& clause : reading.split(word, Qt::SkipEmptyParts)) {
            EquationClause c;
            c.shown = clause.trimmed();
            for (const QString& side : clause.split(QLatin1Char('='))) {
                if (side.trimmed().isEmpty()) continue;
                c.sides << engine(side);
            }
            if (c.sides.size() >= 2) line.clauses.push_back(c);
        }
        line.has_x = !line.clauses.empty() && reading.contains(QLatin1Char('x'));
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::vector<double>> sides_at(const EquationClause& c, double x) {
    std::vector<double> values;
    for (const QString& side : c.sides) {
        const auto v = value_at(side, x);
        if (!v) return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

bool clause_holds(const EquationClause& c, double x) {
    const auto values = sides_at(c, x);
    if (!values) return false;
    for (double v : *values)
        if (std::fabs(v - values->front()) > 1e-7 * std::max(1.0, std::fabs(v))) return false;
    return true;
}

std::optional<double> solution_of(const EquationClause& c) {
    if (c.sides.size() < 2 || c.sides.front() != QLatin1String("x")) return std::nullopt;
    return value_at(c.sides[1], 0);
}

}  // namespace cifrala::testing
