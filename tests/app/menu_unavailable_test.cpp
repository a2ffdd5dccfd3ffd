// A topic whose window cannot serve it in this run (the multi-topic window
// without its table of root equations) gets a disabled menu button with the
// window's caption, also after a switch of language.
#include <gtest/gtest.h>

#include <QPushButton>

#include "app/menu_form.h"
#include "practice/catalogue.h"
#include "practice/multitopic/diffketting_form.h"
#include "support/temp_data_dir.h"
#include "text/language.h"
#include "text/translation.h"

namespace cifrala {
namespace {

TEST(MenuUnavailable, TheRootEquationsButtonSaysTheTableIsMissing) {
    register_catalogue();
    testing::TempDataDir dir;
    for (const char* f : {"anederlands.msg", "aenglish.msg", "anederlands.3", "aenglish.3"})
        dir.copy_shipped(QString::fromLatin1(f));
    TdiffkettingForm window;  // finds no awortel.txt
    TAlle_rekenoefeningenForm menu(false);
    menu.set_unavailable_query([&window](const MenuButton& b) {
        return b.target == Target::MultiTopic ? window.unavailable_caption(b.topic, b.category)
                                              : QString();
    });
    QPushButton* roots = menu.button(QStringLiteral("SpeedButton73"));
    ASSERT_NE(roots, nullptr);
    EXPECT_FALSE(roots->isEnabled());
    EXPECT_EQ(roots->text(), QStringLiteral("awortel.txt not found"));
    EXPECT_TRUE(menu.button(QStringLiteral("SpeedButton20"))->isEnabled());  // "Machten"
    EXPECT_TRUE(menu.button(QStringLiteral("SpeedButton156"))->isEnabled());
    language_index = 1;
    apply_language();
    EXPECT_EQ(roots->text(), QStringLiteral("awortel.txt not found"));
    EXPECT_FALSE(roots->isEnabled());
    language_index = 0;
    apply_language();
}

}  // namespace
}  // namespace cifrala
