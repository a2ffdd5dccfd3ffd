// A topic button whose window does not serve its topic yet keeps the menu's
// "not available" message, and the window stays closed.
#include <gtest/gtest.h>

#include "app/menu_form.h"
#include "practice/common/practice_window.h"
#include "support/message_recorder.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala {
namespace {

// A division window that only knows topic 42 so far; 54 is registered but
// not built.
class HalfBuiltWindow : public PracticeWindow {
public:
    HalfBuiltWindow() : PracticeWindow(PracticeWindowConfig{}, nullptr) {
        add_mode("division", 42, kAnyCode, make_mode({{TextKind::Message, 1987}, 699}));
        add_mode("employment", 54, kAnyCode, nullptr);
    }
};

TEST(MenuTargets, ATopicTheWindowDoesNotServeYetIsNotAvailable) {
    TAlle_rekenoefeningenForm menu(false);
    HalfBuiltWindow window;
    menu.set_target_window(Target::LongDivision, &window);
    testing::MessageRecorder messages;
    menu.press("SpeedButton133");  // "Werkgelegenheid", topic 54
    EXPECT_EQ(selection.topic_code, 54);
    EXPECT_EQ(messages.texts(), QStringList{msg(4900)});
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.serves(42, 0));
}

}  // namespace
}  // namespace cifrala
