// A root sign written over its radicand: what it draws, what it records and
// how the worksheet reader reads it, also with a fraction under the sign.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/display_reader.h"
#include "formula/surface.h"

namespace cifrala {
namespace {

struct Sheet : Surface {
    Sheet() : Surface(1014, 678, testing::worksheet_style()) { clearimage(); }
};

TEST(RootOverRadicand, SignTextAndOverbarMakeOneRootThatReadsItsRadicand) {
    Sheet s;
    s.cursor = {200, 100};
    s.worteluittxt("12", 0.7, -3);
    s.my_textout(" = ");
    const auto roots = s.display().roots();
    ASSERT_EQ(roots.size(), 1u);
    EXPECT_EQ(roots[0].radicand, "12");
    EXPECT_EQ(roots[0].line_y, 100);
    const DrawnText twelve = testing::only_text(s, "12");
    EXPECT_TRUE(roots[0].rect.contains(twelve.rect));
    // The sign's corner at (200, 97), scaled by 0.7; the radicand after it.
    const auto polys = s.display().polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points.first(), QPoint(200, 97 + 18));
    const int bar_x = 200 + 25 - 1;  // round(35 * 0.7) - 1
    EXPECT_EQ(twelve.pos.x(), bar_x + 2);
    // The overbar runs from the sign over the whole radicand, at the corner.
    const auto bars = testing::thin_lines(s);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].from, QPoint(bar_x, 97));
    EXPECT_EQ(bars[0].to.y(), 97);
    EXPECT_GE(bars[0].to.x(), twelve.rect.right());
    // What follows stands after the bar, outside the root.
    const DrawnText is = testing::only_text(s, " = ");
    EXPECT_GT(is.pos.x(), bars[0].to.x());
    EXPECT_FALSE(roots[0].rect.contains(is.rect));
    EXPECT_EQ(read_line_texts(s.display()), QStringList{"V(12) ="});
}

TEST(RootOverRadicand, AFractionUnderTheSignReadsOnlyThroughTheRoot) {
    Sheet s;
    s.wortel_over("25/9", 1.1, -12, [&] { s.breuk(25, 9); });
    s.my_textout(" = 5");
    ASSERT_EQ(s.display().fractions().size(), 1u);
    ASSERT_EQ(s.display().roots().size(), 1u);
    EXPECT_TRUE(s.display().roots()[0].rect.contains(s.display().fractions()[0].rect));
    EXPECT_EQ(read_line_texts(s.display()), QStringList{"V(25/9) = 5"});
}

TEST(RootOverRadicand, MeasuringMovesTheCursorAsFarAndDrawsNothing) {
    Sheet s;
    s.cursor = {150, 20};
    const size_t frame = s.display().size();
    s.measure_only = true;
    s.worteluittxt("4 × 9 × 2", 0.7, -3);
    s.measure_only = false;
    const int measured = s.cursor.x;
    EXPECT_EQ(s.display().size(), frame);
    s.cursor = {150, 20};
    s.worteluittxt("4 × 9 × 2", 0.7, -3);
    EXPECT_EQ(s.cursor.x, measured);
    EXPECT_EQ(s.display().roots().size(), 1u);
}

TEST(RootOverRadicand, ABareRootSignStillReadsAsAnEmptyRoot) {
    Sheet s;
    s.basiswortelteken(300, 20, 1.0);
    ASSERT_EQ(s.display().roots().size(), 1u);
    EXPECT_TRUE(s.display().roots()[0].radicand.isEmpty());
    EXPECT_EQ(s.display().polygons().size(), 1u);
}

}  // namespace
}  // namespace cifrala
