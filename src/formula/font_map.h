#pragma once
// The fonts the windows ask for, mapped to the fonts this system has, and
// point sizes turned into pixel sizes for a 96-dpi screen, so that a surface
// looks the same on screen, offscreen and in a saved picture.
#include <QFont>
#include <QString>

namespace cifrala {

// "verdana" -> DejaVu Sans, "Courier new" -> Liberation Mono (or DejaVu Sans
// Mono), "SYMBOL" -> the text font (symbol codes become Unicode characters).
QString font_family_for(const QString& requested);

// Pixel size of a font of `points` points on a 96-dpi screen (at least 1).
int pixel_size_for_points(int points);

QFont make_font(const QString& requested_family, int points, bool bold);

}  // namespace cifrala
