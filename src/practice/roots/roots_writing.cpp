#include "practice/roots/roots_writing.h"

#include <QStringList>
#include <algorithm>

#include "formula/surface.h"
#include "practice/roots/roots_style.h"

namespace cifrala {

namespace {

const QString kTimes = QStringLiteral(" × ");

// The fraction and mixed number under one root sign end this close to the
// overbar's end.
int fraction_end_gap(const Surface& s) {
    return std::max(0, s.style().fraction.gap_after - 1);
}

// A root piece of a fraction sits a little further from the bar than a
// number does, so that its overbar stays clear of the fraction bar.
constexpr int kRootTopLift = 3;
constexpr int kRootBottomDrop = 6;
// Room between a coefficient and the root sign after it.
constexpr int kCoefficientGap = 3;

void coefficient(Surface& s, const QString& text) {
    s.my_textout(text);
    s.cursor.x += kCoefficientGap;
}

void write_term(Surface& s, const RootTerm& t) {
    if (t.radicand.isEmpty()) {
        s.my_textout(t.coefficient);
        return;
    }
    if (!t.coefficient.isEmpty()) coefficient(s, t.coefficient);
    s.worteluittxt(t.radicand, kRootInFraction.scale, kRootInFraction.corner_dy);
}

int term_width(Surface& s, const RootTerm& t) {
    const bool was = s.measure_only;
    const int x = s.cursor.x;
    s.measure_only = true;
    write_term(s, t);
    const int w = s.cursor.x - x;
    s.cursor.x = x;
    s.measure_only = was;
    return w;
}

}  // namespace

void wortel_uit_txt(Surface& s, const QString& radicand) {
    s.worteluittxt(radicand, kRootOverNumber.scale, kRootOverNumber.corner_dy);
}

void wortel_uit_product(Surface& s, const std::vector<int>& factors) {
    QStringList pieces;
    for (int f : factors)
        pieces << int_text(f);
    wortel_uit_txt(s, pieces.join(kTimes));
}

void wortel_uit_breuk(Surface& s, int top, int bottom) {
    const QString reading = int_text(top) + QLatin1Char('/') + int_text(bottom);
    s.wortel_over(reading, kRootOverFraction.scale, kRootOverFraction.corner_dy, [&] {
        s.breuk(top, bottom);
        s.cursor.x -= fraction_end_gap(s);
    });
}

void wortel_uit_breuk_abc(Surface& s, int whole, int top, int bottom) {
    const QString reading =
        int_text(whole) + QLatin1Char(' ') + int_text(top) + QLatin1Char('/') + int_text(bottom);
    s.wortel_over(reading, kRootOverFraction.scale, kRootOverFraction.corner_dy, [&] {
        s.breuk_abc(whole, top, bottom);
        s.cursor.x -= fraction_end_gap(s);
    });
}

RootTerm plain_term(int n) {
    return RootTerm{int_text(n), QString()};
}

RootTerm root_term(int n) {
    return RootTerm{QString(), int_text(n)};
}

RootTerm root_term(const QString& radicand) {
    return RootTerm{QString(), radicand};
}

RootTerm coefficient_root_term(int s, int r) {
    if (r == 1) return plain_term(s);
    if (s == 1) return root_term(r);
    return RootTerm{int_text(s), int_text(r)};
}

QString term_reading(const RootTerm& term) {
    QString out = term.coefficient;
    if (!term.radicand.isEmpty()) {
        if (!out.isEmpty()) out += QLatin1Char(' ');
        out += QStringLiteral("V(") + term.radicand + QLatin1Char(')');
    }
    return out;
}

void breuk_met_wortels(Surface& s, const RootTerm& top, const RootTerm& bottom) {
    Surface::Batch batch(s);
    const FractionStyleA& st = s.style().fraction;
    const int applied = s.shrink_font(st.shrink);
    const int wn = term_width(s, top);
    const int wd = term_width(s, bottom);
    const int x = s.cursor.x;
    const int y = s.cursor.y;
    const bool narrow_top = wn < wd;
    const int top_y = y + (narrow_top ? st.top_offset_narrow : st.top_offset) -
                      (top.radicand.isEmpty() ? 0 : kRootTopLift);
    const int bottom_y = y + (narrow_top ? st.bottom_offset_narrow : st.bottom_offset) +
                         (bottom.radicand.isEmpty() ? 0 : kRootBottomDrop);
    const int w = std::max(wn, wd);
    const size_t mark = s.display().size();
    s.cursor = {x + (w - wn) / 2, top_y};
    write_term(s, top);
    s.cursor = {x + (w - wd) / 2, bottom_y};
    write_term(s, bottom);
    if (!s.measure_only) s.line(x - 1, y + st.bar_offset, x + w + 1, y + st.bar_offset);
    s.record(DrawnFraction{term_reading(top), term_reading(bottom), {}, {}, {}, y}, mark);
    s.restore_font(applied);
    s.cursor = {x + w + st.gap_after, y};
}

void coefficient_root(Surface& s, int factor, int radicand) {
    Surface::Batch batch(s);
    if (radicand == 1) {
        s.my_textout(int_text(factor));
        return;
    }
    if (factor != 1) coefficient(s, int_text(factor));
    wortel_uit_txt(s, int_text(radicand));
}

void product_of_terms(Surface& s, const std::vector<RootTerm>& terms) {
    Surface::Batch batch(s);
    for (size_t i = 0; i < terms.size(); ++i) {
        if (i > 0) s.my_textout(kTimes);
        if (terms[i].radicand.isEmpty()) {
            s.my_textout(terms[i].coefficient);
        } else {
            if (!terms[i].coefficient.isEmpty()) coefficient(s, terms[i].coefficient);
            wortel_uit_txt(s, terms[i].radicand);
        }
    }
}

}  // namespace cifrala
