#include "text/notify.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace cifrala {
namespace {

void default_handler(const ShownMessage& m) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s\n", m.text.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), m.text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (m.position) box.move(m.position->first, m.position->second);
    box.exec();
}

MessageHandler& handler() {
    static MessageHandler h = default_handler;
    return h;
}

}  // namespace

void show_message(const QString& text) { handler()(ShownMessage{text, std::nullopt}); }

void show_message_at(int x, int y, const QString& text) {
    handler()(ShownMessage{text, std::make_pair(x, y)});
}

MessageHandler set_message_handler(MessageHandler h) {
    MessageHandler old = handler();
    handler() = h ? std::move(h) : MessageHandler(default_handler);
    return old;
}

}  // namespace cifrala
