// Own exercises of the metric window: what the go button refuses and why,
// the same unit on both sides, and the typed values whose answers the
// generated exercises never reach (a fraction above 1, a result below the
// number formatting, a value with ten digits).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "practice/common/floating_panel.h"
#include "practice/metric/metric_fixture.h"
#include "text/messages.h"

namespace cifrala::testing {
namespace {

class MetricOwn : public MetricFixture {
protected:
    void open(Quantity q) {
        start(q, false, 7);
        w.SpeedButton4Click();
    }
    void type(const QString& value, int from, int to) {
        w.from_buttons[static_cast<size_t>(from)]->setChecked(true);
        w.to_buttons[static_cast<size_t>(to)]->setChecked(true);
        w.Edit1->setText(value);
    }
    // Types, goes and works the exercise to its end; the answer's value.
    std::optional<Decimal> worked(Quantity q, const QString& value, int from, int to) {
        open(q);
        type(value, from, to);
        EXPECT_TRUE(w.SpeedButton5->isEnabled()) << value.toStdString();
        w.SpeedButton5Click();
        work_to_end();
        line = read_exercise(sheet().display());
        if (!line) return std::nullopt;
        EXPECT_EQ(answer_value(line->answer, line->answer_power), expected_answer(*line));
        EXPECT_TRUE(all_on_surface(sheet().display(), QSize(sheet().width(), sheet().height())));
        EXPECT_LE(line->answer_rect.left() + line->answer_rect.width(), line->asked_rect.left());
        return answer_value(line->answer, line->answer_power);
    }
    std::optional<ReadExercise> line;
};

TEST_F(MetricOwn, TheButtonOpensAnEmptyPanelWithGoDisabled) {
    open(Quantity::Length);
    EXPECT_TRUE(w.Panel6->isVisibleTo(&w));
    EXPECT_TRUE(w.Edit1->text().isEmpty());
    EXPECT_FALSE(w.SpeedButton5->isEnabled());
    EXPECT_TRUE(w.from_buttons[0]->isChecked());
    EXPECT_TRUE(w.to_buttons[1]->isChecked());
    EXPECT_TRUE(w.Label6->text().isEmpty()) << "nothing typed: nothing to explain";
}

TEST_F(MetricOwn, ValuesThatCannotBeUsedKeepGoDisabledAndSayWhy) {
    open(Quantity::Length);
    const struct {
        const char* text;
        int message;
    } cases[] = {
        {"0", metric_refusals::kNotPositive},
        {"-3", metric_refusals::kNotPositive},
        {"2-5", metric_refusals::kNotPositive},
        {"0,000001", metric_refusals::kTooSmall},
        {"3000000000", metric_refusals::kTooManyDigits},
        {"21474836,48", metric_refusals::kTooManyDigits},
        {"10^20", metric_refusals::kTooManyDigits},
        {"abc", metric_refusals::kNotANumber},
        {"1/0", metric_refusals::kNotANumber},
        {"3/", metric_refusals::kNotANumber},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        w.Edit1->setText(QString::fromUtf8(c.text));
        EXPECT_FALSE(w.SpeedButton5->isEnabled());
        EXPECT_EQ(w.own_refusal(), c.message);
        EXPECT_FALSE(w.Label6->text().isEmpty());
        EXPECT_FALSE(w.Label6->text().contains(QStringLiteral("msg error")));
        EXPECT_FALSE(w.Label6->text().contains(QLatin1Char('#')));
        // Pressing it anyway changes nothing.
        const size_t items = sheet().display().size();
        w.SpeedButton5Click();
        EXPECT_EQ(sheet().display().size(), items);
        EXPECT_TRUE(w.Panel6->isVisibleTo(&w));
    }
    for (const char* ok : {"4,5", "3/4", "2147483647", "0,00001", "12.5"}) {
        SCOPED_TRACE(ok);
        w.Edit1->setText(QString::fromUtf8(ok));
        EXPECT_TRUE(w.SpeedButton5->isEnabled());
        EXPECT_TRUE(w.Label6->text().isEmpty());
    }
}

TEST_F(MetricOwn, TheReasonNamesWhatWasTyped) {
    open(Quantity::Weight);
    w.Edit1->setText(QStringLiteral("2-5"));
    EXPECT_TRUE(w.Label6->text().contains(QStringLiteral("-3"))) << w.Label6->text().toStdString();
    w.Edit1->setText(QStringLiteral("3000000000"));
    EXPECT_TRUE(w.Label6->text().contains(QStringLiteral("2147483647")));
    w.Edit1->setText(QStringLiteral("abc"));
    EXPECT_TRUE(w.Label6->text().contains(QStringLiteral("\"abc\"")));
    w.Edit1->setText(QStringLiteral("12"));
    EXPECT_TRUE(w.Label6->text().isEmpty());
}

TEST_F(MetricOwn, TheSameUnitTwiceIsRefusedAndChangesNothing) {
    open(Quantity::Area);
    const QImage before = sheet().image().copy();
    const size_t items = sheet().display().size();
    type(QStringLiteral("45"), 4, 4);
    w.SpeedButton5Click();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.texts().front(), msg(1981));
    EXPECT_EQ(sheet().display().size(), items);
    EXPECT_EQ(sheet().image(), before);
    EXPECT_TRUE(w.Panel6->isVisibleTo(&w));
    EXPECT_TRUE(w.Edit1->text().isEmpty());
    EXPECT_FALSE(w.SpeedButton5->isEnabled());
}

TEST_F(MetricOwn, GoWritesTheExerciseAndLeavesVolgendeOefening) {
    open(Quantity::Volume);
    type(QStringLiteral("3/4"), 6, 3);
    w.SpeedButton5Click();
    EXPECT_FALSE(w.Panel6->isVisibleTo(&w));
    EXPECT_TRUE(w.next_available());
    EXPECT_TRUE(w.step_available());
    const auto l = read_exercise(sheet().display());
    ASSERT_TRUE(l.has_value());
    EXPECT_EQ(l->value, QStringLiteral("0,75"));
    EXPECT_EQ(l->given.letters, QStringLiteral("km"));
    EXPECT_EQ(l->given.power, QStringLiteral("3"));
    EXPECT_EQ(l->blank.count(QLatin1Char('_')), 20);
    work_to_end();
    EXPECT_EQ(read_exercise(sheet().display())->answer, QStringLiteral("750 000 000 "));
}

TEST_F(MetricOwn, AFractionAboveOneIsGroupedOnBothSides) {
    ASSERT_TRUE(worked(Quantity::Length, QStringLiteral("1234,5678"), 3, 2));
    EXPECT_EQ(line->answer, QStringLiteral("12 345,678 "));
    ASSERT_TRUE(worked(Quantity::Weight, QStringLiteral("1,23456"), 6, 2));
    EXPECT_EQ(line->answer, QStringLiteral("12 345,6 "));
    ASSERT_TRUE(worked(Quantity::Length, QStringLiteral("1000"), 0, 3));
    EXPECT_EQ(line->answer, QStringLiteral("1 "));
}

TEST_F(MetricOwn, AnAreaTooSmallForTheFormattingIsWrittenInStandardForm) {
    const auto v = worked(Quantity::Area, QStringLiteral("0,00045"), 0, 6);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(line->answer, QStringLiteral("4,5 × 10"));
    EXPECT_EQ(line->answer_power, QStringLiteral("-16"));
    // Just above the limit it is written out.
    ASSERT_TRUE(worked(Quantity::Area, QStringLiteral("0,01"), 0, 6));
    EXPECT_TRUE(line->answer_power.isEmpty());
    EXPECT_EQ(line->answer, QStringLiteral("0,00 000 000 000 001 "));
}

TEST_F(MetricOwn, TheLongestAnswersStayInTheirBlank) {
    ASSERT_TRUE(worked(Quantity::Volume, QStringLiteral("2147483647"), 6, 0));
    EXPECT_EQ(line->answer, QStringLiteral("2 147 483 647 000 000 000 000 000 000 "));
    ASSERT_TRUE(worked(Quantity::Volume, QStringLiteral("0,00001"), 0, 6));
    ASSERT_TRUE(worked(Quantity::Area, QStringLiteral("21474,83647"), 6, 0));
}

TEST_F(MetricOwn, AStandardFormOfTenDigitsFitsItsBox) {
    w.CheckBox1->setChecked(true);
    open(Quantity::Volume);
    w.CheckBox1->setChecked(true);
    type(QStringLiteral("2147483647"), 6, 0);
    w.SpeedButton5Click();
    work_to_end();
    const auto texts = standard_box().display().texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("2,147483647 × 10"));
    EXPECT_EQ(texts[1].text, QStringLiteral("27"));
    EXPECT_TRUE(all_on_surface(standard_box().display(),
                               QSize(standard_box().width(), standard_box().height())));
    EXPECT_TRUE(w.Image1->geometry().contains(w.GroupBox3->geometry()));
}

TEST_F(MetricOwn, AQuantityButtonKeepsThePanelOpen) {
    open(Quantity::Length);
    w.Edit1->setText(QStringLiteral("12"));
    w.quantity_click(Quantity::Weight);
    EXPECT_TRUE(w.Panel6->isVisibleTo(&w));
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("12"));
    EXPECT_TRUE(w.Panel9->isVisibleTo(&w)) << "the weight names under the buttons";
    EXPECT_FALSE(w.Panel7->isVisibleTo(&w));
    const auto l = read_exercise(sheet().display());
    ASSERT_TRUE(l.has_value());
    EXPECT_TRUE(l->given.letters.endsWith(QLatin1Char('g')));
}

TEST_F(MetricOwn, OwnVolumesAreCubicMetres) {
    ASSERT_TRUE(worked(Quantity::Volume, QStringLiteral("45"), 0, 6));
    EXPECT_EQ(line->given.letters, QStringLiteral("mm"));
    EXPECT_EQ(line->asked.power, QStringLiteral("3"));
    EXPECT_EQ(line->answer, QStringLiteral("0,000 000 000 000 000 045 "));
}

}  // namespace
}  // namespace cifrala::testing
