#include "practice/roots/roots_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/roots/equations/equation_modes.h"
#include "practice/roots/function_value_mode.h"
#include "practice/roots/game_mode.h"
#include "practice/roots/game_panel.h"
#include "practice/roots/parabola_mode.h"
#include "practice/roots/roots_card_picture.h"
#include "practice/roots/roots_hints.h"
#include "practice/roots/roots_mode.h"
#include "practice/roots/roots_style.h"
#include "practice/roots/roots_texts.h"
#include "text/help.h"

namespace cifrala {

namespace {

constexpr int kSurfaceWidth = 1014;
constexpr int kCoverDistance = 50;
constexpr int kHintAreaCoverDistance = 0;
// The hint area lies under the 572 pixels of the worksheet, the bottom row
// under the 681 of the modes without it.
constexpr int kHintAreaTop = 1 + kRootsWorksheetWithHints + 3;
constexpr int kHintAreaHeight = 104;
constexpr int kBottomRow = 684;

PracticeWindowConfig roots_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::Roots;
    c.class_name = QStringLiteral("TwortelsherleidenForm");
    c.title = QStringLiteral("Wortels herleiden");
    c.surface_rect = QRect(1, 1, kSurfaceWidth, kRootsWorksheetWithHints);
    c.surface_style = wortels_worksheet_style();
    c.cover_distance = kCoverDistance;
    c.copy_button_name = QStringLiteral("SpeedButton4");
    c.cover_sheet_name = QStringLiteral("Panel1");
    return c;
}

}  // namespace

TwortelsherleidenForm::TwortelsherleidenForm(QWidget* parent)
    : PracticeWindow(roots_config(), parent) {
    Button7 = Button3;
    Button7->setObjectName(QStringLiteral("Button7"));
    CheckBox1 = hint_check;
    SpeedButton1 = help_button;
    SpeedButton4 = copy_button;
    Panel1 = cover_sheet();
    Button2->hide();

    create_factoring_group();
    create_hint_area();
    layout_bottom_row();
    fill_calibration_table();

    Panel5 = new GamePanel(this);
    Panel5->setGeometry(rect());

    set_role(ControlRole::PrimeFactors, RadioButton4);
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    add_modes();
}

TwortelsherleidenForm::~TwortelsherleidenForm() = default;

void TwortelsherleidenForm::add_modes() {
    roots_ = static_cast<RootsMode*>(
        add_mode(QStringLiteral("roots"), 22, kAnyCode, std::make_unique<RootsMode>(*this)));
    add_mode(QStringLiteral("parabolas"), 56, kAnyCode, std::make_unique<ParabolaMode>(*this));
    function_value_ =
        static_cast<FunctionValueMode*>(add_mode(QStringLiteral("function_value"), 57, kAnyCode,
                                                 std::make_unique<FunctionValueMode>(*this)));
    equations_ = new EquationControls(*this);
    for (EquationControls::ModeEntry& m : equations_->make_modes())
        add_mode(QString::fromLatin1(m.name), m.topic, kAnyCode, std::move(m.mode));
    game_ = static_cast<GameMode*>(
        add_mode(QStringLiteral("game"), 62, kAnyCode, std::make_unique<GameMode>(*this, *Panel5)));
    // Every other topic the window is opened for is worked as topic 22.
    add_mode_row(QStringLiteral("roots"), kAnyCode, kAnyCode, roots_);
}

// --- controls ---

void TwortelsherleidenForm::create_factoring_group() {
    GroupBox2 = new QGroupBox(QStringLiteral("Ontbinden"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* row = new QHBoxLayout(GroupBox2);
    row->setContentsMargins(4, 0, 2, 2);
    row->setSpacing(2);
    RadioButton4 = new QRadioButton(QStringLiteral("Priemfactoren"), GroupBox2);
    RadioButton4->setObjectName(QStringLiteral("RadioButton4"));
    RadioButton5 = new QRadioButton(QStringLiteral("Kwadraten"), GroupBox2);
    RadioButton5->setObjectName(QStringLiteral("RadioButton5"));
    for (QRadioButton* r : {RadioButton4, RadioButton5}) {
        row->addWidget(r);
        add_option_control(r);
    }
    RadioButton5->setChecked(true);
    register_text(GroupBox2, TextKind::GroupBox, roots_tags::kFactoringGroup);
    register_text(RadioButton4, TextKind::RadioButton, roots_tags::kPrimeFactors);
    register_text(RadioButton5, TextKind::RadioButton, roots_tags::kSquares);
    GroupBox2->hide();
}

void TwortelsherleidenForm::create_hint_area() {
    Image2 =
        add_pane(SurfaceRole::HintArea, QStringLiteral("Image2"),
                 QSize(kSurfaceWidth, kHintAreaHeight), wortels_hint_area_style(kHintAreaHeight));
    Image2->move(1, kHintAreaTop);
    Image2->surface().hints_enabled = [this] { return hint_check->isChecked(); };
    Image2->surface().clearimage();
    connect(Image2, &SurfacePane::doubleClicked, this, [this] { show_hint_cover(); });

    Panel2 = new CoverSheet(this, QStringLiteral("Panel2"), Image2, kHintAreaCoverDistance);
    register_text(Panel2, TextKind::HintOnly, roots_tags::kHintAreaCover, true);
    register_text(Panel2->hide_button(), TextKind::HintOnly, practice_tags::kHide, true);
    connect(Panel2, &CoverSheet::hidden_by_pupil, this, [this] { option_click(); });

    SpeedButton5 = new QToolButton(this);
    SpeedButton5->setObjectName(QStringLiteral("SpeedButton5"));
    SpeedButton5->setIcon(copy_button->icon());
    SpeedButton5->setIconSize(copy_button->iconSize());
    SpeedButton5->setToolTip(QStringLiteral("Copy"));
    SpeedButton5->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    register_text(SpeedButton5, TextKind::HintOnly, roots_tags::kCopyHintArea, true);
}

void TwortelsherleidenForm::layout_bottom_row() {
    const int top = kBottomRow;
    Button1->setGeometry(4, top, 132, 32);
    Button2->setGeometry(140, top, 110, 32);
    CheckBox1->setGeometry(256, top + 16, 92, 18);
    level_group->setGeometry(350, top - 2, 254, 40);
    GroupBox2->setGeometry(608, top - 2, 214, 40);
    SpeedButton1->setGeometry(826, top + 1, 30, 30);
    SpeedButton4->setGeometry(858, top + 1, 30, 30);
    SpeedButton5->setGeometry(890, top + 1, 30, 30);
    save_button->setGeometry(922, top + 1, 30, 30);
    Button7->setGeometry(956, top, 56, 32);
}

void TwortelsherleidenForm::fill_calibration_table() {
    std::vector<CalibratedControl> table;
    for (QWidget* w :
         std::initializer_list<QWidget*>{Button1, Button2, Button7, level_group, GroupBox2})
        table.push_back({w, 40});
    for (QWidget* w :
         std::initializer_list<QWidget*>{SpeedButton1, SpeedButton4, SpeedButton5, save_button})
        table.push_back({w, 39});
    table.push_back({CheckBox1, 24});
    set_calibration_table(std::move(table));
}

// --- the frame of every mode ---

void TwortelsherleidenForm::set_frame(const RootsFrame& frame) {
    sequence().cancel();
    GroupBox2->hide();
    Button2->hide();
    Button2->setEnabled(true);
    hide_cover_sheet();
    Panel2->hide();
    Panel5->Timer1->stop();
    Panel5->hide();
    if (equations_) equations_->hide_all();
    Button1->show();
    for (const auto& c : mode_controls_)
        if (c) c->hide();
    side_card = RootsCard{};
    CheckBox1->setVisible(frame.hint_area);
    Image2->setVisible(frame.hint_area);
    SpeedButton5->setVisible(frame.hint_area);
    if (Image1->height() != frame.worksheet_height)
        Image1->resize_surface(QSize(kSurfaceWidth, frame.worksheet_height));
    surface().clearimage();
    hint_area().clearimage();
}

void TwortelsherleidenForm::apply_preset(Preset preset) {
    if (preset == Preset::ShowPanel4 && function_value_) function_value_->show_options();
}

QImage TwortelsherleidenForm::picture() const {
    const QImage sheet = picture_with_card(PracticeWindow::picture(), side_card);
    if (!equations_ || !equations_->side_panel_open()) return sheet;
    return picture_beside(sheet, equations_->side_panel_picture());
}

QJsonObject TwortelsherleidenForm::description() const {
    QJsonObject o = PracticeWindow::description();
    add_card_description(o, side_card);
    if (equations_ && equations_->side_panel_open())
        o.insert(QStringLiteral("side_panel"), equations_->side_panel_description());
    return o;
}

void TwortelsherleidenForm::showing() {
    if (start_on_show_ && mode()) mode()->new_exercise();
}

void TwortelsherleidenForm::closing() {
    hide_explanation_window();
    if (equations_) equations_->hide_all();
    game_->stop();
}

void TwortelsherleidenForm::hideEvent(QHideEvent* event) {
    if (game_) game_->stop();
    PracticeWindow::hideEvent(event);
}

void TwortelsherleidenForm::resizeEvent(QResizeEvent* event) {
    PracticeWindow::resizeEvent(event);
    if (Panel5) Panel5->setGeometry(rect());
}

// --- handlers ---

void TwortelsherleidenForm::CheckBox1Click() {
    const int current = roots_->current_hint();
    if (CheckBox1->isChecked() && current > 0) {
        redraw_hint(hint_area(), current);
    } else {
        hint_area().clearimage();
    }
}

void TwortelsherleidenForm::SpeedButton5Click() {
    QGuiApplication::clipboard()->setImage(hint_area().image());
    raise_help();
}

void TwortelsherleidenForm::show_hint_cover() {
    Panel2->show_over_surface();
    option_click();
}

}  // namespace cifrala
