#include "practice/quadratic_equations/quadratic_worker.h"

#include <cmath>
#include <cstdlib>

#include "formula/surface.h"
#include "practice/quadratic_equations/factor_pair_panel.h"
#include "practice/quadratic_equations/quadratic_texts.h"
#include "practice/quadratic_equations/quadratic_writing.h"
#include "text/messages.h"

namespace cifrala {

using namespace quadratic_form;
using namespace quadratic_messages;

namespace {

const QString kIs = QStringLiteral(" = ");
const QString kX = QStringLiteral("x = ");
const QString kTwo = QStringLiteral("  ");
const QString kSix = QStringLiteral("      ");
// x and the approximately-equal sign.
const QString kApproximately = QStringLiteral("x ≈ ");
// A line with fractions needs this much more room below it, and above it
// when the line before it has none.
constexpr int kTallLineExtra = 18;
constexpr int kTallLineRoom = 14;

// x = n/d as a real.
double quotient(long long n, long long d) {
    return static_cast<double>(n) / static_cast<double>(d);
}

}  // namespace

QuadraticWorker::QuadraticWorker(StepHost& host) : StepWorker(host) {}

Surface& QuadraticWorker::strip() {
    return host().surface(SurfaceRole::Strip);
}

Surface& QuadraticWorker::panel() {
    return host().surface(SurfaceRole::SidePanel);
}

int QuadraticWorker::first_hint(const QuadraticExercise& e) {
    if (e.form != kStandard) return kProductFirst;
    return e.A == 1 && e.C != 0 ? kProductSumFirst : kStandardFirst;
}

void QuadraticWorker::begin(const QuadraticExercise& e, int hint) {
    exercise = initial = e;
    zero_constant = false;
    second_done = false;
    solution = {};
    step = -1;
    finished = false;
    tall_line_ = previous_tall_ = false;
    sheet().clearimage();
    host().show_control(ControlRole::SecondStep, false);
    host().show_control(ControlRole::SidePanel, false);
    host().show_control(ControlRole::DecimalsGroup, false);
    strip().clearimage();
    write_equation(strip(), exercise);
    host().hint(hint);
    host().show_control(ControlRole::Step, true);
}

void QuadraticWorker::rekenstap() {
    if (finished) return;
    if (step < 0) {
        eerste_denkstap();
    } else {
        tweede_denkstap();
    }
}

void QuadraticWorker::work_again() {
    if (step < 0 && !finished) return;  // nothing worked yet
    exercise.A = exercise.A0;
    exercise.B = exercise.B0;
    exercise.C = exercise.C0;
    if (exercise.generated_form == kProduct) exercise.form = kProduct;
    zero_constant = false;
    second_done = false;
    solution = {};
    finished = false;
    step = -1;
    host().show_control(ControlRole::DecimalsGroup, false);
    host().show_control(ControlRole::SidePanel, false);
    eerste_denkstap();
    if (!finished) tweede_denkstap();
}

// --- writing helpers ---

void QuadraticWorker::next_line(double f) {
    sheet().newline(f);
    if (tall_line_) sheet().cursor.y += kTallLineExtra;
    previous_tall_ = tall_line_;
    tall_line_ = false;
}

void QuadraticWorker::room_above() {
    if (!previous_tall_) sheet().cursor.y += kTallLineRoom;
    previous_tall_ = true;
    tall_line_ = true;
}

void QuadraticWorker::write_or(const QString& before, const QString& after) {
    sheet().my_textout(before + msg(kOr) + after);
}

void QuadraticWorker::show_second_step() {
    step = 1;
    host().show_control(ControlRole::Step, false);
    host().show_control(ControlRole::SecondStep, true);
}

void QuadraticWorker::end(int closing_hint) {
    solution.done = true;
    host().show_control(ControlRole::SecondStep, false);
    finish(closing_hint);
}

// --- the first thinking step ---

void QuadraticWorker::eerste_denkstap() {
    if (finished || step >= 0) return;
    QuadraticExercise& e = exercise;
    sheet().clearimage();
    tall_line_ = previous_tall_ = false;
    switch (e.form) {
        case kProductZero:
            write_linear(sheet(), e.p, e.q);
            sheet().my_textout(QStringLiteral(" = 0"));
            write_or(kTwo, kTwo);
            write_linear(sheet(), e.r, e.s);
            sheet().my_textout(QStringLiteral(" = 0"));
            next_line();
            write_leading_term(sheet(), e.p, 1);
            sheet().my_textout(kIs + int_text(-static_cast<long long>(e.q)));
            write_or(kTwo, kTwo);
            write_leading_term(sheet(), e.r, 1);
            sheet().my_textout(kIs + int_text(-static_cast<long long>(e.s)));
            next_line();
            show_second_step();
            return;
        case kSquare:
            write_linear(sheet(), e.p, e.q);
            sheet().my_textout(kIs + int_text(e.r));
            write_or(kTwo, kTwo);
            write_linear(sheet(), e.p, e.q);
            sheet().my_textout(QStringLiteral(" = -") + int_text(e.r));
            next_line();
            if (std::abs(e.p) != 1) next_line();
            show_second_step();
            return;
        case kProduct: {
            // The expansion term by term, then collected where it has two
            // terms of one kind.
            write_leading_term(sheet(), static_cast<long long>(e.p) * e.r, 2);
            write_further_term(sheet(), static_cast<long long>(e.p) * e.s, 1);
            write_further_term(sheet(), static_cast<long long>(e.q) * e.r, 1);
            write_further_term(sheet(), static_cast<long long>(e.q) * e.s, 0);
            write_further_term(sheet(), -static_cast<long long>(e.t), 0);
            sheet().my_textout(QStringLiteral(" = 0"));
            next_line();
            const bool two_x_terms = e.p * e.s != 0 && e.q * e.r != 0;
            const bool two_constants = e.t != 0 && e.q * e.s != 0;
            expand(e);
            e.A0 = e.A;
            e.B0 = e.B;
            e.C0 = e.C;
            e.form = kStandard;
            if (two_x_terms || two_constants) {
                write_polynomial(sheet(), e.A, e.B, e.C);
                sheet().my_textout(QStringLiteral(" = 0"));
                next_line();
            }
            show_second_step();
            if (common_factor(e.A, e.B, e.C) != 1 || e.C == 0) common_factor_step();
            return;
        }
        default:
            common_factor_step();
            return;
    }
}

void QuadraticWorker::common_factor_step() {
    QuadraticExercise& e = exercise;
    const int g = common_factor(e.A, e.B, e.C);
    if (e.C != 0 && g == 1) {
        tweede_denkstap();
        return;
    }
    if (e.C != 0) {
        sheet().my_textout(g == -1 ? QStringLiteral("-(") : int_text(g) + QStringLiteral("("));
        e.A /= g;
        e.B /= g;
        e.C /= g;
        write_polynomial(sheet(), e.A, e.B, e.C);
        sheet().my_textout(QStringLiteral(") = 0"));
        next_line();
        write_polynomial(sheet(), e.A, e.B, e.C);
        sheet().my_textout(QStringLiteral(" = 0"));
        host().hint(kDivideByFactor);
    } else {
        zero_constant = true;
        if (g == 1) {
            sheet().my_textout(QStringLiteral("x("));
        } else if (g == -1) {
            sheet().my_textout(QStringLiteral("-x("));
        } else {
            sheet().my_textout(int_text(g) + QStringLiteral("x("));
        }
        e.A /= g;
        e.B /= g;
        write_leading_term(sheet(), e.A, 1);
        write_further_term(sheet(), e.B, 0);
        sheet().my_textout(QStringLiteral(") = 0"));
        host().hint(kProductIsZero);
    }
    next_line();
    show_second_step();
}

// --- the second thinking step ---

void QuadraticWorker::tweede_denkstap() {
    if (finished) return;
    switch (exercise.form) {
        case kProductZero:
            solve_product_zero();
            return;
        case kSquare:
            solve_square();
            return;
        default:
            solve_standard();
            return;
    }
}

void QuadraticWorker::solve_product_zero() {
    const QuadraticExercise& e = exercise;
    room_above();
    sheet().my_textout(kX);
    write_root(sheet(), -static_cast<long long>(e.q), e.p);
    write_or(kTwo, QString());
    tall_line_ = true;
    next_line();
    next_line();
    sheet().my_textout(kX);
    write_root(sheet(), -static_cast<long long>(e.s), e.r);
    tall_line_ = true;
    solution.roots = {quotient(-e.q, e.p), quotient(-e.s, e.r)};
    end(kFinished);
}

void QuadraticWorker::solve_square() {
    const QuadraticExercise& e = exercise;
    const long long p = e.p, q = e.q, r = e.r;
    auto minus_q = [&] {
        return q < 0 ? QStringLiteral(" + ") + int_text(-q) : QStringLiteral(" - ") + int_text(q);
    };
    write_leading_term(sheet(), p, 1);
    sheet().my_textout(kIs + int_text(r) + minus_q() + kIs + int_text(r - q));
    write_or(kTwo, kTwo);
    write_leading_term(sheet(), p, 1);
    sheet().my_textout(QStringLiteral(" = -") + int_text(r) + minus_q() + kIs + int_text(-r - q));
    solution.roots = {quotient(r - q, p), quotient(-r - q, p)};
    if (p != 1) {
        next_line();
        next_line();
        if (p == -1) {
            sheet().my_textout(kX + int_text(q - r));
            write_or(kTwo, kTwo);
            sheet().my_textout(kX + int_text(r + q));
        } else {
            sheet().my_textout(kX);
            write_root(sheet(), r - q, p);
            write_or(kSix, kSix);
            sheet().my_textout(kX);
            write_root(sheet(), -r - q, p);
            tall_line_ = true;
        }
    }
    end(kFinished);
}

void QuadraticWorker::solve_standard() {
    if (second_done) return;
    second_done = true;
    host().show_control(ControlRole::SidePanel, false);
    const QuadraticExercise& e = exercise;
    if (zero_constant) {
        solve_zero_constant();
    } else if (e.B != 0) {
        solve_with_discriminant();
    } else if (e.C != 0) {
        solve_pure();
    } else {
        sheet().my_textout(QStringLiteral("x = 0"));
        solution.roots = {0.0};
        end(kFinished);
    }
}

void QuadraticWorker::solve_zero_constant() {
    const QuadraticExercise& e = exercise;
    const long long n = -static_cast<long long>(e.B), d = e.A;
    if (d != 1) room_above();
    sheet().my_textout(QStringLiteral("x = 0"));
    write_or(kTwo, kTwo);
    sheet().my_textout(kX);
    if (d == 1) {
        sheet().my_textout(int_text(n));
    } else {
        // A and B have no common factor left and A > 0.
        sheet().breuk(static_cast<int>(n), static_cast<int>(d));
        tall_line_ = true;
        if (std::llabs(d) < std::llabs(n)) {
            sheet().my_textout(kIs);
            write_stage(sheet(), root_stages(n, d).back());
        }
    }
    solution.roots = {0.0, quotient(n, d)};
    end(kCannotSimplify);
}

void QuadraticWorker::write_coefficients() {
    const QuadraticExercise& e = exercise;
    sheet().my_textout(QStringLiteral("a = ") + int_text(e.A) + QStringLiteral("  b = ") +
                       int_text(e.B) + QStringLiteral("  c = ") + int_text(e.C));
    next_line();
}

void QuadraticWorker::write_discriminant_rule() {
    sheet().my_textout(QStringLiteral("D = b"));
    sheet().in_de_machttxt(QStringLiteral("2"));
    sheet().my_textout(QStringLiteral(" - 4ac"));
    next_line();
}

void QuadraticWorker::write_filled_discriminant() {
    const QuadraticExercise& e = exercise;
    if (e.B <= 0) {
        sheet().my_textout(QStringLiteral("D = (") + int_text(e.B) + QStringLiteral(")"));
    } else {
        sheet().my_textout(QStringLiteral("D = ") + int_text(e.B));
    }
    sheet().in_de_machttxt(QStringLiteral("2"));
    sheet().my_textout(QStringLiteral(" - 4 × ") + bracketed(e.A) + QStringLiteral(" × ") +
                       bracketed(e.C));
}

void QuadraticWorker::factored_form(long long b, long long c) {
    auto factor = [&](long long v) {
        return QStringLiteral("(x ") + (v < 0 ? QStringLiteral("- ") : QStringLiteral("+ ")) +
               int_text(std::llabs(v)) + QStringLiteral(")");
    };
    sheet().my_textout(factor(b) + factor(c) + QStringLiteral(" = 0"));
    next_line();
}

void QuadraticWorker::solve_with_discriminant() {
    const QuadraticExercise& e = exercise;
    const long long A = e.A, B = e.B, C = e.C;
    const long long D = discriminant(A, B, C);
    long long root = 0;
    const bool square = perfect_square(D, root);
    const long long two_a = 2 * A;
    if (D < 0) {
        write_filled_discriminant();
        sheet().my_textout(kIs + int_text(D));
        solution.roots.clear();
        end(kNoSolutions);
        return;
    }
    if (square && A == 1) {
        const FactorPairSearch f = search_factor_pair(B, C);
        write_factor_pairs(panel(), f, B, C);
        host().show_control(ControlRole::SidePanel, true);
        factored_form(f.b, f.c);
        if (D == 0) {
            sheet().my_textout(kX + int_text(-f.b));
            solution.roots = {static_cast<double>(-f.b)};
        } else {
            sheet().my_textout(kX + int_text(-f.b));
            write_or(kTwo, kTwo);
            sheet().my_textout(kX + int_text(-f.c));
            solution.roots = {static_cast<double>(-f.b), static_cast<double>(-f.c)};
        }
        end(kFinished);
        return;
    }
    if (square && D > 0) {
        write_discriminant_rule();
        write_filled_discriminant();
        sheet().my_textout(kIs + int_text(D) + kIs + int_text(root));
        sheet().in_de_machttxt(QStringLiteral("2"));
        next_line();
        sheet().my_textout(msg(kSquareDiscriminant));
        next_line();
        room_above();
        sheet().my_textout(kX);
        write_fraction_with_roots(sheet(), {{int_text(-B) + QStringLiteral(" ± "), int_text(D)}},
                                  int_text(two_a));
        sheet().my_textout(kIs);
        write_fraction_with_roots(sheet(),
                                  {{int_text(-B) + QStringLiteral(" ± ") + int_text(root), {}}},
                                  int_text(two_a));
        tall_line_ = true;
        next_line();
        sheet().my_textout(kX);
        write_root(sheet(), root - B, two_a, true);
        write_or(kTwo, kTwo);
        sheet().my_textout(kX);
        write_root(sheet(), -B - root, two_a, true);
        tall_line_ = true;
        solution.roots = {quotient(root - B, two_a), quotient(-B - root, two_a)};
        end(kFinished);
        return;
    }
    if (D == 0) {
        write_coefficients();
        write_discriminant_rule();
        write_filled_discriminant();
        sheet().my_textout(QStringLiteral(" = 0"));
        next_line();
        room_above();
        sheet().my_textout(kX);
        sheet().breuktxt(QStringLiteral("-b"), QStringLiteral("2a"));
        sheet().my_textout(kIs);
        sheet().breuk(static_cast<int>(-B), static_cast<int>(two_a));
        const long long g = gcd_ll(B, two_a);
        if (g > 1) {
            // The reduced fraction (2A > 0), or the whole number it is, and
            // an improper fraction also as a mixed number.
            const long long n = -B / g, d = two_a / g;
            sheet().my_textout(kIs);
            if (d == 1) {
                sheet().my_textout(int_text(n));
            } else {
                sheet().breuk(static_cast<int>(n), static_cast<int>(d));
                if (std::llabs(n) > d) {
                    sheet().my_textout(kIs);
                    write_stage(sheet(), root_stages(n, d).back());
                }
            }
        }
        tall_line_ = true;
        solution.roots = {quotient(-B, two_a)};
        end(kFinished);
        return;
    }
    // D > 0 and no square: the abc formula with a root that is simplified.
    if (A == 1) {
        write_factor_pairs(panel(), search_factor_pair(B, C), B, C);
        host().show_control(ControlRole::SidePanel, true);
    }
    write_coefficients();
    write_discriminant_rule();
    write_filled_discriminant();
    sheet().my_textout(kIs + int_text(D));
    next_line();
    auto pair = [&](const QString& minus_b, const QString& coefficient, const QString& radicand,
                    const QString& bottom) {
        if (!bottom.isEmpty()) room_above();
        sheet().my_textout(kX);
        write_fraction_with_roots(
            sheet(), {{minus_b + QStringLiteral(" + ") + coefficient, radicand}}, bottom);
        write_or(kTwo, kTwo);
        sheet().my_textout(kX);
        write_fraction_with_roots(
            sheet(), {{minus_b + QStringLiteral(" - ") + coefficient, radicand}}, bottom);
        tall_line_ = !bottom.isEmpty();
        next_line();
    };
    pair(int_text(-B), QString(), int_text(D), int_text(two_a));
    long long k = 1, m = D;
    split_square(D, k, m);
    if (k > 1) {
        pair(int_text(-B), int_text(k), int_text(m), int_text(two_a));
        const long long g = gcd_ll(gcd_ll(B, k), two_a);
        if (g > 1) {
            const QString coefficient = k / g == 1 ? QString() : int_text(k / g);
            pair(int_text(-B / g), coefficient, int_text(m),
                 two_a / g == 1 ? QString() : int_text(two_a / g));
        }
    }
    const double sq = std::sqrt(static_cast<double>(D));
    write_approximations((sq - B) / two_a, (-B - sq) / two_a);
    end(kFinished);
}

void QuadraticWorker::write_approximations(double x1, double x2) {
    sheet().my_textout(kApproximately + format_real(x1));
    write_or(kTwo, kTwo);
    sheet().my_textout(kApproximately + format_real(x2));
    solution.roots = {x1, x2};
    solution.approximated = true;
    host().show_control(ControlRole::DecimalsGroup, true);
}

void QuadraticWorker::solve_pure() {
    const QuadraticExercise& e = exercise;
    // After the common factor A > 0 and A, C have no common factor.
    const long long A = e.A, n = -static_cast<long long>(e.C);
    write_leading_term(sheet(), A, 2);
    sheet().my_textout(kIs + int_text(n));
    if (n < 0) {
        next_line();
        sheet().my_textout(msg(kRootOfNegative));
        next_line();
        sheet().my_textout(msg(kNoSolutions));
        solution.roots.clear();
        end(kFinished);
        return;
    }
    const QString radicand = A == 1 ? int_text(n) : int_text(n) + QLatin1Char('/') + int_text(A);
    next_line();
    if (A != 1) {
        room_above();
        sheet().my_textout(QStringLiteral("x"));
        sheet().in_de_machttxt(QStringLiteral("2"));
        sheet().my_textout(kIs);
        sheet().breuk(static_cast<int>(n), static_cast<int>(A));
        tall_line_ = true;
        next_line();
    }
    auto root_of = [&](bool negative) {
        sheet().my_textout(negative ? QStringLiteral("x = -") : kX);
        if (A == 1) {
            write_root_sign(sheet(), int_text(n));
        } else {
            sheet().wortel_over(radicand, 1.1, -12, [&] {
                sheet().breuk(static_cast<int>(n), static_cast<int>(A));
                sheet().cursor.x -= 4;
            });
            tall_line_ = true;
        }
    };
    root_of(false);
    write_or(kTwo, kTwo);
    root_of(true);
    next_line();
    long long rn = 0, rd = 0;
    const double value = std::sqrt(quotient(n, A));
    if (perfect_square(n, rn) && perfect_square(A, rd)) {
        // A square of a whole number or of a fraction: the roots exactly.
        sheet().my_textout(kX);
        write_root(sheet(), rn, rd, true);
        write_or(kTwo, kTwo);
        sheet().my_textout(kX);
        write_root(sheet(), -rn, rd, true);
        if (rd != 1) tall_line_ = true;
        solution.roots = {value, -value};
    } else {
        // √(n/A) = √(n·A)/A, with the square taken out of the root.
        long long k = 1, m = 1;
        split_square(n * A, k, m);
        const long long g = gcd_ll(k, A);
        const long long top = k / g, bottom = A / g;
        if (top != 1 || bottom != 1) {
            const QString coefficient = top == 1 ? QString() : int_text(top);
            const QString below = bottom == 1 ? QString() : int_text(bottom);
            sheet().my_textout(kX);
            write_fraction_with_roots(sheet(), {{coefficient, int_text(m)}}, below);
            write_or(kTwo, kTwo);
            sheet().my_textout(QStringLiteral("x = -"));
            write_fraction_with_roots(sheet(), {{coefficient, int_text(m)}}, below);
            tall_line_ = !below.isEmpty();
            next_line();
        }
        write_approximations(value, -value);
    }
    end(kFinished);
}

}  // namespace cifrala
