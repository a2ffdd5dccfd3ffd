#pragma once
// Subtracting two times of day (topic 47): without borrowing the hours, the
// minutes and the seconds are subtracted each on their own line; with
// borrowing both times go to seconds, they are subtracted, and the
// difference goes back to hours, minutes and seconds by way of the cloud
// (so many times 3600, so many times 60).
#include "practice/common/step_worker.h"

namespace cifrala {

struct TimeExercise {
    int start = 0;  // S in seconds of the day
    int end = 0;    // E, not before S
    // The minutes and the seconds of E are not below those of S.
    bool without_borrowing() const;
    bool valid() const;
};

// Two random times of day, exchanged when E < S.
TimeExercise random_time_exercise();

class TimeCalculationWorker : public StepWorker {
public:
    explicit TimeCalculationWorker(StepHost& host) : StepWorker(host) {}

    void start(const TimeExercise& e);
    void rekenstap() override;

    const TimeExercise& exercise() const { return e_; }
    // E - S as hh:mm:ss.
    QString answer() const;

private:
    void line();
    void in_seconds(int t);
    void cloud(int x, int y, const QString& first, const QString& second);
    void hide_cloud();

    TimeExercise e_;
    int aligned_x_ = 0;  // where the "= " of the seconds lines stands
};

namespace time_messages {
constexpr int kFrom = -60;
constexpr int kUpTo = -51;
constexpr int kHours = -49;
constexpr int kNewTime = 1928;
constexpr int kToSeconds = 1929;
constexpr int kSubtractSeconds = 1930;
constexpr int kAnswer = 1933;
constexpr int kTogether = 1934;
constexpr int kHoursLine = 1945;
constexpr int kMinutesLine = 1946;
constexpr int kSecondsLine = 1947;
constexpr int kRemainder = 5266;   // # = what is left after the whole hours
constexpr int kDifference = 5267;  // # = the difference in seconds
}  // namespace time_messages

}  // namespace cifrala
