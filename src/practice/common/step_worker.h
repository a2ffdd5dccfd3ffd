#pragma once
// What every worker shares: the step counter, which it owns and the window
// reads (-1: the exercise is set up and nothing of it is worked yet), and
// the step host through which it reaches its window.
#include "practice/common/step_host.h"

namespace cifrala {

class StepWorker {
public:
    explicit StepWorker(StepHost& host) : host_(host) {}
    virtual ~StepWorker() = default;
    StepWorker(const StepWorker&) = delete;
    StepWorker& operator=(const StepWorker&) = delete;

    int step = -1;
    bool finished = false;

    // Performs the current step and sets `step` to the next one.
    virtual void rekenstap() = 0;

protected:
    StepHost& host() { return host_; }
    Surface& sheet() { return host_.surface(SurfaceRole::Worksheet); }
    // Ends the exercise through the host.
    void finish(int closing_message) {
        finished = true;
        host_.finish(closing_message);
    }

private:
    StepHost& host_;
};

}  // namespace cifrala
