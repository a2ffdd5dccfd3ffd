#pragma once
// The time between two clocks (topic 48) and the average speed over it
// (topic 49, run under code 48): the two clocks with the start and the end
// time, then one press of "Rekenstap" per piece of the bridging through the
// full hour (the minutes up to the next full hour, the whole hours, the
// minutes after the last full hour), the working line and the result. The
// track bars under the clocks move along, one position every 100 ms, with
// "Rekenstap" disabled while they run. After the elapsed time, the average
// speed is worked out in the explanation window, one press per line.
#include <QColor>
#include <QString>

#include "practice/common/step_worker.h"

namespace cifrala {

struct ClockExercise {
    int start = 0;     // S in minutes, 0 to 719
    int end = 0;       // E in minutes, a later hour than S
    int distance = 0;  // km (topic 49)
    bool average_speed = false;

    int h1() const { return start / 60; }
    int m1() const { return start % 60; }
    int h2() const { return end / 60; }
    int m2() const { return end % 60; }
    int elapsed() const { return end - start; }
    // S's hour is earlier than E's.
    bool valid() const;
};

// Draws S and E until S's hour is earlier than E's; the distance
// Random(500) + 100 km for the average speed.
ClockExercise random_clock_exercise(bool average_speed);

// What the worker moves and shows besides the worksheet: the two track bars
// (their ghost hands follow them) and, for the average speed, the
// explanation window.
class ClockControls {
public:
    virtual ~ClockControls() = default;
    // Both bars shown with the maximum E - S, bar 1 at 0, bar 2 at the maximum.
    virtual void set_up_bars(int maximum) = 0;
    // bar 1 or 2.
    virtual void move_bar(int bar, int position) = 0;
    virtual int bar_position(int bar) const = 0;
    // The average-speed card at `speed_step` (-1 the introduction), or
    // hidden (kHideExplanation).
    virtual void explain(int speed_step) = 0;
    static constexpr int kHideExplanation = -100;
};

class ClockWorker : public StepWorker {
public:
    ClockWorker(StepHost& host, ClockControls& controls) : StepWorker(host), controls_(controls) {}

    // Clears the sheet and draws the clocks (topic 49 also shows the
    // introduction of the average speed).
    void start(const ClockExercise& e);
    void rekenstap() override;

    const ClockExercise& exercise() const { return e_; }
    // The elapsed time as the result line writes it ("2 uur + 35 min").
    const QString& elapsed_text() const { return elapsed_text_; }
    // The step of the average speed in the explanation window (-1 the
    // introduction; -2 before the average speed begins).
    int speed_step() const { return speed_step_; }
    // The answer: the elapsed time, or the average speed.
    QString answer() const;
    // distance / elapsed hours, unrounded.
    double speed() const;

    // The steps that run after the elapsed time is known.
    static constexpr int kEnd = 20;
    static constexpr int kSpeed = 30;

private:
    void write_at(int x, int y);
    void put(const QString& text, const QColor& colour);
    void put(const QString& text);
    QString hours_word() const;
    void step1();
    void step2();
    void step3();
    void step4();
    void step5();
    void step11();
    void whole_hours_result(const QString& minutes);
    void step_end();
    void speed_step();
    void move_bar(int bar, int from, int to);
    void result_line(const QString& elapsed);

    ClockControls& controls_;
    ClockExercise e_;
    QString elapsed_text_;
    int speed_step_ = -2;
};

namespace clock_messages {
constexpr int kNewClock = 1939;
constexpr int kToTheFullHour = 1940;
constexpr int kAddUp = 1941;
constexpr int kAfterTheLastHour = 1943;
constexpr int kMinutesAfter = 1944;
constexpr int kWholeHours = 1756;
constexpr int kElapsed = 1755;
constexpr int kMinutesNotSmaller = 1961;
constexpr int kMinutesEqualNow = 1764;
constexpr int kAverageSpeedFollows = 1962;
constexpr int kAfter = -46;
constexpr int kFirst = -47;
constexpr int kHours = -49;
constexpr int kUpTo = -51;
constexpr int kKmPerHour = 1951;
}  // namespace clock_messages

}  // namespace cifrala
