#pragma once

namespace cifrala {

// The metric system window and its render topic.
void register_metric_window();

}  // namespace cifrala
