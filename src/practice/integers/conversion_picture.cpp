#include "practice/integers/conversion_picture.h"

#include <QHash>
#include <QImage>
#include <QPainter>

#include "formula/surface.h"
#include "text/program_dir.h"

namespace cifrala {

namespace {

constexpr int kFactorX = 100;
constexpr int kFactorBelowY = 70;
constexpr int kFactorInsideY = 40;
constexpr int kSmaller = 10;

// The picture with white made transparent (loaded once per file).
const QImage& keyed_picture(const QString& name) {
    static QHash<QString, QImage> pictures;
    const QString path = data_path(name);
    auto it = pictures.find(path);
    if (it == pictures.end()) {
        QImage image(path);
        if (!image.isNull()) {
            image = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    // Near-white becomes see-through in proportion, so the
                    // smoothed edges blend with any background.
                    const QRgb c = row[x];
                    const int lightest = std::min({qRed(c), qGreen(c), qBlue(c)});
                    const int alpha = std::clamp((255 - lightest) * 3, 0, 255);
                    row[x] = qRgba(qRed(c), qGreen(c), qBlue(c), alpha);
                }
            }
            image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        it = pictures.insert(path, image);
    }
    return *it;
}

}  // namespace

QString arrow_picture_name(ArrowPicture which) {
    return which == ArrowPicture::Below ? QStringLiteral("pijl1.bmp") : QStringLiteral("pijl2.bmp");
}

QRect draw_conversion_arrow(Surface& s, ArrowPicture which, QPoint at, const QString& factor) {
    Surface::Batch batch(s);
    const QString name = arrow_picture_name(which);
    const QImage& picture = keyed_picture(name);
    QRect area(at, QSize(kArrowPictureWidth, kArrowPictureHeight));
    if (!picture.isNull() && !s.measure_only) {
        Surface::Canvas c(s);
        c.painter().drawImage(at, picture);
        c.record(DrawnImage{name, QRect(at, picture.size())});
    }
    const int shrunk = s.shrink_font(kSmaller);
    const QColor kept = s.font_colour();
    s.set_font_colour(Qt::red);
    const QPoint text(at.x() + kFactorX,
                      at.y() + (which == ArrowPicture::Below ? kFactorBelowY : kFactorInsideY));
    s.text_at(text.x(), text.y(), factor);
    area = area.united(QRect(text, QSize(s.text_width(factor), s.text_height())));
    s.set_font_colour(kept);
    s.restore_font(shrunk);
    return area;
}

}  // namespace cifrala
