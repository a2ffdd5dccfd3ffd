#include "practice/roots/equations/power_equation.h"

#include <algorithm>
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

constexpr double kLine = 1.2;
constexpr int kLimits[3][2] = {{6, 3}, {8, 4}, {10, 5}};  // L and N by level
// The bases of the exact roots with the divisors that go with them.
constexpr int kBases[3] = {2, 3, 5};
constexpr int kDivisors[3][3] = {{1, 3, 5}, {1, 2, 5}, {1, 2, 3}};
constexpr int kCardTop = 50;
constexpr int kCardLeft = 250;
constexpr int kCardBelowRoot = 70;
constexpr int kCardBelowClosing = 20;
constexpr int kRootLineDrop = 5;
constexpr int kCloseLineDrop = 15;

long long power(long long base, int n) {
    long long p = 1;
    for (int i = 0; i < n; ++i)
        p *= base;
    return p;
}

long long abs_ll(long long v) {
    return v < 0 ? -v : v;
}

}  // namespace

PowerEquation generate_power_equation(int level) {
    level = std::clamp(level, 0, 2);
    const int L = kLimits[level][0];
    const int N = kLimits[level][1];
    PowerEquation e;
    if (random(3) == 0) {
        do {
            e.a = signed_draw(random(L));
            e.b = signed_draw(1 + random(L - 1));
            e.c = signed_draw(1 + random(L - 1));
            e.n = 2 + random(N - 1);
        } while (e.a == e.c);
    } else {
        const int base = random(3);
        const int P = kBases[base];
        const int D = kDivisors[base][random(3)];
        e.a = signed_draw(random(L));
        const int E = signed_draw(1 + random(L));
        e.n = 2 + random(3);
        e.b = static_cast<int>(E * power(D, e.n));
        e.c = static_cast<int>(E * power(P, e.n) + e.a);
    }
    if (level == 2 && random(2) == 1) {
        switch (random(3)) {
            case 1:
                e.s = signed_draw(1 + random(5));
                break;
            case 2:
                e.s = signed_draw(1 + random(5));
                e.t = signed_draw(1 + random(5));
                break;
            default:
                break;
        }
    }
    return e;
}

PowerWorker::PowerWorker(StepHost& host, EquationExplainer& explainer)
    : EquationWorker(host, explainer, false) {}

void PowerWorker::new_exercise(int level) {
    begin(generate_power_equation(level));
}

void PowerWorker::begin(const PowerEquation& equation) {
    e = equation;
    step = 0;
    card_step = 0;
    finished = false;
    sheet_.clearimage();
    write_equation();
    if (e.a == 0) {
        if (e.b < 0) {
            step = 97;
        } else if (e.b == 1) {
            step = 6;
        } else {
            step = 3;
        }
    }
}

QVariantMap PowerWorker::card_values() const {
    return {{QStringLiteral("step"), card_step}, {QStringLiteral("a"), e.a},
            {QStringLiteral("b"), e.b},          {QStringLiteral("c"), e.c},
            {QStringLiteral("n"), e.n},          {QStringLiteral("s"), e.s},
            {QStringLiteral("t"), e.t}};
}

// --- writing ---

void PowerWorker::expression(bool brackets) {
    const bool bracket = brackets && (e.s != 1 || e.t != 0);
    if (bracket) sheet_.my_textout(QStringLiteral("("));
    coefficient(sheet_, e.s);
    sheet_.my_textout(QStringLiteral("x"));
    if (e.t != 0) added_term(sheet_, e.t);
    if (bracket) sheet_.my_textout(QStringLiteral(")"));
}

void PowerWorker::power_of_expression() {
    expression(true);
    in_de_macht1(sheet_, e.n);
}

// machtvergelijkingtxt1
void PowerWorker::write_equation() {
    if (e.a != 0) {
        sheet_.my_textout(number_text(e.a) +
                          (e.b < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")));
    } else if (e.b < 0) {
        sheet_.my_textout(QStringLiteral("-"));
    }
    if (std::abs(e.b) > 1) {
        sheet_.my_textout(number_text(std::abs(e.b)));
        maal(sheet_);
    }
    power_of_expression();
    sheet_.my_textout(kIs + number_text(e.c));
}

// machtvergelijkingtxt2: b·(..)^n = c - a, both sides negated for b < 0.
void PowerWorker::divided_line() {
    line(kLine);
    if (std::abs(e.b) > 1) {
        sheet_.my_textout(number_text(std::abs(e.b)));
        maal(sheet_);
    }
    power_of_expression();
    sheet_.my_textout(kIs + number_text(e.b < 0 ? e.a - e.c : e.c - e.a));
}

// machtvergelijkingtxt3: (..)^n = (c - a)/b.
void PowerWorker::quotient_line() {
    line(kLine);
    power_of_expression();
    sheet_.my_textout(kIs);
    signed_fraction(sheet_, e.c - e.a, e.b, false, true);
}

PowerWorker::Closing PowerWorker::closing() const {
    Closing c;
    c.D = static_cast<long long>(e.c) - e.a;
    c.sigma = c.D * e.b < 0 ? -1 : 1;
    c.divides = c.D % e.b == 0;
    if (c.divides) {
        c.k = c.D / e.b;
        c.whole_root = has_integer_root(abs_ll(c.k), e.n, &c.w);
    } else {
        const long long g = std::gcd(abs_ll(c.D), static_cast<long long>(std::abs(e.b)));
        c.e = abs_ll(c.D) / g;
        c.d = std::abs(e.b) / g;
        c.fraction_roots = has_integer_root(c.e, e.n, &c.E) && has_integer_root(c.d, e.n, &c.F);
    }
    return c;
}

void PowerWorker::no_solution() {
    for (int m : {kNoSolutions, kEvenPowerNotNegative, kSoNoSolution}) {
        if (m != kNoSolutions) line(1.0);
        message_line(sheet_, m);
    }
}

// machtvergelijkingtxt4: the n-th root of both sides.
void PowerWorker::root_line() {
    line(kLine);
    const Closing c = closing();
    const bool even = e.n % 2 == 0;
    if (even && c.sigma < 0) {
        no_solution();
        return;
    }
    sheet_.cursor.y += kRootLineDrop;
    expression(false);
    sheet_.my_textout(kIs);
    const bool mixed_ok = std::abs(e.s) == 1;
    if (c.divides) {
        ndewortel(sheet_, c.k, e.n);
        if (c.k < 0) {
            sheet_.my_textout(QStringLiteral(" = - "));
            ndewortel(sheet_, -c.k, e.n);
        }
        if (c.whole_root)
            sheet_.my_textout(kIs + (c.sigma < 0 ? QStringLiteral("-") : QString()) +
                              number_text(c.w));
    } else {
        if (c.sigma < 0) {
            root_over_fraction(sheet_, -c.e, c.d, e.n);
            sheet_.my_textout(QStringLiteral(" = - "));
        }
        root_over_fraction(sheet_, c.e, c.d, e.n);
        if (c.fraction_roots) {
            sheet_.my_textout(kIs + (c.sigma < 0 ? QStringLiteral("- ") : QString()));
            sheet_.breuk(static_cast<int>(c.E), static_cast<int>(c.F));
            if (c.F < c.E && mixed_ok) {
                sheet_.my_textout(kIs + (c.sigma < 0 ? QStringLiteral("-") : QString()));
                signed_fraction(sheet_, c.E, c.F, true, false);
            }
        } else if (std::abs(e.b) < abs_ll(c.D)) {
            sheet_.my_textout(kIs + (c.sigma < 0 ? QStringLiteral("- ") : QString()));
            root_over_mixed(sheet_, c.e, c.d, e.n);
        }
    }
    if (!even) return;
    // The second solution.
    if (c.divides) {
        sheet_.cursor.x += 20;
        sheet_.my_textout(msg(kOr) + kFourBlanks);
        expression(false);
        sheet_.my_textout(QStringLiteral(" = - "));
        if (c.whole_root) {
            sheet_.my_textout(number_text(c.w));
        } else {
            ndewortel(sheet_, c.k, e.n);
        }
    } else if (c.fraction_roots) {
        sheet_.my_textout(kFourBlanks + msg(kOr) + kFourBlanks);
        expression(false);
        sheet_.my_textout(QStringLiteral(" = - "));
        signed_fraction(sheet_, c.E, c.F, c.F < c.E && mixed_ok, false);
    } else {
        sheet_.cursor.x += 30;
        sheet_.my_textout(msg(kOr) + QStringLiteral("   "));
        expression(false);
        sheet_.my_textout(QStringLiteral(" = - "));
        root_over_fraction(sheet_, c.e, c.d, e.n);
        if (std::abs(e.b) < abs_ll(c.D)) {
            sheet_.my_textout(QStringLiteral(" = - "));
            root_over_mixed(sheet_, c.e, c.d, e.n);
        }
    }
}

// machtvergelijkingtxt5: s·x alone on the left.
void PowerWorker::isolate_sx_line() {
    line(kLine);
    sheet_.cursor.y += kCloseLineDrop;
    const Closing c = closing();
    const bool mixed_ok = std::abs(e.s) == 1;
    const bool mixed = c.F < c.E && mixed_ok;
    const auto lead = [&] {
        coefficient(sheet_, e.s);
        sheet_.my_textout(QStringLiteral("x = "));
    };
    lead();
    long long R = 0;
    if (c.divides) {
        if (c.whole_root) {
            R = e.n % 2 == 1 && c.k < 0 ? -c.w : c.w;
            sheet_.my_textout(number_text(R) + subtracted_term_text(e.t) + kIs +
                              number_text(R - e.t));
        } else {
            ndewortel(sheet_, c.k, e.n);
            subtracted_term(sheet_, e.t);
        }
    } else if (c.fraction_roots) {
        if (c.sigma < 0) sheet_.my_textout(QStringLiteral("- "));
        signed_fraction(sheet_, c.E, c.F, mixed, false);
        sheet_.my_textout(subtracted_term_text(e.t) + kIs);
        signed_fraction(sheet_, c.sigma * c.E - e.t * c.F, c.F, mixed, true);
    } else {
        if (c.sigma < 0) sheet_.my_textout(QStringLiteral("- "));
        if (std::abs(e.b) < abs_ll(c.D)) {
            root_over_mixed(sheet_, c.e, c.d, e.n);
        } else {
            root_over_fraction(sheet_, c.e, c.d, e.n);
        }
        subtracted_term(sheet_, e.t);
    }
    if (e.n % 2 == 1) return;
    if (c.divides) {
        sheet_.cursor.x += 40;
        sheet_.my_textout(msg(kOr) + kFourBlanks);
    } else {
        sheet_.my_textout(kFourBlanks + msg(kOr) + kFourBlanks);
    }
    coefficient(sheet_, e.s);
    sheet_.my_textout(QStringLiteral("x = - "));
    if (c.divides) {
        if (c.whole_root) {
            sheet_.my_textout(number_text(c.w) + subtracted_term_text(e.t) + kIs +
                              number_text(-c.w - e.t));
        } else {
            ndewortel(sheet_, c.k, e.n);
            subtracted_term(sheet_, e.t);
        }
    } else if (c.fraction_roots) {
        signed_fraction(sheet_, c.E, c.F, mixed, false);
        sheet_.my_textout(subtracted_term_text(e.t) + kIs);
        signed_fraction(sheet_, -c.E - e.t * c.F, c.F, mixed, true);
    } else {
        if (std::abs(e.b) < abs_ll(c.D)) {
            root_over_mixed(sheet_, c.e, c.d, e.n);
        } else {
            root_over_fraction(sheet_, c.e, c.d, e.n);
        }
        subtracted_term(sheet_, e.t);
    }
}

void PowerWorker::t_part() {
    if (e.t == 0) return;
    sheet_.my_textout(static_cast<long long>(e.t) * e.s < 0 ? QStringLiteral(" + ")
                                                            : QStringLiteral(" - "));
    vereenvoudigde_breuk(sheet_, std::abs(e.t), std::abs(e.s));
}

// machtvergelijkingtxt6: x alone on the left.
void PowerWorker::isolate_x_line() {
    line(kLine);
    sheet_.cursor.y += kCloseLineDrop;
    const Closing c = closing();
    const long long s = e.s;
    const long long t = e.t;
    const bool negative_root = c.D * s * e.b < 0;
    const auto one_over_s = [&](bool minus) {
        if (minus) sheet_.my_textout(QStringLiteral("- "));
        if (std::abs(e.s) != 1) signed_fraction(sheet_, 1, std::abs(e.s), false, false);
    };
    const auto whole_value = [&](long long top) {
        signed_fraction(sheet_, top, s, false, false);
        if (std::abs(e.s) != 1 &&
            (std::gcd(abs_ll(top), abs_ll(s)) > 1 || abs_ll(s) < abs_ll(top))) {
            sheet_.my_textout(kIs);
            vereenvoudigde_breuk(sheet_, top, s);
        }
    };
    sheet_.my_textout(QStringLiteral("x = "));
    if (c.divides && c.whole_root) {
        const long long R = e.n % 2 == 1 && c.k < 0 ? -c.w : c.w;
        whole_value(R - t);
    } else if (c.divides) {
        one_over_s(c.k * s < 0);
        ndewortel(sheet_, abs_ll(c.k), e.n);
        t_part();
    } else if (c.fraction_roots) {
        vereenvoudigde_breuk(sheet_, c.sigma * c.E - t * c.F, c.F * s);
    } else if (std::abs(e.b) < abs_ll(c.D)) {
        one_over_s(negative_root);
        root_over_mixed(sheet_, c.e, c.d, e.n);
        t_part();
    } else {
        one_over_s(c.sigma * s < 0);
        root_over_fraction(sheet_, c.e, c.d, e.n);
        t_part();
    }
    if (e.n % 2 == 1) return;
    if (c.divides) {
        sheet_.cursor.x += 40;
        sheet_.my_textout(msg(kOr) + QStringLiteral("    x = "));
    } else {
        sheet_.my_textout(kFourBlanks + msg(kOr) + QStringLiteral("    x = "));
    }
    if (c.divides && c.whole_root) {
        whole_value(-c.w - t);
    } else if (c.divides) {
        one_over_s(c.k * s > 0);
        ndewortel(sheet_, abs_ll(c.k), e.n);
        t_part();
    } else if (c.fraction_roots) {
        vereenvoudigde_breuk(sheet_, -c.E - t * c.F, c.F * s);
    } else {
        one_over_s(s > 0);
        if (std::abs(e.b) < abs_ll(c.D)) {
            root_over_mixed(sheet_, c.e, c.d, e.n);
        } else {
            root_over_fraction(sheet_, c.e, c.d, e.n);
        }
        t_part();
    }
}

// --- steps ---

void PowerWorker::perform(int n) {
    explainer_.hide();
    switch (n) {
        case 1:
            show_at(sheet_.cursor.y + kCardTop, kCardLeft);
            break;
        case 2:
        case 4:
        case 5:
        case 98:
            reshow();
            if (n == 98 && e.b < -1) next_step(3);
            break;
        case 3:
            divided_line();
            flash();
            if (std::abs(e.b) == 1) next_step(7);
            break;
        case 6:
            quotient_line();
            flash();
            break;
        case 7: {
            root_line();
            const Closing c = closing();
            const bool none = e.n % 2 == 0 && c.sigma < 0;
            const bool ends = none || (e.s == 1 && e.t == 0);
            if (ends) end_exercise();
            if (!none && e.n % 2 == 0) {
                // 70 below the root's line; when the exercise ends here, the
                // closing line is under the root's line, so the card goes
                // under the closing line instead.
                const int root_line_y = sheet_.cursor.y;
                seq_.then([this, root_line_y, ends] {
                    const int y = ends ? sheet_.cursor.y + sheet_.text_height() + kCardBelowClosing
                                       : root_line_y + kCardBelowRoot;
                    explainer_.move_top_to_sheet(std::max(y, root_line_y + kCardBelowRoot));
                });
                reshow();
            }
            if (!ends && e.t == 0) next_step(9);
            break;
        }
        case 8:
            isolate_sx_line();
            // With s = 1 this line already has x alone.
            if (e.s == 1) end_exercise();
            break;
        case 9:
            isolate_x_line();
            end_exercise();
            break;
        case 99:
            line(kLine);
            power_of_expression();
            sheet_.my_textout(kIs + number_text(-e.c));
            e.b = 1;
            e.c = -e.c;
            next_step(7);
            break;
        default:
            break;
    }
}

}  // namespace cifrala
