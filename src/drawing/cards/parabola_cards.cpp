// The cards of "Parabolen tekenen" (topic 56), chosen by the step of the
// roots window's exercise.
#include <QColor>
#include <cstdlib>

#include "drawing/cards/card_text.h"
#include "drawing/cards/explanation_cards.h"
#include "drawing/cards/roots_function_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/rational.h"

namespace cifrala {

namespace {

using namespace parabola_card_messages;

constexpr int kLeft = 10;
const QString kIs = QStringLiteral(" = ");

struct Parabola {
    qint64 a = 1, b = 0, c = 0;
    int step = 0;
    bool x_axis = false;
    Rational x_top;
};

Parabola read(const QVariantMap& v) {
    Parabola p;
    p.a = v.value(QStringLiteral("a")).toLongLong();
    p.b = v.value(QStringLiteral("b")).toLongLong();
    p.c = v.value(QStringLiteral("c")).toLongLong();
    p.step = v.value(QStringLiteral("step")).toInt();
    p.x_axis = v.value(QStringLiteral("x_axis")).toBool();
    p.x_top = Rational(v.value(QStringLiteral("x_top_num")).toLongLong(),
                       v.value(QStringLiteral("x_top_den"), 1).toLongLong());
    return p;
}

void at_left(TtekeningForm& w) {
    w.surface().cursor.x = kLeft;
}

// " + k" or " - |k|" after a first term; the first term its sign only.
QString signed_term(qint64 k, bool first) {
    if (first) return int_to_text(k);
    return (k < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + int_to_text(std::llabs(k));
}

// x as a factor: in brackets when negative.
QString factor(qint64 x) {
    return x < 0 ? QStringLiteral("(") + int_to_text(x) + QStringLiteral(")") : int_to_text(x);
}

// k·text with the coefficient rule: k = 1 left out, -1 as "-".
QString coefficient_times(qint64 k, const QString& x, bool first) {
    QString sign;
    if (first) {
        sign = k < 0 ? QStringLiteral("-") : QString();
    } else {
        sign = k < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ");
    }
    const qint64 m = std::llabs(k);
    return sign + (m == 1 ? QString() : int_to_text(m) + QStringLiteral("·")) + x;
}

// The text card of the steps without a card of their own.
void text_card(TtekeningForm& w, const Parabola& p) {
    w.init(700, 200);
    Surface& s = w.surface();
    s.cursor = {kLeft, 8};
    s.set_font_size(18);
    s.set_bold(true);
    write_wrapped(w, msg(kHeading), 1.0);
    s.set_bold(false);
    s.set_font_size(14);
    if (p.step <= 5) {
        write_wrapped(w, msg(kTwoPoints));
    } else {
        write_wrapped(w, msg(kAxis));
        write_wrapped(w, msg(kVertex));
        write_wrapped(w, msg(kTable));
    }
    s.set_font_size(18);
}

// a x + b = 0 solved in balance form: what is taken from both sides and the
// divisor in red under a red line.
void balance_card(TtekeningForm& w, const Parabola& p) {
    w.init(190, 180);
    Surface& s = w.surface();
    s.set_font_size(14);
    s.cursor = {kLeft, 6};
    const QString left = coefficient_times(p.a, QStringLiteral("x"), true);
    w.my_textout_2(left + signed_term(p.b, false) + QStringLiteral(" = 0"));
    w.newline(0.7);
    // Under the terms: -b on both sides.
    const QColor black = s.font_colour();
    s.set_font_colour(Qt::red);
    at_left(w);
    const QString take =
        (p.b < 0 ? QStringLiteral("+") : QStringLiteral("-")) + int_to_text(std::llabs(p.b));
    const int eq = kLeft + s.text_width(left + signed_term(p.b, false) + QStringLiteral(" ="));
    s.cursor.x = kLeft + s.text_width(left + QStringLiteral(" "));
    w.my_textout_2(take);
    s.cursor.x = eq + 6;
    w.my_textout_2(take);
    w.newline(0.7);
    s.set_pen(1, Qt::red);
    s.line(kLeft, s.cursor.y - 2, s.width() - 30, s.cursor.y - 2);
    s.set_font_colour(black);
    at_left(w);
    w.my_textout_2(left + kIs + int_to_text(-p.b));
    w.newline(0.7);
    if (p.a != 1) {
        s.set_font_colour(Qt::red);
        s.cursor.x = kLeft;
        w.my_textout_2(QStringLiteral(":") + int_to_text(p.a));
        s.cursor.x = kLeft + s.text_width(left + kIs);
        w.my_textout_2(QStringLiteral(":") + int_to_text(p.a));
        w.newline(0.7);
        s.line(kLeft, s.cursor.y - 2, s.width() - 30, s.cursor.y - 2);
        s.set_font_colour(black);
        at_left(w);
    }
    w.my_textout_2(QStringLiteral("x = ") + int_to_text(-p.b / (p.a == 0 ? 1 : p.a)));
    s.set_pen(1, Qt::black);
}

// X_top = -b/(2a), reduced; Y_top = f(X_top) worked out with fractions.
void vertex_card(TtekeningForm& w, const Parabola& p) {
    w.init(400, 440);
    Surface& s = w.surface();
    s.cursor = {kLeft, 10};
    s.set_font_size(16);
    const qint64 top = -p.b, bottom = 2 * p.a;
    w.my_textout_2(QStringLiteral("X"));
    w.in_de_subtxt(QStringLiteral("top"));
    w.my_textout_2(kIs);
    write_card_fraction(w, QStringLiteral("-b"), QStringLiteral("2a"));
    w.my_textout_2(kIs);
    write_card_fraction(w, int_to_text(top), int_to_text(bottom));
    const Rational x(top, bottom);
    if (x.d != bottom || x.whole()) {
        w.my_textout_2(kIs);
        write_card_number(w, x, false);
    }
    w.newline(1.6);
    at_left(w);
    // Y_top = a·X² + b·X + c with X written as it is.
    w.my_textout_2(QStringLiteral("Y"));
    w.in_de_subtxt(QStringLiteral("top"));
    w.my_textout_2(kIs);
    const int after_is = s.cursor.x - s.text_width(kIs);
    const auto x_factor = [&] {
        if (x.whole()) {
            w.my_textout_2(factor(x.n));
            return;
        }
        w.my_textout_2(QStringLiteral("("));
        write_card_number(w, x, false);
        w.my_textout_2(QStringLiteral(")"));
    };
    w.my_textout_2(coefficient_times(p.a, QString(), true));
    x_factor();
    w.in_de_machttxt(QStringLiteral("2"));
    if (p.b != 0) {
        w.my_textout_2(coefficient_times(p.b, QString(), false));
        x_factor();
    }
    if (p.c != 0) w.my_textout_2(signed_term(p.c, false));
    // The products, then everything over the common denominator.
    const Rational first = Rational(p.a) * x * x, second = Rational(p.b) * x;
    const qint64 den = x.d * x.d;
    const auto over = [&](qint64 numerator, bool first_term) {
        if (!first_term)
            w.my_textout_2(numerator < 0 ? QStringLiteral(" - ") : QStringLiteral(" + "));
        if (first_term && numerator < 0) w.my_textout_2(QStringLiteral("-"));
        const QString n = int_to_text(std::llabs(numerator));
        if (den == 1) {
            w.my_textout_2(n);
        } else {
            write_card_fraction(w, n, int_to_text(den));
        }
    };
    w.newline(1.6);
    s.cursor.x = after_is;
    w.my_textout_2(kIs);
    over(first.n * (den / first.d), true);
    if (p.b != 0) over(second.n * (den / second.d), false);
    if (p.c != 0) over(p.c * den, false);
    const Rational y = first + second + Rational(p.c);
    w.newline(1.6);
    s.cursor.x = after_is;
    w.my_textout_2(kIs);
    const qint64 sum = y.n * (den / y.d);
    if (den == 1) {
        w.my_textout_2(int_to_text(sum));
        return;
    }
    write_card_fraction(w, int_to_text(sum), int_to_text(den));
    if (y.d != den) {
        w.my_textout_2(kIs);
        write_card_number(w, y, false);
    }
    if (!y.whole() && y.improper()) {
        w.my_textout_2(kIs);
        write_card_number(w, y, true);
    }
}

// One table value worked out: X, Y = f(X) with X filled in, the products,
// the value.
void reveal_card(TtekeningForm& w, const Parabola& p, qint64 X) {
    w.init(300, 300);
    Surface& s = w.surface();
    s.cursor = {kLeft, 10};
    s.set_font_size(15);
    w.my_textout_2(QStringLiteral("X = ") + int_to_text(X));
    w.newline(1.4);
    at_left(w);
    w.my_textout_2(QStringLiteral("Y "));
    const int column = s.cursor.x;
    w.my_textout_2(QStringLiteral("= "));
    const auto power = [&](qint64 k, bool first) {
        w.my_textout_2(coefficient_times(k, factor(X), first));
        w.in_de_machttxt(QStringLiteral("2"));
    };
    power(p.a, true);
    if (p.b != 0) w.my_textout_2(coefficient_times(p.b, factor(X), false));
    if (p.c != 0) w.my_textout_2(signed_term(p.c, false));
    w.newline(1.2);
    s.cursor.x = column;
    // a · X², b · X as numbers.
    QString line =
        QStringLiteral("= ") + int_to_text(p.a) + QStringLiteral(" · ") + int_to_text(X * X);
    if (p.b != 0)
        line += (p.b < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) +
                int_to_text(std::llabs(p.b)) + QStringLiteral(" · ") + factor(X);
    if (p.c != 0) line += signed_term(p.c, false);
    w.my_textout_2(line);
    w.newline(1.2);
    if (p.a != 1 || std::llabs(p.b) > 1) {
        s.cursor.x = column;
        QString worked = QStringLiteral("= ") + int_to_text(p.a * X * X);
        if (p.b != 0) worked += signed_term(p.b * X, false);
        if (p.c != 0) worked += signed_term(p.c, false);
        w.my_textout_2(worked);
        w.newline(1.2);
    }
    s.cursor.x = column;
    w.my_textout_2(QStringLiteral("= ") + int_to_text(p.a * X * X + p.b * X + p.c));
}

void graph_card(TtekeningForm& w, const Parabola& p, const QVariantMap& v) {
    w.init(400, 600);
    RootsParabolaGraph g;
    g.a = static_cast<int>(p.a);
    g.b = static_cast<int>(p.b);
    g.c = static_cast<int>(p.c);
    g.x_top = p.x_top.value();
    g.x_min = v.value(QStringLiteral("x_min"), 0).toDouble();
    g.x_max = v.value(QStringLiteral("x_max"), 10).toDouble();
    w.teken_de_parabool(g);
}

void paint_parabola(TtekeningForm& w, const CardRequest& r) {
    const Parabola p = read(r.exercise);
    if (r.exercise.contains(QStringLiteral("reveal_x"))) {
        reveal_card(w, p, r.exercise.value(QStringLiteral("reveal_x")).toLongLong());
    } else if (p.step == 5 && !p.x_axis) {
        balance_card(w, p);
    } else if (p.step == 8) {
        vertex_card(w, p);
    } else if (p.step >= 9) {
        graph_card(w, p, r.exercise);
    } else {
        text_card(w, p);
    }
    place_card(w, r.exercise);
}

}  // namespace

void register_parabola_card() {
    register_explanation_card(56, {paint_parabola, CardPlacement::Self});
}

}  // namespace cifrala
