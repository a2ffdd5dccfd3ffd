#include "practice/multitopic/topic_routines.h"

#include <map>

namespace cifrala {

namespace {

std::map<QString, TopicRoutines>& routines() {
    static std::map<QString, TopicRoutines> r;
    return r;
}

}  // namespace

void register_topic_routines(const QString& row_name, TopicRoutines r) {
    routines()[row_name] = std::move(r);
}

const TopicRoutines* find_topic_routines(const QString& row_name) {
    auto it = routines().find(row_name);
    return it == routines().end() ? nullptr : &it->second;
}

}  // namespace cifrala
