#pragma once
// The chain-rule family (categories 1 to 5, topics 12 to 16): a power or
// root of a quadratic q(x) = A x^2 + B x + C (1), the same times x (2), a
// linear factor times a logarithm (3) or an exponential (4) of C x + D, and
// a sinusoid A sin(B x + C) + D (5). "Kettingregel (alle varianten)" draws
// one of the five for every exercise.
#include "practice/multitopic/topic_worker.h"
#include "practice/multitopic/topics/terms.h"

namespace cifrala {

struct ChainExercise {
    int category = 1;  // 1..5
    int A = 1, B = 1, C = 0, D = 2;
    // Categories 1, 2: the exponent (0: the square root); 3, 4: the base of
    // the logarithm or the power (0: the natural base); 5: 0 sine, 1 cosine,
    // 2 tangent.
    int n = 0;
    Polynomial quadratic() const { return {{A, 2}, {B, 1}, {C, 0}}; }
    Polynomial quadratic_derivative() const { return {{2 * A, 1}, {B, 0}}; }
    Polynomial linear_factor() const { return {{A, 1}, {B, 0}}; }
    Polynomial inner_line() const { return {{C, 1}, {D, 0}}; }
};

// A new exercise of the category (1..5) and level (0..2).
ChainExercise generate_chain(int category, int level);

class ChainRuleWorker : public TopicWorker {
public:
    using TopicWorker::TopicWorker;
    void generate(const TopicChoices& choices) override;
    void show_step() override;
    void start(const ChainExercise& e);
    ChainExercise exercise;

private:
    void write(const QString& lead, const Formula& f);
    // " = " and the formula on the same line when it fits there, else on a
    // new line after the lead.
    void write_on_same_line(const QString& lead, const Formula& f);
    void power_steps();
    void power_times_x_steps(bool negative, bool root);
    void logarithm_steps();
    void exponential_steps();
    void sinusoid_steps();
};

}  // namespace cifrala
