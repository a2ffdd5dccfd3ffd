// The explanation texts and the drag limits on their own.
#include <gtest/gtest.h>

#include "practice/common/drag_rules.h"
#include "practice/fractions/fractions_explain.h"
#include "text/messages.h"

namespace cifrala {
namespace {

TEST(CommonDenominator, ListsTheMultiplesUpToTheLcm) {
    const auto e = explain_common_denominator(6, 8);
    EXPECT_EQ(e.multiples1, QStringList({"1 × 6 = 6", "2 × 6 = 12", "3 × 6 = 18", "4 × 6 = 24"}));
    EXPECT_EQ(e.multiples2, QStringList({"1 × 8 = 8", "2 × 8 = 16", "3 × 8 = 24"}));
    EXPECT_TRUE(e.label3.endsWith(" ( 6 , 8 ) = 24"));
}

TEST(CommonDenominator, VeryLongListsAreShortened) {
    const auto e = explain_common_denominator(2, 1000001);
    ASSERT_EQ(e.multiples1.size(), kMaxListedMultiples);
    EXPECT_EQ(e.multiples1.at(kMaxListedMultiples - 2), "...");
    EXPECT_EQ(e.multiples1.back(), "1000001 × 2 = 2000002");
    EXPECT_EQ(e.multiples2, QStringList({"1 × 1000001 = 1000001", "2 × 1000001 = 2000002"}));
}

TEST(CrossCancel, OnlyPairsWithACommonFactorAreShown) {
    const auto e = explain_cross_cancel(4, 5, 7, 6);
    EXPECT_TRUE(e.show4);   // 4 and 6
    EXPECT_FALSE(e.show5);  // 5 and 7
    msg_param1 = "4";
    msg_param2 = "6";
    msg_param3 = "2";
    EXPECT_EQ(e.label4, msg(7007));
}

TEST(DragRules, CoverSheetLimits) {
    const QRect surface(1, 1, 1014, 678);
    const QRect sheet(1, 81, 1014, 598);
    // Up and to the left beyond the limits.
    QRect r = drag_cover_sheet(surface, 80, sheet, QPoint(10, 10), QPoint(-100, -300));
    EXPECT_EQ(r, QRect(1, 81, 1014, 598));
    // Down and right: the right and bottom edges stay.
    r = drag_cover_sheet(surface, 80, sheet, QPoint(10, 10), QPoint(110, 210));
    EXPECT_EQ(r.topLeft(), QPoint(101, 281));
    EXPECT_EQ(r.right(), surface.right());
    EXPECT_EQ(r.bottom(), surface.bottom());
    // Never off the surface.
    r = drag_cover_sheet(surface, 80, sheet, QPoint(10, 10), QPoint(5000, 5000));
    EXPECT_EQ(r.width(), 20);
    EXPECT_EQ(r.height(), 20);
}

TEST(DragRules, FloatingPanelLimits) {
    const QRect surface(1, 1, 1014, 678);
    const QRect panel(300, 300, 200, 100);
    EXPECT_EQ(drag_floating_panel(surface, 0, panel, QPoint(5, 5), QPoint(-500, -500)),
              QPoint(1, 1));
    EXPECT_EQ(drag_floating_panel(surface, 40, panel, QPoint(5, 5), QPoint(-500, -500)),
              QPoint(1, 41));
    // Right and down it stops where a strip of it is still on the surface.
    EXPECT_EQ(drag_floating_panel(surface, 0, panel, QPoint(5, 5), QPoint(2005, 15)),
              QPoint(1 + 1014 - 30, 310));
    EXPECT_EQ(drag_floating_panel(surface, 0, panel, QPoint(5, 5), QPoint(15, 9005)),
              QPoint(310, 1 + 678 - 30));
}

TEST(DragRules, TheWorksheetKeepsAPieceInTheWindow) {
    const QSize window(1280, 994);
    const QRect sheet(1, 1, 1014, 678);
    EXPECT_EQ(drag_worksheet(window, sheet, QPoint(100, 50)), QPoint(101, 51));
    EXPECT_EQ(drag_worksheet(window, sheet, QPoint(0, -5000)), QPoint(1, 40 - 678));
    EXPECT_EQ(drag_worksheet(window, sheet, QPoint(5000, 5000)), QPoint(1280 - 40, 994 - 40));
    EXPECT_EQ(drag_worksheet(window, sheet, QPoint(-5000, 0)), QPoint(40 - 1014, 1));
}

}  // namespace
}  // namespace cifrala
