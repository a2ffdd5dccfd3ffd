#pragma once
// A graph of the explanation window: the figure the drawing engine draws
// and the labels written on the surface after it. A graph is built from an
// exercise record for a surface size and can be drawn again as often as
// needed (after a point is dragged, after zooming).
#include <QColor>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "drawing/engine/figure.h"
#include "formula/surface.h"

namespace cifrala {

struct GraphDrawing {
    Figure figure;
    int label_size = 12;
    bool draggable = true;
    // Labels written after the figure; they read the figure, so they follow
    // a dragged point.
    std::function<void(const Figure&, Surface&)> decorate;
};

// Clears the surface and draws the figure and its labels.
void draw_graph(GraphDrawing& g, Surface& s);

// --- helpers of the graph builders ---

// A coefficient as the curve texts write it (format_real_full).
QString coefficient_text(double v);
// The text normalised with the variable `var`, ready for the engine.
QString curve_text(QString text, QChar var = QLatin1Char('x'));
// Sets the first two windows, round grid steps and fits them to the
// surface (a margin of 1 fills it).
void set_window(Figure& f, QSize size, double x_lo, double x_hi, double y_lo, double y_hi,
                double margin = 1.0);
// A second-coordinate window around the values (and 0), at least two units
// high, a tenth wider on each side.
void y_window_around(const std::vector<double>& values, double& lo, double& hi);
// The second-coordinate window of the curve texts over [x_lo, x_hi] (41
// values each) with the extra values, as y_window_around makes it.
void y_window_of_curves(const std::vector<QString>& texts, double x_lo, double x_hi,
                        std::vector<double> extra, double& lo, double& hi,
                        QChar var = QLatin1Char('x'));
// The value of the curve text in x (false where it fails).
bool curve_value(const QString& text, double x, double& y, QChar var = QLatin1Char('x'));

// A named point on function `curve` (its y computed from the curve).
void add_curve_point(Figure& f, int slot, const QString& name, int curve, double x);
// An unnamed point that only anchors a segment or a label.
void add_anchor(Figure& f, int slot, double x, double y);
// A dashed line between two anchors (an asymptote or an axis of symmetry).
void add_dashed_line(Figure& f, int slot, int a, int b, const QColor& colour);

// "(x;y)", the coordinates as the symmetry graphs write them.
QString coordinates_text(double x, double y);

// The colours of the graphs.
inline const QColor kCurveRed(220, 0, 0);
inline const QColor kCurveBlue(0, 0, 220);
inline const QColor kSolutionGreen(0, 150, 0);

}  // namespace cifrala
