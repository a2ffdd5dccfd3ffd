// The quadratic equations window's fractions.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/surface.h"
#include "practice/quadratic_equations/quadratic_style.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::thin_lines;
using testing::width_at;

TEST(StyleARows, QuadraticWindowWritesTheMinusOneLowerAndHasNoWideBar) {
    SurfaceStyle st;
    st.fraction = kwadratisch_fraction_style();
    Surface s(600, 400, st);
    s.cursor = {50, 100};
    s.breuk(5, -6);
    EXPECT_EQ(only_text(s, "-").pos, QPoint(50, 101));
    const int x = 50 + width_at("-", 24) + 3;
    EXPECT_EQ(only_text(s, "5").point_size, 19);
    const auto bar = thin_lines(s).at(0);
    EXPECT_EQ(bar.from, QPoint(x, 123));
    EXPECT_EQ(bar.to, QPoint(x + width_at("5", 19), 123));
}

}  // namespace
}  // namespace cifrala
