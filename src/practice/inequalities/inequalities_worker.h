#pragma once
// The worked solution of a quadratic inequality by the standard method:
// name the two sides y1 and y2, solve the equation y1 = y2 (collect the
// terms, factor, the two roots), then read the answer from the graphs,
// written as an inequality and in interval notation. Step 1 .. 4 write
// one piece each; after step 4 the exercise is over.
//
// The worker reaches its window only through the step host: the worksheet,
// "Rekenstap", "Volgende oefening" and the graph-check box (Explain).
#include "practice/common/step_worker.h"
#include "practice/inequalities/inequality_exercise.h"

namespace cifrala {

class InequalitiesWorker : public StepWorker {
public:
    explicit InequalitiesWorker(StepHost& host);

    // Clears the worksheet and writes the inequality; the step is 1.
    void begin(const InequalityExercise& e);
    void rekenstap() override;

    InequalityExercise exercise;

private:
    void name_functions();  // step 1
    void equation();        // step 2
    void solve();           // step 3
    void answer();          // step 4
    void newline(double f);
    void write_or();
};

}  // namespace cifrala
