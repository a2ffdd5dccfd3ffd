// Switching the menu between Dutch and English, and the maintenance check.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/menu_form.h"
#include "support/message_recorder.h"
#include "text/language.h"
#include "text/program_dir.h"
#include "text/translation.h"

namespace cifrala {
namespace {

class MenuLanguageTest : public ::testing::Test {
protected:
    MenuLanguageTest() : menu(true) {}
    ~MenuLanguageTest() override {
        language_index = 0;
        set_language_prefix_from_index();
    }
    void choose(bool english) {
        menu.press("SpeedButton5");
        (english ? menu.RadioButton2 : menu.RadioButton1)->setChecked(true);
        menu.Button1Click();
    }
    QString caption(const char* name) const { return menu.button(name)->text(); }
    TAlle_rekenoefeningenForm menu;
};

TEST_F(MenuLanguageTest, EnglishAndBackChangesEveryTranslatedText) {
    choose(true);
    EXPECT_EQ(language_index, 1);
    EXPECT_EQ(language_prefix, "aenglish.");
    EXPECT_TRUE(menu.group(7)->isHidden());
    EXPECT_EQ(caption("SpeedButton25"), "Arithmetic and Algebra");
    EXPECT_EQ(caption("SpeedButton146"), "Fractions");
    EXPECT_EQ(caption("SpeedButton75"), "Back");
    EXPECT_EQ(menu.group(18)->title(), "Basic arithmetic");
    EXPECT_EQ(menu.CheckBox2->text(), "White background");
    EXPECT_EQ(menu.topic_box(89)->text(), "Arithmetic, Algebra (lower school)");
    EXPECT_TRUE(menu.RadioButton2->isChecked());
    // Untagged controls keep their built-in texts.
    EXPECT_EQ(caption("SpeedButton48"), "Algebra I");
    EXPECT_EQ(caption("SpeedButton85"), "Stop");
    // The hint-carrying buttons take their hint from the second line.
    EXPECT_EQ(menu.button("SpeedButton145")->toolTip(), "Calculating with big numbers");

    choose(false);
    EXPECT_EQ(language_index, 0);
    EXPECT_EQ(caption("SpeedButton25"), "Rekenen en Algebra");
    EXPECT_EQ(caption("SpeedButton146"), "Breuken");
    EXPECT_EQ(menu.group(18)->title(), "Basisrekenen");
    EXPECT_EQ(menu.topic_box(60)->text(), QString::fromUtf8("Quotiëntregel"));
    EXPECT_TRUE(menu.RadioButton1->isChecked());
}

TEST_F(MenuLanguageTest, TheChoiceIsRememberedForTheNextStart) {
    const QString file = user_config_dir() + QStringLiteral("/language.txt");
    choose(true);
    select_startup_language();
    EXPECT_EQ(language_index, 1);
    choose(false);
    select_startup_language();
    EXPECT_EQ(language_index, 0);
    QFile::remove(file);
}

TEST_F(MenuLanguageTest, NoTranslatedCaptionIsAnErrorText) {
    for (bool english : {true, false}) {
        choose(english);
        for (QPushButton* b : menu.findChildren<QPushButton*>())
            EXPECT_FALSE(b->text().startsWith("error ")) << b->objectName().toStdString();
        for (QCheckBox* c : menu.findChildren<QCheckBox*>())
            EXPECT_FALSE(c->text().startsWith("error ")) << c->objectName().toStdString();
        for (QGroupBox* g : menu.findChildren<QGroupBox*>())
            EXPECT_FALSE(g->title().startsWith("error ")) << g->objectName().toStdString();
    }
}

TEST_F(MenuLanguageTest, EveryCaptionFitsItsButton) {
    for (bool english : {false, true}) {
        choose(english);
        for (QPushButton* b : menu.findChildren<QPushButton*>()) {
            if (b->text().isEmpty()) continue;
            EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 8)
                << b->objectName().toStdString() << " " << b->text().toStdString();
        }
    }
}

TEST_F(MenuLanguageTest, FileCheckReportsNothingMissingForTheShippedFiles) {
    for (bool english : {false, true}) {
        choose(english);
        testing::MessageRecorder rec;
        menu.Button9Click();
        EXPECT_EQ(rec.texts(), QStringList({"no message missing in translation"}))
            << rec.texts().join("\n").toStdString();
        EXPECT_FALSE(report_missing);
    }
}

}  // namespace
}  // namespace cifrala
