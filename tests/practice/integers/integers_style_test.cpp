// The integers window's typesetting rows: its frames and fractions.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/surface.h"
#include "practice/integers/integers_style.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::thin_lines;

TEST(Clear, IntegersTopic48FrameFollowsTheTextHeight) {
    SurfaceStyle st;
    apply_frame(st, frame_gehele_getallen(48, 32));
    Surface s(1000, 600, st);
    s.clearimage();
    const int low = 456 + testing::height_at(32);
    bool found = false;
    for (const auto& l : s.display().lines())
        if (l.width == 6 && l.from == QPoint(576, 10) && l.to == QPoint(576, low)) found = true;
    EXPECT_TRUE(found);
}

TEST(StyleARows, IntegersWindowPlacesBottomAndBarByTheTopsHeight) {
    SurfaceStyle st;
    st.fraction = gehele_getallen_fraction_style();
    Surface s(600, 400, st);
    s.cursor = {50, 100};
    s.set_pen_width(4);
    s.breuk(2, 9);
    const int h = testing::height_at(19);
    EXPECT_EQ(only_text(s, "2").pos.y(), 90);
    EXPECT_EQ(only_text(s, "9").pos.y(), 100 + h - 10);
    const auto bar = thin_lines(s).at(0);
    EXPECT_EQ(bar.from.y(), 100 + h - 10);
    EXPECT_EQ(bar.width, 2);
}

}  // namespace
}  // namespace cifrala
