#pragma once
// The writing conventions the equation topics of the roots window share: a
// coefficient in front of x, added and subtracted terms, fractions with
// their sign in front, roots with an index, small exponents, the dot of a
// product, and the closing line of an exercise.
#include <QString>
#include <functional>

namespace cifrala {

class Surface;

namespace equation_messages {
constexpr int kOr = -57;            // the word between two solutions
constexpr int kDone = 1540;         // the closing line
constexpr int kNoSolutions = 1501;  // there are no solutions
constexpr int kEvenPowerNotNegative = 1558;
constexpr int kSoNoSolution = 2063;
constexpr int kRootNotNegative = 2039;
constexpr int kNoSolutionRoot = 2040;
}  // namespace equation_messages

// The pieces of text every equation line uses.
inline const QString kIs = QStringLiteral(" = ");
inline const QString kIsZero = QStringLiteral(" = 0");
inline const QString kFourBlanks = QStringLiteral("    ");

// A whole number as text.
QString number_text(long long n);
// Left out for 1, "-" for -1, the number otherwise (before x or a bracket).
void coefficient(Surface& s, long long k);
QString coefficient_text(long long k);
// " - |v|" for v < 0, " + |v|" otherwise.
void added_term(Surface& s, long long v);
QString added_term_text(long long v);
// The term -v, when v is taken to the other side: " + |v|" for v < 1,
// " - |v|" otherwise.
void subtracted_term(Surface& s, long long v);
QString subtracted_term_text(long long v);
// A "-" and 3 pixels when numerator·denominator < 0; then the absolute
// values, divided by their gcd when `reduce` is set: the whole number when
// the denominator is 1, the mixed number when `mixed` is set and the
// denominator is the smaller, else the fraction.
void signed_fraction(Surface& s, long long numerator, long long denominator, bool mixed,
                     bool reduce);
// The same reduced and mixed, with 5 pixels after the "-".
void vereenvoudigde_breuk(Surface& s, long long numerator, long long denominator);
// A root sign of `scale` with its corner 2 pixels above the line over a text.
void eenvoudigtxt(Surface& s, const QString& text, double scale = 0.7);
// The n-th root of k (the index written when n > 2).
void ndewortel(Surface& s, long long k, int n);
// The n-th root over the fraction e/d (with its sign) or over the mixed
// number of e/d, the index 10 pixels right of the sign.
void root_over_fraction(Surface& s, long long e, long long d, int n);
void root_over_mixed(Surface& s, long long e, long long d, int n);
// k as a small exponent, 5 pixels up.
void in_de_macht1(Surface& s, long long k);
// "·" and 3 pixels.
void maal(Surface& s);
// The message on the current line in the sheet's font, a point smaller
// while it would pass the right edge.
void message_line(Surface& s, int message);
// The n-th root of v >= 1 when it is a whole number (within 0.00001).
bool has_integer_root(long long v, int n, long long* root);

}  // namespace cifrala
