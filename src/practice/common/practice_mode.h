#pragma once
// A window that serves several topics does so through modes: one mode per
// topic (or group of topics), each with its title, help page, the set-up of
// the surfaces and controls it needs, and its new exercise and step. A table
// keyed by the topic and category codes of the menu chooses the mode each
// time the window is shown (PracticeWindow::add_mode). A window that serves
// one topic has a single mode.
#include <QString>
#include <climits>
#include <functional>
#include <memory>
#include <vector>

#include "text/translation.h"

namespace cifrala {

class StepWorker;

// A topic or category code that any value matches.
inline constexpr int kAnyCode = INT_MIN;

// A caption that follows the language: an entry of a control-text file
// (TextKind::Window: file 3) or a message (TextKind::Message).
struct Caption {
    TextKind kind = TextKind::Message;
    int number = 0;
};

class PracticeMode {
public:
    virtual ~PracticeMode() = default;

    virtual Caption title() const = 0;
    virtual int help_page() const = 0;
    // Each time the window is shown for this mode, before anything else:
    // surfaces, styles and the controls the mode shows.
    virtual void set_up() = 0;
    virtual void new_exercise() = 0;
    virtual void rekenstap() = 0;
    // The worker of the exercise on the sheet, whose step counter the window
    // shows (nullptr while there is none).
    virtual const StepWorker* worker() const = 0;
    // The mode judges typed answers instead of working an exercise out.
    virtual bool judged() const { return false; }
    // The calculator would give the answers away (a test of times tables,
    // estimating, the operator game): the window refuses it in this mode.
    virtual bool refuses_calculator() const { return false; }
};

// A mode made of functions, for windows whose work lives in the window.
struct ModeFunctions {
    Caption title;
    int help_page = 0;
    bool judged = false;
    std::function<void()> set_up;
    std::function<void()> new_exercise;
    std::function<void()> rekenstap;
    std::function<const StepWorker*()> worker;
};
std::unique_ptr<PracticeMode> make_mode(ModeFunctions functions);

// One row of a window's mode table.
struct ModeRow {
    QString name;  // a short name for tests, the render mode and diagnostics
    int topic = kAnyCode;
    int category = kAnyCode;
    PracticeMode* mode = nullptr;  // nullptr: the topic is not built yet
};

class ModeTable {
public:
    void add(ModeRow row) { rows_.push_back(std::move(row)); }
    // The row for these codes: one that names both, else one that names the
    // topic, else one for any topic; nullptr when none fits.
    const ModeRow* find(int topic, int category) const;
    // The codes have a row whose mode is built.
    bool available(int topic, int category) const;
    const std::vector<ModeRow>& rows() const { return rows_; }

private:
    std::vector<ModeRow> rows_;
};

}  // namespace cifrala
