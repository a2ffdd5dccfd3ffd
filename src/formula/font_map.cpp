#include "formula/font_map.h"

#include <QFontDatabase>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace cifrala {

namespace {

QString first_available(std::initializer_list<const char*> candidates) {
    const QStringList families = QFontDatabase::families();
    for (const char* c : candidates) {
        const QString name = QString::fromLatin1(c);
        if (families.contains(name, Qt::CaseInsensitive)) return name;
    }
    return QString::fromLatin1(*candidates.begin());
}

}  // namespace

QString font_family_for(const QString& requested) {
    static QHash<QString, QString> cache;
    const QString key = requested.toLower();
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    QString family;
    if (key == QLatin1String("courier new") || key == QLatin1String("courier")) {
        family = first_available({"Liberation Mono", "DejaVu Sans Mono", "Noto Mono"});
    } else if (key == QLatin1String("verdana") || key == QLatin1String("symbol") ||
               key == QLatin1String("ms sans serif") || key.isEmpty()) {
        family = first_available({"DejaVu Sans", "Liberation Sans", "Noto Sans"});
    } else {
        family = requested;
    }
    cache.insert(key, family);
    return family;
}

int pixel_size_for_points(int points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

QFont make_font(const QString& requested_family, int points, bool bold) {
    QFont f(font_family_for(requested_family));
    f.setPixelSize(pixel_size_for_points(points));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

}  // namespace cifrala
