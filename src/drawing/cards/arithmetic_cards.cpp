#include "drawing/cards/arithmetic_cards.h"

#include <algorithm>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

namespace {

using namespace card_messages;

const QString kTimes = QStringLiteral(" × ");
const QString kIs = QStringLiteral(" = ");

// Topic 42: the times table of the divisor, i x d = i*d for i = 1 to 10,
// with the fifth and tenth lines in red. The numbers stand in columns; a
// card too narrow for a large divisor grows to fit.
void paint_times_table(TtekeningForm& w, const CardRequest& r) {
    const qint64 d = r.exercise.value(card_keys::kDivisor).toLongLong();
    const QString dt = int_to_text(d);
    w.init(200, 360);
    Surface& s = w.surface();
    const int wi = s.text_width(QStringLiteral("10"));
    const int wp = s.text_width(int_to_text(10 * d));
    const int needed =
        3 + wi + s.text_width(kTimes + dt + kIs) + wp + TtekeningForm::kCopyButtonRoom;
    if (needed > s.width()) w.init(needed, 360);
    Surface& t = w.surface();
    for (int i = 1; i <= 10; ++i) {
        t.set_font_colour(i % 5 == 0 ? QColor(Qt::red) : QColor(Qt::black));
        const QString it = int_to_text(i);
        t.cursor.x = 3 + wi - t.text_width(it);
        w.my_textout_2(it);
        w.my_textout_2(kTimes + dt + kIs);
        const QString p = int_to_text(i * d);
        t.cursor.x += wp - t.text_width(p);
        w.my_textout_2(p);
        w.newline(1);
    }
    t.set_font_colour(Qt::black);
}

// "1 miljoen = 10^6", "1 miljard = 10^9", "1 biljoen = 10^12" on one line,
// `gap` between them.
void write_magnitude_words(TtekeningForm& w, const QString& gap = QStringLiteral("   ")) {
    const int messages[3] = {kMillion, kBillion, kTrillion};
    const char* exponents[3] = {"6", "9", "12"};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) w.my_textout_2(gap);
        w.my_textout_2(QStringLiteral("1 ") + msg(messages[i]) + kIs + QStringLiteral("10"));
        w.in_de_machttxt(QString::fromLatin1(exponents[i]));
    }
}

// 10^a x 10^b = 10^(a+b) and 10^a : 10^b = 10^(a-b).
void write_power_rule(TtekeningForm& w, const QString& op, const QString& combined) {
    const QString ten = QStringLiteral("10");
    w.my_textout_2(ten);
    w.in_de_machttxt(QStringLiteral("a"));
    w.my_textout_2(op + ten);
    w.in_de_machttxt(QStringLiteral("b"));
    w.my_textout_2(kIs + ten);
    w.in_de_machttxt(combined);
}

// Topic 55: the magnitude words and the rules for powers of ten, on a card
// of 600 x 100. The first line starts below the Copy button (which takes the
// card's top right corner), so that it may use the card's whole width.
void paint_powers_of_ten(TtekeningForm& w, const CardRequest&) {
    constexpr int kWidth = 600;
    constexpr int kHeight = 100;
    constexpr int kFirstLine = 34;  // the exponents rise above it, clear of the button
    constexpr int kMargin = 3;
    const QString gap = QStringLiteral("  ");
    w.init(kWidth, kHeight);
    // Longer unit words widen the card instead of being cut off.
    Surface& s = w.surface();
    s.measure_only = true;
    write_magnitude_words(w, gap);
    s.measure_only = false;
    const int needed = s.cursor.x + kMargin;
    if (needed > s.width()) {
        w.init(needed, kHeight);
    } else {
        w.cleartekening();
    }
    w.surface().cursor.y = kFirstLine;
    write_magnitude_words(w, gap);
    w.newline(1.0);
    write_power_rule(w, kTimes, QStringLiteral("a+b"));
    w.my_textout_2(QStringLiteral("       "));
    write_power_rule(w, QStringLiteral(" : "), QStringLiteral("a−b"));
}

// Topic 54: how production, employment and productivity hang together, the
// line that gives the asked quantity in red, and the magnitude words.
void paint_employment(TtekeningForm& w, const CardRequest& r) {
    const int asked = r.exercise.value(card_keys::kAskedQuantity, kWorkforce).toInt();
    w.init(800, 240);
    Surface& s = w.surface();
    s.cursor.y = 10;
    msg_param1 = msg(asked);
    s.set_bold(true);
    w.my_textout_2(msg(kEmploymentHeading));
    s.set_bold(false);
    w.newline(1.4);
    struct Relation {
        int result, left, right;
        const char* op;
    };
    const Relation relations[3] = {{kProduction, kWorkforce, kProductivity, " × "},
                                   {kWorkforce, kProduction, kProductivity, " : "},
                                   {kProductivity, kProduction, kWorkforce, " : "}};
    for (const Relation& rel : relations) {
        s.set_font_colour(rel.result == asked ? QColor(Qt::red) : QColor(Qt::black));
        w.my_textout_2(msg(rel.result) + kIs + msg(rel.left) + QString::fromUtf8(rel.op) +
                       msg(rel.right));
        w.newline(1);
    }
    s.set_font_colour(Qt::black);
    w.newline(0.4);
    write_magnitude_words(w);
}

}  // namespace

void register_arithmetic_cards() {
    register_explanation_card(42, {paint_times_table});
    register_explanation_card(54, {paint_employment});
    register_explanation_card(55, {paint_powers_of_ten});
}

}  // namespace cifrala
