#pragma once
// The unit ladders of the metric window, drawn on the surfaces of its
// ladder box: the upper ladder with its column ticks, the red arrows that
// say which way divides and which multiplies, the unit names under the
// columns, the litre ladder with its connector to the cubic decimetre, and
// the blue arrows and factor labels of the worked steps.
#include <QColor>
#include <QString>

#include "practice/metric/metric_units.h"

namespace cifrala {

class Surface;

namespace metric_ladder {
inline const QColor kAqua{0, 255, 255};
inline const QColor kStepBlue{0, 0, 255};
inline constexpr int kImageWidth = 738;  // the upper ladder's surface
inline constexpr int kImageHeight = 320;
inline constexpr int kNamesWidth = 767;  // the unit names' surfaces
inline constexpr int kNamesHeight = 48;
inline constexpr int kVolumeNamesHeight = 220;
inline constexpr int kFontPoints = 28;
inline constexpr int kFactorShrink = 6;
inline constexpr int kLadderY = 90;        // the upper ladder line
inline constexpr int kStepArrowY = 65;     // the blue arrow of a step
inline constexpr int kFactorY = 20;        // the factor above it
inline constexpr int kStepsBottom = 80;    // what a new exercise clears above this
inline constexpr int kLitreLadderY = 130;  // on the volume names' surface
inline constexpr int kLitreArrowY = 115;
inline constexpr int kLitreFactorY = 82;
inline constexpr int kLitreStepsTop = 82;  // the litre steps' band
inline constexpr int kLitreStepsBottom = 123;
inline constexpr double kArrowLength = 20;  // the window's arrowheads
inline constexpr double kArrowAngle = 40;
}  // namespace metric_ladder

// The distance between two columns on a surface of this width, and the x of
// a column.
int column_spacing(int image_width = metric_ladder::kImageWidth);
int column_x(int column, int spacing = column_spacing());

// Once, when the window is made: the upper ladder on aqua, its line and a
// tick at every column.
void draw_upper_ladder(Surface& ladder);
// Once: the names of the columns of the quantity (with "2" or "3" after
// them for areas and volumes); the volume names also get the litre ladder.
void draw_unit_names(Surface& names, Quantity q);
// At every new exercise: the steps of the previous exercise taken away
// from both ladders, and the red arrows of the upper ladder drawn again.
void clear_ladder_steps(Surface& ladder, Surface& volume_names);
void draw_direction_arrows(Surface& ladder);

// The text of a factor label: "x 1" and a zero group per column to the
// left, ": 1" and a group per column to the right.
QString factor_label(int from, int to, const QString& group);
// The blue arrow of a step on the upper ladder, from column a to column b.
void ladder_arrow(Surface& ladder, int a, int b);
// Its factor above it.
void ladder_factor(Surface& ladder, int a, int b, const QString& group);
// The factor and the arrow on the litre ladder.
void litre_factor(Surface& volume_names, int a, int b);

}  // namespace cifrala
