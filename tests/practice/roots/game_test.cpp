// "Maak kloppend": the exercises the game draws, how an answer is judged
// (the order of operations, rounding half to even, the clock running out),
// the score, and the game on its panel in the roots window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <set>

#include "expr/eval_text.h"
#include "formula/surface_pane.h"
#include "practice/roots/game_mode.h"
#include "practice/roots/game_panel.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_texts.h"
#include "text/messages.h"
#include "tools/tool_shortcuts.h"
#include "util/number_settings.h"
#include "util/random.h"
#include "util/selection.h"

namespace cifrala {
namespace {

using namespace game_messages;

// The value of the hidden sum by the expression engine.
double engine_value(const GameSum& s) {
    double v = 0;
    EXPECT_TRUE(eval_text(game_expression_text(s.a, s.op1, s.b, s.op2, s.c), v));
    return v;
}

// Every division in the sum, with × and : taken first, leaves no remainder.
bool divisions_exact(const GameSum& s) {
    const bool first_is_product = s.op1 == kTimes || s.op1 == kDivide;
    if (s.op1 == kDivide && s.a % s.b != 0) return false;
    if (s.op2 == kDivide) {
        const int left = !first_is_product ? s.b : s.op1 == kTimes ? s.a * s.b : s.a / s.b;
        if (left % s.c != 0) return false;
    }
    return true;
}

TEST(GameRules, EveryDrawnSumIsRightWholeAndNeverNegative) {
    for (int level = 0; level < 3; ++level) {
        seed_random(static_cast<quint32>(40 + level));
        const int range = level == 0 ? 12 : level == 1 ? 24 : 36;
        std::set<int> pairs;
        for (int i = 0; i < 3000; ++i) {
            const GameSum s = draw_game_sum(level);
            SCOPED_TRACE(game_solution_text(s).toStdString());
            for (int n : {s.a, s.b, s.c}) {
                ASSERT_GE(n, 1);
                ASSERT_LE(n, range);
            }
            ASSERT_GE(s.d, 0);
            ASSERT_TRUE(divisions_exact(s));
            ASSERT_EQ(engine_value(s), static_cast<double>(s.d));
            // No difference on the way is negative either.
            if (s.op1 == kMinus && s.op2 != kTimes && s.op2 != kDivide) {
                ASSERT_GE(s.a - s.b, s.op2 == kMinus ? 1 : 0);
            }
            pairs.insert(s.op1 * 4 + s.op2);
        }
        EXPECT_EQ(pairs.size(), 16u) << "level " << level;
    }
}

TEST(GameRules, TheAcceptabilityTableRefusesWhatIsNotWholeOrNegative) {
    EXPECT_EQ(acceptable_result(7, 2, 1, kDivide, kPlus), std::nullopt);     // 7 : 2
    EXPECT_EQ(acceptable_result(3, 5, 1, kMinus, kPlus), std::nullopt);      // 3 - 5 + 1
    EXPECT_EQ(acceptable_result(5, 5, 1, kMinus, kMinus), std::nullopt);     // 5 - 5 - 1
    EXPECT_EQ(acceptable_result(5, 3, 2, kMinus, kTimes), std::nullopt);     // 5 - 6
    EXPECT_EQ(acceptable_result(5, 1, 4, kPlus, kTimes), std::nullopt);      // b = 1
    EXPECT_EQ(acceptable_result(6, 1, 1, kPlus, kDivide), std::nullopt);     // c = 1
    EXPECT_EQ(acceptable_result(12, 3, 3, kDivide, kDivide), std::nullopt);  // 4 : 3
    EXPECT_EQ(acceptable_result(12, 3, 2, kDivide, kDivide), 2);
    EXPECT_EQ(acceptable_result(7, 7, 3, kDivide, kPlus), 4);
    EXPECT_EQ(acceptable_result(3, 4, 5, kPlus, kTimes), 23);
    EXPECT_EQ(acceptable_result(12, 3, 2, kTimes, kDivide), 18);
    EXPECT_EQ(acceptable_result(5, 5, 1, kMinus, kPlus), 1);
    EXPECT_EQ(acceptable_result(6, 5, 1, kMinus, kMinus), 0);
}

TEST(GameRules, SevenDividedBySevenPlusThreeIsFourAndMinusPlusIsWrong) {
    const GameSum s{7, 7, 3, kDivide, kPlus, 4};
    const GameVerdict wrong = judge_game(s, kMinus, kPlus, false);
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(wrong.value, 3);
    EXPECT_EQ(wrong.feedback, msg(kWrong) + "\n7-7+3 = 3\n" + msg(kSolution) + " \n7 : 7 + 3 = 4");
    const GameVerdict right = judge_game(s, kDivide, kPlus, false);
    EXPECT_TRUE(right.right);
    EXPECT_EQ(right.feedback, msg(kRight) + " \n7 : 7 + 3 = 4");
}

TEST(GameRules, AnotherChoiceWithTheSameValueIsRight) {
    const GameSum s{2, 2, 1, kPlus, kTimes, 4};               // 2 + 2 x 1
    EXPECT_TRUE(judge_game(s, kTimes, kTimes, false).right);  // 2 x 2 x 1
    EXPECT_TRUE(judge_game(s, kPlus, kDivide, false).right);  // 2 + 2 : 1
    EXPECT_FALSE(judge_game(s, kMinus, kTimes, false).right);
}

TEST(GameRules, AHalfIsRoundedToTheEvenNeighbour) {
    // 7 : 2 x 1 = 3.5 counts as 4; 9 : 2 x 1 = 4.5 counts as 4, not 5.
    EXPECT_TRUE(judge_game(GameSum{7, 2, 1, kMinus, kMinus, 4}, kDivide, kTimes, false).right);
    EXPECT_TRUE(judge_game(GameSum{9, 2, 1, kMinus, kMinus, 4}, kDivide, kTimes, false).right);
    EXPECT_FALSE(judge_game(GameSum{9, 2, 1, kMinus, kMinus, 5}, kDivide, kTimes, false).right);
    // 10 : 4 x 1 = 2.5 counts as 2.
    EXPECT_TRUE(judge_game(GameSum{10, 4, 1, kMinus, kMinus, 2}, kDivide, kTimes, false).right);
    // The unrounded value is what the pupil is shown.
    EXPECT_EQ(judge_game(GameSum{9, 2, 1, kMinus, kMinus, 6}, kDivide, kTimes, false).value, 4.5);
}

TEST(GameRules, TheClockByLevelAndChoiceAndItsColours) {
    EXPECT_EQ(clock_ticks(0, 0), 0);
    EXPECT_EQ(clock_ticks(0, 1), 100);
    EXPECT_EQ(clock_ticks(0, 2), 200);
    EXPECT_EQ(clock_ticks(1, 1), 150);
    EXPECT_EQ(clock_ticks(1, 2), 300);
    EXPECT_EQ(clock_ticks(2, 1), 200);
    EXPECT_EQ(clock_ticks(2, 2), 400);
    EXPECT_EQ(clock_colour(40, 100), QColor(0, 128, 0));
    EXPECT_EQ(clock_colour(41, 100), QColor(255, 0, 255));
    EXPECT_EQ(clock_colour(60, 100), QColor(255, 0, 255));
    EXPECT_EQ(clock_colour(61, 100), QColor(255, 0, 0));
}

TEST(GameRules, ThePercentageIsRoundedDown) {
    EXPECT_EQ(correct_text(2, 3, 66), msg(kCorrect) + " 2 ( = 66 %)");
    EXPECT_EQ(correct_text(0, 0, 0), msg(kCorrect) + " 0");
    EXPECT_EQ(attempts_text(3), msg(kAttempts) + " 3");
}

class GameWindow : public ::testing::Test {
protected:
    GameWindow() : game(w.game_mode()), p(*w.Panel5) {
        selection = SelectionValues{};
        selection.topic_code = 62;
        init_number_settings();
        w.start_showing();
    }
    void click(int place, int op) { p.operator_button(place, op)->click(); }

    TwortelsherleidenForm w;
    GameMode& game;
    GamePanel& p;
};

TEST_F(GameWindow, OpeningShowsThePanelWithItsCoverAndAScoreOfNothing) {
    EXPECT_EQ(w.mode(), &game);
    EXPECT_EQ(w.windowTitle(), msg(kTitle));
    EXPECT_TRUE(p.isVisibleTo(&w));
    EXPECT_TRUE(p.Panel8->isVisibleTo(&w));
    EXPECT_TRUE(p.SpeedButton24->isVisibleTo(&w));
    EXPECT_TRUE(p.Gauge1->isVisibleTo(&w));  // "Kort" is chosen
    EXPECT_EQ(p.Label17->text(), attempts_text(0));
    EXPECT_EQ(p.Label16->text(), msg(kCorrect) + " 0");
    EXPECT_EQ(w.Image1->height(), kRootsFullWorksheet);
    EXPECT_FALSE(w.Image2->isVisibleTo(&w));
    EXPECT_FALSE(w.CheckBox1->isVisibleTo(&w));
    // Nothing to choose before the first exercise.
    click(0, kPlus);
    click(1, kPlus);
    EXPECT_EQ(game.tally.attempts(), 0);
}

// The calculator would give the game away; the roots mode of the same
// window keeps it.
TEST_F(GameWindow, TheGameRefusesTheCalculatorAndTheRootsModeDoesNot) {
    EXPECT_TRUE(refuses_tool(&w, Tool::Calculator));
    EXPECT_FALSE(refuses_tool(&w, Tool::Keyboard));
    selection.topic_code = 22;
    w.start_showing();
    EXPECT_FALSE(refuses_tool(&w, Tool::Calculator));
}

TEST_F(GameWindow, ANewExerciseShowsTheNumbersAndStartsTheClock) {
    seed_random(8);
    p.SpeedButton24->click();
    EXPECT_FALSE(p.SpeedButton24->isVisibleTo(&w));
    EXPECT_FALSE(p.Panel8->isVisibleTo(&w));
    EXPECT_EQ(p.Label6->text(), QString::number(game.sum.a));
    EXPECT_EQ(p.Label7->text(), QString::number(game.sum.b));
    EXPECT_EQ(p.Label8->text(), QString::number(game.sum.c));
    EXPECT_EQ(p.Label9->text(), QString::number(game.sum.d));
    EXPECT_TRUE(p.Timer1->isActive());
    EXPECT_EQ(p.Timer1->interval(), 100);
    EXPECT_EQ(game.maximum, 100);
    EXPECT_EQ(p.Gauge1->maximum(), 100);
    // Page Up while the exercise waits for its answer starts no other.
    const GameSum before = game.sum;
    w.Button1Click();
    EXPECT_EQ(game.sum.a, before.a);
    EXPECT_TRUE(game.open);
}

TEST_F(GameWindow, BothPlacesFilledJudgeAtOnceAndAChoiceCanBeTakenBack) {
    game.start(GameSum{7, 7, 3, kDivide, kPlus, 4});
    click(1, kPlus);
    EXPECT_TRUE(p.Panel10->isVisibleTo(&w));
    EXPECT_EQ(p.Panel10->text(), "+");
    EXPECT_EQ(game.tally.attempts(), 0);
    p.Panel10->click();  // taken back
    EXPECT_FALSE(p.Panel10->isVisibleTo(&w));
    click(0, kDivide);
    EXPECT_EQ(p.Panel9->text(), ":");
    EXPECT_EQ(game.tally.attempts(), 0);
    click(1, kPlus);
    EXPECT_EQ(game.tally.attempts(), 1);
    EXPECT_EQ(game.tally.correct(), 1);
    EXPECT_FALSE(p.Timer1->isActive());
    EXPECT_TRUE(p.Label15->text().startsWith(msg(kRight)));
    EXPECT_TRUE(p.SpeedButton24->isVisibleTo(&w));
    // A judged exercise takes no further answers.
    click(0, kMinus);
    EXPECT_EQ(game.tally.attempts(), 1);
}

TEST_F(GameWindow, SevenDividedBySevenPlusThreeWithMinusIsCountedWrong) {
    game.start(GameSum{7, 7, 3, kDivide, kPlus, 4});
    click(0, kMinus);
    click(1, kPlus);
    EXPECT_EQ(game.tally.attempts(), 1);
    EXPECT_EQ(game.tally.correct(), 0);
    EXPECT_EQ(p.Label15->text(),
              msg(kWrong) + "\n7-7+3 = 3\n" + msg(kSolution) + " \n7 : 7 + 3 = 4");
}

TEST_F(GameWindow, TheClockRunsOutAndTheAttemptCountsAsWrong) {
    game.start(GameSum{3, 4, 5, kPlus, kTimes, 23});
    click(0, kPlus);
    for (int i = 0; i < game.maximum; ++i)
        game.Timer1Timer();
    EXPECT_EQ(game.tally.attempts(), 0);  // the last tick has not come yet
    EXPECT_EQ(p.Gauge1->value(), game.maximum);
    game.Timer1Timer();
    EXPECT_TRUE(game.timed_out);
    EXPECT_FALSE(p.Timer1->isActive());
    EXPECT_EQ(game.tally.attempts(), 1);
    EXPECT_EQ(game.tally.correct(), 0);
    EXPECT_EQ(p.Label15->text(), msg(kTimeUp) + "\n" + msg(kSolution) + " \n3 + 4 x 5 = 23");
    // Too late: the right operator no longer counts.
    click(1, kTimes);
    EXPECT_EQ(game.tally.attempts(), 1);
}

TEST_F(GameWindow, WithoutAClockThereIsNoBarAndNoTimer) {
    p.clock_buttons[0]->setChecked(true);
    p.SpeedButton24->click();
    EXPECT_FALSE(p.Gauge1->isVisibleTo(&w));
    EXPECT_FALSE(p.Timer1->isActive());
    EXPECT_EQ(game.maximum, 0);
}

TEST_F(GameWindow, TheLevelAndTheLongClockSetTheTime) {
    p.level_buttons[2]->setChecked(true);
    p.clock_buttons[2]->setChecked(true);
    seed_random(2);
    p.SpeedButton24->click();
    EXPECT_EQ(game.maximum, 400);
    for (int n : {game.sum.a, game.sum.b, game.sum.c})
        EXPECT_LE(n, 36);
}

TEST_F(GameWindow, TwoOfThreeRightShowsSixtySixPercent) {
    game.start(GameSum{1, 2, 3, kPlus, kPlus, 6});
    click(0, kPlus);
    click(1, kPlus);
    game.start(GameSum{1, 2, 3, kPlus, kPlus, 6});
    click(0, kMinus);
    click(1, kMinus);
    game.start(GameSum{2, 2, 2, kTimes, kTimes, 8});
    click(0, kTimes);
    click(1, kTimes);
    EXPECT_EQ(p.Label17->text(), msg(kAttempts) + " 3");
    EXPECT_EQ(p.Label16->text(), msg(kCorrect) + " 2 ( = 66 %)");
}

TEST_F(GameWindow, OpeningAgainStartsANewScoreAndStopClosesAndStopsTheClock) {
    game.start(GameSum{1, 2, 3, kPlus, kPlus, 6});
    click(0, kPlus);
    click(1, kPlus);
    game.start(GameSum{1, 2, 3, kPlus, kPlus, 6});
    ASSERT_TRUE(p.Timer1->isActive());
    p.button3->click();
    EXPECT_EQ(w.result(), 1);
    EXPECT_FALSE(p.Timer1->isActive());
    EXPECT_FALSE(p.isVisibleTo(&w));
    w.start_showing();
    EXPECT_EQ(game.tally.attempts(), 0);
    EXPECT_TRUE(p.Label15->text().isEmpty());
}

}  // namespace
}  // namespace cifrala
