// The frame of the multi-topic window: the topic table as modes, opening a
// topic (empty worksheet, its title, its controls), the titles by category,
// topic and antiderivative family, "Stop" and other closes, the settings
// restored, the hint line with its parameter and the menu's presets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/multitopic/multitopic_fixture.h"
#include "practice/multitopic/topic_table.h"
#include "text/messages.h"

namespace cifrala {
namespace {

using testing::kDifferentiation;
using testing::MultiTopicTest;

class Frame : public MultiTopicTest {};

TEST(Titles, ComeFromTheCategoryThenTheTopicThenTheAntiderivativeFamily) {
    EXPECT_EQ(title_message(1, 11, -1, true), 2071);   // "Logaritmische vergelijkingen"
    EXPECT_EQ(title_message(1, 11, -1, false), 1679);  // "Logaritmische ongelijkheden"
    EXPECT_EQ(title_message(9, 7, -1, false), 1800);
    EXPECT_EQ(title_message(10, 8, -1, false), 1801);
    EXPECT_EQ(title_message(11, 9, -1, false), 4951);
    EXPECT_EQ(title_message(-1, 6, -1, false), 1639);
    EXPECT_EQ(title_message(23, 6, -1, false), 1807);  // the topic decides
    EXPECT_EQ(title_message(12, 1, -1, false), 1626);
    EXPECT_EQ(title_message(16, 5, -1, false), 1638);
    EXPECT_EQ(title_message(17, 12, 1, false), 1662);
    EXPECT_EQ(title_message(19, 12, 4, false), 1667);
    EXPECT_EQ(title_message(-1, 12, 6, false), 1664);
    EXPECT_EQ(title_message(-1, 12, -1, false), 0);
    EXPECT_EQ(title_message(44, 3, -1, false), 1918);
}

TEST_F(Frame, OnlyTheDifferentiationTopicsAreBuilt) {
    for (const auto& code : kDifferentiation)
        EXPECT_TRUE(window->serves(code.topic, code.category)) << code.topic;
    for (const TopicRow& row : topic_rows()) {
        if (row.help == 707 && (row.category <= 9 && row.category >= 1)) continue;
        EXPECT_FALSE(window->serves(row.topic, row.category)) << row.name.toStdString();
    }
}

TEST_F(Frame, OpeningATopicShowsItsTitleAndAnEmptyWorksheet) {
    for (const auto& code : kDifferentiation) {
        SCOPED_TRACE(code.category);
        open(code.topic, code.category);
        const int title = title_message(selection);
        if (title > 0) {
            EXPECT_EQ(window->windowTitle(), msg(title));
        }
        EXPECT_TRUE(window->surface().display().texts().empty());
        EXPECT_FALSE(window->step_available());
        EXPECT_TRUE(window->next_available());
        EXPECT_EQ(window->help_page(), 707);
        window->Button1Click();
        EXPECT_FALSE(read_lines(window->surface().display()).empty());
        EXPECT_TRUE(window->step_available());
    }
}

TEST_F(Frame, TheQuotientRuleDoesNotKeepTheTitleOfTheTopicBeforeIt) {
    open(10, 8);
    const QString product = window->windowTitle();
    open(11, 9);
    EXPECT_NE(window->windowTitle(), product);
    EXPECT_EQ(window->windowTitle(), msg(4951));
}

TEST_F(Frame, EachTopicHasItsFontAndLineUnit) {
    open(10, 8);
    EXPECT_EQ(window->surface().font_size(), 22);
    EXPECT_EQ(window->surface().stored_line_unit, 70);
    open(9, 7);
    EXPECT_EQ(window->surface().font_size(), 28);
    EXPECT_EQ(window->surface().stored_line_unit, 68);
    EXPECT_EQ(window->surface().cursor.y, 20);  // category 7 starts lower
    open(12, 1);
    EXPECT_EQ(window->surface().font_size(), 26);
    EXPECT_EQ(window->surface().stored_line_unit, 62);
    EXPECT_EQ(window->surface().cursor.y, 15);
}

TEST_F(Frame, StopSetsTheSelectionToMinusOneAndRestoresTheDecimals) {
    number_settings.decimals = 5;
    open(13, 2);
    EXPECT_EQ(number_settings.decimals, 2);
    work();
    window->Button3Click();
    EXPECT_EQ(selection.topic_code, -1);
    EXPECT_EQ(selection.category_code, -1);
    EXPECT_EQ(selection.chain_rule_choice, -1);
    EXPECT_EQ(selection.integration_kind, -1);
    EXPECT_EQ(number_settings.decimals, 5);
    EXPECT_EQ(window->result(), 1);
}

TEST_F(Frame, ClosingOtherwiseAlsoRestoresTheDecimals) {
    number_settings.decimals = 7;
    open(-1, 6);
    window->show();
    window->GroupBox3->show();
    window->close();  // the close box: not "Stop"
    EXPECT_EQ(number_settings.decimals, 7);
    EXPECT_EQ(selection.category_code, -1);
    EXPECT_FALSE(window->GroupBox3->isVisibleTo(window.get()));
}

// A mouse event at `at` (in the sheet's own coordinates).
void send_mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST_F(Frame, TheCoverSheetStartsEightyPixelsDownAndGoesUpToTheTopEdge) {
    open(12, 1);
    window->show();
    window->Button1Click();
    window->show_cover_sheet();
    CoverSheet* sheet = window->cover_sheet();
    ASSERT_TRUE(sheet->isVisible());
    const QRect worksheet = window->Image1->geometry();
    EXPECT_EQ(sheet->geometry(),
              QRect(worksheet.x(), worksheet.y() + 80, worksheet.width(), worksheet.height() - 80));
    // Dragged far up and to the left it stops at the worksheet's top left
    // corner, its right and bottom edges still on the worksheet's.
    send_mouse(sheet, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton);
    send_mouse(sheet, QEvent::MouseMove, {-300, -500}, Qt::LeftButton);
    send_mouse(sheet, QEvent::MouseButtonRelease, {-300, -500}, Qt::NoButton);
    EXPECT_EQ(sheet->geometry(), worksheet);
    // A new exercise takes it away.
    window->Button1Click();
    EXPECT_FALSE(sheet->isVisible());
    window->hide();
}

TEST_F(Frame, TheHintLineAppendsTheParameterWhenTheTopicCountsOne) {
    open(9, 7);
    window->Button1Click();
    msg_param1 = QStringLiteral(" (12)");
    worker().parameter_count = 1;
    window->hint(1613);
    EXPECT_EQ(read_hint(window->surface().display()), msg(1613) + QStringLiteral(" (12)"));
    worker().parameter_count = 0;
    window->hint(1613);
    EXPECT_EQ(read_hint(window->surface().display()), msg(1613));
    msg_param1.clear();
}

TEST_F(Frame, TheMenusPresetsChooseTheLists) {
    window->apply_preset(Preset::MethodListMessage1901);
    EXPECT_EQ(TdiffkettingForm::list_value(window->ComboBox4), 1);
    window->apply_preset(Preset::MethodListMessage1900);
    EXPECT_EQ(TdiffkettingForm::list_value(window->ComboBox4), 4);
    window->apply_preset(Preset::FunctionTypeSinusoid);
    EXPECT_EQ(TdiffkettingForm::list_value(window->ComboBox5), 3);
    window->apply_preset(Preset::ShowPanel8);
    EXPECT_TRUE(window->Panel8->isVisibleTo(window.get()));
}

TEST_F(Frame, ANewExerciseTakesTheStructureGroupsChoices) {
    open(9, 7);
    window->RadioButton4->setChecked(true);
    window->RadioButton6->setChecked(true);
    window->GroupBox3->show();
    window->Button1Click();
    EXPECT_EQ(window->structure_choice(), 1);
    EXPECT_EQ(window->functions_choice(), 1);
    EXPECT_FALSE(window->GroupBox3->isVisibleTo(window.get()));
}

TEST_F(Frame, TheTypeListsReadTheNumberInFront) {
    QComboBox box;
    box.addItem(QStringLiteral("  12)  sin cos tan"));
    EXPECT_EQ(TdiffkettingForm::list_value(&box), 12);
    box.setItemText(0, QStringLiteral("geen"));
    EXPECT_EQ(TdiffkettingForm::list_value(&box), 0);
}

}  // namespace
}  // namespace cifrala
