// The exponential equations window's fractions, centred in their common width.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/surface.h"
#include "practice/exponential/exponential_style.h"

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

TEST(StyleB, ExponentialRowsUseTheirOwnOffsetsAndKeepThePen) {
    Surface s = make(expvergl_fraction_style(false));
    s.cursor = {10, 50};
    s.set_pen_width(5);
    s.breuk_b(1, -2);
    EXPECT_EQ(only_text(s, "-").pos.y(), 46);
    EXPECT_EQ(only_text(s, "1").pos.y(), 47);
    EXPECT_EQ(only_text(s, "2").pos.y(), 64);
    EXPECT_EQ(thin_lines(s).at(0).width, 5);
}

TEST(StyleB, MeasureOnlyDrawsNothingButReturnsTheEnd) {
    Surface s = make(expvergl_fraction_style(true));
    s.cursor = {10, 50};
    s.measure_only = true;
    const int next = s.breuk_b(12, 5);
    EXPECT_TRUE(s.display().items().empty());
    EXPECT_EQ(next, 10 + width_at("12", 19) + 5);
}

}  // namespace
}  // namespace cifrala
