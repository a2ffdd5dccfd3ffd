#include "practice/multitopic/topics/terms.h"

#include <cstdlib>
#include <numeric>

#include "util/format.h"

namespace cifrala {

namespace {

QString number_text(long long n) {
    return int_to_text(static_cast<qint64>(n));
}

}  // namespace

Rational rational(long long p, long long q) {
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const long long g = std::gcd(p, q);
    if (g > 1) {
        p /= g;
        q /= g;
    }
    if (p == 0) q = 1;
    return {static_cast<int>(p), static_cast<int>(q)};
}

Rational operator*(const Rational& a, const Rational& b) {
    return rational(static_cast<long long>(a.p) * b.p, static_cast<long long>(a.q) * b.q);
}

Rational operator-(const Rational& a, const Rational& b) {
    return rational(static_cast<long long>(a.p) * b.q - static_cast<long long>(b.p) * a.q,
                    static_cast<long long>(a.q) * b.q);
}

QString joining_sign(bool negative, bool first) {
    if (first) return negative ? QStringLiteral("-") : QString();
    return negative ? QStringLiteral(" - ") : QStringLiteral(" + ");
}

int nonzero_terms(const Polynomial& p) {
    int n = 0;
    for (const Term& t : p)
        if (t.coefficient != 0) ++n;
    return n;
}

Formula polynomial(const Polynomial& p) {
    Formula f;
    bool first = true;
    for (const Term& t : p) {
        if (t.coefficient == 0) continue;
        const long long c = std::llabs(static_cast<long long>(t.coefficient));
        f << (t.coefficient < 0 ? QStringLiteral("-") : first ? QString() : QStringLiteral("+"));
        if (c != 1 || t.power == 0) f << number_text(c);
        if (t.power >= 1) f << QStringLiteral("x");
        if (t.power > 1) f << power_piece(formula(number_text(t.power)));
        first = false;
    }
    if (first) f << QStringLiteral("0");
    return f;
}

Formula bracketed(const Formula& f) {
    Formula out;
    out << QStringLiteral("(") << f << QStringLiteral(")");
    return out;
}

Formula factor(const Polynomial& p, bool after_factor) {
    const Formula f = polynomial(p);
    if (nonzero_terms(p) > 1) return bracketed(f);
    bool negative = false;
    for (const Term& t : p)
        if (t.coefficient < 0) negative = true;
    return negative && after_factor ? bracketed(f) : f;
}

Polynomial negated(Polynomial p) {
    for (Term& t : p)
        t.coefficient = -t.coefficient;
    return p;
}

Formula plus_factor(const Polynomial& p) {
    if (nonzero_terms(p) == 1) {
        for (const Term& t : p)
            if (t.coefficient < 0) return formula(QStringLiteral(" - "), polynomial(negated(p)));
    }
    return formula(QStringLiteral(" + "), factor(p));
}

QString coefficient_text(int c) {
    if (c == 1) return QString();
    if (c == -1) return QStringLiteral("-");
    return number_text(c);
}

Formula number(const Rational& r) {
    Formula f;
    if (r.is_whole()) return formula(number_text(r.p));
    if (r.negative()) f << QStringLiteral("-");
    f << fraction_piece(formula(number_text(std::llabs(static_cast<long long>(r.p)))),
                        formula(number_text(r.q)));
    return f;
}

Formula number_factor(const Rational& r) {
    return r.negative() ? bracketed(number(r)) : number(r);
}

Formula exponent(const Rational& r) {
    return number(r);
}

Formula x_power(const Rational& r) {
    Formula f = formula(QStringLiteral("x"));
    if (r == Rational{1, 1}) return f;
    f << power_piece(exponent(r));
    return f;
}

Formula x_root(const Rational& r) {
    if (r.is_whole()) return x_power(r);
    Formula f;
    f << root_piece(x_power(Rational{r.p, 1}), r.q);
    return f;
}

}  // namespace cifrala
