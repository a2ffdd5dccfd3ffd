// Curves: the line follows the function, breaks where it is undefined or
// jumps at a pole, and stays inside the window.
#include <gtest/gtest.h>

#include <cmath>

#include "../drawing_checks.h"
#include "drawing/engine/curve_sampler.h"
#include "drawing/engine/draw_figure.h"
#include "drawing/engine/function_evaluator.h"
#include "drawing/engine/transform.h"
#include "drawing/graphs/graph_drawing.h"
#include "support/number_settings_fixture.h"

namespace cifrala::testing {
namespace {

class Curves : public DefaultNumberSettings {
protected:
    // One curve on an 800 x 600 surface over the given window.
    void draw(const char* formula, double x0, double x1, double y0, double y1) {
        f = Figure();
        set_window(f, QSize(800, 600), x0, x1, y0, y1);
        set_graph(f, 1, curve_text(QString::fromLatin1(formula)), Qt::red);
        s.clearimage();
        draw_figure(f, s);
    }
    // Every vertex of the drawn curve, read back to the world, lies on
    // `truth` within half a pixel, and the true curve halfway between two
    // vertices lies within a pixel of the drawn line.
    template <typename Truth>
    void expect_on_curve(Truth truth) {
        const double unit_y = f.pixels_per_unit * f.axes[1].scale;
        const QRectF window = window_on_surface(f);
        int checked = 0;
        for (const DrawnCurve& c : s.display().curves()) {
            for (qsizetype i = 0; i < c.points.size(); ++i) {
                const QPointF w = surface_to_world(f, c.points[i]);
                const double y = truth(w.x());
                if (!std::isfinite(y)) continue;
                if (std::fabs((y - w.y()) * unit_y) > 0.5 &&
                    std::fabs(truth(w.x() + 1e-9) - w.y()) * unit_y > 0.5) {
                    ADD_FAILURE() << "x " << w.x() << " drawn " << w.y() << " true " << y;
                    return;
                }
                ++checked;
                if (i == 0) continue;
                const double xm = surface_to_world(f, (c.points[i - 1] + c.points[i]) / 2).x();
                const QPointF true_point = world_to_surface_unclamped(f, xm, truth(xm));
                if (!window.contains(true_point)) continue;  // clipped at the edge
                const double d = distance_to_curve(s.display(), 1, true_point);
                if (d > 1.0) {
                    ADD_FAILURE() << "the curve at x " << xm << " lies " << d
                                  << " pixels from the line";
                    return;
                }
            }
        }
        EXPECT_GT(checked, 50);
    }
    Surface s{800, 600};
    Figure f;
};

TEST_F(Curves, AFunctionIsDrawnWhereItIs) {
    draw("0,5*x^3-2*x^2+sin(x)+3", -5, 5, -20, 20);
    number_settings.radians = false;
    expect_on_curve(
        [](double x) { return 0.5 * x * x * x - 2 * x * x + std::sin(x * M_PI / 180) + 3; });
}

TEST_F(Curves, EveryPieceStaysInsideTheWindow) {
    draw("x^2", -10, 10, -2, 5);
    const QRectF window = window_on_surface(f).adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
    ASSERT_FALSE(s.display().curves().empty());
    for (const DrawnCurve& c : s.display().curves())
        for (const QPointF& p : c.points)
            EXPECT_TRUE(window.contains(p)) << p.x() << " " << p.y();
    // The parabola leaves the window on both sides and comes back: two pieces
    // ending at the top edge.
    EXPECT_EQ(s.display().curves().size(), 1u);
    EXPECT_NEAR(s.display().curves()[0].points.front().y(), 0, 1e-6);
    expect_on_curve([](double x) { return x * x; });
}

TEST_F(Curves, NoLineAlongAnAsymptote) {
    draw("1/(x-2)", -5, 5, -10, 10);
    const double pole = world_to_surface(f, 2, 0).x();
    EXPECT_EQ(lines_across_pole(s.display(), pole, 50), 0);
    EXPECT_EQ(s.display().curves().size(), 2u);
    // Both branches run up to the window's edge beside the pole: the left
    // one to the bottom where 1/(x - 2) = -10, the right one to the top.
    const QRectF window = window_on_surface(f);
    bool bottom_reached = false, top_reached = false;
    for (const DrawnCurve& c : s.display().curves())
        for (const QPointF& p : c.points) {
            const double x = surface_to_world(f, p).x();
            if (std::fabs(p.y() - window.bottom()) < 0.5 && std::fabs(x - 1.9) < 0.01)
                bottom_reached = true;
            if (std::fabs(p.y() - window.top()) < 0.5 && std::fabs(x - 2.1) < 0.01)
                top_reached = true;
        }
    EXPECT_TRUE(bottom_reached);
    EXPECT_TRUE(top_reached);
    expect_on_curve([](double x) { return 1 / (x - 2); });
}

TEST_F(Curves, TangentBranchesAreSeparate) {
    number_settings.radians = true;
    draw("tan(x)", -4, 4, -8, 8);
    for (double pole : {-M_PI / 2, M_PI / 2, -3 * M_PI / 2, 3 * M_PI / 2}) {
        if (pole < -4 || pole > 4) continue;
        EXPECT_EQ(lines_across_pole(s.display(), world_to_surface(f, pole, 0).x(), 50), 0);
    }
    EXPECT_EQ(s.display().curves().size(), 3u);
}

TEST_F(Curves, TheLineStopsWhereTheFunctionIsUndefined) {
    draw("V(x)", -5, 5, -1, 3);
    ASSERT_EQ(s.display().curves().size(), 1u);
    const QPolygonF c = s.display().curves()[0].points;
    const QPointF start = world_to_surface(f, 0, 0);
    EXPECT_NEAR(c.front().x(), start.x(), 1.0);
    EXPECT_NEAR(c.front().y(), start.y(), 1.0);
    for (const QPointF& p : c)
        EXPECT_GE(p.x(), start.x() - 1.0);
    expect_on_curve([](double x) { return x < 0 ? NAN : std::sqrt(x); });
}

TEST_F(Curves, AHoleInTheDomainBreaksTheLine) {
    draw("V(x^2-1)", -3, 3, -1, 3);
    EXPECT_EQ(s.display().curves().size(), 2u);
    for (const DrawnCurve& c : s.display().curves())
        for (const QPointF& p : c.points) {
            const double x = surface_to_world(f, p).x();
            EXPECT_TRUE(x <= -1 + 0.02 || x >= 1 - 0.02) << x;
        }
}

TEST_F(Curves, BadTextsAndWildCurvesFinish) {
    draw("2x3+*", -5, 5, -5, 5);
    EXPECT_TRUE(s.display().curves().empty());
    const auto wild = [](const double* t, size_t n, QPointF* out, bool* ok) {
        for (size_t i = 0; i < n; ++i) {
            out[i] = QPointF(t[i] * 100, 300 + 250 * std::sin(1 / t[i]));
            ok[i] = t[i] != 0;
        }
    };
    const CurveSamples samples = sample_curve(wild, -1, 1, QRectF(-100, 0, 200, 600));
    EXPECT_LE(samples.evaluations, SamplingLimits{}.max_evaluations + 1000);
    EXPECT_TRUE(sample_curve(wild, 1, -1, QRectF(0, 0, 10, 10)).pieces.empty());
    EXPECT_TRUE(sample_curve(wild, NAN, 1, QRectF(0, 0, 10, 10)).pieces.empty());
}

TEST_F(Curves, ClippingCutsAtTheEdges) {
    const QRectF r(0, 0, 100, 100);
    const auto pieces = clip_polyline(QPolygonF{{-50, 50}, {50, 50}, {50, 150}, {60, 50}}, r);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].front(), QPointF(0, 50));
    EXPECT_EQ(pieces[0].back(), QPointF(50, 100));
    EXPECT_EQ(pieces[1].front(), QPointF(55, 100));
    EXPECT_EQ(pieces[1].back(), QPointF(60, 50));
}

TEST_F(Curves, ParametricAndPolarCurves) {
    f = Figure();
    set_window(f, QSize(600, 600), -2, 2, -2, 2);
    reset_function(f, 1);
    FigureFunction& fn = f.functions[1];
    fn.kind = FigureFunction::Parametric;
    fn.var1 = fn.var2 = QLatin1Char('t');
    fn.texts = {curve_text(QStringLiteral("cos(t)"), QLatin1Char('t')),
                curve_text(QStringLiteral("sin(t)"), QLatin1Char('t')), QStringLiteral("0")};
    fn.t_min = 0;
    fn.t_max = 360;
    fn.visible = fn.used = true;
    f.function_count = 1;
    WorldPoint p;
    ASSERT_TRUE(evaluate_function(f, 1, 90, p));
    EXPECT_NEAR(p.x, 0, 1e-12);
    EXPECT_NEAR(p.y, 1, 1e-12);
    Surface t(600, 600);
    draw_figure(f, t);
    ASSERT_FALSE(t.display().curves().empty());
    for (const DrawnCurve& c : t.display().curves())
        for (const QPointF& q : c.points) {
            const QPointF w = surface_to_world(f, q);
            EXPECT_NEAR(std::hypot(w.x(), w.y()), 1, 0.01);
        }
    // r = 2 cos(theta), theta in degrees: (2 cos^2, 2 cos sin).
    fn.kind = FigureFunction::Polar;
    fn.texts[0] = curve_text(QStringLiteral("2*cos(t)"), QLatin1Char('t'));
    ASSERT_TRUE(evaluate_function(f, 1, 60, p));
    EXPECT_NEAR(p.x, 0.5, 1e-12);
    EXPECT_NEAR(p.y, std::sqrt(3) / 2, 1e-12);
    number_settings.radians = true;
    ASSERT_TRUE(evaluate_function(f, 1, M_PI / 3, p));
    EXPECT_NEAR(p.x, 0.5, 1e-12);
}

TEST_F(Curves, ACurveMayReadAnotherCurve) {
    f = Figure();
    set_graph(f, 1, curve_text(QStringLiteral("x^2")), Qt::red);
    set_graph(f, 2, curve_text(QStringLiteral("[1]+1")), Qt::blue);
    set_graph(f, 3, curve_text(QStringLiteral("[3]")), Qt::blue);
    WorldPoint p;
    ASSERT_TRUE(evaluate_function(f, 2, 3, p));
    EXPECT_DOUBLE_EQ(p.y, 10);
    EXPECT_FALSE(evaluate_function(f, 3, 3, p));  // refers to itself
    EXPECT_FALSE(evaluate_function(f, 5, 3, p));  // no function there
    EXPECT_FALSE(evaluate_function(f, 99, 3, p));
}

TEST_F(Curves, ManyValuesGiveWhatOneAtATimeGives) {
    f = Figure();
    set_graph(f, 1, curve_text(QStringLiteral("ln(x)*V(9-x^2)/(x-1)")), Qt::red);
    FunctionEvaluator e(f);
    ASSERT_TRUE(e.prepare(1));
    std::vector<double> xs;
    for (int i = 0; i <= 400; ++i)
        xs.push_back(-4 + 0.02 * i);
    std::vector<WorldPoint> many(xs.size());
    std::unique_ptr<bool[]> ok(new bool[xs.size()]);
    e.evaluate_many(1, xs.data(), xs.size(), many.data(), ok.get());
    for (size_t i = 0; i < xs.size(); ++i) {
        WorldPoint one;
        EXPECT_EQ(e.evaluate(1, xs[i], one), ok[i]) << xs[i];
        if (ok[i]) {
            EXPECT_EQ(one.y, many[i].y) << xs[i];
        }
    }
}

}  // namespace
}  // namespace cifrala::testing
