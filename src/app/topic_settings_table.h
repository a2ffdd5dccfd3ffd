#pragma once
// The 90 topic check boxes of the settings panel, in the order of the lines of
// the settings file "cifrala.def".
#include <vector>

namespace cifrala {

enum class TopicBoxKind { Subject, Group, Topic };

struct TopicBox {
    int number;           // CheckBox<number>; its tag is 600 + number
    const char* caption;  // Dutch default caption
    TopicBoxKind kind;
    int member_of;       // number of its group or subject box; 0 for a subject
    const char* button;  // the menu button it shows
};

const std::vector<TopicBox>& topic_boxes();
const TopicBox* find_topic_box(int number);

// Members of a subject or group box, in table order.
std::vector<int> topic_box_members(int number);

// The order in which check_hoofdmenus recomputes the subject and group boxes,
// each from the listed members.
struct HoofdmenuRule {
    int box;
    std::vector<int> members;
};
const std::vector<HoofdmenuRule>& hoofdmenu_rules();

}  // namespace cifrala
