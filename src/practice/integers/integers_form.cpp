#include "practice/integers/integers_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/integers/arithmetic_mode.h"
#include "practice/integers/integers_style.h"
#include "practice/integers/number_line_panel.h"
#include "practice/integers/times_table_panel.h"
#include "practice/long_division/division_style.h"
#include "text/help.h"
#include "text/messages.h"
#include "text/notify.h"
#include "tools/key_sender.h"
#include "tools/keyboard_form.h"
#include "tools/tools.h"
#include "util/selection.h"

namespace cifrala {

using namespace integers_topic;

namespace {

// Text numbers of the window's own controls.
constexpr int kOperatorTags[4] = {2071, 2072, 2073, 2074};  // file 4
constexpr int kBracketsTag = 521;                           // file 8
constexpr int kLargerTag = 522;                             // file 8
constexpr int kPrimaryTag = 523;                            // file 8
constexpr int kFractionFormTag = 2253;                      // file 3
constexpr int kAnswerTag = 856;                             // file 5
constexpr int kGoTag = 2451;                                // file 3: "Reken uit"

// Messages.
constexpr int kNoPowersAtPrimaryLevel = 1767;
constexpr int kAnswerCaption = 1821;
constexpr int kOwnExample = 1820;

constexpr int kCoverDistance = 50;
constexpr int kSurfaceHeight = 658;
constexpr int kRowA = kSurfaceHeight + 5;
constexpr int kRowB = kRowA + 34;

PracticeWindowConfig integers_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::Integers;
    c.class_name = QStringLiteral("TGehele_getallen_Form");
    c.title = QStringLiteral("Gehele getallen");
    c.surface_rect = QRect(1, 1, 1014, kSurfaceHeight);
    c.surface_style = gehele_getallen_style(kArithmetic, 24);
    c.cover_distance = kCoverDistance;
    c.hint_check_name = QStringLiteral("CheckBox4");
    c.help_button_name = QStringLiteral("SpeedButton1");
    c.copy_button_name = QStringLiteral("SpeedButton3");
    c.save_button_name = QStringLiteral("SpeedButton4");
    c.cover_sheet_name = QStringLiteral("Panel1");
    c.next_caption = QStringLiteral("Volgende opgave");
    return c;
}

}  // namespace

TGehele_getallen_Form::TGehele_getallen_Form(QWidget* parent)
    : PracticeWindow(integers_config(), parent) {
    surface().set_pen(3, Qt::black);
    surface().clearimage();

    create_arithmetic_options();
    create_answer_box();
    create_own_exercise_panel();
    Panel5 = new NumberLinePanel(this, Image1->size());
    Panel8 = new TimesTablePanel(this);
    std::tie(Panel7, Image7) = add_cloud_panel(QStringLiteral("Panel7"), QStringLiteral("Image7"),
                                               QSize(440, 230), cloud_style());
    connect(Panel8, &TimesTablePanel::stop_requested, this, [this] { Button3Click(); });
    connect(Panel8, &TimesTablePanel::keyboard_requested, this, [this] {
        set_typing_target(this);
        // Below the score, where it covers no product (kept on the screen).
        keyboard()->show_at(Panel8->mapToGlobal(Panel8->keyboard_place()));
    });
    map_roles();
    layout_bottom_row();
    fill_calibration_table();

    // The topics in the order of the table, each with the mode its row
    // makes; those not built yet are registered without one, so the menu
    // says they are not available.
    for (const IntegersTopic& t : integers_topics())
        add_mode(t.name, t.code, kAnyCode, t.make_mode ? t.make_mode(*this) : nullptr);
    // The own exercise goes to integer arithmetic, whichever topic is shown.
    if (const ModeRow* row = modes().find(kArithmetic, kAnyCode))
        arithmetic_ = dynamic_cast<ArithmeticMode*>(row->mode);
    Button2->hide();
    add_language_listener(this, [this] { refresh_placeholder(); });
}

TGehele_getallen_Form::~TGehele_getallen_Form() = default;

IntegersMode* TGehele_getallen_Form::integers_mode() const {
    return static_cast<IntegersMode*>(mode());
}

// --- controls ---

void TGehele_getallen_Form::create_arithmetic_options() {
    level_group->setTitle(QStringLiteral("Moeilijkheidsgraad"));
    RadioButton4 = new QRadioButton(level_group);
    RadioButton4->setObjectName(QStringLiteral("RadioButton4"));
    level_group->layout()->addWidget(RadioButton4);
    add_option_control(RadioButton4);
    const char* const captions[4] = {"Optellen en aftrekken", "Ook vermenigvuldigen", "Ook delen",
                                     "Ook machten"};
    QRadioButton* operators[4] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (int i = 0; i < 4; ++i) {
        operators[i]->setText(QString::fromUtf8(captions[i]));
        register_text(operators[i], TextKind::RadioButton, kOperatorTags[i]);
    }
    RadioButton1->setChecked(true);

    auto check = [this](const QString& name, const QString& caption, int tag) {
        auto* c = new QCheckBox(caption, this);
        c->setObjectName(name);
        register_text(c, TextKind::CheckBox, tag);
        return c;
    };
    CheckBox5 = check(QStringLiteral("CheckBox5"), QStringLiteral("Ook haakjes"), kBracketsTag);
    CheckBox6 = check(QStringLiteral("CheckBox6"), QStringLiteral("Grotere getallen"), kLargerTag);
    CheckBox7 =
        check(QStringLiteral("CheckBox7"), QStringLiteral("Basisschoolniveau"), kPrimaryTag);
    CheckBox7->setToolTip(QStringLiteral("Geen negatieve uitkomsten"));
    add_option_control(CheckBox5);
    add_option_control(CheckBox6);
    add_shared_keys(CheckBox7);
    connect(CheckBox7, &QCheckBox::clicked, this, [this] {
        CheckBox7Click();
        option_click();
    });

    GroupBox2 = new QGroupBox(QStringLiteral("Breukvorm"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    register_text(GroupBox2, TextKind::GroupBox, kFractionFormTag);
    auto* row = new QHBoxLayout(GroupBox2);
    row->setContentsMargins(4, 0, 2, 2);
    row->setSpacing(6);
    RadioButton5 = new QRadioButton(QStringLiteral("a / b"), GroupBox2);
    RadioButton5->setObjectName(QStringLiteral("RadioButton5"));
    RadioButton8 = new QRadioButton(QStringLiteral("a   b / c"), GroupBox2);
    RadioButton8->setObjectName(QStringLiteral("RadioButton8"));
    for (QRadioButton* r : {RadioButton5, RadioButton8}) {
        row->addWidget(r);
        add_option_control(r);
    }
    RadioButton8->setChecked(true);
}

void TGehele_getallen_Form::create_answer_box() {
    Button7 = new QPushButton(QStringLiteral("Antwoord"), this);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button7->setAutoDefault(false);
    add_shared_keys(Button7);
    register_text(Button7, TextKind::Button, kAnswerTag);
    connect(Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
    Button7->hide();

    Groupbox5 = add_floating_panel(QStringLiteral("Groupbox5"));
    Groupbox5Caption = make_label(Groupbox5, QStringLiteral("Groupbox5Caption"), QString(), 9);
    Groupbox5Caption->setGeometry(8, 4, 300, 18);
    set_translated_caption(TranslatedWindow::Integers, Groupbox5Caption, TextKind::Message,
                           kAnswerCaption);
    Label44 = make_label(Groupbox5, QStringLiteral("Label44"), QString(), 24);
    Label44->setWordWrap(false);
    Label44->setGeometry(12, 26, 380, 44);
    Groupbox5->setGeometry(Image1->x() + Image1->width() - 430, Image1->y() + 60, 410, 80);
    // Closing the box brings "Volgende opgave" back.
    connect(Groupbox5, &FloatingPanel::hidden_by_pupil, this, [this] {
        Button1->show();
        after_step();
    });
}

void TGehele_getallen_Form::create_own_exercise_panel() {
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    SpeedButton2 =
        make_text_button(Panel3, QStringLiteral("SpeedButton2"), QStringLiteral("Eigen opgave"));
    register_text(SpeedButton2, TextKind::SpeedButton, practice_tags::kOwnExercise);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });

    Panel4 = add_floating_panel(QStringLiteral("Panel4"));
    Panel4->setGeometry(Image1->x() + 300, Image1->y() + 60, 640, 126);
    Edit1 = new QLineEdit(Panel4);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(make_font(QStringLiteral("Verdana"), 14, false));
    Edit1->setGeometry(10, 14, 440, 34);
    add_shared_keys(Edit1);
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { SpeedButton6Click(); });

    SpeedButton6 =
        make_text_button(Panel4, QStringLiteral("SpeedButton6"), QStringLiteral("Reken uit"));
    SpeedButton6->setFont(make_font(QStringLiteral("Verdana"), 10, true));
    SpeedButton6->setGeometry(460, 14, 140, 34);
    register_text(SpeedButton6, TextKind::SpeedButtonWithHint, kGoTag, true);
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });

    Label45 = make_label(Panel4, QStringLiteral("Label45"), QString(), 10);
    Label45->setStyleSheet(QStringLiteral("color: #c00000;"));
    Label45->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label45->setGeometry(10, 54, 610, 64);
    Label45->hide();
    refresh_placeholder();
}

void TGehele_getallen_Form::layout_bottom_row() {
    Button1->setGeometry(6, kRowA, 128, 30);
    Button2->setGeometry(138, kRowA, 106, 30);
    hint_check->setGeometry(252, kRowA + 6, 96, 18);
    Button7->setGeometry(350, kRowA, 92, 30);
    Panel3->setGeometry(448, kRowA, 114, 30);
    SpeedButton2->setGeometry(0, 0, 114, 30);
    CheckBox5->setGeometry(570, kRowA + 6, 112, 18);
    CheckBox6->setGeometry(684, kRowA + 6, 148, 18);
    help_button->setGeometry(838, kRowA, 30, 30);
    copy_button->setGeometry(870, kRowA, 30, 30);
    save_button->setGeometry(902, kRowA, 30, 30);
    Button3->setGeometry(938, kRowA, 72, 30);
    level_group->setGeometry(6, kRowB - 2, 556, 42);
    CheckBox7->setGeometry(570, kRowB + 14, 160, 18);
    GroupBox2->setGeometry(736, kRowB - 2, 190, 42);
}

void TGehele_getallen_Form::fill_calibration_table() {
    const int a = 42 + (kRowB - 2 - kRowA);
    std::vector<CalibratedControl> table;
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2, Button3, Button7, Panel3,
                                                      help_button, copy_button, save_button})
        table.push_back({w, a});
    for (QWidget* w : std::initializer_list<QWidget*>{hint_check, CheckBox5, CheckBox6})
        table.push_back({w, a - 6});
    table.push_back({level_group, 42});
    table.push_back({GroupBox2, 42});
    table.push_back({CheckBox7, 42 - 16});
    set_calibration_table(std::move(table));
}

void TGehele_getallen_Form::map_roles() {
    set_role(ControlRole::Answer, Button7);
    set_role(ControlRole::OwnExercise, Panel3);
    set_role(
        ControlRole::ResultBox, Groupbox5,
        [this](bool visible) {
            Groupbox5->setVisible(visible);
            if (visible) Groupbox5->raise();
        },
        [this](const QString& text) { Label44->setText(text); });
    set_role(ControlRole::Score, Panel8->Label33);
    set_role(ControlRole::Clock, Panel8->Gauge1);
    set_role(ControlRole::Cloud, Panel7);
}

void TGehele_getallen_Form::refresh_placeholder() {
    Edit1->setPlaceholderText(msg(kOwnExample));
}

// --- presets ---

void TGehele_getallen_Form::apply_preset(Preset preset) {
    // A topic button sets the topic code before its presets; presets of a
    // topic that was not shown are forgotten.
    if (presets_topic_ != selection.topic_code) {
        presets_.clear();
        presets_topic_ = selection.topic_code;
    }
    presets_.push_back(preset);
}

void TGehele_getallen_Form::take_presets() {
    if (presets_topic_ == opened_topic_) {
        for (Preset p : presets_) {
            switch (p) {
                case Preset::EstimateLabels:
                    hint_check->setChecked(true);
                    hint_check->hide();
                    help_button->hide();
                    break;
                case Preset::TimePresets:
                    Panel3->hide();
                    help_button->hide();
                    break;
                case Preset::WordProblemPresets:
                    RadioButton3->setChecked(true);
                    RadioButton8->setChecked(true);
                    hint_check->setChecked(true);
                    CheckBox5->setChecked(true);
                    CheckBox7->setChecked(true);
                    hint_check->hide();
                    help_button->hide();
                    break;
                case Preset::HidePanel3:
                    Panel3->hide();
                    break;
                default:
                    break;
            }
        }
    }
    presets_.clear();
    presets_topic_ = INT_MIN;
}

// --- integer arithmetic ---

ArithmeticOptions TGehele_getallen_Form::arithmetic_options() const {
    ArithmeticOptions o;
    o.operators = RadioButton4->isChecked()   ? ArithmeticOptions::Powers
                  : RadioButton3->isChecked() ? ArithmeticOptions::Divide
                  : RadioButton2->isChecked() ? ArithmeticOptions::Multiply
                                              : ArithmeticOptions::AddSubtract;
    o.brackets = CheckBox5->isChecked();
    o.larger = CheckBox6->isChecked();
    o.primary = CheckBox7->isChecked();
    return o;
}

ExpressionLayout TGehele_getallen_Form::expression_layout() const {
    ExpressionLayout l;
    l.mixed_numbers = RadioButton8->isChecked();
    l.primary = CheckBox7->isChecked();
    return l;
}

void TGehele_getallen_Form::show_arithmetic_options(bool shown) {
    for (QWidget* w : std::initializer_list<QWidget*>{level_group, CheckBox5, CheckBox6, CheckBox7})
        w->setVisible(shown);
    GroupBox2->setVisible(shown && !CheckBox7->isChecked());
}

void TGehele_getallen_Form::check_primary_level() {
    if (CheckBox7->isChecked() && RadioButton4->isChecked()) {
        RadioButton2->setChecked(true);
        show_message(msg(kNoPowersAtPrimaryLevel));
    }
    GroupBox2->setVisible(level_group->isVisibleTo(this) && !CheckBox7->isChecked());
}

void TGehele_getallen_Form::CheckBox7Click() {
    check_primary_level();
}

OwnExpression TGehele_getallen_Form::own_expression() {
    OwnExpression own = check_own_expression(Edit1->text());
    if (own.message == 0 && !ArithmeticWorker::fits(surface(), own.expression, expression_layout()))
        return {QString(), own_expression_messages::kTooLong};
    return own;
}

void TGehele_getallen_Form::Edit1Change() {
    if (Edit1->text().trimmed().isEmpty()) {
        SpeedButton6->setEnabled(false);
        Label45->hide();
        return;
    }
    const OwnExpression own = own_expression();
    SpeedButton6->setEnabled(own.message == 0);
    Label45->setText(own.message != 0 ? msg(own.message) : QString());
    Label45->setVisible(own.message != 0);
}

void TGehele_getallen_Form::SpeedButton2Click() {
    hide_cover_sheet();
    Button7->hide();
    hide_answer();
    Edit1->clear();
    SpeedButton6->setEnabled(false);
    Label45->hide();
    Panel4->show();
    Panel4->raise();
    Edit1->setFocus();
    raise_help();
}

void TGehele_getallen_Form::SpeedButton6Click() {
    if (!Panel4->isVisibleTo(this)) return;
    const OwnExpression own = own_expression();
    if (own.message != 0) {
        if (!Edit1->text().trimmed().isEmpty()) show_message(msg(own.message));
        Button7->hide();
        Edit1->setFocus();
        return;
    }
    Panel4->hide();
    arithmetic_->own_exercise(own.expression);
    raise_help();
}

void TGehele_getallen_Form::Button7Click() {
    const IntegersMode* m = integers_mode();
    const QString answer = m ? m->answer() : QString();
    if (answer.isEmpty()) return;
    Label44->setText(answer);
    Groupbox5->show();
    Groupbox5->raise();
    raise_help();
}

void TGehele_getallen_Form::hide_answer() {
    Groupbox5->hide();
}

void TGehele_getallen_Form::after_step() {
    if (Button1->isVisibleTo(this)) {
        Button1->setFocus();
    } else if (step_available()) {
        Button2->setFocus();
    }
    raise_help();
}

void TGehele_getallen_Form::use_topic_sheet(int topic, int font_size) {
    const SurfaceStyle style = gehele_getallen_style(topic, font_size);
    surface().set_style(style);
    surface().set_font(style.font);
    surface().clearimage();
}

// --- life cycle ---

void TGehele_getallen_Form::showing() {
    opened_topic_ = selection.topic_code;
    IntegersMode* m = integers_mode();
    const IntegersTopic topic = m ? m->topic() : IntegersTopic{};
    // What another topic left out.
    Panel8->stop();
    Panel8->hide();
    Panel5->hide();
    Button7->hide();
    hide_answer();
    hide_floating_panels();
    hide_cover_sheet();
    show_arithmetic_options(false);
    Panel3->setVisible(topic.own_exercise);
    hint_check->setVisible(topic.hint_check);
    help_button->setVisible(topic.help);
    const bool judged = m && m->judged();
    copy_button->setVisible(!judged);
    save_button->setVisible(!judged);
    use_topic_sheet(topic.code, topic.font_size);
    Button2->hide();
    Button1->show();
    if (m) m->showing();
    take_presets();
    set_typing_target(this);
    if (!Panel8->isVisible()) Button1->setFocus();
    if (start_on_show_ && m) m->new_exercise();
}

void TGehele_getallen_Form::closing() {
    if (IntegersMode* m = integers_mode()) m->closing();
    Panel8->stop();
    Panel5->hide();
    hide_answer();
    hide_explanation_window();
    if (keyboard_exists()) keyboard()->hide();
    if (typing_target == windowTitle()) set_typing_target(QString());
}

void TGehele_getallen_Form::finished() {
    const IntegersMode* m = integers_mode();
    Panel3->setVisible(m && m->topic().own_exercise);
    Panel4->hide();
    Edit1->clear();
    after_step();
}

}  // namespace cifrala
