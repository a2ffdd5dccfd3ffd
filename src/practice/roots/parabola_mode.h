#pragma once
// Topic 56, "Parabolen tekenen": the preparation of a parabola's drawing
// (ParabolaWorker) with the explanation window beside the worksheet, which
// shows the card of each step and, from the table on, the parabola. Its
// controls: the method group (shown when the roots are whole numbers), the
// own-function panel and the six question-mark buttons of the table.
#include <QPointer>
#include <QVariantMap>
#include <array>

#include "practice/roots/parabola_worker.h"
#include "practice/roots/roots_topic_mode.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace cifrala {

class FloatingPanel;
class TwortelsherleidenForm;

class ParabolaMode : public RootsTopicMode<ParabolaWorker> {
public:
    explicit ParabolaMode(TwortelsherleidenForm& window);

    void set_up() override;
    void new_exercise() override;
    void rekenstap() override;

    // Starts this exercise as a new one does (tests, and the new exercise).
    void begin(const ParabolaExercise& e);
    const ParabolaWorker& parabola_worker() const { return worker_; }

    // --- handlers ---
    void SpeedButton13Click();        // the own function's go button
    void question_mark_click(int k);  // SpeedButton6 .. SpeedButton11
    // A field of the own function lost the keyboard; false when it does not
    // hold a whole number (the message is shown, the field gets it back).
    bool field_left(QLineEdit* field);
    // The go button may be pressed: all three fields hold whole numbers.
    bool own_fields_valid() const;

    // A question-mark button: 0 hidden, 1 shown (blue), 2 its point shown
    // (red).
    int question_mark_state(int k) const { return state_[static_cast<size_t>(k)]; }
    // The values the explanation card reads.
    QVariantMap card_values() const;

    QGroupBox* GroupBox3 = nullptr;               // "Methode"
    QRadioButton* RadioButton6 = nullptr;         // "Snijpunt Y-as"
    QRadioButton* RadioButton7 = nullptr;         // "Snijpunten X-as"
    FloatingPanel* Panel3 = nullptr;              // own function
    QLabel* Label5 = nullptr;                     // "Eigen opgave"
    QLineEdit* Edit1 = nullptr;                   // a
    QLineEdit* Edit2 = nullptr;                   // b
    QLineEdit* Edit3 = nullptr;                   // c
    QToolButton* SpeedButton13 = nullptr;         // go
    std::array<QToolButton*, 6> value_buttons{};  // SpeedButton6 .. SpeedButton11

private:
    void create_method_group();
    void create_own_function_panel();
    void create_question_marks();
    void show_question_marks(bool shown);
    void set_question_mark(int k, int state);
    void show_own_function_panel();
    void validate_own_fields();
    void show_card();
    void after_step();

    std::array<int, 6> state_{};
    int revealing_ = -1;      // the value whose card is shown (-1: none)
    bool card_open_ = false;  // the explanation window belongs to this exercise
    bool leaving_ = false;    // a field's message is being shown
};

}  // namespace cifrala
