#include "practice/multitopic/topics/chain_rule.h"

#include <cstdlib>

#include "formula/surface.h"
#include "practice/multitopic/formula_writer.h"
#include "practice/multitopic/topics/derivative_hints.h"
#include "practice/multitopic/topics/level_ranges.h"
#include "util/integer_math.h"
#include "util/random.h"

namespace cifrala {

using namespace derivative_hints;

namespace {

// The exponent n, or 1/2 for the square root (n = 0).
Formula exponent_of(int n) {
    return n == 0 ? exponent(Rational{1, 2}) : exponent(rational(n));
}

// (q) with the exponent.
Formula bracket_power(const Polynomial& q, const Formula& power) {
    Formula f = bracketed(polynomial(q));
    f << power_piece(power);
    return f;
}

Formula root_of(const Polynomial& q) {
    Formula f;
    f << root_piece(polynomial(q));
    return f;
}

// The linear factor in front of the logarithm or power: "(Ax+B)·", "Ax·"
// (nothing for 1, "-" for -1) or "B·".
Formula linear_factor(int a, int b) {
    if (a != 0 && b != 0) return bracketed(polynomial({{a, 1}, {b, 0}})) << kDot;
    if (a != 0) return formula(coefficient_text(a) + QStringLiteral("x") + kDot);
    return formula(coefficient_text(b) + (std::abs(b) == 1 ? QString() : kDot));
}

// A number as the first factor of a product: nothing for 1, "-" for -1,
// else the number and "·".
QString leading_factor(int c) {
    if (c == 1 || c == -1) return coefficient_text(c);
    return int_text(c) + kDot;
}

// The logarithm of base n (ln for 0) of Cx + D.
Formula logarithm(int n, const Polynomial& inner) {
    Formula f;
    if (n == 0) {
        f << QStringLiteral("ln");
    } else {
        f << power_piece(formula(int_text(n))) << QStringLiteral("log");
    }
    f << bracketed(polynomial(inner));
    return f;
}

// The power of base n (e for 0) with the exponent Cx + D.
Formula exponential(int n, const Polynomial& inner) {
    Formula f = formula(n == 0 ? QStringLiteral("e") : int_text(n));
    f << power_piece(polynomial(inner));
    return f;
}

}  // namespace

ChainExercise generate_chain(int category, int level) {
    const int limit = level_limit(level);
    ChainExercise e;
    e.category = category;
    switch (random(3)) {
        case 0:
            e.n = draw_between(-5, -2);
            break;
        case 1:
            e.n = draw_between(3, 7);
            break;
        default:
            e.n = 0;
    }
    do {
        e.A = draw_signed(limit);
        e.B = draw_signed_or_zero(limit);
        e.C = draw_signed_or_zero(limit);
    } while ((e.B == 0 && e.C == 0) || e.B * e.B - 4 * e.A * e.C < 1);
    if (category == 3 || category == 4) {
        if (level == 0) {
            e.n = 0;
        } else if (level == 1) {
            e.n = category == 4 ? 100 : 2;
        } else {
            e.n = category == 4 ? int_power(10, draw_between(1, 3)) : draw_between(2, 6);
        }
        e.C = draw_signed(limit);
    }
    if (category == 5) {
        e.n = draw_between(0, 2);
        if (e.B == 0) e.B = draw_between(2, 21);
    }
    e.D = draw_between(2, 11) * (random(2) == 1 ? -1 : 1);
    return e;
}

void ChainRuleWorker::generate(const TopicChoices& choices) {
    start(generate_chain(choices.category, choices.level));
}

void ChainRuleWorker::start(const ChainExercise& e) {
    exercise = e;
    step = 0;
    finished = false;
}

// Every line of the worked solution starts 1.5 line units below the last.
void ChainRuleWorker::write(const QString& lead, const Formula& f) {
    const Formula line = formula(lead, f);
    FormulaWriter w(sheet());
    if (step > 0) w.newline(1.5, line);
    w.write_fitting(line);
}

void ChainRuleWorker::write_on_same_line(const QString& lead, const Formula& f) {
    const Formula same = formula(QStringLiteral(" = "), f);
    FormulaWriter w(sheet());
    if (w.fits(same)) {
        w.write(same);
    } else {
        write(lead, f);
    }
}

void ChainRuleWorker::show_step() {
    switch (exercise.category) {
        case 1:
        case 2:
            power_steps();
            return;
        case 3:
            logarithm_steps();
            return;
        case 4:
            exponential_steps();
            return;
        default:
            sinusoid_steps();
            return;
    }
}

// Categories 1 and 2: (q)^n, the root of q, or 1 over (q)^-n; in category 2
// multiplied by x.
void ChainRuleWorker::power_steps() {
    const ChainExercise& e = exercise;
    const Polynomial q = e.quadratic();
    const bool times_x = e.category == 2;
    const QString x = times_x ? QStringLiteral("x") + kDot : QString();
    // With a positive exponent there is nothing to rewrite: the chain rule
    // follows at once.
    if (step == 1 && e.n > 0) step = 2;
    switch (step) {
        case 0: {
            Formula f = formula(x);
            if (e.n > 0) {
                f << bracket_power(q, exponent_of(e.n));
            } else if (e.n == 0) {
                f << root_of(q);
            } else {
                f << fraction_piece(formula(QStringLiteral("1")),
                                    bracket_power(q, exponent_of(-e.n)));
            }
            write(kFunctionLead, f);
            host().hint(e.n > 0 ? kApplyChainRule : kWhichRule);
            return;
        }
        case 1:
            write(kFunctionLead, formula(x, bracket_power(q, exponent_of(e.n))));
            host().hint(kApplyChainRule);
            return;
        case 2: {
            Formula f = formula(x);
            if (e.n == 0) {
                f << number(Rational{1, 2}) << kDot;
            } else if (times_x) {
                f << number_factor(rational(e.n)) << kDot;
            } else {
                f << int_text(e.n) << kDot;
            }
            f << bracket_power(q, e.n == 0 ? exponent(Rational{-1, 2}) : exponent_of(e.n - 1));
            f << kDot << factor(e.quadratic_derivative(), true);
            if (times_x) {
                f << QStringLiteral(" + ")
                  << (e.n == 0 ? root_of(q) : bracket_power(q, exponent_of(e.n)));
            }
            write(kDerivativeLead, f);
            if (e.n < 0) {
                host().hint(kNegativePowerAsFraction);
            } else if (e.n == 0) {
                host().hint(kPowerAsRoot);
            } else if (times_x) {
                host().hint(kCommonFactor);
            } else {
                finish(kDone);
            }
            return;
        }
        case 3:
            if (!times_x) {
                // The power written back as a fraction.
                const Polynomial top = e.n == 0 ? e.quadratic_derivative()
                                                : Polynomial{{2 * e.A * e.n, 1}, {e.B * e.n, 0}};
                Formula bottom = e.n == 0 ? formula(QStringLiteral("2"), root_of(q))
                                          : bracket_power(q, exponent_of(1 - e.n));
                Formula f;
                f << fraction_piece(polynomial(top), bottom);
                write(kDerivativeLead, f);
                finish(kDone);
                return;
            }
            [[fallthrough]];
        default:
            power_times_x_steps(e.n < 0, e.n == 0);
            return;
    }
}

// Category 2 from step 3 on: the two terms brought together.
void ChainRuleWorker::power_times_x_steps(bool negative, bool root) {
    const ChainExercise& e = exercise;
    const Polynomial q = e.quadratic();
    const int A = e.A, B = e.B, C = e.C, n = e.n;
    if (!negative && !root) {
        // (q)^(n-1) taken out: (q)^(n-1)(n x (2Ax + B) + q).
        Formula f = bracket_power(q, exponent_of(n - 1));
        f << kDot << QStringLiteral("(");
        switch (step) {
            case 3:
                f << coefficient_text(n) << QStringLiteral("x") << kDot
                  << factor(e.quadratic_derivative()) << plus_factor(q);
                f << QStringLiteral(")");
                write(kDerivativeLead, f);
                host().hint(kExpandBrackets);
                return;
            case 4:
                f << polynomial({{2 * n * A, 2}, {n * B, 1}, {A, 2}, {B, 1}, {C, 0}})
                  << QStringLiteral(")");
                write(kDerivativeLead, f);
                host().hint(kCollectTerms);
                return;
            default:
                f << polynomial({{(2 * n + 1) * A, 2}, {(n + 1) * B, 1}, {C, 0}})
                  << QStringLiteral(")");
                write_on_same_line(kDerivativeLead, f);
                finish(kDone);
                return;
        }
    }
    // Over the common denominator (q)^(1-n), or 2 times the root of q.
    const Formula bottom =
        root ? formula(QStringLiteral("2"), root_of(q)) : bracket_power(q, exponent_of(1 - n));
    const int k = root ? 1 : n;  // the factor in front of x (2Ax + B)
    const Polynomial first{{2 * k * A, 2}, {k * B, 1}};
    Formula f;
    switch (step) {
        case 3:
            f << fraction_piece(polynomial(first), bottom) << QStringLiteral(" + ");
            if (root) {
                f << root_of(q);
            } else {
                f << fraction_piece(formula(QStringLiteral("1")),
                                    bracket_power(q, exponent_of(-n)));
            }
            write(kDerivativeLead, f);
            host().hint(kCommonDenominator);
            return;
        case 4: {
            const int m = root ? 2 : 1;
            f << fraction_piece(polynomial(first), bottom) << QStringLiteral(" + ")
              << fraction_piece(polynomial({{m * A, 2}, {m * B, 1}, {m * C, 0}}), bottom);
            write(kDerivativeLead, f);
            host().hint(kAddNumerators);
            return;
        }
        case 5: {
            const int m = root ? 2 : 1;
            f << fraction_piece(
                polynomial({{2 * k * A, 2}, {k * B, 1}, {m * A, 2}, {m * B, 1}, {m * C, 0}}),
                bottom);
            write(kDerivativeLead, f);
            host().hint(kCollectNumerator);
            return;
        }
        default: {
            const int m = root ? 2 : 1;
            f << fraction_piece(polynomial({{(2 * k + m) * A, 2}, {(k + m) * B, 1}, {m * C, 0}}),
                                bottom);
            write_on_same_line(kDerivativeLead, f);
            finish(kDone);
            return;
        }
    }
}

// Category 3: (Ax + B) times the logarithm of Cx + D.
void ChainRuleWorker::logarithm_steps() {
    const ChainExercise& e = exercise;
    const Polynomial inner = e.inner_line();
    Formula bottom = e.n == 0 ? polynomial(inner) : bracketed(polynomial(inner));
    if (e.n != 0) bottom << kDot << QStringLiteral("ln(") << int_text(e.n) << QStringLiteral(")");
    // A times the logarithm: the derivative of the linear factor.
    Formula first = formula(leading_factor(e.A), logarithm(e.n, inner));
    const int g = e.A != 0 && e.B != 0 ? gcd(e.A, e.B) : 1;
    switch (step) {
        case 0:
            write(kFunctionLead, linear_factor(e.A, e.B) << logarithm(e.n, inner));
            host().hint(kProductAndChainRule);
            return;
        case 1: {
            Formula f = first;
            f << plus_factor(e.linear_factor()) << kDot
              << fraction_piece(formula(QStringLiteral("1")), bottom) << kDot
              << number_factor(rational(e.C));
            write(kDerivativeLead, f);
            host().hint(kSimplify);
            return;
        }
        case 2: {
            Formula f = first;
            f << QStringLiteral(" + ")
              << fraction_piece(polynomial({{e.C * e.A, 1}, {e.C * e.B, 0}}), bottom);
            write(kDerivativeLead, f);
            if (g > 1) {
                host().hint(kSimplifyFraction);
            } else {
                finish(kDone);
            }
            return;
        }
        default: {
            // The common factor of the numerator taken out, with the sign
            // of its first term.
            const int k = (e.C * e.A < 0 ? -1 : 1) * std::abs(e.C) * g;
            Formula top = formula(coefficient_text(k));
            top << bracketed(polynomial({{e.C * e.A / k, 1}, {e.C * e.B / k, 0}}));
            Formula f = first;
            f << QStringLiteral(" + ") << fraction_piece(top, bottom);
            write(kDerivativeLead, f);
            finish(kDone);
            return;
        }
    }
}

// Category 4: (Ax + B) times the power of Cx + D.
void ChainRuleWorker::exponential_steps() {
    const ChainExercise& e = exercise;
    const Formula power = exponential(e.n, e.inner_line());
    const QString ln_base =
        e.n == 0 ? QString() : kDot + QStringLiteral("ln(") + int_text(e.n) + QStringLiteral(")");
    switch (step) {
        case 0:
            write(kFunctionLead, linear_factor(e.A, e.B) << power);
            host().hint(kProductAndChainRule);
            return;
        case 1: {
            Formula f;
            if (e.A != 0) {
                f << leading_factor(e.A) << power << plus_factor(e.linear_factor());
            } else {
                f << int_text(e.B);
            }
            f << kDot << power << kDot << number_factor(rational(e.C)) << ln_base;
            write(kDerivativeLead, f);
            host().hint(e.A != 0 ? kExponentialOutside : kMultiplyCoefficients);
            return;
        }
        case 2:
            if (e.A != 0) {
                Formula f = power;
                f << kDot << QStringLiteral("(") << int_text(e.A) << plus_factor(e.linear_factor())
                  << kDot << number_factor(rational(e.C)) << ln_base << QStringLiteral(")");
                write(kDerivativeLead, f);
                host().hint(kCollectBracket);
                return;
            }
            {
                Formula f = power;
                f << kDot << number_factor(rational(e.B * e.C)) << ln_base;
                write(kDerivativeLead, f);
                finish(kDone);
                return;
            }
        default: {
            Formula f = power;
            f << kDot << QStringLiteral("(");
            if (e.n == 0) {
                f << polynomial({{e.C * e.A, 1}, {e.A + e.C * e.B, 0}});
            } else {
                f << int_text(e.A) << QStringLiteral(" + ")
                  << bracketed(polynomial({{e.C * e.A, 1}, {e.C * e.B, 0}})) << ln_base;
            }
            f << QStringLiteral(")");
            write(kDerivativeLead, f);
            finish(kDone);
            return;
        }
    }
}

// Category 5: A sin(Bx + C) + D, with the cosine or the tangent.
void ChainRuleWorker::sinusoid_steps() {
    const ChainExercise& e = exercise;
    // "(2x + 1)": the sign of C between blanks.
    QString inside = coefficient_text(e.B) + QStringLiteral("x");
    if (e.C != 0)
        inside +=
            (e.C < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + int_text(std::abs(e.C));
    const Formula argument = bracketed(formula(inside));
    static const QString names[3] = {QStringLiteral("sin"), QStringLiteral("cos"),
                                     QStringLiteral("tan")};
    const int kind = e.n < 0 || e.n > 2 ? 0 : e.n;
    // 1 over cos^2 of the argument.
    const auto tangent_derivative = [&](const QString& top) {
        Formula bottom = formula(QStringLiteral("cos"));
        bottom << power_piece(formula(QStringLiteral("2"))) << argument;
        Formula f;
        f << fraction_piece(formula(top), bottom);
        return f;
    };
    switch (step) {
        case 0: {
            Formula f = formula(leading_factor(e.A) + names[kind], argument);
            f << (e.D < 0 ? QStringLiteral(" - ") : QStringLiteral(" + "))
              << int_text(std::abs(e.D));
            write(kFunctionLead, f);
            host().hint(kProductAndChainRule);
            return;
        }
        case 1: {
            Formula f = formula(leading_factor(e.A));
            f << number_factor(rational(e.B)) << kDot;
            if (kind == 0) {
                f << QStringLiteral("cos") << argument;
            } else if (kind == 1) {
                f << QStringLiteral("(-sin") << argument << QStringLiteral(")");
            } else {
                f << tangent_derivative(QStringLiteral("1"));
            }
            write(kDerivativeLead, f);
            host().hint(kWorkOutProducts);
            return;
        }
        default: {
            const int k = e.A * e.B;
            Formula f;
            if (kind == 0) {
                f << coefficient_text(k) << QStringLiteral("cos") << argument;
            } else if (kind == 1) {
                f << coefficient_text(-k) << QStringLiteral("sin") << argument;
            } else {
                f << (k < 0 ? QStringLiteral("-") : QString())
                  << tangent_derivative(int_text(std::abs(k)));
            }
            write(kDerivativeLead, f);
            finish(kDone);
            return;
        }
    }
}

}  // namespace cifrala
