// The roots window's fractions.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/surface.h"
#include "practice/roots/roots_style.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::thin_lines;
using testing::width_at;

TEST(StyleARows, RootsWindowTakesTheSignFromTheTopText) {
    SurfaceStyle st;
    st.fraction = wortels_fraction_style();
    Surface s(600, 400, st);
    s.cursor = {50, 100};
    s.breuktxt("-7", "12");
    EXPECT_EQ(only_text(s, "-").pos, QPoint(50, 100));
    const int x = 50 + width_at("-", 24) + 3;
    // "7" is narrower than "12": offsets -9 and +20.
    const int wn = width_at("7", 18), wd = width_at("12", 18);
    EXPECT_EQ(only_text(s, "7").pos, QPoint(x + (wd - wn) / 2, 91));
    EXPECT_EQ(only_text(s, "12").pos, QPoint(x, 120));
    EXPECT_EQ(thin_lines(s).at(0).from.y(), 118);
}

}  // namespace
}  // namespace cifrala
