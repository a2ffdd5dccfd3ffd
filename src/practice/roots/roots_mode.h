#pragma once
// Topic 22, "Wortels herleiden" (and every topic of the window that has no
// mode of its own): a root is drawn by level and simplified one step per
// "Rekenstap", with the hint area below the worksheet.
#include "practice/roots/roots_topic_mode.h"
#include "practice/roots/roots_worker.h"

namespace cifrala {

class TwortelsherleidenForm;

class RootsMode : public RootsTopicMode<RootsWorker> {
public:
    explicit RootsMode(TwortelsherleidenForm& window);

    void set_up() override;
    // "Volgende oefening": a root of the chosen level.
    void new_exercise() override;
    // "Rekenstap".
    void rekenstap() override;

    // Starts this exercise as a new one does (tests, and the new exercise).
    void begin(const RootsExercise& e);
    const RootsWorker& roots_worker() const { return worker_; }
    int current_hint() const { return worker_.current_hint; }
    void forget_hint() { worker_.current_hint = -1; }
};

}  // namespace cifrala
