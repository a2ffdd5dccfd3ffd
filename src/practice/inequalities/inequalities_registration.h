#pragma once

namespace cifrala {

// The quadratic-inequalities window and its render topic.
void register_inequalities_window();

}  // namespace cifrala
