#pragma once
// "Met wortels" (topic 60): p + q·√(x + m) = r worked out by taking p to the
// other side, dividing by q, squaring (no solution when the root would equal
// a negative number) and taking m to the other side. The first press
// performs step 0; an equation without p starts at step 3.
#include "practice/roots/equations/equation_worker.h"

namespace cifrala {

struct RootEquation {
    int p = 0, q = 1, m = 0, r = 0;
};

RootEquation generate_root_equation(int level);

class RootWorker : public EquationWorker {
public:
    RootWorker(StepHost& host, EquationExplainer& explainer);

    void new_exercise(int level) override;
    void begin(const RootEquation& e);
    QVariantMap card_values() const override;

    RootEquation e;

protected:
    void perform(int n) override;

private:
    QString root_text() const;
    void root();
};

}  // namespace cifrala
