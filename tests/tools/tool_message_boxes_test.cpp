// Message boxes that the floating windows open while a practice window runs
// modally: each box is owned by the window that opened it and no window ends
// up owned by its own box (a loop in the owner chain hangs the X11 platform
// when the box closes).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <functional>

#include "support/temp_data_dir.h"
#include "text/big_message_form.h"
#include "text/help.h"
#include "text/help_form.h"
#include "text/notify.h"
#include "tools/calc_form.h"
#include "tools/keyboard_form.h"

namespace cifrala {
namespace {

// True when following the owners (transient parents and parents) from
// `window` comes back to a window already passed.
bool owner_chain_loops(const QWindow* window) {
    std::vector<const QWindow*> seen;
    for (const QWindow* w = window; w;) {
        if (std::find(seen.begin(), seen.end(), w) != seen.end()) return true;
        seen.push_back(w);
        w = w->transientParent() ? w->transientParent() : w->parent();
    }
    return false;
}

struct BoxSeen {
    bool shown = false;
    bool loops = false;
    bool owned_by_opener = false;
    QString text;
};

// Runs `open` inside a modal practice-like window with the real message
// boxes; the first box that appears is inspected and closed with Escape.
BoxSeen open_box_while_modal(QWidget* opener, const std::function<void()>& open) {
    const MessageHandler recorder = set_message_handler({});  // real boxes
    QDialog practice;
    practice.setWindowTitle(QStringLiteral("Oefenen"));
    practice.resize(400, 300);
    BoxSeen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &practice, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        QApplication::processEvents();  // the box is shown and focused
        seen.shown = true;
        seen.text = box->text();
        for (QWindow* w : QGuiApplication::topLevelWindows())
            seen.loops = seen.loops || owner_chain_loops(w);
        seen.owned_by_opener = box->windowHandle()->transientParent() == opener->windowHandle();
        QTest::keyClick(box, Qt::Key_Escape);
        poll.stop();
        QTimer::singleShot(0, &practice, [&] { practice.done(1); });
    });
    QTimer::singleShot(0, &practice, [&] {
        opener->show();
        QApplication::processEvents();
        opener->activateWindow();
        QApplication::processEvents();
        poll.start();
        open();
    });
    QTimer::singleShot(5000, &practice, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(0);
        practice.done(1);
    });
    practice.exec();
    set_message_handler(recorder);
    opener->hide();
    return seen;
}

TEST(ToolMessageBoxes, ACalculatorErrorLeavesNoOwnerLoop) {
    TCalcForm calc;
    const BoxSeen seen = open_box_while_modal(&calc, [&] {
        calc.Edit1->setText(QStringLiteral("2x3"));
        calc.CalcbuttonClick();
    });
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(seen.loops);
    EXPECT_TRUE(seen.owned_by_opener);
    // After the box the calculator serves the practice window again.
    EXPECT_FALSE(owner_chain_loops(calc.windowHandle()));
}

TEST(ToolMessageBoxes, RefusedSumsLeaveNoOwnerLoop) {
    TCalcForm calc;
    for (const QString& text : {QString(10000, QLatin1Char('7')), QStringLiteral("1+\x01"
                                                                                 "2")}) {
        const BoxSeen seen = open_box_while_modal(&calc, [&] {
            calc.Edit1->setText(text);
            calc.CalcbuttonClick();
        });
        ASSERT_TRUE(seen.shown);
        EXPECT_FALSE(seen.loops);
    }
}

TEST(ToolMessageBoxes, ABoxOfAnotherWindowLeavesTheFloatingWindowsFree) {
    TCalcForm calc;
    Ttoetsenbord keys;
    keys.show();
    const BoxSeen seen =
        open_box_while_modal(&calc, [] { show_message(QStringLiteral("Een bericht")); });
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(seen.loops);
    EXPECT_FALSE(owner_chain_loops(keys.windowHandle()));
}

TEST(ToolMessageBoxes, AHelpFileErrorLeavesNoOwnerLoop) {
    // The help window reports a malformed page header in a box.
    TCalcForm calc;
    testing::TempDataDir dir;
    dir.write_lines("anederlands.hlp", {"12a", "Kapot", "<<", "10", "Tien", "<<"});
    const BoxSeen seen = open_box_while_modal(&calc, [] { request_help(10); });
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("error in file"))) << seen.text.toStdString();
    EXPECT_FALSE(seen.loops);
    close_help();
}

TEST(ToolMessageBoxes, TheLargeMessageWindowLeavesNoOwnerLoop) {
    const MessageHandler recorder = set_message_handler({});
    TGrootMessageForm big;
    install_big_message_window(&big);
    TCalcForm calc;
    Ttoetsenbord keys;
    calc.show();
    keys.show();
    bool loops = true;
    bool shown = false;
    QTimer::singleShot(0, &big, [&] {
        QApplication::processEvents();
        shown = big.isVisible();
        loops = false;
        for (QWindow* w : QGuiApplication::topLevelWindows())
            loops = loops || owner_chain_loops(w);
        big.Button1->click();
    });
    show_big_message(QStringLiteral("Goed zo!"), QString(), QString(), QString());
    set_big_message_window({});
    set_message_handler(recorder);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(loops);
}

}  // namespace
}  // namespace cifrala
