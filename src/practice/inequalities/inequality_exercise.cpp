#include "practice/inequalities/inequality_exercise.h"

#include <cmath>
#include <utility>

#include "expr/expression.h"
#include "util/format.h"
#include "util/random.h"

namespace cifrala {

namespace {

// The whole points are drawn from -8..8 across and -9..9 up.
constexpr int kAcross = 17, kAcrossShift = 8;
constexpr int kUp = 19, kUpShift = 9;
constexpr int kLeastWidth = 4;
constexpr double kVertexReach = 6;

QString coefficient(double v) {
    return QStringLiteral("(") + format_real_full(v) + QStringLiteral(")");
}

bool value_at(const QString& text, double x, double& y) {
    QString t = text;
    normalise_expression(t, QLatin1Char('x'), QLatin1Char('x'));
    const Evaluation v = evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), t, x, x);
    y = v.value;
    return v.ok();
}

}  // namespace

bool inequality_from_points(int x1, int y1, int x2, int y2, bool less, InequalityExercise& e) {
    if (x1 >= x2) return false;
    const long long w = x2 - x1;
    // b = (x1² + (y2 - y1) - x2²) / w and s = (y2 - y1) / w must be whole.
    const long long rise = static_cast<long long>(y2) - y1;
    if (rise % w != 0) return false;
    const long long b =
        (static_cast<long long>(x1) * x1 + rise - static_cast<long long>(x2) * x2) / w;
    const long long c = y1 - static_cast<long long>(x1) * x1 - x1 * b;
    const long long s = rise / w;
    const long long n = y1 - s * x1;
    e = InequalityExercise{};
    e.less = less;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.a = 1;
    e.b = static_cast<int>(b);
    e.c = static_cast<int>(c);
    e.s = static_cast<int>(s);
    e.n = static_cast<int>(n);
    double v = 0;
    e.vertex_y = value_at(parabola_text(e), e.vertex_x(), v) ? v : 0;
    e.graph_top = 1.2 * std::max(y1, y2);
    return true;
}

bool acceptable(const InequalityExercise& e) {
    const int w = e.x2 - e.x1;
    if (w < kLeastWidth) return false;
    const double reach = -e.b / (2.0 * w);
    return reach > -kVertexReach && reach < kVertexReach;
}

InequalityExercise generate_inequality() {
    const bool less = random(2) == 1;
    InequalityExercise e;
    for (;;) {
        int x1 = random(kAcross) - kAcrossShift;
        int y1 = random(kUp) - kUpShift;
        int x2 = random(kAcross) - kAcrossShift;
        while (x2 == x1)
            x2 = random(kAcross) - kAcrossShift;
        int y2 = random(kUp) - kUpShift;
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        // Heights scaled by the width make every coefficient whole.
        const int w = x2 - x1;
        if (inequality_from_points(x1, y1 * w, x2, y2 * w, less, e) && acceptable(e)) return e;
    }
}

QString parabola_text(const InequalityExercise& e) {
    return format_real_full(e.a) + QStringLiteral("*x^2+") + coefficient(e.b) +
           QStringLiteral("*x+") + coefficient(e.c);
}

QString line_text(const InequalityExercise& e) {
    return coefficient(e.s) + QStringLiteral("*x+") + coefficient(e.n);
}

std::vector<AxisPiece> solution_pieces(const InequalityExercise& e) {
    std::vector<AxisPiece> out;
    const QString parabola = parabola_text(e), line = line_text(e);
    const double ends[] = {kLeftEnd, double(e.x1), double(e.x2), kRightEnd};
    for (int i = 0; i < 3; ++i) {
        const double mid = (ends[i] + ends[i + 1]) / 2;
        double p = 0, l = 0;
        if (!value_at(parabola, mid, p) || !value_at(line, mid, l)) continue;
        if (e.less ? p < l : p > l) out.push_back({ends[i], ends[i + 1]});
    }
    return out;
}

QuadraticInequalityGraph graph_record_of(const InequalityExercise& e) {
    QuadraticInequalityGraph g;
    g.x1 = e.x1;
    g.y1 = e.y1;
    g.x2 = e.x2;
    g.y2 = e.y2;
    g.b = e.b;
    g.c = e.c;
    g.s = e.s;
    g.n = e.n;
    g.less = e.less;
    g.vertex_y = e.vertex_y;
    g.graph_top = e.graph_top;
    g.first = g.second = g.colour = g.vertex = false;
    return g;
}

}  // namespace cifrala
