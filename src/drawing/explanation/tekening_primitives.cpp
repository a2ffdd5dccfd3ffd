// The writing primitives of the explanation window: text, superscripts and
// subscripts, stacked fractions, roots and small signs, all at the Formula
// cursor of the window's surface.
#include <QRect>
#include <algorithm>
#include <climits>
#include <cmath>

#include "drawing/explanation/tekening_form.h"
#include "util/format.h"

namespace cifrala {

namespace {

constexpr int kSubscriptShrink = 6;
constexpr int kSubscriptDrop = 12;
constexpr int kPowerFractionShrink = 8;
constexpr int kPowerFractionRise = 12;

}  // namespace

void TtekeningForm::my_textout_2(const QString& text) {
    surface_->my_textout(text);
}

void TtekeningForm::newline(double f) {
    surface_->newline(f);
}

void TtekeningForm::in_de_machttxt(const QString& text) {
    surface_->in_de_machttxt(text, false);
}

void TtekeningForm::in_de_subtxt(const QString& text) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const int applied = s.shrink_font(kSubscriptShrink);
    if (!s.measure_only) s.text_at(s.cursor.x, s.cursor.y + kSubscriptDrop, text);
    s.cursor.x += s.text_width(text);
    s.restore_font(applied);
}

void TtekeningForm::index(const QString& text) {
    in_de_subtxt(text);
}

void TtekeningForm::rijterm(const QString& name, const QString& index_text) {
    my_textout_2(name);
    in_de_subtxt(index_text);
}

int TtekeningForm::breuktxt(const QString& top, const QString& bottom) {
    return surface_->breuktxt_b(top, bottom);
}

int TtekeningForm::breuk(int a, int b) {
    return surface_->breuk_b(a, b);
}

int TtekeningForm::breuktxt_met_pi_in_teller(const QString& top, const QString& bottom) {
    const QString pi = QStringLiteral("π");
    const QString t = top == QLatin1String("1") ? pi : top + pi;
    return surface_->breuktxt_b(t, bottom);
}

// --- fractions whose parts carry superscripts ---

int TtekeningForm::run_width(const std::vector<Run>& runs) {
    Surface& s = *surface_;
    int w = 0;
    for (const Run& r : runs) {
        if (r.superscript) {
            const int applied = s.shrink_font(s.style().superscript.shrink);
            w += s.text_width(r.text);
            s.restore_font(applied);
        } else {
            w += s.text_width(r.text);
        }
    }
    return w;
}

void TtekeningForm::write_runs(int x, int y, const std::vector<Run>& runs) {
    Surface& s = *surface_;
    for (const Run& r : runs) {
        if (r.superscript) {
            const int applied = s.shrink_font(s.style().superscript.shrink);
            s.text_at(x, y + s.style().superscript.y_offset, r.text);
            x += s.text_width(r.text);
            s.restore_font(applied);
        } else {
            s.text_at(x, y, r.text);
            x += s.text_width(r.text);
        }
    }
}

int TtekeningForm::stacked(const std::vector<Run>& top, const std::vector<Run>& bottom,
                           bool empty_bottom) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const FractionStyleB& st = s.style().fraction_b;
    const int x0 = s.cursor.x;
    const int applied = s.shrink_font(st.shrink);
    const int wt = run_width(top);
    const int wb = empty_bottom ? s.text_width(QString(14, QLatin1Char(' '))) : run_width(bottom);
    const int d = std::max(wt, wb);
    if (!s.measure_only) {
        write_runs(x0 + (d - wt) / 2, s.cursor.y + st.top_offset, top);
        if (!empty_bottom) write_runs(x0 + (d - wb) / 2, s.cursor.y + st.bottom_offset, bottom);
        if (st.pen_during > 0) s.set_pen_width(st.pen_during);
        s.line(x0, s.cursor.y + st.bar_offset, x0 + d, s.cursor.y + st.bar_offset);
        if (st.pen_after > 0) s.set_pen_width(st.pen_after);
    }
    s.restore_font(applied);
    return x0 + d + 5 + st.extra_gap;
}

int TtekeningForm::breuk_met_macht_in_noemer(const QString& top, const QString& bottom,
                                             const QString& exponent) {
    return stacked({{top}}, {{bottom}, {exponent, true}});
}

void TtekeningForm::breuktxt_in_de_macht(const QString& top, const QString& bottom) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const int applied = s.shrink_font(kPowerFractionShrink);
    s.cursor.y -= kPowerFractionRise;
    s.cursor.x = stacked({{top}}, {{bottom}});
    s.cursor.y += kPowerFractionRise;
    s.restore_font(applied);
}

void TtekeningForm::breuk_in_de_machttxt(const QString& top, const QString& bottom,
                                         const QString& exponent) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    my_textout_2(QStringLiteral("("));
    s.cursor.x = stacked({{top}}, {{bottom}}) - 4;
    my_textout_2(QStringLiteral(")"));
    in_de_machttxt(exponent);
}

// --- roots ---

RootSignEnd TtekeningForm::basiswortelteken(int x0, int y0, double scale) {
    return surface_->basiswortelteken(x0, y0, scale);
}

void TtekeningForm::worteluittxt(const QString& text, double factor) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const RootSignEnd bar = s.basiswortelteken(s.cursor.x, s.cursor.y - 3, factor);
    s.cursor.x = bar.bar_x + 2;
    s.my_textout(text);
    if (!s.measure_only) s.line(bar.bar_x, bar.bar_y, s.cursor.x + 2, bar.bar_y);
    s.cursor.x += 4;
}

void TtekeningForm::worteluittxt_in_macht_txt(const QString& text) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const int applied = s.shrink_font(s.style().superscript.shrink);
    const int y = s.cursor.y;
    s.cursor.y += s.style().superscript.y_offset;
    worteluittxt(text, 0.4);
    s.cursor.y = y;
    s.restore_font(applied);
}

void TtekeningForm::wortelbreuktxt(const QString& top, const QString& bottom) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const RootSignEnd bar = s.basiswortelteken(s.cursor.x, s.cursor.y - 12, 1.1);
    s.cursor.x = bar.bar_x + 3;
    const int end = s.breuktxt_b(top, bottom);
    if (!s.measure_only) s.line(bar.bar_x, bar.bar_y, end, bar.bar_y);
    s.cursor.x = end + 3;
}

void TtekeningForm::wortel_uit_breuk_ab(int a, int b) {
    wortelbreuktxt(int_to_text(a), int_to_text(b));
}

void TtekeningForm::tellerwortelbreuktxt(const QString& radicand, const QString& bottom) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const FractionStyleB& st = s.style().fraction_b;
    const int x0 = s.cursor.x;
    const int applied = s.shrink_font(st.shrink);
    const int sign_width = static_cast<int>(std::lround(35 * 0.5)) + 2;
    const int wt = sign_width + s.text_width(radicand) + 2;
    const int wb = s.text_width(bottom);
    const int d = std::max(wt, wb);
    if (!s.measure_only) {
        const int tx = x0 + (d - wt) / 2;
        const int ty = s.cursor.y + st.top_offset;
        const RootSignEnd bar = s.basiswortelteken(tx, ty - 2, 0.5);
        s.text_at(bar.bar_x + 2, ty, radicand);
        s.line(bar.bar_x, bar.bar_y, bar.bar_x + 2 + s.text_width(radicand) + 2, bar.bar_y);
        s.text_at(x0 + (d - wb) / 2, s.cursor.y + st.bottom_offset, bottom);
        if (st.pen_during > 0) s.set_pen_width(st.pen_during);
        s.line(x0, s.cursor.y + st.bar_offset, x0 + d, s.cursor.y + st.bar_offset);
        if (st.pen_after > 0) s.set_pen_width(st.pen_after);
    }
    s.restore_font(applied);
    s.cursor.x = x0 + d + 5;
}

// --- signs ---

void TtekeningForm::sigma(const QString& lower, const QString& upper) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const QString sign = QStringLiteral("Σ");
    const int x0 = s.cursor.x;
    const int y = s.cursor.y;
    s.set_font_size(s.font_size() + 8);
    const int ws = s.text_width(sign);
    const int hs = s.text_height();
    if (!s.measure_only) s.text_at(x0, y - 10, sign);
    s.set_font_size(s.font_size() - 8);
    const int applied = s.shrink_font(8);
    const int wu = s.text_width(upper);
    const int wl = s.text_width(lower);
    if (!s.measure_only) {
        s.text_at(x0 + (ws - wu) / 2, y - 10 - s.text_height() + 4, upper);
        s.text_at(x0 + (ws - wl) / 2, y - 10 + hs - 6, lower);
    }
    s.restore_font(applied);
    s.cursor.x = x0 + std::max({ws, wu, wl}) + 3;
}

void TtekeningForm::bordje(const QString& text) {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const int applied = s.shrink_font(6);
    const int w = s.text_width(text) + 8;
    const int h = s.text_height() + 4;
    const int x = s.cursor.x;
    const int y = s.cursor.y + 2;
    if (!s.measure_only) {
        s.text_at(x + 4, y + 2, text);
        s.line(x, y, x + w, y);
        s.line(x + w, y, x + w, y + h);
        s.line(x + w, y + h, x, y + h);
        s.line(x, y + h, x, y);
    }
    s.restore_font(applied);
    s.cursor.x = x + w + 4;
}

void TtekeningForm::maal() {
    Surface& s = *surface_;
    Surface::Batch batch(s);
    const QString dot = QStringLiteral("·");
    if (!s.measure_only) s.text_at(s.cursor.x, s.cursor.y, dot);
    s.cursor.x += s.text_width(dot);
}

void TtekeningForm::my_textoutSymbol(int code) {
    surface_->my_textoutSymbol(code);
}

}  // namespace cifrala
