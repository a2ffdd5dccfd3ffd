// Every error code with an input that produces it, the message table, and
// the order in which the reduction meets errors.
#include "expr_fixture.h"

namespace cifrala::testing {
namespace {

using namespace expr_error;

class Errors : public ExprTest {};

TEST_F(Errors, DivisionByNearZero) {
    EXPECT_EQ(error("1/0"), kDivisionByZero);
    EXPECT_EQ(error("1/0,000001"), kDivisionByZero);
    EXPECT_EQ(error("1/0,0000099"), kDivisionByZero);
    EXPECT_EQ(value("1/0,00001"), 100000);
    EXPECT_EQ(value("1/0,0001"), 10000);
    EXPECT_EQ(error("1/(x-2)", 2), kDivisionByZero);
}

TEST_F(Errors, NonWholePowerOfANonPositiveBase) {
    EXPECT_EQ(error("(-8)^(1/3)"), kNegativeBase);
    EXPECT_EQ(error("0^0,5"), kNegativeBase);
    EXPECT_EQ(value("(-8)^(3/3)"), -8);
    EXPECT_EQ(value("(-2)^2,000001"), 4);  // within 10^-5 of a whole exponent
}

TEST_F(Errors, OperatorWithoutLeftOperand) {
    EXPECT_EQ(error("2+*3"), kNoLeftOperand);
    EXPECT_EQ(error("2+^3"), kNoLeftOperand);
    EXPECT_EQ(error("^3"), kNoLeftOperand);
}

TEST_F(Errors, BadExponent) {
    EXPECT_EQ(error("2^"), kBadExponent);
    EXPECT_EQ(error("2^*3"), kBadExponent);
    EXPECT_EQ(error("2^,5"), kBadExponent);
}

TEST_F(Errors, FunctionWithoutOperand) {
    EXPECT_EQ(error("sin"), kBadFunctionOperand);
    EXPECT_EQ(error("sin+3"), kBadFunctionOperand);
    EXPECT_EQ(error("2*sqr"), kBadFunctionOperand);
    EXPECT_EQ(error("sin normal 5"), kBadFunctionOperand);
}

TEST_F(Errors, NumberSyntax) {
    EXPECT_EQ(error("1,5.5+1"), kTwoSeparators);
    EXPECT_EQ(error("2*1,2,3"), kTwoSeparators);
    EXPECT_EQ(error("2*-,5"), kMisplacedSeparator);
    EXPECT_EQ(error(",5*2"), kMisplacedSeparator);
    EXPECT_EQ(error("1,5.5"), kNotANumber);  // a lone number no pass reads
    EXPECT_EQ(value(",5"), 0.5);
    EXPECT_EQ(value("2,"), 2);
}

TEST_F(Errors, FunctionDomains) {
    EXPECT_EQ(error("tan(90)"), kTangentUndefined);
    EXPECT_EQ(error("tan(-270)"), kTangentUndefined);
    EXPECT_EQ(error("log0"), kLogOfNonPositive);
    EXPECT_EQ(error("log-1"), kLogOfNonPositive);
    EXPECT_EQ(error("log0,0000099"), kLogOfNonPositive);
    EXPECT_EQ(value("log0,00001"), -5);
    EXPECT_EQ(error("ln(0)"), kLnOfNonPositive);
    EXPECT_EQ(error("sqr(-1)"), kRootOfNegative);
    EXPECT_EQ(error("sqr(-0,0000001)"), kRootOfNegative);
    EXPECT_EQ(error("arcsin(1,1)"), kArcsinDomain);
    EXPECT_EQ(error("arccos(-2)"), kArccosDomain);
    EXPECT_EQ(error("fac(-1)"), kFactorialOfNegative);
    EXPECT_EQ(error("random(-1)"), kRandomNegative);
}

TEST_F(Errors, ResultsOutsideTheRangeOfReals) {
    EXPECT_EQ(error("exp(1000)"), kOutOfRange);
    EXPECT_EQ(error("fac(200)"), kOutOfRange);
    EXPECT_EQ(error("fac(171)"), kOutOfRange);
    EXPECT_EQ(error("sinh(1000)"), kOutOfRange);
    EXPECT_EQ(error("cosh(-1000)"), kOutOfRange);
    EXPECT_EQ(error("10^300*10^300"), kPowerTooLarge);  // the power guards itself first
    EXPECT_EQ(error("exp(700)*exp(700)"), kOutOfRange);
    EXPECT_EQ(error("exp(709)+exp(709)+exp(709)"), kOutOfRange);
    EXPECT_EQ(error("1" + QString(400, '0')), kOutOfRange);
    EXPECT_EQ(error("2+1" + QString(400, '0')), kOutOfRange);
    EXPECT_EQ(value("exp(-1000)"), 0);
}

TEST_F(Errors, MisplacedProductOrComparison) {
    EXPECT_EQ(error("3*"), kBadProductOperand);
    EXPECT_EQ(error("*3"), kBadProductOperand);
    EXPECT_EQ(error("2*+3"), kBadProductOperand);
    EXPECT_EQ(error("3<"), kBadProductOperand);
    EXPECT_EQ(error("<3"), kBadProductOperand);
}

TEST_F(Errors, MisplacedSum) {
    EXPECT_EQ(error("3+"), kBadSumOperand);
    EXPECT_EQ(error("(++3)"), kBadSumOperand);
    EXPECT_EQ(error("(1++2)"), kBadSumOperand);  // only the top level joins "++"
    EXPECT_EQ(value("1++2"), 3);
}

TEST_F(Errors, Parentheses) {
    EXPECT_EQ(error("3)"), kCloseWithoutOpen);
    EXPECT_EQ(error("(1))"), kCloseWithoutOpen);
    EXPECT_EQ(error("(3"), kOpenWithoutClose);
    EXPECT_EQ(error("((1)"), kOpenWithoutClose);
}

TEST_F(Errors, CurveBrackets) {
    EXPECT_EQ(error("]"), kBracketWithoutOpen);
    EXPECT_EQ(error("2+]"), kBracketWithoutOpen);
    EXPECT_EQ(error("[1]"), kBadCurveReference);  // no figure to refer to
    EXPECT_EQ(error("[7]"), kBadCurveReference);
    EXPECT_EQ(error("[x]"), kBadCurveReference);
}

TEST_F(Errors, PowerTooLarge) {
    EXPECT_EQ(error("0^-1"), kPowerTooLarge);
    EXPECT_EQ(error("0,000001^-1"), kPowerTooLarge);
    EXPECT_EQ(error("2^1000"), kPowerTooLarge);
    EXPECT_EQ(error("10^31"), kPowerTooLarge);
    EXPECT_EQ(error("(-10)^31"), kPowerTooLarge);
    EXPECT_EQ(error("10^100,5"), kPowerTooLarge);  // 100,5 ln 10 > 226
    EXPECT_EQ(value("10^30"), 1e30);
    EXPECT_EQ(value("0^0"), 1);
    EXPECT_EQ(value("1^1000000000000"), 1);
    EXPECT_EQ(value("0,5^1000000000000"), 0);
}

TEST_F(Errors, NotANumber) {
    EXPECT_EQ(error("abc"), kNotANumber);
    EXPECT_EQ(error(""), kNotANumber);
    EXPECT_EQ(error("normal(5)"), kNotANumber);
    EXPECT_EQ(error("fnint(5)"), kNotANumber);
    EXPECT_EQ(error("prt16"), kNotANumber);
    EXPECT_EQ(error("x2", 3), kNotANumber);
    EXPECT_EQ(evaluate_expression(QChar(), QChar(), "2x", 0, 0).error, kNotANumber);
}

TEST_F(Errors, ValueIsZeroAfterAnError) {
    const Evaluation e = eval("2+1/0");
    EXPECT_FALSE(e.ok());
    EXPECT_EQ(e.value, 0);
}

TEST_F(Errors, MessageNumbers) {
    const std::pair<int, int> table[] = {
        {0, 0},       {-1, 370},    {-2, 371},   {-3, 372},   {-4, 373},    {-5, 374},
        {-7, 375},    {-8, 376},    {-101, 361}, {-102, 362}, {-103, 363},  {-104, 364},
        {-105, 365},  {-106, 366},  {-107, 367}, {-108, 368}, {-109, 369},  {-110, 631},
        {-111, 1411}, {-120, 1400}, {-302, 377}, {-303, 378}, {-304, 379},  {-404, 380},
        {-501, 381},  {-502, 382},  {-503, 648}, {-504, 649}, {-599, 1050}, {-632, 632},
        {-1234, 630}, {-999, 383},  {-42, 383}};
    for (auto [code, message] : table)
        EXPECT_EQ(error_message_number(code), message) << code;
}

TEST_F(Errors, GroupsAreReducedInTheOrderOfTheirClosingBrackets) {
    EXPECT_EQ(error("(1/0)+3)"), kDivisionByZero);
    EXPECT_EQ(error("3)+(1/0)"), kCloseWithoutOpen);
    EXPECT_EQ(error("(1/0)+(3"), kDivisionByZero);
    EXPECT_EQ(error("(sqr(-1)+1)*(1/0)"), kRootOfNegative);
    EXPECT_EQ(error("(1/0)*(sqr(-1))"), kDivisionByZero);
}

TEST_F(Errors, PassesInOrderWithinAGroup) {
    EXPECT_EQ(error("1/0+(-1)^0,5"), kNegativeBase);  // powers before quotients
    EXPECT_EQ(error("1/0*sqr-1"), kRootOfNegative);   // prefix functions first
    EXPECT_EQ(error("2^*3*"), kBadExponent);
    EXPECT_EQ(error("1/0+"), kDivisionByZero);  // quotients before sums
}

TEST_F(Errors, PrefixFunctionsByLowestCodeFirst) {
    // sqr has a lower code than ln, log a lower code than ln.
    EXPECT_EQ(error("ln0+sqr-1"), kRootOfNegative);
    EXPECT_EQ(error("sqr-1+ln0"), kRootOfNegative);
    EXPECT_EQ(error("ln0+log0"), kLogOfNonPositive);
}

TEST_F(Errors, ListFunctionsAndCurvesComeFirst) {
    EXPECT_EQ(error("1/0+max()"), kListFunctionFailed);
    EXPECT_EQ(error("]+max()"), kListFunctionFailed);
    EXPECT_EQ(error("(1/0)+]"), kBracketWithoutOpen);
    EXPECT_EQ(error("(3+[9]"), kBadCurveReference);
}

}  // namespace
}  // namespace cifrala::testing
