#pragma once
// The power rule (category 7, topic 9 "Machten"): a sum of three powers of x
// with fraction coefficients and fractional or negative exponents, written
// in school notation (roots, negative exponents as fractions), in power
// notation, differentiated term by term and written back in school notation.
// At "Expert" a third of the exercises is a quotient whose numerator holds
// the three terms and whose denominator is one power of x; four pre-steps
// (-4 to -1) divide it out before the ordinary steps.
#include <array>

#include "practice/multitopic/topic_worker.h"
#include "practice/multitopic/topics/terms.h"

namespace cifrala {

struct PowerTerm {
    Rational coefficient;
    Rational exponent;
};

struct PowerRuleExercise {
    std::array<PowerTerm, 3> terms;
    bool quotient = false;
    int divisor_coefficient = 1;      // c4
    Rational divisor_exponent{1, 1};  // r/s
};

// A new exercise of the level (0..2) from the program's random source.
PowerRuleExercise generate_power_rule(int level);

class PowerRuleWorker : public TopicWorker {
public:
    using TopicWorker::TopicWorker;

    void generate(const TopicChoices& choices) override;
    void show_step() override;
    // Takes the exercise and sets the step where it starts.
    void start(const PowerRuleExercise& e);

    PowerRuleExercise exercise;        // as it was generated
    std::array<PowerTerm, 3> terms{};  // as the steps have made them

private:
    void write(const Formula& f);
    void write_on_new_line(const Formula& f);
    // Appends to the line, or continues on a new line when it does not fit.
    void append(const Formula& same_line, const Formula& new_line);
    Formula quotient_fraction(bool roots) const;
    Formula divided_terms() const;
    Formula subtracted_exponents() const;
    Formula derivative_factors() const;
};

}  // namespace cifrala
