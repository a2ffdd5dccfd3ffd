#pragma once
// The division window: long division in the Dutch layout (classic, past
// the decimal comma, in chunks or both), worked one stage per "Rekenstap"
// with the speech cloud, the sliding digit and the result box; the divisor's
// times table in the explanation window; the previous exercise again and
// exercises the pupil types. The same window works the large-number word
// problems of topics 54 and 55.
#include <QVariantMap>
#include <memory>
#include <optional>

#include "practice/common/own_exercise_fields.h"
#include "practice/common/practice_window.h"
#include "practice/common/step_sequence.h"
#include "practice/long_division/big_numbers_worker.h"
#include "practice/long_division/long_division_chunks.h"
#include "practice/long_division/long_division_worker.h"

class QLabel;
class QLineEdit;
class QFrame;

namespace cifrala {

class TStaartdeelForm : public PracticeWindow, private LongDivisionSide {
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

    // --- handlers ---
    void SpeedButton4Click();  // the previous exercise again
    void SpeedButton5Click();  // "Eigen opgave"
    void SpeedButton6Click();  // go: the typed exercise
    void CheckBox3Click();     // "Tafeltje"

    // --- state ---
    int topic() const { return topic_; }
    bool word_problem() const { return topic_ == 54 || topic_ == 55; }
    bool chunk_method() const { return chunk_method_; }
    bool both_method() const { return both_method_; }
    const Division& exercise() const { return current_; }
    const std::optional<Division>& previous_exercise() const { return previous_; }
    const LongDivisionWorker& worker() const { return worker_; }
    const ChunkDivisionWorker& chunk_worker() const { return chunks_; }
    const BigNumbersWorker& big_numbers_worker() const { return big_numbers_; }
    bool busy() const { return !sequence_.idle(); }
    Surface& result_surface() override { return *result_surface_; }
    Surface& cloud_surface() { return *cloud_surface_; }
    // What the explanation window reads of the current exercise.
    QVariantMap explanation_values() const;

    // The pause in milliseconds (Edit3); 0 works every stage at once.
    void set_pause_ms(int ms);
    int pause_ms() const override;
    // Starts an exercise as soon as the window is shown (render mode).
    void set_start_on_show(bool on) { start_on_show_ = on; }
    // The word problems' variant instead of a random one (-1: random).
    void set_forced_variant(int variant) { forced_variant_ = variant; }

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
    QLabel* Label3;    // own exercise: "Deeltal"
    QLabel* Label4;    // own exercise: "Deler"
    QLabel* Label5;    // why the typed exercise cannot be worked
    QLineEdit* Edit1;  // divisor
    QLineEdit* Edit2;  // dividend
    QLineEdit* Edit3;  // pause (hidden)
    SurfaceView* Image2;
    SurfaceView* Image3;

protected:
    void new_exercise() override;
    void rekenstap() override;
    void showing() override;
    void closing() override;
    int help_page() const override;

private:
    // LongDivisionSide
    bool decimals_ticked() const override;
    void show_cloud(QPoint at, const QString& first, const QString& second) override;
    void hide_cloud() override;
    void show_result_box(int caption_message) override;
    void show_sliding_digit(const QString& digit, QPoint at) override;
    void move_sliding_digit(int y) override;
    void hide_sliding_digit() override;
    void division_ended() override;

    void create_method_controls();
    void create_own_exercise_panel();
    void create_cloud_and_result_box();
    void create_digit_panel();
    void layout_bottom_row();
    void fill_calibration_table();
    void set_title();
    void take_method();
    void prepare_surface();
    // Writes the exercise line and starts the chosen method.
    void begin(const Division& d, const QString& line_end);
    void new_word_problem();
    void after_step();
    void stop_working();
    void show_times_table();
    void own_exercise_ended();
    OwnExerciseFields::Refusal check_own_exercise(bool complete) const;

    std::unique_ptr<Surface> result_surface_;
    std::unique_ptr<Surface> cloud_surface_;
    StepSequence sequence_;
    LongDivisionWorker worker_;
    ChunkDivisionWorker chunks_;
    BigNumbersWorker big_numbers_;
    OwnExerciseFields* own_fields_ = nullptr;

    int topic_ = 42;
    bool chunk_method_ = false;
    bool both_method_ = false;
    bool exercise_started_ = false;
    bool start_on_show_ = false;
    int forced_variant_ = -1;
    Division current_;  // as it started
    std::optional<Division> previous_;
    int times_table_divisor_ = 0;
    int slide_x_ = 0;
    int language_listener_ = 0;
};

}  // namespace cifrala
