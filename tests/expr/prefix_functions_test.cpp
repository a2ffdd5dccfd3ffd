// The prefix functions, in degrees and radians, with values from closed
// forms.
#include <cmath>

#include "expr_fixture.h"

namespace cifrala::testing {
namespace {

class PrefixFunctions : public ExprTest {
protected:
    // The value a result has after the engine writes it with 15 digits.
    static void expect_near15(const QString& typed, double exact) {
        EXPECT_NEAR(value(typed), exact, std::fabs(exact) * 1e-14 + 1e-300) << typed.toStdString();
    }
};

TEST_F(PrefixFunctions, TrigonometryInDegrees) {
    EXPECT_EQ(value("sin(30)"), 0.5);
    EXPECT_EQ(value("sin30"), 0.5);
    EXPECT_EQ(value("cos(60)"), 0.5);
    EXPECT_EQ(value("tan(45)"), 1);
    EXPECT_EQ(value("sin(180)"), 0);  // 1,2e-16 lies below the zero limit
    EXPECT_EQ(value("cos(0)^2+sin(0)^2"), 1);
    expect_near15("sin(60)", std::sqrt(3.0) / 2);
    expect_near15("tan(60)", std::sqrt(3.0));
    EXPECT_EQ(value("arcsin(0,5)"), 30);
    EXPECT_EQ(value("arccos(0,5)"), 60);
    EXPECT_EQ(value("arctan(1)"), 45);
    EXPECT_EQ(value("arctan(-1)"), -45);
    EXPECT_EQ(value("arccos(-1)"), 180);
}

TEST_F(PrefixFunctions, TrigonometryInRadians) {
    number_settings.radians = true;
    EXPECT_EQ(value("sin(pi/2)"), 1);
    EXPECT_EQ(value("cos(pi)"), -1);
    EXPECT_EQ(value("arcsin(1)"), 1.5707963267949);
    expect_near15("arctan(1)", M_PI / 4);
    EXPECT_EQ(value("tan(0)"), 0);
    EXPECT_EQ(error("tan(pi/2)"), expr_error::kTangentUndefined);
}

TEST_F(PrefixFunctions, Hyperbolic) {
    const double e = std::exp(1.0);
    expect_near15("sinh(1)", (e - 1 / e) / 2);
    expect_near15("cosh(1)", (e + 1 / e) / 2);
    expect_near15("tanh(0,5)", (e - 1) / (e + 1));
}

TEST_F(PrefixFunctions, ExponentialAndLogarithms) {
    EXPECT_EQ(value("exp(1)"), 2.71828182845905);
    EXPECT_EQ(value("ln(e)"), 1);
    EXPECT_EQ(value("exp(0)"), 1);
    expect_near15("ln(2)", 0.6931471805599453);
    EXPECT_EQ(value("log100"), 2);
    EXPECT_EQ(value("log 0,001"), -3);
    EXPECT_EQ(value("ln0,00001"), -11.5129254649702);
}

TEST_F(PrefixFunctions, RootAndAbsoluteValue) {
    EXPECT_EQ(value("sqr(16)"), 4);
    EXPECT_EQ(value("sqr(0)"), 0);
    EXPECT_EQ(value("sqr2"), 1.4142135623731);
    EXPECT_EQ(value("abs(-3,75)"), 3.75);
    EXPECT_EQ(value("abs 2"), 2);
}

TEST_F(PrefixFunctions, Entier) {
    EXPECT_EQ(value("entier(7,9)"), 7);
    EXPECT_EQ(value("entier(-7,9)"), -8);
    EXPECT_EQ(value("entier(-3)"), -3);
    EXPECT_EQ(value("entier(-3,000001)"), -3);  // within 10^-5 of -3
    EXPECT_EQ(value("entier(-3,0001)"), -4);
    EXPECT_EQ(value("entier(0,5)"), 0);
}

TEST_F(PrefixFunctions, Factorial) {
    EXPECT_EQ(value("fac(5)"), 120);
    EXPECT_EQ(value("fac(0)"), 1);
    EXPECT_EQ(value("fac(10)"), 3628800);
    EXPECT_EQ(value("fac(0,5)"), 0.886226925452758);  // sqrt(pi)/2
    expect_near15("fac(1,5)", 3 * std::sqrt(M_PI) / 4);
    expect_near15("fac(2,4)", 15 * std::sqrt(M_PI) / 8);  // rounded to 2,5
    EXPECT_EQ(value("fac(2,2)"), 2);                      // rounded to 2
    EXPECT_EQ(value("fac(2,25)"), 2);                     // a tie goes to the even half count
    expect_near15("fac(20)", 2432902008176640000.0);
    EXPECT_EQ(error("fac(-0,1)"), expr_error::kFactorialOfNegative);
}

TEST_F(PrefixFunctions, RandomIntegers) {
    for (int i = 0; i < 300; ++i) {
        const double r = value("random(6)");
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 6);
        ASSERT_EQ(r, std::floor(r));
    }
    EXPECT_EQ(value("random(0)"), 1);
    EXPECT_EQ(value("random(0,4)"), 1);
    EXPECT_EQ(value("random(1)"), 1);
    const double big = value("random(1000000000000000000000)");
    EXPECT_GE(big, 1);
    EXPECT_LE(big, 1e21);
}

TEST_F(PrefixFunctions, RandomFollowsTheSeed) {
    seed_random(9);
    const double a = value("random(1000)+random(1000)*1000");
    seed_random(9);
    EXPECT_EQ(value("random(1000)+random(1000)*1000"), a);
}

}  // namespace
}  // namespace cifrala::testing
