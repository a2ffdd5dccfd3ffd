#pragma once
// The roots window's writing operations on its worksheet: root signs over
// a number, a product, a fraction or a mixed number, and fractions whose
// numerator or denominator holds a root. Each writes at the Formula cursor,
// moves it on, honours measure-only mode and records what it wrote as
// fractions and roots that read as the pupil reads them ("V(36 × 2)",
// "(3 V(2))/10").
#include <QString>
#include <vector>

namespace cifrala {

class Surface;

// √n, in the line's size.
void wortel_uit_txt(Surface& s, const QString& radicand);
// √(a × b × c).
void wortel_uit_product(Surface& s, const std::vector<int>& factors);
// One root sign over the fraction top/bottom.
void wortel_uit_breuk(Surface& s, int top, int bottom);
// One root sign over the whole number and the fraction of a mixed number.
void wortel_uit_breuk_abc(Surface& s, int whole, int top, int bottom);

// A piece of a fraction: a coefficient, a root, or a coefficient and a root
// ("3√2"); `radicand` empty: no root.
struct RootTerm {
    QString coefficient;
    QString radicand;
};
RootTerm plain_term(int n);
RootTerm root_term(int n);
RootTerm root_term(const QString& radicand);
// s√r: s alone when r = 1, √r alone when s = 1.
RootTerm coefficient_root_term(int s, int r);
// How the piece reads: "3 V(2)", "V(80)", "10".
QString term_reading(const RootTerm& term);

// A stacked fraction with these pieces, in the fraction size.
void breuk_met_wortels(Surface& s, const RootTerm& top, const RootTerm& bottom);
// s√r in the line's size (s alone when r = 1, √r alone when s = 1).
void coefficient_root(Surface& s, int coefficient, int radicand);
// The product a × b × ... written out, each factor a number or a root.
void product_of_terms(Surface& s, const std::vector<RootTerm>& terms);

}  // namespace cifrala
