#pragma once
// What the judged topics keep: the value of one exercise that drops with
// every aid or wrong answer (ratio tables), the attempts and correct answers
// with their percentage (times tables, number line, estimating, the
// operator game), and the clock that limits the time for an answer.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

namespace cifrala {

// value * 100 with the shared real-to-text conversion and "%".
QString value_text(double value);

// 100 % at the start, multiplied by `factor` at every lowering.
class ValueScore {
public:
    explicit ValueScore(double factor = 0.9) : factor_(factor) {}
    void reset() { value_ = 1; }
    void lower(int times = 1);
    double value() const { return value_; }
    QString text() const { return value_text(value_); }

private:
    double factor_;
    double value_ = 1;
};

// Attempts and correct answers.
class Tally {
public:
    void reset() { attempts_ = correct_ = 0; }
    void add(bool right);
    int attempts() const { return attempts_; }
    int correct() const { return correct_; }
    // 100 * correct / attempts rounded down (0 before the first attempt).
    int percent() const;

private:
    int attempts_ = 0;
    int correct_ = 0;
};

// Counts a time down on a timer of the user-interface thread, so a tick
// never runs in the middle of a click. Ticks come every `tick_ms`; the last
// one comes when the time is up, followed by expired().
class Countdown : public QObject {
    Q_OBJECT
public:
    explicit Countdown(QObject* parent = nullptr);

    void start(int total_ms, int tick_ms);
    void stop();
    bool running() const { return timer_.isActive(); }
    int total_ms() const { return total_ms_; }
    int remaining_ms() const;
    // The share of the time that is left, 1 at the start, 0 when up.
    double fraction_left() const;
    // Stands in for the passing of time (tests, the render mode): as if
    // `ms` more had passed, with the ticks that belong to it.
    void advance(int ms);

Q_SIGNALS:
    void ticked(int remaining_ms);
    void expired();

private:
    void tick();
    qint64 elapsed() const;

    QTimer timer_;
    QElapsedTimer clock_;
    int total_ms_ = 0;
    qint64 offset_ms_ = 0;  // time added by advance()
};

}  // namespace cifrala
