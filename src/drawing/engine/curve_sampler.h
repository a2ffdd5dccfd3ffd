#pragma once
// Turning a curve into polylines on the surface: samples at an even step
// first, then finer where the line bends, where the curve stops being
// defined or where it leaves the window. The line is broken where an
// evaluation fails and where the value jumps past the window between two
// neighbouring samples (a pole), so no line is drawn along an asymptote;
// the pieces are clipped to the window.
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <functional>
#include <vector>

namespace cifrala {

struct CurveSamples {
    std::vector<QPolygonF> pieces;  // surface coordinates, inside the clip rectangle
    int evaluations = 0;
};

// The surface position of the curve at parameter t; false where it is not
// defined.
using CurvePosition = std::function<bool(double t, QPointF& surface)>;

struct SamplingLimits {
    double tolerance = 0.25;     // pixels a line may stray from the curve
    int max_evaluations = 40000;  // the finest work done for one curve
};

CurveSamples sample_curve(const CurvePosition& position, double t0, double t1,
                          const QRectF& clip, const SamplingLimits& limits = {});

// Clips a polyline to `clip`: the parts inside, each a polyline.
std::vector<QPolygonF> clip_polyline(const QPolygonF& line, const QRectF& clip);

}  // namespace cifrala
