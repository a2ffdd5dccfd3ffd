#pragma once
// The start-up information window, shown while the program starts.
#include <QDialog>

class QLabel;

namespace cifrala {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Selects the language, shows the window and waits `wait_ms` while the
    // program keeps handling window messages.
    void start(int wait_ms);

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* ProgramIcon = nullptr;

protected:
    bool event(QEvent* e) override;
};

}  // namespace cifrala
