#include "drawing/graphs/graph_drawing.h"

#include <algorithm>
#include <cmath>

#include "drawing/engine/draw_figure.h"
#include "drawing/engine/function_evaluator.h"
#include "drawing/engine/navigation.h"
#include "drawing/engine/transform.h"
#include "expr/expression.h"
#include "util/format.h"

namespace cifrala {

void draw_graph(GraphDrawing& g, Surface& s) {
    Surface::Batch batch(s);
    s.clearimage();
    draw_figure(g.figure, s, g.label_size);
    if (g.decorate) g.decorate(g.figure, s);
}

QString coefficient_text(double v) {
    return format_real_full(v);
}

QString curve_text(QString text, QChar var) {
    normalise_expression(text, var, var);
    return text;
}

void set_window(Figure& f, QSize size, double x_lo, double x_hi, double y_lo, double y_hi,
                double margin) {
    if (!(x_hi > x_lo)) x_hi = x_lo + 2;
    if (!(y_hi > y_lo)) y_hi = y_lo + 2;
    f.axes[0].lo = x_lo;
    f.axes[0].hi = x_hi;
    f.axes[1].lo = y_lo;
    f.axes[1].hi = y_hi;
    f.surface_width = std::max(1, size.width());
    f.surface_height = std::max(1, size.height());
    choose_steps(f);
    fit_window(f, size.width(), size.height(), margin);
}

void y_window_around(const std::vector<double>& values, double& lo, double& hi) {
    lo = 0;
    hi = 0;
    for (double v : values) {
        if (!std::isfinite(v)) continue;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const double pad = std::max(1.0, (hi - lo) * 0.1);
    lo -= pad;
    hi += pad;
}

void y_window_of_curves(const std::vector<QString>& texts, double x_lo, double x_hi,
                        std::vector<double> extra, double& lo, double& hi, QChar var) {
    constexpr int kSteps = 40;
    for (const QString& text : texts) {
        for (int i = 0; i <= kSteps; ++i) {
            double y = 0;
            if (curve_value(text, x_lo + (x_hi - x_lo) * i / kSteps, y, var)) extra.push_back(y);
        }
    }
    y_window_around(extra, lo, hi);
}

bool curve_value(const QString& text, double x, double& y, QChar var) {
    const Evaluation e = evaluate_expression(var, var, text, x, x);
    y = e.value;
    return e.ok();
}

void add_curve_point(Figure& f, int slot, const QString& name, int curve, double x) {
    WorldPoint w;
    const bool ok = evaluate_function(f, curve, x, w);
    add_point(f, slot, name, x, ok ? w.y : std::nan(""));
    FigurePoint& p = f.points[static_cast<size_t>(slot)];
    p.on_function = curve;
    p.glides = true;
}

void add_anchor(Figure& f, int slot, double x, double y) {
    add_point(f, slot, kNoName, x, y);
    FigurePoint& p = f.points[static_cast<size_t>(slot)];
    p.kind = FigurePoint::Computed;
    p.not_drawn = true;
}

void add_dashed_line(Figure& f, int slot, int a, int b, const QColor& colour) {
    add_segment(f, slot, a, b);
    FigureSegment& s = f.segments[static_cast<size_t>(slot)];
    s.colour = colour;
    s.style = Qt::DashLine;
}

QString coordinates_text(double x, double y) {
    return QStringLiteral("(") + format_real(x) + QStringLiteral(";") + format_real(y) +
           QStringLiteral(")");
}

}  // namespace cifrala
