#pragma once
// The image control that shows a drawing surface on a window. It repaints
// the changed area as soon as an operation on the surface ends, and reports
// the mouse actions with which the pupil moves the worksheet or opens the
// cover sheet.
#include <QWidget>

#include "formula/surface.h"

namespace cifrala {

class SurfaceView : public QWidget {
    Q_OBJECT
public:
    // The view shows `surface` (which must outlive it) at its full size.
    SurfaceView(Surface& surface, QWidget* parent = nullptr);
    ~SurfaceView() override;

    Surface& surface() { return surface_; }
    QSize sizeHint() const override;

Q_SIGNALS:
    void doubleClicked(QPoint pos);
    void mousePressed(QPoint pos, Qt::MouseButton button);
    void mouseMoved(QPoint pos, Qt::MouseButtons buttons);
    void mouseReleased(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Surface& surface_;
};

}  // namespace cifrala
