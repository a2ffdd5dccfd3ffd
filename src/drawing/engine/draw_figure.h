#pragma once
// Drawing a figure on a surface: grid and axes, the curves, segments,
// circles, tick labels and the points with their names, in that order.
// Everything drawn is recorded in the surface's display list.
#include "drawing/engine/figure.h"
#include "formula/surface.h"

namespace cifrala {

// Nothing is drawn when the figure has no points and no functions. The
// surface is not cleared first.
void draw_figure(Figure& f, Surface& s, int label_size = 12);

// The surface polylines of one curve of the figure, clipped to the world
// window (to the surface when the coordinate system is off).
std::vector<QPolygonF> curve_pieces(const Figure& f, int slot);

}  // namespace cifrala
