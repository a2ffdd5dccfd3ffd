// The large-number word problems (topics 54 and 55): the numbers, their
// powers-of-ten forms and the worked answer of every variant.
#include <QPushButton>

#include "practice/long_division/big_numbers.h"
#include "practice/long_division/long_division_fixture.h"

namespace cifrala::testing {
namespace {

using namespace big_number_messages;

QString sep() {
    return QString(number_settings.decimal_separator);
}

// "25,52" with exponent 9 back to 25 520 000 000, exactly.
qint64 value_of(const QString& text, int exponent) {
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    int decimals = 0;
    const qsizetype at = digits.indexOf(sep());
    if (at >= 0) {
        decimals = static_cast<int>(digits.size() - at - 1);
        digits.remove(at, 1);
    }
    qint64 v = digits.toLongLong();
    for (int i = decimals; i < exponent; ++i)
        v *= 10;
    return v;
}

qint64 power_of_ten(int z) {
    qint64 p = 1;
    while (z-- > 0)
        p *= 10;
    return p;
}

TEST(BigNumbers, StripZeros) {
    EXPECT_EQ(strip_zeros(2900).m, 29);
    EXPECT_EQ(strip_zeros(2900).z, 2);
    EXPECT_EQ(strip_zeros(8800000).m, 88);
    EXPECT_EQ(strip_zeros(8800000).z, 5);
    EXPECT_EQ(strip_zeros(7).z, 0);
    EXPECT_EQ(strip_zeros(0).m, 0);
    EXPECT_EQ(strip_zeros(0).z, 0);
}

TEST(BigNumbers, ExactDecimalNeverRounds) {
    EXPECT_EQ(exact_decimal(12345, 2), QStringLiteral("123") + sep() + QStringLiteral("45"));
    EXPECT_EQ(exact_decimal(45, 2), QStringLiteral("0") + sep() + QStringLiteral("45"));
    EXPECT_EQ(exact_decimal(1200, 2), QStringLiteral("12"));
    EXPECT_EQ(exact_decimal(5, -2), QStringLiteral("500"));
    EXPECT_EQ(exact_decimal(999999999, 9),
              QStringLiteral("0") + sep() + QStringLiteral("999999999"));
}

TEST(BigNumbers, MagnitudeWords) {
    const MagnitudeText m = big_number(8800000);
    EXPECT_EQ(m.exponent, 6);
    EXPECT_EQ(m.unit_message, 1990);
    EXPECT_EQ(big_number_with_unit(8800000),
              QStringLiteral("8") + sep() + QStringLiteral("8 ") + msg(1990));
    const MagnitudeText g = big_number(25520000000LL);
    EXPECT_EQ(g.exponent, 9);
    EXPECT_EQ(g.unit_message, 1991);
    EXPECT_EQ(value_of(g.text, g.exponent), 25520000000LL);
    EXPECT_EQ(big_number(2900).unit_message, 0);
}

TEST(BigNumbers, GeneratedNumbersAndTheirForms) {
    for (quint32 seed = 1; seed <= 400; ++seed) {
        seed_random(seed);
        const BigNumbersExercise e = generate_big_numbers(seed % 2 ? 54 : 55);
        ASSERT_GE(e.variant, 0);
        ASSERT_LE(e.variant, 2);
        ASSERT_EQ(e.a % 100000, 0);
        ASSERT_GE(e.a, 1100000);
        ASSERT_LE(e.a, 99900000);
        ASSERT_EQ(e.b % 100, 0);
        ASSERT_GE(e.b, 1100);
        ASSERT_LE(e.b, 99900);
        ASSERT_EQ(e.c, e.a * e.b);
        for (qint64 n : {e.a, e.b, e.c}) {
            const Stripped s = strip_zeros(n);
            EXPECT_NE(s.m % 10, 0);
            EXPECT_EQ(s.m * power_of_ten(s.z), n);
            const MagnitudeText t = big_number(n);
            EXPECT_EQ(value_of(t.text, t.exponent), n) << n;
        }
    }
}

// --- worked in the window ---

struct WordRun {
    int topic;
    int variant;
};

class WordProblems : public LongDivisionFixture, public ::testing::WithParamInterface<WordRun> {
protected:
    void open(const WordRun& r) {
        selection.topic_code = r.topic;
        w.hide_division_options();
        w.start_showing();
        w.set_forced_variant(r.variant);
    }
};

TEST_P(WordProblems, AnswerIsTheAskedQuantity) {
    const WordRun run = GetParam();
    open(run);
    EXPECT_EQ(w.windowTitle(), msg(run.topic == 54 ? 1988 : 1993));
    EXPECT_FALSE(w.SpeedButton5->isVisibleTo(&w));
    EXPECT_FALSE(w.step_available());
    for (quint32 seed = 1; seed <= 30; ++seed) {
        seed_random(seed);
        w.Button1Click();
        const BigNumbersExercise e = w.big_numbers_worker().exercise;
        ASSERT_EQ(e.topic, run.topic);
        ASSERT_EQ(e.variant, run.variant);
        ASSERT_TRUE(w.step_available());
        w.Button2Click();
        EXPECT_FALSE(w.next_available());  // hidden from the first step on
        const int presses = 1 + work_to_end(20);
        const int expected_steps = run.topic == 54 && run.variant == 2 ? 6 : 5;
        EXPECT_EQ(presses, expected_steps);
        EXPECT_TRUE(w.next_available());
        EXPECT_TRUE(shows(w.surface(), msg(practice_messages::kFinished)));
        EXPECT_TRUE(inside(w.surface()));

        const qint64 asked = run.variant == 0 ? e.a : run.variant == 1 ? e.b : e.c;
        if (run.variant == 2) {
            EXPECT_TRUE(shows(w.surface(), QStringLiteral(" = ") + big_number_with_unit(e.c)));
            // The mantissas multiplied, the exponents added.
            const Stripped sa = strip_zeros(e.a), sb = strip_zeros(e.b);
            EXPECT_EQ(sa.m * sb.m * power_of_ten(sa.z + sb.z), e.c);
            EXPECT_TRUE(shows(w.surface(), int_text(sa.z + sb.z)));
        } else {
            EXPECT_TRUE(
                shows(w.surface(), msg(kAnswer) + QLatin1Char(' ') + big_number_with_unit(asked)));
            // c's mantissa over the divisor's, times 10^(e - z), is the answer.
            const MagnitudeText c = big_number(e.c);
            const Stripped d = strip_zeros(run.variant == 0 ? e.b : e.a);
            EXPECT_EQ(asked * d.m * power_of_ten(d.z), e.c);
            const int t = c.exponent - d.z;
            EXPECT_TRUE(shows(w.surface(), exact_decimal(asked, t) + QStringLiteral("×10")));
        }
        if (run.topic == 54) {
            EXPECT_TRUE(shows(w.surface(),
                              msg(kAsked) + QLatin1Char(' ') + msg(asked_quantity_message(e))));
        }
    }
}

TEST_P(WordProblems, HintsOnlyInTopic55) {
    const WordRun run = GetParam();
    open(run);
    seed_random(9);
    w.Button1Click();
    for (int i = 0; i < 3; ++i)
        w.Button2Click();
    const int hint = run.variant == 2 ? kAddExponents : kSubtractExponents;
    EXPECT_EQ(shows(w.surface(), msg(hint)), run.topic == 55);
}

INSTANTIATE_TEST_SUITE_P(BothTopicsEveryVariant, WordProblems,
                         ::testing::Values(WordRun{55, 0}, WordRun{55, 1}, WordRun{55, 2},
                                           WordRun{54, 0}, WordRun{54, 1}, WordRun{54, 2}));

TEST(BigNumbers, QuantityMessagesFollowTheVariant) {
    BigNumbersExercise e{54, 0, 1100000, 2900, 1100000LL * 2900};
    EXPECT_EQ(asked_quantity_message(e), quantity_messages::kEmployment);
    e.variant = 1;
    EXPECT_EQ(asked_quantity_message(e), quantity_messages::kProductivity);
    e.variant = 2;
    EXPECT_EQ(asked_quantity_message(e), quantity_messages::kProduction);
    e.variant = 0;
    EXPECT_EQ(given_numbers(e).first, e.b);
    EXPECT_EQ(given_numbers(e).second, e.c);
    e.topic = 55;
    EXPECT_EQ(given_numbers(e).first, e.c);
    EXPECT_EQ(divided_by(e), e.b);
}

}  // namespace
}  // namespace cifrala::testing
