#pragma once
// The cards of the differentiation topics (topics 9 to 16): the power rule,
// the product and quotient rules, the chain rule alone and with the product
// rule, and the derivatives of logarithms, exponential functions and
// sinusoids.

namespace cifrala {

// Headings of the cards.
namespace derivative_card_messages {
constexpr int kPowers = 1651;
constexpr int kProductRule = 1652;
constexpr int kQuotientRule = 1653;
constexpr int kChainRule = 1654;
constexpr int kChainAndProductRule = 1655;
constexpr int kLogarithms = 1656;
constexpr int kExponentials = 1657;
constexpr int kSinusoids = 1658;
}  // namespace derivative_card_messages

void register_derivative_cards();

}  // namespace cifrala
