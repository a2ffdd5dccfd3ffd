#pragma once
// Converting quantities with units step by step (topics 46, 51 and 52):
// a speed between m/s and km/u, a pressure in N per m² with metric prefixes
// on both units, a concentration in g per L with prefixes on both units.
// Every factor stands beside a curved arrow (conversion_picture.h); the
// numbers are exact decimals, so no conversion rounds.
#include <QColor>
#include <QString>
#include <functional>

#include "practice/common/step_worker.h"
#include "practice/integers/quantity_numbers.h"

namespace cifrala {

// What the quantities workers share: coloured texts, units with a square,
// room left for a number that a later step writes.
class QuantityWorker : public StepWorker {
public:
    using StepWorker::StepWorker;
    // Shows, raises or hides the explanation window (the window decides
    // whether it can be shown).
    std::function<void(bool show)> explanation;

protected:
    struct Room {
        int x = 0, y = 0, width = 0;
        int shrunk = 0;  // the line's font is this many points smaller
    };
    // Makes the font smaller (not below 16 points) until `whole` fits from
    // the cursor to the right edge; returns by how much.
    int fit_line(const QString& whole);
    void put(const QString& text, const QColor& colour = Qt::black);
    // prefix "m" and the superscript 2.
    void area_unit(int prefix_position, const QColor& colour = Qt::black);
    // Leaves room for `widest` at the cursor.
    Room leave_room(const QString& widest);
    void fill_room(const Room& room, const QString& text, const QColor& colour = Qt::black);
    // message 1977, t "×" "10" with the exponent as a superscript; the line
    // is written smaller when it and a unit as wide as `unit_width` would
    // not fit. The unit follows, then end_standard_form_line().
    void write_standard_form(const ExactDecimal& r, const QString& unit_width);
    void end_standard_form_line();

private:
    int shrunk_ = 0;
};

// --- speed (topic 46) ---

struct SpeedExercise {
    ExactDecimal value;
    bool from_metres_per_second = true;  // d: the value is in m/s
};
SpeedExercise random_speed_exercise();

class SpeedWorker : public QuantityWorker {
public:
    using QuantityWorker::QuantityWorker;
    void start(const SpeedExercise& e);
    void rekenstap() override;
    QString answer() const;
    const SpeedExercise& exercise() const { return e_; }
    // The converted speed (value x 3.6 exactly, or value / 3.6).
    static double converted(const SpeedExercise& e);

private:
    SpeedExercise e_;
};

// --- pressure (topic 51) ---

struct PressureExercise {
    ExactDecimal value;
    int f1 = 7, f2 = 4;  // force prefixes: given, asked
    int a1 = 4, a2 = 2;  // area prefixes: given, asked
    // The converted force, the area of one given unit in asked units, the result.
    ExactDecimal force() const { return value.times_ten_to(f1 - f2); }
    ExactDecimal area() const { return ExactDecimal(1, 2 * (a1 - a2)); }
    ExactDecimal result() const { return value.times_ten_to(f1 - f2 - 2 * (a1 - a2)); }
};
// `extended`: the area prefixes also n, µ, M, G, T.
PressureExercise random_pressure_exercise(bool extended);

class PressureWorker : public QuantityWorker {
public:
    using QuantityWorker::QuantityWorker;
    void start(const PressureExercise& e);
    void rekenstap() override;
    const PressureExercise& exercise() const { return e_; }

private:
    void unit(int force, int area, const QColor& colour = Qt::black);
    PressureExercise e_;
};

// --- concentration (topic 52) ---

struct ConcentrationExercise {
    ExactDecimal value;
    int g1 = 7, g2 = 4;  // mass prefixes: given, asked
    int w1 = 4, w2 = 1;  // volume prefixes: given, asked
    ExactDecimal after_mass() const { return value.times_ten_to(g1 - g2); }
    ExactDecimal result() const { return value.times_ten_to(g1 - g2 + w2 - w1); }
};
ConcentrationExercise random_concentration_exercise();

class ConcentrationWorker : public QuantityWorker {
public:
    using QuantityWorker::QuantityWorker;
    void start(const ConcentrationExercise& e);
    void rekenstap() override;
    const ConcentrationExercise& exercise() const { return e_; }

private:
    // A unit written in three pieces, the middle one (a prefix) in red.
    struct RedPrefixUnit {
        QString before, prefix, after;
        QString text() const { return before + prefix + after; }
    };
    int conversion_line(const QString& number, const RedPrefixUnit& given,
                        const QString& converted, const RedPrefixUnit& asked);

    ConcentrationExercise e_;
    Room room_;
    int mass_prefix_x_ = 0, volume_prefix_x_ = 0;
};

namespace quantity_messages {
constexpr int kStandardForm = 1977;
constexpr int kFromMetresPerSecond = 1982;
constexpr int kFromKilometresPerHour = 1983;
constexpr int kKmPerHour = 1951;
constexpr int kHourIsSeconds = 5441;
}  // namespace quantity_messages

}  // namespace cifrala
