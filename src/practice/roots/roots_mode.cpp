#include "practice/roots/roots_mode.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "practice/common/floating_panel.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_texts.h"
#include "text/help.h"
#include "util/selection.h"

namespace cifrala {

namespace {

constexpr int kTopic = 22;

void raise_explanation_window() {
    if (explanation_window_visible()) explanation_window()->raise();
}

}  // namespace

RootsMode::RootsMode(TwortelsherleidenForm& window)
    : RootsTopicMode(window, {roots_messages::kTitle, roots_tags::kHelpPage}) {}

void RootsMode::set_up() {
    // Any topic the window has no mode for is worked as this one.
    selection.topic_code = kTopic;
    w_.set_frame(RootsFrame{kRootsWorksheetWithHints, true});
    forget_hint();
    w_.hint_check->show();
}

void RootsMode::new_exercise() {
    begin(generate_roots_exercise(w_.level()));
}

void RootsMode::begin(const RootsExercise& e) {
    w_.sequence().cancel();
    w_.Panel2->hide();
    worker_.start(e);
    w_.show_step_button();
    w_.GroupBox2->show();
    if (program_options.show_theory_windows && w_.isVisible()) {
        explanation_window()->show_for(&w_, [] { return QVariantMap{}; });
        // The keys stay with the exercise.
        w_.activateWindow();
    }
    w_.Button1->setFocus();
}

void RootsMode::rekenstap() {
    if (!w_.sequence().idle()) return;
    w_.Button1->hide();
    w_.Button2->setFocus();
    worker_.rekenstap();
    if (w_.Button1->isVisibleTo(&w_)) w_.Button1->setFocus();
    raise_explanation_window();
}

}  // namespace cifrala
