#include "practice/integers/integers_style.h"

namespace cifrala {

using namespace style_rows;

FrameRow frame_gehele_getallen(int topic, int font_size) {
    FrameRow r = plain_row(150, 5, 150, LineUnit{LineUnit::HeightOfW, 1.6},
                           FontSpec{QStringLiteral("verdana"), font_size, false});
    r.frame.lines = {vertical(130, from_start(10), from_end(70)),
                     horizontal(from_end(70), from_start(10), from_end(10))};
    if (topic == 48) {
        const Coord low{Coord::Start, 456, true};
        r.frame.lines.push_back(vertical(576, from_start(10), low, 6));
        r.frame.lines.push_back(horizontal(low, from_start(130), from_end(10), 6));
    }
    if (topic == 53)
        r.frame.lines.push_back(horizontal(from_start(170), from_start(130), from_end(10), 6));
    return r;
}

FrameRow frame_gehele_getallen_number_line() {
    FrameRow r = plain_row(30, 5, 30, LineUnit{LineUnit::HeightOfW, 1.6});
    r.frame.lines = {frame_line(from_start(30), middle(), from_end(30), middle(), 3, Qt::black)};
    return r;
}

FractionStyleA gehele_getallen_fraction_style() {
    FractionStyleA s;
    s.shrink = 5;
    s.top_offset = s.top_offset_narrow = -10;
    s.bottom_offset = s.bottom_offset_narrow = -10;  // plus h
    s.bar_offset = -10;                              // plus h
    s.offsets_from_height = true;
    s.sign = FractionStyleA::NoSign;
    s.sign_gap = 0;
    s.wide_bar = false;
    return s;
}

SuperscriptStyle gehele_getallen_superscript() {
    return {7, -5};
}

HintStyle gehele_getallen_hint() {
    return HintStyle{24, 10, 50, 50, true};
}

SurfaceStyle gehele_getallen_style(int topic, int font_size) {
    SurfaceStyle s;
    apply_frame(s, frame_gehele_getallen(topic, font_size));
    s.fraction = gehele_getallen_fraction_style();
    s.superscript = gehele_getallen_superscript();
    s.hint = gehele_getallen_hint();
    return s;
}

namespace {

SurfaceStyle yellow_style(int font_size) {
    SurfaceStyle s;
    s.font = FontSpec{QStringLiteral("verdana"), font_size, false};
    s.frame.start_x = 0;
    s.frame.start_y = 0;
    s.frame.left_margin = 0;
    s.frame.own_background = true;
    s.frame.background = QColor(255, 255, 0);
    return s;
}

}  // namespace

SurfaceStyle number_line_style() {
    return yellow_style(14);
}

SurfaceStyle number_card_style() {
    return yellow_style(24);
}

}  // namespace cifrala
