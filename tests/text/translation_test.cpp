// Putting the texts of a language on registered controls.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
#include "text/language.h"
#include "text/translation.h"

namespace cifrala {
namespace {

class TranslationTest : public ::testing::Test {
protected:
    void SetUp() override {
        language_index = 1;
        report_missing = false;
        missing_count = 0;
        for (const char* s : {"2", "3", "4", "5", "6", "7", "8"})
            dir.write_lines(QString("aenglish.") + s, {});
    }
    void TearDown() override { language_index = 0; }
    void write(const char* suffix, const QStringList& lines) {
        dir.write_lines(QString("aenglish.") + suffix, lines);
    }
    testing::TempDataDir dir;
    QDialog window;  // owns the controls; they unregister when it goes
};

TEST_F(TranslationTest, EachKindTakesItsFileAndLines) {
    auto* label = new QLabel("l", &window);
    auto* radio = new QRadioButton("r", &window);
    auto* button = new QPushButton("b", &window);
    auto* check = new QCheckBox("c", &window);
    auto* edit = new QLineEdit(&window);
    auto* group = new QGroupBox("g", &window);
    auto* speed = new QPushButton("s", &window);
    auto* speed_hint = new QPushButton("sh", &window);
    auto* panel = new QWidget(&window);
    register_control(TranslatedWindow::Fractions, label, TextKind::Label, 10);
    register_control(TranslatedWindow::Fractions, radio, TextKind::RadioButton, 2010);
    register_control(TranslatedWindow::Fractions, button, TextKind::Button, 11);
    register_control(TranslatedWindow::Fractions, check, TextKind::CheckBox, 12);
    register_control(TranslatedWindow::Fractions, edit, TextKind::Edit, 13);
    register_control(TranslatedWindow::Fractions, group, TextKind::GroupBox, 14);
    register_control(TranslatedWindow::Fractions, speed, TextKind::SpeedButton, 15);
    register_control(TranslatedWindow::Fractions, speed_hint, TextKind::SpeedButtonWithHint, 16);
    register_control(TranslatedWindow::Fractions, panel, TextKind::HintOnly, 17);
    register_control(TranslatedWindow::Fractions, &window, TextKind::Window, 18);
    write("2", {"10", "Label", "label hint"});
    write("4", {"2010", "Radio", "radio hint"});
    write("5", {"11", "Button", "button hint"});
    write("8", {"12", "Check", "check hint"});
    write("6", {"13", "edit hint"});
    write("3", {"14", "Group", "unused", "15", "Speed", "unused", "16", "Speed2", "speed hint",
                "17", "unused", "panel hint", "18", "Window title", "x"});
    apply_language();
    EXPECT_EQ(label->text(), "Label");
    EXPECT_EQ(label->toolTip(), "label hint");
    EXPECT_EQ(radio->text(), "Radio");
    EXPECT_EQ(button->toolTip(), "button hint");
    EXPECT_EQ(check->text(), "Check");
    EXPECT_EQ(edit->toolTip(), "edit hint");
    EXPECT_EQ(group->title(), "Group");
    EXPECT_EQ(speed->text(), "Speed");
    EXPECT_EQ(speed->toolTip(), "");
    EXPECT_EQ(speed_hint->toolTip(), "speed hint");
    EXPECT_EQ(panel->toolTip(), "panel hint");
    EXPECT_EQ(window.windowTitle(), "Window title");
    EXPECT_EQ(language_prefix, "aenglish.");
}

TEST_F(TranslationTest, MissingEntryShowsErrorTextAndIsCountedWhenReporting) {
    auto* button = new QPushButton("b", &window);
    auto* edit = new QLineEdit(&window);
    register_control(TranslatedWindow::Fractions, button, TextKind::Button, 21);
    register_control(TranslatedWindow::Fractions, edit, TextKind::Edit, 22);
    testing::MessageRecorder rec;
    apply_language();
    EXPECT_EQ(button->text(), "error 5");
    EXPECT_EQ(button->toolTip(), "error 5");
    EXPECT_EQ(edit->toolTip(), "error 6");
    EXPECT_EQ(rec.count(), 0);
    report_missing = true;
    apply_language();
    EXPECT_EQ(missing_count, 2);
    ASSERT_EQ(rec.count(), 2);
    EXPECT_EQ(rec.texts()[0], "21   error 5");
    ASSERT_TRUE(rec.shown()[0].position.has_value());
    EXPECT_EQ(*rec.shown()[0].position, std::make_pair(1, 1));
    report_missing = false;
}

TEST_F(TranslationTest, ACaptionChosenAtRunTimeFollowsEveryPassAndCanBeReplaced) {
    write("3", {"50", "Fractions", "hint"});
    dir.write_lines("aenglish.msg", {"4701", "Long division", "4702", "Large numbers"});
    language_index = 1;
    set_translated_caption(TranslatedWindow::Fractions, &window, TextKind::Message, 4701);
    EXPECT_EQ(window.windowTitle(), "Long division");
    // The topic changes: the same control gets another caption, once.
    set_translated_caption(TranslatedWindow::Fractions, &window, TextKind::Message, 4702);
    EXPECT_EQ(window.windowTitle(), "Large numbers");
    const int registered = registered_control_count();
    set_translated_caption(TranslatedWindow::Fractions, &window, TextKind::Window, 50);
    EXPECT_EQ(window.windowTitle(), "Fractions");
    EXPECT_EQ(registered_control_count(), registered);
    dir.write_lines("aenglish.3", {"50", "Breuken (en)", "hint"});
    apply_language();
    EXPECT_EQ(window.windowTitle(), "Breuken (en)");
    EXPECT_EQ(control_tag(&window), 50);
}

TEST_F(TranslationTest, CaptionOnLastLineIsAlsoTheHint) {
    auto* button = new QPushButton("b", &window);
    register_control(TranslatedWindow::Fractions, button, TextKind::Button, 30);
    write("5", {"30", "Last"});
    apply_language();
    EXPECT_EQ(button->text(), "Last");
    EXPECT_EQ(button->toolTip(), "Last");
}

TEST_F(TranslationTest, MissingFileIsReportedOncePerPassAndTextsStay) {
    auto* a = new QLabel("keep a", &window);
    auto* b = new QLabel("keep b", &window);
    register_control(TranslatedWindow::Fractions, a, TextKind::Label, 40);
    register_control(TranslatedWindow::Fractions, b, TextKind::Label, 41);
    QFile::remove(dir.path() + "/aenglish.2");
    testing::MessageRecorder rec;
    apply_language();
    EXPECT_EQ(a->text(), "keep a");
    EXPECT_EQ(b->text(), "keep b");
    EXPECT_EQ(rec.texts().filter("missing file:"), QStringList({"missing file: aenglish.2"}));
}

TEST_F(TranslationTest, ComboBoxGetsItemsFromConsecutiveEntries) {
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->addItems({"1   +", "2   -"});
    combo->setCurrentIndex(1);
    register_combo(TranslatedWindow::Fractions, combo, 50, 6,
                   [](QStringList& items) { items[1] += QString(" ") + QChar(0x2013); });
    write("3", {"50", "1   plus", "2   minus", "51", "3   times", "4   divided", "52", "5   a",
                "6   b"});
    apply_language();
    ASSERT_EQ(combo->count(), 6);
    EXPECT_EQ(combo->itemText(0), "1   plus");
    EXPECT_EQ(combo->itemText(1), QString("2   minus ") + QChar(0x2013));
    EXPECT_EQ(combo->itemText(5), "6   b");
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->currentText(), "1   plus");
}

TEST_F(TranslationTest, ComboBoxWithMissingEntriesGetsErrorItems) {
    auto* combo = new QComboBox(&window);
    register_combo(TranslatedWindow::Fractions, combo, 60, 7);
    write("3", {"60", "1   a", "2   b"});
    apply_language();
    ASSERT_EQ(combo->count(), 7);
    EXPECT_EQ(combo->itemText(2), "error 3");
    EXPECT_EQ(combo->itemText(6), "error 3");
}

TEST_F(TranslationTest, TagZeroKeepsTheBuiltInText) {
    auto* b = new QPushButton("Stop", &window);
    register_control(TranslatedWindow::Fractions, b, TextKind::SpeedButton, 0);
    apply_language();
    EXPECT_EQ(b->text(), "Stop");
}

TEST_F(TranslationTest, DestroyedControlsAreForgotten) {
    const int before = registered_control_count();
    {
        QDialog gone;
        register_control(TranslatedWindow::Fractions, new QLabel("x", &gone), TextKind::Label, 70);
        EXPECT_EQ(registered_control_count(), before + 1);
    }
    EXPECT_EQ(registered_control_count(), before);
    apply_language();  // must not touch the destroyed label
}

TEST_F(TranslationTest, ListenersRunAfterThePass) {
    auto* l = new QLabel("x", &window);
    register_control(TranslatedWindow::Fractions, l, TextKind::Label, 80);
    write("2", {"80", "new", ""});
    QString seen;
    const int id = add_language_listener([&seen, l] { seen = l->text(); });
    apply_language();
    remove_language_listener(id);
    EXPECT_EQ(seen, "new");
}

}  // namespace
}  // namespace cifrala
