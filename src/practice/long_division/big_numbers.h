#pragma once
// The word problems with very large numbers (topics 54 "Werkgelegenheid"
// and 55 "Grote getallen"): three quantities a, b and c = a * b, of which
// two are given and one is asked, computed by writing the numbers as powers
// of ten. This file holds the exercise and its arithmetic; all of it is
// exact (64-bit integers, decimals written digit by digit).
#include <QString>
#include <QtGlobal>

#include "util/format.h"

namespace cifrala {

struct BigNumbersExercise {
    int topic = 55;
    // Topic 55: 0 c : b, 1 c : a, 2 a * b. Topic 54: 0 asks a, 1 asks b,
    // 2 asks c.
    int variant = 0;
    qint64 a = 0, b = 0, c = 0;
};

BigNumbersExercise generate_big_numbers(int topic);
// The same numbers with another variant.
BigNumbersExercise with_variant(BigNumbersExercise e, int variant);

// n = m * 10^z with m not ending in 0 (0 gives m = 0, z = 0).
struct Stripped {
    qint64 m = 0;
    int z = 0;
};
Stripped strip_zeros(qint64 n);

// n / 10^shift written exactly, with the locale's decimal separator and
// without trailing zeros ("150,75", "0,45", "12").
QString exact_decimal(qint64 n, int shift);

// The big-number format of n: mantissa text, unit word message, exponent.
// The mantissa keeps all its decimals.
MagnitudeText big_number(qint64 n);
// The mantissa followed by the unit word, if any ("4,5 miljoen", "33 500").
QString big_number_with_unit(qint64 n);

// The asked value: a, b or c by variant.
qint64 asked_value(const BigNumbersExercise& e);
// The number divided by in variants 0 and 1 (b or a).
qint64 divided_by(const BigNumbersExercise& e);
// The two given numbers in the order in which the exercise names them.
struct GivenPair {
    qint64 first = 0, second = 0;
};
GivenPair given_numbers(const BigNumbersExercise& e);

// Topic 54: the message naming a quantity, and the asked one.
namespace quantity_messages {
constexpr int kEmployment = 1984;    // a
constexpr int kProduction = 1985;    // c
constexpr int kProductivity = 1986;  // b
}  // namespace quantity_messages
int quantity_message(const BigNumbersExercise& e, qint64 value);
int asked_quantity_message(const BigNumbersExercise& e);

namespace big_number_messages {
constexpr int kAsked = 1989;   // "Gevraagd:"
constexpr int kAnswer = 1994;  // "Antwoord:"
constexpr int kSubtractExponents = 1995;
constexpr int kAddExponents = 1996;
}  // namespace big_number_messages

}  // namespace cifrala
