#include "practice/multitopic/formula_writer.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <limits>

#include "formula/font_map.h"
#include "formula/surface.h"

namespace cifrala {

namespace {

// A fraction inside an exponent is this much smaller than the exponent.
constexpr int kExponentFractionShrink = 4;
// The index of a root is this much smaller than the radicand.
constexpr int kRootIndexShrink = 10;
constexpr int kSmallestFont = 7;
constexpr int kSmallestFittedFont = 10;

QFontMetrics metrics_of(const Surface& s) {
    return QFontMetrics(make_font(s.font_family(), s.font_size(), false));
}

bool holds_power(const Formula& f) {
    return std::any_of(f.begin(), f.end(), [](const Piece& p) {
        return p.kind == Piece::Power || (p.kind == Piece::Root && holds_power(p.first));
    });
}

// Lowers the font by k points, but not below the smallest size.
int shrink_to(Surface& s, int k) {
    return s.shrink_font(std::min(k, std::max(0, s.font_size() - kSmallestFont)));
}

}  // namespace

int FormulaWriter::measure(const Formula& f, int depth, bool in_exponent) {
    const bool was = s_.measure_only;
    const int x0 = s_.cursor.x;
    s_.measure_only = true;
    formula(f, s_.cursor.y, depth, in_exponent);
    const int w = s_.cursor.x - x0;
    s_.cursor.x = x0;
    s_.measure_only = was;
    return w;
}

int FormulaWriter::width(const Formula& f) {
    return measure(f, 0, false);
}

bool FormulaWriter::fits(const Formula& f) {
    return s_.cursor.x + width(f) <= s_.width() - kRightMargin;
}

void FormulaWriter::write(const Formula& f) {
    Surface::Batch batch(s_);
    formula(f, s_.cursor.y, 0, false);
}

void FormulaWriter::write_fitting(const Formula& f) {
    Surface::Batch batch(s_);
    int applied = 0;
    while (!fits(f) && s_.font_size() > kSmallestFittedFont)
        applied += s_.shrink_font(1);
    formula(f, s_.cursor.y, 0, false);
    s_.restore_font(applied);
}

void FormulaWriter::newline(double f, const Formula& next) {
    constexpr int kGap = 4;
    const int hint_band = s_.height() - s_.style().hint.from_bottom;
    int lowest = std::numeric_limits<int>::min();
    for (const DrawnItem& item : s_.display().items()) {
        if (std::holds_alternative<DrawnHint>(item)) continue;
        const QRect r = bounding_rect(item);
        if (r.top() < hint_band) lowest = std::max(lowest, r.bottom());
    }
    s_.newline(f);
    const int top = s_.cursor.y + ink_top(next, false);
    if (lowest != std::numeric_limits<int>::min() && top < lowest + kGap)
        s_.cursor.y += lowest + kGap - top;
}

void FormulaWriter::formula(const Formula& f, int y, int depth, bool in_exponent) {
    const Piece* before = nullptr;
    for (const Piece& p : f) {
        s_.cursor.x += gap_between(before, p);
        piece(p, y, depth, in_exponent);
        before = &p;
    }
}

// A minus sign right before a fraction would run into its bar, and the
// index of a root right after a number would read as that number's
// exponent: both get a little room.
int FormulaWriter::gap_between(const Piece* before, const Piece& next) {
    if (!before || before->kind != Piece::Text || before->text.isEmpty()) return 0;
    const QChar last = before->text.back();
    if (next.kind == Piece::Fraction && last == QLatin1Char('-'))
        return std::max(1, s_.text_width(QStringLiteral(" ")) / 3);
    if (next.kind == Piece::Root && next.index != 2 && last.isDigit())
        return s_.text_width(QStringLiteral(" "));
    return 0;
}

void FormulaWriter::piece(const Piece& p, int y, int depth, bool in_exponent) {
    switch (p.kind) {
        case Piece::Text:
            if (!s_.measure_only) s_.text_at(s_.cursor.x, y, p.text);
            s_.cursor.x += s_.text_width(p.text);
            return;
        case Piece::Power:
            power(p, y, depth);
            return;
        case Piece::Fraction:
            if (in_exponent) {
                exponent_fraction(p, y);
            } else {
                fraction(p, y, depth);
            }
            return;
        case Piece::Root:
            root(p, y, depth);
            return;
    }
}

void FormulaWriter::power(const Piece& p, int y, int depth) {
    const SuperscriptStyle& st = s_.style().superscript;
    const size_t mark = s_.display().size();
    const int applied = shrink_to(s_, st.shrink);
    formula(p.first, y + st.y_offset, depth + 1, true);
    s_.restore_font(applied);
    if (depth == 0) s_.record(DrawnSuperscript{exponent_text(p.first), {}, y}, mark);
}

int FormulaWriter::overbar_offset(const Formula& radicand) {
    const QFontMetrics fm = metrics_of(s_);
    int top = fm.ascent() - fm.capHeight();
    if (holds_power(radicand)) {
        const SuperscriptStyle& st = s_.style().superscript;
        const int applied = shrink_to(s_, st.shrink);
        const QFontMetrics sm = metrics_of(s_);
        top = std::min(top, st.y_offset + sm.ascent() - sm.capHeight());
        s_.restore_font(applied);
    }
    return top - 3;
}

int FormulaWriter::ink_top(const Formula& f, bool in_exponent) {
    const QFontMetrics fm = metrics_of(s_);
    int top = fm.ascent() - fm.capHeight();
    for (const Piece& p : f) {
        if (p.kind == Piece::Power) {
            const SuperscriptStyle& st = s_.style().superscript;
            const int applied = shrink_to(s_, st.shrink);
            top = std::min(top, st.y_offset + ink_top(p.first, true));
            s_.restore_font(applied);
        } else if (p.kind == Piece::Root) {
            top = std::min(top, overbar_offset(p.first) - 1);
        } else if (p.kind == Piece::Fraction && in_exponent) {
            const int bar = s_.text_height() / 2 - 1;
            const int applied = shrink_to(s_, kExponentFractionShrink);
            top = std::min(top, bar - 2 - metrics_of(s_).capHeight());
            s_.restore_font(applied);
        } else if (p.kind == Piece::Fraction) {
            const FractionStyleB& st = s_.style().fraction_b;
            const int applied = shrink_to(s_, st.shrink);
            top = std::min(top, st.top_offset + ink_top(p.first, false));
            s_.restore_font(applied);
        }
    }
    return top;
}

int FormulaWriter::ink_bottom(const Formula& f) {
    const QFontMetrics fm = metrics_of(s_);
    const bool brackets = plain_text(f).contains(QLatin1Char('('));
    return fm.ascent() + (brackets ? fm.descent() / 2 : 1);
}

void FormulaWriter::fraction(const Piece& p, int y, int depth) {
    const FractionStyleB& st = s_.style().fraction_b;
    const size_t mark = s_.display().size();
    const int x0 = s_.cursor.x;
    const int applied = shrink_to(s_, st.shrink);
    const int wt = measure(p.first, depth + 1, false);
    const int wb = measure(p.second, depth + 1, false);
    const int d = std::max(wt, wb);
    // The window's offsets, unless exponents or roots would then touch the bar.
    const int bar = y + st.bar_offset;
    const int top_y = std::min(y + st.top_offset, bar - 2 - ink_bottom(p.first));
    const int bottom_y = std::max(y + st.bottom_offset, bar + 3 - ink_top(p.second, false));
    s_.cursor.x = x0 + (d - wt) / 2;
    formula(p.first, top_y, depth + 1, false);
    s_.cursor.x = x0 + (d - wb) / 2;
    formula(p.second, bottom_y, depth + 1, false);
    if (!s_.measure_only) {
        if (st.pen_during > 0) s_.set_pen_width(st.pen_during);
        s_.line(x0, y + st.bar_offset, x0 + d, y + st.bar_offset);
        if (st.pen_after > 0) s_.set_pen_width(st.pen_after);
    }
    s_.restore_font(applied);
    s_.cursor.x = x0 + d + 5 + st.extra_gap;
    if (depth == 0)
        s_.record(
            DrawnFraction{
                plain_text(p.first).trimmed(), plain_text(p.second).trimmed(), {}, {}, {}, y},
            mark);
}

// A small fraction in an exponent: its bar halfway up the exponent's line.
void FormulaWriter::exponent_fraction(const Piece& p, int y) {
    const int x0 = s_.cursor.x;
    const int bar_y = y + s_.text_height() / 2 - 1;
    const int applied = shrink_to(s_, kExponentFractionShrink);
    const QFontMetrics fm = metrics_of(s_);
    const int wt = measure(p.first, 1, true);
    const int wb = measure(p.second, 1, true);
    const int d = std::max(wt, wb);
    s_.cursor.x = x0 + (d - wt) / 2;
    formula(p.first, bar_y - 2 - fm.ascent(), 1, true);
    s_.cursor.x = x0 + (d - wb) / 2;
    formula(p.second, bar_y + 2 - (fm.ascent() - fm.capHeight()), 1, true);
    if (!s_.measure_only) {
        const int pen = s_.pen_width();
        s_.set_pen_width(1);
        s_.line(x0, bar_y, x0 + d, bar_y);
        s_.set_pen_width(pen);
    }
    s_.restore_font(applied);
    s_.cursor.x = x0 + d + 2;
}

// The root sign reaches from just above the radicand (and its exponents)
// down to the line's baseline; an index stands in the sign's left corner.
void FormulaWriter::root(const Piece& p, int y, int depth) {
    const size_t mark = s_.display().size();
    const QFontMetrics fm = metrics_of(s_);
    const int y0 = y + overbar_offset(p.first);
    const double scale = std::max(0.3, (y + fm.ascent() + 1 - y0) / 50.0);
    int x0 = s_.cursor.x;
    const QString index = p.index == 2 ? QString() : QString::number(p.index);
    if (!index.isEmpty()) {
        const int applied = shrink_to(s_, kRootIndexShrink);
        const QFontMetrics im = metrics_of(s_);
        const int iw = s_.text_width(index);
        const int baseline = y0 + static_cast<int>(std::lround(20 * scale)) - 2;
        if (!s_.measure_only) s_.text_at(x0, baseline - im.ascent(), index);
        x0 += std::max(0, iw - static_cast<int>(std::lround(4 * scale)));
        s_.restore_font(applied);
    }
    const int pen = s_.pen_width();
    const int sign_pen = s_.font_size() >= 20 ? std::max(2, s_.style().root_sign.pen_width) : 2;
    if (!s_.measure_only) {
        s_.set_pen_width(sign_pen);
        s_.polyline(root_sign_polygon(x0, y0, scale));
    }
    const int bar_x = static_cast<int>(std::lround(x0 + 35 * scale)) - 1;
    s_.cursor.x = bar_x + 3;
    formula(p.first, y, depth + 1, false);
    const int end = s_.cursor.x + 2;
    if (!s_.measure_only) {
        s_.line(bar_x, y0, end, y0);
        s_.set_pen_width(pen);
    }
    s_.cursor.x = end + 4;
    if (depth == 0) s_.record(DrawnRoot{plain_text(p.first).trimmed(), {}, y, index}, mark);
}

}  // namespace cifrala
