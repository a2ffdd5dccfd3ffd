#include "practice/inequalities/inequality_writing.h"

#include <cstdlib>

#include "formula/font_map.h"
#include "formula/surface.h"
#include "util/format.h"

namespace cifrala {

namespace {

constexpr int kSignGap = 3;
constexpr int kSignPen = 2;

}  // namespace

QString number_text(double v) {
    return format_real_full(v);
}

void write_term(Surface& s, int k, bool x_term) {
    if (k == 0) return;
    const QString sign = k > 0 ? QStringLiteral(" + ") : QStringLiteral(" - ");
    const int m = std::abs(k);
    if (x_term) {
        s.my_textout(sign + (m == 1 ? QString() : number_text(m)) + QStringLiteral("x"));
    } else {
        s.my_textout(sign + number_text(m));
    }
}

void write_parabola(Surface& s, const InequalityExercise& e) {
    if (e.a == 1) {
        s.my_textout(QStringLiteral("x"));
    } else if (e.a == -1) {
        s.my_textout(QStringLiteral("-x"));
    } else {
        s.my_textout(number_text(e.a) + QStringLiteral("x"));
    }
    s.in_de_machttxt(QStringLiteral("2"));
    write_term(s, e.b, true);
    write_term(s, e.c, false);
}

void write_line(Surface& s, int slope, int intercept) {
    if (slope == 0) {
        if (intercept < 0) {
            s.my_textout(QStringLiteral("- ") + number_text(std::abs(intercept)));
        } else {
            s.my_textout(number_text(intercept));
        }
        return;
    }
    if (slope == 1) {
        s.my_textout(QStringLiteral("x"));
    } else if (slope == -1) {
        s.my_textout(QStringLiteral("-x"));
    } else {
        s.my_textout(number_text(slope) + QStringLiteral("x"));
    }
    write_term(s, intercept, false);
}

void write_inequality(Surface& s, const InequalityExercise& e, bool equation) {
    write_parabola(s, e);
    s.my_textout(equation ? QStringLiteral(" = ")
                 : e.less ? QStringLiteral(" < ")
                          : QStringLiteral(" > "));
    write_line(s, e.s, e.n);
}

void write_with_index(Surface& s, const QString& name, const QString& sub, int shrink, int drop) {
    s.my_textout(name);
    Surface::Batch batch(s);
    const int line_y = s.cursor.y;
    const int size = std::max(1, s.font_size() - shrink);
    const QFont font = make_font(s.font_family(), size, s.bold());
    const QFontMetrics m(font);
    const int width = m.horizontalAdvance(sub);
    if (!s.measure_only) {
        Surface::Canvas canvas(s);
        QPainter& p = canvas.painter();
        p.setFont(font);
        p.setPen(s.font_colour());
        const QRect cell(s.cursor.x, line_y + drop, width, m.height());
        p.drawText(QPoint(cell.x(), cell.y() + m.ascent()), sub);
        // Read with the line it stands on, not as a line of its own.
        canvas.record(DrawnText{sub, QPoint(s.cursor.x, line_y), size, s.font_colour(), s.bold(),
                                s.font_family(), cell});
    }
    s.cursor.x += width;
}

void open_bracket(Surface& s) {
    s.cursor.x += kSignGap;
    s.set_pen(kSignPen, Qt::black);
    const int x = s.cursor.x, y = s.cursor.y, h = s.text_height();
    s.polyline(
        QPolygon({QPoint(x + 8, y + 2), QPoint(x, y + h / 2 + 4), QPoint(x + 8, y + h + 4)}));
    s.cursor.x += 10;
}

void closing_bracket(Surface& s) {
    s.cursor.x += kSignGap;
    s.set_pen(kSignPen, Qt::black);
    const int x = s.cursor.x, y = s.cursor.y, h = s.text_height();
    s.polyline(QPolygon({QPoint(x, y + 2), QPoint(x + 8, y + h / 2 + 4), QPoint(x, y + h + 4)}));
    s.cursor.x += 10;
}

void left_arrow(Surface& s) {
    s.cursor.x += kSignGap;
    s.set_pen(kSignPen, Qt::black);
    const int x = s.cursor.x, m = s.cursor.y + s.text_height() / 2;
    s.polyline(QPolygon({QPoint(x + 25, m + 2), QPoint(x, m + 2), QPoint(x + 10, m - 8)}));
    s.line(x, m + 2, x + 10, m + 12);
    s.cursor.x += 30;
}

void right_arrow(Surface& s) {
    s.cursor.x += kSignGap;
    s.set_pen(kSignPen, Qt::black);
    const int x = s.cursor.x, m = s.cursor.y + s.text_height() / 2;
    s.polyline(QPolygon({QPoint(x, m + 2), QPoint(x + 25, m + 2), QPoint(x + 15, m - 8)}));
    s.line(x + 25, m + 2, x + 15, m + 12);
    s.cursor.x += 30;
}

}  // namespace cifrala
