#include "practice/metric/metric_decimal.h"

#include <QStringList>

namespace cifrala {

namespace {

// The text cut into pieces of three counted from its right end (the first
// piece may be shorter).
QStringList threes_from_right(const QString& text) {
    QStringList pieces;
    qsizetype end = text.size();
    while (end > 0) {
        const qsizetype start = std::max<qsizetype>(0, end - 3);
        pieces.prepend(text.mid(start, end - start));
        end = start;
    }
    return pieces;
}

// The text cut into pieces of three counted from its left end.
QStringList threes_from_left(const QString& text) {
    QStringList pieces;
    for (qsizetype i = 0; i < text.size(); i += 3)
        pieces << text.mid(i, 3);
    return pieces;
}

// Every piece followed by one blank.
QString joined(const QStringList& pieces) {
    QString out;
    for (const QString& p : pieces)
        out += p + QLatin1Char(' ');
    return out;
}

// The digits before and after the separator ("0" before it for values
// below 1).
struct Split {
    QString whole, decimals;
};

Split split(const ExactDecimal& d) {
    if (d.is_zero()) return {QStringLiteral("0"), QString()};
    if (d.exponent >= 0) return {d.digits + QString(d.exponent, QLatin1Char('0')), QString()};
    const qsizetype after = -d.exponent;
    if (after >= d.digits.size())
        return {QStringLiteral("0"), QString(after - d.digits.size(), QLatin1Char('0')) + d.digits};
    return {d.digits.left(d.digits.size() - after), d.digits.right(after)};
}

}  // namespace

int ExactDecimal::leading_power() const {
    return is_zero() ? 0 : static_cast<int>(digits.size()) - 1 + exponent;
}

ExactDecimal ExactDecimal::shifted(int n) const {
    ExactDecimal out = *this;
    if (!out.is_zero()) out.exponent += n;
    return out;
}

ExactDecimal make_exact_decimal(qint64 mantissa, int exponent) {
    ExactDecimal d;
    if (mantissa == 0) return d;
    // The size of the mantissa as digits (the lowest 64-bit value too).
    const quint64 size =
        mantissa < 0 ? 0 - static_cast<quint64>(mantissa) : static_cast<quint64>(mantissa);
    QString digits = QString::number(size);
    int e = exponent;
    while (digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
        ++e;
    }
    d.digits = digits;
    d.exponent = e;
    return d;
}

QString plain_decimal_text(const ExactDecimal& d, QChar separator) {
    const Split s = split(d);
    return s.decimals.isEmpty() ? s.whole : s.whole + separator + s.decimals;
}

QString grouped_decimal_text(const ExactDecimal& d, QChar separator) {
    const Split s = split(d);
    if (s.decimals.isEmpty()) return joined(threes_from_right(s.whole));
    if (d.leading_power() >= 0) {
        QString whole = joined(threes_from_right(s.whole));
        whole.chop(1);
        return whole + separator + joined(threes_from_left(s.decimals));
    }
    QStringList pieces = threes_from_right(s.decimals);
    pieces.first().prepend(QStringLiteral("0") + separator);
    return joined(pieces);
}

StandardForm standard_form(const ExactDecimal& d, QChar separator) {
    if (d.is_zero()) return {QStringLiteral("0"), 0};
    StandardForm f;
    f.coefficient = d.digits.left(1);
    if (d.digits.size() > 1) f.coefficient += separator + d.digits.mid(1);
    f.power = d.leading_power();
    return f;
}

}  // namespace cifrala
