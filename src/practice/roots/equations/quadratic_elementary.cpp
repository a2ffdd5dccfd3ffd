#include "practice/roots/equations/quadratic_elementary.h"

#include <algorithm>
#include <cstdlib>

#include "formula/surface.h"
#include "practice/common/step_sequence.h"
#include "practice/roots/equations/equation_draws.h"
#include "practice/roots/equations/equation_writing.h"
#include "practice/roots/equations/factor_pair_listing.h"
#include "text/messages.h"

namespace cifrala {

using namespace equation_messages;

namespace {

constexpr double kLine = 1.4;
constexpr int kStartDrop = 5;
constexpr int kPanelMessage = 2052;
constexpr int kPanelRoom = 35;
// The panel's full height, and the smallest font of a long listing.
constexpr int kPanelLargest = 649;
constexpr int kPanelSmallestFont = 8;
constexpr int kPairPause = 500;
constexpr int kLongShow = 2000;

// The x-term with this coefficient: the added-term sign, |k| when not 1, x.
QString x_term(long long k) {
    QString t = k < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ");
    if (std::llabs(k) != 1) t += number_text(std::llabs(k));
    return t + QStringLiteral("x");
}

}  // namespace

ElementaryQuadratic elementary_quadratic(int a, int u, int v, int r, int B) {
    ElementaryQuadratic q;
    q.a = a;
    q.u = u;
    q.v = v;
    q.r = r;
    q.B = B;
    q.b = a * (-u - v);
    q.c = a * u * v;
    return q;
}

ElementaryQuadratic generate_elementary_quadratic(int level) {
    const int L = level_limit(level);
    int a = 1;
    int r = signed_draw(random(L));
    if (level == 0) r = 0;
    if (level == 2) a = signed_draw(1 + random(L));
    int u = 0, v = 0;
    do {
        u = signed_draw(random(L));
        v = signed_draw(random(L));
    } while (u == 0 && v == 0);
    const int B = random(2) == 0 ? 0 : signed_draw(1 + random(4));
    return elementary_quadratic(a, u, v, r, B);
}

QuadraticElementaryWorker::QuadraticElementaryWorker(StepHost& host, EquationExplainer& explainer,
                                                     std::function<void(int)> panel_height)
    : EquationWorker(host, explainer, false), panel_height_(std::move(panel_height)) {}

void QuadraticElementaryWorker::new_exercise(int level) {
    begin(generate_elementary_quadratic(level));
}

void QuadraticElementaryWorker::begin(const ElementaryQuadratic& q) {
    if (started) previous_ = drawn_;
    write(q);
}

bool QuadraticElementaryWorker::undo() {
    if (!previous_) return false;
    const ElementaryQuadratic q = *previous_;
    previous_.reset();
    write(q);
    return true;
}

void QuadraticElementaryWorker::write(const ElementaryQuadratic& q) {
    e = q;
    drawn_ = q;
    started = true;
    step = 0;
    card_step = 0;
    finished = false;
    host().show_control(ControlRole::SidePanel, false);
    sheet_.clearimage();
    sheet_.cursor.y += kStartDrop;
    left_side();
    sheet_.my_textout(kIs);
    right_side();
    if (e.r == 0 && e.B == 0) step = 3;
    place_after_exercise();
}

QVariantMap QuadraticElementaryWorker::card_values() const {
    return {{QStringLiteral("step"), card_step}, {QStringLiteral("a"), e.a},
            {QStringLiteral("b"), e.b},          {QStringLiteral("c"), e.c},
            {QStringLiteral("r"), e.r},          {QStringLiteral("B"), e.B},
            {QStringLiteral("u"), e.u},          {QStringLiteral("v"), e.v}};
}

// toon_kwadratische_vergelijking, left of " = ".
void QuadraticElementaryWorker::left_side() {
    coefficient(sheet_, e.a);
    sheet_.my_textout(QStringLiteral("x"));
    in_de_macht1(sheet_, 2);
    const long long k = e.B != 0 ? static_cast<long long>(e.b) - e.B : e.b;
    if (k != 0) sheet_.my_textout(x_term(k));
    const long long constant = static_cast<long long>(e.c) + e.r;
    if (constant != 0) added_term(sheet_, constant);
}

void QuadraticElementaryWorker::right_side() {
    if (e.B == 0) {
        sheet_.my_textout(number_text(e.r));
        return;
    }
    if (e.r != 0) {
        sheet_.my_textout(number_text(e.r) +
                          (e.B < 0 ? QStringLiteral(" + ") : QStringLiteral(" - ")));
    } else if (e.B > 0) {
        sheet_.my_textout(QStringLiteral("-"));
    }
    if (std::abs(e.B) > 1) sheet_.my_textout(number_text(std::abs(e.B)));
    sheet_.my_textout(QStringLiteral("x"));
}

void QuadraticElementaryWorker::show_rijtje_bij(long long x) {
    Surface& panel = host().surface(SurfaceRole::SidePanel);
    const std::vector<FactorPair> pairs = factor_pairs(x, e.b);
    if (const auto p = marked_pair(pairs)) {
        e.v = static_cast<int>(-p->d);
        e.u = static_cast<int>(-p->f);
    }
    host().set_control_text(ControlRole::SidePanel,
                            msg(kPanelMessage) + QLatin1Char(' ') + number_text(x));
    // First pass: measure; a listing too long for the panel is written
    // smaller.
    const int restore = panel.font_size();
    int height = 0;
    panel.measure_only = true;
    for (;;) {
        height = write_factor_pair_lines(panel, pairs) + kPanelRoom;
        if (height <= kPanelLargest || panel.font_size() <= kPanelSmallestFont) break;
        panel.set_font_size(panel.font_size() - 1);
    }
    panel.measure_only = false;
    height = std::min(height, kPanelLargest);
    if (panel_height_) panel_height_(height);
    host().show_control(ControlRole::SidePanel, true);
    // Second pass: the surface fits the panel, one pair at a time.
    write_factor_pair_header(panel);
    for (const FactorPair& p : pairs) {
        seq_.then([&panel, p] { write_factor_pair_line(panel, p); });
        seq_.pause(kPairPause);
    }
    seq_.then([&panel, restore] { panel.set_font_size(restore); });
}

void QuadraticElementaryWorker::perform(int n) {
    switch (n) {
        case 1:
            show_at(150, 450);
            break;
        case 2: {
            line(kLine);
            const auto red_terms = [this] {
                sheet_.set_font_colour(Qt::red);
                if (e.r != 0) subtracted_term(sheet_, e.r);
                if (e.B != 0) sheet_.my_textout(x_term(e.B));
                sheet_.set_font_colour(Qt::black);
            };
            left_side();
            red_terms();
            sheet_.my_textout(kIs);
            right_side();
            red_terms();
            flash(kLongShow);
            break;
        }
        case 3:
            line(kLine);
            coefficient(sheet_, e.a);
            sheet_.my_textout(QStringLiteral("x"));
            in_de_macht1(sheet_, 2);
            if (e.b != 0) sheet_.my_textout(x_term(e.b));
            if (e.u * e.v != 0) added_term(sheet_, static_cast<long long>(e.a) * e.u * e.v);
            sheet_.my_textout(kIsZero);
            if (e.a == 1) next_step(6);
            break;
        case 4:
            if (e.a == 1) {
                step = 6;
                card_step = 6;
                perform(6);
                return;
            }
            show_at(200, 400);
            break;
        case 5:
            e.b = -e.u - e.v;
            e.c = e.u * e.v;
            line(kLine);
            sheet_.my_textout(QStringLiteral("x"));
            in_de_macht1(sheet_, 2);
            if (e.b != 0) {
                sheet_.my_textout((e.b < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) +
                                  number_text(std::abs(e.b)) + QStringLiteral("x"));
            } else {
                sheet_.my_textout(QStringLiteral(" ( + 0x )"));
            }
            if (e.c != 0) added_term(sheet_, e.c);
            sheet_.my_textout(kIsZero);
            flash();
            break;
        case 6:
            show_at(280, 10);
            if (e.c == 0) next_step(100);
            break;
        case 7:
            show_rijtje_bij(e.c);
            hide_card();
            break;
        case 8:
            line(kLine);
            sheet_.my_textout(QStringLiteral("( x") + subtracted_term_text(e.v) +
                              QStringLiteral(" )( x") + subtracted_term_text(e.u) +
                              QStringLiteral(" )") + kIsZero);
            break;
        case 9: {
            line(kLine);
            QString t = QStringLiteral("x") + subtracted_term_text(e.v) + kIsZero + kFourBlanks;
            if (e.u != e.v)
                t += msg(kOr) + kFourBlanks + QStringLiteral("x") + subtracted_term_text(e.u) +
                     kIsZero;
            sheet_.my_textout(t);
            break;
        }
        case 10: {
            line(kLine);
            QString t = QStringLiteral("x = ") + number_text(e.v);
            if (e.u != e.v)
                t += kFourBlanks + msg(kOr) + kFourBlanks + QStringLiteral("x = ") +
                     number_text(e.u);
            sheet_.my_textout(t);
            end_exercise();
            break;
        }
        case 100:
            explainer_.hide();
            line(kLine);
            sheet_.my_textout(QStringLiteral("x ( x") + added_term_text(e.b) +
                              QStringLiteral(" )") + kIsZero);
            break;
        case 101:
            line(kLine);
            sheet_.my_textout(QStringLiteral("x = 0") + kFourBlanks + msg(kOr) + kFourBlanks +
                              QStringLiteral("x = ") + number_text(-e.b));
            end_exercise();
            break;
        default:
            break;
    }
}

}  // namespace cifrala
