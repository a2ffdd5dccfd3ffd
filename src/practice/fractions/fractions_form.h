#pragma once
// The fractions window: adding, subtracting, multiplying and dividing two
// fractions and simplifying one, worked one step per "Rekenstap", with side
// explanations ("Hoe?"), the previous exercise again, and exercises the
// pupil types (preset mode).
#include <QChar>
#include <optional>

#include "practice/common/own_exercise_fields.h"
#include "practice/common/practice_window.h"
#include "practice/fractions/fractions_exercise.h"
#include "practice/fractions/fractions_worker.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;

namespace cifrala {

class TbreukenoefenenForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TbreukenoefenenForm(QWidget* parent = nullptr);
    ~TbreukenoefenenForm() override;

    // Preset mode: the menu fixes the kind by its digit ("1" .. "6"), covers
    // the selectors and offers the own-exercise panel.
    void set_preset_kind(QChar kind_digit);
    void set_free_mode();
    bool preset_mode() const;
    // The kind list's choice by its digit (free mode).
    void choose_kind_digit(QChar kind_digit);
    QChar kind_digit() const;

    // --- handlers ---
    void SpeedButton4Click();   // "Hoe?": common denominator
    void SpeedButton5Click();   // "Hoe?": cross-cancelling
    void SpeedButton8Click();   // the previous exercise again
    void SpeedButton9Click();   // "Eigen opgave"
    void SpeedButton10Click();  // go: own fraction exercise
    void SpeedButton11Click();  // go: own simplification

    const FractionsWorker& worker() const { return worker_; }
    // The exercise as it was generated or typed, and the previous one.
    const FractionExercise& initial_exercise() const { return initial_; }
    const std::optional<FractionExercise>& previous_exercise() const { return backup_; }

    QGroupBox* GroupBox3;  // "Type"
    QComboBox* ComboBox1;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton8;
    QToolButton* SpeedButton9;
    QToolButton* SpeedButton10;
    QToolButton* SpeedButton11;
    FloatingPanel* Panel1;  // common denominator explanation
    FloatingPanel* Panel3;  // cross-cancelling explanation
    FloatingPanel* Panel4;  // own exercise
    QFrame* Panel5;         // own fraction exercise
    QFrame* Panel6;         // selector cover (preset mode)
    QFrame* Panel7;         // operator choice
    QFrame* Panel8;         // own simplification
    QFrame* Panel9;         // blank cover over the own-exercise fields
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;  // the operator between the typed numbers
    QLabel* Label7;  // why the own fraction exercise cannot be worked
    QLabel* Label8;  // why the own simplification cannot be worked
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QLineEdit* Edit1;            // first numerator
    QLineEdit* Edit2;            // second numerator
    QLineEdit* Edit3;            // first denominator
    QLineEdit* Edit4;            // second denominator
    QLineEdit* Edit5;            // second whole number
    QLineEdit* Edit6;            // first whole number
    QLineEdit* Edit7;            // numerator to simplify
    QLineEdit* Edit8;            // denominator to simplify
    QRadioButton* RadioButton4;  // "+"
    QRadioButton* RadioButton5;  // "-"
    QRadioButton* RadioButton6;  // "x"
    QRadioButton* RadioButton7;  // ":"

protected:
    void showing() override;
    void closing() override;

private:
    void new_exercise();
    void map_roles();
    void create_selectors();
    void create_explanation_panels();
    void create_own_exercise_panel();
    void create_fraction_fields();
    void create_simplification_fields();
    void show_own_exercise_offer();
    void fill_calibration_table();
    // Starts an exercise: clears the surface and performs the first step.
    void begin(const FractionExercise& e);
    void hide_explanations();
    int own_kind() const;
    // The typed exercise; false when a number does not fit.
    bool read_own_fraction_exercise(FractionExercise& e, QLineEdit** too_large) const;
    OwnExerciseFields::Refusal check_own_fraction_exercise(bool complete) const;
    OwnExerciseFields::Refusal check_own_simplification(bool complete) const;

    FractionsWorker worker_;
    FractionExercise initial_;
    std::optional<FractionExercise> backup_;
    OwnExerciseFields* fraction_fields_ = nullptr;
    OwnExerciseFields* simplification_fields_ = nullptr;
};

}  // namespace cifrala
