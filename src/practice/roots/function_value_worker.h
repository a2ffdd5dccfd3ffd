#pragma once
// A function value worked out, one step per "Rekenstap": the value put in
// for x (mixed numbers as they are), the mixed numbers written as
// fractions, the powers, the products reduced and brought to a common
// denominator, the numerators over it, and the sum, reduced and as a mixed
// number. The steps are numbered from 1; the counter holds the step last
// performed (0 after the exercise is written). A step with nothing to write
// is left out and the next performed at once.
#include <functional>

#include "practice/roots/card_step_worker.h"
#include "practice/roots/function_value_exercise.h"

namespace cifrala {

class FunctionValueWorker : public CardStepWorker {
public:
    explicit FunctionValueWorker(StepHost& host);

    // Clears the worksheet and writes f(x) and "f(value) = ".
    void start(const FunctionValueExercise& e);

    std::function<void()> ended;  // the last step: the options come back

    FunctionValueExercise exercise;
    FunctionValueWorking working;
    bool mixed_line_left_out = false;  // step 2 had nothing to write

private:
    void perform(int n) override;
    void substituted_line(bool mixed);
    void powers_line();
    void products_line();
    void numerators_line();
    void result_line();
    void begin_line();
    // f(value) = at the cursor.
    void f_of_value();
};

}  // namespace cifrala
