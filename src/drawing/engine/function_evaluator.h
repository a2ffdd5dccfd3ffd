#pragma once
// Evaluating the functions of a figure. Each function's texts are read once
// (again only when a text changes) and then run at every value of the
// parameter; while an evaluator exists, a curve reference "[k]" in a text
// reads curve k of the same figure.
#include "drawing/engine/figure.h"
#include "expr/expression.h"

#include <vector>

namespace cifrala {

class FunctionEvaluator : public CurveProvider {
public:
    explicit FunctionEvaluator(const Figure& f);
    ~FunctionEvaluator() override;
    FunctionEvaluator(const FunctionEvaluator&) = delete;
    FunctionEvaluator& operator=(const FunctionEvaluator&) = delete;

    // Reads the texts of function `slot` when they changed since the last
    // time; false for a slot that holds no function.
    bool prepare(int slot);
    // The world point of function `slot` at parameter t (x, t or theta);
    // false when an evaluation fails. `slot` must have been prepared.
    bool evaluate_prepared(int slot, double t, WorldPoint& out);
    // The same at n parameters at once (ok[i] tells whether point i could be
    // computed); much quicker than n single calls.
    void evaluate_many(int slot, const double* t, size_t n, WorldPoint* out, bool* ok);
    bool evaluate(int slot, double t, WorldPoint& out) {
        return prepare(slot) && evaluate_prepared(slot, t, out);
    }

    int current_curve() const override { return current_; }
    QChar curve_variable(int k) const override;
    bool evaluate_curve(int k, double t, double& value) override;

private:
    std::vector<Evaluation> scratch_[3];
    const Figure& f_;
    CurveProvider* previous_;
    int current_ = 0;
};

// evaluate_function of the engine: function `slot` at the parameter.
bool evaluate_function(const Figure& f, int slot, double t, WorldPoint& out);

}  // namespace cifrala
