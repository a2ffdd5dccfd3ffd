#include "practice/integers/time_calculation_worker.h"

#include <QPoint>
#include <utility>

#include "formula/surface.h"
#include "practice/common/practice_texts.h"
#include "practice/integers/clock_time.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

using namespace time_messages;

namespace {

constexpr double kLineGap = 0.6;
constexpr double kAnswerGap = 0.8;
const QString kSec = QStringLiteral(" sec");
const QString kIs = QStringLiteral("= ");

// The cloud and its two texts; the second cloud is moved up and left so
// that it stays on the worksheet (the cloud is 440 x 230 pixels).
const QPoint kFirstCloud(512, 395);
const QPoint kSecondCloud(568, 420);
constexpr int kCloudTextX = 56;
constexpr int kCloudFirstY = 88;
constexpr int kCloudSecondY = 133;

QString n(int v) {
    return int_to_text(v);
}

// h2 - h1 = d, for the hours, the minutes or the seconds.
QString difference(int message, int a, int b) {
    return msg(message) + QLatin1Char(' ') + n(a) + QStringLiteral(" - ") + n(b) +
           QStringLiteral(" = ") + n(a - b);
}

}  // namespace

bool TimeExercise::without_borrowing() const {
    return end / 60 % 60 >= start / 60 % 60 && end % 60 >= start % 60;
}

bool TimeExercise::valid() const {
    return start >= 0 && start <= end && end < kSecondsOfADay;
}

TimeExercise random_time_exercise() {
    TimeExercise e;
    e.start = random_time_of_day();
    e.end = random_time_of_day();
    if (e.end < e.start) std::swap(e.start, e.end);
    return e;
}

// A time decomposed after its "= ", then on the next line, under that "= ",
// the same time in seconds.
void TimeCalculationWorker::in_seconds(int t) {
    Surface& s = sheet();
    s.my_textout(decomposition_text(t));
    line();
    s.cursor.x = aligned_x_;
    s.my_textout(kIs + n(t) + kSec);
}

void TimeCalculationWorker::start(const TimeExercise& e) {
    e_ = e;
    finished = false;
    hide_cloud();
    sheet().clearimage();
    sheet().my_textout(msg(kFrom) + QLatin1Char(' ') + time_of_day_text(e_.start) +
                       QStringLiteral("  ") + msg(kUpTo) + QStringLiteral("  ") +
                       time_of_day_text(e_.end) + QStringLiteral(" = "));
    host().hint(kNewTime);
    step = 0;
}

void TimeCalculationWorker::line() {
    sheet().newline(kLineGap);
}

void TimeCalculationWorker::cloud(int x, int y, const QString& first, const QString& second) {
    host()
        .surface(SurfaceRole::Cloud)
        .toonwolk({{first, kCloudTextX, kCloudFirstY}, {second, kCloudTextX, kCloudSecondY}});
    host().place_control(ControlRole::Cloud, QPoint(x, y));
}

void TimeCalculationWorker::hide_cloud() {
    host().show_control(ControlRole::Cloud, false);
}

void TimeCalculationWorker::rekenstap() {
    if (finished) return;
    Surface& s = sheet();
    const int d = e_.end - e_.start;
    const int left = d % 3600;
    switch (step) {
        case 0:
            line();
            if (e_.without_borrowing()) {
                s.my_textout(difference(kHoursLine, e_.end / 3600, e_.start / 3600));
                line();
                s.my_textout(difference(kMinutesLine, e_.end / 60 % 60, e_.start / 60 % 60));
                line();
                s.my_textout(difference(kSecondsLine, e_.end % 60, e_.start % 60));
                line();
                s.my_textout(msg(kAnswer) + QLatin1Char(' ') + two_digits(d / 3600) +
                             QStringLiteral(" : ") + two_digits(d / 60 % 60) +
                             QStringLiteral(" : ") + two_digits(d % 60));
                step = 10;
                finish(practice_messages::kFinished);
                return;
            }
            s.my_textout(time_of_day_text(e_.start) + QLatin1Char(' '));
            aligned_x_ = s.cursor.x;
            s.my_textout(kIs);
            host().hint(kToSeconds);
            step = 1;
            return;
        case 1:
            in_seconds(e_.start);
            line();
            s.my_textout(time_of_day_text(e_.end) + QLatin1Char(' '));
            s.cursor.x = aligned_x_;
            s.my_textout(kIs);
            step = 2;
            return;
        case 2:
            in_seconds(e_.end);
            host().hint(kSubtractSeconds);
            step = 3;
            return;
        case 3:
            line();
            s.my_textout(n(e_.end) + QStringLiteral(" - ") + n(e_.start) + QStringLiteral(" = "));
            step = 4;
            return;
        case 4:
            s.my_textout(n(d) + kSec);
            msg_param1 = n(d);
            host().hint(kDifference);
            step = 5;
            return;
        case 5:
            line();
            s.my_textout(n(d) + QStringLiteral(" : 3600 = "));
            cloud(kFirstCloud.x(), kFirstCloud.y(), n(d) + QStringLiteral(" ="),
                  n(d / 3600) + QStringLiteral(" x 3600 + ") + n(left));
            step = 6;
            return;
        case 6:
            hide_cloud();
            s.my_textout(n(d / 3600) + QLatin1Char(' ') + msg(kHours) + QStringLiteral(" + ") +
                         n(left) + kSec);
            msg_param1 = n(left) + kSec;
            host().hint(kRemainder);
            step = 7;
            return;
        case 7:
            line();
            s.my_textout(n(left) + kSec + QStringLiteral(" = "));
            cloud(kSecondCloud.x(), kSecondCloud.y(), n(left) + QStringLiteral(" ="),
                  n(left / 60) + QStringLiteral(" x 60 + ") + n(left % 60));
            step = 8;
            return;
        case 8:
            hide_cloud();
            s.my_textout(n(left / 60) + QStringLiteral(" min + ") + n(left % 60) + kSec);
            host().hint(kTogether);
            step = 9;
            return;
        case 9:
            s.newline(kAnswerGap);
            s.my_textout(msg(kAnswer) + QLatin1Char(' ') + time_of_day_text(d));
            step = 10;
            finish(practice_messages::kFinished);
            return;
        default:
            return;
    }
}

QString TimeCalculationWorker::answer() const {
    return time_of_day_text(e_.end - e_.start);
}

}  // namespace cifrala
