#include "practice/integers/clock_face.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "formula/arrowhead.h"
#include "formula/surface.h"

namespace cifrala {

namespace {

constexpr double kArrowheadLength = 30;
constexpr double kArrowheadAngle = 40;
constexpr int kHandWidth = 5;
constexpr double kDiscRadius = 9;

QPoint rounded(QPointF p) {
    return p.toPoint();
}

void line(Surface::Canvas& c, QPointF from, QPointF to, int width, const QColor& colour) {
    c.painter().setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    c.painter().drawLine(from, to);
    c.record(DrawnLine{rounded(from), rounded(to), width, colour});
}

void arrowhead(Surface::Canvas& c, QPointF tip, QPointF tail, const QColor& colour) {
    const QPolygon head = arrowhead_polygon(tip, tail, kArrowheadLength, kArrowheadAngle);
    c.painter().setPen(QPen(colour, 1));
    c.painter().setBrush(colour);
    c.painter().drawPolygon(head);
    c.painter().setBrush(Qt::NoBrush);
    c.record(DrawnPolygon{head, colour, 1, true});
}

void disc(Surface::Canvas& c, QPointF centre, double radius, const QColor& fill,
          const QColor& outline, int width) {
    c.painter().setPen(width > 0 ? QPen(outline, width) : QPen(Qt::NoPen));
    c.painter().setBrush(fill);
    c.painter().drawEllipse(centre, radius, radius);
    c.painter().setBrush(Qt::NoBrush);
    c.record(DrawnCircle{centre, radius, radius, width > 0 ? outline : fill, std::max(width, 1)});
}

// Minute hand to 0.8 R with its tip at 0.85 R, hour hand to 0.6 R with its
// tip at 0.65 R.
void hands(Surface::Canvas& c, const ClockGeometry& g, int minutes, const QColor& minute_colour,
           const QColor& hour_colour) {
    const double m = minute_hand_degrees(minutes);
    line(c, g.centre, clock_point(g, m, 0.8), kHandWidth, minute_colour);
    arrowhead(c, clock_point(g, m, 0.85), g.centre, minute_colour);
    const double h = hour_hand_degrees(minutes);
    line(c, g.centre, clock_point(g, h, 0.6), kHandWidth, hour_colour);
    arrowhead(c, clock_point(g, h, 0.65), g.centre, hour_colour);
}

void face(Surface::Canvas& c, const ClockGeometry& g) {
    disc(c, g.centre, g.radius, Qt::white, Qt::black, 6);
    for (int i = 1; i <= 60; ++i) {
        const double a = i / 60.0 * 360.0;
        line(c, clock_point(g, a, 0.94), clock_point(g, a, 1.0), 2, Qt::black);
    }
    for (int j = 1; j <= 12; ++j) {
        const double a = j / 12.0 * 360.0;
        line(c, clock_point(g, a, 0.9), clock_point(g, a, 1.0), 5, Qt::black);
    }
}

}  // namespace

ClockGeometry clock_geometry(bool right) {
    const double c = right ? 475 : 25;
    ClockGeometry g;
    g.centre = QPointF(c + 325.5, 225.5);
    g.saved_square = right ? QRect(646, 46, 359, 359) : QRect(146, 46, 359, 359);
    return g;
}

double minute_hand_degrees(int minutes) {
    return ((minutes % 60) - 15) / 60.0 * 360.0;
}

double hour_hand_degrees(int minutes) {
    const int h = minutes / 60;
    const double m = minutes % 60;
    return (h - 3 + m / 60.0) / 12.0 * 360.0;
}

QPointF clock_point(const ClockGeometry& clock, double degrees, double fraction) {
    const double a = degrees * std::numbers::pi / 180.0;
    return clock.centre + QPointF(std::cos(a), std::sin(a)) * (fraction * clock.radius);
}

void klok(Surface& s, bool right, int minutes) {
    const ClockGeometry g = clock_geometry(right);
    Surface::Batch batch(s);
    // What the clock covers is drawn anew; the list keeps only what shows.
    const QRectF face_box(g.centre - QPointF(g.radius + 4, g.radius + 4),
                          QSizeF(2 * g.radius + 8, 2 * g.radius + 8));
    s.fill_rect(g.saved_square.united(face_box.toAlignedRect()), s.background());
    Surface::Canvas c(s);
    face(c, g);
    hands(c, g, minutes, clock_colours::kMinuteHand, clock_colours::kHourHand);
    disc(c, g.centre, kDiscRadius, Qt::black, Qt::black, 0);
}

void klok_with_ghost(Surface& s, bool right, int minutes, int ghost) {
    Surface::Batch batch(s);
    klok(s, right, minutes);
    const ClockGeometry g = clock_geometry(right);
    Surface::Canvas c(s);
    hands(c, g, ghost, clock_colours::kGhost, clock_colours::kGhost);
}

}  // namespace cifrala
