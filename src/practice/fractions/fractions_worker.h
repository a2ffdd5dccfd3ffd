#pragma once
// The worked solution of a fractions exercise, one step per call: what each
// step writes on the surface, the hint it shows and which step follows.
#include "practice/common/step_worker.h"
#include "practice/fractions/fractions_exercise.h"

namespace cifrala {

class Surface;

// Besides the worksheet it shows and hides the two "Hoe?" buttons and
// their panels (ControlRole::Explain and ExplainSecond), hides "Volgende
// oefening" while a step needs the pupil's attention, and at the end offers
// an own exercise.
class FractionsWorker : public StepWorker {
public:
    explicit FractionsWorker(StepHost& host);

    // Takes the exercise and sets the step to -1 (nothing worked yet).
    void set_exercise(const FractionExercise& e);
    // Performs the current step.
    void rekenstap() override;

    int kind = fraction_kind::kAdd;
    int a1 = 0, b1 = 1, a2 = 0, b2 = 1;
    int a3 = 0, b3 = 1;
    int g = 1;  // greatest common divisor of the result
    int k = 1;  // divisor of the current simplification step
    // On the multiplication line: after the first fraction, before and
    // after the second.
    int x_after_first = 0, x_before_second = 0, x_after_second = 0;

private:
    void opening_step();
    void add_step();
    void multiply_step();
    void offer_cross_cancelling();
    void divide_step();
    void simplify_step();
    void write_mixed_or_fraction(int a, int b);
    void write_exercise_line();
    void write_multiplication_line();
    void final_form(bool multiplication);
    void finish_exercise();

    Surface& s_;
};

}  // namespace cifrala
