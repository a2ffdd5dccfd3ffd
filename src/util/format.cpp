#include "util/format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include "util/round15.h"

#include "util/number_settings.h"

namespace cifrala {
namespace {

// A positive decimal d0.d1d2... * 10^exponent with at most 17 digits.
struct Digits {
    char d[32];
    int count = 0;
    int exponent = 0;
};

// |x| with `precision` + 1 significant digits, correctly rounded.
Digits scientific_digits(double x, int precision) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific,
                                 precision);
    Digits out;
    const char* p = buf;
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') out.d[out.count++] = *p;
    }
    int e = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, e);
    out.exponent = e;
    return out;
}

// Rounds half away from zero so that `keep` digits remain (keep may be <= 0).
void round_digits(Digits& g, int keep) {
    if (keep >= g.count) return;
    if (keep < 0) {
        g.count = 0;
        return;
    }
    const bool up = g.d[keep] >= '5';
    g.count = keep;
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && g.d[i] == '9')
        g.d[i--] = '0';
    if (i >= 0) {
        ++g.d[i];
    } else {  // 9.99 -> 10.0: one more digit in front
        std::memmove(g.d + 1, g.d, static_cast<size_t>(g.count));
        g.d[0] = '1';
        ++g.count;
        ++g.exponent;
    }
}

// Plain positional text of the digits, no exponent, no trailing zeros after
// the separator.
QString plain_text(Digits g, bool negative, QChar separator) {
    while (g.count > 0 && g.d[g.count - 1] == '0')
        --g.count;
    if (g.count == 0) return QStringLiteral("0");
    QString out;
    out.reserve(g.count + std::abs(g.exponent) + 3);
    if (negative) out += QLatin1Char('-');
    const QLatin1StringView digits(g.d, g.count);
    const int e = g.exponent;
    if (e < 0) {
        out += QLatin1Char('0');
        out += separator;
        out += QString(-e - 1, QLatin1Char('0'));
        out += digits;
    } else if (e >= g.count - 1) {
        out += digits;
        out += QString(e - g.count + 1, QLatin1Char('0'));
    } else {
        out += digits.first(e + 1);
        out += separator;
        out += digits.sliced(e + 1);
    }
    return out;
}

double zero_limit() {
    return number_settings.tiny_mode ? 1e-30 : 1e-14;
}

}  // namespace

QString format_real(double x) {
    if (!std::isfinite(x) || std::fabs(x) < zero_limit()) return QStringLiteral("0");
    const QChar sep = number_settings.decimal_separator;
    if (number_settings.fixed_decimals) {
        Digits g = scientific_digits(x, 14);
        round_digits(g, g.exponent + 1 + std::max(0, number_settings.decimals));
        return plain_text(g, x < 0, sep);
    }
    const int d = std::clamp(number_settings.significant_digits, 1, 15);
    return plain_text(scientific_digits(x, d - 1), x < 0, sep);
}

QString format_real_full(double x) {
    NumberSettings& s = number_settings;
    const bool fixed = s.fixed_decimals;
    const int digits = s.significant_digits;
    s.fixed_decimals = false;
    s.significant_digits = 15;
    QString text = format_real(x);
    s.fixed_decimals = fixed;
    s.significant_digits = digits;
    return text;
}

QString format_fixed15(double x) {
    if (!std::isfinite(x)) return QStringLiteral("0");
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 15);
    QString text = QString::fromLatin1(buf, r.ptr - buf);
    text.replace(QLatin1Char('.'), number_settings.decimal_separator);
    text = strip_trailing_zeros(text);
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
    return text;
}

QString strip_trailing_zeros(const QString& text) {
    const QChar sep = number_settings.decimal_separator;
    if (!text.contains(sep)) return text;
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == QLatin1Char('0'))
        --n;
    if (n > 0 && text[n - 1] == sep) --n;
    return text.left(n);
}

QString zeros_text(int n) {
    return n > 0 ? QString(n, QLatin1Char('0')) : QString();
}

QString int_to_text(int n) {
    return QString::number(n);
}
QString int_to_text(qint64 n) {
    return QString::number(n);
}

MagnitudeText format_with_magnitude(double x) {
    MagnitudeText out;
    if (x >= 1e12) {
        out = {format_real(x / 1e12), 1992, 12};
    } else if (x >= 1e9) {
        out = {format_real(x / 1e9), 1991, 9};
    } else if (x >= 1e6) {
        out = {format_real(x / 1e6), 1990, 6};
    } else {
        const QString text = format_real(x);
        const qsizetype sep = text.indexOf(number_settings.decimal_separator);
        const qsizetype first = text.startsWith(QLatin1Char('-')) ? 1 : 0;
        const qsizetype end = sep < 0 ? text.size() : sep;
        QString grouped = text.left(first);
        for (qsizetype i = first; i < end; ++i) {
            if (i > first && (end - i) % 3 == 0) grouped += QLatin1Char(' ');
            grouped += text[i];
        }
        grouped += text.mid(end);
        out.text = grouped;
    }
    return out;
}

namespace round15_detail {

double round_15_slow(double x) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    double v = 0;
    const auto read = std::from_chars(buf, r.ptr, v);
    if (read.ec == std::errc::result_out_of_range) {
        // Beyond the largest real after rounding up, or a subnormal value.
        return std::fabs(x) > 1 ? std::copysign(INFINITY, x) : x;
    }
    return v;
}

}  // namespace round15_detail

double round_to_15_digits(double x) {
    return round_to_15_digits_inline(x);
}

}  // namespace cifrala
