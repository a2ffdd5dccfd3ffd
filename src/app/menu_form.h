#pragma once
// The menu window: nested group boxes of topic buttons, the program-wide
// options, the language choice, the topic settings panel and the maintenance
// commands. Its modal run is the program's run.
#include <QDialog>
#include <QPoint>
#include <functional>
#include <map>
#include <vector>

#include "app/menu_table.h"

class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class QFrame;

namespace cifrala {

// Text numbers of the menu's controls that the menu's tables do not give.
namespace menu_tags {
inline constexpr int kHelpHint = 4911;
inline constexpr int kStopHint = 4912;
inline constexpr int kSettingsOkHint = 4916;
inline constexpr int kSettingsHelpHint = 4917;
inline constexpr int kHideMaintenanceHint = 4918;
inline constexpr int kCalculatorHint = 4931;
inline constexpr int kKeyboardHint = 4932;
inline constexpr int kLanguageOk = 4921;  // file 5
inline constexpr int kMemory = 4922;      // file 5
inline constexpr int kFileCheck = 4923;   // file 5
}  // namespace menu_tags

class TAlle_rekenoefeningenForm : public QDialog {
    Q_OBJECT
public:
    explicit TAlle_rekenoefeningenForm(bool maintenance_mode, QWidget* parent = nullptr);

    // --- wiring by the application -------------------------------------
    // The window a target opens (nullptr: not available in this version).
    void set_target_window(Target target, QDialog* window);
    // Applies a preset to the target's window before it is shown.
    void set_preset_handler(Target target, std::function<void(Preset)> handler);
    // State of the long-division window's "Happen" radio button.
    void set_division_bites_query(std::function<bool()> query);
    // Replaces showing the target window (tests record instead).
    void set_show_target_hook(std::function<void(Target)> hook);
    // For a topic button: the caption it shows, disabled, because its topic
    // cannot be opened in this run (empty: the button works as usual).
    void set_unavailable_query(std::function<QString(const MenuButton&)> query);
    // Called after the calibration with the new calibrated_bottom.
    void add_calibration_listener(std::function<void(int)> listener);
    // Called when a language is confirmed, before the texts are applied
    // (the lens window sets itself up again).
    void add_language_confirm_listener(std::function<void()> listener);
    // Run once when the menu is first shown: resets the chain-rule and
    // integration choices, centres the window and loads the topic settings.
    void first_show();

    // --- settings and visibility ------------------------------------------
    void init();               // load the settings, overhevelen, hide the panel
    void overhevelen();        // button visibility from the check boxes
    void check_hoofdmenus();   // groups and subjects from their members
    void sla_voorkeuren_op();  // save the settings file
    void check_all(bool value);
    void load_settings();

    // --- access for the application and tests ----------------------------
    QGroupBox* group(int number) const;
    QPushButton* button(const QString& name) const;
    QCheckBox* topic_box(int number) const;  // CheckBox4 .. CheckBox93
    void press(const QString& button_name);  // runs the button's click action
    const std::vector<Preset>& last_presets() const { return last_presets_; }
    Target last_target() const { return last_target_; }
    QPoint settings_saved_position() const { return saved_position_; }

    QCheckBox* CheckBox1 = nullptr;        // "Toon theorievensters"
    QCheckBox* CheckBox2 = nullptr;        // "Witte achtergrond"
    QCheckBox* CheckBox3 = nullptr;        // "Rekenvel verplaatsbaar"
    QRadioButton* RadioButton1 = nullptr;  // "Nederlands"
    QRadioButton* RadioButton2 = nullptr;  // "English"
    QPushButton* Button1 = nullptr;        // language OK
    QPushButton* Button8 = nullptr;        // "Memory"
    QPushButton* Button9 = nullptr;        // "bestandscontrole"
    QPlainTextEdit* Memo1 = nullptr;
    QWidget* Panel2 = nullptr;  // the subject buttons

    // Handlers named after their controls.
    void Button1Click();         // language OK
    void Button8Click();         // Memory
    void Button9Click();         // bestandscontrole
    void SpeedButton30Click();   // help
    void SpeedButton105Click();  // calibration
    void SpeedButton149Click();  // open the settings panel
    void SpeedButton150Click();  // settings OK

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape does not end the program
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_basic_menu();
    void build_groups();
    void build_language_group();
    void build_settings_panel();
    void layout_settings_panel();
    void register_texts();
    QGroupBox* make_group(int number, const QString& caption, const QRect& geometry);
    QPushButton* make_button(QWidget* parent, const char* name, const QString& caption,
                             const QRect& geometry);
    void open_group(int number);
    void close_group(int number);
    void run_button(const MenuButton& b);
    void show_target(Target target);
    void fit_to_visible_groups();
    void topic_box_toggled(int number, bool checked);
    void sync_language_radio();
    void mark_unavailable_buttons();

    bool maintenance_;
    std::map<int, QGroupBox*> groups_;
    std::map<QString, QPushButton*> buttons_;
    std::map<int, QCheckBox*> topic_boxes_;
    std::map<Target, QDialog*> targets_;
    std::map<Target, std::function<void(Preset)>> preset_handlers_;
    std::function<bool()> division_bites_query_;
    std::function<void(Target)> show_target_hook_;
    std::function<QString(const MenuButton&)> unavailable_query_;
    std::vector<std::function<void(int)>> calibration_listeners_;
    std::vector<std::function<void()>> language_confirm_listeners_;
    std::vector<Preset> last_presets_;
    Target last_target_ = Target::None;
    QPoint saved_position_;
};

}  // namespace cifrala
