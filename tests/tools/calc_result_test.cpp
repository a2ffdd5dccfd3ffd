// The calculator's fraction search and the texts it shows for a value.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cmath>

#include "expr/eval_text.h"
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

void expect_fraction(double value, qint64 p, qint64 q, bool exact) {
    const std::optional<CalcFraction> f = calculator_fraction(value);
    ASSERT_TRUE(f.has_value()) << value;
    EXPECT_EQ(f->p, p) << value;
    EXPECT_EQ(f->q, q) << value;
    EXPECT_EQ(f->exact, exact) << value;
}

TEST_F(CalcResultTest, FindsSimpleFractions) {
    const Fraction cases[] = {
        {0.75, 3, 4}, {0.5, 1, 2},   {1.0 / 3, 1, 3},   {2.0, 2, 1},  {3.5, 7, 2},
        {0.0, 0, 1},  {0.125, 1, 8}, {22.0 / 7, 22, 7}, {0.1, 1, 10}, {0.1 + 0.2, 3, 10},
    };
    for (const Fraction& c : cases)
        expect_fraction(c.value, c.p, c.q, true);
}

TEST_F(CalcResultTest, FractionsWithLargeDenominatorsAreFoundExactly) {
    // A rounding to 8 decimals and a relative tolerance used to pass these by
    // (1/300 gave 1667/500101, 10000000/7 gave 1428571 1/2).
    const Fraction cases[] = {
        {1.0 / 300, 1, 300},
        {1.0 / 210, 1, 210},
        {1.0 / 998, 1, 998},
        {10000000.0 / 7, 10000000, 7},
        {1.0 / 99999989, 1, 99999989},
        {12345.0 / 67891, 12345, 67891},
        {2000000000.0 / 3, 2000000000, 3},
        {15.0 / 128, 15, 128},
    };
    for (const Fraction& c : cases)
        expect_fraction(c.value, c.p, c.q, true);
}

TEST_F(CalcResultTest, ComputedValuesKeepTheirFraction) {
    // Values that come out of the engine with a rounding error of their own.
    const std::pair<const char*, std::pair<qint64, qint64>> cases[] = {
        {"1/3+1/6", {1, 2}},
        {"BinomPdf(10;0,5;3)", {15, 128}},
        {"sin(30)", {1, 2}},
        {"sqr(2)^2", {2, 1}},
        {"0,1*3", {3, 10}},
        {"1/7+1/11", {18, 77}},
        {"10000000/7", {10000000, 7}},
    };
    for (const auto& [text, fraction] : cases) {
        double v = 0;
        ASSERT_TRUE(eval_text(QString::fromLatin1(text), v)) << text;
        expect_fraction(v, fraction.first, fraction.second, true);
    }
}

TEST_F(CalcResultTest, ApproximationsAreMarked) {
    // The first fraction within a relative 10^-6.
    expect_fraction(0.3333333, 1, 3, false);
    expect_fraction(M_PI, 355, 113, false);
    expect_fraction(std::sqrt(2.0), 1393, 985, false);
    expect_fraction(2.0000001, 2, 1, false);
    const std::optional<CalcFraction> sin60 = calculator_fraction(std::sqrt(3.0) / 2);
    ASSERT_TRUE(sin60.has_value());
    EXPECT_FALSE(sin60->exact);
    EXPECT_LE(std::fabs(double(sin60->p) / double(sin60->q) - std::sqrt(3.0) / 2), 1e-6);
}

TEST_F(CalcResultTest, RefusesNegativeHugeAndNonFiniteValues) {
    EXPECT_FALSE(calculator_fraction(-0.5));
    EXPECT_FALSE(calculator_fraction(3e9));
    EXPECT_FALSE(calculator_fraction(std::nan("")));
    EXPECT_FALSE(calculator_fraction(INFINITY));
}

TEST_F(CalcResultTest, EveryValueIsAnsweredQuickly) {
    // The search follows the continued fraction: no walk through a hundred
    // million denominators, whatever the value.
    QElapsedTimer timer;
    timer.start();
    expect_fraction(2000000000.0, 2000000000, 1, true);
    for (double v : {M_E, 1e-9, 0.123456789012345, 2147483647.0, 1234567.891})
        calculator_fraction(v);
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST_F(CalcResultTest, WithExactRootsAnApproximationMustBeClose) {
    // 100/1 lies within a relative 10^-6 of this value, but 5 * 10^-5 away.
    const double v = 100 + 0.00005 * M_PI / 3;
    expect_fraction(v, 100, 1, false);
    number_settings.exact_roots = true;
    EXPECT_FALSE(calculator_fraction(v));
    // A typed value that is a fraction stays exact.
    expect_fraction(100.00005, 2000001, 20000, true);
    // 355/113 differs from pi by 2.7e-7: still close enough.
    EXPECT_TRUE(calculator_fraction(M_PI));
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
    const QString approx = QString(kApproximatelySign) + QLatin1Char(' ');
    EXPECT_EQ(calculator_result_text(14, false), QStringLiteral("14"));
    EXPECT_EQ(calculator_result_text(-3, false), QStringLiteral("-3"));
    EXPECT_EQ(calculator_result_text(1.0 / 3, false), QStringLiteral("0,33"));
    EXPECT_EQ(calculator_result_text(1.0 / 3, true), QStringLiteral("1/3"));
    EXPECT_EQ(calculator_result_text(-3.5, true), QStringLiteral("-3  1/2"));
    EXPECT_EQ(calculator_result_text(10000000.0 / 7, true), QStringLiteral("1428571  3/7"));
    EXPECT_EQ(calculator_result_text(1.0 / 998, true), QStringLiteral("1/998"));
    EXPECT_EQ(calculator_result_text(M_PI, true), approx + QStringLiteral("3  16/113"));
    EXPECT_EQ(calculator_result_text(std::sqrt(2.0), true), approx + QStringLiteral("1  408/985"));
    EXPECT_EQ(calculator_result_text(-M_PI, true), approx + QStringLiteral("-3  16/113"));
    EXPECT_EQ(calculator_result_text(0.3333333, true), approx + QStringLiteral("1/3"));
    // Rounded to 0 with 2 decimals: no lone minus sign.
    EXPECT_EQ(calculator_result_text(-0.001, false), QStringLiteral("0"));
}

}  // namespace
}  // namespace cifrala
