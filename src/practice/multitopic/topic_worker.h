#pragma once
// The generation and step routines of one multi-topic topic (its `init_...`
// and `toon_vergelijking_...`), as a worker: generate() makes a new exercise
// from the window's choices and sets the step counter where the exercise
// starts (0 for most topics); show_step() writes what belongs to the current
// step, the exercise itself at step 0, and ends the exercise through the
// host. "Rekenstap" first advances the counter and then shows the step.
#include <QVariantMap>

#include "practice/common/step_worker.h"

namespace cifrala {

// What the window tells a topic's generation.
struct TopicChoices {
    int level = 0;     // 0 "Eenvoudig", 1 "Gevorderd", 2 "Expert"
    int topic = 0;     // the topic code of the exercise
    int category = 0;  // the category code of the exercise
};

class TopicWorker : public StepWorker {
public:
    using StepWorker::StepWorker;

    virtual void generate(const TopicChoices& choices) = 0;
    virtual void show_step() = 0;
    void rekenstap() override {
        ++step;
        show_step();
    }

    // The exercise as an explanation card reads it.
    virtual QVariantMap explanation_values() const { return {}; }

    // When above 0, the hint line appends the first message parameter.
    int parameter_count = 0;
};

}  // namespace cifrala
