// Integer arithmetic in its window: what the worksheet shows line by line
// (every line read back and evaluated by the expression engine), the hints,
// "Antwoord", the options and their checks, and exercises the pupil types.
#include <QGroupBox>
#include <QLabel>
#include <cmath>

#include "practice/common/floating_panel.h"
#include "practice/integers/arithmetic_expression.h"
#include "practice/integers/arithmetic_generator.h"
#include "practice/integers/integers_fixture.h"
#include "util/format.h"
#include "util/random.h"

namespace cifrala {
namespace {

using namespace arithmetic_hints;
using namespace own_expression_messages;

class ArithmeticWindow : public testing::IntegersFixture {
protected:
    void SetUp() override { open(-1); }
};

TEST_F(ArithmeticWindow, EveryWrittenLineHasTheValueOfTheFirst) {
    for (int combination = 0; combination < 64; ++combination) {
        level(combination % 4);
        w.CheckBox5->setChecked(combination & 4);
        w.CheckBox6->setChecked(combination & 8);
        w.CheckBox7->setChecked(combination & 16);
        (combination & 32 ? w.RadioButton5 : w.RadioButton8)->setChecked(true);
        for (int seed = 1; seed <= 40; ++seed) {
            seed_random(static_cast<quint32>(100 * combination + seed));
            w.Button1Click();
            const QString expression = w.arithmetic().arithmetic_worker().expression();
            SCOPED_TRACE(expression.toStdString());
            const std::vector<QString> hints = work_to_end();
            EXPECT_FALSE(w.step_available());
            EXPECT_TRUE(w.next_available());
            const std::vector<ReadLine> read = lines();
            // Everything written stays above the frame line over the hint band
            // (the bottom 50 pixels).
            const int frame_line = w.surface().height() - 70;
            for (const DrawnText& t : w.surface().display().texts()) {
                if (t.rect.top() < w.surface().height() - 50) {
                    EXPECT_LT(t.rect.bottom(), frame_line) << t.text.toStdString();
                }
            }
            for (const DrawnFraction& f : w.surface().display().fractions())
                EXPECT_LT(f.rect.bottom(), frame_line) << f.top.toStdString();
            if (hints.empty() || hints.back() == msg(arithmetic_hints::kDivisionByZero)) continue;
            EXPECT_EQ(hints.back(), msg(1540));
            EXPECT_EQ(read.size(), hints.size() + 1);
            const std::optional<double> first = line_value(read.front());
            ASSERT_TRUE(first.has_value())
                << testing::IntegersFixture::engine_line(read.front()).toStdString();
            for (const ReadLine& l : read) {
                const std::optional<double> v = line_value(l);
                ASSERT_TRUE(v.has_value()) << l.text().toStdString();
                EXPECT_NEAR(*v, *first, 1e-9 * std::max(1.0, std::fabs(*first)))
                    << l.text().toStdString();
            }
            // The last line is one number, without " =".
            EXPECT_FALSE(read.back().text().contains(QLatin1Char('=')))
                << read.back().text().toStdString();
            for (size_t i = 0; i + 1 < read.size(); ++i)
                EXPECT_TRUE(read[i].text().endsWith(QLatin1Char('=')))
                    << read[i].text().toStdString();
        }
    }
}

TEST_F(ArithmeticWindow, SixMinusABracketTimesThreeShowsEveryHint) {
    own(QStringLiteral("6-(2-5)*3"));
    ASSERT_TRUE(w.step_available());
    EXPECT_EQ(lines().at(0).text(), QStringLiteral("6 - ( 2 - 5 ) × 3 ="));
    const std::vector<QString> hints = work_to_end();
    const std::vector<QString> expected = {msg(kBracketSum), msg(kBracketsRemoved),
                                           msg(kMinusMinus), msg(kProduct), msg(1540)};
    EXPECT_EQ(hints, expected);
    const std::vector<ReadLine> read = lines();
    ASSERT_EQ(read.size(), 6u);
    EXPECT_EQ(read[1].text(), QStringLiteral("6 - ( -3 ) × 3 ="));
    EXPECT_EQ(read[2].text(), QStringLiteral("6 - -3 × 3 ="));
    EXPECT_EQ(read[3].text(), QStringLiteral("6 + 3 × 3 ="));
    EXPECT_EQ(read[4].text(), QStringLiteral("6 + 9 ="));
    EXPECT_EQ(read[5].text(), QStringLiteral("15"));
}

TEST_F(ArithmeticWindow, FivePlusMinusThree) {
    own(QStringLiteral("5+-3"));
    EXPECT_EQ(work_to_end(), (std::vector<QString>{msg(kPlusMinus), msg(1540)}));
    ASSERT_FALSE(lines().empty());
    EXPECT_EQ(lines().back().text(), QStringLiteral("2"));
}

TEST_F(ArithmeticWindow, TheSquareOfMinusThreeIsWrittenWithItsBracketsAndWorkedInOnePress) {
    w.arithmetic().own_exercise(QStringLiteral("(") + kNegativeBase + QStringLiteral("3)^2"));
    const ReadLine first = lines().at(0);
    EXPECT_EQ(first.text(), QStringLiteral("( -3 )^2 ="));
    EXPECT_EQ(w.surface().display().superscripts().size(), 1u);
    EXPECT_EQ(work_to_end().size(), 1u);
    ASSERT_EQ(lines().size(), 2u);
    EXPECT_EQ(lines().back().text(), QStringLiteral("9"));
}

TEST_F(ArithmeticWindow, SevenDividedByTwoAsAMixedNumberOrAFraction) {
    own(QStringLiteral("7:2"));
    EXPECT_EQ(lines().at(0).text(), QStringLiteral("7 : 2 ="));
    work_to_end();
    ASSERT_EQ(lines().size(), 2u);
    ReadLine last = lines().back();
    ASSERT_EQ(last.tokens.size(), 2u);
    EXPECT_EQ(last.tokens[0].text.trimmed(), QStringLiteral("3"));
    EXPECT_EQ(last.tokens[1].kind, ReadToken::Fraction);
    EXPECT_EQ(last.tokens[1].top, QStringLiteral("1"));
    EXPECT_EQ(last.tokens[1].bottom, QStringLiteral("2"));

    w.RadioButton5->setChecked(true);  // "a / b"
    own(QStringLiteral("7/2"));
    work_to_end();
    ASSERT_EQ(lines().size(), 2u);
    last = lines().back();
    ASSERT_EQ(last.tokens.size(), 1u);
    EXPECT_EQ(last.tokens[0].kind, ReadToken::Fraction);
    EXPECT_EQ(last.tokens[0].top, QStringLiteral("7"));
    EXPECT_EQ(last.tokens[0].bottom, QStringLiteral("2"));
}

TEST_F(ArithmeticWindow, AProductBeforeABracketShowsItsSignOnlyAfterAFraction) {
    own(QStringLiteral("2(3+4)"));
    EXPECT_EQ(lines().at(0).text(), QStringLiteral("2 ( 3 + 4 ) ="));
    own(QStringLiteral("1,5(3+4)"));
    EXPECT_EQ(lines().at(0).text(), QStringLiteral("1 1/2 × ( 3 + 4 ) ="));
    w.CheckBox7->setChecked(true);  // primary-school level
    own(QStringLiteral("2(3+4)"));
    EXPECT_EQ(lines().at(0).text(), QStringLiteral("2 × ( 3 + 4 ) ="));
}

TEST_F(ArithmeticWindow, ABracketThatBecomesZeroBeforeADivisionEndsWithItsHint) {
    w.arithmetic().own_exercise(QStringLiteral("6/(3-3)"));
    const std::vector<QString> hints = work_to_end();
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(hints.back(), msg(arithmetic_hints::kDivisionByZero));
    EXPECT_FALSE(w.Button2->isVisibleTo(&w));
    EXPECT_TRUE(w.next_available());
}

TEST_F(ArithmeticWindow, PrimarySchoolLevelWithPowersBecomesMultiplying) {
    level(3);
    w.CheckBox7->setChecked(true);
    w.CheckBox7Click();
    EXPECT_TRUE(w.RadioButton2->isChecked());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.texts().at(0), msg(1767));
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
    // Also when the powers are chosen again and a new exercise is asked.
    level(3);
    w.Button1Click();
    EXPECT_TRUE(w.RadioButton2->isChecked());
    EXPECT_EQ(messages.count(), 2);
    EXPECT_FALSE(w.arithmetic().arithmetic_worker().expression().contains('^'));
    w.CheckBox7->setChecked(false);
    w.CheckBox7Click();
    EXPECT_TRUE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_EQ(messages.count(), 2);
}

TEST_F(ArithmeticWindow, AnswerShowsTheValueUntilTheFirstStep) {
    own(QStringLiteral("7/2+1"));
    ASSERT_TRUE(w.Button7->isVisibleTo(&w));
    w.Button7Click();
    EXPECT_TRUE(w.Groupbox5->isVisibleTo(&w));
    EXPECT_EQ(w.Label44->text(), format_real(4.5));
    w.Button2Click();
    EXPECT_FALSE(w.Button7->isVisibleTo(&w));
    EXPECT_FALSE(w.Groupbox5->isVisibleTo(&w));
    EXPECT_FALSE(w.Button1->isVisibleTo(&w));
}

TEST_F(ArithmeticWindow, AnOwnExerciseThatIsNotWorkableIsRefusedWithItsReason) {
    struct Case {
        QString typed;
        int message;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("sin(30)+1"), kOnlyNumbers},
        {QStringLiteral("2x+1"), kOnlyNumbers},
        {QStringLiteral("pi*2"), kOnlyNumbers},
        {QStringLiteral("sqr(16)"), kOnlyNumbers},
        {QString(500, QLatin1Char('9')), kTooLong},
        {QStringLiteral("1") + QStringLiteral("+1").repeated(29), kTooLong},
        {QStringLiteral("(2+3"), kBrackets},
        {QStringLiteral("2+3)*(4"), kBrackets},
        {QStringLiteral("2^1.5"), kExponent},
        {QStringLiteral("2^(1+1)"), kExponent},
        {QStringLiteral("2^3^2"), kExponent},
        {QStringLiteral("1/0"), own_expression_messages::kDivisionByZero},
        {QStringLiteral("999999999999*9"), kTooLarge},
        {QStringLiteral("5-+3"), kNotReadable},
        {QStringLiteral("(+3)*2"), kCannotWork},
    };
    own(QStringLiteral("1+2"));
    const std::vector<DrawnItem> before = w.surface().display().items();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        messages.clear();
        w.SpeedButton2Click();
        w.Edit1->setText(c.typed);
        EXPECT_FALSE(w.SpeedButton6->isEnabled());
        EXPECT_TRUE(w.Label45->isVisibleTo(&w));
        EXPECT_EQ(w.Label45->text(), msg(c.message));
        w.SpeedButton6Click();
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.texts().at(0), msg(c.message));
        EXPECT_EQ(w.surface().display().size(), before.size());
    }
}

TEST_F(ArithmeticWindow, AnOwnExerciseIsWorkedToTheEnd) {
    for (const char* typed : {"6 - (2 - 5) * 3", "2(3+4)", "-4*(3+2)^2", "7:2", "1,5+2,25",
                              "((1+2)*(3-5))^2", "-(2+3)", "2^-2", "12"}) {
        SCOPED_TRACE(typed);
        w.SpeedButton2Click();
        w.Edit1->setText(QString::fromUtf8(typed));
        EXPECT_TRUE(w.SpeedButton6->isEnabled()) << w.Label45->text().toStdString();
        w.SpeedButton6Click();
        EXPECT_FALSE(w.Panel4->isVisibleTo(&w));
        const std::vector<QString> hints = work_to_end();
        EXPECT_LT(hints.size(), 30u);
        EXPECT_EQ(read_hint(w.surface().display()), msg(1540));
        EXPECT_TRUE(w.next_available());
        double typed_value = 0;
        ASSERT_TRUE(eval_text(QString::fromUtf8(typed).replace(':', '/'), typed_value));
        ASSERT_FALSE(lines().empty());
        const std::optional<double> last = line_value(lines().back());
        ASSERT_TRUE(last.has_value());
        EXPECT_NEAR(*last, typed_value, 1e-9);
    }
}

TEST_F(ArithmeticWindow, ANewExerciseHidesTheOwnFieldAndTheAnswer) {
    w.SpeedButton2Click();
    EXPECT_TRUE(w.Panel4->isVisibleTo(&w));
    w.Button1Click();
    EXPECT_FALSE(w.Panel4->isVisibleTo(&w));
    EXPECT_TRUE(w.Button7->isVisibleTo(&w));
    EXPECT_TRUE(w.step_available());
    EXPECT_EQ(read_hint(w.surface().display()), QString());
}

TEST_F(ArithmeticWindow, TheHintBandIsClearedAlsoWithoutHints) {
    own(QStringLiteral("5+-3"));
    w.Button2Click();
    EXPECT_EQ(read_hint(w.surface().display()), msg(kPlusMinus));
    w.hint_check->setChecked(false);
    w.Button2Click();
    EXPECT_EQ(read_hint(w.surface().display()), QString());
}

}  // namespace
}  // namespace cifrala
