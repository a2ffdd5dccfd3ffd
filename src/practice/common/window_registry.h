#pragma once
// The practice windows of the program, as the catalogue registers them: what
// each is for the menu, how it is made and when the program makes it.
#include <QString>
#include <functional>
#include <vector>

#include "practice/common/targets.h"

class QWidget;

namespace cifrala {

class PracticeWindow;

struct PracticeWindowEntry {
    Target target = Target::None;
    QString name;              // a short name for tests and diagnostics
    bool before_menu = false;  // made before the menu window (and then put on top of it)
    std::function<PracticeWindow*(QWidget* parent)> create;
};

// In the order of registration, which is the order in which the program
// makes the windows.
void register_practice_window(PracticeWindowEntry entry);
const std::vector<PracticeWindowEntry>& practice_window_entries();

}  // namespace cifrala
