// Stacked fractions centred in their common width (style B).
#include <gtest/gtest.h>

#include <climits>

#include "canvas_helpers.h"
#include "formula/surface.h"
#include "formula/window_styles.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::thin_lines;
using testing::width_at;

Surface make(FractionRowB row) {
    SurfaceStyle st;
    st.fraction_b = fraction_style_b(row);
    return Surface(800, 400, st);
}

TEST(StyleB, CentresBothPartsAndLeavesTheCursor) {
    Surface s = make(FractionRowB::Diffketting);
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

TEST(StyleB, NegativeFractionStartsWithMinusAndReturnsPastIt) {
    Surface s = make(FractionRowB::Lenzen);
    s.cursor = {100, 50};
    const int next = s.breuk_b(-3, 4);
    const int minus = width_at("-", 24);
    EXPECT_EQ(only_text(s, "-").pos, QPoint(100, 50));
    EXPECT_EQ(only_text(s, "3").pos.x(), 100 + minus + 2);
    EXPECT_EQ(next, 100 + width_at("3", 16) + 5 + minus + 2);  // extra gap 2 in the lens window
}

TEST(StyleB, ExponentialRowsUseTheirOwnOffsetsAndKeepThePen) {
    Surface s = make(FractionRowB::ExpVerglEarly);
    s.cursor = {10, 50};
    s.set_pen_width(5);
    s.breuk_b(1, -2);
    EXPECT_EQ(only_text(s, "-").pos.y(), 46);
    EXPECT_EQ(only_text(s, "1").pos.y(), 47);
    EXPECT_EQ(only_text(s, "2").pos.y(), 64);
    EXPECT_EQ(thin_lines(s).at(0).width, 5);
}

TEST(StyleB, MeasureOnlyDrawsNothingButReturnsTheEnd) {
    Surface s = make(FractionRowB::ExpVerglLate);
    s.cursor = {10, 50};
    s.measure_only = true;
    const int next = s.breuk_b(12, 5);
    EXPECT_TRUE(s.display().items().empty());
    EXPECT_EQ(next, 10 + width_at("12", 19) + 5);
}

TEST(StyleB, LargestIntegerAsBottomMeansAnEmptyDenominator) {
    Surface s = make(FractionRowB::Tekening);
    s.cursor = {10, 50};
    const int next = s.breuk_b(1, INT_MAX);
    EXPECT_EQ(s.display().texts().size(), 1u);
    const int spaces = width_at(QString(14, ' '), 21);
    EXPECT_EQ(thin_lines(s).at(0).to.x(), 10 + spaces);
    EXPECT_EQ(next, 10 + spaces + 5);
}

}  // namespace
}  // namespace cifrala
