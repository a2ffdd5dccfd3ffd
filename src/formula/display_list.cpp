#include "formula/display_list.h"

#include <QStringList>
#include <algorithm>

namespace cifrala {

namespace {

template <typename T>
std::vector<T> all_of_kind(const std::vector<DrawnItem>& items) {
    std::vector<T> out;
    for (const DrawnItem& item : items)
        if (const T* t = std::get_if<T>(&item)) out.push_back(*t);
    return out;
}

}  // namespace

QRect bounding_rect(const DrawnItem& item) {
    struct Visitor {
        QRect operator()(const DrawnText& t) const { return t.rect; }
        QRect operator()(const DrawnLine& l) const {
            const int half = std::max(0, l.width / 2);
            return QRect(l.from, l.to).normalized().adjusted(-half, -half, half, half);
        }
        QRect operator()(const DrawnPolygon& p) const { return p.points.boundingRect(); }
        QRect operator()(const DrawnImage& i) const { return i.rect; }
        QRect operator()(const DrawnCurve& c) const {
            const int half = (c.width + 1) / 2;
            return c.points.boundingRect().toAlignedRect().adjusted(-half, -half, half, half);
        }
        QRect operator()(const DrawnPoint& p) const {
            const double r = p.radius + 0.5;
            return QRectF(p.centre - QPointF(r, r), p.centre + QPointF(r, r)).toAlignedRect();
        }
        QRect operator()(const DrawnCircle& c) const {
            const QPointF d(c.radius_x + c.width / 2.0, c.radius_y + c.width / 2.0);
            return QRectF(c.centre - d, c.centre + d).toAlignedRect();
        }
    };
    return std::visit(Visitor{}, item);
}

void DisplayList::cover(const QRect& area) {
    std::erase_if(items_,
                  [&](const DrawnItem& item) { return area.contains(bounding_rect(item)); });
}

std::vector<DrawnText> DisplayList::texts() const {
    return all_of_kind<DrawnText>(items_);
}
std::vector<DrawnLine> DisplayList::lines() const {
    return all_of_kind<DrawnLine>(items_);
}
std::vector<DrawnPolygon> DisplayList::polygons() const {
    return all_of_kind<DrawnPolygon>(items_);
}
std::vector<DrawnImage> DisplayList::images() const {
    return all_of_kind<DrawnImage>(items_);
}

std::vector<DrawnCurve> DisplayList::curves() const {
    return all_of_kind<DrawnCurve>(items_);
}
std::vector<DrawnPoint> DisplayList::points() const {
    return all_of_kind<DrawnPoint>(items_);
}
std::vector<DrawnCircle> DisplayList::circles() const {
    return all_of_kind<DrawnCircle>(items_);
}

std::vector<DrawnText> DisplayList::texts_in(const QRect& area) const {
    std::vector<DrawnText> out;
    for (const DrawnText& t : texts())
        if (area.contains(t.rect)) out.push_back(t);
    return out;
}

std::vector<DrawnText> DisplayList::find_texts(const QString& text) const {
    std::vector<DrawnText> out;
    for (const DrawnText& t : texts())
        if (t.text == text) out.push_back(t);
    return out;
}

QString DisplayList::joined_text(const QString& separator) const {
    QStringList parts;
    for (const DrawnText& t : texts())
        parts << t.text;
    return parts.join(separator);
}

}  // namespace cifrala
