#pragma once
// What the parabola and function-value workers share: the steps numbered
// from 1 (the counter holds the step last begun, 0 after the exercise is
// written), and after every press, once the pauses the step queued are
// over, a call that lets the explanation card follow the sheet.
#include <functional>

#include "practice/common/step_worker.h"

namespace cifrala {

class CardStepWorker : public StepWorker {
public:
    using StepWorker::StepWorker;

    void rekenstap() override;

    std::function<void()> step_done;  // after every press
    // The step whose work the sheet shows last (the counter may have skipped
    // past it); the explanation card follows it.
    int performed = 0;

protected:
    // Writes step n; sets `performed`.
    virtual void perform(int n) = 0;
};

}  // namespace cifrala
