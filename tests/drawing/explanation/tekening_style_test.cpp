// The explanation window's fractions, centred in their common width.
#include <gtest/gtest.h>

#include <climits>

#include "drawing/explanation/tekening_style.h"
#include "formula/canvas_helpers.h"
#include "formula/surface.h"

namespace cifrala {
namespace {

using testing::thin_lines;
using testing::width_at;

Surface make(const FractionStyleB& row) {
    SurfaceStyle st;
    st.fraction_b = row;
    return Surface(800, 400, st);
}

TEST(StyleB, LargestIntegerAsBottomMeansAnEmptyDenominator) {
    Surface s = make(tekening_fraction_style());
    s.cursor = {10, 50};
    const int next = s.breuk_b(1, INT_MAX);
    EXPECT_EQ(s.display().texts().size(), 1u);
    const int spaces = width_at(QString(14, ' '), 21);
    EXPECT_EQ(thin_lines(s).at(0).to.x(), 10 + spaces);
    EXPECT_EQ(next, 10 + spaces + 5);
}

}  // namespace
}  // namespace cifrala
