// F4 and Shift+F4: the calculator and the on-screen keyboard from any window
// that installs the keys, nothing in a window that refuses the tools, and a
// window's own action where it routes them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "tools/calc_form.h"
#include "tools/key_sender.h"
#include "tools/keyboard_form.h"
#include "tools/tool_shortcuts.h"
#include "tools/tools.h"

namespace cifrala {
namespace {

class ToolShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setWindowTitle(QStringLiteral("Oefenvenster"));
        auto* layout = new QVBoxLayout(&window);
        field = new QLineEdit(&window);
        layout->addWidget(field);
        window.resize(300, 100);
        install_tool_shortcuts(&window);
    }
    void TearDown() override {
        if (calculator_exists()) calculator()->hide();
        if (keyboard_exists()) keyboard()->hide();
        set_typing_target(QString());
    }
    void show_window() {
        window.show();
        window.activateWindow();
        field->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(field, key, mods); }

    QWidget window;
    QLineEdit* field = nullptr;
};

TEST_F(ToolShortcutsTest, F4ShowsAndHidesTheCalculator) {
    show_window();
    press(Qt::Key_F4);
    ASSERT_TRUE(calculator_exists());
    EXPECT_TRUE(calculator()->isVisible());
    // Shown without taking the window's keys.
    EXPECT_EQ(QApplication::activeWindow(), &window);
    press(Qt::Key_F4);
    EXPECT_FALSE(calculator()->isVisible());
}

TEST_F(ToolShortcutsTest, ShiftF4ShowsTheKeyboardThatTypesIntoTheWindow) {
    show_window();
    press(Qt::Key_F4, Qt::ShiftModifier);
    ASSERT_TRUE(keyboard_exists());
    Ttoetsenbord* k = keyboard();
    EXPECT_TRUE(k->isVisible());
    EXPECT_FALSE(calculator_exists() && calculator()->isVisible());
    k->press(k->key(QStringLiteral("Digit7")));
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    press(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_FALSE(k->isVisible());
}

TEST_F(ToolShortcutsTest, TheCalculatorHidesItselfWithF4) {
    show_window();
    press(Qt::Key_F4);
    TCalcForm* calc = calculator();
    calc->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(calc));
    QTest::keyClick(calc->Edit1, Qt::Key_F4);
    EXPECT_FALSE(calc->isVisible());
}

TEST_F(ToolShortcutsTest, AWindowThatRefusesTheCalculatorHidesItAndIgnoresItsKey) {
    QWidget test;
    auto* answer = new QLineEdit(&test);
    install_tool_shortcuts(&test);
    set_tool_refused(&test, Tool::Calculator, true);
    EXPECT_TRUE(refuses_tool(&test, Tool::Calculator));
    EXPECT_FALSE(refuses_tool(&test, Tool::Keyboard));
    // Left open elsewhere, the calculator goes when the test is shown.
    calculator()->show();
    test.show();
    EXPECT_FALSE(calculator()->isVisible());
    test.activateWindow();
    answer->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&test));
    QTest::keyClick(answer, Qt::Key_F4);
    EXPECT_FALSE(calculator()->isVisible());
    // The keyboard only types: it still comes.
    QTest::keyClick(answer, Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_TRUE(keyboard()->isVisible());
    keyboard()->hide();
    // Taken back (another topic of the same window), the key works again.
    set_tool_refused(&test, Tool::Calculator, false);
    QTest::keyClick(answer, Qt::Key_F4);
    EXPECT_TRUE(calculator()->isVisible());
    calculator()->hide();
    EXPECT_FALSE(refuses_tool(&window, Tool::Calculator));
}

TEST_F(ToolShortcutsTest, AWindowMayRouteTheKeysToItsOwnButtons) {
    int calculator_presses = 0;
    route_tool_shortcut(&window, Tool::Calculator, [&] { ++calculator_presses; });
    show_window();
    press(Qt::Key_F4);
    EXPECT_EQ(calculator_presses, 1);
    EXPECT_FALSE(calculator_exists() && calculator()->isVisible());
    // The other key keeps its own meaning.
    press(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_TRUE(keyboard()->isVisible());
}

}  // namespace
}  // namespace cifrala
