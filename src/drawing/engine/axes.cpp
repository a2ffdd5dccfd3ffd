#include "drawing/engine/axes.h"

#include <algorithm>
#include <cmath>

#include "drawing/engine/labels.h"
#include "drawing/engine/transform.h"
#include "util/exact.h"
#include "util/format.h"
#include "util/number_settings.h"

namespace cifrala {

namespace {

constexpr int kMaxTicks = 4000;
const QColor kMinorGrid(235, 235, 235);
const QColor kMajorGrid(205, 205, 205);
const QColor kAxisColour(Qt::black);

// Number settings for one label, restored afterwards.
class SettingsFor {
public:
    SettingsFor() : saved_(number_settings) {}
    ~SettingsFor() { number_settings = saved_; }

private:
    NumberSettings saved_;
};

std::vector<AxisTick> log_ticks(const FigureAxis& a) {
    std::vector<AxisTick> ticks;
    const double lo = std::max(a.lo, 1e-5);
    if (!(a.hi > lo)) return ticks;
    for (int e = static_cast<int>(std::floor(std::log10(lo)));
         e <= std::ceil(std::log10(a.hi)) && ticks.size() < kMaxTicks; ++e) {
        for (int m = 1; m <= 9; ++m) {
            const double v = m * std::pow(10.0, e);
            if (v >= lo * (1 - 1e-12) && v <= a.hi * (1 + 1e-12)) ticks.push_back({v, m == 1});
        }
    }
    return ticks;
}

// Pixel centres keep one-pixel lines sharp under antialiasing.
double crisp(double v) {
    return std::floor(v) + 0.5;
}

}  // namespace

std::vector<AxisTick> axis_ticks(const FigureAxis& a) {
    if (a.logarithmic) return log_ticks(a);
    std::vector<AxisTick> ticks;
    if (!(std::isfinite(a.lo) && std::isfinite(a.hi)) || !(a.hi >= a.lo)) return ticks;
    double minor = std::fabs(a.minor);
    const double major = std::fabs(a.major);
    const double span = a.hi - a.lo;
    if (!(minor > 0) || span / minor > kMaxTicks) minor = major > 0 ? major : span / 10;
    if (!(minor > 0) || span / minor > kMaxTicks) minor = span / 10;
    if (!(minor > 0)) return ticks;
    const double first = std::ceil(a.lo / minor - 1e-9);
    for (int i = 0; i <= kMaxTicks; ++i) {
        const double v = (first + i) * minor;
        if (v > a.hi + minor * 1e-9) break;
        bool is_major = false;
        if (major > 0) {
            const double q = v / major;
            is_major = std::fabs(q - std::nearbyint(q)) < 1e-5;
        }
        // No -0 and no rounding noise around zero.
        ticks.push_back({std::fabs(v) < minor * 1e-9 ? 0.0 : v, is_major});
    }
    return ticks;
}

QString tick_label(const Figure& f, int axis, double value) {
    SettingsFor keep;
    if (axis == 0) {
        if (f.pi_labels) return pi_multiple_text(value, false);
        if (f.exact_labels) {
            number_settings.exact_fractions = true;
            number_settings.mixed_numbers = true;
        }
        return format_exact(value);
    }
    number_settings.fixed_decimals = true;
    number_settings.decimals = 6;
    return format_real(value);
}

double x_axis_surface_y(const Figure& f) {
    const QRectF w = window_on_surface(f);
    const double y = world_to_surface_unclamped(f, 0, f.axes[1].logarithmic ? 1 : 0).y();
    return std::clamp(y, w.top(), w.bottom());
}

double y_axis_surface_x(const Figure& f) {
    const QRectF w = window_on_surface(f);
    const double x = world_to_surface_unclamped(f, f.axes[0].logarithmic ? 1 : 0, 0).x();
    return std::clamp(x, w.left(), w.right());
}

void draw_grid_and_axes(const Figure& f, Surface::Canvas& canvas) {
    QPainter& p = canvas.painter();
    const QRectF w =
        window_on_surface(f).intersected(QRectF(0, 0, f.surface_width, f.surface_height));
    if (w.isEmpty()) return;
    auto grid_line = [&](QPointF a, QPointF b, bool major) {
        const QColor c = major ? kMajorGrid : kMinorGrid;
        p.setPen(QPen(c, 1));
        p.drawLine(a, b);
        canvas.record(DrawnLine{a.toPoint(), b.toPoint(), 1, c});
    };
    for (const AxisTick& t : axis_ticks(f.axes[0])) {
        const double x = crisp(world_to_surface_unclamped(f, t.value, 0).x());
        if (x < w.left() || x > w.right()) continue;
        grid_line(QPointF(x, w.top()), QPointF(x, w.bottom()), t.major);
    }
    for (const AxisTick& t : axis_ticks(f.axes[1])) {
        const double y = crisp(world_to_surface_unclamped(f, 0, t.value).y());
        if (y < w.top() || y > w.bottom()) continue;
        grid_line(QPointF(w.left(), y), QPointF(w.right(), y), t.major);
    }
    // The axes, with a small arrowhead at their positive ends.
    const double ay = crisp(x_axis_surface_y(f));
    const double ax = crisp(y_axis_surface_x(f));
    p.setPen(QPen(kAxisColour, 1));
    const QPointF x0(w.left(), ay), x1(w.right() - 1, ay);
    const QPointF y0(ax, w.bottom()), y1(ax, w.top() + 1);
    p.drawLine(x0, x1);
    p.drawLine(y0, y1);
    canvas.record(DrawnLine{x0.toPoint(), x1.toPoint(), 1, kAxisColour});
    canvas.record(DrawnLine{y0.toPoint(), y1.toPoint(), 1, kAxisColour});
    p.setBrush(kAxisColour);
    const QPolygonF xhead{x1, x1 + QPointF(-8, -3.5), x1 + QPointF(-8, 3.5)};
    const QPolygonF yhead{y1, y1 + QPointF(-3.5, 8), y1 + QPointF(3.5, 8)};
    p.drawPolygon(xhead);
    p.drawPolygon(yhead);
    canvas.record(DrawnPolygon{xhead.toPolygon(), kAxisColour, 1, true});
    canvas.record(DrawnPolygon{yhead.toPolygon(), kAxisColour, 1, true});
    p.setBrush(Qt::NoBrush);
    // Tick marks at the major steps.
    for (const AxisTick& t : axis_ticks(f.axes[0])) {
        if (!t.major) continue;
        const double x = crisp(world_to_surface_unclamped(f, t.value, 0).x());
        if (x < w.left() || x > w.right()) continue;
        p.drawLine(QPointF(x, ay - 3), QPointF(x, ay + 3));
    }
    for (const AxisTick& t : axis_ticks(f.axes[1])) {
        if (!t.major) continue;
        const double y = crisp(world_to_surface_unclamped(f, 0, t.value).y());
        if (y < w.top() || y > w.bottom()) continue;
        p.drawLine(QPointF(ax - 3, y), QPointF(ax + 3, y));
    }
}

void draw_tick_labels(const Figure& f, Surface& s, int label_size) {
    LabelFont font(s, label_size, kAxisColour);
    const QRectF w = window_on_surface(f);
    const double ay = x_axis_surface_y(f);
    const double ax = y_axis_surface_x(f);
    const int h = s.text_height();
    const bool origin_visible = world_to_surface_unclamped(f, 0, 0) == QPointF(ax, ay);
    // First axis: centred under the tick; a label that would overlap the
    // one before it is left out.
    int last_right = -1000000;
    for (const AxisTick& t : axis_ticks(f.axes[0])) {
        if (!t.major) continue;
        const bool zero = std::fabs(t.value) < 1e-12;
        if (zero && !f.zero_label) continue;
        const double x = world_to_surface_unclamped(f, t.value, 0).x();
        if (x < w.left() - 0.5 || x > w.right() + 0.5) continue;
        const QString text = tick_label(f, 0, t.value);
        const int tw = s.text_width(text);
        if (tw > s.width() / 2) continue;  // a label that long would hide the graph
        QPoint at(static_cast<int>(std::lround(x - tw / 2.0)), static_cast<int>(ay) + 4);
        if (zero && origin_visible) at.setX(static_cast<int>(ax) - tw - 3);
        const QRect cell = label_cell_inside(s, at, text);
        if (cell.left() <= last_right + 4) continue;
        s.text_at(cell.x(), cell.y(), text);
        last_right = cell.right();
    }
    // Second axis: left of the axis, centred on the tick; its zero is the
    // first axis's.
    int last_top = 1000000;
    for (const AxisTick& t : axis_ticks(f.axes[1])) {
        if (!t.major) continue;
        const bool zero = std::fabs(t.value) < 1e-12;
        if (zero && (origin_visible || !f.zero_label)) continue;
        const double y = world_to_surface_unclamped(f, 0, t.value).y();
        if (y < w.top() - 0.5 || y > w.bottom() + 0.5) continue;
        const QString text = tick_label(f, 1, t.value);
        const int tw = s.text_width(text);
        if (tw > s.width() / 2) continue;
        const QPoint at(static_cast<int>(ax) - tw - 5, static_cast<int>(std::lround(y - h / 2.0)));
        const QRect cell = label_cell_inside(s, at, text);
        if (cell.bottom() >= last_top - 1) continue;
        s.text_at(cell.x(), cell.y(), text);
        last_top = cell.top();
    }
    // The axis names beside the arrowheads.
    const QString xname = f.axes[0].name, yname = f.axes[1].name;
    if (!xname.trimmed().isEmpty())
        write_label_inside(s,
                           QPoint(static_cast<int>(w.right()) - s.text_width(xname) - 4,
                                  static_cast<int>(ay) - h - 2),
                           xname);
    if (!yname.trimmed().isEmpty())
        write_label_inside(s, QPoint(static_cast<int>(ax) + 7, static_cast<int>(w.top()) + 1),
                           yname);
}

}  // namespace cifrala
