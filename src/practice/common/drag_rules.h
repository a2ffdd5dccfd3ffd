#pragma once
// Where a dragged cover sheet or floating panel goes. Positions are in the
// coordinates of the window that holds the surface and the panel.
#include <QPoint>
#include <QRect>

namespace cifrala {

// The cover sheet's new geometry while the pupil drags it: `mouse` is the
// mouse position and `anchor` the position where the button went down, both
// in the sheet's own coordinates. The sheet stays at least `distance` below
// the surface's top and not left of it, its right and bottom edges stay on
// the surface's, and a strip of at least `keep` pixels stays on the surface
// so that the sheet can always be taken again.
QRect drag_cover_sheet(const QRect& surface, int distance, const QRect& sheet, QPoint anchor,
                       QPoint mouse, int keep = 20);

// A floating panel's new top-left corner: not left of the surface and not
// above its top plus `top_margin`, and not so far right or down that less
// than `keep` pixels of it lie on the surface; the size does not change.
QPoint drag_floating_panel(const QRect& surface, int top_margin, const QRect& panel, QPoint anchor,
                           QPoint mouse, int keep = 30);

// The worksheet's new top-left corner while the pupil drags it (it moves
// without other limits): at least `keep` pixels of it stay in the window,
// so it can always be taken again.
QPoint drag_worksheet(const QSize& window, const QRect& sheet, QPoint offset, int keep = 40);

}  // namespace cifrala
