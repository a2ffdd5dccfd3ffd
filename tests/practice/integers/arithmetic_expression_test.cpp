// Integer arithmetic, one rewriting at a time: the worked examples of the
// window, the three evaluators and their refusals, and the fractions the
// sheet writes for decimal values.
#include <gtest/gtest.h>

#include "practice/integers/arithmetic_expression.h"
#include "practice/integers/arithmetic_generator.h"

namespace cifrala {
namespace {

using namespace arithmetic_hints;

struct Step {
    QString expression;
    int hint;
};

// Every step from `start` until one number is left.
std::vector<Step> steps(const QString& start) {
    std::vector<Step> out;
    QString e = start;
    for (int i = 0; i < 50 && !is_one_number(e); ++i) {
        const Rewriting r = rewrite_once(e);
        if (!r.changed) break;
        out.push_back({r.expression, r.hint});
        e = r.expression;
    }
    return out;
}

const QString kSquareOfMinusThree = QStringLiteral("(") + kNegativeBase + QStringLiteral("3)^2");

TEST(Rewriting, PlusMinusBecomesMinusThenTheSumIsWorkedOut) {
    const std::vector<Step> s = steps(QStringLiteral("5+-3"));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].expression, QStringLiteral("5-3"));
    EXPECT_EQ(s[0].hint, kPlusMinus);
    EXPECT_EQ(s[1].expression, QStringLiteral("2"));
    EXPECT_EQ(s[1].hint, 0);
    EXPECT_TRUE(is_one_number(s[1].expression));
}

TEST(Rewriting, ABracketIsWorkedOutKeptThenRemoved) {
    const std::vector<Step> s = steps(QStringLiteral("6-(2-5)*3"));
    const std::vector<Step> expected = {{QStringLiteral("6-(-3)*3"), kBracketSum},
                                        {QStringLiteral("6--3*3"), kBracketsRemoved},
                                        {QStringLiteral("6+3*3"), kMinusMinus},
                                        {QStringLiteral("6+9"), kProduct},
                                        {QStringLiteral("15"), 0}};
    ASSERT_EQ(s.size(), expected.size());
    for (size_t i = 0; i < s.size(); ++i) {
        EXPECT_EQ(s[i].expression, expected[i].expression) << i;
        EXPECT_EQ(s[i].hint, expected[i].hint) << i;
    }
}

TEST(Rewriting, TheSquareOfANegativeNumberIsWorkedOutInOnePress) {
    const Rewriting r = rewrite_once(kSquareOfMinusThree);
    EXPECT_EQ(r.expression, QStringLiteral("9"));
    EXPECT_EQ(r.hint, kNegativeBasePower);
    // Typed with a plain minus the sign stays with the base as well.
    EXPECT_EQ(rewrite_once(QStringLiteral("(-3)^2")).expression, QStringLiteral("9"));
    EXPECT_EQ(rewrite_once(QStringLiteral("5-(-2)^3")).expression, QStringLiteral("5--8"));
    // Without brackets the minus does not belong to the base.
    EXPECT_EQ(rewrite_once(QStringLiteral("-3^2")).expression, QStringLiteral("-9"));
    EXPECT_EQ(rewrite_once(QStringLiteral("2+(4)^2")).expression, QStringLiteral("2+4^2"));
}

TEST(Rewriting, ASquareInsideAnotherBracketKeepsItsSign) {
    const QString e = QStringLiteral("7-(2+") + kSquareOfMinusThree + QStringLiteral(")");
    const std::vector<Step> s = steps(e);
    ASSERT_FALSE(s.empty());
    EXPECT_EQ(s[0].expression, QStringLiteral("7-(2+9)"));
    EXPECT_EQ(s.back().expression, QStringLiteral("-4"));
}

TEST(Rewriting, SevenDividedByTwoIsThreeAndAHalf) {
    const Rewriting r = rewrite_once(QStringLiteral("7/2"));
    EXPECT_EQ(r.expression, QStringLiteral("3.5"));
    EXPECT_EQ(r.hint, kProduct);
    qint64 p = 0, q = 0;
    ASSERT_TRUE(decimal_fraction(3.5, p, q));
    EXPECT_EQ(p, 7);
    EXPECT_EQ(q, 2);
}

TEST(Rewriting, ABracketThatBecomesZeroBeforeADivisionEndsTheExercise) {
    const std::vector<Step> s = steps(QStringLiteral("6/(3-3)"));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].expression, QStringLiteral("6/(0)"));
    EXPECT_EQ(s[1].expression, QStringLiteral("6/0"));
    const Rewriting r = rewrite_once(s[1].expression);
    EXPECT_TRUE(r.division_by_zero);
    EXPECT_EQ(r.hint, kDivisionByZero);
    EXPECT_FALSE(r.changed);
    // Inside a bracket as well.
    EXPECT_TRUE(rewrite_once(QStringLiteral("2+(5/(1-1))")).division_by_zero == false);
    EXPECT_TRUE(rewrite_once(QStringLiteral("2+(5/0)")).division_by_zero);
}

TEST(Rewriting, SignsAreSimplifiedEverywhereAtOnce) {
    EXPECT_EQ(rewrite_once(QStringLiteral("1--2--3")).expression, QStringLiteral("1+2+3"));
    Rewriting r = rewrite_once(QStringLiteral("1++2"));
    EXPECT_EQ(r.expression, QStringLiteral("1+2"));
    EXPECT_EQ(r.hint, kPlusPlus);
    r = rewrite_once(QStringLiteral("(1--2++3)*2"));
    EXPECT_EQ(r.expression, QStringLiteral("(1+2+3)*2"));
    EXPECT_EQ(r.hint, kBracketSigns);
}

TEST(Rewriting, PowersGoBeforeProductsAndProductsBeforeSums) {
    Rewriting r = rewrite_once(QStringLiteral("2+3*2^3"));
    EXPECT_EQ(r.expression, QStringLiteral("2+3*8"));
    EXPECT_EQ(r.hint, kPower);
    r = rewrite_once(QStringLiteral("(2+3*4)"));
    EXPECT_EQ(r.expression, QStringLiteral("(2+12)"));
    EXPECT_EQ(r.hint, kBracketProduct);
    r = rewrite_once(QStringLiteral("(2*3^2)"));
    EXPECT_EQ(r.expression, QStringLiteral("(2*9)"));
    EXPECT_EQ(r.hint, kBracketPower);
    // From left to right: 12 / 2 * 3 = 18, not 2.
    EXPECT_EQ(steps(QStringLiteral("12/2*3")).back().expression, QStringLiteral("18"));
    EXPECT_EQ(steps(QStringLiteral("10-4-3")).back().expression, QStringLiteral("3"));
}

TEST(Rewriting, TheInnermostBracketGoesFirst) {
    const Rewriting r = rewrite_once(QStringLiteral("2*(3+(4-6))"));
    EXPECT_EQ(r.expression, QStringLiteral("2*(3+(-2))"));
}

TEST(Evaluators, ASignInFrontBelongsToTheFirstNumber) {
    EXPECT_EQ(work_sum(QStringLiteral("-3+4+5")).text, QStringLiteral("1+5"));
    EXPECT_EQ(work_sum(QStringLiteral("-3-4")).text, QStringLiteral("-7"));
    EXPECT_EQ(work_product(QStringLiteral("-3*2+1")).text, QStringLiteral("-6+1"));
    // Not in the middle: 5 - 3 * -2 multiplies 3 by -2.
    EXPECT_EQ(work_product(QStringLiteral("5-3*-2")).text, QStringLiteral("5--6"));
    EXPECT_EQ(work_product(QStringLiteral("2/-4")).text, QStringLiteral("-0.5"));
}

TEST(Evaluators, PowersWithNegativeAndFractionalExponents) {
    EXPECT_EQ(work_power(QStringLiteral("2^-1")).text, QStringLiteral("0.5"));
    EXPECT_EQ(work_power(QStringLiteral("4^0.5")).text, QStringLiteral("2"));
    EXPECT_EQ(work_power(QStringLiteral("10^30")).result, Operation::Done);
    EXPECT_EQ(work_power(QStringLiteral("10^31")).result, Operation::Error);
    EXPECT_EQ(work_power(QStringLiteral("0^-1")).result, Operation::Error);
    EXPECT_EQ(work_power(QStringLiteral("1^99999999")).text, QStringLiteral("1"));
    // exp(300 * ln 10) is far beyond what is worked out.
    EXPECT_EQ(work_power(QStringLiteral("10^300.5")).result, Operation::Error);
}

TEST(Evaluators, MalformedOperandsAreErrorsAndChangeNothing) {
    for (const char* bad : {"3*", "*3", "1.2.3+1", "3+-.5", "5-+3", "+", "3^", "^3"}) {
        SCOPED_TRACE(bad);
        const QString e = QString::fromLatin1(bad);
        EXPECT_NE(work_sum(e).result, Operation::Done);
        EXPECT_NE(work_product(e).result, Operation::Done);
        EXPECT_NE(work_power(e).result, Operation::Done);
    }
    EXPECT_EQ(work_product(QStringLiteral("3/0.000001")).result, Operation::DivisionByZero);
    EXPECT_EQ(work_sum(QStringLiteral("2,5+1")).text, QStringLiteral("3.5"));
    const Rewriting r = rewrite_once(QStringLiteral("5-+3"));
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.expression, QStringLiteral("5-+3"));
}

TEST(Numbers, ResultsAreWrittenWithAPointAndNoExponent) {
    EXPECT_EQ(expression_number(0.25), QStringLiteral("0.25"));
    EXPECT_EQ(expression_number(1e20), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(expression_number(-1.0 / 3), QStringLiteral("-0.333333333333333"));
    EXPECT_EQ(engine_text(kSquareOfMinusThree), QStringLiteral("(-3)^2"));
}

TEST(Numbers, DecimalValuesHaveTheirFraction) {
    struct Case {
        double v;
        qint64 p, q;
    };
    // 1/21924 is beyond the eight decimals the calculator's conversion keeps.
    for (const Case c :
         {Case{0.5, 1, 2}, Case{1.0 / 3, 1, 3}, Case{2.75, 11, 4}, Case{1.0 / 21924, 1, 21924},
          Case{0.999999999999999, 1, 1}, Case{12.0 / 7, 12, 7}}) {
        qint64 p = 0, q = 0;
        ASSERT_TRUE(decimal_fraction(c.v, p, q)) << c.v;
        EXPECT_EQ(p, c.p) << c.v;
        EXPECT_EQ(q, c.q) << c.v;
    }
    qint64 p = 0, q = 0;
    EXPECT_FALSE(decimal_fraction(-0.5, p, q));
}

}  // namespace
}  // namespace cifrala
