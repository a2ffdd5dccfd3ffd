#include "practice/floating_panel.h"

#include <QMouseEvent>
#include <QToolButton>

#include "practice/drag_rules.h"

namespace cifrala {

namespace {

QToolButton* make_hide_button(QWidget* parent, const QString& panel_name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(panel_name + QStringLiteral("Hide"));
    b->setText(QStringLiteral("×"));
    b->setToolTip(QStringLiteral("Hide"));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(18, 18);
    return b;
}

}  // namespace

FloatingPanel::FloatingPanel(QWidget* parent, const QString& name, QWidget* surface)
    : QFrame(parent), surface_(surface), hide_button_(make_hide_button(this, name)) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 255, 225));
    setPalette(p);
    connect(hide_button_, &QToolButton::clicked, this, &FloatingPanel::hide_by_pupil);
    hide();
}

void FloatingPanel::hide_by_pupil() {
    hide();
    Q_EMIT hidden_by_pupil();
}

void FloatingPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    hide_button_->move(width() - hide_button_->width() - 3, 3);
    hide_button_->raise();
}

void FloatingPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) anchor_ = event->position().toPoint();
}

void FloatingPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!anchor_ || !surface_) return;
    move(drag_floating_panel(surface_->geometry(), top_margin_, geometry(), *anchor_,
                             event->position().toPoint()));
    Q_EMIT moved();
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent*) {
    anchor_.reset();
}

void FloatingPanel::mouseDoubleClickEvent(QMouseEvent*) {
    if (hide_on_double_click_) hide_by_pupil();
}

CoverSheet::CoverSheet(QWidget* parent, const QString& name, QWidget* surface, int distance)
    : QFrame(parent),
      surface_(surface),
      hide_button_(make_hide_button(this, name)),
      distance_(distance) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    QPalette p = palette();
    // The colour of inactive window captions.
    p.setColor(QPalette::Window, QColor(191, 205, 219));
    setPalette(p);
    setCursor(Qt::SizeAllCursor);
    connect(hide_button_, &QToolButton::clicked, this, &CoverSheet::hide_by_pupil);
    hide();
}

void CoverSheet::show_over_surface() {
    if (!surface_) return;
    const QRect s = surface_->geometry();
    setGeometry(s.x(), s.y() + distance_, s.width(), std::max(0, s.height() - distance_));
    show();
    raise();
}

void CoverSheet::hide_by_pupil() {
    hide();
    Q_EMIT hidden_by_pupil();
}

void CoverSheet::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    hide_button_->move(width() - hide_button_->width() - 3, 3);
}

void CoverSheet::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) anchor_ = event->position().toPoint();
}

void CoverSheet::mouseMoveEvent(QMouseEvent* event) {
    if (!anchor_ || !surface_) return;
    setGeometry(drag_cover_sheet(surface_->geometry(), distance_, geometry(), *anchor_,
                                 event->position().toPoint()));
}

void CoverSheet::mouseReleaseEvent(QMouseEvent*) {
    anchor_.reset();
}

void CoverSheet::mouseDoubleClickEvent(QMouseEvent*) {
    hide_by_pupil();
}

}  // namespace cifrala
