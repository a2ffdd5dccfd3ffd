#include "practice/fractions/fractions_explain.h"

#include <cstdlib>
#include <numeric>

#include "text/messages.h"
#include "util/format.h"
#include "util/integer_math.h"

namespace cifrala {

namespace {

constexpr int kFindCommonMultiple = 1573;
constexpr int kLeastCommonMultiple = 1574;
constexpr int kTablesOf = 5243;         // parameter: the first denominator
constexpr int kBothDivisibleBy = 7007;  // parameters: two numbers and the factor

QString num(long long n) {
    return int_to_text(static_cast<qint64>(n));
}

QStringList multiples(long long b, long long m) {
    QStringList out;
    const long long count = b != 0 ? m / b : 0;
    auto line = [b](long long i) {
        return num(i) + QStringLiteral(" × ") + num(b) + QStringLiteral(" = ") + num(i * b);
    };
    if (count <= kMaxListedMultiples) {
        for (long long i = 1; i <= count; ++i)
            out << line(i);
    } else {
        for (long long i = 1; i < kMaxListedMultiples - 1; ++i)
            out << line(i);
        out << QStringLiteral("...") << line(count);
    }
    return out;
}

QString cross_text(int x, int y, int c) {
    msg_param1 = num(std::llabs(x));
    msg_param2 = num(std::llabs(y));
    msg_param3 = num(c);
    return msg(kBothDivisibleBy);
}

}  // namespace

CommonDenominatorExplanation explain_common_denominator(int b1, int b2) {
    CommonDenominatorExplanation e;
    const long long p = std::llabs(b1), q = std::llabs(b2);
    const long long m = (p == 0 || q == 0) ? 0 : p / std::gcd(p, q) * q;
    e.label1 = msg(kFindCommonMultiple);
    msg_param1 = num(b1);
    e.label2 = msg(kTablesOf) + QLatin1Char(' ') + num(b2);
    e.label3 = msg(kLeastCommonMultiple) + QStringLiteral(" ( ") + num(b1) + QStringLiteral(" , ") +
               num(b2) + QStringLiteral(" ) = ") + num(m);
    e.multiples1 = multiples(p, m);
    e.multiples2 = multiples(q, m);
    return e;
}

CrossCancelExplanation explain_cross_cancel(int a1, int b1, int a2, int b2) {
    CrossCancelExplanation e;
    const int c1 = gcd(a1, b2);
    const int c2 = gcd(b1, a2);
    e.show4 = c1 >= 2;
    e.show5 = c2 >= 2;
    if (e.show4) e.label4 = cross_text(a1, b2, c1);
    if (e.show5) e.label5 = cross_text(b1, a2, c2);
    return e;
}

}  // namespace cifrala
