#pragma once
// The plane transform between world and surface coordinates, and the
// questions asked of it: is a point inside the world window, which figure
// point is under the mouse.
#include <QPointF>
#include <QRectF>

#include "drawing/engine/figure.h"

namespace cifrala {

// The surface position of a world position (the border rule keeps it off
// the surface's edges).
QPointF world_to_surface(const Figure& f, double x, double y);
// The same without the border rule, for positions far outside the surface
// (curve samples); never NaN for finite input.
QPointF world_to_surface_unclamped(const Figure& f, double x, double y);
// The inverse of the plane transform.
QPointF surface_to_world(const Figure& f, QPointF surface);
inline QPointF surface_to_world(const Figure& f, double sx, double sy) {
    return surface_to_world(f, QPointF(sx, sy));
}
// The world window's rectangle on the surface.
QRectF window_on_surface(const Figure& f);

// Computes point `slot`'s surface position from its world coordinates;
// `valid` tells whether that was possible.
void place_point(Figure& f, int slot);
void place_all_points(Figure& f);

// True when the coordinate system is off, or when x, y and z each lie
// within their window ends widened by 10^-10.
bool inside_window(const Figure& f, const WorldPoint& p);
bool inside_window(const Figure& f, int slot);

// The figure point nearest to the surface position when it lies within 10
// pixels, else -1. Points not drawn and invalid points are not picked.
int nearest_point(const Figure& f, QPointF surface);

}  // namespace cifrala
