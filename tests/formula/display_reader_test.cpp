// What the display list records besides runs and lines: fractions,
// superscripts, roots, hints and arrows; the worksheet read back as lines of
// mathematics; and the JSON the render mode writes.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "formula/canvas_helpers.h"
#include "formula/display_json.h"
#include "formula/display_reader.h"
#include "formula/surface.h"
#include "text/messages.h"

namespace cifrala {
namespace {

struct Sheet : Surface {
    Sheet() : Surface(1014, 678, testing::worksheet_style()) { clearimage(); }
};

TEST(Composites, AFractionRecordsItsPartsAndEnclosesThem) {
    Sheet s;
    s.breuk(-3, 4);
    const auto fractions = s.display().fractions();
    ASSERT_EQ(fractions.size(), 1u);
    EXPECT_EQ(fractions[0].top, "3");
    EXPECT_EQ(fractions[0].bottom, "4");
    EXPECT_EQ(fractions[0].line_y, 20);
    for (const char* piece : {"3", "4"})
        EXPECT_TRUE(fractions[0].rect.contains(testing::only_text(s, piece).rect)) << piece;
    // The minus stands in front, outside the fraction.
    EXPECT_FALSE(fractions[0].rect.intersects(testing::only_text(s, "-").rect));
}

TEST(Composites, MeasuringRecordsNothing) {
    Sheet s;
    s.measure_only = true;
    s.breuk(1, 2);
    s.in_de_machttxt("3");
    s.teken_pijl(true, Qt::red);
    s.measure_only = false;
    EXPECT_TRUE(s.display().fractions().empty());
    EXPECT_TRUE(s.display().superscripts().empty());
    EXPECT_TRUE(s.display().arrows().empty());
}

TEST(Composites, SuperscriptRootHintAndArrow) {
    Sheet s;
    s.my_textout("10");
    s.in_de_machttxt("3");
    ASSERT_EQ(s.display().superscripts().size(), 1u);
    EXPECT_EQ(s.display().superscripts()[0].text, "3");
    s.basiswortelteken(300, 20, 1.0);
    ASSERT_EQ(s.display().roots().size(), 1u);
    EXPECT_EQ(s.display().roots()[0].line_y, 20);
    s.cursor.x = 400;
    s.teken_pijl(false, Qt::blue);
    ASSERT_EQ(s.display().arrows().size(), 1u);
    const DrawnArrow a = s.display().arrows()[0];
    EXPECT_EQ(a.to.x(), 400);  // to the left: the tip at the cursor
    EXPECT_EQ(a.from.x(), 480);
    s.toonhint(1562);
    ASSERT_EQ(s.display().hints().size(), 1u);
    EXPECT_EQ(s.display().hints()[0].text, msg(1562));
}

TEST(Composites, AHintWrittenOverAnotherReplacesIt) {
    Sheet s;
    s.toonhint(1562);
    s.toonhint(1563);
    EXPECT_EQ(read_hint(s.display()), msg(1563));
    EXPECT_EQ(s.display().hints().size(), 1u);
    s.toonhint(0);
    EXPECT_TRUE(read_hint(s.display()).isEmpty());
}

TEST(Composites, AFillOverMostOfATextRemovesItButNotOverItsEdge) {
    Sheet s;
    s.my_textout("12");
    const QRect cell = testing::only_text(s, "12").rect;
    // A band one pixel short of the text's height still hides it.
    s.fill_rect(QRect(0, cell.top(), 1014, cell.height() - 1), Qt::white);
    EXPECT_TRUE(s.display().find_texts("12").empty());
    s.cursor = {150, 200};
    s.my_textout("34");
    const QRect other = testing::only_text(s, "34").rect;
    s.fill_rect(QRect(0, other.bottom() - 2, 1014, 40), Qt::white);  // its lowest pixels
    EXPECT_EQ(s.display().find_texts("34").size(), 1u);
}

TEST(Reader, LinesTopToBottomWithFractionsAndPowers) {
    Sheet s;
    s.breuk(5, 6);
    s.my_textout(" + ");
    s.breuk_abc(1, 1, 2);
    s.my_textout(" =");
    s.newline();
    s.my_textout("2");
    s.in_de_machttxt("10");
    s.my_textout(" = 1024");
    s.newline();
    s.breuktxt("5 + 9", "6");
    s.toonhint(1562);
    EXPECT_EQ(read_line_texts(s.display()),
              QStringList({"5/6 + 1 1/2 =", "2^10 = 1024", "(5 + 9)/6"}));
    EXPECT_EQ(read_hint(s.display()), msg(1562));
}

TEST(Reader, BlackOnlyLeavesColouredNotesOut) {
    Sheet s;
    s.my_textout("7 ");
    s.set_font_colour(Qt::red);
    s.my_textout("x");
    s.set_font_colour(Qt::black);
    s.my_textout(" 8");
    EXPECT_EQ(read_line_texts(s.display()), QStringList{"7 x 8"});
    ReadOptions black;
    black.black_only = true;
    EXPECT_EQ(read_line_texts(s.display(), black), QStringList{"7 8"});
}

TEST(Reader, HintRowsReadFromTheHighest) {
    SurfaceStyle st = testing::worksheet_style();
    Surface s(800, 600, st);
    s.clearimage();
    s.toonhint(1562, 0);
    s.toonhint(1563, 2);
    EXPECT_EQ(read_hint(s.display()), msg(1563) + " " + msg(1562));
}

TEST(Json, ItemsInDrawingOrderAndTheAnswerAsText) {
    Sheet s;
    s.my_textout("3 + 4 = ");
    s.breuk(7, 1);
    s.toonhint(1540);
    const QJsonObject o = surface_to_json(s);
    EXPECT_EQ(o["width"].toInt(), 1014);
    EXPECT_EQ(o["height"].toInt(), 678);
    const QJsonArray items = o["items"].toArray();
    QStringList kinds;
    for (const auto& i : items)
        kinds << i.toObject()["kind"].toString();
    // Two frame lines, the run, the fraction's pieces and bar, the fraction, the hint.
    EXPECT_EQ(kinds, QStringList({"line", "line", "text", "text", "text", "line", "fraction",
                                  "text", "hint"}));
    const QJsonObject fraction = items[6].toObject();
    EXPECT_EQ(fraction["top"].toString(), "7");
    EXPECT_EQ(fraction["bottom"].toString(), "1");
    EXPECT_GT(fraction["w"].toInt(), 0);
    EXPECT_EQ(o["answer"].toString(), "3 + 4 = 7/1");
    EXPECT_EQ(o["hint"].toString(), msg(1540));
    EXPECT_EQ(o["lines"].toArray().size(), 1);
}

}  // namespace
}  // namespace cifrala
