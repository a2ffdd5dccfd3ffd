// The multi-topic window's fractions, centred in their common width.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/surface.h"
#include "practice/multitopic/multitopic_style.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::thin_lines;
using testing::width_at;

Surface make(const FractionStyleB& row) {
    SurfaceStyle st;
    st.fraction_b = row;
    return Surface(800, 400, st);
}

TEST(StyleB, CentresBothPartsAndLeavesTheCursor) {
    Surface s = make(diffketting_fraction_style());
    s.cursor = {100, 50};
    const int next = s.breuk_b(7, 125);
    const int wt = width_at("7", 16), wb = width_at("125", 16);
    EXPECT_EQ(only_text(s, "7").pos, QPoint(100 + (wb - wt) / 2, 45));
    EXPECT_EQ(only_text(s, "125").pos, QPoint(100, 72));
    const auto bar = thin_lines(s).at(0);
    EXPECT_EQ(bar.from, QPoint(100, 75));
    EXPECT_EQ(bar.to, QPoint(100 + wb, 75));
    EXPECT_EQ(bar.width, 2);
    EXPECT_EQ(s.pen_width(), 3);  // pen after
    EXPECT_EQ(s.cursor.x, 100);
    EXPECT_EQ(next, 100 + wb + 5);
}

}  // namespace
}  // namespace cifrala
