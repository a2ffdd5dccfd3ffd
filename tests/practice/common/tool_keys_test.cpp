// Every practice window takes F4 (calculator) and Shift+F4 (keyboard).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "practice/fractions/fractions_form.h"
#include "practice/long_division/long_division_form.h"
#include "support/message_recorder.h"
#include "tools/calc_form.h"
#include "tools/keyboard_form.h"
#include "tools/tool_shortcuts.h"
#include "tools/tools.h"

namespace cifrala {
namespace {

template <typename Window>
void expect_tool_keys() {
    testing::MessageRecorder messages;
    Window w;
    bool calculator_shown = false;
    bool keyboard_shown = false;
    bool calculator_hidden_again = false;
    QTimer::singleShot(0, &w, [&] {
        w.activateWindow();
        QTest::qWaitForWindowActive(&w);
        QTest::keyClick(&w, Qt::Key_F4);
        calculator_shown = calculator_exists() && calculator()->isVisible();
        QTest::keyClick(&w, Qt::Key_F4, Qt::ShiftModifier);
        keyboard_shown = keyboard_exists() && keyboard()->isVisible();
        QTest::keyClick(&w, Qt::Key_F4);
        calculator_hidden_again = !calculator()->isVisible();
        if (keyboard_exists()) keyboard()->hide();
        w.done(1);
    });
    w.exec();  // practice windows run modally
    EXPECT_TRUE(calculator_shown);
    EXPECT_TRUE(keyboard_shown);
    EXPECT_TRUE(calculator_hidden_again);
}

TEST(PracticeToolKeys, FractionsWindow) {
    expect_tool_keys<TbreukenoefenenForm>();
}

TEST(PracticeToolKeys, LongDivisionWindow) {
    expect_tool_keys<TStaartdeelForm>();
}

}  // namespace
}  // namespace cifrala
