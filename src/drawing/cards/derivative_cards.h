#pragma once
// The cards of the differentiation topics (topics 9 to 16): the power rule,
// the product and quotient rules, the chain rule alone and with the product
// rule, and the derivatives of logarithms, exponential functions and
// sinusoids.

namespace cifrala {

// Headings of the cards.
namespace derivative_card_messages {
constexpr int kPowers = 4985;
constexpr int kProductRule = 4986;
constexpr int kQuotientRule = 4987;
constexpr int kChainRule = 4988;
constexpr int kChainAndProductRule = 4989;
constexpr int kLogarithms = 4990;
constexpr int kExponentials = 4991;
constexpr int kSinusoids = 4992;
}  // namespace derivative_card_messages

void register_derivative_cards();

}  // namespace cifrala
