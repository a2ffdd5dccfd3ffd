#include "practice/lens/lens_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "formula/display_json.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/lens/lens_style.h"
#include "practice/lens/lens_texts.h"
#include "text/help.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala {

using namespace lens_tags;
using namespace lens_messages;

namespace {

constexpr int kSketchTopic = 6;
constexpr int kSurfaceLeft = 14, kSurfaceTop = 1;
constexpr int kSurfaceWidth = 988, kSurfaceHeight = 601;
constexpr int kRow1 = kSurfaceTop + kSurfaceHeight + 4;
constexpr int kRow2 = kRow1 + 38;
constexpr int kOwnLeft = 560, kOwnTop = 110, kOwnWidth = 320, kOwnHeight = 236;

PracticeWindowConfig lens_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::Lens;
    c.class_name = QStringLiteral("TLenzenForm");
    c.title = QStringLiteral("De lenzenformule");
    c.surface_rect = QRect(kSurfaceLeft, kSurfaceTop, kSurfaceWidth, kSurfaceHeight);
    c.surface_style = lenzen_worksheet_style();
    c.cover_distance = 80;
    c.copy_button_name = QStringLiteral("SpeedButton11");
    c.save_button_name = QStringLiteral("SpeedButton13");
    return c;
}

}  // namespace

TLenzenForm::TLenzenForm(QWidget* parent) : PracticeWindow(lens_config(), parent), worker_(*this) {
    CheckBox1 = hint_check;
    SpeedButton1 = help_button;
    SpeedButton11 = copy_button;
    surface().stored_line_unit = kLenzenLineUnit;
    surface().clearimage();
    create_bottom_row();
    create_own_panel();
    create_group();
    fill_calibration_table();
    set_role(ControlRole::OwnExercise, SpeedButton12);
    add_mode(QStringLiteral("lens"), kAnyCode, kAnyCode,
             make_mode({{TextKind::Window, kTitle},
                        kHelpPage,
                        false,
                        [] {},
                        [this] { new_exercise(); },
                        [this] { rekenstap(); },
                        [this] { return &worker_; }}));
    set_up_again();
}

TLenzenForm::~TLenzenForm() = default;

// --- controls ---

void TLenzenForm::create_bottom_row() {
    SpeedButton4 = make_text_button(this, QStringLiteral("SpeedButton4"),
                                    QStringLiteral("Exploreer dynamisch"));
    SpeedButton5 =
        make_text_button(this, QStringLiteral("SpeedButton5"), QStringLiteral("Situatieschets"));
    SpeedButton12 =
        make_text_button(this, QStringLiteral("SpeedButton12"), QStringLiteral("Eigen opgave"));
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    connect(SpeedButton12, &QToolButton::clicked, this, [this] { SpeedButton12Click(); });
    register_text(SpeedButton4, TextKind::SpeedButtonWithHint, kExplore);
    register_text(SpeedButton5, TextKind::SpeedButtonWithHint, kSketch);
    register_text(SpeedButton12, TextKind::SpeedButton, practice_tags::kOwnExercise);

    Button1->setGeometry(6, kRow1, 138, 32);
    Button2->setGeometry(150, kRow1, 120, 32);
    CheckBox1->setGeometry(282, kRow1 + 8, 100, 18);
    level_group->setGeometry(390, kRow1 - 2, 274, 42);
    SpeedButton1->setGeometry(680, kRow1 + 1, 30, 30);
    SpeedButton11->setGeometry(712, kRow1 + 1, 30, 30);
    save_button->setGeometry(744, kRow1 + 1, 30, 30);
    Button3->setGeometry(934, kRow1, 76, 32);
    SpeedButton4->setGeometry(6, kRow2, 170, 28);
    SpeedButton5->setGeometry(182, kRow2, 140, 28);
    SpeedButton12->setGeometry(328, kRow2, 120, 28);
}

void TLenzenForm::create_own_panel() {
    Panel1 = add_floating_panel(QStringLiteral("Panel1"));
    Panel1->setGeometry(kOwnLeft, kOwnTop, kOwnWidth, kOwnHeight);
    fill_practice_yellow(Panel1);
    PanelCaption = make_label(
        Panel1, QStringLiteral("Label7"),
        QStringLiteral("Vul twee van de drie afstanden in; de derde wordt berekend."), 10);
    PanelCaption->setGeometry(10, 6, kOwnWidth - 36, 34);
    register_text(PanelCaption, TextKind::Label, kOwnCaption);
    Edit1 = new QLineEdit(Panel1);
    Edit2 = new QLineEdit(Panel1);
    Edit3 = new QLineEdit(Panel1);
    int i = 0;
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        EditLabels[static_cast<size_t>(i)] =
            make_label(Panel1, QStringLiteral("Label%1").arg(i + 1), QString(), 12);
        EditLabels[static_cast<size_t>(i)]->setGeometry(20, 46 + 36 * i, 60, 26);
        e->setGeometry(84, 46 + 36 * i, 140, 28);
        e->setFont(font());
        connect(e, &QLineEdit::textChanged, this, [this] { edit_changed(); });
        ++i;
    }
    // Enter goes round the three fields.
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { Edit2->setFocus(); });
    connect(Edit2, &QLineEdit::returnPressed, this, [this] { Edit3->setFocus(); });
    connect(Edit3, &QLineEdit::returnPressed, this, [this] { Edit1->setFocus(); });
    SpeedButton2 =
        make_text_button(Panel1, QStringLiteral("SpeedButton2"), QStringLiteral("Start"));
    SpeedButton2->setGeometry(234, 118, 76, 28);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    register_text(SpeedButton2, TextKind::SpeedButtonWithHint, kGo);
    PanelReason = make_label(Panel1, QStringLiteral("Label8"), QString(), 9);
    PanelReason->setGeometry(10, 156, kOwnWidth - 20, 74);
    PanelReason->setStyleSheet(QStringLiteral("color: #b00000"));
    Panel1->hide();
}

void TLenzenForm::fill_calibration_table() {
    std::vector<CalibratedControl> table;
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2, Button3, level_group})
        table.push_back({w, 78});
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton1, SpeedButton11, save_button})
        table.push_back({w, 77});
    table.push_back({CheckBox1, 70});
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton4, SpeedButton5, SpeedButton12})
        table.push_back({w, 40});
    set_calibration_table(std::move(table));
}

// --- life cycle ---

void TLenzenForm::take_letters() {
    for (int i = 0; i < 3; ++i) {
        letters_[static_cast<size_t>(i)] = msg(kLetterV + i).left(2);
        EditLabels[static_cast<size_t>(i)]->setText(letters_[static_cast<size_t>(i)] +
                                                    QStringLiteral(" ="));
    }
    diagram_.letters = letters_;
}

void TLenzenForm::set_up_again() {
    picked_ = -1;
    take_letters();
    diagram_.reset_defaults();
    GroupBox2->hide();
    redraw_diagram();
}

void TLenzenForm::showing() {
    picked_ = -1;
    SpeedButton12->show();
    take_letters();
    diagram_.reset_defaults();
    GroupBox2->hide();
    Panel1->hide();
    redraw_diagram();
    if (typed_) {
        // The render mode's own exercise, typed as the pupil types it.
        SpeedButton12Click();
        Edit1->setText((*typed_)[0]);
        Edit2->setText((*typed_)[1]);
        Edit3->setText((*typed_)[2]);
        SpeedButton2Click();
        if (Panel1->isVisibleTo(this)) new_exercise();  // refused: a generated one
    } else {
        new_exercise();
    }
    Button1->show();
    if (show_diagram_) SpeedButton4Click();
}

void TLenzenForm::closing() {
    hide_explanation_window();
    picked_ = -1;
}

void TLenzenForm::finished() {
    SpeedButton12->show();
    Button1->setFocus();
}

void TLenzenForm::set_typed_exercise(const QString& v, const QString& b, const QString& f) {
    typed_ = std::array<QString, 3>{v, b, f};
}

// --- exercises ---

void TLenzenForm::new_exercise() {
    diagram_.values.pan_x = diagram_.values.pan_y = 0;
    surface().measure_only = false;
    GroupBox2->hide();
    Panel1->hide();
    SpeedButton12->show();
    begin(generate_lens(level(), forced_kind_));
}

void TLenzenForm::begin(const LensExercise& e) {
    hide_cover_sheet();
    surface().clearimage();
    hint(0);
    worker_.begin(e);
    show_step_button();
    option_click();
}

void TLenzenForm::rekenstap() {
    SpeedButton12->hide();
    Panel1->hide();
    Button1->hide();
    option_click();
    worker_.rekenstap();
    option_click();
}

// --- the own exercise ---

QLineEdit* TLenzenForm::field(int index) const {
    return index == 0 ? Edit1 : index == 1 ? Edit2 : Edit3;
}

void TLenzenForm::SpeedButton12Click() {
    SpeedButton12->hide();
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        const QSignalBlocker block(e);
        e->clear();
        e->setStyleSheet(QString());
        e->setToolTip(QString());
    }
    PanelReason->clear();
    SpeedButton2->setEnabled(false);
    Panel1->show();
    Panel1->raise();
    Edit1->setFocus();
    raise_help();
}

void TLenzenForm::edit_changed() {
    int filled = 0;
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        if (!e->text().trimmed().isEmpty()) ++filled;
        e->setStyleSheet(QString());
        e->setToolTip(QString());
    }
    PanelReason->clear();
    SpeedButton2->setEnabled(filled == 2);
}

void TLenzenForm::refuse(const LensOwnResult& r) {
    // Nothing changes: the message in the hint line (when hints are shown)
    // and beside the fields, the field that is the cause marked.
    msg_param1 = r.param;
    hint(r.message);
    msg_param1 = r.param;
    const QString reason = msg(r.message);
    QLineEdit* e = field(r.field);
    e->setStyleSheet(QStringLiteral("QLineEdit { background: #ffd0d0; }"));
    e->setToolTip(reason);
    PanelReason->setText(reason);
    e->setFocus();
    e->selectAll();
}

void TLenzenForm::SpeedButton2Click() {
    if (!SpeedButton2->isEnabled()) return;
    const LensOwnResult r = read_own_lens(Edit1->text(), Edit2->text(), Edit3->text());
    if (r.message != 0) {
        refuse(r);
        raise_help();
        return;
    }
    diagram_.values.pan_x = diagram_.values.pan_y = 0;
    surface().measure_only = false;
    GroupBox2->hide();
    Panel1->hide();
    SpeedButton12->show();
    begin(r.exercise);
    raise_help();
}

// --- explanation, copy ---

void TLenzenForm::SpeedButton5Click() {
    selection.topic_code = kSketchTopic;
    explanation_window()->show_for(this, [] { return QVariantMap{}; });
    raise_help();
}

// --- what the render mode writes ---

QImage TLenzenForm::picture() const {
    const QImage& w = Image1->surface().image();
    if (!GroupBox2->isVisibleTo(this)) return w.copy();
    const QImage& d = Image2->surface().image();
    const int gap = 4;
    QImage out(w.width(), w.height() + gap + d.height(), QImage::Format_RGB32);
    out.fill(QColor(255, 255, 0));
    QPainter painter(&out);
    painter.drawImage(0, 0, w);
    painter.drawImage(0, w.height() + gap, d);
    return out;
}

QJsonObject TLenzenForm::description() const {
    QJsonObject o = surface_to_json(Image1->surface());
    const LensExercise& e = worker_.exercise;
    o.insert(QStringLiteral("kind"), e.kind);
    o.insert(QStringLiteral("v"), static_cast<double>(e.v));
    o.insert(QStringLiteral("b"), static_cast<double>(e.b));
    o.insert(QStringLiteral("f"), static_cast<double>(e.f));
    if (GroupBox2->isVisibleTo(this)) {
        QJsonArray labels;
        for (QLabel* l : {Label4, Label5, Label6})
            labels.append(l->text());
        o.insert(QStringLiteral("diagram"), labels);
    }
    return o;
}

}  // namespace cifrala
