#include "practice/roots/card_step_worker.h"

#include "practice/common/step_sequence.h"

namespace cifrala {

void CardStepWorker::rekenstap() {
    if (finished) return;
    const int n = ++step;
    StepSequence& seq = host().sequence();
    seq.then([this, n] { perform(n); });
    seq.then([this] {
        if (step_done) step_done();
    });
    seq.run();
}

}  // namespace cifrala
