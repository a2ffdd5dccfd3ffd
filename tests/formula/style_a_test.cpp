// Stacked fractions with fixed offsets (style A).
#include <gtest/gtest.h>

#include "canvas_helpers.h"
#include "formula/surface.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::thin_lines;
using testing::width_at;

class StyleA : public ::testing::Test {
protected:
    StyleA() : s(1014, 678, testing::worksheet_style()) {
        s.clearimage();
        s.cursor = {200, 100};
    }
    Surface s;
};

TEST_F(StyleA, EquallyWideTopAndBottomGetTheWideBarAndBothStartAtX) {
    s.breuk(3, 4);
    const DrawnText top = only_text(s, "3");
    const DrawnText bottom = only_text(s, "4");
    EXPECT_EQ(top.pos, QPoint(200, 100 - 12));
    EXPECT_EQ(bottom.pos, QPoint(200, 100 + 26));
    EXPECT_EQ(top.point_size, 18);  // 24 - 6
    const int w = width_at("3", 18);
    ASSERT_EQ(width_at("4", 18), w);
    const auto bars = thin_lines(s);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].from, QPoint(199, 121));
    EXPECT_EQ(bars[0].to, QPoint(200 + w + 1, 121));
    EXPECT_EQ(s.cursor.x, 200 + w + 5);
    EXPECT_EQ(s.font_size(), 24);
}

TEST_F(StyleA, NarrowTopIsCentredOverTheBottomAndTheBarIsTheBottomsWidth) {
    s.breuk(1, 128);
    const int wn = width_at("1", 18);
    const int wd = width_at("128", 18);
    EXPECT_EQ(only_text(s, "1").pos, QPoint(200 + (wd - wn) / 2, 88));
    EXPECT_EQ(only_text(s, "128").pos, QPoint(200, 126));
    const auto bars = thin_lines(s);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].from.x(), 200);
    EXPECT_EQ(bars[0].to.x(), 200 + wd);
    EXPECT_EQ(s.cursor.x, 200 + wd + 5);
}

TEST_F(StyleA, WiderTopCentresTheBottomAndWidensTheBar) {
    s.breuk(128, 3);
    const int wn = width_at("128", 18);
    const int wd = width_at("3", 18);
    EXPECT_EQ(only_text(s, "128").pos, QPoint(200, 88));
    EXPECT_EQ(only_text(s, "3").pos, QPoint(200 + (wn - wd) / 2, 126));
    const auto bars = thin_lines(s);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].from.x(), 199);
    EXPECT_EQ(bars[0].to.x(), 200 + wn + 1);
}

TEST_F(StyleA, NegativeQuotientWritesMinusThenTheAbsoluteFraction) {
    for (auto [a, b] : {std::pair{-3, 4}, std::pair{3, -4}}) {
        s.clearimage();
        s.cursor = {200, 100};
        s.breuk(a, b);
        const DrawnText minus = only_text(s, "-");
        EXPECT_EQ(minus.pos, QPoint(200, 100));
        EXPECT_EQ(minus.point_size, 24);
        const int fraction_x = 200 + width_at("-", 24) + 5;
        EXPECT_EQ(only_text(s, "3").pos, QPoint(fraction_x, 88));
        EXPECT_EQ(only_text(s, "4").pos, QPoint(fraction_x, 126));
    }
}

TEST_F(StyleA, BothNegativeWritesNoSign) {
    s.breuk(-3, -4);
    EXPECT_TRUE(s.display().find_texts("-").empty());
    EXPECT_EQ(only_text(s, "3").pos, QPoint(200, 88));
    EXPECT_EQ(only_text(s, "4").pos, QPoint(200, 126));
}

TEST_F(StyleA, SignOfTheLargestNumbersDoesNotOverflow) {
    s.breuk(-2147483647, 2147483647);
    EXPECT_EQ(s.display().find_texts("-").size(), 1u);
    EXPECT_EQ(s.display().find_texts("2147483647").size(), 2u);
}

TEST_F(StyleA, TextFractionHasNoSignHandling) {
    s.breuktxt("-2×2", "3×2");
    EXPECT_TRUE(s.display().find_texts("-").empty());
    EXPECT_EQ(only_text(s, "-2×2").pos.y(), 88);
    EXPECT_EQ(only_text(s, "3×2").pos.y(), 126);
}

TEST_F(StyleA, MixedNumberWithoutWholePartIsOnlyTheFraction) {
    s.breuk_abc(0, 1, 2);
    EXPECT_TRUE(s.display().find_texts("0").empty());
    EXPECT_EQ(only_text(s, "1").pos, QPoint(200, 88));
    EXPECT_EQ(s.cursor.x, 200 + width_at("1", 18) + 5);
}

TEST_F(StyleA, MixedNumberWritesWholePartAndAGapOfFive) {
    s.breuk_abc(2, 1, 3);
    EXPECT_EQ(only_text(s, "2").pos, QPoint(200, 100));
    const int fx = 200 + width_at("2", 24) + 5;
    EXPECT_EQ(only_text(s, "1").pos, QPoint(fx, 88));
    EXPECT_EQ(only_text(s, "3").pos, QPoint(fx, 126));
}

TEST_F(StyleA, BarIsDrawnInThePicture) {
    s.breuk(3, 4);
    const QColor bar = s.image().pixelColor(200 + width_at("3", 18) / 2, 121);
    EXPECT_EQ(bar, QColor(Qt::black));
    EXPECT_EQ(s.image().pixelColor(200 + width_at("3", 18) / 2, 150), QColor(0, 255, 255));
}

}  // namespace
}  // namespace cifrala
