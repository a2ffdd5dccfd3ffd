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

// The surface positions of the curve at n parameters t[i]; ok[i] false
// where it is not defined.
using CurvePositions = std::function<void(const double* t, size_t n, QPointF* surface, bool* ok)>;

struct SamplingLimits {
    double tolerance = 0.25;      // pixels a line may stray from the curve
    int max_evaluations = 40000;  // the finest work done for one curve
};

// The parameters are refined level by level, each level's new samples
// computed together.
CurveSamples sample_curve(const CurvePositions& positions, double t0, double t1, const QRectF& clip,
                          const SamplingLimits& limits = {});

// Clips a polyline to `clip`: the pieces inside, each a polyline.
std::vector<QPolygonF> clip_polyline(const QPolygonF& line, const QRectF& clip);

}  // namespace cifrala
