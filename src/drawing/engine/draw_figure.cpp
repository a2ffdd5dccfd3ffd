#include "drawing/engine/draw_figure.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

#include "drawing/engine/axes.h"
#include "drawing/engine/curve_sampler.h"
#include "drawing/engine/function_evaluator.h"
#include "drawing/engine/labels.h"
#include "drawing/engine/transform.h"
#include "formula/arrowhead.h"

namespace cifrala {

namespace {

const QColor kGrey(192, 192, 192);
// The arrowhead of a segment with an arrow.
constexpr double kSegmentArrowLength = 14;
constexpr double kSegmentArrowAngle = 40;

bool has_content(const Figure& f) {
    for (int i = 1; i <= f.point_count; ++i)
        if (f.points[static_cast<size_t>(i)].used) return true;
    for (int k = 1; k <= kMaxFigureFunctions; ++k)
        if (f.functions[static_cast<size_t>(k)].used) return true;
    return false;
}

QRectF clip_rect(const Figure& f) {
    const QRectF surface(0, 0, f.surface_width, f.surface_height);
    if (!f.coordinate_system) return surface;
    return window_on_surface(f).intersected(surface);
}

const FigurePoint* point(const Figure& f, int slot) {
    if (slot < 1 || slot > kMaxFigurePoints) return nullptr;
    const FigurePoint& p = f.points[static_cast<size_t>(slot)];
    return p.used && p.valid ? &p : nullptr;
}

QColor point_colour(const Figure& f, const FigurePoint& p) {
    if (p.grey) return kGrey;
    if (p.highlight) return f.highlight_colour;
    return p.colour;
}

// A point is drawn, with its name, only where it lies on the surface (a
// view that was zoomed or moved may leave it outside).
bool point_drawn(const Figure& f, const FigurePoint& p) {
    return p.used && p.dot_size >= 0 && p.name != kNoName && p.valid && !p.not_drawn &&
           QRectF(0, 0, f.surface_width, f.surface_height).contains(p.surface);
}

void draw_curves(const Figure& f, Surface::Canvas& canvas) {
    QPainter& painter = canvas.painter();
    for (int k = 1; k <= kMaxFigureFunctions; ++k) {
        const FigureFunction& fn = f.functions[static_cast<size_t>(k)];
        if (!fn.used || !fn.visible || fn.kind == FigureFunction::OwnPicture) continue;
        // Bevel joins: the vertices are close together, and round ones cost a
        // trigonometric call each.
        const QPen pen(fn.colour, fn.width, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin);
        painter.setPen(pen);
        for (QPolygonF& piece : curve_pieces(f, k)) {
            painter.drawPolyline(piece);
            canvas.record(DrawnCurve{std::move(piece), fn.colour, fn.width, k});
        }
    }
}

void draw_segments(const Figure& f, Surface::Canvas& canvas) {
    QPainter& painter = canvas.painter();
    for (int i = 1; i <= f.segment_count; ++i) {
        const FigureSegment& seg = f.segments[static_cast<size_t>(i)];
        if (!seg.used || seg.hidden) continue;
        const FigurePoint* a = point(f, seg.a);
        const FigurePoint* b = point(f, seg.b);
        if (!a || !b) continue;
        QPolygonF line{a->surface, b->surface};
        const std::vector<QPolygonF> pieces =
            clip_polyline(line, QRectF(0, 0, f.surface_width, f.surface_height));
        if (pieces.empty()) continue;
        painter.setPen(QPen(seg.colour, seg.width, seg.style, Qt::FlatCap));
        painter.drawLine(pieces[0][0], pieces[0][1]);
        canvas.record(
            DrawnLine{pieces[0][0].toPoint(), pieces[0][1].toPoint(), seg.width, seg.colour});
        if (seg.arrow && QLineF(pieces[0][1], b->surface).length() < 0.5 &&
            QLineF(a->surface, b->surface).length() > 1) {
            // The arrowhead at end b, where that end lies on the surface.
            const QPolygon head =
                arrowhead_polygon(b->surface, a->surface, kSegmentArrowLength, kSegmentArrowAngle);
            painter.setPen(QPen(seg.colour, 1));
            painter.setBrush(seg.colour);
            painter.drawPolygon(head);
            painter.setBrush(Qt::NoBrush);
            canvas.record(DrawnPolygon{head, seg.colour, 1, true});
        }
    }
}

void draw_circles(const Figure& f, Surface::Canvas& canvas) {
    QPainter& painter = canvas.painter();
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= f.circle_count; ++i) {
        const FigureCircle& c = f.circles[static_cast<size_t>(i)];
        const FigurePoint* centre = point(f, c.centre);
        if (!c.used || !c.visible || !centre) continue;
        const double rx = std::fabs(c.radius * f.axes[0].scale * f.pixels_per_unit);
        const double ry = std::fabs(c.radius * f.axes[1].scale * f.pixels_per_unit);
        if (!(rx < 1e6 && ry < 1e6)) continue;
        painter.setPen(QPen(c.colour, c.width));
        painter.drawEllipse(centre->surface, rx, ry);
        canvas.record(DrawnCircle{centre->surface, rx, ry, c.colour, c.width});
    }
}

void draw_dots(const Figure& f, Surface::Canvas& canvas) {
    QPainter& painter = canvas.painter();
    for (int i = 1; i <= f.point_count; ++i) {
        const FigurePoint& p = f.points[static_cast<size_t>(i)];
        if (!point_drawn(f, p)) continue;
        const QColor c = point_colour(f, p);
        painter.setPen(QPen(c.darker(140), 1));
        painter.setBrush(c);
        painter.drawEllipse(p.surface, p.dot_size, p.dot_size);
        canvas.record(DrawnPoint{p.surface, p.dot_size, c, p.name});
    }
    painter.setBrush(Qt::NoBrush);
}

void draw_shading(const Figure& f, Surface::Canvas& canvas) {
    QPolygonF triangle;
    for (int slot : f.shaded) {
        const FigurePoint* p = point(f, slot);
        if (!p) return;
        triangle << p->surface;
    }
    QPainter& painter = canvas.painter();
    painter.setPen(QPen(kGrey, 1));
    painter.setBrush(QBrush(kGrey, Qt::DiagCrossPattern));
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
    canvas.record(DrawnPolygon{triangle.toPolygon(), kGrey, 1, true});
}

void draw_names(const Figure& f, Surface& s, int label_size) {
    for (int i = 1; i <= f.point_count; ++i) {
        const FigurePoint& p = f.points[static_cast<size_t>(i)];
        if (!point_drawn(f, p) || !p.name_shown) continue;
        LabelFont font(s, label_size, point_colour(f, p));
        const QString text = p.text2.isEmpty() ? p.name : p.name + QLatin1Char(' ') + p.text2;
        const int gap = p.dot_size + 3;
        write_label_inside(s,
                           QPoint(static_cast<int>(p.surface.x()) + gap,
                                  static_cast<int>(p.surface.y()) - gap - s.text_height() + 4),
                           text);
    }
    for (int i = 1; i <= f.segment_count; ++i) {
        const FigureSegment& seg = f.segments[static_cast<size_t>(i)];
        const FigurePoint* a = point(f, seg.a);
        const FigurePoint* b = point(f, seg.b);
        if (!seg.used || seg.hidden || seg.label == kNoName || seg.label.isEmpty() || !a || !b)
            continue;
        LabelFont font(s, label_size, seg.colour);
        const QPointF m = (a->surface + b->surface) / 2;
        write_label_inside(s, QPoint(static_cast<int>(m.x()) + 4, static_cast<int>(m.y()) + 2),
                           seg.label);
    }
}

}  // namespace

std::vector<QPolygonF> curve_pieces(const Figure& f, int slot) {
    const FigureFunction& fn = f.functions[static_cast<size_t>(slot)];
    FunctionEvaluator evaluator(f);
    if (!evaluator.prepare(slot)) return {};
    double t0 = fn.t_min, t1 = fn.t_max;
    if (fn.kind == FigureFunction::Graph) {
        t0 = f.axes[0].lo;
        t1 = f.axes[0].hi;
    }
    const bool log_x = fn.kind == FigureFunction::Graph && f.axes[0].logarithmic;
    if (log_x) {
        t0 = std::log10(std::max(t0, 1e-5));
        t1 = std::log10(std::max(t1, 1e-5));
    }
    std::vector<double> params;
    std::vector<WorldPoint> world;
    const bool log_y = f.axes[1].logarithmic;
    const CurvePositions positions = [&](const double* t, size_t n, QPointF* out, bool* ok) {
        const double* at = t;
        if (log_x) {
            params.assign(t, t + n);
            for (double& v : params)
                v = std::pow(10.0, v);
            at = params.data();
        }
        world.resize(n);
        evaluator.evaluate_many(slot, at, n, world.data(), ok);
        for (size_t i = 0; i < n; ++i) {
            if (log_y && world[i].y < 1e-5) ok[i] = false;
            out[i] = world_to_surface_unclamped(f, world[i].x, world[i].y);
        }
    };
    return sample_curve(positions, t0, t1, clip_rect(f)).pieces;
}

void draw_figure(Figure& f, Surface& s, int label_size) {
    if (!has_content(f)) return;
    Surface::Batch batch(s);
    f.surface_width = s.width();
    f.surface_height = s.height();
    place_all_points(f);
    {
        Surface::Canvas canvas(s);
        if (f.coordinate_system) draw_grid_and_axes(f, canvas);
        draw_curves(f, canvas);
        draw_segments(f, canvas);
        draw_circles(f, canvas);
    }
    for (int k = 1; k <= kMaxFigureFunctions; ++k) {
        const FigureFunction& fn = f.functions[static_cast<size_t>(k)];
        if (fn.used && fn.visible && fn.kind == FigureFunction::OwnPicture && f.own_picture)
            f.own_picture(f, s, k);
    }
    if (f.own_labels) f.own_labels(f, s, label_size);
    if (f.coordinate_system) draw_tick_labels(f, s, label_size);
    {
        Surface::Canvas canvas(s);
        draw_dots(f, canvas);
        if (f.shading) draw_shading(f, canvas);
    }
    draw_names(f, s, label_size);
}

}  // namespace cifrala
