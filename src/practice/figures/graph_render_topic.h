#pragma once
// The render topic "graph": a graph of the explanation window drawn from its
// numbers (`cifrala --render graph --kind parabola --a 1 --b -2 --c -3
// --out p.png`), without a practice window.

namespace cifrala {

void register_graph_render_topic();

}  // namespace cifrala
