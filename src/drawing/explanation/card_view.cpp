#include "drawing/explanation/card_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "drawing/explanation/card_export.h"

namespace cifrala {

CardView::CardView(QSize size, const SurfaceStyle& style, QWidget* parent)
    : SurfacePane(size, style, parent) {
    setMouseTracking(true);
    std::function<void(const QRect&)> repaint_area = std::move(surface().on_changed);
    surface().on_changed = [this, repaint_area](const QRect& area) {
        stale_ = true;
        if (repaint_area) repaint_area(area);
    };
}

void CardView::paintEvent(QPaintEvent* event) {
    const double ratio = devicePixelRatioF();
    if (ratio <= 1.0) {
        SurfacePane::paintEvent(event);
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
    SurfacePane::leaveEvent(event);
}

}  // namespace cifrala
