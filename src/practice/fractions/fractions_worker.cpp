#include "practice/fractions/fractions_worker.h"

#include <cstdlib>
#include <numeric>
#include <utility>

#include "formula/surface.h"
#include "practice/common/practice_texts.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/integer_math.h"

namespace cifrala {

using namespace fraction_kind;

namespace {

// Hints of the fractions window.
constexpr int kHintDifferentDenominators = 1562;
constexpr int kHintCrossCancel = 1563;
constexpr int kHintDivide = 1564;
constexpr int kHintWorkOutProducts = 1565;
constexpr int kHintAddNumerators = 1566;
constexpr int kHintWorkOutNumerator = 1567;
constexpr int kHintCannotSimplify = 1569;
constexpr int kHintMixedNumber = 1570;
constexpr int kHintImproperFirst = 1571;
constexpr int kHintSubtractNumerators = 1572;
constexpr int kHintMultiply = 1576;
constexpr int kHintNothingToCancel = 1568;
constexpr int kHintSimplifyIfPossible = 1513;
constexpr int kHintFindDivisor = 1905;
constexpr int kHintCancelFactor = 1906;
constexpr int kHintWriteMixed = 1907;
constexpr int kHintDivideBy = 5242;  // parameter: the divisor

// The left margin, where every line of the fractions window starts.
constexpr int kLineStart = 150;

QString num(long long n) {
    return int_to_text(static_cast<qint64>(n));
}

// A second operand in a text: negative numbers in brackets.
QString operand(long long n) {
    return n < 0 ? QStringLiteral("(") + num(n) + QStringLiteral(")") : num(n);
}

bool opposite_signs(long long a, long long b) {
    return a != 0 && b != 0 && ((a < 0) != (b < 0));
}

}  // namespace

FractionsWorker::FractionsWorker(StepHost& host)
    : StepWorker(host), s_(host.surface(SurfaceRole::Worksheet)) {}

void FractionsWorker::set_exercise(const FractionExercise& e) {
    kind = e.kind;
    a1 = e.a1;
    b1 = e.b1;
    a2 = e.a2;
    b2 = e.b2;
    a3 = 0;
    b3 = 1;
    g = 1;
    k = 1;
    step = -1;
    finished = false;
}

void FractionsWorker::rekenstap() {
    if (finished) return;
    if (kind == kSimplify) {
        simplify_step();
    } else if (step == -1) {
        opening_step();
    } else if (kind == kAdd || kind == kSubtract) {
        add_step();
    } else if (kind == kMultiply) {
        multiply_step();
    } else {
        divide_step();
    }
}

void FractionsWorker::finish_exercise() {
    host().show_control(ControlRole::OwnExercise, true);
    finish(practice_messages::kFinished);
}

void FractionsWorker::write_mixed_or_fraction(int a, int b) {
    if (std::llabs(b) >= std::llabs(a)) {
        s_.breuk(a, b);
    } else if (a % b == 0) {
        s_.my_textout(num(a / b));
        s_.cursor.x += 5;
    } else {
        s_.breuk_abc(a / b, std::abs(a % b), std::abs(b));
    }
}

void FractionsWorker::write_exercise_line() {
    s_.breuk(a1, b1);
    s_.my_textout(operator_text(kind));
    s_.breuk(a2, b2);
    s_.my_textout(QStringLiteral(" ="));
}

void FractionsWorker::write_multiplication_line() {
    s_.breuk(a1, b1);
    x_after_first = s_.cursor.x;
    s_.my_textout(operator_text(kMultiply));
    x_before_second = s_.cursor.x;
    s_.breuk(a2, b2);
    x_after_second = s_.cursor.x;
    s_.my_textout(QStringLiteral(" ="));
}

void FractionsWorker::opening_step() {
    step = 0;
    if (std::llabs(b1) >= std::llabs(a1) && std::llabs(b2) >= std::llabs(a2)) {
        rekenstap();
        return;
    }
    write_mixed_or_fraction(a1, b1);
    s_.my_textout(operator_text(kind));
    write_mixed_or_fraction(a2, b2);
    s_.my_textout(QStringLiteral(" ="));
    s_.toonhint(kHintImproperFirst);
    s_.newline(1);
}

void FractionsWorker::add_step() {
    const bool subtract = kind == kSubtract;
    switch (step) {
        case 0:
            write_exercise_line();
            if (b1 == b2) {
                s_.toonhint(subtract ? kHintSubtractNumerators : kHintAddNumerators);
                step = 3;
            } else {
                s_.toonhint(kHintDifferentDenominators);
                host().show_control(ControlRole::Explain, true);
                step = 1;
            }
            break;
        case 1: {
            host().show_control(ControlRole::NextExercise, false);
            host().show_control(ControlRole::Explain, false);
            s_.newline(1);
            const long long m = std::llabs(static_cast<long long>(b1) / std::gcd(b1, b2) * b2);
            const long long e1 = m / b1;
            const long long e2 = m / b2;
            const QString times = QStringLiteral("×");
            if (e1 == 1) {
                s_.breuk(a1, b1);
            } else {
                s_.breuktxt(num(a1) + times + num(e1), num(b1) + times + num(e1));
            }
            s_.my_textout(operator_text(kind));
            if (e2 == 1) {
                s_.breuk(a2, b2);
            } else {
                s_.breuktxt(num(a2) + times + num(e2), num(b2) + times + num(e2));
            }
            s_.my_textout(QStringLiteral(" ="));
            a1 = static_cast<int>(a1 * e1);
            a2 = static_cast<int>(a2 * e2);
            b1 = b2 = static_cast<int>(m);
            s_.toonhint(kHintWorkOutProducts);
            step = 2;
            break;
        }
        case 2:
            host().show_control(ControlRole::ExplainPanel, false);
            s_.newline(1);
            write_exercise_line();
            s_.toonhint(subtract ? kHintSubtractNumerators : kHintAddNumerators);
            step = 3;
            break;
        case 3:
            s_.newline(1);
            s_.breuktxt(num(a1) + operator_text(kind) + operand(a2), num(b1));
            s_.my_textout(QStringLiteral(" ="));
            s_.toonhint(kHintWorkOutNumerator);
            step = 4;
            break;
        case 4:
            s_.newline(1);
            a3 = subtract ? a1 - a2 : a1 + a2;
            b3 = b1;
            s_.breuk(a3, b3);
            if (a3 != 0) {
                s_.toonhint(kHintSimplifyIfPossible);
                step = 5;
            } else {
                s_.my_textout(QStringLiteral(" = 0"));
                finish_exercise();
            }
            break;
        case 5:
            if (a3 % b3 == 0) {
                s_.my_textout(QStringLiteral(" ="));
                s_.newline(1);
                s_.my_textout(num(a3 / b3));
                finish_exercise();
                break;
            }
            g = gcd(a3, b3);
            if (g == 1) {
                s_.toonhint(kHintCannotSimplify);
            } else {
                const QString by = QStringLiteral(" : ") + num(g);
                s_.my_textout(QStringLiteral(" ="));
                s_.newline(1);
                s_.breuktxt(num(a3) + by, num(b3) + by);
                msg_param1 = num(g);
                s_.toonhint(kHintDivideBy);
            }
            step = 6;
            break;
        case 6:
            if (g > 1) {
                s_.my_textout(QStringLiteral(" ="));
                s_.newline(1);
                s_.breuk(a3 / g, b3 / g);
            }
            s_.toonhint(kHintMixedNumber);
            step = 7;
            break;
        case 7:
            a3 /= g;
            b3 /= g;
            final_form(false);
            break;
        default:
            finish_exercise();
            break;
    }
}

void FractionsWorker::final_form(bool multiplication) {
    const bool negative = opposite_signs(a3, b3);
    const QString sign = negative ? QStringLiteral("- ") : QString();
    a3 = std::abs(a3);
    b3 = std::abs(b3);
    if (multiplication ? a3 < b3 : a3 <= b3) {
        finish_exercise();
        return;
    }
    s_.my_textout(QStringLiteral(" ="));
    s_.newline(1);
    if (b3 == 1) {
        s_.my_textout(sign + num(a3));
    } else {
        const int whole = a3 / b3;
        const int rest = a3 % b3;
        s_.my_textout(sign);
        s_.breuktxt(num(static_cast<long long>(whole) * b3) + QStringLiteral(" + ") + num(rest),
                    num(b3));
        s_.my_textout(QStringLiteral(" = "));
        s_.my_textout(sign);
        s_.breuk_abc(whole, rest, b3);
    }
    finish_exercise();
}

// After the multiplication line: cross-cancelling where it can be done,
// else straight on to multiplying.
void FractionsWorker::offer_cross_cancelling() {
    if (gcd(a1, b2) > 1 || gcd(b1, a2) > 1) {
        host().show_control(ControlRole::ExplainSecond, true);
        s_.toonhint(kHintCrossCancel);
        step = 1;
    } else {
        s_.toonhint(kHintNothingToCancel);
        step = 2;
    }
}

void FractionsWorker::multiply_step() {
    switch (step) {
        case 0:
            s_.cursor.y += 40;  // room for the cancelled numbers above the line
            write_multiplication_line();
            offer_cross_cancelling();
            break;
        case 1: {
            const int y = s_.cursor.y;
            const int c1 = gcd(a1, b2);
            const int c2 = gcd(b1, a2);
            if (c1 > 1) {
                a1 /= c1;
                b2 /= c1;
            }
            if (c2 > 1) {
                b1 /= c2;
                a2 /= c2;
            }
            {
                Surface::Batch batch(s_);
                s_.set_pen(1, Qt::red);
                s_.set_font_colour(Qt::red);
                const int applied = s_.shrink_font(6);
                if (c1 > 1) {
                    s_.line(kLineStart, y + 15, x_after_first, y - 10);
                    s_.text_at(kLineStart, y - 40, num(std::llabs(a1)));
                    s_.line(x_before_second, y + 50, x_after_second, y + 25);
                    s_.text_at(x_before_second, y + 55, num(std::llabs(b2)));
                }
                if (c2 > 1) {
                    s_.line(kLineStart, y + 50, x_after_first, y + 25);
                    s_.text_at(kLineStart, y + 55, num(std::llabs(b1)));
                    s_.line(x_before_second, y + 15, x_after_second, y - 10);
                    s_.text_at(x_before_second, y - 40, num(std::llabs(a2)));
                }
                s_.set_pen(3, Qt::black);
                s_.set_font_colour(Qt::black);
                s_.restore_font(applied);
            }
            s_.newline(1.5);
            host().show_control(ControlRole::ExplainSecond, false);
            s_.breuk(a1, b1);
            s_.my_textout(operator_text(kMultiply));
            s_.breuk(a2, b2);
            s_.my_textout(QStringLiteral(" ="));
            s_.toonhint(kHintMultiply);
            step = 2;
            break;
        }
        case 2:
            host().show_control(ControlRole::ExplainPanelSecond, false);
            a3 = a1 * a2;
            b3 = b1 * b2;
            s_.newline(1);
            s_.breuk(a3, b3);
            s_.toonhint(kHintMixedNumber);
            step = 3;
            break;
        case 3:
            g = gcd(a3, b3);
            if (g > 1) {
                // Only a typed exercise can get here without cancelling
                // everything; show the simplified fraction before its final form.
                a3 /= g;
                b3 /= g;
                s_.my_textout(QStringLiteral(" = "));
                s_.breuk(a3, b3);
            }
            final_form(true);
            break;
        default:
            finish_exercise();
            break;
    }
}

void FractionsWorker::divide_step() {
    switch (step) {
        case 0:
            write_exercise_line();
            s_.newline(1.5);
            s_.toonhint(kHintDivide);
            step = 1;
            break;
        case 1:
            std::swap(a2, b2);
            kind = kMultiply;
            write_multiplication_line();
            offer_cross_cancelling();
            break;
        default:
            finish_exercise();
            break;
    }
}

void FractionsWorker::simplify_step() {
    auto write_simplified = [this] {
        s_.breuk(a1, a2);
        if (std::llabs(a1) < std::llabs(a2)) {
            finish_exercise();
        } else {
            s_.toonhint(kHintWriteMixed);
            step = 3;
        }
    };
    switch (step) {
        case -1:
            if (b1 <= 1) {
                // Nothing above 1 divides both: it is as simple as it gets.
                s_.breuk(a1, a2);
                s_.toonhint(kHintCannotSimplify);
                step = 4;
                break;
            }
            s_.breuk(a1, a2);
            s_.my_textout(QStringLiteral(" = "));
            s_.toonhint(kHintFindDivisor);
            step = 0;
            break;
        case 0:
            if (b1 <= 1) {  // no common factor: the fraction is already simplest
                write_simplified();
                break;
            }
            k = 2;
            while (b1 % k != 0)
                ++k;
            msg_param1 = num(k);
            s_.toonhint(kHintDivideBy);
            step = 1;
            break;
        case 1: {
            b1 /= k;
            a1 /= k;
            a2 /= k;
            const QString by = QStringLiteral(" × ") + num(k);
            s_.breuktxt(num(a1) + by, num(a2) + by);
            s_.my_textout(QStringLiteral(" ="));
            s_.newline(1);
            s_.toonhint(kHintCancelFactor);
            step = 2;
            break;
        }
        case 2:
            if (b1 > 1) {
                step = -1;
                simplify_step();
            } else {
                write_simplified();
            }
            break;
        case 3: {
            const bool negative = opposite_signs(a1, a2);
            const long long p = std::llabs(a1);
            const long long q = std::llabs(a2);
            const long long whole = p / q;
            const long long rest = p % q;
            const QString sign = negative ? QStringLiteral("- ") : QString();
            s_.my_textout(QStringLiteral(" = "));
            if (rest == 0) {
                s_.my_textout(sign + num(whole));
                finish_exercise();
                break;
            }
            s_.my_textout(sign);
            s_.breuktxt(num(whole * q) + QStringLiteral(" + ") + num(rest), num(q));
            s_.my_textout(QStringLiteral(" = "));
            s_.my_textout(negative ? QStringLiteral("- (") : QString());
            s_.breuk(static_cast<int>(whole * q), static_cast<int>(q));
            s_.my_textout(QStringLiteral(" + "));
            s_.breuk(static_cast<int>(rest), static_cast<int>(q));
            if (negative) s_.my_textout(QStringLiteral(")"));
            s_.my_textout(QStringLiteral(" = "));
            s_.my_textout(sign);
            s_.breuk_abc(static_cast<int>(whole), static_cast<int>(rest), static_cast<int>(q));
            finish_exercise();
            break;
        }
        case 4:
            // A fraction that cannot be simplified may still be written as a
            // mixed number.
            if (std::llabs(a1) < std::llabs(a2)) {
                finish_exercise();
            } else {
                s_.toonhint(kHintWriteMixed);
                step = 3;
            }
            break;
        default:
            finish_exercise();
            break;
    }
}

}  // namespace cifrala
