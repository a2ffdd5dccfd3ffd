#pragma once

namespace cifrala {

// The exponential-equations window and its render topic.
void register_exponential_window();

}  // namespace cifrala
