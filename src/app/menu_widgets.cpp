#include "app/menu_widgets.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace cifrala {

namespace {
// Room between the caption and the button's edge on either side.
constexpr int kCaptionPadding = 7;
}  // namespace

MenuGroupBox::MenuGroupBox(const QString& title, const QColor& background, QWidget* parent)
    : QGroupBox(title, parent), background_(background) {}

void MenuGroupBox::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(rect(), background_);
    }
    QGroupBox::paintEvent(event);
}

MenuButtonWidget::MenuButtonWidget(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

QRect MenuButtonWidget::caption_rect() const {
    return rect().adjusted(kCaptionPadding, 1, -kCaptionPadding, -1);
}

bool MenuButtonWidget::wraps() const {
    return !text().isEmpty() && fontMetrics().horizontalAdvance(text()) > caption_rect().width();
}

void MenuButtonWidget::paintEvent(QPaintEvent* event) {
    if (!wraps()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(caption_rect(), Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace cifrala
