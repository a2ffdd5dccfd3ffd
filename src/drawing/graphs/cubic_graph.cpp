// The cubic as a point-symmetric curve: its centre B, an extreme point T1
// that can be moved along the curve, and T1's image A in B.
#include <algorithm>
#include <cmath>

#include "drawing/graphs/graph_operations.h"

namespace cifrala {

namespace {

enum { kB = 1, kT1, kA };

void mirror_in_centre(Figure& f) {
    FigurePoint& b = f.points[kB];
    FigurePoint& t = f.points[kT1];
    FigurePoint& a = f.points[kA];
    a.x = 2 * b.x - t.x;
    a.y = 2 * b.y - t.y;
    for (FigurePoint* p : {&b, &t, &a})
        p->text2 = coordinates_text(p->x, p->y);
}

}  // namespace

GraphDrawing cubic_symmetry_graph(const CubicGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const QString text =
        curve_text(coefficient_text(e.a) + QStringLiteral("*x^3+(") + coefficient_text(e.b) +
                   QStringLiteral(")*x^2+(") + coefficient_text(e.c) + QStringLiteral(")*x+(") +
                   coefficient_text(e.d) + QStringLiteral(")"));
    const bool cubic = std::fabs(e.a) > 1e-12;
    const double xb = cubic ? -e.b / (3 * e.a) : 0;
    // The extremes are the zeros of 3a x^2 + 2b x + c.
    double xt = xb - 1;
    const double disc = 4 * e.b * e.b - 12 * e.a * e.c;
    if (cubic && disc > 1e-12)
        xt = std::min((-2 * e.b - std::sqrt(disc)) / (6 * e.a),
                      (-2 * e.b + std::sqrt(disc)) / (6 * e.a));
    const double half = std::max(2.0, 1.6 * std::fabs(xt - xb));
    const double x_lo = std::min(0.0, xb - half) - 0.5, x_hi = std::max(0.0, xb + half) + 0.5;
    double y_lo, y_hi;
    y_window_of_curves({text}, x_lo, x_hi, {}, y_lo, y_hi);
    set_window(f, size, x_lo, x_hi, y_lo, y_hi);
    set_graph(f, 1, text, kCurveRed);
    add_curve_point(f, kB, QStringLiteral("B"), 1, xb);
    f.points[kB].kind = FigurePoint::Computed;
    f.points[kB].glides = false;
    add_curve_point(f, kT1, QStringLiteral("T1"), 1, xt);
    add_point(f, kA, QStringLiteral("A"), 0, 0);
    f.points[kA].kind = FigurePoint::Computed;
    f.points[kA].on_function = 1;
    add_segment(f, 1, kT1, kA);
    f.segments[1].colour = Qt::darkGray;
    f.segments[1].style = Qt::DotLine;
    f.recompute = mirror_in_centre;
    mirror_in_centre(f);
    return g;
}

}  // namespace cifrala
