// The explanation window: its surface, Copy, and the cards of the long
// division window (times table) and of the large-number word problems.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QToolButton>
#include <QVariantMap>

#include "drawing/cards/arithmetic_cards.h"
#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/display_list.h"
#include "text/language.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala::testing {
namespace {

class ExplanationWindow : public ::testing::Test {
protected:
    void show_card(int topic, QVariantMap values = {}) {
        selection.topic_code = topic;
        w.show_for(nullptr, [values] { return values; });
    }
    std::vector<DrawnText> texts() const { return w.surface().display().texts(); }
    // Every text lies on the card and none lies under the Copy button.
    bool inside() const {
        const QRect area(0, 0, w.surface().width(), w.surface().height());
        const QRect copy = w.SpeedButton1->geometry();
        for (const DrawnText& t : texts()) {
            if (!area.contains(t.rect)) {
                ADD_FAILURE() << "outside: " << t.text.toStdString();
                return false;
            }
            if (copy.intersects(t.rect)) {
                ADD_FAILURE() << "under the Copy button: " << t.text.toStdString();
                return false;
            }
        }
        return true;
    }
    // The runs of one line (same top), joined from left to right.
    QString line_at(int y) const {
        std::vector<DrawnText> l;
        for (const DrawnText& t : texts())
            if (t.pos.y() == y) l.push_back(t);
        std::sort(l.begin(), l.end(),
                  [](const DrawnText& a, const DrawnText& b) { return a.pos.x() < b.pos.x(); });
        QString s;
        for (const DrawnText& t : l)
            s += t.text;
        return s;
    }
    std::vector<int> line_tops() const {
        std::vector<int> ys;
        for (const DrawnText& t : texts())
            if (std::find(ys.begin(), ys.end(), t.pos.y()) == ys.end()) ys.push_back(t.pos.y());
        std::sort(ys.begin(), ys.end());
        return ys;
    }

    TtekeningForm w;
};

TEST_F(ExplanationWindow, InitSizesAndClearsTheSurface) {
    w.init(300, 200);
    EXPECT_EQ(w.surface().width(), 300);
    EXPECT_EQ(w.surface().height(), 200);
    EXPECT_EQ(w.surface().image().pixelColor(150, 100), QColor(Qt::white));
    EXPECT_EQ(w.surface().cursor.x, 3);
    EXPECT_EQ(w.surface().cursor.y, 5);
    w.my_textout_2(QStringLiteral("x"));
    w.newline(1);
    EXPECT_EQ(w.surface().cursor.x, 3);
    EXPECT_EQ(w.surface().cursor.y, 5 + 35);
    w.cleartekening();
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(w.surface().cursor.y, 5);
}

TEST_F(ExplanationWindow, TimesTableOfTheDivisor) {
    show_card(42, {{card_keys::kDivisor, 7}});
    EXPECT_EQ(w.shown_topic(), 42);
    EXPECT_EQ(w.surface().width(), 200);
    EXPECT_EQ(w.surface().height(), 360);
    const std::vector<int> tops = line_tops();
    ASSERT_EQ(tops.size(), 10u);
    for (int i = 1; i <= 10; ++i) {
        const QString line = line_at(tops[static_cast<size_t>(i - 1)]).simplified();
        EXPECT_EQ(line, QStringLiteral("%1 × 7 = %2").arg(i).arg(7 * i));
    }
    for (const DrawnText& t : texts()) {
        const int row =
            static_cast<int>(std::find(tops.begin(), tops.end(), t.pos.y()) - tops.begin());
        const bool red = row == 4 || row == 9;
        EXPECT_EQ(t.colour == QColor(Qt::red), red) << t.text.toStdString();
    }
    EXPECT_TRUE(inside());
}

TEST_F(ExplanationWindow, LargeDivisorWidensTheCard) {
    show_card(42, {{card_keys::kDivisor, 219}});
    EXPECT_GE(w.surface().width(), 200);
    EXPECT_TRUE(inside());
    EXPECT_FALSE(w.surface().display().find_texts(QStringLiteral("2190")).empty());
}

TEST_F(ExplanationWindow, ShowingTwiceGivesTheSamePicture) {
    show_card(42, {{card_keys::kDivisor, 8}});
    const QImage first = w.surface().image().copy();
    show_card(42, {{card_keys::kDivisor, 8}});
    EXPECT_EQ(w.surface().image(), first);
    show_card(42, {{card_keys::kDivisor, 9}});
    EXPECT_NE(w.surface().image(), first);
}

TEST_F(ExplanationWindow, CopyPutsExactlyTheSurfaceOnTheClipboard) {
    show_card(42, {{card_keys::kDivisor, 6}});
    w.SpeedButton1Click();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), w.surface().image().size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              w.surface().image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(w.SpeedButton1->x(), w.surface().width() - 25);
}

TEST_F(ExplanationWindow, PowersOfTenCardInEitherLanguage) {
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        language_index = language;
        set_language_prefix_from_index();
        show_card(55);
        EXPECT_EQ(w.surface().height(), 100);
        EXPECT_GE(w.surface().width(), 600);
        for (int m : {1990, 1991, 1992})
            EXPECT_FALSE(w.surface()
                             .display()
                             .find_texts(QStringLiteral("1 ") + msg(m) + QStringLiteral(" = 10"))
                             .empty());
        EXPECT_FALSE(w.surface().display().find_texts(QStringLiteral("a+b")).empty());
        EXPECT_FALSE(w.surface().display().find_texts(QStringLiteral("a−b")).empty());
        EXPECT_TRUE(inside());
    }
    language_index = 0;
    set_language_prefix_from_index();
}

TEST_F(ExplanationWindow, EmploymentCardMarksTheAskedRelation) {
    show_card(54, {{card_keys::kAskedQuantity, card_messages::kProductivity}});
    EXPECT_EQ(w.surface().width(), 800);
    EXPECT_EQ(w.surface().height(), 240);
    int red = 0;
    for (const DrawnText& t : texts()) {
        if (t.colour != QColor(Qt::red)) continue;
        ++red;
        EXPECT_TRUE(t.text.startsWith(msg(card_messages::kProductivity) + QStringLiteral(" = ")))
            << t.text.toStdString();
    }
    EXPECT_EQ(red, 1);
    msg_param1 = msg(card_messages::kProductivity);
    EXPECT_FALSE(w.surface().display().find_texts(msg(card_messages::kEmploymentHeading)).empty());
    EXPECT_TRUE(inside());
}

TEST_F(ExplanationWindow, TopicWithoutCardKeepsTheSize) {
    show_card(42, {{card_keys::kDivisor, 3}});
    const QSize before(w.surface().width(), w.surface().height());
    const QImage picture = w.surface().image().copy();
    show_card(9999);
    EXPECT_EQ(QSize(w.surface().width(), w.surface().height()), before);
    EXPECT_EQ(w.surface().image(), picture);
    EXPECT_EQ(w.shown_topic(), 42);
}

TEST_F(ExplanationWindow, CardsRegisterPerTopic) {
    EXPECT_NE(find_explanation_card(42), nullptr);
    EXPECT_NE(find_explanation_card(54), nullptr);
    EXPECT_NE(find_explanation_card(55), nullptr);
    EXPECT_EQ(find_explanation_card(9999), nullptr);
}

}  // namespace
}  // namespace cifrala::testing
