#pragma once
// The routines the topics of the multi-topic window are worked with, by the
// name of their row in the topic table (topic_table.h). Each topic group
// registers its routines (topics/*.h); a row without routines is a topic
// that is not built yet, and the menu says so.
#include <QString>
#include <functional>
#include <memory>

#include "practice/multitopic/topic_worker.h"

namespace cifrala {

struct TopicRoutines {
    // The worker that generates and works the topic's exercises.
    std::function<std::unique_ptr<TopicWorker>(StepHost& host)> make_worker;
    // For a topic that draws its variant anew for every exercise (all
    // chain-rule variants): the topic and category codes of the next
    // exercise. Empty: the selection's codes.
    std::function<TopicChoices(const TopicChoices& from_menu)> draw;
};

// A later registration under the same name replaces the earlier one.
void register_topic_routines(const QString& row_name, TopicRoutines routines);
const TopicRoutines* find_topic_routines(const QString& row_name);

}  // namespace cifrala
