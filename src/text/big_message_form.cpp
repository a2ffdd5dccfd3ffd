#include "text/big_message_form.h"

#include <QLabel>
#include <QPushButton>

namespace cifrala {

namespace {
// The text keeps clear of the window's edges.
constexpr int kLeft = 20;
constexpr int kTop = 14;
constexpr int kRight = 24;
constexpr int kLineStep = 40;
constexpr int kButtonTop = kTop + 168;
constexpr int kBottom = 12;
}  // namespace

TGrootMessageForm::TGrootMessageForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("GrootMessageForm"));
    setWindowTitle(QStringLiteral("Bericht"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 0, 255));
    setPalette(pal);
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(24);
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        l->setFont(big);
        l->move(kLeft, kTop + i * kLineStep);
        *labels[i] = l;
    }
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    QFont bf(QStringLiteral("DejaVu Sans"));
    bf.setPixelSize(19);
    Button1->setFont(bf);
    Button1->setGeometry(kLeft, kButtonTop, 89, 33);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
}

void TGrootMessageForm::set_texts(const QString& a, const QString& b, const QString& c,
                                  const QString& d) {
    const QString texts[] = {a, b, c, d};
    QLabel* labels[] = {Label1, Label2, Label3, Label4};
    int width = 200;
    for (int i = 0; i < 4; ++i) {
        labels[i]->setText(texts[i]);
        labels[i]->adjustSize();
        labels[i]->setVisible(!texts[i].isEmpty());
        if (!texts[i].isEmpty()) width = std::max(width, kLeft + labels[i]->width() + kRight);
    }
    Button1->move((width - Button1->width()) / 2, kButtonTop);
    setFixedSize(width, kButtonTop + Button1->height() + kBottom);
}

void TGrootMessageForm::showmessageGROOT(const QString& a, const QString& b, const QString& c,
                                         const QString& d) {
    set_texts(a, b, c, d);
    repaint();
    move(10, 100);
    exec();
}

}  // namespace cifrala
