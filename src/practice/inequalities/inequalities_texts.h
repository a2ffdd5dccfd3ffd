#pragma once
// The text and message numbers of the quadratic-inequalities window.

namespace cifrala {

namespace inequalities_tags {
constexpr int kTitle = 1667;          // file 3: "Kwadratische ongelijkheden"
constexpr int kGraphCheck = 512;      // "Grafiekcontrole"
constexpr int kFirstGraph = 513;      // "Eerste grafiek"
constexpr int kSecondGraph = 514;     // "Tweede grafiek"
constexpr int kColourSolution = 515;  // "Kleur oplossing"
constexpr int kGraphsGroup = 2122;    // "Grafieken"
constexpr int kVertexButton = 1678;   // "Bereken"
constexpr int kVertexPanel = 5480;    // the vertex panel's hint
constexpr int kHelpPage = 691;
}  // namespace inequalities_tags

namespace inequalities_messages {
constexpr int kOr = -57;
constexpr int kBetweenIntervals = -58;
constexpr int kIntervalNotation = -59;
constexpr int kNameFunctions = 1530;
constexpr int kSolveEquation = 1531;
constexpr int kReadAnswer = 1532;
constexpr int kFinished = 1540;
constexpr int kVertexHeading = 1545;
constexpr int kRenderDescription = 5486;  // the render topic in the usage text
}  // namespace inequalities_messages

}  // namespace cifrala
