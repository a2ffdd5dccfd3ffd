#include "drawing/explanation/card_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "drawing/explanation/card_export.h"

namespace cifrala {

CardView::CardView(Surface& surface, QWidget* parent) : SurfaceView(surface, parent) {
    setMouseTracking(true);
    std::function<void(const QRect&)> repaint_area = std::move(surface.on_changed);
    surface.on_changed = [this, repaint_area](const QRect& area) {
        stale_ = true;
        if (repaint_area) repaint_area(area);
    };
}

void CardView::paintEvent(QPaintEvent* event) {
    const double ratio = devicePixelRatioF();
    if (ratio <= 1.0) {
        SurfaceView::paintEvent(event);
        return;
    }
    if (stale_ || sharp_.devicePixelRatio() != ratio) {
        sharp_ = render_at_ratio(surface(), ratio);
        stale_ = false;
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), sharp_);
}

void CardView::wheelEvent(QWheelEvent* event) {
    Q_EMIT wheelTurned(event->position(), event->angleDelta().y());
    event->accept();
}

void CardView::leaveEvent(QEvent* event) {
    Q_EMIT mouseLeft();
    SurfaceView::leaveEvent(event);
}

}  // namespace cifrala
