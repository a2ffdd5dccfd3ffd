#include "practice/integers/clock_worker.h"

#include <algorithm>

#include "formula/surface.h"
#include "practice/common/practice_texts.h"
#include "practice/common/step_sequence.h"
#include "practice/integers/clock_face.h"
#include "practice/integers/clock_time.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/random.h"

namespace cifrala {

using namespace clock_messages;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);      // the minutes up to the next full hour
const QColor kRed(255, 0, 0);       // whole hours
const QColor kGreen(0, 128, 0);     // the minutes after the last full hour
const QColor kGrey(128, 128, 128);  // the ghost addition
const QString kMin = QStringLiteral(" min");

// Where the texts go.
constexpr int kTimeRow = 411;
constexpr int kHourRow = 451;
constexpr int kWorkingRow = 501;
constexpr int kResultRow = 541;
constexpr int kLeftTimeX = 150;
constexpr int kRightTimeX = 600;
constexpr int kLeftNoteX = 300;
constexpr int kRightNoteX = 750;
// The left half of the time row ends before the frame line between the clocks.
constexpr int kLeftHalfEnd = 570;

// One bar position every 100 ms.
constexpr int kMsPerPosition = 100;

QString n(int v) {
    return int_to_text(v);
}

}  // namespace

bool ClockExercise::valid() const {
    return start >= 0 && end < kMinutesOnTheClock && h1() < h2();
}

ClockExercise random_clock_exercise(bool average_speed) {
    ClockExercise e;
    e.average_speed = average_speed;
    do {
        e.start = random_clock_time();
        e.end = random_clock_time();
    } while (!e.valid());
    if (average_speed) e.distance = random(500) + 100;
    return e;
}

void ClockWorker::start(const ClockExercise& e) {
    e_ = e;
    elapsed_text_.clear();
    speed_step_ = -2;
    finished = false;
    host().sequence().cancel();
    sheet().clearimage();
    klok(sheet(), true, e_.end);
    klok(sheet(), false, e_.start);
    host().hint(kNewClock);
    controls_.set_up_bars(e_.elapsed());
    step = 0;
    if (e_.average_speed) {
        step = -1;
        rekenstap();
    }
}

void ClockWorker::write_at(int x, int y) {
    sheet().cursor = {x, y};
}

void ClockWorker::put(const QString& text, const QColor& colour) {
    sheet().set_font_colour(colour);
    sheet().my_textout(text);
    sheet().set_font_colour(kBlack);
}

void ClockWorker::put(const QString& text) {
    put(text, kBlack);
}

QString ClockWorker::hours_word() const {
    return msg(kHours);
}

void ClockWorker::move_bar(int bar, int from, int to) {
    StepSequence& seq = host().sequence();
    controls_.move_bar(bar, from);
    seq.animate([this, bar, from, to](qint64 ms) {
        const qint64 moved = std::min<qint64>(ms / kMsPerPosition, std::abs(to - from));
        const int p = from + static_cast<int>(to > from ? moved : -moved);
        if (controls_.bar_position(bar) != p) controls_.move_bar(bar, p);
        return p == to;
    });
}

void ClockWorker::rekenstap() {
    if (finished || !host().sequence().idle()) return;
    switch (step) {
        case -1:
            // The introduction of the average speed.
            controls_.explain(-1);
            step = 0;
            return;
        case 0:
            controls_.explain(ClockControls::kHideExplanation);
            write_at(kLeftTimeX, kTimeRow);
            put(clock_text(e_.start));
            step = 1;
            return;
        case 1:
            step1();
            return;
        case 2:
            step2();
            break;
        case 3:
            step3();
            break;
        case 4:
            step4();
            return;
        case 5:
            step5();
            return;
        case 10:
            whole_hours_result(QString());
            return;
        case 12:
            whole_hours_result(QStringLiteral(" + ") + n(e_.m2() - e_.m1()) + kMin);
            return;
        case 11:
            step11();
            break;
        case kSpeed:
            speed_step();
            return;
        default:
            return;
    }
    host().sequence().run();
}

void ClockWorker::step1() {
    write_at(kRightTimeX, kTimeRow);
    put(clock_text(e_.end));
    if (e_.m1() == e_.m2()) {
        // Equal minutes: only whole hours (step 10).
        host().hint(kMinutesNotSmaller);
        step = 10;
        // The next press writes the result.
        return;
    }
    if (e_.m1() == 0) {
        host().hint(kAfterTheLastHour);
        step = 2;
    } else if (e_.m1() < e_.m2()) {
        host().hint(kMinutesNotSmaller);
        step = 11;
    } else {
        host().hint(kToTheFullHour);
        step = 2;
    }
}

// The minutes up to the next full hour (none when S is a full hour: then
// straight on to the minutes after the last full hour).
void ClockWorker::step2() {
    if (e_.m1() == 0) {
        step3();
        return;
    }
    move_bar(1, 0, 60 - e_.m1());
    host().sequence().then([this] {
        write_at(kLeftNoteX, kTimeRow);
        put(msg(kFirst) + QLatin1Char(' '));
        put(n(60 - e_.m1()), kBlue);
        put(kMin);
        write_at(kLeftNoteX, kHourRow);
        put(msg(kUpTo) + QLatin1Char(' '));
        put(n(e_.h1() + 1) + QLatin1Char(' '), kRed);
        put(hours_word());
        host().hint(e_.m2() == 0 ? kWholeHours : kAfterTheLastHour);
        step = e_.m2() == 0 ? 4 : 3;
    });
}

// The minutes after the last full hour.
void ClockWorker::step3() {
    if (e_.m2() == 0) {
        step = 4;
        step4();
        return;
    }
    const int maximum = e_.elapsed();
    move_bar(2, maximum, maximum - e_.m2());
    host().sequence().then([this] {
        write_at(kRightNoteX, kTimeRow);
        put(n(e_.m2()), kGreen);
        put(msg(kMinutesAfter));
        write_at(kRightNoteX, kHourRow);
        put(msg(kAfter) + QLatin1Char(' '));
        put(n(e_.h2()) + QLatin1Char(' '), kRed);
        put(hours_word());
        host().hint(kWholeHours);
        step = 4;
    });
}

// The working line: the pieces added up.
void ClockWorker::step4() {
    const int m1 = e_.m1(), m2 = e_.m2(), h1 = e_.h1(), h2 = e_.h2();
    write_at(kLeftTimeX, kWorkingRow);
    put(msg(kElapsed) + QLatin1Char(' '));
    const auto whole_hours = [&](int from) {
        put(n(h2) + QStringLiteral(" - ") + n(from), kRed);
        put(QStringLiteral(") ") + hours_word());
    };
    if (m1 > 0 && m2 == 0) {
        put(n(60 - m1), kBlue);
        put(kMin);
        if (h2 == h1 + 1) {
            result_line(QString());
            elapsed_text_ = n(60 - m1) + kMin;
            step_end();
            return;
        }
        put(QStringLiteral(" + ("));
        whole_hours(h1 + 1);
    } else if (m1 > 0) {
        put(n(60 - m1), kBlue);
        if (h2 == h1 + 1) {
            put(kMin + QStringLiteral(" + "));
        } else {
            put(kMin + QStringLiteral(" + ("));
            whole_hours(h1 + 1);
            put(QStringLiteral(" + "));
        }
        put(n(m2), kGreen);
        put(kMin);
    } else {
        put(QStringLiteral(" ("));
        whole_hours(h1);
        put(QStringLiteral(" + "));
        put(n(m2), kGreen);
        put(kMin);
    }
    host().hint(kAddUp);
    step = 5;
}

void ClockWorker::result_line(const QString& elapsed) {
    if (elapsed.isEmpty()) return;
    write_at(kLeftTimeX, kResultRow);
    put(QStringLiteral("= ") + elapsed);
    elapsed_text_ = elapsed;
}

void ClockWorker::step5() {
    const int m1 = e_.m1(), m2 = e_.m2();
    const QString hours = QLatin1Char(' ') + hours_word() + QStringLiteral(" + ");
    QString elapsed;
    if (m1 > 0 && m2 > 0) {
        const int minutes = m2 - m1 + 60;
        elapsed = e_.h2() == e_.h1() + 1 ? n(minutes) + kMin
                                         : n(e_.h2() - e_.h1() - 1) + hours + n(minutes) + kMin;
    } else {
        elapsed = n(e_.elapsed() / 60) + hours + n(e_.elapsed() % 60) + kMin;
    }
    result_line(elapsed);
    step_end();
}

// Equal minutes (at once, or after the ghost addition): the whole hours and
// what the ghost added.
void ClockWorker::whole_hours_result(const QString& minutes) {
    const QString elapsed = n(e_.h2() - e_.h1()) + QLatin1Char(' ') + hours_word() + minutes;
    write_at(kLeftTimeX, kResultRow);
    put(msg(kElapsed) + QLatin1Char(' ') + elapsed);
    elapsed_text_ = elapsed;
    step_end();
}

// Equal minutes after the ghost addition.
void ClockWorker::step11() {
    const int gap = e_.m2() - e_.m1();
    move_bar(1, 0, gap);
    host().sequence().then([this, gap] {
        sheet().fill_rect(
            QRect(kLeftTimeX, kTimeRow, kLeftHalfEnd - kLeftTimeX, sheet().text_height() + 2),
            sheet().background());
        write_at(kLeftTimeX, kTimeRow);
        put(clock_text(e_.start));
        put(QStringLiteral(" + ") + elapsed_label_text(gap) + QStringLiteral(" = ") + n(e_.h1()) +
                QLatin1Char(':') + two_digits(e_.m2()),
            kGrey);
        host().hint(kMinutesEqualNow);
        step = 12;
    });
}

void ClockWorker::step_end() {
    if (e_.average_speed) {
        host().hint(kAverageSpeedFollows);
        speed_step_ = -1;
        step = kSpeed;
        return;
    }
    step = kEnd;
    finish(practice_messages::kFinished);
}

void ClockWorker::speed_step() {
    const bool whole_hours = e_.elapsed() % 60 == 0;
    if (speed_step_ < 0) {
        speed_step_ = 0;
    } else if (speed_step_ == 0 && whole_hours) {
        speed_step_ = 3;
    } else {
        ++speed_step_;
    }
    controls_.explain(speed_step_);
    if (speed_step_ >= 4) finish(practice_messages::kFinished);
}

double ClockWorker::speed() const {
    return e_.elapsed() > 0 ? e_.distance * 60.0 / e_.elapsed() : 0.0;
}

QString ClockWorker::answer() const {
    if (e_.average_speed) return format_real(speed()) + msg(kKmPerHour);
    return n(e_.elapsed() / 60) + QLatin1Char(' ') + hours_word() + QStringLiteral(" + ") +
           n(e_.elapsed() % 60) + kMin;
}

}  // namespace cifrala
