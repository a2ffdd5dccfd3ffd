// Fractional functions: the hyperbola with its asymptotes and centre, and
// a fraction inequality with the line of its right-hand side, the
// intersections and the solution.
#include <algorithm>
#include <cmath>

#include "drawing/graphs/graph_operations.h"
#include "drawing/graphs/solution_set.h"
#include "util/format.h"

namespace cifrala {

namespace {

const QColor kAsymptote(90, 90, 200);

// Dashed lines x = pole and y = level across the window.
void add_asymptotes(Figure& f, int& point, int& segment, double pole, double level) {
    add_anchor(f, point, pole, f.axes[1].lo);
    add_anchor(f, point + 1, pole, f.axes[1].hi);
    add_dashed_line(f, segment++, point, point + 1, kAsymptote);
    point += 2;
    if (std::isfinite(level)) {
        add_anchor(f, point, f.axes[0].lo, level);
        add_anchor(f, point + 1, f.axes[0].hi, level);
        add_dashed_line(f, segment++, point, point + 1, kAsymptote);
        point += 2;
    }
}

}  // namespace

GraphDrawing hyperbola_graph(const HyperbolaGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const QString text =
        curve_text(coefficient_text(e.a) + QStringLiteral("*(x-(") + coefficient_text(e.p) +
                   QStringLiteral("))/(x-(") + coefficient_text(e.q) + QStringLiteral("))"));
    const double reach_x = std::max(5.0, std::fabs(e.q - e.p) + 2);
    const double reach_y =
        std::min(50.0, std::max({4.0, 2 * std::fabs(e.a * (e.q - e.p)), std::fabs(e.a)}));
    set_window(f, size, std::min({0.0, e.p, e.q - reach_x}) - 1,
               std::max({0.0, e.p, e.q + reach_x}) + 1, std::min(0.0, e.a - reach_y) - 1,
               std::max(0.0, e.a + reach_y) + 1);
    set_graph(f, 1, text, kCurveRed);
    add_point(f, 1, QStringLiteral("C"), e.q, e.a);
    f.points[1].kind = FigurePoint::Computed;
    int point = 2, segment = 1;
    if (std::fabs(e.p - e.q) > 1e-9 && std::fabs(e.a) > 1e-12) {
        add_curve_point(f, point, QStringLiteral("T"), 1, e.p);
        ++point;
    }
    add_asymptotes(f, point, segment, e.q, e.a);
    return g;
}

GraphDrawing fraction_inequality_graph(const FractionInequalityGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const int q = e.q == 0 ? 1 : e.q, s = e.s == 0 ? 1 : e.s;
    const QString fraction =
        curve_text(QStringLiteral("(") + coefficient_text(e.a) + QStringLiteral("*x+(") +
                   coefficient_text(e.b) + QStringLiteral("))/(x-(") + coefficient_text(e.c) +
                   QStringLiteral("))"));
    const QString line =
        curve_text(int_to_text(e.p) + QStringLiteral("/") + int_to_text(q) + QStringLiteral("*x+") +
                   int_to_text(e.r) + QStringLiteral("/") + int_to_text(s));
    // (a x + b) = (m x + n)(x - c): m x^2 + (n - c m - a) x - (c n + b) = 0.
    const double m = static_cast<double>(e.p) / q, n = static_cast<double>(e.r) / s;
    std::vector<double> crossings;
    for (double x : quadratic_zeros(m, n - e.c * m - e.a, -(e.c * n + e.b)))
        if (std::fabs(x - e.c) > 1e-6) crossings.push_back(x);
    double x_lo = std::min(0.0, e.c - 5), x_hi = std::max(0.0, e.c + 5);
    for (double x : crossings) {
        x_lo = std::min(x_lo, x - 1);
        x_hi = std::max(x_hi, x + 1);
    }
    std::vector<double> values{e.a - 5, e.a + 5};
    for (double x : {x_lo, x_hi})
        values.push_back(m * x + n);
    for (double x : crossings)
        values.push_back(m * x + n);
    double y_lo, y_hi;
    y_window_around(values, y_lo, y_hi);
    set_window(f, size, x_lo - 1, x_hi + 1, y_lo, y_hi);
    set_graph(f, 1, fraction, kCurveRed);
    set_graph(f, 2, line, kCurveBlue);
    int point = 1, segment = 1;
    for (size_t i = 0; i < crossings.size(); ++i) {
        add_curve_point(f, point, QStringLiteral("S%1").arg(i + 1), 1, crossings[i]);
        f.points[static_cast<size_t>(point)].glides = false;
        ++point;
    }
    const bool constant = std::fabs(e.a * e.c + e.b) < 1e-12;  // the fraction is a
    add_asymptotes(f, point, segment, e.c, constant ? std::nan("") : e.a);
    SolutionMarks marks{point, segment};
    std::vector<double> breaks = crossings;
    breaks.push_back(e.c);
    const int relation = static_cast<int>(e.relation);
    const double a = e.a, b = e.b, c = e.c;
    const auto holds = [=](double x) {
        if (std::fabs(x - c) < 1e-9) return false;
        return relation_holds(relation, (a * x + b) / (x - c), m * x + n);
    };
    add_solution_set(f, marks, breaks, holds, [=](double x) {
        if (std::fabs(x - c) < 1e-9) return false;
        return holds(x) || !relation_is_strict(relation);
    });
    g.draggable = false;
    return g;
}

}  // namespace cifrala
