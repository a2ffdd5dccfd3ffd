#pragma once
// The menu's vocabulary: every group box and every button with its caption,
// text number and what it does.
#include <climits>
#include <vector>

namespace cifrala {

// The windows a topic button can open.
enum class Target {
    None,
    MultiTopic,        // TdiffkettingForm
    Roots,             // TwortelsherleidenForm
    Integers,          // TGehele_getallen_Form
    LongDivision,      // TStaartdeelForm
    Fractions,         // TbreukenoefenenForm
    Ratios,            // TverhoudingenForm
    Metric,            // TMetrieke_stelsel_Form
    QuadEquations,     // TkwadrverglForm
    QuadInequalities,  // TOngelijkhedenForm
    ExpEquations,      // TExpverglForm
    Lens,              // TLenzenForm
};

// Options a topic button sets on its target window before showing it.
enum class Preset {
    RatiosNewExercise,        // clear the keep-exercise flag
    MethodListMessage1901,    // multi-topic ComboBox4 text := msg(1901)
    MethodListMessage1900,    // multi-topic ComboBox4 text := msg(1900)
    ShowPanel8,               // multi-topic Panel8 visible
    FunctionTypeSinusoid,     // multi-topic ComboBox5 text := its third item
    ExplanationArea420x300,   // explanation window drawing area 420 x 300, black pen 3 wide
    EstimateLabels,           // integers: labels 1921, 1922, 1322, 1332; tick and hide CheckBox4;
                              // hide SpeedButton1; show Panel2 and Panel5
    TimePresets,              // integers: hide Panel3, show Panel2, hide SpeedButton1
    WordProblemPresets,       // integers: RadioButton3, RadioButton8, CheckBox4, 5, 7 ticked;
                              // hide CheckBox4 and SpeedButton1; show Panel2
    HidePanel3,               // integers: hide Panel3
    ShowPanel4,               // roots: Panel4 visible
    LongDivisionHideOptions,  // hide GroupBox1, GroupBox2 and CheckBox2
    LongDivisionShowOptions,  // show CheckBox2, GroupBox1 and GroupBox2
    ShowAbcFormula,           // quadratic equations: CheckBox2 visible
};

constexpr int kKeep = INT_MIN;  // the value is not written

enum class Action { OpenGroup, Back, Topic };

struct MenuButton {
    const char* name;     // component name, e.g. "SpeedButton25"
    int group;            // number of the group box it sits in (4 = basic menu)
    const char* caption;  // Dutch default caption
    int tag;              // text number; 0 = not translated
    Action action;
    int opens = 0;  // group opened by Action::OpenGroup
    Target target = Target::None;
    int topic = kKeep;
    int category = kKeep;
    std::vector<Preset> presets = {};
    int integration = kKeep;           // integration_kind and integration_choice
    int chain_rule = kKeep;            // chain_rule_choice
    int function_type_preset = kKeep;  // 0 or 1
    int solve_as_equation = kKeep;     // 0 or 1
    bool clear_previous_exercise = false;
    bool division_bites_from_window = false;
    // The hint is the second line of the button's entry; a button without
    // an entry (tag 0) takes its hint from this one and keeps its caption.
    int hint_tag = 0;
};

struct MenuGroup {
    int number;           // GroupBox<number>
    const char* caption;  // Dutch default caption
    int tag;
    int level;  // 0 basic menu, 1 subject, 2 below a subject
};

const std::vector<MenuGroup>& menu_groups();
// Every topic, group and back button of the groups 1 to 18 (not the basic
// menu's own controls), in the order of the menu's tables.
const std::vector<MenuButton>& menu_buttons();
const MenuButton* find_menu_button(const char* name);

}  // namespace cifrala
