#pragma once
// The worked solution of a quadratic equation in two thinking steps. The
// first rewrites the equation: a product that is zero is split, the square
// root of both sides of a square is taken, a product is expanded, a common
// factor is taken out (for a standard-form equation without one the first
// step already is the second). The second solves it: by the product-sum
// method with the factor pairs in the side panel when the leading
// coefficient is 1 and the roots are whole numbers, otherwise with the
// discriminant and the abc formula, the roots simplified and approximated.
//
// The worker reaches its window only through the step host: the worksheet,
// the equation strip and the side panel's surface, the two thinking buttons
// (Step and SecondStep), the side panel and the decimals group.
#include <vector>

#include "practice/common/step_worker.h"
#include "practice/quadratic_equations/quadratic_exercise.h"

namespace cifrala {

class Surface;

// The roots the worked solution ends with.
struct QuadraticSolution {
    bool done = false;
    std::vector<double> roots;  // none, one (also a double root) or two
    bool approximated = false;  // "x ≈" lines were written
};

class QuadraticWorker : public StepWorker {
public:
    explicit QuadraticWorker(StepHost& host);

    // Clears the worksheet, hides the thinking buttons, the side panel and
    // the decimals group, writes the equation in the strip, shows `hint`
    // and "Eerste denkstap". The step counter is -1.
    void begin(const QuadraticExercise& e, int hint);
    // "Eerste denkstap" while it is shown, else "Tweede denkstap".
    void rekenstap() override;
    void eerste_denkstap();
    void tweede_denkstap();
    // The number of decimals changed: the exercise again from its first
    // coefficients, both steps at once.
    void work_again();

    // The first hint of an exercise as it was generated.
    static int first_hint(const QuadraticExercise& e);

    QuadraticExercise exercise;  // as the steps have changed it
    QuadraticExercise initial;   // as it was begun
    bool zero_constant = false;
    bool second_done = false;
    QuadraticSolution solution;

private:
    void common_factor_step();
    void solve_product_zero();
    void solve_square();
    void solve_standard();
    void solve_zero_constant();
    void solve_pure();
    void solve_with_discriminant();
    void factored_form(long long b, long long c);
    void write_coefficients();
    void write_discriminant_rule();
    // "D = " B² " - 4 × " A " × " C.
    void write_filled_discriminant();
    void write_approximations(double x1, double x2);
    void show_second_step();
    void end(int closing_hint);
    void write_or(const QString& before, const QString& after);
    void next_line(double f = 1.0);
    // Before a line with fractions.
    void room_above();

    Surface& strip();
    Surface& panel();

    bool tall_line_ = false;      // the current line holds fractions
    bool previous_tall_ = false;  // and the line before it
};

}  // namespace cifrala
