#include "practice/multitopic/topic_table.h"

#include <map>

#include "practice/common/practice_mode.h"

namespace cifrala {

namespace {

using namespace topic_controls;

constexpr int kAny = kAnyCode;
constexpr int kLogarithmsEquation = 2071;

std::vector<TopicRow> make_rows() {
    // name, topic, category, help, font, line unit, courier, controls, root table
    return {
        {"logarithmic", 1, 11, 710, 20, 37},
        {"linear", 2, 11, 711, 28, 60, false, kLinearOptions},
        {"power_forms", 3, 11, 712, 20, 37},
        {"brackets_extended", 4, 11, 713, 20, 37},
        {"brackets_basic", 5, 11, 715, 20, 37},
        {"absolute_value", 8, 10, 708, 28, 80},
        {"power_rule", 9, 7, 707, 28, 68},
        {"product_rule", 10, 8, 707, 22, 70},
        {"quotient_rule", 11, 9, 707, 28, 68},
        {"chain_rule", 12, 1, 707, 26, 62},
        {"chain_product_rule", 13, 2, 707, 26, 62},
        {"logarithmic_functions", 14, 3, 707, 26, 62},
        {"exponential_functions", 15, 4, 707, 26, 62},
        {"sinusoids", 16, 5, 707, 26, 62},
        {"chain_rule_all", kAny, 6, 707, 26, 62},
        {"antiderivative_powers", 17, 12, 709, 26, 62},
        {"antiderivative_linear_power", 18, 12, 709, 26, 62},
        {"antiderivative_logarithms", 19, 12, 709, 24, 62},
        {"antiderivative_exponentials", 20, 12, 709, 26, 62},
        {"antiderivative_sinusoids", 21, 12, 709, 26, 62},
        {"antiderivative_all", kAny, 12, 707, 26, 62},
        {"root_equations", 23, kAny, 703, 20, 68, false, kNone, true},
        {"power_equations", 24, 15, 697, 28, 68, false, kDecimals},
        {"trigonometric_equations", 27, 13, 700, 24, 77, false,
         kSinusoidTypes | kApproach | kNoLevel},
        {"logarithms_2", 29, 11, 716, 20, 37},
        {"logarithms_1", 30, 11, 717, 20, 37},
        {"growth_functions", 31, 11, 718, 20, 37},
        {"powers_of_ten", 32, 11, 719, 20, 37},
        {"graph_formulas", 33, 11, 720, 20, 37, false, kFunctionTypes},
        {"numbers_in_columns", 34, 14, 701, 30, 40, true, kOperations},
        {"percentages", 35, 16, 698, 24, 80, false, kPercentMethods | kDecimals},
        {"factoring_out", 36, 18, 721, 28, 68},
        {"sequences", 37, 19, 722, 28, 60, false, kSequenceTypes},
        {"algebraic_fractions", 38, 20, 723, 28, 68, false, kOperations},
        {"domain_and_range", 39, kAny, 724, 20, 37, false, kDomainTypes | kNoLevel},
        {"solving_for_a_variable", 40, kAny, 725, 20, 37, false, kSolveTypes | kNoLevel},
        {"symmetry", 41, kAny, 707, 20, 37, false, kSymmetryTypes | kNoLevel},
        {"clever_calculation", 43, kAny, 707, 36, 90, false, kBottomStrip | kNoHelp},
        {"estimating", 44, kAny, 707, 36, 90, false, kBottomStrip | kNoHelp | kNoCopy},
        {"sinusoid_drawing", 63, kAny, 707, 20, 37, false, kStructure | kNoLevel},
        {"fraction_inequalities", 64, 11, 736, 26, 62, false, kExact | kNoLevel},
        {"root_inequalities", 65, kAny, 737, 20, 68, false, kExact},
    };
}

// Titles by category when no topic or antiderivative family decides.
const std::map<int, int>& category_titles() {
    static const std::map<int, int> t{{1, 1626},  {2, 1627},  {3, 1633},  {4, 1635},  {5, 1638},
                                      {6, 1639},  {7, 1800},  {8, 1801},  {13, 1803}, {14, 1804},
                                      {16, 1806}, {18, 1808}, {19, 1809}, {20, 1810}};
    return t;
}

// Titles by topic; topic 1 reads its own (equations or inequalities). The
// quotient rule has a title of its own, so that it does not keep the title
// of the topic shown before it.
const std::map<int, int>& topic_titles() {
    static const std::map<int, int> t{
        {1, 1679},  {2, 1680},  {3, 1690},  {4, 1696},  {5, 1696},  {8, 1802},  {9, 1800},
        {10, 1801}, {11, 4951}, {12, 1626}, {13, 1627}, {14, 1633}, {15, 1635}, {16, 1638},
        {23, 1807}, {24, 1805}, {27, 1803}, {29, 1722}, {30, 1724}, {31, 1736}, {32, 1737},
        {33, 1752}, {34, 1804}, {35, 1806}, {36, 1808}, {37, 1809}, {38, 1810}, {39, 1828},
        {40, 1850}, {41, 1863}, {43, 1917}, {44, 1918}, {63, 2176}, {64, 2204}, {65, 2216}};
    return t;
}

// Antiderivative families 1 to 5, and 6 for all of them.
const std::map<int, int>& family_titles() {
    static const std::map<int, int> t{{1, 1662}, {2, 1663}, {3, 1665},
                                      {4, 1667}, {5, 1666}, {6, 1664}};
    return t;
}

int lookup(const std::map<int, int>& table, int key) {
    auto it = table.find(key);
    return it == table.end() ? 0 : it->second;
}

}  // namespace

const std::vector<TopicRow>& topic_rows() {
    static const std::vector<TopicRow> rows = make_rows();
    return rows;
}

const TopicRow* find_topic_row(const QString& name) {
    for (const TopicRow& r : topic_rows())
        if (r.name == name) return &r;
    return nullptr;
}

int title_message(int topic, int category, int integration_kind, bool solve_as_equation) {
    int title = lookup(category_titles(), category);
    int by_topic = lookup(topic_titles(), topic);
    if (topic == 1 && solve_as_equation) by_topic = kLogarithmsEquation;
    if (by_topic > 0) title = by_topic;
    if (const int by_family = lookup(family_titles(), integration_kind); by_family > 0)
        title = by_family;
    return title;
}

}  // namespace cifrala
