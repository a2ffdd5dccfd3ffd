#include "practice/quadratic_equations/quadratic_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "formula/display_json.h"
#include "formula/display_reader.h"
#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/common/glyphs.h"
#include "practice/common/worked_window.h"
#include "practice/quadratic_equations/exercise_file.h"
#include "practice/quadratic_equations/quadratic_style.h"
#include "practice/quadratic_equations/quadratic_texts.h"
#include "text/file_dialogs.h"
#include "text/help.h"
#include "text/messages.h"
#include "text/notify.h"
#include "text/program_dir.h"
#include "text/textfile.h"
#include "util/number_settings.h"
#include "util/random.h"
#include "util/selection.h"

namespace cifrala {

using namespace quadratic_tags;
using namespace quadratic_messages;

namespace {

constexpr int kTopic = 26;
constexpr int kSurfaceWidth = 708;
constexpr int kWorksheetTop = 60;
constexpr int kWorksheetHeight = 620;
// The cover sheet stays 64 pixels below the window's top.
constexpr int kCoverDistance = 64 - kWorksheetTop;
constexpr int kStripWidth = 940, kStripHeight = 56;
// The side panel beside the worksheet, its surface and its cover sheet.
constexpr int kPanelLeft = 716, kPanelTop = 54;
constexpr int kPanelWidth = 288, kPanelHeight = 628;
constexpr int kPanelSurfaceX = 12, kPanelSurfaceY = 26;
constexpr int kPanelSurfaceWidth = 264, kPanelSurfaceHeight = 596;
constexpr int kPanelCoverDistance = 25;
constexpr int kBottomRow = 684;
constexpr int kMostDecimals = 8;
constexpr int kStartDecimals = 2;

PracticeWindowConfig quadratic_config() {
    PracticeWindowConfig c = worked_window_config(
        TranslatedWindow::QuadraticEquations, QStringLiteral("TkwadrverglForm"),
        QStringLiteral("Kwadratische vergelijkingen"),
        QRect(1, kWorksheetTop, kSurfaceWidth, kWorksheetHeight), kwadratisch_worksheet_style());
    c.cover_distance = kCoverDistance;
    c.copy_button_name = QStringLiteral("SpeedButton11");
    c.save_button_name = QStringLiteral("SpeedButton13");
    c.cover_sheet_name = QStringLiteral("Panel1");
    c.worksheet_name = QStringLiteral("Image2");
    c.stop_name = QStringLiteral("Button4");
    c.step_caption = QStringLiteral("Eerste denkstap");
    c.step_tag = kFirstStep;
    return c;
}

QToolButton* picture_button(QWidget* parent, const QString& name, const QIcon& icon,
                            const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(icon);
    b->setIconSize(QSize(22, 22));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// The open button's picture: a folder.
QIcon folder_icon() {
    QPixmap pm(22, 22);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 0), 1.5));
    p.setBrush(QColor(250, 210, 80));
    p.drawRect(QRectF(2.5, 6.5, 17, 12));
    p.drawRect(QRectF(2.5, 4.5, 7, 3));
    return QIcon(pm);
}

}  // namespace

TkwadrverglForm::TkwadrverglForm(QWidget* parent)
    : PracticeWindow(quadratic_config(), parent), worker_(*this) {
    Image2 = Image1;
    Button4 = Button3;
    CheckBox1 = hint_check;
    SpeedButton1 = help_button;
    SpeedButton11 = copy_button;
    Panel1 = cover_sheet();
    CheckBox1->hide();
    level_group->setObjectName(QStringLiteral("GroupBox1"));

    create_strip();
    create_side_panel();
    create_bottom_row();
    create_decimals_group();
    fill_calibration_table();
    map_roles();
    add_mode(QStringLiteral("quadratic"), kAnyCode, kAnyCode,
             worked_topic_mode(
                 kTitle, kHelpPage, kTopic, [this] { new_exercise(); }, [this] { rekenstap(); },
                 [this] { return &worker_; }));
    Button2->hide();
    TweedeDenkstap->hide();
}

TkwadrverglForm::~TkwadrverglForm() {
    if (file_.on) close_read_file();
}

// --- controls ---

void TkwadrverglForm::create_strip() {
    EquationStrip = add_pane(SurfaceRole::Strip, QStringLiteral("Image1"),
                             QSize(kStripWidth, kStripHeight), kwadratisch_strip_style());
    EquationStrip->move(1, 1);
    EquationStrip->surface().clearimage();
    SpeedButton6 =
        picture_button(this, QStringLiteral("SpeedButton6"), folder_icon(), QStringLiteral("Open"));
    SpeedButton9 = picture_button(this, QStringLiteral("SpeedButton9"), copy_button->icon(),
                                  QStringLiteral("Copy"));
    SpeedButton6->setGeometry(kStripWidth + 6, 14, 30, 30);
    SpeedButton9->setGeometry(kStripWidth + 38, 14, 30, 30);
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { SpeedButton9Click(); });
    register_text(SpeedButton6, TextKind::HintOnly, kOpen, true);
    register_text(SpeedButton9, TextKind::HintOnly, kCopyStrip, true);
}

void TkwadrverglForm::create_side_panel() {
    // The side panel may go anywhere over the strip, the worksheet and the
    // room beside them.
    drag_area_ = new QWidget(this);
    drag_area_->setObjectName(QStringLiteral("SidePanelArea"));
    drag_area_->setAttribute(Qt::WA_TransparentForMouseEvents);
    drag_area_->setGeometry(1, 1, 1014, kBottomRow - 2);
    drag_area_->lower();

    GroupBox2 = new FloatingPanel(this, QStringLiteral("GroupBox2"), drag_area_);
    GroupBox2->setGeometry(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    SpeedButton12 = GroupBox2->hide_button();
    SpeedButton12->setObjectName(QStringLiteral("SpeedButton12"));
    register_text(SpeedButton12, TextKind::HintOnly, practice_tags::kHide, true);

    Label1 = make_label(GroupBox2, QStringLiteral("Label1"), QStringLiteral("Ontbinding"), 10);
    Label1->setGeometry(kPanelSurfaceX, 4, 180, 18);
    register_text(Label1, TextKind::GroupBox, kSidePanel);

    Image4 = add_pane(SurfaceRole::SidePanel, QStringLiteral("Image4"),
                      QSize(kPanelSurfaceWidth, kPanelSurfaceHeight), kwadratisch_panel_style(),
                      GroupBox2);
    Image4->move(kPanelSurfaceX, kPanelSurfaceY);
    Image4->surface().clearimage();

    SpeedButton8 = picture_button(GroupBox2, QStringLiteral("SpeedButton8"), copy_button->icon(),
                                  QStringLiteral("Copy"));
    SpeedButton8->setIconSize(QSize(14, 14));
    SpeedButton8->setGeometry(kPanelWidth - 46, 2, 20, 20);
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { SpeedButton8Click(); });
    register_text(SpeedButton8, TextKind::HintOnly, kCopySidePanel, true);

    Panel3 = new CoverSheet(GroupBox2, QStringLiteral("Panel3"), Image4, kPanelCoverDistance);
    register_text(Panel3, TextKind::HintOnly, practice_tags::kCoverSheet, true);
    register_text(Panel3->hide_button(), TextKind::HintOnly, practice_tags::kHide, true);
    connect(Image4, &SurfacePane::doubleClicked, this, [this] {
        Panel3->show_over_surface();
        option_click();
    });
    connect(Panel3, &CoverSheet::hidden_by_pupil, this, [this] { option_click(); });
    GroupBox2->hide();
}

void TkwadrverglForm::create_bottom_row() {
    const int top = kBottomRow;
    TweedeDenkstap = new QPushButton(QStringLiteral("Tweede denkstap"), this);
    TweedeDenkstap->setObjectName(QStringLiteral("Button3"));
    TweedeDenkstap->setAutoDefault(false);
    add_shared_keys(TweedeDenkstap);
    connect(TweedeDenkstap, &QPushButton::clicked, this, [this] { tweede_denkstap(); });
    register_text(TweedeDenkstap, TextKind::Button, kSecondStep);

    CheckBox2 = new QCheckBox(QStringLiteral("Ook abc formule"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox3 = new QCheckBox(QStringLiteral("Ook grote getallen"), this);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    for (QCheckBox* c : {CheckBox2, CheckBox3})
        add_option_control(c);
    register_text(CheckBox2, TextKind::CheckBox, kAbcOption);
    register_text(CheckBox3, TextKind::CheckBox, kBigNumbers);
    CheckBox2->hide();

    SpeedButton10 =
        make_text_button(this, QStringLiteral("SpeedButton10"), QStringLiteral("abc formule"));
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { SpeedButton10Click(); });
    register_text(SpeedButton10, TextKind::SpeedButtonWithHint, kAbcCard);

    SpeedButton5 = picture_button(this, QStringLiteral("SpeedButton5"), glyph_icon(Glyph::Previous),
                                  QStringLiteral("undo"));
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    register_text(SpeedButton5, TextKind::HintOnly, kUndo, true);
    SpeedButton5->hide();

    place_bottom_row({Button1, Button2, SpeedButton1, SpeedButton11, save_button, Button4}, top);
    TweedeDenkstap->setGeometry(140, top, 124, 32);
    CheckBox2->setGeometry(270, top - 2, 150, 18);
    CheckBox3->setGeometry(270, top + 16, 150, 18);
    level_group->setGeometry(422, top - 2, 236, 40);
    SpeedButton10->setGeometry(768, top + 1, 74, 30);
    SpeedButton5->setGeometry(846, top + 1, 30, 30);
}

void TkwadrverglForm::create_decimals_group() {
    GroupBox3 = new QGroupBox(QStringLiteral("Decimalen"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(660, kBottomRow - 2, 104, 40);
    SpeedButton2 = make_text_button(GroupBox3, QStringLiteral("SpeedButton2"), QStringLiteral("+"));
    SpeedButton3 = make_text_button(GroupBox3, QStringLiteral("SpeedButton3"), QStringLiteral("-"));
    SpeedButton2->setGeometry(4, 15, 20, 21);
    SpeedButton3->setGeometry(26, 15, 20, 21);
    ComboBox1 = new QComboBox(GroupBox3);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (int i = 0; i <= kMostDecimals; ++i)
        ComboBox1->addItem(QString::number(i));
    ComboBox1->setCurrentIndex(kStartDecimals);
    ComboBox1->setGeometry(50, 14, 48, 22);
    add_shared_keys(ComboBox1);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    register_text(GroupBox3, TextKind::GroupBox, kDecimalsGroup);
    register_text(SpeedButton2, TextKind::SpeedButtonWithHint, kMoreDecimals);
    register_text(SpeedButton3, TextKind::SpeedButtonWithHint, kFewerDecimals);
    GroupBox3->hide();
}

void TkwadrverglForm::map_roles() {
    set_role(ControlRole::Step, Button2, [this](bool visible) {
        Button2->setEnabled(true);
        Button2->setVisible(visible);
        if (visible) Button2->setFocus();
    });
    set_role(ControlRole::SecondStep, TweedeDenkstap, [this](bool visible) {
        TweedeDenkstap->setVisible(visible);
        if (visible) TweedeDenkstap->setFocus();
    });
    set_role(ControlRole::SidePanel, GroupBox2, [this](bool visible) {
        GroupBox2->setVisible(visible);
        if (visible) {
            GroupBox2->raise();
        } else {
            Panel3->hide();
        }
    });
    set_role(ControlRole::DecimalsGroup, GroupBox3);
}

void TkwadrverglForm::fill_calibration_table() {
    std::vector<CalibratedControl> table;
    add_calibrated(table, {Button1, Button2, TweedeDenkstap, Button4, level_group, GroupBox3},
                   kButtonOffset);
    add_calibrated(table, {SpeedButton1, SpeedButton5, SpeedButton10, SpeedButton11, save_button},
                   kToolButtonOffset);
    table.push_back({CheckBox2, 42});
    table.push_back({CheckBox3, 24});
    set_calibration_table(std::move(table));
}

void TkwadrverglForm::apply_preset(Preset preset) {
    if (preset == Preset::ShowAbcFormula) CheckBox2->show();
}

// --- life cycle ---

void TkwadrverglForm::showing() {
    SpeedButton5->hide();
    undo_.reset();
    undo_due_ = false;
    CheckBox3->setChecked(false);
    ComboBox1->setCurrentIndex(kStartDecimals);
    settings_while_shown().set_decimals(kStartDecimals);
    settings_while_shown().set_exact_fractions(false);
    settings_while_shown().set_exact_roots(false);
    settings_while_shown().set_fixed_decimals(true);
    hide_cover_sheet();
    GroupBox3->hide();
    if (file_.on) end_file_mode();
    new_exercise();
}

void TkwadrverglForm::closing() {
    CheckBox2->hide();
    if (file_.on) end_file_mode();
    hide_explanation_window();
    CheckBox3->setChecked(false);
}

void TkwadrverglForm::finished() {
    TweedeDenkstap->hide();
    Button1->setFocus();
}

bool TkwadrverglForm::step_available() const {
    return (Button2->isVisibleTo(this) && Button2->isEnabled()) ||
           (TweedeDenkstap->isVisibleTo(this) && TweedeDenkstap->isEnabled());
}

QuadraticChoice TkwadrverglForm::choice() const {
    return QuadraticChoice{level(), CheckBox2->isChecked(), CheckBox3->isChecked()};
}

int TkwadrverglForm::decimals() const {
    return number_settings.decimals;
}

// --- exercises ---

void TkwadrverglForm::new_exercise() {
    hint(0);
    if (undo_due_) {
        undo_ = worker_.initial;
        SpeedButton5->show();
    }
    const bool product = forced_product_ ? *forced_product_ : random(3) == 2;
    if (file_.on || !product) {
        init();
    } else {
        inithaakjes();
    }
    undo_due_ = true;
}

void TkwadrverglForm::init() {
    QuadraticExercise e;
    if (file_.on) {
        if (!next_file_exercise(e)) return;
    } else {
        e = generate_standard(choice());
    }
    begin(e);
}

void TkwadrverglForm::inithaakjes() {
    begin(generate_product(choice()));
}

void TkwadrverglForm::begin(const QuadraticExercise& e) {
    hide_cover_sheet();
    Panel3->hide();
    worker_.begin(e, QuadraticWorker::first_hint(e));
    Button1->setFocus();
    Button2->setFocus();
}

void TkwadrverglForm::rekenstap() {
    if (Button2->isVisibleTo(this)) {
        eerste_denkstap();
    } else {
        tweede_denkstap();
    }
}

void TkwadrverglForm::eerste_denkstap() {
    if (!Button2->isVisibleTo(this)) return;
    worker_.eerste_denkstap();
    raise_help();
}

void TkwadrverglForm::tweede_denkstap() {
    if (!TweedeDenkstap->isVisibleTo(this)) return;
    worker_.tweede_denkstap();
    raise_help();
}

// --- decimals ---

void TkwadrverglForm::set_decimals(int n) {
    n = std::clamp(n, 0, kMostDecimals);
    ComboBox1->setCurrentIndex(n);
    settings_while_shown().set_decimals(n);
    worker_.work_again();
    option_click();
}

void TkwadrverglForm::SpeedButton2Click() {
    set_decimals(decimals() + 1);
}

void TkwadrverglForm::SpeedButton3Click() {
    set_decimals(decimals() - 1);
}

void TkwadrverglForm::ComboBox1Change() {
    set_decimals(ComboBox1->currentIndex());
}

// --- undo ---

void TkwadrverglForm::SpeedButton5Click() {
    if (!undo_) return;
    hint(0);
    hide_cover_sheet();
    worker_.begin(*undo_, 0);
    undo_.reset();
    SpeedButton5->hide();
    raise_help();
}

// --- exercise files ---

void TkwadrverglForm::SpeedButton6Click() {
    const QString path =
        ask_file_name({FileDialogRequest::Open, this, msg(kOpenTitle),
                       msg(kOpenTitle) + QStringLiteral(" (*.txt)"), program_dir()});
    if (!path.isEmpty()) open_exercise_file(path);
    raise_help();
}

bool TkwadrverglForm::open_exercise_file(const QString& path) {
    // Opening a file while another is open closes the first.
    if (file_.on) end_file_mode();
    const ExerciseFileCheck check = check_number_file(path);
    namespace r = exercise_file_result;
    namespace m = quadratic_messages;
    switch (check.result) {
        case r::kOk:
            break;
        case r::kNotAnExpression:
            show_message(msg(m::kNotANumber) + QLatin1Char(' ') + QString::number(check.lines));
            return false;
        case r::kNotTriples:
            show_message(msg(m::kNotTriples));
            return false;
        case r::kNotQuadratic:
            show_message(msg(m::kNotQuadratic) + QLatin1Char(' ') +
                         QString::number(check.exercise));
            return false;
        case r::kTooLarge:
            show_message(msg(m::kTooLarge) + QLatin1Char(' ') + QString::number(check.exercise));
            return false;
        default:
            show_message(msg(m::kNoValues));
            return false;
    }
    file_.on = true;
    file_.title = windowTitle();
    file_.number = 0;
    file_.count = check.lines / 3;
    new_exercise();
    return true;
}

bool TkwadrverglForm::next_file_exercise(QuadraticExercise& e) {
    int A = worker_.initial.A, B = worker_.initial.B, C = worker_.initial.C;
    const int r = read_number_triple(A, B, C);
    if (r != 0 || A == 0) {
        // At the end of the file (or where it changed since it was checked)
        // the equation that was there is shown again.
        show_message(msg(r == -2 ? kFileDone : kNotANumber));
        end_file_mode();
        begin(worker_.initial);
        return false;
    }
    ++file_.number;
    msg_param1 = QString::number(file_.number);
    setWindowTitle(file_.title + QStringLiteral("   ") + msg(kExerciseOf) + QLatin1Char(' ') +
                   QString::number(file_.count));
    e = standard_exercise(A, B, C);
    return true;
}

void TkwadrverglForm::end_file_mode() {
    close_read_file();
    if (file_.on) setWindowTitle(file_.title);
    file_ = FileMode{};
}

// --- copy, explanation ---

void TkwadrverglForm::SpeedButton9Click() {
    QGuiApplication::clipboard()->setImage(strip().image());
    raise_help();
}

void TkwadrverglForm::SpeedButton8Click() {
    QGuiApplication::clipboard()->setImage(side_surface().image());
    raise_help();
}

void TkwadrverglForm::SpeedButton10Click() {
    selection.topic_code = kTopic;
    const QuadraticExercise e = worker_.exercise;
    explanation_window()->show_for(this, [e] {
        return QVariantMap{
            {QStringLiteral("a"), e.A0}, {QStringLiteral("b"), e.B0}, {QStringLiteral("c"), e.C0}};
    });
    raise_help();
}

// --- what the render mode writes ---

QImage TkwadrverglForm::picture() const {
    const QImage& s = EquationStrip->surface().image();
    const QImage& w = Image2->surface().image();
    const bool panel = GroupBox2->isVisibleTo(this);
    const QImage& p = Image4->surface().image();
    const int gap = 4;
    QImage out(std::max(s.width(), w.width() + (panel ? gap + p.width() : 0)),
               s.height() + gap + std::max(w.height(), panel ? p.height() : 0),
               QImage::Format_RGB32);
    out.fill(QColor(255, 255, 0));
    QPainter painter(&out);
    painter.drawImage(0, 0, s);
    painter.drawImage(0, s.height() + gap, w);
    if (panel) painter.drawImage(w.width() + gap, s.height() + gap, p);
    return out;
}

QJsonObject TkwadrverglForm::description() const {
    QJsonObject o = surface_to_json(Image2->surface());
    o.insert(QStringLiteral("equation"),
             read_line_texts(EquationStrip->surface().display()).join(QLatin1Char(' ')));
    if (GroupBox2->isVisibleTo(this))
        o.insert(QStringLiteral("factor_pairs"),
                 QJsonArray::fromStringList(read_line_texts(Image4->surface().display())));
    return o;
}

}  // namespace cifrala
