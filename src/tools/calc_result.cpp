#include "tools/calc_result.h"

#include <cmath>

#include "util/exact.h"
#include "util/format.h"
#include "util/integer_math.h"
#include "util/number_settings.h"

namespace cifrala {

namespace {

constexpr qint64 kMaxDenominator = 100000000;

// Within a relative 10^-6 of a whole number (or below 10^-6 in magnitude,
// which counts as 0). Kept in 64 bits: v * q passes the 32-bit range long
// before the search would end for large values.
bool near_whole(double x, qint64& n) {
    n = 0;
    if (std::fabs(x) < 1e-6) return true;
    const double r = std::nearbyint(x);
    if (std::fabs((x - r) / x) >= 1e-6) return false;
    n = static_cast<qint64>(r);
    return true;
}

}  // namespace

bool calculator_fraction(double v, qint64& p, qint64& q) {
    p = 0;
    q = 1;
    if (!std::isfinite(v) || v < 0 || v > 2147483647.0) return false;
    v = std::nearbyint(v * 1e8) / 1e8;
    qint64 num = 0;
    qint64 den = 2;
    for (; den <= kMaxDenominator; ++den) {
        if (near_whole(v * static_cast<double>(den), num)) break;
    }
    if (den > kMaxDenominator) return false;
    if (number_settings.exact_roots &&
        std::fabs(static_cast<double>(num) / static_cast<double>(den) - v) > 5e-7) {
        return false;
    }
    const qint64 g = gcd64(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    p = num;
    q = den;
    return true;
}

QString fraction_result_text(qint64 p, qint64 q) {
    if (p == 0) return QStringLiteral("0");
    if (q == 1) return QString::number(p);
    if (p == q) return QStringLiteral("1");
    if (q < p && number_settings.mixed_numbers) {
        QString text = QString::number(p / q);
        if (p % q > 0) {
            text += QStringLiteral("  ") + QString::number(p % q) + QLatin1Char('/') +
                    QString::number(q);
        }
        return text;
    }
    return QString::number(p) + QLatin1Char('/') + QString::number(q);
}

QString calculator_result_text(double v, bool exact_fractions) {
    QString sign;
    if (v < 0) {
        sign = QStringLiteral("-");
        v = -v;
    }
    QString text;
    qint64 p = 0;
    qint64 q = 1;
    if (exact_fractions && calculator_fraction(v, p, q)) {
        text = fraction_result_text(p, q);
    } else if (number_settings.exact_roots) {
        text = format_exact(v);
    } else {
        text = format_real(v);
    }
    // A value that rounds to 0 is shown without a sign.
    if (text == QLatin1String("0")) sign.clear();
    return sign + text;
}

}  // namespace cifrala
