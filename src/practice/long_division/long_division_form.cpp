#include "practice/long_division/long_division_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <tuple>

#include "drawing/cards/arithmetic_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/cloud.h"
#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/common/glyphs.h"
#include "practice/long_division/division_modes.h"
#include "practice/long_division/division_style.h"
#include "text/help.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala {

using namespace division_messages;

namespace {

// Text numbers of the window's own controls.
constexpr int kDecimalsTag = 533;        // "Ga door achter de komma" (file 8)
constexpr int kTimesTableTag = 534;      // "Tafeltje" (file 8)
constexpr int kMethodGroupTag = 2712;    // "Methode" (file 3)
constexpr int kClassicTag = 2141;        // "Staartdeling" (file 4)
constexpr int kChunksTag = 2142;         // "Happen" (file 4)
constexpr int kBothTag = 2143;           // "Beide" (file 4)
constexpr int kResultBoxTag = 2303;      // "(Tussen)resultaat" (file 3)
constexpr int kPreviousTag = 2450;       // the previous exercise again (file 3)
constexpr int kGoTag = 2451;             // go button of the own exercise (file 3)
constexpr int kDividendLabelTag = 2305;  // "Deeltal" (file 2)
constexpr int kDivisorLabelTag = 2306;   // "Deler" (file 2)
constexpr int kDividendHintTag = 394;    // file 6
constexpr int kDivisorHintTag = 395;     // file 6

constexpr int kCoverDistance = 40;
constexpr int kResultBoxTopMargin = 40;
constexpr int kDefaultPauseMs = 1000;

// The surface leaves room for two rows of controls below it.
constexpr int kSurfaceHeight = 632;
constexpr int kRowA = kSurfaceHeight + 5;
constexpr int kRowB = kRowA + 40;

PracticeWindowConfig division_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::LongDivision;
    c.class_name = QStringLiteral("TStaartdeelForm");
    c.title = QStringLiteral("Staartdelingen");
    c.surface_rect = QRect(1, 1, 1014, kSurfaceHeight);
    c.surface_style = division_style(false);
    c.cover_distance = kCoverDistance;
    return c;
}

}  // namespace

TStaartdeelForm::TStaartdeelForm(QWidget* parent) : PracticeWindow(division_config(), parent) {
    surface().set_pen(3, Qt::black);
    surface().clearimage();

    create_method_controls();
    create_own_exercise_panel();
    create_cloud_and_result_box();
    create_digit_panel();
    map_roles();
    layout_bottom_row();
    fill_calibration_table();

    connect(&sequence(), &StepSequence::finished, this, [this] { after_step(); });

    division_ = static_cast<DivisionMode*>(
        add_mode(QStringLiteral("division"), 42, kAnyCode, std::make_unique<DivisionMode>(*this)));
    employment_ = static_cast<WordProblemMode*>(add_mode(
        QStringLiteral("employment"), 54, kAnyCode, std::make_unique<WordProblemMode>(*this, 54)));
    big_numbers_ = static_cast<WordProblemMode*>(add_mode(
        QStringLiteral("bignumbers"), 55, kAnyCode, std::make_unique<WordProblemMode>(*this, 55)));
    // Any other topic the window is opened for is a division.
    add_mode_row(QStringLiteral("division"), kAnyCode, kAnyCode, division_);
    Button2->hide();
}

TStaartdeelForm::~TStaartdeelForm() = default;

// --- controls ---

void TStaartdeelForm::create_method_controls() {
    CheckBox2 = new QCheckBox(QStringLiteral("Ga door achter de komma"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    add_option_control(CheckBox2);
    register_text(CheckBox2, TextKind::CheckBox, kDecimalsTag);

    CheckBox3 = new QCheckBox(QStringLiteral("Tafeltje"), this);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    add_shared_keys(CheckBox3);
    connect(CheckBox3, &QCheckBox::clicked, this, [this] {
        CheckBox3Click();
        option_click();
    });
    register_text(CheckBox3, TextKind::CheckBox, kTimesTableTag);
    CheckBox3->hide();

    GroupBox2 = new QGroupBox(QStringLiteral("Methode"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* row = new QHBoxLayout(GroupBox2);
    row->setContentsMargins(4, 0, 2, 2);
    row->setSpacing(2);
    RadioButton5 = new QRadioButton(QStringLiteral("Staartdeling"), GroupBox2);
    RadioButton4 = new QRadioButton(QStringLiteral("Happen"), GroupBox2);
    RadioButton6 = new QRadioButton(QStringLiteral("Beide"), GroupBox2);
    RadioButton5->setObjectName(QStringLiteral("RadioButton5"));
    RadioButton4->setObjectName(QStringLiteral("RadioButton4"));
    RadioButton6->setObjectName(QStringLiteral("RadioButton6"));
    for (QRadioButton* r : {RadioButton5, RadioButton4, RadioButton6}) {
        row->addWidget(r);
        add_option_control(r);
    }
    RadioButton5->setChecked(true);
    register_text(RadioButton5, TextKind::RadioButton, kClassicTag);
    register_text(RadioButton4, TextKind::RadioButton, kChunksTag);
    register_text(RadioButton6, TextKind::RadioButton, kBothTag);
    register_text(GroupBox2, TextKind::GroupBox, kMethodGroupTag);

    SpeedButton4 = new QToolButton(this);
    SpeedButton4->setObjectName(QStringLiteral("SpeedButton4"));
    SpeedButton4->setIcon(glyph_icon(Glyph::Previous));
    SpeedButton4->setIconSize(QSize(22, 22));
    SpeedButton4->setFocusPolicy(Qt::NoFocus);
    SpeedButton4->hide();
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    register_text(SpeedButton4, TextKind::HintOnly, kPreviousTag, true);

    SpeedButton5 =
        make_text_button(this, QStringLiteral("SpeedButton5"), QStringLiteral("Eigen opgave"));
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    register_text(SpeedButton5, TextKind::SpeedButton, practice_tags::kOwnExercise);

    Edit3 = new QLineEdit(QString::number(kDefaultPauseMs), this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->hide();
}

void TStaartdeelForm::create_own_exercise_panel() {
    Panel4 = add_floating_panel(QStringLiteral("Panel4"));
    Panel4->setGeometry(Image1->x() + 600, Image1->y() + 90, 330, 190);
    Label3 = make_label(Panel4, QStringLiteral("Label3"), QStringLiteral("Deeltal"), 11);
    Label3->setGeometry(10, 12, 120, 24);
    Label4 = make_label(Panel4, QStringLiteral("Label4"), QStringLiteral("Deler"), 11);
    Label4->setGeometry(170, 12, 120, 24);
    register_text(Label3, TextKind::Label, kDividendLabelTag);
    register_text(Label4, TextKind::Label, kDivisorLabelTag);
    auto edit = [this](const QString& name, QRect g) {
        auto* e = new QLineEdit(Panel4);
        e->setObjectName(name);
        e->setFont(make_font(QStringLiteral("Verdana"), 12, false));
        e->setAlignment(Qt::AlignCenter);
        e->setGeometry(g);
        return e;
    };
    Edit2 = edit(QStringLiteral("Edit2"), QRect(10, 38, 130, 28));
    Edit1 = edit(QStringLiteral("Edit1"), QRect(170, 38, 110, 28));
    register_text(Edit2, TextKind::Edit, kDividendHintTag, true);
    register_text(Edit1, TextKind::Edit, kDivisorHintTag, true);
    auto* colon = make_label(Panel4, QStringLiteral("Label6"), QStringLiteral(":"), 16);
    colon->setAlignment(Qt::AlignCenter);
    colon->setGeometry(140, 36, 30, 30);

    SpeedButton6 =
        make_text_button(Panel4, QStringLiteral("SpeedButton6"), QStringLiteral("Reken uit"));
    SpeedButton6->setFont(make_font(QStringLiteral("Verdana"), 10, true));
    SpeedButton6->setGeometry(10, 76, 160, 28);
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
    register_text(SpeedButton6, TextKind::SpeedButtonWithHint, kGoTag, true);

    Label5 = make_label(Panel4, QStringLiteral("Label5"), QString(), 10);
    Label5->setStyleSheet(QStringLiteral("color: #c00000;"));
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setGeometry(10, 110, 310, 72);

    own_fields_ = new OwnExerciseFields(SpeedButton6, Label5, this);
    own_fields_->accept_expressions();  // the pupil may type "3*7" or "144/12"
    own_fields_->add_field(Edit2, true);
    own_fields_->add_field(Edit1, true);
    own_fields_->set_check([this](bool complete) { return check_own_exercise(complete); });
    own_fields_->validate();
}

void TStaartdeelForm::create_cloud_and_result_box() {
    std::tie(Panel3, Image3) = add_cloud_panel(QStringLiteral("Panel3"), QStringLiteral("Image3"),
                                               QSize(440, 230), cloud_style());

    GroupBox3 = add_floating_panel(QStringLiteral("GroupBox3"));
    GroupBox3->set_top_margin(kResultBoxTopMargin);
    GroupBox3Caption = make_label(GroupBox3, QStringLiteral("GroupBox3Caption"),
                                  QStringLiteral("(Tussen)resultaat"), 9);
    GroupBox3Caption->setGeometry(8, 4, 400, 18);
    register_text(GroupBox3Caption, TextKind::GroupBox, kResultBoxTag);
    Image2 = add_pane(SurfaceRole::ResultBox, QStringLiteral("Image2"), QSize(560, 100),
                      result_box_style(), GroupBox3);
    Image2->surface().clearimage();
    Image2->move(6, 24);
    const QSize box(Image2->width() + 12, Image2->height() + 30);
    GroupBox3->setGeometry(Image1->x() + Image1->width() - box.width() - 10,
                           Image1->y() + Image1->height() - box.height() - 100, box.width(),
                           box.height());
}

void TStaartdeelForm::create_digit_panel() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(make_font(QStringLiteral("Courier new"), 30, true));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setContentsMargins(0, 0, 0, 0);
    Label2->setAttribute(Qt::WA_TransparentForMouseEvents);
    const int w = surface().text_width(QStringLiteral("0"));
    const int h = surface().text_height(QStringLiteral("0"));
    Panel1->resize(w, h);
    Label2->setGeometry(0, 0, w, h);
    Panel1->hide();
}

void TStaartdeelForm::layout_bottom_row() {
    Button1->setGeometry(6, kRowA, 138, 32);
    Button2->setGeometry(150, kRowA, 120, 32);
    hint_check->setGeometry(280, kRowA - 1, 110, 18);
    CheckBox3->setGeometry(280, kRowA + 16, 110, 18);
    CheckBox2->setGeometry(400, kRowA + 7, 220, 18);
    SpeedButton4->setGeometry(632, kRowA + 1, 30, 30);
    SpeedButton5->setGeometry(668, kRowA + 1, 124, 30);
    help_button->setGeometry(802, kRowA + 1, 30, 30);
    copy_button->setGeometry(834, kRowA + 1, 30, 30);
    save_button->setGeometry(866, kRowA + 1, 30, 30);
    Button3->setGeometry(934, kRowA, 76, 32);
    level_group->setGeometry(6, kRowB - 2, 300, 42);
    GroupBox2->setGeometry(314, kRowB - 2, 330, 42);
}

void TStaartdeelForm::fill_calibration_table() {
    const int a = 40 + (kRowB - kRowA);
    std::vector<CalibratedControl> table;
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2, Button3})
        table.push_back({w, a});
    for (QWidget* w : std::initializer_list<QWidget*>{help_button, copy_button, save_button,
                                                      SpeedButton4, SpeedButton5})
        table.push_back({w, a - 1});
    table.push_back({hint_check, a + 1});
    table.push_back({CheckBox3, a - 16});
    table.push_back({CheckBox2, a - 7});
    table.push_back({level_group, 42});
    table.push_back({GroupBox2, 42});
    set_calibration_table(std::move(table));
}

// --- what the workers use ---

void TStaartdeelForm::map_roles() {
    set_role(ControlRole::Decimals, CheckBox2);
    set_role(ControlRole::OwnExercise, SpeedButton5);
    set_role(ControlRole::PreviousExercise, SpeedButton4);
    set_role(ControlRole::Cloud, Panel3);
    set_role(ControlRole::TimesTable, CheckBox3, [this](bool visible) {
        CheckBox3->setVisible(visible);
        if (!visible) hide_explanation_window();
    });
    set_role(
        ControlRole::ResultBox, GroupBox3,
        [this](bool visible) {
            GroupBox3->setVisible(visible);
            if (visible) GroupBox3->raise();
        },
        [this](const QString& text) { GroupBox3Caption->setText(text); });
    set_role(ControlRole::SlidingDigit, Panel1, {}, [this](const QString& digit) {
        QPalette p = Panel1->palette();
        p.setColor(QPalette::Window, surface().background());
        Panel1->setPalette(p);
        Label2->setText(digit);
    });
}

// --- presets ---

void TStaartdeelForm::show_division_options() {
    level_group->show();
    GroupBox2->show();
    CheckBox2->show();
}

void TStaartdeelForm::hide_division_options() {
    level_group->hide();
    GroupBox2->hide();
    CheckBox2->hide();
}

void TStaartdeelForm::apply_preset(Preset preset) {
    if (preset == Preset::LongDivisionShowOptions) show_division_options();
    if (preset == Preset::LongDivisionHideOptions) hide_division_options();
}

bool TStaartdeelForm::bites_chosen() const {
    return RadioButton4->isChecked();
}

// --- state ---

int TStaartdeelForm::topic() const {
    return topic_;
}

bool TStaartdeelForm::chunk_method() const {
    return division_->chunk_method;
}

bool TStaartdeelForm::both_method() const {
    return division_->both_method;
}

const Division& TStaartdeelForm::exercise() const {
    return division_->current;
}

const std::optional<Division>& TStaartdeelForm::previous_exercise() const {
    return division_->previous;
}

const LongDivisionWorker& TStaartdeelForm::worker() const {
    return division_->classic;
}

const ChunkDivisionWorker& TStaartdeelForm::chunk_worker() const {
    return division_->chunks;
}

const BigNumbersWorker& TStaartdeelForm::big_numbers_worker() const {
    return (topic_ == 54 ? employment_ : big_numbers_)->big_numbers();
}

void TStaartdeelForm::set_forced_variant(int variant) {
    employment_->forced_variant = variant;
    big_numbers_->forced_variant = variant;
}

// --- life cycle ---

void TStaartdeelForm::showing() {
    stop_working();
    CheckBox3->hide();
    CheckBox3->setChecked(false);
    hide_explanation_window();
    hide_floating_panels();
    hide_cover_sheet();
    Button1->show();
    Button2->hide();
    if (start_on_show_ && mode()) mode()->new_exercise();
}

void TStaartdeelForm::closing() {
    stop_working();
    hide_explanation_window();
}

void TStaartdeelForm::stop_working() {
    sequence().cancel();
    Panel1->hide();
    Panel3->hide();
    Button2->setEnabled(true);
}

void TStaartdeelForm::after_step() {
    if (Button1->isVisibleTo(this)) {
        Button1->setFocus();
    } else if (step_available()) {
        Button2->setFocus();
    }
    raise_help();
}

void TStaartdeelForm::set_pause_ms(int ms) {
    Edit3->setText(QString::number(ms));
    sequence().instant = ms <= 0;
}

int TStaartdeelForm::pause_ms() const {
    bool ok = false;
    const int ms = Edit3->text().toInt(&ok);
    return ok && ms >= 0 ? ms : kDefaultPauseMs;
}

// --- the previous exercise, own exercises, the times table ---

void TStaartdeelForm::SpeedButton4Click() {
    division_->previous_again();
    raise_help();
}

void TStaartdeelForm::SpeedButton5Click() {
    own_fields_->clear_fields();
    own_fields_->validate();
    Panel4->show();
    Panel4->raise();
    Edit2->setFocus();
}

OwnExerciseFields::Refusal TStaartdeelForm::check_own_exercise(bool complete) const {
    for (QLineEdit* f : {Edit2, Edit1}) {
        int v = 1;
        if (!f->text().trimmed().isEmpty() && own_fields_->read(f, v) && v <= 0 &&
            f->text().trimmed() != QLatin1String("-"))
            return {f, kNotPositive};
    }
    if (!complete) return {};
    int dividend = 0, divisor = 0;
    if (!own_fields_->read(Edit2, dividend) || !own_fields_->read(Edit1, divisor)) return {};
    if (!valid_own_division(dividend, divisor))
        return {dividend <= 0 ? Edit2 : Edit1, kNotPositive};
    // The classic layout writes two lines for every digit it brings down.
    const bool classic =
        GroupBox2->isVisibleTo(this) ? RadioButton5->isChecked() : !selection.division_in_bites;
    const FirstPart fp = first_part(int_text(dividend), divisor);
    const int fit = LongDivisionWorker::digits_that_fit(surface());
    if (classic && fp.exists && fp.rest.size() > fit) {
        msg_param1 = QString::number(fit);
        return {Edit2, kTooLongForSheet};
    }
    return {};
}

void TStaartdeelForm::SpeedButton6Click() {
    if (!own_fields_->validate()) return;
    int dividend = 0, divisor = 0;
    if (!own_fields_->read(Edit2, dividend) || !own_fields_->read(Edit1, divisor) ||
        !valid_own_division(dividend, divisor))
        return;
    division_->own_exercise(Division{dividend, divisor});
    raise_help();
}

void TStaartdeelForm::CheckBox3Click() {
    if (CheckBox3->isChecked()) {
        show_times_table();
    } else {
        hide_explanation_window();
    }
}

void TStaartdeelForm::show_times_table() {
    if (word_problem()) return;
    selection.topic_code = 42;
    explanation_window()->show_for(this, [this] { return explanation_values(); });
}

QVariantMap TStaartdeelForm::explanation_values() const {
    QVariantMap m;
    m.insert(card_keys::kDivisor, times_table_divisor_);
    if (word_problem())
        m.insert(card_keys::kAskedQuantity, asked_quantity_message(big_numbers_worker().exercise));
    return m;
}

}  // namespace cifrala
