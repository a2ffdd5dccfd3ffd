#pragma once

namespace cifrala {

// The roots window and its render topic "roots".
void register_roots_window();

}  // namespace cifrala
