#include "formula/arrowhead.h"

#include <QLineF>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace cifrala {

double arrowhead_length = 15.0;
double arrowhead_angle_degrees = 40.0;

QPolygon arrowhead_polygon(QPointF tip, QPointF tail, double length, double opening_degrees) {
    QPointF back = tail - tip;
    const double norm = std::hypot(back.x(), back.y());
    back = norm > 0 ? back / norm : QPointF(-1, 0);
    const double half = opening_degrees / 2 * std::numbers::pi / 180.0;
    auto rotated = [&](double a) {
        return QPointF(back.x() * std::cos(a) - back.y() * std::sin(a),
                       back.x() * std::sin(a) + back.y() * std::cos(a));
    };
    const QPointF wing1 = tip + length * rotated(half);
    const QPointF wing2 = tip + length * rotated(-half);
    const QPointF middle = (wing1 + wing2) / 2;
    const QPointF notch = tip + 0.7 * (middle - tip);
    QPolygon p;
    p << tip.toPoint() << wing1.toPoint() << notch.toPoint() << wing2.toPoint();
    return p;
}

}  // namespace cifrala
