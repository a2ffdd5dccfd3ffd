#pragma once
// The curved arrows beside a conversion factor: "pijl1.bmp" hangs below
// the line it converts, "pijl2.bmp" stands above it. The picture is drawn
// onto the worksheet with its white left out, so it never hides what is
// written; the factor goes in red, 10 points smaller than the sheet's font,
// 100 pixels right of the picture's left edge, 70 pixels below its top
// (below the hanging arrow) or 40 pixels below its top (inside the standing one).
#include <QPoint>
#include <QRect>
#include <QString>

namespace cifrala {

class Surface;

inline constexpr int kArrowPictureWidth = 390;
inline constexpr int kArrowPictureHeight = 74;

enum class ArrowPicture { Below, Above };  // pijl1.bmp, pijl2.bmp

QString arrow_picture_name(ArrowPicture which);
// Draws the picture with its top-left corner at `at` and the factor; returns
// the rectangle of both.
QRect draw_conversion_arrow(Surface& s, ArrowPicture which, QPoint at, const QString& factor);

}  // namespace cifrala
