// Stacked fractions: style A (fixed offsets) and style B (centred).
#include <QtGlobal>
#include <algorithm>
#include <climits>
#include <cmath>

#include "formula/surface.h"
#include "util/format.h"

namespace cifrala {

namespace {

// Opposite signs, without forming the product (which may overflow).
bool negative_quotient(long long a, long long b) {
    return a != 0 && b != 0 && ((a < 0) != (b < 0));
}

}  // namespace

void Surface::write_minus(int y_offset, int gap) {
    const QString minus = QStringLiteral("-");
    if (!measure_only) text_at(cursor.x, cursor.y + y_offset, minus);
    cursor.x += text_width(minus) + gap;
}

void Surface::stack_a(const QString& top, const QString& bottom) {
    const FractionStyleA& st = style_.fraction;
    const int applied = shrink_font(st.shrink);
    const int wn = text_width(top);
    const int wd = text_width(bottom);
    const int x = cursor.x;
    const int y = cursor.y;
    const int h = st.offsets_from_height ? text_height(top) : 0;
    const bool narrow_top = wn < wd;
    const int top_y = y + (narrow_top ? st.top_offset_narrow : st.top_offset);
    const int bottom_y = y + h + (narrow_top ? st.bottom_offset_narrow : st.bottom_offset);
    const int bar_y = y + h + st.bar_offset;
    int w = 0;
    const size_t mark = display_.size();
    if (!measure_only) {
        if (st.offsets_from_height) set_pen_width(2);
        if (narrow_top) {
            text_at(x + (wd - wn) / 2, top_y, top);
            text_at(x, bottom_y, bottom);
            line(x, bar_y, x + wd, bar_y);
        } else {
            text_at(x, top_y, top);
            text_at(x + (wn - wd) / 2, bottom_y, bottom);
            if (st.wide_bar) {
                line(x - 1, bar_y, x + wn + 1, bar_y);
            } else {
                line(x, bar_y, x + wn, bar_y);
            }
        }
    }
    record(DrawnFraction{top, bottom, {}, {}, {}, y}, mark);
    w = narrow_top ? wd : wn;
    restore_font(applied);
    cursor.x += w + st.gap_after;
}

void Surface::breuk(int a, int b) {
    Batch batch(*this);
    const FractionStyleA& st = style_.fraction;
    if (st.sign == FractionStyleA::FromProduct) {
        if (negative_quotient(a, b)) write_minus(st.sign_y, st.sign_gap);
        stack_a(int_text(std::llabs(a)), int_text(std::llabs(b)));
        return;
    }
    breuktxt(int_text(a), int_text(b));
}

void Surface::breuktxt(const QString& top, const QString& bottom) {
    Batch batch(*this);
    const FractionStyleA& st = style_.fraction;
    if (st.sign == FractionStyleA::FromTopText && top.startsWith(QLatin1Char('-'))) {
        write_minus(st.sign_y, st.sign_gap);
        stack_a(top.mid(1), bottom);
        return;
    }
    stack_a(top, bottom);
}

void Surface::breuk_abc(int a, int b, int c) {
    Batch batch(*this);
    if (a != 0) {
        my_textout(int_text(a));
        cursor.x += 5;
    }
    breuk(b, c);
}

void Surface::breuk_real(double top, double bottom) {
    if (std::fabs(top) < 0.00001) return;
    Batch batch(*this);
    const QString t = format_real(std::fabs(top));
    const QString b = format_real(std::fabs(bottom));
    if (b == QLatin1String("1")) {
        my_textout(t);
    } else {
        stack_a(t, b);
    }
}

int Surface::breuk_b(int a, int b) {
    const bool empty = b == INT_MAX;
    return breuktxt_b(int_text(std::llabs(a)), empty ? QString() : int_text(std::llabs(b)),
                      negative_quotient(a, b), empty);
}

int Surface::breuktxt_b(const QString& top, const QString& bottom, bool negative,
                        bool empty_bottom) {
    Batch batch(*this);
    const FractionStyleB& st = style_.fraction_b;
    const int x0 = cursor.x;
    int minus_width = 0;
    if (negative) {
        const QString minus = QStringLiteral("-");
        minus_width = text_width(minus);
        if (!measure_only) text_at(cursor.x, cursor.y + st.sign_offset, minus);
        cursor.x += minus_width + 2;
    }
    const int applied = shrink_font(st.shrink);
    const int wt = text_width(top);
    const int wb = text_width(empty_bottom ? QString(14, QLatin1Char(' ')) : bottom);
    const int d = std::max(wt, wb);
    const size_t mark = display_.size();
    if (!measure_only) {
        text_at(cursor.x + (d - wt) / 2, cursor.y + st.top_offset, top);
        if (!empty_bottom) text_at(cursor.x + (d - wb) / 2, cursor.y + st.bottom_offset, bottom);
        if (st.pen_during > 0) set_pen_width(st.pen_during);
        line(cursor.x, cursor.y + st.bar_offset, cursor.x + d, cursor.y + st.bar_offset);
        if (st.pen_after > 0) set_pen_width(st.pen_after);
    }
    record(DrawnFraction{top, empty_bottom ? QString() : bottom, {}, {}, {}, cursor.y}, mark);
    restore_font(applied);
    cursor.x = x0;
    return x0 + d + 5 + minus_width + st.extra_gap;
}

}  // namespace cifrala
