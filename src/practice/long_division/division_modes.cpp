#include "practice/long_division/division_modes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "practice/common/floating_panel.h"
#include "practice/long_division/division_style.h"
#include "practice/long_division/long_division_form.h"
#include "util/selection.h"

namespace cifrala {

using namespace division_messages;

namespace {

constexpr int kHelpDivision = 699;
constexpr int kHelpEmployment = 726;  // topic 54
constexpr int kHelpBigNumbers = 727;  // topic 55

void use_style(Surface& s, const SurfaceStyle& style) {
    s.set_style(style);
    s.set_font(style.font);
    s.clearimage();
}

}  // namespace

// --- long division ---

DivisionMode::DivisionMode(TStaartdeelForm& window) : classic(window), chunks(window), w_(window) {}

Caption DivisionMode::title() const {
    return {TextKind::Message, kTitle};
}

int DivisionMode::help_page() const {
    return kHelpDivision;
}

const StepWorker* DivisionMode::worker() const {
    if (chunk_method) return &chunks;
    return &classic;
}

void DivisionMode::set_up() {
    w_.topic_ = 42;
    selection.topic_code = 42;
    use_style(w_.surface(), division_style(false));
    w_.SpeedButton4->setVisible(selection.previous_exercise_stored && previous);
    w_.SpeedButton5->setVisible(true);
}

void DivisionMode::take_method() {
    if (w_.GroupBox2->isVisibleTo(&w_)) {
        chunk_method = w_.RadioButton4->isChecked();
        both_method = w_.RadioButton6->isChecked();
    } else {
        chunk_method = selection.division_in_bites;
        both_method = false;
    }
}

void DivisionMode::prepare_surface() {
    use_style(w_.surface(), division_style(chunk_method));
}

void DivisionMode::new_exercise() {
    w_.stop_working();
    w_.CheckBox3->setChecked(false);
    hide_explanation_window();
    take_method();
    if (selection.previous_exercise_stored && started_) {
        previous = current;
        w_.SpeedButton4->show();
    }
    w_.GroupBox3->hide();
    w_.hide_cover_sheet();
    w_.Panel4->hide();
    current = generate_division(w_.level());
    prepare_surface();
    begin(current, QStringLiteral(" = ?"));
}

void DivisionMode::begin(const Division& d, const QString& line_end) {
    started_ = true;
    w_.surface().my_textout(int_text(d.dividend) + QStringLiteral(" : ") + int_text(d.divisor) +
                            line_end);
    w_.show_step_button();
    w_.SpeedButton5->show();
    if (chunk_method) {
        chunks.start(d);
    } else {
        w_.surface().toonhint(kStart, 0);
        classic.start(d, both_method);
        selection.previous_exercise_stored = true;
    }
    w_.times_table_divisor_ = d.divisor;
    w_.CheckBox3->show();
    if (w_.CheckBox3->isChecked()) w_.show_times_table();
    w_.after_step();
}

void DivisionMode::rekenstap() {
    if (!w_.sequence().idle()) return;
    if (chunk_method) {
        chunks.rekenstap();
        w_.after_step();
        return;
    }
    classic.rekenstap();
}

void DivisionMode::previous_again() {
    if (!previous) return;
    w_.stop_working();
    current = *previous;
    w_.SpeedButton4->hide();
    w_.GroupBox3->hide();
    w_.hide_cover_sheet();
    w_.Panel4->hide();
    prepare_surface();
    begin(current, chunk_method ? QStringLiteral(" = ?") : QStringLiteral(" ="));
}

void DivisionMode::own_exercise(const Division& d) {
    w_.stop_working();
    w_.CheckBox3->setChecked(false);
    hide_explanation_window();
    take_method();
    current = d;
    prepare_surface();
    begin(current, QStringLiteral(" = ?"));
    w_.GroupBox3->hide();
    w_.hide_cover_sheet();
    w_.Panel4->hide();
    w_.Panel3->hide();
    w_.SpeedButton5->hide();
    w_.times_table_divisor_ = current.divisor;
    w_.CheckBox3->show();
}

// --- the word problems ---

WordProblemMode::WordProblemMode(TStaartdeelForm& window, int topic)
    : w_(window), topic_(topic), worker_(window) {}

Caption WordProblemMode::title() const {
    return {TextKind::Message, topic_ == 54 ? kTitleEmployment : kTitleBigNumbers};
}

int WordProblemMode::help_page() const {
    return topic_ == 54 ? kHelpEmployment : kHelpBigNumbers;
}

void WordProblemMode::set_up() {
    w_.topic_ = topic_;
    use_style(w_.surface(), word_problem_style(topic_));
    w_.SpeedButton4->setVisible(false);
    w_.SpeedButton5->setVisible(false);
}

void WordProblemMode::new_exercise() {
    w_.stop_working();
    w_.Panel4->hide();
    w_.SpeedButton5->hide();
    use_style(w_.surface(), word_problem_style(topic_));
    BigNumbersExercise e = generate_big_numbers(topic_);
    if (forced_variant >= 0 && forced_variant <= 2) e = with_variant(e, forced_variant);
    worker_.start(e);
    w_.show_step_button();
    if (w_.isVisible())
        explanation_window()->show_for(&w_, [this] { return w_.explanation_values(); });
    w_.after_step();
}

void WordProblemMode::rekenstap() {
    if (!w_.sequence().idle()) return;
    worker_.rekenstap();
    w_.after_step();
}

}  // namespace cifrala
