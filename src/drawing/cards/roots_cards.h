#pragma once
// The card of "Wortels herleiden" (topic 22): a root simplified by taking
// a square out, √12 = √(4·3) = 2√3, and a table of the squares.

namespace cifrala {

void register_roots_cards();

}  // namespace cifrala
