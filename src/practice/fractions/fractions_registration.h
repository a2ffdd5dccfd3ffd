#pragma once

namespace cifrala {

// The fractions window and its render topic "fractions".
void register_fractions_window();

}  // namespace cifrala
