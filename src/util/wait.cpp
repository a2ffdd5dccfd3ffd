#include "util/wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

namespace cifrala {
namespace {

void wait_loop(int n, bool responsive) {
    if (n <= 0) return;
    QElapsedTimer timer;
    timer.start();
    for (qint64 left = n; left > 0; left = n - timer.elapsed()) {
        if (responsive && QCoreApplication::instance()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(left));
        }
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, responsive ? 5 : 20)));
    }
}

}  // namespace

void wait_ms(int n) {
    wait_loop(n, false);
}
void wait_ms_responsive(int n) {
    wait_loop(n, true);
}

}  // namespace cifrala
