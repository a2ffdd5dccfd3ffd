#include "practice/common/practice_mode.h"

namespace cifrala {

namespace {

class FunctionMode : public PracticeMode {
public:
    explicit FunctionMode(ModeFunctions f) : f_(std::move(f)) {}
    Caption title() const override { return f_.title; }
    int help_page() const override { return f_.help_page; }
    void set_up() override {
        if (f_.set_up) f_.set_up();
    }
    void new_exercise() override {
        if (f_.new_exercise) f_.new_exercise();
    }
    void rekenstap() override {
        if (f_.rekenstap) f_.rekenstap();
    }
    const StepWorker* worker() const override { return f_.worker ? f_.worker() : nullptr; }
    bool judged() const override { return f_.judged; }

private:
    ModeFunctions f_;
};

}  // namespace

std::unique_ptr<PracticeMode> make_mode(ModeFunctions functions) {
    return std::make_unique<FunctionMode>(std::move(functions));
}

const ModeRow* ModeTable::find(int topic, int category) const {
    const ModeRow* by_topic = nullptr;
    const ModeRow* any = nullptr;
    for (const ModeRow& r : rows_) {
        if (r.topic == topic && r.category == category) return &r;
        if (r.topic == topic && r.category == kAnyCode && !by_topic) by_topic = &r;
        if (r.topic == kAnyCode && (r.category == kAnyCode || r.category == category) && !any)
            any = &r;
    }
    return by_topic ? by_topic : any;
}

bool ModeTable::available(int topic, int category) const {
    const ModeRow* r = find(topic, category);
    return r && r->mode;
}

}  // namespace cifrala
