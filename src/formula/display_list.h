#pragma once
// What a drawing surface shows, as a list of the things drawn on it since it
// was last cleared: text runs, lines, polygons, pictures, and what they make
// together: a stacked fraction, a superscript, a root sign over its radicand,
// the hint line, an arrow. The composite items follow the runs and lines they
// were drawn with, and their rectangle encloses them. Filling an area removes
// what it covers, so the list always describes what the pupil sees. Tests, the render mode and
// tools read the surface through it.
#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QPolygon>
#include <QPolygonF>
#include <QRect>
#include <QString>
#include <variant>
#include <vector>

namespace cifrala {

struct DrawnText {
    QString text;
    QPoint pos;          // top-left corner of the text cell
    int point_size = 0;  // points on a 96-dpi screen
    QColor colour;
    bool bold = false;
    QString family;  // the family asked for ("verdana", "Courier new", ...)
    QRect rect;      // the cell: pos, advance width, text height
};

struct DrawnLine {
    QPoint from, to;
    int width = 1;
    QColor colour;
};

struct DrawnPolygon {
    QPolygon points;
    QColor colour;
    int width = 1;
    bool filled = false;  // filled polygon, else an open polyline
};

struct DrawnImage {
    QString name;  // the picture file
    QRect rect;
};

// A stacked fraction (also a mixed number's fraction piece); a minus written in
// front of it is a text run of its own. `line_y` is the top of the line it
// stands on.
struct DrawnFraction {
    QString top, bottom;
    QString top_exponent, bottom_exponent;  // fractions with powers in them
    QRect rect;
    int line_y = 0;
};

struct DrawnSuperscript {
    QString text;
    QRect rect;
    int line_y = 0;
};

// A root sign; `radicand` is what stands under it, when the writer knows it,
// and `index` the small number of a root other than the square root.
struct DrawnRoot {
    QString radicand;
    QRect rect;
    int line_y = 0;
    QString index;
};

// The text of a hint row (0 is the lowest).
struct DrawnHint {
    QString text;
    int row = 0;
    QRect rect;
};

struct DrawnArrow {
    QPoint from, to;  // tail and tip
    QColor colour;
    QRect rect;
};

// A piece of a curve of a figure, in surface coordinates.
struct DrawnCurve {
    QPolygonF points;
    QColor colour;
    int width = 1;
    int function = 0;  // the figure's function number
};

// A dot that marks a figure point.
struct DrawnPoint {
    QPointF centre;
    int radius = 0;
    QColor colour;
    QString name;  // the point's name (" " for none)
};

// A circle or, with unequal axis scales, an ellipse.
struct DrawnCircle {
    QPointF centre;
    double radius_x = 0, radius_y = 0;
    QColor colour;
    int width = 1;
};

using DrawnItem =
    std::variant<DrawnText, DrawnLine, DrawnPolygon, DrawnImage, DrawnFraction, DrawnSuperscript,
                 DrawnRoot, DrawnHint, DrawnArrow, DrawnCurve, DrawnPoint, DrawnCircle>;

class DisplayList {
public:
    void clear() { items_.clear(); }
    void add(DrawnItem item) { items_.push_back(std::move(item)); }
    // An opaque fill of `area`: drops every item that lay wholly inside it,
    // and every text (or item made of text) whose whole width and most of
    // whose height it covers.
    void cover(const QRect& area);

    const std::vector<DrawnItem>& items() const { return items_; }
    size_t size() const { return items_.size(); }
    // The rectangle around the items from index `first` on (empty when none).
    QRect bounds_from(size_t first) const;
    std::vector<DrawnText> texts() const;
    std::vector<DrawnLine> lines() const;
    std::vector<DrawnPolygon> polygons() const;
    std::vector<DrawnImage> images() const;
    std::vector<DrawnFraction> fractions() const;
    std::vector<DrawnSuperscript> superscripts() const;
    std::vector<DrawnRoot> roots() const;
    std::vector<DrawnHint> hints() const;
    std::vector<DrawnArrow> arrows() const;
    std::vector<DrawnCurve> curves() const;
    std::vector<DrawnPoint> points() const;
    std::vector<DrawnCircle> circles() const;

    // The text runs whose cell lies wholly inside `area`.
    std::vector<DrawnText> texts_in(const QRect& area) const;
    // Every run with exactly this text, in drawing order.
    std::vector<DrawnText> find_texts(const QString& text) const;
    // The runs joined in drawing order (a quick look at the whole surface).
    QString joined_text(const QString& separator = QStringLiteral("|")) const;

private:
    std::vector<DrawnItem> items_;
};

QRect bounding_rect(const DrawnItem& item);

}  // namespace cifrala
