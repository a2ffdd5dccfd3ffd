#pragma once
// Building blocks of the windows' typesetting rows. Each window keeps its own
// rows (fonts, frames, line units, fraction offsets, superscripts, hints)
// beside its code and composes its SurfaceStyle from them, for example
//     SurfaceStyle s;
//     apply_frame(s, frame_wortels(1));
//     s.fraction = wortels_fraction_style();
#include "formula/surface_style.h"

namespace cifrala {

// One row of the table of frames and cursors: the first surface's font, what
// clearing draws, the cursor after clearing, the left margin and the line unit.
struct FrameRow {
    FontSpec font;
    FrameSpec frame;
    LineUnit line_unit;
};
void apply_frame(SurfaceStyle& style, const FrameRow& row);

namespace style_rows {

constexpr Coord from_start(int offset) {
    return Coord{Coord::Start, offset, false};
}
constexpr Coord from_end(int offset) {
    return Coord{Coord::End, offset, false};
}
constexpr Coord middle() {
    return Coord{Coord::Middle, 0, false};
}

// A frame line; blue and 10 pixels wide unless told otherwise.
FrameLine frame_line(Coord x1, Coord y1, Coord x2, Coord y2, int width = 10,
                     QColor colour = QColor(0, 0, 255));
FrameLine vertical(int x, Coord y1, Coord y2, int width = 10);
FrameLine horizontal(Coord y, Coord x1, Coord x2, int width = 10);

// A frame without lines: cursor (sx, sy) after clearing, margin, line unit.
FrameRow plain_row(int sx, int sy, int margin, LineUnit unit, FontSpec font = {});

}  // namespace style_rows

}  // namespace cifrala
