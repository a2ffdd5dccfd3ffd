// The times-tables test: the products asked, typed answers marked right and
// wrong (empty, non-numeric and non-whole answers are wrong) with their
// score, the focus that moves on as soon as an answer is right, the screen
// keys, and the time bar that changes colour and marks when the time is up.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <set>

#include "practice/integers/integers_fixture.h"
#include "practice/integers/times_table_panel.h"
#include "practice/integers/times_table_round.h"
#include "tools/key_sender.h"
#include "util/random.h"

namespace cifrala {
namespace {

using Colour = TimesTableRound::BarColour;

TEST(TimesTableAnswers, OnlyTheProductItselfIsRight) {
    EXPECT_TRUE(TimesTableRound::answer_right(QStringLiteral("56"), 56));
    EXPECT_TRUE(TimesTableRound::answer_right(QStringLiteral(" 56 "), 56));
    EXPECT_TRUE(TimesTableRound::answer_right(QStringLiteral("7*8"), 56));
    EXPECT_FALSE(TimesTableRound::answer_right(QStringLiteral("55"), 56));
    EXPECT_FALSE(TimesTableRound::answer_right(QString(), 56));
    EXPECT_FALSE(TimesTableRound::answer_right(QStringLiteral(" "), 56));
    EXPECT_FALSE(TimesTableRound::answer_right(QStringLiteral("abc"), 56));
    EXPECT_FALSE(TimesTableRound::answer_right(QStringLiteral("5 6x"), 56));
    EXPECT_FALSE(TimesTableRound::answer_right(QStringLiteral("-"), 56));
    // Rounded it would be 56, but it is not the product.
    EXPECT_FALSE(TimesTableRound::answer_right(QStringLiteral("56,4"), 56));
    EXPECT_FALSE(TimesTableRound::answer_right(QStringLiteral("55.6"), 56));
}

TEST(TimesTableAnswers, TheScoreCountsTheRightRows) {
    TimesTableRound t;
    t.set_rows({{7, 8}, {3, 4}, {9, 9}, {2, 5}});
    const TimesTableRound::Marking m =
        t.mark({QStringLiteral("56"), QString(), QStringLiteral("81"), QStringLiteral("x")});
    EXPECT_EQ(m.right, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(m.score, 2);
    EXPECT_EQ(m.count, 4);
    EXPECT_EQ(m.last_wrong, 3);
    EXPECT_EQ(TimesTableRound::score_text(2, 4), QStringLiteral("Score: 2 ") + msg(-45) + " 4");
    EXPECT_EQ(t.mark({QStringLiteral("56"), QStringLiteral("12"), QStringLiteral("81"),
                      QStringLiteral("10")})
                  .last_wrong,
              -1);
}

TEST(TimesTableRows, ProductsOfTwoToNineAllDifferent) {
    for (int seed = 1; seed <= 200; ++seed) {
        seed_random(static_cast<quint32>(seed));
        TimesTableRound t;
        t.start(10);
        ASSERT_EQ(t.count(), 10);
        std::set<int> products;
        for (const TimesTableRow& r : t.rows()) {
            EXPECT_GE(r.a, 2);
            EXPECT_LE(r.a, 9);
            EXPECT_GE(r.b, 2);
            EXPECT_LE(r.b, 9);
            products.insert(r.a * r.b);
        }
        EXPECT_EQ(products.size(), 10u);
    }
    EXPECT_EQ(TimesTableRound::row_count(0), 10);
    EXPECT_EQ(TimesTableRound::row_count(11), 10);
    EXPECT_EQ(TimesTableRound::row_count(1), 1);
    EXPECT_EQ(TimesTableRound::question({7, 8}), QStringLiteral("7 × 8 ="));
}

TEST(TimesTableTime, ColoursFollowTheProgressBeforeTheTick) {
    EXPECT_EQ(TimesTableRound::bar_colour(15, 30), Colour::Green);
    EXPECT_EQ(TimesTableRound::bar_colour(16, 30), Colour::Fuchsia);
    EXPECT_EQ(TimesTableRound::bar_colour(21, 30), Colour::Fuchsia);
    EXPECT_EQ(TimesTableRound::bar_colour(22, 30), Colour::Red);
    int s = 0;
    EXPECT_TRUE(TimesTableRound::read_seconds(QStringLiteral("30"), s));
    EXPECT_EQ(s, 30);
    for (const char* bad : {"", "0", "-5", "abc", "2,5", "3601", "99999999999"})
        EXPECT_FALSE(TimesTableRound::read_seconds(QString::fromLatin1(bad), s)) << bad;
}

class TimesTablesWindow : public testing::IntegersFixture {
protected:
    void SetUp() override {
        open(50);
        p = w.Panel8;
    }
    void start(int count, const std::vector<TimesTableRow>& rows = {}) {
        p->ComboBox1->setCurrentIndex(count - 1);
        ASSERT_TRUE(p->Button4Click());
        if (!rows.empty()) {
            p->round().set_rows(rows);
            for (size_t i = 0; i < rows.size(); ++i)
                p->Question[i]->setText(TimesTableRound::question(rows[i]));
        }
    }
    TimesTablePanel* p = nullptr;
};

TEST_F(TimesTablesWindow, ThePanelCoversTheWindowAndWaitsForStart) {
    EXPECT_TRUE(p->isVisibleTo(&w));
    EXPECT_TRUE(w.mode()->judged());
    EXPECT_FALSE(p->running());
    EXPECT_FALSE(p->Gauge1->isVisibleTo(&w));
    EXPECT_FALSE(p->Button6->isVisibleTo(&w));
    EXPECT_FALSE(w.help_button->isVisibleTo(&w));
    // Page Up ("Volgende opgave") starts a row as "Start" does.
    w.Button1Click();
    EXPECT_TRUE(p->running());
    EXPECT_TRUE(p->Gauge1->isVisibleTo(&w));
    EXPECT_EQ(p->round().count(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(p->Edit[static_cast<size_t>(i)]->isVisibleTo(&w));
}

TEST_F(TimesTablesWindow, TypedAnswersMoveOnWhenCompleteAndAreMarked) {
    start(3, {{7, 8}, {3, 4}, {6, 9}});
    EXPECT_EQ(p->focused_row(), 0);
    QTest::keyClicks(p->field(0), QStringLiteral("5"));
    EXPECT_EQ(p->focused_row(), 0);  // "5" is not yet 56
    QTest::keyClicks(p->field(0), QStringLiteral("6"));
    EXPECT_EQ(p->focused_row(), 1);
    QTest::keyClicks(p->field(1), QStringLiteral("13"));
    EXPECT_EQ(p->focused_row(), 1);
    QTest::keyClick(p->field(1), Qt::Key_Return);  // Enter moves on without checking
    EXPECT_EQ(p->focused_row(), 2);
    QTest::keyClicks(p->field(2), QStringLiteral("54"));
    EXPECT_EQ(p->focused_row(), 0);  // from the last shown row to the first
    w.Panel8->Button6Click();
    EXPECT_FALSE(p->running());
    EXPECT_TRUE(p->marked());
    EXPECT_EQ(p->marking().right, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(p->Label33->text(), TimesTableRound::score_text(2, 3));
    EXPECT_FALSE(p->Button6->isVisibleTo(&w));
    // Marker buttons: enabled for the wrong row, which then shows the product.
    EXPECT_TRUE(p->Marker[0]->isVisibleTo(&w));
    EXPECT_FALSE(p->Marker[0]->isEnabled());
    EXPECT_TRUE(p->Marker[1]->isEnabled());
    EXPECT_FALSE(p->Marker[3]->isVisibleTo(&w));
    EXPECT_EQ(p->focused_row(), 1);  // the last wrong row
    p->marker_click(1);
    EXPECT_TRUE(p->Product[1]->isVisibleTo(&w));
    EXPECT_EQ(p->Product[1]->text(), QStringLiteral("12"));
    // After "Check antwoorden" the fields can still be typed in.
    EXPECT_TRUE(p->field(1)->isEnabled());
}

TEST_F(TimesTablesWindow, EmptyAndNonNumericAnswersAreWrong) {
    start(4, {{2, 3}, {4, 5}, {6, 7}, {8, 9}});
    p->field(0)->setText(QString());
    p->field(1)->setText(QStringLiteral("twintig"));
    p->field(2)->setText(QStringLiteral("42"));
    p->field(3)->setText(QStringLiteral("72,2"));
    p->Button6Click();
    EXPECT_EQ(p->marking().right, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(p->marking().score, 1);
}

TEST_F(TimesTablesWindow, OneProductKeepsTheFocusInItsRow) {
    start(1, {{7, 8}});
    EXPECT_FALSE(p->field(1)->isVisibleTo(&w));
    QTest::keyClicks(p->field(0), QStringLiteral("56"));
    EXPECT_EQ(p->focused_row(), 0);
}

TEST_F(TimesTablesWindow, InTheTenthRowOnlyARightAnswerMovesOn) {
    start(10);
    const int product = p->round().row(9).product();
    p->field(9)->setFocus();
    p->field(9)->setText(QString::number(product + 1));
    QTest::keyClick(p->field(9), Qt::Key_Return);
    EXPECT_EQ(p->focused_row(), 9);
    p->field(9)->setText(QString::number(product));
    QTest::keyClick(p->field(9), Qt::Key_Return);
    EXPECT_EQ(p->focused_row(), 0);
}

TEST_F(TimesTablesWindow, TheScreenKeysTypeIntoTheFocusedField) {
    w.show();
    start(2, {{7, 8}, {3, 4}});
    QApplication::processEvents();
    p->screen_key(QByteArray("5"));
    EXPECT_EQ(p->field(0)->text(), QStringLiteral("5"));
    p->screen_key(QByteArray("6"));
    EXPECT_EQ(p->field(0)->text(), QStringLiteral("56"));
    EXPECT_EQ(p->focused_row(), 1);  // right, so on to the next field
    p->screen_key(QByteArray("8"));
    p->screen_key(QByteArray(1, static_cast<char>(key_code::kBackspace)));
    p->screen_key(QByteArray("9"));
    EXPECT_EQ(p->field(1)->text(), QStringLiteral("9"));
    p->previous_field();
    EXPECT_EQ(p->focused_row(), 0);
    p->previous_field();
    EXPECT_EQ(p->focused_row(), 1);
    p->next_field();
    EXPECT_EQ(p->focused_row(), 0);
    w.hide();
}

TEST_F(TimesTablesWindow, TheTimeBarTurnsFuchsiaThenRedAndMarksAfterTheTime) {
    p->Edit2->setText(QStringLiteral("30"));
    start(10);
    std::vector<Colour> colour_at_tick(32, Colour::Green);
    for (int tick = 1; tick <= 30; ++tick) {
        p->countdown().advance(1000);
        colour_at_tick[tick] = p->bar_colour();
        EXPECT_FALSE(p->marked()) << tick;
    }
    EXPECT_EQ(p->Gauge1->value(), 30);
    EXPECT_EQ(colour_at_tick[16], Colour::Green);
    EXPECT_EQ(colour_at_tick[17], Colour::Fuchsia);
    EXPECT_EQ(colour_at_tick[22], Colour::Fuchsia);
    EXPECT_EQ(colour_at_tick[23], Colour::Red);
    p->countdown().advance(1000);  // the 31st tick
    EXPECT_TRUE(p->marked());
    EXPECT_FALSE(p->running());
    EXPECT_FALSE(p->Button6->isVisibleTo(&w));
    EXPECT_FALSE(p->field(0)->isEnabled());
    EXPECT_EQ(p->marking().score, 0);
    EXPECT_EQ(p->Label33->text(), TimesTableRound::score_text(0, 10));
}

TEST_F(TimesTablesWindow, AnUnreadableTimeIsRefusedAndNothingStarts) {
    p->Edit2->setText(QStringLiteral("dertig"));
    EXPECT_FALSE(p->Button4Click());
    EXPECT_FALSE(p->running());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.texts().at(0), msg(times_table_tags::kBadTime));
}

TEST_F(TimesTablesWindow, StopEndsTheTestAndClosesTheWindow) {
    start(10);
    p->Button5->click();
    EXPECT_FALSE(p->running());
    EXPECT_EQ(w.result(), 1);
    EXPECT_FALSE(p->isVisibleTo(&w));
}

}  // namespace
}  // namespace cifrala
