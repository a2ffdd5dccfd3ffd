#include "formula/window_styles.h"

namespace cifrala {

namespace {

constexpr Coord start(int offset) {
    return Coord{Coord::Start, offset, false};
}
constexpr Coord end(int offset) {
    return Coord{Coord::End, offset, false};
}
constexpr Coord middle() {
    return Coord{Coord::Middle, 0, false};
}

// Blue frame line of pen width 10 (or `width`).
FrameLine line(Coord x1, Coord y1, Coord x2, Coord y2, int width = 10,
               QColor colour = QColor(0, 0, 255)) {
    return FrameLine{x1, y1, x2, y2, width, colour};
}

FrameLine vertical(int x, Coord y1, Coord y2, int width = 10) {
    return line(start(x), y1, start(x), y2, width);
}

FrameLine horizontal(Coord y, Coord x1, Coord x2, int width = 10) {
    return line(x1, y, x2, y, width);
}

FrameRow plain_row(int sx, int sy, int margin, LineUnit unit, FontSpec font = {}) {
    FrameRow r;
    r.font = font;
    r.frame.start_x = sx;
    r.frame.start_y = sy;
    r.frame.left_margin = margin;
    r.line_unit = unit;
    return r;
}

}  // namespace

FractionStyleA fraction_style_a(FractionRowA row) {
    FractionStyleA s;  // defaults: the fractions window
    switch (row) {
        case FractionRowA::Breuken:
            break;
        case FractionRowA::Staartdeel:
            s.sign = FractionStyleA::NoSign;
            s.sign_gap = 0;
            break;
        case FractionRowA::Wortels:
            s.top_offset = -7;
            s.top_offset_narrow = -9;
            s.bottom_offset = 21;
            s.bottom_offset_narrow = 20;
            s.bar_offset = 18;
            s.sign = FractionStyleA::FromTopText;
            s.sign_gap = 3;
            break;
        case FractionRowA::Kwadratisch:
            s.shrink = 5;
            s.top_offset = s.top_offset_narrow = -7;
            s.bottom_offset = s.bottom_offset_narrow = 21;
            s.bar_offset = 23;
            s.sign_gap = 3;
            s.sign_y = 1;
            s.wide_bar = false;
            break;
        case FractionRowA::Ongelijkheden:
            s.shrink = 5;
            s.top_offset = s.top_offset_narrow = -7;
            s.bottom_offset = s.bottom_offset_narrow = 21;
            s.bar_offset = 20;
            s.sign = FractionStyleA::NoSign;
            s.sign_gap = 0;
            s.wide_bar = false;
            break;
        case FractionRowA::GeheleGetallen:
            s.shrink = 5;
            s.top_offset = s.top_offset_narrow = -10;
            s.bottom_offset = s.bottom_offset_narrow = -10;  // plus h
            s.bar_offset = -10;                              // plus h
            s.offsets_from_height = true;
            s.sign = FractionStyleA::NoSign;
            s.sign_gap = 0;
            s.wide_bar = false;
            break;
    }
    return s;
}

FractionStyleB fraction_style_b(FractionRowB row) {
    switch (row) {
        case FractionRowB::Diffketting:
            return FractionStyleB{8, -5, 22, 25, 0, 2, 3, 0};
        case FractionRowB::Lenzen:
            return FractionStyleB{8, -5, 22, 22, 0, 2, 3, 2};
        case FractionRowB::ExpVerglLate:
            return FractionStyleB{5, -6, 15, 18, -4, 0, 0, 0};
        case FractionRowB::ExpVerglEarly:
            return FractionStyleB{8, -3, 14, 14, -4, 0, 0, 0};
        case FractionRowB::Tekening:
            return FractionStyleB{3, -12, 16, 16, -1, 1, 0, 0};
    }
    return {};
}

SuperscriptStyle superscript_style(SuperscriptRow row) {
    switch (row) {
        case SuperscriptRow::Staartdeel:
            return {5, -9};
        case SuperscriptRow::StaartdeelSmall:
            return {10, -2};
        case SuperscriptRow::DiffkettingSmall:
            return {8, -2};
        case SuperscriptRow::ExpVergl:
            return {5, -9};
        case SuperscriptRow::GeheleGetallen:
            return {7, -5};
        case SuperscriptRow::Wortels:
            return {6, -5};
        case SuperscriptRow::MetriekeStelsel:
            return {10, -7};
    }
    return {};
}

HintStyle hint_style(HintRow row) {
    switch (row) {
        case HintRow::Breuken:
            return HintStyle{20, 5, 40, 40, false};
        case HintRow::Lenzen:
            return HintStyle{20, 3, 40, 40, false};
        case HintRow::Staartdeel:
            return HintStyle{0, 10, 44, 40, false};
        case HintRow::DiffkettingRow:
            return HintStyle{0, 10, 43, 40, false};
        case HintRow::DiffkettingText:
            return HintStyle{0, 10, 39, 39, false};
        case HintRow::GeheleGetallen:
            return HintStyle{24, 10, 50, 50, true};
    }
    return {};
}

void apply_frame(SurfaceStyle& style, const FrameRow& row) {
    style.font = row.font;
    style.frame = row.frame;
    style.line_unit = row.line_unit;
}

FrameRow frame_breuken() {
    FrameRow r = plain_row(150, 20, 150, LineUnit{LineUnit::Fixed, 68});
    r.frame.lines = {vertical(130, start(10), end(50)), horizontal(end(50), start(10), end(10))};
    return r;
}

FrameRow frame_staartdeel(bool chunk_lines) {
    const FontSpec courier{QStringLiteral("Courier new"), 30, true};
    const LineUnit unit{LineUnit::HeightOfW, 0.9};
    if (!chunk_lines) return plain_row(10, 5, 30, unit, courier);
    FrameRow r = plain_row(30, 10, 30, unit, courier);
    r.frame.lines = {vertical(10, start(10), end(70)), horizontal(end(70), start(10), end(10)),
                     horizontal(start(62), start(10), end(10))};
    return r;
}

FrameRow frame_staartdeel_topic(int topic) {
    const double factor = topic == 54 ? 1.1 : 0.9;
    FrameRow r = plain_row(30, 10, 30, LineUnit{LineUnit::HeightOfW, factor},
                           FontSpec{QStringLiteral("Verdana"), 24, false});
    r.frame.lines = {vertical(10, start(10), end(70)), horizontal(end(70), start(10), end(10)),
                     horizontal(start(150), start(10), end(10))};
    return r;
}

FrameRow frame_gehele_getallen(int topic, int font_size) {
    FrameRow r = plain_row(150, 5, 150, LineUnit{LineUnit::HeightOfW, 1.6},
                           FontSpec{QStringLiteral("verdana"), font_size, false});
    r.frame.lines = {vertical(130, start(10), end(70)), horizontal(end(70), start(10), end(10))};
    if (topic == 48) {
        const Coord low{Coord::Start, 456, true};
        r.frame.lines.push_back(vertical(576, start(10), low, 6));
        r.frame.lines.push_back(horizontal(low, start(130), end(10), 6));
    }
    if (topic == 53) r.frame.lines.push_back(horizontal(start(170), start(130), end(10), 6));
    return r;
}

FrameRow frame_gehele_getallen_number_line() {
    FrameRow r = plain_row(30, 5, 30, LineUnit{LineUnit::HeightOfW, 1.6});
    r.frame.lines = {line(start(30), middle(), end(30), middle(), 3, Qt::black)};
    return r;
}

FrameRow frame_metriek() {
    return plain_row(10, 20, 10, LineUnit{LineUnit::HeightOfW, 1.0});
}

FrameRow frame_wortels(int surface) {
    if (surface == 1) return plain_row(10, 10, 10, LineUnit{LineUnit::HeightOfW, 1.6});
    FrameRow r = plain_row(10, 10, 10, LineUnit{LineUnit::HeightOfW, 1.2});
    if (surface == 3) {
        r.frame.own_background = true;
        r.frame.background = QColor(255, 255, 0);
    }
    return r;
}

FrameRow frame_kwadratisch() {
    return plain_row(5, 5, 5, LineUnit{LineUnit::HeightOfWPlus, 5});
}

FrameRow frame_ongelijkheden(int surface) {
    if (surface == 3) return plain_row(0, 5, 10, LineUnit{LineUnit::HeightOfW, 1.6});
    return plain_row(10, 10, 10, LineUnit{LineUnit::HeightOfW, 1.6});
}

FrameRow frame_expvergl() {
    return plain_row(10, 20, 10, LineUnit{LineUnit::Fixed, 34});
}

FrameRow frame_lenzen() {
    return plain_row(10, 5, 10, LineUnit{LineUnit::Stored, 1});
}

FrameRow frame_diffketting(int topic, int category) {
    const LineUnit unit{LineUnit::Stored, 1};
    if (topic == 35 || topic == 43) {
        FrameRow r = plain_row(100, 10, 100, unit);
        r.frame.lines = {horizontal(end(48), start(10), end(10)),
                         horizontal(start(80), start(10), end(10)),
                         vertical(80, start(10), end(50))};
        return r;
    }
    if (topic == 44) return plain_row(100, 20, 3, unit);
    const bool lower = topic == 23 || topic == 65 || category == 4 || category == 7 ||
                       category == 15 || category == 16;
    return plain_row(3, lower ? 20 : 15, 3, unit);
}

FrameRow frame_tekening() {
    return plain_row(3, 3, 3, LineUnit{LineUnit::Stored, 1});
}

SurfaceStyle breuken_surface_style() {
    SurfaceStyle s;
    apply_frame(s, frame_breuken());
    s.fraction = fraction_style_a(FractionRowA::Breuken);
    s.hint = hint_style(HintRow::Breuken);
    return s;
}

}  // namespace cifrala
