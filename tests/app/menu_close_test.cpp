// Ending the program from the menu: "Stop", and the window manager's close
// button, which must end the menu's modal run the same way.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/menu_form.h"
#include "support/message_recorder.h"

namespace cifrala {
namespace {

// Runs the menu modally, does `end` inside the run and reports whether the
// run ended (a run that does not end is stopped after a while).
bool run_ends(TAlle_rekenoefeningenForm& menu, const std::function<void()>& end) {
    bool ended_by_itself = true;
    QTimer::singleShot(0, &menu, end);
    QTimer::singleShot(800, &menu, [&] {
        ended_by_itself = false;
        menu.done(2);
    });
    menu.exec();
    return ended_by_itself;
}

TEST(MenuClose, StopEndsTheMenusRun) {
    TAlle_rekenoefeningenForm menu(false);
    EXPECT_TRUE(run_ends(menu, [&] { menu.press(QStringLiteral("SpeedButton85")); }));
    EXPECT_FALSE(menu.isVisible());
}

TEST(MenuClose, TheCloseButtonEndsTheMenusRunAsStopDoes) {
    testing::MessageRecorder messages;
    TAlle_rekenoefeningenForm menu(false);
    EXPECT_TRUE(run_ends(menu, [&] { menu.close(); }));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(menu.result(), 0);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("closing")});
}

TEST(MenuClose, EscapeDoesNotEndTheProgram) {
    TAlle_rekenoefeningenForm menu(false);
    bool visible_after_escape = false;
    EXPECT_FALSE(run_ends(menu, [&] {
        QTest::keyClick(&menu, Qt::Key_Escape);
        visible_after_escape = menu.isVisible();
    }));
    EXPECT_TRUE(visible_after_escape);
}

}  // namespace
}  // namespace cifrala
