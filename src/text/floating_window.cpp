#include "text/floating_window.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace cifrala {

bool is_owned_by(const QWindow* window, const QWindow* owner) {
    // A chain longer than the number of windows has a loop in it.
    const qsizetype limit = QGuiApplication::allWindows().size() + 1;
    qsizetype steps = 0;
    for (const QWindow* w = window; w && steps <= limit; ++steps) {
        if (w == owner) return true;
        w = w->transientParent() ? w->transientParent() : w->parent();
    }
    return false;
}

FloatingWindow::FloatingWindow(QWidget* window, Focus focus) : QObject(window), window_(window) {
    Qt::WindowFlags flags = Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (focus == Focus::Never) flags |= Qt::WindowDoesNotAcceptFocus;
    window->setWindowFlags(flags);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->setProperty(kFloatingWindowProperty, true);
    window->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (window_ && window_->isVisible()) follow();
    });
}

void FloatingWindow::follow() {
    if (!window_) return;
    QWindow* own = window_->windowHandle();
    if (!own) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->window() == window_) return;
    QWindow* owner = modal->window()->windowHandle();
    // A box the window opened itself stays in front of it; owning it in
    // turn would close the loop.
    if (!owner || is_owned_by(owner, own)) return;
    if (own->transientParent() != owner) own->setTransientParent(owner);
}

bool FloatingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Show) follow();
    return QObject::eventFilter(watched, event);
}

void show_floating(QWidget* window) {
    if (!window) return;
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->raise();
}

void raise_floating_windows(const QWidget* except) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == except || !w->isVisible() || w->isMinimized()) continue;
        if (w->property(kFloatingWindowProperty).toBool()) w->raise();
    }
}

}  // namespace cifrala
