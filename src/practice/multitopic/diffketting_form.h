#pragma once
// The multi-topic window: one practice window for some forty upper-school
// topics, chosen by the topic and category codes of the menu. Each topic is
// a row of the topic table (topic_table.h) worked by the routines its group
// registers (topic_routines.h); the window sets itself up for the row when
// it is shown (FormShow) and leaves the worksheet empty until "Volgende
// oefening". It also reads the table of root equations ("awortel.txt") once
// when it is created.
#include <QPointer>

#include "practice/common/practice_window.h"
#include "practice/multitopic/root_table.h"
#include "practice/multitopic/topic_table.h"
#include "practice/multitopic/topic_worker.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace cifrala {

class MultiTopicMode;

class TdiffkettingForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TdiffkettingForm(QWidget* parent = nullptr);
    ~TdiffkettingForm() override;

    // --- the menu ---
    void apply_preset(Preset preset) override;
    // "awortel.txt not found" (or damaged) for the root equations without
    // their table.
    QString unavailable_caption(int topic, int category) const override;

    // --- the frame ---
    // Showing the window for a topic: controls, worksheet, no exercise yet.
    void FormShow(const TopicRow& row);
    // "Volgende oefening" after what all topics share (panels and cover sheet
    // hidden): generation, the exercise written, "Rekenstap" shown.
    void start_exercise(MultiTopicMode& mode);
    // "Rekenstap": the next step of the exercise.
    void next_step(MultiTopicMode& mode);
    // The hint line; with the worker's parameter count above 0 the first
    // message parameter follows the message.
    void hint(int message, int row = 0) override;

    // --- state ---
    const RootTable& root_table() const { return root_table_; }
    MultiTopicMode* topic_mode() const;
    const TopicWorker* topic_worker() const;
    // The choices of the structure group taken by the last new exercise:
    // structure 1 or 2; functions 1 "alleen sin", 2 "sin en cos", 3 all four.
    int structure_choice() const { return structure_; }
    int functions_choice() const { return functions_; }
    // The value of a "Type" list: the number in front of its text (0 when
    // there is none).
    static int list_value(const QComboBox* box);
    // Starts an exercise as soon as the window is shown (render mode).
    void set_start_on_show(bool on) { start_on_show_ = on; }

    // --- controls (component names as objectName) ---
    QGroupBox* GroupBox2;  // "Type"
    QComboBox* ComboBox1;  // sinusoid formula types (topic 27)
    QComboBox* ComboBox2;  // operations (topics 34 and 38)
    QComboBox* ComboBox4;  // percentage methods (topic 35)
    QComboBox* ComboBox5;  // function types (topic 33)
    QComboBox* ComboBox6;  // domain and range (topic 39)
    QComboBox* ComboBox7;  // solving for a variable (topic 40)
    QComboBox* ComboBox8;  // symmetry kind (topic 41)
    QComboBox* ComboBox9;  // symmetric functions (topic 41)
    QFrame* Panel6;        // arithmetic or geometric sequence (topic 37)
    QRadioButton* RadioButton11;
    QRadioButton* RadioButton12;
    QFrame* Panel7;  // rank number of the first term (topic 37)
    QLabel* Label7;
    QLineEdit* Edit13;
    QFrame* Panel5;  // number of decimals (topics 24 and 35)
    QLabel* Label5;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox3;  // "Weegschaalmethode"
    QCheckBox* CheckBox6;  // "Ook haakjes"
    QCheckBox* CheckBox7;  // "Noemer uitwerken"
    QCheckBox* CheckBox8;  // "Exact"
    QGroupBox* GroupBox3;  // "Kies structuur van de formule"
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QGroupBox* GroupBox4;  // "Wat wil je oefenen?"
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;
    QGroupBox* GroupBox5;  // "Aanpak"
    QRadioButton* RadioButton9;
    QRadioButton* RadioButton10;
    QFrame* Panel8;         // the bottom strip
    QFrame* Panel12;        // the number line of the estimating topics
    QLabel* Label12;        // the arrow on the number line
    SurfacePane* Image4;    // the number line's scale
    FloatingPanel* Panel3;  // the speech cloud
    SurfacePane* Image3;    // the cloud's surface

protected:
    void showing() override;
    void closing() override;
    // Closing other than by "Stop" also hides the structure group.
    void reject() override;

private:
    void create_type_lists();
    void create_option_controls();
    void create_structure_group();
    void create_strips_and_cloud();
    void add_modes();
    void map_roles();
    void fill_calibration_table();
    void place_type_group();
    void use_topic_style(const TopicRow& row, int topic, int category);
    void show_topic_controls(const TopicRow& row);
    bool opens_explanation(int topic) const;
    void focus_next();
    void keep_card_off_the_buttons(QWidget& card) const;

    RootTable root_table_;
    bool start_on_show_ = false;
    int structure_ = 2;
    int functions_ = 2;
};

}  // namespace cifrala
