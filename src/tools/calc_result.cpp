#include "tools/calc_result.h"

#include <cmath>
#include <limits>

#include "util/exact.h"
#include "util/format.h"
#include "util/number_settings.h"
#include "util/rational_search.h"

namespace cifrala {

namespace {

// The rounding error that a computation leaves in a value, relative to it:
// some units in its last place (a power through logarithms leaves 20).
constexpr double kComputationPrecision = 64 * std::numeric_limits<double>::epsilon();
// A fraction counts as exact only when a value that merely lies near it is
// this unlikely to fall within the precision of it by chance: for
// denominators up to q such values cover about q^2 * precision of the line.
constexpr double kChanceHit = 1e-3;
// The relative distance within which a fraction approximates the value.
constexpr double kApproximation = 1e-6;

}  // namespace

std::optional<CalcFraction> calculator_fraction(double v) {
    if (!std::isfinite(v) || v < 0 || v > 2147483647.0) return std::nullopt;
    if (v == 0) return CalcFraction{};
    CalcFraction f;
    const double precision = kComputationPrecision * v;
    if (simplest_fraction_within(v, precision, kCalcMaxDenominator, f.p, f.q)) {
        const double q = static_cast<double>(f.q);
        if (q * q * precision <= kChanceHit) return f;
    }
    if (!simplest_fraction_within(v, kApproximation * v, kCalcMaxDenominator, f.p, f.q))
        return std::nullopt;
    const double error = std::fabs(static_cast<double>(f.p) / static_cast<double>(f.q) - v);
    if (number_settings.exact_roots && error > 5e-7) return std::nullopt;
    f.exact = false;
    return f;
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
    std::optional<CalcFraction> fraction;
    if (exact_fractions) fraction = calculator_fraction(v);
    if (fraction) {
        text = fraction_result_text(fraction->p, fraction->q);
        if (!fraction->exact) return QString(kApproximatelySign) + QLatin1Char(' ') + sign + text;
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
