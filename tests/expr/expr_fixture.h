#pragma once
// Common set-up of the expression tests: start-up number settings with the
// decimal comma, degrees, and a helper that reads a typed text as the
// graph drawings do (normalised with the variable x).
#include <gtest/gtest.h>

#include <QString>

#include "expr/expression.h"
#include "support/number_settings_fixture.h"
#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala::testing {

class ExprTest : public DefaultNumberSettings {
protected:
    void SetUp() override {
        DefaultNumberSettings::SetUp();
        seed_random(4242);
    }

    static QString normalised(const QString& typed, QChar var = QLatin1Char('x')) {
        QString t = typed;
        normalise_expression(t, var, var);
        return t;
    }
    static Evaluation eval(const QString& typed, double x = 0) {
        return evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), normalised(typed), x, x);
    }
    static double value(const QString& typed, double x = 0) {
        const Evaluation e = eval(typed, x);
        EXPECT_EQ(e.error, 0) << typed.toStdString();
        return e.value;
    }
    static int error(const QString& typed, double x = 0) { return eval(typed, x).error; }
    // The function message of a failing list function.
    static int list_message(const QString& typed) {
        const Evaluation e = eval(typed);
        EXPECT_EQ(e.error, expr_error::kListFunctionFailed) << typed.toStdString();
        return function_message_number();
    }
};

}  // namespace cifrala::testing
