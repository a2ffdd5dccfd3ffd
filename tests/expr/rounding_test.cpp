// What the reduction by text implies for values: 15-digit intermediates, the
// zero limit, tiny mode for products, quotients and powers, tolerant
// comparisons, variables.
#include "expr_fixture.h"

namespace cifrala::testing {
namespace {

class Rounding : public ExprTest {};

TEST_F(Rounding, IntermediatesHaveFifteenDigits) {
    EXPECT_EQ(value("1/3*3"), 0.999999999999999);  // 1/3 is written as 0,333333333333333
    EXPECT_EQ(value("2/3"), 0.666666666666667);
    EXPECT_EQ(value("0,1+0,2"), 0.3);
    EXPECT_EQ(value("2^0,5*2^0,5"), 1.4142135623731 * 1.4142135623731 > 2 ? 2.00000000000001 : 2);
    EXPECT_EQ(value("sqr2"), 1.4142135623731);
}

TEST_F(Rounding, TypedNumbersKeepTheirDigits) {
    EXPECT_EQ(value("0,1234567890123456"), 0.1234567890123456);
    EXPECT_EQ(value("0,000000000000000001"), 1e-18);  // not written back: no zero limit
}

TEST_F(Rounding, ZeroLimitForSumsAndFunctions) {
    EXPECT_EQ(value("1-0,999999999999999999"), 0);
    EXPECT_EQ(value("10^-20+0"), 0);
    EXPECT_EQ(value("1+10^-15-1"), 0);
    EXPECT_EQ(value("sin(180)"), 0);
}

TEST_F(Rounding, TinyModeForProductsQuotientsAndPowers) {
    EXPECT_EQ(value("10^-20"), 1e-20);
    EXPECT_EQ(value("10^-20*1"), 1e-20);
    EXPECT_EQ(value("10^-20*10^20"), 1);
    EXPECT_EQ(value("1/10^20"), 1e-20);
    EXPECT_EQ(value("0,1^7"), 1e-7);
    EXPECT_EQ(value("10^-31*10^30"), 0);      // 10^-31 is below 10^-30
    EXPECT_FALSE(number_settings.tiny_mode);  // the setting is left alone
}

TEST_F(Rounding, TinyModeSwitchedOnByTheCaller) {
    number_settings.tiny_mode = true;
    EXPECT_EQ(value("10^-20+0"), 1e-20);
}

TEST_F(Rounding, ComparisonsUseTheTolerance) {
    EXPECT_EQ(value("3<4"), 1);
    EXPECT_EQ(value("4<3"), 0);
    EXPECT_EQ(value("3=3,000001"), 1);
    EXPECT_EQ(value("3=3,00002"), 0);
    EXPECT_EQ(value("3<3,000009"), 0);
    EXPECT_EQ(value("3<3,00002"), 1);
    EXPECT_EQ(value("3,000009>3"), 0);
    EXPECT_EQ(value("3,00002>3"), 1);
}

TEST_F(Rounding, VariablesAtTheEndAreWrittenOut) {
    EXPECT_EQ(value("x", 1.0 / 3), 0.333333333333333);
    EXPECT_EQ(value("x", 1e-20), 0);
    EXPECT_EQ(value("x*1", 1e-20), 1e-20);
    EXPECT_EQ(value("(x)", 2.5), 2.5);
}

TEST_F(Rounding, VariablesAndTheCache) {
    const QString t = normalised("x^2-3*x");
    for (int i = -5; i <= 5; ++i) {
        const double x = i;
        EXPECT_EQ(evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), t, x, x).value,
                  x * x - 3 * x);
    }
    EXPECT_EQ(evaluate_expression(QLatin1Char('x'), QLatin1Char('y'), "x-y", 5, 3).value, 2);
    EXPECT_EQ(evaluate_expression(QLatin1Char('X'), QLatin1Char('X'), "x+1", 5, 3).value, 6);
    // The same text read with another letter: x is no left operand then.
    EXPECT_EQ(evaluate_expression(QLatin1Char('t'), QLatin1Char('t'), "x+1", 5, 5).error,
              expr_error::kNoLeftOperand);
    EXPECT_EQ(evaluate_expression(QLatin1Char('t'), QLatin1Char('t'), "1+x", 5, 5).error,
              expr_error::kBadSumOperand);
    EXPECT_EQ(value("xx", 3), 9);
    EXPECT_EQ(value("-x^2", 3), -9);
    EXPECT_EQ(value("2^-x", 1), 0.5);
}

}  // namespace
}  // namespace cifrala::testing
