// Random input on every registered practice window and mode: clicks on
// whatever button, box or field is there, keys and typed junk in whatever
// has the focus, drags and double clicks on the worksheet and the panels,
// "Stop" and opening again. Nothing may crash, hang or upset the sanitizers;
// the windows' own conventions must still hold afterwards. The seed and the
// number of events are printed before each run, so a failure (also a
// sanitizer's abort) can be repeated with
//     CIFRALA_MONKEY_SEED=S CIFRALA_MONKEY_EVENTS=N test_practice --gtest_filter='Monkey.*'
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

#include "formula/surface_pane.h"
#include "practice/common/window_cases.h"
#include "support/message_recorder.h"
#include "text/file_dialogs.h"
#include "text/help.h"
#include "tools/calc_form.h"
#include "tools/keyboard_form.h"
#include "tools/tools.h"

namespace cifrala {
namespace {

using testing::WindowCase;

int env_int(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

// Aborts the test program when an event does not come back, after saying
// which run it was and what the last events were.
class Watchdog {
public:
    explicit Watchdog(int seconds) : limit_(seconds), thread_([this] { watch(); }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }
    void tick(const std::string& what) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            last_ = what;
        }
        ++progress_;
    }
    void set_run(const std::string& run) {
        std::lock_guard<std::mutex> lock(mutex_);
        run_ = run;
    }

private:
    void watch() {
        long seen = -1;
        int still = 0;
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const long now = progress_.load();
            still = now == seen ? still + 1 : 0;
            seen = now;
            if (still * 200 > limit_ * 1000) {
                std::lock_guard<std::mutex> lock(mutex_);
                std::fprintf(stderr, "monkey: no progress for %d s in %s, in the action after %s\n",
                             limit_, run_.c_str(), last_.c_str());
                std::abort();
            }
        }
    }
    int limit_;
    std::atomic<long> progress_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::string last_, run_;
    std::thread thread_;
};

class Monkey {
public:
    Monkey(PracticeWindow& w, quint32 seed) : w_(w), rng_(seed) {}

    // One random action; returns what it was.
    std::string act() {
        const int pick = below(100);
        if (pick < 35) return click_something();
        if (pick < 55) return press_key();
        if (pick < 70) return type_text();
        if (pick < 80) return drag(pane());
        if (pick < 85) return double_click();
        if (pick < 92) return drag_panel();
        if (pick < 96) return page(Qt::Key_PageDown);
        return page(Qt::Key_PageUp);
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    template <typename T>
    std::vector<T*> shown() {
        std::vector<T*> out;
        for (T* c : w_.findChildren<T*>())
            if (c->isVisibleTo(&w_) && c->isEnabled()) out.push_back(c);
        return out;
    }

    std::string click_something() {
        auto buttons = shown<QAbstractButton>();
        if (buttons.empty()) return "no button";
        QAbstractButton* b = buttons[static_cast<size_t>(below(static_cast<int>(buttons.size())))];
        const std::string name = "click " + b->objectName().toStdString();
        if (b == w_.Button3 && below(4) != 0) return name + " (left alone)";
        b->click();
        return name;
    }

    QWidget* focus_target() {
        QWidget* f = QApplication::focusWidget();
        if (f && f->window() == &w_) return f;
        return &w_;
    }

    std::string press_key() {
        static const Qt::Key keys[] = {
            Qt::Key_0,      Qt::Key_5,    Qt::Key_9,         Qt::Key_Minus,  Qt::Key_Comma,
            Qt::Key_Slash,  Qt::Key_A,    Qt::Key_X,         Qt::Key_Return, Qt::Key_Enter,
            Qt::Key_Escape, Qt::Key_Tab,  Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space,
            Qt::Key_Up,     Qt::Key_Down, Qt::Key_Home,      Qt::Key_F1};
        const Qt::Key k = keys[below(static_cast<int>(std::size(keys)))];
        QTest::keyClick(focus_target(), k);
        return "key " + std::to_string(static_cast<int>(k));
    }

    std::string type_text() {
        auto fields = shown<QLineEdit>();
        if (fields.empty()) return press_key();
        QLineEdit* e = fields[static_cast<size_t>(below(static_cast<int>(fields.size())))];
        static const QString texts[] = {QStringLiteral("7"),
                                        QStringLiteral("0"),
                                        QStringLiteral("-3"),
                                        QStringLiteral("12"),
                                        QStringLiteral("2147483647"),
                                        QStringLiteral("99999999999"),
                                        QStringLiteral("1/0"),
                                        QStringLiteral("3*7"),
                                        QStringLiteral("abc"),
                                        QStringLiteral("1,5"),
                                        QStringLiteral("()"),
                                        QStringLiteral("-"),
                                        QString(500, QLatin1Char('9')),
                                        QStringLiteral("\x01\x7f\xff"),
                                        QString()};
        const QString t = texts[below(static_cast<int>(std::size(texts)))];
        e->setFocus();
        e->setText(t);
        if (below(2) == 0) QTest::keyClick(e, Qt::Key_Return);
        return "type into " + e->objectName().toStdString();
    }

    SurfacePane* pane() { return w_.Image1; }

    void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(target, &e);
    }

    QPoint somewhere(QWidget* w) {
        return QPoint(below(std::max(1, w->width())), below(std::max(1, w->height())));
    }

    std::string drag(QWidget* target) {
        if (!target || !target->isVisible()) return "no drag";
        const QPoint from = somewhere(target);
        const QPoint to = from + QPoint(below(2000) - 1000, below(2000) - 1000);
        mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(target, QEvent::MouseMove, to, Qt::LeftButton);
        mouse(target, QEvent::MouseButtonRelease, to, Qt::NoButton);
        return "drag " + target->objectName().toStdString();
    }

    std::string double_click() {
        QTest::mouseDClick(pane(), Qt::LeftButton, Qt::NoModifier, somewhere(pane()));
        return "double click";
    }

    std::string drag_panel() {
        auto frames = shown<QFrame>();
        if (frames.empty()) return "no panel";
        return drag(frames[static_cast<size_t>(below(static_cast<int>(frames.size())))]);
    }

    std::string page(Qt::Key k) {
        QTest::keyClick(focus_target(), k);
        return k == Qt::Key_PageUp ? "page up" : "page down";
    }

    PracticeWindow& w_;
    std::mt19937 rng_;
};

TEST(Monkey, RandomInputOnEveryWindowLeavesItWorking) {
    const int events = env_int("CIFRALA_MONKEY_EVENTS", 1500);
    const quint32 base_seed = static_cast<quint32>(env_int("CIFRALA_MONKEY_SEED", 20261210));
    testing::MessageRecorder messages;
    QTemporaryDir pictures;
    const FileDialogHandler dialogs = set_file_dialog_handler([&](const FileDialogRequest& r) {
        return r.kind == FileDialogRequest::Save ? pictures.filePath("sheet.png") : QString();
    });
    Watchdog watchdog(60);
    quint32 n = 0;
    for (const WindowCase& c : testing::window_cases()) {
        const quint32 seed = base_seed + 7919 * n++;
        const std::string run =
            c.label() + " seed " + std::to_string(seed) + " events " + std::to_string(events);
        std::fprintf(stderr, "monkey: %s\n", run.c_str());
        watchdog.set_run(run);
        SCOPED_TRACE(run);
        auto w = testing::make_window(c);
        testing::select(c);
        w->show();
        Monkey monkey(*w, seed);
        std::deque<std::string> last;
        for (int i = 0; i < events; ++i) {
            if (!w->isVisible()) {
                testing::select(c);
                w->show();
            }
            const std::string what = monkey.act();
            watchdog.tick(what);
            last.push_back(what);
            if (last.size() > 12) last.pop_front();
            if ((i & 31) == 0) QApplication::processEvents();
        }
        // The window still does what every window does.
        if (!w->isVisible()) {
            testing::select(c);
            w->show();
        }
        w->sequence().cancel();
        std::string trail;
        for (const std::string& s : last)
            trail += s + "; ";
        if (w->next_available()) {
            w->Button1Click();
            int presses = 0;
            while (w->step_available() && presses < 500) {
                w->Button2Click();
                ++presses;
            }
            EXPECT_LT(presses, 500) << "after " << trail;
            EXPECT_TRUE(w->next_available()) << "after " << trail;
        }
        w->Button3Click();
        EXPECT_EQ(w->result(), 1);
        close_help();
        if (calculator_exists()) calculator()->hide();
        if (keyboard_exists()) keyboard()->hide();
    }
    set_file_dialog_handler(dialogs);
}

}  // namespace
}  // namespace cifrala
