#pragma once
// Map scale (topic 53): a scale a : B, a distance on the map to the real
// distance (kind 1) or the other way round (kind 2), worked with the scale
// as a fraction and the unit factor I = 10^(q - p) beside a curved arrow.
#include <QString>

#include "practice/integers/quantities_workers.h"

namespace cifrala {

struct ScaleExercise {
    int a = 1;
    qint64 B = 50000;
    int b = 5;        // B = 10000 b 10^j
    int p = 2;        // the map's unit prefix: m, c or d
    int q = 7;        // the real unit prefix: none, da, h or k
    int kind = 1;     // 1: map to real, 2: real to map
    qint64 map = 4;   // c, in p-metres (kind 1)
    qint64 real = 0;  // e, in q-metres (kind 2)

    int unit_zeros() const { return q - p; }
    // Kind 1: c / a x B in p-metres, and that in q-metres.
    qint64 map_in_real_units() const { return map / a * B; }
    ExactDecimal real_distance() const;
    // Kind 2: e x a / B x I in p-metres.
    ExactDecimal map_distance() const;
    bool valid() const;
};
ScaleExercise random_scale_exercise();

class ScaleWorker : public QuantityWorker {
public:
    using QuantityWorker::QuantityWorker;
    void start(const ScaleExercise& e);
    void rekenstap() override;
    const ScaleExercise& exercise() const { return e_; }

    // Kind 2 after the unit factor: the fraction e a I / B reduced by ten as
    // far as the zeros of I and the denominator allow.
    struct Reduced {
        qint64 top = 0, bottom = 1;
    };
    static Reduced reduced(const ScaleExercise& e);

private:
    void unit(int prefix_position, const QColor& colour = Qt::black);
    void fraction(qint64 top, qint64 bottom);
    ScaleExercise e_;
    Room room_;
};

namespace scale_messages {
constexpr int kScale = 1976;
}

}  // namespace cifrala
