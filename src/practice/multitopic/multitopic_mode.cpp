#include "practice/multitopic/multitopic_mode.h"

#include "practice/multitopic/diffketting_form.h"
#include "util/selection.h"

namespace cifrala {

MultiTopicMode::MultiTopicMode(TdiffkettingForm& window, const TopicRow& row,
                               const TopicRoutines& routines)
    : w_(window), row_(row), routines_(routines), worker_(routines.make_worker(window)) {}

Caption MultiTopicMode::title() const {
    return {TextKind::Message, title_message(selection)};
}

void MultiTopicMode::set_up() {
    w_.FormShow(row_);
}

void MultiTopicMode::new_exercise() {
    w_.start_exercise(*this);
}

void MultiTopicMode::rekenstap() {
    w_.next_step(*this);
}

TopicChoices MultiTopicMode::next_choices(int level) const {
    TopicChoices c{level, selection.topic_code, selection.category_code};
    if (row_.topic != kAnyCode) c.topic = row_.topic;
    if (row_.category != kAnyCode) c.category = row_.category;
    return routines_.draw ? routines_.draw(c) : c;
}

}  // namespace cifrala
