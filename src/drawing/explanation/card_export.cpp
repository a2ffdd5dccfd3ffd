#include "drawing/explanation/card_export.h"

#include <QFileInfo>
#include <QSvgGenerator>
#include <variant>

#include "formula/font_map.h"

namespace cifrala {

void paint_recorded(QPainter& p, const Surface& surface) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, surface.width(), surface.height()), surface.background());
    struct Painter {
        QPainter& p;
        const Surface& s;
        void operator()(const DrawnText& t) const {
            const QFont font = make_font(t.family, t.point_size, t.bold);
            p.setFont(font);
            p.setPen(t.colour);
            p.drawText(QPointF(t.pos.x(), t.pos.y() + QFontMetricsF(font).ascent()), t.text);
        }
        void operator()(const DrawnLine& l) const {
            p.setPen(QPen(l.colour, l.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawLine(l.from, l.to);
        }
        void operator()(const DrawnPolygon& g) const {
            if (g.filled) {
                p.setPen(QPen(g.colour, 1));
                p.setBrush(g.colour);
                p.drawPolygon(g.points);
                p.setBrush(Qt::NoBrush);
            } else {
                p.setPen(QPen(g.colour, g.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                p.drawPolyline(g.points);
            }
        }
        void operator()(const DrawnImage& i) const { p.drawImage(i.rect, s.image(), i.rect); }
        void operator()(const DrawnCurve& c) const {
            p.setPen(QPen(c.colour, c.width, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
            p.drawPolyline(c.points);
        }
        void operator()(const DrawnPoint& d) const {
            p.setPen(QPen(d.colour.darker(140), 1));
            p.setBrush(d.colour);
            p.drawEllipse(d.centre, d.radius, d.radius);
            p.setBrush(Qt::NoBrush);
        }
        void operator()(const DrawnCircle& c) const {
            p.setPen(QPen(c.colour, c.width));
            p.drawEllipse(c.centre, c.radius_x, c.radius_y);
        }
        // Fractions, powers, roots, hints and arrows are painted by the runs
        // and lines they are made of.
        void operator()(const DrawnFraction&) const {}
        void operator()(const DrawnSuperscript&) const {}
        void operator()(const DrawnRoot&) const {}
        void operator()(const DrawnHint&) const {}
        void operator()(const DrawnArrow&) const {}
    };
    const Painter painter{p, surface};
    for (const DrawnItem& item : surface.display().items())
        std::visit(painter, item);
}

QImage render_at_ratio(const Surface& surface, double ratio) {
    ratio = std::clamp(ratio, 1.0, 4.0);
    QImage image(static_cast<int>(std::ceil(surface.width() * ratio)),
                 static_cast<int>(std::ceil(surface.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    paint_recorded(p, surface);
    return image;
}

bool save_card(const Surface& surface, const QString& file_name) {
    if (file_name.isEmpty()) return false;
    const QString suffix = QFileInfo(file_name).suffix().toLower();
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(file_name);
        svg.setSize(QSize(surface.width(), surface.height()));
        svg.setViewBox(QRect(0, 0, surface.width(), surface.height()));
        svg.setResolution(96);
        QPainter p;
        if (!p.begin(&svg)) return false;
        paint_recorded(p, surface);
        return p.end() && QFileInfo(file_name).size() > 0;
    }
    return surface.image().save(file_name, suffix.isEmpty() ? "PNG" : nullptr);
}

}  // namespace cifrala
