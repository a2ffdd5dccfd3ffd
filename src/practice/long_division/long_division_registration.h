#pragma once

namespace cifrala {

// The division window and its render topics "division", "bignumbers" and
// "employment".
void register_long_division_window();

}  // namespace cifrala
