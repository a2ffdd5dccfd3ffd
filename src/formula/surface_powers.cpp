// Superscripts and fractions with exponents in numerator and denominator.
#include <algorithm>

#include "formula/surface.h"

namespace cifrala {

void Surface::superscript(const QString& text, const SuperscriptStyle& st) {
    Batch batch(*this);
    const int applied = shrink_font(st.shrink);
    const size_t mark = display_.size();
    if (!measure_only) text_at(cursor.x, cursor.y + st.y_offset, text);
    record(DrawnSuperscript{text, {}, cursor.y}, mark);
    cursor.x += text_width(text);
    restore_font(applied);
}

void Surface::in_de_machttxt(const QString& text, bool small) {
    superscript(text, small ? style_.superscript_small : style_.superscript);
}

void Surface::macht(const QString& text) {
    superscript(text, style_.superscript);
}

void Surface::in_de_macht(int n) {
    macht(int_text(n));
}

void Surface::in_de_machttxt_at(Surface& canvas, int x, const QString& text, int y) {
    Batch batch(canvas);
    const SuperscriptStyle& st = style_.superscript;
    const int applied = canvas.shrink_font(st.shrink);
    const size_t mark = canvas.display_.size();
    if (!measure_only) canvas.text_at(x, y + st.y_offset, text);
    if (!measure_only) canvas.record(DrawnSuperscript{text, {}, y}, mark);
    cursor.x += canvas.text_width(text);
    canvas.restore_font(applied);
}

int Surface::exponent_unit() const {
    return style_.exponent_fraction.unit > 0 ? style_.exponent_fraction.unit : line_step(1.0);
}

void Surface::piece(const QString& text, int shrink, int dy) {
    Batch batch(*this);
    const int applied = shrink_font(shrink);
    if (!measure_only) text_at(cursor.x, cursor.y + dy, text);
    cursor.x += text_width(text);
    restore_font(applied);
}

void Surface::my_textoutteller(const QString& text) {
    piece(text, 6, -12);
}

void Surface::my_textoutmachtinteller(const QString& text) {
    piece(text, 11, -20);
}

void Surface::my_textoutnoemer(const QString& text) {
    piece(text, 6, exponent_unit() / 2 - 5);
}

void Surface::my_textoutmachtinnoemer(const QString& text) {
    piece(text, 11, exponent_unit() / 2 - 13);
}

void Surface::my_textoutbreuk_met_machten_in_teller_en_noemer(const QString& top,
                                                              const QString& bottom,
                                                              const QString& top_exponent,
                                                              const QString& bottom_exponent) {
    Batch batch(*this);
    const int x0 = cursor.x;
    const bool was_measuring = measure_only;
    measure_only = true;
    my_textoutteller(top);
    if (!top_exponent.isEmpty()) my_textoutmachtinteller(top_exponent);
    const int a = cursor.x;
    cursor.x = x0;
    my_textoutnoemer(bottom);
    if (!bottom_exponent.isEmpty()) my_textoutmachtinnoemer(bottom_exponent);
    const int b = cursor.x;
    measure_only = was_measuring;

    const size_t mark = display_.size();
    cursor.x = b < a ? x0 : x0 + (b - a) / 2;
    my_textoutteller(top);
    if (!top_exponent.isEmpty()) my_textoutmachtinteller(top_exponent);
    cursor.x = a < b ? x0 : x0 + (a - b) / 2;
    my_textoutnoemer(bottom);
    if (!bottom_exponent.isEmpty()) my_textoutmachtinnoemer(bottom_exponent);
    const int bar_y = cursor.y + exponent_unit() / 2 - 11;
    if (!measure_only) line(x0, bar_y, std::max(a, b), bar_y);
    record(DrawnFraction{top, bottom, top_exponent, bottom_exponent, {}, cursor.y}, mark);
}

}  // namespace cifrala
