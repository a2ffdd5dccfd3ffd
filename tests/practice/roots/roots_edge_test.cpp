// "Wortels herleiden": the worked steps of every kind with both factoring
// methods, the hint area and its factorization, the pauses, and what the
// level and "Toon hint" do in the middle of an exercise.
#include <QSignalSpy>
#include <QTest>

#include "practice/common/step_sequence.h"
#include "practice/roots/roots_fixture.h"
#include "practice/roots/roots_style.h"
#include "practice/roots/roots_texts.h"
#include "util/random.h"

namespace cifrala::testing {
namespace {

using namespace roots_messages;

QString sep() {
    return QString(number_settings.decimal_separator);
}

TEST_F(RootsFixture, OpeningWritesNothingAndOffersOnlyANewExercise) {
    EXPECT_TRUE(w.surface().display().texts().empty());
    EXPECT_TRUE(w.hint_area().display().texts().empty());
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.next_available());
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
    w.Button1Click();
    EXPECT_TRUE(w.step_available());
    EXPECT_TRUE(w.GroupBox2->isVisibleTo(&w));
    // Before the first step a new exercise may be asked for; after it, not.
    EXPECT_TRUE(w.next_available());
    w.Button2Click();
    EXPECT_FALSE(w.next_available());
    EXPECT_TRUE(w.step_available());
}

TEST_F(RootsFixture, NoSquareFactorEndsAtTheFirstStepWithSquares) {
    for (int n : {6, 7, 10}) {
        SCOPED_TRACE(n);
        begin(2, n);
        EXPECT_EQ(hint(), msg(kFirstSquares));
        EXPECT_EQ(work_to_end(), 1);
        EXPECT_EQ(sheet(), QStringList({"V(" + QString::number(n) + ") =", msg(kSimplest)}));
        EXPECT_TRUE(w.next_available());
        EXPECT_EQ(area(), QStringList{QString::number(n) + " " + msg(1519)});
    }
}

TEST_F(RootsFixture, NoSquareFactorWithPrimeFactorsShowsNEqualsNAndNoPair) {
    primes(true);
    begin(4, 7);
    EXPECT_EQ(hint(), msg(kFirstPrimes));
    EXPECT_EQ(work_to_end(), 1);
    EXPECT_EQ(area(), QStringList({"7 = 7", msg(1557)}));
    EXPECT_EQ(sheet().last(), msg(kSimplest));
    begin(4, 10);
    work_to_end();
    EXPECT_EQ(area(), QStringList({"10 = 2×5", msg(1557)}));
}

TEST_F(RootsFixture, PerfectSquareWithSquaresEndsAtTheSecondStep) {
    for (int n : {36, 81, 4, 9}) {
        SCOPED_TRACE(n);
        begin(2, n);
        w.Button2Click();
        const QString root = QString::number(static_cast<int>(std::sqrt(n)));
        EXPECT_EQ(area(), QStringList({QString::number(n) + " " + msg(1546) + ":",
                                       QString::number(n) + " = " + root + "^2"}));
        EXPECT_TRUE(w.step_available());
        w.Button2Click();
        EXPECT_FALSE(w.step_available());
        EXPECT_EQ(sheet(), QStringList({"V(" + QString::number(n) + ") =", root}));
        EXPECT_EQ(hint(), msg(kSimplest));
    }
}

TEST_F(RootsFixture, PerfectSquareWithPrimeFactorsRunsAllFiveSteps) {
    primes(true);
    begin(2, 36);
    EXPECT_EQ(work_to_end(), 5);
    EXPECT_EQ(sheet(), QStringList({"V(36) =", "V(4 × 9) = V(4) × V(9) = 2 × 3 = 6"}));
    begin(2, 9);
    EXPECT_EQ(work_to_end(), 5);
    EXPECT_EQ(sheet().last(), "V(9) = V(9) = 3 = 3");
}

TEST_F(RootsFixture, SeventyTwoWithPrimeFactors) {
    primes(true);
    begin(1, 72);
    w.Button2Click();
    const QStringList factorization{"72 = 2×2×2×3×3", "= 2^3 × 3^2 = 2^2 × 3^2 × 2 = 4 × 9 × 2"};
    EXPECT_EQ(area(), factorization);
    EXPECT_EQ(hint(), msg(kFirstPrimes));
    w.Button2Click();
    EXPECT_EQ(sheet().last(), "V(4 × 9 × 2) =");
    // The factorization stays beside the second step's hint.
    EXPECT_EQ(area(), factorization);
    EXPECT_EQ(hint(), msg(kSplitRoot));
    w.Button2Click();
    EXPECT_EQ(hint(), msg(kRootsOfSquares));
    w.Button2Click();
    EXPECT_EQ(hint(), msg(kMultiplyWholes));
    w.Button2Click();
    EXPECT_FALSE(w.step_available());
    EXPECT_EQ(sheet(), QStringList({"V(72) =",
                                    "V(4 × 9 × 2) = V(4) × V(9) × V(2) = 2 × 3 × V(2) = 6 V(2)"}));
    EXPECT_EQ(hint(), msg(kSimplest));
}

TEST_F(RootsFixture, PrimeFactorsTakeASquareOutAsOftenAsItGoes) {
    primes(true);
    begin(2, 288);  // 2^5 x 3^2
    w.Button2Click();
    EXPECT_EQ(area(), QStringList({"288 = 2×2×2×2×2×3×3",
                                   "= 2^5 × 3^2 = 2^2 × 2^2 × 3^2 × 2 = 4 × 4 × 9 × 2"}));
    work_to_end();
    EXPECT_EQ(sheet_text(),
              "V(288) = V(4 × 4 × 9 × 2) = V(4) × V(4) × V(9) × V(2) = "
              "2 × 2 × 3 × V(2) = 12 V(2)");
}

TEST_F(RootsFixture, SeventyTwoWithSquares) {
    begin(1, 72);
    EXPECT_EQ(work_to_end(), 4);
    EXPECT_EQ(sheet(), QStringList({"V(72) =", "V(36 × 2) = V(36) × V(2) = 6 V(2)"}));
    begin(1, 72);
    w.Button2Click();
    EXPECT_EQ(area(), QStringList{"72 = 6^2 × 2 = 36 × 2"});
}

TEST_F(RootsFixture, TheMethodChosenMidwayTakesEffectAtTheNextStep) {
    begin(1, 72);
    w.Button2Click();
    w.Button2Click();
    EXPECT_EQ(sheet().last(), "V(36 × 2) =");
    primes(true);
    w.Button2Click();
    EXPECT_EQ(sheet().last(), "V(36 × 2) = V(4) × V(9) × V(2) =");
    EXPECT_EQ(work_to_end(), 2);
    EXPECT_EQ(sheet_text(), "V(72) = V(36 × 2) = V(4) × V(9) × V(2) = 2 × 3 × V(2) = 6 V(2)");
}

TEST_F(RootsFixture, KindThreeTakesFivePressesAndTheFifthOnlyEnds) {
    begin(3, 25, 9);
    EXPECT_EQ(sheet(), QStringList{"V(2 7/9) ="});
    EXPECT_EQ(hint(), msg(kMixedFirst));
    for (int i = 0; i < 4; ++i)
        w.Button2Click();
    EXPECT_TRUE(w.step_available());
    const QStringList before = sheet();
    EXPECT_EQ(before, QStringList{"V(2 7/9) = V(25/9) = (V(25))/(V(9)) = 5/3 = 1 2/3"});
    w.Button2Click();
    EXPECT_FALSE(w.step_available());
    EXPECT_EQ(sheet(), before);
    EXPECT_TRUE(w.next_available());
}

TEST_F(RootsFixture, KindFiveWithAnOddNumberOfDecimalsMultipliesByTen) {
    begin(5, 8, 10);
    EXPECT_EQ(sheet(), QStringList{"V(0" + sep() + "8) ="});
    EXPECT_EQ(hint(), msg(kDecimalFirst));
    w.Button2Click();
    EXPECT_EQ(hint(), msg(kOddDecimals));
    w.Button2Click();
    EXPECT_TRUE(sheet_text().contains("V(8/10) = V(80/100) = (V(80))/(V(100)) ="))
        << sheet_text().toStdString();
    EXPECT_EQ(hint(), msg(kSimplifyNumerator));
    EXPECT_EQ(area(), QStringList{"80 = 4^2 × 5 = 16 × 5"});
    work_to_end();
    EXPECT_TRUE(sheet_text().endsWith("(V(16 × 5))/(V(100)) = (4 V(5))/10 = 2/5 V(5)"))
        << sheet_text().toStdString();
}

TEST_F(RootsFixture, KindFiveWithAnEvenNumberOfDecimalsTakesTheRootsAtOnce) {
    begin(5, 2, 100);
    w.Button2Click();
    EXPECT_EQ(hint(), msg(kEvenDecimals));
    w.Button2Click();
    EXPECT_TRUE(sheet_text().contains("V(2/100) = (V(2))/(V(100)) ="))
        << sheet_text().toStdString();
    EXPECT_FALSE(sheet_text().contains("V(20/1000)"));
    work_to_end();
    // s = 1 and c = 10 share no factor: the fraction with the root ends it.
    EXPECT_TRUE(sheet_text().endsWith("(V(2))/10")) << sheet_text().toStdString();
}

TEST_F(RootsFixture, KindFiveOfASquareEndsInAMixedNumber) {
    begin(5, 225, 100);  // 2,25
    work_to_end();
    EXPECT_TRUE(sheet_text().endsWith("(V(225))/(V(100)) = 15/10 = 3/2 = 1 1/2"))
        << sheet_text().toStdString();
}

TEST_F(RootsFixture, KindSixReducesItsFractionFirst) {
    begin(6, 16, 6);  // 2 4/6
    EXPECT_EQ(sheet(), QStringList{"V(2 4/6) ="});
    w.Button2Click();
    EXPECT_EQ(sheet(), QStringList({"V(2 4/6) = V(16/6) =", "V(8/3) ="}));
    EXPECT_EQ(hint(), msg(kDenominatorNotSquare));
    w.Button2Click();
    // 8/3 = 24/9: the denominator is a square.
    EXPECT_EQ(sheet().last(), "V(8/3) = V(24/9) = (V(24))/3 =");
    EXPECT_EQ(hint(), msg(kSimplifyRootInNumerator));
    EXPECT_EQ(area(), QStringList{"24 = 2^2 × 6 = 4 × 6"});
    work_to_end();
    EXPECT_EQ(sheet_text(),
              "V(2 4/6) = V(16/6) = V(8/3) = V(24/9) = (V(24))/3 = (V(4 × 6))/3 = "
              "(2 V(6))/3 = 2/3 V(6)");
}

TEST_F(RootsFixture, KindSixWithoutASquareInTheNumeratorSkipsAStep) {
    begin(6, 15, 6);  // 5/2 times 3: 2 3/6
    w.Button2Click();
    w.Button2Click();
    EXPECT_EQ(sheet().last(), "V(5/2) = V(10/4) = (V(10))/2 =");
    EXPECT_EQ(work_to_end(), 1);
    EXPECT_EQ(sheet().last(), "V(5/2) = V(10/4) = (V(10))/2 = 1/2 V(10)");
}

TEST_F(RootsFixture, EveryKindSixExerciseReducesAtTheFirstStep) {
    seed_random(5);
    for (int i = 0; i < 60; ++i) {
        RootsExercise e = generate_roots_exercise(2);
        if (e.kind != 6) continue;
        SCOPED_TRACE(QStringLiteral("%1/%2").arg(e.P).arg(e.Q).toStdString());
        ASSERT_GT(gcd_ll(e.P, e.Q), 1);
        w.roots_mode().begin(e);
        w.Button2Click();
        const RootsWorker& k = w.roots_mode().roots_worker();
        EXPECT_EQ(gcd_ll(k.P, k.Q), 1);
        EXPECT_EQ(static_cast<long long>(k.P) * e.Q, static_cast<long long>(e.P) * k.Q);
        EXPECT_EQ(sheet().size(), 2);
    }
}

TEST_F(RootsFixture, PausesDisableTheStepButtonUntilTheyAreOver) {
    w.sequence().instant = false;
    begin(6, 16, 6);
    w.Button2Click();
    EXPECT_FALSE(w.step_available());
    EXPECT_EQ(sheet().size(), 1);  // the reduced fraction comes after the pause
    QSignalSpy done(&w.sequence(), &StepSequence::finished);
    ASSERT_TRUE(done.wait(3000));
    EXPECT_TRUE(w.step_available());
    EXPECT_EQ(sheet().size(), 2);
    // Page Down during the pauses of the next step does nothing.
    w.Button2Click();
    EXPECT_FALSE(w.step_available());
    const int step = w.step();
    w.Button2Click();
    EXPECT_EQ(w.step(), step);
    ASSERT_TRUE(done.wait(3000));
    EXPECT_TRUE(w.step_available());
}

TEST_F(RootsFixture, UntickingToonHintClearsTheAreaButTheFactorizationStillComes) {
    begin(1, 72);
    ASSERT_EQ(hint(), msg(kFirstSquares));
    w.CheckBox1->click();
    EXPECT_TRUE(w.hint_area().display().texts().empty());
    w.Button2Click();
    EXPECT_EQ(area(), QStringList{"72 = 6^2 × 2 = 36 × 2"});
    EXPECT_TRUE(hint().isEmpty());
    w.Button2Click();
    EXPECT_TRUE(hint().isEmpty());
    EXPECT_TRUE(w.hint_area().display().texts().empty());
    // Ticked again: the hint of the step to come.
    w.CheckBox1->click();
    EXPECT_EQ(hint(), msg(kSplitRoot));
}

TEST_F(RootsFixture, ChangingTheLevelMidwayLeavesTheExerciseAlone) {
    seed_random(11);
    w.set_level(0);
    w.Button1Click();
    const RootsExercise e = w.roots_mode().roots_worker().exercise;
    EXPECT_EQ(e.kind, 1);
    w.Button2Click();
    w.set_level(2);
    w.option_click();
    work_to_end();
    EXPECT_EQ(w.roots_mode().roots_worker().exercise.P, e.P);
    EXPECT_EQ(sheet().first(), "V(" + QString::number(e.P) + ") =");
    w.Button1Click();
    EXPECT_GE(w.roots_mode().roots_worker().exercise.kind, 4);
}

TEST_F(RootsFixture, LevelsDrawTheirKindsAndRanges) {
    seed_random(3);
    std::set<int> kinds[3];
    for (int level = 0; level < 3; ++level) {
        for (int i = 0; i < 300; ++i) {
            const RootsExercise e = generate_roots_exercise(level);
            kinds[level].insert(e.kind);
            switch (e.kind) {
                case 1: {
                    // a^2 * b with a and b in 2..11.
                    bool found = false;
                    for (int a = 2; a <= 11 && !found; ++a)
                        found = e.P % (a * a) == 0 && e.P / (a * a) >= 2 && e.P / (a * a) <= 11;
                    EXPECT_TRUE(found) << e.P;
                    break;
                }
                case 2:
                case 4:
                    EXPECT_GE(e.P, 2);
                    EXPECT_LE(e.P, 50 * 50 * 11);
                    break;
                case 3:
                    EXPECT_TRUE(is_perfect_square(e.P) && is_perfect_square(e.Q));
                    EXPECT_GT(e.P, e.Q);
                    EXPECT_NE(e.P % e.Q, 0);
                    EXPECT_EQ(gcd_ll(e.P, e.Q), 1);
                    break;
                case 5:
                    EXPECT_GE(e.Q, 10);
                    EXPECT_LE(e.Q, 100000);
                    EXPECT_NE(e.P % 10, 0);
                    break;
                case 6:
                    EXPECT_GT(e.P, e.Q);
                    EXPECT_NE(e.P % e.Q, 0);
                    EXPECT_GT(gcd_ll(e.P, e.Q), 1);
                    break;
            }
        }
    }
    EXPECT_EQ(kinds[0], std::set<int>({1}));
    EXPECT_EQ(kinds[1], std::set<int>({2, 3}));
    EXPECT_EQ(kinds[2], std::set<int>({4, 5, 6}));
}

TEST_F(RootsFixture, ALongHintIsWrittenSmallerUntilItFits) {
    begin(5, 8, 10);
    w.Button2Click();
    const auto hints = w.hint_area().display().hints();
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_EQ(hints[0].rect.top(), kWortelsHintY);
    EXPECT_LE(hints[0].rect.right(), w.hint_area().width());
    EXPECT_EQ(w.hint_area().font_size(), 16);
}

}  // namespace
}  // namespace cifrala::testing
