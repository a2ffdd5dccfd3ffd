#pragma once
// The screen calibration window: the pupil drags it to the bottom edge of the
// screen and presses OK.
#include <QDialog>

class QLabel;
class QPushButton;

namespace cifrala {

class TschermhoogteForm : public QDialog {
    Q_OBJECT
public:
    explicit TschermhoogteForm(QWidget* parent = nullptr);

    // Sets calibrated_bottom from the window's position and closes it.
    void Button1Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace cifrala
