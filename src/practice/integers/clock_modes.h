#pragma once
// The clock and time topics of the integers window: "Tijdrekenen" (topic
// 47), "Klokrekenen" (topic 48) and "Gemiddelde snelheid" (topic 49, worked
// under code 48). The clock topics own the two track bars with their labels
// above the clocks; moving a bar draws grey ghost hands on its clock.
#include <QVariantMap>

#include "practice/integers/clock_worker.h"
#include "practice/integers/integers_mode.h"
#include "practice/integers/time_calculation_worker.h"

class QLabel;
class QSlider;

namespace cifrala {

// The track bars under the clocks and the clock labels, made once per window.
struct ClockBarControls {
    QSlider* TrackBar1 = nullptr;  // under the left clock: the time after S
    QSlider* TrackBar2 = nullptr;  // under the right clock: the time before E
    QLabel* Label18 = nullptr;     // the elapsed time of bar 1
    QLabel* Label19 = nullptr;     // the remaining time of bar 2
    void hide() const;
};
ClockBarControls clock_bar_controls(TGehele_getallen_Form& window);

class ClockMode : public IntegersMode, public ClockControls {
public:
    // `topic` 48 or 49.
    ClockMode(TGehele_getallen_Form& window, int topic);

    void showing() override;
    void new_exercise() override;
    void rekenstap() override;
    const StepWorker* worker() const override;
    QString answer() const override;
    void closing() override;

    // What the average-speed cards read.
    QVariantMap explanation_values() const;
    const ClockWorker& clock_worker() const { return worker_; }
    // The exercise on the sheet instead of a drawn one (tests, the render mode).
    void start(const ClockExercise& e);

    // --- ClockControls ---
    void set_up_bars(int maximum) override;
    void move_bar(int bar, int position) override;
    int bar_position(int bar) const override;
    void explain(int speed_step) override;

private:
    // A bar moved (by the worker or the pupil): its clock with the ghost hands.
    void bar_moved(int bar, int position);
    bool current() const;

    ClockBarControls bars_;
    ClockWorker worker_;
    bool started_ = false;
};

class TimeCalculationMode : public IntegersMode {
public:
    explicit TimeCalculationMode(TGehele_getallen_Form& window);

    void showing() override;
    void new_exercise() override;
    void rekenstap() override;
    const StepWorker* worker() const override;
    QString answer() const override;

    void start(const TimeExercise& e);
    const TimeCalculationWorker& time_worker() const { return worker_; }

private:
    TimeCalculationWorker worker_;
    bool started_ = false;
};

}  // namespace cifrala
