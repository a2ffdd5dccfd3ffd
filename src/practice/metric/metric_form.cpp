#include "practice/metric/metric_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/metric/metric_ladder.h"
#include "practice/metric/metric_style.h"
#include "practice/metric/metric_texts.h"
#include "text/help.h"

namespace cifrala {

namespace {

using namespace metric_ladder;

constexpr int kRowTop = 682;
constexpr QPoint kLadderBoxAt{96, 200};
constexpr int kLadderBoxWidth = 785;
constexpr int kLadderBoxHeight = 343;
constexpr int kVolumeBoxHeight = 390;
constexpr QPoint kUnitPanelAt{2, 128};
constexpr QSize kUnitPanel{777, 50};
constexpr int kVolumePanelHeight = 225;
constexpr int kFactorTextRight = 734;
constexpr QSize kStandardFormImage{369, 49};

PracticeWindowConfig metric_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::MetricSystem;
    c.class_name = QStringLiteral("TMetrieke_stelsel_Form");
    c.title = QStringLiteral("Het Metrieke stelsel");
    c.surface_rect = QRect(1, 0, 1014, 678);
    c.surface_style = metriek_surface_style();
    c.cover_distance = 40;
    c.cover_sheet_stays = true;
    c.has_levels = false;
    c.hint_check_name = QStringLiteral("HintCheck");
    c.level_group_name = QStringLiteral("LevelGroup");
    c.cover_sheet_name = QStringLiteral("Panel1");
    return c;
}

void fill_aqua(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kAqua);
    w->setPalette(pal);
}

// Writes a button's caption smaller where it would not fit its width.
void fit_caption(QAbstractButton* b, int points, int indicator) {
    const int room = b->width() - indicator;
    int size = points;
    QFont f = make_font(QStringLiteral("Verdana"), size, false);
    while (size > 6 && QFontMetrics(f).horizontalAdvance(b->text()) > room)
        f = make_font(QStringLiteral("Verdana"), --size, false);
    b->setFont(f);
}

}  // namespace

TMetrieke_stelsel_Form::TMetrieke_stelsel_Form(QWidget* parent)
    : PracticeWindow(metric_config(), parent), worker_(*this) {
    hint_check->hide();
    for (QRadioButton* r : {RadioButton1, RadioButton2, RadioButton3})
        r->setObjectName(QStringLiteral("Level") + r->objectName());

    create_ladder_box();
    create_standard_form_box();
    create_bottom_row();
    create_own_exercise_panel();
    fill_calibration_table();

    set_role(ControlRole::OwnExercise, SpeedButton4);
    set_role(ControlRole::ResultBox, GroupBox3);
    set_role(ControlRole::StandardForm, CheckBox1);

    // The double click that shows the cover sheet also starts a new exercise.
    connect(Image1, &SurfacePane::doubleClicked, this, [this] { Button1Click(); });

    add_mode(QStringLiteral("metric"), kAnyCode, kAnyCode,
             make_mode({{TextKind::Window, metric_tags::kTitle},
                        metric_tags::kHelpPage,
                        false,
                        {},
                        [this] { new_exercise(); },
                        [this] { worker_.rekenstap(); },
                        [this] { return &worker_; }}));
    add_language_listener(this, [this] {
        fit_caption(CheckBox1, 9, 22);
        for (QRadioButton* r : quantity_buttons)
            fit_caption(r, 9, 20);
    });
    fit_caption(CheckBox1, 9, 22);
    for (QRadioButton* r : quantity_buttons)
        fit_caption(r, 9, 20);
    herstel_eenheden();
}

TMetrieke_stelsel_Form::~TMetrieke_stelsel_Form() {
    settings_while_shown().restore();
}

void TMetrieke_stelsel_Form::create_bottom_row() {
    Button1->setGeometry(6, kRowTop, 124, 32);
    Button2->setGeometry(134, kRowTop, 90, 32);

    GroupBox1 = new QGroupBox(QStringLiteral("Maak je keuze"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(228, kRowTop - 2, 350, 38);
    register_text(GroupBox1, TextKind::GroupBox, metric_tags::kChoiceGroup);
    auto* row = new QHBoxLayout(GroupBox1);
    row->setContentsMargins(4, 0, 2, 1);
    row->setSpacing(2);
    static const char* const captions[] = {"Lengte", "Oppervlakte", "Inhoud", "Gewicht"};
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(captions[i]), GroupBox1);
        r->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        row->addWidget(r);
        register_text(r, TextKind::RadioButton, metric_tags::kLength + i);
        add_shared_keys(r);
        const auto q = static_cast<Quantity>(i + 1);
        connect(r, &QRadioButton::clicked, this, [this, q] { quantity_click(q); });
        quantity_buttons[static_cast<size_t>(i)] = r;
    }
    quantity_buttons[0]->setChecked(true);

    CheckBox1 = new QCheckBox(QStringLiteral("Ik weet wat de standaardvorm is."), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(582, kRowTop + 8, 188, 20);
    CheckBox1->setToolTip(QStringLiteral("Wetenschappelijke notatie"));
    register_text(CheckBox1, TextKind::CheckBox, metric_tags::kStandardFormCheck);
    add_option_control(CheckBox1);

    help_button->setGeometry(772, kRowTop + 1, 30, 30);
    // Help shows page 702 and, like a quantity button, starts a new exercise
    // on the ladder the help page describes.
    connect(help_button, &QToolButton::clicked, this, [this] {
        Button1Click();
        raise_help();
    });
    copy_button->setGeometry(802, kRowTop + 1, 30, 30);
    save_button->setGeometry(832, kRowTop + 1, 30, 30);
    SpeedButton4 =
        make_text_button(this, QStringLiteral("SpeedButton4"), QStringLiteral("Eigen opgave"));
    SpeedButton4->setGeometry(866, kRowTop + 1, 84, 30);
    register_text(SpeedButton4, TextKind::SpeedButtonWithHint, practice_tags::kOwnExercise);
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    Button3->setGeometry(954, kRowTop, 56, 32);
}

void TMetrieke_stelsel_Form::create_ladder_box() {
    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(QRect(kLadderBoxAt, QSize(kLadderBoxWidth, kLadderBoxHeight)));
    GroupBox2->setFont(make_font(QStringLiteral("Verdana"), 9, true));
    fill_aqua(GroupBox2);
    register_text(GroupBox2, TextKind::HintOnly, metric_tags::kLadderBox, true);
    GroupBox2->installEventFilter(this);

    Image2 = add_pane(SurfaceRole::Ladder, QStringLiteral("Image2"),
                      QSize(kImageWidth, kImageHeight), metriek_ladder_style(), GroupBox2);
    Image2->move(2, 20);
    draw_upper_ladder(Image2->surface());
    connect(Image2, &SurfacePane::doubleClicked, this, [this] { worksheet_double_click(); });

    for (int i = 0; i < 4; ++i) {
        const auto q = static_cast<Quantity>(i + 1);
        auto* panel = new QFrame(GroupBox2);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 2));
        const int h = q == Quantity::Volume ? kVolumePanelHeight : kUnitPanel.height();
        panel->setGeometry(QRect(kUnitPanelAt, QSize(kUnitPanel.width(), h)));
        fill_aqua(panel);
        const QString name = QStringLiteral("Image%1").arg(i + 3);
        const QSize size(kNamesWidth, q == Quantity::Volume ? kVolumeNamesHeight : kNamesHeight);
        SurfacePane* image =
            q == Quantity::Volume
                ? add_pane(SurfaceRole::LitreLadder, name, size, metriek_ladder_style(), panel)
                : new SurfacePane(size, metriek_ladder_style(), panel);
        image->setObjectName(name);
        image->move(0, 1);
        draw_unit_names(image->surface(), q);
        connect(image, &SurfacePane::doubleClicked, this, [this] { worksheet_double_click(); });
        unit_panels[static_cast<size_t>(i)] = panel;
        unit_images[static_cast<size_t>(i)] = image;
    }

    const QFont factor_font = make_font(QStringLiteral("Verdana"), 14, true);
    Label1 = new QLabel(GroupBox2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(GroupBox2);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2}) {
        l->setFont(factor_font);
        l->setStyleSheet(QStringLiteral("color: #ff0000;"));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->raise();
    }
    Label1->move(10, 18);
}

void TMetrieke_stelsel_Form::create_standard_form_box() {
    GroupBox3 = new QGroupBox(QStringLiteral("Antwoord in standaardvorm"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setToolTip(QStringLiteral("Wetenschappelijke notatie"));
    // A group box, not a window: its caption is its title, the second line its hint.
    register_text(GroupBox3, TextKind::GroupBox, metric_tags::kStandardFormBox);
    register_text(GroupBox3, TextKind::HintOnly, metric_tags::kStandardFormBox);
    fill_practice_yellow(GroupBox3);
    Image7 = add_pane(SurfaceRole::ResultBox, QStringLiteral("Image7"), kStandardFormImage,
                      metriek_standard_form_style(), GroupBox3);
    Image7->move(3, 20);
    Image7->surface().clearimage();
    GroupBox3->setGeometry(0, metriek_standard_form_top(), kStandardFormImage.width() + 6,
                           kStandardFormImage.height() + 25);
    GroupBox3->hide();
}

void TMetrieke_stelsel_Form::fill_calibration_table() {
    std::vector<CalibratedControl> table;
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2, Button3, GroupBox1})
        table.push_back({w, 40});
    table.push_back({CheckBox1, 32});
    for (QWidget* w :
         std::initializer_list<QWidget*>{help_button, copy_button, save_button, SpeedButton4})
        table.push_back({w, 39});
    set_calibration_table(std::move(table));
}

// --- the quantity ---

Quantity TMetrieke_stelsel_Form::quantity() const {
    for (size_t i = 0; i < quantity_buttons.size(); ++i)
        if (quantity_buttons[i]->isChecked()) return static_cast<Quantity>(i + 1);
    return Quantity::Length;
}

void TMetrieke_stelsel_Form::set_quantity(Quantity q) {
    quantity_buttons[static_cast<size_t>(q) - 1]->setChecked(true);
}

void TMetrieke_stelsel_Form::vul_eenheden_in(Quantity q) {
    const size_t index = static_cast<size_t>(q) - 1;
    GroupBox2->resize(kLadderBoxWidth, q == Quantity::Volume ? kVolumeBoxHeight : kLadderBoxHeight);
    for (size_t i = 0; i < unit_panels.size(); ++i)
        unit_panels[i]->setVisible(i == index);
    const QString factor = q == Quantity::Area     ? QStringLiteral("100")
                           : q == Quantity::Volume ? QStringLiteral("1000")
                                                   : QStringLiteral("10");
    Label1->setText(QStringLiteral(": ") + factor);
    Label2->setText(QStringLiteral("× ") + factor);
    Label1->adjustSize();
    Label2->adjustSize();
    Label2->move(kFactorTextRight - Label2->width(), 18);
    Label1->raise();
    Label2->raise();
    set_translated_caption(TranslatedWindow::MetricSystem, GroupBox2, TextKind::Message,
                           metric_messages::kLadderCaption + static_cast<int>(index));
    GroupBox2->update();
}

void TMetrieke_stelsel_Form::herstel_eenheden() {
    vul_eenheden_in(quantity());
}

// --- exercises ---

void TMetrieke_stelsel_Form::showing() {
    box_anchor_.reset();
    settings_while_shown().set_decimals(5);
    settings_while_shown().set_arrowhead(kArrowLength, kArrowAngle);
    Button1Click();
}

void TMetrieke_stelsel_Form::new_exercise() {
    put_exercise(generate_exercise(quantity(), forced_kind_));
}

void TMetrieke_stelsel_Form::put_exercise(const MetricExercise& e) {
    GroupBox3->hide();
    Panel6->hide();
    worker_.start(e);
    herstel_eenheden();
}

void TMetrieke_stelsel_Form::set_exercise(const MetricExercise& e) {
    put_worksheet_back();
    put_exercise(e);
    Button1->show();
}

void TMetrieke_stelsel_Form::quantity_click(Quantity q) {
    set_quantity(q);
    if (next_available()) {
        Button1->setFocus();
    } else if (step_available()) {
        Button2->setFocus();
    }
    const bool own_panel_open = Panel6->isVisibleTo(this);
    Button1Click();
    if (own_panel_open) {
        eigen_opgave_panel_update();
        Panel6->show();
        Panel6->raise();
    }
}

void TMetrieke_stelsel_Form::worksheet_double_click() {
    show_cover_sheet();
    Button1Click();
}

void TMetrieke_stelsel_Form::place_control(ControlRole role, QPoint on_worksheet) {
    if (role == ControlRole::ResultBox) {
        // The box stays on the worksheet, however long the given value is.
        const int room = Image1->width() - GroupBox3->width();
        on_worksheet.setX(std::clamp(on_worksheet.x(), 0, std::max(0, room)));
    }
    PracticeWindow::place_control(role, on_worksheet);
    if (cover_sheet()->isVisibleTo(this)) cover_sheet()->raise();
}

bool TMetrieke_stelsel_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GroupBox2) {
        // The ladder box follows the mouse without limits.
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* m = static_cast<QMouseEvent*>(event);
                if (m->button() == Qt::LeftButton) box_anchor_ = m->position().toPoint();
                return true;
            }
            case QEvent::MouseMove:
                if (box_anchor_) {
                    auto* m = static_cast<QMouseEvent*>(event);
                    GroupBox2->move(GroupBox2->pos() + m->position().toPoint() - *box_anchor_);
                }
                return true;
            case QEvent::MouseButtonRelease:
                box_anchor_.reset();
                return true;
            case QEvent::MouseButtonDblClick:
                worksheet_double_click();
                return true;
            default:
                break;
        }
    }
    return PracticeWindow::eventFilter(watched, event);
}

}  // namespace cifrala
