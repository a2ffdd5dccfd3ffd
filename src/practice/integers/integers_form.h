#pragma once
// The integers window: one window for ten small topics, chosen by the topic
// code with which the menu opens it (integers_topics.h). It shares its
// frame across them: the worksheet with its hint band and cover sheet,
// "Volgende opgave" and "Rekenstap", "Antwoord" with its box, the
// own-exercise panel, copy and help; each topic is a mode. Built are
// integer arithmetic (topic -1, with its options), the times-tables test
// (topic 50) and placing a fraction on the number line (topic 45); the
// other topics are registered as not built yet.
#include <QString>
#include <climits>
#include <vector>

#include "practice/common/practice_window.h"
#include "practice/integers/arithmetic_generator.h"
#include "practice/integers/arithmetic_writer.h"

class QLabel;
class QLineEdit;

namespace cifrala {

class ArithmeticMode;
class IntegersMode;
class NumberLinePanel;
class TimesTablePanel;

class TGehele_getallen_Form : public PracticeWindow {
    Q_OBJECT
public:
    explicit TGehele_getallen_Form(QWidget* parent = nullptr);
    ~TGehele_getallen_Form() override;

    // The topic code the window was opened with (49 runs under 48).
    int opened_topic() const { return opened_topic_; }
    IntegersMode* integers_mode() const;
    ArithmeticMode& arithmetic() const { return *arithmetic_; }

    // --- the menu's presets ---
    // Taken when the window is shown for the topic they were set for.
    void apply_preset(Preset preset) override;

    // --- integer arithmetic ---
    ArithmeticOptions arithmetic_options() const;
    ExpressionLayout expression_layout() const;
    // The options are offered (topic -1); "Breukvorm" only without
    // "Basisschoolniveau".
    void show_arithmetic_options(bool shown);
    // "Basisschoolniveau" with "Ook machten" becomes "Ook vermenigvuldigen",
    // with message 1767; then "Breukvorm" follows the box.
    void check_primary_level();
    // The pupil's expression in Edit1, ready to be worked out (or why not).
    OwnExpression own_expression();

    // --- handlers ---
    void CheckBox7Click();     // "Basisschoolniveau"
    void Button7Click();       // "Antwoord"
    void SpeedButton2Click();  // "Eigen opgave"
    void SpeedButton6Click();  // go: the typed expression
    void Edit1Change();

    // --- what the modes use ---
    // The hint band (toonhelp).
    void toonhelp(int message) { hint(message); }
    void hide_answer();
    // The focus on "Rekenstap" while there is a step, else on "Volgende opgave".
    void after_step();
    // The worksheet in the topic's font, cleared.
    void use_topic_sheet(int topic, int font_size);
    using PracticeWindow::show_step_button;

    // Starts an exercise as soon as the window is shown (render mode).
    void set_start_on_show(bool on) { start_on_show_ = on; }

    // --- controls ---
    QRadioButton* RadioButton4;  // "Ook machten"
    QCheckBox* CheckBox5;        // "Ook haakjes"
    QCheckBox* CheckBox6;        // "Grotere getallen"
    QCheckBox* CheckBox7;        // "Basisschoolniveau"
    QGroupBox* GroupBox2;        // "Breukvorm"
    QRadioButton* RadioButton5;  // "a / b"
    QRadioButton* RadioButton8;  // "a   b / c"
    QPushButton* Button7;        // "Antwoord"
    FloatingPanel* Groupbox5;    // the answer box
    QLabel* Groupbox5Caption;
    QLabel* Label44;            // the answer
    QWidget* Panel3;            // holds "Eigen opgave"
    QToolButton* SpeedButton2;  // "Eigen opgave"
    FloatingPanel* Panel4;      // the own expression
    QLineEdit* Edit1;
    QToolButton* SpeedButton6;  // go
    QLabel* Label45;            // why the typed expression cannot be worked out
    TimesTablePanel* Panel8;    // the times-tables test
    NumberLinePanel* Panel5;    // the number line
    FloatingPanel* Panel7;      // the cloud of the time calculation
    SurfacePane* Image7;        // its surface

protected:
    void showing() override;
    void closing() override;
    void finished() override;

private:
    void create_arithmetic_options();
    void create_answer_box();
    void create_own_exercise_panel();
    void layout_bottom_row();
    void fill_calibration_table();
    void map_roles();
    void take_presets();
    void refresh_placeholder();

    ArithmeticMode* arithmetic_ = nullptr;

    int opened_topic_ = -1;
    bool start_on_show_ = false;
    std::vector<Preset> presets_;
    int presets_topic_ = INT_MIN;
};

}  // namespace cifrala
