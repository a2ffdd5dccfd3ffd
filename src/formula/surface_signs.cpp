// Root signs, symbol characters and arrows.
#include <QPolygon>
#include <cmath>

#include "formula/arrowhead.h"
#include "formula/surface.h"
#include "formula/symbol_font.h"

namespace cifrala {

namespace {

// Room between the sign and its radicand, and after the overbar.
constexpr int kRadicandGap = 2;

}  // namespace

QPolygon root_sign_polygon(int x0, int y0, double scale) {
    static constexpr int kShape[5][2] = {{0, 25}, {5, 20}, {15, 50}, {30, 0}, {35, 0}};
    QPolygon sign;
    for (const auto& p : kShape) {
        sign << QPoint(x0 + static_cast<int>(std::lround(scale * p[0])),
                       y0 + static_cast<int>(std::lround(scale * p[1])));
    }
    return sign;
}

RootSignEnd Surface::root_sign(int x0, int y0, double scale) {
    const QPolygon sign = root_sign_polygon(x0, y0, scale);
    if (style_.root_sign.pen_width > 0) set_pen_width(style_.root_sign.pen_width);
    if (!measure_only) polyline(sign);
    return RootSignEnd{static_cast<int>(std::lround(x0 + 35 * scale)) - 1, y0};
}

RootSignEnd Surface::basiswortelteken(int x0, int y0, double scale, const QString& radicand) {
    Batch batch(*this);
    const size_t mark = display_.size();
    const RootSignEnd end = root_sign(x0, y0, scale);
    record(DrawnRoot{radicand, {}, y0}, mark);
    return end;
}

void Surface::wortel_over(const QString& radicand, double scale, int corner_dy,
                          const std::function<void()>& write_radicand) {
    Batch batch(*this);
    const int line_y = cursor.y;
    const size_t mark = display_.size();
    const RootSignEnd bar = root_sign(cursor.x, cursor.y + corner_dy, scale);
    cursor.x = bar.bar_x + kRadicandGap;
    if (write_radicand) write_radicand();
    const int end = cursor.x + kRadicandGap;
    if (!measure_only) line(bar.bar_x, bar.bar_y, end, bar.bar_y);
    record(DrawnRoot{radicand, {}, line_y}, mark);
    cursor.x = end + kRadicandGap;
}

void Surface::worteluittxt(const QString& text, double scale, int corner_dy) {
    wortel_over(text, scale, corner_dy, [&] { my_textout(text); });
}

void Surface::wortelteken_in_breuk(int w) {
    Batch batch(*this);
    const int y = cursor.y;
    QPolygon sign;
    sign << QPoint(w + 15, y - 8) << QPoint(w + 10, y - 8) << QPoint(w, y + 19) << QPoint(w - 7, y)
         << QPoint(w - 12, y + 5);
    if (!measure_only) polyline(sign);
}

void Surface::my_textoutSymbol(int code) {
    Batch batch(*this);
    const QString ch = symbol_character(code);
    if (!measure_only) text_at(cursor.x, cursor.y + 5, ch);
    cursor.x += text_width(ch);
}

void Surface::teken_pijl(bool to_the_right, const QColor& colour) {
    Batch batch(*this);
    const int x = cursor.x;
    const int y = cursor.y + 35;
    set_pen(3, colour);
    const size_t mark = display_.size();
    if (!measure_only) {
        if (to_the_right) {
            line(x, y, x + 76, y);
            filled_polygon(arrowhead_polygon(QPointF(x + 80, y), QPointF(x, y)), Qt::red);
        } else {
            line(x + 4, y, x + 80, y);
            filled_polygon(arrowhead_polygon(QPointF(x, y), QPointF(x + 80, y)), Qt::red);
        }
    }
    const QPoint tail(to_the_right ? x : x + 80, y), tip(to_the_right ? x + 80 : x, y);
    record(DrawnArrow{tail, tip, colour, {}}, mark);
    set_pen_colour(Qt::black);
    cursor.x += 90;
}

}  // namespace cifrala
