#pragma once
// "Met machten" (topic 58): the equation a + b·(s·x + t)^n = c worked out by
// taking a to the other side, dividing by b, taking the n-th root (two
// solutions for an even n, none when an even power would equal a negative
// number) and, with a bracket, isolating x. The first press performs step 1;
// an equation without a (a = 0) starts further on.
#include "practice/roots/equations/equation_worker.h"

namespace cifrala {

struct PowerEquation {
    int a = 0, b = 1, n = 2, c = 1;
    int s = 1, t = 0;
};

// Level 0, 1, 2: "Eenvoudig", "Gevorderd", "Expert".
PowerEquation generate_power_equation(int level);

class PowerWorker : public EquationWorker {
public:
    PowerWorker(StepHost& host, EquationExplainer& explainer);

    void new_exercise(int level) override;
    // Clears the sheet and writes this equation.
    void begin(const PowerEquation& e);
    QVariantMap card_values() const override;

    PowerEquation e;  // as the steps have changed it (b and c in step 99)

protected:
    void perform(int n) override;

private:
    void write_equation();
    // (s·x + t) with its brackets when s ≠ 1 or t ≠ 0, else x.
    void expression(bool brackets);
    void power_of_expression();
    void divided_line();     // step 3
    void quotient_line();    // step 6
    void root_line();        // step 7
    void isolate_sx_line();  // step 8
    void isolate_x_line();   // step 9
    void no_solution();
    // The term -t/s at the end of the last line.
    void t_part();

    struct Closing {
        long long D = 0;
        int sigma = 1;
        bool divides = false;
        long long k = 0;
        bool whole_root = false;
        long long w = -1;
        long long e = 0, d = 1;
        bool fraction_roots = false;
        long long E = 0, F = 1;
    };
    Closing closing() const;
};

}  // namespace cifrala
