#pragma once
// Questions the drawing tests ask of what a surface recorded: how far a
// position is from the drawn curve, whether every label lies on the
// surface, whether a curve jumps across a pole.
#include <QPointF>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "formula/display_list.h"

namespace cifrala::testing {

inline double distance_to_segment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double len2 = d.x() * d.x() + d.y() * d.y();
    double t = len2 > 0 ? ((p - a).x() * d.x() + (p - a).y() * d.y()) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF q = a + t * d;
    return std::hypot(p.x() - q.x(), p.y() - q.y());
}

// The distance from p to the nearest drawn piece of function `k`.
inline double distance_to_curve(const DisplayList& list, int k, QPointF p) {
    double best = std::numeric_limits<double>::infinity();
    for (const DrawnCurve& c : list.curves()) {
        if (c.function != k) continue;
        for (qsizetype i = 1; i < c.points.size(); ++i)
            best = std::min(best, distance_to_segment(p, c.points[i - 1], c.points[i]));
    }
    return best;
}

// The texts whose cell is not wholly on a w x h surface.
inline std::vector<DrawnText> texts_off_surface(const DisplayList& list, int w, int h) {
    std::vector<DrawnText> out;
    for (const DrawnText& t : list.texts())
        if (!QRect(0, 0, w, h).contains(t.rect)) out.push_back(t);
    return out;
}

// Segments of drawn curves that cross the vertical line at surface x `pole`
// while rising or falling more than `height` pixels: a line drawn along an
// asymptote.
inline int lines_across_pole(const DisplayList& list, double pole, double height) {
    int count = 0;
    for (const DrawnCurve& c : list.curves()) {
        for (qsizetype i = 1; i < c.points.size(); ++i) {
            const QPointF a = c.points[i - 1], b = c.points[i];
            if ((a.x() - pole) * (b.x() - pole) < 0 && std::fabs(a.y() - b.y()) > height) ++count;
        }
    }
    return count;
}

}  // namespace cifrala::testing
