// The multi-topic window's formulas on the worksheet: what each composite
// records for the reader, where exponents, fractions and roots go, and the
// smaller font of a line that would pass the right edge.
#include <gtest/gtest.h>

#include "formula/display_reader.h"
#include "formula/surface.h"
#include "practice/multitopic/formula_writer.h"
#include "practice/multitopic/multitopic_style.h"
#include "practice/multitopic/topics/terms.h"

namespace cifrala {
namespace {

struct Sheet {
    Sheet() : s(1014, 678, diffketting_style(9, 7, 28, false)) {
        s.set_font(s.style().font);
        s.stored_line_unit = 68;
        s.clearimage();
    }
    QString write(const Formula& f) {
        FormulaWriter(s).write(f);
        return read_line_texts(s.display()).join(QLatin1Char('|'));
    }
    Surface s;
};

TEST(FormulaWriter, ReadsBackAsThePupilReadsIt) {
    EXPECT_EQ(Sheet().write(polynomial({{2, 2}, {-3, 1}, {1, 0}})), QStringLiteral("2x^2 -3x+1"));
    EXPECT_EQ(Sheet().write(x_power(rational(-2, 3))), QStringLiteral("x^(-2/3)"));
    EXPECT_EQ(Sheet().write(x_root(rational(1, 3))), QStringLiteral("V3(x)"));
    EXPECT_EQ(Sheet().write(x_root(rational(4, 3))), QStringLiteral("V3(x^4)"));
    EXPECT_EQ(Sheet().write(x_root(rational(1, 2))), QStringLiteral("V(x)"));
    Formula f = formula(QStringLiteral("f(x) = "));
    f << fraction_piece(formula(QStringLiteral("1")), bracketed(polynomial({{1, 2}, {1, 0}}))
                                                          << power_piece(formula("3")));
    EXPECT_EQ(Sheet().write(f), QStringLiteral("f(x) = 1/((x^2+1)^3)"));
}

TEST(FormulaWriter, AnExponentStandsHigherAndSmaller) {
    Sheet sheet;
    sheet.write(x_power(rational(3)));
    const auto texts = sheet.s.display().texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_LT(texts[1].pos.y(), texts[0].pos.y());
    EXPECT_LT(texts[1].point_size, texts[0].point_size);
    EXPECT_GT(texts[1].pos.x(), texts[0].pos.x());
}

TEST(FormulaWriter, AFractionIsCentredAndTheCursorMovesPastIt) {
    Sheet sheet;
    sheet.s.cursor = {100, 100};
    Formula f;
    f << fraction_piece(formula(QStringLiteral("1")), polynomial({{3, 2}, {5, 1}}));
    sheet.write(f);
    ASSERT_EQ(sheet.s.display().fractions().size(), 1u);
    const auto bars = sheet.s.display().lines();
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].from, QPoint(100, 125));  // the bar 25 below the line's top
    EXPECT_EQ(sheet.s.cursor.x, bars[0].to.x() + 5);
    const auto one = sheet.s.display().find_texts(QStringLiteral("1"));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_NEAR(one[0].rect.center().x(), (bars[0].from.x() + bars[0].to.x()) / 2, 2);
    EXPECT_EQ(one[0].pos.y(), 95);
}

TEST(FormulaWriter, AMinusSignKeepsClearOfTheFractionBarAfterIt) {
    Sheet sheet;
    sheet.s.cursor = {100, 100};
    Formula f = formula(QStringLiteral("-"));
    f << fraction_piece(formula(QStringLiteral("5")), formula(QStringLiteral("2")));
    sheet.write(f);
    const auto minus = sheet.s.display().find_texts(QStringLiteral("-"));
    ASSERT_EQ(minus.size(), 1u);
    const auto bars = sheet.s.display().lines();
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_GE(bars[0].from.x() - (minus[0].rect.right() + 1), 2);
}

TEST(FormulaWriter, TheIndexOfARootAfterANumberStandsApart) {
    // The same root after "5" and after nothing: after the number it starts
    // further to the right than the number's width alone.
    Sheet alone;
    alone.s.cursor = {100, 100};
    alone.write(x_root(rational(3, 10)));
    Sheet after;
    after.s.cursor = {100, 100};
    const int five = after.s.text_width(QStringLiteral("5"));
    after.write(formula(QStringLiteral("5"), x_root(rational(3, 10))));
    const auto index_alone = alone.s.display().find_texts(QStringLiteral("10"));
    const auto index_after = after.s.display().find_texts(QStringLiteral("10"));
    ASSERT_EQ(index_alone.size(), 1u);
    ASSERT_EQ(index_after.size(), 1u);
    EXPECT_GE(index_after[0].pos.x() - index_alone[0].pos.x(), five + 4);
}

TEST(FormulaWriter, ALineThatDoesNotFitIsWrittenSmaller) {
    Sheet sheet;
    Polynomial many;
    for (int i = 0; i < 14; ++i)
        many.push_back({-123, i % 2 ? 3 : 2});
    const Formula f = polynomial(many);
    FormulaWriter w(sheet.s);
    EXPECT_FALSE(w.fits(f));
    w.write_fitting(f);
    EXPECT_LE(sheet.s.cursor.x, sheet.s.width() - FormulaWriter::kRightMargin);
    EXPECT_EQ(sheet.s.font_size(), 28);
}

}  // namespace
}  // namespace cifrala
