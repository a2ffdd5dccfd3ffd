#pragma once
// The random draws of the differentiation topics by level.
namespace cifrala {

// L: 3 for "Eenvoudig", 6 for "Gevorderd", 9 for "Expert" (level 0..2).
int level_limit(int level);
// A number in lo..hi.
int draw_between(int lo, int hi);
// +-(1..L): a number in 1..L, negative when a draw from {0, 1} gives 1.
int draw_signed(int limit);
// (1..L) or 0: a number in 1..L that a draw from {0, 1, 2} makes negative (1)
// or zero (2).
int draw_signed_or_zero(int limit);

}  // namespace cifrala
