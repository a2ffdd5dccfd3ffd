#pragma once
// Panels that lie over a practice window's drawing surface: floating panels
// (explanations, the own-exercise panel, result boxes), which the pupil drags
// around, and the cover sheet, with which the pupil hides the lower part of
// the worked solution and uncovers it step by step. Each has a small "Hide"
// button.
#include <QFrame>
#include <QPointer>
#include <optional>

class QToolButton;

namespace cifrala {

class FloatingPanel : public QFrame {
    Q_OBJECT
public:
    // `surface` is the widget whose area limits the panel (the surface view).
    FloatingPanel(QWidget* parent, const QString& name, QWidget* surface);

    QToolButton* hide_button() const { return hide_button_; }
    // The panel stays this far below the surface's top (long division: 40).
    void set_top_margin(int margin) { top_margin_ = margin; }
    void set_hide_on_double_click(bool on) { hide_on_double_click_ = on; }
    bool dragging() const { return anchor_.has_value(); }

Q_SIGNALS:
    void moved();
    void hidden_by_pupil();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void hide_by_pupil();

    QPointer<QWidget> surface_;
    QToolButton* hide_button_;
    std::optional<QPoint> anchor_;
    int top_margin_ = 0;
    bool hide_on_double_click_ = false;
};

class CoverSheet : public QFrame {
    Q_OBJECT
public:
    CoverSheet(QWidget* parent, const QString& name, QWidget* surface, int distance);

    QToolButton* hide_button() const { return hide_button_; }
    int distance() const { return distance_; }
    // Covers the surface from `distance` below its top to its bottom.
    void show_over_surface();
    bool dragging() const { return anchor_.has_value(); }

Q_SIGNALS:
    void hidden_by_pupil();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void hide_by_pupil();

    QPointer<QWidget> surface_;
    QToolButton* hide_button_;
    std::optional<QPoint> anchor_;
    int distance_;
};

}  // namespace cifrala
