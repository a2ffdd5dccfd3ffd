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

// Runs of a line: a run that begins with "^" is a superscript.
void write(TtekeningForm& w, std::initializer_list<const char*> runs) {
    for (const char* r : runs) {
        const QString run = QString::fromUtf8(r);
        if (run.startsWith(QLatin1Char('^'))) {
            w.in_de_machttxt(run.mid(1));
        } else {
            w.my_textout_2(run);
        }
    }
}

// The line's runs, then a fraction.
void write_with_fraction(TtekeningForm& w, std::initializer_list<const char*> runs,
                         const QString& top, const QString& bottom) {
    write(w, runs);
    w.surface().cursor.x = w.breuktxt(top, bottom);
}

// A new line, `units` line units down.
void line(TtekeningForm& w, std::initializer_list<const char*> runs, double units = kLine) {
    w.newline(units);
    write(w, runs);
}

void fraction_line(TtekeningForm& w, std::initializer_list<const char*> runs, const QString& top,
                   const QString& bottom) {
    w.newline(kFractionLine);
    write_with_fraction(w, runs, top, bottom);
}

// f(x) = a x^n  gives  f'(x) = n a x^(n-1), and the powers it needs.
void paint_powers(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 200, kPowers);
    line(w, {"f(x) = a·x", "^n", "   →   f'(x) = n·a·x", "^n-1"});
    w.newline(kFractionLine);
    write(w, {"x", "^1/2", " = "});
    w.worteluittxt(QStringLiteral("x"));
    write_with_fraction(w, {"       x", "^-n", " = "}, QStringLiteral("1"), QStringLiteral("xⁿ"));
    line(w, {"f(x) = 3x", "^2/3", "   →   f'(x) = 2x", "^-1/3"}, kFractionLine);
}

void paint_product_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 130, kProductRule);
    line(w, {"f(x) = g(x)·h(x)"});
    line(w, {"f'(x) = g'(x)·h(x) + g(x)·h'(x)"});
}

void paint_quotient_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 170, kQuotientRule);
    fraction_line(w, {"f(x) = "}, QStringLiteral("g(x)"), QStringLiteral("h(x)"));
    fraction_line(w, {"f'(x) = "}, QStringLiteral("g'(x)·h(x) - g(x)·h'(x)"),
                  QStringLiteral("(h(x))²"));
}

void paint_chain_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 200, kChainRule);
    line(w, {"[g(u(x))]' = g'(u(x))·u'(x)"});
    line(w, {"[(ax", "^2", " + bx + c)", "^n", "]' ="});
    line(w, {"      n(ax", "^2", " + bx + c)", "^n-1", "·(2ax + b)"});
}

void paint_chain_and_product_rule(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 200, kChainAndProductRule);
    line(w, {"[g·h]' = g'·h + g·h'"});
    line(w, {"[g(u(x))]' = g'(u(x))·u'(x)"});
    line(w, {"[x·u", "^n", "]' = u", "^n", " + x·n·u", "^n-1", "·u'"});
}

void paint_logarithms(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 400, kLogarithms);
    fraction_line(w, {"[ln x]' = "}, QStringLiteral("1"), QStringLiteral("x"));
    fraction_line(w, {"[ln(ax + b)]' = "}, QStringLiteral("a"), QStringLiteral("ax + b"));
    fraction_line(w, {"[", "^g", "log x]' = "}, QStringLiteral("1"), QStringLiteral("x·ln g"));
    fraction_line(w, {"[", "^g", "log(ax + b)]' = "}, QStringLiteral("a"),
                  QStringLiteral("(ax + b)·ln g"));
    line(w, {"[u·v]' = u'·v + u·v'"}, kFractionLine);
}

void paint_exponentials(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 320, kExponentials);
    line(w, {"[e", "^x", "]' = e", "^x"});
    line(w, {"[e", "^ax+b", "]' = a·e", "^ax+b"});
    line(w, {"[g", "^x", "]' = g", "^x", "·ln g"});
    line(w, {"[g", "^ax+b", "]' = a·g", "^ax+b", "·ln g"});
    line(w, {"[u·v]' = u'·v + u·v'"});
}

void paint_sinusoids(TtekeningForm& w, const CardRequest&) {
    begin_card(w, 420, 330, kSinusoids);
    line(w, {"[sin x]' = cos x"});
    line(w, {"[cos x]' = -sin x"});
    fraction_line(w, {"[tan x]' = "}, QStringLiteral("1"), QStringLiteral("cos²x"));
    line(w, {"[a·sin(bx + c)]' = a·b·cos(bx + c)"}, kFractionLine);
    line(w, {"[a·cos(bx + c)]' = -a·b·sin(bx + c)"});
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
