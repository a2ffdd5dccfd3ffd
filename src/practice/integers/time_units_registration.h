#pragma once
// The render topics of the clock and time topics ("time") and of the
// quantities with units ("units") of the integers window.

namespace cifrala {

void register_time_and_units_render_topics();

}  // namespace cifrala
