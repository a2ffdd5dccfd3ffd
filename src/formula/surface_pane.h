#pragma once
// The control that shows a drawing surface on a window. It owns its surface,
// repaints the changed area as soon as an operation on the surface ends, can
// be given a picture of another size, and reports the mouse actions with
// which the pupil moves the worksheet or opens the cover sheet.
#include <QWidget>
#include <memory>

#include "formula/surface.h"

namespace cifrala {

class SurfacePane : public QWidget {
    Q_OBJECT
public:
    SurfacePane(QSize size, const SurfaceStyle& style, QWidget* parent = nullptr);
    ~SurfacePane() override;

    Surface& surface() { return *surface_; }
    const Surface& surface() const { return *surface_; }
    // A new picture of this size, filled with the background and with
    // nothing on it; the pane takes the same size.
    void resize_surface(QSize size);
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
    std::unique_ptr<Surface> surface_;
};

}  // namespace cifrala
