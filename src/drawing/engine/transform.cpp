#include "drawing/engine/transform.h"

#include <cmath>
#include <limits>

namespace cifrala {

namespace {

constexpr double kBorderDistance = 1e-7;
constexpr double kLogFloor = 1e-5;
constexpr double kPickDistance = 10;

// The value the transform works with: log10 on a logarithmic axis.
double axis_value(const FigureAxis& a, double v) {
    return a.logarithmic && v >= kLogFloor ? std::log10(v) : v;
}

double keep_off_border(double v, double size) {
    if (std::fabs(v) < kBorderDistance) return 0.01;
    if (std::fabs(v - size) < kBorderDistance) return size - 0.01;
    return v;
}

// Far beyond any surface, but small enough to square and subtract.
double limited(double v) {
    constexpr double kFar = 1e9;
    if (std::isnan(v)) return kFar;
    return std::clamp(v, -kFar, kFar);
}

}  // namespace

QPointF world_to_surface_unclamped(const Figure& f, double x, double y) {
    const double sx = f.origin.x() + axis_value(f.axes[0], x) * f.axes[0].scale * f.pixels_per_unit;
    const double sy = f.origin.y() - axis_value(f.axes[1], y) * f.axes[1].scale * f.pixels_per_unit;
    return QPointF(limited(sx), limited(sy));
}

QPointF world_to_surface(const Figure& f, double x, double y) {
    const QPointF p = world_to_surface_unclamped(f, x, y);
    return QPointF(keep_off_border(p.x(), f.surface_width),
                   keep_off_border(p.y(), f.surface_height));
}

QPointF surface_to_world(const Figure& f, QPointF s) {
    const double ux = f.axes[0].scale * f.pixels_per_unit;
    const double uy = f.axes[1].scale * f.pixels_per_unit;
    double x = ux != 0 ? (s.x() - f.origin.x()) / ux : 0;
    double y = uy != 0 ? (f.origin.y() - s.y()) / uy : 0;
    if (f.axes[0].logarithmic) x = std::pow(10.0, x);
    if (f.axes[1].logarithmic) y = std::pow(10.0, y);
    return QPointF(x, y);
}

QRectF window_on_surface(const Figure& f) {
    const QPointF a = world_to_surface_unclamped(f, f.axes[0].lo, f.axes[1].hi);
    const QPointF b = world_to_surface_unclamped(f, f.axes[0].hi, f.axes[1].lo);
    return QRectF(a, b).normalized();
}

void place_point(Figure& f, int slot) {
    if (slot < 1 || slot > kMaxFigurePoints) return;
    FigurePoint& p = f.points[static_cast<size_t>(slot)];
    const bool finite = std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
    p.surface = finite ? world_to_surface(f, p.x, p.y) : QPointF();
    p.valid = finite;
}

void place_all_points(Figure& f) {
    for (int i = 1; i <= f.point_count; ++i)
        if (f.points[static_cast<size_t>(i)].used) place_point(f, i);
}

bool inside_window(const Figure& f, const WorldPoint& p) {
    if (!f.coordinate_system) return true;
    constexpr double kWiden = 1e-10;
    const double v[3] = {p.x, p.y, p.z};
    for (size_t i = 0; i < 3; ++i) {
        if (!(v[i] >= f.axes[i].lo - kWiden && v[i] <= f.axes[i].hi + kWiden)) return false;
    }
    return true;
}

bool inside_window(const Figure& f, int slot) {
    if (slot < 1 || slot > kMaxFigurePoints) return false;
    const FigurePoint& p = f.points[static_cast<size_t>(slot)];
    return inside_window(f, WorldPoint{p.x, p.y, p.z});
}

int nearest_point(const Figure& f, QPointF s) {
    int best = -1;
    double best_distance = std::numeric_limits<double>::max();
    for (int i = 1; i <= f.point_count; ++i) {
        const FigurePoint& p = f.points[static_cast<size_t>(i)];
        if (!p.used || !p.valid || p.not_drawn) continue;
        const double d = std::hypot(p.surface.x() - s.x(), p.surface.y() - s.y());
        if (d < kPickDistance && d < best_distance) {
            best = i;
            best_distance = d;
        }
    }
    return best;
}

}  // namespace cifrala
