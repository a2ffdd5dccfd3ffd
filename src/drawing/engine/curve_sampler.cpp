#include "drawing/engine/curve_sampler.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace cifrala {

namespace {

constexpr int kMaxDepth = 14;

struct Sample {
    double t = 0;
    QPointF p;
    bool ok = false;
    bool joined = false;  // a line runs from this sample to the next one
};

// Which side of the clip rectangle a position lies beyond (bits), 0 inside.
int outcode(const QPointF& p, const QRectF& r) {
    int code = 0;
    if (p.x() < r.left()) code |= 1;
    if (p.x() > r.right()) code |= 2;
    if (p.y() < r.top()) code |= 4;
    if (p.y() > r.bottom()) code |= 8;
    return code;
}

// Positions far off the surface are limited to 10^9 pixels by the
// transform, so the squares cannot overflow.
double length(double dx, double dy) {
    return std::sqrt(dx * dx + dy * dy);
}

double distance_to_chord(const QPointF& m, const QPointF& a, const QPointF& b) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double len = length(dx, dy);
    if (len < 1e-12) return length(m.x() - a.x(), m.y() - a.y());
    return std::fabs(dy * (m.x() - a.x()) - dx * (m.y() - a.y())) / len;
}

// An interval between two samples that still has to be looked at.
struct Interval {
    int a, b;
    int depth;
};

class Sampler {
public:
    Sampler(const CurvePositions& positions, const QRectF& clip, const SamplingLimits& limits)
        : positions_(positions), clip_(clip), limits_(limits) {
        jump_ = std::max(clip.width(), clip.height());
    }

    std::vector<QPolygonF> run(double t0, double t1) {
        const int n = std::clamp(static_cast<int>(clip_.width() / 3), 48, 600);
        std::vector<double> ts(static_cast<size_t>(n) + 1);
        for (int i = 0; i <= n; ++i)
            ts[static_cast<size_t>(i)] = i == n ? t1 : t0 + (t1 - t0) * i / n;
        add_samples(ts);
        std::vector<Interval> open;
        for (int i = 0; i < n; ++i)
            open.push_back({i, i + 1, 0});
        while (!open.empty())
            open = refine(open);
        return lines();
    }

    int evaluations = 0;

private:
    // Computes the samples at ts and returns the index of the first.
    int add_samples(const std::vector<double>& ts) {
        const int first = static_cast<int>(samples_.size());
        points_.resize(ts.size());
        ok_.reset(new bool[ts.size()]);
        positions_(ts.data(), ts.size(), points_.data(), ok_.get());
        evaluations += static_cast<int>(ts.size());
        for (size_t i = 0; i < ts.size(); ++i) {
            Sample s;
            s.t = ts[i];
            s.p = points_[i];
            s.ok = ok_[i] && std::isfinite(s.p.x()) && std::isfinite(s.p.y());
            samples_.push_back(s);
        }
        return first;
    }

    // One level: the midpoints of all open intervals at once, then each
    // interval is closed (joined or broken) or split in two.
    std::vector<Interval> refine(const std::vector<Interval>& open) {
        std::vector<Interval> next;
        std::vector<Interval> split;
        std::vector<double> ts;
        for (const Interval& iv : open) {
            const Sample& a = samples_[static_cast<size_t>(iv.a)];
            const Sample& b = samples_[static_cast<size_t>(iv.b)];
            const bool budget = evaluations + static_cast<int>(ts.size()) < limits_.max_evaluations;
            // Two failures: one look between them for a narrow defined piece.
            const bool look = a.ok || b.ok ? iv.depth < kMaxDepth : iv.depth < 2;
            if (!look || !budget) {
                close(iv);
                continue;
            }
            split.push_back(iv);
            ts.push_back((a.t + b.t) / 2);
        }
        if (ts.empty()) return next;
        const int first = add_samples(ts);
        for (size_t k = 0; k < split.size(); ++k) {
            const Interval& iv = split[k];
            const int m = first + static_cast<int>(k);
            const Sample& a = samples_[static_cast<size_t>(iv.a)];
            const Sample& b = samples_[static_cast<size_t>(iv.b)];
            const Sample& s = samples_[static_cast<size_t>(m)];
            if (a.ok && b.ok && s.ok && settled(a, s, b, iv.depth)) {
                samples_[static_cast<size_t>(iv.a)].joined = true;
                samples_[static_cast<size_t>(m)].joined = true;
                continue;
            }
            if (!a.ok && !b.ok && !s.ok) continue;  // nothing there
            next.push_back({iv.a, m, iv.depth + 1});
            next.push_back({m, iv.b, iv.depth + 1});
        }
        return next;
    }

    // A bend below the tolerance over a short chord, or a stretch that is
    // wholly beyond one side of the window.
    bool settled(const Sample& a, const Sample& m, const Sample& b, int depth) const {
        const double chord = length(b.p.x() - a.p.x(), b.p.y() - a.p.y());
        if (chord < 24 && distance_to_chord(m.p, a.p, b.p) <= limits_.tolerance) return true;
        const int beyond = outcode(a.p, clip_) & outcode(b.p, clip_) & outcode(m.p, clip_);
        return depth >= 3 && beyond != 0;
    }

    // The finest step: joined, unless an end is undefined or the value
    // jumps past the window (a pole between the two samples).
    void close(const Interval& iv) {
        Sample& a = samples_[static_cast<size_t>(iv.a)];
        const Sample& b = samples_[static_cast<size_t>(iv.b)];
        if (!a.ok || !b.ok) return;
        const double d = std::max(std::fabs(b.p.y() - a.p.y()), std::fabs(b.p.x() - a.p.x()));
        const bool opposite = ((outcode(a.p, clip_) | outcode(b.p, clip_)) & 12) == 12;
        a.joined = d <= jump_ && !opposite;
    }

    // The samples in order of the parameter, joined into polylines.
    std::vector<QPolygonF> lines() {
        std::stable_sort(samples_.begin(), samples_.end(),
                         [](const Sample& x, const Sample& y) { return x.t < y.t; });
        std::vector<QPolygonF> out;
        QPolygonF current;
        for (size_t i = 0; i < samples_.size(); ++i) {
            const Sample& s = samples_[i];
            if (!s.ok) continue;
            if (current.isEmpty() || current.back() != s.p) current.push_back(s.p);
            if (!s.joined || i + 1 == samples_.size()) {
                if (current.size() >= 2) out.push_back(current);
                current.clear();
            }
        }
        return out;
    }

    const CurvePositions& positions_;
    QRectF clip_;
    SamplingLimits limits_;
    double jump_ = 0;
    std::vector<Sample> samples_;
    std::vector<QPointF> points_;
    std::unique_ptr<bool[]> ok_;
};

// Liang-Barsky: the piece of segment a-b inside r, false when none.
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

CurveSamples sample_curve(const CurvePositions& positions, double t0, double t1, const QRectF& clip,
                          const SamplingLimits& limits) {
    CurveSamples result;
    if (!(std::isfinite(t0) && std::isfinite(t1)) || !(t1 > t0) || clip.isEmpty()) return result;
    Sampler s(positions, clip, limits);
    const std::vector<QPolygonF> lines = s.run(t0, t1);
    result.evaluations = s.evaluations;
    for (const QPolygonF& line : lines) {
        for (QPolygonF& piece : clip_polyline(line, clip))
            result.pieces.push_back(std::move(piece));
    }
    return result;
}

}  // namespace cifrala
