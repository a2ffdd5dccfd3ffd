#include "practice/multitopic/topics/power_rule.h"

#include "formula/surface.h"
#include "practice/multitopic/formula_writer.h"
#include "practice/multitopic/topics/derivative_hints.h"
#include "practice/multitopic/topics/level_ranges.h"
#include "util/integer_math.h"
#include "util/random.h"

namespace cifrala {

using namespace derivative_hints;

namespace {

// A numerator in 2..b+1 over 1 (on a draw) or a denominator in 2..a+1
// coprime with it.
Rational draw_fraction(int a, int b) {
    const int top = draw_between(2, b + 1);
    int bottom = 1;
    if (random(2) != 1) {
        do {
            bottom = draw_between(2, a + 1);
        } while (gcd(top, bottom) != 1);
    }
    return rational(top, bottom);
}

// ci/di, negative on a draw from {0, 1}.
Rational draw_coefficient(int a, int b) {
    const Rational c = draw_fraction(a, b);
    return random(2) == 1 ? Rational{-c.p, c.q} : c;
}

// ni/mi, negative when a draw from {0, 1, 2} is below 2.
Rational draw_exponent(int a, int b) {
    const Rational n = draw_fraction(a, b);
    return random(3) < 2 ? Rational{-n.p, n.q} : n;
}

bool used_before(const std::array<PowerTerm, 3>& terms, int count, const Rational& exponent) {
    for (int j = 0; j < count; ++j)
        if (terms[j].exponent == exponent) return true;
    return false;
}

// k/1 with k in 1..b on a draw, otherwise 2/3, 1/2 or 1/3.
Rational draw_quotient_exponent(int b) {
    if (random(2) == 1) return rational(draw_between(1, b));
    if (random(2) == 1) return rational(2, 3);
    return random(2) == 1 ? rational(1, 2) : rational(1, 3);
}

int draw_signed_between(int lo, int hi) {
    const int n = draw_between(lo, hi);
    return random(2) == 1 ? -n : n;
}

void make_quotient(PowerRuleExercise& e, int b) {
    e.quotient = true;
    e.divisor_coefficient = draw_signed_between(2, b + 1);
    const int c1 = draw_signed_between(2, b + 1);
    const int c3 = draw_signed_between(2, b + 1);
    int c2 = 0;
    do {
        c2 = draw_signed_between(2, b + 1);
    } while (c2 == c1);
    e.divisor_exponent = random(2) == 1 ? rational(draw_between(1, b)) : rational(1, 2);
    const int c[3] = {c1, c2, c3};
    for (int i = 0; i < 3; ++i) {
        Rational r = draw_quotient_exponent(b);
        while (used_before(e.terms, i, r))
            r = draw_quotient_exponent(b);
        e.terms[i] = {rational(c[i]), r};
    }
}

// A term in power notation without its sign: |c| (left out when 1) and x
// with its exponent; a constant alone.
Formula power_notation(const PowerTerm& t) {
    Formula f;
    const Rational c = t.coefficient.abs();
    if (t.exponent.p == 0) return number(c);
    if (!(c == Rational{1, 1})) f << number(c);
    f << x_power(t.exponent);
    return f;
}

// A term in school notation without its sign: a negative exponent as a
// fraction with x (in root notation) in the denominator.
Formula school_notation(const PowerTerm& t) {
    const Rational c = t.coefficient.abs();
    if (t.exponent.p == 0) return number(c);
    Formula f;
    if (t.exponent.negative()) {
        Formula bottom;
        if (c.q != 1) bottom << int_text(c.q);
        bottom << x_root(t.exponent.abs());
        f << fraction_piece(formula(int_text(c.p)), bottom);
        return f;
    }
    if (!(c == Rational{1, 1})) f << number(c);
    f << x_root(t.exponent);
    return f;
}

template <typename Write>
Formula joined(const std::array<PowerTerm, 3>& terms, Write write_term) {
    Formula f;
    bool first = true;
    for (const PowerTerm& t : terms) {
        if (t.coefficient.p == 0) continue;
        f << joining_sign(t.coefficient.negative(), first) << write_term(t);
        first = false;
    }
    if (first) f << QStringLiteral("0");
    return f;
}

// The three numerator terms of the quotient with their whole coefficients.
Formula numerator_terms(const std::array<PowerTerm, 3>& terms, bool roots) {
    return joined(terms, [roots](const PowerTerm& t) {
        return roots ? school_notation(t) : power_notation(t);
    });
}

}  // namespace

PowerRuleExercise generate_power_rule(int level) {
    PowerRuleExercise e;
    const int b = level == 0 ? 3 : 6;
    const int a = level == 0 ? 5 : 10;
    for (int i = 0; i < 3; ++i) {
        e.terms[i].coefficient = draw_coefficient(a, b);
        Rational n = draw_exponent(a, b);
        while (used_before(e.terms, i, n))
            n = draw_exponent(a, b);
        e.terms[i].exponent = n;
    }
    if (level == 2 && random(3) == 1) make_quotient(e, b);
    return e;
}

void PowerRuleWorker::generate(const TopicChoices& choices) {
    start(generate_power_rule(choices.level));
}

void PowerRuleWorker::start(const PowerRuleExercise& e) {
    exercise = e;
    terms = e.terms;
    step = e.quotient ? -4 : 0;
    finished = false;
}

void PowerRuleWorker::write(const Formula& f) {
    FormulaWriter(sheet()).write_fitting(f);
}

void PowerRuleWorker::write_on_new_line(const Formula& f) {
    FormulaWriter(sheet()).newline(1, f);
    write(f);
}

void PowerRuleWorker::append(const Formula& same_line, const Formula& new_line) {
    FormulaWriter w(sheet());
    if (w.fits(same_line)) {
        w.write(same_line);
    } else {
        write_on_new_line(new_line);
    }
}

// The numerator's terms over c4 x^(r/s), in root or in power notation.
Formula PowerRuleWorker::quotient_fraction(bool roots) const {
    const PowerTerm divisor{rational(exercise.divisor_coefficient), exercise.divisor_exponent};
    Formula bottom;
    bottom << joining_sign(divisor.coefficient.negative(), true)
           << (roots ? school_notation(divisor) : power_notation(divisor));
    Formula f;
    f << fraction_piece(numerator_terms(exercise.terms, roots), bottom);
    return f;
}

// Each term over the divisor.
Formula PowerRuleWorker::divided_terms() const {
    const PowerTerm divisor{rational(exercise.divisor_coefficient), exercise.divisor_exponent};
    Formula bottom;
    bottom << joining_sign(divisor.coefficient.negative(), true) << power_notation(divisor);
    return joined(exercise.terms, [&](const PowerTerm& t) {
        Formula f;
        f << fraction_piece(power_notation(t), bottom);
        return f;
    });
}

// Each term as ci/c4 x^(ni/mi - r/s).
Formula PowerRuleWorker::subtracted_exponents() const {
    const int c4 = exercise.divisor_coefficient;
    Formula f;
    bool first = true;
    for (const PowerTerm& t : exercise.terms) {
        const bool negative = (t.coefficient.p < 0) != (c4 < 0);
        Formula power;
        power << exponent(t.exponent) << QStringLiteral("-") << exponent(exercise.divisor_exponent);
        f << joining_sign(negative, first)
          << fraction_piece(formula(int_text(std::abs(t.coefficient.p))),
                            formula(int_text(std::abs(c4))))
          << QStringLiteral("x") << power_piece(power);
        first = false;
    }
    return f;
}

// Each term's coefficient, its exponent as a factor and x^(n/m - 1).
Formula PowerRuleWorker::derivative_factors() const {
    Formula f;
    bool first = true;
    for (const PowerTerm& t : terms) {
        if (t.exponent.p == 0 || t.coefficient.p == 0) continue;
        const Rational c = t.coefficient.abs();
        f << joining_sign(t.coefficient.negative(), first);
        if (!(c == Rational{1, 1})) f << number(c) << kDot;
        Formula power;
        power << exponent(t.exponent) << QStringLiteral("-1");
        f << number_factor(t.exponent) << QStringLiteral("x") << power_piece(power);
        first = false;
    }
    if (first) f << QStringLiteral("0");
    return f;
}

void PowerRuleWorker::show_step() {
    const auto all = [this](bool school) {
        return joined(terms, [school](const PowerTerm& t) {
            return school ? school_notation(t) : power_notation(t);
        });
    };
    switch (step) {
        case -4:
            write(formula(kFunctionLead, quotient_fraction(true)));
            host().hint(kWriteAsPowers);
            return;
        case -3:
            append(formula(QStringLiteral(" = "), quotient_fraction(false)),
                   formula(QStringLiteral("= "), quotient_fraction(false)));
            host().hint(kSplitFraction);
            return;
        case -2:
            write_on_new_line(formula(QStringLiteral("= "), divided_terms()));
            host().hint(kWriteAsPowers);
            return;
        case -1: {
            append(formula(QStringLiteral(" = "), subtracted_exponents()),
                   formula(QStringLiteral("= "), subtracted_exponents()));
            const int c4 = exercise.divisor_coefficient;
            for (PowerTerm& t : terms) {
                t.coefficient =
                    rational(t.coefficient.p, static_cast<long long>(c4) * t.coefficient.q);
                t.exponent = t.exponent - exercise.divisor_exponent;
            }
            step = 0;
            host().hint(kWorkOutExponents);
            return;
        }
        case 0:
            write(formula(kFunctionLead, all(true)));
            host().hint(kWriteAsPowers);
            return;
        case 1:
            write_on_new_line(formula(kFunctionLead, all(false)));
            host().hint(kDifferentiateTerms);
            return;
        case 2:
            write_on_new_line(formula(kDerivativeLead, derivative_factors()));
            for (PowerTerm& t : terms) {
                t.coefficient = t.coefficient * t.exponent;
                t.exponent = t.exponent - Rational{1, 1};
                if (t.coefficient.p == 0) t.exponent = Rational{0, 1};
            }
            host().hint(kSimplify);
            return;
        case 3:
            write_on_new_line(formula(kDerivativeLead, all(false)));
            host().hint(kSchoolNotation);
            return;
        case 4:
            write_on_new_line(formula(kDerivativeLead, all(true)));
            finish(kDone);
            return;
        default:
            return;
    }
}

}  // namespace cifrala
