#include "tools/tool_window.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "text/language.h"
#include "text/messages.h"
#include "text/translation.h"
#include "tools/key_sender.h"

namespace cifrala {

ModalFollower::ModalFollower(QWidget* window) : QObject(window), window_(window) {
    window->setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    window->setProperty(kFloatingToolProperty, true);
    window->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (window_ && window_->isVisible()) follow();
    });
}

void ModalFollower::follow() {
    if (!window_) return;
    QWindow* own = window_->windowHandle();
    if (!own) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == window_) return;
    QWidget* owner = modal->window();
    if (!owner->windowHandle()) return;
    if (own->transientParent() != owner->windowHandle())
        own->setTransientParent(owner->windowHandle());
}

bool ModalFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Show) follow();
    return QObject::eventFilter(watched, event);
}

void register_tool_text(TranslatedWindow window, QWidget* control, TextKind kind, int tag) {
    register_control(window, control, kind, tag);
    load_control_text(control, kind, tag);
}

}  // namespace cifrala
