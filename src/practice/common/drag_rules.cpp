#include "practice/common/drag_rules.h"

#include <algorithm>

namespace cifrala {

QRect drag_cover_sheet(const QRect& surface, int distance, const QRect& sheet, QPoint anchor,
                       QPoint mouse, int keep) {
    const int right = surface.x() + surface.width();
    const int bottom = surface.y() + surface.height();
    int left = std::max(surface.x(), mouse.x() + sheet.x() - anchor.x());
    int top = std::max(surface.y() + distance, mouse.y() + sheet.y() - anchor.y());
    left = std::min(left, std::max(surface.x(), right - keep));
    top = std::min(top, std::max(surface.y() + distance, bottom - keep));
    return QRect(left, top, right - left, bottom - top);
}

QPoint drag_floating_panel(const QRect& surface, int top_margin, const QRect& panel, QPoint anchor,
                           QPoint mouse, int keep) {
    const int left = std::max(surface.x(), mouse.x() + panel.x() - anchor.x());
    const int top = std::max(surface.y() + top_margin, mouse.y() + panel.y() - anchor.y());
    const int right_most = std::max(surface.x(), surface.x() + surface.width() - keep);
    const int lowest = std::max(surface.y() + top_margin, surface.y() + surface.height() - keep);
    return QPoint(std::min(left, right_most), std::min(top, lowest));
}

QPoint drag_worksheet(const QSize& window, const QRect& sheet, QPoint offset, int keep) {
    const QPoint to = sheet.topLeft() + offset;
    const int x = std::clamp(to.x(), keep - sheet.width(),
                             std::max(keep - sheet.width(), window.width() - keep));
    const int y = std::clamp(to.y(), keep - sheet.height(),
                             std::max(keep - sheet.height(), window.height() - keep));
    return QPoint(x, y);
}

}  // namespace cifrala
