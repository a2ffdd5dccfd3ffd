// Exercises the pupil types: which ones the go button accepts, and how the
// accepted ones are read.
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "practice/common/floating_panel.h"
#include "practice/fractions/fractions_fixture.h"

namespace cifrala {
namespace {

using testing::FractionsFixture;
using testing::Rational;

class OwnExercise : public FractionsFixture {
protected:
    bool go_enabled() const { return w.SpeedButton10->isEnabled(); }
    QString reason() const { return w.Label7->isVisibleTo(&w) ? w.Label7->text() : QString(); }
};

TEST_F(OwnExercise, OpeningThePanelEmptiesTheFields) {
    type_fractions('1', "1", "2", "3", "4", "5", "6");
    w.SpeedButton9Click();
    for (QLineEdit* e : {w.Edit1, w.Edit2, w.Edit3, w.Edit4, w.Edit5, w.Edit6})
        EXPECT_TRUE(e->text().isEmpty());
    EXPECT_FALSE(go_enabled());
    EXPECT_FALSE(w.Panel9->isVisibleTo(&w));
    EXPECT_TRUE(w.Panel5->isVisibleTo(&w));
}

TEST_F(OwnExercise, GoNeedsFourWholeNumbersButNoWholeParts) {
    type_fractions('1', "", "1", "2", "", "1", "");
    EXPECT_FALSE(go_enabled());
    EXPECT_TRUE(reason().isEmpty());  // not yet complete: nothing to complain about
    w.Edit4->setText("3");
    EXPECT_TRUE(go_enabled());
}

TEST_F(OwnExercise, TextThatIsNotAWholeNumberIsRefusedWithAReason) {
    type_fractions('1', "", "1", "2", "", "", "3");
    const QString own_hint = w.Edit2->toolTip();
    w.Edit2->setText("1,5");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(reason(), msg(1351));
    EXPECT_EQ(w.Edit2->toolTip(), msg(1351));
    w.Edit2->setText("1");
    EXPECT_TRUE(go_enabled());
    EXPECT_EQ(w.Edit2->toolTip(), own_hint);  // its own hint is back
    EXPECT_FALSE(own_hint.isEmpty());
}

TEST_F(OwnExercise, FilledWholePartMustBeAWholeNumber) {
    type_fractions('1', "x", "1", "2", "", "1", "3");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(w.Edit6->toolTip(), msg(1351));
}

TEST_F(OwnExercise, ZeroDenominatorIsRefusedAtOnceAndTheFieldSaysWhy) {
    type_fractions('1', "", "3", "0", "", "", "");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(reason(), msg(1352));
    EXPECT_EQ(w.Edit3->toolTip(), msg(1352));
    w.Edit2->setText("1");
    w.Edit4->setText("2");
    EXPECT_FALSE(go_enabled());
    const QStringList before = line_texts();
    w.SpeedButton10Click();  // a click on the disabled button changes nothing
    EXPECT_EQ(line_texts(), before);
    EXPECT_TRUE(w.Panel4->isVisibleTo(&w));
}

TEST_F(OwnExercise, LoneMinusCountsAsZero) {
    type_fractions('1', "", "-", "4", "", "1", "-");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(w.Edit4->toolTip(), msg(1352));
    w.Edit4->setText("4");
    ASSERT_TRUE(go_enabled());
    go_fractions();
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{1, 4}));
}

TEST_F(OwnExercise, DivisionByZeroIsRefused) {
    type_fractions('4', "", "3", "4", "", "0", "5");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(reason(), msg(1353));
    EXPECT_EQ(w.Edit2->toolTip(), msg(1353));
}

TEST_F(OwnExercise, TheChosenOperatorDecidesAboutDivisionByZero) {
    type_fractions('5', "", "3", "4", "", "0", "5");
    ASSERT_TRUE(w.Panel7->isVisibleTo(&w));
    EXPECT_TRUE(go_enabled());  // "+" is chosen
    w.RadioButton7->setChecked(true);
    EXPECT_FALSE(go_enabled());
    w.RadioButton6->setChecked(true);
    EXPECT_TRUE(go_enabled());
    go_fractions();
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{0, 1}));
}

TEST_F(OwnExercise, NumbersWhoseStepsWouldOverflowAreRefused) {
    // The common denominator 300009 makes the first numerator 10000300000.
    type_fractions('1', "", "100000", "3", "", "1", "100003");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(reason(), msg(1354));
    // Products of the multiplication beyond 32 bits.
    type_fractions('3', "", "65536", "1", "", "65536", "1");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(reason(), msg(1354));
    // The same just inside the range works.
    type_fractions('3', "", "46340", "1", "", "46340", "1");
    ASSERT_TRUE(go_enabled());
    go_fractions();
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{2147395600, 1}));
}

TEST_F(OwnExercise, ANumberWithTooManyDigitsIsCalledTooLarge) {
    type_fractions('1', "", "99999999999", "3", "", "1", "4");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(reason(), msg(1354));
    EXPECT_EQ(w.Edit1->toolTip(), msg(1354));
    type_fractions('1', "", "-99999999999", "3", "", "1", "4");
    EXPECT_EQ(reason(), msg(1354));
    // Not a number at all is still asked for as a whole number.
    type_fractions('1', "", "99x", "3", "", "1", "4");
    EXPECT_EQ(reason(), msg(1351));
}

TEST_F(OwnExercise, MixedNumberBeyondThirtyTwoBitsIsRefused) {
    type_fractions('1', "2000000000", "1", "2", "", "1", "2");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(w.Edit6->toolTip(), msg(1354));
}

TEST_F(OwnExercise, TheSmallestIntegerIsRefused) {
    type_fractions('1', "", "-2147483648", "3", "", "1", "3");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(reason(), msg(1354));
}

TEST_F(OwnExercise, NegativeWholePartMakesTheWholeMixedNumberNegative) {
    type_fractions('1', "-1", "3", "4", "", "1", "4");
    go_fractions();
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{-3, 2}));
}

TEST_F(OwnExercise, NegativeDenominatorMovesItsSignToTheNumerator) {
    type_fractions('1', "", "1", "-2", "", "1", "2");
    go_fractions();
    EXPECT_EQ(line_texts().front(), "- 1/2 + 1/2 =");
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{0, 1}));
}

TEST_F(OwnExercise, AcceptedExerciseStartsWorking) {
    type_fractions('2', "1", "1", "2", "", "1", "3");
    go_fractions();
    EXPECT_TRUE(w.step_available());
    EXPECT_FALSE(w.next_available());
    EXPECT_FALSE(w.Panel4->isVisibleTo(&w));
    EXPECT_FALSE(selection.previous_exercise_stored);
    EXPECT_EQ(line_texts().front(), "1 1/2 - 1/3 =");
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{7, 6}));
    // Preset mode: the own-exercise panel returns with its blank cover.
    EXPECT_TRUE(w.Panel4->isVisibleTo(&w));
    EXPECT_TRUE(w.Panel9->isVisibleTo(&w));
}

TEST_F(OwnExercise, FreeModeOffersTheButtonAndOpensTheFieldsOnRequest) {
    start('1');
    ASSERT_FALSE(w.preset_mode());
    // Only the button is offered: the panel is no higher than it.
    EXPECT_TRUE(w.SpeedButton9->isVisibleTo(&w));
    EXPECT_LE(w.Panel4->height(), w.SpeedButton9->geometry().bottom() + 12);
    w.SpeedButton9Click();
    EXPECT_TRUE(w.Panel5->isVisibleTo(&w));
    const QPoint go_corner = w.SpeedButton10->mapTo(
        &w, QPoint(w.SpeedButton10->width() - 1, w.SpeedButton10->height() - 1));
    EXPECT_TRUE(w.Panel4->geometry().contains(go_corner)) << "the go button lies in the panel";
    w.Edit1->setText("1");
    w.Edit3->setText("3");
    w.Edit2->setText("1");
    w.Edit4->setText("6");
    go_fractions();
    EXPECT_FALSE(w.Panel4->isVisibleTo(&w));
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{1, 2}));
    EXPECT_TRUE(w.Panel4->isVisibleTo(&w));  // offered again after the exercise
    EXPECT_LE(w.Panel4->height(), w.SpeedButton9->geometry().bottom() + 12);
}

TEST_F(OwnExercise, SimplificationRefusesZero) {
    type_simplification("0", "5");
    EXPECT_FALSE(w.SpeedButton11->isEnabled());
    EXPECT_EQ(w.Edit7->toolTip(), msg(1355));
    EXPECT_EQ(w.Label8->text(), msg(1355));
    type_simplification("4", "0");
    EXPECT_FALSE(w.SpeedButton11->isEnabled());
    EXPECT_EQ(w.Edit8->toolTip(), msg(1355));
    type_simplification("4", "6");
    EXPECT_TRUE(w.SpeedButton11->isEnabled());
}

TEST_F(OwnExercise, NegativeImproperSimplification) {
    type_simplification("-14", "4");
    go_simplification();
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{-7, 2}));
}

TEST_F(OwnExercise, TextTheNumberReaderCannotReadIsRefused) {
    type_fractions('1', "", "$2", "3", "", "1", "3");
    EXPECT_FALSE(go_enabled());
    EXPECT_EQ(w.Edit1->toolTip(), msg(1351));
}

TEST_F(OwnExercise, BlanksAroundANumberDoNotMatter) {
    type_fractions('1', "", " 2 ", "3", "", "1", "3 ");
    ASSERT_TRUE(go_enabled());
    go_fractions();
    work_to_end();
    EXPECT_EQ(testing::final_value(w.surface()), (Rational{1, 1}));
}

}  // namespace
}  // namespace cifrala
