#pragma once
// The worked solution of a large-number word problem, one stage per
// "Rekenstap": the numbers as powers of ten, the quotient or product of the
// mantissas with the exponents subtracted or added, and the answer in the
// big-number format.
#include "practice/common/step_worker.h"
#include "practice/long_division/big_numbers.h"

namespace cifrala {

class Surface;

class BigNumbersWorker : public StepWorker {
public:
    explicit BigNumbersWorker(StepHost& host);

    // Writes the exercise (step 0).
    void start(const BigNumbersExercise& e);
    void rekenstap() override;

    BigNumbersExercise exercise;

private:
    void stage1();
    void stage2();
    void stage3();
    void stage4();
    void stage5();
    void stage6();
    // "[quantity] = " before a line of topic 54.
    void quantity_prefix(qint64 value);
    // The "= " that continues the chain of equal values under stage 2.
    void chain_prefix();
    void write(const QString& text);
    // text followed by "×10" and the exponent as a superscript.
    void times_ten(const QString& text, const QString& exponent);
    void given_line(qint64 n);
    void next_line(int extra);
    bool compact() const;

    Surface& s_;
    int chain_x_ = 0;  // where the value of stage 2 begins
};

}  // namespace cifrala
