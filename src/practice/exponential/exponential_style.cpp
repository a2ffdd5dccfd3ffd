#include "practice/exponential/exponential_style.h"

namespace cifrala {

FrameRow frame_expvergl() {
    return style_rows::plain_row(10, 20, 10, LineUnit{LineUnit::Fixed, 34});
}

FractionStyleB expvergl_fraction_style(bool late) {
    return late ? FractionStyleB{5, -6, 15, 18, -4, 0, 0, 0}
                : FractionStyleB{8, -3, 14, 14, -4, 0, 0, 0};
}

SuperscriptStyle expvergl_superscript() {
    return {5, -9};
}

}  // namespace cifrala
