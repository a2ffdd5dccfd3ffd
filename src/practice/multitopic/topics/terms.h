#pragma once
// The writing conventions of the differentiation topics: numbers and
// fractions, polynomial terms, powers of x in power notation (x with the
// exponent as superscript, a fraction exponent as a small fraction) and in
// root notation (the q-th root of x^p).
#include <QString>
#include <vector>

#include "practice/multitopic/formula_pieces.h"

namespace cifrala {

// How the lines of a worked derivative begin, and the multiplication dot.
inline const QString kFunctionLead = QStringLiteral("f(x) = ");
inline const QString kDerivativeLead = QStringLiteral("f'(x) = ");
inline const QString kDot = QStringLiteral("·");

// A fraction p/q in lowest terms with q > 0.
struct Rational {
    int p = 0;
    int q = 1;
    bool operator==(const Rational&) const = default;
    bool is_whole() const { return q == 1; }
    bool negative() const { return p < 0; }
    Rational abs() const { return {p < 0 ? -p : p, q}; }
    double value() const { return static_cast<double>(p) / q; }
};
// p/q reduced, the sign in the numerator (q != 0).
Rational rational(long long p, long long q = 1);
Rational operator*(const Rational& a, const Rational& b);
Rational operator-(const Rational& a, const Rational& b);

// One term c x^n of a polynomial.
struct Term {
    int coefficient = 0;
    int power = 0;
};
using Polynomial = std::vector<Term>;

// "2x^2-3x+1": each term with its sign ("-", or "+" when it is not the
// first, without blanks), its absolute coefficient (left out before x when
// it is 1) and x with the exponent as superscript when that exceeds 1; zero
// terms left out, "0" when nothing is left.
Formula polynomial(const Polynomial& p);
int nonzero_terms(const Polynomial& p);
// "(" f ")".
Formula bracketed(const Formula& f);
// The polynomial in brackets when it has more than one term; a single term
// also in brackets when it is negative and `after_factor` (it follows "·").
Formula factor(const Polynomial& p, bool after_factor = false);

// A factor after a plus sign: " + " and the factor, or " - " and a single
// negative term without its sign.
Formula plus_factor(const Polynomial& p);
Polynomial negated(Polynomial p);

// A coefficient in front of a factor: nothing for 1, "-" for -1.
QString coefficient_text(int c);
// A whole number as its text, a fraction as "-" (when negative) and the
// stacked fraction of the absolute values.
Formula number(const Rational& r);
// The same in brackets when it is negative (a factor after "·").
Formula number_factor(const Rational& r);
// An exponent: a whole number as its text, else "-" and a small fraction.
Formula exponent(const Rational& r);
// x to the power r in power notation: "x" for 1, "x" and the superscript.
Formula x_power(const Rational& r);
// x to the power r (r > 0) in root notation: x^p for a whole r, else the
// q-th root of x^p.
Formula x_root(const Rational& r);

// " + " or " - " between terms, "-" or nothing before the first.
QString joining_sign(bool negative, bool first);

}  // namespace cifrala
