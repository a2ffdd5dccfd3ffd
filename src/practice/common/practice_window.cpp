#include "practice/common/practice_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

#include "formula/display_json.h"
#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/drag_rules.h"
#include "practice/common/floating_panel.h"
#include "practice/common/glyphs.h"
#include "practice/common/step_worker.h"
#include "text/file_dialogs.h"
#include "text/help.h"
#include "text/language.h"
#include "text/messages.h"
#include "text/notify.h"
#include "tools/tool_shortcuts.h"
#include "util/random.h"
#include "util/selection.h"

namespace cifrala {

namespace {

QToolButton* make_speed_button(QWidget* parent, const QString& name, Glyph glyph,
                               const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(glyph_icon(glyph));
    b->setIconSize(QSize(22, 22));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

void fill_practice_yellow(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    w->setPalette(pal);
}

QToolButton* make_text_button(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel* make_label(QWidget* parent, const QString& name, const QString& text, int points) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(make_font(QStringLiteral("Verdana"), points, false));
    l->setWordWrap(true);
    return l;
}

void set_fitting_text(QLabel* label, const QString& text, int points) {
    const QFont base = label->font();
    const int room = label->contentsRect().width();
    int size = points;
    QFont f = make_font(base.family(), size, base.bold());
    while (size > 6 && QFontMetrics(f).horizontalAdvance(text) > room)
        f = make_font(base.family(), --size, base.bold());
    label->setFont(f);
    label->setText(text);
}

PracticeWindow::PracticeWindow(const PracticeWindowConfig& config, QWidget* parent)
    : QDialog(parent), config_(config), sequence_(this) {
    setObjectName(config_.class_name);
    setWindowTitle(config_.title);
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFont(make_font(QStringLiteral("Verdana"), 9, false));
    fill_practice_yellow(this);

    Image1 = new SurfacePane(config_.surface_rect.size(), config_.surface_style, this);
    Image1->setObjectName(config_.worksheet_name);
    Image1->move(config_.surface_rect.topLeft());
    panes_[SurfaceRole::Worksheet] = Image1;
    connect(Image1, &SurfacePane::doubleClicked, this, [this] { show_cover_sheet(); });
    connect(Image1, &SurfacePane::mousePressed, this, [this](QPoint p, Qt::MouseButton b) {
        if (b == Qt::LeftButton) surface_mouse_down(p);
    });
    connect(Image1, &SurfacePane::mouseMoved, this, [this](QPoint p) { surface_mouse_move(p); });
    connect(Image1, &SurfacePane::mouseReleased, this, [this] { surface_mouse_up(); });

    create_standard_controls();
    surface().hints_enabled = [this] { return hint_check->isChecked(); };

    cover_sheet_ = new CoverSheet(this, config_.cover_sheet_name, Image1, config_.cover_distance,
                                  config_.cover_drag_limit);
    register_text(cover_sheet_->hide_button(), TextKind::HintOnly, practice_tags::kHide, true);
    register_text(cover_sheet_, TextKind::HintOnly, practice_tags::kCoverSheet, true);
    connect(cover_sheet_, &CoverSheet::hidden_by_pupil, this, [this] { option_click(); });

    // While a step waits for a pause or an animation, it cannot be pressed again.
    connect(&sequence_, &StepSequence::wait_started, this, [this] { Button2->setEnabled(false); });
    connect(&sequence_, &StepSequence::finished, this, [this] { Button2->setEnabled(true); });

    set_role(ControlRole::NextExercise, Button1);
    set_role(ControlRole::Step, Button2);

    install_tool_shortcuts(this);  // F4 calculator, Shift+F4 keyboard
    place_window();
    seed_random_from_clock();
    // Creation: font, pen and brush of the surface, then cleared.
    surface().clearimage();
}

PracticeWindow::~PracticeWindow() {
    sequence_.cancel();
}

void PracticeWindow::create_standard_controls() {
    Button1 = new QPushButton(config_.next_caption, this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(config_.step_caption, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Stop"), this);
    Button3->setObjectName(config_.stop_name);
    for (QPushButton* b : {Button1, Button2, Button3}) {
        b->setAutoDefault(false);
        add_shared_keys(b);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    register_text(Button1, TextKind::Button, practice_tags::kNextExercise);
    register_text(Button2, TextKind::Button, config_.step_tag);

    hint_check = new QCheckBox(QStringLiteral("Toon hint"), this);
    hint_check->setObjectName(config_.hint_check_name);
    hint_check->setChecked(true);
    add_option_control(hint_check);
    register_text(hint_check, TextKind::CheckBox, practice_tags::kShowHint);

    level_group = new QGroupBox(QStringLiteral("Niveau"), this);
    level_group->setObjectName(config_.level_group_name);
    auto* row = new QHBoxLayout(level_group);
    row->setContentsMargins(4, 0, 2, 2);
    row->setSpacing(2);
    RadioButton1 = new QRadioButton(QStringLiteral("Eenvoudig"), level_group);
    RadioButton2 = new QRadioButton(QStringLiteral("Gevorderd"), level_group);
    RadioButton3 = new QRadioButton(QStringLiteral("Expert"), level_group);
    int tag = practice_tags::kLevel1;
    int n = 1;
    for (QRadioButton* r : {RadioButton1, RadioButton2, RadioButton3}) {
        r->setObjectName(QStringLiteral("RadioButton%1").arg(n++));
        row->addWidget(r);
        add_option_control(r);
        register_text(r, TextKind::RadioButton, tag++);
    }
    RadioButton1->setChecked(true);
    register_text(level_group, TextKind::GroupBox, practice_tags::kLevelGroup);
    level_group->setVisible(config_.has_levels);

    help_button =
        make_speed_button(this, config_.help_button_name, Glyph::Help, QStringLiteral("Help"));
    copy_button =
        make_speed_button(this, config_.copy_button_name, Glyph::Copy, QStringLiteral("Copy"));
    save_button = make_speed_button(this, config_.save_button_name, Glyph::SavePicture, QString());
    connect(help_button, &QToolButton::clicked, this, [this] { help_click(); });
    connect(copy_button, &QToolButton::clicked, this, [this] {
        copy_surface();
        raise_help();
    });
    connect(save_button, &QToolButton::clicked, this, [this] { save_picture_clicked(); });
    register_text(help_button, TextKind::HintOnly, practice_tags::kHelp);
    register_text(copy_button, TextKind::HintOnly, practice_tags::kCopy);
    register_text(save_button, TextKind::HintOnly, practice_tags::kSavePicture, true);

    // The designed bottom row; windows move what they lay out differently.
    const int top = config_.surface_rect.bottom() + 4;
    Button1->setGeometry(6, top, 138, 32);
    Button2->setGeometry(150, top, 120, 32);
    hint_check->setGeometry(292, top + 16, 86, 18);
    level_group->setGeometry(524, top, 274, 42);
    help_button->setGeometry(802, top + 1, 30, 30);
    copy_button->setGeometry(834, top + 1, 30, 30);
    save_button->setGeometry(866, top + 1, 30, 30);
    Button3->setGeometry(934, top, 76, 32);
}

void PracticeWindow::register_text(QWidget* control, TextKind kind, int tag, bool load_now) {
    register_control(config_.translated, control, kind, tag);
    if (load_now) load_control_text(control, kind, tag);
}

void PracticeWindow::place_window() {
    QSize size = config_.client_size;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        size = size.expandedTo(QSize(g.width(), g.height() - 30));
    }
    resize(size);
    move(1, 0);
}

const Surface& PracticeWindow::surface() const {
    return Image1->surface();
}

int PracticeWindow::step() const {
    const StepWorker* w = mode_ ? mode_->worker() : nullptr;
    return w ? w->step : -1;
}

int PracticeWindow::level() const {
    if (RadioButton3->isChecked()) return 2;
    if (RadioButton2->isChecked()) return 1;
    return 0;
}

void PracticeWindow::set_level(int level) {
    (level == 2 ? RadioButton3 : level == 1 ? RadioButton2 : RadioButton1)->setChecked(true);
}

// --- modes ---

PracticeMode* PracticeWindow::add_mode(const QString& name, int topic, int category,
                                       std::unique_ptr<PracticeMode> mode) {
    PracticeMode* m = mode.get();
    if (mode) owned_modes_.push_back(std::move(mode));
    // The first built mode gives the window its title until it is shown.
    if (m && owned_modes_.size() == 1 && m->title().number != 0)
        set_translated_caption(config_.translated, this, m->title().kind, m->title().number);
    modes_.add(ModeRow{name, topic, category, m});
    return m;
}

void PracticeWindow::add_mode_row(const QString& name, int topic, int category,
                                  PracticeMode* mode) {
    modes_.add(ModeRow{name, topic, category, mode});
}

void PracticeWindow::choose_mode() {
    const ModeRow* row = modes_.find(selection.topic_code, selection.category_code);
    if (!row || !row->mode) {
        // Not a topic of this window: its first built mode.
        row = nullptr;
        for (const ModeRow& r : modes_.rows())
            if (r.mode && !row) row = &r;
    }
    mode_row_ = row;
    mode_ = row ? row->mode : nullptr;
    if (!mode_) return;
    const Caption title = mode_->title();
    if (title.number != 0)
        set_translated_caption(config_.translated, this, title.kind, title.number);
    set_tool_refused(this, Tool::Calculator, mode_->refuses_calculator());
    mode_->set_up();
}

int PracticeWindow::help_page() const {
    return mode_ ? mode_->help_page() : 0;
}

// --- life cycle ---

void PracticeWindow::start_showing() {
    surface_anchor_.reset();
    put_worksheet_back();
    choose_mode();
    showing();
}

void PracticeWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    move(x(), 0);
    attach_help_to(this);
    start_showing();
}

void PracticeWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) settings_.restore();
}

void PracticeWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && y() != 0) move(x(), 0);
}

void PracticeWindow::Button1Click() {
    put_worksheet_back();
    hide_floating_panels();
    if (!config_.cover_sheet_stays) hide_cover_sheet();
    if (mode_) mode_->new_exercise();
    raise_help();
}

void PracticeWindow::Button2Click() {
    if (!step_available()) return;
    if (mode_) mode_->rekenstap();
    raise_help();
}

void PracticeWindow::Button3Click() {
    sequence_.cancel();
    hide_floating_panels();
    closing();
    settings_.restore();
    done(1);
}

void PracticeWindow::reject() {
    Button3Click();
}

void PracticeWindow::show_step_button() {
    Button2->setEnabled(true);
    Button2->show();
}

bool PracticeWindow::step_available() const {
    return Button2->isVisibleTo(this) && Button2->isEnabled();
}

QImage PracticeWindow::picture() const {
    return surface().image().copy();
}

QJsonObject PracticeWindow::description() const {
    return surface_to_json(surface());
}

bool PracticeWindow::next_available() const {
    return Button1->isVisibleTo(this);
}

// --- the step host ---

Surface& PracticeWindow::surface(SurfaceRole role) {
    auto it = panes_.find(role);
    if (it == panes_.end() || !it->second) return Image1->surface();
    return it->second->surface();
}

SurfacePane* PracticeWindow::add_pane(SurfaceRole role, const QString& name, QSize size,
                                      const SurfaceStyle& style, QWidget* parent) {
    auto* pane = new SurfacePane(size, style, parent ? parent : this);
    pane->setObjectName(name);
    panes_[role] = pane;
    return pane;
}

void PracticeWindow::hint(int message, int row) {
    surface().toonhint(message, row);
}

void PracticeWindow::set_role(ControlRole role, QWidget* control,
                              std::function<void(bool visible)> show,
                              std::function<void(const QString&)> text) {
    roles_[role] = Role{control, std::move(show), std::move(text)};
}

QWidget* PracticeWindow::role_control(ControlRole role) const {
    auto it = roles_.find(role);
    return it == roles_.end() ? nullptr : it->second.control.data();
}

bool PracticeWindow::has_control(ControlRole role) const {
    return role_control(role) != nullptr;
}

void PracticeWindow::show_control(ControlRole role, bool visible) {
    auto it = roles_.find(role);
    if (it == roles_.end() || !it->second.control) return;
    if (it->second.show) {
        it->second.show(visible);
        return;
    }
    QWidget* c = it->second.control;
    c->setVisible(visible);
    if (visible) c->raise();
}

bool PracticeWindow::ticked(ControlRole role) const {
    auto* b = qobject_cast<QAbstractButton*>(role_control(role));
    return b && b->isChecked();
}

void PracticeWindow::set_control_text(ControlRole role, const QString& text) {
    auto it = roles_.find(role);
    if (it == roles_.end() || !it->second.control) return;
    if (it->second.text) {
        it->second.text(text);
    } else {
        set_control_caption(it->second.control, text);
    }
}

void PracticeWindow::place_control(ControlRole role, QPoint on_worksheet) {
    QWidget* c = role_control(role);
    if (!c) return;
    const QRect where(Image1->pos() + on_worksheet, c->size());
    c->move(where.topLeft());
    const bool fits = Image1->geometry().contains(where);
    c->setVisible(fits);
    if (fits) c->raise();
}

void PracticeWindow::finish(int closing_message) {
    if (closing_message > 0) surface().toonhint(closing_message);
    Button1->show();
    Button2->hide();
    finished();
}

// --- shared option and key handling ---

void PracticeWindow::option_click() {
    if (step_available()) {
        Button2->setFocus();
    } else if (next_available()) {
        Button1->setFocus();
    }
    raise_help();
}

void PracticeWindow::help_click() {
    request_help(help_page());
    attach_help_to(this);
}

bool PracticeWindow::shared_key(int key) {
    if (key == Qt::Key_PageUp) {
        if (next_available()) Button1Click();
    } else if (key == Qt::Key_PageDown) {
        if (step_available()) Button2Click();
    } else {
        return false;
    }
    raise_help();
    return true;
}

void PracticeWindow::add_option_control(QAbstractButton* control) {
    connect(control, &QAbstractButton::clicked, this, [this] { option_click(); });
    add_shared_keys(control);
}

void PracticeWindow::add_shared_keys(QWidget* control) {
    control->installEventFilter(this);
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (shared_key(key->key())) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PracticeWindow::keyPressEvent(QKeyEvent* event) {
    if (shared_key(event->key())) return;
    if (event->key() == Qt::Key_Escape) return;  // only "Stop" closes the window
    QDialog::keyPressEvent(event);
}

// --- cover sheet, panels, worksheet ---

void PracticeWindow::show_cover_sheet() {
    cover_sheet_->show_over_surface();
    option_click();
}

void PracticeWindow::hide_cover_sheet() {
    cover_sheet_->hide();
}

FloatingPanel* PracticeWindow::add_floating_panel(const QString& name) {
    auto* panel = new FloatingPanel(this, name, Image1);
    register_text(panel->hide_button(), TextKind::HintOnly, practice_tags::kHide, true);
    panels_.push_back(panel);
    return panel;
}

std::pair<FloatingPanel*, SurfacePane*> PracticeWindow::add_cloud_panel(const QString& panel_name,
                                                                        const QString& pane_name,
                                                                        QSize size,
                                                                        const SurfaceStyle& style) {
    FloatingPanel* panel = add_floating_panel(panel_name);
    panel->setFrameStyle(QFrame::NoFrame);
    SurfacePane* pane = add_pane(SurfaceRole::Cloud, pane_name, size, style, panel);
    pane->surface().clearimage();
    pane->move(0, 0);
    panel->resize(pane->size());
    panel->hide_button()->raise();
    return {panel, pane};
}

void PracticeWindow::hide_floating_panels() {
    for (const auto& p : panels_)
        if (p) p->hide();
}

void PracticeWindow::surface_mouse_down(QPoint pos) {
    if (program_options.movable_worksheet) surface_anchor_ = pos;
}

void PracticeWindow::surface_mouse_move(QPoint pos) {
    if (!surface_anchor_ || !program_options.movable_worksheet) return;
    Image1->move(drag_worksheet(size(), Image1->geometry(), pos - *surface_anchor_));
}

void PracticeWindow::put_worksheet_back() {
    Image1->move(config_.surface_rect.topLeft());
}

void PracticeWindow::surface_mouse_up() {
    surface_anchor_.reset();
}

// --- copy, save ---

void PracticeWindow::copy_surface() const {
    QGuiApplication::clipboard()->setImage(surface().image());
}

bool PracticeWindow::save_surface_picture(const QString& path) {
    if (surface().image().save(path, "PNG")) return true;
    show_message(msg(practice_messages::kSaveFailed) + QLatin1Char(' ') + path);
    return false;
}

void PracticeWindow::save_picture_clicked() {
    QString path = ask_file_name({FileDialogRequest::Save, this, msg(practice_messages::kSaveTitle),
                                  msg(practice_messages::kSaveFilter), QString()});
    if (!path.isEmpty()) {
        if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            path += QStringLiteral(".png");
        save_surface_picture(path);
    }
    raise_help();
}

// --- calibration ---

void PracticeWindow::set_calibration_table(std::vector<CalibratedControl> table) {
    calibration_ = std::move(table);
}

void PracticeWindow::apply_calibration(int calibrated_bottom) {
    if (calibrated_bottom < 0) return;
    for (const CalibratedControl& c : calibration_)
        if (c.control) c.control->move(c.control->x(), calibrated_bottom - c.offset);
}

}  // namespace cifrala
