// The line through two points with its slope triangle, and the
// exponential function through two points.
#include <algorithm>
#include <cmath>

#include "drawing/engine/labels.h"
#include "drawing/graphs/graph_operations.h"
#include "util/format.h"

namespace cifrala {

namespace {

enum LinePoints { kO = 1, kA, kB, kCorner, kRunAnchor, kRiseAnchor };

// A number in a difference, in parentheses when negative: 3-(-2)=5.
QString term(double v) {
    const QString t = format_real(v);
    return v < 0 ? QStringLiteral("(") + t + QStringLiteral(")") : t;
}

void place_line(Figure& f) {
    const FigurePoint& a = f.points[kA];
    const FigurePoint& b = f.points[kB];
    FigureFunction& line = f.functions[1];
    line.visible = std::fabs(b.x - a.x) > 1e-9;
    if (line.visible) {
        line.texts[0] =
            curve_text(coefficient_text(a.y) + QStringLiteral("+(") + coefficient_text(b.y - a.y) +
                       QStringLiteral(")/(") + coefficient_text(b.x - a.x) +
                       QStringLiteral(")*(x-(") + coefficient_text(a.x) + QStringLiteral("))"));
    }
    f.points[kCorner].x = b.x;
    f.points[kCorner].y = a.y;
    f.points[kRunAnchor].x = (a.x + b.x) / 2;
    f.points[kRunAnchor].y = a.y;
    f.points[kRiseAnchor].x = b.x;
    f.points[kRiseAnchor].y = (a.y + b.y) / 2;
}

// The two differences of the slope triangle, in blue beside its sides.
void write_differences(const Figure& f, Surface& s) {
    LabelFont font(s, 12, kCurveBlue);
    const FigurePoint& a = f.points[kA];
    const FigurePoint& b = f.points[kB];
    const QString run =
        term(b.x) + QStringLiteral("-") + term(a.x) + QStringLiteral("=") + format_real(b.x - a.x);
    const QPointF r = f.points[kRunAnchor].surface;
    const int h = s.text_height();
    const int run_y = b.y < a.y ? static_cast<int>(r.y()) - h - 6 : static_cast<int>(r.y()) + 3;
    write_label_inside(s, QPoint(static_cast<int>(r.x()) - s.text_width(run) / 2, run_y), run);
    const QString rise =
        term(b.y) + QStringLiteral("-") + term(a.y) + QStringLiteral("=") + format_real(b.y - a.y);
    const QPointF u = f.points[kRiseAnchor].surface;
    int x = static_cast<int>(u.x()) + 3;
    if (x + s.text_width(rise) > s.width()) x = static_cast<int>(u.x()) - s.text_width(rise) - 5;
    write_label_inside(s, QPoint(x, static_cast<int>(u.y()) - 5 - h / 2), rise);
}

}  // namespace

GraphDrawing line_graph(const LineGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const double x_lo = std::min({0, e.x1, e.x2}) - 2;
    const double x_hi = std::max({0, e.x1, e.x2}) + 2;
    const double y_lo = std::round(1.1 * std::min({0, e.y1, e.y2})) - 1;
    const double y_hi = std::round(1.1 * std::max({0, e.y1, e.y2})) + 1;
    set_window(f, size, x_lo, x_hi, y_lo, y_hi);
    set_graph(f, 1, QStringLiteral("0"), kCurveRed, 1);
    add_point(f, kO, kNoName, 0, 0);
    add_point(f, kA, QStringLiteral("A"), e.x1, e.y1);
    add_point(f, kB, QStringLiteral("B"), e.x2, e.y2);
    f.points[kA].on_function = f.points[kB].on_function = 1;
    add_anchor(f, kCorner, e.x2, e.y1);
    add_anchor(f, kRunAnchor, 0, 0);
    add_anchor(f, kRiseAnchor, 0, 0);
    add_segment(f, 1, kA, kB);
    f.segments[1].colour = kCurveRed;
    f.segments[1].width = 2;
    add_segment(f, 2, kA, kCorner);
    add_segment(f, 3, kCorner, kB);
    for (int i : {2, 3}) {
        f.segments[static_cast<size_t>(i)].colour = kCurveBlue;
        f.segments[static_cast<size_t>(i)].width = 3;
    }
    f.recompute = place_line;
    place_line(f);
    g.decorate = write_differences;
    return g;
}

GraphDrawing exponential_graph(const ExponentialGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    const QChar t = QLatin1Char('t');
    const QString text = curve_text(coefficient_text(e.b) + QStringLiteral("*(") +
                                        coefficient_text(e.g) + QStringLiteral(")^t"),
                                    t);
    const double x_lo = std::min({0.0, e.t_a, e.t_b}) - 1;
    const double x_hi = std::max({0.0, e.t_a, e.t_b}) + 1;
    double y_lo, y_hi;
    y_window_of_curves({text}, x_lo, x_hi, {}, y_lo, y_hi, t);
    set_window(f, size, x_lo, x_hi, y_lo, y_hi);
    f.axes[0].name = QStringLiteral("t");
    set_graph(f, 1, text, kCurveRed);
    f.functions[1].var1 = f.functions[1].var2 = t;
    add_curve_point(f, 1, QStringLiteral("A"), 1, e.t_a);
    add_curve_point(f, 2, QStringLiteral("B"), 1, e.t_b);
    const QString b = format_real(e.b), base = format_real(e.g);
    g.decorate = [b, base](const Figure&, Surface& s) {
        LabelFont font(s, 14, Qt::black);
        const QString head = QStringLiteral(" f(t) = ") + b + QStringLiteral("·") + base;
        const QRect cell = write_label_inside(s, QPoint(s.width() / 2 + 10, 6), head);
        s.set_font_size(10);
        write_label_inside(s, QPoint(cell.right() + 1, cell.top() - 4), QStringLiteral("t"));
    };
    return g;
}

}  // namespace cifrala
