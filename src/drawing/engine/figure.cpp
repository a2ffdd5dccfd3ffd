#include "drawing/engine/figure.h"

#include <algorithm>
#include <cmath>

#include "drawing/engine/transform.h"

namespace cifrala {

namespace {

bool valid_slot(int slot, int capacity) {
    return slot >= 1 && slot <= capacity;
}

}  // namespace

Figure::Figure() {
    reset_figure(*this);
}

void reset_figure(Figure& f) {
    f.title.clear();
    f.points.fill(FigurePoint{});
    f.segments.fill(FigureSegment{});
    f.circles.fill(FigureCircle{});
    f.point_count = f.segment_count = f.circle_count = f.function_count = 0;
    for (int k = 1; k <= kMaxFigureFunctions; ++k)
        reset_function(f, k);
    f.function_count = 0;
    f.coordinate_system = true;
    f.pi_labels = false;
    f.exact_labels = false;
    f.zero_label = true;
    f.shading = false;
    f.shaded = {0, 0, 0};
    const char* names[3] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i) {
        f.axes[static_cast<size_t>(i)] = FigureAxis{};
        f.axes[static_cast<size_t>(i)].name = QString::fromLatin1(names[i]);
    }
    f.origin = QPointF(f.surface_width / 2.0, f.surface_height / 2.0);
    f.highlight_colour = QColor(255, 0, 255);
    f.drawing_colour = Qt::black;
    f.background = Qt::white;
    f.recompute = nullptr;
    f.own_picture = nullptr;
    f.own_labels = nullptr;
}

Figure& shared_figure() {
    static Figure figure;
    return figure;
}

void add_point(Figure& f, int slot, const QString& name, double x, double y) {
    if (!valid_slot(slot, kMaxFigurePoints)) return;
    FigurePoint& p = f.points[static_cast<size_t>(slot)];
    p = FigurePoint{};
    p.name = name.isEmpty() ? kNoName : name;
    p.x = x;
    p.y = y;
    p.colour = f.drawing_colour;
    p.dot_size = f.default_dot_size;
    p.used = true;
    f.point_count = std::max(f.point_count, slot);
    place_point(f, slot);
    p.initial = p.surface;
}

void add_segment(Figure& f, int slot, int a, int b) {
    if (!valid_slot(slot, kMaxFigureSegments)) return;
    FigureSegment& s = f.segments[static_cast<size_t>(slot)];
    s = FigureSegment{};
    s.a = a;
    s.b = b;
    s.colour = f.drawing_colour;
    s.used = true;
    f.segment_count = std::max(f.segment_count, slot);
}

void add_circle(Figure& f, int slot, int centre, double radius) {
    if (!valid_slot(slot, kMaxFigureCircles)) return;
    FigureCircle& c = f.circles[static_cast<size_t>(slot)];
    c = FigureCircle{};
    c.centre = centre;
    c.radius = radius;
    c.colour = f.drawing_colour;
    c.used = true;
    f.circle_count = std::max(f.circle_count, slot);
}

void reset_function(Figure& f, int slot) {
    if (!valid_slot(slot, kMaxFigureFunctions)) return;
    FigureFunction& fn = f.functions[static_cast<size_t>(slot)];
    fn = FigureFunction{};
    fn.colour = f.drawing_colour;
}

void set_graph(Figure& f, int slot, const QString& text, const QColor& colour, int width) {
    if (!valid_slot(slot, kMaxFigureFunctions)) return;
    reset_function(f, slot);
    FigureFunction& fn = f.functions[static_cast<size_t>(slot)];
    fn.kind = FigureFunction::Graph;
    fn.texts[0] = text;
    fn.colour = colour;
    fn.width = width;
    fn.visible = true;
    fn.used = true;
    f.function_count = std::max(f.function_count, slot);
}

void fit_window(Figure& f, int w, int h, double margin) {
    f.surface_width = std::max(1, w);
    f.surface_height = std::max(1, h);
    margin = std::max(1.0, margin);
    const FigureAxis& ax = f.axes[0];
    const FigureAxis& ay = f.axes[1];
    const auto span = [](const FigureAxis& a, double& lo, double& hi) {
        lo = a.lo;
        hi = a.hi;
        if (a.logarithmic) {
            lo = std::log10(std::max(lo, 1e-5));
            hi = std::log10(std::max(hi, 1e-5));
        }
        if (!(hi - lo > 1e-12)) hi = lo + 1;
    };
    double x0, x1, y0, y1;
    span(ax, x0, x1);
    span(ay, y0, y1);
    f.pixels_per_unit = f.surface_width / ((x1 - x0) * margin);
    f.axes[0].scale = 1;
    f.axes[1].scale = f.surface_height / ((y1 - y0) * margin) / f.pixels_per_unit;
    const double sy = f.pixels_per_unit * f.axes[1].scale;
    f.origin = QPointF(f.surface_width / 2.0 - (x0 + x1) / 2 * f.pixels_per_unit,
                       f.surface_height / 2.0 + (y0 + y1) / 2 * sy);
    place_all_points(f);
}

}  // namespace cifrala
