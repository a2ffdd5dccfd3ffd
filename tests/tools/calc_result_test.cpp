// The calculator's fraction search and the texts it shows for a value.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cmath>

#include "support/number_settings_fixture.h"
#include "tools/calc_result.h"
#include "util/number_settings.h"

namespace cifrala {
namespace {

using CalcResultTest = testing::DefaultNumberSettings;

struct Fraction {
    double value;
    qint64 p, q;
};

TEST_F(CalcResultTest, FindsSimpleFractions) {
    const Fraction cases[] = {
        {0.75, 3, 4}, {0.5, 1, 2}, {1.0 / 3, 1, 3}, {0.3333333, 1, 3}, {2.0, 2, 1},
        {3.5, 7, 2},  {0.0, 0, 1}, {0.125, 1, 8},   {22.0 / 7, 22, 7}, {0.1, 1, 10},
    };
    for (const Fraction& c : cases) {
        qint64 p = -1, q = -1;
        ASSERT_TRUE(calculator_fraction(c.value, p, q)) << c.value;
        EXPECT_EQ(p, c.p) << c.value;
        EXPECT_EQ(q, c.q) << c.value;
    }
}

TEST_F(CalcResultTest, PiBecomesTheFirstFractionWithinTheTolerance) {
    qint64 p = 0, q = 0;
    ASSERT_TRUE(calculator_fraction(M_PI, p, q));
    EXPECT_EQ(p, 355);
    EXPECT_EQ(q, 113);
    EXPECT_EQ(fraction_result_text(p, q), QStringLiteral("3  16/113"));
}

TEST_F(CalcResultTest, RefusesNegativeHugeAndNonFiniteValues) {
    qint64 p = 0, q = 0;
    EXPECT_FALSE(calculator_fraction(-0.5, p, q));
    EXPECT_FALSE(calculator_fraction(3e9, p, q));
    EXPECT_FALSE(calculator_fraction(std::nan(""), p, q));
    EXPECT_FALSE(calculator_fraction(INFINITY, p, q));
}

TEST_F(CalcResultTest, LargeWholeValuesAreFoundAtOnce) {
    // Twice the value no longer fits in 32 bits; the search must not run
    // through all hundred million denominators.
    QElapsedTimer timer;
    timer.start();
    qint64 p = 0, q = 0;
    ASSERT_TRUE(calculator_fraction(2000000000.0, p, q));
    EXPECT_EQ(p, 2000000000);
    EXPECT_EQ(q, 1);
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST_F(CalcResultTest, WithExactRootsTheFractionMustBeClose) {
    // 100.00005 * 2 lies within a relative 10^-6 of 200, so the search stops
    // at 100/1, which is 5 * 10^-5 away.
    qint64 p = 0, q = 0;
    ASSERT_TRUE(calculator_fraction(100.00005, p, q));
    EXPECT_EQ(p, 100);
    EXPECT_EQ(q, 1);
    number_settings.exact_roots = true;
    EXPECT_FALSE(calculator_fraction(100.00005, p, q));
    // 355/113 differs from pi by 2.7e-7: still close enough.
    EXPECT_TRUE(calculator_fraction(M_PI, p, q));
}

TEST_F(CalcResultTest, FractionTexts) {
    EXPECT_EQ(fraction_result_text(0, 1), QStringLiteral("0"));
    EXPECT_EQ(fraction_result_text(5, 1), QStringLiteral("5"));
    EXPECT_EQ(fraction_result_text(1, 2), QStringLiteral("1/2"));
    EXPECT_EQ(fraction_result_text(7, 2), QStringLiteral("3  1/2"));
    number_settings.mixed_numbers = false;
    EXPECT_EQ(fraction_result_text(7, 2), QStringLiteral("7/2"));
}

TEST_F(CalcResultTest, ResultTexts) {
    EXPECT_EQ(calculator_result_text(14, false), QStringLiteral("14"));
    EXPECT_EQ(calculator_result_text(-3, false), QStringLiteral("-3"));
    EXPECT_EQ(calculator_result_text(1.0 / 3, false), QStringLiteral("0,33"));
    EXPECT_EQ(calculator_result_text(1.0 / 3, true), QStringLiteral("1/3"));
    EXPECT_EQ(calculator_result_text(-3.5, true), QStringLiteral("-3  1/2"));
    // Rounded to 0 with 2 decimals: no lone minus sign.
    EXPECT_EQ(calculator_result_text(-0.001, false), QStringLiteral("0"));
}

}  // namespace
}  // namespace cifrala
