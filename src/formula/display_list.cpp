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
        QRect operator()(const DrawnFraction& f) const { return f.rect; }
        QRect operator()(const DrawnSuperscript& s) const { return s.rect; }
        QRect operator()(const DrawnRoot& r) const { return r.rect; }
        QRect operator()(const DrawnHint& h) const { return h.rect; }
        QRect operator()(const DrawnArrow& a) const { return a.rect; }
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

namespace {

// Text and what is built of text: gone once the fill runs over its whole
// width and most of its height (a hint band one pixel lower than the text).
bool text_like(const DrawnItem& item) {
    return std::holds_alternative<DrawnText>(item) || std::holds_alternative<DrawnFraction>(item) ||
           std::holds_alternative<DrawnSuperscript>(item) ||
           std::holds_alternative<DrawnRoot>(item) || std::holds_alternative<DrawnHint>(item);
}

bool covered(const QRect& area, const DrawnItem& item) {
    const QRect r = bounding_rect(item);
    if (area.contains(r)) return true;
    if (!text_like(item) || r.isEmpty()) return false;
    const QRect both = area.intersected(r);
    return both.width() == r.width() && 2 * both.height() > r.height();
}

}  // namespace

void DisplayList::cover(const QRect& area) {
    std::erase_if(items_, [&](const DrawnItem& item) { return covered(area, item); });
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

std::vector<DrawnFraction> DisplayList::fractions() const {
    return all_of_kind<DrawnFraction>(items_);
}
std::vector<DrawnSuperscript> DisplayList::superscripts() const {
    return all_of_kind<DrawnSuperscript>(items_);
}
std::vector<DrawnRoot> DisplayList::roots() const {
    return all_of_kind<DrawnRoot>(items_);
}
std::vector<DrawnHint> DisplayList::hints() const {
    return all_of_kind<DrawnHint>(items_);
}
std::vector<DrawnArrow> DisplayList::arrows() const {
    return all_of_kind<DrawnArrow>(items_);
}

QRect DisplayList::bounds_from(size_t first) const {
    QRect r;
    for (size_t i = first; i < items_.size(); ++i)
        r = r.united(bounding_rect(items_[i]));
    return r;
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
    QStringList pieces;
    for (const DrawnText& t : texts())
        pieces << t.text;
    return pieces.join(separator);
}

}  // namespace cifrala
