// The lens window's fractions, centred in their common width.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/surface.h"
#include "practice/lens/lens_style.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::width_at;

Surface make(const FractionStyleB& row) {
    SurfaceStyle st;
    st.fraction_b = row;
    return Surface(800, 400, st);
}

TEST(StyleB, NegativeFractionStartsWithMinusAndReturnsPastIt) {
    Surface s = make(lenzen_fraction_style());
    s.cursor = {100, 50};
    const int next = s.breuk_b(-3, 4);
    const int minus = width_at("-", 24);
    EXPECT_EQ(only_text(s, "-").pos, QPoint(100, 50));
    EXPECT_EQ(only_text(s, "3").pos.x(), 100 + minus + 2);
    EXPECT_EQ(next, 100 + width_at("3", 16) + 5 + minus + 2);  // extra gap 2 in the lens window
}

}  // namespace
}  // namespace cifrala
