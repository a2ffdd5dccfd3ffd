// The readers of typed answers.
#include "expr/eval_text.h"
#include "expr_fixture.h"
#include "util/format.h"

namespace cifrala::testing {
namespace {

class EvalText : public ExprTest {};

TEST_F(EvalText, PlainAndTypedExpressions) {
    double v = -1;
    EXPECT_TRUE(eval_text(" 3 / 4 ", v));
    EXPECT_EQ(v, 0.75);
    EXPECT_TRUE(eval_text("2*5", v));
    EXPECT_EQ(v, 10);
    EXPECT_TRUE(eval_text("sqr(16)", v));
    EXPECT_EQ(v, 4);
    EXPECT_TRUE(eval_text("2,5", v));
    EXPECT_EQ(v, 2.5);
    EXPECT_TRUE(eval_text("2.5", v));
    EXPECT_EQ(v, 2.5);
    EXPECT_TRUE(eval_text("-7", v));
    EXPECT_EQ(v, -7);
}

TEST_F(EvalText, LoneMinusAndEmptyText) {
    double v = -1;
    EXPECT_TRUE(eval_text("-", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(eval_text(" - ", v));
    EXPECT_FALSE(eval_text("", v));
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(eval_text(" ", v));
    EXPECT_TRUE(is_valid_expression("-"));
    EXPECT_FALSE(is_valid_expression(""));
}

TEST_F(EvalText, FailureLeavesTheCode) {
    double v = 5;
    EXPECT_FALSE(eval_text("1/0", v));
    EXPECT_EQ(v, 0);
    EXPECT_EQ(last_evaluation_error(), expr_error::kDivisionByZero);
    EXPECT_EQ(last_error_code(), expr_error::kDivisionByZero);
    // No variables here: the letter before "+" is no left operand.
    EXPECT_FALSE(eval_text("x+1", v));
    EXPECT_EQ(last_evaluation_error(), expr_error::kNoLeftOperand);
    EXPECT_FALSE(eval_text("x", v));  // a lone letter does not convert
    EXPECT_EQ(last_evaluation_error(), expr_error::kNotANumber);
    EXPECT_TRUE(eval_text("1", v));
    EXPECT_EQ(last_evaluation_error(), 0);
    EXPECT_FALSE(is_valid_expression("3*"));
    EXPECT_EQ(last_evaluation_error(), expr_error::kBadProductOperand);
}

TEST_F(EvalText, FunctionMessageOfTheLastCall) {
    double v;
    EXPECT_FALSE(eval_text("max()", v));
    EXPECT_EQ(last_evaluation_error(), expr_error::kListFunctionFailed);
    EXPECT_EQ(function_message_number(), 1247);
    EXPECT_FALSE(eval_text("1/0", v));
    EXPECT_EQ(function_message_number(), 0);  // reset by every evaluation
}

TEST_F(EvalText, IntegerReader) {
    int n = -1;
    EXPECT_TRUE(eval_text_int("7/2", n));
    EXPECT_EQ(n, 4);
    EXPECT_TRUE(eval_text_int("2,5", n));
    EXPECT_EQ(n, 2);  // ties to even
    EXPECT_TRUE(eval_text_int("3,5", n));
    EXPECT_EQ(n, 4);
    EXPECT_TRUE(eval_text_int("-2,5", n));
    EXPECT_EQ(n, -2);
    EXPECT_TRUE(eval_text_int("-", n));
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(eval_text_int("2147483647", n));
    EXPECT_EQ(n, 2147483647);
    EXPECT_TRUE(eval_text_int("-2147483648", n));
    EXPECT_EQ(n, -2147483647 - 1);
    EXPECT_FALSE(eval_text_int("10^12", n));
    EXPECT_EQ(n, 0);
    EXPECT_EQ(last_evaluation_error(), expr_error::kOutOfRange);
    EXPECT_FALSE(eval_text_int("2147483648", n));
    EXPECT_FALSE(eval_text_int("abc", n));
    EXPECT_EQ(last_evaluation_error(), expr_error::kNotANumber);
}

TEST_F(EvalText, AngleUnitFromTheSettings) {
    double v;
    ASSERT_TRUE(eval_text("sin(90)", v));
    EXPECT_EQ(v, 1);
    number_settings.radians = true;
    ASSERT_TRUE(eval_text("sin(pi/2)", v));
    EXPECT_EQ(v, 1);
}

TEST_F(EvalText, DisplayedWithTheLocaleSeparator) {
    double v;
    ASSERT_TRUE(eval_text("1/4", v));
    EXPECT_EQ(format_real_full(v), "0,25");
}

TEST_F(EvalText, HugeInputEndsInBoundedTime) {
    QString sum = "1";
    for (int i = 0; i < 200000; ++i)
        sum += "+1";
    double v;
    ASSERT_TRUE(eval_text(sum, v));
    EXPECT_EQ(v, 200001);
    QString deep(10000, '(');
    deep += "2" + QString(10000, ')');
    ASSERT_TRUE(eval_text(deep, v));
    EXPECT_EQ(v, 2);
    QString bars(100000, '|');
    EXPECT_FALSE(eval_text(bars, v));
}

}  // namespace
}  // namespace cifrala::testing
