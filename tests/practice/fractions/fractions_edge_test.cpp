// The worked solutions of exercises whose course is known in advance.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

#include "practice/common/floating_panel.h"
#include "practice/fractions/fractions_fixture.h"
#include "text/language.h"
#include "text/translation.h"

namespace cifrala {
namespace {

using testing::FractionsFixture;
using testing::Rational;

TEST_F(FractionsFixture, HalfPlusHalfIsWrittenAsTheWholeNumberOne) {
    type_fractions('1', "", "1", "2", "", "1", "2");
    go_fractions();
    EXPECT_EQ(hints.back(), hint(1566));  // equal denominators: straight to the numerators
    work_to_end();
    EXPECT_EQ(line_texts(), QStringList({"1/2 + 1/2 =", "1 + 1/2 =", "2/2 =", "1"}));
    EXPECT_EQ(hints, QStringList({hint(1566), hint(1567), hint(1513), hint(1540)}));
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.next_available());
}

TEST_F(FractionsFixture, ThirdMinusThirdEndsWithZero) {
    type_fractions('2', "", "1", "3", "", "1", "3");
    go_fractions();
    work_to_end();
    const QStringList lines = line_texts();
    EXPECT_EQ(lines.back(), "0/3 = 0");
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{0, 1}));
    EXPECT_EQ(hints.back(), hint(1540));
}

TEST_F(FractionsFixture, TwoThirdsMinusFiveSixths) {
    type_fractions('2', "", "2", "3", "", "5", "6");
    go_fractions();
    EXPECT_EQ(hints.back(), hint(1562));
    EXPECT_TRUE(w.SpeedButton4->isVisibleTo(&w));
    w.Button2Click();
    // The lcm 6 changes only the first fraction.
    EXPECT_EQ(line_texts().at(1), "2×2/3×2 - 5/6 =");
    EXPECT_FALSE(w.next_available());  // hidden until the exercise is finished
    EXPECT_FALSE(w.SpeedButton4->isVisibleTo(&w));
    work_to_end();
    const QStringList lines = line_texts();
    EXPECT_EQ(lines.at(2), "4/6 - 5/6 =");
    EXPECT_EQ(lines.at(3), "4 - 5/6 =");
    EXPECT_EQ(lines.at(4), "- 1/6");
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{-1, 6}));
    EXPECT_TRUE(hints.contains(hint(1569)));
    EXPECT_TRUE(w.next_available());
}

TEST_F(FractionsFixture, ImproperFractionsAreFirstShownAsMixedNumbers) {
    type_fractions('1', "", "7", "4", "", "1", "2");
    go_fractions();
    EXPECT_EQ(line_texts(), QStringList({"1 3/4 + 1/2 ="}));
    EXPECT_EQ(hints.back(), hint(1571));
    w.Button2Click();
    EXPECT_EQ(line_texts().at(1), "7/4 + 1/2 =");
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{9, 4}));
    EXPECT_EQ(line_texts().back(), "8 + 1/4 = 2 1/4");
}

TEST_F(FractionsFixture, DivisionWithoutCrossFactorsGoesStraightToMultiplying) {
    type_fractions('4', "", "1", "3", "", "5", "7");
    go_fractions();
    EXPECT_EQ(hints.back(), hint(1564));
    w.Button2Click();  // the divisor turned round
    EXPECT_EQ(line_texts().at(1), "1/3 × 7/5 =");
    // Nothing to cross-cancel: no "Hoe?" that would open an empty panel,
    // and the hint says to multiply.
    EXPECT_FALSE(w.SpeedButton5->isVisibleTo(&w));
    EXPECT_EQ(testing::hint_text(w.surface()), hint(1568));
    w.Button2Click();  // multiplying, without writing the line again
    EXPECT_EQ(line_texts().size(), 3);
    EXPECT_EQ(line_texts().at(2), "7/15");
    for (const DrawnLine& l : w.surface().display().lines())
        EXPECT_NE(l.colour, QColor(Qt::red));
    for (const DrawnText& t : w.surface().display().texts())
        EXPECT_NE(t.colour, QColor(Qt::red));
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{7, 15}));
}

TEST_F(FractionsFixture, AProductWithoutCrossFactorsIsWrittenOnce) {
    type_fractions('3', "", "1", "2", "", "3", "5");
    go_fractions();
    EXPECT_FALSE(w.SpeedButton5->isVisibleTo(&w));
    EXPECT_EQ(testing::hint_text(w.surface()), hint(1568));
    work_to_end();
    EXPECT_EQ(line_texts(), QStringList({"1/2 × 3/5 =", "3/10"}));
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{3, 10}));
}

TEST_F(FractionsFixture, CrossCancellingIsShownInRedAndExplained) {
    type_fractions('3', "", "4", "9", "", "3", "8");
    go_fractions();
    w.SpeedButton5Click();
    msg_param1 = "4";
    msg_param2 = "8";
    msg_param3 = "4";
    EXPECT_EQ(w.Label4->text(), msg(7007));
    msg_param1 = "9";
    msg_param2 = "3";
    msg_param3 = "3";
    EXPECT_EQ(w.Label5->text(), msg(7007));
    w.Button2Click();
    QStringList red;
    for (const DrawnText& t : w.surface().display().texts())
        if (t.colour == QColor(Qt::red)) red << t.text;
    red.sort();
    EXPECT_EQ(red, QStringList({"1", "1", "2", "3"}));
    EXPECT_EQ(line_texts().back(), "1/3 × 1/2 =");
    EXPECT_FALSE(w.SpeedButton5->isVisibleTo(&w));
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{1, 6}));
}

TEST_F(FractionsFixture, TwelveEighteenthsIsSimplifiedByTwoThenByThree) {
    type_simplification("12", "18");
    go_simplification();
    EXPECT_EQ(hints.back(), hint(1905));
    work_to_end();
    EXPECT_EQ(line_texts(), QStringList({"12/18 = 6 × 2/9 × 2 =", "6/9 = 2 × 3/3 × 3 =", "2/3"}));
    EXPECT_EQ(hints, QStringList({hint(1905), hint(5242, "2"), hint(1906), hint(1905),
                                  hint(5242, "3"), hint(1906), hint(1540)}));
}

TEST_F(FractionsFixture, ImproperSimplificationEndsAsMixedNumber) {
    type_simplification("21", "6");
    go_simplification();
    work_to_end();
    EXPECT_TRUE(hints.contains(hint(1907)));
    EXPECT_EQ(line_texts().back(), "7/2 = 6 + 1/2 = 6/2 + 1/2 = 3 1/2");
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{7, 2}));
}

TEST_F(FractionsFixture, SimplificationWithoutCommonFactorSaysSoOnce) {
    type_simplification("5", "7");
    go_simplification();
    EXPECT_EQ(hints.back(), hint(1569));
    const int presses = work_to_end();
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(line_texts(), QStringList({"5/7"}));
    EXPECT_EQ(hints.back(), hint(1540));
    // An improper one may still be written as a mixed number.
    type_simplification("9", "7");
    go_simplification();
    EXPECT_EQ(hints.back(), hint(1569));
    work_to_end();
    EXPECT_TRUE(hints.contains(hint(1907)));
    EXPECT_EQ(line_texts().back(), "9/7 = 7 + 2/7 = 7/7 + 2/7 = 1 2/7");
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{9, 7}));
}

TEST_F(FractionsFixture, WholeNumberResultOfASimplification) {
    type_simplification("18", "6");
    go_simplification();
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{3, 1}));
    EXPECT_EQ(line_texts().back(), "3/1 = 3");
}

TEST_F(FractionsFixture, TheLeastCommonMultipleStandsOnOneLineEvenForLargeNumbers) {
    type_fractions('1', "", "1", "9973", "", "1", "9967");
    go_fractions();
    w.SpeedButton4Click();
    const QString text = w.Label3->text();
    EXPECT_TRUE(text.endsWith("= 99400891")) << text.toStdString();
    EXPECT_FALSE(w.Label3->wordWrap());
    EXPECT_LE(QFontMetrics(w.Label3->font()).horizontalAdvance(text),
              w.Label3->contentsRect().width());
}

TEST_F(FractionsFixture, TheKindListShowsItsLongestItemWhole) {
    for (const int language : {0, 1}) {
        language_index = language;
        apply_language();
        for (int i = 0; i < w.ComboBox1->count(); ++i) {
            const QString item = w.ComboBox1->itemText(i);
            EXPECT_LE(w.ComboBox1->fontMetrics().horizontalAdvance(item) + 30, w.ComboBox1->width())
                << item.toStdString();
        }
    }
    language_index = 0;
    apply_language();
    // It pushes nothing over its neighbours in the bottom row.
    const QRect type = w.GroupBox3->geometry();
    EXPECT_FALSE(type.intersects(w.level_group->geometry()));
    EXPECT_FALSE(type.intersects(w.hint_check->geometry()));
    EXPECT_FALSE(w.level_group->geometry().intersects(w.help_button->geometry()));
}

TEST_F(FractionsFixture, CommonDenominatorExplanation) {
    type_fractions('1', "", "1", "4", "", "1", "6");
    go_fractions();
    w.SpeedButton4Click();
    EXPECT_TRUE(w.Panel1->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel4->isVisibleTo(&w));
    EXPECT_EQ(w.Label1->text(), msg(1573));
    msg_param1 = "4";
    EXPECT_EQ(w.Label2->text(), msg(5243) + " 6");
    EXPECT_EQ(w.Label3->text(), msg(1574) + " ( 4 , 6 ) = 12");
    ASSERT_EQ(w.ListBox1->count(), 3);
    EXPECT_EQ(w.ListBox1->item(2)->text(), "3 × 4 = 12");
    ASSERT_EQ(w.ListBox2->count(), 2);
    EXPECT_EQ(w.ListBox2->item(0)->text(), "1 × 6 = 6");
    w.Button2Click();
    EXPECT_TRUE(w.Panel1->isVisibleTo(&w));
    w.Button2Click();  // the next line hides the explanation
    EXPECT_FALSE(w.Panel1->isVisibleTo(&w));
}

TEST_F(FractionsFixture, MultiplicationOfUnreducedFractionsShowsTheSimplifiedResult) {
    type_fractions('3', "", "2", "4", "", "1", "3");
    go_fractions();
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{1, 6}));
}

TEST_F(FractionsFixture, ProductWithTheValueOneIsWrittenAsOne) {
    type_fractions('3', "", "2", "3", "", "3", "2");
    go_fractions();
    work_to_end();
    EXPECT_EQ(line_texts().back(), "1");
}

}  // namespace
}  // namespace cifrala
