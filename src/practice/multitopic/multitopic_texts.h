#pragma once
// The text and message numbers of the multi-topic window's own controls.
namespace cifrala {

namespace multitopic_tags {
// Combo boxes take their items from consecutive file-3 entries.
constexpr int kOperations = 2600;          // ComboBox2, 4 items
constexpr int kPercentMethods = 2602;      // ComboBox4, 4 items
constexpr int kFunctionTypes = 2607;       // ComboBox5, 6 items
constexpr int kDomainTypes = 2611;         // ComboBox6, 2 items
constexpr int kSolveTypes = 2621;          // ComboBox7, 7 items
constexpr int kSymmetryKinds = 2631;       // ComboBox8, 2 items
constexpr int kSymmetricFunctions = 2641;  // ComboBox9, 2 items
constexpr int kDecimalsLabel = 495;        // file 2
constexpr int kRankLabel = 497;            // file 2
constexpr int kArithmetic = 2131;          // file 4
constexpr int kGeometric = 2132;           // file 4
constexpr int kWeighing = 561;             // file 8
constexpr int kAlsoBrackets = 562;         // file 8
constexpr int kWorkOutDenominator = 563;   // file 8
constexpr int kStructureGroup = 2110;      // file 3
constexpr int kPractiseGroup = 2115;       // file 3
constexpr int kOnlySine = 2070;            // file 4
constexpr int kSineAndCosine = 2064;       // file 4
constexpr int kApproachGroup = 2116;       // file 3
constexpr int kTraditional = 2170;         // file 4
constexpr int kOnePeriodFirst = 2171;      // file 4
}  // namespace multitopic_tags

namespace multitopic_messages {
constexpr int kMethodSchool = 1901;     // the percentage method preset from "Rekenen en Algebra"
constexpr int kMethodEconomics = 1900;  // from "Economie"
constexpr int kRenderDescription = 4981;
constexpr int kRootTableMissing = 4982;  // "awortel.txt not found"
constexpr int kRootTableDamaged = 4983;
}  // namespace multitopic_messages

}  // namespace cifrala
