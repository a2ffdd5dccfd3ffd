#include "drawing/cards/quadratic_cards.h"

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"

namespace cifrala {

namespace {

using namespace quadratic_card_messages;

constexpr int kWidth = 380;
constexpr int kHeight = 200;
constexpr int kBodySize = 16;
constexpr int kSmallest = 8;

// A text on one line of the card, a point smaller where it would not fit.
void fitting_line(TtekeningForm& w, const QString& text, int size) {
    Surface& s = w.surface();
    s.set_font_size(size);
    while (s.font_size() > kSmallest &&
           s.cursor.x + s.text_width(text) > kWidth - TtekeningForm::kCopyButtonRoom)
        s.set_font_size(s.font_size() - 1);
    w.my_textout_2(text);
    s.set_font_size(kBodySize);
}

void paint_abc_formula(TtekeningForm& w, const CardRequest&) {
    w.init(kWidth, kHeight);
    Surface& s = w.surface();
    s.cursor.x = 10;
    s.set_bold(true);
    fitting_line(w, msg(kHeading), 18);
    s.set_bold(false);
    w.newline(1.0);
    s.cursor.x = 10;
    w.my_textout_2(QStringLiteral("ax"));
    w.in_de_machttxt(QStringLiteral("2"));
    w.my_textout_2(QStringLiteral(" + bx + c = 0"));
    w.newline(1.0);
    s.cursor.x = 10;
    w.my_textout_2(QStringLiteral("D = b"));
    w.in_de_machttxt(QStringLiteral("2"));
    w.my_textout_2(QStringLiteral(" - 4·a·c"));
    w.newline(1.3);
    s.cursor.x = 10;
    w.my_textout_2(QStringLiteral("x = "));
    s.cursor.x = w.breuktxt(QStringLiteral("-b ± √D"), QStringLiteral("2a"));
    w.newline(1.4);
    s.cursor.x = 10;
    fitting_line(w, msg(kCases), 12);
}

}  // namespace

void register_quadratic_cards() {
    register_explanation_card(26, {paint_abc_formula});
}

}  // namespace cifrala
