#include "practice/fractions/fractions_style.h"

namespace cifrala {

using namespace style_rows;

FrameRow frame_breuken() {
    FrameRow r = plain_row(150, 20, 150, LineUnit{LineUnit::Fixed, 68});
    r.frame.lines = {vertical(130, from_start(10), from_end(50)),
                     horizontal(from_end(50), from_start(10), from_end(10))};
    return r;
}

SurfaceStyle breuken_surface_style() {
    SurfaceStyle s;
    apply_frame(s, frame_breuken());
    s.fraction = FractionStyleA{};  // the defaults are this window's offsets
    s.hint = HintStyle{20, 5, 40, 40, false};
    return s;
}

}  // namespace cifrala
