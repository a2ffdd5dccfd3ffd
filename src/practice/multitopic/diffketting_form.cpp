#include "practice/multitopic/diffketting_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <algorithm>

#include "drawing/explanation/tekening_form.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/multitopic/multitopic_mode.h"
#include "practice/multitopic/multitopic_style.h"
#include "practice/multitopic/multitopic_texts.h"
#include "practice/multitopic/topic_routines.h"
#include "text/help.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala {

using namespace topic_controls;
using namespace multitopic_messages;

namespace {

constexpr int kBottomRow = 683;
constexpr int kCoverDistance = 80;

PracticeWindowConfig diffketting_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::MultiTopic;
    c.class_name = QStringLiteral("TdiffkettingForm");
    c.title = QStringLiteral("Cifrala");
    c.surface_rect = QRect(1, 1, 1014, 678);
    c.surface_style = diffketting_style(kAnyCode, kAnyCode, 26, false);
    c.cover_distance = kCoverDistance;
    c.cover_drag_limit = 0;  // the pupil may drag it up to the worksheet's top edge
    c.cover_sheet_name = QStringLiteral("Panel1");
    return c;
}

// Topics that do not open the explanation window by themselves.
bool without_explanation(int topic) {
    static const int topics[] = {8, 27, 34, 35, 36, 38, 43, 44, 63, 64, 65};
    return std::find(std::begin(topics), std::end(topics), topic) != std::end(topics);
}

}  // namespace

TdiffkettingForm::TdiffkettingForm(QWidget* parent) : PracticeWindow(diffketting_config(), parent) {
    surface().stored_line_unit = 62;
    surface().set_pen(3, Qt::black);
    surface().clearimage();

    create_type_lists();
    create_option_controls();
    create_structure_group();
    create_strips_and_cloud();
    map_roles();
    fill_calibration_table();

    root_table_ = load_root_table();
    add_modes();
    GroupBox2->hide();
    Panel5->hide();
    Button2->hide();
}

TdiffkettingForm::~TdiffkettingForm() = default;

void TdiffkettingForm::add_modes() {
    for (const TopicRow& row : topic_rows()) {
        const TopicRoutines* routines = find_topic_routines(row.name);
        std::unique_ptr<PracticeMode> mode;
        if (routines && routines->make_worker && (!row.needs_root_table || root_table_.loaded()))
            mode = std::make_unique<MultiTopicMode>(*this, row, *routines);
        add_mode(row.name, row.topic, row.category, std::move(mode));
    }
}

// --- the menu ---

void TdiffkettingForm::apply_preset(Preset preset) {
    switch (preset) {
        case Preset::MethodListMessage1901:
            ComboBox4->setCurrentText(msg(kMethodSchool));
            return;
        case Preset::MethodListMessage1900:
            ComboBox4->setCurrentText(msg(kMethodEconomics));
            return;
        case Preset::ShowPanel8:
            Panel8->show();
            Panel8->raise();
            return;
        case Preset::FunctionTypeSinusoid:
            ComboBox5->setCurrentIndex(2);
            return;
        default:
            return;
    }
}

QString TdiffkettingForm::unavailable_caption(int topic, int category) const {
    const ModeRow* r = modes().find(topic, category);
    const TopicRow* row = r ? find_topic_row(r->name) : nullptr;
    if (!row || !row->needs_root_table || root_table_.loaded()) return {};
    return msg(root_table_.status == RootTable::Missing ? kRootTableMissing : kRootTableDamaged);
}

// --- state ---

MultiTopicMode* TdiffkettingForm::topic_mode() const {
    return dynamic_cast<MultiTopicMode*>(mode());
}

const TopicWorker* TdiffkettingForm::topic_worker() const {
    const MultiTopicMode* m = topic_mode();
    return m ? &m->topic_worker() : nullptr;
}

int TdiffkettingForm::list_value(const QComboBox* box) {
    static const QRegularExpression leading(QStringLiteral("^\\s*(\\d+)"));
    const QRegularExpressionMatch m = leading.match(box->currentText());
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// --- showing ---

void TdiffkettingForm::use_topic_style(const TopicRow& row, int topic, int category) {
    Surface& s = surface();
    const SurfaceStyle style = diffketting_style(topic, category, row.font_size, row.courier);
    s.set_style(style);
    s.set_font(style.font);
    s.stored_line_unit = row.line_unit;
    s.measure_only = false;
}

void TdiffkettingForm::FormShow(const TopicRow& row) {
    CheckBox8->hide();
    help_button->setVisible(!Panel8->isVisibleTo(this));
    use_topic_style(row, selection.topic_code, selection.category_code);
    surface().clearimage();
    settings_while_shown().set_decimals(2);
    msg_number = -1;
    if (row.topic == 63) {
        GroupBox3->show();
        level_group->hide();
    }
    if (row.topic == 24 || row.topic == 35) {
        settings_while_shown().set_fixed_decimals(true);
        settings_while_shown().set_exact_fractions(false);
        settings_while_shown().set_exact_roots(false);
        ComboBox3->setCurrentIndex(std::clamp(number_settings.decimals, 0, 8));
    }
    show_topic_controls(row);
    Button1->show();
    Button2->hide();
}

void TdiffkettingForm::show_topic_controls(const TopicRow& row) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             ComboBox1, ComboBox2, ComboBox4, ComboBox5, ComboBox6, ComboBox7, ComboBox8, ComboBox9,
             Panel5, Panel6, Panel7, GroupBox2, GroupBox5, CheckBox3, CheckBox7, CheckBox6})
        w->hide();
    level_group->show();
    copy_button->show();
    const unsigned c = row.controls;
    const std::pair<unsigned, std::vector<QWidget*>> lists[] = {
        {kSinusoidTypes, {ComboBox1}},
        {kOperations, {ComboBox2}},
        {kPercentMethods, {ComboBox4}},
        {kFunctionTypes, {ComboBox5}},
        {kDomainTypes, {ComboBox6}},
        {kSolveTypes, {ComboBox7}},
        {kSymmetryTypes, {ComboBox8, ComboBox9}},
        {kSequenceTypes, {Panel6, Panel7}}};
    bool any_list = false;
    for (const auto& [flag, widgets] : lists) {
        if (!(c & flag)) continue;
        any_list = true;
        for (QWidget* w : widgets)
            w->show();
    }
    if (c & kNoLevel) level_group->hide();
    if (c & kApproach) GroupBox5->show();
    if (c & kLinearOptions) {
        CheckBox3->show();
        CheckBox6->show();
    }
    if (c & kExact) CheckBox8->show();
    if (c & kStructure) GroupBox3->show();
    if (c & kBottomStrip) {
        Panel8->show();
        Panel8->raise();
        Button3->raise();
    }
    if (c & kNoHelp) help_button->hide();
    if (c & kNoCopy) copy_button->hide();
    if (c & kDecimals) {
        const int top =
            calibrated_bottom < 0 ? (row.topic == 35 ? 642 : kBottomRow + 1) : Panel5->y();
        Panel5->move(row.topic == 35 ? 786 : 410, top);
        Panel5->show();
        Panel5->raise();
    }
    if (row.topic == 33) {
        if (!selection.function_type_preset) ComboBox5->setCurrentIndex(0);
        const int type = list_value(ComboBox5);
        if (type >= 3 && type <= 5) level_group->hide();
    }
    if (any_list) {
        place_type_group();
        GroupBox2->show();
        GroupBox2->raise();
    }
}

void TdiffkettingForm::showing() {
    sequence().cancel();
    hide_floating_panels();
    hide_cover_sheet();
    if (start_on_show_ && mode()) Button1Click();
}

// --- an exercise ---

bool TdiffkettingForm::opens_explanation(int topic) const {
    if (!isVisible()) return false;
    return topic == 33 || (program_options.show_theory_windows && !without_explanation(topic));
}

// On a screen larger than the window's design the card at the lower right
// corner would lie over the bottom row of controls ("Stop" among them): it
// goes up until it is clear of them.
void TdiffkettingForm::keep_card_off_the_buttons(QWidget& card) const {
    const QRect row(mapToGlobal(QPoint(0, Button1->y() - 4)),
                    QSize(width(), Button1->height() + 8));
    const QRect at = card.frameGeometry();
    if (!at.intersects(row)) return;
    card.move(card.x(), std::max(0, row.top() - at.height() - 2));
}

void TdiffkettingForm::focus_next() {
    if (step_available()) {
        Button2->setFocus();
    } else if (next_available()) {
        Button1->setFocus();
    }
}

void TdiffkettingForm::start_exercise(MultiTopicMode& mode) {
    structure_ = RadioButton4->isChecked() ? 1 : 2;
    functions_ = RadioButton6->isChecked() ? 1 : RadioButton7->isChecked() ? 2 : 3;
    GroupBox3->hide();
    Panel12->hide();
    if (selection.topic_code == 25) selection.topic_code = 1;
    const TopicChoices choices = mode.next_choices(level());
    if (choices.topic != selection.topic_code) selection.topic_code = choices.topic;
    hide_explanation_window();
    use_topic_style(mode.row(), choices.topic, choices.category);
    surface().clearimage();
    TopicWorker& worker = mode.topic_worker();
    worker.parameter_count = 0;
    worker.generate(choices);
    if (choices.topic != 34 && choices.topic != 35) worker.show_step();
    if (opens_explanation(choices.topic)) {
        TtekeningForm* card = explanation_window();
        card->set_reference_window(this);
        // The card comes beside the worksheet; the keys stay with the window.
        card->setAttribute(Qt::WA_ShowWithoutActivating);
        const TopicWorker* w = &worker;
        card->show_for(this, [w] { return w->explanation_values(); });
        keep_card_off_the_buttons(*card);
        activateWindow();
    }
    if (!worker.finished) show_step_button();
    focus_next();
}

void TdiffkettingForm::next_step(MultiTopicMode& mode) {
    Button1->hide();
    mode.topic_worker().rekenstap();
    focus_next();
    if (explanation_window_visible()) explanation_window()->raise();
}

void TdiffkettingForm::hint(int message, int row) {
    if (row > 0) {
        surface().toonhint_with(diffketting_hint_row(), message, row);
        return;
    }
    const TopicWorker* w = topic_worker();
    if (message > 0 && w && w->parameter_count > 0) {
        if (hint_check->isChecked())
            surface().toonhinttxt_with(surface().style().hint, msg(message) + msg_param1);
        return;
    }
    PracticeWindow::hint(message, row);
}

// --- closing ---

void TdiffkettingForm::closing() {
    selection.chain_rule_choice = -1;
    selection.integration_kind = -1;
    selection.category_code = -1;
    selection.topic_code = -1;
    hide_explanation_window();
    for (QWidget* w : std::initializer_list<QWidget*>{GroupBox2, CheckBox3, CheckBox6, Panel5,
                                                      Panel6, Panel7, Panel8, Panel12, Label12})
        w->hide();
    level_group->show();
    Edit13->setEnabled(true);
}

void TdiffkettingForm::reject() {
    GroupBox3->hide();
    PracticeWindow::reject();
}

}  // namespace cifrala
