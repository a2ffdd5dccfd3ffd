#include "practice/roots/equations/fraction_equation.h"

#include <cstdlib>
#include <numeric>

#include "formula/surface.h"
#include "practice/common/step_sequence.h"
#include "practice/roots/equations/equation_draws.h"
#include "practice/roots/equations/equation_writing.h"
#include "text/messages.h"

namespace cifrala {

using namespace equation_messages;

namespace {

constexpr double kLine = 1.4;
constexpr int kPause = 1000;

}  // namespace

FractionEquation fraction_equation_with_roots(int p, int r, int s) {
    FractionEquation e;
    e.kind = 1;
    e.p = p;
    e.r = r;
    e.s = s;
    e.q = p * (-r - s);
    e.m = p * r * s;
    return e;
}

FractionEquation generate_fraction_equation(int level) {
    const int L = level_limit(level);
    if (random(2) == 0) {
        const int r = signed_draw(1 + random(L));
        const int s = signed_draw(1 + random(L));
        const int p = signed_draw(1 + random(L));
        return fraction_equation_with_roots(p, r, s);
    }
    // The second kind is always the one equation -2 - 6/x = 3; the worker
    // takes any p + q/(m·x + r) = s with s ≠ p (the tests give others).
    FractionEquation e;
    e.kind = 2;
    e.p = -2;
    e.q = -6;
    e.m = 1;
    e.r = 0;
    e.s = 3;
    return e;
}

FractionWorker::FractionWorker(StepHost& host, EquationExplainer& explainer)
    : EquationWorker(host, explainer, false) {}

void FractionWorker::new_exercise(int level) {
    begin(generate_fraction_equation(level));
}

QString FractionWorker::denominator_text() const {
    QString t = coefficient_text(e.m) + QStringLiteral("x");
    if (e.r != 0) t += added_term_text(e.r);
    return t;
}

void FractionWorker::begin(const FractionEquation& equation) {
    e = equation;
    counts_before_ = e.kind == 2;
    step = 0;
    card_step = e.kind == 1 ? 1 : 0;
    finished = false;
    reduced_top = 0;
    reduced_bottom = 1;
    sheet_.clearimage();
    line(0.4);
    if (e.kind == 1) {
        coefficient(sheet_, e.p);
        sheet_.my_textout(QStringLiteral("x"));
        if (e.q != 0) added_term(sheet_, e.q);
        sheet_.my_textout(e.m < 0 ? QStringLiteral(" - ") : QStringLiteral(" + "));
        sheet_.breuktxt(number_text(std::abs(e.m)), QStringLiteral("x"));
        sheet_.my_textout(kIsZero);
    } else {
        sheet_.my_textout(number_text(e.p) +
                          (e.q < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")));
        sheet_.breuktxt(number_text(std::abs(e.q)), denominator_text());
        sheet_.my_textout(kIs + number_text(e.s));
    }
    place_after_exercise();
}

QVariantMap FractionWorker::card_values() const {
    return {{QStringLiteral("step"), card_step},
            {QStringLiteral("kind"), e.kind},
            {QStringLiteral("p"), e.p},
            {QStringLiteral("q"), e.q},
            {QStringLiteral("m"), e.m},
            {QStringLiteral("r"), e.r},
            {QStringLiteral("s"), e.s},
            {QStringLiteral("top"), reduced_top},
            {QStringLiteral("bottom"), reduced_bottom}};
}

void FractionWorker::perform(int n) {
    if (e.kind == 1) {
        first_kind(n);
    } else {
        second_kind(n);
    }
}

void FractionWorker::first_kind(int n) {
    switch (n) {
        case 1:
            show_at(50, 400);
            break;
        case 2:
        case 4:
        case 6:
        case 7:
            reshow();
            break;
        case 3:
            explainer_.hide();
            line(kLine);
            coefficient(sheet_, e.p);
            sheet_.my_textout(QStringLiteral("x"));
            in_de_macht1(sheet_, 2);
            if (e.q != 0) {
                sheet_.my_textout(e.q < 0 ? QStringLiteral(" - ") : QStringLiteral(" + "));
                if (std::abs(e.q) > 1) sheet_.my_textout(number_text(std::abs(e.q)));
                sheet_.my_textout(QStringLiteral("x"));
            }
            added_term(sheet_, e.m);
            sheet_.my_textout(kIsZero);
            if (e.p == 1) next_step(6);
            break;
        case 5: {
            explainer_.hide();
            line(kLine);
            const int b = e.q / e.p;
            const int c = e.m / e.p;
            sheet_.my_textout(QStringLiteral("x"));
            in_de_macht1(sheet_, 2);
            if (b != 0) {
                sheet_.my_textout(b < 0 ? QStringLiteral(" - ") : QStringLiteral(" + "));
                if (std::abs(b) > 1) sheet_.my_textout(number_text(std::abs(b)));
                sheet_.my_textout(QStringLiteral("x"));
            }
            added_term(sheet_, c);
            sheet_.my_textout(kIsZero);
            break;
        }
        case 8:
            line(kLine);
            sheet_.my_textout(QStringLiteral("(x") + subtracted_term_text(e.r) +
                              QStringLiteral(")(x") + subtracted_term_text(e.s) +
                              QStringLiteral(")") + kIsZero);
            break;
        case 9:
            explainer_.hide();
            line(kLine);
            sheet_.my_textout(QStringLiteral("x") + subtracted_term_text(e.r) + kIsZero +
                              kFourBlanks + msg(kOr) + kFourBlanks + QStringLiteral("x") +
                              subtracted_term_text(e.s) + kIsZero);
            break;
        case 10:
            line(kLine);
            sheet_.my_textout(QStringLiteral("x = ") + number_text(e.r) + kFourBlanks + msg(kOr) +
                              kFourBlanks + QStringLiteral("x = ") + number_text(e.s));
            end_exercise();
            break;
        default:
            break;
    }
}

void FractionWorker::second_kind(int n) {
    const long long right = static_cast<long long>(e.s) - e.p;
    switch (n) {
        case 0:
            show_at(50, 350);
            break;
        case 1:
        case 3:
            reshow();
            break;
        case 2:
            line(kLine);
            sheet_.breuktxt(number_text(std::abs(e.q)), denominator_text());
            sheet_.my_textout(kIs + number_text(e.q < 0 ? -right : right));
            flash();
            break;
        case 4: {
            const long long g = std::gcd(static_cast<long long>(e.q), right);
            reduced_top = static_cast<int>(e.q / g);
            reduced_bottom = static_cast<int>(right / g);
            reshow();
            break;
        }
        case 5: {
            line(kLine);
            sheet_.my_textout(denominator_text() + kIs);
            signed_fraction(sheet_, e.q, right, false, false);
            const long long top = e.q - right * e.r;
            const long long bottom = right * e.m;
            if (e.r == 0 && e.m == 1) {
                // x alone already: the value, reduced and as a mixed number.
                after(kPause, [this, top, bottom] {
                    sheet_.my_textout(kIs);
                    signed_fraction(sheet_, top, bottom, true, true);
                });
                end_exercise();
            } else if (std::gcd(static_cast<long long>(e.q), right) > 1) {
                after(kPause, [this, right] {
                    sheet_.my_textout(kIs);
                    signed_fraction(sheet_, e.q, right, true, true);
                });
            }
            break;
        }
        case 6: {
            // x + r = q/(s - p): r to the other side.
            line(kLine);
            sheet_.my_textout(QStringLiteral("x = "));
            signed_fraction(sheet_, e.q, right, true, true);
            subtracted_term(sheet_, e.r);
            const long long top = e.q - right * e.r;
            after(kPause, [this, top, right] {
                sheet_.my_textout(kIs);
                signed_fraction(sheet_, top, right, true, true);
            });
            end_exercise();
            break;
        }
        default:
            break;
    }
}

}  // namespace cifrala
