#include "app/calibration_form.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "util/selection.h"

namespace cifrala {

TschermhoogteForm::TschermhoogteForm(QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("schermhoogteForm"));
    setWindowTitle(QStringLiteral("Callibratie"));
    setFixedSize(239, 68);
    Label1 = new QLabel(QStringLiteral("Plaats dit venster aan onderzijde  beeldscherm"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(6, 4);
    Label2 = new QLabel(QStringLiteral("en klik op de knop hieronder.."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(6, 20);
    Button1 = new QPushButton(QStringLiteral("   OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(80, 38, 75, 26);
    connect(Button1, &QPushButton::clicked, this, &TschermhoogteForm::Button1Click);
    if (QScreen* s = screen()) {
        const QRect r = s->geometry();
        move(r.x() + (r.width() - 239) / 2, r.y() + (r.height() - 68) / 2);
    }
}

void TschermhoogteForm::Button1Click() {
    // The bottom of the window frame, as the pupil placed it.
    const QRect frame = frameGeometry();
    calibrated_bottom = frame.top() + frame.height() - 20;
    done(1);
}

}  // namespace cifrala
