// Clearing, writing, new lines, hints and the other writing operations.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "canvas_helpers.h"
#include "formula/arrowhead.h"
#include "formula/cloud.h"
#include "formula/surface.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala {
namespace {

using testing::only_text;
using testing::thin_lines;
using testing::width_at;

struct FractionsSurface : Surface {
    FractionsSurface() : Surface(1014, 678, testing::worksheet_style()) { clearimage(); }
};

TEST(Clear, FractionsFrameCursorAndPen) {
    FractionsSurface s;
    const auto lines = s.display().lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, QPoint(130, 10));
    EXPECT_EQ(lines[0].to, QPoint(130, 678 - 50));
    EXPECT_EQ(lines[1].from, QPoint(10, 628));
    EXPECT_EQ(lines[1].to, QPoint(1004, 628));
    for (const auto& l : lines) {
        EXPECT_EQ(l.width, 10);
        EXPECT_EQ(l.colour, QColor(0, 0, 255));
    }
    EXPECT_EQ(s.cursor.x, 150);
    EXPECT_EQ(s.cursor.y, 20);
    EXPECT_EQ(s.pen_width(), 2);
}

TEST(Clear, UsesTheSharedBackgroundEachTime) {
    FractionsSurface s;
    EXPECT_EQ(s.image().pixelColor(500, 300), QColor(0, 255, 255));
    background_colour = kWhite;
    s.clearimage();
    EXPECT_EQ(s.image().pixelColor(500, 300), QColor(Qt::white));
    background_colour = kAqua;
}

TEST(Clear, ForgetsWhatWasWritten) {
    FractionsSurface s;
    s.my_textout("7");
    s.clearimage();
    EXPECT_TRUE(s.display().texts().empty());
}

TEST(Writing, TextoutAdvancesByTheWidth) {
    FractionsSurface s;
    s.my_textout(" + ");
    EXPECT_EQ(only_text(s, " + ").pos, QPoint(150, 20));
    EXPECT_EQ(s.cursor.x, 150 + width_at(" + ", 24));
}

TEST(Writing, NewlineMovesByTheLineUnitAndReturnsToTheMargin) {
    FractionsSurface s;
    s.my_textout("12");
    s.newline(1.5);
    EXPECT_EQ(s.cursor.y, 20 + 102);
    EXPECT_EQ(s.cursor.x, 150);
    s.newline();
    EXPECT_EQ(s.cursor.y, 20 + 102 + 68);
}

TEST(Writing, MeasureOnlyAdvancesWithoutDrawing) {
    FractionsSurface s;
    s.measure_only = true;
    s.my_textout("abc");
    s.breuk(1, 2);
    EXPECT_TRUE(s.display().texts().empty());
    EXPECT_TRUE(thin_lines(s).empty());
    EXPECT_EQ(s.cursor.x, 150 + width_at("abc", 24) + width_at("1", 18) + 5);
}

TEST(Writing, TextoutWithGap) {
    FractionsSurface s;
    s.my_textout2("5");
    EXPECT_EQ(s.cursor.x, 150 + width_at("5", 24) + 5);
}

TEST(Hint, WritesTheMessageInTheBottomBand) {
    FractionsSurface s;
    s.toonhint(1562);
    const DrawnText t = only_text(s, msg(1562));
    EXPECT_EQ(t.pos, QPoint(5, 678 - 40));
    EXPECT_EQ(t.point_size, 20);
    EXPECT_EQ(s.font_size(), 24);
}

TEST(Hint, ReplacesTheHintBefore) {
    FractionsSurface s;
    s.toonhint(1562);
    s.toonhint(1566);
    EXPECT_TRUE(s.display().find_texts(msg(1562)).empty());
    EXPECT_EQ(s.display().find_texts(msg(1566)).size(), 1u);
}

TEST(Hint, ZeroOnlyClears) {
    FractionsSurface s;
    s.toonhint(1562);
    s.toonhint(0);
    EXPECT_TRUE(s.display().texts_in(QRect(0, 638, 1014, 40)).empty());
}

TEST(Hint, UntickedKeepsThePreviousHint) {
    FractionsSurface s;
    bool shown = true;
    s.hints_enabled = [&] { return shown; };
    s.toonhint(1562);
    shown = false;
    s.toonhint(0);
    s.toonhint(1566);
    EXPECT_EQ(s.display().find_texts(msg(1562)).size(), 1u);
    EXPECT_TRUE(s.display().find_texts(msg(1566)).empty());
}

TEST(Hint, TooLongIsWrittenSmallerUntilItFits) {
    Surface s(300, 200, testing::worksheet_style());
    s.clearimage();
    s.toonhint(1562);
    const DrawnText t = only_text(s, msg(1562));
    EXPECT_LT(t.point_size, 20);
    EXPECT_LE(width_at(t.text, t.point_size) + 5, 300);
    EXPECT_GT(width_at(t.text, t.point_size + 1) + 5, 300);
    EXPECT_EQ(s.font_size(), 24);
}

TEST(ExponentFraction, CentresTheNarrowerPartAndDrawsTheBarToTheWiderEnd) {
    FractionsSurface s;
    s.style_ref().exponent_fraction.unit = 62;
    s.cursor = {100, 200};
    s.my_textoutbreuk_met_machten_in_teller_en_noemer("10", "5", "3", "");
    const int a = 100 + width_at("10", 18) + width_at("3", 13);
    const int b = 100 + width_at("5", 18);
    ASSERT_GT(a, b);
    EXPECT_EQ(only_text(s, "10").pos, QPoint(100, 188));
    EXPECT_EQ(only_text(s, "3").pos, QPoint(100 + width_at("10", 18), 180));
    EXPECT_EQ(only_text(s, "5").pos, QPoint(100 + (a - b) / 2, 200 + 31 - 5));
    const auto bar = thin_lines(s).at(0);
    EXPECT_EQ(bar.from, QPoint(100, 200 + 31 - 11));
    EXPECT_EQ(bar.to.x(), a);
}

TEST(RootSign, ScaledPolylineAndOverbarStart) {
    FractionsSurface s;
    const RootSignEnd end = s.basiswortelteken(100, 200, 1.1);
    const auto polys = s.display().polygons();
    ASSERT_EQ(polys.size(), 1u);
    const QPolygon expected(
        {QPoint(100, 228), QPoint(106, 222), QPoint(117, 255), QPoint(133, 200), QPoint(139, 200)});
    EXPECT_EQ(polys[0].points, expected);
    EXPECT_FALSE(polys[0].filled);
    EXPECT_EQ(end.bar_x, 138);
    EXPECT_EQ(end.bar_y, 200);
}

TEST(Symbol, RootSignAndPlusMinusAreUnicodeCharacters) {
    FractionsSurface s;
    s.my_textoutSymbol(214);
    s.my_textoutSymbol(177);
    EXPECT_EQ(only_text(s, "√").pos, QPoint(150, 25));
    EXPECT_EQ(only_text(s, "±").pos, QPoint(150 + width_at("√", 24), 25));
    EXPECT_EQ(only_text(s, "√").family, "verdana");
}

TEST(Arrow, ToTheRight) {
    FractionsSurface s;
    s.cursor = {200, 100};
    s.teken_pijl(true, Qt::blue);
    const auto shaft = thin_lines(s).at(0);
    EXPECT_EQ(shaft.from, QPoint(200, 135));
    EXPECT_EQ(shaft.to, QPoint(276, 135));
    EXPECT_EQ(shaft.width, 3);
    EXPECT_EQ(shaft.colour, QColor(Qt::blue));
    const auto head = s.display().polygons().at(0);
    EXPECT_TRUE(head.filled);
    EXPECT_EQ(head.colour, QColor(Qt::red));
    EXPECT_EQ(head.points.at(0), QPoint(280, 135));
    EXPECT_EQ(s.cursor.x, 290);
    EXPECT_EQ(s.pen_colour(), QColor(Qt::black));
}

TEST(Arrow, ToTheLeftHasItsTipAtTheCursor) {
    FractionsSurface s;
    s.cursor = {200, 100};
    s.teken_pijl(false, Qt::black);
    EXPECT_EQ(thin_lines(s).at(0).from, QPoint(204, 135));
    EXPECT_EQ(s.display().polygons().at(0).points.at(0), QPoint(200, 135));
}

TEST(Arrowhead, WingsAtTheLengthAndTheNotchOnTheShaft) {
    const QPolygon p = arrowhead_polygon(QPointF(100, 50), QPointF(0, 50), 30, 40);
    ASSERT_EQ(p.size(), 4);
    EXPECT_EQ(p[0], QPoint(100, 50));
    for (int i : {1, 3})
        EXPECT_NEAR(QLineF(p[0], p[i]).length(), 30.0, 1.0);
    EXPECT_EQ(p[1].y() - 50, 50 - p[3].y());  // symmetric about the shaft
    // cos(20°) * 30 = 28.2 behind the tip; the notch at 0.7 of that.
    EXPECT_EQ(p[1].x(), 72);
    EXPECT_EQ(p[2], QPoint(80, 50));
}

TEST(Cloud, PictureThenTextsInRed) {
    Surface cloud(440, 230);
    toonwolk_staartdeel(cloud, "3 × 7 = 21", "4 × 7 = 28");
    ASSERT_EQ(cloud.display().images().size(), 1u);
    EXPECT_EQ(cloud.display().images()[0].name, "awolk3.bmp");
    EXPECT_EQ(cloud.display().images()[0].rect, QRect(0, 0, 440, 230));
    EXPECT_EQ(only_text(cloud, "3 × 7 = 21").pos, QPoint(50, 85));
    EXPECT_EQ(only_text(cloud, "(4 × 7 = 28)").pos, QPoint(50, 135));
    const DrawnText note = only_text(cloud, msg(1916));
    EXPECT_EQ(note.pos, QPoint(200, 170));
    EXPECT_EQ(note.point_size, 18);
    EXPECT_EQ(note.colour, QColor(Qt::red));
    EXPECT_EQ(cloud.font_size(), 24);
}

TEST(Repaint, EachOperationReportsOnceWithTheAreaItChanged) {
    FractionsSurface s;
    std::vector<QRect> reports;
    s.on_changed = [&](const QRect& r) { reports.push_back(r); };
    s.breuk(-3, 4);
    ASSERT_EQ(reports.size(), 1u);
    for (const DrawnText& t : s.display().texts())
        EXPECT_TRUE(reports[0].contains(t.rect));
}

TEST(DisplayList, FillRemovesWhatItCovers) {
    FractionsSurface s;
    s.text_at(10, 10, "a");
    s.text_at(300, 300, "b");
    s.fill_rect(QRect(0, 0, 100, 100), Qt::white);
    EXPECT_TRUE(s.display().find_texts("a").empty());
    EXPECT_EQ(s.display().find_texts("b").size(), 1u);
}

}  // namespace
}  // namespace cifrala
