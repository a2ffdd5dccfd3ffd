#include "practice/common/window_registry.h"

#include <algorithm>

namespace cifrala {

namespace {

std::vector<PracticeWindowEntry>& entries() {
    static std::vector<PracticeWindowEntry> e;
    return e;
}

}  // namespace

void register_practice_window(PracticeWindowEntry entry) {
    auto& e = entries();
    std::erase_if(e, [&](const PracticeWindowEntry& x) { return x.target == entry.target; });
    e.push_back(std::move(entry));
}

const std::vector<PracticeWindowEntry>& practice_window_entries() {
    return entries();
}

}  // namespace cifrala
