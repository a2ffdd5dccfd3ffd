#include "practice/roots/equations/equation_modes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/common/glyphs.h"
#include "practice/roots/equations/fraction_equation.h"
#include "practice/roots/equations/power_equation.h"
#include "practice/roots/equations/quadratic_elementary.h"
#include "practice/roots/equations/root_equation.h"
#include "practice/roots/game_panel.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_style.h"
#include "util/selection.h"

namespace cifrala {

namespace {

namespace tags {
constexpr int kPriorKnowledge = 5423;  // "Voorkennis" (file 3, with its hint)
constexpr int kFormulas = 5424;        // "Formules" (file 3, with its hint)
constexpr int kUndo = 5425;            // the undo button's hint (file 3)
}  // namespace tags

// The side panel: 342 x 649 at (668, 4), its surface 334 x 618 below the
// caption.
constexpr QRect kPanel{668, 4, 342, 649};
constexpr QPoint kPanelSurface{4, 26};
constexpr QSize kPanelSurfaceSize{334, 618};
constexpr int kPanelSurfaceGap = 40;
constexpr int kBottomRow = 684;
constexpr int kCursorStart = 10;

SurfaceStyle panel_style() {
    SurfaceStyle s;
    apply_frame(s, frame_wortels(3));
    s.fraction = wortels_fraction_style();
    s.superscript = wortels_superscript();
    return s;
}

struct ModeFacts {
    int topic;
    int title;
    int help_page;
};

// One equation topic: the frame without the hint area, its worker, and
// the buttons that only topics 58 and 61 have.
class EquationMode : public PracticeMode {
public:
    EquationMode(TwortelsherleidenForm& w, EquationControls& controls, EquationWorker& worker,
                 ModeFacts facts)
        : w_(w), controls_(controls), worker_(worker), facts_(facts) {}

    Caption title() const override { return {TextKind::Message, facts_.title}; }
    int help_page() const override { return facts_.help_page; }
    const StepWorker* worker() const override { return &worker_; }

    void set_up() override {
        w_.set_frame(RootsFrame{kRootsFullWorksheet, false});
        controls_.set_card_worker(&worker_);
        const bool powers = facts_.topic == 58;
        controls_.SpeedButton12->setVisible(powers);
        controls_.SpeedButton14->setVisible(powers);
        worker_.step = 0;
        worker_.finished = true;
    }

    void new_exercise() override {
        w_.sequence().cancel();
        controls_.hide();
        w_.hide_cover_sheet();
        w_.Panel2->hide();
        w_.Panel5->hide();
        controls_.set_card_worker(&worker_);
        if (facts_.topic == 61) controls_.GroupBox6->hide();
        worker_.new_exercise(w_.level());
        if (facts_.topic == 61)
            controls_.SpeedButton15->setVisible(controls_.quadratic().can_undo());
        w_.surface().cursor.x = kCursorStart;
        w_.Button2->setEnabled(true);
        w_.Button2->show();
        w_.Button2->setFocus();
    }

    void rekenstap() override {
        if (!w_.sequence().idle()) return;
        w_.Button1->hide();
        if (facts_.topic == 61) controls_.SpeedButton15->hide();
        w_.Button2->setFocus();
        worker_.rekenstap();
        if (w_.Button1->isVisibleTo(&w_)) w_.Button1->setFocus();
        if (explanation_window_visible()) explanation_window()->raise();
    }

private:
    TwortelsherleidenForm& w_;
    EquationControls& controls_;
    EquationWorker& worker_;
    ModeFacts facts_;
};

}  // namespace

EquationControls::EquationControls(TwortelsherleidenForm& w) : QObject(&w), w_(w) {
    SpeedButton12 =
        make_text_button(&w, QStringLiteral("SpeedButton12"), QStringLiteral("Voorkennis"));
    SpeedButton14 =
        make_text_button(&w, QStringLiteral("SpeedButton14"), QStringLiteral("Formules"));
    SpeedButton12->setGeometry(608, kBottomRow + 1, 100, 30);
    SpeedButton14->setGeometry(712, kBottomRow + 1, 100, 30);
    w.register_text(SpeedButton12, TextKind::SpeedButtonWithHint, tags::kPriorKnowledge);
    w.register_text(SpeedButton14, TextKind::SpeedButtonWithHint, tags::kFormulas);
    connect(SpeedButton12, &QToolButton::clicked, this, [this] { SpeedButton12Click(); });
    connect(SpeedButton14, &QToolButton::clicked, this, [this] { SpeedButton14Click(); });

    SpeedButton15 = new QToolButton(&w);
    SpeedButton15->setObjectName(QStringLiteral("SpeedButton15"));
    SpeedButton15->setIcon(glyph_icon(Glyph::Previous));
    SpeedButton15->setIconSize(QSize(22, 22));
    SpeedButton15->setToolTip(QStringLiteral("undo"));
    SpeedButton15->setFocusPolicy(Qt::NoFocus);
    SpeedButton15->setGeometry(256, kBottomRow + 1, 30, 30);
    w.register_text(SpeedButton15, TextKind::HintOnly, tags::kUndo, true);
    connect(SpeedButton15, &QToolButton::clicked, this, [this] { SpeedButton15Click(); });

    GroupBox6 = new FloatingPanel(&w, QStringLiteral("GroupBox6"), w.Image1);
    GroupBox6->setGeometry(kPanel);
    fill_practice_yellow(GroupBox6);
    w.register_text(GroupBox6->hide_button(), TextKind::HintOnly, practice_tags::kHide, true);
    GroupBox6Caption = make_label(GroupBox6, QStringLiteral("GroupBox6Caption"), QString(), 10);
    GroupBox6Caption->setGeometry(8, 4, kPanel.width() - 40, 18);
    Image3 = w.add_pane(SurfaceRole::SidePanel, QStringLiteral("Image3"), kPanelSurfaceSize,
                        panel_style(), GroupBox6);
    Image3->move(kPanelSurface);
    Image3->surface().clearimage();
    w.set_role(
        ControlRole::SidePanel, GroupBox6,
        [this](bool visible) {
            GroupBox6->setVisible(visible);
            if (visible) GroupBox6->raise();
        },
        [this](const QString& text) { GroupBox6Caption->setText(text); });

    powers_ = std::make_unique<PowerWorker>(w, *this);
    fractions_ = std::make_unique<FractionWorker>(w, *this);
    roots_ = std::make_unique<RootWorker>(w, *this);
    quadratic_ = std::make_unique<QuadraticElementaryWorker>(
        w, *this, [this](int height) { set_panel_height(height); });
    hide_all();
}

EquationControls::~EquationControls() = default;

std::vector<EquationControls::ModeEntry> EquationControls::make_modes() {
    std::vector<ModeEntry> modes;
    const auto add = [&](const char* name, EquationWorker& worker, ModeFacts facts) {
        modes.push_back(
            {name, facts.topic, std::make_unique<EquationMode>(w_, *this, worker, facts)});
    };
    add("powers", *powers_, {58, 2029, 732});
    add("fractions", *fractions_, {59, 2031, 731});
    add("roots_equation", *roots_, {60, 2038, 730});
    add("quadratic", *quadratic_, {61, 2051, 729});
    return modes;
}

void EquationControls::hide_all() {
    SpeedButton12->hide();
    SpeedButton14->hide();
    SpeedButton15->hide();
    GroupBox6->hide();
}

bool EquationControls::side_panel_open() const {
    return GroupBox6->isVisibleTo(&w_);
}

QImage EquationControls::side_panel_picture() const {
    const QImage& listing = Image3->surface().image();
    QImage out(listing.width() + 2 * kPanelSurface.x(),
               listing.height() + kPanelSurface.y() + kPanelSurface.x(), QImage::Format_RGB32);
    out.fill(QColor(255, 255, 0));
    QPainter p(&out);
    p.setPen(Qt::black);
    p.setFont(GroupBox6Caption->font());
    p.drawText(GroupBox6Caption->geometry(), Qt::AlignLeft | Qt::AlignVCenter,
               GroupBox6Caption->text());
    p.drawImage(kPanelSurface, listing);
    return out;
}

QJsonObject EquationControls::side_panel_description() const {
    return {{QStringLiteral("caption"), GroupBox6Caption->text()},
            {QStringLiteral("lines"),
             QJsonArray::fromStringList(read_line_texts(Image3->surface().display()))}};
}

void EquationControls::set_panel_height(int height) {
    GroupBox6->resize(kPanel.width(), height);
    Image3->resize_surface(
        QSize(kPanelSurfaceSize.width(), std::max(1, height - kPanelSurfaceGap)));
}

// --- the explanation window ---

bool EquationControls::explanation_allowed() const {
    return program_options.show_theory_windows && w_.isVisible();
}

void EquationControls::show_card() {
    const EquationWorker* worker = card_worker_;
    explanation_window()->show_for(
        &w_, [worker] { return worker ? worker->card_values() : QVariantMap{}; });
    w_.activateWindow();
}

void EquationControls::show_at(int top, int left) {
    hide();
    if (!explanation_allowed()) return;
    show_card();
    explanation_window()->move(w_.mapToGlobal(QPoint(left, top)));
}

void EquationControls::reshow() {
    if (!explanation_allowed()) return;
    TtekeningForm* card = explanation_window();
    const QPoint at = card->pos();
    card->hide();
    show_card();
    card->move(at);
}

void EquationControls::hide() {
    hide_explanation_window();
}

void EquationControls::move_to_sheet(QPoint on_worksheet) {
    if (!explanation_allowed()) return;
    explanation_window()->move(w_.Image1->mapToGlobal(on_worksheet));
}

void EquationControls::move_top_to_sheet(int sheet_y) {
    if (!explanation_allowed()) return;
    TtekeningForm* card = explanation_window();
    card->move(card->x(), w_.Image1->mapToGlobal(QPoint(0, sheet_y)).y());
}

// --- handlers ---

void EquationControls::SpeedButton12Click() {
    TtekeningForm* card = explanation_window();
    card->powers_table_mode = true;
    card->hide();
    card->show_for(&w_, {});
    card->powers_table_mode = false;
    w_.option_click();
}

void EquationControls::SpeedButton14Click() {
    TtekeningForm* card = explanation_window();
    card->root_notation_mode = true;
    card->hide();
    card->show_for(&w_, {});
    card->root_notation_mode = false;
    w_.option_click();
}

void EquationControls::SpeedButton15Click() {
    if (!quadratic_->can_undo() || !w_.sequence().idle()) return;
    w_.sequence().cancel();
    w_.hide_cover_sheet();
    w_.Panel2->hide();
    hide();
    quadratic_->undo();
    w_.surface().cursor.x = kCursorStart;
    w_.Button2->setEnabled(true);
    w_.Button2->show();
    SpeedButton15->hide();
    w_.option_click();
}

}  // namespace cifrala
