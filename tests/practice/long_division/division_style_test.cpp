// The division window's typesetting rows: shrinking long lines, hint rows, superscripts and real
// fractions.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/surface.h"
#include "practice/fractions/fractions_style.h"
#include "practice/long_division/division_style.h"
#include "text/messages.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::thin_lines;
using testing::width_at;

// A surface laid out as the fractions worksheet.
struct FractionsSurface : Surface {
    FractionsSurface() : Surface(1014, 678, breuken_surface_style()) { clearimage(); }
};

TEST(Writing, ShrinkToFitWritesSmallerOnTheSameLineAndKeepsTheSize) {
    SurfaceStyle st;
    apply_frame(st, frame_staartdeel(true));
    st.shrink_to_fit = true;
    Surface s(400, 300, st);
    s.clearimage();
    s.cursor.x = 300;
    const QString text = "123456";
    s.my_textout(text);
    const DrawnText t = only_text(s, text);
    EXPECT_LT(t.point_size, 30);
    EXPECT_LE(300 + width_at(text, t.point_size, "Courier new"), 400);
    EXPECT_GT(300 + width_at(text, t.point_size + 1, "Courier new"), 400);
    EXPECT_EQ(t.pos.y(), 10);
    EXPECT_EQ(s.font_size(), 30);
}

TEST(Hint, RowsCountFromTheBottom) {
    SurfaceStyle st;
    apply_frame(st, frame_staartdeel(true));
    st.hint = staartdeel_hint();
    Surface s(2400, 600, st);
    s.clearimage();
    s.toonhint(1562, 2);
    const DrawnText t = only_text(s, msg(1562));
    EXPECT_EQ(t.pos, QPoint(10, 600 - 2 * s.line_step(1.0) - 44));
    EXPECT_EQ(t.point_size, 30);
}

TEST(Superscript, ShrinksAndRaises) {
    FractionsSurface s;
    s.style_ref().superscript = staartdeel_superscript(false);
    s.style_ref().superscript_small = staartdeel_superscript(true);
    s.my_textout("10");
    const int x = s.cursor.x;
    s.in_de_machttxt("3");
    EXPECT_EQ(only_text(s, "3").pos, QPoint(x, 11));
    EXPECT_EQ(only_text(s, "3").point_size, 19);
    s.in_de_machttxt("4", true);
    EXPECT_EQ(only_text(s, "4").pos.y(), 18);
    EXPECT_EQ(only_text(s, "4").point_size, 14);
    EXPECT_EQ(s.font_size(), 24);
}

TEST(StyleARows, LongDivisionRealFractions) {
    SurfaceStyle st;
    st.fraction = staartdeel_fraction_style();
    Surface s(600, 400, st);
    s.cursor = {50, 100};
    s.breuk_real(0, 7);
    EXPECT_TRUE(s.display().items().empty());
    EXPECT_EQ(s.cursor.x, 50);
    s.breuk_real(5, 1);
    EXPECT_EQ(only_text(s, "5").pos, QPoint(50, 100));
    EXPECT_TRUE(thin_lines(s).empty());
    s.breuk_real(-3, 4);
    EXPECT_TRUE(s.display().find_texts("-").empty());
    EXPECT_EQ(thin_lines(s).size(), 1u);
}

}  // namespace
}  // namespace cifrala
