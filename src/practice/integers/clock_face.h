#pragma once
// The two analogue clocks of the clock topics (klok): a white face with 60
// minute marks and 12 hour marks, a red minute hand and a blue hour hand,
// each with its arrowhead, and a black disc at the centre. The left clock
// shows the start time, the right clock the end time. Moving a track bar
// redraws its clock and adds grey ghost hands for the time the bar stands at.
#include <QColor>
#include <QPointF>
#include <QRect>

namespace cifrala {

class Surface;

struct ClockGeometry {
    QPointF centre;
    double radius = 175.5;
    // Everything the hands can reach: the clock is drawn back over it.
    QRect saved_square;
};

// The left (start) or right (end) clock.
ClockGeometry clock_geometry(bool right);

// Angles from the positive x axis, y downwards, in degrees.
double minute_hand_degrees(int minutes);
double hour_hand_degrees(int minutes);
// The point at `fraction` of the radius in the direction `degrees`.
QPointF clock_point(const ClockGeometry& clock, double degrees, double fraction);

namespace clock_colours {
inline const QColor kMinuteHand{255, 0, 0};
inline const QColor kHourHand{0, 0, 255};
inline const QColor kGhost{192, 192, 192};  // silver
}  // namespace clock_colours

// The whole clock showing `minutes` (a clock time, 0 to 719).
void klok(Surface& s, bool right, int minutes);
// The clock drawn back as klok left it, then the ghost hands for `ghost`.
void klok_with_ghost(Surface& s, bool right, int minutes, int ghost);

}  // namespace cifrala
