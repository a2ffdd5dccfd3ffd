#include "practice/common/glyphs.h"

#include <QPainter>
#include <QPixmap>

#include "formula/font_map.h"

namespace cifrala {

QIcon glyph_icon(Glyph glyph) {
    QPixmap pm(22, 22);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(20, 40, 120);
    switch (glyph) {
        case Glyph::Help: {
            p.setBrush(QColor(60, 110, 220));
            p.setPen(Qt::NoPen);
            p.drawEllipse(1, 1, 20, 20);
            QFont f = make_font(QStringLiteral("verdana"), 11, true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRect(0, 0, 22, 22), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case Glyph::Copy:
            p.setPen(QPen(ink, 1.5));
            p.setBrush(Qt::white);
            p.drawRect(3, 2, 11, 13);
            p.drawRect(8, 7, 11, 13);
            break;
        case Glyph::SavePicture:
            p.setPen(QPen(ink, 1.5));
            p.setBrush(QColor(230, 240, 255));
            p.drawRect(2, 3, 18, 16);
            p.setBrush(QColor(80, 170, 80));
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygon(
                {QPoint(4, 17), QPoint(9, 9), QPoint(13, 14), QPoint(15, 11), QPoint(19, 17)}));
            p.setBrush(QColor(240, 190, 40));
            p.drawEllipse(14, 5, 4, 4);
            break;
        case Glyph::Previous:
            p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(4, 4, 14, 14, 60 * 16, 280 * 16);
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygon({QPoint(12, 1), QPoint(17, 5), QPoint(11, 8)}));
            break;
    }
    return QIcon(pm);
}

}  // namespace cifrala
