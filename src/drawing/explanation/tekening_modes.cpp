// The two cards the roots window asks for from its buttons: the table of
// powers of 2, 3 and 5, and how a power x^n = a is undone with a root.
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

namespace {

constexpr int kRightArrow = 174;  // of the symbol font

}  // namespace

// 2^i = .. for i = 1 to 10, 3^i beside it up to 5 and 5^i up to 4.
void TtekeningForm::paint_powers_table() {
    init(420, 480);
    Surface& s = *surface_;
    my_textout_2(msg(tekening_messages::kPowersHeading));
    newline(1.4);
    struct Column {
        int base, last, x;
    };
    const Column columns[] = {{2, 10, 3}, {3, 5, 150}, {5, 4, 300}};
    for (int i = 1; i <= 10; ++i) {
        const int y = s.cursor.y;
        for (const Column& c : columns) {
            if (i > c.last) continue;
            s.cursor.x = c.x;
            s.cursor.y = y;
            qint64 power = 1;
            for (int k = 0; k < i; ++k)
                power *= c.base;
            my_textout_2(int_to_text(c.base));
            in_de_machttxt(int_to_text(i));
            my_textout_2(QStringLiteral(" = ") + int_to_text(power));
        }
        s.cursor.y = y;
        newline(1.1);
    }
}

// x^n = a -> x = n-th root of a, and for -a the same with the minus sign.
void TtekeningForm::paint_root_notation() {
    init(570, 250);
    Surface& s = *surface_;
    s.cursor.y = 10;
    my_textout_2(msg(tekening_messages::kRootHeading));
    newline(1.5);
    my_textout_2(msg(tekening_messages::kRootOddPositive));
    newline(1.2);
    const auto line = [&](const QString& right, const QString& between, const QString& sign) {
        my_textout_2(QStringLiteral("x"));
        in_de_machttxt(QStringLiteral("n"));
        my_textout_2(QStringLiteral(" = ") + right + QStringLiteral("  "));
        my_textoutSymbol(kRightArrow);
        my_textout_2(between + QStringLiteral("x = ") + sign);
        in_de_machttxt(QStringLiteral("n"));
        worteluittxt(QStringLiteral("a"), 0.7);
    };
    line(QStringLiteral("a"), QStringLiteral("   "), QString());
    newline(1.6);
    my_textout_2(msg(tekening_messages::kRootNegative));
    newline(1.2);
    line(QStringLiteral("-a"), QStringLiteral("   "), QStringLiteral("-"));
}

}  // namespace cifrala
