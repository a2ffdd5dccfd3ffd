#include "practice/ratios/ratios_drawing.h"

#include <QPointF>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "formula/arrowhead.h"
#include "formula/surface.h"
#include "practice/ratios/ratios_table.h"
#include "util/integer_math.h"

namespace cifrala {

namespace {

constexpr int kLabelPoints = 25;
constexpr int kFractionPoints = 18;
constexpr double kArrowLength = 16;

FontSpec label_font(int points) {
    FontSpec f;
    f.family = QStringLiteral("verdana");
    f.size = points;
    f.colour = Qt::black;
    return f;
}

// A half ellipse from `from` to `to`, bulging by `bulge` to the left of the
// direction from -> to as seen on the screen (negative: to the right), with an arrowhead at `to`.
void draw_arc(Surface& s, QPointF from, QPointF to, double bulge) {
    const QPointF mid = (from + to) / 2;
    const QPointF half = from - mid;
    const double len = std::hypot(half.x(), half.y());
    if (len <= 0) return;
    // The left-hand normal of from -> to in screen coordinates.
    const QPointF dir = (to - from) / (2 * len);
    const QPointF normal(dir.y(), -dir.x());
    constexpr int kSteps = 48;
    QPolygon points;
    auto at = [&](double t) { return mid + half * std::cos(t) + normal * bulge * std::sin(t); };
    for (int i = 0; i <= kSteps; ++i)
        points << at(std::numbers::pi * i / kSteps).toPoint();
    s.set_pen(3, Qt::black);
    s.polyline(points);
    const QPointF tip = at(std::numbers::pi);
    const QPointF tail = at(std::numbers::pi - 0.45);
    s.filled_polygon(arrowhead_polygon(tip, tail, kArrowLength, arrowhead_angle_degrees),
                     Qt::black);
}

// The size of a label "x 3", "x" with a stacked fraction, or ": 2".
struct Label {
    QString prefix;
    Factor factor;
    int points = kLabelPoints;
};

QSize label_size(Surface& s, const Label& l) {
    s.set_font(label_font(l.points));
    const int prefix_w = s.text_width(l.prefix);
    const int h = s.text_height();
    if (l.factor.denominator == 1) {
        return QSize(prefix_w + s.text_width(QString::number(l.factor.numerator)), h);
    }
    s.set_font(label_font(std::max(8, l.points * kFractionPoints / kLabelPoints)));
    const int fw = std::max(s.text_width(QString::number(l.factor.numerator)),
                            s.text_width(QString::number(l.factor.denominator)));
    const int fh = 2 * s.text_height() + 4;
    return QSize(prefix_w + fw + 2, std::max(h, fh));
}

// Fits the label into `room` pixels by writing it smaller when needed.
Label fitted(Surface& s, Label l, int room) {
    while (l.points > 10 && label_size(s, l).width() > room)
        --l.points;
    return l;
}

// Draws the label with its top-left corner at `at`, over an aqua box so that
// an arc behind it does not run through the digits.
void draw_label(Surface& s, QPoint at, const Label& l) {
    const QSize size = label_size(s, l);
    s.fill_rect(QRect(at, size).adjusted(-3, -1, 3, 1), kRatioBackground);
    s.set_font(label_font(l.points));
    const int h = s.text_height();
    const int prefix_w = s.text_width(l.prefix);
    if (l.factor.denominator == 1) {
        s.text_at(at.x(), at.y() + (size.height() - h) / 2,
                  l.prefix + QString::number(l.factor.numerator));
        return;
    }
    s.text_at(at.x(), at.y() + (size.height() - h) / 2, l.prefix);
    s.set_font(label_font(std::max(8, l.points * kFractionPoints / kLabelPoints)));
    const QString top = QString::number(l.factor.numerator);
    const QString bottom = QString::number(l.factor.denominator);
    const int fw = std::max(s.text_width(top), s.text_width(bottom));
    const int fh = s.text_height();
    const int x = at.x() + prefix_w + 2;
    const int y = at.y() + (size.height() - (2 * fh + 4)) / 2;
    s.text_at(x + (fw - s.text_width(top)) / 2, y, top);
    s.set_pen(2, Qt::black);
    s.line(x, y + fh + 2, x + fw, y + fh + 2);
    s.text_at(x + (fw - s.text_width(bottom)) / 2, y + fh + 4, bottom);
}

QPoint centred(QPoint centre, QSize size) {
    return QPoint(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
}

}  // namespace

Factor reduced_factor(int numerator, int denominator) {
    const int g = gcd(numerator, denominator);
    if (g <= 0 || denominator == 0) return Factor{numerator, denominator == 0 ? 1 : denominator};
    return Factor{numerator / g, denominator / g};
}

void draw_ratio_picture(Surface& s, const RatioLayout& L, const RatioTable& table,
                        const RatioAids& aids) {
    const Surface::Batch batch(s);
    s.fill_rect(QRect(0, 0, s.width(), s.height()), kRatioBackground);

    // Table lines.
    s.set_pen(3, Qt::black);
    const int right = L.right(aids.base_column);
    s.line(L.left, L.top + L.row, right, L.top + L.row);
    const int columns = aids.base_column ? 4 : 3;
    for (int c = 1; c < columns; ++c)
        s.line(L.left + c * L.column, L.top, L.left + c * L.column, L.bottom());

    const double upper_y = L.cell(0, 0).center().y();
    const double lower_y = L.cell(1, 0).center().y();
    const double mid_y = (upper_y + lower_y) / 2;
    std::vector<std::pair<QPoint, Label>> labels;

    // Left: from the lower row up to the upper row, "x" u1/l1.
    if (aids.lower_to_upper) {
        const double x = L.left - 6;
        draw_arc(s, QPointF(x, lower_y), QPointF(x, upper_y), 40);
        Label l{QStringLiteral("x "), reduced_factor(table.upper[0], table.lower[0])};
        if (l.factor.denominator != 1) l.prefix = QStringLiteral("x");
        const int room = static_cast<int>(x) - 40 - 6;
        l = fitted(s, l, room);
        const QSize size = label_size(s, l);
        labels.push_back(
            {QPoint(room - size.width(), static_cast<int>(mid_y) - size.height() / 2), l});
    }
    // Right: from the upper row down to the lower row, "x" l1/u1.
    if (aids.upper_to_lower) {
        const double x = right + 6;
        draw_arc(s, QPointF(x, upper_y), QPointF(x, lower_y), 40);
        Label l{QStringLiteral("x "), reduced_factor(table.lower[0], table.upper[0])};
        if (l.factor.denominator != 1) l.prefix = QStringLiteral("x");
        const int start = static_cast<int>(x) + 40 + 8;
        l = fitted(s, l, s.width() - start - 4);
        const QSize size = label_size(s, l);
        labels.push_back({QPoint(start, static_cast<int>(mid_y) - size.height() / 2), l});
    }
    // Below: from the given column to the base column, ": b".
    if (aids.base_column) {
        const double y = L.bottom() + 4;
        const double from_x = L.cell(1, table.given).center().x();
        const double to_x = L.cell(1, 3).center().x();
        draw_arc(s, QPointF(from_x, y), QPointF(to_x, y), -50);
        Label l{QStringLiteral(": "), Factor{table.base_divisor(), 1}};
        const QSize size = label_size(s, l);
        labels.push_back(
            {centred(QPoint(static_cast<int>((from_x + to_x) / 2), static_cast<int>(y) + 50), size),
             l});
        // Above: from the base column to column i, "x" upper_i / base upper.
        // One label height apart, so that the three labels at the tops of
        // the arcs do not run into each other.
        static constexpr int kHeights[3] = {96, 62, 28};
        for (int i = 0; i < 3; ++i) {
            if (!aids.from_base[static_cast<size_t>(i)]) continue;
            const double top_y = L.top - 4;
            const double bx = L.cell(0, 3).center().x();
            const double cx = L.cell(0, i).center().x();
            draw_arc(s, QPointF(bx, top_y), QPointF(cx, top_y), -kHeights[i]);
            Label f{QStringLiteral("x "), Factor{table.factor_from_base(i), 1}};
            const QSize fs = label_size(s, f);
            labels.push_back({centred(QPoint(static_cast<int>((bx + cx) / 2),
                                             static_cast<int>(top_y) - kHeights[i]),
                                      fs),
                              f});
        }
    }
    for (const auto& [at, l] : labels)
        draw_label(s, at, l);
}

}  // namespace cifrala
