#pragma once
// Pauses inside a step of an exercise.

namespace cifrala {

// Returns after n milliseconds of wall-clock time without processing window
// messages (windows do not repaint meanwhile).
void wait_ms(int n);
// The same, but processes pending window messages while it waits.
void wait_ms_responsive(int n);

}  // namespace cifrala
