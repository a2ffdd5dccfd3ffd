// The roots window's frame: its modes by topic code (the topics not built
// yet stay unavailable), what each mode shows, the hint area with its copy
// button and cover sheet, the render topic and the explanation card.
#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QTest>
#include <climits>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "practice/common/floating_panel.h"
#include "practice/common/render_registry.h"
#include "practice/roots/game_panel.h"
#include "practice/roots/roots_fixture.h"
#include "practice/roots/roots_texts.h"
#include "text/help.h"

namespace cifrala::testing {
namespace {

TEST_F(RootsFixture, TheModesByTopicCode) {
    EXPECT_TRUE(w.serves(22, 0));
    EXPECT_TRUE(w.serves(62, 0));
    EXPECT_TRUE(w.serves(56, 0));
    EXPECT_TRUE(w.serves(57, 0));
    for (int topic = 58; topic <= 61; ++topic)
        EXPECT_TRUE(w.serves(topic, 0)) << topic;
    // Any other code is worked as topic 22.
    EXPECT_TRUE(w.serves(17, 3));
    selection.topic_code = 17;
    w.start_showing();
    EXPECT_EQ(w.mode_row()->name, "roots");
    EXPECT_EQ(selection.topic_code, 22);
    EXPECT_EQ(w.help_page(), 690);
    EXPECT_EQ(w.windowTitle(), msg(roots_messages::kTitle));
}

TEST_F(RootsFixture, TheRootsModeShowsTheHintAreaUnderASmallerWorksheet) {
    EXPECT_EQ(w.Image1->height(), kRootsWorksheetWithHints);
    EXPECT_TRUE(w.Image2->isVisibleTo(&w));
    EXPECT_TRUE(w.CheckBox1->isVisibleTo(&w));
    EXPECT_TRUE(w.CheckBox1->isChecked());
    EXPECT_TRUE(w.SpeedButton5->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel5->isVisibleTo(&w));
    EXPECT_TRUE(w.RadioButton5->isChecked());
    EXPECT_TRUE(w.RadioButton1->isChecked());
    // The hint area lies under the worksheet, the bottom row under both.
    EXPECT_GT(w.Image2->y(), w.Image1->geometry().bottom());
    EXPECT_GT(w.Button1->y(), w.Image2->geometry().bottom());
    EXPECT_GT(w.Button1->y(), 1 + kRootsFullWorksheet);
}

TEST_F(RootsFixture, SwitchingModesResizesTheWorksheetAndBack) {
    w.Button1Click();
    selection.topic_code = 62;
    w.start_showing();
    EXPECT_EQ(w.Image1->height(), kRootsFullWorksheet);
    EXPECT_TRUE(w.Panel5->isVisibleTo(&w));
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
    selection.topic_code = 22;
    w.start_showing();
    EXPECT_EQ(w.Image1->height(), kRootsWorksheetWithHints);
    EXPECT_FALSE(w.Panel5->isVisibleTo(&w));
    EXPECT_TRUE(w.surface().display().texts().empty());
    EXPECT_FALSE(w.step_available());
}

TEST_F(RootsFixture, TheChoicesStayFromOneShowingToTheNext) {
    w.set_level(2);
    primes(true);
    w.Button3Click();
    w.start_showing();
    EXPECT_EQ(w.level(), 2);
    EXPECT_TRUE(w.RadioButton4->isChecked());
}

TEST_F(RootsFixture, BothCoverSheetsGoWithANewExercise) {
    w.Button1Click();
    w.show_cover_sheet();
    w.show_hint_cover();
    EXPECT_TRUE(w.Panel1->isVisibleTo(&w));
    EXPECT_TRUE(w.Panel2->isVisibleTo(&w));
    EXPECT_EQ(w.Panel1->y(), w.Image1->y() + 50);
    EXPECT_EQ(w.Panel2->geometry(), w.Image2->geometry());
    w.Button3Click();
    w.start_showing();
    w.Button1Click();
    EXPECT_FALSE(w.Panel1->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel2->isVisibleTo(&w));
}

TEST_F(RootsFixture, TheSecondCopyButtonCopiesTheHintArea) {
    begin(1, 72);
    w.SpeedButton5Click();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), w.hint_area().image().size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              w.hint_area().image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(RootsFixture, RootSignsSpanTheirRadicands) {
    for (const RootsExercise& e : {RootsExercise{3, 25, 9}, RootsExercise{1, 72, 1},
                                   RootsExercise{5, 8, 10}, RootsExercise{6, 16, 6}}) {
        primes(e.kind == 1);
        w.roots_mode().begin(e);
        work_to_end();
        const DisplayList& d = w.surface().display();
        ASSERT_FALSE(d.roots().empty());
        for (const DrawnRoot& r : d.roots()) {
            SCOPED_TRACE(r.radicand.toStdString());
            // The texts under this sign (not those of a smaller root in it).
            int left = INT_MAX, right = INT_MIN, top = INT_MAX;
            for (const DrawnText& t : d.texts()) {
                if (!r.rect.contains(t.rect)) continue;
                left = std::min(left, t.rect.left());
                right = std::max(right, t.rect.left() + t.rect.width());
                top = std::min(top, t.rect.top());
            }
            ASSERT_NE(left, INT_MAX) << "nothing under the sign";
            // One horizontal bar above all of them, from the sign to past
            // the last.
            bool spanned = false;
            for (const DrawnLine& l : d.lines()) {
                if (l.from.y() != l.to.y() || !r.rect.contains(l.from) || !r.rect.contains(l.to))
                    continue;
                if (l.from.y() <= top && l.from.x() <= left && l.to.x() >= right) spanned = true;
            }
            EXPECT_TRUE(spanned);
        }
    }
}

TEST(RootsRender, WorksAnExerciseOffscreenByLevelAndMethod) {
    ASSERT_NE(find_render_topic("roots"), nullptr);
    for (const char* method : {"squares", "primes"}) {
        for (const char* level : {"1", "2", "3"}) {
            RenderRequest r;
            QString error;
            ASSERT_TRUE(parse_render_request(
                {"roots", "--level", level, "--method", method, "--seed", "4", "--out", "x.json"},
                r, &error));
            const QJsonObject o = render_exercise_json(r, &error);
            ASSERT_FALSE(o.isEmpty()) << error.toStdString();
            const QJsonArray lines = o.value("lines").toArray();
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_TRUE(lines.first().toString().startsWith("V(")) << method << level;
            EXPECT_FALSE(render_exercise(r, &error).isNull());
        }
    }
    RenderRequest bad;
    QString error;
    ASSERT_TRUE(
        parse_render_request({"roots", "--method", "cubes", "--out", "x.png"}, bad, &error));
    EXPECT_TRUE(render_exercise(bad, &error).isNull());
    EXPECT_TRUE(error.startsWith(msg(1362)));
}

TEST(RootsCard, TheCardOfTopic22ShowsTheExampleAndTheSquares) {
    const ExplanationCard* card = find_explanation_card(22);
    ASSERT_NE(card, nullptr);
    TtekeningForm form;
    card->paint(form, CardRequest{22, {}});
    const Surface& s = form.surface();
    EXPECT_EQ(s.width(), 420);
    EXPECT_EQ(s.height(), 330);
    EXPECT_EQ(s.display().roots().size(), 3u);
    EXPECT_EQ(s.display().polygons().size(), 3u);
    EXPECT_EQ(s.display().find_texts("4·3").size(), 1u);
    EXPECT_FALSE(s.display().find_texts("324").empty());  // 18 squared
    const QRect area(0, 0, s.width(), s.height());
    for (const DrawnText& t : s.display().texts())
        EXPECT_TRUE(area.contains(t.rect)) << t.text.toStdString();
}

}  // namespace
}  // namespace cifrala::testing
