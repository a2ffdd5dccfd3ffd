// The cards of the derivative rules: each differentiation topic has its
// card, headed by its own message, and everything on it lies on the card.
#include <gtest/gtest.h>

#include "drawing/cards/derivative_cards.h"
#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala {
namespace {

TEST(DerivativeCards, EveryDifferentiationTopicHasACardThatHoldsItsContent) {
    using namespace derivative_card_messages;
    const int headings[] = {
        kPowers,     kProductRule,  kQuotientRule, kChainRule, kChainAndProductRule,
        kLogarithms, kExponentials, kSinusoids};
    const SelectionValues saved = selection;
    TtekeningForm w;
    for (int topic = 9; topic <= 16; ++topic) {
        SCOPED_TRACE(topic);
        selection.topic_code = topic;
        w.FormShow();
        EXPECT_EQ(w.shown_topic(), topic);
        const Surface& s = w.surface();
        EXPECT_LE(s.width(), 420);
        EXPECT_LE(s.height(), 400);
        ASSERT_FALSE(s.display().texts().empty());
        EXPECT_EQ(s.display().texts().front().text, msg(headings[topic - 9]));
        const QRect card(0, 0, s.width(), s.height());
        for (const DrawnItem& item : s.display().items())
            EXPECT_TRUE(card.contains(bounding_rect(item)))
                << bounding_rect(item).x() << "," << bounding_rect(item).y() << " "
                << bounding_rect(item).width() << "x" << bounding_rect(item).height();
    }
    selection = saved;
}

}  // namespace
}  // namespace cifrala
