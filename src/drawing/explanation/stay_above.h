#pragma once
// Keeps a tool window above the window it serves. Window managers do not
// all keep a tool window above its owner when the owner is clicked (openbox
// raises a modal owner over it), so the tool window is raised again each
// time its owner is clicked or activated.
#include <QObject>
#include <QPointer>
#include <QWidget>

class QWindow;

namespace cifrala {

class StayAbove : public QObject {
public:
    explicit StayAbove(QWidget* tool);
    // The window to stay above (nullptr: none).
    void set_owner(QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* tool_;
    QPointer<QWindow> owner_;
};

}  // namespace cifrala
