// An expression read once and run at many values gives, value for value and
// error for error, what evaluate_expression gives, including the engine's
// error state afterwards.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "expr/compiled_expression.h"
#include "expr_fixture.h"

namespace cifrala::testing {
namespace {

class CompiledExpressionTest : public ExprTest {};

// Same bits, or both failing with the same code.
void expect_same(const Evaluation& a, const Evaluation& b, const QString& text, double x) {
    EXPECT_EQ(a.error, b.error) << text.toStdString() << " at " << x;
    EXPECT_EQ(std::memcmp(&a.value, &b.value, sizeof(double)), 0)
        << text.toStdString() << " at " << x << ": " << a.value << " " << b.value;
}

const char* const kFormulas[] = {
    "0,5*x^3-2*x^2+sin(x)+3",
    "1/(x-2)",
    "V(x)",
    "ln(x)*log(x)",
    "tan(x)",
    "x^0,5+x^-2",
    "(x+1)/(x-1)^2",
    "2^x-x^2",
    "-x--x",
    "x<2",
    "x=1",
    "abs(x)-3>0",
    "max(x;2)+min(1;x)",
    "binompdf(10;0,5;x)",
    "1/0",
    "x^x",
    "arcsin(x/5)",
    "x^400",
    "2x3+*",
    "",
};

TEST_F(CompiledExpressionTest, ManyValuesAsOneAtATime) {
    std::vector<double> xs;
    for (int i = 0; i <= 300; ++i)
        xs.push_back(-5 + i / 30.0);
    xs.push_back(1e-20);
    xs.push_back(1e300);
    for (bool radians : {false, true}) {
        number_settings.radians = radians;
        for (const char* typed : kFormulas) {
            const QString text = normalised(QString::fromLatin1(typed));
            const CompiledExpression compiled(text, QLatin1Char('x'), QLatin1Char('x'));
            std::vector<Evaluation> many(xs.size());
            compiled.evaluate_many(xs.data(), xs.size(), many.data());
            const int error_after_many = last_error_code();
            const int message_after_many = function_message_number();
            for (size_t i = 0; i < xs.size(); ++i) {
                const Evaluation one =
                    evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), text, xs[i], xs[i]);
                expect_same(many[i], one, text, xs[i]);
                expect_same(compiled.evaluate(xs[i]), one, text, xs[i]);
            }
            EXPECT_EQ(error_after_many, last_error_code()) << typed;
            EXPECT_EQ(message_after_many, function_message_number()) << typed;
        }
    }
}

TEST_F(CompiledExpressionTest, AnEmptyExpressionFails) {
    const CompiledExpression none;
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.evaluate(1).error, expr_error::kNotANumber);
    double x = 1;
    Evaluation e;
    none.evaluate_many(&x, 1, &e);
    EXPECT_EQ(e.error, expr_error::kNotANumber);
}

TEST_F(CompiledExpressionTest, ReadsKnowsItsText) {
    const CompiledExpression c(normalised(QStringLiteral("x^2")), QLatin1Char('x'),
                               QLatin1Char('x'));
    EXPECT_TRUE(c.reads(c.text(), QLatin1Char('x'), QLatin1Char('x')));
    EXPECT_FALSE(c.reads(c.text(), QLatin1Char('t'), QLatin1Char('t')));
    EXPECT_EQ(c.evaluate(3).value, 9);
}

}  // namespace
}  // namespace cifrala::testing
