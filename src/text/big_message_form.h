#pragma once
// The large message window: up to four lines in large type and an OK button.
#include <QDialog>

class QLabel;
class QPushButton;

namespace cifrala {

class TGrootMessageForm : public QDialog {
    Q_OBJECT
public:
    explicit TGrootMessageForm(QWidget* parent = nullptr);

    // Fills the labels (an empty text hides its label) and sizes the window.
    void set_texts(const QString& a, const QString& b, const QString& c, const QString& d);
    // Fills the labels and shows the window modally at (10, 100).
    void showmessageGROOT(const QString& a, const QString& b, const QString& c, const QString& d);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace cifrala
