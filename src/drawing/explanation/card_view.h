#pragma once
// The image control of the explanation window: the surface as it is, or,
// on a high-density screen, the card painted anew at the screen's density
// so that lines and text stay sharp. It also reports the mouse wheel and
// the mouse leaving it.
#include "formula/surface_pane.h"

namespace cifrala {

class CardView : public SurfacePane {
    Q_OBJECT
public:
    CardView(QSize size, const SurfaceStyle& style, QWidget* parent = nullptr);

Q_SIGNALS:
    void wheelTurned(QPointF pos, int steps_in_eighths);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage sharp_;
    bool stale_ = true;
};

}  // namespace cifrala
