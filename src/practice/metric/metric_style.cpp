#include "practice/metric/metric_style.h"

namespace cifrala {

FrameRow frame_metriek() {
    return style_rows::plain_row(10, 20, 10, LineUnit{LineUnit::HeightOfW, 1.0});
}

SuperscriptStyle metriek_superscript() {
    return {10, -7};
}

}  // namespace cifrala
