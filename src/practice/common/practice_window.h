#pragma once
// What every practice window shares: the yellow frame at the top left of the
// screen, the worksheet (Image1) with its cover sheet and the movable
// worksheet, the standard controls ("Volgende oefening", "Rekenstap", "Toon
// hint", the level buttons, "Stop", help, copy and save), the shared option
// and key handlers (Page Up, Page Down), floating panels, the attached help
// window, the screen calibration, the settings changed while shown and the
// life cycle of an exercise.
//
// A window derives from PracticeWindow, passes its constants in a
// PracticeWindowConfig, creates its own controls, maps the controls its
// workers use to their roles (set_role) and adds one mode per topic it
// serves (add_mode). The window is the step host of its workers.
#include <QDialog>
#include <QImage>
#include <QJsonObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "formula/surface.h"
#include "formula/surface_style.h"
#include "practice/common/practice_mode.h"
#include "practice/common/practice_texts.h"
#include "practice/common/settings_while_shown.h"
#include "practice/common/step_host.h"
#include "practice/common/step_sequence.h"
#include "practice/common/targets.h"
#include "text/translation.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace cifrala {

class CoverSheet;
class FloatingPanel;
class SurfacePane;

struct PracticeWindowConfig {
    TranslatedWindow translated = TranslatedWindow::Fractions;
    QString class_name;  // object name of the window
    QString title;       // built-in caption
    QSize client_size{1016, 720};
    QRect surface_rect{1, 1, 1014, 678};
    SurfaceStyle surface_style;
    int cover_distance = 80;         // cover sheet: distance below the surface's top
    int cover_drag_limit = -1;       // how far up it may be dragged (-1: to where it starts)
    bool cover_sheet_stays = false;  // a new exercise leaves the cover sheet where it is
    bool has_levels = true;
    // Component names where windows differ.
    QString hint_check_name = QStringLiteral("CheckBox1");
    QString level_group_name = QStringLiteral("GroupBox1");
    QString help_button_name = QStringLiteral("SpeedButton1");
    QString copy_button_name = QStringLiteral("SpeedButton2");
    QString save_button_name = QStringLiteral("SpeedButton3");
    QString cover_sheet_name = QStringLiteral("Panel2");
    QString worksheet_name = QStringLiteral("Image1");
    QString stop_name = QStringLiteral("Button3");
    QString next_caption = QStringLiteral("Volgende oefening");
    QString step_caption = QStringLiteral("Rekenstap");
    int step_tag = 855;  // the step button's text number
};

// One row of a window's calibration table: the control's top becomes
// calibrated_bottom - offset.
struct CalibratedControl {
    QPointer<QWidget> control;
    int offset = 40;
};

class PracticeWindow : public QDialog, public StepHost {
    Q_OBJECT
public:
    PracticeWindow(const PracticeWindowConfig& config, QWidget* parent);
    ~PracticeWindow() override;

    // The standard controls (component names as objectName).
    QPushButton* Button1;    // "Volgende oefening"
    QPushButton* Button2;    // "Rekenstap"
    QPushButton* Button3;    // "Stop"
    QCheckBox* hint_check;   // "Toon hint" (CheckBox1)
    QGroupBox* level_group;  // "Niveau"
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QToolButton* help_button;
    QToolButton* copy_button;
    QToolButton* save_button;
    SurfacePane* Image1;  // the worksheet

    Surface& surface() { return surface(SurfaceRole::Worksheet); }
    const Surface& surface() const;
    CoverSheet* cover_sheet() const { return cover_sheet_; }
    // A new exercise leaves the cover sheet over the surface.
    bool cover_sheet_stays() const { return config_.cover_sheet_stays; }

    // The step counter of the exercise on the sheet, kept by its worker:
    // -1 = set up, nothing worked yet.
    int step() const;
    // 0 "Eenvoudig", 1 "Gevorderd", 2 "Expert".
    int level() const;
    void set_level(int level);

    // --- modes ---
    const ModeTable& modes() const { return modes_; }
    // The mode chosen when the window was last shown.
    PracticeMode* mode() const { return mode_; }
    const ModeRow* mode_row() const { return mode_row_; }
    // The window has a built mode for these codes (the menu asks before it
    // shows the window).
    bool serves(int topic, int category) const { return modes_.available(topic, category); }
    int help_page() const;
    // An option a topic button of the menu sets before it shows the window.
    virtual void apply_preset(Preset preset) {}
    // A topic that is built but cannot be opened in this run (a data file it
    // needs is missing): the caption its menu button shows instead, disabled;
    // empty when the topic can be opened.
    virtual QString unavailable_caption(int topic, int category) const { return {}; }

    // --- shared handlers ---
    void Button1Click();  // "Volgende oefening"
    void Button2Click();  // "Rekenstap", when visible and enabled
    void Button3Click();  // "Stop": closes with modal result 1
    // Option controls: focus back to "Rekenstap" (else "Volgende oefening"),
    // help window to the front.
    void option_click();
    void help_click();
    // Page Up / Page Down; true when the key is one of them.
    bool shared_key(int key);
    // Double click on the surface.
    void show_cover_sheet();
    void hide_cover_sheet();

    // Copy: the whole surface to the clipboard as a bitmap.
    void copy_surface() const;
    // Save as picture: asks for a file name, then saves.
    void save_picture_clicked();
    bool save_surface_picture(const QString& path);

    // The screen calibration moves the bottom-row controls.
    void set_calibration_table(std::vector<CalibratedControl> table);
    void apply_calibration(int calibrated_bottom);

    // What showing does (also without showing: the render mode): the mode
    // for the selection values, its set-up, the window's own showing.
    void start_showing();
    // A step can be taken now (by default: "Rekenstap" is shown and enabled).
    virtual bool step_available() const;
    bool next_available() const;

    // What the render mode writes of the worked exercise: the worksheet's
    // picture and description (a window whose exercise stands on more than
    // one surface puts them together).
    virtual QImage picture() const;
    virtual QJsonObject description() const;

    // Dragging the worksheet (program_options.movable_worksheet).
    void surface_mouse_down(QPoint pos);
    void surface_mouse_move(QPoint pos);
    void surface_mouse_up();
    // The worksheet where the window first put it (a new exercise and every
    // showing put it back).
    void put_worksheet_back();

    // --- the step host ---
    using StepHost::surface;
    Surface& surface(SurfaceRole role) override;
    void hint(int message, int row = 0) override;
    StepSequence& sequence() override { return sequence_; }
    int pause_ms() const override { return 0; }
    bool has_control(ControlRole role) const override;
    void show_control(ControlRole role, bool visible) override;
    bool ticked(ControlRole role) const override;
    void set_control_text(ControlRole role, const QString& text) override;
    void place_control(ControlRole role, QPoint on_worksheet) override;
    void finish(int closing_message) override;

protected:
    // --- what each window may add ---
    // Each time the window is shown, after the mode's set-up.
    virtual void showing() {}
    // On "Stop", before the window closes.
    virtual void closing() {}
    // After finish(): what the window shows at the end of an exercise.
    virtual void finished() {}

    // A mode for the topic and category codes (kAnyCode matches any); a
    // null mode registers the topic as not built yet.
    PracticeMode* add_mode(const QString& name, int topic, int category,
                           std::unique_ptr<PracticeMode> mode);
    // Another row for a mode added before (a second topic it serves).
    void add_mode_row(const QString& name, int topic, int category, PracticeMode* mode);
    // The role a control plays for the workers; `show`, when given, is what
    // showing or hiding it means (default: setVisible and raise), `text`
    // what setting its text means (default: its caption).
    void set_role(ControlRole role, QWidget* control, std::function<void(bool visible)> show = {},
                  std::function<void(const QString&)> text = {});
    // A further surface owned by the window, on `parent` (default: the
    // window) and registered under `role` for the workers.
    SurfacePane* add_pane(SurfaceRole role, const QString& name, QSize size,
                          const SurfaceStyle& style, QWidget* parent = nullptr);

    // "Rekenstap" shown and enabled.
    void show_step_button();

    // A floating panel over the surface with its "Hide" button.
    FloatingPanel* add_floating_panel(const QString& name);
    // The speech cloud: a frameless floating panel that holds the cloud's
    // surface (SurfaceRole::Cloud), cleared, with the panel's "Hide" button
    // on top.
    std::pair<FloatingPanel*, SurfacePane*> add_cloud_panel(const QString& panel_name,
                                                            const QString& pane_name, QSize size,
                                                            const SurfaceStyle& style);
    void hide_floating_panels();
    // An option control of the window: shared click and key handling.
    void add_option_control(QAbstractButton* control);
    // Any control that should react to Page Up and Page Down.
    void add_shared_keys(QWidget* control);
    // Registers a control for translation and, for controls without a
    // built-in text, puts the current language's text on it at once.
    void register_text(QWidget* control, TextKind kind, int tag, bool load_now = false);

    // Shared settings the window changes while it is shown; they are put
    // back when it closes.
    SettingsWhileShown& settings_while_shown() { return settings_; }

    const PracticeWindowConfig& config() const { return config_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    struct Role {
        QPointer<QWidget> control;
        std::function<void(bool)> show;
        std::function<void(const QString&)> text;
    };
    void place_window();
    void create_standard_controls();
    void choose_mode();
    QWidget* role_control(ControlRole role) const;

    PracticeWindowConfig config_;
    CoverSheet* cover_sheet_ = nullptr;
    std::vector<QPointer<FloatingPanel>> panels_;
    std::vector<CalibratedControl> calibration_;
    std::optional<QPoint> surface_anchor_;
    StepSequence sequence_;
    SettingsWhileShown settings_;
    ModeTable modes_;
    std::vector<std::unique_ptr<PracticeMode>> owned_modes_;
    PracticeMode* mode_ = nullptr;
    const ModeRow* mode_row_ = nullptr;
    std::map<ControlRole, Role> roles_;
    std::map<SurfaceRole, QPointer<SurfacePane>> panes_;
};

// Fills a practice window, or a panel over it, with the windows' yellow.
// Each panel needs its own: under a style sheet of the window's owner the
// colour does not pass from the window to its children.
void fill_practice_yellow(QWidget* w);

// A tool button that shows only its caption and never takes the focus from
// the answer fields.
QToolButton* make_text_button(QWidget* parent, const QString& name, const QString& caption);
// A label in the controls' font at `points`; long texts wrap.
QLabel* make_label(QWidget* parent, const QString& name, const QString& text, int points);
// Puts a one-line text on the label at `points`, or smaller where it would
// not fit the label's width (not below 6 points).
void set_fitting_text(QLabel* label, const QString& text, int points);

}  // namespace cifrala
