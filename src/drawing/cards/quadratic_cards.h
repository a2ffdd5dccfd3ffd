#pragma once
// The card of the quadratic-equations window (topic 26): the abc formula,
// with the discriminant D = b² - 4·a·c and what its sign says about the
// number of solutions.

namespace cifrala {

namespace quadratic_card_messages {
constexpr int kHeading = 4967;  // "De abc-formule"
constexpr int kCases = 4968;    // D > 0: two solutions, ...
}  // namespace quadratic_card_messages

void register_quadratic_cards();

}  // namespace cifrala
