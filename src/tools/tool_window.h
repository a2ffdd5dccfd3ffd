#pragma once
// The calculator and the on-screen keyboard float above the practice
// windows, which run modally. A modal window blocks input to every window
// that is not its own, so a tool window makes the active modal window its
// transient owner each time it is shown and whenever another window comes in
// front; it keeps no parent widget, so no practice window ever owns it.
#include <QObject>
#include <QPointer>

#include "text/translation.h"

class QWidget;

namespace cifrala {

class ModalFollower : public QObject {
    Q_OBJECT
public:
    // Gives `window` the flags of a stay-on-top tool window and keeps it
    // usable beside the modal window in front.
    explicit ModalFollower(QWidget* window);

    // Makes the active modal window (if any) the window's owner now.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

// Control texts of the tool windows: registers the control for translation
// and puts the current language's text on it at once.
void register_tool_text(TranslatedWindow window, QWidget* control, TextKind kind, int tag);

}  // namespace cifrala
