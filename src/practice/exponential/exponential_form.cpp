#include "practice/exponential/exponential_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "formula/surface_pane.h"
#include "practice/common/worked_window.h"
#include "practice/exponential/exponential_style.h"
#include "practice/exponential/exponential_texts.h"
#include "text/help.h"
#include "util/selection.h"

namespace cifrala {

using namespace exponential_tags;

namespace {

constexpr int kTopic = 28;
constexpr int kBottomRow = 684;
constexpr int kHighestPower = 7;
constexpr int kGridRows = 9;
constexpr int kRowHeight = 22;
constexpr int kPanelLeft = 856, kPanelTop = 8;
constexpr int kExponentWidth = 40, kPowerWidth = 90;

SurfaceStyle worksheet_style() {
    SurfaceStyle s;
    apply_frame(s, frame_expvergl());
    s.font.size = 20;
    s.fraction_b = expvergl_fraction_style(false);
    s.superscript = expvergl_superscript();
    // The bottom 40 pixels; unticking "Toon hint" empties them.
    s.hint = HintStyle{20, 5, 40, 40, true};
    return s;
}

PracticeWindowConfig exponential_config() {
    PracticeWindowConfig c = worked_window_config(
        TranslatedWindow::ExponentialEquations, QStringLiteral("TExpverglForm"),
        QStringLiteral("Exponentiele vergelijkingen"), QRect(1, 1, 1012, 678), worksheet_style());
    c.hint_check_name = QStringLiteral("CheckBox2");
    c.copy_button_name = QStringLiteral("SpeedButton2");
    c.save_button_name = QStringLiteral("SpeedButton3");
    return c;
}

QTableWidget* make_grid(QWidget* parent, const QString& name, int width) {
    auto* g = new QTableWidget(kGridRows, 1, parent);
    g->setObjectName(name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setColumnWidth(0, width - 4);
    for (int r = 0; r < kGridRows; ++r)
        g->setRowHeight(r, kRowHeight);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setFocusPolicy(Qt::NoFocus);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setFixedSize(width, kGridRows * kRowHeight + 4);
    return g;
}

void put(QTableWidget* g, int row, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    g->setItem(row, 0, item);
}

}  // namespace

TExpverglForm::TExpverglForm(QWidget* parent)
    : PracticeWindow(exponential_config(), parent), worker_(*this) {
    CheckBox2 = hint_check;
    create_bottom_row();
    create_powers_panel();
    fill_calibration_table();
    add_mode(QStringLiteral("exponential"), kAnyCode, kAnyCode,
             worked_topic_mode(
                 kTitle, kHelpPage, kTopic, [this] { new_exercise(); }, [this] { rekenstap(); },
                 [this] { return &worker_; }));
    Button2->hide();
}

TExpverglForm::~TExpverglForm() = default;

// --- controls ---

void TExpverglForm::create_bottom_row() {
    const int top = kBottomRow;
    CheckBox1 = new QCheckBox(QStringLiteral("Toon machten"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    add_option_control(CheckBox1);
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    register_text(CheckBox1, TextKind::CheckBox, kShowPowers);
    CheckBox1->hide();

    SpeedButton5 =
        make_text_button(this, QStringLiteral("SpeedButton5"), QStringLiteral("Formules"));
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    register_text(SpeedButton5, TextKind::SpeedButtonWithHint, kFormulas);

    place_bottom_row({Button1, Button2, help_button, copy_button, save_button, Button3}, top);
    CheckBox2->setGeometry(272, top - 1, 110, 18);
    CheckBox1->setGeometry(272, top + 17, 130, 18);
    level_group->setGeometry(410, top - 2, 290, 40);
    SpeedButton5->setGeometry(712, top + 1, 80, 30);
}

void TExpverglForm::create_powers_panel() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    fill_practice_yellow(Panel1);
    Grid1 = make_grid(Panel1, QStringLiteral("StringGrid1"), kExponentWidth);
    Grid2 = make_grid(Panel1, QStringLiteral("StringGrid2"), kPowerWidth);
    Grid1->move(2, 2);
    Grid2->move(kExponentWidth + 4, 2);
    Panel1->setGeometry(kPanelLeft, kPanelTop, kExponentWidth + kPowerWidth + 6,
                        kGridRows * kRowHeight + 8);
    register_text(Panel1, TextKind::HintOnly, kPowersPanel, true);
    Panel1->hide();
}

void TExpverglForm::fill_calibration_table() {
    std::vector<CalibratedControl> table;
    add_calibrated(table, {Button1, Button2, Button3, level_group}, kButtonOffset);
    add_calibrated(table, {help_button, copy_button, save_button, SpeedButton5}, kToolButtonOffset);
    table.push_back({CheckBox2, 41});
    table.push_back({CheckBox1, 23});
    set_calibration_table(std::move(table));
}

// --- life cycle ---

void TExpverglForm::showing() {
    // The window waits for "Volgende oefening".
    Button2->hide();
    Button1->show();
    hide_cover_sheet();
    surface().measure_only = false;
    worker_.phase = -1;
    worker_.step = -1;
    surface().clearimage();
    CheckBox1->hide();
    Panel1->hide();
    Button1->setFocus();
    if (start_on_show_) new_exercise();
}

void TExpverglForm::closing() {
    hide_explanation_window();
}

void TExpverglForm::finished() {
    Button1->setFocus();
}

void TExpverglForm::new_exercise() {
    begin(generate_exponential(level()));
}

void TExpverglForm::begin(const ExpExercise& x) {
    hide_cover_sheet();
    Button1->show();
    worker_.begin(x);
    CheckBox1->show();
    refresh_powers();
    Button2->setFocus();
    if (explanation_window_visible()) explanation_window()->raise();
    raise_help();
}

void TExpverglForm::rekenstap() {
    worker_.rekenstap();
    if (explanation_window_visible()) explanation_window()->raise();
}

// --- the powers panel, the hint, the formulas ---

void TExpverglForm::refresh_powers() {
    const int g = worker_.exercise.g;
    put(Grid1, 0, QStringLiteral("x"));
    put(Grid2, 0, QString::number(g) + QStringLiteral("^x"));
    for (int i = 1; i <= kHighestPower; ++i) {
        put(Grid1, i, QString::number(i));
        put(Grid2, i, QString::number(power_of(g, i)));
    }
    Panel1->setVisible(CheckBox1->isChecked() && CheckBox1->isVisibleTo(this));
    if (Panel1->isVisibleTo(this)) Panel1->raise();
}

QStringList TExpverglForm::powers_rows() const {
    QStringList out;
    for (int r = 0; r < kGridRows; ++r) {
        const QTableWidgetItem* a = Grid1->item(r, 0);
        const QTableWidgetItem* b = Grid2->item(r, 0);
        if (!a && !b) continue;
        out << (a ? a->text() : QString()) + QLatin1Char(' ') + (b ? b->text() : QString());
    }
    return out;
}

void TExpverglForm::CheckBox1Click() {
    if (CheckBox1->isChecked()) refresh_powers();
    Panel1->setVisible(CheckBox1->isChecked());
    if (Panel1->isVisibleTo(this)) Panel1->raise();
    option_click();
}

void TExpverglForm::CheckBox2Click() {
    // The hint of the stage due now, or an empty hint line.
    surface().toonhint(worker_.phase > 0 ? worker_.current_hint() : 0);
}

void TExpverglForm::SpeedButton5Click() {
    if (explanation_window_visible() && explanation_window()->shown_topic() == kTopic) {
        hide_explanation_window();
    } else if (program_options.show_theory_windows) {
        selection.topic_code = kTopic;
        explanation_window()->show_for(this, [] { return QVariantMap{}; });
    }
    raise_help();
}

}  // namespace cifrala
