#include "practice/lens/lens_style.h"

namespace cifrala {

FrameRow frame_lenzen() {
    return style_rows::plain_row(10, 5, 10, LineUnit{LineUnit::Stored, 1});
}

FractionStyleB lenzen_fraction_style() {
    return FractionStyleB{8, -5, 22, 22, 0, 2, 3, 2};
}

HintStyle lenzen_hint() {
    return HintStyle{20, 3, 40, 40, false};
}

}  // namespace cifrala
