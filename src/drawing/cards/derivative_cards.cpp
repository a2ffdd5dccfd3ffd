#include "drawing/cards/derivative_cards.h"

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"

namespace cifrala {

namespace {

using namespace derivative_card_messages;

// Lines of a card are this many line units apart.
constexpr double kLine = 1.6;
constexpr double kFractionLine = 2.0;

// A card of w x h with its heading in bold.
Surface& begin_card(TtekeningForm& w, int width, int height, int heading) {
    w.init(width, height);
    Surface& s = w.surface();
    s.set_bold(true);
    w.my_textout_2(msg(heading));
    s.set_bold(false);
    return s;
}

void text(TtekeningForm& w, const QString& t) {
    w.my_textout_2(t);
}

void power(TtekeningForm& w, const QString& t) {
    w.in_de_machttxt(t);
}

void fraction(TtekeningForm& w, const QString& top, const QString& bottom) {
    w.surface().cursor.x = w.breuktxt(top, bottom);
}

// f(x) = a x^n  gives  f'(x) = n a x^(n-1), and the powers it needs.
void paint_powers(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 200, kPowers);
    w.newline(kLine);
    text(w, QStringLiteral("f(x) = a·x"));
    power(w, QStringLiteral("n"));
    text(w, QStringLiteral("   →   f'(x) = n·a·x"));
    power(w, QStringLiteral("n-1"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("x"));
    w.breuktxt_in_de_macht(QStringLiteral("1"), QStringLiteral("2"));
    text(w, QStringLiteral(" = "));
    w.worteluittxt(QStringLiteral("x"));
    text(w, QStringLiteral("       x"));
    power(w, QStringLiteral("-n"));
    text(w, QStringLiteral(" = "));
    w.surface().cursor.x =
        w.breuk_met_macht_in_noemer(QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("n"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("f(x) = 3x"));
    w.breuktxt_in_de_macht(QStringLiteral("2"), QStringLiteral("3"));
    text(w, QStringLiteral("   →   f'(x) = 2x"));
    w.breuktxt_in_de_macht(QStringLiteral("-1"), QStringLiteral("3"));
}

void write_product_rule(TtekeningForm& w) {
    text(w, QStringLiteral("f(x) = g(x)·h(x)"));
    w.newline(kLine);
    text(w, QStringLiteral("f'(x) = g'(x)·h(x) + g(x)·h'(x)"));
}

void write_chain_rule(TtekeningForm& w) {
    text(w, QStringLiteral("f(x) = g(u(x))   →   f'(x) = g'(u)·u'(x)"));
}

void paint_product_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 130, kProductRule);
    w.newline(kLine);
    write_product_rule(w);
}

void paint_quotient_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 170, kQuotientRule);
    w.newline(kFractionLine);
    text(w, QStringLiteral("f(x) = "));
    fraction(w, QStringLiteral("g(x)"), QStringLiteral("h(x)"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("f'(x) = "));
    w.surface().cursor.x = w.breuk_met_macht_in_noemer(
        QStringLiteral("g'(x)·h(x) - g(x)·h'(x)"), QStringLiteral("(h(x))"), QStringLiteral("2"));
}

// [(ax^2 + bx + c)^n]' = n(ax^2 + bx + c)^(n-1) · (2ax + b)
void write_power_of_quadratic(TtekeningForm& w) {
    text(w, QStringLiteral("[(ax"));
    power(w, QStringLiteral("2"));
    text(w, QStringLiteral(" + bx + c)"));
    power(w, QStringLiteral("n"));
    text(w, QStringLiteral("]' = n(ax"));
    power(w, QStringLiteral("2"));
    text(w, QStringLiteral(" + bx + c)"));
    power(w, QStringLiteral("n-1"));
    text(w, QStringLiteral("·(2ax + b)"));
}

void paint_chain_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 160, kChainRule);
    w.newline(kLine);
    write_chain_rule(w);
    w.newline(kLine);
    write_power_of_quadratic(w);
}

void paint_chain_and_product_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 200, kChainAndProductRule);
    w.newline(kLine);
    text(w, QStringLiteral("[g·h]' = g'·h + g·h'"));
    w.newline(kLine);
    write_chain_rule(w);
    w.newline(kLine);
    text(w, QStringLiteral("[x·u"));
    power(w, QStringLiteral("n"));
    text(w, QStringLiteral("]' = u"));
    power(w, QStringLiteral("n"));
    text(w, QStringLiteral(" + x·n·u"));
    power(w, QStringLiteral("n-1"));
    text(w, QStringLiteral("·u'"));
}

void paint_logarithms(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 400, kLogarithms);
    w.newline(kFractionLine);
    text(w, QStringLiteral("[ln x]' = "));
    fraction(w, QStringLiteral("1"), QStringLiteral("x"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("[ln(ax + b)]' = "));
    fraction(w, QStringLiteral("a"), QStringLiteral("ax + b"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("["));
    power(w, QStringLiteral("g"));
    text(w, QStringLiteral("log x]' = "));
    fraction(w, QStringLiteral("1"), QStringLiteral("x·ln g"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("["));
    power(w, QStringLiteral("g"));
    text(w, QStringLiteral("log(ax + b)]' = "));
    fraction(w, QStringLiteral("a"), QStringLiteral("(ax + b)·ln g"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("[u·v]' = u'·v + u·v'"));
}

void paint_exponentials(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 320, kExponentials);
    const auto line = [&w](const QString& base, const QString& exponent, const QString& rest) {
        w.newline(kLine);
        text(w, QStringLiteral("[") + base);
        power(w, exponent);
        text(w, QStringLiteral("]' = ") + rest + base);
        power(w, exponent);
    };
    line(QStringLiteral("e"), QStringLiteral("x"), QString());
    line(QStringLiteral("e"), QStringLiteral("ax+b"), QStringLiteral("a·"));
    line(QStringLiteral("g"), QStringLiteral("x"), QString());
    text(w, QStringLiteral("·ln g"));
    line(QStringLiteral("g"), QStringLiteral("ax+b"), QStringLiteral("a·"));
    text(w, QStringLiteral("·ln g"));
    w.newline(kLine);
    text(w, QStringLiteral("[u·v]' = u'·v + u·v'"));
}

void paint_sinusoids(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 330, kSinusoids);
    w.newline(kLine);
    text(w, QStringLiteral("[sin x]' = cos x"));
    w.newline(kLine);
    text(w, QStringLiteral("[cos x]' = -sin x"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("[tan x]' = "));
    w.surface().cursor.x = w.breuk_met_macht_in_noemer(QStringLiteral("1"), QStringLiteral("cos"),
                                                       QStringLiteral("2"));
    text(w, QStringLiteral("x"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("[a·sin(bx + c) + d]' = a·b·cos(bx + c)"));
    w.newline(kLine);
    text(w, QStringLiteral("[a·cos(bx + c) + d]' = -a·b·sin(bx + c)"));
}

}  // namespace

void register_derivative_cards() {
    register_explanation_card(9, {paint_powers});
    register_explanation_card(10, {paint_product_rule});
    register_explanation_card(11, {paint_quotient_rule});
    register_explanation_card(12, {paint_chain_rule});
    register_explanation_card(13, {paint_chain_and_product_rule});
    register_explanation_card(14, {paint_logarithms});
    register_explanation_card(15, {paint_exponentials});
    register_explanation_card(16, {paint_sinusoids});
}

}  // namespace cifrala
