#pragma once
// "Met breuken" (topic 59). Kind 1: p·x + q + m/x = 0 with the roots r and
// s, multiplied by x, divided by p and factored; its first press performs
// step 1. Kind 2: p + q/(x + r) = s, the fraction taken alone, turned round
// and solved; its first press performs step 0.
#include "practice/roots/equations/equation_worker.h"

namespace cifrala {

struct FractionEquation {
    int kind = 1;
    int p = 1, q = 0, m = 0, r = 1, s = 1;
};

FractionEquation generate_fraction_equation(int level);
// Kind 1 with the roots r and s and the factor p.
FractionEquation fraction_equation_with_roots(int p, int r, int s);

class FractionWorker : public EquationWorker {
public:
    FractionWorker(StepHost& host, EquationExplainer& explainer);

    void new_exercise(int level) override;
    void begin(const FractionEquation& e);
    QVariantMap card_values() const override;

    FractionEquation e;
    // Stored by step 4 of kind 2 for the next card: q/g and (s - p)/g.
    int reduced_top = 0, reduced_bottom = 1;

protected:
    void perform(int n) override;

private:
    void first_kind(int n);
    void second_kind(int n);
    QString denominator_text() const;
};

}  // namespace cifrala
