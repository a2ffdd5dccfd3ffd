#pragma once
// Topic 57, "Bereken functiewaarde": a value put in for x in a quadratic and
// worked out (FunctionValueWorker), with the explanation card of each step
// beside the worksheet. The options panel (Panel4) chooses the kind of the
// value and of the coefficients; the menu shows it before the window and the
// last step shows it again.
#include <QVariantMap>

#include "practice/roots/function_value_worker.h"
#include "practice/roots/roots_topic_mode.h"

class QGroupBox;
class QRadioButton;

namespace cifrala {

class FloatingPanel;
class TwortelsherleidenForm;

class FunctionValueMode : public RootsTopicMode<FunctionValueWorker> {
public:
    explicit FunctionValueMode(TwortelsherleidenForm& window);

    void set_up() override;
    void new_exercise() override;
    void rekenstap() override;

    void begin(const FunctionValueExercise& e);
    const FunctionValueWorker& value_worker() const { return worker_; }
    // Panel4 shown (the menu's preset, the end of an exercise).
    void show_options();
    NumberKind value_choice() const;
    NumberKind coefficient_choice() const;
    void set_choices(NumberKind value, NumberKind coefficients);
    QVariantMap card_values() const;

    FloatingPanel* Panel4 = nullptr;
    QGroupBox* GroupBox4 = nullptr;             // "In te vullen waarde"
    QGroupBox* GroupBox5 = nullptr;             // "Coëfficiënten"
    QRadioButton* value_buttons[3] = {};        // RadioButton8 .. RadioButton10
    QRadioButton* coefficient_buttons[3] = {};  // RadioButton11 .. RadioButton13

private:
    QGroupBox* choice_group(const QString& name, const QString& caption, int tag, int first_button,
                            QRadioButton** buttons, const char* fraction_caption);
    void show_card();

    bool card_open_ = false;
};

}  // namespace cifrala
