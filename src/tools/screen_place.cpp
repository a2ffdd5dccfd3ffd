#include "tools/screen_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace cifrala {

QPoint within_screen(const QWidget* window, QPoint wanted) {
    QRect area;
    if (const QScreen* screen = QGuiApplication::screenAt(wanted)) {
        area = screen->availableGeometry();
    } else if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        area = primary->availableGeometry();
    }
    if (area.isEmpty()) return wanted;
    const QSize whole = window->frameGeometry().size().expandedTo(window->size());
    const int max_x = std::max(area.left(), area.right() + 1 - whole.width());
    const int max_y = std::max(area.top(), area.bottom() + 1 - whole.height());
    return QPoint(std::clamp(wanted.x(), area.left(), max_x),
                  std::clamp(wanted.y(), area.top(), max_y));
}

}  // namespace cifrala
