// The figure record, the plane transform and its inverse, the window test,
// picking a point and dragging it.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "drawing/engine/draw_figure.h"
#include "drawing/engine/figure.h"
#include "drawing/engine/navigation.h"
#include "drawing/engine/transform.h"
#include "formula/surface.h"

namespace cifrala::testing {
namespace {

TEST(Figure, ResetGivesTheDefaults) {
    Figure f;
    add_point(f, 3, QStringLiteral("P"), 1, 2);
    f.axes[0].lo = -7;
    f.pi_labels = true;
    reset_figure(f);
    EXPECT_EQ(f.point_count, 0);
    EXPECT_FALSE(f.points[3].used);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(f.axes[static_cast<size_t>(i)].lo, 0);
        EXPECT_EQ(f.axes[static_cast<size_t>(i)].hi, 10);
        EXPECT_EQ(f.axes[static_cast<size_t>(i)].major, 5);
        EXPECT_EQ(f.axes[static_cast<size_t>(i)].minor, 1);
        EXPECT_EQ(f.axes[static_cast<size_t>(i)].scale, 1);
        EXPECT_FALSE(f.axes[static_cast<size_t>(i)].logarithmic);
    }
    EXPECT_EQ(f.axes[2].name, QStringLiteral("z"));
    EXPECT_FALSE(f.pi_labels);
    EXPECT_TRUE(f.zero_label);
    EXPECT_EQ(f.highlight_colour, QColor(255, 0, 255));
    for (int k = 1; k <= kMaxFigureFunctions; ++k) {
        EXPECT_EQ(f.functions[static_cast<size_t>(k)].texts[0], QStringLiteral("0"));
        EXPECT_EQ(f.functions[static_cast<size_t>(k)].t_min, -10);
        EXPECT_EQ(f.functions[static_cast<size_t>(k)].var1, QLatin1Char('x'));
    }
    EXPECT_EQ(f.origin, QPointF(f.surface_width / 2.0, f.surface_height / 2.0));
}

TEST(Figure, SlotsOutsideTheCapacitiesAreIgnored) {
    Figure f;
    add_point(f, 0, QStringLiteral("P"), 1, 1);
    add_point(f, kMaxFigurePoints + 1, QStringLiteral("P"), 1, 1);
    add_segment(f, kMaxFigureSegments + 1, 1, 2);
    add_circle(f, -1, 1, 2);
    set_graph(f, kMaxFigureFunctions + 1, QStringLiteral("x"), Qt::red);
    EXPECT_EQ(f.point_count, 0);
    EXPECT_EQ(f.segment_count, 0);
    add_point(f, kMaxFigurePoints, QStringLiteral("Z"), 1, 1);
    EXPECT_EQ(f.point_count, kMaxFigurePoints);
    EXPECT_EQ(nearest_point(f, QPointF(-1e300, 1e300)), -1);
}

TEST(Figure, AnEmptyFigureDrawsNothingNotEvenAxes) {
    Surface s(300, 200);
    s.fill_rect(QRect(0, 0, 300, 200), Qt::white);
    const QImage before = s.image().copy();
    Figure f;
    draw_figure(f, s);
    EXPECT_TRUE(s.display().items().empty());
    EXPECT_EQ(s.image(), before);
    // One point is enough for the coordinate system.
    fit_window(f, 300, 200);
    add_point(f, 1, QStringLiteral("A"), 5, 5);
    draw_figure(f, s);
    EXPECT_FALSE(s.display().lines().empty());
    EXPECT_EQ(s.display().points().size(), 1u);
}

TEST(Figure, APointOffTheSurfaceIsNotDrawnNorNamed) {
    Surface s(300, 200);
    Figure f;
    fit_window(f, 300, 200);
    add_point(f, 1, QStringLiteral("A"), 5, 5);
    add_point(f, 2, QStringLiteral("Far"), -3, 5);  // left of the window and the surface
    draw_figure(f, s);
    ASSERT_EQ(s.display().points().size(), 1u);
    EXPECT_EQ(s.display().points()[0].name, QStringLiteral("A"));
    EXPECT_TRUE(s.display().find_texts(QStringLiteral("Far")).empty());
}

TEST(Figure, WindowCornerIsInsideAndJustBeyondIsNot) {
    Figure f;
    EXPECT_TRUE(inside_window(f, WorldPoint{10, 10, 0}));
    EXPECT_TRUE(inside_window(f, WorldPoint{0, 0, 0}));
    EXPECT_TRUE(inside_window(f, WorldPoint{10 + 1e-11, -1e-11, 0}));
    EXPECT_FALSE(inside_window(f, WorldPoint{10.0000001, 0, 0}));
    EXPECT_FALSE(inside_window(f, WorldPoint{5, -0.0000001, 0}));
    EXPECT_FALSE(inside_window(f, WorldPoint{NAN, 5, 0}));
    f.coordinate_system = false;
    EXPECT_TRUE(inside_window(f, WorldPoint{10.0000001, 0, 0}));
    add_point(f, 1, QStringLiteral("A"), 11, 0);
    EXPECT_TRUE(inside_window(f, 1));
}

TEST(Figure, PlaneTransformAndItsInverse) {
    Figure f;
    f.surface_width = 800;
    f.surface_height = 600;
    f.origin = QPointF(100, 500);
    f.pixels_per_unit = 40;
    f.axes[1].scale = 0.5;
    // x to the right, y upwards, the second axis at half the scale.
    EXPECT_EQ(world_to_surface(f, 2, 3), QPointF(100 + 80, 500 - 60));
    std::mt19937 gen(3);
    std::uniform_real_distribution<double> d(-20, 20);
    for (int i = 0; i < 1000; ++i) {
        const double x = d(gen), y = d(gen);
        const QPointF w = surface_to_world(f, world_to_surface_unclamped(f, x, y));
        EXPECT_NEAR(w.x(), x, 1e-9);
        EXPECT_NEAR(w.y(), y, 1e-9);
    }
    // A logarithmic first axis places 100 where 2 would be.
    f.axes[0].logarithmic = true;
    EXPECT_DOUBLE_EQ(world_to_surface(f, 100, 0).x(), 100 + 2 * 40);
    EXPECT_NEAR(surface_to_world(f, QPointF(100 + 2 * 40, 500)).x(), 100, 1e-9);
    // Below 10^-5 the value itself is used.
    EXPECT_DOUBLE_EQ(world_to_surface(f, 1e-6, 0).x(), 100 + 1e-6 * 40);
}

TEST(Figure, NothingIsPlacedOnTheSurfaceBorder) {
    Figure f;
    f.surface_width = 400;
    f.surface_height = 300;
    f.origin = QPointF(0, 300);
    f.pixels_per_unit = 40;
    EXPECT_EQ(world_to_surface(f, 0, 0), QPointF(0.01, 300 - 0.01));
    EXPECT_EQ(world_to_surface(f, 10, 7.5), QPointF(400 - 0.01, 0.01));
    EXPECT_EQ(world_to_surface(f, 5, 5), QPointF(200, 100));
}

TEST(Figure, FittingShowsTheWindowOnTheWholeSurface) {
    Figure f;
    f.axes[0].lo = -3;
    f.axes[0].hi = 5;
    f.axes[1].lo = -1;
    f.axes[1].hi = 2;
    fit_window(f, 800, 600);
    EXPECT_NEAR(world_to_surface_unclamped(f, -3, 2).x(), 0, 1e-9);
    EXPECT_NEAR(world_to_surface_unclamped(f, -3, 2).y(), 0, 1e-9);
    EXPECT_NEAR(world_to_surface_unclamped(f, 5, -1).x(), 800, 1e-9);
    EXPECT_NEAR(world_to_surface_unclamped(f, 5, -1).y(), 600, 1e-9);
}

TEST(Figure, NearestPointWithinTenPixels) {
    Figure f;
    f.surface_width = 400;
    f.surface_height = 400;
    f.origin = QPointF(0, 400);
    f.pixels_per_unit = 40;
    add_point(f, 1, QStringLiteral("A"), 5, 5);    // (200, 200)
    add_point(f, 2, QStringLiteral("B"), 5.2, 5);  // (208, 200)
    add_point(f, 3, kNoName, 1, 1);
    f.points[3].not_drawn = true;
    EXPECT_EQ(nearest_point(f, QPointF(200, 209.9)), 1);
    EXPECT_EQ(nearest_point(f, QPointF(207, 201)), 2);
    EXPECT_EQ(nearest_point(f, QPointF(190, 200)), -1);  // exactly 10 pixels
    EXPECT_EQ(nearest_point(f, QPointF(189, 200)), -1);
    EXPECT_EQ(nearest_point(f, QPointF(40, 360)), -1);  // a point not drawn
}

TEST(Figure, DraggingAFreePointMovesItsDependants) {
    Figure f;
    f.surface_width = 400;
    f.surface_height = 400;
    f.origin = QPointF(0, 400);
    f.pixels_per_unit = 40;
    add_point(f, 1, QStringLiteral("A"), 1, 1);
    add_point(f, 2, QStringLiteral("B"), 5, 3);
    add_point(f, 3, QStringLiteral("M"), 3, 2);
    f.points[3].kind = FigurePoint::Computed;
    f.recompute = [](Figure& g) {
        g.points[3].x = (g.points[1].x + g.points[2].x) / 2;
        g.points[3].y = (g.points[1].y + g.points[2].y) / 2;
    };
    ASSERT_TRUE(drag_point(f, 1, QPointF(120, 240)));  // to (3, 4)
    EXPECT_DOUBLE_EQ(f.points[1].x, 3);
    EXPECT_DOUBLE_EQ(f.points[1].y, 4);
    EXPECT_DOUBLE_EQ(f.points[3].x, 4);
    EXPECT_DOUBLE_EQ(f.points[3].y, 3.5);
    EXPECT_EQ(f.points[3].surface, QPointF(160, 260));
    // A computed point does not move by itself.
    EXPECT_FALSE(drag_point(f, 3, QPointF(0, 0)));
    EXPECT_DOUBLE_EQ(f.points[3].x, 4);
}

TEST(Figure, ZoomKeepsThePointUnderTheMouse) {
    Figure f;
    fit_window(f, 800, 600);
    const QPointF mouse(300, 200);
    const QPointF before = surface_to_world(f, mouse);
    zoom_at(f, mouse, 2);
    const QPointF after = surface_to_world(f, mouse);
    EXPECT_NEAR(after.x(), before.x(), 1e-9);
    EXPECT_NEAR(after.y(), before.y(), 1e-9);
    EXPECT_NEAR(f.axes[0].hi - f.axes[0].lo, 5, 1e-9);  // half of 10
    pan_by(f, QPointF(80, 0));
    EXPECT_NEAR(surface_to_world(f, mouse + QPointF(80, 0)).x(), before.x(), 1e-9);
    // Absurd factors are refused.
    const double scale = f.pixels_per_unit;
    zoom_at(f, mouse, 0);
    zoom_at(f, mouse, NAN);
    zoom_at(f, mouse, 1e300);
    EXPECT_EQ(f.pixels_per_unit, scale);
}

}  // namespace
}  // namespace cifrala::testing
