// The graph check of a quadratic inequality: the parabola and the line, the
// pieces of the parabola where the inequality holds in magenta, the
// intersections with their projections and the solution on the first
// axis, and on request the vertex with its projections on both axes.
#include <cmath>

#include "drawing/engine/labels.h"
#include "drawing/engine/transform.h"
#include "drawing/graphs/graph_operations.h"
#include "formula/arrowhead.h"
#include "util/format.h"

namespace cifrala {

namespace {

const QColor kMagenta(255, 0, 255);
constexpr double kLeft = -11, kRight = 12;
constexpr double kXStep = 10;
constexpr double kLeastTop = 10;
constexpr double kLeastBottom = -12;
constexpr int kMostSteps = 4;
// The x-range fills 20/21 of the width, the y-range 1/1.1 of the height.
constexpr double kXMargin = 21.0 / 20.0;
constexpr double kYMargin = 1.1;

QString bracketed(double v) {
    return QStringLiteral("(") + format_real_full(v) + QStringLiteral(")");
}

// The second axis: the top, a round step for it and the bottom.
void second_axis(const QuadraticInequalityGraph& e, FigureAxis& ay) {
    const double top = std::max(e.graph_top, kLeastTop);
    double step = std::pow(10.0, std::floor(std::log10(top)));
    if (step > top / 2) {
        step /= 2;
    } else if (step < top / 5) {
        step = 5 * std::floor(top / 25);
    }
    const double bottom = std::min(kLeastBottom, e.vertex_y - step / 4);
    double major = step;
    while ((top - bottom) / major > kMostSteps)
        major *= 2;
    ay.lo = bottom;
    ay.hi = top;
    ay.major = major;
    ay.minor = step;
}

void fit(Figure& f, QSize size) {
    const int w = std::max(1, size.width()), h = std::max(1, size.height());
    f.surface_width = w;
    f.surface_height = h;
    const FigureAxis& ax = f.axes[0];
    const FigureAxis& ay = f.axes[1];
    f.pixels_per_unit = w / ((ax.hi - ax.lo) * kXMargin);
    f.axes[0].scale = 1;
    f.axes[1].scale = h / ((ay.hi - ay.lo) * kYMargin) / f.pixels_per_unit;
    const double sy = f.pixels_per_unit * f.axes[1].scale;
    f.origin = QPointF(w / 2.0 - (ax.lo + ax.hi) / 2 * f.pixels_per_unit,
                       h / 2.0 + (ay.lo + ay.hi) / 2 * sy);
    place_all_points(f);
}

// A copy of the parabola over [lo, hi] only: a parametric curve x = t.
void add_piece(Figure& f, int slot, const QString& parabola_in_t, double lo, double hi) {
    reset_function(f, slot);
    FigureFunction& fn = f.functions[static_cast<size_t>(slot)];
    fn.kind = FigureFunction::Parametric;
    fn.texts = {QStringLiteral("t"), parabola_in_t, QStringLiteral("0")};
    fn.var1 = fn.var2 = QLatin1Char('t');
    fn.t_min = lo;
    fn.t_max = hi;
    fn.colour = kMagenta;
    fn.width = 3;
    fn.used = true;
    f.function_count = std::max(f.function_count, slot);
}

FigurePoint& magenta_point(Figure& f, int slot, const QString& name, double x, double y, int dot) {
    add_point(f, slot, name, x, y);
    FigurePoint& p = f.points[static_cast<size_t>(slot)];
    p.kind = FigurePoint::Computed;
    p.colour = kMagenta;
    p.dot_size = dot;
    return p;
}

void magenta_segment(Figure& f, int slot, int a, int b, int width, Qt::PenStyle style) {
    add_segment(f, slot, a, b);
    FigureSegment& s = f.segments[static_cast<size_t>(slot)];
    s.colour = kMagenta;
    s.width = width;
    s.style = style;
}

// An arrowhead at point `tip` of a segment coming from point `tail`.
struct Arrow {
    int tip = 0, tail = 0;
};

// A projection on an axis whose number the graph writes itself, so that two
// numbers close together on the same axis do not cover each other.
struct AxisLabel {
    int slot = 0;
};

void hide_name(Figure& f, int slot) {
    f.points[static_cast<size_t>(slot)].name_shown = false;
}

// The cell the engine gives a point's name: to the upper right of its dot.
QRect engine_name_cell(const Surface& s, const FigurePoint& p) {
    const int gap = p.dot_size + 3;
    return label_cell_inside(s,
                             QPoint(static_cast<int>(p.surface.x()) + gap,
                                    static_cast<int>(p.surface.y()) - gap - s.text_height() + 4),
                             p.name);
}

// Writes the numbers of the projections: each at the first of its places
// around the dot whose cell meets no name written before; the first place
// when all are taken.
void write_axis_labels(const Figure& fig, Surface& s, int size,
                       const std::vector<AxisLabel>& labels) {
    LabelFont font(s, size, kMagenta);
    std::vector<QRect> taken;
    for (int i = 1; i <= fig.point_count; ++i) {
        const FigurePoint& p = fig.points[static_cast<size_t>(i)];
        if (p.used && p.valid && !p.not_drawn && p.name_shown && p.name != kNoName)
            taken.push_back(engine_name_cell(s, p));
    }
    const int h = s.text_height();
    for (const AxisLabel& l : labels) {
        const FigurePoint& p = fig.points[static_cast<size_t>(l.slot)];
        if (!p.used || !p.valid || p.not_drawn ||
            !QRectF(0, 0, fig.surface_width, fig.surface_height).contains(p.surface))
            continue;
        const int x = static_cast<int>(p.surface.x()), y = static_cast<int>(p.surface.y());
        const int gap = p.dot_size + 3;
        const int w = s.text_width(p.name);
        // Above and below the dot first, then rows further off; beside the
        // dot on the right, then centred, then on the left.
        const int above = y - gap - h + 4, below = y + gap - 2;
        const int rows[] = {above, below, below + h, above - h, below + 2 * h, above - 2 * h};
        const int columns[] = {x + gap, x - w / 2, x - gap - w};
        std::vector<QPoint> places;
        for (int row : rows)
            for (int column : columns)
                places.emplace_back(column, row);
        QPoint chosen = places.front();
        for (const QPoint& at : places) {
            const QRect cell = label_cell_inside(s, at, p.name);
            bool free = true;
            for (const QRect& t : taken)
                free = free && !cell.intersects(t);
            if (free) {
                chosen = at;
                break;
            }
        }
        taken.push_back(write_label_inside(s, chosen, p.name));
    }
}

}  // namespace

GraphDrawing quadratic_inequality_graph(const QuadraticInequalityGraph& e, QSize size) {
    GraphDrawing g;
    Figure& f = g.figure;
    reset_figure(f);
    f.axes[0].lo = kLeft;
    f.axes[0].hi = kRight;
    f.axes[0].major = f.axes[0].minor = kXStep;
    second_axis(e, f.axes[1]);
    fit(f, size);

    const QString parabola =
        QStringLiteral("x^2+") + bracketed(e.b) + QStringLiteral("*x+") + bracketed(e.c);
    const QString line = bracketed(e.s) + QStringLiteral("*x+") + bracketed(e.n);
    set_graph(f, 1, curve_text(parabola), f.drawing_colour);
    set_graph(f, 2, curve_text(line), f.drawing_colour);
    f.functions[1].visible = e.first;
    f.functions[2].visible = e.second;

    // The pieces whose midpoint satisfies the inequality.
    const double ends[] = {kLeft, double(e.x1), double(e.x2), kRight};
    int pieces = 0, slot = 3;
    QString parabola_in_t = parabola;
    parabola_in_t.replace(QLatin1Char('x'), QLatin1Char('t'));
    parabola_in_t = curve_text(parabola_in_t, QLatin1Char('t'));
    for (int i = 0; i < 3; ++i) {
        const double mid = (ends[i] + ends[i + 1]) / 2;
        double p = 0, l = 0;
        if (!curve_value(f.functions[1].texts[0], mid, p) ||
            !curve_value(f.functions[2].texts[0], mid, l))
            continue;
        if (e.less ? p < l : p > l) {
            add_piece(f, slot, parabola_in_t, ends[i], ends[i + 1]);
            f.functions[static_cast<size_t>(slot)].visible = e.colour;
            ++slot;
            ++pieces;
        }
    }

    std::vector<Arrow> arrows;
    std::vector<AxisLabel> numbers;
    int point = 1, segment = 1;
    if (e.colour) {
        const int a = point, b = point + 1, pa = point + 2, pb = point + 3;
        magenta_point(f, a, QStringLiteral("A"), e.x1, e.y1, 3);
        magenta_point(f, b, QStringLiteral("B"), e.x2, e.y2, 3);
        magenta_point(f, pa, format_real_full(e.x1), e.x1, 0, 3);
        magenta_point(f, pb, format_real_full(e.x2), e.x2, 0, 3);
        numbers.push_back({pa});
        numbers.push_back({pb});
        point += 4;
        magenta_segment(f, segment++, a, pa, 1, Qt::DotLine);
        magenta_segment(f, segment++, b, pb, 1, Qt::DotLine);
        if (pieces == 1) {
            magenta_segment(f, segment++, pa, pb, 3, Qt::SolidLine);
        } else if (pieces == 2) {
            const int left = point, right = point + 1;
            add_anchor(f, left, kLeft, 0);
            add_anchor(f, right, kRight, 0);
            point += 2;
            magenta_segment(f, segment++, left, pa, 3, Qt::SolidLine);
            magenta_segment(f, segment++, right, pb, 3, Qt::SolidLine);
            arrows.push_back({left, pa});
            arrows.push_back({right, pb});
        }
    }
    if (e.vertex) {
        const double vx = -e.b / 2.0;
        const int t = point, px = point + 1, py = point + 2;
        magenta_point(f, t, QStringLiteral("T"), vx, e.vertex_y, 3);
        magenta_point(f, px, format_real_full(vx), vx, 0, 2);
        magenta_point(f, py, format_real_full(e.vertex_y), 0, e.vertex_y, 2);
        numbers.push_back({px});
        numbers.push_back({py});
        point += 3;
        magenta_segment(f, segment++, t, px, 2, Qt::SolidLine);
        magenta_segment(f, segment++, t, py, 2, Qt::SolidLine);
        arrows.push_back({px, t});
        arrows.push_back({py, t});
    }
    for (const AxisLabel& l : numbers)
        hide_name(f, l.slot);
    place_all_points(f);
    g.draggable = false;
    const int label_size = g.label_size;
    g.decorate = [arrows, numbers, label_size](const Figure& fig, Surface& s) {
        for (const Arrow& a : arrows) {
            const FigurePoint& tip = fig.points[static_cast<size_t>(a.tip)];
            const FigurePoint& tail = fig.points[static_cast<size_t>(a.tail)];
            if (!tip.valid || !tail.valid) continue;
            const QPointF from = world_to_surface(fig, tail.x, tail.y);
            const QPointF to = world_to_surface(fig, tip.x, tip.y);
            if (QLineF(from, to).length() < 1) continue;
            s.filled_polygon(arrowhead_polygon(to, from), kMagenta);
        }
        write_axis_labels(fig, s, label_size, numbers);
    };
    return g;
}

}  // namespace cifrala
