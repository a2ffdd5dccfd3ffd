#include "practice/common/window_cases.h"

#include <set>

#include "practice/common/window_registry.h"
#include "util/selection.h"

namespace cifrala::testing {

namespace {

const PracticeWindowEntry* entry(const QString& name) {
    for (const PracticeWindowEntry& e : practice_window_entries())
        if (e.name == name) return &e;
    return nullptr;
}

// A code the row matches (a row for any code takes 0).
int code(int row_code) {
    return row_code == kAnyCode ? 0 : row_code;
}

}  // namespace

std::vector<WindowCase> window_cases() {
    std::vector<WindowCase> out;
    for (const PracticeWindowEntry& e : practice_window_entries()) {
        std::unique_ptr<PracticeWindow> w(e.create(nullptr));
        std::set<const PracticeMode*> seen;
        for (const ModeRow& r : w->modes().rows()) {
            if (!r.mode || !seen.insert(r.mode).second) continue;
            out.push_back({e.name, r.name, code(r.topic), code(r.category), r.mode->judged()});
        }
    }
    return out;
}

std::unique_ptr<PracticeWindow> make_window(const WindowCase& c) {
    const PracticeWindowEntry* e = entry(c.window);
    if (!e) return nullptr;
    std::unique_ptr<PracticeWindow> w(e->create(nullptr));
    w->sequence().instant = true;
    return w;
}

void select(const WindowCase& c) {
    selection.topic_code = c.topic;
    selection.category_code = c.category;
    selection.previous_exercise_stored = false;
}

}  // namespace cifrala::testing
