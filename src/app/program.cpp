#include "app/program.h"

#include <QApplication>
#include <QWidget>

#include "app/about_box.h"
#include "app/menu_form.h"
#include "drawing/explanation/tekening_form.h"
#include "practice/fractions/fractions_form.h"
#include "practice/long_division/long_division_form.h"
#include "practice/ratios/ratios_form.h"
#include "text/big_message_form.h"
#include "text/help.h"
#include "text/help_form.h"
#include "text/language.h"
#include "text/qt_translations.h"
#include "text/translation.h"
#include "tools/tool_shortcuts.h"
#include "tools/tools.h"
#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala {
namespace {
constexpr int kStartupWaitMs = 2000;
}

Program::Program(const StartOptions& options) : options_(options) {
    // No application display name: the platform would add it to every
    // window's caption, and the narrow floating windows (the keyboard) then
    // show their own name cut off. The menu's caption is the product name.
    create_windows();
    wire_menu();
    if (language_index != 0) {
        apply_language();
    } else {
        apply_qt_translations(language_index);  // the windows are designed in Dutch
    }
}

Program::~Program() {
    destroy_tools();
}

void Program::create_windows() {
    // The main window owns the others and is never shown.
    main_form_ = std::make_unique<QWidget>();
    main_form_->setObjectName(QStringLiteral("MainForm"));
    main_form_->setWindowTitle(QStringLiteral("cifrala"));
    language_index = 0;
    init_number_settings();
    seed_random_from_clock();

    about_ = new TAboutBox(nullptr);
    about_->setAttribute(Qt::WA_DeleteOnClose);
    about_->start(options_.splash ? kStartupWaitMs : 0);

    keyboard();
    help_ = help_form();
    ratios_ = new TverhoudingenForm(main_form_.get());
    big_message_ = new TGrootMessageForm(main_form_.get());
    install_big_message_window(big_message_);
    menu_ = new TAlle_rekenoefeningenForm(options_.maintenance, main_form_.get());
    fractions_ = new TbreukenoefenenForm(menu_);
    division_ = new TStaartdeelForm(menu_);
    // The explanation window comes after the practice windows that open it.
    explanation_ = new TtekeningForm(main_form_.get());
    // Windows made before the menu open on top of it as well.
    ratios_->setParent(menu_, ratios_->windowFlags());

    about_->hide();
    calculator();
}

void Program::add_practice_window(Target target, PracticeWindow* window) {
    menu_->set_target_window(target, window);
    menu_->add_calibration_listener([window](int bottom) { window->apply_calibration(bottom); });
}

void Program::wire_menu() {
    add_practice_window(Target::Fractions, fractions_);
    add_practice_window(Target::Ratios, ratios_);
    add_practice_window(Target::LongDivision, division_);
    menu_->set_preset_handler(Target::LongDivision, [this](Preset preset) {
        if (preset == Preset::LongDivisionShowOptions) division_->show_division_options();
        if (preset == Preset::LongDivisionHideOptions) division_->hide_division_options();
    });
    menu_->set_division_bites_query([this] { return division_->bites_chosen(); });
    menu_->set_preset_handler(Target::Ratios, [this](Preset preset) {
        if (preset == Preset::RatiosNewExercise) ratios_->preset_new_exercise();
    });
    // The ratio window's own buttons: the calculator costs a step there.
    route_tool_shortcut(ratios_, Tool::Calculator, [this] { ratios_->SpeedButton7Click(); });
    route_tool_shortcut(ratios_, Tool::Keyboard, [this] { ratios_->SpeedButton8Click(); });
}

int Program::run() {
    if (about_) {
        about_->close();  // destroyed when the menu is first shown
        about_ = nullptr;
    }
    menu_->first_show();
    menu_->exec();
    close_help();
    return 0;
}

}  // namespace cifrala
