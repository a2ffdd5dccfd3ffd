#pragma once
// The screen calibration window: the pupil drags it to the bottom edge of the
// screen and presses OK.
#include <QDialog>

class QLabel;
class QPushButton;

namespace cifrala {

// Text numbers of the calibration window.
namespace calibration_tags {
inline constexpr int kCaption = 4941;     // file 3
inline constexpr int kFirstLine = 4942;   // file 2
inline constexpr int kSecondLine = 4943;  // file 2
inline constexpr int kOk = 4944;          // file 5
}  // namespace calibration_tags

class TschermhoogteForm : public QDialog {
    Q_OBJECT
public:
    explicit TschermhoogteForm(QWidget* parent = nullptr);

    // Sets calibrated_bottom from the window's position and closes it.
    void Button1Click();

    QLabel* Label1 = nullptr;  // its width fits the whole line
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;

private:
    void fit_to_texts();
};

}  // namespace cifrala
