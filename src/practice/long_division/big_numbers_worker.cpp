#include "practice/long_division/big_numbers_worker.h"

#include <algorithm>

#include "formula/surface.h"
#include "practice/common/practice_texts.h"
#include "text/messages.h"

namespace cifrala {

using namespace big_number_messages;

namespace {

const QString kIs = QStringLiteral(" = ");
const QString kTen = QStringLiteral("×10");

QString exp_text(int n) {
    return int_text(n);
}

}  // namespace

BigNumbersWorker::BigNumbersWorker(StepHost& host)
    : StepWorker(host), s_(host.surface(SurfaceRole::Worksheet)) {}

void BigNumbersWorker::write(const QString& text) {
    s_.my_textout(text);
}

void BigNumbersWorker::times_ten(const QString& text, const QString& exponent) {
    write(text + kTen);
    s_.in_de_machttxt(exponent, true);
}

void BigNumbersWorker::next_line(int extra) {
    if (compact()) extra /= 3;
    s_.newline();
    s_.cursor.y += extra;
}

void BigNumbersWorker::quantity_prefix(qint64 value) {
    if (exercise.topic == 54) write(msg(quantity_message(exercise, value)) + kIs);
}

void BigNumbersWorker::chain_prefix() {
    const QString is = QStringLiteral("= ");
    s_.cursor.x = std::max(s_.style().frame.left_margin, chain_x_ - s_.text_width(is));
    write(is);
}

void BigNumbersWorker::start(const BigNumbersExercise& e) {
    exercise = e;
    step = 0;
    finished = false;
    const GivenPair g = given_numbers(e);
    if (e.topic == 54) {
        for (qint64 n : {g.first, g.second}) {
            quantity_prefix(n);
            write(big_number_with_unit(n));
            s_.newline();
        }
        write(msg(kAsked) + QLatin1Char(' ') + msg(asked_quantity_message(e)));
    } else {
        write(msg(kAsked) + QLatin1Char(' '));
        s_.newline();
        s_.newline();
        write(QStringLiteral("      ") + big_number_with_unit(g.first));
        write(e.variant == 2 ? QStringLiteral(" × ") : QStringLiteral(" : "));
        write(big_number_with_unit(g.second));
    }
}

void BigNumbersWorker::rekenstap() {
    if (finished) return;
    switch (++step) {
        case 1:
            stage1();
            break;
        case 2:
            stage2();
            break;
        case 3:
            stage3();
            break;
        case 4:
            stage4();
            break;
        case 5:
            stage5();
            break;
        case 6:
            stage6();
            break;
        default:
            break;
    }
}

// c = its mantissa x 10^e; a, b = m x 10^z.
void BigNumbersWorker::given_line(qint64 n) {
    quantity_prefix(n);
    if (n == exercise.c) {
        const MagnitudeText t = big_number(n);
        write(big_number_with_unit(n) + QStringLiteral(" =  "));
        times_ten(t.text, exp_text(t.exponent));
    } else {
        const Stripped st = strip_zeros(n);
        write(big_number_with_unit(n) + kIs);
        times_ten(int_text(st.m), exp_text(st.z));
    }
}

void BigNumbersWorker::stage1() {
    host().show_control(ControlRole::NextExercise, false);
    const int lines = exercise.topic == 54 ? 2 : 3;
    for (int i = 0; i < lines; ++i)
        s_.newline();
    const GivenPair g = given_numbers(exercise);
    given_line(g.first);
    s_.newline();
    given_line(g.second);
}

// Topic 54's product takes seven lines without any stacked fraction; the
// room kept for fractions is left out there so that its answer stays on the
// sheet.
bool BigNumbersWorker::compact() const {
    return exercise.topic == 54 && exercise.variant == 2;
}

void BigNumbersWorker::stage2() {
    next_line(25);
    if (exercise.topic == 54) {
        write(msg(asked_quantity_message(exercise)) + kIs);
    } else {
        write(msg(kAsked) + QLatin1Char(' '));
    }
    chain_x_ = s_.cursor.x;
    if (exercise.variant == 2) {
        const Stripped sa = strip_zeros(exercise.a);
        const Stripped sb = strip_zeros(exercise.b);
        times_ten(int_text(sa.m), exp_text(sa.z));
        write(QStringLiteral(" × "));
        times_ten(int_text(sb.m), exp_text(sb.z));
        return;
    }
    const MagnitudeText c = big_number(exercise.c);
    const Stripped d = strip_zeros(divided_by(exercise));
    s_.my_textoutbreuk_met_machten_in_teller_en_noemer(c.text + kTen, int_text(d.m) + kTen,
                                                       exp_text(c.exponent), exp_text(d.z));
}

void BigNumbersWorker::stage3() {
    next_line(40);
    chain_prefix();
    if (exercise.variant == 2) {
        const Stripped sa = strip_zeros(exercise.a);
        const Stripped sb = strip_zeros(exercise.b);
        times_ten(int_text(sa.m) + QStringLiteral("×") + int_text(sb.m),
                  exp_text(sa.z) + QStringLiteral("+") + exp_text(sb.z));
        if (exercise.topic == 55) s_.toonhint(kAddExponents);
        return;
    }
    const MagnitudeText c = big_number(exercise.c);
    const Stripped d = strip_zeros(divided_by(exercise));
    s_.breuktxt(c.text, int_text(d.m));
    times_ten(QString(), exp_text(c.exponent) + QStringLiteral("-") + exp_text(d.z));
    if (exercise.topic == 55) s_.toonhint(kSubtractExponents);
}

void BigNumbersWorker::stage4() {
    s_.toonhint(0);
    next_line(30);
    chain_prefix();
    if (exercise.variant == 2) {
        const Stripped sa = strip_zeros(exercise.a);
        const Stripped sb = strip_zeros(exercise.b);
        const QString z = exp_text(sa.z + sb.z);
        times_ten(QStringLiteral("(") + int_text(sa.m) + QStringLiteral(" × ") + int_text(sb.m) +
                      QStringLiteral(")"),
                  z);
        if (exercise.topic == 55) {
            write(kIs);
            times_ten(int_text(sa.m * sb.m), z);
        }
        return;
    }
    const MagnitudeText c = big_number(exercise.c);
    const Stripped d = strip_zeros(divided_by(exercise));
    const int t = c.exponent - d.z;
    const qint64 answer = asked_value(exercise);
    times_ten(exact_decimal(answer, t), exp_text(t));
    if (t % 3 != 0) {
        const Stripped sa = strip_zeros(answer);
        write(QStringLiteral(" =  "));
        times_ten(int_text(sa.m), exp_text(sa.z));
    }
}

void BigNumbersWorker::stage5() {
    next_line(30);
    if (exercise.variant != 2) {
        write(msg(kAnswer) + QLatin1Char(' ') + big_number_with_unit(asked_value(exercise)));
        finish(practice_messages::kFinished);
        return;
    }
    if (exercise.topic == 54) {
        const Stripped sa = strip_zeros(exercise.a);
        const Stripped sb = strip_zeros(exercise.b);
        chain_prefix();
        times_ten(int_text(sa.m * sb.m), exp_text(sa.z + sb.z));
        return;
    }
    const MagnitudeText c = big_number(exercise.c);
    write(msg(kAnswer) + QLatin1Char(' '));
    times_ten(c.text, exp_text(c.exponent));
    write(kIs + big_number_with_unit(exercise.c));
    finish(practice_messages::kFinished);
}

void BigNumbersWorker::stage6() {
    next_line(30);
    const MagnitudeText c = big_number(exercise.c);
    write(msg(kAnswer) + QLatin1Char(' '));
    times_ten(c.text, exp_text(c.exponent));
    write(kIs + big_number_with_unit(exercise.c));
    finish(practice_messages::kFinished);
}

}  // namespace cifrala
