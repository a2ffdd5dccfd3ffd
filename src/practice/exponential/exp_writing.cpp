#include "practice/exponential/exp_writing.h"

#include <algorithm>
#include <cstdlib>

#include "formula/surface.h"
#include "practice/exponential/exponential_style.h"

namespace cifrala {

namespace {

// A small fraction in an exponent stands this much above the line.
constexpr int kExponentFractionRise = 12;
// The rows of a factor that has a denominator: 2 points smaller, the
// numerator 14 pixels above the line, the denominator 42 below it, the bar
// 8 above the denominator, 3 pixels margin and 14 after the wider row.
constexpr int kRowShrink = 2;
constexpr int kNumeratorRise = 14;
constexpr int kRowDistance = 42;
constexpr int kBarAbove = 8;
constexpr int kRowMargin = 3;
constexpr int kAfterFraction = 14;
// The root sign: scale, corner above the row, the index, the overbar.
constexpr double kRootScale = 0.6;
constexpr int kRootCornerRise = 3;
// Over a power of g the bar goes above its superscript.
constexpr int kRootOverPowerRise = 10;
constexpr int kIndexShrink = 5;
constexpr int kIndexDx = 3, kIndexRise = 5;
constexpr int kRadicandGap = 2;
constexpr int kBarPast = 5;
// After a minus sign and the whole number of a mixed number.
constexpr int kMixedGap = 2;

QString number(long long n) {
    return QString::number(n);
}

QString power_reading(int g, const QString& exponent) {
    return number(g) + QLatin1Char('^') + exponent;
}

}  // namespace

QString ExpWriter::reading(const std::vector<ExponentPiece>& pieces) {
    QString t;
    for (const ExponentPiece& p : pieces) {
        if (p.fraction) {
            const bool negative = (p.p < 0) != (p.q < 0) && p.p != 0;
            t += (negative ? QStringLiteral("-") : QString()) + number(std::llabs(p.p)) +
                 QLatin1Char('/') + number(std::llabs(p.q));
        } else {
            t += p.text;
        }
    }
    t = t.trimmed();
    bool plain = !t.isEmpty();
    for (QChar c : t)
        plain = plain && c.isDigit();
    return plain ? t : QLatin1Char('(') + t + QLatin1Char(')');
}

void ExpWriter::text(const QString& t) {
    s_.my_textout(t);
}

void ExpWriter::superscript(const std::vector<ExponentPiece>& pieces) {
    Surface::Batch batch(s_);
    const size_t mark = s_.display().size();
    const int line_y = s_.cursor.y;
    const SuperscriptStyle st = expvergl_superscript();
    for (const ExponentPiece& p : pieces) {
        if (p.fraction) {
            s_.style_ref().fraction_b = expvergl_fraction_style(phase_ > 6);
            s_.cursor.y = line_y - kExponentFractionRise;
            s_.cursor.x = s_.breuk_b(static_cast<int>(p.p), static_cast<int>(p.q));
            s_.cursor.y = line_y;
            continue;
        }
        const int applied = s_.shrink_font(st.shrink);
        if (!s_.measure_only) s_.text_at(s_.cursor.x, line_y + st.y_offset, p.text);
        s_.cursor.x += s_.text_width(p.text);
        s_.restore_font(applied);
    }
    s_.record(DrawnSuperscript{reading(pieces), {}, line_y}, mark);
}

void ExpWriter::power(int g, const std::vector<ExponentPiece>& exponent) {
    text(number(g));
    superscript(exponent);
}

void ExpWriter::fraction(long long p, long long q, bool magnitude) {
    s_.style_ref().fraction_b = expvergl_fraction_style(phase_ > 6);
    if (magnitude) {
        p = std::llabs(p);
        q = std::llabs(q);
    }
    s_.cursor.x = s_.breuk_b(static_cast<int>(p), static_cast<int>(q));
}

void ExpWriter::mixed(long long p, long long q) {
    if ((p < 0) != (q < 0)) {
        text(QStringLiteral("-"));
        s_.cursor.x += kMixedGap;
    }
    p = std::llabs(p);
    q = std::llabs(q);
    text(number(p / q));
    s_.cursor.x += kMixedGap;
    fraction(p % q, q, true);
}

void ExpWriter::root_over(int r, const QString& reading_text,
                          const std::function<void()>& radicand) {
    Surface::Batch batch(s_);
    const size_t mark = s_.display().size();
    const int line_y = s_.cursor.y;
    const bool over_power = phase_ >= 3;
    const int x0 = s_.cursor.x, y0 = line_y - (over_power ? kRootOverPowerRise : kRootCornerRise);
    const RootSignEnd end = s_.basiswortelteken(x0, y0, kRootScale, reading_text);
    if (r > 2) {
        const int applied = s_.shrink_font(kIndexShrink);
        // Kept on the sheet at its top edge.
        if (!s_.measure_only) s_.text_at(x0 + kIndexDx, std::max(0, y0 - kIndexRise), number(r));
        s_.restore_font(applied);
    }
    s_.cursor.x = end.bar_x + kRadicandGap;
    radicand();
    if (!s_.measure_only) {
        s_.set_pen_width(2);
        s_.line(end.bar_x, end.bar_y, s_.cursor.x + kBarPast, end.bar_y);
    }
    s_.cursor.x += kBarPast + kRadicandGap;
    s_.record(DrawnRoot{reading_text, {}, line_y, r > 2 ? number(r) : QString()}, mark);
}

QString ExpWriter::row(int g, int a, int r, long long coefficient, int coefficient_power) {
    QString reading_text;
    if (phase_ <= 2) {
        const long long n = power_of(g, a);
        if (r == 1) {
            text(number(coefficient * n));
            return number(coefficient * n);
        }
        if (coefficient > 1) {
            text(number(coefficient) + QStringLiteral("·"));
            reading_text = number(coefficient) + QStringLiteral("·");
        }
        root(r, number(n), [&] { text(number(n)); });
        return reading_text + QStringLiteral("V") + (r > 2 ? number(r) : QString()) +
               QLatin1Char('(') + number(n) + QLatin1Char(')');
    }
    if (coefficient_power > 0) {
        power(g, coefficient_power);
        text(QStringLiteral("·"));
        reading_text = power_reading(g, number(coefficient_power)) + QStringLiteral("·");
    }
    const QString radicand = power_reading(g, number(a));
    if (r == 1) {
        power(g, a);
        return reading_text + radicand;
    }
    if (phase_ == 3) {
        root(r, radicand, [&] { power(g, a); });
        return reading_text + QStringLiteral("V") + (r > 2 ? number(r) : QString()) +
               QLatin1Char('(') + radicand + QLatin1Char(')');
    }
    power(g, {piece(a, r)});
    return reading_text + power_reading(g, reading({piece(a, r)}));
}

std::vector<ExponentPiece> ExpWriter::one_power(const ExponentRecord& r, int coefficient_power) {
    std::vector<ExponentPiece> out;
    if (coefficient_power > 0) {
        out.push_back(piece(number(coefficient_power)));
        out.push_back(piece(QStringLiteral(" + ")));
    }
    out.push_back(r.r0 > 1 ? piece(r.a0, r.r0) : piece(number(r.a0)));
    if (r.a1 != 0) {
        out.push_back(piece(QStringLiteral(" - ")));
        out.push_back(r.r1 > 1 ? piece(r.a1, r.r1) : piece(number(r.a1)));
    }
    return out;
}

void ExpWriter::factor(int g, const ExponentRecord& r, long long coefficient,
                       int coefficient_power) {
    if (phase_ >= 5) {
        power(g, one_power(r, coefficient_power));
        return;
    }
    if (!r.has_denominator()) {
        row(g, r.a0, r.r0, coefficient, coefficient_power);
        return;
    }
    Surface::Batch batch(s_);
    const int x0 = s_.cursor.x, y = s_.cursor.y;
    // A denominator whose root or exponent reaches up goes down as far, so
    // that it stays clear of the bar.
    int reach = 0;
    if (phase_ == 3 && r.r1 > 1) reach = kRootOverPowerRise - kRootCornerRise;
    if (phase_ == 4 && r.r1 > 1) reach = kExponentFractionRise - 2;
    const int top = y - kNumeratorRise, bottom = top + kRowDistance + reach;
    const int applied = s_.shrink_font(kRowShrink);
    // Laid out once without drawing, for the widths of the two rows.
    const bool was_measuring = s_.measure_only;
    s_.measure_only = true;
    s_.cursor = {x0, top};
    row(g, r.a0, r.r0, coefficient, coefficient_power);
    const int wn = s_.cursor.x - x0;
    s_.cursor = {x0, bottom};
    row(g, r.a1, r.r1, 1, 0);
    const int wd = s_.cursor.x - x0;
    s_.measure_only = was_measuring;
    const int w = std::max(wn, wd);
    const size_t mark = s_.display().size();
    s_.cursor = {x0 + kRowMargin + (w - wn) / 2, top};
    const QString top_reading = row(g, r.a0, r.r0, coefficient, coefficient_power);
    s_.cursor = {x0 + kRowMargin + (w - wd) / 2, bottom};
    const QString bottom_reading = row(g, r.a1, r.r1, 1, 0);
    if (!s_.measure_only) {
        s_.set_pen_width(2);
        const int bar = top + kRowDistance - kBarAbove;
        s_.line(x0, bar, x0 + w + 2 * kRowMargin, bar);
    }
    s_.restore_font(applied);
    s_.cursor = {x0 + kRowMargin + w + kAfterFraction, y};
    s_.record(DrawnFraction{top_reading, bottom_reading, {}, {}, {}, y}, mark);
}

}  // namespace cifrala
