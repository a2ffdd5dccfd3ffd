#pragma once
// The program's windows, created once at start-up in a fixed order and kept
// until the program ends, and the start-up sequence around the menu's run.
#include <map>
#include <memory>

#include "app/menu_table.h"

class QWidget;

namespace cifrala {

class TAboutBox;
class TAlle_rekenoefeningenForm;
class TGrootMessageForm;
class THelpForm;
class TtekeningForm;
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
    // The catalogue's practice windows made before (or after) the menu.
    void create_practice_windows(bool before_menu, QWidget* parent);
    void wire_menu();

    StartOptions options_;
    std::unique_ptr<QWidget> main_form_;  // owns every window but the start-up window
    TAboutBox* about_ = nullptr;
    THelpForm* help_ = nullptr;
    TGrootMessageForm* big_message_ = nullptr;
    TAlle_rekenoefeningenForm* menu_ = nullptr;
    std::map<Target, PracticeWindow*> practice_;
    TtekeningForm* explanation_ = nullptr;
};

}  // namespace cifrala
