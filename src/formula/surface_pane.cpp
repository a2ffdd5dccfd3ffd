#include "formula/surface_pane.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace cifrala {

SurfacePane::SurfacePane(QSize size, const SurfaceStyle& style, QWidget* parent)
    : QWidget(parent), surface_(std::make_unique<Surface>(size.width(), size.height(), style)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(surface_->width(), surface_->height());
    surface_->on_changed = [this](const QRect& area) {
        // Shown at once, so a worked step appears while it is being written.
        if (isVisible()) repaint(area);
    };
}

SurfacePane::~SurfacePane() {
    surface_->on_changed = nullptr;
}

void SurfacePane::resize_surface(QSize size) {
    surface_->resize(size.width(), size.height());
    setFixedSize(surface_->width(), surface_->height());
    update();
}

QSize SurfacePane::sizeHint() const {
    return surface_->image().size();
}

void SurfacePane::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), surface_->image(), r);
}

void SurfacePane::mouseDoubleClickEvent(QMouseEvent* event) {
    Q_EMIT doubleClicked(event->position().toPoint());
}

void SurfacePane::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mousePressed(event->position().toPoint(), event->button());
}

void SurfacePane::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->position().toPoint(), event->buttons());
}

void SurfacePane::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->position().toPoint());
}

}  // namespace cifrala
