#include "formula/style_rows.h"

namespace cifrala {

void apply_frame(SurfaceStyle& style, const FrameRow& row) {
    style.font = row.font;
    style.frame = row.frame;
    style.line_unit = row.line_unit;
}

namespace style_rows {

FrameLine frame_line(Coord x1, Coord y1, Coord x2, Coord y2, int width, QColor colour) {
    return FrameLine{x1, y1, x2, y2, width, colour};
}

FrameLine vertical(int x, Coord y1, Coord y2, int width) {
    return frame_line(from_start(x), y1, from_start(x), y2, width);
}

FrameLine horizontal(Coord y, Coord x1, Coord x2, int width) {
    return frame_line(x1, y, x2, y, width);
}

FrameRow plain_row(int sx, int sy, int margin, LineUnit unit, FontSpec font) {
    FrameRow r;
    r.font = font;
    r.frame.start_x = sx;
    r.frame.start_y = sy;
    r.frame.left_margin = margin;
    r.line_unit = unit;
    return r;
}

}  // namespace style_rows

}  // namespace cifrala
