#include "practice/multitopic/topics/two_quadratics.h"

#include "formula/surface.h"
#include "practice/multitopic/formula_writer.h"
#include "practice/multitopic/topics/derivative_hints.h"
#include "practice/multitopic/topics/level_ranges.h"

namespace cifrala {

using namespace derivative_hints;

namespace {

// The twelve products of g'h and gh' (the second six negated for the
// quotient rule), in the order in which they are multiplied out.
Polynomial twelve_products(const TwoQuadratics& q, int sign) {
    const int a = q.a, b = q.b, c = q.c, d = q.d, e = q.e, f = q.f;
    return {{2 * a * d, 3},
            {2 * a * e, 2},
            {2 * a * f, 1},
            {b * d, 2},
            {b * e, 1},
            {b * f, 0},
            {sign * 2 * a * d, 3},
            {sign * a * e, 2},
            {sign * 2 * b * d, 2},
            {sign * b * e, 1},
            {sign * 2 * c * d, 1},
            {sign * c * e, 0}};
}

void write_line(StepHost& host, const Formula& f, double lines) {
    FormulaWriter w(host.surface());
    if (lines > 0) w.newline(lines, f);
    w.write_fitting(f);
}

}  // namespace

TwoQuadratics generate_two_quadratics(int level) {
    const int limit = level_limit(level);
    TwoQuadratics q;
    q.a = draw_signed(limit);
    q.b = draw_signed_or_zero(limit);
    q.c = draw_signed_or_zero(limit);
    q.d = draw_signed(limit);
    q.e = draw_signed_or_zero(limit);
    q.f = draw_signed_or_zero(limit);
    return q;
}

void TwoQuadraticsWorker::generate(const TopicChoices& choices) {
    start(generate_two_quadratics(choices.level));
}

void TwoQuadraticsWorker::start(const TwoQuadratics& e) {
    exercise = e;
    step = 0;
    finished = false;
}

// --- the product rule ---

void ProductRuleWorker::show_step() {
    const TwoQuadratics& q = exercise;
    // The second factor after the first: "(h)" or "·dx^2".
    const auto second = [](const Polynomial& p) {
        return nonzero_terms(p) > 1 ? factor(p) : formula(kDot, factor(p, true));
    };
    switch (step) {
        case 0: {
            Formula f = formula(QStringLiteral("f(x) = "), factor(q.g()));
            f << second(q.h());
            write_line(host(), f, 0);
            host().hint(kApplyProductRule);
            return;
        }
        case 1: {
            Formula f = formula(QStringLiteral("f'(x) = ["), polynomial(q.g()));
            f << QStringLiteral("]' · ") << factor(q.h(), true) << plus_factor(q.g())
              << QStringLiteral(" · [") << polynomial(q.h()) << QStringLiteral("]'");
            write_line(host(), f, 1);
            host().hint(kDifferentiateFactors);
            return;
        }
        case 2: {
            Formula f = formula(QStringLiteral("f'(x)="), factor(q.g_derivative()));
            f << second(q.h()) << plus_factor(q.g()) << second(q.h_derivative());
            write_line(host(), f, 1);
            host().hint(kExpandBrackets);
            return;
        }
        case 3:
            write_line(host(), formula(QStringLiteral("f'(x)="), polynomial(twelve_products(q, 1))),
                       1);
            host().hint(kCollectTerms);
            return;
        case 4: {
            const Polynomial collected{{4 * q.a * q.d, 3},
                                       {3 * q.a * q.e + 3 * q.b * q.d, 2},
                                       {2 * q.a * q.f + 2 * q.c * q.d + 2 * q.b * q.e, 1},
                                       {q.c * q.e + q.b * q.f, 0}};
            write_line(host(), formula(QStringLiteral("f'(x)="), polynomial(collected)), 1);
            finish(kDone);
            return;
        }
        default:
            return;
    }
}

// --- the quotient rule ---

void QuotientRuleWorker::write_over_square(const QString& lead, const Formula& numerator) {
    Formula bottom = bracketed(polynomial(exercise.h()));
    bottom << power_piece(formula(QStringLiteral("2")));
    Formula f = formula(lead);
    f << fraction_piece(numerator, bottom);
    write_line(host(), f, 1.5);
}

void QuotientRuleWorker::show_step() {
    const TwoQuadratics& q = exercise;
    const Formula g = bracketed(polynomial(q.g()));
    const Formula h = bracketed(polynomial(q.h()));
    switch (step) {
        case 0: {
            Formula f = formula(QStringLiteral("f(x) = "));
            f << fraction_piece(polynomial(q.g()), polynomial(q.h()));
            write_line(host(), f, 0);
            host().hint(kWhichRule);
            return;
        }
        case 1: {
            Formula top = formula(QStringLiteral("["), polynomial(q.g()));
            top << QStringLiteral("]'") << kDot << h << QStringLiteral(" - ") << g
                << QStringLiteral("·[") << polynomial(q.h()) << QStringLiteral("]'");
            write_over_square(QStringLiteral("f'(x)= "), top);
            host().hint(kDifferentiateNumeratorAndDenominator);
            return;
        }
        case 2: {
            Formula top = bracketed(polynomial(q.g_derivative()));
            top << h << QStringLiteral(" - ") << g << bracketed(polynomial(q.h_derivative()));
            write_over_square(QStringLiteral("f'(x)= "), top);
            host().hint(kExpandBrackets);
            return;
        }
        case 3:
            write_over_square(QStringLiteral("f'(x)= "), polynomial(twelve_products(q, -1)));
            host().hint(kCollectTerms);
            return;
        case 4: {
            const Polynomial collected{{q.a * q.e - q.b * q.d, 2},
                                       {2 * q.a * q.f - 2 * q.c * q.d, 1},
                                       {q.b * q.f - q.c * q.e, 0}};
            if (nonzero_terms(collected) == 0) {
                // g is a multiple of h: the quotient is a constant.
                write_line(host(), formula(QStringLiteral("f'(x)= 0")), 1.5);
            } else {
                write_over_square(QStringLiteral("f'(x)= "), polynomial(collected));
            }
            finish(kDone);
            return;
        }
        default:
            return;
    }
}

}  // namespace cifrala
