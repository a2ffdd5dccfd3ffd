#include "tools/key_sender.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <string_view>
#include <vector>

#include "text/cp1252.h"
#include "text/floating_window.h"

namespace cifrala {

QString typing_target;

namespace {

QPointer<QWidget>& registered_window() {
    static QPointer<QWidget> w;
    return w;
}

// The windows besides the typing target whose fields take keys.
std::vector<QPointer<QWidget>>& typing_windows() {
    static std::vector<QPointer<QWidget>> w;
    return w;
}

// The typing window that the pupil used last (was active last).
QPointer<QWidget>& last_window() {
    static QPointer<QWidget> w;
    return w;
}

// Modifiers held by the press codes 250, 252, 254.
struct HeldModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool any() const { return shift || ctrl || alt; }
    Qt::KeyboardModifiers flags() const {
        Qt::KeyboardModifiers m;
        if (shift) m |= Qt::ShiftModifier;
        if (ctrl) m |= Qt::ControlModifier;
        if (alt) m |= Qt::AltModifier;
        return m;
    }
};

HeldModifiers& held() {
    static HeldModifiers h;
    return h;
}

struct KeyAction {
    int key = 0;  // 0: nothing to press
    QString text;
    bool needs_shift = false;  // the layout needs Shift for this character
    bool keypad = false;
};

bool excluded_from_keys(const QWidget* w) {
    return w && w->window()->property("cifrala_sends_keys").toBool();
}

bool is_typing_window(const QWidget* window);

// Remembers the typing window that becomes active: the pupil clicked into
// it, so its focused field is where the keys go.
void track_activation() {
    static bool connected = false;
    if (connected || !qApp) return;
    connected = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [] {
        QWidget* active = QApplication::activeWindow();
        if (is_typing_window(active)) last_window() = active;
    });
}

// Characters that need Shift on the common layouts.
bool shifted_character(QChar c) {
    if (c.isLetter()) return c.isUpper();
    return QStringView(u"~!@#$%^&*()_+{}|:\"<>?").contains(c);
}

KeyAction action_for_virtual_key(int vk) {
    KeyAction a;
    if (vk >= '0' && vk <= '9') {
        a.key = Qt::Key_0 + (vk - '0');
        a.text = QChar(vk);
    } else if (vk >= 'A' && vk <= 'Z') {
        a.key = Qt::Key_A + (vk - 'A');
        a.text = QChar(vk).toLower();
    } else if (vk >= 96 && vk <= 105) {
        a.key = Qt::Key_0 + (vk - 96);
        a.text = QChar('0' + (vk - 96));
        a.keypad = true;
    } else {
        switch (vk) {
            case 8:
                a.key = Qt::Key_Backspace;
                break;
            case 9:
                a.key = Qt::Key_Tab;
                a.text = QStringLiteral("\t");
                break;
            case 13:
                a.key = Qt::Key_Return;
                a.text = QStringLiteral("\r");
                break;
            case 27:
                a.key = Qt::Key_Escape;
                break;
            case 32:
                a.key = Qt::Key_Space;
                a.text = QStringLiteral(" ");
                break;
            case 33:
                a.key = Qt::Key_PageUp;
                break;
            case 34:
                a.key = Qt::Key_PageDown;
                break;
            case 35:
                a.key = Qt::Key_End;
                break;
            case 36:
                a.key = Qt::Key_Home;
                break;
            case 37:
                a.key = Qt::Key_Left;
                break;
            case 38:
                a.key = Qt::Key_Up;
                break;
            case 39:
                a.key = Qt::Key_Right;
                break;
            case 40:
                a.key = Qt::Key_Down;
                break;
            case 45:
                a.key = Qt::Key_Insert;
                break;
            case 46:
                a.key = Qt::Key_Delete;
                break;
            case 106:
                a.key = Qt::Key_Asterisk;
                a.text = QStringLiteral("*");
                a.keypad = true;
                break;
            case 107:
                a.key = Qt::Key_Plus;
                a.text = QStringLiteral("+");
                a.keypad = true;
                break;
            case 109:
                a.key = Qt::Key_Minus;
                a.text = QStringLiteral("-");
                a.keypad = true;
                break;
            default:
                break;  // a code without a key here does nothing
        }
    }
    return a;
}

KeyAction action_for_character(QChar c) {
    KeyAction a;
    if (c.isNull()) return a;
    a.text = c;
    if (c.isLetter() && c.unicode() < 128) {
        a.key = Qt::Key_A + (c.toUpper().unicode() - 'A');
    } else if (c.isDigit() && c.unicode() < 128) {
        a.key = Qt::Key_0 + (c.unicode() - '0');
    } else if (c == QLatin1Char(' ')) {
        a.key = Qt::Key_Space;
    } else {
        a.key = c.toUpper().unicode();
    }
    a.needs_shift = shifted_character(c);
    return a;
}

KeyAction action_for_byte(unsigned char c) {
    static constexpr int kNavigation[10] = {
        Qt::Key_Home,  Qt::Key_End,    Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Left,
        Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete};
    if (c >= 240) {
        KeyAction a;
        a.key = kNavigation[c - 240];
        return a;
    }
    if (c >= 228) {
        KeyAction a;
        a.key = Qt::Key_F1 + (c - 228);
        return a;
    }
    if (c <= 109) return action_for_virtual_key(c);
    const char byte = static_cast<char>(c);
    const QString s = from_cp1252(std::string_view(&byte, 1));
    return action_for_character(s.isEmpty() ? QChar() : s.at(0));
}

void deliver(QWidget* receiver, QEvent::Type type, int key, Qt::KeyboardModifiers mods,
             const QString& text) {
    if (!receiver) return;
    QKeyEvent event(type, key, mods, text);
    QCoreApplication::sendEvent(receiver, &event);
}

void press_and_release(const KeyAction& a) {
    if (a.key == 0) return;
    HeldModifiers& h = held();
    const bool auto_shift = a.needs_shift && !h.any();
    Qt::KeyboardModifiers mods = h.flags();
    if (auto_shift) mods |= Qt::ShiftModifier;
    if (a.keypad) mods |= Qt::KeypadModifier;
    QString text = a.text;
    if (h.ctrl || h.alt) {
        text.clear();  // a shortcut, not a character
    } else if (h.shift && text.size() == 1 && text.at(0).isLetter()) {
        text = text.toUpper();
    }
    QPointer<QWidget> receiver = key_receiver();
    if (auto_shift) deliver(receiver, QEvent::KeyPress, Qt::Key_Shift, mods, QString());
    deliver(receiver, QEvent::KeyPress, a.key, mods, text);
    // The press may have moved the focus (Tab, Enter on a button).
    deliver(receiver, QEvent::KeyRelease, a.key, mods, text);
    if (auto_shift) deliver(receiver, QEvent::KeyRelease, Qt::Key_Shift, h.flags(), QString());
}

void modifier_code(unsigned char c) {
    const int index = (c - 250) / 2;
    const bool press = (c % 2) == 0;
    static constexpr int kKeys[3] = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt};
    HeldModifiers& h = held();
    bool& mark = index == 0 ? h.shift : index == 1 ? h.ctrl : h.alt;
    mark = press;
    deliver(key_receiver(), press ? QEvent::KeyPress : QEvent::KeyRelease, kKeys[index], h.flags(),
            QString());
}

}  // namespace

void set_typing_target(const QString& caption) {
    typing_target = caption;
    registered_window() = nullptr;
    last_window() = nullptr;
    track_activation();
}

void set_typing_target(QWidget* window) {
    typing_target = window ? window->windowTitle() : QString();
    registered_window() = window;
    // The pupil types in the window that has just registered.
    last_window() = window;
    track_activation();
}

void add_typing_window(QWidget* window) {
    auto& list = typing_windows();
    list.erase(std::remove(list.begin(), list.end(), nullptr), list.end());
    if (window && std::find(list.begin(), list.end(), window) == list.end())
        list.emplace_back(window);
    track_activation();
}

QWidget* find_window_by_caption(const QString& caption) {
    if (caption.isEmpty()) return nullptr;
    QWidget* reg = registered_window();
    if (reg && reg->isWindow() && reg->windowTitle() == caption) return reg;
    QWidget* hidden_match = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() != caption || excluded_from_keys(w)) continue;
        if (w->isVisible()) return w;
        if (!hidden_match) hidden_match = w;
    }
    return hidden_match;
}

namespace {

bool is_typing_window(const QWidget* window) {
    if (!window) return false;
    if (window == find_window_by_caption(typing_target)) return true;
    const auto& list = typing_windows();
    return std::find(list.begin(), list.end(), window) != list.end();
}

// True when a modal window in front blocks the window's input: the window
// is neither that modal window nor owned by it, and it is no floating window
// (those follow the modal window).
bool blocked_by_modal(const QWidget* window, const QWidget* modal) {
    if (!window || !modal || window == modal) return false;
    if (window->property(kFloatingWindowProperty).toBool()) return false;
    return !is_owned_by(window->windowHandle(), modal->windowHandle());
}

// The typing window used last, while it is shown; else the typing target.
// A window that a modal window blocks gives way to that modal window (the
// keyboard opened in the menu types into the practice window opened since).
QWidget* typing_window() {
    QWidget* window = last_window();
    if (!window || !window->isVisible() || window->isMinimized() || !is_typing_window(window))
        window = find_window_by_caption(typing_target);
    QWidget* modal = QApplication::activeModalWidget();
    if (window && window->isVisible() && blocked_by_modal(window, modal)) return modal;
    return window;
}

bool bring_window_to_front(QWidget* w) {
    if (!w) return false;
    if (w->isMinimized()) {
        w->showNormal();
    } else {
        w->raise();
    }
    if (w->isVisible() && QApplication::activeWindow() != w) w->activateWindow();
    // Without a window manager nothing keeps the calculator and the
    // keyboard above the window that was just raised.
    raise_floating_windows(w);
    return true;
}

}  // namespace

bool bring_to_front(const QString& caption) {
    return bring_window_to_front(find_window_by_caption(caption));
}

bool bring_typing_window_to_front() {
    return bring_window_to_front(typing_window());
}

QWidget* key_receiver() {
    QWidget* window = typing_window();
    if (!window || !window->isVisible()) {
        window = QApplication::activeWindow();
        if (!window || excluded_from_keys(window)) window = QApplication::activeModalWidget();
    }
    if (!window) {
        QWidget* f = QApplication::focusWidget();
        return f && !excluded_from_keys(f) ? f : nullptr;
    }
    QWidget* focus = window->focusWidget();
    return focus ? focus : window;
}

void send_keys(const QByteArray& codes) {
    for (const char ch : codes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 250) {
            modifier_code(c);
        } else {
            press_and_release(action_for_byte(c));
        }
    }
}

void type_text(const QString& text) {
    for (const QChar c : text)
        press_and_release(action_for_character(c));
}

}  // namespace cifrala
