// Segments with an arrowhead at their end and the labels of a window's own
// figure: the head is a filled polygon whose tip is the segment's end, drawn
// only where that end lies on the surface; the labels come between the
// segments and the dots.
#include <gtest/gtest.h>

#include <QLineF>

#include "drawing/engine/draw_figure.h"
#include "drawing/engine/transform.h"
#include "formula/surface.h"

namespace cifrala {
namespace {

Figure two_points(double bx, double by) {
    Figure f;
    f.coordinate_system = false;
    f.surface_width = 200;
    f.surface_height = 100;
    f.origin = QPointF(100, 50);
    f.pixels_per_unit = 10;
    add_point(f, 1, QStringLiteral("A"), -5, 0);
    add_point(f, 2, QStringLiteral("B"), bx, by);
    add_segment(f, 1, 1, 2);
    f.segments[1].colour = QColor(255, 0, 255);
    f.segments[1].arrow = true;
    return f;
}

TEST(SegmentArrow, TheHeadsTipIsTheSegmentsEnd) {
    Surface s(200, 100);
    Figure f = two_points(3, 2);
    draw_figure(f, s);
    const QPointF end = world_to_surface(f, 3, 2);
    int heads = 0;
    for (const DrawnPolygon& p : s.display().polygons()) {
        if (!p.filled || p.colour != QColor(255, 0, 255)) continue;
        ++heads;
        double nearest = 1e9;
        for (const QPoint& q : p.points)
            nearest = std::min(nearest, QLineF(QPointF(q), end).length());
        EXPECT_LT(nearest, 1.0);
    }
    EXPECT_EQ(heads, 1);
}

TEST(SegmentArrow, NoHeadWhereTheEndLiesOffTheSurface) {
    Surface s(200, 100);
    Figure f = two_points(30, 0);  // x = 400 on a surface 200 wide
    draw_figure(f, s);
    EXPECT_FALSE(s.display().lines().empty()) << "the line itself is drawn up to the edge";
    for (const DrawnPolygon& p : s.display().polygons())
        EXPECT_FALSE(p.filled);
}

TEST(SegmentArrow, OwnLabelsAreWrittenBeforeTheDots) {
    Surface s(200, 100);
    Figure f = two_points(3, 2);
    size_t at_labels = 0;
    f.own_labels = [&at_labels](const Figure&, Surface& on, int) {
        at_labels = on.display().size();
        on.text_at(5, 5, QStringLiteral("own"));
    };
    draw_figure(f, s);
    ASSERT_GT(at_labels, 0u);
    EXPECT_EQ(s.display().find_texts(QStringLiteral("own")).size(), 1u);
    EXPECT_FALSE(s.display().points().empty());
    const auto& items = s.display().items();
    for (size_t i = 0; i < at_labels; ++i)
        EXPECT_FALSE(std::holds_alternative<DrawnPoint>(items[i]));
}

}  // namespace
}  // namespace cifrala
