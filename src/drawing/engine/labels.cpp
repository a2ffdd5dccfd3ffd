#include "drawing/engine/labels.h"

#include <algorithm>

#include "formula/surface.h"

namespace cifrala {

QRect label_cell_inside(const Surface& s, QPoint at, const QString& text) {
    const int w = s.text_width(text);
    const int h = s.text_height();
    const int x = std::clamp(at.x(), 0, std::max(0, s.width() - w));
    const int y = std::clamp(at.y(), 0, std::max(0, s.height() - h));
    return QRect(x, y, w, h);
}

QRect write_label_inside(Surface& s, QPoint at, const QString& text) {
    // A text wider or higher than the surface is written smaller.
    int applied = 0;
    while (s.font_size() > 1 && (s.text_width(text) > s.width() || s.text_height() > s.height()))
        applied += s.shrink_font(1);
    const QRect cell = label_cell_inside(s, at, text);
    s.text_at(cell.x(), cell.y(), text);
    s.restore_font(applied);
    return cell;
}

LabelFont::LabelFont(Surface& s, int size, const QColor& colour)
    : s_(s),
      family_(s.font_family()),
      size_(s.font_size()),
      bold_(s.bold()),
      colour_(s.font_colour()) {
    s_.set_font(FontSpec{QStringLiteral("verdana"), std::max(1, size), false, colour});
}

LabelFont::~LabelFont() {
    s_.set_font(FontSpec{family_, size_, bold_, colour_});
}

}  // namespace cifrala
