#pragma once
// The program's windows, created once at start-up in a fixed order and kept
// until the program ends, and the start-up sequence around the menu's run.
#include <memory>

#include "app/menu_table.h"

class QWidget;

namespace cifrala {

class TAboutBox;
class TAlle_rekenoefeningenForm;
class TGrootMessageForm;
class THelpForm;
class TbreukenoefenenForm;
class TStaartdeelForm;
class TtekeningForm;
class TverhoudingenForm;
class PracticeWindow;

struct StartOptions {
    bool splash = true;        // show the start-up window for 2000 ms
    bool maintenance = false;  // show the maintenance commands in the menu
};

class Program {
public:
    explicit Program(const StartOptions& options);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the menu modally; returns when the pupil stops.
    int run();

    TAlle_rekenoefeningenForm* menu() const { return menu_; }

private:
    void create_windows();
    void wire_menu();
    // Practice windows open on top of the menu and move their bottom row with
    // the screen calibration.
    void add_practice_window(Target target, PracticeWindow* window);

    StartOptions options_;
    std::unique_ptr<QWidget> main_form_;  // owns every window but the start-up window
    TAboutBox* about_ = nullptr;
    THelpForm* help_ = nullptr;
    TGrootMessageForm* big_message_ = nullptr;
    TAlle_rekenoefeningenForm* menu_ = nullptr;
    TbreukenoefenenForm* fractions_ = nullptr;
    TverhoudingenForm* ratios_ = nullptr;
    TStaartdeelForm* division_ = nullptr;
    TtekeningForm* explanation_ = nullptr;
};

}  // namespace cifrala
