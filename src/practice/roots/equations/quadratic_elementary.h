#pragma once
// "Kwadratisch (elementair)" (topic 61): a·x² + (b - B)·x + (c + r) = r - B·x
// with the roots u and v, brought to the form ... = 0, divided by a and
// solved by the product-sum method, the factor pairs listed in the side
// panel; x is factored out when the constant is 0. The first press performs
// step 1; an equation that is already in the form ... = 0 starts at step 4.
// The previous exercise is kept for the undo button.
#include <functional>
#include <optional>

#include "practice/roots/equations/equation_worker.h"

namespace cifrala {

struct ElementaryQuadratic {
    int a = 1, b = 0, c = 0, r = 0, B = 0, u = 0, v = 0;
};

ElementaryQuadratic generate_elementary_quadratic(int level);
// The exercise with these roots: b = -a(u + v), c = a·u·v.
ElementaryQuadratic elementary_quadratic(int a, int u, int v, int r, int B);

class QuadraticElementaryWorker : public EquationWorker {
public:
    // `panel_height` sets the side panel's height (its surface 40 pixels
    // lower).
    QuadraticElementaryWorker(StepHost& host, EquationExplainer& explainer,
                              std::function<void(int)> panel_height);

    void new_exercise(int level) override;
    // The exercise becomes the current one; the one before it goes to the
    // undo copy.
    void begin(const ElementaryQuadratic& e);
    // Brings the previous exercise back (false when there is none).
    bool undo();
    bool can_undo() const { return previous_.has_value(); }
    QVariantMap card_values() const override;

    ElementaryQuadratic e;  // b and c hold the divided coefficients after step 5
    bool started = false;   // an exercise was written

protected:
    void perform(int n) override;

private:
    void write(const ElementaryQuadratic& q);
    void left_side();
    void right_side();
    void show_rijtje_bij(long long x);

    ElementaryQuadratic drawn_;  // as it was written, before the steps divided b and c
    std::optional<ElementaryQuadratic> previous_;
    std::function<void(int)> panel_height_;
};

}  // namespace cifrala
