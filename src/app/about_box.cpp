#include "app/about_box.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "text/language.h"
#include "util/wait.h"

namespace cifrala {
namespace {

// The picture of the window: a large fraction three quarters on a card.
QPixmap logo_picture() {
    QPixmap pm(200, 200);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 96, 112), 6));
    p.setBrush(QColor(255, 255, 0));
    p.drawRoundedRect(QRectF(6, 6, 188, 188), 28, 28);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(72);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(0, 12, 200, 84), Qt::AlignCenter, QStringLiteral("3"));
    p.setPen(QPen(QColor(0, 0, 128), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(50, 100, 150, 100);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QRect(0, 104, 200, 84), Qt::AlignCenter, QStringLiteral("4"));
    return pm;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Informatie"));
    setFixedSize(588, 410);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(pal);

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(logo_picture());
    ProgramIcon->setGeometry(40, 60, 200, 200);

    ProductName = new QLabel(QStringLiteral("Cifrala"), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(56);
    big.setBold(true);
    ProductName->setFont(big);
    ProductName->setStyleSheet(QStringLiteral("color: #000080;"));
    ProductName->setGeometry(270, 100, 300, 80);

    Version = new QLabel(this);
    Version->setObjectName(QStringLiteral("Version"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(18);
    Version->setFont(small);
    Version->setGeometry(274, 190, 300, 30);
    Version->setText(QStringLiteral("2013-1"));

    if (QScreen* s = screen()) {
        const QRect r = s->geometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
}

void TAboutBox::start(int wait_ms) {
    select_startup_language();
    show();
    repaint();
    if (wait_ms > 0) wait_ms_responsive(wait_ms);
}

bool TAboutBox::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) reread_language_choice();
    return QDialog::event(e);
}

}  // namespace cifrala
