#include "practice/inequalities/inequalities_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "drawing/cards/algebra_window_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "drawing/explanation/tekening_style.h"
#include "drawing/graphs/graph_operations.h"
#include "expr/expression.h"
#include "formula/arrowhead.h"
#include "formula/display_json.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/common/worked_window.h"
#include "practice/inequalities/inequalities_style.h"
#include "practice/inequalities/inequalities_texts.h"
#include "practice/inequalities/inequality_writing.h"
#include "text/help.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/selection.h"

namespace cifrala {

using namespace inequalities_tags;
using namespace inequalities_messages;

namespace {

constexpr int kTopic = 7;
constexpr int kBottomRow = 684;
// The cover sheet lies over the whole worksheet; it is dragged no higher
// than 50 pixels below its top.
constexpr int kCoverDragLimit = 50;
// The vertex panel on the worksheet, and its surface.
constexpr int kPanelLeft = 670, kPanelTop = 506;
constexpr int kVertexWidth = 333, kVertexHeight = 157;
constexpr int kPanelBorder = 4;
constexpr int kVertexFont = 20;
constexpr int kIndexShrink = 10;
constexpr int kIndexDrop = 20;
// The engine's arrowhead while the window is shown.
constexpr double kArrowhead = 15;
// The graph beside the worksheet in the render mode.
constexpr int kGraphWidth = 400, kGraphHeight = 300;

SurfaceStyle worksheet_style() {
    SurfaceStyle s;
    apply_frame(s, frame_ongelijkheden(2));
    s.fraction = ongelijkheden_fraction_style();
    s.superscript = SuperscriptStyle{10, -5};
    // The closing words stay on the sheet.
    s.shrink_to_fit = true;
    return s;
}

SurfaceStyle vertex_style() {
    SurfaceStyle s;
    apply_frame(s, frame_ongelijkheden(3));
    s.font.size = kVertexFont;
    s.frame.own_background = true;
    s.frame.background = Qt::white;
    s.fraction = ongelijkheden_fraction_style();
    s.superscript = SuperscriptStyle{10, -5};
    // The heading is longer in some languages than the panel is wide.
    s.shrink_to_fit = true;
    return s;
}

PracticeWindowConfig inequalities_config() {
    PracticeWindowConfig c = worked_window_config(
        TranslatedWindow::QuadraticInequalities, QStringLiteral("TOngelijkhedenForm"),
        QStringLiteral("Kwadratische ongelijkheden oefenen"), QRect(1, 1, 1014, 678),
        worksheet_style());
    c.cover_distance = 0;
    c.cover_drag_limit = kCoverDragLimit;
    c.has_levels = false;
    c.copy_button_name = QStringLiteral("SpeedButton4");
    c.save_button_name = QStringLiteral("SpeedButton5");
    c.cover_sheet_name = QStringLiteral("Panel1");
    c.worksheet_name = QStringLiteral("Image2");
    c.stop_name = QStringLiteral("Button6");
    return c;
}

QString vertex_x_text(const InequalityExercise& e) {
    return format_real_full(e.vertex_x());
}

}  // namespace

TOngelijkhedenForm::TOngelijkhedenForm(QWidget* parent)
    : PracticeWindow(inequalities_config(), parent), worker_(*this) {
    Image2 = Image1;
    Button6 = Button3;
    Button7 = Button1;
    Button8 = Button2;
    Button7->setObjectName(QStringLiteral("Button7"));
    Button8->setObjectName(QStringLiteral("Button8"));
    hint_check->hide();
    level_group->hide();

    create_bottom_row();
    create_graphs_group();
    create_vertex_panel();
    fill_calibration_table();
    set_role(ControlRole::Explain, CheckBox1);
    add_mode(QStringLiteral("inequalities"), kAnyCode, kAnyCode,
             worked_topic_mode(
                 kTitle, kHelpPage, kTopic, [this] { new_exercise(); }, [this] { rekenstap(); },
                 [this] { return &worker_; }));
    Button8->hide();
}

TOngelijkhedenForm::~TOngelijkhedenForm() = default;

// --- controls ---

void TOngelijkhedenForm::create_bottom_row() {
    const int top = kBottomRow;
    CheckBox1 = new QCheckBox(QStringLiteral("Grafiekcontrole"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    add_option_control(CheckBox1);
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    register_text(CheckBox1, TextKind::CheckBox, kGraphCheck);
    CheckBox1->hide();

    place_bottom_row({Button7, Button8, help_button, copy_button, save_button, Button6}, top);
    CheckBox1->setGeometry(272, top + 7, 130, 18);
}

void TOngelijkhedenForm::create_graphs_group() {
    GroupBox2 = new QGroupBox(QStringLiteral("Grafieken"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(404, kBottomRow - 4, 466, 40);
    auto* row = new QHBoxLayout(GroupBox2);
    row->setContentsMargins(6, 0, 4, 2);
    row->setSpacing(8);
    CheckBox3 = new QCheckBox(QStringLiteral("Eerste grafiek"), GroupBox2);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    SpeedButton2 =
        make_text_button(GroupBox2, QStringLiteral("SpeedButton2"), QStringLiteral("Bereken"));
    CheckBox4 = new QCheckBox(QStringLiteral("Tweede grafiek"), GroupBox2);
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    CheckBox5 = new QCheckBox(QStringLiteral("Kleur oplossing"), GroupBox2);
    CheckBox5->setObjectName(QStringLiteral("CheckBox5"));
    row->addWidget(CheckBox3);
    row->addWidget(SpeedButton2);
    row->addWidget(CheckBox4);
    row->addWidget(CheckBox5);
    row->addStretch(1);
    for (QCheckBox* c : {CheckBox3, CheckBox4, CheckBox5}) {
        add_option_control(c);
        connect(c, &QCheckBox::clicked, this, [this] { graph_box_click(); });
    }
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    register_text(GroupBox2, TextKind::GroupBox, kGraphsGroup);
    register_text(CheckBox3, TextKind::CheckBox, kFirstGraph);
    register_text(SpeedButton2, TextKind::SpeedButtonWithHint, kVertexButton);
    register_text(CheckBox4, TextKind::CheckBox, kSecondGraph);
    register_text(CheckBox5, TextKind::CheckBox, kColourSolution);
    SpeedButton2->setEnabled(false);
    CheckBox5->setEnabled(false);
    GroupBox2->hide();
}

void TOngelijkhedenForm::create_vertex_panel() {
    Panel2 = add_floating_panel(QStringLiteral("Panel2"));
    QPalette p = Panel2->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 128));
    Panel2->setPalette(p);
    Panel2->setGeometry(kPanelLeft, kPanelTop, kVertexWidth + 2 * kPanelBorder,
                        kVertexHeight + 2 * kPanelBorder + 18);
    register_text(Panel2, TextKind::HintOnly, kVertexPanel, true);
    SpeedButton3 = Panel2->hide_button();
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setStyleSheet(QStringLiteral("color: white;"));
    Image3 = add_pane(SurfaceRole::SidePanel, QStringLiteral("Image3"),
                      QSize(kVertexWidth, kVertexHeight), vertex_style(), Panel2);
    Image3->move(kPanelBorder, kPanelBorder + 18);
    Image3->surface().clearimage();
    connect(Panel2, &FloatingPanel::hidden_by_pupil, this, [this] { SpeedButton3Click(); });
    connect(Panel2, &FloatingPanel::moved, this, [this] {
        if (explanation_window_visible()) explanation_window()->raise();
    });
}

void TOngelijkhedenForm::fill_calibration_table() {
    std::vector<CalibratedControl> table;
    add_calibrated(table, {Button7, Button8, Button6}, kButtonOffset);
    table.push_back({GroupBox2, 44});
    table.push_back({CheckBox1, 33});
    add_calibrated(table, {help_button, copy_button, save_button}, kToolButtonOffset);
    set_calibration_table(std::move(table));
}

// --- life cycle ---

void TOngelijkhedenForm::showing() {
    settings_while_shown().set_arrowhead(kArrowhead, arrowhead_angle_degrees);
    new_exercise();
}

void TOngelijkhedenForm::closing() {
    hide_vertex();
    hide_explanation_window();
}

void TOngelijkhedenForm::finished() {
    Button7->setFocus();
}

void TOngelijkhedenForm::raise_beside() {
    if (explanation_window_visible()) explanation_window()->raise();
    raise_help();
}

void TOngelijkhedenForm::untick(QCheckBox* box) {
    box->setChecked(false);
}

void TOngelijkhedenForm::new_exercise() {
    InequalityExercise e = generate_inequality();
    if (forced_less_) e.less = *forced_less_;
    begin(e);
}

void TOngelijkhedenForm::begin(const InequalityExercise& e) {
    Button7->show();
    Button8->show();
    // Every box unticked as its click would leave it: no graph, no window.
    for (QCheckBox* c : {CheckBox1, CheckBox3, CheckBox4, CheckBox5})
        untick(c);
    SpeedButton2->setEnabled(false);
    CheckBox5->setEnabled(false);
    CheckBox1->hide();
    GroupBox2->hide();
    hide_cover_sheet();
    hide_vertex();
    hide_explanation_window();
    worker_.begin(e);
    Button8->setFocus();
    if (render_graph_) {
        CheckBox1->setChecked(true);
        CheckBox3->setChecked(true);
        CheckBox4->setChecked(true);
        CheckBox5->setChecked(true);
        vertex_shown_ = true;
        write_vertex_panel();
    }
}

void TOngelijkhedenForm::rekenstap() {
    worker_.rekenstap();
    raise_beside();
}

// --- the graph check ---

QuadraticInequalityGraph TOngelijkhedenForm::graph_record() const {
    QuadraticInequalityGraph g = graph_record_of(worker_.exercise);
    g.first = CheckBox3->isChecked();
    g.second = CheckBox4->isChecked();
    g.colour = CheckBox5->isChecked();
    g.vertex = vertex_shown_;
    return g;
}

void TOngelijkhedenForm::hide_vertex() {
    vertex_shown_ = false;
    Panel2->hide();
}

void TOngelijkhedenForm::CheckBox1Click() {
    const bool on = CheckBox1->isChecked();
    GroupBox2->setVisible(on);
    hide_vertex();
    SpeedButton2->setEnabled(CheckBox3->isChecked());
    if (on) {
        if (CheckBox3->isChecked() || CheckBox4->isChecked() || CheckBox5->isChecked())
            draw_graph_check();
    } else {
        hide_explanation_window();
    }
    option_click();
}

void TOngelijkhedenForm::graph_box_click() {
    SpeedButton2->setEnabled(CheckBox3->isChecked());
    // The vertex belongs to the parabola: it goes when the parabola goes.
    if (!CheckBox3->isChecked()) hide_vertex();
    const bool both = CheckBox3->isChecked() && CheckBox4->isChecked();
    // A colour that cannot be switched off any more is switched off.
    if (!both) untick(CheckBox5);
    CheckBox5->setEnabled(both);
    if (CheckBox3->isChecked() || CheckBox4->isChecked() || CheckBox5->isChecked()) {
        draw_graph_check();
    } else {
        hide_explanation_window();
    }
    option_click();
}

void TOngelijkhedenForm::draw_graph_check() {
    if (!program_options.show_theory_windows) return;
    selection.topic_code = kTopic;
    const QuadraticInequalityGraph g = graph_record();
    TtekeningForm* w = explanation_window();
    w->show_for(this, [g] { return inequality_graph_values(g); });
    w->move(w->x(), 0);
    raise_help();
}

// --- the vertex panel ---

void TOngelijkhedenForm::SpeedButton2Click() {
    if (!SpeedButton2->isEnabled()) return;
    vertex_shown_ = !vertex_shown_;
    Panel2->setVisible(vertex_shown_);
    if (vertex_shown_) {
        Panel2->raise();
        write_vertex_panel();
    }
    if (explanation_window_visible() || vertex_shown_) draw_graph_check();
    option_click();
}

void TOngelijkhedenForm::SpeedButton3Click() {
    hide_vertex();
    if (explanation_window_visible()) draw_graph_check();
    option_click();
}

void TOngelijkhedenForm::write_vertex_panel() {
    Surface& s = vertex_surface();
    const InequalityExercise& e = worker_.exercise;
    s.clearimage();
    s.my_textout(msg(kVertexHeading));
    s.newline(1);
    write_with_index(s, QStringLiteral("x"), QStringLiteral("top"), kIndexShrink, kIndexDrop);
    s.my_textout(QStringLiteral("= "));
    s.breuktxt(QStringLiteral("-b"), QStringLiteral("2a"));
    s.my_textout(QStringLiteral(" = "));
    s.breuktxt(number_text(-e.b), number_text(2 * e.a));
    s.my_textout(QStringLiteral(" = ") + vertex_x_text(e));
    s.newline(1.2);
    // The vertex's height evaluated again with the expression engine.
    QString text = parabola_text(e);
    normalise_expression(text, QLatin1Char('x'), QLatin1Char('x'));
    const Evaluation y =
        evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), text, e.vertex_x(), e.vertex_x());
    write_with_index(s, QStringLiteral("y"), QStringLiteral("top"), kIndexShrink, kIndexDrop);
    s.my_textout(QStringLiteral("= y"));
    write_with_index(s, QString(), QStringLiteral("1"), kIndexShrink, kIndexDrop);
    s.my_textout(QStringLiteral("(") + vertex_x_text(e) + QStringLiteral(") = ") +
                 (y.ok() ? format_real_full(y.value) : QStringLiteral("?")));
}

// --- what the render mode writes ---

QImage TOngelijkhedenForm::picture() const {
    const QImage& sheet = Image2->surface().image();
    if (!render_graph_) return sheet;
    Surface graph(kGraphWidth, kGraphHeight, tekening_style());
    GraphDrawing g = quadratic_inequality_graph(graph_record(), QSize(kGraphWidth, kGraphHeight));
    draw_graph(g, graph);
    const QImage& v = Image3->surface().image();
    const int gap = 4;
    QImage out(sheet.width() + gap + kGraphWidth, sheet.height(), QImage::Format_RGB32);
    out.fill(QColor(255, 255, 0));
    QPainter p(&out);
    p.drawImage(0, 0, sheet);
    p.drawImage(sheet.width() + gap, 0, graph.image());
    p.drawImage(sheet.width() + gap, kGraphHeight + gap, v);
    return out;
}

QJsonObject TOngelijkhedenForm::description() const {
    QJsonObject o = surface_to_json(Image2->surface());
    const InequalityExercise& e = worker_.exercise;
    QJsonArray pieces;
    for (const AxisPiece& p : solution_pieces(e))
        pieces.append(QJsonArray{p.lo, p.hi});
    o.insert(QStringLiteral("parabola"), parabola_text(e));
    o.insert(QStringLiteral("line"), line_text(e));
    o.insert(QStringLiteral("relation"), e.less ? QStringLiteral("<") : QStringLiteral(">"));
    o.insert(QStringLiteral("solution"), pieces);
    if (render_graph_)
        o.insert(QStringLiteral("vertex_panel"),
                 QJsonArray::fromStringList(read_line_texts(Image3->surface().display())));
    return o;
}

}  // namespace cifrala
