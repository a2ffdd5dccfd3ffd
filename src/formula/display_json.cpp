#include "formula/display_json.h"

#include <QJsonArray>
#include <cmath>
#include <variant>

#include "formula/display_reader.h"
#include "formula/surface.h"

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

namespace {

void put_rect(QJsonObject& o, const QRect& r) {
    o.insert(QStringLiteral("x"), r.x());
    o.insert(QStringLiteral("y"), r.y());
    o.insert(QStringLiteral("w"), r.width());
    o.insert(QStringLiteral("h"), r.height());
}

QJsonArray points(const QPolygon& p) {
    QJsonArray out;
    for (const QPoint& q : p)
        out.append(QJsonArray{q.x(), q.y()});
    return out;
}

QString colour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

struct ItemWriter {
    QJsonObject operator()(const DrawnText& t) const {
        QJsonObject o{{"kind", "text"}, {"text", t.text},     {"size", t.point_size},
                      {"bold", t.bold}, {"family", t.family}, {"colour", colour(t.colour)}};
        put_rect(o, t.rect);
        return o;
    }
    QJsonObject operator()(const DrawnLine& l) const {
        return QJsonObject{
            {"kind", "line"}, {"x1", l.from.x()}, {"y1", l.from.y()},          {"x2", l.to.x()},
            {"y2", l.to.y()}, {"width", l.width}, {"colour", colour(l.colour)}};
    }
    QJsonObject operator()(const DrawnPolygon& p) const {
        return QJsonObject{{"kind", p.filled ? "filled_polygon" : "polyline"},
                           {"points", points(p.points)},
                           {"width", p.width},
                           {"colour", colour(p.colour)}};
    }
    QJsonObject operator()(const DrawnImage& i) const {
        QJsonObject o{{"kind", "picture"}, {"name", i.name}};
        put_rect(o, i.rect);
        return o;
    }
    QJsonObject operator()(const DrawnFraction& f) const {
        QJsonObject o{
            {"kind", "fraction"}, {"top", f.top}, {"bottom", f.bottom}, {"line_y", f.line_y}};
        if (!f.top_exponent.isEmpty()) o.insert(QStringLiteral("top_exponent"), f.top_exponent);
        if (!f.bottom_exponent.isEmpty())
            o.insert(QStringLiteral("bottom_exponent"), f.bottom_exponent);
        put_rect(o, f.rect);
        return o;
    }
    QJsonObject operator()(const DrawnSuperscript& s) const {
        QJsonObject o{{"kind", "superscript"}, {"text", s.text}, {"line_y", s.line_y}};
        put_rect(o, s.rect);
        return o;
    }
    QJsonObject operator()(const DrawnRoot& r) const {
        QJsonObject o{{"kind", "root"}, {"radicand", r.radicand}, {"line_y", r.line_y}};
        if (!r.index.isEmpty()) o.insert(QStringLiteral("index"), r.index);
        put_rect(o, r.rect);
        return o;
    }
    QJsonObject operator()(const DrawnHint& h) const {
        QJsonObject o{{"kind", "hint"}, {"text", h.text}, {"row", h.row}};
        put_rect(o, h.rect);
        return o;
    }
    QJsonObject operator()(const DrawnCurve& c) const { return drawn_item_json(c); }
    QJsonObject operator()(const DrawnPoint& p) const { return drawn_item_json(p); }
    QJsonObject operator()(const DrawnCircle& c) const { return drawn_item_json(c); }
    QJsonObject operator()(const DrawnArrow& a) const {
        return QJsonObject{{"kind", "arrow"}, {"x1", a.from.x()}, {"y1", a.from.y()},
                           {"x2", a.to.x()},  {"y2", a.to.y()},   {"colour", colour(a.colour)}};
    }
};

}  // namespace

QJsonObject display_to_json(const DisplayList& display, QSize size) {
    QJsonArray items;
    for (const DrawnItem& item : display.items())
        items.append(std::visit(ItemWriter{}, item));
    const QStringList lines = read_line_texts(display);
    QJsonArray line_array;
    for (const QString& l : lines)
        line_array.append(l);
    return QJsonObject{{"width", size.width()},
                       {"height", size.height()},
                       {"items", items},
                       {"lines", line_array},
                       {"hint", read_hint(display)},
                       {"answer", lines.isEmpty() ? QString() : lines.back()}};
}

QJsonObject surface_to_json(const Surface& surface) {
    return display_to_json(surface.display(), QSize(surface.width(), surface.height()));
}

}  // namespace cifrala
