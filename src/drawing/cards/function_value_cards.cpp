// The cards of "Bereken functiewaarde" (topic 57), one per step of the roots
// window's exercise.
#include <cstdlib>
#include <numeric>

#include "drawing/cards/card_text.h"
#include "drawing/cards/explanation_cards.h"
#include "drawing/cards/roots_function_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/rational.h"

namespace cifrala {

void register_parabola_card();

namespace {

using namespace function_value_card_messages;

constexpr int kLeft = 10;
const QString kIs = QStringLiteral(" = ");
const QString kDot = QStringLiteral(" · ");

Rational read(const QVariantMap& v, const QString& name) {
    return Rational(v.value(name + QStringLiteral("_n")).toLongLong(),
                    v.value(name + QStringLiteral("_d"), 1).toLongLong());
}

// The messages wrapped over the card, in the largest size (14 points down
// to 8) at which they fit its height.
void message_card(TtekeningForm& w, int width, int height, std::initializer_list<int> messages) {
    w.init(width, height);
    Surface& s = w.surface();
    const auto write = [&] {
        s.cursor = {kLeft, 6};
        for (int m : messages)
            write_wrapped(w, msg(m), 0.62);
    };
    int size = 14;
    for (; size > 8; --size) {
        s.set_font_size(size);
        s.measure_only = true;
        write();
        s.measure_only = false;
        if (s.cursor.y <= height) break;
    }
    s.set_font_size(size);
    write();
}

// Every mixed number among a, b, c and x as the fraction it stands for:
// 2 1/3 = (2·3 + 1)/3 = 7/3.
void fractions_card(TtekeningForm& w, const Rational* numbers, int count) {
    w.init(500, 300);
    Surface& s = w.surface();
    s.set_font_size(16);
    s.cursor = {kLeft, 14};
    bool any = false;
    for (int k = 0; k < count; ++k) {
        const Rational& r = numbers[k];
        if (r.whole() || !r.improper()) continue;
        any = true;
        const qint64 m = std::llabs(r.n), whole = m / r.d, rest = m % r.d;
        const QString sign = r.negative() ? QStringLiteral("-") : QString();
        write_card_number(w, r, true);
        w.my_textout_2(kIs + sign);
        write_card_fraction(w,
                            int_to_text(whole) + QStringLiteral("·") + int_to_text(r.d) +
                                QStringLiteral(" + ") + int_to_text(rest),
                            int_to_text(r.d));
        w.my_textout_2(kIs);
        write_card_number(w, r, false);
        w.newline(1.8);
        s.cursor.x = kLeft;
    }
    if (!any) {
        s.set_font_size(14);
        write_wrapped(w, msg(kFractionValue));
    }
}

// k · y = (k·y as an unreduced fraction), the gcd step and the reduced
// product.
void product_line(TtekeningForm& w, const QString& name, const Rational& k, const Rational& y) {
    Surface& s = w.surface();
    w.my_textout_2(name + kIs);
    write_card_number(w, k, false);
    w.my_textout_2(kDot);
    write_card_number(w, y, false);
    const qint64 top = k.n * y.n, bottom = k.d * y.d;
    w.my_textout_2(kIs);
    if (bottom == 1) {
        w.my_textout_2(int_to_text(top));
    } else {
        write_card_fraction(w, int_to_text(top), int_to_text(bottom));
        const qint64 g = std::gcd(std::llabs(top), bottom);
        if (g > 1) {
            w.my_textout_2(kIs);
            write_card_fraction(w, int_to_text(top) + QStringLiteral(":") + int_to_text(g),
                                int_to_text(bottom) + QStringLiteral(":") + int_to_text(g));
            w.my_textout_2(kIs);
            write_card_number(w, Rational(top, bottom), false);
        }
    }
    w.newline(1.7);
    s.cursor.x = kLeft;
}

void products_card(TtekeningForm& w, const Rational& a, const Rational& b, const Rational& c,
                   const Rational& x) {
    w.init(700, 210);
    Surface& s = w.surface();
    s.set_font_size(15);
    s.cursor = {kLeft, 14};
    product_line(w, QStringLiteral("a·x²"), a, x * x);
    if (b.n != 0) product_line(w, QStringLiteral("b·x"), b, x);
    const Rational p1 = a * x * x, p2 = b * x;
    const bool whole = p1.whole() && p2.whole() && c.whole();
    s.set_font_size(14);
    write_wrapped(w, msg(whole ? kNoMixedNumbers : kCommonDenominator));
}

int value_message(const Rational& x) {
    if (!x.whole()) return kFractionValue;
    return x.negative() ? kNegativeValue : kWholeValue;
}

void paint_function_value(TtekeningForm& w, const CardRequest& r) {
    const QVariantMap& v = r.exercise;
    const Rational a = read(v, QStringLiteral("a")), b = read(v, QStringLiteral("b")),
                   c = read(v, QStringLiteral("c")), x = read(v, QStringLiteral("x"));
    switch (v.value(QStringLiteral("step")).toInt()) {
        case 0:
            message_card(w, 700, 90, {kIntroduction, kBrackets});
            break;
        case 1:
            message_card(w, 700, 90, {value_message(x)});
            break;
        case 2: {
            const Rational numbers[] = {a, b, c, x};
            fractions_card(w, numbers, 4);
            break;
        }
        case 3:
            message_card(w, 500, 130, {kSquareOfFraction});
            break;
        case 4:
            products_card(w, a, b, c, x);
            break;
        default:
            message_card(w, 700, 90, {kAddNumerators});
            break;
    }
    place_card(w, v);
}

}  // namespace

void register_roots_function_cards() {
    register_parabola_card();
    register_explanation_card(57, {paint_function_value, CardPlacement::Self});
}

}  // namespace cifrala
