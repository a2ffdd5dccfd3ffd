#pragma once

namespace cifrala {

// The integers window (made before the menu) and its render topic.
void register_integers_window();

}  // namespace cifrala
