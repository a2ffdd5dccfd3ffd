#pragma once
// Grid lines, axes and tick labels of a figure's coordinate system.
#include <QString>
#include <vector>

#include "drawing/engine/figure.h"
#include "formula/surface.h"

namespace cifrala {

struct AxisTick {
    double value = 0;
    bool major = false;
};

// The minor steps of an axis from the first multiple of the minor step
// that is not below its lower end up to its upper end; a tick is major
// where the value is a multiple of the major step (within 10^-5). On a
// logarithmic axis: 1..9 times each power of ten, the powers major.
// Bad steps never give more than a few thousand ticks.
std::vector<AxisTick> axis_ticks(const FigureAxis& axis);

// The tick label of a value of the first axis (0) or the second (1).
QString tick_label(const Figure& f, int axis, double value);

// The surface position of the axis lines: where the other coordinate is 0,
// or the window's edge when 0 lies outside it.
double x_axis_surface_y(const Figure& f);
double y_axis_surface_x(const Figure& f);

void draw_grid_and_axes(const Figure& f, Surface::Canvas& canvas);
void draw_tick_labels(const Figure& f, Surface& s, int label_size);

}  // namespace cifrala
