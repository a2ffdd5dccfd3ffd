#pragma once
// The order of one worked step with pauses in it: actions, pauses and
// animations run one after the other on the user-interface thread, with
// timers for the waits, so the window keeps repainting while the pupil
// watches. An action may add further items; they run right after it, before
// the items that were already waiting.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace cifrala {

class StepSequence : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void()>;
    // Called with the milliseconds since the animation began; true when done.
    using Tick = std::function<bool(qint64 elapsed_ms)>;

    explicit StepSequence(QObject* parent = nullptr);

    void then(Action action);
    void pause(int ms);
    void animate(Tick tick);

    // Runs items until a wait begins or nothing is left.
    void run();
    // Waiting for a pause or an animation.
    bool waiting() const { return waiting_; }
    bool idle() const { return !waiting_ && items_.empty() && !running_; }
    // Drops everything that has not run yet.
    void cancel();
    // Pauses and animations take no time (an animation gets one last tick).
    bool instant = false;

Q_SIGNALS:
    void wait_started();
    void finished();

private:
    struct Item {
        enum Kind { Run, Pause, Animate } kind = Run;
        Action action;
        int ms = 0;
        Tick tick;
    };
    void add(Item item);
    void resume();
    void animation_tick();

    std::deque<Item> items_;
    std::vector<Item> added_;  // items added by the running action
    bool running_ = false;
    bool waiting_ = false;
    QTimer pause_timer_;
    QTimer animation_timer_;
    QElapsedTimer clock_;
    Tick current_tick_;
};

}  // namespace cifrala
