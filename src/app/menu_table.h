#pragma once
// The menu's vocabulary: every group box and every button with its caption,
// text number and what it does.
#include <climits>
#include <vector>

#include "practice/common/targets.h"

namespace cifrala {

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
