#pragma once
// Panels that lie over a practice window's drawing surface: floating panels
// (explanations, the own-exercise panel, result boxes), which the pupil drags
// around, and the cover sheet, with which the pupil hides the lower side of
// the worked solution and uncovers it step by step. Each has a small "Hide"
// button.
#include <QFrame>
#include <QPointer>
#include <optional>

class QToolButton;

namespace cifrala {

// What both kinds share: the surface that limits them, the "Hide" button in
// the top right corner, and the drag anchor (set on mouse down, cleared on
// mouse up).
class SurfacePanel : public QFrame {
    Q_OBJECT
public:
    QToolButton* hide_button() const { return hide_button_; }
    bool dragging() const { return anchor_.has_value(); }

Q_SIGNALS:
    void hidden_by_pupil();

protected:
    SurfacePanel(QWidget* parent, const QString& name, QWidget* surface, QColor background);

    // Moves the panel while the mouse is dragged from `anchor` to `at` (both
    // in panel coordinates) over `surface`.
    virtual void drag(const QRect& surface, QPoint anchor, QPoint at) = 0;
    void hide_by_pupil();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    QPointer<QWidget> surface_;

private:
    QToolButton* hide_button_;
    std::optional<QPoint> anchor_;
};

class FloatingPanel : public SurfacePanel {
    Q_OBJECT
public:
    // `surface` is the widget whose area limits the panel (the surface view).
    FloatingPanel(QWidget* parent, const QString& name, QWidget* surface);

    // The panel stays this far below the surface's top (long division: 40).
    void set_top_margin(int margin) { top_margin_ = margin; }
    void set_hide_on_double_click(bool on) { hide_on_double_click_ = on; }

Q_SIGNALS:
    void moved();

protected:
    void drag(const QRect& surface, QPoint anchor, QPoint at) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int top_margin_ = 0;
    bool hide_on_double_click_ = false;
};

class CoverSheet : public SurfacePanel {
    Q_OBJECT
public:
    // `drag_limit`: how close to the surface's top the pupil may drag the
    // sheet (-1: no closer than where it starts, `distance`).
    CoverSheet(QWidget* parent, const QString& name, QWidget* surface, int distance,
               int drag_limit = -1);

    int distance() const { return distance_; }
    int drag_limit() const { return drag_limit_; }
    // Covers the surface from `distance` below its top to its bottom.
    void show_over_surface();

protected:
    void drag(const QRect& surface, QPoint anchor, QPoint at) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int distance_;
    int drag_limit_;
};

}  // namespace cifrala
