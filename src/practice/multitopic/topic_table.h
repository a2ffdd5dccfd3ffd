#pragma once
// What the multi-topic window does for each of its topics, as data: one row
// per topic with the codes the menu writes, the help page, the worksheet's
// font and line unit and the controls the topic shows on top of the common
// ones; and the window titles by category, topic and antiderivative family.
// A row names its routines; a topic whose routines are not registered
// (topic_routines.h) is not built yet.
#include <QString>
#include <vector>

#include "util/selection.h"

namespace cifrala {

// The controls a topic shows besides the common ones (or hides).
namespace topic_controls {
enum : unsigned {
    kNone = 0,
    kNoLevel = 1u << 0,         // the level group hidden
    kLinearOptions = 1u << 1,   // "Weegschaalmethode" and "Ook haakjes"
    kDecimals = 1u << 2,        // the decimals panel (Panel5)
    kSinusoidTypes = 1u << 3,   // "Type" with ComboBox1
    kApproach = 1u << 4,        // "Aanpak"
    kOperations = 1u << 5,      // "Type" with ComboBox2
    kPercentMethods = 1u << 6,  // "Type" with ComboBox4
    kFunctionTypes = 1u << 7,   // "Type" with ComboBox5
    kDomainTypes = 1u << 8,     // "Type" with ComboBox6
    kSolveTypes = 1u << 9,      // "Type" with ComboBox7
    kSymmetryTypes = 1u << 10,  // "Type" with ComboBox8 and ComboBox9
    kSequenceTypes = 1u << 11,  // "Type" with Panel6 and Panel7
    kExact = 1u << 12,          // "Exact"
    kStructure = 1u << 13,      // the structure group of the sinusoid drawing
    kBottomStrip = 1u << 14,    // the bottom strip (Panel8)
    kNoHelp = 1u << 15,         // no help button
    kNoCopy = 1u << 16,         // no copy button
};
}  // namespace topic_controls

struct TopicRow {
    QString name;  // the routines' name, also the mode's name
    int topic;     // kAnyCode: the menu does not write it
    int category;  // kAnyCode: any category
    int help;
    int font_size = 26;
    int line_unit = 62;
    bool courier = false;  // "Courier new" bold instead of "verdana"
    unsigned controls = topic_controls::kNone;
    bool needs_root_table = false;  // only with "awortel.txt"
};

// Every topic of the window, in the order in which its modes are added.
const std::vector<TopicRow>& topic_rows();
const TopicRow* find_topic_row(const QString& name);

// The window title: the category's message, overridden by the topic's,
// then by the antiderivative family's; 0 when none applies.
int title_message(int topic, int category, int integration_kind, bool solve_as_equation);
inline int title_message(const SelectionValues& s) {
    return title_message(s.topic_code, s.category_code, s.integration_kind, s.solve_as_equation);
}

}  // namespace cifrala
