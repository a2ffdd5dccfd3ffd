#include "drawing/engine/drawn_items_json.h"

#include <cmath>
#include <variant>

namespace cifrala {

namespace {

// Surface coordinates to a hundredth of a pixel.
double rounded(double v) {
    return std::round(v * 100) / 100;
}

}  // namespace

QJsonObject drawn_item_json(const DrawnCurve& c) {
    QJsonArray points;
    for (const QPointF& p : c.points)
        points.append(QJsonArray{rounded(p.x()), rounded(p.y())});
    return QJsonObject{{QStringLiteral("kind"), QStringLiteral("curve")},
                       {QStringLiteral("function"), c.function},
                       {QStringLiteral("colour"), c.colour.name()},
                       {QStringLiteral("width"), c.width},
                       {QStringLiteral("points"), points}};
}

QJsonObject drawn_item_json(const DrawnPoint& p) {
    return QJsonObject{{QStringLiteral("kind"), QStringLiteral("point")},
                       {QStringLiteral("name"), p.name},
                       {QStringLiteral("x"), rounded(p.centre.x())},
                       {QStringLiteral("y"), rounded(p.centre.y())},
                       {QStringLiteral("radius"), p.radius},
                       {QStringLiteral("colour"), p.colour.name()}};
}

QJsonObject drawn_item_json(const DrawnCircle& c) {
    return QJsonObject{{QStringLiteral("kind"), QStringLiteral("circle")},
                       {QStringLiteral("x"), rounded(c.centre.x())},
                       {QStringLiteral("y"), rounded(c.centre.y())},
                       {QStringLiteral("radius_x"), rounded(c.radius_x)},
                       {QStringLiteral("radius_y"), rounded(c.radius_y)},
                       {QStringLiteral("colour"), c.colour.name()},
                       {QStringLiteral("width"), c.width}};
}

QJsonArray figure_items_json(const DisplayList& list) {
    QJsonArray out;
    for (const DrawnItem& item : list.items()) {
        if (const auto* c = std::get_if<DrawnCurve>(&item)) out.append(drawn_item_json(*c));
        if (const auto* p = std::get_if<DrawnPoint>(&item)) out.append(drawn_item_json(*p));
        if (const auto* c = std::get_if<DrawnCircle>(&item)) out.append(drawn_item_json(*c));
    }
    return out;
}

}  // namespace cifrala
