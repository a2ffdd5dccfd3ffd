#include "practice/roots/function_writing.h"

#include "formula/surface.h"
#include "util/format.h"

namespace cifrala {

namespace {

constexpr int kRemarkSize = 15;

QString whole_text(qint64 n) {
    return int_to_text(n);
}

// " + " or " - " before a term that is not the first, "-" before a negative
// first term.
void write_sign(Surface& s, bool negative, bool first) {
    if (first) {
        if (negative) s.my_textout(QStringLiteral("-"));
        return;
    }
    s.my_textout(negative ? QStringLiteral(" - ") : QStringLiteral(" + "));
}

// k x^power with the coefficient rule; `x` the text written for the variable.
void write_power_term(Surface& s, int k, int power, const QString& x, bool first, bool dot) {
    if (k == 0) return;
    write_sign(s, k < 0, first);
    const qint64 m = k < 0 ? -static_cast<qint64>(k) : k;
    if (power == 0) {
        s.my_textout(whole_text(m));
        return;
    }
    if (m != 1) s.my_textout(whole_text(m) + (dot ? QStringLiteral("·") : QString()));
    s.my_textout(x);
    if (power == 2) s.in_de_machttxt(QStringLiteral("2"));
}

}  // namespace

void write_quadratic(Surface& s, int a, int b, int c) {
    const QString x = QStringLiteral("x");
    write_power_term(s, a, 2, x, true, false);
    write_power_term(s, b, 1, x, a == 0, false);
    write_power_term(s, c, 0, x, a == 0 && b == 0, false);
    if (a == 0 && b == 0 && c == 0) s.my_textout(QStringLiteral("0"));
}

void write_quadratic_filled_in(Surface& s, int a, int b, int c, const QString& x) {
    write_power_term(s, a, 2, x, true, true);
    write_power_term(s, b, 1, x, a == 0, true);
    write_power_term(s, c, 0, x, a == 0 && b == 0, true);
}

void write_linear(Surface& s, int a, int b) {
    const QString x = QStringLiteral("x");
    write_power_term(s, a, 1, x, true, false);
    write_power_term(s, b, 0, x, a == 0, false);
}

void write_fraction_text(Surface& s, const QString& top, const QString& bottom) {
    s.breuktxt(top, bottom);
}

void write_sum_over(Surface& s, const QString& top, const QString& bottom) {
    FractionStyleA& style = s.style_ref().fraction;
    const FractionStyleA::Sign sign = style.sign;
    style.sign = FractionStyleA::NoSign;
    s.breuktxt(top, bottom);
    style.sign = sign;
}

void write_number(Surface& s, Rational v, bool mixed) {
    if (v.whole()) {
        s.my_textout(whole_text(v.n));
        return;
    }
    if (mixed && v.improper()) {
        const qint64 m = v.n < 0 ? -v.n : v.n;
        s.my_textout((v.n < 0 ? QStringLiteral("-") : QString()) + whole_text(m / v.d));
        s.breuktxt(whole_text(m % v.d), whole_text(v.d));
        return;
    }
    s.breuktxt(whole_text(v.n), whole_text(v.d));
}

void write_term(Surface& s, Rational v, bool first, bool mixed) {
    write_sign(s, v.negative(), first);
    write_number(s, v.abs(), mixed);
}

void write_coefficient(Surface& s, Rational v, bool first, bool mixed) {
    write_sign(s, v.negative(), first);
    const Rational m = v.abs();
    if (m == Rational(1)) return;
    write_number(s, m, mixed);
}

void write_remark(Surface& s, const QString& text) {
    const int size = s.font_size();
    const QColor colour = s.font_colour();
    s.set_font_size(kRemarkSize);
    s.set_font_colour(kRemarkColour);
    s.my_textout(text);
    s.set_font_size(size);
    s.set_font_colour(colour);
}

QString quadratic_text(int a, int b, int c) {
    QString t;
    const auto term = [&t](int k, const QString& x, bool first) {
        if (k == 0) return;
        if (first) {
            if (k < 0) t += QLatin1Char('-');
        } else {
            t += k < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ");
        }
        const qint64 m = k < 0 ? -static_cast<qint64>(k) : k;
        if (m != 1 || x.isEmpty()) t += int_to_text(m);
        t += x;
    };
    term(a, QStringLiteral("x^2"), true);
    term(b, QStringLiteral("x"), a == 0);
    term(c, QString(), a == 0 && b == 0);
    return t.isEmpty() ? QStringLiteral("0") : t;
}

}  // namespace cifrala
