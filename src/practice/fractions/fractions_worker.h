#pragma once
// The worked solution of a fractions exercise, one step per call: what each
// step writes on the surface, the hint it shows and which step follows.
#include "practice/fractions/fractions_exercise.h"

namespace cifrala {

class Surface;

// What the steps change on the window besides the surface.
class FractionsWindowSide {
public:
    virtual ~FractionsWindowSide() = default;
    virtual void show_common_denominator_button(bool visible) = 0;  // SpeedButton4
    virtual void show_cross_cancel_button(bool visible) = 0;        // SpeedButton5
    virtual void hide_next_exercise() = 0;                          // Button1
    virtual void hide_common_denominator_panel() = 0;               // Panel1
    virtual void hide_cross_cancel_panel() = 0;                     // Panel3
    // The last step: closing hint, "Volgende oefening" back, "Rekenstap" away.
    virtual void exercise_finished() = 0;
};

class FractionsWorker {
public:
    FractionsWorker(Surface& surface, FractionsWindowSide& side);

    // Takes the exercise and sets the step to -1 (nothing worked yet).
    void set_exercise(const FractionExercise& e);
    // Performs the current step.
    void rekenstap();
    bool finished() const { return finished_; }

    int step = -1;
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
    void divide_step();
    void simplify_step();
    void write_mixed_or_fraction(int a, int b);
    void write_exercise_line();
    void write_multiplication_line();
    void final_form(bool multiplication);
    void finish();

    Surface& s_;
    FractionsWindowSide& side_;
    bool finished_ = false;
};

}  // namespace cifrala
