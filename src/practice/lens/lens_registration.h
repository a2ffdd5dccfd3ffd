#pragma once

namespace cifrala {

// The lens formula window and its render topic "lens".
void register_lens_window();

}  // namespace cifrala
