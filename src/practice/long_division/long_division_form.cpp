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

#include "drawing/cards/arithmetic_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/cloud.h"
#include "formula/font_map.h"
#include "formula/surface_view.h"
#include "practice/common/floating_panel.h"
#include "practice/common/glyphs.h"
#include "practice/common/render_registry.h"
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

constexpr int kHelpDivision = 699;
constexpr int kHelpEmployment = 726;  // topic 54
constexpr int kHelpBigNumbers = 727;  // topic 55

constexpr int kCoverDistance = 40;
constexpr int kResultBoxTopMargin = 40;
constexpr int kDefaultPauseMs = 1000;

// The surface leaves room for two rows of controls below it.
constexpr int kSurfaceHeight = 632;
constexpr int kRowA = kSurfaceHeight + 5;
constexpr int kRowB = kRowA + 40;

// Render-mode descriptions.
constexpr int kRenderDivision = 1387;
constexpr int kRenderBigNumbers = 1388;
constexpr int kRenderEmployment = 1389;

PracticeWindowConfig division_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::LongDivision;
    c.class_name = QStringLiteral("TStaartdeelForm");
    c.title = QStringLiteral("Staartdelingen");
    c.help_page = kHelpDivision;
    c.surface_rect = QRect(1, 1, 1014, kSurfaceHeight);
    c.surface_style = division_style(false);
    c.cover_distance = kCoverDistance;
    return c;
}

}  // namespace

TStaartdeelForm::TStaartdeelForm(QWidget* parent)
    : PracticeWindow(division_config(), parent),
      result_surface_(std::make_unique<Surface>(560, 100, result_box_style())),
      cloud_surface_(std::make_unique<Surface>(440, 230, cloud_style())),
      sequence_(this),
      worker_(surface(), *this, sequence_),
      chunks_(surface()),
      big_numbers_(surface()) {
    surface().set_pen(3, Qt::black);
    surface().clearimage();
    result_surface_->clearimage();
    cloud_surface_->clearimage();

    create_method_controls();
    create_own_exercise_panel();
    create_cloud_and_result_box();
    create_digit_panel();
    layout_bottom_row();
    fill_calibration_table();

    connect(&sequence_, &StepSequence::wait_started, this, [this] { Button2->setEnabled(false); });
    connect(&sequence_, &StepSequence::finished, this, [this] {
        Button2->setEnabled(true);
        step = worker_.stage;
        after_step();
    });

    chunks_.on_hide_times_table = [this] {
        CheckBox3->hide();
        hide_explanation_window();
    };
    chunks_.on_finished = [this] {
        finish_exercise(practice_messages::kFinished);
        SpeedButton5->show();
    };
    big_numbers_.on_hide_next_exercise = [this] { Button1->hide(); };
    big_numbers_.on_finished = [this] { finish_exercise(practice_messages::kFinished); };

    language_listener_ = add_language_listener(this, [this] { set_title(); });
    Button2->hide();
    set_title();
}

TStaartdeelForm::~TStaartdeelForm() {
    sequence_.cancel();
    // The views refer to the surfaces this window owns.
    delete Image2;
    delete Image3;
    Image2 = nullptr;
    Image3 = nullptr;
}

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
    Panel3 = add_floating_panel(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::NoFrame);
    Image3 = new SurfaceView(*cloud_surface_, Panel3);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->move(0, 0);
    Panel3->resize(cloud_surface_->width(), cloud_surface_->height());
    Panel3->hide_button()->raise();

    GroupBox3 = add_floating_panel(QStringLiteral("GroupBox3"));
    GroupBox3->set_top_margin(kResultBoxTopMargin);
    GroupBox3Caption = make_label(GroupBox3, QStringLiteral("GroupBox3Caption"),
                                  QStringLiteral("(Tussen)resultaat"), 9);
    GroupBox3Caption->setGeometry(8, 4, 400, 18);
    register_text(GroupBox3Caption, TextKind::GroupBox, kResultBoxTag);
    Image2 = new SurfaceView(*result_surface_, GroupBox3);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move(6, 24);
    const QSize box(result_surface_->width() + 12, result_surface_->height() + 30);
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

bool TStaartdeelForm::bites_chosen() const {
    return RadioButton4->isChecked();
}

// --- life cycle ---

void TStaartdeelForm::set_title() {
    const int m = topic_ == 54 ? kTitleEmployment : topic_ == 55 ? kTitleBigNumbers : kTitle;
    setWindowTitle(msg(m));
}

int TStaartdeelForm::help_page() const {
    if (topic_ == 54) return kHelpEmployment;
    if (topic_ == 55) return kHelpBigNumbers;
    return kHelpDivision;
}

void TStaartdeelForm::showing() {
    stop_working();
    topic_ = selection.topic_code;
    if (!word_problem()) {
        topic_ = 42;
        selection.topic_code = 42;
    }
    set_title();
    CheckBox3->hide();
    CheckBox3->setChecked(false);
    hide_explanation_window();
    hide_floating_panels();
    hide_cover_sheet();
    surface().set_style(word_problem() ? word_problem_style(topic_) : division_style(false));
    surface().set_font(surface().style().font);
    surface().clearimage();
    Button1->show();
    Button2->hide();
    SpeedButton4->setVisible(!word_problem() && selection.previous_exercise_stored && previous_);
    SpeedButton5->setVisible(!word_problem());
    if (start_on_show_) new_exercise();
}

void TStaartdeelForm::closing() {
    stop_working();
    hide_explanation_window();
}

void TStaartdeelForm::stop_working() {
    sequence_.cancel();
    Panel1->hide();
    Panel3->hide();
    Button2->setEnabled(true);
}

void TStaartdeelForm::take_method() {
    if (GroupBox2->isVisibleTo(this)) {
        chunk_method_ = RadioButton4->isChecked();
        both_method_ = RadioButton6->isChecked();
    } else {
        chunk_method_ = selection.division_in_bites;
        both_method_ = false;
    }
}

void TStaartdeelForm::prepare_surface() {
    surface().set_style(division_style(chunk_method_));
    surface().set_font(surface().style().font);
    surface().clearimage();
}

void TStaartdeelForm::new_exercise() {
    stop_working();
    if (word_problem()) {
        new_word_problem();
        return;
    }
    CheckBox3->setChecked(false);
    hide_explanation_window();
    take_method();
    if (selection.previous_exercise_stored && exercise_started_) {
        previous_ = current_;
        SpeedButton4->show();
    }
    GroupBox3->hide();
    hide_cover_sheet();
    Panel4->hide();
    current_ = generate_division(level());
    prepare_surface();
    begin(current_, QStringLiteral(" = ?"));
}

void TStaartdeelForm::begin(const Division& d, const QString& line_end) {
    exercise_started_ = true;
    surface().my_textout(int_text(d.dividend) + QStringLiteral(" : ") + int_text(d.divisor) +
                         line_end);
    show_step_button();
    step = 0;
    SpeedButton5->show();
    if (chunk_method_) {
        chunks_.start(d);
    } else {
        surface().toonhint(kStart, 0);
        worker_.start(d, both_method_);
        selection.previous_exercise_stored = true;
    }
    times_table_divisor_ = d.divisor;
    CheckBox3->show();
    if (CheckBox3->isChecked()) show_times_table();
    after_step();
}

void TStaartdeelForm::new_word_problem() {
    Panel4->hide();
    SpeedButton5->hide();
    surface().set_style(word_problem_style(topic_));
    surface().set_font(surface().style().font);
    surface().clearimage();
    BigNumbersExercise e = generate_big_numbers(topic_);
    if (forced_variant_ >= 0 && forced_variant_ <= 2) e = with_variant(e, forced_variant_);
    big_numbers_.start(e);
    step = 0;
    show_step_button();
    exercise_started_ = true;
    if (isVisible()) explanation_window()->show_for(this, [this] { return explanation_values(); });
    after_step();
}

void TStaartdeelForm::rekenstap() {
    if (!sequence_.idle()) return;
    if (word_problem()) {
        big_numbers_.rekenstap();
        step = big_numbers_.stage;
        after_step();
        return;
    }
    if (chunk_method_) {
        chunks_.rekenstap();
        step = static_cast<int>(chunks_.chunks.size());
        after_step();
        return;
    }
    worker_.rekenstap();
    sequence_.run();
}

void TStaartdeelForm::after_step() {
    if (Button1->isVisibleTo(this)) {
        Button1->setFocus();
    } else if (step_available()) {
        Button2->setFocus();
    }
    raise_help();
}

// --- what the division changes on the window ---

bool TStaartdeelForm::decimals_ticked() const {
    return CheckBox2->isChecked();
}

void TStaartdeelForm::set_pause_ms(int ms) {
    Edit3->setText(QString::number(ms));
    sequence_.instant = ms <= 0;
}

int TStaartdeelForm::pause_ms() const {
    bool ok = false;
    const int ms = Edit3->text().toInt(&ok);
    return ok && ms >= 0 ? ms : kDefaultPauseMs;
}

void TStaartdeelForm::show_cloud(QPoint at, const QString& first, const QString& second) {
    toonwolk_staartdeel(*cloud_surface_, first, second);
    const QRect where(Image1->pos() + at, Panel3->size());
    Panel3->move(where.topLeft());
    if (Image1->geometry().contains(where)) {
        Panel3->show();
        Panel3->raise();
    } else {
        Panel3->hide();
    }
}

void TStaartdeelForm::hide_cloud() {
    Panel3->hide();
}

void TStaartdeelForm::show_result_box(int caption_message) {
    GroupBox3Caption->setText(msg(caption_message));
    GroupBox3->show();
    GroupBox3->raise();
}

void TStaartdeelForm::show_sliding_digit(const QString& digit, QPoint at) {
    QPalette p = Panel1->palette();
    p.setColor(QPalette::Window, surface().background());
    Panel1->setPalette(p);
    Label2->setText(digit);
    slide_x_ = Image1->x() + at.x();
    Panel1->move(slide_x_, Image1->y() + at.y());
    Panel1->show();
    Panel1->raise();
}

void TStaartdeelForm::move_sliding_digit(int y) {
    Panel1->move(slide_x_, Image1->y() + y);
}

void TStaartdeelForm::hide_sliding_digit() {
    Panel1->hide();
}

void TStaartdeelForm::division_ended() {
    Button2->hide();
    Button1->show();
    SpeedButton5->show();
}

// --- the previous exercise, own exercises, the times table ---

void TStaartdeelForm::SpeedButton4Click() {
    if (!previous_) return;
    stop_working();
    current_ = *previous_;
    SpeedButton4->hide();
    GroupBox3->hide();
    hide_cover_sheet();
    Panel4->hide();
    prepare_surface();
    if (chunk_method_) {
        begin(current_, QStringLiteral(" = ?"));
    } else {
        begin(current_, QStringLiteral(" ="));
    }
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
    return {};
}

void TStaartdeelForm::SpeedButton6Click() {
    if (!own_fields_->validate()) return;
    int dividend = 0, divisor = 0;
    if (!own_fields_->read(Edit2, dividend) || !own_fields_->read(Edit1, divisor) ||
        !valid_own_division(dividend, divisor))
        return;
    stop_working();
    CheckBox3->setChecked(false);
    hide_explanation_window();
    take_method();
    current_ = Division{dividend, divisor};
    prepare_surface();
    begin(current_, QStringLiteral(" = ?"));
    own_exercise_ended();
    raise_help();
}

void TStaartdeelForm::own_exercise_ended() {
    GroupBox3->hide();
    hide_cover_sheet();
    Panel4->hide();
    Panel3->hide();
    SpeedButton5->hide();
    times_table_divisor_ = current_.divisor;
    CheckBox3->show();
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
        m.insert(card_keys::kAskedQuantity, asked_quantity_message(big_numbers_.exercise));
    return m;
}

// --- render mode ---
//   cifrala --render division [--level 1..3] [--method classic|chunks|both] [--decimals 0|1]
//   cifrala --render bignumbers [--variant 0..2]
//   cifrala --render employment [--variant 0..2]

namespace {

bool bad_option(QString* error, const QString& name, const QString& value) {
    if (error) *error = msg(1362) + QStringLiteral(" --") + name + QLatin1Char(' ') + value;
    return false;
}

std::unique_ptr<PracticeWindow> make_division_window(int topic, const RenderOptions& options,
                                                     QString* error) {
    auto window = std::make_unique<TStaartdeelForm>();
    window->set_pause_ms(0);
    window->set_start_on_show(true);
    selection.topic_code = topic;
    selection.previous_exercise_stored = false;
    if (topic == 42) {
        const QString level = options.value(QStringLiteral("level"), QStringLiteral("1"));
        const QString method = options.value(QStringLiteral("method"), QStringLiteral("classic"));
        const QString decimals = options.value(QStringLiteral("decimals"), QStringLiteral("0"));
        if (level.size() != 1 || level < QLatin1String("1") || level > QLatin1String("3")) {
            bad_option(error, QStringLiteral("level"), level);
            return nullptr;
        }
        if (method != QLatin1String("classic") && method != QLatin1String("chunks") &&
            method != QLatin1String("both")) {
            bad_option(error, QStringLiteral("method"), method);
            return nullptr;
        }
        if (decimals != QLatin1String("0") && decimals != QLatin1String("1")) {
            bad_option(error, QStringLiteral("decimals"), decimals);
            return nullptr;
        }
        window->show_division_options();
        window->set_level(level.front().unicode() - '1');
        (method == QLatin1String("chunks") ? window->RadioButton4
         : method == QLatin1String("both") ? window->RadioButton6
                                           : window->RadioButton5)
            ->setChecked(true);
        window->CheckBox2->setChecked(decimals == QLatin1String("1"));
    } else {
        window->hide_division_options();
        if (options.contains(QStringLiteral("variant"))) {
            const QString v = options.value(QStringLiteral("variant"));
            if (v.size() != 1 || v < QLatin1String("0") || v > QLatin1String("2")) {
                bad_option(error, QStringLiteral("variant"), v);
                return nullptr;
            }
            window->set_forced_variant(v.front().unicode() - '0');
        }
    }
    return window;
}

const RenderTopicRegistrar kDivisionRenderTopic{RenderTopic{
    QStringLiteral("division"),
    kRenderDivision,
    {QStringLiteral("level"), QStringLiteral("method"), QStringLiteral("decimals")},
    [](const RenderOptions& o, QString* error) { return make_division_window(42, o, error); }}};

const RenderTopicRegistrar kBigNumbersRenderTopic{RenderTopic{
    QStringLiteral("bignumbers"),
    kRenderBigNumbers,
    {QStringLiteral("variant")},
    [](const RenderOptions& o, QString* error) { return make_division_window(55, o, error); }}};

const RenderTopicRegistrar kEmploymentRenderTopic{RenderTopic{
    QStringLiteral("employment"),
    kRenderEmployment,
    {QStringLiteral("variant")},
    [](const RenderOptions& o, QString* error) { return make_division_window(54, o, error); }}};

}  // namespace

}  // namespace cifrala
