// The calculator and the keyboard from the menu: its small tool buttons and
// F4 / Shift+F4; in the ratio window the keys do what its own buttons do.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/menu_form.h"
#include "app/program.h"
#include "practice/ratios/ratios_form.h"
#include "support/message_recorder.h"
#include "tools/calc_form.h"
#include "tools/keyboard_form.h"
#include "tools/tools.h"

namespace cifrala {
namespace {

void hide_tools() {
    if (calculator_exists()) calculator()->hide();
    if (keyboard_exists()) keyboard()->hide();
}

TEST(MenuTools, TheToolButtonsShowAndHideTheTools) {
    TAlle_rekenoefeningenForm menu(false);
    menu.show();
    QPushButton* calc = menu.button(QStringLiteral("CalculatorButton"));
    QPushButton* keys = menu.button(QStringLiteral("KeyboardButton"));
    ASSERT_NE(calc, nullptr);
    ASSERT_NE(keys, nullptr);
    // Small buttons with a picture in the basic menu, clear of its other controls.
    EXPECT_FALSE(calc->icon().isNull());
    EXPECT_LE(calc->width(), 40);
    for (QPushButton* tool : {calc, keys}) {
        EXPECT_EQ(tool->parentWidget(), menu.group(4));
        for (QWidget* other : menu.group(4)->findChildren<QWidget*>()) {
            if (other == tool || other->parentWidget() != menu.group(4) || other->isHidden())
                continue;
            EXPECT_FALSE(tool->geometry().intersects(other->geometry()))
                << other->objectName().toStdString();
        }
    }
    calc->click();
    EXPECT_TRUE(calculator()->isVisible());
    calc->click();
    EXPECT_FALSE(calculator()->isVisible());
    keys->click();
    EXPECT_TRUE(keyboard()->isVisible());
    keys->click();
    EXPECT_FALSE(keyboard()->isVisible());
}

TEST(MenuTools, F4AndShiftF4InTheMenu) {
    TAlle_rekenoefeningenForm menu(false);
    menu.show();
    menu.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    QTest::keyClick(&menu, Qt::Key_F4);
    EXPECT_TRUE(calculator()->isVisible());
    QTest::keyClick(&menu, Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_TRUE(keyboard()->isVisible());
    hide_tools();
}

TEST(MenuTools, F4InTheRatioWindowCostsAStepAsItsButtonDoes) {
    testing::MessageRecorder messages;
    destroy_tools();
    Program program(StartOptions{false, false});
    QString value_after_f4;
    bool calculator_shown = false;
    QTimer::singleShot(0, program.menu(), [&] {
        QTimer::singleShot(0, program.menu(), [&] {
            auto* ratios = qobject_cast<TverhoudingenForm*>(QApplication::activeModalWidget());
            if (ratios) {
                ratios->activateWindow();
                QTest::qWaitForWindowActive(ratios);
                QTest::keyClick(ratios, Qt::Key_F4);
                value_after_f4 = ratios->Label2->text();
                calculator_shown = calculator()->isVisible();
                hide_tools();
                ratios->done(1);
            }
            program.menu()->done(0);
        });
        program.menu()->press(QStringLiteral("SpeedButton25"));
        program.menu()->press(QStringLiteral("SpeedButton2"));  // Verhoudingen
    });
    program.run();
    EXPECT_TRUE(calculator_shown);
    EXPECT_EQ(value_after_f4, QStringLiteral("90%"));
}

}  // namespace
}  // namespace cifrala
