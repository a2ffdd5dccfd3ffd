#pragma once
// Cards of the lower-school arithmetic topics: the divisor's times table of
// the long division window (topic 42) and the powers of ten of the large-
// number word problems (topics 54 and 55).
#include <QString>

namespace cifrala {

// Keys of the exercise values these cards read.
namespace card_keys {
inline const QString kDivisor = QStringLiteral("divisor");  // topic 42: the times table's number
// Topic 54: the message number of the quantity that is asked.
inline const QString kAskedQuantity = QStringLiteral("asked_quantity");
}  // namespace card_keys

// Messages of the cards.
namespace card_messages {
constexpr int kMillion = 1990;
constexpr int kBillion = 1991;       // 10^9
constexpr int kTrillion = 1992;      // 10^12
constexpr int kWorkforce = 1984;     // a: employment
constexpr int kProduction = 1985;    // c = a * b
constexpr int kProductivity = 1986;  // b: production per worker
constexpr int kEmploymentHeading = 5276;
}  // namespace card_messages

void register_arithmetic_cards();

}  // namespace cifrala
