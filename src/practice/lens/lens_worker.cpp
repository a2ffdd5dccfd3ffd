#include "practice/lens/lens_worker.h"

#include <cmath>
#include <cstdlib>

#include "formula/surface.h"
#include "practice/lens/lens_texts.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

namespace {

using namespace lens_messages;

constexpr int kNoteSize = 16;

const QString kPlus = QStringLiteral(" + ");
const QString kMinus = QStringLiteral(" - ");
const QString kEquals = QStringLiteral(" = ");

}  // namespace

LensWorker::LensWorker(StepHost& host) : StepWorker(host) {}

QString LensWorker::letter(int kind) const {
    return msg(kLetterV + kind - 1);
}

void LensWorker::text(const QString& t) {
    sheet().my_textout(t);
}

void LensWorker::fraction(qint64 top, qint64 bottom, bool bracket_negative) {
    Surface& s = sheet();
    const bool negative = (top < 0) != (bottom < 0) && top != 0;
    if (negative && bracket_negative) s.my_textout(QStringLiteral("("));
    s.cursor.x = s.breuk_b(static_cast<int>(top), static_cast<int>(bottom));
    if (negative && bracket_negative) s.my_textout(QStringLiteral(")"));
}

void LensWorker::fraction_letter(const QString& l) {
    Surface& s = sheet();
    s.cursor.x = s.breuktxt_b(QStringLiteral("1"), l);
}

void LensWorker::unknown_reciprocal() {
    fraction_letter(letter(exercise.kind));
}

void LensWorker::begin(const LensExercise& e) {
    exercise = e;
    steps = lens_steps(e);
    step = 0;
    finished = false;
    write_step();
}

void LensWorker::rekenstap() {
    if (finished) return;
    ++step;
    write_step();
}

void LensWorker::write_step() {
    switch (step) {
        case 0:
            write_given();
            break;
        case 1:
            write_formula();
            break;
        case 2:
            write_isolated();
            break;
        case 3:
            write_over_common_denominator();
            break;
        case 4:
            write_taken_together();
            break;
        case 5:
            write_reduced();
            break;
        default:
            write_answer();
            break;
    }
}

void LensWorker::write_given() {
    const LensExercise& e = exercise;
    const qint64 first = e.kind == 1 ? e.b : e.v;
    const qint64 second = e.kind == 3 ? e.b : e.f;
    const int given = e.kind == 1 ? kGivenKind1 : e.kind == 2 ? kGivenKind2 : kGivenKind3;
    msg_param1 = int_text(first);
    text(msg(given) + QLatin1Char(' ') + int_text(second));
    sheet().newline(1);
    text(msg(kAsk + e.kind - 1));
    host().hint(kWriteFormula);
}

void LensWorker::write_formula() {
    const LensExercise& e = exercise;
    sheet().newline(1);
    // 1/v + 1/b = 1/f with the known values and the letter of the asked one.
    const auto term = [&](int kind, qint64 value) {
        if (kind == e.kind) {
            unknown_reciprocal();
        } else {
            fraction(1, value, true);
        }
    };
    term(1, e.v);
    text(kPlus);
    term(2, e.b);
    text(kEquals);
    term(3, e.f);
    host().hint(kIsolate);
}

void LensWorker::write_isolated() {
    sheet().newline(1.5);
    unknown_reciprocal();
    text(kEquals);
    fraction(1, steps.first, true);
    text(steps.add ? kPlus : kMinus);
    fraction(1, steps.second, true);
    msg_param1 = int_text(steps.L);
    host().hint(kCommonDenominator);
}

void LensWorker::write_over_common_denominator() {
    sheet().newline(1.5);
    unknown_reciprocal();
    text(kEquals);
    fraction(steps.L / steps.first, steps.L, true);
    text(steps.add ? kPlus : kMinus);
    fraction(steps.L / steps.second, steps.L, true);
    host().hint(steps.add ? kAdd : kSubtract);
}

void LensWorker::write_taken_together() {
    sheet().newline(1.5);
    unknown_reciprocal();
    text(kEquals);
    fraction(steps.N, steps.L, false);
    if (!steps.has_answer()) {
        // The object stands in the focal point: 1/b = 0 has no solution.
        text(kEquals + QStringLiteral("0"));
        write_note(kNoImageLine1, int_text(exercise.v), kNoImageLine2, QStringLiteral("∞"));
        msg_param1 = int_text(exercise.v);
        finish(kNoImageLine1);
        return;
    }
    if (steps.reduces()) {
        host().hint(kSimplify);
    } else {
        step = 5;  // nothing to reduce: the answer comes next
        host().hint(kTurnOver);
    }
}

void LensWorker::write_reduced() {
    text(kEquals);
    fraction(steps.n, steps.l, false);
    host().hint(kTurnOver);
}

void LensWorker::write_answer() {
    Surface& s = sheet();
    s.newline(1.5);
    const qint64 n = std::llabs(steps.n), l = steps.l;
    const QString sign = steps.n < 0 ? QStringLiteral("-") : QString();
    text(msg(kAnswerName + exercise.kind) + kEquals + sign);
    fraction(l, n, false);
    if (n == 1) {
        text(kEquals + sign + int_text(l));
    } else if (n < l) {
        text(kEquals + sign + int_text(l / n));
        s.cursor.x += 4;
        fraction(l % n, n, false);
    }
    if (exercise.kind == 2 && steps.n < 0) {
        const double b = exercise.b_real, v = exercise.v_real;
        write_note(kVirtualLine1, format_real(b), kVirtualLine2, format_real(std::fabs(b / v)));
    }
    if (exercise.kind != 2 && exercise.b < 0)
        write_note(kVirtualGiven, int_text(exercise.b), 0, QString());
    finish(kCannotSimplify);
}

void LensWorker::write_note(int first, const QString& first_param, int second,
                            const QString& second_param) {
    Surface& s = sheet();
    const int size = s.font_size();
    s.newline(1.2);
    s.set_font_size(kNoteSize);
    msg_param1 = first_param;
    s.my_textout(msg(first));
    if (second > 0) {
        s.newline(0.6);
        msg_param1 = second_param;
        s.my_textout(msg(second));
    }
    s.set_font_size(size);
}

}  // namespace cifrala
