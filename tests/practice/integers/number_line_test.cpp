// Placing a fraction on the number line: the numbers asked, where they lie,
// the card in both display modes, and the judging of a release: 2 pixels
// from the right place is a hit, 3 pixels a miss, after two misses the card
// no longer moves and the arrow shows the place.
#include <QLabel>
#include <QToolButton>
#include <cmath>
#include <numeric>

#include "formula/surface_pane.h"
#include "practice/integers/integers_fixture.h"
#include "practice/integers/integers_style.h"
#include "practice/integers/number_line.h"
#include "practice/integers/number_line_panel.h"
#include "util/random.h"

namespace cifrala {
namespace {

constexpr int kLineWidth = 993;

TEST(NumberLineNumbers, TenthsAndTwentiethsBetweenAQuarterAndNineAndThreeQuarters) {
    for (int seed = 1; seed <= 500; ++seed) {
        seed_random(static_cast<quint32>(seed));
        NumberLineExercise e;
        e.draw();
        EXPECT_GT(e.value(), 0.24);
        EXPECT_LT(e.value(), 9.76);
        EXPECT_GE(e.whole(), 0);
        EXPECT_LE(e.whole(), 9);
        EXPECT_GT(e.numerator(), 0);
        EXPECT_LT(e.numerator(), e.denominator());
        EXPECT_EQ(std::gcd(e.numerator(), e.denominator()), 1);
        EXPECT_EQ(20 % e.denominator(), 0) << e.denominator();
        EXPECT_EQ(e.attempts(), 0);
        EXPECT_FALSE(e.mixed);
    }
}

TEST(NumberLineNumbers, TheTargetIsWhereTheValueLiesOnTheLine) {
    NumberLineExercise e;
    ASSERT_TRUE(e.set(2, 3, 10));
    // 953 pixels for ten units, starting 20 pixels in: 2.3 * 95.3 = 219.19.
    EXPECT_EQ(e.target_on_line(kLineWidth), 239);
    ASSERT_TRUE(e.set(0, 10, 20));  // reduced to 1/2
    EXPECT_EQ(e.numerator(), 1);
    EXPECT_EQ(e.denominator(), 2);
    EXPECT_EQ(e.target_on_line(kLineWidth), 68);  // 47.65 rounds to 48
    ASSERT_TRUE(e.set(9, 15, 20));
    EXPECT_EQ(e.target_on_line(kLineWidth), 949);  // 9.75 * 95.3 = 929.175
    EXPECT_FALSE(e.set(1, 0, 10));
    EXPECT_FALSE(e.set(1, 12, 10));
    EXPECT_FALSE(e.set(1, 3, 0));
}

TEST(NumberLineDrawing, TheLineHasItsTicksAndNumbers) {
    Surface line(kLineWidth, 81, number_line_style());
    draw_number_line(line);
    int ticks = 0;
    for (const DrawnLine& l : line.display().lines())
        if (l.width == 1) ++ticks;
    EXPECT_EQ(ticks, 101 + 11);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(line.display().find_texts(QString::number(i)).size(), 1u) << i;
    EXPECT_EQ(line.image().pixelColor(500, 50), QColor(255, 255, 0));
}

class NumberCard : public ::testing::Test {
protected:
    std::vector<DrawnFraction> fractions() const { return card.display().fractions(); }
    Surface card{100, 150, number_card_style()};
    NumberLineExercise e;
};

TEST_F(NumberCard, SevenTwentiethsReadsTheSameInBothModes) {
    ASSERT_TRUE(e.set(0, 7, 20));
    for (bool mixed : {false, true}) {
        e.mixed = mixed;
        draw_number_card(card, e);
        ASSERT_EQ(fractions().size(), 1u);
        EXPECT_EQ(fractions()[0].top, QStringLiteral("7"));
        EXPECT_EQ(fractions()[0].bottom, QStringLiteral("20"));
        EXPECT_TRUE(card.display().find_texts(QStringLiteral("0")).empty());
    }
}

TEST_F(NumberCard, TwoAndThreeTenthsAsImproperFractionOrMixedNumber) {
    ASSERT_TRUE(e.set(2, 3, 10));
    draw_number_card(card, e);
    ASSERT_EQ(fractions().size(), 1u);
    EXPECT_EQ(fractions()[0].top, QStringLiteral("23"));
    EXPECT_EQ(fractions()[0].bottom, QStringLiteral("10"));
    e.mixed = true;
    draw_number_card(card, e);
    ASSERT_EQ(fractions().size(), 1u);
    EXPECT_EQ(fractions()[0].top, QStringLiteral("3"));
    const auto whole = card.display().find_texts(QStringLiteral("2"));
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].point_size, 36);
    EXPECT_LT(whole[0].pos.x(), fractions()[0].rect.left());
    // The red outline points down with its bottom corner.
    const auto outline = card.display().polygons();
    ASSERT_EQ(outline.size(), 2u);
    EXPECT_TRUE(outline[0].points.contains(QPoint(50, 149)));
    EXPECT_EQ(outline[0].colour, QColor(255, 0, 0));
}

class NumberLineWindow : public testing::IntegersFixture {
protected:
    void SetUp() override {
        open(45);
        p = w.Panel5;
        w.Button1Click();
        ASSERT_TRUE(p->exercise().set(2, 3, 10));
        p->restart();
    }
    // Drags the card so that its point stands `off` pixels right of the
    // target, `down` pixels lower than where it started, and lets go.
    void drag_to(int off, int down = 60) {
        const QPoint from(50, 100);
        const int dx = p->target_x() + off - p->card_point_x();
        p->card_pressed(from, Qt::LeftButton);
        p->card_moved(from + QPoint(dx, down));
        p->card_released();
    }
    bool arrow_shown() const { return !p->Image2->surface().display().arrows().empty(); }
    NumberLinePanel* p = nullptr;
};

TEST_F(NumberLineWindow, TheTopicShowsItsPanelWithoutHelpOrHints) {
    EXPECT_TRUE(p->isVisibleTo(&w));
    EXPECT_TRUE(w.mode()->judged());
    EXPECT_FALSE(w.help_button->isVisibleTo(&w));
    EXPECT_FALSE(w.hint_check->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel3->isVisibleTo(&w));
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.next_available());
    EXPECT_TRUE(p->Image3->isVisibleTo(&w));
    EXPECT_EQ(p->Image3->pos(), p->card_home());
    EXPECT_EQ(p->Label1->text(), msg(1921));
}

TEST_F(NumberLineWindow, TwoPixelsOffIsAHit) {
    drag_to(2);
    EXPECT_EQ(p->card_point_x(), p->target_x() + 2);
    EXPECT_TRUE(p->exercise().hit());
    EXPECT_TRUE(p->Label3->isVisibleTo(&w));
    EXPECT_FALSE(p->Label4->isVisibleTo(&w));
    EXPECT_TRUE(arrow_shown());
    // After a hit the card stays where it is.
    const QPoint at = p->Image3->pos();
    drag_to(100);
    EXPECT_EQ(p->Image3->pos(), at);
}

TEST_F(NumberLineWindow, ThreePixelsOffIsAMissAndTwoMissesShowTheArrow) {
    drag_to(-3);
    EXPECT_FALSE(p->exercise().hit());
    EXPECT_EQ(p->exercise().attempts(), 1);
    EXPECT_TRUE(p->Label4->isVisibleTo(&w));
    EXPECT_FALSE(p->Label3->isVisibleTo(&w));
    EXPECT_TRUE(p->Label5->isVisibleTo(&w));
    EXPECT_FALSE(arrow_shown());
    drag_to(3);
    EXPECT_EQ(p->exercise().attempts(), 2);
    EXPECT_FALSE(p->Label5->isVisibleTo(&w));
    EXPECT_TRUE(arrow_shown());
    const DrawnArrow a = p->Image2->surface().display().arrows().at(0);
    EXPECT_EQ(a.to.x(), p->target_x() - p->Image2->x());
    // No more dragging.
    const QPoint at = p->Image3->pos();
    drag_to(0);
    EXPECT_EQ(p->Image3->pos(), at);
    EXPECT_EQ(p->exercise().attempts(), 2);
    // A new number starts over.
    w.Button1Click();
    EXPECT_EQ(p->exercise().attempts(), 0);
    EXPECT_FALSE(arrow_shown());
    EXPECT_EQ(p->Image3->pos(), p->card_home());
}

TEST_F(NumberLineWindow, AReleaseInTheUpperHalfIsNotJudged) {
    drag_to(0, -40);
    EXPECT_EQ(p->exercise().attempts(), 0);
    EXPECT_FALSE(p->Label3->isVisibleTo(&w));
    EXPECT_FALSE(p->Label4->isVisibleTo(&w));
}

TEST_F(NumberLineWindow, TheCardStopsAtTheNumberLineAndAtTheEdges) {
    p->card_pressed(QPoint(50, 100), Qt::LeftButton);
    p->card_moved(QPoint(5000, 5000));
    EXPECT_EQ(p->Image3->x(), p->width() - p->Image3->width());
    EXPECT_LT(p->Image3->y() + p->Image3->height(), p->Image2->y() + 10);
    p->card_moved(QPoint(-9000, -9000));
    EXPECT_EQ(p->Image3->pos(), QPoint(0, 0));
    p->card_released();
    EXPECT_EQ(p->exercise().attempts(), 0);
}

TEST_F(NumberLineWindow, TheCardSwitchesBetweenFractionAndMixedNumber) {
    auto top = [this] { return p->Image3->surface().display().fractions().at(0).top; };
    EXPECT_EQ(top(), QStringLiteral("23"));
    p->card_pressed(QPoint(60, 60), Qt::RightButton);
    EXPECT_EQ(top(), QStringLiteral("3"));
    p->card_pressed(QPoint(5, 5), Qt::LeftButton);  // the switch square
    EXPECT_EQ(top(), QStringLiteral("23"));
    EXPECT_FALSE(p->dragging());
    p->card_moved(QPoint(5, 5));
    EXPECT_TRUE(p->Panel6->isVisibleTo(&w));
    p->Panel6->click();
    EXPECT_EQ(top(), QStringLiteral("3"));
    p->card_moved(QPoint(60, 60));
    EXPECT_FALSE(p->Panel6->isVisibleTo(&w));
}

TEST_F(NumberLineWindow, StopHidesThePanel) {
    w.Button3Click();
    EXPECT_FALSE(p->isVisibleTo(&w));
}

}  // namespace
}  // namespace cifrala
