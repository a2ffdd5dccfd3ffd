// The metric window's superscripts, written on another canvas.
#include <gtest/gtest.h>

#include "formula/canvas_helpers.h"
#include "formula/surface.h"
#include "practice/fractions/fractions_style.h"
#include "practice/metric/metric_style.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::width_at;

// A surface laid out as the fractions worksheet.
struct FractionsSurface : Surface {
    FractionsSurface() : Surface(1014, 678, breuken_surface_style()) { clearimage(); }
};

TEST(Superscript, OnAnotherCanvasAdvancesThisCursor) {
    FractionsSurface first;
    Surface other(300, 200);
    first.style_ref().superscript = metriek_superscript();
    const int x = first.cursor.x;
    first.in_de_machttxt_at(other, 40, "2", 60);
    EXPECT_EQ(only_text(other, "2").pos, QPoint(40, 53));
    EXPECT_TRUE(first.display().texts().empty());
    EXPECT_EQ(first.cursor.x, x + width_at("2", 14));
}

}  // namespace
}  // namespace cifrala
