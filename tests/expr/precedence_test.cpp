// Precedence and associativity: prefix functions bind tightest, then "^",
// then "*" and "/", then "+" and "-", then the comparisons; every binary
// operator is left-associative.
#include "expr_fixture.h"

namespace cifrala::testing {
namespace {

class Precedence : public ExprTest {};

TEST_F(Precedence, ProductsBeforeSums) {
    EXPECT_EQ(value("2+3*4"), 14);
    EXPECT_EQ(value("2*3+4"), 10);
    EXPECT_EQ(value("10-6/2"), 7);
    EXPECT_EQ(value("2*3^2"), 18);
}

TEST_F(Precedence, LeftAssociativeOperators) {
    EXPECT_EQ(value("8/4/2"), 1);
    EXPECT_EQ(value("8-4-2"), 2);
    EXPECT_EQ(value("2^3^2"), 64);  // (2^3)^2
    EXPECT_EQ(value("2^-1^2"), 0.25);
    EXPECT_EQ(value("6:2*3"), 9);
    EXPECT_EQ(value("1-5+3"), -1);
}

TEST_F(Precedence, MinusSignAndPowers) {
    EXPECT_EQ(value("-2^2"), -4);
    EXPECT_EQ(value("(-2)^2"), 4);
    EXPECT_EQ(value("(-2)^3"), -8);
    EXPECT_EQ(value("-(-2)^2"), -4);
    EXPECT_EQ(value("2^-2"), 0.25);
    EXPECT_EQ(value("2*-3^2"), -18);
    EXPECT_EQ(value("2-(-1)^2"), 1);
    EXPECT_EQ(value("2^(-1)^2"), 0.25);
}

TEST_F(Precedence, SignsBeforeOperands) {
    EXPECT_EQ(value("5--3"), 8);
    EXPECT_EQ(value("5+-3"), 2);
    EXPECT_EQ(value("--5"), 5);
    EXPECT_EQ(value("2*-3"), -6);
    EXPECT_EQ(value("-2*-3"), 6);
    EXPECT_EQ(value("-(2+3)"), -5);
    EXPECT_EQ(value("3-(-5)"), 8);
    EXPECT_EQ(value("(3-(-5))"), 8);
    EXPECT_EQ(value("1----2"), 3);
}

TEST_F(Precedence, PrefixFunctionsTakeTheNextOperand) {
    EXPECT_EQ(value("sin30^2"), 0.25);
    EXPECT_EQ(value("sin(30)^2"), 0.25);
    EXPECT_EQ(value("sqr16^2"), 16);
    EXPECT_EQ(value("sqr(16)*2"), 8);
    EXPECT_EQ(value("-sqr4"), -2);
    EXPECT_EQ(value("2^sqr4"), 4);
    EXPECT_EQ(value("sin-30"), -0.5);
    EXPECT_EQ(value("2*-sin30"), -1);
    EXPECT_EQ(value("sqr(16+9)"), 5);
    EXPECT_EQ(value("sqr16+9"), 13);
}

TEST_F(Precedence, FunctionValuesAreWholeOperands) {
    EXPECT_EQ(value("sin(-30)^2"), 0.25);
    EXPECT_EQ(value("max(-2;-3)^2"), 4);
    EXPECT_EQ(value("3-max(-1;-2)"), 4);
}

TEST_F(Precedence, ChainsOfPrefixFunctions) {
    EXPECT_EQ(value("sqr sqr 16"), 2);
    EXPECT_EQ(value("cos sin 0"), 1);
    EXPECT_EQ(value("sin cos 0"), value("sin 1"));
    EXPECT_EQ(value("abs-sqr4"), 2);
}

TEST_F(Precedence, ComparisonsComeLast) {
    EXPECT_EQ(value("1+2<4"), 1);
    EXPECT_EQ(value("2*3=6"), 1);
    EXPECT_EQ(value("1<2<3"), 1);
    EXPECT_EQ(value("3>2>1"), 0);  // (3>2) = 1, and 1 > 1 is false
    EXPECT_EQ(value("1<2=1"), 1);
    EXPECT_EQ(value("3<-2+1"), 0);
    EXPECT_EQ(value("3>-x", 2), 1);
    EXPECT_EQ(value("-1=-1"), 1);
}

TEST_F(Precedence, ImplicitMultiplication) {
    EXPECT_EQ(value("2(3+4)"), 14);
    EXPECT_EQ(value("(1+2)(3+4)"), 21);
    EXPECT_EQ(value("(1+2)3"), 9);
    EXPECT_EQ(value("2x^2", 3), 18);
    EXPECT_EQ(value("x(x+1)", 3), 12);
    EXPECT_EQ(value("(x+1)x", 3), 12);
    EXPECT_EQ(value("3sqr16"), 12);
}

TEST_F(Precedence, ColonDividesAndUnderscoreIsAPoint) {
    EXPECT_EQ(value("7:2"), 3.5);
    EXPECT_EQ(value("2_5*2"), 5);
}

}  // namespace
}  // namespace cifrala::testing
