#pragma once
// The cards of the roots window's parabola (topic 56) and function-value
// (topic 57) modes, drawn by the step of the exercise the window reports:
// for the parabola a text card, the axis of symmetry solved in balance form,
// the vertex worked out with fractions, the graph (teken_de_parabool) and
// the card of one table value; for the function value one card per step. The values they read:
//   56: a, b, c, step, x_axis, x_top_num, x_top_den, x_min, x_max and, while
//       a table value is revealed, reveal_x;
//   57: step and a, b, c, x as <name>_n / <name>_d.
// Both also read where the window goes on the screen: left and top, or
// right and top (its right edge).

namespace cifrala {

namespace parabola_card_messages {
constexpr int kHeading = 1998;
constexpr int kTwoPoints = 1999;  // the steps up to the axis
constexpr int kAxis = 2000;       // the later steps
constexpr int kVertex = 2001;
constexpr int kTable = 2002;
}  // namespace parabola_card_messages

namespace function_value_card_messages {
constexpr int kIntroduction = 2021;
constexpr int kBrackets = 2022;
constexpr int kWholeValue = 2023;
constexpr int kNegativeValue = 2024;
constexpr int kFractionValue = 2025;
constexpr int kSquareOfFraction = 2026;
constexpr int kCommonDenominator = 2027;
constexpr int kAddNumerators = 2028;
constexpr int kNoMixedNumbers = 1764;
}  // namespace function_value_card_messages

void register_roots_function_cards();

}  // namespace cifrala
