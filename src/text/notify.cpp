#include "text/notify.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>

namespace cifrala {
namespace {

using BigWindow =
    std::function<void(const QString&, const QString&, const QString&, const QString&)>;

BigWindow& big_window() {
    static BigWindow w;
    return w;
}

void default_handler(const ShownMessage& m) {
    if (m.big && big_window()) {
        const QStringList l = m.text.split('\n');
        big_window()(l.value(0), l.value(1), l.value(2), l.value(3));
        return;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s\n", m.text.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageBoxTitle), m.text,
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

void show_message(const QString& text) {
    handler()(ShownMessage{text, std::nullopt});
}

void show_message_at(int x, int y, const QString& text) {
    handler()(ShownMessage{text, std::make_pair(x, y)});
}

void show_big_message_lines(const QString& a, const QString& b, const QString& c,
                            const QString& d) {
    ShownMessage m{QStringList{a, b, c, d}.join('\n'), std::nullopt, true};
    handler()(m);
}

void set_big_message_window(BigWindow window) {
    big_window() = std::move(window);
}

MessageHandler set_message_handler(MessageHandler h) {
    MessageHandler old = handler();
    handler() = h ? std::move(h) : MessageHandler(default_handler);
    return old;
}

}  // namespace cifrala
