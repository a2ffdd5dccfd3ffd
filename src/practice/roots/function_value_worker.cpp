#include "practice/roots/function_value_worker.h"

#include "formula/surface.h"
#include "practice/common/step_sequence.h"
#include "practice/roots/function_writing.h"
#include "util/format.h"

namespace cifrala {

namespace {

const QString kIs = QStringLiteral(" = ");
const QString kDot = QStringLiteral("·");
constexpr double kLine = 1.5;  // the lines hold fractions

// A value in brackets: "(3)", "(-2)", "(2/3)".
void bracketed(Surface& s, Rational v, bool mixed) {
    s.my_textout(QStringLiteral("("));
    write_number(s, v, mixed);
    s.my_textout(QStringLiteral(")"));
}

// The value as a factor after "·": in brackets when it is negative.
void factor(Surface& s, Rational v, bool mixed) {
    if (v.negative()) {
        bracketed(s, v, mixed);
    } else {
        write_number(s, v, mixed);
    }
}

// "k·" in front of a factor, with the sign of the term; ±1 writes only the
// sign.
void coefficient_dot(Surface& s, Rational k, bool first, bool mixed) {
    write_coefficient(s, k, first, mixed);
    if (k.abs() != Rational(1)) s.my_textout(kDot);
}

// A sum of terms: " + " or " - " between them, the numbers as they are.
void numerator_text(QString& t, qint64 n, bool first) {
    if (first) {
        t += int_to_text(n);
        return;
    }
    t += n < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ");
    t += int_to_text(n < 0 ? -n : n);
}

}  // namespace

FunctionValueWorker::FunctionValueWorker(StepHost& host) : CardStepWorker(host) {}

void FunctionValueWorker::start(const FunctionValueExercise& e) {
    host().sequence().cancel();
    exercise = e;
    working = work_function_value(e);
    mixed_line_left_out = false;
    finished = false;
    step = 0;
    performed = 0;
    Surface& s = sheet();
    s.clearimage();
    s.my_textout(QStringLiteral("f(x) = "));
    write_coefficient(s, e.a, true, true);
    s.my_textout(QStringLiteral("x"));
    s.in_de_machttxt(QStringLiteral("2"));
    if (e.b.n != 0) {
        write_coefficient(s, e.b, false, true);
        s.my_textout(QStringLiteral("x"));
    }
    if (e.c.n != 0) write_term(s, e.c, false, true);
    s.newline(kLine);
    f_of_value();
}

void FunctionValueWorker::f_of_value() {
    Surface& s = sheet();
    s.my_textout(QStringLiteral("f("));
    write_number(s, exercise.x, true);
    s.my_textout(QStringLiteral(")") + kIs);
}

void FunctionValueWorker::begin_line() {
    sheet().newline(kLine);
    f_of_value();
}

void FunctionValueWorker::perform(int n) {
    const FunctionValueExercise& e = exercise;
    performed = n;
    switch (n) {
        case 1:
            substituted_line(true);
            break;
        case 2:
            if (has_mixed_numbers(e)) {
                substituted_line(false);
                break;
            }
            // Nothing to turn into a fraction: on with the powers at once,
            // or with the products when the powers would only repeat x².
            mixed_line_left_out = true;
            if (e.a.abs() == Rational(1) && (e.b.abs() == Rational(1) || e.b.n == 0)) {
                step = performed = 4;
                products_line();
            } else {
                step = performed = 3;
                powers_line();
            }
            break;
        case 3:
            powers_line();
            break;
        case 4:
            products_line();
            break;
        case 5:
            numerators_line();
            break;
        default:
            result_line();
            break;
    }
}

void FunctionValueWorker::substituted_line(bool mixed) {
    Surface& s = sheet();
    const FunctionValueExercise& e = exercise;
    begin_line();
    write_coefficient(s, e.a, true, mixed);
    if (e.a.abs() != Rational(1)) s.my_textout(kDot);
    bracketed(s, e.x, mixed);
    s.in_de_machttxt(QStringLiteral("2"));
    if (e.b.n != 0) {
        coefficient_dot(s, e.b, false, mixed);
        factor(s, e.x, mixed);
    }
    if (e.c.n != 0) write_term(s, e.c, false, mixed);
}

void FunctionValueWorker::powers_line() {
    Surface& s = sheet();
    const FunctionValueExercise& e = exercise;
    begin_line();
    coefficient_dot(s, e.a, true, false);
    write_number(s, working.square, false);
    if (e.b.n != 0) {
        coefficient_dot(s, e.b, false, false);
        factor(s, e.x, false);
    }
    if (e.c.n != 0) write_term(s, e.c, false, false);
}

void FunctionValueWorker::products_line() {
    Surface& s = sheet();
    const FunctionValueExercise& e = exercise;
    const FunctionValueWorking& w = working;
    begin_line();
    write_term(s, w.first, true, false);
    if (e.b.n != 0) write_term(s, w.second, false, false);
    if (e.c.n != 0) write_term(s, e.c, false, false);
    if (w.first.d == 1 && w.second.d == 1 && e.c.d == 1) {
        ++step;  // whole numbers: no common denominator to write
        return;
    }
    s.my_textout(kIs);
    const QString bottom = int_to_text(w.common);
    const auto over = [&](qint64 n, bool first) {
        if (first) {
            if (n < 0) s.my_textout(QStringLiteral("-"));
        } else {
            s.my_textout(n < 0 ? QStringLiteral(" - ") : QStringLiteral(" + "));
        }
        s.breuktxt(int_to_text(n < 0 ? -n : n), bottom);
    };
    over(w.n1, true);
    if (e.b.n != 0) over(w.n2, false);
    if (e.c.n != 0) over(w.n3, false);
}

void FunctionValueWorker::numerators_line() {
    const FunctionValueExercise& e = exercise;
    const FunctionValueWorking& w = working;
    begin_line();
    QString top;
    numerator_text(top, w.n1, true);
    if (e.b.n != 0) numerator_text(top, w.n2, false);
    if (e.c.n != 0) numerator_text(top, w.n3, false);
    write_sum_over(sheet(), top, int_to_text(w.common));
}

void FunctionValueWorker::result_line() {
    Surface& s = sheet();
    const FunctionValueWorking& w = working;
    begin_line();
    if (w.common == 1) {
        s.my_textout(int_to_text(w.sum));
    } else {
        s.breuktxt(int_to_text(w.sum), int_to_text(w.common));
        if (w.value.d != w.common) {
            s.my_textout(kIs);
            write_number(s, w.value, false);
        }
        if (!w.value.whole() && w.value.improper()) {
            s.my_textout(kIs);
            write_number(s, w.value, true);
        }
    }
    finish(0);
    if (ended) ended();
}

}  // namespace cifrala
