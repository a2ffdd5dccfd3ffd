#pragma once
// Integer arithmetic (topic -1): an expression generated from the window's
// options, or typed by the pupil, worked out one rewriting per "Rekenstap";
// "Antwoord" shows its value before the first step.
#include "practice/integers/arithmetic_worker.h"
#include "practice/integers/integers_mode.h"

namespace cifrala {

class ArithmeticMode : public IntegersMode {
public:
    explicit ArithmeticMode(TGehele_getallen_Form& window);

    void showing() override;
    void new_exercise() override;
    void rekenstap() override;
    const StepWorker* worker() const override;
    QString answer() const override;

    // An expression the pupil typed, checked and known to fit the sheet.
    void own_exercise(const QString& expression);

    const ArithmeticWorker& arithmetic_worker() const { return worker_; }

private:
    void begin(const QString& expression);

    ArithmeticWorker worker_;
    bool started_ = false;
};

}  // namespace cifrala
