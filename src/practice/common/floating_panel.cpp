#include "practice/common/floating_panel.h"

#include <QMouseEvent>
#include <QToolButton>

#include "practice/common/drag_rules.h"

namespace cifrala {

SurfacePanel::SurfacePanel(QWidget* parent, const QString& name, QWidget* surface,
                           QColor background)
    : QFrame(parent), surface_(surface), hide_button_(new QToolButton(this)) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    hide_button_->setObjectName(name + QStringLiteral("Hide"));
    hide_button_->setText(QStringLiteral("×"));
    hide_button_->setToolTip(QStringLiteral("Hide"));
    hide_button_->setAutoRaise(true);
    hide_button_->setFocusPolicy(Qt::NoFocus);
    hide_button_->setFixedSize(18, 18);
    connect(hide_button_, &QToolButton::clicked, this, &SurfacePanel::hide_by_pupil);
    hide();
}

void SurfacePanel::hide_by_pupil() {
    hide();
    Q_EMIT hidden_by_pupil();
}

void SurfacePanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    hide_button_->move(width() - hide_button_->width() - 3, 3);
    hide_button_->raise();
}

void SurfacePanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) anchor_ = event->position().toPoint();
}

void SurfacePanel::mouseMoveEvent(QMouseEvent* event) {
    if (!anchor_ || !surface_) return;
    drag(surface_->geometry(), *anchor_, event->position().toPoint());
}

void SurfacePanel::mouseReleaseEvent(QMouseEvent*) {
    anchor_.reset();
}

FloatingPanel::FloatingPanel(QWidget* parent, const QString& name, QWidget* surface)
    : SurfacePanel(parent, name, surface, QColor(255, 255, 225)) {
    setLineWidth(2);
}

void FloatingPanel::drag(const QRect& surface, QPoint anchor, QPoint at) {
    move(drag_floating_panel(surface, top_margin_, geometry(), anchor, at));
    Q_EMIT moved();
}

void FloatingPanel::mouseDoubleClickEvent(QMouseEvent*) {
    if (hide_on_double_click_) hide_by_pupil();
}

// The cover sheet has the colour of inactive window captions.
CoverSheet::CoverSheet(QWidget* parent, const QString& name, QWidget* surface, int distance,
                       int drag_limit)
    : SurfacePanel(parent, name, surface, QColor(191, 205, 219)),
      distance_(distance),
      drag_limit_(drag_limit < 0 ? distance : drag_limit) {
    setCursor(Qt::SizeAllCursor);
}

void CoverSheet::show_over_surface() {
    if (!surface_) return;
    const QRect s = surface_->geometry();
    setGeometry(s.x(), s.y() + distance_, s.width(), std::max(0, s.height() - distance_));
    show();
    raise();
}

void CoverSheet::drag(const QRect& surface, QPoint anchor, QPoint at) {
    setGeometry(drag_cover_sheet(surface, drag_limit_, geometry(), anchor, at));
}

void CoverSheet::mouseDoubleClickEvent(QMouseEvent*) {
    hide_by_pupil();
}

}  // namespace cifrala
