// The topic settings panel: the untick cascade, check_hoofdmenus, and the
// settings file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/menu_form.h"
#include "app/topic_settings_table.h"
#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
#include "text/program_dir.h"

namespace cifrala {
namespace {

class TopicSettingsTest : public ::testing::Test {
protected:
    TopicSettingsTest() : previous_config(user_config_dir()), menu(false) {
        set_user_config_dir(config.path());
        data.copy_shipped("anederlands.msg");
        menu.set_show_target_hook([](Target) {});
    }
    ~TopicSettingsTest() override { set_user_config_dir(previous_config); }

    bool ticked(int n) const { return menu.topic_box(n)->isChecked(); }
    void tick(int n, bool v) { menu.topic_box(n)->setChecked(v); }
    bool shown(const char* button) const { return !menu.button(button)->isHidden(); }
    void write_settings(const QStringList& lines) {
        QFile f(config.path() + "/cifrala.def");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QString& l : lines)
            f.write(l.toLatin1() + "\r\n");
    }
    QStringList saved_lines() const {
        QFile f(config.path() + "/cifrala.def");
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList l = QString::fromLatin1(f.readAll()).split("\r\n");
        if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
        return l;
    }

    QString previous_config;
    QTemporaryDir config;
    testing::TempDataDir data;
    TAlle_rekenoefeningenForm menu;
};

TEST_F(TopicSettingsTest, NinetyBoxesWithTheirTags) {
    ASSERT_EQ(topic_boxes().size(), 90u);
    for (int n = 4; n <= 93; ++n) {
        ASSERT_NE(menu.topic_box(n), nullptr) << n;
        EXPECT_EQ(menu.topic_box(n)->property("tag").toInt(), 600 + n);
        EXPECT_EQ(menu.topic_box(n)->objectName(), QString("CheckBox%1").arg(n));
    }
    EXPECT_TRUE(menu.topic_box(89)->font().bold());
    EXPECT_TRUE(menu.topic_box(26)->font().italic());
}

TEST_F(TopicSettingsTest, NoFileShowsEveryTopic) {
    menu.init();
    for (int n = 4; n <= 93; ++n)
        EXPECT_TRUE(ticked(n)) << n;
    EXPECT_TRUE(shown("SpeedButton25"));
    EXPECT_TRUE(shown("SpeedButton146"));
    EXPECT_TRUE(menu.group(19)->isHidden());
}

TEST_F(TopicSettingsTest, UntickingASubjectUnticksItsGroupsMembers) {
    menu.check_all(true);
    tick(89, false);
    for (int n : {5, 6, 13, 14, 22, 26, 27, 32, 33, 37})
        EXPECT_FALSE(ticked(n)) << n;
    EXPECT_TRUE(ticked(90));
    EXPECT_TRUE(ticked(4));
    tick(90, false);
    for (int n : {39, 40, 46, 48, 88, 47, 92, 57, 66, 67, 73, 74, 91})
        EXPECT_FALSE(ticked(n)) << n;
    EXPECT_TRUE(ticked(38));  // Natuurkunde's own topic
}

TEST_F(TopicSettingsTest, TickingAGroupLeavesItsMembers) {
    menu.check_all(false);
    tick(5, true);
    for (int n = 6; n <= 13; ++n)
        EXPECT_FALSE(ticked(n));
}

TEST_F(TopicSettingsTest, UncheckAllAndOkHidesEverySubject) {
    menu.init();
    menu.SpeedButton149Click();
    menu.press("SpeedButton152");
    menu.SpeedButton150Click();
    for (const char* b :
         {"SpeedButton25", "SpeedButton59", "SpeedButton26", "SpeedButton58", "SpeedButton130"})
        EXPECT_FALSE(shown(b)) << b;
    EXPECT_TRUE(shown("SpeedButton85"));  // the fixed controls stay
    EXPECT_TRUE(shown("SpeedButton149"));
}

TEST_F(TopicSettingsTest, OnlyLineairTicksItsPath) {
    menu.check_all(false);
    tick(27, true);
    menu.SpeedButton150Click();
    EXPECT_TRUE(ticked(26));
    EXPECT_TRUE(ticked(89));
    EXPECT_FALSE(ticked(5));
    EXPECT_FALSE(ticked(90));
    EXPECT_TRUE(shown("SpeedButton25"));
    EXPECT_TRUE(shown("SpeedButton47"));
    EXPECT_TRUE(shown("SpeedButton137"));
    EXPECT_FALSE(shown("SpeedButton16"));
    EXPECT_FALSE(shown("SpeedButton1"));
}

TEST_F(TopicSettingsTest, GroupWithoutMembersIsUntickedOnOk) {
    menu.check_all(false);
    tick(57, true);  // "Differentiëren" without any member
    menu.check_hoofdmenus();
    EXPECT_FALSE(ticked(57));
    EXPECT_FALSE(ticked(90));
}

TEST_F(TopicSettingsTest, UntickingBovenbouwUnticksSinusoid) {
    menu.check_all(true);
    tick(90, false);
    EXPECT_FALSE(ticked(91));
    menu.check_hoofdmenus();
    EXPECT_FALSE(ticked(90));
}

TEST_F(TopicSettingsTest, SaveAndLoadRoundTrip) {
    menu.check_all(false);
    tick(11, true);
    tick(79, true);
    menu.SpeedButton150Click();
    const QStringList lines = saved_lines();
    ASSERT_EQ(lines.size(), 90);
    // Lines follow the table: line 8 "Breuken", line 76 "Lenzenformule".
    EXPECT_EQ(lines[7], "+");
    EXPECT_EQ(lines[75], "+");
    EXPECT_EQ(lines[1], "+");   // Basisrekenen, ticked by check_hoofdmenus
    EXPECT_EQ(lines[85], "+");  // Rekenen, Algebra
    EXPECT_EQ(lines[2], "-");
    TAlle_rekenoefeningenForm again(false);
    again.init();
    for (int n = 4; n <= 93; ++n)
        EXPECT_EQ(again.topic_box(n)->isChecked(), ticked(n)) << n;
    EXPECT_TRUE(!again.button("SpeedButton146")->isHidden());
    EXPECT_TRUE(again.button("SpeedButton4")->isHidden());
}

TEST_F(TopicSettingsTest, ShortFileLeavesTheRestUnticked) {
    write_settings({"+", "+", "+"});
    menu.init();
    EXPECT_TRUE(ticked(4));
    // The missing line of "Rekenen, Algebra (onderbouw)" unticks it, and with
    // it the earlier "Basisrekenen" and "Gehele getallen".
    EXPECT_FALSE(ticked(89));
    EXPECT_FALSE(ticked(5));
    EXPECT_FALSE(ticked(6));
    EXPECT_FALSE(ticked(7));
    EXPECT_FALSE(ticked(93));
    EXPECT_FALSE(shown("SpeedButton143"));
}

TEST_F(TopicSettingsTest, GarbageAndLongFilesAreReadSafely) {
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << (i % 3 == 0 ? "+" : i % 3 == 1 ? "+ " : "xyz");
    lines[0] = QString(100000, '+');
    write_settings(lines);
    menu.init();
    EXPECT_FALSE(ticked(4));  // only an exact "+" ticks
    EXPECT_FALSE(ticked(5));  // "+ " is not "+"
    EXPECT_TRUE(ticked(7));   // line 4 is "+"
}

TEST_F(TopicSettingsTest, SubjectUntickedInFileUnticksEarlierMembers) {
    QStringList lines;
    for (int i = 0; i < 90; ++i)
        lines << "+";
    lines[85] = "-";  // "Rekenen, Algebra (onderbouw)"
    write_settings(lines);
    menu.init();
    EXPECT_FALSE(ticked(89));
    EXPECT_FALSE(ticked(11));
    EXPECT_FALSE(ticked(27));
    EXPECT_TRUE(ticked(4));
    // A topic ticked under a hidden subject keeps its button until the next OK.
    lines = QStringList();
    for (int i = 0; i < 90; ++i)
        lines << "+";
    lines[0] = "-";  // Natuurkunde, the topics come later in the file
    write_settings(lines);
    TAlle_rekenoefeningenForm other(false);
    other.init();
    EXPECT_TRUE(other.button("SpeedButton26")->isHidden());
    EXPECT_FALSE(other.button("SpeedButton54")->isHidden());
}

TEST_F(TopicSettingsTest, UnwritableConfigFolderKeepsTheChoiceForThisRun) {
    QFile blocker(config.path() + "/blocked");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    set_user_config_dir(config.path() + "/blocked/sub");
    testing::MessageRecorder rec;
    menu.check_all(false);
    tick(11, true);
    menu.SpeedButton150Click();
    EXPECT_EQ(rec.count(), 1);
    EXPECT_TRUE(shown("SpeedButton146"));
    EXPECT_FALSE(shown("SpeedButton4"));
}

TEST_F(TopicSettingsTest, SettingsPanelMovesTheMenuAndBack) {
    menu.move(200, 150);
    menu.SpeedButton149Click();
    EXPECT_EQ(menu.pos(), QPoint(0, 0));
    EXPECT_FALSE(menu.group(19)->isHidden());
    EXPECT_GE(menu.width(), 1209);
    menu.SpeedButton150Click();
    EXPECT_EQ(menu.pos(), QPoint(200, 150));
    EXPECT_TRUE(menu.group(19)->isHidden());
}

TEST_F(TopicSettingsTest, HiddenButtonsLeaveAGap) {
    menu.check_all(true);
    tick(6, false);
    menu.overhevelen();
    // The button after a hidden one keeps its place.
    const QPoint before = menu.button("SpeedButton143")->pos();
    tick(6, true);
    menu.overhevelen();
    EXPECT_EQ(menu.button("SpeedButton143")->pos(), before);
    EXPECT_GT(before.y(), menu.button("SpeedButton4")->pos().y());
}

}  // namespace
}  // namespace cifrala
