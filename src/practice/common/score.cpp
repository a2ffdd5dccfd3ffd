#include "practice/common/score.h"

#include <algorithm>

#include "util/format.h"

namespace cifrala {

void ValueScore::lower(int times) {
    for (int i = 0; i < times; ++i)
        value_ *= factor_;
}

QString value_text(double value) {
    return format_real(value * 100) + QLatin1Char('%');
}

void Tally::add(bool right) {
    ++attempts_;
    if (right) ++correct_;
}

int Tally::percent() const {
    if (attempts_ <= 0) return 0;
    return static_cast<int>(100LL * correct_ / attempts_);
}

Countdown::Countdown(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void Countdown::start(int total_ms, int tick_ms) {
    total_ms_ = std::max(0, total_ms);
    offset_ms_ = 0;
    clock_.start();
    timer_.start(std::max(1, tick_ms));
}

void Countdown::stop() {
    timer_.stop();
}

qint64 Countdown::elapsed() const {
    return (clock_.isValid() ? clock_.elapsed() : 0) + offset_ms_;
}

int Countdown::remaining_ms() const {
    if (!running() && total_ms_ == 0) return 0;
    return static_cast<int>(std::max<qint64>(0, total_ms_ - elapsed()));
}

double Countdown::fraction_left() const {
    return total_ms_ <= 0 ? 0.0 : static_cast<double>(remaining_ms()) / total_ms_;
}

void Countdown::advance(int ms) {
    if (!running()) return;
    const int step = std::max(1, timer_.interval());
    for (int left = std::max(0, ms); left > 0 && running(); left -= step) {
        offset_ms_ += std::min(left, step);
        tick();
    }
}

void Countdown::tick() {
    if (!running()) return;
    const int left = remaining_ms();
    Q_EMIT ticked(left);
    if (left <= 0) {
        timer_.stop();
        Q_EMIT expired();
    }
}

}  // namespace cifrala
