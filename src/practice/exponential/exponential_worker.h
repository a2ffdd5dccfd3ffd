#pragma once
// The worked solution of an exponential equation, one stage per
// "Rekenstap": divide out the common factor, write every number as a power
// of g, write roots as fractional exponents, write each side as one power
// of g, work out the exponents, set them equal, and solve the linear
// equation. Each stage stands on a line of its own, every "=" in one
// column; the hint line says what the next stage does.
//
// The worker reaches its window only through the step host: the worksheet
// with its hint line, "Rekenstap" and "Volgende oefening".
#include "practice/common/step_worker.h"
#include "practice/exponential/exp_exercise.h"

namespace cifrala {

class ExpWriter;

class ExponentialWorker : public StepWorker {
public:
    explicit ExponentialWorker(StepHost& host);

    // Clears the worksheet and writes the first stage with its hint.
    void begin(const ExpExercise& x);
    void rekenstap() override;

    // The hint for a phase (what the stage it leads to does); 0 for none.
    int hint_message(int phase) const;
    // The hint shown last (what "Toon hint" shows again).
    int current_hint() const { return hint_; }

    ExpExercise exercise;  // as it was generated
    ExpExercise working;   // after the common factor was divided out
    int phase = -1;        // the stage to be written next

private:
    // Writes stage `phase`, raises `phase` and moves to the next line.
    void write_stage();
    void equation_line(ExpWriter& w);  // phases 1 .. 4
    void one_power_line(ExpWriter& w);
    void exponents_line(ExpWriter& w, bool as_powers);
    void moved_line(ExpWriter& w);
    void solution_line(ExpWriter& w);
    // "= " at the equals column.
    void equals(ExpWriter& w);
    void show_hint(int message);

    int column_ = 0;
    long long a_ = 0, d_ = 1;  // the right side of the linear equation, reduced
    int hint_ = 0;
};

}  // namespace cifrala
