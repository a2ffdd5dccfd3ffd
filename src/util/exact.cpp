#include "util/exact.h"

#include <algorithm>
#include <cmath>

#include "util/format.h"
#include "util/integer_math.h"
#include "util/number_settings.h"
#include "util/tolerance.h"

namespace cifrala {
namespace {

QString num(qint64 n) {
    return QString::number(n);
}

// format_real in fixed mode, the other settings as they are.
QString format_fixed_mode(double x) {
    const bool fixed = number_settings.fixed_decimals;
    number_settings.fixed_decimals = true;
    QString text = format_real(x);
    number_settings.fixed_decimals = fixed;
    return text;
}

// "V(p/q)" with the fraction reduced.
QString root_of_fraction(qint64 p, qint64 q) {
    const qint64 g = gcd64(p, q);
    if (g > 1) {
        p /= g;
        q /= g;
    }
    if (q == 1) return QStringLiteral("V") + num(p);
    return QStringLiteral("V(") + num(p) + QLatin1Char('/') + num(q) + QLatin1Char(')');
}

QString exact_root(double x) {
    const double x2 = x * x;
    if (!std::isfinite(x2)) return format_real(x);
    int n = 0;
    if (near_integer(x2, n) && n > 0) {
        int s, r;
        split_square(n, s, r);
        if (number_settings.root_coefficients) return root_text(s, r);
        if (r == 1) return format_fixed_mode(x);
        return QStringLiteral("V") + num(n);
    }
    // The smallest k for which k^2 x^2 is whole.
    int k = 1;
    double m = x2;
    for (int j = 2; j <= 100; ++j) {
        int whole = 0;
        if (near_integer(double(j) * j * x2, whole) && whole > 0) {
            k = j;
            m = whole;
            break;
        }
    }
    int e = 0;
    while (m > 1) {
        m /= 100;
        e += 2;
    }
    while (m < 0.01) {
        m *= 100;
        e -= 2;
    }
    const int d = static_cast<int>(std::lround(m * 1e6));
    int s, r;
    split_square(d, s, r);
    const double c = std::sqrt(double(s)) * std::pow(10.0, (e - 6) / 2);
    const bool coefficients = number_settings.root_coefficients;
    if (s != 1 && r == 1) {
        return k == 1 ? format_real(c) : format_real(c) + QLatin1Char('/') + num(k);
    }
    if (s != 1) {
        if (coefficients) {
            if (k != 1) {
                return QLatin1Char('(') + format_real(c) + QLatin1Char('/') + num(k) +
                       QStringLiteral(") V") + num(r);
            }
            if (std::fabs(c - 1) < 1e-5) return QStringLiteral("V") + num(r);
            return format_real(c) + QStringLiteral("V") + num(r);
        }
        if (k != 1) return root_of_fraction(std::llround(c * c * r), qint64{k} * k);
        return QStringLiteral("V") + format_real(c * c * r);
    }
    if (e != 6) return format_real(x);
    if (k == 1) return QStringLiteral("V") + num(r);
    if (coefficients) return QStringLiteral("1/") + num(k) + QStringLiteral(" V") + num(r);
    return root_of_fraction(r, qint64{k} * k);
}

QString exact_fraction(double x) {
    qint64 p, q;
    approximate_fraction(x, 1e-6, p, q);
    QString text;
    if (p > q && number_settings.mixed_numbers) {
        text = num(p / q);
        if (p % q > 0) text += QStringLiteral("  ") + num(p % q);
    } else {
        text = num(p);
    }
    if (q > 1) text += QLatin1Char('/') + num(q);
    return text;
}

// The smallest p in 1..q with f < p/q + tol, found as the bisection over
// 0..q finds it; true when p/q also stays below f + tol.
bool fraction_fits(double f, double tol, qint64 q, qint64& p) {
    const double qd = static_cast<double>(q);
    qint64 c = static_cast<qint64>(std::floor((f - tol) * qd));
    c = std::clamp<qint64>(c, 1, q);
    while (c < q && !(f < double(c) / qd + tol))
        ++c;
    while (c > 1 && f < double(c - 1) / qd + tol)
        --c;
    p = c;
    return double(c) / qd - f < tol;
}

// Denominator of the fraction with the smallest denominator strictly inside
// (lo, hi), 0 <= lo < hi, or -1 when it exceeds 4,000,000. Each level of the
// continued fraction maps (lo, hi) to (1/(hi - n), 1/(lo - n)) with
// n = floor(lo), until an integer lies inside.
qint64 simplest_denominator(double lo, double hi) {
    double k1 = 0, k2 = 1;  // the last two convergent denominators
    for (int depth = 0; depth < 64; ++depth) {
        const double n = std::floor(lo);
        const bool last = n + 1 < hi;
        const double k = (last ? n + 1 : n) * k1 + k2;
        if (k > 4e6) return -1;
        if (last) return static_cast<qint64>(k);
        k2 = k1;
        k1 = k;
        const double next_lo = 1 / (hi - n);
        hi = lo - n > 0 ? 1 / (lo - n) : INFINITY;
        lo = next_lo;
    }
    return -1;
}

}  // namespace

QString format_exact(double x) {
    if (is_zero(x)) return QStringLiteral("0");
    QString sign;
    if (x < 0) {
        sign = QStringLiteral("-");
        x = -x;
    }
    if (number_settings.exact_roots) return sign + exact_root(x);
    if (number_settings.exact_fractions) return sign + exact_fraction(x);
    return sign + format_real(x);
}

QString root_text(int square, int rest) {
    const qint64 c = std::llround(std::sqrt(double(square)));
    if (c == 1) return rest == 1 ? QStringLiteral("1") : QStringLiteral("V") + num(rest);
    return rest == 1 ? num(c) : num(c) + QStringLiteral("V") + num(rest);
}

QString pi_multiple_text(double x, bool with_letters) {
    const double b = std::fabs(x);
    if (is_zero(b)) return QStringLiteral("0");
    const QString sign = x < 0 ? QStringLiteral("-") : QString();
    const QString pi = with_letters ? QStringLiteral("pi") : QString(QChar(kPiSign));
    for (int i = 1; i <= 100; ++i) {
        const double c = i * b / M_PI;
        const double m = std::nearbyint(c);
        if (m >= 1 && std::fabs(c - m) < 1e-5 && m < 1e15) {
            QString text = m == 1 ? QString() : num(static_cast<qint64>(m));
            text += pi;
            if (i != 1) text += QLatin1Char('/') + num(i);
            return sign + text;
        }
    }
    return sign + format_real(b);
}

void approximate_fraction(double x, double tol, qint64& p, qint64& q) {
    const double a = std::fabs(x);
    if (!std::isfinite(a) || a >= 1e12) {  // no fraction part worth showing
        p = std::isfinite(a) ? static_cast<qint64>(std::min(std::nearbyint(a), 9e18)) : 0;
        q = 1;
        return;
    }
    const double w = std::trunc(a);
    const double f = a - w;
    if (f < tol) {
        p = 0;
        q = 1;
    } else {
        constexpr qint64 kLast = 2000001;
        q = 0;
        for (qint64 t = 2; t <= 64 && q == 0; ++t) {
            if (fraction_fits(f, tol, t, p)) q = t;
        }
        if (q == 0) {
            qint64 start = simplest_denominator(f - tol, f + tol);
            if (start < 0 || start > kLast) start = kLast;  // no fit before giving up
            start = std::max<qint64>(start, 65);
            for (qint64 t = start; t <= kLast; ++t) {
                if (fraction_fits(f, tol, t, p) || t == kLast) {
                    q = t;
                    break;
                }
            }
        }
    }
    p += static_cast<qint64>(w) * q;
    const qint64 g = gcd64(p, q);
    if (g > 1) {
        p /= g;
        q /= g;
    }
}

void round_leading_digit(double& x) {
    if (is_zero(x) || !std::isfinite(x)) return;
    const double a = std::fabs(x);
    double r;
    if (a >= 20) {
        const double h = std::pow(10.0, std::trunc(std::log10(a)));
        r = std::trunc(a / h + 1) * h;
    } else if (a >= 1) {
        r = std::nearbyint(a + 0.499999);
    } else {
        const double h = std::pow(10.0, std::floor(std::log10(a)));
        r = std::floor(a / h + 0.5) * h;
    }
    x = x < 0 ? -r : r;
}

double round_up_leading(double x) {
    if (!(x > 0) || !std::isfinite(x)) return x;
    double t = std::trunc(std::log10(x));
    if (std::pow(10.0, t + 1) <= x) t += 1;
    const double h = std::pow(10.0, t);
    return h * std::trunc(x / h + 1);
}

}  // namespace cifrala
