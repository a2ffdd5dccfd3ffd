#pragma once
// A card drawn again from what its surface recorded: at a finer resolution
// for a high-density screen, and as an SVG drawing when it is saved.
#include <QImage>
#include <QString>

#include "formula/surface.h"

namespace cifrala {

// Paints the items of the surface's display list with `painter` in surface
// coordinates; pictures are taken from the surface itself.
void paint_recorded(QPainter& painter, const Surface& surface);

// The surface painted anew at `ratio` device pixels per surface pixel.
QImage render_at_ratio(const Surface& surface, double ratio);

// Saves the surface: as SVG when the name ends in ".svg", else as the
// picture format of its ending (PNG without one). False when it could not
// be written.
bool save_card(const Surface& surface, const QString& file_name);

}  // namespace cifrala
