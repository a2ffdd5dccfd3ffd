#include "drawing/engine/navigation.h"

#include <algorithm>
#include <cmath>

#include "drawing/engine/function_evaluator.h"
#include "drawing/engine/transform.h"

namespace cifrala {

namespace {

// Below this the labels would need more than 6 decimals; above it the
// values leave what a pupil's graph needs.
constexpr double kMinUnitPixels = 1e-6;
constexpr double kMaxUnitPixels = 1e7;

}  // namespace

bool drag_point(Figure& f, int slot, QPointF surface) {
    if (slot < 1 || slot > kMaxFigurePoints) return false;
    FigurePoint& p = f.points[static_cast<size_t>(slot)];
    if (!p.used || p.kind != FigurePoint::Free) return false;
    const QPointF w = surface_to_world(f, surface);
    if (!std::isfinite(w.x()) || !std::isfinite(w.y())) return false;
    p.x = w.x();
    p.y = w.y();
    keep_on_curves(f);
    if (f.recompute) f.recompute(f);
    place_all_points(f);
    return true;
}

double round_step(double span, bool pi) {
    if (!(span > 0) || !std::isfinite(span)) return 1;
    const double target = span / 10;
    if (pi) {
        double step = M_PI / 12;
        const double candidates[] = {M_PI / 12, M_PI / 6, M_PI / 4, M_PI / 2, M_PI};
        for (double c : candidates) {
            step = c;
            if (c >= target) return c;
        }
        while (step < target)
            step *= 2;
        return step;
    }
    const double p = std::pow(10.0, std::floor(std::log10(target)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * p >= target) return m * p;
    return 10 * p;
}

double minor_step(double major, bool pi) {
    if (pi) return major / 2;
    if (!(major > 0)) return 1;
    const double leading = major / std::pow(10.0, std::floor(std::log10(major)));
    return major / (std::fabs(leading - 2) < 1e-9 ? 4 : 5);
}

void choose_steps(Figure& f) {
    for (int i = 0; i < 2; ++i) {
        FigureAxis& a = f.axes[static_cast<size_t>(i)];
        if (a.logarithmic) continue;
        const bool pi = i == 0 && f.pi_labels;
        const int pixels = i == 0 ? f.surface_width : f.surface_height;
        const double span = a.hi - a.lo;
        a.major = round_step(span, pi);
        for (int k = 0; k < 64 && pixels > 0 && a.major / span * pixels < 40; ++k)
            a.major = round_step(a.major * 10.1, pi);
        a.minor = minor_step(a.major, pi);
    }
}

void keep_on_curves(Figure& f) {
    FunctionEvaluator evaluator(f);
    for (int i = 1; i <= f.point_count; ++i) {
        FigurePoint& p = f.points[static_cast<size_t>(i)];
        if (!p.used || !p.glides || p.on_function == 0) continue;
        WorldPoint w;
        p.y = evaluator.evaluate(p.on_function, p.x, w) ? w.y : std::nan("");
    }
}

void window_from_view(Figure& f) {
    const QPointF a = surface_to_world(f, QPointF(0, f.surface_height));
    const QPointF b = surface_to_world(f, QPointF(f.surface_width, 0));
    f.axes[0].lo = a.x();
    f.axes[0].hi = b.x();
    f.axes[1].lo = a.y();
    f.axes[1].hi = b.y();
    choose_steps(f);
    place_all_points(f);
}

void zoom_at(Figure& f, QPointF s, double factor) {
    if (!(factor > 0) || !std::isfinite(factor)) return;
    const double next = f.pixels_per_unit * factor;
    if (next < kMinUnitPixels || next > kMaxUnitPixels) return;
    f.pixels_per_unit = next;
    f.origin = s + (f.origin - s) * factor;
    window_from_view(f);
}

void pan_by(Figure& f, QPointF delta) {
    if (!std::isfinite(delta.x()) || !std::isfinite(delta.y())) return;
    f.origin += delta;
    window_from_view(f);
}

}  // namespace cifrala
