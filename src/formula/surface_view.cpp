#include "formula/surface_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace cifrala {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(surface.width(), surface.height());
    surface_.on_changed = [this](const QRect& area) {
        // Shown at once, so a worked step appears while it is being written.
        if (isVisible()) repaint(area);
    };
}

SurfaceView::~SurfaceView() {
    surface_.on_changed = nullptr;
}

QSize SurfaceView::sizeHint() const {
    return surface_.image().size();
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), surface_.image(), r);
}

void SurfaceView::mouseDoubleClickEvent(QMouseEvent* event) {
    Q_EMIT doubleClicked(event->position().toPoint());
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mousePressed(event->position().toPoint(), event->button());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->position().toPoint(), event->buttons());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->position().toPoint());
}

}  // namespace cifrala
