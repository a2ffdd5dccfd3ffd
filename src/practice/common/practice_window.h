#pragma once
// What every practice window shares: the yellow frame at the top left of the
// screen, the drawing surface (Image1) with its cover sheet and the movable
// worksheet, the standard controls ("Volgende oefening", "Rekenstap", "Toon
// hint", the level buttons, "Stop", help, copy and save), the shared option
// and key handlers (Page Up, Page Down), floating panels, the attached help
// window, the screen calibration and the life cycle of an exercise.
//
// A window derives from PracticeWindow, passes its constants in a
// PracticeWindowConfig, creates its own controls and implements
// new_exercise() and rekenstap(); see TbreukenoefenenForm.
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

#include "formula/surface.h"
#include "formula/surface_style.h"
#include "text/translation.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QToolButton;

class QLabel;

namespace cifrala {

class CoverSheet;
class FloatingPanel;
class SurfaceView;

struct PracticeWindowConfig {
    TranslatedWindow translated = TranslatedWindow::Fractions;
    QString class_name;  // object name of the window
    QString title;       // built-in caption
    int title_tag = 0;   // its control-text number (file 3)
    int help_page = 0;
    QSize client_size{1016, 720};
    QRect surface_rect{1, 1, 1014, 678};
    SurfaceStyle surface_style;
    int cover_distance = 80;  // cover sheet: distance below the surface's top
    bool has_levels = true;
    // Component names where windows differ.
    QString hint_check_name = QStringLiteral("CheckBox1");
    QString level_group_name = QStringLiteral("GroupBox1");
    QString help_button_name = QStringLiteral("SpeedButton1");
    QString copy_button_name = QStringLiteral("SpeedButton2");
    QString save_button_name = QStringLiteral("SpeedButton3");
    QString cover_sheet_name = QStringLiteral("Panel2");
    QString next_caption = QStringLiteral("Volgende oefening");
};

// One row of a window's calibration table: the control's top becomes
// calibrated_bottom - offset.
struct CalibratedControl {
    QPointer<QWidget> control;
    int offset = 40;
};

// Text numbers of the controls all practice windows share.
namespace practice_tags {
constexpr int kNextExercise = 841;
constexpr int kStep = 855;
constexpr int kShowHint = 531;
constexpr int kLevelGroup = 2105;
constexpr int kLevel1 = 2061;
constexpr int kOwnExercise = 2711;
constexpr int kHelp = 2440;
constexpr int kCopy = 2441;
constexpr int kHide = 2442;
constexpr int kSavePicture = 2443;
constexpr int kCoverSheet = 2444;
}  // namespace practice_tags

// Messages all practice windows share.
namespace practice_messages {
constexpr int kFinished = 1540;
constexpr int kSaveFailed = 1357;
constexpr int kSaveTitle = 1358;
constexpr int kSaveFilter = 1359;
}  // namespace practice_messages

class PracticeWindow : public QDialog {
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
    SurfaceView* Image1;

    Surface& surface() { return *surface_; }
    const Surface& surface() const { return *surface_; }
    CoverSheet* cover_sheet() const { return cover_sheet_; }

    // The step counter: -1 = set up, nothing worked yet.
    int step = -1;
    // 0 "Eenvoudig", 1 "Gevorderd", 2 "Expert".
    int level() const;
    void set_level(int level);

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

    // What showing does (also without showing: the render mode).
    void start_showing();
    bool step_available() const;
    bool next_available() const;

    // Dragging the worksheet (program_options.movable_worksheet).
    void surface_mouse_down(QPoint pos);
    void surface_mouse_move(QPoint pos);
    void surface_mouse_up();

protected:
    // --- what each window implements ---
    // Generates and sets up a new exercise (floating panels and the cover
    // sheet are already hidden).
    virtual void new_exercise() = 0;
    // Performs the current step.
    virtual void rekenstap() = 0;
    // Each time the window is shown.
    virtual void showing() {}
    // On "Stop", before the window closes.
    virtual void closing() {}
    virtual int help_page() const { return config_.help_page; }

    // The last step: closing hint, "Volgende oefening" shown, "Rekenstap" hidden.
    void finish_exercise(int closing_message = practice_messages::kFinished);
    void show_step_button();

    // A floating panel over the surface with its "Hide" button.
    FloatingPanel* add_floating_panel(const QString& name);
    void hide_floating_panels();
    // An option control of the window: shared click and key handling.
    void add_option_control(QAbstractButton* control);
    // Any control that should react to Page Up and Page Down.
    void add_shared_keys(QWidget* control);
    // Registers a control for translation and, for controls without a
    // built-in text, puts the current language's text on it at once.
    void register_text(QWidget* control, TextKind kind, int tag, bool load_now = false);

    const PracticeWindowConfig& config() const { return config_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void place_window();
    void create_standard_controls();

    PracticeWindowConfig config_;
    std::unique_ptr<Surface> surface_;
    CoverSheet* cover_sheet_ = nullptr;
    std::vector<QPointer<FloatingPanel>> panels_;
    std::vector<CalibratedControl> calibration_;
    std::optional<QPoint> surface_anchor_;
};

// A tool button that shows only its caption and never takes the focus from
// the answer fields.
QToolButton* make_text_button(QWidget* parent, const QString& name, const QString& caption);
// A label in the controls' font at `points`; long texts wrap.
QLabel* make_label(QWidget* parent, const QString& name, const QString& text, int points);

}  // namespace cifrala
