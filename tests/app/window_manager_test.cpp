// The floating windows on a desktop with a window manager (openbox on a
// virtual X server, see tests/support/under_window_manager.sh): they stay
// above the practice window when the pupil clicks into it, they open without
// taking its keys, and a calculator error box closes without hanging.
// Without the X11 platform these tests are skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/menu_form.h"
#include "app/program.h"
#include "drawing/explanation/tekening_form.h"
#include "practice/ratios/ratios_form.h"
#include "text/help.h"
#include "text/help_form.h"
#include "text/notify.h"
#include "tools/calc_form.h"
#include "tools/keyboard_form.h"
#include "tools/tools.h"

namespace cifrala {
namespace {

QString root_property(const char* name) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QString::fromLatin1(name)});
    xprop.waitForFinished(5000);
    return QString::fromLatin1(xprop.readAllStandardOutput());
}

std::vector<WId> window_ids(const QString& text) {
    std::vector<WId> ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto it = hex.globalMatch(text); it.hasNext();)
        ids.push_back(static_cast<WId>(it.next().captured().toULongLong(nullptr, 16)));
    return ids;
}

// The managed windows from bottom to top.
std::vector<WId> stacking() {
    return window_ids(root_property("_NET_CLIENT_LIST_STACKING"));
}

WId active_window() {
    const auto ids = window_ids(root_property("_NET_ACTIVE_WINDOW"));
    return ids.empty() ? 0 : ids.front();
}

// The caption the window manager shows for the window.
QString shown_caption(const QWidget* w) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->winId()),
                                          QStringLiteral("_NET_WM_NAME")});
    xprop.waitForFinished(5000);
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype open = out.indexOf(QLatin1Char('"'));
    return open < 0 ? QString() : out.mid(open + 1).chopped(1);
}

// The position in the stacking order (higher is in front), -1 when absent.
int level_of(const QWidget* w) {
    const auto ids = stacking();
    const auto it = std::find(ids.begin(), ids.end(), w->winId());
    return it == ids.end() ? -1 : static_cast<int>(it - ids.begin());
}

// A field of the table in which the pupil types (not a given number).
QLineEdit* empty_field(const TverhoudingenForm& ratios) {
    for (int i = 0; i < 3; ++i) {
        for (QLineEdit* e : {ratios.lower_field(i), ratios.upper_field(i)})
            if (e->text().isEmpty() && !e->isReadOnly() && e->isEnabled()) return e;
    }
    return nullptr;
}

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server with a window manager";
    }

    // Shows the menu with the ratio window on top of it, as the program
    // does, and runs `work` inside the ratio window's modal run.
    void in_ratio_window(const std::function<void(TverhoudingenForm&)>& work) {
        QWidget owner;
        TAlle_rekenoefeningenForm menu(false, &owner);
        auto* ratios = new TverhoudingenForm(&menu);
        QTimer::singleShot(0, &menu, [&] {
            QTimer::singleShot(0, ratios, [&] {
                QTest::qWait(600);
                work(*ratios);
                close_help();
                if (calculator_exists()) calculator()->hide();
                if (keyboard_exists()) keyboard()->hide();
                ratios->done(1);
            });
            ratios->exec();
            menu.done(0);
        });
        menu.exec();
        delete ratios;
    }
};

TEST_F(WindowManagerTest, FloatingWindowsStayAboveTheRatioWindowAfterAClick) {
    in_ratio_window([](TverhoudingenForm& ratios) {
        ratios.SpeedButton7Click();  // calculator
        ratios.SpeedButton8Click();  // keyboard
        request_help(695);
        QTest::qWait(600);
        // Shown without taking the practice window's keys.
        EXPECT_EQ(active_window(), ratios.winId());
        // What a click into the practice window makes the window manager do.
        ratios.raise();
        ratios.activateWindow();
        QTest::qWait(600);
        const int practice = level_of(&ratios);
        ASSERT_GE(practice, 0);
        EXPECT_GT(level_of(calculator()), practice);
        EXPECT_GT(level_of(keyboard()), practice);
        EXPECT_GT(level_of(help_form()), practice);
        EXPECT_EQ(active_window(), ratios.winId());
    });
}

TEST_F(WindowManagerTest, TheExplanationWindowStaysAboveWithoutTakingTheKeys) {
    in_ratio_window([](TverhoudingenForm& ratios) {
        TtekeningForm* card = explanation_window();
        card->powers_table_mode = true;
        card->show_for(&ratios, [] { return QVariantMap{}; });
        QTest::qWait(600);
        EXPECT_EQ(active_window(), ratios.winId());
        ratios.raise();
        ratios.activateWindow();
        QTest::qWait(600);
        const int practice = level_of(&ratios);
        ASSERT_GE(practice, 0);
        EXPECT_GT(level_of(card), practice);
        // Page Down and the typed digits still reach the practice window.
        EXPECT_EQ(active_window(), ratios.winId());
        card->powers_table_mode = false;
        hide_explanation_window();
    });
}

TEST_F(WindowManagerTest, TheProgramsNarrowWindowsShowTheirWholeCaption) {
    destroy_tools();  // the program makes its own
    Program program(StartOptions{false, false});
    keyboard()->show_at(QPoint(100, 100));
    calculator()->show();
    QTest::qWait(400);
    // Nothing added to the caption that would not fit the keyboard's title bar.
    EXPECT_EQ(shown_caption(keyboard()), keyboard()->windowTitle());
    EXPECT_EQ(shown_caption(calculator()), calculator()->windowTitle());
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_LE(QFontMetrics(bold).horizontalAdvance(shown_caption(keyboard())) + 100,
              keyboard()->width());
    keyboard()->hide();
    calculator()->hide();
}

TEST_F(WindowManagerTest, ACalculatorErrorBoxClosesAndTheProgramGoesOn) {
    const MessageHandler recorder = set_message_handler({});  // real boxes
    bool closed = false;
    in_ratio_window([&](TverhoudingenForm& ratios) {
        ratios.SpeedButton7Click();
        TCalcForm* calc = calculator();
        calc->activateWindow();
        QTest::qWait(400);
        calc->Edit1->setText(QStringLiteral("2x3"));
        QTimer::singleShot(600, calc, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                QTest::keyClick(box, Qt::Key_Escape);
        });
        calc->CalcbuttonClick();
        // The box has closed and events still come through.
        QTest::qWait(600);
        closed = QApplication::activeModalWidget() == &ratios;
        calc->Edit1->setText(QStringLiteral("2*3"));
        calc->CalcbuttonClick();
        EXPECT_EQ(calc->result_text(), QStringLiteral("6"));
    });
    set_message_handler(recorder);
    EXPECT_TRUE(closed);
}

TEST_F(WindowManagerTest, TheKeyboardTypesWhereThePupilClickedLast) {
    in_ratio_window([](TverhoudingenForm& ratios) {
        ratios.SpeedButton7Click();
        ratios.SpeedButton8Click();
        Ttoetsenbord* k = keyboard();
        TCalcForm* calc = calculator();
        calc->activateWindow();
        calc->Edit1->setFocus();
        QTest::qWait(600);
        k->press(k->key(QStringLiteral("Digit7")));
        EXPECT_EQ(calc->Edit1->text(), QStringLiteral("7"));
        QLineEdit* field = empty_field(ratios);
        ASSERT_NE(field, nullptr);
        ratios.activateWindow();
        field->setFocus();
        QTest::qWait(600);
        k->press(k->key(QStringLiteral("Digit8")));
        EXPECT_EQ(field->text(), QStringLiteral("8"));
        EXPECT_EQ(calc->Edit1->text(), QStringLiteral("7"));
    });
}

}  // namespace
}  // namespace cifrala
