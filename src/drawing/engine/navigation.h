#pragma once
// Moving a figure under the mouse: dragging one of its points, zooming
// around the mouse and shifting the whole view.
#include <QPointF>

#include "drawing/engine/figure.h"

namespace cifrala {

// Moves point `slot` to the world position under `surface` when it is a
// free point (a gliding point moves along its curve), then places every
// point again (computed points follow their definition). False when nothing moved.
bool drag_point(Figure& f, int slot, QPointF surface);

// Zooms by `factor` (above 1: closer) keeping the world position under
// `surface` where it is; the windows and grid steps follow the view.
void zoom_at(Figure& f, QPointF surface, double factor);
// Shifts the view by `delta` pixels (the picture moves with the mouse).
void pan_by(Figure& f, QPointF delta);

// The windows of the first two axes made to what the surface shows, with
// round grid steps (multiples of pi for a pi axis).
void window_from_view(Figure& f);
// A round major step for a span: 1, 2 or 5 times a power of ten, about a
// tenth of the span; with `pi` a multiple of pi/12 .. pi * 2^k.
double round_step(double span, bool pi);
// The minor step under a major one: a fifth of 1 or 5, a quarter of 2, half
// of a pi step.
double minor_step(double major, bool pi);
// Round steps for the first two windows, at least 40 pixels apart.
void choose_steps(Figure& f);

// Puts every gliding point back on its curve: y follows from x.
void keep_on_curves(Figure& f);

}  // namespace cifrala
