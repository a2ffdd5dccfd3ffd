#include "tools/result_field.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace cifrala {

namespace {
constexpr int kBarHeight = 6;
}

ResultField::ResultField(QWidget* parent, const QRect& geometry) : QWidget(parent) {
    setGeometry(geometry);
    picture_ = QImage(geometry.size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    bar_ = new QScrollBar(Qt::Horizontal, parent);
    bar_->setObjectName(QStringLiteral("ResultScrollBar"));
    bar_->setGeometry(geometry.left(), geometry.bottom() + 1, geometry.width(), kBarHeight);
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->setStyleSheet(QStringLiteral(
        "QScrollBar:horizontal { height: 6px; background: #e6e6e6; border: none; margin: 0; }"
        "QScrollBar::handle:horizontal { background: #7a7a7a; border-radius: 2px; min-width: 12px; "
        "}"
        "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0; }"
        "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; }"));
    bar_->hide();
    connect(bar_, &QScrollBar::valueChanged, this, [this] { update(); });
    setCursor(Qt::IBeamCursor);
}

QFont ResultField::text_font() const {
    QFont f = font();
    f.setBold(true);
    return f;
}

void ResultField::set_text(const QString& text) {
    const QFont f = text_font();
    const QFontMetrics fm(f);
    const int needed = kTextLeft + fm.horizontalAdvance(text) + kTextLeft;
    picture_ = QImage(std::max(width(), needed), height(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    QPainter p(&picture_);
    p.setFont(f);
    p.setPen(Qt::black);
    const int y = std::max(0, (height() - fm.height()) / 2) + fm.ascent();
    p.drawText(kTextLeft, y, text);
    p.end();
    bar_->setRange(0, picture_.width() - width());
    bar_->setPageStep(width());
    bar_->setSingleStep(fm.averageCharWidth() * 2);
    bar_->setValue(0);
    bar_->setVisible(!fits());
    update();
}

void ResultField::clear() {
    picture_ = QImage(size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    bar_->setRange(0, 0);
    bar_->hide();
    update();
}

int ResultField::offset() const {
    return bar_->value();
}

bool ResultField::fits() const {
    return picture_.width() <= width();
}

void ResultField::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_, offset(), 0, width(), height());
}

void ResultField::wheelEvent(QWheelEvent* event) {
    if (fits()) return QWidget::wheelEvent(event);
    const QPoint delta = event->angleDelta();
    const int steps = (delta.x() != 0 ? delta.x() : delta.y()) / 120;
    bar_->setValue(bar_->value() - steps * bar_->singleStep());
    event->accept();
}

void ResultField::mousePressEvent(QMouseEvent* event) {
    drag_from_ = event->position().toPoint().x() + offset();
    QWidget::mousePressEvent(event);
}

void ResultField::mouseMoveEvent(QMouseEvent* event) {
    if (drag_from_ >= 0 && (event->buttons() & Qt::LeftButton))
        bar_->setValue(drag_from_ - event->position().toPoint().x());
    QWidget::mouseMoveEvent(event);
}

}  // namespace cifrala
