#include "drawing/engine/curve_sampler.h"

#include <algorithm>
#include <cmath>

namespace cifrala {

namespace {

constexpr int kMaxDepth = 14;

struct Sample {
    double t = 0;
    QPointF p;
    bool ok = false;
};

// Which side of the clip rectangle a position lies beyond (bit set), 0 inside.
int outcode(const QPointF& p, const QRectF& r) {
    int code = 0;
    if (p.x() < r.left()) code |= 1;
    if (p.x() > r.right()) code |= 2;
    if (p.y() < r.top()) code |= 4;
    if (p.y() > r.bottom()) code |= 8;
    return code;
}

double distance_to_chord(const QPointF& m, const QPointF& a, const QPointF& b) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double len = std::hypot(dx, dy);
    if (len < 1e-12) return std::hypot(m.x() - a.x(), m.y() - a.y());
    return std::fabs(dy * (m.x() - a.x()) - dx * (m.y() - a.y())) / len;
}

class Sampler {
public:
    Sampler(const CurvePosition& position, const QRectF& clip, const SamplingLimits& limits)
        : position_(position), clip_(clip), limits_(limits) {
        jump_ = std::max(clip.width(), clip.height());
    }

    Sample at(double t) {
        Sample s;
        s.t = t;
        ++evaluations_;
        s.ok = position_(t, s.p) && std::isfinite(s.p.x()) && std::isfinite(s.p.y());
        return s;
    }

    void run(double t0, double t1) {
        const int n = std::clamp(static_cast<int>(clip_.width() / 3), 48, 600);
        Sample a = at(t0);
        if (a.ok) start(a.p);
        for (int i = 1; i <= n; ++i) {
            const Sample b = at(t0 + (t1 - t0) * i / n);
            refine(a, b, 0);
            a = b;
        }
        finish();
    }

    std::vector<QPolygonF> lines;
    int evaluations_ = 0;

private:
    void start(const QPointF& p) {
        finish();
        current_.clear();
        current_.push_back(p);
    }
    void extend(const QPointF& p) {
        if (current_.isEmpty()) {
            current_.push_back(p);
        } else if (current_.back() != p) {
            current_.push_back(p);
        }
    }
    void finish() {
        if (current_.size() >= 2) lines.push_back(current_);
        current_.clear();
    }
    // The line is broken between a and b; b starts the next piece.
    void break_before(const Sample& b) {
        finish();
        if (b.ok) current_.push_back(b.p);
    }
    bool budget_left() const { return evaluations_ < limits_.max_evaluations; }

    // Both ends beyond the same side of the window: nothing of it is seen.
    bool unseen(const Sample& a, const Sample& m, const Sample& b) const {
        const int c = outcode(a.p, clip_) & outcode(b.p, clip_) & outcode(m.p, clip_);
        return c != 0;
    }

    // Draws the curve from a (already in the line when defined) to b.
    void refine(const Sample& a, const Sample& b, int depth) {
        if (!a.ok && !b.ok) {
            // Look once between two failures: a narrow defined part.
            if (depth < 2 && budget_left()) {
                const Sample m = at((a.t + b.t) / 2);
                if (m.ok) {
                    break_before(m);
                    refine(m, b, depth + 1);
                    return;
                }
            }
            break_before(b);
            return;
        }
        if (depth >= kMaxDepth || !budget_left()) {
            end_of_refinement(a, b);
            return;
        }
        const Sample m = at((a.t + b.t) / 2);
        if (a.ok && b.ok && m.ok) {
            const double chord = std::hypot(b.p.x() - a.p.x(), b.p.y() - a.p.y());
            const bool flat = distance_to_chord(m.p, a.p, b.p) <= limits_.tolerance;
            const bool short_chord = chord < 24;
            if ((flat && short_chord) || (depth >= 3 && unseen(a, m, b))) {
                extend(m.p);
                extend(b.p);
                return;
            }
        }
        refine(a, m, depth + 1);
        refine(m, b, depth + 1);
    }

    // The finest step: connect, unless one end is undefined or the value
    // jumps past the window (a pole between the two samples).
    void end_of_refinement(const Sample& a, const Sample& b) {
        if (!a.ok || !b.ok) {
            break_before(b);
            return;
        }
        const double dy = std::fabs(b.p.y() - a.p.y());
        const double dx = std::fabs(b.p.x() - a.p.x());
        const bool opposite_sides = ((outcode(a.p, clip_) & 12) | (outcode(b.p, clip_) & 12)) == 12;
        if (std::max(dx, dy) > jump_ || opposite_sides) {
            break_before(b);
            return;
        }
        extend(b.p);
    }

    const CurvePosition& position_;
    QRectF clip_;
    SamplingLimits limits_;
    double jump_ = 0;
    QPolygonF current_;
};

// Liang-Barsky: the part of segment a-b inside r, false when none.
bool clip_segment(QPointF& a, QPointF& b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const QPointF a0 = a;
    a = QPointF(a0.x() + t0 * dx, a0.y() + t0 * dy);
    b = QPointF(a0.x() + t1 * dx, a0.y() + t1 * dy);
    return true;
}

}  // namespace

std::vector<QPolygonF> clip_polyline(const QPolygonF& line, const QRectF& clip) {
    std::vector<QPolygonF> out;
    QPolygonF current;
    for (qsizetype i = 1; i < line.size(); ++i) {
        QPointF a = line[i - 1], b = line[i];
        if (!clip_segment(a, b, clip)) {
            if (current.size() >= 2) out.push_back(current);
            current.clear();
            continue;
        }
        if (current.isEmpty() || current.back() != a) {
            if (current.size() >= 2) out.push_back(current);
            current.clear();
            current.push_back(a);
        }
        current.push_back(b);
        // The segment left the rectangle: the piece ends here.
        if (b != line[i]) {
            if (current.size() >= 2) out.push_back(current);
            current.clear();
        }
    }
    if (current.size() >= 2) out.push_back(current);
    return out;
}

CurveSamples sample_curve(const CurvePosition& position, double t0, double t1,
                          const QRectF& clip, const SamplingLimits& limits) {
    CurveSamples result;
    if (!(std::isfinite(t0) && std::isfinite(t1)) || !(t1 > t0) || clip.isEmpty()) return result;
    Sampler s(position, clip, limits);
    s.run(t0, t1);
    result.evaluations = s.evaluations_;
    for (const QPolygonF& line : s.lines) {
        for (QPolygonF& piece : clip_polyline(line, clip))
            result.pieces.push_back(std::move(piece));
    }
    return result;
}

}  // namespace cifrala
