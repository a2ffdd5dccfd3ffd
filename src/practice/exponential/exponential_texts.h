#pragma once
// The text and message numbers of the exponential-equations window.

namespace cifrala {

namespace exponential_tags {
constexpr int kTitle = 2271;        // file 3: "Exponentiële vergelijkingen"
constexpr int kShowPowers = 532;    // "Toon machten"
constexpr int kFormulas = 2108;     // "Formules"
constexpr int kPowersPanel = 5485;  // the powers panel's hint
constexpr int kHelpPage = 693;
}  // namespace exponential_tags

namespace exponential_messages {
constexpr int kFinished = 1540;
constexpr int kFractionalExponents = 1550;
constexpr int kOnePower = 1551;
constexpr int kWorkOutExponents = 1552;
constexpr int kEqualExponents = 1553;
constexpr int kSolveLinear = 1554;
constexpr int kPowersOfG = 5239;          // "Schrijf elk getal als een macht van #."
constexpr int kDivideByFactor = 6054;     // base #, divide by #
constexpr int kRenderDescription = 5487;  // the render topic in the usage text
}  // namespace exponential_messages

}  // namespace cifrala
