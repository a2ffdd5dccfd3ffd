#include "practice/long_division/big_numbers.h"

#include "text/messages.h"
#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala {

BigNumbersExercise generate_big_numbers(int topic) {
    BigNumbersExercise e;
    e.topic = topic;
    e.variant = random(3);
    e.a = random(2) == 0 ? 100000LL * (random(89) + 11) : 100000LL * (random(899) + 101);
    e.b = random(2) == 0 ? 100LL * random(899) + 10100 : 100LL * random(89) + 1100;
    e.c = e.a * e.b;
    return e;
}

BigNumbersExercise with_variant(BigNumbersExercise e, int variant) {
    e.variant = variant;
    return e;
}

Stripped strip_zeros(qint64 n) {
    Stripped s{n, 0};
    if (n == 0) return s;
    while (s.m % 10 == 0) {
        s.m /= 10;
        ++s.z;
    }
    return s;
}

QString exact_decimal(qint64 n, int shift) {
    const bool negative = n < 0;
    QString digits = QString::number(negative ? -n : n);
    if (shift > 0) {
        if (digits.size() <= shift)
            digits = QString(shift - digits.size() + 1, QLatin1Char('0')) + digits;
        QString whole = digits.left(digits.size() - shift);
        QString fraction = digits.right(shift);
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
        digits = fraction.isEmpty() ? whole : whole + number_settings.decimal_separator + fraction;
    } else if (shift < 0 && n != 0) {
        digits += QString(-shift, QLatin1Char('0'));
    }
    return negative ? QStringLiteral("-") + digits : digits;
}

MagnitudeText big_number(qint64 n) {
    // The magnitude words come from the shared format; the mantissa is
    // written exactly, however many decimals it has.
    const int saved = number_settings.decimals;
    number_settings.decimals = 12;
    MagnitudeText t = format_with_magnitude(static_cast<double>(n));
    number_settings.decimals = saved;
    if (t.exponent > 0) t.text = exact_decimal(n, t.exponent);
    return t;
}

QString big_number_with_unit(qint64 n) {
    const MagnitudeText t = big_number(n);
    return t.unit_message == 0 ? t.text : t.text + QLatin1Char(' ') + msg(t.unit_message);
}

qint64 asked_value(const BigNumbersExercise& e) {
    switch (e.variant) {
        case 0:
            return e.a;
        case 1:
            return e.b;
        default:
            return e.c;
    }
}

qint64 divided_by(const BigNumbersExercise& e) {
    return e.variant == 0 ? e.b : e.a;
}

GivenPair given_numbers(const BigNumbersExercise& e) {
    switch (e.variant) {
        case 0:
            return e.topic == 54 ? GivenPair{e.b, e.c} : GivenPair{e.c, e.b};
        case 1:
            return GivenPair{e.c, e.a};
        default:
            return GivenPair{e.a, e.b};
    }
}

int quantity_message(const BigNumbersExercise& e, qint64 value) {
    if (value == e.c) return quantity_messages::kProduction;
    if (value == e.b) return quantity_messages::kProductivity;
    return quantity_messages::kEmployment;
}

int asked_quantity_message(const BigNumbersExercise& e) {
    return quantity_message(e, asked_value(e));
}

}  // namespace cifrala
