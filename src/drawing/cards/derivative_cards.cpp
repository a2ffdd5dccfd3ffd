#include "drawing/cards/derivative_cards.h"

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"

namespace cifrala {

namespace {

using namespace derivative_card_messages;

// Lines of a card are this many line units apart; a line with a fraction
// needs more room.
constexpr double kLine = 1.3;
constexpr double kFractionLine = 1.7;
constexpr int kBodySize = 16;
constexpr int kSmallestHeading = 11;

// A card of w x h with its heading in bold; the rules below it are written
// a little smaller.
void begin_card(TtekeningForm& w, int width, int height, int heading) {
    w.init(width, height);
    Surface& s = w.surface();
    s.set_bold(true);
    const QString title = msg(heading);
    while (s.font_size() > kSmallestHeading &&
           s.cursor.x + s.text_width(title) > width - TtekeningForm::kCopyButtonRoom)
        s.set_font_size(s.font_size() - 1);
    w.my_textout_2(title);
    s.set_bold(false);
    s.set_font_size(kBodySize);
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
    power(w, QStringLiteral("1/2"));
    text(w, QStringLiteral(" = "));
    w.worteluittxt(QStringLiteral("x"));
    text(w, QStringLiteral("       x"));
    power(w, QStringLiteral("-n"));
    text(w, QStringLiteral(" = "));
    fraction(w, QStringLiteral("1"), QStringLiteral("xⁿ"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("f(x) = 3x"));
    power(w, QStringLiteral("2/3"));
    text(w, QStringLiteral("   →   f'(x) = 2x"));
    power(w, QStringLiteral("-1/3"));
}

void write_product_rule(TtekeningForm& w) {
    text(w, QStringLiteral("f(x) = g(x)·h(x)"));
    w.newline(kLine);
    text(w, QStringLiteral("f'(x) = g'(x)·h(x) + g(x)·h'(x)"));
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
    fraction(w, QStringLiteral("g'(x)·h(x) - g(x)·h'(x)"), QStringLiteral("(h(x))²"));
}

// [(ax^2 + bx + c)^n]' = n(ax^2 + bx + c)^(n-1) · (2ax + b), on two lines.
void write_power_of_quadratic(TtekeningForm& w) {
    text(w, QStringLiteral("[(ax"));
    power(w, QStringLiteral("2"));
    text(w, QStringLiteral(" + bx + c)"));
    power(w, QStringLiteral("n"));
    text(w, QStringLiteral("]' ="));
    w.newline(kLine);
    text(w, QStringLiteral("      n(ax"));
    power(w, QStringLiteral("2"));
    text(w, QStringLiteral(" + bx + c)"));
    power(w, QStringLiteral("n-1"));
    text(w, QStringLiteral("·(2ax + b)"));
}

void paint_chain_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 200, kChainRule);
    w.newline(kLine);
    text(w, QStringLiteral("[g(u(x))]' = g'(u(x))·u'(x)"));
    w.newline(kLine);
    write_power_of_quadratic(w);
}

void paint_chain_and_product_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 200, kChainAndProductRule);
    w.newline(kLine);
    text(w, QStringLiteral("[g·h]' = g'·h + g·h'"));
    w.newline(kLine);
    text(w, QStringLiteral("[g(u(x))]' = g'(u(x))·u'(x)"));
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
    fraction(w, QStringLiteral("1"), QStringLiteral("cos²x"));
    w.newline(kFractionLine);
    text(w, QStringLiteral("[a·sin(bx + c)]' = a·b·cos(bx + c)"));
    w.newline(kLine);
    text(w, QStringLiteral("[a·cos(bx + c)]' = -a·b·sin(bx + c)"));
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
