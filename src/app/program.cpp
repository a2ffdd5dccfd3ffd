#include "app/program.h"

#include <QApplication>
#include <QWidget>

#include "app/about_box.h"
#include "app/menu_form.h"
#include "drawing/explanation/tekening_form.h"
#include "practice/catalogue.h"
#include "practice/common/practice_window.h"
#include "practice/common/window_registry.h"
#include "practice/lens/lens_form.h"
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
    register_catalogue();
    create_practice_windows(true, main_form_.get());
    big_message_ = new TGrootMessageForm(main_form_.get());
    install_big_message_window(big_message_);
    menu_ = new TAlle_rekenoefeningenForm(options_.maintenance, main_form_.get());
    create_practice_windows(false, menu_);
    // The explanation window comes after the practice windows that open it.
    explanation_ = new TtekeningForm(main_form_.get());
    // Windows made before the menu open on top of it as well.
    for (const auto& [target, window] : practice_)
        if (window->parentWidget() != menu_) window->setParent(menu_, window->windowFlags());

    about_->hide();
    calculator();
}

void Program::create_practice_windows(bool before_menu, QWidget* parent) {
    for (const PracticeWindowEntry& e : practice_window_entries())
        if (e.before_menu == before_menu && e.create) practice_[e.target] = e.create(parent);
}

void Program::wire_menu() {
    // Practice windows open on top of the menu, take the menu's presets and
    // move their bottom row with the screen calibration.
    for (const auto& [target, window] : practice_) {
        PracticeWindow* w = window;
        menu_->set_target_window(target, w);
        menu_->set_preset_handler(target, [w](Preset preset) { w->apply_preset(preset); });
        menu_->add_calibration_listener([w](int bottom) { w->apply_calibration(bottom); });
    }
    menu_->set_unavailable_query([this](const MenuButton& b) {
        auto it = practice_.find(b.target);
        return it == practice_.end() ? QString()
                                     : it->second->unavailable_caption(b.topic, b.category);
    });
    auto division = practice_.find(Target::LongDivision);
    if (division != practice_.end()) {
        auto* d = static_cast<TStaartdeelForm*>(division->second);
        menu_->set_division_bites_query([d] { return d->bites_chosen(); });
    }
    auto lens = practice_.find(Target::Lens);
    if (lens != practice_.end()) {
        // A language chosen in the menu: the lens window takes its letters
        // and its diagram's defaults again.
        auto* l = static_cast<TLenzenForm*>(lens->second);
        menu_->add_language_confirm_listener([l] { l->set_up_again(); });
    }
    auto ratios = practice_.find(Target::Ratios);
    if (ratios != practice_.end()) {
        // The ratio window's own buttons: the calculator costs a step there.
        auto* r = static_cast<TverhoudingenForm*>(ratios->second);
        route_tool_shortcut(r, Tool::Calculator, [r] { r->SpeedButton7Click(); });
        route_tool_shortcut(r, Tool::Keyboard, [r] { r->SpeedButton8Click(); });
    }
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
