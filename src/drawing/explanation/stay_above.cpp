#include "drawing/explanation/stay_above.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace cifrala {

StayAbove::StayAbove(QWidget* tool) : QObject(tool), tool_(tool) {}

void StayAbove::set_owner(QWidget* owner) {
    QWindow* window = owner ? owner->window()->windowHandle() : nullptr;
    if (window == owner_) return;
    if (owner_) owner_->removeEventFilter(this);
    owner_ = window;
    if (owner_) owner_->installEventFilter(this);
}

bool StayAbove::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
            if (tool_->isVisible()) {
                // After the window manager has raised the owner.
                QTimer::singleShot(0, tool_, [tool = tool_] {
                    if (tool->isVisible()) tool->raise();
                });
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace cifrala
