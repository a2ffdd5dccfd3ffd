#pragma once
namespace cifrala {

// The multi-topic window, its topics' routines and its render topic.
void register_multitopic_window();

}  // namespace cifrala
