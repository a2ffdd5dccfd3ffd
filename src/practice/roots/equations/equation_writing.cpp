#include "practice/roots/equations/equation_writing.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

#include "formula/surface.h"
#include "practice/roots/roots_style.h"
#include "text/messages.h"

namespace cifrala {

namespace {

constexpr int kIndexShrink = 6;
constexpr int kIndexRise = 11;
constexpr int kIndexOverNumber = 4;
constexpr int kIndexOverFraction = 10;
constexpr int kSimpleRootCorner = -2;
constexpr int kRadicandGap = 2;
// The fraction under one root sign ends this close to the overbar's end.
constexpr int kFractionEndGap = 2;
constexpr int kRightMargin = 10;

long long abs_ll(long long v) {
    return v < 0 ? -v : v;
}

// A root sign over what `write` writes, with the index n when n > 2.
void indexed_root(Surface& s, const QString& reading, double scale, int corner_dy, int n,
                  int index_dx, const std::function<void()>& write) {
    Surface::Batch batch(s);
    const int x0 = s.cursor.x;
    const int y = s.cursor.y;
    const size_t mark = s.display().size();
    const int bar_y = y + corner_dy;
    if (!s.measure_only) s.polyline(root_sign_polygon(x0, bar_y, scale));
    const int bar_x = static_cast<int>(std::lround(x0 + 35 * scale)) - 1;
    s.cursor.x = bar_x + kRadicandGap;
    write();
    const int end = s.cursor.x + kRadicandGap;
    if (!s.measure_only) s.line(bar_x, bar_y, end, bar_y);
    const QString index = n > 2 ? number_text(n) : QString();
    if (!index.isEmpty()) {
        const int applied = s.shrink_font(kIndexShrink);
        if (!s.measure_only) s.text_at(x0 + index_dx, y - kIndexRise, index);
        s.restore_font(applied);
    }
    s.record(DrawnRoot{reading, {}, y, index}, mark);
    s.cursor.x = end + kRadicandGap;
}

}  // namespace

QString number_text(long long n) {
    return int_text(n);
}

QString coefficient_text(long long k) {
    if (k == 1) return {};
    if (k == -1) return QStringLiteral("-");
    return number_text(k);
}

void coefficient(Surface& s, long long k) {
    const QString t = coefficient_text(k);
    if (!t.isEmpty()) s.my_textout(t);
}

QString added_term_text(long long v) {
    return (v < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + number_text(abs_ll(v));
}

void added_term(Surface& s, long long v) {
    s.my_textout(added_term_text(v));
}

QString subtracted_term_text(long long v) {
    return (v < 1 ? QStringLiteral(" + ") : QStringLiteral(" - ")) + number_text(abs_ll(v));
}

void subtracted_term(Surface& s, long long v) {
    s.my_textout(subtracted_term_text(v));
}

namespace {

void fraction_minus(Surface& s, int gap) {
    s.my_textout(QStringLiteral("-"));
    s.cursor.x += gap;
}

void unsigned_fraction(Surface& s, long long n, long long d, bool mixed, bool reduce) {
    if (reduce) {
        const long long g = std::gcd(n, d);
        if (g > 1) {
            n /= g;
            d /= g;
        }
    }
    if (d == 1) {
        s.my_textout(number_text(n));
    } else if (mixed && d < n) {
        s.breuk_abc(static_cast<int>(n / d), static_cast<int>(n % d), static_cast<int>(d));
    } else {
        s.breuk(static_cast<int>(n), static_cast<int>(d));
    }
}

}  // namespace

void signed_fraction(Surface& s, long long numerator, long long denominator, bool mixed,
                     bool reduce) {
    Surface::Batch batch(s);
    if ((numerator < 0) != (denominator < 0) && numerator != 0) fraction_minus(s, 3);
    unsigned_fraction(s, abs_ll(numerator), abs_ll(denominator), mixed, reduce);
}

void vereenvoudigde_breuk(Surface& s, long long numerator, long long denominator) {
    Surface::Batch batch(s);
    if ((numerator < 0) != (denominator < 0) && numerator != 0) fraction_minus(s, 5);
    unsigned_fraction(s, abs_ll(numerator), abs_ll(denominator), true, true);
}

void eenvoudigtxt(Surface& s, const QString& text, double scale) {
    indexed_root(s, text, scale, kSimpleRootCorner, 2, 0, [&] { s.my_textout(text); });
}

void ndewortel(Surface& s, long long k, int n) {
    const QString text = number_text(k);
    indexed_root(s, text, kRootOverNumber.scale, kSimpleRootCorner, n, kIndexOverNumber,
                 [&] { s.my_textout(text); });
}

void root_over_fraction(Surface& s, long long e, long long d, int n) {
    const QString reading = number_text(e) + QLatin1Char('/') + number_text(d);
    indexed_root(s, reading, kRootOverFraction.scale, kRootOverFraction.corner_dy, n,
                 kIndexOverFraction, [&] {
                     s.breuk(static_cast<int>(e), static_cast<int>(d));
                     s.cursor.x -= kFractionEndGap;
                 });
}

void root_over_mixed(Surface& s, long long e, long long d, int n) {
    const long long whole = e / d;
    const long long rest = e % d;
    if (rest == 0) {
        ndewortel(s, whole, n);
        return;
    }
    const QString reading = number_text(whole) + QLatin1Char(' ') + number_text(rest) +
                            QLatin1Char('/') + number_text(d);
    indexed_root(s, reading, kRootOverFraction.scale, kRootOverFraction.corner_dy, n,
                 kIndexOverFraction, [&] {
                     s.breuk_abc(static_cast<int>(whole), static_cast<int>(rest),
                                 static_cast<int>(d));
                     s.cursor.x -= kFractionEndGap;
                 });
}

void in_de_macht1(Surface& s, long long k) {
    s.in_de_machttxt(number_text(k));
}

void maal(Surface& s) {
    s.my_textout(QString(QChar(183)));
    s.cursor.x += 3;
}

void message_line(Surface& s, int message) {
    const QString text = msg(message);
    int applied = 0;
    while (s.font_size() > 8 && s.cursor.x + s.text_width(text) > s.width() - kRightMargin)
        applied += s.shrink_font(1);
    s.my_textout(text);
    s.restore_font(applied);
}

bool has_integer_root(long long v, int n, long long* root) {
    if (v < 1 || n < 1) {
        if (root) *root = -1;
        return false;
    }
    const double y = std::exp(std::log(static_cast<double>(v)) / n);
    const double w = std::round(y);
    const bool whole = std::fabs(y - w) < 0.00001;
    if (root) *root = whole ? static_cast<long long>(w) : -1;
    return whole;
}

}  // namespace cifrala
