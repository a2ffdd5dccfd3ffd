#pragma once
// The quantities topics of the integers window: "Snelheid" (topic 46),
// "Druk" (topic 51, with "n µ M G T" for the extended area prefixes),
// "Concentratie" (topic 52) and "Schaal" (topic 53). Pressure and scale
// show their explanation cards while "Toon hint" is ticked.
#include "practice/integers/integers_mode.h"
#include "practice/integers/quantities_workers.h"
#include "practice/integers/scale_worker.h"

class QCheckBox;

namespace cifrala {

// The steps of one quantities worker, with the window's frame around them.
class QuantityMode : public IntegersMode {
public:
    QuantityMode(TGehele_getallen_Form& window, int topic, QuantityWorker& worker);

    void showing() override;
    void rekenstap() override;
    const StepWorker* worker() const override;
    void closing() override;

protected:
    // Before the worker writes the exercise.
    void begin();
    // After it.
    void begun();
    // Card `topic` of the explanation window shown (or raised), or hidden.
    void explain(bool show);

    bool started_ = false;

private:
    QuantityWorker& base_;
};

class SpeedMode : public QuantityMode {
public:
    explicit SpeedMode(TGehele_getallen_Form& window);
    void new_exercise() override;
    QString answer() const override;
    void start(const SpeedExercise& e);
    const SpeedWorker& speed_worker() const { return worker_; }

private:
    SpeedWorker worker_;
};

class PressureMode : public QuantityMode {
public:
    explicit PressureMode(TGehele_getallen_Form& window);
    void showing() override;
    void closing() override;
    void new_exercise() override;
    void start(const PressureExercise& e);
    const PressureWorker& pressure_worker() const { return worker_; }

    QCheckBox* CheckBox1 = nullptr;  // "n µ M G T"

private:
    PressureWorker worker_;
};

class ConcentrationMode : public QuantityMode {
public:
    explicit ConcentrationMode(TGehele_getallen_Form& window);
    void new_exercise() override;
    void start(const ConcentrationExercise& e);
    const ConcentrationWorker& concentration_worker() const { return worker_; }

private:
    ConcentrationWorker worker_;
};

class ScaleMode : public QuantityMode {
public:
    explicit ScaleMode(TGehele_getallen_Form& window);
    void new_exercise() override;
    void start(const ScaleExercise& e);
    const ScaleWorker& scale_worker() const { return worker_; }

private:
    ScaleWorker worker_;
};

namespace quantity_messages {
constexpr int kExtendedPrefixesHint = 5444;
}

}  // namespace cifrala
