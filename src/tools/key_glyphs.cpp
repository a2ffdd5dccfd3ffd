#include "tools/key_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "formula/font_map.h"

namespace cifrala {

namespace {

// The dark body of a device drawn on a key; leaves the pen off.
void draw_device(QPainter& p, const QRectF& body, qreal radius) {
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(90, 100, 120));
    p.drawRoundedRect(body, radius, radius);
    p.setPen(Qt::NoPen);
}

// A grid of white keys from `origin`, one every `pitch`.
void draw_keys(QPainter& p, QPointF origin, int rows, int columns, QSizeF pitch, QSizeF key) {
    p.setBrush(Qt::white);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < columns; ++col)
            p.drawRect(QRectF(origin + QPointF(col * pitch.width(), row * pitch.height()), key));
}

}  // namespace

QIcon key_glyph_icon(KeyGlyph glyph, QSize size) {
    const int w = size.width();
    const int h = size.height();
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(10, 10, 10);
    switch (glyph) {
        case KeyGlyph::RootSign: {
            QPainterPath path;
            path.moveTo(w * 0.08, h * 0.58);
            path.lineTo(w * 0.25, h * 0.50);
            path.lineTo(w * 0.42, h * 0.90);
            path.lineTo(w * 0.62, h * 0.10);
            path.lineTo(w * 0.95, h * 0.10);
            p.setPen(QPen(ink, std::max(1.5, h / 9.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(path);
            break;
        }
        case KeyGlyph::Pi: {
            // A sans-serif pi: in a bold serif face it reads as two bars.
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(std::max(8, h));
            f.setBold(false);
            p.setFont(f);
            p.setPen(ink);
            p.drawText(QRect(0, -1, w, h), Qt::AlignCenter, QString(QChar(0x03C0)));
            break;
        }
        case KeyGlyph::Copy: {
            p.setPen(QPen(QColor(20, 40, 120), 1.3));
            p.setBrush(Qt::white);
            const int rw = w * 11 / 20;
            const int rh = h * 12 / 20;
            p.drawRect(QRectF(w * 0.12, h * 0.08, rw, rh));
            p.drawRect(QRectF(w * 0.34, h * 0.30, rw, rh));
            break;
        }
        case KeyGlyph::Calculator: {
            // A body with its display and three rows of keys.
            const QRectF body(w * 0.18, h * 0.06, w * 0.64, h * 0.88);
            draw_device(p, body, w * 0.08);
            p.setBrush(QColor(200, 235, 200));
            p.drawRect(QRectF(body.left() + w * 0.08, body.top() + h * 0.08,
                              body.width() - w * 0.16, h * 0.2));
            draw_keys(p, body.topLeft() + QPointF(w * 0.08, h * 0.38), 3, 3,
                      QSizeF(w * 0.17, h * 0.17), QSizeF(w * 0.12, w * 0.12));
            break;
        }
        case KeyGlyph::Keyboard: {
            // A flat board with two rows of keys and a space bar.
            const QRectF board(w * 0.04, h * 0.24, w * 0.92, h * 0.56);
            draw_device(p, board, w * 0.06);
            draw_keys(p, board.topLeft() + QPointF(w * 0.06, h * 0.07), 2, 6,
                      QSizeF(w * 0.14, h * 0.15), QSizeF(w * 0.11, w * 0.088));
            p.drawRect(
                QRectF(board.left() + w * 0.24, board.top() + h * 0.38, w * 0.44, w * 0.077));
            break;
        }
        case KeyGlyph::Help: {
            const int d = std::min(w, h) - 2;
            const QRect circle((w - d) / 2, (h - d) / 2, d, d);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 110, 220));
            p.drawEllipse(circle);
            p.setFont(make_font(QStringLiteral("verdana"), std::max(6, d * 3 / 5), true));
            p.setPen(Qt::white);
            p.drawText(circle, Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
    }
    p.end();
    return QIcon(pm);
}

}  // namespace cifrala
