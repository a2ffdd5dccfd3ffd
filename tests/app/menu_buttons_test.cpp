// Every topic button writes exactly its selection values and presets and then
// opens its window; group buttons open their group and "Terug" closes it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <ostream>

#include "app/menu_form.h"
#include "support/message_recorder.h"
#include "util/selection.h"

namespace cifrala {
namespace {

constexpr int K = kKeep;  // not written
constexpr int kSentinel = 999;

using T = Target;
using P = Preset;

struct Row {
    const char* button;
    Target target;
    int topic;
    int category;
    int integration;  // integration_kind and integration_choice
    int chain;
    int function_type_preset;  // 0/1 or K
    int solve_as_equation;     // 0/1 or K
    bool clears_previous;
    std::vector<Preset> presets;
};

// Shown by the test runner for a failing row.
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.button;
}

// Transcribed from the menu's tables of topic buttons.
const std::vector<Row> kRows = {
    // Rekenen en Algebra
    {"SpeedButton2", T::Ratios, K, K, K, K, K, K, false, {P::RatiosNewExercise}},
    {"SpeedButton3", T::Roots, 22, K, K, K, K, K, false, {}},
    {"SpeedButton13", T::MultiTopic, 35, 16, K, K, K, K, false, {P::MethodListMessage1901}},
    {"SpeedButton15", T::Metric, K, K, K, K, K, K, false, {}},
    {"SpeedButton106", T::MultiTopic, 44, K, K, K, K, K, false, {P::ShowPanel8}},
    {"SpeedButton110", T::Integers, 45, K, K, K, K, K, false, {P::EstimateLabels}},
    {"SpeedButton115", T::Integers, 47, K, K, K, K, K, false, {P::TimePresets}},
    {"SpeedButton117", T::Integers, 48, K, K, K, K, K, false, {P::TimePresets}},
    {"SpeedButton121", T::Integers, 49, K, K, K, K, K, false, {P::TimePresets}},
    {"SpeedButton128", T::Integers, 53, K, K, K, K, K, false, {P::WordProblemPresets}},
    {"SpeedButton136", T::Roots, 56, K, K, K, K, K, false, {}},
    {"SpeedButton14", T::Roots, 57, K, K, K, K, K, false, {P::ShowPanel4}},
    // Basisrekenen
    {"SpeedButton4", T::Integers, -1, K, K, K, K, K, false, {}},
    {"SpeedButton143", T::MultiTopic, 34, 14, K, K, K, K, false, {}},
    {"SpeedButton144", T::MultiTopic, 43, K, K, K, K, K, false, {}},
    {"SpeedButton145", T::LongDivision, 55, K, K, K, K, K, false, {P::LongDivisionHideOptions}},
    {"SpeedButton146", T::Fractions, K, K, K, K, K, K, true, {}},
    {"SpeedButton147", T::Integers, 50, K, K, K, K, K, false, {}},
    {"SpeedButton12", T::LongDivision, 42, K, K, K, K, K, true, {P::LongDivisionShowOptions}},
    {"SpeedButton125", T::Roots, 62, K, K, K, K, K, false, {}},
    // Vergelijkingen oplossen (Rekenen en Algebra)
    {"SpeedButton137", T::MultiTopic, 2, 11, K, K, K, K, false, {}},
    {"SpeedButton16", T::Roots, 61, K, K, K, K, K, false, {}},
    {"SpeedButton141", T::Roots, 58, K, K, K, K, K, false, {}},
    {"SpeedButton139", T::Roots, 59, K, K, K, K, K, false, {}},
    {"SpeedButton140", T::Roots, 60, K, K, K, K, K, false, {}},
    {"SpeedButton138", T::QuadEquations, 26, K, K, K, K, K, false, {P::ShowAbcFormula}},
    // Algebra I
    {"SpeedButton49", T::MultiTopic, 3, 11, K, K, K, K, false, {}},
    {"SpeedButton50", T::MultiTopic, 4, 11, K, K, K, K, false, {}},
    {"SpeedButton28", T::MultiTopic, 5, 11, K, K, K, K, false, {}},
    {"SpeedButton51", T::MultiTopic, 36, 18, K, K, K, K, false, {}},
    // Algebra en Analyse
    {"SpeedButton6", T::MultiTopic, 37, 19, K, K, K, K, false, {}},
    {"SpeedButton37", T::MultiTopic, 33, 11, K, K, 0, K, false, {}},
    {"SpeedButton46", T::MultiTopic, 39, K, K, K, K, K, false, {}},
    {"SpeedButton74", T::MultiTopic, 41, K, K, K, K, K, false, {}},
    {"SpeedButton154", T::MultiTopic, 63, K, K, K, 0, K, false, {}},
    // Differentiëren
    {"SpeedButton20", T::MultiTopic, 9, 7, K, K, K, K, false, {}},
    {"SpeedButton21", T::MultiTopic, 10, 8, K, K, K, K, false, {}},
    {"SpeedButton22", T::MultiTopic, 11, 9, K, K, K, K, false, {}},
    {"SpeedButton23", T::MultiTopic, 12, 1, K, K, K, K, false, {}},
    {"SpeedButton24", T::MultiTopic, 13, 2, K, K, K, K, false, {}},
    {"SpeedButton33", T::MultiTopic, 14, 3, K, K, K, K, false, {}},
    {"SpeedButton34", T::MultiTopic, 15, 4, K, K, K, K, false, {}},
    {"SpeedButton35", T::MultiTopic, 16, 5, K, K, K, K, false, {}},
    {"SpeedButton36", T::MultiTopic, K, 6, K, 6, K, K, false, {}},
    // Primitiveren
    {"SpeedButton41", T::MultiTopic, 17, K, 1, K, K, K, false, {}},
    {"SpeedButton43", T::MultiTopic, 18, K, 2, K, K, K, false, {}},
    {"SpeedButton39", T::MultiTopic, 19, K, 4, K, K, K, false, {}},
    {"SpeedButton40", T::MultiTopic, 20, K, 3, K, K, K, false, {}},
    {"SpeedButton42", T::MultiTopic, 21, K, 5, K, K, K, false, {}},
    {"SpeedButton45", T::MultiTopic, K, K, 6, K, K, K, false, {}},
    // Algebra II
    {"SpeedButton67", T::MultiTopic, 30, 11, K, K, K, K, false, {}},
    {"SpeedButton64", T::MultiTopic, 29, 11, K, K, K, K, false, {}},
    {"SpeedButton65", T::MultiTopic, 31, 11, K, K, K, K, false, {}},
    {"SpeedButton66", T::MultiTopic, 32, 11, K, K, K, K, false, {}},
    {"SpeedButton18", T::MultiTopic, 38, 20, K, K, K, K, false, {}},
    {"SpeedButton63", T::MultiTopic, 40, K, K, K, K, K, false, {}},
    // Vergelijkingen oplossen (Algebra en Analyse)
    {"SpeedButton112", T::MultiTopic, 2, 11, K, K, K, K, false, {}},
    {"SpeedButton111", T::QuadEquations, 26, K, K, K, K, K, false, {P::ShowAbcFormula}},
    {"SpeedButton69", T::ExpEquations, 28, K, K, K, K, K, false, {}},
    {"SpeedButton70", T::MultiTopic, 24, 15, K, K, K, K, false, {}},
    {"SpeedButton71", T::MultiTopic, 27, 13, K, K, K, K, false, {}},
    {"SpeedButton72", T::MultiTopic, 8, 10, K, K, K, K, false, {P::ExplanationArea420x300}},
    {"SpeedButton73", T::MultiTopic, 23, K, K, K, K, K, false, {}},
    {"SpeedButton134", T::MultiTopic, 1, 11, K, K, K, 1, false, {}},
    // Ongelijkheden oplossen
    {"SpeedButton9", T::QuadInequalities, 7, K, K, K, K, K, false, {}},
    {"SpeedButton10", T::MultiTopic, 1, 11, K, K, K, 0, false, {}},
    {"SpeedButton155", T::MultiTopic, 64, 11, K, K, K, 0, false, {}},
    {"SpeedButton156", T::MultiTopic, 65, K, K, K, K, 0, false, {}},
    // Natuurkunde
    {"SpeedButton54", T::Lens, K, K, K, K, K, K, false, {}},
    {"SpeedButton55", T::MultiTopic, 33, 11, K, K, 1, K, false, {P::FunctionTypeSinusoid}},
    {"SpeedButton113",
     T::Integers,
     46,
     K,
     K,
     K,
     K,
     K,
     false,
     {P::WordProblemPresets, P::HidePanel3}},
    {"SpeedButton122", T::Integers, 49, K, K, K, K, K, false, {P::TimePresets}},
    {"SpeedButton126", T::Integers, 51, K, K, K, K, K, false, {P::WordProblemPresets}},
    {"SpeedButton127", T::Integers, 52, K, K, K, K, K, false, {P::WordProblemPresets}},
    // Economie and Aardrijkskunde
    {"SpeedButton27", T::MultiTopic, 35, 16, K, K, K, K, false, {P::MethodListMessage1900}},
    {"SpeedButton133", T::LongDivision, 54, K, K, K, K, K, false, {P::LongDivisionHideOptions}},
    {"SpeedButton132", T::Integers, 53, K, K, K, K, K, false, {P::WordProblemPresets}},
};

class MenuButtonsTest : public ::testing::TestWithParam<Row> {
protected:
    MenuButtonsTest() : menu(false) {
        menu.set_show_target_hook([this](Target t) { shown.push_back(t); });
    }
    // Puts every selection value at a value no button writes.
    static void reset(bool flags) {
        selection.topic_code = selection.category_code = kSentinel;
        selection.integration_kind = selection.integration_choice = kSentinel;
        selection.chain_rule_choice = kSentinel;
        selection.function_type_preset = selection.solve_as_equation = flags;
        selection.previous_exercise_stored = flags;
    }
    TAlle_rekenoefeningenForm menu;
    std::vector<Target> shown;
};

TEST_P(MenuButtonsTest, WritesExactlyItsValues) {
    const Row& row = GetParam();
    for (bool flags : {false, true}) {
        reset(flags);
        shown.clear();
        menu.press(row.button);
        ASSERT_EQ(shown, std::vector<Target>({row.target})) << row.button;
        auto expect = [](int expected, int keep) { return expected == K ? keep : expected; };
        EXPECT_EQ(selection.topic_code, expect(row.topic, kSentinel));
        EXPECT_EQ(selection.category_code, expect(row.category, kSentinel));
        EXPECT_EQ(selection.integration_kind, expect(row.integration, kSentinel));
        EXPECT_EQ(selection.integration_choice, expect(row.integration, kSentinel));
        EXPECT_EQ(selection.chain_rule_choice, expect(row.chain, kSentinel));
        EXPECT_EQ(selection.function_type_preset, expect(row.function_type_preset, flags) != 0);
        EXPECT_EQ(selection.solve_as_equation, expect(row.solve_as_equation, flags) != 0);
        EXPECT_EQ(selection.previous_exercise_stored, row.clears_previous ? false : flags);
        EXPECT_EQ(menu.last_presets(), row.presets);
    }
}

INSTANTIATE_TEST_SUITE_P(AllTopicButtons, MenuButtonsTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.button); });

TEST(MenuTable, EveryTopicButtonOfTheMenuHasARow) {
    int topics = 0;
    for (const MenuButton& b : menu_buttons()) {
        if (b.action != Action::Topic) continue;
        ++topics;
        bool found = false;
        for (const Row& r : kRows)
            found = found || std::string(r.button) == b.name;
        EXPECT_TRUE(found) << b.name;
    }
    EXPECT_EQ(topics, static_cast<int>(kRows.size()));
}

class MenuGroupsTest : public ::testing::Test {
protected:
    MenuGroupsTest() : menu(false) {
        menu.set_show_target_hook([](Target) {});
    }
    bool visible(int g) const { return !menu.group(g)->isHidden(); }
    TAlle_rekenoefeningenForm menu;
};

TEST_F(MenuGroupsTest, GroupsOpenAboveAndBackUncoversTheOneBeneath) {
    EXPECT_TRUE(visible(4));
    EXPECT_FALSE(visible(1));
    menu.press("SpeedButton25");
    EXPECT_TRUE(visible(1));
    EXPECT_EQ(menu.group(1)->pos(), QPoint(4, 20));
    menu.press("SpeedButton1");
    EXPECT_TRUE(visible(18));
    EXPECT_EQ(menu.group(18)->pos(), QPoint(8, 40));
    EXPECT_EQ(menu.size(), QSize(8 + 517, 40 + 316));
    menu.press("SpeedButton148");
    EXPECT_FALSE(visible(18));
    EXPECT_TRUE(visible(1));
    menu.press("SpeedButton75");
    EXPECT_FALSE(visible(1));
    EXPECT_EQ(menu.size(), QSize(517, 316));
}

TEST_F(MenuGroupsTest, EveryGroupButtonOpensItsGroup) {
    const std::pair<const char*, int> subjects[] = {{"SpeedButton25", 1},   {"SpeedButton59", 2},
                                                    {"SpeedButton26", 11},  {"SpeedButton58", 12},
                                                    {"SpeedButton130", 16}, {"SpeedButton5", 7}};
    for (const auto& [name, g] : subjects) {
        menu.press(name);
        EXPECT_TRUE(visible(g)) << name;
    }
    const std::pair<const char*, int> inner[] = {
        {"SpeedButton1", 18}, {"SpeedButton47", 17}, {"SpeedButton48", 9},  {"SpeedButton19", 3},
        {"SpeedButton38", 8}, {"SpeedButton62", 13}, {"SpeedButton68", 14}, {"SpeedButton7", 15}};
    for (const auto& [name, g] : inner) {
        menu.press(name);
        EXPECT_TRUE(visible(g)) << name;
    }
}

TEST_F(MenuGroupsTest, BackClosesOnlyItsOwnGroup) {
    const std::pair<const char*, int> backs[] = {
        {"SpeedButton75", 1},  {"SpeedButton148", 18}, {"SpeedButton142", 17},
        {"SpeedButton83", 9},  {"SpeedButton77", 2},   {"SpeedButton80", 3},
        {"SpeedButton78", 8},  {"SpeedButton79", 13},  {"SpeedButton81", 14},
        {"SpeedButton84", 15}, {"SpeedButton76", 11},  {"SpeedButton82", 12},
        {"SpeedButton131", 16}};
    for (const auto& [name, g] : backs) {
        menu.group(g)->show();
        menu.press(name);
        EXPECT_FALSE(visible(g)) << name;
        EXPECT_TRUE(visible(4));
    }
}

TEST_F(MenuGroupsTest, PrimitiverenGroupSetsCategoryAndItsBackResetsOnlyTheKind) {
    selection.category_code = 3;
    menu.press("SpeedButton38");
    EXPECT_EQ(selection.category_code, 12);
    menu.press("SpeedButton41");
    EXPECT_EQ(selection.integration_kind, 1);
    menu.press("SpeedButton78");
    EXPECT_EQ(selection.integration_kind, -1);
    EXPECT_EQ(selection.integration_choice, 1);
    EXPECT_EQ(selection.category_code, 12);
}

TEST_F(MenuGroupsTest, AllVariantsButtonsLeaveTheTopicCode) {
    selection.topic_code = 12;
    menu.press("SpeedButton36");
    EXPECT_EQ(selection.topic_code, 12);
    EXPECT_EQ(selection.chain_rule_choice, 6);
    selection.topic_code = 19;
    menu.press("SpeedButton45");
    EXPECT_EQ(selection.topic_code, 19);
    EXPECT_EQ(selection.integration_kind, 6);
}

TEST_F(MenuGroupsTest, ButtonsWithoutCategoryKeepThePreviousOne) {
    menu.press("SpeedButton20");  // category 7
    for (const char* name :
         {"SpeedButton46", "SpeedButton63", "SpeedButton74", "SpeedButton144", "SpeedButton106",
          "SpeedButton73", "SpeedButton156", "SpeedButton154"}) {
        menu.press(name);
        EXPECT_EQ(selection.category_code, 7) << name;
    }
}

TEST_F(MenuGroupsTest, FirstShowResetsTheChoices) {
    selection.chain_rule_choice = 6;
    selection.integration_choice = 6;
    menu.first_show();
    EXPECT_EQ(selection.chain_rule_choice, -1);
    EXPECT_EQ(selection.integration_choice, -1);
}

TEST(MenuWindow, MissingTargetWindowShowsAMessage) {
    TAlle_rekenoefeningenForm menu(false);
    testing::MessageRecorder rec;
    menu.press("SpeedButton54");  // no lens window in this build of the test
    ASSERT_EQ(rec.count(), 1);
    EXPECT_FALSE(rec.texts()[0].startsWith("nrnotfound"));
}

TEST(MenuWindow, DivisionCopiesTheBitesRadioAfterItsPresets) {
    TAlle_rekenoefeningenForm menu(false);
    std::vector<Preset> applied;
    bool bites = true;
    menu.set_preset_handler(Target::LongDivision, [&](Preset p) { applied.push_back(p); });
    menu.set_division_bites_query([&] { return bites; });
    menu.set_show_target_hook([](Target) {});
    selection.division_in_bites = false;
    selection.previous_exercise_stored = true;
    menu.press("SpeedButton12");
    EXPECT_TRUE(selection.division_in_bites);
    EXPECT_FALSE(selection.previous_exercise_stored);
    EXPECT_EQ(applied, std::vector<Preset>({Preset::LongDivisionShowOptions}));
    bites = false;
    menu.press("SpeedButton145");  // "Grote getallen" leaves the flag alone
    EXPECT_TRUE(selection.division_in_bites);
}

TEST(MenuWindow, WhiteBackgroundCheckBoxSetsTheSurfaceColour) {
    TAlle_rekenoefeningenForm menu(false);
    EXPECT_EQ(background_colour, kAqua);
    menu.CheckBox2->click();
    EXPECT_EQ(background_colour, kWhite);
    menu.CheckBox2->click();
    EXPECT_EQ(background_colour, kAqua);
}

TEST(MenuWindow, MaintenanceControlsOnlyInMaintenanceMode) {
    TAlle_rekenoefeningenForm normal(false);
    EXPECT_EQ(normal.Button8, nullptr);
    EXPECT_EQ(normal.Memo1, nullptr);
    TAlle_rekenoefeningenForm maintenance(true);
    ASSERT_NE(maintenance.Button8, nullptr);
    maintenance.Button8Click();
    EXPECT_FALSE(maintenance.Memo1->isHidden());
    const QString text = maintenance.Memo1->toPlainText();
    EXPECT_TRUE(text.contains("% memory in use"));
    EXPECT_TRUE(text.contains("= Used virtual memory"));
    maintenance.Button8Click();
    EXPECT_TRUE(maintenance.Memo1->isHidden());
}

}  // namespace
}  // namespace cifrala
