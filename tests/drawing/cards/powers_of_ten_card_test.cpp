// The powers-of-ten card of the big-number word problems (topic 55): 600
// pixels wide in both languages, and its Copy button clear of every text.
#include <gtest/gtest.h>

#include <QToolButton>

#include "drawing/cards/arithmetic_cards.h"
#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/display_list.h"
#include "text/language.h"
#include "util/selection.h"

namespace cifrala {
namespace {

class PowersOfTenCard : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        register_arithmetic_cards();
        language_index = GetParam();
        set_language_prefix_from_index();
        selection.topic_code = 55;
        w.show_for(nullptr, [] { return QVariantMap{}; });
    }
    void TearDown() override {
        w.hide();
        language_index = 0;
        set_language_prefix_from_index();
    }
    TtekeningForm w;
};

TEST_P(PowersOfTenCard, IsAsWideAsDesigned) {
    EXPECT_EQ(w.surface().width(), 600);
    EXPECT_EQ(w.surface().height(), 100);
}

TEST_P(PowersOfTenCard, EveryTextLiesOnTheCardClearOfTheCopyButton) {
    const QRect card(0, 0, w.surface().width(), w.surface().height());
    // A little room around the button: no text touches it.
    const QRect button = w.SpeedButton1->geometry().adjusted(-2, -2, 2, 2);
    const auto texts = w.surface().display().texts();
    ASSERT_FALSE(texts.empty());
    for (const DrawnText& t : texts) {
        EXPECT_TRUE(card.contains(t.rect)) << t.text.toStdString();
        EXPECT_FALSE(button.intersects(t.rect)) << t.text.toStdString();
    }
    // The exponent 12 of the last magnitude word is there.
    EXPECT_FALSE(w.surface().display().find_texts(QStringLiteral("12")).empty());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, PowersOfTenCard, ::testing::Values(0, 1));

}  // namespace
}  // namespace cifrala
