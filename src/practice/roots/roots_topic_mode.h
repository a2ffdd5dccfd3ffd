#pragma once
// What the modes of the roots window with one worker each share: the
// window, the worker that writes on its worksheet, the title message and
// the help page.
#include "practice/common/practice_mode.h"

namespace cifrala {

class TwortelsherleidenForm;

struct RootsTopicFacts {
    int title = 0;  // message
    int help_page = 0;
};

template <typename Worker>
class RootsTopicMode : public PracticeMode {
public:
    RootsTopicMode(TwortelsherleidenForm& window, RootsTopicFacts facts)
        : w_(window), worker_(window), facts_(facts) {}

    Caption title() const override { return {TextKind::Message, facts_.title}; }
    int help_page() const override { return facts_.help_page; }
    const StepWorker* worker() const override { return &worker_; }

protected:
    TwortelsherleidenForm& w_;
    Worker worker_;

private:
    RootsTopicFacts facts_;
};

}  // namespace cifrala
