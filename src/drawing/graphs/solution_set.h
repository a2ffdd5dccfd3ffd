// The solution set of an inequality drawn on the first axis: thick
// segments over the intervals where it holds, with a dot on each end that
// belongs to it.
#pragma once
#include <functional>
#include <vector>

#include "drawing/engine/figure.h"

namespace cifrala {

struct SolutionMarks {
    int next_point = 1;    // the first free point slot; advanced
    int next_segment = 1;  // the first free segment slot; advanced
};

// `breaks` are where the truth can change (zeros, poles, the end of the
// domain); `holds` tells whether the inequality holds at x; an end point is
// piece of the solution when `included` says so.
void add_solution_set(Figure& f, SolutionMarks& marks, std::vector<double> breaks,
                      const std::function<bool(double)>& holds,
                      const std::function<bool(double)>& included);

// The real zeros of a x^2 + b x + c (a linear or constant equation when a
// is 0), smallest first.
std::vector<double> quadratic_zeros(double a, double b, double c);

// Whether a relation holds between two values.
bool relation_holds(int relation, double left, double right);
bool relation_is_strict(int relation);

}  // namespace cifrala
