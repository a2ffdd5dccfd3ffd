// The worked examples the window is known by, with exercises put on the
// worksheet as the own-exercise go puts them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "practice/common/floating_panel.h"
#include "practice/metric/metric_fixture.h"
#include "text/help.h"
#include "text/language.h"
#include "text/messages.h"
#include "util/number_settings.h"

namespace cifrala::testing {
namespace {

class MetricEdge : public MetricFixture {
protected:
    void put(Quantity q, VolumeKind kind, int mantissa, int exponent, int from, int to) {
        start(q, false, 1);
        MetricExercise e;
        e.quantity = q;
        e.volume_kind = kind;
        e.mantissa = mantissa;
        e.exponent = exponent;
        e.from = from;
        e.to = to;
        w.set_exercise(e);
    }
    QString answer() {
        const auto line = read_exercise(sheet().display());
        return line ? line->answer : QString();
    }
    QStringList blue_texts(const Surface& s) {
        QStringList out;
        for (const DrawnText& t : s.display().texts())
            if (t.colour == QColor(0, 0, 255)) out << t.text;
        return out;
    }
};

TEST_F(MetricEdge, KilometresInMetres) {
    put(Quantity::Length, VolumeKind::Cubic, 45, 0, 6, 3);
    w.Button2Click();
    const auto arrows = blue_arrows(ladder());
    ASSERT_EQ(arrows.size(), 1u);
    const auto xs = ticks(ladder(), 90);
    EXPECT_EQ(column_near(xs, arrows[0].from.x()), 6);
    EXPECT_EQ(column_near(xs, arrows[0].to.x()), 3);
    EXPECT_TRUE(w.next_available());
    w.Button2Click();
    EXPECT_FALSE(w.next_available()) << "the factor press hides \"Volgende oefening\"";
    EXPECT_EQ(blue_texts(ladder()), QStringList{QStringLiteral("× 1000")});
    w.Button2Click();
    EXPECT_EQ(answer(), QStringLiteral("45 000 "));
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.next_available());
}

TEST_F(MetricEdge, MillimetresInKilometres) {
    put(Quantity::Length, VolumeKind::Cubic, 45, -3, 0, 6);
    work_to_end();
    EXPECT_EQ(blue_texts(ladder()), QStringList{QStringLiteral(": 1000000")});
    EXPECT_EQ(answer(), QStringLiteral("0,000 000 045 "));
}

TEST_F(MetricEdge, CubicMillimetresInCubicKilometres) {
    put(Quantity::Volume, VolumeKind::Cubic, 45, 0, 0, 6);
    work_to_end();
    EXPECT_EQ(blue_texts(ladder()), QStringList{QStringLiteral(": 1 000 000 000 000 000 000")});
    EXPECT_EQ(answer(), QStringLiteral("0,000 000 000 000 000 045 "));
}

TEST_F(MetricEdge, BelowTheFormattingLimitVolumesAreWrittenOut) {
    put(Quantity::Volume, VolumeKind::Cubic, 45, -2, 0, 5);
    work_to_end();
    EXPECT_EQ(answer(), QStringLiteral("0,00 000 000 000 000 045 "));
}

TEST_F(MetricEdge, DecilitresInCubicMetres) {
    put(Quantity::Volume, VolumeKind::LitresToCubic, 45, 0, 2, 3);
    w.CheckBox1->setChecked(true);
    w.Button2Click();
    EXPECT_EQ(blue_texts(litres()), QStringList{QStringLiteral(": 10")});
    EXPECT_TRUE(blue_arrows(ladder()).empty());
    w.Button2Click();
    const auto arrows = blue_arrows(ladder());
    ASSERT_EQ(arrows.size(), 1u);
    const auto xs = ticks(ladder(), 90);
    EXPECT_EQ(column_near(xs, arrows[0].from.x()), 2);
    EXPECT_EQ(column_near(xs, arrows[0].to.x()), 3);
    w.Button2Click();
    EXPECT_EQ(blue_texts(ladder()), QStringList{QStringLiteral(": 1 000")});
    w.Button2Click();
    EXPECT_EQ(answer(), QStringLiteral("0,0 045 "));
    EXPECT_TRUE(w.step_available()) << "standard form ticked: one press more";
    EXPECT_FALSE(w.GroupBox3->isVisibleTo(&w));
    w.Button2Click();
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.GroupBox3->isVisibleTo(&w));
    const auto texts = standard_box().display().texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("4,5 × 10"));
    EXPECT_EQ(texts[1].text, QStringLiteral("-3"));
    EXPECT_EQ(w.worker().standard_form_text(), QStringLiteral("4,5 × 10^-3"));
}

TEST_F(MetricEdge, LitresInCubicMetresStartAtTheCubicDecimetre) {
    put(Quantity::Volume, VolumeKind::LitresToCubic, 45, 0, 3, 3);
    w.Button2Click();
    EXPECT_TRUE(blue_texts(litres()).isEmpty());
    const auto arrows = blue_arrows(ladder());
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_EQ(column_near(ticks(ladder(), 90), arrows[0].from.x()), 2);
    EXPECT_FALSE(w.next_available());
}

TEST_F(MetricEdge, WithoutStandardFormTheAnswerEnds) {
    put(Quantity::Weight, VolumeKind::Cubic, 12, 1, 6, 0);
    EXPECT_EQ(work_to_end(), 3);
    EXPECT_EQ(answer(), QStringLiteral("120 000 000 "));
    EXPECT_FALSE(w.GroupBox3->isVisibleTo(&w));
}

TEST_F(MetricEdge, NewExerciseTakesTheLaddersStepsAway) {
    put(Quantity::Volume, VolumeKind::CubicToLitres, 45, 0, 6, 0);
    work_to_end();
    EXPECT_FALSE(blue_texts(ladder()).isEmpty());
    EXPECT_FALSE(blue_texts(litres()).isEmpty());
    w.Button1Click();
    EXPECT_TRUE(blue_texts(ladder()).isEmpty());
    EXPECT_TRUE(blue_texts(litres()).isEmpty());
    EXPECT_TRUE(blue_arrows(ladder()).empty());
    EXPECT_EQ(ladder().display().arrows().size(), 2u) << "the red arrows are drawn again";
}

TEST_F(MetricEdge, TheLadderBoxFollowsTheQuantity) {
    start(Quantity::Volume, false, 3);
    EXPECT_EQ(w.GroupBox2->height(), 390);
    EXPECT_TRUE(w.unit_panels[2]->isVisibleTo(&w));
    EXPECT_EQ(w.Label1->text(), QStringLiteral(": 1000"));
    EXPECT_EQ(w.GroupBox2->title(), msg(1593));
    w.quantity_click(Quantity::Area);
    EXPECT_EQ(w.GroupBox2->height(), 343);
    EXPECT_FALSE(w.unit_panels[2]->isVisibleTo(&w));
    EXPECT_TRUE(w.unit_panels[1]->isVisibleTo(&w));
    EXPECT_EQ(w.Label2->text(), QStringLiteral("× 100"));
    EXPECT_EQ(w.GroupBox2->title(), msg(1592));
}

TEST_F(MetricEdge, TheCoverSheetStaysAcrossNewExercises) {
    start(Quantity::Length, false, 4);
    w.worksheet_double_click();
    EXPECT_TRUE(w.cover_sheet()->isVisibleTo(&w));
    const auto before = read_exercise(sheet().display());
    w.Button1Click();
    w.Button1Click();
    EXPECT_TRUE(w.cover_sheet()->isVisibleTo(&w));
    ASSERT_TRUE(before.has_value());
}

TEST_F(MetricEdge, HelpShowsItsPageAndStartsANewExercise) {
    start(Quantity::Length, false, 6);
    w.Button2Click();
    ASSERT_FALSE(blue_arrows(ladder()).empty());
    w.help_button->click();
    EXPECT_EQ(help_number, 702);
    EXPECT_TRUE(help_open);
    EXPECT_TRUE(blue_arrows(ladder()).empty()) << "the worked arrow belongs to the old exercise";
    EXPECT_EQ(work_to_end(), 3) << "the new exercise is worked from its first step";
    close_help();
}

TEST_F(MetricEdge, TheStandardFormBoxTakesTheChosenLanguage) {
    language_index = 1;
    apply_language();
    EXPECT_EQ(w.GroupBox3->title(), QStringLiteral("Answer in standard form"));
    EXPECT_EQ(w.GroupBox3->toolTip(), QStringLiteral("Scientific notation"));
    language_index = 0;
    apply_language();
    EXPECT_EQ(w.GroupBox3->title(), QStringLiteral("Antwoord in standaardvorm"));
    EXPECT_EQ(w.GroupBox3->toolTip(), QStringLiteral("Wetenschappelijke notatie"));
}

TEST_F(MetricEdge, StopPutsTheSharedSettingsBack) {
    number_settings.decimals = 2;
    start(Quantity::Length, false, 5);
    EXPECT_EQ(number_settings.decimals, 5);
    w.Button3Click();
    EXPECT_EQ(number_settings.decimals, 2);
}

}  // namespace
}  // namespace cifrala::testing
