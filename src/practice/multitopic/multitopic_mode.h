#pragma once
// A topic of the multi-topic window as the window's mode: its row of the
// topic table and the worker that its routines make.
#include <memory>

#include "practice/common/practice_mode.h"
#include "practice/multitopic/topic_routines.h"
#include "practice/multitopic/topic_table.h"

namespace cifrala {

class TdiffkettingForm;

class MultiTopicMode : public PracticeMode {
public:
    MultiTopicMode(TdiffkettingForm& window, const TopicRow& row, const TopicRoutines& routines);

    // The title the selection values give (0: the title stays).
    Caption title() const override;
    int help_page() const override { return row_.help; }
    void set_up() override;
    void new_exercise() override;
    void rekenstap() override;
    const StepWorker* worker() const override { return worker_.get(); }

    const TopicRow& row() const { return row_; }
    TopicWorker& topic_worker() { return *worker_; }
    const TopicWorker& topic_worker() const { return *worker_; }
    // The codes of the next exercise: the selection's, or the variant the
    // topic draws.
    TopicChoices next_choices(int level) const;

private:
    TdiffkettingForm& w_;
    const TopicRow& row_;
    TopicRoutines routines_;
    std::unique_ptr<TopicWorker> worker_;
};

}  // namespace cifrala
