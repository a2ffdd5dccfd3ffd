#include "practice/long_division/division_style.h"

namespace cifrala {

using namespace style_rows;

FrameRow frame_staartdeel(bool chunk_lines) {
    const FontSpec courier{QStringLiteral("Courier new"), 30, true};
    const LineUnit unit{LineUnit::HeightOfW, 0.9};
    if (!chunk_lines) return plain_row(10, 5, 30, unit, courier);
    FrameRow r = plain_row(30, 10, 30, unit, courier);
    r.frame.lines = {vertical(10, from_start(10), from_end(70)),
                     horizontal(from_end(70), from_start(10), from_end(10)),
                     horizontal(from_start(62), from_start(10), from_end(10))};
    return r;
}

FrameRow frame_staartdeel_topic(int topic) {
    const double factor = topic == 54 ? 1.1 : 0.9;
    FrameRow r = plain_row(30, 10, 30, LineUnit{LineUnit::HeightOfW, factor},
                           FontSpec{QStringLiteral("Verdana"), 24, false});
    r.frame.lines = {vertical(10, from_start(10), from_end(70)),
                     horizontal(from_end(70), from_start(10), from_end(10)),
                     horizontal(from_start(150), from_start(10), from_end(10))};
    return r;
}

FractionStyleA staartdeel_fraction_style() {
    FractionStyleA s;
    s.sign = FractionStyleA::NoSign;
    s.sign_gap = 0;
    return s;
}

SuperscriptStyle staartdeel_superscript(bool small) {
    return small ? SuperscriptStyle{10, -2} : SuperscriptStyle{5, -9};
}

HintStyle staartdeel_hint() {
    return HintStyle{0, 10, 44, 40, false};
}

SurfaceStyle division_style(bool chunk_lines) {
    SurfaceStyle s;
    apply_frame(s, frame_staartdeel(chunk_lines));
    s.fraction = staartdeel_fraction_style();
    s.superscript = staartdeel_superscript(false);
    s.superscript_small = staartdeel_superscript(true);
    s.hint = staartdeel_hint();
    s.shrink_to_fit = true;
    // The lowest hint row reaches the bottom edge; its band is cleared whole.
    s.hint.band_height = s.hint.from_bottom;
    return s;
}

SurfaceStyle word_problem_style(int topic) {
    SurfaceStyle s = division_style(false);
    apply_frame(s, frame_staartdeel_topic(topic));
    s.exponent_fraction.unit = 62;
    return s;
}

SurfaceStyle result_box_style() {
    SurfaceStyle s;
    s.font = FontSpec{QStringLiteral("verdana"), 24, false};
    s.frame.start_x = 10;
    s.frame.start_y = 15;
    s.frame.left_margin = 10;
    s.fraction = staartdeel_fraction_style();
    s.textout2_gap = 5;
    return s;
}

SurfaceStyle cloud_style() {
    SurfaceStyle s;
    s.font = FontSpec{QStringLiteral("Verdana"), 24, false, Qt::red};
    s.frame.start_x = 0;
    s.frame.start_y = 0;
    return s;
}

}  // namespace cifrala
