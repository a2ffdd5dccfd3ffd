#pragma once
// Floating windows: the calculator, the on-screen keyboard, the help window
// and the explanation window float above the practice window (or the menu)
// they serve, which runs modally.
//
// - They stay on top: the windows they serve do not, so a window manager
//   keeps the floating windows in front however often the pupil clicks into
//   the practice window.
// - They are shown without taking the keyboard focus: keys keep going to the
//   field the pupil was typing in, until the pupil clicks into the floating
//   window itself.
// - A modal window blocks input to every window that it does not own, so a
//   floating window makes the modal window in front its owner (transient
//   parent) whenever it is shown and whenever another window comes in front;
//   never a modal window that it owns itself, such as its own message box
//   (an owner loop hangs the X11 platform).
#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace cifrala {

// The property that marks a floating window.
inline constexpr const char* kFloatingWindowProperty = "cifrala_floating_tool";

// True when `owner` is `window` itself or lies on its chain of transient
// parents and parent windows.
bool is_owned_by(const QWindow* window, const QWindow* owner);

class FloatingWindow : public QObject {
    Q_OBJECT
public:
    enum class Focus {
        OnClick,  // takes the focus only when the pupil clicks into it
        Never,    // never takes the focus (the on-screen keyboard)
    };
    // Gives `window` the flags of a stay-on-top tool window and keeps it
    // usable beside the modal window in front. The object belongs to the window.
    FloatingWindow(QWidget* window, Focus focus);

    // Makes the modal window in front (if any, and if the floating window
    // does not own it) the window's owner now.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

// Shows a floating window (or a window that floats like one) in front of the
// others without taking the focus.
void show_floating(QWidget* window);

// Raises the visible floating windows but `except`, as a window manager
// keeps stay-on-top windows in front (needed without one).
void raise_floating_windows(const QWidget* except = nullptr);

}  // namespace cifrala
