#include "practice/roots/equations/root_equation.h"

#include <cstdlib>
#include <numeric>

#include "formula/surface.h"
#include "practice/common/step_sequence.h"
#include "practice/roots/equations/equation_draws.h"
#include "practice/roots/equations/equation_writing.h"

namespace cifrala {

using namespace equation_messages;

namespace {

constexpr double kLine = 1.4;
constexpr int kPause = 1000;
constexpr int kBeforeRoot = 5;

}  // namespace

RootEquation generate_root_equation(int level) {
    const int L = level_limit(level);
    RootEquation e;
    e.p = signed_draw(random(L));
    e.m = signed_draw(random(L));
    e.r = signed_draw(random(L));
    e.q = signed_draw(1 + random(L));
    return e;
}

RootWorker::RootWorker(StepHost& host, EquationExplainer& explainer)
    : EquationWorker(host, explainer, true) {}

void RootWorker::new_exercise(int level) {
    begin(generate_root_equation(level));
}

QString RootWorker::root_text() const {
    return e.m != 0 ? QStringLiteral("x") + added_term_text(e.m) : QStringLiteral("x");
}

void RootWorker::root() {
    sheet_.cursor.x += kBeforeRoot;
    eenvoudigtxt(sheet_, root_text());
}

void RootWorker::begin(const RootEquation& equation) {
    e = equation;
    step = 0;
    card_step = 0;
    finished = false;
    sheet_.clearimage();
    line(0.4);
    if (e.p != 0) {
        sheet_.my_textout(number_text(e.p) +
                          (e.q < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")));
    } else if (e.q < 0) {
        sheet_.my_textout(QStringLiteral(" -"));
    }
    if (std::abs(e.q) != 1) sheet_.my_textout(number_text(std::abs(e.q)));
    root();
    sheet_.my_textout(kIs + number_text(e.r));
    // Without p the root stands alone at once; with q = 1 as well there is
    // nothing to divide either.
    if (e.p == 0) step = e.q == 1 ? 5 : 3;
    card_step = step;
    place_after_exercise();
}

QVariantMap RootWorker::card_values() const {
    return {{QStringLiteral("step"), card_step},
            {QStringLiteral("p"), e.p},
            {QStringLiteral("q"), e.q},
            {QStringLiteral("m"), e.m},
            {QStringLiteral("r"), e.r}};
}

void RootWorker::perform(int n) {
    const long long right = static_cast<long long>(e.r) - e.p;
    switch (n) {
        case 0:
            show_at(50, 400);
            break;
        case 1: {
            line(kLine);
            sheet_.my_textout(number_text(e.p));
            sheet_.set_font_colour(Qt::red);
            subtracted_term(sheet_, e.p);
            sheet_.set_font_colour(Qt::black);
            sheet_.my_textout(e.q < 0 ? QStringLiteral(" - ") : QStringLiteral(" + "));
            if (std::abs(e.q) != 1) sheet_.my_textout(number_text(std::abs(e.q)));
            root();
            sheet_.my_textout(kIs + number_text(e.r));
            sheet_.set_font_colour(Qt::red);
            subtracted_term(sheet_, e.p);
            sheet_.set_font_colour(Qt::black);
            flash();
            break;
        }
        case 2:
            line(kLine);
            if (e.q < 0) sheet_.my_textout(QStringLiteral(" -"));
            if (std::abs(e.q) != 1) sheet_.my_textout(number_text(std::abs(e.q)));
            root();
            sheet_.my_textout(kIs + number_text(right));
            if (e.q == 1) next_step(5);
            break;
        case 3:
            show_at(180, 400);
            break;
        case 4:
            line(kLine);
            root();
            sheet_.my_textout(kIs);
            signed_fraction(sheet_, right, e.q, false, false);
            flash();
            if (right != 0 && std::gcd(right, static_cast<long long>(e.q)) >= 2) {
                seq_.then([this, right] {
                    sheet_.my_textout(kIs);
                    signed_fraction(sheet_, right, e.q, false, true);
                });
            }
            break;
        case 5:
            show_at(270, 400);
            break;
        case 6:
            reshow();
            break;
        case 7: {
            line(kLine);
            const long long q = e.q;
            if (right * q < 0) {
                message_line(sheet_, kRootNotNegative);
                line(1.0);
                message_line(sheet_, kNoSolutionRoot);
                after(kPause, [this] { explainer_.hide(); });
                seq_.pause(kPause);
                end_exercise();
                break;
            }
            sheet_.my_textout(root_text() + kIs);
            signed_fraction(sheet_, right * right, q * q, false, true);
            flash();
            if (std::abs(e.q) < std::llabs(right) && std::llabs(right) % std::abs(e.q) != 0) {
                seq_.then([this, right, q] {
                    sheet_.my_textout(kIs);
                    signed_fraction(sheet_, right * right, q * q, true, true);
                });
            }
            if (e.m == 0) {
                seq_.pause(kPause);
                end_exercise();
            }
            break;
        }
        case 8: {
            line(kLine);
            const long long q2 = static_cast<long long>(e.q) * e.q;
            sheet_.my_textout(QStringLiteral("x = "));
            signed_fraction(sheet_, right * right, q2, true, true);
            subtracted_term(sheet_, e.m);
            after(kPause, [this, right, q2] {
                sheet_.my_textout(kIs);
                signed_fraction(sheet_, right * right - q2 * e.m, q2, true, true);
            });
            end_exercise();
            break;
        }
        default:
            break;
    }
}

}  // namespace cifrala
