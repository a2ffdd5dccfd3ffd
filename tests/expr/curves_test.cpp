// Curve references through the provider the drawing engine fills in.
#include "expr_fixture.h"

namespace cifrala::testing {
namespace {

// Curve k is k * t, with variable letter "t"; curve 5 cannot be evaluated;
// curve 6 refers to curve 6 through the engine.
class FakeCurves : public CurveProvider {
public:
    int current = 0;
    int current_curve() const override { return current; }
    QChar curve_variable(int) const override { return QLatin1Char('t'); }
    bool evaluate_curve(int k, double t, double& value) override {
        ++calls;
        if (k == 5) return false;
        if (k == 6) {
            const Evaluation e =
                evaluate_expression(QLatin1Char('t'), QLatin1Char('t'), "[4]+[6]", t, t);
            value = e.value;
            return e.ok();
        }
        value = k * t;
        return true;
    }
    int calls = 0;
};

class Curves : public ExprTest {
protected:
    void SetUp() override {
        ExprTest::SetUp();
        previous_ = set_curve_provider(&curves_);
    }
    void TearDown() override {
        set_curve_provider(previous_);
        ExprTest::TearDown();
    }
    Evaluation at(const QString& typed, double t) {
        QString text = typed;
        normalise_expression(text, QLatin1Char('x'), QLatin1Char('x'));
        return evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), text, t, t);
    }
    FakeCurves curves_;
    CurveProvider* previous_ = nullptr;
};

TEST_F(Curves, ValueAtTheCurrentVariable) {
    EXPECT_EQ(at("[2]", 3).value, 6);
    EXPECT_EQ(at("[2]+[3]", 1).value, 5);
    EXPECT_EQ(at("[2]^2", 3).value, 36);
    EXPECT_EQ(at("2[1]", 3).value, 6);
    EXPECT_EQ(at("-[1]", 3).value, -3);
}

TEST_F(Curves, ValueAtAnExpression) {
    EXPECT_EQ(at("[2(4)]", 0).value, 8);
    EXPECT_EQ(at("[3(t+1)]", 1).value, 6);  // read with the curve's letter t
    EXPECT_EQ(at("[1([2])]", 3).value, 6);
    EXPECT_EQ(at("[3(x)]", 1).error, expr_error::kBadCurveReference);  // x means nothing there
}

TEST_F(Curves, Failures) {
    EXPECT_EQ(at("[7]", 1).error, expr_error::kBadCurveReference);
    EXPECT_EQ(at("[0]", 1).error, expr_error::kBadCurveReference);
    EXPECT_EQ(at("[5]", 1).error, expr_error::kBadCurveReference);
    EXPECT_EQ(at("[9(1)]", 1).error, expr_error::kBadCurveReference);
    EXPECT_EQ(at("1]", 1).error, expr_error::kBracketWithoutOpen);
    curves_.current = 2;
    EXPECT_EQ(at("[2]", 1).error, expr_error::kCurveRefersToItself);
    EXPECT_EQ(at("[2(1)]", 1).error, expr_error::kCurveRefersToItself);
    EXPECT_EQ(at("[1]", 1).value, 1);
}

TEST_F(Curves, ACycleThroughTheProviderEnds) {
    const Evaluation e = at("[6]", 1);
    EXPECT_EQ(e.error, expr_error::kBadCurveReference);
    EXPECT_LT(curves_.calls, 100);
}

}  // namespace
}  // namespace cifrala::testing
