#pragma once
// The division window: long division in the Dutch layout (classic, past
// the decimal comma, in chunks or both), worked one stage per "Rekenstap"
// with the speech cloud, the sliding digit and the result box; the divisor's
// times table in the explanation window; the previous exercise again and
// exercises the pupil types. The same window works the large-number word
// problems of topics 54 and 55. Its topics are modes (division_modes.h).
#include <QVariantMap>
#include <optional>

#include "practice/common/own_exercise_fields.h"
#include "practice/common/practice_window.h"
#include "practice/long_division/big_numbers_worker.h"
#include "practice/long_division/long_division_chunks.h"
#include "practice/long_division/long_division_worker.h"

class QLabel;
class QLineEdit;
class QFrame;

namespace cifrala {

class DivisionMode;
class WordProblemMode;

class TStaartdeelForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TStaartdeelForm(QWidget* parent = nullptr);
    ~TStaartdeelForm() override;

    // --- the menu's presets ---
    // "Delen": "Niveau", "Methode" and "Ga door achter de komma" shown.
    void show_division_options();
    // "Grote getallen", "Werkgelegenheid": the three hidden.
    void hide_division_options();
    // The "Happen" radio button (the menu copies it to division_in_bites).
    bool bites_chosen() const;
    void apply_preset(Preset preset) override;

    // --- handlers ---
    void SpeedButton4Click();  // the previous exercise again
    void SpeedButton5Click();  // "Eigen opgave"
    void SpeedButton6Click();  // go: the typed exercise
    void CheckBox3Click();     // "Tafeltje"

    // --- state ---
    // 42 (division), 54 or 55 (word problems), as the window was shown.
    int topic() const;
    bool word_problem() const { return topic() == 54 || topic() == 55; }
    bool chunk_method() const;
    bool both_method() const;
    const Division& exercise() const;
    const std::optional<Division>& previous_exercise() const;
    const LongDivisionWorker& worker() const;
    const ChunkDivisionWorker& chunk_worker() const;
    const BigNumbersWorker& big_numbers_worker() const;
    bool busy() { return !sequence().idle(); }
    Surface& result_surface() { return surface(SurfaceRole::ResultBox); }
    Surface& cloud_surface() { return surface(SurfaceRole::Cloud); }
    // What the explanation window reads of the current exercise.
    QVariantMap explanation_values() const;

    // The pause in milliseconds (Edit3); 0 works every stage at once.
    void set_pause_ms(int ms);
    int pause_ms() const override;
    // Starts an exercise as soon as the window is shown (render mode).
    void set_start_on_show(bool on) { start_on_show_ = on; }
    // The word problems' variant instead of a random one (-1: random).
    void set_forced_variant(int variant);

    QGroupBox* GroupBox2;        // "Methode"
    QRadioButton* RadioButton4;  // "Happen"
    QRadioButton* RadioButton5;  // "Staartdeling"
    QRadioButton* RadioButton6;  // "Beide"
    QCheckBox* CheckBox2;        // "Ga door achter de komma"
    QCheckBox* CheckBox3;        // "Tafeltje"
    QToolButton* SpeedButton4;   // previous exercise
    QToolButton* SpeedButton5;   // "Eigen opgave"
    QToolButton* SpeedButton6;   // go
    FloatingPanel* Panel4;       // own exercise
    FloatingPanel* Panel3;       // cloud
    FloatingPanel* GroupBox3;    // "(Tussen)resultaat"
    QLabel* GroupBox3Caption;
    QFrame* Panel1;  // the sliding digit
    QLabel* Label2;
    QLabel* Label3;       // own exercise: "Deeltal"
    QLabel* Label4;       // own exercise: "Deler"
    QLabel* Label5;       // why the typed exercise cannot be worked
    QLineEdit* Edit1;     // divisor
    QLineEdit* Edit2;     // dividend
    QLineEdit* Edit3;     // pause (hidden)
    SurfacePane* Image2;  // the result box's surface
    SurfacePane* Image3;  // the cloud's surface

protected:
    void showing() override;
    void closing() override;

private:
    friend class DivisionMode;
    friend class WordProblemMode;

    void create_method_controls();
    void create_own_exercise_panel();
    void create_cloud_and_result_box();
    void create_digit_panel();
    void map_roles();
    void layout_bottom_row();
    void fill_calibration_table();
    // Focus on "Volgende oefening" when it is back, else on "Rekenstap".
    void after_step();
    void stop_working();
    void show_times_table();
    OwnExerciseFields::Refusal check_own_exercise(bool complete) const;

    DivisionMode* division_ = nullptr;
    WordProblemMode* employment_ = nullptr;
    WordProblemMode* big_numbers_ = nullptr;
    OwnExerciseFields* own_fields_ = nullptr;

    int topic_ = 42;
    bool start_on_show_ = false;
    int times_table_divisor_ = 0;
};

}  // namespace cifrala
