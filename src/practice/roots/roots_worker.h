#pragma once
// The worked simplification of a square root, one step per "Rekenstap":
// the root of a whole number by squares or by prime factors (kinds 1, 2
// and 4), of a mixed number whose fraction is a ratio of two squares (3),
// of a decimal number (5) and of a mixed number not in lowest terms (6).
// The worksheet holds the lines of the simplification; the hint area below
// it the factorization of the number under the root sign and the hint.
//
// Besides the two surfaces it uses "Priemfactoren" (ControlRole::
// PrimeFactors), read at every step, and pauses in the step sequence,
// during which "Rekenstap" is disabled.
#include <functional>

#include "practice/common/step_worker.h"
#include "practice/roots/roots_exercise.h"

namespace cifrala {

class Surface;
class StepSequence;

class RootsWorker : public StepWorker {
public:
    explicit RootsWorker(StepHost& host);

    // Clears both surfaces, writes the root and " = " and shows the first
    // hint. The step counter is 0: each press performs the step it holds,
    // counting from 0, and counts on.
    void start(const RootsExercise& e);
    void rekenstap() override;

    // The first hint of an exercise.
    static int first_hint(const RootsExercise& e, bool primes);

    RootsExercise exercise;  // as it was drawn
    int P = 0, Q = 1;        // the radicand as the steps have changed it
    int c = 1;               // the root of the denominator once it is a square
    // The hint for the step to come, also while "Toon hint" is unticked
    // (-1: none).
    int current_hint = -1;

private:
    void perform(int n);
    void whole_number_step(int n);
    void squares_step(int n);
    void primes_step(int n);
    void mixed_step(int n);
    void decimal_step(int n);
    void unreduced_step(int n);

    // Writes `write` on the current line, or on the next when it would
    // pass the right edge of the sheet.
    void piece(const std::function<void()>& write, bool tall = false);
    // The root over P/Q, then " = ".
    void root_of_fraction_is();
    void next_line();
    void hint(int message);
    void factor_help(int n);
    void end();
    bool primes();

    Surface& sheet_;
    Surface& area_;
    StepSequence& seq_;
    bool tall_line_ = false;  // the current line holds fractions
};

}  // namespace cifrala
