#pragma once
// The quantities of the metric window as exact decimals: the digits of a
// whole number and a power of ten, so that shifting over the columns of a
// unit ladder never loses a digit. From them come the texts the worksheet
// shows: the plain value, the answer grouped by three digits and the
// standard form.
#include <QChar>
#include <QString>
#include <QtGlobal>

namespace cifrala {

struct ExactDecimal {
    QString digits;    // no leading and no trailing zeros; empty for 0
    int exponent = 0;  // the value is digits x 10^exponent

    bool is_zero() const { return digits.isEmpty(); }
    // k with 10^k <= value < 10^(k+1) (0 for 0).
    int leading_power() const;
    // The value times 10^n.
    ExactDecimal shifted(int n) const;
};

// mantissa x 10^exponent; a negative mantissa counts by its size.
ExactDecimal make_exact_decimal(qint64 mantissa, int exponent);

// "45000", "0,045", "12,5": no grouping, no exponent.
QString plain_decimal_text(const ExactDecimal& d, QChar separator);

// The answer as the worksheet writes it, each group of three followed by
// one blank. Values of at least 1 are cut into threes from the separator
// outwards ("45 000 ", "1 234,567 8 "); values below 1 keep "0" and the
// separator in front and cut their decimals into threes from the right
// ("0,0 045 ", "0,000 045 ").
QString grouped_decimal_text(const ExactDecimal& d, QChar separator);

// c x 10^power with one non-zero digit of c before the separator.
struct StandardForm {
    QString coefficient;  // "4,5"
    int power = 0;        // -3
};
StandardForm standard_form(const ExactDecimal& d, QChar separator);

}  // namespace cifrala
