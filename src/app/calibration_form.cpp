#include "app/calibration_form.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "text/translation.h"
#include "util/selection.h"

namespace cifrala {

namespace {
constexpr QSize kDesignedSize(239, 68);
constexpr int kMargin = 6;
}  // namespace

TschermhoogteForm::TschermhoogteForm(QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("schermhoogteForm"));
    setWindowTitle(QStringLiteral("Callibratie"));
    Label1 = new QLabel(QStringLiteral("Plaats dit venster aan onderzijde  beeldscherm"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("en klik op de knop hieronder.."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Button1 = new QPushButton(QStringLiteral("   OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TschermhoogteForm::Button1Click);
    // The window lives only while it is shown: its texts are put on it now.
    load_control_text(this, TextKind::Window, calibration_tags::kCaption);
    load_control_text(Label1, TextKind::Label, calibration_tags::kFirstLine);
    load_control_text(Label2, TextKind::Label, calibration_tags::kSecondLine);
    load_control_text(Button1, TextKind::Button, calibration_tags::kOk);
    fit_to_texts();
    if (QScreen* s = screen()) {
        const QRect r = s->geometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
}

void TschermhoogteForm::fit_to_texts() {
    // As designed, but wide and high enough for the whole of both lines.
    const int line = fontMetrics().lineSpacing();
    int width = kDesignedSize.width();
    for (QLabel* l : {Label1, Label2})
        width = std::max(width, l->sizeHint().width() + 2 * kMargin);
    Label1->setGeometry(kMargin, 4, width - 2 * kMargin, line);
    Label2->setGeometry(kMargin, Label1->geometry().bottom() + 1, width - 2 * kMargin, line);
    const int button_top = std::max(38, Label2->geometry().bottom() + 6);
    Button1->setGeometry((width - 75) / 2, button_top, 75, 26);
    setFixedSize(width, std::max(kDesignedSize.height(), Button1->geometry().bottom() + 5));
}

void TschermhoogteForm::Button1Click() {
    // The bottom of the window frame, as the pupil placed it.
    const QRect frame = frameGeometry();
    calibrated_bottom = frame.top() + frame.height() - 20;
    done(1);
}

}  // namespace cifrala
