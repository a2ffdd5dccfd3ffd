// The long division window: the edge cases of the written division, the
// chunk method, the previous exercise, own exercises, the pauses, and every
// level and method over many generated exercises.
#include <QSignalSpy>
#include <QTest>

#include "practice/long_division/long_division_fixture.h"

namespace cifrala::testing {
namespace {

using division_messages::kExact;
using division_messages::kRemainderIs;
using division_messages::kSheetFull;
using division_messages::kTooLongForSheet;

QString sep() {
    return QString(number_settings.decimal_separator);
}

TEST_F(LongDivisionFixture, OpensEmptyWithoutAStepAndTakesTopic42) {
    selection.topic_code = 17;
    w.start_showing();
    EXPECT_EQ(selection.topic_code, 42);
    EXPECT_EQ(w.windowTitle(), msg(division_messages::kTitle));
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.next_available());
    EXPECT_TRUE(w.surface().display().texts().empty());
}

TEST_F(LongDivisionFixture, SevenByNineWithoutDecimalsEndsAtOnceWithSevenNinths) {
    own(QStringLiteral("7"), QStringLiteral("9"));
    ASSERT_TRUE(w.step_available());
    EXPECT_TRUE(shows(w.surface(), QStringLiteral("7 : 9 = ?")));
    EXPECT_EQ(work_to_end(), 2);  // the layout, then the end
    EXPECT_EQ(w.worker().remainder, 7);
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.next_available());
    ASSERT_TRUE(w.GroupBox3->isVisibleTo(&w));
    EXPECT_EQ(w.GroupBox3Caption->text(), msg(division_messages::kResultCaption));
    const Surface& r = w.result_surface();
    EXPECT_TRUE(shows(r, QStringLiteral("7")));
    EXPECT_TRUE(shows(r, QStringLiteral("9")));
    // No common factor: no reduced form, no whole number.
    EXPECT_TRUE(r.display().find_texts(QStringLiteral(" = ")).empty());
    EXPECT_TRUE(shows(w.surface(), message(kRemainderIs, QStringLiteral("7"))));
}

TEST_F(LongDivisionFixture, SevenByNineWithDecimalsAddsASevenEachPress) {
    w.CheckBox2->setChecked(true);
    own(QStringLiteral("7"), QStringLiteral("9"));
    w.Button2Click();  // layout: no first piece, hint 6058
    EXPECT_TRUE(shows(w.surface(), message(6058, QStringLiteral("9"), QStringLiteral("7"))));
    w.Button2Click();  // quotient 0, product, remainder 7
    EXPECT_EQ(quotient_text(), QStringLiteral("0"));
    w.Button2Click();  // the comma and the 0 brought down
    EXPECT_TRUE(w.worker().past_comma);
    for (int k = 1; k <= 3; ++k) {
        w.Button2Click();  // next decimal
        EXPECT_EQ(quotient_text(), QStringLiteral("0") + sep() + QString(k, QLatin1Char('7')));
        w.Button2Click();  // the remainder
        w.Button2Click();  // bring down the next 0
    }
    EXPECT_FALSE(w.GroupBox3->isVisibleTo(&w));
    EXPECT_TRUE(inside(w.surface()));
}

TEST_F(LongDivisionFixture, OneHundredTwentyByFourBringsDownAZero) {
    own(QStringLiteral("120"), QStringLiteral("4"));
    w.Button2Click();
    EXPECT_TRUE(shows(w.surface(), message(6055, QStringLiteral("12"), QStringLiteral("12 : 4"))));
    work_to_end();
    EXPECT_EQ(quotient_text(), QStringLiteral("30"));
    EXPECT_EQ(w.worker().remainder, 0);
    EXPECT_TRUE(shows(w.surface(), message(kExact)));
    // The digit 0 was divided: 0 : 4 gives the quotient digit 0.
    EXPECT_TRUE(hint_was_shown(message(5247, QStringLiteral("0 : 4"))));
    EXPECT_TRUE(shows(w.result_surface(), QStringLiteral("30")));
}

TEST_F(LongDivisionFixture, ResultBoxReducesTheRemainderFraction) {
    own(QStringLiteral("14"), QStringLiteral("6"));
    work_to_end();
    const Surface& r = w.result_surface();
    // 14/6 = 2 2/6 = 2 1/3
    EXPECT_TRUE(shows(r, QStringLiteral("2")));
    EXPECT_TRUE(shows(r, QStringLiteral("1")));
    EXPECT_TRUE(shows(r, QStringLiteral("3")));
    EXPECT_EQ(r.display().find_texts(QStringLiteral(" = ")).size(), 2u);
    EXPECT_EQ(w.exercise(), (Division{14, 6}));
}

TEST_F(LongDivisionFixture, ChunksOf1234By5) {
    choose(Method::Chunks);
    own(QStringLiteral("1234"), QStringLiteral("5"));
    EXPECT_TRUE(shows(w.surface(), message(6059, QStringLiteral("1234"), QStringLiteral("5"))));
    work_to_end();
    const std::vector<qint64> expected{500, 500, 50, 50, 50, 50, 25, 5};
    EXPECT_EQ(w.chunk_worker().chunks, expected);
    EXPECT_EQ(w.chunk_worker().rest, 4);
    // Compared without blanks.
    QString all = w.surface().display().joined_text(QString());
    all.remove(QLatin1Char(' '));
    EXPECT_TRUE(all.contains(QStringLiteral("1234=5×(100+100+10+10+10+10+5+1)+4")))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("1234:5=246(") + msg(2309) + QStringLiteral("4)")));
    bool red_quotient = false;
    for (const DrawnText& t : w.surface().display().find_texts(QStringLiteral("246")))
        red_quotient = red_quotient || t.colour == QColor(Qt::red);
    EXPECT_TRUE(red_quotient);
    EXPECT_TRUE(shows(w.surface(), msg(practice_messages::kFinished)));
    EXPECT_FALSE(w.CheckBox3->isVisibleTo(&w));
}

TEST_F(LongDivisionFixture, ADivisionPastTheCommaEndsWithItsResult) {
    w.CheckBox2->setChecked(true);
    own(QStringLiteral("45"), QStringLiteral("2"));
    work_to_end();
    EXPECT_TRUE(w.next_available());
    EXPECT_TRUE(w.GroupBox3->isVisibleTo(&w));
    const QString comma(number_settings.decimal_separator);
    EXPECT_TRUE(shows(w.result_surface(), "22" + comma + "5"));
    EXPECT_EQ(w.result_surface().display().joined_text(QString()), "45 : 2 = 22" + comma + "5");
    const std::vector<DrawnHint> rows = w.surface().display().hints();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back().text, message(kExact));
    EXPECT_EQ(rows.back().row, 0);
}

TEST_F(LongDivisionFixture, AnOwnDividendTooLongForTheSheetIsRefusedUpFront) {
    const int fit = LongDivisionWorker::digits_that_fit(w.surface());
    ASSERT_GT(fit, 2);
    w.SpeedButton5Click();
    w.Edit2->setText(QStringLiteral("2147483647"));
    w.Edit1->setText(QStringLiteral("3"));
    EXPECT_FALSE(w.SpeedButton6->isEnabled());
    msg_param1 = QString::number(fit);
    EXPECT_EQ(w.Label5->text(), msg(kTooLongForSheet));
    // As many digits as fit are worked to the end without "the sheet is full".
    const QString longest = "1" + QString(fit, QLatin1Char('2'));
    w.Edit2->setText(longest);
    w.Edit1->setText(QStringLiteral("7"));
    ASSERT_TRUE(w.SpeedButton6->isEnabled());
    w.SpeedButton6Click();
    work_to_end();
    EXPECT_FALSE(hint_was_shown(message(kSheetFull)));
    EXPECT_EQ(w.worker().running_quotient, longest.toLongLong() / 7);
    EXPECT_EQ(w.worker().remainder, longest.toLongLong() % 7);
    // By chunks the same long dividend can be worked.
    choose(Method::Chunks);
    w.SpeedButton5Click();
    w.Edit2->setText(QStringLiteral("2147483647"));
    w.Edit1->setText(QStringLiteral("3"));
    EXPECT_TRUE(w.SpeedButton6->isEnabled());
}

TEST_F(LongDivisionFixture, TheChunkSummaryIsNeverWiped) {
    choose(Method::Chunks);
    for (const char* dividend : {"999999999", "987654321", "123456789", "77777777", "1000000"}) {
        for (const char* divisor : {"3", "7", "13", "97"}) {
            SCOPED_TRACE(std::string(dividend) + " : " + divisor);
            own(QLatin1String(dividend), QLatin1String(divisor));
            work_to_end();
            const qint64 n = QString(dividend).toLongLong(), d = QString(divisor).toLongLong();
            QString all = w.surface().display().joined_text(QString());
            all.remove(QLatin1Char(' '));
            // The three summary lines are there, whole, at the end.
            EXPECT_TRUE(all.contains(QString::number(n) + "=" + divisor + "×"))
                << all.toStdString();
            EXPECT_TRUE(
                all.contains(QString::number(n) + ":" + divisor + "=" + QString::number(n / d)))
                << all.toStdString();
            // Every line stays one line on the sheet: nothing runs past its right edge.
            for (const DrawnText& t : w.surface().display().texts())
                EXPECT_LE(t.rect.right(), w.surface().width()) << t.text.toStdString();
            EXPECT_TRUE(inside(w.surface()));
        }
    }
}

TEST_F(LongDivisionFixture, BothModeWritesPlaceValuesAndKeepsTheRunningResult) {
    choose(Method::Both);
    own(QStringLiteral("1583"), QStringLiteral("13"));
    w.Button2Click();
    w.Button2Click();  // first chunk: 100 with its zeros, product 1300
    EXPECT_TRUE(shows(w.surface(), QStringLiteral("100")));
    EXPECT_TRUE(shows(w.surface(), QStringLiteral("1300")));
    work_to_end();
    EXPECT_EQ(w.worker().running_quotient, 121);
    EXPECT_EQ(w.worker().remainder, 10);
    EXPECT_TRUE(shows(w.result_surface(), QStringLiteral("121")));
}

TEST_F(LongDivisionFixture, PreviousExerciseReplaysTheNumbersItStartedWith) {
    own(QStringLiteral("14"), QStringLiteral("6"));
    work_to_end();
    seed_random(5);
    w.Button1Click();
    const Division generated = w.exercise();
    ASSERT_TRUE(w.SpeedButton4->isVisibleTo(&w));
    ASSERT_TRUE(w.previous_exercise().has_value());
    EXPECT_EQ(*w.previous_exercise(), (Division{14, 6}));
    w.SpeedButton4Click();
    EXPECT_EQ(w.exercise(), (Division{14, 6}));
    EXPECT_FALSE(w.SpeedButton4->isVisibleTo(&w));
    EXPECT_TRUE(shows(w.surface(), QStringLiteral("14 : 6 =")));
    work_to_end();
    EXPECT_EQ(quotient_text(), QStringLiteral("2"));
    EXPECT_NE(generated, (Division{14, 6}));
}

TEST_F(LongDivisionFixture, FirstExerciseAfterOpeningOffersNoPrevious) {
    seed_random(3);
    w.Button1Click();
    EXPECT_FALSE(w.SpeedButton4->isVisibleTo(&w));
    w.Button1Click();
    EXPECT_TRUE(w.SpeedButton4->isVisibleTo(&w));
}

TEST_F(LongDivisionFixture, OwnExerciseNeedsTwoPositiveWholeNumbers) {
    // Either field may hold an expression with a whole value.
    w.SpeedButton5Click();
    ASSERT_TRUE(w.Panel4->isVisibleTo(&w));
    EXPECT_FALSE(w.SpeedButton6->isEnabled());
    struct Case {
        const char* dividend;
        const char* divisor;
        bool ok;
    };
    const Case cases[] = {{"12", "5", true},       {"12", "0", false},    {"0", "5", false},
                          {"-12", "5", false},     {"12", "-5", false},   {"12", "", false},
                          {"1,5", "2", false},     {"abc", "2", false},   {"100", "100", true},
                          {"3*7", "144/12", true}, {"2^40", "3", false},  {"1e999", "2", false},
                          {"7", "sqr(16)", true},  {"10-10", "3", false}, {"-", "3", false}};
    for (const Case& c : cases) {
        w.Edit2->setText(QString::fromLatin1(c.dividend));
        w.Edit1->setText(QString::fromLatin1(c.divisor));
        EXPECT_EQ(w.SpeedButton6->isEnabled(), c.ok) << c.dividend << " : " << c.divisor;
    }
    w.Edit2->setText(QStringLiteral("12"));
    w.Edit1->setText(QStringLiteral("0"));
    w.SpeedButton6Click();  // refused: nothing happens
    EXPECT_FALSE(w.step_available());
    w.Edit2->setText(QStringLiteral("2*6"));
    w.Edit1->setText(QStringLiteral("10/2"));
    w.SpeedButton6Click();
    EXPECT_TRUE(w.step_available());
    EXPECT_TRUE(shows(w.surface(), QStringLiteral("12 : 5 = ?")));
    EXPECT_FALSE(w.Panel4->isVisibleTo(&w));
    EXPECT_FALSE(w.SpeedButton5->isVisibleTo(&w));
    EXPECT_TRUE(w.CheckBox3->isVisibleTo(&w));
}

TEST_F(LongDivisionFixture, FullSheetStopsWithItsHint) {
    w.CheckBox2->setChecked(true);
    own(QStringLiteral("1"), QStringLiteral("7"));
    const int presses = work_to_end();
    EXPECT_LT(presses, 400);
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.next_available());
    EXPECT_TRUE(shows(w.surface(), msg(kSheetFull)));
    EXPECT_TRUE(inside(w.surface()));
    // The decimals written are those of 1/7.
    const QString digits = w.worker().decimal_digits;
    ASSERT_FALSE(digits.isEmpty());
    EXPECT_TRUE(QStringLiteral("142857142857142857").startsWith(digits)) << digits.toStdString();
}

TEST_F(LongDivisionFixture, StepStaysDisabledDuringThePauses) {
    w.set_pause_ms(40);
    own(QStringLiteral("64"), QStringLiteral("4"));
    w.Button2Click();  // the layout has no pause
    EXPECT_TRUE(w.step_available());
    w.Button2Click();  // quotient digit, cloud, pause, product, pause, remainder
    EXPECT_TRUE(w.busy());
    EXPECT_FALSE(w.Button2->isEnabled());
    EXPECT_TRUE(shows(w.surface(), QStringLiteral("1")));   // the digit comes first
    EXPECT_FALSE(shows(w.surface(), QStringLiteral("2")));  // the remainder not yet
    w.Button2Click();                                       // ignored while the step runs
    QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 2000);
    EXPECT_TRUE(w.Button2->isEnabled());
    EXPECT_TRUE(shows(w.surface(), QStringLiteral("4")));  // the product
    EXPECT_TRUE(shows(w.surface(), QStringLiteral("2")));  // the remainder 6 - 4
    EXPECT_EQ(w.worker().step, 2);
}

TEST_F(LongDivisionFixture, SlidingDigitEndsOnItsLine) {
    w.set_pause_ms(1);
    own(QStringLiteral("64"), QStringLiteral("4"));
    w.Button2Click();
    w.Button2Click();
    QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 2000);
    w.Button2Click();  // bring down the 4
    QTRY_VERIFY_WITH_TIMEOUT(!w.busy(), 3000);
    EXPECT_FALSE(w.Panel1->isVisibleTo(&w));
    // The 4 now stands twice: in the dividend's row it came from and below.
    const auto fours = w.surface().display().find_texts(QStringLiteral("4"));
    ASSERT_GE(fours.size(), 2u);
    EXPECT_GT(fours.back().pos.y(), LongDivisionWorker::kTopY);
    EXPECT_EQ(w.worker().step, 3);
}

TEST_F(LongDivisionFixture, LevelChangeWaitsForTheNextExercise) {
    seed_random(11);
    w.set_level(0);
    w.Button1Click();
    const Division first = w.exercise();
    w.set_level(2);
    w.option_click();
    EXPECT_EQ(w.exercise(), first);
    w.Button1Click();
    EXPECT_GE(w.exercise().divisor, 21);
}

// --- every level and method over many seeds ---

struct DivisionRun {
    int level;
    Method method;
    bool decimals;
};

std::string run_name(const DivisionRun& r) {
    const char* method = r.method == Method::Classic  ? "Classic"
                         : r.method == Method::Chunks ? "Chunks"
                                                      : "Both";
    return std::string(method) + "Level" + std::to_string(r.level) + (r.decimals ? "Decimals" : "");
}

void PrintTo(const DivisionRun& r, std::ostream* out) {
    *out << run_name(r);
}

class LongDivisionGenerated : public LongDivisionFixture,
                              public ::testing::WithParamInterface<DivisionRun> {};

TEST_P(LongDivisionGenerated, WorkedResultIsTheTrueQuotient) {
    const DivisionRun run = GetParam();
    const int divisor_min[3] = {2, 11, 21};
    const int divisor_max[3] = {9, 40, 219};
    choose(run.method);
    w.CheckBox2->setChecked(run.decimals);
    w.set_level(run.level);
    for (quint32 seed = 1; seed <= 40; ++seed) {
        seed_random(seed * 7919u + static_cast<quint32>(run.level));
        w.Button1Click();
        const Division d = w.exercise();
        ASSERT_GE(d.divisor, divisor_min[run.level]);
        ASSERT_LE(d.divisor, divisor_max[run.level]);
        ASSERT_GE(d.dividend, 11 * d.divisor);
        const int presses = work_to_end();
        ASSERT_LT(presses, 400) << d.dividend << " : " << d.divisor;
        ASSERT_TRUE(w.next_available());
        const qint64 q = d.dividend / d.divisor;
        const qint64 r = d.dividend % d.divisor;
        SCOPED_TRACE(QStringLiteral("%1 : %2").arg(d.dividend).arg(d.divisor).toStdString());
        if (run.method == Method::Chunks) {
            qint64 sum = 0;
            for (qint64 c : w.chunk_worker().chunks) {
                EXPECT_EQ(c % d.divisor, 0);
                sum += c / d.divisor;
            }
            EXPECT_EQ(sum, q);
            EXPECT_EQ(w.chunk_worker().rest, r);
            EXPECT_TRUE(shows(w.surface(), int_text(q)));
            continue;
        }
        EXPECT_TRUE(inside(w.surface()));
        if (run.method == Method::Classic) {
            const QString whole = quotient_text().section(sep(), 0, 0);
            EXPECT_EQ(whole, int_text(q));
        } else {
            EXPECT_EQ(w.worker().running_quotient, q);
        }
        if (!run.decimals || r == 0) {
            EXPECT_EQ(w.worker().remainder, r);
            EXPECT_TRUE(w.GroupBox3->isVisibleTo(&w));
            continue;
        }
        // Decimals: the true digits, never rounded up.
        const QString digits = w.worker().decimal_digits;
        qint64 rest = r;
        QString expected;
        for (qsizetype i = 0; i < digits.size(); ++i) {
            rest *= 10;
            expected += QString::number(rest / d.divisor);
            rest %= d.divisor;
        }
        EXPECT_EQ(digits, expected);
        if (run.method == Method::Classic) {
            EXPECT_EQ(quotient_text(), int_text(q) + sep() + expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryLevelAndMethod, LongDivisionGenerated,
    ::testing::Values(DivisionRun{0, Method::Classic, false},
                      DivisionRun{1, Method::Classic, false},
                      DivisionRun{2, Method::Classic, false}, DivisionRun{0, Method::Classic, true},
                      DivisionRun{2, Method::Classic, true}, DivisionRun{0, Method::Chunks, false},
                      DivisionRun{1, Method::Chunks, false}, DivisionRun{2, Method::Chunks, false},
                      DivisionRun{0, Method::Both, false}, DivisionRun{1, Method::Both, false},
                      DivisionRun{2, Method::Both, false}, DivisionRun{1, Method::Both, true}),
    [](const auto& info) { return run_name(info.param); });

TEST(LongDivisionExercise, ChooseChunk) {
    EXPECT_EQ(choose_chunk(1234, 5), 500);
    EXPECT_EQ(choose_chunk(234, 5), 50);
    EXPECT_EQ(choose_chunk(34, 5), 25);
    EXPECT_EQ(choose_chunk(9, 5), 5);
    EXPECT_EQ(choose_chunk(49, 5), 25);  // below ten divisors: five of them
    EXPECT_EQ(choose_chunk(14, 5), 10);  // below five: every whole one that fits
}

TEST(LongDivisionExercise, FirstPart) {
    const FirstPart a = first_part(QStringLiteral("1583"), 13);
    EXPECT_TRUE(a.exists);
    EXPECT_EQ(a.piece, QStringLiteral("15"));
    EXPECT_EQ(a.rest, QStringLiteral("83"));
    EXPECT_FALSE(first_part(QStringLiteral("7"), 9).exists);
    const FirstPart b = first_part(QStringLiteral("120"), 4);
    EXPECT_EQ(b.piece, QStringLiteral("12"));
    EXPECT_EQ(b.rest, QStringLiteral("0"));
}

}  // namespace
}  // namespace cifrala::testing
