#pragma once
// The product rule (category 8, topic 10) and the quotient rule (category 9,
// topic 11) for two quadratics g(x) = a x^2 + b x + c and h(x) = d x^2 + e x
// + f: the rule written out, the derivatives filled in, the products
// written out as twelve terms and the like terms collected.
#include "practice/multitopic/topic_worker.h"
#include "practice/multitopic/topics/terms.h"

namespace cifrala {

struct TwoQuadratics {
    int a = 1, b = 0, c = 0;
    int d = 1, e = 0, f = 0;
    Polynomial g() const { return {{a, 2}, {b, 1}, {c, 0}}; }
    Polynomial h() const { return {{d, 2}, {e, 1}, {f, 0}}; }
    Polynomial g_derivative() const { return {{2 * a, 1}, {b, 0}}; }
    Polynomial h_derivative() const { return {{2 * d, 1}, {e, 0}}; }
};

// a, d = +-(1..L); b, c, e, f = (1..L) or 0.
TwoQuadratics generate_two_quadratics(int level);

// What both rules share: the exercise, drawn or given.
class TwoQuadraticsWorker : public TopicWorker {
public:
    using TopicWorker::TopicWorker;
    void generate(const TopicChoices& choices) override;
    void start(const TwoQuadratics& e);
    TwoQuadratics exercise;
};

class ProductRuleWorker : public TwoQuadraticsWorker {
public:
    using TwoQuadraticsWorker::TwoQuadraticsWorker;
    void show_step() override;
};

class QuotientRuleWorker : public TwoQuadraticsWorker {
public:
    using TwoQuadraticsWorker::TwoQuadraticsWorker;
    void show_step() override;

private:
    void write_over_square(const QString& lead, const Formula& numerator);
};

}  // namespace cifrala
