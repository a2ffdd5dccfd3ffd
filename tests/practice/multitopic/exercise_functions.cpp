#include "practice/multitopic/exercise_functions.h"

#include "practice/multitopic/topics/chain_rule.h"
#include "practice/multitopic/topics/power_rule.h"
#include "practice/multitopic/topics/two_quadratics.h"

namespace cifrala::testing {

namespace {

QString n(long long v) {
    return QStringLiteral("(%1)").arg(v);
}

QString ratio(long long p, long long q) {
    return QStringLiteral("((%1)/(%2))").arg(p).arg(q);
}

// a x^2 + b x + c.
QString quadratic(int a, int b, int c) {
    return QStringLiteral("(%1*x^2+%2*x+%3)").arg(n(a), n(b), n(c));
}

// a x + b.
QString linear(int a, int b) {
    return QStringLiteral("(%1*x+%2)").arg(n(a), n(b));
}

QString power_rule(const PowerRuleExercise& e) {
    QString sum;
    for (const PowerTerm& t : e.terms) {
        if (!sum.isEmpty()) sum += QLatin1Char('+');
        sum += ratio(t.coefficient.p, t.coefficient.q) + QStringLiteral("*x^") +
               ratio(t.exponent.p, t.exponent.q);
    }
    sum = QLatin1Char('(') + sum + QLatin1Char(')');
    if (!e.quotient) return sum;
    return sum + QStringLiteral("/(") + n(e.divisor_coefficient) + QStringLiteral("*x^") +
           ratio(e.divisor_exponent.p, e.divisor_exponent.q) + QLatin1Char(')');
}

QString chain_rule(const ChainExercise& e) {
    const QString q = quadratic(e.A, e.B, e.C);
    const QString inner = linear(e.C, e.D);
    switch (e.category) {
        case 1:
        case 2: {
            const QString power =
                e.n == 0 ? q + QStringLiteral("^(1/2)") : q + QStringLiteral("^") + n(e.n);
            return e.category == 2 ? QStringLiteral("x*") + power : power;
        }
        case 3: {
            const QString log = e.n == 0 ? QStringLiteral("ln") + inner
                                         : QStringLiteral("(ln%1/ln(%2))").arg(inner).arg(e.n);
            return linear(e.A, e.B) + QLatin1Char('*') + log;
        }
        case 4: {
            const QString power = e.n == 0 ? QStringLiteral("exp") + inner
                                           : QStringLiteral("(%1)^%2").arg(e.n).arg(inner);
            return linear(e.A, e.B) + QLatin1Char('*') + power;
        }
        default: {
            static const char* const names[3] = {"sin", "cos", "tan"};
            return QStringLiteral("(%1*%2(%3*x+%4)+%5)")
                .arg(n(e.A), QString::fromLatin1(names[e.n]), n(e.B), n(e.C), n(e.D));
        }
    }
}

}  // namespace

QString exercise_function(const TopicWorker& worker) {
    if (const auto* w = dynamic_cast<const PowerRuleWorker*>(&worker))
        return power_rule(w->exercise);
    if (const auto* w = dynamic_cast<const TwoQuadraticsWorker*>(&worker)) {
        const TwoQuadratics& e = w->exercise;
        const QString g = quadratic(e.a, e.b, e.c), h = quadratic(e.d, e.e, e.f);
        return dynamic_cast<const QuotientRuleWorker*>(&worker) ? g + QLatin1Char('/') + h
                                                                : g + QLatin1Char('*') + h;
    }
    if (const auto* w = dynamic_cast<const ChainRuleWorker*>(&worker))
        return chain_rule(w->exercise);
    return {};
}

}  // namespace cifrala::testing
