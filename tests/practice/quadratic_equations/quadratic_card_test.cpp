// The card of topic 26: the quadratic formula with the discriminant, on a
// card of 380 x 200 that holds all of it, shown by the window's "abc
// formule" button.
#include <gtest/gtest.h>

#include "drawing/cards/quadratic_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/display_reader.h"
#include "practice/quadratic_equations/quadratic_fixture.h"
#include "text/language.h"
#include "text/messages.h"

namespace cifrala {
namespace {

class QuadraticCard : public testing::QuadraticFixture {};

TEST_F(QuadraticCard, TheAbcButtonShowsTheFormulaWithTheDiscriminant) {
    for (int language : {1, 0}) {
        SCOPED_TRACE(language);
        language_index = language;
        selection.topic_code = 0;
        w.SpeedButton10Click();
        TtekeningForm& t = *explanation_window();
        EXPECT_EQ(t.shown_topic(), 26);
        const Surface& s = t.surface();
        EXPECT_EQ(s.width(), 380);
        EXPECT_EQ(s.height(), 200);
        const QString all = compact(read_line_texts(s.display()).join(' '));
        EXPECT_TRUE(all.contains(compact(msg(quadratic_card_messages::kHeading))));
        EXPECT_TRUE(all.contains(QStringLiteral("D=b^2-4·a·c"))) << all.toStdString();
        EXPECT_TRUE(all.contains(QStringLiteral("ax^2+bx+c=0"))) << all.toStdString();
        EXPECT_TRUE(all.contains(QStringLiteral("(-b±√D)/2a"))) << all.toStdString();
        const QRect card(0, 0, s.width(), s.height());
        for (const DrawnItem& item : s.display().items())
            EXPECT_TRUE(card.contains(bounding_rect(item)))
                << bounding_rect(item).x() << "," << bounding_rect(item).y() << " "
                << bounding_rect(item).width() << "x" << bounding_rect(item).height();
    }
    w.Button3Click();  // "Stop" hides it
    EXPECT_FALSE(explanation_window_visible());
}

}  // namespace
}  // namespace cifrala
