#pragma once

namespace cifrala {

// The ratios window (made before the menu, as the program's first practice
// window).
void register_ratios_window();

}  // namespace cifrala
