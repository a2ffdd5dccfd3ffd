// Root functions: the graph with its start point, domain and range, and a
// root inequality with its line, intersections and solution.
#include <algorithm>
#include <cmath>

#include "drawing/engine/labels.h"
#include "drawing/graphs/graph_operations.h"
#include "drawing/graphs/solution_set.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

GraphDrawing root_function_graph(const RootFunctionGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const int q = e.q == 0 ? 1 : e.q;
    const QString inside = e.mirrored ? QStringLiteral("(-x-(") : QStringLiteral("(x-(");
    const QString text =
        curve_text(int_to_text(e.p) + QStringLiteral("/") + int_to_text(q) + QStringLiteral("*") +
                   inside + coefficient_text(e.r) + QStringLiteral("))^0.5+(") +
                   coefficient_text(e.s) + QStringLiteral(")"));
    const double xr = e.mirrored ? -e.r : e.r;
    const double dir = e.mirrored ? -1 : 1;
    const double x_lo = std::min({0.0, xr, xr + 9 * dir}) - 1;
    const double x_hi = std::max({0.0, xr, xr + 9 * dir}) + 1;
    double y_lo, y_hi;
    y_window_of_curves({text}, x_lo, x_hi, {e.s}, y_lo, y_hi);
    set_window(f, size, x_lo, x_hi, y_lo, y_hi);
    set_graph(f, 1, text, kCurveRed);
    enum { kR = 1, kD1, kD2, kB1, kB2, kT };
    add_point(f, kR, QStringLiteral("R"), xr, e.s);
    f.points[kR].on_function = 1;
    f.points[kR].kind = FigurePoint::Computed;
    // The domain on the first axis, the range on the second.
    add_point(f, kD1, QStringLiteral("D1"), xr, 0);
    add_anchor(f, kD2, dir > 0 ? x_hi : x_lo, 0);
    const bool rising = static_cast<double>(e.p) / q >= 0;
    add_point(f, kB1, QStringLiteral("B1"), 0, e.s);
    add_anchor(f, kB2, 0, rising ? y_hi : y_lo);
    for (int p : {kD1, kB1}) {
        f.points[static_cast<size_t>(p)].kind = FigurePoint::Computed;
        f.points[static_cast<size_t>(p)].colour = kSolutionGreen;
    }
    add_segment(f, 1, kD1, kD2);
    add_segment(f, 2, kB1, kB2);
    for (int i : {1, 2}) {
        f.segments[static_cast<size_t>(i)].colour = kSolutionGreen;
        f.segments[static_cast<size_t>(i)].width = 4;
    }
    add_curve_point(f, kT, QStringLiteral("T"), 1, xr + 4 * dir);
    return g;
}

GraphDrawing root_inequality_graph(const RootInequalityGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const QString root =
        curve_text(coefficient_text(e.a) + QStringLiteral("*V(") + coefficient_text(e.b) +
                   QStringLiteral("*x+(") + coefficient_text(e.c) + QStringLiteral("))"));
    const QString line = curve_text(coefficient_text(e.d) + QStringLiteral("*x-(") +
                                    coefficient_text(e.e) + QStringLiteral(")"));
    const bool has_start = std::fabs(e.b) > 1e-12;
    const double xr = has_start ? -e.c / e.b : 0;
    // a V(bx + c) = dx - e: squared, d^2 x^2 - (2de + a^2 b) x + e^2 - a^2 c = 0;
    // a zero of the square counts where both sides agree.
    std::vector<double> crossings;
    for (double x : quadratic_zeros(e.d * e.d, -(2 * e.d * e.e + e.a * e.a * e.b),
                                    e.e * e.e - e.a * e.a * e.c)) {
        double y1 = 0, y2 = 0;
        if (curve_value(root, x, y1) && curve_value(line, x, y2) &&
            std::fabs(y1 - y2) < 1e-6 * std::max(1.0, std::fabs(y2)))
            crossings.push_back(x);
    }
    const double dir = e.b < 0 ? -1 : 1;
    double x_lo = std::min(0.0, xr), x_hi = std::max(0.0, xr);
    for (double x : crossings) {
        x_lo = std::min(x_lo, x);
        x_hi = std::max(x_hi, x);
    }
    if (dir > 0) x_hi = std::max(x_hi, xr + 8);
    if (dir < 0) x_lo = std::min(x_lo, xr - 8);
    x_lo -= 2;
    x_hi += 2;
    double y_lo, y_hi;
    y_window_of_curves({root, line}, x_lo, x_hi, {}, y_lo, y_hi);
    set_window(f, size, x_lo, x_hi, y_lo, y_hi);
    set_graph(f, 1, root, kCurveRed);
    set_graph(f, 2, line, kCurveBlue);
    SolutionMarks marks;
    if (has_start) {
        add_point(f, marks.next_point, QStringLiteral("R"), xr, 0);
        f.points[static_cast<size_t>(marks.next_point)].on_function = 1;
        f.points[static_cast<size_t>(marks.next_point)].kind = FigurePoint::Computed;
        ++marks.next_point;
    }
    for (size_t i = 0; i < crossings.size(); ++i) {
        add_curve_point(f, marks.next_point, QStringLiteral("S%1").arg(i + 1), 1, crossings[i]);
        f.points[static_cast<size_t>(marks.next_point)].glides = false;
        ++marks.next_point;
    }
    const int relation = static_cast<int>(e.relation);
    std::vector<double> breaks = crossings;
    if (has_start) breaks.push_back(xr);
    add_solution_set(
        f, marks, breaks,
        [&](double x) {
            double y1 = 0, y2 = 0;
            return curve_value(root, x, y1) && curve_value(line, x, y2) &&
                   relation_holds(relation, y1, y2);
        },
        [&](double x) {
            double y1 = 0, y2 = 0;
            if (!curve_value(root, x, y1) || !curve_value(line, x, y2)) return false;
            return relation_holds(relation, y1, y2) ||
                   (!relation_is_strict(relation) && std::fabs(y1 - y2) < 1e-6);
        });
    const bool none = crossings.empty();
    g.decorate = [none](const Figure&, Surface& s) {
        LabelFont font(s, 11, Qt::black);
        int y = 4;
        for (int m : {graph_messages::kStartPoint, graph_messages::kIntersections,
                      graph_messages::kSolution}) {
            if (m == graph_messages::kIntersections && none) m = graph_messages::kNoIntersection;
            write_label_inside(s, QPoint(s.width() - s.text_width(msg(m)) - 34, y), msg(m));
            y += s.text_height();
        }
    };
    g.draggable = false;
    return g;
}

}  // namespace cifrala
