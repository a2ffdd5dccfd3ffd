// Every graph over many generated exercises: the curve goes through its
// marked points, no label leaves the surface, no line runs along an
// asymptote, and the curve is the function of the exercise, computed here
// independently.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "../drawing_checks.h"
#include "drawing/engine/transform.h"
#include "drawing/explanation/tekening_style.h"
#include "drawing/graphs/graph_operations.h"
#include "expr/eval_text.h"
#include "support/number_settings_fixture.h"

namespace cifrala::testing {
namespace {

constexpr int kExercises = 40;

class Graphs : public DefaultNumberSettings {
protected:
    // Draws the graph and checks what every graph must satisfy; `truth`
    // is function 1 of the graph as the exercise defines it.
    void check(GraphDrawing g, const std::function<double(double)>& truth, QSize size,
               const char* what) {
        SCOPED_TRACE(what);
        Surface s(size.width(), size.height(), tekening_style());
        draw_graph(g, s);
        const Figure& f = g.figure;
        const DisplayList& d = s.display();
        ASSERT_FALSE(d.curves().empty());
        // Labels on the surface.
        for (const DrawnText& t : texts_off_surface(d, s.width(), s.height()))
            ADD_FAILURE() << "label off the surface: " << t.text.toStdString();
        // Marked points on their curves.
        const QRectF window = window_on_surface(f).intersected(QRectF(0, 0, s.width(), s.height()));
        for (int i = 1; i <= f.point_count; ++i) {
            const FigurePoint& p = f.points[static_cast<size_t>(i)];
            if (!p.used || p.not_drawn || p.on_function == 0 || !p.valid) continue;
            if (!window.adjusted(1, 1, -1, -1).contains(p.surface)) continue;
            EXPECT_LE(distance_to_curve(d, p.on_function, p.surface), 1.0)
                << "point " << p.name.toStdString() << " (" << p.x << ", " << p.y << ")";
            if (p.on_function == 1) {
                EXPECT_NEAR(p.y, truth(p.x), 1e-6 * std::max(1.0, std::fabs(p.y)))
                    << p.name.toStdString();
            }
        }
        // Function 1 is the exercise's function: its true points at the
        // middle of the window's columns lie on the drawn line.
        int seen = 0;
        for (int k = 1; k < 40; ++k) {
            const double x = f.axes[0].lo + (f.axes[0].hi - f.axes[0].lo) * k / 40;
            const double y = truth(x);
            if (!std::isfinite(y)) continue;
            const QPointF at = world_to_surface_unclamped(f, x, y);
            if (!window.adjusted(2, 2, -2, -2).contains(at)) continue;
            ++seen;
            EXPECT_LE(distance_to_curve(d, 1, at), 1.0) << "x " << x << " y " << y;
        }
        EXPECT_GT(seen, 0);
        drawn = d;
        figure = f;
    }
    std::mt19937 gen{2024};
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); }
    int pick_nonzero(int lo, int hi) {
        int v = 0;
        while (v == 0)
            v = pick(lo, hi);
        return v;
    }
    DisplayList drawn;
    Figure figure;
    const QSize size{600, 450};
};

TEST_F(Graphs, LineThroughTwoPoints) {
    for (int i = 0; i < kExercises; ++i) {
        LineGraph e{pick(-8, 8), pick(-8, 8), pick(-8, 8), pick(-8, 8)};
        if (e.x1 == e.x2) e.x2 = e.x1 + 1;
        const double m = static_cast<double>(e.y2 - e.y1) / (e.x2 - e.x1);
        check(
            line_graph(e, size), [&](double x) { return e.y1 + m * (x - e.x1); }, size, "line");
        // The two differences in blue.
        int blue = 0;
        for (const DrawnText& t : drawn.texts())
            if (t.colour == kCurveBlue) ++blue;
        EXPECT_EQ(blue, 2);
        const QString all = drawn.joined_text();
        EXPECT_TRUE(all.contains(QStringLiteral("=") + QString::number(e.x2 - e.x1)));
        EXPECT_TRUE(all.contains(QStringLiteral("=") + QString::number(e.y2 - e.y1)));
    }
}

TEST_F(Graphs, AHorizontalLineStillGetsTwoUnitsWithLabelsInside) {
    for (int y : {0, 3, -4}) {
        const LineGraph e{-1, y, 4, y};
        GraphDrawing g = line_graph(e, size);
        EXPECT_GE(g.figure.axes[1].hi - g.figure.axes[1].lo, 2);
        check(
            std::move(g), [&](double) { return y; }, size, "horizontal line");
        EXPECT_FALSE(drawn.find_texts(QStringLiteral("4-(-1)=5")).empty());
        const QString yt = y < 0 ? QStringLiteral("(%1)").arg(y) : QString::number(y);
        EXPECT_FALSE(
            drawn.find_texts(yt + QStringLiteral("-") + yt + QStringLiteral("=0")).empty());
    }
}

TEST_F(Graphs, ExponentialFunction) {
    for (int i = 0; i < kExercises; ++i) {
        ExponentialGraph e{static_cast<double>(pick_nonzero(-5, 5)), pick(1, 8) / 4.0 + 0.25,
                           static_cast<double>(pick(-3, 2)), static_cast<double>(pick(3, 6))};
        check(
            exponential_graph(e, size), [&](double t) { return e.b * std::pow(e.g, t); }, size,
            "exponential");
    }
}

TEST_F(Graphs, SinusoidAndTheRadiansSwitch) {
    for (int i = 0; i < kExercises; ++i) {
        number_settings.radians = false;
        SinusoidGraph e{static_cast<double>(pick_nonzero(-4, 4)),
                        pick(1, 4),
                        pick(1, 3),
                        pick(-3, 3),
                        pick(1, 4),
                        pick(0, 1) == 1,
                        static_cast<double>(pick(-3, 3)),
                        pick(0, 1) == 1};
        const double shift = static_cast<double>(e.r) / e.s * (e.shift_in_pi ? M_PI : 1);
        const double k = static_cast<double>(e.p) / e.q;
        check(
            sinusoid_graph(e, size),
            [&](double x) {
                const double arg = k * (x - shift);
                return e.a * (e.cosine ? std::cos(arg) : std::sin(arg)) + e.d;
            },
            size, "sinusoid");
        EXPECT_TRUE(number_settings.radians);
        // The points A .. I alternate between the axis and the extremes.
        EXPECT_EQ(figure.points[1].name, QStringLiteral("A"));
        EXPECT_EQ(figure.points[9].name, QStringLiteral("I"));
    }
    // The calculator now works in radians.
    double v = 0;
    ASSERT_TRUE(eval_text(QStringLiteral("sin(pi/2)"), v));
    EXPECT_DOUBLE_EQ(v, 1);
}

TEST_F(Graphs, ParabolaInVertexForm) {
    for (int i = 0; i < kExercises; ++i) {
        ParabolaGraph e{pick_nonzero(-4, 4), pick(1, 4), static_cast<double>(pick(-5, 5)),
                        static_cast<double>(pick(-6, 6))};
        check(
            parabola_graph(e, size),
            [&](double x) { return static_cast<double>(e.p) / e.q * (x - e.r) * (x - e.r) + e.s; },
            size, "parabola");
        EXPECT_EQ(figure.points[1].x, e.r);
        EXPECT_EQ(figure.points[1].y, e.s);
    }
}

TEST_F(Graphs, RootFunction) {
    for (int i = 0; i < kExercises; ++i) {
        RootFunctionGraph e{pick_nonzero(-4, 4), pick(1, 3), static_cast<double>(pick(-5, 5)),
                            static_cast<double>(pick(-5, 5)), pick(0, 1) == 1};
        const double k = static_cast<double>(e.p) / e.q;
        check(
            root_function_graph(e, size),
            [&](double x) {
                const double u = e.mirrored ? -x - e.r : x - e.r;
                return u < 0 ? NAN : k * std::sqrt(u) + e.s;
            },
            size, "root function");
        EXPECT_EQ(figure.points[1].name, QStringLiteral("R"));
        EXPECT_EQ(figure.points[1].x, e.mirrored ? -e.r : e.r);
    }
}

TEST_F(Graphs, HyperbolaWithoutALineAtItsAsymptote) {
    for (int i = 0; i < kExercises; ++i) {
        HyperbolaGraph e{static_cast<double>(pick_nonzero(-4, 4)), static_cast<double>(pick(-5, 5)),
                         static_cast<double>(pick(-5, 5))};
        if (e.p == e.q) e.p += 1;
        check(
            hyperbola_graph(e, size), [&](double x) { return e.a * (x - e.p) / (x - e.q); }, size,
            "hyperbola");
        const double pole = world_to_surface_unclamped(figure, e.q, 0).x();
        EXPECT_EQ(lines_across_pole(drawn, pole, 20), 0);
        EXPECT_EQ(figure.points[1].name, QStringLiteral("C"));
        EXPECT_EQ(figure.points[1].x, e.q);
        EXPECT_EQ(figure.points[1].y, e.a);
    }
}

TEST_F(Graphs, CubicIsSymmetricInItsCentre) {
    for (int i = 0; i < kExercises; ++i) {
        CubicGraph e{static_cast<double>(pick_nonzero(-2, 2)), static_cast<double>(pick(-4, 4)),
                     static_cast<double>(pick(-5, 5)), static_cast<double>(pick(-5, 5))};
        const auto f = [&](double x) { return ((e.a * x + e.b) * x + e.c) * x + e.d; };
        check(cubic_symmetry_graph(e, size), f, size, "cubic");
        const FigurePoint& b = figure.points[1];
        const FigurePoint& t = figure.points[2];
        const FigurePoint& a = figure.points[3];
        EXPECT_NEAR(b.x, -e.b / (3 * e.a), 1e-9);
        // A is T1 mirrored in B, and lies on the curve too.
        EXPECT_NEAR(a.x + t.x, 2 * b.x, 1e-9);
        EXPECT_NEAR(a.y, f(a.x), 1e-6 * std::max(1.0, std::fabs(a.y)));
        EXPECT_TRUE(t.text2.startsWith(QLatin1Char('(')) && t.text2.contains(QLatin1Char(';')));
    }
}

TEST_F(Graphs, ParabolaWithItsAxisOfSymmetry) {
    for (int i = 0; i < kExercises; ++i) {
        QuadraticGraph e{static_cast<double>(pick_nonzero(-3, 3)), static_cast<double>(pick(-6, 6)),
                         static_cast<double>(pick(-6, 6))};
        const auto f = [&](double x) { return (e.a * x + e.b) * x + e.c; };
        check(parabola_symmetry_graph(e, size), f, size, "symmetric parabola");
        const double xt = -e.b / (2 * e.a);
        EXPECT_NEAR(figure.points[1].x, xt, 1e-12);
        EXPECT_NEAR(figure.points[3].x, 2 * xt, 1e-12);  // A' mirrors A = (0, c)
        EXPECT_NEAR(figure.points[3].y, e.c, 1e-9);
    }
}

TEST_F(Graphs, RootsWindowParabolaWithItsValuesAtTheWholeNumbers) {
    for (int i = 0; i < kExercises; ++i) {
        RootsParabolaGraph e{pick_nonzero(-3, 3), pick(-8, 8), pick(-8, 8)};
        e.x_top = -static_cast<double>(e.b) / (2 * e.a);
        e.x_min = pick(-6, 0);
        e.x_max = e.x_min + pick(4, 12);
        const QSize tall(400, 600);
        const auto f = [&](double x) { return (e.a * x + e.b) * x + e.c; };
        check(roots_parabola_graph(e, tall), f, tall, "roots parabola");
        EXPECT_NEAR(e.y_top, f(e.x_top), 1e-9);
        // A dot at every whole number strictly inside the window.
        int dots = 0;
        for (const DrawnPoint& p : drawn.points())
            if (p.name == QLatin1String("T")) ++dots;
        const bool vertex_seen =
            QRectF(0, 0, tall.width(), tall.height()).contains(figure.points[1].surface);
        EXPECT_EQ(dots, static_cast<int>(e.x_max - e.x_min) - 1 + (vertex_seen ? 1 : 0));
    }
}

TEST_F(Graphs, SinusoidOfAnEquationWithItsSolutions) {
    for (int i = 0; i < kExercises; ++i) {
        SinusoidEquationGraph e{static_cast<double>(pick(1, 3)),
                                static_cast<double>(pick(1, 3)),
                                pick(-2, 2) * M_PI / 6,
                                static_cast<double>(pick(-1, 1)),
                                pick(0, 1) == 1,
                                pick(-4, 4) / 2.0,
                                pick(0, 1)};
        const auto f = [&](double x) {
            const double arg = e.b * (x - e.c);
            return e.a * (e.cosine ? std::cos(arg) : std::sin(arg)) + e.d;
        };
        check(sinusoid_equation_graph(e, QSize(800, 600)), f, QSize(800, 600), "equation");
        for (int k = 1; k <= figure.point_count; ++k)
            EXPECT_NEAR(f(figure.points[static_cast<size_t>(k)].x), e.rhs, 1e-9);
    }
}

TEST_F(Graphs, FractionInequality) {
    for (int i = 0; i < kExercises; ++i) {
        FractionInequalityGraph e{static_cast<double>(pick(-3, 3)),
                                  static_cast<double>(pick(-5, 5)),
                                  static_cast<double>(pick(-4, 4)),
                                  pick(-3, 3),
                                  pick(1, 3),
                                  pick(-4, 4),
                                  pick(1, 2),
                                  static_cast<Relation>(pick(1, 4))};
        if (e.a * e.c + e.b == 0) e.b += 1;
        const auto f = [&](double x) { return (e.a * x + e.b) / (x - e.c); };
        check(fraction_inequality_graph(e, QSize(800, 600)), f, QSize(800, 600), "fraction");
        EXPECT_EQ(lines_across_pole(drawn, world_to_surface_unclamped(figure, e.c, 0).x(), 20), 0);
        // The intersections lie on both curves.
        for (int k = 1; k <= figure.point_count; ++k) {
            const FigurePoint& p = figure.points[static_cast<size_t>(k)];
            if (!p.name.startsWith(QLatin1Char('S'))) continue;
            EXPECT_NEAR(p.y, static_cast<double>(e.p) / e.q * p.x + static_cast<double>(e.r) / e.s,
                        1e-6);
        }
        // The green marks lie where the inequality holds.
        for (const DrawnLine& l : drawn.lines()) {
            if (l.colour != kSolutionGreen || l.width != 5) continue;
            const double x = surface_to_world(figure, QPointF((l.from + l.to) / 2)).x();
            const double left = f(x), right = static_cast<double>(e.p) / e.q * x +
                                              static_cast<double>(e.r) / e.s;
            switch (e.relation) {
                case Relation::Less:
                case Relation::LessOrEqual:
                    EXPECT_LE(left, right + 1e-9) << x;
                    break;
                default:
                    EXPECT_GE(left, right - 1e-9) << x;
            }
        }
    }
}

TEST_F(Graphs, RootInequality) {
    for (int i = 0; i < kExercises; ++i) {
        RootInequalityGraph e{
            static_cast<double>(pick_nonzero(-3, 3)), static_cast<double>(pick_nonzero(-2, 2)),
            static_cast<double>(pick(-6, 6)),         static_cast<double>(pick(-2, 2)),
            static_cast<double>(pick(-5, 5)),         static_cast<Relation>(pick(1, 4))};
        const auto f = [&](double x) {
            const double u = e.b * x + e.c;
            return u < 0 ? NAN : e.a * std::sqrt(u);
        };
        check(root_inequality_graph(e, QSize(800, 600)), f, QSize(800, 600), "root inequality");
        EXPECT_EQ(figure.points[1].name, QStringLiteral("R"));
        EXPECT_NEAR(figure.points[1].x, -e.c / e.b, 1e-12);
        for (int k = 1; k <= figure.point_count; ++k) {
            const FigurePoint& p = figure.points[static_cast<size_t>(k)];
            if (p.name.startsWith(QLatin1Char('S'))) {
                EXPECT_NEAR(p.y, e.d * p.x - e.e, 1e-6);
            }
        }
        // Its three lines of explanation.
        EXPECT_GE(drawn.texts().size(), 3u);
    }
}

}  // namespace
}  // namespace cifrala::testing
