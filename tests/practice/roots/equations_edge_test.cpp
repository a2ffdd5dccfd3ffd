// The equation topics of the roots window, exercise by exercise: where each
// starts, the steps it skips, the equations without a solution, the
// factor-pair panel, the undo button and the buttons of "Met machten".
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/roots/equations/equation_modes.h"
#include "practice/roots/equations/factor_pair_listing.h"
#include "practice/roots/equations/fraction_equation.h"
#include "practice/roots/equations/power_equation.h"
#include "practice/roots/equations/quadratic_elementary.h"
#include "practice/roots/equations/root_equation.h"
#include "practice/roots/roots_form.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/random.h"
#include "util/selection.h"

namespace cifrala::testing {
namespace {

class EquationEdges : public ::testing::Test {
protected:
    void open(int topic) {
        selection = SelectionValues{};
        selection.topic_code = topic;
        init_number_settings();
        w.sequence().instant = true;
        w.start_showing();
    }
    void press(int n = 1) {
        for (int i = 0; i < n && w.step_available(); ++i)
            w.Button2Click();
    }
    int work_to_end() {
        int n = 0;
        while (w.step_available() && n < 30) {
            w.Button2Click();
            ++n;
        }
        return n;
    }
    // The lines as they read, blanks run together.
    QStringList sheet() const {
        QStringList out;
        for (const QString& l : read_line_texts(w.surface().display()))
            out << l.simplified();
        return out;
    }
    EquationControls& eq() { return w.equations(); }
    // Starts an exercise of the open topic through the window's worker, as
    // "Volgende oefening" does.
    void start_power(PowerEquation e) {
        eq().powers().begin(e);
        w.Button2->show();
    }
    void start_fraction(FractionEquation e) {
        eq().fractions().begin(e);
        w.Button2->show();
    }
    void start_root(RootEquation e) {
        eq().roots().begin(e);
        w.Button2->show();
    }
    void start_quadratic(ElementaryQuadratic e) {
        eq().quadratic().begin(e);
        w.Button2->show();
    }
    QString done() const { return msg(1540); }
    QString of() const { return msg(-57); }

    TwortelsherleidenForm w;
};

TEST_F(EquationEdges, EachTopicOpensItsOwnModeWithItsTitle) {
    const std::pair<int, int> titles[] = {{58, 2029}, {59, 2031}, {60, 2038}, {61, 2051}};
    for (const auto& [topic, title] : titles) {
        open(topic);
        EXPECT_TRUE(w.serves(topic, 0));
        EXPECT_EQ(w.windowTitle(), msg(title));
        EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
        EXPECT_EQ(eq().SpeedButton12->isVisibleTo(&w), topic == 58);
        EXPECT_EQ(eq().SpeedButton14->isVisibleTo(&w), topic == 58);
        EXPECT_FALSE(eq().GroupBox6->isVisibleTo(&w));
        EXPECT_FALSE(w.step_available());
        w.Button1Click();
        EXPECT_TRUE(w.step_available());
        EXPECT_FALSE(sheet().isEmpty());
    }
    // The roots mode hides what only the equation topics show.
    open(22);
    EXPECT_FALSE(eq().SpeedButton12->isVisibleTo(&w));
    EXPECT_FALSE(eq().SpeedButton15->isVisibleTo(&w));
}

TEST_F(EquationEdges, PowersWithoutAAndBOneTakeTheRootAtOnce) {
    open(58);
    start_power({0, 1, 2, 9, 1, 0});
    EXPECT_EQ(sheet(), QStringList{"x^2 = 9"});
    press();
    EXPECT_EQ(eq().powers().step, 7);
    EXPECT_EQ(sheet().value(1), "x = V(9) = 3 " + of() + " x = - 3");
    EXPECT_TRUE(w.next_available());
}

TEST_F(EquationEdges, PowersWithBMinusOneShowFirstThenNegateThenTakeTheRoot) {
    open(58);
    start_power({0, -1, 3, 8, 1, 0});
    EXPECT_EQ(sheet(), QStringList{"- x^3 = 8"});
    press();
    EXPECT_EQ(eq().powers().step, 98);
    EXPECT_EQ(sheet().size(), 1);
    press();
    EXPECT_EQ(sheet().value(1), "x^3 = -8");
    press();
    // An odd root of a negative number is rewritten with the minus in front.
    EXPECT_EQ(sheet().value(2), "x = V3(-8) = - V3(8) = -2");
    EXPECT_EQ(sheet().last(), done());
}

TEST_F(EquationEdges, PowersOfASquareOfAFractionGiveTheMixedNumberTwice) {
    open(58);
    start_power({0, 4, 2, 9, 1, 0});
    EXPECT_EQ(work_to_end(), 4);
    const QStringList s = sheet();
    EXPECT_EQ(s.value(1), "x^2 = 9/4");
    EXPECT_EQ(s.value(2), "x = V(9/4) = 3/2 = 1 1/2 " + of() + " x = - 1 1/2");
}

TEST_F(EquationEdges, AnEvenPowerThatWouldBeNegativeHasNoSolution) {
    open(58);
    start_power({2, 3, 2, -4, 1, 0});
    work_to_end();
    const QStringList s = sheet();
    ASSERT_GE(s.size(), 4);
    EXPECT_EQ(s.mid(s.size() - 4), QStringList({msg(1501), msg(1558), msg(2063), done()}));
}

TEST_F(EquationEdges, PowersWithABracketIsolateXInTwoLines) {
    open(58);
    start_power({1, 2, 2, 33, 2, 1});  // 1 + 2·(2x + 1)² = 33
    work_to_end();
    const QStringList s = sheet();
    EXPECT_TRUE(s.contains("2 x + 1 = V(16) = 4 " + of() + " 2 x + 1 = - 4"))
        << s.join('\n').toStdString();
    EXPECT_TRUE(s.contains("2 x = 4 - 1 = 3 " + of() + " 2 x = - 4 - 1 = -5"));
    EXPECT_TRUE(s.contains("x = 3/2 = 1 1/2 " + of() + " x = - 5/2 = - 2 1/2"));
}

TEST_F(EquationEdges, FractionsWithADoubleRootWriteItTwiceAndPOneSkipsTheDivision) {
    open(59);
    start_fraction(fraction_equation_with_roots(1, 3, 3));
    EXPECT_EQ(sheet(), QStringList{"x - 6 + 9/x = 0"});
    work_to_end();
    const QStringList s = sheet();
    EXPECT_EQ(s.value(1), "x^2 - 6 x + 9 = 0");
    EXPECT_EQ(s.value(2), "(x - 3)(x - 3) = 0");
    EXPECT_EQ(s.value(4), "x = 3 " + of() + " x = 3");
    start_fraction(fraction_equation_with_roots(2, 1, -3));
    work_to_end();
    EXPECT_EQ(sheet().value(1), "2 x^2 + 4 x - 6 = 0");
    EXPECT_EQ(sheet().value(2), "x^2 + 2 x - 3 = 0");
}

TEST_F(EquationEdges, TheFractionOfKindTwoIsTurnedRound) {
    open(59);
    FractionEquation e;
    e.kind = 2;
    e.p = -2;
    e.q = -6;
    e.m = 1;
    e.r = 0;
    e.s = 3;
    start_fraction(e);
    EXPECT_EQ(sheet(), QStringList{"-2 - 6/x = 3"});
    work_to_end();
    EXPECT_EQ(sheet().value(1), "6/x = -5");
    EXPECT_EQ(sheet().value(2), "x = - 6/5 = - 1 1/5");
    EXPECT_EQ(eq().fractions().reduced_top, -6);
    EXPECT_EQ(eq().fractions().reduced_bottom, 5);
}

TEST_F(EquationEdges, RootsSkipWhatIsNotThere) {
    open(60);
    // q = 1: no division.
    start_root({2, 1, 3, 7});
    work_to_end();
    QStringList s = sheet();
    EXPECT_EQ(s.value(2), "V(x + 3) = 5");
    EXPECT_EQ(s.value(3), "x + 3 = 25");
    EXPECT_EQ(s.value(4), "x = 25 - 3 = 22");
    // p = 0 starts at step 3; m = 0 ends after the squaring line.
    start_root({0, 2, 0, 3});
    EXPECT_EQ(eq().roots().step, 3);
    work_to_end();
    s = sheet();
    EXPECT_EQ(s.value(1), "V(x) = 3/2");
    EXPECT_EQ(s.value(2), "x = 9/4 = 2 1/4");
    EXPECT_EQ(s.value(3), done());
    // A root that would equal a negative number.
    start_root({1, 2, 0, -3});
    work_to_end();
    s = sheet();
    EXPECT_EQ(s.mid(s.size() - 3), QStringList({msg(2039), msg(2040), done()}));
}

TEST_F(EquationEdges, QuadraticWithoutConstantFactorsXOut) {
    open(61);
    start_quadratic(elementary_quadratic(1, 0, -4, 0, 0));  // x² + 4x = 0
    EXPECT_EQ(sheet(), QStringList{"x^2 + 4x = 0"});
    work_to_end();
    const QStringList s = sheet();
    EXPECT_EQ(s.value(1), "x ( x + 4 ) = 0");
    EXPECT_EQ(s.value(2), "x = 0 " + of() + " x = -4");
    EXPECT_FALSE(eq().GroupBox6->isVisibleTo(&w));
}

TEST_F(EquationEdges, QuadraticDoubleRootAndMissingXTerm) {
    open(61);
    start_quadratic(elementary_quadratic(2, 3, 3, 0, 0));  // 2x² - 12x + 18 = 0
    work_to_end();
    QStringList s = sheet();
    EXPECT_EQ(s.value(1), "x^2 - 6x + 9 = 0");
    EXPECT_TRUE(s.contains("( x - 3 )( x - 3 ) = 0"));
    EXPECT_TRUE(s.contains("x - 3 = 0"));
    EXPECT_TRUE(s.contains("x = 3"));
    start_quadratic(elementary_quadratic(3, 2, -2, 0, 0));  // 3x² - 12 = 0
    work_to_end();
    s = sheet();
    EXPECT_EQ(s.value(1), "x^2 ( + 0x ) - 4 = 0");
    EXPECT_TRUE(s.contains("x = -2 " + of() + " x = 2"));
}

TEST_F(EquationEdges, FactorPairsOfSixAndMinusSix) {
    const auto text = [](long long x) {
        QStringList out;
        for (const FactorPair& p : factor_pairs(x, 0))
            out << QString::number(p.d) + " × " + QString::number(p.f);
        return out;
    };
    EXPECT_EQ(text(6), QStringList({"1 × 6", "2 × 3", "-1 × -6", "-2 × -3"}));
    EXPECT_EQ(text(-6), QStringList({"1 × -6", "2 × -3", "3 × -2", "6 × -1"}));
    // The pair with the sum sought is the marked one, and only it.
    const std::vector<FactorPair> pairs = factor_pairs(-6, 1);
    ASSERT_TRUE(marked_pair(pairs).has_value());
    EXPECT_EQ(marked_pair(pairs)->d, 3);
    EXPECT_EQ(std::count_if(pairs.begin(), pairs.end(), [](const FactorPair& p) { return p.red; }),
              1);
}

TEST_F(EquationEdges, ThePanelListsThePairsWithTheFoundOneInRed) {
    open(61);
    start_quadratic(elementary_quadratic(1, 2, 3, 0, 0));  // x² - 5x + 6 = 0
    work_to_end();
    EXPECT_TRUE(eq().GroupBox6->isVisibleTo(&w));
    EXPECT_EQ(eq().GroupBox6Caption->text(), msg(2052) + " 6");
    const Surface& panel = eq().Image3->surface();
    const QStringList lines = read_line_texts(panel.display());
    EXPECT_EQ(lines.value(0), msg(2053) + " " + msg(2054));
    EXPECT_EQ(lines.value(1), "1 × 6 1 + 6 = 7");
    EXPECT_EQ(lines.size(), 5);
    const QStringList red = read_line_texts(panel.display(), ReadOptions{true});
    EXPECT_FALSE(red.contains("-2 × -3 -2 + -3 = -5"));
    EXPECT_TRUE(lines.contains("-2 × -3 -2 + -3 = -5"));
    // The panel is as high as its listing, the surface 40 pixels lower.
    EXPECT_EQ(eq().Image3->height(), eq().GroupBox6->height() - 40);
    EXPECT_TRUE(sheet().contains("( x - 2 )( x - 3 ) = 0"));
}

TEST_F(EquationEdges, UndoBringsTheEquationBeforeBackOnce) {
    open(61);
    EXPECT_FALSE(eq().SpeedButton15->isVisibleTo(&w));
    seed_random(5);
    w.Button1Click();
    EXPECT_FALSE(eq().SpeedButton15->isVisibleTo(&w));
    const QStringList first = sheet();
    const int first_step = eq().quadratic().step;
    w.Button1Click();
    EXPECT_TRUE(eq().SpeedButton15->isVisibleTo(&w));
    eq().SpeedButton15Click();
    EXPECT_EQ(sheet(), first);
    EXPECT_EQ(eq().quadratic().step, first_step);
    EXPECT_FALSE(eq().SpeedButton15->isVisibleTo(&w));
    EXPECT_FALSE(eq().quadratic().can_undo());
    // An exercise worked to its end comes back as it was written, before
    // its coefficients were divided.
    start_quadratic(elementary_quadratic(3, 2, 5, 4, -2));
    const QStringList worked = sheet();
    work_to_end();
    start_quadratic(elementary_quadratic(1, 1, 2, 0, 0));
    ASSERT_TRUE(eq().quadratic().undo());
    EXPECT_EQ(sheet(), worked);
    EXPECT_EQ(eq().quadratic().e.b, 3 * (-2 - 5));
    // The first press hides it.
    w.Button1Click();
    EXPECT_TRUE(eq().SpeedButton15->isVisibleTo(&w));
    press();
    EXPECT_FALSE(eq().SpeedButton15->isVisibleTo(&w));
}

TEST_F(EquationEdges, StopHidesThePanelAndTheButtonsOfTheEquationTopics) {
    open(61);
    start_quadratic(elementary_quadratic(1, 2, 3, 0, 0));
    work_to_end();
    ASSERT_TRUE(eq().GroupBox6->isVisibleTo(&w));
    w.Button3Click();
    EXPECT_FALSE(eq().GroupBox6->isVisibleTo(&w));
    open(58);
    ASSERT_TRUE(eq().SpeedButton12->isVisibleTo(&w));
    w.Button3Click();
    EXPECT_FALSE(eq().SpeedButton12->isVisibleTo(&w));
    EXPECT_FALSE(eq().SpeedButton14->isVisibleTo(&w));
}

TEST_F(EquationEdges, ALevelChosenDuringAnExerciseWaitsForTheNext) {
    open(60);
    w.set_level(0);
    seed_random(11);
    w.Button1Click();
    press();
    const QStringList before = sheet();
    w.set_level(2);
    EXPECT_EQ(sheet(), before);
    work_to_end();
    // Level 1 draws every number below 6 in size.
    const RootEquation e = eq().roots().e;
    for (int v : {e.p, e.m, e.r})
        EXPECT_LT(std::abs(v), 6);
    EXPECT_LE(std::abs(e.q), 6);
}

TEST_F(EquationEdges, TheReferenceCardsOfPowers) {
    open(58);
    eq().SpeedButton12Click();
    TtekeningForm* card = explanation_window();
    EXPECT_FALSE(card->powers_table_mode);
    EXPECT_EQ(card->surface().width(), 420);
    EXPECT_TRUE(read_line_texts(card->surface().display()).contains(msg(2055)));
    eq().SpeedButton14Click();
    EXPECT_FALSE(card->root_notation_mode);
    EXPECT_EQ(card->surface().width(), 570);
    hide_explanation_window();
}

}  // namespace
}  // namespace cifrala::testing

namespace cifrala::testing {
namespace {

// x² = 9 ends with the root step; the card shown again after the second
// solution stands under the closing line, not over it.
TEST_F(EquationEdges, TheRootCardOfAnEvenPowerLeavesTheClosingLineFree) {
    open(58);
    w.show();
    start_power(PowerEquation{0, 1, 2, 9});
    press();
    ASSERT_TRUE(w.Button1->isVisibleTo(&w)) << "the first press took the root and ended";
    ASSERT_TRUE(explanation_window_visible());
    const Surface& s = w.surface();
    const int card_top = w.Image1->mapFromGlobal(explanation_window()->pos()).y();
    EXPECT_GE(card_top, s.cursor.y + s.text_height()) << "below the closing line";
    EXPECT_LT(card_top, s.height());
    hide_explanation_window();
}

}  // namespace
}  // namespace cifrala::testing
