#include "practice/metric/metric_ladder.h"

#include <QFontMetrics>
#include <QPointF>
#include <QPolygon>
#include <cmath>

#include "formula/arrowhead.h"
#include "formula/font_map.h"
#include "formula/surface.h"
#include "practice/metric/metric_style.h"

namespace cifrala {

namespace {

using namespace metric_ladder;

constexpr int kTickHeight = 5;
constexpr int kNamesY = 2;
constexpr int kLitreNamesY = 135;
constexpr int kLitreDirectionY = 190;
constexpr int kLitreDirectionTextY = 195;
constexpr int kLitreDirectionPoints = 18;
// The connector between the cubic decimetre and the litre.
constexpr int kConnectorLow = 78;
constexpr int kConnectorMiddle = 63;
constexpr int kConnectorHigh = 50;
constexpr int kConnectorUpTip = 45;
constexpr int kConnectorDownTip = 81;
constexpr double kConnectorArrowLength = 12;

FontSpec ladder_font(int points, QColor colour) {
    FontSpec f;
    f.family = QStringLiteral("verdana");
    f.size = points;
    f.colour = colour;
    return f;
}

// A line and an arrowhead with its tip at `tip`, recorded as one arrow.
void arrow(Surface& s, QPoint tail, QPoint line_end, QPoint tip, int pen, QColor colour,
           double length = kArrowLength) {
    const size_t mark = s.display().size();
    s.set_pen(pen, colour);
    s.line(tail.x(), tail.y(), line_end.x(), line_end.y());
    s.filled_polygon(arrowhead_polygon(QPointF(tip), QPointF(tail), length, kArrowAngle), colour);
    s.record(DrawnArrow{tail, tip, colour, {}}, mark);
    s.set_pen(3, Qt::black);
}

// The x at which a factor label of width w stands between columns a and b.
int factor_x(int a, int b, int w, bool litre) {
    const int s = column_spacing();
    const bool first_pair = (a == 0 && b == 1) || (a == 1 && b == 0);
    const bool last_pair = (a == 5 && b == 6) || (a == 6 && b == 5);
    if (first_pair) return litre ? s - w + 30 : s - w / 2 + 30;
    if (last_pair) return 5 * s - w / 2 + 30;
    return static_cast<int>(std::nearbyint((a + b) / 2.0 * s - w / 2)) + 30;
}

// A unit name at (x, y), its superscript right after it and 7 pixels higher.
void unit_name(Surface& s, int x, int y, const QString& name, const QString& power) {
    s.set_font(ladder_font(kFontPoints, Qt::black));
    s.text_at(x, y, name);
    if (power.isEmpty()) return;
    const SuperscriptStyle st = metriek_superscript();
    const int after = x + s.text_width(name);
    const int applied = s.shrink_font(st.shrink);
    // Seven pixels higher, but not above the top of the names.
    const QFontMetrics fm(make_font(s.font_family(), s.font_size(), s.bold()));
    const int ink_top = fm.ascent() + fm.tightBoundingRect(power).top();
    const int sup_y = std::max(y + st.y_offset, 1 - ink_top);
    const size_t mark = s.display().size();
    s.text_at(after, sup_y, power);
    s.record(DrawnSuperscript{power, {}, y}, mark);
    s.restore_font(applied);
}

void ladder_line(Surface& s, int y) {
    const int sp = column_spacing();
    s.set_pen(3, Qt::black);
    s.line(column_x(0), y, column_x(6), y);
    for (int c = 0; c < metric_columns::kCount; ++c)
        s.line(column_x(c, sp), y, column_x(c, sp), y - kTickHeight);
}

void direction_arrows(Surface& s, int y) {
    arrow(s, QPoint(1, y), QPoint(60, y), QPoint(60, y), 2, Qt::red);
    arrow(s, QPoint(730, y), QPoint(670, y), QPoint(670, y), 2, Qt::red);
}

void litre_ladder(Surface& s) {
    const int sp = column_spacing();
    ladder_line(s, kLitreLadderY);
    static const char* const names[] = {"mL", "cL", "dL", "L", "daL", "hL", "kL"};
    for (int c = 0; c < metric_columns::kCount; ++c) {
        const int x = c == metric_columns::kLitre ? c * sp + 10 : c * sp + 2;
        unit_name(s, x, kLitreNamesY, QString::fromLatin1(names[c]), QString());
    }
    direction_arrows(s, kLitreDirectionY);
    s.set_font(ladder_font(kLitreDirectionPoints, Qt::red));
    s.text_at(10, kLitreDirectionTextY, QStringLiteral(": 10"));
    s.text_at(680, kLitreDirectionTextY, QStringLiteral("× 10"));
    // The connector: the cubic decimetre above is the litre below.
    const int dm3 = column_x(metric_columns::kCubicDecimetre, sp);
    const int litre = column_x(metric_columns::kLitre, sp);
    const size_t mark = s.display().size();
    s.set_pen(3, Qt::red);
    s.polyline(QPolygon({QPoint(litre, kConnectorLow), QPoint(litre, kConnectorMiddle),
                         QPoint(dm3, kConnectorMiddle), QPoint(dm3, kConnectorHigh)}));
    s.filled_polygon(
        arrowhead_polygon(QPointF(dm3, kConnectorUpTip), QPointF(dm3, kConnectorMiddle),
                          kConnectorArrowLength, kArrowAngle),
        Qt::red);
    s.filled_polygon(
        arrowhead_polygon(QPointF(litre, kConnectorDownTip), QPointF(litre, kConnectorMiddle),
                          kConnectorArrowLength, kArrowAngle),
        Qt::red);
    s.record(DrawnArrow{QPoint(litre, kConnectorLow), QPoint(dm3, kConnectorUpTip), Qt::red, {}},
             mark);
    s.set_pen(3, Qt::black);
}

}  // namespace

int column_spacing(int image_width) {
    return (image_width - 60) / 6;
}

int column_x(int column, int spacing) {
    return 30 + column * spacing;
}

void draw_upper_ladder(Surface& ladder) {
    Surface::Batch batch(ladder);
    ladder.fill_rect(QRect(0, 0, ladder.width(), ladder.height()), kAqua);
    ladder_line(ladder, kLadderY);
}

void draw_unit_names(Surface& names, Quantity q) {
    Surface::Batch batch(names);
    names.fill_rect(QRect(0, 0, names.width(), names.height()), kAqua);
    const int sp = column_spacing();
    const BaseUnit base = base_unit(q, false);
    for (int c = 0; c < metric_columns::kCount; ++c)
        unit_name(names, c * sp + 2, kNamesY, unit_prefix(c) + base.letters, base.power);
    if (q == Quantity::Volume) litre_ladder(names);
}

void clear_ladder_steps(Surface& ladder, Surface& volume_names) {
    ladder.fill_rect(QRect(0, 0, ladder.width(), kStepsBottom), kAqua);
    volume_names.fill_rect(
        QRect(0, kLitreStepsTop, volume_names.width(), kLitreStepsBottom - kLitreStepsTop), kAqua);
}

void draw_direction_arrows(Surface& ladder) {
    Surface::Batch batch(ladder);
    direction_arrows(ladder, 35);
}

QString factor_label(int from, int to, const QString& group) {
    QString text = to < from ? QStringLiteral("× 1") : QStringLiteral(": 1");
    for (int i = 0; i < std::abs(from - to); ++i)
        text += group;
    return text;
}

void ladder_arrow(Surface& ladder, int a, int b) {
    Surface::Batch batch(ladder);
    const int xa = column_x(a), xb = column_x(b);
    const int end = b < a ? xb + 4 : xb - 4;
    arrow(ladder, QPoint(xa, kStepArrowY), QPoint(end, kStepArrowY), QPoint(xb, kStepArrowY), 3,
          kStepBlue);
}

void ladder_factor(Surface& ladder, int a, int b, const QString& group) {
    Surface::Batch batch(ladder);
    ladder.set_font(ladder_font(kFontPoints - kFactorShrink, kStepBlue));
    const QString text = factor_label(a, b, group);
    ladder.text_at(factor_x(a, b, ladder.text_width(text), false), kFactorY, text);
    ladder.set_font_colour(Qt::black);
}

void litre_factor(Surface& volume_names, int a, int b) {
    Surface::Batch batch(volume_names);
    volume_names.set_font(ladder_font(kFontPoints - kFactorShrink, kStepBlue));
    const QString text = factor_label(a, b, QStringLiteral("0"));
    volume_names.text_at(factor_x(a, b, volume_names.text_width(text), true), kLitreFactorY, text);
    volume_names.set_font_colour(Qt::black);
    const int xa = column_x(a), xb = column_x(b);
    const int end = b < a ? xb + 5 : xb - 5;
    arrow(volume_names, QPoint(xa, kLitreArrowY), QPoint(end, kLitreArrowY),
          QPoint(xb, kLitreArrowY), 3, kStepBlue);
}

}  // namespace cifrala
