#pragma once

namespace cifrala {

// The quadratic-equations window and its render topic "quadratic".
void register_quadratic_window();

}  // namespace cifrala
