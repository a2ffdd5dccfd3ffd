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

namespace {

const char* suffix_of(TextKind kind) {
    switch (kind) {
        case TextKind::Label:
            return "2";
        case TextKind::RadioButton:
            return "4";
        case TextKind::Button:
            return "5";
        case TextKind::CheckBox:
            return "8";
        case TextKind::Edit:
            return "6";
        case TextKind::Picture:
            return "7";
        default:
            return "3";
    }
}

}  // namespace

bool load_tool_text(QWidget* control, TextKind kind, int tag) {
    const bool one_line = kind == TextKind::Edit || kind == TextKind::Picture;
    QString lines[2];
    int available = 0;
    const QString file = language_prefix + QString::fromLatin1(suffix_of(kind));
    if (lookup_entry(file, tag, one_line ? 1 : 2, lines, &available) != 0) return false;
    const QString& first = lines[0];
    const QString& second = available >= 2 ? lines[1] : lines[0];
    switch (kind) {
        case TextKind::Label:
        case TextKind::RadioButton:
        case TextKind::Button:
        case TextKind::CheckBox:
        case TextKind::SpeedButtonWithHint:
            set_control_caption(control, first);
            control->setToolTip(second);
            break;
        case TextKind::Edit:
        case TextKind::Picture:
            control->setToolTip(first);
            break;
        case TextKind::Window:
            control->setWindowTitle(first);
            break;
        case TextKind::WindowWithHint:
            control->setWindowTitle(first);
            control->setToolTip(second);
            break;
        case TextKind::GroupBox:
        case TextKind::SpeedButton:
            set_control_caption(control, first);
            break;
        case TextKind::HintOnly:
            control->setToolTip(second);
            break;
    }
    return true;
}

void register_tool_text(TranslatedWindow window, QWidget* control, TextKind kind, int tag) {
    register_control(window, control, kind, tag);
    load_tool_text(control, kind, tag);
}

}  // namespace cifrala
