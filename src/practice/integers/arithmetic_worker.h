#pragma once
// Works an expression of integer arithmetic out on the worksheet: the
// expression on the first line, then one rewriting per "Rekenstap", each on
// its own line with the hint that says what was done, until one number is
// left (or a division by 0 ends the exercise).
#include <QString>

#include "practice/common/step_worker.h"
#include "practice/integers/arithmetic_generator.h"
#include "practice/integers/arithmetic_writer.h"

namespace cifrala {

class ArithmeticWorker : public StepWorker {
public:
    explicit ArithmeticWorker(StepHost& host) : StepWorker(host) {}

    // Clears the sheet and writes the expression; finished at once when it
    // is one number already.
    void start(const QString& expression, const ExpressionLayout& layout);
    void rekenstap() override;

    const QString& expression() const { return expression_; }
    const ExpressionLayout& layout() const { return layout_; }

    // The whole worked solution of `expression` fits on `sheet` (measured
    // from the sheet's start position, nothing drawn).
    static bool fits(Surface& sheet, const QString& expression, const ExpressionLayout& layout);
    // A new expression for the options whose worked solution fits on
    // `sheet`: one that would run off it is drawn again.
    static QString new_expression(Surface& sheet, const ArithmeticOptions& options,
                                  const ExpressionLayout& layout);

    // Shown when a step cannot be taken.
    static constexpr int kCannotGoOn = 1819;

private:
    QString expression_;
    ExpressionLayout layout_;
};

}  // namespace cifrala
