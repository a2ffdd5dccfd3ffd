#include "practice/common/step_sequence.h"

#include <climits>

namespace cifrala {

StepSequence::StepSequence(QObject* parent) : QObject(parent) {
    pause_timer_.setSingleShot(true);
    connect(&pause_timer_, &QTimer::timeout, this, [this] { resume(); });
    animation_timer_.setTimerType(Qt::PreciseTimer);
    animation_timer_.setInterval(1);
    connect(&animation_timer_, &QTimer::timeout, this, [this] { animation_tick(); });
}

void StepSequence::add(Item item) {
    if (running_) {
        added_.push_back(std::move(item));
    } else {
        items_.push_back(std::move(item));
    }
}

void StepSequence::then(Action action) {
    add(Item{Item::Run, std::move(action), 0, {}});
}

void StepSequence::pause(int ms) {
    add(Item{Item::Pause, {}, ms, {}});
}

void StepSequence::animate(Tick tick) {
    add(Item{Item::Animate, {}, 0, std::move(tick)});
}

void StepSequence::run() {
    if (waiting_ || running_) return;
    while (!items_.empty()) {
        Item item = std::move(items_.front());
        items_.pop_front();
        switch (item.kind) {
            case Item::Run: {
                running_ = true;
                item.action();
                running_ = false;
                // What the action added runs next.
                for (auto it = added_.rbegin(); it != added_.rend(); ++it)
                    items_.push_front(std::move(*it));
                added_.clear();
                break;
            }
            case Item::Pause:
                if (instant || item.ms <= 0) break;
                waiting_ = true;
                Q_EMIT wait_started();
                pause_timer_.start(item.ms);
                return;
            case Item::Animate:
                if (instant) {
                    item.tick(LLONG_MAX);
                    break;
                }
                if (item.tick(0)) break;
                waiting_ = true;
                current_tick_ = std::move(item.tick);
                Q_EMIT wait_started();
                clock_.start();
                animation_timer_.start();
                return;
        }
    }
    Q_EMIT finished();
}

void StepSequence::resume() {
    waiting_ = false;
    run();
}

void StepSequence::animation_tick() {
    if (!current_tick_ || current_tick_(clock_.elapsed())) {
        animation_timer_.stop();
        current_tick_ = nullptr;
        resume();
    }
}

void StepSequence::cancel() {
    items_.clear();
    added_.clear();
    pause_timer_.stop();
    animation_timer_.stop();
    current_tick_ = nullptr;
    waiting_ = false;
}

}  // namespace cifrala
