#include "drawing/cards/algebra_window_cards.h"


#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "drawing/graphs/graph_operations.h"
#include "text/language.h"
#include "text/messages.h"

namespace cifrala {

namespace {

using namespace algebra_card_messages;

constexpr int kGraphWidth = 400, kGraphHeight = 300;
constexpr int kRulesWidth = 250, kRulesHeight = 500;
constexpr double kRuleLine = 1.8;
constexpr int kRulesSize = 16;
constexpr int kMargin = 10;

void paint_inequality_check(TtekeningForm& w, const CardRequest& r) {
    w.init(kGraphWidth, kGraphHeight);
    if (!r.exercise.isEmpty())
        w.show_graph(quadratic_inequality_graph(inequality_graph_from(r.exercise),
                                                QSize(kGraphWidth, kGraphHeight)));
    if (w.opener()) w.place_lower_right_of(w.opener());
}

// One rule: what `write` writes, a line further down.
template <typename F>
void rule(TtekeningForm& w, F write) {
    w.surface().cursor.x = kMargin;
    write();
    w.newline(kRuleLine);
}

// Words on lines of the card's width, each line a line unit further down.
void wrapped(TtekeningForm& w, const QString& text) {
    Surface& s = w.surface();
    const int right = kRulesWidth - TtekeningForm::kCopyButtonRoom;
    s.cursor.x = kMargin;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (s.cursor.x > kMargin && s.cursor.x + s.text_width(word) > right) {
            w.newline(1);
            s.cursor.x = kMargin;
        }
        w.my_textout_2(word + QLatin1Char(' '));
    }
}

void paint_power_rules(TtekeningForm& w, const CardRequest&) {
    w.init(kRulesWidth, kRulesHeight);
    Surface& s = w.surface();
    s.set_font_size(kRulesSize);
    msg_param1 = QStringLiteral("g");
    s.set_bold(true);
    wrapped(w, msg(kPowerRulesHeading));
    s.set_bold(false);
    w.newline(kRuleLine);
    const QString dot = QStringLiteral(" · ");
    rule(w, [&] {
        w.my_textout_2(QStringLiteral("g"));
        w.in_de_machttxt(QStringLiteral("a"));
        w.my_textout_2(dot + QStringLiteral("g"));
        w.in_de_machttxt(QStringLiteral("b"));
        w.my_textout_2(QStringLiteral(" = g"));
        w.in_de_machttxt(QStringLiteral("a + b"));
    });
    rule(w, [&] {
        w.my_textout_2(QStringLiteral("g"));
        w.in_de_machttxt(QStringLiteral("a"));
        w.my_textout_2(QStringLiteral(" : g"));
        w.in_de_machttxt(QStringLiteral("b"));
        w.my_textout_2(QStringLiteral(" = g"));
        w.in_de_machttxt(QStringLiteral("a - b"));
    });
    rule(w, [&] {
        w.my_textout_2(QStringLiteral("(g"));
        w.in_de_machttxt(QStringLiteral("a"));
        w.my_textout_2(QStringLiteral(")"));
        w.in_de_machttxt(QStringLiteral("b"));
        w.my_textout_2(QStringLiteral(" = g"));
        w.in_de_machttxt(QStringLiteral("a·b"));
    });
    rule(w, [&] {
        w.worteluittxt(QStringLiteral("g"));
        w.my_textout_2(QStringLiteral(" = g"));
        w.in_de_machttxt(QStringLiteral("1/2"));
    });
    rule(w, [&] {
        w.in_de_machttxt(QStringLiteral("n"));
        w.worteluittxt(QStringLiteral("g"));
        w.in_de_machttxt(QStringLiteral("m"));
        w.my_textout_2(QStringLiteral(" = g"));
        w.in_de_machttxt(QStringLiteral("m/n"));
    });
    // The step on which the method rests.
    rule(w, [&] {
        w.my_textout_2(QStringLiteral("g"));
        w.in_de_machttxt(QStringLiteral("p"));
        w.my_textout_2(QStringLiteral(" = g"));
        w.in_de_machttxt(QStringLiteral("q"));
        w.my_textout_2(QStringLiteral("  ⇒  p = q"));
    });
}

}  // namespace

QVariantMap inequality_graph_values(const QuadraticInequalityGraph& g) {
    return QVariantMap{{QStringLiteral("x1"), g.x1},
                       {QStringLiteral("y1"), g.y1},
                       {QStringLiteral("x2"), g.x2},
                       {QStringLiteral("y2"), g.y2},
                       {QStringLiteral("b"), g.b},
                       {QStringLiteral("c"), g.c},
                       {QStringLiteral("s"), g.s},
                       {QStringLiteral("n"), g.n},
                       {QStringLiteral("less"), g.less},
                       {QStringLiteral("vertex_y"), g.vertex_y},
                       {QStringLiteral("graph_top"), g.graph_top},
                       {QStringLiteral("first"), g.first},
                       {QStringLiteral("second"), g.second},
                       {QStringLiteral("colour"), g.colour},
                       {QStringLiteral("vertex"), g.vertex}};
}

QuadraticInequalityGraph inequality_graph_from(const QVariantMap& v) {
    QuadraticInequalityGraph g;
    const auto get_int = [&](const char* key, int& out) {
        if (v.contains(QLatin1String(key))) out = v.value(QLatin1String(key)).toInt();
    };
    const auto get_real = [&](const char* key, double& out) {
        if (v.contains(QLatin1String(key))) out = v.value(QLatin1String(key)).toDouble();
    };
    const auto get_bool = [&](const char* key, bool& out) {
        if (v.contains(QLatin1String(key))) out = v.value(QLatin1String(key)).toBool();
    };
    get_int("x1", g.x1);
    get_int("y1", g.y1);
    get_int("x2", g.x2);
    get_int("y2", g.y2);
    get_int("b", g.b);
    get_int("c", g.c);
    get_int("s", g.s);
    get_int("n", g.n);
    get_bool("less", g.less);
    get_real("vertex_y", g.vertex_y);
    get_real("graph_top", g.graph_top);
    get_bool("first", g.first);
    get_bool("second", g.second);
    get_bool("colour", g.colour);
    get_bool("vertex", g.vertex);
    return g;
}

void register_algebra_window_cards() {
    register_explanation_card(7, {paint_inequality_check, CardPlacement::Self});
    register_explanation_card(28, {paint_power_rules});
}

}  // namespace cifrala
