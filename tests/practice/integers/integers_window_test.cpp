// What the integers window shares across its topics: the topic table and
// its modes (a mode for every topic), titles, the
// standard controls each topic offers, the menu's presets and the render
// topic "integers".
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>

#include "formula/surface_pane.h"
#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/integers/integers_fixture.h"
#include "practice/integers/integers_topics.h"
#include "practice/integers/number_line_panel.h"
#include "practice/integers/times_table_panel.h"

namespace cifrala {
namespace {

using namespace integers_topic;

class IntegersWindow : public testing::IntegersFixture {};

TEST_F(IntegersWindow, EveryTopicHasARowAndEveryOneIsBuilt) {
    for (const IntegersTopic& t : integers_topics()) {
        SCOPED_TRACE(t.code);
        const ModeRow* row = w.modes().find(t.code, 0);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->name, t.name);
        EXPECT_TRUE(w.serves(t.code, 0));
        // The row makes the mode; the mode knows its row.
        EXPECT_NE(t.make_mode, nullptr);
        const auto* mode = dynamic_cast<const IntegersMode*>(row->mode);
        ASSERT_NE(mode, nullptr);
        EXPECT_EQ(mode->topic().code, t.code);
        EXPECT_EQ(mode->title().number, t.title_message);
    }
    EXPECT_FALSE(w.serves(44, 0));
    EXPECT_EQ(integers_topics().size(), 10u);
}

TEST_F(IntegersWindow, EachTopicHasItsTitleAndFont) {
    for (int topic : {kArithmetic, kNumberLine, kTimesTables}) {
        SCOPED_TRACE(topic);
        open(topic);
        const IntegersTopic* t = find_integers_topic(topic);
        EXPECT_EQ(w.windowTitle(), msg(t->title_message));
        EXPECT_EQ(w.surface().font_size(), topic == kArithmetic ? 24 : 32);
        EXPECT_EQ(w.opened_topic(), topic);
        EXPECT_EQ(w.help_button->isVisibleTo(&w), topic == kArithmetic);
        EXPECT_EQ(w.Panel5->isVisibleTo(&w), topic == kNumberLine);
        EXPECT_EQ(w.Panel8->isVisibleTo(&w), topic == kTimesTables);
        EXPECT_EQ(w.level_group->isVisibleTo(&w), topic == kArithmetic);
        EXPECT_FALSE(w.Button2->isVisibleTo(&w));
        EXPECT_TRUE(w.Button1->isVisibleTo(&w));
        EXPECT_EQ(w.Button1->text(), QStringLiteral("Volgende opgave"));
        EXPECT_EQ(w.mode()->help_page(), kIntegersHelpPage);
    }
}

TEST_F(IntegersWindow, ShowingWaitsForANewExercise) {
    open(kArithmetic);
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.surface().display().texts().empty());
    EXPECT_FALSE(w.Button7->isVisibleTo(&w));
    EXPECT_TRUE(w.Panel3->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel4->isVisibleTo(&w));
}

TEST_F(IntegersWindow, TheCoverSheetLiesFiftyPixelsBelowTheTopOfTheSheet) {
    open(kArithmetic);
    w.Button1Click();
    w.show_cover_sheet();
    ASSERT_TRUE(w.cover_sheet()->isVisibleTo(&w));
    EXPECT_EQ(w.cover_sheet()->objectName(), QStringLiteral("Panel1"));
    EXPECT_EQ(w.cover_sheet()->y(), w.Image1->y() + 50);
    EXPECT_TRUE(w.copy_button->isVisibleTo(&w));
    // A new exercise takes it away.
    w.Button1Click();
    EXPECT_FALSE(w.cover_sheet()->isVisibleTo(&w));
}

TEST_F(IntegersWindow, StopPutsTheAnswerBoxAndThePanelsAway) {
    open(kArithmetic);
    own(QStringLiteral("2+3"));
    w.Button7Click();
    ASSERT_TRUE(w.Groupbox5->isVisibleTo(&w));
    w.Button3Click();
    EXPECT_EQ(w.result(), 1);
    EXPECT_FALSE(w.Groupbox5->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel5->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel8->isVisibleTo(&w));
    // Shown again, the sheet waits for a new exercise.
    open(kArithmetic);
    EXPECT_FALSE(w.step_available());
    EXPECT_FALSE(w.Button7->isVisibleTo(&w));
}

TEST_F(IntegersWindow, SwitchingTopicsPutsThePreviousTopicAway) {
    open(kTimesTables);
    w.Button1Click();
    ASSERT_TRUE(w.Panel8->running());
    open(kNumberLine);
    EXPECT_FALSE(w.Panel8->running());
    EXPECT_FALSE(w.Panel8->isVisibleTo(&w));
    open(kArithmetic);
    EXPECT_FALSE(w.Panel5->isVisibleTo(&w));
}

TEST_F(IntegersWindow, TheEstimatingPresetsTakeEffectForTheirTopic) {
    w.hint_check->setChecked(false);
    selection.topic_code = kNumberLine;
    w.apply_preset(Preset::EstimateLabels);
    open(kNumberLine);
    EXPECT_TRUE(w.hint_check->isChecked());
    EXPECT_FALSE(w.hint_check->isVisibleTo(&w));
    EXPECT_FALSE(w.help_button->isVisibleTo(&w));
    EXPECT_EQ(w.Panel5->Label2->text(), msg(1922));
}

TEST_F(IntegersWindow, PresetsOfATopicThatWasNotShownAreForgotten) {
    // The menu sets the presets of "Schaal", then the window opens for another topic.
    selection.topic_code = kScale;
    w.apply_preset(Preset::WordProblemPresets);
    open(kArithmetic);
    EXPECT_FALSE(w.CheckBox7->isChecked());
    EXPECT_TRUE(w.RadioButton1->isChecked());
    EXPECT_TRUE(w.hint_check->isVisibleTo(&w));
}

TEST_F(IntegersWindow, TheWindowIsRegisteredBeforeTheMenu) {
    const auto& entries = practice_window_entries();
    const auto it = std::find_if(entries.begin(), entries.end(), [](const PracticeWindowEntry& e) {
        return e.target == Target::Integers;
    });
    ASSERT_NE(it, entries.end());
    EXPECT_TRUE(it->before_menu);
    EXPECT_EQ(it->name, QStringLiteral("integers"));
}

// The menu that owns the window has a style sheet, under which a panel does
// not take the colour of the window it lies on.
TEST(IntegersPanels, AreYellowUnderTheStyleSheetOfTheWindowsOwner) {
    QWidget menu;
    menu.setStyleSheet(QStringLiteral("QGroupBox { border: 2px solid #007b8a; }"));
    TGehele_getallen_Form w(&menu);
    const QColor yellow(255, 255, 0);
    selection.topic_code = kTimesTables;
    w.start_showing();
    // Left of the time bar, above the first product.
    EXPECT_EQ(w.Panel8->grab().toImage().pixelColor(5, 100), yellow);
    selection.topic_code = kNumberLine;
    w.start_showing();
    // Left of the labels.
    EXPECT_EQ(w.Panel5->grab().toImage().pixelColor(5, 300), yellow);
}

TEST(IntegersRender, TheWorkedExerciseAsJson) {
    RenderRequest r;
    r.topic = QStringLiteral("integers");
    r.seed = 3;
    r.out = QStringLiteral("unused.json");
    r.options.insert(QStringLiteral("level"), QStringLiteral("3"));
    r.options.insert(QStringLiteral("brackets"), QStringLiteral("1"));
    QString error;
    const QJsonObject o = render_exercise_json(r, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const QJsonArray lines = o.value(QStringLiteral("lines")).toArray();
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines.first().toString().endsWith(QLatin1Char('=')));
    EXPECT_FALSE(lines.last().toString().contains(QLatin1Char('=')));
    // The same seed gives the same worksheet; two steps give three lines.
    EXPECT_EQ(render_exercise_json(r, &error).value(QStringLiteral("lines")),
              o.value(QStringLiteral("lines")));
    r.steps = 2;
    EXPECT_EQ(render_exercise_json(r, &error).value(QStringLiteral("lines")).toArray().size(), 3);
}

TEST(IntegersRender, OnlyDeclaredOptionsAndValues) {
    const RenderTopic* t = find_render_topic(QStringLiteral("integers"));
    ASSERT_NE(t, nullptr);
    RenderOptions complete;
    QString error;
    ASSERT_TRUE(complete_render_options(*t, {}, complete, &error));
    EXPECT_EQ(complete.value(QStringLiteral("level")), QStringLiteral("1"));
    EXPECT_EQ(complete.value(QStringLiteral("fractions")), QStringLiteral("mixed"));
    EXPECT_FALSE(complete_render_options(*t, {{QStringLiteral("level"), QStringLiteral("5")}},
                                         complete, &error));
    EXPECT_FALSE(complete_render_options(*t, {{QStringLiteral("kind"), QStringLiteral("1")}},
                                         complete, &error));
    // Primary-school level with powers works as multiplying.
    RenderRequest r;
    r.topic = QStringLiteral("integers");
    r.out = QStringLiteral("unused.png");
    r.options.insert(QStringLiteral("level"), QStringLiteral("4"));
    r.options.insert(QStringLiteral("primary"), QStringLiteral("1"));
    for (quint32 seed = 1; seed <= 20; ++seed) {
        r.seed = seed;
        error.clear();
        const QJsonObject o = render_exercise_json(r, &error);
        ASSERT_TRUE(error.isEmpty());
        for (const QJsonValue& l : o.value(QStringLiteral("lines")).toArray())
            EXPECT_FALSE(l.toString().contains('^'));
    }
}

}  // namespace
}  // namespace cifrala
