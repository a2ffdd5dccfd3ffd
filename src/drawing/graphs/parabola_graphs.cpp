// Parabolas: in vertex form with a vertex that can be dragged, symmetric
// about its axis with a point and its mirror image, and the roots window's
// parabola with its function values at the whole numbers.
#include <algorithm>
#include <cmath>

#include "drawing/engine/function_evaluator.h"
#include "drawing/graphs/graph_operations.h"
#include "util/exact.h"
#include "util/format.h"

namespace cifrala {

namespace {

QString vertex_form(int p, int q, double r, double s) {
    return curve_text(int_to_text(p) + QStringLiteral("/") + int_to_text(q) +
                      QStringLiteral("*(x-(") + coefficient_text(r) + QStringLiteral("))^2+(") +
                      coefficient_text(s) + QStringLiteral(")"));
}

QString general_form(double a, double b, double c) {
    return curve_text(coefficient_text(a) + QStringLiteral("*x^2+(") + coefficient_text(b) +
                      QStringLiteral(")*x+(") + coefficient_text(c) + QStringLiteral(")"));
}

}  // namespace

GraphDrawing parabola_graph(const ParabolaGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const int q = e.q == 0 ? 1 : e.q;
    const QString text = vertex_form(e.p, q, e.r, e.s);
    const double x_lo = std::min(0.0, e.r - 4) - 1, x_hi = std::max(0.0, e.r + 4) + 1;
    double y_lo, y_hi;
    y_window_of_curves({text}, x_lo, x_hi, {}, y_lo, y_hi);
    set_window(f, size, x_lo, x_hi, y_lo, y_hi);
    set_graph(f, 1, text, kCurveRed);
    add_point(f, 1, QStringLiteral("T"), e.r, e.s);
    f.points[1].on_function = 1;
    // The vertex carries the parabola with it.
    const int p = e.p;
    f.recompute = [p, q](Figure& fig) {
        fig.functions[1].texts[0] = vertex_form(p, q, fig.points[1].x, fig.points[1].y);
    };
    return g;
}

GraphDrawing parabola_symmetry_graph(const QuadraticGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const QString text = general_form(e.a, e.b, e.c);
    const double xt = std::fabs(e.a) < 1e-12 ? 0 : -e.b / (2 * e.a);
    const double half = std::max(3.0, 1.5 * std::fabs(xt));
    const double x_lo = std::min(0.0, xt - half) - 1, x_hi = std::max(0.0, xt + half) + 1;
    double y_lo, y_hi;
    y_window_of_curves({text}, x_lo, x_hi, {}, y_lo, y_hi);
    set_window(f, size, x_lo, x_hi, y_lo, y_hi);
    set_graph(f, 1, text, kCurveRed);
    add_curve_point(f, 1, QStringLiteral("T"), 1, xt);
    f.points[1].kind = FigurePoint::Computed;
    add_curve_point(f, 2, QStringLiteral("A"), 1, 0);
    add_point(f, 3, QStringLiteral("A'"), 2 * xt, f.points[2].y);
    f.points[3].kind = FigurePoint::Computed;
    f.points[3].on_function = 1;
    add_anchor(f, 4, xt, y_lo);
    add_anchor(f, 5, xt, y_hi);
    add_dashed_line(f, 1, 4, 5, kCurveBlue);
    add_segment(f, 2, 2, 3);
    f.segments[2].colour = Qt::darkGray;
    f.segments[2].style = Qt::DotLine;
    f.recompute = [xt](Figure& fig) {
        fig.points[3].x = 2 * xt - fig.points[2].x;
        fig.points[3].y = fig.points[2].y;
    };
    return g;
}

GraphDrawing roots_parabola_graph(RootsParabolaGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const QString text = curve_text(int_to_text(e.a) + QStringLiteral("*x^2+") + int_to_text(e.b) +
                                    QStringLiteral("*x+") + int_to_text(e.c));
    double y_top = 0;
    curve_value(text, e.x_top, y_top);
    e.y_top = y_top;
    double x_min = e.x_min, x_max = e.x_max;
    if (!(x_max > x_min)) x_max = x_min + 10;
    // The end of the window where the parabola is highest (opening upwards)
    // or lowest (downwards), so that its values at both ends are seen.
    double left = 0, right = 0;
    curve_value(text, x_min, left);
    curve_value(text, x_max, right);
    double top, bottom;
    if (e.a < 1) {
        top = 1.1 * std::max(1.0, y_top + 1);
        bottom = 1.1 * std::min(std::min(left, right) - 1, -1.0);
    } else {
        top = 1.1 * std::max(1.0, std::max(left, right) + 1);
        bottom = 1.1 * std::min(y_top - 1, -1.0);
    }
    f.axes[0].lo = x_min;
    f.axes[0].hi = x_max;
    f.axes[0].major = f.axes[0].minor = 1;
    f.axes[1].lo = bottom;
    f.axes[1].hi = top;
    double step = (top - bottom) / 5;
    round_leading_digit(step);
    if (step > 10) {
        step = 10;
    } else if (step > 5) {
        step = 5;
    } else if (step > 2) {
        step = 2;
    }
    f.axes[1].major = step;
    f.axes[1].minor = step / 2;
    fit_window(f, size.width(), size.height(), 1.05);
    set_graph(f, 1, text, kCurveRed);
    add_point(f, 1, QStringLiteral("T"), e.x_top, y_top);
    f.points[1].on_function = 1;
    f.points[1].kind = FigurePoint::Computed;
    int slot = 2;
    for (double x = std::floor(x_min) + 1; x < x_max && slot <= kMaxFigurePoints; x += 1) {
        if (x <= x_min) continue;
        add_curve_point(f, slot, QStringLiteral("T"), 1, x);
        f.points[static_cast<size_t>(slot)].name_shown = false;
        ++slot;
    }
    return g;
}

}  // namespace cifrala
