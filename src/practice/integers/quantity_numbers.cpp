#include "practice/integers/quantity_numbers.h"

#include <cmath>
#include <cstdlib>

#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala {

ExactDecimal::ExactDecimal(qint64 digits, int exponent) : digits_(digits), exponent_(exponent) {
    normalise();
}

void ExactDecimal::normalise() {
    if (digits_ == 0) {
        exponent_ = 0;
        return;
    }
    while (digits_ % 10 == 0) {
        digits_ /= 10;
        ++exponent_;
    }
}

ExactDecimal ExactDecimal::operator*(const ExactDecimal& o) const {
    // The topics multiply numbers of a few digits; 128 bits keep a product exact.
    const __int128 p = static_cast<__int128>(digits_) * o.digits_;
    Q_ASSERT(p <= static_cast<__int128>(INT64_MAX) && p >= -static_cast<__int128>(INT64_MAX));
    return {static_cast<qint64>(p), exponent_ + o.exponent_};
}

int ExactDecimal::order() const {
    if (digits_ == 0) return 0;
    int n = 0;
    for (qint64 d = std::llabs(digits_); d >= 10; d /= 10)
        ++n;
    return n + exponent_;
}

QString ExactDecimal::text() const {
    QString digits = QString::number(std::llabs(digits_));
    const QString sign = digits_ < 0 ? QStringLiteral("-") : QString();
    if (exponent_ >= 0) return sign + digits + QString(exponent_, QLatin1Char('0'));
    const int decimals = -exponent_;
    if (digits.size() <= decimals)
        digits = QString(decimals - digits.size() + 1, QLatin1Char('0')) + digits;
    const int point = digits.size() - decimals;
    return sign + digits.left(point) + number_settings.decimal_separator + digits.mid(point);
}

double ExactDecimal::to_double() const {
    return static_cast<double>(digits_) * std::pow(10.0, exponent_);
}

StandardForm standard_form(const ExactDecimal& x) {
    const int k = x.order();
    return {x.times_ten_to(-k), k};
}

ExactDecimal random_value(int base) {
    const int times = random(3);
    const bool divide = random(2) == 0;
    return ExactDecimal(base).times_ten_to(divide ? -times : times);
}

namespace prefix {

QString text(int position) {
    switch (position) {
        case -5:
            return QStringLiteral("n");
        case -2:
            return QString(QChar(181));
        case 1:
            return QStringLiteral("m");
        case 2:
            return QStringLiteral("c");
        case 3:
            return QStringLiteral("d");
        case 4:
            return QString();
        case 5:
            return QStringLiteral("da");
        case 6:
            return QStringLiteral("h");
        case 7:
            return QStringLiteral("k");
        case 10:
            return QStringLiteral("M");
        case 13:
            return QStringLiteral("G");
        case 16:
            return QStringLiteral("T");
        default:
            return QStringLiteral("?");
    }
}

bool known(int position) {
    return text(position) != QLatin1String("?");
}

int plain_draw() {
    return random(7) + 1;
}

int extended_draw() {
    const int r = random(12);
    if (r == 0) return -5;
    if (r == 1) return -2;
    if (r <= 8) return r - 1;
    return 10 + 3 * (r - 9);
}

}  // namespace prefix

}  // namespace cifrala
