#pragma once
// Every registered practice window with every built mode it serves, as the
// shared tests go through them: the window is made as the program makes it
// and opened as the menu opens it for the mode's topic.
#include <QString>
#include <memory>
#include <vector>

#include "practice/common/practice_window.h"

namespace cifrala::testing {

struct WindowCase {
    QString window;  // the window's registered name
    QString mode;    // the mode's name
    int topic = 0;
    int category = 0;
    bool judged = false;
    std::string label() const { return (window + QLatin1Char('/') + mode).toStdString(); }
};

// One case per built mode of every registered window.
std::vector<WindowCase> window_cases();

// A fresh window of that case's kind, with pauses taking no time.
std::unique_ptr<PracticeWindow> make_window(const WindowCase& c);

// The selection values with which the menu opens the case's mode.
void select(const WindowCase& c);

}  // namespace cifrala::testing
