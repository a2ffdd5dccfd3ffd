#pragma once
// Arrowheads: a filled polygon of four points, the tip, two wings at the
// arrowhead length from the tip, each at half the opening angle from the
// shaft, and a notch on the shaft side at 0.7 of the way from the tip to the
// midpoint of the wings. Length and angle are program-wide; a window may set
// them (the integers window uses 30 pixels and 40 degrees).
#include <QPointF>
#include <QPolygon>

namespace cifrala {

extern double arrowhead_length;         // pixels
extern double arrowhead_angle_degrees;  // full opening angle

// `tail` is any point on the shaft behind the tip.
QPolygon arrowhead_polygon(QPointF tip, QPointF tail, double length = arrowhead_length,
                           double opening_degrees = arrowhead_angle_degrees);

}  // namespace cifrala
