#include "drawing/graphs/solution_set.h"

#include <algorithm>
#include <cmath>

#include "drawing/graphs/graph_drawing.h"
#include "drawing/graphs/graph_records.h"

namespace cifrala {

namespace {

bool room(const SolutionMarks& m, int points) {
    return m.next_point + points - 1 <= kMaxFigurePoints && m.next_segment <= kMaxFigureSegments;
}

}  // namespace

void add_solution_set(Figure& f, SolutionMarks& marks, std::vector<double> breaks,
                      const std::function<bool(double)>& holds,
                      const std::function<bool(double)>& included) {
    const double lo = f.axes[0].lo, hi = f.axes[0].hi;
    std::erase_if(breaks, [&](double x) { return !std::isfinite(x) || x <= lo || x >= hi; });
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end(),
                             [](double a, double b) { return std::fabs(a - b) < 1e-9; }),
                 breaks.end());
    std::vector<double> ends{lo};
    ends.insert(ends.end(), breaks.begin(), breaks.end());
    ends.push_back(hi);
    for (size_t i = 0; i + 1 < ends.size(); ++i) {
        const double a = ends[i], b = ends[i + 1];
        if (!holds((a + b) / 2) || !room(marks, 2)) continue;
        const int pa = marks.next_point++, pb = marks.next_point++;
        add_anchor(f, pa, a, 0);
        add_anchor(f, pb, b, 0);
        const int seg = marks.next_segment++;
        add_segment(f, seg, pa, pb);
        f.segments[static_cast<size_t>(seg)].colour = kSolutionGreen;
        f.segments[static_cast<size_t>(seg)].width = 5;
        for (const int p : {pa, pb}) {
            const double x = f.points[static_cast<size_t>(p)].x;
            if (x == lo || x == hi || !included(x)) continue;
            FigurePoint& dot = f.points[static_cast<size_t>(p)];
            dot.not_drawn = false;
            dot.name = QStringLiteral("·");
            dot.name_shown = false;
            dot.colour = kSolutionGreen;
            dot.dot_size = 4;
        }
    }
}

std::vector<double> quadratic_zeros(double a, double b, double c) {
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) < 1e-12) return {};
        return {-c / b};
    }
    const double d = b * b - 4 * a * c;
    if (d < -1e-12) return {};
    if (d <= 1e-12) return {-b / (2 * a)};
    const double r = std::sqrt(d);
    // The root without cancellation first, the other from the product.
    const double q = -0.5 * (b + std::copysign(r, b));
    double x1 = q / a, x2 = c / q;
    if (x1 > x2) std::swap(x1, x2);
    return {x1, x2};
}

bool relation_holds(int relation, double left, double right) {
    switch (static_cast<Relation>(relation)) {
        case Relation::Less:
            return left < right;
        case Relation::LessOrEqual:
            return left <= right;
        case Relation::Greater:
            return left > right;
        case Relation::GreaterOrEqual:
            return left >= right;
    }
    return false;
}

bool relation_is_strict(int relation) {
    return relation == static_cast<int>(Relation::Less) ||
           relation == static_cast<int>(Relation::Greater);
}

}  // namespace cifrala
